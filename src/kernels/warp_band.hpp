// Linear warp of 8u and 32f pixels, one register lane per destination row.
//
// A band of lanes<float> consecutive destination rows is computed column by
// column: the source points of the band's rows at one column sit in the
// lanes of two double registers, and each step to the next column adds b00
// and b10 to every lane, which is exactly the per-row accumulation of the
// scalar form, carried for all the band's rows at once. Indices, fractions,
// taps and sums follow the scalar form lane by lane (same operations, same
// order), so every variant gives the scalar form's bytes. A lane whose row
// has no pixel at the column computes on clamped indices and stores
// nothing.
#pragma once

#include <cstdint>
#include <limits>
#include <type_traits>

#include "kernels/vec.hpp"
#include "kernels/warp_sample.hpp"

namespace rvl::kernels::warp {

inline constexpr int kBandRows = static_cast<int>(vec::lanes<float>);

struct Band {
    const char* src;
    I64 srcStep, w, h;
    float border[4];
    double b00, b10;
    double X0[kBandRows], Y0[kBandRows];  // each row's source point at column 0
    I64 first[kBandRows], last[kBandRows];  // each row's columns (empty: first > last)
    char* dst[kBandRows];                  // each row's pixel at column `x`
    I64 x;
};

// Whether a source can be addressed with 32-bit offsets from its first
// row, and is wide enough for the 8u word loads.
template <class T, int CH>
inline bool band_fits(I64 w, I64 h, I64 step) {
    const I64 span = (h - 1) * (step < 0 ? -step : step) + w * CH * static_cast<I64>(sizeof(T));
    return span < (I64{1} << 31) - 64 && w * CH * static_cast<I64>(sizeof(T)) >= 4;
}

// The two taps of one axis for the band's lanes at one column (see
// linear_axis): integer indices, whether each is outside (constant), and
// the fraction in single precision.
template <Edge E>
inline void band_axis(vec::f64 lo, vec::f64 hi, I64 n, vec::i32* i0, vec::i32* i1, vec::i32* out0, vec::i32* out1,
                      vec::f32* f) {
    using vec::f64;
    const f64 fl[2] = {vec::round<_MM_FROUND_TO_NEG_INF>(lo), vec::round<_MM_FROUND_TO_NEG_INF>(hi)};
    const f64 v[2] = {lo, hi};
    auto clamp = [](f64 x, double a, double b) {
        const f64 va = vec::splat<f64>(a), vb = vec::splat<f64>(b);
        const f64 t = x >= va ? x : va;  // NaN gives a
        return t <= vb ? t : vb;
    };
    if constexpr (E == Edge::Inside) {
        f64 i[2], fr[2];
        for (int k = 0; k < 2; ++k) i[k] = clamp(fl[k], 0, static_cast<double>(n - 2)), fr[k] = v[k] - i[k];
        *i0 = vec::i32_of<true>(i[0], i[1]);
        *i1 = *i0 + 1;
        *f = vec::f32_of(fr[0], fr[1]);
    } else {
        *f = vec::f32_of(v[0] - fl[0], v[1] - fl[1]);
        const double top = E == Edge::Replicate ? 0 : -1, bottom = E == Edge::Replicate ? n - 1 : n;
        const vec::i32 a = vec::i32_of<true>(clamp(fl[0], top, bottom), clamp(fl[1], top, bottom));
        const vec::i32 b = vec::i32_of<true>(clamp(fl[0] + 1, top, bottom), clamp(fl[1] + 1, top, bottom));
        if constexpr (E == Edge::Replicate) {
            *i0 = a, *i1 = b;
        } else {
            const vec::i32 zero = vec::splat<vec::i32>(0), last = vec::splat<vec::i32>(static_cast<int>(n - 1));
            *out0 = a < zero | a > last;
            *out1 = b < zero | b > last;
            *i0 = a < zero ? zero : a > last ? last : a;
            *i1 = b < zero ? zero : b > last ? last : b;
        }
    }
}

// Channel c of the pixels at (column, row) indices: 8u from one 32-bit word
// that ends inside the row (its start moved back at the row's end), 32f from
// the element itself.
template <class T, int CH>
inline vec::f32 band_tap(const Band& b, vec::i32 rowOffset, vec::i32 ix, int c, vec::u32* word) {
    if constexpr (std::is_same_v<T, float>) {
        const vec::i32 off = rowOffset + ix * (CH * 4) + c * 4;
        return vec::as<vec::f32>(vec::gather_u32(b.src, off));
    } else {
        const vec::i32 at = ix * CH, limit = vec::splat<vec::i32>(static_cast<int>(b.w * CH - 4));
        const vec::i32 start = at < limit ? at : limit;
        if (c == 0) *word = vec::gather_u32(b.src, rowOffset + start) >> vec::as<vec::u32>((at - start) * 8);
        const vec::u32 byte = (*word >> (8 * c)) & 0xFF;
        return vec::as<vec::f32>(vec::to_f32(vec::as<vec::I>(byte)));
    }
}

template <class T, int CH, Edge E>
void linear_band(const Band& b) {
    using vec::f32;
    using vec::f64;
    using vec::i32;
    constexpr int R = kBandRows, H = R / 2;
    constexpr I64 kPixel = CH * static_cast<I64>(sizeof(T));
    I64 from = std::numeric_limits<I64>::max(), to = -1;
    alignas(64) std::int32_t first[R], last[R];
    for (int r = 0; r < R; ++r) {
        if (b.first[r] <= b.last[r]) from = std::min(from, b.first[r]), to = std::max(to, b.last[r]);
        first[r] = static_cast<std::int32_t>(b.first[r]);
        last[r] = static_cast<std::int32_t>(b.last[r]);
    }
    if (to < from) return;
    const i32 vfirst = vec::as<i32>(vec::loadu(first)), vlast = vec::as<i32>(vec::loadu(last));
    f64 X[2] = {vec::loadu(b.X0), vec::loadu(b.X0 + H)}, Y[2] = {vec::loadu(b.Y0), vec::loadu(b.Y0 + H)};
    const f64 dx = vec::splat<f64>(b.b00), dy = vec::splat<f64>(b.b10);
    for (I64 k = 0; k < from; ++k) X[0] += dx, X[1] += dx, Y[0] += dy, Y[1] += dy;
    const i32 step = vec::splat<i32>(static_cast<int>(b.srcStep));
    f32 border[CH];
    for (int c = 0; c < CH; ++c) border[c] = vec::splat<f32>(b.border[c]);
    for (I64 k = from; k <= to; ++k, X[0] += dx, X[1] += dx, Y[0] += dy, Y[1] += dy) {
        const i32 col = vec::splat<i32>(static_cast<int>(k));
        const std::uint64_t active = vec::lane_bits(vfirst <= col & col <= vlast);
        if (!active) continue;
        i32 x0, x1, xo0, xo1, y0, y1, yo0, yo1;
        f32 fx, fy;
        band_axis<E>(X[0], X[1], b.w, &x0, &x1, &xo0, &xo1, &fx);
        band_axis<E>(Y[0], Y[1], b.h, &y0, &y1, &yo0, &yo1, &fy);
        const i32 r0 = y0 * step, r1 = y1 * step;
        alignas(64) std::int32_t outI[CH][R];
        alignas(64) float outF[CH][R];
        vec::u32 w00{}, w01{}, w10{}, w11{};
        for (int c = 0; c < CH; ++c) {
            f32 p00 = band_tap<T, CH>(b, r0, x0, c, &w00), p01 = band_tap<T, CH>(b, r0, x1, c, &w01);
            f32 p10 = band_tap<T, CH>(b, r1, x0, c, &w10), p11 = band_tap<T, CH>(b, r1, x1, c, &w11);
            if constexpr (E == Edge::Constant) {
                p00 = (xo0 | yo0) != 0 ? border[c] : p00;
                p01 = (xo1 | yo0) != 0 ? border[c] : p01;
                p10 = (xo0 | yo1) != 0 ? border[c] : p10;
                p11 = (xo1 | yo1) != 0 ? border[c] : p11;
            }
            const f32 top = p00 + (p01 - p00) * fx;
            const f32 bottom = p10 + (p11 - p10) * fx;
            const f32 v = top + fy * (bottom - top);
            if constexpr (std::is_same_v<T, float>) {
                vec::storeu(outF[c], vec::as<vec::F>(v));
            } else {
                const f32 lo = vec::splat<f32>(0.0f), hi = vec::splat<f32>(255.0f);
                const f32 t = v > lo ? v : lo;  // NaN gives 0
                vec::storeu(outI[c], vec::to_i32(vec::as<vec::F>(t < hi ? t : hi)));
            }
        }
        for (std::uint64_t m = active; m; m &= m - 1) {
            const int r = __builtin_ctzll(m);
            char* d = b.dst[r] + (k - b.x) * kPixel;
            if constexpr (std::is_same_v<T, float>) {
                for (int c = 0; c < CH; ++c) __builtin_memcpy(d + 4 * c, &outF[c][r], 4);
            } else {
                for (int c = 0; c < CH; ++c) d[c] = static_cast<char>(outI[c][r]);
            }
        }
    }
}

}  // namespace rvl::kernels::warp
