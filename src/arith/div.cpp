// Division: rvliDiv_*, rvliDivC_*, rvliDiv_Round_*.
//
// Integer quotients b * 2^-f / a are formed in double precision, where they
// are correctly rounded, and then rounded to an integer (nearest even, or by
// rndMode for Div_Round) and saturated: exactly the rounded quotient for
// every operand pair. A zero divisor element gives the type's maximum,
// minimum or 0 by the dividend's sign (32f: an infinity with the dividend's
// sign, or the NaN 0x7FBFFFFF) and the warning rvlResWarnDivByZero; the walk
// goes on. DivC with a zero in any channel is rvlResDivByZeroConst and
// writes nothing; rvliDivC_32f multiplies by the single-precision 1/value.
//
// Checks: null pointers, size, then steps for 8u, 16s and 32f (16u does not
// check steps), then rndMode (Div_Round) or the zero constant (DivC). C3/C4
// two-image forms and in-place forms forward, checking the width first.
#include "arith/arith_common.hpp"
#include "frame/entry.hpp"
#include "frame/forward.hpp"
#include "kernels/rounding.hpp"

namespace rvl {
namespace {

template <class T>
constexpr bool checks_steps = !std::is_same_v<T, Rvl16u>;

template <class T, class Sz, class... S>
RvlResult common_checks(Sz roiSize, std::initializer_list<const void*> pointers, S... steps) {
    for (const void* p : pointers)
        if (p == nullptr) return rvlResNullPointer;
    if (RvlResult st = roi_check(roiSize)) return st;
    if constexpr (checks_steps<T>)
        if (RvlResult st = step_check(steps...)) return st;
    return rvlResOk;
}

template <class T, RvlChannels L, class Sz, class Step>
RvlResult divide(const T* pSrc1, Step src1Step, const T* pSrc2, Step src2Step, T* pDst, Step dstStep, Sz roiSize,
                 int scaleFactor) {
    if constexpr (is_large<Sz>)
        if (fits_twin(roiSize, pixel_bytes<T, L>, src1Step, src2Step, dstStep))
            return divide<T, L, RvlSize, int>(pSrc1, int(src1Step), pSrc2, int(src2Step), pDst, int(dstStep),
                                              narrow(roiSize), scaleFactor);
    if constexpr (L == rvlChannels3 || L == rvlChannels4)
        if (RvlResult st = forward_width_check(roiSize)) return st;
    if (RvlResult st = common_checks<T>(roiSize, {pSrc1, pSrc2, pDst}, src1Step, src2Step, dstStep)) return st;
    if constexpr (std::is_same_v<T, Rvl32f>)
        return binary_image<L>(FloatDivOp{}, pSrc1, src1Step, pSrc2, src2Step, pDst, dstStep, roiSize);
    else
        return with_div_op<T, Round::NearestEven>(scaleFactor, [&](const auto& op) {
            return binary_image<L>(op, pSrc1, src1Step, pSrc2, src2Step, pDst, dstStep, roiSize);
        });
}

template <RvlChannels L, class Sz, class Step>
RvlResult divide_32f(const Rvl32f* pSrc1, Step src1Step, const Rvl32f* pSrc2, Step src2Step, Rvl32f* pDst, Step dstStep,
                     Sz roiSize) {
    return divide<Rvl32f, L, Sz, Step>(pSrc1, src1Step, pSrc2, src2Step, pDst, dstStep, roiSize, 0);
}

template <class T, RvlChannels L>
RvlResult divide_round(const T* pSrc1, int src1Step, const T* pSrc2, int src2Step, T* pDst, int dstStep, RvlSize roiSize,
                       RvlRoundMode rndMode, int scaleFactor) {
    if constexpr (L == rvlChannels3 || L == rvlChannels4)
        if (RvlResult st = forward_width_check(roiSize)) return st;
    if (RvlResult st = common_checks<T>(roiSize, {pSrc1, pSrc2, pDst}, src1Step, src2Step, dstStep)) return st;
    if (rndMode != rvlRoundTowardZero && rndMode != rvlRoundNearestEven && rndMode != rvlRoundHalfAway)
        return rvlResBadRoundMode;
    return with_div_op<T>(scaleFactor, round_of(rndMode), [&](const auto& op) {
        return binary_image<L>(op, pSrc1, src1Step, pSrc2, src2Step, pDst, dstStep, roiSize);
    });
}

template <class T, RvlChannels L, class Sz, class Step>
RvlResult divide_c(const T* pSrc, Step srcStep, Param<T, L> value, T* pDst, Step dstStep, Sz roiSize, int scaleFactor) {
    if constexpr (is_large<Sz>)
        if (fits_twin(roiSize, pixel_bytes<T, L>, srcStep, dstStep))
            return divide_c<T, L, RvlSize, int>(pSrc, int(srcStep), value, pDst, int(dstStep), narrow(roiSize),
                                                scaleFactor);
    const void* valuePointer = entries(value);  // for C1, the address of the scalar
    if (RvlResult st = common_checks<T>(roiSize, {pSrc, pDst, valuePointer}, srcStep, dstStep)) return st;
    constexpr int channels = L == rvlChannelsAC4 ? 3 : static_cast<int>(L);
    const T* v = entries(value);
    for (int c = 0; c < channels; ++c)
        if (v[c] == T(0)) return rvlResDivByZeroConst;
    if constexpr (std::is_same_v<T, Rvl32f>) {
        Rvl32f reciprocal[4];
        for (int c = 0; c < channels; ++c) reciprocal[c] = 1.0f / v[c];
        return constant_image<L>(FloatArithOp<Ar::Mul>{}, reciprocal, pSrc, srcStep, pDst, dstStep, roiSize);
    } else {
        return with_div_op<T, Round::NearestEven>(scaleFactor, [&](const auto& op) {
            return constant_image<L>(op, v, pSrc, srcStep, pDst, dstStep, roiSize);
        });
    }
}

template <RvlChannels L, class Sz, class Step>
RvlResult divide_c_32f(const Rvl32f* pSrc, Step srcStep, Param<Rvl32f, L> value, Rvl32f* pDst, Step dstStep, Sz roiSize) {
    return divide_c<Rvl32f, L, Sz, Step>(pSrc, srcStep, value, pDst, dstStep, roiSize, 0);
}

}  // namespace

RVL_BIND(rvliDiv_8u_C1RSfs, divide<Rvl8u, rvlChannels1, RvlSize, int>);
RVL_BIND(rvliDiv_8u_C1IRSfs, InPlace2<divide<Rvl8u, rvlChannels1, RvlSize, int>>::call);
RVL_BIND(rvliDivC_8u_C1RSfs, divide_c<Rvl8u, rvlChannels1, RvlSize, int>);
RVL_BIND(rvliDivC_8u_C1IRSfs, InPlaceC<divide_c<Rvl8u, rvlChannels1, RvlSize, int>>::call);
RVL_BIND(rvliDiv_8u_C1RSfs_L, divide<Rvl8u, rvlChannels1, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDiv_8u_C1IRSfs_L, InPlace2<divide<Rvl8u, rvlChannels1, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDivC_8u_C1RSfs_L, divide_c<Rvl8u, rvlChannels1, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDivC_8u_C1IRSfs_L, InPlaceC<divide_c<Rvl8u, rvlChannels1, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDiv_8u_C3RSfs, divide<Rvl8u, rvlChannels3, RvlSize, int>);
RVL_BIND(rvliDiv_8u_C3IRSfs, InPlace2<divide<Rvl8u, rvlChannels3, RvlSize, int>>::call);
RVL_BIND(rvliDivC_8u_C3RSfs, divide_c<Rvl8u, rvlChannels3, RvlSize, int>);
RVL_BIND(rvliDivC_8u_C3IRSfs, InPlaceC<divide_c<Rvl8u, rvlChannels3, RvlSize, int>>::call);
RVL_BIND(rvliDiv_8u_C3RSfs_L, divide<Rvl8u, rvlChannels3, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDiv_8u_C3IRSfs_L, InPlace2<divide<Rvl8u, rvlChannels3, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDivC_8u_C3RSfs_L, divide_c<Rvl8u, rvlChannels3, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDivC_8u_C3IRSfs_L, InPlaceC<divide_c<Rvl8u, rvlChannels3, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDiv_8u_C4RSfs, divide<Rvl8u, rvlChannels4, RvlSize, int>);
RVL_BIND(rvliDiv_8u_C4IRSfs, InPlace2<divide<Rvl8u, rvlChannels4, RvlSize, int>>::call);
RVL_BIND(rvliDivC_8u_C4RSfs, divide_c<Rvl8u, rvlChannels4, RvlSize, int>);
RVL_BIND(rvliDivC_8u_C4IRSfs, InPlaceC<divide_c<Rvl8u, rvlChannels4, RvlSize, int>>::call);
RVL_BIND(rvliDiv_8u_C4RSfs_L, divide<Rvl8u, rvlChannels4, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDiv_8u_C4IRSfs_L, InPlace2<divide<Rvl8u, rvlChannels4, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDivC_8u_C4RSfs_L, divide_c<Rvl8u, rvlChannels4, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDivC_8u_C4IRSfs_L, InPlaceC<divide_c<Rvl8u, rvlChannels4, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDiv_8u_AC4RSfs, divide<Rvl8u, rvlChannelsAC4, RvlSize, int>);
RVL_BIND(rvliDiv_8u_AC4IRSfs, InPlace2<divide<Rvl8u, rvlChannelsAC4, RvlSize, int>>::call);
RVL_BIND(rvliDivC_8u_AC4RSfs, divide_c<Rvl8u, rvlChannelsAC4, RvlSize, int>);
RVL_BIND(rvliDivC_8u_AC4IRSfs, InPlaceC<divide_c<Rvl8u, rvlChannelsAC4, RvlSize, int>>::call);
RVL_BIND(rvliDiv_8u_AC4RSfs_L, divide<Rvl8u, rvlChannelsAC4, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDiv_8u_AC4IRSfs_L, InPlace2<divide<Rvl8u, rvlChannelsAC4, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDivC_8u_AC4RSfs_L, divide_c<Rvl8u, rvlChannelsAC4, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDivC_8u_AC4IRSfs_L, InPlaceC<divide_c<Rvl8u, rvlChannelsAC4, RvlSizeL, std::int64_t>>::call);

RVL_BIND(rvliDiv_16u_C1RSfs, divide<Rvl16u, rvlChannels1, RvlSize, int>);
RVL_BIND(rvliDiv_16u_C1IRSfs, InPlace2<divide<Rvl16u, rvlChannels1, RvlSize, int>>::call);
RVL_BIND(rvliDivC_16u_C1RSfs, divide_c<Rvl16u, rvlChannels1, RvlSize, int>);
RVL_BIND(rvliDivC_16u_C1IRSfs, InPlaceC<divide_c<Rvl16u, rvlChannels1, RvlSize, int>>::call);
RVL_BIND(rvliDiv_16u_C1RSfs_L, divide<Rvl16u, rvlChannels1, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDiv_16u_C1IRSfs_L, InPlace2<divide<Rvl16u, rvlChannels1, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDivC_16u_C1RSfs_L, divide_c<Rvl16u, rvlChannels1, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDivC_16u_C1IRSfs_L, InPlaceC<divide_c<Rvl16u, rvlChannels1, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDiv_16u_C3RSfs, divide<Rvl16u, rvlChannels3, RvlSize, int>);
RVL_BIND(rvliDiv_16u_C3IRSfs, InPlace2<divide<Rvl16u, rvlChannels3, RvlSize, int>>::call);
RVL_BIND(rvliDivC_16u_C3RSfs, divide_c<Rvl16u, rvlChannels3, RvlSize, int>);
RVL_BIND(rvliDivC_16u_C3IRSfs, InPlaceC<divide_c<Rvl16u, rvlChannels3, RvlSize, int>>::call);
RVL_BIND(rvliDiv_16u_C3RSfs_L, divide<Rvl16u, rvlChannels3, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDiv_16u_C3IRSfs_L, InPlace2<divide<Rvl16u, rvlChannels3, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDivC_16u_C3RSfs_L, divide_c<Rvl16u, rvlChannels3, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDivC_16u_C3IRSfs_L, InPlaceC<divide_c<Rvl16u, rvlChannels3, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDiv_16u_C4RSfs, divide<Rvl16u, rvlChannels4, RvlSize, int>);
RVL_BIND(rvliDiv_16u_C4IRSfs, InPlace2<divide<Rvl16u, rvlChannels4, RvlSize, int>>::call);
RVL_BIND(rvliDivC_16u_C4RSfs, divide_c<Rvl16u, rvlChannels4, RvlSize, int>);
RVL_BIND(rvliDivC_16u_C4IRSfs, InPlaceC<divide_c<Rvl16u, rvlChannels4, RvlSize, int>>::call);
RVL_BIND(rvliDiv_16u_C4RSfs_L, divide<Rvl16u, rvlChannels4, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDiv_16u_C4IRSfs_L, InPlace2<divide<Rvl16u, rvlChannels4, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDivC_16u_C4RSfs_L, divide_c<Rvl16u, rvlChannels4, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDivC_16u_C4IRSfs_L, InPlaceC<divide_c<Rvl16u, rvlChannels4, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDiv_16u_AC4RSfs, divide<Rvl16u, rvlChannelsAC4, RvlSize, int>);
RVL_BIND(rvliDiv_16u_AC4IRSfs, InPlace2<divide<Rvl16u, rvlChannelsAC4, RvlSize, int>>::call);
RVL_BIND(rvliDivC_16u_AC4RSfs, divide_c<Rvl16u, rvlChannelsAC4, RvlSize, int>);
RVL_BIND(rvliDivC_16u_AC4IRSfs, InPlaceC<divide_c<Rvl16u, rvlChannelsAC4, RvlSize, int>>::call);
RVL_BIND(rvliDiv_16u_AC4RSfs_L, divide<Rvl16u, rvlChannelsAC4, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDiv_16u_AC4IRSfs_L, InPlace2<divide<Rvl16u, rvlChannelsAC4, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDivC_16u_AC4RSfs_L, divide_c<Rvl16u, rvlChannelsAC4, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDivC_16u_AC4IRSfs_L, InPlaceC<divide_c<Rvl16u, rvlChannelsAC4, RvlSizeL, std::int64_t>>::call);

RVL_BIND(rvliDiv_16s_C1RSfs, divide<Rvl16s, rvlChannels1, RvlSize, int>);
RVL_BIND(rvliDiv_16s_C1IRSfs, InPlace2<divide<Rvl16s, rvlChannels1, RvlSize, int>>::call);
RVL_BIND(rvliDivC_16s_C1RSfs, divide_c<Rvl16s, rvlChannels1, RvlSize, int>);
RVL_BIND(rvliDivC_16s_C1IRSfs, InPlaceC<divide_c<Rvl16s, rvlChannels1, RvlSize, int>>::call);
RVL_BIND(rvliDiv_16s_C1RSfs_L, divide<Rvl16s, rvlChannels1, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDiv_16s_C1IRSfs_L, InPlace2<divide<Rvl16s, rvlChannels1, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDivC_16s_C1RSfs_L, divide_c<Rvl16s, rvlChannels1, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDivC_16s_C1IRSfs_L, InPlaceC<divide_c<Rvl16s, rvlChannels1, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDiv_16s_C3RSfs, divide<Rvl16s, rvlChannels3, RvlSize, int>);
RVL_BIND(rvliDiv_16s_C3IRSfs, InPlace2<divide<Rvl16s, rvlChannels3, RvlSize, int>>::call);
RVL_BIND(rvliDivC_16s_C3RSfs, divide_c<Rvl16s, rvlChannels3, RvlSize, int>);
RVL_BIND(rvliDivC_16s_C3IRSfs, InPlaceC<divide_c<Rvl16s, rvlChannels3, RvlSize, int>>::call);
RVL_BIND(rvliDiv_16s_C3RSfs_L, divide<Rvl16s, rvlChannels3, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDiv_16s_C3IRSfs_L, InPlace2<divide<Rvl16s, rvlChannels3, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDivC_16s_C3RSfs_L, divide_c<Rvl16s, rvlChannels3, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDivC_16s_C3IRSfs_L, InPlaceC<divide_c<Rvl16s, rvlChannels3, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDiv_16s_C4RSfs, divide<Rvl16s, rvlChannels4, RvlSize, int>);
RVL_BIND(rvliDiv_16s_C4IRSfs, InPlace2<divide<Rvl16s, rvlChannels4, RvlSize, int>>::call);
RVL_BIND(rvliDivC_16s_C4RSfs, divide_c<Rvl16s, rvlChannels4, RvlSize, int>);
RVL_BIND(rvliDivC_16s_C4IRSfs, InPlaceC<divide_c<Rvl16s, rvlChannels4, RvlSize, int>>::call);
RVL_BIND(rvliDiv_16s_C4RSfs_L, divide<Rvl16s, rvlChannels4, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDiv_16s_C4IRSfs_L, InPlace2<divide<Rvl16s, rvlChannels4, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDivC_16s_C4RSfs_L, divide_c<Rvl16s, rvlChannels4, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDivC_16s_C4IRSfs_L, InPlaceC<divide_c<Rvl16s, rvlChannels4, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDiv_16s_AC4RSfs, divide<Rvl16s, rvlChannelsAC4, RvlSize, int>);
RVL_BIND(rvliDiv_16s_AC4IRSfs, InPlace2<divide<Rvl16s, rvlChannelsAC4, RvlSize, int>>::call);
RVL_BIND(rvliDivC_16s_AC4RSfs, divide_c<Rvl16s, rvlChannelsAC4, RvlSize, int>);
RVL_BIND(rvliDivC_16s_AC4IRSfs, InPlaceC<divide_c<Rvl16s, rvlChannelsAC4, RvlSize, int>>::call);
RVL_BIND(rvliDiv_16s_AC4RSfs_L, divide<Rvl16s, rvlChannelsAC4, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDiv_16s_AC4IRSfs_L, InPlace2<divide<Rvl16s, rvlChannelsAC4, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDivC_16s_AC4RSfs_L, divide_c<Rvl16s, rvlChannelsAC4, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDivC_16s_AC4IRSfs_L, InPlaceC<divide_c<Rvl16s, rvlChannelsAC4, RvlSizeL, std::int64_t>>::call);

RVL_BIND(rvliDiv_32f_C1R, divide_32f<rvlChannels1, RvlSize, int>);
RVL_BIND(rvliDiv_32f_C1IR, InPlace2<divide_32f<rvlChannels1, RvlSize, int>>::call);
RVL_BIND(rvliDivC_32f_C1R, divide_c_32f<rvlChannels1, RvlSize, int>);
RVL_BIND(rvliDivC_32f_C1IR, InPlaceC<divide_c_32f<rvlChannels1, RvlSize, int>>::call);
RVL_BIND(rvliDiv_32f_C1R_L, divide_32f<rvlChannels1, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDiv_32f_C1IR_L, InPlace2<divide_32f<rvlChannels1, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDivC_32f_C1R_L, divide_c_32f<rvlChannels1, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDivC_32f_C1IR_L, InPlaceC<divide_c_32f<rvlChannels1, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDiv_32f_C3R, divide_32f<rvlChannels3, RvlSize, int>);
RVL_BIND(rvliDiv_32f_C3IR, InPlace2<divide_32f<rvlChannels3, RvlSize, int>>::call);
RVL_BIND(rvliDivC_32f_C3R, divide_c_32f<rvlChannels3, RvlSize, int>);
RVL_BIND(rvliDivC_32f_C3IR, InPlaceC<divide_c_32f<rvlChannels3, RvlSize, int>>::call);
RVL_BIND(rvliDiv_32f_C3R_L, divide_32f<rvlChannels3, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDiv_32f_C3IR_L, InPlace2<divide_32f<rvlChannels3, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDivC_32f_C3R_L, divide_c_32f<rvlChannels3, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDivC_32f_C3IR_L, InPlaceC<divide_c_32f<rvlChannels3, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDiv_32f_C4R, divide_32f<rvlChannels4, RvlSize, int>);
RVL_BIND(rvliDiv_32f_C4IR, InPlace2<divide_32f<rvlChannels4, RvlSize, int>>::call);
RVL_BIND(rvliDivC_32f_C4R, divide_c_32f<rvlChannels4, RvlSize, int>);
RVL_BIND(rvliDivC_32f_C4IR, InPlaceC<divide_c_32f<rvlChannels4, RvlSize, int>>::call);
RVL_BIND(rvliDiv_32f_C4R_L, divide_32f<rvlChannels4, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDiv_32f_C4IR_L, InPlace2<divide_32f<rvlChannels4, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDivC_32f_C4R_L, divide_c_32f<rvlChannels4, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDivC_32f_C4IR_L, InPlaceC<divide_c_32f<rvlChannels4, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDiv_32f_AC4R, divide_32f<rvlChannelsAC4, RvlSize, int>);
RVL_BIND(rvliDiv_32f_AC4IR, InPlace2<divide_32f<rvlChannelsAC4, RvlSize, int>>::call);
RVL_BIND(rvliDivC_32f_AC4R, divide_c_32f<rvlChannelsAC4, RvlSize, int>);
RVL_BIND(rvliDivC_32f_AC4IR, InPlaceC<divide_c_32f<rvlChannelsAC4, RvlSize, int>>::call);
RVL_BIND(rvliDiv_32f_AC4R_L, divide_32f<rvlChannelsAC4, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDiv_32f_AC4IR_L, InPlace2<divide_32f<rvlChannelsAC4, RvlSizeL, std::int64_t>>::call);
RVL_BIND(rvliDivC_32f_AC4R_L, divide_c_32f<rvlChannelsAC4, RvlSizeL, std::int64_t>);
RVL_BIND(rvliDivC_32f_AC4IR_L, InPlaceC<divide_c_32f<rvlChannelsAC4, RvlSizeL, std::int64_t>>::call);

RVL_BIND(rvliDiv_Round_8u_C1RSfs, divide_round<Rvl8u, rvlChannels1>);
RVL_BIND(rvliDiv_Round_8u_C1IRSfs, InPlace2<divide_round<Rvl8u, rvlChannels1>>::call);
RVL_BIND(rvliDiv_Round_8u_C3RSfs, divide_round<Rvl8u, rvlChannels3>);
RVL_BIND(rvliDiv_Round_8u_C3IRSfs, InPlace2<divide_round<Rvl8u, rvlChannels3>>::call);
RVL_BIND(rvliDiv_Round_8u_C4RSfs, divide_round<Rvl8u, rvlChannels4>);
RVL_BIND(rvliDiv_Round_8u_C4IRSfs, InPlace2<divide_round<Rvl8u, rvlChannels4>>::call);
RVL_BIND(rvliDiv_Round_8u_AC4RSfs, divide_round<Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliDiv_Round_8u_AC4IRSfs, InPlace2<divide_round<Rvl8u, rvlChannelsAC4>>::call);
RVL_BIND(rvliDiv_Round_16u_C1RSfs, divide_round<Rvl16u, rvlChannels1>);
RVL_BIND(rvliDiv_Round_16u_C1IRSfs, InPlace2<divide_round<Rvl16u, rvlChannels1>>::call);
RVL_BIND(rvliDiv_Round_16u_C3RSfs, divide_round<Rvl16u, rvlChannels3>);
RVL_BIND(rvliDiv_Round_16u_C3IRSfs, InPlace2<divide_round<Rvl16u, rvlChannels3>>::call);
RVL_BIND(rvliDiv_Round_16u_C4RSfs, divide_round<Rvl16u, rvlChannels4>);
RVL_BIND(rvliDiv_Round_16u_C4IRSfs, InPlace2<divide_round<Rvl16u, rvlChannels4>>::call);
RVL_BIND(rvliDiv_Round_16u_AC4RSfs, divide_round<Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliDiv_Round_16u_AC4IRSfs, InPlace2<divide_round<Rvl16u, rvlChannelsAC4>>::call);
RVL_BIND(rvliDiv_Round_16s_C1RSfs, divide_round<Rvl16s, rvlChannels1>);
RVL_BIND(rvliDiv_Round_16s_C1IRSfs, InPlace2<divide_round<Rvl16s, rvlChannels1>>::call);
RVL_BIND(rvliDiv_Round_16s_C3RSfs, divide_round<Rvl16s, rvlChannels3>);
RVL_BIND(rvliDiv_Round_16s_C3IRSfs, InPlace2<divide_round<Rvl16s, rvlChannels3>>::call);
RVL_BIND(rvliDiv_Round_16s_C4RSfs, divide_round<Rvl16s, rvlChannels4>);
RVL_BIND(rvliDiv_Round_16s_C4IRSfs, InPlace2<divide_round<Rvl16s, rvlChannels4>>::call);
RVL_BIND(rvliDiv_Round_16s_AC4RSfs, divide_round<Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliDiv_Round_16s_AC4IRSfs, InPlace2<divide_round<Rvl16s, rvlChannelsAC4>>::call);

}  // namespace rvl
