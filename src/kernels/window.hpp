// Window kernels: the row and column passes of the box filter, the window
// sums and the minimum/maximum filters.
//
// A separable window operation runs a row pass over every source row (a
// window of mw pixels along the row, channels interleaved at a stride of C
// elements) and a column pass over the row results (a window of mh rows).
// The passes below compute n elements of a row; every result goes to a sink:
//
//   sink.put(i, v)    a register of results for elements i .. i + lanes - 1
//   sink.put1(i, x)   the result for element i alone
//
// so the same pass can store into a row of intermediate results or finish
// and store into the destination. put1 computes by the same formula as put,
// so an element's value does not depend on where it falls in the row.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "kernels/copy.hpp"
#include "kernels/map.hpp"
#include "kernels/vec.hpp"

namespace rvl::kernels {

// ---- Loads into accumulator lanes --------------------------------------------

// lanes<A> elements of T as a register of A: integers widened to 32-bit
// lanes (A = int32) or converted to floats (A = float, exact for 8- and
// 16-bit data), floats and doubles as they are.
template <class A, class T>
inline vec::of<A> load_as(const T* p) {
    if constexpr (std::is_same_v<A, T>) {
        return load_vec(p);
    } else {
        static_assert(std::is_integral_v<T> && sizeof(T) <= 2);
        const auto v = vec::as<vec::i32>(vec::load_i32(p));
        if constexpr (std::is_same_v<A, float>) return __builtin_convertvector(v, vec::f32);
        else return v;
    }
}

template <class A>
inline void store_as(A* p, vec::of<A> v) {
    std::memcpy(p, &v, sizeof v);
}

// ---- Minimum and maximum ------------------------------------------------------

// The larger / smaller of a and b, lane by lane or for one value; a NaN in
// either gives NaN, so the result of a window does not depend on the order
// in which its values are combined.
// (Registers of floats take the instruction form, which computes the same.)
struct MaxOp {
    template <class V>
    V operator()(V a, V b) const {
        if constexpr (std::is_same_v<V, vec::f32>) return vec::as<vec::f32>(vec::extreme_nan<true>(vec::as<vec::F>(a), vec::as<vec::F>(b)));
        else return a != a ? a : (a > b ? a : b);
    }
};
struct MinOp {
    template <class V>
    V operator()(V a, V b) const {
        if constexpr (std::is_same_v<V, vec::f32>) return vec::as<vec::f32>(vec::extreme_nan<false>(vec::as<vec::F>(a), vec::as<vec::F>(b)));
        else return a != a ? a : (a < b ? a : b);
    }
};

// ---- Sinks ----------------------------------------------------------------------

// A vector of N elements of E (any power-of-two size, unlike the
// register-wide types of the vocabulary).
template <class E, std::size_t N>
struct vec_n {
    typedef E type __attribute__((vector_size(N * sizeof(E))));
};

// Stores T values into a row; with KeepAlpha every fourth element (the AC4
// alpha channel) is left as it is, never written. Registers are put at
// element indices that are multiples of four.
template <class T, bool KeepAlpha = false>
struct RowSink {
    T* out;
    void put(std::int64_t i, vec::of<T> v) const { put_elements(out + i, v); }
    void put1(std::int64_t i, T x) const {
        if (!KeepAlpha || (i & 3) != 3) out[i] = x;
    }

    // The elements of a register of any element type V holds (already in
    // T's range: integers narrowed by truncation, floats as they are).
    template <class V>
    static void put_elements(T* p, V v) {
        constexpr std::size_t kLanes = sizeof(V) / sizeof(v[0]);
        constexpr bool kNarrow = sizeof(T) < 4 && sizeof(v[0]) == 4;
        if constexpr (kNarrow && !KeepAlpha) {
            vec::store_low(p, vec::as<vec::I>(v));
        } else if constexpr (kNarrow) {
            T x[kLanes];
            vec::store_low(x, vec::as<vec::I>(v));
            copy_three_of_four(x, p, kLanes / 4);
        } else {
            using N = typename vec_n<T, kLanes>::type;
            const N x = __builtin_convertvector(v, N);
            if constexpr (KeepAlpha)
                copy_three_of_four(reinterpret_cast<const T*>(&x), p, kLanes / 4);
            else
                std::memcpy(p, &x, sizeof x);
        }
    }
};

// Runs step(i) for i = 0, L, 2L, ... and, when L does not divide n, once
// more at n - L, recomputing the overlap; rows shorter than L go element by
// element through one(i). Only for steps that give the same results when
// repeated (pure stores, or extremes combined into one of their inputs).
// The steps capture by value: a sink's pointers then stay in registers.
template <std::int64_t L, class Step, class One>
inline void for_blocks(std::int64_t n, Step step, One one) {
    if (n < L) {
        for (std::int64_t i = 0; i < n; ++i) one(i);
        return;
    }
    std::int64_t i = 0;
    for (; i + L <= n; i += L) step(i);
    if (i < n) step(n - L);
}

// As for_blocks, with the blocks after the first starting at lead, lead + L,
// ...: a caller passes the elements up to the destination's first
// register-aligned address, so that every store but the first and last is
// aligned.
template <std::int64_t L, class Step, class One>
inline void for_blocks_from(std::int64_t n, std::int64_t lead, Step step, One one) {
    if (n < L) {
        for (std::int64_t i = 0; i < n; ++i) one(i);
        return;
    }
    std::int64_t i = 0;
    if (lead > 0 && lead < L) {
        step(0);
        i = lead;
    }
    for (; i + L <= n; i += L) step(i);
    if (i < n) step(n - L);
}

// Elements of T from p up to the next register-aligned address (0 when p is
// not aligned to its element).
template <class T>
inline std::int64_t lead_elements(const T* p) {
    const auto a = reinterpret_cast<std::uintptr_t>(p);
    if (a % sizeof(T)) return 0;
    return static_cast<std::int64_t>((vec::kBytes - a % vec::kBytes) % vec::kBytes / sizeof(T));
}

// ---- Row pass: sums of mw elements at stride C ---------------------------------

// Windows up to this many taps are summed directly; longer ones by a running
// sum, whose cost does not grow with the window.
inline constexpr int kDirectTaps = 8;

// out(i) = src[i] + src[i + C] + ... + src[i + (mw-1) C] for i < n, in A;
// src holds n + (mw-1) C elements. Direct sums add the taps left to right;
// running sums (one per channel) add the entering element and subtract the
// leaving one, exact for integer accumulators.
// The direct sums with the tap count known to the compiler.
template <class A, int C, int MW, class T, class Sink>
inline void window_sum_direct(const T* src, std::int64_t n, Sink sink) {
    for_blocks<vec::lanes<A>>(
        n,
        [=](std::int64_t i) {
            auto a = load_as<A>(src + i);
            for (int k = 1; k < MW; ++k) a += load_as<A>(src + i + std::int64_t{k} * C);
            sink.put(i, a);
        },
        [=](std::int64_t i) {
            A a = static_cast<A>(src[i]);
            for (int k = 1; k < MW; ++k) a += static_cast<A>(src[i + std::int64_t{k} * C]);
            sink.put1(i, a);
        });
}

// Exact integer sums of long windows, a register at a time: each sum is the
// one C elements before plus the entering minus the leaving element, so a
// register of sums is a prefix sum at stride C of those differences (a scan
// inside the register) plus the last sums of the previous register.
template <int C, class T, class Sink>
inline void window_sum_scan(const T* src, std::int64_t n, int mw, Sink sink) {
    constexpr int L = int(vec::lanes<std::int32_t>);
    const std::int64_t span = std::int64_t{mw} * C;
    std::int32_t last[L] = {};  // lanes L - C .. L - 1: the sums of elements i - C .. i - 1
    for (int c = 0; c < C && c < n; ++c) {
        std::int32_t s = 0;
        for (int k = 0; k < mw; ++k) s += static_cast<std::int32_t>(src[c + std::int64_t{k} * C]);
        last[L - C + c] = s;
        sink.put1(c, s);
    }
    std::int64_t i = C;
    if (i + L <= n) {
        auto prev = vec::as<vec::I>(load_vec(last));
        for (; i + L <= n; i += L) {
            auto d = vec::as<vec::I>(vec::as<vec::i32>(vec::load_i32(src + i - C + span)) -
                                     vec::as<vec::i32>(vec::load_i32(src + i - C)));
            if constexpr (C < L) d = vec::as<vec::I>(vec::as<vec::i32>(d) + vec::as<vec::i32>(vec::shift_up_i32<C>(d)));
            if constexpr (2 * C < L) d = vec::as<vec::I>(vec::as<vec::i32>(d) + vec::as<vec::i32>(vec::shift_up_i32<2 * C>(d)));
            if constexpr (4 * C < L) d = vec::as<vec::I>(vec::as<vec::i32>(d) + vec::as<vec::i32>(vec::shift_up_i32<4 * C>(d)));
            if constexpr (8 * C < L) d = vec::as<vec::I>(vec::as<vec::i32>(d) + vec::as<vec::i32>(vec::shift_up_i32<8 * C>(d)));
            const auto sums = vec::as<vec::i32>(d) + vec::as<vec::i32>(vec::spread_last_i32<C>(prev));
            sink.put(i, sums);
            prev = vec::as<vec::I>(sums);
        }
        store_as(last, vec::as<vec::i32>(prev));
    }
    for (std::int64_t j = i; j < n; ++j) {
        std::int32_t& s = last[L - C + (j - i) % C];
        s += static_cast<std::int32_t>(src[j - C + span]) - static_cast<std::int32_t>(src[j - C]);
        sink.put1(j, s);
    }
}

template <class A, int C, class T, class Sink>
inline void window_sum_row(const T* src, std::int64_t n, int mw, Sink sink) {
    switch (mw) {
        case 1: return window_sum_direct<A, C, 1>(src, n, sink);
        case 2: return window_sum_direct<A, C, 2>(src, n, sink);
        case 3: return window_sum_direct<A, C, 3>(src, n, sink);
        case 4: return window_sum_direct<A, C, 4>(src, n, sink);
        case 5: return window_sum_direct<A, C, 5>(src, n, sink);
        case 6: return window_sum_direct<A, C, 6>(src, n, sink);
        case 7: return window_sum_direct<A, C, 7>(src, n, sink);
        case 8: return window_sum_direct<A, C, 8>(src, n, sink);
        default: break;
    }
    static_assert(kDirectTaps == 8);
    if constexpr (std::is_same_v<A, std::int32_t>) {
        return window_sum_scan<C>(src, n, mw, sink);
    }
    const std::int64_t span = std::int64_t{mw} * C;
    A s[C];
    for (int c = 0; c < C && c < n; ++c) {
        s[c] = static_cast<A>(src[c]);
        for (int k = 1; k < mw; ++k) s[c] += static_cast<A>(src[c + std::int64_t{k} * C]);
        sink.put1(c, s[c]);
    }
    for (std::int64_t i = C; i + C <= n; i += C)
        for (int c = 0; c < C; ++c) {
            if constexpr (std::is_integral_v<A>)
                s[c] += static_cast<A>(static_cast<A>(src[i + c - C + span]) - static_cast<A>(src[i + c - C]));
            else
                s[c] += static_cast<A>(src[i + c - C + span]) - static_cast<A>(src[i + c - C]);
            sink.put1(i + c, s[c]);
        }
}

// ---- Row pass: minimum / maximum of mw elements at stride C --------------------

// Windows up to this many taps are combined directly; longer ones by
// doubling: the extremes of 2, 4, 8, ... elements are built in `scratch`
// (n + (mw-1) C elements), and a window is the extreme of two overlapping
// power-of-two windows, so the cost grows with log2(mw) only.
inline constexpr int kDirectExtremeTaps = 5;

template <class Op, int C, int MW, class T, class Sink>
inline void window_extreme_direct(const T* src, std::int64_t n, Sink sink) {
    const Op op;
    for_blocks<vec::lanes<T>>(
        n,
        [=](std::int64_t i) {
            auto a = load_vec(src + i);
            for (int k = 1; k < MW; ++k) a = op(a, load_vec(src + i + std::int64_t{k} * C));
            sink.put(i, a);
        },
        [=](std::int64_t i) {
            T a = src[i];
            for (int k = 1; k < MW; ++k) a = op(a, src[i + std::int64_t{k} * C]);
            sink.put1(i, a);
        });
}

template <class Op, int C, class T, class Sink>
inline void window_extreme_row(const T* src, std::int64_t n, int mw, T* scratch, Sink sink) {
    constexpr std::int64_t L = vec::lanes<T>;
    const Op op;
    switch (mw) {
        case 1: return window_extreme_direct<Op, C, 1>(src, n, sink);
        case 2: return window_extreme_direct<Op, C, 2>(src, n, sink);
        case 3: return window_extreme_direct<Op, C, 3>(src, n, sink);
        case 4: return window_extreme_direct<Op, C, 4>(src, n, sink);
        case 5: return window_extreme_direct<Op, C, 5>(src, n, sink);
        default: break;
    }
    static_assert(kDirectExtremeTaps == 5);
    // Level w holds the extreme of elements i, i + C, ..., i + (w-1) C at i.
    const std::int64_t len = n + std::int64_t{mw - 1} * C;
    const T* level = src;
    std::int64_t w = 1;
    for (; 2 * w <= mw; w *= 2) {
        const std::int64_t valid = len - (2 * w - 1) * C, shift = w * C;
        std::int64_t i = 0;
        for (; i + L <= valid; i += L) store_as(scratch + i, op(load_vec(level + i), load_vec(level + i + shift)));
        for (; i < valid; ++i) scratch[i] = op(level[i], level[i + shift]);
        level = scratch;
    }
    const std::int64_t shift = std::int64_t{mw - w} * C;
    for_blocks<L>(
        n, [=](std::int64_t i) { sink.put(i, op(load_vec(level + i), load_vec(level + i + shift))); },
        [=](std::int64_t i) { sink.put1(i, op(level[i], level[i + shift])); });
}

// ---- Column passes ----------------------------------------------------------------

// v = rows[0] (op) rows[1] (op) ... for `count` rows of n elements.
// The sink may store into one of the rows only when combining is
// idempotent (an extreme): the last block may be computed twice.
template <int Count, class T, class Combine, class Sink>
inline void combine_rows_of(const T* const* rows, std::int64_t n, const Combine& combine, Sink sink) {
    const T* r[Count];
    for (int k = 0; k < Count; ++k) r[k] = rows[k];
    for_blocks<vec::lanes<T>>(
        n,
        [=](std::int64_t i) {
            auto a = load_vec(r[0] + i);
            for (int k = 1; k < Count; ++k) a = combine(a, load_vec(r[k] + i));
            sink.put(i, a);
        },
        [=](std::int64_t i) {
            T a = r[0][i];
            for (int k = 1; k < Count; ++k) a = combine(a, r[k][i]);
            sink.put1(i, a);
        });
}

// sum += row, element by element.
template <class A>
inline void accumulate_row(A* sum, const A* row, std::int64_t n) {
    constexpr std::int64_t L = vec::lanes<A>;
    std::int64_t i = 0;
    for (; i + L <= n; i += L) store_as(sum + i, load_vec(sum + i) + load_vec(row + i));
    for (; i < n; ++i) sum[i] += row[i];
}

// The same for up to four rows.
template <class T, class Combine, class Sink>
inline void combine_rows(const T* const* rows, int count, std::int64_t n, const Combine& combine, Sink sink) {
    switch (count) {
        case 1: return combine_rows_of<1>(rows, n, combine, sink);
        case 2: return combine_rows_of<2>(rows, n, combine, sink);
        case 3: return combine_rows_of<3>(rows, n, combine, sink);
        default: return combine_rows_of<4>(rows, n, combine, sink);
    }
}

// Running column sum: v = sum + (entering - leaving), kept in `sum` and put.
template <class A, class Sink>
inline void slide_sum(A* sum, const A* entering, const A* leaving, std::int64_t n, Sink sink) {
    constexpr std::int64_t L = vec::lanes<A>;
    std::int64_t i = 0;
    for (; i + L <= n; i += L) {
        const auto v = load_vec(sum + i) + (load_vec(entering + i) - load_vec(leaving + i));
        store_as(sum + i, v);
        sink.put(i, v);
    }
    for (; i < n; ++i) {
        const A v = sum[i] + static_cast<A>(entering[i] - leaving[i]);
        sum[i] = v;
        sink.put1(i, v);
    }
}

// One step of the running block extreme down a column: p = prefix (op)
// entering, kept in `prefix`, and suffix (op) p put.
template <class Op, class T, class Sink>
inline void slide_extreme(const T* suffix, const T* prefixIn, const T* entering, T* prefix, std::int64_t n,
                          Sink sink) {
    const Op op;
    for_blocks<vec::lanes<T>>(
        n,
        [=](std::int64_t i) {
            const auto p = op(load_vec(prefixIn + i), load_vec(entering + i));
            store_as(prefix + i, p);
            sink.put(i, op(load_vec(suffix + i), p));
        },
        [=](std::int64_t i) {
            const T p = op(prefixIn[i], entering[i]);
            prefix[i] = p;
            sink.put1(i, op(suffix[i], p));
        });
}

// ---- Single-precision column sums of integer rows --------------------------------

// acc = (f32)row (first) or acc + (f32)row.
template <class S>
inline void accumulate_f32(float* acc, const S* row, std::int64_t n, bool first) {
    constexpr std::int64_t L = vec::lanes<float>;
    std::int64_t i = 0;
    for (; i + L <= n; i += L) {
        const auto v = load_as<float>(row + i);
        store_as(acc + i, first ? v : load_vec(acc + i) + v);
    }
    for (; i < n; ++i) acc[i] = first ? static_cast<float>(row[i]) : acc[i] + static_cast<float>(row[i]);
}

// out = prev + (f32)(entering - leaving), the difference taken in integers.
template <class S>
inline void slide_sum_f32(const float* prev, const S* entering, const S* leaving, float* out, std::int64_t n) {
    constexpr std::int64_t L = vec::lanes<float>;
    std::int64_t i = 0;
    for (; i + L <= n; i += L) {
        const auto d = vec::as<vec::i32>(vec::load_i32(entering + i)) - vec::as<vec::i32>(vec::load_i32(leaving + i));
        store_as(out + i, load_vec(prev + i) + __builtin_convertvector(d, vec::f32));
    }
    for (; i < n; ++i)
        out[i] = prev[i] + static_cast<float>(std::int32_t{entering[i]} - std::int32_t{leaving[i]});
}

}  // namespace rvl::kernels
