// Median filters against plain sort-based references: the bordered median
// over every network window, histogram and selection windows, masks larger
// than the ROI, border kinds and in-memory flags, in-place calls, a work
// buffer exactly as large as its query reports, guard bytes and AC4 alpha;
// the cross, colour, weighted-centre and anchored medians and the median of
// three planes; and the check orders.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "rvl.h"
#include "support/border_ref.hpp"
#include "support/guarded.hpp"
#include "support/image.hpp"

namespace {

using namespace rvltest;
using I64 = std::int64_t;

// Random values; with `few`, values from a small set, so that windows hold
// many equal values.
template <class T>
T random_value(Rng& rng, bool few) {
    if (few) return static_cast<T>(rng() % 4 * 3);
    if constexpr (std::is_floating_point_v<T>) return static_cast<T>(static_cast<int>(rng() % 20001) - 10000) / 64;
    else return static_cast<T>(rng());
}

template <class T>
T median_of(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// ---- Buffer size ---------------------------------------------------------------------------

I64 up32(I64 v) { return (v + 31) / 32 * 32; }

I64 median_buffer(I64 W, I64 H, I64 mw, I64 mh, int dt, I64 C) {
    const I64 e = dt == 1 ? 1 : dt == 13 ? 4 : 2;
    const bool large = W > mw && H > mh;
    const bool network = mw < 6 && mh < 6 && (mw == 1 || mh == 1 || mw == mh);
    if (C == 1) {
        const I64 S = network ? 0 : up32((e == 2 ? 8 : 4) * mw * mh);
        if (!large) return S + up32((W + mw - 1) * (H + mh - 1) * e);
        return S + 2 * mh * up32(W * e) + 2 * (up32(H * (mw / 2) * e) + up32(W * (mh / 2) * e)) +
               up32(std::max((W + mw - 1) * (mh + mh / 2) * e, (mw + mw / 2) * (H + mh - 1) * e));
    }
    const I64 n = large ? C * std::max((W + mw - 1) * (mh + mh / 2 - 1), (mw + mw / 2 - 1) * (H + mh - 1))
                        : (W + mw - 1) * C * (H + mh - 1);
    if (e == 1) return up32(n);
    return up32(2 * n) + ((mw < 6 && mh < 6 && mw + mh != 8) ? 0 : mw * 8 * mh);
}

TEST(FilterMedianBorderBufferSize, FollowsTheFormulaOnAGrid) {
    for (int dt : {1, 5, 7, 13})
        for (int c : {1, 3, 4}) {
            if (dt == 13 && c != 1) continue;
            for (int W : {1, 2, 3, 5, 6, 17, 301})
                for (int H : {1, 2, 4, 33})
                    for (int mw : {1, 3, 5, 7, 41})
                        for (int mh : {1, 3, 5, 9}) {
                            SCOPED_TRACE(::testing::Message() << dt << " C" << c << " " << W << "x" << H << " mask " << mw << "x" << mh);
                            int size = -1;
                            ASSERT_EQ(rvliFilterMedianBorderGetBufferSize({W, H}, {mw, mh}, dt, c, &size), rvlResOk);
                            EXPECT_EQ(size, median_buffer(W, H, mw, mh, dt, c));
                        }
        }
}

TEST(FilterMedianBorderBufferSize, ChecksInOrderAndOverflow) {
    int size = 7;
    EXPECT_EQ(rvliFilterMedianBorderGetBufferSize({0, 4}, {2, 3}, 2, 2, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliFilterMedianBorderGetBufferSize({0, 4}, {2, 3}, 2, 2, &size), rvlResBadSize);
    EXPECT_EQ(rvliFilterMedianBorderGetBufferSize({4, 4}, {2, 3}, 2, 2, &size), rvlResBadMaskSize);
    EXPECT_EQ(rvliFilterMedianBorderGetBufferSize({4, 4}, {3, 0}, 2, 2, &size), rvlResBadMaskSize);
    EXPECT_EQ(rvliFilterMedianBorderGetBufferSize({4, 4}, {3, 3}, 19, 1, &size), rvlResBadDataType);
    EXPECT_EQ(rvliFilterMedianBorderGetBufferSize({4, 4}, {3, 3}, 19, 2, &size), rvlResBadChannelCount);
    EXPECT_EQ(rvliFilterMedianBorderGetBufferSize({4, 4}, {3, 3}, 13, 3, &size), rvlResBadDataType);
    EXPECT_EQ(size, 7);
    EXPECT_EQ(rvliFilterMedianBorderGetBufferSize({1 << 20, 1 << 12}, {3, 3001}, 5, 4, &size), rvlResSizeOverflow);
    EXPECT_EQ(size, 0);
}

// ---- The bordered median against the reference ---------------------------------------------

template <class T>
using Call = std::function<RvlResult(const T*, int, T*, int, RvlSize, RvlSize, int, const T*, Rvl8u*)>;

template <class T>
struct Member {
    const char* name;
    int channels;
    bool ac4;
    Call<T> call;
};

template <class T, class F>
Member<T> member(const char* name, int C, bool ac4, F fn) {
    return {name, C, ac4, [fn](const T* s, int ss, T* d, int ds, RvlSize r, RvlSize m, int b, const T* v, Rvl8u* buf) {
                if constexpr (std::is_invocable_v<F, const T*, int, T*, int, RvlSize, RvlSize, RvlBorderMode, T, Rvl8u*>)
                    return fn(s, ss, d, ds, r, m, static_cast<RvlBorderMode>(b), v[0], buf);
                else
                    return fn(s, ss, d, ds, r, m, static_cast<RvlBorderMode>(b), v, buf);
            }};
}

struct Shape {
    int mw, mh, w, h;
};
// Every network window, windows of the histogram and selection methods,
// rows of several chunks, masks wider or taller than the ROI.
const Shape kShapes[] = {{1, 1, 5, 4},   {1, 3, 17, 6},  {3, 1, 33, 3},  {1, 5, 9, 9},   {5, 1, 70, 2},
                         {3, 3, 40, 7},  {5, 5, 45, 9},  {3, 3, 300, 4}, {5, 5, 210, 6}, {3, 5, 21, 8},
                         {7, 7, 30, 12}, {9, 3, 12, 20}, {1, 9, 5, 17},  {15, 15, 40, 20}, {17, 1, 64, 3},
                         {5, 5, 1, 1},   {3, 3, 2, 3},   {7, 7, 3, 3},   {5, 3, 2, 9},   {1, 7, 3, 2}};
const int kBorders[] = {1, 6, 0xF0, 0x11, 0x26, 0x41, 0x86, 0xF6, 0x51, 0xA6, 0xF1};

template <class T>
void check_member(const Member<T>& m, const Shape& sh, int border, bool few, bool inPlace, Rng& rng) {
    SCOPED_TRACE(::testing::Message() << m.name << " mask " << sh.mw << "x" << sh.mh << " roi " << sh.w << "x" << sh.h
                                      << " border 0x" << std::hex << border << std::dec << (few ? " few values" : "")
                                      << (inPlace ? " in place" : ""));
    const int C = m.channels, margin = std::max(sh.mw, sh.mh);
    const auto gen = [few](Rng& r) { return random_value<T>(r, few); };
    TestImage<T> src(sh.w + 2 * margin, sh.h + 2 * margin, C, static_cast<int>(rng() % 3), static_cast<int>(rng() % 4));
    src.fill(rng, gen);
    TestImage<T> dst(sh.w, sh.h, C, static_cast<int>(rng() % 3), static_cast<int>(rng() % 4));
    dst.fill(rng, gen);
    T value[4];
    for (T& v : value) v = gen(rng);
    const int ax = sh.mw / 2, ay = sh.mh / 2;
    const BorderedPixels<T> px{[&](I64 x, I64 y, int c) { return src.at(int(x + margin), int(y + margin), c); },
                               sh.w, sh.h, ax, ax, ay, ay, border, value};
    TestImage<T> want = inPlace ? src : dst;
    std::vector<T> window;
    for (int y = 0; y < sh.h; ++y)
        for (int x = 0; x < sh.w; ++x)
            for (int c = 0; c < (m.ac4 ? 3 : C); ++c) {
                window.clear();
                for (int j = -ay; j <= ay; ++j)
                    for (int i = -ax; i <= ax; ++i) window.push_back(px(x + i, y + j, c));
                if (inPlace) want.set(x + margin, y + margin, c, median_of(window));
                else want.set(x, y, c, median_of(window));
            }
    int bytes = 0;
    ASSERT_EQ(rvliFilterMedianBorderGetBufferSize({sh.w, sh.h}, {sh.mw, sh.mh}, type_code<T>(), C, &bytes), rvlResOk);
    GuardedBlock buffer(static_cast<std::size_t>(bytes), Edge::End);  // one byte more would fault
    T* roi = reinterpret_cast<T*>(reinterpret_cast<char*>(src.data()) + margin * src.step()) + margin * C;
    if (inPlace) {
        const int ignoredStep = static_cast<int>(sizeof(T)) * (1 + static_cast<int>(rng() % 500));
        ASSERT_EQ(m.call(roi, ignoredStep, roi, src.step(), {sh.w, sh.h}, {sh.mw, sh.mh}, border, value, buffer.data()),
                  rvlResOk);
        EXPECT_TRUE(same_bytes(src, want));
    } else {
        ASSERT_EQ(m.call(roi, src.step(), dst.data(), dst.step(), {sh.w, sh.h}, {sh.mw, sh.mh}, border, value, buffer.data()),
                  rvlResOk);
        EXPECT_TRUE(same_bytes(dst, want));
    }
}

template <class T>
void run_table(const std::vector<Member<T>>& members) {
    Rng rng(0x3ed1 + sizeof(T));
    for (const auto& m : members)
        for (const Shape& sh : kShapes)
            for (int k = 0; k < 4; ++k) {
                const int border = k == 0 ? 1 : kBorders[rng() % std::size(kBorders)];
                check_member(m, sh, border, k == 1, k == 2, rng);
                if (::testing::Test::HasFatalFailure()) return;
            }
}

#define MEDIAN_LAYOUTS(T, prefix)                                                                            \
    member<T>(#prefix "_C1R", 1, false, prefix##_C1R), member<T>(#prefix "_C3R", 3, false, prefix##_C3R), \
        member<T>(#prefix "_C4R", 4, false, prefix##_C4R), member<T>(#prefix "_AC4R", 4, true, prefix##_AC4R)

TEST(FilterMedianBorder, EveryMemberAgainstSortedWindows) {
    run_table<Rvl8u>({MEDIAN_LAYOUTS(Rvl8u, rvliFilterMedianBorder_8u)});
    run_table<Rvl16u>({MEDIAN_LAYOUTS(Rvl16u, rvliFilterMedianBorder_16u)});
    run_table<Rvl16s>({MEDIAN_LAYOUTS(Rvl16s, rvliFilterMedianBorder_16s)});
    run_table<Rvl32f>({member<Rvl32f>("rvliFilterMedianBorder_32f_C1R", 1, false, rvliFilterMedianBorder_32f_C1R)});
}

// In place with a one-row window over a multi-channel image whose buffer
// holds less than a row: filtered in chunks.
TEST(FilterMedianBorder, InPlaceOneRowWindowsWithSmallBuffers) {
    Rng rng(77);
    for (const Shape sh : {Shape{3, 1, 700, 2}, Shape{9, 1, 500, 3}, Shape{5, 1, 1000, 2}}) {
        check_member(member<Rvl8u>("8u_C3R", 3, false, rvliFilterMedianBorder_8u_C3R), sh, 1, false, true, rng);
        check_member(member<Rvl16s>("16s_AC4R", 4, true, rvliFilterMedianBorder_16s_AC4R), sh, 6, false, true, rng);
        check_member(member<Rvl16u>("16u_C4R", 4, false, rvliFilterMedianBorder_16u_C4R), sh, 0x41, false, true, rng);
    }
}

TEST(FilterMedianBorder, ExamplesAndEdgeCases) {
    // A 3x3 window holding 1 .. 9 in any order gives 5.
    std::vector<Rvl8u> nine = {7, 2, 9, 4, 1, 8, 3, 6, 5}, out(9, 0);
    std::vector<Rvl8u> buffer(4096);
    ASSERT_EQ(rvliFilterMedianBorder_8u_C1R(nine.data(), 3, out.data(), 3, {3, 3}, {3, 3}, rvlBorderReplicate, 0,
                                            buffer.data()),
              rvlResOk);
    EXPECT_EQ(out[4], 5);
    // A 1x1 window in place writes nothing and succeeds.
    std::vector<Rvl16u> img = {1, 2, 3, 4};
    ASSERT_EQ(rvliFilterMedianBorder_16u_C1R(img.data(), 4, img.data(), 4, {2, 2}, {1, 1}, rvlBorderReplicate, 0, nullptr),
              rvlResNullPointer);
    Rvl8u one = 0;
    EXPECT_EQ(rvliFilterMedianBorder_16u_C1R(img.data(), 4, img.data(), 4, {2, 2}, {1, 1}, rvlBorderReplicate, 0, &one),
              rvlResOk);
    EXPECT_EQ(img, (std::vector<Rvl16u>{1, 2, 3, 4}));
}

TEST(FilterMedianBorder, ChecksInOrderAndWritesNothingOnError) {
    std::vector<Rvl16u> src(64, 5), dst(64, 9);
    std::vector<Rvl8u> buf(4096);
    const Rvl16u* s = src.data();
    Rvl16u* d = dst.data();
    const auto c1 = [&](const Rvl16u* a, Rvl16u* b, Rvl8u* p, RvlSize roi, int step, RvlSize mask, int border) {
        return rvliFilterMedianBorder_16u_C1R(a, step, b, 16, roi, mask, static_cast<RvlBorderMode>(border), 0, p);
    };
    EXPECT_EQ(c1(nullptr, d, buf.data(), {0, 4}, 3, {2, 2}, 3), rvlResNullPointer);
    EXPECT_EQ(c1(s, d, nullptr, {0, 4}, 3, {2, 2}, 3), rvlResNullPointer);
    EXPECT_EQ(c1(s, d, buf.data(), {0, 4}, 3, {2, 2}, 3), rvlResBadSize);
    EXPECT_EQ(c1(s, d, buf.data(), {4, 4}, 3, {2, 2}, 3), rvlResStepNotMultiple);
    EXPECT_EQ(c1(s, d, buf.data(), {4, 4}, 16, {2, 3}, 3), rvlResBadMaskSize);
    EXPECT_EQ(c1(s, d, buf.data(), {4, 4}, 16, {3, 0}, 3), rvlResBadMaskSize);
    for (int border : {3, 0, 7, 0x100, 0x13, 2})
        EXPECT_EQ(c1(s, d, buf.data(), {4, 4}, 16, {3, 3}, border), rvlResBadBorder) << border;
    // The mirror kind is refused by every type.
    EXPECT_EQ(rvliFilterMedianBorder_8u_C1R(reinterpret_cast<const Rvl8u*>(s), 16, reinterpret_cast<Rvl8u*>(d), 16,
                                            {4, 4}, {3, 3}, rvlBorderMirror, 0, buf.data()),
              rvlResBadBorder);
    EXPECT_EQ(rvliFilterMedianBorder_32f_C1R(reinterpret_cast<const Rvl32f*>(s), 32, reinterpret_cast<Rvl32f*>(d), 32,
                                             {4, 4}, {3, 3}, rvlBorderMirror, 0, buf.data()),
              rvlResBadBorder);
    // 32f steps are multiples of 4.
    EXPECT_EQ(rvliFilterMedianBorder_32f_C1R(reinterpret_cast<const Rvl32f*>(s), 30, reinterpret_cast<Rvl32f*>(d), 32,
                                             {4, 4}, {3, 3}, rvlBorderMirror, 0, buf.data()),
              rvlResStepNotMultiple);
    // Multi-channel: the constants are needed only for the constant kind.
    EXPECT_EQ(rvliFilterMedianBorder_16s_C3R(reinterpret_cast<const Rvl16s*>(s), 24, reinterpret_cast<Rvl16s*>(d), 24,
                                             {4, 4}, {3, 3}, rvlBorderConstant, nullptr, buf.data()),
              rvlResNullPointer);
    EXPECT_TRUE(std::all_of(dst.begin(), dst.end(), [](Rvl16u v) { return v == 9; }));
    EXPECT_EQ(rvliFilterMedianBorder_16s_C3R(reinterpret_cast<const Rvl16s*>(s), 24, reinterpret_cast<Rvl16s*>(d), 24,
                                             {4, 4}, {3, 3}, rvlBorderReplicate, nullptr, buf.data()),
              rvlResOk);
}

// ---- Medians of neighbours read from memory -------------------------------------------------

// A source with `margin` pixels around a w x h ROI, and the ROI's pointer.
template <class T>
struct Framed {
    TestImage<T> img;
    int margin, C;
    Framed(int w, int h, int C_, int margin_, Rng& rng, bool few)
        : img(w + 2 * margin_, h + 2 * margin_, C_, static_cast<int>(rng() % 3), static_cast<int>(rng() % 3)),
          margin(margin_), C(C_) {
        img.fill(rng, [few](Rng& r) { return random_value<T>(r, few); });
    }
    T at(int x, int y, int c) const { return img.at(x + margin, y + margin, c); }
    T* roi() { return reinterpret_cast<T*>(reinterpret_cast<char*>(img.data()) + margin * img.step()) + margin * C; }
};

template <class T, class Fn>
void cross_case(Fn fn, int C, bool ac4, Rng& rng) {
    for (int mask : {33, 55})
        for (int w : {1, 7, 33, 70})
            for (bool few : {false, true}) {
                SCOPED_TRACE(::testing::Message() << "C" << C << " mask " << mask << " width " << w);
                const int r = mask == 33 ? 1 : 2, h = 5;
                Framed<T> src(w, h, C, r, rng, few);
                TestImage<T> dst(w, h, C, 1, 1);
                dst.fill(rng, [](Rng& g) { return random_value<T>(g, false); });
                TestImage<T> want = dst;
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x)
                        for (int c = 0; c < C; ++c) {  // AC4 too: the fourth channel is filtered
                            std::vector<T> v;
                            for (int k = -r; k <= r; ++k) v.push_back(src.at(x + k, y, c));
                            for (int k = -r; k <= r; ++k)
                                if (k) v.push_back(src.at(x, y + k, c));
                            want.set(x, y, c, median_of(v));
                        }
                (void)ac4;
                ASSERT_EQ(fn(src.roi(), src.img.step(), dst.data(), dst.step(), RvlSize{w, h}, mask), rvlResOk);
                EXPECT_TRUE(same_bytes(dst, want));
            }
}

TEST(FilterMedianCross, EveryMemberAgainstSortedCrosses) {
    Rng rng(5);
    cross_case<Rvl8u>(rvliFilterMedianCross_8u_C1R, 1, false, rng);
    cross_case<Rvl8u>(rvliFilterMedianCross_8u_C3R, 3, false, rng);
    cross_case<Rvl8u>(rvliFilterMedianCross_8u_AC4R, 4, true, rng);
    cross_case<Rvl16u>(rvliFilterMedianCross_16u_C1R, 1, false, rng);
    cross_case<Rvl16u>(rvliFilterMedianCross_16u_C3R, 3, false, rng);
    cross_case<Rvl16u>(rvliFilterMedianCross_16u_AC4R, 4, true, rng);
    cross_case<Rvl16s>(rvliFilterMedianCross_16s_C1R, 1, false, rng);
    cross_case<Rvl16s>(rvliFilterMedianCross_16s_C3R, 3, false, rng);
    cross_case<Rvl16s>(rvliFilterMedianCross_16s_AC4R, 4, true, rng);
}

// The colour median as documented: each pixel's sum of L1 distances to every
// pixel of the window, added in row order (single precision for 32f; each
// distance (|dR| + |dG|) + |dB|); the smallest sum, the centre among equal
// ones, else the first in row order.
template <class T, class Fn>
void color_case(Fn fn, int CS, Rng& rng) {
    using Acc = std::conditional_t<std::is_floating_point_v<T>, float, I64>;
    for (int mask : {33, 55})
        for (int w : {1, 9, 64, 67, 130})
            for (bool few : {false, true}) {
                SCOPED_TRACE(::testing::Message() << "C" << CS << " mask " << mask << " width " << w);
                const int r = mask == 33 ? 1 : 2, m = 2 * r + 1, h = 4;
                Framed<T> src(w, h, CS, r, rng, few);
                TestImage<T> dst(w, h, CS, 2, 1);
                dst.fill(rng, [](Rng& g) { return random_value<T>(g, false); });
                TestImage<T> want = dst;
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x) {
                        std::vector<Acc> sums;
                        for (int a = 0; a < m * m; ++a) {
                            Acc s = 0;
                            for (int b = 0; b < m * m; ++b) {
                                if (a == b) continue;
                                Acc d[3];
                                for (int c = 0; c < 3; ++c) {
                                    const Acc p = src.at(x - r + a % m, y - r + a / m, c);
                                    const Acc q = src.at(x - r + b % m, y - r + b / m, c);
                                    d[c] = p > q ? p - q : q - p;
                                }
                                s += (d[0] + d[1]) + d[2];
                            }
                            sums.push_back(s);
                        }
                        int pick = m * m / 2;
                        for (int a = 0; a < m * m; ++a)
                            if (sums[a] < sums[pick]) pick = a;
                        for (int c = 0; c < 3; ++c) want.set(x, y, c, src.at(x - r + pick % m, y - r + pick / m, c));
                    }
                ASSERT_EQ(fn(src.roi(), src.img.step(), dst.data(), dst.step(), RvlSize{w, h}, mask), rvlResOk);
                EXPECT_TRUE(same_bytes(dst, want));  // AC4: the fourth channel unchanged
            }
}

TEST(FilterMedianColor, EveryMemberPicksTheDocumentedPixel) {
    Rng rng(6);
    color_case<Rvl8u>(rvliFilterMedianColor_8u_C3R, 3, rng);
    color_case<Rvl8u>(rvliFilterMedianColor_8u_AC4R, 4, rng);
    color_case<Rvl16s>(rvliFilterMedianColor_16s_C3R, 3, rng);
    color_case<Rvl16s>(rvliFilterMedianColor_16s_AC4R, 4, rng);
    color_case<Rvl32f>(rvliFilterMedianColor_32f_C3R, 3, rng);
    color_case<Rvl32f>(rvliFilterMedianColor_32f_AC4R, 4, rng);
}

TEST(FilterMedianWeightedCenter, EveryWeightAgainstTheMultiset) {
    Rng rng(7);
    for (int weight = 1; weight <= 11; ++weight)
        for (int w : {1, 31, 32, 33, 100})
            for (bool few : {false, true}) {
                SCOPED_TRACE(::testing::Message() << "weight " << weight << " width " << w);
                const int h = 3, used = weight % 2 ? weight : weight - 1;
                Framed<Rvl8u> src(w, h, 1, 1, rng, few);
                TestImage<Rvl8u> dst(w, h, 1, 3, 2);
                dst.fill(rng, [](Rng& g) { return random_value<Rvl8u>(g, false); });
                TestImage<Rvl8u> want = dst;
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x) {
                        std::vector<Rvl8u> v;
                        for (int j = -1; j <= 1; ++j)
                            for (int i = -1; i <= 1; ++i)
                                if (i || j) v.push_back(src.at(x + i, y + j, 0));
                        for (int k = 0; k < used; ++k) v.push_back(src.at(x, y, 0));
                        want.set(x, y, 0, median_of(v));
                    }
                const RvlResult st = rvliFilterMedianWeightedCenter3x3_8u_C1R(src.roi(), src.img.step(), dst.data(),
                                                                              dst.step(), {w, h}, weight);
                EXPECT_EQ(st, weight % 2 ? rvlResOk : rvlResWarnEvenWeight);
                EXPECT_TRUE(same_bytes(dst, want));
            }
}

template <class T, class Fn>
void anchored_case(Fn fn, int C, Rng& rng) {
    const RvlSize masks[] = {{1, 1}, {3, 3}, {5, 5}, {1, 3}, {5, 1}, {3, 5}, {7, 7}, {1, 9}, {11, 3}};
    for (RvlSize mask : masks)
        for (int w : {1, 5, 17, 40}) {
            const RvlPoint anchor = {static_cast<int>(rng() % mask.width), static_cast<int>(rng() % mask.height)};
            SCOPED_TRACE(::testing::Message() << "C" << C << " mask " << mask.width << "x" << mask.height << " anchor "
                                              << anchor.x << "," << anchor.y << " width " << w);
            const int h = 6, margin = std::max(mask.width, mask.height);
            Framed<T> src(w, h, C, margin, rng, false);
            TestImage<T> dst(w, h, C, 1, 1);
            dst.fill(rng, [](Rng& g) { return random_value<T>(g, false); });
            TestImage<T> want = dst;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    for (int c = 0; c < C; ++c) {
                        std::vector<T> v;
                        for (int j = 0; j < mask.height; ++j)
                            for (int i = 0; i < mask.width; ++i) v.push_back(src.at(x - anchor.x + i, y - anchor.y + j, c));
                        want.set(x, y, c, median_of(v));
                    }
            int bytes = 0;
            ASSERT_EQ((std::is_same_v<T, Rvl32f> ? rvliFilterMedianGetBufferSize_32f : rvliFilterMedianGetBufferSize_64f)(
                          {w, h}, mask, C, &bytes),
                      rvlResOk);
            GuardedBlock buffer(static_cast<std::size_t>(bytes), Edge::End);
            ASSERT_EQ(fn(src.roi(), src.img.step(), dst.data(), dst.step(), RvlSize{w, h}, mask, anchor, buffer.data()),
                      rvlResOk);
            EXPECT_TRUE(same_bytes(dst, want));
        }
}

TEST(FilterMedianAnchored, EveryMemberAgainstSortedWindows) {
    Rng rng(8);
    anchored_case<Rvl32f>(rvliFilterMedian_32f_C3R, 3, rng);
    anchored_case<Rvl32f>(rvliFilterMedian_32f_C4R, 4, rng);
    anchored_case<Rvl64f>(rvliFilterMedian_64f_C1R, 1, rng);
}

TEST(MedianOfPlanes, AgainstTheMiddleValue) {
    Rng rng(9);
    for (int w : odd_widths()) {
        TestImage<Rvl8u> p0(w, 3, 1, 2, 1), p1(w, 3, 1, 2, 1), p2(w, 3, 1, 2, 1), dst(w, 3, 1, 1, 3);
        for (auto* p : {&p0, &p1, &p2, &dst}) p->fill(rng, [](Rng& g) { return random_value<Rvl8u>(g, g() % 2); });
        TestImage<Rvl8u> want = dst;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < w; ++x) want.set(x, y, 0, median_of<Rvl8u>({p0.at(x, y, 0), p1.at(x, y, 0), p2.at(x, y, 0)}));
        const Rvl8u* planes[3] = {p0.data(), p1.data(), p2.data()};
        ASSERT_EQ(rvliMedian_8u_P3C1R(planes, p0.step(), dst.data(), dst.step(), {w, 3}), rvlResOk);
        EXPECT_TRUE(same_bytes(dst, want)) << "width " << w;
    }
}

TEST(MediansFromMemory, ChecksInOrder) {
    std::vector<Rvl8u> a(64, 1), b(64, 2);
    Rvl8u* d = b.data() + 20;
    const Rvl8u* s = a.data() + 20;
    EXPECT_EQ(rvliFilterMedianCross_8u_C1R(nullptr, 8, d, 8, {0, 1}, 0), rvlResNullPointer);
    EXPECT_EQ(rvliFilterMedianCross_8u_C1R(s, 0, d, 8, {0, 1}, 0), rvlResBadSize);
    EXPECT_EQ(rvliFilterMedianCross_8u_C1R(s, 0, d, 8, {1, 1}, 0), rvlResBadStep);
    EXPECT_EQ(rvliFilterMedianCross_8u_C1R(s, 8, d, 8, {1, 1}, 35), rvlResBadMaskSize);
    EXPECT_EQ(rvliFilterMedianColor_8u_C3R(s, 8, nullptr, 8, {0, 1}, 0), rvlResNullPointer);
    EXPECT_EQ(rvliFilterMedianColor_8u_C3R(s, 8, d, 8, {1, -1}, 0), rvlResBadSize);
    EXPECT_EQ(rvliFilterMedianColor_8u_C3R(s, 8, d, -8, {1, 1}, 0), rvlResBadStep);
    EXPECT_EQ(rvliFilterMedianColor_8u_C3R(s, 8, d, 8, {1, 1}, 53), rvlResBadMaskSize);
    EXPECT_EQ(rvliFilterMedianWeightedCenter3x3_8u_C1R(s, 8, nullptr, 8, {0, 1}, 0), rvlResNullPointer);
    EXPECT_EQ(rvliFilterMedianWeightedCenter3x3_8u_C1R(s, 0, d, 8, {1, 0}, 0), rvlResBadSize);
    EXPECT_EQ(rvliFilterMedianWeightedCenter3x3_8u_C1R(s, 0, d, 8, {1, 1}, 0), rvlResBadStep);
    EXPECT_EQ(rvliFilterMedianWeightedCenter3x3_8u_C1R(s, 8, d, 8, {1, 1}, 0), rvlResBadWeight);
    EXPECT_EQ(rvliFilterMedianWeightedCenter3x3_8u_C1R(s, 8, d, 8, {1, 1}, -2), rvlResBadWeight);

    Rvl64f src[64] = {}, dst[64];
    std::fill(std::begin(dst), std::end(dst), 3.0);
    Rvl8u buf[4096];
    const auto anchored = [&](Rvl8u* p, RvlSize roi, int step, RvlSize mask, RvlPoint anchor) {
        return rvliFilterMedian_64f_C1R(src + 20, step, dst, 64, roi, mask, anchor, p);
    };
    EXPECT_EQ(anchored(nullptr, {0, 1}, 0, {2, 2}, {-1, 0}), rvlResNullPointer);
    EXPECT_EQ(anchored(buf, {0, 1}, 0, {2, 2}, {-1, 0}), rvlResBadSize);
    EXPECT_EQ(anchored(buf, {2, 1}, 0, {2, 2}, {-1, 0}), rvlResBadStep);
    EXPECT_EQ(anchored(buf, {2, 1}, 8, {2, 2}, {-1, 0}), rvlResBadMaskSize);
    EXPECT_EQ(anchored(buf, {2, 1}, 8, {3, 3}, {-1, 0}), rvlResBadAnchor);
    EXPECT_EQ(anchored(buf, {2, 1}, 8, {3, 3}, {1, 3}), rvlResBadAnchor);
    EXPECT_EQ(anchored(buf, {2, 1}, 8 * 4 - 1, {3, 3}, {1, 1}), rvlResBadStep);  // below (W + mw - 1) pixels
    EXPECT_TRUE(std::all_of(std::begin(dst), std::end(dst), [](double v) { return v == 3.0; }));
    int size = 5;
    EXPECT_EQ(rvliFilterMedianGetBufferSize_32f({1, 1}, {3, 3}, 2, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliFilterMedianGetBufferSize_32f({0, 1}, {2, 3}, 2, &size), rvlResBadSize);
    EXPECT_EQ(rvliFilterMedianGetBufferSize_32f({1, 1}, {2, 3}, 2, &size), rvlResBadMaskSize);
    EXPECT_EQ(rvliFilterMedianGetBufferSize_64f({1, 1}, {3, 3}, 2, &size), rvlResBadChannelCount);
    EXPECT_EQ(size, 5);
    EXPECT_EQ(rvliFilterMedianGetBufferSize_32f({1, 1}, {3, 5}, 3, &size), rvlResOk);
    EXPECT_EQ(size, 3 * 5 * 4);
    EXPECT_EQ(rvliFilterMedianGetBufferSize_64f({1, 1}, {3, 5}, 1, &size), rvlResOk);
    EXPECT_EQ(size, (3 * 17 * 5 * 8 + 208) & ~15);

    const Rvl8u* planes[3] = {s, nullptr, s};
    EXPECT_EQ(rvliMedian_8u_P3C1R(nullptr, 8, d, 8, {0, 1}), rvlResNullPointer);
    EXPECT_EQ(rvliMedian_8u_P3C1R(planes, 8, d, 8, {0, 1}), rvlResBadSize);
    EXPECT_EQ(rvliMedian_8u_P3C1R(planes, 8, d, 8, {1, 1}), rvlResNullPointer);
    EXPECT_TRUE(std::all_of(b.begin(), b.end(), [](Rvl8u v) { return v == 2; }));
}

}  // namespace
