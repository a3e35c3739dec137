// Fixed thresholds, one element or one register at a time.
//
// Each variant states its formula once, for scalars and registers of the
// variant's width alike (comparisons of GNU vector types select lane by
// lane), so the two agree for every input, NaN included.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "kernels/map.hpp"
#include "kernels/vec.hpp"
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
    template <class X>
    static X apply(X x, X t1, X v1, X t2, X v2) {
        if constexpr (K == Thr::GT) return x < t1 ? x : t1;
        else if constexpr (K == Thr::LT) return x > t1 ? x : t1;
        else if constexpr (K == Thr::GTVal) return x > t1 ? v1 : x;
        else if constexpr (K == Thr::LTVal) return t1 <= x ? x : v1;
        else return x < t1 ? v1 : (x > t2 ? v2 : x);
    }
};

// One row of C-channel pixels (C = 1, 3 or 4; AC4 rows arrive as four
// channels in scratch). Lead and tail elements go one at a time; the
// registers use per-channel parameter registers laid out for the phase at
// which they start (three registers cover a 3-channel period).
template <Thr K, Store St, class T, int C>
struct ThresholdKernel {
    T t1[C], v1[C], t2[C], v2[C];

    void operator()(const T* src, T* dst, std::size_t n) const {
        using F = ThresholdFormula<K>;
        using V = vec::of<T>;
        constexpr std::size_t L = vec::lanes<T>;
        constexpr std::size_t P = C == 3 ? 3 : 1;  // registers per parameter period
        auto scalar = [&](std::size_t j) { dst[j] = F::apply(src[j], t1[j % C], v1[j % C], t2[j % C], v2[j % C]); };
        std::size_t i = std::min(lead_to<vec::kBytes>(dst), n);
        for (std::size_t j = 0; j < i; ++j) scalar(j);
        V rt1[P], rv1[P], rt2[P], rv2[P];
        for (std::size_t r = 0; r < P; ++r)
            for (std::size_t e = 0; e < L; ++e) {
                const std::size_t ch = (i + r * L + e) % C;
                rt1[r][e] = t1[ch], rv1[r][e] = v1[ch], rt2[r][e] = t2[ch], rv2[r][e] = v2[ch];
            }
        const bool streamed = St == Store::NonTemporal && reinterpret_cast<std::uintptr_t>(dst + i) % vec::kBytes == 0;
        auto one = [&](std::size_t at, std::size_t r) {
            const V y = F::apply(load_vec(src + at), rt1[r], rv1[r], rt2[r], rv2[r]);
            if (streamed)
                put_vec<Store::NonTemporal>(dst + at, y);
            else
                put_vec<Store::Cached>(dst + at, y);
        };
        // Whole parameter periods (the register index is then a constant),
        // then the registers left over.
        for (; i + P * L <= n; i += P * L)
            for (std::size_t r = 0; r < P; ++r) one(i + r * L, r);
        for (std::size_t r = 0; i + L <= n; i += L, ++r) one(i, r);
        if (streamed) _mm_sfence();
        for (; i < n; ++i) scalar(i);
    }
};

}  // namespace rvl
