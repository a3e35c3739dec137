// What the fixed-kernel filters share: the accumulator of each source type
// and the walk of a kernel over the output rows.
#pragma once

#include <cstdint>
#include <type_traits>

#include "frame/border.hpp"
#include "frame/neighbourhood.hpp"
#include "frame/walk.hpp"
#include "kernels/fixed_filter.hpp"

namespace rvl::filter {

// Accumulators: 8u data in 16-bit lanes (every kernel's sums of 8-bit data
// fit them exactly), 16-bit data in 32-bit integers, floats as floats.
template <class T>
using FixedAcc = std::conditional_t<std::is_same_v<T, Rvl8u>, std::int16_t,
                                    std::conditional_t<std::is_same_v<T, Rvl32f>, float, std::int32_t>>;

// The reach of a kernel of kWidth x kHeight centred on the output pixel.
template <class K>
constexpr Reach centred_kernel_reach() {
    return Reach{K::kWidth / 2, K::kWidth - 1 - K::kWidth / 2, K::kHeight / 2, K::kHeight - 1 - K::kHeight / 2};
}

// Filters the ROI with kernel K (reaching `reach` around each output
// pixel), the source's rows bordered through a ring at `ring`, finishing
// every accumulator and storing it into the destination.
template <class K, int C, bool KeepAlpha, class T, class D, class Finish>
void fixed_filter(const T* src, int srcStep, D* dst, int dstStep, RvlSize roi, const Reach& reach, const Border& border,
                  const T* value, T* ring, const Finish& finish) {
    BorderedSource<T> source(src, srcStep, roi.width, roi.height, C, reach, border, value, ring);
    for_output_rows(source, roi.width, roi.height, [&](const RowSet<T>& rows, std::int64_t y, std::int64_t x0, std::int64_t w) {
        const kernels::FixedSink<D, KeepAlpha> sink{row_at(dst, dstStep, y) + x0 * C};
        kernels::fixed_filter_row<K, FixedAcc<T>, C>(rows, 0, w * C, finish, sink);
    });
}

}  // namespace rvl::filter
