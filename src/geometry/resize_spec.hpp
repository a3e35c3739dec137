// The resize specification: what Init stores and the workers read.
//
// Used from the first 64-byte-aligned address of the caller's block: the
// header (SpecData: identity, interpolation, half-supports, border extent,
// then the vertical and the horizontal axis record), and from byte 192 the
// tables the records point at: the vertical and horizontal index tables, then
// the weight tables of the interpolation, each on a 64-byte boundary.
#pragma once

#include <cstdint>
#include <type_traits>

#include "rvl.h"

namespace rvl::resize {

constexpr std::uint32_t kMagic = 0x4B617389;   // built by the 32-bit API
constexpr std::uint32_t kMagicL = 0x4B61738C;  // built by the _L API
constexpr std::int64_t kMaxLengthL = 0x1FFFFFF;
constexpr std::int64_t kTablesOffset = 192;

struct Axis {
    std::int32_t srcLen, dstLen;
    std::int32_t srcReduced, dstReduced;  // divided by gcd(srcLen, dstLen)
    std::int32_t* index;                  // source index per destination position
    float* weights32;                     // fraction per position (linear 16u/16s/32f)
    double* weights64;                    // fraction per position (linear 64f)
    std::uint16_t* weightsQ14;            // linear 8u: vertical w, horizontal (16384 - w, w)
    void* antialiasing;
    std::int32_t lead, trail;             // positions at the start / end that read outside
};

struct SpecData {
    std::uint32_t magic;
    std::uint32_t type;  // 19 for 64f, 13 otherwise
    std::uint32_t interpolation;
    std::uint32_t halfX, halfY;
    std::uint32_t antialiasing;
    std::uint32_t border[4];  // left, top, right, bottom
    Axis vy, vx;
};
static_assert(sizeof(SpecData) <= kTablesOffset, "tables follow the header");

template <class P>
inline auto* spec_data(P* spec) {
    using S = std::conditional_t<std::is_const_v<P>, const SpecData, SpecData>;
    const auto a = (reinterpret_cast<std::uintptr_t>(spec) + 63) & ~std::uintptr_t{63};
    return reinterpret_cast<S*>(a);
}

// Which API a call belongs to, and for the 64f members the element type the
// specification must carry as well.
enum class Api { Int32, Int32_64f, Long };

inline bool identity_ok(const SpecData* s, Api api) {
    switch (api) {
        case Api::Int32: return s->magic == kMagic;
        case Api::Int32_64f: return s->magic == kMagic && s->type == rvlType64f;
        default: return s->magic == kMagicL;
    }
}

}  // namespace rvl::resize
