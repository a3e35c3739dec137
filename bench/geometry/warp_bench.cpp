// Affine warp of a 1920x1080 frame by a 10-degree rotation about its centre
// (constant border 0), beside cv::warpAffine; remap of the frame through maps
// of a mild rotation and barrel distortion, beside cv::remap (float maps,
// transparent border). Single thread, one tile.
#include <cmath>
#include <vector>

#include "bench.hpp"
#include "rvl.h"

#ifdef RVL_BENCH_WITH_OPENCV
#include <opencv2/imgproc.hpp>
#endif

namespace {

using namespace rvlbench;
constexpr RvlSize kFrame{kWidth, kHeight};

// The forward matrix: 10 degrees about the frame's centre.
struct Rotation {
    double m[2][3];
    Rotation() {
        double xs = 0, ys = 0;
        rvliGetRotateShift(kWidth / 2.0, kHeight / 2.0, 10, &xs, &ys);
        rvliGetRotateTransform(10, xs, ys, m);
    }
};

template <class T, int C, class Fn>
void run_warp(benchmark::State& state, int interp, Fn fn) {
    const Rotation r;
    int specSize = 0, initSize = 0;
    rvliWarpAffineGetSize(kFrame, kFrame, sizeof(T) == 1 ? rvlType8u : rvlType32f, r.m, RvlInterpolation(interp), rvlMapForward,
                          rvlBorderConstant, &specSize, &initSize);
    std::vector<Rvl8u> spec(specSize), init(initSize), buffer(64);
    auto* sp = reinterpret_cast<RvlWarpSpec*>(spec.data());
    const double zero[4] = {};
    const int type = sizeof(T) == 1 ? rvlType8u : rvlType32f;
    if (interp == rvlInterNearest) rvliWarpAffineNearestInit(kFrame, kFrame, type, r.m, rvlMapForward, C, rvlBorderConstant, zero, 0, sp);
    else if (interp == rvlInterLinear) rvliWarpAffineLinearInit(kFrame, kFrame, type, r.m, rvlMapForward, C, rvlBorderConstant, zero, 0, sp);
    else rvliWarpAffineCubicInit(kFrame, kFrame, type, r.m, rvlMapForward, C, 0, 0.5, rvlBorderConstant, zero, 0, sp, init.data());
    Frame<T> src(C), dst(C, 2);
    for (auto _ : state) {
        fn(src.ptr(), src.step(), dst.ptr(), dst.step(), kFrame, sp, buffer.data());
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * src.bytes());
}

#define WARP(kind, interp, T, C)                                                                                   \
    void WarpAffine##kind##_##T##_C##C##R_rotate10_rvl(benchmark::State& s) {                                      \
        run_warp<Rvl##T, C>(s, interp, [](auto a, int as, auto b, int bs, RvlSize z, auto sp, auto buf) {         \
            rvliWarpAffine##kind##_##T##_C##C##R(a, as, b, bs, {0, 0}, z, sp, buf);                                \
        });                                                                                                        \
    }                                                                                                              \
    RVL_BENCH(WarpAffine##kind##_##T##_C##C##R_rotate10);
WARP(Linear, rvlInterLinear, 8u, 3)
WARP(Linear, rvlInterLinear, 8u, 1)
WARP(Linear, rvlInterLinear, 32f, 1)
WARP(Nearest, rvlInterNearest, 8u, 3)
WARP(Cubic, rvlInterCubicBC, 8u, 3)

// Maps: a 3-degree rotation with a slight barrel distortion about the
// centre; a few points fall outside the frame and keep the destination.
struct Maps {
    std::vector<float> x, y;
    Maps() : x(std::size_t(kWidth) * kHeight), y(x.size()) {
        const double a = 3 * 3.14159265358979 / 180, c = std::cos(a), s = std::sin(a);
        const double cx = kWidth / 2.0, cy = kHeight / 2.0;
        for (int j = 0; j < kHeight; ++j)
            for (int i = 0; i < kWidth; ++i) {
                const double u = i - cx, v = j - cy, k = 1 + 2e-8 * (u * u + v * v);
                x[std::size_t(j) * kWidth + i] = float(cx + k * (c * u + s * v));
                y[std::size_t(j) * kWidth + i] = float(cy + k * (-s * u + c * v));
            }
    }
};

template <class T, int C, class Fn>
void run_remap(benchmark::State& state, Fn fn) {
    static const Maps maps;
    Frame<T> src(C), dst(C, 2);
    for (auto _ : state) {
        fn(src.ptr(), src.step(), maps.x.data(), maps.y.data(), dst.ptr(), dst.step());
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * src.bytes() + std::int64_t(2 * maps.x.size() * sizeof(float)));
}

#define REMAP(T, C)                                                                                                 \
    void Remap_##T##_C##C##R_linear_rvl(benchmark::State& s) {                                                      \
        run_remap<Rvl##T, C>(s, [](auto a, int as, const float* mx, const float* my, auto b, int bs) {              \
            rvliRemap_##T##_C##C##R(a, kFrame, as, {0, 0, kWidth, kHeight}, mx, kWidth * 4, my, kWidth * 4, b, bs,    \
                                    kFrame, rvlInterLinear);                                                        \
        });                                                                                                         \
    }                                                                                                               \
    RVL_BENCH(Remap_##T##_C##C##R_linear);
REMAP(8u, 1)
REMAP(8u, 3)
REMAP(32f, 1)

#ifdef RVL_BENCH_WITH_OPENCV
template <class T, int Type>
void opencv_warp(benchmark::State& state, int interp) {
    const Rotation r;
    Frame<T> f(CV_MAT_CN(Type));
    cv::Mat src(kHeight, kWidth, Type, f.ptr()), out(kHeight, kWidth, Type);
    const cv::Mat m(2, 3, CV_64F, const_cast<double*>(&r.m[0][0]));
    for (auto _ : state) {
        cv::warpAffine(src, out, m, out.size(), interp, cv::BORDER_CONSTANT, cv::Scalar());
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * f.bytes());
}
#define WARP_CV(op, T, Type, interp)                                                                  \
    void op##_opencv(benchmark::State& s) { opencv_warp<Rvl##T, Type>(s, interp); } \
    RVL_BENCH_OPENCV(op);
WARP_CV(WarpAffineLinear_8u_C3R_rotate10, 8u, CV_8UC3, cv::INTER_LINEAR)
WARP_CV(WarpAffineLinear_8u_C1R_rotate10, 8u, CV_8UC1, cv::INTER_LINEAR)
WARP_CV(WarpAffineLinear_32f_C1R_rotate10, 32f, CV_32FC1, cv::INTER_LINEAR)
WARP_CV(WarpAffineNearest_8u_C3R_rotate10, 8u, CV_8UC3, cv::INTER_NEAREST)
WARP_CV(WarpAffineCubic_8u_C3R_rotate10, 8u, CV_8UC3, cv::INTER_CUBIC)

template <class T, int Type>
void opencv_remap(benchmark::State& state) {
    static const Maps maps;
    Frame<T> f(CV_MAT_CN(Type));
    cv::Mat src(kHeight, kWidth, Type, f.ptr()), out(kHeight, kWidth, Type);
    const cv::Mat mx(kHeight, kWidth, CV_32F, const_cast<float*>(maps.x.data()));
    const cv::Mat my(kHeight, kWidth, CV_32F, const_cast<float*>(maps.y.data()));
    for (auto _ : state) {
        cv::remap(src, out, mx, my, cv::INTER_LINEAR, cv::BORDER_TRANSPARENT);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * f.bytes() + std::int64_t(2 * maps.x.size() * sizeof(float)));
}
#define REMAP_CV(op, T, Type)                                                    \
    void op##_opencv(benchmark::State& s) { opencv_remap<Rvl##T, Type>(s); } \
    RVL_BENCH_OPENCV(op);
REMAP_CV(Remap_8u_C1R_linear, 8u, CV_8UC1)
REMAP_CV(Remap_8u_C3R_linear, 8u, CV_8UC3)
REMAP_CV(Remap_32f_C1R_linear, 32f, CV_32FC1)
#endif

}  // namespace
