/*
 * rvl — image functions (rvli...).
 *
 * Images are caller memory: a pointer to the first pixel of the region of
 * interest (ROI), a row step in bytes and the ROI size in pixels. Every
 * function returns an RvlResult unless noted. Sections follow the library's
 * subsystems; each later family adds its section here.
 */
#ifndef RVL_IMAGE_H
#define RVL_IMAGE_H

#include "rvl_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ====================================================================== */
/* Frame: absolute value                                                   */
/* ====================================================================== */

/* |x| per channel. 16s saturates (-32768 becomes 32767); 32f clears the sign
 * bit (-0 becomes +0, NaN keeps its payload). AC4 forms leave the
 * destination's alpha channel unwritten. Checks: null, size, steps. */
/** |src| into dst, 16s C1. */
RVL_API RvlResult rvliAbs_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
/** |srcDst| in place, 16s C1. */
RVL_API RvlResult rvliAbs_16s_C1IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize);
/** |src| into dst, 16s C3. */
RVL_API RvlResult rvliAbs_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
/** |srcDst| in place, 16s C3. */
RVL_API RvlResult rvliAbs_16s_C3IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize);
/** |src| into dst, 16s C4. */
RVL_API RvlResult rvliAbs_16s_C4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
/** |srcDst| in place, 16s C4. */
RVL_API RvlResult rvliAbs_16s_C4IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize);
/** |src| into dst, 16s AC4. */
RVL_API RvlResult rvliAbs_16s_AC4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
/** |srcDst| in place, 16s AC4. */
RVL_API RvlResult rvliAbs_16s_AC4IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize);
/** |src| into dst, 32f C1. */
RVL_API RvlResult rvliAbs_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
/** |srcDst| in place, 32f C1. */
RVL_API RvlResult rvliAbs_32f_C1IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
/** |src| into dst, 32f C3. */
RVL_API RvlResult rvliAbs_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
/** |srcDst| in place, 32f C3. */
RVL_API RvlResult rvliAbs_32f_C3IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
/** |src| into dst, 32f C4. */
RVL_API RvlResult rvliAbs_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
/** |srcDst| in place, 32f C4. */
RVL_API RvlResult rvliAbs_32f_C4IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
/** |src| into dst, 32f AC4. */
RVL_API RvlResult rvliAbs_32f_AC4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
/** |srcDst| in place, 32f AC4. */
RVL_API RvlResult rvliAbs_32f_AC4IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);

/* ====================================================================== */
/* Frame: image allocation and version                                     */
/* ====================================================================== */

/* rvliMalloc_<type>_<layout>(width, height, &step) allocates one block of
 * step * height bytes, step = row bytes rounded up to a multiple of 64, and
 * returns the first pixel (64-byte aligned) or NULL. The step is 0 for
 * invalid sizes; it is written even when only the total is too large. The
 * _L forms take and report 64-bit sizes. Release with rvliFree. */
/** Allocate a 8u image (C1, C2, C3, C4, AC4; 32-bit sizes). */
RVL_API Rvl8u* rvliMalloc_8u_C1(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl8u* rvliMalloc_8u_C2(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl8u* rvliMalloc_8u_C3(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl8u* rvliMalloc_8u_C4(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl8u* rvliMalloc_8u_AC4(int widthPixels, int heightPixels, int* pStepBytes);
/** Allocate a 8u image with 64-bit sizes. */
RVL_API Rvl8u* rvliMalloc_8u_C1_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl8u* rvliMalloc_8u_C2_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl8u* rvliMalloc_8u_C3_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl8u* rvliMalloc_8u_C4_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl8u* rvliMalloc_8u_AC4_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
/** Allocate a 16u image (C1, C2, C3, C4, AC4; 32-bit sizes). */
RVL_API Rvl16u* rvliMalloc_16u_C1(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl16u* rvliMalloc_16u_C2(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl16u* rvliMalloc_16u_C3(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl16u* rvliMalloc_16u_C4(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl16u* rvliMalloc_16u_AC4(int widthPixels, int heightPixels, int* pStepBytes);
/** Allocate a 16u image with 64-bit sizes. */
RVL_API Rvl16u* rvliMalloc_16u_C1_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl16u* rvliMalloc_16u_C2_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl16u* rvliMalloc_16u_C3_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl16u* rvliMalloc_16u_C4_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl16u* rvliMalloc_16u_AC4_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
/** Allocate a 16s image (C1, C2, C3, C4, AC4; 32-bit sizes). */
RVL_API Rvl16s* rvliMalloc_16s_C1(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl16s* rvliMalloc_16s_C2(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl16s* rvliMalloc_16s_C3(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl16s* rvliMalloc_16s_C4(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl16s* rvliMalloc_16s_AC4(int widthPixels, int heightPixels, int* pStepBytes);
/** Allocate a 16s image with 64-bit sizes. */
RVL_API Rvl16s* rvliMalloc_16s_C1_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl16s* rvliMalloc_16s_C2_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl16s* rvliMalloc_16s_C3_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl16s* rvliMalloc_16s_C4_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl16s* rvliMalloc_16s_AC4_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
/** Allocate a 32s image (C1, C2, C3, C4, AC4; 32-bit sizes). */
RVL_API Rvl32s* rvliMalloc_32s_C1(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl32s* rvliMalloc_32s_C2(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl32s* rvliMalloc_32s_C3(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl32s* rvliMalloc_32s_C4(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl32s* rvliMalloc_32s_AC4(int widthPixels, int heightPixels, int* pStepBytes);
/** Allocate a 32s image with 64-bit sizes. */
RVL_API Rvl32s* rvliMalloc_32s_C1_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl32s* rvliMalloc_32s_C2_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl32s* rvliMalloc_32s_C3_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl32s* rvliMalloc_32s_C4_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl32s* rvliMalloc_32s_AC4_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
/** Allocate a 32f image (C1, C2, C3, C4, AC4; 32-bit sizes). */
RVL_API Rvl32f* rvliMalloc_32f_C1(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl32f* rvliMalloc_32f_C2(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl32f* rvliMalloc_32f_C3(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl32f* rvliMalloc_32f_C4(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl32f* rvliMalloc_32f_AC4(int widthPixels, int heightPixels, int* pStepBytes);
/** Allocate a 32f image with 64-bit sizes. */
RVL_API Rvl32f* rvliMalloc_32f_C1_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl32f* rvliMalloc_32f_C2_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl32f* rvliMalloc_32f_C3_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl32f* rvliMalloc_32f_C4_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl32f* rvliMalloc_32f_AC4_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
/** Allocate a 32sc image (C1, C2, C3, C4, AC4; 32-bit sizes). */
RVL_API Rvl32sc* rvliMalloc_32sc_C1(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl32sc* rvliMalloc_32sc_C2(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl32sc* rvliMalloc_32sc_C3(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl32sc* rvliMalloc_32sc_C4(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl32sc* rvliMalloc_32sc_AC4(int widthPixels, int heightPixels, int* pStepBytes);
/** Allocate a 32sc image with 64-bit sizes. */
RVL_API Rvl32sc* rvliMalloc_32sc_C1_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl32sc* rvliMalloc_32sc_C2_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl32sc* rvliMalloc_32sc_C3_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl32sc* rvliMalloc_32sc_C4_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl32sc* rvliMalloc_32sc_AC4_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
/** Allocate a 32fc image (C1, C2, C3, C4, AC4; 32-bit sizes). */
RVL_API Rvl32fc* rvliMalloc_32fc_C1(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl32fc* rvliMalloc_32fc_C2(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl32fc* rvliMalloc_32fc_C3(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl32fc* rvliMalloc_32fc_C4(int widthPixels, int heightPixels, int* pStepBytes);
RVL_API Rvl32fc* rvliMalloc_32fc_AC4(int widthPixels, int heightPixels, int* pStepBytes);
/** Allocate a 32fc image with 64-bit sizes. */
RVL_API Rvl32fc* rvliMalloc_32fc_C1_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl32fc* rvliMalloc_32fc_C2_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl32fc* rvliMalloc_32fc_C3_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl32fc* rvliMalloc_32fc_C4_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);
RVL_API Rvl32fc* rvliMalloc_32fc_AC4_L(int64_t widthPixels, int64_t heightPixels, int64_t* pStepBytes);

/** Release an image of rvliMalloc_* (NULL accepted). */
RVL_API void rvliFree(void* ptr);

/** The library's version record (static; never freed). */
RVL_API const RvlLibVersion* rvliGetLibVersion(void);

#ifdef __cplusplus
}
#endif

#endif /* RVL_IMAGE_H */
