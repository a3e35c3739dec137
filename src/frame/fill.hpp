// Filling the processed channels of a ROI with a value per channel: the
// work of rvliSet, shared with the members that hand constant results to it
// (shifts by counts at or above the element width).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "frame/streaming.hpp"
#include "frame/walk.hpp"
#include "kernels/copy.hpp"

namespace rvl {

// Every element of C1/C3/C4 rows, large outputs streamed past the caches.
template <int C, class T>
RvlResult fill_rows(const T (&value)[C], T* dst, int dstStep, RvlSize roi) {
    const std::int64_t bytes = std::int64_t{roi.width} * roi.height * C * std::int64_t{sizeof(T)};
    if (stream_output(bytes))
        return fill_image<C>(dst, dstStep, roi.width, roi.height, FillKernel<Store::NonTemporal, T, C>(value));
    return fill_image<C>(dst, dstStep, roi.width, roi.height, FillKernel<Store::Cached, T, C>(value));
}

// The first three channels of every four-channel pixel in [x, x + n).
template <class T>
void fill_three_of_four(const T (&value)[3], T* row, std::size_t x, std::size_t n) {
    for (std::size_t i = x; i < x + n; ++i) {
        row[4 * i + 0] = value[0];
        row[4 * i + 1] = value[1];
        row[4 * i + 2] = value[2];
    }
}

// value[c] into channel c of every ROI pixel (AC4: the first three).
template <RvlChannels L, class T>
RvlResult set_image(const T* value, T* dst, int dstStep, RvlSize roi) {
    if constexpr (L == rvlChannelsAC4) {
        const T v[3] = {value[0], value[1], value[2]};
        return for_rows(roi.height, [&](std::int64_t y) {
            fill_three_of_four(v, row_at(dst, dstStep, y), 0, std::size_t(roi.width));
        });
    } else {
        T v[L];
        std::copy(value, value + L, v);
        return fill_rows(v, dst, dstStep, roi);
    }
}

}  // namespace rvl
