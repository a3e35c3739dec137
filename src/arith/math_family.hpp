// Shared by Sqr, Sqrt, Exp and Ln (sqr_sqrt.cpp, exp_ln.cpp): the checks
// of the element-wise math of one image, and the row survey of 16s
// logarithms.
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

// 16s logarithm rows report the kind of the first element <= 0 they hold;
// the row is looked at before it is computed (in place, it is overwritten).
// (Every other warning comes from the kernels' flags.)
template <RvlChannels L>
struct Ln16sRowCheck {
    RvlResult operator()(const Rvl16s* row, std::int64_t n) const {
        return ln16s_row_warning<L == rvlChannelsAC4>(row, std::size_t(n));
    }
};

}  // namespace rvl
