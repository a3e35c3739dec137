// The row loops of the block kernels.
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
// destination's first aligned boundary and the tail after the last whole
// block go through the same block operation (on a padded copy, or as a whole
// block overlapping its neighbour), so every element is computed by exactly
// the same instructions wherever it lies. block_row2 does the same for
// operations of two source rows.
#pragma once


#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "kernels/map.hpp"
#include "kernels/prefetch.hpp"
#include "kernels/vec.hpp"

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
// Op::kAlign when it names one, else 16 bytes.
template <class Op, class = void>
inline constexpr std::size_t kAlignOf = 16;
template <class Op>
inline constexpr std::size_t kAlignOf<Op, std::void_t<decltype(Op::kAlign)>> = Op::kAlign;

// Rows of at least one block whose output does not overlap its input run the
// lead and the tail as whole blocks overlapping the aligned ones: the
// elements they share are computed twice to the same values, and no element
// goes through a padded copy. Other rows (in-place ones among them) take the
// padded copies.
template <Store St = Store::Cached, class S, class D, class Op>
[[gnu::flatten]] inline void block_row(const S* src, D* dst, std::size_t n, const Op& shared) {
    // A private copy of the operation: stores through an 8-bit destination
    // may alias any object, and would have its parameters reloaded after
    // every block.
    const Op op = shared;
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
        for (; i + B <= n; i += B) {
            prefetch_ahead(src + i, B);
            op.template block<Store::Cached>(src + i, dst + i);
        }
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

// ---- Two-operand row loop ---------------------------------------------------
//
// Like block_row, for two operands: op.block(a, b, dst) handles Op::kBlock
// elements and returns a mask with bit e set when element e of the block met
// a zero divisor (or an element of a kind the operation reports); the masks
// of a row are or-ed together. Lead and tail go through the same block on
// padded copies; both operands are padded with 1, which no operation flags
// (it is neither a zero divisor nor zero or negative). Rows whose output overlaps
// neither operand run lead and tail as overlapping whole blocks instead, as
// block_row does.
template <class A, class B, class D, class Op>
inline std::uint64_t partial_block2(const Op& op, const A* a, const B* b, D* dst, std::size_t n) {
    A inA[Op::kBlock];
    B inB[Op::kBlock];
    D out[Op::kBlock];
    for (auto& x : inA) x = A(1);
    for (auto& x : inB) x = B(1);
    std::memcpy(inA, a, n * sizeof(A));
    std::memcpy(inB, b, n * sizeof(B));
    const std::uint64_t flag = op.template block<Store::Cached>(inA, inB, out);
    std::memcpy(dst, out, n * sizeof(D));
    return flag;
}

template <Store St, class A, class B, class D, class Op>
[[gnu::flatten]] inline std::uint64_t block_row2(const A* a, const B* b, D* dst, std::size_t n, const Op& shared) {
    // A private copy of the operation, as in block_row.
    const Op op = shared;
    constexpr std::size_t K = Op::kBlock, Al = kAlignOf<Op>;
    static_assert(K <= 64, "one flag bit per block element");
    std::uint64_t flags = 0;
    const bool overlapBlocks = n >= K && apart(a, dst, n) && apart(b, dst, n);
    std::size_t i = std::min(lead_to<Al>(dst), n);
    if (i > 0) flags |= overlapBlocks ? op.template block<Store::Cached>(a, b, dst) : partial_block2(op, a, b, dst, i);
    if (St == Store::NonTemporal && reinterpret_cast<std::uintptr_t>(dst + i) % Al == 0) {
        for (; i + K <= n; i += K) flags |= op.template block<Store::NonTemporal>(a + i, b + i, dst + i);
        _mm_sfence();
    } else {
        for (; i + K <= n; i += K) {
            prefetch_ahead(a + i, K);
            prefetch_ahead(b + i, K);
            flags |= op.template block<Store::Cached>(a + i, b + i, dst + i);
        }
    }
    if (i < n)
        flags |= overlapBlocks ? op.template block<Store::Cached>(a + n - K, b + n - K, dst + n - K)
                               : partial_block2(op, a + i, b + i, dst + i, n - i);
    return flags;
}

}  // namespace rvl
