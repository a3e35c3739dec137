// Box filter, window sums and minimum/maximum filters beside cv::boxFilter,
// cv::dilate and cv::erode (replicated border, rectangular windows, single
// thread). The 3x3 / 31x31 pair of the box filter shows that the cost does
// not grow with the window.
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
    return sizeof(T) == 1 ? rvlType8u : rvlType32f;
}

template <class T, int C, class Query, class Fn>
void run_rvl(benchmark::State& state, int n, Query query, Fn fn) {
    int bytes = 0;
    query(kRoi, {n, n}, data_type<T>(), C, &bytes);
    std::vector<Rvl8u> buffer(bytes);
    Frame<T> src(C), dst(C, 2);
    for (auto _ : state) {
        fn(src.ptr(), src.step(), dst.ptr(), dst.step(), kRoi, RvlSize{n, n}, rvlBorderReplicate, buffer.data());
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * src.bytes());
}

#define EXTREME_RVL(Op, T, n)                                                                                   \
    void Filter##Op##Border_##T##_C1R_##n##x##n##_rvl(benchmark::State& s) {                                   \
        run_rvl<Rvl##T, 1>(s, n, rvliFilter##Op##BorderGetBufferSize,                                        \
                           [](const Rvl##T* a, int b, Rvl##T* c, int d, RvlSize e, RvlSize f, RvlBorderMode g,  \
                              Rvl8u* buf) { return rvliFilter##Op##Border_##T##_C1R(a, b, c, d, e, f, g, 0, buf); }); \
    }                                                                                                           \
    RVL_BENCH(Filter##Op##Border_##T##_C1R_##n##x##n);

// The box filter takes its buffer last, after the (unused) border values.
template <class T>
RvlResult box_call(RvlResult (*fn)(const T*, int, T*, int, RvlSize, RvlSize, RvlBorderMode, const T*, Rvl8u*),
                   const T* a, int b, T* c, int d, RvlSize e, RvlSize f, RvlBorderMode g, Rvl8u* buf) {
    return fn(a, b, c, d, e, f, g, nullptr, buf);
}
#define BOX_RVL(T, C, n)                                                                                        \
    void FilterBoxBorder_##T##_C##C##R_##n##x##n##_rvl(benchmark::State& s) {                                  \
        run_rvl<Rvl##T, C>(s, n, rvliFilterBoxBorderGetBufferSize,                                            \
                           [](const Rvl##T* a, int b, Rvl##T* c, int d, RvlSize e, RvlSize f, RvlBorderMode g,  \
                              Rvl8u* buf) { return box_call(rvliFilterBoxBorder_##T##_C##C##R, a, b, c, d, e, f, g, buf); }); \
    }                                                                                                           \
    RVL_BENCH(FilterBoxBorder_##T##_C##C##R_##n##x##n);

BOX_RVL(8u, 1, 3)
BOX_RVL(8u, 1, 5)
BOX_RVL(8u, 1, 31)
BOX_RVL(8u, 3, 5)
BOX_RVL(32f, 1, 5)
BOX_RVL(32f, 1, 31)
EXTREME_RVL(Max, 8u, 3)
EXTREME_RVL(Max, 8u, 15)
EXTREME_RVL(Min, 8u, 3)
EXTREME_RVL(Min, 8u, 15)
EXTREME_RVL(Max, 32f, 3)

void SumWindow_8u32s_C1R_5x5_rvl(benchmark::State& state) {
    int bytes = 0;
    rvliSumWindowGetBufferSize(kRoi, {5, 5}, rvlType8u, 1, &bytes);
    std::vector<Rvl8u> buffer(bytes);
    Frame<Rvl8u> src(1);
    std::vector<Rvl32s> dst(std::size_t(kWidth) * kHeight);
    for (auto _ : state) {
        rvliSumWindow_8u32s_C1R(src.ptr(), src.step(), dst.data(), kWidth * 4, kRoi, {5, 5}, rvlBorderReplicate, nullptr,
                                buffer.data());
        benchmark::ClobberMemory();
    }
    set_traffic(state, 5 * src.bytes());
}
RVL_BENCH(SumWindow_8u32s_C1R_5x5);

#ifdef RVL_BENCH_WITH_OPENCV
template <class T, int Type, class Op>
void run_opencv(benchmark::State& state, Op op) {
    Frame<T> f(CV_MAT_CN(Type));
    cv::Mat src(kHeight, kWidth, Type, f.ptr()), dst(kHeight, kWidth, Type);
    for (auto _ : state) {
        op(src, dst);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * f.bytes());
}
#define BOX_CV(T, C, n, Type)                                                                                   \
    void FilterBoxBorder_##T##_C##C##R_##n##x##n##_opencv(benchmark::State& s) {                               \
        run_opencv<Rvl##T, Type>(s, [](const cv::Mat& a, cv::Mat& b) {                                         \
            cv::boxFilter(a, b, -1, cv::Size(n, n), cv::Point(-1, -1), true, cv::BORDER_REPLICATE);            \
        });                                                                                                     \
    }                                                                                                           \
    RVL_BENCH_OPENCV(FilterBoxBorder_##T##_C##C##R_##n##x##n);
#define EXTREME_CV(Op, cvop, T, n, Type)                                                                        \
    void Filter##Op##Border_##T##_C1R_##n##x##n##_opencv(benchmark::State& s) {                                \
        run_opencv<Rvl##T, Type>(s, [](const cv::Mat& a, cv::Mat& b) {                                         \
            cv::cvop(a, b, cv::getStructuringElement(cv::MORPH_RECT, cv::Size(n, n)), cv::Point(-1, -1), 1,   \
                     cv::BORDER_REPLICATE);                                                                     \
        });                                                                                                     \
    }                                                                                                           \
    RVL_BENCH_OPENCV(Filter##Op##Border_##T##_C1R_##n##x##n);
BOX_CV(8u, 1, 3, CV_8UC1)
BOX_CV(8u, 1, 5, CV_8UC1)
BOX_CV(8u, 1, 31, CV_8UC1)
BOX_CV(8u, 3, 5, CV_8UC3)
BOX_CV(32f, 1, 5, CV_32FC1)
BOX_CV(32f, 1, 31, CV_32FC1)
EXTREME_CV(Max, dilate, 8u, 3, CV_8UC1)
EXTREME_CV(Max, dilate, 8u, 15, CV_8UC1)
EXTREME_CV(Min, erode, 8u, 3, CV_8UC1)
EXTREME_CV(Min, erode, 8u, 15, CV_8UC1)
EXTREME_CV(Max, dilate, 32f, 3, CV_32FC1)

void SumWindow_8u32s_C1R_5x5_opencv(benchmark::State& state) {
    Frame<Rvl8u> f(1);
    cv::Mat src(kHeight, kWidth, CV_8UC1, f.ptr()), dst(kHeight, kWidth, CV_32SC1);
    for (auto _ : state) {
        cv::boxFilter(src, dst, CV_32S, cv::Size(5, 5), cv::Point(-1, -1), false, cv::BORDER_REPLICATE);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 5 * f.bytes());
}
RVL_BENCH_OPENCV(SumWindow_8u32s_C1R_5x5);
#endif

}  // namespace
