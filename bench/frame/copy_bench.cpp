// A copy-sized pass: the cost floor of any one-source, one-destination
// operation. rvl's Abs_32f_C1R moves exactly the bytes of this copy.
#include <cstring>

#include "bench.hpp"
#include "rvl.h"

#ifdef RVL_BENCH_WITH_OPENCV
#include <opencv2/core.hpp>
#endif

namespace {

using namespace rvlbench;

void CopyPass_32f_C1_rvl(benchmark::State& state) {
    const std::size_t n = std::size_t(kWidth) * kHeight;
    int srcStep = 0, dstStep = 0;
    Rvl32f* src = rvliMalloc_32f_C1(kWidth, kHeight, &srcStep);
    Rvl32f* dst = rvliMalloc_32f_C1(kWidth, kHeight, &dstStep);
    auto data = random_frame<Rvl32f>(n);
    for (int y = 0; y < kHeight; ++y)
        std::memcpy(reinterpret_cast<char*>(src) + std::size_t(y) * srcStep, &data[std::size_t(y) * kWidth], kWidth * 4);
    for (auto _ : state) {
        rvliAbs_32f_C1R(src, srcStep, dst, dstStep, {kWidth, kHeight});
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * std::int64_t(n * 4));
    rvliFree(src);
    rvliFree(dst);
}
RVL_BENCH(CopyPass_32f_C1);

#ifdef RVL_BENCH_WITH_OPENCV
void CopyPass_32f_C1_opencv(benchmark::State& state) {
    cv::Mat src(kHeight, kWidth, CV_32FC1), dst(kHeight, kWidth, CV_32FC1);
    cv::randu(src, -1000.0f, 1000.0f);
    for (auto _ : state) {
        src.copyTo(dst);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * std::int64_t(src.total() * 4));
}
RVL_BENCH_OPENCV(CopyPass_32f_C1);
#endif

}  // namespace
