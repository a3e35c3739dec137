// Fixed thresholds: rvliThreshold[_GT|_LT|_Val|_GTVal|_LTVal|_LTValGTVal]_<T>_<L>[I]R.
//
// Forwarding, which decides the check orders: GT/LT of C3 and AC4 forward to
// Threshold with cmpOp 4 or 0; GTVal/LTVal of C3 and AC4 forward to
// Threshold_Val; every in-place member forwards to its not-in-place twin.
// Forwarding members check the width first.
#include <type_traits>

#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/forward.hpp"
#include "frame/streaming.hpp"
#include "frame/walk.hpp"
#include "kernels/threshold.hpp"

namespace rvl {
namespace {

constexpr int processed_channels(RvlChannels l) { return l == rvlChannelsAC4 ? 3 : static_cast<int>(l); }

template <Thr K, class T, RvlChannels L>
RvlResult run(const T* src, int srcStep, T* dst, int dstStep, RvlSize roi, const T* t1, const T* v1 = nullptr,
              const T* t2 = nullptr, const T* v2 = nullptr) {
    constexpr int C = stored_channels<L>;
    auto fill = [](T (&to)[C], const T* from) {
        for (int c = 0; c < C; ++c) to[c] = (from && c < processed_channels(L)) ? from[c] : T(0);
    };
    auto go = [&](auto kernel) {
        fill(kernel.t1, t1), fill(kernel.v1, v1), fill(kernel.t2, t2), fill(kernel.v2, v2);
        return map_image<L>(src, srcStep, dst, dstStep, roi.width, roi.height, kernel);
    };
    const std::int64_t bytes = std::int64_t{roi.width} * roi.height * C * std::int64_t{sizeof(T)};
    if (L != rvlChannelsAC4 && stream_output(bytes)) return go(ThresholdKernel<K, Store::NonTemporal, T, C>{});
    return go(ThresholdKernel<K, Store::Cached, T, C>{});
}

RvlResult images_check(const void* pSrc, int srcStep, const void* pDst, int dstStep, RvlSize roiSize) {
    return first_failure({null_check(pSrc, pDst), roi_check(roiSize), step_check(srcStep, dstStep)});
}

bool valid_cmp(RvlCmpOp cmpOp) { return cmpOp == rvlCompareLess || cmpOp == rvlCompareGreater; }

// Threshold: images, size, steps, the threshold array, then cmpOp.
template <class T, RvlChannels L>
RvlResult threshold_cmp(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roiSize, Param<T, L> threshold,
                        RvlCmpOp cmpOp) {
    if (RvlResult st = images_check(pSrc, srcStep, pDst, dstStep, roiSize)) return st;
    if constexpr (L != rvlChannels1)
        if (threshold == nullptr) return rvlResNullPointer;
    if (!valid_cmp(cmpOp)) return rvlResUnsupportedMode;
    if (cmpOp == rvlCompareGreater) return run<Thr::GT, T, L>(pSrc, srcStep, pDst, dstStep, roiSize, entries(threshold));
    return run<Thr::LT, T, L>(pSrc, srcStep, pDst, dstStep, roiSize, entries(threshold));
}

// GT, LT: C1 checks its own arguments; C3 and AC4 forward.
template <Thr K, class T, RvlChannels L>
RvlResult threshold_clamp(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roiSize, Param<T, L> threshold) {
    if constexpr (L == rvlChannels1) {
        if (RvlResult st = images_check(pSrc, srcStep, pDst, dstStep, roiSize)) return st;
        return run<K, T, L>(pSrc, srcStep, pDst, dstStep, roiSize, entries(threshold));
    } else {
        // Same layout, same width: the forward adds no check of its own.
        return threshold_cmp<T, L>(pSrc, srcStep, pDst, dstStep, roiSize, threshold,
                                   K == Thr::GT ? rvlCompareGreater : rvlCompareLess);
    }
}

// Threshold_Val: cmpOp before anything else, then every pointer, size, steps.
template <class T, RvlChannels L>
RvlResult threshold_val(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roiSize, Param<T, L> threshold,
                        Param<T, L> value, RvlCmpOp cmpOp) {
    if (!valid_cmp(cmpOp)) return rvlResUnsupportedMode;
    if constexpr (L != rvlChannels1)
        if (RvlResult st = null_check(pSrc, pDst, threshold, value)) return st;
    if (RvlResult st = images_check(pSrc, srcStep, pDst, dstStep, roiSize)) return st;
    if (cmpOp == rvlCompareGreater)
        return run<Thr::GTVal, T, L>(pSrc, srcStep, pDst, dstStep, roiSize, entries(threshold), entries(value));
    return run<Thr::LTVal, T, L>(pSrc, srcStep, pDst, dstStep, roiSize, entries(threshold), entries(value));
}

// GTVal, LTVal: C1 and C4 check their own arguments; C3 and AC4 forward.
template <Thr K, class T, RvlChannels L>
RvlResult threshold_replace(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roiSize, Param<T, L> threshold,
                            Param<T, L> value) {
    if constexpr (L == rvlChannels1 || L == rvlChannels4) {
        if constexpr (L == rvlChannels4)
            if (RvlResult st = null_check(pSrc, pDst, threshold, value)) return st;
        if (RvlResult st = images_check(pSrc, srcStep, pDst, dstStep, roiSize)) return st;
        return run<K, T, L>(pSrc, srcStep, pDst, dstStep, roiSize, entries(threshold), entries(value));
    } else {
        // Same layout, same width: the forward adds no check of its own.
        return threshold_val<T, L>(pSrc, srcStep, pDst, dstStep, roiSize, threshold, value,
                                   K == Thr::GTVal ? rvlCompareGreater : rvlCompareLess);
    }
}

// LTValGTVal: every pointer, size, steps, then thresholdGT < thresholdLT in
// any channel.
template <class T, RvlChannels L>
RvlResult threshold_two(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roiSize, Param<T, L> thresholdLT,
                        Param<T, L> valueLT, Param<T, L> thresholdGT, Param<T, L> valueGT) {
    if constexpr (L != rvlChannels1)
        if (RvlResult st = null_check(pSrc, pDst, thresholdLT, valueLT, thresholdGT, valueGT)) return st;
    if (RvlResult st = images_check(pSrc, srcStep, pDst, dstStep, roiSize)) return st;
    const T* lo = entries(thresholdLT);
    const T* hi = entries(thresholdGT);
    for (int c = 0; c < processed_channels(L); ++c)
        if (hi[c] < lo[c]) return rvlResBadThresholds;
    return run<Thr::LTValGTVal, T, L>(pSrc, srcStep, pDst, dstStep, roiSize, lo, entries(valueLT), hi,
                                      entries(valueGT));
}

}  // namespace

RVL_BIND(rvliThreshold_8u_C1R, threshold_cmp<Rvl8u, rvlChannels1>);
RVL_BIND(rvliThreshold_8u_C1IR, InPlace<threshold_cmp<Rvl8u, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_8u_C3R, threshold_cmp<Rvl8u, rvlChannels3>);
RVL_BIND(rvliThreshold_8u_C3IR, InPlace<threshold_cmp<Rvl8u, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_8u_AC4R, threshold_cmp<Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_8u_AC4IR, InPlace<threshold_cmp<Rvl8u, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_GT_8u_C1R, threshold_clamp<Thr::GT, Rvl8u, rvlChannels1>);
RVL_BIND(rvliThreshold_GT_8u_C1IR, InPlace<threshold_clamp<Thr::GT, Rvl8u, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_LT_8u_C1R, threshold_clamp<Thr::LT, Rvl8u, rvlChannels1>);
RVL_BIND(rvliThreshold_LT_8u_C1IR, InPlace<threshold_clamp<Thr::LT, Rvl8u, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_GT_8u_C3R, threshold_clamp<Thr::GT, Rvl8u, rvlChannels3>);
RVL_BIND(rvliThreshold_GT_8u_C3IR, InPlace<threshold_clamp<Thr::GT, Rvl8u, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_LT_8u_C3R, threshold_clamp<Thr::LT, Rvl8u, rvlChannels3>);
RVL_BIND(rvliThreshold_LT_8u_C3IR, InPlace<threshold_clamp<Thr::LT, Rvl8u, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_GT_8u_AC4R, threshold_clamp<Thr::GT, Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_GT_8u_AC4IR, InPlace<threshold_clamp<Thr::GT, Rvl8u, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_LT_8u_AC4R, threshold_clamp<Thr::LT, Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_LT_8u_AC4IR, InPlace<threshold_clamp<Thr::LT, Rvl8u, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_Val_8u_C1R, threshold_val<Rvl8u, rvlChannels1>);
RVL_BIND(rvliThreshold_Val_8u_C1IR, InPlace<threshold_val<Rvl8u, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_Val_8u_C3R, threshold_val<Rvl8u, rvlChannels3>);
RVL_BIND(rvliThreshold_Val_8u_C3IR, InPlace<threshold_val<Rvl8u, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_Val_8u_AC4R, threshold_val<Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_Val_8u_AC4IR, InPlace<threshold_val<Rvl8u, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_GTVal_8u_C1R, threshold_replace<Thr::GTVal, Rvl8u, rvlChannels1>);
RVL_BIND(rvliThreshold_GTVal_8u_C1IR, InPlace<threshold_replace<Thr::GTVal, Rvl8u, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_LTVal_8u_C1R, threshold_replace<Thr::LTVal, Rvl8u, rvlChannels1>);
RVL_BIND(rvliThreshold_LTVal_8u_C1IR, InPlace<threshold_replace<Thr::LTVal, Rvl8u, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_GTVal_8u_C3R, threshold_replace<Thr::GTVal, Rvl8u, rvlChannels3>);
RVL_BIND(rvliThreshold_GTVal_8u_C3IR, InPlace<threshold_replace<Thr::GTVal, Rvl8u, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_LTVal_8u_C3R, threshold_replace<Thr::LTVal, Rvl8u, rvlChannels3>);
RVL_BIND(rvliThreshold_LTVal_8u_C3IR, InPlace<threshold_replace<Thr::LTVal, Rvl8u, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_GTVal_8u_C4R, threshold_replace<Thr::GTVal, Rvl8u, rvlChannels4>);
RVL_BIND(rvliThreshold_GTVal_8u_C4IR, InPlace<threshold_replace<Thr::GTVal, Rvl8u, rvlChannels4>>::call);
RVL_BIND(rvliThreshold_LTVal_8u_C4R, threshold_replace<Thr::LTVal, Rvl8u, rvlChannels4>);
RVL_BIND(rvliThreshold_LTVal_8u_C4IR, InPlace<threshold_replace<Thr::LTVal, Rvl8u, rvlChannels4>>::call);
RVL_BIND(rvliThreshold_GTVal_8u_AC4R, threshold_replace<Thr::GTVal, Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_GTVal_8u_AC4IR, InPlace<threshold_replace<Thr::GTVal, Rvl8u, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_LTVal_8u_AC4R, threshold_replace<Thr::LTVal, Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_LTVal_8u_AC4IR, InPlace<threshold_replace<Thr::LTVal, Rvl8u, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_LTValGTVal_8u_C1R, threshold_two<Rvl8u, rvlChannels1>);
RVL_BIND(rvliThreshold_LTValGTVal_8u_C1IR, InPlace<threshold_two<Rvl8u, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_LTValGTVal_8u_C3R, threshold_two<Rvl8u, rvlChannels3>);
RVL_BIND(rvliThreshold_LTValGTVal_8u_C3IR, InPlace<threshold_two<Rvl8u, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_LTValGTVal_8u_AC4R, threshold_two<Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_LTValGTVal_8u_AC4IR, InPlace<threshold_two<Rvl8u, rvlChannelsAC4>>::call);

RVL_BIND(rvliThreshold_16u_C1R, threshold_cmp<Rvl16u, rvlChannels1>);
RVL_BIND(rvliThreshold_16u_C1IR, InPlace<threshold_cmp<Rvl16u, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_16u_C3R, threshold_cmp<Rvl16u, rvlChannels3>);
RVL_BIND(rvliThreshold_16u_C3IR, InPlace<threshold_cmp<Rvl16u, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_16u_AC4R, threshold_cmp<Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_16u_AC4IR, InPlace<threshold_cmp<Rvl16u, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_GT_16u_C1R, threshold_clamp<Thr::GT, Rvl16u, rvlChannels1>);
RVL_BIND(rvliThreshold_GT_16u_C1IR, InPlace<threshold_clamp<Thr::GT, Rvl16u, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_LT_16u_C1R, threshold_clamp<Thr::LT, Rvl16u, rvlChannels1>);
RVL_BIND(rvliThreshold_LT_16u_C1IR, InPlace<threshold_clamp<Thr::LT, Rvl16u, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_GT_16u_C3R, threshold_clamp<Thr::GT, Rvl16u, rvlChannels3>);
RVL_BIND(rvliThreshold_GT_16u_C3IR, InPlace<threshold_clamp<Thr::GT, Rvl16u, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_LT_16u_C3R, threshold_clamp<Thr::LT, Rvl16u, rvlChannels3>);
RVL_BIND(rvliThreshold_LT_16u_C3IR, InPlace<threshold_clamp<Thr::LT, Rvl16u, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_GT_16u_AC4R, threshold_clamp<Thr::GT, Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_GT_16u_AC4IR, InPlace<threshold_clamp<Thr::GT, Rvl16u, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_LT_16u_AC4R, threshold_clamp<Thr::LT, Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_LT_16u_AC4IR, InPlace<threshold_clamp<Thr::LT, Rvl16u, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_Val_16u_C1R, threshold_val<Rvl16u, rvlChannels1>);
RVL_BIND(rvliThreshold_Val_16u_C1IR, InPlace<threshold_val<Rvl16u, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_Val_16u_C3R, threshold_val<Rvl16u, rvlChannels3>);
RVL_BIND(rvliThreshold_Val_16u_C3IR, InPlace<threshold_val<Rvl16u, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_Val_16u_AC4R, threshold_val<Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_Val_16u_AC4IR, InPlace<threshold_val<Rvl16u, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_GTVal_16u_C1R, threshold_replace<Thr::GTVal, Rvl16u, rvlChannels1>);
RVL_BIND(rvliThreshold_GTVal_16u_C1IR, InPlace<threshold_replace<Thr::GTVal, Rvl16u, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_LTVal_16u_C1R, threshold_replace<Thr::LTVal, Rvl16u, rvlChannels1>);
RVL_BIND(rvliThreshold_LTVal_16u_C1IR, InPlace<threshold_replace<Thr::LTVal, Rvl16u, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_GTVal_16u_C3R, threshold_replace<Thr::GTVal, Rvl16u, rvlChannels3>);
RVL_BIND(rvliThreshold_GTVal_16u_C3IR, InPlace<threshold_replace<Thr::GTVal, Rvl16u, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_LTVal_16u_C3R, threshold_replace<Thr::LTVal, Rvl16u, rvlChannels3>);
RVL_BIND(rvliThreshold_LTVal_16u_C3IR, InPlace<threshold_replace<Thr::LTVal, Rvl16u, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_GTVal_16u_C4R, threshold_replace<Thr::GTVal, Rvl16u, rvlChannels4>);
RVL_BIND(rvliThreshold_GTVal_16u_C4IR, InPlace<threshold_replace<Thr::GTVal, Rvl16u, rvlChannels4>>::call);
RVL_BIND(rvliThreshold_LTVal_16u_C4R, threshold_replace<Thr::LTVal, Rvl16u, rvlChannels4>);
RVL_BIND(rvliThreshold_LTVal_16u_C4IR, InPlace<threshold_replace<Thr::LTVal, Rvl16u, rvlChannels4>>::call);
RVL_BIND(rvliThreshold_GTVal_16u_AC4R, threshold_replace<Thr::GTVal, Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_GTVal_16u_AC4IR, InPlace<threshold_replace<Thr::GTVal, Rvl16u, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_LTVal_16u_AC4R, threshold_replace<Thr::LTVal, Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_LTVal_16u_AC4IR, InPlace<threshold_replace<Thr::LTVal, Rvl16u, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_LTValGTVal_16u_C1R, threshold_two<Rvl16u, rvlChannels1>);
RVL_BIND(rvliThreshold_LTValGTVal_16u_C1IR, InPlace<threshold_two<Rvl16u, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_LTValGTVal_16u_C3R, threshold_two<Rvl16u, rvlChannels3>);
RVL_BIND(rvliThreshold_LTValGTVal_16u_C3IR, InPlace<threshold_two<Rvl16u, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_LTValGTVal_16u_AC4R, threshold_two<Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_LTValGTVal_16u_AC4IR, InPlace<threshold_two<Rvl16u, rvlChannelsAC4>>::call);

RVL_BIND(rvliThreshold_16s_C1R, threshold_cmp<Rvl16s, rvlChannels1>);
RVL_BIND(rvliThreshold_16s_C1IR, InPlace<threshold_cmp<Rvl16s, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_16s_C3R, threshold_cmp<Rvl16s, rvlChannels3>);
RVL_BIND(rvliThreshold_16s_C3IR, InPlace<threshold_cmp<Rvl16s, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_16s_AC4R, threshold_cmp<Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_16s_AC4IR, InPlace<threshold_cmp<Rvl16s, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_GT_16s_C1R, threshold_clamp<Thr::GT, Rvl16s, rvlChannels1>);
RVL_BIND(rvliThreshold_GT_16s_C1IR, InPlace<threshold_clamp<Thr::GT, Rvl16s, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_LT_16s_C1R, threshold_clamp<Thr::LT, Rvl16s, rvlChannels1>);
RVL_BIND(rvliThreshold_LT_16s_C1IR, InPlace<threshold_clamp<Thr::LT, Rvl16s, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_GT_16s_C3R, threshold_clamp<Thr::GT, Rvl16s, rvlChannels3>);
RVL_BIND(rvliThreshold_GT_16s_C3IR, InPlace<threshold_clamp<Thr::GT, Rvl16s, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_LT_16s_C3R, threshold_clamp<Thr::LT, Rvl16s, rvlChannels3>);
RVL_BIND(rvliThreshold_LT_16s_C3IR, InPlace<threshold_clamp<Thr::LT, Rvl16s, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_GT_16s_AC4R, threshold_clamp<Thr::GT, Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_GT_16s_AC4IR, InPlace<threshold_clamp<Thr::GT, Rvl16s, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_LT_16s_AC4R, threshold_clamp<Thr::LT, Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_LT_16s_AC4IR, InPlace<threshold_clamp<Thr::LT, Rvl16s, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_Val_16s_C1R, threshold_val<Rvl16s, rvlChannels1>);
RVL_BIND(rvliThreshold_Val_16s_C1IR, InPlace<threshold_val<Rvl16s, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_Val_16s_C3R, threshold_val<Rvl16s, rvlChannels3>);
RVL_BIND(rvliThreshold_Val_16s_C3IR, InPlace<threshold_val<Rvl16s, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_Val_16s_AC4R, threshold_val<Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_Val_16s_AC4IR, InPlace<threshold_val<Rvl16s, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_GTVal_16s_C1R, threshold_replace<Thr::GTVal, Rvl16s, rvlChannels1>);
RVL_BIND(rvliThreshold_GTVal_16s_C1IR, InPlace<threshold_replace<Thr::GTVal, Rvl16s, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_LTVal_16s_C1R, threshold_replace<Thr::LTVal, Rvl16s, rvlChannels1>);
RVL_BIND(rvliThreshold_LTVal_16s_C1IR, InPlace<threshold_replace<Thr::LTVal, Rvl16s, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_GTVal_16s_C3R, threshold_replace<Thr::GTVal, Rvl16s, rvlChannels3>);
RVL_BIND(rvliThreshold_GTVal_16s_C3IR, InPlace<threshold_replace<Thr::GTVal, Rvl16s, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_LTVal_16s_C3R, threshold_replace<Thr::LTVal, Rvl16s, rvlChannels3>);
RVL_BIND(rvliThreshold_LTVal_16s_C3IR, InPlace<threshold_replace<Thr::LTVal, Rvl16s, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_GTVal_16s_C4R, threshold_replace<Thr::GTVal, Rvl16s, rvlChannels4>);
RVL_BIND(rvliThreshold_GTVal_16s_C4IR, InPlace<threshold_replace<Thr::GTVal, Rvl16s, rvlChannels4>>::call);
RVL_BIND(rvliThreshold_LTVal_16s_C4R, threshold_replace<Thr::LTVal, Rvl16s, rvlChannels4>);
RVL_BIND(rvliThreshold_LTVal_16s_C4IR, InPlace<threshold_replace<Thr::LTVal, Rvl16s, rvlChannels4>>::call);
RVL_BIND(rvliThreshold_GTVal_16s_AC4R, threshold_replace<Thr::GTVal, Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_GTVal_16s_AC4IR, InPlace<threshold_replace<Thr::GTVal, Rvl16s, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_LTVal_16s_AC4R, threshold_replace<Thr::LTVal, Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_LTVal_16s_AC4IR, InPlace<threshold_replace<Thr::LTVal, Rvl16s, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_LTValGTVal_16s_C1R, threshold_two<Rvl16s, rvlChannels1>);
RVL_BIND(rvliThreshold_LTValGTVal_16s_C1IR, InPlace<threshold_two<Rvl16s, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_LTValGTVal_16s_C3R, threshold_two<Rvl16s, rvlChannels3>);
RVL_BIND(rvliThreshold_LTValGTVal_16s_C3IR, InPlace<threshold_two<Rvl16s, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_LTValGTVal_16s_AC4R, threshold_two<Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_LTValGTVal_16s_AC4IR, InPlace<threshold_two<Rvl16s, rvlChannelsAC4>>::call);

RVL_BIND(rvliThreshold_32f_C1R, threshold_cmp<Rvl32f, rvlChannels1>);
RVL_BIND(rvliThreshold_32f_C1IR, InPlace<threshold_cmp<Rvl32f, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_32f_C3R, threshold_cmp<Rvl32f, rvlChannels3>);
RVL_BIND(rvliThreshold_32f_C3IR, InPlace<threshold_cmp<Rvl32f, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_32f_AC4R, threshold_cmp<Rvl32f, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_32f_AC4IR, InPlace<threshold_cmp<Rvl32f, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_GT_32f_C1R, threshold_clamp<Thr::GT, Rvl32f, rvlChannels1>);
RVL_BIND(rvliThreshold_GT_32f_C1IR, InPlace<threshold_clamp<Thr::GT, Rvl32f, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_LT_32f_C1R, threshold_clamp<Thr::LT, Rvl32f, rvlChannels1>);
RVL_BIND(rvliThreshold_LT_32f_C1IR, InPlace<threshold_clamp<Thr::LT, Rvl32f, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_GT_32f_C3R, threshold_clamp<Thr::GT, Rvl32f, rvlChannels3>);
RVL_BIND(rvliThreshold_GT_32f_C3IR, InPlace<threshold_clamp<Thr::GT, Rvl32f, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_LT_32f_C3R, threshold_clamp<Thr::LT, Rvl32f, rvlChannels3>);
RVL_BIND(rvliThreshold_LT_32f_C3IR, InPlace<threshold_clamp<Thr::LT, Rvl32f, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_GT_32f_AC4R, threshold_clamp<Thr::GT, Rvl32f, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_GT_32f_AC4IR, InPlace<threshold_clamp<Thr::GT, Rvl32f, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_LT_32f_AC4R, threshold_clamp<Thr::LT, Rvl32f, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_LT_32f_AC4IR, InPlace<threshold_clamp<Thr::LT, Rvl32f, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_Val_32f_C1R, threshold_val<Rvl32f, rvlChannels1>);
RVL_BIND(rvliThreshold_Val_32f_C1IR, InPlace<threshold_val<Rvl32f, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_Val_32f_C3R, threshold_val<Rvl32f, rvlChannels3>);
RVL_BIND(rvliThreshold_Val_32f_C3IR, InPlace<threshold_val<Rvl32f, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_Val_32f_AC4R, threshold_val<Rvl32f, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_Val_32f_AC4IR, InPlace<threshold_val<Rvl32f, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_GTVal_32f_C1R, threshold_replace<Thr::GTVal, Rvl32f, rvlChannels1>);
RVL_BIND(rvliThreshold_GTVal_32f_C1IR, InPlace<threshold_replace<Thr::GTVal, Rvl32f, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_LTVal_32f_C1R, threshold_replace<Thr::LTVal, Rvl32f, rvlChannels1>);
RVL_BIND(rvliThreshold_LTVal_32f_C1IR, InPlace<threshold_replace<Thr::LTVal, Rvl32f, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_GTVal_32f_C3R, threshold_replace<Thr::GTVal, Rvl32f, rvlChannels3>);
RVL_BIND(rvliThreshold_GTVal_32f_C3IR, InPlace<threshold_replace<Thr::GTVal, Rvl32f, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_LTVal_32f_C3R, threshold_replace<Thr::LTVal, Rvl32f, rvlChannels3>);
RVL_BIND(rvliThreshold_LTVal_32f_C3IR, InPlace<threshold_replace<Thr::LTVal, Rvl32f, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_GTVal_32f_C4R, threshold_replace<Thr::GTVal, Rvl32f, rvlChannels4>);
RVL_BIND(rvliThreshold_GTVal_32f_C4IR, InPlace<threshold_replace<Thr::GTVal, Rvl32f, rvlChannels4>>::call);
RVL_BIND(rvliThreshold_LTVal_32f_C4R, threshold_replace<Thr::LTVal, Rvl32f, rvlChannels4>);
RVL_BIND(rvliThreshold_LTVal_32f_C4IR, InPlace<threshold_replace<Thr::LTVal, Rvl32f, rvlChannels4>>::call);
RVL_BIND(rvliThreshold_GTVal_32f_AC4R, threshold_replace<Thr::GTVal, Rvl32f, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_GTVal_32f_AC4IR, InPlace<threshold_replace<Thr::GTVal, Rvl32f, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_LTVal_32f_AC4R, threshold_replace<Thr::LTVal, Rvl32f, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_LTVal_32f_AC4IR, InPlace<threshold_replace<Thr::LTVal, Rvl32f, rvlChannelsAC4>>::call);
RVL_BIND(rvliThreshold_LTValGTVal_32f_C1R, threshold_two<Rvl32f, rvlChannels1>);
RVL_BIND(rvliThreshold_LTValGTVal_32f_C1IR, InPlace<threshold_two<Rvl32f, rvlChannels1>>::call);
RVL_BIND(rvliThreshold_LTValGTVal_32f_C3R, threshold_two<Rvl32f, rvlChannels3>);
RVL_BIND(rvliThreshold_LTValGTVal_32f_C3IR, InPlace<threshold_two<Rvl32f, rvlChannels3>>::call);
RVL_BIND(rvliThreshold_LTValGTVal_32f_AC4R, threshold_two<Rvl32f, rvlChannelsAC4>);
RVL_BIND(rvliThreshold_LTValGTVal_32f_AC4IR, InPlace<threshold_two<Rvl32f, rvlChannelsAC4>>::call);
}  // namespace rvl
