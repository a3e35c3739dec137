// Reductions over rows: exact integer channel sums, the 32f lane sums whose
// order is part of the results, and extrema.
#pragma once

#include <emmintrin.h>
#include <smmintrin.h>

#include <cstddef>
#include <cstdint>

#include "kernels/vec.hpp"
#include "rvl.h"

namespace rvl {

// Adds the bytes of channel c of n interleaved C-channel bytes to sums[c].
// Blocks of 48 bytes (a whole number of pixels for C = 1, 3, 4) are summed
// with byte-absolute-difference instructions on masked copies.
template <int C>
inline void add_byte_channel_sums(const Rvl8u* p, std::int64_t n, std::uint64_t (&sums)[C]) {
    if constexpr (C == 1) {
        // One channel: byte sums of four registers of the variant's width
        // per step, in two accumulators (exact in any order).
        constexpr std::int64_t L = vec::kBytes;
        vec::I a0 = vec::zero(), a1 = vec::zero();
        std::int64_t i = 0;
        for (; i + 4 * L <= n; i += 4 * L) {
            a0 = vec::add_u64(a0, vec::add_u64(vec::sum_bytes(vec::loadu(p + i)), vec::sum_bytes(vec::loadu(p + i + L))));
            a1 = vec::add_u64(a1, vec::add_u64(vec::sum_bytes(vec::loadu(p + i + 2 * L)),
                                               vec::sum_bytes(vec::loadu(p + i + 3 * L))));
        }
        for (; i + L <= n; i += L) a0 = vec::add_u64(a0, vec::sum_bytes(vec::loadu(p + i)));
        std::uint64_t rest = vec::total_u64(vec::add_u64(a0, a1));
        for (; i < n; ++i) rest += p[i];
        sums[0] += rest;
        return;
    }
    __m128i masks[C][3];
    for (int c = 0; c < C; ++c)
        for (int r = 0; r < 3; ++r) {
            alignas(16) std::uint8_t m[16];
            for (int e = 0; e < 16; ++e) m[e] = ((r * 16 + e) % C == c) ? 0xFF : 0;
            masks[c][r] = _mm_load_si128(reinterpret_cast<const __m128i*>(m));
        }
    __m128i acc[C];
    for (auto& a : acc) a = _mm_setzero_si128();
    const __m128i zero = _mm_setzero_si128();
    std::int64_t i = 0;
    for (; i + 48 <= n; i += 48) {
        const __m128i r0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const __m128i r1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + 16));
        const __m128i r2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + 32));
#pragma GCC unroll 4
        for (int c = 0; c < C; ++c) {
            if constexpr (C == 1) {
                acc[c] = _mm_add_epi64(acc[c], _mm_add_epi64(_mm_sad_epu8(r0, zero),
                                                             _mm_add_epi64(_mm_sad_epu8(r1, zero), _mm_sad_epu8(r2, zero))));
            } else {
                const __m128i s = _mm_add_epi64(_mm_sad_epu8(_mm_and_si128(r0, masks[c][0]), zero),
                                                _mm_add_epi64(_mm_sad_epu8(_mm_and_si128(r1, masks[c][1]), zero),
                                                              _mm_sad_epu8(_mm_and_si128(r2, masks[c][2]), zero)));
                acc[c] = _mm_add_epi64(acc[c], s);
            }
        }
    }
    for (int c = 0; c < C; ++c) {
        alignas(16) std::uint64_t two[2];
        _mm_store_si128(reinterpret_cast<__m128i*>(two), acc[c]);
        sums[c] += two[0] + two[1];
    }
    for (; i < n; ++i) sums[i % C] += p[i];
}

// ---- 32f sums in four single-precision lanes ---------------------------------
//
// Per channel, pixel j of a row goes to lane j mod 4; the four lanes are
// combined as (s0 + s1) + (s2 + s3). With LastToLaneZero, the last pixel of
// a row whose width is 3 mod 4 goes to lane 0 instead. Lanes are float[4]
// per channel and carry over between calls. f maps each value (or, with
// Diff, each difference a - b formed in single precision) before it is
// added: identity, absolute value or square.
template <int C, bool LastToLaneZero, bool Diff, class F>
inline void add_to_lanes(const Rvl32f* a, const Rvl32f* b, std::int64_t width, float (&lanes)[C][4], F f) {
    auto load = [&](std::int64_t i) {
        const __m128 x = _mm_loadu_ps(a + i);
        if constexpr (Diff) return _mm_sub_ps(x, _mm_loadu_ps(b + i));
        else return x;
    };
    std::int64_t j = 0;
    if constexpr (C == 1) {
        __m128 acc = _mm_loadu_ps(lanes[0]);
        for (; j + 4 <= width; j += 4) acc = _mm_add_ps(acc, f(load(j)));
        _mm_storeu_ps(lanes[0], acc);
    } else if constexpr (C == 4) {
        __m128 acc[4];
        for (int l = 0; l < 4; ++l) acc[l] = _mm_setr_ps(lanes[0][l], lanes[1][l], lanes[2][l], lanes[3][l]);
        for (; j + 4 <= width; j += 4)
            for (int l = 0; l < 4; ++l) acc[l] = _mm_add_ps(acc[l], f(load(4 * (j + l))));
        for (int l = 0; l < 4; ++l) {
            alignas(16) float v[4];
            _mm_store_ps(v, acc[l]);
            for (int c = 0; c < 4; ++c) lanes[c][l] = v[c];
        }
    }
    for (; j < width; ++j) {
        const int lane = (LastToLaneZero && j == width - 1 && width % 4 == 3) ? 0 : int(j % 4);
        for (int c = 0; c < C; ++c) {
            __m128 x = _mm_set_ss(a[C * j + c]);
            if constexpr (Diff) x = _mm_sub_ss(x, _mm_set_ss(b[C * j + c]));
            lanes[c][lane] = _mm_cvtss_f32(_mm_add_ss(_mm_set_ss(lanes[c][lane]), f(x)));
        }
    }
}

inline float combine_lanes(const float (&l)[4]) { return (l[0] + l[1]) + (l[2] + l[3]); }

}  // namespace rvl
