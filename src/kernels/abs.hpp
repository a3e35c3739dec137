// Absolute value, one element or one register at a time.
#pragma once

#include <cstdint>
#include <cstring>

#include "kernels/vec.hpp"
#include "rvl.h"

namespace rvl {

template <class T> struct AbsOp;

// |x| with saturation: -32768 has no positive twin and becomes 32767. The
// operand is first raised to -32767, which makes the absolute value exact.
template <> struct AbsOp<Rvl16s> {
    Rvl16s operator()(Rvl16s x) const {
        const int v = x < -32767 ? -32767 : x;
        return static_cast<Rvl16s>(v < 0 ? -v : v);
    }
    vec::i16 operator()(vec::i16 x) const {
        const vec::i16 v = x < -32767 ? vec::splat<vec::i16>(-32767) : x;
        return v < 0 ? -v : v;
    }
};

// The sign bit is cleared, nothing else: -0 becomes +0, -Inf +Inf, and a NaN
// keeps its payload.
template <> struct AbsOp<Rvl32f> {
    Rvl32f operator()(Rvl32f x) const {
        std::uint32_t bits;
        std::memcpy(&bits, &x, sizeof bits);
        bits &= 0x7FFFFFFFu;
        std::memcpy(&x, &bits, sizeof bits);
        return x;
    }
    vec::f32 operator()(vec::f32 x) const { return vec::as<vec::f32>(vec::as<vec::u32>(x) & 0x7FFFFFFFu); }
};

}  // namespace rvl
