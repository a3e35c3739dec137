// Two-image convolution and template matching beside OpenCV, single thread:
//   Conv_32f_C1R full, 512x512 with a 15x15 kernel (FFT tiles) beside
//     copyMakeBorder (zeros) + filter2D with the flipped kernel;
//   Conv_32f_C1R valid, 1920x1080 with 5x5 (the general filter) beside
//     filter2D over the same frame;
//   CrossCorrNorm valid coefficient and SqrDistanceNorm valid scaled,
//     640x480 with a 32x32 template, beside matchTemplate TM_CCOEFF_NORMED
//     and TM_SQDIFF_NORMED; the 8u source of 1920x1080 beside
//     TM_CCORR_NORMED.
#include <vector>

#include "bench.hpp"
#include "rvl.h"

#ifdef RVL_BENCH_WITH_OPENCV
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#endif

namespace {

using namespace rvlbench;

template <class T>
std::vector<T> pattern(int w, int h, int seed) {
    std::vector<T> v(static_cast<std::size_t>(w) * h);
    for (std::size_t i = 0; i < v.size(); ++i) v[i] = static_cast<T>((i * 7919 + seed * 104729) % 251);
    return v;
}

void conv_rvl(benchmark::State& state, int w, int h, int k, Rvl32u alg) {
    const std::vector<float> a = pattern<float>(w, h, 1), b = pattern<float>(k, k, 2);
    const int ow = alg ? w - k + 1 : w + k - 1, oh = alg ? h - k + 1 : h + k - 1;
    std::vector<float> d(static_cast<std::size_t>(ow) * oh);
    int bytes = 0;
    rvliConvGetBufferSize({w, h}, {k, k}, rvlType32f, 1, alg, &bytes);
    std::vector<Rvl8u> buf(bytes);
    for (auto _ : state) {
        rvliConv_32f_C1R(a.data(), w * 4, {w, h}, b.data(), k * 4, {k, k}, d.data(), ow * 4, alg, buf.data());
        benchmark::ClobberMemory();
    }
    set_traffic(state, (std::int64_t{w} * h + std::int64_t{ow} * oh) * 4);
}

template <class S, class D, class Fn>
void match_rvl(benchmark::State& state, int w, int h, int t, Rvl32u alg, Fn fn, bool distance) {
    const std::vector<S> s = pattern<S>(w, h, 3), tpl = pattern<S>(t, t, 4);
    const int ow = w - t + 1, oh = h - t + 1;
    std::vector<D> d(static_cast<std::size_t>(ow) * oh);
    int bytes = 0;
    if (distance) rvliSqrDistanceNormGetBufferSize({w, h}, {t, t}, alg, &bytes);
    else rvliCrossCorrNormGetBufferSize({w, h}, {t, t}, alg, &bytes);
    std::vector<Rvl8u> buf(bytes);
    for (auto _ : state) {
        fn(s.data(), w * static_cast<int>(sizeof(S)), RvlSize{w, h}, tpl.data(), t * static_cast<int>(sizeof(S)), RvlSize{t, t},
           d.data(), ow * static_cast<int>(sizeof(D)), alg, buf.data());
        benchmark::ClobberMemory();
    }
    set_traffic(state, std::int64_t{w} * h * static_cast<int>(sizeof(S)) + std::int64_t{ow} * oh * static_cast<int>(sizeof(D)));
}

constexpr Rvl32u kValid = 0x10000;

void Conv_32f_C1R_full_512_15x15_rvl(benchmark::State& s) { conv_rvl(s, 512, 512, 15, 0); }
void Conv_32f_C1R_valid_1920_5x5_rvl(benchmark::State& s) { conv_rvl(s, kWidth, kHeight, 5, kValid); }
void CrossCorrNorm_32f_C1R_valid_coef_640_32_rvl(benchmark::State& s) {
    match_rvl<float, float>(s, 640, 480, 32, kValid | 0x200, rvliCrossCorrNorm_32f_C1R, false);
}
void SqrDistanceNorm_32f_C1R_valid_scaled_640_32_rvl(benchmark::State& s) {
    match_rvl<float, float>(s, 640, 480, 32, kValid | 0x100, rvliSqrDistanceNorm_32f_C1R, true);
}
void CrossCorrNorm_8u32f_C1R_valid_scaled_1920_32_rvl(benchmark::State& s) {
    match_rvl<Rvl8u, float>(s, kWidth, kHeight, 32, kValid | 0x100, rvliCrossCorrNorm_8u32f_C1R, false);
}
RVL_BENCH(Conv_32f_C1R_full_512_15x15);
RVL_BENCH(Conv_32f_C1R_valid_1920_5x5);
RVL_BENCH(CrossCorrNorm_32f_C1R_valid_coef_640_32);
RVL_BENCH(SqrDistanceNorm_32f_C1R_valid_scaled_640_32);
RVL_BENCH(CrossCorrNorm_8u32f_C1R_valid_scaled_1920_32);

#ifdef RVL_BENCH_WITH_OPENCV
template <class T>
cv::Mat pattern_mat(int w, int h, int seed, int type) {
    const std::vector<T> v = pattern<T>(w, h, seed);
    return cv::Mat(h, w, type, const_cast<T*>(v.data())).clone();
}

void conv_cv(benchmark::State& state, int w, int h, int k, bool full) {
    const cv::Mat a = pattern_mat<float>(w, h, 1, CV_32F), b = pattern_mat<float>(k, k, 2, CV_32F);
    cv::Mat flipped, padded, d;
    cv::flip(b, flipped, -1);
    for (auto _ : state) {
        if (full) {
            cv::copyMakeBorder(a, padded, k - 1, k - 1, k - 1, k - 1, cv::BORDER_CONSTANT, cv::Scalar(0));
            cv::filter2D(padded, d, CV_32F, flipped, cv::Point(k - 1, k - 1), 0, cv::BORDER_CONSTANT);
        } else {
            cv::filter2D(a, d, CV_32F, flipped, cv::Point(-1, -1), 0, cv::BORDER_REPLICATE);
        }
        benchmark::ClobberMemory();
    }
    set_traffic(state, std::int64_t{w} * h * 8);
}

template <class T>
void match_cv(benchmark::State& state, int w, int h, int t, int type, int method) {
    const cv::Mat s = pattern_mat<T>(w, h, 3, type), tpl = pattern_mat<T>(t, t, 4, type);
    cv::Mat d;
    for (auto _ : state) {
        cv::matchTemplate(s, tpl, d, method);
        benchmark::ClobberMemory();
    }
    set_traffic(state, std::int64_t{w} * h * static_cast<int>(sizeof(T)) + std::int64_t{w - t + 1} * (h - t + 1) * 4);
}

void Conv_32f_C1R_full_512_15x15_opencv(benchmark::State& s) { conv_cv(s, 512, 512, 15, true); }
void Conv_32f_C1R_valid_1920_5x5_opencv(benchmark::State& s) { conv_cv(s, kWidth, kHeight, 5, false); }
void CrossCorrNorm_32f_C1R_valid_coef_640_32_opencv(benchmark::State& s) { match_cv<float>(s, 640, 480, 32, CV_32F, cv::TM_CCOEFF_NORMED); }
void SqrDistanceNorm_32f_C1R_valid_scaled_640_32_opencv(benchmark::State& s) {
    match_cv<float>(s, 640, 480, 32, CV_32F, cv::TM_SQDIFF_NORMED);
}
void CrossCorrNorm_8u32f_C1R_valid_scaled_1920_32_opencv(benchmark::State& s) {
    match_cv<Rvl8u>(s, kWidth, kHeight, 32, CV_8U, cv::TM_CCORR_NORMED);
}
RVL_BENCH_OPENCV(Conv_32f_C1R_full_512_15x15);
RVL_BENCH_OPENCV(Conv_32f_C1R_valid_1920_5x5);
RVL_BENCH_OPENCV(CrossCorrNorm_32f_C1R_valid_coef_640_32);
RVL_BENCH_OPENCV(SqrDistanceNorm_32f_C1R_valid_scaled_640_32);
RVL_BENCH_OPENCV(CrossCorrNorm_8u32f_C1R_valid_scaled_1920_32);
#endif

}  // namespace
