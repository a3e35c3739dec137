// Element-wise extrema of two images: rvliMinEvery_*, rvliMaxEvery_*.
// In place: srcDst = min(srcDst, src) (max likewise); C1R: dst = min(src1,
// src2). AC4 forms leave channel 3 of the destination unchanged.
//
// Checks: pointers, the size, then every step.
#include "frame/binary.hpp"
#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "kernels/lanes.hpp"

namespace rvl {
namespace {

// One block is 64 bytes (at most 64 elements, as the two-operand row loop
// asks): one to four registers of the variant's width. The comparisons keep
// the first source's element unless the second is strictly smaller (larger),
// so a NaN in the second source gives the first source's element and a NaN
// in the first gives the NaN.
template <class T, bool Max>
struct EveryOp {
    using V = vec::of<T>;
    static constexpr std::size_t kBlock = 64 / sizeof(T);
    static constexpr std::size_t kAlign = vec::kBytes;
    template <Store St>
    int block(const T* a, const T* b, T* d) const {
        for (std::size_t i = 0; i < kBlock; i += vec::lanes<T>) {
            const V x = vec::as<V>(vec::loadu(static_cast<const void*>(a + i)));
            const V y = vec::as<V>(vec::loadu(static_cast<const void*>(b + i)));
            put_vec<St>(d + i, Max ? (y > x ? y : x) : (y < x ? y : x));
        }
        return 0;
    }
};

template <bool Max, class T, RvlChannels L>
RvlResult every_in_place(const T* pSrc, int srcStep, T* pSrcDst, int srcDstStep, RvlSize roiSize) {
    if (RvlResult st = first_failure({null_check(pSrc, pSrcDst), roi_check(roiSize), step_check(srcStep, srcDstStep)}))
        return st;
    return binary_image<L>(EveryOp<T, Max>{}, pSrc, srcStep, static_cast<const T*>(pSrcDst), srcDstStep, pSrcDst,
                           srcDstStep, roiSize);
}

template <bool Max, class T>
RvlResult every(const T* pSrc1, int src1Step, const T* pSrc2, int src2Step, T* pDst, int dstStep, RvlSize roiSize) {
    if (RvlResult st = first_failure({null_check(pSrc1, pSrc2, pDst), roi_check(roiSize),
                                      step_check(src1Step, src2Step, dstStep)}))
        return st;
    return binary_image<rvlChannels1>(EveryOp<T, Max>{}, pSrc1, src1Step, pSrc2, src2Step, pDst, dstStep, roiSize);
}

}  // namespace

RVL_BIND(rvliMinEvery_8u_C1IR, every_in_place<false, Rvl8u, rvlChannels1>);
RVL_BIND(rvliMaxEvery_8u_C1IR, every_in_place<true, Rvl8u, rvlChannels1>);
RVL_BIND(rvliMinEvery_8u_C3IR, every_in_place<false, Rvl8u, rvlChannels3>);
RVL_BIND(rvliMaxEvery_8u_C3IR, every_in_place<true, Rvl8u, rvlChannels3>);
RVL_BIND(rvliMinEvery_8u_C4IR, every_in_place<false, Rvl8u, rvlChannels4>);
RVL_BIND(rvliMaxEvery_8u_C4IR, every_in_place<true, Rvl8u, rvlChannels4>);
RVL_BIND(rvliMinEvery_8u_AC4IR, every_in_place<false, Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliMaxEvery_8u_AC4IR, every_in_place<true, Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliMinEvery_8u_C1R, every<false, Rvl8u>);
RVL_BIND(rvliMaxEvery_8u_C1R, every<true, Rvl8u>);
RVL_BIND(rvliMinEvery_16u_C1IR, every_in_place<false, Rvl16u, rvlChannels1>);
RVL_BIND(rvliMaxEvery_16u_C1IR, every_in_place<true, Rvl16u, rvlChannels1>);
RVL_BIND(rvliMinEvery_16u_C3IR, every_in_place<false, Rvl16u, rvlChannels3>);
RVL_BIND(rvliMaxEvery_16u_C3IR, every_in_place<true, Rvl16u, rvlChannels3>);
RVL_BIND(rvliMinEvery_16u_C4IR, every_in_place<false, Rvl16u, rvlChannels4>);
RVL_BIND(rvliMaxEvery_16u_C4IR, every_in_place<true, Rvl16u, rvlChannels4>);
RVL_BIND(rvliMinEvery_16u_AC4IR, every_in_place<false, Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliMaxEvery_16u_AC4IR, every_in_place<true, Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliMinEvery_16u_C1R, every<false, Rvl16u>);
RVL_BIND(rvliMaxEvery_16u_C1R, every<true, Rvl16u>);
RVL_BIND(rvliMinEvery_16s_C1IR, every_in_place<false, Rvl16s, rvlChannels1>);
RVL_BIND(rvliMaxEvery_16s_C1IR, every_in_place<true, Rvl16s, rvlChannels1>);
RVL_BIND(rvliMinEvery_16s_C3IR, every_in_place<false, Rvl16s, rvlChannels3>);
RVL_BIND(rvliMaxEvery_16s_C3IR, every_in_place<true, Rvl16s, rvlChannels3>);
RVL_BIND(rvliMinEvery_16s_C4IR, every_in_place<false, Rvl16s, rvlChannels4>);
RVL_BIND(rvliMaxEvery_16s_C4IR, every_in_place<true, Rvl16s, rvlChannels4>);
RVL_BIND(rvliMinEvery_16s_AC4IR, every_in_place<false, Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliMaxEvery_16s_AC4IR, every_in_place<true, Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliMinEvery_32f_C1IR, every_in_place<false, Rvl32f, rvlChannels1>);
RVL_BIND(rvliMaxEvery_32f_C1IR, every_in_place<true, Rvl32f, rvlChannels1>);
RVL_BIND(rvliMinEvery_32f_C3IR, every_in_place<false, Rvl32f, rvlChannels3>);
RVL_BIND(rvliMaxEvery_32f_C3IR, every_in_place<true, Rvl32f, rvlChannels3>);
RVL_BIND(rvliMinEvery_32f_C4IR, every_in_place<false, Rvl32f, rvlChannels4>);
RVL_BIND(rvliMaxEvery_32f_C4IR, every_in_place<true, Rvl32f, rvlChannels4>);
RVL_BIND(rvliMinEvery_32f_AC4IR, every_in_place<false, Rvl32f, rvlChannelsAC4>);
RVL_BIND(rvliMaxEvery_32f_AC4IR, every_in_place<true, Rvl32f, rvlChannelsAC4>);
RVL_BIND(rvliMinEvery_32f_C1R, every<false, Rvl32f>);
RVL_BIND(rvliMaxEvery_32f_C1R, every<true, Rvl32f>);

}  // namespace rvl
