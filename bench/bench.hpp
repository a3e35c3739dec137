// Shared pieces of the benchmarks.
//
// Each operation registers up to three benchmarks under one name:
//   "<Operation>/rvl"     the library,
//   "<Operation>/opencv"  the OpenCV equivalent (when built with OpenCV),
//   "<Operation>/base"    a plain baseline such as memcpy of the same bytes,
// and sets the bytes it reads and writes per iteration, so that the report
// can compare its throughput with memcpy of the same number of bytes.
#pragma once

#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#ifdef RVL_BENCH_WITH_OPENCV
#include <opencv2/core.hpp>
#endif

namespace rvlbench {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// Bytes read plus bytes written per call of an operation over the frame.
inline void set_traffic(benchmark::State& state, std::int64_t bytesPerCall) {
    state.SetBytesProcessed(state.iterations() * bytesPerCall);
}

template <class T>
std::vector<T> random_frame(std::size_t elements, std::uint64_t seed = 1) {
    std::mt19937_64 rng(seed);
    std::vector<T> v(elements);
    for (auto& x : v) {
        if constexpr (std::is_floating_point_v<T>)
            x = static_cast<T>(std::uniform_real_distribution<double>(-1000.0, 1000.0)(rng));
        else
            x = static_cast<T>(rng());
    }
    return v;
}

// A 1920x1080 frame of `channels` interleaved elements, rows contiguous.
template <class T>
struct Frame {
    int channels;
    std::vector<T> data;
    explicit Frame(int c, std::uint64_t seed = 1)
        : channels(c), data(random_frame<T>(std::size_t(kWidth) * kHeight * c, seed)) {}
    T* ptr() { return data.data(); }
    int step() const { return kWidth * channels * int(sizeof(T)); }
    std::int64_t bytes() const { return std::int64_t(data.size() * sizeof(T)); }
};

// memcpy of a C-channel frame of T: the bound of a memory-bound member that
// reads one frame and writes another.
template <class T, int C>
void copy_base(benchmark::State& state) {
    Frame<T> src(C), dst(C, 2);
    for (auto _ : state) {
        std::memcpy(dst.ptr(), src.ptr(), std::size_t(src.bytes()));
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * src.bytes());
}

}  // namespace rvlbench

#define RVL_BENCH(op) BENCHMARK(op##_rvl)->Name(#op "/rvl")->Unit(benchmark::kMicrosecond)->UseRealTime()
#define RVL_BENCH_BASE(op) BENCHMARK(op##_base)->Name(#op "/base")->Unit(benchmark::kMicrosecond)->UseRealTime()
#define RVL_BENCH_OPENCV(op) BENCHMARK(op##_opencv)->Name(#op "/opencv")->Unit(benchmark::kMicrosecond)->UseRealTime()
