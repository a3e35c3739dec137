// The vector vocabulary of the kernels: one 16-byte register type per element
// type, with loads and stores that the row loops use generically.
#pragma once

#include <smmintrin.h>  // SSE4.1 and below

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace rvl::simd {

constexpr std::size_t kVectorBytes = 16;

template <class T> struct Reg { using type = __m128i; };
template <> struct Reg<float> { using type = __m128; };
template <> struct Reg<double> { using type = __m128d; };

// The register that holds 16 bytes of T.
template <class T> using reg_t = typename Reg<T>::type;

// Elements of T per register.
template <class T> constexpr std::size_t lanes = kVectorBytes / sizeof(T);

template <class T>
inline reg_t<T> loadu(const T* p) {
    if constexpr (std::is_same_v<T, float>)
        return _mm_loadu_ps(p);
    else if constexpr (std::is_same_v<T, double>)
        return _mm_loadu_pd(p);
    else
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

template <class T>
inline void storeu(T* p, reg_t<T> v) {
    if constexpr (std::is_same_v<T, float>)
        _mm_storeu_ps(p, v);
    else if constexpr (std::is_same_v<T, double>)
        _mm_storeu_pd(p, v);
    else
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
}

// Cache-bypassing store; p must be 16-byte aligned.
template <class T>
inline void stream(T* p, reg_t<T> v) {
    if constexpr (std::is_same_v<T, float>)
        _mm_stream_ps(p, v);
    else if constexpr (std::is_same_v<T, double>)
        _mm_stream_pd(p, v);
    else
        _mm_stream_si128(reinterpret_cast<__m128i*>(p), v);
}

// Elements to process one at a time before `p` is 16-byte aligned; 0 when p
// is not even aligned to its element size (it can then never be aligned, and
// the block loop uses unaligned stores throughout).
template <class T>
inline std::size_t lead_to_alignment(const T* p) {
    const auto addr = reinterpret_cast<std::uintptr_t>(p);
    if (addr % sizeof(T) != 0) return 0;
    return ((kVectorBytes - addr % kVectorBytes) % kVectorBytes) / sizeof(T);
}

}  // namespace rvl::simd
