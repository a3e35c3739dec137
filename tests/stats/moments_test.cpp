// Moments against direct long-double sums on small images: the spatial
// moments about the image origin, the central and normalised moments and
// the Hu invariants for every type and layout; Hu invariance under a
// rotation by 90 degrees; the zero-moment, order and channel rules and the
// check orders.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "rvl.h"
#include "support/image.hpp"

namespace {

using namespace rvltest;
using LD = long double;

struct State {
    alignas(8) Rvl8u bytes[400];
    RvlMomentState* get() { return reinterpret_cast<RvlMomentState*>(bytes); }
};

State initialised() {
    State s;
    int size = 0;
    EXPECT_EQ(rvliMomentGetStateSize_64f(rvlHintNone, &size), rvlResOk);
    EXPECT_EQ(size, 400);
    EXPECT_EQ(rvliMomentInit_64f(s.get(), rvlHintNone), rvlResOk);
    return s;
}

template <class T>
using MomentFn = RvlResult (*)(const T*, int, RvlSize, RvlMomentState*);

// Direct moments of channel c about (x0, y0) (spatial) or the centroid.
template <class T>
LD direct(const TestImage<T>& img, int c, int m, int n, LD x0, LD y0) {
    LD s = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) s += std::pow(x + x0, LD(m)) * std::pow(y + y0, LD(n)) * LD(img.at(x, y, c));
    return s;
}

::testing::AssertionResult close(LD got, LD want, LD scale) {
    if (std::fabs(got - want) <= 1e-9L * (std::fabs(want) + scale)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << double(got) << ", want " << double(want);
}

template <class T>
void check_layout(MomentFn<T> fn, int stored, int used, Rng& rng) {
    const int w = 1 + int(rng() % 40), h = 1 + int(rng() % 12);
    SCOPED_TRACE(::testing::Message() << type_code<T>() << " " << stored << "/" << used << " " << w << "x" << h);
    TestImage<T> img(w, h, stored, int(rng() % 3), int(rng() % 4));
    img.fill(rng, [](Rng& r) {
        if constexpr (std::is_floating_point_v<T>) return T(int(r() % 2001)) / 8;
        else return T(r());
    });
    State s = initialised();
    ASSERT_EQ(fn(img.data(), img.step(), {w, h}, s.get()), rvlResOk);
    const RvlPoint off{int(rng() % 50), int(rng() % 50)};
    for (int c = 0; c < used; ++c) {
        const LD r00 = direct(img, c, 0, 0, 0, 0);
        const LD xc = direct(img, c, 1, 0, 0, 0) / r00, yc = direct(img, c, 0, 1, 0, 0) / r00;
        for (int m = 0; m <= 3; ++m)
            for (int n = 0; m + n <= 3; ++n) {
                SCOPED_TRACE(::testing::Message() << "channel " << c << " order " << m << "," << n);
                const LD scale = std::pow(LD(w + h + 100), LD(m + n)) * std::fabs(r00) + 1e3L * std::pow(LD(w + h + 100), LD(m + n));
                Rvl64f v = 0;
                ASSERT_EQ(rvliGetSpatialMoment_64f(s.get(), m, n, c, off, &v), rvlResOk);
                EXPECT_TRUE(close(v, direct(img, c, m, n, off.x, off.y), scale));
                if (std::fabs(r00) <= 1e-6L) continue;
                ASSERT_EQ(rvliGetCentralMoment_64f(s.get(), m, n, c, &v), rvlResOk);
                const LD central = direct(img, c, m, n, -xc, -yc);
                EXPECT_TRUE(close(v, central, scale));
                ASSERT_EQ(rvliGetNormalizedCentralMoment_64f(s.get(), m, n, c, &v), rvlResOk);
                const LD norm = std::pow(r00, -LD(m + n + 2) / 2);
                EXPECT_TRUE(close(v, central * norm, scale * std::fabs(norm)));
                ASSERT_EQ(rvliGetNormalizedSpatialMoment_64f(s.get(), m, n, c, off, &v), rvlResOk);
                EXPECT_TRUE(close(v, direct(img, c, m, n, off.x, off.y) * norm, scale * std::fabs(norm)));
            }
    }
    // Channels beyond those held are refused.
    Rvl64f v = 0;
    EXPECT_EQ(rvliGetSpatialMoment_64f(s.get(), 0, 0, used, off, &v), rvlResBadChannel);
    EXPECT_EQ(rvliGetSpatialMoment_64f(s.get(), 0, 0, -1, off, &v), rvlResBadChannel);
}

TEST(Moments, EveryMemberAgainstDirectSums) {
    Rng rng(0x303);
    for (int k = 0; k < 6; ++k) {
        check_layout<Rvl8u>(rvliMoments64f_8u_C1R, 1, 1, rng);
        check_layout<Rvl8u>(rvliMoments64f_8u_C3R, 3, 3, rng);
        check_layout<Rvl8u>(rvliMoments64f_8u_AC4R, 4, 3, rng);
        check_layout<Rvl16u>(rvliMoments64f_16u_C1R, 1, 1, rng);
        check_layout<Rvl16u>(rvliMoments64f_16u_C3R, 3, 3, rng);
        check_layout<Rvl16u>(rvliMoments64f_16u_AC4R, 4, 3, rng);
        check_layout<Rvl32f>(rvliMoments64f_32f_C1R, 1, 1, rng);
        check_layout<Rvl32f>(rvliMoments64f_32f_C3R, 3, 3, rng);
        check_layout<Rvl32f>(rvliMoments64f_32f_AC4R, 4, 3, rng);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

TEST(Moments, HuInvariantsUnderRotationAndShift) {
    Rng rng(9);
    const int w = 23, h = 17;
    std::vector<Rvl8u> img(w * h), rot(w * h), shifted((w + 10) * (h + 6), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Rvl8u v = Rvl8u((x * x + 3 * y + int(rng() % 40)) % 256);
            img[y * w + x] = v;
            rot[x * h + (h - 1 - y)] = v;  // 90 degrees clockwise: h wide, w high
            shifted[(y + 4) * (w + 10) + x + 7] = v;
        }
    const auto hu = [](const Rvl8u* p, int step, RvlSize roi) {
        State s = initialised();
        EXPECT_EQ(rvliMoments64f_8u_C1R(p, step, roi, s.get()), rvlResOk);
        std::vector<Rvl64f> out(7);
        EXPECT_EQ(rvliGetHuMoments_64f(s.get(), 0, out.data()), rvlResOk);
        return out;
    };
    const auto a = hu(img.data(), w, {w, h}), b = hu(rot.data(), h, {h, w}), c = hu(shifted.data(), w + 10, {w + 10, h + 6});
    for (int k = 0; k < 7; ++k) {
        EXPECT_NEAR(a[k], b[k], 1e-9 * (std::fabs(a[k]) + 1e-12)) << k;
        EXPECT_NEAR(a[k], c[k], 1e-9 * (std::fabs(a[k]) + 1e-12)) << k;
    }
    // hu[0] is e20 + e02.
    State s = initialised();
    ASSERT_EQ(rvliMoments64f_8u_C1R(img.data(), w, {w, h}, s.get()), rvlResOk);
    Rvl64f e20 = 0, e02 = 0;
    ASSERT_EQ(rvliGetNormalizedCentralMoment_64f(s.get(), 2, 0, 0, &e20), rvlResOk);
    ASSERT_EQ(rvliGetNormalizedCentralMoment_64f(s.get(), 0, 2, 0, &e02), rvlResOk);
    EXPECT_DOUBLE_EQ(a[0], e20 + e02);
}

TEST(Moments, SinglePixelZeroImageAndOrders) {
    State s = initialised();
    const Rvl8u five = 5;
    ASSERT_EQ(rvliMoments64f_8u_C1R(&five, 1, {1, 1}, s.get()), rvlResOk);
    const RvlPoint off{10, 20};
    const struct { int m, n; double want; } spatial[] = {{0, 0, 5}, {1, 0, 50}, {0, 1, 100}, {1, 1, 1000}, {2, 1, 10000}, {0, 3, 40000}};
    for (const auto& c : spatial) {
        Rvl64f v = -1;
        ASSERT_EQ(rvliGetSpatialMoment_64f(s.get(), c.m, c.n, 0, off, &v), rvlResOk);
        EXPECT_EQ(v, c.want) << c.m << "," << c.n;
    }
    for (int m = 0; m <= 3; ++m)
        for (int n = 0; m + n <= 3; ++n) {
            Rvl64f v = -1;
            ASSERT_EQ(rvliGetCentralMoment_64f(s.get(), m, n, 0, &v), rvlResOk);
            EXPECT_EQ(v, m + n == 0 ? 5.0 : 0.0) << m << "," << n;
        }
    Rvl64f v = 7;
    EXPECT_EQ(rvliGetSpatialMoment_64f(s.get(), 2, 2, 0, off, &v), rvlResBadSize);
    EXPECT_EQ(rvliGetSpatialMoment_64f(s.get(), -1, 2, 0, off, &v), rvlResOk);  // nothing written
    EXPECT_EQ(v, 7);

    const std::vector<Rvl16u> zero(12, 0);
    ASSERT_EQ(rvliMoments64f_16u_AC4R(zero.data(), 24, {3, 1}, s.get()), rvlResOk);
    EXPECT_EQ(rvliGetCentralMoment_64f(s.get(), 1, 1, 2, &v), rvlResMomentZero);
    EXPECT_EQ(rvliGetNormalizedSpatialMoment_64f(s.get(), 0, 0, 0, off, &v), rvlResMomentZero);
    Rvl64f hu[7];
    EXPECT_EQ(rvliGetHuMoments_64f(s.get(), 1, hu), rvlResMomentZero);
    ASSERT_EQ(rvliGetSpatialMoment_64f(s.get(), 0, 0, 2, off, &v), rvlResOk);
    EXPECT_EQ(v, 0);
    EXPECT_EQ(rvliGetSpatialMoment_64f(s.get(), 0, 0, 3, off, &v), rvlResBadChannel);
}

TEST(Moments, ChecksInOrder) {
    State fresh = initialised();
    Rvl64f v = 0;
    // Before any image: every channel is refused.
    EXPECT_EQ(rvliGetSpatialMoment_64f(fresh.get(), 0, 0, 0, {0, 0}, &v), rvlResBadChannel);
    EXPECT_EQ(rvliGetSpatialMoment_64f(fresh.get(), 0, 0, 0, {0, 0}, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliGetNormalizedCentralMoment_64f(fresh.get(), 0, 0, 0, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliGetHuMoments_64f(nullptr, 0, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliMomentInit_64f(nullptr, rvlHintNone), rvlResNullPointer);
    EXPECT_EQ(rvliMomentGetStateSize_64f(rvlHintNone, nullptr), rvlResNullPointer);

    State garbage{};
    const std::vector<Rvl8u> img(3 * 8 * 4, 1);
    EXPECT_EQ(rvliMoments64f_8u_C3R(img.data(), 24, {8, 4}, garbage.get()), rvlResBadContext);
    EXPECT_EQ(rvliGetSpatialMoment_64f(garbage.get(), 0, 0, 0, {0, 0}, &v), rvlResBadContext);
    State s = initialised();
    const State before = s;
    EXPECT_EQ(rvliMoments64f_8u_C3R(nullptr, 24, {8, 4}, s.get()), rvlResNullPointer);
    EXPECT_EQ(rvliMoments64f_8u_C3R(img.data(), 0, {0, 4}, s.get()), rvlResBadStep);
    EXPECT_EQ(rvliMoments64f_8u_C3R(img.data(), 23, {0, 4}, s.get()), rvlResBadSize);
    EXPECT_EQ(rvliMoments64f_8u_C3R(img.data(), 23, {8, 4}, s.get()), rvlResStepTooSmall);
    EXPECT_EQ(rvliMoments64f_8u_AC4R(img.data(), 31, {8, 3}, s.get()), rvlResStepTooSmall);
    EXPECT_EQ(std::memcmp(before.bytes, s.bytes, 400), 0);
}

}  // namespace
