// Row kernels of the general filter: out[e] = sum over taps of k * row_i[e + j*C]
// for every element e of an output row (C interleaved channels share the
// kernel, so a row is a flat run of elements and tap j is j*C elements on).
//
// Each kernel computes a block of output elements in registers, walking the
// taps in kernel order (row by row, left to right; the first product
// initialises the sum), and gives one element alone by the same operations
// in the same order, for rows shorter than a block. Every element is a chain
// of its own, so the block width does not change any value: the single-
// precision sums take eight registers of the processor's full width.
//
// Coefficients are read from `kend`, the last element of the reversed kernel,
// downwards: tap t of the kernel is kend[-t].
#pragma once

#include <smmintrin.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>
#include <utility>

#include "kernels/row_set.hpp"
#include "kernels/vec.hpp"

// Block kernels and finishes are inlined into the row loop, so the
// accumulators stay in registers.
#define RVL_ALWAYS_INLINE inline __attribute__((always_inline))

namespace rvl::kernels {

// ---- Sums in single precision ---------------------------------------------

// lanes<float> elements of T as single-precision values.
template <class T>
RVL_ALWAYS_INLINE vec::f32 load_as_f32(const T* p) {
    if constexpr (std::is_same_v<T, float>)
        return vec::loadu(p);
    else
        return __builtin_convertvector(vec::as<vec::i32>(vec::load_i32(p)), vec::f32);
}

// Eight accumulators of the full width: the additions of one element form a
// chain, and eight chains keep the adder busy.
template <class T, int C>
struct SumF32 {
    using Lane = float;
    static constexpr int kRegs = 8;
    static constexpr int kBlock = kRegs * static_cast<int>(vec::lanes<float>);
    struct Acc { vec::f32 r[kRegs]; };
    const float* coeff;  // tap t at coeff[4 * t]
    int kw, kh;

    RVL_ALWAYS_INLINE void block(const RowSet<T>& rows, std::int64_t e, Acc& a) const {
        constexpr std::int64_t L = vec::lanes<float>;
        const float* k = coeff;
        const T* p = rows.row(0) + e;
        vec::f32 c = vec::splat<vec::f32>(*k);
        for (int q = 0; q < kRegs; ++q) a.r[q] = c * load_as_f32(p + q * L);
        k += 4;
        int j = 1;
        for (int i = 0; i < kh; ++i, j = 0) {
            p = rows.row(i) + e + j * C;
            for (; j < kw; ++j, k += 4, p += C) {
                c = vec::splat<vec::f32>(*k);
                for (int q = 0; q < kRegs; ++q) a.r[q] = a.r[q] + c * load_as_f32(p + q * L);
            }
        }
    }

    // kGroup output rows at once from kh + kGroup - 1 source rows (output
    // row r reads rows r .. r + kh - 1), kGroupRegs registers each: every
    // register loaded from a source row feeds the sums of all the output
    // rows that read it, each sum taking its taps in the order block() takes
    // them, so every element gets the same value. Full-width loads at a
    // shifted column mostly straddle two cache lines; shared between rows,
    // they leave the multiplies and adds as the bound.
    //
    // Only the 64-byte registers group rows: narrower loads seldom straddle
    // a line, and there the grouping cost more than it saved. Sixteen
    // accumulators (of the 32 registers); integer data keeps eight registers
    // per row, as its finish packs four registers of sums into one of pixels.
    static constexpr int kGroup = vec::kBytes < 64 ? 1 : std::is_same_v<T, float> ? 4 : 2;
    static constexpr int kGroupRegs = 16 / kGroup;
    static constexpr int kGroupBlock = kGroupRegs * static_cast<int>(vec::lanes<float>);
    struct GroupAcc { vec::f32 r[kGroupRegs]; };

    RVL_ALWAYS_INLINE void block_group(const RowSet<T>& rows, std::int64_t e, GroupAcc (&acc)[kGroup]) const {
        // Source row s feeds output rows lo .. hi; row s < kGroup is the
        // first row of output row s, whose first product initialises it.
        for (int s = 0; s < kh + kGroup - 1; ++s) {
            const int lo = s - kh + 1 > 0 ? s - kh + 1 : 0, hi = s < kGroup - 1 ? s : kGroup - 1;
            const int key = (lo * kGroup + hi) * 2 + (s < kGroup);
            const T* p = rows.row(s) + e;
            with_key(key, std::make_integer_sequence<int, kGroup * kGroup * 2>{}, [&](auto k) __attribute__((always_inline)) {
                constexpr int K = decltype(k)::value, Lo = K / 2 / kGroup, Hi = K / 2 % kGroup;
                if constexpr (Lo <= Hi) group_row<Lo, Hi, (K & 1) != 0>(p, s, acc);
            });
        }
    }

    template <int... I, class F>
    RVL_ALWAYS_INLINE static void with_key(int key, std::integer_sequence<int, I...>, F&& f) {
        (void)((key == I ? (f(std::integral_constant<int, I>{}), true) : false) || ...);
    }

    // Source row s, every tap of its kernel rows: tap (s - r, j) into output
    // row r for r = Lo .. Hi; with Starts, tap (0, 0) initialises row Hi.
    template <int Lo, int Hi, bool Starts>
    RVL_ALWAYS_INLINE void group_row(const T* p, int s, GroupAcc (&acc)[kGroup]) const {
        group_tap<Lo, Hi, Starts>(p, s, 0, acc);
        for (int j = 1; j < kw; ++j) group_tap<Lo, Hi, false>(p + j * C, s, j, acc);
    }

    template <int Lo, int Hi, bool Starts>
    RVL_ALWAYS_INLINE void group_tap(const T* p, int s, int j, GroupAcc (&acc)[kGroup]) const {
        constexpr std::int64_t L = vec::lanes<float>;
        vec::f32 c[kGroup];
#pragma GCC unroll 4
        for (int r = Lo; r <= Hi; ++r) c[r] = vec::splat<vec::f32>(coeff[4 * (std::int64_t{s - r} * kw + j)]);
#pragma GCC unroll 4
        for (int q = 0; q < kGroupRegs; ++q) {
            vec::f32 x = load_as_f32(p + q * L);
            vec::keep(x);  // one load for every row
#pragma GCC unroll 4
            for (int r = Lo; r <= Hi; ++r) {
                if (Starts && r == Hi)
                    acc[r].r[q] = c[r] * x;
                else
                    acc[r].r[q] = acc[r].r[q] + c[r] * x;
            }
        }
    }

    float one(const RowSet<T>& rows, std::int64_t e) const {
        float s = coeff[0] * static_cast<float>(rows.row(0)[e]);
        int j = 1;
        for (int i = 0; i < kh; ++i, j = 0) {
            const T* p = rows.row(i) + e;
            for (; j < kw; ++j) s = s + coeff[4 * (i * kw + j)] * static_cast<float>(p[j * C]);
        }
        return s;
    }
    static void from_lanes(const float* lanes, Acc& a) {
        for (int q = 0; q < kRegs; ++q) a.r[q] = vec::loadu(lanes + q * vec::lanes<float>);
    }
};

// Whether a sum kernel computes several output rows at once (block_group).
template <class Sum, class = void>
inline constexpr bool kGroups = false;
template <class Sum>
inline constexpr bool kGroups<Sum, std::void_t<decltype(Sum::kGroupBlock)>> = (Sum::kGroup > 1);

// ---- Sums in double precision (64f data) -----------------------------------

template <int C>
struct SumF64 {
    using Lane = double;
    static constexpr int kBlock = 16;
    struct Acc { __m128d r[8]; };
    const double* kend;
    int kw, kh;

    RVL_ALWAYS_INLINE void block(const RowSet<double>& rows, std::int64_t e, Acc& a) const {
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

// The kernel's taps in order, two at a time: pair(p0, p1, second) gets the
// addresses of taps 2q and 2q+1 (a pair may span two kernel rows); the last
// tap of an odd count comes with second = false and p1 = p0.
template <class T, int C, class Pair>
RVL_ALWAYS_INLINE void for_tap_pairs(const RowSet<T>& rows, std::int64_t e, int kw, int kh, Pair&& pair) {
    const int odd = kw & 1, full = kw >> 1;
    for (int i = 0; i < kh; i += 2) {
        const T* p = rows.row(i) + e;
        for (int q = 0; q < full; ++q, p += 2 * C) pair(p, p + C, true);
        if (i + 1 == kh) {
            if (odd) pair(p, p, false);
            return;
        }
        const T* n = rows.row(i + 1) + e;
        if (odd) pair(p, n, true);
        n += odd * C;
        for (int q = 0; q < full; ++q, n += 2 * C) pair(n, n + C, true);
    }
}

// 8 elements of an 8-bit or 16-bit signed type as int16 lanes.
template <class T>
RVL_ALWAYS_INLINE __m128i load8_i16(const T* p) {
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

// What the integer sum loops share: the int32 lanes, the kernel, and the
// element-by-element sum of short rows.
template <class T, int C>
struct IntSum {
    using Lane = std::int32_t;
    static constexpr int kBlock = 16;
    using Acc = IntAcc;
    const std::int16_t* kend;
    int kw, kh;

    std::int32_t one(const RowSet<T>& rows, std::int64_t e) const { return int_sum_one<T, C>(rows, e, kend, kw, kh); }
    static void from_lanes(const std::int32_t* lanes, Acc& a) {
        for (int q = 0; q < 4; ++q) a.r[q] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lanes + 4 * q));
    }
};

// 8u and 16s data: pairs of taps through the 16-bit multiply-add, which
// forms both products and their sum exactly in each 32-bit lane (the one
// product pair that reaches 2^31 wraps, as the int32 sum does).
template <class T, int C>
struct SumMadd : IntSum<T, C> {
    using IntSum<T, C>::kw, IntSum<T, C>::kh;
    const __m128i* pairs;  // taps 2q and 2q+1 as int16 pairs over a register

    RVL_ALWAYS_INLINE void block(const RowSet<T>& rows, std::int64_t e, IntAcc& a) const {
        for (int q = 0; q < 4; ++q) a.r[q] = _mm_setzero_si128();
        const __m128i* w = pairs;
        for_tap_pairs<T, C>(rows, e, kw, kh, [&](const T* s0, const T* s1, bool second) {
            for (int h = 0; h < 2; ++h) {
                const __m128i v0 = load8_i16(s0 + 8 * h);
                const __m128i v1 = second ? load8_i16(s1 + 8 * h) : _mm_setzero_si128();
                a.r[2 * h] = _mm_add_epi32(a.r[2 * h], _mm_madd_epi16(_mm_unpacklo_epi16(v0, v1), *w));
                a.r[2 * h + 1] = _mm_add_epi32(a.r[2 * h + 1], _mm_madd_epi16(_mm_unpackhi_epi16(v0, v1), *w));
            }
            ++w;
        });
    }
};

// 8u data with int8 coefficients whose sum of |K| times 255 fits int16:
// every pair of products and every partial sum fits, so the unsigned-by-
// signed byte multiply-add and 16-bit sums give the exact int32 sum at
// twice the width of the 16-bit multiply-add.
template <int C>
struct SumBytePairs8u : IntSum<std::uint8_t, C> {
    using IntSum<std::uint8_t, C>::kw, IntSum<std::uint8_t, C>::kh;
    const __m128i* pairs;  // taps 2q and 2q+1 as int8 pairs over a register

    RVL_ALWAYS_INLINE void block(const RowSet<std::uint8_t>& rows, std::int64_t e, IntAcc& a) const {
        __m128i lo = _mm_setzero_si128(), hi = _mm_setzero_si128();
        const __m128i* w = pairs;
        for_tap_pairs<std::uint8_t, C>(rows, e, kw, kh, [&](const std::uint8_t* p0, const std::uint8_t* p1, bool) {
            // The zero-weighted partner of an odd count's last tap is the tap itself.
            const __m128i b0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p0));
            const __m128i b1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p1));
            lo = _mm_add_epi16(lo, _mm_maddubs_epi16(_mm_unpacklo_epi8(b0, b1), *w));
            hi = _mm_add_epi16(hi, _mm_maddubs_epi16(_mm_unpackhi_epi8(b0, b1), *w));
            ++w;
        });
        a.r[0] = _mm_cvtepi16_epi32(lo);
        a.r[1] = _mm_cvtepi16_epi32(_mm_srli_si128(lo, 8));
        a.r[2] = _mm_cvtepi16_epi32(hi);
        a.r[3] = _mm_cvtepi16_epi32(_mm_srli_si128(hi, 8));
    }
};

// 16u data: values beyond int16, so taps are multiplied in 32-bit lanes.
template <int C>
struct SumWide16u : IntSum<std::uint16_t, C> {
    using IntSum<std::uint16_t, C>::kw, IntSum<std::uint16_t, C>::kh, IntSum<std::uint16_t, C>::kend;

    RVL_ALWAYS_INLINE void block(const RowSet<std::uint16_t>& rows, std::int64_t e, IntAcc& a) const {
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
};

}  // namespace rvl::kernels
