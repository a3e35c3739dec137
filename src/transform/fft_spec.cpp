// 1-D FFT specifications: sizes, Init, and the scaled transforms.
#include "transform/fft_spec.hpp"

#include <cmath>
#include <cstring>

namespace rvl::fft {

namespace {
using I64 = std::int64_t;

// Factor of a direction: 1/N in single precision, 1/sqrt(N) formed in
// double and rounded to single.
void set_scale(Spec1d* s, int order, int flag) {
    const I64 n = I64{1} << order;
    s->scaleFwd = flag == rvlFftScaleFwd || flag == rvlFftScaleSqrt;
    s->scaleInv = flag == rvlFftScaleInv || flag == rvlFftScaleSqrt;
    s->scale = flag == rvlFftScaleSqrt ? static_cast<float>(1.0 / std::sqrt(static_cast<double>(n)))
                                       : 1.0f / static_cast<float>(n);
}

unsigned char* tables_of(Spec1d* s) { return reinterpret_cast<unsigned char*>(s) + 128; }

// Twiddles of a complex transform of 2^order points, stored at `at` when the
// constant table does not serve; returns the bytes used.
I64 place_twiddles(Spec1d* s, int order, unsigned char* at) {
    const I64 n = I64{1} << order;
    if (n <= 64) {
        s->twiddles = nullptr;  // the constant 64-point table, looked up when transforming
        s->stride = n ? 64 / n : 1;
        return 0;
    }
    Cf* t = reinterpret_cast<Cf*>(at);
    fill_twiddles(t, n, n);
    s->twiddles = t;
    s->stride = 1;
    return round64(8 * n);
}
}  // namespace

Sizes1d complex_sizes(int order) {
    const I64 n = I64{1} << order;
    if (order <= 5) return {208, 0, 0};
    return {round64(8 * n + 8) + round64(n + 4) + 256, order <= 10 ? 0 : round64(n + 4) + 64, round64(8 * n) + 64};
}

Sizes1d real_sizes(int order) {
    const I64 n = I64{1} << order;
    if (order <= 4) return {208, 0, 0};
    if (order <= 6) return {2 * round64(2 * n) + 256, 0, 0};
    Sizes1d s = complex_sizes(order - 1);
    s.spec += 2 * round64(2 * n);
    s.init = order <= 10 ? 0 : round64(n + 4) + 64;
    return s;
}

bool flag_ok(int flag) {
    return flag == rvlFftScaleFwd || flag == rvlFftScaleInv || flag == rvlFftScaleSqrt || flag == rvlFftScaleNone;
}

RvlResult check_init_1d(int order, int flag, int maxOrder, const Rvl8u* initBuf) {
    if (!flag_ok(flag)) return rvlResBadFftFlag;
    if (order < 0 || order > maxOrder) return rvlResBadFftOrder;
    if (order >= 11 && initBuf == nullptr) return rvlResNullPointer;
    return rvlResOk;
}

// The init buffer of long transforms is checked as the protocol requires;
// the twiddles are formed directly in double precision, so it is not
// otherwise read.
RvlResult init_complex_1d(Spec1d* at, int order, int flag, int hint, const Rvl8u* initBuf) {
    if (RvlResult st = check_init_1d(order, flag, kMaxComplexOrder, initBuf)) return st;
    std::memset(at, 0, sizeof(Spec1d));
    set_scale(at, order, flag);
    at->order = order;
    at->hint = hint;
    at->workBytes = static_cast<std::int32_t>(complex_sizes(order).work);
    place_twiddles(at, order, tables_of(at));
    at->id = kComplex1d;
    return rvlResOk;
}

RvlResult init_real_1d(Spec1d* at, int order, int flag, int hint, const Rvl8u* initBuf) {
    if (RvlResult st = check_init_1d(order, flag, kMaxRealOrder, initBuf)) return st;
    std::memset(at, 0, sizeof(Spec1d));
    set_scale(at, order, flag);
    at->order = order;
    at->hint = hint;
    at->workBytes = static_cast<std::int32_t>(real_sizes(order).work);
    const I64 n = I64{1} << order;
    unsigned char* next = tables_of(at);
    next += place_twiddles(at, order > 0 ? order - 1 : 0, next);
    if (n <= 64) {
        at->recombination = nullptr;  // w_N^k = w_64^(k 64/N) from the constant table
    } else {
        Cf* rec = reinterpret_cast<Cf*>(next);
        fill_twiddles(rec, n, n / 2);
        at->recombination = rec;
    }
    at->id = kReal1d;
    return rvlResOk;
}

namespace {
// Specifications hold no address outside themselves: the transforms of up to
// 64 points read the library's constant table, named by a null pointer.
const Cf* twiddles_of(const Spec1d& s) { return s.twiddles ? s.twiddles : kTwiddles64; }

// Scratch of a transform: the caller's work bytes, or for the short
// transforms that report none, a block on the stack.
struct Scratch {
    alignas(64) Cf local[64];
    Cf* get(const Spec1d& s, unsigned char* work) { return s.workBytes ? reinterpret_cast<Cf*>(work) : local; }
};
}  // namespace

void run_complex(const Spec1d& s, bool inverse, const Cf* in, Cf* out, unsigned char* work) {
    Scratch scratch;
    Cf* tmp = scratch.get(s, work);
    const Cf* tw = twiddles_of(s);
    if (inverse) complex_transform<true>(in, out, tmp, s.order, tw, s.stride);
    else complex_transform<false>(in, out, tmp, s.order, tw, s.stride);
    if (inverse ? s.scaleInv : s.scaleFwd) scale_values(&out->re, 2 * (I64{1} << s.order), s.scale);
}

void run_complex_group(const Spec1d& s, bool inverse, Cf* data, I64 batch) {
    const Cf* tw = twiddles_of(s);
    if (inverse) group_transform<true>(data, s.order, tw, s.stride, batch);
    else group_transform<false>(data, s.order, tw, s.stride, batch);
    if (inverse ? s.scaleInv : s.scaleFwd) scale_values(&data->re, 2 * batch * (I64{1} << s.order), s.scale);
}

void run_complex_columns(const Spec1d& s, bool inverse, const Cf* src, I64 srcStep, Cf* dst, I64 dstStep, Cf* vectors,
                         I64 batch) {
    const group::Rows<const Cf> from{src, srcStep};
    const group::Rows<Cf> to{dst, dstStep};
    const I64 n = I64{1} << s.order;
    const std::size_t bytes = static_cast<std::size_t>(batch) * sizeof(Cf);
    if (pass_count(s.order) < 2) {  // one pass: the rows copied in and out
        for (I64 r = 0; r < n; ++r) std::memcpy(vectors + r * batch, from.at(r), bytes);
        run_complex_group(s, inverse, vectors, batch);
        for (I64 k = 0; k < n; ++k) std::memcpy(to.at(k), vectors + inplace_position(k, s.order) * batch, bytes);
        return;
    }
    const float* scale = (inverse ? s.scaleInv : s.scaleFwd) ? &s.scale : nullptr;
    if (inverse) group_columns<true>(from, to, vectors, s.order, twiddles_of(s), s.stride, batch, scale);
    else group_columns<false>(from, to, vectors, s.order, twiddles_of(s), s.stride, batch, scale);
}

void run_real(const Spec1d& s, bool inverse, const float* in, float* out, unsigned char* work) {
    Scratch scratch;
    Cf* tmp = scratch.get(s, work);
    const I64 n = I64{1} << s.order;
    // Recombination twiddles of short transforms come from the 64-point table.
    const Cf* rec = s.recombination ? s.recombination : kTwiddles64;
    Cf shortRec[32];
    if (n <= 64 && n >= 4) {
        for (I64 k = 0; k < n / 2; ++k) shortRec[k] = kTwiddles64[k * (64 / n)];
        rec = shortRec;
    }
    if (inverse) real_inverse(in, out, tmp, s.order, twiddles_of(s), s.stride, rec);
    else real_forward(in, out, tmp, s.order, twiddles_of(s), s.stride, rec);
    if (inverse ? s.scaleInv : s.scaleFwd) scale_values(out, n, s.scale);
}

}  // namespace rvl::fft
