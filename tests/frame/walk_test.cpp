// The shared walkers: status rules of rows and pieces, AC4 blocking, the
// 32-bit delegation test of the _L path.
#include <cstdint>
#include <numeric>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "frame/walk.hpp"

namespace {

TEST(Walk, FirstWarningOfTheRowsIsReturnedAfterTheLastRow) {
    const RvlResult statuses[] = {0, 2, 3, 0, 2};
    int visited = 0;
    EXPECT_EQ(2, rvl::for_rows(5, [&](std::int64_t y) { ++visited; return statuses[y]; }));
    EXPECT_EQ(5, visited);
}

TEST(Walk, AnErrorStopsTheRows) {
    const RvlResult statuses[] = {2, -8, 0};
    int visited = 0;
    EXPECT_EQ(-8, rvl::for_rows(3, [&](std::int64_t y) { ++visited; return statuses[y]; }));
    EXPECT_EQ(2, visited);
}

TEST(Walk, PiecesCoverEachRowAndTheLastPieceDecides) {
    std::vector<std::pair<std::int64_t, std::int64_t>> pieces;
    const RvlResult st = rvl::for_row_pieces<4>(2, 10, [&](std::int64_t y, std::int64_t x, std::int64_t n) {
        pieces.push_back({y * 100 + x, n});
        return x == 0 ? RvlResult{2} : RvlResult{0};
    });
    EXPECT_EQ(0, st) << "a warning of an earlier piece does not survive";
    const std::vector<std::pair<std::int64_t, std::int64_t>> want = {{0, 4}, {4, 4}, {8, 2}, {100, 4}, {104, 4}, {108, 2}};
    EXPECT_EQ(want, pieces);

    int calls = 0;
    EXPECT_EQ(-6, rvl::for_row_pieces<4>(3, 10, [&](std::int64_t, std::int64_t x, std::int64_t) {
        ++calls;
        return x == 4 ? RvlResult{-6} : RvlResult{0};
    }));
    EXPECT_EQ(2, calls);
}

TEST(Walk, DelegatesTo32BitOnlyBelowTheLimits) {
    using rvl::fits_32bit;
    EXPECT_TRUE(fits_32bit({1000, 1000}, 8, 8000, 8000));
    EXPECT_TRUE(fits_32bit({1, 1}, 1, 0x7FFFFFFE, -0x7FFFFFFE));
    EXPECT_FALSE(fits_32bit({1, 1}, 1, 0x7FFFFFFF, 64));
    EXPECT_FALSE(fits_32bit({1, 1}, 1, 64, -0x7FFFFFFF));
    EXPECT_TRUE(fits_32bit({0x7FFFFFFE, 1}, 1, 64));
    EXPECT_FALSE(fits_32bit({0x7FFFFFFF, 1}, 1, 64));
    EXPECT_FALSE(fits_32bit({0x40000000, 1}, 2, 64));
    EXPECT_FALSE(fits_32bit({INT64_C(1) << 40, INT64_C(1) << 40}, 8, 64)) << "overflowing products never fit";
}

// AC4 rows go through the operation in blocks of at most 256 pixels.
TEST(Walk, Ac4RowsAreProcessedInBlocksOf256Pixels) {
    const int width = 300;
    std::vector<float> src(4 * width), dst(4 * width, -7.0f);
    std::iota(src.begin(), src.end(), 0.0f);
    std::vector<std::size_t> calls;
    auto negate = [&](const float* s, float* d, std::size_t n) {
        calls.push_back(n);
        for (std::size_t i = 0; i < n; ++i) d[i] = -s[i];
    };
    EXPECT_EQ(0, rvl::map_image<rvlChannelsAC4>(src.data(), 0, dst.data(), 0, width, 1, negate));
    EXPECT_EQ((std::vector<std::size_t>{1024, 176}), calls);
    for (int x = 0; x < width; ++x) {
        for (int c = 0; c < 3; ++c) ASSERT_EQ(-src[4 * x + c], dst[4 * x + c]);
        ASSERT_EQ(-7.0f, dst[4 * x + 3]);
    }
}

}  // namespace
