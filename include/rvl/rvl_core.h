/*
 * rvlcore — the core services the image library imports: aligned memory and
 * the processor's cache size. Applications rarely call these directly.
 */
#ifndef RVL_CORE_H
#define RVL_CORE_H

#include "rvl_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/** A 64-byte-aligned block of at least `length` bytes (length >= 1), or NULL. */
RVL_API void* rvlMalloc(int length);
/** The same for 64-bit lengths. */
RVL_API void* rvlMalloc_L(int64_t length);
/** Release a block of rvlMalloc / rvlMalloc_L; NULL is accepted. */
RVL_API void rvlFree(void* ptr);
/** Size in bytes of the processor's largest cache. Returns 0 and writes the
 * size, rvlResNullPointer for a NULL output, rvlResUnsupportedMode when the
 * processor does not report its caches. */
RVL_API RvlResult rvlGetMaxCacheSizeB(int* pSizeByte);

#ifdef __cplusplus
}
#endif

#endif /* RVL_CORE_H */
