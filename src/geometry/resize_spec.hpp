// The resize specification: what Init stores and the workers read.
//
// Used from the first 64-byte-aligned address of the caller's block: the
// header (SpecData: identity, interpolation, half-supports, border extent,
// then the vertical and the horizontal axis record), and from byte 192 the
// tables the records point at: the vertical and horizontal index tables, then
// the weight tables of the interpolation.
//
// What an axis record's tables hold, by interpolation:
// - nearest, linear: one source index per destination position, and for
//   linear the fraction (f32, f64 or Q14).
// - cubic, Lanczos, antialiasing: one source index i per destination
//   position and 2h f32 weights per position for the taps i-h+1 .. i+h (h the
//   axis's half-support); the antialiasing linear kind without reduction on
//   the axis also keeps the plain fraction per position (`antialiasing`).
// - super-sampling: one period of D' = D/g positions (g = gcd(S, D)), each
//   with n taps: a source index relative to the period start (`index`) and a
//   weight (`weights32`), n = superTaps.
#pragma once

#include <cstdint>
#include <numeric>
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
    std::int32_t superTaps;               // super-sampling: taps per period position
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

// The mapped source position of destination position d for the filtering
// kinds: x = (d + 0.5) s - 0.5 with s the reduced ratio, in double.
inline double mapped_position(const Axis& a, std::int64_t d) {
    const double s = static_cast<double>(a.srcReduced) / static_cast<double>(a.dstReduced);
    return (d + 0.5) * s - 0.5;
}

// n rounded up to a multiple of 32: the sizes count tables and rows in
// such units.
inline std::int64_t w32(std::int64_t n) { return (n + 31) & ~std::int64_t{31}; }

// Super-sampling taps per period position for reduced lengths S' and D':
// floor(S'/D') plus 0, 1 or 2 as S' mod D' is 0, 1 or more.
inline std::int64_t super_tap_count(std::int64_t S, std::int64_t D) {
    const std::int64_t rest = S % D;
    return S / D + (rest == 0 ? 0 : rest == 1 ? 1 : 2);
}

// Entries of one super-sampling period table of an axis.
inline std::int64_t super_table_length(std::int64_t src, std::int64_t dst) {
    const std::int64_t g = std::gcd(src, dst);
    return dst / g * super_tap_count(src / g, dst / g);
}

// Fills the lengths of an axis record and its index table. half = 0 maps as
// nearest does (trunc((d + 0.5) S/D - 1e-10): exact halves go to the lower
// index); otherwise index = floor(x) of the mapped position, and lead/trail
// count the positions whose taps i-h+1 .. i+h reach before the first or
// past the last source pixel (x < h - 1, x >= S - h). The caller runs under
// round-to-nearest.
void build_axis(Axis& a, std::int64_t src, std::int64_t dst, std::int64_t half, std::int32_t* index);

}  // namespace rvl::resize
