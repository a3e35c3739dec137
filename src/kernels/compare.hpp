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
        // Unsigned: a > b exactly where max(a, b) differs from b.
        const __m128i eq = std::is_same_v<T, Rvl8u> ? _mm_cmpeq_epi8(vmax<T>(a, b), b) : _mm_cmpeq_epi16(vmax<T>(a, b), b);
        return _mm_xor_si128(eq, _mm_set1_epi32(-1));
    }
}
template <class T>
inline simd::reg_t<T> vselect(simd::reg_t<T> mask, simd::reg_t<T> yes, simd::reg_t<T> no) {
    if constexpr (std::is_same_v<T, Rvl32f>) return _mm_blendv_ps(no, yes, mask);
    else return _mm_blendv_epi8(no, yes, mask);
}

}  // namespace rvl
