/*
 * rvl — shared types, enumerations and status codes.
 *
 * Every image and volume function of the library uses these. The header is
 * valid C99 and C++.
 */
#ifndef RVL_TYPES_H
#define RVL_TYPES_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define RVL_API __attribute__((visibility("default")))
#else
#define RVL_API
#endif

/* ---- Element types ---------------------------------------------------- */

typedef uint8_t  Rvl8u;   /**< unsigned 8-bit, 0 .. 255 */
typedef int8_t   Rvl8s;   /**< signed 8-bit, -128 .. 127 */
typedef uint16_t Rvl16u;  /**< unsigned 16-bit, 0 .. 65535 */
typedef int16_t  Rvl16s;  /**< signed 16-bit, -32768 .. 32767 */
typedef uint32_t Rvl32u;  /**< unsigned 32-bit */
typedef int32_t  Rvl32s;  /**< signed 32-bit */
typedef int64_t  Rvl64s;  /**< signed 64-bit (sizes and steps of the _L functions) */
typedef float    Rvl32f;  /**< IEEE 754 single */
typedef double   Rvl64f;  /**< IEEE 754 double */

/** Complex pairs, real part first. */
typedef struct { Rvl16s re; Rvl16s im; } Rvl16sc;
typedef struct { Rvl32s re; Rvl32s im; } Rvl32sc;
typedef struct { Rvl32f re; Rvl32f im; } Rvl32fc;
typedef struct { Rvl64f re; Rvl64f im; } Rvl64fc;

/* ---- Sizes, points, rectangles ----------------------------------------- */

/** ROI size of the 32-bit functions, in pixels. */
typedef struct { int32_t width; int32_t height; } RvlSize;
/** ROI size of the _L functions, in pixels. */
typedef struct { int64_t width; int64_t height; } RvlSizeL;
typedef struct { int32_t x; int32_t y; } RvlPoint;
typedef struct { int64_t x; int64_t y; } RvlPointL;
typedef struct { int32_t x; int32_t y; int32_t width; int32_t height; } RvlRect;
typedef struct { int64_t x; int64_t y; int64_t width; int64_t height; } RvlRectL;

/* ---- Status codes ------------------------------------------------------ */

/** 0 success, negative error (nothing written), positive warning (output written). */
typedef int32_t RvlResult;

enum {
    rvlResOk = 0,
    /* general errors */
    rvlResBadArg = -5,
    rvlResBadSize = -6,
    rvlResBadRange = -7,
    rvlResNullPointer = -8,
    rvlResOutOfRange = -11,
    rvlResBadContext = -13,
    rvlResUnsupportedMode = -14,
    rvlResBadStep = -16,
    rvlResBadInterpolation = -23,
    rvlResBadMaskSize = -33,
    rvlResBadAnchor = -34,
    rvlResStepTooSmall = -37,
    rvlResBadChannel = -47,
    rvlResBadChannelCount = -53,
    rvlResBadDataType = -59,
    rvlResStepNotMultiple = -108,
    rvlResBadBorder = -225,
    rvlResSizeOverflow = -232,
    /* family errors */
    rvlResBadBuffer = -9,
    rvlResDivByZeroConst = -10,
    rvlResBadValueRange = -12,
    rvlResBadFftOrder = -17,
    rvlResBadFftFlag = -18,
    rvlResBadThresholds = -19,
    rvlResMomentZero = -21,
    rvlResBadAxis = -22,
    rvlResBadResizeFactor = -24,
    rvlResBadEpsilon = -36,
    rvlResBadAlphaType = -50,
    rvlResDivisorZero = -51,
    rvlResBadCoeffs = -56,
    rvlResBadRect = -57,
    rvlResBadQuad = -58,
    rvlResBadChannelOrder = -60,
    rvlResBadLevels = -106,
    rvlResBadHistLevels = -107,
    rvlResBadNoise = -125,
    rvlResQualityIndexUndefined = -210,
    rvlResBadWeight = -211,
    rvlResBadFraction = -212,
    rvlResBadRoundMode = -213,
    rvlResNotEvenSize = -227,
    rvlResBadAlgorithmType = -228,
    rvlResBadDirection = -231,
    rvlResBadWarpOption = -233,
    /* warnings */
    rvlResWarnNothingDone = 1,
    rvlResWarnDivByZero = 2,
    rvlResWarnSqrtOfNegative = 3,
    rvlResWarnLogOfZero = 7,
    rvlResWarnLogOfNegative = 8,
    /** warning: the quadrangle given to rvliGetAffineTransform is not a
     *  parallelogram; its fourth vertex was not used */
    rvlResWarnNotParallelogram = 28,
    rvlResWarnRoiOutside = 29,
    rvlResWarnQuadOutside = 30,
    rvlResWarnVolumeOutside = 40,
    rvlResWarnAntialiasingIgnored = 46,
    rvlResWarnArgumentRange = 48,
    /** warning: an accurate rounding path was asked of a filter
     *  specification that has none; the specification is built with the
     *  ordinary path */
    rvlResWarnNoAccurateMode = 49,
    /** warning: a weighted-centre median was given an even weight; the
     *  weight one less was used */
    rvlResWarnEvenWeight = 50
};

/* ---- Shared enumerations ----------------------------------------------- */

/* The enumerations are 32-bit integers. Arguments of these types may carry
 * values outside the listed names (functions check them or say how they
 * treat them), so in C++ the enumerations are given int32_t as their fixed
 * type, which makes every int32 value a valid one. */
#ifdef __cplusplus
#define RVL_ENUM(tag) enum tag : int32_t
#else
#define RVL_ENUM(tag) enum tag
#endif

/** Data-type codes of the size queries. */
typedef RVL_ENUM(RvlDataType_) {
    rvlType8u = 1,
    rvlType16u = 5,
    rvlType16s = 7,
    rvlType32f = 13,
    rvlType64f = 19
} RvlDataType;

/** Channel-layout codes. */
typedef RVL_ENUM(RvlChannels_) {
    rvlChannels1 = 1,
    rvlChannels3 = 3,
    rvlChannels4 = 4,
    rvlChannelsAC4 = 9 /**< three processed channels, alpha passed over */
} RvlChannels;

/** Rounding modes. */
typedef RVL_ENUM(RvlRoundMode_) {
    rvlRoundTowardZero = 0,
    rvlRoundNearestEven = 1, /**< nearest, ties to even */
    rvlRoundHalfAway = 2     /**< nearest, ties away from zero */
} RvlRoundMode;

/** Algorithm hint: only rvlHintAccurate changes behaviour. */
typedef RVL_ENUM(RvlHintAlgorithm_) {
    rvlHintNone = 0,
    rvlHintFast = 1,
    rvlHintAccurate = 2
} RvlHintAlgorithm;

/** Relation between the first operand and the second. */
typedef RVL_ENUM(RvlCmpOp_) {
    rvlCompareLess = 0,
    rvlCompareLessEqual = 1,
    rvlCompareEqual = 2,
    rvlCompareGreaterEqual = 3,
    rvlCompareGreater = 4
} RvlCmpOp;

/** Border type: a kind in bits 0-3 and in-memory flags in bits 4-7. */
typedef RVL_ENUM(RvlBorderMode_) {
    rvlBorderReplicate = 1,
    rvlBorderMirror = 3,
    rvlBorderConstant = 6,
    rvlBorderTransparent = 7,
    rvlBorderInMemoryTop = 0x10,
    rvlBorderInMemoryBottom = 0x20,
    rvlBorderInMemoryLeft = 0x40,
    rvlBorderInMemoryRight = 0x80,
    rvlBorderInMemory = 0xF0
} RvlBorderMode;

/** Interpolation codes. */
typedef RVL_ENUM(RvlInterpolation_) {
    rvlInterNearest = 1,
    rvlInterLinear = 2,
    rvlInterCubic = 4,
    rvlInterCubicBSpline = 5,
    rvlInterCubicBC = 6,
    rvlInterCubicSmooth = 7,
    rvlInterSuper = 8,
    rvlInterLanczos = 16,
    rvlInterBlendEdges = (int32_t)0x80000000
} RvlInterpolation;

/** FFT normalisation flags. */
typedef RVL_ENUM(RvlFftFlag_) {
    rvlFftScaleFwd = 1,  /**< forward scaled by 1/(W*H), inverse by 1 */
    rvlFftScaleInv = 2,  /**< forward by 1, inverse by 1/(W*H) */
    rvlFftScaleSqrt = 4, /**< both by 1/sqrt(W*H) */
    rvlFftScaleNone = 8  /**< no scaling */
} RvlFftFlag;

/** Mask codes of the fixed-kernel filters. */
typedef RVL_ENUM(RvlMaskSize_) {
    rvlMask3x3 = 33,
    rvlMask5x5 = 55
} RvlMaskSize;

/** Flip axes. */
typedef RVL_ENUM(RvlAxis_) {
    rvlAxisHorizontal = 0,
    rvlAxisVertical = 1,
    rvlAxisBoth = 2,
    rvlAxisDiagonal45 = 3,
    rvlAxisDiagonal135 = 4
} RvlAxis;

/** Transform coefficient direction. */
typedef RVL_ENUM(RvlMappingDirection_) {
    rvlMapForward = 0,
    rvlMapBackward = 1
} RvlMappingDirection;

/** Alpha-composition types. */
typedef RVL_ENUM(RvlAlphaType_) {
    rvlCompositeOver = 0,
    rvlCompositeIn = 1,
    rvlCompositeOut = 2,
    rvlCompositeAtop = 3,
    rvlCompositeXor = 4,
    rvlCompositePlus = 5,
    rvlCompositeOverPremultiplied = 6,
    rvlCompositeInPremultiplied = 7,
    rvlCompositeOutPremultiplied = 8,
    rvlCompositeAtopPremultiplied = 9,
    rvlCompositeXorPremultiplied = 10,
    rvlCompositePlusPremultiplied = 11
} RvlAlphaType;

/* ---- Specifications --------------------------------------------------- */

/** Specification of the general filter with border: caller memory of the
 *  size rvliFilterBorderGetSize reports, filled by an rvliFilterBorderInit
 *  function, read-only while filtering. Opaque. */
typedef struct RvlFilterSpec_ RvlFilterSpec;

/** Specification of a resize: caller memory of the size rvliResizeGetSize
 *  reports, filled by a resize Init, read-only while resizing. Opaque. */
typedef struct RvlResizeSpec_ RvlResizeSpec;

/** Specification of a warp: caller memory of the size rvliWarpAffineGetSize
 *  reports, filled by a warp Init, read-only while warping. Opaque. */
typedef struct RvlWarpSpec_ RvlWarpSpec;

/** How many pixels beyond each source edge an interpolation reads. */
typedef struct {
    Rvl32u borderLeft;
    Rvl32u borderTop;
    Rvl32u borderRight;
    Rvl32u borderBottom;
} RvlBorderExtent;

/** Specifications of the 2-D complex and real FFT: caller memory of the
 *  size rvliFFTGetSize_* reports, filled by rvliFFTInit_*, read-only while
 *  transforming. They hold pointers into themselves: not to be moved. */
typedef struct RvlFft2dComplexSpec_ RvlFft2dComplexSpec;
typedef struct RvlFft2dRealSpec_ RvlFft2dRealSpec;

/* ---- Statistics ------------------------------------------------------- */

/** Histogram specification (opaque): 80 + 4 * (sum of the channels'
 *  nLevels) bytes, filled by rvliHistogramInit or rvliHistogramUniformInit.
 *  It points into itself, so it may not be copied or moved after Init. */
typedef struct RvlHistogramSpec_ RvlHistogramSpec;

/** Moment state (opaque): 400 bytes (rvliMomentGetStateSize_64f), owned by
 *  the caller; it holds no pointers and may be copied. */
typedef struct RvlMomentState_ RvlMomentState;

/** Geometry of a HOG descriptor, filled by the caller. */
typedef struct {
    int32_t blockOrderByColumns; /**< 0: blocks row by row in the descriptor; else column by column */
    int32_t cellSide;            /**< side of a square cell in pixels, 2 .. 16 */
    int32_t blockSide;           /**< side of a square block (2 x 2 cells): 2 * cellSide, at most 64 */
    int32_t blockStep;           /**< distance between blocks, a positive multiple of cellSide */
    int32_t binCount;            /**< orientation bins per cell, 2 .. 16 */
    Rvl32f gaussSigma;           /**< sigma of the Gaussian block weighting, > 0 */
    Rvl32f clipThreshold;        /**< limit of the block normalisation, > 0 */
    RvlSize windowSize;          /**< detection window: blockSide + a multiple of blockStep each way */
} RvlHogConfig;

/** HOG specification (opaque): blockSide^2 * 4 + 72 bytes; no pointers. */
typedef struct RvlHogSpec_ RvlHogSpec;

/* ---- Version record ---------------------------------------------------- */

/** The library's version record; one immutable instance, never freed. */
typedef struct {
    int32_t versionMajor;
    int32_t versionMinor;
    int32_t buildMajor;
    int32_t buildNumber;
    char cpuCode[4];          /**< processor variant, zero-filled */
    const char* libraryName;
    const char* versionText;
    const char* buildDate;
} RvlLibVersion;

#ifdef __cplusplus
}
#endif

#endif /* RVL_TYPES_H */
