// Affine warp with cubic interpolation: every element type and layout,
// both APIs, on the shared worker.
#include "frame/entry.hpp"
#include "geometry/warp_worker.hpp"

namespace rvl {
using namespace warp;

RVL_BIND(rvliWarpAffineCubic_8u_C1R, (warp_affine<Rvl8u, 1, rvlInterCubicBC, kMagic>));
RVL_BIND(rvliWarpAffineCubic_8u_C3R, (warp_affine<Rvl8u, 3, rvlInterCubicBC, kMagic>));
RVL_BIND(rvliWarpAffineCubic_8u_C4R, (warp_affine<Rvl8u, 4, rvlInterCubicBC, kMagic>));
RVL_BIND(rvliWarpAffineCubic_16u_C1R, (warp_affine<Rvl16u, 1, rvlInterCubicBC, kMagic>));
RVL_BIND(rvliWarpAffineCubic_16u_C3R, (warp_affine<Rvl16u, 3, rvlInterCubicBC, kMagic>));
RVL_BIND(rvliWarpAffineCubic_16u_C4R, (warp_affine<Rvl16u, 4, rvlInterCubicBC, kMagic>));
RVL_BIND(rvliWarpAffineCubic_16s_C1R, (warp_affine<Rvl16s, 1, rvlInterCubicBC, kMagic>));
RVL_BIND(rvliWarpAffineCubic_16s_C3R, (warp_affine<Rvl16s, 3, rvlInterCubicBC, kMagic>));
RVL_BIND(rvliWarpAffineCubic_16s_C4R, (warp_affine<Rvl16s, 4, rvlInterCubicBC, kMagic>));
RVL_BIND(rvliWarpAffineCubic_32f_C1R, (warp_affine<Rvl32f, 1, rvlInterCubicBC, kMagic>));
RVL_BIND(rvliWarpAffineCubic_32f_C3R, (warp_affine<Rvl32f, 3, rvlInterCubicBC, kMagic>));
RVL_BIND(rvliWarpAffineCubic_32f_C4R, (warp_affine<Rvl32f, 4, rvlInterCubicBC, kMagic>));
RVL_BIND(rvliWarpAffineCubic_64f_C1R, (warp_affine<Rvl64f, 1, rvlInterCubicBC, kMagic>));
RVL_BIND(rvliWarpAffineCubic_64f_C3R, (warp_affine<Rvl64f, 3, rvlInterCubicBC, kMagic>));
RVL_BIND(rvliWarpAffineCubic_64f_C4R, (warp_affine<Rvl64f, 4, rvlInterCubicBC, kMagic>));
RVL_BIND(rvliWarpAffineCubic_8u_C1R_L, (warp_affine<Rvl8u, 1, rvlInterCubicBC, kMagicL>));
RVL_BIND(rvliWarpAffineCubic_8u_C3R_L, (warp_affine<Rvl8u, 3, rvlInterCubicBC, kMagicL>));
RVL_BIND(rvliWarpAffineCubic_8u_C4R_L, (warp_affine<Rvl8u, 4, rvlInterCubicBC, kMagicL>));
RVL_BIND(rvliWarpAffineCubic_16u_C1R_L, (warp_affine<Rvl16u, 1, rvlInterCubicBC, kMagicL>));
RVL_BIND(rvliWarpAffineCubic_16u_C3R_L, (warp_affine<Rvl16u, 3, rvlInterCubicBC, kMagicL>));
RVL_BIND(rvliWarpAffineCubic_16u_C4R_L, (warp_affine<Rvl16u, 4, rvlInterCubicBC, kMagicL>));
RVL_BIND(rvliWarpAffineCubic_16s_C1R_L, (warp_affine<Rvl16s, 1, rvlInterCubicBC, kMagicL>));
RVL_BIND(rvliWarpAffineCubic_16s_C3R_L, (warp_affine<Rvl16s, 3, rvlInterCubicBC, kMagicL>));
RVL_BIND(rvliWarpAffineCubic_16s_C4R_L, (warp_affine<Rvl16s, 4, rvlInterCubicBC, kMagicL>));
RVL_BIND(rvliWarpAffineCubic_32f_C1R_L, (warp_affine<Rvl32f, 1, rvlInterCubicBC, kMagicL>));
RVL_BIND(rvliWarpAffineCubic_32f_C3R_L, (warp_affine<Rvl32f, 3, rvlInterCubicBC, kMagicL>));
RVL_BIND(rvliWarpAffineCubic_32f_C4R_L, (warp_affine<Rvl32f, 4, rvlInterCubicBC, kMagicL>));
RVL_BIND(rvliWarpAffineCubic_64f_C1R_L, (warp_affine<Rvl64f, 1, rvlInterCubicBC, kMagicL>));
RVL_BIND(rvliWarpAffineCubic_64f_C3R_L, (warp_affine<Rvl64f, 3, rvlInterCubicBC, kMagicL>));
RVL_BIND(rvliWarpAffineCubic_64f_C4R_L, (warp_affine<Rvl64f, 4, rvlInterCubicBC, kMagicL>));

}  // namespace rvl
