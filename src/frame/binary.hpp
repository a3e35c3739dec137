// Walking two-operand operations: two images, or an image and a constant per
// channel, into a destination.
//
// The first operand is either an image row or a constant pattern: a row of
// kPatternElements elements holding value[c] at every channel-c position (1
// in an AC4 pattern's unused fourth channel), restarted at every chunk
// (chunks start on whole pixels). AC4 rows go through a stack scratch block
// of 256 pixels; only the first three channels of each pixel are copied to
// the destination, and flags (zero divisors, or an operation's own kinds)
// raised in the fourth channel do not count.
//
// 32-bit calls walk rows (the first warning of any row is returned); 64-bit
// calls that do not fit the 32-bit form walk rows in pieces of at most
// 0x3FFFFFFF elements, whole pixels, and return the status of the last piece.
#pragma once

#include <algorithm>
#include <cstdint>
#include <type_traits>

#include "frame/check.hpp"
#include "frame/streaming.hpp"
#include "frame/walk.hpp"
#include "kernels/block_row.hpp"
#include "kernels/copy.hpp"

namespace rvl {

// Elements of a constant pattern row: a whole number of pixels for 1, 3 and
// 4 channels (768 = 256 x 3, also a multiple of 4 for the AC4 blocks).
template <int C>
constexpr std::int64_t kPatternElements = C == 3 ? 768 : 1024;

template <class A, int C>
struct Pattern {
    A row[kPatternElements<C>];
    explicit Pattern(const A* value, int given) {
        for (std::int64_t i = 0; i < kPatternElements<C>; ++i) row[i] = (i % C) < given ? value[i % C] : A(1);
    }
};

// The status of a row whose blocks raised flags: op.status(flags) when the
// operation defines one (flags of several kinds), else the zero-divisor
// warning.
template <class Op, class = void>
struct HasStatus : std::false_type {};
template <class Op>
struct HasStatus<Op, std::void_t<decltype(std::declval<const Op&>().status(std::uint64_t{}))>> : std::true_type {};

template <class Op>
inline RvlResult flag_status(const Op& op, std::uint64_t flags) {
    if constexpr (HasStatus<Op>::value) return op.status(flags);
    else return rvlResWarnDivByZero;
}

// Runs op over n elements of one row (n a multiple of the stored channels).
template <RvlChannels L, Store St, bool APattern, class Op, class A, class B, class D>
inline RvlResult binary_row(const Op& op, const A* a, const B* b, D* d, std::int64_t n) {
    constexpr int C = stored_channels<L>;
    std::uint64_t flags = 0;
    auto part = [&](std::int64_t x, std::int64_t m, D* out) {
        flags |= block_row2<St>(APattern ? a : a + x, b + x, out, std::size_t(m), op);
    };
    if constexpr (L == rvlChannelsAC4) {
        alignas(64) D scratch[4 * kAc4BlockPixels];
        for (std::int64_t x = 0; x < n; x += 4 * kAc4BlockPixels) {
            const std::int64_t m = std::min<std::int64_t>(4 * kAc4BlockPixels, n - x);
            const std::uint64_t before = flags;
            part(x, m, scratch);
            // The scratch block is aligned to every block width, so block
            // lane e is element e mod the block size, a multiple of 4.
            flags = before | (flags & 0x7777777777777777u);
            copy_three_of_four(scratch, d + x, std::size_t(m / 4));
        }
    } else if constexpr (APattern) {
        for (std::int64_t x = 0; x < n; x += kPatternElements<C>) part(x, std::min(kPatternElements<C>, n - x), d + x);
    } else {
        part(0, n, d);
    }
    return flags ? flag_status(op, flags) : rvlResOk;
}

// Largest piece of a 64-bit row: 0x3FFFFFFF elements, cut to whole pixels.
template <int C>
constexpr std::int64_t kMaxPiece = kMaxPieceElements - kMaxPieceElements % C;

// A row check that finds nothing: see binary_image_with.
struct NoRowCheck {
    template <class B>
    RvlResult operator()(const B*, std::int64_t) const { return rvlResOk; }
};

// check(bRow, elements) looks at each row (or piece) of the second operand
// before the row is computed (in-place calls overwrite it) and may return a
// warning for the row; a row's own warning comes before the operation's.
template <RvlChannels L, bool APattern, class Op, class A, class B, class D, class Sz, class Step,
          class Check = NoRowCheck>
inline RvlResult binary_image_with(const Op& op, const A* a, Step aStep, const B* b, Step bStep, D* d, Step dStep,
                                   Sz roi, const Check& check = {}) {
    constexpr int C = stored_channels<L>;
    const std::int64_t n = std::int64_t{roi.width} * C;
    auto walk = [&](auto store) {
        constexpr Store St = decltype(store)::value;
        auto at = [&](std::int64_t y, std::int64_t x, std::int64_t m) {
            const A* ar = APattern ? a : row_at(a, aStep, y) + x;
            const B* br = row_at(b, bStep, y) + x;
            const RvlResult own = check(br, m);
            const RvlResult st = binary_row<L, St, APattern>(op, ar, br, row_at(d, dStep, y) + x, m);
            return own != rvlResOk ? own : st;
        };
        if constexpr (std::is_same_v<Sz, RvlSize>)
            return for_rows(roi.height, [&](std::int64_t y) { return at(y, 0, n); });
        else
            return for_row_pieces<kMaxPiece<C>>(roi.height, n, at);
    };
    const std::int64_t bytes = n * std::int64_t{roi.height} * std::int64_t{sizeof(D)};
    if (L != rvlChannelsAC4 && stream_output(bytes)) return walk(std::integral_constant<Store, Store::NonTemporal>{});
    return walk(std::integral_constant<Store, Store::Cached>{});
}

// Two images.
template <RvlChannels L, class Op, class T, class Sz, class Step>
inline RvlResult binary_image(const Op& op, const T* a, Step aStep, const T* b, Step bStep, T* d, Step dStep, Sz roi) {
    return binary_image_with<L, false>(op, a, aStep, b, bStep, d, dStep, roi);
}

// A constant per channel (the first operand) and an image.
template <RvlChannels L, class Op, class A, class T, class Sz, class Step>
inline RvlResult constant_image(const Op& op, const A* value, const T* b, Step bStep, T* d, Step dStep, Sz roi) {
    constexpr int C = stored_channels<L>;
    const Pattern<A, C> pattern(value, L == rvlChannelsAC4 ? 3 : C);
    return binary_image_with<L, true>(op, pattern.row, Step{0}, b, bStep, d, dStep, roi);
}

// One image: the source is both operands (operations of one operand read
// their second), with an optional row check.
template <RvlChannels L, class Op, class S, class D, class Sz, class Step, class Check = NoRowCheck>
inline RvlResult unary_image(const Op& op, const S* src, Step srcStep, D* d, Step dStep, Sz roi,
                             const Check& check = {}) {
    return binary_image_with<L, false>(op, src, srcStep, src, srcStep, d, dStep, roi, check);
}

// ---- Argument checks shared by the arithmetic families ------------------------

// The 32-bit form can do the work of an _L call.
template <class... S>
inline bool fits_twin(RvlSizeL roi, std::int64_t pixelBytes, S... steps) {
    return fits_32bit(roi, pixelBytes, static_cast<std::int64_t>(steps)...);
}

}  // namespace rvl
