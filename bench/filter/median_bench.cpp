// Median filters beside cv::medianBlur (replicated border, single thread):
// the 3x3 and 5x5 networks, the 15x15 running histogram (8u), a 5x5 16u
// network and a 3x3 32f network, and the cross and three-plane medians.
#include <vector>

#include "bench.hpp"
#include "rvl.h"

#ifdef RVL_BENCH_WITH_OPENCV
#include <opencv2/imgproc.hpp>
#endif

namespace {

using namespace rvlbench;
constexpr RvlSize kRoi{kWidth, kHeight};

template <class T>
constexpr int data_type() {
    return sizeof(T) == 1 ? rvlType8u : sizeof(T) == 2 ? rvlType16u : rvlType32f;
}

template <class T, class Fn>
void run_rvl(benchmark::State& state, int n, Fn fn) {
    int bytes = 0;
    rvliFilterMedianBorderGetBufferSize(kRoi, {n, n}, data_type<T>(), 1, &bytes);
    std::vector<Rvl8u> buffer(bytes);
    Frame<T> src(1), dst(1, 2);
    for (auto _ : state) {
        fn(src.ptr(), src.step(), dst.ptr(), dst.step(), kRoi, RvlSize{n, n}, rvlBorderReplicate, T{}, buffer.data());
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * src.bytes());
}

#define MEDIAN_RVL(T, n)                                                            \
    void FilterMedianBorder_##T##_C1R_##n##x##n##_rvl(benchmark::State& s) {       \
        run_rvl<Rvl##T>(s, n, rvliFilterMedianBorder_##T##_C1R);                    \
    }                                                                               \
    RVL_BENCH(FilterMedianBorder_##T##_C1R_##n##x##n);

MEDIAN_RVL(8u, 3)
MEDIAN_RVL(8u, 5)
MEDIAN_RVL(8u, 7)
MEDIAN_RVL(8u, 15)
MEDIAN_RVL(8u, 31)
MEDIAN_RVL(16u, 5)
MEDIAN_RVL(32f, 3)

void FilterMedianCross_8u_C1R_5x5_rvl(benchmark::State& state) {
    Frame<Rvl8u> src(1), dst(1, 2);
    const RvlSize roi{kWidth - 4, kHeight - 4};
    for (auto _ : state) {
        rvliFilterMedianCross_8u_C1R(src.ptr() + 2 * src.step() + 2, src.step(), dst.ptr(), dst.step(), roi, rvlMask5x5);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * src.bytes());
}
RVL_BENCH(FilterMedianCross_8u_C1R_5x5);

void Median_8u_P3C1R_rvl(benchmark::State& state) {
    Frame<Rvl8u> a(1, 1), b(1, 2), c(1, 3), dst(1, 4);
    const Rvl8u* planes[3] = {a.ptr(), b.ptr(), c.ptr()};
    for (auto _ : state) {
        rvliMedian_8u_P3C1R(planes, a.step(), dst.ptr(), dst.step(), kRoi);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 4 * a.bytes());
}
RVL_BENCH(Median_8u_P3C1R);

#ifdef RVL_BENCH_WITH_OPENCV
// cv::medianBlur replicates the border.
template <class T, int Type>
void run_opencv(benchmark::State& state, int n) {
    Frame<T> f(1);
    cv::Mat src(kHeight, kWidth, Type, f.ptr()), dst(kHeight, kWidth, Type);
    for (auto _ : state) {
        cv::medianBlur(src, dst, n);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * f.bytes());
}
#define MEDIAN_CV(T, n, Type)                                                     \
    void FilterMedianBorder_##T##_C1R_##n##x##n##_opencv(benchmark::State& s) {  \
        run_opencv<Rvl##T, Type>(s, n);                                           \
    }                                                                             \
    RVL_BENCH_OPENCV(FilterMedianBorder_##T##_C1R_##n##x##n);
MEDIAN_CV(8u, 3, CV_8UC1)
MEDIAN_CV(8u, 5, CV_8UC1)
MEDIAN_CV(8u, 7, CV_8UC1)
MEDIAN_CV(8u, 15, CV_8UC1)
MEDIAN_CV(8u, 31, CV_8UC1)
MEDIAN_CV(16u, 5, CV_16UC1)
MEDIAN_CV(32f, 3, CV_32FC1)

void Median_8u_P3C1R_opencv(benchmark::State& state) {
    Frame<Rvl8u> a(1, 1), b(1, 2), c(1, 3);
    cv::Mat pa(kHeight, kWidth, CV_8UC1, a.ptr()), pb(kHeight, kWidth, CV_8UC1, b.ptr()),
        pc(kHeight, kWidth, CV_8UC1, c.ptr()), dst(kHeight, kWidth, CV_8UC1), t(kHeight, kWidth, CV_8UC1);
    for (auto _ : state) {
        // median(a, b, c) = max(min(a, b), min(max(a, b), c))
        cv::min(pa, pb, dst);
        cv::max(pa, pb, t);
        cv::min(t, pc, t);
        cv::max(dst, t, dst);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 4 * a.bytes());
}
RVL_BENCH_OPENCV(Median_8u_P3C1R);
#endif

}  // namespace
