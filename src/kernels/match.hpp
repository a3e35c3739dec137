// Template matching: outputs from the raw correlation r (single precision)
// and the window sums s1 = sum s, s2 = sum s^2 (double precision).
//
//   cross-correlation, scaled:      r / sqrt(s2 * T)
//   cross-correlation, coefficient: r / sqrt((s2 - s1^2 / N) * T)
//     window terms below floor * T count as 0, and a zero denominator
//     gives 0 (T: the template's term, already raised to its floor);
//   squared distance:               v = s2 - 2 r + sum t^2, and, scaled,
//     v / (sqrt(s2) * |t|) with s2 below 1.1920929e-7 counted as 0 and
//     v * 2^23 where that denominator is 0.
//
// Each lane is the same sequence of correctly rounded double operations
// (sqrt and division included) as the scalar tail, so every width gives
// the same bits.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>

#include "kernels/vec.hpp"

namespace rvl::kernels {

struct MatchTerms {
    bool coefficient = false;  // cross-correlation: coefficient form
    bool scaled = false;       // squared distance: scaled form
    double tplTerm = 0;        // T
    double floorTerm = 0;      // floor * T
    double inverseN = 0;       // 1 / template area
    double sumSq = 0;          // sum t^2
    double norm = 0;           // |t| raised to 2^-23
};

inline double sqrt_of(double v) { return std::sqrt(v); }
inline vec::f64 sqrt_of(vec::f64 v) { return RVL_MM(sqrt_pd)(v); }

template <class D>
inline D correlation_value(D r, D s1, D s2, const MatchTerms& m) {
    const D zero{};
    D w = m.coefficient ? s2 - s1 * s1 * m.inverseN : s2;
    w = w < m.floorTerm ? zero : w;
    const D d = sqrt_of(w * m.tplTerm);
    return d == 0.0 ? zero : r / d;
}

template <class D>
inline D distance_value(D r, D s2, const MatchTerms& m) {
    const D value = s2 - 2.0 * r + m.sumSq;
    if (!m.scaled) return value;
    const D zero{};
    const D d = sqrt_of(s2 < 1.1920929e-7 ? zero : s2) * m.norm;
    return d == 0.0 ? value * 8388608.0 : value / d;
}

// v[i] (the correlation) becomes the output, i < n.
template <bool Distance>
void finish_match_row(float* v, const double* s1, const double* s2, std::int64_t n, const MatchTerms& m) {
    using vec::f32;
    using vec::f64;
    constexpr std::int64_t L = static_cast<std::int64_t>(vec::lanes<float>), H = L / 2;
    auto value = [&](auto r, auto a, auto b) {
        if constexpr (Distance) return distance_value(r, b, m);
        else return correlation_value(r, a, b, m);
    };
    std::int64_t i = 0;
    for (; i + L <= n; i += L) {
        f32 r;
        std::memcpy(&r, v + i, sizeof r);
        const f64 lo = value(vec::f64_lo(r), vec::loadu(s1 + i), vec::loadu(s2 + i));
        const f64 hi = value(vec::f64_hi(r), vec::loadu(s1 + i + H), vec::loadu(s2 + i + H));
        const f32 out = vec::f32_of(lo, hi);
        std::memcpy(v + i, &out, sizeof out);
    }
    for (; i < n; ++i) v[i] = static_cast<float>(value(static_cast<double>(v[i]), s1[i], s2[i]));
}

}  // namespace rvl::kernels
