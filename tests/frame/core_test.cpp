// The core library: aligned blocks and the cache-size query.
#include <cstdint>
#include <cstring>

#include <gtest/gtest.h>

#include "rvl/rvl_core.h"

namespace {

TEST(Core, BlocksAre64ByteAlignedAndWritable) {
    for (int length : {1, 63, 64, 65, 4096, 1000003}) {
        void* p = rvlMalloc(length);
        ASSERT_NE(nullptr, p);
        EXPECT_EQ(0u, reinterpret_cast<std::uintptr_t>(p) % 64);
        std::memset(p, 0x11, std::size_t(length));
        rvlFree(p);
        void* q = rvlMalloc_L(length);
        ASSERT_NE(nullptr, q);
        EXPECT_EQ(0u, reinterpret_cast<std::uintptr_t>(q) % 64);
        std::memset(q, 0x22, std::size_t(length));
        rvlFree(q);
    }
    rvlFree(nullptr);
}

TEST(Core, ImpossibleRequestsGiveNull) {
    EXPECT_EQ(nullptr, rvlMalloc(0));
    EXPECT_EQ(nullptr, rvlMalloc(-1));
    EXPECT_EQ(nullptr, rvlMalloc_L(-1));
}

TEST(Core, ReportsThisMachinesLargestCache) {
    int size = 0;
    ASSERT_EQ(0, rvlGetMaxCacheSizeB(&size));
    // Every x86-64 processor has at least a 256 KiB cache somewhere.
    EXPECT_GE(size, 256 * 1024);
    EXPECT_NE(0, rvlGetMaxCacheSizeB(nullptr));
}

}  // namespace
