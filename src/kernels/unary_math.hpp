// Square roots, exponentials and logarithms, a block at a time, and the
// sign survey of a row that decides their warnings.
//
// The blocks take the two-operand form of the row loops (block(a, b, d))
// and read only b: the walkers pass the source as both operands.
//
// Integer results are saturate(round(y * 2^-f)) of the root, exponential or
// logarithm y, rounded to nearest with ties to even (a tie only arises for
// roots of perfect squares, and e^0 = 1 with f > 0). Every kernel below gives
// that exactly, for every input and scale factor:
//
//   8u:          a table of the 256 results, built per call in double
//                precision (one lookup per element);
//   sqrt 16u/s:  f >= 0 in single precision: the correctly rounded root of
//                a 16-bit integer scaled by 2^-f never crosses a rounding
//                boundary (the nearest boundary is a perfect square's root,
//                hit exactly, or at least 2^-11 away, against an error of
//                2^-16); f < 0 in double precision, where the same margin
//                holds for every f down to -17, below which every positive
//                root saturates;
//   exp:         e^x * 2^-f is monotone in x and moves from below 1/2 to above
//                the largest result within 14 consecutive integers, so
//                each call computes a window of 16 results (in extended
//                precision) and a lane looks its clamped index up;
//   ln 16u/s:    the single-precision ln (1 ulp or better) scaled by 2^-f;
//                lanes within 3e-7 * |y| (2.5 ulp) of a rounding boundary are
//                recomputed in double precision, one at a time.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>

#include "kernels/convert_sfs.hpp"
#include "kernels/exp_ln.hpp"
#include "kernels/lanes.hpp"
#include "kernels/rounding.hpp"

namespace rvl {

// 2^-f as a double for any int f, limited to 2^+-1000: results scaled that
// far saturate or round to 0 as under the exact factor, and 0 * 2^1000 is
// still 0.
inline double scale_of(int f) { return std::ldexp(1.0, f < -1000 ? 1000 : f > 1000 ? -1000 : -f); }

// saturate(round_half_even(y)); NaN gives 0.
template <class T>
inline T saturate_round(double y) {
    if (y != y) return T(0);
    const double r = round_integral(y, Round::NearestEven);
    constexpr double lo = std::numeric_limits<T>::lowest(), hi = std::numeric_limits<T>::max();
    return static_cast<T>(r < lo ? lo : r > hi ? hi : r);
}

// ---- 32f: a function of one register -----------------------------------------
//
// F gives the result of a register, and with kKinds > 0 a mask of the lanes
// to report, placed at bit `at` (one kind) or at bits `at` and 32 + `at`
// (two kinds: zero, negative); status() turns a row's mask into its warning.

struct SqrtF32 {
    static constexpr int kKinds = 1;
    vec::f32 operator()(vec::f32 x) const { return vec::as<vec::f32>(RVL_MM(sqrt_ps)(vec::as<vec::F>(x))); }
    static std::uint64_t flags(vec::f32 x, unsigned at) { return vec::lane_bits(x < 0.0f) << at; }
    static RvlResult status(std::uint64_t) { return rvlResWarnSqrtOfNegative; }
};
struct ExpF32 {
    static constexpr int kKinds = 0;
    vec::f32 operator()(vec::f32 x) const { return kernels::exp_f32(x); }
    static std::uint64_t flags(vec::f32, unsigned) { return 0; }
    static RvlResult status(std::uint64_t) { return rvlResOk; }
};
// A zero (either sign) takes precedence over a negative element.
struct LnF32 {
    static constexpr int kKinds = 2;
    vec::f32 operator()(vec::f32 x) const { return kernels::ln_f32(x); }
    static std::uint64_t flags(vec::f32 x, unsigned at) {
        return (vec::lane_bits(x == 0.0f) << at) | (vec::lane_bits(x < 0.0f) << (32 + at));
    }
    static RvlResult status(std::uint64_t f) {
        return (f & 0xFFFFFFFFu) ? rvlResWarnLogOfZero : rvlResWarnLogOfNegative;
    }
};

template <class F>
struct FloatUnaryOp {
    static constexpr std::size_t L = vec::lanes<float>;
    // Two kinds share the 64 flag bits: at most 32 elements per block.
    static constexpr std::size_t kRegs = F::kKinds == 2 && 4 * L > 32 ? 32 / L : 4;
    static constexpr std::size_t kBlock = kRegs * L;
    static constexpr std::size_t kAlign = vec::kBytes;
    template <Store St>
    std::uint64_t block(const Rvl32f*, const Rvl32f* b, Rvl32f* d) const {
        std::uint64_t flags = 0;
        for (std::size_t k = 0; k < kRegs; ++k) {
            const vec::f32 x = vec::loadu(b + k * L);
            put_vec<St>(d + k * L, F{}(x));
            if constexpr (F::kKinds > 0) flags |= F::flags(x, unsigned(k * L));
        }
        return flags;
    }
    RvlResult status(std::uint64_t flags) const { return F::status(flags); }
};

// ---- 8u: a table of the 256 results ------------------------------------------

// With Log, zero elements are flagged (a logarithm of zero).
template <bool Log>
struct TableOp8u {
    static constexpr std::size_t kBlock = 64;
    static constexpr std::size_t kAlign = 16;
    Rvl8u table[256];
    // value(x) is the real result before scaling and rounding.
    template <class F>
    TableOp8u(F value, int f) {
        const double scale = scale_of(f);
        for (int x = 0; x < 256; ++x) table[x] = saturate_round<Rvl8u>(value(x) * scale);
    }
    template <Store St>
    std::uint64_t block(const Rvl8u*, const Rvl8u* b, Rvl8u* d) const {
        std::uint64_t zeros = 0;
        if constexpr (Log)
            for (std::size_t o = 0; o < kBlock; o += vec::kBytes) zeros |= vec::zero_bytes(b + o) << o;
        // Eight lookups a word: one load and one store for eight elements.
        for (std::size_t i = 0; i < kBlock; i += 8) {
            const std::uint64_t in = load_bits<std::uint64_t>(b + i);
            std::uint64_t out = 0;
            for (unsigned k = 0; k < 64; k += 8) out |= std::uint64_t(table[(in >> k) & 0xFF]) << k;
            std::memcpy(d + i, &out, sizeof out);
        }
        return zeros;
    }
    RvlResult status(std::uint64_t) const { return rvlResWarnLogOfZero; }
};

// ---- Square roots of 16-bit integers -------------------------------------------

template <class T>
struct SqrtOp16 {
    static constexpr std::size_t kBlock = kQuad;
    static constexpr std::size_t kAlign = vec::kBytes;
    bool wide;  // f < 0: double precision
    float scaleF;
    double scaleD;
    explicit SqrtOp16(int f)
        : wide(f < 0),
          // From f = 10 on every root of a 16-bit value rounds to 0; below -17
          // every positive root saturates.
          scaleF(static_cast<float>(scale_of(f > 10 ? 10 : f))),
          scaleD(scale_of(f < -17 ? -17 : f)) {}

    template <Store St>
    std::uint64_t block(const T*, const T* b, T* d) const {
        I32Quad x = load_i32(b);
        std::uint64_t negatives = 0;
        if constexpr (std::is_signed_v<T>) {
            for (int k = 0; k < 4; ++k) negatives |= vec::lane_bits(x.v[k] < 0) << (k * vec::lanes<std::int32_t>);
            x = each(x, [](vec::i32 v) { return v < 0 ? vec::i32{} : v; });
        }
        I32Quad r;
        for (int k = 0; k < 4; ++k) {
            if (wide) {
                auto root = [&](vec::f64 v) {
                    return vec::round<_MM_FROUND_TO_NEAREST_INT>(vec::f64(RVL_MM(sqrt_pd)(v)) * scaleD);
                };
                r.v[k] = vec::i32_of<true>(root(vec::f64_lo(x.v[k])), root(vec::f64_hi(x.v[k])));
            } else {
                const vec::f32 v = __builtin_convertvector(x.v[k], vec::f32);
                r.v[k] = vec::trunc_i32(vec::round<_MM_FROUND_TO_NEAREST_INT>(SqrtF32{}(v) * scaleF));
            }
        }
        store_sat<St>(d, r);
        return negatives;
    }
    RvlResult status(std::uint64_t) const { return rvlResWarnSqrtOfNegative; }
};

// ---- Exponentials of integers: a window of 16 results -------------------------

template <class T>
struct ExpWindowOp {
    static constexpr std::size_t kBlock = kQuad;
    static constexpr std::size_t kAlign = vec::kBytes;
    std::int32_t base;   // the input of window entry 0
    vec::u8 low, high;   // the bytes of the 16 results, in every 128-bit lane

    explicit ExpWindowOp(int f) {
        // Scale factors beyond +-2^20 put the window far outside every input.
        const int fc = f < -(1 << 20) ? -(1 << 20) : f > (1 << 20) ? (1 << 20) : f;
        // Entry 0 sits at least 1 below f ln 2, so e^(x - f ln 2) < 1/2 there
        // and every smaller x gives 0; entry 15 is at least 13 above, past
        // e^13 > 65535.5, and every larger x saturates.
        base = static_cast<std::int32_t>(std::floor(fc * 0.69314718055994531)) - 1;
        Rvl16u results[16];
        for (int i = 0; i < 16; ++i) {
            const long double x = static_cast<long double>(base) + i;
            // Extended precision: e^x exactly scaled while e^x is finite,
            // else e^(x - f ln 2) directly.
            const long double y = std::fabs(x) < 11000.0L
                                      ? std::ldexp(std::exp(x), -fc)
                                      : std::exp(x - fc * 0.693147180559945309417232121458176568L);
            results[i] = static_cast<Rvl16u>(saturate_round<T>(static_cast<double>(y)));
        }
        for (std::size_t i = 0; i < vec::lanes<std::uint8_t>; ++i) {
            low[i] = static_cast<std::uint8_t>(results[i % 16] & 0xFF);
            high[i] = static_cast<std::uint8_t>(results[i % 16] >> 8);
        }
    }

    template <Store St>
    std::uint64_t block(const T*, const T* b, T* d) const {
        const I32Quad x = load_i32(b);
        I32Quad r;
        for (int k = 0; k < 4; ++k) {
            vec::i32 idx = x.v[k] - base;
            idx = idx < 0 ? vec::i32{} : idx;
            idx = idx > 15 ? vec::splat<vec::i32>(15) : idx;
            // Byte 0 of each lane indexes the table; bytes 1-3 index entry 0
            // and are masked off.
            const vec::I i = vec::as<vec::I>(idx);
            const vec::i32 lo = vec::as<vec::i32>(RVL_MM(shuffle_epi8)(vec::as<vec::I>(low), i)) & 0xFF;
            const vec::i32 hi = vec::as<vec::i32>(RVL_MM(shuffle_epi8)(vec::as<vec::I>(high), i)) & 0xFF;
            r.v[k] = lo | (hi << 8);
        }
        store_sat<St>(d, r);
        return 0;
    }
};

// ---- Logarithms of 16-bit integers ----------------------------------------------

// Elements <= 0: ln 0 = -Inf and the NaN of a negative element both convert
// to 0x80000000, which saturates to 0 (16u) or -32768 (16s). 16u zeros are
// flagged; 16s rows are surveyed before (their first element <= 0 decides
// the warning).
template <class T>
struct LnOp16 {
    static constexpr std::size_t kBlock = kQuad;
    static constexpr std::size_t kAlign = vec::kBytes;
    int f;
    float scaleF;
    double scaleD;
    // From f = 6 on every logarithm of a 16-bit value rounds to 0; below
    // -20 every ln x with x >= 2 saturates (ln 1 = 0 stays 0).
    explicit LnOp16(int f_)
        : f(f_ < -20 ? -20 : f_ > 6 ? 6 : f_), scaleF(static_cast<float>(scale_of(f))), scaleD(scale_of(f)) {}

    template <Store St>
    std::uint64_t block(const T*, const T* b, T* d) const {
        const I32Quad x = load_i32(b);
        I32Quad r;
        std::uint64_t zeros = 0;
        for (int k = 0; k < 4; ++k) {
            if constexpr (std::is_unsigned_v<T>) zeros |= vec::lane_bits(x.v[k] == 0) << (k * vec::lanes<std::int32_t>);
            const vec::f32 y = kernels::ln_f32(__builtin_convertvector(x.v[k], vec::f32)) * scaleF;
            r.v[k] = vec::trunc_i32(vec::round<_MM_FROUND_TO_NEAREST_INT>(y));
            const vec::f32 frac = y - vec::round<_MM_FROUND_TO_ZERO>(y);
            const vec::f32 off = frac - 0.5f;
            // Lanes past the largest result saturate whatever the error.
            constexpr float kSaturated = std::numeric_limits<T>::max() + 1.0f;
            const vec::i32 near = ((off < 0.0f ? -off : off) <= y * 3e-7f) & (y < kSaturated);
            if (std::uint64_t m = vec::lane_bits(near)) {
                alignas(64) std::int32_t in[vec::lanes<std::int32_t>], out[vec::lanes<std::int32_t>];
                std::memcpy(in, &x.v[k], sizeof in);
                std::memcpy(out, &r.v[k], sizeof out);
                for (; m; m &= m - 1) {
                    const int lane = __builtin_ctzll(m);
                    out[lane] = saturate_round<std::int32_t>(std::log(double(in[lane])) * scaleD);
                }
                std::memcpy(&r.v[k], out, sizeof out);
            }
        }
        store_sat<St>(d, r);
        return zeros;
    }
    RvlResult status(std::uint64_t) const { return rvlResWarnLogOfZero; }
};

// ---- The warning of a 16s logarithm row ------------------------------------------

// The kind of the first processed element <= 0 of a row of n elements
// (every fourth skipped when Alpha): rvlResWarnLogOfZero or
// rvlResWarnLogOfNegative, or rvlResOk when there is none. Whole registers
// are skipped while they hold none.
template <bool Alpha>
inline RvlResult ln16s_row_warning(const Rvl16s* row, std::size_t n) {
    constexpr std::size_t L = vec::lanes<Rvl16s>;
    vec::i16 used;
    for (std::size_t k = 0; k < L; ++k) used[k] = Alpha && k % 4 == 3 ? 0 : -1;
    std::size_t i = 0;
    for (; i + L <= n; i += L) {
        const vec::i16 hit = (load_vec(row + i) <= 0) & used;
        if (vec::lane_bits(vec::as<vec::i32>(hit) != 0)) break;
    }
    for (; i < n; ++i)
        if (!(Alpha && i % 4 == 3) && row[i] <= 0) return row[i] == 0 ? rvlResWarnLogOfZero : rvlResWarnLogOfNegative;
    return rvlResOk;
}

}  // namespace rvl
