// Add, Sub, Mul (f = 0) and Div beside cv::add, cv::subtract, cv::multiply
// and cv::divide.
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
    Frame<T> a(C, 1), b(C, 2), d(C, 3);
    if constexpr (std::is_integral_v<T>)
        for (auto& v : a.data) v = T(v | 1);  // no zero divisors
    for (auto _ : state) {
        call(a.ptr(), a.step(), b.ptr(), b.step(), d.ptr(), d.step());
        benchmark::ClobberMemory();
    }
    set_traffic(state, 3 * a.bytes());
}

#define RVLBENCH_SFS(name, fn, T, C)                                                                         \
    void name##_rvl(benchmark::State& s) {                                                                   \
        run_rvl<T, C>(s, [](auto a, int as, auto b, int bs, auto d, int ds) { fn(a, as, b, bs, d, ds, kRoi, 0); }); \
    }                                                                                                        \
    RVL_BENCH(name);
#define RVLBENCH_F(name, fn, C)                                                                           \
    void name##_rvl(benchmark::State& s) {                                                                \
        run_rvl<Rvl32f, C>(s, [](auto a, int as, auto b, int bs, auto d, int ds) { fn(a, as, b, bs, d, ds, kRoi); }); \
    }                                                                                                     \
    RVL_BENCH(name);

RVLBENCH_SFS(Add_8u_C1RSfs, rvliAdd_8u_C1RSfs, Rvl8u, 1)
RVLBENCH_SFS(Add_8u_C3RSfs, rvliAdd_8u_C3RSfs, Rvl8u, 3)
RVLBENCH_SFS(Add_16s_C1RSfs, rvliAdd_16s_C1RSfs, Rvl16s, 1)
RVLBENCH_F(Add_32f_C1R, rvliAdd_32f_C1R, 1)
RVLBENCH_F(Add_32f_C3R, rvliAdd_32f_C3R, 3)
RVLBENCH_SFS(Sub_8u_C1RSfs, rvliSub_8u_C1RSfs, Rvl8u, 1)
RVLBENCH_SFS(Sub_16s_C1RSfs, rvliSub_16s_C1RSfs, Rvl16s, 1)
RVLBENCH_F(Sub_32f_C1R, rvliSub_32f_C1R, 1)
RVLBENCH_SFS(Mul_8u_C1RSfs, rvliMul_8u_C1RSfs, Rvl8u, 1)
RVLBENCH_SFS(Mul_8u_C3RSfs, rvliMul_8u_C3RSfs, Rvl8u, 3)
RVLBENCH_SFS(Mul_16s_C1RSfs, rvliMul_16s_C1RSfs, Rvl16s, 1)
RVLBENCH_F(Mul_32f_C1R, rvliMul_32f_C1R, 1)
RVLBENCH_SFS(Div_8u_C1RSfs, rvliDiv_8u_C1RSfs, Rvl8u, 1)
RVLBENCH_F(Div_32f_C1R, rvliDiv_32f_C1R, 1)

void Add_8u_C1RSfs_f1_rvl(benchmark::State& s) {
    run_rvl<Rvl8u, 1>(s, [](auto a, int as, auto b, int bs, auto d, int ds) { rvliAdd_8u_C1RSfs(a, as, b, bs, d, ds, kRoi, 1); });
}
RVL_BENCH(Add_8u_C1RSfs_f1);

#ifdef RVL_BENCH_WITH_OPENCV
template <class T, int Type, class Op>
void run_opencv(benchmark::State& state, Op op) {
    // The same buffers as the library's run, so both meet the same alignment.
    Frame<T> fa(CV_MAT_CN(Type), 1), fb(CV_MAT_CN(Type), 2), fd(CV_MAT_CN(Type), 3);
    if constexpr (std::is_integral_v<T>)
        for (auto& v : fa.data) v = T(v | 1);
    cv::Mat a(kHeight, kWidth, Type, fa.ptr()), b(kHeight, kWidth, Type, fb.ptr()), d(kHeight, kWidth, Type, fd.ptr());
    for (auto _ : state) {
        op(a, b, d);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 3 * fa.bytes());
}
#define RVLBENCH_CV(name, T, Type, expr)                                                                    \
    void name##_opencv(benchmark::State& s) {                                                               \
        run_opencv<T, Type>(s, [](const cv::Mat& a, const cv::Mat& b, cv::Mat& d) { expr; });              \
    }                                                                                                       \
    RVL_BENCH_OPENCV(name);
RVLBENCH_CV(Add_8u_C1RSfs, Rvl8u, CV_8UC1, cv::add(a, b, d))
RVLBENCH_CV(Add_8u_C3RSfs, Rvl8u, CV_8UC3, cv::add(a, b, d))
RVLBENCH_CV(Add_16s_C1RSfs, Rvl16s, CV_16SC1, cv::add(a, b, d))
RVLBENCH_CV(Add_32f_C1R, Rvl32f, CV_32FC1, cv::add(a, b, d))
RVLBENCH_CV(Add_32f_C3R, Rvl32f, CV_32FC3, cv::add(a, b, d))
RVLBENCH_CV(Sub_8u_C1RSfs, Rvl8u, CV_8UC1, cv::subtract(b, a, d))
RVLBENCH_CV(Sub_16s_C1RSfs, Rvl16s, CV_16SC1, cv::subtract(b, a, d))
RVLBENCH_CV(Sub_32f_C1R, Rvl32f, CV_32FC1, cv::subtract(b, a, d))
RVLBENCH_CV(Mul_8u_C1RSfs, Rvl8u, CV_8UC1, cv::multiply(a, b, d))
RVLBENCH_CV(Mul_8u_C3RSfs, Rvl8u, CV_8UC3, cv::multiply(a, b, d))
RVLBENCH_CV(Mul_16s_C1RSfs, Rvl16s, CV_16SC1, cv::multiply(a, b, d))
RVLBENCH_CV(Mul_32f_C1R, Rvl32f, CV_32FC1, cv::multiply(a, b, d))
RVLBENCH_CV(Div_8u_C1RSfs, Rvl8u, CV_8UC1, cv::divide(b, a, d))
RVLBENCH_CV(Div_32f_C1R, Rvl32f, CV_32FC1, cv::divide(b, a, d))
RVLBENCH_CV(Add_8u_C1RSfs_f1, Rvl8u, CV_8UC1, cv::addWeighted(a, 0.5, b, 0.5, 0, d))
#endif

}  // namespace
