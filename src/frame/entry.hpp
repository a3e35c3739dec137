// The entry table.
//
// Every exported function is a stub of one jump through its own
// slot, `<name>_arraddr`, an 8-byte code pointer in writable data. The slot is
// statically initialised with the address of the implementation, so it is
// filled by the loader's relocations: no constructor runs and nothing rewrites
// it later. A build with several processor variants would fill the same slots
// with other implementations; the exported symbols would not change.
//
//   RVL_BIND(rvliAbs_16s_C1R, (abs_r<Rvl16s, rvlChannels1>));
//
// binds one exported member. The slot's type is `decltype(&name)`, taken from
// the public header, so an implementation whose signature differs from the
// declaration in any way fails to compile. The stub itself is a plain jump:
// arguments, return value and the stack reach the implementation untouched,
// whatever the signature.
#pragma once

#include "rvl.h"

#define RVL_HIDDEN __attribute__((visibility("hidden")))

#define RVL_STRINGIFY_(x) #x
#define RVL_STRINGIFY(x) RVL_STRINGIFY_(x)

#define RVL_ENTRY_STUB(name)                                                   \
    __asm__(".pushsection .text\n"                                             \
            ".p2align 4\n"                                                     \
            ".globl " #name "\n"                                               \
            ".type " #name ", @function\n" #name ":\n"                         \
            "\tendbr64\n"                                                      \
            "\tjmp *" #name "_arraddr(%rip)\n"                                 \
            ".size " #name ", . - " #name "\n"                                 \
            ".popsection\n")

#define RVL_BIND(name, ...)                                                    \
    extern "C" RVL_HIDDEN decltype(&::name) name##_arraddr;                    \
    decltype(&::name) name##_arraddr = __VA_ARGS__;                            \
    RVL_ENTRY_STUB(name)
