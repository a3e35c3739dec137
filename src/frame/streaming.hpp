// Choosing cache-bypassing (non-temporal) stores for large outputs.
//
// An output is streamed past the caches when it is at least kStreamingMin
// bytes AND at least the size of the processor's largest cache, as the core
// library reports it. When the core library cannot tell, ordinary stores are
// used. The choice is made once per call and never changes a result.
#pragma once

#include <cstdint>

#include "rvl/rvl_core.h"

namespace rvl {

// Outputs below this size always use ordinary stores.
constexpr std::int64_t kStreamingMin = std::int64_t{2} << 20;  // 2 MiB

inline bool stream_output(std::int64_t bytesWritten) {
    if (bytesWritten < kStreamingMin) return false;
    int cacheBytes = 0;
    if (rvlGetMaxCacheSizeB(&cacheBytes) != 0) return false;
    return bytesWritten >= cacheBytes;
}

}  // namespace rvl
