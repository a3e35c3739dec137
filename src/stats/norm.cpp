// Norms: rvliNorm_*, rvliNormDiff_*, rvliNormRel_* (Inf, L1, L2).
//
// Integer types: Inf is the exact largest magnitude (differences formed
// exactly in 32 bits, so a 16s pixel of -32768 gives 32768); L1 and L2 are
// exact integer sums, the L2 square root taken once in double precision.
// An 8u L2 over a ROI wider than 32768 pixels is the square root of the sum
// of the squared norms of its strips of 32768 columns.
// 32f: Inf is the largest absolute value in single precision. L1 and L2,
// fast path: single-precision sums in four lanes per channel (pixel j of a
// row in lane j mod 4, except that the last pixel of a row whose width is
// 3 mod 4 goes to lane 0; lanes carry over from row to row and are combined
// as (s0 + s1) + (s2 + s3)); squares and differences in single precision.
// Accurate path (rvlHintAccurate): double precision, L1 in two partial sums
// (even and odd columns); NormDiff L1 takes |a - b| in single precision,
// the L2 forms square the difference of the doubles.
// NormRel: the C1 forms divide the two sums of one pass (L2: the square root
// of their quotient); the C3 and C4 forms divide NormDiff by Norm of the
// second image. A zero denominator (32f: below the smallest normal double)
// gives +Inf, or the NaN 0xFFF8000000000000 when the numerator is zero as
// well, and the warning rvlResWarnDivByZero.
//
// Checks: every pointer, then the size and the steps (16u: the steps before
// the size). The 16u L1 norm is the 16u sum, with one check before all
// others: a step below 1.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/walk.hpp"
#include "kernels/reduce.hpp"
#include "stats/stats_common.hpp"

namespace rvl {
namespace {

using NK = NormKind;

constexpr std::int64_t kStripColumns = 32768;

// Exact integer accumulation of one strip of columns [x0, x1): the Inf
// maximum or the L1/L2 sum per channel.
template <NK K, class T, int C, bool Diff>
void integer_strip(const T* a, int as, const T* b, int bs, std::int64_t height, std::int64_t x0, std::int64_t x1,
                   std::uint64_t (&acc)[C]) {
    // Whole rows that follow each other without a gap are one run: the
    // registers' lanes are then added up once, not once per row.
    const std::int64_t rowBytes = C * x1 * static_cast<std::int64_t>(sizeof(T));
    if (x0 == 0 && height > 1 && as == rowBytes && (!Diff || bs == rowBytes)) {
        x1 *= height;
        height = 1;
    }
    for (std::int64_t y = 0; y < height; ++y) {
        const T* ra = row_at(a, as, y);
        const T* rb = Diff ? row_at(b, bs, y) : nullptr;
        std::int64_t x = x0;
        if constexpr (std::is_same_v<T, Rvl8u>) {
            x = x0 + add_byte_norms<K, C, Diff>(ra + C * x0, Diff ? rb + C * x0 : nullptr, C * (x1 - x0), acc) / C;
        }
        for (; x < x1; ++x)
            for (int c = 0; c < C; ++c) {
                std::int64_t v = ra[C * x + c];
                if constexpr (Diff) v -= rb[C * x + c];
                const std::uint64_t m = static_cast<std::uint64_t>(v < 0 ? -v : v);
                if constexpr (K == NK::Inf) acc[c] = m > acc[c] ? m : acc[c];
                else if constexpr (K == NK::L1) acc[c] += m;
                else acc[c] += m * m;
            }
    }
}

// Per channel: the Inf norm, the L1 sum, or the L2 sum of squares (before
// the square root), for integer sources.
template <NK K, class T, int C, bool Diff>
void integer_sums(const T* a, int as, const T* b, int bs, RvlSize roi, double (&out)[C]) {
    const std::int64_t w = roi.width;
    if (std::is_same_v<T, Rvl8u> && K == NK::L2 && w > kStripColumns) {
        double total[C] = {};
        for (std::int64_t x0 = 0; x0 < w; x0 += kStripColumns) {
            std::uint64_t strip[C] = {};
            integer_strip<K, T, C, Diff>(a, as, b, bs, roi.height, x0, std::min(w, x0 + kStripColumns), strip);
            for (int c = 0; c < C; ++c) {
                const double norm = std::sqrt(static_cast<double>(strip[c]));
                total[c] += norm * norm;
            }
        }
        for (int c = 0; c < C; ++c) out[c] = total[c];
        return;
    }
    std::uint64_t acc[C] = {};
    integer_strip<K, T, C, Diff>(a, as, b, bs, roi.height, 0, w, acc);
    for (int c = 0; c < C; ++c) out[c] = static_cast<double>(acc[c]);
}

// Per channel, for 32f: the Inf norm, the L1 sum or the L2 sum of squares.
template <NK K, int C, bool Diff>
void float_sums(const Rvl32f* a, int as, const Rvl32f* b, int bs, RvlSize roi, RvlHintAlgorithm hint, double (&out)[C]) {
    const std::int64_t w = roi.width;
    if constexpr (K == NK::Inf) {
        float m[C] = {};
        for (std::int64_t y = 0; y < roi.height; ++y) {
            const Rvl32f* ra = row_at(a, as, y);
            const Rvl32f* rb = Diff ? row_at(b, bs, y) : nullptr;
            max_abs_row<C, Diff>(ra, rb, w * C, m);
        }
        for (int c = 0; c < C; ++c) out[c] = m[c];
    } else if (hint == rvlHintAccurate) {
        double even[C] = {}, odd[C] = {};
        for (std::int64_t y = 0; y < roi.height; ++y) {
            const Rvl32f* ra = row_at(a, as, y);
            const Rvl32f* rb = Diff ? row_at(b, bs, y) : nullptr;
            for (std::int64_t x = 0; x < w; ++x)
                for (int c = 0; c < C; ++c) {
                    double v;
                    if constexpr (K == NK::L1) {
                        v = std::fabs(Diff ? ra[C * x + c] - rb[C * x + c] : ra[C * x + c]);
                        (x & 1 ? odd : even)[c] += v;
                    } else {
                        v = Diff ? double(ra[C * x + c]) - double(rb[C * x + c]) : double(ra[C * x + c]);
                        even[c] += v * v;
                    }
                }
        }
        for (int c = 0; c < C; ++c) out[c] = even[c] + odd[c];
    } else {
        float lanes[C][4] = {};
        for (std::int64_t y = 0; y < roi.height; ++y) {
            const Rvl32f* ra = row_at(a, as, y);
            const Rvl32f* rb = Diff ? row_at(b, bs, y) : nullptr;
            if constexpr (K == NK::L1)
                add_to_lanes<C, true, Diff, LaneMap::Abs>(ra, rb, w, lanes);
            else
                add_to_lanes<C, true, Diff, LaneMap::Square>(ra, rb, w, lanes);
        }
        for (int c = 0; c < C; ++c) out[c] = static_cast<double>(combine_lanes(lanes[c]));
    }
}

template <NK K, class T, int C, bool Diff>
void sums(const T* a, int as, const T* b, int bs, RvlSize roi, RvlHintAlgorithm hint, double (&out)[C]) {
    if constexpr (std::is_same_v<T, Rvl32f>)
        float_sums<K, C, Diff>(a, as, b, bs, roi, hint, out);
    else
        integer_sums<K, T, C, Diff>(a, as, b, bs, roi, out);
}

template <NK K>
double finish(double sum) { return K == NK::L2 ? std::sqrt(sum) : sum; }

template <class T, class... P>
RvlResult norm_checks(RvlSize roi, std::initializer_list<RvlResult> steps, const P*... pointers) {
    if (RvlResult st = null_check(pointers...)) return st;
    RvlResult stepStatus = rvlResOk;
    for (RvlResult s : steps)
        if (s) stepStatus = s;
    if constexpr (std::is_same_v<T, Rvl16u>) return first_failure({stepStatus, roi_check(roi)});
    else return first_failure({roi_check(roi), stepStatus});
}

template <NK K, class T, int C>
RvlResult norm(const T* pSrc, int srcStep, RvlSize roiSize, Rvl64f* pValue, RvlHintAlgorithm hint) {
    if (RvlResult st = norm_checks<T>(roiSize, {step_check(srcStep)}, pSrc, pValue)) return st;
    double s[C];
    sums<K, T, C, false>(pSrc, srcStep, pSrc, srcStep, roiSize, hint, s);
    for (int c = 0; c < C; ++c) pValue[c] = finish<K>(s[c]);
    return rvlResOk;
}

template <NK K, class T, int C>
RvlResult norm_diff(const T* pSrc1, int src1Step, const T* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue,
                    RvlHintAlgorithm hint) {
    if (RvlResult st = norm_checks<T>(roiSize, {step_check(src1Step, src2Step)}, pSrc1, pSrc2, pValue)) return st;
    double s[C];
    sums<K, T, C, true>(pSrc1, src1Step, pSrc2, src2Step, roiSize, hint, s);
    for (int c = 0; c < C; ++c) pValue[c] = finish<K>(s[c]);
    return rvlResOk;
}

// num / den, or the zero-denominator values.
template <class T>
bool divide_or_flag(double num, double den, Rvl64f* out) {
    const bool zeroDen = std::is_same_v<T, Rvl32f> ? den < DBL_MIN : den == 0.0;
    if (!zeroDen) {
        *out = num / den;
        return false;
    }
    const bool zeroNum = std::is_same_v<T, Rvl32f> ? num < DBL_MIN : num == 0.0;
    const std::uint64_t bits = zeroNum ? 0xFFF8000000000000ull : 0x7FF0000000000000ull;
    std::memcpy(out, &bits, sizeof bits);
    return true;
}

template <NK K, class T, int C>
RvlResult norm_rel(const T* pSrc1, int src1Step, const T* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue,
                   RvlHintAlgorithm hint) {
    if (RvlResult st = norm_checks<T>(roiSize, {step_check(src1Step, src2Step)}, pSrc1, pSrc2, pValue)) return st;
    double num[C], den[C];
    sums<K, T, C, true>(pSrc1, src1Step, pSrc2, src2Step, roiSize, hint, num);
    sums<K, T, C, false>(pSrc2, src2Step, pSrc2, src2Step, roiSize, hint, den);
    bool warned = false;
    for (int c = 0; c < C; ++c) {
        if (C == 1 && K == NK::L2) {  // the square root of the quotient of the sums
            warned |= divide_or_flag<T>(num[c], den[c], &pValue[c]);
            if (!std::isnan(pValue[c]) && !std::isinf(pValue[c])) pValue[c] = std::sqrt(pValue[c]);
        } else {
            warned |= divide_or_flag<T>(finish<K>(num[c]), finish<K>(den[c]), &pValue[c]);
        }
    }
    return warned ? rvlResWarnDivByZero : rvlResOk;
}

// Signatures without the hint (integer types and every Inf form).
template <NK K, class T, int C>
RvlResult norm_plain(const T* pSrc, int srcStep, RvlSize roiSize, Rvl64f* pValue) {
    return norm<K, T, C>(pSrc, srcStep, roiSize, pValue, rvlHintNone);
}
template <NK K, class T, int C>
RvlResult norm_diff_plain(const T* pSrc1, int src1Step, const T* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue) {
    return norm_diff<K, T, C>(pSrc1, src1Step, pSrc2, src2Step, roiSize, pValue, rvlHintNone);
}
template <NK K, class T, int C>
RvlResult norm_rel_plain(const T* pSrc1, int src1Step, const T* pSrc2, int src2Step, RvlSize roiSize, Rvl64f* pValue) {
    return norm_rel<K, T, C>(pSrc1, src1Step, pSrc2, src2Step, roiSize, pValue, rvlHintNone);
}

// The 16u L1 norm: the 16u sum, after a step check that comes first.
template <int C>
RvlResult norm_l1_16u(const Rvl16u* pSrc, int srcStep, RvlSize roiSize, Rvl64f* pValue) {
    if (srcStep < 1) return rvlResBadStep;
    if (RvlResult st = first_failure({null_check(pSrc, pValue), roi_check(roiSize)})) return st;
    return channel_sums<Rvl16u, C>(pSrc, srcStep, roiSize, pValue, rvlHintNone);
}

}  // namespace

RVL_BIND(rvliNorm_Inf_8u_C1R, norm_plain<NK::Inf, Rvl8u, 1>);
RVL_BIND(rvliNorm_Inf_8u_C3R, norm_plain<NK::Inf, Rvl8u, 3>);
RVL_BIND(rvliNorm_Inf_8u_C4R, norm_plain<NK::Inf, Rvl8u, 4>);
RVL_BIND(rvliNorm_Inf_16u_C1R, norm_plain<NK::Inf, Rvl16u, 1>);
RVL_BIND(rvliNorm_Inf_16u_C3R, norm_plain<NK::Inf, Rvl16u, 3>);
RVL_BIND(rvliNorm_Inf_16u_C4R, norm_plain<NK::Inf, Rvl16u, 4>);
RVL_BIND(rvliNorm_Inf_16s_C1R, norm_plain<NK::Inf, Rvl16s, 1>);
RVL_BIND(rvliNorm_Inf_16s_C3R, norm_plain<NK::Inf, Rvl16s, 3>);
RVL_BIND(rvliNorm_Inf_16s_C4R, norm_plain<NK::Inf, Rvl16s, 4>);
RVL_BIND(rvliNorm_Inf_32f_C1R, norm_plain<NK::Inf, Rvl32f, 1>);
RVL_BIND(rvliNorm_Inf_32f_C3R, norm_plain<NK::Inf, Rvl32f, 3>);
RVL_BIND(rvliNorm_Inf_32f_C4R, norm_plain<NK::Inf, Rvl32f, 4>);
RVL_BIND(rvliNorm_L1_8u_C1R, norm_plain<NK::L1, Rvl8u, 1>);
RVL_BIND(rvliNorm_L1_8u_C3R, norm_plain<NK::L1, Rvl8u, 3>);
RVL_BIND(rvliNorm_L1_8u_C4R, norm_plain<NK::L1, Rvl8u, 4>);
RVL_BIND(rvliNorm_L1_16u_C1R, norm_l1_16u<1>);
RVL_BIND(rvliNorm_L1_16u_C3R, norm_l1_16u<3>);
RVL_BIND(rvliNorm_L1_16u_C4R, norm_l1_16u<4>);
RVL_BIND(rvliNorm_L1_16s_C1R, norm_plain<NK::L1, Rvl16s, 1>);
RVL_BIND(rvliNorm_L1_16s_C3R, norm_plain<NK::L1, Rvl16s, 3>);
RVL_BIND(rvliNorm_L1_16s_C4R, norm_plain<NK::L1, Rvl16s, 4>);
RVL_BIND(rvliNorm_L1_32f_C1R, norm<NK::L1, Rvl32f, 1>);
RVL_BIND(rvliNorm_L1_32f_C3R, norm<NK::L1, Rvl32f, 3>);
RVL_BIND(rvliNorm_L1_32f_C4R, norm<NK::L1, Rvl32f, 4>);
RVL_BIND(rvliNorm_L2_8u_C1R, norm_plain<NK::L2, Rvl8u, 1>);
RVL_BIND(rvliNorm_L2_8u_C3R, norm_plain<NK::L2, Rvl8u, 3>);
RVL_BIND(rvliNorm_L2_8u_C4R, norm_plain<NK::L2, Rvl8u, 4>);
RVL_BIND(rvliNorm_L2_16u_C1R, norm_plain<NK::L2, Rvl16u, 1>);
RVL_BIND(rvliNorm_L2_16u_C3R, norm_plain<NK::L2, Rvl16u, 3>);
RVL_BIND(rvliNorm_L2_16u_C4R, norm_plain<NK::L2, Rvl16u, 4>);
RVL_BIND(rvliNorm_L2_16s_C1R, norm_plain<NK::L2, Rvl16s, 1>);
RVL_BIND(rvliNorm_L2_16s_C3R, norm_plain<NK::L2, Rvl16s, 3>);
RVL_BIND(rvliNorm_L2_16s_C4R, norm_plain<NK::L2, Rvl16s, 4>);
RVL_BIND(rvliNorm_L2_32f_C1R, norm<NK::L2, Rvl32f, 1>);
RVL_BIND(rvliNorm_L2_32f_C3R, norm<NK::L2, Rvl32f, 3>);
RVL_BIND(rvliNorm_L2_32f_C4R, norm<NK::L2, Rvl32f, 4>);

RVL_BIND(rvliNormDiff_Inf_8u_C1R, norm_diff_plain<NK::Inf, Rvl8u, 1>);
RVL_BIND(rvliNormDiff_Inf_8u_C3R, norm_diff_plain<NK::Inf, Rvl8u, 3>);
RVL_BIND(rvliNormDiff_Inf_8u_C4R, norm_diff_plain<NK::Inf, Rvl8u, 4>);
RVL_BIND(rvliNormDiff_Inf_16u_C1R, norm_diff_plain<NK::Inf, Rvl16u, 1>);
RVL_BIND(rvliNormDiff_Inf_16u_C3R, norm_diff_plain<NK::Inf, Rvl16u, 3>);
RVL_BIND(rvliNormDiff_Inf_16u_C4R, norm_diff_plain<NK::Inf, Rvl16u, 4>);
RVL_BIND(rvliNormDiff_Inf_16s_C1R, norm_diff_plain<NK::Inf, Rvl16s, 1>);
RVL_BIND(rvliNormDiff_Inf_16s_C3R, norm_diff_plain<NK::Inf, Rvl16s, 3>);
RVL_BIND(rvliNormDiff_Inf_16s_C4R, norm_diff_plain<NK::Inf, Rvl16s, 4>);
RVL_BIND(rvliNormDiff_Inf_32f_C1R, norm_diff_plain<NK::Inf, Rvl32f, 1>);
RVL_BIND(rvliNormDiff_Inf_32f_C3R, norm_diff_plain<NK::Inf, Rvl32f, 3>);
RVL_BIND(rvliNormDiff_Inf_32f_C4R, norm_diff_plain<NK::Inf, Rvl32f, 4>);
RVL_BIND(rvliNormDiff_L1_8u_C1R, norm_diff_plain<NK::L1, Rvl8u, 1>);
RVL_BIND(rvliNormDiff_L1_8u_C3R, norm_diff_plain<NK::L1, Rvl8u, 3>);
RVL_BIND(rvliNormDiff_L1_8u_C4R, norm_diff_plain<NK::L1, Rvl8u, 4>);
RVL_BIND(rvliNormDiff_L1_16u_C1R, norm_diff_plain<NK::L1, Rvl16u, 1>);
RVL_BIND(rvliNormDiff_L1_16u_C3R, norm_diff_plain<NK::L1, Rvl16u, 3>);
RVL_BIND(rvliNormDiff_L1_16u_C4R, norm_diff_plain<NK::L1, Rvl16u, 4>);
RVL_BIND(rvliNormDiff_L1_16s_C1R, norm_diff_plain<NK::L1, Rvl16s, 1>);
RVL_BIND(rvliNormDiff_L1_16s_C3R, norm_diff_plain<NK::L1, Rvl16s, 3>);
RVL_BIND(rvliNormDiff_L1_16s_C4R, norm_diff_plain<NK::L1, Rvl16s, 4>);
RVL_BIND(rvliNormDiff_L1_32f_C1R, norm_diff<NK::L1, Rvl32f, 1>);
RVL_BIND(rvliNormDiff_L1_32f_C3R, norm_diff<NK::L1, Rvl32f, 3>);
RVL_BIND(rvliNormDiff_L1_32f_C4R, norm_diff<NK::L1, Rvl32f, 4>);
RVL_BIND(rvliNormDiff_L2_8u_C1R, norm_diff_plain<NK::L2, Rvl8u, 1>);
RVL_BIND(rvliNormDiff_L2_8u_C3R, norm_diff_plain<NK::L2, Rvl8u, 3>);
RVL_BIND(rvliNormDiff_L2_8u_C4R, norm_diff_plain<NK::L2, Rvl8u, 4>);
RVL_BIND(rvliNormDiff_L2_16u_C1R, norm_diff_plain<NK::L2, Rvl16u, 1>);
RVL_BIND(rvliNormDiff_L2_16u_C3R, norm_diff_plain<NK::L2, Rvl16u, 3>);
RVL_BIND(rvliNormDiff_L2_16u_C4R, norm_diff_plain<NK::L2, Rvl16u, 4>);
RVL_BIND(rvliNormDiff_L2_16s_C1R, norm_diff_plain<NK::L2, Rvl16s, 1>);
RVL_BIND(rvliNormDiff_L2_16s_C3R, norm_diff_plain<NK::L2, Rvl16s, 3>);
RVL_BIND(rvliNormDiff_L2_16s_C4R, norm_diff_plain<NK::L2, Rvl16s, 4>);
RVL_BIND(rvliNormDiff_L2_32f_C1R, norm_diff<NK::L2, Rvl32f, 1>);
RVL_BIND(rvliNormDiff_L2_32f_C3R, norm_diff<NK::L2, Rvl32f, 3>);
RVL_BIND(rvliNormDiff_L2_32f_C4R, norm_diff<NK::L2, Rvl32f, 4>);

RVL_BIND(rvliNormRel_Inf_8u_C1R, norm_rel_plain<NK::Inf, Rvl8u, 1>);
RVL_BIND(rvliNormRel_Inf_8u_C3R, norm_rel_plain<NK::Inf, Rvl8u, 3>);
RVL_BIND(rvliNormRel_Inf_8u_C4R, norm_rel_plain<NK::Inf, Rvl8u, 4>);
RVL_BIND(rvliNormRel_Inf_16u_C1R, norm_rel_plain<NK::Inf, Rvl16u, 1>);
RVL_BIND(rvliNormRel_Inf_16u_C3R, norm_rel_plain<NK::Inf, Rvl16u, 3>);
RVL_BIND(rvliNormRel_Inf_16u_C4R, norm_rel_plain<NK::Inf, Rvl16u, 4>);
RVL_BIND(rvliNormRel_Inf_16s_C1R, norm_rel_plain<NK::Inf, Rvl16s, 1>);
RVL_BIND(rvliNormRel_Inf_16s_C3R, norm_rel_plain<NK::Inf, Rvl16s, 3>);
RVL_BIND(rvliNormRel_Inf_16s_C4R, norm_rel_plain<NK::Inf, Rvl16s, 4>);
RVL_BIND(rvliNormRel_Inf_32f_C1R, norm_rel_plain<NK::Inf, Rvl32f, 1>);
RVL_BIND(rvliNormRel_Inf_32f_C3R, norm_rel_plain<NK::Inf, Rvl32f, 3>);
RVL_BIND(rvliNormRel_Inf_32f_C4R, norm_rel_plain<NK::Inf, Rvl32f, 4>);
RVL_BIND(rvliNormRel_L1_8u_C1R, norm_rel_plain<NK::L1, Rvl8u, 1>);
RVL_BIND(rvliNormRel_L1_8u_C3R, norm_rel_plain<NK::L1, Rvl8u, 3>);
RVL_BIND(rvliNormRel_L1_8u_C4R, norm_rel_plain<NK::L1, Rvl8u, 4>);
RVL_BIND(rvliNormRel_L1_16u_C1R, norm_rel_plain<NK::L1, Rvl16u, 1>);
RVL_BIND(rvliNormRel_L1_16u_C3R, norm_rel_plain<NK::L1, Rvl16u, 3>);
RVL_BIND(rvliNormRel_L1_16u_C4R, norm_rel_plain<NK::L1, Rvl16u, 4>);
RVL_BIND(rvliNormRel_L1_16s_C1R, norm_rel_plain<NK::L1, Rvl16s, 1>);
RVL_BIND(rvliNormRel_L1_16s_C3R, norm_rel_plain<NK::L1, Rvl16s, 3>);
RVL_BIND(rvliNormRel_L1_16s_C4R, norm_rel_plain<NK::L1, Rvl16s, 4>);
RVL_BIND(rvliNormRel_L1_32f_C1R, norm_rel<NK::L1, Rvl32f, 1>);
RVL_BIND(rvliNormRel_L1_32f_C3R, norm_rel<NK::L1, Rvl32f, 3>);
RVL_BIND(rvliNormRel_L1_32f_C4R, norm_rel<NK::L1, Rvl32f, 4>);
RVL_BIND(rvliNormRel_L2_8u_C1R, norm_rel_plain<NK::L2, Rvl8u, 1>);
RVL_BIND(rvliNormRel_L2_8u_C3R, norm_rel_plain<NK::L2, Rvl8u, 3>);
RVL_BIND(rvliNormRel_L2_8u_C4R, norm_rel_plain<NK::L2, Rvl8u, 4>);
RVL_BIND(rvliNormRel_L2_16u_C1R, norm_rel_plain<NK::L2, Rvl16u, 1>);
RVL_BIND(rvliNormRel_L2_16u_C3R, norm_rel_plain<NK::L2, Rvl16u, 3>);
RVL_BIND(rvliNormRel_L2_16u_C4R, norm_rel_plain<NK::L2, Rvl16u, 4>);
RVL_BIND(rvliNormRel_L2_16s_C1R, norm_rel_plain<NK::L2, Rvl16s, 1>);
RVL_BIND(rvliNormRel_L2_16s_C3R, norm_rel_plain<NK::L2, Rvl16s, 3>);
RVL_BIND(rvliNormRel_L2_16s_C4R, norm_rel_plain<NK::L2, Rvl16s, 4>);
RVL_BIND(rvliNormRel_L2_32f_C1R, norm_rel<NK::L2, Rvl32f, 1>);
RVL_BIND(rvliNormRel_L2_32f_C3R, norm_rel<NK::L2, Rvl32f, 3>);
RVL_BIND(rvliNormRel_L2_32f_C4R, norm_rel<NK::L2, Rvl32f, 4>);
}  // namespace rvl
