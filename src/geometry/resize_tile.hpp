// What every resize worker does before it computes pixels: the checks in
// their order, the tile limited to the specification's destination, and the
// tile's index tables (the specification's entries for the tile's positions
// minus the tile's source offset) in the work buffer.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "frame/border.hpp"
#include "frame/check.hpp"
#include "frame/spec.hpp"
#include "geometry/resize_spec.hpp"
#include "kernels/rounding.hpp"

namespace rvl::resize {

// How many of the tile's first and last rows and columns read replicated
// pixels: those the specification counts as reading outside the source
// (lead, trail) on each side whose in-memory flag is clear, limited to the
// tile; none when the whole border is in memory.
struct Bands {
    std::int64_t top = 0, left = 0, bottom = 0, right = 0;
};

struct Tile {
    const SpecData* spec;
    std::int64_t x, y;              // the tile's first destination pixel
    std::int64_t width, height;     // limited to the destination
    std::int64_t srcX, srcY;        // the tile's source offset
    std::int32_t* cols;             // per tile column: source column relative to srcX
    std::int32_t* rows;             // per tile row: source row relative to srcY
    bool limited;                   // the caller's size reached past the destination
    Bands bands;                    // workers with a border: the replicated bands
    unsigned char* rest;            // the buffer after the index tables (64-byte aligned)
};

// The first source pixel of super-sampling position d: its period's start
// plus the first tap of its place in the period.
inline std::int64_t super_first(const Axis& a, std::int64_t d) {
    return d / a.dstReduced * a.srcReduced + a.index[d % a.dstReduced * a.superTaps];
}

// The source offset of destination position d on an axis: floor(d S'/D'),
// formed in double under round-to-nearest so the queries and the workers
// compute it the same way whatever rounding mode the caller has set between
// their calls; for super-sampling the first pixel the position reads.
inline std::int64_t tile_source_offset(const SpecData* s, const Axis& a, std::int64_t d) {
    if (s->interpolation == rvlInterSuper) return super_first(a, d);
    RoundingScope nearest(Rc::Nearest);
    return static_cast<std::int64_t>(
        std::floor(d * (static_cast<double>(a.srcReduced) / static_cast<double>(a.dstReduced))));
}

// The table a worker needs, by element type and interpolation.
template <class T>
inline bool has_weights(const SpecData* s) {
    if (s->interpolation == rvlInterNearest) return true;
    if (s->interpolation != rvlInterLinear) return s->vx.weights32 && s->vy.weights32;
    if constexpr (sizeof(T) == 1) return s->vx.weightsQ14 && s->vy.weightsQ14;
    else if constexpr (sizeof(T) == 8) return s->vx.weights64 && s->vy.weights64;
    else return s->vx.weights32 && s->vy.weights32;
}

// The antialiasing worker passes this in place of an interpolation: it takes
// any specification with the antialiasing flag, and only those. It checks
// the steps like every other worker (rows must start on an element).
constexpr std::uint32_t kAntialiasingWorker = 0;

// Checks 2-9 of a worker (the linear worker checks its border first);
// fills the tile on success.
template <class T, class Step, class Point, class Size>
RvlResult start_tile(Api api, const T* pSrc, Step srcStep, T* pDst, Step dstStep, Point offset, Size size,
                     const RvlResizeSpec* pSpec, Rvl8u* pBuffer, std::uint32_t interpolation, Tile* tile) {
    if (RvlResult st = null_check(pSrc, pDst, pSpec, pBuffer)) return st;
    if (size.width == 0 || size.height == 0) return rvlResWarnNothingDone;
    const SpecData* s = spec_data(pSpec);
    const bool is64f = sizeof(T) == 8;
    if (!identity_ok(s, api) || (api == Api::Long && (s->type == rvlType64f) != is64f)) return rvlResBadContext;
    if (size.width < 1 || size.height < 1) return rvlResBadSize;
    if (srcStep % static_cast<Step>(sizeof(T)) != 0 || dstStep % static_cast<Step>(sizeof(T)) != 0) return rvlResBadStep;
    if (offset.x < 0 || offset.x >= s->vx.dstLen || offset.y < 0 || offset.y >= s->vy.dstLen) return rvlResOutOfRange;
    if (interpolation == kAntialiasingWorker) {
        if (!s->antialiasing) return rvlResUnsupportedMode;
    } else {
        if (s->antialiasing) return rvlResUnsupportedMode;
        // A specification whose weights are not the ones this element type
        // reads (made for another type) is refused like one of another kind.
        if (s->interpolation != interpolation || !has_weights<T>(s)) return rvlResBadContext;
    }

    Tile& t = *tile;
    t.spec = s;
    t.x = offset.x;
    t.y = offset.y;
    t.width = std::min<std::int64_t>(size.width, s->vx.dstLen - offset.x);
    t.height = std::min<std::int64_t>(size.height, s->vy.dstLen - offset.y);
    t.limited = size.width > s->vx.dstLen || size.height > s->vy.dstLen;
    t.srcX = tile_source_offset(s, s->vx, t.x);
    t.srcY = tile_source_offset(s, s->vy, t.y);
    BufferCarver carve(pBuffer);
    t.rows = carve.take<std::int32_t>(4 * t.height, 32);
    t.cols = carve.take<std::int32_t>(4 * t.width, 32);
    const bool super = s->interpolation == rvlInterSuper;
    for (std::int64_t r = 0; r < t.height; ++r)
        t.rows[r] = static_cast<std::int32_t>((super ? super_first(s->vy, t.y + r) : s->vy.index[t.y + r]) - t.srcY);
    for (std::int64_t c = 0; c < t.width; ++c)
        t.cols[c] = static_cast<std::int32_t>((super ? super_first(s->vx, t.x + c) : s->vx.index[t.x + c]) - t.srcX);
    t.rest = carve.take<unsigned char>(0, 32);
    return rvlResOk;
}

inline Bands band_counts(const Tile& t, const Border& b, bool allInMemory) {
    Bands n;
    if (allInMemory) return n;
    const Axis& vx = t.spec->vx;
    const Axis& vy = t.spec->vy;
    const std::int64_t below = vy.dstLen - t.height - t.y, beside = vx.dstLen - t.width - t.x;
    n.top = !b.inTop && t.y < vy.lead ? std::min<std::int64_t>(t.height, vy.lead - t.y) : 0;
    n.left = !b.inLeft && t.x < vx.lead ? std::min<std::int64_t>(t.width, vx.lead - t.x) : 0;
    n.bottom = !b.inBottom && below < vy.trail ? std::min<std::int64_t>(t.height, vy.trail - below) : 0;
    n.right = !b.inRight && beside < vx.trail ? std::min<std::int64_t>(t.width, vx.trail - beside) : 0;
    return n;
}

// The workers that read around their tile (linear, cubic, Lanczos,
// antialiasing): the border first (replicate with any in-memory flags, or
// everything in memory), then checks 2-9, then the tile's bands.
template <class T, class Step, class Point, class Size>
RvlResult start_border_tile(Api api, RvlBorderMode border, const T* pSrc, Step srcStep, T* pDst, Step dstStep, Point offset,
                            Size size, const RvlResizeSpec* pSpec, Rvl8u* pBuffer, std::uint32_t interpolation, Tile* tile) {
    Border b;
    if (decode_border(border, kResizeKinds, &b)) return rvlResBadBorder;
    if (RvlResult st = start_tile(api, pSrc, srcStep, pDst, dstStep, offset, size, pSpec, pBuffer, interpolation, tile)) return st;
    tile->bands = band_counts(*tile, b, border == rvlBorderInMemory);
    return rvlResOk;
}

inline RvlResult tile_status(const Tile& t) { return t.limited ? rvlResWarnArgumentRange : rvlResOk; }

}  // namespace rvl::resize
