// rvliResizeSuper_*: every destination pixel is the area-weighted mean of
// the source pixels it covers. Per destination row, the rows of its period
// position are summed with their weights into one row of column sums (in
// the work buffer), then each destination pixel sums its columns with the
// horizontal weights and takes the factor (D'x/S'x)(D'y/S'y), all in single
// precision; integers round to nearest (ties to even) and saturate. Equal
// sizes on both axes copy the source.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "frame/entry.hpp"
#include "frame/walk.hpp"
#include "geometry/resize_tile.hpp"
#include "kernels/resize_taps.hpp"
#include "kernels/rounding.hpp"

namespace rvl::resize {
namespace {

using I64 = std::int64_t;

template <class T, int C>
void super_tile(const Tile& t, const T* src, I64 srcStep, T* dst, I64 dstStep) {
    const Axis& vx = t.spec->vx;
    const Axis& vy = t.spec->vy;
    if (vx.srcLen == vx.dstLen && vy.srcLen == vy.dstLen) {
        for (I64 r = 0; r < t.height; ++r)
            std::memcpy(row_at(dst, dstStep, r), row_at(src, srcStep, r), static_cast<std::size_t>(t.width * C) * sizeof(T));
        return;
    }
    if constexpr (!std::is_same_v<T, float>) {
        // Whole-pixel blocks of a power-of-two area: the same values in integers.
        const I64 kx = vx.srcReduced, ky = vy.srcReduced, area = kx * ky;
        if (vx.dstReduced == 1 && vy.dstReduced == 1 && area <= 256 && (area & (area - 1)) == 0) {
            int shift = 0;
            while ((I64{1} << shift) < area) ++shift;
            if constexpr (std::is_same_v<T, Rvl8u>) {
                if (kx == 2) {
                    const std::uint8_t* rows[128];
                    for (I64 r = 0; r < t.height; ++r) {
                        const I64 row = (t.y + r) * ky - t.srcY;
                        for (I64 l = 0; l < ky; ++l) rows[l] = row_at(src, srcStep, row + l);
                        if (ky == 2) kernels::pair_block_row_u8<C, 2>(rows, 2, t.width, shift, row_at(dst, dstStep, r));
                        else kernels::pair_block_row_u8<C>(rows, static_cast<int>(ky), t.width, shift, row_at(dst, dstStep, r));
                    }
                    return;
                }
            }
            auto* sums = reinterpret_cast<std::int32_t*>(t.rest);
            for (I64 r = 0; r < t.height; ++r) {
                const I64 row = (t.y + r) * ky - t.srcY;
                for (I64 l = 0; l < ky; ++l) kernels::add_row_i32(row_at(src, srcStep, row + l), t.width * kx * C, l == 0, sums);
                sums[t.width * kx * C] = 0;  // the int a three-channel register reads past the last pixel
                kernels::block_mean_row<T, C>(sums, t.width, static_cast<int>(kx), shift, row_at(dst, dstStep, r));
            }
            return;
        }
    }
    const float factor = (static_cast<float>(vx.dstReduced) / static_cast<float>(vx.srcReduced)) *
                         (static_cast<float>(vy.dstReduced) / static_cast<float>(vy.srcReduced));
    const int nx = vx.superTaps, ny = vy.superTaps;
    // The source columns under the tile: from the first tap of its first
    // column to the last tap of its last.
    const I64 lastX = t.x + t.width - 1;
    const I64 span = lastX / vx.dstReduced * vx.srcReduced + vx.index[(lastX % vx.dstReduced + 1) * nx - 1] - t.srcX + 1;
    float* sums = reinterpret_cast<float*>(t.rest);
    for (I64 r = 0; r < t.height; ++r) {
        const I64 Y = t.y + r;
        const I64 rowBase = Y / vy.dstReduced * vy.srcReduced - t.srcY;
        const std::int32_t* iy = vy.index + Y % vy.dstReduced * ny;
        const float* wy = vy.weights32 + Y % vy.dstReduced * ny;
        for (int l = 0; l < ny; ++l) kernels::accumulate_row(row_at(src, srcStep, rowBase + iy[l]), wy[l], span * C, l == 0, sums);
        sums[span * C] = 0.0f;  // the lane a three-channel register reads past the last pixel
        kernels::super_row<T, C>(sums, t.width, nx, factor, vx.index, vx.weights32, vx.dstReduced, vx.srcReduced,
                                 t.x % vx.dstReduced, t.x / vx.dstReduced * vx.srcReduced - t.srcX,
                                 row_at(dst, dstStep, r));
    }
}

template <class T, int C, Api A, class Step, class Point, class Size>
RvlResult resize_super(const T* pSrc, Step srcStep, T* pDst, Step dstStep, Point dstOffset, Size dstSize,
                       const RvlResizeSpec* pSpec, Rvl8u* pBuffer) {
    Tile t;
    if (RvlResult st = start_tile(A, pSrc, srcStep, pDst, dstStep, dstOffset, dstSize, pSpec, pBuffer, rvlInterSuper, &t))
        return st;
    RoundingScope scope(Rc::Nearest);
    super_tile<T, C>(t, pSrc, srcStep, pDst, dstStep);
    return tile_status(t);
}

template <class T, int C>
constexpr auto super32 = resize_super<T, C, Api::Int32, int, RvlPoint, RvlSize>;
template <class T, int C>
constexpr auto superL = resize_super<T, C, Api::Long, Rvl64s, RvlPointL, RvlSizeL>;

}  // namespace
}  // namespace rvl::resize

namespace rvl {
using resize::super32;
using resize::superL;
RVL_BIND(rvliResizeSuper_8u_C1R, super32<Rvl8u, 1>);
RVL_BIND(rvliResizeSuper_8u_C3R, super32<Rvl8u, 3>);
RVL_BIND(rvliResizeSuper_8u_C4R, super32<Rvl8u, 4>);
RVL_BIND(rvliResizeSuper_16u_C1R, super32<Rvl16u, 1>);
RVL_BIND(rvliResizeSuper_16u_C3R, super32<Rvl16u, 3>);
RVL_BIND(rvliResizeSuper_16u_C4R, super32<Rvl16u, 4>);
RVL_BIND(rvliResizeSuper_16s_C1R, super32<Rvl16s, 1>);
RVL_BIND(rvliResizeSuper_16s_C3R, super32<Rvl16s, 3>);
RVL_BIND(rvliResizeSuper_16s_C4R, super32<Rvl16s, 4>);
RVL_BIND(rvliResizeSuper_32f_C1R, super32<Rvl32f, 1>);
RVL_BIND(rvliResizeSuper_32f_C3R, super32<Rvl32f, 3>);
RVL_BIND(rvliResizeSuper_32f_C4R, super32<Rvl32f, 4>);
RVL_BIND(rvliResizeSuper_8u_C1R_L, superL<Rvl8u, 1>);
RVL_BIND(rvliResizeSuper_8u_C3R_L, superL<Rvl8u, 3>);
RVL_BIND(rvliResizeSuper_8u_C4R_L, superL<Rvl8u, 4>);
RVL_BIND(rvliResizeSuper_16u_C1R_L, superL<Rvl16u, 1>);
RVL_BIND(rvliResizeSuper_16u_C3R_L, superL<Rvl16u, 3>);
RVL_BIND(rvliResizeSuper_16u_C4R_L, superL<Rvl16u, 4>);
RVL_BIND(rvliResizeSuper_16s_C1R_L, superL<Rvl16s, 1>);
RVL_BIND(rvliResizeSuper_16s_C3R_L, superL<Rvl16s, 3>);
RVL_BIND(rvliResizeSuper_16s_C4R_L, superL<Rvl16s, 4>);
RVL_BIND(rvliResizeSuper_32f_C1R_L, superL<Rvl32f, 1>);
RVL_BIND(rvliResizeSuper_32f_C3R_L, superL<Rvl32f, 3>);
RVL_BIND(rvliResizeSuper_32f_C4R_L, superL<Rvl32f, 4>);
}  // namespace rvl
