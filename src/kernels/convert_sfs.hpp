// Conversions with a scale factor: saturate(round(x * 2^-scaleFactor)),
// sixteen elements at a time, with the rounding mode chosen per call and
// applied by explicit SSE4.1 rounding (the rounding control is not used).
//
// Three shapes cover every source type exactly:
//   - 8- and 16-bit integers: shifts on 32-bit lanes;
//   - 32f: two multiplications by powers of two in single precision;
//   - 32s, 32u and 64f: the same in double precision.
// The two multiplications split 2^-scaleFactor into factors that are normal
// numbers, so the product is exact whenever the result is a normal number;
// when it is not, it is either below one quarter (and rounds to 0 in every
// mode) or beyond every destination range (and saturates).
#pragma once

#include <smmintrin.h>

#include <cmath>
#include <cstdint>

#include "kernels/convert.hpp"
#include "kernels/lanes.hpp"
#include "kernels/rounding.hpp"

namespace rvl {

// ---- Rounding an already scaled value to an integral value ----------------

template <Round M>
inline __m128 round_by(__m128 v) {
    const __m128 t = _mm_round_ps(v, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC);
    if constexpr (M == Round::TowardZero) return t;
    if constexpr (M == Round::NearestEven) return _mm_round_ps(v, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
    // Half away from zero: the fraction v - t is exact.
    const __m128 signBit = _mm_set1_ps(-0.0f);
    const __m128 frac = _mm_andnot_ps(signBit, _mm_sub_ps(v, t));
    const __m128 one = _mm_or_ps(_mm_set1_ps(1.0f), _mm_and_ps(v, signBit));
    return _mm_add_ps(t, _mm_and_ps(_mm_cmpge_ps(frac, _mm_set1_ps(0.5f)), one));
}

template <Round M>
inline __m128d round_by(__m128d v) {
    const __m128d t = _mm_round_pd(v, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC);
    if constexpr (M == Round::TowardZero) return t;
    if constexpr (M == Round::NearestEven) return _mm_round_pd(v, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
    const __m128d signBit = _mm_set1_pd(-0.0);
    const __m128d frac = _mm_andnot_pd(signBit, _mm_sub_pd(v, t));
    const __m128d one = _mm_or_pd(_mm_set1_pd(1.0), _mm_and_pd(v, signBit));
    return _mm_add_pd(t, _mm_and_pd(_mm_cmpge_pd(frac, _mm_set1_pd(0.5)), one));
}

// Splits 2^-scaleFactor into two normal factors of the same direction. The
// exponent is first limited to where every result is already decided (all
// zeros or all saturated), which keeps both halves inside the normal range.
template <class F>
inline void power_of_two_factors(int scaleFactor, int maxHalf, F& f1, F& f2) {
    long e = -static_cast<long>(scaleFactor);
    if (e > 2L * maxHalf) e = 2L * maxHalf;
    if (e < -2L * maxHalf) e = -2L * maxHalf;
    const int e1 = static_cast<int>(e / 2), e2 = static_cast<int>(e - e / 2);
    f1 = static_cast<F>(std::ldexp(1.0, e1));
    f2 = static_cast<F>(std::ldexp(1.0, e2));
}

// ---- 32f sources ------------------------------------------------------------

template <class D, Round M>
struct SfsFloatOp {
    static constexpr std::size_t kBlock = 16;
    float f1, f2;
    explicit SfsFloatOp(int scaleFactor) { power_of_two_factors(scaleFactor, 126, f1, f2); }

    template <Store St>
    void block(const Rvl32f* s, D* d) const {
        const __m128 a = _mm_set1_ps(f1), b = _mm_set1_ps(f2);
        const F32x16 r = each(load_f32(s), [&](__m128 v) { return round_by<M>(_mm_mul_ps(_mm_mul_ps(v, a), b)); });
        I32x16 out;
        for (int k = 0; k < 4; ++k) {
            const __m128 v = r.v[k];
            if constexpr (std::is_same_v<D, Rvl32u>) {
                // Negative and NaN lanes become 0; [2^31, 2^32) is converted
                // from v - 2^31 with the top bit set back; beyond saturates.
                const __m128 top = _mm_set1_ps(2147483648.0f);
                const __m128 p = _mm_max_ps(v, _mm_setzero_ps());
                const __m128 high = _mm_cmpge_ps(p, top);
                __m128i i = _mm_cvttps_epi32(_mm_sub_ps(p, _mm_and_ps(high, top)));
                i = _mm_xor_si128(i, _mm_and_si128(_mm_castps_si128(high), _mm_set1_epi32(INT32_MIN)));
                out.v[k] = _mm_or_si128(i, _mm_castps_si128(_mm_cmpge_ps(p, _mm_set1_ps(4294967296.0f))));
            } else if constexpr (std::is_same_v<D, Rvl32s>) {
                const __m128i i = _mm_cvttps_epi32(v);
                out.v[k] = _mm_blendv_epi8(i, _mm_set1_epi32(INT32_MAX),
                                           _mm_castps_si128(_mm_cmpge_ps(v, _mm_set1_ps(2147483648.0f))));
            } else {
                out.v[k] = _mm_cvttps_epi32(min_keep_nan(_mm_set1_ps(65536.0f), v));
            }
        }
        store_sat<St>(d, out);
    }
};

// ---- 8- and 16-bit integer sources ------------------------------------------

template <class S, class D, Round M>
struct SfsSmallIntOp {
    static constexpr std::size_t kBlock = 16;
    int shift;  // > 0: right shift with rounding; <= 0: left shift
    // |x| < 2^16, so a right shift of 18 already leaves less than a quarter,
    // and a left shift of 15 saturates every non-zero value in every
    // destination while staying inside 32 bits.
    explicit SfsSmallIntOp(int scaleFactor) : shift(scaleFactor > 18 ? 18 : scaleFactor < -15 ? -15 : scaleFactor) {}

    template <Store St>
    void block(const S* s, D* d) const {
        const I32x16 x = load_i32(s);
        if (shift <= 0) {
            const __m128i count = _mm_cvtsi32_si128(-shift);
            store_sat<St>(d, each(x, [&](__m128i v) { return _mm_sll_epi32(v, count); }));
            return;
        }
        const __m128i count = _mm_cvtsi32_si128(shift);
        const __m128i half = _mm_set1_epi32(1 << (shift - 1));
        store_sat<St>(d, each(x, [&](__m128i v) {
            const __m128i a = _mm_abs_epi32(v);
            __m128i r;
            if constexpr (M == Round::TowardZero) {
                r = _mm_srl_epi32(a, count);
            } else if constexpr (M == Round::HalfAway) {
                r = _mm_srl_epi32(_mm_add_epi32(a, half), count);
            } else {
                // Ties go to the even quotient: add half - 1, plus one more
                // when the truncated quotient is odd.
                const __m128i odd = _mm_and_si128(_mm_srl_epi32(a, count), _mm_set1_epi32(1));
                r = _mm_srl_epi32(_mm_add_epi32(_mm_add_epi32(a, half), _mm_sub_epi32(odd, _mm_set1_epi32(1))), count);
            }
            return _mm_sign_epi32(r, v);
        }));
    }
};

// ---- 32s, 32u and 64f sources ------------------------------------------------

template <class S>
inline void load_f64(const S* s, __m128d (&v)[8]) {
    if constexpr (std::is_same_v<S, Rvl64f>) {
        for (int k = 0; k < 8; ++k) v[k] = _mm_loadu_pd(s + 2 * k);
    } else {
        const I32x16 x = load_i32(s);
        for (int k = 0; k < 4; ++k) {
            __m128i w = x.v[k];
            if constexpr (std::is_same_v<S, Rvl32u>) w = _mm_xor_si128(w, _mm_set1_epi32(INT32_MIN));
            v[2 * k] = _mm_cvtepi32_pd(w);
            v[2 * k + 1] = _mm_cvtepi32_pd(_mm_srli_si128(w, 8));
            if constexpr (std::is_same_v<S, Rvl32u>) {
                v[2 * k] = _mm_add_pd(v[2 * k], _mm_set1_pd(2147483648.0));
                v[2 * k + 1] = _mm_add_pd(v[2 * k + 1], _mm_set1_pd(2147483648.0));
            }
        }
    }
}

template <class S, class D, Round M>
struct SfsDoubleOp {
    static constexpr std::size_t kBlock = 16;
    double f1, f2;
    explicit SfsDoubleOp(int scaleFactor) { power_of_two_factors(scaleFactor, 1022, f1, f2); }

    template <Store St>
    void block(const S* s, D* d) const {
        __m128d v[8];
        load_f64(s, v);
        const __m128d a = _mm_set1_pd(f1), b = _mm_set1_pd(f2);
        const __m128d lo = _mm_set1_pd(lowest_of<D>), hi = _mm_set1_pd(highest_of<D>);
        I32x16 out;
        for (int k = 0; k < 4; ++k) {
            __m128i half[2];
            for (int j = 0; j < 2; ++j) {
                const __m128d r = round_by<M>(_mm_mul_pd(_mm_mul_pd(v[2 * k + j], a), b));
                // Limited to the destination range; a NaN passes both limits
                // and converts to 0x80000000.
                half[j] = _mm_cvttpd_epi32(_mm_min_pd(hi, _mm_max_pd(lo, r)));
            }
            out.v[k] = _mm_unpacklo_epi64(half[0], half[1]);
        }
        store_sat<St>(d, out);
    }
};

}  // namespace rvl
