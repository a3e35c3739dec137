// Sum and mean: rvliSum_*, rvliMean_*.
//
// 8u, 16u and 16s sums are exact integers (converted to double at the end;
// every total of these types stays below 2^53). 32f, fast path: each row is
// summed in single precision in several lanes and the row sums are added in
// double. C1 rows use sixteen lanes (element j in lane j mod 16; four
// registers combined as (r0 + r1) + (r2 + r3), then their lanes as
// (l0 + l1) + (l2 + l3)), which keeps four additions in flight; C3 and C4
// rows use four lanes per channel (pixel j in lane j mod 4, combined as
// (s0 + s1) + (s2 + s3)). 32f with rvlHintAccurate: every element in
// double, for C1 in two partial sums (even and odd columns) added at the
// end, for C3 and C4 one sum per channel.
//
// Checks: source and result pointers, then the size; steps are not examined.
// Mean checks its result pointer first, then the checks of Sum.
#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/walk.hpp"
#include "kernels/reduce.hpp"
#include "stats/stats_common.hpp"

namespace rvl {

template <class T, int C>
RvlResult channel_sums(const T* pSrc, int srcStep, RvlSize roi, Rvl64f* sum, RvlHintAlgorithm hint) {
    const std::int64_t w = roi.width;
    if constexpr (std::is_same_v<T, Rvl8u>) {
        std::uint64_t s[C] = {};
        if constexpr (C == 1)
            if (srcStep == roi.width) {  // one run over the whole image
                add_byte_channel_sums<C>(pSrc, w * roi.height, s);
                sum[0] = static_cast<double>(s[0]);
                return rvlResOk;
            }
        for (std::int64_t y = 0; y < roi.height; ++y) add_byte_channel_sums<C>(row_at(pSrc, srcStep, y), w * C, s);
        for (int c = 0; c < C; ++c) sum[c] = static_cast<double>(s[c]);
    } else if constexpr (std::is_integral_v<T>) {
        std::int64_t s[C] = {};
        for (std::int64_t y = 0; y < roi.height; ++y) {
            const T* row = row_at(pSrc, srcStep, y);
            for (std::int64_t x = 0; x < w; ++x)
                for (int c = 0; c < C; ++c) s[c] += row[C * x + c];
        }
        for (int c = 0; c < C; ++c) sum[c] = static_cast<double>(s[c]);
    } else if (hint == rvlHintAccurate) {
        double even[C] = {}, odd[C] = {};
        for (std::int64_t y = 0; y < roi.height; ++y) {
            const T* row = row_at(pSrc, srcStep, y);
            for (std::int64_t x = 0; x < w; ++x)
                for (int c = 0; c < C; ++c) {
                    if (C == 1 && (x & 1)) odd[c] += row[C * x + c];
                    else even[c] += row[C * x + c];
                }
        }
        for (int c = 0; c < C; ++c) sum[c] = even[c] + odd[c];
    } else {
        double total[C] = {};
        for (std::int64_t y = 0; y < roi.height; ++y) {
            const T* row = row_at(pSrc, srcStep, y);
            if constexpr (C == 1) {
                total[0] += static_cast<double>(sixteen_lane_sum(row, w));
            } else {
                float lanes[C][4] = {};
                add_to_lanes<C, false, false, LaneMap::Value>(row, nullptr, w, lanes);
                for (int c = 0; c < C; ++c) total[c] += static_cast<double>(combine_lanes(lanes[c]));
            }
        }
        for (int c = 0; c < C; ++c) sum[c] = total[c];
    }
    return rvlResOk;
}

template RvlResult channel_sums<Rvl16u, 1>(const Rvl16u*, int, RvlSize, Rvl64f*, RvlHintAlgorithm);
template RvlResult channel_sums<Rvl16u, 3>(const Rvl16u*, int, RvlSize, Rvl64f*, RvlHintAlgorithm);
template RvlResult channel_sums<Rvl16u, 4>(const Rvl16u*, int, RvlSize, Rvl64f*, RvlHintAlgorithm);

namespace {

template <class T, int C>
RvlResult sum_checked(const T* pSrc, int srcStep, RvlSize roiSize, Rvl64f* sum, RvlHintAlgorithm hint) {
    if (RvlResult st = first_failure({null_check(pSrc, sum), roi_check(roiSize)})) return st;
    return channel_sums<T, C>(pSrc, srcStep, roiSize, sum, hint);
}

template <class T, int C>
RvlResult sum_int(const T* pSrc, int srcStep, RvlSize roiSize, Rvl64f* sum) {
    return sum_checked<T, C>(pSrc, srcStep, roiSize, sum, rvlHintNone);
}

// The pixel count as a 32-bit signed product, as the division uses it.
inline double pixel_count(RvlSize roi) {
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(roi.width) * static_cast<std::uint32_t>(roi.height)));
}

template <class T, int C>
RvlResult mean_checked(const T* pSrc, int srcStep, RvlSize roiSize, Rvl64f* mean, RvlHintAlgorithm hint) {
    if (mean == nullptr) return rvlResNullPointer;
    if (RvlResult st = sum_checked<T, C>(pSrc, srcStep, roiSize, mean, hint)) return st;
    const double count = pixel_count(roiSize);
    if constexpr (C == 1) {
        mean[0] /= count;
    } else {
        const double reciprocal = 1.0 / count;
        for (int c = 0; c < C; ++c) mean[c] *= reciprocal;
    }
    return rvlResOk;
}

template <class T, int C>
RvlResult mean_int(const T* pSrc, int srcStep, RvlSize roiSize, Rvl64f* mean) {
    return mean_checked<T, C>(pSrc, srcStep, roiSize, mean, rvlHintNone);
}

}  // namespace

RVL_BIND(rvliSum_8u_C1R, sum_int<Rvl8u, 1>);
RVL_BIND(rvliSum_8u_C3R, sum_int<Rvl8u, 3>);
RVL_BIND(rvliSum_8u_C4R, sum_int<Rvl8u, 4>);
RVL_BIND(rvliSum_16u_C1R, sum_int<Rvl16u, 1>);
RVL_BIND(rvliSum_16u_C3R, sum_int<Rvl16u, 3>);
RVL_BIND(rvliSum_16u_C4R, sum_int<Rvl16u, 4>);
RVL_BIND(rvliSum_16s_C1R, sum_int<Rvl16s, 1>);
RVL_BIND(rvliSum_16s_C3R, sum_int<Rvl16s, 3>);
RVL_BIND(rvliSum_16s_C4R, sum_int<Rvl16s, 4>);
RVL_BIND(rvliSum_32f_C1R, sum_checked<Rvl32f, 1>);
RVL_BIND(rvliSum_32f_C3R, sum_checked<Rvl32f, 3>);
RVL_BIND(rvliSum_32f_C4R, sum_checked<Rvl32f, 4>);
RVL_BIND(rvliMean_8u_C1R, mean_int<Rvl8u, 1>);
RVL_BIND(rvliMean_8u_C3R, mean_int<Rvl8u, 3>);
RVL_BIND(rvliMean_8u_C4R, mean_int<Rvl8u, 4>);
RVL_BIND(rvliMean_16u_C1R, mean_int<Rvl16u, 1>);
RVL_BIND(rvliMean_16u_C3R, mean_int<Rvl16u, 3>);
RVL_BIND(rvliMean_16u_C4R, mean_int<Rvl16u, 4>);
RVL_BIND(rvliMean_16s_C1R, mean_int<Rvl16s, 1>);
RVL_BIND(rvliMean_16s_C3R, mean_int<Rvl16s, 3>);
RVL_BIND(rvliMean_16s_C4R, mean_int<Rvl16s, 4>);
RVL_BIND(rvliMean_32f_C1R, mean_checked<Rvl32f, 1>);
RVL_BIND(rvliMean_32f_C3R, mean_checked<Rvl32f, 3>);
RVL_BIND(rvliMean_32f_C4R, mean_checked<Rvl32f, 4>);

}  // namespace rvl
