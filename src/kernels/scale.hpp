// Range scaling between types, a block at a time: the full range of
// one type mapped onto the full range of the other.
#pragma once

#include "kernels/convert.hpp"
#include "kernels/lanes.hpp"
#include "rvl.h"

namespace rvl {

// 8u to 16u: 257x; to 16s: 257x - 32768; to 32s: 16843009x - 2^31 (the
// product with its top bit flipped).
template <class D>
struct Scale8uOp {
    static constexpr std::size_t kBlock = kQuad;
    static constexpr std::size_t kAlign = vec::kBytes;
    template <Store St>
    void block(const Rvl8u* s, D* d) const {
        store_sat<St>(d, each(load_i32(s), [](vec::i32 v) {
            if constexpr (std::is_same_v<D, Rvl16u>)
                return v * 257;
            else if constexpr (std::is_same_v<D, Rvl16s>)
                return v * 257 - 32768;
            else
                return vec::as<vec::i32>((vec::as<vec::u32>(v) * 16843009u) ^ 0x80000000u);
        }));
    }
};

// 8u to 32f: x * ((vMax - vMin) / 255) + vMin in single precision.
struct Scale8u32fOp {
    static constexpr std::size_t kBlock = kQuad;
    static constexpr std::size_t kAlign = vec::kBytes;
    float factor, vMin;
    template <Store St>
    void block(const Rvl8u* s, Rvl32f* d) const {
        store_f32<St>(d, each(to_f32(load_i32(s)), [&](vec::f32 v) { return v * factor + vMin; }));
    }
};

// 16s, 16u, 32s to 8u, fast: integer shifts only. With y the value moved to
// a signed range (16u: x - 32768), the result is ((y - (y >> 8)) >> 8) + 128
// for 16-bit sources and ((y - (y >> 8)) >> 24) + 128 for 32s.
template <class S>
struct ScaleTo8uFastOp {
    static constexpr std::size_t kBlock = kQuad;
    static constexpr std::size_t kAlign = vec::kBytes;
    template <Store St>
    void block(const S* s, Rvl8u* d) const {
        store_sat<St>(d, each(load_i32(s), [](vec::i32 y) {
            if constexpr (std::is_same_v<S, Rvl16u>) y -= 32768;
            constexpr int shift = sizeof(S) == 4 ? 24 : 8;
            return ((y - (y >> 8)) >> shift) + 128;
        }));
    }
};

// 16s, 16u to 8u, accurate: (x + 32768) or x times 1/257 in single precision,
// rounded to nearest even (the caller sets the rounding control).
// 32s to 8u, accurate: x * 255/(2^32 - 1) + 2^31 * 255/(2^32 - 1) in double
// precision, rounded to nearest even.
template <class S>
struct ScaleTo8uAccurateOp {
    static constexpr std::size_t kBlock = kQuad;
    static constexpr std::size_t kAlign = vec::kBytes;
    template <Store St>
    void block(const S* s, Rvl8u* d) const {
        if constexpr (sizeof(S) == 2) {
            const I32Quad x = each(load_i32(s), [](vec::i32 v) { return std::is_same_v<S, Rvl16s> ? v + 32768 : v; });
            store_sat<St>(d, to_i32(each(to_f32(x), [](vec::f32 v) { return v * 0.0038910505827516317f; })));
        } else {
            store_sat<St>(d, each(load_i32(s), [](vec::i32 v) {
                constexpr double k = 5.937181414556033e-08, a = 127.5000000296859;
                return vec::i32_of<false>(vec::f64_lo(v) * k + a, vec::f64_hi(v) * k + a);
            }));
        }
    }
};

// 32f to 8u: clamp(x, vMin, vMax) * s + o in single precision with
// s = 255 / (vMax - vMin) and o = -s * vMin, rounded to nearest even. The
// clamp lets a NaN through, which then becomes 0 like in the conversions.
struct Scale32f8uOp {
    static constexpr std::size_t kBlock = kQuad;
    static constexpr std::size_t kAlign = vec::kBytes;
    float vMin, vMax, scale, offset;
    template <Store St>
    void block(const Rvl32f* s, Rvl8u* d) const {
        const vec::f32 lo = vec::splat<vec::f32>(vMin), hi = vec::splat<vec::f32>(vMax);
        store_sat<St>(d, to_i32(each(load_f32(s), [&](vec::f32 v) {
            v = lo > v ? lo : v;  // a NaN lane keeps v
            v = hi < v ? hi : v;
            return v * scale + offset;
        })));
    }
};

// ---- dst = src * mVal + aVal -----------------------------------------------
//
// Fast path: single precision, x * m + a with m and a rounded to float, the
// result limited to the destination range and rounded to nearest even (the
// caller sets the rounding control). Accurate path: the same in double
// precision. Float destinations take the value as it is.

template <class S, class D>
struct LinearFast {
    float m, a;
    D operator()(S x) const {
        const float v = static_cast<float>(x) * m + a;
        if constexpr (std::is_floating_point_v<D>)
            return static_cast<D>(v);
        else
            return saturate_integral<D>(round_integral(v, Round::NearestEven));
    }
};

template <class S, class D>
struct LinearAccurate {
    double m, a;
    D operator()(S x) const {
        const double v = static_cast<double>(x) * m + a;
        if constexpr (std::is_floating_point_v<D>)
            return static_cast<D>(v);
        else
            return saturate_integral<D>(round_integral(v, Round::NearestEven));
    }
};

// The fast path a block at a time, for every type up to 32 bits. It computes
// exactly what LinearFast computes.
template <class S, class D>
struct LinearFastOp {
    static constexpr std::size_t kBlock = kQuad;
    static constexpr std::size_t kAlign = vec::kBytes;
    float m, a;
    template <Store St>
    void block(const S* s, D* d) const {
        F32Quad x;
        if constexpr (std::is_same_v<S, Rvl32f>)
            x = load_f32(s);
        else
            x = to_f32(load_i32(s));
        x = each(x, [&](vec::f32 v) { return v * m + a; });
        if constexpr (std::is_same_v<D, Rvl32f>) {
            store_f32<St>(d, x);
        } else if constexpr (std::is_same_v<D, Rvl32s>) {
            // 2^31 and above saturate; below -2^31 the conversion already
            // gives the minimum.
            I32Quad r = to_i32(x);
            for (int k = 0; k < 4; ++k) r.v[k] = x.v[k] >= 2147483648.0f ? vec::splat<vec::i32>(0x7FFFFFFF) : r.v[k];
            store_sat<St>(d, r);
        } else {
            store_sat<St>(d, to_i32(each(x, [](vec::f32 v) { return min_keep_nan(vec::splat<vec::f32>(65536.0f), v); })));
        }
    }
};

}  // namespace rvl
