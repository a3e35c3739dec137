// A 16-pixel border around 1920x1080 beside cv::copyMakeBorder.
#include "bench.hpp"
#include "rvl.h"

#ifdef RVL_BENCH_WITH_OPENCV
#include <opencv2/core.hpp>
#endif

namespace {

using namespace rvlbench;
constexpr int kB = 16;
constexpr RvlSize kSrc{kWidth, kHeight}, kDst{kWidth + 2 * kB, kHeight + 2 * kB};

template <class T, int C, class Call>
void run_rvl(benchmark::State& state, Call call) {
    Frame<T> src(C);
    std::vector<T> dst(std::size_t(kDst.width) * kDst.height * C);
    const int dstStep = kDst.width * C * int(sizeof(T));
    for (auto _ : state) {
        call(src.ptr(), src.step(), dst.data(), dstStep);
        benchmark::ClobberMemory();
    }
    set_traffic(state, src.bytes() + std::int64_t(dst.size() * sizeof(T)));
}

void CopyReplicateBorder_8u_C1R_rvl(benchmark::State& s) {
    run_rvl<Rvl8u, 1>(s, [](auto a, int as, auto d, int ds) { rvliCopyReplicateBorder_8u_C1R(a, as, kSrc, d, ds, kDst, kB, kB); });
}
void CopyMirrorBorder_8u_C3R_rvl(benchmark::State& s) {
    run_rvl<Rvl8u, 3>(s, [](auto a, int as, auto d, int ds) { rvliCopyMirrorBorder_8u_C3R(a, as, kSrc, d, ds, kDst, kB, kB); });
}
void CopyConstBorder_32f_C1R_rvl(benchmark::State& s) {
    run_rvl<Rvl32f, 1>(s, [](auto a, int as, auto d, int ds) { rvliCopyConstBorder_32f_C1R(a, as, kSrc, d, ds, kDst, kB, kB, 0.5f); });
}
RVL_BENCH(CopyReplicateBorder_8u_C1R);
RVL_BENCH(CopyMirrorBorder_8u_C3R);
RVL_BENCH(CopyConstBorder_32f_C1R);

#ifdef RVL_BENCH_WITH_OPENCV
template <class T, int Type>
void border_opencv(benchmark::State& state, int kind) {
    Frame<T> f(CV_MAT_CN(Type));
    cv::Mat src(kHeight, kWidth, Type, f.ptr()), dst(kDst.height, kDst.width, Type);
    for (auto _ : state) {
        cv::copyMakeBorder(src, dst, kB, kB, kB, kB, kind, cv::Scalar::all(0.5));
        benchmark::ClobberMemory();
    }
    set_traffic(state, f.bytes() + std::int64_t(dst.total() * dst.elemSize()));
}
// Mirror here is reflection without repeating the edge: BORDER_REFLECT_101.
void CopyReplicateBorder_8u_C1R_opencv(benchmark::State& s) { border_opencv<Rvl8u, CV_8UC1>(s, cv::BORDER_REPLICATE); }
void CopyMirrorBorder_8u_C3R_opencv(benchmark::State& s) { border_opencv<Rvl8u, CV_8UC3>(s, cv::BORDER_REFLECT_101); }
void CopyConstBorder_32f_C1R_opencv(benchmark::State& s) { border_opencv<Rvl32f, CV_32FC1>(s, cv::BORDER_CONSTANT); }
RVL_BENCH_OPENCV(CopyReplicateBorder_8u_C1R);
RVL_BENCH_OPENCV(CopyMirrorBorder_8u_C3R);
RVL_BENCH_OPENCV(CopyConstBorder_32f_C1R);
#endif

}  // namespace
