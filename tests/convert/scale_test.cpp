// Scale and ScaleC: every member against a plain reference of its formula;
// the identity shortcut; the check orders; the caller's rounding mode.
#include <cfenv>
#include <cmath>
#include <cstring>
#include <functional>
#include <array>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <xmmintrin.h>

#include "rvl.h"
#include "support/pixel_case.hpp"
#include "support/reference.hpp"

using namespace rvltest;

namespace {


// Floor division, written differently from the shifts of the fast paths.
long long floor_div(long long a, long long b) { return (a - ((a % b + b) % b)) / b; }

const Layout kLayouts[4] = {kC1, kC3, kC4, kAC4};

template <class S, class D, class Fn, class Ref>
void check_layouts(const std::string& name, const std::array<Fn, 4>& fns, Ref ref,
                   std::function<S(Rng&)> gen = random_value<S>) {
    for (int i = 0; i < 4; ++i)
        run_pixel_case<S, D>({name + "_" + kLayouts[i].name, kLayouts[i].stored, kLayouts[i].stored, fns[i],
                              per_channel<S, D>(kLayouts[i], ref), gen});
}

#define RVLTEST_FOUR(p) {rvliScale_##p##_C1R, rvliScale_##p##_C3R, rvliScale_##p##_C4R, rvliScale_##p##_AC4R}

TEST(Scale, FromEightBitFillsTheWholeRange) {
    using F16u = RvlResult (*)(const Rvl8u*, int, Rvl16u*, int, RvlSize);
    using F16s = RvlResult (*)(const Rvl8u*, int, Rvl16s*, int, RvlSize);
    using F32s = RvlResult (*)(const Rvl8u*, int, Rvl32s*, int, RvlSize);
    check_layouts<Rvl8u, Rvl16u>("8u16u", std::array<F16u, 4>RVLTEST_FOUR(8u16u), [](Rvl8u x) { return Rvl16u(257 * x); });
    check_layouts<Rvl8u, Rvl16s>("8u16s", std::array<F16s, 4>RVLTEST_FOUR(8u16s), [](Rvl8u x) { return Rvl16s(257 * x - 32768); });
    check_layouts<Rvl8u, Rvl32s>("8u32s", std::array<F32s, 4>RVLTEST_FOUR(8u32s),
                                 [](Rvl8u x) { return Rvl32s(16843009LL * x - 2147483648LL); });
    for (auto [lo, hi] : {std::pair{0.0f, 1.0f}, {-3.5f, 1000.25f}, {100.0f, 100.5f}}) {
        using F = RvlResult (*)(const Rvl8u*, int, Rvl32f*, int, RvlSize, Rvl32f, Rvl32f);
        const std::array<F, 4> fns = RVLTEST_FOUR(8u32f);
        std::array<std::function<RvlResult(const Rvl8u*, int, Rvl32f*, int, RvlSize)>, 4> calls;
        for (int i = 0; i < 4; ++i)
            calls[i] = [f = fns[i], lo = lo, hi = hi](const Rvl8u* s, int ss, Rvl32f* d, int ds, RvlSize r) { return f(s, ss, d, ds, r, lo, hi); };
        const float k = (hi - lo) / 255.0f;
        check_layouts<Rvl8u, Rvl32f>("8u32f", calls, [k, lo = lo](Rvl8u x) { return float(x) * k + lo; });
    }
    Rvl8u ends[2] = {0, 255};
    Rvl16s out[2];
    ASSERT_EQ(rvlResOk, rvliScale_8u16s_C1R(ends, 2, out, 4, {2, 1}));
    EXPECT_EQ(-32768, out[0]);
    EXPECT_EQ(32767, out[1]);
}

template <class S>
long double fast_to_8u(S x) {
    long long y = x;
    if (std::is_same_v<S, Rvl16u>) y -= 32768;
    const long long t = y - floor_div(y, 256);
    return floor_div(t, sizeof(S) == 4 ? (1LL << 24) : 256) + 128;
}

template <class S>
long double accurate_to_8u(S x) {
    if constexpr (sizeof(S) == 2) {
        const float base = std::is_same_v<S, Rvl16s> ? float(x + 32768) : float(x);
        return std::nearbyint(base * 0.0038910505827516317f);
    } else {
        return std::nearbyint(double(x) * 5.937181414556033e-08 + 127.5000000296859);
    }
}

template <class S>
void check_to_8u(const std::string& name, const std::array<RvlResult (*)(const S*, int, Rvl8u*, int, RvlSize, RvlHintAlgorithm), 4>& fns) {
    for (RvlHintAlgorithm hint : {rvlHintNone, rvlHintFast, rvlHintAccurate}) {
        std::array<std::function<RvlResult(const S*, int, Rvl8u*, int, RvlSize)>, 4> calls;
        for (int i = 0; i < 4; ++i)
            calls[i] = [f = fns[i], hint](const S* s, int ss, Rvl8u* d, int ds, RvlSize r) { return f(s, ss, d, ds, r, hint); };
        check_layouts<S, Rvl8u>(name + " hint " + std::to_string(hint), calls, [hint](S x) {
            return to_int<Rvl8u>(hint == rvlHintAccurate ? accurate_to_8u(x) : fast_to_8u(x));
        });
    }
}

TEST(Scale, ToEightBitFastAndAccurate) {
    check_to_8u<Rvl16u>("16u8u", RVLTEST_FOUR(16u8u));
    check_to_8u<Rvl16s>("16s8u", RVLTEST_FOUR(16s8u));
    check_to_8u<Rvl32s>("32s8u", RVLTEST_FOUR(32s8u));
    const Rvl16s ends[2] = {-32768, 32767};
    Rvl8u out[2];
    ASSERT_EQ(rvlResOk, rvliScale_16s8u_C1R(ends, 4, out, 2, {2, 1}, rvlHintFast));
    EXPECT_EQ(0, out[0]);
    EXPECT_EQ(255, out[1]);
}

TEST(Scale, FloatRangeOntoEightBit) {
    using F = RvlResult (*)(const Rvl32f*, int, Rvl8u*, int, RvlSize, Rvl32f, Rvl32f);
    const std::array<F, 4> fns = RVLTEST_FOUR(32f8u);
    for (auto [lo, hi] : {std::pair{0.0f, 1.0f}, {-300.0f, 300.0f}, {-1e6f, 5.0f}}) {
        std::array<std::function<RvlResult(const Rvl32f*, int, Rvl8u*, int, RvlSize)>, 4> calls;
        for (int i = 0; i < 4; ++i)
            calls[i] = [f = fns[i], lo = lo, hi = hi](const Rvl32f* s, int ss, Rvl8u* d, int ds, RvlSize r) { return f(s, ss, d, ds, r, lo, hi); };
        const float s = 255.0f / (hi - lo), o = -s * lo;
        check_layouts<Rvl32f, Rvl8u>("32f8u", calls, [=](Rvl32f x) {
            if (std::isnan(x)) return Rvl8u(0);
            const float c = x < lo ? lo : x > hi ? hi : x;
            return to_int<Rvl8u>(std::nearbyint(c * s + o));
        });
    }
}

TEST(Scale, CheckOrder) {
    Rvl8u b[64] = {};
    Rvl32f f[16] = {};
    EXPECT_EQ(rvlResNullPointer, rvliScale_32f8u_C1R(nullptr, 0, b, 0, {0, 1}, 1.0f, 1.0f));
    EXPECT_EQ(rvlResBadSize, rvliScale_32f8u_C1R(f, 0, b, 0, {0, 1}, 1.0f, 1.0f));
    EXPECT_EQ(rvlResBadStep, rvliScale_32f8u_C3R(f, 12, b, 0, {1, 1}, 1.0f, 1.0f));
    EXPECT_EQ(rvlResBadValueRange, rvliScale_32f8u_C1R(f, 64, b, 64, {1, 1}, 1.0f, 1.0f));
    EXPECT_EQ(rvlResBadValueRange, rvliScale_8u32f_AC4R(b, 64, f, 64, {1, 1}, 2.0f, -2.0f));
    EXPECT_EQ(rvlResBadStep, rvliScale_16s8u_C4R(reinterpret_cast<Rvl16s*>(f), -8, b, 4, {1, 1}, rvlHintAccurate));
    for (Rvl8u v : b) EXPECT_EQ(0, v);
}

// ---- ScaleC -------------------------------------------------------------------

template <class S, class D>
using ScaleCFn = RvlResult (*)(const S*, int, Rvl64f, Rvl64f, D*, int, RvlSize, RvlHintAlgorithm);

template <class D>
D linear_result(long double v) {
    if constexpr (std::is_floating_point_v<D>)
        return static_cast<D>(v);
    else
        return to_int<D>(std::nearbyint(v));
}

template <class S>
S scalec_value(Rng& rng) {
    if constexpr (std::is_floating_point_v<S>) {
        if (rng() % 2) return static_cast<S>(random_value<float>(rng));
        return static_cast<S>((static_cast<int>(rng() % 4000) - 2000) / 8.0);
    } else {
        return random_value<S>(rng);
    }
}

template <class S, class D>
void check_scalec(const std::string& name, ScaleCFn<S, D> fn) {
    const std::pair<double, double> constants[] = {{0.5, 3.25}, {-1.75, 100.5}, {1000.0, -7.0}, {1e-3, 0.0}, {1.0, 0.5}, {1.0 + 4e-16, 0.0}};
    for (auto [m, a] : constants)
        for (RvlHintAlgorithm hint : {rvlHintFast, rvlHintAccurate}) {
            auto ref = [m = m, a = a, hint](const S* s, D* d) {
                if (hint == rvlHintAccurate)
                    d[0] = linear_result<D>(static_cast<double>(s[0]) * m + a);
                else
                    d[0] = linear_result<D>(static_cast<float>(s[0]) * static_cast<float>(m) + static_cast<float>(a));
            };
            run_pixel_case<S, D>({name + " m " + std::to_string(m) + " a " + std::to_string(a) + " hint " + std::to_string(hint), 1, 1,
                                  [fn, m = m, a = a, hint](const S* s, int ss, D* d, int ds, RvlSize r) { return fn(s, ss, m, a, d, ds, r, hint); },
                                  ref, scalec_value<S>});
        }
    // The identity: a plain conversion (a copy for one type), not a
    // single-precision product.
    run_pixel_case<S, D>({name + " identity", 1, 1,
                          [fn](const S* s, int ss, D* d, int ds, RvlSize r) { return fn(s, ss, 1.0, 1e-17, d, ds, r, rvlHintFast); },
                          [](const S* s, D* d) {
                              if constexpr (std::is_same_v<S, D>)
                                  std::memcpy(d, s, sizeof(S));
                              else
                                  d[0] = linear_result<D>(static_cast<long double>(s[0]));
                          },
                          scalec_value<S>});
}

#define RVLTEST_SC(s, d, S, D) check_scalec<S, D>(#s #d, rvliScaleC_##s##d##_C1R)
#define RVLTEST_SC_ROW(s, S)                                                                                   \
    RVLTEST_SC(s, 8u, S, Rvl8u), RVLTEST_SC(s, 8s, S, Rvl8s), RVLTEST_SC(s, 16u, S, Rvl16u),                   \
        RVLTEST_SC(s, 16s, S, Rvl16s), RVLTEST_SC(s, 32s, S, Rvl32s), RVLTEST_SC(s, 32f, S, Rvl32f),           \
        RVLTEST_SC(s, 64f, S, Rvl64f)

// The same-type members are named rvliScaleC_<T>_C1R; these aliases let the
// row macro name them like the others.
#define rvliScaleC_8u8u_C1R rvliScaleC_8u_C1R
#define rvliScaleC_8s8s_C1R rvliScaleC_8s_C1R
#define rvliScaleC_16u16u_C1R rvliScaleC_16u_C1R
#define rvliScaleC_16s16s_C1R rvliScaleC_16s_C1R
#define rvliScaleC_32s32s_C1R rvliScaleC_32s_C1R
#define rvliScaleC_32f32f_C1R rvliScaleC_32f_C1R
#define rvliScaleC_64f64f_C1R rvliScaleC_64f_C1R

TEST(ScaleC, EveryPairMatchesReference) {
    RVLTEST_SC_ROW(8u, Rvl8u);
    RVLTEST_SC_ROW(8s, Rvl8s);
    RVLTEST_SC_ROW(16u, Rvl16u);
    RVLTEST_SC_ROW(16s, Rvl16s);
    RVLTEST_SC_ROW(32s, Rvl32s);
    RVLTEST_SC_ROW(32f, Rvl32f);
    RVLTEST_SC_ROW(64f, Rvl64f);
}

template <class T>
void check_in_place(RvlResult (*inPlace)(Rvl64f, Rvl64f, T*, int, RvlSize, RvlHintAlgorithm), ScaleCFn<T, T> twin) {
    Rng rng(31);
    for (int width : {1, 17, 300}) {
        TestImage<T> img(width, 2, 1, 1, 1), out(width, 2, 1, 1, 1);
        img.fill(rng, scalec_value<T>);
        out = img;
        for (RvlHintAlgorithm hint : {rvlHintFast, rvlHintAccurate}) {
            TestImage<T> a = img;
            ASSERT_EQ(rvlResOk, twin(img.data(), img.step(), -2.5, 7.0, out.data(), out.step(), {width, 2}, hint));
            ASSERT_EQ(rvlResOk, inPlace(-2.5, 7.0, a.data(), a.step(), {width, 2}, hint));
            ASSERT_TRUE(same_bytes(a, out));
        }
    }
}

TEST(ScaleC, InPlaceFormsMatchTheirTwins) {
    check_in_place<Rvl8u>(rvliScaleC_8u_C1IR, rvliScaleC_8u_C1R);
    check_in_place<Rvl8s>(rvliScaleC_8s_C1IR, rvliScaleC_8s_C1R);
    check_in_place<Rvl16u>(rvliScaleC_16u_C1IR, rvliScaleC_16u_C1R);
    check_in_place<Rvl16s>(rvliScaleC_16s_C1IR, rvliScaleC_16s_C1R);
    check_in_place<Rvl32s>(rvliScaleC_32s_C1IR, rvliScaleC_32s_C1R);
    check_in_place<Rvl32f>(rvliScaleC_32f_C1IR, rvliScaleC_32f_C1R);
    check_in_place<Rvl64f>(rvliScaleC_64f_C1IR, rvliScaleC_64f_C1R);
}

// The identity shortcut comes before every check: it takes the conversion's
// checks, which for an integer source do not look at steps.
TEST(ScaleC, IdentityIsDecidedBeforeTheChecks) {
    Rvl32s src[4] = {16777217, -5, 7, 2147483647};
    Rvl32s dst[4] = {};
    EXPECT_EQ(rvlResOk, rvliScaleC_32s_C1R(src, 0, 1.0, 0.0, dst, 0, {4, 1}, rvlHintFast));
    EXPECT_EQ(16777217, dst[0]) << "an exact copy, not a single-precision product";
    EXPECT_EQ(rvlResBadStep, rvliScaleC_32s_C1R(src, 0, 2.0, 0.0, dst, 0, {4, 1}, rvlHintFast));
    Rvl32f f[2] = {1.5f, 2.5f};
    EXPECT_EQ(rvlResBadStep, rvliScaleC_32f8u_C1R(f, 0, 1.0, 0.0, reinterpret_cast<Rvl8u*>(dst), 0, {2, 1}, rvlHintFast));
    EXPECT_EQ(rvlResNullPointer, rvliScaleC_8u16s_C1R(nullptr, 0, 3.0, 0.0, nullptr, 0, {0, 0}, rvlHintFast));
    EXPECT_EQ(rvlResBadSize, rvliScaleC_8u16s_C1R(reinterpret_cast<Rvl8u*>(src), 0, 3.0, 0.0, reinterpret_cast<Rvl16s*>(dst), -1, {1, 0}, rvlHintFast));
    Rvl8u b[4] = {1, 2, 3, 4};
    Rvl16s s16[4];
    ASSERT_EQ(rvlResOk, rvliScaleC_8u16s_C1R(b, 4, 1.0, 0.0, s16, 8, {4, 1}, rvlHintFast));
    EXPECT_EQ(4, s16[3]);
}

TEST(ScaleAndScaleC, CallersRoundingModeIsRestoredAndIgnored) {
    Rng rng(41);
    std::vector<Rvl32f> src(64);
    std::vector<Rvl32s> isrc(64);
    for (auto& v : src) v = scalec_value<Rvl32f>(rng);
    for (auto& v : isrc) v = random_value<Rvl32s>(rng);
    expect_independent_of_callers_rounding([&] {
        std::vector<Rvl8u> a(128);
        std::vector<Rvl16s> b(64);
        std::vector<Rvl32f> c(64);
        EXPECT_EQ(rvlResOk, rvliScale_32f8u_C1R(src.data(), 256, a.data(), 64, {64, 1}, -100.0f, 77.0f));
        EXPECT_EQ(rvlResOk, rvliScale_32s8u_C1R(isrc.data(), 256, a.data() + 64, 64, {64, 1}, rvlHintAccurate));
        EXPECT_EQ(rvlResOk, rvliScaleC_32f16s_C1R(src.data(), 256, 3.3, 0.1, b.data(), 128, {64, 1}, rvlHintFast));
        EXPECT_EQ(rvlResOk, rvliScaleC_32s32f_C1R(isrc.data(), 256, 0.3, 0.7, c.data(), 256, {64, 1}, rvlHintAccurate));
        std::vector<unsigned char> out;
        append_bytes(out, a), append_bytes(out, b), append_bytes(out, c);
        return out;
    });
}

}  // namespace
