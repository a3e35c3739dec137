// rvliAnd/Or/Xor[C]_*, rvliNot_8u_*, rvliLShiftC_*, rvliRShiftC_*: every
// member against a plain reference (layouts, odd widths, padded rows, guard
// bytes, in place, AC4 alpha), shift counts around the element width, and
// the check order (pointers, steps, size).
#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "rvl.h"
#include "support/image.hpp"
#include "support/pixel_case.hpp"
#include "support/values.hpp"

using namespace rvltest;

namespace {

enum class Op { And, Or, Xor, Not, Left, Right };

template <class T>
T ref_op(Op op, T x, std::uint64_t v) {
    constexpr unsigned W = 8 * sizeof(T);
    using U = std::make_unsigned_t<T>;
    switch (op) {
        case Op::And: return T(x & T(v));
        case Op::Or: return T(x | T(v));
        case Op::Xor: return T(x ^ T(v));
        case Op::Not: return T(~x);
        case Op::Left: return v >= W ? T(0) : T(U(U(x) << v));
        case Op::Right:
            if (std::is_signed_v<T>) return v >= W ? T(x < 0 ? -1 : 0) : T(x >> v);  // arithmetic
            return v >= W ? T(0) : T(U(x) >> v);
    }
    return T(0);
}

// The constant of a C1 member is a scalar, of the others an array.
template <class V, class Arg>
Arg pass(const V* v) {
    if constexpr (std::is_pointer_v<Arg>) return v;
    else return *v;
}

template <class T, class V>
struct ConstMember {
    std::string name;
    Op op;
    Layout layout;
    std::function<RvlResult(const T*, int, const V*, T*, int, RvlSize)> r;
    std::function<RvlResult(const V*, T*, int, RvlSize)> ir;
};

template <class T, class Arg, class V = std::remove_cv_t<std::remove_pointer_t<Arg>>>
ConstMember<T, V> const_member(const char* name, Op op, Layout l, RvlResult (*r)(const T*, int, Arg, T*, int, RvlSize),
                               RvlResult (*ir)(Arg, T*, int, RvlSize)) {
    return {name, op, l,
            [r](const T* s, int ss, const V* v, T* d, int ds, RvlSize roi) { return r(s, ss, pass<V, Arg>(v), d, ds, roi); },
            [ir](const V* v, T* d, int ds, RvlSize roi) { return ir(pass<V, Arg>(v), d, ds, roi); }};
}

// Runs a constant member over odd widths with padded, shifted rows and
// random data; every byte of the destination is compared.
template <class T, class V>
void check_const(const ConstMember<T, V>& m, const std::vector<V>& value, std::uint64_t seed) {
    Rng rng(seed);
    std::string counts;
    for (V v : value) counts += std::to_string(+v) + " ";
    SCOPED_TRACE(m.name + " value " + counts);
    for (int width : {1, 2, 3, 7, 15, 16, 17, 33, 64, 65, 100, 257})
        for (int pad : {0, 5}) {
            const int height = 2, shift = int(rng() % 8);
            TestImage<T> src(width, height, m.layout.stored, pad, shift);
            TestImage<T> dst(width, height, m.layout.stored, pad, (shift + 3) % 8);
            src.fill(rng, random_value<T>);
            dst.fill(rng, random_value<T>);
            TestImage<T> want = dst, wantInPlace = src;
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    for (int c = 0; c < m.layout.processed; ++c) {
                        const T r = ref_op<T>(m.op, src.at(x, y, c), std::uint64_t(value[c]));
                        want.set(x, y, c, r);
                        wantInPlace.set(x, y, c, r);
                    }
            const TestImage<T> srcBefore = src;
            ASSERT_EQ(rvlResOk, m.r(src.data(), src.step(), value.data(), dst.data(), dst.step(), {width, height}));
            ASSERT_TRUE(same_bytes(dst, want)) << "width " << width << " pad " << pad;
            ASSERT_TRUE(same_bytes(src, srcBefore));
            ASSERT_EQ(rvlResOk, m.ir(value.data(), src.data(), src.step(), {width, height}));
            ASSERT_TRUE(same_bytes(src, wantInPlace)) << "in place, width " << width << " pad " << pad;
        }
}

#define RVL_CM(fam, op, t, l) const_member(#fam "_" #t "_" #l, Op::op, k##l, rvli##fam##_##t##_##l##R, rvli##fam##_##t##_##l##IR)
#define RVL_CM_ALL(fam, op, t) RVL_CM(fam, op, t, C1), RVL_CM(fam, op, t, C3), RVL_CM(fam, op, t, C4), RVL_CM(fam, op, t, AC4)
#define RVL_LOGIC_C(t) RVL_CM_ALL(AndC, And, t), RVL_CM_ALL(OrC, Or, t), RVL_CM_ALL(XorC, Xor, t)

template <class T>
void check_logic_constants(const std::vector<ConstMember<T, T>>& members) {
    Rng rng(5);
    for (const auto& m : members)
        for (int round = 0; round < 2; ++round) {
            std::vector<T> v(4);
            for (T& x : v) x = random_value<T>(rng);
            if (round == 1) v.assign(4, v[0]);  // equal constants: one channel over width x channels
            check_const(m, v, rng());
        }
}

TEST(Logic, ConstantMembers8u) { check_logic_constants<Rvl8u>({RVL_LOGIC_C(8u)}); }
TEST(Logic, ConstantMembers16u) { check_logic_constants<Rvl16u>({RVL_LOGIC_C(16u)}); }
TEST(Logic, ConstantMembers32s) { check_logic_constants<Rvl32s>({RVL_LOGIC_C(32s)}); }

// Shifts: counts of 0, inside the width, at it and past it, equal and mixed
// per channel (a mixed set with every count past the width too).
template <class T>
void check_shifts(const std::vector<ConstMember<T, Rvl32u>>& members) {
    constexpr Rvl32u W = 8 * sizeof(T);
    const std::vector<std::vector<Rvl32u>> countSets = {
        {0, 0, 0, 0}, {1, 1, 1, 1}, {W - 1, W - 1, W - 1, W - 1}, {W, W, W, W}, {40, 40, 40, 40},
        {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu}, {1, 0, W, 3}, {W - 1, 2, 0, 1},
        {W, W + 1, 0x80000000u, 33}, {3, 3, 3, 0}};
    std::uint64_t seed = 11;
    for (const auto& m : members)
        for (const auto& counts : countSets) {
            if (m.layout.stored == 1 && counts[1] != counts[0]) continue;  // one count: the sets' first
            check_const(m, counts, ++seed);
        }
}

TEST(Shift, Members8u) { check_shifts<Rvl8u>({RVL_CM_ALL(LShiftC, Left, 8u), RVL_CM_ALL(RShiftC, Right, 8u)}); }
TEST(Shift, Members16u) { check_shifts<Rvl16u>({RVL_CM_ALL(LShiftC, Left, 16u), RVL_CM_ALL(RShiftC, Right, 16u)}); }
TEST(Shift, Members16s) { check_shifts<Rvl16s>({RVL_CM_ALL(RShiftC, Right, 16s)}); }
TEST(Shift, Members32s) { check_shifts<Rvl32s>({RVL_CM_ALL(LShiftC, Left, 32s), RVL_CM_ALL(RShiftC, Right, 32s)}); }

TEST(Shift, WorkedValues) {
    const Rvl16s s[] = {-5, 5, -32768, 32767};
    Rvl16s d[4];
    ASSERT_EQ(rvlResOk, rvliRShiftC_16s_C1R(s, sizeof s, 40, d, sizeof d, {4, 1}));
    EXPECT_EQ(std::vector<Rvl16s>(d, d + 4), (std::vector<Rvl16s>{-1, 0, -1, 0}));
    const Rvl8u b[] = {200, 1, 255};
    Rvl8u o[3];
    ASSERT_EQ(rvlResOk, rvliLShiftC_8u_C1R(b, 3, 8, o, 3, {3, 1}));
    EXPECT_EQ(std::vector<Rvl8u>(o, o + 3), (std::vector<Rvl8u>{0, 0, 0}));
    ASSERT_EQ(rvlResOk, rvliLShiftC_8u_C1R(b, 3, 1, o, 3, {3, 1}));
    EXPECT_EQ(std::vector<Rvl8u>(o, o + 3), (std::vector<Rvl8u>{144, 2, 254}));
    ASSERT_EQ(rvlResOk, rvliRShiftC_8u_C1R(b, 3, 7, o, 3, {3, 1}));
    EXPECT_EQ(std::vector<Rvl8u>(o, o + 3), (std::vector<Rvl8u>{1, 0, 1}));
}

// Two images and Not.
template <class T>
struct TwoImageMember {
    const char* name;
    Op op;
    Layout layout;
    RvlResult (*r)(const T*, int, const T*, int, T*, int, RvlSize);
    RvlResult (*ir)(const T*, int, T*, int, RvlSize);
};

#define RVL_TM(fam, t, l) {#fam "_" #t "_" #l, Op::fam, k##l, rvli##fam##_##t##_##l##R, rvli##fam##_##t##_##l##IR}
#define RVL_TM_ALL(fam, t) RVL_TM(fam, t, C1), RVL_TM(fam, t, C3), RVL_TM(fam, t, C4), RVL_TM(fam, t, AC4)
#define RVL_LOGIC2(t) RVL_TM_ALL(And, t), RVL_TM_ALL(Or, t), RVL_TM_ALL(Xor, t)

template <class T>
void check_two_images(const std::vector<TwoImageMember<T>>& members) {
    Rng rng(9);
    for (const auto& m : members)
        for (int width : {1, 3, 16, 17, 31, 65, 257})
            for (int pad : {0, 3}) {
                SCOPED_TRACE(std::string(m.name) + " width " + std::to_string(width) + " pad " + std::to_string(pad));
                const int height = 2, ch = m.layout.stored;
                TestImage<T> a(width, height, ch, pad, int(rng() % 8)), b(width, height, ch, pad + 1, int(rng() % 8));
                TestImage<T> d(width, height, ch, pad, int(rng() % 8));
                a.fill(rng, random_value<T>);
                b.fill(rng, random_value<T>);
                d.fill(rng, random_value<T>);
                TestImage<T> want = d, wantInPlace = b;
                for (int y = 0; y < height; ++y)
                    for (int x = 0; x < width; ++x)
                        for (int c = 0; c < m.layout.processed; ++c) {
                            const T r = ref_op<T>(m.op, b.at(x, y, c), std::uint64_t(a.at(x, y, c)));
                            want.set(x, y, c, r);
                            wantInPlace.set(x, y, c, r);
                        }
                ASSERT_EQ(rvlResOk, m.r(a.data(), a.step(), b.data(), b.step(), d.data(), d.step(), {width, height}));
                ASSERT_TRUE(same_bytes(d, want));
                ASSERT_EQ(rvlResOk, m.ir(a.data(), a.step(), b.data(), b.step(), {width, height}));
                ASSERT_TRUE(same_bytes(b, wantInPlace)) << "in place";
            }
}

TEST(Logic, TwoImageMembers8u) { check_two_images<Rvl8u>({RVL_LOGIC2(8u)}); }
TEST(Logic, TwoImageMembers16u) { check_two_images<Rvl16u>({RVL_LOGIC2(16u)}); }
TEST(Logic, TwoImageMembers32s) { check_two_images<Rvl32s>({RVL_LOGIC2(32s)}); }

TEST(Logic, NotMembers) {
    const struct {
        const char* name;
        Layout layout;
        RvlResult (*r)(const Rvl8u*, int, Rvl8u*, int, RvlSize);
        RvlResult (*ir)(Rvl8u*, int, RvlSize);
    } members[] = {{"Not_8u_C1", kC1, rvliNot_8u_C1R, rvliNot_8u_C1IR},
                   {"Not_8u_C3", kC3, rvliNot_8u_C3R, rvliNot_8u_C3IR},
                   {"Not_8u_C4", kC4, rvliNot_8u_C4R, rvliNot_8u_C4IR},
                   {"Not_8u_AC4", kAC4, rvliNot_8u_AC4R, rvliNot_8u_AC4IR}};
    for (const auto& m : members) {
        PixelCase<Rvl8u, Rvl8u> c{m.name, m.layout.stored, m.layout.stored, m.r,
                                  per_channel<Rvl8u, Rvl8u>(m.layout, [](Rvl8u x) { return Rvl8u(~x); })};
        run_pixel_case(c);
        Rng rng(3);
        for (int width : {1, 17, 65, 300}) {
            TestImage<Rvl8u> img(width, 2, m.layout.stored, 3, width % 8);
            img.fill(rng, random_value<Rvl8u>);
            const TestImage<Rvl8u> want = expected_image(img, img, c);
            ASSERT_EQ(rvlResOk, m.ir(img.data(), img.step(), {width, 2}));
            ASSERT_TRUE(same_bytes(img, want)) << m.name << " in place, width " << width;
        }
    }
}

// Pointers (the constant array too), then steps, then the size; in-place
// forms the same; nothing written on an error.
TEST(LogicShift, CheckOrder) {
    Rvl8u s[16] = {}, d[16] = {1, 2, 3}, v[4] = {1, 2, 3, 4};
    const Rvl32u n[4] = {1, 1, 1, 1};
    const RvlSize ok{2, 2}, bad{0, 2};
    EXPECT_EQ(rvlResNullPointer, rvliAnd_8u_C1R(s, 0, nullptr, 0, d, 0, bad));
    EXPECT_EQ(rvlResNullPointer, rvliAndC_8u_C3R(s, 8, nullptr, d, 8, ok));
    EXPECT_EQ(rvlResNullPointer, rvliLShiftC_8u_C4IR(nullptr, d, 8, ok));
    EXPECT_EQ(rvlResNullPointer, rvliNot_8u_C1IR(nullptr, 0, bad));
    EXPECT_EQ(rvlResBadStep, rvliOr_8u_C1R(s, 2, s, 0, d, 2, bad)) << "steps before the size";
    EXPECT_EQ(rvlResBadStep, rvliXor_8u_C1IR(s, 2, d, -2, bad));
    EXPECT_EQ(rvlResBadStep, rvliXorC_8u_AC4IR(v, d, 0, bad));
    EXPECT_EQ(rvlResBadStep, rvliRShiftC_8u_C3R(s, 8, n, d, 0, bad));
    EXPECT_EQ(rvlResBadStep, rvliNot_8u_C4R(s, 0, d, 8, bad));
    EXPECT_EQ(rvlResBadSize, rvliAndC_8u_C1IR(7, d, 2, bad));
    EXPECT_EQ(rvlResBadSize, rvliRShiftC_8u_C1R(s, 2, 1, d, 2, {2, 0}));
    EXPECT_EQ(rvlResBadSize, rvliNot_8u_C1R(s, 2, d, 2, {-1, 1}));
    EXPECT_EQ((std::vector<Rvl8u>{1, 2, 3, 0}), std::vector<Rvl8u>(d, d + 4)) << "an error wrote to the destination";
}

TEST(Logic, AlphaUntouched) {
    const Rvl8u px[8] = {0xF0, 0x0F, 0xFF, 0x11, 0x01, 0x02, 0x03, 0x04};
    Rvl8u out[8] = {9, 9, 9, 9, 9, 9, 9, 9};
    const Rvl8u v[3] = {0x3C, 0xFF, 0x00};
    ASSERT_EQ(rvlResOk, rvliAndC_8u_AC4R(px, 8, v, out, 8, {2, 1}));
    EXPECT_EQ((std::vector<Rvl8u>{0x30, 0x0F, 0x00, 9, 0x00, 0x02, 0x00, 9}), std::vector<Rvl8u>(out, out + 8));
}

}  // namespace
