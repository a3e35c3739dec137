// Members that forward to another member.
//
// An in-place member (flag I) is its not-in-place twin called with the same
// image as source and destination. Most forwarding members first check the
// width themselves, then run the twin's checks:
//
//   RVL_BIND(rvliThreshold_8u_C1IR, InPlace<threshold_cmp<Rvl8u, rvlChannels1>>::call);
//
// Families whose in-place forms check exactly as their twins do (the unary
// math, logic and shift members) name Checks::Twin:
//
//   RVL_BIND(rvliSqrt_32f_C1IR, InPlace<sqrt_32f<rvlChannels1>, Checks::Twin>::call);
#pragma once

#include "frame/check.hpp"
#include "rvl.h"

namespace rvl {

enum class Checks { WidthFirst, Twin };

template <Checks K, class Sz>
inline RvlResult own_check(Sz roi) {
    if constexpr (K == Checks::WidthFirst) return forward_width_check(roi);
    return rvlResOk;
}

template <auto Twin, Checks K = Checks::WidthFirst>
struct InPlace;

template <class T, class... A, RvlResult (*Twin)(const T*, int, T*, int, RvlSize, A...), Checks K>
struct InPlace<Twin, K> {
    static RvlResult call(T* pSrcDst, int srcDstStep, RvlSize roiSize, A... args) {
        if (RvlResult st = own_check<K>(roiSize)) return st;
        return Twin(pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize, args...);
    }
};

// Two-operand in-place members: srcDst = srcDst op src, the twin called
// with the in-place image as second source and destination.
template <auto Twin, Checks K = Checks::WidthFirst>
struct InPlace2;

template <class T, class Step, class Sz, class... A, RvlResult (*Twin)(const T*, Step, const T*, Step, T*, Step, Sz, A...),
          Checks K>
struct InPlace2<Twin, K> {
    static RvlResult call(const T* pSrc, Step srcStep, T* pSrcDst, Step srcDstStep, Sz roiSize, A... args) {
        if (RvlResult st = own_check<K>(roiSize)) return st;
        return Twin(pSrc, srcStep, pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize, args...);
    }
};

// Constant in-place members: (value, srcDst, step, size, ...), the twin
// called as (srcDst, step, value, srcDst, step, size, ...).
template <auto Twin, Checks K = Checks::WidthFirst>
struct InPlaceC;

template <class T, class V, class Step, class Sz, class... A, RvlResult (*Twin)(const T*, Step, V, T*, Step, Sz, A...),
          Checks K>
struct InPlaceC<Twin, K> {
    static RvlResult call(V value, T* pSrcDst, Step srcDstStep, Sz roiSize, A... args) {
        if (RvlResult st = own_check<K>(roiSize)) return st;
        return Twin(pSrcDst, srcDstStep, value, pSrcDst, srcDstStep, roiSize, args...);
    }
};

}  // namespace rvl
