// Shifts by constant counts: rvliLShiftC_<T>_<L>[I]R and
// rvliRShiftC_<T>_<L>[I]R, one count per channel (Rvl32u, any value).
//
// Checks: null pointers (the count array too), then steps, then the ROI
// size; in-place forms check as their twins.
//
// Left shifts lose the bits shifted out; right shifts are logical for 8u
// and 16u and arithmetic for 16s and 32s. Counts decide the path:
//   - every count 0: the source is copied;
//   - every count at or above the element width: the destination is set to
//     0, except for signed right shifts, which give the sign fill (-1 for
//     negative elements, 0 otherwise) whatever the counts, exactly as each
//     channel shifted on its own would;
//   - equal counts: one shift for every element;
//   - otherwise every channel by its own count.
#include "frame/binary.hpp"
#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/fill.hpp"
#include "frame/forward.hpp"
#include "kernels/logic.hpp"

namespace rvl {
namespace {

template <ShiftDir Dir, class T, RvlChannels L>
RvlResult shift_c(const T* pSrc, int srcStep, Param<Rvl32u, L> value, T* pDst, int dstStep, RvlSize roiSize) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst, entries(value)), step_check(srcStep, dstStep),
                                      roi_check(roiSize)}))
        return st;
    constexpr int P = L == rvlChannelsAC4 ? 3 : static_cast<int>(L);
    constexpr bool kSignFill = Dir == ShiftR && std::is_signed_v<T>;
    const Rvl32u* counts = entries(value);
    bool equal = true, wide = true;
    for (int c = 0; c < P; ++c) {
        equal &= counts[c] == counts[0];
        wide &= counts[c] >= kBits<T>;
    }
    if (wide && !kSignFill) {
        static constexpr T kZeros[4] = {};
        return set_image<L>(kZeros, pDst, dstStep, roiSize);
    }
    if (equal && counts[0] == 0) return copy_image<L>(pSrc, srcStep, pDst, dstStep, roiSize);
    if (equal || wide) {
        const ShiftOp<Dir, T> op{int(std::min<Rvl32u>(counts[0], kBits<T> - 1))};
        return unary_image<L>(op, pSrc, srcStep, pDst, dstStep, roiSize);
    }
    static constexpr T kChannel[4] = {0, 1, 2, 3};
    return constant_image<L>(ChannelShiftOp<Dir, T, P>(counts), kChannel, pSrc, srcStep, pDst, dstStep, roiSize);
}

}  // namespace

RVL_BIND(rvliLShiftC_8u_C1R, shift_c<ShiftL, Rvl8u, rvlChannels1>);
RVL_BIND(rvliLShiftC_8u_C1IR, InPlaceC<shift_c<ShiftL, Rvl8u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliLShiftC_8u_C3R, shift_c<ShiftL, Rvl8u, rvlChannels3>);
RVL_BIND(rvliLShiftC_8u_C3IR, InPlaceC<shift_c<ShiftL, Rvl8u, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliLShiftC_8u_C4R, shift_c<ShiftL, Rvl8u, rvlChannels4>);
RVL_BIND(rvliLShiftC_8u_C4IR, InPlaceC<shift_c<ShiftL, Rvl8u, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliLShiftC_8u_AC4R, shift_c<ShiftL, Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliLShiftC_8u_AC4IR, InPlaceC<shift_c<ShiftL, Rvl8u, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliLShiftC_16u_C1R, shift_c<ShiftL, Rvl16u, rvlChannels1>);
RVL_BIND(rvliLShiftC_16u_C1IR, InPlaceC<shift_c<ShiftL, Rvl16u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliLShiftC_16u_C3R, shift_c<ShiftL, Rvl16u, rvlChannels3>);
RVL_BIND(rvliLShiftC_16u_C3IR, InPlaceC<shift_c<ShiftL, Rvl16u, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliLShiftC_16u_C4R, shift_c<ShiftL, Rvl16u, rvlChannels4>);
RVL_BIND(rvliLShiftC_16u_C4IR, InPlaceC<shift_c<ShiftL, Rvl16u, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliLShiftC_16u_AC4R, shift_c<ShiftL, Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliLShiftC_16u_AC4IR, InPlaceC<shift_c<ShiftL, Rvl16u, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliLShiftC_32s_C1R, shift_c<ShiftL, Rvl32s, rvlChannels1>);
RVL_BIND(rvliLShiftC_32s_C1IR, InPlaceC<shift_c<ShiftL, Rvl32s, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliLShiftC_32s_C3R, shift_c<ShiftL, Rvl32s, rvlChannels3>);
RVL_BIND(rvliLShiftC_32s_C3IR, InPlaceC<shift_c<ShiftL, Rvl32s, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliLShiftC_32s_C4R, shift_c<ShiftL, Rvl32s, rvlChannels4>);
RVL_BIND(rvliLShiftC_32s_C4IR, InPlaceC<shift_c<ShiftL, Rvl32s, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliLShiftC_32s_AC4R, shift_c<ShiftL, Rvl32s, rvlChannelsAC4>);
RVL_BIND(rvliLShiftC_32s_AC4IR, InPlaceC<shift_c<ShiftL, Rvl32s, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliRShiftC_8u_C1R, shift_c<ShiftR, Rvl8u, rvlChannels1>);
RVL_BIND(rvliRShiftC_8u_C1IR, InPlaceC<shift_c<ShiftR, Rvl8u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliRShiftC_8u_C3R, shift_c<ShiftR, Rvl8u, rvlChannels3>);
RVL_BIND(rvliRShiftC_8u_C3IR, InPlaceC<shift_c<ShiftR, Rvl8u, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliRShiftC_8u_C4R, shift_c<ShiftR, Rvl8u, rvlChannels4>);
RVL_BIND(rvliRShiftC_8u_C4IR, InPlaceC<shift_c<ShiftR, Rvl8u, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliRShiftC_8u_AC4R, shift_c<ShiftR, Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliRShiftC_8u_AC4IR, InPlaceC<shift_c<ShiftR, Rvl8u, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliRShiftC_16u_C1R, shift_c<ShiftR, Rvl16u, rvlChannels1>);
RVL_BIND(rvliRShiftC_16u_C1IR, InPlaceC<shift_c<ShiftR, Rvl16u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliRShiftC_16u_C3R, shift_c<ShiftR, Rvl16u, rvlChannels3>);
RVL_BIND(rvliRShiftC_16u_C3IR, InPlaceC<shift_c<ShiftR, Rvl16u, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliRShiftC_16u_C4R, shift_c<ShiftR, Rvl16u, rvlChannels4>);
RVL_BIND(rvliRShiftC_16u_C4IR, InPlaceC<shift_c<ShiftR, Rvl16u, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliRShiftC_16u_AC4R, shift_c<ShiftR, Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliRShiftC_16u_AC4IR, InPlaceC<shift_c<ShiftR, Rvl16u, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliRShiftC_16s_C1R, shift_c<ShiftR, Rvl16s, rvlChannels1>);
RVL_BIND(rvliRShiftC_16s_C1IR, InPlaceC<shift_c<ShiftR, Rvl16s, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliRShiftC_16s_C3R, shift_c<ShiftR, Rvl16s, rvlChannels3>);
RVL_BIND(rvliRShiftC_16s_C3IR, InPlaceC<shift_c<ShiftR, Rvl16s, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliRShiftC_16s_C4R, shift_c<ShiftR, Rvl16s, rvlChannels4>);
RVL_BIND(rvliRShiftC_16s_C4IR, InPlaceC<shift_c<ShiftR, Rvl16s, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliRShiftC_16s_AC4R, shift_c<ShiftR, Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliRShiftC_16s_AC4IR, InPlaceC<shift_c<ShiftR, Rvl16s, rvlChannelsAC4>, Checks::Twin>::call);

RVL_BIND(rvliRShiftC_32s_C1R, shift_c<ShiftR, Rvl32s, rvlChannels1>);
RVL_BIND(rvliRShiftC_32s_C1IR, InPlaceC<shift_c<ShiftR, Rvl32s, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliRShiftC_32s_C3R, shift_c<ShiftR, Rvl32s, rvlChannels3>);
RVL_BIND(rvliRShiftC_32s_C3IR, InPlaceC<shift_c<ShiftR, Rvl32s, rvlChannels3>, Checks::Twin>::call);
RVL_BIND(rvliRShiftC_32s_C4R, shift_c<ShiftR, Rvl32s, rvlChannels4>);
RVL_BIND(rvliRShiftC_32s_C4IR, InPlaceC<shift_c<ShiftR, Rvl32s, rvlChannels4>, Checks::Twin>::call);
RVL_BIND(rvliRShiftC_32s_AC4R, shift_c<ShiftR, Rvl32s, rvlChannelsAC4>);
RVL_BIND(rvliRShiftC_32s_AC4IR, InPlaceC<shift_c<ShiftR, Rvl32s, rvlChannelsAC4>, Checks::Twin>::call);

}  // namespace rvl
