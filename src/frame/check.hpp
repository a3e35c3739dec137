// Argument validation.
//
// Each family validates in a fixed order: pointers, then sizes, then steps,
// then its own checks; the first failing check decides the status and nothing
// is written. A family writes its order once as a list:
//
//   if (RvlResult st = first_failure({null_check(pSrc, pDst), roi_check(roi),
//                                     step_check(srcStep, dstStep)}))
//       return st;
//
// The checks are pure, so evaluating them all before picking the first
// failure costs nothing measurable and keeps the order readable.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

#include "rvl.h"

namespace rvl {

// The first non-zero status of the list, in order; rvlResOk if all pass.
inline RvlResult first_failure(std::initializer_list<RvlResult> checks) {
    for (RvlResult st : checks)
        if (st != rvlResOk) return st;
    return rvlResOk;
}

// rvlResNullPointer if any pointer is null.
template <class... P>
inline RvlResult null_check(const P*... ptrs) {
    return ((ptrs == nullptr) || ...) ? rvlResNullPointer : rvlResOk;
}

// Every plane pointer of a planar argument, after the array itself.
template <class P>
inline RvlResult planes_check(const P* const* planes, int count) {
    if (planes == nullptr) return rvlResNullPointer;
    for (int i = 0; i < count; ++i)
        if (planes[i] == nullptr) return rvlResNullPointer;
    return rvlResOk;
}

// rvlResBadSize for a width or height below 1.
inline RvlResult roi_check(RvlSize roi) {
    return (roi.width < 1 || roi.height < 1) ? rvlResBadSize : rvlResOk;
}
inline RvlResult roi_check(RvlSizeL roi) {
    return (roi.width < 1 || roi.height < 1) ? rvlResBadSize : rvlResOk;
}

// rvlResBadMaskSize for a mask width or height below 1.
inline RvlResult mask_check(RvlSize mask) {
    return (mask.width < 1 || mask.height < 1) ? rvlResBadMaskSize : rvlResOk;
}

// rvlResBadStep for any step below 1.
template <class... S>
inline RvlResult step_check(S... steps) {
    return ((steps < 1) || ...) ? rvlResBadStep : rvlResOk;
}

// The own check of a member that forwards to its one-channel twin with the
// width multiplied by the channel count: it runs before the twin's checks, so
// a null pointer together with a bad width reports the width.
inline RvlResult forward_width_check(RvlSize roi) {
    return roi.width < 1 ? rvlResBadSize : rvlResOk;
}
inline RvlResult forward_width_check(RvlSizeL roi) {
    return roi.width < 1 ? rvlResBadSize : rvlResOk;
}

// A constant of a C1 member is a scalar; of the other layouts, an array with
// one entry per processed channel.
template <class T, RvlChannels L>
using Param = std::conditional_t<L == rvlChannels1, T, const T*>;

template <class T>
inline const T* entries(const T& scalar) { return &scalar; }
template <class T>
inline const T* entries(const T* array) { return array; }

// The data-type code of an element type.
template <class T>
constexpr int data_type_of() {
    if constexpr (std::is_same_v<T, Rvl8u>) return rvlType8u;
    else if constexpr (std::is_same_v<T, Rvl16u>) return rvlType16u;
    else if constexpr (std::is_same_v<T, Rvl16s>) return rvlType16s;
    else if constexpr (std::is_same_v<T, Rvl32f>) return rvlType32f;
    else return rvlType64f;
}

}  // namespace rvl
