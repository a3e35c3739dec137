// Fills: rvliSet_<T>_<C1|C3|C4|AC4>[M]R and rvliSet_<T>_<C3|C4>CR.
//
// Checks: null pointers (the value array, the destination, the mask), then
// the ROI size. Steps are not checked.
#include <algorithm>

#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/fill.hpp"

namespace rvl {
namespace {

template <class T>
RvlResult set_c1(T value, T* pDst, int dstStep, RvlSize roiSize) {
    if (RvlResult st = first_failure({null_check(pDst), roi_check(roiSize)})) return st;
    const T v[1] = {value};
    return fill_rows(v, pDst, dstStep, roiSize);
}

template <class T, RvlChannels L>
RvlResult set_cn(const T* value, T* pDst, int dstStep, RvlSize roiSize) {
    if (RvlResult st = first_failure({null_check(value, pDst), roi_check(roiSize)})) return st;
    return set_image<L>(value, pDst, dstStep, roiSize);
}

// Masked: only pixels whose mask byte is non-zero are written.
template <class T, RvlChannels L>
RvlResult set_masked(const T* value, T* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep) {
    constexpr int C = stored_channels<L>;
    T v[C] = {};
    std::copy(value, value + (L == rvlChannelsAC4 ? 3 : C), v);
    const FillKernel<Store::Cached, T, C> fill(v);
    return for_rows(roiSize.height, [&](std::int64_t y) {
        T* d = row_at(pDst, dstStep, y);
        for_masked_runs(row_at(pMask, maskStep, y), std::size_t(roiSize.width), [&](std::size_t x, std::size_t n) {
            if constexpr (L == rvlChannelsAC4) {
                const T three[3] = {v[0], v[1], v[2]};
                fill_three_of_four(three, d, x, n);
            } else {
                fill(d + C * x, n * C);
            }
        });
    });
}

template <class T>
RvlResult set_c1_mr(T value, T* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep) {
    if (RvlResult st = first_failure({null_check(pDst, pMask), roi_check(roiSize)})) return st;
    return set_masked<T, rvlChannels1>(&value, pDst, dstStep, roiSize, pMask, maskStep);
}

template <class T, RvlChannels L>
RvlResult set_cn_mr(const T* value, T* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep) {
    if (RvlResult st = first_failure({null_check(value, pDst, pMask), roi_check(roiSize)})) return st;
    return set_masked<T, L>(value, pDst, dstStep, roiSize, pMask, maskStep);
}

// One channel (the one pDst addresses) of every C-channel pixel.
template <class T, int C>
RvlResult set_channel(T value, T* pDst, int dstStep, RvlSize roiSize) {
    if (RvlResult st = first_failure({null_check(pDst), roi_check(roiSize)})) return st;
    return for_rows(roiSize.height, [&](std::int64_t y) {
        T* d = row_at(pDst, dstStep, y);
        for (int x = 0; x < roiSize.width; ++x) d[C * x] = value;
    });
}

}  // namespace

RVL_BIND(rvliSet_8u_C1R, set_c1<Rvl8u>);
RVL_BIND(rvliSet_8u_C3R, set_cn<Rvl8u, rvlChannels3>);
RVL_BIND(rvliSet_8u_C4R, set_cn<Rvl8u, rvlChannels4>);
RVL_BIND(rvliSet_8u_AC4R, set_cn<Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliSet_8u_C1MR, set_c1_mr<Rvl8u>);
RVL_BIND(rvliSet_8u_C3MR, set_cn_mr<Rvl8u, rvlChannels3>);
RVL_BIND(rvliSet_8u_C4MR, set_cn_mr<Rvl8u, rvlChannels4>);
RVL_BIND(rvliSet_8u_AC4MR, set_cn_mr<Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliSet_8u_C3CR, set_channel<Rvl8u, 3>);
RVL_BIND(rvliSet_8u_C4CR, set_channel<Rvl8u, 4>);

RVL_BIND(rvliSet_16u_C1R, set_c1<Rvl16u>);
RVL_BIND(rvliSet_16u_C3R, set_cn<Rvl16u, rvlChannels3>);
RVL_BIND(rvliSet_16u_C4R, set_cn<Rvl16u, rvlChannels4>);
RVL_BIND(rvliSet_16u_AC4R, set_cn<Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliSet_16u_C1MR, set_c1_mr<Rvl16u>);
RVL_BIND(rvliSet_16u_C3MR, set_cn_mr<Rvl16u, rvlChannels3>);
RVL_BIND(rvliSet_16u_C4MR, set_cn_mr<Rvl16u, rvlChannels4>);
RVL_BIND(rvliSet_16u_AC4MR, set_cn_mr<Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliSet_16u_C3CR, set_channel<Rvl16u, 3>);
RVL_BIND(rvliSet_16u_C4CR, set_channel<Rvl16u, 4>);

RVL_BIND(rvliSet_16s_C1R, set_c1<Rvl16s>);
RVL_BIND(rvliSet_16s_C3R, set_cn<Rvl16s, rvlChannels3>);
RVL_BIND(rvliSet_16s_C4R, set_cn<Rvl16s, rvlChannels4>);
RVL_BIND(rvliSet_16s_AC4R, set_cn<Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliSet_16s_C1MR, set_c1_mr<Rvl16s>);
RVL_BIND(rvliSet_16s_C3MR, set_cn_mr<Rvl16s, rvlChannels3>);
RVL_BIND(rvliSet_16s_C4MR, set_cn_mr<Rvl16s, rvlChannels4>);
RVL_BIND(rvliSet_16s_AC4MR, set_cn_mr<Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliSet_16s_C3CR, set_channel<Rvl16s, 3>);
RVL_BIND(rvliSet_16s_C4CR, set_channel<Rvl16s, 4>);

RVL_BIND(rvliSet_32s_C1R, set_c1<Rvl32s>);
RVL_BIND(rvliSet_32s_C3R, set_cn<Rvl32s, rvlChannels3>);
RVL_BIND(rvliSet_32s_C4R, set_cn<Rvl32s, rvlChannels4>);
RVL_BIND(rvliSet_32s_AC4R, set_cn<Rvl32s, rvlChannelsAC4>);
RVL_BIND(rvliSet_32s_C1MR, set_c1_mr<Rvl32s>);
RVL_BIND(rvliSet_32s_C3MR, set_cn_mr<Rvl32s, rvlChannels3>);
RVL_BIND(rvliSet_32s_C4MR, set_cn_mr<Rvl32s, rvlChannels4>);
RVL_BIND(rvliSet_32s_AC4MR, set_cn_mr<Rvl32s, rvlChannelsAC4>);
RVL_BIND(rvliSet_32s_C3CR, set_channel<Rvl32s, 3>);
RVL_BIND(rvliSet_32s_C4CR, set_channel<Rvl32s, 4>);

RVL_BIND(rvliSet_32f_C1R, set_c1<Rvl32f>);
RVL_BIND(rvliSet_32f_C3R, set_cn<Rvl32f, rvlChannels3>);
RVL_BIND(rvliSet_32f_C4R, set_cn<Rvl32f, rvlChannels4>);
RVL_BIND(rvliSet_32f_AC4R, set_cn<Rvl32f, rvlChannelsAC4>);
RVL_BIND(rvliSet_32f_C1MR, set_c1_mr<Rvl32f>);
RVL_BIND(rvliSet_32f_C3MR, set_cn_mr<Rvl32f, rvlChannels3>);
RVL_BIND(rvliSet_32f_C4MR, set_cn_mr<Rvl32f, rvlChannels4>);
RVL_BIND(rvliSet_32f_AC4MR, set_cn_mr<Rvl32f, rvlChannelsAC4>);
RVL_BIND(rvliSet_32f_C3CR, set_channel<Rvl32f, 3>);
RVL_BIND(rvliSet_32f_C4CR, set_channel<Rvl32f, 4>);
}  // namespace rvl
