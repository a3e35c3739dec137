// Shared by the arithmetic families: choosing the kernel for a scale factor
// and the _L rule (hand the call to the 32-bit form when it fits).
#pragma once

#include <cstdint>
#include <type_traits>

#include "frame/binary.hpp"
#include "frame/check.hpp"
#include "kernels/arith.hpp"
#include "kernels/rounding.hpp"

namespace rvl {

template <class Sz>
constexpr bool is_large = std::is_same_v<Sz, RvlSizeL>;

template <class T, RvlChannels L>
constexpr std::int64_t pixel_bytes = stored_channels<L> * std::int64_t{sizeof(T)};

// Calls run(op) with the integer Add/Sub/Mul kernel for scale factor f.
// 16u products handle every f in double precision (they can exceed 2^31).
template <Ar K, class T, class Run>
inline RvlResult with_arith_op(int f, Run&& run) {
    switch (shift_of(f)) {
        case Shift::None: return run(SfsArithOp<K, T, Shift::None>(f));
        case Shift::Left: return run(SfsArithOp<K, T, Shift::Left>(f));
        case Shift::Zero:
            if constexpr (!(K == Ar::Mul && std::is_same_v<T, Rvl16u>)) return run(SfsArithOp<K, T, Shift::Zero>(f));
            [[fallthrough]];
        default: return run(SfsArithOp<K, T, Shift::Right>(f));
    }
}

// Calls run(op) with the division kernel for rounding mode M.
template <class T, Round M, class Run>
inline RvlResult with_div_op(int f, Run&& run) {
    if (division_in_single<T>(f)) return run(IntDivOp<T, M, true>(f));
    return run(IntDivOp<T, M, false>(f));
}

template <class T, class Run>
inline RvlResult with_div_op(int f, Round mode, Run&& run) {
    return with_round(mode, [&](auto m) { return with_div_op<T, decltype(m)::value>(f, run); });
}

}  // namespace rvl
