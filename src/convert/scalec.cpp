// dst = src * mVal + aVal: rvliScaleC_<S><D>_C1R and rvliScaleC_<T>_C1IR.
//
// With mVal within 2.2e-16 of 1 and aVal within 2.2e-16 of 0 the call is a
// plain conversion of the pair (nearest-even rounding, saturation) or, for
// the same type, a copy; this is decided before any check, and the checks
// are then those of the conversion: null pointers, the size, and the steps
// for a 32f source. Otherwise: null pointers, the size, the steps. Every path
// runs with the rounding control set to nearest and restores the caller's.
#include <cmath>
#include <cstring>

#include "frame/bulk.hpp"
#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "kernels/block_row.hpp"
#include "kernels/copy.hpp"
#include "kernels/rounding.hpp"
#include "kernels/scale.hpp"

namespace rvl {
namespace {

constexpr double kIdentityEpsilon = 2.220446049250313e-16;

// The value converted to D as the plain conversions do it.
template <class S, class D>
struct ExactConvert {
    D operator()(S x) const {
        if constexpr (std::is_floating_point_v<D>)
            return static_cast<D>(x);
        else
            return saturate_integral<D>(round_integral(static_cast<double>(x), Round::NearestEven));
    }
};

template <class S, class D>
RvlResult identity(const S* pSrc, int srcStep, D* pDst, int dstStep, RvlSize roiSize) {
    if constexpr (std::is_same_v<S, Rvl32f>) {
        if (RvlResult st = first_failure({null_check(pSrc, pDst), roi_check(roiSize), step_check(srcStep, dstStep)}))
            return st;
    } else {
        if (RvlResult st = first_failure({null_check(pSrc, pDst), roi_check(roiSize)})) return st;
    }
    if constexpr (std::is_same_v<S, D>)
        return map_image<rvlChannels1>(pSrc, srcStep, pDst, dstStep, roiSize.width, roiSize.height,
                                       CopyKernel<Store::Cached>{});
    else
        return map_image<rvlChannels1>(pSrc, srcStep, pDst, dstStep, roiSize.width, roiSize.height,
                                       ElementKernel<ExactConvert<S, D>>{});
}

template <class T>
constexpr bool in_fast_lanes = !std::is_same_v<T, Rvl64f>;

template <class S, class D>
RvlResult scale_c(const S* pSrc, int srcStep, Rvl64f mVal, Rvl64f aVal, D* pDst, int dstStep, RvlSize roiSize,
                  RvlHintAlgorithm hint) {
    RoundingScope nearest(Rc::Nearest);
    if (std::fabs(mVal - 1.0) < kIdentityEpsilon && std::fabs(aVal) < kIdentityEpsilon)
        return identity(pSrc, srcStep, pDst, dstStep, roiSize);
    if (RvlResult st = first_failure({null_check(pSrc, pDst), roi_check(roiSize), step_check(srcStep, dstStep)}))
        return st;
    const std::int64_t w = roiSize.width, h = roiSize.height;
    if (hint == rvlHintAccurate)
        return map_image<rvlChannels1>(pSrc, srcStep, pDst, dstStep, w, h,
                                       ElementKernel<LinearAccurate<S, D>>{{mVal, aVal}});
    const float m = static_cast<float>(mVal), a = static_cast<float>(aVal);
    if constexpr (in_fast_lanes<S> && in_fast_lanes<D>)
        return block_image<rvlChannels1>(pSrc, srcStep, pDst, dstStep, roiSize, LinearFastOp<S, D>{m, a});
    else
        return map_image<rvlChannels1>(pSrc, srcStep, pDst, dstStep, w, h, ElementKernel<LinearFast<S, D>>{{m, a}});
}

template <class T>
RvlResult scale_c_in_place(Rvl64f mVal, Rvl64f aVal, T* pSrcDst, int srcDstStep, RvlSize roiSize,
                           RvlHintAlgorithm hint) {
    return scale_c<T, T>(pSrcDst, srcDstStep, mVal, aVal, pSrcDst, srcDstStep, roiSize, hint);
}

}  // namespace

RVL_BIND(rvliScaleC_8u_C1R, scale_c<Rvl8u, Rvl8u>);
RVL_BIND(rvliScaleC_8u8s_C1R, scale_c<Rvl8u, Rvl8s>);
RVL_BIND(rvliScaleC_8u16u_C1R, scale_c<Rvl8u, Rvl16u>);
RVL_BIND(rvliScaleC_8u16s_C1R, scale_c<Rvl8u, Rvl16s>);
RVL_BIND(rvliScaleC_8u32s_C1R, scale_c<Rvl8u, Rvl32s>);
RVL_BIND(rvliScaleC_8u32f_C1R, scale_c<Rvl8u, Rvl32f>);
RVL_BIND(rvliScaleC_8u64f_C1R, scale_c<Rvl8u, Rvl64f>);
RVL_BIND(rvliScaleC_8u_C1IR, scale_c_in_place<Rvl8u>);

RVL_BIND(rvliScaleC_8s8u_C1R, scale_c<Rvl8s, Rvl8u>);
RVL_BIND(rvliScaleC_8s_C1R, scale_c<Rvl8s, Rvl8s>);
RVL_BIND(rvliScaleC_8s16u_C1R, scale_c<Rvl8s, Rvl16u>);
RVL_BIND(rvliScaleC_8s16s_C1R, scale_c<Rvl8s, Rvl16s>);
RVL_BIND(rvliScaleC_8s32s_C1R, scale_c<Rvl8s, Rvl32s>);
RVL_BIND(rvliScaleC_8s32f_C1R, scale_c<Rvl8s, Rvl32f>);
RVL_BIND(rvliScaleC_8s64f_C1R, scale_c<Rvl8s, Rvl64f>);
RVL_BIND(rvliScaleC_8s_C1IR, scale_c_in_place<Rvl8s>);

RVL_BIND(rvliScaleC_16u8u_C1R, scale_c<Rvl16u, Rvl8u>);
RVL_BIND(rvliScaleC_16u8s_C1R, scale_c<Rvl16u, Rvl8s>);
RVL_BIND(rvliScaleC_16u_C1R, scale_c<Rvl16u, Rvl16u>);
RVL_BIND(rvliScaleC_16u16s_C1R, scale_c<Rvl16u, Rvl16s>);
RVL_BIND(rvliScaleC_16u32s_C1R, scale_c<Rvl16u, Rvl32s>);
RVL_BIND(rvliScaleC_16u32f_C1R, scale_c<Rvl16u, Rvl32f>);
RVL_BIND(rvliScaleC_16u64f_C1R, scale_c<Rvl16u, Rvl64f>);
RVL_BIND(rvliScaleC_16u_C1IR, scale_c_in_place<Rvl16u>);

RVL_BIND(rvliScaleC_16s8u_C1R, scale_c<Rvl16s, Rvl8u>);
RVL_BIND(rvliScaleC_16s8s_C1R, scale_c<Rvl16s, Rvl8s>);
RVL_BIND(rvliScaleC_16s16u_C1R, scale_c<Rvl16s, Rvl16u>);
RVL_BIND(rvliScaleC_16s_C1R, scale_c<Rvl16s, Rvl16s>);
RVL_BIND(rvliScaleC_16s32s_C1R, scale_c<Rvl16s, Rvl32s>);
RVL_BIND(rvliScaleC_16s32f_C1R, scale_c<Rvl16s, Rvl32f>);
RVL_BIND(rvliScaleC_16s64f_C1R, scale_c<Rvl16s, Rvl64f>);
RVL_BIND(rvliScaleC_16s_C1IR, scale_c_in_place<Rvl16s>);

RVL_BIND(rvliScaleC_32s8u_C1R, scale_c<Rvl32s, Rvl8u>);
RVL_BIND(rvliScaleC_32s8s_C1R, scale_c<Rvl32s, Rvl8s>);
RVL_BIND(rvliScaleC_32s16u_C1R, scale_c<Rvl32s, Rvl16u>);
RVL_BIND(rvliScaleC_32s16s_C1R, scale_c<Rvl32s, Rvl16s>);
RVL_BIND(rvliScaleC_32s_C1R, scale_c<Rvl32s, Rvl32s>);
RVL_BIND(rvliScaleC_32s32f_C1R, scale_c<Rvl32s, Rvl32f>);
RVL_BIND(rvliScaleC_32s64f_C1R, scale_c<Rvl32s, Rvl64f>);
RVL_BIND(rvliScaleC_32s_C1IR, scale_c_in_place<Rvl32s>);

RVL_BIND(rvliScaleC_32f8u_C1R, scale_c<Rvl32f, Rvl8u>);
RVL_BIND(rvliScaleC_32f8s_C1R, scale_c<Rvl32f, Rvl8s>);
RVL_BIND(rvliScaleC_32f16u_C1R, scale_c<Rvl32f, Rvl16u>);
RVL_BIND(rvliScaleC_32f16s_C1R, scale_c<Rvl32f, Rvl16s>);
RVL_BIND(rvliScaleC_32f32s_C1R, scale_c<Rvl32f, Rvl32s>);
RVL_BIND(rvliScaleC_32f_C1R, scale_c<Rvl32f, Rvl32f>);
RVL_BIND(rvliScaleC_32f64f_C1R, scale_c<Rvl32f, Rvl64f>);
RVL_BIND(rvliScaleC_32f_C1IR, scale_c_in_place<Rvl32f>);

RVL_BIND(rvliScaleC_64f8u_C1R, scale_c<Rvl64f, Rvl8u>);
RVL_BIND(rvliScaleC_64f8s_C1R, scale_c<Rvl64f, Rvl8s>);
RVL_BIND(rvliScaleC_64f16u_C1R, scale_c<Rvl64f, Rvl16u>);
RVL_BIND(rvliScaleC_64f16s_C1R, scale_c<Rvl64f, Rvl16s>);
RVL_BIND(rvliScaleC_64f32s_C1R, scale_c<Rvl64f, Rvl32s>);
RVL_BIND(rvliScaleC_64f32f_C1R, scale_c<Rvl64f, Rvl32f>);
RVL_BIND(rvliScaleC_64f_C1R, scale_c<Rvl64f, Rvl64f>);
RVL_BIND(rvliScaleC_64f_C1IR, scale_c_in_place<Rvl64f>);
}  // namespace rvl
