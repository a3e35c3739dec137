// Conversions with a scale factor: rvliConvert_<S><D>_C1RSfs and the
// in-place rvliConvert_32f32u_C1IRSfs. Each value becomes
// saturate(round(value * 2^-scaleFactor)) with the rounding of rndMode (0
// toward zero, 1 nearest even, any other value half away from zero);
// integer sources with scaleFactor <= 0 are shifted without rounding. A NaN
// gives the destination's saturated 0x80000000 (0 for unsigned types).
//
// Checks: null pointers, then the ROI size.
#include "frame/bulk.hpp"
#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "kernels/convert_sfs.hpp"

namespace rvl {
namespace {

template <Round M, class S, class D>
RvlResult run_sfs(const S* src, int srcStep, D* dst, int dstStep, RvlSize roi, int scaleFactor) {
    if constexpr (std::is_same_v<S, Rvl32f>)
        return block_image<rvlChannels1>(src, srcStep, dst, dstStep, roi, SfsFloatOp<D, M>(scaleFactor));
    else if constexpr (sizeof(S) <= 2)
        return block_image<rvlChannels1>(src, srcStep, dst, dstStep, roi, SfsSmallIntOp<S, D, M>(scaleFactor));
    else
        return block_image<rvlChannels1>(src, srcStep, dst, dstStep, roi, SfsDoubleOp<S, D, M>(scaleFactor));
}

template <class S, class D>
RvlResult run_sfs(const S* src, int srcStep, D* dst, int dstStep, RvlSize roi, RvlRoundMode rndMode, int scaleFactor) {
    return with_round(round_of(rndMode), [&](auto mode) {
        return run_sfs<decltype(mode)::value>(src, srcStep, dst, dstStep, roi, scaleFactor);
    });
}

template <class S, class D>
RvlResult convert_sfs(const S* pSrc, int srcStep, D* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode,
                      int scaleFactor) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst), roi_check(roiSize)})) return st;
    return run_sfs(pSrc, srcStep, pDst, dstStep, roiSize, rndMode, scaleFactor);
}

// In place: each element's four bytes hold a 32f value on entry and its 32u
// result on return. The kernel reads a whole block before writing it.
RvlResult convert_32f32u_in_place(Rvl32u* pSrcDst, int srcDstStep, RvlSize roiSize, RvlRoundMode rndMode,
                                  int scaleFactor) {
    if (RvlResult st = first_failure({null_check(pSrcDst), roi_check(roiSize)})) return st;
    return run_sfs(reinterpret_cast<const Rvl32f*>(pSrcDst), srcDstStep, pSrcDst, srcDstStep, roiSize, rndMode,
                   scaleFactor);
}

}  // namespace

RVL_BIND(rvliConvert_8u8s_C1RSfs, convert_sfs<Rvl8u, Rvl8s>);
RVL_BIND(rvliConvert_16s8s_C1RSfs, convert_sfs<Rvl16s, Rvl8s>);
RVL_BIND(rvliConvert_16u8s_C1RSfs, convert_sfs<Rvl16u, Rvl8s>);
RVL_BIND(rvliConvert_16u16s_C1RSfs, convert_sfs<Rvl16u, Rvl16s>);
RVL_BIND(rvliConvert_32s16s_C1RSfs, convert_sfs<Rvl32s, Rvl16s>);
RVL_BIND(rvliConvert_32s16u_C1RSfs, convert_sfs<Rvl32s, Rvl16u>);
RVL_BIND(rvliConvert_32u8u_C1RSfs, convert_sfs<Rvl32u, Rvl8u>);
RVL_BIND(rvliConvert_32u8s_C1RSfs, convert_sfs<Rvl32u, Rvl8s>);
RVL_BIND(rvliConvert_32u16u_C1RSfs, convert_sfs<Rvl32u, Rvl16u>);
RVL_BIND(rvliConvert_32u16s_C1RSfs, convert_sfs<Rvl32u, Rvl16s>);
RVL_BIND(rvliConvert_32u32s_C1RSfs, convert_sfs<Rvl32u, Rvl32s>);
RVL_BIND(rvliConvert_32f8u_C1RSfs, convert_sfs<Rvl32f, Rvl8u>);
RVL_BIND(rvliConvert_32f8s_C1RSfs, convert_sfs<Rvl32f, Rvl8s>);
RVL_BIND(rvliConvert_32f16u_C1RSfs, convert_sfs<Rvl32f, Rvl16u>);
RVL_BIND(rvliConvert_32f16s_C1RSfs, convert_sfs<Rvl32f, Rvl16s>);
RVL_BIND(rvliConvert_32f32s_C1RSfs, convert_sfs<Rvl32f, Rvl32s>);
RVL_BIND(rvliConvert_32f32u_C1RSfs, convert_sfs<Rvl32f, Rvl32u>);
RVL_BIND(rvliConvert_64f8u_C1RSfs, convert_sfs<Rvl64f, Rvl8u>);
RVL_BIND(rvliConvert_64f8s_C1RSfs, convert_sfs<Rvl64f, Rvl8s>);
RVL_BIND(rvliConvert_64f16u_C1RSfs, convert_sfs<Rvl64f, Rvl16u>);
RVL_BIND(rvliConvert_64f16s_C1RSfs, convert_sfs<Rvl64f, Rvl16s>);
RVL_BIND(rvliConvert_32f32u_C1IRSfs, convert_32f32u_in_place);

}  // namespace rvl
