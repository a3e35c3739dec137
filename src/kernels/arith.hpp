// Pixel arithmetic, sixteen elements at a time: two operands a (the first
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

#include <smmintrin.h>

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

// ---- Two-operand row loop ---------------------------------------------------
//
// Like block_row, for two operands: op.block(a, b, dst) handles Op::kBlock
// (16) elements and returns a mask with bit e set when element e of the
// block met a zero divisor; the masks of a row are or-ed together. Lead and tail go through the same block
// on padded copies; the padding of the first operand is 1, so that it never
// looks like a zero divisor.
template <class A, class B, class D, class Op>
inline int partial_block2(const Op& op, const A* a, const B* b, D* dst, std::size_t n) {
    A inA[Op::kBlock];
    B inB[Op::kBlock] = {};
    D out[Op::kBlock];
    for (auto& x : inA) x = A(1);
    std::memcpy(inA, a, n * sizeof(A));
    std::memcpy(inB, b, n * sizeof(B));
    const int flag = op.template block<Store::Cached>(inA, inB, out);
    std::memcpy(dst, out, n * sizeof(D));
    return flag;
}

template <Store St, class A, class B, class D, class Op>
inline int block_row2(const A* a, const B* b, D* dst, std::size_t n, const Op& op) {
    constexpr std::size_t K = Op::kBlock;
    int flags = 0;
    std::size_t i = std::min(simd::lead_to_alignment(dst), n);
    if (i > 0) flags |= partial_block2(op, a, b, dst, i);
    if (St == Store::NonTemporal && reinterpret_cast<std::uintptr_t>(dst + i) % simd::kVectorBytes == 0) {
        for (; i + K <= n; i += K) flags |= op.template block<Store::NonTemporal>(a + i, b + i, dst + i);
        _mm_sfence();
    } else {
        for (; i + K <= n; i += K) flags |= op.template block<Store::Cached>(a + i, b + i, dst + i);
    }
    if (i < n) flags |= partial_block2(op, a + i, b + i, dst + i, n - i);
    return flags;
}

// ---- The scale-factor rule on 32-bit lanes -----------------------------------

template <class D, Shift Sh>
struct SfsRule {
    __m128i count, mask, half, hiK, loK;
    explicit SfsRule(int f) {
        // Right shifts reach 30 at most (16u products with larger f do not use
        // the rule; they go through double precision).
        const int right = Sh == Shift::Right ? (f > 30 ? 30 : f) : 0;
        const int left = Sh == Shift::Left ? (-f > 31 ? 31 : -f) : 0;
        count = _mm_cvtsi32_si128(Sh == Shift::Right ? right : left);
        mask = _mm_set1_epi32(right ? static_cast<int>((1u << right) - 1) : 0);
        half = _mm_set1_epi32(right ? 1 << (right - 1) : 0);
        const std::int64_t hi = std::numeric_limits<D>::max(), lo = std::numeric_limits<D>::lowest();
        hiK = _mm_set1_epi32(static_cast<int>(hi >> left));
        loK = _mm_set1_epi32(static_cast<int>(lo < 0 ? -((-lo) >> left) : 0));
    }
    __m128i operator()(__m128i s) const {
        if constexpr (Sh == Shift::None) {
            return s;
        } else if constexpr (Sh == Shift::Zero) {
            return _mm_setzero_si128();
        } else if constexpr (Sh == Shift::Right) {
            const __m128i q = _mm_sra_epi32(s, count);
            const __m128i r = _mm_and_si128(s, mask);
            const __m128i up = _mm_cmpgt_epi32(_mm_add_epi32(r, _mm_and_si128(q, _mm_set1_epi32(1))), half);
            return _mm_sub_epi32(q, up);
        } else {
            const __m128i hi = _mm_set1_epi32(static_cast<int>(std::numeric_limits<D>::max()));
            const __m128i lo = _mm_set1_epi32(static_cast<int>(std::numeric_limits<D>::lowest()));
            __m128i v = _mm_sll_epi32(s, count);
            v = _mm_blendv_epi8(v, hi, _mm_cmpgt_epi32(s, hiK));
            return _mm_blendv_epi8(v, lo, _mm_cmpgt_epi32(loK, s));
        }
    }
};

// 16u products as exact doubles: the rule's rounding and saturation there.
template <Shift Sh>
inline __m128i scale_u32_products(__m128i p, double factor) {
    if constexpr (Sh == Shift::None) {
        return _mm_min_epu32(p, _mm_set1_epi32(65535));
    } else {
        const __m128i flip = _mm_xor_si128(p, _mm_set1_epi32(INT32_MIN));
        const __m128d offset = _mm_set1_pd(2147483648.0), k = _mm_set1_pd(factor), top = _mm_set1_pd(65535.0);
        const __m128d lo = _mm_add_pd(_mm_cvtepi32_pd(flip), offset);
        const __m128d hi = _mm_add_pd(_mm_cvtepi32_pd(_mm_srli_si128(flip, 8)), offset);
        const __m128d rl = _mm_min_pd(top, round_by<Round::NearestEven>(_mm_mul_pd(lo, k)));
        const __m128d rh = _mm_min_pd(top, round_by<Round::NearestEven>(_mm_mul_pd(hi, k)));
        return _mm_unpacklo_epi64(_mm_cvttpd_epi32(rl), _mm_cvttpd_epi32(rh));
    }
}

// ---- Add, Sub, Mul on integers -----------------------------------------------

template <Ar K, class T, Shift Sh>
struct SfsArithOp {
    static constexpr std::size_t kBlock = 16;
    SfsRule<T, Sh> rule;
    double factor;  // 2^-f, for 16u products
    explicit SfsArithOp(int f) : rule(f), factor(std::ldexp(1.0, f < -200 ? 200 : f > 200 ? -200 : -f)) {}

    template <Store St>
    int block(const T* a, const T* b, T* d) const {
        if constexpr (Sh == Shift::None) {
            block_saturating<St>(a, b, d);
        } else {
            const I32x16 A = load_i32(a), B = load_i32(b);
            I32x16 S;
            for (int k = 0; k < 4; ++k) {
                if constexpr (K == Ar::Add) S.v[k] = rule(_mm_add_epi32(A.v[k], B.v[k]));
                else if constexpr (K == Ar::Sub) S.v[k] = rule(_mm_sub_epi32(B.v[k], A.v[k]));
                else if constexpr (std::is_same_v<T, Rvl16u>) S.v[k] = scale_u32_products<Sh>(_mm_mullo_epi32(A.v[k], B.v[k]), factor);
                else S.v[k] = rule(_mm_mullo_epi32(A.v[k], B.v[k]));
            }
            store_sat<St>(d, S);
        }
        return 0;
    }

private:
    // f = 0: the saturating instructions give the rule's result directly;
    // 16-bit products are assembled from their low and high halves.
    template <Store St>
    void block_saturating(const T* a, const T* b, T* d) const {
        constexpr std::size_t L = simd::lanes<T>;
        for (std::size_t o = 0; o < 16; o += L) {
            const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + o));
            const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + o));
            __m128i r;
            if constexpr (std::is_same_v<T, Rvl8u>) {
                if constexpr (K == Ar::Add) r = _mm_adds_epu8(x, y);
                else if constexpr (K == Ar::Sub) r = _mm_subs_epu8(y, x);
                else {
                    const __m128i z = _mm_setzero_si128(), cap = _mm_set1_epi16(255);
                    const __m128i lo = _mm_min_epu16(_mm_mullo_epi16(_mm_unpacklo_epi8(x, z), _mm_unpacklo_epi8(y, z)), cap);
                    const __m128i hi = _mm_min_epu16(_mm_mullo_epi16(_mm_unpackhi_epi8(x, z), _mm_unpackhi_epi8(y, z)), cap);
                    r = _mm_packus_epi16(lo, hi);
                }
            } else if constexpr (K == Ar::Mul && std::is_same_v<T, Rvl16u>) {
                // Any high half makes the product exceed 65535.
                const __m128i over = _mm_cmpeq_epi16(_mm_mulhi_epu16(x, y), _mm_setzero_si128());
                r = _mm_or_si128(_mm_mullo_epi16(x, y), _mm_xor_si128(over, _mm_set1_epi32(-1)));
            } else if constexpr (K == Ar::Mul) {
                const __m128i lo = _mm_mullo_epi16(x, y), hi = _mm_mulhi_epi16(x, y);
                r = _mm_packs_epi32(_mm_unpacklo_epi16(lo, hi), _mm_unpackhi_epi16(lo, hi));
            } else if constexpr (std::is_same_v<T, Rvl16u>) {
                r = K == Ar::Add ? _mm_adds_epu16(x, y) : _mm_subs_epu16(y, x);
            } else {
                r = K == Ar::Add ? _mm_adds_epi16(x, y) : _mm_subs_epi16(y, x);
            }
            put<St>(d + o, r);
        }
    }
};

// ---- 32f --------------------------------------------------------------------

template <Ar K>
struct FloatArithOp {
    static constexpr std::size_t kBlock = 16;
    template <Store St>
    int block(const Rvl32f* a, const Rvl32f* b, Rvl32f* d) const {
        for (int k = 0; k < 16; k += 4) {
            const __m128 x = _mm_loadu_ps(a + k), y = _mm_loadu_ps(b + k);
            put<St>(d + k, K == Ar::Add ? _mm_add_ps(x, y) : K == Ar::Sub ? _mm_sub_ps(y, x) : _mm_mul_ps(x, y));
        }
        return 0;
    }
};

// b / a; a zero divisor gives an infinity with the dividend's sign, or the
// NaN 0x7FBFFFFF when the dividend is 0 or NaN, and raises the flag.
struct FloatDivOp {
    static constexpr std::size_t kBlock = 16;
    template <Store St>
    int block(const Rvl32f* a, const Rvl32f* b, Rvl32f* d) const {
        int zeros = 0;
        const __m128 zero = _mm_setzero_ps(), signBit = _mm_set1_ps(-0.0f);
        const __m128 inf = _mm_castsi128_ps(_mm_set1_epi32(0x7F800000));
        const __m128 nan = _mm_castsi128_ps(_mm_set1_epi32(0x7FBFFFFF));
        for (int k = 0; k < 16; k += 4) {
            const __m128 x = _mm_loadu_ps(a + k), y = _mm_loadu_ps(b + k);
            const __m128 isZero = _mm_cmpeq_ps(x, zero);
            const int m = _mm_movemask_ps(isZero);
            __m128 q = _mm_div_ps(y, x);
            if (m) {
                zeros |= m << k;
                const __m128 signedInf = _mm_or_ps(inf, _mm_and_ps(y, signBit));
                const __m128 dividendNonZero = _mm_and_ps(_mm_cmpneq_ps(y, zero), _mm_cmpord_ps(y, y));
                q = _mm_blendv_ps(q, _mm_blendv_ps(nan, signedInf, dividendNonZero), isZero);
            }
            put<St>(d + k, q);
        }
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
    static constexpr std::size_t kBlock = 16;
    double factor;  // 2^-f; beyond 2^+-200 (single: 2^-40 and 2^16) every result is already decided
    explicit IntDivOp(int f) {
        if (Single) f = f > 40 ? 40 : f < -16 ? -16 : f;
        factor = std::ldexp(1.0, f < -200 ? 200 : f > 200 ? -200 : -f);
    }

    template <Store St>
    int block(const T* a, const T* b, T* d) const {
        const I32x16 A = load_i32(a), B = load_i32(b);
        const __m128i zero = _mm_setzero_si128();
        const __m128i top = _mm_set1_epi32(static_cast<int>(std::numeric_limits<T>::max()));
        const __m128i bottom = _mm_set1_epi32(static_cast<int>(std::numeric_limits<T>::lowest()));
        I32x16 R;
        int zeros = 0;
        for (int j = 0; j < 4; ++j) {
            __m128i r;
            if constexpr (Single) {
                const __m128 q = _mm_div_ps(_mm_mul_ps(_mm_cvtepi32_ps(B.v[j]), _mm_set1_ps(static_cast<float>(factor))),
                                            _mm_cvtepi32_ps(A.v[j]));
                const __m128 lo = _mm_set1_ps(static_cast<float>(lowest_of<T>)), hi = _mm_set1_ps(static_cast<float>(highest_of<T>));
                r = _mm_cvttps_epi32(_mm_min_ps(hi, _mm_max_ps(lo, round_by<M>(q))));
            } else {
                const __m128d k = _mm_set1_pd(factor), lo = _mm_set1_pd(lowest_of<T>), hi = _mm_set1_pd(highest_of<T>);
                __m128i half[2];
                for (int h = 0; h < 2; ++h) {
                    const __m128i x = h ? _mm_srli_si128(A.v[j], 8) : A.v[j];
                    const __m128i y = h ? _mm_srli_si128(B.v[j], 8) : B.v[j];
                    const __m128d q = _mm_div_pd(_mm_mul_pd(_mm_cvtepi32_pd(y), k), _mm_cvtepi32_pd(x));
                    half[h] = _mm_cvttpd_epi32(_mm_min_pd(hi, _mm_max_pd(lo, round_by<M>(q))));
                }
                r = _mm_unpacklo_epi64(half[0], half[1]);
            }
            const __m128i isZero = _mm_cmpeq_epi32(A.v[j], zero);
            if (const int m = _mm_movemask_ps(_mm_castsi128_ps(isZero))) {
                zeros |= m << (4 * j);
                const __m128i byDividend = _mm_or_si128(_mm_and_si128(_mm_cmpgt_epi32(B.v[j], zero), top),
                                                        _mm_and_si128(_mm_cmpgt_epi32(zero, B.v[j]), bottom));
                r = _mm_blendv_epi8(r, byDividend, isZero);
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
    static constexpr std::size_t kBlock = 16;
    template <Store St>
    int block(const T* a, const T* b, T* d) const {
        constexpr int s = sizeof(T) == 1 ? 8 : 16;
        const I32x16 A = load_i32(a), B = load_i32(b);
        I32x16 R;
        for (int k = 0; k < 4; ++k) {
            const __m128i p = _mm_mullo_epi32(A.v[k], B.v[k]);
            R.v[k] = _mm_srli_epi32(_mm_add_epi32(_mm_add_epi32(p, _mm_set1_epi32(1)), _mm_srli_epi32(p, s)), s);
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
    static constexpr std::size_t kBlock = 16;
    template <Store St>
    int block(const Rvl64f* v, const T* x, T* d) const {
        F32x16 p;
        I32x16 ints{};
        if constexpr (!std::is_same_v<T, Rvl32f>) ints = load_i32(x);
        for (int k = 0; k < 4; ++k) {
            __m128d lo, hi;
            if constexpr (std::is_same_v<T, Rvl32f>) {
                const __m128 f = _mm_loadu_ps(x + 4 * k);
                lo = _mm_cvtps_pd(f), hi = _mm_cvtps_pd(_mm_movehl_ps(f, f));
            } else {
                lo = _mm_cvtepi32_pd(ints.v[k]), hi = _mm_cvtepi32_pd(_mm_srli_si128(ints.v[k], 8));
            }
            lo = _mm_mul_pd(lo, _mm_loadu_pd(v + 4 * k));
            hi = _mm_mul_pd(hi, _mm_loadu_pd(v + 4 * k + 2));
            p.v[k] = _mm_movelh_ps(_mm_cvtpd_ps(lo), _mm_cvtpd_ps(hi));
        }
        if constexpr (std::is_same_v<T, Rvl32f>) {
            store_f32<St>(d, p);
        } else {
            const __m128 lo = _mm_set1_ps(static_cast<float>(lowest_of<T>));
            const __m128 hi = _mm_set1_ps(static_cast<float>(highest_of<T>));
            store_sat<St>(d, to_i32_truncated(each(p, [&](__m128 f) { return round_by<M>(_mm_min_ps(hi, _mm_max_ps(lo, f))); })));
        }
        return 0;
    }

private:
    static I32x16 to_i32_truncated(const F32x16& x) {
        return {{_mm_cvttps_epi32(x.v[0]), _mm_cvttps_epi32(x.v[1]), _mm_cvttps_epi32(x.v[2]), _mm_cvttps_epi32(x.v[3])}};
    }
};

}  // namespace rvl
