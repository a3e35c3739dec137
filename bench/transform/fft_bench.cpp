// 2-D FFT of N x N (256, 1024, 2048) beside cv::dft and, as the baseline,
// FFTW with FFTW_MEASURE plans; single thread, forward, no scaling.
#include <vector>

#include "bench.hpp"
#include "rvl.h"

#ifdef RVL_BENCH_WITH_OPENCV
#include <opencv2/core.hpp>
#endif
#ifdef RVL_BENCH_WITH_FFTW
#include <fftw3.h>
#endif

namespace {

using namespace rvlbench;

template <bool Real>
void run_rvl(benchmark::State& state, int order) {
    const int n = 1 << order;
    int specSize, initSize, workSize;
    if (Real) rvliFFTGetSize_R_32f(order, order, rvlFftScaleNone, rvlHintNone, &specSize, &initSize, &workSize);
    else rvliFFTGetSize_C_32fc(order, order, rvlFftScaleNone, rvlHintNone, &specSize, &initSize, &workSize);
    std::vector<Rvl8u> spec(specSize), init(initSize + 1), work(workSize);
    std::vector<float> src(std::size_t(n) * n * (Real ? 1 : 2), 0.5f), dst(src.size());
    for (std::size_t i = 0; i < src.size(); ++i) src[i] = float((i * 7919) % 1000) / 1000.0f;
    const int step = n * 4 * (Real ? 1 : 2);
    if (Real) {
        auto* s = reinterpret_cast<RvlFft2dRealSpec*>(spec.data());
        rvliFFTInit_R_32f(order, order, rvlFftScaleNone, rvlHintNone, s, init.data());
        for (auto _ : state) {
            rvliFFTFwd_RToPack_32f_C1R(src.data(), step, dst.data(), step, s, work.data());
            benchmark::ClobberMemory();
        }
    } else {
        auto* s = reinterpret_cast<RvlFft2dComplexSpec*>(spec.data());
        rvliFFTInit_C_32fc(order, order, rvlFftScaleNone, rvlHintNone, s, init.data());
        for (auto _ : state) {
            rvliFFTFwd_CToC_32fc_C1R(reinterpret_cast<const Rvl32fc*>(src.data()), step, reinterpret_cast<Rvl32fc*>(dst.data()), step, s, work.data());
            benchmark::ClobberMemory();
        }
    }
    set_traffic(state, 2 * std::int64_t(src.size() * 4));
}

#define FFT_RVL(n, order)                                                                  \
    void FFTFwd_RToPack_32f_C1R_##n##_rvl(benchmark::State& s) { run_rvl<true>(s, order); } \
    void FFTFwd_CToC_32fc_C1R_##n##_rvl(benchmark::State& s) { run_rvl<false>(s, order); }  \
    RVL_BENCH(FFTFwd_RToPack_32f_C1R_##n);                                                  \
    RVL_BENCH(FFTFwd_CToC_32fc_C1R_##n);
FFT_RVL(256, 8)
FFT_RVL(1024, 10)
FFT_RVL(2048, 11)

#ifdef RVL_BENCH_WITH_OPENCV
void run_cv(benchmark::State& state, int n, bool real) {
    cv::Mat src(n, n, real ? CV_32FC1 : CV_32FC2), dst;
    cv::randu(src, 0.0f, 1.0f);
    for (auto _ : state) {
        cv::dft(src, dst, real ? 0 : cv::DFT_COMPLEX_OUTPUT);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * std::int64_t(src.total() * src.elemSize()));
}
#define FFT_CV(n)                                                                              \
    void FFTFwd_RToPack_32f_C1R_##n##_opencv(benchmark::State& s) { run_cv(s, n, true); }      \
    void FFTFwd_CToC_32fc_C1R_##n##_opencv(benchmark::State& s) { run_cv(s, n, false); }       \
    RVL_BENCH_OPENCV(FFTFwd_RToPack_32f_C1R_##n);                                              \
    RVL_BENCH_OPENCV(FFTFwd_CToC_32fc_C1R_##n);
FFT_CV(256)
FFT_CV(1024)
FFT_CV(2048)
#endif

#ifdef RVL_BENCH_WITH_FFTW
void run_fftw(benchmark::State& state, int n, bool real) {
    float* in = fftwf_alloc_real(std::size_t(n) * n * 2);
    fftwf_complex* out = fftwf_alloc_complex(std::size_t(n) * (n / 2 + 1) * (real ? 1 : 2));
    fftwf_plan plan = real ? fftwf_plan_dft_r2c_2d(n, n, in, out, FFTW_MEASURE)
                           : fftwf_plan_dft_2d(n, n, reinterpret_cast<fftwf_complex*>(in), out, FFTW_FORWARD, FFTW_MEASURE);
    for (std::size_t i = 0; i < std::size_t(n) * n * 2; ++i) in[i] = float((i * 7919) % 1000) / 1000.0f;
    for (auto _ : state) {
        fftwf_execute(plan);
        benchmark::ClobberMemory();
    }
    fftwf_destroy_plan(plan);
    fftwf_free(in);
    fftwf_free(out);
}
#define FFT_W(n)                                                                           \
    void FFTFwd_RToPack_32f_C1R_##n##_base(benchmark::State& s) { run_fftw(s, n, true); }  \
    void FFTFwd_CToC_32fc_C1R_##n##_base(benchmark::State& s) { run_fftw(s, n, false); }   \
    RVL_BENCH_BASE(FFTFwd_RToPack_32f_C1R_##n);                                             \
    RVL_BENCH_BASE(FFTFwd_CToC_32fc_C1R_##n);
FFT_W(256)
FFT_W(1024)
FFT_W(2048)
#endif

}  // namespace
