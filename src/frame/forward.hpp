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
