// Cubic, Lanczos, super-sampling and antialiasing resizes of a 1920x1080
// frame beside cv::resize (INTER_CUBIC, INTER_LANCZOS4, INTER_AREA), single
// thread, one tile.
#include <vector>

#include "bench.hpp"
#include "geometry/resize_common.hpp"
#include "rvl.h"

namespace {

using namespace rvlbench;
constexpr RvlSize kSrc{kWidth, kHeight};
constexpr RvlSize k720{1280, 720}, k540{960, 540}, k270{480, 270};

enum class Kind { Cubic, Lanczos, Super, AaLinear };

// Builds the specification of a kind, then times fn over the whole frame.
template <class T, int C, class Fn>
void run_rvl(benchmark::State& state, RvlSize dst, Kind kind, Fn fn) {
    const RvlInterpolation interp = kind == Kind::Cubic ? rvlInterCubicBC : kind == Kind::Lanczos ? rvlInterLanczos
                                    : kind == Kind::Super ? rvlInterSuper : rvlInterLinear;
    int specSize = 0, initSize = 0;
    rvliResizeGetSize_8u(kSrc, dst, interp, kind == Kind::AaLinear, &specSize, &initSize);
    std::vector<Rvl8u> spec(specSize), init(initSize);
    auto* sp = reinterpret_cast<RvlResizeSpec*>(spec.data());
    if (kind == Kind::Cubic) rvliResizeCubicInit_8u(kSrc, dst, 0.0f, 0.5f, sp, init.data());
    else if (kind == Kind::Lanczos) rvliResizeLanczosInit_8u(kSrc, dst, 3, sp, init.data());
    else if (kind == Kind::Super) rvliResizeSuperInit_8u(kSrc, dst, sp);
    else rvliResizeAntialiasingLinearInit(kSrc, dst, sp, init.data());
    time_resize<T, C>(state, dst, sp, fn);
}

#define RESIZE_FILTER(Name, kind, T, C, tag, size)                                                                    \
    void Resize##Name##_##T##_C##C##R_##tag##_rvl(benchmark::State& s) {                                            \
        run_rvl<Rvl##T, C>(s, size, kind, [](auto a, int as, auto b, int bs, auto sp, auto buf) {                    \
            rvliResize##Name##_##T##_C##C##R(a, as, b, bs, {0, 0}, size, rvlBorderReplicate, nullptr, sp, buf);        \
        });                                                                                                           \
    }                                                                                                                 \
    RVL_BENCH(Resize##Name##_##T##_C##C##R_##tag);
RESIZE_FILTER(Cubic, Kind::Cubic, 8u, 3, to720p, k720)
RESIZE_FILTER(Cubic, Kind::Cubic, 8u, 1, to720p, k720)
RESIZE_FILTER(Cubic, Kind::Cubic, 32f, 1, to720p, k720)
RESIZE_FILTER(Lanczos, Kind::Lanczos, 8u, 3, to720p, k720)
RESIZE_FILTER(Antialiasing, Kind::AaLinear, 8u, 3, to270p, k270)

#define RESIZE_SUPER(T, C, tag, size)                                                               \
    void ResizeSuper_##T##_C##C##R_##tag##_rvl(benchmark::State& s) {                               \
        run_rvl<Rvl##T, C>(s, size, Kind::Super, [](auto a, int as, auto b, int bs, auto sp, auto buf) { \
            rvliResizeSuper_##T##_C##C##R(a, as, b, bs, {0, 0}, size, sp, buf);                      \
        });                                                                                         \
    }                                                                                               \
    RVL_BENCH(ResizeSuper_##T##_C##C##R_##tag);
RESIZE_SUPER(8u, 3, to540p, k540)
RESIZE_SUPER(8u, 1, to540p, k540)

#ifdef RVL_BENCH_WITH_OPENCV
RESIZE_CV(ResizeCubic_8u_C3R_to720p, 8u, CV_8UC3, k720, cv::INTER_CUBIC)
RESIZE_CV(ResizeCubic_8u_C1R_to720p, 8u, CV_8UC1, k720, cv::INTER_CUBIC)
RESIZE_CV(ResizeCubic_32f_C1R_to720p, 32f, CV_32FC1, k720, cv::INTER_CUBIC)
RESIZE_CV(ResizeLanczos_8u_C3R_to720p, 8u, CV_8UC3, k720, cv::INTER_LANCZOS4)
RESIZE_CV(ResizeAntialiasing_8u_C3R_to270p, 8u, CV_8UC3, k270, cv::INTER_AREA)
RESIZE_CV(ResizeSuper_8u_C3R_to540p, 8u, CV_8UC3, k540, cv::INTER_AREA)
RESIZE_CV(ResizeSuper_8u_C1R_to540p, 8u, CV_8UC1, k540, cv::INTER_AREA)
#endif

}  // namespace
