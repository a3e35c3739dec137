// rvliFilterMedianBorder_<T>_<C>R with its buffer-size query.
//
// The windows of 3x3 and 5x5, and the 3- and 5-long rows and columns, run
// selection networks on registers of pixels (kernels/median.hpp); other
// windows of 8u data keep a running histogram along each row, and of the
// other types select the median of the window's values gathered into the
// buffer. The border rows and columns come from the shared bordered source:
// rows inside the image are read in place, rows and edge columns that reach
// outside it are built in the buffer.
//
// In place (pSrc equal to pDst, both rows `dstStep` apart) every source row
// is built in the buffer before the row that overwrites it is written, so
// each result is computed from unfiltered pixels. Where the buffer cannot
// hold a window's height of whole rows (windows one row high over
// multi-channel images), each row is filtered in chunks instead, from a line
// of its source columns whose leading columns were saved from the previous
// chunk before its results overwrote them.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "frame/border.hpp"
#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/neighbourhood.hpp"
#include "frame/walk.hpp"
#include "kernels/copy.hpp"
#include "kernels/median.hpp"

namespace rvl::filter {
namespace {

using Big = __int128;

// The column-histogram method of 8u windows: its counts are 16-bit, and its
// strips are at least kMinStrip columns wide (narrower ones, where the
// buffer is small, take the running histogram along rows) and at most
// kMaxStrip, so that the histograms stay in the second-level cache.
constexpr std::int64_t kMaxColumnWindow = 65535;
constexpr std::int64_t kMinStrip = 16, kMaxStrip = 192;
constexpr std::int64_t kColumnHistogramBytes = (256 + 16) * 2;

// Windows with a dedicated network: both sides 1, 3 or 5, square or one
// pixel thick.
bool has_network(std::int64_t mw, std::int64_t mh) { return mw < 6 && mh < 6 && (mw == 1 || mh == 1 || mw == mh); }

RvlResult median_mask_check(RvlSize mask) {
    if (RvlResult st = mask_check(mask)) return st;
    return (mask.width % 2 == 0 || mask.height % 2 == 0) ? rvlResBadMaskSize : rvlResOk;
}

// The buffer size for e-byte elements of C channels (C1 any type; C3, C4
// only 8u and the 16-bit types).
Big median_buffer_bytes(RvlSize roi, RvlSize mask, Big e, Big C) {
    const Big W = roi.width, H = roi.height, mw = mask.width, mh = mask.height;
    const auto up32 = [](Big v) { return (v + 31) & ~Big{31}; };
    const bool large = W > mw && H > mh;
    const bool network = has_network(mask.width, mask.height);
    if (C == 1) {
        const Big S = network ? 0 : up32((e == 2 ? 8 : 4) * mw * mh);
        if (!large) return S + up32((W + mw - 1) * (H + mh - 1) * e);
        return S + 2 * mh * up32(W * e) + 2 * (up32(H * (mw / 2) * e) + up32(W * (mh / 2) * e)) +
               up32(std::max((W + mw - 1) * (mh + mh / 2) * e, (mw + mw / 2) * (H + mh - 1) * e));
    }
    const Big n = large ? C * std::max((W + mw - 1) * (mh + mh / 2 - 1), (mw + mw / 2 - 1) * (H + mh - 1))
                        : (W + mw - 1) * C * (H + mh - 1);
    if (e == 1) return up32(n);
    return up32(2 * n) + (network ? 0 : mw * 8 * mh);
}

RvlResult median_buffer_size(RvlSize roi, RvlSize mask, int dataType, int numChannels, int* pBufferSize) {
    if (RvlResult st = first_failure({null_check(pBufferSize), roi_check(roi), median_mask_check(mask)})) return st;
    const bool integer = dataType == rvlType8u || dataType == rvlType16u || dataType == rvlType16s;
    if (numChannels == 1 && !integer && dataType != rvlType32f) return rvlResBadDataType;
    if (numChannels != 1 && numChannels != 3 && numChannels != 4) return rvlResBadChannelCount;
    if (numChannels != 1 && !integer) return rvlResBadDataType;
    const Big e = dataType == rvlType8u ? 1 : dataType == rvlType32f ? 4 : 2;
    const Big size = median_buffer_bytes(roi, mask, e, numChannels);
    if (size > 0x7FFFFFFF) {
        *pBufferSize = 0;
        return rvlResSizeOverflow;
    }
    *pBufferSize = static_cast<int>(size);
    return rvlResOk;
}

// Medians of w pixels of one output row, written from `out` on, by the
// method of the window.
template <class T, int C, bool AC4>
struct MedianRow {
    int mw, mh;
    T* scratch;  // mw mh elements, for windows selected by gathering

    void operator()(const RowSet<T>& rows, T* out, std::int64_t w) const {
        const std::int64_t n = w * C;
        const kernels::RowSink<T, AC4> sink{out};
        if (kernels::median_network_row<C>(rows, mw, mh, n, sink)) return;
        if constexpr (sizeof(T) == 1) {
            for (int c = 0; c < (AC4 ? 3 : C); ++c) kernels::median_histogram_row(rows, mw, mh, C, c, w, sink);
        } else {
            kernels::median_select_row(rows, mw, mh, C, n, scratch, sink, AC4);
        }
    }
};

template <class T, int C, bool AC4>
void copy_roi(const T* src, int srcStep, T* dst, int dstStep, std::int64_t W, std::int64_t H) {
    for (std::int64_t y = 0; y < H; ++y) {
        const T* s = row_at(src, srcStep, y);
        T* d = row_at(dst, dstStep, y);
        if constexpr (AC4) copy_three_of_four(s, d, static_cast<std::size_t>(W));
        else std::memcpy(d, s, static_cast<std::size_t>(W * C) * sizeof(T));
    }
}

template <class T, int C, bool AC4>
RvlResult median_filter(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roi, RvlSize mask,
                        RvlBorderMode border, const T* value, Rvl8u* pBuffer) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst, pBuffer), roi_check(roi)})) return st;
    if constexpr (C == 1 && sizeof(T) > 1) {
        if (srcStep % static_cast<int>(sizeof(T)) != 0 || dstStep % static_cast<int>(sizeof(T)) != 0)
            return rvlResStepNotMultiple;
    }
    if (RvlResult st = median_mask_check(mask)) return st;
    Border b;
    if (RvlResult st = decode_border(border, kReplicateConstantKinds, &b)) return st;
    if (C > 1 && b.kind == rvlBorderConstant && value == nullptr) return rvlResNullPointer;

    const std::int64_t W = roi.width, H = roi.height, mw = mask.width, mh = mask.height;
    const bool inPlace = static_cast<const void*>(pSrc) == static_cast<const void*>(pDst);
    if (mw == 1 && mh == 1) {
        if (!inPlace) copy_roi<T, C, AC4>(pSrc, srcStep, pDst, dstStep, W, H);
        return rvlResOk;
    }
    // A window one pixel wide reads no columns beside the ROI, one row high
    // no rows above or below it: those sides count as in memory.
    if (mw == 1) b.inLeft = b.inRight = true;
    if (mh == 1) b.inTop = b.inBottom = true;
    // AC4 members take three constants; the fourth channel's results are
    // never stored, so any value serves.
    T constants[4] = {};
    if (AC4 && value != nullptr) {
        std::copy(value, value + 3, constants);
        value = constants;
    }

    WorkBuffer work(pBuffer);
    const bool gathers = !has_network(mw, mh) && sizeof(T) > 1;
    T* scratch = gathers ? work.take<T>(mw * mh) : nullptr;
    T* ring = work.take<T>(0);
    const MedianRow<T, C, AC4> filter{static_cast<int>(mw), static_cast<int>(mh), scratch};
    const Reach reach = centred_reach(mw, mh);
    const int step = inPlace ? dstStep : srcStep;
    BorderedSource<T> source(pSrc, step, W, H, C, reach, b, value, ring);

    if (inPlace) {
        const std::int64_t available =
            static_cast<std::int64_t>(median_buffer_bytes(roi, mask, sizeof(T), C)) -
            (reinterpret_cast<const Rvl8u*>(ring) - pBuffer);
        const std::int64_t rowBytes = (W + mw - 1) * C * std::int64_t{sizeof(T)};
        source.build_every_row();
        if (mh * rowBytes <= available) {
            for_output_rows(source, W, H, [&](const RowSet<T>& rows, std::int64_t y, std::int64_t, std::int64_t) {
                filter(rows, row_at(pDst, dstStep, y), W);
            });
            return rvlResOk;
        }
        // One row high (mh == 1): chunks of k pixels, a line of k + mw - 1
        // columns and the `left` saved columns in the buffer.
        const std::int64_t left = reach.left;
        const std::int64_t chunk = std::max<std::int64_t>(1, available / (C * std::int64_t{sizeof(T)}) - (mw - 1) - left - 1);
        T* saved = ring + (std::min(chunk, W) + mw - 1) * C;
        for (std::int64_t y = 0; y < H; ++y) {
            T* out = row_at(pDst, dstStep, y);
            for (std::int64_t x0 = 0; x0 < W; x0 += chunk) {
                const std::int64_t k = std::min(chunk, W - x0);
                source.set_piece(x0, k);
                T* line = const_cast<T*>(source.line(y));
                if (x0 > 0) std::memcpy(line, saved, static_cast<std::size_t>(left * C) * sizeof(T));
                if (x0 + k < W) std::memcpy(saved, line + k * C, static_cast<std::size_t>(left * C) * sizeof(T));
                filter(RowSet<T>(line, 0, 0, 1), out + x0 * C, k);
            }
        }
        return rvlResOk;
    }
    if constexpr (sizeof(T) == 1) {
        if (!has_network(mw, mh) && mw * mh <= kMaxColumnWindow) {
            // Vertical strips as wide as the buffer allows for their ring
            // rows and one channel's column histograms.
            const std::int64_t available = static_cast<std::int64_t>(median_buffer_bytes(roi, mask, 1, C)) -
                                           (reinterpret_cast<const Rvl8u*>(ring) - pBuffer) - 64;
            const std::int64_t columns = available / (mh * C + kColumnHistogramBytes);
            const std::int64_t strip = std::min<std::int64_t>({W, kMaxStrip, columns - (mw - 1)});
            if (strip >= kMinStrip || strip == W) {
                WorkBuffer histograms(ring + mh * (strip + mw - 1) * C);
                auto* fine = histograms.take<kernels::Counts16>((strip + mw - 1) * 16, 32);
                auto* coarse = histograms.take<kernels::Counts16>(strip + mw - 1, 32);
                for (std::int64_t x0 = 0; x0 < W; x0 += strip) {
                    const std::int64_t w = std::min(strip, W - x0);
                    source.set_piece(x0, w);
                    for (int c = 0; c < (AC4 ? 3 : C); ++c)
                        kernels::median_column_histograms([&](std::int64_t y) { return source.rows(y); },
                                                          [&](std::int64_t y) { return row_at(pDst, dstStep, y) + x0 * C; },
                                                          H, static_cast<int>(mw), static_cast<int>(mh), C, c, w, fine, coarse);
                }
                return rvlResOk;
            }
        }
    }
    for_output_rows(source, W, H, [&](const RowSet<T>& rows, std::int64_t y, std::int64_t x0, std::int64_t w) {
        filter(rows, row_at(pDst, dstStep, y) + x0 * C, w);
    });
    return rvlResOk;
}

template <class T, RvlChannels L>
RvlResult median_border(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roi, RvlSize mask,
                        RvlBorderMode border, Param<T, L> borderValue, Rvl8u* pBuffer) {
    return median_filter<T, stored_channels<L>, L == rvlChannelsAC4>(pSrc, srcStep, pDst, dstStep, roi, mask, border,
                                                                     entries(borderValue), pBuffer);
}

}  // namespace
}  // namespace rvl::filter

namespace rvl {
using filter::median_border;
RVL_BIND(rvliFilterMedianBorderGetBufferSize, filter::median_buffer_size);
RVL_BIND(rvliFilterMedianBorder_8u_C1R, (median_border<Rvl8u, rvlChannels1>));
RVL_BIND(rvliFilterMedianBorder_8u_C3R, (median_border<Rvl8u, rvlChannels3>));
RVL_BIND(rvliFilterMedianBorder_8u_C4R, (median_border<Rvl8u, rvlChannels4>));
RVL_BIND(rvliFilterMedianBorder_8u_AC4R, (median_border<Rvl8u, rvlChannelsAC4>));
RVL_BIND(rvliFilterMedianBorder_16u_C1R, (median_border<Rvl16u, rvlChannels1>));
RVL_BIND(rvliFilterMedianBorder_16u_C3R, (median_border<Rvl16u, rvlChannels3>));
RVL_BIND(rvliFilterMedianBorder_16u_C4R, (median_border<Rvl16u, rvlChannels4>));
RVL_BIND(rvliFilterMedianBorder_16u_AC4R, (median_border<Rvl16u, rvlChannelsAC4>));
RVL_BIND(rvliFilterMedianBorder_16s_C1R, (median_border<Rvl16s, rvlChannels1>));
RVL_BIND(rvliFilterMedianBorder_16s_C3R, (median_border<Rvl16s, rvlChannels3>));
RVL_BIND(rvliFilterMedianBorder_16s_C4R, (median_border<Rvl16s, rvlChannels4>));
RVL_BIND(rvliFilterMedianBorder_16s_AC4R, (median_border<Rvl16s, rvlChannelsAC4>));
RVL_BIND(rvliFilterMedianBorder_32f_C1R, (median_border<Rvl32f, rvlChannels1>));
}  // namespace rvl
