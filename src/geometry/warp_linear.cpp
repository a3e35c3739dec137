// Affine warp with linear interpolation: every element type and layout,
// both APIs, on the shared worker.
#include "frame/entry.hpp"
#include "geometry/warp_worker.hpp"

namespace rvl {
using namespace warp;

RVL_BIND(rvliWarpAffineLinear_8u_C1R, (warp_affine<Rvl8u, 1, rvlInterLinear, kMagic>));
RVL_BIND(rvliWarpAffineLinear_8u_C3R, (warp_affine<Rvl8u, 3, rvlInterLinear, kMagic>));
RVL_BIND(rvliWarpAffineLinear_8u_C4R, (warp_affine<Rvl8u, 4, rvlInterLinear, kMagic>));
RVL_BIND(rvliWarpAffineLinear_16u_C1R, (warp_affine<Rvl16u, 1, rvlInterLinear, kMagic>));
RVL_BIND(rvliWarpAffineLinear_16u_C3R, (warp_affine<Rvl16u, 3, rvlInterLinear, kMagic>));
RVL_BIND(rvliWarpAffineLinear_16u_C4R, (warp_affine<Rvl16u, 4, rvlInterLinear, kMagic>));
RVL_BIND(rvliWarpAffineLinear_16s_C1R, (warp_affine<Rvl16s, 1, rvlInterLinear, kMagic>));
RVL_BIND(rvliWarpAffineLinear_16s_C3R, (warp_affine<Rvl16s, 3, rvlInterLinear, kMagic>));
RVL_BIND(rvliWarpAffineLinear_16s_C4R, (warp_affine<Rvl16s, 4, rvlInterLinear, kMagic>));
RVL_BIND(rvliWarpAffineLinear_32f_C1R, (warp_affine<Rvl32f, 1, rvlInterLinear, kMagic>));
RVL_BIND(rvliWarpAffineLinear_32f_C3R, (warp_affine<Rvl32f, 3, rvlInterLinear, kMagic>));
RVL_BIND(rvliWarpAffineLinear_32f_C4R, (warp_affine<Rvl32f, 4, rvlInterLinear, kMagic>));
RVL_BIND(rvliWarpAffineLinear_64f_C1R, (warp_affine<Rvl64f, 1, rvlInterLinear, kMagic>));
RVL_BIND(rvliWarpAffineLinear_64f_C3R, (warp_affine<Rvl64f, 3, rvlInterLinear, kMagic>));
RVL_BIND(rvliWarpAffineLinear_64f_C4R, (warp_affine<Rvl64f, 4, rvlInterLinear, kMagic>));
RVL_BIND(rvliWarpAffineLinear_8u_C1R_L, (warp_affine<Rvl8u, 1, rvlInterLinear, kMagicL>));
RVL_BIND(rvliWarpAffineLinear_8u_C3R_L, (warp_affine<Rvl8u, 3, rvlInterLinear, kMagicL>));
RVL_BIND(rvliWarpAffineLinear_8u_C4R_L, (warp_affine<Rvl8u, 4, rvlInterLinear, kMagicL>));
RVL_BIND(rvliWarpAffineLinear_16u_C1R_L, (warp_affine<Rvl16u, 1, rvlInterLinear, kMagicL>));
RVL_BIND(rvliWarpAffineLinear_16u_C3R_L, (warp_affine<Rvl16u, 3, rvlInterLinear, kMagicL>));
RVL_BIND(rvliWarpAffineLinear_16u_C4R_L, (warp_affine<Rvl16u, 4, rvlInterLinear, kMagicL>));
RVL_BIND(rvliWarpAffineLinear_16s_C1R_L, (warp_affine<Rvl16s, 1, rvlInterLinear, kMagicL>));
RVL_BIND(rvliWarpAffineLinear_16s_C3R_L, (warp_affine<Rvl16s, 3, rvlInterLinear, kMagicL>));
RVL_BIND(rvliWarpAffineLinear_16s_C4R_L, (warp_affine<Rvl16s, 4, rvlInterLinear, kMagicL>));
RVL_BIND(rvliWarpAffineLinear_32f_C1R_L, (warp_affine<Rvl32f, 1, rvlInterLinear, kMagicL>));
RVL_BIND(rvliWarpAffineLinear_32f_C3R_L, (warp_affine<Rvl32f, 3, rvlInterLinear, kMagicL>));
RVL_BIND(rvliWarpAffineLinear_32f_C4R_L, (warp_affine<Rvl32f, 4, rvlInterLinear, kMagicL>));
RVL_BIND(rvliWarpAffineLinear_64f_C1R_L, (warp_affine<Rvl64f, 1, rvlInterLinear, kMagicL>));
RVL_BIND(rvliWarpAffineLinear_64f_C3R_L, (warp_affine<Rvl64f, 3, rvlInterLinear, kMagicL>));
RVL_BIND(rvliWarpAffineLinear_64f_C4R_L, (warp_affine<Rvl64f, 4, rvlInterLinear, kMagicL>));

}  // namespace rvl
