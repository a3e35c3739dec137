// Norms: every member against a plain reference (exact integer sums; the
// 32f fast path in its four-lane order, the accurate path in double); the
// 8u L2 strips; zero denominators; check orders.
#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "rvl.h"
#include "support/image.hpp"
#include "support/values.hpp"

using namespace rvltest;

namespace {

enum class NK { Inf, L1, L2 };
enum class Kind { Norm, Diff, Rel };

template <class T>
T norm_value(Rng& rng) {
    if (rng() % 5 == 0) {
        const T v = random_value<T>(rng);  // NaN is left out: its handling is not fixed
        return v == v ? v : T(1);
    }
    if constexpr (std::is_floating_point_v<T>) return T(int(rng() % 2001) - 1000) / 8.0f;
    else return T(rng() % 60);
}

// The four-lane single-precision sum of one channel over the whole image.
float lane_sum(const std::vector<std::vector<float>>& rows) {
    float l[4] = {};
    for (const auto& r : rows) {
        const std::size_t w = r.size();
        for (std::size_t j = 0; j < w; ++j) l[(j + 1 == w && w % 4 == 3) ? 0 : j % 4] += r[j];
    }
    return (l[0] + l[1]) + (l[2] + l[3]);
}

// The value before the square root for L2; the norm itself otherwise.
template <class T>
double reference(NK nk, bool diff, const TestImage<T>& a, const TestImage<T>& b, int c, RvlHintAlgorithm hint) {
    const int w = a.width(), h = a.height();
    if constexpr (std::is_integral_v<T>) {
        long double acc = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                long long v = a.at(x, y, c);
                if (diff) v -= b.at(x, y, c);
                const long long m = v < 0 ? -v : v;
                if (nk == NK::Inf) acc = std::max<long double>(acc, m);
                else if (nk == NK::L1) acc += m;
                else acc += (long double)m * m;
            }
        return double(acc);
    } else {
        auto value = [&](int x, int y) { return diff ? a.at(x, y, c) - b.at(x, y, c) : a.at(x, y, c); };
        if (nk == NK::Inf) {
            float m = 0;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) m = std::max(m, std::fabs(value(x, y)));
            return m;
        }
        if (hint == rvlHintAccurate) {
            double even = 0, odd = 0;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    if (nk == NK::L1) {
                        (x & 1 ? odd : even) += std::fabs(value(x, y));
                    } else {
                        const double d = diff ? double(a.at(x, y, c)) - double(b.at(x, y, c)) : double(a.at(x, y, c));
                        even += d * d;
                    }
                }
            return even + odd;
        }
        std::vector<std::vector<float>> rows(h, std::vector<float>(w));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const float v = value(x, y);
                rows[y][x] = nk == NK::L1 ? std::fabs(v) : v * v;
            }
        return lane_sum(rows);
    }
}

double finish(NK nk, double s) { return nk == NK::L2 ? std::sqrt(s) : s; }

// Equal values, or both NaN (infinite operands make NaN quotients).
::testing::AssertionResult same_value(double want, double got) {
    if ((std::isnan(want) && std::isnan(got)) || want == got) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "want " << want << ", got " << got;
}

template <class T>
using Fn = std::function<RvlResult(const T*, int, const T*, int, RvlSize, Rvl64f*, RvlHintAlgorithm)>;

template <class T>
void check_norm(Kind kind, NK nk, int channels, Fn<T> fn) {
    Rng rng(int(kind) * 31 + int(nk) * 7 + channels + sizeof(T));
    for (int width : {1, 2, 3, 4, 5, 7, 8, 31, 64, 301})
        for (int height : {1, 3, 4})
            for (RvlHintAlgorithm hint : {rvlHintFast, rvlHintAccurate, RvlHintAlgorithm(7)}) {
                SCOPED_TRACE("kind " + std::to_string(int(kind)) + " norm " + std::to_string(int(nk)) + " channels " +
                             std::to_string(channels) + " width " + std::to_string(width) + " height " + std::to_string(height));
                // Rows padded, rows without gaps (height 3), and without
                // gaps in the first image only (height 4).
                TestImage<T> a(width, height, channels, height >= 3 ? 0 : 1, 1),
                    b(width, height, channels, height == 3 ? 0 : 2, 2);
                a.fill(rng, norm_value<T>);
                b.fill(rng, norm_value<T>);
                Rvl64f got[4];
                const RvlResult st = fn(a.data(), a.step(), b.data(), b.step(), {width, height}, got, hint);
                bool zero = false;
                for (int c = 0; c < channels; ++c) {
                    const double s = reference(nk, kind != Kind::Norm, a, b, c, hint);
                    if (kind != Kind::Rel) {
                        ASSERT_TRUE(same_value(finish(nk, s), got[c])) << "channel " << c;
                        continue;
                    }
                    const double d = reference(nk, false, b, b, c, hint);
                    const double num = channels == 1 ? s : finish(nk, s), den = channels == 1 ? d : finish(nk, d);
                    if (den == 0.0 || (std::is_floating_point_v<T> && den < 2.2250738585072014e-308)) {
                        zero = true;
                        ASSERT_TRUE(std::isnan(got[c]) || std::isinf(got[c]));
                        continue;
                    }
                    const double want = channels == 1 && nk == NK::L2 ? std::sqrt(num / den) : num / den;
                    ASSERT_TRUE(same_value(want, got[c])) << "channel " << c;
                }
                ASSERT_EQ(zero ? rvlResWarnDivByZero : rvlResOk, st);
            }
}

// Adapters to one calling shape; hints are passed only where taken.
#define RVLTEST_HINT_YES , h
#define RVLTEST_HINT_NO
#define RVLTEST_NORM(nk, t, T, n, H)                                                                                   \
    check_norm<T>(Kind::Norm, NK::nk, n, [](const T* a, int as, const T*, int, RvlSize r, Rvl64f* o, [[maybe_unused]] RvlHintAlgorithm h) { \
        return rvliNorm_##nk##_##t##_C##n##R(a, as, r, o RVLTEST_HINT_##H);                                               \
    });                                                                                                                \
    check_norm<T>(Kind::Diff, NK::nk, n, [](const T* a, int as, const T* b, int bs, RvlSize r, Rvl64f* o, [[maybe_unused]] RvlHintAlgorithm h) { \
        return rvliNormDiff_##nk##_##t##_C##n##R(a, as, b, bs, r, o RVLTEST_HINT_##H);                                    \
    });                                                                                                                \
    check_norm<T>(Kind::Rel, NK::nk, n, [](const T* a, int as, const T* b, int bs, RvlSize r, Rvl64f* o, [[maybe_unused]] RvlHintAlgorithm h) { \
        return rvliNormRel_##nk##_##t##_C##n##R(a, as, b, bs, r, o RVLTEST_HINT_##H);                                     \
    })
#define RVLTEST_NORMS(t, T, HL)                                                                                    \
    for (int unused = 0; unused < 1; ++unused) {                                                               \
        RVLTEST_NORM(Inf, t, T, 1, NO); RVLTEST_NORM(Inf, t, T, 3, NO); RVLTEST_NORM(Inf, t, T, 4, NO);          \
        RVLTEST_NORM(L1, t, T, 1, HL); RVLTEST_NORM(L1, t, T, 3, HL); RVLTEST_NORM(L1, t, T, 4, HL);             \
        RVLTEST_NORM(L2, t, T, 1, HL); RVLTEST_NORM(L2, t, T, 3, HL); RVLTEST_NORM(L2, t, T, 4, HL);             \
    }

TEST(Norm, EightBitMembers) { RVLTEST_NORMS(8u, Rvl8u, NO) }
TEST(Norm, SixteenBitUnsignedMembers) { RVLTEST_NORMS(16u, Rvl16u, NO) }
TEST(Norm, SixteenBitSignedMembers) { RVLTEST_NORMS(16s, Rvl16s, NO) }
TEST(Norm, FloatMembers) { RVLTEST_NORMS(32f, Rvl32f, YES) }

// Wider than 32768: the norm of the strip norms.
TEST(Norm, EightBitL2Strips) {
    std::vector<Rvl8u> a(40000), b(40000);
    Rng rng(3);
    for (auto& v : a) v = Rvl8u(rng());
    for (auto& v : b) v = Rvl8u(rng());
    long long s1 = 0, s2 = 0, d1 = 0, d2 = 0;
    for (int x = 0; x < 40000; ++x) {
        (x < 32768 ? s1 : s2) += a[x] * a[x];
        const int d = a[x] - b[x];
        (x < 32768 ? d1 : d2) += d * d;
    }
    auto strips = [](long long p, long long q) {
        const double n1 = std::sqrt(double(p)), n2 = std::sqrt(double(q));
        return std::sqrt(n1 * n1 + n2 * n2);
    };
    Rvl64f got;
    ASSERT_EQ(rvlResOk, rvliNorm_L2_8u_C1R(a.data(), 40000, {40000, 1}, &got));
    EXPECT_EQ(strips(s1, s2), got);
    ASSERT_EQ(rvlResOk, rvliNormDiff_L2_8u_C1R(a.data(), 40000, b.data(), 40000, {40000, 1}, &got));
    EXPECT_EQ(strips(d1, d2), got);
    // Strip sums 1 and 2: sqrt(1 + sqrt(2)^2) is not sqrt(3) in double.
    std::vector<Rvl8u> sparse(40000, 0);
    sparse[0] = sparse[32768] = sparse[32769] = 1;
    ASSERT_EQ(rvlResOk, rvliNorm_L2_8u_C1R(sparse.data(), 40000, {40000, 1}, &got));
    EXPECT_EQ(strips(1, 2), got);
    EXPECT_NE(std::sqrt(3.0), got);
}

TEST(Norm, EdgeValuesAndZeroDenominators) {
    Rvl16s m = -32768, p = 32767;
    Rvl64f v;
    ASSERT_EQ(rvlResOk, rvliNorm_Inf_16s_C1R(&m, 2, {1, 1}, &v));
    EXPECT_EQ(32768.0, v);
    ASSERT_EQ(rvlResOk, rvliNormDiff_Inf_16s_C1R(&p, 2, &m, 2, {1, 1}, &v));
    EXPECT_EQ(65535.0, v);
    const Rvl8u zeros[2] = {0, 0}, some[2] = {3, 0};
    ASSERT_EQ(rvlResWarnDivByZero, rvliNormRel_L1_8u_C1R(zeros, 2, zeros, 2, {2, 1}, &v));
    std::uint64_t bits;
    std::memcpy(&bits, &v, 8);
    EXPECT_EQ(0xFFF8000000000000ull, bits);
    ASSERT_EQ(rvlResWarnDivByZero, rvliNormRel_L1_8u_C1R(some, 2, zeros, 2, {2, 1}, &v));
    std::memcpy(&bits, &v, 8);
    EXPECT_EQ(0x7FF0000000000000ull, bits);
    const Rvl32f zeroF[3] = {0.0f, -0.0f, 0.0f}, ones[3] = {1.0f, 0.0f, 2.0f};
    Rvl64f three[3];
    ASSERT_EQ(rvlResWarnDivByZero, rvliNormRel_L2_32f_C3R(ones, 12, zeroF, 12, {1, 1}, three, rvlHintFast));
    EXPECT_TRUE(std::isinf(three[0]));
    EXPECT_TRUE(std::isnan(three[1]));
}

TEST(Norm, CheckOrders) {
    Rvl8u a[4] = {};
    Rvl16u u[4] = {};
    Rvl64f v;
    EXPECT_EQ(rvlResBadStep, rvliNorm_L1_16u_C1R(nullptr, 0, {1, 1}, &v)) << "the 16u L1 step check comes first";
    EXPECT_EQ(rvlResBadStep, rvliNorm_L2_16u_C1R(u, 0, {0, 1}, &v)) << "16u: steps before the size";
    EXPECT_EQ(rvlResBadSize, rvliNorm_L2_8u_C1R(a, 0, {0, 1}, &v));
    EXPECT_EQ(rvlResNullPointer, rvliNormDiff_L1_32f_C3R(nullptr, 0, nullptr, 0, {0, 0}, &v, rvlHintFast));
    EXPECT_EQ(rvlResBadStep, rvliNormRel_L2_16s_C4R(reinterpret_cast<Rvl16s*>(a), 8, reinterpret_cast<Rvl16s*>(a), -8, {1, 1}, &v));
    EXPECT_EQ(rvlResNullPointer, rvliNorm_Inf_8u_C1R(a, 4, {4, 1}, nullptr));
}

}  // namespace
