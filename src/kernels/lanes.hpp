// Four registers of 32-bit lanes at a time.
//
// Most conversions and the pixel arithmetic go through one shape: load kQuad
// source elements (four registers of 32-bit lanes: 16 with SSE4.1, 32 with
// AVX2, 64 with AVX-512) widened to integers or floats, compute lane-wise,
// and store kQuad destination elements with saturation. The loads and stores
// below are the only places that know the element types; an operation in
// between sees four registers of `vec::i32` or `vec::f32` and computes each
// lane by the same instructions in every width.
#pragma once

#include <cstdint>
#include <cstring>
#include <type_traits>

#include "kernels/map.hpp"
#include "kernels/vec.hpp"
#include "rvl.h"

namespace rvl {

// Elements of one block of four registers of 32-bit lanes.
inline constexpr std::size_t kQuad = 4 * vec::lanes<std::int32_t>;

struct I32Quad {
    vec::i32 v[4];
};
struct F32Quad {
    vec::f32 v[4];
};

// An unaligned scalar read of sizeof(U) bytes.
template <class U, class T>
inline U load_bits(const T* p) {
    U v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// ---- Loads: kQuad elements into 32-bit integer lanes (sign- or zero-extended;
// 32u keeps its bits), or floats.
template <class S>
inline I32Quad load_i32(const S* p) {
    constexpr std::size_t L = vec::lanes<std::int32_t>;
    I32Quad r;
    for (std::size_t k = 0; k < 4; ++k) r.v[k] = vec::as<vec::i32>(vec::load_i32(p + k * L));
    return r;
}

inline F32Quad load_f32(const Rvl32f* p) {
    constexpr std::size_t L = vec::lanes<float>;
    F32Quad r;
    for (std::size_t k = 0; k < 4; ++k) r.v[k] = vec::loadu(p + k * L);
    return r;
}

// ---- Stores: kQuad elements from 32-bit integer lanes, saturated to D.
template <Store S, class D>
inline void store_sat(D* p, const I32Quad& x) {
    if constexpr (sizeof(D) <= 2) {
        const vec::I r[4] = {vec::as<vec::I>(x.v[0]), vec::as<vec::I>(x.v[1]), vec::as<vec::I>(x.v[2]),
                             vec::as<vec::I>(x.v[3])};
        vec::store_sat4<S == Store::NonTemporal>(p, r);
    } else {
        static_assert(sizeof(D) == 4 && std::is_integral_v<D>);
        for (std::size_t k = 0; k < 4; ++k) put_vec<S>(p + k * vec::lanes<std::int32_t>, x.v[k]);
    }
}

template <Store S>
inline void store_f32(Rvl32f* p, const F32Quad& x) {
    for (std::size_t k = 0; k < 4; ++k) put_vec<S>(p + k * vec::lanes<float>, x.v[k]);
}

// ---- Lane-wise helpers.
template <class F>
inline I32Quad each(const I32Quad& x, F f) {
    return {{f(x.v[0]), f(x.v[1]), f(x.v[2]), f(x.v[3])}};
}
template <class F>
inline F32Quad each(const F32Quad& x, F f) {
    return {{f(x.v[0]), f(x.v[1]), f(x.v[2]), f(x.v[3])}};
}
inline F32Quad to_f32(const I32Quad& x) {
    return {{__builtin_convertvector(x.v[0], vec::f32), __builtin_convertvector(x.v[1], vec::f32),
             __builtin_convertvector(x.v[2], vec::f32), __builtin_convertvector(x.v[3], vec::f32)}};
}
// Float to int32 under the current rounding control; NaN and values out of
// the int32 range give 0x80000000.
inline I32Quad to_i32(const F32Quad& x) {
    return {{vec::rint_i32(x.v[0]), vec::rint_i32(x.v[1]), vec::rint_i32(x.v[2]), vec::rint_i32(x.v[3])}};
}
// The same, truncating.
inline I32Quad trunc_i32(const F32Quad& x) {
    return {{vec::trunc_i32(x.v[0]), vec::trunc_i32(x.v[1]), vec::trunc_i32(x.v[2]), vec::trunc_i32(x.v[3])}};
}

}  // namespace rvl
