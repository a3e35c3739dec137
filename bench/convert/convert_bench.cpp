// Convert, Scale and ScaleC beside Mat::convertTo.
#include "bench.hpp"
#include "rvl.h"

#ifdef RVL_BENCH_WITH_OPENCV
#include <opencv2/core.hpp>
#endif

namespace {

using namespace rvlbench;
constexpr RvlSize kRoi{kWidth, kHeight};

// Runs call(src, srcStep, dst, dstStep) over a frame of S to a frame of D.
template <class S, class D, int C, class Call>
void run_rvl(benchmark::State& state, Call call) {
    Frame<S> src(C);
    if constexpr (std::is_floating_point_v<S>)
        for (auto& v : src.data) v = S(v * 0.2 + 100);  // mostly inside 0..255, some outside
    Frame<D> dst(C, 2);
    for (auto _ : state) {
        call(src.ptr(), src.step(), dst.ptr(), dst.step());
        benchmark::ClobberMemory();
    }
    set_traffic(state, src.bytes() + dst.bytes());
}

void Convert_8u32f_C1R_rvl(benchmark::State& s) {
    run_rvl<Rvl8u, Rvl32f, 1>(s, [](auto a, int as, auto b, int bs) { rvliConvert_8u32f_C1R(a, as, b, bs, kRoi); });
}
void Convert_8u32f_C3R_rvl(benchmark::State& s) {
    run_rvl<Rvl8u, Rvl32f, 3>(s, [](auto a, int as, auto b, int bs) { rvliConvert_8u32f_C3R(a, as, b, bs, kRoi); });
}
void Convert_32f8u_C1R_rvl(benchmark::State& s) {
    run_rvl<Rvl32f, Rvl8u, 1>(s, [](auto a, int as, auto b, int bs) {
        rvliConvert_32f8u_C1R(a, as, b, bs, kRoi, rvlRoundNearestEven);
    });
}
void Convert_16s8u_C1R_rvl(benchmark::State& s) {
    run_rvl<Rvl16s, Rvl8u, 1>(s, [](auto a, int as, auto b, int bs) { rvliConvert_16s8u_C1R(a, as, b, bs, kRoi); });
}
void Convert_8u16s_C1R_rvl(benchmark::State& s) {
    run_rvl<Rvl8u, Rvl16s, 1>(s, [](auto a, int as, auto b, int bs) { rvliConvert_8u16s_C1R(a, as, b, bs, kRoi); });
}
void Convert_32f16s_C1RSfs_rvl(benchmark::State& s) {
    run_rvl<Rvl32f, Rvl16s, 1>(s, [](auto a, int as, auto b, int bs) {
        rvliConvert_32f16s_C1RSfs(a, as, b, bs, kRoi, rvlRoundNearestEven, -2);
    });
}
void Scale_8u32f_C1R_rvl(benchmark::State& s) {
    run_rvl<Rvl8u, Rvl32f, 1>(s, [](auto a, int as, auto b, int bs) { rvliScale_8u32f_C1R(a, as, b, bs, kRoi, -1.0f, 1.0f); });
}
void Scale_32f8u_C1R_rvl(benchmark::State& s) {
    run_rvl<Rvl32f, Rvl8u, 1>(s, [](auto a, int as, auto b, int bs) { rvliScale_32f8u_C1R(a, as, b, bs, kRoi, 0.0f, 200.0f); });
}
void Scale_16s8u_C1R_rvl(benchmark::State& s) {
    run_rvl<Rvl16s, Rvl8u, 1>(s, [](auto a, int as, auto b, int bs) { rvliScale_16s8u_C1R(a, as, b, bs, kRoi, rvlHintFast); });
}
void ScaleC_8u32f_C1R_rvl(benchmark::State& s) {
    run_rvl<Rvl8u, Rvl32f, 1>(s, [](auto a, int as, auto b, int bs) {
        rvliScaleC_8u32f_C1R(a, as, 1.0 / 255, -0.5, b, bs, kRoi, rvlHintFast);
    });
}
void ScaleC_32f8u_C1R_rvl(benchmark::State& s) {
    run_rvl<Rvl32f, Rvl8u, 1>(s, [](auto a, int as, auto b, int bs) {
        rvliScaleC_32f8u_C1R(a, as, 1.5, 3.0, b, bs, kRoi, rvlHintFast);
    });
}
RVL_BENCH(Convert_8u32f_C1R);
RVL_BENCH(Convert_8u32f_C3R);
RVL_BENCH(Convert_32f8u_C1R);
RVL_BENCH(Convert_16s8u_C1R);
RVL_BENCH(Convert_8u16s_C1R);
RVL_BENCH(Convert_32f16s_C1RSfs);
RVL_BENCH(Scale_8u32f_C1R);
RVL_BENCH(Scale_32f8u_C1R);
RVL_BENCH(Scale_16s8u_C1R);
RVL_BENCH(ScaleC_8u32f_C1R);
RVL_BENCH(ScaleC_32f8u_C1R);

#ifdef RVL_BENCH_WITH_OPENCV
template <class S, int SrcType, int DstType>
void convert_opencv(benchmark::State& state, double alpha = 1.0, double beta = 0.0) {
    Frame<S> f(CV_MAT_CN(SrcType));
    if constexpr (std::is_floating_point_v<S>)
        for (auto& v : f.data) v = S(v * 0.2 + 100);
    cv::Mat src(kHeight, kWidth, SrcType, f.ptr()), dst(kHeight, kWidth, DstType);
    for (auto _ : state) {
        src.convertTo(dst, CV_MAT_DEPTH(DstType), alpha, beta);
        benchmark::ClobberMemory();
    }
    set_traffic(state, f.bytes() + std::int64_t(dst.total() * dst.elemSize()));
}
void Convert_8u32f_C1R_opencv(benchmark::State& s) { convert_opencv<Rvl8u, CV_8UC1, CV_32FC1>(s); }
void Convert_8u32f_C3R_opencv(benchmark::State& s) { convert_opencv<Rvl8u, CV_8UC3, CV_32FC3>(s); }
void Convert_32f8u_C1R_opencv(benchmark::State& s) { convert_opencv<Rvl32f, CV_32FC1, CV_8UC1>(s); }
void Convert_16s8u_C1R_opencv(benchmark::State& s) { convert_opencv<Rvl16s, CV_16SC1, CV_8UC1>(s); }
void Convert_8u16s_C1R_opencv(benchmark::State& s) { convert_opencv<Rvl8u, CV_8UC1, CV_16SC1>(s); }
void Convert_32f16s_C1RSfs_opencv(benchmark::State& s) { convert_opencv<Rvl32f, CV_32FC1, CV_16SC1>(s, 4.0); }
void Scale_8u32f_C1R_opencv(benchmark::State& s) { convert_opencv<Rvl8u, CV_8UC1, CV_32FC1>(s, 2.0 / 255, -1.0); }
void Scale_32f8u_C1R_opencv(benchmark::State& s) { convert_opencv<Rvl32f, CV_32FC1, CV_8UC1>(s, 255.0 / 200, 0.0); }
void Scale_16s8u_C1R_opencv(benchmark::State& s) { convert_opencv<Rvl16s, CV_16SC1, CV_8UC1>(s, 1.0 / 257, 128.0); }
void ScaleC_8u32f_C1R_opencv(benchmark::State& s) { convert_opencv<Rvl8u, CV_8UC1, CV_32FC1>(s, 1.0 / 255, -0.5); }
void ScaleC_32f8u_C1R_opencv(benchmark::State& s) { convert_opencv<Rvl32f, CV_32FC1, CV_8UC1>(s, 1.5, 3.0); }
RVL_BENCH_OPENCV(Convert_8u32f_C1R);
RVL_BENCH_OPENCV(Convert_8u32f_C3R);
RVL_BENCH_OPENCV(Convert_32f8u_C1R);
RVL_BENCH_OPENCV(Convert_16s8u_C1R);
RVL_BENCH_OPENCV(Convert_8u16s_C1R);
RVL_BENCH_OPENCV(Convert_32f16s_C1RSfs);
RVL_BENCH_OPENCV(Scale_8u32f_C1R);
RVL_BENCH_OPENCV(Scale_32f8u_C1R);
RVL_BENCH_OPENCV(Scale_16s8u_C1R);
RVL_BENCH_OPENCV(ScaleC_8u32f_C1R);
RVL_BENCH_OPENCV(ScaleC_32f8u_C1R);
#endif

}  // namespace
