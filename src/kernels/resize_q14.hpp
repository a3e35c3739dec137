// The Q14 passes of the 8u linear resize, 16 bytes at a time. Both are the
// 16-bit multiply-add of a sample pair with a weight pair (16384 - w, w),
// which forms p0 (16384 - w) + p1 w exactly in a 32-bit lane.
#pragma once

#include <smmintrin.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace rvl::kernels {

inline int load_u16(const void* p) {
    std::uint16_t v;
    std::memcpy(&v, p, 2);
    return v;
}

inline std::uint32_t load_u32(const void* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

// t = (p0 (16384 - w) + p1 w + 128) >> 8, saturated to int16, per lane.
inline __m128i q14_horizontal(__m128i pairs, __m128i weights) {
    return _mm_srai_epi32(_mm_add_epi32(_mm_madd_epi16(pairs, weights), _mm_set1_epi32(128)), 8);
}

inline std::int16_t q14_horizontal_one(int p0, int p1, const std::uint16_t* w) {
    return static_cast<std::int16_t>(std::clamp((p0 * w[0] + p1 * w[1] + 128) >> 8, -32768, 32767));
}

// One source row: out[c*C + k] for the columns [c0, c1); cols are the
// pixel indices of the first taps, weights the (16384 - w, w) pairs of the
// same columns.
template <int C>
void q14_horizontal_row(const std::uint8_t* in, const std::int32_t* cols, const std::uint16_t* weights, std::int64_t c0,
                        std::int64_t c1, std::int16_t* out) {
    std::int64_t c = c0;
    if constexpr (C == 1) {
        // The byte pairs (p[i], p[i+1]) of eight columns in one register;
        // widening its halves gives the int16 pairs of four columns each.
        for (; c + 8 <= c1; c += 8) {
            __m128i raw = _mm_setzero_si128();
            raw = _mm_insert_epi16(raw, load_u16(in + cols[c + 0]), 0);
            raw = _mm_insert_epi16(raw, load_u16(in + cols[c + 1]), 1);
            raw = _mm_insert_epi16(raw, load_u16(in + cols[c + 2]), 2);
            raw = _mm_insert_epi16(raw, load_u16(in + cols[c + 3]), 3);
            raw = _mm_insert_epi16(raw, load_u16(in + cols[c + 4]), 4);
            raw = _mm_insert_epi16(raw, load_u16(in + cols[c + 5]), 5);
            raw = _mm_insert_epi16(raw, load_u16(in + cols[c + 6]), 6);
            raw = _mm_insert_epi16(raw, load_u16(in + cols[c + 7]), 7);
            const __m128i lo = q14_horizontal(_mm_cvtepu8_epi16(raw), _mm_loadu_si128(reinterpret_cast<const __m128i*>(weights + 2 * c)));
            const __m128i hi = q14_horizontal(_mm_cvtepu8_epi16(_mm_srli_si128(raw, 8)),
                                              _mm_loadu_si128(reinterpret_cast<const __m128i*>(weights + 2 * c + 8)));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + c), _mm_packs_epi32(lo, hi));
        }
    } else if constexpr (C == 4) {
        // Pixels i and i+1 (8 bytes) to the pairs (R, R'), (G, G'), (B, B'), (A, A').
        const __m128i spread = _mm_setr_epi8(0, -1, 4, -1, 1, -1, 5, -1, 2, -1, 6, -1, 3, -1, 7, -1);
        for (; c + 2 <= c1; c += 2) {
            __m128i r[2];
            for (int h = 0; h < 2; ++h) {
                const __m128i px = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(in + 4 * std::int64_t{cols[c + h]}));
                const __m128i w = _mm_set1_epi32(static_cast<int>(load_u32(weights + 2 * (c + h))));
                r[h] = q14_horizontal(_mm_shuffle_epi8(px, spread), w);
            }
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4 * c), _mm_packs_epi32(r[0], r[1]));
        }
    } else if constexpr (C == 3) {
        // Bytes 0-3 and 2-5 of pixels i, i+1: [R G B R'] [B R' G' B'] -> (R, R'), (G, G'), (B, B').
        const __m128i spread = _mm_setr_epi8(0, -1, 3, -1, 1, -1, 6, -1, 2, -1, 7, -1, -1, -1, -1, -1);
        for (; c + 2 <= c1; c += 2) {
            __m128i r[2];
            for (int h = 0; h < 2; ++h) {
                const std::uint8_t* p = in + 3 * std::int64_t{cols[c + h]};
                const __m128i px = _mm_setr_epi32(static_cast<int>(load_u32(p)), static_cast<int>(load_u32(p + 2)), 0, 0);
                const __m128i w = _mm_set1_epi32(static_cast<int>(load_u32(weights + 2 * (c + h))));
                r[h] = q14_horizontal(_mm_shuffle_epi8(px, spread), w);
            }
            // Lanes 0-2 of each half: six values.
            alignas(16) std::int16_t v[8];
            _mm_store_si128(reinterpret_cast<__m128i*>(v), _mm_packs_epi32(r[0], r[1]));
            std::int16_t* o = out + 3 * c;
            o[0] = v[0], o[1] = v[1], o[2] = v[2], o[3] = v[4], o[4] = v[5], o[5] = v[6];
        }
    }
    for (; c < c1; ++c) {
        const std::uint8_t* p = in + std::int64_t{cols[c]} * C;
        for (int k = 0; k < C; ++k) out[c * C + k] = q14_horizontal_one(p[k], p[C + k], weights + 2 * c);
    }
}

// out = (a (16384 - w) + b w + 2^19) >> 20, saturated to 0..255, for the
// elements [e0, e1) of two horizontally interpolated rows.
inline void q14_vertical_row(const std::int16_t* a, const std::int16_t* b, int w, std::int64_t e0, std::int64_t e1,
                             std::uint8_t* out) {
    const __m128i weights = _mm_set1_epi32(static_cast<int>((static_cast<std::uint32_t>(w) << 16) | static_cast<std::uint32_t>(16384 - w)));
    const __m128i half = _mm_set1_epi32(524288);
    std::int64_t e = e0;
    for (; e + 16 <= e1; e += 16) {
        __m128i r[4];
        for (int h = 0; h < 2; ++h) {
            const __m128i va = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + e + 8 * h));
            const __m128i vb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + e + 8 * h));
            r[2 * h] = _mm_srai_epi32(_mm_add_epi32(_mm_madd_epi16(_mm_unpacklo_epi16(va, vb), weights), half), 20);
            r[2 * h + 1] = _mm_srai_epi32(_mm_add_epi32(_mm_madd_epi16(_mm_unpackhi_epi16(va, vb), weights), half), 20);
        }
        const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(r[0], r[1]), _mm_packs_epi32(r[2], r[3]));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + e), bytes);
    }
    for (; e < e1; ++e) out[e] = static_cast<std::uint8_t>(std::clamp((a[e] * (16384 - w) + b[e] * w + 524288) >> 20, 0, 255));
}

}  // namespace rvl::kernels
