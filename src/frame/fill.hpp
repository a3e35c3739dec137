// Results that do not depend on the computation: filling the processed
// channels of a ROI with a value per channel (the work of rvliSet, for
// shifts by counts at or above the element width) and copying the source
// (the work of rvliCopy, for shifts by 0 and neutral constants).
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

// Whether every processed channel's constant equals v.
template <RvlChannels L, class T>
bool all_equal(const T* values, T v) {
    for (int c = 0; c < (L == rvlChannelsAC4 ? 3 : static_cast<int>(L)); ++c)
        if (values[c] != v) return false;
    return true;
}

// The source copied to the destination (three channels of four for AC4);
// in place this writes nothing.
template <RvlChannels L, class T, class Sz, class Step>
RvlResult copy_image(const T* src, Step srcStep, T* dst, Step dstStep, Sz roi) {
    if (src == dst && srcStep == dstStep) return rvlResOk;
    return for_rows(roi.height, [&](std::int64_t y) {
        const T* s = row_at(src, srcStep, y);
        T* d = row_at(dst, dstStep, y);
        if constexpr (L == rvlChannelsAC4)
            copy_three_of_four(s, d, std::size_t(roi.width));
        else
            CopyKernel<Store::Cached>{}(s, d, std::size_t(roi.width) * static_cast<int>(L));
    });
}

}  // namespace rvl
