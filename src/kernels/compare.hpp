// Element-wise minimum, maximum, comparison and selection on registers of
// 8u, 16u, 16s and 32f elements.
#pragma once

#include <smmintrin.h>

#include <type_traits>

#include "kernels/simd.hpp"
#include "rvl.h"

namespace rvl {

// ---- Vector comparisons per element type -------------------------------------

template <class T>
inline simd::reg_t<T> vmin(simd::reg_t<T> a, simd::reg_t<T> b) {
    if constexpr (std::is_same_v<T, Rvl8u>) return _mm_min_epu8(a, b);
    else if constexpr (std::is_same_v<T, Rvl16u>) return _mm_min_epu16(a, b);
    else if constexpr (std::is_same_v<T, Rvl16s>) return _mm_min_epi16(a, b);
    else return _mm_min_ps(a, b);
}
template <class T>
inline simd::reg_t<T> vmax(simd::reg_t<T> a, simd::reg_t<T> b) {
    if constexpr (std::is_same_v<T, Rvl8u>) return _mm_max_epu8(a, b);
    else if constexpr (std::is_same_v<T, Rvl16u>) return _mm_max_epu16(a, b);
    else if constexpr (std::is_same_v<T, Rvl16s>) return _mm_max_epi16(a, b);
    else return _mm_max_ps(a, b);
}
// All-ones lanes where a > b.
template <class T>
inline simd::reg_t<T> vgreater(simd::reg_t<T> a, simd::reg_t<T> b) {
    if constexpr (std::is_same_v<T, Rvl32f>) {
        return _mm_cmpgt_ps(a, b);
    } else if constexpr (std::is_same_v<T, Rvl16s>) {
        return _mm_cmpgt_epi16(a, b);
    } else {
        // Unsigned: the signed comparison of both operands with their top
        // bits flipped. (The form "not (max(a, b) == b)" feeding a blend is
        // folded into an inverted selection by GCC 12 when it targets
        // AVX-512BW; the variants must agree bit for bit.)
        if constexpr (std::is_same_v<T, Rvl8u>) {
            const __m128i bias = _mm_set1_epi8(static_cast<char>(0x80));
            return _mm_cmpgt_epi8(_mm_xor_si128(a, bias), _mm_xor_si128(b, bias));
        } else {
            const __m128i bias = _mm_set1_epi16(static_cast<short>(0x8000));
            return _mm_cmpgt_epi16(_mm_xor_si128(a, bias), _mm_xor_si128(b, bias));
        }
    }
}
template <class T>
inline simd::reg_t<T> vselect(simd::reg_t<T> mask, simd::reg_t<T> yes, simd::reg_t<T> no) {
    if constexpr (std::is_same_v<T, Rvl32f>) return _mm_blendv_ps(no, yes, mask);
    else return _mm_blendv_epi8(no, yes, mask);
}

}  // namespace rvl
