// Copies: rvliCopy_* (plain, masked, channel, planar and three-of-four
// forms, and the _L forms), rvliCopyManaged_8u_C1R and rvliDup_8u_*.
//
// Checks everywhere: null pointers (every plane pointer and the mask), then
// the ROI size. Steps are not checked.
#include <cstring>

#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/streaming.hpp"
#include "frame/walk.hpp"
#include "kernels/copy.hpp"

namespace rvl {
namespace {

// Whole rows (C1, C3, C4): one memcpy per row, or one for the whole image
// when the rows are contiguous; large outputs are streamed past the caches.
template <RvlChannels L, class T>
RvlResult copy_rows(const T* src, std::int64_t srcStep, T* dst, std::int64_t dstStep, std::int64_t w, std::int64_t h) {
    const std::int64_t bytes = w * h * static_cast<int>(L) * std::int64_t{sizeof(T)};
    if (stream_output(bytes)) return map_image<L>(src, srcStep, dst, dstStep, w, h, CopyKernel<Store::NonTemporal>{});
    return map_image<L>(src, srcStep, dst, dstStep, w, h, CopyKernel<Store::Cached>{});
}

// N channels of every pixel from a source with SrcStride elements per pixel
// to a destination with DstStride: the channel, three-of-four and AC4 forms.
// Only those N channels of the destination are written.
template <int SrcStride, int DstStride, int N, class T>
RvlResult copy_strided(const T* src, int srcStep, T* dst, int dstStep, RvlSize roi) {
    return for_rows(roi.height, [&](std::int64_t y) {
        const T* s = row_at(src, srcStep, y);
        T* d = row_at(dst, dstStep, y);
        for (int x = 0; x < roi.width; ++x)
            for (int c = 0; c < N; ++c) d[x * DstStride + c] = s[x * SrcStride + c];
    });
}

template <class T, RvlChannels L>
RvlResult copy_r(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roiSize) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst), roi_check(roiSize)})) return st;
    if constexpr (L == rvlChannelsAC4)
        return for_rows(roiSize.height, [&](std::int64_t y) {
            copy_three_of_four(row_at(pSrc, srcStep, y), row_at(pDst, dstStep, y), std::size_t(roiSize.width));
        });
    else
        return copy_rows<L>(pSrc, srcStep, pDst, dstStep, roiSize.width, roiSize.height);
}

// C3C1 <3,1>, C4C1 <4,1>, C1C3 <1,3>, C1C4 <1,4>, C3CR <3,3>, C4CR <4,4>:
// the pointers address the chosen channel of the first pixel.
template <class T, int SrcStride, int DstStride>
RvlResult copy_channel(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roiSize) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst), roi_check(roiSize)})) return st;
    return copy_strided<SrcStride, DstStride, 1>(pSrc, srcStep, pDst, dstStep, roiSize);
}

// AC4C3 <4,3>, C3AC4 <3,4>: three channels per pixel.
template <class T, int SrcStride, int DstStride>
RvlResult copy_three(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roiSize) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst), roi_check(roiSize)})) return st;
    return copy_strided<SrcStride, DstStride, 3>(pSrc, srcStep, pDst, dstStep, roiSize);
}

template <class T, RvlChannels L>
RvlResult copy_mr(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask,
                  int maskStep) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst, pMask), roi_check(roiSize)})) return st;
    constexpr int C = stored_channels<L>;
    return for_rows(roiSize.height, [&](std::int64_t y) {
        const T* s = row_at(pSrc, srcStep, y);
        T* d = row_at(pDst, dstStep, y);
        for_masked_runs(row_at(pMask, maskStep, y), std::size_t(roiSize.width), [&](std::size_t x, std::size_t n) {
            if constexpr (L == rvlChannelsAC4)
                copy_three_of_four(s + 4 * x, d + 4 * x, n);
            else
                std::memcpy(d + C * x, s + C * x, n * C * sizeof(T));
        });
    });
}

// Interleaved pixels to C planes (channel c to plane c) and back.
template <class T, int C>
RvlResult copy_to_planes(const T* pSrc, int srcStep, T* const* pDst, int dstStep, RvlSize roiSize) {
    if (RvlResult st = first_failure({null_check(pSrc), planes_check(pDst, C), roi_check(roiSize)})) return st;
    return for_rows(roiSize.height, [&](std::int64_t y) {
        const T* s = row_at(pSrc, srcStep, y);
        T* d[C];
        for (int c = 0; c < C; ++c) d[c] = row_at(pDst[c], dstStep, y);
        for (int x = 0; x < roiSize.width; ++x)
            for (int c = 0; c < C; ++c) d[c][x] = s[C * x + c];
    });
}

template <class T, int C>
RvlResult copy_from_planes(const T* const* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roiSize) {
    if (RvlResult st = first_failure({planes_check(pSrc, C), null_check(pDst), roi_check(roiSize)})) return st;
    return for_rows(roiSize.height, [&](std::int64_t y) {
        const T* s[C];
        for (int c = 0; c < C; ++c) s[c] = row_at(pSrc[c], srcStep, y);
        T* d = row_at(pDst, dstStep, y);
        for (int x = 0; x < roiSize.width; ++x)
            for (int c = 0; c < C; ++c) d[C * x + c] = s[c][x];
    });
}

// 64-bit sizes: each row is copied in pieces of at most 2^30 elements (whole
// pixels, as 2^30 is a multiple of four).
constexpr std::int64_t kCopyPieceElements = 0x40000000;

template <class T, RvlChannels L>
RvlResult copy_r_L(const T* pSrc, std::int64_t srcStep, T* pDst, std::int64_t dstStep, RvlSizeL roiSize) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst), roi_check(roiSize)})) return st;
    constexpr int C = stored_channels<L>;
    return for_row_pieces<kCopyPieceElements>(
        roiSize.height, roiSize.width * C, [&](std::int64_t y, std::int64_t x, std::int64_t n) {
            const T* s = row_at(pSrc, srcStep, y) + x;
            T* d = row_at(pDst, dstStep, y) + x;
            if constexpr (L == rvlChannelsAC4)
                copy_three_of_four(s, d, std::size_t(n / 4));
            else
                std::memcpy(d, s, std::size_t(n) * sizeof(T));
        });
}

// Flags bit 0: write with cache-bypassing stores, whatever the size.
RvlResult copy_managed(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, int flags) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst), roi_check(roiSize)})) return st;
    if (flags & 1)
        return map_image<rvlChannels1>(pSrc, srcStep, pDst, dstStep, roiSize.width, roiSize.height,
                                       CopyKernel<Store::NonTemporal>{});
    return copy_rows<rvlChannels1>(pSrc, srcStep, pDst, dstStep, roiSize.width, roiSize.height);
}

// One channel written to all C channels.
template <int C>
RvlResult dup(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst), roi_check(roiSize)})) return st;
    return for_rows(roiSize.height, [&](std::int64_t y) {
        const Rvl8u* s = row_at(pSrc, srcStep, y);
        Rvl8u* d = row_at(pDst, dstStep, y);
        for (int x = 0; x < roiSize.width; ++x)
            for (int c = 0; c < C; ++c) d[C * x + c] = s[x];
    });
}

}  // namespace

RVL_BIND(rvliCopy_8u_C1R, copy_r<Rvl8u, rvlChannels1>);
RVL_BIND(rvliCopy_8u_C3R, copy_r<Rvl8u, rvlChannels3>);
RVL_BIND(rvliCopy_8u_C4R, copy_r<Rvl8u, rvlChannels4>);
RVL_BIND(rvliCopy_8u_AC4R, copy_r<Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliCopy_8u_C1MR, copy_mr<Rvl8u, rvlChannels1>);
RVL_BIND(rvliCopy_8u_C3MR, copy_mr<Rvl8u, rvlChannels3>);
RVL_BIND(rvliCopy_8u_C4MR, copy_mr<Rvl8u, rvlChannels4>);
RVL_BIND(rvliCopy_8u_AC4MR, copy_mr<Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliCopy_8u_C3C1R, copy_channel<Rvl8u, 3, 1>);
RVL_BIND(rvliCopy_8u_C4C1R, copy_channel<Rvl8u, 4, 1>);
RVL_BIND(rvliCopy_8u_C1C3R, copy_channel<Rvl8u, 1, 3>);
RVL_BIND(rvliCopy_8u_C1C4R, copy_channel<Rvl8u, 1, 4>);
RVL_BIND(rvliCopy_8u_C3CR, copy_channel<Rvl8u, 3, 3>);
RVL_BIND(rvliCopy_8u_C4CR, copy_channel<Rvl8u, 4, 4>);
RVL_BIND(rvliCopy_8u_C3P3R, copy_to_planes<Rvl8u, 3>);
RVL_BIND(rvliCopy_8u_C4P4R, copy_to_planes<Rvl8u, 4>);
RVL_BIND(rvliCopy_8u_P3C3R, copy_from_planes<Rvl8u, 3>);
RVL_BIND(rvliCopy_8u_P4C4R, copy_from_planes<Rvl8u, 4>);
RVL_BIND(rvliCopy_8u_AC4C3R, copy_three<Rvl8u, 4, 3>);
RVL_BIND(rvliCopy_8u_C3AC4R, copy_three<Rvl8u, 3, 4>);

RVL_BIND(rvliCopy_16u_C1R, copy_r<Rvl16u, rvlChannels1>);
RVL_BIND(rvliCopy_16u_C3R, copy_r<Rvl16u, rvlChannels3>);
RVL_BIND(rvliCopy_16u_C4R, copy_r<Rvl16u, rvlChannels4>);
RVL_BIND(rvliCopy_16u_AC4R, copy_r<Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliCopy_16u_C1MR, copy_mr<Rvl16u, rvlChannels1>);
RVL_BIND(rvliCopy_16u_C3MR, copy_mr<Rvl16u, rvlChannels3>);
RVL_BIND(rvliCopy_16u_C4MR, copy_mr<Rvl16u, rvlChannels4>);
RVL_BIND(rvliCopy_16u_AC4MR, copy_mr<Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliCopy_16u_C3C1R, copy_channel<Rvl16u, 3, 1>);
RVL_BIND(rvliCopy_16u_C4C1R, copy_channel<Rvl16u, 4, 1>);
RVL_BIND(rvliCopy_16u_C1C3R, copy_channel<Rvl16u, 1, 3>);
RVL_BIND(rvliCopy_16u_C1C4R, copy_channel<Rvl16u, 1, 4>);
RVL_BIND(rvliCopy_16u_C3CR, copy_channel<Rvl16u, 3, 3>);
RVL_BIND(rvliCopy_16u_C4CR, copy_channel<Rvl16u, 4, 4>);
RVL_BIND(rvliCopy_16u_C3P3R, copy_to_planes<Rvl16u, 3>);
RVL_BIND(rvliCopy_16u_C4P4R, copy_to_planes<Rvl16u, 4>);
RVL_BIND(rvliCopy_16u_P3C3R, copy_from_planes<Rvl16u, 3>);
RVL_BIND(rvliCopy_16u_P4C4R, copy_from_planes<Rvl16u, 4>);
RVL_BIND(rvliCopy_16u_AC4C3R, copy_three<Rvl16u, 4, 3>);
RVL_BIND(rvliCopy_16u_C3AC4R, copy_three<Rvl16u, 3, 4>);

RVL_BIND(rvliCopy_16s_C1R, copy_r<Rvl16s, rvlChannels1>);
RVL_BIND(rvliCopy_16s_C3R, copy_r<Rvl16s, rvlChannels3>);
RVL_BIND(rvliCopy_16s_C4R, copy_r<Rvl16s, rvlChannels4>);
RVL_BIND(rvliCopy_16s_AC4R, copy_r<Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliCopy_16s_C1MR, copy_mr<Rvl16s, rvlChannels1>);
RVL_BIND(rvliCopy_16s_C3MR, copy_mr<Rvl16s, rvlChannels3>);
RVL_BIND(rvliCopy_16s_C4MR, copy_mr<Rvl16s, rvlChannels4>);
RVL_BIND(rvliCopy_16s_AC4MR, copy_mr<Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliCopy_16s_C3C1R, copy_channel<Rvl16s, 3, 1>);
RVL_BIND(rvliCopy_16s_C4C1R, copy_channel<Rvl16s, 4, 1>);
RVL_BIND(rvliCopy_16s_C1C3R, copy_channel<Rvl16s, 1, 3>);
RVL_BIND(rvliCopy_16s_C1C4R, copy_channel<Rvl16s, 1, 4>);
RVL_BIND(rvliCopy_16s_C3CR, copy_channel<Rvl16s, 3, 3>);
RVL_BIND(rvliCopy_16s_C4CR, copy_channel<Rvl16s, 4, 4>);
RVL_BIND(rvliCopy_16s_C3P3R, copy_to_planes<Rvl16s, 3>);
RVL_BIND(rvliCopy_16s_C4P4R, copy_to_planes<Rvl16s, 4>);
RVL_BIND(rvliCopy_16s_P3C3R, copy_from_planes<Rvl16s, 3>);
RVL_BIND(rvliCopy_16s_P4C4R, copy_from_planes<Rvl16s, 4>);
RVL_BIND(rvliCopy_16s_AC4C3R, copy_three<Rvl16s, 4, 3>);
RVL_BIND(rvliCopy_16s_C3AC4R, copy_three<Rvl16s, 3, 4>);

RVL_BIND(rvliCopy_32s_C1R, copy_r<Rvl32s, rvlChannels1>);
RVL_BIND(rvliCopy_32s_C3R, copy_r<Rvl32s, rvlChannels3>);
RVL_BIND(rvliCopy_32s_C4R, copy_r<Rvl32s, rvlChannels4>);
RVL_BIND(rvliCopy_32s_AC4R, copy_r<Rvl32s, rvlChannelsAC4>);
RVL_BIND(rvliCopy_32s_C1MR, copy_mr<Rvl32s, rvlChannels1>);
RVL_BIND(rvliCopy_32s_C3MR, copy_mr<Rvl32s, rvlChannels3>);
RVL_BIND(rvliCopy_32s_C4MR, copy_mr<Rvl32s, rvlChannels4>);
RVL_BIND(rvliCopy_32s_AC4MR, copy_mr<Rvl32s, rvlChannelsAC4>);
RVL_BIND(rvliCopy_32s_C3C1R, copy_channel<Rvl32s, 3, 1>);
RVL_BIND(rvliCopy_32s_C4C1R, copy_channel<Rvl32s, 4, 1>);
RVL_BIND(rvliCopy_32s_C1C3R, copy_channel<Rvl32s, 1, 3>);
RVL_BIND(rvliCopy_32s_C1C4R, copy_channel<Rvl32s, 1, 4>);
RVL_BIND(rvliCopy_32s_C3CR, copy_channel<Rvl32s, 3, 3>);
RVL_BIND(rvliCopy_32s_C4CR, copy_channel<Rvl32s, 4, 4>);
RVL_BIND(rvliCopy_32s_C3P3R, copy_to_planes<Rvl32s, 3>);
RVL_BIND(rvliCopy_32s_C4P4R, copy_to_planes<Rvl32s, 4>);
RVL_BIND(rvliCopy_32s_P3C3R, copy_from_planes<Rvl32s, 3>);
RVL_BIND(rvliCopy_32s_P4C4R, copy_from_planes<Rvl32s, 4>);
RVL_BIND(rvliCopy_32s_AC4C3R, copy_three<Rvl32s, 4, 3>);
RVL_BIND(rvliCopy_32s_C3AC4R, copy_three<Rvl32s, 3, 4>);

RVL_BIND(rvliCopy_32f_C1R, copy_r<Rvl32f, rvlChannels1>);
RVL_BIND(rvliCopy_32f_C3R, copy_r<Rvl32f, rvlChannels3>);
RVL_BIND(rvliCopy_32f_C4R, copy_r<Rvl32f, rvlChannels4>);
RVL_BIND(rvliCopy_32f_AC4R, copy_r<Rvl32f, rvlChannelsAC4>);
RVL_BIND(rvliCopy_32f_C1MR, copy_mr<Rvl32f, rvlChannels1>);
RVL_BIND(rvliCopy_32f_C3MR, copy_mr<Rvl32f, rvlChannels3>);
RVL_BIND(rvliCopy_32f_C4MR, copy_mr<Rvl32f, rvlChannels4>);
RVL_BIND(rvliCopy_32f_AC4MR, copy_mr<Rvl32f, rvlChannelsAC4>);
RVL_BIND(rvliCopy_32f_C3C1R, copy_channel<Rvl32f, 3, 1>);
RVL_BIND(rvliCopy_32f_C4C1R, copy_channel<Rvl32f, 4, 1>);
RVL_BIND(rvliCopy_32f_C1C3R, copy_channel<Rvl32f, 1, 3>);
RVL_BIND(rvliCopy_32f_C1C4R, copy_channel<Rvl32f, 1, 4>);
RVL_BIND(rvliCopy_32f_C3CR, copy_channel<Rvl32f, 3, 3>);
RVL_BIND(rvliCopy_32f_C4CR, copy_channel<Rvl32f, 4, 4>);
RVL_BIND(rvliCopy_32f_C3P3R, copy_to_planes<Rvl32f, 3>);
RVL_BIND(rvliCopy_32f_C4P4R, copy_to_planes<Rvl32f, 4>);
RVL_BIND(rvliCopy_32f_P3C3R, copy_from_planes<Rvl32f, 3>);
RVL_BIND(rvliCopy_32f_P4C4R, copy_from_planes<Rvl32f, 4>);
RVL_BIND(rvliCopy_32f_AC4C3R, copy_three<Rvl32f, 4, 3>);
RVL_BIND(rvliCopy_32f_C3AC4R, copy_three<Rvl32f, 3, 4>);

RVL_BIND(rvliCopy_8u_C1R_L, copy_r_L<Rvl8u, rvlChannels1>);
RVL_BIND(rvliCopy_8u_C3R_L, copy_r_L<Rvl8u, rvlChannels3>);
RVL_BIND(rvliCopy_8u_C4R_L, copy_r_L<Rvl8u, rvlChannels4>);
RVL_BIND(rvliCopy_8u_AC4R_L, copy_r_L<Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliCopy_32f_C1R_L, copy_r_L<Rvl32f, rvlChannels1>);
RVL_BIND(rvliCopy_32f_C3R_L, copy_r_L<Rvl32f, rvlChannels3>);
RVL_BIND(rvliCopy_32f_C4R_L, copy_r_L<Rvl32f, rvlChannels4>);
RVL_BIND(rvliCopy_32f_AC4R_L, copy_r_L<Rvl32f, rvlChannelsAC4>);

RVL_BIND(rvliCopyManaged_8u_C1R, copy_managed);
RVL_BIND(rvliDup_8u_C1C3R, dup<3>);
RVL_BIND(rvliDup_8u_C1C4R, dup<4>);

}  // namespace rvl
