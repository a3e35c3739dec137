// Resize: sizes and queries, nearest and linear against a plain reference of
// the mapping and arithmetic, tiles against one call, the _L API against the
// 32-bit one, and the check orders.
#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numeric>
#include <vector>

#include <gtest/gtest.h>

#include "rvl.h"
#include "support/guarded.hpp"
#include "support/image.hpp"
#include "geometry/resize_support.hpp"

namespace {

using namespace rvltest;
using I64 = std::int64_t;

I64 w32(I64 n) { return (n + 31) / 32 * 32; }

// ---- Sizes --------------------------------------------------------------------

TEST(ResizeSizes, FollowTheFormulas) {
    const int lens[] = {1, 2, 3, 4, 7, 31, 32, 33, 100, 1080};
    for (int sw : lens)
        for (int dw : lens)
            for (int sh : {4, 9})
                for (int dh : {1, 5, 64}) {
                    int spec = -1, init = -1;
                    const I64 base = 4 * (w32(dw) + w32(dh));
                    ASSERT_EQ(rvliResizeGetSize_8u({sw, sh}, {dw, dh}, rvlInterNearest, 0, &spec, &init), rvlResOk);
                    EXPECT_EQ(spec, base + 296);
                    EXPECT_EQ(init, 64);
                    if (sw >= 2) {
                        ASSERT_EQ(rvliResizeGetSize_32f({sw, sh}, {dw, dh}, rvlInterLinear, 0, &spec, &init), rvlResOk);
                        EXPECT_EQ(spec, 2 * base + 296);
                        ASSERT_EQ(rvliResizeGetSize_64f({sw, sh}, {dw, dh}, rvlInterLinear, 0, &spec, &init), rvlResOk);
                        EXPECT_EQ(spec, 12 * (w32(dw) + w32(dh)) + 256);
                        // Antialiasing: taps 2 when enlarging, else 2 ceil(2 scale).
                        auto taps = [](I64 s, I64 d) { return s <= d ? I64{2} : 2 * static_cast<I64>(std::ceil(2.0 * s / d)); };
                        ASSERT_EQ(rvliResizeGetSize_16u({sw, sh}, {dw, dh}, rvlInterLinear, 1, &spec, &init), rvlResOk);
                        EXPECT_EQ(spec, base + w32(4 * taps(sw, dw) * dw) + w32(4 * taps(sh, dh) * dh) + 296 + (sw <= dw ? w32(4 * dw) : 0));
                        EXPECT_EQ(init, 8 * (w32(dw) + w32(dh)) + 64);
                    }
                    if (sw >= 4) {
                        ASSERT_EQ(rvliResizeGetSize_16s({sw, sh}, {dw, dh}, rvlInterCubicBC, 0, &spec, &init), rvlResOk);
                        EXPECT_EQ(spec, base + 4 * (((4 * dw + 127) & ~31) + ((4 * dh + 127) & ~31)) + 296);
                        EXPECT_EQ(init, base + 64);
                        ASSERT_EQ(rvliResizeGetSize_8u({sw, sh}, {dw, dh}, rvlInterLanczos, 0, &spec, &init), rvlResOk);
                        EXPECT_EQ(spec, base + 4 * (((6 * dw + 191) & ~31) + ((6 * dh + 191) & ~31)) + 296);
                    }
                    if (sw >= dw && sh >= dh) {
                        auto taps = [](I64 s, I64 d) {
                            const I64 g = std::gcd(s, d), sr = s / g, dr = d / g;
                            return dr * (sr / dr + (sr % dr == 0 ? 0 : sr % dr == 1 ? 1 : 2));
                        };
                        ASSERT_EQ(rvliResizeGetSize_8u({sw, sh}, {dw, dh}, rvlInterSuper, 1, &spec, &init), rvlResWarnAntialiasingIgnored);
                        const I64 nx = taps(sw, dw), ny = taps(sh, dh);
                        EXPECT_EQ(spec, 4 * (w32(nx) + nx + ny + w32(ny)) + 296);
                    }
                }
}

TEST(ResizeSizes, ChecksInOrder) {
    int s = 7, b = 7;
    Rvl64s sl = 7, bl = 7;
    EXPECT_EQ(rvliResizeGetSize_8u({0, 0}, {0, 0}, rvlInterLinear, 0, nullptr, &b), rvlResNullPointer);
    EXPECT_EQ(rvliResizeGetSize_8u({0, 0}, {0, 0}, static_cast<RvlInterpolation>(3), 0, &s, &b), rvlResWarnNothingDone);
    EXPECT_EQ(s, 7);
    EXPECT_EQ(rvliResizeGetSize_8u({-1, 5}, {5, 5}, static_cast<RvlInterpolation>(3), 0, &s, &b), rvlResBadSize);
    EXPECT_EQ(rvliResizeGetSize_8u({5, 5}, {5, 5}, static_cast<RvlInterpolation>(3), 0, &s, &b), rvlResBadInterpolation);
    EXPECT_EQ(rvliResizeGetSize_8u({5, 5}, {5, 5}, rvlInterCubic, 0, &s, &b), rvlResBadInterpolation);
    EXPECT_EQ(rvliResizeGetSize_8u({5, 5}, {5, 5}, static_cast<RvlInterpolation>(0), 0, &s, &b), rvlResUnsupportedMode);
    EXPECT_EQ(rvliResizeGetSize_8u({1, 5}, {5, 5}, rvlInterLinear, 0, &s, &b), rvlResBadSize);
    EXPECT_EQ(rvliResizeGetSize_8u({3, 5}, {5, 5}, rvlInterCubicBC, 0, &s, &b), rvlResBadSize);
    EXPECT_EQ(rvliResizeGetSize_8u({4, 5}, {5, 5}, rvlInterSuper, 0, &s, &b), rvlResBadSize);
    EXPECT_EQ(rvliResizeGetSize_64f({4, 5}, {5, 5}, rvlInterNearest, 0, &s, &b), rvlResUnsupportedMode);
    EXPECT_EQ(rvliResizeGetSize_64f({4, 5}, {5, 5}, rvlInterLinear, 1, &s, &b), rvlResUnsupportedMode);
    EXPECT_EQ(rvliResizeGetSize_8u({4, 5}, {5, 5}, rvlInterNearest, 1, &s, &b), rvlResWarnAntialiasingIgnored);
    EXPECT_EQ(rvliResizeGetSize_8u({4, 5}, {300000000, 1}, rvlInterLinear, 0, &s, &b), rvlResSizeOverflow);
    EXPECT_EQ(s, 0);
    EXPECT_EQ(rvliResizeGetSize_L({5, 5}, {5, 5}, 19, rvlInterNearest, 0, &sl, &bl), rvlResBadDataType);
    EXPECT_EQ(rvliResizeGetSize_L({5, 5}, {5, 5}, 2, static_cast<RvlInterpolation>(3), 0, &sl, &bl), rvlResBadInterpolation);
    EXPECT_EQ(rvliResizeGetSize_L({5, 5}, {5, 0x2000000}, 1, rvlInterLinear, 0, &sl, &bl), rvlResSizeOverflow);
    EXPECT_EQ(rvliResizeGetSize_L({5, 5}, {60000, 60000}, 19, rvlInterLinear, 0, &sl, &bl), rvlResOk);
    EXPECT_EQ(sl, 12 * (w32(60000) * 2) + 256);
}

// ---- Specifications ------------------------------------------------------------------

struct Spec {
    std::vector<unsigned char> bytes;
    RvlResizeSpec* get() { return reinterpret_cast<RvlResizeSpec*>(bytes.data() + 5); }  // misaligned on purpose
};

Spec make_spec(RvlSize src, RvlSize dst, int interp, int type, bool longApi = false) {
    Spec s;
    I64 specSize = 0, init = 0;
    if (longApi) {
        EXPECT_GE(rvliResizeGetSize_L({src.width, src.height}, {dst.width, dst.height}, type, static_cast<RvlInterpolation>(interp), 0, &specSize, &init), 0);
    } else {
        int a = 0, b = 0;
        const RvlResult st = type == 19 ? rvliResizeGetSize_64f(src, dst, static_cast<RvlInterpolation>(interp), 0, &a, &b)
                                        : rvliResizeGetSize_8u(src, dst, static_cast<RvlInterpolation>(interp), 0, &a, &b);
        EXPECT_GE(st, 0);
        specSize = a;
    }
    s.bytes.assign(specSize + 5, 0);
    RvlResult st;
    const RvlSizeL sl{src.width, src.height}, dl{dst.width, dst.height};
    if (interp == rvlInterNearest)
        st = longApi ? rvliResizeNearestInit_L(sl, dl, type, s.get()) : rvliResizeNearestInit_8u(src, dst, s.get());
    else if (longApi)
        st = rvliResizeLinearInit_L(sl, dl, type, s.get());
    else
        st = type == 1 ? rvliResizeLinearInit_8u(src, dst, s.get()) : type == 19 ? rvliResizeLinearInit_64f(src, dst, s.get())
                                                                     : rvliResizeLinearInit_32f(src, dst, s.get());
    EXPECT_EQ(st, rvlResOk);
    return s;
}

TEST(ResizeQueries, OffsetsRectanglesBorders) {
    Spec s = make_spec({7, 9}, {5, 13}, rvlInterLinear, 13);
    RvlBorderExtent e{};
    ASSERT_EQ(rvliResizeGetBorderSize_32f(s.get(), &e), rvlResOk);
    EXPECT_EQ(e.borderLeft + e.borderTop + e.borderRight + e.borderBottom, 4u);
    RvlPoint o{};
    ASSERT_EQ(rvliResizeGetSrcOffset_16u(s.get(), {3, 5}, &o), rvlResOk);
    EXPECT_EQ(o.x, static_cast<int>(std::floor(3 * 7.0 / 5)));
    EXPECT_EQ(o.y, static_cast<int>(std::floor(5 * 9.0 / 13)));
    EXPECT_EQ(rvliResizeGetSrcOffset_16u(s.get(), {5, 0}, &o), rvlResOutOfRange);
    EXPECT_EQ(rvliResizeGetSrcOffset_64f(s.get(), {1, 1}, &o), rvlResBadContext);
    RvlSize size{};
    // Columns 1..2: x = 1.5 * 1.4 - 0.5 = 1.6 -> 1 and 2.5 * 1.4 - 0.5 = 3.0 -> 3.
    ASSERT_EQ(rvliResizeGetSrcRoi_8u(s.get(), {1, 0}, {2, 13}, &o, &size), rvlResOk);
    EXPECT_EQ(o.x, 1);
    EXPECT_EQ(size.width, 3 - 1 + 1);
    EXPECT_EQ(size.height, 9);  // reaches the last row: the rest of the source
    EXPECT_EQ(rvliResizeGetSrcRoi_8u(s.get(), {3, 0}, {5, 1}, &o, &size), rvlResWarnArgumentRange);
    EXPECT_EQ(size.width, 7 - o.x);
    EXPECT_EQ(rvliResizeGetSrcRoi_8u(s.get(), {3, 0}, {0, 1}, &o, &size), rvlResBadSize);
    int bytes = 0;
    ASSERT_EQ(rvliResizeGetBufferSize_8u(s.get(), {5, 13}, 3, &bytes), rvlResOk);
    EXPECT_EQ(bytes, w32(4 * 13) + w32(4 * 5) + 2 * w32(4 * 3 * 5) + 64);
    EXPECT_EQ(rvliResizeGetBufferSize_8u(s.get(), {6, 13}, 3, &bytes), rvlResWarnArgumentRange);
    EXPECT_EQ(rvliResizeGetBufferSize_8u(s.get(), {6, 13}, 2, &bytes), rvlResBadChannelCount);
    EXPECT_EQ(rvliResizeGetBufferSize_8u(s.get(), {0, 13}, 2, &bytes), rvlResWarnNothingDone);
    Rvl64s big = 0;
    EXPECT_EQ(rvliResizeGetBufferSize_L(s.get(), {5, 13}, 1, &big), rvlResBadContext);
    Spec l = make_spec({7, 9}, {5, 13}, rvlInterLinear, 19, true);
    EXPECT_EQ(rvliResizeGetBufferSize_L(l.get(), {5, 13}, 4, &big), rvlResOk);
    EXPECT_EQ(big, 4 * (w32(13) + w32(5)) + 8 * 4 * ((2 * 5 + 63) & ~31) + 64);
    EXPECT_EQ(rvliResizeGetBorderSize_8u(l.get(), &e), rvlResBadContext);
}

// ---- The reference ------------------------------------------------------------------

struct Map {
    std::vector<I64> index;
    std::vector<double> frac;
    I64 lead = 0, trail = 0;
};

Map linear_map(I64 s, I64 d) {
    Map m;
    const I64 g = std::gcd(s, d);
    const double scale = static_cast<double>(s / g) / static_cast<double>(d / g);
    for (I64 k = 0; k < d; ++k) {
        const double x = (k + 0.5) * scale - 0.5;
        m.index.push_back(static_cast<I64>(std::floor(x)));
        m.frac.push_back(x - std::floor(x));
        m.lead += x < 0;
        m.trail += x >= s - 1;
    }
    return m;
}

// The whole destination of a linear resize with the replicated border.
template <class T>
Image<T> linear_reference(const Image<T>& src, I64 dw, I64 dh) {
    const Map mx = linear_map(src.w, dw), my = linear_map(src.h, dh);
    Image<T> out{dw, dh, src.c, std::vector<T>(static_cast<size_t>(dw * dh * src.c))};
    constexpr bool q14 = std::is_same_v<T, Rvl8u>;
    auto wq = [](double f) { return static_cast<int>(std::trunc(f * 16384 + 1e-7)); };
    using F = std::conditional_t<std::is_same_v<T, Rvl64f>, double, float>;
    auto store = [](F v) -> T {
        if constexpr (std::is_floating_point_v<T>) return static_cast<T>(v);
        else return static_cast<T>(std::clamp<F>(std::nearbyint(v), std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
    };
    auto one_step = [&](T a, T b, double f) -> T {
        if constexpr (q14) {
            const int v = a * (16384 - wq(f)) + b * wq(f);
            return static_cast<T>((v + 8192 + ((v >> 14) & 1)) >> 14);
        } else {
            return store(F(a) + (F(b) - F(a)) * F(f));
        }
    };
    for (I64 r = 0; r < dh; ++r)
        for (I64 c = 0; c < dw; ++c)
            for (int k = 0; k < src.c; ++k) {
                const I64 i = mx.index[c], j = my.index[r];
                T v;
                if (r < my.lead || r >= dh - my.trail) {
                    const I64 row = r < my.lead ? 0 : src.h - 1;
                    I64 i0 = i, i1 = i + 1;
                    if (i0 < 0) i0 = i1 = 0;
                    if (i1 > src.w - 1) i0 = i1 = src.w - 1;
                    v = one_step(src.at(i0, row, k), src.at(i1, row, k), mx.frac[c]);
                } else if (c < mx.lead || c >= dw - mx.trail) {
                    const I64 col = c < mx.lead ? 0 : src.w - 1;
                    v = one_step(src.at(col, j, k), src.at(col, j + 1, k), my.frac[r]);
                } else if constexpr (q14) {
                    auto t = [&](I64 row) {
                        const int w = wq(mx.frac[c]);
                        return std::clamp((src.at(i, row, k) * (16384 - w) + src.at(i + 1, row, k) * w + 128) >> 8, -32768, 32767);
                    };
                    const int w = wq(my.frac[r]);
                    v = static_cast<T>(std::clamp((t(j) * (16384 - w) + t(j + 1) * w + 524288) >> 20, 0, 255));
                } else {
                    auto h = [&](I64 row) { return F(src.at(i, row, k)) + (F(src.at(i + 1, row, k)) - F(src.at(i, row, k))) * F(mx.frac[c]); };
                    v = store(h(j) + (h(j + 1) - h(j)) * F(my.frac[r]));
                }
                out.px[(r * dw + c) * src.c + k] = v;
            }
    return out;
}

template <class T>
using Linear32 = RvlResult (*)(const T*, int, T*, int, RvlPoint, RvlSize, RvlBorderMode, const T*, const RvlResizeSpec*, Rvl8u*);
template <class T>
using LinearL = RvlResult (*)(const T*, Rvl64s, T*, Rvl64s, RvlPointL, RvlSizeL, RvlBorderMode, const T*, const RvlResizeSpec*, Rvl8u*);

template <class T> constexpr int code() {
    return std::is_same_v<T, Rvl8u> ? 1 : std::is_same_v<T, Rvl16u> ? 5 : std::is_same_v<T, Rvl16s> ? 7 : std::is_same_v<T, Rvl32f> ? 13 : 19;
}

// One call over the whole destination, then random tiles whose in-memory
// flags say where the source continues beyond their source rectangles, then
// the _L API: all equal the reference.
template <class T>
void check_linear(Linear32<T> fn, LinearL<T> fnL, int channels, I64 sw, I64 sh, I64 dw, I64 dh, Rng& rng) {
    SCOPED_TRACE(::testing::Message() << sw << "x" << sh << " -> " << dw << "x" << dh << " C" << channels);
    const Image<T> src = random_image<T>(sw, sh, channels, rng);
    const Image<T> want = linear_reference(src, dw, dh);
    TestImage<T> in = test_image_of(src, rng);
    Spec spec = make_spec({int(sw), int(sh)}, {int(dw), int(dh)}, rvlInterLinear, code<T>());
    Spec specL = make_spec({int(sw), int(sh)}, {int(dw), int(dh)}, rvlInterLinear, code<T>(), true);

    auto run_tile = [&](TestImage<T>& out, I64 x, I64 y, I64 w, I64 h, bool longApi) {
        RvlPoint so{};
        ASSERT_EQ(rvliResizeGetSrcOffset_8u(spec.get(), {int(x), int(y)}, &so), rvlResOk);
        int bytes = 0;
        ASSERT_EQ(rvliResizeGetBufferSize_8u(spec.get(), {int(w), int(h)}, channels, &bytes), rvlResOk);
        std::vector<Rvl8u> buffer(bytes + kGuardBytes, 0x5A);
        // In memory: the sides where the source continues beyond the tile's source rectangle.
        RvlPoint ro{};
        RvlSize rs{};
        ASSERT_GE(rvliResizeGetSrcRoi_8u(spec.get(), {int(x), int(y)}, {int(w), int(h)}, &ro, &rs), 0);
        const int border = 1 | (ro.y > 0 ? 0x10 : 0) | (ro.y + rs.height < sh ? 0x20 : 0) | (ro.x > 0 ? 0x40 : 0) |
                           (ro.x + rs.width < sw ? 0x80 : 0);
        const T* s = reinterpret_cast<const T*>(reinterpret_cast<const char*>(in.data()) + so.y * in.step()) + so.x * channels;
        T* d = reinterpret_cast<T*>(reinterpret_cast<char*>(out.data()) + y * out.step()) + x * channels;
        const RvlResult st = longApi ? fnL(s, in.step(), d, out.step(), {x, y}, {w, h}, static_cast<RvlBorderMode>(border), nullptr, specL.get(), buffer.data())
                                     : fn(s, in.step(), d, out.step(), {int(x), int(y)}, {int(w), int(h)}, static_cast<RvlBorderMode>(border), nullptr, spec.get(), buffer.data());
        ASSERT_EQ(st, rvlResOk);
        for (int g = 0; g < kGuardBytes; ++g) ASSERT_EQ(buffer[bytes + g], 0x5A) << "work buffer overrun";
    };
    check_tile_passes(want, rng, run_tile);
}

const std::vector<std::array<int, 4>> kRatios = {
    {2, 2, 2, 2}, {2, 3, 7, 5}, {5, 5, 5, 5}, {5, 4, 10, 8}, {6, 2, 24, 4}, {8, 6, 4, 3}, {4, 9, 12, 3}, {7, 5, 5, 7}, {13, 11, 7, 17}, {40, 31, 17, 45}, {33, 20, 66, 40}, {3, 2, 9, 6}};

template <class T>
void linear_table(Linear32<T> c1, LinearL<T> c1l, Linear32<T> c3, LinearL<T> c3l, Linear32<T> c4, LinearL<T> c4l, int seed) {
    Rng rng(seed);
    for (auto [sw, sh, dw, dh] : kRatios) {
        check_linear<T>(c1, c1l, 1, sw, sh, dw, dh, rng);
        check_linear<T>(c3, c3l, 3, sw, sh, dw, dh, rng);
        check_linear<T>(c4, c4l, 4, sw, sh, dw, dh, rng);
    }
}

TEST(ResizeLinear, EightBitAgainstReference) {
    linear_table<Rvl8u>(rvliResizeLinear_8u_C1R, rvliResizeLinear_8u_C1R_L, rvliResizeLinear_8u_C3R, rvliResizeLinear_8u_C3R_L,
                        rvliResizeLinear_8u_C4R, rvliResizeLinear_8u_C4R_L, 21);
}
TEST(ResizeLinear, SixteenBitAgainstReference) {
    linear_table<Rvl16u>(rvliResizeLinear_16u_C1R, rvliResizeLinear_16u_C1R_L, rvliResizeLinear_16u_C3R, rvliResizeLinear_16u_C3R_L,
                         rvliResizeLinear_16u_C4R, rvliResizeLinear_16u_C4R_L, 22);
    linear_table<Rvl16s>(rvliResizeLinear_16s_C1R, rvliResizeLinear_16s_C1R_L, rvliResizeLinear_16s_C3R, rvliResizeLinear_16s_C3R_L,
                         rvliResizeLinear_16s_C4R, rvliResizeLinear_16s_C4R_L, 23);
}
TEST(ResizeLinear, FloatingAgainstReference) {
    linear_table<Rvl32f>(rvliResizeLinear_32f_C1R, rvliResizeLinear_32f_C1R_L, rvliResizeLinear_32f_C3R, rvliResizeLinear_32f_C3R_L,
                         rvliResizeLinear_32f_C4R, rvliResizeLinear_32f_C4R_L, 24);
    linear_table<Rvl64f>(rvliResizeLinear_64f_C1R, rvliResizeLinear_64f_C1R_L, rvliResizeLinear_64f_C3R, rvliResizeLinear_64f_C3R_L,
                         rvliResizeLinear_64f_C4R, rvliResizeLinear_64f_C4R_L, 25);
}

// A band pixel whose Q14 sum lies just below a half with an odd quotient:
// the one-step rounding adds that quotient's low bit and reaches the next
// integer. 8191 -> 8192 columns give the weight 8191 at column 4096, and the
// second of two rows is a band row.
TEST(ResizeLinear, BandRoundingCarriesTheOddBit) {
    const int sw = 8191, dw = 8192;
    Image<Rvl8u> src{sw, 2, 1, std::vector<Rvl8u>(2 * sw, 7)};
    src.px[sw + 4095] = 99;  // v = 99 * 16384 + 8191
    src.px[sw + 4096] = 100;
    const Image<Rvl8u> want = linear_reference(src, dw, 2);
    ASSERT_EQ(want.at(4096, 1, 0), 100);
    Spec spec = make_spec({sw, 2}, {dw, 2}, rvlInterLinear, 1);
    int bytes = 0;
    ASSERT_EQ(rvliResizeGetBufferSize_8u(spec.get(), {dw, 2}, 1, &bytes), rvlResOk);
    std::vector<Rvl8u> buffer(bytes), out(2 * dw);
    ASSERT_EQ(rvliResizeLinear_8u_C1R(src.px.data(), sw, out.data(), dw, {0, 0}, {dw, 2}, rvlBorderReplicate, nullptr, spec.get(), buffer.data()), rvlResOk);
    EXPECT_EQ(out, want.px);
}

TEST(ResizeLinear, EqualSizesCopy) {
    Rng rng(26);
    std::vector<Rvl8u> src(37 * 5), dst(37 * 5);
    for (auto& v : src) v = static_cast<Rvl8u>(rng());
    Spec s = make_spec({37, 5}, {37, 5}, rvlInterLinear, 1);
    int bytes = 0;
    ASSERT_EQ(rvliResizeGetBufferSize_8u(s.get(), {37, 5}, 1, &bytes), rvlResOk);
    std::vector<Rvl8u> buffer(bytes);
    ASSERT_EQ(rvliResizeLinear_8u_C1R(src.data(), 37, dst.data(), 37, {0, 0}, {37, 5}, rvlBorderReplicate, nullptr, s.get(), buffer.data()), rvlResOk);
    EXPECT_EQ(dst, src);
}

// ---- Nearest ----------------------------------------------------------------------------

template <class T, int C>
using Nearest32 = RvlResult (*)(const T*, int, T*, int, RvlPoint, RvlSize, const RvlResizeSpec*, Rvl8u*);

template <class T, int C>
using NearestL = RvlResult (*)(const T*, Rvl64s, T*, Rvl64s, RvlPointL, RvlSizeL, const RvlResizeSpec*, Rvl8u*);

// Two tiles through the _L API against the mapping; the source image is the
// last thing in its buffer, so no read may pass its last pixel.
template <class T, int C>
void check_nearest(NearestL<T, C> fn, Rng& rng) {
    for (auto [sw, sh, dw, dh] : kRatios) {
        std::vector<T> src(static_cast<size_t>(sw * sh * C));
        for (auto& v : src) v = moderate_value<T>(rng);
        TestImage<T> dst(dw, dh, C, 2, 0);
        dst.fill(rng, moderate_value<T>);
        TestImage<T> want = dst;
        for (int y = 0; y < dh; ++y)
            for (int x = 0; x < dw; ++x)
                for (int k = 0; k < C; ++k)
                    want.set(x, y, k, src[(int((y + 0.5) * sh / dh - 1e-10) * sw + int((x + 0.5) * sw / dw - 1e-10)) * C + k]);
        Spec spec = make_spec({sw, sh}, {dw, dh}, rvlInterNearest, 7, true);
        const I64 cut = dw / 2;
        for (auto [x, w] : std::vector<std::pair<I64, I64>>{{0, cut}, {cut, dw - cut}}) {
            if (w == 0) continue;
            RvlPointL so{};
            ASSERT_EQ(rvliResizeGetSrcOffset_L(spec.get(), {x, 0}, &so), rvlResOk);
            Rvl64s bytes = 0;
            ASSERT_EQ(rvliResizeGetBufferSize_L(spec.get(), {w, dh}, C, &bytes), rvlResOk);
            std::vector<Rvl8u> buffer(bytes);
            ASSERT_EQ(fn(src.data() + so.x * C, sw * C * Rvl64s(sizeof(T)), dst.data() + x * C, dst.step(), {x, 0}, {w, dh}, spec.get(), buffer.data()), rvlResOk);
        }
        EXPECT_TRUE(same_bytes(dst, want)) << sw << "x" << sh << " -> " << dw << "x" << dh << " C" << C;
    }
}

TEST(ResizeNearest, MappingAndTiles) {
    // 4 -> 2 picks 0 and 2; 2 -> 4 picks 0, 0, 1, 1; 3 -> 2 picks 0 and 2.
    for (auto [s, d, expect] : std::vector<std::tuple<int, int, std::vector<int>>>{
             {4, 2, {0, 2}}, {2, 4, {0, 0, 1, 1}}, {3, 2, {0, 2}}, {5, 3, {0, 2, 4}}, {7, 7, {0, 1, 2, 3, 4, 5, 6}}}) {
        Spec spec = make_spec({s, 1}, {d, 1}, rvlInterNearest, 1);
        std::vector<Rvl8u> src(s), dst(d);
        std::iota(src.begin(), src.end(), 10);
        int bytes = 0;
        ASSERT_EQ(rvliResizeGetBufferSize_8u(spec.get(), {d, 1}, 1, &bytes), rvlResOk);
        std::vector<Rvl8u> buffer(bytes);
        ASSERT_EQ(rvliResizeNearest_8u_C1R(src.data(), s, dst.data(), d, {0, 0}, {d, 1}, spec.get(), buffer.data()), rvlResOk);
        for (int k = 0; k < d; ++k) EXPECT_EQ(dst[k], 10 + expect[k]) << s << " -> " << d;
    }
    Rng rng(27);
    check_nearest<Rvl16s, 3>(rvliResizeNearest_16s_C3R_L, rng);
    check_nearest<Rvl8u, 3>(rvliResizeNearest_8u_C3R_L, rng);
    check_nearest<Rvl8u, 1>(rvliResizeNearest_8u_C1R_L, rng);
    check_nearest<Rvl32f, 3>(rvliResizeNearest_32f_C3R_L, rng);
    check_nearest<Rvl16u, 4>(rvliResizeNearest_16u_C4R_L, rng);
}

// ---- Checks ----------------------------------------------------------------------------

TEST(ResizeChecks, WorkerOrder) {
    Spec s = make_spec({8, 8}, {4, 4}, rvlInterLinear, 1);
    Spec n = make_spec({8, 8}, {4, 4}, rvlInterNearest, 1);
    Spec l = make_spec({8, 8}, {4, 4}, rvlInterLinear, 1, true);
    Spec f = make_spec({8, 8}, {4, 4}, rvlInterLinear, 13);
    std::vector<Rvl8u> src(64), buffer(4096);
    TestImage<Rvl8u> dst(4, 4, 1);
    Rng rng(28);
    dst.fill(rng, moderate_value<Rvl8u>);
    const TestImage<Rvl8u> before = dst;
    auto call = [&](int border, const Rvl8u* a, Rvl8u* b, int ss, RvlPoint o, RvlSize z, RvlResizeSpec* sp, Rvl8u* buf) {
        return rvliResizeLinear_8u_C1R(a, ss, b, dst.step(), o, z, static_cast<RvlBorderMode>(border), nullptr, sp, buf);
    };
    Rvl8u* d = dst.data();
    EXPECT_EQ(call(0x106, nullptr, d, 8, {9, 9}, {0, 0}, s.get(), buffer.data()), rvlResBadBorder);
    EXPECT_EQ(call(3, nullptr, d, 8, {9, 9}, {0, 0}, s.get(), buffer.data()), rvlResBadBorder);
    EXPECT_EQ(call(0x31, nullptr, d, 8, {9, 9}, {0, 0}, s.get(), buffer.data()), rvlResNullPointer);
    EXPECT_EQ(call(0xF0, src.data(), d, 8, {9, 9}, {0, 0}, s.get(), nullptr), rvlResNullPointer);
    EXPECT_EQ(call(1, src.data(), d, 8, {9, 9}, {0, 3}, l.get(), buffer.data()), rvlResWarnNothingDone);
    EXPECT_EQ(call(1, src.data(), d, 8, {9, 9}, {-1, 3}, l.get(), buffer.data()), rvlResBadContext);
    EXPECT_EQ(call(1, src.data(), d, 8, {9, 9}, {-1, 3}, s.get(), buffer.data()), rvlResBadSize);
    EXPECT_EQ(call(1, src.data(), d, 8, {9, 9}, {4, 4}, s.get(), buffer.data()), rvlResOutOfRange);
    EXPECT_EQ(call(1, src.data(), d, 8, {0, 0}, {4, 4}, n.get(), buffer.data()), rvlResBadContext);
    EXPECT_EQ(call(1, src.data(), d, 8, {0, 0}, {4, 4}, f.get(), buffer.data()), rvlResBadContext);
    EXPECT_EQ(rvliResizeLinear_16u_C1R(reinterpret_cast<Rvl16u*>(src.data()), 15, reinterpret_cast<Rvl16u*>(d), 8, {0, 0}, {4, 4}, rvlBorderReplicate, nullptr, f.get(), buffer.data()), rvlResBadStep);
    EXPECT_TRUE(same_bytes(dst, before));
    EXPECT_EQ(call(1, src.data(), d, 8, {2, 2}, {4, 4}, s.get(), buffer.data()), rvlResOk);
    EXPECT_EQ(call(1, src.data(), d, 8, {2, 2}, {5, 2}, s.get(), buffer.data()), rvlResWarnArgumentRange);
    EXPECT_EQ(rvliResizeNearest_8u_C1R(src.data(), 8, d, dst.step(), {0, 0}, {4, 4}, s.get(), buffer.data()), rvlResBadContext);

    EXPECT_EQ(rvliResizeLinearInit_8u({1, 5}, {3, 3}, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliResizeLinearInit_8u({1, 0}, {3, 3}, s.get()), rvlResWarnNothingDone);
    EXPECT_EQ(rvliResizeLinearInit_8u({1, 5}, {3, 3}, s.get()), rvlResBadSize);
    EXPECT_EQ(rvliResizeNearestInit_8u({1, 5}, {3, 3}, n.get()), rvlResOk);
    EXPECT_EQ(rvliResizeNearestInit_L({1, 5}, {3, 3}, 19, n.get()), rvlResBadDataType);
    EXPECT_EQ(rvliResizeLinearInit_L({2, 5}, {3, 0x2000000}, 19, l.get()), rvlResSizeOverflow);
}

}  // namespace

// The queries and the worker agree on a tile's source rectangle whatever
// rounding mode the caller sets between them: with the ratio 1/3, the
// offset 3 * (1/3) lands on either side of 1 when formed under a directed
// mode. Only the tile's source rectangle and the neighbours the border size
// names are in memory, ending at an inaccessible page, and the result equals
// the round-to-nearest one.
TEST(ResizeQueries, WorkersIgnoreTheCallersRoundingMode) {
    Rng rng(5);
    for (int interp : {int(rvlInterNearest), int(rvlInterLinear)}) {
        for (int mode : {FE_DOWNWARD, FE_UPWARD, FE_TOWARDZERO}) {
            SCOPED_TRACE(::testing::Message() << "interpolation " << interp << " mode " << mode);
            std::vector<Rvl8u> src(12 * 12);
            for (auto& v : src) v = Rvl8u(rng());
            Spec spec = make_spec({12, 12}, {36, 36}, interp, 1);
            const RvlPoint at{3, 6};
            const RvlSize tile{9, 6};
            std::vector<Rvl8u> want, got;
            for (int pass = 0; pass < 2; ++pass) {
                RvlPoint ro{};
                RvlSize rs{};
                ASSERT_GE(rvliResizeGetSrcRoi_8u(spec.get(), at, tile, &ro, &rs), 0);
                int bytes = 0;
                ASSERT_EQ(rvliResizeGetBufferSize_8u(spec.get(), tile, 1, &bytes), rvlResOk);
                std::vector<Rvl8u> buffer(bytes);
                RvlBorderExtent e{};
                ASSERT_EQ(rvliResizeGetBorderSize_8u(spec.get(), &e), rvlResOk);
                const int x0 = std::max(0, ro.x - int(e.borderLeft)), x1 = std::min(12, ro.x + rs.width + int(e.borderRight));
                const int y0 = std::max(0, ro.y - int(e.borderTop)), y1 = std::min(12, ro.y + rs.height + int(e.borderBottom));
                const int step = x1 - x0;
                rvltest::GuardedBlock region(std::size_t(step) * (y1 - y0), rvltest::Edge::End);
                for (int y = y0; y < y1; ++y) std::memcpy(region.data() + (y - y0) * step, &src[y * 12 + x0], step);
                const Rvl8u* first = region.data() + (ro.y - y0) * step + (ro.x - x0);
                std::vector<Rvl8u>& out = pass == 0 ? want : got;
                out.assign(tile.width * tile.height, 0);
                if (pass == 1) std::fesetround(mode);
                const RvlResult st =
                    interp == rvlInterNearest
                        ? rvliResizeNearest_8u_C1R(first, step, out.data(), tile.width, at, tile, spec.get(), buffer.data())
                        : rvliResizeLinear_8u_C1R(first, step, out.data(), tile.width, at, tile, rvlBorderReplicate,
                                                  nullptr, spec.get(), buffer.data());
                const int after = std::fegetround();
                std::fesetround(FE_TONEAREST);
                ASSERT_EQ(st, rvlResOk);
                EXPECT_EQ(after, pass == 1 ? mode : FE_TONEAREST) << "the caller's rounding mode changed";
            }
            EXPECT_EQ(got, want);
        }
    }
}
