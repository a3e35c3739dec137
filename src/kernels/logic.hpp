// Bitwise logic and constant shifts, a block at a time.
//
// The blocks take the two-operand form of the row loops: a is the second
// image, the constant pattern or (per-channel shifts) the channel-index
// pattern; b is the source.
#pragma once

#include <algorithm>
#include <cstdint>
#include <type_traits>

#include "kernels/map.hpp"
#include "kernels/vec.hpp"

namespace rvl {

enum class Logic { And, Or, Xor };

// Elements per block: four registers, at most 64 (one flag bit each).
template <class T>
inline constexpr std::size_t kLogicBlock = std::min<std::size_t>(64, 4 * vec::lanes<T>);

template <Logic K, class T>
struct LogicOp {
    static constexpr std::size_t kBlock = kLogicBlock<T>;
    static constexpr std::size_t kAlign = vec::kBytes;
    template <Store St>
    std::uint64_t block(const T* a, const T* b, T* d) const {
        for (std::size_t o = 0; o < kBlock; o += vec::lanes<T>) {
            const vec::I x = vec::loadu(a + o), y = vec::loadu(b + o);
            put_vec<St>(d + o, K == Logic::And ? x & y : K == Logic::Or ? x | y : x ^ y);
        }
        return 0;
    }
};

// A constant held in a register: lane i holds channel i mod `channels`, so
// every block must start on a whole pixel (one channel, or the AC4 scratch
// blocks).
template <Logic K, class T>
struct ConstLogicOp {
    static constexpr std::size_t kBlock = kLogicBlock<T>;
    static constexpr std::size_t kAlign = vec::kBytes;
    vec::I value;
    // channels values, of which the first `given` are set (the rest, an AC4
    // alpha, are never stored).
    ConstLogicOp(const T* v, int channels, int given) {
        vec::of<T> r;
        for (std::size_t i = 0; i < vec::lanes<T>; ++i) {
            const int c = int(i % std::size_t(channels));
            r[i] = c < given ? v[c] : T(0);
        }
        value = vec::as<vec::I>(r);
    }
    template <Store St>
    std::uint64_t block(const T*, const T* b, T* d) const {
        for (std::size_t o = 0; o < kBlock; o += vec::lanes<T>) {
            const vec::I y = vec::loadu(b + o);
            put_vec<St>(d + o, K == Logic::And ? value & y : K == Logic::Or ? value | y : value ^ y);
        }
        return 0;
    }
};

// ---- Shifts ------------------------------------------------------------------

// Left shifts, and right shifts that are logical for unsigned and
// arithmetic for signed elements.
enum class ShiftDir { Left, Right };
inline constexpr ShiftDir ShiftL = ShiftDir::Left, ShiftR = ShiftDir::Right;

template <class T>
inline constexpr unsigned kBits = 8 * sizeof(T);

// One register of T shifted by n < kBits<T> (bytes through 16-bit lanes,
// with the bits that crossed from the neighbouring byte masked off).
template <ShiftDir Dir, class T>
inline vec::I shift_register(vec::I x, int n) {
    if constexpr (sizeof(T) == 1) {
        const vec::u16 w = vec::as<vec::u16>(x);
        const std::uint8_t keep = Dir == ShiftL ? std::uint8_t(0xFF << n) : std::uint8_t(0xFF >> n);
        return vec::as<vec::I>(Dir == ShiftL ? w << n : w >> n) & vec::as<vec::I>(vec::splat<vec::u8>(keep));
    } else {
        using V = vec::of<T>;
        const V v = vec::as<V>(x);
        if constexpr (Dir == ShiftL) {
            using U = vec::of<std::make_unsigned_t<T>>;  // no signed overflow
            return vec::as<vec::I>(vec::as<U>(v) << n);
        } else {
            return vec::as<vec::I>(v >> n);
        }
    }
}

// Every element by one count n < kBits<T>.
template <ShiftDir Dir, class T>
struct ShiftOp {
    static constexpr std::size_t kBlock = kLogicBlock<T>;
    static constexpr std::size_t kAlign = vec::kBytes;
    int n;
    template <Store St>
    std::uint64_t block(const T*, const T* b, T* d) const {
        for (std::size_t o = 0; o < kBlock; o += vec::lanes<T>)
            put_vec<St>(d + o, shift_register<Dir, T>(vec::loadu(b + o), n));
        return 0;
    }
};

// Each of C channels by its own count; a holds the channel index of every
// element. Counts at or above the width give 0, or the sign fill for signed
// right shifts (the count taken as width - 1).
template <ShiftDir Dir, class T, int C>
struct ChannelShiftOp {
    static constexpr std::size_t kBlock = kLogicBlock<T>;
    static constexpr std::size_t kAlign = vec::kBytes;
    int n[C];
    bool zero[C];
    explicit ChannelShiftOp(const std::uint32_t* counts) {
        constexpr bool kSignFill = Dir == ShiftR && std::is_signed_v<T>;
        for (int c = 0; c < C; ++c) {
            zero[c] = !kSignFill && counts[c] >= kBits<T>;
            n[c] = int(std::min<std::uint32_t>(counts[c], kBits<T> - 1));
        }
    }
    template <Store St>
    std::uint64_t block(const T* a, const T* b, T* d) const {
        using V = vec::of<T>;
        for (std::size_t o = 0; o < kBlock; o += vec::lanes<T>) {
            const vec::I x = vec::loadu(b + o);
            const V channel = load_vec(a + o);
            vec::I r = vec::zero();
            for (int c = 0; c < C; ++c)
                if (!zero[c]) r |= shift_register<Dir, T>(x, n[c]) & vec::as<vec::I>(channel == T(c));
            put_vec<St>(d + o, r);
        }
        return 0;
    }
};

}  // namespace rvl
