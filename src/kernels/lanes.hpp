// Sixteen elements at a time, widened to 32-bit lanes.
//
// Most conversions of the library go through one shape: load 16 source
// elements into four registers of 32-bit lanes (integers or floats), compute,
// and store 16 destination elements with saturation. The loads and stores
// below are the only places that know the element types; an operation in
// between sees four registers.
#pragma once

#include <smmintrin.h>

#include <cstdint>
#include <cstring>
#include <type_traits>

#include "kernels/map.hpp"
#include "kernels/simd.hpp"
#include "rvl.h"

namespace rvl {

struct I32x16 {
    __m128i v[4];
};
struct F32x16 {
    __m128 v[4];
};

// One 16-byte store, cached or streamed (p must then be 16-byte aligned).
template <Store S, class T>
inline void put(T* p, simd::reg_t<T> v) {
    if constexpr (S == Store::NonTemporal)
        simd::stream(p, v);
    else
        simd::storeu(p, v);
}

// An unaligned scalar read of sizeof(U) bytes.
template <class U, class T>
inline U load_bits(const T* p) {
    U v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// ---- Loads: 16 elements into 32-bit integer lanes (sign- or zero-extended;
// 32u keeps its bits).
template <class S>
inline I32x16 load_i32(const S* p) {
    I32x16 r;
    if constexpr (sizeof(S) == 1) {
        // Four bytes at a time straight into 32-bit lanes.
        for (int k = 0; k < 4; ++k) {
            const __m128i part = _mm_cvtsi32_si128(load_bits<std::int32_t>(p + 4 * k));
            r.v[k] = std::is_signed_v<S> ? _mm_cvtepi8_epi32(part) : _mm_cvtepu8_epi32(part);
        }
    } else if constexpr (sizeof(S) == 2) {
        for (int k = 0; k < 4; ++k) {
            const __m128i part = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p + 4 * k));
            r.v[k] = std::is_signed_v<S> ? _mm_cvtepi16_epi32(part) : _mm_cvtepu16_epi32(part);
        }
    } else {
        static_assert(sizeof(S) == 4 && std::is_integral_v<S>);
        for (int k = 0; k < 4; ++k) r.v[k] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 4 * k));
    }
    return r;
}

inline F32x16 load_f32(const Rvl32f* p) {
    F32x16 r;
    for (int k = 0; k < 4; ++k) r.v[k] = _mm_loadu_ps(p + 4 * k);
    return r;
}

// ---- Stores: 16 elements from 32-bit integer lanes, saturated to D.
template <Store S, class D>
inline void store_sat(D* p, const I32x16& x) {
    if constexpr (std::is_same_v<D, Rvl8u> || std::is_same_v<D, Rvl8s>) {
        const __m128i lo = _mm_packs_epi32(x.v[0], x.v[1]);
        const __m128i hi = _mm_packs_epi32(x.v[2], x.v[3]);
        put<S>(p, std::is_same_v<D, Rvl8u> ? _mm_packus_epi16(lo, hi) : _mm_packs_epi16(lo, hi));
    } else if constexpr (std::is_same_v<D, Rvl16u>) {
        put<S>(p, _mm_packus_epi32(x.v[0], x.v[1]));
        put<S>(p + 8, _mm_packus_epi32(x.v[2], x.v[3]));
    } else if constexpr (std::is_same_v<D, Rvl16s>) {
        put<S>(p, _mm_packs_epi32(x.v[0], x.v[1]));
        put<S>(p + 8, _mm_packs_epi32(x.v[2], x.v[3]));
    } else {
        static_assert(sizeof(D) == 4 && std::is_integral_v<D>);
        for (int k = 0; k < 4; ++k) put<S>(p + 4 * k, x.v[k]);
    }
}

template <Store S>
inline void store_f32(Rvl32f* p, const F32x16& x) {
    for (int k = 0; k < 4; ++k) put<S>(p + 4 * k, x.v[k]);
}

// ---- Lane-wise helpers.
template <class F>
inline I32x16 each(const I32x16& x, F f) {
    return {{f(x.v[0]), f(x.v[1]), f(x.v[2]), f(x.v[3])}};
}
template <class F>
inline F32x16 each(const F32x16& x, F f) {
    return {{f(x.v[0]), f(x.v[1]), f(x.v[2]), f(x.v[3])}};
}
inline F32x16 to_f32(const I32x16& x) {
    return {{_mm_cvtepi32_ps(x.v[0]), _mm_cvtepi32_ps(x.v[1]), _mm_cvtepi32_ps(x.v[2]), _mm_cvtepi32_ps(x.v[3])}};
}
// Float to int32 under the current rounding control; NaN and values out of
// the int32 range give 0x80000000.
inline I32x16 to_i32(const F32x16& x) {
    return {{_mm_cvtps_epi32(x.v[0]), _mm_cvtps_epi32(x.v[1]), _mm_cvtps_epi32(x.v[2]), _mm_cvtps_epi32(x.v[3])}};
}

}  // namespace rvl
