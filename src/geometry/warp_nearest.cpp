// Affine warp with nearest interpolation: every element type and layout,
// both APIs, on the shared worker.
#include "frame/entry.hpp"
#include "geometry/warp_worker.hpp"

namespace rvl {
using namespace warp;

RVL_BIND(rvliWarpAffineNearest_8u_C1R, (warp_affine<Rvl8u, 1, rvlInterNearest, kMagic>));
RVL_BIND(rvliWarpAffineNearest_8u_C3R, (warp_affine<Rvl8u, 3, rvlInterNearest, kMagic>));
RVL_BIND(rvliWarpAffineNearest_8u_C4R, (warp_affine<Rvl8u, 4, rvlInterNearest, kMagic>));
RVL_BIND(rvliWarpAffineNearest_16u_C1R, (warp_affine<Rvl16u, 1, rvlInterNearest, kMagic>));
RVL_BIND(rvliWarpAffineNearest_16u_C3R, (warp_affine<Rvl16u, 3, rvlInterNearest, kMagic>));
RVL_BIND(rvliWarpAffineNearest_16u_C4R, (warp_affine<Rvl16u, 4, rvlInterNearest, kMagic>));
RVL_BIND(rvliWarpAffineNearest_16s_C1R, (warp_affine<Rvl16s, 1, rvlInterNearest, kMagic>));
RVL_BIND(rvliWarpAffineNearest_16s_C3R, (warp_affine<Rvl16s, 3, rvlInterNearest, kMagic>));
RVL_BIND(rvliWarpAffineNearest_16s_C4R, (warp_affine<Rvl16s, 4, rvlInterNearest, kMagic>));
RVL_BIND(rvliWarpAffineNearest_32f_C1R, (warp_affine<Rvl32f, 1, rvlInterNearest, kMagic>));
RVL_BIND(rvliWarpAffineNearest_32f_C3R, (warp_affine<Rvl32f, 3, rvlInterNearest, kMagic>));
RVL_BIND(rvliWarpAffineNearest_32f_C4R, (warp_affine<Rvl32f, 4, rvlInterNearest, kMagic>));
RVL_BIND(rvliWarpAffineNearest_64f_C1R, (warp_affine<Rvl64f, 1, rvlInterNearest, kMagic>));
RVL_BIND(rvliWarpAffineNearest_64f_C3R, (warp_affine<Rvl64f, 3, rvlInterNearest, kMagic>));
RVL_BIND(rvliWarpAffineNearest_64f_C4R, (warp_affine<Rvl64f, 4, rvlInterNearest, kMagic>));
RVL_BIND(rvliWarpAffineNearest_8u_C1R_L, (warp_affine<Rvl8u, 1, rvlInterNearest, kMagicL>));
RVL_BIND(rvliWarpAffineNearest_8u_C3R_L, (warp_affine<Rvl8u, 3, rvlInterNearest, kMagicL>));
RVL_BIND(rvliWarpAffineNearest_8u_C4R_L, (warp_affine<Rvl8u, 4, rvlInterNearest, kMagicL>));
RVL_BIND(rvliWarpAffineNearest_16u_C1R_L, (warp_affine<Rvl16u, 1, rvlInterNearest, kMagicL>));
RVL_BIND(rvliWarpAffineNearest_16u_C3R_L, (warp_affine<Rvl16u, 3, rvlInterNearest, kMagicL>));
RVL_BIND(rvliWarpAffineNearest_16u_C4R_L, (warp_affine<Rvl16u, 4, rvlInterNearest, kMagicL>));
RVL_BIND(rvliWarpAffineNearest_16s_C1R_L, (warp_affine<Rvl16s, 1, rvlInterNearest, kMagicL>));
RVL_BIND(rvliWarpAffineNearest_16s_C3R_L, (warp_affine<Rvl16s, 3, rvlInterNearest, kMagicL>));
RVL_BIND(rvliWarpAffineNearest_16s_C4R_L, (warp_affine<Rvl16s, 4, rvlInterNearest, kMagicL>));
RVL_BIND(rvliWarpAffineNearest_32f_C1R_L, (warp_affine<Rvl32f, 1, rvlInterNearest, kMagicL>));
RVL_BIND(rvliWarpAffineNearest_32f_C3R_L, (warp_affine<Rvl32f, 3, rvlInterNearest, kMagicL>));
RVL_BIND(rvliWarpAffineNearest_32f_C4R_L, (warp_affine<Rvl32f, 4, rvlInterNearest, kMagicL>));
RVL_BIND(rvliWarpAffineNearest_64f_C1R_L, (warp_affine<Rvl64f, 1, rvlInterNearest, kMagicL>));
RVL_BIND(rvliWarpAffineNearest_64f_C3R_L, (warp_affine<Rvl64f, 3, rvlInterNearest, kMagicL>));
RVL_BIND(rvliWarpAffineNearest_64f_C4R_L, (warp_affine<Rvl64f, 4, rvlInterNearest, kMagicL>));

}  // namespace rvl
