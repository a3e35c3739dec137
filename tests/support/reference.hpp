// Pieces of the plain references shared by the conversion tests.
#pragma once

#include <cfenv>
#include <cmath>
#include <limits>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>
#include <xmmintrin.h>

namespace rvltest {

// The documented integer result of a real value: NaN gives 0 for unsigned
// and the minimum for signed destinations; everything else saturates.
template <class D>
D to_int(long double v) {
    using L = std::numeric_limits<D>;
    if (std::isnan(v)) return std::is_signed_v<D> ? L::min() : D(0);
    if (v <= static_cast<long double>(L::lowest())) return L::lowest();
    if (v >= static_cast<long double>(L::max())) return L::max();
    return static_cast<D>(v);
}

// Runs `run` (which returns the bytes of everything it wrote) in
// round-to-nearest, then with the caller's rounding mode set upward, downward
// and toward zero: the results must not change, and the caller's mode (the
// whole SSE control word) must be in force again afterwards.
template <class Run>
void expect_independent_of_callers_rounding(Run run) {
    const std::vector<unsigned char> nearest = run();
    for (int caller : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        ASSERT_EQ(0, std::fesetround(caller));
        const unsigned csr = _mm_getcsr();
        const std::vector<unsigned char> got = run();
        EXPECT_EQ(caller, std::fegetround());
        EXPECT_EQ(csr, _mm_getcsr());
        std::fesetround(FE_TONEAREST);
        EXPECT_EQ(nearest, got) << "results changed with the caller's rounding mode " << caller;
    }
}

// The bytes of a vector, for comparisons of mixed outputs.
template <class T>
void append_bytes(std::vector<unsigned char>& to, const std::vector<T>& v) {
    const auto* p = reinterpret_cast<const unsigned char*>(v.data());
    to.insert(to.end(), p, p + v.size() * sizeof(T));
}

}  // namespace rvltest
