// Sqr, Sqrt, Exp, Ln, the bitwise logic and the constant shifts beside
// cv::multiply, cv::sqrt, cv::exp, cv::log and cv::bitwise_*, and beside
// memcpy of the same bytes (base).

#include "bench.hpp"
#include "rvl.h"

#ifdef RVL_BENCH_WITH_OPENCV
#include <opencv2/core.hpp>
#endif

namespace {

using namespace rvlbench;
constexpr RvlSize kRoi{kWidth, kHeight};

// One source, one destination; data made valid for the operation first.
template <class T, int C, class Prep, class Call>
void one_source(benchmark::State& state, Prep prep, Call call) {
    Frame<T> s(C, 1), d(C, 2);
    for (auto& v : s.data) v = prep(v);
    for (auto _ : state) {
        call(s.ptr(), s.step(), d.ptr(), d.step());
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * s.bytes());
}

auto same = [](auto v) { return v; };
auto positive = [](auto v) { return v < 0 ? -v : v; };
auto exp_range = [](Rvl32f v) { return v / 20.0f; };  // within [-50, 50]
auto small = [](Rvl16s v) { return Rvl16s(v % 12); };

#define RVLBENCH_1(name, T, C, prep, ...)                                                             \
    void name##_rvl(benchmark::State& st) {                                                          \
        one_source<T, C>(st, prep, [](const T* s, int ss, T* d, int ds) { __VA_ARGS__; });            \
    }                                                                                                \
    RVL_BENCH(name);

RVLBENCH_1(Sqr_8u_C1RSfs, Rvl8u, 1, same, rvliSqr_8u_C1RSfs(s, ss, d, ds, kRoi, 1))
RVLBENCH_1(Sqr_16s_C1RSfs, Rvl16s, 1, same, rvliSqr_16s_C1RSfs(s, ss, d, ds, kRoi, 8))
RVLBENCH_1(Sqr_32f_C1R, Rvl32f, 1, same, rvliSqr_32f_C1R(s, ss, d, ds, kRoi))
RVLBENCH_1(Sqrt_8u_C1RSfs, Rvl8u, 1, same, rvliSqrt_8u_C1RSfs(s, ss, d, ds, kRoi, 0))
RVLBENCH_1(Sqrt_16u_C1RSfs, Rvl16u, 1, same, rvliSqrt_16u_C1RSfs(s, ss, d, ds, kRoi, 0))
RVLBENCH_1(Sqrt_16s_C1RSfs_neg, Rvl16s, 1, same, rvliSqrt_16s_C1RSfs(s, ss, d, ds, kRoi, -2))
RVLBENCH_1(Sqrt_32f_C1R, Rvl32f, 1, positive, rvliSqrt_32f_C1R(s, ss, d, ds, kRoi))
RVLBENCH_1(Sqrt_32f_C3R, Rvl32f, 3, positive, rvliSqrt_32f_C3R(s, ss, d, ds, kRoi))
RVLBENCH_1(Exp_32f_C1R, Rvl32f, 1, exp_range, rvliExp_32f_C1R(s, ss, d, ds, kRoi))
RVLBENCH_1(Exp_16s_C1RSfs, Rvl16s, 1, small, rvliExp_16s_C1RSfs(s, ss, d, ds, kRoi, 0))
RVLBENCH_1(Exp_8u_C3RSfs, Rvl8u, 3, same, rvliExp_8u_C3RSfs(s, ss, d, ds, kRoi, 2))
RVLBENCH_1(Ln_32f_C1R, Rvl32f, 1, positive, rvliLn_32f_C1R(s, ss, d, ds, kRoi))
RVLBENCH_1(Ln_16u_C1RSfs, Rvl16u, 1, same, rvliLn_16u_C1RSfs(s, ss, d, ds, kRoi, -10))
RVLBENCH_1(Ln_8u_C1RSfs, Rvl8u, 1, same, rvliLn_8u_C1RSfs(s, ss, d, ds, kRoi, -4))
RVLBENCH_1(Not_8u_C1R, Rvl8u, 1, same, rvliNot_8u_C1R(s, ss, d, ds, kRoi))
RVLBENCH_1(AndC_8u_C3R, Rvl8u, 3, same, { const Rvl8u v[3] = {0x3C, 0xF0, 0x0F}; rvliAndC_8u_C3R(s, ss, v, d, ds, kRoi); })
RVLBENCH_1(XorC_32s_C1R, Rvl32s, 1, same, rvliXorC_32s_C1R(s, ss, 0x5A5A5A5A, d, ds, kRoi))
RVLBENCH_1(LShiftC_16u_C1R, Rvl16u, 1, same, rvliLShiftC_16u_C1R(s, ss, 3, d, ds, kRoi))
RVLBENCH_1(RShiftC_8u_C1R, Rvl8u, 1, same, rvliRShiftC_8u_C1R(s, ss, 3, d, ds, kRoi))
RVLBENCH_1(RShiftC_16s_C3R_mixed, Rvl16s, 3, same, { const Rvl32u n[3] = {1, 4, 9}; rvliRShiftC_16s_C3R(s, ss, n, d, ds, kRoi); })
RVLBENCH_1(AndC_8u_AC4R, Rvl8u, 4, same, { const Rvl8u v[3] = {0x3C, 0xF0, 0x0F}; rvliAndC_8u_AC4R(s, ss, v, d, ds, kRoi); })

void And_8u_C1R_rvl(benchmark::State& state) {
    Frame<Rvl8u> a(1, 1), b(1, 2), d(1, 3);
    for (auto _ : state) {
        rvliAnd_8u_C1R(a.ptr(), a.step(), b.ptr(), b.step(), d.ptr(), d.step(), kRoi);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 3 * a.bytes());
}
RVL_BENCH(And_8u_C1R);

// memcpy of the same bytes: the bound of the memory-bound members.
void Not_8u_C1R_base(benchmark::State& s) { copy_base<Rvl8u, 1>(s); }
void AndC_8u_C3R_base(benchmark::State& s) { copy_base<Rvl8u, 3>(s); }
void XorC_32s_C1R_base(benchmark::State& s) { copy_base<Rvl32s, 1>(s); }
void LShiftC_16u_C1R_base(benchmark::State& s) { copy_base<Rvl16u, 1>(s); }
void RShiftC_8u_C1R_base(benchmark::State& s) { copy_base<Rvl8u, 1>(s); }
void RShiftC_16s_C3R_mixed_base(benchmark::State& s) { copy_base<Rvl16s, 3>(s); }
void Sqr_8u_C1RSfs_base(benchmark::State& s) { copy_base<Rvl8u, 1>(s); }
RVL_BENCH_BASE(Not_8u_C1R);
RVL_BENCH_BASE(AndC_8u_C3R);
RVL_BENCH_BASE(XorC_32s_C1R);
RVL_BENCH_BASE(LShiftC_16u_C1R);
RVL_BENCH_BASE(RShiftC_8u_C1R);
RVL_BENCH_BASE(RShiftC_16s_C3R_mixed);
RVL_BENCH_BASE(Sqr_8u_C1RSfs);

#ifdef RVL_BENCH_WITH_OPENCV
template <class T, int Type, class Prep, class Op>
void one_source_cv(benchmark::State& state, Prep prep, Op op) {
    Frame<T> s(CV_MAT_CN(Type), 1), d(CV_MAT_CN(Type), 2);
    for (auto& v : s.data) v = prep(v);
    cv::Mat src(kHeight, kWidth, Type, s.ptr()), dst(kHeight, kWidth, Type, d.ptr());
    for (auto _ : state) {
        op(src, dst);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * s.bytes());
}

#define RVLBENCH_CV(name, T, Type, prep, ...)                                                        \
    void name##_opencv(benchmark::State& st) {                                                      \
        one_source_cv<T, Type>(st, prep, [](const cv::Mat& s, cv::Mat& d) { __VA_ARGS__; });         \
    }                                                                                               \
    RVL_BENCH_OPENCV(name);

RVLBENCH_CV(Sqr_8u_C1RSfs, Rvl8u, CV_8UC1, same, cv::multiply(s, s, d, 0.5))
RVLBENCH_CV(Sqr_16s_C1RSfs, Rvl16s, CV_16SC1, same, cv::multiply(s, s, d, 1.0 / 256))
RVLBENCH_CV(Sqr_32f_C1R, Rvl32f, CV_32FC1, same, cv::multiply(s, s, d))
RVLBENCH_CV(Sqrt_32f_C1R, Rvl32f, CV_32FC1, positive, cv::sqrt(s, d))
RVLBENCH_CV(Sqrt_32f_C3R, Rvl32f, CV_32FC3, positive, cv::sqrt(s, d))
RVLBENCH_CV(Exp_32f_C1R, Rvl32f, CV_32FC1, exp_range, cv::exp(s, d))
RVLBENCH_CV(Ln_32f_C1R, Rvl32f, CV_32FC1, positive, cv::log(s, d))
RVLBENCH_CV(Not_8u_C1R, Rvl8u, CV_8UC1, same, cv::bitwise_not(s, d))
RVLBENCH_CV(AndC_8u_C3R, Rvl8u, CV_8UC3, same, cv::bitwise_and(s, cv::Scalar(0x3C, 0xF0, 0x0F), d))
RVLBENCH_CV(XorC_32s_C1R, Rvl32s, CV_32SC1, same, cv::bitwise_xor(s, cv::Scalar(0x5A5A5A5A), d))

void And_8u_C1R_opencv(benchmark::State& state) {
    Frame<Rvl8u> a(1, 1), b(1, 2), d(1, 3);
    cv::Mat ma(kHeight, kWidth, CV_8UC1, a.ptr()), mb(kHeight, kWidth, CV_8UC1, b.ptr()), md(kHeight, kWidth, CV_8UC1, d.ptr());
    for (auto _ : state) {
        cv::bitwise_and(ma, mb, md);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 3 * a.bytes());
}
RVL_BENCH_OPENCV(And_8u_C1R);
#endif

}  // namespace
