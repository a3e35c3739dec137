// Sampling a source image at a point (X, Y) in double: nearest, linear and
// (B, C) cubic interpolation of the warps, with the three ways a tap outside
// the image is served. Values are computed in single precision (double for
// 64f) and stored through `store_value`.
#pragma once

#include <cmath>
#include <cstdint>
#include <type_traits>

#include "kernels/resize_taps.hpp"

namespace rvl::kernels::warp {

using I64 = std::int64_t;

// How taps outside the source image are served.
enum class Edge {
    Replicate,  // the nearest edge pixel
    Constant,   // the border value
    Inside,     // transparent and in-memory borders: only points inside the image are sampled
};

// The arithmetic type of an element type: double for 64f, float otherwise.
template <class T>
using Acc = std::conditional_t<std::is_same_v<T, double>, double, float>;

// Element reads and writes through byte addresses: the steps need not be
// multiples of the element size.
template <class T>
inline T load(const char* p) {
    T v;
    __builtin_memcpy(&v, p, sizeof v);
    return v;
}
template <class T>
inline void store(char* p, T v) {
    __builtin_memcpy(p, &v, sizeof v);
}

// A value stored as T: floats as they are, integers clamped and rounded to
// nearest, ties to even (the workers run under round-to-nearest).
template <class T, class A>
inline void store_value(char* p, A v) {
    if constexpr (std::is_floating_point_v<T>) store<T>(p, static_cast<T>(v));
    else store<T>(p, store_tap_sum<T>(v));
}

// The weight of an interpolated value blended with the destination's at a
// distance d (in source pixels) inside the edge of the sampled area: 0.5 on
// the edge, rising linearly to 1 one pixel inside.
inline double edge_weight(double d) { return d >= 1 ? 1.0 : d <= 0 ? 0.5 : 0.5 + 0.5 * d; }

// A double clamped to [lo, hi] before it becomes an integer (NaN gives lo).
inline I64 clamp_index(double v, I64 lo, I64 hi) {
    if (!(v >= static_cast<double>(lo))) return lo;
    if (!(v <= static_cast<double>(hi))) return hi;
    return static_cast<I64>(v);
}

template <class T, int CH>
struct Source {
    const char* base;
    I64 step, w, h;
    T border[4];  // the border value of each channel, as T
    bool inLeft, inTop, inRight, inBottom;  // in-memory sides (cubic reads past them)

    const char* pixel(I64 x, I64 y) const { return base + y * step + x * static_cast<I64>(CH * sizeof(T)); }
    T at(I64 x, I64 y, int c) const { return load<T>(pixel(x, y) + c * sizeof(T)); }
    bool inside(I64 x, I64 y) const { return x >= 0 && x < w && y >= 0 && y < h; }
};

// ---- Three- and four-channel pixels in one register -------------------------------
//
// The channels of a pixel sit in the lanes of a 16-byte register (the same
// register in every processor variant), so each channel sees exactly the
// operations of the scalar form. Loads and stores touch only the pixel's
// own bytes.

template <class T, int CH>
inline __m128 load_px(const char* p) {
    static_assert(CH == 3 || CH == 4, "three or four channels");
    if constexpr (std::is_same_v<T, float>) {
        if constexpr (CH == 4) return _mm_loadu_ps(reinterpret_cast<const float*>(p));
        // Loads that accept any address: rows need not start on a float.
        std::int32_t third;
        __builtin_memcpy(&third, p + 8, 4);
        const __m128i lo = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
        return _mm_castsi128_ps(_mm_unpacklo_epi64(lo, _mm_cvtsi32_si128(third)));
    } else if constexpr (sizeof(T) == 1) {
        // Assembled in a register: bytes stored to memory piecewise and read
        // back whole would stall the load.
        std::uint32_t v;
        if constexpr (CH == 4) {
            __builtin_memcpy(&v, p, 4);
        } else {
            std::uint16_t lo;
            __builtin_memcpy(&lo, p, 2);
            v = lo | static_cast<std::uint32_t>(static_cast<unsigned char>(p[2])) << 16;
        }
        return _mm_cvtepi32_ps(_mm_cvtepu8_epi32(_mm_cvtsi32_si128(static_cast<int>(v))));
    } else {
        std::uint64_t v;
        if constexpr (CH == 4) {
            __builtin_memcpy(&v, p, 8);
        } else {
            std::uint32_t lo;
            std::uint16_t hi;
            __builtin_memcpy(&lo, p, 4);
            __builtin_memcpy(&hi, p + 4, 2);
            v = lo | static_cast<std::uint64_t>(hi) << 32;
        }
        const __m128i x = _mm_cvtsi64_si128(static_cast<long long>(v));
        return _mm_cvtepi32_ps(std::is_signed_v<T> ? _mm_cvtepi16_epi32(x) : _mm_cvtepu16_epi32(x));
    }
}

template <class T, int CH>
inline __m128 splat_px(const T* values) {
    float f[4] = {};
    for (int c = 0; c < CH; ++c) f[c] = static_cast<float>(values[c]);
    return _mm_loadu_ps(f);
}

// The first CH lanes stored as T with the values of store_value (integers
// clamped in single precision, then rounded to nearest; NaN gives the
// lowest value).
template <class T, int CH>
inline void store_px(char* p, __m128 v) {
    if constexpr (std::is_same_v<T, float>) {
        float t[4];
        _mm_storeu_ps(t, v);
        __builtin_memcpy(p, t, CH * sizeof(float));
    } else {
        constexpr float lo = static_cast<float>(std::numeric_limits<T>::min());
        constexpr float hi = static_cast<float>(std::numeric_limits<T>::max());
        const __m128 x = _mm_min_ps(_mm_max_ps(v, _mm_set1_ps(lo)), _mm_set1_ps(hi));  // NaN becomes lo
        const __m128i i = _mm_cvtps_epi32(x);
        if constexpr (sizeof(T) == 1) {
            const int packed = _mm_cvtsi128_si32(_mm_packus_epi16(_mm_packus_epi32(i, i), i));
            __builtin_memcpy(p, &packed, CH);
        } else {
            const __m128i h = std::is_signed_v<T> ? _mm_packs_epi32(i, i) : _mm_packus_epi32(i, i);
            const long long packed = _mm_cvtsi128_si64(h);
            __builtin_memcpy(p, &packed, CH * 2);
        }
    }
}

// ---- Nearest: the pixel (trunc(X + 0.5), trunc(Y + 0.5)) --------------------------

// The source pixel's address, or null for the border value (constant).
template <class T, int CH, Edge E>
inline const char* nearest_pixel(const Source<T, CH>& s, double X, double Y) {
    const double u = std::trunc(X + 0.5), v = std::trunc(Y + 0.5);
    if constexpr (E == Edge::Constant) {
        if (!(u >= 0 && u < static_cast<double>(s.w) && v >= 0 && v < static_cast<double>(s.h))) return nullptr;
    }
    return s.pixel(clamp_index(u, 0, s.w - 1), clamp_index(v, 0, s.h - 1));
}

// ---- Linear -------------------------------------------------------------------

// The two taps and the fraction of one axis. Inside the image (transparent
// and in-memory borders) the index floor(X) is set to 0 when negative and
// lowered to n - 2 at the last pixel, so both taps lie in the image and the
// fraction may reach 1; otherwise the fraction is X - floor(X) and each tap
// is clamped (replicate) or marked outside (constant).
struct LinearAxis {
    I64 i0, i1;
    bool out0, out1;
    double f;
};

template <Edge E>
inline LinearAxis linear_axis(double X, I64 n) {
    LinearAxis a{};
    const double fl = std::floor(X);
    if constexpr (E == Edge::Inside) {
        I64 i = clamp_index(fl, 0, n - 2);
        a.i0 = i, a.i1 = i + 1;
        a.f = X - static_cast<double>(i);
    } else {
        a.f = X - fl;
        a.i0 = clamp_index(fl, -1, n);
        a.i1 = clamp_index(fl + 1, -1, n);
        if constexpr (E == Edge::Constant) {
            a.out0 = a.i0 < 0 || a.i0 >= n;
            a.out1 = a.i1 < 0 || a.i1 >= n;
        }
        a.i0 = a.i0 < 0 ? 0 : a.i0 >= n ? n - 1 : a.i0;
        a.i1 = a.i1 < 0 ? 0 : a.i1 >= n ? n - 1 : a.i1;
    }
    return a;
}

// top = p00 + (p01 - p00) fx, bottom = p10 + (p11 - p10) fx,
// v = top + fy (bottom - top), in single precision (double for 64f).
template <class T, int CH, Edge E>
inline void sample_linear(const Source<T, CH>& s, double X, double Y, Acc<T> out[CH]) {
    using A = Acc<T>;
    const LinearAxis ax = linear_axis<E>(X, s.w), ay = linear_axis<E>(Y, s.h);
    const A fx = static_cast<A>(ax.f), fy = static_cast<A>(ay.f);
    const char* r0 = s.base + ay.i0 * s.step;
    const char* r1 = s.base + ay.i1 * s.step;
    const I64 o0 = ax.i0 * CH * static_cast<I64>(sizeof(T)), o1 = ax.i1 * CH * static_cast<I64>(sizeof(T));
    for (int c = 0; c < CH; ++c) {
        const I64 oc = c * static_cast<I64>(sizeof(T));
        A p00, p01, p10, p11;
        if constexpr (E == Edge::Constant) {
            const A bv = static_cast<A>(s.border[c]);
            p00 = ax.out0 || ay.out0 ? bv : static_cast<A>(load<T>(r0 + o0 + oc));
            p01 = ax.out1 || ay.out0 ? bv : static_cast<A>(load<T>(r0 + o1 + oc));
            p10 = ax.out0 || ay.out1 ? bv : static_cast<A>(load<T>(r1 + o0 + oc));
            p11 = ax.out1 || ay.out1 ? bv : static_cast<A>(load<T>(r1 + o1 + oc));
        } else {
            p00 = static_cast<A>(load<T>(r0 + o0 + oc));
            p01 = static_cast<A>(load<T>(r0 + o1 + oc));
            p10 = static_cast<A>(load<T>(r1 + o0 + oc));
            p11 = static_cast<A>(load<T>(r1 + o1 + oc));
        }
        const A top = p00 + (p01 - p00) * fx;
        const A bottom = p10 + (p11 - p10) * fx;
        out[c] = top + fy * (bottom - top);
    }
}

// The same for three and four channels in one register.
template <class T, int CH, Edge E>
inline __m128 sample_linear_px(const Source<T, CH>& s, const __m128 border, double X, double Y) {
    const LinearAxis ax = linear_axis<E>(X, s.w), ay = linear_axis<E>(Y, s.h);
    const __m128 fx = _mm_set1_ps(static_cast<float>(ax.f)), fy = _mm_set1_ps(static_cast<float>(ay.f));
    const char* r0 = s.base + ay.i0 * s.step;
    const char* r1 = s.base + ay.i1 * s.step;
    constexpr I64 kPixel = CH * static_cast<I64>(sizeof(T));
    __m128 p00, p01, p10, p11;
    if constexpr (E == Edge::Constant) {
        p00 = ax.out0 || ay.out0 ? border : load_px<T, CH>(r0 + ax.i0 * kPixel);
        p01 = ax.out1 || ay.out0 ? border : load_px<T, CH>(r0 + ax.i1 * kPixel);
        p10 = ax.out0 || ay.out1 ? border : load_px<T, CH>(r1 + ax.i0 * kPixel);
        p11 = ax.out1 || ay.out1 ? border : load_px<T, CH>(r1 + ax.i1 * kPixel);
    } else {
        (void)border;
        p00 = load_px<T, CH>(r0 + ax.i0 * kPixel);
        p01 = load_px<T, CH>(r0 + ax.i1 * kPixel);
        p10 = load_px<T, CH>(r1 + ax.i0 * kPixel);
        p11 = load_px<T, CH>(r1 + ax.i1 * kPixel);
    }
    const __m128 top = _mm_add_ps(p00, _mm_mul_ps(_mm_sub_ps(p01, p00), fx));
    const __m128 bottom = _mm_add_ps(p10, _mm_mul_ps(_mm_sub_ps(p11, p10), fx));
    return _mm_add_ps(top, _mm_mul_ps(fy, _mm_sub_ps(bottom, top)));
}

// ---- Cubic (B, C) -------------------------------------------------------------

// The cubic's coefficients for t < 1 and 1 <= t < 2, in single precision:
// k(t) = ((a3 t + a2) t + a1) t + a0.
struct CubicPoly {
    float n3, n2, n0;       // t < 1 (no linear term)
    float f3, f2, f1, f0;   // 1 <= t < 2

    CubicPoly(double B, double C)
        : n3(static_cast<float>(2 - 1.5 * B - C)), n2(static_cast<float>(-3 + 2 * B + C)), n0(static_cast<float>(1 - B / 3)),
          f3(static_cast<float>(-B / 6 - C)), f2(static_cast<float>(B + 5 * C)), f1(static_cast<float>(-(2 * B + 8 * C))),
          f0(static_cast<float>(4 * B / 3 + 4 * C)) {}

    float near(float t) const { return (n3 * t + n2) * t * t + n0; }
    float far(float t) const { return ((f3 * t + f2) * t + f1) * t + f0; }

    // The weights of the taps i-1 .. i+2 for the fraction f (|f| <= 1e-16
    // counts as 0): k(1 + f), k(f), k(1 - f), k(2 - f).
    void weights(float f, float w[4]) const {
        if (std::fabs(f) <= 1e-16f) f = 0;
        w[0] = far(1 + f);
        w[1] = near(f);
        w[2] = near(1 - f);
        w[3] = far(2 - f);
    }
};

// The four tap indices of one axis around i = floor(X): clamped to the image
// (replicate; inside the image except on in-memory sides, where they read
// one before and two after the image), or marked outside (constant).
template <Edge E>
inline I64 cubic_axis(double X, I64 n, bool readBefore, bool readAfter, I64 idx[4], bool out[4], float* f) {
    const double fl = std::floor(X);
    I64 i;
    if constexpr (E == Edge::Inside) {
        i = clamp_index(fl, 0, n - 1);
        *f = static_cast<float>(X - static_cast<double>(i));
    } else {
        i = clamp_index(fl, -3, n + 2);
        *f = static_cast<float>(X - fl);
    }
    for (int k = 0; k < 4; ++k) {
        I64 j = i - 1 + k;
        out[k] = false;
        if constexpr (E == Edge::Constant) {
            out[k] = j < 0 || j >= n;
        } else if constexpr (E == Edge::Inside) {
            if (j < 0 && readBefore) {
                idx[k] = j;
                continue;
            }
            if (j >= n && readAfter) {
                idx[k] = j;
                continue;
            }
        }
        idx[k] = j < 0 ? 0 : j >= n ? n - 1 : j;
    }
    return i;
}

// Sum over the rows of (sum over the columns of w_x p) w_y, in tap order,
// single precision (double for 64f).
// The 4 x 4 taps of a point: indices, which are outside, weights.
struct CubicTaps {
    I64 xs[4], ys[4];
    bool xo[4], yo[4];
    float wx[4], wy[4];
};

template <class T, int CH, Edge E>
inline CubicTaps cubic_taps(const Source<T, CH>& s, const CubicPoly& k, double X, double Y) {
    CubicTaps t;
    float fx, fy;
    cubic_axis<E>(X, s.w, s.inLeft, s.inRight, t.xs, t.xo, &fx);
    cubic_axis<E>(Y, s.h, s.inTop, s.inBottom, t.ys, t.yo, &fy);
    k.weights(fx, t.wx);
    k.weights(fy, t.wy);
    return t;
}

template <class T, int CH, Edge E>
inline void sample_cubic(const Source<T, CH>& s, const CubicPoly& k, double X, double Y, Acc<T> out[CH]) {
    using A = Acc<T>;
    const CubicTaps t = cubic_taps<T, CH, E>(s, k, X, Y);
    const I64 (&xs)[4] = t.xs, (&ys)[4] = t.ys;
    const bool (&xo)[4] = t.xo, (&yo)[4] = t.yo;
    const float (&wx)[4] = t.wx, (&wy)[4] = t.wy;
    for (int c = 0; c < CH; ++c) {
        A sum = 0;
        for (int r = 0; r < 4; ++r) {
            const char* row = s.base + ys[r] * s.step;
            A h = 0;
            for (int q = 0; q < 4; ++q) {
                A p;
                if (E == Edge::Constant && (xo[q] || yo[r])) p = static_cast<A>(s.border[c]);
                else p = static_cast<A>(load<T>(row + (xs[q] * CH + c) * static_cast<I64>(sizeof(T))));
                h = q == 0 ? p * static_cast<A>(wx[0]) : h + p * static_cast<A>(wx[q]);
            }
            sum = r == 0 ? h * static_cast<A>(wy[0]) : sum + h * static_cast<A>(wy[r]);
        }
        out[c] = sum;
    }
}

// The same for three and four channels in one register.
template <class T, int CH, Edge E>
inline __m128 sample_cubic_px(const Source<T, CH>& s, const CubicPoly& k, const __m128 border, double X, double Y) {
    const CubicTaps t = cubic_taps<T, CH, E>(s, k, X, Y);
    const I64 (&xs)[4] = t.xs, (&ys)[4] = t.ys;
    const bool (&xo)[4] = t.xo, (&yo)[4] = t.yo;
    const float (&wx)[4] = t.wx, (&wy)[4] = t.wy;
    constexpr I64 kPixel = CH * static_cast<I64>(sizeof(T));
    __m128 sum = _mm_setzero_ps();
    for (int r = 0; r < 4; ++r) {
        const char* row = s.base + ys[r] * s.step;
        __m128 h = _mm_setzero_ps();
        for (int q = 0; q < 4; ++q) {
            const __m128 p = E == Edge::Constant && (xo[q] || yo[r]) ? border : load_px<T, CH>(row + xs[q] * kPixel);
            const __m128 t = _mm_mul_ps(p, _mm_set1_ps(wx[q]));
            h = q == 0 ? t : _mm_add_ps(h, t);
        }
        const __m128 t = _mm_mul_ps(h, _mm_set1_ps(wy[r]));
        sum = r == 0 ? t : _mm_add_ps(sum, t);
    }
    return sum;
}

}  // namespace rvl::kernels::warp
