// The medians whose neighbours are read from memory around the ROI:
// rvliFilterMedianCross_*, rvliFilterMedianColor_*,
// rvliFilterMedianWeightedCenter3x3_8u_C1R, rvliFilterMedian_32f_C3R /
// _32f_C4R / _64f_C1R with rvliFilterMedianGetBufferSize_32f / _64f, and
// rvliMedian_8u_P3C1R.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/walk.hpp"
#include "kernels/median.hpp"

namespace rvl::filter {
namespace {

using kernels::for_blocks;
using kernels::RowSink;
using kernels::ScalarAccess;
using kernels::VectorAccess;

RvlResult mask_code_check(int mask) {
    return mask == rvlMask3x3 || mask == rvlMask5x5 ? rvlResOk : rvlResBadMaskSize;
}

RvlResult odd_mask_check(RvlSize mask) {
    return (mask.width < 1 || mask.height < 1 || mask.width % 2 == 0 || mask.height % 2 == 0) ? rvlResBadMaskSize
                                                                                              : rvlResOk;
}

// ---- Cross ---------------------------------------------------------------------------

// The centre row's 2r + 1 values and the column's 2r others.
template <int R, int C, class T>
void cross_row(const T* const* rows, std::int64_t n, T* out) {
    constexpr std::int64_t L = static_cast<std::int64_t>(vec::lanes<T>);
    const T* centre = rows[R] - R * C;
    const auto median = [=](auto access, std::int64_t i) {
        using A = decltype(access);
        typename A::V v[4 * R + 1];
        for (int k = 0; k <= 2 * R; ++k) v[k] = A::ld(centre + i + k * C);
        for (int j = 0, k = 2 * R + 1; j <= 2 * R; ++j)
            if (j != R) v[k++] = A::ld(rows[j] + i);
        return kernels::median_of<4 * R + 1>(v);
    };
    const RowSink<T> sink{out};
    for_blocks<L>(n, [=](std::int64_t i) { sink.put(i, median(VectorAccess<T>{}, i)); },
                  [=](std::int64_t i) { sink.put1(i, median(ScalarAccess<T>{}, i)); });
}

template <class T, RvlChannels Lay>
RvlResult median_cross(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roi, int mask) {
    if (RvlResult st = first_failure(
            {null_check(pSrc, pDst), roi_check(roi), step_check(srcStep, dstStep), mask_code_check(mask)}))
        return st;
    // AC4 forms filter the fourth channel like the others.
    constexpr int C = Lay == rvlChannels1 ? 1 : Lay == rvlChannels3 ? 3 : 4;
    const int r = mask == rvlMask3x3 ? 1 : 2;
    for (std::int64_t y = 0; y < roi.height; ++y) {
        const T* rows[5];
        for (int j = -r; j <= r; ++j) rows[j + r] = row_at(pSrc, srcStep, y + j);
        T* out = row_at(pDst, dstStep, y);
        if (r == 1) cross_row<1, C>(rows, roi.width * C, out);
        else cross_row<2, C>(rows, roi.width * C, out);
    }
    return rvlResOk;
}

// ---- Colour (vector) median -------------------------------------------------------------

// The distance sums of every pixel of the window, for a register of output
// pixels at once, from planes of the three channels: 16-bit lanes for 8u
// (a sum is at most 24 * 765), 32-bit for 16s, single precision for 32f.
// The distances between pixels a < b are computed once and added to both
// sums, so that each sum adds its distances in row order of the window.
template <class T>
using DistanceOf = std::conditional_t<std::is_same_v<T, Rvl32f>, float,
                                      std::conditional_t<std::is_same_v<T, Rvl8u>, std::int16_t, std::int32_t>>;

template <int M, class T, int CS>
void color_row(const T* pSrc, int srcStep, std::int64_t y, std::int64_t width, T* out) {
    using A = DistanceOf<T>;
    using V = vec::of<A>;
    constexpr int L = static_cast<int>(vec::lanes<A>);
    constexpr int R = M / 2, N = M * M;
    constexpr std::int64_t kChunk = 64;
    static_assert(kChunk % L == 0);
    alignas(64) A plane[M][3][kChunk + M - 1];
    for (std::int64_t x0 = 0; x0 < width; x0 += kChunk) {
        const std::int64_t k = std::min(kChunk, width - x0);
        for (int j = 0; j < M; ++j) {
            const T* row = row_at(pSrc, srcStep, y - R + j) + (x0 - R) * CS;
            for (std::int64_t p = 0; p < kChunk + M - 1; ++p)
                for (int c = 0; c < 3; ++c) plane[j][c][p] = p < k + M - 1 ? static_cast<A>(row[p * CS + c]) : A{};
        }
        for (std::int64_t p0 = 0; p0 < k; p0 += L) {
            V v[N][3];
            for (int a = 0; a < N; ++a)
                for (int c = 0; c < 3; ++c) std::memcpy(&v[a][c], &plane[a / M][c][p0 + a % M], sizeof(V));
            V sum[N] = {};
            for (int a = 0; a < N; ++a)
                for (int b = a + 1; b < N; ++b) {
                    V d = {};
                    for (int c = 0; c < 3; ++c) {
                        const V t = v[a][c] - v[b][c];
                        d += t < 0 ? -t : t;
                    }
                    sum[a] += d;
                    sum[b] += d;
                }
            // The smallest sum; of equal ones the centre, else the first.
            V best = sum[N / 2];
            V index = vec::splat<V>(A(N / 2));
            for (int a = 0; a < N; ++a) {
                const auto smaller = sum[a] < best;
                best = smaller ? sum[a] : best;
                index = smaller ? vec::splat<V>(A(a)) : index;
            }
            A picked[L];
            std::memcpy(picked, &index, sizeof index);
            for (int lane = 0; lane < L && p0 + lane < k; ++lane) {
                const int a = static_cast<int>(picked[lane]);
                const std::int64_t x = x0 + p0 + lane;
                const T* from = row_at(pSrc, srcStep, y - R + a / M) + (x - R + a % M) * CS;
                std::copy(from, from + 3, out + x * CS);
            }
        }
    }
}

template <class T, RvlChannels Lay>
RvlResult median_color(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roi, int mask) {
    if (RvlResult st = first_failure(
            {null_check(pSrc, pDst), roi_check(roi), step_check(srcStep, dstStep), mask_code_check(mask)}))
        return st;
    constexpr int CS = Lay == rvlChannelsAC4 ? 4 : 3;
    for (std::int64_t y = 0; y < roi.height; ++y) {
        T* out = row_at(pDst, dstStep, y);
        if (mask == rvlMask3x3) color_row<3, T, CS>(pSrc, srcStep, y, roi.width, out);
        else color_row<5, T, CS>(pSrc, srcStep, y, roi.width, out);
    }
    return rvlResOk;
}

// ---- Weighted centre ---------------------------------------------------------------------

// With the eight neighbours sorted (n1 <= ... <= n8) and the centre c
// counted w times, the ((9 + w) / 2)-th smallest of the 8 + w values is c
// clamped between n((9 - w) / 2) and n((9 + w) / 2).
template <int Weight>
void weighted_row(const Rvl8u* const* rows, std::int64_t n, Rvl8u* out) {
    constexpr std::int64_t L = static_cast<std::int64_t>(vec::lanes<Rvl8u>);
    constexpr int kLow = (9 - Weight) / 2 - 1, kHigh = (9 + Weight) / 2 - 1;
    const auto median = [=](auto access, std::int64_t i) {
        using A = decltype(access);
        typename A::V v[8] = {A::ld(rows[0] + i), A::ld(rows[0] + i + 1), A::ld(rows[0] + i + 2),
                              A::ld(rows[1] + i), A::ld(rows[1] + i + 2), A::ld(rows[2] + i),
                              A::ld(rows[2] + i + 1), A::ld(rows[2] + i + 2)};
        kernels::sort8(v);
        return kernels::med3(A::ld(rows[1] + i + 1), v[kLow], v[kHigh]);
    };
    const RowSink<Rvl8u> sink{out};
    for_blocks<L>(n, [=](std::int64_t i) { sink.put(i, median(VectorAccess<Rvl8u>{}, i)); },
                  [=](std::int64_t i) { sink.put1(i, median(ScalarAccess<Rvl8u>{}, i)); });
}

RvlResult median_weighted(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roi, int weight) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst), roi_check(roi), step_check(srcStep, dstStep)})) return st;
    if (weight <= 0) return rvlResBadWeight;
    RvlResult status = rvlResOk;
    if (weight % 2 == 0) {
        --weight;
        status = rvlResWarnEvenWeight;
    }
    for (std::int64_t y = 0; y < roi.height; ++y) {
        Rvl8u* out = row_at(pDst, dstStep, y);
        const Rvl8u* rows[3] = {row_at(pSrc, srcStep, y - 1) - 1, row_at(pSrc, srcStep, y) - 1,
                                row_at(pSrc, srcStep, y + 1) - 1};
        switch (weight) {
            case 1: weighted_row<1>(rows, roi.width, out); break;
            case 3: weighted_row<3>(rows, roi.width, out); break;
            case 5: weighted_row<5>(rows, roi.width, out); break;
            case 7: weighted_row<7>(rows, roi.width, out); break;
            default:  // the centre outnumbers the neighbours: it is the median
                if (out != rows[1] + 1) std::memcpy(out, rows[1] + 1, static_cast<std::size_t>(roi.width));
        }
    }
    return status;
}

// ---- Anchored median with its buffer ------------------------------------------------------

template <class T>
RvlResult anchored_buffer_size(RvlSize roi, RvlSize mask, int numChannels, int* pBufferSize) {
    if (RvlResult st = first_failure({null_check(pBufferSize), roi_check(roi), odd_mask_check(mask)})) return st;
    if (numChannels != 1 && numChannels != 3 && numChannels != 4) return rvlResBadChannelCount;
    const std::int64_t mw = mask.width, mh = mask.height;
    const std::int64_t size = sizeof(T) == 4 ? mw * mh * 4 : (mw * 17 * mh * 8 + 208) & ~std::int64_t{15};
    if (size > 0x7FFFFFFF) return rvlResSizeOverflow;
    *pBufferSize = static_cast<int>(size);
    return rvlResOk;
}

// The window's top-left corner is (x - anchor.x, y - anchor.y). Windows with
// a network use it; others select from the values gathered into the buffer
// (which holds mw mh elements, on the element's alignment).
template <class T, int C>
RvlResult median_anchored(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roi, RvlSize mask,
                          RvlPoint anchor, Rvl8u* pBuffer) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst, pBuffer), roi_check(roi), step_check(srcStep, dstStep),
                                      odd_mask_check(mask)}))
        return st;
    const int mw = mask.width, mh = mask.height;
    if (anchor.x < 0 || anchor.x >= mw || anchor.y < 0 || anchor.y >= mh) return rvlResBadAnchor;
    const std::int64_t W = roi.width;
    if (srcStep < (W + mw - 1) * C * std::int64_t{sizeof(T)}) return rvlResBadStep;
    T* scratch = reinterpret_cast<T*>(pBuffer);
    const std::int64_t n = W * C;
    for (std::int64_t y = 0; y < roi.height; ++y) {
        const RowSet<T> rows(row_at(pSrc, srcStep, y - anchor.y) - anchor.x * C, srcStep, 0, mh);
        const RowSink<T> sink{row_at(pDst, dstStep, y)};
        if (mw == 1 && mh == 1)
            std::memcpy(sink.out, rows.row(0), static_cast<std::size_t>(n) * sizeof(T));
        else if (!kernels::median_network_row<C>(rows, mw, mh, n, sink))
            kernels::median_select_row(rows, mw, mh, C, n, scratch, sink, false);
    }
    return rvlResOk;
}

// ---- Median of three planes ----------------------------------------------------------------

RvlResult median_planes(const Rvl8u* const pSrcPlanes[3], int srcStep, Rvl8u* pDst, int dstStep, RvlSize roi) {
    if (pSrcPlanes == nullptr || pDst == nullptr) return rvlResNullPointer;
    if (RvlResult st = first_failure({roi_check(roi), planes_check(pSrcPlanes, 3)})) return st;
    constexpr std::int64_t L = static_cast<std::int64_t>(vec::lanes<Rvl8u>);
    for (std::int64_t y = 0; y < roi.height; ++y) {
        const Rvl8u* a = row_at(pSrcPlanes[0], srcStep, y);
        const Rvl8u* b = row_at(pSrcPlanes[1], srcStep, y);
        const Rvl8u* c = row_at(pSrcPlanes[2], srcStep, y);
        const RowSink<Rvl8u> sink{row_at(pDst, dstStep, y)};
        const auto median = [=](auto access, std::int64_t i) {
            using A = decltype(access);
            return kernels::med3(A::ld(a + i), A::ld(b + i), A::ld(c + i));
        };
        for_blocks<L>(roi.width, [=](std::int64_t i) { sink.put(i, median(VectorAccess<Rvl8u>{}, i)); },
                      [=](std::int64_t i) { sink.put1(i, median(ScalarAccess<Rvl8u>{}, i)); });
    }
    return rvlResOk;
}

}  // namespace
}  // namespace rvl::filter

namespace rvl {
using filter::median_color;
using filter::median_cross;
RVL_BIND(rvliFilterMedianCross_8u_C1R, (median_cross<Rvl8u, rvlChannels1>));
RVL_BIND(rvliFilterMedianCross_8u_C3R, (median_cross<Rvl8u, rvlChannels3>));
RVL_BIND(rvliFilterMedianCross_8u_AC4R, (median_cross<Rvl8u, rvlChannelsAC4>));
RVL_BIND(rvliFilterMedianCross_16u_C1R, (median_cross<Rvl16u, rvlChannels1>));
RVL_BIND(rvliFilterMedianCross_16u_C3R, (median_cross<Rvl16u, rvlChannels3>));
RVL_BIND(rvliFilterMedianCross_16u_AC4R, (median_cross<Rvl16u, rvlChannelsAC4>));
RVL_BIND(rvliFilterMedianCross_16s_C1R, (median_cross<Rvl16s, rvlChannels1>));
RVL_BIND(rvliFilterMedianCross_16s_C3R, (median_cross<Rvl16s, rvlChannels3>));
RVL_BIND(rvliFilterMedianCross_16s_AC4R, (median_cross<Rvl16s, rvlChannelsAC4>));
RVL_BIND(rvliFilterMedianColor_8u_C3R, (median_color<Rvl8u, rvlChannels3>));
RVL_BIND(rvliFilterMedianColor_8u_AC4R, (median_color<Rvl8u, rvlChannelsAC4>));
RVL_BIND(rvliFilterMedianColor_16s_C3R, (median_color<Rvl16s, rvlChannels3>));
RVL_BIND(rvliFilterMedianColor_16s_AC4R, (median_color<Rvl16s, rvlChannelsAC4>));
RVL_BIND(rvliFilterMedianColor_32f_C3R, (median_color<Rvl32f, rvlChannels3>));
RVL_BIND(rvliFilterMedianColor_32f_AC4R, (median_color<Rvl32f, rvlChannelsAC4>));
RVL_BIND(rvliFilterMedianWeightedCenter3x3_8u_C1R, filter::median_weighted);
RVL_BIND(rvliFilterMedianGetBufferSize_32f, filter::anchored_buffer_size<Rvl32f>);
RVL_BIND(rvliFilterMedianGetBufferSize_64f, filter::anchored_buffer_size<Rvl64f>);
RVL_BIND(rvliFilterMedian_32f_C3R, (filter::median_anchored<Rvl32f, 3>));
RVL_BIND(rvliFilterMedian_32f_C4R, (filter::median_anchored<Rvl32f, 4>));
RVL_BIND(rvliFilterMedian_64f_C1R, (filter::median_anchored<Rvl64f, 1>));
RVL_BIND(rvliMedian_8u_P3C1R, filter::median_planes);
}  // namespace rvl
