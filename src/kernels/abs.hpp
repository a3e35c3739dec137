// Absolute value, one element or one register at a time.
#pragma once

#include <cstdint>
#include <cstring>

#include "kernels/simd.hpp"
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
    __m128i operator()(__m128i x) const {
        return _mm_abs_epi16(_mm_max_epi16(x, _mm_set1_epi16(-32767)));
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
    __m128 operator()(__m128 x) const {
        return _mm_and_ps(x, _mm_castsi128_ps(_mm_set1_epi32(0x7FFFFFFF)));
    }
};

}  // namespace rvl
