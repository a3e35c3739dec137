// Thresholds beside cv::threshold (THRESH_TRUNC for GT, THRESH_TOZERO for an
// LTVal with value 0).
#include "bench.hpp"
#include "rvl.h"

#ifdef RVL_BENCH_WITH_OPENCV
#include <opencv2/imgproc.hpp>
#endif

namespace {

using namespace rvlbench;
constexpr RvlSize kRoi{kWidth, kHeight};

template <class T, int C, class Call>
void run_rvl(benchmark::State& state, Call call) {
    Frame<T> src(C), dst(C, 2);
    for (auto _ : state) {
        call(src.ptr(), src.step(), dst.ptr(), dst.step());
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * src.bytes());
}

void Threshold_GT_8u_C1R_rvl(benchmark::State& s) {
    run_rvl<Rvl8u, 1>(s, [](auto a, int as, auto b, int bs) { rvliThreshold_GT_8u_C1R(a, as, b, bs, kRoi, 100); });
}
void Threshold_LTVal_8u_C3R_rvl(benchmark::State& s) {
    const Rvl8u t[3] = {100, 100, 100}, v[3] = {0, 0, 0};
    run_rvl<Rvl8u, 3>(s, [&](auto a, int as, auto b, int bs) { rvliThreshold_LTVal_8u_C3R(a, as, b, bs, kRoi, t, v); });
}
void Threshold_GT_32f_C1R_rvl(benchmark::State& s) {
    run_rvl<Rvl32f, 1>(s, [](auto a, int as, auto b, int bs) { rvliThreshold_GT_32f_C1R(a, as, b, bs, kRoi, 100.0f); });
}
void Threshold_LTValGTVal_16s_C1R_rvl(benchmark::State& s) {
    run_rvl<Rvl16s, 1>(s, [](auto a, int as, auto b, int bs) {
        rvliThreshold_LTValGTVal_16s_C1R(a, as, b, bs, kRoi, -1000, -1, 1000, 1);
    });
}
void Threshold_GT_8u_C1IR_rvl(benchmark::State& state) {
    Frame<Rvl8u> img(1);
    for (auto _ : state) {
        rvliThreshold_GT_8u_C1IR(img.ptr(), img.step(), kRoi, 100);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * img.bytes());
}
RVL_BENCH(Threshold_GT_8u_C1R);
RVL_BENCH(Threshold_LTVal_8u_C3R);
RVL_BENCH(Threshold_GT_32f_C1R);
RVL_BENCH(Threshold_LTValGTVal_16s_C1R);
RVL_BENCH(Threshold_GT_8u_C1IR);

#ifdef RVL_BENCH_WITH_OPENCV
template <class T, int Type>
void threshold_opencv(benchmark::State& state, double t, int kind) {
    Frame<T> f(CV_MAT_CN(Type));
    cv::Mat src(kHeight, kWidth, Type, f.ptr()), dst(kHeight, kWidth, Type);
    for (auto _ : state) {
        cv::threshold(src, dst, t, 0, kind);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * f.bytes());
}
void Threshold_GT_8u_C1R_opencv(benchmark::State& s) { threshold_opencv<Rvl8u, CV_8UC1>(s, 100, cv::THRESH_TRUNC); }
void Threshold_LTVal_8u_C3R_opencv(benchmark::State& s) { threshold_opencv<Rvl8u, CV_8UC3>(s, 99, cv::THRESH_TOZERO); }
void Threshold_GT_32f_C1R_opencv(benchmark::State& s) { threshold_opencv<Rvl32f, CV_32FC1>(s, 100, cv::THRESH_TRUNC); }
void Threshold_GT_8u_C1IR_opencv(benchmark::State& state) {
    Frame<Rvl8u> f(1);
    cv::Mat img(kHeight, kWidth, CV_8UC1, f.ptr());
    for (auto _ : state) {
        cv::threshold(img, img, 100, 0, cv::THRESH_TRUNC);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * f.bytes());
}
RVL_BENCH_OPENCV(Threshold_GT_8u_C1R);
RVL_BENCH_OPENCV(Threshold_LTVal_8u_C3R);
RVL_BENCH_OPENCV(Threshold_GT_32f_C1R);
RVL_BENCH_OPENCV(Threshold_GT_8u_C1IR);
#endif

}  // namespace
