/*
 * rvl — image-processing primitives for x86-64.
 *
 * Include this header to use the library: the image functions and the core
 * services (rvlMalloc, rvlFree, rvlGetMaxCacheSizeB). Link with
 * -lrvli -lrvlcore (CMake target rvl::rvli, pkg-config package rvl).
 */
#ifndef RVL_H
#define RVL_H

#include "rvl/rvl_types.h"
#include "rvl/rvl_image.h"
#include "rvl/rvl_core.h"

#endif /* RVL_H */
