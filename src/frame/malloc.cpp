// Image allocation: rvliMalloc_<type>_<layout>[_L] and rvliFree.
//
// An image is one block of step x height bytes from the core allocator, the
// step being the row size rounded up to a multiple of 64, so that every row
// starts as aligned as the block. Failure is a null return; the step output
// tells why (0 for sizes that cannot be represented, the computed step when
// only the total is too large or the allocator refused).
#include <cstdint>

#include "frame/entry.hpp"
#include "rvl/rvl_core.h"

namespace rvl {
namespace {

constexpr std::int64_t kMax32 = 0x7FFFFFFF;

// 32-bit form. The step is written before the total is tested; a row whose
// rounded step no longer fits an int32 reads back negative, which the
// unsigned total test then rejects.
template <class T, int Channels>
T* malloc_image(int widthPixels, int heightPixels, int* pStepBytes) {
    if (pStepBytes == nullptr) return nullptr;
    if (widthPixels < 1 || heightPixels < 1) {
        *pStepBytes = 0;
        return nullptr;
    }
    const std::int64_t rowBytes = std::int64_t{widthPixels} * std::int64_t{sizeof(T) * Channels};
    if (rowBytes > kMax32) {
        *pStepBytes = 0;
        return nullptr;
    }
    const auto step = static_cast<std::int32_t>(static_cast<std::uint32_t>((rowBytes + 63) & ~std::int64_t{63}));
    *pStepBytes = step;
    const std::int64_t total = std::int64_t{step} * heightPixels;
    if (static_cast<std::uint64_t>(total) > static_cast<std::uint64_t>(kMax32)) return nullptr;
    return static_cast<T*>(rvlMalloc(static_cast<int>(total)));
}

// 64-bit form.
template <class T, int Channels>
T* malloc_image_L(std::int64_t widthPixels, std::int64_t heightPixels, std::int64_t* pStepBytes) {
    if (pStepBytes == nullptr) return nullptr;
    if (widthPixels < 1 || heightPixels < 1) {
        *pStepBytes = 0;
        return nullptr;
    }
    std::int64_t rowBytes = 0;
    if (__builtin_mul_overflow(widthPixels, std::int64_t{sizeof(T) * Channels}, &rowBytes)) {
        *pStepBytes = 0;
        return nullptr;
    }
    const auto step = static_cast<std::int64_t>((static_cast<std::uint64_t>(rowBytes) + 63) & ~std::uint64_t{63});
    if (step < rowBytes) {
        *pStepBytes = 0;
        return nullptr;
    }
    *pStepBytes = step;
    std::int64_t total = 0;
    if (__builtin_mul_overflow(step, heightPixels, &total)) return nullptr;
    return static_cast<T*>(rvlMalloc_L(total));
}

void free_image(void* ptr) { rvlFree(ptr); }

}  // namespace

RVL_BIND(rvliMalloc_8u_C1, malloc_image<Rvl8u, 1>);
RVL_BIND(rvliMalloc_8u_C2, malloc_image<Rvl8u, 2>);
RVL_BIND(rvliMalloc_8u_C3, malloc_image<Rvl8u, 3>);
RVL_BIND(rvliMalloc_8u_C4, malloc_image<Rvl8u, 4>);
RVL_BIND(rvliMalloc_8u_AC4, malloc_image<Rvl8u, 4>);
RVL_BIND(rvliMalloc_8u_C1_L, malloc_image_L<Rvl8u, 1>);
RVL_BIND(rvliMalloc_8u_C2_L, malloc_image_L<Rvl8u, 2>);
RVL_BIND(rvliMalloc_8u_C3_L, malloc_image_L<Rvl8u, 3>);
RVL_BIND(rvliMalloc_8u_C4_L, malloc_image_L<Rvl8u, 4>);
RVL_BIND(rvliMalloc_8u_AC4_L, malloc_image_L<Rvl8u, 4>);
RVL_BIND(rvliMalloc_16u_C1, malloc_image<Rvl16u, 1>);
RVL_BIND(rvliMalloc_16u_C2, malloc_image<Rvl16u, 2>);
RVL_BIND(rvliMalloc_16u_C3, malloc_image<Rvl16u, 3>);
RVL_BIND(rvliMalloc_16u_C4, malloc_image<Rvl16u, 4>);
RVL_BIND(rvliMalloc_16u_AC4, malloc_image<Rvl16u, 4>);
RVL_BIND(rvliMalloc_16u_C1_L, malloc_image_L<Rvl16u, 1>);
RVL_BIND(rvliMalloc_16u_C2_L, malloc_image_L<Rvl16u, 2>);
RVL_BIND(rvliMalloc_16u_C3_L, malloc_image_L<Rvl16u, 3>);
RVL_BIND(rvliMalloc_16u_C4_L, malloc_image_L<Rvl16u, 4>);
RVL_BIND(rvliMalloc_16u_AC4_L, malloc_image_L<Rvl16u, 4>);
RVL_BIND(rvliMalloc_16s_C1, malloc_image<Rvl16s, 1>);
RVL_BIND(rvliMalloc_16s_C2, malloc_image<Rvl16s, 2>);
RVL_BIND(rvliMalloc_16s_C3, malloc_image<Rvl16s, 3>);
RVL_BIND(rvliMalloc_16s_C4, malloc_image<Rvl16s, 4>);
RVL_BIND(rvliMalloc_16s_AC4, malloc_image<Rvl16s, 4>);
RVL_BIND(rvliMalloc_16s_C1_L, malloc_image_L<Rvl16s, 1>);
RVL_BIND(rvliMalloc_16s_C2_L, malloc_image_L<Rvl16s, 2>);
RVL_BIND(rvliMalloc_16s_C3_L, malloc_image_L<Rvl16s, 3>);
RVL_BIND(rvliMalloc_16s_C4_L, malloc_image_L<Rvl16s, 4>);
RVL_BIND(rvliMalloc_16s_AC4_L, malloc_image_L<Rvl16s, 4>);
RVL_BIND(rvliMalloc_32s_C1, malloc_image<Rvl32s, 1>);
RVL_BIND(rvliMalloc_32s_C2, malloc_image<Rvl32s, 2>);
RVL_BIND(rvliMalloc_32s_C3, malloc_image<Rvl32s, 3>);
RVL_BIND(rvliMalloc_32s_C4, malloc_image<Rvl32s, 4>);
RVL_BIND(rvliMalloc_32s_AC4, malloc_image<Rvl32s, 4>);
RVL_BIND(rvliMalloc_32s_C1_L, malloc_image_L<Rvl32s, 1>);
RVL_BIND(rvliMalloc_32s_C2_L, malloc_image_L<Rvl32s, 2>);
RVL_BIND(rvliMalloc_32s_C3_L, malloc_image_L<Rvl32s, 3>);
RVL_BIND(rvliMalloc_32s_C4_L, malloc_image_L<Rvl32s, 4>);
RVL_BIND(rvliMalloc_32s_AC4_L, malloc_image_L<Rvl32s, 4>);
RVL_BIND(rvliMalloc_32f_C1, malloc_image<Rvl32f, 1>);
RVL_BIND(rvliMalloc_32f_C2, malloc_image<Rvl32f, 2>);
RVL_BIND(rvliMalloc_32f_C3, malloc_image<Rvl32f, 3>);
RVL_BIND(rvliMalloc_32f_C4, malloc_image<Rvl32f, 4>);
RVL_BIND(rvliMalloc_32f_AC4, malloc_image<Rvl32f, 4>);
RVL_BIND(rvliMalloc_32f_C1_L, malloc_image_L<Rvl32f, 1>);
RVL_BIND(rvliMalloc_32f_C2_L, malloc_image_L<Rvl32f, 2>);
RVL_BIND(rvliMalloc_32f_C3_L, malloc_image_L<Rvl32f, 3>);
RVL_BIND(rvliMalloc_32f_C4_L, malloc_image_L<Rvl32f, 4>);
RVL_BIND(rvliMalloc_32f_AC4_L, malloc_image_L<Rvl32f, 4>);
RVL_BIND(rvliMalloc_32sc_C1, malloc_image<Rvl32sc, 1>);
RVL_BIND(rvliMalloc_32sc_C2, malloc_image<Rvl32sc, 2>);
RVL_BIND(rvliMalloc_32sc_C3, malloc_image<Rvl32sc, 3>);
RVL_BIND(rvliMalloc_32sc_C4, malloc_image<Rvl32sc, 4>);
RVL_BIND(rvliMalloc_32sc_AC4, malloc_image<Rvl32sc, 4>);
RVL_BIND(rvliMalloc_32sc_C1_L, malloc_image_L<Rvl32sc, 1>);
RVL_BIND(rvliMalloc_32sc_C2_L, malloc_image_L<Rvl32sc, 2>);
RVL_BIND(rvliMalloc_32sc_C3_L, malloc_image_L<Rvl32sc, 3>);
RVL_BIND(rvliMalloc_32sc_C4_L, malloc_image_L<Rvl32sc, 4>);
RVL_BIND(rvliMalloc_32sc_AC4_L, malloc_image_L<Rvl32sc, 4>);
RVL_BIND(rvliMalloc_32fc_C1, malloc_image<Rvl32fc, 1>);
RVL_BIND(rvliMalloc_32fc_C2, malloc_image<Rvl32fc, 2>);
RVL_BIND(rvliMalloc_32fc_C3, malloc_image<Rvl32fc, 3>);
RVL_BIND(rvliMalloc_32fc_C4, malloc_image<Rvl32fc, 4>);
RVL_BIND(rvliMalloc_32fc_AC4, malloc_image<Rvl32fc, 4>);
RVL_BIND(rvliMalloc_32fc_C1_L, malloc_image_L<Rvl32fc, 1>);
RVL_BIND(rvliMalloc_32fc_C2_L, malloc_image_L<Rvl32fc, 2>);
RVL_BIND(rvliMalloc_32fc_C3_L, malloc_image_L<Rvl32fc, 3>);
RVL_BIND(rvliMalloc_32fc_C4_L, malloc_image_L<Rvl32fc, 4>);
RVL_BIND(rvliMalloc_32fc_AC4_L, malloc_image_L<Rvl32fc, 4>);

RVL_BIND(rvliFree, free_image);

}  // namespace rvl
