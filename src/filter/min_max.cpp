// rvliFilterMaxBorder_<T>_<C>R, rvliFilterMinBorder_<T>_<C>R with their
// buffer-size query, and the 3x3 rvliDilate3x3_64f_C1R / rvliErode3x3_64f_C1R.
//
// The extreme of a rectangle is the extreme down the columns of the extremes
// along the rows. The row pass takes mw pixels of every bordered source row
// (directly for short windows, by doubling for long ones); the column pass
// combines mh row results: directly for short windows, and for taller ones
// by the block method, whose cost does not depend on mh. The row results
// are cut into blocks of mh rows; when a block is complete its rows are
// replaced by their suffix extremes (row j holds the extreme of rows j .. mh-1
// of the block), and while the next block arrives a running prefix extreme
// of its rows is kept. A window starting at row j of a block is then the
// suffix of row j combined with the prefix of the next block up to row j - 1:
// two operations per pixel and row besides the suffix pass.
//
// The extreme of a 32f window holding a NaN is NaN.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "frame/border.hpp"
#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/neighbourhood.hpp"
#include "frame/walk.hpp"
#include "kernels/window.hpp"

namespace rvl::filter {
namespace {

using kernels::RowSink;

// Windows of up to this many rows are combined directly. (Finishing them in
// the row pass itself, one loop with two stores, measured slower than two
// loops with one store each.)
constexpr int kDirectRows = 4;

RvlResult extreme_buffer_size(RvlSize roi, RvlSize mask, int dataType, int numChannels, int* pBufferSize) {
    if (RvlResult st = first_failure({null_check(pBufferSize), roi_check(roi), mask_check(mask)})) return st;
    if (numChannels != 1 && numChannels != 3 && numChannels != 4) return rvlResBadChannelCount;
    std::int64_t e = 0;
    switch (dataType) {
        case rvlType8u: e = 1; break;
        case rvlType16u:
        case rvlType16s: e = 2; break;
        case rvlType32f: e = 4; break;
        default: return rvlResBadDataType;
    }
    using Big = __int128;
    const Big W = roi.width, H = roi.height, mw = mask.width, mh = mask.height, C = numChannels;
    const Big ay = (mh - 1) / 2, Bt = mh - ay - 1, ax = (mw - 1) / 2, R = mw - ax - 1;
    Big E;
    if (mw >= W || mh >= H) {
        E = (W + mw - 1) * (H + mh - 1);
    } else {
        E = Bt > 0 ? (W + mw - 1) * (mh + Bt - 1) : 0;
        if (R > 0) E = std::max(E, (H + mh - 1) * (mw + R - 1));
    }
    const auto up32 = [](Big v) { return (v + 31) & ~Big{31}; };
    const Big size = up32(E * e * C) + mh * up32(W * C * e) + up32(mw * C * e) + (e == 4 ? 64 : 0) + 32;
    // A size past the int range cannot be reported.
    if (size > 0x7FFFFFFF) return rvlResSizeOverflow;
    *pBufferSize = static_cast<int>(size);
    return rvlResOk;
}

template <class Op, class T, int C, bool AC4>
RvlResult extreme_filter(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roi, RvlSize mask,
                         RvlBorderMode border, const T* value, Rvl8u* pBuffer) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst, pBuffer), roi_check(roi), mask_check(mask)})) return st;
    Border b;
    if (RvlResult st = decode_border(border, kFilterKinds, &b)) return st;
    // Not in the list of checks the family states, but a constant border
    // without its values cannot be filtered.
    if (b.kind == rvlBorderConstant && value == nullptr) return rvlResNullPointer;

    const std::int64_t W = roi.width, H = roi.height, n = W * C;
    // AC4 members take three constants; the fourth channel's results are
    // never stored, so any value serves.
    T constants[4] = {};
    if (AC4 && b.kind == rvlBorderConstant) {
        std::copy(value, value + 3, constants);
        value = constants;
    }
    const int mw = mask.width, mh = mask.height;
    const Reach reach = centred_reach(mw, mh);
    // A built source row spans the whole width only when the window is
    // taller than one row (border rows above and below) or wider than the
    // ROI; otherwise only the edge pieces are built.
    const std::int64_t lineColumns = mh > 1 || W < mw ? W + mw - 1 : std::min(W, std::max(reach.left, reach.right)) + mw - 1;
    WorkBuffer work(pBuffer);
    T* line = work.take<T>(lineColumns * C);
    T* scratch = mw > kernels::kDirectExtremeTaps ? work.take<T>((W + mw - 1) * C) : nullptr;
    // Ring rows start on 32-byte boundaries, so that no register load or
    // store of them straddles two cache lines on the AVX2 variant.
    const std::int64_t pitch = (n * std::int64_t{sizeof(T)} + 31) / 32 * 32 / std::int64_t{sizeof(T)};
    T* ring = mh > 1 ? work.take<T>(mh * pitch, 32) : nullptr;
    T* prefix = mh > kDirectRows ? work.take<T>(n) : nullptr;
    const auto slot = [&](std::int64_t k) { return ring + (k % mh) * pitch; };
    const auto out = [&](std::int64_t y) { return RowSink<T, AC4>{row_at(pDst, dstStep, y)}; };
    const Op op;
    BorderedSource<T> source(pSrc, srcStep, W, H, C, reach, b, value, line);
    for_separable_rows(
        source, reach, W, H,
        [&](const T* row, std::int64_t r, std::int64_t x0, std::int64_t w) {
            const std::int64_t e = x0 * C;
            if (mh == 1)
                kernels::window_extreme_row<Op, C>(row, w * C, mw, scratch, RowSink<T, AC4>{row_at(pDst, dstStep, r) + e});
            else
                kernels::window_extreme_row<Op, C>(row, w * C, mw, scratch, RowSink<T>{slot(r + reach.top) + e});
        },
        [&](std::int64_t r) {
            if (mh == 1) return;
            const std::int64_t k = r + reach.top, y = k - mh + 1;
            if (mh <= kDirectRows) {
                if (y < 0) return;
                const T* rows[kDirectRows];
                for (int j = 0; j < mh; ++j) rows[j] = slot(y + j);
                return kernels::combine_rows(rows, mh, n, op, out(y));
            }
            const std::int64_t j = k % mh;
            if (j == mh - 1) {  // a block is complete: its suffix extremes, and the window that is the block
                for (int s = mh - 2; s >= 0; --s) {
                    const T* rows[2] = {slot(s), slot(s + 1)};
                    kernels::combine_rows(rows, 2, n, op, RowSink<T>{slot(s)});
                }
                const T* rows[1] = {slot(0)};
                kernels::combine_rows(rows, 1, n, op, out(y));
            } else if (k >= mh) {
                const T* entering = slot(j);
                kernels::slide_extreme<Op>(slot(j + 1), j == 0 ? entering : prefix, entering, prefix, n, out(y));
            }
        });
    return rvlResOk;
}

template <class Op, class T, RvlChannels L>
RvlResult extreme_border(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roi, RvlSize mask,
                         RvlBorderMode border, Param<T, L> borderValue, Rvl8u* pBuffer) {
    return extreme_filter<Op, T, stored_channels<L>, L == rvlChannelsAC4>(pSrc, srcStep, pDst, dstStep, roi, mask,
                                                                         border, entries(borderValue), pBuffer);
}

// 3x3 extremes of neighbours read from memory, a block of columns at a time:
// the column extremes of the three rows go to a block on the stack, then the
// row pass combines three of them.
template <class Op>
RvlResult extreme_3x3_64f(const Rvl64f* pSrc, int srcStep, Rvl64f* pDst, int dstStep, RvlSize roi) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst), step_check(srcStep, dstStep), roi_check(roi)})) return st;
    const std::int64_t W = roi.width;
    if (srcStep < 8 * W + 16 || dstStep < 8 * W) return rvlResStepTooSmall;
    constexpr std::int64_t kBlock = 256;
    Rvl64f columns[kBlock + 2];
    for (std::int64_t y = 0; y < roi.height; ++y) {
        const Rvl64f* rows[3] = {row_at(pSrc, srcStep, y - 1) - 1, row_at(pSrc, srcStep, y) - 1,
                                 row_at(pSrc, srcStep, y + 1) - 1};
        Rvl64f* out = row_at(pDst, dstStep, y);
        for (std::int64_t x0 = 0; x0 < W; x0 += kBlock) {
            const std::int64_t w = std::min(kBlock, W - x0);
            const Rvl64f* block[3] = {rows[0] + x0, rows[1] + x0, rows[2] + x0};
            kernels::combine_rows(block, 3, w + 2, Op{}, RowSink<Rvl64f>{columns});
            kernels::window_extreme_row<Op, 1>(columns, w, 3, static_cast<Rvl64f*>(nullptr), RowSink<Rvl64f>{out + x0});
        }
    }
    return rvlResOk;
}

}  // namespace
}  // namespace rvl::filter

namespace rvl {
using filter::extreme_border;
using kernels::MaxOp;
using kernels::MinOp;
RVL_BIND(rvliFilterMaxBorderGetBufferSize, filter::extreme_buffer_size);
RVL_BIND(rvliFilterMinBorderGetBufferSize, filter::extreme_buffer_size);
RVL_BIND(rvliFilterMaxBorder_8u_C1R, (extreme_border<MaxOp, Rvl8u, rvlChannels1>));
RVL_BIND(rvliFilterMaxBorder_8u_C3R, (extreme_border<MaxOp, Rvl8u, rvlChannels3>));
RVL_BIND(rvliFilterMaxBorder_8u_C4R, (extreme_border<MaxOp, Rvl8u, rvlChannels4>));
RVL_BIND(rvliFilterMaxBorder_8u_AC4R, (extreme_border<MaxOp, Rvl8u, rvlChannelsAC4>));
RVL_BIND(rvliFilterMaxBorder_16u_C1R, (extreme_border<MaxOp, Rvl16u, rvlChannels1>));
RVL_BIND(rvliFilterMaxBorder_16u_C3R, (extreme_border<MaxOp, Rvl16u, rvlChannels3>));
RVL_BIND(rvliFilterMaxBorder_16u_C4R, (extreme_border<MaxOp, Rvl16u, rvlChannels4>));
RVL_BIND(rvliFilterMaxBorder_16u_AC4R, (extreme_border<MaxOp, Rvl16u, rvlChannelsAC4>));
RVL_BIND(rvliFilterMaxBorder_16s_C1R, (extreme_border<MaxOp, Rvl16s, rvlChannels1>));
RVL_BIND(rvliFilterMaxBorder_16s_C3R, (extreme_border<MaxOp, Rvl16s, rvlChannels3>));
RVL_BIND(rvliFilterMaxBorder_16s_C4R, (extreme_border<MaxOp, Rvl16s, rvlChannels4>));
RVL_BIND(rvliFilterMaxBorder_16s_AC4R, (extreme_border<MaxOp, Rvl16s, rvlChannelsAC4>));
RVL_BIND(rvliFilterMaxBorder_32f_C1R, (extreme_border<MaxOp, Rvl32f, rvlChannels1>));
RVL_BIND(rvliFilterMaxBorder_32f_C3R, (extreme_border<MaxOp, Rvl32f, rvlChannels3>));
RVL_BIND(rvliFilterMaxBorder_32f_C4R, (extreme_border<MaxOp, Rvl32f, rvlChannels4>));
RVL_BIND(rvliFilterMaxBorder_32f_AC4R, (extreme_border<MaxOp, Rvl32f, rvlChannelsAC4>));
RVL_BIND(rvliFilterMinBorder_8u_C1R, (extreme_border<MinOp, Rvl8u, rvlChannels1>));
RVL_BIND(rvliFilterMinBorder_8u_C3R, (extreme_border<MinOp, Rvl8u, rvlChannels3>));
RVL_BIND(rvliFilterMinBorder_8u_C4R, (extreme_border<MinOp, Rvl8u, rvlChannels4>));
RVL_BIND(rvliFilterMinBorder_8u_AC4R, (extreme_border<MinOp, Rvl8u, rvlChannelsAC4>));
RVL_BIND(rvliFilterMinBorder_16u_C1R, (extreme_border<MinOp, Rvl16u, rvlChannels1>));
RVL_BIND(rvliFilterMinBorder_16u_C3R, (extreme_border<MinOp, Rvl16u, rvlChannels3>));
RVL_BIND(rvliFilterMinBorder_16u_C4R, (extreme_border<MinOp, Rvl16u, rvlChannels4>));
RVL_BIND(rvliFilterMinBorder_16u_AC4R, (extreme_border<MinOp, Rvl16u, rvlChannelsAC4>));
RVL_BIND(rvliFilterMinBorder_16s_C1R, (extreme_border<MinOp, Rvl16s, rvlChannels1>));
RVL_BIND(rvliFilterMinBorder_16s_C3R, (extreme_border<MinOp, Rvl16s, rvlChannels3>));
RVL_BIND(rvliFilterMinBorder_16s_C4R, (extreme_border<MinOp, Rvl16s, rvlChannels4>));
RVL_BIND(rvliFilterMinBorder_16s_AC4R, (extreme_border<MinOp, Rvl16s, rvlChannelsAC4>));
RVL_BIND(rvliFilterMinBorder_32f_C1R, (extreme_border<MinOp, Rvl32f, rvlChannels1>));
RVL_BIND(rvliFilterMinBorder_32f_C3R, (extreme_border<MinOp, Rvl32f, rvlChannels3>));
RVL_BIND(rvliFilterMinBorder_32f_C4R, (extreme_border<MinOp, Rvl32f, rvlChannels4>));
RVL_BIND(rvliFilterMinBorder_32f_AC4R, (extreme_border<MinOp, Rvl32f, rvlChannelsAC4>));
RVL_BIND(rvliDilate3x3_64f_C1R, filter::extreme_3x3_64f<MaxOp>);
RVL_BIND(rvliErode3x3_64f_C1R, filter::extreme_3x3_64f<MinOp>);
}  // namespace rvl
