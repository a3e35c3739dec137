// The shared border model: which border values each family accepts, and the
// effective image of the in-memory flags.
#include <gtest/gtest.h>

#include "frame/border.hpp"

namespace {

using namespace rvl;

bool accepts(unsigned value, unsigned kinds) {
    Border b;
    return decode_border(static_cast<RvlBorderMode>(value), kinds, &b) == rvlResOk;
}

TEST(Border, AcceptedValues) {
    for (unsigned value = 0; value < 0x200; ++value) {
        const unsigned kind = value & 15;
        const bool valid = value <= 0xFF && (kind == 0 ? value == 0xF0 : (kind == 1 || kind == 3 || kind == 6));
        EXPECT_EQ(valid, accepts(value, kFilterKinds)) << std::hex << value;
        const bool warp = value <= 0xFF && (kind == 0 ? value == 0xF0 : (kind == 1 || kind == 6 || kind == 7));
        EXPECT_EQ(warp, accepts(value, kWarpKinds)) << std::hex << value;
    }
    EXPECT_TRUE(accepts(0x21, kResizeKinds));
    EXPECT_FALSE(accepts(0x23, kResizeKinds));
    EXPECT_FALSE(accepts(0xF2, kFilterKinds));
    EXPECT_TRUE(accepts(0xF6, kReplicateConstantKinds));
    EXPECT_FALSE(accepts(0xFFFFFFF1u, kFilterKinds)) << "values above 255";
}

TEST(Border, FlagsExtendTheEffectiveImage) {
    Border b;
    ASSERT_EQ(rvlResOk, decode_border(static_cast<RvlBorderMode>(0x21 | 0x40), kFilterKinds, &b));
    EXPECT_EQ(1u, b.kind);
    EXPECT_TRUE(b.inBottom && b.inLeft && !b.inTop && !b.inRight);
    const Reach r{2, 3, 4, 5};  // left, right, top, bottom
    const Area a = effective_image(10, 20, r, b);
    EXPECT_EQ(-2, a.x);
    EXPECT_EQ(0, a.y);
    EXPECT_EQ(12, a.width);
    EXPECT_EQ(25, a.height);
}

}  // namespace

namespace {

// The stepper walks the same values as the maps, from any start.
TEST(Border, StepperFollowsTheMaps) {
    for (std::int64_t n : {1, 2, 3, 5})
        for (std::int64_t start : {-23, -8, -1, 0, 1, 4, 9}) {
            rvl::MapStepper<rvl::Extend::Mirror> m(start, n);
            rvl::MapStepper<rvl::Extend::Wrap> w(start, n);
            rvl::MapStepper<rvl::Extend::Replicate> r(start, n);
            for (std::int64_t j = start; j < start + 40; ++j, m.next(), w.next(), r.next()) {
                ASSERT_EQ(rvl::map_mirror(j, n), m.value()) << "n " << n << " j " << j;
                ASSERT_EQ(rvl::map_wrap(j, n), w.value());
                ASSERT_EQ(rvl::map_replicate(j, n), r.value());
            }
        }
}

}  // namespace
