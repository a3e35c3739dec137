// Squares and square roots: rvliSqr_<T>_<L>[I]R[Sfs], rvliSqrt_<T>_<L>[I]R[Sfs].
//
// Checks: Sqr: null pointers, then the ROI size (steps are not checked);
// Sqrt: null pointers, ROI size, steps. In-place forms check as their twins.
//
// Integer squares are exact before the scale factor (the multiplication
// kernel with the source as both factors). Square roots of negative 32f
// elements are NaN and of negative 16s elements 0; either makes its row
// report rvlResWarnSqrtOfNegative.
#include "arith/arith_common.hpp"
#include "arith/math_family.hpp"
#include "frame/entry.hpp"

namespace rvl {
namespace {

template <class T, RvlChannels L>
RvlResult sqr_sfs(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roiSize, int scaleFactor) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst), roi_check(roiSize)})) return st;
    return with_arith_op<Ar::Mul, T>(
        scaleFactor, [&](const auto& op) { return unary_image<L>(op, pSrc, srcStep, pDst, dstStep, roiSize); });
}

template <RvlChannels L>
RvlResult sqr_32f(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst), roi_check(roiSize)})) return st;
    return unary_image<L>(FloatArithOp<Ar::Mul>{}, pSrc, srcStep, pDst, dstStep, roiSize);
}

template <class T, RvlChannels L>
RvlResult sqrt_sfs(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roiSize, int scaleFactor) {
    if (RvlResult st = math_checks(pSrc, srcStep, pDst, dstStep, roiSize)) return st;
    if constexpr (std::is_same_v<T, Rvl8u>)
        return unary_image<L>(TableOp8u<false>([](int x) { return std::sqrt(double(x)); }, scaleFactor), pSrc,
                              srcStep, pDst, dstStep, roiSize);
    else
        return unary_image<L>(SqrtOp16<T>(scaleFactor), pSrc, srcStep, pDst, dstStep, roiSize);
}

template <RvlChannels L>
RvlResult sqrt_32f(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize) {
    if (RvlResult st = math_checks(pSrc, srcStep, pDst, dstStep, roiSize)) return st;
    return unary_image<L>(FloatUnaryOp<SqrtF32>{}, pSrc, srcStep, pDst, dstStep, roiSize);
}

}  // namespace

RVL_BIND(rvliSqr_8u_C1RSfs, sqr_sfs<Rvl8u, rvlChannels1>);
RVL_BIND(rvliSqr_8u_C1IRSfs, InPlace<sqr_sfs<Rvl8u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliSqr_8u_C3RSfs, sqr_sfs<Rvl8u, rvlChannels3>);
RVL_BIND(rvliSqr_8u_C3IRSfs, InPlace<sqr_sfs<Rvl8u, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliSqr_8u_C4RSfs, sqr_sfs<Rvl8u, rvlChannels4>);
RVL_BIND(rvliSqr_8u_C4IRSfs, InPlace<sqr_sfs<Rvl8u, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliSqr_8u_AC4RSfs, sqr_sfs<Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliSqr_8u_AC4IRSfs, InPlace<sqr_sfs<Rvl8u, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliSqr_16u_C1RSfs, sqr_sfs<Rvl16u, rvlChannels1>);
RVL_BIND(rvliSqr_16u_C1IRSfs, InPlace<sqr_sfs<Rvl16u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliSqr_16u_C3RSfs, sqr_sfs<Rvl16u, rvlChannels3>);
RVL_BIND(rvliSqr_16u_C3IRSfs, InPlace<sqr_sfs<Rvl16u, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliSqr_16u_C4RSfs, sqr_sfs<Rvl16u, rvlChannels4>);
RVL_BIND(rvliSqr_16u_C4IRSfs, InPlace<sqr_sfs<Rvl16u, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliSqr_16u_AC4RSfs, sqr_sfs<Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliSqr_16u_AC4IRSfs, InPlace<sqr_sfs<Rvl16u, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliSqr_16s_C1RSfs, sqr_sfs<Rvl16s, rvlChannels1>);
RVL_BIND(rvliSqr_16s_C1IRSfs, InPlace<sqr_sfs<Rvl16s, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliSqr_16s_C3RSfs, sqr_sfs<Rvl16s, rvlChannels3>);
RVL_BIND(rvliSqr_16s_C3IRSfs, InPlace<sqr_sfs<Rvl16s, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliSqr_16s_C4RSfs, sqr_sfs<Rvl16s, rvlChannels4>);
RVL_BIND(rvliSqr_16s_C4IRSfs, InPlace<sqr_sfs<Rvl16s, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliSqr_16s_AC4RSfs, sqr_sfs<Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliSqr_16s_AC4IRSfs, InPlace<sqr_sfs<Rvl16s, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliSqr_32f_C1R, sqr_32f<rvlChannels1>);
RVL_BIND(rvliSqr_32f_C1IR, InPlace<sqr_32f<rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliSqr_32f_C3R, sqr_32f<rvlChannels3>);
RVL_BIND(rvliSqr_32f_C3IR, InPlace<sqr_32f<rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliSqr_32f_C4R, sqr_32f<rvlChannels4>);
RVL_BIND(rvliSqr_32f_C4IR, InPlace<sqr_32f<rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliSqr_32f_AC4R, sqr_32f<rvlChannelsAC4>);
RVL_BIND(rvliSqr_32f_AC4IR, InPlace<sqr_32f<rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliSqrt_8u_C1RSfs, sqrt_sfs<Rvl8u, rvlChannels1>);
RVL_BIND(rvliSqrt_8u_C1IRSfs, InPlace<sqrt_sfs<Rvl8u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliSqrt_8u_C3RSfs, sqrt_sfs<Rvl8u, rvlChannels3>);
RVL_BIND(rvliSqrt_8u_C3IRSfs, InPlace<sqrt_sfs<Rvl8u, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliSqrt_8u_AC4RSfs, sqrt_sfs<Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliSqrt_8u_AC4IRSfs, InPlace<sqrt_sfs<Rvl8u, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliSqrt_16u_C1RSfs, sqrt_sfs<Rvl16u, rvlChannels1>);
RVL_BIND(rvliSqrt_16u_C1IRSfs, InPlace<sqrt_sfs<Rvl16u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliSqrt_16u_C3RSfs, sqrt_sfs<Rvl16u, rvlChannels3>);
RVL_BIND(rvliSqrt_16u_C3IRSfs, InPlace<sqrt_sfs<Rvl16u, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliSqrt_16u_AC4RSfs, sqrt_sfs<Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliSqrt_16u_AC4IRSfs, InPlace<sqrt_sfs<Rvl16u, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliSqrt_16s_C1RSfs, sqrt_sfs<Rvl16s, rvlChannels1>);
RVL_BIND(rvliSqrt_16s_C1IRSfs, InPlace<sqrt_sfs<Rvl16s, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliSqrt_16s_C3RSfs, sqrt_sfs<Rvl16s, rvlChannels3>);
RVL_BIND(rvliSqrt_16s_C3IRSfs, InPlace<sqrt_sfs<Rvl16s, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliSqrt_16s_AC4RSfs, sqrt_sfs<Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliSqrt_16s_AC4IRSfs, InPlace<sqrt_sfs<Rvl16s, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliSqrt_32f_C1R, sqrt_32f<rvlChannels1>);
RVL_BIND(rvliSqrt_32f_C1IR, InPlace<sqrt_32f<rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliSqrt_32f_C3R, sqrt_32f<rvlChannels3>);
RVL_BIND(rvliSqrt_32f_C3IR, InPlace<sqrt_32f<rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliSqrt_32f_C4IR, InPlace<sqrt_32f<rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliSqrt_32f_AC4R, sqrt_32f<rvlChannelsAC4>);
RVL_BIND(rvliSqrt_32f_AC4IR, InPlace<sqrt_32f<rvlChannelsAC4>, Checks::Twin>::call);

}  // namespace rvl
