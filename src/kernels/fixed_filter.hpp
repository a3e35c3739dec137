// Filters whose kernels are fixed: the derivative operators, the Laplacians,
// the high-pass and sharpening filters, and the two derivatives of the
// gradient vectors.
//
// A kernel is a type describing its taps at compile time, so every product
// by a coefficient of 1 or -1 is an addition or subtraction and every zero
// tap is skipped:
//
//   Separable<X, Y>   the vector X along each row, then Y down the rows:
//                     sum_i Y[i] * (sum_j X[j] * src(j, i)), row by row
//   Grid<Rows...>     sum over the rows, top to bottom, of the row's taps,
//                     left to right
//   CentreMinusBox<M, K>  K * centre - the M x M sum (row by row)
//
// K::at<V, C>(load, e) computes output element e from load(i, o), element o
// of source row i (row 0 the top one, element 0 the first column read), at a
// stride of C elements per pixel. V is a register of accumulators or one
// accumulator; both evaluate the same operations in the same order, so an
// element's value does not depend on where it lies in its row. Integer
// accumulators are exact: every intermediate of the 8-bit kernels fits 16
// bits, of the 16-bit ones 32 bits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <tuple>
#include <type_traits>
#include <utility>

#include "kernels/row_set.hpp"
#include "kernels/vec.hpp"
#include "kernels/window.hpp"

namespace rvl::kernels {

template <int... K>
struct Taps {
    static constexpr int n = sizeof...(K);
    static constexpr int v[n] = {K...};
    static constexpr int first_nonzero() {
        for (int i = 0; i < n; ++i)
            if (v[i] != 0) return i;
        return n;
    }
};

// f(integral_constant<int, 0>), ..., f(integral_constant<int, N - 1>).
template <class F, int... I>
inline void static_for_(F&& f, std::integer_sequence<int, I...>) {
    (f(std::integral_constant<int, I>{}), ...);
}
template <int N, class F>
inline void static_for(F&& f) {
    static_for_(f, std::make_integer_sequence<int, N>{});
}

// The element type of an accumulator register, or the accumulator itself.
template <class V, bool = std::is_arithmetic_v<V>>
struct lane_of { using type = V; };
template <class V>
struct lane_of<V, false> { using type = vec::elem_t<V>; };
template <class V>
using lane_t = typename lane_of<V>::type;

template <class V>
inline V broadcast_lane(lane_t<V> x) {
    if constexpr (std::is_arithmetic_v<V>) return x;
    else return vec::splat<V>(x);
}

// c * h, and acc + c * h (one rounding each for floats).
template <int c, class V>
inline V scaled(V h) {
    if constexpr (c == 1) return h;
    else if constexpr (c == -1) return -h;
    else return h * broadcast_lane<V>(static_cast<lane_t<V>>(c));
}
template <int c, class V>
inline V plus_scaled(V acc, V h) {
    if constexpr (c == 1) return acc + h;
    else if constexpr (c == -1) return acc - h;
    else return acc + h * broadcast_lane<V>(static_cast<lane_t<V>>(c));
}

// sum_j X[j] * load(i, e + j C), the first non-zero tap first.
template <class X, class V, int C, class Load>
inline V taps_sum(const Load& load, int i, std::int64_t e) {
    V h{};
    static_for<X::n>([&](auto J) {
        constexpr int j = decltype(J)::value, c = X::v[j];
        if constexpr (c != 0) {
            const V s = load(i, e + std::int64_t{j} * C);
            if constexpr (j == X::first_nonzero()) h = scaled<c>(s);
            else h = plus_scaled<c>(h, s);
        }
    });
    return h;
}

template <class X, class Y>
struct Separable {
    static constexpr int kWidth = X::n, kHeight = Y::n;
    template <class V, int C, class Load>
    static V at(const Load& load, std::int64_t e) {
        V acc{};
        static_for<Y::n>([&](auto I) {
            constexpr int i = decltype(I)::value, c = Y::v[i];
            if constexpr (c != 0) {
                const V h = taps_sum<X, V, C>(load, i, e);
                if constexpr (i == Y::first_nonzero()) acc = scaled<c>(h);
                else acc = plus_scaled<c>(acc, h);
            }
        });
        return acc;
    }
};

template <class... Rows>
struct Grid {
    using RowTuple = std::tuple<Rows...>;
    static constexpr int kHeight = sizeof...(Rows), kWidth = std::tuple_element_t<0, RowTuple>::n;
    template <class V, int C, class Load>
    static V at(const Load& load, std::int64_t e) {
        V acc{};
        bool started = false;  // known to the compiler at every step
        static_for<kHeight>([&](auto I) {
            constexpr int i = decltype(I)::value;
            using Row = std::tuple_element_t<i, RowTuple>;
            static_for<Row::n>([&](auto J) {
                constexpr int j = decltype(J)::value, c = Row::v[j];
                if constexpr (c != 0) {
                    const V s = load(i, e + std::int64_t{j} * C);
                    acc = started ? plus_scaled<c>(acc, s) : scaled<c>(s);
                    started = true;
                }
            });
        });
        return acc;
    }
};

template <int M, int K>
struct CentreMinusBox {
    static constexpr int kWidth = M, kHeight = M;
    template <class V, int C, class Load>
    static V at(const Load& load, std::int64_t e) {
        V box{};
        static_for<M>([&](auto I) {
            static_for<M>([&](auto J) {
                constexpr int i = decltype(I)::value, j = decltype(J)::value;
                const V s = load(i, e + std::int64_t{j} * C);
                if constexpr (i == 0 && j == 0) box = s;
                else box = box + s;
            });
        });
        const V centre = load(M / 2, e + std::int64_t{M / 2} * C);
        return scaled<K>(centre) - box;
    }
};

// ---- Loading source elements into accumulators -------------------------------

// A register of lanes<A> accumulators from elements of T: 8u widened to
// 16-bit lanes, 16-bit data to 32-bit integers or floats, floats as they are.
template <class A, class T>
inline vec::of<A> load_lanes(const T* p) {
    if constexpr (std::is_same_v<A, std::int16_t> && std::is_same_v<T, std::uint8_t>)
        return vec::as<vec::i16>(vec::load_u8_as_u16(p));
    else return load_as<A>(p);
}

// Element o of row i of a row set, as a register or as one value.
template <class A, class T>
struct RegisterRows {
    const RowSet<T>& rows;
    vec::of<A> operator()(int i, std::int64_t o) const { return load_lanes<A>(rows.row(i) + o); }
};
template <class A, class T>
struct ValueRows {
    const RowSet<T>& rows;
    A operator()(int i, std::int64_t o) const { return static_cast<A>(rows.row(i)[o]); }
};

// ---- Finishing ---------------------------------------------------------------

inline std::int32_t lesser_of(std::int32_t a, std::int32_t b) { return a < b ? a : b; }
inline std::int32_t greater_of(std::int32_t a, std::int32_t b) { return a > b ? a : b; }
template <class V>
inline V lesser_of(V a, V b) { return a < b ? a : b; }
template <class V>
inline V greater_of(V a, V b) { return a > b ? a : b; }

struct AsIs {
    template <class V>
    V operator()(V v) const { return v; }
};

// Saturation to [Lo, Hi].
template <int Lo, int Hi>
struct Saturate {
    template <class V>
    V operator()(V v) const {
        return lesser_of(greater_of(v, broadcast_lane<V>(Lo)), broadcast_lane<V>(Hi));
    }
};

// v / 8 with halves rounded to even, v first clamped at 0 when Unsigned;
// saturated to [Lo, Hi]. (v + 4) >> 3 rounds halves up; a half (v mod 8 =
// 4) whose lower neighbour is even (v mod 16 = 4) goes down instead.
template <bool Unsigned, int Lo, int Hi>
struct EighthToEven {
    template <class V>
    V operator()(V v) const {
        if constexpr (Unsigned) v = greater_of(v, broadcast_lane<V>(0));
        V r = (v + broadcast_lane<V>(4)) >> 3;
        if constexpr (std::is_arithmetic_v<V>) r -= (v & 15) == 4;
        else r += (v & 15) == 4;  // true lanes are -1
        return Saturate<Lo, Hi>{}(r);
    }
};

// v / 8 of floats.
struct Eighth {
    template <class V>
    V operator()(V v) const { return v * broadcast_lane<V>(0.125f); }
};

// ---- Rows ------------------------------------------------------------------------

// Output elements e0 .. e0 + n - 1 of one row of kernel K in accumulators
// A, finished and stored through the sink at 0 .. n - 1 (put for registers,
// put1 for single elements).
template <class K, class A, int C, class T, class Finish, class Sink>
inline void fixed_filter_row(const RowSet<T>& rows, std::int64_t e0, std::int64_t n, const Finish& finish, const Sink& sink) {
    // Single elements of 16-bit registers are computed in 32 bits: the same
    // exact integers.
    using One = std::conditional_t<std::is_same_v<A, std::int16_t>, std::int32_t, A>;
    const RegisterRows<A, T> registers{rows};
    const ValueRows<One, T> ones{rows};
    for_blocks<std::int64_t(vec::lanes<A>)>(
        n, [&](std::int64_t e) { sink.put(e, finish(K::template at<vec::of<A>, C>(registers, e0 + e))); },
        [&](std::int64_t e) { sink.put1(e, finish(K::template at<One, C>(ones, e0 + e))); });
}

// Stores finished accumulators into a row of D, narrowing integers by
// truncation (they are in D's range by then); with KeepAlpha every fourth
// element is left unwritten.
template <class D, bool KeepAlpha = false>
struct FixedSink {
    D* out;
    template <class V>
    void put(std::int64_t i, V v) const { RowSink<D, KeepAlpha>::put_elements(out + i, v); }
    template <class A>
    void put1(std::int64_t i, A a) const { RowSink<D, KeepAlpha>{out}.put1(i, static_cast<D>(a)); }
};

}  // namespace rvl::kernels
