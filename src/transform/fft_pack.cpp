// Packed spectra: products, conversion to and from the full complex
// spectrum, magnitude and phase; and the element-wise complex helpers.
//
// Packed layout of a W x H spectrum: columns 0 and (W even) W-1 are real
// columns holding their column spectrum packed vertically (row 0 real, rows
// 2v-1 and 2v Re and Im, row H-1 real when H is even); the column pairs
// (2u-1, 2u) hold Re and Im of F(u, v) in row v. Every other frequency is
// the conjugate of F((W-u) mod W, (H-v) mod H).
#include <cmath>
#include <cstdint>
#include <cstring>

#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/spec.hpp"
#include "frame/walk.hpp"

namespace rvl::fft {
namespace {

using I64 = std::int64_t;

struct Complex {
    float re, im;
};

template <bool Conj>
inline Complex product(Complex a, Complex b) {
    if (Conj) b.im = -b.im;
    return Complex{a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

// One channel of a packed image: element (row r, column c).
struct PackedView {
    const float* base;
    I64 step;
    int channels, channel;
    const float& at(I64 r, I64 c) const { return row_at(base, step, r)[c * channels + channel]; }
};
struct PackedOut {
    float* base;
    I64 step;
    int channels, channel;
    float& at(I64 r, I64 c) const { return row_at(base, step, r)[c * channels + channel]; }
};

// srcDst = srcDst * src (Conj: * conj(src)) for every stored value of one channel.
template <bool Conj>
void multiply_channel(const PackedView& src, const PackedOut& sd, I64 w, I64 h) {
    auto real = [&](I64 r, I64 c) { sd.at(r, c) = sd.at(r, c) * src.at(r, c); };
    auto pair = [&](I64 r0, I64 c0, I64 r1, I64 c1) {
        const Complex v = product<Conj>(Complex{sd.at(r0, c0), sd.at(r1, c1)}, Complex{src.at(r0, c0), src.at(r1, c1)});
        sd.at(r0, c0) = v.re;
        sd.at(r1, c1) = v.im;
    };
    auto real_column = [&](I64 c) {
        real(0, c);
        for (I64 v = 1; 2 * v < h; ++v) pair(2 * v - 1, c, 2 * v, c);
        if (h % 2 == 0 && h > 1) real(h - 1, c);
    };
    real_column(0);
    if (w % 2 == 0 && w > 1) real_column(w - 1);
    for (I64 r = 0; r < h; ++r)
        for (I64 u = 1; 2 * u < w; ++u) pair(r, 2 * u - 1, r, 2 * u);
}

template <bool Conj, int C, int Processed>
RvlResult mul_pack_inplace(const Rvl32f* pSrc, int srcStep, Rvl32f* pSrcDst, int srcDstStep, RvlSize roi) {
    if (RvlResult st = first_failure({null_check(pSrc, pSrcDst), step_check(srcStep, srcDstStep), roi_check(roi)})) return st;
    for (int ch = 0; ch < Processed; ++ch)
        multiply_channel<Conj>(PackedView{pSrc, srcStep, C, ch}, PackedOut{pSrcDst, srcDstStep, C, ch}, roi.width, roi.height);
    return rvlResOk;
}

// The out-of-place form: a destination that is one of the sources is served
// by the in-place form with the other source (for the conjugate product with
// the destination on the second source, that is the second times the
// conjugate of the first); otherwise the first source is copied to the
// destination and multiplied there.
template <bool Conj, int C, int Processed>
RvlResult mul_pack(const Rvl32f* pSrc1, int src1Step, const Rvl32f* pSrc2, int src2Step, Rvl32f* pDst, int dstStep, RvlSize roi) {
    if (RvlResult st = first_failure({null_check(pSrc1, pSrc2, pDst), step_check(src1Step, src2Step, dstStep), roi_check(roi)}))
        return st;
    if (pDst == pSrc1 && dstStep == src1Step) return mul_pack_inplace<Conj, C, Processed>(pSrc2, src2Step, pDst, dstStep, roi);
    if (pDst == pSrc2 && dstStep == src2Step) return mul_pack_inplace<Conj, C, Processed>(pSrc1, src1Step, pDst, dstStep, roi);
    for (I64 r = 0; r < roi.height; ++r) {
        const float* a = row_at(pSrc1, src1Step, r);
        float* d = row_at(pDst, dstStep, r);
        for (I64 k = 0; k < I64{roi.width} * C; ++k)
            if (Processed == C || k % C != 3) d[k] = a[k];
    }
    return mul_pack_inplace<Conj, C, Processed>(pSrc2, src2Step, pDst, dstStep, roi);
}

// F(u, v) of a packed spectrum, for any u < W, v < H.
Complex spectrum_at(const PackedView& p, I64 w, I64 h, I64 u, I64 v) {
    const bool evenW = w % 2 == 0, evenH = h % 2 == 0;
    auto real_column = [&](I64 c, I64 vv) -> Complex {
        if (vv == 0) return {p.at(0, c), 0.0f};
        if (evenH && 2 * vv == h) return {p.at(h - 1, c), 0.0f};
        if (2 * vv < h) return {p.at(2 * vv - 1, c), p.at(2 * vv, c)};
        const Complex m{p.at(2 * (h - vv) - 1, c), p.at(2 * (h - vv), c)};
        return {m.re, -m.im};
    };
    if (u == 0) return real_column(0, v);
    if (evenW && 2 * u == w) return real_column(w - 1, v);
    if (2 * u < w) return {p.at(v, 2 * u - 1), p.at(v, 2 * u)};
    const I64 mu = w - u, mv = (h - v) % h;
    return {p.at(mv, 2 * mu - 1), -p.at(mv, 2 * mu)};
}

RvlResult pack_to_cplx_extend(const Rvl32f* pSrc, RvlSize size, int srcStep, Rvl32fc* pDst, int dstStep) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst), roi_check(size), step_check(srcStep, dstStep)})) return st;
    const PackedView p{pSrc, srcStep, 1, 0};
    for (I64 v = 0; v < size.height; ++v) {
        Rvl32fc* out = row_at(pDst, dstStep, v);
        for (I64 u = 0; u < size.width; ++u) {
            const Complex f = spectrum_at(p, size.width, size.height, u, v);
            out[u] = Rvl32fc{f.re, f.im};
        }
    }
    return rvlResOk;
}

template <int C>
RvlResult cplx_extend_to_pack(const Rvl32fc* pSrc, int srcStep, RvlSize size, Rvl32f* pDst, int dstStep) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst), roi_check(size), step_check(srcStep, dstStep)})) return st;
    const I64 w = size.width, h = size.height;
    for (int ch = 0; ch < C; ++ch) {
        auto f = [&](I64 u, I64 v) { return row_at(pSrc, srcStep, v)[u * C + ch]; };
        const PackedOut out{pDst, dstStep, C, ch};
        auto real_column = [&](I64 c, I64 u) {
            out.at(0, c) = f(u, 0).re;
            for (I64 v = 1; 2 * v < h; ++v) out.at(2 * v - 1, c) = f(u, v).re, out.at(2 * v, c) = f(u, v).im;
            if (h % 2 == 0 && h > 1) out.at(h - 1, c) = f(u, h / 2).re;
        };
        real_column(0, 0);
        if (w % 2 == 0 && w > 1) real_column(w - 1, w / 2);
        for (I64 v = 0; v < h; ++v)
            for (I64 u = 1; 2 * u < w; ++u) out.at(v, 2 * u - 1) = f(u, v).re, out.at(v, 2 * u) = f(u, v).im;
    }
    return rvlResOk;
}

// ---- Magnitude and phase of packed spectra -----------------------------------

inline float magnitude(float re, float im) { return std::sqrt(re * re + im * im); }
inline float phase(float re, float im) { return std::atan2(im, re); }

RvlResult pack_buffer_size(int channels, RvlSize roi, int* pSize) {
    if (RvlResult st = null_check(pSize)) return st;
    if (roi.width < 1) return rvlResBadSize;
    if (channels != 1 && channels != 3) return rvlResBadChannelCount;
    return report_size(8 * I64{channels} * roi.width + 64, pSize);
}

// Each row of the full spectrum is expanded into W complex values in the
// work buffer, then reduced to one real value per element.
template <int C, float (*Op)(float, float)>
RvlResult pack_to_real(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roi, Rvl8u* pBuffer) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst, pBuffer), roi_check(roi), step_check(srcStep, dstStep)})) return st;
    auto* row = align64<Complex>(pBuffer);
    const I64 w = roi.width, h = roi.height;
    for (I64 v = 0; v < h; ++v) {
        for (int ch = 0; ch < C; ++ch)
            for (I64 u = 0; u < w; ++u) row[u * C + ch] = spectrum_at(PackedView{pSrc, srcStep, C, ch}, w, h, u, v);
        float* out = row_at(pDst, dstStep, v);
        for (I64 e = 0; e < w * C; ++e) out[e] = Op(row[e].re, row[e].im);
    }
    return rvlResOk;
}

// ---- Element-wise complex helpers ----------------------------------------------

template <int C, float (*Op)(float, float)>
RvlResult complex_to_real(const Rvl32fc* pSrc, int srcStep, Rvl32f* pDst, int dstStep, RvlSize roi) {
    if (RvlResult st = first_failure({null_check(pSrc, pDst), roi_check(roi), step_check(srcStep, dstStep)})) return st;
    for (I64 r = 0; r < roi.height; ++r) {
        const Rvl32fc* in = row_at(pSrc, srcStep, r);
        float* out = row_at(pDst, dstStep, r);
        for (I64 e = 0; e < I64{roi.width} * C; ++e) out[e] = Op(in[e].re, in[e].im);
    }
    return rvlResOk;
}

template <int C>
RvlResult polar_to_cart(const Rvl32f* pMagn, const Rvl32f* pPhase, int srcStep, RvlSize roi, Rvl32fc* pDst, int dstStep) {
    if (RvlResult st = first_failure({null_check(pMagn, pPhase, pDst), roi_check(roi), step_check(srcStep, dstStep)})) return st;
    for (I64 r = 0; r < roi.height; ++r) {
        const float* m = row_at(pMagn, srcStep, r);
        const float* p = row_at(pPhase, srcStep, r);
        Rvl32fc* out = row_at(pDst, dstStep, r);
        for (I64 e = 0; e < I64{roi.width} * C; ++e) out[e] = Rvl32fc{m[e] * std::cos(p[e]), m[e] * std::sin(p[e])};
    }
    return rvlResOk;
}

}  // namespace
}  // namespace rvl::fft

namespace rvl {
using namespace fft;
RVL_BIND(rvliMulPack_32f_C1R, (mul_pack<false, 1, 1>));
RVL_BIND(rvliMulPack_32f_C3R, (mul_pack<false, 3, 3>));
RVL_BIND(rvliMulPack_32f_C4R, (mul_pack<false, 4, 4>));
RVL_BIND(rvliMulPack_32f_AC4R, (mul_pack<false, 4, 3>));
RVL_BIND(rvliMulPack_32f_C1IR, (mul_pack_inplace<false, 1, 1>));
RVL_BIND(rvliMulPack_32f_C3IR, (mul_pack_inplace<false, 3, 3>));
RVL_BIND(rvliMulPack_32f_C4IR, (mul_pack_inplace<false, 4, 4>));
RVL_BIND(rvliMulPack_32f_AC4IR, (mul_pack_inplace<false, 4, 3>));
RVL_BIND(rvliMulPackConj_32f_C1R, (mul_pack<true, 1, 1>));
RVL_BIND(rvliMulPackConj_32f_C3R, (mul_pack<true, 3, 3>));
RVL_BIND(rvliMulPackConj_32f_C4R, (mul_pack<true, 4, 4>));
RVL_BIND(rvliMulPackConj_32f_AC4R, (mul_pack<true, 4, 3>));
RVL_BIND(rvliMulPackConj_32f_C1IR, (mul_pack_inplace<true, 1, 1>));
RVL_BIND(rvliMulPackConj_32f_C3IR, (mul_pack_inplace<true, 3, 3>));
RVL_BIND(rvliMulPackConj_32f_C4IR, (mul_pack_inplace<true, 4, 4>));
RVL_BIND(rvliMulPackConj_32f_AC4IR, (mul_pack_inplace<true, 4, 3>));
RVL_BIND(rvliPackToCplxExtend_32f32fc_C1R, pack_to_cplx_extend);
RVL_BIND(rvliCplxExtendToPack_32fc32f_C1R, cplx_extend_to_pack<1>);
RVL_BIND(rvliCplxExtendToPack_32fc32f_C3R, cplx_extend_to_pack<3>);
RVL_BIND(rvliMagnitudePackGetBufferSize_32f, pack_buffer_size);
RVL_BIND(rvliPhasePackGetBufferSize_32f, pack_buffer_size);
RVL_BIND(rvliMagnitudePack_32f_C1R, (pack_to_real<1, magnitude>));
RVL_BIND(rvliMagnitudePack_32f_C3R, (pack_to_real<3, magnitude>));
RVL_BIND(rvliPhasePack_32f_C1R, (pack_to_real<1, phase>));
RVL_BIND(rvliPhasePack_32f_C3R, (pack_to_real<3, phase>));
RVL_BIND(rvliMagnitude_32fc32f_C1R, (complex_to_real<1, magnitude>));
RVL_BIND(rvliMagnitude_32fc32f_C3R, (complex_to_real<3, magnitude>));
RVL_BIND(rvliPhase_32fc32f_C1R, (complex_to_real<1, phase>));
RVL_BIND(rvliPhase_32fc32f_C3R, (complex_to_real<3, phase>));
RVL_BIND(rvliPolarToCart_32fc_C1R, polar_to_cart<1>);
RVL_BIND(rvliPolarToCart_32fc_C3R, polar_to_cart<3>);
}  // namespace rvl
