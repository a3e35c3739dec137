// Border copies: every member (R, IR, R_L, IR_L) against a plain reference
// of the pixel maps over random source sizes from 1x1 and borders up to
// three times the image; guard bytes; AC4 alpha untouched; check order.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "rvl.h"
#include "support/image.hpp"
#include "support/values.hpp"

using namespace rvltest;

namespace {

enum class Kind { Constant, Replicate, Mirror, Wrap };

// The reference maps, written as the definitions read: clamping, reflecting
// back and forth about the edge pixels, and repeating.
long long ref_map(Kind kind, long long k, long long n) {
    switch (kind) {
        case Kind::Replicate: return k < 0 ? 0 : k >= n ? n - 1 : k;
        case Kind::Mirror:
            if (n == 1) return 0;
            while (k < 0 || k >= n) k = k < 0 ? -k : 2 * (n - 1) - k;
            return k;
        default: return ((k % n) + n) % n;
    }
}

template <class T>
using Call = std::function<RvlResult(T* src, std::int64_t srcStep, RvlSizeL srcRoi, T* dst, std::int64_t dstStep,
                                     RvlSizeL dstRoi, std::int64_t top, std::int64_t left, const T* value)>;

template <class T>
struct Member {
    std::string name;
    Kind kind;
    int stored, written;
    bool inPlace;
    Call<T> call;
};

template <class T>
void check_member(const Member<T>& m, Rng& rng, int rounds) {
    const int C = m.stored;
    for (int round = 0; round < rounds; ++round) {
        const int w = 1 + int(rng() % (round < 4 ? 3 : 40)), h = 1 + int(rng() % (round < 4 ? 3 : 30));
        const int left = int(rng() % (3 * w + 1)), top = int(rng() % (3 * h + 1));
        const int right = int(rng() % (3 * w + 1)), bottom = int(rng() % (3 * h + 1));
        const int dw = left + w + right, dh = top + h + bottom;
        SCOPED_TRACE(m.name + " src " + std::to_string(w) + "x" + std::to_string(h) + " borders l" + std::to_string(left) +
                     " t" + std::to_string(top) + " r" + std::to_string(right) + " b" + std::to_string(bottom));
        TestImage<T> src(w, h, C, int(rng() % 3), 1), dst(dw, dh, C, int(rng() % 3), 2);
        src.fill(rng, random_value<T>);
        dst.fill(rng, random_value<T>);
        T value[4];
        for (auto& v : value) v = random_value<T>(rng);
        if (m.inPlace)  // the source already sits inside the destination
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    for (int c = 0; c < C; ++c) dst.set(left + x, top + y, c, src.at(x, y, c));
        TestImage<T> want = dst;
        for (int y = 0; y < dh; ++y)
            for (int x = 0; x < dw; ++x) {
                const long long j = x - left, i = y - top;
                const bool inside = j >= 0 && j < w && i >= 0 && i < h;
                for (int c = 0; c < m.written; ++c) {
                    if (m.kind == Kind::Constant && !inside)
                        want.set(x, y, c, value[c]);
                    else
                        want.set(x, y, c, src.at(int(ref_map(m.kind, j, w)), int(ref_map(m.kind, i, h)), c));
                }
            }
        T* interior = reinterpret_cast<T*>(reinterpret_cast<unsigned char*>(dst.data()) + std::int64_t(top) * dst.step() +
                                           std::int64_t(left) * C * sizeof(T));
        const RvlResult st = m.inPlace ? m.call(interior, dst.step(), {w, h}, nullptr, 0, {dw, dh}, top, left, value)
                                       : m.call(src.data(), src.step(), {w, h}, dst.data(), dst.step(), {dw, dh}, top, left, value);
        ASSERT_EQ(rvlResOk, st);
        ASSERT_TRUE(same_bytes(dst, want));
    }
}

// Adapters to one calling shape. In-place members get the interior pointer
// as `src`.
#define RVLTEST_V_C1 value[0]
#define RVLTEST_V_C3 value
#define RVLTEST_V_C4 value
#define RVLTEST_V_AC4 value
#define RVLTEST_R(fn, lay, ...)                                                                                       \
    [](auto s, std::int64_t ss, RvlSizeL sr, auto d, std::int64_t ds, RvlSizeL dr, std::int64_t t, std::int64_t l,   \
       [[maybe_unused]] auto value) {                                                                                \
        return fn(s, int(ss), RvlSize{int(sr.width), int(sr.height)}, d, int(ds), RvlSize{int(dr.width), int(dr.height)}, \
                  int(t), int(l) __VA_ARGS__);                                                                       \
    }
#define RVLTEST_RL(fn, lay, ...)                                                                                       \
    [](auto s, std::int64_t ss, RvlSizeL sr, auto d, std::int64_t ds, RvlSizeL dr, std::int64_t t, std::int64_t l,    \
       [[maybe_unused]] auto value) { return fn(s, ss, sr, d, ds, dr, t, l __VA_ARGS__); }
#define RVLTEST_IR(fn, lay, ...)                                                                                      \
    [](auto s, std::int64_t ss, RvlSizeL sr, auto, std::int64_t, RvlSizeL dr, std::int64_t t, std::int64_t l,        \
       [[maybe_unused]] auto value) {                                                                                \
        return fn(s, int(ss), RvlSize{int(sr.width), int(sr.height)}, RvlSize{int(dr.width), int(dr.height)}, int(t), \
                  int(l) __VA_ARGS__);                                                                               \
    }
#define RVLTEST_IRL(fn, lay, ...)                                                                                      \
    [](auto s, std::int64_t ss, RvlSizeL sr, auto, std::int64_t, RvlSizeL dr, std::int64_t t, std::int64_t l,         \
       [[maybe_unused]] auto value) { return fn(s, ss, sr, dr, t, l __VA_ARGS__); }

#define RVLTEST_EXTEND(fam, kind, t, lay, st, wr)                                                                     \
    Member<T>{#fam "_" #t "_" #lay "R", kind, st, wr, false, RVLTEST_R(rvliCopy##fam##Border_##t##_##lay##R, lay)},       \
        Member<T>{#fam "_" #t "_" #lay "IR", kind, st, wr, true, RVLTEST_IR(rvliCopy##fam##Border_##t##_##lay##IR, lay)}, \
        Member<T>{#fam "_" #t "_" #lay "R_L", kind, st, wr, false, RVLTEST_RL(rvliCopy##fam##Border_##t##_##lay##R_L, lay)}, \
        Member<T>{#fam "_" #t "_" #lay "IR_L", kind, st, wr, true, RVLTEST_IRL(rvliCopy##fam##Border_##t##_##lay##IR_L, lay)}
#define RVLTEST_CONST(t, lay, st, wr)                                                                                  \
    Member<T>{"Const_" #t "_" #lay "R", Kind::Constant, st, wr, false,                                                 \
              RVLTEST_R(rvliCopyConstBorder_##t##_##lay##R, lay, , RVLTEST_V_##lay)},                                  \
        Member<T>{"Const_" #t "_" #lay "R_L", Kind::Constant, st, wr, false,                                           \
                  RVLTEST_RL(rvliCopyConstBorder_##t##_##lay##R_L, lay, , RVLTEST_V_##lay)},                           \
        Member<T>{"Const_" #t "_" #lay "IR_L", Kind::Constant, st, wr, true,                                           \
                  RVLTEST_IRL(rvliCopyConstBorder_##t##_##lay##IR_L, lay, , RVLTEST_V_##lay)}
#define RVLTEST_TYPE(t)                                                                                                \
    RVLTEST_CONST(t, C1, 1, 1), RVLTEST_CONST(t, C3, 3, 3), RVLTEST_CONST(t, C4, 4, 4), RVLTEST_CONST(t, AC4, 4, 3),   \
        RVLTEST_EXTEND(Replicate, Kind::Replicate, t, C1, 1, 1), RVLTEST_EXTEND(Replicate, Kind::Replicate, t, C3, 3, 3), \
        RVLTEST_EXTEND(Replicate, Kind::Replicate, t, C4, 4, 4), RVLTEST_EXTEND(Replicate, Kind::Replicate, t, AC4, 4, 3), \
        RVLTEST_EXTEND(Mirror, Kind::Mirror, t, C1, 1, 1), RVLTEST_EXTEND(Mirror, Kind::Mirror, t, C3, 3, 3),            \
        RVLTEST_EXTEND(Mirror, Kind::Mirror, t, C4, 4, 4)

template <class T>
void check_all(const std::vector<Member<T>>& members, int rounds) {
    Rng rng(99);
    for (const auto& m : members) check_member(m, rng, rounds);
}

TEST(CopyBorder, EightBitMembers) {
    using T = Rvl8u;
    check_all<T>({RVLTEST_TYPE(8u)}, 24);
}
TEST(CopyBorder, SixteenBitMembers) {
    {
        using T = Rvl16u;
        check_all<T>({RVLTEST_TYPE(16u)}, 8);
    }
    using T = Rvl16s;
    check_all<T>({RVLTEST_TYPE(16s)}, 8);
}
TEST(CopyBorder, ThirtyTwoBitMembers) {
    {
        using T = Rvl32s;
        check_all<T>({RVLTEST_TYPE(32s), RVLTEST_EXTEND(Wrap, Kind::Wrap, 32s, C1, 1, 1)}, 12);
    }
    using T = Rvl32f;
    check_all<T>({RVLTEST_TYPE(32f), RVLTEST_EXTEND(Wrap, Kind::Wrap, 32f, C1, 1, 1)}, 12);
}

TEST(CopyBorder, MirrorOfTwoPixelsAndWideWrap) {
    const Rvl8u ab[2] = {1, 2};
    Rvl8u row[10];
    ASSERT_EQ(rvlResOk, rvliCopyMirrorBorder_8u_C1R(ab, 2, {2, 1}, row, 10, {10, 1}, 0, 4));
    EXPECT_EQ((std::vector<Rvl8u>{1, 2, 1, 2, 1, 2, 1, 2, 1, 2}), std::vector<Rvl8u>(row, row + 10));
    const Rvl32s abc[3] = {7, 8, 9};
    Rvl32s wrapped[9];
    ASSERT_EQ(rvlResOk, rvliCopyWrapBorder_32s_C1R(abc, 12, {3, 1}, wrapped, 36, {9, 1}, 0, 6));
    EXPECT_EQ((std::vector<Rvl32s>{7, 8, 9, 7, 8, 9, 7, 8, 9}), std::vector<Rvl32s>(wrapped, wrapped + 9));
}

// Checks: pointers, steps, sizes and borders, then the constant array; and
// the same pointer as source and destination is refused.
TEST(CopyBorder, CheckOrder) {
    Rvl8u src[16] = {}, dst[64];
    std::fill(dst, dst + 64, Rvl8u(5));
    const Rvl8u v3[3] = {1, 2, 3};
    EXPECT_EQ(rvlResNullPointer, rvliCopyReplicateBorder_8u_C1R(nullptr, 0, {0, 0}, dst, 8, {8, 8}, 0, 0));
    EXPECT_EQ(rvlResBadStep, rvliCopyReplicateBorder_8u_C1R(src, 0, {0, 0}, dst, 8, {8, 8}, 0, 0));
    EXPECT_EQ(rvlResBadSize, rvliCopyReplicateBorder_8u_C1R(src, 4, {0, 4}, dst, 8, {8, 8}, 0, 0));
    EXPECT_EQ(rvlResBadSize, rvliCopyMirrorBorder_8u_C1R(src, 4, {4, 4}, dst, 8, {8, 8}, 0, 5));
    EXPECT_EQ(rvlResBadSize, rvliCopyMirrorBorder_8u_C1R(src, 4, {4, 4}, dst, 8, {8, 8}, -1, 0));
    EXPECT_EQ(rvlResBadSize, rvliCopyConstBorder_8u_C3R(src, 12, {1, 1}, dst, 24, {2, 2}, 2, 0, nullptr));
    EXPECT_EQ(rvlResNullPointer, rvliCopyConstBorder_8u_C3R(src, 12, {1, 1}, dst, 24, {2, 2}, 1, 1, nullptr));
    EXPECT_EQ(rvlResNullPointer, rvliCopyConstBorder_8u_AC4IR_L(dst + 36, 32, RvlSizeL{1, 1}, RvlSizeL{2, 2}, 1, 1, nullptr));
    EXPECT_EQ(rvlResBadStep, rvliCopyWrapBorder_32s_C1IR(reinterpret_cast<Rvl32s*>(dst), 0, {1, 1}, {1, 1}, 0, 0));
    EXPECT_EQ(rvlResUnsupportedMode, rvliCopyReplicateBorder_8u_C1R(dst, 8, {4, 4}, dst, 8, {8, 8}, 0, 0));
    for (Rvl8u v : dst) ASSERT_EQ(5, v) << "an error wrote to the destination";
    EXPECT_EQ(rvlResOk, rvliCopyConstBorder_8u_C3R(src, 12, {1, 1}, dst, 24, {2, 2}, 1, 1, v3));
}

}  // namespace
