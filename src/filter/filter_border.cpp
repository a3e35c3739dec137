// rvliFilterBorder_<T>_<C>R: correlation with the specification's kernel,
// neighbours outside the ROI from the border type.
//
// Rows are served by BorderedSource (rows inside the effective image in
// place, the others built with their border in the work buffer); each output
// row is one call of the row kernel chosen from the specification: integer
// sums (16-bit multiply-add, a 16-bit loop when the kernel is small enough
// for 8u, 32-bit products for 16u) with their rounding, or floating sums.
#include <algorithm>
#include <cstdint>

#include "filter/filter_spec.hpp"
#include "frame/border.hpp"
#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/neighbourhood.hpp"
#include "frame/spec.hpp"
#include "frame/walk.hpp"
#include "kernels/correlate.hpp"
#include "kernels/filter_round.hpp"
#include "kernels/rounding.hpp"

namespace rvl::filter {
namespace {

template <class T, int C>
struct Job {
    BorderedSource<T>* source;
    T* dst;
    std::int64_t dstStep, width, height;

    template <class Sum, class Finish>
    void run(const Sum& sum, const Finish& finish) const {
        auto row = [&](const RowSet<T>& rows, std::int64_t y, std::int64_t x0, std::int64_t w) {
            neighbourhood_row(rows, w * C, row_at(dst, dstStep, y) + x0 * C, sum, finish);
        };
        if constexpr (kernels::kGroups<Sum>) {
            // Kernels that can, take several output rows per pass over their
            // source rows where those are read in place.
            constexpr int n = Sum::kGroup;
            const int count = static_cast<int>(sum.kh) + n - 1;
            for_output_row_groups(
                *source, n, width, height,
                [&](const RowSet<T>& rows, std::int64_t y, std::int64_t x0, std::int64_t w) {
                    neighbourhood_row_group(rows, count, w * C, row_at(dst, dstStep, y) + x0 * C, dstStep, sum,
                                            finish);
                },
                row);
        } else {
            for_output_rows(*source, width, height, row);
        }
    }
};

template <class T, int C, class Sum>
void finish_integer(const Job<T, C>& job, const FilterSpecData& h, const Sum& sum) {
    const int mode = h.roundMode & 3;
    const Round round = round_of(static_cast<RvlRoundMode>(mode));
    if constexpr (std::is_same_v<T, Rvl8u>) {
        // The vector loop's own rounding, unless the accurate path is asked
        // for or the kernel shape / ROI sends the row to the reference loop.
        // One-row kernels always take the vector loop.
        const bool reference = h.kh > 1 && (job.width < 16 || (h.kw == 1 && h.kh == 2) ||
                                             (h.kw >= 2 && (h.kw == 2 || !h.pairedMadd)));
        if (!(h.roundMode & kAccurateFlag) && !reference && mode != 2) {
            if (h.divisorClass == kDivisorPowerOfTwo) return job.run(sum, kernels::FinishShift8u{h.shift, h.offset});
            RoundingScope scope(mode == 0 ? Rc::TowardZero : Rc::Nearest);
            return job.run(sum, kernels::FinishReciprocal8u{h.reciprocal, h.offset});
        }
    }
    const auto offsetTerm = static_cast<std::int64_t>(std::clamp(static_cast<double>(h.offsetF), -0x1p62, 0x1p62));
    const std::int64_t maxPixel = std::is_signed_v<T> ? 32768 : std::numeric_limits<T>::max();
    const bool fitsLanes = h.absSum * maxPixel + (std::int64_t{1} << h.shift) < (std::int64_t{1} << 31);
    if (offsetTerm == 0 && h.divisorClass != kDivisorOther && fitsLanes) {
        const int shift = h.divisorClass == kDivisorOne ? 0 : h.shift;
        return with_round(round, [&](auto m) { job.run(sum, kernels::FinishShiftAccurate<T, decltype(m)::value>{shift}); });
    }
    const kernels::AccurateRule rule{h.divisorClass, h.shift, mode, h.divisor, h.divisorD, offsetTerm};
    job.run(sum, kernels::FinishAccurateScalar<T>{rule});
}

// Integer kernels: the sum loop for the data type, then the rounding.
template <class T, int C>
void run_integer(const Job<T, C>& job, const FilterSpecData& h) {
    const auto* kend = reversed_kernel<std::int16_t>(&h) + (std::int64_t{h.kw} * h.kh - 1);
    if constexpr (std::is_same_v<T, Rvl8u>) {
        if (h.bytePairs)
            return finish_integer(job, h, kernels::SumBytePairs8u<C>{{kend, h.kw, h.kh}, pair_registers<__m128i>(&h)});
    }
    if constexpr (std::is_same_v<T, Rvl16u>)
        finish_integer(job, h, kernels::SumWide16u<C>{{kend, h.kw, h.kh}});
    else
        finish_integer(job, h, kernels::SumMadd<T, C>{{kend, h.kw, h.kh}, pair_registers<__m128i>(&h)});
}

template <class T, int C>
void run_floating(const Job<T, C>& job, const FilterSpecData& h) {
    RoundingScope scope(Rc::Nearest);  // sums in the default rounding, whatever the caller set
    const std::int64_t last = std::int64_t{h.kw} * h.kh - 1;
    if constexpr (std::is_same_v<T, Rvl64f>) {
        job.run(kernels::SumF64<C>{reversed_kernel<double>(&h) + last, h.kw, h.kh}, kernels::StoreF64{});
    } else {
        const kernels::SumF32<T, C> sum{coefficient_registers<float>(&h), h.kw, h.kh};
        if constexpr (std::is_same_v<T, Rvl32f>)
            job.run(sum, kernels::StoreF32{});
        else
            with_round(round_of(static_cast<RvlRoundMode>(h.roundMode & 3)), [&](auto m) {
                job.run(sum, kernels::FinishF32ToInt<T, decltype(m)::value>{h.offsetF});
            });
    }
}

template <class T, int C>
RvlResult filter_border(const T* pSrc, int srcStep, T* pDst, int dstStep, RvlSize roi, RvlBorderMode border,
                        const T borderValue[], const RvlFilterSpec* pSpec, Rvl8u* pBuffer) {
    const bool constant = (static_cast<std::uint32_t>(border) & 0x0F) == rvlBorderConstant;
    const bool stepsBad = srcStep < 1 || std::int64_t{dstStep} < std::int64_t{roi.width} * std::int64_t{sizeof(T)};
    if (RvlResult st = first_failure({null_check(pSrc, pDst, pSpec, pBuffer),
                                      constant ? null_check(borderValue) : rvlResOk, roi_check(roi),
                                      stepsBad ? rvlResBadStep : rvlResOk}))
        return st;
    Border b;
    if (RvlResult st = decode_border(border, kFilterKinds, &b)) return st;

    const FilterSpecData& h = *align64<const FilterSpecData>(pSpec);
    const Reach reach{(h.kw - 1) / 2, h.kw - 1 - (h.kw - 1) / 2, (h.kh - 1) / 2, h.kh - 1 - (h.kh - 1) / 2};
    // The ring of bordered rows starts at the buffer's first 64-byte
    // boundary; at most kh rows of the ROI's width plus the kernel's, which
    // the reported size always holds.
    BorderedSource<T> source(pSrc, srcStep, roi.width, roi.height, C, reach, b, borderValue, align64<T>(pBuffer));
    const Job<T, C> job{&source, pDst, dstStep, roi.width, roi.height};
    if constexpr (std::is_integral_v<T>) {
        if (integer_id(h.id)) {
            run_integer(job, h);
            return rvlResOk;
        }
    }
    run_floating(job, h);
    return rvlResOk;
}

}  // namespace
}  // namespace rvl::filter

namespace rvl {
using filter::filter_border;
RVL_BIND(rvliFilterBorder_8u_C1R, filter_border<Rvl8u, 1>);
RVL_BIND(rvliFilterBorder_8u_C3R, filter_border<Rvl8u, 3>);
RVL_BIND(rvliFilterBorder_8u_C4R, filter_border<Rvl8u, 4>);
RVL_BIND(rvliFilterBorder_16u_C1R, filter_border<Rvl16u, 1>);
RVL_BIND(rvliFilterBorder_16u_C3R, filter_border<Rvl16u, 3>);
RVL_BIND(rvliFilterBorder_16u_C4R, filter_border<Rvl16u, 4>);
RVL_BIND(rvliFilterBorder_16s_C1R, filter_border<Rvl16s, 1>);
RVL_BIND(rvliFilterBorder_16s_C3R, filter_border<Rvl16s, 3>);
RVL_BIND(rvliFilterBorder_16s_C4R, filter_border<Rvl16s, 4>);
RVL_BIND(rvliFilterBorder_32f_C1R, filter_border<Rvl32f, 1>);
RVL_BIND(rvliFilterBorder_32f_C3R, filter_border<Rvl32f, 3>);
RVL_BIND(rvliFilterBorder_32f_C4R, filter_border<Rvl32f, 4>);
RVL_BIND(rvliFilterBorder_64f_C1R, filter_border<Rvl64f, 1>);
}  // namespace rvl
