// Remap: every destination pixel samples the source at the point its two
// maps give, when that point lies inside the source ROI; other pixels keep
// their values. One implementation for every element type and layout (AC4
// writes three of four channels).
#include <algorithm>
#include <cstdint>
#include <optional>

#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "geometry/lanczos_window.hpp"
#include "kernels/remap_row.hpp"
#include "kernels/remap_sample.hpp"
#include "kernels/rounding.hpp"

namespace rvl::remap {
namespace {

using namespace kernels::remap;
using kernels::warp::edge_weight;
using kernels::warp::store_value;

bool known_interpolation(int i) {
    return i == rvlInterNearest || i == rvlInterLinear || i == rvlInterCubic || i == rvlInterCubicBC || i == rvlInterLanczos;
}

// The interpolation a source of w x h can serve: Lanczos needs 6 pixels a
// side (else cubic), the cubics 4 (else linear), everything but nearest 2.
int lowered(int interp, std::int64_t w, std::int64_t h) {
    if (interp == rvlInterLanczos && (w < 6 || h < 6)) interp = rvlInterCubic;
    if ((interp == rvlInterCubic || interp == rvlInterCubicBC) && (w < 4 || h < 4)) interp = rvlInterLinear;
    if (w == 1 || h == 1) interp = rvlInterNearest;
    return interp;
}

// The tables a call may need, built once per call.
struct Tables {
    std::optional<LagrangeTable> lagrange;
    std::optional<LanczosWindow> lanczos;
};

// One destination pixel: the interpolated values of its first n channels,
// in the arithmetic type, and for the 8u fixed-point kinds the exact bytes.
template <class T, class M>
inline bool sample(const Image<T>& s, const Tables& tab, int interp, M X, M Y, int n, Acc<T>* v, T* exact) {
    using A = Acc<T>;
    switch (interp) {
        case rvlInterNearest:
            nearest(s, X, Y, n, v);
            return false;
        case rvlInterLinear:
            if constexpr (std::is_same_v<T, Rvl8u>) {
                linear_q14(s, X, Y, n, v, exact);
                return true;
            } else {
                linear(s, X, Y, n, v);
                return false;
            }
        case rvlInterCubic:
            if constexpr (std::is_same_v<T, Rvl8u>) {
                for (int c = 0; c < n; ++c) exact[c] = lagrange_q14(s, *tab.lagrange, X, Y, c), v[c] = exact[c];
                return true;
            } else {
                const Window<4, A> wx = lagrange_window<A>(X, s.w), wy = lagrange_window<A>(Y, s.h);
                for (int c = 0; c < n; ++c) v[c] = window_sum(s, wx, wy, c);
                return false;
            }
        case rvlInterCubicBC: {
            const Window<4, A> wx = catmull_rom_window<A>(X, s.w), wy = catmull_rom_window<A>(Y, s.h);
            for (int c = 0; c < n; ++c) v[c] = window_sum(s, wx, wy, c);
            return false;
        }
        default: {
            const Window<6, A> wx = lanczos_window<A>(*tab.lanczos, X, s.w), wy = lanczos_window<A>(*tab.lanczos, Y, s.h);
            for (int c = 0; c < n; ++c) v[c] = window_sum(s, wx, wy, c);
            return false;
        }
    }
}

// Checks in order, then the pixels. CH elements per pixel, W of them
// written.
template <class T, int CH, int W, class M>
RvlResult remap_image(const T* pSrc, RvlSize srcSize, int srcStep, RvlRect srcRoi, const M* pMapX, int mapXStep, const M* pMapY,
                int mapYStep, T* pDst, int dstStep, RvlSize dstRoiSize, int interpolation) {
    if (RvlResult st = null_check(pSrc, pDst, pMapX, pMapY)) return st;
    if (srcSize.width < 1 || srcSize.height < 1 || srcRoi.x < 0 || srcRoi.y < 0 || srcRoi.width < 1 || srcRoi.height < 1 ||
        dstRoiSize.width < 1 || dstRoiSize.height < 1)
        return rvlResBadSize;
    const bool blend = interpolation & rvlInterBlendEdges;
    const int interp = lowered(interpolation & ~rvlInterBlendEdges, srcSize.width, srcSize.height);
    if (!known_interpolation(interpolation & ~rvlInterBlendEdges)) return rvlResBadInterpolation;
    if (srcStep < 1 || dstStep < 1 || mapXStep < 1 || mapYStep < 1) return rvlResBadStep;
    if (srcRoi.x >= srcSize.width || srcRoi.y >= srcSize.height) return rvlResWarnRoiOutside;

    using I64 = std::int64_t;
    Image<T> s{reinterpret_cast<const char*>(pSrc), srcStep, srcSize.width, srcSize.height, CH, srcRoi.x,
               srcRoi.x + std::min<I64>(srcRoi.width, I64{srcSize.width} - srcRoi.x) - 1, srcRoi.y,
               srcRoi.y + std::min<I64>(srcRoi.height, I64{srcSize.height} - srcRoi.y) - 1};
    Tables tab;
    if (interp == rvlInterCubic && std::is_same_v<T, Rvl8u>) tab.lagrange.emplace();
    if (interp == rvlInterLanczos) tab.lanczos.emplace(3);
    const M xmin = static_cast<M>(s.xmin), xmax = static_cast<M>(s.xmax);
    const M ymin = static_cast<M>(s.ymin), ymax = static_cast<M>(s.ymax);
    RoundingScope nearest(Rc::Nearest);
    for (I64 y = 0; y < dstRoiSize.height; ++y) {
        const char* mx = reinterpret_cast<const char*>(pMapX) + y * mapXStep;
        const char* my = reinterpret_cast<const char*>(pMapY) + y * mapYStep;
        char* d = reinterpret_cast<char*>(pDst) + y * dstStep;
        I64 x = 0;
        if constexpr (std::is_same_v<T, Rvl8u> || (CH == 1 && std::is_same_v<T, Rvl32f>)) {
            if (interp == rvlInterLinear && !blend && row_fits(s)) {
                x = linear_row<T, CH, W>(s, mx, my, d, dstRoiSize.width);
                d += x * CH * static_cast<I64>(sizeof(T));
            }
        }
        for (; x < dstRoiSize.width; ++x, d += CH * sizeof(T)) {
            const M X = load<M>(mx + x * sizeof(M)), Y = load<M>(my + x * sizeof(M));
            // Points outside the ROI, and map values that are not numbers,
            // leave the pixel as it is.
            if (!(X >= xmin && X <= xmax && Y >= ymin && Y <= ymax)) continue;
            Acc<T> v[W];
            T exact[W];
            const bool isExact = sample(s, tab, interp, X, Y, W, v, exact);
            if (blend) {
                // Within one pixel of the ROI's edge the value is blended
                // with the destination's.
                const double dist = std::min({static_cast<double>(X - xmin), static_cast<double>(xmax - X),
                                              static_cast<double>(Y - ymin), static_cast<double>(ymax - Y)});
                const Acc<T> a = static_cast<Acc<T>>(edge_weight(dist));
                if (a != 1) {
                    for (int c = 0; c < W; ++c) {
                        const Acc<T> old = static_cast<Acc<T>>(load<T>(d + c * sizeof(T)));
                        store_value<T>(d + c * sizeof(T), old + (v[c] - old) * a);
                    }
                    continue;
                }
            }
            for (int c = 0; c < W; ++c) {
                if (isExact) kernels::warp::store<T>(d + c * sizeof(T), exact[c]);
                else store_value<T>(d + c * sizeof(T), v[c]);
            }
        }
    }
    return rvlResOk;
}

}  // namespace
}  // namespace rvl::remap

namespace rvl {
using namespace remap;

RVL_BIND(rvliRemap_8u_C1R, (remap_image<Rvl8u, 1, 1, Rvl32f>));
RVL_BIND(rvliRemap_8u_C3R, (remap_image<Rvl8u, 3, 3, Rvl32f>));
RVL_BIND(rvliRemap_8u_C4R, (remap_image<Rvl8u, 4, 4, Rvl32f>));
RVL_BIND(rvliRemap_8u_AC4R, (remap_image<Rvl8u, 4, 3, Rvl32f>));
RVL_BIND(rvliRemap_16u_C1R, (remap_image<Rvl16u, 1, 1, Rvl32f>));
RVL_BIND(rvliRemap_16u_C3R, (remap_image<Rvl16u, 3, 3, Rvl32f>));
RVL_BIND(rvliRemap_16u_C4R, (remap_image<Rvl16u, 4, 4, Rvl32f>));
RVL_BIND(rvliRemap_16u_AC4R, (remap_image<Rvl16u, 4, 3, Rvl32f>));
RVL_BIND(rvliRemap_16s_C1R, (remap_image<Rvl16s, 1, 1, Rvl32f>));
RVL_BIND(rvliRemap_16s_C3R, (remap_image<Rvl16s, 3, 3, Rvl32f>));
RVL_BIND(rvliRemap_16s_C4R, (remap_image<Rvl16s, 4, 4, Rvl32f>));
RVL_BIND(rvliRemap_16s_AC4R, (remap_image<Rvl16s, 4, 3, Rvl32f>));
RVL_BIND(rvliRemap_32f_C1R, (remap_image<Rvl32f, 1, 1, Rvl32f>));
RVL_BIND(rvliRemap_32f_C3R, (remap_image<Rvl32f, 3, 3, Rvl32f>));
RVL_BIND(rvliRemap_32f_C4R, (remap_image<Rvl32f, 4, 4, Rvl32f>));
RVL_BIND(rvliRemap_32f_AC4R, (remap_image<Rvl32f, 4, 3, Rvl32f>));
RVL_BIND(rvliRemap_64f_C1R, (remap_image<Rvl64f, 1, 1, Rvl64f>));
RVL_BIND(rvliRemap_64f_C3R, (remap_image<Rvl64f, 3, 3, Rvl64f>));
RVL_BIND(rvliRemap_64f_C4R, (remap_image<Rvl64f, 4, 4, Rvl64f>));
RVL_BIND(rvliRemap_64f_AC4R, (remap_image<Rvl64f, 4, 3, Rvl64f>));

}  // namespace rvl
