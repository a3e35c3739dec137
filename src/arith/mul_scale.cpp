// Normalised and double-constant products: rvliMulScale_*, rvliMulCScale_*,
// rvliMulC64f_*.
//
// MulScale/MulCScale: floor(a * b / max) for 8u (max 255) and 16u (65535),
// so that multiplying by the maximum is the identity. Checks: null
// pointers, then steps, then the size. In-place forms check their own
// arguments in the same order.
//
// MulC64f: each element times its channel's double constant in double
// precision; integer results go through single precision, are limited to
// the type's range and rounded by rndMode (0 toward zero, 1 nearest even,
// anything else half away from zero). The narrowing to single precision
// rounds to nearest, under a rounding control set for the call. hint does
// not change results. Checks: null pointers, then the size.
#include "arith/arith_common.hpp"
#include "frame/entry.hpp"
#include "kernels/rounding.hpp"

namespace rvl {
namespace {

template <class T, RvlChannels L>
RvlResult mul_scale(const T* pSrc1, int src1Step, const T* pSrc2, int src2Step, T* pDst, int dstStep, RvlSize roiSize) {
    if (RvlResult st = first_failure({null_check(pSrc1, pSrc2, pDst), step_check(src1Step, src2Step, dstStep),
                                      roi_check(roiSize)}))
        return st;
    return binary_image<L>(MulScaleOp<T>{}, pSrc1, src1Step, pSrc2, src2Step, pDst, dstStep, roiSize);
}

template <class T, RvlChannels L>
RvlResult mul_scale_in_place(const T* pSrc, int srcStep, T* pSrcDst, int srcDstStep, RvlSize roiSize) {
    return mul_scale<T, L>(pSrc, srcStep, pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize);
}

template <class T, RvlChannels L>
RvlResult mul_c_scale(const T* pSrc, int srcStep, Param<T, L> value, T* pDst, int dstStep, RvlSize roiSize) {
    const void* valuePointer = entries(value);
    if (RvlResult st = first_failure({null_check(pSrc, pDst, valuePointer), step_check(srcStep, dstStep),
                                      roi_check(roiSize)}))
        return st;
    return constant_image<L>(MulScaleOp<T>{}, entries(value), pSrc, srcStep, pDst, dstStep, roiSize);
}

template <class T, RvlChannels L>
RvlResult mul_c_scale_in_place(Param<T, L> value, T* pSrcDst, int srcDstStep, RvlSize roiSize) {
    return mul_c_scale<T, L>(pSrcDst, srcDstStep, value, pSrcDst, srcDstStep, roiSize);
}

template <class T, RvlChannels L>
RvlResult mul_c64f(const T* pSrc, int srcStep, const Rvl64f* value, T* pDst, int dstStep, RvlSize roiSize,
                   RvlHintAlgorithm, RvlRoundMode rndMode) {
    if (RvlResult st = first_failure({null_check(pSrc, value, pDst), roi_check(roiSize)})) return st;
    RoundingScope nearest(Rc::Nearest);
    auto run = [&](const auto& op) { return constant_image<L>(op, value, pSrc, srcStep, pDst, dstStep, roiSize); };
    return with_round(round_of(rndMode), [&](auto mode) { return run(MulC64fOp<T, decltype(mode)::value>{}); });
}

template <class T, RvlChannels L>
RvlResult mul_c64f_in_place(T* pSrcDst, int srcDstStep, const Rvl64f* value, RvlSize roiSize, RvlHintAlgorithm hint,
                            RvlRoundMode rndMode) {
    return mul_c64f<T, L>(pSrcDst, srcDstStep, value, pSrcDst, srcDstStep, roiSize, hint, rndMode);
}

}  // namespace

RVL_BIND(rvliMulScale_8u_C1R, mul_scale<Rvl8u, rvlChannels1>);
RVL_BIND(rvliMulScale_8u_C1IR, mul_scale_in_place<Rvl8u, rvlChannels1>);
RVL_BIND(rvliMulCScale_8u_C1R, mul_c_scale<Rvl8u, rvlChannels1>);
RVL_BIND(rvliMulCScale_8u_C1IR, mul_c_scale_in_place<Rvl8u, rvlChannels1>);
RVL_BIND(rvliMulScale_8u_C3R, mul_scale<Rvl8u, rvlChannels3>);
RVL_BIND(rvliMulScale_8u_C3IR, mul_scale_in_place<Rvl8u, rvlChannels3>);
RVL_BIND(rvliMulCScale_8u_C3R, mul_c_scale<Rvl8u, rvlChannels3>);
RVL_BIND(rvliMulCScale_8u_C3IR, mul_c_scale_in_place<Rvl8u, rvlChannels3>);
RVL_BIND(rvliMulScale_8u_C4R, mul_scale<Rvl8u, rvlChannels4>);
RVL_BIND(rvliMulScale_8u_C4IR, mul_scale_in_place<Rvl8u, rvlChannels4>);
RVL_BIND(rvliMulCScale_8u_C4R, mul_c_scale<Rvl8u, rvlChannels4>);
RVL_BIND(rvliMulCScale_8u_C4IR, mul_c_scale_in_place<Rvl8u, rvlChannels4>);
RVL_BIND(rvliMulScale_8u_AC4R, mul_scale<Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliMulScale_8u_AC4IR, mul_scale_in_place<Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliMulCScale_8u_AC4R, mul_c_scale<Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliMulCScale_8u_AC4IR, mul_c_scale_in_place<Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliMulScale_16u_C1R, mul_scale<Rvl16u, rvlChannels1>);
RVL_BIND(rvliMulScale_16u_C1IR, mul_scale_in_place<Rvl16u, rvlChannels1>);
RVL_BIND(rvliMulCScale_16u_C1R, mul_c_scale<Rvl16u, rvlChannels1>);
RVL_BIND(rvliMulCScale_16u_C1IR, mul_c_scale_in_place<Rvl16u, rvlChannels1>);
RVL_BIND(rvliMulScale_16u_C3R, mul_scale<Rvl16u, rvlChannels3>);
RVL_BIND(rvliMulScale_16u_C3IR, mul_scale_in_place<Rvl16u, rvlChannels3>);
RVL_BIND(rvliMulCScale_16u_C3R, mul_c_scale<Rvl16u, rvlChannels3>);
RVL_BIND(rvliMulCScale_16u_C3IR, mul_c_scale_in_place<Rvl16u, rvlChannels3>);
RVL_BIND(rvliMulScale_16u_C4R, mul_scale<Rvl16u, rvlChannels4>);
RVL_BIND(rvliMulScale_16u_C4IR, mul_scale_in_place<Rvl16u, rvlChannels4>);
RVL_BIND(rvliMulCScale_16u_C4R, mul_c_scale<Rvl16u, rvlChannels4>);
RVL_BIND(rvliMulCScale_16u_C4IR, mul_c_scale_in_place<Rvl16u, rvlChannels4>);
RVL_BIND(rvliMulScale_16u_AC4R, mul_scale<Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliMulScale_16u_AC4IR, mul_scale_in_place<Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliMulCScale_16u_AC4R, mul_c_scale<Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliMulCScale_16u_AC4IR, mul_c_scale_in_place<Rvl16u, rvlChannelsAC4>);

RVL_BIND(rvliMulC64f_8u_C1R, mul_c64f<Rvl8u, rvlChannels1>);
RVL_BIND(rvliMulC64f_8u_C1IR, mul_c64f_in_place<Rvl8u, rvlChannels1>);
RVL_BIND(rvliMulC64f_8u_C3R, mul_c64f<Rvl8u, rvlChannels3>);
RVL_BIND(rvliMulC64f_8u_C3IR, mul_c64f_in_place<Rvl8u, rvlChannels3>);
RVL_BIND(rvliMulC64f_8u_C4R, mul_c64f<Rvl8u, rvlChannels4>);
RVL_BIND(rvliMulC64f_8u_C4IR, mul_c64f_in_place<Rvl8u, rvlChannels4>);
RVL_BIND(rvliMulC64f_16u_C1R, mul_c64f<Rvl16u, rvlChannels1>);
RVL_BIND(rvliMulC64f_16u_C1IR, mul_c64f_in_place<Rvl16u, rvlChannels1>);
RVL_BIND(rvliMulC64f_16u_C3R, mul_c64f<Rvl16u, rvlChannels3>);
RVL_BIND(rvliMulC64f_16u_C3IR, mul_c64f_in_place<Rvl16u, rvlChannels3>);
RVL_BIND(rvliMulC64f_16u_C4R, mul_c64f<Rvl16u, rvlChannels4>);
RVL_BIND(rvliMulC64f_16u_C4IR, mul_c64f_in_place<Rvl16u, rvlChannels4>);
RVL_BIND(rvliMulC64f_16s_C1R, mul_c64f<Rvl16s, rvlChannels1>);
RVL_BIND(rvliMulC64f_16s_C1IR, mul_c64f_in_place<Rvl16s, rvlChannels1>);
RVL_BIND(rvliMulC64f_16s_C3R, mul_c64f<Rvl16s, rvlChannels3>);
RVL_BIND(rvliMulC64f_16s_C3IR, mul_c64f_in_place<Rvl16s, rvlChannels3>);
RVL_BIND(rvliMulC64f_16s_C4R, mul_c64f<Rvl16s, rvlChannels4>);
RVL_BIND(rvliMulC64f_16s_C4IR, mul_c64f_in_place<Rvl16s, rvlChannels4>);
RVL_BIND(rvliMulC64f_32f_C1R, mul_c64f<Rvl32f, rvlChannels1>);
RVL_BIND(rvliMulC64f_32f_C1IR, mul_c64f_in_place<Rvl32f, rvlChannels1>);
RVL_BIND(rvliMulC64f_32f_C3R, mul_c64f<Rvl32f, rvlChannels3>);
RVL_BIND(rvliMulC64f_32f_C3IR, mul_c64f_in_place<Rvl32f, rvlChannels3>);
RVL_BIND(rvliMulC64f_32f_C4R, mul_c64f<Rvl32f, rvlChannels4>);
RVL_BIND(rvliMulC64f_32f_C4IR, mul_c64f_in_place<Rvl32f, rvlChannels4>);

}  // namespace rvl
