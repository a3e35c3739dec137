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

#include <algorithm>
#include <cstdint>
#include <utility>
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
        for (int q = 0; q < 4; ++q) r[q] = vec::to_i32(vec::as<vec::F>(vec::clamp(v[q], lo, hi)));
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
        } else {
            // Four columns at once, one tap of each per register.
            const std::int64_t end = c1 - 3;
            for (; c < end; c += 4) {
                const T* p[4] = {in + first(c), in + first(c + 1), in + first(c + 2), in + first(c + 3)};
                const float* wc = w + c * n;
                auto tap = [&](int k) {
                    const __m128 x = _mm_setr_ps(static_cast<float>(p[0][k]), static_cast<float>(p[1][k]),
                                                 static_cast<float>(p[2][k]), static_cast<float>(p[3][k]));
                    return _mm_mul_ps(x, _mm_setr_ps(wc[k], wc[n + k], wc[2 * n + k], wc[3 * n + k]));
                };
                __m128 acc = tap(0);
                for (int k = 1; k < n; ++k) acc = _mm_add_ps(acc, tap(k));
                _mm_storeu_ps(out + c, acc);
            }
        }
    } else {
        // One pixel per register, four pixels interleaved (their sums are
        // independent chains); three channels write a fourth lane that the
        // next column overwrites, so the range's last column is left to the
        // scalar loop.
        const std::int64_t end = C == 3 ? std::min(c1 - 1, safe) : c1;
        for (; c + 4 <= end; c += 4) {
            const T* p[4];
            const float* wc[4];
            __m128 acc[4];
            for (int j = 0; j < 4; ++j) {
                p[j] = in + first(c + j);
                wc[j] = w + (c + j) * n;
                acc[j] = _mm_mul_ps(load4(p[j]), _mm_set1_ps(wc[j][0]));
            }
            for (int k = 1; k < n; ++k)
                for (int j = 0; j < 4; ++j) acc[j] = _mm_add_ps(acc[j], _mm_mul_ps(load4(p[j] + k * C), _mm_set1_ps(wc[j][k])));
            for (int j = 0; j < 4; ++j) _mm_storeu_ps(out + (c + j) * C, acc[j]);
        }
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

// ---- Several rows at once -------------------------------------------------------------

// Rows filtered together: one 16-byte pixel of each per register.
constexpr int kTapRows = static_cast<int>(vec::lanes<float> / 4);

// Floats of the stack block that holds the rows' pixels (16 KiB, in the
// first-level cache while its columns are summed).
constexpr std::int64_t kTapBlock = 4096;

#if RVL_VEC_BYTES > 16
// 8u pixels into the block, 16 source bytes of each row per step: row r's
// bytes go to the 128-bit quarter r of one register, and one byte shuffle
// per pixel widens its C bytes (the same in every quarter) to 32 bits,
// zero in a three-channel pixel's fourth lane. Steps of 5 three-channel or
// 4 four-channel pixels, each written as one block register.
template <int C>
inline void block_u8(const std::uint8_t* const* src, std::int64_t at, float* out) {
    constexpr int kStep = 16 / C;
    const __m128i x0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src[0] + at));
#if RVL_VEC_BYTES == 64
    __m512i x = _mm512_castsi128_si512(x0);
    x = _mm512_inserti32x4(x, _mm_loadu_si128(reinterpret_cast<const __m128i*>(src[1] + at)), 1);
    x = _mm512_inserti32x4(x, _mm_loadu_si128(reinterpret_cast<const __m128i*>(src[2] + at)), 2);
    x = _mm512_inserti32x4(x, _mm_loadu_si128(reinterpret_cast<const __m128i*>(src[3] + at)), 3);
#else
    const __m256i x = _mm256_inserti128_si256(_mm256_castsi128_si256(x0), _mm_loadu_si128(reinterpret_cast<const __m128i*>(src[1] + at)), 1);
#endif
    for (int q = 0; q < kStep; ++q) {
        alignas(16) std::int8_t order[16];
        for (int j = 0; j < 16; ++j) order[j] = j % 4 == 0 && j / 4 < C ? static_cast<std::int8_t>(q * C + j / 4) : -1;
        const vec::I ctl = vec::broadcast128(_mm_load_si128(reinterpret_cast<const __m128i*>(order)));
        vec::storeu(out + q * 4 * kTapRows, vec::to_f32(RVL_MM(shuffle_epi8)(x, ctl)));
    }
}
#endif

// The horizontal pass of tap_row over `rows` (at most kTapRows) source rows
// in[r] into out[r]. The rows share their weights, so where a register
// holds several 16-byte pixels, kTapRows three- or four-channel rows are
// filtered together: a chunk of the rows' pixels is converted to float
// into a stack block where pixel p of row r fills lanes [4r, 4r + 4) of
// register p (a three-channel pixel with the next pixel's first element, or
// zero, in its fourth lane), and every tap is one load of that register
// times one broadcast weight. Each lane performs the operations of tap_row
// in the same order, so the sums are the same. Eight columns run at once:
// independent sums hide the latency of the additions.
//
// The rest goes row by row: single-channel rows, taps too wide for the
// block, fewer rows than a register holds (a partly filled register costs
// what a full one does, and its conversion more: measured slower), and
// 16-byte registers (one pixel each, where the block adds only its
// conversion: measured slower).
template <class T, int C>
void tap_rows(const T* const* in, int rows, const std::int32_t* cols, std::int64_t shift, const float* w, int n,
              std::int64_t c0, std::int64_t c1, std::int64_t safe, float* const* out) {
#if RVL_VEC_BYTES > 16
    constexpr int R = kTapRows;
    constexpr std::int64_t kPixels = kTapBlock / (4 * R);
    if (C != 1 && n <= kPixels && rows == R) {
        alignas(64) float block[kTapBlock];
        // Column c's sums (one register) stored to the rows; a three-channel
        // pixel's fourth lane lands on the next column, which is written after
        // it, except after the range's last column.
        auto put = [&](std::int64_t c, vec::f32 acc) {
            [&]<int... Q>(std::integer_sequence<int, Q...>) {
                ([&] {
                    const __m128 q = vec::lane128<Q>(vec::as<vec::F>(acc));
                    float* o = out[Q] + c * C;
                    if (C == 4 || c + 1 < c1) {
                        _mm_storeu_ps(o, q);
                    } else {
                        float t[4];
                        _mm_storeu_ps(t, q);
                        for (int ch = 0; ch < C; ++ch) o[ch] = t[ch];
                    }
                }(), ...);
            }(std::make_integer_sequence<int, R>{});
        };
        std::int64_t c = c0;
        while (c < c1) {
            // The columns whose taps fit the block: cols[ce - 1] + n <= cols[c] + kPixels.
            const std::int64_t base = cols[c];
            const std::int64_t ce = std::upper_bound(cols + c + 1, cols + c1, base + kPixels - n,
                                                     [](std::int64_t v, std::int32_t x) { return v < x; }) - cols;
            const std::int64_t count = cols[ce - 1] - base + n;
            std::int64_t p = 0;
            if constexpr (sizeof(T) == 1) {
                // Sixteen bytes read per row and step must stay in the chunk.
                constexpr std::int64_t kStep = 16 / C;
                for (; p * C + 16 <= count * C; p += kStep) block_u8<C>(in, (base + shift + p) * C, block + p * R * 4);
            }
            for (; p < count; ++p) {
                for (int r = 0; r < R; ++r) {
                    const T* e = in[r] + (base + shift + p) * C;
                    const __m128 v = C == 4 || p + 1 < count ? load4(e)
                                                             : _mm_setr_ps(static_cast<float>(e[0]), static_cast<float>(e[1]),
                                                                           static_cast<float>(e[2]), 0.0f);
                    _mm_store_ps(block + (p * R + r) * 4, v);
                }
            }
            auto pixel = [&](std::int64_t col, int k) {
                return vec::as<vec::f32>(vec::loadu(block + (cols[col] - base + k) * 4 * R));
            };
            constexpr int J = 8;
            for (; c + J <= ce; c += J) {
                vec::f32 acc[J];
                for (int j = 0; j < J; ++j) acc[j] = pixel(c + j, 0) * vec::splat<vec::f32>(w[(c + j) * n]);
                for (int k = 1; k < n; ++k)
                    for (int j = 0; j < J; ++j) acc[j] = acc[j] + pixel(c + j, k) * vec::splat<vec::f32>(w[(c + j) * n + k]);
                for (int j = 0; j < J; ++j) put(c + j, acc[j]);
            }
            for (; c < ce; ++c) {
                vec::f32 acc = pixel(c, 0) * vec::splat<vec::f32>(w[c * n]);
                for (int k = 1; k < n; ++k) acc = acc + pixel(c, k) * vec::splat<vec::f32>(w[c * n + k]);
                put(c, acc);
            }
        }
        return;
    }
#endif
    for (int r = 0; r < rows; ++r) tap_row<T, C>(in[r], cols, shift, w, n, c0, c1, safe, out[r]);
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

// Super-sampling along a row. Output column c lies at place `at` of its
// period (D' places, S' source columns each) whose first column is `base`
// in sums; it sums the column sums at base + index[at n + k] (C floats
// each) with weights[at n + k], k < n, then takes the factor. Three- and
// four-channel pixels are summed in one register (sums must hold one float
// beyond its last pixel).
template <class T, int C>
void super_row(const float* sums, std::int64_t width, int n, float factor, const std::int32_t* index, const float* weights,
               std::int64_t places, std::int64_t period, std::int64_t at, std::int64_t base, T* out) {
    for (std::int64_t c = 0; c < width; ++c) {
        const std::int32_t* ix = index + at * n;
        const float* w = weights + at * n;
        if constexpr (C >= 3) {
            __m128 acc = _mm_mul_ps(_mm_loadu_ps(sums + (base + ix[0]) * C), _mm_set1_ps(w[0]));
            for (int k = 1; k < n; ++k) acc = _mm_add_ps(acc, _mm_mul_ps(_mm_loadu_ps(sums + (base + ix[k]) * C), _mm_set1_ps(w[k])));
            store_pixel<T, C>(out + c * C, _mm_mul_ps(_mm_set1_ps(factor), acc));
        } else {
            float acc = sums[base + ix[0]] * w[0];
            for (int k = 1; k < n; ++k) acc = acc + sums[base + ix[k]] * w[k];
            out[c] = store_tap_sum<T>(factor * acc);
        }
        if (++at == places) {
            at = 0;
            base += period;
        }
    }
}

// ---- Whole-pixel blocks of a power-of-two area ----------------------------------------
//
// When both axes shrink by whole factors kx, ky with kx ky = 2^shift <= 256
// and the data are integers, every weight is 1 and every single-precision
// sum of the super-sampling formula is an exact integer (below 2^24), and the
// factor 2^-shift is exact: the formula's result is the block sum divided by
// 2^shift, rounded half to even. These loops compute exactly that in
// integers.

// acc[e] = row[e] (first) or acc[e] + row[e].
template <class T>
void add_row_i32(const T* row, std::int64_t count, bool first, std::int32_t* acc) {
    constexpr std::int64_t L = vec::lanes<std::int32_t>;
    std::int64_t e = 0;
    for (; e + L <= count; e += L) {
        const vec::i32 p = vec::as<vec::i32>(vec::load_i32(row + e));
        vec::storeu(acc + e, vec::as<vec::I>(first ? p : vec::as<vec::i32>(vec::loadu(acc + e)) + p));
    }
    for (; e < count; ++e) acc[e] = first ? row[e] : acc[e] + row[e];
}

// sum / 2^shift rounded half to even (shift >= 1).
inline __m128i halve_even(__m128i sum, int shift) {
    const __m128i q = _mm_sra_epi32(sum, _mm_cvtsi32_si128(shift));
    const __m128i r = _mm_and_si128(sum, _mm_set1_epi32((1 << shift) - 1));
    const __m128i half = _mm_set1_epi32(1 << (shift - 1));
    const __m128i odd = _mm_and_si128(q, _mm_set1_epi32(1));
    const __m128i up = _mm_or_si128(_mm_srli_epi32(_mm_cmpgt_epi32(r, half), 31), _mm_and_si128(_mm_cmpeq_epi32(r, half), odd));
    return _mm_add_epi32(q, up);
}
inline std::int32_t halve_even(std::int32_t sum, int shift) {
    const std::int32_t q = sum >> shift, r = sum & ((1 << shift) - 1), half = 1 << (shift - 1);
    return q + (r > half || (r == half && (q & 1)));
}

// The first n lanes (already in T's range) stored as T.
template <class T>
inline void store_lanes(T* out, __m128i v, int n) {
    std::int32_t t[4];
    _mm_storeu_si128(reinterpret_cast<__m128i*>(t), v);
    for (int k = 0; k < n; ++k) out[k] = static_cast<T>(t[k]);
}
template <class T>
inline void store4(T* out, __m128i v) {
    if constexpr (sizeof(T) == 1) {
        const int four = _mm_cvtsi128_si32(_mm_packus_epi16(_mm_packus_epi32(v, v), v));
        __builtin_memcpy(out, &four, 4);
    } else {
        const __m128i p = std::is_signed_v<T> ? _mm_packs_epi32(v, v) : _mm_packus_epi32(v, v);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out), p);
    }
}

// Output column c is the mean of the kx column sums from c kx (C ints each;
// three channels read one int beyond the last column).
template <class T, int C>
void block_mean_row(const std::int32_t* sums, std::int64_t width, int kx, int shift, T* out) {
    std::int64_t c = 0;
    if constexpr (C == 1) {
        if (kx == 2) {
            for (; c + 4 <= width; c += 4) {
                const __m128 a = _mm_castsi128_ps(_mm_loadu_si128(reinterpret_cast<const __m128i*>(sums + 2 * c)));
                const __m128 b = _mm_castsi128_ps(_mm_loadu_si128(reinterpret_cast<const __m128i*>(sums + 2 * c + 4)));
                const __m128i even = _mm_castps_si128(_mm_shuffle_ps(a, b, _MM_SHUFFLE(2, 0, 2, 0)));
                const __m128i odd = _mm_castps_si128(_mm_shuffle_ps(a, b, _MM_SHUFFLE(3, 1, 3, 1)));
                store4(out + c, halve_even(_mm_add_epi32(even, odd), shift));
            }
        }
        for (; c < width; ++c) {
            std::int32_t sum = sums[c * kx];
            for (int j = 1; j < kx; ++j) sum += sums[c * kx + j];
            out[c] = static_cast<T>(halve_even(sum, shift));
        }
    } else {
        for (; c < width; ++c) {
            const std::int32_t* p = sums + c * kx * C;
            __m128i sum = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            for (int j = 1; j < kx; ++j) sum = _mm_add_epi32(sum, _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + j * C)));
            store_lanes(out + c * C, halve_even(sum, shift), C);
        }
    }
}

// 8u blocks two pixels wide. Per 16 source bytes of each of the ky rows,
// the bytes of each pixel pair are made neighbours (a shuffle for three and
// four channels) and summed pairwise into 16-bit lanes (area <= 256 keeps
// the sums below 2^16); the sums are rounded and packed: out[c C + ch] for
// the `width` output pixels.
template <int C, int KY = 0>
void pair_block_row_u8(const std::uint8_t* const* rows, int rowCount, std::int64_t width, int shift, std::uint8_t* out) {
    const int ky = KY ? KY : rowCount;  // a fixed count unrolls the row loop
    // Source bytes taken per step (two pixels per output pixel) and the order
    // that puts the two pixels' channels side by side.
    constexpr std::int64_t kIn = C == 3 ? 12 : 16;
    const __m128i order = C == 3 ? _mm_setr_epi8(0, 3, 1, 4, 2, 5, 6, 9, 7, 10, 8, 11, -1, -1, -1, -1)
                                 : _mm_setr_epi8(0, 4, 1, 5, 2, 6, 3, 7, 8, 12, 9, 13, 10, 14, 11, 15);
    const __m128i ones = _mm_set1_epi8(1), one = _mm_set1_epi16(1);
    const __m128i mask = _mm_set1_epi16(static_cast<short>((1 << shift) - 1)), half = _mm_set1_epi16(static_cast<short>(1 << (shift - 1)));
    const __m128i count = _mm_cvtsi32_si128(shift);
    const std::int64_t inBytes = 2 * width * C, outBytes = width * C;
    // The rounded block means of the 16 source bytes at i of every row.
    auto means = [&](std::int64_t i) {
        __m128i sum = _mm_setzero_si128();
        for (int l = 0; l < ky; ++l) {
            __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[l] + i));
            if constexpr (C != 1) x = _mm_shuffle_epi8(x, order);
            sum = _mm_add_epi16(sum, _mm_maddubs_epi16(x, ones));
        }
        const __m128i q = _mm_srl_epi16(sum, count), r = _mm_and_si128(sum, mask);
        // r and half are below 2^15: the signed comparison is the unsigned one.
        const __m128i up = _mm_or_si128(_mm_and_si128(_mm_cmpgt_epi16(r, half), one),
                                        _mm_and_si128(_mm_cmpeq_epi16(r, half), _mm_and_si128(q, one)));
        return _mm_add_epi16(q, up);
    };
    std::int64_t i = 0;
    if constexpr (C != 3) {
#if RVL_VEC_BYTES >= 32
        // 32-byte registers: the same sums per 128-bit half, 64 source
        // bytes a step; the packs work per half, one permutation restores
        // the order.
        const __m256i order2 = _mm256_broadcastsi128_si256(order), ones2 = _mm256_set1_epi8(1), one2 = _mm256_set1_epi16(1);
        const __m256i mask2 = _mm256_broadcastsi128_si256(mask), half2 = _mm256_broadcastsi128_si256(half);
        auto means2 = [&](std::int64_t at) {
            __m256i sum = _mm256_setzero_si256();
            for (int l = 0; l < ky; ++l) {
                __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows[l] + at));
                if constexpr (C != 1) x = _mm256_shuffle_epi8(x, order2);
                sum = _mm256_add_epi16(sum, _mm256_maddubs_epi16(x, ones2));
            }
            const __m256i q = _mm256_srl_epi16(sum, count), r = _mm256_and_si256(sum, mask2);
            const __m256i up = _mm256_or_si256(_mm256_and_si256(_mm256_cmpgt_epi16(r, half2), one2),
                                               _mm256_and_si256(_mm256_cmpeq_epi16(r, half2), _mm256_and_si256(q, one2)));
            return _mm256_add_epi16(q, up);
        };
        for (; i + 64 <= inBytes && i / 2 + 32 <= outBytes; i += 64)
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i / 2),
                                _mm256_permute4x64_epi64(_mm256_packus_epi16(means2(i), means2(i + 32)), 0xD8));
#endif
        for (; i + 32 <= inBytes && i / 2 + 16 <= outBytes; i += 32)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i / 2), _mm_packus_epi16(means(i), means(i + 16)));
    }
    for (; i + 16 <= inBytes && i / 2 + 8 <= outBytes; i += kIn) {
        const __m128i v = means(i);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + i / 2), _mm_packus_epi16(v, v));
    }
    for (std::int64_t e = i / 2; e < outBytes; ++e) {
        const std::int64_t c = e / C, ch = e % C;
        std::int32_t sum = 0;
        for (int l = 0; l < ky; ++l) sum += rows[l][2 * c * C + ch] + rows[l][2 * c * C + C + ch];
        out[e] = static_cast<std::uint8_t>(halve_even(sum, shift));
    }
}

}  // namespace rvl::kernels
