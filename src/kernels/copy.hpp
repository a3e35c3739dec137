// Moving and filling elements: plain and streamed copies, per-channel fills,
// masked runs and the channel shuffles of the layout conversions.
#pragma once

#include <emmintrin.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "kernels/map.hpp"
#include "kernels/simd.hpp"

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
    for (; i + 64 <= bytes; i += 64) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i + 16));
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i + 32));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i + 48));
        _mm_stream_si128(reinterpret_cast<__m128i*>(dst + i), a);
        _mm_stream_si128(reinterpret_cast<__m128i*>(dst + i + 16), b);
        _mm_stream_si128(reinterpret_cast<__m128i*>(dst + i + 32), c);
        _mm_stream_si128(reinterpret_cast<__m128i*>(dst + i + 48), d);
    }
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
// row starting at channel 0. After the lead elements, 16-byte blocks are
// written from three prepared registers (48 bytes hold a whole number of
// pixels for every element size and C <= 4).
template <Store St, class T, int C>
struct FillKernel {
    T value[C];

    explicit FillKernel(const T (&v)[C]) { std::copy(v, v + C, value); }

    void operator()(T* dst, std::size_t n) const {
        constexpr std::size_t L = simd::lanes<T>;
        std::size_t i = std::min(simd::lead_to_alignment(dst), n);
        for (std::size_t j = 0; j < i; ++j) dst[j] = value[j % C];
        alignas(16) T pattern[3 * L];
        for (std::size_t k = 0; k < 3 * L; ++k) pattern[k] = value[(i + k) % C];
        const auto p0 = simd::loadu(pattern), p1 = simd::loadu(pattern + L), p2 = simd::loadu(pattern + 2 * L);
        const bool aligned = reinterpret_cast<std::uintptr_t>(dst + i) % simd::kVectorBytes == 0;
        auto fill = [&](auto store) {
            for (; i + 3 * L <= n; i += 3 * L) {
                store(dst + i, p0);
                store(dst + i + L, p1);
                store(dst + i + 2 * L, p2);
            }
        };
        if (St == Store::NonTemporal && aligned) {
            fill([](T* p, auto v) { simd::stream(p, v); });
            _mm_sfence();
        } else {
            fill([](T* p, auto v) { simd::storeu(p, v); });
        }
        for (std::size_t j = i; j < n; ++j) dst[j] = value[j % C];
    }
};

// ---- Masked runs ------------------------------------------------------------

// Calls run(x, count) for the pixels of a row whose mask byte is non-zero,
// grouping them into runs. Sixteen mask bytes at a time are tested at once,
// so all-zero and all-set stretches cost one comparison. Pixels whose mask
// is zero are never touched.
template <class Run>
inline void for_masked_runs(const unsigned char* mask, std::size_t width, Run&& run) {
    std::size_t x = 0;
    std::size_t runStart = 0, runLength = 0;
    auto flush = [&] {
        if (runLength) run(runStart, runLength);
        runLength = 0;
    };
    auto add = [&](std::size_t at, std::size_t count) {
        if (runLength && runStart + runLength == at) {
            runLength += count;
        } else {
            flush();
            runStart = at;
            runLength = count;
        }
    };
    for (; x + 16 <= width; x += 16) {
        const __m128i m = _mm_loadu_si128(reinterpret_cast<const __m128i*>(mask + x));
        const int zeros = _mm_movemask_epi8(_mm_cmpeq_epi8(m, _mm_setzero_si128()));
        if (zeros == 0xFFFF) continue;
        if (zeros == 0) {
            add(x, 16);
            continue;
        }
        for (std::size_t k = 0; k < 16; ++k)
            if (!(zeros >> k & 1)) add(x + k, 1);
    }
    for (; x < width; ++x)
        if (mask[x]) add(x, 1);
    flush();
}

// Copies the first three channels of each four-channel pixel; the fourth
// is never written.
template <class T>
inline void copy_three_of_four(const T* src, T* dst, std::size_t pixels) {
    for (std::size_t x = 0; x < pixels; ++x) {
        dst[4 * x + 0] = src[4 * x + 0];
        dst[4 * x + 1] = src[4 * x + 1];
        dst[4 * x + 2] = src[4 * x + 2];
    }
}

}  // namespace rvl
