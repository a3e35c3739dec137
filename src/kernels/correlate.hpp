// Row kernels of the general filter: out[e] = sum over taps of k * row_i[e + j*C]
// for every element e of an output row (C interleaved channels share the
// kernel, so a row is a flat run of elements and tap j is j*C elements on).
//
// Each kernel computes blocks of 16 output elements in registers, walking the
// taps in kernel order (row by row, left to right; the first product
// initialises the sum). A row of at least 16 elements ends with a block
// shifted back to the row's end (the overlap is recomputed with identical
// results); a shorter row is summed element by element with the same
// operations in the same order and finished by the same block code, so every
// element gets the same value wherever it lies.
//
// Coefficients are read from `kend`, the last element of the reversed kernel,
// downwards: tap t of the kernel is kend[-t].
#pragma once

#include <smmintrin.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>

#include "frame/neighbourhood.hpp"

namespace rvl::kernels {

constexpr int kCorrelateBlock = 16;

// ---- Sums in single precision ---------------------------------------------

// 16 elements of T as four f32 registers.
template <class T>
inline void load16_f32(const T* p, __m128 v[4]) {
    if constexpr (std::is_same_v<T, float>) {
        for (int q = 0; q < 4; ++q) v[q] = _mm_loadu_ps(p + 4 * q);
    } else if constexpr (sizeof(T) == 1) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        v[0] = _mm_cvtepi32_ps(_mm_cvtepu8_epi32(b));
        v[1] = _mm_cvtepi32_ps(_mm_cvtepu8_epi32(_mm_srli_si128(b, 4)));
        v[2] = _mm_cvtepi32_ps(_mm_cvtepu8_epi32(_mm_srli_si128(b, 8)));
        v[3] = _mm_cvtepi32_ps(_mm_cvtepu8_epi32(_mm_srli_si128(b, 12)));
    } else {
        for (int h = 0; h < 2; ++h) {
            const __m128i w = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 8 * h));
            if constexpr (std::is_signed_v<T>) {
                v[2 * h] = _mm_cvtepi32_ps(_mm_cvtepi16_epi32(w));
                v[2 * h + 1] = _mm_cvtepi32_ps(_mm_cvtepi16_epi32(_mm_srli_si128(w, 8)));
            } else {
                v[2 * h] = _mm_cvtepi32_ps(_mm_cvtepu16_epi32(w));
                v[2 * h + 1] = _mm_cvtepi32_ps(_mm_cvtepu16_epi32(_mm_srli_si128(w, 8)));
            }
        }
    }
}

template <class T, int C>
struct SumF32 {
    using Lane = float;
    struct Acc { __m128 r[4]; };
    const float* kend;
    int kw, kh;

    void block(const RowSet<T>& rows, std::int64_t e, Acc& a) const {
        const float* k = kend;
        __m128 v[4];
        const T* p = rows.row(0) + e;
        load16_f32(p, v);
        __m128 c = _mm_set1_ps(*k);
        for (int q = 0; q < 4; ++q) a.r[q] = _mm_mul_ps(c, v[q]);
        int j = 1;
        for (int i = 0; i < kh; ++i, j = 0) {
            p = rows.row(i) + e;
            for (; j < kw; ++j) {
                c = _mm_set1_ps(k[-(i * kw + j)]);
                load16_f32(p + j * C, v);
                for (int q = 0; q < 4; ++q) a.r[q] = _mm_add_ps(a.r[q], _mm_mul_ps(c, v[q]));
            }
        }
    }
    float one(const RowSet<T>& rows, std::int64_t e) const {
        float s = kend[0] * static_cast<float>(rows.row(0)[e]);
        int j = 1;
        for (int i = 0; i < kh; ++i, j = 0) {
            const T* p = rows.row(i) + e;
            for (; j < kw; ++j) s = s + kend[-(i * kw + j)] * static_cast<float>(p[j * C]);
        }
        return s;
    }
    static void from_lanes(const float* lanes, Acc& a) {
        for (int q = 0; q < 4; ++q) a.r[q] = _mm_loadu_ps(lanes + 4 * q);
    }
};

// ---- Sums in double precision (64f data) -----------------------------------

template <int C>
struct SumF64 {
    using Lane = double;
    struct Acc { __m128d r[8]; };
    const double* kend;
    int kw, kh;

    void block(const RowSet<double>& rows, std::int64_t e, Acc& a) const {
        const double* k = kend;
        const double* p = rows.row(0) + e;
        __m128d c = _mm_set1_pd(*k);
        for (int q = 0; q < 8; ++q) a.r[q] = _mm_mul_pd(c, _mm_loadu_pd(p + 2 * q));
        int j = 1;
        for (int i = 0; i < kh; ++i, j = 0) {
            p = rows.row(i) + e;
            for (; j < kw; ++j) {
                c = _mm_set1_pd(k[-(i * kw + j)]);
                const double* s = p + j * C;
                for (int q = 0; q < 8; ++q) a.r[q] = _mm_add_pd(a.r[q], _mm_mul_pd(c, _mm_loadu_pd(s + 2 * q)));
            }
        }
    }
    double one(const RowSet<double>& rows, std::int64_t e) const {
        double s = kend[0] * rows.row(0)[e];
        int j = 1;
        for (int i = 0; i < kh; ++i, j = 0) {
            const double* p = rows.row(i) + e;
            for (; j < kw; ++j) s = s + kend[-(i * kw + j)] * p[j * C];
        }
        return s;
    }
    static void from_lanes(const double* lanes, Acc& a) {
        for (int q = 0; q < 8; ++q) a.r[q] = _mm_loadu_pd(lanes + 2 * q);
    }
};

// ---- Integer sums (int32, wrapping) ----------------------------------------

struct IntAcc { __m128i r[4]; };

// 8 elements of an 8-bit or 16-bit signed type as int16 lanes.
template <class T>
inline __m128i load8_i16(const T* p) {
    if constexpr (sizeof(T) == 1)
        return _mm_cvtepu8_epi16(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)));
    else
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

template <class T, int C>
inline std::int32_t int_sum_one(const RowSet<T>& rows, std::int64_t e, const std::int16_t* kend, int kw, int kh) {
    std::uint32_t s = 0;
    for (int i = 0; i < kh; ++i) {
        const T* p = rows.row(i) + e;
        for (int j = 0; j < kw; ++j)
            s += static_cast<std::uint32_t>(static_cast<std::int32_t>(kend[-(i * kw + j)]) * static_cast<std::int32_t>(p[j * C]));
    }
    return static_cast<std::int32_t>(s);
}

inline void int_from_lanes(const std::int32_t* lanes, IntAcc& a) {
    for (int q = 0; q < 4; ++q) a.r[q] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lanes + 4 * q));
}

// 8u and 16s data: pairs of taps through the 16-bit multiply-add, which
// forms both products and their sum exactly in each 32-bit lane (the one
// product pair that reaches 2^31 wraps, as the int32 sum does).
template <class T, int C>
struct SumMadd {
    using Lane = std::int32_t;
    using Acc = IntAcc;
    const std::int16_t* kend;
    const std::int32_t* pairs;
    int kw, kh;

    void block(const RowSet<T>& rows, std::int64_t e, Acc& a) const {
        for (int q = 0; q < 4; ++q) a.r[q] = _mm_setzero_si128();
        const int perRow = (kw + 1) >> 1;
        const std::int32_t* w = pairs;
        for (int i = 0; i < kh; ++i) {
            const T* p = rows.row(i) + e;
            for (int pp = 0; pp < perRow; ++pp, ++w) {
                const __m128i coeff = _mm_set1_epi32(*w);
                const T* s0 = p + 2 * pp * C;
                const bool second = 2 * pp + 1 < kw;
                for (int h = 0; h < 2; ++h) {
                    const __m128i v0 = load8_i16(s0 + 8 * h);
                    const __m128i v1 = second ? load8_i16(s0 + C + 8 * h) : _mm_setzero_si128();
                    a.r[2 * h] = _mm_add_epi32(a.r[2 * h], _mm_madd_epi16(_mm_unpacklo_epi16(v0, v1), coeff));
                    a.r[2 * h + 1] = _mm_add_epi32(a.r[2 * h + 1], _mm_madd_epi16(_mm_unpackhi_epi16(v0, v1), coeff));
                }
            }
        }
    }
    std::int32_t one(const RowSet<T>& rows, std::int64_t e) const { return int_sum_one<T, C>(rows, e, kend, kw, kh); }
    static void from_lanes(const std::int32_t* lanes, Acc& a) { int_from_lanes(lanes, a); }
};

// 8u data with a kernel whose sum of |K| times 255 fits in int16: every
// partial sum fits, so 16-bit products and sums give the exact int32 sum at
// twice the width.
template <int C>
struct SumNarrow8u {
    using Lane = std::int32_t;
    using Acc = IntAcc;
    const std::int16_t* kend;
    int kw, kh;

    void block(const RowSet<std::uint8_t>& rows, std::int64_t e, Acc& a) const {
        __m128i lo = _mm_setzero_si128(), hi = _mm_setzero_si128();
        const __m128i zero = _mm_setzero_si128();
        for (int i = 0; i < kh; ++i) {
            const std::uint8_t* p = rows.row(i) + e;
            for (int j = 0; j < kw; ++j) {
                const __m128i c = _mm_set1_epi16(kend[-(i * kw + j)]);
                const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + j * C));
                lo = _mm_add_epi16(lo, _mm_mullo_epi16(_mm_unpacklo_epi8(b, zero), c));
                hi = _mm_add_epi16(hi, _mm_mullo_epi16(_mm_unpackhi_epi8(b, zero), c));
            }
        }
        a.r[0] = _mm_cvtepi16_epi32(lo);
        a.r[1] = _mm_cvtepi16_epi32(_mm_srli_si128(lo, 8));
        a.r[2] = _mm_cvtepi16_epi32(hi);
        a.r[3] = _mm_cvtepi16_epi32(_mm_srli_si128(hi, 8));
    }
    std::int32_t one(const RowSet<std::uint8_t>& rows, std::int64_t e) const {
        return int_sum_one<std::uint8_t, C>(rows, e, kend, kw, kh);
    }
    static void from_lanes(const std::int32_t* lanes, Acc& a) { int_from_lanes(lanes, a); }
};

// 16u data: values beyond int16, so taps are multiplied in 32-bit lanes.
template <int C>
struct SumWide16u {
    using Lane = std::int32_t;
    using Acc = IntAcc;
    const std::int16_t* kend;
    int kw, kh;

    void block(const RowSet<std::uint16_t>& rows, std::int64_t e, Acc& a) const {
        for (int q = 0; q < 4; ++q) a.r[q] = _mm_setzero_si128();
        for (int i = 0; i < kh; ++i) {
            const std::uint16_t* p = rows.row(i) + e;
            for (int j = 0; j < kw; ++j) {
                const __m128i c = _mm_set1_epi32(kend[-(i * kw + j)]);
                for (int q = 0; q < 4; ++q) {
                    const __m128i v = _mm_cvtepu16_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p + j * C + 4 * q)));
                    a.r[q] = _mm_add_epi32(a.r[q], _mm_mullo_epi32(v, c));
                }
            }
        }
    }
    std::int32_t one(const RowSet<std::uint16_t>& rows, std::int64_t e) const {
        return int_sum_one<std::uint16_t, C>(rows, e, kend, kw, kh);
    }
    static void from_lanes(const std::int32_t* lanes, Acc& a) { int_from_lanes(lanes, a); }
};

// ---- The row driver ---------------------------------------------------------

// Sum: block(rows, e, acc), one(rows, e), from_lanes(lanes, acc).
// Finish: store(acc, out) writes 16 elements.
template <class T, class Sum, class Finish>
inline void correlate_row(const RowSet<T>& rows, std::int64_t n, T* out, const Sum& sum, const Finish& finish) {
    typename Sum::Acc acc;
    if (n >= kCorrelateBlock) {
        std::int64_t e = 0;
        for (; e + kCorrelateBlock <= n; e += kCorrelateBlock) {
            sum.block(rows, e, acc);
            finish.store(acc, out + e);
        }
        if (e < n) {
            e = n - kCorrelateBlock;
            sum.block(rows, e, acc);
            finish.store(acc, out + e);
        }
        return;
    }
    typename Sum::Lane lanes[kCorrelateBlock] = {};
    for (std::int64_t e = 0; e < n; ++e) lanes[e] = sum.one(rows, e);
    Sum::from_lanes(lanes, acc);
    T tmp[kCorrelateBlock];
    finish.store(acc, tmp);
    std::memcpy(out, tmp, static_cast<std::size_t>(n) * sizeof(T));
}

}  // namespace rvl::kernels
