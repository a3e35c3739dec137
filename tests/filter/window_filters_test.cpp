// Box filter, window sums, one-dimensional sums and minimum/maximum filters
// against plain windowed references: every member over masks from 1x1 to
// larger than the ROI (even ones too), odd widths, every border kind and
// in-memory flag, padded steps, guard bytes, AC4 alpha, in-place calls, the
// work buffer exactly as large as its query reports, and the check orders.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "rvl.h"
#include "support/border_ref.hpp"
#include "support/guarded.hpp"
#include "support/image.hpp"
#include "support/reference.hpp"

namespace {

using namespace rvltest;
using I64 = std::int64_t;

template <class T>
constexpr int elem_bytes() {
    return std::is_same_v<T, Rvl8u> ? 1 : std::is_same_v<T, Rvl32f> ? 4 : 2;
}

template <class T>
T random_value(Rng& rng) {
    if constexpr (std::is_same_v<T, Rvl32f>) return static_cast<float>(static_cast<int>(rng() % 20001) - 10000) / 64.0f;
    else return static_cast<T>(rng());
}

// ---- Buffer sizes ---------------------------------------------------------------

I64 box_buffer(I64 W, I64 H, I64 mw, I64 mh, int dt, I64 C) {
    const I64 e = dt == 1 ? 1 : dt == 13 ? 4 : 2;
    const I64 ax = (mw - 1) / 2, ay = (mh - 1) / 2, R = mw - ax - 1, Bt = mh - ay - 1;
    const bool large = W - ax - R > mw && H - ay - Bt > mh;
    I64 p3 = W * C * (ay + 1) * e + 64, p4 = 8 * ay + 8;
    if (large && dt == 13 && C == 1) p3 = ((W + 3) / 4 * 4) * mh * 4 + 64, p4 = 0;
    if (!large) p3 = std::max(p3, e * (W + mw - 1) * (H + mh - 1) * C);
    const I64 X = W + mw, Y = H + mh;
    const I64 p29 = (X - 1) * (Bt + mh - 1), p30 = (Y - 1) * (R + mw - 1);
    const I64 p31 = mw == 2 ? Y + p30 - 1 : p30;
    const I64 p32 = (mh == 2 ? X + p29 - 1 : p29) + p30 + p31;
    return 4 * C * (p29 + p32) + (C == 1 ? 4 : 16) * (X + 3) + p3 + p4;
}

I64 extreme_buffer(I64 W, I64 H, I64 mw, I64 mh, int dt, I64 C) {
    const I64 e = dt == 1 ? 1 : dt == 13 ? 4 : 2;
    const I64 ay = (mh - 1) / 2, Bt = mh - ay - 1, ax = (mw - 1) / 2, R = mw - ax - 1;
    I64 E;
    if (mw >= W || mh >= H) {
        E = (W + mw - 1) * (H + mh - 1);
    } else {
        E = Bt > 0 ? (W + mw - 1) * (mh + Bt - 1) : 0;
        if (R > 0) E = std::max(E, (H + mh - 1) * (mw + R - 1));
    }
    const auto up = [](I64 v) { return (v + 31) / 32 * 32; };
    return up(E * e * C) + mh * up(W * C * e) + up(mw * C * e) + (dt == 13 ? 64 : 0) + 32;
}

using SizeQuery = RvlResult (*)(RvlSize, RvlSize, int, int, int*);

TEST(WindowBufferSizes, FollowTheFormulasOnAGrid) {
    const int dims[] = {1, 2, 3, 5, 8, 17, 64, 301};
    for (int dt : {1, 5, 7, 13})
        for (int c : {1, 3, 4})
            for (int W : dims)
                for (int H : {1, 2, 4, 33})
                    for (int mw : {1, 2, 3, 4, 9, 40})
                        for (int mh : {1, 2, 3, 6, 31}) {
                            SCOPED_TRACE(::testing::Message() << dt << " C" << c << " " << W << "x" << H << " mask " << mw << "x" << mh);
                            int a = -1, b = -1, m = -1, n = -1;
                            ASSERT_EQ(rvliFilterBoxBorderGetBufferSize({W, H}, {mw, mh}, dt, c, &a), rvlResOk);
                            ASSERT_EQ(rvliSumWindowGetBufferSize({W, H}, {mw, mh}, dt, c, &b), rvlResOk);
                            EXPECT_EQ(a, box_buffer(W, H, mw, mh, dt, c));
                            EXPECT_EQ(a, b);
                            ASSERT_EQ(rvliFilterMaxBorderGetBufferSize({W, H}, {mw, mh}, dt, c, &m), rvlResOk);
                            ASSERT_EQ(rvliFilterMinBorderGetBufferSize({W, H}, {mw, mh}, dt, c, &n), rvlResOk);
                            EXPECT_EQ(m, extreme_buffer(W, H, mw, mh, dt, c));
                            EXPECT_EQ(m, n);
                        }
}

TEST(WindowBufferSizes, ChecksInOrderAndOverflow) {
    int size = 7;
    for (SizeQuery q : {rvliFilterBoxBorderGetBufferSize, rvliSumWindowGetBufferSize}) {
        EXPECT_EQ(q({0, 4}, {0, 3}, 2, 2, nullptr), rvlResNullPointer);
        EXPECT_EQ(q({0, 4}, {0, 3}, 2, 2, &size), rvlResBadSize);
        EXPECT_EQ(q({4, 4}, {3, 0}, 2, 2, &size), rvlResBadMaskSize);
        EXPECT_EQ(q({4, 4}, {3, 3}, 2, 2, &size), rvlResBadDataType);  // the type before the channels
        EXPECT_EQ(q({4, 4}, {3, 3}, 1, 2, &size), rvlResBadChannelCount);
        EXPECT_EQ(q({1 << 20, 1 << 12}, {3, 3000}, 13, 4, &size), rvlResSizeOverflow);
        EXPECT_EQ(q({2000000000, 2000000000}, {2000000000, 2000000000}, 13, 4, &size), rvlResSizeOverflow);
    }
    for (SizeQuery q : {rvliFilterMaxBorderGetBufferSize, rvliFilterMinBorderGetBufferSize}) {
        EXPECT_EQ(q({0, 4}, {0, 3}, 2, 2, nullptr), rvlResNullPointer);
        EXPECT_EQ(q({4, 0}, {0, 3}, 2, 2, &size), rvlResBadSize);
        EXPECT_EQ(q({4, 4}, {0, 3}, 2, 2, &size), rvlResBadMaskSize);
        EXPECT_EQ(q({4, 4}, {3, 3}, 2, 2, &size), rvlResBadChannelCount);  // the channels before the type
        EXPECT_EQ(q({4, 4}, {3, 3}, 2, 1, &size), rvlResBadDataType);
    }
    EXPECT_EQ(size, 7);
}

// ---- One call against the reference --------------------------------------------------

enum class Kind { Mean, Sum, Max, Min };

template <class S, class D>
using Call = std::function<RvlResult(const S*, int, D*, int, RvlSize, RvlSize, int, const S*, Rvl8u*)>;

template <class S, class D>
struct Member {
    const char* name;
    Kind kind;
    int channels;  // stored per pixel
    bool ac4;
    Call<S, D> call;
};

// The documented value of one output element from the window's pixels.
template <class S, class D>
D expected(Kind kind, const std::vector<S>& window) {
    if (kind == Kind::Max || kind == Kind::Min) {
        S v = window[0];
        for (S p : window) {
            if (std::is_floating_point_v<S> && (v != v || p != p)) return std::numeric_limits<S>::quiet_NaN();
            v = kind == Kind::Max ? std::max(v, p) : std::min(v, p);
        }
        return static_cast<D>(v);
    }
    long double sum = 0;
    for (S p : window) sum += p;
    if (kind == Kind::Sum) return static_cast<D>(sum);
    const float f = static_cast<float>(sum) * (1.0f / static_cast<float>(window.size()));
    if constexpr (std::is_floating_point_v<D>) return f;
    else if constexpr (std::is_signed_v<D>) return static_cast<D>(static_cast<I64>(f >= 0 ? f + 0.5f : f - 0.5f));
    else return static_cast<D>(static_cast<I64>(f + 0.5f));
}

// Single-precision sums of 32f data: within a few units of the largest
// magnitude the running sums pass through.
template <class D>
bool close(D got, D want, double scale) {
    if constexpr (std::is_same_v<D, float>) {
        if (std::isnan(want)) return std::isnan(got);
        return std::fabs(double(got) - double(want)) <= 2e-5 * scale + 1e-6;
    } else {
        return got == want;
    }
}

struct Shape {
    int mw, mh, w, h;
};
const Shape kShapes[] = {{1, 1, 5, 4},    {2, 1, 17, 3},  {1, 2, 6, 5},   {2, 2, 19, 6},  {3, 3, 40, 7},
                         {5, 3, 33, 9},   {4, 4, 21, 8},  {1, 7, 18, 12}, {7, 1, 300, 3}, {5, 5, 1, 1},
                         {3, 3, 2, 3},    {9, 2, 3, 30},  {2, 9, 30, 3},  {11, 11, 70, 20}, {31, 9, 40, 12},
                         {12, 12, 5, 5},  {6, 13, 45, 33}, {17, 6, 129, 7}, {1, 33, 1, 5},  {33, 1, 5, 2}};
const int kBorders[] = {1, 3, 6, 0xF0, 0x11, 0x23, 0x46, 0x83, 0xF6, 0x51, 0xA3, 0xF1};

template <class S, class D>
void check_member(const Member<S, D>& m, const Shape& sh, int border, Rng& rng, bool inPlace = false) {
    SCOPED_TRACE(::testing::Message() << m.name << " mask " << sh.mw << "x" << sh.mh << " roi " << sh.w << "x" << sh.h
                                      << " border 0x" << std::hex << border << std::dec << (inPlace ? " in place" : ""));
    const int C = m.channels, margin = std::max(sh.mw, sh.mh);
    TestImage<S> src(sh.w + 2 * margin, sh.h + 2 * margin, C, static_cast<int>(rng() % 3), static_cast<int>(rng() % 4));
    src.fill(rng, random_value<S>);
    TestImage<D> dst(sh.w, sh.h, C, static_cast<int>(rng() % 3), static_cast<int>(rng() % 4));
    dst.fill(rng, random_value<D>);
    S value[4];
    for (S& v : value) v = random_value<S>(rng);
    const int ax = (sh.mw - 1) / 2, ay = (sh.mh - 1) / 2;
    const BorderedPixels<S> px{[&](I64 x, I64 y, int c) { return src.at(int(x + margin), int(y + margin), c); },
                               sh.w, sh.h, ax, sh.mw - 1 - ax, ay, sh.mh - 1 - ay, border, value};

    // The expected image: the destination (or, in place, the whole source)
    // with the ROI's processed channels replaced.
    TestImage<S> wantSrc = src;
    TestImage<D> want = dst;
    double scale = 1;
    std::vector<S> window;
    for (int y = 0; y < sh.h; ++y)
        for (int x = 0; x < sh.w; ++x)
            for (int c = 0; c < (m.ac4 ? 3 : C); ++c) {
                window.clear();
                double abs = 0;
                for (int j = 0; j < sh.mh; ++j)
                    for (int i = 0; i < sh.mw; ++i) {
                        window.push_back(px(x - ax + i, y - ay + j, c));
                        abs += std::fabs(double(window.back()));
                    }
                scale = std::max(scale, abs);
                const D v = expected<S, D>(m.kind, window);
                if constexpr (std::is_same_v<S, D>) {
                    if (inPlace) wantSrc.set(x + margin, y + margin, c, v);
                }
                want.set(x, y, c, v);
            }
    if (m.kind == Kind::Mean) scale /= double(sh.mw) * sh.mh;

    const int dt = type_code<S>();
    int bytes = 0;
    const bool extreme = m.kind == Kind::Max || m.kind == Kind::Min;
    ASSERT_EQ((extreme ? rvliFilterMaxBorderGetBufferSize : rvliFilterBoxBorderGetBufferSize)({sh.w, sh.h}, {sh.mw, sh.mh}, dt, C, &bytes),
              rvlResOk);
    GuardedBlock buffer(static_cast<std::size_t>(bytes), Edge::End);  // one byte more would fault
    const S* roi = reinterpret_cast<const S*>(reinterpret_cast<const char*>(src.data()) + margin * src.step()) + margin * C;
    RvlResult st;
    if constexpr (std::is_same_v<S, D>) {
        if (inPlace) {
            S* p = const_cast<S*>(roi);
            st = m.call(p, 1 + static_cast<int>(rng() % 5000), p, src.step(), {sh.w, sh.h}, {sh.mw, sh.mh}, border, value,
                        buffer.data());
            ASSERT_EQ(st, rvlResOk);
            for (int y = 0; y < src.height(); ++y)
                for (int x = 0; x < src.width(); ++x)
                    for (int c = 0; c < C; ++c)
                        ASSERT_TRUE(close(src.at(x, y, c), wantSrc.at(x, y, c), scale)) << "at " << x << ", " << y << " channel " << c;
            return;
        }
    }
    st = m.call(roi, src.step(), dst.data(), dst.step(), {sh.w, sh.h}, {sh.mw, sh.mh}, border, value, buffer.data());
    ASSERT_EQ(st, rvlResOk);
    if (std::is_integral_v<D> || extreme) {
        EXPECT_TRUE(same_bytes(dst, want));
    } else {
        for (int y = 0; y < sh.h; ++y)
            for (int x = 0; x < sh.w; ++x)
                for (int c = 0; c < C; ++c)
                    ASSERT_TRUE(close(dst.at(x, y, c), want.at(x, y, c), scale))
                        << "at " << x << ", " << y << " channel " << c << ": " << dst.at(x, y, c) << " vs " << want.at(x, y, c);
        // Outside the ROI's processed channels nothing changed.
        for (int y = 0; y < sh.h; ++y)
            for (int x = 0; x < sh.w; ++x)
                for (int c = 0; c < (m.ac4 ? 3 : C); ++c) dst.set(x, y, c, want.at(x, y, c));
        EXPECT_TRUE(same_bytes(dst, want));
    }
}

template <class S, class D>
void run_table(const std::vector<Member<S, D>>& members, bool inPlaceToo) {
    Rng rng(0x5eed + sizeof(S) * 7 + sizeof(D));
    for (const auto& m : members)
        for (const Shape& sh : kShapes)
            for (int k = 0; k < 4; ++k) {
                const int border = k == 0 ? 1 : kBorders[rng() % std::size(kBorders)];
                check_member(m, sh, border, rng);
                if (inPlaceToo && k < 2) check_member(m, sh, border, rng, true);
                if (::testing::Test::HasFatalFailure()) return;
            }
}

// The members of a family as a table; C1 min/max take their constant by value.
template <class T>
using Box = RvlResult (*)(const T*, int, T*, int, RvlSize, RvlSize, RvlBorderMode, const T*, Rvl8u*);

template <class S, class D, class F>
Member<S, D> member(const char* name, Kind kind, int C, bool ac4, F fn) {
    return {name, kind, C, ac4, [fn](const S* s, int ss, D* d, int ds, RvlSize r, RvlSize m, int b, const S* v, Rvl8u* buf) {
                return fn(s, ss, d, ds, r, m, static_cast<RvlBorderMode>(b), v, buf);
            }};
}
template <class T, class F>
Member<T, T> member_c1(const char* name, Kind kind, F fn) {
    return {name, kind, 1, false, [fn](const T* s, int ss, T* d, int ds, RvlSize r, RvlSize m, int b, const T* v, Rvl8u* buf) {
                return fn(s, ss, d, ds, r, m, static_cast<RvlBorderMode>(b), v[0], buf);
            }};
}

#define LAYOUTS(S, D, prefix, kind)                                                                  \
    member<S, D>(#prefix "_C1R", kind, 1, false, prefix##_C1R), member<S, D>(#prefix "_C3R", kind, 3, false, prefix##_C3R), \
        member<S, D>(#prefix "_C4R", kind, 4, false, prefix##_C4R), member<S, D>(#prefix "_AC4R", kind, 4, true, prefix##_AC4R)
#define EXTREMES(T, prefix, kind)                                                                                      \
    member_c1<T>(#prefix "_C1R", kind, prefix##_C1R), member<T, T>(#prefix "_C3R", kind, 3, false, prefix##_C3R),     \
        member<T, T>(#prefix "_C4R", kind, 4, false, prefix##_C4R), member<T, T>(#prefix "_AC4R", kind, 4, true, prefix##_AC4R)

TEST(FilterBoxBorder, EveryMemberAgainstWindowMeans) {
    run_table<Rvl8u, Rvl8u>({LAYOUTS(Rvl8u, Rvl8u, rvliFilterBoxBorder_8u, Kind::Mean)}, true);
    run_table<Rvl16u, Rvl16u>({LAYOUTS(Rvl16u, Rvl16u, rvliFilterBoxBorder_16u, Kind::Mean)}, true);
    run_table<Rvl16s, Rvl16s>({LAYOUTS(Rvl16s, Rvl16s, rvliFilterBoxBorder_16s, Kind::Mean)}, true);
    run_table<Rvl32f, Rvl32f>({LAYOUTS(Rvl32f, Rvl32f, rvliFilterBoxBorder_32f, Kind::Mean)}, true);
}

TEST(SumWindow, EveryMemberAgainstWindowSums) {
    run_table<Rvl8u, Rvl32s>({LAYOUTS(Rvl8u, Rvl32s, rvliSumWindow_8u32s, Kind::Sum)}, false);
    run_table<Rvl16u, Rvl32f>({LAYOUTS(Rvl16u, Rvl32f, rvliSumWindow_16u32f, Kind::Sum)}, false);
    run_table<Rvl16s, Rvl32f>({LAYOUTS(Rvl16s, Rvl32f, rvliSumWindow_16s32f, Kind::Sum)}, false);
    run_table<Rvl32f, Rvl32f>({LAYOUTS(Rvl32f, Rvl32f, rvliSumWindow_32f, Kind::Sum)}, true);
}

TEST(FilterMinMaxBorder, EveryMemberAgainstWindowExtremes) {
    run_table<Rvl8u, Rvl8u>({EXTREMES(Rvl8u, rvliFilterMaxBorder_8u, Kind::Max), EXTREMES(Rvl8u, rvliFilterMinBorder_8u, Kind::Min)}, false);
    run_table<Rvl16u, Rvl16u>({EXTREMES(Rvl16u, rvliFilterMaxBorder_16u, Kind::Max), EXTREMES(Rvl16u, rvliFilterMinBorder_16u, Kind::Min)}, false);
    run_table<Rvl16s, Rvl16s>({EXTREMES(Rvl16s, rvliFilterMaxBorder_16s, Kind::Max), EXTREMES(Rvl16s, rvliFilterMinBorder_16s, Kind::Min)}, false);
    run_table<Rvl32f, Rvl32f>({EXTREMES(Rvl32f, rvliFilterMaxBorder_32f, Kind::Max), EXTREMES(Rvl32f, rvliFilterMinBorder_32f, Kind::Min)}, false);
}

// ---- Documented examples ------------------------------------------------------------------

template <class T>
std::vector<T> box_row(Box<T> fn, std::vector<T> row, RvlSize mask, int border = 1, const T* value = nullptr) {
    const int w = static_cast<int>(row.size());
    int bytes = 0;
    rvliFilterBoxBorderGetBufferSize({w, 1}, mask, type_code<T>(), 1, &bytes);
    std::vector<Rvl8u> buffer(bytes);
    std::vector<T> out(row.size());
    EXPECT_EQ(fn(row.data(), w * int(sizeof(T)), out.data(), w * int(sizeof(T)), {w, 1}, mask, static_cast<RvlBorderMode>(border),
                 value, buffer.data()),
              rvlResOk);
    return out;
}

TEST(FilterBoxBorderExamples, HalvesRoundUpOrAwayFromZero) {
    // A 2x1 window covers the pixel and its right neighbour.
    EXPECT_EQ(box_row<Rvl8u>(rvliFilterBoxBorder_8u_C1R, {1, 2, 3}, {2, 1}), (std::vector<Rvl8u>{2, 3, 3}));
    EXPECT_EQ(box_row<Rvl16s>(rvliFilterBoxBorder_16s_C1R, {-1, -2, 5}, {2, 1}), (std::vector<Rvl16s>{-2, 2, 5}));
    EXPECT_EQ(box_row<Rvl16u>(rvliFilterBoxBorder_16u_C1R, {65535, 65534}, {2, 1}), (std::vector<Rvl16u>{65535, 65534}));
    // One pixel, 3x3: replicate gives the pixel, constant 0 gives round(p / 9).
    const Rvl8u zero = 0;
    EXPECT_EQ(box_row<Rvl8u>(rvliFilterBoxBorder_8u_C1R, {200}, {3, 3}), (std::vector<Rvl8u>{200}));
    EXPECT_EQ(box_row<Rvl8u>(rvliFilterBoxBorder_8u_C1R, {200}, {3, 3}, 6, &zero), (std::vector<Rvl8u>{22}));
}

TEST(WindowSums, WideSumsDoNotWrapTheNarrowType) {
    // 31x31 windows of the largest values: far beyond 8 and 16 bits.
    const int W = 40, H = 35;
    std::vector<Rvl8u> a(W * H, 255);
    std::vector<Rvl16u> b(W * H, 65535);
    std::vector<Rvl32s> sa(W * H);
    std::vector<Rvl32f> sb(W * H);
    int bytes = 0;
    rvliSumWindowGetBufferSize({W, H}, {31, 31}, 5, 1, &bytes);
    std::vector<Rvl8u> buffer(bytes);
    ASSERT_EQ(rvliSumWindow_8u32s_C1R(a.data(), W, sa.data(), 4 * W, {W, H}, {31, 31}, rvlBorderReplicate, nullptr, buffer.data()), rvlResOk);
    ASSERT_EQ(rvliSumWindow_16u32f_C1R(b.data(), 2 * W, sb.data(), 4 * W, {W, H}, {31, 31}, rvlBorderReplicate, nullptr, buffer.data()), rvlResOk);
    for (int i = 0; i < W * H; ++i) {
        ASSERT_EQ(sa[i], 255 * 961);
        ASSERT_EQ(sb[i], 65535.0f * 961);
    }
    std::vector<Rvl16u> mean(W * H);
    rvliFilterBoxBorderGetBufferSize({W, H}, {31, 31}, 5, 1, &bytes);
    buffer.resize(bytes);
    ASSERT_EQ(rvliFilterBoxBorder_16u_C1R(b.data(), 2 * W, mean.data(), 2 * W, {W, H}, {31, 31}, rvlBorderReplicate, nullptr, buffer.data()), rvlResOk);
    EXPECT_EQ(mean, b);
}

TEST(FilterMinMaxExamples, IsolatedPixelGrowsOrVanishes) {
    const int W = 9, H = 8;
    std::vector<Rvl16s> img(W * H, -1), out(W * H);
    img[3 * W + 4] = 1;  // signed: 1 is above -1
    int bytes = 0;
    rvliFilterMaxBorderGetBufferSize({W, H}, {2, 3}, 7, 1, &bytes);
    std::vector<Rvl8u> buffer(bytes);
    ASSERT_EQ(rvliFilterMaxBorder_16s_C1R(img.data(), 2 * W, out.data(), 2 * W, {W, H}, {2, 3}, rvlBorderReplicate, 0, buffer.data()), rvlResOk);
    // A 2x3 mask reaches one column to the right, none to the left, one row up and down.
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) EXPECT_EQ(out[y * W + x], (x >= 3 && x <= 4 && y >= 2 && y <= 4) ? 1 : -1) << x << "," << y;
    ASSERT_EQ(rvliFilterMinBorder_16s_C1R(img.data(), 2 * W, out.data(), 2 * W, {W, H}, {2, 3}, rvlBorderReplicate, 0, buffer.data()), rvlResOk);
    EXPECT_EQ(out, std::vector<Rvl16s>(W * H, -1));
}

TEST(FilterMinMaxExamples, NaNInTheWindowGivesNaN) {
    const int W = 20;
    std::vector<Rvl32f> row(W, 1.0f), out(W);
    row[10] = NAN;
    int bytes = 0;
    rvliFilterMaxBorderGetBufferSize({W, 1}, {3, 1}, 13, 1, &bytes);
    std::vector<Rvl8u> buffer(bytes);
    for (auto fn : {rvliFilterMaxBorder_32f_C1R, rvliFilterMinBorder_32f_C1R}) {
        ASSERT_EQ(fn(row.data(), 4 * W, out.data(), 4 * W, {W, 1}, {3, 1}, rvlBorderReplicate, 0, buffer.data()), rvlResOk);
        for (int x = 0; x < W; ++x) EXPECT_EQ(std::isnan(out[x]), x >= 9 && x <= 11) << x;
    }
}

TEST(FilterBoxBorder, IndependentOfCallersRounding) {
    Rng rng(3);
    const int W = 37, H = 9;
    std::vector<Rvl32f> src(W * H), dst(W * H);
    for (auto& v : src) v = random_value<Rvl32f>(rng);
    int bytes = 0;
    rvliFilterBoxBorderGetBufferSize({W, H}, {5, 3}, 13, 1, &bytes);
    std::vector<Rvl8u> buffer(bytes);
    expect_independent_of_callers_rounding([&] {
        rvliFilterBoxBorder_32f_C1R(src.data(), 4 * W, dst.data(), 4 * W, {W, H}, {5, 3}, rvlBorderMirror, nullptr, buffer.data());
        std::vector<unsigned char> bytesOut(dst.size() * 4);
        std::memcpy(bytesOut.data(), dst.data(), bytesOut.size());
        return bytesOut;
    });
}

// ---- Check orders, nothing written on error ------------------------------------------------

TEST(WindowFilterChecks, OrderAndNothingWritten) {
    std::vector<Rvl8u> src(64, 1), dst(64, 9), buffer(4096);
    const Rvl8u v[4] = {};
    Rvl8u* d = dst.data();
    const Rvl8u* s = src.data();
    Rvl8u* b = buffer.data();
    const RvlBorderMode rep = rvlBorderReplicate, con = rvlBorderConstant;
    // Box and window sum: pointers, steps, ROI, mask, border, constant values.
    EXPECT_EQ(rvliFilterBoxBorder_8u_C1R(s, 8, d, 8, {4, 4}, {3, 3}, rep, v, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliFilterBoxBorder_8u_C1R(s, 0, d, 8, {0, 4}, {0, 3}, RvlBorderMode(300), v, b), rvlResBadStep);
    EXPECT_EQ(rvliFilterBoxBorder_8u_C1R(s, 8, d, 8, {0, 4}, {0, 3}, RvlBorderMode(300), v, b), rvlResBadSize);
    EXPECT_EQ(rvliFilterBoxBorder_8u_C1R(s, 8, d, 8, {4, 4}, {0, 3}, RvlBorderMode(300), v, b), rvlResBadMaskSize);
    EXPECT_EQ(rvliFilterBoxBorder_8u_C1R(s, 8, d, 8, {4, 4}, {3, 3}, RvlBorderMode(300), nullptr, b), rvlResBadBorder);
    EXPECT_EQ(rvliFilterBoxBorder_8u_C1R(s, 8, d, 8, {4, 4}, {3, 3}, RvlBorderMode(7), nullptr, b), rvlResBadBorder);
    EXPECT_EQ(rvliFilterBoxBorder_8u_C1R(s, 8, d, 8, {4, 4}, {3, 3}, RvlBorderMode(0x10), nullptr, b), rvlResBadBorder);
    EXPECT_EQ(rvliFilterBoxBorder_8u_C1R(s, 8, d, 8, {4, 4}, {3, 3}, con, nullptr, b), rvlResNullPointer);
    Rvl32s* d32 = reinterpret_cast<Rvl32s*>(buffer.data() + 2048);
    std::memset(d32, 9, 256);
    EXPECT_EQ(rvliSumWindow_8u32s_C1R(s, 8, d32, 32, {4, 4}, {3, 3}, rep, v, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliSumWindow_8u32s_C1R(s, 8, d32, -1, {4, 4}, {3, 3}, rep, v, b), rvlResBadStep);
    EXPECT_EQ(rvliSumWindow_8u32s_C1R(s, 8, d32, 32, {4, 4}, {3, -3}, rep, v, b), rvlResBadMaskSize);
    EXPECT_EQ(rvliSumWindow_8u32s_C1R(s, 8, d32, 32, {4, 4}, {3, 3}, con, nullptr, b), rvlResNullPointer);
    for (int i = 0; i < 256; ++i) ASSERT_EQ(buffer[2048 + i], 9);
    // Min/max: pointers, ROI, mask, border (no step check).
    EXPECT_EQ(rvliFilterMaxBorder_8u_C3R(s, 8, d, 8, {0, 4}, {3, 3}, rep, nullptr, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliFilterMaxBorder_8u_C1R(s, 0, d, 0, {0, 4}, {0, 3}, RvlBorderMode(300), 0, b), rvlResBadSize);
    EXPECT_EQ(rvliFilterMinBorder_8u_C1R(s, 8, d, 8, {4, 4}, {0, 3}, RvlBorderMode(300), 0, b), rvlResBadMaskSize);
    EXPECT_EQ(rvliFilterMinBorder_8u_C1R(s, 8, d, 8, {4, 4}, {3, 3}, RvlBorderMode(2), 0, b), rvlResBadBorder);
    EXPECT_EQ(rvliFilterMinBorder_8u_C3R(s, 8, d, 8, {2, 4}, {3, 3}, con, nullptr, b), rvlResNullPointer);
    EXPECT_EQ(dst, std::vector<Rvl8u>(64, 9));
}

// ---- One-dimensional sums -----------------------------------------------------------------------

template <class S>
using LineSum = RvlResult (*)(const S*, int, Rvl32f*, int, RvlSize, int, int);

template <class S, int C>
void check_line_sums(LineSum<S> rowFn, LineSum<S> columnFn, Rng& rng) {
    for (int mask : {1, 2, 3, 8, 9, 25})
        for (int w : {1, 7, 16, 33}) {
            const int h = 5, anchor = static_cast<int>(rng() % mask), margin = mask;
            TestImage<S> src(w + 2 * margin, h + 2 * margin, C, 1, 1);
            src.fill(rng, random_value<S>);
            for (bool row : {true, false}) {
                SCOPED_TRACE(::testing::Message() << (row ? "row" : "column") << " C" << C << " mask " << mask << " anchor " << anchor << " width " << w);
                TestImage<Rvl32f> dst(w, h, C, 2, 1);
                dst.fill(rng, [](Rng& r) { return float(r() % 100); });
                TestImage<Rvl32f> want = dst;
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x)
                        for (int c = 0; c < C; ++c) {
                            double s = 0;
                            for (int k = 0; k < mask; ++k)
                                s += row ? src.at(margin + x - anchor + k, margin + y, c) : src.at(margin + x, margin + y - anchor + k, c);
                            want.set(x, y, c, static_cast<float>(s));
                        }
                const S* roi = reinterpret_cast<const S*>(reinterpret_cast<const char*>(src.data()) + margin * src.step()) + margin * C;
                ASSERT_EQ((row ? rowFn : columnFn)(roi, src.step(), dst.data(), dst.step(), {w, h}, mask, anchor), rvlResOk);
                EXPECT_TRUE(same_bytes(dst, want));
            }
        }
    // Checks: pointers, mask, anchor; no rows is not an error and writes nothing.
    Rvl32f out[4] = {5, 5, 5, 5};
    const S in[16] = {};
    for (LineSum<S> fn : {rowFn, columnFn}) {
        EXPECT_EQ(fn(nullptr, 8, out, 16, {1, 1}, 0, 5), rvlResNullPointer);
        EXPECT_EQ(fn(in + 4, 8, out, 16, {1, 1}, 0, 5), rvlResBadMaskSize);
        EXPECT_EQ(fn(in + 4, 8, out, 16, {1, 1}, 3, 3), rvlResBadAnchor);
        EXPECT_EQ(fn(in + 4, 8, out, 16, {1, 1}, 3, -1), rvlResBadAnchor);
        EXPECT_EQ(fn(in + 4, 8, out, 16, {1, 0}, 3, 1), rvlResOk);
        EXPECT_EQ(out[0], 5);
    }
}

TEST(SumWindowRowColumn, EveryMemberAgainstPlainSums) {
    Rng rng(11);
    check_line_sums<Rvl8u, 1>(rvliSumWindowRow_8u32f_C1R, rvliSumWindowColumn_8u32f_C1R, rng);
    check_line_sums<Rvl8u, 3>(rvliSumWindowRow_8u32f_C3R, rvliSumWindowColumn_8u32f_C3R, rng);
    check_line_sums<Rvl8u, 4>(rvliSumWindowRow_8u32f_C4R, rvliSumWindowColumn_8u32f_C4R, rng);
    check_line_sums<Rvl16u, 1>(rvliSumWindowRow_16u32f_C1R, rvliSumWindowColumn_16u32f_C1R, rng);
    check_line_sums<Rvl16u, 3>(rvliSumWindowRow_16u32f_C3R, rvliSumWindowColumn_16u32f_C3R, rng);
    check_line_sums<Rvl16u, 4>(rvliSumWindowRow_16u32f_C4R, rvliSumWindowColumn_16u32f_C4R, rng);
    check_line_sums<Rvl16s, 1>(rvliSumWindowRow_16s32f_C1R, rvliSumWindowColumn_16s32f_C1R, rng);
    check_line_sums<Rvl16s, 3>(rvliSumWindowRow_16s32f_C3R, rvliSumWindowColumn_16s32f_C3R, rng);
    check_line_sums<Rvl16s, 4>(rvliSumWindowRow_16s32f_C4R, rvliSumWindowColumn_16s32f_C4R, rng);
}

// ---- 64f functions reading their neighbours from memory -------------------------------------------

TEST(FilterBox64f, MeanOfTheWindowAtTheAnchor) {
    Rng rng(5);
    for (Shape sh : {Shape{1, 1, 7, 3}, Shape{2, 1, 9, 4}, Shape{3, 2, 16, 5}, Shape{5, 5, 33, 9}, Shape{4, 7, 10, 12}})
        for (RvlPoint anchor : {RvlPoint{0, 0}, RvlPoint{1, 1}, RvlPoint{sh.mw - 1, sh.mh - 1}, RvlPoint{-2, 3}}) {
            SCOPED_TRACE(::testing::Message() << sh.mw << "x" << sh.mh << " anchor " << anchor.x << "," << anchor.y);
            const int margin = sh.mw + sh.mh + 3;
            TestImage<Rvl64f> src(sh.w + 2 * margin, sh.h + 2 * margin, 1);
            src.fill(rng, [](Rng& r) { return double(int(r() % 2001) - 1000) / 16; });
            TestImage<Rvl64f> dst(sh.w, sh.h, 1, 3, 0);
            dst.fill(rng, [](Rng& r) { return double(r() % 7); });
            TestImage<Rvl64f> want = dst;
            for (int y = 0; y < sh.h; ++y)
                for (int x = 0; x < sh.w; ++x) {
                    double s = 0;
                    for (int j = 0; j < sh.mh; ++j)
                        for (int i = 0; i < sh.mw; ++i) s += src.at(margin + x - anchor.x + i, margin + y - anchor.y + j, 0);
                    want.set(x, y, 0, s * (1.0 / (sh.mw * sh.mh)));
                }
            const Rvl64f* roi = reinterpret_cast<const Rvl64f*>(reinterpret_cast<const char*>(src.data()) + margin * src.step()) + margin;
            ASSERT_EQ(rvliFilterBox_64f_C1R(roi, src.step(), dst.data(), dst.step(), {sh.w, sh.h}, {sh.mw, sh.mh}, anchor), rvlResOk);
            for (int y = 0; y < sh.h; ++y)
                for (int x = 0; x < sh.w; ++x) ASSERT_NEAR(dst.at(x, y, 0), want.at(x, y, 0), 1e-9);
            for (int y = 0; y < sh.h; ++y)
                for (int x = 0; x < sh.w; ++x) dst.set(x, y, 0, want.at(x, y, 0));
            EXPECT_TRUE(same_bytes(dst, want));
        }
    double in[64] = {}, out[8] = {3};
    EXPECT_EQ(rvliFilterBox_64f_C1R(nullptr, 64, out, 8, {1, 1}, {1, 1}, {0, 0}), rvlResNullPointer);
    EXPECT_EQ(rvliFilterBox_64f_C1R(in, 64, out, 8, {1, 1}, {0, 1}, {0, 0}), rvlResBadSize);
    EXPECT_EQ(rvliFilterBox_64f_C1R(in, 16, out, 8, {1, 1}, {3, 1}, {0, 0}), rvlResBadStep);  // 8 (W + mw - 1) = 24
    EXPECT_EQ(rvliFilterBox_64f_C1R(in, 24, out, 4, {1, 1}, {3, 1}, {0, 0}), rvlResBadStep);
    EXPECT_EQ(out[0], 3);
}

TEST(Extreme3x364f, NeighboursFromMemory) {
    Rng rng(9);
    for (int w : {1, 2, 5, 16, 257, 300}) {
        const int h = 4;
        TestImage<Rvl64f> src(w + 2, h + 2, 1, 1, 0);
        src.fill(rng, [](Rng& r) { return double(int(r() % 2001) - 1000); });
        for (bool dilate : {true, false}) {
            TestImage<Rvl64f> dst(w, h, 1, 1, 0);
            dst.fill(rng, [](Rng& r) { return double(r() % 7); });
            TestImage<Rvl64f> want = dst;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    double v = src.at(x, y, 0);
                    for (int j = 0; j < 3; ++j)
                        for (int i = 0; i < 3; ++i) v = dilate ? std::max(v, src.at(x + i, y + j, 0)) : std::min(v, src.at(x + i, y + j, 0));
                    want.set(x, y, 0, v);
                }
            const Rvl64f* roi = reinterpret_cast<const Rvl64f*>(reinterpret_cast<const char*>(src.data()) + src.step()) + 1;
            ASSERT_EQ((dilate ? rvliDilate3x3_64f_C1R : rvliErode3x3_64f_C1R)(roi, src.step(), dst.data(), dst.step(), {w, h}), rvlResOk);
            EXPECT_TRUE(same_bytes(dst, want));
        }
    }
    double in[64] = {}, out[8] = {3};
    EXPECT_EQ(rvliDilate3x3_64f_C1R(in, 0, nullptr, 8, {0, 1}), rvlResNullPointer);
    EXPECT_EQ(rvliErode3x3_64f_C1R(in, 0, out, 8, {0, 1}), rvlResBadStep);
    EXPECT_EQ(rvliErode3x3_64f_C1R(in, 40, out, 8, {0, 1}), rvlResBadSize);
    EXPECT_EQ(rvliErode3x3_64f_C1R(in + 9, 31, out, 8, {2, 1}), rvlResStepTooSmall);  // 8 W + 16 = 32
    EXPECT_EQ(rvliDilate3x3_64f_C1R(in + 9, 32, out, 8, {2, 1}), rvlResStepTooSmall);   // dstStep below 8 W
    EXPECT_EQ(out[0], 3);
}

}  // namespace
