// Absolute value: rvliAbs_<16s|32f>_<C1|C3|C4|AC4>[I]R.
#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/walk.hpp"
#include "kernels/abs.hpp"
#include "kernels/map.hpp"

namespace rvl {
namespace {

// Checks: null pointers, ROI size, steps. Every form checks its own
// arguments (none forwards), so a null pointer is reported before a bad width.
template <class T, RvlChannels L>
RvlResult abs_r(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roiSize) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst), roi_check(roiSize),
                                      step_check(srcStep, dstStep)}))
        return st;
    return map_image<L>(pSrc, srcStep, pDst, dstStep, roiSize.width, roiSize.height,
                        MapKernel<AbsOp<T>>{});
}

template <class T, RvlChannels L>
RvlResult abs_ir(T* pSrcDst, int srcDstStep, RvlSize roiSize) {
    if (RvlResult st = first_failure({null_check(pSrcDst), roi_check(roiSize),
                                      step_check(srcDstStep)}))
        return st;
    return map_image<L>(pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize.width, roiSize.height,
                        MapKernel<AbsOp<T>>{});
}

}  // namespace

RVL_BIND(rvliAbs_16s_C1R, abs_r<Rvl16s, rvlChannels1>);
RVL_BIND(rvliAbs_16s_C3R, abs_r<Rvl16s, rvlChannels3>);
RVL_BIND(rvliAbs_16s_C4R, abs_r<Rvl16s, rvlChannels4>);
RVL_BIND(rvliAbs_16s_AC4R, abs_r<Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliAbs_16s_C1IR, abs_ir<Rvl16s, rvlChannels1>);
RVL_BIND(rvliAbs_16s_C3IR, abs_ir<Rvl16s, rvlChannels3>);
RVL_BIND(rvliAbs_16s_C4IR, abs_ir<Rvl16s, rvlChannels4>);
RVL_BIND(rvliAbs_16s_AC4IR, abs_ir<Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliAbs_32f_C1R, abs_r<Rvl32f, rvlChannels1>);
RVL_BIND(rvliAbs_32f_C3R, abs_r<Rvl32f, rvlChannels3>);
RVL_BIND(rvliAbs_32f_C4R, abs_r<Rvl32f, rvlChannels4>);
RVL_BIND(rvliAbs_32f_AC4R, abs_r<Rvl32f, rvlChannelsAC4>);
RVL_BIND(rvliAbs_32f_C1IR, abs_ir<Rvl32f, rvlChannels1>);
RVL_BIND(rvliAbs_32f_C3IR, abs_ir<Rvl32f, rvlChannels3>);
RVL_BIND(rvliAbs_32f_C4IR, abs_ir<Rvl32f, rvlChannels4>);
RVL_BIND(rvliAbs_32f_AC4IR, abs_ir<Rvl32f, rvlChannelsAC4>);

}  // namespace rvl
