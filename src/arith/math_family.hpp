// Shared by Sqr, Sqrt, Exp and Ln (sqr_sqrt.cpp, exp_ln.cpp): the checks
// and the row warnings of the element-wise math of one image.
#pragma once

#include <type_traits>

#include "frame/binary.hpp"
#include "frame/check.hpp"
#include "frame/forward.hpp"
#include "kernels/unary_math.hpp"

namespace rvl {

// Sqrt, Exp and Ln: null pointers, ROI size, steps. (Sqr checks no steps.)
template <class T>
inline RvlResult math_checks(const T* pSrc, int srcStep, const T* pDst, int dstStep, RvlSize roiSize) {
    return first_failure({null_check(pSrc, pDst), roi_check(roiSize), step_check(srcStep, dstStep)});
}

// A row with a negative element warns that a root of it was taken.
template <RvlChannels L>
struct NegativeRootCheck {
    template <class T>
    RvlResult operator()(const T* row, std::int64_t n) const {
        return row_signs<T, L == rvlChannelsAC4>(row, std::size_t(n)).negative ? rvlResWarnSqrtOfNegative : rvlResOk;
    }
};

// A row with a zero element warns of a logarithm of zero, else a row with a
// negative element of a logarithm of a negative number. 16s rows report
// the kind of the first element <= 0 they hold.
template <RvlChannels L>
struct LogCheck {
    template <class T>
    RvlResult operator()(const T* row, std::int64_t n) const {
        constexpr bool kAlpha = L == rvlChannelsAC4;
        const Signs s = row_signs<T, kAlpha>(row, std::size_t(n));
        if constexpr (std::is_same_v<T, Rvl16s>)
            if (s.zero && s.negative)
                return row[first_not_positive<T, kAlpha>(row, std::size_t(n))] == 0 ? rvlResWarnLogOfZero
                                                                                   : rvlResWarnLogOfNegative;
        return s.zero ? rvlResWarnLogOfZero : s.negative ? rvlResWarnLogOfNegative : rvlResOk;
    }
};

}  // namespace rvl
