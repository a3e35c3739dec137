// Shared by the warp and remap tests: the members as tables, and a plain
// reference of the affine warp's mapping and sampling.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "geometry/resize_support.hpp"
#include "rvl.h"

namespace rvltest::warp {

template <class T>
using WarpFn = RvlResult (*)(const T*, int, T*, int, RvlPoint, RvlSize, const RvlWarpSpec*, Rvl8u*);
template <class T>
using WarpFnL = RvlResult (*)(const T*, Rvl64s, T*, Rvl64s, RvlPointL, RvlSizeL, const RvlWarpSpec*, Rvl8u*);

// [interpolation: nearest, linear, cubic][layout: C1, C3, C4]
template <class T>
struct WarpMembers {
    WarpFn<T> f[3][3];
    WarpFnL<T> l[3][3];
};

#define RVL_WARP_ROW(kind, tag)                                                                            \
    {rvliWarpAffine##kind##_##tag##_C1R, rvliWarpAffine##kind##_##tag##_C3R, rvliWarpAffine##kind##_##tag##_C4R}
#define RVL_WARP_ROW_L(kind, tag)                                                                          \
    {rvliWarpAffine##kind##_##tag##_C1R_L, rvliWarpAffine##kind##_##tag##_C3R_L, rvliWarpAffine##kind##_##tag##_C4R_L}
#define RVL_WARP_MEMBERS(tag)                                                                              \
    {{RVL_WARP_ROW(Nearest, tag), RVL_WARP_ROW(Linear, tag), RVL_WARP_ROW(Cubic, tag)},                    \
     {RVL_WARP_ROW_L(Nearest, tag), RVL_WARP_ROW_L(Linear, tag), RVL_WARP_ROW_L(Cubic, tag)}}

template <class T>
WarpMembers<T> warp_members();
template <> inline WarpMembers<Rvl8u> warp_members() { return RVL_WARP_MEMBERS(8u); }
template <> inline WarpMembers<Rvl16u> warp_members() { return RVL_WARP_MEMBERS(16u); }
template <> inline WarpMembers<Rvl16s> warp_members() { return RVL_WARP_MEMBERS(16s); }
template <> inline WarpMembers<Rvl32f> warp_members() { return RVL_WARP_MEMBERS(32f); }
template <> inline WarpMembers<Rvl64f> warp_members() { return RVL_WARP_MEMBERS(64f); }

inline int layout_index(int channels) { return channels == 1 ? 0 : channels == 3 ? 1 : 2; }
inline int interp_index(int interp) { return interp == rvlInterNearest ? 0 : interp == rvlInterLinear ? 1 : 2; }

// ---- Reference ------------------------------------------------------------------

struct Affine {
    double m[2][3];
};

inline Affine inverse(const Affine& a) {
    const double (&c)[2][3] = a.m;
    const double d = c[0][0] * c[1][1] - c[0][1] * c[1][0];
    return {{{c[1][1] / d, -c[0][1] / d, (c[0][1] * c[1][2] - c[1][1] * c[0][2]) / d},
             {-c[1][0] / d, c[0][0] / d, (c[1][0] * c[0][2] - c[0][0] * c[1][2]) / d}}};
}

// Whether destination point (x, y) lies in the quadrangle of the source
// rectangle (-e, -e) .. (W - 1 + e, H - 1 + e) under `fwd`: on the inner side
// of all four edges (or on one).
inline bool in_quad(const Affine& fwd, std::int64_t W, std::int64_t H, double e, double x, double y) {
    const double cx[4] = {-e, W - 1 + e, W - 1 + e, -e}, cy[4] = {-e, -e, H - 1 + e, H - 1 + e};
    double qx[4], qy[4];
    for (int k = 0; k < 4; ++k) {
        qx[k] = fwd.m[0][0] * cx[k] + fwd.m[0][1] * cy[k] + fwd.m[0][2];
        qy[k] = fwd.m[1][0] * cx[k] + fwd.m[1][1] * cy[k] + fwd.m[1][2];
    }
    int pos = 0, neg = 0;
    for (int k = 0; k < 4; ++k) {
        const double z = (qx[(k + 1) % 4] - qx[k]) * (y - qy[k]) - (qy[(k + 1) % 4] - qy[k]) * (x - qx[k]);
        if (z > 1e-9) ++pos;
        if (z < -1e-9) ++neg;
    }
    return pos == 0 || neg == 0;
}

template <class T>
using Acc = std::conditional_t<std::is_same_v<T, double>, double, float>;

template <class T>
T to_element(Acc<T> v) {
    if constexpr (std::is_floating_point_v<T>) {
        return static_cast<T>(v);
    } else {
        const Acc<T> lo = std::numeric_limits<T>::min(), hi = std::numeric_limits<T>::max();
        if (!(v == v)) return std::numeric_limits<T>::min();
        return static_cast<T>(std::nearbyint(std::min(std::max(v, lo), hi)));
    }
}

template <class T>
T border_element(double v) {
    if constexpr (std::is_floating_point_v<T>) return static_cast<T>(v);
    else return static_cast<T>(std::nearbyint(std::min<double>(std::max<double>(v, std::numeric_limits<T>::min()), std::numeric_limits<T>::max())));
}

// The source for the reference: the image plus `margin` pixels of memory on
// every side (read only by cubic interpolation on in-memory sides).
template <class T>
struct RefSource {
    Image<T> big;  // (W + 2 margin) x (H + 2 margin)
    std::int64_t margin, W, H;
    T get(std::int64_t x, std::int64_t y, int c) const { return big.at(x + margin, y + margin, c); }
};

struct RefBorder {
    int kind;  // 1 replicate, 6 constant, 7 transparent, 0 everything in memory
    bool inLeft, inTop, inRight, inBottom;
    double value[4];
};

// The (B, C) cubic in single precision, evaluated as the library does:
// (a3 t + a2) t t + a0 below 1, ((a3 t + a2) t + a1) t + a0 below 2.
struct RefCubic {
    double B, C;
    float k(float t) const {
        if (t < 1)
            return (static_cast<float>(2 - 1.5 * B - C) * t + static_cast<float>(-3 + 2 * B + C)) * t * t + static_cast<float>(1 - B / 3);
        return ((static_cast<float>(-B / 6 - C) * t + static_cast<float>(B + 5 * C)) * t + static_cast<float>(-(2 * B + 8 * C))) * t +
               static_cast<float>(4 * B / 3 + 4 * C);
    }
};

template <class T>
void ref_pixel(const RefSource<T>& s, int interp, const RefBorder& bd, const RefCubic& cub, double X, double Y, int C, T* out) {
    using A = Acc<T>;
    const std::int64_t W = s.W, H = s.H;
    auto clampi = [](double v, std::int64_t lo, std::int64_t hi) {
        return v < static_cast<double>(lo) ? lo : v > static_cast<double>(hi) ? hi : static_cast<std::int64_t>(v);
    };
    const bool constant = bd.kind == 6, replicate = bd.kind == 1;
    // A tap's value: outside the image the border value (constant) or the
    // edge pixel; for cubic on in-memory sides the caller's memory.
    auto tap = [&](std::int64_t x, std::int64_t y, int c) -> A {
        if (x >= 0 && x < W && y >= 0 && y < H) return static_cast<A>(s.get(x, y, c));
        if (constant) return static_cast<A>(border_element<T>(bd.value[c]));
        if (!replicate) {
            const bool xok = (x >= 0 || bd.inLeft) && (x < W || bd.inRight);
            const bool yok = (y >= 0 || bd.inTop) && (y < H || bd.inBottom);
            if (!xok) x = x < 0 ? 0 : W - 1;
            if (!yok) y = y < 0 ? 0 : H - 1;
            return static_cast<A>(s.get(x, y, c));
        }
        return static_cast<A>(s.get(std::clamp<std::int64_t>(x, 0, W - 1), std::clamp<std::int64_t>(y, 0, H - 1), c));
    };
    if (interp == rvlInterNearest) {
        const double u = std::trunc(X + 0.5), v = std::trunc(Y + 0.5);
        for (int c = 0; c < C; ++c) {
            if (constant && !(u >= 0 && u < W && v >= 0 && v < H)) out[c] = border_element<T>(bd.value[c]);
            else out[c] = s.get(clampi(u, 0, W - 1), clampi(v, 0, H - 1), c);
        }
        return;
    }
    if (interp == rvlInterLinear) {
        std::int64_t ix, iy;
        double fx, fy;
        if (!constant && !replicate) {
            ix = clampi(std::floor(X), 0, W - 2);
            iy = clampi(std::floor(Y), 0, H - 2);
            fx = X - ix, fy = Y - iy;
        } else {
            ix = clampi(std::floor(X), -1, W), iy = clampi(std::floor(Y), -1, H);
            fx = X - std::floor(X), fy = Y - std::floor(Y);
        }
        const A ax = static_cast<A>(fx), ay = static_cast<A>(fy);
        for (int c = 0; c < C; ++c) {
            const A p00 = tap(ix, iy, c), p01 = tap(ix + 1, iy, c), p10 = tap(ix, iy + 1, c), p11 = tap(ix + 1, iy + 1, c);
            const A top = p00 + (p01 - p00) * ax, bottom = p10 + (p11 - p10) * ax;
            out[c] = to_element<T>(top + ay * (bottom - top));
        }
        return;
    }
    std::int64_t ix, iy;
    float fx, fy;
    if (!constant && !replicate) {
        ix = clampi(std::floor(X), 0, W - 1), iy = clampi(std::floor(Y), 0, H - 1);
        fx = static_cast<float>(X - ix), fy = static_cast<float>(Y - iy);
    } else {
        ix = clampi(std::floor(X), -3, W + 2), iy = clampi(std::floor(Y), -3, H + 2);
        fx = static_cast<float>(X - std::floor(X)), fy = static_cast<float>(Y - std::floor(Y));
    }
    if (std::fabs(fx) <= 1e-16f) fx = 0;
    if (std::fabs(fy) <= 1e-16f) fy = 0;
    const float wx[4] = {cub.k(1 + fx), cub.k(fx), cub.k(1 - fx), cub.k(2 - fx)};
    const float wy[4] = {cub.k(1 + fy), cub.k(fy), cub.k(1 - fy), cub.k(2 - fy)};
    for (int c = 0; c < C; ++c) {
        A sum = 0;
        for (int r = 0; r < 4; ++r) {
            A h = 0;
            for (int q = 0; q < 4; ++q) {
                const A p = tap(ix - 1 + q, iy - 1 + r, c) * static_cast<A>(wx[q]);
                h = q == 0 ? p : h + p;
            }
            sum = r == 0 ? h * static_cast<A>(wy[0]) : sum + h * static_cast<A>(wy[r]);
        }
        out[c] = to_element<T>(sum);
    }
}

// The whole destination `dst` (its initial content matters for the
// transparent kinds) warped by the backward matrix `b`.
template <class T>
void ref_warp(const RefSource<T>& s, TestImage<T>& dst, const Affine& b, int interp, const RefBorder& bd, const RefCubic& cub) {
    const Affine fwd = inverse(b);
    const int C = dst.channels();
    const double e = interp == rvlInterNearest ? 0.5 : interp == rvlInterLinear ? 1 : 2;
    double Xr = b.m[0][2], Yr = b.m[1][2];
    for (int y = 0; y < dst.height(); ++y, Xr += b.m[0][1], Yr += b.m[1][1]) {
        double X = Xr, Y = Yr;
        for (int x = 0; x < dst.width(); ++x, X += b.m[0][0], Y += b.m[1][0]) {
            bool compute = true;
            if (bd.kind == 6) {
                for (int c = 0; c < C; ++c) dst.set(x, y, c, border_element<T>(bd.value[c]));
                compute = in_quad(fwd, s.W, s.H, e, x, y);
            } else if (bd.kind != 1) {
                compute = in_quad(fwd, s.W, s.H, 0, x, y);
            }
            if (!compute) continue;
            T v[4];
            ref_pixel(s, interp, bd, cub, X, Y, C, v);
            for (int c = 0; c < C; ++c) dst.set(x, y, c, v[c]);
        }
    }
}

}  // namespace rvltest::warp
