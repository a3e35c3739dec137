// Conversions with a scale factor: saturate(round(x * 2^-scaleFactor)),
// a block at a time, with the rounding mode chosen per call and applied by
// explicit rounding instructions (the rounding control is not used).
//
// Three shapes cover every source type exactly:
//   - 8- and 16-bit integers: shifts on 32-bit lanes;
//   - 32f: two multiplications by powers of two in single precision;
//   - 32s, 32u and 64f: the same in double precision.
// The two multiplications split 2^-scaleFactor into factors that are normal
// numbers, so the product is exact whenever the result is a normal number;
// when it is not, it is either below one quarter (and rounds to 0 in every
// mode) or beyond every destination range (and saturates).
#pragma once

#include <cmath>
#include <cstdint>

#include "kernels/convert.hpp"
#include "kernels/lanes.hpp"
#include "kernels/rounding.hpp"

namespace rvl {

// ---- Rounding an already scaled value to an integral value ----------------

// v rounded to an integral value by M, without the rounding control; for
// registers of floats or doubles.
template <Round M, class V>
inline V round_by(V v) {
    const V t = vec::round<_MM_FROUND_TO_ZERO>(v);
    if constexpr (M == Round::TowardZero) {
        return t;
    } else if constexpr (M == Round::NearestEven) {
        return vec::round<_MM_FROUND_TO_NEAREST_INT>(v);
    } else {
        // Half away from zero: the fraction v - t is exact.
        using E = vec::elem_t<V>;
        const V x = v - t;
        const V frac = x < E(0) ? -x : x;
        const V one = v < E(0) ? vec::splat<V>(-1.0) : vec::splat<V>(1.0);
        return t + (frac >= E(0.5) ? one : V{});
    }
}

// Splits 2^-scaleFactor into two normal factors of the same direction. The
// exponent is first limited to where every result is already decided (all
// zeros or all saturated), which keeps both halves inside the normal range.
template <class F>
inline void power_of_two_factors(int scaleFactor, int maxHalf, F& f1, F& f2) {
    long e = -static_cast<long>(scaleFactor);
    if (e > 2L * maxHalf) e = 2L * maxHalf;
    if (e < -2L * maxHalf) e = -2L * maxHalf;
    const int e1 = static_cast<int>(e / 2), e2 = static_cast<int>(e - e / 2);
    f1 = static_cast<F>(std::ldexp(1.0, e1));
    f2 = static_cast<F>(std::ldexp(1.0, e2));
}

// ---- 32f sources ------------------------------------------------------------

template <class D, Round M>
struct SfsFloatOp {
    static constexpr std::size_t kBlock = kQuad;
    static constexpr std::size_t kAlign = vec::kBytes;
    float f1, f2;
    explicit SfsFloatOp(int scaleFactor) { power_of_two_factors(scaleFactor, 126, f1, f2); }

    template <Store St>
    void block(const Rvl32f* s, D* d) const {
        const F32Quad r = each(load_f32(s), [&](vec::f32 v) { return round_by<M>(v * f1 * f2); });
        I32Quad out;
        for (int k = 0; k < 4; ++k) {
            const vec::f32 v = r.v[k];
            if constexpr (std::is_same_v<D, Rvl32u>) {
                // Negative and NaN lanes become 0; [2^31, 2^32) is converted
                // from v - 2^31 with the top bit set back; beyond saturates.
                const vec::f32 p = v > 0.0f ? v : vec::f32{};
                const vec::i32 high = p >= 2147483648.0f;
                const vec::i32 i = vec::trunc_i32(p - (high ? vec::splat<vec::f32>(2147483648.0f) : vec::f32{}));
                out.v[k] = (i ^ (high & INT32_MIN)) | (p >= 4294967296.0f);
            } else if constexpr (std::is_same_v<D, Rvl32s>) {
                out.v[k] = v >= 2147483648.0f ? vec::splat<vec::i32>(INT32_MAX) : vec::trunc_i32(v);
            } else {
                out.v[k] = vec::trunc_i32(min_keep_nan(vec::splat<vec::f32>(65536.0f), v));
            }
        }
        store_sat<St>(d, out);
    }
};

// ---- 8- and 16-bit integer sources ------------------------------------------

template <class S, class D, Round M>
struct SfsSmallIntOp {
    static constexpr std::size_t kBlock = kQuad;
    static constexpr std::size_t kAlign = vec::kBytes;
    int shift;  // > 0: right shift with rounding; <= 0: left shift
    // |x| < 2^16, so a right shift of 18 already leaves less than a quarter,
    // and a left shift of 15 saturates every non-zero value in every
    // destination while staying inside 32 bits.
    explicit SfsSmallIntOp(int scaleFactor) : shift(scaleFactor > 18 ? 18 : scaleFactor < -15 ? -15 : scaleFactor) {}

    template <Store St>
    void block(const S* s, D* d) const {
        const I32Quad x = load_i32(s);
        if (shift <= 0) {
            store_sat<St>(d, each(x, [&](vec::i32 v) { return vec::as<vec::i32>(vec::as<vec::u32>(v) << -shift); }));
            return;
        }
        const int half = 1 << (shift - 1);
        store_sat<St>(d, each(x, [&](vec::i32 v) {
            const vec::i32 a = v < 0 ? -v : v;
            vec::i32 r;
            if constexpr (M == Round::TowardZero) {
                r = a >> shift;
            } else if constexpr (M == Round::HalfAway) {
                r = (a + half) >> shift;
            } else {
                // Ties go to the even quotient: add half - 1, plus one more
                // when the truncated quotient is odd.
                r = (a + half + ((a >> shift) & 1) - 1) >> shift;
            }
            return v < 0 ? -r : r;
        }));
    }
};

// ---- 32s, 32u and 64f sources ------------------------------------------------

// kQuad elements as eight registers of doubles, exactly.
template <class S>
inline void load_f64(const S* s, vec::f64 (&v)[8]) {
    if constexpr (std::is_same_v<S, Rvl64f>) {
        for (std::size_t k = 0; k < 8; ++k) v[k] = vec::loadu(s + k * vec::lanes<double>);
    } else {
        const I32Quad x = load_i32(s);
        for (int k = 0; k < 4; ++k) {
            const vec::i32 w = std::is_same_v<S, Rvl32u> ? x.v[k] ^ INT32_MIN : x.v[k];
            const double offset = std::is_same_v<S, Rvl32u> ? 2147483648.0 : 0.0;
            v[2 * k] = vec::f64_lo(w) + offset;
            v[2 * k + 1] = vec::f64_hi(w) + offset;
        }
    }
}

template <class S, class D, Round M>
struct SfsDoubleOp {
    static constexpr std::size_t kBlock = kQuad;
    static constexpr std::size_t kAlign = vec::kBytes;
    double f1, f2;
    explicit SfsDoubleOp(int scaleFactor) { power_of_two_factors(scaleFactor, 1022, f1, f2); }

    template <Store St>
    void block(const S* s, D* d) const {
        vec::f64 v[8];
        load_f64(s, v);
        const vec::f64 lo = vec::splat<vec::f64>(lowest_of<D>), hi = vec::splat<vec::f64>(highest_of<D>);
        // Limited to the destination range; a NaN passes both limits and
        // converts to 0x80000000.
        auto limit = [&](vec::f64 x) {
            const vec::f64 r = round_by<M>(x * f1 * f2);
            const vec::f64 up = lo > r ? lo : r;
            return hi < up ? hi : up;
        };
        I32Quad out;
        for (int k = 0; k < 4; ++k) out.v[k] = vec::i32_of<true>(limit(v[2 * k]), limit(v[2 * k + 1]));
        store_sat<St>(d, out);
    }
};

}  // namespace rvl
