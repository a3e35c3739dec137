// rvliSqr_*, rvliSqrt_*, rvliExp_*, rvliLn_*: every member against a plain
// reference (layouts, odd widths, padded rows, guard bytes, in place, AC4
// alpha), the row warnings, every 8u and 16-bit input at many scale
// factors, the 32f accuracy of exp and ln, and the check orders.
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "rvl.h"
#include "support/image.hpp"
#include "support/pixel_case.hpp"
#include "support/values.hpp"

using namespace rvltest;

namespace {

enum class Kind { Sqr, Sqrt, Exp, Ln };

// ---- References -----------------------------------------------------------------

// saturate(round_half_even(y)) in extended precision (nearbyintl rounds ties
// to even in the default mode).
template <class T>
T sat_round(long double y) {
    if (std::isnan(y)) return T(0);
    const long double r = std::nearbyintl(y);
    const long double lo = std::numeric_limits<T>::lowest(), hi = std::numeric_limits<T>::max();
    return static_cast<T>(r < lo ? lo : r > hi ? hi : r);
}

template <class T>
T ref_int(Kind k, T x, int f) {
    const long double scale = std::ldexp(1.0L, -f);
    switch (k) {
        case Kind::Sqr: return sat_round<T>((long double)x * x * scale);
        case Kind::Sqrt: return x < 0 ? T(0) : sat_round<T>(std::sqrt((long double)x) * scale);
        case Kind::Exp: return sat_round<T>((long double)std::exp(double(x)) * scale);
        case Kind::Ln:
            if (x <= 0) return std::numeric_limits<T>::lowest();  // ln 0 = -Inf saturates; 16s <= 0 gives -32768
            return sat_round<T>((long double)std::log(double(x)) * scale);
    }
    return T(0);
}

float ref_f32(Kind k, float x) {
    switch (k) {
        case Kind::Sqr: return x * x;
        case Kind::Sqrt: return std::sqrt(x);
        case Kind::Exp: return float(std::exp(double(x)));
        case Kind::Ln: return float(std::log(double(x)));
    }
    return 0;
}

// The warning of a row, from its processed elements in order.
template <class T>
RvlResult ref_row_status(Kind k, const std::vector<T>& row) {
    bool zero = false, negative = false;
    T firstNotPositive = 1;
    for (T x : row) {
        zero |= x == T(0);
        negative |= x < T(0);
        if (x <= T(0) && firstNotPositive > T(0)) firstNotPositive = x;
    }
    if (k == Kind::Sqrt) return negative && (std::is_same_v<T, float> || std::is_same_v<T, Rvl16s>) ? rvlResWarnSqrtOfNegative : rvlResOk;
    if (k != Kind::Ln) return rvlResOk;
    if (std::is_same_v<T, Rvl16s> && (zero || negative))
        return firstNotPositive == 0 ? rvlResWarnLogOfZero : rvlResWarnLogOfNegative;
    return zero ? rvlResWarnLogOfZero : negative ? rvlResWarnLogOfNegative : rvlResOk;
}

// Units in the last place between two floats of the same sign (NaN matches
// any NaN, an infinity only itself; 1000 stands for "far").
int ulps(float got, float want) {
    if (std::isnan(want)) return std::isnan(got) ? 0 : 1000;
    if (std::isinf(want)) return got == want ? 0 : 1000;
    const std::int64_t a = bits_of(got), b = bits_of(want);
    if ((a ^ b) & 0x80000000u) return 1000;
    return int(std::min<std::int64_t>(std::llabs(a - b), 1000));
}
bool close_ulps(float got, float want, int n) { return ulps(got, want) <= n; }

// ---- Members ----------------------------------------------------------------------

template <class T>
struct Member {
    const char* name;
    Kind kind;
    Layout layout;
    RvlResult (*r)(const T*, int, T*, int, RvlSize, int);
    RvlResult (*ir)(T*, int, RvlSize, int);
};
template <>
struct Member<Rvl32f> {
    const char* name;
    Kind kind;
    Layout layout;
    RvlResult (*r)(const Rvl32f*, int, Rvl32f*, int, RvlSize);
    RvlResult (*ir)(Rvl32f*, int, RvlSize);
};

template <class T>
RvlResult call(const Member<T>& m, const T* s, int ss, T* d, int ds, RvlSize roi, int f) {
    if constexpr (std::is_same_v<T, Rvl32f>) return m.r(s, ss, d, ds, roi);
    else return m.r(s, ss, d, ds, roi, f);
}
template <class T>
RvlResult call_in_place(const Member<T>& m, T* p, int step, RvlSize roi, int f) {
    if constexpr (std::is_same_v<T, Rvl32f>) return m.ir(p, step, roi);
    else return m.ir(p, step, roi, f);
}

#define RVL_M(K, fam, t, l) {#fam "_" #t "_" #l, Kind::K, k##l, rvli##fam##_##t##_##l##RSfs, rvli##fam##_##t##_##l##IRSfs}
#define RVL_MF(K, fam, l) {#fam "_32f_" #l, Kind::K, k##l, rvli##fam##_32f_##l##R, rvli##fam##_32f_##l##IR}
#define RVL_INT_ALL(K, fam, t) RVL_M(K, fam, t, C1), RVL_M(K, fam, t, C3), RVL_M(K, fam, t, C4), RVL_M(K, fam, t, AC4)
#define RVL_INT_SQRT(t) RVL_M(Sqrt, Sqrt, t, C1), RVL_M(Sqrt, Sqrt, t, C3), RVL_M(Sqrt, Sqrt, t, AC4)
#define RVL_INT_EXPLN(t) RVL_M(Exp, Exp, t, C1), RVL_M(Exp, Exp, t, C3), RVL_M(Ln, Ln, t, C1), RVL_M(Ln, Ln, t, C3)

const Member<Rvl8u> k8u[] = {RVL_INT_ALL(Sqr, Sqr, 8u), RVL_INT_SQRT(8u), RVL_INT_EXPLN(8u)};
const Member<Rvl16u> k16u[] = {RVL_INT_ALL(Sqr, Sqr, 16u), RVL_INT_SQRT(16u), RVL_INT_EXPLN(16u)};
const Member<Rvl16s> k16s[] = {RVL_INT_ALL(Sqr, Sqr, 16s), RVL_INT_SQRT(16s), RVL_INT_EXPLN(16s)};
const Member<Rvl32f> k32f[] = {
    RVL_MF(Sqr, Sqr, C1), RVL_MF(Sqr, Sqr, C3), RVL_MF(Sqr, Sqr, C4), RVL_MF(Sqr, Sqr, AC4),
    RVL_MF(Sqrt, Sqrt, C1), RVL_MF(Sqrt, Sqrt, C3), RVL_MF(Sqrt, Sqrt, AC4),
    {"Sqrt_32f_C4 (in place only)", Kind::Sqrt, kC4, nullptr, rvliSqrt_32f_C4IR},
    RVL_MF(Exp, Exp, C1), RVL_MF(Exp, Exp, C3), RVL_MF(Ln, Ln, C1), RVL_MF(Ln, Ln, C3),
};

// Mostly positive data with a few zeros and negatives, so that some rows
// warn and others do not; full-range data otherwise.
template <class T>
T gen(Rng& rng, Kind k) {
    const unsigned pick = unsigned(rng() % 64);
    if constexpr (std::is_same_v<T, Rvl32f>) {
        if (k == Kind::Exp) return std::uniform_real_distribution<float>(-110.0f, 95.0f)(rng);
        if (pick == 0) return 0.0f;
        if (pick == 1) return -0.0f;
        if (pick == 2) return -std::uniform_real_distribution<float>(0.0f, 100.0f)(rng);
        return std::abs(random_value<float>(rng));
    } else {
        if (pick == 0) return T(0);
        if (pick == 1 && std::is_signed_v<T>) return T(-1 - int(rng() % 1000));
        if (k == Kind::Exp && pick > 8) return T(int(rng() % 24) - 8);  // the non-saturating range
        const T x = random_value<T>(rng);
        return std::is_signed_v<T> && x < 0 ? T(-(x + 1)) : x;
    }
}

template <class T>
void check_members(const Member<T>* members, std::size_t count, std::initializer_list<int> scaleFactors) {
    Rng rng(42);
    for (std::size_t i = 0; i < count; ++i) {
        const Member<T>& m = members[i];
        const int ch = m.layout.stored;
        for (int f : scaleFactors)
            for (int width : {1, 3, 7, 16, 17, 33, 64, 65, 257, 300})
                for (int pad : {0, 3}) {
                    SCOPED_TRACE(std::string(m.name) + " f " + std::to_string(f) + " width " + std::to_string(width) +
                                 " pad " + std::to_string(pad));
                    const int height = 3, shift = int(rng() % 8);
                    TestImage<T> src(width, height, ch, pad, shift), dst(width, height, ch, pad, (shift + 5) % 8);
                    src.fill(rng, [&](Rng& r) { return gen<T>(r, m.kind); });
                    dst.fill(rng, random_value<T>);
                    // Expected destination and status, from the reference.
                    TestImage<T> want = dst;
                    RvlResult wantStatus = rvlResOk;
                    for (int y = 0; y < height; ++y) {
                        std::vector<T> row;
                        for (int x = 0; x < width; ++x)
                            for (int c = 0; c < m.layout.processed; ++c) {
                                const T v = src.at(x, y, c);
                                row.push_back(v);
                                if constexpr (std::is_same_v<T, Rvl32f>) want.set(x, y, c, ref_f32(m.kind, v));
                                else want.set(x, y, c, ref_int<T>(m.kind, v, f));
                            }
                        if (wantStatus == rvlResOk) wantStatus = ref_row_status(m.kind, row);
                    }
                    // Accept exp and ln within 2 ulp, then compare every byte.
                    auto settle = [&](TestImage<T>& got) {
                        if constexpr (std::is_same_v<T, Rvl32f>)
                            if (m.kind == Kind::Exp || m.kind == Kind::Ln)
                                for (int y = 0; y < height; ++y)
                                    for (int x = 0; x < width; ++x)
                                        for (int c = 0; c < m.layout.processed; ++c)
                                            if (close_ulps(got.at(x, y, c), want.at(x, y, c), 2))
                                                got.set(x, y, c, want.at(x, y, c));
                    };
                    const TestImage<T> srcBefore = src;
                    if (m.r) {
                        EXPECT_EQ(wantStatus, call(m, src.data(), src.step(), dst.data(), dst.step(), {width, height}, f));
                        settle(dst);
                        EXPECT_TRUE(same_bytes(dst, want));
                        EXPECT_TRUE(same_bytes(src, srcBefore)) << "the source changed";
                    }
                    TestImage<T> inPlace = src;
                    EXPECT_EQ(wantStatus, call_in_place(m, inPlace.data(), inPlace.step(), {width, height}, f));
                    TestImage<T> wantInPlace = srcBefore;
                    for (int y = 0; y < height; ++y)
                        for (int x = 0; x < width; ++x)
                            for (int c = 0; c < m.layout.processed; ++c) wantInPlace.set(x, y, c, want.at(x, y, c));
                    want = wantInPlace;
                    settle(inPlace);
                    EXPECT_TRUE(same_bytes(inPlace, want)) << "in place";
                }
    }
}

TEST(UnaryMath, Members8uMatchReference) { check_members(k8u, std::size(k8u), {0, 2, -3}); }
TEST(UnaryMath, Members16uMatchReference) { check_members(k16u, std::size(k16u), {0, 3, -2}); }
TEST(UnaryMath, Members16sMatchReference) { check_members(k16s, std::size(k16s), {0, 1, -4}); }
TEST(UnaryMath, Members32fMatchReference) { check_members(k32f, std::size(k32f), {0}); }

// Every input of the C1 members at scale factors from far below to far
// above the useful range, where a table, a window or a precision switch
// would slip first.
template <class T>
void check_every_input(const Member<T>* members, std::size_t count) {
    const int n = int(std::numeric_limits<T>::max()) - int(std::numeric_limits<T>::lowest()) + 1;
    const int width = n >= 256 ? 256 : n, height = n / width;
    std::vector<T> src(n), dst(n);
    for (int i = 0; i < n; ++i) src[i] = T(int(std::numeric_limits<T>::lowest()) + i);
    for (std::size_t i = 0; i < count; ++i) {
        const Member<T>& m = members[i];
        if (m.layout.stored != 1) continue;
        for (int f = -40; f <= 40; ++f) {
            if (std::abs(f) > 20 && f % 10 != 0) continue;
            SCOPED_TRACE(std::string(m.name) + " f " + std::to_string(f));
            const int step = width * int(sizeof(T));
            call(m, src.data(), step, dst.data(), step, {width, height}, f);
            int bad = 0;
            for (int j = 0; j < n && bad < 5; ++j)
                if (dst[j] != ref_int<T>(m.kind, src[j], f)) {
                    ++bad;
                    ADD_FAILURE() << "x " << +src[j] << ": got " << +dst[j] << ", want " << +ref_int<T>(m.kind, src[j], f);
                }
        }
    }
}

TEST(UnaryMath, EveryInput8u) { check_every_input(k8u, std::size(k8u)); }
TEST(UnaryMath, EveryInput16u) { check_every_input(k16u, std::size(k16u)); }
TEST(UnaryMath, EveryInput16s) { check_every_input(k16s, std::size(k16s)); }

TEST(UnaryMath, ExtremeScaleFactors) {
    const Rvl16s s[] = {-7, 0, 1, 2, 30000};
    Rvl16s d[5];
    EXPECT_EQ(rvlResWarnSqrtOfNegative, rvliSqrt_16s_C1RSfs(s, sizeof s, d, sizeof d, {5, 1}, -1000000));
    EXPECT_EQ(std::vector<Rvl16s>(d, d + 5), (std::vector<Rvl16s>{0, 0, 32767, 32767, 32767}));
    EXPECT_EQ(rvlResWarnSqrtOfNegative, rvliSqrt_16s_C1RSfs(s, sizeof s, d, sizeof d, {5, 1}, 1000000));
    EXPECT_EQ(std::vector<Rvl16s>(d, d + 5), (std::vector<Rvl16s>(5, 0)));
    EXPECT_EQ(rvlResOk, rvliExp_16s_C1RSfs(s, sizeof s, d, sizeof d, {5, 1}, std::numeric_limits<int>::min()));
    EXPECT_EQ(std::vector<Rvl16s>(d, d + 5), (std::vector<Rvl16s>(5, 32767)));
    EXPECT_EQ(rvlResOk, rvliExp_16s_C1RSfs(s, sizeof s, d, sizeof d, {5, 1}, std::numeric_limits<int>::max()));
    EXPECT_EQ(std::vector<Rvl16s>(d, d + 5), (std::vector<Rvl16s>(5, 0)));
    const Rvl8u u[] = {0, 1, 255};
    Rvl8u v[3];
    EXPECT_EQ(rvlResWarnLogOfZero, rvliLn_8u_C1RSfs(u, 3, v, 3, {3, 1}, std::numeric_limits<int>::min()));
    EXPECT_EQ(std::vector<Rvl8u>(v, v + 3), (std::vector<Rvl8u>{0, 0, 255}));
    EXPECT_EQ(rvlResOk, rvliSqr_8u_C1RSfs(u, 3, v, 3, {3, 1}, std::numeric_limits<int>::max()));
    EXPECT_EQ(std::vector<Rvl8u>(v, v + 3), (std::vector<Rvl8u>(3, 0)));
    EXPECT_EQ(rvlResOk, rvliSqr_8u_C1RSfs(u, 3, v, 3, {3, 1}, std::numeric_limits<int>::min()));
    EXPECT_EQ(std::vector<Rvl8u>(v, v + 3), (std::vector<Rvl8u>{0, 255, 255}));
}

TEST(UnaryMath, WorkedValues) {
    Rvl8u b[2] = {16, 3}, o[2];
    EXPECT_EQ(rvlResOk, rvliSqr_8u_C1RSfs(b, 2, o, 2, {1, 1}, 0));
    EXPECT_EQ(255, o[0]) << "256 saturates";
    EXPECT_EQ(rvlResOk, rvliSqr_8u_C1RSfs(b, 2, o, 2, {2, 1}, 1));
    EXPECT_EQ(128, o[0]);
    EXPECT_EQ(4, o[1]) << "4.5 rounds to even";

    const Rvl32f f[] = {4.0f, -1.0f, 9.0f};
    Rvl32f g[3];
    EXPECT_EQ(rvlResWarnSqrtOfNegative, rvliSqrt_32f_C1R(f, sizeof f, g, sizeof g, {3, 1}));
    EXPECT_EQ(2.0f, g[0]);
    EXPECT_TRUE(std::isnan(g[1]));
    EXPECT_EQ(3.0f, g[2]) << "the rest of the row is computed";

    const Rvl16s s[] = {-5, 25};
    Rvl16s t[2];
    EXPECT_EQ(rvlResWarnSqrtOfNegative, rvliSqrt_16s_C1RSfs(s, sizeof s, t, sizeof t, {2, 1}, 0));
    EXPECT_EQ(0, t[0]);
    EXPECT_EQ(5, t[1]);

    const Rvl32f z[] = {2.0f, 0.0f, -1.0f}, n[] = {2.0f, -1.0f, 3.0f};
    EXPECT_EQ(rvlResWarnLogOfZero, rvliLn_32f_C1R(z, sizeof z, g, sizeof g, {3, 1}));
    EXPECT_EQ(-INFINITY, g[1]);
    EXPECT_EQ(rvlResWarnLogOfNegative, rvliLn_32f_C1R(n, sizeof n, g, sizeof g, {3, 1}));
    EXPECT_TRUE(std::isnan(g[1]));

    const Rvl16s l[] = {5, -3, 7, 0};
    Rvl16s m[4];
    EXPECT_EQ(rvlResWarnLogOfNegative, rvliLn_16s_C1RSfs(l, sizeof l, m, sizeof m, {4, 1}, 0));
    EXPECT_EQ(std::vector<Rvl16s>(m, m + 4), (std::vector<Rvl16s>{2, -32768, 2, -32768}));
    const Rvl16s l0[] = {5, 0, 7, -3};
    EXPECT_EQ(rvlResWarnLogOfZero, rvliLn_16s_C1RSfs(l0, sizeof l0, m, sizeof m, {4, 1}, 0));

    // The first warning of the rows is returned after every row is done.
    const Rvl32f rows[2][2] = {{1.0f, 4.0f}, {-4.0f, 16.0f}};
    Rvl32f out[2][2];
    EXPECT_EQ(rvlResWarnSqrtOfNegative, rvliSqrt_32f_C1R(&rows[0][0], 8, &out[0][0], 8, {2, 2}));
    EXPECT_EQ(4.0f, out[1][1]);
    const Rvl32f lr[2][2] = {{-1.0f, 4.0f}, {0.0f, 16.0f}};
    EXPECT_EQ(rvlResWarnLogOfNegative, rvliLn_32f_C1R(&lr[0][0], 8, &out[0][0], 8, {2, 2}));
    EXPECT_EQ(-INFINITY, out[1][0]);

    // Alpha channels are not looked at: a zero there does not warn.
    const Rvl32f px[] = {1.0f, 4.0f, 9.0f, -1.0f};
    Rvl32f q[4] = {7, 7, 7, 7};
    EXPECT_EQ(rvlResOk, rvliSqrt_32f_AC4R(px, 16, q, 16, {1, 1}));
    EXPECT_EQ(7.0f, q[3]);
}

// exp and ln over a spread of every float's bit pattern (one in 997, every
// exponent and sign), against double precision.
TEST(UnaryMath, ExpAndLnAccuracy32f) {
    std::vector<Rvl32f> x;
    for (std::uint64_t b = 0; b < (1ull << 32); b += 997) x.push_back(float_from_bits(std::uint32_t(b)));
    std::vector<Rvl32f> y(x.size());
    const int width = int(x.size());
    const int step = width * 4;
    int worstExp = 0, worstLn = 0;
    ASSERT_EQ(rvlResOk, rvliExp_32f_C1R(x.data(), step, y.data(), step, {width, 1}));
    for (std::size_t i = 0; i < x.size(); ++i) worstExp = std::max(worstExp, ulps(y[i], float(std::exp(double(x[i])))));
    rvliLn_32f_C1R(x.data(), step, y.data(), step, {width, 1});
    for (std::size_t i = 0; i < x.size(); ++i) worstLn = std::max(worstLn, ulps(y[i], float(std::log(double(x[i])))));
    EXPECT_LE(worstExp, 1);
    EXPECT_LE(worstLn, 1);
    // Specials.
    const Rvl32f s[] = {INFINITY, -INFINITY, NAN, 0.0f, -0.0f, 1.0f, -1.0f, 89.0f, -104.0f};
    Rvl32f e[9], l[9];
    rvliExp_32f_C1R(s, sizeof s, e, sizeof e, {9, 1});
    rvliLn_32f_C1R(s, sizeof s, l, sizeof l, {9, 1});
    EXPECT_EQ(INFINITY, e[0]);
    EXPECT_EQ(0.0f, e[1]);
    EXPECT_TRUE(std::isnan(e[2]));
    EXPECT_EQ(1.0f, e[3]);
    EXPECT_EQ(1.0f, e[4]);
    EXPECT_EQ(INFINITY, e[7]) << "overflow";
    EXPECT_EQ(0.0f, e[8]) << "underflow";
    EXPECT_EQ(INFINITY, l[0]);
    EXPECT_TRUE(std::isnan(l[1]));
    EXPECT_TRUE(std::isnan(l[2]));
    EXPECT_EQ(-INFINITY, l[3]);
    EXPECT_EQ(-INFINITY, l[4]);
    EXPECT_EQ(0x00000000u, bits_of(l[5])) << "ln 1 is +0";
    EXPECT_TRUE(std::isnan(l[6]));
}

// Sqr: null pointers, then the size; no step checks. Sqrt, Exp, Ln: null,
// size, steps. Nothing is written on an error; in-place forms agree.
TEST(UnaryMath, CheckOrder) {
    Rvl16s src[8] = {1, 2, 3, 4, 5, 6, 7, 8}, dst[8] = {};
    const RvlSize ok{2, 2}, badW{0, 2}, badH{2, -1};
    EXPECT_EQ(rvlResNullPointer, rvliSqr_16s_C3RSfs(nullptr, 0, dst, 0, badW, 0));
    EXPECT_EQ(rvlResNullPointer, rvliSqr_16s_C1IRSfs(nullptr, 4, badW, 0));
    EXPECT_EQ(rvlResBadSize, rvliSqr_16s_C1RSfs(src, 0, dst, 0, badH, 0));
    EXPECT_EQ(rvlResBadSize, rvliSqr_16s_C3IRSfs(src, 0, badW, 0)) << "size before nothing else";
    EXPECT_EQ(rvlResOk, rvliSqr_16s_C1RSfs(src, 4, dst, 0, ok, 0)) << "steps are not checked";
    EXPECT_EQ(std::vector<Rvl16s>(dst, dst + 4), (std::vector<Rvl16s>{9, 16, 0, 0}));
    dst[0] = dst[1] = 0;

    struct Call {
        const char* name;
        RvlResult (*r)(const Rvl16s*, int, Rvl16s*, int, RvlSize, int);
        RvlResult (*ir)(Rvl16s*, int, RvlSize, int);
    };
    const Call calls[] = {{"Sqrt", rvliSqrt_16s_C1RSfs, rvliSqrt_16s_C1IRSfs},
                          {"Exp", rvliExp_16s_C1RSfs, rvliExp_16s_C1IRSfs},
                          {"Ln", rvliLn_16s_C1RSfs, rvliLn_16s_C1IRSfs}};
    for (const Call& c : calls) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(rvlResNullPointer, c.r(src, 0, nullptr, 0, badW, 0));
        EXPECT_EQ(rvlResNullPointer, c.ir(nullptr, 0, badW, 0));
        EXPECT_EQ(rvlResBadSize, c.r(src, 0, dst, 0, badH, 0));
        EXPECT_EQ(rvlResBadSize, c.ir(src, 0, badW, 0));
        EXPECT_EQ(rvlResBadStep, c.r(src, 4, dst, 0, ok, 0));
        EXPECT_EQ(rvlResBadStep, c.ir(src, -4, ok, 0));
    }
    EXPECT_EQ(rvlResBadStep, rvliSqrt_32f_C4IR(reinterpret_cast<Rvl32f*>(dst), 0, ok));
    for (Rvl16s v : dst) EXPECT_EQ(0, v) << "an error wrote to the destination";
    EXPECT_EQ(std::vector<Rvl16s>(src, src + 8), (std::vector<Rvl16s>{1, 2, 3, 4, 5, 6, 7, 8}));
}

}  // namespace
