// e^x and ln x in single precision, a register at a time.
//
// Both kernels reduce the argument exactly and evaluate a short polynomial;
// neither reads the rounding control for its reduction step, and neither
// fuses operations the source does not write, so every variant gives the
// same bits. Largest errors, measured over all 2^32 floats against double
// precision rounded to single: 1 ulp for exp (including subnormal results)
// and 1 ulp for ln; about 0.4% (exp) and 0.3% (ln) of the inputs are off by
// that ulp. The tests check a sample of every exponent.
//
// exp: n = nearest(x * log2(e)), r = x - n * ln2 with ln2 split into a 9-bit
// head (n * head is exact) and a tail, so |r| <= ln2 / 2 with an error far
// below an ulp; e^r = 1 + r + r^2 * Q(r), Q the Taylor polynomial of degree
// 5 (truncation below 6e-9); the result is scaled by 2^n as two powers of
// two, 2^(n/2) and 2^(n - n/2), so no exponent field overflows: the second
// multiplication rounds once, giving +Inf past the largest float and
// correctly rounded subnormals below the smallest normal. x is first limited
// to [-104, 89]: below, the result rounds to 0; above, to +Inf. NaN stays NaN.
//
// ln: x = 2^e * m with m in [sqrt(1/2), sqrt(2)) (subnormals are first scaled
// by 2^23); with f = m - 1 (exact), s = f / (2 + f) and h = f^2 / 2,
// ln m = f - (h - s * (h + T)), T = s^2 * (2/3 + 2/5 s^2 + 2/7 s^4 + 2/9 s^6),
// the series of 2 atanh(s) - 2s written around f, which is exact; ln x adds
// e * ln2 as the same head and tail. ln 1 = +0, ln 0 = -Inf, ln of a
// negative number (not -0) the default NaN 0xFFC00000, ln +Inf = +Inf, NaN
// stays NaN.
#pragma once

#include <cstdint>

#include "kernels/vec.hpp"

namespace rvl::kernels {

namespace exp_ln_detail {

inline constexpr float kLn2Head = 0.693359375f;          // 355 / 512
inline constexpr float kLn2Tail = -2.12194440e-4f;       // ln 2 - head, rounded
inline constexpr float kLog2e = 1.44269504088896341f;

// Polynomial coefficients as literals (nearest floats): the library is built
// with rounding-mode-aware arithmetic, which would leave quotients such as
// 1.0f / 6 to run time.
inline constexpr float kInv6 = 0x1.555556p-3f, kInv24 = 0x1.555556p-5f, kInv120 = 0x1.111112p-7f;
inline constexpr float kInv720 = 0x1.6c16c2p-10f, kInv5040 = 0x1.a01a02p-13f;
inline constexpr float kTwoThirds = 0x1.555556p-1f, kTwoFifths = 0x1.99999ap-2f, kTwoSevenths = 0x1.24924ap-2f,
                       kTwoNinths = 0x1.c71c72p-3f;

inline vec::f32 bits_f32(std::uint32_t b) { return vec::as<vec::f32>(vec::splat<vec::u32>(b)); }

// 2^n for integer lanes n in [-126, 127].
inline vec::f32 power_of_two(vec::i32 n) {
    return vec::as<vec::f32>(vec::as<vec::u32>(n + 127) << 23);
}

}  // namespace exp_ln_detail

inline vec::f32 exp_f32(vec::f32 x) {
    using namespace exp_ln_detail;
    const vec::f32 lo = vec::splat<vec::f32>(-104.0f), hi = vec::splat<vec::f32>(89.0f);
    // NaN lanes stay NaN (the maximum and minimum return their second operand).
    x = vec::clamp(x, lo, hi);
    const vec::f32 nf = vec::round<_MM_FROUND_TO_NEAREST_INT>(x * kLog2e);
    const vec::f32 r = (x - nf * kLn2Head) - nf * kLn2Tail;
    vec::f32 q = vec::splat<vec::f32>(kInv5040);
    q = q * r + kInv720;
    q = q * r + kInv120;
    q = q * r + kInv24;
    q = q * r + kInv6;
    q = q * r + 0.5f;
    const vec::f32 p = 1.0f + (r + (r * r) * q);
#if RVL_VEC_BYTES == 64
    // p 2^n rounded once, as the two products below give it: one scaling
    // instruction (NaN lanes give NaN).
    return _mm512_scalef_ps(p, nf);
#else
    // p 2^half is exact (2^half and the product stay normal); the second
    // product rounds p 2^n once. NaN lanes convert to 0x80000000; their p is
    // NaN, and so is the result.
    const vec::i32 n = vec::trunc_i32(nf);
    const vec::i32 half = n >> 1;
    return (p * power_of_two(half)) * power_of_two(n - half);
#endif
}

namespace exp_ln_detail {

// ln of positive normal lanes; `tiny` marks lanes that were scaled by 2^23
// from subnormals (and zeros, whose result is replaced).
inline vec::f32 ln_normal(vec::f32 xs, vec::i32 tiny) {
    // Adding 2^23 - bits(sqrt(1/2)) to the bits carries into the exponent
    // exactly when the mantissa is at least sqrt(2); the low bits plus
    // bits(sqrt(1/2)) are then m, in [sqrt(1/2), sqrt(2)).
    const vec::u32 b = vec::as<vec::u32>(xs) + (0x3F800000u - 0x3F3504F3u);
    const vec::i32 e = vec::as<vec::i32>(b >> 23) - 127 - (tiny & 23);
    const vec::f32 m = vec::as<vec::f32>((b & 0x007FFFFFu) + 0x3F3504F3u);
    const vec::f32 f = m - 1.0f;
    const vec::f32 s = f / (2.0f + f);
    const vec::f32 s2 = s * s;
    vec::f32 t = vec::splat<vec::f32>(kTwoNinths);
    t = t * s2 + kTwoSevenths;
    t = t * s2 + kTwoFifths;
    t = t * s2 + kTwoThirds;
    t = t * s2;
    const vec::f32 h = 0.5f * f * f;
    const vec::f32 ef = __builtin_convertvector(e, vec::f32);
    const vec::f32 lnm = f - (h - (s * (h + t) + ef * kLn2Tail));
    return ef * kLn2Head + lnm;
}

}  // namespace exp_ln_detail

inline vec::f32 ln_f32(vec::f32 x) {
    using namespace exp_ln_detail;
    // Registers of positive normal finite lanes only (the usual case) skip
    // the scaling of subnormals and the special results; the lanes' values
    // are the same either way.
    // (bits - bits(smallest normal), unsigned, is below 0x7F000000 exactly for
    // the positive normal finite floats.)
    const vec::i32 special = (vec::as<vec::u32>(x) - 0x00800000u) >= 0x7F000000u;
    if (vec::lane_bits(special) == 0) return ln_normal(x, vec::i32{});
    // Subnormals (and zero) are scaled into the normal range first.
    const vec::i32 tiny = x < 1.17549435e-38f;
    vec::f32 y = ln_normal(tiny ? x * 8388608.0f : x, tiny);
    y = x == vec::splat<vec::f32>(__builtin_inff()) ? x : y;
    y = x == 0.0f ? vec::splat<vec::f32>(-__builtin_inff()) : y;
    y = x < 0.0f ? bits_f32(0xFFC00000u) : y;
    y = x != x ? x : y;
    return y;
}

}  // namespace rvl::kernels
