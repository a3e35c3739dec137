// Histograms, moments and HOG beside OpenCV (single thread): the 8u
// histogram of 256 bins beside cv::calcHist and beside reading the image
// once (a sum of its 64-bit words), the 32f histogram with 16 and 256
// levels, the 8u moments beside cv::moments, and the HOG descriptors of a
// 640x480 image on the 8-pixel grid of 64x128 windows beside
// cv::HOGDescriptor::compute with the same geometry.
#include <cstring>
#include <vector>

#include "bench.hpp"
#include "rvl.h"

#ifdef RVL_BENCH_WITH_OPENCV
#include <opencv2/imgproc.hpp>
#endif
#ifdef RVL_BENCH_WITH_OPENCV_OBJDETECT
#include <opencv2/objdetect.hpp>
#endif

namespace {

using namespace rvlbench;
constexpr RvlSize kRoi{kWidth, kHeight};

// A uniform specification of `levels` levels over [lo, hi).
std::vector<Rvl8u> uniform_spec(int type, int levels, float lo, float hi) {
    int spec = 0, buf = 0;
    rvliHistogramGetBufferSize(type, kRoi, &levels, 1, 1, &spec, &buf);
    std::vector<Rvl8u> s(spec);
    rvliHistogramUniformInit(type, &lo, &hi, &levels, 1, reinterpret_cast<RvlHistogramSpec*>(s.data()));
    return s;
}

void Histogram_8u_C1R_256_rvl(benchmark::State& state) {
    Frame<Rvl8u> src(1);
    auto spec = uniform_spec(rvlType8u, 257, 0, 256);
    std::vector<Rvl8u> buffer(1024);
    std::vector<Rvl32u> hist(256);
    for (auto _ : state) {
        rvliHistogram_8u_C1R(src.ptr(), src.step(), kRoi, hist.data(), reinterpret_cast<RvlHistogramSpec*>(spec.data()), buffer.data());
        benchmark::ClobberMemory();
    }
    set_traffic(state, src.bytes());
}
RVL_BENCH(Histogram_8u_C1R_256);

// Reading the image once.
void Histogram_8u_C1R_256_base(benchmark::State& state) {
    Frame<Rvl8u> src(1);
    for (auto _ : state) {
        std::uint64_t sum = 0;
        const auto n = std::size_t(src.bytes()) / 8;
        for (std::size_t i = 0; i < n; ++i) {
            std::uint64_t w;
            std::memcpy(&w, src.ptr() + 8 * i, 8);
            sum += w;
        }
        benchmark::DoNotOptimize(sum);
    }
    set_traffic(state, src.bytes());
}
RVL_BENCH_BASE(Histogram_8u_C1R_256);

template <int Levels>
void histogram_32f(benchmark::State& state) {
    Frame<Rvl32f> src(1);
    auto spec = uniform_spec(rvlType32f, Levels, -1000, 1000);
    std::vector<Rvl32u> hist(Levels - 1);
    for (auto _ : state) {
        rvliHistogram_32f_C1R(src.ptr(), src.step(), kRoi, hist.data(), reinterpret_cast<RvlHistogramSpec*>(spec.data()));
        benchmark::ClobberMemory();
    }
    set_traffic(state, src.bytes());
}
void Histogram_32f_C1R_16_rvl(benchmark::State& s) { histogram_32f<16>(s); }
void Histogram_32f_C1R_256_rvl(benchmark::State& s) { histogram_32f<256>(s); }
RVL_BENCH(Histogram_32f_C1R_16);
RVL_BENCH(Histogram_32f_C1R_256);

void Moments64f_8u_C1R_rvl(benchmark::State& state) {
    Frame<Rvl8u> src(1);
    alignas(8) Rvl8u stateBytes[400];
    auto* st = reinterpret_cast<RvlMomentState*>(stateBytes);
    rvliMomentInit_64f(st, rvlHintNone);
    for (auto _ : state) {
        rvliMoments64f_8u_C1R(src.ptr(), src.step(), kRoi, st);
        benchmark::ClobberMemory();
    }
    set_traffic(state, src.bytes());
}
RVL_BENCH(Moments64f_8u_C1R);

// 640 x 480, 64 x 128 windows every 8 pixels (73 x 45 windows), cells of
// 8, blocks of 16 every 8, 9 bins.
constexpr int kHogW = 640, kHogH = 480;
std::vector<RvlPoint> hog_grid() {
    std::vector<RvlPoint> at;
    for (int y = 0; y + 128 <= kHogH; y += 8)
        for (int x = 0; x + 64 <= kHogW; x += 8) at.push_back({x, y});
    return at;
}

void HOG_8u32f_C1R_640x480_rvl(benchmark::State& state) {
    const std::vector<Rvl8u> img = random_frame<Rvl8u>(std::size_t(kHogW) * kHogH);
    RvlHogConfig cfg{0, 8, 16, 8, 9, 4.0f, 0.2f, {64, 128}};
    int size = 0, bytes = 0, dsize = 0;
    rvliHOGGetSize(&cfg, &size);
    std::vector<Rvl8u> spec(size);
    auto* sp = reinterpret_cast<RvlHogSpec*>(spec.data());
    rvliHOGInit(&cfg, sp);
    rvliHOGGetBufferSize(sp, {kHogW, kHogH}, &bytes);
    rvliHOGGetDescriptorSize(sp, &dsize);
    const auto at = hog_grid();
    std::vector<Rvl8u> buffer(bytes);
    std::vector<float> out(at.size() * std::size_t(dsize) / 4);
    for (auto _ : state) {
        rvliHOG_8u32f_C1R(img.data(), kHogW, {kHogW, kHogH}, at.data(), int(at.size()), out.data(), sp, rvlBorderReplicate, 0,
                          buffer.data());
        benchmark::ClobberMemory();
    }
    set_traffic(state, std::int64_t(img.size()));
}
RVL_BENCH(HOG_8u32f_C1R_640x480);

#ifdef RVL_BENCH_WITH_OPENCV
void Histogram_8u_C1R_256_opencv(benchmark::State& state) {
    Frame<Rvl8u> f(1);
    cv::Mat src(kHeight, kWidth, CV_8UC1, f.ptr()), hist;
    const int channels[] = {0}, sizes[] = {256};
    const float range[] = {0, 256};
    const float* ranges[] = {range};
    for (auto _ : state) {
        cv::calcHist(&src, 1, channels, cv::Mat(), hist, 1, sizes, ranges);
        benchmark::ClobberMemory();
    }
    set_traffic(state, f.bytes());
}
RVL_BENCH_OPENCV(Histogram_8u_C1R_256);

template <int Levels>
void histogram_32f_opencv(benchmark::State& state) {
    Frame<Rvl32f> f(1);
    cv::Mat src(kHeight, kWidth, CV_32FC1, f.ptr()), hist;
    const int channels[] = {0}, sizes[] = {Levels - 1};
    const float range[] = {-1000, 1000};
    const float* ranges[] = {range};
    for (auto _ : state) {
        cv::calcHist(&src, 1, channels, cv::Mat(), hist, 1, sizes, ranges);
        benchmark::ClobberMemory();
    }
    set_traffic(state, f.bytes());
}
void Histogram_32f_C1R_16_opencv(benchmark::State& s) { histogram_32f_opencv<16>(s); }
void Histogram_32f_C1R_256_opencv(benchmark::State& s) { histogram_32f_opencv<256>(s); }
RVL_BENCH_OPENCV(Histogram_32f_C1R_16);
RVL_BENCH_OPENCV(Histogram_32f_C1R_256);

void Moments64f_8u_C1R_opencv(benchmark::State& state) {
    Frame<Rvl8u> f(1);
    cv::Mat src(kHeight, kWidth, CV_8UC1, f.ptr());
    for (auto _ : state) {
        benchmark::DoNotOptimize(cv::moments(src, false));
        benchmark::ClobberMemory();
    }
    set_traffic(state, f.bytes());
}
RVL_BENCH_OPENCV(Moments64f_8u_C1R);
#endif

#ifdef RVL_BENCH_WITH_OPENCV_OBJDETECT
void HOG_8u32f_C1R_640x480_opencv(benchmark::State& state) {
    const std::vector<Rvl8u> img = random_frame<Rvl8u>(std::size_t(kHogW) * kHogH);
    cv::Mat src(kHogH, kHogW, CV_8UC1, const_cast<Rvl8u*>(img.data()));
    cv::HOGDescriptor hog(cv::Size(64, 128), cv::Size(16, 16), cv::Size(8, 8), cv::Size(8, 8), 9);
    std::vector<cv::Point> at;
    for (const RvlPoint& p : hog_grid()) at.push_back({p.x, p.y});
    std::vector<float> out;
    for (auto _ : state) {
        hog.compute(src, out, cv::Size(8, 8), cv::Size(0, 0), at);
        benchmark::ClobberMemory();
    }
    set_traffic(state, std::int64_t(img.size()));
}
RVL_BENCH_OPENCV(HOG_8u32f_C1R_640x480);
#endif

}  // namespace
