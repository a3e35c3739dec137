// Fixed-kernel filters beside OpenCV (replicated border, single thread):
// the 3x3 and 5x5 Sobel derivatives and the Scharr derivative of 8u into
// 16s beside cv::Sobel / cv::Scharr, the 32f Sobel, the 8u Laplacian and
// sharpening beside cv::Laplacian and cv::filter2D, and the full gradient
// vector (Gx, Gy, L2 magnitude, angle) beside cv::Sobel twice with
// cv::magnitude and cv::phase.
#include <vector>

#include "bench.hpp"
#include "rvl.h"

#ifdef RVL_BENCH_WITH_OPENCV
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#endif

namespace {

using namespace rvlbench;
constexpr RvlSize kRoi{kWidth, kHeight};

using DerivativeQuery = RvlResult (*)(RvlSize, int, int, int, int, int*);

template <class S, class D, class Fn>
void run_derivative(benchmark::State& state, DerivativeQuery query, int st, int dt, int mask, Fn fn) {
    int bytes = 0;
    query(kRoi, mask, st, dt, 1, &bytes);
    std::vector<Rvl8u> buffer(bytes);
    Frame<S> src(1);
    Frame<D> dst(1, 2);
    for (auto _ : state) {
        fn(src.ptr(), src.step(), dst.ptr(), dst.step(), kRoi, mask, rvlBorderReplicate, S{}, buffer.data());
        benchmark::ClobberMemory();
    }
    set_traffic(state, src.bytes() + dst.bytes());
}

void FilterSobelVertBorder_8u16s_C1R_3x3_rvl(benchmark::State& s) {
    run_derivative<Rvl8u, Rvl16s>(s, rvliFilterSobelVertBorderGetBufferSize, rvlType8u, rvlType16s, rvlMask3x3,
                                  rvliFilterSobelVertBorder_8u16s_C1R);
}
RVL_BENCH(FilterSobelVertBorder_8u16s_C1R_3x3);
void FilterSobelHorizBorder_8u16s_C1R_3x3_rvl(benchmark::State& s) {
    run_derivative<Rvl8u, Rvl16s>(s, rvliFilterSobelHorizBorderGetBufferSize, rvlType8u, rvlType16s, rvlMask3x3,
                                  rvliFilterSobelHorizBorder_8u16s_C1R);
}
RVL_BENCH(FilterSobelHorizBorder_8u16s_C1R_3x3);
void FilterSobelVertBorder_8u16s_C1R_5x5_rvl(benchmark::State& s) {
    run_derivative<Rvl8u, Rvl16s>(s, rvliFilterSobelVertBorderGetBufferSize, rvlType8u, rvlType16s, rvlMask5x5,
                                  rvliFilterSobelVertBorder_8u16s_C1R);
}
RVL_BENCH(FilterSobelVertBorder_8u16s_C1R_5x5);
void FilterScharrVertMaskBorder_8u16s_C1R_rvl(benchmark::State& s) {
    run_derivative<Rvl8u, Rvl16s>(s, rvliFilterScharrVertMaskBorderGetBufferSize, rvlType8u, rvlType16s, rvlMask3x3,
                                  rvliFilterScharrVertMaskBorder_8u16s_C1R);
}
RVL_BENCH(FilterScharrVertMaskBorder_8u16s_C1R);
void FilterSobelVertBorder_32f_C1R_3x3_rvl(benchmark::State& s) {
    run_derivative<Rvl32f, Rvl32f>(s, rvliFilterSobelVertBorderGetBufferSize, rvlType32f, rvlType32f, rvlMask3x3,
                                   rvliFilterSobelVertBorder_32f_C1R);
}
RVL_BENCH(FilterSobelVertBorder_32f_C1R_3x3);

template <class Fn>
void run_image_filter(benchmark::State& state, Fn fn) {
    int bytes = 0;
    rvliFilterLaplaceBorderGetBufferSize(kRoi, rvlMask3x3, rvlType8u, 1, &bytes);
    std::vector<Rvl8u> buffer(bytes);
    Frame<Rvl8u> src(1), dst(1, 2);
    for (auto _ : state) {
        fn(src.ptr(), src.step(), dst.ptr(), dst.step(), kRoi, rvlMask3x3, rvlBorderReplicate, Rvl8u{}, buffer.data());
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * src.bytes());
}
void FilterLaplaceBorder_8u_C1R_3x3_rvl(benchmark::State& s) { run_image_filter(s, rvliFilterLaplaceBorder_8u_C1R); }
RVL_BENCH(FilterLaplaceBorder_8u_C1R_3x3);
void FilterSharpenBorder_8u_C1R_rvl(benchmark::State& s) { run_image_filter(s, rvliFilterSharpenBorder_8u_C1R); }
RVL_BENCH(FilterSharpenBorder_8u_C1R);

void GradientVectorSobel_8u16s_C1R_L2_rvl(benchmark::State& state) {
    int bytes = 0;
    rvliGradientVectorGetBufferSize(kRoi, rvlMask3x3, rvlType8u, 1, &bytes);
    std::vector<Rvl8u> buffer(bytes);
    Frame<Rvl8u> src(1);
    Frame<Rvl16s> gx(1, 2), gy(1, 3), mag(1, 4);
    Frame<Rvl32f> angle(1, 5);
    for (auto _ : state) {
        rvliGradientVectorSobel_8u16s_C1R(src.ptr(), src.step(), gx.ptr(), gx.step(), gy.ptr(), gy.step(), mag.ptr(), mag.step(),
                                          angle.ptr(), angle.step(), kRoi, rvlMask3x3, 4, rvlBorderReplicate, 0, buffer.data());
        benchmark::ClobberMemory();
    }
    set_traffic(state, src.bytes() + 3 * gx.bytes() + angle.bytes());
}
RVL_BENCH(GradientVectorSobel_8u16s_C1R_L2);

#ifdef RVL_BENCH_WITH_OPENCV
template <class S, class D>
void run_cv_derivative(benchmark::State& state, int srcType, int dstDepth, int dx, int dy, int ksize) {
    Frame<S> f(1);
    cv::Mat src(kHeight, kWidth, srcType, f.ptr()), dst(kHeight, kWidth, CV_MAKETYPE(dstDepth, 1));
    for (auto _ : state) {
        if (ksize == -1) cv::Scharr(src, dst, dstDepth, dx, dy, 1, 0, cv::BORDER_REPLICATE);
        else cv::Sobel(src, dst, dstDepth, dx, dy, ksize, 1, 0, cv::BORDER_REPLICATE);
        benchmark::ClobberMemory();
    }
    set_traffic(state, f.bytes() + std::int64_t(dst.total() * dst.elemSize()));
}
void FilterSobelVertBorder_8u16s_C1R_3x3_opencv(benchmark::State& s) { run_cv_derivative<Rvl8u, Rvl16s>(s, CV_8UC1, CV_16S, 1, 0, 3); }
RVL_BENCH_OPENCV(FilterSobelVertBorder_8u16s_C1R_3x3);
void FilterSobelHorizBorder_8u16s_C1R_3x3_opencv(benchmark::State& s) { run_cv_derivative<Rvl8u, Rvl16s>(s, CV_8UC1, CV_16S, 0, 1, 3); }
RVL_BENCH_OPENCV(FilterSobelHorizBorder_8u16s_C1R_3x3);
void FilterSobelVertBorder_8u16s_C1R_5x5_opencv(benchmark::State& s) { run_cv_derivative<Rvl8u, Rvl16s>(s, CV_8UC1, CV_16S, 1, 0, 5); }
RVL_BENCH_OPENCV(FilterSobelVertBorder_8u16s_C1R_5x5);
void FilterScharrVertMaskBorder_8u16s_C1R_opencv(benchmark::State& s) { run_cv_derivative<Rvl8u, Rvl16s>(s, CV_8UC1, CV_16S, 1, 0, -1); }
RVL_BENCH_OPENCV(FilterScharrVertMaskBorder_8u16s_C1R);
void FilterSobelVertBorder_32f_C1R_3x3_opencv(benchmark::State& s) { run_cv_derivative<Rvl32f, Rvl32f>(s, CV_32FC1, CV_32F, 1, 0, 3); }
RVL_BENCH_OPENCV(FilterSobelVertBorder_32f_C1R_3x3);

// cv::Laplacian with ksize 3 (the 3x3 kernel of 2 at the corners, -8 at the
// centre), 8u to 8u.
void FilterLaplaceBorder_8u_C1R_3x3_opencv(benchmark::State& state) {
    Frame<Rvl8u> f(1);
    cv::Mat src(kHeight, kWidth, CV_8UC1, f.ptr()), dst(kHeight, kWidth, CV_8UC1);
    for (auto _ : state) {
        cv::Laplacian(src, dst, CV_8U, 3, 1, 0, cv::BORDER_REPLICATE);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * f.bytes());
}
RVL_BENCH_OPENCV(FilterLaplaceBorder_8u_C1R_3x3);

// The same kernel through cv::filter2D, 8u to 8u.
void FilterSharpenBorder_8u_C1R_opencv(benchmark::State& state) {
    Frame<Rvl8u> f(1);
    cv::Mat src(kHeight, kWidth, CV_8UC1, f.ptr()), dst(kHeight, kWidth, CV_8UC1);
    cv::Mat kernel = cv::Mat::ones(3, 3, CV_32F) * (-0.125f);
    kernel.at<float>(1, 1) = 2.0f;
    for (auto _ : state) {
        cv::filter2D(src, dst, CV_8U, kernel, cv::Point(-1, -1), 0, cv::BORDER_REPLICATE);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * f.bytes());
}
RVL_BENCH_OPENCV(FilterSharpenBorder_8u_C1R);

// Both derivatives as floats, then magnitude and angle.
void GradientVectorSobel_8u16s_C1R_L2_opencv(benchmark::State& state) {
    Frame<Rvl8u> f(1);
    cv::Mat src(kHeight, kWidth, CV_8UC1, f.ptr()), gx, gy, mag, angle;
    for (auto _ : state) {
        cv::Sobel(src, gx, CV_32F, 1, 0, 3, 1, 0, cv::BORDER_REPLICATE);
        cv::Sobel(src, gy, CV_32F, 0, 1, 3, 1, 0, cv::BORDER_REPLICATE);
        cv::magnitude(gx, gy, mag);
        cv::phase(gx, gy, angle);
        benchmark::ClobberMemory();
    }
    set_traffic(state, f.bytes() + 3 * 2 * f.bytes() + 4 * f.bytes());
}
RVL_BENCH_OPENCV(GradientVectorSobel_8u16s_C1R_L2);
#endif

}  // namespace
