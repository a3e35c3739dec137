// Copy, Set, Dup and CopyManaged: every member against a plain reference,
// with guard bytes, untouched channels and alpha, mixed masks; check orders;
// the _L forms against their 32-bit twins.
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "rvl.h"
#include "support/image.hpp"
#include "support/pixel_case.hpp"
#include "support/values.hpp"

using namespace rvltest;

namespace {

template <class T>
struct Members {
    using Plain = RvlResult (*)(const T*, int, T*, int, RvlSize);
    using Masked = RvlResult (*)(const T*, int, T*, int, RvlSize, const Rvl8u*, int);
    using ToPlanes = RvlResult (*)(const T*, int, T* const*, int, RvlSize);
    using FromPlanes = RvlResult (*)(const T* const*, int, T*, int, RvlSize);
    using Set1 = RvlResult (*)(T, T*, int, RvlSize);
    using SetN = RvlResult (*)(const T*, T*, int, RvlSize);
    using Set1M = RvlResult (*)(T, T*, int, RvlSize, const Rvl8u*, int);
    using SetNM = RvlResult (*)(const T*, T*, int, RvlSize, const Rvl8u*, int);
    const char* type;
    Plain c1, c3, c4, ac4;
    Masked c1m, c3m, c4m, ac4m;
    Plain c3c1, c4c1, c1c3, c1c4, c3c, c4c, ac4c3, c3ac4;
    ToPlanes c3p3, c4p4;
    FromPlanes p3c3, p4c4;
    Set1 s1;
    SetN s3, s4, sac4;
    Set1M s1m;
    SetNM s3m, s4m, sac4m;
    Set1 s3c, s4c;
};

#define RVLTEST_MEMBERS(t, T)                                                                                     \
    Members<T> {                                                                                                  \
        #t, rvliCopy_##t##_C1R, rvliCopy_##t##_C3R, rvliCopy_##t##_C4R, rvliCopy_##t##_AC4R, rvliCopy_##t##_C1MR, \
            rvliCopy_##t##_C3MR, rvliCopy_##t##_C4MR, rvliCopy_##t##_AC4MR, rvliCopy_##t##_C3C1R,                \
            rvliCopy_##t##_C4C1R, rvliCopy_##t##_C1C3R, rvliCopy_##t##_C1C4R, rvliCopy_##t##_C3CR,               \
            rvliCopy_##t##_C4CR, rvliCopy_##t##_AC4C3R, rvliCopy_##t##_C3AC4R, rvliCopy_##t##_C3P3R,             \
            rvliCopy_##t##_C4P4R, rvliCopy_##t##_P3C3R, rvliCopy_##t##_P4C4R, rvliSet_##t##_C1R,                 \
            rvliSet_##t##_C3R, rvliSet_##t##_C4R, rvliSet_##t##_AC4R, rvliSet_##t##_C1MR, rvliSet_##t##_C3MR,    \
            rvliSet_##t##_C4MR, rvliSet_##t##_AC4MR, rvliSet_##t##_C3CR, rvliSet_##t##_C4CR                      \
    }

template <class T>
void check_copies(const Members<T>& m) {
    const std::string t = m.type;
    auto same = [](T x) { return x; };
    for (auto [fn, l] : {std::pair{m.c1, kC1}, {m.c3, kC3}, {m.c4, kC4}, {m.ac4, kAC4}})
        run_pixel_case<T, T>({"Copy_" + t + "_" + l.name, l.stored, l.stored, fn, per_channel<T, T>(l, same)});
    // Channel forms: the pointers address channel 1 (channel 2 of C4).
    auto at = [](auto fn, int srcOffset, int dstOffset) {
        return [=](const T* s, int ss, T* d, int ds, RvlSize r) { return fn(s + srcOffset, ss, d + dstOffset, ds, r); };
    };
    run_pixel_case<T, T>({"C3C1", 3, 1, at(m.c3c1, 1, 0), [](const T* s, T* d) { d[0] = s[1]; }});
    run_pixel_case<T, T>({"C4C1", 4, 1, at(m.c4c1, 2, 0), [](const T* s, T* d) { d[0] = s[2]; }});
    run_pixel_case<T, T>({"C1C3", 1, 3, at(m.c1c3, 0, 1), [](const T* s, T* d) { d[1] = s[0]; }});
    run_pixel_case<T, T>({"C1C4", 1, 4, at(m.c1c4, 0, 2), [](const T* s, T* d) { d[2] = s[0]; }});
    run_pixel_case<T, T>({"C3CR", 3, 3, at(m.c3c, 1, 1), [](const T* s, T* d) { d[1] = s[1]; }});
    run_pixel_case<T, T>({"C4CR", 4, 4, at(m.c4c, 2, 2), [](const T* s, T* d) { d[2] = s[2]; }});
    auto three = [](const T* s, T* d) { std::memcpy(d, s, 3 * sizeof(T)); };
    run_pixel_case<T, T>({"AC4C3", 4, 3, m.ac4c3, three});
    run_pixel_case<T, T>({"C3AC4", 3, 4, m.c3ac4, three});
}

// Masks mixing long zero and non-zero stretches with single pixels, so that
// both the 16-pixel fast tests and the per-pixel path run.
Rvl8u mask_value(Rng& rng, int x) {
    const int zone = (x / 16) % 4;
    if (zone == 0) return 0;
    if (zone == 1) return Rvl8u(1 + rng() % 255);
    return (rng() & 1) ? Rvl8u(rng()) : Rvl8u(0);
}

template <class T, class Call, class Ref>
void run_masked(const std::string& name, int channels, Call call, Ref refPixel) {
    SCOPED_TRACE(name);
    Rng rng(3);
    for (int width : case_widths())
        for (int height : {1, 3}) {
            TestImage<T> src(width, height, channels, 2, 1), dst(width, height, channels, 1, 3);
            TestImage<Rvl8u> mask(width, height, 1, 5, 0);
            src.fill(rng, random_value<T>);
            dst.fill(rng, random_value<T>);
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) mask.set(x, y, 0, mask_value(rng, x + y));
            TestImage<T> want = dst;
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    if (mask.at(x, y, 0))
                        for (int k = 0; k < channels; ++k) refPixel(src, want, x, y, k);
            ASSERT_EQ(rvlResOk, call(src, dst, mask, RvlSize{width, height}));
            ASSERT_TRUE(same_bytes(dst, want)) << "width " << width;
        }
}

template <class T>
void check_masked(const Members<T>& m) {
    const std::string t = m.type;
    const T v4[4] = {T(1), T(2), T(3), T(4)};
    struct L {
        Layout layout;
        typename Members<T>::Masked copy;
        typename Members<T>::SetNM set;
    };
    for (const L& l : {L{kC1, m.c1m, nullptr}, L{kC3, m.c3m, m.s3m}, L{kC4, m.c4m, m.s4m}, L{kAC4, m.ac4m, m.sac4m}}) {
        const int n = l.layout.processed;
        run_masked<T>("Copy_" + t + "_" + l.layout.name + "MR", l.layout.stored,
                      [&](TestImage<T>& s, TestImage<T>& d, TestImage<Rvl8u>& k, RvlSize r) {
                          return l.copy(s.data(), s.step(), d.data(), d.step(), r, k.data(), k.step());
                      },
                      [n](const TestImage<T>& s, TestImage<T>& w, int x, int y, int c) {
                          if (c < n) w.set(x, y, c, s.at(x, y, c));
                      });
        auto setCall = [&](TestImage<T>&, TestImage<T>& d, TestImage<Rvl8u>& k, RvlSize r) {
            return l.set ? l.set(v4, d.data(), d.step(), r, k.data(), k.step())
                         : m.s1m(v4[0], d.data(), d.step(), r, k.data(), k.step());
        };
        run_masked<T>("Set_" + t + "_" + l.layout.name + "MR", l.layout.stored, setCall,
                      [n, &v4](const TestImage<T>&, TestImage<T>& w, int x, int y, int c) {
                          if (c < n) w.set(x, y, c, v4[c]);
                      });
    }
    // An all-zero mask writes nothing.
    TestImage<T> dst(40, 2, 1), before(40, 2, 1);
    TestImage<Rvl8u> zeros(40, 2, 1);
    Rng rng(9);
    dst.fill(rng, random_value<T>);
    zeros.fill(rng, [](Rng&) { return Rvl8u(0); });
    before = dst;
    EXPECT_EQ(rvlResOk, m.s1m(v4[0], dst.data(), dst.step(), {40, 2}, zeros.data(), zeros.step()));
    EXPECT_TRUE(same_bytes(dst, before));
}

template <class T>
void check_sets(const Members<T>& m) {
    Rng rng(5);
    const T v[4] = {random_value<T>(rng), random_value<T>(rng), random_value<T>(rng), random_value<T>(rng)};
    struct S {
        const char* name;
        int stored, processed, channelOffset;
        std::function<RvlResult(T*, int, RvlSize)> call;
    };
    const S sets[] = {
        {"C1", 1, 1, 0, [&](T* d, int s, RvlSize r) { return m.s1(v[0], d, s, r); }},
        {"C3", 3, 3, 0, [&](T* d, int s, RvlSize r) { return m.s3(v, d, s, r); }},
        {"C4", 4, 4, 0, [&](T* d, int s, RvlSize r) { return m.s4(v, d, s, r); }},
        {"AC4", 4, 3, 0, [&](T* d, int s, RvlSize r) { return m.sac4(v, d, s, r); }},
        {"C3CR", 3, 1, 2, [&](T* d, int s, RvlSize r) { return m.s3c(v[0], d + 2, s, r); }},
        {"C4CR", 4, 1, 1, [&](T* d, int s, RvlSize r) { return m.s4c(v[0], d + 1, s, r); }},
    };
    for (const S& s : sets) {
        SCOPED_TRACE(std::string("Set_") + m.type + "_" + s.name);
        for (int width : case_widths())
            for (int pad : {0, 3}) {
                TestImage<T> dst(width, 3, s.stored, pad, int(rng() % 8));
                dst.fill(rng, random_value<T>);
                TestImage<T> want = dst;
                for (int y = 0; y < 3; ++y)
                    for (int x = 0; x < width; ++x)
                        for (int c = 0; c < s.processed; ++c) want.set(x, y, c + s.channelOffset, v[c]);
                ASSERT_EQ(rvlResOk, s.call(dst.data(), dst.step(), {width, 3}));
                ASSERT_TRUE(same_bytes(dst, want)) << "width " << width << " pad " << pad;
            }
    }
}

template <class T>
void check_planes(const Members<T>& m) {
    Rng rng(11);
    for (int channels : {3, 4})
        for (int width : case_widths()) {
            SCOPED_TRACE(std::string(m.type) + " planes " + std::to_string(channels) + " width " + std::to_string(width));
            TestImage<T> packed(width, 2, channels, 1, 1), repacked(width, 2, channels, 2, 3);
            std::vector<TestImage<T>> planes;
            for (int c = 0; c < channels; ++c) planes.emplace_back(width, 2, 1, 3, c);
            packed.fill(rng, random_value<T>);
            repacked.fill(rng, random_value<T>);
            for (auto& p : planes) p.fill(rng, random_value<T>);
            std::vector<TestImage<T>> wantPlanes = planes;
            for (int c = 0; c < channels; ++c)
                for (int y = 0; y < 2; ++y)
                    for (int x = 0; x < width; ++x) wantPlanes[c].set(x, y, 0, packed.at(x, y, c));
            T* dstPlanes[4];
            const T* srcPlanes[4];
            for (int c = 0; c < channels; ++c) dstPlanes[c] = planes[c].data();
            const RvlSize roi{width, 2};
            // All planes share one step.
            ASSERT_EQ(planes[0].step(), planes[channels - 1].step());
            ASSERT_EQ(rvlResOk, (channels == 3 ? m.c3p3 : m.c4p4)(packed.data(), packed.step(), dstPlanes,
                                                                  planes[0].step(), roi));
            for (int c = 0; c < channels; ++c) ASSERT_TRUE(same_bytes(planes[c], wantPlanes[c]));
            for (int c = 0; c < channels; ++c) srcPlanes[c] = planes[c].data();
            TestImage<T> wantPacked = repacked;
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < width; ++x)
                    for (int c = 0; c < channels; ++c) wantPacked.set(x, y, c, packed.at(x, y, c));
            ASSERT_EQ(rvlResOk, (channels == 3 ? m.p3c3 : m.p4c4)(srcPlanes, planes[0].step(), repacked.data(),
                                                                  repacked.step(), roi));
            ASSERT_TRUE(same_bytes(repacked, wantPacked));
        }
}

const Members<Rvl8u> k8u = RVLTEST_MEMBERS(8u, Rvl8u);
const Members<Rvl16u> k16u = RVLTEST_MEMBERS(16u, Rvl16u);
const Members<Rvl16s> k16s = RVLTEST_MEMBERS(16s, Rvl16s);
const Members<Rvl32s> k32s = RVLTEST_MEMBERS(32s, Rvl32s);
const Members<Rvl32f> k32f = RVLTEST_MEMBERS(32f, Rvl32f);

template <class F>
void for_each_type(F f) {
    f(k8u);
    f(k16u);
    f(k16s);
    f(k32s);
    f(k32f);
}

TEST(Copy, AllLayoutsMatchReference) {
    for_each_type([](const auto& m) { check_copies(m); });
}
TEST(Copy, PlanarFormsSplitAndMerge) {
    for_each_type([](const auto& m) { check_planes(m); });
}
TEST(Copy, MaskedFormsTouchOnlyMaskedPixels) {
    for_each_type([](const auto& m) { check_masked(m); });
}
TEST(Set, AllLayoutsMatchReference) {
    for_each_type([](const auto& m) { check_sets(m); });
}

TEST(Dup, OneChannelToAll) {
    run_pixel_case<Rvl8u, Rvl8u>({"Dup_C1C3", 1, 3, rvliDup_8u_C1C3R, [](const Rvl8u* s, Rvl8u* d) { d[0] = d[1] = d[2] = s[0]; }});
    run_pixel_case<Rvl8u, Rvl8u>({"Dup_C1C4", 1, 4, rvliDup_8u_C1C4R, [](const Rvl8u* s, Rvl8u* d) { d[0] = d[1] = d[2] = d[3] = s[0]; }});
}

TEST(CopyManaged, BothStorePathsCopyExactly) {
    for (int flags : {0, 1})
        run_pixel_case<Rvl8u, Rvl8u>({"CopyManaged flags " + std::to_string(flags), 1, 1,
                                      [flags](const Rvl8u* s, int ss, Rvl8u* d, int ds, RvlSize r) {
                                          return rvliCopyManaged_8u_C1R(s, ss, d, ds, r, flags);
                                      },
                                      [](const Rvl8u* s, Rvl8u* d) { d[0] = s[0]; }});
}

// The _L forms give the bytes their 32-bit twins give.
template <class T>
void check_large_form(RvlResult (*fn32)(const T*, int, T*, int, RvlSize),
                      RvlResult (*fnL)(const T*, std::int64_t, T*, std::int64_t, RvlSizeL), int channels) {
    Rng rng(13);
    for (int width : {1, 5, 33, 300}) {
        TestImage<T> src(width, 3, channels, 2, 1), a(width, 3, channels, 1, 0);
        src.fill(rng, random_value<T>);
        a.fill(rng, random_value<T>);
        TestImage<T> b = a;
        ASSERT_EQ(rvlResOk, fn32(src.data(), src.step(), a.data(), a.step(), {width, 3}));
        ASSERT_EQ(rvlResOk, fnL(src.data(), src.step(), b.data(), b.step(), RvlSizeL{width, 3}));
        ASSERT_TRUE(same_bytes(b, a));
    }
    Rvl8u dummy[16];
    T* p = reinterpret_cast<T*>(dummy);
    EXPECT_EQ(rvlResNullPointer, fnL(nullptr, 16, p, 16, RvlSizeL{0, 1}));
    EXPECT_EQ(rvlResBadSize, fnL(p, 16, p, 16, RvlSizeL{INT64_C(1) << 40, -1}));
    EXPECT_EQ(rvlResBadSize, fnL(p, 16, p, 16, RvlSizeL{0, INT64_C(1) << 33}));
}

TEST(Copy, LargeFormsMatch32BitTwins) {
    check_large_form<Rvl8u>(rvliCopy_8u_C1R, rvliCopy_8u_C1R_L, 1);
    check_large_form<Rvl8u>(rvliCopy_8u_C3R, rvliCopy_8u_C3R_L, 3);
    check_large_form<Rvl8u>(rvliCopy_8u_C4R, rvliCopy_8u_C4R_L, 4);
    check_large_form<Rvl8u>(rvliCopy_8u_AC4R, rvliCopy_8u_AC4R_L, 4);
    check_large_form<Rvl32f>(rvliCopy_32f_C1R, rvliCopy_32f_C1R_L, 1);
    check_large_form<Rvl32f>(rvliCopy_32f_C3R, rvliCopy_32f_C3R_L, 3);
    check_large_form<Rvl32f>(rvliCopy_32f_C4R, rvliCopy_32f_C4R_L, 4);
    check_large_form<Rvl32f>(rvliCopy_32f_AC4R, rvliCopy_32f_AC4R_L, 4);
}

// Checks: every pointer (each plane pointer, the mask), then the size; steps
// are not checked. Errors write nothing.
TEST(Copy, ChecksPointersThenSizeButNotSteps) {
    Rng rng(17);
    TestImage<Rvl8u> src(8, 2, 4), dst(8, 2, 4), mask(8, 2, 1);
    src.fill(rng, random_value<Rvl8u>);
    dst.fill(rng, random_value<Rvl8u>);
    mask.fill(rng, random_value<Rvl8u>);
    const TestImage<Rvl8u> before = dst;
    const Rvl8u* s = src.data();
    Rvl8u* d = dst.data();
    const Rvl8u v3[3] = {1, 2, 3};
    EXPECT_EQ(rvlResNullPointer, rvliCopy_8u_C3R(nullptr, 0, d, 0, {0, 0}));
    EXPECT_EQ(rvlResNullPointer, rvliCopy_8u_C1MR(s, 8, d, 8, {0, 2}, nullptr, 8));
    EXPECT_EQ(rvlResNullPointer, rvliSet_8u_C3R(nullptr, d, 8, {0, 2}));
    EXPECT_EQ(rvlResNullPointer, rvliSet_8u_AC4MR(v3, d, 8, {0, 2}, nullptr, 8));
    Rvl8u* planes[3] = {d, nullptr, d};
    const Rvl8u* cplanes[4] = {s, s, s, nullptr};
    EXPECT_EQ(rvlResNullPointer, rvliCopy_8u_C3P3R(s, 8, planes, 8, {0, 2}));
    EXPECT_EQ(rvlResNullPointer, rvliCopy_8u_P4C4R(cplanes, 8, d, 8, {0, 2}));
    EXPECT_EQ(rvlResNullPointer, rvliCopy_8u_C3P3R(s, 8, nullptr, 8, {4, 2}));
    EXPECT_EQ(rvlResBadSize, rvliCopy_8u_C4R(s, 0, d, 0, {0, 2}));
    EXPECT_EQ(rvlResBadSize, rvliSet_8u_C1R(7, d, 8, {3, -1}));
    EXPECT_EQ(rvlResBadSize, rvliDup_8u_C1C4R(s, 8, d, 32, {-1, 1}));
    EXPECT_EQ(rvlResBadSize, rvliCopyManaged_8u_C1R(s, 8, d, 8, {1, 0}, 1));
    EXPECT_TRUE(same_bytes(dst, before));
    // A zero step is not an error: every row is the same memory.
    EXPECT_EQ(rvlResOk, rvliCopy_8u_C1R(s, 0, d, 0, {8, 2}));
    EXPECT_EQ(rvlResOk, rvliSet_8u_C1R(7, d, 0, {8, 2}));
}

}  // namespace
