// Walking images: rows, whole contiguous images, AC4 blocks and the 64-bit
// (_L) paths. Families describe what happens to one row; these templates
// decide how the rows are visited and how the statuses of the rows combine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "frame/check.hpp"
#include "kernels/copy.hpp"
#include "rvl.h"

namespace rvl {

// Pointer to row y of an image whose rows are `step` bytes apart.
template <class T>
inline T* row_at(T* base, std::int64_t step, std::int64_t y) {
    using Byte = std::conditional_t<std::is_const_v<T>, const char, char>;
    return reinterpret_cast<T*>(reinterpret_cast<Byte*>(base) + step * y);
}

// Calls f(args...) and gives its status; kernels that cannot fail return void.
template <class F, class... A>
inline RvlResult status_of(F&& f, A&&... args) {
    if constexpr (std::is_void_v<std::invoke_result_t<F, A...>>) {
        f(static_cast<A&&>(args)...);
        return rvlResOk;
    } else {
        return f(static_cast<A&&>(args)...);
    }
}

// Visits rows 0 .. height-1, top to bottom. A warning from a row does not stop
// the walk; the first non-zero status met is returned after the last row. An
// error ends the walk at once.
template <class RowFn>
inline RvlResult for_rows(std::int64_t height, RowFn&& row) {
    RvlResult first = rvlResOk;
    for (std::int64_t y = 0; y < height; ++y) {
        const RvlResult st = status_of(row, y);
        if (st < 0) return st;
        if (first == rvlResOk) first = st;
    }
    return first;
}

// Channels stored per pixel of a layout (AC4 stores four).
template <RvlChannels L>
constexpr int stored_channels = (L == rvlChannelsAC4) ? 4 : static_cast<int>(L);

// ---- AC4 ----------------------------------------------------------------
//
// An AC4 row is processed in blocks of at most 256 pixels: the operation
// writes all four channels of a block into a 16-byte-aligned scratch block on
// the stack, and the first three channels of each pixel are copied from there
// to the destination. The destination's alpha channel is never written, not
// even with its own value.

constexpr std::int64_t kAc4BlockPixels = 256;

template <class S, class D, class Kernel>
inline RvlResult ac4_row(const S* src, D* dst, std::int64_t width, const Kernel& kernel) {
    alignas(16) D scratch[4 * kAc4BlockPixels];
    RvlResult first = rvlResOk;
    for (std::int64_t x = 0; x < width; x += kAc4BlockPixels) {
        const std::int64_t n = (width - x < kAc4BlockPixels) ? width - x : kAc4BlockPixels;
        const RvlResult st = status_of(kernel, src + 4 * x, scratch, static_cast<std::size_t>(4 * n));
        if (st < 0) return st;
        if (first == rvlResOk) first = st;
        copy_three_of_four(scratch, dst + 4 * x, static_cast<std::size_t>(n));
    }
    return first;
}

// ---- One source, one destination ------------------------------------------
//
// Runs a 1-D kernel(src, dst, elements) over an image of layout L, from
// source elements S to destination elements D. C1, C3 and C4 rows are one
// kernel call over width x channels elements; when both images' rows are
// contiguous the whole image is one call. src may equal dst (in-place forms
// pass the same image twice).
template <RvlChannels L, class S, class D, class Kernel>
inline RvlResult map_image(const S* src, std::int64_t srcStep, D* dst, std::int64_t dstStep,
                           std::int64_t width, std::int64_t height, const Kernel& kernel) {
    if constexpr (L == rvlChannelsAC4) {
        return for_rows(height, [&](std::int64_t y) {
            return ac4_row(row_at(src, srcStep, y), row_at(dst, dstStep, y), width, kernel);
        });
    } else {
        const std::int64_t n = width * static_cast<int>(L);
        if (srcStep == n * std::int64_t{sizeof(S)} && dstStep == n * std::int64_t{sizeof(D)})
            return status_of(kernel, src, dst, static_cast<std::size_t>(n * height));
        return for_rows(height, [&](std::int64_t y) {
            return status_of(kernel, row_at(src, srcStep, y), row_at(dst, dstStep, y),
                             static_cast<std::size_t>(n));
        });
    }
}

// The same for a destination only (fills): kernel(dst, elements). Rows of
// whole pixels keep a per-channel pattern in phase when merged.
template <int Channels, class D, class Kernel>
inline RvlResult fill_image(D* dst, std::int64_t dstStep, std::int64_t width, std::int64_t height,
                            const Kernel& kernel) {
    const std::int64_t n = width * Channels;
    if (dstStep == n * std::int64_t{sizeof(D)}) return status_of(kernel, dst, static_cast<std::size_t>(n * height));
    return for_rows(height, [&](std::int64_t y) {
        return status_of(kernel, row_at(dst, dstStep, y), static_cast<std::size_t>(n));
    });
}

// ---- The 64-bit (_L) path -------------------------------------------------

// Largest piece of a row handed to a 1-D kernel by the 64-bit walkers.
constexpr std::int64_t kMaxPieceElements = 0x3FFFFFFF;

inline std::int64_t abs64(std::int64_t v) { return v < 0 ? -v : v; }

// True when a 32-bit twin can do the work of an _L call: every |step| and the
// ROI's byte count |width x height x bytesPerPixel| are below 0x7FFFFFFF.
template <class... S>
inline bool fits_32bit(RvlSizeL roi, std::int64_t bytesPerPixel, S... steps) {
    constexpr std::int64_t kLimit = 0x7FFFFFFF;
    if (((abs64(steps) >= kLimit) || ...)) return false;
    std::int64_t pixels = 0, bytes = 0;
    if (__builtin_mul_overflow(roi.width, roi.height, &pixels)) return false;
    if (__builtin_mul_overflow(pixels, bytesPerPixel, &bytes)) return false;
    return abs64(bytes) < kLimit;
}

inline RvlSize narrow(RvlSizeL roi) {
    return RvlSize{static_cast<std::int32_t>(roi.width), static_cast<std::int32_t>(roi.height)};
}

// Visits every row in pieces of at most MaxPiece elements: piece(y, offset,
// length). A negative status ends the walk; otherwise the status of the last
// piece is the result.
template <std::int64_t MaxPiece = kMaxPieceElements, class PieceFn>
inline RvlResult for_row_pieces(std::int64_t height, std::int64_t rowElements, PieceFn&& piece) {
    RvlResult last = rvlResOk;
    for (std::int64_t y = 0; y < height; ++y) {
        for (std::int64_t x = 0; x < rowElements; x += MaxPiece) {
            const std::int64_t n = (rowElements - x < MaxPiece) ? rowElements - x : MaxPiece;
            last = status_of(piece, y, x, n);
            if (last < 0) return last;
        }
    }
    return last;
}

}  // namespace rvl
