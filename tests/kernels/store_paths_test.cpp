// Cache-bypassing stores write exactly what ordinary stores write: the
// element-wise kernel, the block kernels, copies and fills, at every
// destination alignment and length. (Through the exported functions the
// streamed path is taken only for outputs larger than the largest cache.)
#include <cstdint>
#include <numeric>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "kernels/block_row.hpp"
#include "kernels/convert.hpp"
#include "kernels/copy.hpp"
#include "kernels/map.hpp"

namespace {

using rvl::Store;
using Cached = std::integral_constant<Store, Store::Cached>;
using Streamed = std::integral_constant<Store, Store::NonTemporal>;

struct Increment {
    std::int32_t operator()(std::int32_t x) const { return x + 1; }
    rvl::vec::i32 operator()(rvl::vec::i32 x) const { return x + 1; }
};

// write(storeTag, dst, n) must give the same row with both tags.
template <class D, class Write>
void expect_same_rows(Write write) {
    for (int shift = 0; shift < 8; ++shift)
        for (std::size_t n : {1, 3, 15, 16, 17, 47, 48, 64, 200, 299}) {
            std::vector<D> a(400, D(7)), b(400, D(7));
            write(Cached{}, a.data() + shift, n);
            write(Streamed{}, b.data() + shift, n);
            ASSERT_EQ(a, b) << "shift " << shift << " length " << n;
        }
}

TEST(StorePaths, ElementWiseKernel) {
    std::vector<std::int32_t> src(400);
    std::iota(src.begin(), src.end(), -100);
    expect_same_rows<std::int32_t>([&](auto tag, std::int32_t* d, std::size_t n) {
        rvl::map_row<decltype(tag)::value>(src.data(), d, n, Increment{});
    });
}

TEST(StorePaths, BlockKernel) {
    std::vector<float> src(400);
    for (std::size_t i = 0; i < src.size(); ++i) src[i] = float(i) * 1.7f - 300.0f;
    expect_same_rows<std::uint8_t>([&](auto tag, std::uint8_t* d, std::size_t n) {
        rvl::block_row<decltype(tag)::value>(src.data(), d, n, rvl::FloatToIntOp<std::uint8_t, rvl::Round::NearestEven>{});
    });
}

TEST(StorePaths, CopiesAndFills) {
    std::vector<std::uint16_t> src(400);
    std::iota(src.begin(), src.end(), 1000);
    expect_same_rows<std::uint16_t>([&](auto tag, std::uint16_t* d, std::size_t n) {
        rvl::CopyKernel<decltype(tag)::value>{}(src.data(), d, n);
    });
    const std::uint16_t v[3] = {11, 22, 33};
    expect_same_rows<std::uint16_t>([&](auto tag, std::uint16_t* d, std::size_t n) {
        const rvl::FillKernel<decltype(tag)::value, std::uint16_t, 3> fill(v);
        fill(d, n - n % 3);
    });
}

}  // namespace
