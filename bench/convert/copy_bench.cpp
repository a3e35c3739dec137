// Copy, Set and the planar copies beside OpenCV and beside memcpy/memset of
// the same bytes.
#include <cstring>

#include "bench.hpp"
#include "rvl.h"

#ifdef RVL_BENCH_WITH_OPENCV
#include <opencv2/core.hpp>
#endif

namespace {

using namespace rvlbench;
constexpr RvlSize kRoi{kWidth, kHeight};

template <class T, int C, RvlResult (*Fn)(const T*, int, T*, int, RvlSize)>
void copy_rvl(benchmark::State& state) {
    Frame<T> src(C), dst(C, 2);
    for (auto _ : state) {
        Fn(src.ptr(), src.step(), dst.ptr(), dst.step(), kRoi);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * src.bytes());
}

void Copy_8u_C1R_rvl(benchmark::State& s) { copy_rvl<Rvl8u, 1, rvliCopy_8u_C1R>(s); }
void Copy_8u_C3R_rvl(benchmark::State& s) { copy_rvl<Rvl8u, 3, rvliCopy_8u_C3R>(s); }
void Copy_32f_C1R_rvl(benchmark::State& s) { copy_rvl<Rvl32f, 1, rvliCopy_32f_C1R>(s); }
void Copy_8u_AC4R_rvl(benchmark::State& s) { copy_rvl<Rvl8u, 4, rvliCopy_8u_AC4R>(s); }
void Copy_8u_C1R_base(benchmark::State& s) { copy_base<Rvl8u, 1>(s); }
void Copy_8u_C3R_base(benchmark::State& s) { copy_base<Rvl8u, 3>(s); }
void Copy_32f_C1R_base(benchmark::State& s) { copy_base<Rvl32f, 1>(s); }
void Copy_8u_AC4R_base(benchmark::State& s) { copy_base<Rvl8u, 4>(s); }
RVL_BENCH(Copy_8u_C1R);
RVL_BENCH_BASE(Copy_8u_C1R);
RVL_BENCH(Copy_8u_C3R);
RVL_BENCH_BASE(Copy_8u_C3R);
RVL_BENCH(Copy_32f_C1R);
RVL_BENCH_BASE(Copy_32f_C1R);
RVL_BENCH(Copy_8u_AC4R);
RVL_BENCH_BASE(Copy_8u_AC4R);

void Copy_8u_C1MR_rvl(benchmark::State& state) {
    Frame<Rvl8u> src(1), dst(1, 2), mask(1, 3);
    for (std::size_t i = 0; i < mask.data.size(); ++i) mask.data[i] = ((i / 4096) % 2) ? 0 : 255;  // long runs
    for (auto _ : state) {
        rvliCopy_8u_C1MR(src.ptr(), src.step(), dst.ptr(), dst.step(), kRoi, mask.ptr(), mask.step());
        benchmark::ClobberMemory();
    }
    set_traffic(state, 3 * src.bytes());
}
RVL_BENCH(Copy_8u_C1MR);

template <int C, RvlResult (*Fn)(const Rvl8u*, int, Rvl8u* const*, int, RvlSize)>
void split_rvl(benchmark::State& state) {
    Frame<Rvl8u> src(C);
    std::vector<Frame<Rvl8u>> planes;
    for (int c = 0; c < C; ++c) planes.emplace_back(1, c + 2);
    Rvl8u* p[4];
    for (int c = 0; c < C; ++c) p[c] = planes[c].ptr();
    for (auto _ : state) {
        Fn(src.ptr(), src.step(), p, planes[0].step(), kRoi);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * src.bytes());
}
template <int C, RvlResult (*Fn)(const Rvl8u* const*, int, Rvl8u*, int, RvlSize)>
void merge_rvl(benchmark::State& state) {
    Frame<Rvl8u> dst(C);
    std::vector<Frame<Rvl8u>> planes;
    for (int c = 0; c < C; ++c) planes.emplace_back(1, c + 2);
    const Rvl8u* p[4];
    for (int c = 0; c < C; ++c) p[c] = planes[c].ptr();
    for (auto _ : state) {
        Fn(p, planes[0].step(), dst.ptr(), dst.step(), kRoi);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * dst.bytes());
}
void Copy_8u_C3P3R_rvl(benchmark::State& s) { split_rvl<3, rvliCopy_8u_C3P3R>(s); }
void Copy_8u_P3C3R_rvl(benchmark::State& s) { merge_rvl<3, rvliCopy_8u_P3C3R>(s); }
void Copy_8u_C4P4R_rvl(benchmark::State& s) { split_rvl<4, rvliCopy_8u_C4P4R>(s); }
void Copy_8u_P4C4R_rvl(benchmark::State& s) { merge_rvl<4, rvliCopy_8u_P4C4R>(s); }
RVL_BENCH(Copy_8u_C3P3R);
RVL_BENCH(Copy_8u_P3C3R);
RVL_BENCH(Copy_8u_C4P4R);
RVL_BENCH(Copy_8u_P4C4R);

void Copy_8u_C3C1R_rvl(benchmark::State& state) {
    Frame<Rvl8u> src(3), dst(1, 2);
    for (auto _ : state) {
        rvliCopy_8u_C3C1R(src.ptr(), src.step(), dst.ptr(), dst.step(), kRoi);
        benchmark::ClobberMemory();
    }
    set_traffic(state, src.bytes() / 3 * 2);
}
RVL_BENCH(Copy_8u_C3C1R);

template <class T, int C>
void set_rvl(benchmark::State& state) {
    Frame<T> dst(C);
    const T v[4] = {T(1), T(2), T(3), T(4)};
    for (auto _ : state) {
        if constexpr (C == 1) {
            if constexpr (std::is_same_v<T, Rvl8u>) rvliSet_8u_C1R(v[0], dst.ptr(), dst.step(), kRoi);
            if constexpr (std::is_same_v<T, Rvl32f>) rvliSet_32f_C1R(v[0], dst.ptr(), dst.step(), kRoi);
        } else {
            rvliSet_8u_C3R(v, dst.ptr(), dst.step(), kRoi);
        }
        benchmark::ClobberMemory();
    }
    set_traffic(state, dst.bytes());
}
template <class T, int C>
void set_base(benchmark::State& state) {
    Frame<T> dst(C);
    for (auto _ : state) {
        std::memset(dst.ptr(), 1, dst.bytes());
        benchmark::ClobberMemory();
    }
    set_traffic(state, dst.bytes());
}
void Set_8u_C1R_rvl(benchmark::State& s) { set_rvl<Rvl8u, 1>(s); }
void Set_8u_C3R_rvl(benchmark::State& s) { set_rvl<Rvl8u, 3>(s); }
void Set_32f_C1R_rvl(benchmark::State& s) { set_rvl<Rvl32f, 1>(s); }
void Set_8u_C1R_base(benchmark::State& s) { set_base<Rvl8u, 1>(s); }
void Set_8u_C3R_base(benchmark::State& s) { set_base<Rvl8u, 3>(s); }
void Set_32f_C1R_base(benchmark::State& s) { set_base<Rvl32f, 1>(s); }
RVL_BENCH(Set_8u_C1R);
RVL_BENCH_BASE(Set_8u_C1R);
RVL_BENCH(Set_8u_C3R);
RVL_BENCH_BASE(Set_8u_C3R);
RVL_BENCH(Set_32f_C1R);
RVL_BENCH_BASE(Set_32f_C1R);

#ifdef RVL_BENCH_WITH_OPENCV
template <class T, int Type>
void copy_opencv(benchmark::State& state) {
    Frame<T> f(CV_MAT_CN(Type));
    cv::Mat src(kHeight, kWidth, Type, f.ptr()), dst(kHeight, kWidth, Type);
    for (auto _ : state) {
        src.copyTo(dst);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * f.bytes());
}
void Copy_8u_C1R_opencv(benchmark::State& s) { copy_opencv<Rvl8u, CV_8UC1>(s); }
void Copy_8u_C3R_opencv(benchmark::State& s) { copy_opencv<Rvl8u, CV_8UC3>(s); }
void Copy_32f_C1R_opencv(benchmark::State& s) { copy_opencv<Rvl32f, CV_32FC1>(s); }
RVL_BENCH_OPENCV(Copy_8u_C1R);
RVL_BENCH_OPENCV(Copy_8u_C3R);
RVL_BENCH_OPENCV(Copy_32f_C1R);

void Copy_8u_C1MR_opencv(benchmark::State& state) {
    Frame<Rvl8u> f(1), m(1, 3);
    for (std::size_t i = 0; i < m.data.size(); ++i) m.data[i] = ((i / 4096) % 2) ? 0 : 255;
    cv::Mat src(kHeight, kWidth, CV_8UC1, f.ptr()), mask(kHeight, kWidth, CV_8UC1, m.ptr()), dst(kHeight, kWidth, CV_8UC1);
    for (auto _ : state) {
        src.copyTo(dst, mask);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 3 * f.bytes());
}
RVL_BENCH_OPENCV(Copy_8u_C1MR);

template <int C>
void split_opencv(benchmark::State& state) {
    Frame<Rvl8u> f(C);
    cv::Mat src(kHeight, kWidth, CV_8UC(C), f.ptr());
    std::vector<cv::Mat> planes(C);
    for (auto& p : planes) p.create(kHeight, kWidth, CV_8UC1);
    for (auto _ : state) {
        cv::split(src, planes);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * f.bytes());
}
template <int C>
void merge_opencv(benchmark::State& state) {
    std::vector<cv::Mat> planes(C);
    for (auto& p : planes) {
        p.create(kHeight, kWidth, CV_8UC1);
        cv::randu(p, 0, 255);
    }
    cv::Mat dst(kHeight, kWidth, CV_8UC(C));
    for (auto _ : state) {
        cv::merge(planes, dst);
        benchmark::ClobberMemory();
    }
    set_traffic(state, 2 * std::int64_t(dst.total() * C));
}
void Copy_8u_C3P3R_opencv(benchmark::State& s) { split_opencv<3>(s); }
void Copy_8u_P3C3R_opencv(benchmark::State& s) { merge_opencv<3>(s); }
void Copy_8u_C4P4R_opencv(benchmark::State& s) { split_opencv<4>(s); }
void Copy_8u_P4C4R_opencv(benchmark::State& s) { merge_opencv<4>(s); }
RVL_BENCH_OPENCV(Copy_8u_C3P3R);
RVL_BENCH_OPENCV(Copy_8u_P3C3R);
RVL_BENCH_OPENCV(Copy_8u_C4P4R);
RVL_BENCH_OPENCV(Copy_8u_P4C4R);

void Copy_8u_C3C1R_opencv(benchmark::State& state) {
    Frame<Rvl8u> f(3);
    cv::Mat src(kHeight, kWidth, CV_8UC3, f.ptr()), dst(kHeight, kWidth, CV_8UC1);
    const int fromTo[] = {0, 0};
    for (auto _ : state) {
        cv::mixChannels(&src, 1, &dst, 1, fromTo, 1);
        benchmark::ClobberMemory();
    }
    set_traffic(state, f.bytes() / 3 * 2);
}
RVL_BENCH_OPENCV(Copy_8u_C3C1R);

template <int Type>
void set_opencv(benchmark::State& state) {
    cv::Mat dst(kHeight, kWidth, Type);
    for (auto _ : state) {
        dst.setTo(cv::Scalar(1, 2, 3, 4));
        benchmark::ClobberMemory();
    }
    set_traffic(state, std::int64_t(dst.total() * dst.elemSize()));
}
void Set_8u_C1R_opencv(benchmark::State& s) { set_opencv<CV_8UC1>(s); }
void Set_8u_C3R_opencv(benchmark::State& s) { set_opencv<CV_8UC3>(s); }
void Set_32f_C1R_opencv(benchmark::State& s) { set_opencv<CV_32FC1>(s); }
RVL_BENCH_OPENCV(Set_8u_C1R);
RVL_BENCH_OPENCV(Set_8u_C3R);
RVL_BENCH_OPENCV(Set_32f_C1R);
#endif

}  // namespace
