// Element-type conversions, as block operations (sixteen elements at a time)
// and as exact per-element functions for the scale-factor forms.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "kernels/block_row.hpp"
#include "kernels/lanes.hpp"
#include "kernels/rounding.hpp"
#include "kernels/vec.hpp"
#include "rvl.h"

namespace rvl {

// ---- Saturation -------------------------------------------------------------

template <class D>
constexpr double lowest_of = static_cast<double>(std::numeric_limits<D>::lowest());
template <class D>
constexpr double highest_of = static_cast<double>(std::numeric_limits<D>::max());

template <class D>
inline D saturate(std::int64_t v) {
    using Lim = std::numeric_limits<D>;
    if (v < static_cast<std::int64_t>(Lim::lowest())) return Lim::lowest();
    if (v > static_cast<std::int64_t>(Lim::max())) return Lim::max();
    return static_cast<D>(v);
}

// What a NaN becomes in an integer destination: the processor's
// integer-indefinite value 0x80000000, saturated (0 for unsigned types, the
// minimum for signed ones). Vector and scalar paths agree on it.
template <class D>
inline D nan_to_int() {
    return saturate<D>(std::numeric_limits<std::int32_t>::min());
}

// An integral double (already rounded), saturated to D; NaN as above.
template <class D>
inline D saturate_integral(double r) {
    if (r != r) return nan_to_int<D>();
    if (r <= lowest_of<D>) return std::numeric_limits<D>::lowest();
    if (r >= highest_of<D>) return std::numeric_limits<D>::max();
    return static_cast<D>(r);
}

// ---- Block operations -------------------------------------------------------

// Integer to integer: widening by sign or zero extension, narrowing with
// saturation. With ClampNegative, negative values become 0 first (signed to
// unsigned forms).
template <class S, class D, bool ClampNegative = false>
struct IntToIntOp {
    static constexpr std::size_t kBlock = kQuad;
    static constexpr std::size_t kAlign = vec::kBytes;
    template <Store St>
    void block(const S* s, D* d) const {
        constexpr std::size_t H = vec::lanes<std::uint16_t>;
        if constexpr (!ClampNegative && sizeof(S) == 1 && sizeof(D) == 2 && std::is_unsigned_v<S>) {
            // 8u to 16u/16s: zero extension.
            for (std::size_t k = 0; k < kBlock; k += H) put_vec<St>(d + k, vec::load_u8_as_u16(s + k));
        } else if constexpr (!ClampNegative && sizeof(S) == 2 && std::is_same_v<D, Rvl8u>) {
            // 16s to 8u: one saturating pack; 16u first limited to 255.
            for (std::size_t k = 0; k < kBlock; k += 2 * H) {
                using V = std::conditional_t<std::is_unsigned_v<S>, vec::u16, vec::i16>;
                V a = vec::as<V>(vec::loadu(s + k)), b = vec::as<V>(vec::loadu(s + k + H));
                if constexpr (std::is_unsigned_v<S>) {
                    const V top = vec::splat<V>(255);
                    a = a < top ? a : top;
                    b = b < top ? b : top;
                }
                put_vec<St>(d + k, vec::pack_sat_i16<true>(vec::as<vec::I>(a), vec::as<vec::I>(b)));
            }
        } else {
            I32Quad x = load_i32(s);
            if constexpr (ClampNegative) x = each(x, [](vec::i32 v) { return v > 0 ? v : 0; });
            store_sat<St>(d, x);
        }
    }
};

// Integer to 32f, four registers of the variant's width at a time. Exact up
// to 16-bit sources; 32s rounds by the rounding control, which the caller
// sets to nearest.
template <class S>
struct IntToFloatOp {
    static constexpr std::size_t kBlock = kQuad;
    static constexpr std::size_t kAlign = vec::kBytes;
    template <Store St>
    void block(const S* s, Rvl32f* d) const {
        store_f32<St>(d, to_f32(load_i32(s)));
    }
};

// 32u to 32f: each value becomes an exact double (its bits read as signed
// plus 2^31), which is then rounded once to float (nearest, set by the caller).
struct U32ToFloatOp {
    static constexpr std::size_t kBlock = kQuad;
    static constexpr std::size_t kAlign = vec::kBytes;
    template <Store St>
    void block(const Rvl32u* s, Rvl32f* d) const {
        const I32Quad x = load_i32(s);
        F32Quad r;
        for (int k = 0; k < 4; ++k) {
            const vec::i32 v = x.v[k] ^ INT32_MIN;
            r.v[k] = vec::f32_of(vec::f64_lo(v) + 2147483648.0, vec::f64_hi(v) + 2147483648.0);
        }
        store_f32<St>(d, r);
    }
};

// Integer to 64f, exact.
template <class S>
struct IntToDoubleOp {
    static constexpr std::size_t kBlock = kQuad;
    static constexpr std::size_t kAlign = vec::kBytes;
    template <Store St>
    void block(const S* s, Rvl64f* d) const {
        constexpr std::size_t L = vec::lanes<double>;
        const I32Quad x = load_i32(s);
        for (std::size_t k = 0; k < 4; ++k) {
            put_vec<St>(d + 2 * k * L, vec::f64_lo(x.v[k]));
            put_vec<St>(d + (2 * k + 1) * L, vec::f64_hi(x.v[k]));
        }
    }
};

// Keeps a float lane at most `limit`; a NaN lane stays NaN.
inline vec::f32 min_keep_nan(vec::f32 limit, vec::f32 v) { return limit < v ? limit : v; }

// 32f to an 8- or 16-bit integer type. The value is limited from above (so
// that large values saturate instead of becoming 0x80000000), converted by
// the rounding control, and packed with saturation. The caller sets the
// control: toward zero for modes 0 and 2, nearest for mode 1. Mode 2 adds
// one half with the value's sign before the toward-zero conversion.
template <class D, Round M>
struct FloatToIntOp {
    static constexpr std::size_t kBlock = kQuad;
    static constexpr std::size_t kAlign = vec::kBytes;
    template <Store St>
    void block(const Rvl32f* s, D* d) const {
        store_sat<St>(d, to_i32(each(load_f32(s), [](vec::f32 v) {
            v = min_keep_nan(vec::splat<vec::f32>(65536.0f), v);
            if constexpr (M == Round::HalfAway) {
                // Half with the value's sign.
                const vec::i32 sign = vec::as<vec::i32>(v) & INT32_MIN;
                v += vec::as<vec::f32>(sign | vec::as<vec::i32>(vec::splat<vec::f32>(0.5f)));
            }
            return v;
        })));
    }
};

// The rounding control a float-to-integer conversion runs under.
inline Rc control_for(Round mode) { return mode == Round::NearestEven ? Rc::Nearest : Rc::TowardZero; }

}  // namespace rvl
