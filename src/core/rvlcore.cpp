// rvlcore: aligned allocation and the processor's largest cache size, the
// services the image library imports.
#include "rvl/rvl_core.h"

#include <cpuid.h>

#include <cstdint>
#include <cstdlib>

namespace {

constexpr std::size_t kAlignment = 64;

void* aligned_block(std::uint64_t length) {
    if (length < 1) return nullptr;
    // aligned_alloc wants a multiple of the alignment.
    const std::uint64_t rounded = (length + kAlignment - 1) & ~std::uint64_t{kAlignment - 1};
    if (rounded < length) return nullptr;
    return std::aligned_alloc(kAlignment, rounded);
}

// Largest cache reported by the deterministic cache-parameter leaves (leaf 4
// on Intel, 0x8000001D on AMD): ways x partitions x line size x sets.
std::uint64_t largest_cache_from_leaf(unsigned leaf) {
    unsigned maxLeaf = __get_cpuid_max(leaf & 0x80000000u, nullptr);
    if (maxLeaf < leaf) return 0;
    std::uint64_t largest = 0;
    for (unsigned i = 0; i < 16; ++i) {
        unsigned a = 0, b = 0, c = 0, d = 0;
        __cpuid_count(leaf, i, a, b, c, d);
        if ((a & 31u) == 0) break;  // no more caches
        const std::uint64_t size = std::uint64_t{((b >> 22) & 1023u) + 1} * (((b >> 12) & 1023u) + 1) *
                                   ((b & 4095u) + 1) * (std::uint64_t{c} + 1);
        if (size > largest) largest = size;
    }
    return largest;
}

// AMD's older extended leaf: L2 in KiB (ECX[31:16]), L3 in 512 KiB units
// (EDX[31:18]).
std::uint64_t largest_cache_from_legacy_amd() {
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__get_cpuid(0x80000006u, &a, &b, &c, &d)) return 0;
    const std::uint64_t l2 = std::uint64_t{c >> 16} * 1024;
    const std::uint64_t l3 = std::uint64_t{d >> 18} * 512 * 1024;
    return l3 > l2 ? l3 : l2;
}

std::uint64_t largest_cache() {
    std::uint64_t size = largest_cache_from_leaf(4);
    if (size == 0) size = largest_cache_from_leaf(0x8000001Du);
    if (size == 0) size = largest_cache_from_legacy_amd();
    return size;
}

}  // namespace

extern "C" {

void* rvlMalloc(int length) { return length < 1 ? nullptr : aligned_block(static_cast<std::uint64_t>(length)); }

void* rvlMalloc_L(int64_t length) { return length < 1 ? nullptr : aligned_block(static_cast<std::uint64_t>(length)); }

void rvlFree(void* ptr) { std::free(ptr); }

RvlResult rvlGetMaxCacheSizeB(int* pSizeByte) {
    if (pSizeByte == nullptr) return rvlResNullPointer;
    // The caches do not change while the process runs, and each cpuid
    // instruction traps to the hypervisor in a virtual machine (tens of
    // microseconds for the whole walk, paid by every large image call):
    // the walk runs once, on first use, and its answer is kept as a
    // constant (initialised under the compiler's thread-safe guard).
    static const std::uint64_t size = largest_cache();
    if (size == 0) return rvlResUnsupportedMode;
    *pSizeByte = size > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(size);
    return rvlResOk;
}

}  // extern "C"
