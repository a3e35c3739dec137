// Border copies: rvliCopyConstBorder_*, rvliCopyReplicateBorder_*,
// rvliCopyMirrorBorder_*, rvliCopyWrapBorder_*.
//
// The rows of the source are copied into the destination at (left, top) and
// their left and right borders filled from the copied pixels through the
// column map; the rows above and below are then copies of completed rows
// chosen by the row map (so corners follow from both maps, and borders
// wider than the image keep repeating). In place, the interior is already
// there and only the border is written. AC4 forms write channels 0-2 only,
// in the border and in the copied interior.
//
// Checks: null pointers (in place: the image, and a constant array), steps,
// sizes and border widths, then the constant array of the R forms.
//
// A replicate, mirror or wrap call with pSrc equal to pDst would have to
// read the source while writing over it; such calls are refused with
// rvlResUnsupportedMode after the other checks (the in-place forms serve
// that use). Constant forms make no such test.
#include <cstring>
#include <type_traits>

#include "frame/border.hpp"
#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/walk.hpp"
#include "kernels/copy.hpp"

namespace rvl {
namespace {

// The copy is bit-exact: types of one width share one implementation.
template <class T>
using Bits = std::conditional_t<sizeof(T) == 1, std::uint8_t, std::conditional_t<sizeof(T) == 2, std::uint16_t, std::uint32_t>>;

struct Geometry {
    std::int64_t srcWidth, srcHeight, dstWidth, dstHeight, top, left;
};

inline RvlResult geometry_check(const Geometry& g) {
    if (g.srcWidth < 1 || g.srcHeight < 1 || g.dstWidth < 1 || g.dstHeight < 1 || g.top < 0 || g.left < 0 ||
        g.left > g.dstWidth - g.srcWidth || g.top > g.dstHeight - g.srcHeight)
        return rvlResBadSize;
    return rvlResOk;
}

// C elements stored per pixel, N written (3 for AC4).
template <class U, int C, int N>
struct Pixels {
    static void copy(const U* s, U* d) {
        for (int c = 0; c < N; ++c) d[c] = s[c];
    }
    static void copy_run(const U* s, U* d, std::int64_t pixels) {
        if constexpr (N == C)
            std::memmove(d, s, std::size_t(pixels) * C * sizeof(U));
        else
            copy_three_of_four(s, d, std::size_t(pixels));
    }
    static void fill_run(const U* value, U* d, std::int64_t pixels) {
        for (std::int64_t x = 0; x < pixels; ++x)
            for (int c = 0; c < N; ++c) d[C * x + c] = value[c];
    }
};

// dst: the destination image's first pixel; src: the source ROI (inside dst
// when in place).
template <Extend E, class U, int C, int N>
void extend_border(const U* src, std::int64_t srcStep, U* dst, std::int64_t dstStep, const Geometry& g, bool inPlace) {
    using P = Pixels<U, C, N>;
    for (std::int64_t i = 0; i < g.srcHeight; ++i) {
        U* mid = row_at(dst, dstStep, g.top + i) + C * g.left;
        if (!inPlace) P::copy_run(row_at(src, srcStep, i), mid, g.srcWidth);
        MapStepper<E> leftMap(-g.left, g.srcWidth), rightMap(g.srcWidth, g.srcWidth);
        for (std::int64_t j = -g.left; j < 0; ++j, leftMap.next()) P::copy(mid + C * leftMap.value(), mid + C * j);
        for (std::int64_t j = g.srcWidth; j < g.dstWidth - g.left; ++j, rightMap.next())
            P::copy(mid + C * rightMap.value(), mid + C * j);
    }
    auto fill_row = [&](std::int64_t y) {
        const std::int64_t from = g.top + map_coordinate<E>(y - g.top, g.srcHeight);
        P::copy_run(row_at(dst, dstStep, from), row_at(dst, dstStep, y), g.dstWidth);
    };
    for (std::int64_t y = 0; y < g.top; ++y) fill_row(y);
    for (std::int64_t y = g.top + g.srcHeight; y < g.dstHeight; ++y) fill_row(y);
}

template <class U, int C, int N>
void constant_border(const U* src, std::int64_t srcStep, U* dst, std::int64_t dstStep, const Geometry& g, bool inPlace,
                     const U* value) {
    using P = Pixels<U, C, N>;
    for (std::int64_t i = 0; i < g.srcHeight; ++i) {
        U* row = row_at(dst, dstStep, g.top + i);
        if (!inPlace) P::copy_run(row_at(src, srcStep, i), row + C * g.left, g.srcWidth);
        P::fill_run(value, row, g.left);
        P::fill_run(value, row + C * (g.left + g.srcWidth), g.dstWidth - g.left - g.srcWidth);
    }
    // The first border row is filled pixel by pixel, the others copied from it.
    std::int64_t first = -1;
    auto fill_row = [&](std::int64_t y) {
        if (first < 0) {
            P::fill_run(value, row_at(dst, dstStep, y), g.dstWidth);
            first = y;
        } else {
            P::copy_run(row_at(dst, dstStep, first), row_at(dst, dstStep, y), g.dstWidth);
        }
    };
    for (std::int64_t y = 0; y < g.top; ++y) fill_row(y);
    for (std::int64_t y = g.top + g.srcHeight; y < g.dstHeight; ++y) fill_row(y);
}

template <class Sz, class Int>
Geometry geometry(Sz srcRoi, Sz dstRoi, Int top, Int left) {
    return {srcRoi.width, srcRoi.height, dstRoi.width, dstRoi.height, top, left};
}

template <class T, RvlChannels L>
constexpr int kWritten = L == rvlChannelsAC4 ? 3 : static_cast<int>(L);

// The destination image's first pixel, given the ROI inside it.
template <class T, RvlChannels L, class Step>
T* image_origin(T* roi, Step step, const Geometry& g) {
    auto* bytes = reinterpret_cast<unsigned char*>(roi);
    return reinterpret_cast<T*>(bytes - g.top * std::int64_t{step} -
                                g.left * stored_channels<L> * std::int64_t{sizeof(T)});
}

// ---- Replicate, mirror, wrap ------------------------------------------------

template <Extend E, class T, RvlChannels L, class Sz, class Step, class Int>
RvlResult copy_extend(const T* pSrc, Step srcStep, Sz srcRoiSize, T* pDst, Step dstStep, Sz dstRoiSize, Int topRows,
                      Int leftColumns) {
    const Geometry g = geometry(srcRoiSize, dstRoiSize, topRows, leftColumns);
    if (RvlResult st = first_failure({null_check(pSrc, pDst), step_check(srcStep, dstStep), geometry_check(g)}))
        return st;
    if (static_cast<const void*>(pSrc) == static_cast<const void*>(pDst)) return rvlResUnsupportedMode;
    using U = Bits<T>;
    extend_border<E, U, stored_channels<L>, kWritten<T, L>>(reinterpret_cast<const U*>(pSrc), srcStep,
                                                             reinterpret_cast<U*>(pDst), dstStep, g, false);
    return rvlResOk;
}

template <Extend E, class T, RvlChannels L, class Sz, class Step, class Int>
RvlResult copy_extend_in_place(T* pSrcDst, Step srcDstStep, Sz srcRoiSize, Sz dstRoiSize, Int topRows, Int leftColumns) {
    const Geometry g = geometry(srcRoiSize, dstRoiSize, topRows, leftColumns);
    if (RvlResult st = first_failure({null_check(pSrcDst), step_check(srcDstStep), geometry_check(g)})) return st;
    using U = Bits<T>;
    U* origin = reinterpret_cast<U*>(image_origin<T, L>(pSrcDst, srcDstStep, g));
    extend_border<E, U, stored_channels<L>, kWritten<T, L>>(reinterpret_cast<const U*>(pSrcDst), srcDstStep, origin,
                                                             srcDstStep, g, true);
    return rvlResOk;
}

// ---- Constant ---------------------------------------------------------------

template <class T, RvlChannels L>
void value_bits(const T* value, Bits<T> (&out)[4]) {
    for (auto& v : out) v = 0;
    std::memcpy(out, value, kWritten<T, L> * sizeof(T));
}

template <class T, RvlChannels L, class Sz, class Step, class Int>
RvlResult copy_constant(const T* pSrc, Step srcStep, Sz srcRoiSize, T* pDst, Step dstStep, Sz dstRoiSize, Int topRows,
                        Int leftColumns, Param<T, L> value) {
    const Geometry g = geometry(srcRoiSize, dstRoiSize, topRows, leftColumns);
    if (RvlResult st = first_failure({null_check(pSrc, pDst), step_check(srcStep, dstStep), geometry_check(g),
                                      null_check(entries(value))}))
        return st;
    using U = Bits<T>;
    U v[4];
    value_bits<T, L>(entries(value), v);
    constant_border<U, stored_channels<L>, kWritten<T, L>>(reinterpret_cast<const U*>(pSrc), srcStep,
                                                           reinterpret_cast<U*>(pDst), dstStep, g, false, v);
    return rvlResOk;
}

template <class T, RvlChannels L>
RvlResult copy_constant_in_place(T* pSrcDst, std::int64_t srcDstStep, RvlSizeL srcRoiSize, RvlSizeL dstRoiSize,
                                 std::int64_t topRows, std::int64_t leftColumns, Param<T, L> value) {
    const Geometry g = geometry(srcRoiSize, dstRoiSize, topRows, leftColumns);
    if (RvlResult st = first_failure({null_check(pSrcDst, entries(value)), step_check(srcDstStep), geometry_check(g)}))
        return st;
    using U = Bits<T>;
    U v[4];
    value_bits<T, L>(entries(value), v);
    U* origin = reinterpret_cast<U*>(image_origin<T, L>(pSrcDst, srcDstStep, g));
    constant_border<U, stored_channels<L>, kWritten<T, L>>(reinterpret_cast<const U*>(pSrcDst), srcDstStep, origin,
                                                           srcDstStep, g, true, v);
    return rvlResOk;
}

}  // namespace

RVL_BIND(rvliCopyConstBorder_8u_C1R, copy_constant<Rvl8u, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyConstBorder_8u_C1R_L, copy_constant<Rvl8u, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyConstBorder_8u_C1IR_L, copy_constant_in_place<Rvl8u, rvlChannels1>);
RVL_BIND(rvliCopyConstBorder_8u_C3R, copy_constant<Rvl8u, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyConstBorder_8u_C3R_L, copy_constant<Rvl8u, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyConstBorder_8u_C3IR_L, copy_constant_in_place<Rvl8u, rvlChannels3>);
RVL_BIND(rvliCopyConstBorder_8u_C4R, copy_constant<Rvl8u, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyConstBorder_8u_C4R_L, copy_constant<Rvl8u, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyConstBorder_8u_C4IR_L, copy_constant_in_place<Rvl8u, rvlChannels4>);
RVL_BIND(rvliCopyConstBorder_8u_AC4R, copy_constant<Rvl8u, rvlChannelsAC4, RvlSize, int, int>);
RVL_BIND(rvliCopyConstBorder_8u_AC4R_L, copy_constant<Rvl8u, rvlChannelsAC4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyConstBorder_8u_AC4IR_L, copy_constant_in_place<Rvl8u, rvlChannelsAC4>);
RVL_BIND(rvliCopyConstBorder_16u_C1R, copy_constant<Rvl16u, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyConstBorder_16u_C1R_L, copy_constant<Rvl16u, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyConstBorder_16u_C1IR_L, copy_constant_in_place<Rvl16u, rvlChannels1>);
RVL_BIND(rvliCopyConstBorder_16u_C3R, copy_constant<Rvl16u, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyConstBorder_16u_C3R_L, copy_constant<Rvl16u, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyConstBorder_16u_C3IR_L, copy_constant_in_place<Rvl16u, rvlChannels3>);
RVL_BIND(rvliCopyConstBorder_16u_C4R, copy_constant<Rvl16u, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyConstBorder_16u_C4R_L, copy_constant<Rvl16u, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyConstBorder_16u_C4IR_L, copy_constant_in_place<Rvl16u, rvlChannels4>);
RVL_BIND(rvliCopyConstBorder_16u_AC4R, copy_constant<Rvl16u, rvlChannelsAC4, RvlSize, int, int>);
RVL_BIND(rvliCopyConstBorder_16u_AC4R_L, copy_constant<Rvl16u, rvlChannelsAC4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyConstBorder_16u_AC4IR_L, copy_constant_in_place<Rvl16u, rvlChannelsAC4>);
RVL_BIND(rvliCopyConstBorder_16s_C1R, copy_constant<Rvl16s, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyConstBorder_16s_C1R_L, copy_constant<Rvl16s, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyConstBorder_16s_C1IR_L, copy_constant_in_place<Rvl16s, rvlChannels1>);
RVL_BIND(rvliCopyConstBorder_16s_C3R, copy_constant<Rvl16s, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyConstBorder_16s_C3R_L, copy_constant<Rvl16s, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyConstBorder_16s_C3IR_L, copy_constant_in_place<Rvl16s, rvlChannels3>);
RVL_BIND(rvliCopyConstBorder_16s_C4R, copy_constant<Rvl16s, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyConstBorder_16s_C4R_L, copy_constant<Rvl16s, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyConstBorder_16s_C4IR_L, copy_constant_in_place<Rvl16s, rvlChannels4>);
RVL_BIND(rvliCopyConstBorder_16s_AC4R, copy_constant<Rvl16s, rvlChannelsAC4, RvlSize, int, int>);
RVL_BIND(rvliCopyConstBorder_16s_AC4R_L, copy_constant<Rvl16s, rvlChannelsAC4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyConstBorder_16s_AC4IR_L, copy_constant_in_place<Rvl16s, rvlChannelsAC4>);
RVL_BIND(rvliCopyConstBorder_32s_C1R, copy_constant<Rvl32s, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyConstBorder_32s_C1R_L, copy_constant<Rvl32s, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyConstBorder_32s_C1IR_L, copy_constant_in_place<Rvl32s, rvlChannels1>);
RVL_BIND(rvliCopyConstBorder_32s_C3R, copy_constant<Rvl32s, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyConstBorder_32s_C3R_L, copy_constant<Rvl32s, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyConstBorder_32s_C3IR_L, copy_constant_in_place<Rvl32s, rvlChannels3>);
RVL_BIND(rvliCopyConstBorder_32s_C4R, copy_constant<Rvl32s, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyConstBorder_32s_C4R_L, copy_constant<Rvl32s, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyConstBorder_32s_C4IR_L, copy_constant_in_place<Rvl32s, rvlChannels4>);
RVL_BIND(rvliCopyConstBorder_32s_AC4R, copy_constant<Rvl32s, rvlChannelsAC4, RvlSize, int, int>);
RVL_BIND(rvliCopyConstBorder_32s_AC4R_L, copy_constant<Rvl32s, rvlChannelsAC4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyConstBorder_32s_AC4IR_L, copy_constant_in_place<Rvl32s, rvlChannelsAC4>);
RVL_BIND(rvliCopyConstBorder_32f_C1R, copy_constant<Rvl32f, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyConstBorder_32f_C1R_L, copy_constant<Rvl32f, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyConstBorder_32f_C1IR_L, copy_constant_in_place<Rvl32f, rvlChannels1>);
RVL_BIND(rvliCopyConstBorder_32f_C3R, copy_constant<Rvl32f, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyConstBorder_32f_C3R_L, copy_constant<Rvl32f, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyConstBorder_32f_C3IR_L, copy_constant_in_place<Rvl32f, rvlChannels3>);
RVL_BIND(rvliCopyConstBorder_32f_C4R, copy_constant<Rvl32f, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyConstBorder_32f_C4R_L, copy_constant<Rvl32f, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyConstBorder_32f_C4IR_L, copy_constant_in_place<Rvl32f, rvlChannels4>);
RVL_BIND(rvliCopyConstBorder_32f_AC4R, copy_constant<Rvl32f, rvlChannelsAC4, RvlSize, int, int>);
RVL_BIND(rvliCopyConstBorder_32f_AC4R_L, copy_constant<Rvl32f, rvlChannelsAC4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyConstBorder_32f_AC4IR_L, copy_constant_in_place<Rvl32f, rvlChannelsAC4>);

RVL_BIND(rvliCopyReplicateBorder_8u_C1R, copy_extend<Extend::Replicate, Rvl8u, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_8u_C1IR, copy_extend_in_place<Extend::Replicate, Rvl8u, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_8u_C1R_L, copy_extend<Extend::Replicate, Rvl8u, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_8u_C1IR_L, copy_extend_in_place<Extend::Replicate, Rvl8u, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_8u_C3R, copy_extend<Extend::Replicate, Rvl8u, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_8u_C3IR, copy_extend_in_place<Extend::Replicate, Rvl8u, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_8u_C3R_L, copy_extend<Extend::Replicate, Rvl8u, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_8u_C3IR_L, copy_extend_in_place<Extend::Replicate, Rvl8u, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_8u_C4R, copy_extend<Extend::Replicate, Rvl8u, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_8u_C4IR, copy_extend_in_place<Extend::Replicate, Rvl8u, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_8u_C4R_L, copy_extend<Extend::Replicate, Rvl8u, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_8u_C4IR_L, copy_extend_in_place<Extend::Replicate, Rvl8u, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_8u_AC4R, copy_extend<Extend::Replicate, Rvl8u, rvlChannelsAC4, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_8u_AC4IR, copy_extend_in_place<Extend::Replicate, Rvl8u, rvlChannelsAC4, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_8u_AC4R_L, copy_extend<Extend::Replicate, Rvl8u, rvlChannelsAC4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_8u_AC4IR_L, copy_extend_in_place<Extend::Replicate, Rvl8u, rvlChannelsAC4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_16u_C1R, copy_extend<Extend::Replicate, Rvl16u, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_16u_C1IR, copy_extend_in_place<Extend::Replicate, Rvl16u, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_16u_C1R_L, copy_extend<Extend::Replicate, Rvl16u, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_16u_C1IR_L, copy_extend_in_place<Extend::Replicate, Rvl16u, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_16u_C3R, copy_extend<Extend::Replicate, Rvl16u, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_16u_C3IR, copy_extend_in_place<Extend::Replicate, Rvl16u, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_16u_C3R_L, copy_extend<Extend::Replicate, Rvl16u, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_16u_C3IR_L, copy_extend_in_place<Extend::Replicate, Rvl16u, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_16u_C4R, copy_extend<Extend::Replicate, Rvl16u, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_16u_C4IR, copy_extend_in_place<Extend::Replicate, Rvl16u, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_16u_C4R_L, copy_extend<Extend::Replicate, Rvl16u, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_16u_C4IR_L, copy_extend_in_place<Extend::Replicate, Rvl16u, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_16u_AC4R, copy_extend<Extend::Replicate, Rvl16u, rvlChannelsAC4, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_16u_AC4IR, copy_extend_in_place<Extend::Replicate, Rvl16u, rvlChannelsAC4, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_16u_AC4R_L, copy_extend<Extend::Replicate, Rvl16u, rvlChannelsAC4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_16u_AC4IR_L, copy_extend_in_place<Extend::Replicate, Rvl16u, rvlChannelsAC4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_16s_C1R, copy_extend<Extend::Replicate, Rvl16s, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_16s_C1IR, copy_extend_in_place<Extend::Replicate, Rvl16s, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_16s_C1R_L, copy_extend<Extend::Replicate, Rvl16s, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_16s_C1IR_L, copy_extend_in_place<Extend::Replicate, Rvl16s, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_16s_C3R, copy_extend<Extend::Replicate, Rvl16s, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_16s_C3IR, copy_extend_in_place<Extend::Replicate, Rvl16s, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_16s_C3R_L, copy_extend<Extend::Replicate, Rvl16s, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_16s_C3IR_L, copy_extend_in_place<Extend::Replicate, Rvl16s, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_16s_C4R, copy_extend<Extend::Replicate, Rvl16s, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_16s_C4IR, copy_extend_in_place<Extend::Replicate, Rvl16s, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_16s_C4R_L, copy_extend<Extend::Replicate, Rvl16s, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_16s_C4IR_L, copy_extend_in_place<Extend::Replicate, Rvl16s, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_16s_AC4R, copy_extend<Extend::Replicate, Rvl16s, rvlChannelsAC4, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_16s_AC4IR, copy_extend_in_place<Extend::Replicate, Rvl16s, rvlChannelsAC4, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_16s_AC4R_L, copy_extend<Extend::Replicate, Rvl16s, rvlChannelsAC4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_16s_AC4IR_L, copy_extend_in_place<Extend::Replicate, Rvl16s, rvlChannelsAC4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_32s_C1R, copy_extend<Extend::Replicate, Rvl32s, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_32s_C1IR, copy_extend_in_place<Extend::Replicate, Rvl32s, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_32s_C1R_L, copy_extend<Extend::Replicate, Rvl32s, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_32s_C1IR_L, copy_extend_in_place<Extend::Replicate, Rvl32s, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_32s_C3R, copy_extend<Extend::Replicate, Rvl32s, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_32s_C3IR, copy_extend_in_place<Extend::Replicate, Rvl32s, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_32s_C3R_L, copy_extend<Extend::Replicate, Rvl32s, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_32s_C3IR_L, copy_extend_in_place<Extend::Replicate, Rvl32s, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_32s_C4R, copy_extend<Extend::Replicate, Rvl32s, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_32s_C4IR, copy_extend_in_place<Extend::Replicate, Rvl32s, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_32s_C4R_L, copy_extend<Extend::Replicate, Rvl32s, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_32s_C4IR_L, copy_extend_in_place<Extend::Replicate, Rvl32s, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_32s_AC4R, copy_extend<Extend::Replicate, Rvl32s, rvlChannelsAC4, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_32s_AC4IR, copy_extend_in_place<Extend::Replicate, Rvl32s, rvlChannelsAC4, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_32s_AC4R_L, copy_extend<Extend::Replicate, Rvl32s, rvlChannelsAC4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_32s_AC4IR_L, copy_extend_in_place<Extend::Replicate, Rvl32s, rvlChannelsAC4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_32f_C1R, copy_extend<Extend::Replicate, Rvl32f, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_32f_C1IR, copy_extend_in_place<Extend::Replicate, Rvl32f, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_32f_C1R_L, copy_extend<Extend::Replicate, Rvl32f, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_32f_C1IR_L, copy_extend_in_place<Extend::Replicate, Rvl32f, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_32f_C3R, copy_extend<Extend::Replicate, Rvl32f, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_32f_C3IR, copy_extend_in_place<Extend::Replicate, Rvl32f, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_32f_C3R_L, copy_extend<Extend::Replicate, Rvl32f, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_32f_C3IR_L, copy_extend_in_place<Extend::Replicate, Rvl32f, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_32f_C4R, copy_extend<Extend::Replicate, Rvl32f, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_32f_C4IR, copy_extend_in_place<Extend::Replicate, Rvl32f, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_32f_C4R_L, copy_extend<Extend::Replicate, Rvl32f, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_32f_C4IR_L, copy_extend_in_place<Extend::Replicate, Rvl32f, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_32f_AC4R, copy_extend<Extend::Replicate, Rvl32f, rvlChannelsAC4, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_32f_AC4IR, copy_extend_in_place<Extend::Replicate, Rvl32f, rvlChannelsAC4, RvlSize, int, int>);
RVL_BIND(rvliCopyReplicateBorder_32f_AC4R_L, copy_extend<Extend::Replicate, Rvl32f, rvlChannelsAC4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyReplicateBorder_32f_AC4IR_L, copy_extend_in_place<Extend::Replicate, Rvl32f, rvlChannelsAC4, RvlSizeL, std::int64_t, std::int64_t>);

RVL_BIND(rvliCopyMirrorBorder_8u_C1R, copy_extend<Extend::Mirror, Rvl8u, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_8u_C1IR, copy_extend_in_place<Extend::Mirror, Rvl8u, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_8u_C1R_L, copy_extend<Extend::Mirror, Rvl8u, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_8u_C1IR_L, copy_extend_in_place<Extend::Mirror, Rvl8u, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_8u_C3R, copy_extend<Extend::Mirror, Rvl8u, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_8u_C3IR, copy_extend_in_place<Extend::Mirror, Rvl8u, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_8u_C3R_L, copy_extend<Extend::Mirror, Rvl8u, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_8u_C3IR_L, copy_extend_in_place<Extend::Mirror, Rvl8u, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_8u_C4R, copy_extend<Extend::Mirror, Rvl8u, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_8u_C4IR, copy_extend_in_place<Extend::Mirror, Rvl8u, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_8u_C4R_L, copy_extend<Extend::Mirror, Rvl8u, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_8u_C4IR_L, copy_extend_in_place<Extend::Mirror, Rvl8u, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_16u_C1R, copy_extend<Extend::Mirror, Rvl16u, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_16u_C1IR, copy_extend_in_place<Extend::Mirror, Rvl16u, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_16u_C1R_L, copy_extend<Extend::Mirror, Rvl16u, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_16u_C1IR_L, copy_extend_in_place<Extend::Mirror, Rvl16u, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_16u_C3R, copy_extend<Extend::Mirror, Rvl16u, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_16u_C3IR, copy_extend_in_place<Extend::Mirror, Rvl16u, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_16u_C3R_L, copy_extend<Extend::Mirror, Rvl16u, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_16u_C3IR_L, copy_extend_in_place<Extend::Mirror, Rvl16u, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_16u_C4R, copy_extend<Extend::Mirror, Rvl16u, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_16u_C4IR, copy_extend_in_place<Extend::Mirror, Rvl16u, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_16u_C4R_L, copy_extend<Extend::Mirror, Rvl16u, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_16u_C4IR_L, copy_extend_in_place<Extend::Mirror, Rvl16u, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_16s_C1R, copy_extend<Extend::Mirror, Rvl16s, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_16s_C1IR, copy_extend_in_place<Extend::Mirror, Rvl16s, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_16s_C1R_L, copy_extend<Extend::Mirror, Rvl16s, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_16s_C1IR_L, copy_extend_in_place<Extend::Mirror, Rvl16s, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_16s_C3R, copy_extend<Extend::Mirror, Rvl16s, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_16s_C3IR, copy_extend_in_place<Extend::Mirror, Rvl16s, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_16s_C3R_L, copy_extend<Extend::Mirror, Rvl16s, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_16s_C3IR_L, copy_extend_in_place<Extend::Mirror, Rvl16s, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_16s_C4R, copy_extend<Extend::Mirror, Rvl16s, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_16s_C4IR, copy_extend_in_place<Extend::Mirror, Rvl16s, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_16s_C4R_L, copy_extend<Extend::Mirror, Rvl16s, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_16s_C4IR_L, copy_extend_in_place<Extend::Mirror, Rvl16s, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_32s_C1R, copy_extend<Extend::Mirror, Rvl32s, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_32s_C1IR, copy_extend_in_place<Extend::Mirror, Rvl32s, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_32s_C1R_L, copy_extend<Extend::Mirror, Rvl32s, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_32s_C1IR_L, copy_extend_in_place<Extend::Mirror, Rvl32s, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_32s_C3R, copy_extend<Extend::Mirror, Rvl32s, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_32s_C3IR, copy_extend_in_place<Extend::Mirror, Rvl32s, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_32s_C3R_L, copy_extend<Extend::Mirror, Rvl32s, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_32s_C3IR_L, copy_extend_in_place<Extend::Mirror, Rvl32s, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_32s_C4R, copy_extend<Extend::Mirror, Rvl32s, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_32s_C4IR, copy_extend_in_place<Extend::Mirror, Rvl32s, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_32s_C4R_L, copy_extend<Extend::Mirror, Rvl32s, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_32s_C4IR_L, copy_extend_in_place<Extend::Mirror, Rvl32s, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_32f_C1R, copy_extend<Extend::Mirror, Rvl32f, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_32f_C1IR, copy_extend_in_place<Extend::Mirror, Rvl32f, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_32f_C1R_L, copy_extend<Extend::Mirror, Rvl32f, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_32f_C1IR_L, copy_extend_in_place<Extend::Mirror, Rvl32f, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_32f_C3R, copy_extend<Extend::Mirror, Rvl32f, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_32f_C3IR, copy_extend_in_place<Extend::Mirror, Rvl32f, rvlChannels3, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_32f_C3R_L, copy_extend<Extend::Mirror, Rvl32f, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_32f_C3IR_L, copy_extend_in_place<Extend::Mirror, Rvl32f, rvlChannels3, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_32f_C4R, copy_extend<Extend::Mirror, Rvl32f, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_32f_C4IR, copy_extend_in_place<Extend::Mirror, Rvl32f, rvlChannels4, RvlSize, int, int>);
RVL_BIND(rvliCopyMirrorBorder_32f_C4R_L, copy_extend<Extend::Mirror, Rvl32f, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyMirrorBorder_32f_C4IR_L, copy_extend_in_place<Extend::Mirror, Rvl32f, rvlChannels4, RvlSizeL, std::int64_t, std::int64_t>);

RVL_BIND(rvliCopyWrapBorder_32s_C1R, copy_extend<Extend::Wrap, Rvl32s, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyWrapBorder_32s_C1IR, copy_extend_in_place<Extend::Wrap, Rvl32s, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyWrapBorder_32s_C1R_L, copy_extend<Extend::Wrap, Rvl32s, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyWrapBorder_32s_C1IR_L, copy_extend_in_place<Extend::Wrap, Rvl32s, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyWrapBorder_32f_C1R, copy_extend<Extend::Wrap, Rvl32f, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyWrapBorder_32f_C1IR, copy_extend_in_place<Extend::Wrap, Rvl32f, rvlChannels1, RvlSize, int, int>);
RVL_BIND(rvliCopyWrapBorder_32f_C1R_L, copy_extend<Extend::Wrap, Rvl32f, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
RVL_BIND(rvliCopyWrapBorder_32f_C1IR_L, copy_extend_in_place<Extend::Wrap, Rvl32f, rvlChannels1, RvlSizeL, std::int64_t, std::int64_t>);
}  // namespace rvl
