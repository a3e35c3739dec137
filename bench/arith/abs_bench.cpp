// Absolute value beside cv::abs (saturating for 16s, like rvl).
#include "bench.hpp"
#include "rvl.h"

#ifdef RVL_BENCH_WITH_OPENCV
#include <opencv2/core.hpp>
#endif

namespace {

using namespace rvlbench;

template <class T, int Channels, RvlResult (*Fn)(const T*, int, T*, int, RvlSize)>
void abs_rvl(benchmark::State& state) {
    const std::size_t n = std::size_t(kWidth) * kHeight * Channels;
    auto src = random_frame<T>(n);
    std::vector<T> dst(n);
    const int step = kWidth * Channels * int(sizeof(T));
    for (auto _ : state) {
        Fn(src.data(), step, dst.data(), step, {kWidth, kHeight});
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * std::int64_t(n * sizeof(T)));
}

template <class T, int Channels, RvlResult (*Fn)(T*, int, RvlSize)>
void abs_inplace_rvl(benchmark::State& state) {
    const std::size_t n = std::size_t(kWidth) * kHeight * Channels;
    auto img = random_frame<T>(n);
    const int step = kWidth * Channels * int(sizeof(T));
    for (auto _ : state) {
        Fn(img.data(), step, {kWidth, kHeight});
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * std::int64_t(n * sizeof(T)));
}

void Abs_16s_C1R_rvl(benchmark::State& s) { abs_rvl<Rvl16s, 1, rvliAbs_16s_C1R>(s); }
void Abs_16s_C3R_rvl(benchmark::State& s) { abs_rvl<Rvl16s, 3, rvliAbs_16s_C3R>(s); }
void Abs_16s_AC4R_rvl(benchmark::State& s) { abs_rvl<Rvl16s, 4, rvliAbs_16s_AC4R>(s); }
void Abs_32f_C1R_rvl(benchmark::State& s) { abs_rvl<Rvl32f, 1, rvliAbs_32f_C1R>(s); }
void Abs_32f_C4R_rvl(benchmark::State& s) { abs_rvl<Rvl32f, 4, rvliAbs_32f_C4R>(s); }
void Abs_32f_AC4R_rvl(benchmark::State& s) { abs_rvl<Rvl32f, 4, rvliAbs_32f_AC4R>(s); }
void Abs_16s_C1IR_rvl(benchmark::State& s) { abs_inplace_rvl<Rvl16s, 1, rvliAbs_16s_C1IR>(s); }
RVL_BENCH(Abs_16s_C1R);
RVL_BENCH(Abs_16s_C3R);
RVL_BENCH(Abs_16s_AC4R);
RVL_BENCH(Abs_32f_C1R);
RVL_BENCH(Abs_32f_C4R);
RVL_BENCH(Abs_32f_AC4R);
RVL_BENCH(Abs_16s_C1IR);

#ifdef RVL_BENCH_WITH_OPENCV
template <class T, int Type>
void abs_opencv(benchmark::State& state) {
    const int channels = CV_MAT_CN(Type);
    const std::size_t n = std::size_t(kWidth) * kHeight * channels;
    auto data = random_frame<T>(n);
    cv::Mat src(kHeight, kWidth, Type, data.data()), dst(kHeight, kWidth, Type);
    for (auto _ : state) {
        dst = cv::abs(src);  // evaluated into the existing dst
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * std::int64_t(n * sizeof(T)));
}
void Abs_16s_C1R_opencv(benchmark::State& s) { abs_opencv<Rvl16s, CV_16SC1>(s); }
void Abs_16s_C3R_opencv(benchmark::State& s) { abs_opencv<Rvl16s, CV_16SC3>(s); }
void Abs_32f_C1R_opencv(benchmark::State& s) { abs_opencv<Rvl32f, CV_32FC1>(s); }
void Abs_32f_C4R_opencv(benchmark::State& s) { abs_opencv<Rvl32f, CV_32FC4>(s); }
void Abs_16s_C1IR_opencv(benchmark::State& state) {
    auto data = random_frame<Rvl16s>(std::size_t(kWidth) * kHeight);
    cv::Mat img(kHeight, kWidth, CV_16SC1, data.data());
    for (auto _ : state) {
        img = cv::abs(img);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * std::int64_t(data.size() * sizeof(Rvl16s)));
}
RVL_BENCH_OPENCV(Abs_16s_C1R);
RVL_BENCH_OPENCV(Abs_16s_C3R);
RVL_BENCH_OPENCV(Abs_32f_C1R);
RVL_BENCH_OPENCV(Abs_32f_C4R);
RVL_BENCH_OPENCV(Abs_16s_C1IR);
#endif

}  // namespace
