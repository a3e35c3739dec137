// The row loop of the block kernels.
//
// A block operation converts a fixed number of elements (Op::kBlock) from a
// source type to a destination type:
//
//   struct Op {
//       static constexpr std::size_t kBlock = 16;
//       template <Store S> void block(const Src* src, Dst* dst) const;
//   };
//
// block_row runs it over a row of any length: the elements before the
// destination's first 16-byte boundary and the tail after the last whole
// block go through the same block operation on a zero-padded copy, so every
// element is computed by exactly the same instructions wherever it lies.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "kernels/map.hpp"
#include "kernels/simd.hpp"

namespace rvl {

template <class S, class D, class Op>
inline void partial_block(const Op& op, const S* src, D* dst, std::size_t n) {
    S in[Op::kBlock] = {};
    D out[Op::kBlock];
    std::memcpy(in, src, n * sizeof(S));
    op.template block<Store::Cached>(in, out);
    std::memcpy(dst, out, n * sizeof(D));
}

// The destination alignment a block operation wants for its streamed stores:
// Op::kAlign when it names one (the operations on the width-generic
// vocabulary), else 16 bytes.
template <class Op, class = void>
inline constexpr std::size_t kAlignOf = simd::kVectorBytes;
template <class Op>
inline constexpr std::size_t kAlignOf<Op, std::void_t<decltype(Op::kAlign)>> = Op::kAlign;

template <std::size_t A, class T>
inline std::size_t lead_to(const T* p) {
    const auto addr = reinterpret_cast<std::uintptr_t>(p);
    if (addr % sizeof(T) != 0) return 0;
    return ((A - addr % A) % A) / sizeof(T);
}

// The n elements at s and the n elements at d share no byte.
template <class S, class D>
inline bool apart(const S* s, const D* d, std::size_t n) {
    const auto sb = reinterpret_cast<std::uintptr_t>(s), db = reinterpret_cast<std::uintptr_t>(d);
    return sb + n * sizeof(S) <= db || db + n * sizeof(D) <= sb;
}

// Rows of at least one block whose output does not overlap its input run the
// lead and the tail as whole blocks overlapping the aligned ones: the
// elements they share are computed twice to the same values, and no element
// goes through a padded copy. Other rows (in-place ones among them) take the
// padded copies.
template <Store St = Store::Cached, class S, class D, class Op>
[[gnu::flatten]] inline void block_row(const S* src, D* dst, std::size_t n, const Op& op) {
    constexpr std::size_t B = Op::kBlock, A = kAlignOf<Op>;
    static_assert(A / sizeof(D) <= B, "the lead before the first aligned block fits one block");
    const bool overlapBlocks = n >= B && apart(src, dst, n);
    std::size_t i = std::min(lead_to<A>(dst), n);
    if (i > 0) {
        if (overlapBlocks) op.template block<Store::Cached>(src, dst);
        else partial_block(op, src, dst, i);
    }
    const bool aligned = reinterpret_cast<std::uintptr_t>(dst + i) % A == 0;
    if (St == Store::NonTemporal && aligned) {
        for (; i + B <= n; i += B) op.template block<Store::NonTemporal>(src + i, dst + i);
        _mm_sfence();
    } else {
        for (; i + B <= n; i += B) op.template block<Store::Cached>(src + i, dst + i);
    }
    if (i < n) {
        if (overlapBlocks) op.template block<Store::Cached>(src + n - B, dst + n - B);
        else partial_block(op, src + i, dst + i, n - i);
    }
}

// A block operation as a callable kernel(src, dst, n) for the image walkers.
template <class Op, Store St = Store::Cached>
struct BlockKernel {
    Op op;
    template <class S, class D>
    void operator()(const S* src, D* dst, std::size_t n) const { block_row<St>(src, dst, n, op); }
};

// A per-element function f(x) as a kernel, for conversions that have no
// block form.
template <class F>
struct ElementKernel {
    F f;
    template <class S, class D>
    void operator()(const S* src, D* dst, std::size_t n) const {
        for (std::size_t i = 0; i < n; ++i) dst[i] = f(src[i]);
    }
};

}  // namespace rvl
