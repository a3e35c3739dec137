// Element-type conversions, as block operations (sixteen elements at a time)
// and as exact per-element functions for the scale-factor forms.
#pragma once

#include <smmintrin.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "kernels/block_row.hpp"
#include "kernels/lanes.hpp"
#include "kernels/rounding.hpp"
#include "kernels/vec.hpp"
#include "rvl.h"

namespace rvl {

// ---- Saturation -------------------------------------------------------------

template <class D>
constexpr double lowest_of = static_cast<double>(std::numeric_limits<D>::lowest());
template <class D>
constexpr double highest_of = static_cast<double>(std::numeric_limits<D>::max());

template <class D>
inline D saturate(std::int64_t v) {
    using Lim = std::numeric_limits<D>;
    if (v < static_cast<std::int64_t>(Lim::lowest())) return Lim::lowest();
    if (v > static_cast<std::int64_t>(Lim::max())) return Lim::max();
    return static_cast<D>(v);
}

// What a NaN becomes in an integer destination: the processor's
// integer-indefinite value 0x80000000, saturated (0 for unsigned types, the
// minimum for signed ones). Vector and scalar paths agree on it.
template <class D>
inline D nan_to_int() {
    return saturate<D>(std::numeric_limits<std::int32_t>::min());
}

// An integral double (already rounded), saturated to D; NaN as above.
template <class D>
inline D saturate_integral(double r) {
    if (r != r) return nan_to_int<D>();
    if (r <= lowest_of<D>) return std::numeric_limits<D>::lowest();
    if (r >= highest_of<D>) return std::numeric_limits<D>::max();
    return static_cast<D>(r);
}

// ---- Block operations -------------------------------------------------------

// Integer to integer: widening by sign or zero extension, narrowing with
// saturation. With ClampNegative, negative values become 0 first (signed to
// unsigned forms).
template <class S, class D, bool ClampNegative = false>
struct IntToIntOp {
    static constexpr std::size_t kBlock = 16;
    template <Store St>
    void block(const S* s, D* d) const {
        if constexpr (!ClampNegative && sizeof(S) == 1 && sizeof(D) == 2 && std::is_unsigned_v<S>) {
            // 8u to 16u/16s: interleave with zero bytes.
            const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s));
            put<St>(d, _mm_unpacklo_epi8(x, _mm_setzero_si128()));
            put<St>(d + 8, _mm_unpackhi_epi8(x, _mm_setzero_si128()));
        } else if constexpr (!ClampNegative && sizeof(S) == 2 && std::is_same_v<D, Rvl8u>) {
            // 16s to 8u: one saturating pack; 16u first limited to 255.
            __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s));
            __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 8));
            if constexpr (std::is_unsigned_v<S>) {
                a = _mm_min_epu16(a, _mm_set1_epi16(255));
                b = _mm_min_epu16(b, _mm_set1_epi16(255));
            }
            put<St>(d, _mm_packus_epi16(a, b));
        } else {
            I32x16 x = load_i32(s);
            if constexpr (ClampNegative) x = each(x, [](__m128i v) { return _mm_max_epi32(v, _mm_setzero_si128()); });
            store_sat<St>(d, x);
        }
    }
};

// Integer to 32f, four registers of the variant's width at a time. Exact up
// to 16-bit sources; 32s rounds by the rounding control, which the caller
// sets to nearest.
template <class S>
struct IntToFloatOp {
    static constexpr std::size_t kBlock = 4 * vec::lanes<float>;
    static constexpr std::size_t kAlign = vec::kBytes;
    template <Store St>
    void block(const S* s, Rvl32f* d) const {
        constexpr std::size_t L = vec::lanes<float>;
        for (std::size_t k = 0; k < 4; ++k)
            vec::put<St == Store::NonTemporal>(d + k * L, vec::to_f32(vec::load_i32(s + k * L)));
    }
};

// 32u to 32f: each value becomes an exact double (its bits read as signed
// plus 2^31), which is then rounded once to float (nearest, set by the caller).
struct U32ToFloatOp {
    static constexpr std::size_t kBlock = 16;
    template <Store St>
    void block(const Rvl32u* s, Rvl32f* d) const {
        const I32x16 x = load_i32(s);
        const __m128i flip = _mm_set1_epi32(std::numeric_limits<std::int32_t>::min());
        const __m128d offset = _mm_set1_pd(2147483648.0);
        F32x16 r;
        for (int k = 0; k < 4; ++k) {
            const __m128i v = _mm_xor_si128(x.v[k], flip);
            const __m128d lo = _mm_add_pd(_mm_cvtepi32_pd(v), offset);
            const __m128d hi = _mm_add_pd(_mm_cvtepi32_pd(_mm_srli_si128(v, 8)), offset);
            r.v[k] = _mm_movelh_ps(_mm_cvtpd_ps(lo), _mm_cvtpd_ps(hi));
        }
        store_f32<St>(d, r);
    }
};

// Integer to 64f, exact.
template <class S>
struct IntToDoubleOp {
    static constexpr std::size_t kBlock = 16;
    template <Store St>
    void block(const S* s, Rvl64f* d) const {
        const I32x16 x = load_i32(s);
        for (int k = 0; k < 4; ++k) {
            put<St>(d + 4 * k, _mm_cvtepi32_pd(x.v[k]));
            put<St>(d + 4 * k + 2, _mm_cvtepi32_pd(_mm_srli_si128(x.v[k], 8)));
        }
    }
};

// Keeps a float lane at most `limit`; a NaN lane stays NaN (minps returns its
// second operand when either is NaN).
inline __m128 min_keep_nan(__m128 limit, __m128 v) { return _mm_min_ps(limit, v); }

// 32f to an 8- or 16-bit integer type. The value is limited from above (so
// that large values saturate instead of becoming 0x80000000), converted by
// the rounding control, and packed with saturation. The caller sets the
// control: toward zero for modes 0 and 2, nearest for mode 1. Mode 2 adds
// one half with the value's sign before the toward-zero conversion.
template <class D, Round M>
struct FloatToIntOp {
    static constexpr std::size_t kBlock = 4 * vec::lanes<float>;
    static constexpr std::size_t kAlign = vec::kBytes;
    template <Store St>
    void block(const Rvl32f* s, D* d) const {
        constexpr std::size_t L = vec::lanes<float>;
        vec::I x[4];
        for (std::size_t k = 0; k < 4; ++k) {
            vec::F v = vec::min(vec::set1(65536.0f), vec::loadu(s + k * L));  // NaN stays NaN
            if constexpr (M == Round::HalfAway) {
                const vec::F sign = vec::bit_and(v, vec::set1(-0.0f));
                v = vec::add(v, vec::bit_or(vec::set1(0.5f), sign));
            }
            x[k] = vec::to_i32(v);
        }
        vec::store_sat4<St == Store::NonTemporal>(d, x);
    }
};

// The rounding control a float-to-integer conversion runs under.
inline Rc control_for(Round mode) { return mode == Round::NearestEven ? Rc::Nearest : Rc::TowardZero; }

}  // namespace rvl
