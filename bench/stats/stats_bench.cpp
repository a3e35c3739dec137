// Reductions beside cv::sum, cv::mean, cv::minMaxLoc and cv::norm.
#include <immintrin.h>

#include <cstring>

#include "bench.hpp"
#include "rvl.h"

#ifdef RVL_BENCH_WITH_OPENCV
#include <opencv2/core.hpp>
#endif

namespace {

using namespace rvlbench;
constexpr RvlSize kRoi{kWidth, kHeight};

template <class T, int C, class Call>
void run_rvl(benchmark::State& state, Call call) {
    Frame<T> a(C, 1), b(C, 2);
    if constexpr (std::is_floating_point_v<T>)
        for (auto& v : a.data) v = T(v * 0.001);
    for (auto _ : state) {
        call(a.ptr(), a.step(), b.ptr(), b.step());
        benchmark::ClobberMemory();
    }
    set_traffic(state, a.bytes());
}

#define RVLBENCH_STAT(name, T, C, body)                                                                         \
    void name##_rvl(benchmark::State& s) {                                                                      \
        run_rvl<T, C>(s, [](auto a, int as, [[maybe_unused]] auto b, [[maybe_unused]] int bs) {                 \
            Rvl64f r[4];                                                                                        \
            T m[4], n[4];                                                                                       \
            int x[4], y[4];                                                                                     \
            (void)r, (void)m, (void)n, (void)x, (void)y;                                                        \
            body;                                                                                               \
        });                                                                                                     \
    }                                                                                                           \
    RVL_BENCH(name);

RVLBENCH_STAT(Sum_8u_C1R, Rvl8u, 1, rvliSum_8u_C1R(a, as, kRoi, r))
RVLBENCH_STAT(Sum_8u_C3R, Rvl8u, 3, rvliSum_8u_C3R(a, as, kRoi, r))
RVLBENCH_STAT(Sum_32f_C1R, Rvl32f, 1, rvliSum_32f_C1R(a, as, kRoi, r, rvlHintFast))
RVLBENCH_STAT(Mean_8u_C1R, Rvl8u, 1, rvliMean_8u_C1R(a, as, kRoi, r))
RVLBENCH_STAT(Mean_32f_C1R, Rvl32f, 1, rvliMean_32f_C1R(a, as, kRoi, r, rvlHintFast))
RVLBENCH_STAT(MinMax_8u_C1R, Rvl8u, 1, rvliMinMax_8u_C1R(a, as, kRoi, m, n))
RVLBENCH_STAT(MinMax_8u_C3R, Rvl8u, 3, rvliMinMax_8u_C3R(a, as, kRoi, m, n))
RVLBENCH_STAT(MinMax_32f_C1R, Rvl32f, 1, rvliMinMax_32f_C1R(a, as, kRoi, m, n))
RVLBENCH_STAT(MaxIndx_8u_C1R, Rvl8u, 1, rvliMaxIndx_8u_C1R(a, as, kRoi, m, x, y))
RVLBENCH_STAT(MinIndx_32f_C1R, Rvl32f, 1, rvliMinIndx_32f_C1R(a, as, kRoi, m, x, y))
RVLBENCH_STAT(Norm_Inf_8u_C1R, Rvl8u, 1, rvliNorm_Inf_8u_C1R(a, as, kRoi, r))
RVLBENCH_STAT(Norm_L1_8u_C1R, Rvl8u, 1, rvliNorm_L1_8u_C1R(a, as, kRoi, r))
RVLBENCH_STAT(Norm_L2_8u_C1R, Rvl8u, 1, rvliNorm_L2_8u_C1R(a, as, kRoi, r))
RVLBENCH_STAT(Norm_L2_8u_C3R, Rvl8u, 3, rvliNorm_L2_8u_C3R(a, as, kRoi, r))
RVLBENCH_STAT(Norm_Inf_32f_C1R, Rvl32f, 1, rvliNorm_Inf_32f_C1R(a, as, kRoi, r))
RVLBENCH_STAT(Norm_L1_32f_C1R, Rvl32f, 1, rvliNorm_L1_32f_C1R(a, as, kRoi, r, rvlHintFast))
RVLBENCH_STAT(Norm_L2_32f_C1R, Rvl32f, 1, rvliNorm_L2_32f_C1R(a, as, kRoi, r, rvlHintFast))
RVLBENCH_STAT(NormDiff_L2_8u_C1R, Rvl8u, 1, rvliNormDiff_L2_8u_C1R(a, as, b, bs, kRoi, r))
RVLBENCH_STAT(NormDiff_L2_32f_C1R, Rvl32f, 1, rvliNormDiff_L2_32f_C1R(a, as, b, bs, kRoi, r, rvlHintFast))

// The read-only pass the byte reductions are measured against: every byte of
// the frame read once in the widest registers the processor has, four
// accumulators (or-ed, so the pass costs nothing but the reads).
__attribute__((target("avx512f"))) long long read_pass_512(const unsigned char* p, std::size_t n) {
    __m512i a = _mm512_setzero_si512(), b = a, c = a, d = a;
    std::size_t i = 0;
    for (; i + 256 <= n; i += 256) {
        a = _mm512_or_si512(a, _mm512_loadu_si512(p + i));
        b = _mm512_or_si512(b, _mm512_loadu_si512(p + i + 64));
        c = _mm512_or_si512(c, _mm512_loadu_si512(p + i + 128));
        d = _mm512_or_si512(d, _mm512_loadu_si512(p + i + 192));
    }
    alignas(64) long long lanes[8];
    _mm512_store_si512(lanes, _mm512_or_si512(_mm512_or_si512(a, b), _mm512_or_si512(c, d)));
    long long r = 0;
    for (long long v : lanes) r |= v;
    for (; i < n; ++i) r |= p[i];
    return r;
}
__attribute__((target("avx2"))) long long read_pass_256(const unsigned char* p, std::size_t n) {
    __m256i a = _mm256_setzero_si256(), b = a, c = a, d = a;
    std::size_t i = 0;
    for (; i + 128 <= n; i += 128) {
        a = _mm256_or_si256(a, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i)));
        b = _mm256_or_si256(b, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i + 32)));
        c = _mm256_or_si256(c, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i + 64)));
        d = _mm256_or_si256(d, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i + 96)));
    }
    const __m256i o = _mm256_or_si256(_mm256_or_si256(a, b), _mm256_or_si256(c, d));
    long long r = _mm256_extract_epi64(o, 0) | _mm256_extract_epi64(o, 1) | _mm256_extract_epi64(o, 2) | _mm256_extract_epi64(o, 3);
    for (; i < n; ++i) r |= p[i];
    return r;
}

void read_pass(benchmark::State& state) {
    Frame<Rvl8u> a(1, 1);
    const bool wide = __builtin_cpu_supports("avx512f");
    for (auto _ : state) {
        long long r = wide ? read_pass_512(a.ptr(), a.data.size()) : read_pass_256(a.ptr(), a.data.size());
        benchmark::DoNotOptimize(r);
    }
    set_traffic(state, a.bytes());
}
void Sum_8u_C1R_base(benchmark::State& s) { read_pass(s); }
void MinMax_8u_C1R_base(benchmark::State& s) { read_pass(s); }
void Norm_L2_8u_C1R_base(benchmark::State& s) { read_pass(s); }
RVL_BENCH_BASE(Sum_8u_C1R);
RVL_BENCH_BASE(MinMax_8u_C1R);
RVL_BENCH_BASE(Norm_L2_8u_C1R);

#ifdef RVL_BENCH_WITH_OPENCV
template <class T, int Type, class Op>
void run_opencv(benchmark::State& state, Op op) {
    Frame<T> fa(CV_MAT_CN(Type), 1), fb(CV_MAT_CN(Type), 2);
    if constexpr (std::is_floating_point_v<T>)
        for (auto& v : fa.data) v = T(v * 0.001);
    cv::Mat a(kHeight, kWidth, Type, fa.ptr()), b(kHeight, kWidth, Type, fb.ptr());
    for (auto _ : state) {
        op(a, b);
        benchmark::ClobberMemory();
    }
    set_traffic(state, fa.bytes());
}
#define RVLBENCH_CV(name, T, Type, expr)                                                                             \
    void name##_opencv(benchmark::State& s) {                                                                        \
        run_opencv<T, Type>(s, [](const cv::Mat& a, [[maybe_unused]] const cv::Mat& b) { benchmark::DoNotOptimize(expr); }); \
    }                                                                                                                \
    RVL_BENCH_OPENCV(name);
double minmax_loc(const cv::Mat& a) {
    double lo, hi;
    cv::Point pl, ph;
    cv::minMaxLoc(a, &lo, &hi, &pl, &ph);
    return lo + hi + pl.x + ph.y;
}
double minmax_3(const cv::Mat& a) {
    double lo, hi;
    cv::minMaxIdx(a.reshape(1), &lo, &hi);  // per-channel extrema are not offered; the whole buffer
    return lo + hi;
}
RVLBENCH_CV(Sum_8u_C1R, Rvl8u, CV_8UC1, cv::sum(a))
RVLBENCH_CV(Sum_8u_C3R, Rvl8u, CV_8UC3, cv::sum(a))
RVLBENCH_CV(Sum_32f_C1R, Rvl32f, CV_32FC1, cv::sum(a))
RVLBENCH_CV(Mean_8u_C1R, Rvl8u, CV_8UC1, cv::mean(a))
RVLBENCH_CV(Mean_32f_C1R, Rvl32f, CV_32FC1, cv::mean(a))
RVLBENCH_CV(MinMax_8u_C1R, Rvl8u, CV_8UC1, minmax_loc(a))
RVLBENCH_CV(MinMax_8u_C3R, Rvl8u, CV_8UC3, minmax_3(a))
RVLBENCH_CV(MinMax_32f_C1R, Rvl32f, CV_32FC1, minmax_loc(a))
RVLBENCH_CV(MaxIndx_8u_C1R, Rvl8u, CV_8UC1, minmax_loc(a))
RVLBENCH_CV(MinIndx_32f_C1R, Rvl32f, CV_32FC1, minmax_loc(a))
RVLBENCH_CV(Norm_Inf_8u_C1R, Rvl8u, CV_8UC1, cv::norm(a, cv::NORM_INF))
RVLBENCH_CV(Norm_L1_8u_C1R, Rvl8u, CV_8UC1, cv::norm(a, cv::NORM_L1))
RVLBENCH_CV(Norm_L2_8u_C1R, Rvl8u, CV_8UC1, cv::norm(a, cv::NORM_L2))
RVLBENCH_CV(Norm_L2_8u_C3R, Rvl8u, CV_8UC3, cv::norm(a, cv::NORM_L2))
RVLBENCH_CV(Norm_Inf_32f_C1R, Rvl32f, CV_32FC1, cv::norm(a, cv::NORM_INF))
RVLBENCH_CV(Norm_L1_32f_C1R, Rvl32f, CV_32FC1, cv::norm(a, cv::NORM_L1))
RVLBENCH_CV(Norm_L2_32f_C1R, Rvl32f, CV_32FC1, cv::norm(a, cv::NORM_L2))
RVLBENCH_CV(NormDiff_L2_8u_C1R, Rvl8u, CV_8UC1, cv::norm(a, b, cv::NORM_L2))
RVLBENCH_CV(NormDiff_L2_32f_C1R, Rvl32f, CV_32FC1, cv::norm(a, b, cv::NORM_L2))
#endif

}  // namespace
