// Fixed thresholds: every member (R and in place) against a plain reference
// over values that often equal the thresholds, type extremes and NaN/Inf;
// AC4 alpha untouched; the per-member check orders, forwarding included.
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "rvl.h"
#include "support/pixel_case.hpp"

using namespace rvltest;

namespace {

template <class T>
bool is_nan(T x) {
    return x != x;
}

// The documented results, written from the definitions.
enum class Variant { GT, LT, GTVal, LTVal, LTValGTVal };

template <class T>
T reference(Variant v, T x, T t1, T v1, T t2, T v2) {
    switch (v) {
        case Variant::GT: return (is_nan(x) || x > t1) ? t1 : x;
        case Variant::LT: return (is_nan(x) || x < t1) ? t1 : x;
        case Variant::GTVal: return x > t1 ? v1 : x;
        case Variant::LTVal: return (is_nan(x) || x < t1) ? v1 : x;
        default: return x < t1 ? v1 : x > t2 ? v2 : x;  // NaN is kept
    }
}

// Per-channel parameters: lower thresholds t1, upper thresholds t2 >= t1.
template <class T>
struct Params {
    T t1[4], v1[4], t2[4], v2[4];
};

template <class T>
Params<T> make_params(Rng& rng) {
    Params<T> p;
    for (int c = 0; c < 4; ++c) {
        T a = random_value<T>(rng), b = random_value<T>(rng);
        if constexpr (std::is_floating_point_v<T>) {
            a = T(int(rng() % 200) - 100), b = T(int(rng() % 200) - 100);
        }
        if (b < a) std::swap(a, b);
        p.t1[c] = a, p.t2[c] = b, p.v1[c] = random_value<T>(rng), p.v2[c] = random_value<T>(rng);
        if (c == 1) p.t2[c] = p.t1[c];  // equal thresholds are allowed
    }
    return p;
}

// Values that often sit on a threshold or next to it.
template <class T>
std::function<T(Rng&)> near_thresholds(const Params<T>& p) {
    return [p](Rng& rng) {
        const int c = int(rng() % 4);
        switch (rng() % 6) {
            case 0: return p.t1[c];
            case 1: return p.t2[c];
            case 2: return T(p.t1[c] + 1);
            case 3: return T(p.t2[c] - 1);
            default: return random_value<T>(rng);
        }
    };
}

template <class T>
struct Layouts {
    Layout layout;
    std::function<RvlResult(const T*, int, T*, int, RvlSize, const Params<T>&)> r;
    std::function<RvlResult(T*, int, RvlSize, const Params<T>&)> ir;
};

template <class T>
void check_variant(const std::string& name, Variant v, const std::vector<Layouts<T>>& members) {
    Rng rng(std::hash<std::string>{}(name));
    for (int round = 0; round < 3; ++round) {
        const Params<T> p = make_params<T>(rng);
        for (const Layouts<T>& m : members) {
            const int n = m.layout.processed;
            auto ref = [v, n, p](const T* s, T* d) {
                for (int c = 0; c < n; ++c) d[c] = reference(v, s[c], p.t1[c], p.v1[c], p.t2[c], p.v2[c]);
            };
            auto call = [&](const T* s, int ss, T* d, int ds, RvlSize r) { return m.r(s, ss, d, ds, r, p); };
            run_pixel_case<T, T>({name + "_" + m.layout.name + "R", m.layout.stored, m.layout.stored, call, ref,
                                  near_thresholds(p)});
            // In place: the same bytes as the not-in-place form.
            for (int width : {1, 7, 33, 300}) {
                TestImage<T> img(width, 2, m.layout.stored, 3, 1), out(width, 2, m.layout.stored, 3, 1);
                img.fill(rng, near_thresholds(p));
                out = img;
                ASSERT_EQ(rvlResOk, m.r(img.data(), img.step(), out.data(), out.step(), {width, 2}, p));
                ASSERT_EQ(rvlResOk, m.ir(img.data(), img.step(), {width, 2}, p));
                ASSERT_TRUE(same_bytes(img, out)) << name << "_" << m.layout.name << "IR width " << width;
            }
        }
    }
}

// Member tables: the adapters pass channel 0's parameters to C1 forms and
// the arrays to the others.
#define RVLTEST_C1(fn, ...) \
    {kC1, [](auto s, int ss, auto d, int ds, RvlSize r, const auto& p) { return fn##R(s, ss, d, ds, r, __VA_ARGS__); }, \
     [](auto sd, int st, RvlSize r, const auto& p) { return fn##IR(sd, st, r, __VA_ARGS__); }}
#define RVLTEST_CN(layout, fn, ...) \
    {layout, [](auto s, int ss, auto d, int ds, RvlSize r, const auto& p) { return fn##R(s, ss, d, ds, r, __VA_ARGS__); }, \
     [](auto sd, int st, RvlSize r, const auto& p) { return fn##IR(sd, st, r, __VA_ARGS__); }}

#define RVLTEST_TYPE(t, T)                                                                                                   \
    TEST(Threshold, MatchesReference_##t) {                                                                                   \
        check_variant<T>("Threshold_" #t " GT", Variant::GT,                                                                   \
                         {RVLTEST_C1(rvliThreshold_##t##_C1, p.t1[0], rvlCompareGreater),                                     \
                          RVLTEST_CN(kC3, rvliThreshold_##t##_C3, p.t1, rvlCompareGreater),                                   \
                          RVLTEST_CN(kAC4, rvliThreshold_##t##_AC4, p.t1, rvlCompareGreater),                                 \
                          RVLTEST_C1(rvliThreshold_GT_##t##_C1, p.t1[0]), RVLTEST_CN(kC3, rvliThreshold_GT_##t##_C3, p.t1), \
                          RVLTEST_CN(kAC4, rvliThreshold_GT_##t##_AC4, p.t1)});                                               \
        check_variant<T>("Threshold_" #t " LT", Variant::LT,                                                                   \
                         {RVLTEST_C1(rvliThreshold_##t##_C1, p.t1[0], rvlCompareLess),                                        \
                          RVLTEST_CN(kC3, rvliThreshold_##t##_C3, p.t1, rvlCompareLess),                                      \
                          RVLTEST_CN(kAC4, rvliThreshold_##t##_AC4, p.t1, rvlCompareLess),                                    \
                          RVLTEST_C1(rvliThreshold_LT_##t##_C1, p.t1[0]), RVLTEST_CN(kC3, rvliThreshold_LT_##t##_C3, p.t1), \
                          RVLTEST_CN(kAC4, rvliThreshold_LT_##t##_AC4, p.t1)});                                               \
        check_variant<T>("Threshold_" #t " GTVal", Variant::GTVal,                                                             \
                         {RVLTEST_C1(rvliThreshold_Val_##t##_C1, p.t1[0], p.v1[0], rvlCompareGreater),                        \
                          RVLTEST_CN(kC3, rvliThreshold_Val_##t##_C3, p.t1, p.v1, rvlCompareGreater),                         \
                          RVLTEST_CN(kAC4, rvliThreshold_Val_##t##_AC4, p.t1, p.v1, rvlCompareGreater),                       \
                          RVLTEST_C1(rvliThreshold_GTVal_##t##_C1, p.t1[0], p.v1[0]),                                         \
                          RVLTEST_CN(kC3, rvliThreshold_GTVal_##t##_C3, p.t1, p.v1),                                          \
                          RVLTEST_CN(kC4, rvliThreshold_GTVal_##t##_C4, p.t1, p.v1),                                          \
                          RVLTEST_CN(kAC4, rvliThreshold_GTVal_##t##_AC4, p.t1, p.v1)});                                      \
        check_variant<T>("Threshold_" #t " LTVal", Variant::LTVal,                                                             \
                         {RVLTEST_C1(rvliThreshold_Val_##t##_C1, p.t1[0], p.v1[0], rvlCompareLess),                           \
                          RVLTEST_CN(kC3, rvliThreshold_Val_##t##_C3, p.t1, p.v1, rvlCompareLess),                            \
                          RVLTEST_CN(kAC4, rvliThreshold_Val_##t##_AC4, p.t1, p.v1, rvlCompareLess),                          \
                          RVLTEST_C1(rvliThreshold_LTVal_##t##_C1, p.t1[0], p.v1[0]),                                         \
                          RVLTEST_CN(kC3, rvliThreshold_LTVal_##t##_C3, p.t1, p.v1),                                          \
                          RVLTEST_CN(kC4, rvliThreshold_LTVal_##t##_C4, p.t1, p.v1),                                          \
                          RVLTEST_CN(kAC4, rvliThreshold_LTVal_##t##_AC4, p.t1, p.v1)});                                      \
        check_variant<T>("Threshold_" #t " LTValGTVal", Variant::LTValGTVal,                                                   \
                         {RVLTEST_C1(rvliThreshold_LTValGTVal_##t##_C1, p.t1[0], p.v1[0], p.t2[0], p.v2[0]),                  \
                          RVLTEST_CN(kC3, rvliThreshold_LTValGTVal_##t##_C3, p.t1, p.v1, p.t2, p.v2),                         \
                          RVLTEST_CN(kAC4, rvliThreshold_LTValGTVal_##t##_AC4, p.t1, p.v1, p.t2, p.v2)});                     \
    }

RVLTEST_TYPE(8u, Rvl8u)
RVLTEST_TYPE(16u, Rvl16u)
RVLTEST_TYPE(16s, Rvl16s)
RVLTEST_TYPE(32f, Rvl32f)

TEST(Threshold, Examples) {
    Rvl8u b[3] = {150, 100, 50}, o[3];
    ASSERT_EQ(rvlResOk, rvliThreshold_GT_8u_C1R(b, 3, o, 3, {3, 1}, 100));
    EXPECT_EQ((std::vector<Rvl8u>{100, 100, 50}), std::vector<Rvl8u>(o, o + 3));
    Rvl8u c[3] = {100, 101, 99};
    ASSERT_EQ(rvlResOk, rvliThreshold_GTVal_8u_C1R(c, 3, o, 3, {3, 1}, 100, 0));
    EXPECT_EQ((std::vector<Rvl8u>{100, 0, 99}), std::vector<Rvl8u>(o, o + 3));
    ASSERT_EQ(rvlResOk, rvliThreshold_LTVal_8u_C1R(c, 3, o, 3, {3, 1}, 100, 7));
    EXPECT_EQ((std::vector<Rvl8u>{100, 101, 7}), std::vector<Rvl8u>(o, o + 3));
    Rvl16s s[3] = {-5, 0, 9}, so[3];
    ASSERT_EQ(rvlResOk, rvliThreshold_LTValGTVal_16s_C1R(s, 6, so, 6, {3, 1}, 0, -100, 0, 100));
    EXPECT_EQ((std::vector<Rvl16s>{-100, 0, 100}), std::vector<Rvl16s>(so, so + 3));
    const float nan = std::numeric_limits<float>::quiet_NaN();
    Rvl32f f[1] = {nan}, fo[1];
    ASSERT_EQ(rvlResOk, rvliThreshold_LTVal_32f_C1R(f, 4, fo, 4, {1, 1}, 1.0f, 5.0f));
    EXPECT_EQ(5.0f, fo[0]);
    ASSERT_EQ(rvlResOk, rvliThreshold_GTVal_32f_C1R(f, 4, fo, 4, {1, 1}, 1.0f, 5.0f));
    EXPECT_TRUE(std::isnan(fo[0]));
    ASSERT_EQ(rvlResOk, rvliThreshold_GT_32f_C1R(f, 4, fo, 4, {1, 1}, 1.0f));
    EXPECT_EQ(1.0f, fo[0]);
    ASSERT_EQ(rvlResOk, rvliThreshold_LTValGTVal_32f_C1R(f, 4, fo, 4, {1, 1}, 0.0f, -1.0f, 1.0f, 2.0f));
    EXPECT_TRUE(std::isnan(fo[0]));
}

// Check orders, forwarding included. Nothing is written on an error.
TEST(Threshold, CheckOrders) {
    Rvl8u img[64] = {}, out[64];
    std::fill(out, out + 64, Rvl8u(9));
    const Rvl8u t3[3] = {1, 2, 3}, v3[3] = {4, 5, 6}, hi3[3] = {9, 1, 9};
    const Rvl8u t4[4] = {1, 2, 3, 4};
    const RvlCmpOp bad = RvlCmpOp(1);
    // Threshold: pointers, size, steps, the array, then cmpOp.
    EXPECT_EQ(rvlResNullPointer, rvliThreshold_8u_C1R(nullptr, 8, out, 8, {2, 2}, 5, bad));
    EXPECT_EQ(rvlResBadStep, rvliThreshold_8u_C1R(img, 0, out, 8, {2, 2}, 5, bad));
    EXPECT_EQ(rvlResUnsupportedMode, rvliThreshold_8u_C1R(img, 8, out, 8, {2, 2}, 5, bad));
    EXPECT_EQ(rvlResNullPointer, rvliThreshold_8u_C3R(img, 8, out, 8, {2, 2}, nullptr, bad));
    EXPECT_EQ(rvlResBadStep, rvliThreshold_8u_AC4R(img, 8, out, -8, {2, 2}, nullptr, rvlCompareLess));
    // Threshold_Val: cmpOp before everything.
    EXPECT_EQ(rvlResUnsupportedMode, rvliThreshold_Val_8u_C3R(nullptr, 0, nullptr, 0, {0, 0}, nullptr, nullptr, bad));
    EXPECT_EQ(rvlResNullPointer, rvliThreshold_Val_8u_C3R(img, 8, out, 8, {0, 2}, t3, nullptr, rvlCompareLess));
    EXPECT_EQ(rvlResUnsupportedMode, rvliThreshold_Val_8u_C1IR(nullptr, 8, {2, 2}, 1, 2, bad));
    // C3/AC4 clamps and replacements forward to Threshold / Threshold_Val at
    // the same width, so their checks are the target's: pointers (the arrays
    // included) before the size.
    EXPECT_EQ(rvlResNullPointer, rvliThreshold_GT_8u_C3R(nullptr, 8, out, 8, {0, 2}, t3));
    EXPECT_EQ(rvlResNullPointer, rvliThreshold_GT_8u_C1R(nullptr, 8, out, 8, {0, 2}, 3));
    EXPECT_EQ(rvlResNullPointer, rvliThreshold_GTVal_8u_AC4R(nullptr, 8, out, 8, {0, 2}, t3, v3));
    EXPECT_EQ(rvlResNullPointer, rvliThreshold_GTVal_8u_C3R(img, 8, out, 8, {0, 2}, t3, nullptr));
    EXPECT_EQ(rvlResNullPointer, rvliThreshold_LTVal_16s_AC4R(nullptr, 8, nullptr, 8, {0, 0}, nullptr, nullptr));
    EXPECT_EQ(rvlResBadSize, rvliThreshold_LTVal_8u_C3R(img, 8, out, 8, {0, 2}, t3, v3));
    // In-place members check the width before forwarding.
    EXPECT_EQ(rvlResNullPointer, rvliThreshold_GTVal_8u_C4R(img, 8, out, 8, {0, 2}, t4, nullptr));
    EXPECT_EQ(rvlResBadSize, rvliThreshold_LT_8u_C1IR(nullptr, 8, {0, 2}, 3));
    EXPECT_EQ(rvlResBadSize, rvliThreshold_Val_8u_C1IR(nullptr, 8, {0, 2}, 1, 2, rvlCompareLess));
    EXPECT_EQ(rvlResNullPointer, rvliThreshold_GT_8u_C1IR(nullptr, 8, {2, 0}, 3));
    // LTValGTVal: thresholds last.
    EXPECT_EQ(rvlResBadStep, rvliThreshold_LTValGTVal_8u_C1R(img, 8, out, 0, {2, 2}, 1, 0, 0, 0));
    EXPECT_EQ(rvlResBadThresholds, rvliThreshold_LTValGTVal_8u_C1R(img, 8, out, 8, {2, 2}, 1, 0, 0, 0));
    EXPECT_EQ(rvlResBadThresholds, rvliThreshold_LTValGTVal_8u_C3R(img, 8, out, 8, {2, 2}, t3, v3, hi3, v3));
    EXPECT_EQ(rvlResNullPointer, rvliThreshold_LTValGTVal_8u_AC4R(img, 8, out, 8, {2, 2}, t3, v3, nullptr, v3));
    for (Rvl8u x : out) ASSERT_EQ(9, x) << "an error wrote to the destination";
    EXPECT_EQ(rvlResOk, rvliThreshold_LTValGTVal_8u_C3R(img, 8, out, 8, {2, 2}, t3, v3, t3, v3));
}

}  // namespace
