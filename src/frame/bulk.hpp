// Running a block operation over an image, choosing cache-bypassing stores
// for large outputs once per call.
#pragma once

#include "frame/streaming.hpp"
#include "frame/walk.hpp"
#include "kernels/block_row.hpp"

namespace rvl {

template <RvlChannels L, class S, class D, class Op>
inline RvlResult block_image(const S* src, std::int64_t srcStep, D* dst, std::int64_t dstStep, RvlSize roi,
                             const Op& op, bool stream) {
    if (stream && L != rvlChannelsAC4)
        return map_image<L>(src, srcStep, dst, dstStep, roi.width, roi.height, BlockKernel<Op, Store::NonTemporal>{op});
    return map_image<L>(src, srcStep, dst, dstStep, roi.width, roi.height, BlockKernel<Op, Store::Cached>{op});
}

// The usual choice: stream when the output is larger than the largest cache.
template <RvlChannels L, class S, class D, class Op>
inline RvlResult block_image(const S* src, std::int64_t srcStep, D* dst, std::int64_t dstStep, RvlSize roi,
                             const Op& op) {
    const std::int64_t bytes = std::int64_t{roi.width} * roi.height * stored_channels<L> * std::int64_t{sizeof(D)};
    return block_image<L>(src, srcStep, dst, dstStep, roi, op, stream_output(bytes));
}

}  // namespace rvl
