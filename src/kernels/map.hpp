// Element-wise 1-D kernels.
//
// A per-element operation is a small functor with a scalar form and a vector
// form that compute the same formula:
//
//   struct AbsOp16s {
//       Rvl16s operator()(Rvl16s x) const;          // one element
//       __m128i operator()(__m128i x) const;        // eight elements
//   };
//
// map_row runs it over a row the way every kernel of the library does: single
// elements until the destination is 16-byte aligned, then 16-byte blocks (four
// per iteration), then the tail one element at a time. Source and destination
// may be the same row (in-place forms). Where an element falls makes no
// difference to its value.
#pragma once

#include <algorithm>
#include <cstddef>

#include "kernels/simd.hpp"

namespace rvl {

// How a kernel writes its output blocks. NonTemporal bypasses the caches for
// outputs larger than the cache; results are the same.
enum class Store { Cached, NonTemporal };

template <Store S = Store::Cached, class T, class Op>
inline void map_row(const T* src, T* dst, std::size_t n, const Op& op) {
    using simd::lanes;
    std::size_t i = std::min(simd::lead_to_alignment(dst), n);
    for (std::size_t j = 0; j < i; ++j) dst[j] = op(src[j]);
    const bool aligned = (reinterpret_cast<std::uintptr_t>(dst + i) % simd::kVectorBytes) == 0;
    if (S == Store::NonTemporal && aligned) {
        for (; i + lanes<T> <= n; i += lanes<T>) simd::stream(dst + i, op(simd::loadu(src + i)));
        _mm_sfence();
    } else {
        for (; i + 4 * lanes<T> <= n; i += 4 * lanes<T>) {
            auto a = op(simd::loadu(src + i));
            auto b = op(simd::loadu(src + i + lanes<T>));
            auto c = op(simd::loadu(src + i + 2 * lanes<T>));
            auto d = op(simd::loadu(src + i + 3 * lanes<T>));
            simd::storeu(dst + i, a);
            simd::storeu(dst + i + lanes<T>, b);
            simd::storeu(dst + i + 2 * lanes<T>, c);
            simd::storeu(dst + i + 3 * lanes<T>, d);
        }
        for (; i + lanes<T> <= n; i += lanes<T>) simd::storeu(dst + i, op(simd::loadu(src + i)));
    }
    for (; i < n; ++i) dst[i] = op(src[i]);
}

// The map_row kernel of one operation, as a callable the image walkers take.
template <class Op, Store S = Store::Cached>
struct MapKernel {
    Op op;
    template <class T>
    void operator()(const T* src, T* dst, std::size_t n) const { map_row<S>(src, dst, n, op); }
};

}  // namespace rvl
