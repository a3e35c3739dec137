// Range scaling: rvliScale_<S><D>_<C1|C3|C4|AC4>R.
//
// Checks: null pointers, the ROI size, both steps, then (8u32f, 32f8u) the
// range: vMax - vMin <= 0 is rvlResBadValueRange. Every path that computes in
// floating point runs with the rounding control set to nearest and restores
// the caller's on return, so results never depend on the caller's mode.
#include "frame/bulk.hpp"
#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "kernels/rounding.hpp"
#include "kernels/scale.hpp"

namespace rvl {
namespace {

// Outputs of fewer pixels than this are always written through the caches.
// Larger ones bypass the caches when they also exceed the largest cache the
// core library reports: "about a cache's worth" of output, measured on the
// machine at hand rather than assumed, so that a frame that fits a large
// cache stays there for the next operation.
constexpr std::int64_t kScaleStreamPixels = 1398101;

template <RvlChannels L, class S, class D, class Op>
RvlResult scale_image(const S* src, int srcStep, D* dst, int dstStep, RvlSize roi, const Op& op) {
    const std::int64_t pixels = std::int64_t{roi.width} * roi.height;
    const bool stream =
        pixels >= kScaleStreamPixels && stream_output(pixels * stored_channels<L> * std::int64_t{sizeof(D)});
    return block_image<L>(src, srcStep, dst, dstStep, roi, op, stream);
}

RvlResult common_checks(const void* pSrc, int srcStep, const void* pDst, int dstStep, RvlSize roiSize) {
    return first_failure({null_check(pSrc, pDst), roi_check(roiSize), step_check(srcStep, dstStep)});
}

template <class D, RvlChannels L>
RvlResult scale_from_8u(const Rvl8u* pSrc, int srcStep, D* pDst, int dstStep, RvlSize roiSize) {
    if (RvlResult st = common_checks(pSrc, srcStep, pDst, dstStep, roiSize)) return st;
    return scale_image<L>(pSrc, srcStep, pDst, dstStep, roiSize, Scale8uOp<D>{});
}

template <RvlChannels L>
RvlResult scale_8u32f(const Rvl8u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, Rvl32f vMin,
                      Rvl32f vMax) {
    if (RvlResult st = common_checks(pSrc, srcStep, pDst, dstStep, roiSize)) return st;
    RoundingScope nearest(Rc::Nearest);
    const float range = vMax - vMin;
    if (range <= 0) return rvlResBadValueRange;
    return scale_image<L>(pSrc, srcStep, pDst, dstStep, roiSize, Scale8u32fOp{range / 255.0f, vMin});
}

template <class S, RvlChannels L>
RvlResult scale_to_8u(const S* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint) {
    if (RvlResult st = common_checks(pSrc, srcStep, pDst, dstStep, roiSize)) return st;
    if (hint != rvlHintAccurate) return scale_image<L>(pSrc, srcStep, pDst, dstStep, roiSize, ScaleTo8uFastOp<S>{});
    RoundingScope nearest(Rc::Nearest);
    return scale_image<L>(pSrc, srcStep, pDst, dstStep, roiSize, ScaleTo8uAccurateOp<S>{});
}

template <RvlChannels L>
RvlResult scale_32f8u(const Rvl32f* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, Rvl32f vMin,
                      Rvl32f vMax) {
    if (RvlResult st = common_checks(pSrc, srcStep, pDst, dstStep, roiSize)) return st;
    RoundingScope nearest(Rc::Nearest);
    const float range = vMax - vMin;
    if (range <= 0) return rvlResBadValueRange;
    const float scale = 255.0f / range;
    return scale_image<L>(pSrc, srcStep, pDst, dstStep, roiSize, Scale32f8uOp{vMin, vMax, scale, -scale * vMin});
}

}  // namespace

RVL_BIND(rvliScale_8u16u_C1R, scale_from_8u<Rvl16u, rvlChannels1>);
RVL_BIND(rvliScale_8u16u_C3R, scale_from_8u<Rvl16u, rvlChannels3>);
RVL_BIND(rvliScale_8u16u_C4R, scale_from_8u<Rvl16u, rvlChannels4>);
RVL_BIND(rvliScale_8u16u_AC4R, scale_from_8u<Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliScale_8u16s_C1R, scale_from_8u<Rvl16s, rvlChannels1>);
RVL_BIND(rvliScale_8u16s_C3R, scale_from_8u<Rvl16s, rvlChannels3>);
RVL_BIND(rvliScale_8u16s_C4R, scale_from_8u<Rvl16s, rvlChannels4>);
RVL_BIND(rvliScale_8u16s_AC4R, scale_from_8u<Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliScale_8u32s_C1R, scale_from_8u<Rvl32s, rvlChannels1>);
RVL_BIND(rvliScale_8u32s_C3R, scale_from_8u<Rvl32s, rvlChannels3>);
RVL_BIND(rvliScale_8u32s_C4R, scale_from_8u<Rvl32s, rvlChannels4>);
RVL_BIND(rvliScale_8u32s_AC4R, scale_from_8u<Rvl32s, rvlChannelsAC4>);
RVL_BIND(rvliScale_8u32f_C1R, scale_8u32f<rvlChannels1>);
RVL_BIND(rvliScale_8u32f_C3R, scale_8u32f<rvlChannels3>);
RVL_BIND(rvliScale_8u32f_C4R, scale_8u32f<rvlChannels4>);
RVL_BIND(rvliScale_8u32f_AC4R, scale_8u32f<rvlChannelsAC4>);
RVL_BIND(rvliScale_16u8u_C1R, scale_to_8u<Rvl16u, rvlChannels1>);
RVL_BIND(rvliScale_16u8u_C3R, scale_to_8u<Rvl16u, rvlChannels3>);
RVL_BIND(rvliScale_16u8u_C4R, scale_to_8u<Rvl16u, rvlChannels4>);
RVL_BIND(rvliScale_16u8u_AC4R, scale_to_8u<Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliScale_16s8u_C1R, scale_to_8u<Rvl16s, rvlChannels1>);
RVL_BIND(rvliScale_16s8u_C3R, scale_to_8u<Rvl16s, rvlChannels3>);
RVL_BIND(rvliScale_16s8u_C4R, scale_to_8u<Rvl16s, rvlChannels4>);
RVL_BIND(rvliScale_16s8u_AC4R, scale_to_8u<Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliScale_32s8u_C1R, scale_to_8u<Rvl32s, rvlChannels1>);
RVL_BIND(rvliScale_32s8u_C3R, scale_to_8u<Rvl32s, rvlChannels3>);
RVL_BIND(rvliScale_32s8u_C4R, scale_to_8u<Rvl32s, rvlChannels4>);
RVL_BIND(rvliScale_32s8u_AC4R, scale_to_8u<Rvl32s, rvlChannelsAC4>);
RVL_BIND(rvliScale_32f8u_C1R, scale_32f8u<rvlChannels1>);
RVL_BIND(rvliScale_32f8u_C3R, scale_32f8u<rvlChannels3>);
RVL_BIND(rvliScale_32f8u_C4R, scale_32f8u<rvlChannels4>);
RVL_BIND(rvliScale_32f8u_AC4R, scale_32f8u<rvlChannelsAC4>);

}  // namespace rvl
