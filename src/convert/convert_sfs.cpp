// Conversions with a scale factor: rvliConvert_<S><D>_C1RSfs and the
// in-place rvliConvert_32f32u_C1IRSfs. Each value becomes
// saturate(round(value * 2^-scaleFactor)) with the rounding of rndMode;
// integer sources with scaleFactor <= 0 are shifted without rounding.
//
// Checks: null pointers, then the ROI size.
#include <cstring>

#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/walk.hpp"
#include "kernels/block_row.hpp"
#include "kernels/convert.hpp"

namespace rvl {
namespace {

template <class S, class D>
RvlResult convert_sfs(const S* pSrc, int srcStep, D* pDst, int dstStep, RvlSize roiSize, RvlRoundMode rndMode,
                      int scaleFactor) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst), roi_check(roiSize)})) return st;
    const ElementKernel<SfsConvert<S, D>> kernel{{scaleFactor, round_of(rndMode)}};
    return map_image<rvlChannels1>(pSrc, srcStep, pDst, dstStep, roiSize.width, roiSize.height, kernel);
}

// In place: each element's four bytes hold a 32f value on entry and its 32u
// result on return (read and written through memcpy, as the two types share
// the storage).
RvlResult convert_32f32u_in_place(Rvl32u* pSrcDst, int srcDstStep, RvlSize roiSize, RvlRoundMode rndMode,
                                  int scaleFactor) {
    if (RvlResult st = first_failure({null_check(pSrcDst), roi_check(roiSize)})) return st;
    const SfsConvert<Rvl32f, Rvl32u> convert{scaleFactor, round_of(rndMode)};
    return for_rows(roiSize.height, [&](std::int64_t y) {
        Rvl32u* row = row_at(pSrcDst, srcDstStep, y);
        for (int x = 0; x < roiSize.width; ++x) {
            Rvl32f v;
            std::memcpy(&v, row + x, sizeof v);
            const Rvl32u r = convert(v);
            std::memcpy(row + x, &r, sizeof r);
        }
    });
}

}  // namespace

RVL_BIND(rvliConvert_8u8s_C1RSfs, convert_sfs<Rvl8u, Rvl8s>);
RVL_BIND(rvliConvert_16s8s_C1RSfs, convert_sfs<Rvl16s, Rvl8s>);
RVL_BIND(rvliConvert_16u8s_C1RSfs, convert_sfs<Rvl16u, Rvl8s>);
RVL_BIND(rvliConvert_16u16s_C1RSfs, convert_sfs<Rvl16u, Rvl16s>);
RVL_BIND(rvliConvert_32s16s_C1RSfs, convert_sfs<Rvl32s, Rvl16s>);
RVL_BIND(rvliConvert_32s16u_C1RSfs, convert_sfs<Rvl32s, Rvl16u>);
RVL_BIND(rvliConvert_32u8u_C1RSfs, convert_sfs<Rvl32u, Rvl8u>);
RVL_BIND(rvliConvert_32u8s_C1RSfs, convert_sfs<Rvl32u, Rvl8s>);
RVL_BIND(rvliConvert_32u16u_C1RSfs, convert_sfs<Rvl32u, Rvl16u>);
RVL_BIND(rvliConvert_32u16s_C1RSfs, convert_sfs<Rvl32u, Rvl16s>);
RVL_BIND(rvliConvert_32u32s_C1RSfs, convert_sfs<Rvl32u, Rvl32s>);
RVL_BIND(rvliConvert_32f8u_C1RSfs, convert_sfs<Rvl32f, Rvl8u>);
RVL_BIND(rvliConvert_32f8s_C1RSfs, convert_sfs<Rvl32f, Rvl8s>);
RVL_BIND(rvliConvert_32f16u_C1RSfs, convert_sfs<Rvl32f, Rvl16u>);
RVL_BIND(rvliConvert_32f16s_C1RSfs, convert_sfs<Rvl32f, Rvl16s>);
RVL_BIND(rvliConvert_32f32s_C1RSfs, convert_sfs<Rvl32f, Rvl32s>);
RVL_BIND(rvliConvert_32f32u_C1RSfs, convert_sfs<Rvl32f, Rvl32u>);
RVL_BIND(rvliConvert_64f8u_C1RSfs, convert_sfs<Rvl64f, Rvl8u>);
RVL_BIND(rvliConvert_64f8s_C1RSfs, convert_sfs<Rvl64f, Rvl8s>);
RVL_BIND(rvliConvert_64f16u_C1RSfs, convert_sfs<Rvl64f, Rvl16u>);
RVL_BIND(rvliConvert_64f16s_C1RSfs, convert_sfs<Rvl64f, Rvl16s>);
RVL_BIND(rvliConvert_32f32u_C1IRSfs, convert_32f32u_in_place);

}  // namespace rvl
