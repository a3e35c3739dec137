// Geometry shared by the warps and their transform helpers: quadrangles of
// rectangles, their orientation test, the inverse of an affine matrix, the
// degeneracy test of a matrix, and the rotation matrix of an angle.
#pragma once

#include <cmath>
#include <cstdint>

#include "rvl.h"

namespace rvl::warp {

struct Point2 {
    double x, y;
};

// The pixel-centre corners of a rectangle, in quadrangle order: (x, y),
// (x + w - 1, y), (x + w - 1, y + h - 1), (x, y + h - 1).
inline void rect_corners(double x, double y, double w, double h, Point2 out[4]) {
    const double x1 = x + w - 1, y1 = y + h - 1;
    out[0] = {x, y};
    out[1] = {x1, y};
    out[2] = {x1, y1};
    out[3] = {x, y1};
}

inline Point2 affine_map(const double c[2][3], Point2 p) {
    return {c[0][0] * p.x + c[0][1] * p.y + c[0][2], c[1][0] * p.x + c[1][1] * p.y + c[1][2]};
}

// Orientation of a quadrangle from the cross products of consecutive edges
// at each vertex: 1 when all are positive, 0 when all are negative, -4 when
// their signs differ (not convex), -5 when one is exactly 0 (degenerate).
inline int check_quad(const Point2 q[4]) {
    const double x0 = q[0].x, y0 = q[0].y, x1 = q[1].x, y1 = q[1].y;
    const double x2 = q[2].x, y2 = q[2].y, x3 = q[3].x, y3 = q[3].y;
    const double z[4] = {
        (x3 - x2) * (y0 - y3) - (x0 - x3) * (y3 - y2),
        (x0 - x3) * (y1 - y0) - (y0 - y3) * (x1 - x0),
        (x1 - x0) * (y2 - y1) - (y1 - y0) * (x2 - x1),
        (y3 - y2) * (x2 - x1) - (x3 - x2) * (y2 - y1),
    };
    int positive = 0, negative = 0;
    for (double v : z) {
        if (v == 0) return -5;
        if (v > 0) ++positive;
        else if (v < 0) ++negative;
    }
    if (positive == 4) return 1;
    if (negative == 4) return 0;
    return -4;  // mixed signs, or a NaN among the products
}

inline bool quad_usable(const Point2 q[4]) { return check_quad(q) >= 0; }

// A matrix whose determinant is negligible beside the product of its
// diagonal: |(c00 c11 - c01 c10) / (c00 c11)| <= 1e-10, or, when that product
// is itself negligible (|c00 c11| <= 1e-200), |c01 c10| <= 1e-10. NaN
// coefficients count as degenerate.
inline bool degenerate(const double c[2][3]) {
    const double diag = c[0][0] * c[1][1];
    const double cross = c[0][1] * c[1][0];
    if (!(std::fabs(diag) > 1e-200)) return !(std::fabs(cross) > 1e-10);
    return !(std::fabs((diag - cross) / diag) > 1e-10);
}

// The inverse of an affine matrix: d = c00 c11 - c01 c10.
inline void invert_affine(const double c[2][3], double out[2][3]) {
    const double d = c[0][0] * c[1][1] - c[0][1] * c[1][0];
    const double r[2][3] = {
        {c[1][1] / d, -c[0][1] / d, (c[0][1] * c[1][2] - c[1][1] * c[0][2]) / d},
        {-c[1][0] / d, c[0][0] / d, (c[1][0] * c[0][2] - c[0][0] * c[1][2]) / d},
    };
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j) out[i][j] = r[i][j];
}

// Cosine and sine of an angle in degrees, reduced to [0, 360); the four
// right angles are exact.
inline void rotation(double angle, double* c, double* s) {
    double a = angle - std::trunc(angle / 360) * 360;
    if (a < 0) a += 360;
    if (a == 0) *c = 1, *s = 0;
    else if (a == 90) *c = 0, *s = 1;
    else if (a == 180) *c = -1, *s = 0;
    else if (a == 270) *c = 0, *s = -1;
    else {
        constexpr double kPi = 3.14159265358979323846;
        *c = std::cos(a * kPi / 180);
        *s = std::sin(a * kPi / 180);
    }
}

}  // namespace rvl::warp
