// The entry table.
//
// Every exported function is a stub of one jump through its own slot,
// `<name>_arraddr`, an 8-byte code pointer in writable data. The slot is
// statically initialised with the address of a hidden indirect function
// (`ifunc`) whose resolver picks the implementation of the widest processor
// variant the running processor supports, among the variants this build
// contains. The dynamic loader fills the slot through an IRELATIVE relocation
// when the library is loaded: it calls the resolver once, no constructor runs
// and nothing rewrites the slot afterwards. The stub is a plain jump, so
// arguments, return value and the stack reach the implementation untouched,
// whatever the signature.
//
// One line per exported name, generated from the public header:
//
//   RVL_SLOT(rvliAbs_16s_C1R)
//
// The variants built are announced by RVL_HAVE_SSE41, RVL_HAVE_AVX2 and
// RVL_HAVE_AVX512; a build pinned to one variant has only that one, and its
// resolver returns it unconditionally.
#pragma once

#define RVL_HIDDEN __attribute__((visibility("hidden")))

// The resolvers run while the loader relocates the library, before any
// sanitizer runtime is initialised: they must not be instrumented.
#define RVL_RESOLVER RVL_HIDDEN __attribute__((no_sanitize_address, no_sanitize("undefined"), used))

namespace rvl_dispatch {

// 2: AVX-512 F/BW/DQ/VL, 1: AVX2 with FMA, 0: the SSE4.1 baseline. The
// feature tests include the operating system's support of the register
// state (XCR0), so a processor whose kernel does not save the wide registers
// gets the narrower variant.
RVL_RESOLVER inline int processor_level() {
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
        __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx2") &&
        __builtin_cpu_supports("fma"))
        return 2;
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma")) return 1;
    return 0;
}

}  // namespace rvl_dispatch

namespace rvl_dispatch {

using Pick = void* (*)() noexcept;
using Code = void (*)();

// The widest variant built that the processor supports; a build with a single
// variant returns it whatever the processor.
RVL_RESOLVER inline Code choose(Pick sse41, Pick avx2, Pick avx512) {
    const int level = processor_level();
    Pick pick = avx512 && level >= 2 ? avx512 : avx2 && level >= 1 ? avx2 : sse41 ? sse41 : avx2 ? avx2 : avx512;
    return reinterpret_cast<Code>(pick());
}

}  // namespace rvl_dispatch

#if RVL_HAVE_SSE41
#define RVL_DECLARE_SSE41(name) extern "C" void* name##__sse41() noexcept;
#define RVL_SSE41_OF(name) name##__sse41
#else
#define RVL_DECLARE_SSE41(name)
#define RVL_SSE41_OF(name) nullptr
#endif
#if RVL_HAVE_AVX2
#define RVL_DECLARE_AVX2(name) extern "C" void* name##__avx2() noexcept;
#define RVL_AVX2_OF(name) name##__avx2
#else
#define RVL_DECLARE_AVX2(name)
#define RVL_AVX2_OF(name) nullptr
#endif
#if RVL_HAVE_AVX512
#define RVL_DECLARE_AVX512(name) extern "C" void* name##__avx512() noexcept;
#define RVL_AVX512_OF(name) name##__avx512
#else
#define RVL_DECLARE_AVX512(name)
#define RVL_AVX512_OF(name) nullptr
#endif

#define RVL_ENTRY_STUB(name)                                                   \
    __asm__(".pushsection .text\n"                                             \
            ".p2align 4\n"                                                     \
            ".globl " #name "\n"                                               \
            ".type " #name ", @function\n" #name ":\n"                         \
            "\tendbr64\n"                                                      \
            "\tjmp *" #name "_arraddr(%rip)\n"                                 \
            ".size " #name ", . - " #name "\n"                                 \
            ".popsection\n")

#define RVL_SLOT(name)                                                          \
    RVL_DECLARE_SSE41(name)                                                     \
    RVL_DECLARE_AVX2(name)                                                      \
    RVL_DECLARE_AVX512(name)                                                    \
    extern "C" RVL_RESOLVER rvl_dispatch::Code name##_resolve() {                            \
        return rvl_dispatch::choose(RVL_SSE41_OF(name), RVL_AVX2_OF(name), RVL_AVX512_OF(name)); \
    }                                                                           \
    extern "C" RVL_HIDDEN void name##_target() __attribute__((ifunc(#name "_resolve"))); \
    extern "C" RVL_HIDDEN void (*name##_arraddr)();                             \
    void (*name##_arraddr)() = name##_target;                                   \
    RVL_ENTRY_STUB(name)
