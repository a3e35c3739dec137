// Shared between the statistics families.
#pragma once

#include "rvl.h"

namespace rvl {

// Exact per-channel sums (see sum.cpp); the 16u L1 norm is this sum.
template <class T, int C>
RvlResult channel_sums(const T* pSrc, int srcStep, RvlSize roi, Rvl64f* sum, RvlHintAlgorithm hint);

}  // namespace rvl
