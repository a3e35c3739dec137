// The general filter's specification and sizes.
//
// The specification is used from the first 64-byte-aligned address of the
// caller's block: a 128-byte header (FilterSpecData), then the kernel in its
// storage forms (see below). The loops walk the taps in kernel order, which
// makes the result a correlation.
#pragma once

#include <cstdint>
#include <type_traits>

#include "rvl.h"

namespace rvl::filter {

// Implementation ids: which data type and which arithmetic.
enum Id : std::int32_t {
    kInt8u = 0,    // 8u data, integer kernel
    kInt16s = 1,   // 16s data, integer kernel
    kInt16u = 2,   // 16u data, integer kernel (served by the workers, never built by Init)
    kFloat8u = 3,  // 8u data, f32 kernel
    kFloat16s = 4,
    kFloat16u = 5,
    kFloat32f = 6,
    kFloat64f = 7
};

constexpr std::int32_t kAccurateFlag = 16;

// Divisor classes of the integer kernels.
enum DivisorClass : std::int32_t { kDivisorOne = 0, kDivisorPowerOfTwo = 1, kDivisorOther = 2 };

struct FilterSpecData {
    std::int32_t id;
    std::int32_t kw, kh;
    std::int32_t divisorClass;
    std::int32_t shift;        // s of a divisor 2^s
    std::int32_t roundConst;   // 2^(s-1)
    float reciprocal;          // 1 / divisor
    float divisorF;
    double divisorD;
    std::int32_t divisor;
    std::int32_t mask;         // 2^s - 1
    std::int32_t roundMode;    // mode 0/1/2, | kAccurateFlag
    std::int32_t offset;
    float offsetF;             // offset * divisor for integer kernels, else offset
    std::int32_t hint;
    std::int32_t pairedMadd;   // no coefficient is 32767 or -32768
    std::int32_t channels;
    std::int64_t absSum;       // sum of |K| of an integer kernel
    std::int32_t bytePairs;    // 8u kernel served by the byte multiply-add loop
};
static_assert(sizeof(FilterSpecData) <= 128, "the header has 128 bytes");

constexpr std::int64_t kHeaderBytes = 128;

inline bool integer_id(std::int32_t id) { return id == kInt8u || id == kInt16s || id == kInt16u; }

// Kernel storage after the header, each area a multiple of 64 bytes:
//   reversed coefficients (int16, f32 or f64);
//   integer kernels: the taps in kernel order two at a time (taps 2q and
//     2q+1, the last of an odd count paired with 0) for the multiply-add
//     loops, as 16-byte registers: four int16 pairs, or, for the byte loop,
//     eight int8 pairs;
//   f32 kernels: every coefficient repeated four times, in kernel order.
template <class K>
inline K* reversed_kernel(FilterSpecData* h) { return reinterpret_cast<K*>(reinterpret_cast<char*>(h) + kHeaderBytes); }
template <class K>
inline const K* reversed_kernel(const FilterSpecData* h) {
    return reinterpret_cast<const K*>(reinterpret_cast<const char*>(h) + kHeaderBytes);
}
inline std::int64_t pairs_offset(std::int64_t kw, std::int64_t kh) { return kHeaderBytes + ((2 * kw * kh + 63) & ~63); }
inline std::int64_t quads_offset(std::int64_t kw, std::int64_t kh) {
    return kHeaderBytes + ((4 * kw * kh + 63) & ~63) + ((((kw + 1) >> 1) * 8 * kh * 4 + 63) & ~63);
}
template <class V>
inline const V* pair_registers(const FilterSpecData* h) {
    return reinterpret_cast<const V*>(reinterpret_cast<const char*>(h) + pairs_offset(h->kw, h->kh));
}
template <class V>
inline const V* coefficient_registers(const FilterSpecData* h) {
    return reinterpret_cast<const V*>(reinterpret_cast<const char*>(h) + quads_offset(h->kw, h->kh));
}

// Element size of a data-type code; 0 for codes the filter does not take.
inline int element_bytes(int dataType) {
    switch (dataType) {
        case rvlType8u: return 1;
        case rvlType16u:
        case rvlType16s: return 2;
        case rvlType32f: return 4;
        case rvlType64f: return 8;
        default: return 0;
    }
}

struct FilterSizes {
    std::int64_t spec;
    std::int64_t buffer;
    std::int64_t borderBytes;  // the bordered-pixel part of the buffer
};

// The sizes GetSize reports (arguments already validated); also what a
// worker may use of the buffer it is given.
FilterSizes filter_sizes(std::int64_t kw, std::int64_t kh, std::int64_t width, std::int64_t height, int dataType,
                         int kernelType, int channels);

// Buffer size of the convolution without border.
std::int64_t filter64_buffer(std::int64_t kw, std::int64_t kh, std::int64_t width);

// Kernel type a specification of this id was sized with.
inline int kernel_type_of(std::int32_t id) { return integer_id(id) ? rvlType16s : id == kFloat64f ? rvlType64f : rvlType32f; }

}  // namespace rvl::filter
