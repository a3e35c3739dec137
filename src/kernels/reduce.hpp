// Reductions over rows: exact integer channel sums, the 32f lane sums whose
// order is part of the results, and running extrema.
#pragma once

#include <emmintrin.h>
#include <smmintrin.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "kernels/prefetch.hpp"
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
            prefetch_ahead(p + i, 4 * L);
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
// added: the value, its absolute value or its square.
enum class LaneMap { Value, Abs, Square };

template <LaneMap M>
inline __m128 lane_map(__m128 x) {
    if constexpr (M == LaneMap::Abs) return _mm_andnot_ps(_mm_set1_ps(-0.0f), x);
    else if constexpr (M == LaneMap::Square) return _mm_mul_ps(x, x);
    else return x;
}

template <int C, bool LastToLaneZero, bool Diff, LaneMap M>
inline void add_to_lanes(const Rvl32f* a, const Rvl32f* b, std::int64_t width, float (&lanes)[C][4]) {
    constexpr auto f = lane_map<M>;
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

// The largest |a| (|a - b| with Diff, formed in single precision) of n
// interleaved C-channel floats, per channel, into m[c]: C1 and C4 in one
// 16-byte register whose lanes meet the elements in a fixed order (the
// maximum instruction keeps its second operand when either is a NaN), C3
// element by element.
template <int C, bool Diff>
inline void max_abs_row(const Rvl32f* a, const Rvl32f* b, std::int64_t n, float (&m)[C]) {
    std::int64_t i = 0;
    if constexpr (C == 1 || C == 4) {
        const __m128 signBit = _mm_set1_ps(-0.0f);
        __m128 acc = C == 1 ? _mm_set1_ps(m[0]) : _mm_loadu_ps(m);
        for (; i + 4 <= n; i += 4) {
            __m128 v = _mm_loadu_ps(a + i);
            if constexpr (Diff) v = _mm_sub_ps(v, _mm_loadu_ps(b + i));
            acc = _mm_max_ps(acc, _mm_andnot_ps(signBit, v));
        }
        alignas(16) float v[4];
        _mm_store_ps(v, acc);
        if constexpr (C == 1) m[0] = std::max(std::max(v[0], v[1]), std::max(v[2], v[3]));
        else __builtin_memcpy(m, v, sizeof m);
    }
    for (; i < n; ++i) {
        const float v = Diff ? a[i] - b[i] : a[i];
        m[i % C] = std::max(m[i % C], std::fabs(v));
    }
}

// One row of 32f in sixteen single-precision lanes: element j in lane j mod
// 16, four registers combined as (r0 + r1) + (r2 + r3), then their lanes as
// (l0 + l1) + (l2 + l3). The lanes are part of the result, so every variant
// keeps these 16-byte registers.
inline float sixteen_lane_sum(const Rvl32f* row, std::int64_t width) {
    __m128 r0 = _mm_setzero_ps(), r1 = r0, r2 = r0, r3 = r0;
    std::int64_t j = 0;
    for (; j + 16 <= width; j += 16) {
        r0 = _mm_add_ps(r0, _mm_loadu_ps(row + j));
        r1 = _mm_add_ps(r1, _mm_loadu_ps(row + j + 4));
        r2 = _mm_add_ps(r2, _mm_loadu_ps(row + j + 8));
        r3 = _mm_add_ps(r3, _mm_loadu_ps(row + j + 12));
    }
    alignas(16) float lanes[16];
    _mm_store_ps(lanes, r0), _mm_store_ps(lanes + 4, r1), _mm_store_ps(lanes + 8, r2), _mm_store_ps(lanes + 12, r3);
    for (; j < width; ++j) lanes[j % 16] += row[j];
    const __m128 sum = _mm_add_ps(_mm_add_ps(_mm_load_ps(lanes), _mm_load_ps(lanes + 4)),
                                  _mm_add_ps(_mm_load_ps(lanes + 8), _mm_load_ps(lanes + 12)));
    alignas(16) float l[4];
    _mm_store_ps(l, sum);
    return (l[0] + l[1]) + (l[2] + l[3]);
}

// ---- Running extrema of blocks of three registers ----------------------------
//
// Three registers hold a whole number of pixels for C = 1, 3 and 4 in every
// width, so each register position belongs to one channel for as long as
// blocks start on a pixel. Integer extrema do not depend on the grouping and
// take the variant's full width. 32f keeps 16-byte registers in every
// variant: a NaN meets the comparisons (lo < x ? lo : x, as the vector
// minimum instruction compares) in an order fixed by its lane, and the lanes
// must stay those of the baseline for the results to match it bit for bit.
template <class T>
struct BlockExtrema {
    using F4 = float __attribute__((vector_size(16)));
    using V = std::conditional_t<std::is_same_v<T, float>, F4, vec::of<T>>;
    static constexpr std::int64_t kLanes = sizeof(V) / sizeof(T);
    static constexpr std::int64_t kBlock = 3 * kLanes;
    V lo[3], hi[3];

    static V load(const T* p) {
        V v;
        __builtin_memcpy(&v, p, sizeof v);
        return v;
    }
    // The first block: both extrema are its elements.
    void start(const T* p) {
        for (int r = 0; r < 3; ++r) lo[r] = hi[r] = load(p + r * kLanes);
    }
    void add(const T* p) {
#pragma GCC unroll 3
        for (int r = 0; r < 3; ++r) {
            V x = load(p + r * kLanes);
            vec::keep(x);  // one load for both comparisons
            lo[r] = lo[r] < x ? lo[r] : x;
            hi[r] = hi[r] > x ? hi[r] : x;
        }
    }
    // Folds every lane into mins[c] / maxs[c] of its channel (c < P), lane by
    // lane in order, through min(a, b) and max(a, b).
    template <int C, int P, class Min, class Max>
    void fold(T (&mins)[4], T (&maxs)[4], Min min, Max max) const {
        T a[kBlock], b[kBlock];
        __builtin_memcpy(a, lo, sizeof a);
        __builtin_memcpy(b, hi, sizeof b);
        for (std::int64_t e = 0; e < kBlock; ++e) {
            const int c = static_cast<int>(e % C);
            if (c < P) mins[c] = min(mins[c], a[e]), maxs[c] = max(maxs[c], b[e]);
        }
    }
};

// ---- Norms of bytes -----------------------------------------------------------

enum class NormKind { Inf, L1, L2 };

// Byte masks of channel c in a block of three registers of C-channel bytes:
// 0xFF where byte e of the block belongs to channel c, register r of channel
// c at [(3c + r) * kBytes].
template <int C>
inline constexpr auto kChannelMasks = [] {
    std::array<std::uint8_t, 3 * C * vec::kBytes> m{};
    for (std::size_t c = 0; c < C; ++c)
        for (std::size_t e = 0; e < 3 * vec::kBytes; ++e) m[c * 3 * vec::kBytes + e] = e % C == c ? 0xFF : 0;
    return m;
}();

// Norm accumulation over n interleaved C-channel bytes, a (or |a - b| with
// Diff): per channel the largest value (Inf: acc[c] becomes the maximum of
// itself and the values), the sum (L1) or the sum of squares (L2), added to
// acc[c]. Blocks of three registers of the variant's width (a whole number of
// pixels); returns the number of bytes done, the caller finishes the rest.
// Every result is exact, so the width does not change it.
template <NormKind K, int C, bool Diff>
inline std::int64_t add_byte_norms(const Rvl8u* a, const Rvl8u* b, std::int64_t n, std::uint64_t (&acc)[C]) {
    constexpr std::int64_t W = vec::kBytes, kChunk = 3 * W;
    const std::int64_t chunks = n / kChunk;
    if (chunks == 0) return 0;
    auto mask = [](int c, int r) { return vec::as<vec::u8>(vec::loadu(&kChannelMasks<C>[(3 * c + r) * W])); };
    const vec::I zero = vec::zero();
    vec::I lanes[C];
    vec::u8 big[3] = {};
    for (auto& l : lanes) l = zero;
    auto flush = [&] {
        for (int c = 0; c < C; ++c) {
            if constexpr (K == NormKind::L1) {
                acc[c] += vec::total_u64(lanes[c]);
            } else {
                const vec::u32 v = vec::as<vec::u32>(lanes[c]);
                for (std::size_t l = 0; l < vec::lanes<std::uint32_t>; ++l) acc[c] += v[l];
            }
            lanes[c] = zero;
        }
    };
    for (std::int64_t k = 0; k < chunks; ++k) {
        vec::u8 v[3];
        prefetch_ahead(a + k * kChunk, kChunk);
        if constexpr (Diff) prefetch_ahead(b + k * kChunk, kChunk);
#pragma GCC unroll 3
        for (int r = 0; r < 3; ++r) {
            v[r] = vec::as<vec::u8>(vec::loadu(a + k * kChunk + W * r));
            if constexpr (Diff) {
                const vec::u8 w = vec::as<vec::u8>(vec::loadu(b + k * kChunk + W * r));
                v[r] = vec::subs(v[r], w) | vec::subs(w, v[r]);
            }
        }
        if constexpr (K == NormKind::Inf) {
#pragma GCC unroll 3
            for (int r = 0; r < 3; ++r) big[r] = big[r] > v[r] ? big[r] : v[r];
        } else {
#pragma GCC unroll 4
            for (int c = 0; c < C; ++c)
#pragma GCC unroll 3
                for (int r = 0; r < 3; ++r) {
                    const vec::I m = vec::as<vec::I>(C == 1 ? v[r] : v[r] & mask(c, r));
                    if constexpr (K == NormKind::L1) {
                        lanes[c] = vec::add_u64(lanes[c], vec::sum_bytes(m));
                    } else {
                        const vec::I lo = RVL_MM(unpacklo_epi8)(m, zero), hi = RVL_MM(unpackhi_epi8)(m, zero);
                        const vec::i32 squares = vec::as<vec::i32>(RVL_MM(madd_epi16)(lo, lo)) +
                                                 vec::as<vec::i32>(RVL_MM(madd_epi16)(hi, hi));
                        lanes[c] = vec::as<vec::I>(vec::as<vec::u32>(lanes[c]) + vec::as<vec::u32>(squares));
                    }
                }
            // Each unsigned 32-bit lane gains at most 3 x 2 x 2 x 255^2 per
            // chunk: 2048 chunks stay below 2^32.
            if ((k & 2047) == 2047) flush();
        }
    }
    if constexpr (K == NormKind::Inf) {
        for (int r = 0; r < 3; ++r)
            for (std::int64_t e = 0; e < W; ++e) {
                const int c = static_cast<int>((r * W + e) % C);
                acc[c] = big[r][e] > acc[c] ? big[r][e] : acc[c];
            }
    } else {
        flush();
    }
    return chunks * kChunk;
}

}  // namespace rvl
