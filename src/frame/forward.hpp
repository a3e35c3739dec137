// Members that forward to another member.
//
// An in-place member (flag I) is its not-in-place twin called with the same
// image as source and destination. Like every forwarding member it first
// checks the width itself, then runs the twin's checks:
//
//   RVL_BIND(rvliThreshold_8u_C1IR, InPlace<threshold_cmp<Rvl8u, rvlChannels1>>::call);
#pragma once

#include "frame/check.hpp"
#include "rvl.h"

namespace rvl {

template <auto Twin>
struct InPlace;

template <class T, class... A, RvlResult (*Twin)(const T*, int, T*, int, RvlSize, A...)>
struct InPlace<Twin> {
    static RvlResult call(T* pSrcDst, int srcDstStep, RvlSize roiSize, A... args) {
        if (RvlResult st = forward_width_check(roiSize)) return st;
        return Twin(pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize, args...);
    }
};

}  // namespace rvl

namespace rvl {

// Two-operand in-place members: srcDst = srcDst op src, the twin called
// with the in-place image as second source and destination.
template <auto Twin>
struct InPlace2;

template <class T, class Step, class Sz, class... A, RvlResult (*Twin)(const T*, Step, const T*, Step, T*, Step, Sz, A...)>
struct InPlace2<Twin> {
    static RvlResult call(const T* pSrc, Step srcStep, T* pSrcDst, Step srcDstStep, Sz roiSize, A... args) {
        if (RvlResult st = forward_width_check(roiSize)) return st;
        return Twin(pSrc, srcStep, pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize, args...);
    }
};

// Constant in-place members: (value, srcDst, step, size, ...), the twin
// called as (srcDst, step, value, srcDst, step, size, ...).
template <auto Twin>
struct InPlaceC;

template <class T, class V, class Step, class Sz, class... A, RvlResult (*Twin)(const T*, Step, V, T*, Step, Sz, A...)>
struct InPlaceC<Twin> {
    static RvlResult call(V value, T* pSrcDst, Step srcDstStep, Sz roiSize, A... args) {
        if (RvlResult st = forward_width_check(roiSize)) return st;
        return Twin(pSrcDst, srcDstStep, value, pSrcDst, srcDstStep, roiSize, args...);
    }
};

}  // namespace rvl
