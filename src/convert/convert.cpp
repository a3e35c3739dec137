// Type conversions without a scale factor: rvliConvert_<S><D>_<L>R and the
// signed-to-unsigned rvliConvert_<S><D>_C1Rs.
//
// Checks: null pointers, then the ROI size; forms with a 32f source and all
// AC4 forms then check both steps.
#include "frame/bulk.hpp"
#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "kernels/convert.hpp"
#include "kernels/rounding.hpp"

namespace rvl {
namespace {

// The block operation of an exact or saturating conversion from S to D.
template <class S, class D>
auto convert_op() {
    if constexpr (std::is_same_v<D, Rvl64f>)
        return IntToDoubleOp<S>{};
    else if constexpr (std::is_same_v<S, Rvl32u>)
        return U32ToFloatOp{};
    else if constexpr (std::is_same_v<D, Rvl32f>)
        return IntToFloatOp<S>{};
    else
        return IntToIntOp<S, D>{};
}

template <RvlChannels L>
RvlResult own_checks(const void* pSrc, int srcStep, const void* pDst, int dstStep, RvlSize roiSize) {
    if constexpr (L == rvlChannelsAC4)
        return first_failure({null_check(pSrc, pDst), roi_check(roiSize), step_check(srcStep, dstStep)});
    else
        return first_failure({null_check(pSrc, pDst), roi_check(roiSize)});
}

// Integer sources. 32s and 32u to 32f round to nearest (ties to even) under
// a rounding control set for the call.
template <class S, class D, RvlChannels L>
RvlResult convert_r(const S* pSrc, int srcStep, D* pDst, int dstStep, RvlSize roiSize) {
    if (RvlResult st = own_checks<L>(pSrc, srcStep, pDst, dstStep, roiSize)) return st;
    if constexpr (sizeof(S) == 4 && std::is_same_v<D, Rvl32f>) {
        RoundingScope nearest(Rc::Nearest);
        return block_image<L>(pSrc, srcStep, pDst, dstStep, roiSize, convert_op<S, D>());
    } else {
        return block_image<L>(pSrc, srcStep, pDst, dstStep, roiSize, convert_op<S, D>());
    }
}

// 32f sources: rounded by rndMode (0 toward zero, 1 nearest even, any other
// value half away from zero) and saturated, under the rounding control that
// mode needs; the caller's control is restored on return.
template <class D, RvlChannels L>
RvlResult convert_float_r(const Rvl32f* pSrc, int srcStep, D* pDst, int dstStep, RvlSize roiSize,
                          RvlRoundMode rndMode) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst), roi_check(roiSize), step_check(srcStep, dstStep)}))
        return st;
    const Round mode = round_of(rndMode);
    RoundingScope control(control_for(mode));
    return with_round(mode, [&](auto m) {
        return block_image<L>(pSrc, srcStep, pDst, dstStep, roiSize, FloatToIntOp<D, decltype(m)::value>{});
    });
}

// Signed to unsigned: negative values become 0.
template <class S, class D>
RvlResult convert_rs(const S* pSrc, int srcStep, D* pDst, int dstStep, RvlSize roiSize) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst), roi_check(roiSize)})) return st;
    return block_image<rvlChannels1>(pSrc, srcStep, pDst, dstStep, roiSize, IntToIntOp<S, D, true>{});
}

}  // namespace

RVL_BIND(rvliConvert_8u16u_C1R, convert_r<Rvl8u, Rvl16u, rvlChannels1>);
RVL_BIND(rvliConvert_8u16u_C3R, convert_r<Rvl8u, Rvl16u, rvlChannels3>);
RVL_BIND(rvliConvert_8u16u_C4R, convert_r<Rvl8u, Rvl16u, rvlChannels4>);
RVL_BIND(rvliConvert_8u16u_AC4R, convert_r<Rvl8u, Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliConvert_8u16s_C1R, convert_r<Rvl8u, Rvl16s, rvlChannels1>);
RVL_BIND(rvliConvert_8u16s_C3R, convert_r<Rvl8u, Rvl16s, rvlChannels3>);
RVL_BIND(rvliConvert_8u16s_C4R, convert_r<Rvl8u, Rvl16s, rvlChannels4>);
RVL_BIND(rvliConvert_8u16s_AC4R, convert_r<Rvl8u, Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliConvert_8u32s_C1R, convert_r<Rvl8u, Rvl32s, rvlChannels1>);
RVL_BIND(rvliConvert_8u32s_C3R, convert_r<Rvl8u, Rvl32s, rvlChannels3>);
RVL_BIND(rvliConvert_8u32s_C4R, convert_r<Rvl8u, Rvl32s, rvlChannels4>);
RVL_BIND(rvliConvert_8u32s_AC4R, convert_r<Rvl8u, Rvl32s, rvlChannelsAC4>);
RVL_BIND(rvliConvert_8u32f_C1R, convert_r<Rvl8u, Rvl32f, rvlChannels1>);
RVL_BIND(rvliConvert_8u32f_C3R, convert_r<Rvl8u, Rvl32f, rvlChannels3>);
RVL_BIND(rvliConvert_8u32f_C4R, convert_r<Rvl8u, Rvl32f, rvlChannels4>);
RVL_BIND(rvliConvert_8u32f_AC4R, convert_r<Rvl8u, Rvl32f, rvlChannelsAC4>);
RVL_BIND(rvliConvert_8s32s_C1R, convert_r<Rvl8s, Rvl32s, rvlChannels1>);
RVL_BIND(rvliConvert_8s32s_C3R, convert_r<Rvl8s, Rvl32s, rvlChannels3>);
RVL_BIND(rvliConvert_8s32s_C4R, convert_r<Rvl8s, Rvl32s, rvlChannels4>);
RVL_BIND(rvliConvert_8s32s_AC4R, convert_r<Rvl8s, Rvl32s, rvlChannelsAC4>);
RVL_BIND(rvliConvert_8s32f_C1R, convert_r<Rvl8s, Rvl32f, rvlChannels1>);
RVL_BIND(rvliConvert_8s32f_C3R, convert_r<Rvl8s, Rvl32f, rvlChannels3>);
RVL_BIND(rvliConvert_8s32f_C4R, convert_r<Rvl8s, Rvl32f, rvlChannels4>);
RVL_BIND(rvliConvert_8s32f_AC4R, convert_r<Rvl8s, Rvl32f, rvlChannelsAC4>);
RVL_BIND(rvliConvert_16u32s_C1R, convert_r<Rvl16u, Rvl32s, rvlChannels1>);
RVL_BIND(rvliConvert_16u32s_C3R, convert_r<Rvl16u, Rvl32s, rvlChannels3>);
RVL_BIND(rvliConvert_16u32s_C4R, convert_r<Rvl16u, Rvl32s, rvlChannels4>);
RVL_BIND(rvliConvert_16u32s_AC4R, convert_r<Rvl16u, Rvl32s, rvlChannelsAC4>);
RVL_BIND(rvliConvert_16u32f_C1R, convert_r<Rvl16u, Rvl32f, rvlChannels1>);
RVL_BIND(rvliConvert_16u32f_C3R, convert_r<Rvl16u, Rvl32f, rvlChannels3>);
RVL_BIND(rvliConvert_16u32f_C4R, convert_r<Rvl16u, Rvl32f, rvlChannels4>);
RVL_BIND(rvliConvert_16u32f_AC4R, convert_r<Rvl16u, Rvl32f, rvlChannelsAC4>);
RVL_BIND(rvliConvert_16u8u_C1R, convert_r<Rvl16u, Rvl8u, rvlChannels1>);
RVL_BIND(rvliConvert_16u8u_C3R, convert_r<Rvl16u, Rvl8u, rvlChannels3>);
RVL_BIND(rvliConvert_16u8u_C4R, convert_r<Rvl16u, Rvl8u, rvlChannels4>);
RVL_BIND(rvliConvert_16u8u_AC4R, convert_r<Rvl16u, Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliConvert_16s32s_C1R, convert_r<Rvl16s, Rvl32s, rvlChannels1>);
RVL_BIND(rvliConvert_16s32s_C3R, convert_r<Rvl16s, Rvl32s, rvlChannels3>);
RVL_BIND(rvliConvert_16s32s_C4R, convert_r<Rvl16s, Rvl32s, rvlChannels4>);
RVL_BIND(rvliConvert_16s32s_AC4R, convert_r<Rvl16s, Rvl32s, rvlChannelsAC4>);
RVL_BIND(rvliConvert_16s32f_C1R, convert_r<Rvl16s, Rvl32f, rvlChannels1>);
RVL_BIND(rvliConvert_16s32f_C3R, convert_r<Rvl16s, Rvl32f, rvlChannels3>);
RVL_BIND(rvliConvert_16s32f_C4R, convert_r<Rvl16s, Rvl32f, rvlChannels4>);
RVL_BIND(rvliConvert_16s32f_AC4R, convert_r<Rvl16s, Rvl32f, rvlChannelsAC4>);
RVL_BIND(rvliConvert_16s8u_C1R, convert_r<Rvl16s, Rvl8u, rvlChannels1>);
RVL_BIND(rvliConvert_16s8u_C3R, convert_r<Rvl16s, Rvl8u, rvlChannels3>);
RVL_BIND(rvliConvert_16s8u_C4R, convert_r<Rvl16s, Rvl8u, rvlChannels4>);
RVL_BIND(rvliConvert_16s8u_AC4R, convert_r<Rvl16s, Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliConvert_32s8u_C1R, convert_r<Rvl32s, Rvl8u, rvlChannels1>);
RVL_BIND(rvliConvert_32s8u_C3R, convert_r<Rvl32s, Rvl8u, rvlChannels3>);
RVL_BIND(rvliConvert_32s8u_C4R, convert_r<Rvl32s, Rvl8u, rvlChannels4>);
RVL_BIND(rvliConvert_32s8u_AC4R, convert_r<Rvl32s, Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliConvert_32s8s_C1R, convert_r<Rvl32s, Rvl8s, rvlChannels1>);
RVL_BIND(rvliConvert_32s8s_C3R, convert_r<Rvl32s, Rvl8s, rvlChannels3>);
RVL_BIND(rvliConvert_32s8s_C4R, convert_r<Rvl32s, Rvl8s, rvlChannels4>);
RVL_BIND(rvliConvert_32s8s_AC4R, convert_r<Rvl32s, Rvl8s, rvlChannelsAC4>);
RVL_BIND(rvliConvert_32f8u_C1R, convert_float_r<Rvl8u, rvlChannels1>);
RVL_BIND(rvliConvert_32f8u_C3R, convert_float_r<Rvl8u, rvlChannels3>);
RVL_BIND(rvliConvert_32f8u_C4R, convert_float_r<Rvl8u, rvlChannels4>);
RVL_BIND(rvliConvert_32f8u_AC4R, convert_float_r<Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliConvert_32f8s_C1R, convert_float_r<Rvl8s, rvlChannels1>);
RVL_BIND(rvliConvert_32f8s_C3R, convert_float_r<Rvl8s, rvlChannels3>);
RVL_BIND(rvliConvert_32f8s_C4R, convert_float_r<Rvl8s, rvlChannels4>);
RVL_BIND(rvliConvert_32f8s_AC4R, convert_float_r<Rvl8s, rvlChannelsAC4>);
RVL_BIND(rvliConvert_32f16u_C1R, convert_float_r<Rvl16u, rvlChannels1>);
RVL_BIND(rvliConvert_32f16u_C3R, convert_float_r<Rvl16u, rvlChannels3>);
RVL_BIND(rvliConvert_32f16u_C4R, convert_float_r<Rvl16u, rvlChannels4>);
RVL_BIND(rvliConvert_32f16u_AC4R, convert_float_r<Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliConvert_32f16s_C1R, convert_float_r<Rvl16s, rvlChannels1>);
RVL_BIND(rvliConvert_32f16s_C3R, convert_float_r<Rvl16s, rvlChannels3>);
RVL_BIND(rvliConvert_32f16s_C4R, convert_float_r<Rvl16s, rvlChannels4>);
RVL_BIND(rvliConvert_32f16s_AC4R, convert_float_r<Rvl16s, rvlChannelsAC4>);

RVL_BIND(rvliConvert_8s16s_C1R, convert_r<Rvl8s, Rvl16s, rvlChannels1>);
RVL_BIND(rvliConvert_8s64f_C1R, convert_r<Rvl8s, Rvl64f, rvlChannels1>);
RVL_BIND(rvliConvert_16u32u_C1R, convert_r<Rvl16u, Rvl32u, rvlChannels1>);
RVL_BIND(rvliConvert_32s32f_C1R, convert_r<Rvl32s, Rvl32f, rvlChannels1>);
RVL_BIND(rvliConvert_32u32f_C1R, convert_r<Rvl32u, Rvl32f, rvlChannels1>);

RVL_BIND(rvliConvert_8s8u_C1Rs, convert_rs<Rvl8s, Rvl8u>);
RVL_BIND(rvliConvert_8s16u_C1Rs, convert_rs<Rvl8s, Rvl16u>);
RVL_BIND(rvliConvert_8s32u_C1Rs, convert_rs<Rvl8s, Rvl32u>);
RVL_BIND(rvliConvert_16s16u_C1Rs, convert_rs<Rvl16s, Rvl16u>);
RVL_BIND(rvliConvert_16s32u_C1Rs, convert_rs<Rvl16s, Rvl32u>);
RVL_BIND(rvliConvert_32s32u_C1Rs, convert_rs<Rvl32s, Rvl32u>);

}  // namespace rvl
