// The single-precision tap sums of the filtering resizes (cubic, Lanczos,
// antialiasing, super-sampling).
//
// Every output element is the sum, in tap order, of value * weight: the
// first product, then one addition per further tap, each a single-precision
// multiply and add (never fused). Vector and scalar forms perform exactly
// these operations per element, so every element gets the same bits in
// every register width and in the scalar tails.
#pragma once

#include <smmintrin.h>

#include <cstdint>
#include <limits>
#include <type_traits>

#include "kernels/vec.hpp"

namespace rvl::kernels {

// ---- Rounded stores ------------------------------------------------------------------

// A sum stored as D: 32f as it is; integers clamped to D's range, then
// rounded by the rounding control (the callers run under round-to-nearest,
// ties to even). A NaN sum gives D's lowest value in every form.
template <class D>
inline D store_tap_sum(float v) {
    if constexpr (std::is_same_v<D, float>) {
        return v;
    } else {
        constexpr float lo = static_cast<float>(std::numeric_limits<D>::min());
        constexpr float hi = static_cast<float>(std::numeric_limits<D>::max());
        v = v < lo ? lo : v;
        v = v > hi ? hi : v;
        const int i = _mm_cvtss_si32(_mm_set_ss(v));
        return static_cast<D>(i < lo ? static_cast<int>(lo) : i);
    }
}

template <class S>
inline vec::f32 load_as_f32(const S* p) {
    if constexpr (std::is_same_v<S, float>) return vec::as<vec::f32>(vec::loadu(p));
    else return vec::as<vec::f32>(vec::to_f32(vec::load_i32(p)));
}

// Four registers of sums stored as D.
template <class D>
inline void store_tap_sums(D* out, const vec::f32 (&v)[4]) {
    constexpr std::size_t L = vec::lanes<float>;
    if constexpr (std::is_same_v<D, float>) {
        for (int q = 0; q < 4; ++q) vec::storeu(out + q * L, vec::as<vec::F>(v[q]));
    } else {
        const vec::f32 lo = vec::splat<vec::f32>(static_cast<float>(std::numeric_limits<D>::min()));
        const vec::f32 hi = vec::splat<vec::f32>(static_cast<float>(std::numeric_limits<D>::max()));
        vec::I r[4];
        for (int q = 0; q < 4; ++q) {
            vec::f32 x = v[q] < lo ? lo : v[q];
            x = x > hi ? hi : x;
            r[q] = vec::to_i32(vec::as<vec::F>(x));
        }
        vec::store_sat4<false>(out, r);
    }
}

// ---- Sums across rows ------------------------------------------------------------------

// out[e] = sum over k of rows[k][e] * w[k], for e in [0, count): the
// vertical pass of the filters (float rows) and the column sums of
// super-sampling (source rows).
template <class S, class D>
void weighted_rows(const S* const* rows, const float* w, int n, std::int64_t count, D* out) {
    constexpr std::int64_t L = vec::lanes<float>;
    std::int64_t e = 0;
    for (; e + 4 * L <= count; e += 4 * L) {
        vec::f32 acc[4];
        const vec::f32 w0 = vec::splat<vec::f32>(w[0]);
        for (int q = 0; q < 4; ++q) acc[q] = load_as_f32(rows[0] + e + q * L) * w0;
        for (int k = 1; k < n; ++k) {
            const vec::f32 wk = vec::splat<vec::f32>(w[k]);
            for (int q = 0; q < 4; ++q) acc[q] = acc[q] + load_as_f32(rows[k] + e + q * L) * wk;
        }
        store_tap_sums(out + e, acc);
    }
    for (; e < count; ++e) {
        float acc = static_cast<float>(rows[0][e]) * w[0];
        for (int k = 1; k < n; ++k) acc = acc + static_cast<float>(rows[k][e]) * w[k];
        out[e] = store_tap_sum<D>(acc);
    }
}

// acc[e] = row[e] * w (first) or acc[e] + row[e] * w: the sum across rows
// built one row at a time (the column sums of super-sampling).
template <class S>
void accumulate_row(const S* row, float w, std::int64_t count, bool first, float* acc) {
    constexpr std::int64_t L = vec::lanes<float>;
    const vec::f32 wv = vec::splat<vec::f32>(w);
    std::int64_t e = 0;
    for (; e + L <= count; e += L) {
        const vec::f32 p = load_as_f32(row + e) * wv;
        vec::storeu(acc + e, vec::as<vec::F>(first ? p : vec::as<vec::f32>(vec::loadu(acc + e)) + p));
    }
    for (; e < count; ++e) {
        const float p = static_cast<float>(row[e]) * w;
        acc[e] = first ? p : acc[e] + p;
    }
}

// ---- Sums along a row ---------------------------------------------------------------------

// Four consecutive elements as floats (16-byte register in every variant).
template <class T>
inline __m128 load4(const T* p) {
    if constexpr (std::is_same_v<T, float>) {
        return _mm_loadu_ps(p);
    } else if constexpr (sizeof(T) == 1) {
        std::int32_t four;
        __builtin_memcpy(&four, p, 4);
        return _mm_cvtepi32_ps(_mm_cvtepu8_epi32(_mm_cvtsi32_si128(four)));
    } else {
        const __m128i x = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
        return _mm_cvtepi32_ps(std::is_signed_v<T> ? _mm_cvtepi16_epi32(x) : _mm_cvtepu16_epi32(x));
    }
}

// The horizontal pass over output columns [c0, c1): column c sums the n
// pixels from pixel cols[c] + shift of `in` with the weights w[c * n ..],
// per channel;
// out holds C floats per column. `safe` is the first column whose 16-byte
// read of its last tap could pass the pixels the caller may read (three
// channels read one element beyond the pixel).
template <class T, int C>
void tap_row(const T* in, const std::int32_t* cols, std::int64_t shift, const float* w, int n, std::int64_t c0,
             std::int64_t c1, std::int64_t safe, float* out) {
    auto first = [&](std::int64_t c) { return (cols[c] + shift) * C; };
    std::int64_t c = c0;
    if constexpr (C == 1) {
        if (n == 4) {
            // Four columns at once: the four taps of each column, products
            // transposed so each register holds one tap of four columns.
            const std::int64_t end = c1 - 3;
            for (; c < end; c += 4) {
                __m128 p[4];
                for (int j = 0; j < 4; ++j) p[j] = _mm_mul_ps(load4(in + first(c + j)), _mm_loadu_ps(w + (c + j) * 4));
                _MM_TRANSPOSE4_PS(p[0], p[1], p[2], p[3]);
                __m128 acc = _mm_add_ps(p[0], p[1]);
                acc = _mm_add_ps(acc, p[2]);
                acc = _mm_add_ps(acc, p[3]);
                _mm_storeu_ps(out + c, acc);
            }
        }
    } else {
        // One pixel per register; three channels write a fourth lane that the
        // next column overwrites, so the range's last column is left to the
        // scalar loop.
        const std::int64_t end = C == 3 ? std::min(c1 - 1, safe) : c1;
        for (; c < end; ++c) {
            const T* p = in + first(c);
            const float* wc = w + c * n;
            __m128 acc = _mm_mul_ps(load4(p), _mm_set1_ps(wc[0]));
            for (int k = 1; k < n; ++k) acc = _mm_add_ps(acc, _mm_mul_ps(load4(p + k * C), _mm_set1_ps(wc[k])));
            _mm_storeu_ps(out + c * C, acc);
        }
    }
    for (; c < c1; ++c) {
        const T* p = in + first(c);
        const float* wc = w + c * n;
        for (int ch = 0; ch < C; ++ch) {
            float acc = static_cast<float>(p[ch]) * wc[0];
            for (int k = 1; k < n; ++k) acc = acc + static_cast<float>(p[k * C + ch]) * wc[k];
            out[c * C + ch] = acc;
        }
    }
}

// ---- One pixel in a register -------------------------------------------------------

// The first C lanes of v stored as T, with the values of store_tap_sum.
template <class T, int C>
inline void store_pixel(T* out, __m128 v) {
    if constexpr (std::is_same_v<T, float>) {
        if constexpr (C == 4) {
            _mm_storeu_ps(out, v);
        } else {
            float t[4];
            _mm_storeu_ps(t, v);
            for (int ch = 0; ch < C; ++ch) out[ch] = t[ch];
        }
    } else {
        using f4 = float __attribute__((vector_size(16)));
        constexpr float lo = static_cast<float>(std::numeric_limits<T>::min());
        constexpr float hi = static_cast<float>(std::numeric_limits<T>::max());
        f4 x = reinterpret_cast<f4&>(v);
        const f4 vlo = {lo, lo, lo, lo}, vhi = {hi, hi, hi, hi};
        x = x < vlo ? vlo : x;
        x = x > vhi ? vhi : x;
        const __m128i i = _mm_max_epi32(_mm_cvtps_epi32(reinterpret_cast<__m128&>(x)), _mm_set1_epi32(static_cast<int>(lo)));
        std::int32_t t[4];
        _mm_storeu_si128(reinterpret_cast<__m128i*>(t), i);
        for (int ch = 0; ch < C; ++ch) out[ch] = static_cast<T>(t[ch]);
    }
}

// Super-sampling along a row: output column c sums the column sums at
// base(c) + index[k] (C floats each) with weights[k], k < n, then takes the
// factor. `pixel` gives (base, index, weights) of a column. Three- and
// four-channel pixels are summed in one register (sums must hold one float
// beyond its last pixel).
template <class T, int C, class Pixel>
void super_row(const float* sums, std::int64_t width, int n, float factor, Pixel pixel, T* out) {
    if constexpr (C >= 3) {
        const __m128 f = _mm_set1_ps(factor);
        for (std::int64_t c = 0; c < width; ++c) {
            std::int64_t base;
            const std::int32_t* ix;
            const float* w;
            pixel(c, &base, &ix, &w);
            __m128 acc = _mm_mul_ps(_mm_loadu_ps(sums + (base + ix[0]) * C), _mm_set1_ps(w[0]));
            for (int k = 1; k < n; ++k) acc = _mm_add_ps(acc, _mm_mul_ps(_mm_loadu_ps(sums + (base + ix[k]) * C), _mm_set1_ps(w[k])));
            store_pixel<T, C>(out + c * C, _mm_mul_ps(f, acc));
        }
    } else {
        for (std::int64_t c = 0; c < width; ++c) {
            std::int64_t base;
            const std::int32_t* ix;
            const float* w;
            pixel(c, &base, &ix, &w);
            float acc = sums[base + ix[0]] * w[0];
            for (int k = 1; k < n; ++k) acc = acc + sums[base + ix[k]] * w[k];
            out[c] = store_tap_sum<T>(factor * acc);
        }
    }
}

}  // namespace rvl::kernels
