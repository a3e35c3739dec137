// Sum, mean, extrema, block extrema and element-wise extrema: every member
// against a plain reference (integer sums exact; the 32f fast path in its
// documented lane order); first-occurrence indices; check orders.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "rvl.h"
#include "support/guarded.hpp"
#include "support/image.hpp"
#include "support/values.hpp"

using namespace rvltest;

namespace {

// Small values repeat often, so extrema occur several times. NaN is left
// out: which operand a comparison with NaN keeps is not part of these
// functions' results.
template <class T>
T stat_value(Rng& rng) {
    if (rng() % 4 == 0) {
        const T v = random_value<T>(rng);
        return (v == v && v != T(0)) ? v : T(0);  // no NaN, no -0
    }
    if constexpr (std::is_floating_point_v<T>) return T(int(rng() % 2001) - 1000) / 16.0f;
    else return T(rng() % 50);
}

// The 32f fast sum of one channel of one row: pixel j in lane j mod 4 (with
// lastToLaneZero, the last pixel of a width 3 mod 4 row in lane 0), lanes
// combined as (s0 + s1) + (s2 + s3).
void add_lanes(float (&lanes)[4], const std::vector<float>& values, bool lastToLaneZero) {
    const std::size_t w = values.size();
    for (std::size_t j = 0; j < w; ++j) {
        const std::size_t lane = (lastToLaneZero && j + 1 == w && w % 4 == 3) ? 0 : j % 4;
        lanes[lane] += values[j];
    }
}
float combined(const float (&l)[4]) { return (l[0] + l[1]) + (l[2] + l[3]); }

template <class T>
std::vector<T> channel_row(const TestImage<T>& img, int y, int c) {
    std::vector<T> v(img.width());
    for (int x = 0; x < img.width(); ++x) v[x] = img.at(x, y, c);
    return v;
}

template <class T>
double reference_sum(const TestImage<T>& img, int c, RvlHintAlgorithm hint) {
    if constexpr (std::is_integral_v<T>) {
        long long s = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) s += img.at(x, y, c);
        return double(s);
    } else if (hint == rvlHintAccurate) {
        double even = 0, odd = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) (img.channels() == 1 && (x & 1) ? odd : even) += img.at(x, y, c);
        return even + odd;
    } else if (img.channels() == 1) {
        // Sixteen lanes: four registers of four, added register-wise first.
        double total = 0;
        for (int y = 0; y < img.height(); ++y) {
            float l[16] = {};
            for (int x = 0; x < img.width(); ++x) l[x % 16] += img.at(x, y, 0);
            float r[4];
            for (int k = 0; k < 4; ++k) r[k] = (l[k] + l[4 + k]) + (l[8 + k] + l[12 + k]);
            total += (r[0] + r[1]) + (r[2] + r[3]);
        }
        return total;
    } else {
        double total = 0;
        for (int y = 0; y < img.height(); ++y) {
            float lanes[4] = {};
            add_lanes(lanes, channel_row(img, y, c), false);
            total += combined(lanes);
        }
        return total;
    }
}

template <class T>
using SumFn = std::function<RvlResult(const T*, int, RvlSize, Rvl64f*, RvlHintAlgorithm)>;

template <class T>
void check_sums(int channels, SumFn<T> sum, SumFn<T> mean) {
    Rng rng(channels * 7 + sizeof(T));
    for (int width : {1, 3, 4, 7, 33, 300})
        for (int height : {1, 5})
            for (RvlHintAlgorithm hint : {rvlHintFast, rvlHintAccurate}) {
                SCOPED_TRACE("channels " + std::to_string(channels) + " width " + std::to_string(width));
                TestImage<T> img(width, height, channels, 3, 1);
                img.fill(rng, stat_value<T>);
                Rvl64f s[4], m[4];
                ASSERT_EQ(rvlResOk, sum(img.data(), img.step(), {width, height}, s, hint));
                ASSERT_EQ(rvlResOk, mean(img.data(), img.step(), {width, height}, m, hint));
                for (int c = 0; c < channels; ++c) {
                    const double want = reference_sum(img, c, hint);
                    const double wantMean = channels == 1 ? want / (width * height) : want * (1.0 / (width * height));
                    if (std::isnan(want)) {  // infinities of both signs
                        ASSERT_TRUE(std::isnan(s[c]) && std::isnan(m[c]));
                        continue;
                    }
                    ASSERT_EQ(want, s[c]) << "channel " << c;
                    ASSERT_EQ(wantMean, m[c]);
                }
            }
}

#define RVLTEST_SUMS_INT(t, T, n)                                                                                     \
    check_sums<T>(n, [](auto p, int s, RvlSize r, Rvl64f* o, RvlHintAlgorithm) { return rvliSum_##t##_C##n##R(p, s, r, o); }, \
                  [](auto p, int s, RvlSize r, Rvl64f* o, RvlHintAlgorithm) { return rvliMean_##t##_C##n##R(p, s, r, o); })
#define RVLTEST_SUMS_F(n) check_sums<Rvl32f>(n, rvliSum_32f_C##n##R, rvliMean_32f_C##n##R)

TEST(Sum, EveryMemberMatchesReference) {
    RVLTEST_SUMS_INT(8u, Rvl8u, 1);
    RVLTEST_SUMS_INT(8u, Rvl8u, 3);
    RVLTEST_SUMS_INT(8u, Rvl8u, 4);
    RVLTEST_SUMS_INT(16u, Rvl16u, 1);
    RVLTEST_SUMS_INT(16u, Rvl16u, 3);
    RVLTEST_SUMS_INT(16u, Rvl16u, 4);
    RVLTEST_SUMS_INT(16s, Rvl16s, 1);
    RVLTEST_SUMS_INT(16s, Rvl16s, 3);
    RVLTEST_SUMS_INT(16s, Rvl16s, 4);
    RVLTEST_SUMS_F(1);
    RVLTEST_SUMS_F(3);
    RVLTEST_SUMS_F(4);
}

TEST(Sum, LargeExactSumsAndChecks) {
    std::vector<Rvl16u> row(70000, 65535);
    Rvl64f s = 0;
    ASSERT_EQ(rvlResOk, rvliSum_16u_C1R(row.data(), 140000, {70000, 1}, &s));
    EXPECT_EQ(4587450000.0, s);
    Rvl8u one = 200;
    ASSERT_EQ(rvlResOk, rvliSum_8u_C1R(&one, 0, {1, 1}, &s));
    EXPECT_EQ(200.0, s);
    ASSERT_EQ(rvlResOk, rvliSum_8u_C1R(&one, -5, {1, 1}, &s)) << "steps are not examined";
    Rvl64f m[3];
    EXPECT_EQ(rvlResNullPointer, rvliMean_8u_C3R(nullptr, 3, {1, 1}, nullptr));
    EXPECT_EQ(rvlResBadSize, rvliMean_8u_C3R(&one, 3, {0, 5}, m));
    EXPECT_EQ(rvlResNullPointer, rvliSum_32f_C4R(nullptr, 16, {0, 1}, m, rvlHintFast));
}

// ---- Extrema --------------------------------------------------------------

template <class T>
struct ExtremaMembers {
    int stored, processed;
    RvlResult (*mn)(const T*, int, RvlSize, T*);
    RvlResult (*mx)(const T*, int, RvlSize, T*);
    RvlResult (*mnmx)(const T*, int, RvlSize, T*, T*);
    RvlResult (*mni)(const T*, int, RvlSize, T*, int*, int*);
    RvlResult (*mxi)(const T*, int, RvlSize, T*, int*, int*);
};

template <class T>
void check_extrema(const ExtremaMembers<T>& m) {
    Rng rng(m.stored * 11 + sizeof(T));
    for (int width : {1, 2, 5, 16, 17, 47, 300})
        for (int height : {1, 4}) {
            SCOPED_TRACE("layout " + std::to_string(m.stored) + "/" + std::to_string(m.processed) + " width " + std::to_string(width));
            TestImage<T> img(width, height, m.stored, 2, 3);
            img.fill(rng, stat_value<T>);
            T mn[4], mx[4], mn2[4], mx2[4], vi[4], va[4];
            int xi[4], yi[4], xa[4], ya[4];
            const RvlSize roi{width, height};
            ASSERT_EQ(rvlResOk, m.mn(img.data(), img.step(), roi, mn));
            ASSERT_EQ(rvlResOk, m.mx(img.data(), img.step(), roi, mx));
            ASSERT_EQ(rvlResOk, m.mnmx(img.data(), img.step(), roi, mn2, mx2));
            ASSERT_EQ(rvlResOk, m.mni(img.data(), img.step(), roi, vi, xi, yi));
            ASSERT_EQ(rvlResOk, m.mxi(img.data(), img.step(), roi, va, xa, ya));
            for (int c = 0; c < m.processed; ++c) {
                T lo = img.at(0, 0, c), hi = lo;
                int lx = 0, ly = 0, hx = 0, hy = 0;
                for (int y = 0; y < height; ++y)
                    for (int x = 0; x < width; ++x) {
                        const T v = img.at(x, y, c);
                        if (v < lo) lo = v, lx = x, ly = y;
                        if (v > hi) hi = v, hx = x, hy = y;
                    }
                EXPECT_EQ(lo, mn[c]);
                EXPECT_EQ(hi, mx[c]);
                EXPECT_EQ(lo, mn2[c]);
                EXPECT_EQ(hi, mx2[c]);
                EXPECT_EQ(lo, vi[c]);
                EXPECT_EQ(hi, va[c]);
                EXPECT_EQ(lx, xi[c]) << "first minimum, channel " << c;
                EXPECT_EQ(ly, yi[c]);
                EXPECT_EQ(hx, xa[c]) << "first maximum, channel " << c;
                EXPECT_EQ(hy, ya[c]);
            }
        }
}

#define RVLTEST_EXTREMA(t, T, lay, st, pr)                                                                              \
    check_extrema<T>({st, pr, rvliMin_##t##_##lay##R, rvliMax_##t##_##lay##R, rvliMinMax_##t##_##lay##R, rvliMinIndx_##t##_##lay##R, \
                      rvliMaxIndx_##t##_##lay##R})
#define RVLTEST_EXTREMA_TYPE(t, T) \
    RVLTEST_EXTREMA(t, T, C1, 1, 1); RVLTEST_EXTREMA(t, T, C3, 3, 3); RVLTEST_EXTREMA(t, T, C4, 4, 4); RVLTEST_EXTREMA(t, T, AC4, 4, 3)

TEST(Extrema, EveryMemberMatchesReference) {
    RVLTEST_EXTREMA_TYPE(8u, Rvl8u);
    RVLTEST_EXTREMA_TYPE(16u, Rvl16u);
    RVLTEST_EXTREMA_TYPE(16s, Rvl16s);
    RVLTEST_EXTREMA_TYPE(32f, Rvl32f);
}

TEST(Extrema, FirstOccurrenceAndChecks) {
    Rvl8u img[3][4] = {{0, 0, 0, 9}, {0, 9, 0, 0}, {9, 0, 0, 0}};
    Rvl8u v;
    int x, y;
    ASSERT_EQ(rvlResOk, rvliMaxIndx_8u_C1R(&img[0][0], 4, {4, 3}, &v, &x, &y));
    EXPECT_EQ(9, v);
    EXPECT_EQ(3, x);
    EXPECT_EQ(0, y);
    EXPECT_EQ(rvlResNullPointer, rvliMinIndx_8u_C1R(&img[0][0], 4, {0, 3}, &v, nullptr, &y));
    EXPECT_EQ(rvlResBadSize, rvliMinMax_16s_C3R(reinterpret_cast<Rvl16s*>(img), 4, {1, 0}, reinterpret_cast<Rvl16s*>(&x),
                                                reinterpret_cast<Rvl16s*>(&y)));
}

template <class T>
void check_blocks(RvlResult (*fn)(const T*, int, RvlSize, T*, int, T*, int, RvlSize, T*, T*)) {
    Rng rng(sizeof(T));
    for (auto [w, h, bw, bh] : {std::array<int, 4>{10, 7, 4, 4}, {16, 16, 16, 16}, {33, 20, 16, 16}, {5, 3, 7, 9}, {40, 9, 1, 3}}) {
        TestImage<T> img(w, h, 1, 2, 0);
        img.fill(rng, stat_value<T>);
        const int nbx = (w + bw - 1) / bw, nby = (h + bh - 1) / bh;
        TestImage<T> mins(nbx, nby, 1, 1, 0), maxs(nbx, nby, 1, 1, 0);
        mins.fill(rng, stat_value<T>), maxs.fill(rng, stat_value<T>);
        TestImage<T> wantMin = mins, wantMax = maxs;
        T gmin = img.at(0, 0, 0), gmax = gmin;
        for (int by = 0; by < nby; ++by)
            for (int bx = 0; bx < nbx; ++bx) {
                T lo = img.at(bx * bw, by * bh, 0), hi = lo;
                for (int y = by * bh; y < std::min(h, by * bh + bh); ++y)
                    for (int x = bx * bw; x < std::min(w, bx * bw + bw); ++x) lo = std::min(lo, img.at(x, y, 0)), hi = std::max(hi, img.at(x, y, 0));
                wantMin.set(bx, by, 0, lo), wantMax.set(bx, by, 0, hi);
                gmin = std::min(gmin, lo), gmax = std::max(gmax, hi);
            }
        T gotMin, gotMax;
        ASSERT_EQ(rvlResOk, fn(img.data(), img.step(), {w, h}, mins.data(), mins.step(), maxs.data(), maxs.step(), {bw, bh}, &gotMin, &gotMax));
        EXPECT_TRUE(same_bytes(mins, wantMin));
        EXPECT_TRUE(same_bytes(maxs, wantMax));
        EXPECT_EQ(gmin, gotMin);
        EXPECT_EQ(gmax, gotMax);
    }
    T a[64] = {}, b[8];
    EXPECT_EQ(rvlResNullPointer, fn(a, 16, {4, 4}, nullptr, 8, nullptr, 8, {2, 2}, nullptr, nullptr));
    EXPECT_EQ(rvlResBadSize, fn(a, 16, {4, 4}, b, 8, nullptr, 8, {0, 2}, nullptr, nullptr));
    EXPECT_EQ(rvlResBadStep, fn(a, int(4 * sizeof(T)) - 1, {4, 4}, b, 8, nullptr, 8, {2, 2}, nullptr, nullptr));
    EXPECT_EQ(rvlResBadStep, fn(a, int(4 * sizeof(T)), {4, 4}, nullptr, 8, b, int(2 * sizeof(T)) - 1, {2, 2}, nullptr, nullptr));
}

TEST(BlockMinMax, BlocksAndGlobalValues) {
    check_blocks<Rvl8u>(rvliBlockMinMax_8u_C1R);
    check_blocks<Rvl16u>(rvliBlockMinMax_16u_C1R);
    check_blocks<Rvl16s>(rvliBlockMinMax_16s_C1R);
    check_blocks<Rvl32f>(rvliBlockMinMax_32f_C1R);
}

template <class T>
void check_every(int stored, int processed, RvlResult (*minIR)(const T*, int, T*, int, RvlSize),
                 RvlResult (*maxIR)(const T*, int, T*, int, RvlSize)) {
    Rng rng(stored);
    for (int width : {1, 7, 16, 33, 300}) {
        TestImage<T> src(width, 3, stored, 1, 1), img(width, 3, stored, 2, 2);
        src.fill(rng, stat_value<T>), img.fill(rng, stat_value<T>);
        TestImage<T> lo = img, hi = img, wantLo = img, wantHi = img;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x)
                for (int c = 0; c < processed; ++c) {
                    wantLo.set(x, y, c, std::min(img.at(x, y, c), src.at(x, y, c)));
                    wantHi.set(x, y, c, std::max(img.at(x, y, c), src.at(x, y, c)));
                }
        ASSERT_EQ(rvlResOk, minIR(src.data(), src.step(), lo.data(), lo.step(), {width, 3}));
        ASSERT_EQ(rvlResOk, maxIR(src.data(), src.step(), hi.data(), hi.step(), {width, 3}));
        ASSERT_TRUE(same_bytes(lo, wantLo));
        ASSERT_TRUE(same_bytes(hi, wantHi));
    }
}

#define RVLTEST_EVERY(t, T) \
    check_every<T>(1, 1, rvliMinEvery_##t##_C1IR, rvliMaxEvery_##t##_C1IR); \
    check_every<T>(3, 3, rvliMinEvery_##t##_C3IR, rvliMaxEvery_##t##_C3IR); \
    check_every<T>(4, 4, rvliMinEvery_##t##_C4IR, rvliMaxEvery_##t##_C4IR); \
    check_every<T>(4, 3, rvliMinEvery_##t##_AC4IR, rvliMaxEvery_##t##_AC4IR)

TEST(Every, InPlaceFormsMatchReference) {
    RVLTEST_EVERY(8u, Rvl8u);
    RVLTEST_EVERY(16u, Rvl16u);
    RVLTEST_EVERY(16s, Rvl16s);
    RVLTEST_EVERY(32f, Rvl32f);
}

TEST(Every, TwoSourceFormsAndChecks) {
    const Rvl8u a[5] = {1, 9, 3, 7, 5}, b[5] = {4, 2, 6, 8, 0};
    Rvl8u lo[5], hi[5];
    ASSERT_EQ(rvlResOk, rvliMinEvery_8u_C1R(a, 5, b, 5, lo, 5, {5, 1}));
    ASSERT_EQ(rvlResOk, rvliMaxEvery_8u_C1R(a, 5, b, 5, hi, 5, {5, 1}));
    EXPECT_EQ((std::vector<Rvl8u>{1, 2, 3, 7, 0}), std::vector<Rvl8u>(lo, lo + 5));
    EXPECT_EQ((std::vector<Rvl8u>{4, 9, 6, 8, 5}), std::vector<Rvl8u>(hi, hi + 5));
    Rvl32f f[2] = {1, 2};
    EXPECT_EQ(rvlResBadStep, rvliMaxEvery_32f_C1IR(f, 8, f, 0, {2, 1}));
    EXPECT_EQ(rvlResBadSize, rvliMaxEvery_32f_C1R(f, 0, f, 0, f, 0, {2, 0}));
    EXPECT_EQ(rvlResNullPointer, rvliMinEvery_16u_C1R(nullptr, 0, nullptr, 0, nullptr, 0, {0, 0}));
}

}  // namespace

// Images smaller than a register, ending at an inaccessible page: the
// extrema read the ROI and nothing after it.
namespace {
template <class T, int C>
void extrema_read_only_the_roi(RvlResult (*mn)(const T*, int, RvlSize, T*), RvlResult (*mx)(const T*, int, RvlSize, T*),
                               RvlResult (*mm)(const T*, int, RvlSize, T*, T*)) {
    for (int width : {1, 2, 3, 5}) {
        const int rowBytes = width * C * int(sizeof(T));
        rvltest::GuardedBlock block(std::size_t(rowBytes) * 2, rvltest::Edge::End);
        ASSERT_TRUE(block.ok());
        T* img = reinterpret_cast<T*>(block.data());
        for (int i = 0; i < 2 * width * C; ++i) img[i] = T(i % 7 + 1);
        T a[4] = {}, b[4] = {};
        EXPECT_EQ(rvlResOk, mn(img, rowBytes, {width, 2}, a));
        EXPECT_EQ(rvlResOk, mx(img, rowBytes, {width, 2}, b));
        EXPECT_EQ(rvlResOk, mm(img, rowBytes, {width, 2}, a, b));
        // The last row alone, with a step larger than the image holds.
        EXPECT_EQ(rvlResOk, mm(img + width * C, 1 << 20, {width, 1}, a, b));
        T lo = img[width * C], hi = lo;
        for (int x = 1; x < width; ++x) lo = std::min(lo, img[(width + x) * C]), hi = std::max(hi, img[(width + x) * C]);
        EXPECT_EQ(lo, a[0]);
        EXPECT_EQ(hi, b[0]);
    }
}
}  // namespace

TEST(Extrema, SmallImagesAtThePageEnd) {
    extrema_read_only_the_roi<Rvl8u, 1>(rvliMin_8u_C1R, rvliMax_8u_C1R, rvliMinMax_8u_C1R);
    extrema_read_only_the_roi<Rvl8u, 3>(rvliMin_8u_C3R, rvliMax_8u_C3R, rvliMinMax_8u_C3R);
    extrema_read_only_the_roi<Rvl16u, 4>(rvliMin_16u_C4R, rvliMax_16u_C4R, rvliMinMax_16u_C4R);
    extrema_read_only_the_roi<Rvl16s, 4>(rvliMin_16s_AC4R, rvliMax_16s_AC4R, rvliMinMax_16s_AC4R);
    extrema_read_only_the_roi<Rvl32f, 1>(rvliMin_32f_C1R, rvliMax_32f_C1R, rvliMinMax_32f_C1R);
    extrema_read_only_the_roi<Rvl32f, 3>(rvliMin_32f_C3R, rvliMax_32f_C3R, rvliMinMax_32f_C3R);
}
