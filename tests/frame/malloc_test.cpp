// Image allocation: steps, limits, alignment and release for all 70 members;
// the version record.
#include <cstdint>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "rvl.h"

namespace {

struct AllocMember {
    const char* name;
    int pixelBytes;  // element size x channels held in memory (AC4 holds 4)
    void* (*alloc)(int, int, int*);
    void* (*allocL)(std::int64_t, std::int64_t, std::int64_t*);
};

#define RVLTEST_ALLOC(type, layout, bytes)                                                                    \
    {#type "_" #layout, bytes,                                                                                \
     [](int w, int h, int* s) -> void* { return rvliMalloc_##type##_##layout(w, h, s); },                    \
     [](std::int64_t w, std::int64_t h, std::int64_t* s) -> void* { return rvliMalloc_##type##_##layout##_L(w, h, s); }}
#define RVLTEST_ALLOC_TYPE(type, elem)                                                                        \
    RVLTEST_ALLOC(type, C1, elem), RVLTEST_ALLOC(type, C2, 2 * elem), RVLTEST_ALLOC(type, C3, 3 * elem),     \
        RVLTEST_ALLOC(type, C4, 4 * elem), RVLTEST_ALLOC(type, AC4, 4 * elem)

const AllocMember kMembers[] = {
    RVLTEST_ALLOC_TYPE(8u, 1),  RVLTEST_ALLOC_TYPE(16u, 2), RVLTEST_ALLOC_TYPE(16s, 2),  RVLTEST_ALLOC_TYPE(32s, 4),
    RVLTEST_ALLOC_TYPE(32f, 4), RVLTEST_ALLOC_TYPE(32sc, 8), RVLTEST_ALLOC_TYPE(32fc, 8),
};

std::int64_t round_up_64(std::int64_t v) { return (v + 63) / 64 * 64; }

TEST(Malloc, StepIsRowRoundedTo64AndBlockIsUsable) {
    for (const auto& m : kMembers) {
        for (int width : {1, 2, 3, 15, 16, 17, 63, 64, 65, 1000}) {
            SCOPED_TRACE(std::string(m.name) + " width " + std::to_string(width));
            const int height = 3;
            const std::int64_t want = round_up_64(std::int64_t{width} * m.pixelBytes);
            int step = -1;
            void* p = m.alloc(width, height, &step);
            ASSERT_NE(nullptr, p);
            EXPECT_EQ(want, step);
            EXPECT_EQ(0u, reinterpret_cast<std::uintptr_t>(p) % 64) << "rows are 64-byte aligned";
            std::memset(p, 0xA5, std::size_t(step) * height);  // the whole block is ours
            rvliFree(p);

            std::int64_t stepL = -1;
            void* q = m.allocL(width, height, &stepL);
            ASSERT_NE(nullptr, q);
            EXPECT_EQ(want, stepL);
            EXPECT_EQ(0u, reinterpret_cast<std::uintptr_t>(q) % 64);
            std::memset(q, 0x5A, std::size_t(stepL) * height);
            rvliFree(q);
        }
    }
}

TEST(Malloc, InvalidSizesGiveNullAndZeroStep) {
    for (const auto& m : kMembers) {
        SCOPED_TRACE(m.name);
        for (auto [w, h] : {std::pair{0, 10}, {10, 0}, {10, -1}, {-5, 5}, {INT32_MIN, 1}}) {
            int step = 77;
            EXPECT_EQ(nullptr, m.alloc(w, h, &step));
            EXPECT_EQ(0, step);
            std::int64_t stepL = 77;
            EXPECT_EQ(nullptr, m.allocL(w, h, &stepL));
            EXPECT_EQ(0, stepL);
        }
        EXPECT_EQ(nullptr, m.alloc(10, 10, nullptr));
        EXPECT_EQ(nullptr, m.allocL(10, 10, nullptr));
    }
}

TEST(Malloc, SmallestImages) {
    int step = 0;
    Rvl8u* p = rvliMalloc_8u_C1(1, 1, &step);
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(64, step);
    rvliFree(p);
    rvliFree(rvliMalloc_8u_C1(64, 2, &step));
    EXPECT_EQ(64, step);
    rvliFree(rvliMalloc_8u_C1(65, 2, &step));
    EXPECT_EQ(128, step);
    rvliFree(rvliMalloc_32fc_C3(3, 1, &step));  // a 72-byte row
    EXPECT_EQ(128, step);
    rvliFree(nullptr);  // accepted
}

TEST(Malloc, RowTooLargeFor32BitsGivesZeroStep) {
    int step = 1;
    EXPECT_EQ(nullptr, rvliMalloc_32f_C4(0x08000000, 1, &step));  // row of 0x80000000 bytes
    EXPECT_EQ(0, step);
    // A row of 0x7FFFFFF0 bytes fits, but its step 0x80000000 reads back as a
    // negative int32 and the total is rejected.
    EXPECT_EQ(nullptr, rvliMalloc_8u_C1(0x7FFFFFF0, 1, &step));
    EXPECT_EQ(INT32_MIN, step);
}

TEST(Malloc, TotalTooLargeKeepsTheStep) {
    int step = 0;
    EXPECT_EQ(nullptr, rvliMalloc_8u_C1(0x10000, 0x10000, &step));  // 4 GiB
    EXPECT_EQ(65536, step);
    EXPECT_EQ(nullptr, rvliMalloc_8u_C1(0x10000, 0x8000, &step));  // exactly 2 GiB
    EXPECT_EQ(65536, step);

    std::int64_t stepL = 0;
    EXPECT_EQ(nullptr, rvliMalloc_8u_C1_L(INT64_C(1) << 40, INT64_C(1) << 30, &stepL));  // 2^70 bytes
    EXPECT_EQ(INT64_C(1) << 40, stepL);
}

TEST(Malloc, LargeFormsRejectUnrepresentableRows) {
    std::int64_t step = 1;
    EXPECT_EQ(nullptr, rvliMalloc_32fc_C4_L(INT64_C(1) << 59, 1, &step));  // row overflows 64 bits
    EXPECT_EQ(0, step);
    step = 1;
    EXPECT_EQ(nullptr, rvliMalloc_8u_C1_L(INT64_MAX - 10, 1, &step));  // rounding the step overflows
    EXPECT_EQ(0, step);
}

#ifndef RVL_TEST_SANITIZED
TEST(Malloc, LargeFormAllocatesBeyond32Bits) {
    std::int64_t step = 0;
    Rvl8u* p = rvliMalloc_8u_C1_L(0x10000, 0x10000, &step);
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(65536, step);
    p[0] = 1;
    p[(INT64_C(1) << 32) - 1] = 2;  // the last byte of the block
    rvliFree(p);
}
#endif

TEST(Version, RecordIsStaticAndComplete) {
    const RvlLibVersion* v = rvliGetLibVersion();
    ASSERT_NE(nullptr, v);
    EXPECT_EQ(v, rvliGetLibVersion());
    EXPECT_EQ(2018, v->versionMajor);
    EXPECT_EQ(0, v->versionMinor);
    EXPECT_EQ(0, v->buildMajor);
    EXPECT_EQ(56444, v->buildNumber);
    EXPECT_EQ(0, std::memcmp(v->cpuCode, "q5\0\0", 4));
    EXPECT_STREQ("rvlIP Wren (q5)", v->libraryName);
    EXPECT_STREQ("2018.0.0 (r56444)", v->versionText);
    EXPECT_STREQ("Jul 24 2017", v->buildDate);
}

}  // namespace
