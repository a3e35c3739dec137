// Moving and filling elements: plain and streamed copies, per-channel fills,
// masked runs and the channel shuffles of the layout conversions.
#pragma once

#include <emmintrin.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "kernels/map.hpp"
#include "kernels/vec.hpp"

namespace rvl {

// ---- Copies -----------------------------------------------------------------

// Copies bytes with cache-bypassing stores: the destination is first brought
// to a 64-byte boundary with ordinary stores, then written a cache line at a
// time, and the tail is copied normally.
inline void stream_copy_bytes(const unsigned char* src, unsigned char* dst, std::size_t bytes) {
    std::size_t lead = (64 - reinterpret_cast<std::uintptr_t>(dst) % 64) % 64;
    if (lead > bytes) lead = bytes;
    std::memcpy(dst, src, lead);
    std::size_t i = lead;
    for (; i + 64 <= bytes; i += 64)
        for (std::size_t k = 0; k < 64; k += vec::kBytes) vec::put<true>(dst + i + k, vec::loadu(src + i + k));
    _mm_sfence();
    std::memcpy(dst + i, src + i, bytes - i);
}

// A bit-exact copy of n elements (any type), cached or streamed.
template <Store St = Store::Cached>
struct CopyKernel {
    template <class T>
    void operator()(const T* src, T* dst, std::size_t n) const {
        if constexpr (St == Store::NonTemporal)
            stream_copy_bytes(reinterpret_cast<const unsigned char*>(src), reinterpret_cast<unsigned char*>(dst),
                              n * sizeof(T));
        else
            std::memmove(dst, src, n * sizeof(T));  // in-place callers may pass the same row
    }
};

// ---- Fills ------------------------------------------------------------------

// Fills n elements with a per-channel pattern value[0..C-1], repeated, the
// row starting at channel 0.
//
// Rows of some length are written from three registers of a prepared
// pattern (a whole number of pixels for every element size and channel
// count up to 4) after the lead elements, with ordinary or cache-bypassing
// stores; cached single-byte fills use memset. Short rows are written
// element by element.
template <Store St, class T, int C>
struct FillKernel {
    static constexpr std::size_t kPatternElements = 3 * vec::lanes<T> + 4;
    T value[C];
    alignas(16) T pattern[kPatternElements];

    explicit FillKernel(const T (&v)[C]) {
        std::copy(v, v + C, value);
        for (std::size_t k = 0; k < kPatternElements; ++k) pattern[k] = value[k % C];
    }

    void operator()(T* dst, std::size_t n) const {
        if (n < 64) {
            for (std::size_t j = 0; j < n; ++j) dst[j] = value[j % C];
        } else if constexpr (St == Store::Cached && sizeof(T) == 1 && C == 1) {
            std::memset(dst, value[0], n);
        } else {
            registers(dst, n);
        }
    }

private:
    // The lead elements one at a time up to the register width, then three
    // registers of the pattern (a whole number of pixels) at a time.
    void registers(T* dst, std::size_t n) const {
        constexpr std::size_t L = vec::lanes<T>;
        std::size_t i = std::min(lead_to<vec::kBytes>(dst), n);
        for (std::size_t j = 0; j < i; ++j) dst[j] = value[j % C];
        if (reinterpret_cast<std::uintptr_t>(dst + i) % vec::kBytes == 0) {
            constexpr bool kStream = St == Store::NonTemporal;
            const T* p = pattern + i % C;
            auto load = [](const T* q) { return vec::loadu(static_cast<const void*>(q)); };
            const vec::I p0 = load(p), p1 = load(p + L), p2 = load(p + 2 * L);
            for (; i + 3 * L <= n; i += 3 * L) {
                vec::put<kStream>(dst + i, p0);
                vec::put<kStream>(dst + i + L, p1);
                vec::put<kStream>(dst + i + 2 * L, p2);
            }
            if (kStream) _mm_sfence();
        }
        for (std::size_t j = i; j < n; ++j) dst[j] = value[j % C];
    }
};

// ---- Masked runs ------------------------------------------------------------

// Calls run(x, count) for the pixels of a row whose mask byte is non-zero,
// grouping them into runs. Sixty-four mask bytes are tested at once (one to
// four registers), so all-zero and all-set stretches cost a few instructions
// per 64 pixels, and a mixed stretch one step per run in it. Pixels whose
// mask is zero are never touched.
template <class Run>
inline void for_masked_runs(const unsigned char* mask, std::size_t width, Run&& run) {
    std::size_t runStart = 0, runLength = 0;
    auto add = [&](std::size_t at, std::size_t count) {
        if (runLength && runStart + runLength == at) {
            runLength += count;
        } else {
            if (runLength) run(runStart, runLength);
            runStart = at;
            runLength = count;
        }
    };
    std::size_t x = 0;
    for (; x + 64 <= width; x += 64) {
        std::uint64_t zeros = 0;
        for (std::size_t k = 0; k < 64; k += vec::kBytes) zeros |= vec::zero_bytes(mask + x + k) << k;
        // The set bits of `set` are the pixels to copy, taken run by run.
        for (std::uint64_t set = ~zeros; set != 0;) {
            const int first = __builtin_ctzll(set);
            const std::uint64_t from = set >> first;
            const int length = ~from == 0 ? 64 - first : __builtin_ctzll(~from);
            add(x + static_cast<std::size_t>(first), static_cast<std::size_t>(length));
            set = first + length >= 64 ? 0 : set & (~std::uint64_t{0} << (first + length));
        }
    }
    for (; x < width; ++x)
        if (mask[x]) add(x, 1);
    if (runLength) run(runStart, runLength);
}

// Bytes of a 64-byte register of four-channel pixels of T that belong to
// channels 0-2.
template <class T>
inline constexpr std::uint64_t kThreeOfFourBytes = [] {
    std::uint64_t m = 0;
    for (unsigned b = 0; b < 64; ++b)
        if ((b / sizeof(T)) % 4 != 3) m |= std::uint64_t{1} << b;
    return m;
}();

// Copies the first three channels of each four-channel pixel; the fourth
// is never written. The widest registers store with a byte mask that leaves
// the fourth channel's bytes out; narrower ones go element by element.
template <class T>
inline void copy_three_of_four(const T* src, T* dst, std::size_t pixels) {
    std::size_t x = 0;
#if RVL_VEC_BYTES == 64
    constexpr std::size_t kPixels = 64 / (4 * sizeof(T));
    for (; x + kPixels <= pixels; x += kPixels)
        _mm512_mask_storeu_epi8(dst + 4 * x, kThreeOfFourBytes<T>, _mm512_loadu_si512(src + 4 * x));
#endif
    for (; x < pixels; ++x) {
        dst[4 * x + 0] = src[4 * x + 0];
        dst[4 * x + 1] = src[4 * x + 1];
        dst[4 * x + 2] = src[4 * x + 2];
    }
}

}  // namespace rvl
