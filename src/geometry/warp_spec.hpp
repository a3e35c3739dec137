// The warp specification: what an Init stores and the workers read.
//
// Used from the first 64-byte-aligned address of the caller's block: the
// header (WarpData), then from byte 256 the row tables. A row table holds,
// for each destination row crossed by a quadrangle (limited to the
// destination), the first and last destination column inside it; the first
// table is for the destination quadrangle Q of the source's pixel-centre
// rectangle, the second (constant border only) for the source rectangle
// widened by half a pixel (nearest), one (linear) or two (cubic). An integer
// translation with nearest or linear keeps no tables: its quadrangles are
// rectangles, whose column ranges are the same on every row.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <type_traits>

#include "frame/spec.hpp"
#include "geometry/warp_quad.hpp"
#include "rvl.h"

namespace rvl::warp {

constexpr std::uint32_t kMagic = 0x4B617394;   // built by the 32-bit API
constexpr std::uint32_t kMagicL = 0x4B617395;  // built by the _L API
constexpr std::int64_t kMaxLength = 0x1FFFFFF;
constexpr std::int64_t kTablesOffset = 256;
constexpr std::int64_t kSpecBase = 336;        // header and alignment slack
constexpr std::int64_t kTranslationSpec = 416; // an integer translation: no tables
constexpr std::int64_t kInitBuffer = 64;

enum class Transform : std::int32_t { Affine = 0 };

struct ColumnRange {
    std::int32_t first, last;  // empty when first > last
};

// One quadrangle's rows: rows [firstRow, firstRow + rowCount) of the
// destination, each with a column range (from `table`, or `fixed` on every
// row when `table` is null).
struct RowTable {
    std::int64_t firstRow, rowCount;
    ColumnRange fixed;
    std::int32_t tableOffset;  // bytes from the header; 0: none

    ColumnRange at(const void* header, std::int64_t y) const {
        if (y < firstRow || y >= firstRow + rowCount) return {1, 0};
        if (!tableOffset) return fixed;
        return reinterpret_cast<const ColumnRange*>(static_cast<const char*>(header) + tableOffset)[y - firstRow];
    }
};

struct WarpData {
    std::uint32_t magic;
    Transform kind;
    std::int64_t srcW, srcH, dstW, dstH;
    std::int32_t interpolation, type, channels, border;
    std::int32_t smoothEdge;
    RvlResult status;  // rvlResWarnQuadOutside, or 0
    double borderValue[4];
    double b[2][3];    // backward: destination to source
    double B, C;       // cubic
    RowTable inside;   // Q
    RowTable widened;  // constant border: the widened source rectangle
};
static_assert(sizeof(WarpData) <= kTablesOffset, "tables follow the header");
static_assert(kTablesOffset + 63 <= kSpecBase, "the base size holds the header at any alignment");

template <class P>
inline auto* warp_data(P* spec) {
    using S = std::conditional_t<std::is_const_v<P>, const WarpData, WarpData>;
    return align64<S>(spec);
}

// Source taps an interpolation reaches around the source rectangle's
// pixel centres, for the constant border's widened rectangle.
inline double widening(int interpolation) {
    return interpolation == rvlInterNearest ? 0.5 : interpolation == rvlInterLinear ? 1.0 : 2.0;
}

// The quadrangle of the source rectangle widened by e, under the forward
// matrix.
inline void source_quad(const double fwd[2][3], std::int64_t srcW, std::int64_t srcH, double e, Point2 q[4]) {
    Point2 c[4];
    rect_corners(-e, -e, static_cast<double>(srcW) + 2 * e, static_cast<double>(srcH) + 2 * e, c);
    for (int k = 0; k < 4; ++k) q[k] = affine_map(fwd, c[k]);
}

// A double clamped to [lo, hi] before it becomes an integer (NaN gives lo).
inline std::int64_t clamp_to(double v, std::int64_t lo, std::int64_t hi) {
    if (!(v >= static_cast<double>(lo))) return lo;
    if (!(v <= static_cast<double>(hi))) return hi;
    return static_cast<std::int64_t>(v);
}

// The rows of a convex quadrangle within a destination of w x h: from
// ceil(ymin) to floor(ymax), limited to the destination, and further to the
// rows whose span [left, right] meets the columns [0, w - 1].
struct QuadRows {
    const Point2* q;
    std::int64_t w, h;

    // The span of the quadrangle on row y; false when the row misses it.
    bool span(double y, double* left, double* right) const {
        double lo = HUGE_VAL, hi = -HUGE_VAL;
        for (int k = 0; k < 4; ++k) {
            const Point2 a = q[k], b = q[(k + 1) % 4];
            if (a.y == b.y) {
                if (y == a.y) lo = std::min({lo, a.x, b.x}), hi = std::max({hi, a.x, b.x});
            } else if (y >= std::min(a.y, b.y) && y <= std::max(a.y, b.y)) {
                const double x = a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y);
                lo = std::min(lo, x), hi = std::max(hi, x);
            }
        }
        *left = lo, *right = hi;
        return lo <= hi && hi >= 0 && lo <= static_cast<double>(w - 1);
    }

    // First row and count (0 when none).
    void rows(std::int64_t* first, std::int64_t* count) const {
        double ymin = HUGE_VAL, ymax = -HUGE_VAL;
        for (int k = 0; k < 4; ++k) ymin = std::min(ymin, q[k].y), ymax = std::max(ymax, q[k].y);
        std::int64_t r0 = std::max<std::int64_t>(0, clamp_to(std::ceil(ymin), -1, h));
        std::int64_t r1 = std::min<std::int64_t>(h - 1, clamp_to(std::floor(ymax), -1, h));
        double l, r;
        while (r0 <= r1 && !span(static_cast<double>(r0), &l, &r)) ++r0;
        while (r1 >= r0 && !span(static_cast<double>(r1), &l, &r)) --r1;
        *first = r0;
        *count = r1 >= r0 ? r1 - r0 + 1 : 0;
    }

    ColumnRange columns(std::int64_t y) const {
        double l, r;
        if (!span(static_cast<double>(y), &l, &r)) return {1, 0};
        return {static_cast<std::int32_t>(std::max<std::int64_t>(0, clamp_to(std::ceil(l), -1, w))),
                static_cast<std::int32_t>(std::min<std::int64_t>(w - 1, clamp_to(std::floor(r), -1, w)))};
    }
};

}  // namespace rvl::warp
