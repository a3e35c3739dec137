// Sampling a source image at a map point (X, Y) for remap: nearest, linear
// (Q14 fixed point for 8u), four-point Lagrange cubic, Catmull-Rom and
// Lanczos. The point lies inside the source ROI [xmin, xmax] x [ymin, ymax];
// windows are placed or clamped inside the source image.
#pragma once

#include <cmath>
#include <cstdint>
#include <type_traits>

#include "kernels/warp_sample.hpp"

namespace rvl::kernels::remap {

using warp::Acc;
using warp::clamp_index;
using warp::load;
using I64 = std::int64_t;

template <class T>
struct Image {
    const char* base;
    I64 step, w, h;
    int channels;  // elements per pixel
    I64 xmin, xmax, ymin, ymax;  // the source ROI limited to the image

    T at(I64 x, I64 y, int c) const { return load<T>(base + y * step + (x * channels + c) * static_cast<I64>(sizeof(T))); }
};

// ---- Nearest: (trunc(X + 0.5), trunc(Y + 0.5)) in single precision -------

template <class T, class M>
inline void nearest(const Image<T>& s, M X, M Y, int n, Acc<T>* out) {
    const I64 x = clamp_index(std::trunc(static_cast<float>(X) + 0.5f), s.xmin, s.xmax);
    const I64 y = clamp_index(std::trunc(static_cast<float>(Y) + 0.5f), s.ymin, s.ymax);
    for (int c = 0; c < n; ++c) out[c] = static_cast<Acc<T>>(s.at(x, y, c));
}

// ---- Linear ----------------------------------------------------------------

// ix = trunc(X), lowered by one at xmax so that both taps lie in the ROI
// (and kept inside the image when the ROI is one pixel wide).
inline I64 linear_index(double X, I64 lo, I64 hi, I64 n) {
    I64 i = clamp_index(std::trunc(X), lo, hi);
    if (i == hi) --i;
    return i < 0 ? 0 : i > n - 2 ? n - 2 : i;
}

// 8u: Q14 weights w = rint(f 16384); t = (p0 (16384 - wx) + p1 wx) >> 8 per
// row, out = (t0 (16384 - wy) + t1 wy + 33) >> 20.
inline void linear_q14(const Image<Rvl8u>& s, float X, float Y, int n, float* out, Rvl8u* exact) {
    const I64 ix = linear_index(X, s.xmin, s.xmax, s.w), iy = linear_index(Y, s.ymin, s.ymax, s.h);
    const int wx = static_cast<int>(std::nearbyint((X - static_cast<float>(ix)) * 16384.0f));
    const int wy = static_cast<int>(std::nearbyint((Y - static_cast<float>(iy)) * 16384.0f));
    for (int c = 0; c < n; ++c) {
        const int t0 = (s.at(ix, iy, c) * (16384 - wx) + s.at(ix + 1, iy, c) * wx) >> 8;
        const int t1 = (s.at(ix, iy + 1, c) * (16384 - wx) + s.at(ix + 1, iy + 1, c) * wx) >> 8;
        const int v = (t0 * (16384 - wy) + t1 * wy + 33) >> 20;
        exact[c] = static_cast<Rvl8u>(v < 0 ? 0 : v > 255 ? 255 : v);
        out[c] = static_cast<float>(exact[c]);
    }
}

// Other types: r0 = p00 (1 - fx) + p01 fx, r1 likewise, out = r0 (1 - fy) +
// r1 fy, in single precision (double for 64f).
template <class T, class M>
inline void linear(const Image<T>& s, M X, M Y, int n, Acc<T>* out) {
    using A = Acc<T>;
    const I64 ix = linear_index(X, s.xmin, s.xmax, s.w), iy = linear_index(Y, s.ymin, s.ymax, s.h);
    const A fx = static_cast<A>(X - static_cast<M>(ix)), fy = static_cast<A>(Y - static_cast<M>(iy));
    for (int c = 0; c < n; ++c) {
        const A r0 = static_cast<A>(s.at(ix, iy, c)) * (1 - fx) + static_cast<A>(s.at(ix + 1, iy, c)) * fx;
        const A r1 = static_cast<A>(s.at(ix, iy + 1, c)) * (1 - fx) + static_cast<A>(s.at(ix + 1, iy + 1, c)) * fx;
        out[c] = r0 * (1 - fy) + r1 * fy;
    }
}

// ---- Separable windows -----------------------------------------------------

// A window of N taps per axis: tap indices and weights.
template <int N, class A>
struct Window {
    I64 idx[N];
    A w[N];
};

// Sum over the rows of (sum over the columns of w_x p) w_y, in tap order.
template <int N, class T, class A>
inline A window_sum(const Image<T>& s, const Window<N, A>& wx, const Window<N, A>& wy, int c) {
    A sum = 0;
    for (int r = 0; r < N; ++r) {
        A h = 0;
        for (int q = 0; q < N; ++q) {
            const A p = static_cast<A>(s.at(wx.idx[q], wy.idx[r], c)) * wx.w[q];
            h = q == 0 ? p : h + p;
        }
        sum = r == 0 ? h * wy.w[0] : sum + h * wy.w[r];
    }
    return sum;
}

// Four-point Lagrange window: first column m - 1 with m = min(trunc(X),
// n - 3), or 0 when m <= 0; d = X - first in [0, 3].
inline I64 lagrange_first(double X, I64 n) {
    const I64 m = std::min<I64>(clamp_index(std::trunc(X), 0, n), n - 3);
    return m <= 0 ? 0 : m - 1;
}

// The Lagrange basis through 0, 1, 2, 3 at d.
template <class A>
inline void lagrange(A d, A w[4]) {
    w[0] = -(d - 1) * (d - 2) * (d - 3) / 6;
    w[1] = d * (d - 2) * (d - 3) / 2;
    w[2] = -d * (d - 1) * (d - 3) / 2;
    w[3] = d * (d - 1) * (d - 2) / 6;
}

// The 8u table: entry j holds (L0, L1) at d = j/512 times 16384, rounded;
// the last two taps' weights are entry 1536 - j reversed (L3, L2).
class LagrangeTable {
public:
    LagrangeTable() {
        for (int j = 0; j <= 1536; ++j) {
            double w[4];
            lagrange<double>(j / 512.0, w);
            t_[j][0] = static_cast<std::int16_t>(std::nearbyint(w[0] * 16384));
            t_[j][1] = static_cast<std::int16_t>(std::nearbyint(w[1] * 16384));
        }
    }
    void weights(float d, int w[4]) const {
        int j = static_cast<int>(std::nearbyint(d * 512.0f));
        j = j < 0 ? 0 : j > 1536 ? 1536 : j;
        w[0] = t_[j][0], w[1] = t_[j][1];
        w[2] = t_[1536 - j][1], w[3] = t_[1536 - j][0];
    }

private:
    std::int16_t t_[1537][2];
};

// 8u Lagrange: horizontal sums >> 8 (arithmetic), vertical sum + 0x80000
// >> 20, saturated.
inline Rvl8u lagrange_q14(const Image<Rvl8u>& s, const LagrangeTable& t, float X, float Y, int c) {
    const I64 x0 = lagrange_first(X, s.w), y0 = lagrange_first(Y, s.h);
    int wx[4], wy[4];
    t.weights(X - static_cast<float>(x0), wx);
    t.weights(Y - static_cast<float>(y0), wy);
    int sum = 0x80000;
    for (int r = 0; r < 4; ++r) {
        int h = 0;
        for (int q = 0; q < 4; ++q) h += s.at(x0 + q, y0 + r, c) * wx[q];
        sum += (h >> 8) * wy[r];
    }
    sum >>= 20;
    return static_cast<Rvl8u>(sum < 0 ? 0 : sum > 255 ? 255 : sum);
}

// Lagrange window of the other types: the same placement, the basis
// computed in the arithmetic type.
template <class A>
inline Window<4, A> lagrange_window(double X, I64 n) {
    Window<4, A> w;
    const I64 first = lagrange_first(X, n);
    for (int k = 0; k < 4; ++k) w.idx[k] = first + k;
    lagrange<A>(static_cast<A>(X - static_cast<double>(first)), w.w);
    return w;
}

// Catmull-Rom: taps ix - 1 .. ix + 2 with ix = trunc(X + 1e-7), clamped to
// the image; t = X - ix.
template <class A, class M>
inline Window<4, A> catmull_rom_window(M X, I64 n) {
    Window<4, A> w;
    const I64 ix = clamp_index(std::trunc(X + static_cast<M>(1e-7)), 0, n - 1);
    const float t = static_cast<float>(X - static_cast<M>(ix));
    w.w[0] = static_cast<A>(-0.5f * t * (t - 1) * (t - 1));
    w.w[1] = static_cast<A>(1.5f * t * t * t - 2.5f * t * t + 1);
    w.w[2] = static_cast<A>(-1.5f * t * t * t + 2 * t * t + 0.5f * t);
    w.w[3] = static_cast<A>(0.5f * t * t * (t - 1));
    for (int k = 0; k < 4; ++k) {
        const I64 j = ix - 1 + k;
        w.idx[k] = j < 0 ? 0 : j >= n ? n - 1 : j;
    }
    return w;
}

// Lanczos, three lobes: taps ix - 2 .. ix + 3 around ix = trunc(X), weights
// from the tabulated window at the distances X - j divided by their sum,
// indices clamped to the image.
template <class A, class M, class Window3>
inline Window<6, A> lanczos_window(const Window3& table, M X, I64 n) {
    Window<6, A> w;
    const I64 ix = clamp_index(std::trunc(X), 0, n - 1);
    float sum = 0;
    float raw[6];
    for (int k = 0; k < 6; ++k) {
        const I64 j = ix - 2 + k;
        raw[k] = table(static_cast<float>(X - static_cast<M>(j)));
        sum += raw[k];
        w.idx[k] = j < 0 ? 0 : j >= n ? n - 1 : j;
    }
    for (int k = 0; k < 6; ++k) w.w[k] = static_cast<A>(raw[k] / sum);
    return w;
}

}  // namespace rvl::kernels::remap
