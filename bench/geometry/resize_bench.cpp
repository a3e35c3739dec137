// Resize of a 1920x1080 frame to 1280x720 and to 3840x2160 beside cv::resize
// (INTER_LINEAR, INTER_NEAREST), single thread, one tile.
#include <vector>

#include "bench.hpp"
#include "geometry/resize_common.hpp"
#include "rvl.h"

namespace {

using namespace rvlbench;
constexpr RvlSize kSrc{kWidth, kHeight};

template <class T, int C, class Fn>
void run_rvl(benchmark::State& state, RvlSize dst, bool linear, Fn fn) {
    int specSize = 0, initSize = 0;
    rvliResizeGetSize_8u(kSrc, dst, linear ? rvlInterLinear : rvlInterNearest, 0, &specSize, &initSize);
    std::vector<Rvl8u> spec(specSize);
    auto* sp = reinterpret_cast<RvlResizeSpec*>(spec.data());
    if (!linear) rvliResizeNearestInit_8u(kSrc, dst, sp);
    else if (sizeof(T) == 1) rvliResizeLinearInit_8u(kSrc, dst, sp);
    else rvliResizeLinearInit_32f(kSrc, dst, sp);
    time_resize<T, C>(state, dst, sp, fn);
}

constexpr RvlSize k720{1280, 720}, k2160{3840, 2160};

#define RESIZE_LINEAR(T, C, name, size)                                                                        \
    void ResizeLinear_##T##_C##C##R_##name##_rvl(benchmark::State& s) {                                        \
        run_rvl<Rvl##T, C>(s, size, true, [](auto a, int as, auto b, int bs, auto sp, auto buf) {               \
            rvliResizeLinear_##T##_C##C##R(a, as, b, bs, {0, 0}, size, rvlBorderReplicate, nullptr, sp, buf);     \
        });                                                                                                    \
    }                                                                                                          \
    RVL_BENCH(ResizeLinear_##T##_C##C##R_##name);
RESIZE_LINEAR(8u, 1, to720p, k720)
RESIZE_LINEAR(8u, 1, to2160p, k2160)
RESIZE_LINEAR(8u, 3, to720p, k720)
RESIZE_LINEAR(8u, 3, to2160p, k2160)
RESIZE_LINEAR(32f, 1, to720p, k720)
RESIZE_LINEAR(32f, 1, to2160p, k2160)

#define RESIZE_NEAREST(T, C, name, size)                                                         \
    void ResizeNearest_##T##_C##C##R_##name##_rvl(benchmark::State& s) {                         \
        run_rvl<Rvl##T, C>(s, size, false, [](auto a, int as, auto b, int bs, auto sp, auto buf) { \
            rvliResizeNearest_##T##_C##C##R(a, as, b, bs, {0, 0}, size, sp, buf);                 \
        });                                                                                      \
    }                                                                                            \
    RVL_BENCH(ResizeNearest_##T##_C##C##R_##name);
RESIZE_NEAREST(8u, 3, to720p, k720)
RESIZE_NEAREST(8u, 3, to2160p, k2160)

#ifdef RVL_BENCH_WITH_OPENCV
RESIZE_CV(ResizeLinear_8u_C1R_to720p, 8u, CV_8UC1, k720, cv::INTER_LINEAR)
RESIZE_CV(ResizeLinear_8u_C1R_to2160p, 8u, CV_8UC1, k2160, cv::INTER_LINEAR)
RESIZE_CV(ResizeLinear_8u_C3R_to720p, 8u, CV_8UC3, k720, cv::INTER_LINEAR)
RESIZE_CV(ResizeLinear_8u_C3R_to2160p, 8u, CV_8UC3, k2160, cv::INTER_LINEAR)
RESIZE_CV(ResizeLinear_32f_C1R_to720p, 32f, CV_32FC1, k720, cv::INTER_LINEAR)
RESIZE_CV(ResizeLinear_32f_C1R_to2160p, 32f, CV_32FC1, k2160, cv::INTER_LINEAR)
RESIZE_CV(ResizeNearest_8u_C3R_to720p, 8u, CV_8UC3, k720, cv::INTER_NEAREST)
RESIZE_CV(ResizeNearest_8u_C3R_to2160p, 8u, CV_8UC3, k2160, cv::INTER_NEAREST)
#endif

}  // namespace
