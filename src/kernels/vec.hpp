// The width-generic register vocabulary.
//
// A kernel written on this vocabulary is compiled once per processor variant
// and takes that variant's register width: 16 bytes (SSE4.1), 32 (AVX2) or 64
// (AVX-512). `vec::I` holds integers, `vec::F` single-precision floats; each
// operation below is the same formula in every width, and every element of a
// register is computed by the same instruction in every width, so a kernel
// gives the same bits on every variant. Where the wider instruction sets lack
// an operation or do it per 128-bit lane (the saturating packs of AVX2), the
// width's form is specialised here, once, and keeps the element order.
//
// The older kernels still use 16-byte registers directly (simd.hpp); they are
// compiled per variant too and move here family by family.
#pragma once

#include <immintrin.h>

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "rvl.h"

namespace rvl::vec {

#if defined(__AVX512F__) && defined(__AVX512BW__) && defined(__AVX512DQ__) && defined(__AVX512VL__)
#define RVL_VEC_BYTES 64
inline constexpr std::size_t kBytes = 64;
using I = __m512i;
using F = __m512;
#elif defined(__AVX2__)
#define RVL_VEC_BYTES 32
inline constexpr std::size_t kBytes = 32;
using I = __m256i;
using F = __m256;
#else
#define RVL_VEC_BYTES 16
inline constexpr std::size_t kBytes = 16;
using I = __m128i;
using F = __m128;
#endif

// Elements of T per register.
template <class T>
inline constexpr std::size_t lanes = kBytes / sizeof(T);

// ---- Loads and stores ----------------------------------------------------------

inline I loadu(const void* p) {
#if RVL_VEC_BYTES == 64
    return _mm512_loadu_si512(p);
#elif RVL_VEC_BYTES == 32
    return _mm256_loadu_si256(static_cast<const __m256i*>(p));
#else
    return _mm_loadu_si128(static_cast<const __m128i*>(p));
#endif
}
inline F loadu(const float* p) {
#if RVL_VEC_BYTES == 64
    return _mm512_loadu_ps(p);
#elif RVL_VEC_BYTES == 32
    return _mm256_loadu_ps(p);
#else
    return _mm_loadu_ps(p);
#endif
}
inline void storeu(void* p, I v) {
#if RVL_VEC_BYTES == 64
    _mm512_storeu_si512(p, v);
#elif RVL_VEC_BYTES == 32
    _mm256_storeu_si256(static_cast<__m256i*>(p), v);
#else
    _mm_storeu_si128(static_cast<__m128i*>(p), v);
#endif
}
inline void storeu(float* p, F v) {
#if RVL_VEC_BYTES == 64
    _mm512_storeu_ps(p, v);
#elif RVL_VEC_BYTES == 32
    _mm256_storeu_ps(p, v);
#else
    _mm_storeu_ps(p, v);
#endif
}
// Cache-bypassing stores; p aligned to kBytes.
inline void stream(void* p, I v) {
#if RVL_VEC_BYTES == 64
    _mm512_stream_si512(static_cast<__m512i*>(p), v);
#elif RVL_VEC_BYTES == 32
    _mm256_stream_si256(static_cast<__m256i*>(p), v);
#else
    _mm_stream_si128(static_cast<__m128i*>(p), v);
#endif
}
inline void stream(float* p, F v) {
#if RVL_VEC_BYTES == 64
    _mm512_stream_ps(p, v);
#elif RVL_VEC_BYTES == 32
    _mm256_stream_ps(p, v);
#else
    _mm_stream_ps(p, v);
#endif
}

// ---- Constants -------------------------------------------------------------------

inline F set1(float x) {
#if RVL_VEC_BYTES == 64
    return _mm512_set1_ps(x);
#elif RVL_VEC_BYTES == 32
    return _mm256_set1_ps(x);
#else
    return _mm_set1_ps(x);
#endif
}
inline I zero() {
#if RVL_VEC_BYTES == 64
    return _mm512_setzero_si512();
#elif RVL_VEC_BYTES == 32
    return _mm256_setzero_si256();
#else
    return _mm_setzero_si128();
#endif
}

// ---- Single precision ----------------------------------------------------------

inline F add(F a, F b) {
#if RVL_VEC_BYTES == 64
    return _mm512_add_ps(a, b);
#elif RVL_VEC_BYTES == 32
    return _mm256_add_ps(a, b);
#else
    return _mm_add_ps(a, b);
#endif
}
inline F bit_and(F a, F b) {
#if RVL_VEC_BYTES == 64
    return _mm512_and_ps(a, b);
#elif RVL_VEC_BYTES == 32
    return _mm256_and_ps(a, b);
#else
    return _mm_and_ps(a, b);
#endif
}
inline F bit_or(F a, F b) {
#if RVL_VEC_BYTES == 64
    return _mm512_or_ps(a, b);
#elif RVL_VEC_BYTES == 32
    return _mm256_or_ps(a, b);
#else
    return _mm_or_ps(a, b);
#endif
}
// The minimum as the SSE instruction defines it: b whenever either is NaN.
inline F min(F a, F b) {
#if RVL_VEC_BYTES == 64
    return _mm512_min_ps(a, b);
#elif RVL_VEC_BYTES == 32
    return _mm256_min_ps(a, b);
#else
    return _mm_min_ps(a, b);
#endif
}

// ---- Conversions -------------------------------------------------------------------

inline F to_f32(I v) {
#if RVL_VEC_BYTES == 64
    return _mm512_cvtepi32_ps(v);
#elif RVL_VEC_BYTES == 32
    return _mm256_cvtepi32_ps(v);
#else
    return _mm_cvtepi32_ps(v);
#endif
}
// Float to int32 by the rounding control; NaN and out-of-range values give
// 0x80000000.
inline I to_i32(F v) {
#if RVL_VEC_BYTES == 64
    return _mm512_cvtps_epi32(v);
#elif RVL_VEC_BYTES == 32
    return _mm256_cvtps_epi32(v);
#else
    return _mm_cvtps_epi32(v);
#endif
}

// lanes<int32> elements of S (8 or 16 bits), sign- or zero-extended to
// 32-bit lanes; 32-bit S is loaded as it is.
template <class S>
inline I load_i32(const S* p) {
    static_assert(std::is_integral_v<S> && sizeof(S) <= 4);
    constexpr bool kSigned = std::is_signed_v<S>;
    if constexpr (sizeof(S) == 4) return loadu(p);
#if RVL_VEC_BYTES == 64
    if constexpr (sizeof(S) == 1) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        return kSigned ? _mm512_cvtepi8_epi32(b) : _mm512_cvtepu8_epi32(b);
    } else {
        const __m256i w = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
        return kSigned ? _mm512_cvtepi16_epi32(w) : _mm512_cvtepu16_epi32(w);
    }
#elif RVL_VEC_BYTES == 32
    if constexpr (sizeof(S) == 1) {
        const __m128i b = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
        return kSigned ? _mm256_cvtepi8_epi32(b) : _mm256_cvtepu8_epi32(b);
    } else {
        const __m128i w = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        return kSigned ? _mm256_cvtepi16_epi32(w) : _mm256_cvtepu16_epi32(w);
    }
#else
    if constexpr (sizeof(S) == 1) {
        std::int32_t four;
        __builtin_memcpy(&four, p, 4);
        const __m128i b = _mm_cvtsi32_si128(four);
        return kSigned ? _mm_cvtepi8_epi32(b) : _mm_cvtepu8_epi32(b);
    } else {
        const __m128i w = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
        return kSigned ? _mm_cvtepi16_epi32(w) : _mm_cvtepu16_epi32(w);
    }
#endif
}

// One store of a 16-, 32- or 64-byte register, streamed (p aligned to the
// register's size) or cached.
template <bool Stream>
inline void put(void* p, __m128i v) {
    if constexpr (Stream) _mm_stream_si128(static_cast<__m128i*>(p), v);
    else _mm_storeu_si128(static_cast<__m128i*>(p), v);
}
#if defined(__AVX2__)
template <bool Stream>
inline void put(void* p, __m256i v) {
    if constexpr (Stream) _mm256_stream_si256(static_cast<__m256i*>(p), v);
    else _mm256_storeu_si256(static_cast<__m256i*>(p), v);
}
#endif
#if defined(__AVX512F__)
template <bool Stream>
inline void put(void* p, __m512i v) {
    if constexpr (Stream) _mm512_stream_si512(p, v);
    else _mm512_storeu_si512(p, v);
}
#endif
template <bool Stream>
inline void put(float* p, F v) {
    if constexpr (Stream) stream(p, v);
    else storeu(p, v);
}

// Stores the 4 * lanes<int32> values of four registers of 32-bit lanes, in
// order, saturated to D (8u, 8s, 16u, 16s): the values of the SSE packing
// instructions (a signed pack to 16 bits, then to 8), whatever the width.
template <bool Stream, class D>
inline void store_sat4(D* p, const I (&x)[4]) {
    static_assert(sizeof(D) <= 2);
#if RVL_VEC_BYTES == 64
    {
        // Saturating narrowing straight from 32 bits; unsigned targets clamp
        // negatives (and 0x80000000) to 0 first.
        for (int k = 0; k < 4; ++k) {
            if constexpr (std::is_same_v<D, Rvl8u>)
                put<Stream>(p + 16 * k, _mm512_cvtusepi32_epi8(_mm512_max_epi32(x[k], zero())));
            else if constexpr (std::is_same_v<D, Rvl8s>)
                put<Stream>(p + 16 * k, _mm512_cvtsepi32_epi8(x[k]));
            else if constexpr (std::is_same_v<D, Rvl16u>)
                put<Stream>(p + 16 * k, _mm512_cvtusepi32_epi16(_mm512_max_epi32(x[k], zero())));
            else
                put<Stream>(p + 16 * k, _mm512_cvtsepi32_epi16(x[k]));
        }
    }
#elif RVL_VEC_BYTES == 32
    {
        // The packs work within 128-bit halves; one permutation of 64-bit
        // quarters after each puts the elements back in order.
        constexpr int kOrder = 0xD8;  // quarters 0, 2, 1, 3
        auto pack16 = [](__m256i a, __m256i b) {
            return std::is_same_v<D, Rvl16u> ? _mm256_packus_epi32(a, b) : _mm256_packs_epi32(a, b);
        };
        const __m256i lo = _mm256_permute4x64_epi64(pack16(x[0], x[1]), kOrder);
        const __m256i hi = _mm256_permute4x64_epi64(pack16(x[2], x[3]), kOrder);
        if constexpr (sizeof(D) == 2) {
            put<Stream>(p, lo);
            put<Stream>(p + 16, hi);
        } else {
            const __m256i b = std::is_same_v<D, Rvl8u> ? _mm256_packus_epi16(lo, hi) : _mm256_packs_epi16(lo, hi);
            put<Stream>(p, _mm256_permute4x64_epi64(b, kOrder));
        }
    }
#else
    {
        if constexpr (sizeof(D) == 2) {
            const bool u = std::is_same_v<D, Rvl16u>;
            put<Stream>(p, u ? _mm_packus_epi32(x[0], x[1]) : _mm_packs_epi32(x[0], x[1]));
            put<Stream>(p + 8, u ? _mm_packus_epi32(x[2], x[3]) : _mm_packs_epi32(x[2], x[3]));
        } else {
            const __m128i lo = _mm_packs_epi32(x[0], x[1]), hi = _mm_packs_epi32(x[2], x[3]);
            put<Stream>(p, std::is_same_v<D, Rvl8u> ? _mm_packus_epi16(lo, hi) : _mm_packs_epi16(lo, hi));
        }
    }
#endif
}

// ---- Byte sums -----------------------------------------------------------------------

// Sums of the bytes of each 8-byte group, in 64-bit lanes.
inline I sum_bytes(I v) {
#if RVL_VEC_BYTES == 64
    return _mm512_sad_epu8(v, zero());
#elif RVL_VEC_BYTES == 32
    return _mm256_sad_epu8(v, zero());
#else
    return _mm_sad_epu8(v, zero());
#endif
}
inline I add_u64(I a, I b) {
#if RVL_VEC_BYTES == 64
    return _mm512_add_epi64(a, b);
#elif RVL_VEC_BYTES == 32
    return _mm256_add_epi64(a, b);
#else
    return _mm_add_epi64(a, b);
#endif
}
// The sum of the 64-bit lanes.
inline std::uint64_t total_u64(I v) {
    alignas(64) std::uint64_t l[kBytes / 8];
    storeu(l, v);
    std::uint64_t s = 0;
    for (std::size_t k = 0; k < kBytes / 8; ++k) s += l[k];
    return s;
}

}  // namespace rvl::vec
