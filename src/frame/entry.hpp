// Binding exported members to their implementations, per processor variant.
//
// Every family source is compiled once per processor variant: the SSE4.1
// baseline (`sse41`), AVX2 with FMA (`avx2`) and AVX-512 F/BW/DQ/VL
// (`avx512`). The build defines RVL_VARIANT to the variant's name and renames
// the namespace `rvl` to `rvl_<variant>` for that compilation, so no inline
// function or template instance of one variant can be merged with another's.
//
//   RVL_BIND(rvliAbs_16s_C1R, (abs_r<Rvl16s, rvlChannels1>));
//
// binds one exported member in the current variant: it defines the hidden
// function `rvliAbs_16s_C1R__<variant>()`, which returns the address of the
// implementation converted to `decltype(&rvliAbs_16s_C1R)`, the type of the
// public header's declaration, so an implementation whose signature differs
// from the declaration in any way fails to compile.
//
// The entry table itself (frame/dispatch.hpp, one slot and one stub per
// exported name, generated from the header) asks these functions for the
// variant the running processor supports best.
#pragma once

#include "rvl.h"

#define RVL_HIDDEN __attribute__((visibility("hidden")))

#define RVL_PASTE_(a, b) a##__##b
#define RVL_PASTE(a, b) RVL_PASTE_(a, b)

#ifndef RVL_VARIANT
#error "RVL_VARIANT names the processor variant this source is compiled for"
#endif

#define RVL_BIND(name, ...)                                                            \
    extern "C" RVL_HIDDEN void* RVL_PASTE(name, RVL_VARIANT)() noexcept {              \
        return reinterpret_cast<void*>(static_cast<decltype(&::name)>(__VA_ARGS__));   \
    }
