// Direct two-image convolution: one kernel tap applied to a whole row.
//
// `madd_row` adds k[c] * src[t] to acc[t] for every element t of an
// interleaved row (c = t mod C, the channel), with the sum type Acc:
// single precision for 32f and 16s samples (a product of two 16-bit
// integers rounds the same way whether formed in float or as an integer
// and then converted), and 32-bit unsigned integers for 8u samples (exact
// while fewer than 66052 products are added). Every element is one multiply
// and one add in every width, so each variant gives the same sums.
#pragma once

#include <cstdint>
#include <type_traits>

#include "kernels/vec.hpp"

namespace rvl::kernels {

// L elements of S as a register of Acc.
template <class Acc, class S>
inline vec::of<Acc> load_as(const S* p) {
    if constexpr (std::is_same_v<S, float>) {
        return vec::as<vec::f32>(vec::loadu(p));
    } else if constexpr (std::is_same_v<Acc, float>) {
        return vec::as<vec::f32>(vec::to_f32(vec::load_i32(p)));
    } else {
        return vec::as<vec::of<Acc>>(vec::load_i32(p));
    }
}

template <class Acc, class S, int C>
inline void madd_row(Acc* acc, const S* src, std::int64_t n, const Acc (&k)[C]) {
    using V = vec::of<Acc>;
    constexpr std::int64_t L = static_cast<std::int64_t>(vec::lanes<Acc>);
    // Registers repeat the channel pattern every P registers (three for
    // three channels, one otherwise, registers holding a multiple of 4).
    constexpr int P = C == 3 ? 3 : 1;
    Acc values[P * L];
    for (std::int64_t i = 0; i < P * L; ++i) values[i] = k[i % C];
    V pattern[P];
    __builtin_memcpy(pattern, values, sizeof pattern);
    std::int64_t t = 0;
    for (; t + P * L <= n; t += P * L) {
        for (int p = 0; p < P; ++p) {
            V a;
            __builtin_memcpy(&a, acc + t + p * L, sizeof a);
            a += pattern[p] * load_as<Acc>(src + t + p * L);
            __builtin_memcpy(acc + t + p * L, &a, sizeof a);
        }
    }
    for (; t < n; ++t) acc[t] += k[t % C] * static_cast<Acc>(src[t]);
}

}  // namespace rvl::kernels
