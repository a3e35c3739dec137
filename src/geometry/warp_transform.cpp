// Affine transform helpers: rotation matrices and shifts, the matrix that
// maps a rectangle onto a quadrangle, the quadrangle and bounding box of a
// transformed rectangle, and the source rectangle a destination tile reads.
// The _L forms of the rectangle helpers take the low 32 bits of each field.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "geometry/warp_quad.hpp"

namespace rvl::warp {
namespace {

using I64 = std::int64_t;

RvlResult rotate_transform(double angle, double xShift, double yShift, double coeffs[2][3]) {
    if (!std::isfinite(angle)) return rvlResOutOfRange;
    if (!coeffs) return rvlResNullPointer;
    double c, s;
    rotation(angle, &c, &s);
    const double m[2][3] = {{c, s, xShift}, {-s, c, yShift}};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j) coeffs[i][j] = m[i][j];
    return rvlResOk;
}

RvlResult rotate_shift(double xCenter, double yCenter, double angle, double* pXShift, double* pYShift) {
    if (RvlResult st = null_check(pXShift, pYShift)) return st;
    double c, s;
    rotation(angle, &c, &s);
    if (c == 1) {
        *pXShift = *pYShift = 0;
        return rvlResOk;
    }
    *pXShift = xCenter - c * xCenter - s * yCenter;
    *pYShift = yCenter - c * yCenter + s * xCenter;
    return rvlResOk;
}

bool bad_roi(const RvlRect& r) { return r.x < 0 || r.y < 0 || r.width < 1 || r.height < 1; }

RvlRect low_bits(const RvlRectL& r) {
    return {static_cast<std::int32_t>(r.x), static_cast<std::int32_t>(r.y), static_cast<std::int32_t>(r.width),
            static_cast<std::int32_t>(r.height)};
}

// Two products that should be equal for a pair of parallel sides differ by
// more than 1e-10 of the first (or, when the first is negligible, the second
// exceeds 1e-10).
bool sides_differ(double a, double b) {
    if (!(std::fabs(a) > 1e-200)) return std::fabs(b) > 1e-10;
    return std::fabs((a - b) / a) > 1e-10;
}

RvlResult affine_transform(RvlRect roi, const double quad[4][2], double coeffs[2][3]) {
    if (RvlResult st = null_check(quad, coeffs)) return st;
    if (bad_roi(roi)) return rvlResBadSize;
    const Point2 q[4] = {{quad[0][0], quad[0][1]}, {quad[1][0], quad[1][1]}, {quad[2][0], quad[2][1]}, {quad[3][0], quad[3][1]}};
    if (!quad_usable(q)) return rvlResBadQuad;
    if (roi.width < 2 || roi.height < 2) return rvlResBadRect;
    const double xmin = roi.x, ymin = roi.y;
    const double xmax = static_cast<double>(roi.x) + roi.width - 1, ymax = static_cast<double>(roi.y) + roi.height - 1;
    const double c00 = (q[1].x - q[0].x) / (xmax - xmin), c01 = (q[2].x - q[1].x) / (ymax - ymin);
    const double c10 = (q[1].y - q[0].y) / (xmax - xmin), c11 = (q[2].y - q[1].y) / (ymax - ymin);
    coeffs[0][0] = c00;
    coeffs[0][1] = c01;
    coeffs[0][2] = q[0].x - c01 * ymin - c00 * xmin;
    coeffs[1][0] = c10;
    coeffs[1][1] = c11;
    coeffs[1][2] = q[0].y - c10 * xmin - c11 * ymin;
    const bool differ = sides_differ((q[3].x - q[2].x) * (q[1].y - q[0].y), (q[1].x - q[0].x) * (q[3].y - q[2].y)) ||
                        sides_differ((q[0].y - q[3].y) * (q[2].x - q[1].x), (q[0].x - q[3].x) * (q[2].y - q[1].y));
    return differ ? rvlResWarnNotParallelogram : rvlResOk;
}

RvlResult affine_quad(RvlRect roi, double quad[4][2], const double coeffs[2][3]) {
    if (RvlResult st = null_check(quad, coeffs)) return st;
    if (bad_roi(roi)) return rvlResBadSize;
    Point2 corners[4];
    rect_corners(roi.x, roi.y, roi.width, roi.height, corners);
    Point2 q[4];
    for (int k = 0; k < 4; ++k) {
        q[k] = affine_map(coeffs, corners[k]);
        quad[k][0] = q[k].x;
        quad[k][1] = q[k].y;
    }
    return quad_usable(q) ? rvlResOk : rvlResBadCoeffs;
}

RvlResult affine_bound(RvlRect roi, double bound[2][2], const double coeffs[2][3]) {
    if (!bound) return rvlResNullPointer;
    double quad[4][2];
    const RvlResult st = affine_quad(roi, quad, coeffs);
    if (st != rvlResOk && st != rvlResBadCoeffs) return st;
    bound[0][0] = std::min({quad[0][0], quad[1][0], quad[2][0], quad[3][0]});
    bound[0][1] = std::min({quad[0][1], quad[1][1], quad[2][1], quad[3][1]});
    bound[1][0] = std::max({quad[0][0], quad[1][0], quad[2][0], quad[3][0]});
    bound[1][1] = std::max({quad[0][1], quad[1][1], quad[2][1], quad[3][1]});
    return st;
}

RvlResult affine_transform_l(RvlRectL roi, const double quad[4][2], double coeffs[2][3]) {
    return affine_transform(low_bits(roi), quad, coeffs);
}
RvlResult affine_quad_l(RvlRectL roi, double quad[4][2], const double coeffs[2][3]) {
    return affine_quad(low_bits(roi), quad, coeffs);
}
RvlResult affine_bound_l(RvlRectL roi, double bound[2][2], const double coeffs[2][3]) {
    return affine_bound(low_bits(roi), bound, coeffs);
}

// The source rectangle a destination tile reads: the tile's pixel-centre
// corners are mapped to the source, and the result spans from the floor of
// their least coordinates to one past the floor of their greatest ones (the
// pixels nearest and linear interpolation read; cubic reads one more on
// each side), limited to the source image. Besides the checks in order
// (null pointer, a destination dimension above 0x1FFFFFF, the direction) a
// size below 1 is refused with rvlResBadSize and a degenerate matrix with
// rvlResBadCoeffs; a tile that reads no source pixel gets an empty
// rectangle and rvlResWarnQuadOutside.
template <class Size, class Point, class Rect>
RvlResult affine_src_roi(Size srcSize, const double coeffs[2][3], RvlMappingDirection direction, Point offset, Size size,
                         Rect* pSrcRoi) {
    if (RvlResult st = null_check(coeffs, pSrcRoi)) return st;
    if (size.width > 0x1FFFFFF || size.height > 0x1FFFFFF) return rvlResSizeOverflow;
    if (direction != rvlMapForward && direction != rvlMapBackward) return rvlResBadDirection;
    if (srcSize.width < 1 || srcSize.height < 1 || size.width < 1 || size.height < 1) return rvlResBadSize;
    if (degenerate(coeffs)) return rvlResBadCoeffs;
    double b[2][3];
    if (direction == rvlMapForward) invert_affine(coeffs, b);
    else
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 3; ++j) b[i][j] = coeffs[i][j];
    Point2 corners[4];
    rect_corners(static_cast<double>(offset.x), static_cast<double>(offset.y), static_cast<double>(size.width),
                 static_cast<double>(size.height), corners);
    double lo[2] = {HUGE_VAL, HUGE_VAL}, hi[2] = {-HUGE_VAL, -HUGE_VAL};
    for (const Point2& c : corners) {
        const Point2 s = affine_map(b, c);
        lo[0] = std::min(lo[0], s.x), hi[0] = std::max(hi[0], s.x);
        lo[1] = std::min(lo[1], s.y), hi[1] = std::max(hi[1], s.y);
    }
    const double limit[2] = {static_cast<double>(srcSize.width), static_cast<double>(srcSize.height)};
    I64 first[2], last[2];
    for (int a = 0; a < 2; ++a) {
        // Clamped in double first so that the conversions stay in range.
        first[a] = static_cast<I64>(std::clamp(std::floor(lo[a]), -1.0, limit[a]));
        last[a] = static_cast<I64>(std::clamp(std::floor(hi[a]) + 1, -1.0, limit[a]));
        first[a] = std::max<I64>(first[a], 0);
        last[a] = std::min<I64>(last[a], static_cast<I64>(limit[a]) - 1);
    }
    Rect r{};
    if (!(first[0] <= last[0] && first[1] <= last[1])) {  // also catches NaN-made empties
        *pSrcRoi = r;
        return rvlResWarnQuadOutside;
    }
    using F = decltype(r.x);
    r.x = static_cast<F>(first[0]);
    r.y = static_cast<F>(first[1]);
    r.width = static_cast<F>(last[0] - first[0] + 1);
    r.height = static_cast<F>(last[1] - first[1] + 1);
    *pSrcRoi = r;
    return rvlResOk;
}

}  // namespace
}  // namespace rvl::warp

namespace rvl {
using namespace warp;

RVL_BIND(rvliGetRotateTransform, rotate_transform);
RVL_BIND(rvliGetRotateTransform_L, rotate_transform);
RVL_BIND(rvliGetRotateShift, rotate_shift);
RVL_BIND(rvliGetRotateShift_L, rotate_shift);
RVL_BIND(rvliGetAffineTransform, affine_transform);
RVL_BIND(rvliGetAffineTransform_L, affine_transform_l);
RVL_BIND(rvliGetAffineQuad, affine_quad);
RVL_BIND(rvliGetAffineQuad_L, affine_quad_l);
RVL_BIND(rvliGetAffineBound, affine_bound);
RVL_BIND(rvliGetAffineBound_L, affine_bound_l);
RVL_BIND(rvliGetAffineSrcRoi, (affine_src_roi<RvlSize, RvlPoint, RvlRect>));
RVL_BIND(rvliGetAffineSrcRoi_L, (affine_src_roi<RvlSizeL, RvlPointL, RvlRectL>));

}  // namespace rvl
