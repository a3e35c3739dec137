// The single-precision passes of the linear resize (16u, 16s, 32f data):
// r = a + (b - a) f per element, in the same operations as the scalar form,
// so every element gets the same value wherever it is computed.
#pragma once

#include <smmintrin.h>

#include <cstdint>
#include <type_traits>

namespace rvl::kernels {

template <class T>
inline __m128 load4_as_f32(const T* p) {
    if constexpr (std::is_same_v<T, float>) return _mm_loadu_ps(p);
    else if constexpr (std::is_signed_v<T>) return _mm_cvtepi32_ps(_mm_cvtepi16_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p))));
    else return _mm_cvtepi32_ps(_mm_cvtepu16_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p))));
}

inline __m128 lerp4(__m128 a, __m128 b, __m128 f) { return _mm_add_ps(a, _mm_mul_ps(_mm_sub_ps(b, a), f)); }

// Horizontal pass of 32f one-channel rows and of four-channel rows of any
// type; returns the first column it left to the caller's scalar loop.
template <class T, int C>
std::int64_t f32_horizontal_row(const T* in, const std::int32_t* cols, const float* weights, std::int64_t c0, std::int64_t c1,
                                float* out) {
    std::int64_t c = c0;
    if constexpr (C == 1 && std::is_same_v<T, float>) {
        for (; c + 4 <= c1; c += 4) {
            __m128 pairs[2];
            for (int h = 0; h < 2; ++h) {
                // Unaligned 8-byte loads of the pairs (p[i], p[i+1]) of two columns.
                const __m128i lo = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(in + cols[c + 2 * h]));
                const __m128i hi = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(in + cols[c + 2 * h + 1]));
                pairs[h] = _mm_castsi128_ps(_mm_unpacklo_epi64(lo, hi));
            }
            const __m128 a = _mm_shuffle_ps(pairs[0], pairs[1], _MM_SHUFFLE(2, 0, 2, 0));
            const __m128 b = _mm_shuffle_ps(pairs[0], pairs[1], _MM_SHUFFLE(3, 1, 3, 1));
            _mm_storeu_ps(out + c, lerp4(a, b, _mm_loadu_ps(weights + c)));
        }
    } else if constexpr (C == 4) {
        for (; c < c1; ++c) {
            const T* p = in + 4 * std::int64_t{cols[c]};
            _mm_storeu_ps(out + 4 * c, lerp4(load4_as_f32(p), load4_as_f32(p + 4), _mm_set1_ps(weights[c])));
        }
    }
    return c;
}

// Vertical pass: out = a + (b - a) w, rounded to nearest (the rounding
// control is set to nearest by the caller) and saturated for 16-bit types.
template <class T>
std::int64_t f32_vertical_row(const float* a, const float* b, float w, std::int64_t e0, std::int64_t e1, T* out) {
    const __m128 f = _mm_set1_ps(w);
    std::int64_t e = e0;
    for (; e + 8 <= e1; e += 8) {
        const __m128 r0 = lerp4(_mm_loadu_ps(a + e), _mm_loadu_ps(b + e), f);
        const __m128 r1 = lerp4(_mm_loadu_ps(a + e + 4), _mm_loadu_ps(b + e + 4), f);
        if constexpr (std::is_same_v<T, float>) {
            _mm_storeu_ps(out + e, r0);
            _mm_storeu_ps(out + e + 4, r1);
        } else {
            const __m128i i0 = _mm_cvtps_epi32(r0), i1 = _mm_cvtps_epi32(r1);
            const __m128i packed = std::is_signed_v<T> ? _mm_packs_epi32(i0, i1) : _mm_packus_epi32(i0, i1);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + e), packed);
        }
    }
    return e;
}

}  // namespace rvl::kernels
