// Element-wise 1-D kernels.
//
// A per-element operation is a small functor with a scalar form and a
// register form that compute the same formula:
//
//   struct AbsOp16s {
//       Rvl16s operator()(Rvl16s x) const;          // one element
//       vec::i16 operator()(vec::i16 x) const;      // one register
//   };
//
// map_row runs it over a row: single elements until the destination is
// aligned to the register width, then whole registers (four per iteration),
// then the tail one element at a time. Source and destination may be the
// same row (in-place forms). Where an element falls makes no difference to
// its value.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "kernels/vec.hpp"

namespace rvl {

// How a kernel writes its output blocks. NonTemporal bypasses the caches for
// outputs larger than the cache; results are the same.
enum class Store { Cached, NonTemporal };

// Elements of T before p reaches an A-byte boundary (0 when p is not even
// aligned to its element).
template <std::size_t A, class T>
inline std::size_t lead_to(const T* p) {
    const auto addr = reinterpret_cast<std::uintptr_t>(p);
    if (addr % sizeof(T) != 0) return 0;
    return ((A - addr % A) % A) / sizeof(T);
}

// The n elements at s and the n elements at d share no byte.
template <class S, class D>
inline bool apart(const S* s, const D* d, std::size_t n) {
    const auto sb = reinterpret_cast<std::uintptr_t>(s), db = reinterpret_cast<std::uintptr_t>(d);
    return sb + n * sizeof(S) <= db || db + n * sizeof(D) <= sb;
}

// One store of a register of the variant's width, cached or streamed (p must
// then be aligned to the width).
template <Store S, class V>
inline void put_vec(void* p, V v) {
    if constexpr (std::is_same_v<vec::elem_t<V>, float>)
        vec::put<S == Store::NonTemporal>(static_cast<float*>(p), vec::as<vec::F>(v));
    else
        vec::put<S == Store::NonTemporal>(p, vec::as<vec::I>(v));
}

// One register of elements of T from any address.
template <class T>
inline vec::of<T> load_vec(const T* p) {
    return vec::as<vec::of<T>>(vec::loadu(static_cast<const void*>(p)));
}

template <Store S = Store::Cached, class T, class Op>
inline void map_row(const T* src, T* dst, std::size_t n, const Op& op) {
    constexpr std::size_t L = vec::lanes<T>;
    std::size_t i = std::min(lead_to<vec::kBytes>(dst), n);
    for (std::size_t j = 0; j < i; ++j) dst[j] = op(src[j]);
    const bool aligned = (reinterpret_cast<std::uintptr_t>(dst + i) % vec::kBytes) == 0;
    if (S == Store::NonTemporal && aligned) {
        for (; i + L <= n; i += L) put_vec<Store::NonTemporal>(dst + i, op(load_vec(src + i)));
        _mm_sfence();
    } else {
        for (; i + 4 * L <= n; i += 4 * L) {
            const auto a = op(load_vec(src + i)), b = op(load_vec(src + i + L));
            const auto c = op(load_vec(src + i + 2 * L)), d = op(load_vec(src + i + 3 * L));
            put_vec<Store::Cached>(dst + i, a);
            put_vec<Store::Cached>(dst + i + L, b);
            put_vec<Store::Cached>(dst + i + 2 * L, c);
            put_vec<Store::Cached>(dst + i + 3 * L, d);
        }
        for (; i + L <= n; i += L) put_vec<Store::Cached>(dst + i, op(load_vec(src + i)));
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
