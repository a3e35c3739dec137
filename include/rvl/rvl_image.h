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

/* ====================================================================== */
/* Arithmetic with scale factor                                            */
/* ====================================================================== */

/* Two images: the first is the right-hand operand, so Sub gives
 * src2 - src1 and Div gives src2 / src1; in place, srcDst = srcDst op src.
 * Constant forms give src op value (one value per channel). Integer results
 * are saturate(round_half_even(s * 2^-scaleFactor)) of the exact
 * intermediate s; 32f forms are plain IEEE single precision. Division by a
 * zero element gives the type's maximum / minimum / 0 by the dividend's sign
 * (32f: an infinity with the dividend's sign, or the NaN 0x7FBFFFFF for
 * 0/0) and the warning rvlResWarnDivByZero; a zero DivC constant is
 * rvlResDivByZeroConst. _L forms take 64-bit sizes and steps. */

/** Add, 8u: src1 + src2; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliAdd_8u_C1RSfs(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_8u_C1IRSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_8u_C1RSfs_L(const Rvl8u* pSrc1, int64_t src1Step, const Rvl8u* pSrc2, int64_t src2Step, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_8u_C1IRSfs_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_8u_C3RSfs(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_8u_C3IRSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_8u_C3RSfs_L(const Rvl8u* pSrc1, int64_t src1Step, const Rvl8u* pSrc2, int64_t src2Step, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_8u_C3IRSfs_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_8u_C4RSfs(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_8u_C4IRSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_8u_C4RSfs_L(const Rvl8u* pSrc1, int64_t src1Step, const Rvl8u* pSrc2, int64_t src2Step, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_8u_C4IRSfs_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_8u_AC4RSfs(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_8u_AC4IRSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_8u_AC4RSfs_L(const Rvl8u* pSrc1, int64_t src1Step, const Rvl8u* pSrc2, int64_t src2Step, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_8u_AC4IRSfs_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** Add, 16u: src1 + src2; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliAdd_16u_C1RSfs(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16u_C1IRSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16u_C1RSfs_L(const Rvl16u* pSrc1, int64_t src1Step, const Rvl16u* pSrc2, int64_t src2Step, Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16u_C1IRSfs_L(const Rvl16u* pSrc, int64_t srcStep, Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16u_C3RSfs(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16u_C3IRSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16u_C3RSfs_L(const Rvl16u* pSrc1, int64_t src1Step, const Rvl16u* pSrc2, int64_t src2Step, Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16u_C3IRSfs_L(const Rvl16u* pSrc, int64_t srcStep, Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16u_C4RSfs(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16u_C4IRSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16u_C4RSfs_L(const Rvl16u* pSrc1, int64_t src1Step, const Rvl16u* pSrc2, int64_t src2Step, Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16u_C4IRSfs_L(const Rvl16u* pSrc, int64_t srcStep, Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16u_AC4RSfs(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16u_AC4IRSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16u_AC4RSfs_L(const Rvl16u* pSrc1, int64_t src1Step, const Rvl16u* pSrc2, int64_t src2Step, Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16u_AC4IRSfs_L(const Rvl16u* pSrc, int64_t srcStep, Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** Add, 16s: src1 + src2; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliAdd_16s_C1RSfs(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16s_C1IRSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16s_C1RSfs_L(const Rvl16s* pSrc1, int64_t src1Step, const Rvl16s* pSrc2, int64_t src2Step, Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16s_C1IRSfs_L(const Rvl16s* pSrc, int64_t srcStep, Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16s_C3RSfs(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16s_C3IRSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16s_C3RSfs_L(const Rvl16s* pSrc1, int64_t src1Step, const Rvl16s* pSrc2, int64_t src2Step, Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16s_C3IRSfs_L(const Rvl16s* pSrc, int64_t srcStep, Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16s_C4RSfs(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16s_C4IRSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16s_C4RSfs_L(const Rvl16s* pSrc1, int64_t src1Step, const Rvl16s* pSrc2, int64_t src2Step, Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16s_C4IRSfs_L(const Rvl16s* pSrc, int64_t srcStep, Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16s_AC4RSfs(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16s_AC4IRSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16s_AC4RSfs_L(const Rvl16s* pSrc1, int64_t src1Step, const Rvl16s* pSrc2, int64_t src2Step, Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAdd_16s_AC4IRSfs_L(const Rvl16s* pSrc, int64_t srcStep, Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** Add, 32f: src1 + src2; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliAdd_32f_C1R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAdd_32f_C1IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAdd_32f_C1R_L(const Rvl32f* pSrc1, int64_t src1Step, const Rvl32f* pSrc2, int64_t src2Step, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliAdd_32f_C1IR_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliAdd_32f_C3R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAdd_32f_C3IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAdd_32f_C3R_L(const Rvl32f* pSrc1, int64_t src1Step, const Rvl32f* pSrc2, int64_t src2Step, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliAdd_32f_C3IR_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliAdd_32f_C4R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAdd_32f_C4IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAdd_32f_C4R_L(const Rvl32f* pSrc1, int64_t src1Step, const Rvl32f* pSrc2, int64_t src2Step, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliAdd_32f_C4IR_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliAdd_32f_AC4R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAdd_32f_AC4IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAdd_32f_AC4R_L(const Rvl32f* pSrc1, int64_t src1Step, const Rvl32f* pSrc2, int64_t src2Step, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliAdd_32f_AC4IR_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
/** Sub, 8u: src2 - src1; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliSub_8u_C1RSfs(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_8u_C1IRSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_8u_C1RSfs_L(const Rvl8u* pSrc1, int64_t src1Step, const Rvl8u* pSrc2, int64_t src2Step, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_8u_C1IRSfs_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_8u_C3RSfs(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_8u_C3IRSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_8u_C3RSfs_L(const Rvl8u* pSrc1, int64_t src1Step, const Rvl8u* pSrc2, int64_t src2Step, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_8u_C3IRSfs_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_8u_C4RSfs(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_8u_C4IRSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_8u_C4RSfs_L(const Rvl8u* pSrc1, int64_t src1Step, const Rvl8u* pSrc2, int64_t src2Step, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_8u_C4IRSfs_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_8u_AC4RSfs(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_8u_AC4IRSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_8u_AC4RSfs_L(const Rvl8u* pSrc1, int64_t src1Step, const Rvl8u* pSrc2, int64_t src2Step, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_8u_AC4IRSfs_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** Sub, 16u: src2 - src1; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliSub_16u_C1RSfs(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16u_C1IRSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16u_C1RSfs_L(const Rvl16u* pSrc1, int64_t src1Step, const Rvl16u* pSrc2, int64_t src2Step, Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16u_C1IRSfs_L(const Rvl16u* pSrc, int64_t srcStep, Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16u_C3RSfs(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16u_C3IRSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16u_C3RSfs_L(const Rvl16u* pSrc1, int64_t src1Step, const Rvl16u* pSrc2, int64_t src2Step, Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16u_C3IRSfs_L(const Rvl16u* pSrc, int64_t srcStep, Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16u_C4RSfs(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16u_C4IRSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16u_C4RSfs_L(const Rvl16u* pSrc1, int64_t src1Step, const Rvl16u* pSrc2, int64_t src2Step, Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16u_C4IRSfs_L(const Rvl16u* pSrc, int64_t srcStep, Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16u_AC4RSfs(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16u_AC4IRSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16u_AC4RSfs_L(const Rvl16u* pSrc1, int64_t src1Step, const Rvl16u* pSrc2, int64_t src2Step, Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16u_AC4IRSfs_L(const Rvl16u* pSrc, int64_t srcStep, Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** Sub, 16s: src2 - src1; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliSub_16s_C1RSfs(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16s_C1IRSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16s_C1RSfs_L(const Rvl16s* pSrc1, int64_t src1Step, const Rvl16s* pSrc2, int64_t src2Step, Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16s_C1IRSfs_L(const Rvl16s* pSrc, int64_t srcStep, Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16s_C3RSfs(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16s_C3IRSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16s_C3RSfs_L(const Rvl16s* pSrc1, int64_t src1Step, const Rvl16s* pSrc2, int64_t src2Step, Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16s_C3IRSfs_L(const Rvl16s* pSrc, int64_t srcStep, Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16s_C4RSfs(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16s_C4IRSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16s_C4RSfs_L(const Rvl16s* pSrc1, int64_t src1Step, const Rvl16s* pSrc2, int64_t src2Step, Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16s_C4IRSfs_L(const Rvl16s* pSrc, int64_t srcStep, Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16s_AC4RSfs(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16s_AC4IRSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16s_AC4RSfs_L(const Rvl16s* pSrc1, int64_t src1Step, const Rvl16s* pSrc2, int64_t src2Step, Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSub_16s_AC4IRSfs_L(const Rvl16s* pSrc, int64_t srcStep, Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** Sub, 32f: src2 - src1; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliSub_32f_C1R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSub_32f_C1IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliSub_32f_C1R_L(const Rvl32f* pSrc1, int64_t src1Step, const Rvl32f* pSrc2, int64_t src2Step, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliSub_32f_C1IR_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliSub_32f_C3R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSub_32f_C3IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliSub_32f_C3R_L(const Rvl32f* pSrc1, int64_t src1Step, const Rvl32f* pSrc2, int64_t src2Step, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliSub_32f_C3IR_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliSub_32f_C4R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSub_32f_C4IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliSub_32f_C4R_L(const Rvl32f* pSrc1, int64_t src1Step, const Rvl32f* pSrc2, int64_t src2Step, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliSub_32f_C4IR_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliSub_32f_AC4R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSub_32f_AC4IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliSub_32f_AC4R_L(const Rvl32f* pSrc1, int64_t src1Step, const Rvl32f* pSrc2, int64_t src2Step, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliSub_32f_AC4IR_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
/** Mul, 8u: src1 * src2; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliMul_8u_C1RSfs(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_8u_C1IRSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_8u_C1RSfs_L(const Rvl8u* pSrc1, int64_t src1Step, const Rvl8u* pSrc2, int64_t src2Step, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_8u_C1IRSfs_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_8u_C3RSfs(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_8u_C3IRSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_8u_C3RSfs_L(const Rvl8u* pSrc1, int64_t src1Step, const Rvl8u* pSrc2, int64_t src2Step, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_8u_C3IRSfs_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_8u_C4RSfs(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_8u_C4IRSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_8u_C4RSfs_L(const Rvl8u* pSrc1, int64_t src1Step, const Rvl8u* pSrc2, int64_t src2Step, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_8u_C4IRSfs_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_8u_AC4RSfs(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_8u_AC4IRSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_8u_AC4RSfs_L(const Rvl8u* pSrc1, int64_t src1Step, const Rvl8u* pSrc2, int64_t src2Step, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_8u_AC4IRSfs_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** Mul, 16u: src1 * src2; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliMul_16u_C1RSfs(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16u_C1IRSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16u_C1RSfs_L(const Rvl16u* pSrc1, int64_t src1Step, const Rvl16u* pSrc2, int64_t src2Step, Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16u_C1IRSfs_L(const Rvl16u* pSrc, int64_t srcStep, Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16u_C3RSfs(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16u_C3IRSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16u_C3RSfs_L(const Rvl16u* pSrc1, int64_t src1Step, const Rvl16u* pSrc2, int64_t src2Step, Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16u_C3IRSfs_L(const Rvl16u* pSrc, int64_t srcStep, Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16u_C4RSfs(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16u_C4IRSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16u_C4RSfs_L(const Rvl16u* pSrc1, int64_t src1Step, const Rvl16u* pSrc2, int64_t src2Step, Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16u_C4IRSfs_L(const Rvl16u* pSrc, int64_t srcStep, Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16u_AC4RSfs(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16u_AC4IRSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16u_AC4RSfs_L(const Rvl16u* pSrc1, int64_t src1Step, const Rvl16u* pSrc2, int64_t src2Step, Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16u_AC4IRSfs_L(const Rvl16u* pSrc, int64_t srcStep, Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** Mul, 16s: src1 * src2; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliMul_16s_C1RSfs(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16s_C1IRSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16s_C1RSfs_L(const Rvl16s* pSrc1, int64_t src1Step, const Rvl16s* pSrc2, int64_t src2Step, Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16s_C1IRSfs_L(const Rvl16s* pSrc, int64_t srcStep, Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16s_C3RSfs(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16s_C3IRSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16s_C3RSfs_L(const Rvl16s* pSrc1, int64_t src1Step, const Rvl16s* pSrc2, int64_t src2Step, Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16s_C3IRSfs_L(const Rvl16s* pSrc, int64_t srcStep, Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16s_C4RSfs(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16s_C4IRSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16s_C4RSfs_L(const Rvl16s* pSrc1, int64_t src1Step, const Rvl16s* pSrc2, int64_t src2Step, Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16s_C4IRSfs_L(const Rvl16s* pSrc, int64_t srcStep, Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16s_AC4RSfs(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16s_AC4IRSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16s_AC4RSfs_L(const Rvl16s* pSrc1, int64_t src1Step, const Rvl16s* pSrc2, int64_t src2Step, Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMul_16s_AC4IRSfs_L(const Rvl16s* pSrc, int64_t srcStep, Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** Mul, 32f: src1 * src2; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliMul_32f_C1R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMul_32f_C1IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMul_32f_C1R_L(const Rvl32f* pSrc1, int64_t src1Step, const Rvl32f* pSrc2, int64_t src2Step, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliMul_32f_C1IR_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliMul_32f_C3R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMul_32f_C3IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMul_32f_C3R_L(const Rvl32f* pSrc1, int64_t src1Step, const Rvl32f* pSrc2, int64_t src2Step, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliMul_32f_C3IR_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliMul_32f_C4R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMul_32f_C4IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMul_32f_C4R_L(const Rvl32f* pSrc1, int64_t src1Step, const Rvl32f* pSrc2, int64_t src2Step, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliMul_32f_C4IR_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliMul_32f_AC4R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMul_32f_AC4IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMul_32f_AC4R_L(const Rvl32f* pSrc1, int64_t src1Step, const Rvl32f* pSrc2, int64_t src2Step, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliMul_32f_AC4IR_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
/** Div, 8u: src2 / src1; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliDiv_8u_C1RSfs(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_8u_C1IRSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_8u_C1RSfs_L(const Rvl8u* pSrc1, int64_t src1Step, const Rvl8u* pSrc2, int64_t src2Step, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_8u_C1IRSfs_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_8u_C3RSfs(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_8u_C3IRSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_8u_C3RSfs_L(const Rvl8u* pSrc1, int64_t src1Step, const Rvl8u* pSrc2, int64_t src2Step, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_8u_C3IRSfs_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_8u_C4RSfs(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_8u_C4IRSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_8u_C4RSfs_L(const Rvl8u* pSrc1, int64_t src1Step, const Rvl8u* pSrc2, int64_t src2Step, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_8u_C4IRSfs_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_8u_AC4RSfs(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_8u_AC4IRSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_8u_AC4RSfs_L(const Rvl8u* pSrc1, int64_t src1Step, const Rvl8u* pSrc2, int64_t src2Step, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_8u_AC4IRSfs_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** Div, 16u: src2 / src1; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliDiv_16u_C1RSfs(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16u_C1IRSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16u_C1RSfs_L(const Rvl16u* pSrc1, int64_t src1Step, const Rvl16u* pSrc2, int64_t src2Step, Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16u_C1IRSfs_L(const Rvl16u* pSrc, int64_t srcStep, Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16u_C3RSfs(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16u_C3IRSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16u_C3RSfs_L(const Rvl16u* pSrc1, int64_t src1Step, const Rvl16u* pSrc2, int64_t src2Step, Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16u_C3IRSfs_L(const Rvl16u* pSrc, int64_t srcStep, Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16u_C4RSfs(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16u_C4IRSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16u_C4RSfs_L(const Rvl16u* pSrc1, int64_t src1Step, const Rvl16u* pSrc2, int64_t src2Step, Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16u_C4IRSfs_L(const Rvl16u* pSrc, int64_t srcStep, Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16u_AC4RSfs(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16u_AC4IRSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16u_AC4RSfs_L(const Rvl16u* pSrc1, int64_t src1Step, const Rvl16u* pSrc2, int64_t src2Step, Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16u_AC4IRSfs_L(const Rvl16u* pSrc, int64_t srcStep, Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** Div, 16s: src2 / src1; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliDiv_16s_C1RSfs(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16s_C1IRSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16s_C1RSfs_L(const Rvl16s* pSrc1, int64_t src1Step, const Rvl16s* pSrc2, int64_t src2Step, Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16s_C1IRSfs_L(const Rvl16s* pSrc, int64_t srcStep, Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16s_C3RSfs(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16s_C3IRSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16s_C3RSfs_L(const Rvl16s* pSrc1, int64_t src1Step, const Rvl16s* pSrc2, int64_t src2Step, Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16s_C3IRSfs_L(const Rvl16s* pSrc, int64_t srcStep, Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16s_C4RSfs(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16s_C4IRSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16s_C4RSfs_L(const Rvl16s* pSrc1, int64_t src1Step, const Rvl16s* pSrc2, int64_t src2Step, Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16s_C4IRSfs_L(const Rvl16s* pSrc, int64_t srcStep, Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16s_AC4RSfs(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16s_AC4IRSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16s_AC4RSfs_L(const Rvl16s* pSrc1, int64_t src1Step, const Rvl16s* pSrc2, int64_t src2Step, Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDiv_16s_AC4IRSfs_L(const Rvl16s* pSrc, int64_t srcStep, Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** Div, 32f: src2 / src1; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliDiv_32f_C1R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliDiv_32f_C1IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliDiv_32f_C1R_L(const Rvl32f* pSrc1, int64_t src1Step, const Rvl32f* pSrc2, int64_t src2Step, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliDiv_32f_C1IR_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliDiv_32f_C3R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliDiv_32f_C3IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliDiv_32f_C3R_L(const Rvl32f* pSrc1, int64_t src1Step, const Rvl32f* pSrc2, int64_t src2Step, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliDiv_32f_C3IR_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliDiv_32f_C4R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliDiv_32f_C4IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliDiv_32f_C4R_L(const Rvl32f* pSrc1, int64_t src1Step, const Rvl32f* pSrc2, int64_t src2Step, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliDiv_32f_C4IR_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliDiv_32f_AC4R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliDiv_32f_AC4IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliDiv_32f_AC4R_L(const Rvl32f* pSrc1, int64_t src1Step, const Rvl32f* pSrc2, int64_t src2Step, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliDiv_32f_AC4IR_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
/** AddC, 8u: src + value; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliAddC_8u_C1RSfs(const Rvl8u* pSrc, int srcStep, Rvl8u value, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_8u_C1IRSfs(Rvl8u value, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_8u_C1RSfs_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u value, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_8u_C1IRSfs_L(Rvl8u value, Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_8u_C3RSfs(const Rvl8u* pSrc, int srcStep, const Rvl8u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_8u_C3IRSfs(const Rvl8u value[3], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_8u_C3RSfs_L(const Rvl8u* pSrc, int64_t srcStep, const Rvl8u value[3], Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_8u_C3IRSfs_L(const Rvl8u value[3], Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_8u_C4RSfs(const Rvl8u* pSrc, int srcStep, const Rvl8u value[4], Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_8u_C4IRSfs(const Rvl8u value[4], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_8u_C4RSfs_L(const Rvl8u* pSrc, int64_t srcStep, const Rvl8u value[4], Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_8u_C4IRSfs_L(const Rvl8u value[4], Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_8u_AC4RSfs(const Rvl8u* pSrc, int srcStep, const Rvl8u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_8u_AC4IRSfs(const Rvl8u value[3], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_8u_AC4RSfs_L(const Rvl8u* pSrc, int64_t srcStep, const Rvl8u value[3], Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_8u_AC4IRSfs_L(const Rvl8u value[3], Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** AddC, 16u: src + value; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliAddC_16u_C1RSfs(const Rvl16u* pSrc, int srcStep, Rvl16u value, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16u_C1IRSfs(Rvl16u value, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16u_C1RSfs_L(const Rvl16u* pSrc, int64_t srcStep, Rvl16u value, Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16u_C1IRSfs_L(Rvl16u value, Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16u_C3RSfs(const Rvl16u* pSrc, int srcStep, const Rvl16u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16u_C3IRSfs(const Rvl16u value[3], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16u_C3RSfs_L(const Rvl16u* pSrc, int64_t srcStep, const Rvl16u value[3], Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16u_C3IRSfs_L(const Rvl16u value[3], Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16u_C4RSfs(const Rvl16u* pSrc, int srcStep, const Rvl16u value[4], Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16u_C4IRSfs(const Rvl16u value[4], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16u_C4RSfs_L(const Rvl16u* pSrc, int64_t srcStep, const Rvl16u value[4], Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16u_C4IRSfs_L(const Rvl16u value[4], Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16u_AC4RSfs(const Rvl16u* pSrc, int srcStep, const Rvl16u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16u_AC4IRSfs(const Rvl16u value[3], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16u_AC4RSfs_L(const Rvl16u* pSrc, int64_t srcStep, const Rvl16u value[3], Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16u_AC4IRSfs_L(const Rvl16u value[3], Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** AddC, 16s: src + value; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliAddC_16s_C1RSfs(const Rvl16s* pSrc, int srcStep, Rvl16s value, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16s_C1IRSfs(Rvl16s value, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16s_C1RSfs_L(const Rvl16s* pSrc, int64_t srcStep, Rvl16s value, Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16s_C1IRSfs_L(Rvl16s value, Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16s_C3RSfs(const Rvl16s* pSrc, int srcStep, const Rvl16s value[3], Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16s_C3IRSfs(const Rvl16s value[3], Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16s_C3RSfs_L(const Rvl16s* pSrc, int64_t srcStep, const Rvl16s value[3], Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16s_C3IRSfs_L(const Rvl16s value[3], Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16s_C4RSfs(const Rvl16s* pSrc, int srcStep, const Rvl16s value[4], Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16s_C4IRSfs(const Rvl16s value[4], Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16s_C4RSfs_L(const Rvl16s* pSrc, int64_t srcStep, const Rvl16s value[4], Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16s_C4IRSfs_L(const Rvl16s value[4], Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16s_AC4RSfs(const Rvl16s* pSrc, int srcStep, const Rvl16s value[3], Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16s_AC4IRSfs(const Rvl16s value[3], Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16s_AC4RSfs_L(const Rvl16s* pSrc, int64_t srcStep, const Rvl16s value[3], Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliAddC_16s_AC4IRSfs_L(const Rvl16s value[3], Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** AddC, 32f: src + value; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliAddC_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f value, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAddC_32f_C1IR(Rvl32f value, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAddC_32f_C1R_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f value, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliAddC_32f_C1IR_L(Rvl32f value, Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliAddC_32f_C3R(const Rvl32f* pSrc, int srcStep, const Rvl32f value[3], Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAddC_32f_C3IR(const Rvl32f value[3], Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAddC_32f_C3R_L(const Rvl32f* pSrc, int64_t srcStep, const Rvl32f value[3], Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliAddC_32f_C3IR_L(const Rvl32f value[3], Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliAddC_32f_C4R(const Rvl32f* pSrc, int srcStep, const Rvl32f value[4], Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAddC_32f_C4IR(const Rvl32f value[4], Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAddC_32f_C4R_L(const Rvl32f* pSrc, int64_t srcStep, const Rvl32f value[4], Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliAddC_32f_C4IR_L(const Rvl32f value[4], Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliAddC_32f_AC4R(const Rvl32f* pSrc, int srcStep, const Rvl32f value[3], Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAddC_32f_AC4IR(const Rvl32f value[3], Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAddC_32f_AC4R_L(const Rvl32f* pSrc, int64_t srcStep, const Rvl32f value[3], Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliAddC_32f_AC4IR_L(const Rvl32f value[3], Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
/** SubC, 8u: src - value; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliSubC_8u_C1RSfs(const Rvl8u* pSrc, int srcStep, Rvl8u value, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_8u_C1IRSfs(Rvl8u value, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_8u_C1RSfs_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u value, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_8u_C1IRSfs_L(Rvl8u value, Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_8u_C3RSfs(const Rvl8u* pSrc, int srcStep, const Rvl8u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_8u_C3IRSfs(const Rvl8u value[3], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_8u_C3RSfs_L(const Rvl8u* pSrc, int64_t srcStep, const Rvl8u value[3], Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_8u_C3IRSfs_L(const Rvl8u value[3], Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_8u_C4RSfs(const Rvl8u* pSrc, int srcStep, const Rvl8u value[4], Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_8u_C4IRSfs(const Rvl8u value[4], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_8u_C4RSfs_L(const Rvl8u* pSrc, int64_t srcStep, const Rvl8u value[4], Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_8u_C4IRSfs_L(const Rvl8u value[4], Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_8u_AC4RSfs(const Rvl8u* pSrc, int srcStep, const Rvl8u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_8u_AC4IRSfs(const Rvl8u value[3], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_8u_AC4RSfs_L(const Rvl8u* pSrc, int64_t srcStep, const Rvl8u value[3], Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_8u_AC4IRSfs_L(const Rvl8u value[3], Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** SubC, 16u: src - value; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliSubC_16u_C1RSfs(const Rvl16u* pSrc, int srcStep, Rvl16u value, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16u_C1IRSfs(Rvl16u value, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16u_C1RSfs_L(const Rvl16u* pSrc, int64_t srcStep, Rvl16u value, Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16u_C1IRSfs_L(Rvl16u value, Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16u_C3RSfs(const Rvl16u* pSrc, int srcStep, const Rvl16u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16u_C3IRSfs(const Rvl16u value[3], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16u_C3RSfs_L(const Rvl16u* pSrc, int64_t srcStep, const Rvl16u value[3], Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16u_C3IRSfs_L(const Rvl16u value[3], Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16u_C4RSfs(const Rvl16u* pSrc, int srcStep, const Rvl16u value[4], Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16u_C4IRSfs(const Rvl16u value[4], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16u_C4RSfs_L(const Rvl16u* pSrc, int64_t srcStep, const Rvl16u value[4], Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16u_C4IRSfs_L(const Rvl16u value[4], Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16u_AC4RSfs(const Rvl16u* pSrc, int srcStep, const Rvl16u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16u_AC4IRSfs(const Rvl16u value[3], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16u_AC4RSfs_L(const Rvl16u* pSrc, int64_t srcStep, const Rvl16u value[3], Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16u_AC4IRSfs_L(const Rvl16u value[3], Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** SubC, 16s: src - value; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliSubC_16s_C1RSfs(const Rvl16s* pSrc, int srcStep, Rvl16s value, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16s_C1IRSfs(Rvl16s value, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16s_C1RSfs_L(const Rvl16s* pSrc, int64_t srcStep, Rvl16s value, Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16s_C1IRSfs_L(Rvl16s value, Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16s_C3RSfs(const Rvl16s* pSrc, int srcStep, const Rvl16s value[3], Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16s_C3IRSfs(const Rvl16s value[3], Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16s_C3RSfs_L(const Rvl16s* pSrc, int64_t srcStep, const Rvl16s value[3], Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16s_C3IRSfs_L(const Rvl16s value[3], Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16s_C4RSfs(const Rvl16s* pSrc, int srcStep, const Rvl16s value[4], Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16s_C4IRSfs(const Rvl16s value[4], Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16s_C4RSfs_L(const Rvl16s* pSrc, int64_t srcStep, const Rvl16s value[4], Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16s_C4IRSfs_L(const Rvl16s value[4], Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16s_AC4RSfs(const Rvl16s* pSrc, int srcStep, const Rvl16s value[3], Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16s_AC4IRSfs(const Rvl16s value[3], Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16s_AC4RSfs_L(const Rvl16s* pSrc, int64_t srcStep, const Rvl16s value[3], Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliSubC_16s_AC4IRSfs_L(const Rvl16s value[3], Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** SubC, 32f: src - value; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliSubC_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f value, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSubC_32f_C1IR(Rvl32f value, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliSubC_32f_C1R_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f value, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliSubC_32f_C1IR_L(Rvl32f value, Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliSubC_32f_C3R(const Rvl32f* pSrc, int srcStep, const Rvl32f value[3], Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSubC_32f_C3IR(const Rvl32f value[3], Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliSubC_32f_C3R_L(const Rvl32f* pSrc, int64_t srcStep, const Rvl32f value[3], Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliSubC_32f_C3IR_L(const Rvl32f value[3], Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliSubC_32f_C4R(const Rvl32f* pSrc, int srcStep, const Rvl32f value[4], Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSubC_32f_C4IR(const Rvl32f value[4], Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliSubC_32f_C4R_L(const Rvl32f* pSrc, int64_t srcStep, const Rvl32f value[4], Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliSubC_32f_C4IR_L(const Rvl32f value[4], Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliSubC_32f_AC4R(const Rvl32f* pSrc, int srcStep, const Rvl32f value[3], Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSubC_32f_AC4IR(const Rvl32f value[3], Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliSubC_32f_AC4R_L(const Rvl32f* pSrc, int64_t srcStep, const Rvl32f value[3], Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliSubC_32f_AC4IR_L(const Rvl32f value[3], Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
/** MulC, 8u: src * value; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliMulC_8u_C1RSfs(const Rvl8u* pSrc, int srcStep, Rvl8u value, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_8u_C1IRSfs(Rvl8u value, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_8u_C1RSfs_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u value, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_8u_C1IRSfs_L(Rvl8u value, Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_8u_C3RSfs(const Rvl8u* pSrc, int srcStep, const Rvl8u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_8u_C3IRSfs(const Rvl8u value[3], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_8u_C3RSfs_L(const Rvl8u* pSrc, int64_t srcStep, const Rvl8u value[3], Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_8u_C3IRSfs_L(const Rvl8u value[3], Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_8u_C4RSfs(const Rvl8u* pSrc, int srcStep, const Rvl8u value[4], Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_8u_C4IRSfs(const Rvl8u value[4], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_8u_C4RSfs_L(const Rvl8u* pSrc, int64_t srcStep, const Rvl8u value[4], Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_8u_C4IRSfs_L(const Rvl8u value[4], Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_8u_AC4RSfs(const Rvl8u* pSrc, int srcStep, const Rvl8u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_8u_AC4IRSfs(const Rvl8u value[3], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_8u_AC4RSfs_L(const Rvl8u* pSrc, int64_t srcStep, const Rvl8u value[3], Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_8u_AC4IRSfs_L(const Rvl8u value[3], Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** MulC, 16u: src * value; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliMulC_16u_C1RSfs(const Rvl16u* pSrc, int srcStep, Rvl16u value, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16u_C1IRSfs(Rvl16u value, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16u_C1RSfs_L(const Rvl16u* pSrc, int64_t srcStep, Rvl16u value, Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16u_C1IRSfs_L(Rvl16u value, Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16u_C3RSfs(const Rvl16u* pSrc, int srcStep, const Rvl16u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16u_C3IRSfs(const Rvl16u value[3], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16u_C3RSfs_L(const Rvl16u* pSrc, int64_t srcStep, const Rvl16u value[3], Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16u_C3IRSfs_L(const Rvl16u value[3], Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16u_C4RSfs(const Rvl16u* pSrc, int srcStep, const Rvl16u value[4], Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16u_C4IRSfs(const Rvl16u value[4], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16u_C4RSfs_L(const Rvl16u* pSrc, int64_t srcStep, const Rvl16u value[4], Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16u_C4IRSfs_L(const Rvl16u value[4], Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16u_AC4RSfs(const Rvl16u* pSrc, int srcStep, const Rvl16u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16u_AC4IRSfs(const Rvl16u value[3], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16u_AC4RSfs_L(const Rvl16u* pSrc, int64_t srcStep, const Rvl16u value[3], Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16u_AC4IRSfs_L(const Rvl16u value[3], Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** MulC, 16s: src * value; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliMulC_16s_C1RSfs(const Rvl16s* pSrc, int srcStep, Rvl16s value, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16s_C1IRSfs(Rvl16s value, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16s_C1RSfs_L(const Rvl16s* pSrc, int64_t srcStep, Rvl16s value, Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16s_C1IRSfs_L(Rvl16s value, Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16s_C3RSfs(const Rvl16s* pSrc, int srcStep, const Rvl16s value[3], Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16s_C3IRSfs(const Rvl16s value[3], Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16s_C3RSfs_L(const Rvl16s* pSrc, int64_t srcStep, const Rvl16s value[3], Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16s_C3IRSfs_L(const Rvl16s value[3], Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16s_C4RSfs(const Rvl16s* pSrc, int srcStep, const Rvl16s value[4], Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16s_C4IRSfs(const Rvl16s value[4], Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16s_C4RSfs_L(const Rvl16s* pSrc, int64_t srcStep, const Rvl16s value[4], Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16s_C4IRSfs_L(const Rvl16s value[4], Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16s_AC4RSfs(const Rvl16s* pSrc, int srcStep, const Rvl16s value[3], Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16s_AC4IRSfs(const Rvl16s value[3], Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16s_AC4RSfs_L(const Rvl16s* pSrc, int64_t srcStep, const Rvl16s value[3], Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliMulC_16s_AC4IRSfs_L(const Rvl16s value[3], Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** MulC, 32f: src * value; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliMulC_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f value, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulC_32f_C1IR(Rvl32f value, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulC_32f_C1R_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f value, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliMulC_32f_C1IR_L(Rvl32f value, Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliMulC_32f_C3R(const Rvl32f* pSrc, int srcStep, const Rvl32f value[3], Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulC_32f_C3IR(const Rvl32f value[3], Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulC_32f_C3R_L(const Rvl32f* pSrc, int64_t srcStep, const Rvl32f value[3], Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliMulC_32f_C3IR_L(const Rvl32f value[3], Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliMulC_32f_C4R(const Rvl32f* pSrc, int srcStep, const Rvl32f value[4], Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulC_32f_C4IR(const Rvl32f value[4], Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulC_32f_C4R_L(const Rvl32f* pSrc, int64_t srcStep, const Rvl32f value[4], Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliMulC_32f_C4IR_L(const Rvl32f value[4], Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliMulC_32f_AC4R(const Rvl32f* pSrc, int srcStep, const Rvl32f value[3], Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulC_32f_AC4IR(const Rvl32f value[3], Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulC_32f_AC4R_L(const Rvl32f* pSrc, int64_t srcStep, const Rvl32f value[3], Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliMulC_32f_AC4IR_L(const Rvl32f value[3], Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
/** DivC, 8u: src / value; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliDivC_8u_C1RSfs(const Rvl8u* pSrc, int srcStep, Rvl8u value, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_8u_C1IRSfs(Rvl8u value, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_8u_C1RSfs_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u value, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_8u_C1IRSfs_L(Rvl8u value, Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_8u_C3RSfs(const Rvl8u* pSrc, int srcStep, const Rvl8u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_8u_C3IRSfs(const Rvl8u value[3], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_8u_C3RSfs_L(const Rvl8u* pSrc, int64_t srcStep, const Rvl8u value[3], Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_8u_C3IRSfs_L(const Rvl8u value[3], Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_8u_C4RSfs(const Rvl8u* pSrc, int srcStep, const Rvl8u value[4], Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_8u_C4IRSfs(const Rvl8u value[4], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_8u_C4RSfs_L(const Rvl8u* pSrc, int64_t srcStep, const Rvl8u value[4], Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_8u_C4IRSfs_L(const Rvl8u value[4], Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_8u_AC4RSfs(const Rvl8u* pSrc, int srcStep, const Rvl8u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_8u_AC4IRSfs(const Rvl8u value[3], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_8u_AC4RSfs_L(const Rvl8u* pSrc, int64_t srcStep, const Rvl8u value[3], Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_8u_AC4IRSfs_L(const Rvl8u value[3], Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** DivC, 16u: src / value; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliDivC_16u_C1RSfs(const Rvl16u* pSrc, int srcStep, Rvl16u value, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16u_C1IRSfs(Rvl16u value, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16u_C1RSfs_L(const Rvl16u* pSrc, int64_t srcStep, Rvl16u value, Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16u_C1IRSfs_L(Rvl16u value, Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16u_C3RSfs(const Rvl16u* pSrc, int srcStep, const Rvl16u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16u_C3IRSfs(const Rvl16u value[3], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16u_C3RSfs_L(const Rvl16u* pSrc, int64_t srcStep, const Rvl16u value[3], Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16u_C3IRSfs_L(const Rvl16u value[3], Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16u_C4RSfs(const Rvl16u* pSrc, int srcStep, const Rvl16u value[4], Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16u_C4IRSfs(const Rvl16u value[4], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16u_C4RSfs_L(const Rvl16u* pSrc, int64_t srcStep, const Rvl16u value[4], Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16u_C4IRSfs_L(const Rvl16u value[4], Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16u_AC4RSfs(const Rvl16u* pSrc, int srcStep, const Rvl16u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16u_AC4IRSfs(const Rvl16u value[3], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16u_AC4RSfs_L(const Rvl16u* pSrc, int64_t srcStep, const Rvl16u value[3], Rvl16u* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16u_AC4IRSfs_L(const Rvl16u value[3], Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** DivC, 16s: src / value; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliDivC_16s_C1RSfs(const Rvl16s* pSrc, int srcStep, Rvl16s value, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16s_C1IRSfs(Rvl16s value, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16s_C1RSfs_L(const Rvl16s* pSrc, int64_t srcStep, Rvl16s value, Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16s_C1IRSfs_L(Rvl16s value, Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16s_C3RSfs(const Rvl16s* pSrc, int srcStep, const Rvl16s value[3], Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16s_C3IRSfs(const Rvl16s value[3], Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16s_C3RSfs_L(const Rvl16s* pSrc, int64_t srcStep, const Rvl16s value[3], Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16s_C3IRSfs_L(const Rvl16s value[3], Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16s_C4RSfs(const Rvl16s* pSrc, int srcStep, const Rvl16s value[4], Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16s_C4IRSfs(const Rvl16s value[4], Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16s_C4RSfs_L(const Rvl16s* pSrc, int64_t srcStep, const Rvl16s value[4], Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16s_C4IRSfs_L(const Rvl16s value[4], Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16s_AC4RSfs(const Rvl16s* pSrc, int srcStep, const Rvl16s value[3], Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16s_AC4IRSfs(const Rvl16s value[3], Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16s_AC4RSfs_L(const Rvl16s* pSrc, int64_t srcStep, const Rvl16s value[3], Rvl16s* pDst, int64_t dstStep, RvlSizeL roiSize, int scaleFactor);
RVL_API RvlResult rvliDivC_16s_AC4IRSfs_L(const Rvl16s value[3], Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize, int scaleFactor);
/** DivC, 32f: src / value; I: in place; _L: 64-bit sizes. */
RVL_API RvlResult rvliDivC_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f value, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliDivC_32f_C1IR(Rvl32f value, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliDivC_32f_C1R_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f value, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliDivC_32f_C1IR_L(Rvl32f value, Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliDivC_32f_C3R(const Rvl32f* pSrc, int srcStep, const Rvl32f value[3], Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliDivC_32f_C3IR(const Rvl32f value[3], Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliDivC_32f_C3R_L(const Rvl32f* pSrc, int64_t srcStep, const Rvl32f value[3], Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliDivC_32f_C3IR_L(const Rvl32f value[3], Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliDivC_32f_C4R(const Rvl32f* pSrc, int srcStep, const Rvl32f value[4], Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliDivC_32f_C4IR(const Rvl32f value[4], Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliDivC_32f_C4R_L(const Rvl32f* pSrc, int64_t srcStep, const Rvl32f value[4], Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliDivC_32f_C4IR_L(const Rvl32f value[4], Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliDivC_32f_AC4R(const Rvl32f* pSrc, int srcStep, const Rvl32f value[3], Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliDivC_32f_AC4IR(const Rvl32f value[3], Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliDivC_32f_AC4R_L(const Rvl32f* pSrc, int64_t srcStep, const Rvl32f value[3], Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliDivC_32f_AC4IR_L(const Rvl32f value[3], Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL roiSize);
/** Div_Round, 8u: src2 / src1 rounded by rndMode (0 toward zero, 1 nearest even, 2 half away). */
RVL_API RvlResult rvliDiv_Round_8u_C1RSfs(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliDiv_Round_8u_C1IRSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliDiv_Round_8u_C3RSfs(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliDiv_Round_8u_C3IRSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliDiv_Round_8u_C4RSfs(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliDiv_Round_8u_C4IRSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliDiv_Round_8u_AC4RSfs(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliDiv_Round_8u_AC4IRSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
/** Div_Round, 16u: src2 / src1 rounded by rndMode (0 toward zero, 1 nearest even, 2 half away). */
RVL_API RvlResult rvliDiv_Round_16u_C1RSfs(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliDiv_Round_16u_C1IRSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliDiv_Round_16u_C3RSfs(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliDiv_Round_16u_C3IRSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliDiv_Round_16u_C4RSfs(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliDiv_Round_16u_C4IRSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliDiv_Round_16u_AC4RSfs(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliDiv_Round_16u_AC4IRSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
/** Div_Round, 16s: src2 / src1 rounded by rndMode (0 toward zero, 1 nearest even, 2 half away). */
RVL_API RvlResult rvliDiv_Round_16s_C1RSfs(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliDiv_Round_16s_C1IRSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliDiv_Round_16s_C3RSfs(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliDiv_Round_16s_C3IRSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliDiv_Round_16s_C4RSfs(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliDiv_Round_16s_C4IRSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliDiv_Round_16s_AC4RSfs(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliDiv_Round_16s_AC4IRSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
/** MulScale, 8u: floor(src1 * src2 / max) with max = 255. */
RVL_API RvlResult rvliMulScale_8u_C1R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulScale_8u_C1IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulScale_8u_C3R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulScale_8u_C3IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulScale_8u_C4R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulScale_8u_C4IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulScale_8u_AC4R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulScale_8u_AC4IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
/** MulCScale, 8u: floor(src * value / max). */
RVL_API RvlResult rvliMulCScale_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u value, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulCScale_8u_C1IR(Rvl8u value, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulCScale_8u_C3R(const Rvl8u* pSrc, int srcStep, const Rvl8u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulCScale_8u_C3IR(const Rvl8u value[3], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulCScale_8u_C4R(const Rvl8u* pSrc, int srcStep, const Rvl8u value[4], Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulCScale_8u_C4IR(const Rvl8u value[4], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulCScale_8u_AC4R(const Rvl8u* pSrc, int srcStep, const Rvl8u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulCScale_8u_AC4IR(const Rvl8u value[3], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
/** MulScale, 16u: floor(src1 * src2 / max) with max = 65535. */
RVL_API RvlResult rvliMulScale_16u_C1R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulScale_16u_C1IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulScale_16u_C3R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulScale_16u_C3IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulScale_16u_C4R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulScale_16u_C4IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulScale_16u_AC4R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulScale_16u_AC4IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
/** MulCScale, 16u: floor(src * value / max). */
RVL_API RvlResult rvliMulCScale_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u value, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulCScale_16u_C1IR(Rvl16u value, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulCScale_16u_C3R(const Rvl16u* pSrc, int srcStep, const Rvl16u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulCScale_16u_C3IR(const Rvl16u value[3], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulCScale_16u_C4R(const Rvl16u* pSrc, int srcStep, const Rvl16u value[4], Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulCScale_16u_C4IR(const Rvl16u value[4], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulCScale_16u_AC4R(const Rvl16u* pSrc, int srcStep, const Rvl16u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulCScale_16u_AC4IR(const Rvl16u value[3], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
/** MulC64f, 8u: src * value (double per channel), rounded by rndMode for integers. */
RVL_API RvlResult rvliMulC64f_8u_C1R(const Rvl8u* pSrc, int srcStep, const Rvl64f* value, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);
RVL_API RvlResult rvliMulC64f_8u_C1IR(Rvl8u* pSrcDst, int srcDstStep, const Rvl64f* value, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);
RVL_API RvlResult rvliMulC64f_8u_C3R(const Rvl8u* pSrc, int srcStep, const Rvl64f* value, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);
RVL_API RvlResult rvliMulC64f_8u_C3IR(Rvl8u* pSrcDst, int srcDstStep, const Rvl64f* value, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);
RVL_API RvlResult rvliMulC64f_8u_C4R(const Rvl8u* pSrc, int srcStep, const Rvl64f* value, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);
RVL_API RvlResult rvliMulC64f_8u_C4IR(Rvl8u* pSrcDst, int srcDstStep, const Rvl64f* value, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);
/** MulC64f, 16u: src * value (double per channel), rounded by rndMode for integers. */
RVL_API RvlResult rvliMulC64f_16u_C1R(const Rvl16u* pSrc, int srcStep, const Rvl64f* value, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);
RVL_API RvlResult rvliMulC64f_16u_C1IR(Rvl16u* pSrcDst, int srcDstStep, const Rvl64f* value, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);
RVL_API RvlResult rvliMulC64f_16u_C3R(const Rvl16u* pSrc, int srcStep, const Rvl64f* value, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);
RVL_API RvlResult rvliMulC64f_16u_C3IR(Rvl16u* pSrcDst, int srcDstStep, const Rvl64f* value, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);
RVL_API RvlResult rvliMulC64f_16u_C4R(const Rvl16u* pSrc, int srcStep, const Rvl64f* value, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);
RVL_API RvlResult rvliMulC64f_16u_C4IR(Rvl16u* pSrcDst, int srcDstStep, const Rvl64f* value, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);
/** MulC64f, 16s: src * value (double per channel), rounded by rndMode for integers. */
RVL_API RvlResult rvliMulC64f_16s_C1R(const Rvl16s* pSrc, int srcStep, const Rvl64f* value, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);
RVL_API RvlResult rvliMulC64f_16s_C1IR(Rvl16s* pSrcDst, int srcDstStep, const Rvl64f* value, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);
RVL_API RvlResult rvliMulC64f_16s_C3R(const Rvl16s* pSrc, int srcStep, const Rvl64f* value, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);
RVL_API RvlResult rvliMulC64f_16s_C3IR(Rvl16s* pSrcDst, int srcDstStep, const Rvl64f* value, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);
RVL_API RvlResult rvliMulC64f_16s_C4R(const Rvl16s* pSrc, int srcStep, const Rvl64f* value, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);
RVL_API RvlResult rvliMulC64f_16s_C4IR(Rvl16s* pSrcDst, int srcDstStep, const Rvl64f* value, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);
/** MulC64f, 32f: src * value (double per channel), rounded by rndMode for integers. */
RVL_API RvlResult rvliMulC64f_32f_C1R(const Rvl32f* pSrc, int srcStep, const Rvl64f* value, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);
RVL_API RvlResult rvliMulC64f_32f_C1IR(Rvl32f* pSrcDst, int srcDstStep, const Rvl64f* value, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);
RVL_API RvlResult rvliMulC64f_32f_C3R(const Rvl32f* pSrc, int srcStep, const Rvl64f* value, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);
RVL_API RvlResult rvliMulC64f_32f_C3IR(Rvl32f* pSrcDst, int srcDstStep, const Rvl64f* value, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);
RVL_API RvlResult rvliMulC64f_32f_C4R(const Rvl32f* pSrc, int srcStep, const Rvl64f* value, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);
RVL_API RvlResult rvliMulC64f_32f_C4IR(Rvl32f* pSrcDst, int srcDstStep, const Rvl64f* value, RvlSize roiSize, RvlHintAlgorithm hint, RvlRoundMode rndMode);

/* ====================================================================== */
/* Unary math, logic and shifts                                            */
/* ====================================================================== */

/* Element-wise functions of one image (And, Or and Xor: of two images).
 * Integer math results are saturate(round(y * 2^-scaleFactor)) of the exact
 * square, or of the root, exponential or logarithm, rounded to nearest with
 * ties to even. Warnings (rvlResWarnSqrtOfNegative, rvlResWarnLogOfZero,
 * rvlResWarnLogOfNegative) are decided per row and the first row's warning
 * is returned after the whole ROI was processed. Shift counts may be any
 * value. AC4 forms never write the destination's alpha channel; their
 * constant arrays hold three entries.
 * Checks: Sqr: null, size. Sqrt, Exp, Ln: null, size, steps. Logic and
 * shifts: null (the constant array too), steps, size. */
/** Sqr: src * src; integers with scale factor, exact square before scaling. */
RVL_API RvlResult rvliSqr_8u_C1RSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_8u_C1IRSfs(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_8u_C3RSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_8u_C3IRSfs(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_8u_C4RSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_8u_C4IRSfs(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_8u_AC4RSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_8u_AC4IRSfs(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_16u_C1RSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_16u_C1IRSfs(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_16u_C3RSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_16u_C3IRSfs(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_16u_C4RSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_16u_C4IRSfs(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_16u_AC4RSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_16u_AC4IRSfs(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_16s_C1RSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_16s_C1IRSfs(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_16s_C3RSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_16s_C3IRSfs(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_16s_C4RSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_16s_C4IRSfs(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_16s_AC4RSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_16s_AC4IRSfs(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqr_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSqr_32f_C1IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliSqr_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSqr_32f_C3IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliSqr_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSqr_32f_C4IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliSqr_32f_AC4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSqr_32f_AC4IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
/** Sqrt: square root; 32f and 16s negative elements give NaN / 0 and rvlResWarnSqrtOfNegative. */
RVL_API RvlResult rvliSqrt_8u_C1RSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqrt_8u_C1IRSfs(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqrt_8u_C3RSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqrt_8u_C3IRSfs(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqrt_8u_AC4RSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqrt_8u_AC4IRSfs(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqrt_16u_C1RSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqrt_16u_C1IRSfs(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqrt_16u_C3RSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqrt_16u_C3IRSfs(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqrt_16u_AC4RSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqrt_16u_AC4IRSfs(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqrt_16s_C1RSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqrt_16s_C1IRSfs(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqrt_16s_C3RSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqrt_16s_C3IRSfs(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqrt_16s_AC4RSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqrt_16s_AC4IRSfs(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliSqrt_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSqrt_32f_C1IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliSqrt_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSqrt_32f_C3IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliSqrt_32f_C4IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliSqrt_32f_AC4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSqrt_32f_AC4IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
/** Exp: e^src; integers scaled by 2^-scaleFactor and saturated; 32f +Inf on overflow, 0 on underflow. */
RVL_API RvlResult rvliExp_8u_C1RSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliExp_8u_C1IRSfs(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliExp_8u_C3RSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliExp_8u_C3IRSfs(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliExp_16u_C1RSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliExp_16u_C1IRSfs(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliExp_16u_C3RSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliExp_16u_C3IRSfs(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliExp_16s_C1RSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliExp_16s_C1IRSfs(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliExp_16s_C3RSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliExp_16s_C3IRSfs(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliExp_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliExp_32f_C1IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliExp_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliExp_32f_C3IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
/** Ln: natural logarithm; zero and negative elements give rvlResWarnLogOfZero / rvlResWarnLogOfNegative. */
RVL_API RvlResult rvliLn_8u_C1RSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliLn_8u_C1IRSfs(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliLn_8u_C3RSfs(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliLn_8u_C3IRSfs(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliLn_16u_C1RSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliLn_16u_C1IRSfs(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliLn_16u_C3RSfs(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliLn_16u_C3IRSfs(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliLn_16s_C1RSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliLn_16s_C1IRSfs(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliLn_16s_C3RSfs(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliLn_16s_C3IRSfs(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, int scaleFactor);
RVL_API RvlResult rvliLn_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliLn_32f_C1IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliLn_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliLn_32f_C3IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
/** And: src1 & src2; in place: srcDst &= src. */
RVL_API RvlResult rvliAnd_8u_C1R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAnd_8u_C1IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAnd_8u_C3R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAnd_8u_C3IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAnd_8u_C4R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAnd_8u_C4IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAnd_8u_AC4R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAnd_8u_AC4IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAnd_16u_C1R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAnd_16u_C1IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAnd_16u_C3R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAnd_16u_C3IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAnd_16u_C4R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAnd_16u_C4IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAnd_16u_AC4R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAnd_16u_AC4IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAnd_32s_C1R(const Rvl32s* pSrc1, int src1Step, const Rvl32s* pSrc2, int src2Step, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAnd_32s_C1IR(const Rvl32s* pSrc, int srcStep, Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAnd_32s_C3R(const Rvl32s* pSrc1, int src1Step, const Rvl32s* pSrc2, int src2Step, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAnd_32s_C3IR(const Rvl32s* pSrc, int srcStep, Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAnd_32s_C4R(const Rvl32s* pSrc1, int src1Step, const Rvl32s* pSrc2, int src2Step, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAnd_32s_C4IR(const Rvl32s* pSrc, int srcStep, Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAnd_32s_AC4R(const Rvl32s* pSrc1, int src1Step, const Rvl32s* pSrc2, int src2Step, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAnd_32s_AC4IR(const Rvl32s* pSrc, int srcStep, Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
/** Or: src1 | src2; in place: srcDst |= src. */
RVL_API RvlResult rvliOr_8u_C1R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOr_8u_C1IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliOr_8u_C3R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOr_8u_C3IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliOr_8u_C4R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOr_8u_C4IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliOr_8u_AC4R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOr_8u_AC4IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliOr_16u_C1R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOr_16u_C1IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliOr_16u_C3R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOr_16u_C3IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliOr_16u_C4R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOr_16u_C4IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliOr_16u_AC4R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOr_16u_AC4IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliOr_32s_C1R(const Rvl32s* pSrc1, int src1Step, const Rvl32s* pSrc2, int src2Step, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOr_32s_C1IR(const Rvl32s* pSrc, int srcStep, Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliOr_32s_C3R(const Rvl32s* pSrc1, int src1Step, const Rvl32s* pSrc2, int src2Step, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOr_32s_C3IR(const Rvl32s* pSrc, int srcStep, Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliOr_32s_C4R(const Rvl32s* pSrc1, int src1Step, const Rvl32s* pSrc2, int src2Step, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOr_32s_C4IR(const Rvl32s* pSrc, int srcStep, Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliOr_32s_AC4R(const Rvl32s* pSrc1, int src1Step, const Rvl32s* pSrc2, int src2Step, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOr_32s_AC4IR(const Rvl32s* pSrc, int srcStep, Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
/** Xor: src1 ^ src2; in place: srcDst ^= src. */
RVL_API RvlResult rvliXor_8u_C1R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXor_8u_C1IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliXor_8u_C3R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXor_8u_C3IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliXor_8u_C4R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXor_8u_C4IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliXor_8u_AC4R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXor_8u_AC4IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliXor_16u_C1R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXor_16u_C1IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliXor_16u_C3R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXor_16u_C3IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliXor_16u_C4R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXor_16u_C4IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliXor_16u_AC4R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXor_16u_AC4IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliXor_32s_C1R(const Rvl32s* pSrc1, int src1Step, const Rvl32s* pSrc2, int src2Step, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXor_32s_C1IR(const Rvl32s* pSrc, int srcStep, Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliXor_32s_C3R(const Rvl32s* pSrc1, int src1Step, const Rvl32s* pSrc2, int src2Step, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXor_32s_C3IR(const Rvl32s* pSrc, int srcStep, Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliXor_32s_C4R(const Rvl32s* pSrc1, int src1Step, const Rvl32s* pSrc2, int src2Step, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXor_32s_C4IR(const Rvl32s* pSrc, int srcStep, Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliXor_32s_AC4R(const Rvl32s* pSrc1, int src1Step, const Rvl32s* pSrc2, int src2Step, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXor_32s_AC4IR(const Rvl32s* pSrc, int srcStep, Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
/** AndC: src & value (one value per processed channel). */
RVL_API RvlResult rvliAndC_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u value, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAndC_8u_C1IR(Rvl8u value, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAndC_8u_C3R(const Rvl8u* pSrc, int srcStep, const Rvl8u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAndC_8u_C3IR(const Rvl8u value[3], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAndC_8u_C4R(const Rvl8u* pSrc, int srcStep, const Rvl8u value[4], Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAndC_8u_C4IR(const Rvl8u value[4], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAndC_8u_AC4R(const Rvl8u* pSrc, int srcStep, const Rvl8u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAndC_8u_AC4IR(const Rvl8u value[3], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAndC_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u value, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAndC_16u_C1IR(Rvl16u value, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAndC_16u_C3R(const Rvl16u* pSrc, int srcStep, const Rvl16u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAndC_16u_C3IR(const Rvl16u value[3], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAndC_16u_C4R(const Rvl16u* pSrc, int srcStep, const Rvl16u value[4], Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAndC_16u_C4IR(const Rvl16u value[4], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAndC_16u_AC4R(const Rvl16u* pSrc, int srcStep, const Rvl16u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAndC_16u_AC4IR(const Rvl16u value[3], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAndC_32s_C1R(const Rvl32s* pSrc, int srcStep, Rvl32s value, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAndC_32s_C1IR(Rvl32s value, Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAndC_32s_C3R(const Rvl32s* pSrc, int srcStep, const Rvl32s value[3], Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAndC_32s_C3IR(const Rvl32s value[3], Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAndC_32s_C4R(const Rvl32s* pSrc, int srcStep, const Rvl32s value[4], Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAndC_32s_C4IR(const Rvl32s value[4], Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliAndC_32s_AC4R(const Rvl32s* pSrc, int srcStep, const Rvl32s value[3], Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliAndC_32s_AC4IR(const Rvl32s value[3], Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
/** OrC: src | value. */
RVL_API RvlResult rvliOrC_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u value, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOrC_8u_C1IR(Rvl8u value, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliOrC_8u_C3R(const Rvl8u* pSrc, int srcStep, const Rvl8u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOrC_8u_C3IR(const Rvl8u value[3], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliOrC_8u_C4R(const Rvl8u* pSrc, int srcStep, const Rvl8u value[4], Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOrC_8u_C4IR(const Rvl8u value[4], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliOrC_8u_AC4R(const Rvl8u* pSrc, int srcStep, const Rvl8u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOrC_8u_AC4IR(const Rvl8u value[3], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliOrC_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u value, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOrC_16u_C1IR(Rvl16u value, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliOrC_16u_C3R(const Rvl16u* pSrc, int srcStep, const Rvl16u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOrC_16u_C3IR(const Rvl16u value[3], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliOrC_16u_C4R(const Rvl16u* pSrc, int srcStep, const Rvl16u value[4], Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOrC_16u_C4IR(const Rvl16u value[4], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliOrC_16u_AC4R(const Rvl16u* pSrc, int srcStep, const Rvl16u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOrC_16u_AC4IR(const Rvl16u value[3], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliOrC_32s_C1R(const Rvl32s* pSrc, int srcStep, Rvl32s value, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOrC_32s_C1IR(Rvl32s value, Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliOrC_32s_C3R(const Rvl32s* pSrc, int srcStep, const Rvl32s value[3], Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOrC_32s_C3IR(const Rvl32s value[3], Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliOrC_32s_C4R(const Rvl32s* pSrc, int srcStep, const Rvl32s value[4], Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOrC_32s_C4IR(const Rvl32s value[4], Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliOrC_32s_AC4R(const Rvl32s* pSrc, int srcStep, const Rvl32s value[3], Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliOrC_32s_AC4IR(const Rvl32s value[3], Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
/** XorC: src ^ value. */
RVL_API RvlResult rvliXorC_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u value, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXorC_8u_C1IR(Rvl8u value, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliXorC_8u_C3R(const Rvl8u* pSrc, int srcStep, const Rvl8u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXorC_8u_C3IR(const Rvl8u value[3], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliXorC_8u_C4R(const Rvl8u* pSrc, int srcStep, const Rvl8u value[4], Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXorC_8u_C4IR(const Rvl8u value[4], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliXorC_8u_AC4R(const Rvl8u* pSrc, int srcStep, const Rvl8u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXorC_8u_AC4IR(const Rvl8u value[3], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliXorC_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u value, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXorC_16u_C1IR(Rvl16u value, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliXorC_16u_C3R(const Rvl16u* pSrc, int srcStep, const Rvl16u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXorC_16u_C3IR(const Rvl16u value[3], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliXorC_16u_C4R(const Rvl16u* pSrc, int srcStep, const Rvl16u value[4], Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXorC_16u_C4IR(const Rvl16u value[4], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliXorC_16u_AC4R(const Rvl16u* pSrc, int srcStep, const Rvl16u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXorC_16u_AC4IR(const Rvl16u value[3], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliXorC_32s_C1R(const Rvl32s* pSrc, int srcStep, Rvl32s value, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXorC_32s_C1IR(Rvl32s value, Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliXorC_32s_C3R(const Rvl32s* pSrc, int srcStep, const Rvl32s value[3], Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXorC_32s_C3IR(const Rvl32s value[3], Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliXorC_32s_C4R(const Rvl32s* pSrc, int srcStep, const Rvl32s value[4], Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXorC_32s_C4IR(const Rvl32s value[4], Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliXorC_32s_AC4R(const Rvl32s* pSrc, int srcStep, const Rvl32s value[3], Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliXorC_32s_AC4IR(const Rvl32s value[3], Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
/** Not: ~src (8u). */
RVL_API RvlResult rvliNot_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliNot_8u_C1IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliNot_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliNot_8u_C3IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliNot_8u_C4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliNot_8u_C4IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliNot_8u_AC4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliNot_8u_AC4IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
/** LShiftC: src << value; bits shifted out are lost; counts >= the element width give 0. */
RVL_API RvlResult rvliLShiftC_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl32u value, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliLShiftC_8u_C1IR(Rvl32u value, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliLShiftC_8u_C3R(const Rvl8u* pSrc, int srcStep, const Rvl32u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliLShiftC_8u_C3IR(const Rvl32u value[3], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliLShiftC_8u_C4R(const Rvl8u* pSrc, int srcStep, const Rvl32u value[4], Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliLShiftC_8u_C4IR(const Rvl32u value[4], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliLShiftC_8u_AC4R(const Rvl8u* pSrc, int srcStep, const Rvl32u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliLShiftC_8u_AC4IR(const Rvl32u value[3], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliLShiftC_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl32u value, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliLShiftC_16u_C1IR(Rvl32u value, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliLShiftC_16u_C3R(const Rvl16u* pSrc, int srcStep, const Rvl32u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliLShiftC_16u_C3IR(const Rvl32u value[3], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliLShiftC_16u_C4R(const Rvl16u* pSrc, int srcStep, const Rvl32u value[4], Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliLShiftC_16u_C4IR(const Rvl32u value[4], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliLShiftC_16u_AC4R(const Rvl16u* pSrc, int srcStep, const Rvl32u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliLShiftC_16u_AC4IR(const Rvl32u value[3], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliLShiftC_32s_C1R(const Rvl32s* pSrc, int srcStep, Rvl32u value, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliLShiftC_32s_C1IR(Rvl32u value, Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliLShiftC_32s_C3R(const Rvl32s* pSrc, int srcStep, const Rvl32u value[3], Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliLShiftC_32s_C3IR(const Rvl32u value[3], Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliLShiftC_32s_C4R(const Rvl32s* pSrc, int srcStep, const Rvl32u value[4], Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliLShiftC_32s_C4IR(const Rvl32u value[4], Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliLShiftC_32s_AC4R(const Rvl32s* pSrc, int srcStep, const Rvl32u value[3], Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliLShiftC_32s_AC4IR(const Rvl32u value[3], Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
/** RShiftC: src >> value; logical for 8u/16u, arithmetic for 16s/32s; counts >= the element width give 0 or the sign fill. */
RVL_API RvlResult rvliRShiftC_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl32u value, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_8u_C1IR(Rvl32u value, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_8u_C3R(const Rvl8u* pSrc, int srcStep, const Rvl32u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_8u_C3IR(const Rvl32u value[3], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_8u_C4R(const Rvl8u* pSrc, int srcStep, const Rvl32u value[4], Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_8u_C4IR(const Rvl32u value[4], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_8u_AC4R(const Rvl8u* pSrc, int srcStep, const Rvl32u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_8u_AC4IR(const Rvl32u value[3], Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl32u value, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_16u_C1IR(Rvl32u value, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_16u_C3R(const Rvl16u* pSrc, int srcStep, const Rvl32u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_16u_C3IR(const Rvl32u value[3], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_16u_C4R(const Rvl16u* pSrc, int srcStep, const Rvl32u value[4], Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_16u_C4IR(const Rvl32u value[4], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_16u_AC4R(const Rvl16u* pSrc, int srcStep, const Rvl32u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_16u_AC4IR(const Rvl32u value[3], Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl32u value, Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_16s_C1IR(Rvl32u value, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_16s_C3R(const Rvl16s* pSrc, int srcStep, const Rvl32u value[3], Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_16s_C3IR(const Rvl32u value[3], Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_16s_C4R(const Rvl16s* pSrc, int srcStep, const Rvl32u value[4], Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_16s_C4IR(const Rvl32u value[4], Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_16s_AC4R(const Rvl16s* pSrc, int srcStep, const Rvl32u value[3], Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_16s_AC4IR(const Rvl32u value[3], Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_32s_C1R(const Rvl32s* pSrc, int srcStep, Rvl32u value, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_32s_C1IR(Rvl32u value, Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_32s_C3R(const Rvl32s* pSrc, int srcStep, const Rvl32u value[3], Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_32s_C3IR(const Rvl32u value[3], Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_32s_C4R(const Rvl32s* pSrc, int srcStep, const Rvl32u value[4], Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_32s_C4IR(const Rvl32u value[4], Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_32s_AC4R(const Rvl32s* pSrc, int srcStep, const Rvl32u value[3], Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliRShiftC_32s_AC4IR(const Rvl32u value[3], Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize);

/* ====================================================================== */
/* Data movement: copy, set, duplicate                                     */
/* ====================================================================== */

/* Copies are bit-exact; 16u and 16s members are interchangeable. AC4 forms
 * never write the destination's alpha channel. Checks: null pointers (every
 * plane pointer, the mask), then the size; steps are not checked. */

/** Copy the ROI, 8u: C1, C3, C4 all channels; AC4 three of four. */
RVL_API RvlResult rvliCopy_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_8u_C4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_8u_AC4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
/** Copy pixels whose mask byte is non-zero, 8u. */
RVL_API RvlResult rvliCopy_8u_C1MR(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliCopy_8u_C3MR(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliCopy_8u_C4MR(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliCopy_8u_AC4MR(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
/** Channel forms, 8u: C3C1/C4C1 gather the channel pSrc points to; C1C3/C1C4 scatter into the channel pDst points to; C3CR/C4CR copy one channel. */
RVL_API RvlResult rvliCopy_8u_C3C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_8u_C4C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_8u_C1C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_8u_C1C4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_8u_C3CR(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_8u_C4CR(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
/** Interleaved to planes and back, 8u: one step for all planes. */
RVL_API RvlResult rvliCopy_8u_C3P3R(const Rvl8u* pSrc, int srcStep, Rvl8u* const pDst[3], int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_8u_C4P4R(const Rvl8u* pSrc, int srcStep, Rvl8u* const pDst[4], int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_8u_P3C3R(const Rvl8u* const pSrc[3], int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_8u_P4C4R(const Rvl8u* const pSrc[4], int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
/** Three channels of four and back, 8u: C3AC4 leaves the destination's alpha unwritten. */
RVL_API RvlResult rvliCopy_8u_AC4C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_8u_C3AC4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
/** Copy the ROI, 16u: C1, C3, C4 all channels; AC4 three of four. */
RVL_API RvlResult rvliCopy_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16u_C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16u_C4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16u_AC4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
/** Copy pixels whose mask byte is non-zero, 16u. */
RVL_API RvlResult rvliCopy_16u_C1MR(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliCopy_16u_C3MR(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliCopy_16u_C4MR(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliCopy_16u_AC4MR(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
/** Channel forms, 16u: C3C1/C4C1 gather the channel pSrc points to; C1C3/C1C4 scatter into the channel pDst points to; C3CR/C4CR copy one channel. */
RVL_API RvlResult rvliCopy_16u_C3C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16u_C4C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16u_C1C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16u_C1C4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16u_C3CR(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16u_C4CR(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
/** Interleaved to planes and back, 16u: one step for all planes. */
RVL_API RvlResult rvliCopy_16u_C3P3R(const Rvl16u* pSrc, int srcStep, Rvl16u* const pDst[3], int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16u_C4P4R(const Rvl16u* pSrc, int srcStep, Rvl16u* const pDst[4], int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16u_P3C3R(const Rvl16u* const pSrc[3], int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16u_P4C4R(const Rvl16u* const pSrc[4], int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
/** Three channels of four and back, 16u: C3AC4 leaves the destination's alpha unwritten. */
RVL_API RvlResult rvliCopy_16u_AC4C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16u_C3AC4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
/** Copy the ROI, 16s: C1, C3, C4 all channels; AC4 three of four. */
RVL_API RvlResult rvliCopy_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16s_C4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16s_AC4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
/** Copy pixels whose mask byte is non-zero, 16s. */
RVL_API RvlResult rvliCopy_16s_C1MR(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliCopy_16s_C3MR(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliCopy_16s_C4MR(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliCopy_16s_AC4MR(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
/** Channel forms, 16s: C3C1/C4C1 gather the channel pSrc points to; C1C3/C1C4 scatter into the channel pDst points to; C3CR/C4CR copy one channel. */
RVL_API RvlResult rvliCopy_16s_C3C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16s_C4C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16s_C1C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16s_C1C4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16s_C3CR(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16s_C4CR(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
/** Interleaved to planes and back, 16s: one step for all planes. */
RVL_API RvlResult rvliCopy_16s_C3P3R(const Rvl16s* pSrc, int srcStep, Rvl16s* const pDst[3], int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16s_C4P4R(const Rvl16s* pSrc, int srcStep, Rvl16s* const pDst[4], int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16s_P3C3R(const Rvl16s* const pSrc[3], int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16s_P4C4R(const Rvl16s* const pSrc[4], int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
/** Three channels of four and back, 16s: C3AC4 leaves the destination's alpha unwritten. */
RVL_API RvlResult rvliCopy_16s_AC4C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_16s_C3AC4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
/** Copy the ROI, 32s: C1, C3, C4 all channels; AC4 three of four. */
RVL_API RvlResult rvliCopy_32s_C1R(const Rvl32s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32s_C3R(const Rvl32s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32s_C4R(const Rvl32s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32s_AC4R(const Rvl32s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
/** Copy pixels whose mask byte is non-zero, 32s. */
RVL_API RvlResult rvliCopy_32s_C1MR(const Rvl32s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliCopy_32s_C3MR(const Rvl32s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliCopy_32s_C4MR(const Rvl32s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliCopy_32s_AC4MR(const Rvl32s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
/** Channel forms, 32s: C3C1/C4C1 gather the channel pSrc points to; C1C3/C1C4 scatter into the channel pDst points to; C3CR/C4CR copy one channel. */
RVL_API RvlResult rvliCopy_32s_C3C1R(const Rvl32s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32s_C4C1R(const Rvl32s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32s_C1C3R(const Rvl32s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32s_C1C4R(const Rvl32s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32s_C3CR(const Rvl32s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32s_C4CR(const Rvl32s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
/** Interleaved to planes and back, 32s: one step for all planes. */
RVL_API RvlResult rvliCopy_32s_C3P3R(const Rvl32s* pSrc, int srcStep, Rvl32s* const pDst[3], int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32s_C4P4R(const Rvl32s* pSrc, int srcStep, Rvl32s* const pDst[4], int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32s_P3C3R(const Rvl32s* const pSrc[3], int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32s_P4C4R(const Rvl32s* const pSrc[4], int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
/** Three channels of four and back, 32s: C3AC4 leaves the destination's alpha unwritten. */
RVL_API RvlResult rvliCopy_32s_AC4C3R(const Rvl32s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32s_C3AC4R(const Rvl32s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
/** Copy the ROI, 32f: C1, C3, C4 all channels; AC4 three of four. */
RVL_API RvlResult rvliCopy_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32f_AC4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
/** Copy pixels whose mask byte is non-zero, 32f. */
RVL_API RvlResult rvliCopy_32f_C1MR(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliCopy_32f_C3MR(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliCopy_32f_C4MR(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliCopy_32f_AC4MR(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
/** Channel forms, 32f: C3C1/C4C1 gather the channel pSrc points to; C1C3/C1C4 scatter into the channel pDst points to; C3CR/C4CR copy one channel. */
RVL_API RvlResult rvliCopy_32f_C3C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32f_C4C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32f_C1C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32f_C1C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32f_C3CR(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32f_C4CR(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
/** Interleaved to planes and back, 32f: one step for all planes. */
RVL_API RvlResult rvliCopy_32f_C3P3R(const Rvl32f* pSrc, int srcStep, Rvl32f* const pDst[3], int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32f_C4P4R(const Rvl32f* pSrc, int srcStep, Rvl32f* const pDst[4], int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32f_P3C3R(const Rvl32f* const pSrc[3], int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32f_P4C4R(const Rvl32f* const pSrc[4], int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
/** Three channels of four and back, 32f: C3AC4 leaves the destination's alpha unwritten. */
RVL_API RvlResult rvliCopy_32f_AC4C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliCopy_32f_C3AC4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
/** Copy with 64-bit sizes and steps, 8u; rows longer than 2^30 elements go in pieces. */
RVL_API RvlResult rvliCopy_8u_C1R_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliCopy_8u_C3R_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliCopy_8u_C4R_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliCopy_8u_AC4R_L(const Rvl8u* pSrc, int64_t srcStep, Rvl8u* pDst, int64_t dstStep, RvlSizeL roiSize);
/** Copy with 64-bit sizes and steps, 32f; rows longer than 2^30 elements go in pieces. */
RVL_API RvlResult rvliCopy_32f_C1R_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliCopy_32f_C3R_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliCopy_32f_C4R_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
RVL_API RvlResult rvliCopy_32f_AC4R_L(const Rvl32f* pSrc, int64_t srcStep, Rvl32f* pDst, int64_t dstStep, RvlSizeL roiSize);
/** rvliCopy_8u_C1R; flags bit 0 writes with cache-bypassing stores. */
RVL_API RvlResult rvliCopyManaged_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, int flags);

/** Fill the ROI with a value per channel, 8u (AC4: three values, alpha unwritten). */
RVL_API RvlResult rvliSet_8u_C1R(Rvl8u value, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSet_8u_C3R(const Rvl8u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSet_8u_C4R(const Rvl8u value[4], Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSet_8u_AC4R(const Rvl8u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize);
/** Fill the pixels whose mask byte is non-zero, 8u. */
RVL_API RvlResult rvliSet_8u_C1MR(Rvl8u value, Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliSet_8u_C3MR(const Rvl8u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliSet_8u_C4MR(const Rvl8u value[4], Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliSet_8u_AC4MR(const Rvl8u value[3], Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
/** Fill the channel pDst points to, 8u; other channels untouched. */
RVL_API RvlResult rvliSet_8u_C3CR(Rvl8u value, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSet_8u_C4CR(Rvl8u value, Rvl8u* pDst, int dstStep, RvlSize roiSize);
/** Fill the ROI with a value per channel, 16u (AC4: three values, alpha unwritten). */
RVL_API RvlResult rvliSet_16u_C1R(Rvl16u value, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSet_16u_C3R(const Rvl16u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSet_16u_C4R(const Rvl16u value[4], Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSet_16u_AC4R(const Rvl16u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize);
/** Fill the pixels whose mask byte is non-zero, 16u. */
RVL_API RvlResult rvliSet_16u_C1MR(Rvl16u value, Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliSet_16u_C3MR(const Rvl16u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliSet_16u_C4MR(const Rvl16u value[4], Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliSet_16u_AC4MR(const Rvl16u value[3], Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
/** Fill the channel pDst points to, 16u; other channels untouched. */
RVL_API RvlResult rvliSet_16u_C3CR(Rvl16u value, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSet_16u_C4CR(Rvl16u value, Rvl16u* pDst, int dstStep, RvlSize roiSize);
/** Fill the ROI with a value per channel, 16s (AC4: three values, alpha unwritten). */
RVL_API RvlResult rvliSet_16s_C1R(Rvl16s value, Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSet_16s_C3R(const Rvl16s value[3], Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSet_16s_C4R(const Rvl16s value[4], Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSet_16s_AC4R(const Rvl16s value[3], Rvl16s* pDst, int dstStep, RvlSize roiSize);
/** Fill the pixels whose mask byte is non-zero, 16s. */
RVL_API RvlResult rvliSet_16s_C1MR(Rvl16s value, Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliSet_16s_C3MR(const Rvl16s value[3], Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliSet_16s_C4MR(const Rvl16s value[4], Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliSet_16s_AC4MR(const Rvl16s value[3], Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
/** Fill the channel pDst points to, 16s; other channels untouched. */
RVL_API RvlResult rvliSet_16s_C3CR(Rvl16s value, Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSet_16s_C4CR(Rvl16s value, Rvl16s* pDst, int dstStep, RvlSize roiSize);
/** Fill the ROI with a value per channel, 32s (AC4: three values, alpha unwritten). */
RVL_API RvlResult rvliSet_32s_C1R(Rvl32s value, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSet_32s_C3R(const Rvl32s value[3], Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSet_32s_C4R(const Rvl32s value[4], Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSet_32s_AC4R(const Rvl32s value[3], Rvl32s* pDst, int dstStep, RvlSize roiSize);
/** Fill the pixels whose mask byte is non-zero, 32s. */
RVL_API RvlResult rvliSet_32s_C1MR(Rvl32s value, Rvl32s* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliSet_32s_C3MR(const Rvl32s value[3], Rvl32s* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliSet_32s_C4MR(const Rvl32s value[4], Rvl32s* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliSet_32s_AC4MR(const Rvl32s value[3], Rvl32s* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
/** Fill the channel pDst points to, 32s; other channels untouched. */
RVL_API RvlResult rvliSet_32s_C3CR(Rvl32s value, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSet_32s_C4CR(Rvl32s value, Rvl32s* pDst, int dstStep, RvlSize roiSize);
/** Fill the ROI with a value per channel, 32f (AC4: three values, alpha unwritten). */
RVL_API RvlResult rvliSet_32f_C1R(Rvl32f value, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSet_32f_C3R(const Rvl32f value[3], Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSet_32f_C4R(const Rvl32f value[4], Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSet_32f_AC4R(const Rvl32f value[3], Rvl32f* pDst, int dstStep, RvlSize roiSize);
/** Fill the pixels whose mask byte is non-zero, 32f. */
RVL_API RvlResult rvliSet_32f_C1MR(Rvl32f value, Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliSet_32f_C3MR(const Rvl32f value[3], Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliSet_32f_C4MR(const Rvl32f value[4], Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
RVL_API RvlResult rvliSet_32f_AC4MR(const Rvl32f value[3], Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl8u* pMask, int maskStep);
/** Fill the channel pDst points to, 32f; other channels untouched. */
RVL_API RvlResult rvliSet_32f_C3CR(Rvl32f value, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliSet_32f_C4CR(Rvl32f value, Rvl32f* pDst, int dstStep, RvlSize roiSize);
/** One channel written to all three (four) channels, 8u. */
RVL_API RvlResult rvliDup_8u_C1C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliDup_8u_C1C4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);

/* ====================================================================== */
/* Data movement: border copies                                            */
/* ====================================================================== */

/* The source ROI is placed in the destination image with its top-left pixel
 * at (leftColumns, topRows); the border around it is filled by the kind:
 * constant (one value per channel), replicate (nearest edge pixel), mirror
 * (reflection about the edge pixel, periodic) or wrap (periodic). Borders
 * may be wider than the source. In-place forms take the ROI already inside
 * the destination image and write only the border. AC4 forms never write
 * alpha. Checks: null pointers, steps, sizes and borders, then (constant,
 * several channels) the value array. */

/** Constant border, 8u. */
RVL_API RvlResult rvliCopyConstBorder_8u_C1R(const Rvl8u* pSrc, int srcStep, RvlSize srcRoiSize, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns, Rvl8u value);
RVL_API RvlResult rvliCopyConstBorder_8u_C1R_L(const Rvl8u* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl8u* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, Rvl8u value);
RVL_API RvlResult rvliCopyConstBorder_8u_C1IR_L(Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, Rvl8u value);
RVL_API RvlResult rvliCopyConstBorder_8u_C3R(const Rvl8u* pSrc, int srcStep, RvlSize srcRoiSize, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns, const Rvl8u value[3]);
RVL_API RvlResult rvliCopyConstBorder_8u_C3R_L(const Rvl8u* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl8u* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl8u value[3]);
RVL_API RvlResult rvliCopyConstBorder_8u_C3IR_L(Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl8u value[3]);
RVL_API RvlResult rvliCopyConstBorder_8u_C4R(const Rvl8u* pSrc, int srcStep, RvlSize srcRoiSize, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns, const Rvl8u value[4]);
RVL_API RvlResult rvliCopyConstBorder_8u_C4R_L(const Rvl8u* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl8u* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl8u value[4]);
RVL_API RvlResult rvliCopyConstBorder_8u_C4IR_L(Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl8u value[4]);
RVL_API RvlResult rvliCopyConstBorder_8u_AC4R(const Rvl8u* pSrc, int srcStep, RvlSize srcRoiSize, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns, const Rvl8u value[3]);
RVL_API RvlResult rvliCopyConstBorder_8u_AC4R_L(const Rvl8u* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl8u* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl8u value[3]);
RVL_API RvlResult rvliCopyConstBorder_8u_AC4IR_L(Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl8u value[3]);
/** Constant border, 16u. */
RVL_API RvlResult rvliCopyConstBorder_16u_C1R(const Rvl16u* pSrc, int srcStep, RvlSize srcRoiSize, Rvl16u* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns, Rvl16u value);
RVL_API RvlResult rvliCopyConstBorder_16u_C1R_L(const Rvl16u* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl16u* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, Rvl16u value);
RVL_API RvlResult rvliCopyConstBorder_16u_C1IR_L(Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, Rvl16u value);
RVL_API RvlResult rvliCopyConstBorder_16u_C3R(const Rvl16u* pSrc, int srcStep, RvlSize srcRoiSize, Rvl16u* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns, const Rvl16u value[3]);
RVL_API RvlResult rvliCopyConstBorder_16u_C3R_L(const Rvl16u* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl16u* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl16u value[3]);
RVL_API RvlResult rvliCopyConstBorder_16u_C3IR_L(Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl16u value[3]);
RVL_API RvlResult rvliCopyConstBorder_16u_C4R(const Rvl16u* pSrc, int srcStep, RvlSize srcRoiSize, Rvl16u* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns, const Rvl16u value[4]);
RVL_API RvlResult rvliCopyConstBorder_16u_C4R_L(const Rvl16u* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl16u* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl16u value[4]);
RVL_API RvlResult rvliCopyConstBorder_16u_C4IR_L(Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl16u value[4]);
RVL_API RvlResult rvliCopyConstBorder_16u_AC4R(const Rvl16u* pSrc, int srcStep, RvlSize srcRoiSize, Rvl16u* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns, const Rvl16u value[3]);
RVL_API RvlResult rvliCopyConstBorder_16u_AC4R_L(const Rvl16u* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl16u* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl16u value[3]);
RVL_API RvlResult rvliCopyConstBorder_16u_AC4IR_L(Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl16u value[3]);
/** Constant border, 16s. */
RVL_API RvlResult rvliCopyConstBorder_16s_C1R(const Rvl16s* pSrc, int srcStep, RvlSize srcRoiSize, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns, Rvl16s value);
RVL_API RvlResult rvliCopyConstBorder_16s_C1R_L(const Rvl16s* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl16s* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, Rvl16s value);
RVL_API RvlResult rvliCopyConstBorder_16s_C1IR_L(Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, Rvl16s value);
RVL_API RvlResult rvliCopyConstBorder_16s_C3R(const Rvl16s* pSrc, int srcStep, RvlSize srcRoiSize, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns, const Rvl16s value[3]);
RVL_API RvlResult rvliCopyConstBorder_16s_C3R_L(const Rvl16s* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl16s* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl16s value[3]);
RVL_API RvlResult rvliCopyConstBorder_16s_C3IR_L(Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl16s value[3]);
RVL_API RvlResult rvliCopyConstBorder_16s_C4R(const Rvl16s* pSrc, int srcStep, RvlSize srcRoiSize, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns, const Rvl16s value[4]);
RVL_API RvlResult rvliCopyConstBorder_16s_C4R_L(const Rvl16s* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl16s* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl16s value[4]);
RVL_API RvlResult rvliCopyConstBorder_16s_C4IR_L(Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl16s value[4]);
RVL_API RvlResult rvliCopyConstBorder_16s_AC4R(const Rvl16s* pSrc, int srcStep, RvlSize srcRoiSize, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns, const Rvl16s value[3]);
RVL_API RvlResult rvliCopyConstBorder_16s_AC4R_L(const Rvl16s* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl16s* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl16s value[3]);
RVL_API RvlResult rvliCopyConstBorder_16s_AC4IR_L(Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl16s value[3]);
/** Constant border, 32s. */
RVL_API RvlResult rvliCopyConstBorder_32s_C1R(const Rvl32s* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32s* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns, Rvl32s value);
RVL_API RvlResult rvliCopyConstBorder_32s_C1R_L(const Rvl32s* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32s* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, Rvl32s value);
RVL_API RvlResult rvliCopyConstBorder_32s_C1IR_L(Rvl32s* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, Rvl32s value);
RVL_API RvlResult rvliCopyConstBorder_32s_C3R(const Rvl32s* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32s* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns, const Rvl32s value[3]);
RVL_API RvlResult rvliCopyConstBorder_32s_C3R_L(const Rvl32s* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32s* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl32s value[3]);
RVL_API RvlResult rvliCopyConstBorder_32s_C3IR_L(Rvl32s* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl32s value[3]);
RVL_API RvlResult rvliCopyConstBorder_32s_C4R(const Rvl32s* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32s* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns, const Rvl32s value[4]);
RVL_API RvlResult rvliCopyConstBorder_32s_C4R_L(const Rvl32s* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32s* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl32s value[4]);
RVL_API RvlResult rvliCopyConstBorder_32s_C4IR_L(Rvl32s* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl32s value[4]);
RVL_API RvlResult rvliCopyConstBorder_32s_AC4R(const Rvl32s* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32s* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns, const Rvl32s value[3]);
RVL_API RvlResult rvliCopyConstBorder_32s_AC4R_L(const Rvl32s* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32s* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl32s value[3]);
RVL_API RvlResult rvliCopyConstBorder_32s_AC4IR_L(Rvl32s* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl32s value[3]);
/** Constant border, 32f. */
RVL_API RvlResult rvliCopyConstBorder_32f_C1R(const Rvl32f* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns, Rvl32f value);
RVL_API RvlResult rvliCopyConstBorder_32f_C1R_L(const Rvl32f* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32f* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, Rvl32f value);
RVL_API RvlResult rvliCopyConstBorder_32f_C1IR_L(Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, Rvl32f value);
RVL_API RvlResult rvliCopyConstBorder_32f_C3R(const Rvl32f* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns, const Rvl32f value[3]);
RVL_API RvlResult rvliCopyConstBorder_32f_C3R_L(const Rvl32f* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32f* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl32f value[3]);
RVL_API RvlResult rvliCopyConstBorder_32f_C3IR_L(Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl32f value[3]);
RVL_API RvlResult rvliCopyConstBorder_32f_C4R(const Rvl32f* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns, const Rvl32f value[4]);
RVL_API RvlResult rvliCopyConstBorder_32f_C4R_L(const Rvl32f* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32f* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl32f value[4]);
RVL_API RvlResult rvliCopyConstBorder_32f_C4IR_L(Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl32f value[4]);
RVL_API RvlResult rvliCopyConstBorder_32f_AC4R(const Rvl32f* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns, const Rvl32f value[3]);
RVL_API RvlResult rvliCopyConstBorder_32f_AC4R_L(const Rvl32f* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32f* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl32f value[3]);
RVL_API RvlResult rvliCopyConstBorder_32f_AC4IR_L(Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns, const Rvl32f value[3]);
/** Replicate border, 8u. */
RVL_API RvlResult rvliCopyReplicateBorder_8u_C1R(const Rvl8u* pSrc, int srcStep, RvlSize srcRoiSize, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_8u_C1IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_8u_C1R_L(const Rvl8u* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl8u* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_8u_C1IR_L(Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_8u_C3R(const Rvl8u* pSrc, int srcStep, RvlSize srcRoiSize, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_8u_C3IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_8u_C3R_L(const Rvl8u* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl8u* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_8u_C3IR_L(Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_8u_C4R(const Rvl8u* pSrc, int srcStep, RvlSize srcRoiSize, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_8u_C4IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_8u_C4R_L(const Rvl8u* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl8u* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_8u_C4IR_L(Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_8u_AC4R(const Rvl8u* pSrc, int srcStep, RvlSize srcRoiSize, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_8u_AC4IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_8u_AC4R_L(const Rvl8u* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl8u* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_8u_AC4IR_L(Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
/** Replicate border, 16u. */
RVL_API RvlResult rvliCopyReplicateBorder_16u_C1R(const Rvl16u* pSrc, int srcStep, RvlSize srcRoiSize, Rvl16u* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16u_C1IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16u_C1R_L(const Rvl16u* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl16u* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16u_C1IR_L(Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16u_C3R(const Rvl16u* pSrc, int srcStep, RvlSize srcRoiSize, Rvl16u* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16u_C3IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16u_C3R_L(const Rvl16u* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl16u* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16u_C3IR_L(Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16u_C4R(const Rvl16u* pSrc, int srcStep, RvlSize srcRoiSize, Rvl16u* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16u_C4IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16u_C4R_L(const Rvl16u* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl16u* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16u_C4IR_L(Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16u_AC4R(const Rvl16u* pSrc, int srcStep, RvlSize srcRoiSize, Rvl16u* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16u_AC4IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16u_AC4R_L(const Rvl16u* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl16u* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16u_AC4IR_L(Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
/** Replicate border, 16s. */
RVL_API RvlResult rvliCopyReplicateBorder_16s_C1R(const Rvl16s* pSrc, int srcStep, RvlSize srcRoiSize, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16s_C1IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16s_C1R_L(const Rvl16s* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl16s* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16s_C1IR_L(Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16s_C3R(const Rvl16s* pSrc, int srcStep, RvlSize srcRoiSize, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16s_C3IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16s_C3R_L(const Rvl16s* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl16s* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16s_C3IR_L(Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16s_C4R(const Rvl16s* pSrc, int srcStep, RvlSize srcRoiSize, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16s_C4IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16s_C4R_L(const Rvl16s* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl16s* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16s_C4IR_L(Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16s_AC4R(const Rvl16s* pSrc, int srcStep, RvlSize srcRoiSize, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16s_AC4IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16s_AC4R_L(const Rvl16s* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl16s* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_16s_AC4IR_L(Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
/** Replicate border, 32s. */
RVL_API RvlResult rvliCopyReplicateBorder_32s_C1R(const Rvl32s* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32s* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32s_C1IR(Rvl32s* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32s_C1R_L(const Rvl32s* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32s* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32s_C1IR_L(Rvl32s* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32s_C3R(const Rvl32s* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32s* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32s_C3IR(Rvl32s* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32s_C3R_L(const Rvl32s* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32s* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32s_C3IR_L(Rvl32s* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32s_C4R(const Rvl32s* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32s* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32s_C4IR(Rvl32s* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32s_C4R_L(const Rvl32s* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32s* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32s_C4IR_L(Rvl32s* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32s_AC4R(const Rvl32s* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32s* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32s_AC4IR(Rvl32s* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32s_AC4R_L(const Rvl32s* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32s* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32s_AC4IR_L(Rvl32s* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
/** Replicate border, 32f. */
RVL_API RvlResult rvliCopyReplicateBorder_32f_C1R(const Rvl32f* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32f_C1IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32f_C1R_L(const Rvl32f* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32f* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32f_C1IR_L(Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32f_C3R(const Rvl32f* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32f_C3IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32f_C3R_L(const Rvl32f* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32f* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32f_C3IR_L(Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32f_C4R(const Rvl32f* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32f_C4IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32f_C4R_L(const Rvl32f* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32f* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32f_C4IR_L(Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32f_AC4R(const Rvl32f* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32f_AC4IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32f_AC4R_L(const Rvl32f* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32f* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyReplicateBorder_32f_AC4IR_L(Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
/** Mirror border, 8u. */
RVL_API RvlResult rvliCopyMirrorBorder_8u_C1R(const Rvl8u* pSrc, int srcStep, RvlSize srcRoiSize, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_8u_C1IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_8u_C1R_L(const Rvl8u* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl8u* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_8u_C1IR_L(Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_8u_C3R(const Rvl8u* pSrc, int srcStep, RvlSize srcRoiSize, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_8u_C3IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_8u_C3R_L(const Rvl8u* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl8u* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_8u_C3IR_L(Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_8u_C4R(const Rvl8u* pSrc, int srcStep, RvlSize srcRoiSize, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_8u_C4IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_8u_C4R_L(const Rvl8u* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl8u* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_8u_C4IR_L(Rvl8u* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
/** Mirror border, 16u. */
RVL_API RvlResult rvliCopyMirrorBorder_16u_C1R(const Rvl16u* pSrc, int srcStep, RvlSize srcRoiSize, Rvl16u* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_16u_C1IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_16u_C1R_L(const Rvl16u* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl16u* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_16u_C1IR_L(Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_16u_C3R(const Rvl16u* pSrc, int srcStep, RvlSize srcRoiSize, Rvl16u* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_16u_C3IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_16u_C3R_L(const Rvl16u* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl16u* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_16u_C3IR_L(Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_16u_C4R(const Rvl16u* pSrc, int srcStep, RvlSize srcRoiSize, Rvl16u* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_16u_C4IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_16u_C4R_L(const Rvl16u* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl16u* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_16u_C4IR_L(Rvl16u* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
/** Mirror border, 16s. */
RVL_API RvlResult rvliCopyMirrorBorder_16s_C1R(const Rvl16s* pSrc, int srcStep, RvlSize srcRoiSize, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_16s_C1IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_16s_C1R_L(const Rvl16s* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl16s* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_16s_C1IR_L(Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_16s_C3R(const Rvl16s* pSrc, int srcStep, RvlSize srcRoiSize, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_16s_C3IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_16s_C3R_L(const Rvl16s* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl16s* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_16s_C3IR_L(Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_16s_C4R(const Rvl16s* pSrc, int srcStep, RvlSize srcRoiSize, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_16s_C4IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_16s_C4R_L(const Rvl16s* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl16s* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_16s_C4IR_L(Rvl16s* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
/** Mirror border, 32s. */
RVL_API RvlResult rvliCopyMirrorBorder_32s_C1R(const Rvl32s* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32s* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_32s_C1IR(Rvl32s* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_32s_C1R_L(const Rvl32s* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32s* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_32s_C1IR_L(Rvl32s* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_32s_C3R(const Rvl32s* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32s* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_32s_C3IR(Rvl32s* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_32s_C3R_L(const Rvl32s* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32s* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_32s_C3IR_L(Rvl32s* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_32s_C4R(const Rvl32s* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32s* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_32s_C4IR(Rvl32s* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_32s_C4R_L(const Rvl32s* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32s* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_32s_C4IR_L(Rvl32s* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
/** Mirror border, 32f. */
RVL_API RvlResult rvliCopyMirrorBorder_32f_C1R(const Rvl32f* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_32f_C1IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_32f_C1R_L(const Rvl32f* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32f* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_32f_C1IR_L(Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_32f_C3R(const Rvl32f* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_32f_C3IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_32f_C3R_L(const Rvl32f* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32f* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_32f_C3IR_L(Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_32f_C4R(const Rvl32f* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_32f_C4IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_32f_C4R_L(const Rvl32f* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32f* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyMirrorBorder_32f_C4IR_L(Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
/** Wrap border, 32s. */
RVL_API RvlResult rvliCopyWrapBorder_32s_C1R(const Rvl32s* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32s* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyWrapBorder_32s_C1IR(Rvl32s* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyWrapBorder_32s_C1R_L(const Rvl32s* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32s* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyWrapBorder_32s_C1IR_L(Rvl32s* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
/** Wrap border, 32f. */
RVL_API RvlResult rvliCopyWrapBorder_32f_C1R(const Rvl32f* pSrc, int srcStep, RvlSize srcRoiSize, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyWrapBorder_32f_C1IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize srcRoiSize, RvlSize dstRoiSize, int topRows, int leftColumns);
RVL_API RvlResult rvliCopyWrapBorder_32f_C1R_L(const Rvl32f* pSrc, int64_t srcStep, RvlSizeL srcRoiSize, Rvl32f* pDst, int64_t dstStep, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);
RVL_API RvlResult rvliCopyWrapBorder_32f_C1IR_L(Rvl32f* pSrcDst, int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize, int64_t topRows, int64_t leftColumns);

/* ====================================================================== */
/* Data movement: type conversion                                          */
/* ====================================================================== */

/* Widening and integer-to-float conversions are exact (32s32f and 32u32f
 * round to nearest even); integer narrowing saturates. Float-to-integer
 * conversions round by rndMode (0 toward zero, 1 nearest even, anything
 * else half away from zero) and saturate; NaN gives the destination's
 * saturated 0x80000000 (0 for unsigned, the minimum for signed types).
 * Sfs forms compute value * 2^-scaleFactor, rounded by rndMode. Rs forms
 * turn negative values into 0. Checks: null, size; float sources (not Sfs)
 * and AC4 forms also check steps. */

/** Convert 8u to 16u: C1, C3, C4, AC4. */
RVL_API RvlResult rvliConvert_8u16u_C1R(const Rvl8u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_8u16u_C3R(const Rvl8u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_8u16u_C4R(const Rvl8u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_8u16u_AC4R(const Rvl8u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
/** Convert 8u to 16s: C1, C3, C4, AC4. */
RVL_API RvlResult rvliConvert_8u16s_C1R(const Rvl8u* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_8u16s_C3R(const Rvl8u* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_8u16s_C4R(const Rvl8u* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_8u16s_AC4R(const Rvl8u* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
/** Convert 8u to 32s: C1, C3, C4, AC4. */
RVL_API RvlResult rvliConvert_8u32s_C1R(const Rvl8u* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_8u32s_C3R(const Rvl8u* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_8u32s_C4R(const Rvl8u* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_8u32s_AC4R(const Rvl8u* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
/** Convert 8u to 32f: C1, C3, C4, AC4. */
RVL_API RvlResult rvliConvert_8u32f_C1R(const Rvl8u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_8u32f_C3R(const Rvl8u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_8u32f_C4R(const Rvl8u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_8u32f_AC4R(const Rvl8u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
/** Convert 8s to 32s: C1, C3, C4, AC4. */
RVL_API RvlResult rvliConvert_8s32s_C1R(const Rvl8s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_8s32s_C3R(const Rvl8s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_8s32s_C4R(const Rvl8s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_8s32s_AC4R(const Rvl8s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
/** Convert 8s to 32f: C1, C3, C4, AC4. */
RVL_API RvlResult rvliConvert_8s32f_C1R(const Rvl8s* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_8s32f_C3R(const Rvl8s* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_8s32f_C4R(const Rvl8s* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_8s32f_AC4R(const Rvl8s* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
/** Convert 16u to 32s: C1, C3, C4, AC4. */
RVL_API RvlResult rvliConvert_16u32s_C1R(const Rvl16u* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_16u32s_C3R(const Rvl16u* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_16u32s_C4R(const Rvl16u* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_16u32s_AC4R(const Rvl16u* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
/** Convert 16u to 32f: C1, C3, C4, AC4. */
RVL_API RvlResult rvliConvert_16u32f_C1R(const Rvl16u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_16u32f_C3R(const Rvl16u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_16u32f_C4R(const Rvl16u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_16u32f_AC4R(const Rvl16u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
/** Convert 16u to 8u: C1, C3, C4, AC4. */
RVL_API RvlResult rvliConvert_16u8u_C1R(const Rvl16u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_16u8u_C3R(const Rvl16u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_16u8u_C4R(const Rvl16u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_16u8u_AC4R(const Rvl16u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
/** Convert 16s to 32s: C1, C3, C4, AC4. */
RVL_API RvlResult rvliConvert_16s32s_C1R(const Rvl16s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_16s32s_C3R(const Rvl16s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_16s32s_C4R(const Rvl16s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_16s32s_AC4R(const Rvl16s* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
/** Convert 16s to 32f: C1, C3, C4, AC4. */
RVL_API RvlResult rvliConvert_16s32f_C1R(const Rvl16s* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_16s32f_C3R(const Rvl16s* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_16s32f_C4R(const Rvl16s* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_16s32f_AC4R(const Rvl16s* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
/** Convert 16s to 8u: C1, C3, C4, AC4. */
RVL_API RvlResult rvliConvert_16s8u_C1R(const Rvl16s* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_16s8u_C3R(const Rvl16s* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_16s8u_C4R(const Rvl16s* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_16s8u_AC4R(const Rvl16s* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
/** Convert 32s to 8u: C1, C3, C4, AC4. */
RVL_API RvlResult rvliConvert_32s8u_C1R(const Rvl32s* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_32s8u_C3R(const Rvl32s* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_32s8u_C4R(const Rvl32s* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_32s8u_AC4R(const Rvl32s* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
/** Convert 32s to 8s: C1, C3, C4, AC4. */
RVL_API RvlResult rvliConvert_32s8s_C1R(const Rvl32s* pSrc, int srcStep, Rvl8s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_32s8s_C3R(const Rvl32s* pSrc, int srcStep, Rvl8s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_32s8s_C4R(const Rvl32s* pSrc, int srcStep, Rvl8s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_32s8s_AC4R(const Rvl32s* pSrc, int srcStep, Rvl8s* pDst, int dstStep, RvlSize roiSize);
/** Convert 32f to 8u: C1, C3, C4, AC4. */
RVL_API RvlResult rvliConvert_32f8u_C1R(const Rvl32f* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode);
RVL_API RvlResult rvliConvert_32f8u_C3R(const Rvl32f* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode);
RVL_API RvlResult rvliConvert_32f8u_C4R(const Rvl32f* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode);
RVL_API RvlResult rvliConvert_32f8u_AC4R(const Rvl32f* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode);
/** Convert 32f to 8s: C1, C3, C4, AC4. */
RVL_API RvlResult rvliConvert_32f8s_C1R(const Rvl32f* pSrc, int srcStep, Rvl8s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode);
RVL_API RvlResult rvliConvert_32f8s_C3R(const Rvl32f* pSrc, int srcStep, Rvl8s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode);
RVL_API RvlResult rvliConvert_32f8s_C4R(const Rvl32f* pSrc, int srcStep, Rvl8s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode);
RVL_API RvlResult rvliConvert_32f8s_AC4R(const Rvl32f* pSrc, int srcStep, Rvl8s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode);
/** Convert 32f to 16u: C1, C3, C4, AC4. */
RVL_API RvlResult rvliConvert_32f16u_C1R(const Rvl32f* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode);
RVL_API RvlResult rvliConvert_32f16u_C3R(const Rvl32f* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode);
RVL_API RvlResult rvliConvert_32f16u_C4R(const Rvl32f* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode);
RVL_API RvlResult rvliConvert_32f16u_AC4R(const Rvl32f* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode);
/** Convert 32f to 16s: C1, C3, C4, AC4. */
RVL_API RvlResult rvliConvert_32f16s_C1R(const Rvl32f* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode);
RVL_API RvlResult rvliConvert_32f16s_C3R(const Rvl32f* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode);
RVL_API RvlResult rvliConvert_32f16s_C4R(const Rvl32f* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode);
RVL_API RvlResult rvliConvert_32f16s_AC4R(const Rvl32f* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode);
/** Convert, one-channel pairs. */
RVL_API RvlResult rvliConvert_8s16s_C1R(const Rvl8s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_8s64f_C1R(const Rvl8s* pSrc, int srcStep, Rvl64f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_16u32u_C1R(const Rvl16u* pSrc, int srcStep, Rvl32u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_32s32f_C1R(const Rvl32s* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_32u32f_C1R(const Rvl32u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
/** Convert value * 2^-scaleFactor, rounded by rndMode and saturated. */
RVL_API RvlResult rvliConvert_8u8s_C1RSfs(const Rvl8u* pSrc, int srcStep, Rvl8s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliConvert_16s8s_C1RSfs(const Rvl16s* pSrc, int srcStep, Rvl8s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliConvert_16u8s_C1RSfs(const Rvl16u* pSrc, int srcStep, Rvl8s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliConvert_16u16s_C1RSfs(const Rvl16u* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliConvert_32s16s_C1RSfs(const Rvl32s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliConvert_32s16u_C1RSfs(const Rvl32s* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliConvert_32u8u_C1RSfs(const Rvl32u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliConvert_32u8s_C1RSfs(const Rvl32u* pSrc, int srcStep, Rvl8s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliConvert_32u16u_C1RSfs(const Rvl32u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliConvert_32u16s_C1RSfs(const Rvl32u* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliConvert_32u32s_C1RSfs(const Rvl32u* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliConvert_32f8u_C1RSfs(const Rvl32f* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliConvert_32f8s_C1RSfs(const Rvl32f* pSrc, int srcStep, Rvl8s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliConvert_32f16u_C1RSfs(const Rvl32f* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliConvert_32f16s_C1RSfs(const Rvl32f* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliConvert_32f32s_C1RSfs(const Rvl32f* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliConvert_32f32u_C1RSfs(const Rvl32f* pSrc, int srcStep, Rvl32u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliConvert_64f8u_C1RSfs(const Rvl64f* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliConvert_64f8s_C1RSfs(const Rvl64f* pSrc, int srcStep, Rvl8s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliConvert_64f16u_C1RSfs(const Rvl64f* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
RVL_API RvlResult rvliConvert_64f16s_C1RSfs(const Rvl64f* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
/** In place: each 32f element's storage receives its 32u result. */
RVL_API RvlResult rvliConvert_32f32u_C1IRSfs(Rvl32u* pSrcDst, int srcDstStep, RvlSize roiSize, RvlRoundMode rndMode, int scaleFactor);
/** Signed to unsigned: negative values become 0. */
RVL_API RvlResult rvliConvert_8s8u_C1Rs(const Rvl8s* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_8s16u_C1Rs(const Rvl8s* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_8s32u_C1Rs(const Rvl8s* pSrc, int srcStep, Rvl32u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_16s16u_C1Rs(const Rvl16s* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_16s32u_C1Rs(const Rvl16s* pSrc, int srcStep, Rvl32u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliConvert_32s32u_C1Rs(const Rvl32s* pSrc, int srcStep, Rvl32u* pDst, int dstStep, RvlSize roiSize);

/* ====================================================================== */
/* Data movement: range scaling                                            */
/* ====================================================================== */

/* The full range of one type onto the full range of the other. 8u32f and
 * 32f8u map [vMin, vMax] to 0 .. 255 (vMax - vMin <= 0 is
 * rvlResBadValueRange); the 16u/16s/32s to 8u forms take the fast path
 * unless hint is rvlHintAccurate. Checks: null, size, steps, range. */

/** Scale 8u to 16u. */
RVL_API RvlResult rvliScale_8u16u_C1R(const Rvl8u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliScale_8u16u_C3R(const Rvl8u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliScale_8u16u_C4R(const Rvl8u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliScale_8u16u_AC4R(const Rvl8u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize);
/** Scale 8u to 16s. */
RVL_API RvlResult rvliScale_8u16s_C1R(const Rvl8u* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliScale_8u16s_C3R(const Rvl8u* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliScale_8u16s_C4R(const Rvl8u* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliScale_8u16s_AC4R(const Rvl8u* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize);
/** Scale 8u to 32s. */
RVL_API RvlResult rvliScale_8u32s_C1R(const Rvl8u* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliScale_8u32s_C3R(const Rvl8u* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliScale_8u32s_C4R(const Rvl8u* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliScale_8u32s_AC4R(const Rvl8u* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize);
/** Scale 8u to 32f: x * (vMax - vMin) / 255 + vMin. */
RVL_API RvlResult rvliScale_8u32f_C1R(const Rvl8u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, Rvl32f vMin, Rvl32f vMax);
RVL_API RvlResult rvliScale_8u32f_C3R(const Rvl8u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, Rvl32f vMin, Rvl32f vMax);
RVL_API RvlResult rvliScale_8u32f_C4R(const Rvl8u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, Rvl32f vMin, Rvl32f vMax);
RVL_API RvlResult rvliScale_8u32f_AC4R(const Rvl8u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, Rvl32f vMin, Rvl32f vMax);
/** Scale 16u to 8u (fast, or accurate with rvlHintAccurate). */
RVL_API RvlResult rvliScale_16u8u_C1R(const Rvl16u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScale_16u8u_C3R(const Rvl16u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScale_16u8u_C4R(const Rvl16u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScale_16u8u_AC4R(const Rvl16u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
/** Scale 16s to 8u (fast, or accurate with rvlHintAccurate). */
RVL_API RvlResult rvliScale_16s8u_C1R(const Rvl16s* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScale_16s8u_C3R(const Rvl16s* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScale_16s8u_C4R(const Rvl16s* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScale_16s8u_AC4R(const Rvl16s* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
/** Scale 32s to 8u (fast, or accurate with rvlHintAccurate). */
RVL_API RvlResult rvliScale_32s8u_C1R(const Rvl32s* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScale_32s8u_C3R(const Rvl32s* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScale_32s8u_C4R(const Rvl32s* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScale_32s8u_AC4R(const Rvl32s* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
/** Scale 32f to 8u: [vMin, vMax] onto 0 .. 255, clamped. */
RVL_API RvlResult rvliScale_32f8u_C1R(const Rvl32f* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, Rvl32f vMin, Rvl32f vMax);
RVL_API RvlResult rvliScale_32f8u_C3R(const Rvl32f* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, Rvl32f vMin, Rvl32f vMax);
RVL_API RvlResult rvliScale_32f8u_C4R(const Rvl32f* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, Rvl32f vMin, Rvl32f vMax);
RVL_API RvlResult rvliScale_32f8u_AC4R(const Rvl32f* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, Rvl32f vMin, Rvl32f vMax);

/* dst = src * mVal + aVal, rounded to nearest even and saturated for integer
 * destinations; single precision unless hint is rvlHintAccurate. With
 * mVal == 1 and aVal == 0 (within 2.2e-16) the call is a plain conversion
 * (a copy for same-type pairs), decided before any check. */

/** ScaleC from 8u. */
RVL_API RvlResult rvliScaleC_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_8u8s_C1R(const Rvl8u* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl8s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_8u16u_C1R(const Rvl8u* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_8u16s_C1R(const Rvl8u* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_8u32s_C1R(const Rvl8u* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl32s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_8u32f_C1R(const Rvl8u* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_8u64f_C1R(const Rvl8u* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl64f* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_8u_C1IR(Rvl64f mVal, Rvl64f aVal, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, RvlHintAlgorithm hint);
/** ScaleC from 8s. */
RVL_API RvlResult rvliScaleC_8s8u_C1R(const Rvl8s* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_8s_C1R(const Rvl8s* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl8s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_8s16u_C1R(const Rvl8s* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_8s16s_C1R(const Rvl8s* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_8s32s_C1R(const Rvl8s* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl32s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_8s32f_C1R(const Rvl8s* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_8s64f_C1R(const Rvl8s* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl64f* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_8s_C1IR(Rvl64f mVal, Rvl64f aVal, Rvl8s* pSrcDst, int srcDstStep, RvlSize roiSize, RvlHintAlgorithm hint);
/** ScaleC from 16u. */
RVL_API RvlResult rvliScaleC_16u8u_C1R(const Rvl16u* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_16u8s_C1R(const Rvl16u* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl8s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_16u16s_C1R(const Rvl16u* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_16u32s_C1R(const Rvl16u* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl32s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_16u32f_C1R(const Rvl16u* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_16u64f_C1R(const Rvl16u* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl64f* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_16u_C1IR(Rvl64f mVal, Rvl64f aVal, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, RvlHintAlgorithm hint);
/** ScaleC from 16s. */
RVL_API RvlResult rvliScaleC_16s8u_C1R(const Rvl16s* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_16s8s_C1R(const Rvl16s* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl8s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_16s16u_C1R(const Rvl16s* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_16s32s_C1R(const Rvl16s* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl32s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_16s32f_C1R(const Rvl16s* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_16s64f_C1R(const Rvl16s* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl64f* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_16s_C1IR(Rvl64f mVal, Rvl64f aVal, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, RvlHintAlgorithm hint);
/** ScaleC from 32s. */
RVL_API RvlResult rvliScaleC_32s8u_C1R(const Rvl32s* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_32s8s_C1R(const Rvl32s* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl8s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_32s16u_C1R(const Rvl32s* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_32s16s_C1R(const Rvl32s* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_32s_C1R(const Rvl32s* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl32s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_32s32f_C1R(const Rvl32s* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_32s64f_C1R(const Rvl32s* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl64f* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_32s_C1IR(Rvl64f mVal, Rvl64f aVal, Rvl32s* pSrcDst, int srcDstStep, RvlSize roiSize, RvlHintAlgorithm hint);
/** ScaleC from 32f. */
RVL_API RvlResult rvliScaleC_32f8u_C1R(const Rvl32f* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_32f8s_C1R(const Rvl32f* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl8s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_32f16u_C1R(const Rvl32f* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_32f16s_C1R(const Rvl32f* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_32f32s_C1R(const Rvl32f* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl32s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_32f64f_C1R(const Rvl32f* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl64f* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_32f_C1IR(Rvl64f mVal, Rvl64f aVal, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, RvlHintAlgorithm hint);
/** ScaleC from 64f. */
RVL_API RvlResult rvliScaleC_64f8u_C1R(const Rvl64f* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_64f8s_C1R(const Rvl64f* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl8s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_64f16u_C1R(const Rvl64f* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_64f16s_C1R(const Rvl64f* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_64f32s_C1R(const Rvl64f* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl32s* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_64f32f_C1R(const Rvl64f* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_64f_C1R(const Rvl64f* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, Rvl64f* pDst, int dstStep, RvlSize roiSize, RvlHintAlgorithm hint);
RVL_API RvlResult rvliScaleC_64f_C1IR(Rvl64f mVal, Rvl64f aVal, Rvl64f* pSrcDst, int srcDstStep, RvlSize roiSize, RvlHintAlgorithm hint);

/* ====================================================================== */
/* Threshold and compare: fixed thresholds                                 */
/* ====================================================================== */

/* Every channel is compared with its own threshold, strictly: an element
 * equal to the threshold is kept. GT keeps min(x, t), LT max(x, t) (a 32f
 * NaN becomes t); GTVal replaces x > t by value (NaN kept), LTVal replaces
 * x < t by value (NaN replaced too); LTValGTVal does both with two
 * thresholds (NaN kept). cmpOp is rvlCompareLess (LT) or rvlCompareGreater
 * (GT); other codes are rvlResUnsupportedMode. AC4 forms leave alpha
 * unwritten. Multi-channel forms take one threshold (and value) per
 * channel. */

/** Threshold, 8u: threshold against cmpOp. */
RVL_API RvlResult rvliThreshold_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, Rvl8u threshold, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_8u_C1IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl8u threshold, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* threshold, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_8u_C3IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl8u* threshold, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_8u_AC4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* threshold, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_8u_AC4IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl8u* threshold, RvlCmpOp cmpOp);
/** Threshold, 16u: threshold against cmpOp. */
RVL_API RvlResult rvliThreshold_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, Rvl16u threshold, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_16u_C1IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl16u threshold, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_16u_C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl16u* threshold, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_16u_C3IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16u* threshold, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_16u_AC4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl16u* threshold, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_16u_AC4IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16u* threshold, RvlCmpOp cmpOp);
/** Threshold, 16s: threshold against cmpOp. */
RVL_API RvlResult rvliThreshold_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, Rvl16s threshold, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_16s_C1IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl16s threshold, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl16s* threshold, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_16s_C3IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16s* threshold, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_16s_AC4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl16s* threshold, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_16s_AC4IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16s* threshold, RvlCmpOp cmpOp);
/** Threshold, 32f: threshold against cmpOp. */
RVL_API RvlResult rvliThreshold_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, Rvl32f threshold, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_32f_C1IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl32f threshold, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl32f* threshold, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_32f_C3IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl32f* threshold, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_32f_AC4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl32f* threshold, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_32f_AC4IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl32f* threshold, RvlCmpOp cmpOp);
/** Threshold_GT, 8u: clamp from above: min(x, threshold). */
RVL_API RvlResult rvliThreshold_GT_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, Rvl8u threshold);
RVL_API RvlResult rvliThreshold_GT_8u_C1IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl8u threshold);
RVL_API RvlResult rvliThreshold_GT_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* threshold);
RVL_API RvlResult rvliThreshold_GT_8u_C3IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl8u* threshold);
RVL_API RvlResult rvliThreshold_GT_8u_AC4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* threshold);
RVL_API RvlResult rvliThreshold_GT_8u_AC4IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl8u* threshold);
/** Threshold_GT, 16u: clamp from above: min(x, threshold). */
RVL_API RvlResult rvliThreshold_GT_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, Rvl16u threshold);
RVL_API RvlResult rvliThreshold_GT_16u_C1IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl16u threshold);
RVL_API RvlResult rvliThreshold_GT_16u_C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl16u* threshold);
RVL_API RvlResult rvliThreshold_GT_16u_C3IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16u* threshold);
RVL_API RvlResult rvliThreshold_GT_16u_AC4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl16u* threshold);
RVL_API RvlResult rvliThreshold_GT_16u_AC4IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16u* threshold);
/** Threshold_GT, 16s: clamp from above: min(x, threshold). */
RVL_API RvlResult rvliThreshold_GT_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, Rvl16s threshold);
RVL_API RvlResult rvliThreshold_GT_16s_C1IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl16s threshold);
RVL_API RvlResult rvliThreshold_GT_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl16s* threshold);
RVL_API RvlResult rvliThreshold_GT_16s_C3IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16s* threshold);
RVL_API RvlResult rvliThreshold_GT_16s_AC4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl16s* threshold);
RVL_API RvlResult rvliThreshold_GT_16s_AC4IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16s* threshold);
/** Threshold_GT, 32f: clamp from above: min(x, threshold). */
RVL_API RvlResult rvliThreshold_GT_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, Rvl32f threshold);
RVL_API RvlResult rvliThreshold_GT_32f_C1IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl32f threshold);
RVL_API RvlResult rvliThreshold_GT_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl32f* threshold);
RVL_API RvlResult rvliThreshold_GT_32f_C3IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl32f* threshold);
RVL_API RvlResult rvliThreshold_GT_32f_AC4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl32f* threshold);
RVL_API RvlResult rvliThreshold_GT_32f_AC4IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl32f* threshold);
/** Threshold_LT, 8u: clamp from below: max(x, threshold). */
RVL_API RvlResult rvliThreshold_LT_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, Rvl8u threshold);
RVL_API RvlResult rvliThreshold_LT_8u_C1IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl8u threshold);
RVL_API RvlResult rvliThreshold_LT_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* threshold);
RVL_API RvlResult rvliThreshold_LT_8u_C3IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl8u* threshold);
RVL_API RvlResult rvliThreshold_LT_8u_AC4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* threshold);
RVL_API RvlResult rvliThreshold_LT_8u_AC4IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl8u* threshold);
/** Threshold_LT, 16u: clamp from below: max(x, threshold). */
RVL_API RvlResult rvliThreshold_LT_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, Rvl16u threshold);
RVL_API RvlResult rvliThreshold_LT_16u_C1IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl16u threshold);
RVL_API RvlResult rvliThreshold_LT_16u_C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl16u* threshold);
RVL_API RvlResult rvliThreshold_LT_16u_C3IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16u* threshold);
RVL_API RvlResult rvliThreshold_LT_16u_AC4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl16u* threshold);
RVL_API RvlResult rvliThreshold_LT_16u_AC4IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16u* threshold);
/** Threshold_LT, 16s: clamp from below: max(x, threshold). */
RVL_API RvlResult rvliThreshold_LT_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, Rvl16s threshold);
RVL_API RvlResult rvliThreshold_LT_16s_C1IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl16s threshold);
RVL_API RvlResult rvliThreshold_LT_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl16s* threshold);
RVL_API RvlResult rvliThreshold_LT_16s_C3IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16s* threshold);
RVL_API RvlResult rvliThreshold_LT_16s_AC4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl16s* threshold);
RVL_API RvlResult rvliThreshold_LT_16s_AC4IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16s* threshold);
/** Threshold_LT, 32f: clamp from below: max(x, threshold). */
RVL_API RvlResult rvliThreshold_LT_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, Rvl32f threshold);
RVL_API RvlResult rvliThreshold_LT_32f_C1IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl32f threshold);
RVL_API RvlResult rvliThreshold_LT_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl32f* threshold);
RVL_API RvlResult rvliThreshold_LT_32f_C3IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl32f* threshold);
RVL_API RvlResult rvliThreshold_LT_32f_AC4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl32f* threshold);
RVL_API RvlResult rvliThreshold_LT_32f_AC4IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl32f* threshold);
/** Threshold_Val, 8u: replace by value where x cmpOp threshold. */
RVL_API RvlResult rvliThreshold_Val_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, Rvl8u threshold, Rvl8u value, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_Val_8u_C1IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl8u threshold, Rvl8u value, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_Val_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* threshold, const Rvl8u* value, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_Val_8u_C3IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl8u* threshold, const Rvl8u* value, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_Val_8u_AC4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* threshold, const Rvl8u* value, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_Val_8u_AC4IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl8u* threshold, const Rvl8u* value, RvlCmpOp cmpOp);
/** Threshold_Val, 16u: replace by value where x cmpOp threshold. */
RVL_API RvlResult rvliThreshold_Val_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, Rvl16u threshold, Rvl16u value, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_Val_16u_C1IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl16u threshold, Rvl16u value, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_Val_16u_C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl16u* threshold, const Rvl16u* value, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_Val_16u_C3IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16u* threshold, const Rvl16u* value, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_Val_16u_AC4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl16u* threshold, const Rvl16u* value, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_Val_16u_AC4IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16u* threshold, const Rvl16u* value, RvlCmpOp cmpOp);
/** Threshold_Val, 16s: replace by value where x cmpOp threshold. */
RVL_API RvlResult rvliThreshold_Val_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, Rvl16s threshold, Rvl16s value, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_Val_16s_C1IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl16s threshold, Rvl16s value, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_Val_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl16s* threshold, const Rvl16s* value, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_Val_16s_C3IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16s* threshold, const Rvl16s* value, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_Val_16s_AC4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl16s* threshold, const Rvl16s* value, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_Val_16s_AC4IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16s* threshold, const Rvl16s* value, RvlCmpOp cmpOp);
/** Threshold_Val, 32f: replace by value where x cmpOp threshold. */
RVL_API RvlResult rvliThreshold_Val_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, Rvl32f threshold, Rvl32f value, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_Val_32f_C1IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl32f threshold, Rvl32f value, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_Val_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl32f* threshold, const Rvl32f* value, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_Val_32f_C3IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl32f* threshold, const Rvl32f* value, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_Val_32f_AC4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl32f* threshold, const Rvl32f* value, RvlCmpOp cmpOp);
RVL_API RvlResult rvliThreshold_Val_32f_AC4IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl32f* threshold, const Rvl32f* value, RvlCmpOp cmpOp);
/** Threshold_GTVal, 8u: replace x > threshold by value. */
RVL_API RvlResult rvliThreshold_GTVal_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, Rvl8u threshold, Rvl8u value);
RVL_API RvlResult rvliThreshold_GTVal_8u_C1IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl8u threshold, Rvl8u value);
RVL_API RvlResult rvliThreshold_GTVal_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* threshold, const Rvl8u* value);
RVL_API RvlResult rvliThreshold_GTVal_8u_C3IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl8u* threshold, const Rvl8u* value);
RVL_API RvlResult rvliThreshold_GTVal_8u_C4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* threshold, const Rvl8u* value);
RVL_API RvlResult rvliThreshold_GTVal_8u_C4IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl8u* threshold, const Rvl8u* value);
RVL_API RvlResult rvliThreshold_GTVal_8u_AC4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* threshold, const Rvl8u* value);
RVL_API RvlResult rvliThreshold_GTVal_8u_AC4IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl8u* threshold, const Rvl8u* value);
/** Threshold_GTVal, 16u: replace x > threshold by value. */
RVL_API RvlResult rvliThreshold_GTVal_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, Rvl16u threshold, Rvl16u value);
RVL_API RvlResult rvliThreshold_GTVal_16u_C1IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl16u threshold, Rvl16u value);
RVL_API RvlResult rvliThreshold_GTVal_16u_C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl16u* threshold, const Rvl16u* value);
RVL_API RvlResult rvliThreshold_GTVal_16u_C3IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16u* threshold, const Rvl16u* value);
RVL_API RvlResult rvliThreshold_GTVal_16u_C4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl16u* threshold, const Rvl16u* value);
RVL_API RvlResult rvliThreshold_GTVal_16u_C4IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16u* threshold, const Rvl16u* value);
RVL_API RvlResult rvliThreshold_GTVal_16u_AC4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl16u* threshold, const Rvl16u* value);
RVL_API RvlResult rvliThreshold_GTVal_16u_AC4IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16u* threshold, const Rvl16u* value);
/** Threshold_GTVal, 16s: replace x > threshold by value. */
RVL_API RvlResult rvliThreshold_GTVal_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, Rvl16s threshold, Rvl16s value);
RVL_API RvlResult rvliThreshold_GTVal_16s_C1IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl16s threshold, Rvl16s value);
RVL_API RvlResult rvliThreshold_GTVal_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl16s* threshold, const Rvl16s* value);
RVL_API RvlResult rvliThreshold_GTVal_16s_C3IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16s* threshold, const Rvl16s* value);
RVL_API RvlResult rvliThreshold_GTVal_16s_C4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl16s* threshold, const Rvl16s* value);
RVL_API RvlResult rvliThreshold_GTVal_16s_C4IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16s* threshold, const Rvl16s* value);
RVL_API RvlResult rvliThreshold_GTVal_16s_AC4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl16s* threshold, const Rvl16s* value);
RVL_API RvlResult rvliThreshold_GTVal_16s_AC4IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16s* threshold, const Rvl16s* value);
/** Threshold_GTVal, 32f: replace x > threshold by value. */
RVL_API RvlResult rvliThreshold_GTVal_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, Rvl32f threshold, Rvl32f value);
RVL_API RvlResult rvliThreshold_GTVal_32f_C1IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl32f threshold, Rvl32f value);
RVL_API RvlResult rvliThreshold_GTVal_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl32f* threshold, const Rvl32f* value);
RVL_API RvlResult rvliThreshold_GTVal_32f_C3IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl32f* threshold, const Rvl32f* value);
RVL_API RvlResult rvliThreshold_GTVal_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl32f* threshold, const Rvl32f* value);
RVL_API RvlResult rvliThreshold_GTVal_32f_C4IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl32f* threshold, const Rvl32f* value);
RVL_API RvlResult rvliThreshold_GTVal_32f_AC4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl32f* threshold, const Rvl32f* value);
RVL_API RvlResult rvliThreshold_GTVal_32f_AC4IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl32f* threshold, const Rvl32f* value);
/** Threshold_LTVal, 8u: replace x < threshold by value. */
RVL_API RvlResult rvliThreshold_LTVal_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, Rvl8u threshold, Rvl8u value);
RVL_API RvlResult rvliThreshold_LTVal_8u_C1IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl8u threshold, Rvl8u value);
RVL_API RvlResult rvliThreshold_LTVal_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* threshold, const Rvl8u* value);
RVL_API RvlResult rvliThreshold_LTVal_8u_C3IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl8u* threshold, const Rvl8u* value);
RVL_API RvlResult rvliThreshold_LTVal_8u_C4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* threshold, const Rvl8u* value);
RVL_API RvlResult rvliThreshold_LTVal_8u_C4IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl8u* threshold, const Rvl8u* value);
RVL_API RvlResult rvliThreshold_LTVal_8u_AC4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* threshold, const Rvl8u* value);
RVL_API RvlResult rvliThreshold_LTVal_8u_AC4IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl8u* threshold, const Rvl8u* value);
/** Threshold_LTVal, 16u: replace x < threshold by value. */
RVL_API RvlResult rvliThreshold_LTVal_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, Rvl16u threshold, Rvl16u value);
RVL_API RvlResult rvliThreshold_LTVal_16u_C1IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl16u threshold, Rvl16u value);
RVL_API RvlResult rvliThreshold_LTVal_16u_C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl16u* threshold, const Rvl16u* value);
RVL_API RvlResult rvliThreshold_LTVal_16u_C3IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16u* threshold, const Rvl16u* value);
RVL_API RvlResult rvliThreshold_LTVal_16u_C4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl16u* threshold, const Rvl16u* value);
RVL_API RvlResult rvliThreshold_LTVal_16u_C4IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16u* threshold, const Rvl16u* value);
RVL_API RvlResult rvliThreshold_LTVal_16u_AC4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl16u* threshold, const Rvl16u* value);
RVL_API RvlResult rvliThreshold_LTVal_16u_AC4IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16u* threshold, const Rvl16u* value);
/** Threshold_LTVal, 16s: replace x < threshold by value. */
RVL_API RvlResult rvliThreshold_LTVal_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, Rvl16s threshold, Rvl16s value);
RVL_API RvlResult rvliThreshold_LTVal_16s_C1IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl16s threshold, Rvl16s value);
RVL_API RvlResult rvliThreshold_LTVal_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl16s* threshold, const Rvl16s* value);
RVL_API RvlResult rvliThreshold_LTVal_16s_C3IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16s* threshold, const Rvl16s* value);
RVL_API RvlResult rvliThreshold_LTVal_16s_C4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl16s* threshold, const Rvl16s* value);
RVL_API RvlResult rvliThreshold_LTVal_16s_C4IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16s* threshold, const Rvl16s* value);
RVL_API RvlResult rvliThreshold_LTVal_16s_AC4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl16s* threshold, const Rvl16s* value);
RVL_API RvlResult rvliThreshold_LTVal_16s_AC4IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16s* threshold, const Rvl16s* value);
/** Threshold_LTVal, 32f: replace x < threshold by value. */
RVL_API RvlResult rvliThreshold_LTVal_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, Rvl32f threshold, Rvl32f value);
RVL_API RvlResult rvliThreshold_LTVal_32f_C1IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl32f threshold, Rvl32f value);
RVL_API RvlResult rvliThreshold_LTVal_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl32f* threshold, const Rvl32f* value);
RVL_API RvlResult rvliThreshold_LTVal_32f_C3IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl32f* threshold, const Rvl32f* value);
RVL_API RvlResult rvliThreshold_LTVal_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl32f* threshold, const Rvl32f* value);
RVL_API RvlResult rvliThreshold_LTVal_32f_C4IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl32f* threshold, const Rvl32f* value);
RVL_API RvlResult rvliThreshold_LTVal_32f_AC4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl32f* threshold, const Rvl32f* value);
RVL_API RvlResult rvliThreshold_LTVal_32f_AC4IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl32f* threshold, const Rvl32f* value);
/** Threshold_LTValGTVal, 8u: replace x < thresholdLT by valueLT and x > thresholdGT by valueGT. */
RVL_API RvlResult rvliThreshold_LTValGTVal_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, Rvl8u thresholdLT, Rvl8u valueLT, Rvl8u thresholdGT, Rvl8u valueGT);
RVL_API RvlResult rvliThreshold_LTValGTVal_8u_C1IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl8u thresholdLT, Rvl8u valueLT, Rvl8u thresholdGT, Rvl8u valueGT);
RVL_API RvlResult rvliThreshold_LTValGTVal_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* thresholdLT, const Rvl8u* valueLT, const Rvl8u* thresholdGT, const Rvl8u* valueGT);
RVL_API RvlResult rvliThreshold_LTValGTVal_8u_C3IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl8u* thresholdLT, const Rvl8u* valueLT, const Rvl8u* thresholdGT, const Rvl8u* valueGT);
RVL_API RvlResult rvliThreshold_LTValGTVal_8u_AC4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, const Rvl8u* thresholdLT, const Rvl8u* valueLT, const Rvl8u* thresholdGT, const Rvl8u* valueGT);
RVL_API RvlResult rvliThreshold_LTValGTVal_8u_AC4IR(Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl8u* thresholdLT, const Rvl8u* valueLT, const Rvl8u* thresholdGT, const Rvl8u* valueGT);
/** Threshold_LTValGTVal, 16u: replace x < thresholdLT by valueLT and x > thresholdGT by valueGT. */
RVL_API RvlResult rvliThreshold_LTValGTVal_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, Rvl16u thresholdLT, Rvl16u valueLT, Rvl16u thresholdGT, Rvl16u valueGT);
RVL_API RvlResult rvliThreshold_LTValGTVal_16u_C1IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl16u thresholdLT, Rvl16u valueLT, Rvl16u thresholdGT, Rvl16u valueGT);
RVL_API RvlResult rvliThreshold_LTValGTVal_16u_C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl16u* thresholdLT, const Rvl16u* valueLT, const Rvl16u* thresholdGT, const Rvl16u* valueGT);
RVL_API RvlResult rvliThreshold_LTValGTVal_16u_C3IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16u* thresholdLT, const Rvl16u* valueLT, const Rvl16u* thresholdGT, const Rvl16u* valueGT);
RVL_API RvlResult rvliThreshold_LTValGTVal_16u_AC4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, const Rvl16u* thresholdLT, const Rvl16u* valueLT, const Rvl16u* thresholdGT, const Rvl16u* valueGT);
RVL_API RvlResult rvliThreshold_LTValGTVal_16u_AC4IR(Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16u* thresholdLT, const Rvl16u* valueLT, const Rvl16u* thresholdGT, const Rvl16u* valueGT);
/** Threshold_LTValGTVal, 16s: replace x < thresholdLT by valueLT and x > thresholdGT by valueGT. */
RVL_API RvlResult rvliThreshold_LTValGTVal_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, Rvl16s thresholdLT, Rvl16s valueLT, Rvl16s thresholdGT, Rvl16s valueGT);
RVL_API RvlResult rvliThreshold_LTValGTVal_16s_C1IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl16s thresholdLT, Rvl16s valueLT, Rvl16s thresholdGT, Rvl16s valueGT);
RVL_API RvlResult rvliThreshold_LTValGTVal_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl16s* thresholdLT, const Rvl16s* valueLT, const Rvl16s* thresholdGT, const Rvl16s* valueGT);
RVL_API RvlResult rvliThreshold_LTValGTVal_16s_C3IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16s* thresholdLT, const Rvl16s* valueLT, const Rvl16s* thresholdGT, const Rvl16s* valueGT);
RVL_API RvlResult rvliThreshold_LTValGTVal_16s_AC4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, const Rvl16s* thresholdLT, const Rvl16s* valueLT, const Rvl16s* thresholdGT, const Rvl16s* valueGT);
RVL_API RvlResult rvliThreshold_LTValGTVal_16s_AC4IR(Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl16s* thresholdLT, const Rvl16s* valueLT, const Rvl16s* thresholdGT, const Rvl16s* valueGT);
/** Threshold_LTValGTVal, 32f: replace x < thresholdLT by valueLT and x > thresholdGT by valueGT. */
RVL_API RvlResult rvliThreshold_LTValGTVal_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, Rvl32f thresholdLT, Rvl32f valueLT, Rvl32f thresholdGT, Rvl32f valueGT);
RVL_API RvlResult rvliThreshold_LTValGTVal_32f_C1IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, Rvl32f thresholdLT, Rvl32f valueLT, Rvl32f thresholdGT, Rvl32f valueGT);
RVL_API RvlResult rvliThreshold_LTValGTVal_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl32f* thresholdLT, const Rvl32f* valueLT, const Rvl32f* thresholdGT, const Rvl32f* valueGT);
RVL_API RvlResult rvliThreshold_LTValGTVal_32f_C3IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl32f* thresholdLT, const Rvl32f* valueLT, const Rvl32f* thresholdGT, const Rvl32f* valueGT);
RVL_API RvlResult rvliThreshold_LTValGTVal_32f_AC4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, const Rvl32f* thresholdLT, const Rvl32f* valueLT, const Rvl32f* thresholdGT, const Rvl32f* valueGT);
RVL_API RvlResult rvliThreshold_LTValGTVal_32f_AC4IR(Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize, const Rvl32f* thresholdLT, const Rvl32f* valueLT, const Rvl32f* thresholdGT, const Rvl32f* valueGT);

/* ====================================================================== */
/* Statistics: norms                                                       */
/* ====================================================================== */

/* One Rvl64f per channel: Inf (largest magnitude), L1 (sum of magnitudes),
 * L2 (square root of the sum of squares) of src, of src1 - src2 (Diff) and
 * of that relative to src2 (Rel; a zero denominator gives +Inf, or NaN when
 * the numerator is zero too, and the warning rvlResWarnDivByZero). Integer
 * sums are exact; 32f L1/L2 sum in four single-precision lanes unless hint
 * is rvlHintAccurate (double precision). */

/** Norm_Inf, 8u. */
RVL_API RvlResult rvliNorm_Inf_8u_C1R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNorm_Inf_8u_C3R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNorm_Inf_8u_C4R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[4]);
/** Norm_Inf, 16u. */
RVL_API RvlResult rvliNorm_Inf_16u_C1R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNorm_Inf_16u_C3R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNorm_Inf_16u_C4R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[4]);
/** Norm_Inf, 16s. */
RVL_API RvlResult rvliNorm_Inf_16s_C1R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNorm_Inf_16s_C3R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNorm_Inf_16s_C4R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[4]);
/** Norm_Inf, 32f. */
RVL_API RvlResult rvliNorm_Inf_32f_C1R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNorm_Inf_32f_C3R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNorm_Inf_32f_C4R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[4]);
/** Norm_L1, 8u. */
RVL_API RvlResult rvliNorm_L1_8u_C1R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNorm_L1_8u_C3R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNorm_L1_8u_C4R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[4]);
/** Norm_L1, 16u. */
RVL_API RvlResult rvliNorm_L1_16u_C1R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNorm_L1_16u_C3R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNorm_L1_16u_C4R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[4]);
/** Norm_L1, 16s. */
RVL_API RvlResult rvliNorm_L1_16s_C1R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNorm_L1_16s_C3R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNorm_L1_16s_C4R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[4]);
/** Norm_L1, 32f. */
RVL_API RvlResult rvliNorm_L1_32f_C1R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl64f* pValue, RvlHintAlgorithm hint);
RVL_API RvlResult rvliNorm_L1_32f_C3R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[3], RvlHintAlgorithm hint);
RVL_API RvlResult rvliNorm_L1_32f_C4R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[4], RvlHintAlgorithm hint);
/** Norm_L2, 8u. */
RVL_API RvlResult rvliNorm_L2_8u_C1R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNorm_L2_8u_C3R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNorm_L2_8u_C4R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[4]);
/** Norm_L2, 16u. */
RVL_API RvlResult rvliNorm_L2_16u_C1R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNorm_L2_16u_C3R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNorm_L2_16u_C4R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[4]);
/** Norm_L2, 16s. */
RVL_API RvlResult rvliNorm_L2_16s_C1R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNorm_L2_16s_C3R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNorm_L2_16s_C4R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[4]);
/** Norm_L2, 32f. */
RVL_API RvlResult rvliNorm_L2_32f_C1R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl64f* pValue, RvlHintAlgorithm hint);
RVL_API RvlResult rvliNorm_L2_32f_C3R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[3], RvlHintAlgorithm hint);
RVL_API RvlResult rvliNorm_L2_32f_C4R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl64f value[4], RvlHintAlgorithm hint);
/** NormDiff_Inf, 8u. */
RVL_API RvlResult rvliNormDiff_Inf_8u_C1R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNormDiff_Inf_8u_C3R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNormDiff_Inf_8u_C4R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4]);
/** NormDiff_Inf, 16u. */
RVL_API RvlResult rvliNormDiff_Inf_16u_C1R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNormDiff_Inf_16u_C3R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNormDiff_Inf_16u_C4R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4]);
/** NormDiff_Inf, 16s. */
RVL_API RvlResult rvliNormDiff_Inf_16s_C1R(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNormDiff_Inf_16s_C3R(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNormDiff_Inf_16s_C4R(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4]);
/** NormDiff_Inf, 32f. */
RVL_API RvlResult rvliNormDiff_Inf_32f_C1R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNormDiff_Inf_32f_C3R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNormDiff_Inf_32f_C4R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4]);
/** NormDiff_L1, 8u. */
RVL_API RvlResult rvliNormDiff_L1_8u_C1R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNormDiff_L1_8u_C3R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNormDiff_L1_8u_C4R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4]);
/** NormDiff_L1, 16u. */
RVL_API RvlResult rvliNormDiff_L1_16u_C1R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNormDiff_L1_16u_C3R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNormDiff_L1_16u_C4R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4]);
/** NormDiff_L1, 16s. */
RVL_API RvlResult rvliNormDiff_L1_16s_C1R(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNormDiff_L1_16s_C3R(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNormDiff_L1_16s_C4R(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4]);
/** NormDiff_L1, 32f. */
RVL_API RvlResult rvliNormDiff_L1_32f_C1R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue, RvlHintAlgorithm hint);
RVL_API RvlResult rvliNormDiff_L1_32f_C3R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3], RvlHintAlgorithm hint);
RVL_API RvlResult rvliNormDiff_L1_32f_C4R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4], RvlHintAlgorithm hint);
/** NormDiff_L2, 8u. */
RVL_API RvlResult rvliNormDiff_L2_8u_C1R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNormDiff_L2_8u_C3R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNormDiff_L2_8u_C4R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4]);
/** NormDiff_L2, 16u. */
RVL_API RvlResult rvliNormDiff_L2_16u_C1R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNormDiff_L2_16u_C3R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNormDiff_L2_16u_C4R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4]);
/** NormDiff_L2, 16s. */
RVL_API RvlResult rvliNormDiff_L2_16s_C1R(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNormDiff_L2_16s_C3R(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNormDiff_L2_16s_C4R(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4]);
/** NormDiff_L2, 32f. */
RVL_API RvlResult rvliNormDiff_L2_32f_C1R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue, RvlHintAlgorithm hint);
RVL_API RvlResult rvliNormDiff_L2_32f_C3R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3], RvlHintAlgorithm hint);
RVL_API RvlResult rvliNormDiff_L2_32f_C4R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4], RvlHintAlgorithm hint);
/** NormRel_Inf, 8u. */
RVL_API RvlResult rvliNormRel_Inf_8u_C1R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNormRel_Inf_8u_C3R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNormRel_Inf_8u_C4R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4]);
/** NormRel_Inf, 16u. */
RVL_API RvlResult rvliNormRel_Inf_16u_C1R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNormRel_Inf_16u_C3R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNormRel_Inf_16u_C4R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4]);
/** NormRel_Inf, 16s. */
RVL_API RvlResult rvliNormRel_Inf_16s_C1R(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNormRel_Inf_16s_C3R(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNormRel_Inf_16s_C4R(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4]);
/** NormRel_Inf, 32f. */
RVL_API RvlResult rvliNormRel_Inf_32f_C1R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNormRel_Inf_32f_C3R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNormRel_Inf_32f_C4R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4]);
/** NormRel_L1, 8u. */
RVL_API RvlResult rvliNormRel_L1_8u_C1R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNormRel_L1_8u_C3R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNormRel_L1_8u_C4R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4]);
/** NormRel_L1, 16u. */
RVL_API RvlResult rvliNormRel_L1_16u_C1R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNormRel_L1_16u_C3R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNormRel_L1_16u_C4R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4]);
/** NormRel_L1, 16s. */
RVL_API RvlResult rvliNormRel_L1_16s_C1R(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNormRel_L1_16s_C3R(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNormRel_L1_16s_C4R(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4]);
/** NormRel_L1, 32f. */
RVL_API RvlResult rvliNormRel_L1_32f_C1R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue, RvlHintAlgorithm hint);
RVL_API RvlResult rvliNormRel_L1_32f_C3R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3], RvlHintAlgorithm hint);
RVL_API RvlResult rvliNormRel_L1_32f_C4R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4], RvlHintAlgorithm hint);
/** NormRel_L2, 8u. */
RVL_API RvlResult rvliNormRel_L2_8u_C1R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNormRel_L2_8u_C3R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNormRel_L2_8u_C4R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4]);
/** NormRel_L2, 16u. */
RVL_API RvlResult rvliNormRel_L2_16u_C1R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNormRel_L2_16u_C3R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNormRel_L2_16u_C4R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4]);
/** NormRel_L2, 16s. */
RVL_API RvlResult rvliNormRel_L2_16s_C1R(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue);
RVL_API RvlResult rvliNormRel_L2_16s_C3R(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3]);
RVL_API RvlResult rvliNormRel_L2_16s_C4R(const Rvl16s* pSrc1, int src1Step, const Rvl16s* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4]);
/** NormRel_L2, 32f. */
RVL_API RvlResult rvliNormRel_L2_32f_C1R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue, RvlHintAlgorithm hint);
RVL_API RvlResult rvliNormRel_L2_32f_C3R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[3], RvlHintAlgorithm hint);
RVL_API RvlResult rvliNormRel_L2_32f_C4R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, RvlSize roiSize, Rvl64f value[4], RvlHintAlgorithm hint);

/* ====================================================================== */
/* Statistics: sum, mean and extrema                                       */
/* ====================================================================== */

/* Per-channel results in memory order (AC4: channels 0-2). Sums are exact
 * for integer types; 32f sums rows in single-precision lanes unless hint is
 * rvlHintAccurate. Index forms report the first occurrence in row-major
 * order. MinEvery/MaxEvery keep the element-wise minimum/maximum. */

/** Sum, 8u. */
RVL_API RvlResult rvliSum_8u_C1R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl64f* pSum);
RVL_API RvlResult rvliSum_8u_C3R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl64f sum[3]);
RVL_API RvlResult rvliSum_8u_C4R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl64f sum[4]);
/** Sum, 16u. */
RVL_API RvlResult rvliSum_16u_C1R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl64f* pSum);
RVL_API RvlResult rvliSum_16u_C3R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl64f sum[3]);
RVL_API RvlResult rvliSum_16u_C4R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl64f sum[4]);
/** Sum, 16s. */
RVL_API RvlResult rvliSum_16s_C1R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl64f* pSum);
RVL_API RvlResult rvliSum_16s_C3R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl64f sum[3]);
RVL_API RvlResult rvliSum_16s_C4R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl64f sum[4]);
/** Sum, 32f. */
RVL_API RvlResult rvliSum_32f_C1R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl64f* pSum, RvlHintAlgorithm hint);
RVL_API RvlResult rvliSum_32f_C3R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl64f sum[3], RvlHintAlgorithm hint);
RVL_API RvlResult rvliSum_32f_C4R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl64f sum[4], RvlHintAlgorithm hint);
/** Mean, 8u. */
RVL_API RvlResult rvliMean_8u_C1R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl64f* pMean);
RVL_API RvlResult rvliMean_8u_C3R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl64f mean[3]);
RVL_API RvlResult rvliMean_8u_C4R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl64f mean[4]);
/** Mean, 16u. */
RVL_API RvlResult rvliMean_16u_C1R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl64f* pMean);
RVL_API RvlResult rvliMean_16u_C3R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl64f mean[3]);
RVL_API RvlResult rvliMean_16u_C4R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl64f mean[4]);
/** Mean, 16s. */
RVL_API RvlResult rvliMean_16s_C1R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl64f* pMean);
RVL_API RvlResult rvliMean_16s_C3R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl64f mean[3]);
RVL_API RvlResult rvliMean_16s_C4R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl64f mean[4]);
/** Mean, 32f. */
RVL_API RvlResult rvliMean_32f_C1R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl64f* pMean, RvlHintAlgorithm hint);
RVL_API RvlResult rvliMean_32f_C3R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl64f mean[3], RvlHintAlgorithm hint);
RVL_API RvlResult rvliMean_32f_C4R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl64f mean[4], RvlHintAlgorithm hint);
/** Min, Max, MinMax, MinIndx, MaxIndx, 8u. */
RVL_API RvlResult rvliMin_8u_C1R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl8u* pMin);
RVL_API RvlResult rvliMax_8u_C1R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl8u* pMax);
RVL_API RvlResult rvliMinMax_8u_C1R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl8u* pMin, Rvl8u* pMax);
RVL_API RvlResult rvliMinIndx_8u_C1R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl8u* pMin, int* pIndexX, int* pIndexY);
RVL_API RvlResult rvliMaxIndx_8u_C1R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl8u* pMax, int* pIndexX, int* pIndexY);
RVL_API RvlResult rvliMin_8u_C3R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl8u min[3]);
RVL_API RvlResult rvliMax_8u_C3R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl8u max[3]);
RVL_API RvlResult rvliMinMax_8u_C3R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl8u min[3], Rvl8u max[3]);
RVL_API RvlResult rvliMinIndx_8u_C3R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl8u min[3], int indexX[3], int indexY[3]);
RVL_API RvlResult rvliMaxIndx_8u_C3R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl8u max[3], int indexX[3], int indexY[3]);
RVL_API RvlResult rvliMin_8u_C4R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl8u min[4]);
RVL_API RvlResult rvliMax_8u_C4R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl8u max[4]);
RVL_API RvlResult rvliMinMax_8u_C4R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl8u min[4], Rvl8u max[4]);
RVL_API RvlResult rvliMinIndx_8u_C4R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl8u min[4], int indexX[4], int indexY[4]);
RVL_API RvlResult rvliMaxIndx_8u_C4R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl8u max[4], int indexX[4], int indexY[4]);
RVL_API RvlResult rvliMin_8u_AC4R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl8u min[3]);
RVL_API RvlResult rvliMax_8u_AC4R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl8u max[3]);
RVL_API RvlResult rvliMinMax_8u_AC4R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl8u min[3], Rvl8u max[3]);
RVL_API RvlResult rvliMinIndx_8u_AC4R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl8u min[3], int indexX[3], int indexY[3]);
RVL_API RvlResult rvliMaxIndx_8u_AC4R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl8u max[3], int indexX[3], int indexY[3]);
/** Minimum and maximum of every block of blockSize, 8u. */
RVL_API RvlResult rvliBlockMinMax_8u_C1R(const Rvl8u* pSrc, int srcStep, RvlSize srcSize, Rvl8u* pDstMin, int dstMinStep, Rvl8u* pDstMax, int dstMaxStep, RvlSize blockSize, Rvl8u* pDstGlobalMin, Rvl8u* pDstGlobalMax);
/** Element-wise minimum / maximum, 8u: in place srcDst = min(srcDst, src). */
RVL_API RvlResult rvliMinEvery_8u_C1IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMaxEvery_8u_C1IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMinEvery_8u_C3IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMaxEvery_8u_C3IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMinEvery_8u_C4IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMaxEvery_8u_C4IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMinEvery_8u_AC4IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMaxEvery_8u_AC4IR(const Rvl8u* pSrc, int srcStep, Rvl8u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMinEvery_8u_C1R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMaxEvery_8u_C1R(const Rvl8u* pSrc1, int src1Step, const Rvl8u* pSrc2, int src2Step, Rvl8u* pDst, int dstStep, RvlSize roiSize);
/** Min, Max, MinMax, MinIndx, MaxIndx, 16u. */
RVL_API RvlResult rvliMin_16u_C1R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl16u* pMin);
RVL_API RvlResult rvliMax_16u_C1R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl16u* pMax);
RVL_API RvlResult rvliMinMax_16u_C1R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl16u* pMin, Rvl16u* pMax);
RVL_API RvlResult rvliMinIndx_16u_C1R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl16u* pMin, int* pIndexX, int* pIndexY);
RVL_API RvlResult rvliMaxIndx_16u_C1R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl16u* pMax, int* pIndexX, int* pIndexY);
RVL_API RvlResult rvliMin_16u_C3R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl16u min[3]);
RVL_API RvlResult rvliMax_16u_C3R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl16u max[3]);
RVL_API RvlResult rvliMinMax_16u_C3R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl16u min[3], Rvl16u max[3]);
RVL_API RvlResult rvliMinIndx_16u_C3R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl16u min[3], int indexX[3], int indexY[3]);
RVL_API RvlResult rvliMaxIndx_16u_C3R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl16u max[3], int indexX[3], int indexY[3]);
RVL_API RvlResult rvliMin_16u_C4R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl16u min[4]);
RVL_API RvlResult rvliMax_16u_C4R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl16u max[4]);
RVL_API RvlResult rvliMinMax_16u_C4R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl16u min[4], Rvl16u max[4]);
RVL_API RvlResult rvliMinIndx_16u_C4R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl16u min[4], int indexX[4], int indexY[4]);
RVL_API RvlResult rvliMaxIndx_16u_C4R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl16u max[4], int indexX[4], int indexY[4]);
RVL_API RvlResult rvliMin_16u_AC4R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl16u min[3]);
RVL_API RvlResult rvliMax_16u_AC4R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl16u max[3]);
RVL_API RvlResult rvliMinMax_16u_AC4R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl16u min[3], Rvl16u max[3]);
RVL_API RvlResult rvliMinIndx_16u_AC4R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl16u min[3], int indexX[3], int indexY[3]);
RVL_API RvlResult rvliMaxIndx_16u_AC4R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl16u max[3], int indexX[3], int indexY[3]);
/** Minimum and maximum of every block of blockSize, 16u. */
RVL_API RvlResult rvliBlockMinMax_16u_C1R(const Rvl16u* pSrc, int srcStep, RvlSize srcSize, Rvl16u* pDstMin, int dstMinStep, Rvl16u* pDstMax, int dstMaxStep, RvlSize blockSize, Rvl16u* pDstGlobalMin, Rvl16u* pDstGlobalMax);
/** Element-wise minimum / maximum, 16u: in place srcDst = min(srcDst, src). */
RVL_API RvlResult rvliMinEvery_16u_C1IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMaxEvery_16u_C1IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMinEvery_16u_C3IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMaxEvery_16u_C3IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMinEvery_16u_C4IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMaxEvery_16u_C4IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMinEvery_16u_AC4IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMaxEvery_16u_AC4IR(const Rvl16u* pSrc, int srcStep, Rvl16u* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMinEvery_16u_C1R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMaxEvery_16u_C1R(const Rvl16u* pSrc1, int src1Step, const Rvl16u* pSrc2, int src2Step, Rvl16u* pDst, int dstStep, RvlSize roiSize);
/** Min, Max, MinMax, MinIndx, MaxIndx, 16s. */
RVL_API RvlResult rvliMin_16s_C1R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl16s* pMin);
RVL_API RvlResult rvliMax_16s_C1R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl16s* pMax);
RVL_API RvlResult rvliMinMax_16s_C1R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl16s* pMin, Rvl16s* pMax);
RVL_API RvlResult rvliMinIndx_16s_C1R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl16s* pMin, int* pIndexX, int* pIndexY);
RVL_API RvlResult rvliMaxIndx_16s_C1R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl16s* pMax, int* pIndexX, int* pIndexY);
RVL_API RvlResult rvliMin_16s_C3R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl16s min[3]);
RVL_API RvlResult rvliMax_16s_C3R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl16s max[3]);
RVL_API RvlResult rvliMinMax_16s_C3R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl16s min[3], Rvl16s max[3]);
RVL_API RvlResult rvliMinIndx_16s_C3R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl16s min[3], int indexX[3], int indexY[3]);
RVL_API RvlResult rvliMaxIndx_16s_C3R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl16s max[3], int indexX[3], int indexY[3]);
RVL_API RvlResult rvliMin_16s_C4R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl16s min[4]);
RVL_API RvlResult rvliMax_16s_C4R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl16s max[4]);
RVL_API RvlResult rvliMinMax_16s_C4R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl16s min[4], Rvl16s max[4]);
RVL_API RvlResult rvliMinIndx_16s_C4R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl16s min[4], int indexX[4], int indexY[4]);
RVL_API RvlResult rvliMaxIndx_16s_C4R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl16s max[4], int indexX[4], int indexY[4]);
RVL_API RvlResult rvliMin_16s_AC4R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl16s min[3]);
RVL_API RvlResult rvliMax_16s_AC4R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl16s max[3]);
RVL_API RvlResult rvliMinMax_16s_AC4R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl16s min[3], Rvl16s max[3]);
RVL_API RvlResult rvliMinIndx_16s_AC4R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl16s min[3], int indexX[3], int indexY[3]);
RVL_API RvlResult rvliMaxIndx_16s_AC4R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl16s max[3], int indexX[3], int indexY[3]);
/** Minimum and maximum of every block of blockSize, 16s. */
RVL_API RvlResult rvliBlockMinMax_16s_C1R(const Rvl16s* pSrc, int srcStep, RvlSize srcSize, Rvl16s* pDstMin, int dstMinStep, Rvl16s* pDstMax, int dstMaxStep, RvlSize blockSize, Rvl16s* pDstGlobalMin, Rvl16s* pDstGlobalMax);
/** Element-wise minimum / maximum, 16s: in place srcDst = min(srcDst, src). */
RVL_API RvlResult rvliMinEvery_16s_C1IR(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMaxEvery_16s_C1IR(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMinEvery_16s_C3IR(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMaxEvery_16s_C3IR(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMinEvery_16s_C4IR(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMaxEvery_16s_C4IR(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMinEvery_16s_AC4IR(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMaxEvery_16s_AC4IR(const Rvl16s* pSrc, int srcStep, Rvl16s* pSrcDst, int srcDstStep, RvlSize roiSize);
/** Min, Max, MinMax, MinIndx, MaxIndx, 32f. */
RVL_API RvlResult rvliMin_32f_C1R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl32f* pMin);
RVL_API RvlResult rvliMax_32f_C1R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl32f* pMax);
RVL_API RvlResult rvliMinMax_32f_C1R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl32f* pMin, Rvl32f* pMax);
RVL_API RvlResult rvliMinIndx_32f_C1R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl32f* pMin, int* pIndexX, int* pIndexY);
RVL_API RvlResult rvliMaxIndx_32f_C1R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl32f* pMax, int* pIndexX, int* pIndexY);
RVL_API RvlResult rvliMin_32f_C3R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl32f min[3]);
RVL_API RvlResult rvliMax_32f_C3R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl32f max[3]);
RVL_API RvlResult rvliMinMax_32f_C3R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl32f min[3], Rvl32f max[3]);
RVL_API RvlResult rvliMinIndx_32f_C3R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl32f min[3], int indexX[3], int indexY[3]);
RVL_API RvlResult rvliMaxIndx_32f_C3R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl32f max[3], int indexX[3], int indexY[3]);
RVL_API RvlResult rvliMin_32f_C4R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl32f min[4]);
RVL_API RvlResult rvliMax_32f_C4R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl32f max[4]);
RVL_API RvlResult rvliMinMax_32f_C4R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl32f min[4], Rvl32f max[4]);
RVL_API RvlResult rvliMinIndx_32f_C4R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl32f min[4], int indexX[4], int indexY[4]);
RVL_API RvlResult rvliMaxIndx_32f_C4R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl32f max[4], int indexX[4], int indexY[4]);
RVL_API RvlResult rvliMin_32f_AC4R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl32f min[3]);
RVL_API RvlResult rvliMax_32f_AC4R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl32f max[3]);
RVL_API RvlResult rvliMinMax_32f_AC4R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl32f min[3], Rvl32f max[3]);
RVL_API RvlResult rvliMinIndx_32f_AC4R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl32f min[3], int indexX[3], int indexY[3]);
RVL_API RvlResult rvliMaxIndx_32f_AC4R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl32f max[3], int indexX[3], int indexY[3]);
/** Minimum and maximum of every block of blockSize, 32f. */
RVL_API RvlResult rvliBlockMinMax_32f_C1R(const Rvl32f* pSrc, int srcStep, RvlSize srcSize, Rvl32f* pDstMin, int dstMinStep, Rvl32f* pDstMax, int dstMaxStep, RvlSize blockSize, Rvl32f* pDstGlobalMin, Rvl32f* pDstGlobalMax);
/** Element-wise minimum / maximum, 32f: in place srcDst = min(srcDst, src). */
RVL_API RvlResult rvliMinEvery_32f_C1IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMaxEvery_32f_C1IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMinEvery_32f_C3IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMaxEvery_32f_C3IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMinEvery_32f_C4IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMaxEvery_32f_C4IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMinEvery_32f_AC4IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMaxEvery_32f_AC4IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMinEvery_32f_C1R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMaxEvery_32f_C1R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);

/* ====================================================================== */
/* Statistics: histogram, moments, HOG descriptor                          */
/* ====================================================================== */

/* ---- Histogram ------------------------------------------------------------
 * Per channel, bin i counts the values v with levels[i] <= v < levels[i+1]
 * (nLevels - 1 bins); values outside [levels[0], levels[nLevels-1]) and NaN
 * are not counted. GetBufferSize -> allocate -> Init or UniformInit ->
 * rvliHistogram_<T>_<C>R. Integer types hold ceil()ed integer levels (Init)
 * or truncated uniform ones (UniformInit, which warns with
 * rvlResWarnArgumentRange when a bin is narrower than 1); the integer
 * workers count through a full-range counter table in the work buffer, so
 * their cost does not depend on the number of bins. */
RVL_API RvlResult rvliHistogramGetBufferSize(int dataType, RvlSize roiSize, const int nLevels[], int numChannels, int uniform, int* pSpecSize, int* pBufferSize);
RVL_API RvlResult rvliHistogramInit(int dataType, const Rvl32f* const pLevels[], const int nLevels[], int numChannels, RvlHistogramSpec* pSpec);
RVL_API RvlResult rvliHistogramUniformInit(int dataType, const Rvl32f lowerLevel[], const Rvl32f upperLevel[], const int nLevels[], int numChannels, RvlHistogramSpec* pSpec);
RVL_API RvlResult rvliHistogramGetLevels(const RvlHistogramSpec* pSpec, Rvl32f* pLevels[]);
RVL_API RvlResult rvliHistogram_8u_C1R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl32u* pHist, const RvlHistogramSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliHistogram_8u_C3R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl32u* pHist[3], const RvlHistogramSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliHistogram_8u_C4R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, Rvl32u* pHist[4], const RvlHistogramSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliHistogram_16u_C1R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl32u* pHist, const RvlHistogramSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliHistogram_16u_C3R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl32u* pHist[3], const RvlHistogramSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliHistogram_16u_C4R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl32u* pHist[4], const RvlHistogramSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliHistogram_16s_C1R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl32u* pHist, const RvlHistogramSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliHistogram_16s_C3R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl32u* pHist[3], const RvlHistogramSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliHistogram_16s_C4R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, Rvl32u* pHist[4], const RvlHistogramSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliHistogram_32f_C1R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl32u* pHist, const RvlHistogramSpec* pSpec);
RVL_API RvlResult rvliHistogram_32f_C3R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl32u* pHist[3], const RvlHistogramSpec* pSpec);
RVL_API RvlResult rvliHistogram_32f_C4R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, Rvl32u* pHist[4], const RvlHistogramSpec* pSpec);

/* ---- Moments --------------------------------------------------------------
 * rvliMoments64f_* stores the raw spatial moments R[n][m] = sum of x^m y^n
 * f(x, y) (m + n <= 3, x and y from the ROI's top-left pixel, in double
 * precision) of each channel (AC4: the first three) in a moment state; the
 * Get functions derive spatial moments about the image origin (given the
 * ROI offset), central and normalised moments and the seven Hu invariants.
 * Orders: mOrd is the power of x, nOrd of y. */
RVL_API RvlResult rvliMomentGetStateSize_64f(RvlHintAlgorithm hint, int* pSize);
RVL_API RvlResult rvliMomentInit_64f(RvlMomentState* pState, RvlHintAlgorithm hint);
RVL_API RvlResult rvliMoments64f_8u_C1R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, RvlMomentState* pState);
RVL_API RvlResult rvliMoments64f_8u_C3R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, RvlMomentState* pState);
RVL_API RvlResult rvliMoments64f_8u_AC4R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, RvlMomentState* pState);
RVL_API RvlResult rvliMoments64f_16u_C1R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, RvlMomentState* pState);
RVL_API RvlResult rvliMoments64f_16u_C3R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, RvlMomentState* pState);
RVL_API RvlResult rvliMoments64f_16u_AC4R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, RvlMomentState* pState);
RVL_API RvlResult rvliMoments64f_32f_C1R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, RvlMomentState* pState);
RVL_API RvlResult rvliMoments64f_32f_C3R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, RvlMomentState* pState);
RVL_API RvlResult rvliMoments64f_32f_AC4R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, RvlMomentState* pState);
RVL_API RvlResult rvliGetSpatialMoment_64f(const RvlMomentState* pState, int mOrd, int nOrd, int nChannel, RvlPoint roiOffset, Rvl64f* pValue);
RVL_API RvlResult rvliGetNormalizedSpatialMoment_64f(const RvlMomentState* pState, int mOrd, int nOrd, int nChannel, RvlPoint roiOffset, Rvl64f* pValue);
RVL_API RvlResult rvliGetCentralMoment_64f(const RvlMomentState* pState, int mOrd, int nOrd, int nChannel, Rvl64f* pValue);
RVL_API RvlResult rvliGetNormalizedCentralMoment_64f(const RvlMomentState* pState, int mOrd, int nOrd, int nChannel, Rvl64f* pValue);
RVL_API RvlResult rvliGetHuMoments_64f(const RvlMomentState* pState, int nChannel, Rvl64f pHm[7]);

/* ---- HOG descriptor -------------------------------------------------------
 * GetSize (validates the configuration) -> allocate -> Init ->
 * GetBufferSize / GetDescriptorSize -> rvliHOG_<S>32f_<C>R per image with
 * a list of window positions. Gradients, orientation votes and Gaussian-
 * weighted block histograms (four cells each, L2-Hys normalised) are
 * computed over the top-left part of the ROI that whole blocks cover;
 * positions whose window does not fit it are passed over without taking a
 * descriptor slot. Neighbours outside that part come from the border type
 * (replicate, mirror or constant, with the in-memory flags); C3R keeps each
 * pixel's strongest channel. */
RVL_API RvlResult rvliHOGGetSize(const RvlHogConfig* pConfig, int* pSpecSize);
RVL_API RvlResult rvliHOGInit(const RvlHogConfig* pConfig, RvlHogSpec* pSpec);
RVL_API RvlResult rvliHOGGetBufferSize(const RvlHogSpec* pSpec, RvlSize roiSize, int* pBufferSize);
RVL_API RvlResult rvliHOGGetDescriptorSize(const RvlHogSpec* pSpec, int* pDescriptorSize);
RVL_API RvlResult rvliHOG_8u32f_C1R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, const RvlPoint* pLocation, int nLocations, Rvl32f* pDst, const RvlHogSpec* pSpec, RvlBorderMode border, Rvl8u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliHOG_8u32f_C3R(const Rvl8u* pSrc, int srcStep, RvlSize roiSize, const RvlPoint* pLocation, int nLocations, Rvl32f* pDst, const RvlHogSpec* pSpec, RvlBorderMode border, const Rvl8u borderValue[3], Rvl8u* pBuffer);
RVL_API RvlResult rvliHOG_16u32f_C1R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, const RvlPoint* pLocation, int nLocations, Rvl32f* pDst, const RvlHogSpec* pSpec, RvlBorderMode border, Rvl16u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliHOG_16u32f_C3R(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, const RvlPoint* pLocation, int nLocations, Rvl32f* pDst, const RvlHogSpec* pSpec, RvlBorderMode border, const Rvl16u borderValue[3], Rvl8u* pBuffer);
RVL_API RvlResult rvliHOG_16s32f_C1R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, const RvlPoint* pLocation, int nLocations, Rvl32f* pDst, const RvlHogSpec* pSpec, RvlBorderMode border, Rvl16s borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliHOG_16s32f_C3R(const Rvl16s* pSrc, int srcStep, RvlSize roiSize, const RvlPoint* pLocation, int nLocations, Rvl32f* pDst, const RvlHogSpec* pSpec, RvlBorderMode border, const Rvl16s borderValue[3], Rvl8u* pBuffer);
RVL_API RvlResult rvliHOG_32f_C1R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, const RvlPoint* pLocation, int nLocations, Rvl32f* pDst, const RvlHogSpec* pSpec, RvlBorderMode border, Rvl32f borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliHOG_32f_C3R(const Rvl32f* pSrc, int srcStep, RvlSize roiSize, const RvlPoint* pLocation, int nLocations, Rvl32f* pDst, const RvlHogSpec* pSpec, RvlBorderMode border, const Rvl32f borderValue[3], Rvl8u* pBuffer);

/* ==== Filtering ========================================================= */

/* ---- General filter with border ----------------------------------------
 * Correlation with a caller kernel (kw x kh, row-major, not rotated) around
 * the anchor ((kw-1)/2, (kh-1)/2); neighbours outside the ROI come from the
 * border type (replicate, mirror, constant, in-memory flags). Protocol:
 * GetSize -> allocate -> Init -> (SetMode) -> FilterBorder, any number of
 * times; the specification is read-only while filtering. */

/** Specification and work-buffer sizes in bytes; dataType and kernelType are
 *  data-type codes (kernelType 7 = 16s integer kernel, 13 = 32f, 19 = 64f). */
RVL_API RvlResult rvliFilterBorderGetSize(RvlSize kernelSize, RvlSize dstRoiSize, int dataType, int kernelType, int numChannels, int* pSpecSize, int* pBufferSize);
/** Integer kernel with divisor: result = round(sum / divisor) + offset. */
RVL_API RvlResult rvliFilterBorderInit_16s(const Rvl16s* pKernel, RvlSize kernelSize, int divisor, int dataType, int numChannels, int roundMode, RvlFilterSpec* pSpec);
/** Floating kernel for 8u, 16u, 16s or 32f data. */
RVL_API RvlResult rvliFilterBorderInit_32f(const Rvl32f* pKernel, RvlSize kernelSize, int dataType, int numChannels, int roundMode, RvlFilterSpec* pSpec);
/** Double-precision kernel for 64f data. */
RVL_API RvlResult rvliFilterBorderInit_64f(const Rvl64f* pKernel, RvlSize kernelSize, int dataType, int numChannels, int roundMode, RvlFilterSpec* pSpec);
/** Algorithm hint (2 = accurate integer rounding) and output offset. */
RVL_API RvlResult rvliFilterBorderSetMode(int hint, int offset, RvlFilterSpec* pSpec);
RVL_API RvlResult rvliFilterBorder_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, RvlBorderMode border, const Rvl8u borderValue[], const RvlFilterSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBorder_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, RvlBorderMode border, const Rvl8u borderValue[], const RvlFilterSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBorder_8u_C4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, RvlBorderMode border, const Rvl8u borderValue[], const RvlFilterSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBorder_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize dstRoiSize, RvlBorderMode border, const Rvl16u borderValue[], const RvlFilterSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBorder_16u_C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize dstRoiSize, RvlBorderMode border, const Rvl16u borderValue[], const RvlFilterSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBorder_16u_C4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize dstRoiSize, RvlBorderMode border, const Rvl16u borderValue[], const RvlFilterSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBorder_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, RvlBorderMode border, const Rvl16s borderValue[], const RvlFilterSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBorder_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, RvlBorderMode border, const Rvl16s borderValue[], const RvlFilterSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBorder_16s_C4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, RvlBorderMode border, const Rvl16s borderValue[], const RvlFilterSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBorder_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, RvlBorderMode border, const Rvl32f borderValue[], const RvlFilterSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBorder_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, RvlBorderMode border, const Rvl32f borderValue[], const RvlFilterSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBorder_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, RvlBorderMode border, const Rvl32f borderValue[], const RvlFilterSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBorder_64f_C1R(const Rvl64f* pSrc, int srcStep, Rvl64f* pDst, int dstStep, RvlSize dstRoiSize, RvlBorderMode border, const Rvl64f borderValue[], const RvlFilterSpec* pSpec, Rvl8u* pBuffer);
/** Work-buffer size of rvliFilter_64f_C1R. */
RVL_API RvlResult rvliFilterGetBufSize_64f_C1R(RvlSize kernelSize, int dstRoiWidth, int* pSize);
/** Convolution without border: dst(x, y) = sum K[i][j] src(x + ax - j, y + ay - i);
 *  the source must extend kw-1-ax columns left, ax right, kh-1-ay rows above
 *  and ay below the ROI. */
RVL_API RvlResult rvliFilter_64f_C1R(const Rvl64f* pSrc, int srcStep, Rvl64f* pDst, int dstStep, RvlSize dstRoiSize, const Rvl64f* pKernel, RvlSize kernelSize, RvlPoint anchor, Rvl8u* pBuffer);

/* ---- Box filter and window sums -----------------------------------------
 * The mean (box filter) or the plain sum of every mw x mh window anchored at
 * ((mw-1)/2, (mh-1)/2), neighbours outside the ROI from the border type
 * (replicate, mirror, constant, in-memory flags). The mean is the sum times
 * 1.0f/(mw*mh) in single precision, rounded halves up (8u, 16u) or halves
 * away from zero (16s); 32f keeps the product. AC4 forms leave the
 * destination's fourth channel unchanged. pSrc == pDst filters in place
 * (the source is then read with dstStep). */

/** Work-buffer size in bytes; dataType 1, 5, 7, 13 (8u, 16u, 16s, 32f),
 *  numChannels 1, 3, 4 (AC4 counts as 4). */
RVL_API RvlResult rvliFilterBoxBorderGetBufferSize(RvlSize roiSize, RvlSize maskSize, int dataType, int numChannels, int* pBufferSize);
RVL_API RvlResult rvliFilterBoxBorder_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl8u* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBoxBorder_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl8u* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBoxBorder_8u_C4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl8u* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBoxBorder_8u_AC4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl8u* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBoxBorder_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16u* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBoxBorder_16u_C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16u* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBoxBorder_16u_C4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16u* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBoxBorder_16u_AC4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16u* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBoxBorder_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16s* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBoxBorder_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16s* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBoxBorder_16s_C4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16s* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBoxBorder_16s_AC4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16s* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBoxBorder_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl32f* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBoxBorder_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl32f* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBoxBorder_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl32f* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterBoxBorder_32f_AC4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl32f* borderValue, Rvl8u* pBuffer);
/** Work-buffer size of the window sums: the box filter's. */
RVL_API RvlResult rvliSumWindowGetBufferSize(RvlSize roiSize, RvlSize maskSize, int dataType, int numChannels, int* pBufferSize);
RVL_API RvlResult rvliSumWindow_8u32s_C1R(const Rvl8u* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl8u* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliSumWindow_8u32s_C3R(const Rvl8u* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl8u* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliSumWindow_8u32s_C4R(const Rvl8u* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl8u* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliSumWindow_8u32s_AC4R(const Rvl8u* pSrc, int srcStep, Rvl32s* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl8u* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliSumWindow_16u32f_C1R(const Rvl16u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16u* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliSumWindow_16u32f_C3R(const Rvl16u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16u* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliSumWindow_16u32f_C4R(const Rvl16u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16u* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliSumWindow_16u32f_AC4R(const Rvl16u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16u* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliSumWindow_16s32f_C1R(const Rvl16s* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16s* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliSumWindow_16s32f_C3R(const Rvl16s* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16s* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliSumWindow_16s32f_C4R(const Rvl16s* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16s* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliSumWindow_16s32f_AC4R(const Rvl16s* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16s* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliSumWindow_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl32f* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliSumWindow_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl32f* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliSumWindow_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl32f* borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliSumWindow_32f_AC4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl32f* borderValue, Rvl8u* pBuffer);
/** One-dimensional sums without border: dst(x, y) = sum over k < maskSize of
 *  src(x - anchor + k, y) (Row) or src(x, y - anchor + k) (Column); the
 *  source provides those neighbours. */
RVL_API RvlResult rvliSumWindowRow_8u32f_C1R(const Rvl8u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int maskSize, int anchor);
RVL_API RvlResult rvliSumWindowRow_8u32f_C3R(const Rvl8u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int maskSize, int anchor);
RVL_API RvlResult rvliSumWindowRow_8u32f_C4R(const Rvl8u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int maskSize, int anchor);
RVL_API RvlResult rvliSumWindowRow_16u32f_C1R(const Rvl16u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int maskSize, int anchor);
RVL_API RvlResult rvliSumWindowRow_16u32f_C3R(const Rvl16u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int maskSize, int anchor);
RVL_API RvlResult rvliSumWindowRow_16u32f_C4R(const Rvl16u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int maskSize, int anchor);
RVL_API RvlResult rvliSumWindowRow_16s32f_C1R(const Rvl16s* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int maskSize, int anchor);
RVL_API RvlResult rvliSumWindowRow_16s32f_C3R(const Rvl16s* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int maskSize, int anchor);
RVL_API RvlResult rvliSumWindowRow_16s32f_C4R(const Rvl16s* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int maskSize, int anchor);
RVL_API RvlResult rvliSumWindowColumn_8u32f_C1R(const Rvl8u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int maskSize, int anchor);
RVL_API RvlResult rvliSumWindowColumn_8u32f_C3R(const Rvl8u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int maskSize, int anchor);
RVL_API RvlResult rvliSumWindowColumn_8u32f_C4R(const Rvl8u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int maskSize, int anchor);
RVL_API RvlResult rvliSumWindowColumn_16u32f_C1R(const Rvl16u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int maskSize, int anchor);
RVL_API RvlResult rvliSumWindowColumn_16u32f_C3R(const Rvl16u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int maskSize, int anchor);
RVL_API RvlResult rvliSumWindowColumn_16u32f_C4R(const Rvl16u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int maskSize, int anchor);
RVL_API RvlResult rvliSumWindowColumn_16s32f_C1R(const Rvl16s* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int maskSize, int anchor);
RVL_API RvlResult rvliSumWindowColumn_16s32f_C3R(const Rvl16s* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int maskSize, int anchor);
RVL_API RvlResult rvliSumWindowColumn_16s32f_C4R(const Rvl16s* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int maskSize, int anchor);
/** Mean of the window whose top-left pixel is (x - anchor.x, y - anchor.y),
 *  read from memory, in double precision. */
RVL_API RvlResult rvliFilterBox_64f_C1R(const Rvl64f* pSrc, int srcStep, Rvl64f* pDst, int dstStep, RvlSize dstRoiSize, RvlSize maskSize, RvlPoint anchor);

/* ---- Minimum and maximum filters ------------------------------------------
 * The maximum (dilation) or minimum (erosion) of every mw x mh window
 * anchored at ((mw-1)/2, (mh-1)/2), neighbours outside the ROI from the
 * border type. C1 forms take one border value, the others one per channel.
 * AC4 forms leave the destination's fourth channel unchanged. A 32f window
 * holding a NaN gives NaN. */

/** Work-buffer size in bytes; the same for both filters. */
RVL_API RvlResult rvliFilterMaxBorderGetBufferSize(RvlSize roiSize, RvlSize maskSize, int dataType, int numChannels, int* pBufferSize);
RVL_API RvlResult rvliFilterMinBorderGetBufferSize(RvlSize roiSize, RvlSize maskSize, int dataType, int numChannels, int* pBufferSize);
RVL_API RvlResult rvliFilterMaxBorder_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, Rvl8u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMaxBorder_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl8u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMaxBorder_8u_C4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl8u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMaxBorder_8u_AC4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl8u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMaxBorder_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, Rvl16u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMaxBorder_16u_C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMaxBorder_16u_C4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMaxBorder_16u_AC4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMaxBorder_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, Rvl16s borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMaxBorder_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16s borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMaxBorder_16s_C4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16s borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMaxBorder_16s_AC4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16s borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMaxBorder_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, Rvl32f borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMaxBorder_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl32f borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMaxBorder_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl32f borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMaxBorder_32f_AC4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl32f borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMinBorder_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, Rvl8u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMinBorder_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl8u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMinBorder_8u_C4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl8u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMinBorder_8u_AC4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl8u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMinBorder_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, Rvl16u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMinBorder_16u_C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMinBorder_16u_C4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMinBorder_16u_AC4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMinBorder_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, Rvl16s borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMinBorder_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16s borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMinBorder_16s_C4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16s borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMinBorder_16s_AC4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16s borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMinBorder_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, Rvl32f borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMinBorder_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl32f borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMinBorder_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl32f borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMinBorder_32f_AC4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl32f borderValue[], Rvl8u* pBuffer);
/** 3x3 maximum / minimum read from memory: the source extends one pixel on
 *  every side of the ROI. */
RVL_API RvlResult rvliDilate3x3_64f_C1R(const Rvl64f* pSrc, int srcStep, Rvl64f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliErode3x3_64f_C1R(const Rvl64f* pSrc, int srcStep, Rvl64f* pDst, int dstStep, RvlSize roiSize);

/* ---- Median filters ---------------------------------------------------------
 * Each output is the median (the ((N+1)/2)-th smallest of the N values) of
 * its window, per channel unless stated otherwise.
 *
 * FilterMedianBorder: an mw x mh window (both odd) centred on the pixel,
 * neighbours outside the ROI from the border type: replicate or constant,
 * with the in-memory flags (a window one pixel wide reads its left and right
 * neighbours, none; one row high, likewise above and below). pSrc may equal
 * pDst. AC4 forms leave the destination's fourth channel unchanged. */

/** Work-buffer size in bytes (dataType 1, 5, 7, or 13 with one channel). */
RVL_API RvlResult rvliFilterMedianBorderGetBufferSize(RvlSize roiSize, RvlSize maskSize, int dataType, int numChannels, int* pBufferSize);
RVL_API RvlResult rvliFilterMedianBorder_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, Rvl8u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMedianBorder_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl8u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMedianBorder_8u_C4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl8u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMedianBorder_8u_AC4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl8u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMedianBorder_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, Rvl16u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMedianBorder_16u_C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMedianBorder_16u_C4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMedianBorder_16u_AC4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMedianBorder_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, Rvl16s borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMedianBorder_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16s borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMedianBorder_16s_C4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16s borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMedianBorder_16s_AC4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, const Rvl16s borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMedianBorder_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize, RvlSize maskSize, RvlBorderMode border, Rvl32f borderValue, Rvl8u* pBuffer);

/* FilterMedianCross: the median of the centre row and column of a 3x3 or
 * 5x5 mask (mask rvlMask3x3 or rvlMask5x5: 5 or 9 values); neighbours are
 * read from memory, so the source extends 1 (2) pixels around the ROI. AC4
 * forms filter all four channels. */
RVL_API RvlResult rvliFilterMedianCross_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int mask);
RVL_API RvlResult rvliFilterMedianCross_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int mask);
RVL_API RvlResult rvliFilterMedianCross_8u_AC4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int mask);
RVL_API RvlResult rvliFilterMedianCross_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize dstRoiSize, int mask);
RVL_API RvlResult rvliFilterMedianCross_16u_C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize dstRoiSize, int mask);
RVL_API RvlResult rvliFilterMedianCross_16u_AC4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlSize dstRoiSize, int mask);
RVL_API RvlResult rvliFilterMedianCross_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask);
RVL_API RvlResult rvliFilterMedianCross_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask);
RVL_API RvlResult rvliFilterMedianCross_16s_AC4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask);

/* FilterMedianColor: the pixel of the 3x3 or 5x5 window whose sum of L1
 * distances (|dR| + |dG| + |dB|) to every pixel of the window is smallest,
 * its three channels copied together; of several such pixels, the centre
 * if it is one of them, else the first in row order. Neighbours are read
 * from memory. AC4 forms leave the fourth channel unchanged. */
RVL_API RvlResult rvliFilterMedianColor_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int mask);
RVL_API RvlResult rvliFilterMedianColor_8u_AC4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int mask);
RVL_API RvlResult rvliFilterMedianColor_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask);
RVL_API RvlResult rvliFilterMedianColor_16s_AC4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask);
RVL_API RvlResult rvliFilterMedianColor_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask);
RVL_API RvlResult rvliFilterMedianColor_32f_AC4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask);

/* FilterMedianWeightedCenter3x3: the median of the 8 neighbours and the
 * centre counted `weight` times; an even weight counts as weight - 1 and the
 * call returns rvlResWarnEvenWeight. Neighbours are read from memory. */
RVL_API RvlResult rvliFilterMedianWeightedCenter3x3_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int weight);

/* FilterMedian: the window of mw x mh (both odd) with its top-left corner at
 * (x - anchor.x, y - anchor.y), neighbours read from memory. */
RVL_API RvlResult rvliFilterMedianGetBufferSize_32f(RvlSize dstRoiSize, RvlSize maskSize, int numChannels, int* pBufferSize);
RVL_API RvlResult rvliFilterMedianGetBufferSize_64f(RvlSize dstRoiSize, RvlSize maskSize, int numChannels, int* pBufferSize);
RVL_API RvlResult rvliFilterMedian_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, RvlSize maskSize, RvlPoint anchor, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMedian_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, RvlSize maskSize, RvlPoint anchor, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterMedian_64f_C1R(const Rvl64f* pSrc, int srcStep, Rvl64f* pDst, int dstStep, RvlSize dstRoiSize, RvlSize maskSize, RvlPoint anchor, Rvl8u* pBuffer);

/** The median of three 8u planes, pixel by pixel. */
RVL_API RvlResult rvliMedian_8u_P3C1R(const Rvl8u* const pSrcPlanes[3], int srcStep, Rvl8u* pDst, int dstStep, RvlSize roiSize);

/* ---- Fixed-kernel derivative filters ---------------------------------------
 * Kernels fixed by the library, in correlation form (row 0 the row above the
 * output pixel, column 0 the leftmost column read); mask rvlMask3x3 or
 * rvlMask5x5; neighbours outside the ROI from the border type (replicate,
 * mirror or constant with the in-memory flags; Laplace, Hipass and Sharpen:
 * replicate or constant). Vertical filters differentiate along x, horizontal
 * ones along y:
 *   SobelVert      x (1, 0, -1) / (1, 2, 0, -2, -1), y (1, 2, 1) / (1, 4, 6, 4, 1)
 *   SobelNegVert   SobelVert negated
 *   SobelHoriz     x (1, 2, 1) / (1, 4, 6, 4, 1), y (-1, 0, 1) / (-1, -2, 0, 2, 1)
 *   SobelVertSecond  x (1, -2, 1) / (1, 0, -2, 0, 1), y smoothing as SobelVert
 *   SobelHorizSecond x smoothing as SobelHoriz, y (1, -2, 1) / (1, 0, -2, 0, 1)
 *   ScharrVertMask x (-1, 0, 1), y (3, 10, 3); ScharrHorizMask transposed
 *   PrewittVert    x (1, 0, -1), y (1, 1, 1); PrewittHoriz x (1, 1, 1), y (-1, 0, 1)
 *   RobertsUp      src(x, y) - src(x + 1, y - 1); RobertsDown src(x, y) - src(x - 1, y - 1)
 *   Laplace        3x3: 8 at the centre, -1 around; 5x5: the fixed 5x5 Laplacian
 *   Hipass         3x3 as Laplace; 5x5: 24 at the centre, -1 around
 *   Sharpen        (17 centre - 3x3 sum) / 8
 * 8u16s results are exact; 16s results saturate; 8u Laplace and Hipass
 * saturate to 0 .. 255; Sharpen rounds halves to even. AC4 forms leave the
 * destination's fourth channel unchanged. The work buffer has the size the
 * family's query reports. */

RVL_API RvlResult rvliFilterSobelVertBorderGetBufferSize(RvlSize dstRoiSize, int mask, int srcDataType, int dstDataType, int numChannels, int* pBufferSize);
RVL_API RvlResult rvliFilterSobelVertBorder_8u16s_C1R(const Rvl8u* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl8u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSobelVertBorder_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl16s borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSobelVertBorder_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl32f borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSobelHorizBorderGetBufferSize(RvlSize dstRoiSize, int mask, int srcDataType, int dstDataType, int numChannels, int* pBufferSize);
RVL_API RvlResult rvliFilterSobelHorizBorder_8u16s_C1R(const Rvl8u* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl8u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSobelHorizBorder_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl16s borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSobelHorizBorder_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl32f borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSobelNegVertBorderGetBufferSize(RvlSize dstRoiSize, int mask, int srcDataType, int dstDataType, int numChannels, int* pBufferSize);
RVL_API RvlResult rvliFilterSobelNegVertBorder_8u16s_C1R(const Rvl8u* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl8u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSobelNegVertBorder_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl32f borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSobelVertSecondBorderGetBufferSize(RvlSize dstRoiSize, int mask, int srcDataType, int dstDataType, int numChannels, int* pBufferSize);
RVL_API RvlResult rvliFilterSobelVertSecondBorder_8u16s_C1R(const Rvl8u* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl8u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSobelVertSecondBorder_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl32f borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSobelHorizSecondBorderGetBufferSize(RvlSize dstRoiSize, int mask, int srcDataType, int dstDataType, int numChannels, int* pBufferSize);
RVL_API RvlResult rvliFilterSobelHorizSecondBorder_8u16s_C1R(const Rvl8u* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl8u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSobelHorizSecondBorder_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl32f borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterScharrVertMaskBorderGetBufferSize(RvlSize dstRoiSize, int mask, int srcDataType, int dstDataType, int numChannels, int* pBufferSize);
RVL_API RvlResult rvliFilterScharrVertMaskBorder_8u16s_C1R(const Rvl8u* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl8u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterScharrVertMaskBorder_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl16s borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterScharrVertMaskBorder_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl32f borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterScharrHorizMaskBorderGetBufferSize(RvlSize dstRoiSize, int mask, int srcDataType, int dstDataType, int numChannels, int* pBufferSize);
RVL_API RvlResult rvliFilterScharrHorizMaskBorder_8u16s_C1R(const Rvl8u* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl8u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterScharrHorizMaskBorder_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl16s borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterScharrHorizMaskBorder_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl32f borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterPrewittVertBorderGetBufferSize(RvlSize dstRoiSize, int mask, int srcDataType, int dstDataType, int numChannels, int* pBufferSize);
RVL_API RvlResult rvliFilterPrewittVertBorder_8u16s_C1R(const Rvl8u* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl8u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterPrewittVertBorder_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl16s borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterPrewittVertBorder_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl32f borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterPrewittHorizBorderGetBufferSize(RvlSize dstRoiSize, int mask, int srcDataType, int dstDataType, int numChannels, int* pBufferSize);
RVL_API RvlResult rvliFilterPrewittHorizBorder_8u16s_C1R(const Rvl8u* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl8u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterPrewittHorizBorder_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl16s borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterPrewittHorizBorder_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl32f borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterRobertsUpBorderGetBufferSize(RvlSize dstRoiSize, int mask, int srcDataType, int dstDataType, int numChannels, int* pBufferSize);
RVL_API RvlResult rvliFilterRobertsUpBorder_8u16s_C1R(const Rvl8u* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl8u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterRobertsUpBorder_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl16s borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterRobertsUpBorder_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl32f borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterRobertsDownBorderGetBufferSize(RvlSize dstRoiSize, int mask, int srcDataType, int dstDataType, int numChannels, int* pBufferSize);
RVL_API RvlResult rvliFilterRobertsDownBorder_8u16s_C1R(const Rvl8u* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl8u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterRobertsDownBorder_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl16s borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterRobertsDownBorder_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl32f borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterLaplaceBorderGetBufferSize(RvlSize dstRoiSize, int mask, int dataType, int numChannels, int* pBufferSize);
RVL_API RvlResult rvliFilterLaplaceBorder_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl8u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterLaplaceBorder_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl8u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterLaplaceBorder_8u_C4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl8u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterLaplaceBorder_8u_AC4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl8u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterLaplaceBorder_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl16s borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterLaplaceBorder_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl16s borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterLaplaceBorder_16s_C4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl16s borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterLaplaceBorder_16s_AC4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl16s borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterLaplaceBorder_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl32f borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterLaplaceBorder_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl32f borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterLaplaceBorder_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl32f borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterLaplaceBorder_32f_AC4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl32f borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterHipassBorderGetBufferSize(RvlSize dstRoiSize, int mask, int dataType, int numChannels, int* pBufferSize);
RVL_API RvlResult rvliFilterHipassBorder_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl8u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterHipassBorder_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl8u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterHipassBorder_8u_C4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl8u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterHipassBorder_8u_AC4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl8u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterHipassBorder_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl16s borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterHipassBorder_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl16s borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterHipassBorder_16s_C4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl16s borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterHipassBorder_16s_AC4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl16s borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterHipassBorder_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl32f borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterHipassBorder_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl32f borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterHipassBorder_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl32f borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterHipassBorder_32f_AC4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl32f borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSharpenBorderGetBufferSize(RvlSize dstRoiSize, int mask, int dataType, int numChannels, int* pBufferSize);
RVL_API RvlResult rvliFilterSharpenBorder_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl8u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSharpenBorder_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl8u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSharpenBorder_8u_C4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl8u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSharpenBorder_8u_AC4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl8u borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSharpenBorder_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl16s borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSharpenBorder_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl16s borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSharpenBorder_16s_C4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl16s borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSharpenBorder_16s_AC4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl16s borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSharpenBorder_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, Rvl32f borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSharpenBorder_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl32f borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSharpenBorder_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl32f borderValue[], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSharpenBorder_32f_AC4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, RvlBorderMode border, const Rvl32f borderValue[], Rvl8u* pBuffer);

/* Gradient vectors: Gx, the derivative along x (right minus left, smoothed
 * along y), Gy along y (row below minus row above, smoothed along x), with
 * the Sobel (3x3 or 5x5), Scharr or Prewitt vectors (5x5 Scharr and Prewitt
 * use the 5x5 Sobel vectors); the magnitude (normType 2: |Gx| + |Gy|, 4:
 * sqrt(Gx^2 + Gy^2), 16s saturated) and the angle atan2(Gy, Gx) in radians.
 * Any output may be null and is then not produced. C3C1 forms take, per
 * pixel, the gradient of the channel whose Gx^2 + Gy^2 is largest (the first
 * such channel on ties). rvliFilterSobel is the Sobel gradient reduced to
 * its magnitude. */
RVL_API RvlResult rvliGradientVectorGetBufferSize(RvlSize dstRoiSize, int mask, int dataType, int numChannels, int* pBufferSize);
RVL_API RvlResult rvliGradientVectorSobel_8u16s_C1R(const Rvl8u* pSrc, int srcStep, Rvl16s* pGx, int gxStep, Rvl16s* pGy, int gyStep, Rvl16s* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, Rvl8u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliGradientVectorSobel_8u16s_C3C1R(const Rvl8u* pSrc, int srcStep, Rvl16s* pGx, int gxStep, Rvl16s* pGy, int gyStep, Rvl16s* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, const Rvl8u borderValue[3], Rvl8u* pBuffer);
RVL_API RvlResult rvliGradientVectorSobel_16u32f_C1R(const Rvl16u* pSrc, int srcStep, Rvl32f* pGx, int gxStep, Rvl32f* pGy, int gyStep, Rvl32f* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, Rvl16u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliGradientVectorSobel_16u32f_C3C1R(const Rvl16u* pSrc, int srcStep, Rvl32f* pGx, int gxStep, Rvl32f* pGy, int gyStep, Rvl32f* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, const Rvl16u borderValue[3], Rvl8u* pBuffer);
RVL_API RvlResult rvliGradientVectorSobel_16s32f_C1R(const Rvl16s* pSrc, int srcStep, Rvl32f* pGx, int gxStep, Rvl32f* pGy, int gyStep, Rvl32f* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, Rvl16s borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliGradientVectorSobel_16s32f_C3C1R(const Rvl16s* pSrc, int srcStep, Rvl32f* pGx, int gxStep, Rvl32f* pGy, int gyStep, Rvl32f* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, const Rvl16s borderValue[3], Rvl8u* pBuffer);
RVL_API RvlResult rvliGradientVectorSobel_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pGx, int gxStep, Rvl32f* pGy, int gyStep, Rvl32f* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, Rvl32f borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliGradientVectorSobel_32f_C3C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pGx, int gxStep, Rvl32f* pGy, int gyStep, Rvl32f* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, const Rvl32f borderValue[3], Rvl8u* pBuffer);
RVL_API RvlResult rvliGradientVectorScharr_8u16s_C1R(const Rvl8u* pSrc, int srcStep, Rvl16s* pGx, int gxStep, Rvl16s* pGy, int gyStep, Rvl16s* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, Rvl8u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliGradientVectorScharr_8u16s_C3C1R(const Rvl8u* pSrc, int srcStep, Rvl16s* pGx, int gxStep, Rvl16s* pGy, int gyStep, Rvl16s* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, const Rvl8u borderValue[3], Rvl8u* pBuffer);
RVL_API RvlResult rvliGradientVectorScharr_16u32f_C1R(const Rvl16u* pSrc, int srcStep, Rvl32f* pGx, int gxStep, Rvl32f* pGy, int gyStep, Rvl32f* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, Rvl16u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliGradientVectorScharr_16u32f_C3C1R(const Rvl16u* pSrc, int srcStep, Rvl32f* pGx, int gxStep, Rvl32f* pGy, int gyStep, Rvl32f* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, const Rvl16u borderValue[3], Rvl8u* pBuffer);
RVL_API RvlResult rvliGradientVectorScharr_16s32f_C1R(const Rvl16s* pSrc, int srcStep, Rvl32f* pGx, int gxStep, Rvl32f* pGy, int gyStep, Rvl32f* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, Rvl16s borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliGradientVectorScharr_16s32f_C3C1R(const Rvl16s* pSrc, int srcStep, Rvl32f* pGx, int gxStep, Rvl32f* pGy, int gyStep, Rvl32f* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, const Rvl16s borderValue[3], Rvl8u* pBuffer);
RVL_API RvlResult rvliGradientVectorScharr_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pGx, int gxStep, Rvl32f* pGy, int gyStep, Rvl32f* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, Rvl32f borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliGradientVectorScharr_32f_C3C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pGx, int gxStep, Rvl32f* pGy, int gyStep, Rvl32f* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, const Rvl32f borderValue[3], Rvl8u* pBuffer);
RVL_API RvlResult rvliGradientVectorPrewitt_8u16s_C1R(const Rvl8u* pSrc, int srcStep, Rvl16s* pGx, int gxStep, Rvl16s* pGy, int gyStep, Rvl16s* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, Rvl8u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliGradientVectorPrewitt_8u16s_C3C1R(const Rvl8u* pSrc, int srcStep, Rvl16s* pGx, int gxStep, Rvl16s* pGy, int gyStep, Rvl16s* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, const Rvl8u borderValue[3], Rvl8u* pBuffer);
RVL_API RvlResult rvliGradientVectorPrewitt_16u32f_C1R(const Rvl16u* pSrc, int srcStep, Rvl32f* pGx, int gxStep, Rvl32f* pGy, int gyStep, Rvl32f* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, Rvl16u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliGradientVectorPrewitt_16u32f_C3C1R(const Rvl16u* pSrc, int srcStep, Rvl32f* pGx, int gxStep, Rvl32f* pGy, int gyStep, Rvl32f* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, const Rvl16u borderValue[3], Rvl8u* pBuffer);
RVL_API RvlResult rvliGradientVectorPrewitt_16s32f_C1R(const Rvl16s* pSrc, int srcStep, Rvl32f* pGx, int gxStep, Rvl32f* pGy, int gyStep, Rvl32f* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, Rvl16s borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliGradientVectorPrewitt_16s32f_C3C1R(const Rvl16s* pSrc, int srcStep, Rvl32f* pGx, int gxStep, Rvl32f* pGy, int gyStep, Rvl32f* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, const Rvl16s borderValue[3], Rvl8u* pBuffer);
RVL_API RvlResult rvliGradientVectorPrewitt_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pGx, int gxStep, Rvl32f* pGy, int gyStep, Rvl32f* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, Rvl32f borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliGradientVectorPrewitt_32f_C3C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pGx, int gxStep, Rvl32f* pGy, int gyStep, Rvl32f* pMag, int magStep, Rvl32f* pAngle, int angleStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, const Rvl32f borderValue[3], Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSobelGetBufferSize(RvlSize dstRoiSize, int mask, int normType, int srcDataType, int dstDataType, int numChannels, int* pBufferSize);
RVL_API RvlResult rvliFilterSobel_8u16s_C1R(const Rvl8u* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, Rvl8u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSobel_16u32f_C1R(const Rvl16u* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, Rvl16u borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSobel_16s32f_C1R(const Rvl16s* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, Rvl16s borderValue, Rvl8u* pBuffer);
RVL_API RvlResult rvliFilterSobel_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int mask, int normType, RvlBorderMode border, Rvl32f borderValue, Rvl8u* pBuffer);

/* ---- Two-image convolution ----------------------------------------------
 * out = src1 (*) src2, true convolution of two images of one type; either
 * image may be the larger. algType: bits 0-7 the method (0 automatic, 1
 * direct, 2 FFT), bits 16-23 the shape (0 full: (W1+W2-1) x (H1+H2-1);
 * 1 valid: (W1-W2+1) x (H1-H2+1)). Integer results are divided by
 * `divisor` and saturated. pBuffer: rvliConvGetBufferSize bytes, for the
 * same sizes, type (1, 7, 13), channel count and algType. */

RVL_API RvlResult rvliConvGetBufferSize(RvlSize src1Size, RvlSize src2Size, int dataType, int numChannels, Rvl32u algType, int* pBufferSize);
RVL_API RvlResult rvliConv_32f_C1R(const Rvl32f* pSrc1, int src1Step, RvlSize src1Size, const Rvl32f* pSrc2, int src2Step, RvlSize src2Size, Rvl32f* pDst, int dstStep, Rvl32u algType, Rvl8u* pBuffer);
RVL_API RvlResult rvliConv_32f_C3R(const Rvl32f* pSrc1, int src1Step, RvlSize src1Size, const Rvl32f* pSrc2, int src2Step, RvlSize src2Size, Rvl32f* pDst, int dstStep, Rvl32u algType, Rvl8u* pBuffer);
RVL_API RvlResult rvliConv_32f_C4R(const Rvl32f* pSrc1, int src1Step, RvlSize src1Size, const Rvl32f* pSrc2, int src2Step, RvlSize src2Size, Rvl32f* pDst, int dstStep, Rvl32u algType, Rvl8u* pBuffer);
RVL_API RvlResult rvliConv_16s_C1R(const Rvl16s* pSrc1, int src1Step, RvlSize src1Size, const Rvl16s* pSrc2, int src2Step, RvlSize src2Size, Rvl16s* pDst, int dstStep, int divisor, Rvl32u algType, Rvl8u* pBuffer);
RVL_API RvlResult rvliConv_16s_C3R(const Rvl16s* pSrc1, int src1Step, RvlSize src1Size, const Rvl16s* pSrc2, int src2Step, RvlSize src2Size, Rvl16s* pDst, int dstStep, int divisor, Rvl32u algType, Rvl8u* pBuffer);
RVL_API RvlResult rvliConv_16s_C4R(const Rvl16s* pSrc1, int src1Step, RvlSize src1Size, const Rvl16s* pSrc2, int src2Step, RvlSize src2Size, Rvl16s* pDst, int dstStep, int divisor, Rvl32u algType, Rvl8u* pBuffer);
RVL_API RvlResult rvliConv_8u_C1R(const Rvl8u* pSrc1, int src1Step, RvlSize src1Size, const Rvl8u* pSrc2, int src2Step, RvlSize src2Size, Rvl8u* pDst, int dstStep, int divisor, Rvl32u algType, Rvl8u* pBuffer);
RVL_API RvlResult rvliConv_8u_C3R(const Rvl8u* pSrc1, int src1Step, RvlSize src1Size, const Rvl8u* pSrc2, int src2Step, RvlSize src2Size, Rvl8u* pDst, int dstStep, int divisor, Rvl32u algType, Rvl8u* pBuffer);
RVL_API RvlResult rvliConv_8u_C4R(const Rvl8u* pSrc1, int src1Step, RvlSize src1Size, const Rvl8u* pSrc2, int src2Step, RvlSize src2Size, Rvl8u* pDst, int dstStep, int divisor, Rvl32u algType, Rvl8u* pBuffer);

/* ---- Template matching ------------------------------------------------------
 * The correlation surface R(x, y) = sum t(i, j) * s(x + i, y + j) of a
 * template against every placement on the source (samples outside the
 * source count as 0), through tiled 2-D FFTs. algType: bits 0-7 the method
 * (0, 1, 2: all run the FFT method), bits 8-15 the normalisation (0 none,
 * 1 scaled (0x100), 2 coefficient (0x200, CrossCorrNorm only)), bits 16-23
 * the shape (0 full, 1 valid (0x10000), 2 same (0x20000)).
 * CrossCorrNorm: R, R / sqrt(sum s^2 * sum t^2), or the correlation
 * coefficient. SqrDistanceNorm: sum (s - t)^2, optionally divided by
 * sqrt(sum s^2 * sum t^2). 8u outputs: rounded to nearest even, times
 * 2^-scaleFactor, saturated. */

RVL_API RvlResult rvliCrossCorrNormGetBufferSize(RvlSize srcRoiSize, RvlSize tplRoiSize, Rvl32u algType, int* pBufferSize);
RVL_API RvlResult rvliCrossCorrNorm_32f_C1R(const Rvl32f* pSrc, int srcStep, RvlSize srcRoiSize, const Rvl32f* pTpl, int tplStep, RvlSize tplRoiSize, Rvl32f* pDst, int dstStep, Rvl32u algType, Rvl8u* pBuffer);
RVL_API RvlResult rvliCrossCorrNorm_16u32f_C1R(const Rvl16u* pSrc, int srcStep, RvlSize srcRoiSize, const Rvl16u* pTpl, int tplStep, RvlSize tplRoiSize, Rvl32f* pDst, int dstStep, Rvl32u algType, Rvl8u* pBuffer);
RVL_API RvlResult rvliCrossCorrNorm_8u32f_C1R(const Rvl8u* pSrc, int srcStep, RvlSize srcRoiSize, const Rvl8u* pTpl, int tplStep, RvlSize tplRoiSize, Rvl32f* pDst, int dstStep, Rvl32u algType, Rvl8u* pBuffer);
RVL_API RvlResult rvliCrossCorrNorm_8u_C1RSfs(const Rvl8u* pSrc, int srcStep, RvlSize srcRoiSize, const Rvl8u* pTpl, int tplStep, RvlSize tplRoiSize, Rvl8u* pDst, int dstStep, int scaleFactor, Rvl32u algType, Rvl8u* pBuffer);
RVL_API RvlResult rvliSqrDistanceNormGetBufferSize(RvlSize srcRoiSize, RvlSize tplRoiSize, Rvl32u algType, int* pBufferSize);
RVL_API RvlResult rvliSqrDistanceNorm_32f_C1R(const Rvl32f* pSrc, int srcStep, RvlSize srcRoiSize, const Rvl32f* pTpl, int tplStep, RvlSize tplRoiSize, Rvl32f* pDst, int dstStep, Rvl32u algType, Rvl8u* pBuffer);
RVL_API RvlResult rvliSqrDistanceNorm_16u32f_C1R(const Rvl16u* pSrc, int srcStep, RvlSize srcRoiSize, const Rvl16u* pTpl, int tplStep, RvlSize tplRoiSize, Rvl32f* pDst, int dstStep, Rvl32u algType, Rvl8u* pBuffer);
RVL_API RvlResult rvliSqrDistanceNorm_8u32f_C1R(const Rvl8u* pSrc, int srcStep, RvlSize srcRoiSize, const Rvl8u* pTpl, int tplStep, RvlSize tplRoiSize, Rvl32f* pDst, int dstStep, Rvl32u algType, Rvl8u* pBuffer);
RVL_API RvlResult rvliSqrDistanceNorm_8u_C1RSfs(const Rvl8u* pSrc, int srcStep, RvlSize srcRoiSize, const Rvl8u* pTpl, int tplStep, RvlSize tplRoiSize, Rvl8u* pDst, int dstStep, int scaleFactor, Rvl32u algType, Rvl8u* pBuffer);

/* ==== Geometric transforms ============================================== */

/* ---- Resize: specification, queries, nearest and linear -----------------
 * GetSize -> allocate -> NearestInit / LinearInit -> per tile of the
 * destination: GetSrcOffset (pSrc points there), GetBufferSize, worker.
 * The specification is read-only while resizing; tiles may run
 * concurrently with their own buffers. The _L forms take 64-bit sizes and
 * are a separate API (their specifications are not interchangeable). */
RVL_API RvlResult rvliResizeGetSize_8u(RvlSize srcSize, RvlSize dstSize, RvlInterpolation interpolation, Rvl32u antialiasing, int* pSpecSize, int* pInitBufSize);
RVL_API RvlResult rvliResizeGetSize_16u(RvlSize srcSize, RvlSize dstSize, RvlInterpolation interpolation, Rvl32u antialiasing, int* pSpecSize, int* pInitBufSize);
RVL_API RvlResult rvliResizeGetSize_16s(RvlSize srcSize, RvlSize dstSize, RvlInterpolation interpolation, Rvl32u antialiasing, int* pSpecSize, int* pInitBufSize);
RVL_API RvlResult rvliResizeGetSize_32f(RvlSize srcSize, RvlSize dstSize, RvlInterpolation interpolation, Rvl32u antialiasing, int* pSpecSize, int* pInitBufSize);
RVL_API RvlResult rvliResizeGetSize_64f(RvlSize srcSize, RvlSize dstSize, RvlInterpolation interpolation, Rvl32u antialiasing, int* pSpecSize, int* pInitBufSize);
RVL_API RvlResult rvliResizeGetSize_L(RvlSizeL srcSize, RvlSizeL dstSize, int dataType, RvlInterpolation interpolation, Rvl32u antialiasing, Rvl64s* pSpecSize, Rvl64s* pInitBufSize);
RVL_API RvlResult rvliResizeNearestInit_8u(RvlSize srcSize, RvlSize dstSize, RvlResizeSpec* pSpec);
RVL_API RvlResult rvliResizeNearestInit_16u(RvlSize srcSize, RvlSize dstSize, RvlResizeSpec* pSpec);
RVL_API RvlResult rvliResizeNearestInit_16s(RvlSize srcSize, RvlSize dstSize, RvlResizeSpec* pSpec);
RVL_API RvlResult rvliResizeNearestInit_32f(RvlSize srcSize, RvlSize dstSize, RvlResizeSpec* pSpec);
RVL_API RvlResult rvliResizeNearestInit_L(RvlSizeL srcSize, RvlSizeL dstSize, int dataType, RvlResizeSpec* pSpec);
RVL_API RvlResult rvliResizeLinearInit_8u(RvlSize srcSize, RvlSize dstSize, RvlResizeSpec* pSpec);
RVL_API RvlResult rvliResizeLinearInit_16u(RvlSize srcSize, RvlSize dstSize, RvlResizeSpec* pSpec);
RVL_API RvlResult rvliResizeLinearInit_16s(RvlSize srcSize, RvlSize dstSize, RvlResizeSpec* pSpec);
RVL_API RvlResult rvliResizeLinearInit_32f(RvlSize srcSize, RvlSize dstSize, RvlResizeSpec* pSpec);
RVL_API RvlResult rvliResizeLinearInit_64f(RvlSize srcSize, RvlSize dstSize, RvlResizeSpec* pSpec);
RVL_API RvlResult rvliResizeLinearInit_L(RvlSizeL srcSize, RvlSizeL dstSize, int dataType, RvlResizeSpec* pSpec);
/** Work buffer of a destination tile. */
RVL_API RvlResult rvliResizeGetBufferSize_8u(const RvlResizeSpec* pSpec, RvlSize dstSize, Rvl32u numChannels, int* pBufSize);
RVL_API RvlResult rvliResizeGetBufferSize_16u(const RvlResizeSpec* pSpec, RvlSize dstSize, Rvl32u numChannels, int* pBufSize);
RVL_API RvlResult rvliResizeGetBufferSize_16s(const RvlResizeSpec* pSpec, RvlSize dstSize, Rvl32u numChannels, int* pBufSize);
RVL_API RvlResult rvliResizeGetBufferSize_32f(const RvlResizeSpec* pSpec, RvlSize dstSize, Rvl32u numChannels, int* pBufSize);
RVL_API RvlResult rvliResizeGetBufferSize_64f(const RvlResizeSpec* pSpec, RvlSize dstSize, Rvl32u numChannels, int* pBufSize);
RVL_API RvlResult rvliResizeGetBufferSize_L(const RvlResizeSpec* pSpec, RvlSizeL dstSize, Rvl32u numChannels, Rvl64s* pBufSize);
/** Pixels the interpolation reads beyond each source edge. */
RVL_API RvlResult rvliResizeGetBorderSize_8u(const RvlResizeSpec* pSpec, RvlBorderExtent* pBorderSize);
RVL_API RvlResult rvliResizeGetBorderSize_16u(const RvlResizeSpec* pSpec, RvlBorderExtent* pBorderSize);
RVL_API RvlResult rvliResizeGetBorderSize_16s(const RvlResizeSpec* pSpec, RvlBorderExtent* pBorderSize);
RVL_API RvlResult rvliResizeGetBorderSize_32f(const RvlResizeSpec* pSpec, RvlBorderExtent* pBorderSize);
RVL_API RvlResult rvliResizeGetBorderSize_64f(const RvlResizeSpec* pSpec, RvlBorderExtent* pBorderSize);
RVL_API RvlResult rvliResizeGetBorderSize_L(const RvlResizeSpec* pSpec, RvlBorderExtent* pBorderSize);
/** The source pixel a tile starting at dstOffset is computed from. */
RVL_API RvlResult rvliResizeGetSrcOffset_8u(const RvlResizeSpec* pSpec, RvlPoint dstOffset, RvlPoint* pSrcOffset);
RVL_API RvlResult rvliResizeGetSrcOffset_16u(const RvlResizeSpec* pSpec, RvlPoint dstOffset, RvlPoint* pSrcOffset);
RVL_API RvlResult rvliResizeGetSrcOffset_16s(const RvlResizeSpec* pSpec, RvlPoint dstOffset, RvlPoint* pSrcOffset);
RVL_API RvlResult rvliResizeGetSrcOffset_32f(const RvlResizeSpec* pSpec, RvlPoint dstOffset, RvlPoint* pSrcOffset);
RVL_API RvlResult rvliResizeGetSrcOffset_64f(const RvlResizeSpec* pSpec, RvlPoint dstOffset, RvlPoint* pSrcOffset);
RVL_API RvlResult rvliResizeGetSrcOffset_L(const RvlResizeSpec* pSpec, RvlPointL dstOffset, RvlPointL* pSrcOffset);
/** The source rectangle a tile reads (without the interpolation's reach beyond its last index). */
RVL_API RvlResult rvliResizeGetSrcRoi_8u(const RvlResizeSpec* pSpec, RvlPoint dstRoiOffset, RvlSize dstRoiSize, RvlPoint* pSrcRoiOffset, RvlSize* pSrcRoiSize);
RVL_API RvlResult rvliResizeGetSrcRoi_16u(const RvlResizeSpec* pSpec, RvlPoint dstRoiOffset, RvlSize dstRoiSize, RvlPoint* pSrcRoiOffset, RvlSize* pSrcRoiSize);
RVL_API RvlResult rvliResizeGetSrcRoi_16s(const RvlResizeSpec* pSpec, RvlPoint dstRoiOffset, RvlSize dstRoiSize, RvlPoint* pSrcRoiOffset, RvlSize* pSrcRoiSize);
RVL_API RvlResult rvliResizeGetSrcRoi_32f(const RvlResizeSpec* pSpec, RvlPoint dstRoiOffset, RvlSize dstRoiSize, RvlPoint* pSrcRoiOffset, RvlSize* pSrcRoiSize);
RVL_API RvlResult rvliResizeGetSrcRoi_64f(const RvlResizeSpec* pSpec, RvlPoint dstRoiOffset, RvlSize dstRoiSize, RvlPoint* pSrcRoiOffset, RvlSize* pSrcRoiSize);
RVL_API RvlResult rvliResizeGetSrcRoi_L(const RvlResizeSpec* pSpec, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, RvlPointL* pSrcRoiOffset, RvlSizeL* pSrcRoiSize);
/** Nearest neighbour: a tile of the destination; pSrc at the tile's source offset. */
RVL_API RvlResult rvliResizeNearest_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeNearest_8u_C1R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeNearest_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeNearest_8u_C3R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeNearest_8u_C4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeNearest_8u_C4R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeNearest_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeNearest_16u_C1R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeNearest_16u_C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeNearest_16u_C3R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeNearest_16u_C4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeNearest_16u_C4R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeNearest_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeNearest_16s_C1R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeNearest_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeNearest_16s_C3R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeNearest_16s_C4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeNearest_16s_C4R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeNearest_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeNearest_32f_C1R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeNearest_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeNearest_32f_C3R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeNearest_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeNearest_32f_C4R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
/** Linear: border replicate (with in-memory flags) or all in memory; pBorderValue is not read. */
RVL_API RvlResult rvliResizeLinear_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_8u_C1R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_8u_C3R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_8u_C4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_8u_C4R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_16u_C1R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_16u_C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_16u_C3R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_16u_C4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_16u_C4R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_16s_C1R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_16s_C3R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_16s_C4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_16s_C4R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_32f_C1R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_32f_C3R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_32f_C4R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_64f_C1R(const Rvl64f* pSrc, int srcStep, Rvl64f* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl64f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_64f_C1R_L(const Rvl64f* pSrc, Rvl64s srcStep, Rvl64f* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl64f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_64f_C3R(const Rvl64f* pSrc, int srcStep, Rvl64f* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl64f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_64f_C3R_L(const Rvl64f* pSrc, Rvl64s srcStep, Rvl64f* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl64f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_64f_C4R(const Rvl64f* pSrc, int srcStep, Rvl64f* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl64f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLinear_64f_C4R_L(const Rvl64f* pSrc, Rvl64s srcStep, Rvl64f* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl64f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);

/* ---- Resize: cubic (B, C), Lanczos (2 or 3 lobes), super-sampling ------
 * The same specification, queries and tiling as nearest and linear. The
 * cubic and Lanczos Inits use pInitBuf (size from GetSize) as scratch. */
RVL_API RvlResult rvliResizeCubicInit_8u(RvlSize srcSize, RvlSize dstSize, Rvl32f valueB, Rvl32f valueC, RvlResizeSpec* pSpec, Rvl8u* pInitBuf);
RVL_API RvlResult rvliResizeCubicInit_16u(RvlSize srcSize, RvlSize dstSize, Rvl32f valueB, Rvl32f valueC, RvlResizeSpec* pSpec, Rvl8u* pInitBuf);
RVL_API RvlResult rvliResizeCubicInit_16s(RvlSize srcSize, RvlSize dstSize, Rvl32f valueB, Rvl32f valueC, RvlResizeSpec* pSpec, Rvl8u* pInitBuf);
RVL_API RvlResult rvliResizeCubicInit_32f(RvlSize srcSize, RvlSize dstSize, Rvl32f valueB, Rvl32f valueC, RvlResizeSpec* pSpec, Rvl8u* pInitBuf);
RVL_API RvlResult rvliResizeCubicInit_L(RvlSizeL srcSize, RvlSizeL dstSize, int dataType, Rvl32f valueB, Rvl32f valueC, RvlResizeSpec* pSpec, Rvl8u* pInitBuf);
RVL_API RvlResult rvliResizeLanczosInit_8u(RvlSize srcSize, RvlSize dstSize, Rvl32u numLobes, RvlResizeSpec* pSpec, Rvl8u* pInitBuf);
RVL_API RvlResult rvliResizeLanczosInit_16u(RvlSize srcSize, RvlSize dstSize, Rvl32u numLobes, RvlResizeSpec* pSpec, Rvl8u* pInitBuf);
RVL_API RvlResult rvliResizeLanczosInit_16s(RvlSize srcSize, RvlSize dstSize, Rvl32u numLobes, RvlResizeSpec* pSpec, Rvl8u* pInitBuf);
RVL_API RvlResult rvliResizeLanczosInit_32f(RvlSize srcSize, RvlSize dstSize, Rvl32u numLobes, RvlResizeSpec* pSpec, Rvl8u* pInitBuf);
RVL_API RvlResult rvliResizeLanczosInit_L(RvlSizeL srcSize, RvlSizeL dstSize, int dataType, Rvl32u numLobes, RvlResizeSpec* pSpec, Rvl8u* pInitBuf);
RVL_API RvlResult rvliResizeSuperInit_8u(RvlSize srcSize, RvlSize dstSize, RvlResizeSpec* pSpec);
RVL_API RvlResult rvliResizeSuperInit_16u(RvlSize srcSize, RvlSize dstSize, RvlResizeSpec* pSpec);
RVL_API RvlResult rvliResizeSuperInit_16s(RvlSize srcSize, RvlSize dstSize, RvlResizeSpec* pSpec);
RVL_API RvlResult rvliResizeSuperInit_32f(RvlSize srcSize, RvlSize dstSize, RvlResizeSpec* pSpec);
RVL_API RvlResult rvliResizeSuperInit_L(RvlSizeL srcSize, RvlSizeL dstSize, int dataType, RvlResizeSpec* pSpec);

RVL_API RvlResult rvliResizeCubic_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeCubic_8u_C1R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeCubic_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeCubic_8u_C3R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeCubic_8u_C4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeCubic_8u_C4R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeCubic_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeCubic_16u_C1R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeCubic_16u_C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeCubic_16u_C3R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeCubic_16u_C4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeCubic_16u_C4R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeCubic_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeCubic_16s_C1R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeCubic_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeCubic_16s_C3R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeCubic_16s_C4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeCubic_16s_C4R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeCubic_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeCubic_32f_C1R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeCubic_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeCubic_32f_C3R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeCubic_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeCubic_32f_C4R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);

RVL_API RvlResult rvliResizeLanczos_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLanczos_8u_C1R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLanczos_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLanczos_8u_C3R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLanczos_8u_C4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLanczos_8u_C4R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLanczos_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLanczos_16u_C1R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLanczos_16u_C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLanczos_16u_C3R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLanczos_16u_C4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLanczos_16u_C4R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLanczos_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLanczos_16s_C1R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLanczos_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLanczos_16s_C3R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLanczos_16s_C4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLanczos_16s_C4R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLanczos_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLanczos_32f_C1R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLanczos_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLanczos_32f_C3R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLanczos_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeLanczos_32f_C4R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);

RVL_API RvlResult rvliResizeSuper_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeSuper_8u_C1R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeSuper_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeSuper_8u_C3R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeSuper_8u_C4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeSuper_8u_C4R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeSuper_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeSuper_16u_C1R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeSuper_16u_C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeSuper_16u_C3R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeSuper_16u_C4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeSuper_16u_C4R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeSuper_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeSuper_16s_C1R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeSuper_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeSuper_16s_C3R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeSuper_16s_C4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeSuper_16s_C4R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeSuper_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeSuper_32f_C1R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeSuper_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeSuper_32f_C3R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeSuper_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeSuper_32f_C4R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);

/* ---- Antialiasing resize -----------------------------------------------
 * Linear, cubic and Lanczos kernels widened by the reduction factor; only
 * rvliResizeAntialiasing_* accepts these specifications, and it accepts no
 * other. Sizes from rvliResizeGetSize_* with antialiasing = 1. */
RVL_API RvlResult rvliResizeAntialiasingLinearInit(RvlSize srcSize, RvlSize dstSize, RvlResizeSpec* pSpec, Rvl8u* pInitBuf);
RVL_API RvlResult rvliResizeAntialiasingLinearInit_L(RvlSizeL srcSize, RvlSizeL dstSize, int dataType, RvlResizeSpec* pSpec, Rvl8u* pInitBuf);
RVL_API RvlResult rvliResizeAntialiasingCubicInit(RvlSize srcSize, RvlSize dstSize, Rvl32f valueB, Rvl32f valueC, RvlResizeSpec* pSpec, Rvl8u* pInitBuf);
RVL_API RvlResult rvliResizeAntialiasingCubicInit_L(RvlSizeL srcSize, RvlSizeL dstSize, int dataType, Rvl32f valueB, Rvl32f valueC, RvlResizeSpec* pSpec, Rvl8u* pInitBuf);
RVL_API RvlResult rvliResizeAntialiasingLanczosInit(RvlSize srcSize, RvlSize dstSize, Rvl32u numLobes, RvlResizeSpec* pSpec, Rvl8u* pInitBuf);
RVL_API RvlResult rvliResizeAntialiasingLanczosInit_L(RvlSizeL srcSize, RvlSizeL dstSize, int dataType, Rvl32u numLobes, RvlResizeSpec* pSpec, Rvl8u* pInitBuf);
RVL_API RvlResult rvliResizeAntialiasing_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeAntialiasing_8u_C1R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeAntialiasing_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeAntialiasing_8u_C3R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeAntialiasing_8u_C4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeAntialiasing_8u_C4R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl8u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeAntialiasing_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeAntialiasing_16u_C1R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeAntialiasing_16u_C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeAntialiasing_16u_C3R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeAntialiasing_16u_C4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeAntialiasing_16u_C4R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16u* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeAntialiasing_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeAntialiasing_16s_C1R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeAntialiasing_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeAntialiasing_16s_C3R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeAntialiasing_16s_C4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeAntialiasing_16s_C4R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl16s* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeAntialiasing_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeAntialiasing_32f_C1R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeAntialiasing_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeAntialiasing_32f_C3R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeAntialiasing_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstOffset, RvlSize dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliResizeAntialiasing_32f_C4R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstOffset, RvlSizeL dstSize, RvlBorderMode border, const Rvl32f* pBorderValue, const RvlResizeSpec* pSpec, Rvl8u* pBuffer);

/* ---- Affine warp and transform helpers ----------------------------------
 * coeffs[2][3] maps (x, y) to (c00 x + c01 y + c02, c10 x + c11 y + c12);
 * quadrangles are the images of a rectangle's pixel-centre corners (x, y),
 * (x+w-1, y), (x+w-1, y+h-1), (x, y+h-1). The warp follows the three-call
 * protocol: rvliWarpAffineGetSize, an Init, rvliWarpGetBufferSize, then any
 * tile of the destination through a worker. */
RVL_API RvlResult rvliGetRotateTransform(double angle, double xShift, double yShift, double coeffs[2][3]);
RVL_API RvlResult rvliGetRotateTransform_L(double angle, double xShift, double yShift, double coeffs[2][3]);
RVL_API RvlResult rvliGetRotateShift(double xCenter, double yCenter, double angle, double* pXShift, double* pYShift);
RVL_API RvlResult rvliGetRotateShift_L(double xCenter, double yCenter, double angle, double* pXShift, double* pYShift);
RVL_API RvlResult rvliGetAffineTransform(RvlRect srcRoi, const double quad[4][2], double coeffs[2][3]);
RVL_API RvlResult rvliGetAffineQuad(RvlRect srcRoi, double quad[4][2], const double coeffs[2][3]);
RVL_API RvlResult rvliGetAffineBound(RvlRect srcRoi, double bound[2][2], const double coeffs[2][3]);
RVL_API RvlResult rvliGetAffineTransform_L(RvlRectL srcRoi, const double quad[4][2], double coeffs[2][3]);
RVL_API RvlResult rvliGetAffineQuad_L(RvlRectL srcRoi, double quad[4][2], const double coeffs[2][3]);
RVL_API RvlResult rvliGetAffineBound_L(RvlRectL srcRoi, double bound[2][2], const double coeffs[2][3]);
RVL_API RvlResult rvliGetAffineSrcRoi(RvlSize srcSize, const double coeffs[2][3], RvlMappingDirection direction, RvlPoint dstRoiOffset, RvlSize dstRoiSize, RvlRect* pSrcRoi);
RVL_API RvlResult rvliGetAffineSrcRoi_L(RvlSizeL srcSize, const double coeffs[2][3], RvlMappingDirection direction, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, RvlRectL* pSrcRoi);
RVL_API RvlResult rvliWarpAffineGetSize(RvlSize srcSize, RvlSize dstSize, int dataType, const double coeffs[2][3], RvlInterpolation interpolation, RvlMappingDirection direction, RvlBorderMode border, int* pSpecSize, int* pInitBufSize);
RVL_API RvlResult rvliWarpAffineGetSize_L(RvlSizeL srcSize, RvlSizeL dstSize, int dataType, const double coeffs[2][3], RvlInterpolation interpolation, RvlMappingDirection direction, RvlBorderMode border, Rvl64s* pSpecSize, Rvl64s* pInitBufSize);
RVL_API RvlResult rvliWarpAffineNearestInit(RvlSize srcSize, RvlSize dstSize, int dataType, const double coeffs[2][3], RvlMappingDirection direction, int numChannels, RvlBorderMode border, const double* pBorderValue, int smoothEdge, RvlWarpSpec* pSpec);
RVL_API RvlResult rvliWarpAffineNearestInit_L(RvlSizeL srcSize, RvlSizeL dstSize, int dataType, const double coeffs[2][3], RvlMappingDirection direction, int numChannels, RvlBorderMode border, const double* pBorderValue, int smoothEdge, RvlWarpSpec* pSpec);
RVL_API RvlResult rvliWarpAffineLinearInit(RvlSize srcSize, RvlSize dstSize, int dataType, const double coeffs[2][3], RvlMappingDirection direction, int numChannels, RvlBorderMode border, const double* pBorderValue, int smoothEdge, RvlWarpSpec* pSpec);
RVL_API RvlResult rvliWarpAffineLinearInit_L(RvlSizeL srcSize, RvlSizeL dstSize, int dataType, const double coeffs[2][3], RvlMappingDirection direction, int numChannels, RvlBorderMode border, const double* pBorderValue, int smoothEdge, RvlWarpSpec* pSpec);
RVL_API RvlResult rvliWarpAffineCubicInit(RvlSize srcSize, RvlSize dstSize, int dataType, const double coeffs[2][3], RvlMappingDirection direction, int numChannels, double valueB, double valueC, RvlBorderMode border, const double* pBorderValue, int smoothEdge, RvlWarpSpec* pSpec, Rvl8u* pInitBuf);
RVL_API RvlResult rvliWarpAffineCubicInit_L(RvlSizeL srcSize, RvlSizeL dstSize, int dataType, const double coeffs[2][3], RvlMappingDirection direction, int numChannels, double valueB, double valueC, RvlBorderMode border, const double* pBorderValue, int smoothEdge, RvlWarpSpec* pSpec, Rvl8u* pInitBuf);
RVL_API RvlResult rvliWarpGetBufferSize(const RvlWarpSpec* pSpec, RvlSize dstSize, int* pBufSize);
RVL_API RvlResult rvliWarpGetBufferSize_L(const RvlWarpSpec* pSpec, RvlSizeL dstSize, Rvl64s* pBufSize);
RVL_API RvlResult rvliWarpAffineNearest_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_8u_C1R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_8u_C3R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_8u_C4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_8u_C4R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_16u_C1R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_16u_C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_16u_C3R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_16u_C4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_16u_C4R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_16s_C1R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_16s_C3R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_16s_C4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_16s_C4R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_32f_C1R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_32f_C3R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_32f_C4R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_64f_C1R(const Rvl64f* pSrc, int srcStep, Rvl64f* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_64f_C1R_L(const Rvl64f* pSrc, Rvl64s srcStep, Rvl64f* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_64f_C3R(const Rvl64f* pSrc, int srcStep, Rvl64f* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_64f_C3R_L(const Rvl64f* pSrc, Rvl64s srcStep, Rvl64f* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_64f_C4R(const Rvl64f* pSrc, int srcStep, Rvl64f* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineNearest_64f_C4R_L(const Rvl64f* pSrc, Rvl64s srcStep, Rvl64f* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_8u_C1R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_8u_C3R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_8u_C4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_8u_C4R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_16u_C1R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_16u_C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_16u_C3R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_16u_C4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_16u_C4R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_16s_C1R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_16s_C3R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_16s_C4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_16s_C4R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_32f_C1R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_32f_C3R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_32f_C4R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_64f_C1R(const Rvl64f* pSrc, int srcStep, Rvl64f* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_64f_C1R_L(const Rvl64f* pSrc, Rvl64s srcStep, Rvl64f* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_64f_C3R(const Rvl64f* pSrc, int srcStep, Rvl64f* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_64f_C3R_L(const Rvl64f* pSrc, Rvl64s srcStep, Rvl64f* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_64f_C4R(const Rvl64f* pSrc, int srcStep, Rvl64f* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineLinear_64f_C4R_L(const Rvl64f* pSrc, Rvl64s srcStep, Rvl64f* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_8u_C1R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_8u_C1R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_8u_C3R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_8u_C3R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_8u_C4R(const Rvl8u* pSrc, int srcStep, Rvl8u* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_8u_C4R_L(const Rvl8u* pSrc, Rvl64s srcStep, Rvl8u* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_16u_C1R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_16u_C1R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_16u_C3R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_16u_C3R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_16u_C4R(const Rvl16u* pSrc, int srcStep, Rvl16u* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_16u_C4R_L(const Rvl16u* pSrc, Rvl64s srcStep, Rvl16u* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_16s_C1R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_16s_C1R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_16s_C3R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_16s_C3R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_16s_C4R(const Rvl16s* pSrc, int srcStep, Rvl16s* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_16s_C4R_L(const Rvl16s* pSrc, Rvl64s srcStep, Rvl16s* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_32f_C1R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_32f_C3R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_32f_C4R_L(const Rvl32f* pSrc, Rvl64s srcStep, Rvl32f* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_64f_C1R(const Rvl64f* pSrc, int srcStep, Rvl64f* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_64f_C1R_L(const Rvl64f* pSrc, Rvl64s srcStep, Rvl64f* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_64f_C3R(const Rvl64f* pSrc, int srcStep, Rvl64f* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_64f_C3R_L(const Rvl64f* pSrc, Rvl64s srcStep, Rvl64f* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_64f_C4R(const Rvl64f* pSrc, int srcStep, Rvl64f* pDst, int dstStep, RvlPoint dstRoiOffset, RvlSize dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliWarpAffineCubic_64f_C4R_L(const Rvl64f* pSrc, Rvl64s srcStep, Rvl64f* pDst, Rvl64s dstStep, RvlPointL dstRoiOffset, RvlSizeL dstRoiSize, const RvlWarpSpec* pSpec, Rvl8u* pBuffer);

/* ---- Remap ----------------------------------------------------------------
 * Each destination pixel (x, y) of the ROI samples the source at
 * (xMap(x, y), yMap(x, y)) in whole-image coordinates; points outside the
 * source ROI leave the destination pixel as it is. AC4R keeps the fourth
 * channel of the destination. */
RVL_API RvlResult rvliRemap_8u_C1R(const Rvl8u* pSrc, RvlSize srcSize, int srcStep, RvlRect srcRoi, const Rvl32f* pMapX, int mapXStep, const Rvl32f* pMapY, int mapYStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int interpolation);
RVL_API RvlResult rvliRemap_8u_C3R(const Rvl8u* pSrc, RvlSize srcSize, int srcStep, RvlRect srcRoi, const Rvl32f* pMapX, int mapXStep, const Rvl32f* pMapY, int mapYStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int interpolation);
RVL_API RvlResult rvliRemap_8u_C4R(const Rvl8u* pSrc, RvlSize srcSize, int srcStep, RvlRect srcRoi, const Rvl32f* pMapX, int mapXStep, const Rvl32f* pMapY, int mapYStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int interpolation);
RVL_API RvlResult rvliRemap_8u_AC4R(const Rvl8u* pSrc, RvlSize srcSize, int srcStep, RvlRect srcRoi, const Rvl32f* pMapX, int mapXStep, const Rvl32f* pMapY, int mapYStep, Rvl8u* pDst, int dstStep, RvlSize dstRoiSize, int interpolation);
RVL_API RvlResult rvliRemap_16u_C1R(const Rvl16u* pSrc, RvlSize srcSize, int srcStep, RvlRect srcRoi, const Rvl32f* pMapX, int mapXStep, const Rvl32f* pMapY, int mapYStep, Rvl16u* pDst, int dstStep, RvlSize dstRoiSize, int interpolation);
RVL_API RvlResult rvliRemap_16u_C3R(const Rvl16u* pSrc, RvlSize srcSize, int srcStep, RvlRect srcRoi, const Rvl32f* pMapX, int mapXStep, const Rvl32f* pMapY, int mapYStep, Rvl16u* pDst, int dstStep, RvlSize dstRoiSize, int interpolation);
RVL_API RvlResult rvliRemap_16u_C4R(const Rvl16u* pSrc, RvlSize srcSize, int srcStep, RvlRect srcRoi, const Rvl32f* pMapX, int mapXStep, const Rvl32f* pMapY, int mapYStep, Rvl16u* pDst, int dstStep, RvlSize dstRoiSize, int interpolation);
RVL_API RvlResult rvliRemap_16u_AC4R(const Rvl16u* pSrc, RvlSize srcSize, int srcStep, RvlRect srcRoi, const Rvl32f* pMapX, int mapXStep, const Rvl32f* pMapY, int mapYStep, Rvl16u* pDst, int dstStep, RvlSize dstRoiSize, int interpolation);
RVL_API RvlResult rvliRemap_16s_C1R(const Rvl16s* pSrc, RvlSize srcSize, int srcStep, RvlRect srcRoi, const Rvl32f* pMapX, int mapXStep, const Rvl32f* pMapY, int mapYStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int interpolation);
RVL_API RvlResult rvliRemap_16s_C3R(const Rvl16s* pSrc, RvlSize srcSize, int srcStep, RvlRect srcRoi, const Rvl32f* pMapX, int mapXStep, const Rvl32f* pMapY, int mapYStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int interpolation);
RVL_API RvlResult rvliRemap_16s_C4R(const Rvl16s* pSrc, RvlSize srcSize, int srcStep, RvlRect srcRoi, const Rvl32f* pMapX, int mapXStep, const Rvl32f* pMapY, int mapYStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int interpolation);
RVL_API RvlResult rvliRemap_16s_AC4R(const Rvl16s* pSrc, RvlSize srcSize, int srcStep, RvlRect srcRoi, const Rvl32f* pMapX, int mapXStep, const Rvl32f* pMapY, int mapYStep, Rvl16s* pDst, int dstStep, RvlSize dstRoiSize, int interpolation);
RVL_API RvlResult rvliRemap_32f_C1R(const Rvl32f* pSrc, RvlSize srcSize, int srcStep, RvlRect srcRoi, const Rvl32f* pMapX, int mapXStep, const Rvl32f* pMapY, int mapYStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int interpolation);
RVL_API RvlResult rvliRemap_32f_C3R(const Rvl32f* pSrc, RvlSize srcSize, int srcStep, RvlRect srcRoi, const Rvl32f* pMapX, int mapXStep, const Rvl32f* pMapY, int mapYStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int interpolation);
RVL_API RvlResult rvliRemap_32f_C4R(const Rvl32f* pSrc, RvlSize srcSize, int srcStep, RvlRect srcRoi, const Rvl32f* pMapX, int mapXStep, const Rvl32f* pMapY, int mapYStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int interpolation);
RVL_API RvlResult rvliRemap_32f_AC4R(const Rvl32f* pSrc, RvlSize srcSize, int srcStep, RvlRect srcRoi, const Rvl32f* pMapX, int mapXStep, const Rvl32f* pMapY, int mapYStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, int interpolation);
RVL_API RvlResult rvliRemap_64f_C1R(const Rvl64f* pSrc, RvlSize srcSize, int srcStep, RvlRect srcRoi, const Rvl64f* pMapX, int mapXStep, const Rvl64f* pMapY, int mapYStep, Rvl64f* pDst, int dstStep, RvlSize dstRoiSize, int interpolation);
RVL_API RvlResult rvliRemap_64f_C3R(const Rvl64f* pSrc, RvlSize srcSize, int srcStep, RvlRect srcRoi, const Rvl64f* pMapX, int mapXStep, const Rvl64f* pMapY, int mapYStep, Rvl64f* pDst, int dstStep, RvlSize dstRoiSize, int interpolation);
RVL_API RvlResult rvliRemap_64f_C4R(const Rvl64f* pSrc, RvlSize srcSize, int srcStep, RvlRect srcRoi, const Rvl64f* pMapX, int mapXStep, const Rvl64f* pMapY, int mapYStep, Rvl64f* pDst, int dstStep, RvlSize dstRoiSize, int interpolation);
RVL_API RvlResult rvliRemap_64f_AC4R(const Rvl64f* pSrc, RvlSize srcSize, int srcStep, RvlRect srcRoi, const Rvl64f* pMapX, int mapXStep, const Rvl64f* pMapY, int mapYStep, Rvl64f* pDst, int dstStep, RvlSize dstRoiSize, int interpolation);

/* ==== Frequency transforms ============================================== */

/* ---- 2-D FFT of 2^orderX x 2^orderY images, and packed spectra -----------
 * F(u, v) = s * sum f(x, y) exp(-+2 pi i (u x / W + v y / H)), the factor s
 * from the normalisation flag (rvlFftScaleFwd, ...), applied per 1-D pass.
 * The real forms use the packed layout: real columns 0 and W-1 hold their
 * column spectra packed vertically, column pairs (2u-1, 2u) hold Re and Im. */
RVL_API RvlResult rvliFFTGetSize_C_32fc(int orderX, int orderY, int flag, RvlHintAlgorithm hint, int* pSpecSize, int* pInitBufSize, int* pWorkBufSize);
RVL_API RvlResult rvliFFTGetSize_R_32f(int orderX, int orderY, int flag, RvlHintAlgorithm hint, int* pSpecSize, int* pInitBufSize, int* pWorkBufSize);
/** The init buffer is needed when an order is 11 or more. */
RVL_API RvlResult rvliFFTInit_C_32fc(int orderX, int orderY, int flag, RvlHintAlgorithm hint, RvlFft2dComplexSpec* pSpec, Rvl8u* pInitBuf);
RVL_API RvlResult rvliFFTInit_R_32f(int orderX, int orderY, int flag, RvlHintAlgorithm hint, RvlFft2dRealSpec* pSpec, Rvl8u* pInitBuf);
RVL_API RvlResult rvliFFTFwd_CToC_32fc_C1R(const Rvl32fc* pSrc, int srcStep, Rvl32fc* pDst, int dstStep, const RvlFft2dComplexSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFFTInv_CToC_32fc_C1R(const Rvl32fc* pSrc, int srcStep, Rvl32fc* pDst, int dstStep, const RvlFft2dComplexSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFFTFwd_CToC_32fc_C1IR(Rvl32fc* pSrcDst, int srcDstStep, const RvlFft2dComplexSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFFTInv_CToC_32fc_C1IR(Rvl32fc* pSrcDst, int srcDstStep, const RvlFft2dComplexSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFFTFwd_RToPack_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, const RvlFft2dRealSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFFTInv_PackToR_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, const RvlFft2dRealSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFFTFwd_RToPack_32f_C1IR(Rvl32f* pSrcDst, int srcDstStep, const RvlFft2dRealSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFFTInv_PackToR_32f_C1IR(Rvl32f* pSrcDst, int srcDstStep, const RvlFft2dRealSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFFTFwd_RToPack_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, const RvlFft2dRealSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFFTInv_PackToR_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, const RvlFft2dRealSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFFTFwd_RToPack_32f_C3IR(Rvl32f* pSrcDst, int srcDstStep, const RvlFft2dRealSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFFTInv_PackToR_32f_C3IR(Rvl32f* pSrcDst, int srcDstStep, const RvlFft2dRealSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFFTFwd_RToPack_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, const RvlFft2dRealSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFFTInv_PackToR_32f_C4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, const RvlFft2dRealSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFFTFwd_RToPack_32f_C4IR(Rvl32f* pSrcDst, int srcDstStep, const RvlFft2dRealSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFFTInv_PackToR_32f_C4IR(Rvl32f* pSrcDst, int srcDstStep, const RvlFft2dRealSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFFTFwd_RToPack_32f_AC4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, const RvlFft2dRealSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFFTInv_PackToR_32f_AC4R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, const RvlFft2dRealSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFFTFwd_RToPack_32f_AC4IR(Rvl32f* pSrcDst, int srcDstStep, const RvlFft2dRealSpec* pSpec, Rvl8u* pBuffer);
RVL_API RvlResult rvliFFTInv_PackToR_32f_AC4IR(Rvl32f* pSrcDst, int srcDstStep, const RvlFft2dRealSpec* pSpec, Rvl8u* pBuffer);
/** Products of packed spectra (Conj: by the conjugate of the second). */
RVL_API RvlResult rvliMulPack_32f_C1R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulPack_32f_C1IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulPack_32f_C3R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulPack_32f_C3IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulPack_32f_C4R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulPack_32f_C4IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulPack_32f_AC4R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulPack_32f_AC4IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulPackConj_32f_C1R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulPackConj_32f_C1IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulPackConj_32f_C3R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulPackConj_32f_C3IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulPackConj_32f_C4R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulPackConj_32f_C4IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulPackConj_32f_AC4R(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMulPackConj_32f_AC4IR(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roiSize);
/** Packed spectrum to the full complex spectrum, and back. */
RVL_API RvlResult rvliPackToCplxExtend_32f32fc_C1R(const Rvl32f* pSrc, RvlSize srcSize, int srcStep, Rvl32fc* pDst, int dstStep);
RVL_API RvlResult rvliCplxExtendToPack_32fc32f_C1R(const Rvl32fc* pSrc, int srcStep, RvlSize srcSize, Rvl32f* pDst, int dstStep);
RVL_API RvlResult rvliCplxExtendToPack_32fc32f_C3R(const Rvl32fc* pSrc, int srcStep, RvlSize srcSize, Rvl32f* pDst, int dstStep);
/** Magnitude and phase of a packed spectrum, as W x H real images. */
RVL_API RvlResult rvliMagnitudePack_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, Rvl8u* pBuffer);
RVL_API RvlResult rvliMagnitudePack_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, Rvl8u* pBuffer);
RVL_API RvlResult rvliPhasePack_32f_C1R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, Rvl8u* pBuffer);
RVL_API RvlResult rvliPhasePack_32f_C3R(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize dstRoiSize, Rvl8u* pBuffer);
RVL_API RvlResult rvliMagnitudePackGetBufferSize_32f(int numChannels, RvlSize dstRoiSize, int* pSize);
RVL_API RvlResult rvliPhasePackGetBufferSize_32f(int numChannels, RvlSize dstRoiSize, int* pSize);
/** Element-wise magnitude, phase (atan2(im, re)) and polar to Cartesian. */
RVL_API RvlResult rvliMagnitude_32fc32f_C1R(const Rvl32fc* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliMagnitude_32fc32f_C3R(const Rvl32fc* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliPhase_32fc32f_C1R(const Rvl32fc* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliPhase_32fc32f_C3R(const Rvl32fc* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize);
RVL_API RvlResult rvliPolarToCart_32fc_C1R(const Rvl32f* pSrcMagn, const Rvl32f* pSrcPhase, int srcStep, RvlSize roiSize, Rvl32fc* pDst, int dstStep);
RVL_API RvlResult rvliPolarToCart_32fc_C3R(const Rvl32f* pSrcMagn, const Rvl32f* pSrcPhase, int srcStep, RvlSize roiSize, Rvl32fc* pDst, int dstStep);

#ifdef __cplusplus
}
#endif

#endif /* RVL_IMAGE_H */
