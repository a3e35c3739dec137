// Rounding: the processor's rounding control for the kernels whose float
// arithmetic depends on it, and exact rounding of a value to an integer for
// the scalar kernels that do not touch the control register.
#pragma once

#include <xmmintrin.h>

#include <cmath>
#include <cstdint>
#include <type_traits>

#include "rvl.h"

namespace rvl {

// Rounding-control field values of MXCSR.
enum class Rc : unsigned { Nearest = 0x0000, Down = 0x2000, Up = 0x4000, TowardZero = 0x6000 };

// Sets the calling thread's SSE rounding control for the lifetime of the
// scope and restores the caller's control word (all of it) at the end, so a
// conversion never leaks its rounding mode, whatever the caller had set.
class RoundingScope {
public:
    explicit RoundingScope(Rc rc) : saved_(_mm_getcsr()) {
        _mm_setcsr((saved_ & ~0x6000u) | static_cast<unsigned>(rc));
    }
    ~RoundingScope() { _mm_setcsr(saved_); }
    RoundingScope(const RoundingScope&) = delete;
    RoundingScope& operator=(const RoundingScope&) = delete;

private:
    unsigned saved_;
};

// The three rounding modes of the conversions. Any value other than 0 and 1
// rounds half away from zero.
enum class Round { TowardZero, NearestEven, HalfAway };

inline Round round_of(RvlRoundMode mode) {
    return mode == rvlRoundTowardZero ? Round::TowardZero
           : mode == rvlRoundNearestEven ? Round::NearestEven
                                          : Round::HalfAway;
}

template <Round M>
using RoundTag = std::integral_constant<Round, M>;

// Calls run(RoundTag<M>{}) with the mode as a compile-time constant, so that
// kernels are instantiated once per rounding mode and choose none per
// element.
template <class Run>
inline decltype(auto) with_round(Round mode, Run&& run) {
    switch (mode) {
        case Round::TowardZero: return run(RoundTag<Round::TowardZero>{});
        case Round::NearestEven: return run(RoundTag<Round::NearestEven>{});
        default: return run(RoundTag<Round::HalfAway>{});
    }
}

// Exact rounding of a double to an integral double, independent of the
// rounding control: the fraction x - trunc(x) is exact in binary floating
// point, so ties are recognised exactly.
inline double round_integral(double x, Round mode) {
    const double t = std::trunc(x);
    if (mode == Round::TowardZero) return t;
    const double f = std::fabs(x - t);
    const double away = t + (x < 0 ? -1.0 : 1.0);
    if (f > 0.5) return away;
    if (f < 0.5) return t;
    if (mode == Round::HalfAway) return away;
    return std::fmod(t, 2.0) == 0.0 ? t : away;  // tie: to even
}

}  // namespace rvl
