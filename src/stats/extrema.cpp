// Extrema: rvliMin_*, rvliMax_*, rvliMinMax_*, rvliMinIndx_*, rvliMaxIndx_*,
// rvliBlockMinMax_*.
//
// Values are compared in the element type (32f in single precision). Index
// forms report the first occurrence in row-major order: the first row whose
// row extremum equals the overall one, then the first column of that row
// holding it; multi-channel forms do this per channel. AC4 forms look at
// channels 0-2 only. NaN elements of 32f images are compared as the vector
// minimum and maximum instructions compare them.
//
// Checks: source and result pointers, then the size; steps are not examined.
#include <algorithm>
#include <limits>

#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/walk.hpp"
#include "kernels/reduce.hpp"

namespace rvl {
namespace {

template <class T>
T scalar_min(T a, T b) { return b < a ? b : a; }
template <class T>
T scalar_max(T a, T b) { return b > a ? b : a; }

// Updates mins[c] and maxs[c] (c < P) with n = width x C interleaved
// elements: whole blocks in registers, folded per channel at the end of the
// row, then the rest element by element.
template <class T, int C, int P>
void row_extrema(const T* row, std::int64_t width, T (&mins)[4], T (&maxs)[4]) {
    using E = BlockExtrema<T>;
    const std::int64_t n = width * C;
    std::int64_t i = 0;
    if (n >= E::kBlock) {
        E e;
        e.start(row);
        for (i = E::kBlock; i + E::kBlock <= n; i += E::kBlock) e.add(row + i);
        e.template fold<C, P>(mins, maxs, scalar_min<T>, scalar_max<T>);
    }
    for (; i < n; ++i) {
        const int c = int(i % C);
        if (c < P) mins[c] = scalar_min(mins[c], row[i]), maxs[c] = scalar_max(maxs[c], row[i]);
    }
}

// The whole image: blocks start at every row's first pixel, so a register
// position belongs to the same channel in every row and the registers are
// folded into channel values once, at the end.
template <class T, int C, int P>
void image_extrema(const T* src, int step, RvlSize roi, T (&mins)[4], T (&maxs)[4]) {
    using E = BlockExtrema<T>;
    const std::int64_t n = std::int64_t{roi.width} * C, blocks = n / E::kBlock;
    for (int c = 0; c < 4; ++c) mins[c] = maxs[c] = src[c < P ? c : 0];
    // Registers are loaded only when a row holds a whole block: an image
    // narrower than that is read element by element and never past its ROI.
    E e;
    if (blocks > 0) e.start(src);
    for (std::int64_t y = 0; y < roi.height; ++y) {
        const T* row = row_at(src, step, y);
        for (std::int64_t k = 0; k < blocks; ++k) e.add(row + k * E::kBlock);
        for (std::int64_t i = blocks * E::kBlock; i < n; ++i) {
            const int c = int(i % C);
            if (c < P) mins[c] = scalar_min(mins[c], row[i]), maxs[c] = scalar_max(maxs[c], row[i]);
        }
    }
    if (blocks > 0) e.template fold<C, P>(mins, maxs, scalar_min<T>, scalar_max<T>);
}

template <RvlChannels L>
constexpr int kProcessed = L == rvlChannelsAC4 ? 3 : static_cast<int>(L);

template <class T, RvlChannels L>
RvlResult min_of(const T* pSrc, int srcStep, RvlSize roiSize, T* pMin) {
    if (RvlResult st = first_failure({null_check(pSrc, pMin), roi_check(roiSize)})) return st;
    T mins[4], maxs[4];
    image_extrema<T, stored_channels<L>, kProcessed<L>>(pSrc, srcStep, roiSize, mins, maxs);
    for (int c = 0; c < kProcessed<L>; ++c) pMin[c] = mins[c];
    return rvlResOk;
}

template <class T, RvlChannels L>
RvlResult max_of(const T* pSrc, int srcStep, RvlSize roiSize, T* pMax) {
    if (RvlResult st = first_failure({null_check(pSrc, pMax), roi_check(roiSize)})) return st;
    T mins[4], maxs[4];
    image_extrema<T, stored_channels<L>, kProcessed<L>>(pSrc, srcStep, roiSize, mins, maxs);
    for (int c = 0; c < kProcessed<L>; ++c) pMax[c] = maxs[c];
    return rvlResOk;
}

template <class T, RvlChannels L>
RvlResult min_max_of(const T* pSrc, int srcStep, RvlSize roiSize, T* pMin, T* pMax) {
    if (RvlResult st = first_failure({null_check(pSrc, pMin, pMax), roi_check(roiSize)})) return st;
    T mins[4], maxs[4];
    image_extrema<T, stored_channels<L>, kProcessed<L>>(pSrc, srcStep, roiSize, mins, maxs);
    for (int c = 0; c < kProcessed<L>; ++c) pMin[c] = mins[c], pMax[c] = maxs[c];
    return rvlResOk;
}

// The first row whose extremum is the overall one (a row replaces the
// running extremum only when strictly better), then the first column of
// that row holding it.
template <bool Max, class T, RvlChannels L>
RvlResult extremum_index(const T* pSrc, int srcStep, RvlSize roiSize, T* pValue, int* pIndexX, int* pIndexY) {
    if (RvlResult st = first_failure({null_check(pSrc, pValue, pIndexX, pIndexY), roi_check(roiSize)})) return st;
    constexpr int C = stored_channels<L>, P = kProcessed<L>;
    T best[4];
    int bestRow[4] = {};
    for (int c = 0; c < P; ++c) best[c] = pSrc[c];
    for (std::int64_t y = 0; y < roiSize.height; ++y) {
        const T* row = row_at(pSrc, srcStep, y);
        T mins[4], maxs[4];
        for (int c = 0; c < 4; ++c) mins[c] = maxs[c] = row[c < P ? c : 0];
        row_extrema<T, C, P>(row, roiSize.width, mins, maxs);
        bool atLimit = std::is_unsigned_v<T>;
        for (int c = 0; c < P; ++c) {
            const T v = Max ? maxs[c] : mins[c];
            if (Max ? v > best[c] : v < best[c]) best[c] = v, bestRow[c] = int(y);
            atLimit = atLimit && best[c] == (Max ? std::numeric_limits<T>::max() : T(0));
        }
        // 8u and 16u: no later row can do better than the type's limit.
        if (atLimit) break;
    }
    for (int c = 0; c < P; ++c) {
        const T* row = row_at(pSrc, srcStep, bestRow[c]);
        int x = 0;
        while (x < roiSize.width - 1 && !(row[C * x + c] == best[c])) ++x;
        pValue[c] = best[c], pIndexX[c] = x, pIndexY[c] = bestRow[c];
    }
    return rvlResOk;
}

// Blocks of blockSize from the top-left corner; the last block column and
// row cover what remains. The global values, where asked for, are the
// extrema of all block values (the whole image's extrema).
template <class T>
RvlResult block_min_max(const T* pSrc, int srcStep, RvlSize srcSize, T* pDstMin, int dstMinStep, T* pDstMax,
                        int dstMaxStep, RvlSize blockSize, T* pDstGlobalMin, T* pDstGlobalMax) {
    if (pSrc == nullptr || (pDstMin == nullptr && pDstMax == nullptr)) return rvlResNullPointer;
    if (srcSize.width < 1 || srcSize.height < 1 || blockSize.width < 1 || blockSize.height < 1) return rvlResBadSize;
    const std::int64_t elem = sizeof(T);
    if (srcStep < srcSize.width * elem) return rvlResBadStep;
    const std::int64_t nbx = (std::int64_t{srcSize.width} + blockSize.width - 1) / blockSize.width;
    const std::int64_t nby = (std::int64_t{srcSize.height} + blockSize.height - 1) / blockSize.height;
    if (pDstMin && dstMinStep < nbx * elem) return rvlResBadStep;
    if (pDstMax && dstMaxStep < nbx * elem) return rvlResBadStep;
    T globalMin = pSrc[0], globalMax = pSrc[0];
    for (std::int64_t by = 0; by < nby; ++by) {
        const std::int64_t y0 = by * blockSize.height, y1 = std::min<std::int64_t>(y0 + blockSize.height, srcSize.height);
        for (std::int64_t bx = 0; bx < nbx; ++bx) {
            const std::int64_t x0 = bx * blockSize.width, x1 = std::min<std::int64_t>(x0 + blockSize.width, srcSize.width);
            T mins[4], maxs[4];
            mins[0] = maxs[0] = row_at(pSrc, srcStep, y0)[x0];
            for (std::int64_t y = y0; y < y1; ++y) row_extrema<T, 1, 1>(row_at(pSrc, srcStep, y) + x0, x1 - x0, mins, maxs);
            if (pDstMin) row_at(pDstMin, dstMinStep, by)[bx] = mins[0];
            if (pDstMax) row_at(pDstMax, dstMaxStep, by)[bx] = maxs[0];
            globalMin = scalar_min(globalMin, mins[0]);
            globalMax = scalar_max(globalMax, maxs[0]);
        }
    }
    if (pDstGlobalMin) *pDstGlobalMin = globalMin;
    if (pDstGlobalMax) *pDstGlobalMax = globalMax;
    return rvlResOk;
}

}  // namespace

RVL_BIND(rvliMin_8u_C1R, min_of<Rvl8u, rvlChannels1>);
RVL_BIND(rvliMax_8u_C1R, max_of<Rvl8u, rvlChannels1>);
RVL_BIND(rvliMinMax_8u_C1R, min_max_of<Rvl8u, rvlChannels1>);
RVL_BIND(rvliMinIndx_8u_C1R, extremum_index<false, Rvl8u, rvlChannels1>);
RVL_BIND(rvliMaxIndx_8u_C1R, extremum_index<true, Rvl8u, rvlChannels1>);
RVL_BIND(rvliMin_8u_C3R, min_of<Rvl8u, rvlChannels3>);
RVL_BIND(rvliMax_8u_C3R, max_of<Rvl8u, rvlChannels3>);
RVL_BIND(rvliMinMax_8u_C3R, min_max_of<Rvl8u, rvlChannels3>);
RVL_BIND(rvliMinIndx_8u_C3R, extremum_index<false, Rvl8u, rvlChannels3>);
RVL_BIND(rvliMaxIndx_8u_C3R, extremum_index<true, Rvl8u, rvlChannels3>);
RVL_BIND(rvliMin_8u_C4R, min_of<Rvl8u, rvlChannels4>);
RVL_BIND(rvliMax_8u_C4R, max_of<Rvl8u, rvlChannels4>);
RVL_BIND(rvliMinMax_8u_C4R, min_max_of<Rvl8u, rvlChannels4>);
RVL_BIND(rvliMinIndx_8u_C4R, extremum_index<false, Rvl8u, rvlChannels4>);
RVL_BIND(rvliMaxIndx_8u_C4R, extremum_index<true, Rvl8u, rvlChannels4>);
RVL_BIND(rvliMin_8u_AC4R, min_of<Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliMax_8u_AC4R, max_of<Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliMinMax_8u_AC4R, min_max_of<Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliMinIndx_8u_AC4R, extremum_index<false, Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliMaxIndx_8u_AC4R, extremum_index<true, Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliBlockMinMax_8u_C1R, block_min_max<Rvl8u>);

RVL_BIND(rvliMin_16u_C1R, min_of<Rvl16u, rvlChannels1>);
RVL_BIND(rvliMax_16u_C1R, max_of<Rvl16u, rvlChannels1>);
RVL_BIND(rvliMinMax_16u_C1R, min_max_of<Rvl16u, rvlChannels1>);
RVL_BIND(rvliMinIndx_16u_C1R, extremum_index<false, Rvl16u, rvlChannels1>);
RVL_BIND(rvliMaxIndx_16u_C1R, extremum_index<true, Rvl16u, rvlChannels1>);
RVL_BIND(rvliMin_16u_C3R, min_of<Rvl16u, rvlChannels3>);
RVL_BIND(rvliMax_16u_C3R, max_of<Rvl16u, rvlChannels3>);
RVL_BIND(rvliMinMax_16u_C3R, min_max_of<Rvl16u, rvlChannels3>);
RVL_BIND(rvliMinIndx_16u_C3R, extremum_index<false, Rvl16u, rvlChannels3>);
RVL_BIND(rvliMaxIndx_16u_C3R, extremum_index<true, Rvl16u, rvlChannels3>);
RVL_BIND(rvliMin_16u_C4R, min_of<Rvl16u, rvlChannels4>);
RVL_BIND(rvliMax_16u_C4R, max_of<Rvl16u, rvlChannels4>);
RVL_BIND(rvliMinMax_16u_C4R, min_max_of<Rvl16u, rvlChannels4>);
RVL_BIND(rvliMinIndx_16u_C4R, extremum_index<false, Rvl16u, rvlChannels4>);
RVL_BIND(rvliMaxIndx_16u_C4R, extremum_index<true, Rvl16u, rvlChannels4>);
RVL_BIND(rvliMin_16u_AC4R, min_of<Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliMax_16u_AC4R, max_of<Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliMinMax_16u_AC4R, min_max_of<Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliMinIndx_16u_AC4R, extremum_index<false, Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliMaxIndx_16u_AC4R, extremum_index<true, Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliBlockMinMax_16u_C1R, block_min_max<Rvl16u>);

RVL_BIND(rvliMin_16s_C1R, min_of<Rvl16s, rvlChannels1>);
RVL_BIND(rvliMax_16s_C1R, max_of<Rvl16s, rvlChannels1>);
RVL_BIND(rvliMinMax_16s_C1R, min_max_of<Rvl16s, rvlChannels1>);
RVL_BIND(rvliMinIndx_16s_C1R, extremum_index<false, Rvl16s, rvlChannels1>);
RVL_BIND(rvliMaxIndx_16s_C1R, extremum_index<true, Rvl16s, rvlChannels1>);
RVL_BIND(rvliMin_16s_C3R, min_of<Rvl16s, rvlChannels3>);
RVL_BIND(rvliMax_16s_C3R, max_of<Rvl16s, rvlChannels3>);
RVL_BIND(rvliMinMax_16s_C3R, min_max_of<Rvl16s, rvlChannels3>);
RVL_BIND(rvliMinIndx_16s_C3R, extremum_index<false, Rvl16s, rvlChannels3>);
RVL_BIND(rvliMaxIndx_16s_C3R, extremum_index<true, Rvl16s, rvlChannels3>);
RVL_BIND(rvliMin_16s_C4R, min_of<Rvl16s, rvlChannels4>);
RVL_BIND(rvliMax_16s_C4R, max_of<Rvl16s, rvlChannels4>);
RVL_BIND(rvliMinMax_16s_C4R, min_max_of<Rvl16s, rvlChannels4>);
RVL_BIND(rvliMinIndx_16s_C4R, extremum_index<false, Rvl16s, rvlChannels4>);
RVL_BIND(rvliMaxIndx_16s_C4R, extremum_index<true, Rvl16s, rvlChannels4>);
RVL_BIND(rvliMin_16s_AC4R, min_of<Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliMax_16s_AC4R, max_of<Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliMinMax_16s_AC4R, min_max_of<Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliMinIndx_16s_AC4R, extremum_index<false, Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliMaxIndx_16s_AC4R, extremum_index<true, Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliBlockMinMax_16s_C1R, block_min_max<Rvl16s>);

RVL_BIND(rvliMin_32f_C1R, min_of<Rvl32f, rvlChannels1>);
RVL_BIND(rvliMax_32f_C1R, max_of<Rvl32f, rvlChannels1>);
RVL_BIND(rvliMinMax_32f_C1R, min_max_of<Rvl32f, rvlChannels1>);
RVL_BIND(rvliMinIndx_32f_C1R, extremum_index<false, Rvl32f, rvlChannels1>);
RVL_BIND(rvliMaxIndx_32f_C1R, extremum_index<true, Rvl32f, rvlChannels1>);
RVL_BIND(rvliMin_32f_C3R, min_of<Rvl32f, rvlChannels3>);
RVL_BIND(rvliMax_32f_C3R, max_of<Rvl32f, rvlChannels3>);
RVL_BIND(rvliMinMax_32f_C3R, min_max_of<Rvl32f, rvlChannels3>);
RVL_BIND(rvliMinIndx_32f_C3R, extremum_index<false, Rvl32f, rvlChannels3>);
RVL_BIND(rvliMaxIndx_32f_C3R, extremum_index<true, Rvl32f, rvlChannels3>);
RVL_BIND(rvliMin_32f_C4R, min_of<Rvl32f, rvlChannels4>);
RVL_BIND(rvliMax_32f_C4R, max_of<Rvl32f, rvlChannels4>);
RVL_BIND(rvliMinMax_32f_C4R, min_max_of<Rvl32f, rvlChannels4>);
RVL_BIND(rvliMinIndx_32f_C4R, extremum_index<false, Rvl32f, rvlChannels4>);
RVL_BIND(rvliMaxIndx_32f_C4R, extremum_index<true, Rvl32f, rvlChannels4>);
RVL_BIND(rvliMin_32f_AC4R, min_of<Rvl32f, rvlChannelsAC4>);
RVL_BIND(rvliMax_32f_AC4R, max_of<Rvl32f, rvlChannelsAC4>);
RVL_BIND(rvliMinMax_32f_AC4R, min_max_of<Rvl32f, rvlChannelsAC4>);
RVL_BIND(rvliMinIndx_32f_AC4R, extremum_index<false, Rvl32f, rvlChannelsAC4>);
RVL_BIND(rvliMaxIndx_32f_AC4R, extremum_index<true, Rvl32f, rvlChannelsAC4>);
RVL_BIND(rvliBlockMinMax_32f_C1R, block_min_max<Rvl32f>);
}  // namespace rvl
