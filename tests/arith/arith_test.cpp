// Arithmetic: every Add/Sub/Mul/Div member and constant form (R, IR, _L,
// IR_L) against a plain reference of the scale-factor rule written with
// long double arithmetic; all 8u operand pairs for every scale factor from
// -20 to 20; zero divisors and their warning; check orders.
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "rvl.h"
#include "support/pixel_case.hpp"
#include "support/reference.hpp"

using namespace rvltest;

namespace {

enum class Op { Add, Sub, Mul, Div };

// saturate(round_half_even(s * 2^-f)); the tests run in round-to-nearest.
template <class T>
T rule(long double s, [[maybe_unused]] int f) {
    return to_int<T>(std::nearbyint(std::ldexp(s, -f)));
}

// a is the right-hand operand: Sub gives b - a, Div gives b / a.
template <class T>
T reference(Op op, T a, T b, [[maybe_unused]] int f) {
    if constexpr (std::is_same_v<T, Rvl32f>) {
        switch (op) {
            case Op::Add: return a + b;
            case Op::Sub: return b - a;
            case Op::Mul: return a * b;
            default:
                if (a == 0.0f) {
                    if (std::isnan(b) || b == 0.0f) return float_from_bits(0x7FBFFFFFu);
                    return b > 0 ? INFINITY : -INFINITY;
                }
                return b / a;
        }
    } else {
        switch (op) {
            case Op::Add: return rule<T>((long double)a + b, f);
            case Op::Sub: return rule<T>((long double)b - a, f);
            case Op::Mul: return rule<T>((long double)a * b, f);
            default:
                if (a == 0) return b > 0 ? std::numeric_limits<T>::max() : b < 0 ? std::numeric_limits<T>::lowest() : T(0);
                return to_int<T>(std::nearbyint(std::ldexp((long double)b, -f) / a));
        }
    }
}

template <class T>
using Two = std::function<RvlResult(const T*, int, const T*, int, T*, int, RvlSize, int)>;
template <class T>
using TwoIP = std::function<RvlResult(const T*, int, T*, int, RvlSize, int)>;
template <class T>
using TwoL = std::function<RvlResult(const T*, std::int64_t, const T*, std::int64_t, T*, std::int64_t, RvlSizeL, int)>;
template <class T>
using TwoIPL = std::function<RvlResult(const T*, std::int64_t, T*, std::int64_t, RvlSizeL, int)>;
template <class T>
using Con = std::function<RvlResult(const T*, int, const T*, T*, int, RvlSize, int)>;
template <class T>
using ConIP = std::function<RvlResult(const T*, T*, int, RvlSize, int)>;
template <class T>
using ConL = std::function<RvlResult(const T*, std::int64_t, const T*, T*, std::int64_t, RvlSizeL, int)>;
template <class T>
using ConIPL = std::function<RvlResult(const T*, T*, std::int64_t, RvlSizeL, int)>;

template <class T>
struct Member {
    std::string name;
    Op op;
    Layout layout;
    Two<T> r;
    TwoIP<T> ir;
    TwoL<T> rL;
    TwoIPL<T> irL;
    Con<T> c;
    ConIP<T> cir;
    ConL<T> cL;
    ConIPL<T> cirL;
};

// Values for the operands: random over the type, often 0 (divisors) and
// small (so that scaled results stay in range).
template <class T>
T operand(Rng& rng) {
    switch (rng() % 5) {
        case 0: return T(0);
        case 1: return T(rng() % 7);
        default:
            if constexpr (std::is_same_v<T, Rvl32f>) return T(int(rng() % 2001) - 1000) / 8.0f;
            else return random_value<T>(rng);
    }
}

template <class T>
void check_member(const Member<T>& m, int f, Rng& rng) {
    const int C = m.layout.stored, P = m.layout.processed;
    for (int width : {1, 5, 16, 33, 300}) {
        SCOPED_TRACE(m.name + " f " + std::to_string(f) + " width " + std::to_string(width));
        TestImage<T> a(width, 2, C, 3, 1), b(width, 2, C, 1, 2), d(width, 2, C, 2, 3);
        a.fill(rng, operand<T>), b.fill(rng, operand<T>), d.fill(rng, operand<T>);
        TestImage<T> want = d;
        RvlResult wantStatus = rvlResOk;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < width; ++x)
                for (int k = 0; k < P; ++k) {
                    want.set(x, y, k, reference(m.op, a.at(x, y, k), b.at(x, y, k), f));
                    if (m.op == Op::Div && a.at(x, y, k) == T(0)) wantStatus = rvlResWarnDivByZero;
                }
        const RvlSize roi{width, 2};
        const RvlSizeL roiL{width, 2};
        // Two images, not in place and in place, 32 and 64 bits.
        TestImage<T> out = d;
        ASSERT_EQ(wantStatus, m.r(a.data(), a.step(), b.data(), b.step(), out.data(), out.step(), roi, f));
        ASSERT_TRUE(same_bytes(out, want));
        out = d;
        ASSERT_EQ(wantStatus, m.rL(a.data(), a.step(), b.data(), b.step(), out.data(), out.step(), roiL, f));
        ASSERT_TRUE(same_bytes(out, want));
        // A step of 2^40 cannot go through the 32-bit form: one row walked
        // by the 64-bit path itself.
        {
            TestImage<T> firstRow = d;
            RvlResult rowStatus = rvlResOk;
            for (int x = 0; x < width; ++x)
                for (int k = 0; k < P; ++k) {
                    firstRow.set(x, 0, k, want.at(x, 0, k));
                    if (m.op == Op::Div && a.at(x, 0, k) == T(0)) rowStatus = rvlResWarnDivByZero;
                }
            const std::int64_t huge = INT64_C(1) << 40;
            out = d;
            ASSERT_EQ(rowStatus, m.rL(a.data(), huge, b.data(), huge, out.data(), huge, RvlSizeL{width, 1}, f));
            ASSERT_TRUE(same_bytes(out, firstRow)) << "64-bit path";
        }
        TestImage<T> inPlace = b;
        ASSERT_EQ(wantStatus, m.ir(a.data(), a.step(), inPlace.data(), inPlace.step(), roi, f));
        TestImage<T> wantInPlace = b;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < width; ++x)
                for (int k = 0; k < P; ++k) wantInPlace.set(x, y, k, want.at(x, y, k));
        ASSERT_TRUE(same_bytes(inPlace, wantInPlace));
        inPlace = b;
        ASSERT_EQ(wantStatus, m.irL(a.data(), a.step(), inPlace.data(), inPlace.step(), roiL, f));
        ASSERT_TRUE(same_bytes(inPlace, wantInPlace));

        // Constant forms: src op value, value[c] per channel (never 0 for Div).
        T value[4];
        for (int k = 0; k < 4; ++k) {
            value[k] = operand<T>(rng);
            if (m.op == Op::Div && value[k] == T(0)) value[k] = T(3);
        }
        TestImage<T> wantC = d, wantCIP = b;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < width; ++x)
                for (int k = 0; k < P; ++k) {
                    T r = reference(m.op, value[k], b.at(x, y, k), f);
                    if constexpr (std::is_same_v<T, Rvl32f>)
                        if (m.op == Op::Div) r = b.at(x, y, k) * (1.0f / value[k]);  // a product by the reciprocal
                    wantC.set(x, y, k, r);
                    wantCIP.set(x, y, k, r);
                }
        out = d;
        ASSERT_EQ(rvlResOk, m.c(b.data(), b.step(), value, out.data(), out.step(), roi, f));
        ASSERT_TRUE(same_bytes(out, wantC)) << "constant form";
        out = d;
        ASSERT_EQ(rvlResOk, m.cL(b.data(), b.step(), value, out.data(), out.step(), roiL, f));
        ASSERT_TRUE(same_bytes(out, wantC)) << "constant _L form";
        inPlace = b;
        ASSERT_EQ(rvlResOk, m.cir(value, inPlace.data(), inPlace.step(), roi, f));
        ASSERT_TRUE(same_bytes(inPlace, wantCIP)) << "constant in place";
        inPlace = b;
        ASSERT_EQ(rvlResOk, m.cirL(value, inPlace.data(), inPlace.step(), roiL, f));
        ASSERT_TRUE(same_bytes(inPlace, wantCIP)) << "constant in place _L";
    }
}

// Adapters: integer members take the scale factor, 32f members ignore it;
// C1 constants are scalars.
#define RVLTEST_V(lay) RVLTEST_V_##lay
#define RVLTEST_V_C1 v[0]
#define RVLTEST_V_C3 v
#define RVLTEST_V_C4 v
#define RVLTEST_V_AC4 v
#define RVLTEST_MEMBER(op, t, lay, sfs, F)                                                                               \
    Member<T>{#op "_" #t "_" #lay,                                                                                       \
              Op::op,                                                                                                    \
              k##lay,                                                                                                    \
              [](auto a, int as, auto b, int bs, auto d, int ds, RvlSize r, [[maybe_unused]] int f) { return rvli##op##_##t##_##lay##R##sfs(a, as, b, bs, d, ds, r F()); }, \
              [](auto a, int as, auto d, int ds, RvlSize r, [[maybe_unused]] int f) { return rvli##op##_##t##_##lay##IR##sfs(a, as, d, ds, r F()); },                  \
              [](auto a, std::int64_t as, auto b, std::int64_t bs, auto d, std::int64_t ds, RvlSizeL r, [[maybe_unused]] int f) {                                    \
                  return rvli##op##_##t##_##lay##R##sfs##_L(a, as, b, bs, d, ds, r F());                                                               \
              },                                                                                                         \
              [](auto a, std::int64_t as, auto d, std::int64_t ds, RvlSizeL r, [[maybe_unused]] int f) { return rvli##op##_##t##_##lay##IR##sfs##_L(a, as, d, ds, r F()); }, \
              [](auto s, int ss, auto v, auto d, int ds, RvlSize r, [[maybe_unused]] int f) { return rvli##op##C_##t##_##lay##R##sfs(s, ss, RVLTEST_V(lay), d, ds, r F()); }, \
              [](auto v, auto d, int ds, RvlSize r, [[maybe_unused]] int f) { return rvli##op##C_##t##_##lay##IR##sfs(RVLTEST_V(lay), d, ds, r F()); },                 \
              [](auto s, std::int64_t ss, auto v, auto d, std::int64_t ds, RvlSizeL r, [[maybe_unused]] int f) {                                                     \
                  return rvli##op##C_##t##_##lay##R##sfs##_L(s, ss, RVLTEST_V(lay), d, ds, r F());                                                     \
              },                                                                                                         \
              [](auto v, auto d, std::int64_t ds, RvlSizeL r, [[maybe_unused]] int f) { return rvli##op##C_##t##_##lay##IR##sfs##_L(RVLTEST_V(lay), d, ds, r F()); }}
#define RVLTEST_SF() , f
#define RVLTEST_NOSF()
#define RVLTEST_LAYOUTS(op, t, sfs, F) \
    RVLTEST_MEMBER(op, t, C1, sfs, F), RVLTEST_MEMBER(op, t, C3, sfs, F), RVLTEST_MEMBER(op, t, C4, sfs, F), RVLTEST_MEMBER(op, t, AC4, sfs, F)
#define RVLTEST_OPS(t, sfs, F) \
    RVLTEST_LAYOUTS(Add, t, sfs, F), RVLTEST_LAYOUTS(Sub, t, sfs, F), RVLTEST_LAYOUTS(Mul, t, sfs, F), RVLTEST_LAYOUTS(Div, t, sfs, F)

template <class T>
void check_all(const std::vector<Member<T>>& members, std::initializer_list<int> factors) {
    Rng rng(77);
    for (const Member<T>& m : members)
        for (int f : factors) check_member(m, f, rng);
}

TEST(Arith, EightBitMembersMatchReference) {
    using T = Rvl8u;
    check_all<T>({RVLTEST_OPS(8u, Sfs, RVLTEST_SF)}, {-20, -9, -8, -7, -1, 0, 1, 2, 7, 8, 9, 16, 20, 31, 40});
}
TEST(Arith, SixteenBitUnsignedMembersMatchReference) {
    using T = Rvl16u;
    check_all<T>({RVLTEST_OPS(16u, Sfs, RVLTEST_SF)}, {-20, -16, -15, -1, 0, 1, 3, 15, 16, 17, 20, 31, 32, 33, 40});
}
TEST(Arith, SixteenBitSignedMembersMatchReference) {
    using T = Rvl16s;
    check_all<T>({RVLTEST_OPS(16s, Sfs, RVLTEST_SF)}, {-20, -15, -1, 0, 1, 2, 14, 15, 16, 20, 30, 31, 40});
}

TEST(Arith, FloatMembersMatchReference) {
    using T = Rvl32f;
    check_all<T>({RVLTEST_OPS(32f, , RVLTEST_NOSF)}, {0});
}

// Every pair of 8u operands, every scale factor from -20 to 20.
TEST(Arith, EveryEightBitPairAndScaleFactor) {
    std::vector<Rvl8u> a(256 * 256), b(256 * 256), d(256 * 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) a[y * 256 + x] = Rvl8u(x), b[y * 256 + x] = Rvl8u(y);
    const RvlSize roi{256, 256};
    for (int f = -20; f <= 20; ++f) {
        struct {
            Op op;
            RvlResult (*fn)(const Rvl8u*, int, const Rvl8u*, int, Rvl8u*, int, RvlSize, int);
        } const ops[] = {{Op::Add, rvliAdd_8u_C1RSfs}, {Op::Sub, rvliSub_8u_C1RSfs}, {Op::Mul, rvliMul_8u_C1RSfs},
                         {Op::Div, rvliDiv_8u_C1RSfs}};
        for (const auto& o : ops) {
            ASSERT_EQ(o.op == Op::Div ? rvlResWarnDivByZero : rvlResOk, o.fn(a.data(), 256, b.data(), 256, d.data(), 256, roi, f));
            for (int i = 0; i < 256 * 256; ++i)
                ASSERT_EQ(reference<Rvl8u>(o.op, a[i], b[i], f), d[i])
                    << "op " << int(o.op) << " f " << f << " a " << int(a[i]) << " b " << int(b[i]);
        }
    }
}

TEST(Arith, Examples) {
    auto add = [](Rvl8u x, Rvl8u y, [[maybe_unused]] int f) {
        Rvl8u r;
        EXPECT_EQ(rvlResOk, rvliAdd_8u_C1RSfs(&x, 1, &y, 1, &r, 1, {1, 1}, f));
        return int(r);
    };
    EXPECT_EQ(2, add(1, 2, 1));
    EXPECT_EQ(2, add(2, 3, 1));
    EXPECT_EQ(255, add(255, 255, 0));
    EXPECT_EQ(1, add(255, 255, 9));
    EXPECT_EQ(0, add(255, 255, 10));
    EXPECT_EQ(255, add(0, 1, -8));
    Rvl16s p = 300, q = 300, r;
    ASSERT_EQ(rvlResOk, rvliMul_16s_C1RSfs(&p, 2, &q, 2, &r, 2, {1, 1}, 0));
    EXPECT_EQ(32767, r);
    ASSERT_EQ(rvlResOk, rvliMul_16s_C1RSfs(&p, 2, &q, 2, &r, 2, {1, 1}, 2));
    EXPECT_EQ(22500, r);
    Rvl8u num[3] = {7, 0, 5}, den[3] = {0, 0, 2}, out[3];
    EXPECT_EQ(rvlResWarnDivByZero, rvliDiv_8u_C1RSfs(den, 3, num, 3, out, 3, {3, 1}, 0));
    EXPECT_EQ(255, out[0]);
    EXPECT_EQ(0, out[1]);
    EXPECT_EQ(2, out[2]);  // 2.5 to even
    const Rvl32f fnum[3] = {1.0f, -1.0f, 0.0f}, fden[3] = {0.0f, -0.0f, 0.0f};
    Rvl32f fout[3];
    EXPECT_EQ(rvlResWarnDivByZero, rvliDiv_32f_C1R(fden, 12, fnum, 12, fout, 12, {3, 1}));
    EXPECT_EQ(INFINITY, fout[0]);
    EXPECT_EQ(-INFINITY, fout[1]);
    EXPECT_EQ(0x7FBFFFFFu, bits_of(fout[2]));
}

// A warning of one row does not stop the walk, and the AC4 alpha channel
// is never a divisor.
TEST(Arith, DivisionWarningsCoverTheWholeImage) {
    Rvl16s a[2][4] = {{0, 1, 1, 1}, {1, 1, 1, 1}}, b[2][4] = {{5, 6, 7, 8}, {9, 10, 11, 12}}, d[2][4] = {};
    EXPECT_EQ(rvlResWarnDivByZero, rvliDiv_16s_C1RSfs(&a[0][0], 8, &b[0][0], 8, &d[0][0], 8, {4, 2}, 0));
    EXPECT_EQ(12, d[1][3]) << "the rows after the warning are written";
    Rvl8u pa[8] = {1, 1, 1, 0, 2, 2, 2, 0}, pb[8] = {9, 9, 9, 9, 8, 8, 8, 8}, pd[8] = {};
    EXPECT_EQ(rvlResOk, rvliDiv_8u_AC4RSfs(pa, 8, pb, 8, pd, 8, {2, 1}, 0));
    EXPECT_EQ(0, pd[3]);
    EXPECT_EQ(4, pd[4]);
}

// Check orders per family: Add/Sub/Mul and constants do not check steps;
// Div (8u, 16s, 32f) does, 16u does not; DivC refuses a zero constant
// after the other checks; Div_Round checks rndMode last; MulScale checks
// steps before the size; C3/C4 two-image and in-place forms check the
// width first. Nothing is written on an error.
TEST(Arith, CheckOrders) {
    Rvl8u x[64] = {}, out[64];
    std::memset(out, 9, sizeof out);
    Rvl16u u[16] = {};
    const Rvl8u three[3] = {1, 0, 1};
    EXPECT_EQ(rvlResNullPointer, rvliAdd_8u_C1RSfs(nullptr, 8, x, 8, out, 8, {0, 1}, 0));
    EXPECT_EQ(rvlResBadSize, rvliAdd_8u_C3RSfs(nullptr, 8, x, 8, out, 8, {0, 1}, 0));
    EXPECT_EQ(rvlResBadSize, rvliSub_8u_C1IRSfs(nullptr, 8, out, 8, {0, 1}, 0));
    EXPECT_EQ(rvlResNullPointer, rvliAddC_8u_C3RSfs(x, 8, nullptr, out, 8, {0, 1}, 0));
    EXPECT_EQ(rvlResBadSize, rvliDiv_16s_C4RSfs(nullptr, 8, nullptr, 8, nullptr, 8, {0, 1}, 0));
    EXPECT_EQ(rvlResNullPointer, rvliDiv_16s_AC4RSfs(nullptr, 8, nullptr, 8, nullptr, 8, {0, 1}, 0));
    EXPECT_EQ(rvlResNullPointer, rvliDivC_32f_C3R(nullptr, 8, nullptr, nullptr, 8, {0, 1}));
    EXPECT_EQ(rvlResBadStep, rvliDiv_8u_C1RSfs(x, 0, x, 8, out, 8, {2, 2}, 0));
    EXPECT_EQ(rvlResBadStep, rvliDivC_8u_C3RSfs(x, 8, three, out, -8, {2, 2}, 0));
    EXPECT_EQ(rvlResDivByZeroConst, rvliDivC_8u_C3RSfs(x, 8, three, out, 8, {2, 2}, 0));
    EXPECT_EQ(rvlResDivByZeroConst, rvliDivC_8u_C1IRSfs(0, out, 8, {2, 2}, 0));
    EXPECT_EQ(rvlResDivByZeroConst, rvliDivC_16u_C1RSfs(u, 0, 0, u, 0, {2, 2}, 0)) << "16u does not check steps";
    EXPECT_EQ(rvlResOk, rvliDiv_16u_C1RSfs(u, 0, u, 0, u, 0, {2, 2}, 0) & 0) << "16u does not check steps";
    EXPECT_EQ(rvlResBadStep, rvliDiv_Round_8u_C1RSfs(x, 8, x, 0, out, 8, {2, 2}, RvlRoundMode(5), 0));
    EXPECT_EQ(rvlResBadRoundMode, rvliDiv_Round_8u_C1RSfs(x, 8, x, 8, out, 8, {2, 2}, RvlRoundMode(5), 0));
    EXPECT_EQ(rvlResBadStep, rvliMulScale_8u_C1R(x, 0, x, 8, out, 8, {0, 0}));
    EXPECT_EQ(rvlResNullPointer, rvliMulCScale_8u_C3R(x, 8, nullptr, out, 0, {0, 0}));
    EXPECT_EQ(rvlResBadSize, rvliMulScale_8u_C1IR(x, 8, out, 8, {2, 0}));
    EXPECT_EQ(rvlResNullPointer, rvliMulC64f_8u_C1R(x, 8, nullptr, out, 8, {0, 2}, rvlHintNone, rvlRoundNearestEven));
    EXPECT_EQ(rvlResBadSize, rvliAdd_8u_C1RSfs_L(x, 8, x, 8, out, 8, RvlSizeL{-1, 1}, 0));
    EXPECT_EQ(rvlResNullPointer, rvliMul_8u_C4RSfs_L(x, 8, nullptr, INT64_C(1) << 40, out, 8, RvlSizeL{1, 1}, 0));
    for (Rvl8u v : out) ASSERT_EQ(9, v) << "an error wrote to the destination";
    // Steps are not checked by Add: a zero step is the same row again.
    EXPECT_EQ(rvlResOk, rvliAdd_8u_C1RSfs(x, 0, x, 0, out, 0, {4, 3}, 0));
}

// floor(a * b / max), and doubles times integers rounded by mode.
TEST(Arith, NormalisedAndDoubleProducts) {
    std::vector<Rvl8u> a(256 * 256), b(256 * 256), d(256 * 256);
    for (int i = 0; i < 256 * 256; ++i) a[i] = Rvl8u(i % 256), b[i] = Rvl8u(i / 256);
    ASSERT_EQ(rvlResOk, rvliMulScale_8u_C1R(a.data(), 256, b.data(), 256, d.data(), 256, {256, 256}));
    for (int i = 0; i < 256 * 256; ++i) ASSERT_EQ(a[i] * b[i] / 255, d[i]) << a[i] << " x " << b[i];
    Rng rng(5);
    std::vector<Rvl16u> ua(4000), ub(4000), ud(4000);
    for (auto& v : ua) v = random_value<Rvl16u>(rng);
    for (auto& v : ub) v = random_value<Rvl16u>(rng);
    ASSERT_EQ(rvlResOk, rvliMulScale_16u_C4R(ua.data(), 8000, ub.data(), 8000, ud.data(), 8000, {1000, 1}));
    for (int i = 0; i < 4000; ++i) ASSERT_EQ(std::uint64_t(ua[i]) * ub[i] / 65535, ud[i]);
    const Rvl16u cv[3] = {65535, 1, 300};
    std::vector<Rvl16u> uc(3000);
    ASSERT_EQ(rvlResOk, rvliMulCScale_16u_C3R(ua.data(), 6000, cv, uc.data(), 6000, {1000, 1}));
    for (int i = 0; i < 3000; ++i) ASSERT_EQ(std::uint64_t(ua[i]) * cv[i % 3] / 65535, uc[i]);

    const Rvl16s three[2] = {3, 5};
    const Rvl64f half[1] = {0.5};
    const int want[3][2] = {{1, 2}, {2, 2}, {2, 3}};
    for (int mode = 0; mode < 3; ++mode) {
        Rvl16s r[2];
        ASSERT_EQ(rvlResOk, rvliMulC64f_16s_C1R(three, 4, half, r, 4, {2, 1}, rvlHintNone, RvlRoundMode(mode)));
        EXPECT_EQ(want[mode][0], r[0]) << "mode " << mode;
        EXPECT_EQ(want[mode][1], r[1]) << "mode " << mode;
    }
    // Against a reference over random data, every type and layout.
    const Rvl64f k[4] = {0.37, -2.5, 1e6, 1.0 / 3};
    for (int mode = 0; mode < 3; ++mode) {
        auto ref = [&](auto x, int c) {
            using T = decltype(x);
            const float p = float(double(x) * k[c]);
            if constexpr (std::is_same_v<T, Rvl32f>) {
                return p;
            } else {
                const long double v = p;
                return to_int<T>(mode == 0 ? std::trunc(v) : mode == 1 ? std::nearbyint(v) : std::round(v));
            }
        };
        auto check = [&](auto tag, auto fn, int channels) {
            using T = decltype(tag);
            run_pixel_case<T, T>({"MulC64f mode " + std::to_string(mode), channels, channels,
                                  [&](const T* s, int ss, T* d, int ds, RvlSize r) { return fn(s, ss, k, d, ds, r, rvlHintFast, RvlRoundMode(mode)); },
                                  [&](const T* s, T* d) {
                                      for (int c = 0; c < channels; ++c) d[c] = ref(s[c], c);
                                  }});
        };
        check(Rvl8u{}, rvliMulC64f_8u_C3R, 3);
        check(Rvl16u{}, rvliMulC64f_16u_C4R, 4);
        check(Rvl16s{}, rvliMulC64f_16s_C1R, 1);
        check(Rvl32f{}, rvliMulC64f_32f_C3R, 3);
    }
}

}  // namespace
