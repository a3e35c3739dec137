// Range scaling between types, sixteen elements at a time: the full range of
// one type mapped onto the full range of the other.
#pragma once

#include <smmintrin.h>

#include "kernels/convert.hpp"
#include "kernels/lanes.hpp"
#include "rvl.h"

namespace rvl {

// 8u to 16u: 257x; to 16s: 257x - 32768; to 32s: 16843009x - 2^31 (the
// product with its top bit flipped).
template <class D>
struct Scale8uOp {
    static constexpr std::size_t kBlock = 16;
    template <Store St>
    void block(const Rvl8u* s, D* d) const {
        const I32x16 x = load_i32(s);
        if constexpr (std::is_same_v<D, Rvl16u>) {
            store_sat<St>(d, each(x, [](__m128i v) { return _mm_mullo_epi32(v, _mm_set1_epi32(257)); }));
        } else if constexpr (std::is_same_v<D, Rvl16s>) {
            store_sat<St>(d, each(x, [](__m128i v) {
                return _mm_sub_epi32(_mm_mullo_epi32(v, _mm_set1_epi32(257)), _mm_set1_epi32(32768));
            }));
        } else {
            store_sat<St>(d, each(x, [](__m128i v) {
                return _mm_xor_si128(_mm_mullo_epi32(v, _mm_set1_epi32(16843009)),
                                     _mm_set1_epi32(static_cast<int>(0x80000000u)));
            }));
        }
    }
};

// 8u to 32f: x * ((vMax - vMin) / 255) + vMin in single precision.
struct Scale8u32fOp {
    static constexpr std::size_t kBlock = 16;
    float factor, vMin;
    template <Store St>
    void block(const Rvl8u* s, Rvl32f* d) const {
        const __m128 k = _mm_set1_ps(factor), a = _mm_set1_ps(vMin);
        store_f32<St>(d, each(to_f32(load_i32(s)), [&](__m128 v) { return _mm_add_ps(_mm_mul_ps(v, k), a); }));
    }
};

// 16s, 16u, 32s to 8u, fast: integer shifts only. With y the value moved to
// a signed range (16u: x - 32768), the result is ((y - (y >> 8)) >> 8) + 128
// for 16-bit sources and ((y - (y >> 8)) >> 24) + 128 for 32s.
template <class S>
struct ScaleTo8uFastOp {
    static constexpr std::size_t kBlock = 16;
    template <Store St>
    void block(const S* s, Rvl8u* d) const {
        store_sat<St>(d, each(load_i32(s), [](__m128i y) {
            if constexpr (std::is_same_v<S, Rvl16u>) y = _mm_sub_epi32(y, _mm_set1_epi32(32768));
            constexpr int shift = sizeof(S) == 4 ? 24 : 8;
            const __m128i t = _mm_sub_epi32(y, _mm_srai_epi32(y, 8));
            return _mm_add_epi32(_mm_srai_epi32(t, shift), _mm_set1_epi32(128));
        }));
    }
};

// 16s, 16u to 8u, accurate: (x + 32768) or x times 1/257 in single precision,
// rounded to nearest even (the caller sets the rounding control).
// 32s to 8u, accurate: x * 255/(2^32 - 1) + 2^31 * 255/(2^32 - 1) in double
// precision, rounded to nearest even.
template <class S>
struct ScaleTo8uAccurateOp {
    static constexpr std::size_t kBlock = 16;
    template <Store St>
    void block(const S* s, Rvl8u* d) const {
        if constexpr (sizeof(S) == 2) {
            const __m128 k = _mm_set1_ps(0.0038910505827516317f);
            store_sat<St>(d, to_i32(each(to_f32(each(load_i32(s), [](__m128i v) {
                                                 return std::is_same_v<S, Rvl16s> ? _mm_add_epi32(v, _mm_set1_epi32(32768)) : v;
                                             })),
                                         [&](__m128 v) { return _mm_mul_ps(v, k); })));
        } else {
            const __m128d k = _mm_set1_pd(5.937181414556033e-08), a = _mm_set1_pd(127.5000000296859);
            store_sat<St>(d, each(load_i32(s), [&](__m128i v) {
                const __m128d lo = _mm_add_pd(_mm_mul_pd(_mm_cvtepi32_pd(v), k), a);
                const __m128d hi = _mm_add_pd(_mm_mul_pd(_mm_cvtepi32_pd(_mm_srli_si128(v, 8)), k), a);
                return _mm_unpacklo_epi64(_mm_cvtpd_epi32(lo), _mm_cvtpd_epi32(hi));
            }));
        }
    }
};

// 32f to 8u: clamp(x, vMin, vMax) * s + o in single precision with
// s = 255 / (vMax - vMin) and o = -s * vMin, rounded to nearest even. The
// clamp lets a NaN through, which then becomes 0 like in the conversions.
struct Scale32f8uOp {
    static constexpr std::size_t kBlock = 16;
    float vMin, vMax, scale, offset;
    template <Store St>
    void block(const Rvl32f* s, Rvl8u* d) const {
        const __m128 lo = _mm_set1_ps(vMin), hi = _mm_set1_ps(vMax), k = _mm_set1_ps(scale), a = _mm_set1_ps(offset);
        store_sat<St>(d, to_i32(each(load_f32(s), [&](__m128 v) {
            v = _mm_min_ps(hi, _mm_max_ps(lo, v));
            return _mm_add_ps(_mm_mul_ps(v, k), a);
        })));
    }
};

// ---- dst = src * mVal + aVal -----------------------------------------------
//
// Fast path: single precision, x * m + a with m and a rounded to float, the
// result limited to the destination range and rounded to nearest even (the
// caller sets the rounding control). Accurate path: the same in double
// precision. Float destinations take the value as it is.

template <class S, class D>
struct LinearFast {
    float m, a;
    D operator()(S x) const {
        const float v = static_cast<float>(x) * m + a;
        if constexpr (std::is_floating_point_v<D>)
            return static_cast<D>(v);
        else
            return saturate_integral<D>(round_integral(v, Round::NearestEven));
    }
};

template <class S, class D>
struct LinearAccurate {
    double m, a;
    D operator()(S x) const {
        const double v = static_cast<double>(x) * m + a;
        if constexpr (std::is_floating_point_v<D>)
            return static_cast<D>(v);
        else
            return saturate_integral<D>(round_integral(v, Round::NearestEven));
    }
};

// The fast path sixteen elements at a time, for every type up to 32 bits.
// It computes exactly what LinearFast computes.
template <class S, class D>
struct LinearFastOp {
    static constexpr std::size_t kBlock = 16;
    float m, a;
    template <Store St>
    void block(const S* s, D* d) const {
        F32x16 x;
        if constexpr (std::is_same_v<S, Rvl32f>)
            x = load_f32(s);
        else
            x = to_f32(load_i32(s));
        const __m128 mv = _mm_set1_ps(m), av = _mm_set1_ps(a);
        x = each(x, [&](__m128 v) { return _mm_add_ps(_mm_mul_ps(v, mv), av); });
        if constexpr (std::is_same_v<D, Rvl32f>) {
            store_f32<St>(d, x);
        } else if constexpr (std::is_same_v<D, Rvl32s>) {
            // 2^31 and above saturate; below -2^31 the conversion already
            // gives the minimum.
            const __m128 top = _mm_set1_ps(2147483648.0f);
            I32x16 r = to_i32(x);
            for (int k = 0; k < 4; ++k)
                r.v[k] = _mm_blendv_epi8(r.v[k], _mm_set1_epi32(0x7FFFFFFF), _mm_castps_si128(_mm_cmpge_ps(x.v[k], top)));
            store_sat<St>(d, r);
        } else {
            store_sat<St>(d, to_i32(each(x, [](__m128 v) { return min_keep_nan(_mm_set1_ps(65536.0f), v); })));
        }
    }
};

}  // namespace rvl
