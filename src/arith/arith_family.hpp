// Add, Sub, Mul and their constant forms: rvli<Add|Sub|Mul>[C]_<T>_<L>[I]R[Sfs][_L]
// (bound in add.cpp, sub.cpp and mul.cpp, one operation each).
//
// Checks: null pointers, then the size; steps are not checked. The C3 and
// C4 two-image forms run the one-channel kernel over width x channels
// elements and, like every member that forwards, check the width first; so
// do the in-place forms, which forward to their twins. Constant forms check
// their value array with the other pointers. An _L call whose steps and
// byte count fit 32 bits is the 32-bit call.
#pragma once

#include "arith/arith_common.hpp"
#include "frame/fill.hpp"
#include "frame/forward.hpp"

namespace rvl {

template <Ar K, class T, RvlChannels L, class Sz, class Step>
RvlResult arith(const T* pSrc1, Step src1Step, const T* pSrc2, Step src2Step, T* pDst, Step dstStep, Sz roiSize,
                int scaleFactor) {
    if constexpr (is_large<Sz>)
        if (fits_twin(roiSize, pixel_bytes<T, L>, src1Step, src2Step, dstStep))
            return arith<K, T, L, RvlSize, int>(pSrc1, int(src1Step), pSrc2, int(src2Step), pDst, int(dstStep),
                                                narrow(roiSize), scaleFactor);
    if constexpr (L == rvlChannels3 || L == rvlChannels4)
        if (RvlResult st = forward_width_check(roiSize)) return st;
    if (RvlResult st = first_failure({null_check(pSrc1, pSrc2, pDst), roi_check(roiSize)})) return st;
    auto run = [&](const auto& op) {
        return binary_image<L>(op, pSrc1, src1Step, pSrc2, src2Step, pDst, dstStep, roiSize);
    };
    if constexpr (std::is_same_v<T, Rvl32f>)
        return run(FloatArithOp<K>{});
    else
        return with_arith_op<K, T>(scaleFactor, run);
}

template <Ar K, RvlChannels L, class Sz, class Step>
RvlResult arith_32f(const Rvl32f* pSrc1, Step src1Step, const Rvl32f* pSrc2, Step src2Step, Rvl32f* pDst, Step dstStep,
                    Sz roiSize) {
    return arith<K, Rvl32f, L, Sz, Step>(pSrc1, src1Step, pSrc2, src2Step, pDst, dstStep, roiSize, 0);
}

// src op value: the constant is the first operand (SubC gives src - value).
template <Ar K, class T, RvlChannels L, class Sz, class Step>
RvlResult arith_c(const T* pSrc, Step srcStep, Param<T, L> value, T* pDst, Step dstStep, Sz roiSize, int scaleFactor) {
    if constexpr (is_large<Sz>)
        if (fits_twin(roiSize, pixel_bytes<T, L>, srcStep, dstStep))
            return arith_c<K, T, L, RvlSize, int>(pSrc, int(srcStep), value, pDst, int(dstStep), narrow(roiSize),
                                                  scaleFactor);
    if constexpr (L == rvlChannels1) {
        if (RvlResult st = first_failure({null_check(pSrc, pDst), roi_check(roiSize)})) return st;
    } else {
        if (RvlResult st = first_failure({null_check(pSrc, pDst, value), roi_check(roiSize)})) return st;
    }
    auto run = [&](const auto& op) { return constant_image<L>(op, entries(value), pSrc, srcStep, pDst, dstStep, roiSize); };
    if constexpr (std::is_same_v<T, Rvl32f>) {
        return run(FloatArithOp<K>{});
    } else {
        // Results that do not depend on the computation: adding or
        // subtracting 0, or multiplying by 1, at f = 0 is a copy.
        if (scaleFactor == 0 && all_equal<L>(entries(value), K == Ar::Mul ? T(1) : T(0)))
            return copy_image<L>(pSrc, srcStep, pDst, dstStep, roiSize);
        return with_arith_op<K, T>(scaleFactor, run);
    }
}

template <Ar K, RvlChannels L, class Sz, class Step>
RvlResult arith_c_32f(const Rvl32f* pSrc, Step srcStep, Param<Rvl32f, L> value, Rvl32f* pDst, Step dstStep, Sz roiSize) {
    return arith_c<K, Rvl32f, L, Sz, Step>(pSrc, srcStep, value, pDst, dstStep, roiSize, 0);
}

}  // namespace rvl
