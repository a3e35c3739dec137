// rvliAbs_*: every member against a plain reference, with guard bytes,
// padded and misaligned rows, in-place forms and AC4 alpha; the check order.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "rvl.h"
#include "support/image.hpp"
#include "support/values.hpp"

using namespace rvltest;

namespace {

template <class T>
struct AbsMember {
    const char* name;
    RvlChannels layout;
    RvlResult (*notInPlace)(const T*, int, T*, int, RvlSize);
    RvlResult (*inPlace)(T*, int, RvlSize);
};

const AbsMember<Rvl16s> kAbs16s[] = {
    {"16s_C1", rvlChannels1, rvliAbs_16s_C1R, rvliAbs_16s_C1IR},
    {"16s_C3", rvlChannels3, rvliAbs_16s_C3R, rvliAbs_16s_C3IR},
    {"16s_C4", rvlChannels4, rvliAbs_16s_C4R, rvliAbs_16s_C4IR},
    {"16s_AC4", rvlChannelsAC4, rvliAbs_16s_AC4R, rvliAbs_16s_AC4IR},
};
const AbsMember<Rvl32f> kAbs32f[] = {
    {"32f_C1", rvlChannels1, rvliAbs_32f_C1R, rvliAbs_32f_C1IR},
    {"32f_C3", rvlChannels3, rvliAbs_32f_C3R, rvliAbs_32f_C3IR},
    {"32f_C4", rvlChannels4, rvliAbs_32f_C4R, rvliAbs_32f_C4IR},
    {"32f_AC4", rvlChannelsAC4, rvliAbs_32f_AC4R, rvliAbs_32f_AC4IR},
};

// The reference: the mathematical absolute value, saturated for 16s.
Rvl16s ref_abs(Rvl16s x) { return x == -32768 ? Rvl16s(32767) : Rvl16s(x < 0 ? -x : x); }
Rvl32f ref_abs(Rvl32f x) { return std::fabs(x); }

int stored_channels(RvlChannels l) { return l == rvlChannelsAC4 ? 4 : int(l); }
int processed_channels(RvlChannels l) { return l == rvlChannelsAC4 ? 3 : int(l); }

// The expected destination: `before` with the processed channels of every
// ROI pixel replaced by the reference applied to `src`.
template <class T>
TestImage<T> expected(const TestImage<T>& src, TestImage<T> before, RvlChannels layout) {
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            for (int c = 0; c < processed_channels(layout); ++c) before.set(x, y, c, ref_abs(src.at(x, y, c)));
    return before;
}

template <class T, std::size_t N>
void check_against_reference(const AbsMember<T> (&members)[N]) {
    Rng rng(2024);
    for (const auto& m : members) {
        const int ch = stored_channels(m.layout);
        for (int width : odd_widths()) {
            for (int height : {1, 3}) {
                // Contiguous rows (whole-image path) and padded, shifted rows.
                for (int pad : {0, 5}) {
                    SCOPED_TRACE(std::string(m.name) + " width " + std::to_string(width) + " height " +
                                 std::to_string(height) + " pad " + std::to_string(pad));
                    const int shift = int(rng() % 8);
                    TestImage<T> src(width, height, ch, pad, shift);
                    TestImage<T> dst(width, height, ch, pad, (shift + 3) % 8);
                    src.fill(rng, random_value<T>);
                    dst.fill(rng, random_value<T>);
                    const TestImage<T> srcBefore = src;
                    const TestImage<T> want = expected(src, dst, m.layout);

                    EXPECT_EQ(rvlResOk, m.notInPlace(src.data(), src.step(), dst.data(), dst.step(), {width, height}));
                    EXPECT_TRUE(same_bytes(dst, want));
                    EXPECT_TRUE(same_bytes(src, srcBefore)) << "the source was modified";

                    TestImage<T> inPlace = srcBefore;
                    EXPECT_EQ(rvlResOk, m.inPlace(inPlace.data(), inPlace.step(), {width, height}));
                    EXPECT_TRUE(same_bytes(inPlace, expected(srcBefore, srcBefore, m.layout)));
                }
            }
        }
    }
}

TEST(Abs, MatchesReference16s) { check_against_reference(kAbs16s); }
TEST(Abs, MatchesReference32f) { check_against_reference(kAbs32f); }

TEST(Abs, SaturatesAndClearsSignBitExactly) {
    const Rvl16s s[] = {-32768, -32767, 32767, -1, 0};
    Rvl16s d[5];
    ASSERT_EQ(rvlResOk, rvliAbs_16s_C1R(s, sizeof s, d, sizeof d, {5, 1}));
    EXPECT_EQ(std::vector<Rvl16s>(d, d + 5), (std::vector<Rvl16s>{32767, 32767, 32767, 1, 0}));

    const Rvl32f f[] = {-0.0f, -INFINITY, float_from_bits(0xFFA00123u), -2.5f};
    Rvl32f g[4];
    ASSERT_EQ(rvlResOk, rvliAbs_32f_C1R(f, sizeof f, g, sizeof g, {4, 1}));
    EXPECT_EQ(0x00000000u, bits_of(g[0]));
    EXPECT_EQ(0x7F800000u, bits_of(g[1]));
    EXPECT_EQ(0x7FA00123u, bits_of(g[2])) << "a NaN keeps its payload";
    EXPECT_EQ(2.5f, g[3]);
}

// Check order: null pointers, then the ROI size, then the steps. On every
// error the destination keeps every byte.
template <class T, std::size_t N>
void check_validation(const AbsMember<T> (&members)[N]) {
    Rng rng(7);
    for (const auto& m : members) {
        SCOPED_TRACE(m.name);
        TestImage<T> src(4, 2, stored_channels(m.layout)), dst(4, 2, stored_channels(m.layout));
        src.fill(rng, random_value<T>);
        dst.fill(rng, random_value<T>);
        const TestImage<T> before = dst;
        const int s = src.step(), d = dst.step();
        T* p = dst.data();
        const T* q = src.data();
        struct Case {
            RvlResult want, got, gotInPlace;
        };
        const Case cases[] = {
            {rvlResNullPointer, m.notInPlace(nullptr, s, p, d, {0, 2}), m.inPlace(nullptr, d, {0, 2})},
            {rvlResNullPointer, m.notInPlace(q, s, nullptr, 0, {4, 2}), m.inPlace(nullptr, 0, {4, 0})},
            {rvlResBadSize, m.notInPlace(q, 0, p, d, {0, 2}), m.inPlace(p, 0, {0, 2})},
            {rvlResBadSize, m.notInPlace(q, s, p, -1, {4, -3}), m.inPlace(p, -1, {4, 0})},
            {rvlResBadStep, m.notInPlace(q, 0, p, d, {4, 2}), m.inPlace(p, 0, {4, 2})},
            {rvlResBadStep, m.notInPlace(q, s, p, -d, {4, 2}), m.inPlace(p, -d, {4, 2})},
        };
        for (const Case& c : cases) {
            EXPECT_EQ(c.want, c.got);
            EXPECT_EQ(c.want, c.gotInPlace);
        }
        EXPECT_TRUE(same_bytes(dst, before)) << "an error wrote to the destination";
    }
}

TEST(Abs, ChecksPointersThenSizeThenSteps16s) { check_validation(kAbs16s); }
TEST(Abs, ChecksPointersThenSizeThenSteps32f) { check_validation(kAbs32f); }

TEST(Abs, OneByOneRoi) {
    Rvl32f px[4] = {-1.0f, -2.0f, -3.0f, -4.0f};
    ASSERT_EQ(rvlResOk, rvliAbs_32f_AC4IR(px, 16, {1, 1}));
    EXPECT_EQ(1.0f, px[0]);
    EXPECT_EQ(3.0f, px[2]);
    EXPECT_EQ(-4.0f, px[3]) << "alpha is never written";
}

}  // namespace
