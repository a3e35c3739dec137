// Bitwise logic: rvli<And|Or|Xor>_<T>_<L>[I]R (two images),
// rvli<And|Or|Xor>C_<T>_<L>[I]R (image and a constant per channel) and
// rvliNot_8u_<L>[I]R (XOR with 255).
//
// Checks: null pointers (the constant array too), then steps, then the ROI
// size; in-place forms check as their twins. AC4 forms leave the
// destination's alpha channel as it was.
#include "frame/binary.hpp"
#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/fill.hpp"
#include "frame/forward.hpp"
#include "kernels/logic.hpp"

namespace rvl {
namespace {

template <Logic K, class T, RvlChannels L>
RvlResult logic(const T* pSrc1, int src1Step, const T* pSrc2, int src2Step, T* pDst, int dstStep, RvlSize roiSize) {
    if (RvlResult st = first_failure({null_check(pSrc1, pSrc2, pDst), step_check(src1Step, src2Step, dstStep),
                                      roi_check(roiSize)}))
        return st;
    return binary_image<L>(LogicOp<K, T>{}, pSrc1, src1Step, pSrc2, src2Step, pDst, dstStep, roiSize);
}

// One channel, and AC4 (whose scratch blocks start on whole pixels), with
// the constant in a register; three and four equal constants as one channel
// over width x channels elements; other three- and four-channel constants
// through the constant pattern row, which stays in phase with the channels
// wherever a block of the row starts.
template <Logic K, RvlChannels L, class T>
RvlResult logic_constant(const T* value, const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roiSize) {
    if constexpr (L == rvlChannels3 || L == rvlChannels4) {
        constexpr int C = stored_channels<L>;
        if (all_equal<L>(value, value[0]) && roiSize.width <= INT32_MAX / C)
            return logic_constant<K, rvlChannels1>(value, pSrc, srcStep, pDst, dstStep, {roiSize.width * C, roiSize.height});
        return constant_image<L>(LogicOp<K, T>{}, value, pSrc, srcStep, pDst, dstStep, roiSize);
    } else {
        const ConstLogicOp<K, T> op(value, stored_channels<L>, L == rvlChannelsAC4 ? 3 : stored_channels<L>);
        return unary_image<L>(op, pSrc, srcStep, pDst, dstStep, roiSize);
    }
}

template <Logic K, class T, RvlChannels L>
RvlResult logic_c(const T* pSrc, int srcStep, Param<T, L> value, T* pDst, int dstStep, RvlSize roiSize) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst, entries(value)), step_check(srcStep, dstStep),
                                      roi_check(roiSize)}))
        return st;
    return logic_constant<K, L>(entries(value), pSrc, srcStep, pDst, dstStep, roiSize);
}

template <RvlChannels L>
RvlResult not_8u(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize) {
    static constexpr Rvl8u kOnes[4] = {255, 255, 255, 255};
    if (RvlResult st = first_failure({null_check(pSrc, pDst), step_check(srcStep, dstStep), roi_check(roiSize)}))
        return st;
    return logic_constant<Logic::Xor, L>(kOnes, pSrc, srcStep, pDst, dstStep, roiSize);
}

}  // namespace

RVL_BIND(rvliAnd_8u_C1R, logic<Logic::And, Rvl8u, rvlChannels1>);
RVL_BIND(rvliAnd_8u_C1IR, InPlace2<logic<Logic::And, Rvl8u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliAnd_8u_C3R, logic<Logic::And, Rvl8u, rvlChannels3>);
RVL_BIND(rvliAnd_8u_C3IR, InPlace2<logic<Logic::And, Rvl8u, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliAnd_8u_C4R, logic<Logic::And, Rvl8u, rvlChannels4>);
RVL_BIND(rvliAnd_8u_C4IR, InPlace2<logic<Logic::And, Rvl8u, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliAnd_8u_AC4R, logic<Logic::And, Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliAnd_8u_AC4IR, InPlace2<logic<Logic::And, Rvl8u, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliAnd_16u_C1R, logic<Logic::And, Rvl16u, rvlChannels1>);
RVL_BIND(rvliAnd_16u_C1IR, InPlace2<logic<Logic::And, Rvl16u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliAnd_16u_C3R, logic<Logic::And, Rvl16u, rvlChannels3>);
RVL_BIND(rvliAnd_16u_C3IR, InPlace2<logic<Logic::And, Rvl16u, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliAnd_16u_C4R, logic<Logic::And, Rvl16u, rvlChannels4>);
RVL_BIND(rvliAnd_16u_C4IR, InPlace2<logic<Logic::And, Rvl16u, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliAnd_16u_AC4R, logic<Logic::And, Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliAnd_16u_AC4IR, InPlace2<logic<Logic::And, Rvl16u, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliAnd_32s_C1R, logic<Logic::And, Rvl32s, rvlChannels1>);
RVL_BIND(rvliAnd_32s_C1IR, InPlace2<logic<Logic::And, Rvl32s, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliAnd_32s_C3R, logic<Logic::And, Rvl32s, rvlChannels3>);
RVL_BIND(rvliAnd_32s_C3IR, InPlace2<logic<Logic::And, Rvl32s, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliAnd_32s_C4R, logic<Logic::And, Rvl32s, rvlChannels4>);
RVL_BIND(rvliAnd_32s_C4IR, InPlace2<logic<Logic::And, Rvl32s, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliAnd_32s_AC4R, logic<Logic::And, Rvl32s, rvlChannelsAC4>);
RVL_BIND(rvliAnd_32s_AC4IR, InPlace2<logic<Logic::And, Rvl32s, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliOr_8u_C1R, logic<Logic::Or, Rvl8u, rvlChannels1>);
RVL_BIND(rvliOr_8u_C1IR, InPlace2<logic<Logic::Or, Rvl8u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliOr_8u_C3R, logic<Logic::Or, Rvl8u, rvlChannels3>);
RVL_BIND(rvliOr_8u_C3IR, InPlace2<logic<Logic::Or, Rvl8u, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliOr_8u_C4R, logic<Logic::Or, Rvl8u, rvlChannels4>);
RVL_BIND(rvliOr_8u_C4IR, InPlace2<logic<Logic::Or, Rvl8u, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliOr_8u_AC4R, logic<Logic::Or, Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliOr_8u_AC4IR, InPlace2<logic<Logic::Or, Rvl8u, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliOr_16u_C1R, logic<Logic::Or, Rvl16u, rvlChannels1>);
RVL_BIND(rvliOr_16u_C1IR, InPlace2<logic<Logic::Or, Rvl16u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliOr_16u_C3R, logic<Logic::Or, Rvl16u, rvlChannels3>);
RVL_BIND(rvliOr_16u_C3IR, InPlace2<logic<Logic::Or, Rvl16u, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliOr_16u_C4R, logic<Logic::Or, Rvl16u, rvlChannels4>);
RVL_BIND(rvliOr_16u_C4IR, InPlace2<logic<Logic::Or, Rvl16u, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliOr_16u_AC4R, logic<Logic::Or, Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliOr_16u_AC4IR, InPlace2<logic<Logic::Or, Rvl16u, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliOr_32s_C1R, logic<Logic::Or, Rvl32s, rvlChannels1>);
RVL_BIND(rvliOr_32s_C1IR, InPlace2<logic<Logic::Or, Rvl32s, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliOr_32s_C3R, logic<Logic::Or, Rvl32s, rvlChannels3>);
RVL_BIND(rvliOr_32s_C3IR, InPlace2<logic<Logic::Or, Rvl32s, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliOr_32s_C4R, logic<Logic::Or, Rvl32s, rvlChannels4>);
RVL_BIND(rvliOr_32s_C4IR, InPlace2<logic<Logic::Or, Rvl32s, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliOr_32s_AC4R, logic<Logic::Or, Rvl32s, rvlChannelsAC4>);
RVL_BIND(rvliOr_32s_AC4IR, InPlace2<logic<Logic::Or, Rvl32s, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliXor_8u_C1R, logic<Logic::Xor, Rvl8u, rvlChannels1>);
RVL_BIND(rvliXor_8u_C1IR, InPlace2<logic<Logic::Xor, Rvl8u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliXor_8u_C3R, logic<Logic::Xor, Rvl8u, rvlChannels3>);
RVL_BIND(rvliXor_8u_C3IR, InPlace2<logic<Logic::Xor, Rvl8u, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliXor_8u_C4R, logic<Logic::Xor, Rvl8u, rvlChannels4>);
RVL_BIND(rvliXor_8u_C4IR, InPlace2<logic<Logic::Xor, Rvl8u, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliXor_8u_AC4R, logic<Logic::Xor, Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliXor_8u_AC4IR, InPlace2<logic<Logic::Xor, Rvl8u, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliXor_16u_C1R, logic<Logic::Xor, Rvl16u, rvlChannels1>);
RVL_BIND(rvliXor_16u_C1IR, InPlace2<logic<Logic::Xor, Rvl16u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliXor_16u_C3R, logic<Logic::Xor, Rvl16u, rvlChannels3>);
RVL_BIND(rvliXor_16u_C3IR, InPlace2<logic<Logic::Xor, Rvl16u, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliXor_16u_C4R, logic<Logic::Xor, Rvl16u, rvlChannels4>);
RVL_BIND(rvliXor_16u_C4IR, InPlace2<logic<Logic::Xor, Rvl16u, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliXor_16u_AC4R, logic<Logic::Xor, Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliXor_16u_AC4IR, InPlace2<logic<Logic::Xor, Rvl16u, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliXor_32s_C1R, logic<Logic::Xor, Rvl32s, rvlChannels1>);
RVL_BIND(rvliXor_32s_C1IR, InPlace2<logic<Logic::Xor, Rvl32s, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliXor_32s_C3R, logic<Logic::Xor, Rvl32s, rvlChannels3>);
RVL_BIND(rvliXor_32s_C3IR, InPlace2<logic<Logic::Xor, Rvl32s, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliXor_32s_C4R, logic<Logic::Xor, Rvl32s, rvlChannels4>);
RVL_BIND(rvliXor_32s_C4IR, InPlace2<logic<Logic::Xor, Rvl32s, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliXor_32s_AC4R, logic<Logic::Xor, Rvl32s, rvlChannelsAC4>);
RVL_BIND(rvliXor_32s_AC4IR, InPlace2<logic<Logic::Xor, Rvl32s, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliAndC_8u_C1R, logic_c<Logic::And, Rvl8u, rvlChannels1>);
RVL_BIND(rvliAndC_8u_C1IR, InPlaceC<logic_c<Logic::And, Rvl8u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliAndC_8u_C3R, logic_c<Logic::And, Rvl8u, rvlChannels3>);
RVL_BIND(rvliAndC_8u_C3IR, InPlaceC<logic_c<Logic::And, Rvl8u, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliAndC_8u_C4R, logic_c<Logic::And, Rvl8u, rvlChannels4>);
RVL_BIND(rvliAndC_8u_C4IR, InPlaceC<logic_c<Logic::And, Rvl8u, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliAndC_8u_AC4R, logic_c<Logic::And, Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliAndC_8u_AC4IR, InPlaceC<logic_c<Logic::And, Rvl8u, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliAndC_16u_C1R, logic_c<Logic::And, Rvl16u, rvlChannels1>);
RVL_BIND(rvliAndC_16u_C1IR, InPlaceC<logic_c<Logic::And, Rvl16u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliAndC_16u_C3R, logic_c<Logic::And, Rvl16u, rvlChannels3>);
RVL_BIND(rvliAndC_16u_C3IR, InPlaceC<logic_c<Logic::And, Rvl16u, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliAndC_16u_C4R, logic_c<Logic::And, Rvl16u, rvlChannels4>);
RVL_BIND(rvliAndC_16u_C4IR, InPlaceC<logic_c<Logic::And, Rvl16u, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliAndC_16u_AC4R, logic_c<Logic::And, Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliAndC_16u_AC4IR, InPlaceC<logic_c<Logic::And, Rvl16u, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliAndC_32s_C1R, logic_c<Logic::And, Rvl32s, rvlChannels1>);
RVL_BIND(rvliAndC_32s_C1IR, InPlaceC<logic_c<Logic::And, Rvl32s, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliAndC_32s_C3R, logic_c<Logic::And, Rvl32s, rvlChannels3>);
RVL_BIND(rvliAndC_32s_C3IR, InPlaceC<logic_c<Logic::And, Rvl32s, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliAndC_32s_C4R, logic_c<Logic::And, Rvl32s, rvlChannels4>);
RVL_BIND(rvliAndC_32s_C4IR, InPlaceC<logic_c<Logic::And, Rvl32s, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliAndC_32s_AC4R, logic_c<Logic::And, Rvl32s, rvlChannelsAC4>);
RVL_BIND(rvliAndC_32s_AC4IR, InPlaceC<logic_c<Logic::And, Rvl32s, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliOrC_8u_C1R, logic_c<Logic::Or, Rvl8u, rvlChannels1>);
RVL_BIND(rvliOrC_8u_C1IR, InPlaceC<logic_c<Logic::Or, Rvl8u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliOrC_8u_C3R, logic_c<Logic::Or, Rvl8u, rvlChannels3>);
RVL_BIND(rvliOrC_8u_C3IR, InPlaceC<logic_c<Logic::Or, Rvl8u, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliOrC_8u_C4R, logic_c<Logic::Or, Rvl8u, rvlChannels4>);
RVL_BIND(rvliOrC_8u_C4IR, InPlaceC<logic_c<Logic::Or, Rvl8u, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliOrC_8u_AC4R, logic_c<Logic::Or, Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliOrC_8u_AC4IR, InPlaceC<logic_c<Logic::Or, Rvl8u, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliOrC_16u_C1R, logic_c<Logic::Or, Rvl16u, rvlChannels1>);
RVL_BIND(rvliOrC_16u_C1IR, InPlaceC<logic_c<Logic::Or, Rvl16u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliOrC_16u_C3R, logic_c<Logic::Or, Rvl16u, rvlChannels3>);
RVL_BIND(rvliOrC_16u_C3IR, InPlaceC<logic_c<Logic::Or, Rvl16u, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliOrC_16u_C4R, logic_c<Logic::Or, Rvl16u, rvlChannels4>);
RVL_BIND(rvliOrC_16u_C4IR, InPlaceC<logic_c<Logic::Or, Rvl16u, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliOrC_16u_AC4R, logic_c<Logic::Or, Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliOrC_16u_AC4IR, InPlaceC<logic_c<Logic::Or, Rvl16u, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliOrC_32s_C1R, logic_c<Logic::Or, Rvl32s, rvlChannels1>);
RVL_BIND(rvliOrC_32s_C1IR, InPlaceC<logic_c<Logic::Or, Rvl32s, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliOrC_32s_C3R, logic_c<Logic::Or, Rvl32s, rvlChannels3>);
RVL_BIND(rvliOrC_32s_C3IR, InPlaceC<logic_c<Logic::Or, Rvl32s, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliOrC_32s_C4R, logic_c<Logic::Or, Rvl32s, rvlChannels4>);
RVL_BIND(rvliOrC_32s_C4IR, InPlaceC<logic_c<Logic::Or, Rvl32s, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliOrC_32s_AC4R, logic_c<Logic::Or, Rvl32s, rvlChannelsAC4>);
RVL_BIND(rvliOrC_32s_AC4IR, InPlaceC<logic_c<Logic::Or, Rvl32s, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliXorC_8u_C1R, logic_c<Logic::Xor, Rvl8u, rvlChannels1>);
RVL_BIND(rvliXorC_8u_C1IR, InPlaceC<logic_c<Logic::Xor, Rvl8u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliXorC_8u_C3R, logic_c<Logic::Xor, Rvl8u, rvlChannels3>);
RVL_BIND(rvliXorC_8u_C3IR, InPlaceC<logic_c<Logic::Xor, Rvl8u, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliXorC_8u_C4R, logic_c<Logic::Xor, Rvl8u, rvlChannels4>);
RVL_BIND(rvliXorC_8u_C4IR, InPlaceC<logic_c<Logic::Xor, Rvl8u, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliXorC_8u_AC4R, logic_c<Logic::Xor, Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliXorC_8u_AC4IR, InPlaceC<logic_c<Logic::Xor, Rvl8u, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliXorC_16u_C1R, logic_c<Logic::Xor, Rvl16u, rvlChannels1>);
RVL_BIND(rvliXorC_16u_C1IR, InPlaceC<logic_c<Logic::Xor, Rvl16u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliXorC_16u_C3R, logic_c<Logic::Xor, Rvl16u, rvlChannels3>);
RVL_BIND(rvliXorC_16u_C3IR, InPlaceC<logic_c<Logic::Xor, Rvl16u, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliXorC_16u_C4R, logic_c<Logic::Xor, Rvl16u, rvlChannels4>);
RVL_BIND(rvliXorC_16u_C4IR, InPlaceC<logic_c<Logic::Xor, Rvl16u, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliXorC_16u_AC4R, logic_c<Logic::Xor, Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliXorC_16u_AC4IR, InPlaceC<logic_c<Logic::Xor, Rvl16u, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliXorC_32s_C1R, logic_c<Logic::Xor, Rvl32s, rvlChannels1>);
RVL_BIND(rvliXorC_32s_C1IR, InPlaceC<logic_c<Logic::Xor, Rvl32s, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliXorC_32s_C3R, logic_c<Logic::Xor, Rvl32s, rvlChannels3>);
RVL_BIND(rvliXorC_32s_C3IR, InPlaceC<logic_c<Logic::Xor, Rvl32s, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliXorC_32s_C4R, logic_c<Logic::Xor, Rvl32s, rvlChannels4>);
RVL_BIND(rvliXorC_32s_C4IR, InPlaceC<logic_c<Logic::Xor, Rvl32s, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliXorC_32s_AC4R, logic_c<Logic::Xor, Rvl32s, rvlChannelsAC4>);
RVL_BIND(rvliXorC_32s_AC4IR, InPlaceC<logic_c<Logic::Xor, Rvl32s, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliNot_8u_C1R, not_8u<rvlChannels1>);
RVL_BIND(rvliNot_8u_C1IR, InPlace<not_8u<rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliNot_8u_C3R, not_8u<rvlChannels3>);
RVL_BIND(rvliNot_8u_C3IR, InPlace<not_8u<rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliNot_8u_C4R, not_8u<rvlChannels4>);
RVL_BIND(rvliNot_8u_C4IR, InPlace<not_8u<rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliNot_8u_AC4R, not_8u<rvlChannelsAC4>);
RVL_BIND(rvliNot_8u_AC4IR, InPlace<not_8u<rvlChannelsAC4>, Checks::Twin>::call);

}  // namespace rvl
