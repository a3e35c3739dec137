// General filter with border beside cv::filter2D (replicated border, same
// kernel, single thread). 8u uses an integer kernel with a divisor that is
// not a power of two (OpenCV gets the same kernel divided out in float).
#include <vector>

#include "bench.hpp"
#include "rvl.h"

#ifdef RVL_BENCH_WITH_OPENCV
#include <opencv2/imgproc.hpp>
#endif

namespace {

using namespace rvlbench;
constexpr RvlSize kRoi{kWidth, kHeight};

// A smooth kernel with small integer weights 1..3 (larger in the middle).
std::vector<Rvl16s> integer_kernel(int n) {
    std::vector<Rvl16s> k(n * n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            const int di = i < n - 1 - i ? i : n - 1 - i, dj = j < n - 1 - j ? j : n - 1 - j;
            k[i * n + j] = static_cast<Rvl16s>(1 + (di + dj) * 2 / n);
        }
    return k;
}
int kernel_sum(const std::vector<Rvl16s>& k) {
    int s = 0;
    for (Rvl16s v : k) s += v;
    return s;
}

template <class T, int C, class Fn>
void run_rvl(benchmark::State& state, int n, Fn fn) {
    const std::vector<Rvl16s> k16 = integer_kernel(n);
    int specSize = 0, bufferSize = 0;
    const int dataType = sizeof(T) == 1 ? rvlType8u : rvlType32f;
    const int kernelType = sizeof(T) == 1 ? rvlType16s : rvlType32f;
    rvliFilterBorderGetSize({n, n}, kRoi, dataType, kernelType, C, &specSize, &bufferSize);
    std::vector<Rvl8u> spec(specSize), buffer(bufferSize);
    auto* sp = reinterpret_cast<RvlFilterSpec*>(spec.data());
    if constexpr (sizeof(T) == 1) {
        rvliFilterBorderInit_16s(k16.data(), {n, n}, kernel_sum(k16), rvlType8u, C, rvlRoundNearestEven, sp);
    } else {
        std::vector<Rvl32f> k(k16.begin(), k16.end());
        for (auto& v : k) v /= static_cast<float>(kernel_sum(k16));
        rvliFilterBorderInit_32f(k.data(), {n, n}, rvlType32f, C, rvlRoundNearestEven, sp);
    }
    Frame<T> src(C), dst(C, 2);
    const T value[4] = {};
    for (auto _ : state) {
        fn(src.ptr(), src.step(), dst.ptr(), dst.step(), kRoi, rvlBorderReplicate, value, sp, buffer.data());
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * src.bytes());
}

#define FILTER_RVL(T, C, n)                                                                         \
    void FilterBorder_##T##_C##C##R_##n##x##n##_rvl(benchmark::State& s) {                           \
        run_rvl<Rvl##T, C>(s, n, rvliFilterBorder_##T##_C##C##R);                                   \
    }                                                                                               \
    RVL_BENCH(FilterBorder_##T##_C##C##R_##n##x##n);
FILTER_RVL(8u, 1, 3)
FILTER_RVL(8u, 1, 5)
FILTER_RVL(8u, 1, 9)
FILTER_RVL(8u, 3, 3)
FILTER_RVL(8u, 3, 5)
FILTER_RVL(8u, 3, 9)
FILTER_RVL(32f, 1, 3)
FILTER_RVL(32f, 1, 5)
FILTER_RVL(32f, 1, 9)

#ifdef RVL_BENCH_WITH_OPENCV
template <class T, int Type>
void run_opencv(benchmark::State& state, int n) {
    const std::vector<Rvl16s> k16 = integer_kernel(n);
    cv::Mat kernel(n, n, CV_32F);
    for (int t = 0; t < n * n; ++t) kernel.at<float>(t / n, t % n) = k16[t] / static_cast<float>(kernel_sum(k16));
    Frame<T> f(CV_MAT_CN(Type));
    cv::Mat src(kHeight, kWidth, Type, f.ptr()), dst(kHeight, kWidth, Type);
    for (auto _ : state) {
        cv::filter2D(src, dst, -1, kernel, cv::Point(-1, -1), 0, cv::BORDER_REPLICATE);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * f.bytes());
}
#define FILTER_CV(T, C, n, Type)                                                                     \
    void FilterBorder_##T##_C##C##R_##n##x##n##_opencv(benchmark::State& s) { run_opencv<Rvl##T, Type>(s, n); } \
    RVL_BENCH_OPENCV(FilterBorder_##T##_C##C##R_##n##x##n);
FILTER_CV(8u, 1, 3, CV_8UC1)
FILTER_CV(8u, 1, 5, CV_8UC1)
FILTER_CV(8u, 1, 9, CV_8UC1)
FILTER_CV(8u, 3, 3, CV_8UC3)
FILTER_CV(8u, 3, 5, CV_8UC3)
FILTER_CV(8u, 3, 9, CV_8UC3)
FILTER_CV(32f, 1, 3, CV_32FC1)
FILTER_CV(32f, 1, 5, CV_32FC1)
FILTER_CV(32f, 1, 9, CV_32FC1)
#endif

}  // namespace
