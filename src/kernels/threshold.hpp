// Fixed thresholds, one element or one register at a time.
//
// Each variant states its formula once for scalars and once for registers;
// the two agree for every input, NaN included (the vector minimum and
// maximum of floats return their second operand when either is NaN, which
// is exactly "x < t ? x : t" and "x > t ? x : t").
#pragma once

#include <smmintrin.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "kernels/compare.hpp"
#include "kernels/map.hpp"
#include "kernels/simd.hpp"
#include "rvl.h"

namespace rvl {

enum class Thr { GT, LT, GTVal, LTVal, LTValGTVal };

// ---- The variants -----------------------------------------------------------
//
// Parameters per channel: t1, v1 (threshold and value), and t2, v2 for the
// upper half of LTValGTVal. A NaN element of LTValGTVal meets neither strict
// test and is kept.
template <Thr K>
struct ThresholdFormula {
    template <class T>
    static T scalar(T x, T t1, T v1, T t2, T v2) {
        if constexpr (K == Thr::GT) return x < t1 ? x : t1;
        else if constexpr (K == Thr::LT) return x > t1 ? x : t1;
        else if constexpr (K == Thr::GTVal) return x > t1 ? v1 : x;
        else if constexpr (K == Thr::LTVal) return t1 <= x ? x : v1;
        else return x < t1 ? v1 : (x > t2 ? v2 : x);
    }
    template <class T, class R>
    static R vector(R x, R t1, R v1, R t2, R v2) {
        if constexpr (K == Thr::GT) return vmin<T>(x, t1);
        else if constexpr (K == Thr::LT) return vmax<T>(x, t1);
        else if constexpr (K == Thr::GTVal) return vselect<T>(vgreater<T>(x, t1), v1, x);
        else if constexpr (K == Thr::LTVal) {
            if constexpr (std::is_same_v<T, Rvl32f>) return vselect<T>(_mm_cmple_ps(t1, x), x, v1);
            else return vselect<T>(vgreater<T>(t1, x), v1, x);
        } else {
            return vselect<T>(vgreater<T>(t1, x), v1, vselect<T>(vgreater<T>(x, t2), v2, x));
        }
    }
};

// One row of C-channel pixels (C = 1, 3 or 4; AC4 rows arrive as four
// channels in scratch). Lead and tail elements use the scalar formula; the
// 16-byte blocks use per-channel parameter registers laid out for the phase
// at which the blocks start (three registers cover a 3-channel period).
template <Thr K, Store St, class T, int C>
struct ThresholdKernel {
    T t1[C], v1[C], t2[C], v2[C];

    void operator()(const T* src, T* dst, std::size_t n) const {
        using F = ThresholdFormula<K>;
        constexpr std::size_t L = simd::lanes<T>;
        constexpr std::size_t P = C == 3 ? 3 : 1;  // registers per parameter period
        std::size_t i = std::min(simd::lead_to_alignment(dst), n);
        for (std::size_t j = 0; j < i; ++j) dst[j] = F::scalar(src[j], t1[j % C], v1[j % C], t2[j % C], v2[j % C]);
        simd::reg_t<T> rt1[P], rv1[P], rt2[P], rv2[P];
        for (std::size_t r = 0; r < P; ++r) {
            alignas(16) T a[L], b[L], c[L], d[L];
            for (std::size_t e = 0; e < L; ++e) {
                const std::size_t ch = (i + r * L + e) % C;
                a[e] = t1[ch], b[e] = v1[ch], c[e] = t2[ch], d[e] = v2[ch];
            }
            rt1[r] = simd::loadu(a), rv1[r] = simd::loadu(b), rt2[r] = simd::loadu(c), rv2[r] = simd::loadu(d);
        }
        const bool streamed = St == Store::NonTemporal && reinterpret_cast<std::uintptr_t>(dst + i) % 16 == 0;
        auto one = [&](std::size_t at, std::size_t r) {
            const auto y = F::template vector<T>(simd::loadu(src + at), rt1[r], rv1[r], rt2[r], rv2[r]);
            if (streamed)
                simd::stream(dst + at, y);
            else
                simd::storeu(dst + at, y);
        };
        // Whole parameter periods (the register index is then a constant),
        // then the registers left over.
        for (; i + P * L <= n; i += P * L)
            for (std::size_t r = 0; r < P; ++r) one(i + r * L, r);
        for (std::size_t r = 0; i + L <= n; i += L, ++r) one(i, r);
        if (streamed) _mm_sfence();
        for (; i < n; ++i) dst[i] = F::scalar(src[i], t1[i % C], v1[i % C], t2[i % C], v2[i % C]);
    }
};

}  // namespace rvl
