// The affine warp worker shared by every interpolation, element type and
// layout: the checks in order, then the tile row by row.
//
// Which pixels a row writes depends on the border: replicate writes the
// whole tile row; transparent and in-memory borders the pixels inside the
// destination quadrangle Q of the source (the specification's first row
// table); constant fills the tile row with the border value and then
// interpolates the pixels inside the quadrangle of the widened source
// rectangle (the second table).
//
// Source points: X(x, y) is the double sum, in this order, of b02, y times
// b01 (one addition per row), then x times b00 (one addition per pixel);
// Y likewise with b12, b11, b10. The sums start at the destination's first
// row and column whatever the tile, so that any tiling gives the same
// pixels as one call.
#pragma once

#include <algorithm>
#include <cstdint>

#include "frame/border.hpp"
#include "frame/check.hpp"
#include "geometry/warp_spec.hpp"
#include "kernels/rounding.hpp"
#include "kernels/warp_band.hpp"
#include "kernels/warp_sample.hpp"

namespace rvl::warp {

using kernels::warp::Acc;
using kernels::warp::Edge;
using kernels::warp::Source;

// The border value of each channel as T: rounded to nearest (ties to even)
// and saturated for integers.
template <class T>
inline T border_element(double v) {
    if constexpr (std::is_floating_point_v<T>) {
        return static_cast<T>(v);
    } else {
        constexpr double lo = std::numeric_limits<T>::min(), hi = std::numeric_limits<T>::max();
        if (!(v == v)) return 0;
        return static_cast<T>(std::nearbyint(std::clamp(v, lo, hi)));
    }
}

// The tile and everything a row needs.
struct Job {
    const WarpData* s;
    const char* src;
    std::int64_t srcStep;
    char* dst;
    std::int64_t dstStep;
    std::int64_t x, y, width, height;
    Border border;
};

// Smooth edges (transparent and in-memory borders): a pixel whose source
// point lies less than one pixel inside the source's pixel-centre rectangle
// is blended with the destination's value, the interpolated value weighing
// edge_weight(d), d being the point's distance to the nearest side of that
// rectangle in source pixels.
template <class T, int CH>
inline void blend_edge(const Job& j, double X, double Y, Acc<T> v[CH], const char* d) {
    using A = Acc<T>;
    const double dist = std::min({X, static_cast<double>(j.s->srcW - 1) - X, Y, static_cast<double>(j.s->srcH - 1) - Y});
    const A a = static_cast<A>(kernels::warp::edge_weight(dist));
    if (a == 1) return;
    for (int c = 0; c < CH; ++c) {
        const A old = static_cast<A>(kernels::warp::load<T>(d + c * sizeof(T)));
        v[c] = old + (v[c] - old) * a;
    }
}

// Computes columns [c0, c1] of destination row y (c0 and c1 in destination
// coordinates) with the row's source point (Xr, Yr) at column 0.
template <class T, int CH, int Interp, Edge E>
inline void warp_run(const Job& j, const Source<T, CH>& src, const kernels::warp::CubicPoly& cubic, std::int64_t y,
                     std::int64_t c0, std::int64_t c1, double Xr, double Yr) {
    const double b00 = j.s->b[0][0], b10 = j.s->b[1][0];
    double X = Xr, Y = Yr;
    for (std::int64_t x = 0; x < c0; ++x) X += b00, Y += b10;
    char* d = j.dst + (y - j.y) * j.dstStep + (c0 - j.x) * static_cast<std::int64_t>(CH * sizeof(T));
    constexpr std::int64_t kPixel = CH * sizeof(T);
    const bool smooth = E == Edge::Inside && j.s->smoothEdge;
    constexpr bool kInRegister = CH >= 3 && !std::is_same_v<T, double>;
    __m128 border = _mm_setzero_ps();
    if constexpr (kInRegister) border = kernels::warp::splat_px<T, CH>(src.border);
    for (std::int64_t x = c0; x <= c1; ++x, X += b00, Y += b10, d += kPixel) {
        if constexpr (Interp == rvlInterNearest) {
            const char* p = kernels::warp::nearest_pixel<T, CH, E>(src, X, Y);
            const T* v = p ? nullptr : src.border;
            T px[CH];
            if (p) __builtin_memcpy(px, p, sizeof px);
            else __builtin_memcpy(px, v, sizeof px);
            if (smooth) {
                Acc<T> a[CH];
                for (int c = 0; c < CH; ++c) a[c] = static_cast<Acc<T>>(px[c]);
                blend_edge<T, CH>(j, X, Y, a, d);
                for (int c = 0; c < CH; ++c) kernels::warp::store_value<T>(d + c * sizeof(T), a[c]);
            } else {
                __builtin_memcpy(d, px, sizeof px);
            }
        } else if (kInRegister && !smooth) {
            if constexpr (kInRegister) {
                const __m128 v = Interp == rvlInterLinear ? kernels::warp::sample_linear_px<T, CH, E>(src, border, X, Y)
                                                          : kernels::warp::sample_cubic_px<T, CH, E>(src, cubic, border, X, Y);
                kernels::warp::store_px<T, CH>(d, v);
            }
        } else {
            Acc<T> v[CH];
            if constexpr (Interp == rvlInterLinear) kernels::warp::sample_linear<T, CH, E>(src, X, Y, v);
            else kernels::warp::sample_cubic<T, CH, E>(src, cubic, X, Y, v);
            if (smooth) blend_edge<T, CH>(j, X, Y, v, d);
            for (int c = 0; c < CH; ++c) kernels::warp::store_value<T>(d + c * sizeof(T), v[c]);
        }
    }
}

// Row y of the tile: for a constant border the row filled with the border
// value; the columns to interpolate, [*c0, *c1] (empty when *c0 > *c1).
template <class T, int CH, Edge E>
inline void row_columns(const Job& j, const T* border, std::int64_t y, std::int64_t* c0, std::int64_t* c1) {
    *c0 = j.x, *c1 = j.x + j.width - 1;
    if constexpr (E != Edge::Replicate) {
        const ColumnRange r = (E == Edge::Constant ? j.s->widened : j.s->inside).at(j.s, y);
        *c0 = std::max<std::int64_t>(*c0, r.first);
        *c1 = std::min<std::int64_t>(*c1, r.last);
    }
    if constexpr (E == Edge::Constant) {
        // The border value where nothing is interpolated (the columns that
        // are get their values next).
        constexpr std::int64_t kPixel = CH * sizeof(T);
        char* d = j.dst + (y - j.y) * j.dstStep - j.x * kPixel;
        const std::int64_t end = j.x + j.width;
        const std::int64_t gap = *c0 > *c1 ? end : *c0;
        for (std::int64_t x = j.x; x < gap; ++x) __builtin_memcpy(d + x * kPixel, border, kPixel);
        for (std::int64_t x = *c0 > *c1 ? end : *c1 + 1; x < end; ++x) __builtin_memcpy(d + x * kPixel, border, kPixel);
    }
}

// Bands of rows in register lanes: nearest, and linear and cubic 8u and
// 32f.
template <class T, int CH, int Interp, Edge E>
bool warp_bands(const Job& j, const Source<T, CH>& src, const kernels::warp::CubicPoly& cubic, double Xr, double Yr) {
    using kernels::warp::kBandRows;
    const WarpData* s = j.s;
    kernels::warp::Band band{};
    band.src = j.src, band.srcStep = j.srcStep, band.w = s->srcW, band.h = s->srcH;
    for (int c = 0; c < CH; ++c) band.border[c] = static_cast<float>(src.border[c]);
    band.b00 = s->b[0][0], band.b10 = s->b[1][0];
    band.x = j.x;
    band.cubic = &cubic;
    bool wrote = E == Edge::Constant;
    for (std::int64_t y = j.y; y < j.y + j.height; y += kBandRows) {
        for (int r = 0; r < kBandRows; ++r, Xr += s->b[0][1], Yr += s->b[1][1]) {
            band.first[r] = 1, band.last[r] = 0;
            band.X0[r] = Xr, band.Y0[r] = Yr;
            if (y + r >= j.y + j.height) continue;
            row_columns<T, CH, E>(j, src.border, y + r, &band.first[r], &band.last[r]);
            band.dst[r] = j.dst + (y + r - j.y) * j.dstStep;
            wrote |= band.first[r] <= band.last[r];
        }
        if constexpr (Interp == rvlInterNearest) kernels::warp::nearest_band<T, CH, E>(band, src.border);
        else if constexpr (Interp == rvlInterLinear) kernels::warp::linear_band<T, CH, E>(band);
        else kernels::warp::cubic_band<T, CH, E>(band);
    }
    return wrote;
}

// Whether the tile's rows go through bands: rows that do not overlap in
// memory (overlapping ones are written one after the other, as the
// row-by-row form does), no smooth edges, a source addressable with 32-bit
// offsets, and for cubic no in-memory sides.
template <class T, int CH, int Interp, Edge E>
bool use_bands(const Job& j) {
    constexpr bool kTyped = std::is_same_v<T, Rvl8u> || std::is_same_v<T, float>;
    if constexpr (Interp != rvlInterNearest && !kTyped) {
        return false;
    } else {
        const std::int64_t rowBytes = j.width * CH * static_cast<std::int64_t>(sizeof(T));
        const bool disjoint = j.height == 1 || j.dstStep >= rowBytes || -j.dstStep >= rowBytes;
        const bool smooth = E == Edge::Inside && j.s->smoothEdge;
        const bool memory = j.border.inLeft || j.border.inRight || j.border.inTop || j.border.inBottom;
        return disjoint && !smooth && !(Interp == rvlInterCubicBC && memory) &&
               kernels::warp::band_fits<T, CH>(j.s->srcW, j.s->srcH, j.srcStep);
    }
}

// The rows of the tile; true when a pixel was written.
template <class T, int CH, int Interp, Edge E>
bool warp_rows(const Job& j) {
    const WarpData* s = j.s;
    Source<T, CH> src{j.src, j.srcStep, s->srcW, s->srcH, {}, j.border.inLeft, j.border.inTop, j.border.inRight, j.border.inBottom};
    for (int c = 0; c < CH; ++c) src.border[c] = border_element<T>(s->borderValue[c]);
    const kernels::warp::CubicPoly cubic(s->B, s->C);
    double Xr = s->b[0][2], Yr = s->b[1][2];
    for (std::int64_t y = 0; y < j.y; ++y) Xr += s->b[0][1], Yr += s->b[1][1];
    if (use_bands<T, CH, Interp, E>(j)) return warp_bands<T, CH, Interp, E>(j, src, cubic, Xr, Yr);
    bool wrote = E == Edge::Constant;
    for (std::int64_t y = j.y; y < j.y + j.height; ++y, Xr += s->b[0][1], Yr += s->b[1][1]) {
        std::int64_t c0, c1;
        row_columns<T, CH, E>(j, src.border, y, &c0, &c1);
        if (c0 > c1) continue;
        wrote = true;
        warp_run<T, CH, Interp, E>(j, src, cubic, y, c0, c1, Xr, Yr);
    }
    return wrote;
}

// The checks in order; then the tile. kMagicL for the _L members.
template <class T, int CH, int Interp, std::uint32_t Magic, class Step, class Point, class Size>
RvlResult warp_affine(const T* pSrc, Step srcStep, T* pDst, Step dstStep, Point offset, Size size, const RvlWarpSpec* pSpec,
                      Rvl8u* pBuffer) {
    if (RvlResult st = null_check(pSrc, pDst, pSpec, pBuffer)) return st;
    if (size.width == 0 || size.height == 0) return rvlResWarnNothingDone;
    const WarpData* s = warp_data(pSpec);
    if (s->magic != Magic || s->kind != Transform::Affine || s->interpolation != Interp || s->type != data_type_of<T>() ||
        s->channels != CH)
        return rvlResBadContext;
    if (size.width < 1 || size.height < 1) return rvlResBadSize;
    if (offset.x < 0 || offset.x >= s->dstW || offset.y < 0 || offset.y >= s->dstH) return rvlResOutOfRange;
    const bool limited = size.width > s->dstW - offset.x || size.height > s->dstH - offset.y;
    if (s->status != rvlResOk) return s->status;
    Job j{s, reinterpret_cast<const char*>(pSrc), static_cast<std::int64_t>(srcStep), reinterpret_cast<char*>(pDst),
          static_cast<std::int64_t>(dstStep), offset.x, offset.y,
          std::min<std::int64_t>(size.width, s->dstW - offset.x), std::min<std::int64_t>(size.height, s->dstH - offset.y), {}};
    if (decode_border(static_cast<RvlBorderMode>(s->border), kWarpKinds, &j.border)) return rvlResBadBorder;
    RoundingScope nearest(Rc::Nearest);
    bool wrote;
    switch (j.border.kind) {
        case rvlBorderReplicate: wrote = warp_rows<T, CH, Interp, Edge::Replicate>(j); break;
        case rvlBorderConstant: wrote = warp_rows<T, CH, Interp, Edge::Constant>(j); break;
        default: wrote = warp_rows<T, CH, Interp, Edge::Inside>(j); break;
    }
    if (!wrote) return rvlResWarnQuadOutside;
    return limited ? rvlResWarnArgumentRange : rvlResOk;
}

}  // namespace rvl::warp
