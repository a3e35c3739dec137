// rvliFilterBoxBorder_<T>_<C>R and rvliSumWindow_<S><D>_<C>R with their
// buffer-size queries, the one-dimensional rvliSumWindowRow/Column sums and
// the older rvliFilterBox_64f_C1R.
//
// A window sum is separable: the row pass sums mw pixels along every source
// row (the rows come bordered from the BorderedSource), and the column pass
// keeps one running sum per column over the last mh row sums, adding the
// entering row and subtracting the leaving one, so a pixel costs the same
// for every window size.
//
// Integer data is summed in 32-bit integers whenever the largest possible
// window sum fits (8u up to 8 million pixels, 16u and 16s up to 32767): the
// sums are then exact, and every window sum that single precision holds
// exactly (below 2^24) has the value single-precision accumulation gives.
// The mean is formed from the sum in single precision either way. Larger
// windows of integer data, and 32f data, are summed in single precision,
// where the rounding of the partial sums depends on the order of the
// additions: row sums first, then the running column sums.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "frame/border.hpp"
#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/neighbourhood.hpp"
#include "frame/walk.hpp"
#include "kernels/copy.hpp"
#include "kernels/rounding.hpp"
#include "kernels/window.hpp"

namespace rvl::filter {
namespace {

using kernels::RowSink;

// ---- Buffer size ---------------------------------------------------------------

RvlResult window_sum_buffer_size(RvlSize roi, RvlSize mask, int dataType, int numChannels, int* pBufferSize) {
    if (RvlResult st = first_failure({null_check(pBufferSize), roi_check(roi), mask_check(mask)})) return st;
    std::int64_t e = 0;
    switch (dataType) {
        case rvlType8u: e = 1; break;
        case rvlType16u:
        case rvlType16s: e = 2; break;
        case rvlType32f: e = 4; break;
        default: return rvlResBadDataType;
    }
    if (numChannels != 1 && numChannels != 3 && numChannels != 4) return rvlResBadChannelCount;
    using Big = __int128;  // mask and ROI sizes up to 2^31 multiply past 64 bits
    const Big W = roi.width, H = roi.height, mw = mask.width, mh = mask.height, C = numChannels;
    const Big ax = (mw - 1) / 2, ay = (mh - 1) / 2, R = mw - ax - 1, Bt = mh - ay - 1;
    const bool large = W - ax - R > mw && H - ay - Bt > mh;
    Big p3 = W * C * (ay + 1) * e + 64, p4 = 8 * ay + 8;
    if (large && e == 4 && C == 1) {
        p3 = ((W + 3) & ~Big{3}) * mh * 4 + 64;
        p4 = 0;
    }
    if (!large) p3 = std::max(p3, e * (W + mw - 1) * (H + mh - 1) * C);
    const Big X = W + mw, Y = H + mh;
    const Big p29 = (X - 1) * (Bt + mh - 1), p30 = (Y - 1) * (R + mw - 1);
    const Big p31 = mw == 2 ? Y + p30 - 1 : p30;
    const Big p32 = (mh == 2 ? X + p29 - 1 : p29) + p30 + p31;
    const Big p1 = 4 * C * (p29 + p32), p2 = (C == 1 ? 4 : 16) * (X + 3);
    const Big size = p1 + p2 + p3 + p4;
    if (size > 0x7FFFFFFF) return rvlResSizeOverflow;
    *pBufferSize = static_cast<int>(size);
    return rvlResOk;
}

// ---- Finishing -----------------------------------------------------------------

// The mean of a window from its sum A: sum * (1/(mw mh)) in single precision,
// then 8u and 16u trunc(v + 0.5) (halves up), 16s trunc(v +- 0.5) (halves
// away from zero), 32f the product.
template <class T, class A, bool AC4>
struct MeanSink {
    T* out;
    float reciprocal;

    template <class F>
    static F offset(F v) {
        if constexpr (std::is_signed_v<T>) return v >= 0 ? 0.5f : -0.5f;
        else return 0.5f;
    }
    void put(std::int64_t i, vec::of<A> v) const {
        vec::f32 f;
        if constexpr (std::is_same_v<A, float>) f = v * reciprocal;
        else f = __builtin_convertvector(v, vec::f32) * reciprocal;
        if constexpr (std::is_same_v<T, float>) {
            RowSink<T, AC4>::put_elements(out + i, f);
        } else {
            const vec::f32 half = std::is_signed_v<T> ? (f >= 0 ? vec::splat<vec::f32>(0.5f) : vec::splat<vec::f32>(-0.5f))
                                                      : vec::splat<vec::f32>(0.5f);
            RowSink<T, AC4>::put_elements(out + i, __builtin_convertvector(f + half, vec::i32));
        }
    }
    void put1(std::int64_t i, A v) const {
        const float f = static_cast<float>(v) * reciprocal;
        T r;
        if constexpr (std::is_same_v<T, float>) r = f;
        else r = static_cast<T>(static_cast<std::int32_t>(f + offset(f)));
        RowSink<T, AC4>{out}.put1(i, r);
    }
};

// The window sum itself: 32s from integer sums (exact), 32f converted.
template <class D, class A, bool AC4>
struct SumSink {
    D* out;
    void put(std::int64_t i, vec::of<A> v) const { RowSink<D, AC4>::put_elements(out + i, v); }
    void put1(std::int64_t i, A v) const { RowSink<D, AC4>{out}.put1(i, static_cast<D>(v)); }
};

template <class T, bool AC4>
struct MeanOutput {
    float reciprocal;
    template <class A>
    MeanSink<T, A, AC4> sink(T* out) const { return {out, reciprocal}; }
};
template <class D, bool AC4>
struct SumOutput {
    template <class A>
    SumSink<D, A, AC4> sink(D* out) const { return {out}; }
};

struct Plus {
    template <class V>
    V operator()(V a, V b) const { return a + b; }
};

// ---- The separable sum -------------------------------------------------------------

// Window sums of every output row in accumulator type A; sinkOf(y, x0) is the
// sink of output row y from column x0 on. Row sums of the last mh + 1 source
// rows are kept in a ring, so the leaving row is still there when the
// entering one arrives. One-row windows finish their row sums directly,
// unless the destination is the source: a row's sums then wait in the ring
// until every piece of the row has been read.
template <class A, int C, class T, class SinkOf>
void sum_windows(BorderedSource<T>& source, const Reach& reach, std::int64_t width, std::int64_t height, int mw,
                 int mh, bool inPlace, WorkBuffer& work, const SinkOf& sinkOf) {
    const std::int64_t n = width * C;
    const bool direct = mh == 1 && !inPlace;
    const int ringRows = mh == 1 ? 1 : mh + 1;
    // Rows of 256 bytes or more start on 32-byte boundaries (no register
    // access straddles two cache lines on the AVX2 variant); the padding
    // stays within the reported size.
    const std::size_t align = n * std::int64_t{sizeof(A)} >= 256 ? 32 : alignof(A);
    const std::int64_t pitch = (n * std::int64_t{sizeof(A)} + std::int64_t(align) - 1) / std::int64_t(align) *
                               std::int64_t(align) / std::int64_t{sizeof(A)};
    A* ring = direct ? nullptr : work.take<A>(ringRows * pitch, align);
    A* sum = mh > 1 ? work.take<A>(n, align) : nullptr;
    const auto slot = [&](std::int64_t k) { return ring + (k % ringRows) * pitch; };
    for_separable_rows(
        source, reach, width, height,
        [&](const T* line, std::int64_t r, std::int64_t x0, std::int64_t w) {
            if (direct)
                kernels::window_sum_row<A, C>(line, w * C, mw, sinkOf(r, x0));
            else
                kernels::window_sum_row<A, C>(line, w * C, mw, RowSink<A>{slot(r + reach.top) + x0 * C});
        },
        [&](std::int64_t r) {
            if (direct) return;
            const std::int64_t k = r + reach.top;
            const A* h = slot(k);
            if (mh == 1) {
                const A* rows[1] = {h};
                return kernels::combine_rows(rows, 1, n, Plus{}, sinkOf(r, 0));
            }
            if (k == 0) {
                std::memcpy(sum, h, static_cast<std::size_t>(n) * sizeof(A));
            } else if (k < mh) {
                kernels::accumulate_row(sum, h, n);
            }
            if (k == mh - 1) {
                const A* rows[1] = {sum};
                kernels::combine_rows(rows, 1, n, Plus{}, sinkOf(0, 0));
            } else if (k >= mh) {
                kernels::slide_sum(sum, h, slot(k - mh), n, sinkOf(k - mh + 1, 0));
            }
        });
}

template <class T>
constexpr std::int64_t kLargestMagnitude = std::is_same_v<T, Rvl8u> ? 255 : std::is_same_v<T, Rvl16u> ? 65535 : 32768;

// Box filter and window sum: checks, in-place handling, accumulator choice.
template <class T, class D, int C, bool AC4, class Output>
RvlResult window_filter(const T* pSrc, int srcStep, D* pDst, int dstStep, RvlSize roi, RvlSize mask,
                        RvlBorderMode border, const T* borderValue, Rvl8u* pBuffer, const Output& output) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst, pBuffer), step_check(srcStep, dstStep), roi_check(roi),
                                      mask_check(mask)}))
        return st;
    Border b;
    if (RvlResult st = decode_border(border, kFilterKinds, &b)) return st;
    if (b.kind == rvlBorderConstant && borderValue == nullptr) return rvlResNullPointer;

    RoundingScope scope(Rc::Nearest);  // the caller's rounding control does not change results
    // AC4 members take three constants; the fourth channel's sums are never
    // stored, so any value serves.
    T constants[4] = {};
    if (AC4 && b.kind == rvlBorderConstant) {
        std::copy(borderValue, borderValue + 3, constants);
        borderValue = constants;
    }
    const std::int64_t W = roi.width, H = roi.height, n = W * C;
    const int mw = mask.width, mh = mask.height;
    const Reach reach = centred_reach(mw, mh);
    // In place the source is read with the destination's step, and output
    // rows that the bottom border reads again (replicated or mirrored) are
    // held in the buffer and written last.
    const bool inPlace = static_cast<const void*>(pSrc) == static_cast<const void*>(pDst);
    std::int64_t delayFrom = H;
    if (inPlace && reach.bottom > 0 && !b.inBottom && b.kind != rvlBorderConstant) {
        const Area eff = effective_image(W, H, reach, b);
        for (std::int64_t r = H; r < H + reach.bottom; ++r) {
            const std::int64_t k = r - eff.y;
            delayFrom = std::min(delayFrom, eff.y + (b.kind == rvlBorderMirror ? map_mirror(k, eff.height)
                                                                                : map_replicate(k, eff.height)));
        }
    }
    WorkBuffer work(pBuffer);
    T* line = work.take<T>((W + mw - 1) * C);
    D* pending = delayFrom < H ? work.take<D>((H - delayFrom) * n) : nullptr;
    const auto outRow = [&](std::int64_t y) {
        return y >= delayFrom ? pending + (y - delayFrom) * n : row_at(pDst, dstStep, y);
    };
    BorderedSource<T> source(pSrc, inPlace ? dstStep : srcStep, W, H, C, reach, b, borderValue, line);
    const auto run = [&](auto accumulator) {
        using A = decltype(accumulator);
        sum_windows<A, C>(source, reach, W, H, mw, mh, inPlace, work, [&](std::int64_t y, std::int64_t x0) {
            return output.template sink<A>(outRow(y) + x0 * C);
        });
    };
    if constexpr (std::is_integral_v<T>) {
        if (std::int64_t{mw} * mh < (std::int64_t{1} << 31) / kLargestMagnitude<T>) {
            run(std::int32_t{});
        } else {
            run(float{});
        }
    } else {
        run(float{});
    }
    for (std::int64_t y = delayFrom; y < H; ++y) {
        if constexpr (AC4)
            copy_three_of_four(outRow(y), row_at(pDst, dstStep, y), static_cast<std::size_t>(W));
        else
            std::memcpy(row_at(pDst, dstStep, y), outRow(y), static_cast<std::size_t>(n) * sizeof(D));
    }
    return rvlResOk;
}

template <class T, RvlChannels L>
RvlResult filter_box(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roi, RvlSize mask,
                     RvlBorderMode border, const T* borderValue, Rvl8u* pBuffer) {
    constexpr bool kAc4 = L == rvlChannelsAC4;
    RoundingScope scope(Rc::Nearest);
    // 1.0f / (f32)(mw mh), formed once.
    const float reciprocal = 1.0f / static_cast<float>(std::int64_t{mask.width} * mask.height);
    return window_filter<T, T, stored_channels<L>, kAc4>(pSrc, srcStep, pDst, dstStep, roi, mask, border,
                                                         borderValue, pBuffer, MeanOutput<T, kAc4>{reciprocal});
}

template <class S, class D, RvlChannels L>
RvlResult sum_window(const S* pSrc, int srcStep, D* pDst, int dstStep, RvlSize roi, RvlSize mask,
                     RvlBorderMode border, const S* borderValue, Rvl8u* pBuffer) {
    constexpr bool kAc4 = L == rvlChannelsAC4;
    return window_filter<S, D, stored_channels<L>, kAc4>(pSrc, srcStep, pDst, dstStep, roi, mask, border,
                                                         borderValue, pBuffer, SumOutput<D, kAc4>{});
}

// ---- One-dimensional sums ------------------------------------------------------------

RvlResult line_sum_checks(const void* pSrc, const void* pDst, int maskSize, int anchor) {
    if (RvlResult st = null_check(pSrc, pDst)) return st;
    if (maskSize < 1) return rvlResBadMaskSize;
    if (anchor < 0 || anchor >= maskSize) return rvlResBadAnchor;
    return rvlResOk;
}

// Along each row, in single precision: the first window added up element by
// element, each next one from the last by adding the entering element and
// subtracting the leaving one (their difference taken in integers). A ROI
// without rows or columns writes nothing.
template <class S, int C>
RvlResult sum_window_row(const S* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roi, int maskSize,
                         int anchor) {
    if (RvlResult st = line_sum_checks(pSrc, pDst, maskSize, anchor)) return st;
    if (roi.width < 1 || roi.height < 1) return rvlResOk;
    RoundingScope scope(Rc::Nearest);
    for (std::int64_t y = 0; y < roi.height; ++y)
        kernels::window_sum_row<float, C>(row_at(pSrc, srcStep, y) - std::int64_t{anchor} * C,
                                          std::int64_t{roi.width} * C, maskSize, RowSink<float>{row_at(pDst, dstStep, y)});
    return rvlResOk;
}

// Down each column, in single precision, by the same rule: the first row is
// added up row by row, each next row is the previous destination row plus
// the entering minus the leaving source row.
template <class S, int C>
RvlResult sum_window_column(const S* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roi, int maskSize,
                            int anchor) {
    if (RvlResult st = line_sum_checks(pSrc, pDst, maskSize, anchor)) return st;
    if (roi.width < 1 || roi.height < 1) return rvlResOk;
    RoundingScope scope(Rc::Nearest);
    const std::int64_t n = std::int64_t{roi.width} * C;
    const auto src = [&](std::int64_t r) { return row_at(pSrc, srcStep, r - anchor); };
    for (int k = 0; k < maskSize; ++k) kernels::accumulate_f32(pDst, src(k), n, k == 0);
    for (std::int64_t y = 1; y < roi.height; ++y)
        kernels::slide_sum_f32(row_at(pDst, dstStep, y - 1), src(y - 1 + maskSize), src(y - 1), row_at(pDst, dstStep, y),
                               n);
    return rvlResOk;
}

// ---- The older 64f box filter ------------------------------------------------------------

// The window of (x, y) has its top-left pixel at (x - anchor.x, y - anchor.y)
// and is read from memory. Without a work buffer the destination holds the
// window sums: row 0 is the sum of mh row sums, each next row the previous
// one plus the entering row's sums minus the leaving row's, and a row is
// scaled by 1/(mw mh) once the next row no longer needs its sums. Row sums
// run along the row, adding the entering and subtracting the leaving pixel.
RvlResult filter_box_64f(const Rvl64f* pSrc, int srcStep, Rvl64f* pDst, int dstStep, RvlSize roi, RvlSize mask,
                         RvlPoint anchor) {
    if (RvlResult st = null_check(pSrc, pDst)) return st;
    if (roi.width < 1 || roi.height < 1 || mask.width < 1 || mask.height < 1) return rvlResBadSize;
    const std::int64_t W = roi.width, H = roi.height, mw = mask.width, mh = mask.height;
    if (srcStep < (W + mw - 1) * 8 || std::int64_t{dstStep} < W * 8) return rvlResBadStep;
    RoundingScope scope(Rc::Nearest);
    const Rvl64f* origin = row_at(pSrc, srcStep, -std::int64_t{anchor.y}) - anchor.x;
    const double scale = 1.0 / static_cast<double>(mw * mh);
    // out[x] (op)= entering row sum (minus the leaving row sum).
    const auto add_row_sums = [&](double* out, const Rvl64f* in, const Rvl64f* leave, bool first) {
        double s = 0, t = 0;
        for (std::int64_t k = 0; k < mw; ++k) {
            s += in[k];
            if (leave) t += leave[k];
        }
        for (std::int64_t x = 0; x < W; ++x) {
            const double v = leave ? s - t : s;
            out[x] = first ? v : out[x] + v;
            if (x + 1 < W) {
                s += in[x + mw] - in[x];
                if (leave) t += leave[x + mw] - leave[x];
            }
        }
    };
    const auto scale_row = [&](double* row) {
        for (std::int64_t x = 0; x < W; ++x) row[x] *= scale;
    };
    for (std::int64_t k = 0; k < mh; ++k) add_row_sums(pDst, row_at(origin, srcStep, k), nullptr, k == 0);
    for (std::int64_t y = 1; y < H; ++y) {
        double* out = row_at(pDst, dstStep, y);
        std::memcpy(out, row_at(pDst, dstStep, y - 1), static_cast<std::size_t>(W) * sizeof(double));
        add_row_sums(out, row_at(origin, srcStep, y - 1 + mh), row_at(origin, srcStep, y - 1), false);
        scale_row(row_at(pDst, dstStep, y - 1));
    }
    scale_row(row_at(pDst, dstStep, H - 1));
    return rvlResOk;
}

}  // namespace
}  // namespace rvl::filter

namespace rvl {
using filter::filter_box;
using filter::sum_window;
using filter::sum_window_column;
using filter::sum_window_row;
RVL_BIND(rvliFilterBoxBorderGetBufferSize, filter::window_sum_buffer_size);
RVL_BIND(rvliSumWindowGetBufferSize, filter::window_sum_buffer_size);
RVL_BIND(rvliFilterBoxBorder_8u_C1R, (filter_box<Rvl8u, rvlChannels1>));
RVL_BIND(rvliFilterBoxBorder_8u_C3R, (filter_box<Rvl8u, rvlChannels3>));
RVL_BIND(rvliFilterBoxBorder_8u_C4R, (filter_box<Rvl8u, rvlChannels4>));
RVL_BIND(rvliFilterBoxBorder_8u_AC4R, (filter_box<Rvl8u, rvlChannelsAC4>));
RVL_BIND(rvliFilterBoxBorder_16u_C1R, (filter_box<Rvl16u, rvlChannels1>));
RVL_BIND(rvliFilterBoxBorder_16u_C3R, (filter_box<Rvl16u, rvlChannels3>));
RVL_BIND(rvliFilterBoxBorder_16u_C4R, (filter_box<Rvl16u, rvlChannels4>));
RVL_BIND(rvliFilterBoxBorder_16u_AC4R, (filter_box<Rvl16u, rvlChannelsAC4>));
RVL_BIND(rvliFilterBoxBorder_16s_C1R, (filter_box<Rvl16s, rvlChannels1>));
RVL_BIND(rvliFilterBoxBorder_16s_C3R, (filter_box<Rvl16s, rvlChannels3>));
RVL_BIND(rvliFilterBoxBorder_16s_C4R, (filter_box<Rvl16s, rvlChannels4>));
RVL_BIND(rvliFilterBoxBorder_16s_AC4R, (filter_box<Rvl16s, rvlChannelsAC4>));
RVL_BIND(rvliFilterBoxBorder_32f_C1R, (filter_box<Rvl32f, rvlChannels1>));
RVL_BIND(rvliFilterBoxBorder_32f_C3R, (filter_box<Rvl32f, rvlChannels3>));
RVL_BIND(rvliFilterBoxBorder_32f_C4R, (filter_box<Rvl32f, rvlChannels4>));
RVL_BIND(rvliFilterBoxBorder_32f_AC4R, (filter_box<Rvl32f, rvlChannelsAC4>));
RVL_BIND(rvliSumWindow_8u32s_C1R, (sum_window<Rvl8u, Rvl32s, rvlChannels1>));
RVL_BIND(rvliSumWindow_8u32s_C3R, (sum_window<Rvl8u, Rvl32s, rvlChannels3>));
RVL_BIND(rvliSumWindow_8u32s_C4R, (sum_window<Rvl8u, Rvl32s, rvlChannels4>));
RVL_BIND(rvliSumWindow_8u32s_AC4R, (sum_window<Rvl8u, Rvl32s, rvlChannelsAC4>));
RVL_BIND(rvliSumWindow_16u32f_C1R, (sum_window<Rvl16u, Rvl32f, rvlChannels1>));
RVL_BIND(rvliSumWindow_16u32f_C3R, (sum_window<Rvl16u, Rvl32f, rvlChannels3>));
RVL_BIND(rvliSumWindow_16u32f_C4R, (sum_window<Rvl16u, Rvl32f, rvlChannels4>));
RVL_BIND(rvliSumWindow_16u32f_AC4R, (sum_window<Rvl16u, Rvl32f, rvlChannelsAC4>));
RVL_BIND(rvliSumWindow_16s32f_C1R, (sum_window<Rvl16s, Rvl32f, rvlChannels1>));
RVL_BIND(rvliSumWindow_16s32f_C3R, (sum_window<Rvl16s, Rvl32f, rvlChannels3>));
RVL_BIND(rvliSumWindow_16s32f_C4R, (sum_window<Rvl16s, Rvl32f, rvlChannels4>));
RVL_BIND(rvliSumWindow_16s32f_AC4R, (sum_window<Rvl16s, Rvl32f, rvlChannelsAC4>));
RVL_BIND(rvliSumWindow_32f_C1R, (sum_window<Rvl32f, Rvl32f, rvlChannels1>));
RVL_BIND(rvliSumWindow_32f_C3R, (sum_window<Rvl32f, Rvl32f, rvlChannels3>));
RVL_BIND(rvliSumWindow_32f_C4R, (sum_window<Rvl32f, Rvl32f, rvlChannels4>));
RVL_BIND(rvliSumWindow_32f_AC4R, (sum_window<Rvl32f, Rvl32f, rvlChannelsAC4>));
RVL_BIND(rvliSumWindowRow_8u32f_C1R, (sum_window_row<Rvl8u, 1>));
RVL_BIND(rvliSumWindowRow_8u32f_C3R, (sum_window_row<Rvl8u, 3>));
RVL_BIND(rvliSumWindowRow_8u32f_C4R, (sum_window_row<Rvl8u, 4>));
RVL_BIND(rvliSumWindowRow_16u32f_C1R, (sum_window_row<Rvl16u, 1>));
RVL_BIND(rvliSumWindowRow_16u32f_C3R, (sum_window_row<Rvl16u, 3>));
RVL_BIND(rvliSumWindowRow_16u32f_C4R, (sum_window_row<Rvl16u, 4>));
RVL_BIND(rvliSumWindowRow_16s32f_C1R, (sum_window_row<Rvl16s, 1>));
RVL_BIND(rvliSumWindowRow_16s32f_C3R, (sum_window_row<Rvl16s, 3>));
RVL_BIND(rvliSumWindowRow_16s32f_C4R, (sum_window_row<Rvl16s, 4>));
RVL_BIND(rvliSumWindowColumn_8u32f_C1R, (sum_window_column<Rvl8u, 1>));
RVL_BIND(rvliSumWindowColumn_8u32f_C3R, (sum_window_column<Rvl8u, 3>));
RVL_BIND(rvliSumWindowColumn_8u32f_C4R, (sum_window_column<Rvl8u, 4>));
RVL_BIND(rvliSumWindowColumn_16u32f_C1R, (sum_window_column<Rvl16u, 1>));
RVL_BIND(rvliSumWindowColumn_16u32f_C3R, (sum_window_column<Rvl16u, 3>));
RVL_BIND(rvliSumWindowColumn_16u32f_C4R, (sum_window_column<Rvl16u, 4>));
RVL_BIND(rvliSumWindowColumn_16s32f_C1R, (sum_window_column<Rvl16s, 1>));
RVL_BIND(rvliSumWindowColumn_16s32f_C3R, (sum_window_column<Rvl16s, 3>));
RVL_BIND(rvliSumWindowColumn_16s32f_C4R, (sum_window_column<Rvl16s, 4>));
RVL_BIND(rvliFilterBox_64f_C1R, filter::filter_box_64f);
}  // namespace rvl
