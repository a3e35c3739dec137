// 2-D FFT: sizes, Init, and the complex and real transforms (rows, then
// columns in groups copied to contiguous vectors in the work buffer; the
// real inverse runs the columns first).
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/spec.hpp"
#include "frame/walk.hpp"
#include "transform/fft_spec.hpp"

namespace rvl::fft {
namespace {

using I64 = std::int64_t;

bool order_range(int order, unsigned limit) { return static_cast<unsigned>(order) <= limit; }

// The 1-D checks of GetSize for one order and kind.
RvlResult check_1d(int order, int flag, unsigned limit) {
    if (!order_range(order, 30)) return rvlResBadFftOrder;
    if (!flag_ok(flag)) return rvlResBadFftFlag;
    if (!order_range(order, limit)) return rvlResBadFftOrder;
    return rvlResOk;
}

struct Sizes2d {
    I64 spec, init, work;  // with the 64 bytes of alignment slack
    bool fits() const { return spec <= kMaxReportedSize && init <= kMaxReportedSize && work <= kMaxReportedSize; }
};

Sizes2d with_slack(I64 spec, I64 init, I64 work) {
    auto slack = [](I64 v) { return v > 0 ? v + 64 : v; };
    return {slack(spec), slack(init), slack(work)};
}

// The sizes of a 2-D specification whose orders passed the checks.
Sizes2d sizes_2d(int orderX, int orderY, bool real) {
    const I64 w = I64{1} << orderX, h = I64{1} << orderY;
    if (!real) {
        const Sizes1d x = complex_sizes(orderX);
        const Sizes1d y = orderY == orderX ? Sizes1d{0, 0, x.work} : complex_sizes(orderY);
        return with_slack(round64(x.spec) + round64(y.spec) + 128, round64(x.init) + round64(y.init),
                          round64(std::max(x.work, y.work + 64 * h)));
    }
    const Sizes1d rx = real_sizes(orderX);
    const Sizes1d ry = orderY == orderX ? Sizes1d{0, 0, rx.work} : real_sizes(orderY);
    const Sizes1d cy = complex_sizes(orderY);
    return with_slack(round64(rx.spec) + round64(ry.spec) + round64(cy.spec) + 128,
                      round64(rx.init) + round64(ry.init) + round64(cy.init),
                      round64(std::max({cy.work + 64 * h, ry.work + 16 * h, rx.work + 16 * w})));
}

RvlResult report_three(const Sizes2d& z, int* pSpec, int* pInit, int* pWork) {
    if (!z.fits()) {
        *pSpec = *pInit = *pWork = 0;
        return rvlResSizeOverflow;
    }
    *pSpec = static_cast<int>(z.spec);
    *pInit = static_cast<int>(z.init);
    *pWork = static_cast<int>(z.work);
    return rvlResOk;
}

RvlResult get_size_c(int orderX, int orderY, int flag, RvlHintAlgorithm, int* pSpec, int* pInit, int* pWork) {
    if (RvlResult st = null_check(pSpec, pInit, pWork)) return st;
    if (RvlResult st = check_1d(orderX, flag, kMaxComplexOrder)) return st;
    if (orderY != orderX)
        if (RvlResult st = check_1d(orderY, flag, kMaxComplexOrder)) return st;
    return report_three(sizes_2d(orderX, orderY, false), pSpec, pInit, pWork);
}

RvlResult get_size_r(int orderX, int orderY, int flag, RvlHintAlgorithm, int* pSpec, int* pInit, int* pWork) {
    if (RvlResult st = null_check(pSpec, pInit, pWork)) return st;
    if (RvlResult st = check_1d(orderX, flag, kMaxRealOrder)) return st;
    if (orderY != orderX)
        if (RvlResult st = check_1d(orderY, flag, kMaxRealOrder)) return st;
    if (RvlResult st = check_1d(orderY, flag, kMaxComplexOrder)) return st;
    return report_three(sizes_2d(orderX, orderY, true), pSpec, pInit, pWork);
}

// Every 1-D Init the specification needs is checked, in the order they run
// (row, column of another order, complex column of the real form), before
// anything is written: an order or flag GetSize refuses never reaches the
// caller's memory.
RvlResult start_2d(void* memory, int orderX, int orderY, int flag, int hint, const Rvl8u* pInit, bool real,
                   Spec2d** spec, unsigned char** at) {
    if (!order_range(orderX, 30) || !order_range(orderY, 30)) return rvlResBadFftOrder;
    if (RvlResult st = null_check(memory)) return st;
    const int limit = real ? kMaxRealOrder : kMaxComplexOrder;
    if (RvlResult st = check_init_1d(orderX, flag, limit, pInit)) return st;
    if (orderY != orderX)
        if (RvlResult st = check_init_1d(orderY, flag, limit, pInit)) return st;
    if (real)
        if (RvlResult st = check_init_1d(orderY, flag, kMaxComplexOrder, pInit)) return st;
    // A specification larger than GetSize can report cannot have been
    // allocated from its answer: refused the way GetSize refuses it.
    if (!sizes_2d(orderX, orderY, real).fits()) return rvlResSizeOverflow;
    Spec2d* s = align64<Spec2d>(memory);
    std::memset(s, 0, 128);
    s->orderX = orderX;
    s->orderY = orderY;
    s->hint = hint;
    *spec = s;
    *at = reinterpret_cast<unsigned char*>(s) + 128;
    return rvlResOk;
}

Spec1d* next_1d(unsigned char*& at, I64 bytes) {
    Spec1d* s = reinterpret_cast<Spec1d*>(at);
    at += round64(bytes);
    return s;
}

// The row specification, then the column one when its order differs (the
// row one serving both otherwise), each built by `init` at the next 64-byte
// boundary.
template <class Init, class Size>
RvlResult rows_and_columns(unsigned char*& at, int orderX, int orderY, int flag, int hint, const Rvl8u* pInit, Init init,
                           Size size, const Spec1d** row, const Spec1d** column) {
    Spec1d* r = next_1d(at, size(orderX).spec);
    if (RvlResult st = init(r, orderX, flag, hint, pInit)) return st;
    *row = *column = r;
    if (orderY != orderX) {
        Spec1d* c = next_1d(at, size(orderY).spec);
        if (RvlResult st = init(c, orderY, flag, hint, pInit)) return st;
        *column = c;
    }
    return rvlResOk;
}

RvlResult init_c(int orderX, int orderY, int flag, RvlHintAlgorithm hint, RvlFft2dComplexSpec* pSpec, Rvl8u* pInit) {
    Spec2d* s;
    unsigned char* at;
    if (RvlResult st = start_2d(pSpec, orderX, orderY, flag, hint, pInit, false, &s, &at)) return st;
    if (RvlResult st = rows_and_columns(at, orderX, orderY, flag, hint, pInit, init_complex_1d, complex_sizes, &s->row, &s->column))
        return st;
    s->workBytes = static_cast<std::int32_t>(std::max<I64>(s->row->workBytes, s->column->workBytes + 64 * (I64{1} << orderY)));
    s->id = kComplex2d;
    return rvlResOk;
}

RvlResult init_r(int orderX, int orderY, int flag, RvlHintAlgorithm hint, RvlFft2dRealSpec* pSpec, Rvl8u* pInit) {
    Spec2d* s;
    unsigned char* at;
    if (RvlResult st = start_2d(pSpec, orderX, orderY, flag, hint, pInit, true, &s, &at)) return st;
    if (RvlResult st = rows_and_columns(at, orderX, orderY, flag, hint, pInit, init_real_1d, real_sizes, &s->row, &s->column))
        return st;
    Spec1d* complexColumn = next_1d(at, complex_sizes(orderY).spec);
    if (RvlResult st = init_complex_1d(complexColumn, orderY, flag, hint, pInit)) return st;
    s->complexColumn = complexColumn;
    const I64 w = I64{1} << orderX, h = I64{1} << orderY;
    s->workBytes = static_cast<std::int32_t>(std::max(
        {I64{complexColumn->workBytes} + 64 * h, I64{s->column->workBytes} + 16 * h, I64{s->row->workBytes} + 16 * w}));
    s->id = kReal2d;
    return rvlResOk;
}

// ---- Transforms -------------------------------------------------------------

template <class S, class T>
RvlResult transform_checks(const S* pSpec, std::int32_t id, const T* pSrc, const T* pDst, int srcStep, int dstStep,
                           const Rvl8u* pBuffer, const Spec2d** out) {
    if (RvlResult st = null_check(pSpec)) return st;
    const Spec2d* s = align64<const Spec2d>(pSpec);
    if (s->id != id) return rvlResBadContext;
    if (RvlResult st = null_check(pSrc, pDst)) return st;
    if (RvlResult st = step_check(srcStep, dstStep)) return st;
    if (s->workBytes > 0 && pBuffer == nullptr) return rvlResNullPointer;
    *out = s;
    return rvlResOk;
}

// The column passes run the columns of a group together: the group's values
// of one row are neighbours in the image, so each row's piece is read in one
// piece, the group's transforms run interleaved in the work buffer (value i
// of column b at i * batch + b), and each output row is written in one piece
// (run_complex_columns). Groups of up to 8 columns fill the 64 H bytes the
// work buffer holds for them; a remainder is split into groups of 4, 2 and 1
// (sizes are powers of two).
constexpr I64 kGroup = 8;

template <class F>
void for_groups(I64 first, I64 count, F&& f) {
    for (I64 c = first, left = count; left > 0;) {
        I64 batch = kGroup;
        while (batch > left) batch /= 2;
        f(c, batch);
        c += batch;
        left -= batch;
    }
}

template <bool Inverse>
RvlResult complex_2d(const Rvl32fc* pSrc, int srcStep, Rvl32fc* pDst, int dstStep, const RvlFft2dComplexSpec* pSpec,
                     Rvl8u* pBuffer) {
    const Spec2d* s;
    if (RvlResult st = transform_checks(pSpec, kComplex2d, pSrc, pDst, srcStep, dstStep, pBuffer, &s)) return st;
    unsigned char* work = align64<unsigned char>(pBuffer);
    const I64 w = I64{1} << s->orderX, h = I64{1} << s->orderY;
    const auto* src = reinterpret_cast<const Cf*>(pSrc);
    auto* dst = reinterpret_cast<Cf*>(pDst);
    if (h == 1) {
        run_complex(*s->row, Inverse, src, dst, work);
        return rvlResOk;
    }
    Cf* vectors = reinterpret_cast<Cf*>(work + round64(s->column->workBytes));
    if (w == 1) {
        if (srcStep == 8 && dstStep == 8) run_complex(*s->column, Inverse, src, dst, work);
        else run_complex_columns(*s->column, Inverse, src, srcStep, dst, dstStep, vectors, 1);
        return rvlResOk;
    }
    for (I64 r = 0; r < h; ++r) run_complex(*s->row, Inverse, row_at(src, srcStep, r), row_at(dst, dstStep, r), work);
    for_groups(0, w, [&](I64 c, I64 batch) {
        run_complex_columns(*s->column, Inverse, dst + c, dstStep, dst + c, dstStep, vectors, batch);
    });
    return rvlResOk;
}

template <bool Inverse>
RvlResult complex_2d_inplace(Rvl32fc* pSrcDst, int step, const RvlFft2dComplexSpec* pSpec, Rvl8u* pBuffer) {
    return complex_2d<Inverse>(pSrcDst, step, pSrcDst, step, pSpec, pBuffer);
}

// ---- Real transforms ----------------------------------------------------------

// One channel of an interleaved real image: element k of row r is at
// row_at(base, step, r)[k * C + channel].
struct Plane {
    float* base;
    I64 step;
    int channels, channel;
    float& at(I64 r, I64 k) const { return row_at(base, step, r)[k * channels + channel]; }
};

// A real column (0 or W-1) through the 1-D real transform.
void real_column(const Spec1d& col, bool inverse, const Plane& from, const Plane& to, I64 c, I64 h, float* vec,
                 unsigned char* scratch) {
    for (I64 r = 0; r < h; ++r) vec[r] = from.at(r, c);
    run_real(col, inverse, vec, vec, scratch);
    for (I64 r = 0; r < h; ++r) to.at(r, c) = vec[r];
}

// Complex column pairs (2u-1, 2u), `batch` of them starting at pair u0 (one
// group of the column pass). One channel's pairs are complex values in place;
// interleaved channels' are gathered into the work buffer and scattered back.
void pair_columns(const Spec1d& col, bool inverse, const Plane& from, const Plane& to, I64 u0, I64 batch, I64 h,
                  Cf* vectors) {
    const int c = from.channels;
    const I64 first = (2 * u0 - 1) * c;
    if (c == 1) {
        run_complex_columns(col, inverse, reinterpret_cast<const Cf*>(from.base + first), from.step,
                            reinterpret_cast<Cf*>(to.base + first), to.step, vectors, batch);
        return;
    }
    for (I64 r = 0; r < h; ++r) {
        const float* in = row_at(from.base, from.step, r) + first + from.channel;
        Cf* v = vectors + r * batch;
        for (I64 k = 0; k < batch; ++k) v[k] = Cf{in[2 * k * c], in[(2 * k + 1) * c]};
    }
    run_complex_group(col, inverse, vectors, batch);
    for (I64 r = 0; r < h; ++r) {
        float* out = row_at(to.base, to.step, r) + first + to.channel;
        const Cf* v = vectors + inplace_position(r, col.order) * batch;
        for (I64 k = 0; k < batch; ++k) {
            out[2 * k * c] = v[k].re;
            out[(2 * k + 1) * c] = v[k].im;
        }
    }
}

// The column steps of one channel, from `from` into `to`.
void real_columns(const Spec2d& s, bool inverse, const Plane& from, const Plane& to, I64 w, I64 h, unsigned char* work) {
    float* vec = reinterpret_cast<float*>(work + round64(s.column->workBytes));
    real_column(*s.column, inverse, from, to, 0, h, vec, work);
    if (w >= 2) real_column(*s.column, inverse, from, to, w - 1, h, vec, work);
    Cf* vectors = reinterpret_cast<Cf*>(work + round64(s.complexColumn->workBytes));
    // u = 1 .. W/2 - 1
    for_groups(1, w / 2 - 1, [&](I64 u, I64 batch) { pair_columns(*s.complexColumn, inverse, from, to, u, batch, h, vectors); });
}

// Every row of one channel through the 1-D real transform, from `from` into
// `to`: one-channel rows directly, interleaved channels through a gathered
// row in the work buffer.
void real_rows(const Spec1d& row, bool inverse, const Plane& from, const Plane& to, I64 w, I64 h, unsigned char* work) {
    if (from.channels == 1) {
        for (I64 r = 0; r < h; ++r) run_real(row, inverse, row_at(from.base, from.step, r), row_at(to.base, to.step, r), work);
        return;
    }
    float* vec = reinterpret_cast<float*>(work + round64(row.workBytes));
    const int c = from.channels;
    for (I64 r = 0; r < h; ++r) {
        const float* in = row_at(from.base, from.step, r) + from.channel;
        for (I64 k = 0; k < w; ++k) vec[k] = in[k * c];
        run_real(row, inverse, vec, vec, work);
        float* out = row_at(to.base, to.step, r) + to.channel;
        for (I64 k = 0; k < w; ++k) out[k * c] = vec[k];
    }
}

template <bool Inverse, int C, int Processed>
RvlResult real_2d(const Rvl32f* pSrc, int srcStep, Rvl32f* pDst, int dstStep, const RvlFft2dRealSpec* pSpec, Rvl8u* pBuffer) {
    const Spec2d* s;
    if (RvlResult st = transform_checks(pSpec, kReal2d, pSrc, pDst, srcStep, dstStep, pBuffer, &s)) return st;
    unsigned char* work = align64<unsigned char>(pBuffer);
    const I64 w = I64{1} << s->orderX, h = I64{1} << s->orderY;
    for (int ch = 0; ch < Processed; ++ch) {
        const Plane from{const_cast<float*>(pSrc), srcStep, C, ch}, to{pDst, dstStep, C, ch};
        if (h == 1) {
            real_rows(*s->row, Inverse, from, to, w, 1, work);
        } else if (w == 1) {
            float* vec = reinterpret_cast<float*>(work + round64(s->column->workBytes));
            real_column(*s->column, Inverse, from, to, 0, h, vec, work);
        } else if (!Inverse) {
            real_rows(*s->row, false, from, to, w, h, work);
            real_columns(*s, false, to, to, w, h, work);
        } else {
            real_columns(*s, true, from, to, w, h, work);
            real_rows(*s->row, true, to, to, w, h, work);
        }
    }
    return rvlResOk;
}

template <bool Inverse, int C, int Processed>
RvlResult real_2d_inplace(Rvl32f* pSrcDst, int step, const RvlFft2dRealSpec* pSpec, Rvl8u* pBuffer) {
    return real_2d<Inverse, C, Processed>(pSrcDst, step, pSrcDst, step, pSpec, pBuffer);
}

}  // namespace
}  // namespace rvl::fft

namespace rvl {
using namespace fft;
RVL_BIND(rvliFFTGetSize_C_32fc, get_size_c);
RVL_BIND(rvliFFTGetSize_R_32f, get_size_r);
RVL_BIND(rvliFFTInit_C_32fc, init_c);
RVL_BIND(rvliFFTInit_R_32f, init_r);
RVL_BIND(rvliFFTFwd_CToC_32fc_C1R, complex_2d<false>);
RVL_BIND(rvliFFTInv_CToC_32fc_C1R, complex_2d<true>);
RVL_BIND(rvliFFTFwd_CToC_32fc_C1IR, complex_2d_inplace<false>);
RVL_BIND(rvliFFTInv_CToC_32fc_C1IR, complex_2d_inplace<true>);
RVL_BIND(rvliFFTFwd_RToPack_32f_C1R, (real_2d<false, 1, 1>));
RVL_BIND(rvliFFTFwd_RToPack_32f_C3R, (real_2d<false, 3, 3>));
RVL_BIND(rvliFFTFwd_RToPack_32f_C4R, (real_2d<false, 4, 4>));
RVL_BIND(rvliFFTFwd_RToPack_32f_AC4R, (real_2d<false, 4, 3>));
RVL_BIND(rvliFFTInv_PackToR_32f_C1R, (real_2d<true, 1, 1>));
RVL_BIND(rvliFFTInv_PackToR_32f_C3R, (real_2d<true, 3, 3>));
RVL_BIND(rvliFFTInv_PackToR_32f_C4R, (real_2d<true, 4, 4>));
RVL_BIND(rvliFFTInv_PackToR_32f_AC4R, (real_2d<true, 4, 3>));
RVL_BIND(rvliFFTFwd_RToPack_32f_C1IR, (real_2d_inplace<false, 1, 1>));
RVL_BIND(rvliFFTFwd_RToPack_32f_C3IR, (real_2d_inplace<false, 3, 3>));
RVL_BIND(rvliFFTFwd_RToPack_32f_C4IR, (real_2d_inplace<false, 4, 4>));
RVL_BIND(rvliFFTFwd_RToPack_32f_AC4IR, (real_2d_inplace<false, 4, 3>));
RVL_BIND(rvliFFTInv_PackToR_32f_C1IR, (real_2d_inplace<true, 1, 1>));
RVL_BIND(rvliFFTInv_PackToR_32f_C3IR, (real_2d_inplace<true, 3, 3>));
RVL_BIND(rvliFFTInv_PackToR_32f_C4IR, (real_2d_inplace<true, 4, 4>));
RVL_BIND(rvliFFTInv_PackToR_32f_AC4IR, (real_2d_inplace<true, 4, 3>));
}  // namespace rvl
