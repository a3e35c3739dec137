// Finishing a block of filter sums into the destination type.
//
// Floating sums: stored as they are (32f, 64f), or, for integer data, offset,
// clamped to the type's range and rounded by the specification's mode.
// Integer sums: the accurate rounding of q / divisor (q = sum + offset times
// divisor) by mode and divisor class, or the 8u vector-loop rounding (halves
// to even by shifts for a power-of-two divisor; a single-precision product
// with the reciprocal, converted under the processor's rounding control, for
// other divisors), the offset added and the result clamped to int16 before
// the final saturation.
#pragma once

#include <smmintrin.h>

#include <cmath>
#include <iterator>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "kernels/correlate.hpp"
#include "kernels/lanes.hpp"
#include "kernels/rounding.hpp"

namespace rvl::kernels {

// Four int32 registers (16 lanes) saturated into 16 elements of T.
template <class T>
RVL_ALWAYS_INLINE void pack_store(const __m128i (&r)[4], T* out) {
    vec::store_sat4_16<false>(out, r);
}

struct StoreF32 {
    template <class Acc>
    RVL_ALWAYS_INLINE void store(const Acc& a, float* out) const {
        for (std::size_t q = 0; q < std::size(a.r); ++q) vec::storeu(out + q * vec::lanes<float>, a.r[q]);
    }
};

struct StoreF64 {
    template <class Acc>
    RVL_ALWAYS_INLINE void store(const Acc& a, double* out) const {
        for (std::size_t q = 0; q < std::size(a.r); ++q) _mm_storeu_pd(out + 2 * q, a.r[q]);
    }
};

// f32 sums of integer data: + offset, clamp to [min, max] (a NaN passes the
// clamp and converts to the integer indefinite value, which saturates to the
// type's minimum), then round by M, independent of the rounding control.
template <class T, Round M>
struct FinishF32ToInt {
    float offset;

    RVL_ALWAYS_INLINE static vec::f32 round_lane(vec::f32 s) {
        if constexpr (M == Round::TowardZero) {
            return s;
        } else if constexpr (M == Round::NearestEven) {
            return vec::round<_MM_FROUND_TO_NEAREST_INT>(s);
        } else {
            // Halves away from zero: the truncation moved by one where the
            // exact fraction reaches a half.
            const vec::f32 t = vec::round<_MM_FROUND_TO_ZERO>(s), f = s - t;
            const vec::f32 one = vec::splat<vec::f32>(1.0f), none{};
            return t + (f >= 0.5f ? one : none) - (f <= -0.5f ? one : none);
        }
    }

    template <class Acc>
    RVL_ALWAYS_INLINE void store(const Acc& a, T* out) const {
        const vec::f32 lo = vec::splat<vec::f32>(static_cast<float>(std::numeric_limits<T>::min()));
        const vec::f32 hi = vec::splat<vec::f32>(static_cast<float>(std::numeric_limits<T>::max()));
        constexpr std::size_t kRegs = sizeof(a.r) / sizeof(a.r[0]);
        static_assert(kRegs % 4 == 0, "whole blocks of four registers");
        for (std::size_t g = 0; g < kRegs / 4; ++g) {
            I32Quad r;
            for (std::size_t q = 0; q < 4; ++q) {
                r.v[q] = vec::trunc_i32(round_lane(vec::clamp(a.r[4 * g + q] + offset, lo, hi)));
            }
            store_sat<Store::Cached>(out + kQuad * g, r);
        }
    }
};

// 8u vector loop, power-of-two divisor 2^s: halves to even whatever the
// mode, then the offset.
struct FinishShift8u {
    int shift;
    std::int32_t offset;
    RVL_ALWAYS_INLINE void store(const IntAcc& a, std::uint8_t* out) const {
        const __m128i sh = _mm_cvtsi32_si128(shift);
        const __m128i one = _mm_set1_epi32(1);
        const __m128i bias = _mm_set1_epi32((1 << (shift - 1)) - 1);
        const __m128i off = _mm_set1_epi32(offset);
        __m128i r[4];
        for (int q = 0; q < 4; ++q) {
            const __m128i odd = _mm_and_si128(_mm_sra_epi32(a.r[q], sh), one);
            r[q] = _mm_add_epi32(_mm_sra_epi32(_mm_add_epi32(_mm_add_epi32(a.r[q], odd), bias), sh), off);
        }
        pack_store(r, out);
    }
};

// 8u vector loop, other divisors: float(sum) * (1/divisor) converted under
// the rounding control the caller of the row loop has set, then the offset.
struct FinishReciprocal8u {
    float reciprocal;
    std::int32_t offset;
    RVL_ALWAYS_INLINE void store(const IntAcc& a, std::uint8_t* out) const {
        const __m128 rcp = _mm_set1_ps(reciprocal);
        const __m128i off = _mm_set1_epi32(offset);
        __m128i r[4];
        for (int q = 0; q < 4; ++q)
            r[q] = _mm_add_epi32(_mm_cvtps_epi32(_mm_mul_ps(_mm_cvtepi32_ps(a.r[q]), rcp)), off);
        pack_store(r, out);
    }
};

// Accurate rounding of sum / 2^s (s = 0: the sum itself) in 32-bit lanes, for
// sums that cannot leave int32 on the way (the caller checks the bound) and
// no offset.
template <class T, Round M>
struct FinishShiftAccurate {
    int shift;
    RVL_ALWAYS_INLINE void store(const IntAcc& a, T* out) const {
        __m128i r[4];
        if (shift == 0) {
            for (int q = 0; q < 4; ++q) r[q] = a.r[q];
            return pack_store(r, out);
        }
        const __m128i sh = _mm_cvtsi32_si128(shift);
        const __m128i mask = _mm_set1_epi32((1 << shift) - 1);
        const __m128i bias = _mm_set1_epi32((1 << (shift - 1)) - 1);
        const __m128i zero = _mm_setzero_si128();
        for (int q = 0; q < 4; ++q) {
            const __m128i s = a.r[q];
            const __m128i floor = _mm_sra_epi32(s, sh);
            const __m128i frac = _mm_and_si128(s, mask);
            if constexpr (M == Round::TowardZero) {
                const __m128i negative = _mm_cmplt_epi32(s, zero);
                r[q] = _mm_sra_epi32(_mm_add_epi32(s, _mm_and_si128(negative, mask)), sh);
            } else if constexpr (M == Round::NearestEven) {
                const __m128i odd = _mm_and_si128(floor, _mm_set1_epi32(1));
                r[q] = _mm_add_epi32(floor, _mm_sra_epi32(_mm_add_epi32(_mm_add_epi32(odd, frac), bias), sh));
            } else {
                const __m128i positive = _mm_sra_epi32(_mm_add_epi32(s, _mm_set1_epi32(1 << (shift - 1))), sh);
                const __m128i negative = _mm_add_epi32(floor, _mm_sra_epi32(_mm_add_epi32(frac, bias), sh));
                r[q] = _mm_blendv_epi8(positive, negative, _mm_cmplt_epi32(s, zero));
            }
        }
        pack_store(r, out);
    }
};

// The accurate rounding of one sum, for every divisor class and any offset:
// q = sum + offset * divisor in 64 bits.
struct AccurateRule {
    int divisorClass, shift, mode;
    std::int64_t divisor;
    double divisorD;
    std::int64_t offsetTerm;

    template <class T>
    T apply(std::int32_t sum) const {
        constexpr std::int64_t lo = std::numeric_limits<T>::min(), hi = std::numeric_limits<T>::max();
        const std::int64_t q = std::int64_t{sum} + offsetTerm;
        if (std::is_same_v<T, std::uint8_t> && q < 1) return 0;
        std::int64_t r;
        if (divisorClass == 0) {
            r = q;
        } else if (divisorClass == 1) {
            const std::int64_t mask = (std::int64_t{1} << shift) - 1, half = std::int64_t{1} << (shift - 1);
            const std::int64_t floor = q >> shift, frac = q & mask;
            if (mode == 0) r = (q < 0 ? q + mask : q) >> shift;
            else if (mode == 1) r = floor + (((floor & 1) + frac + half - 1) >> shift);
            else r = q > 0 ? (q + half) >> shift : floor + ((frac + half - 1) >> shift);
        } else {
            const double v = static_cast<double>(q) / divisorD;
            if (v >= static_cast<double>(hi)) return static_cast<T>(hi);
            if (v <= static_cast<double>(lo)) return static_cast<T>(lo);
            if (mode == 0) {
                r = q / divisor;
            } else {
                double t = v > 0 ? std::trunc(v + 0.5) : std::trunc(v - 0.5);
                if (mode == 1 && std::fabs(t - v) == 0.5 && std::fmod(t, 2.0) != 0.0) t += v > 0 ? -1.0 : 1.0;
                r = static_cast<std::int64_t>(t);
            }
        }
        return static_cast<T>(r < lo ? lo : r > hi ? hi : r);
    }
};

template <class T>
struct FinishAccurateScalar {
    AccurateRule rule;
    RVL_ALWAYS_INLINE void store(const IntAcc& a, T* out) const {
        alignas(16) std::int32_t s[16];
        for (int q = 0; q < 4; ++q) _mm_store_si128(reinterpret_cast<__m128i*>(s + 4 * q), a.r[q]);
        for (int e = 0; e < 16; ++e) out[e] = rule.apply<T>(s[e]);
    }
};

}  // namespace rvl::kernels
