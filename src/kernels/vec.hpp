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
// Lane-wise arithmetic is written with operators on GNU vector types of the
// variant's width (`i32`, `f32`, ...: +, -, *, /, shifts, bit operations,
// comparisons giving all-ones lanes, and `?:` selecting per lane); the
// compiler emits the width's instruction for each. The functions below cover
// what operators cannot say: loads that widen, saturating stores, rounding,
// and the conversions to and from double precision.
//
// A few kernels keep 16-byte registers in every variant, written with SSE
// intrinsics: those whose lane structure is part of their float results
// (the 32f sums and norms, 32f extrema with NaN), and the resize, FFT and
// integer filter loops, which are compiled per variant like everything else.
#pragma once

#include <immintrin.h>

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

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

// The intrinsic of the variant's width whose name is the same in every
// width apart from its prefix.
#if RVL_VEC_BYTES == 64
#define RVL_MM(op) _mm512_##op
#elif RVL_VEC_BYTES == 32
#define RVL_MM(op) _mm256_##op
#else
#define RVL_MM(op) _mm_##op
#endif

// GNU vector types of one register.
using i8 = std::int8_t __attribute__((vector_size(kBytes)));
using u8 = std::uint8_t __attribute__((vector_size(kBytes)));
using i16 = std::int16_t __attribute__((vector_size(kBytes)));
using u16 = std::uint16_t __attribute__((vector_size(kBytes)));
using i32 = std::int32_t __attribute__((vector_size(kBytes)));
using u32 = std::uint32_t __attribute__((vector_size(kBytes)));
using f32 = float __attribute__((vector_size(kBytes)));
using i64 = std::int64_t __attribute__((vector_size(kBytes)));
using f64 = double __attribute__((vector_size(kBytes)));

// The register type of elements of type T.
template <class T> struct of_t;
template <> struct of_t<std::int8_t> { using type = i8; };
template <> struct of_t<std::uint8_t> { using type = u8; };
template <> struct of_t<std::int16_t> { using type = i16; };
template <> struct of_t<std::uint16_t> { using type = u16; };
template <> struct of_t<std::int32_t> { using type = i32; };
template <> struct of_t<std::uint32_t> { using type = u32; };
template <> struct of_t<float> { using type = f32; };
template <> struct of_t<double> { using type = f64; };
template <class T>
using of = typename of_t<T>::type;

// The same bits as another register type.
template <class To, class From>
inline To as(From v) {
    static_assert(sizeof(To) == sizeof(From));
    return (To)v;
}

// The element type of a register type.
template <class V>
using elem_t = std::remove_cv_t<std::remove_reference_t<decltype(std::declval<V>()[0])>>;

// Keeps a loaded register as it is: a value used by several operations is
// then read from memory once (left to itself the compiler folds the load
// into each operation that uses it, reading the same bytes again).
template <class V>
inline void keep(V& x) {
    __asm__("" : "+v"(x));
}

// Every lane x.
template <class V, class T>
inline V splat(T x) {
    // The width's broadcast: a loop over the lanes, or an addition to zero
    // (which must stay an instruction, since it turns -0 into +0), would not
    // always become one.
    using E = elem_t<V>;
    const E e = static_cast<E>(x);
    if constexpr (std::is_same_v<E, float>) {
        return as<V>(RVL_MM(set1_ps)(e));
    } else if constexpr (std::is_same_v<E, double>) {
        return as<V>(RVL_MM(set1_pd)(e));
    } else if constexpr (sizeof(E) == 1) {
        return as<V>(RVL_MM(set1_epi8)(static_cast<char>(e)));
    } else if constexpr (sizeof(E) == 2) {
        return as<V>(RVL_MM(set1_epi16)(static_cast<short>(e)));
    } else if constexpr (sizeof(E) == 4) {
        return as<V>(RVL_MM(set1_epi32)(static_cast<int>(e)));
    } else {
#if RVL_VEC_BYTES == 64
        return as<V>(_mm512_set1_epi64(static_cast<long long>(e)));
#else
        return as<V>(RVL_MM(set1_epi64x)(static_cast<long long>(e)));
#endif
    }
}

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
inline f64 loadu(const double* p) { return RVL_MM(loadu_pd)(p); }
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
// The minimum and maximum as the SSE instructions define them, a < b ? a : b
// and a > b ? a : b: b whenever either is NaN. One instruction, where the
// compiler makes a comparison and a blend of the same conditional.
inline F min(F a, F b) {
#if RVL_VEC_BYTES == 64
    return _mm512_min_ps(a, b);
#elif RVL_VEC_BYTES == 32
    return _mm256_min_ps(a, b);
#else
    return _mm_min_ps(a, b);
#endif
}
inline F max(F a, F b) {
#if RVL_VEC_BYTES == 64
    return _mm512_max_ps(a, b);
#elif RVL_VEC_BYTES == 32
    return _mm256_max_ps(a, b);
#else
    return _mm_max_ps(a, b);
#endif
}

// x limited to [lo, hi] by one maximum and one minimum; NaN stays NaN.
inline f32 clamp(f32 x, f32 lo, f32 hi) { return as<f32>(min(as<F>(hi), max(as<F>(lo), as<F>(x)))); }

// The larger / smaller of a and b, and a wherever a is NaN: with the SSE
// instructions' b for a NaN b, a NaN in either gives NaN.
template <bool Max>
inline F extreme_nan(F a, F b) {
#if RVL_VEC_BYTES == 64
    const __m512 m = Max ? _mm512_max_ps(a, b) : _mm512_min_ps(a, b);
    return _mm512_mask_mov_ps(m, _mm512_cmp_ps_mask(a, a, _CMP_UNORD_Q), a);
#elif RVL_VEC_BYTES == 32
    const __m256 m = Max ? _mm256_max_ps(a, b) : _mm256_min_ps(a, b);
    return _mm256_blendv_ps(m, a, _mm256_cmp_ps(a, a, _CMP_UNORD_Q));
#else
    const __m128 m = Max ? _mm_max_ps(a, b) : _mm_min_ps(a, b);
    return _mm_blendv_ps(m, a, _mm_cmpunord_ps(a, a));
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
    if constexpr (Stream) _mm512_stream_si512(static_cast<__m512i*>(p), v);
    else _mm512_storeu_si512(p, v);
}
#endif
template <bool Stream>
inline void put(float* p, F v) {
    if constexpr (Stream) stream(p, v);
    else storeu(p, v);
}

// Stores the 16 values of four 16-byte registers of 32-bit lanes, in order,
// saturated to D (8u, 8s, 16u, 16s) by the packing instructions (a signed
// pack to 16 bits, then to 8): the baseline's form, also used in every width
// by loops whose lanes stay 16 bytes wide.
template <bool Stream, class D>
inline void store_sat4_16(D* p, const __m128i (&x)[4]) {
    static_assert(sizeof(D) <= 2);
    if constexpr (sizeof(D) == 2) {
        const bool u = std::is_same_v<D, Rvl16u>;
        put<Stream>(p, u ? _mm_packus_epi32(x[0], x[1]) : _mm_packs_epi32(x[0], x[1]));
        put<Stream>(p + 8, u ? _mm_packus_epi32(x[2], x[3]) : _mm_packs_epi32(x[2], x[3]));
    } else {
        const __m128i lo = _mm_packs_epi32(x[0], x[1]), hi = _mm_packs_epi32(x[2], x[3]);
        put<Stream>(p, std::is_same_v<D, Rvl8u> ? _mm_packus_epi16(lo, hi) : _mm_packs_epi16(lo, hi));
    }
}

// Stores the 4 * lanes<int32> values of four registers of 32-bit lanes, in
// order, saturated to D (8u, 8s, 16u, 16s): the values of the SSE packing
// instructions (a signed pack to 16 bits, then to 8), whatever the width.
template <bool Stream, class D>
inline void store_sat4(D* p, const I (&x)[4]) {
    static_assert(sizeof(D) <= 2);
#if RVL_VEC_BYTES == 64
    {
        // The packs work within 128-bit quarters; one permutation after the
        // last pack puts the elements back in order (four narrowing moves
        // cost more on some processors than two or three packs and one
        // permutation).
        auto pack16 = [](__m512i a, __m512i b) {
            return std::is_same_v<D, Rvl16u> ? _mm512_packus_epi32(a, b) : _mm512_packs_epi32(a, b);
        };
        const __m512i lo = pack16(x[0], x[1]), hi = pack16(x[2], x[3]);
        if constexpr (sizeof(D) == 2) {
            // Quarter q holds 4 values of each operand: 64-bit pieces 2q, 2q+1.
            const __m512i order = _mm512_setr_epi64(0, 2, 4, 6, 1, 3, 5, 7);
            put<Stream>(p, _mm512_permutexvar_epi64(order, lo));
            put<Stream>(p + 32, _mm512_permutexvar_epi64(order, hi));
        } else {
            // Quarter q holds 4 values of each register k: 32-bit piece 4q + k.
            const __m512i b = std::is_same_v<D, Rvl8u> ? _mm512_packus_epi16(lo, hi) : _mm512_packs_epi16(lo, hi);
            const __m512i order = _mm512_setr_epi32(0, 4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15);
            put<Stream>(p, _mm512_permutexvar_epi32(order, b));
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
    store_sat4_16<Stream>(p, x);
#endif
}

// Stores the lanes<int32> values of a register of 32-bit lanes as 8- or
// 16-bit elements, each keeping its low bits (for values already in the
// element's range).
template <class D>
inline void store_low(D* p, I v) {
    static_assert(sizeof(D) == 1 || sizeof(D) == 2);
#if RVL_VEC_BYTES == 64
    if constexpr (sizeof(D) == 1) _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm512_cvtepi32_epi8(v));
    else _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), _mm512_cvtepi32_epi16(v));
#elif RVL_VEC_BYTES == 32
    if constexpr (sizeof(D) == 1) {
        // The low byte of every lane to the first four bytes of each half,
        // then the two halves' first words together.
        const __m256i b = _mm256_shuffle_epi8(v, _mm256_setr_epi8(0, 4, 8, 12, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
                                                                  0, 4, 8, 12, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1));
        const __m256i w = _mm256_permutevar8x32_epi32(b, _mm256_setr_epi32(0, 4, 1, 1, 1, 1, 1, 1));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm256_castsi256_si128(w));
    } else {
        const __m256i b = _mm256_shuffle_epi8(v, _mm256_setr_epi8(0, 1, 4, 5, 8, 9, 12, 13, -1, -1, -1, -1, -1, -1, -1, -1,
                                                                  0, 1, 4, 5, 8, 9, 12, 13, -1, -1, -1, -1, -1, -1, -1, -1));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm256_castsi256_si128(_mm256_permute4x64_epi64(b, 0x08)));
    }
#else
    if constexpr (sizeof(D) == 1) {
        const int four = _mm_cvtsi128_si32(_mm_shuffle_epi8(v, _mm_setr_epi8(0, 4, 8, 12, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1)));
        __builtin_memcpy(p, &four, 4);
    } else {
        _mm_storel_epi64(reinterpret_cast<__m128i*>(p),
                         _mm_shuffle_epi8(v, _mm_setr_epi8(0, 1, 4, 5, 8, 9, 12, 13, -1, -1, -1, -1, -1, -1, -1, -1)));
    }
#endif
}

// The 32-bit lanes moved K lanes up (lane j gets lane j - K), zeros below.
template <int K>
inline I shift_up_i32(I v) {
    static_assert(K > 0 && K < int(lanes<std::int32_t>));
#if RVL_VEC_BYTES == 64
    return _mm512_alignr_epi32(v, _mm512_setzero_si512(), 16 - K);
#elif RVL_VEC_BYTES == 32
    const __m256i low = _mm256_permute2x128_si256(v, v, 0x08);  // (0, low half of v)
    if constexpr (K == 4) return low;
    else if constexpr (K < 4) return _mm256_alignr_epi8(v, low, 16 - 4 * K);
    else return _mm256_slli_si256(low, 4 * (K - 4));
#else
    return _mm_slli_si128(v, 4 * K);
#endif
}

// Every lane j gets lane L - C + (j mod C) of v (L lanes): the last C lanes
// spread so that each lane sees the one of its own channel, for C
// interleaved channels.
template <int C>
inline I spread_last_i32(I v) {
    constexpr int L = int(lanes<std::int32_t>);
    constexpr auto at = [](int j) { return L - C + j % C; };
#if RVL_VEC_BYTES == 64
    return _mm512_permutexvar_epi32(_mm512_setr_epi32(at(0), at(1), at(2), at(3), at(4), at(5), at(6), at(7), at(8), at(9),
                                                      at(10), at(11), at(12), at(13), at(14), at(15)),
                                    v);
#elif RVL_VEC_BYTES == 32
    return _mm256_permutevar8x32_epi32(v, _mm256_setr_epi32(at(0), at(1), at(2), at(3), at(4), at(5), at(6), at(7)));
#else
    return _mm_shuffle_epi32(v, at(0) | at(1) << 2 | at(2) << 4 | at(3) << 6);
#endif
}

// Bit e set where byte e of the kBytes bytes at p is zero.
inline std::uint64_t zero_bytes(const void* p) {
#if RVL_VEC_BYTES == 64
    return _mm512_cmpeq_epi8_mask(_mm512_loadu_si512(p), _mm512_setzero_si512());
#elif RVL_VEC_BYTES == 32
    const __m256i v = _mm256_loadu_si256(static_cast<const __m256i*>(p));
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(v, _mm256_setzero_si256())));
#else
    const __m128i v = _mm_loadu_si128(static_cast<const __m128i*>(p));
    return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_setzero_si128())));
#endif
}

// ---- Lane-wise helpers that operators do not express ------------------------------

// Float to int32 by the rounding control; NaN and out-of-range lanes give
// 0x80000000. (Operators truncate: __builtin_convertvector.)
inline i32 rint_i32(f32 v) { return as<i32>(to_i32(as<F>(v))); }
// The same, truncating.
inline i32 trunc_i32(f32 v) { return as<i32>(RVL_MM(cvttps_epi32)(as<F>(v))); }

// Float rounding to integral values, independent of the rounding control.
template <int Mode>
inline f32 round(f32 v) {
#if RVL_VEC_BYTES == 64
    return _mm512_roundscale_ps(v, Mode | _MM_FROUND_NO_EXC);
#else
    return RVL_MM(round_ps)(v, Mode | _MM_FROUND_NO_EXC);
#endif
}
template <int Mode>
inline f64 round(f64 v) {
#if RVL_VEC_BYTES == 64
    return _mm512_roundscale_pd(v, Mode | _MM_FROUND_NO_EXC);
#else
    return RVL_MM(round_pd)(v, Mode | _MM_FROUND_NO_EXC);
#endif
}

// The first and second half of the 32-bit lanes, exactly as doubles.
inline f64 f64_lo(i32 v) {
#if RVL_VEC_BYTES == 64
    return _mm512_cvtepi32_pd(_mm512_castsi512_si256(as<I>(v)));
#elif RVL_VEC_BYTES == 32
    return _mm256_cvtepi32_pd(_mm256_castsi256_si128(as<I>(v)));
#else
    return _mm_cvtepi32_pd(as<I>(v));
#endif
}
inline f64 f64_hi(i32 v) {
#if RVL_VEC_BYTES == 64
    return _mm512_cvtepi32_pd(_mm512_extracti64x4_epi64(as<I>(v), 1));
#elif RVL_VEC_BYTES == 32
    return _mm256_cvtepi32_pd(_mm256_extracti128_si256(as<I>(v), 1));
#else
    return _mm_cvtepi32_pd(_mm_srli_si128(as<I>(v), 8));
#endif
}
inline f64 f64_lo(f32 v) {
#if RVL_VEC_BYTES == 64
    return _mm512_cvtps_pd(_mm512_castps512_ps256(v));
#elif RVL_VEC_BYTES == 32
    return _mm256_cvtps_pd(_mm256_castps256_ps128(v));
#else
    return _mm_cvtps_pd(v);
#endif
}
inline f64 f64_hi(f32 v) {
#if RVL_VEC_BYTES == 64
    return _mm512_cvtps_pd(_mm256_castpd_ps(_mm512_extractf64x4_pd(_mm512_castps_pd(v), 1)));
#elif RVL_VEC_BYTES == 32
    return _mm256_cvtps_pd(_mm256_extractf128_ps(v, 1));
#else
    return _mm_cvtps_pd(_mm_movehl_ps(v, v));
#endif
}

// Two registers of doubles to one of 32-bit lanes: truncated (Trunc) or by
// the rounding control; NaN and out-of-range lanes give 0x80000000.
template <bool Trunc>
inline i32 i32_of(f64 lo, f64 hi) {
#if RVL_VEC_BYTES == 64
    const __m256i a = Trunc ? _mm512_cvttpd_epi32(lo) : _mm512_cvtpd_epi32(lo);
    const __m256i b = Trunc ? _mm512_cvttpd_epi32(hi) : _mm512_cvtpd_epi32(hi);
    return as<i32>(_mm512_inserti64x4(_mm512_castsi256_si512(a), b, 1));
#elif RVL_VEC_BYTES == 32
    const __m128i a = Trunc ? _mm256_cvttpd_epi32(lo) : _mm256_cvtpd_epi32(lo);
    const __m128i b = Trunc ? _mm256_cvttpd_epi32(hi) : _mm256_cvtpd_epi32(hi);
    return as<i32>(_mm256_set_m128i(b, a));
#else
    const __m128i a = Trunc ? _mm_cvttpd_epi32(lo) : _mm_cvtpd_epi32(lo);
    const __m128i b = Trunc ? _mm_cvttpd_epi32(hi) : _mm_cvtpd_epi32(hi);
    return as<i32>(_mm_unpacklo_epi64(a, b));
#endif
}
// Two registers of doubles to one of floats, rounded by the rounding control.
inline f32 f32_of(f64 lo, f64 hi) {
#if RVL_VEC_BYTES == 64
    return _mm512_castpd_ps(_mm512_insertf64x4(_mm512_castps_pd(_mm512_castps256_ps512(_mm512_cvtpd_ps(lo))),
                                               _mm256_castps_pd(_mm512_cvtpd_ps(hi)), 1));
#elif RVL_VEC_BYTES == 32
    return _mm256_set_m128(_mm256_cvtpd_ps(hi), _mm256_cvtpd_ps(lo));
#else
    return _mm_movelh_ps(_mm_cvtpd_ps(lo), _mm_cvtpd_ps(hi));
#endif
}

// A 128-bit value in every 128-bit lane of a register.
inline I broadcast128(__m128i v) {
#if RVL_VEC_BYTES == 64
    return _mm512_broadcast_i32x4(v);
#elif RVL_VEC_BYTES == 32
    return _mm256_broadcastsi128_si256(v);
#else
    return v;
#endif
}

// 128-bit lane Q of a register.
template <int Q>
inline __m128i lane128(I v) {
#if RVL_VEC_BYTES == 64
    return _mm512_extracti32x4_epi32(v, Q);
#elif RVL_VEC_BYTES == 32
    if constexpr (Q == 0) return _mm256_castsi256_si128(v);
    else return _mm256_extracti128_si256(v, 1);
#else
    return v;
#endif
}
template <int Q>
inline __m128 lane128(F v) {
    return _mm_castsi128_ps(lane128<Q>(as<I>(v)));
}

// The 32-bit words at byte offsets from base, one per lane (gathers where
// the width has them).
inline u32 gather_u32(const void* base, i32 offsets) {
#if RVL_VEC_BYTES == 64
    return as<u32>(_mm512_i32gather_epi32(as<I>(offsets), base, 1));
#elif RVL_VEC_BYTES == 32
    return as<u32>(_mm256_i32gather_epi32(static_cast<const int*>(base), as<I>(offsets), 1));
#else
    u32 r;
    for (std::size_t k = 0; k < lanes<std::uint32_t>; ++k) {
        std::uint32_t w;
        __builtin_memcpy(&w, static_cast<const char*>(base) + offsets[k], 4);
        r[k] = w;
    }
    return r;
#endif
}

// One bit per 32-bit lane of a comparison result (all-ones lanes), lane 0 in
// bit 0.
inline std::uint64_t lane_bits(i32 m) {
#if RVL_VEC_BYTES == 64
    return _mm512_movepi32_mask(as<I>(m));
#elif RVL_VEC_BYTES == 32
    return static_cast<unsigned>(_mm256_movemask_ps(as<F>(m)));
#else
    return static_cast<unsigned>(_mm_movemask_ps(as<F>(m)));
#endif
}

// Saturating 8- and 16-bit arithmetic.
inline u8 adds(u8 a, u8 b) { return as<u8>(RVL_MM(adds_epu8)(as<I>(a), as<I>(b))); }
inline u8 subs(u8 a, u8 b) { return as<u8>(RVL_MM(subs_epu8)(as<I>(a), as<I>(b))); }
inline u16 adds(u16 a, u16 b) { return as<u16>(RVL_MM(adds_epu16)(as<I>(a), as<I>(b))); }
inline u16 subs(u16 a, u16 b) { return as<u16>(RVL_MM(subs_epu16)(as<I>(a), as<I>(b))); }
inline i16 adds(i16 a, i16 b) { return as<i16>(RVL_MM(adds_epi16)(as<I>(a), as<I>(b))); }
inline i16 subs(i16 a, i16 b) { return as<i16>(RVL_MM(subs_epi16)(as<I>(a), as<I>(b))); }
// The high 16 bits of the 32-bit products.
inline u16 mulhi(u16 a, u16 b) { return as<u16>(RVL_MM(mulhi_epu16)(as<I>(a), as<I>(b))); }
inline i16 mulhi(i16 a, i16 b) { return as<i16>(RVL_MM(mulhi_epi16)(as<I>(a), as<I>(b))); }

// The 16-bit lanes of two registers (a first), saturated to 8 bits in order:
// unsigned (8u) or signed (8s) from signed 16-bit values.
template <bool Unsigned>
inline I pack_sat_i16(I a, I b) {
#if RVL_VEC_BYTES == 64
    const __m256i lo = Unsigned ? _mm512_cvtusepi16_epi8(_mm512_max_epi16(a, zero())) : _mm512_cvtsepi16_epi8(a);
    const __m256i hi = Unsigned ? _mm512_cvtusepi16_epi8(_mm512_max_epi16(b, zero())) : _mm512_cvtsepi16_epi8(b);
    return _mm512_inserti64x4(_mm512_castsi256_si512(lo), hi, 1);
#elif RVL_VEC_BYTES == 32
    return _mm256_permute4x64_epi64(Unsigned ? _mm256_packus_epi16(a, b) : _mm256_packs_epi16(a, b), 0xD8);
#else
    return Unsigned ? _mm_packus_epi16(a, b) : _mm_packs_epi16(a, b);
#endif
}

// lanes<uint16> bytes, zero-extended to 16-bit lanes.
inline I load_u8_as_u16(const std::uint8_t* p) {
#if RVL_VEC_BYTES == 64
    return _mm512_cvtepu8_epi16(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)));
#elif RVL_VEC_BYTES == 32
    return _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
#else
    return _mm_cvtepu8_epi16(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)));
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
