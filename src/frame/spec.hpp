// The specification protocol shared by every family with precomputed state.
//
//   GetSize  -> the caller allocates -> Init -> worker(spec, work buffer)
//
// Sizes are computed in 64 bits and reported through report_size, which
// turns anything above 0x7FFFFFFF into rvlResSizeOverflow with a 0 size.
// Specifications and work buffers are used from their first 64-byte-aligned
// address on, so every reported size carries the slack for that; a
// specification is read-only after Init, which lets one specification serve
// concurrent calls with separate work buffers. BufferCarver hands out the
// aligned pieces of a work buffer in the order a worker lays them out.
#pragma once

#include <cstddef>
#include <cstdint>

#include "rvl.h"

namespace rvl {

constexpr std::int64_t kMaxReportedSize = 0x7FFFFFFF;

// The first 64-byte-aligned address at or after p.
template <class T, class P>
inline T* align64(P* p) {
    const auto a = reinterpret_cast<std::uintptr_t>(p);
    return reinterpret_cast<T*>((a + 63) & ~std::uintptr_t{63});
}

inline std::int64_t round_up(std::int64_t n, std::int64_t to) { return (n + to - 1) / to * to; }

// Writes a computed size; rvlResSizeOverflow and 0 when it does not fit.
inline RvlResult report_size(std::int64_t bytes, int* out) {
    if (bytes > kMaxReportedSize || bytes < 0) {
        *out = 0;
        return rvlResSizeOverflow;
    }
    *out = static_cast<int>(bytes);
    return rvlResOk;
}

// The same for sizes computed in 128 bits (products of several extents).
inline RvlResult report_size(__int128 bytes, int* out) {
    return report_size(bytes > kMaxReportedSize ? kMaxReportedSize + 1 : bytes < 0 ? std::int64_t{-1} : static_cast<std::int64_t>(bytes), out);
}

// Consecutive pieces of a caller buffer, each at the alignment asked for.
class BufferCarver {
public:
    explicit BufferCarver(void* buffer) : next_(static_cast<std::uint8_t*>(buffer)) {}
    template <class T>
    T* take(std::int64_t bytes, std::uintptr_t alignment = 64) {
        const auto a = (reinterpret_cast<std::uintptr_t>(next_) + alignment - 1) & ~(alignment - 1);
        T* piece = reinterpret_cast<T*>(a);
        next_ = reinterpret_cast<std::uint8_t*>(a) + bytes;
        return piece;
    }

private:
    std::uint8_t* next_;
};

}  // namespace rvl
