// rvliGradientVector<Sobel, Scharr, Prewitt>_<S><D>_<C1R, C3C1R>, their
// buffer-size query, and rvliFilterSobel_<S><D>_C1R with its query.
//
// Per output row, a chunk of pixels at a time: both derivatives of every
// channel are computed into arrays on the stack (8u sources in exact 16-bit
// integers, the others in single precision, exact for 16-bit data), the
// three-channel forms keep each pixel's strongest channel, and the requested
// outputs are produced from the arrays.
//
// Gx is the derivative along x taken as the right column minus the left one,
// so that, like Gy (the row below minus the row above), it grows with the
// coordinate and atan2(Gy, Gx) is the direction in which the image gets
// brighter. The Scharr and Prewitt gradients of mask 55 use the 5x5 Sobel
// vectors, the only 5x5 derivative vectors the library defines.
//
// A three-channel source gives, at each pixel, the gradient of the channel
// whose Gx^2 + Gy^2 is largest (the first of equal ones): the edge of a
// colour image is where some channel changes most, and averaging the
// channels would cancel edges between colours of equal brightness.
//
// The 16s magnitude of normType 4 is sqrt(Gx^2 + Gy^2) rounded to the
// nearest integer (no half occurs: Gx^2 + Gy^2 is an integer) and saturated
// to 32767.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <type_traits>

#include "filter/fixed_kernel.hpp"
#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/spec.hpp"
#include "kernels/atan2.hpp"

namespace rvl::filter {
namespace {

using kernels::Separable;
using kernels::Taps;

// normType: the magnitude |Gx| + |Gy| or sqrt(Gx^2 + Gy^2).
constexpr int kNormL1 = 2;
constexpr int kNormL2 = 4;

using Smooth3 = Taps<1, 2, 1>;
using Smooth5 = Taps<1, 4, 6, 4, 1>;
using Diff3 = Taps<-1, 0, 1>;
using Diff5 = Taps<-1, -2, 0, 2, 1>;

// Gx and Gy kernels of each operator's 3x3 mask.
struct Sobel {
    using X3 = Separable<Diff3, Smooth3>;
    using Y3 = Separable<Smooth3, Diff3>;
};
struct Scharr {
    using X3 = Separable<Diff3, Taps<3, 10, 3>>;
    using Y3 = Separable<Taps<3, 10, 3>, Diff3>;
};
struct Prewitt {
    using X3 = Separable<Diff3, Taps<1, 1, 1>>;
    using Y3 = Separable<Taps<1, 1, 1>, Diff3>;
};
using SobelX5 = Separable<Diff5, Smooth5>;
using SobelY5 = Separable<Smooth5, Diff5>;

// ---- Buffer size ---------------------------------------------------------------

inline std::int64_t element_size(int dataType) {
    switch (dataType) {
        case rvlType8u: return 1;
        case rvlType16u:
        case rvlType16s: return 2;
        case rvlType32f: return 4;
        default: return 0;
    }
}

// Rows of (max(W, H) + m - 1) elements for the source rows a window reads
// (m, plus one more for 5x5 windows of images at least 8 pixels across).
inline __int128 gradient_bytes(RvlSize roi, int mask, std::int64_t channels, std::int64_t elementSize) {
    const __int128 W = roi.width, H = roi.height, M = std::max(W, H), lo = std::min(W, H);
    const __int128 m = mask == rvlMask3x3 ? 3 : 5, full = mask == rvlMask3x3 ? 1 : 2;
    const __int128 r = lo >= (mask == rvlMask3x3 ? 4 : 8) ? full : lo;
    return channels * (M + m - 1) * (r + m - 1) * elementSize;
}


RvlResult gradient_buffer_size(RvlSize roi, int mask, int dataType, int numChannels, int* pBufferSize) {
    if (RvlResult st = first_failure({null_check(pBufferSize), roi_check(roi)})) return st;
    if (mask != rvlMask3x3 && mask != rvlMask5x5) return rvlResBadMaskSize;
    if (element_size(dataType) == 0) return rvlResBadDataType;
    if (numChannels != 1 && numChannels != 3) return rvlResBadChannelCount;
    return report_size(gradient_bytes(roi, mask, numChannels, element_size(dataType)), pBufferSize);
}

RvlResult sobel_buffer_size(RvlSize roi, int mask, int normType, int srcDataType, int dstDataType, int numChannels,
                            int* pBufferSize) {
    if (RvlResult st = first_failure({null_check(pBufferSize), roi_check(roi)})) return st;
    if (mask != rvlMask3x3 && mask != rvlMask5x5) return rvlResBadMaskSize;
    if (normType != kNormL1 && normType != kNormL2) return rvlResBadArg;
    const bool pairOk = dstDataType == rvlType16s ? srcDataType == rvlType8u
                      : dstDataType == rvlType32f ? srcDataType == rvlType16u || srcDataType == rvlType16s || srcDataType == rvlType32f
                                                  : false;
    if (!pairOk) return rvlResBadDataType;
    if (numChannels != 1) return rvlResBadChannelCount;
    return report_size(gradient_bytes(roi, mask, 1, element_size(srcDataType)), pBufferSize);
}

// ---- Outputs -------------------------------------------------------------------

// Derivatives: 16-bit integers from 8u sources, floats otherwise; the
// outputs are of the same type.
template <class S>
using Grad = std::conditional_t<std::is_same_v<S, Rvl8u>, std::int16_t, float>;

template <class D>
struct Outputs {
    D* gx;
    int gxStep;
    D* gy;
    int gyStep;
    D* mag;
    int magStep;
    Rvl32f* angle;
    int angleStep;
    int normType;
};

// |a| + |b| and sqrt(a^2 + b^2) of n derivative pairs.
inline void magnitude(const std::int16_t* gx, const std::int16_t* gy, std::int64_t n, int normType, std::int16_t* out) {
    using namespace vec;
    if (normType == kNormL1) {
        const auto abs16 = [](i16 v) { return v < 0 ? -v : v; };
        kernels::for_blocks<std::int64_t(lanes<std::int16_t>)>(
            n,
            [=](std::int64_t i) {
                i16 a, b;
                std::memcpy(&a, gx + i, sizeof a);
                std::memcpy(&b, gy + i, sizeof b);
                const i16 r = adds(abs16(a), abs16(b));
                std::memcpy(out + i, &r, sizeof r);
            },
            [=](std::int64_t i) {
                out[i] = static_cast<std::int16_t>(std::min(std::abs(int{gx[i]}) + std::abs(int{gy[i]}), 32767));
            });
        return;
    }
    // The rounded root q of s = a^2 + b^2: a single-precision estimate
    // (off by at most one, whatever the rounding of the conversions),
    // corrected to the integer with q^2 - q < s <= q^2 + q, i.e. with
    // d = s - q^2 in (-q, q]; the signed pack saturates it to 32767.
    constexpr std::int64_t L = lanes<std::int32_t>;
    kernels::for_blocks<4 * L>(
        n,
        [=](std::int64_t i) {
            I r[4];
            for (int k = 0; k < 4; ++k) {
                const i32 a = kernels::load_as<std::int32_t>(gx + i + k * L), b = kernels::load_as<std::int32_t>(gy + i + k * L);
                const i32 s = a * a + b * b;
                i32 q = trunc_i32(as<f32>(RVL_MM(sqrt_ps)(as<F>(__builtin_convertvector(s, f32)))) + 0.5f);
                const i32 d = s - q * q;
                q = q - (d > q) + (d <= -q);  // true lanes are -1
                r[k] = as<I>(q < 0 ? splat<i32>(0) : q);
            }
            store_sat4<false>(out + i, r);
        },
        [=](std::int64_t i) {
            const std::int32_t a = gx[i], b = gy[i], s = a * a + b * b;
            std::int32_t q = static_cast<std::int32_t>(__builtin_sqrtf(static_cast<float>(s)) + 0.5f);
            const std::int32_t d = s - q * q;
            q = q + (d > q) - (d <= -q);
            out[i] = static_cast<std::int16_t>(std::clamp(q, 0, 32767));
        });
}

inline void magnitude(const float* gx, const float* gy, std::int64_t n, int normType, float* out) {
    using namespace vec;
    const bool l1 = normType == kNormL1;
    kernels::for_blocks<std::int64_t(lanes<float>)>(
        n,
        [=](std::int64_t i) {
            const f32 a = kernels::load_as<float>(gx + i), b = kernels::load_as<float>(gy + i);
            f32 r;
            if (l1) r = as<f32>(as<i32>(a) & 0x7FFFFFFF) + as<f32>(as<i32>(b) & 0x7FFFFFFF);
            else r = as<f32>(RVL_MM(sqrt_ps)(as<F>(a * a + b * b)));
            std::memcpy(out + i, &r, sizeof r);
        },
        [=](std::int64_t i) {
            const float a = gx[i], b = gy[i];
            out[i] = l1 ? __builtin_fabsf(a) + __builtin_fabsf(b) : __builtin_sqrtf(a * a + b * b);
        });
}

template <class G>
inline void angles(const G* gx, const G* gy, std::int64_t n, Rvl32f* out) {
    kernels::for_blocks<std::int64_t(vec::lanes<float>)>(
        n,
        [=](std::int64_t i) {
            const vec::f32 r = kernels::atan2_f32(kernels::load_as<float>(gy + i), kernels::load_as<float>(gx + i));
            std::memcpy(out + i, &r, sizeof r);
        },
        [=](std::int64_t i) { out[i] = kernels::atan2_f32(static_cast<float>(gy[i]), static_cast<float>(gx[i])); });
}

// Of each pixel's three channels, the derivatives of the one whose
// Gx^2 + Gy^2 is largest (the first of equal ones).
template <class G>
inline void strongest_channel(const G* gx, const G* gy, std::int64_t n, G* sx, G* sy) {
    using Sq = std::conditional_t<std::is_same_v<G, float>, float, std::int32_t>;
    for (std::int64_t k = 0; k < n; ++k) {
        int best = 0;
        Sq top = Sq(gx[3 * k]) * gx[3 * k] + Sq(gy[3 * k]) * gy[3 * k];
        for (int c = 1; c < 3; ++c) {
            const Sq m = Sq(gx[3 * k + c]) * gx[3 * k + c] + Sq(gy[3 * k + c]) * gy[3 * k + c];
            if (m > top) top = m, best = c;
        }
        sx[k] = gx[3 * k + best];
        sy[k] = gy[3 * k + best];
    }
}

// ---- The gradient ------------------------------------------------------------------

// Pixels per chunk of derivatives on the stack.
constexpr std::int64_t kChunk = 256;

template <class KX, class KY, int C, class S, class D>
void gradient_rows(const S* src, int srcStep, RvlSize roi, int mask, const Border& border, const S* value, Rvl8u* buffer,
                   const Outputs<D>& out) {
    using G = Grad<S>;
    using A = FixedAcc<S>;
    static_assert(std::is_same_v<G, D>);
    constexpr Reach reach = centred_kernel_reach<KX>();
    constexpr std::int64_t m = KX::kWidth;
    // The source rows' ring, at the element alignment of S. A buffer of the
    // queried size that does not start at that alignment lacks the room for
    // whole rows: the output columns are then walked in narrower pieces, or,
    // for images too narrow for that, with the ring on the stack.
    WorkBuffer work(buffer);
    S* ring = work.take<S>(0);
    const std::int64_t bytes = static_cast<std::int64_t>(gradient_bytes(roi, mask, C, sizeof(S))) -
                               (reinterpret_cast<Rvl8u*>(ring) - buffer);
    const std::int64_t columns = bytes / static_cast<std::int64_t>(m * C * sizeof(S)) - (m - 1);
    S local[5 * 5 * 3];
    BorderedSource<S> source(src, srcStep, roi.width, roi.height, C, reach, border, value, ring);
    if (columns < 1) {
        source = BorderedSource<S>(src, srcStep, roi.width, roi.height, C, reach, border, value, local);
        source.limit_pieces(1);
    } else if (columns < roi.width) {
        source.limit_pieces(columns);
    }
    const kernels::AsIs finish;
    for_output_rows(source, roi.width, roi.height, [&](const RowSet<S>& rows, std::int64_t y, std::int64_t x0, std::int64_t w) {
        // The chosen derivatives go straight to the outputs that are asked
        // for, otherwise to the stack; three-channel derivatives first go to
        // the stack for the choice.
        G sx[kChunk], sy[kChunk];
        G gx[C == 1 ? 1 : kChunk * C], gy[C == 1 ? 1 : kChunk * C];
        for (std::int64_t p0 = 0; p0 < w; p0 += kChunk) {
            const std::int64_t pw = std::min(kChunk, w - p0), at = x0 + p0;
            G* px = out.gx ? row_at(out.gx, out.gxStep, y) + at : sx;
            G* py = out.gy ? row_at(out.gy, out.gyStep, y) + at : sy;
            if constexpr (C == 1) {
                kernels::fixed_filter_row<KX, A, C>(rows, p0, pw, finish, kernels::FixedSink<G>{px});
                kernels::fixed_filter_row<KY, A, C>(rows, p0, pw, finish, kernels::FixedSink<G>{py});
            } else {
                kernels::fixed_filter_row<KX, A, C>(rows, p0 * C, pw * C, finish, kernels::FixedSink<G>{gx});
                kernels::fixed_filter_row<KY, A, C>(rows, p0 * C, pw * C, finish, kernels::FixedSink<G>{gy});
                strongest_channel(gx, gy, pw, px, py);
            }
            if (out.mag) magnitude(px, py, pw, out.normType, row_at(out.mag, out.magStep, y) + at);
            if (out.angle) angles(px, py, pw, row_at(out.angle, out.angleStep, y) + at);
        }
    });
}

template <class Op, int C, class S, class D>
void gradient(const S* src, int srcStep, RvlSize roi, int mask, const Border& border, const S* value, Rvl8u* buffer,
              const Outputs<D>& out) {
    if (mask == rvlMask5x5) return gradient_rows<SobelX5, SobelY5, C>(src, srcStep, roi, mask, border, value, buffer, out);
    gradient_rows<typename Op::X3, typename Op::Y3, C>(src, srcStep, roi, mask, border, value, buffer, out);
}

// An output's step: below 1 rvlResBadStep, not a multiple of its element
// rvlResStepNotMultiple; absent outputs pass.
template <class P>
inline RvlResult output_step_check(const P* p, int step) {
    if (p == nullptr) return rvlResOk;
    if (step < 1) return rvlResBadStep;
    return step % static_cast<int>(sizeof(P)) ? rvlResStepNotMultiple : rvlResOk;
}

template <class Op, class S, class D, int C>
RvlResult gradient_vector(const S* pSrc, int srcStep, D* pGx, int gxStep, D* pGy, int gyStep, D* pMag, int magStep,
                          Rvl32f* pAngle, int angleStep, RvlSize roi, int mask, int normType, RvlBorderMode border,
                          std::conditional_t<C == 1, S, const S*> borderValue, Rvl8u* pBuffer) {
    Border b;
    if (RvlResult st = decode_border(border, kFilterKinds, &b)) return st;
    if (RvlResult st = first_failure({null_check(pSrc), output_step_check(pSrc, srcStep), null_check(pBuffer),
                                      output_step_check(pGx, gxStep), output_step_check(pGy, gyStep),
                                      output_step_check(pMag, magStep), output_step_check(pAngle, angleStep)}))
        return st;
    if (pMag && normType != kNormL1 && normType != kNormL2) return rvlResBadArg;
    if (RvlResult st = roi_check(roi)) return st;
    const S* value = entries(borderValue);
    if (C == 3 && value == nullptr) return rvlResNullPointer;
    if (mask != rvlMask3x3 && mask != rvlMask5x5) return rvlResBadMaskSize;
    gradient<Op, C>(pSrc, srcStep, roi, mask, b, value, pBuffer, Outputs<D>{pGx, gxStep, pGy, gyStep, pMag, magStep, pAngle, angleStep, normType});
    return rvlResOk;
}

template <class S, class D>
RvlResult filter_sobel(const S* pSrc, int srcStep, D* pDst, int dstStep, RvlSize roi, int mask, int normType,
                       RvlBorderMode border, S borderValue, Rvl8u* pBuffer) {
    const bool stepsOk = srcStep % static_cast<int>(sizeof(S)) == 0 && dstStep % static_cast<int>(sizeof(D)) == 0;
    if (RvlResult st = first_failure({null_check(pSrc, pDst, pBuffer), roi_check(roi), stepsOk ? rvlResOk : rvlResStepNotMultiple}))
        return st;
    if (mask != rvlMask3x3 && mask != rvlMask5x5) return rvlResBadMaskSize;
    if (normType != kNormL1 && normType != kNormL2) return rvlResBadArg;
    Border b;
    if (RvlResult st = decode_border(border, kReplicateConstantKinds, &b)) return st;
    gradient<Sobel, 1>(pSrc, srcStep, roi, mask, b, &borderValue, pBuffer, Outputs<D>{nullptr, 0, nullptr, 0, pDst, dstStep, nullptr, 0, normType});
    return rvlResOk;
}

}  // namespace
}  // namespace rvl::filter

namespace rvl {
using filter::filter_sobel;
using filter::gradient_vector;
using filter::Prewitt;
using filter::Scharr;
using filter::Sobel;
RVL_BIND(rvliGradientVectorGetBufferSize, filter::gradient_buffer_size);
RVL_BIND(rvliFilterSobelGetBufferSize, filter::sobel_buffer_size);
RVL_BIND(rvliGradientVectorSobel_8u16s_C1R, (gradient_vector<Sobel, Rvl8u, Rvl16s, 1>));
RVL_BIND(rvliGradientVectorSobel_8u16s_C3C1R, (gradient_vector<Sobel, Rvl8u, Rvl16s, 3>));
RVL_BIND(rvliGradientVectorSobel_16u32f_C1R, (gradient_vector<Sobel, Rvl16u, Rvl32f, 1>));
RVL_BIND(rvliGradientVectorSobel_16u32f_C3C1R, (gradient_vector<Sobel, Rvl16u, Rvl32f, 3>));
RVL_BIND(rvliGradientVectorSobel_16s32f_C1R, (gradient_vector<Sobel, Rvl16s, Rvl32f, 1>));
RVL_BIND(rvliGradientVectorSobel_16s32f_C3C1R, (gradient_vector<Sobel, Rvl16s, Rvl32f, 3>));
RVL_BIND(rvliGradientVectorSobel_32f_C1R, (gradient_vector<Sobel, Rvl32f, Rvl32f, 1>));
RVL_BIND(rvliGradientVectorSobel_32f_C3C1R, (gradient_vector<Sobel, Rvl32f, Rvl32f, 3>));
RVL_BIND(rvliGradientVectorScharr_8u16s_C1R, (gradient_vector<Scharr, Rvl8u, Rvl16s, 1>));
RVL_BIND(rvliGradientVectorScharr_8u16s_C3C1R, (gradient_vector<Scharr, Rvl8u, Rvl16s, 3>));
RVL_BIND(rvliGradientVectorScharr_16u32f_C1R, (gradient_vector<Scharr, Rvl16u, Rvl32f, 1>));
RVL_BIND(rvliGradientVectorScharr_16u32f_C3C1R, (gradient_vector<Scharr, Rvl16u, Rvl32f, 3>));
RVL_BIND(rvliGradientVectorScharr_16s32f_C1R, (gradient_vector<Scharr, Rvl16s, Rvl32f, 1>));
RVL_BIND(rvliGradientVectorScharr_16s32f_C3C1R, (gradient_vector<Scharr, Rvl16s, Rvl32f, 3>));
RVL_BIND(rvliGradientVectorScharr_32f_C1R, (gradient_vector<Scharr, Rvl32f, Rvl32f, 1>));
RVL_BIND(rvliGradientVectorScharr_32f_C3C1R, (gradient_vector<Scharr, Rvl32f, Rvl32f, 3>));
RVL_BIND(rvliGradientVectorPrewitt_8u16s_C1R, (gradient_vector<Prewitt, Rvl8u, Rvl16s, 1>));
RVL_BIND(rvliGradientVectorPrewitt_8u16s_C3C1R, (gradient_vector<Prewitt, Rvl8u, Rvl16s, 3>));
RVL_BIND(rvliGradientVectorPrewitt_16u32f_C1R, (gradient_vector<Prewitt, Rvl16u, Rvl32f, 1>));
RVL_BIND(rvliGradientVectorPrewitt_16u32f_C3C1R, (gradient_vector<Prewitt, Rvl16u, Rvl32f, 3>));
RVL_BIND(rvliGradientVectorPrewitt_16s32f_C1R, (gradient_vector<Prewitt, Rvl16s, Rvl32f, 1>));
RVL_BIND(rvliGradientVectorPrewitt_16s32f_C3C1R, (gradient_vector<Prewitt, Rvl16s, Rvl32f, 3>));
RVL_BIND(rvliGradientVectorPrewitt_32f_C1R, (gradient_vector<Prewitt, Rvl32f, Rvl32f, 1>));
RVL_BIND(rvliGradientVectorPrewitt_32f_C3C1R, (gradient_vector<Prewitt, Rvl32f, Rvl32f, 3>));
RVL_BIND(rvliFilterSobel_8u16s_C1R, (filter_sobel<Rvl8u, Rvl16s>));
RVL_BIND(rvliFilterSobel_16u32f_C1R, (filter_sobel<Rvl16u, Rvl32f>));
RVL_BIND(rvliFilterSobel_16s32f_C1R, (filter_sobel<Rvl16s, Rvl32f>));
RVL_BIND(rvliFilterSobel_32f_C1R, (filter_sobel<Rvl32f, Rvl32f>));
}  // namespace rvl
