// What the resize benchmarks share: timing a worker over the whole frame
// with a built specification, and cv::resize of the same frame.
#pragma once

#include <vector>

#include "bench.hpp"
#include "rvl.h"

#ifdef RVL_BENCH_WITH_OPENCV
#include <opencv2/imgproc.hpp>
#endif

namespace rvlbench {

// Times fn(src, srcStep, dst, dstStep, spec, buffer) resizing the frame to
// dst in one tile, with the work buffer the specification asks for.
template <class T, int C, class Fn>
void time_resize(benchmark::State& state, RvlSize dst, const RvlResizeSpec* sp, Fn fn) {
    int bufferSize = 0;
    rvliResizeGetBufferSize_8u(sp, dst, C, &bufferSize);
    std::vector<Rvl8u> buffer(bufferSize);
    Frame<T> src(C);
    std::vector<T> out(std::size_t(dst.width) * dst.height * C);
    const int dstStep = dst.width * C * int(sizeof(T));
    for (auto _ : state) {
        fn(src.ptr(), src.step(), out.data(), dstStep, sp, buffer.data());
        benchmark::ClobberMemory();
    }
    set_traffic(state, src.bytes() + std::int64_t(out.size() * sizeof(T)));
}

#ifdef RVL_BENCH_WITH_OPENCV
template <class T, int Type>
void run_opencv_resize(benchmark::State& state, RvlSize dst, int interpolation) {
    Frame<T> f(CV_MAT_CN(Type));
    cv::Mat src(kHeight, kWidth, Type, f.ptr()), out(dst.height, dst.width, Type);
    for (auto _ : state) {
        cv::resize(src, out, cv::Size(dst.width, dst.height), 0, 0, interpolation);
        benchmark::ClobberMemory();
    }
    set_traffic(state, f.bytes() + std::int64_t(out.total() * out.elemSize()));
}

#endif

}  // namespace rvlbench

#ifdef RVL_BENCH_WITH_OPENCV
#define RESIZE_CV(op, T, Type, size, interp)                                                               \
    void op##_opencv(benchmark::State& s) { rvlbench::run_opencv_resize<Rvl##T, Type>(s, size, interp); } \
    RVL_BENCH_OPENCV(op);
#endif
