// Exponentials and natural logarithms: rvliExp_<T>_<C1|C3>[I]R[Sfs],
// rvliLn_<T>_<C1|C3>[I]R[Sfs].
//
// Checks: null pointers, ROI size, steps; in-place forms check as their
// twins.
//
// Logarithms: a row with a zero element reports rvlResWarnLogOfZero, else a
// row with a negative one rvlResWarnLogOfNegative (16s: the first element
// <= 0 of the row decides). ln 0 is -Inf for 32f, 0 for 8u and 16u and
// -32768 for 16s, which every 16s element <= 0 gives. Exponentials report
// nothing: 32f overflow is +Inf and underflow 0 without a status.
#include "arith/math_family.hpp"
#include "frame/entry.hpp"

namespace rvl {
namespace {

template <class T, RvlChannels L>
RvlResult exp_sfs(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roiSize, int scaleFactor) {
    if (RvlResult st = math_checks(pSrc, srcStep, pDst, dstStep, roiSize)) return st;
    return unary_image<L>(ExpWindowOp<T>(scaleFactor), pSrc, srcStep, pDst, dstStep, roiSize);
}

template <RvlChannels L>
RvlResult exp_32f(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize) {
    if (RvlResult st = math_checks(pSrc, srcStep, pDst, dstStep, roiSize)) return st;
    return unary_image<L>(FloatUnaryOp<ExpF32>{}, pSrc, srcStep, pDst, dstStep, roiSize);
}

template <class T, RvlChannels L>
RvlResult ln_sfs(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roiSize, int scaleFactor) {
    if (RvlResult st = math_checks(pSrc, srcStep, pDst, dstStep, roiSize)) return st;
    if constexpr (std::is_same_v<T, Rvl8u>) {
        // ln 0 = -Inf saturates to 0.
        const TableOp8u<true> op([](int x) { return x == 0 ? 0.0 : std::log(double(x)); }, scaleFactor);
        return unary_image<L>(op, pSrc, srcStep, pDst, dstStep, roiSize);
    } else if constexpr (std::is_same_v<T, Rvl16u>) {
        return unary_image<L>(LnOp16<T>(scaleFactor), pSrc, srcStep, pDst, dstStep, roiSize);
    } else {
        return unary_image<L>(LnOp16<T>(scaleFactor), pSrc, srcStep, pDst, dstStep, roiSize, Ln16sRowCheck<L>{});
    }
}

template <RvlChannels L>
RvlResult ln_32f(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roiSize) {
    if (RvlResult st = math_checks(pSrc, srcStep, pDst, dstStep, roiSize)) return st;
    return unary_image<L>(FloatUnaryOp<LnF32>{}, pSrc, srcStep, pDst, dstStep, roiSize);
}

}  // namespace

RVL_BIND(rvliExp_8u_C1RSfs, exp_sfs<Rvl8u, rvlChannels1>);
RVL_BIND(rvliExp_8u_C1IRSfs, InPlace<exp_sfs<Rvl8u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliExp_8u_C3RSfs, exp_sfs<Rvl8u, rvlChannels3>);
RVL_BIND(rvliExp_8u_C3IRSfs, InPlace<exp_sfs<Rvl8u, rvlChannels3>, Checks::Twin>::call);

RVL_BIND(rvliExp_16u_C1RSfs, exp_sfs<Rvl16u, rvlChannels1>);
RVL_BIND(rvliExp_16u_C1IRSfs, InPlace<exp_sfs<Rvl16u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliExp_16u_C3RSfs, exp_sfs<Rvl16u, rvlChannels3>);
RVL_BIND(rvliExp_16u_C3IRSfs, InPlace<exp_sfs<Rvl16u, rvlChannels3>, Checks::Twin>::call);

RVL_BIND(rvliExp_16s_C1RSfs, exp_sfs<Rvl16s, rvlChannels1>);
RVL_BIND(rvliExp_16s_C1IRSfs, InPlace<exp_sfs<Rvl16s, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliExp_16s_C3RSfs, exp_sfs<Rvl16s, rvlChannels3>);
RVL_BIND(rvliExp_16s_C3IRSfs, InPlace<exp_sfs<Rvl16s, rvlChannels3>, Checks::Twin>::call);

RVL_BIND(rvliExp_32f_C1R, exp_32f<rvlChannels1>);
RVL_BIND(rvliExp_32f_C1IR, InPlace<exp_32f<rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliExp_32f_C3R, exp_32f<rvlChannels3>);
RVL_BIND(rvliExp_32f_C3IR, InPlace<exp_32f<rvlChannels3>, Checks::Twin>::call);

RVL_BIND(rvliLn_8u_C1RSfs, ln_sfs<Rvl8u, rvlChannels1>);
RVL_BIND(rvliLn_8u_C1IRSfs, InPlace<ln_sfs<Rvl8u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliLn_8u_C3RSfs, ln_sfs<Rvl8u, rvlChannels3>);
RVL_BIND(rvliLn_8u_C3IRSfs, InPlace<ln_sfs<Rvl8u, rvlChannels3>, Checks::Twin>::call);

RVL_BIND(rvliLn_16u_C1RSfs, ln_sfs<Rvl16u, rvlChannels1>);
RVL_BIND(rvliLn_16u_C1IRSfs, InPlace<ln_sfs<Rvl16u, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliLn_16u_C3RSfs, ln_sfs<Rvl16u, rvlChannels3>);
RVL_BIND(rvliLn_16u_C3IRSfs, InPlace<ln_sfs<Rvl16u, rvlChannels3>, Checks::Twin>::call);

RVL_BIND(rvliLn_16s_C1RSfs, ln_sfs<Rvl16s, rvlChannels1>);
RVL_BIND(rvliLn_16s_C1IRSfs, InPlace<ln_sfs<Rvl16s, rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliLn_16s_C3RSfs, ln_sfs<Rvl16s, rvlChannels3>);
RVL_BIND(rvliLn_16s_C3IRSfs, InPlace<ln_sfs<Rvl16s, rvlChannels3>, Checks::Twin>::call);

RVL_BIND(rvliLn_32f_C1R, ln_32f<rvlChannels1>);
RVL_BIND(rvliLn_32f_C1IR, InPlace<ln_32f<rvlChannels1>, Checks::Twin>::call);
RVL_BIND(rvliLn_32f_C3R, ln_32f<rvlChannels3>);
RVL_BIND(rvliLn_32f_C3IR, InPlace<ln_32f<rvlChannels3>, Checks::Twin>::call);

}  // namespace rvl
