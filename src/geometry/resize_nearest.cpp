// rvliResizeNearest_*: every destination pixel is the source pixel its row
// and column index name. A destination row whose source row is the previous
// row's is copied from that row.
#include <cstring>

#include "frame/entry.hpp"
#include "frame/walk.hpp"
#include "geometry/resize_tile.hpp"

namespace rvl::resize {
namespace {

// Three-channel pixels move as one 4-, 8- or 16-byte word (the pixel and
// the first element of the next): the load is safe while the next source
// pixel is part of the image, the store while the next destination pixel is
// still to be written; the last ones move element by element.
template <class T, int C>
void nearest_rows(const T* src, std::int64_t srcStep, T* dst, std::int64_t dstStep, const Tile& t) {
    constexpr std::size_t kPixel = C * sizeof(T);
    constexpr std::size_t kWord = C == 3 ? (kPixel == 3 ? 4 : kPixel == 6 ? 8 : 16) : kPixel;
    const std::int64_t rowBytes = t.width * static_cast<std::int64_t>(kPixel);
    const std::int64_t lastCol = t.spec->vx.srcLen - 1 - t.srcX;  // the image's last column, tile-relative
    for (std::int64_t r = 0; r < t.height; ++r) {
        T* out = row_at(dst, dstStep, r);
        if (r > 0 && t.rows[r] == t.rows[r - 1]) {
            // memmove: a caller's rows may overlap (a step shorter than a row).
            std::memmove(out, row_at(dst, dstStep, r - 1), static_cast<std::size_t>(rowBytes));
            continue;
        }
        const auto* in = reinterpret_cast<const unsigned char*>(row_at(src, srcStep, t.rows[r]));
        auto* o = reinterpret_cast<unsigned char*>(out);
        std::int64_t c = 0;
        for (; c + 1 < t.width; ++c) {
            if (kWord != kPixel && t.cols[c] >= lastCol) break;
            unsigned char word[kWord];
            std::memcpy(word, in + t.cols[c] * static_cast<std::int64_t>(kPixel), kWord);
            std::memcpy(o + c * static_cast<std::int64_t>(kPixel), word, kWord);
        }
        for (; c < t.width; ++c)
            std::memcpy(o + c * static_cast<std::int64_t>(kPixel), in + t.cols[c] * static_cast<std::int64_t>(kPixel), kPixel);
    }
}

template <class T, int C, Api A, class Step, class Point, class Size>
RvlResult resize_nearest(const T* pSrc, Step srcStep, T* pDst, Step dstStep, Point dstOffset, Size dstSize,
                         const RvlResizeSpec* pSpec, Rvl8u* pBuffer) {
    Tile t;
    if (RvlResult st = start_tile(A, pSrc, srcStep, pDst, dstStep, dstOffset, dstSize, pSpec, pBuffer, rvlInterNearest, &t))
        return st;
    nearest_rows<T, C>(pSrc, srcStep, pDst, dstStep, t);
    return tile_status(t);
}

template <class T, int C>
constexpr auto nearest32 = resize_nearest<T, C, Api::Int32, int, RvlPoint, RvlSize>;
template <class T, int C>
constexpr auto nearestL = resize_nearest<T, C, Api::Long, Rvl64s, RvlPointL, RvlSizeL>;

}  // namespace
}  // namespace rvl::resize

namespace rvl {
using resize::nearest32;
using resize::nearestL;
RVL_BIND(rvliResizeNearest_8u_C1R, nearest32<Rvl8u, 1>);
RVL_BIND(rvliResizeNearest_8u_C3R, nearest32<Rvl8u, 3>);
RVL_BIND(rvliResizeNearest_8u_C4R, nearest32<Rvl8u, 4>);
RVL_BIND(rvliResizeNearest_16u_C1R, nearest32<Rvl16u, 1>);
RVL_BIND(rvliResizeNearest_16u_C3R, nearest32<Rvl16u, 3>);
RVL_BIND(rvliResizeNearest_16u_C4R, nearest32<Rvl16u, 4>);
RVL_BIND(rvliResizeNearest_16s_C1R, nearest32<Rvl16s, 1>);
RVL_BIND(rvliResizeNearest_16s_C3R, nearest32<Rvl16s, 3>);
RVL_BIND(rvliResizeNearest_16s_C4R, nearest32<Rvl16s, 4>);
RVL_BIND(rvliResizeNearest_32f_C1R, nearest32<Rvl32f, 1>);
RVL_BIND(rvliResizeNearest_32f_C3R, nearest32<Rvl32f, 3>);
RVL_BIND(rvliResizeNearest_32f_C4R, nearest32<Rvl32f, 4>);
RVL_BIND(rvliResizeNearest_8u_C1R_L, nearestL<Rvl8u, 1>);
RVL_BIND(rvliResizeNearest_8u_C3R_L, nearestL<Rvl8u, 3>);
RVL_BIND(rvliResizeNearest_8u_C4R_L, nearestL<Rvl8u, 4>);
RVL_BIND(rvliResizeNearest_16u_C1R_L, nearestL<Rvl16u, 1>);
RVL_BIND(rvliResizeNearest_16u_C3R_L, nearestL<Rvl16u, 3>);
RVL_BIND(rvliResizeNearest_16u_C4R_L, nearestL<Rvl16u, 4>);
RVL_BIND(rvliResizeNearest_16s_C1R_L, nearestL<Rvl16s, 1>);
RVL_BIND(rvliResizeNearest_16s_C3R_L, nearestL<Rvl16s, 3>);
RVL_BIND(rvliResizeNearest_16s_C4R_L, nearestL<Rvl16s, 4>);
RVL_BIND(rvliResizeNearest_32f_C1R_L, nearestL<Rvl32f, 1>);
RVL_BIND(rvliResizeNearest_32f_C3R_L, nearestL<Rvl32f, 3>);
RVL_BIND(rvliResizeNearest_32f_C4R_L, nearestL<Rvl32f, 4>);
}  // namespace rvl
