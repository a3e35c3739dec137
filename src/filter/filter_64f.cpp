// rvliFilter_64f_C1R: convolution with a caller anchor, every neighbour read
// from memory. dst(x, y) = sum K[i][j] src(x + ax - j, y + ay - i) is the
// correlation of the fully reversed kernel with the window whose first pixel
// is (x + ax - kw + 1, y + ay - kh + 1); the taps are summed in that window's
// order (the first product initialises the sum). The row kernel needs no
// scratch, so the work buffer is only checked.
#include <cstdint>

#include "filter/filter_spec.hpp"
#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/neighbourhood.hpp"
#include "frame/walk.hpp"
#include "kernels/correlate.hpp"
#include "kernels/filter_round.hpp"
#include "kernels/rounding.hpp"

namespace rvl::filter {
namespace {

RvlResult filter_64f(const Rvl64f* pSrc, int srcStep, Rvl64f* pDst, int dstStep, RvlSize roi, const Rvl64f* pKernel,
                     RvlSize kernelSize, RvlPoint anchor, Rvl8u* pBuffer) {
    if (RvlResult st = null_check(pSrc, pDst, pKernel)) return st;
    if (roi_check(roi) || roi_check(kernelSize)) return rvlResBadSize;
    const std::int64_t kw = kernelSize.width, kh = kernelSize.height;
    if (srcStep < (roi.width + kw - 1) * 8 || std::int64_t{dstStep} < std::int64_t{roi.width} * 8) return rvlResBadStep;
    if (RvlResult st = null_check(pBuffer)) return st;

    RoundingScope scope(Rc::Nearest);
    const kernels::SumF64<1> sum{pKernel + (kw * kh - 1), kernelSize.width, kernelSize.height};
    for (std::int64_t y = 0; y < roi.height; ++y) {
        const Rvl64f* first = row_at(pSrc, srcStep, y + anchor.y - kh + 1) + (anchor.x - kw + 1);
        const RowSet<Rvl64f> rows(first, srcStep, 0, kernelSize.height);
        neighbourhood_row(rows, roi.width, row_at(pDst, dstStep, y), sum, kernels::StoreF64{});
    }
    return rvlResOk;
}

}  // namespace
}  // namespace rvl::filter

namespace rvl {
RVL_BIND(rvliFilter_64f_C1R, filter::filter_64f);
}  // namespace rvl
