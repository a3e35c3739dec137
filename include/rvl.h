/*
 * rvl — image-processing primitives for x86-64.
 *
 * Include this header to use the library; link with -lrvli (CMake target
 * rvl::rvli, pkg-config package rvl).
 */
#ifndef RVL_H
#define RVL_H

#include "rvl/rvl_types.h"
#include "rvl/rvl_image.h"

#endif /* RVL_H */
