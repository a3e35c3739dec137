// Pixel arithmetic, a block at a time: two operands a (the first
// source, the right-hand operand) and b, giving a + b, b - a, a * b, b / a.
//
// Integer results follow the scale-factor rule: the exact intermediate s is
// stored as saturate(round_half_even(s * 2^-f)). On 32-bit lanes:
//   f > 0:  q = s >> f (arithmetic), r = s & (2^f - 1); the result is q + 1
//           exactly when r + (q & 1) > 2^(f-1) (ties go to the even q);
//   f < 0:  s << -f, saturated by comparing s with max >> -f and with
//           -((-min) >> -f) first, so that the shift never overflows;
//   f >= 31 with |s| <= 2^30 (every sum, difference and 16s/8u product):
//           the result is 0.
// 16u products reach 2^32 and go through double precision instead, where
// s * 2^-f and its rounding are exact. Divisions are formed in double
// precision, b * 2^-f / a correctly rounded and then rounded to an integer:
// exact for every operand pair of these types.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "kernels/convert.hpp"
#include "kernels/convert_sfs.hpp"
#include "kernels/lanes.hpp"
#include "kernels/map.hpp"

namespace rvl {

enum class Ar { Add, Sub, Mul };

// How the scale factor acts, chosen once per call.
enum class Shift { None, Right, Left, Zero };

inline Shift shift_of(int scaleFactor) {
    if (scaleFactor == 0) return Shift::None;
    if (scaleFactor >= 31) return Shift::Zero;
    return scaleFactor > 0 ? Shift::Right : Shift::Left;
}

// ---- The scale-factor rule on 32-bit lanes -----------------------------------

template <class D, Shift Sh>
struct SfsRule {
    int right = 0, left = 0;
    std::int32_t mask = 0, half = 0, hiK = 0, loK = 0;
    explicit SfsRule(int f) {
        // Right shifts reach 30 at most (16u products with larger f do not use
        // the rule; they go through double precision).
        right = Sh == Shift::Right ? (f > 30 ? 30 : f) : 0;
        left = Sh == Shift::Left ? (-f > 31 ? 31 : -f) : 0;
        mask = right ? static_cast<std::int32_t>((1u << right) - 1) : 0;
        half = right ? 1 << (right - 1) : 0;
        const std::int64_t hi = std::numeric_limits<D>::max(), lo = std::numeric_limits<D>::lowest();
        hiK = static_cast<std::int32_t>(hi >> left);
        loK = static_cast<std::int32_t>(lo < 0 ? -((-lo) >> left) : 0);
    }
    vec::i32 operator()(vec::i32 s) const {
        if constexpr (Sh == Shift::None) {
            return s;
        } else if constexpr (Sh == Shift::Zero) {
            return vec::i32{};
        } else if constexpr (Sh == Shift::Right) {
            const vec::i32 q = s >> right;
            return q - (((s & mask) + (q & 1)) > half);  // a true comparison is -1
        } else {
            const vec::i32 v = vec::as<vec::i32>(vec::as<vec::u32>(s) << left);
            const vec::i32 top = vec::splat<vec::i32>(std::numeric_limits<D>::max());
            const vec::i32 bottom = vec::splat<vec::i32>(std::numeric_limits<D>::lowest());
            return s > hiK ? top : loK > s ? bottom : v;
        }
    }
};

// 16u products as exact doubles: the rule's rounding and saturation there.
template <Shift Sh>
inline vec::i32 scale_u32_products(vec::i32 p, double factor) {
    if constexpr (Sh == Shift::None) {
        return vec::as<vec::u32>(p) < 65535u ? p : vec::splat<vec::i32>(65535);
    } else {
        const vec::i32 flip = p ^ INT32_MIN;
        auto scaled = [&](vec::f64 x) {
            const vec::f64 r = round_by<Round::NearestEven>((x + 2147483648.0) * factor);
            return r < 65535.0 ? r : vec::splat<vec::f64>(65535.0);
        };
        return vec::i32_of<true>(scaled(vec::f64_lo(flip)), scaled(vec::f64_hi(flip)));
    }
}

// ---- Add, Sub, Mul on integers -----------------------------------------------

// Lane-wise product of 32-bit lanes, modulo 2^32.
inline vec::i32 mul_lo(vec::i32 a, vec::i32 b) { return vec::as<vec::i32>(vec::as<vec::u32>(a) * vec::as<vec::u32>(b)); }

template <Ar K, class T, Shift Sh>
struct SfsArithOp {
    static constexpr std::size_t kBlock = kQuad;
    static constexpr std::size_t kAlign = vec::kBytes;
    SfsRule<T, Sh> rule;
    double factor;  // 2^-f, for 16u products
    explicit SfsArithOp(int f) : rule(f), factor(std::ldexp(1.0, f < -200 ? 200 : f > 200 ? -200 : -f)) {}

    template <Store St>
    std::uint64_t block(const T* a, const T* b, T* d) const {
        if constexpr (Sh == Shift::None) {
            block_saturating<St>(a, b, d);
        } else {
            const I32Quad A = load_i32(a), B = load_i32(b);
            I32Quad S;
            for (int k = 0; k < 4; ++k) {
                if constexpr (K == Ar::Add) S.v[k] = rule(A.v[k] + B.v[k]);
                else if constexpr (K == Ar::Sub) S.v[k] = rule(B.v[k] - A.v[k]);
                else if constexpr (std::is_same_v<T, Rvl16u>) S.v[k] = scale_u32_products<Sh>(mul_lo(A.v[k], B.v[k]), factor);
                else S.v[k] = rule(mul_lo(A.v[k], B.v[k]));
            }
            store_sat<St>(d, S);
        }
        return 0;
    }

private:
    // f = 0: the saturating instructions give the rule's result directly;
    // 16-bit products are assembled from their low and high halves. (The
    // unpacking and packing below both work per 128-bit lane, so together
    // they keep the element order in every width.)
    template <Store St>
    void block_saturating(const T* a, const T* b, T* d) const {
        using V = std::conditional_t<std::is_same_v<T, Rvl8u>, vec::u8, std::conditional_t<std::is_same_v<T, Rvl16u>, vec::u16, vec::i16>>;
        for (std::size_t o = 0; o < kBlock; o += vec::lanes<T>) {
            const V x = vec::as<V>(vec::loadu(a + o)), y = vec::as<V>(vec::loadu(b + o));
            V r;
            if constexpr (K == Ar::Add) {
                r = vec::adds(x, y);
            } else if constexpr (K == Ar::Sub) {
                r = vec::subs(y, x);
            } else if constexpr (std::is_same_v<T, Rvl8u>) {
                const vec::I z = vec::zero(), xi = vec::as<vec::I>(x), yi = vec::as<vec::I>(y);
                auto product = [](vec::I p, vec::I q) {
                    const vec::u16 m = vec::as<vec::u16>(p) * vec::as<vec::u16>(q);
                    return vec::as<vec::I>(m < 255 ? m : vec::splat<vec::u16>(255));
                };
                r = vec::as<V>(RVL_MM(packus_epi16)(product(RVL_MM(unpacklo_epi8)(xi, z), RVL_MM(unpacklo_epi8)(yi, z)),
                                                    product(RVL_MM(unpackhi_epi8)(xi, z), RVL_MM(unpackhi_epi8)(yi, z))));
            } else if constexpr (std::is_same_v<T, Rvl16u>) {
                // Any high half makes the product exceed 65535.
                r = (x * y) | vec::as<V>(vec::mulhi(x, y) != 0);
            } else {
                // The low halves of the products, taken in unsigned lanes where wrapping is defined.
                const vec::I lo = vec::as<vec::I>(vec::as<vec::u16>(x) * vec::as<vec::u16>(y));
                const vec::I hi = vec::as<vec::I>(vec::mulhi(x, y));
                r = vec::as<V>(RVL_MM(packs_epi32)(RVL_MM(unpacklo_epi16)(lo, hi), RVL_MM(unpackhi_epi16)(lo, hi)));
            }
            put_vec<St>(d + o, r);
        }
    }
};

// ---- 32f --------------------------------------------------------------------

template <Ar K>
struct FloatArithOp {
    static constexpr std::size_t kBlock = kQuad;
    static constexpr std::size_t kAlign = vec::kBytes;
    template <Store St>
    std::uint64_t block(const Rvl32f* a, const Rvl32f* b, Rvl32f* d) const {
        const F32Quad x = load_f32(a), y = load_f32(b);
        F32Quad r;
        for (int k = 0; k < 4; ++k) r.v[k] = K == Ar::Add ? x.v[k] + y.v[k] : K == Ar::Sub ? y.v[k] - x.v[k] : x.v[k] * y.v[k];
        store_f32<St>(d, r);
        return 0;
    }
};

// b / a; a zero divisor gives an infinity with the dividend's sign, or the
// NaN 0x7FBFFFFF when the dividend is 0 or NaN, and raises the flag.
struct FloatDivOp {
    static constexpr std::size_t kBlock = kQuad;
    static constexpr std::size_t kAlign = vec::kBytes;
    template <Store St>
    std::uint64_t block(const Rvl32f* a, const Rvl32f* b, Rvl32f* d) const {
        constexpr std::size_t L = vec::lanes<float>;
        const F32Quad x = load_f32(a), y = load_f32(b);
        F32Quad q;
        std::uint64_t zeros = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const vec::i32 isZero = x.v[k] == 0.0f;
            q.v[k] = y.v[k] / x.v[k];
            if (const std::uint64_t m = vec::lane_bits(isZero)) {
                zeros |= m << (k * L);
                const vec::i32 yBits = vec::as<vec::i32>(y.v[k]);
                const vec::i32 signedInf = (yBits & INT32_MIN) | 0x7F800000;
                const vec::i32 dividendNonZero = (y.v[k] != 0.0f) & (y.v[k] == y.v[k]);
                const vec::i32 special = dividendNonZero ? signedInf : vec::splat<vec::i32>(0x7FBFFFFF);
                q.v[k] = isZero ? vec::as<vec::f32>(special) : q.v[k];
            }
        }
        store_f32<St>(d, q);
        return zeros;
    }
};

// ---- Integer division ---------------------------------------------------------

// Single precision is enough whenever |b * 2^-f| < 2^23: the quotient is
// then correctly rounded closer to its true value than any tie it is not
// equal to. That holds for every f >= 0, and for 8u down to f = -16 (below
// that every non-zero dividend saturates anyway, so f is limited there).
// Other cases use double precision.
template <class T>
inline bool division_in_single(int f) {
    return f >= 0 || sizeof(T) == 1;
}

template <class T, Round M, bool Single>
struct IntDivOp {
    static constexpr std::size_t kBlock = kQuad;
    static constexpr std::size_t kAlign = vec::kBytes;
    double factor;  // 2^-f; beyond 2^+-200 (single: 2^-40 and 2^16) every result is already decided
    explicit IntDivOp(int f) {
        if (Single) f = f > 40 ? 40 : f < -16 ? -16 : f;
        factor = std::ldexp(1.0, f < -200 ? 200 : f > 200 ? -200 : -f);
    }

    template <Store St>
    std::uint64_t block(const T* a, const T* b, T* d) const {
        constexpr std::size_t L = vec::lanes<std::int32_t>;
        const I32Quad A = load_i32(a), B = load_i32(b);
        const std::int32_t top = std::numeric_limits<T>::max(), bottom = std::numeric_limits<T>::lowest();
        I32Quad R;
        std::uint64_t zeros = 0;
        for (std::size_t j = 0; j < 4; ++j) {
            vec::i32 r;
            if constexpr (Single) {
                const vec::f32 lo = vec::splat<vec::f32>(lowest_of<T>), hi = vec::splat<vec::f32>(highest_of<T>);
                const vec::f32 q = round_by<M>(__builtin_convertvector(B.v[j], vec::f32) * static_cast<float>(factor) /
                                               __builtin_convertvector(A.v[j], vec::f32));
                r = vec::trunc_i32(vec::clamp(q, lo, hi));
            } else {
                const vec::f64 lo = vec::splat<vec::f64>(lowest_of<T>), hi = vec::splat<vec::f64>(highest_of<T>);
                auto quotient = [&](vec::f64 y, vec::f64 x) {
                    const vec::f64 q = round_by<M>(y * factor / x);
                    const vec::f64 up = lo > q ? lo : q;
                    return hi < up ? hi : up;
                };
                r = vec::i32_of<true>(quotient(vec::f64_lo(B.v[j]), vec::f64_lo(A.v[j])),
                                      quotient(vec::f64_hi(B.v[j]), vec::f64_hi(A.v[j])));
            }
            const vec::i32 isZero = A.v[j] == 0;
            if (const std::uint64_t m = vec::lane_bits(isZero)) {
                zeros |= m << (j * L);
                const vec::i32 byDividend = ((B.v[j] > 0) & top) | ((B.v[j] < 0) & bottom);
                r = isZero ? byDividend : r;
            }
            R.v[j] = r;
        }
        store_sat<St>(d, R);
        return zeros;
    }
};

// ---- Products normalised by the maximum -------------------------------------

// floor(a * b / 255) as (p + 1 + (p >> 8)) >> 8, and floor(a * b / 65535) as
// (p + 1 + (p >> 16)) >> 16 with unsigned 32-bit arithmetic.
template <class T>
struct MulScaleOp {
    static constexpr std::size_t kBlock = kQuad;
    static constexpr std::size_t kAlign = vec::kBytes;
    template <Store St>
    std::uint64_t block(const T* a, const T* b, T* d) const {
        constexpr int s = sizeof(T) == 1 ? 8 : 16;
        const I32Quad A = load_i32(a), B = load_i32(b);
        I32Quad R;
        for (int k = 0; k < 4; ++k) {
            const vec::u32 p = vec::as<vec::u32>(mul_lo(A.v[k], B.v[k]));
            R.v[k] = vec::as<vec::i32>((p + 1 + (p >> s)) >> s);
        }
        store_sat<St>(d, R);
        return 0;
    }
};

// ---- Multiplication by a double constant --------------------------------------

// x * v in double precision; integers: the product in single precision,
// limited to the type's range, rounded by M. The caller sets the rounding
// control to nearest for the narrowing to single precision.
template <class T, Round M>
struct MulC64fOp {
    static constexpr std::size_t kBlock = kQuad;
    static constexpr std::size_t kAlign = vec::kBytes;
    template <Store St>
    std::uint64_t block(const Rvl64f* v, const T* x, T* d) const {
        constexpr std::size_t L = vec::lanes<double>;
        F32Quad p;
        if constexpr (std::is_same_v<T, Rvl32f>) {
            const F32Quad f = load_f32(x);
            for (std::size_t k = 0; k < 4; ++k)
                p.v[k] = vec::f32_of(vec::f64_lo(f.v[k]) * vec::loadu(v + 2 * k * L),
                                     vec::f64_hi(f.v[k]) * vec::loadu(v + (2 * k + 1) * L));
            store_f32<St>(d, p);
        } else {
            const I32Quad ints = load_i32(x);
            for (std::size_t k = 0; k < 4; ++k)
                p.v[k] = vec::f32_of(vec::f64_lo(ints.v[k]) * vec::loadu(v + 2 * k * L),
                                     vec::f64_hi(ints.v[k]) * vec::loadu(v + (2 * k + 1) * L));
            const vec::f32 lo = vec::splat<vec::f32>(lowest_of<T>), hi = vec::splat<vec::f32>(highest_of<T>);
            store_sat<St>(d, trunc_i32(each(p, [&](vec::f32 f) { return round_by<M>(vec::clamp(f, lo, hi)); })));
        }
        return 0;
    }
};

}  // namespace rvl
