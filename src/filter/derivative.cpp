// The fixed-kernel border filters with their buffer-size queries:
// rvliFilter<Sobel..., Scharr..., Prewitt..., Roberts...>Border_<S><D>_C1R
// and rvliFilter<Laplace, Hipass, Sharpen>Border_<T>_<C>R.
//
// Each output element is computed straight from its source rows, a register
// of outputs at a time: the row vector's taps are loads at shifted columns,
// and the column vector combines the rows' results in registers, so no
// intermediate row is stored. Rows near the top and bottom, and the columns
// near the sides, come bordered from the BorderedSource's ring in the work
// buffer.
#include <algorithm>
#include <cstdint>

#include "filter/fixed_kernel.hpp"
#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/spec.hpp"

namespace rvl::filter {
namespace {

using kernels::CentreMinusBox;
using kernels::Grid;
using kernels::Separable;
using kernels::Taps;

using Big = __int128;
inline Big up32(Big v) { return (v + 31) & ~Big{31}; }


// ---- The derivative filters ----------------------------------------------------

using Smooth3 = Taps<1, 2, 1>;
using Smooth5 = Taps<1, 4, 6, 4, 1>;

// Kernels for masks 33 and 55 (void where the family has only 3x3), the
// reach of the 3x3 one, and whether the family has a 16s -> 16s member.
template <class K3, class K5, bool Has16s = true, class Shape = void>
struct Derivative {
    using Kernel3 = K3;
    using Kernel5 = K5;
    static constexpr bool kHas5 = !std::is_void_v<K5>;
    static constexpr bool kHas16s = Has16s;
    static constexpr Reach reach3() {
        if constexpr (std::is_void_v<Shape>) return centred_kernel_reach<K3>();
        else return Shape::reach();
    }
};

// Roberts: src(x, y) minus the pixel above and to the right (Up) or left
// (Down), as 2x2 kernels that reach one row up and one column to one side.
struct UpRightReach {
    static constexpr Reach reach() { return Reach{0, 1, 1, 0}; }
};
struct UpLeftReach {
    static constexpr Reach reach() { return Reach{1, 0, 1, 0}; }
};

using SobelVert = Derivative<Separable<Taps<1, 0, -1>, Smooth3>, Separable<Taps<1, 2, 0, -2, -1>, Smooth5>>;
using SobelNegVert =
    Derivative<Separable<Taps<-1, 0, 1>, Smooth3>, Separable<Taps<-1, -2, 0, 2, 1>, Smooth5>, false>;
using SobelHoriz = Derivative<Separable<Smooth3, Taps<-1, 0, 1>>, Separable<Smooth5, Taps<-1, -2, 0, 2, 1>>>;
using SobelVertSecond =
    Derivative<Separable<Taps<1, -2, 1>, Smooth3>, Separable<Taps<1, 0, -2, 0, 1>, Smooth5>, false>;
using SobelHorizSecond =
    Derivative<Separable<Smooth3, Taps<1, -2, 1>>, Separable<Smooth5, Taps<1, 0, -2, 0, 1>>, false>;
using ScharrVertMask = Derivative<Separable<Taps<-1, 0, 1>, Taps<3, 10, 3>>, void>;
using ScharrHorizMask = Derivative<Separable<Taps<3, 10, 3>, Taps<-1, 0, 1>>, void>;
using PrewittVert = Derivative<Separable<Taps<1, 0, -1>, Taps<1, 1, 1>>, void>;
using PrewittHoriz = Derivative<Separable<Taps<1, 1, 1>, Taps<-1, 0, 1>>, void>;
using RobertsUp = Derivative<Grid<Taps<0, -1>, Taps<1, 0>>, void, true, UpRightReach>;
using RobertsDown = Derivative<Grid<Taps<-1, 0>, Taps<0, 1>>, void, true, UpLeftReach>;

template <class F>
RvlResult derivative_buffer_size(RvlSize roi, int mask, int srcDataType, int dstDataType, int numChannels,
                                 int* pBufferSize) {
    if (RvlResult st = first_failure({null_check(pBufferSize), roi_check(roi)})) return st;
    if (mask != rvlMask3x3 && !(F::kHas5 && mask == rvlMask5x5)) return rvlResBadMaskSize;
    const bool pairOk = dstDataType == rvlType16s ? srcDataType == rvlType8u || (srcDataType == rvlType16s && F::kHas16s)
                      : dstDataType == rvlType32f ? srcDataType == rvlType32f
                                                  : false;
    if (!pairOk) return rvlResBadDataType;
    if (numChannels != 1) return rvlResBadChannelCount;
    const Big W = roi.width, H = roi.height, M = std::max(W, H);
    const bool m3 = mask == rvlMask3x3;
    const Big a = m3 ? 2 : 4, b = m3 ? 3 : 7;
    Big n;
    if (srcDataType == rvlType8u) {
        n = (M + a) * b;
    } else {
        const Big e = srcDataType == rvlType16s ? 2 : 4;
        n = up32((M + a) * b * e) + a * up32(4 * W) + up32((W + H) * 2 * (m3 ? 1 : 2) * e);
    }
    return report_size(up32(n) + 32, pBufferSize);
}

// Steps: 16-bit destinations take even steps, 32f images steps in whole
// floats.
template <class T, class D>
RvlResult derivative_step_check(int srcStep, int dstStep) {
    if constexpr (std::is_same_v<T, Rvl32f>) return (srcStep % 4 || dstStep % 4) ? rvlResStepNotMultiple : rvlResOk;
    else return dstStep % 2 ? rvlResStepNotMultiple : rvlResOk;
}

// 16s -> 16s results saturate; 8u16s results are exact in 16 bits.
template <class T, class D>
using DerivativeFinish = std::conditional_t<std::is_same_v<T, Rvl16s>, kernels::Saturate<-32768, 32767>, kernels::AsIs>;

template <class F, class T, class D>
RvlResult derivative_border(const T* pSrc, int srcStep, D* pDst, int dstStep, RvlSize roi, int mask, RvlBorderMode border,
                            T borderValue, Rvl8u* pBuffer) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst, pBuffer), roi_check(roi), derivative_step_check<T, D>(srcStep, dstStep)}))
        return st;
    if (mask != rvlMask3x3 && !(F::kHas5 && mask == rvlMask5x5)) return rvlResBadMaskSize;
    Border b;
    if (RvlResult st = decode_border(border, kFilterKinds, &b)) return st;
    T* ring = WorkBuffer(pBuffer).take<T>(0);
    const DerivativeFinish<T, D> finish;
    if constexpr (F::kHas5) {
        if (mask == rvlMask5x5) {
            using K = typename F::Kernel5;
            fixed_filter<K, 1, false>(pSrc, srcStep, pDst, dstStep, roi, centred_kernel_reach<K>(), b, &borderValue, ring, finish);
            return rvlResOk;
        }
    }
    fixed_filter<typename F::Kernel3, 1, false>(pSrc, srcStep, pDst, dstStep, roi, F::reach3(), b, &borderValue, ring, finish);
    return rvlResOk;
}

// ---- Laplace, high-pass, sharpen ---------------------------------------------------

using Laplace5 = Grid<Taps<-1, -3, -4, -3, -1>, Taps<-3, 0, 6, 0, -3>, Taps<-4, 6, 20, 6, -4>, Taps<-3, 0, 6, 0, -3>,
                      Taps<-1, -3, -4, -3, -1>>;

// 8u results saturate to 0 .. 255 (negative ones become 0), 16s to 16 bits.
template <class T>
using ClampFinish = std::conditional_t<std::is_same_v<T, Rvl8u>, kernels::Saturate<0, 255>,
                                       std::conditional_t<std::is_same_v<T, Rvl16s>, kernels::Saturate<-32768, 32767>, kernels::AsIs>>;

// Sharpening is (16 centre - the eight neighbours) / 8, computed as (17
// centre - the 3x3 sum) / 8: a lone bright pixel of 10 on 0 gives 160 / 8 =
// 20. (An example stated beside that formula gives 21, from 170 / 8, which
// leaves the centre out of the 3x3 sum; the formula is what is built.)
// The division by 8: 8u as unsigned arithmetic (negative values
// become 0), halves to even; 16s likewise but signed (the same rule
// carried to negative values); 32f by multiplying by 0.125.
template <class T>
using EighthFinish = std::conditional_t<std::is_same_v<T, Rvl8u>, kernels::EighthToEven<true, 0, 255>,
                                        std::conditional_t<std::is_same_v<T, Rvl16s>, kernels::EighthToEven<false, -32768, 32767>,
                                                           kernels::Eighth>>;

struct Laplace {
    using Kernel3 = CentreMinusBox<3, 9>;
    using Kernel5 = Laplace5;
    template <class T>
    using Finish = ClampFinish<T>;
};
struct Hipass {
    using Kernel3 = CentreMinusBox<3, 9>;
    using Kernel5 = CentreMinusBox<5, 25>;
    template <class T>
    using Finish = ClampFinish<T>;
};
struct Sharpen {
    using Kernel3 = CentreMinusBox<3, 17>;
    using Kernel5 = void;
    template <class T>
    using Finish = EighthFinish<T>;
};

// The size shared by Laplace, Sharpen and Hipass with mask 33.
RvlResult image_filter_size(RvlSize roi, int mask, int dataType, int numChannels, bool with5, int* pBufferSize) {
    if (RvlResult st = first_failure({null_check(pBufferSize), roi_check(roi)})) return st;
    if (mask != rvlMask3x3 && !(with5 && mask == rvlMask5x5)) return rvlResBadMaskSize;
    if (dataType != rvlType8u && dataType != rvlType16s && dataType != rvlType32f) return rvlResBadDataType;
    if (numChannels != 1 && numChannels != 3 && numChannels != 4) return rvlResBadChannelCount;
    const bool m3 = mask == rvlMask3x3;
    const Big W = roi.width, H = roi.height, M = std::max(W, H), m = m3 ? 3 : 5, C = numChannels;
    const Big n = (m >= W || m >= H) ? (H + m - 1) * (W + m - 1) : (M + m - 1) * (m3 ? 3 : 6);
    const Big e = dataType == rvlType8u ? 1 : dataType == rvlType16s ? 2 : 4;
    const Big A = up32(n * e * C), B = up32(C * (W + (m3 ? 2 : 0)) * (dataType == rvlType8u ? 2 : 4));
    return report_size((m3 ? A + B : A + 12 * B) + 32, pBufferSize);
}

RvlResult laplace_buffer_size(RvlSize roi, int mask, int dataType, int numChannels, int* pBufferSize) {
    return image_filter_size(roi, mask, dataType, numChannels, true, pBufferSize);
}
RvlResult sharpen_buffer_size(RvlSize roi, int mask, int dataType, int numChannels, int* pBufferSize) {
    return image_filter_size(roi, mask, dataType, numChannels, false, pBufferSize);
}

// Hipass with mask 55 refuses nothing but a null pointer: extents below 0
// count as 0, and a data type other than 8u and 16s is sized as 32f, the
// largest.
RvlResult hipass_buffer_size(RvlSize roi, int mask, int dataType, int numChannels, int* pBufferSize) {
    if (pBufferSize == nullptr) return rvlResNullPointer;
    if (mask != rvlMask5x5) return image_filter_size(roi, mask, dataType, numChannels, true, pBufferSize);
    const Big W = std::max(roi.width, 0), H = std::max(roi.height, 0), C = std::max(numChannels, 0), M = std::max(W, H);
    const Big n = (W < 6 || H < 6) ? (W + 4) * (H + 4) : 6 * M + 24;
    const Big e = dataType == rvlType8u ? 1 : dataType == rvlType16s ? 2 : 4, e2 = dataType == rvlType8u ? 2 : 4;
    return report_size(up32(n * e * C) + up32(C * (W + 4) * e2) + 32, pBufferSize);
}

template <class F, class T, RvlChannels L>
RvlResult image_filter_border(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roi, int mask, RvlBorderMode border,
                              Param<T, L> borderValue, Rvl8u* pBuffer) {
    constexpr bool kHas5 = !std::is_void_v<typename F::Kernel5>;
    if (RvlResult st = first_failure({null_check(pSrc, pDst, pBuffer), roi_check(roi)})) return st;
    if (mask != rvlMask3x3 && !(kHas5 && mask == rvlMask5x5)) return rvlResBadMaskSize;
    Border b;
    if (RvlResult st = decode_border(border, kReplicateConstantKinds, &b)) return st;
    const T* value = entries(borderValue);
    // Not in the family's list of checks, but a constant border without its
    // values cannot be filtered.
    if (b.kind == rvlBorderConstant && value == nullptr) return rvlResNullPointer;
    constexpr int C = stored_channels<L>;
    constexpr bool kAC4 = L == rvlChannelsAC4;
    // AC4 members take three constants; the fourth channel's results are
    // never stored, so any value serves.
    T constants[4] = {};
    if (kAC4 && b.kind == rvlBorderConstant) {
        std::copy(value, value + 3, constants);
        value = constants;
    }
    T* ring = WorkBuffer(pBuffer).take<T>(0);
    const typename F::template Finish<T> finish;
    if constexpr (kHas5) {
        if (mask == rvlMask5x5) {
            using K = typename F::Kernel5;
            fixed_filter<K, C, kAC4>(pSrc, srcStep, pDst, dstStep, roi, centred_kernel_reach<K>(), b, value, ring, finish);
            return rvlResOk;
        }
    }
    using K = typename F::Kernel3;
    fixed_filter<K, C, kAC4>(pSrc, srcStep, pDst, dstStep, roi, centred_kernel_reach<K>(), b, value, ring, finish);
    return rvlResOk;
}

}  // namespace
}  // namespace rvl::filter

namespace rvl {
using namespace filter;
RVL_BIND(rvliFilterSobelVertBorderGetBufferSize, derivative_buffer_size<SobelVert>);
RVL_BIND(rvliFilterSobelVertBorder_8u16s_C1R, (derivative_border<SobelVert, Rvl8u, Rvl16s>));
RVL_BIND(rvliFilterSobelVertBorder_32f_C1R, (derivative_border<SobelVert, Rvl32f, Rvl32f>));
RVL_BIND(rvliFilterSobelHorizBorderGetBufferSize, derivative_buffer_size<SobelHoriz>);
RVL_BIND(rvliFilterSobelHorizBorder_8u16s_C1R, (derivative_border<SobelHoriz, Rvl8u, Rvl16s>));
RVL_BIND(rvliFilterSobelHorizBorder_32f_C1R, (derivative_border<SobelHoriz, Rvl32f, Rvl32f>));
RVL_BIND(rvliFilterSobelNegVertBorderGetBufferSize, derivative_buffer_size<SobelNegVert>);
RVL_BIND(rvliFilterSobelNegVertBorder_8u16s_C1R, (derivative_border<SobelNegVert, Rvl8u, Rvl16s>));
RVL_BIND(rvliFilterSobelNegVertBorder_32f_C1R, (derivative_border<SobelNegVert, Rvl32f, Rvl32f>));
RVL_BIND(rvliFilterSobelVertSecondBorderGetBufferSize, derivative_buffer_size<SobelVertSecond>);
RVL_BIND(rvliFilterSobelVertSecondBorder_8u16s_C1R, (derivative_border<SobelVertSecond, Rvl8u, Rvl16s>));
RVL_BIND(rvliFilterSobelVertSecondBorder_32f_C1R, (derivative_border<SobelVertSecond, Rvl32f, Rvl32f>));
RVL_BIND(rvliFilterSobelHorizSecondBorderGetBufferSize, derivative_buffer_size<SobelHorizSecond>);
RVL_BIND(rvliFilterSobelHorizSecondBorder_8u16s_C1R, (derivative_border<SobelHorizSecond, Rvl8u, Rvl16s>));
RVL_BIND(rvliFilterSobelHorizSecondBorder_32f_C1R, (derivative_border<SobelHorizSecond, Rvl32f, Rvl32f>));
RVL_BIND(rvliFilterScharrVertMaskBorderGetBufferSize, derivative_buffer_size<ScharrVertMask>);
RVL_BIND(rvliFilterScharrVertMaskBorder_8u16s_C1R, (derivative_border<ScharrVertMask, Rvl8u, Rvl16s>));
RVL_BIND(rvliFilterScharrVertMaskBorder_32f_C1R, (derivative_border<ScharrVertMask, Rvl32f, Rvl32f>));
RVL_BIND(rvliFilterScharrHorizMaskBorderGetBufferSize, derivative_buffer_size<ScharrHorizMask>);
RVL_BIND(rvliFilterScharrHorizMaskBorder_8u16s_C1R, (derivative_border<ScharrHorizMask, Rvl8u, Rvl16s>));
RVL_BIND(rvliFilterScharrHorizMaskBorder_32f_C1R, (derivative_border<ScharrHorizMask, Rvl32f, Rvl32f>));
RVL_BIND(rvliFilterPrewittVertBorderGetBufferSize, derivative_buffer_size<PrewittVert>);
RVL_BIND(rvliFilterPrewittVertBorder_8u16s_C1R, (derivative_border<PrewittVert, Rvl8u, Rvl16s>));
RVL_BIND(rvliFilterPrewittVertBorder_32f_C1R, (derivative_border<PrewittVert, Rvl32f, Rvl32f>));
RVL_BIND(rvliFilterPrewittHorizBorderGetBufferSize, derivative_buffer_size<PrewittHoriz>);
RVL_BIND(rvliFilterPrewittHorizBorder_8u16s_C1R, (derivative_border<PrewittHoriz, Rvl8u, Rvl16s>));
RVL_BIND(rvliFilterPrewittHorizBorder_32f_C1R, (derivative_border<PrewittHoriz, Rvl32f, Rvl32f>));
RVL_BIND(rvliFilterRobertsUpBorderGetBufferSize, derivative_buffer_size<RobertsUp>);
RVL_BIND(rvliFilterRobertsUpBorder_8u16s_C1R, (derivative_border<RobertsUp, Rvl8u, Rvl16s>));
RVL_BIND(rvliFilterRobertsUpBorder_32f_C1R, (derivative_border<RobertsUp, Rvl32f, Rvl32f>));
RVL_BIND(rvliFilterRobertsDownBorderGetBufferSize, derivative_buffer_size<RobertsDown>);
RVL_BIND(rvliFilterRobertsDownBorder_8u16s_C1R, (derivative_border<RobertsDown, Rvl8u, Rvl16s>));
RVL_BIND(rvliFilterRobertsDownBorder_32f_C1R, (derivative_border<RobertsDown, Rvl32f, Rvl32f>));
RVL_BIND(rvliFilterSobelVertBorder_16s_C1R, (derivative_border<SobelVert, Rvl16s, Rvl16s>));
RVL_BIND(rvliFilterSobelHorizBorder_16s_C1R, (derivative_border<SobelHoriz, Rvl16s, Rvl16s>));
RVL_BIND(rvliFilterScharrVertMaskBorder_16s_C1R, (derivative_border<ScharrVertMask, Rvl16s, Rvl16s>));
RVL_BIND(rvliFilterScharrHorizMaskBorder_16s_C1R, (derivative_border<ScharrHorizMask, Rvl16s, Rvl16s>));
RVL_BIND(rvliFilterPrewittVertBorder_16s_C1R, (derivative_border<PrewittVert, Rvl16s, Rvl16s>));
RVL_BIND(rvliFilterPrewittHorizBorder_16s_C1R, (derivative_border<PrewittHoriz, Rvl16s, Rvl16s>));
RVL_BIND(rvliFilterRobertsUpBorder_16s_C1R, (derivative_border<RobertsUp, Rvl16s, Rvl16s>));
RVL_BIND(rvliFilterRobertsDownBorder_16s_C1R, (derivative_border<RobertsDown, Rvl16s, Rvl16s>));

RVL_BIND(rvliFilterLaplaceBorderGetBufferSize, laplace_buffer_size);
RVL_BIND(rvliFilterSharpenBorderGetBufferSize, sharpen_buffer_size);
RVL_BIND(rvliFilterHipassBorderGetBufferSize, hipass_buffer_size);
RVL_BIND(rvliFilterLaplaceBorder_8u_C1R, (image_filter_border<Laplace, Rvl8u, rvlChannels1>));
RVL_BIND(rvliFilterLaplaceBorder_8u_C3R, (image_filter_border<Laplace, Rvl8u, rvlChannels3>));
RVL_BIND(rvliFilterLaplaceBorder_8u_C4R, (image_filter_border<Laplace, Rvl8u, rvlChannels4>));
RVL_BIND(rvliFilterLaplaceBorder_8u_AC4R, (image_filter_border<Laplace, Rvl8u, rvlChannelsAC4>));
RVL_BIND(rvliFilterLaplaceBorder_16s_C1R, (image_filter_border<Laplace, Rvl16s, rvlChannels1>));
RVL_BIND(rvliFilterLaplaceBorder_16s_C3R, (image_filter_border<Laplace, Rvl16s, rvlChannels3>));
RVL_BIND(rvliFilterLaplaceBorder_16s_C4R, (image_filter_border<Laplace, Rvl16s, rvlChannels4>));
RVL_BIND(rvliFilterLaplaceBorder_16s_AC4R, (image_filter_border<Laplace, Rvl16s, rvlChannelsAC4>));
RVL_BIND(rvliFilterLaplaceBorder_32f_C1R, (image_filter_border<Laplace, Rvl32f, rvlChannels1>));
RVL_BIND(rvliFilterLaplaceBorder_32f_C3R, (image_filter_border<Laplace, Rvl32f, rvlChannels3>));
RVL_BIND(rvliFilterLaplaceBorder_32f_C4R, (image_filter_border<Laplace, Rvl32f, rvlChannels4>));
RVL_BIND(rvliFilterLaplaceBorder_32f_AC4R, (image_filter_border<Laplace, Rvl32f, rvlChannelsAC4>));
RVL_BIND(rvliFilterHipassBorder_8u_C1R, (image_filter_border<Hipass, Rvl8u, rvlChannels1>));
RVL_BIND(rvliFilterHipassBorder_8u_C3R, (image_filter_border<Hipass, Rvl8u, rvlChannels3>));
RVL_BIND(rvliFilterHipassBorder_8u_C4R, (image_filter_border<Hipass, Rvl8u, rvlChannels4>));
RVL_BIND(rvliFilterHipassBorder_8u_AC4R, (image_filter_border<Hipass, Rvl8u, rvlChannelsAC4>));
RVL_BIND(rvliFilterHipassBorder_16s_C1R, (image_filter_border<Hipass, Rvl16s, rvlChannels1>));
RVL_BIND(rvliFilterHipassBorder_16s_C3R, (image_filter_border<Hipass, Rvl16s, rvlChannels3>));
RVL_BIND(rvliFilterHipassBorder_16s_C4R, (image_filter_border<Hipass, Rvl16s, rvlChannels4>));
RVL_BIND(rvliFilterHipassBorder_16s_AC4R, (image_filter_border<Hipass, Rvl16s, rvlChannelsAC4>));
RVL_BIND(rvliFilterHipassBorder_32f_C1R, (image_filter_border<Hipass, Rvl32f, rvlChannels1>));
RVL_BIND(rvliFilterHipassBorder_32f_C3R, (image_filter_border<Hipass, Rvl32f, rvlChannels3>));
RVL_BIND(rvliFilterHipassBorder_32f_C4R, (image_filter_border<Hipass, Rvl32f, rvlChannels4>));
RVL_BIND(rvliFilterHipassBorder_32f_AC4R, (image_filter_border<Hipass, Rvl32f, rvlChannelsAC4>));
RVL_BIND(rvliFilterSharpenBorder_8u_C1R, (image_filter_border<Sharpen, Rvl8u, rvlChannels1>));
RVL_BIND(rvliFilterSharpenBorder_8u_C3R, (image_filter_border<Sharpen, Rvl8u, rvlChannels3>));
RVL_BIND(rvliFilterSharpenBorder_8u_C4R, (image_filter_border<Sharpen, Rvl8u, rvlChannels4>));
RVL_BIND(rvliFilterSharpenBorder_8u_AC4R, (image_filter_border<Sharpen, Rvl8u, rvlChannelsAC4>));
RVL_BIND(rvliFilterSharpenBorder_16s_C1R, (image_filter_border<Sharpen, Rvl16s, rvlChannels1>));
RVL_BIND(rvliFilterSharpenBorder_16s_C3R, (image_filter_border<Sharpen, Rvl16s, rvlChannels3>));
RVL_BIND(rvliFilterSharpenBorder_16s_C4R, (image_filter_border<Sharpen, Rvl16s, rvlChannels4>));
RVL_BIND(rvliFilterSharpenBorder_16s_AC4R, (image_filter_border<Sharpen, Rvl16s, rvlChannelsAC4>));
RVL_BIND(rvliFilterSharpenBorder_32f_C1R, (image_filter_border<Sharpen, Rvl32f, rvlChannels1>));
RVL_BIND(rvliFilterSharpenBorder_32f_C3R, (image_filter_border<Sharpen, Rvl32f, rvlChannels3>));
RVL_BIND(rvliFilterSharpenBorder_32f_C4R, (image_filter_border<Sharpen, Rvl32f, rvlChannels4>));
RVL_BIND(rvliFilterSharpenBorder_32f_AC4R, (image_filter_border<Sharpen, Rvl32f, rvlChannelsAC4>));
}  // namespace rvl
