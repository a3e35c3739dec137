// Convert: every member against a plain reference written with long double
// arithmetic and the C library's rounding functions; the three rounding
// modes; scale factors from -40 to 40; NaN, infinities, signed zeros and
// halves; the check orders; the caller's rounding mode.
#include <cfenv>
#include <cstring>
#include <vector>
#include <cmath>
#include <limits>
#include <string>
#include <type_traits>

#include <gtest/gtest.h>
#include <xmmintrin.h>

#include "rvl.h"
#include "support/pixel_case.hpp"
#include "support/reference.hpp"

using namespace rvltest;

namespace {

template <class S, class D>
using Plain = RvlResult (*)(const S*, int, D*, int, RvlSize);
template <class D>
using FromFloat = RvlResult (*)(const Rvl32f*, int, D*, int, RvlSize, RvlRoundMode);
template <class S, class D>
using Sfs = RvlResult (*)(const S*, int, D*, int, RvlSize, RvlRoundMode, int);


long double round_by(long double v, int mode) {
    if (mode == 0) return std::trunc(v);
    if (mode == 1) return std::nearbyint(v);  // the tests run in round-to-nearest
    return std::round(v);                     // half away from zero
}

// Float sources that exercise rounding and saturation: halves, values near
// the 8- and 16-bit limits, and the specials of random_value.
template <class S>
S conversion_value(Rng& rng) {
    if constexpr (std::is_floating_point_v<S>) {
        switch (rng() % 3) {
            case 0: return static_cast<S>(random_value<float>(rng));
            case 1: return static_cast<S>((static_cast<int>(rng() % 1400) - 700) / 2.0);
            default: return static_cast<S>((static_cast<int>(rng() % 280000) - 140000) / 4.0);
        }
    } else {
        return random_value<S>(rng);
    }
}

const Layout kLayouts[4] = {kC1, kC3, kC4, kAC4};

template <class S, class D>
void check_exact_pair(const std::string& name, const std::array<Plain<S, D>, 4>& fns) {
    for (int i = 0; i < 4; ++i)
        run_pixel_case<S, D>({name + "_" + kLayouts[i].name, kLayouts[i].stored, kLayouts[i].stored, fns[i],
                              per_channel<S, D>(kLayouts[i], [](S x) {
                                  if constexpr (std::is_floating_point_v<D>)
                                      return static_cast<D>(x);
                                  else
                                      return to_int<D>(x);
                              })});
}

template <class D>
void check_float_pair(const std::string& name, const std::array<FromFloat<D>, 4>& fns) {
    for (int mode : {0, 1, 2, 7})  // 7: any other value rounds half away
        for (int i = 0; i < 4; ++i) {
            auto fn = fns[i];
            run_pixel_case<Rvl32f, D>(
                {name + "_" + kLayouts[i].name + " mode " + std::to_string(mode), kLayouts[i].stored, kLayouts[i].stored,
                 [fn, mode](const Rvl32f* s, int ss, D* d, int ds, RvlSize r) { return fn(s, ss, d, ds, r, RvlRoundMode(mode)); },
                 per_channel<Rvl32f, D>(kLayouts[i], [mode](Rvl32f x) { return to_int<D>(round_by(x, mode)); }),
                 conversion_value<Rvl32f>});
        }
}

#define RVLTEST_FOUR(p) {rvliConvert_##p##_C1R, rvliConvert_##p##_C3R, rvliConvert_##p##_C4R, rvliConvert_##p##_AC4R}

TEST(Convert, IntegerPairsAreExactOrSaturate) {
    check_exact_pair<Rvl8u, Rvl16u>("8u16u", RVLTEST_FOUR(8u16u));
    check_exact_pair<Rvl8u, Rvl16s>("8u16s", RVLTEST_FOUR(8u16s));
    check_exact_pair<Rvl8u, Rvl32s>("8u32s", RVLTEST_FOUR(8u32s));
    check_exact_pair<Rvl8u, Rvl32f>("8u32f", RVLTEST_FOUR(8u32f));
    check_exact_pair<Rvl8s, Rvl32s>("8s32s", RVLTEST_FOUR(8s32s));
    check_exact_pair<Rvl8s, Rvl32f>("8s32f", RVLTEST_FOUR(8s32f));
    check_exact_pair<Rvl16u, Rvl32s>("16u32s", RVLTEST_FOUR(16u32s));
    check_exact_pair<Rvl16u, Rvl32f>("16u32f", RVLTEST_FOUR(16u32f));
    check_exact_pair<Rvl16u, Rvl8u>("16u8u", RVLTEST_FOUR(16u8u));
    check_exact_pair<Rvl16s, Rvl32s>("16s32s", RVLTEST_FOUR(16s32s));
    check_exact_pair<Rvl16s, Rvl32f>("16s32f", RVLTEST_FOUR(16s32f));
    check_exact_pair<Rvl16s, Rvl8u>("16s8u", RVLTEST_FOUR(16s8u));
    check_exact_pair<Rvl32s, Rvl8u>("32s8u", RVLTEST_FOUR(32s8u));
    check_exact_pair<Rvl32s, Rvl8s>("32s8s", RVLTEST_FOUR(32s8s));
}

TEST(Convert, OneChannelPairs) {
    run_pixel_case<Rvl8s, Rvl16s>({"8s16s", 1, 1, rvliConvert_8s16s_C1R, [](const Rvl8s* s, Rvl16s* d) { d[0] = s[0]; }});
    run_pixel_case<Rvl8s, Rvl64f>({"8s64f", 1, 1, rvliConvert_8s64f_C1R, [](const Rvl8s* s, Rvl64f* d) { d[0] = s[0]; }});
    run_pixel_case<Rvl16u, Rvl32u>({"16u32u", 1, 1, rvliConvert_16u32u_C1R, [](const Rvl16u* s, Rvl32u* d) { d[0] = s[0]; }});
    // 32-bit integers to float round to nearest, ties to even, as C does.
    run_pixel_case<Rvl32s, Rvl32f>({"32s32f", 1, 1, rvliConvert_32s32f_C1R, [](const Rvl32s* s, Rvl32f* d) { d[0] = Rvl32f(s[0]); }});
    run_pixel_case<Rvl32u, Rvl32f>({"32u32f", 1, 1, rvliConvert_32u32f_C1R, [](const Rvl32u* s, Rvl32f* d) { d[0] = Rvl32f(s[0]); }});
}

TEST(Convert, SignedToUnsignedClampsNegatives) {
    auto rs = [](auto x) { return x < 0 ? 0 : x; };
    run_pixel_case<Rvl8s, Rvl8u>({"8s8u", 1, 1, rvliConvert_8s8u_C1Rs, [&](const Rvl8s* s, Rvl8u* d) { d[0] = Rvl8u(rs(s[0])); }});
    run_pixel_case<Rvl8s, Rvl16u>({"8s16u", 1, 1, rvliConvert_8s16u_C1Rs, [&](const Rvl8s* s, Rvl16u* d) { d[0] = Rvl16u(rs(s[0])); }});
    run_pixel_case<Rvl8s, Rvl32u>({"8s32u", 1, 1, rvliConvert_8s32u_C1Rs, [&](const Rvl8s* s, Rvl32u* d) { d[0] = Rvl32u(rs(s[0])); }});
    run_pixel_case<Rvl16s, Rvl16u>({"16s16u", 1, 1, rvliConvert_16s16u_C1Rs, [&](const Rvl16s* s, Rvl16u* d) { d[0] = Rvl16u(rs(s[0])); }});
    run_pixel_case<Rvl16s, Rvl32u>({"16s32u", 1, 1, rvliConvert_16s32u_C1Rs, [&](const Rvl16s* s, Rvl32u* d) { d[0] = Rvl32u(rs(s[0])); }});
    run_pixel_case<Rvl32s, Rvl32u>({"32s32u", 1, 1, rvliConvert_32s32u_C1Rs, [&](const Rvl32s* s, Rvl32u* d) { d[0] = Rvl32u(rs(s[0])); }});
}

TEST(Convert, FloatToIntegerByRoundingMode) {
    check_float_pair<Rvl8u>("32f8u", RVLTEST_FOUR(32f8u));
    check_float_pair<Rvl8s>("32f8s", RVLTEST_FOUR(32f8s));
    check_float_pair<Rvl16u>("32f16u", RVLTEST_FOUR(32f16u));
    check_float_pair<Rvl16s>("32f16s", RVLTEST_FOUR(32f16s));
}

TEST(Convert, RoundingModeExamples) {
    const Rvl32f src[6] = {2.5f, -0.7f, 300.2f, 3.5f, -2.5f, 0.49999997f};
    const Rvl8u want[3][6] = {{2, 0, 255, 3, 0, 0}, {2, 0, 255, 4, 0, 0}, {3, 0, 255, 4, 0, 0}};
    for (int mode = 0; mode < 3; ++mode) {
        Rvl8u dst[6];
        ASSERT_EQ(rvlResOk, rvliConvert_32f8u_C1R(src, sizeof src, dst, sizeof dst, {6, 1}, RvlRoundMode(mode)));
        for (int i = 0; i < 6; ++i) EXPECT_EQ(want[mode][i], dst[i]) << "mode " << mode << " value " << src[i];
    }
    const Rvl32f s16[4] = {-2.5f, -3.5f, 1e10f, std::numeric_limits<float>::quiet_NaN()};
    Rvl16s d16[4];
    ASSERT_EQ(rvlResOk, rvliConvert_32f16s_C1R(s16, sizeof s16, d16, sizeof d16, {4, 1}, rvlRoundHalfAway));
    EXPECT_EQ(-3, d16[0]);
    EXPECT_EQ(-4, d16[1]);
    EXPECT_EQ(32767, d16[2]);
    EXPECT_EQ(-32768, d16[3]);
}

// Scale factors: value * 2^-scaleFactor, exact in long double for every
// source type here.
template <class S, class D>
void check_sfs(const char* name, Sfs<S, D> fn) {
    for (int sf : {-5000, -1100, -200, -128, -40, -31, -17, -8, -1, 0, 1, 2, 3, 7, 8, 15, 16, 17, 31, 32, 33, 40,
                   127, 128, 149, 150, 300, 1100, 5000})
        for (int mode : {0, 1, 2}) {
            run_pixel_case<S, D>({std::string(name) + " sf " + std::to_string(sf) + " mode " + std::to_string(mode), 1, 1,
                                  [fn, sf, mode](const S* s, int ss, D* d, int ds, RvlSize r) {
                                      return fn(s, ss, d, ds, r, RvlRoundMode(mode), sf);
                                  },
                                  [sf, mode](const S* s, D* d) {
                                      d[0] = to_int<D>(round_by(std::ldexp(static_cast<long double>(s[0]), -sf), mode));
                                  },
                                  conversion_value<S>},
                                 std::uint64_t(sf + 100));
        }
}

#define RVLTEST_SFS(S, D, p) check_sfs<S, D>(#p, rvliConvert_##p##_C1RSfs)

TEST(Convert, ScaleFactorFormsRoundAndSaturate) {
    RVLTEST_SFS(Rvl8u, Rvl8s, 8u8s);
    RVLTEST_SFS(Rvl16s, Rvl8s, 16s8s);
    RVLTEST_SFS(Rvl16u, Rvl8s, 16u8s);
    RVLTEST_SFS(Rvl16u, Rvl16s, 16u16s);
    RVLTEST_SFS(Rvl32s, Rvl16s, 32s16s);
    RVLTEST_SFS(Rvl32s, Rvl16u, 32s16u);
    RVLTEST_SFS(Rvl32u, Rvl8u, 32u8u);
    RVLTEST_SFS(Rvl32u, Rvl8s, 32u8s);
    RVLTEST_SFS(Rvl32u, Rvl16u, 32u16u);
    RVLTEST_SFS(Rvl32u, Rvl16s, 32u16s);
    RVLTEST_SFS(Rvl32u, Rvl32s, 32u32s);
    RVLTEST_SFS(Rvl32f, Rvl8u, 32f8u);
    RVLTEST_SFS(Rvl32f, Rvl8s, 32f8s);
    RVLTEST_SFS(Rvl32f, Rvl16u, 32f16u);
    RVLTEST_SFS(Rvl32f, Rvl16s, 32f16s);
    RVLTEST_SFS(Rvl32f, Rvl32s, 32f32s);
    RVLTEST_SFS(Rvl32f, Rvl32u, 32f32u);
    RVLTEST_SFS(Rvl64f, Rvl8u, 64f8u);
    RVLTEST_SFS(Rvl64f, Rvl8s, 64f8s);
    RVLTEST_SFS(Rvl64f, Rvl16u, 64f16u);
    RVLTEST_SFS(Rvl64f, Rvl16s, 64f16s);
}

TEST(Convert, InPlace32fTo32u) {
    const Rvl32f in[6] = {-1.0f, 2.5f, 3.5f, 1e10f, 1.0e3f, std::numeric_limits<float>::quiet_NaN()};
    Rvl32u buf[6];
    std::memcpy(buf, in, sizeof in);
    ASSERT_EQ(rvlResOk, rvliConvert_32f32u_C1IRSfs(buf, sizeof buf, {6, 1}, rvlRoundNearestEven, 1));
    const Rvl32u want[6] = {0, 1, 2, 4294967295u, 500, 0};  // 1.25 -> 1, 1.75 -> 2
    for (int i = 0; i < 6; ++i) EXPECT_EQ(want[i], buf[i]) << i;
}

// Checks: float sources and AC4 forms check steps after pointers and size;
// the other forms do not check steps at all.
TEST(Convert, CheckOrders) {
    Rvl32f f[8] = {};
    Rvl8u b[32] = {};
    Rvl16s s[8] = {};
    EXPECT_EQ(rvlResNullPointer, rvliConvert_32f8u_C1R(nullptr, 0, b, 0, {0, 1}, rvlRoundNearestEven));
    EXPECT_EQ(rvlResBadSize, rvliConvert_32f8u_C1R(f, 0, b, 0, {0, 1}, rvlRoundNearestEven));
    EXPECT_EQ(rvlResBadStep, rvliConvert_32f8u_C3R(f, 32, b, 0, {1, 1}, rvlRoundNearestEven));
    EXPECT_EQ(rvlResBadStep, rvliConvert_8u32f_AC4R(b, -4, f, 32, {1, 1}));
    EXPECT_EQ(rvlResOk, rvliConvert_8u32f_C4R(b, 0, f, 0, {1, 2}));  // integer source: steps unchecked
    EXPECT_EQ(rvlResOk, rvliConvert_32f16s_C1RSfs(f, 0, s, 0, {4, 2}, rvlRoundNearestEven, 3));
    EXPECT_EQ(rvlResOk, rvliConvert_8s8u_C1Rs(reinterpret_cast<Rvl8s*>(b), -1, b + 8, 0, {4, 1}));
    EXPECT_EQ(rvlResNullPointer, rvliConvert_32f32u_C1IRSfs(nullptr, 4, {0, 0}, rvlRoundNearestEven, 0));
    EXPECT_EQ(rvlResBadSize, rvliConvert_64f8u_C1RSfs(reinterpret_cast<Rvl64f*>(f), 8, b, 8, {1, 0}, rvlRoundNearestEven, 0));
}

// Whatever rounding mode the caller has set is in force again afterwards,
// and does not change any result.
TEST(Convert, CallersRoundingModeIsRestoredAndIgnored) {
    Rng rng(21);
    std::vector<Rvl32f> src(100);
    std::vector<Rvl32s> isrc(100);
    for (auto& v : src) v = conversion_value<Rvl32f>(rng);
    for (auto& v : isrc) v = random_value<Rvl32s>(rng);
    expect_independent_of_callers_rounding([&] {
        std::vector<Rvl8u> a(300);
        std::vector<Rvl32f> b(100);
        std::vector<Rvl16s> c(100);
        for (int mode = 0; mode < 3; ++mode)
            EXPECT_EQ(rvlResOk, rvliConvert_32f8u_C1R(src.data(), 400, a.data() + 100 * mode, 100, {100, 1}, RvlRoundMode(mode)));
        EXPECT_EQ(rvlResOk, rvliConvert_32s32f_C1R(isrc.data(), 400, b.data(), 400, {100, 1}));
        EXPECT_EQ(rvlResOk, rvliConvert_32f16s_C4R(src.data(), 400, c.data(), 200, {25, 1}, rvlRoundTowardZero));
        std::vector<unsigned char> out;
        append_bytes(out, a), append_bytes(out, b), append_bytes(out, c);
        return out;
    });
}

}  // namespace
