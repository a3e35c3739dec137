// rvliConv_<T>_<C>R and rvliConvGetBufferSize: the convolution of two
// images, by direct sums or by tiled FFT products.
//
// The larger image is scanned and the smaller acts as the kernel (full
// shape: the images are exchanged when image 1 is narrower; valid shape:
// when it is narrower or shorter). The method is chosen per call from the
// output and kernel areas (`choose`), and the buffer-size query makes the
// same choice, so the buffer it reports always holds what that method uses:
//   direct full    one row of integer or float sums (none for 32f, which
//                  sums in the destination row);
//   FFT            the transform's specification, init and work areas and
//                  two planes of transform size per channel;
//   valid, filter  32f and 16s one channel: the general filter with the
//                  kernel reversed (its correlation is then the convolution)
//                  over the source's own pixels; 8u one channel: integer
//                  sums; more channels: sums over the kernel rows;
//   valid, rows    sums over the kernel rows, in float for the integer types.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "filter/fft_tiles.hpp"
#include "filter/filter_spec.hpp"
#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/spec.hpp"
#include "frame/walk.hpp"
#include "kernels/conv.hpp"
#include "kernels/rounding.hpp"

namespace rvl::filter {
namespace {

// ---- algType ---------------------------------------------------------------

struct AlgType {
    unsigned method, shape;  // bits 0-7, bits 16-23
};
inline AlgType decode_alg(Rvl32u a) { return {a & 0xFFu, (a >> 16) & 0xFFu}; }

constexpr unsigned kAuto = 0, kDirect = 1, kFft = 2;

// ---- The geometry of one call ------------------------------------------------

struct Image {
    const void* p;
    I64 step, w, h;
};

enum class Method { DirectFull, Fft, ValidFilter, ValidRows };

struct Thresholds {
    I64 fullOut, fullKernel, validKernel, validOut;
};

inline Thresholds thresholds_of(int dataType) {
    switch (dataType) {
        case rvlType32f: return {2961, 121, 225, 144};
        case rvlType16s: return {4425, 121, 400, 144};
        default: return {4897, 121, 361, 121};
    }
}

struct Plan {
    bool valid = false;
    Image big{}, kernel{};
    I64 outW = 0, outH = 0;
    Method method = Method::DirectFull;
    TileAxis ax, ay;  // FFT only
};

// Orders the images (the larger scanned, the smaller the kernel) and sizes
// the output; false when a valid output would be empty.
inline bool order_images(bool valid, Image a, Image b, Plan* p) {
    if (valid ? (a.w < b.w || a.h < b.h) : a.w < b.w) std::swap(a, b);
    p->valid = valid;
    p->big = a;
    p->kernel = b;
    p->outW = valid ? a.w - b.w + 1 : a.w + b.w - 1;
    p->outH = valid ? a.h - b.h + 1 : a.h + b.h - 1;
    return p->outW >= 1 && p->outH >= 1;
}

inline Method choose(const Plan& p, unsigned method, int dataType) {
    const Thresholds t = thresholds_of(dataType);
    const I64 aOut = p.outW * p.outH, aK = p.kernel.w * p.kernel.h;
    if (!p.valid) {
        if (method == kAuto && (aOut < t.fullOut || aK < t.fullKernel)) return Method::DirectFull;
        return method != kDirect ? Method::Fft : Method::DirectFull;
    }
    if (aK < t.validKernel) return method == kFft ? Method::Fft : Method::ValidFilter;
    if (method == kDirect) return Method::ValidFilter;
    if (aOut >= t.validOut || method == kFft) return Method::Fft;
    return Method::ValidRows;
}

// One axis of the FFT route: one transform over the whole full-shape output
// when the large image is at most 7 kernel areas, otherwise tiles near twice
// the kernel (doubled once more below 256 where the output is longer).
inline TileAxis fft_axis(I64 out, I64 k, bool valid, bool single) {
    TileAxis a;
    a.out = out;
    a.off = valid ? 0 : k - 1;
    a.lag = k - 1;
    a.single = single;
    if (single) {
        a.fft = I64{1} << fft_order(out);
        a.tile = out;
        return a;
    }
    int order = fft_order(2 * k);
    if (order < 8 && (I64{1} << order) < out) ++order;
    a.fft = I64{1} << order;
    a.tile = a.fft - k + 1;
    return a;
}

inline void plan_fft(Plan* p) {
    const bool single = !p->valid && p->big.w * p->big.h <= 7 * p->kernel.w * p->kernel.h;
    p->ax = fft_axis(p->outW, p->kernel.w, p->valid, single);
    p->ay = fft_axis(p->outH, p->kernel.h, p->valid, single);
}

// ---- Buffer sizes --------------------------------------------------------------

inline I64 a64(I64 n) { return round_up(n, 64); }

inline RvlResult filter_sizes(I64 kw, I64 kh, I64 w, I64 h, int dataType, I64* spec, I64* buffer) {
    int s = 0, b = 0;
    const RvlSize ks{static_cast<int>(kw), static_cast<int>(kh)}, roi{static_cast<int>(w), static_cast<int>(h)};
    if (RvlResult st = rvliFilterBorderGetSize(ks, roi, dataType, rvlType32f, 1, &s, &b)) return st;
    *spec = s;
    *buffer = b;
    return rvlResOk;
}

// Bytes the plan's method uses, 64 of them for aligning the buffer's start.
inline RvlResult buffer_bytes(const Plan& p, int dataType, int channels, I64* out) {
    const I64 kw = p.kernel.w, kh = p.kernel.h, C = channels;
    const bool floating = dataType == rvlType32f;
    const I64 sumRow = a64(p.outW * C * 4);
    I64 spec = 0, buf = 0;
    switch (p.method) {
        case Method::DirectFull:
            *out = 64 + (floating ? 0 : sumRow);
            return rvlResOk;
        case Method::Fft: {
            FftSizes z;
            if (RvlResult st = fft_sizes(fft_order(p.ax.fft), fft_order(p.ay.fft), &z)) return st;
            *out = 64 + a64(z.spec) + a64(z.init) + a64(z.work) + a64(C * 2 * p.ax.fft * p.ay.fft * 4);
            return rvlResOk;
        }
        case Method::ValidRows:
            if (floating && C == 1) {
                if (RvlResult st = filter_sizes(kw, kh, p.outW, p.outH, rvlType32f, &spec, &buf)) return st;
                *out = 64 + spec + buf + a64(p.outW * 4) * p.outH + kw * 4;
            } else {
                *out = 64 + (floating ? 0 : sumRow);
            }
            return rvlResOk;
        case Method::ValidFilter:
            if (C == 1 && dataType != rvlType8u) {
                if (RvlResult st = filter_sizes(kw, kh, p.outW, p.outH, dataType, &spec, &buf)) return st;
                *out = 64 + spec + buf + a64(kw * kh * 4) + kw * 4;
            } else if (C == 1) {
                *out = 64 + 4 * (4 * kw * kh + p.outW);
            } else {
                *out = 64 + (floating ? 0 : sumRow);
            }
            return rvlResOk;
    }
    return rvlResOk;
}

// ---- Direct sums -------------------------------------------------------------------

// Kernel tap (column c of row r) of every channel as the sum type.
template <class Acc, class T, int C>
inline void tap(const Image& k, I64 c, I64 r, Acc (&out)[C]) {
    const T* p = row_at(static_cast<const T*>(k.p), k.step, r) + c * C;
    for (int ch = 0; ch < C; ++ch) out[ch] = static_cast<Acc>(p[ch]);
}

// Full shape, output row y: every kernel row j meeting image row y - j adds
// each of its taps, shifted by the tap's column, to the sums.
template <class Acc, class T, int C>
void full_row(const Plan& p, I64 y, Acc* sums) {
    std::memset(sums, 0, static_cast<std::size_t>(p.outW * C) * sizeof(Acc));
    const I64 j0 = std::max<I64>(0, y - p.big.h + 1), j1 = std::min(p.kernel.h - 1, y);
    for (I64 j = j0; j <= j1; ++j) {
        const T* src = row_at(static_cast<const T*>(p.big.p), p.big.step, y - j);
        for (I64 c = 0; c < p.kernel.w; ++c) {
            Acc k[C];
            tap<Acc, T, C>(p.kernel, c, j, k);
            kernels::madd_row<Acc, T, C>(sums + c * C, src, p.big.w * C, k);
        }
    }
}

// Valid shape, output row y: kernel tap (c, j) meets source pixel
// (x + kw - 1 - c, y + kh - 1 - j).
template <class Acc, class T, int C>
void valid_row(const Plan& p, I64 y, Acc* sums) {
    std::memset(sums, 0, static_cast<std::size_t>(p.outW * C) * sizeof(Acc));
    const I64 kw = p.kernel.w, kh = p.kernel.h;
    for (I64 j = 0; j < kh; ++j) {
        const T* src = row_at(static_cast<const T*>(p.big.p), p.big.step, y + kh - 1 - j);
        for (I64 c = 0; c < kw; ++c) {
            Acc k[C];
            tap<Acc, T, C>(p.kernel, c, j, k);
            kernels::madd_row<Acc, T, C>(sums, src + (kw - 1 - c) * C, p.outW * C, k);
        }
    }
}

// Result finishing of the integer types.
struct Scale {
    float reciprocal;  // 1.0f / divisor
    int shift;         // >= 0: 8u sums divided by 2^shift by a shift
};

template <class T>
inline T saturate_nearest(float v) {  // under round-to-nearest-even
    constexpr float lo = std::is_same_v<T, Rvl8u> ? 0.0f : -32768.0f;
    constexpr float hi = std::is_same_v<T, Rvl8u> ? 255.0f : 32767.0f;
    return static_cast<T>(std::nearbyint(std::clamp(v, lo, hi)));
}

// Direct full 8u: sum * (1/divisor), above 255 -> 255, <= 0 -> 0, others
// truncated after adding 0.5.
inline Rvl8u full_8u(float v) { return v > 255.0f ? 255 : v <= 0.0f ? 0 : static_cast<Rvl8u>(static_cast<int>(v + 0.5f)); }

template <class T, class Acc>
void finish_row(const Acc* sums, I64 n, T* dst, const Scale& s, bool fullShape) {
    if constexpr (std::is_same_v<T, Rvl32f>) {
        if (static_cast<const void*>(sums) != dst) std::memcpy(dst, sums, static_cast<std::size_t>(n) * 4);
    } else if constexpr (std::is_same_v<Acc, std::uint32_t>) {
        if (fullShape) {
            for (I64 i = 0; i < n; ++i) dst[i] = full_8u(static_cast<float>(sums[i]) * s.reciprocal);
        } else if (s.shift >= 0) {
            // Halves to even, as the reciprocal path rounds them, so the
            // result does not depend on which of the two a call takes.
            const int sh = s.shift;
            const std::uint64_t below = sh ? (std::uint64_t{1} << (sh - 1)) - 1 : 0;
            for (I64 i = 0; i < n; ++i) {
                const std::uint64_t v = sums[i];
                const std::uint64_t q = (v + below + ((v >> sh) & 1)) >> sh;
                dst[i] = static_cast<Rvl8u>(std::min<std::uint64_t>(255, q));
            }
        } else {
            for (I64 i = 0; i < n; ++i) dst[i] = saturate_nearest<Rvl8u>(static_cast<float>(sums[i]) * s.reciprocal);
        }
    } else {
        for (I64 i = 0; i < n; ++i) dst[i] = fullShape && std::is_same_v<T, Rvl8u> ? full_8u(sums[i] * s.reciprocal)
                                                                                   : saturate_nearest<T>(sums[i] * s.reciprocal);
    }
}

// Every output row through `row` into sums (the destination row itself for
// 32f), then finished.
template <class Acc, class T, int C, class Row>
void direct(const Plan& p, T* dst, I64 dstStep, Acc* buffer, const Scale& s, Row row) {
    for (I64 y = 0; y < p.outH; ++y) {
        T* d = row_at(dst, dstStep, y);
        Acc* sums = std::is_same_v<T, Rvl32f> ? reinterpret_cast<Acc*>(d) : buffer;
        row(p, y, sums);
        finish_row<T, Acc>(sums, p.outW * C, d, s, !p.valid);
    }
}

// 8u sums are 32-bit integers while that is exact (at most 66051 products of
// two bytes per sum); larger kernels sum in single precision.
template <class T, int C, bool Valid>
void direct_sums(const Plan& p, T* dst, I64 dstStep, Rvl8u* buffer, const Scale& s, bool floatSums) {
    auto run = [&](auto acc) {
        using Acc = decltype(acc);
        direct<Acc, T, C>(p, dst, dstStep, align64<Acc>(buffer), s,
                          Valid ? valid_row<Acc, T, C> : full_row<Acc, T, C>);
    };
    if constexpr (std::is_same_v<T, Rvl8u>) {
        if (!floatSums && p.kernel.w * p.kernel.h <= 66051) return run(std::uint32_t{});
    }
    run(float{});
}

// The general filter over the source's own pixels with the reversed kernel
// (32f and 16s, one channel). 16s results are rounded to nearest even by the
// filter itself, so the kernel carries the 1/divisor factor.
template <class T>
RvlResult valid_filter(const Plan& p, T* dst, I64 dstStep, Rvl8u* buffer, float reciprocal) {
    const I64 kw = p.kernel.w, kh = p.kernel.h;
    I64 specBytes = 0, bufBytes = 0;
    if (RvlResult st = filter_sizes(kw, kh, p.outW, p.outH, data_type_of<T>(), &specBytes, &bufBytes)) return st;
    Rvl8u* base = align64<Rvl8u>(buffer);
    auto* spec = reinterpret_cast<RvlFilterSpec*>(base);
    Rvl8u* work = base + specBytes;
    float* kernel = reinterpret_cast<float*>(base + round_up(specBytes + bufBytes, 4));
    float* k = kernel + kw * kh;
    for (I64 j = 0; j < kh; ++j) {
        const T* row = row_at(static_cast<const T*>(p.kernel.p), p.kernel.step, j);
        for (I64 c = 0; c < kw; ++c) {
            const float v = static_cast<float>(row[c]);
            *--k = std::is_same_v<T, Rvl32f> ? v : v * reciprocal;
        }
    }
    const RvlSize ks{static_cast<int>(kw), static_cast<int>(kh)}, roi{static_cast<int>(p.outW), static_cast<int>(p.outH)};
    if (RvlResult st = rvliFilterBorderInit_32f(kernel, ks, data_type_of<T>(), 1, rvlRoundNearestEven, spec)) return st;
    const T* src = row_at(static_cast<const T*>(p.big.p), p.big.step, (kh - 1) / 2) + (kw - 1) / 2;
    const int srcStep = static_cast<int>(p.big.step);
    auto filter = [&](const T* s, T* d, int step, RvlSize size) {
        if constexpr (std::is_same_v<T, Rvl32f>)
            return rvliFilterBorder_32f_C1R(s, srcStep, d, step, size, rvlBorderInMemory, nullptr, spec, work);
        else
            return rvliFilterBorder_16s_C1R(s, srcStep, d, step, size, rvlBorderInMemory, nullptr, spec, work);
    };
    const I64 rowBytes = p.outW * I64{sizeof(T)};
    if (dstStep >= rowBytes) return filter(src, dst, static_cast<int>(dstStep), roi);
    // Destination rows that overlap (a step below the row's bytes, which
    // the convolution accepts and the filter does not): one row at a time,
    // in order.
    for (I64 y = 0; y < p.outH; ++y)
        if (RvlResult st = filter(row_at(src, p.big.step, y), row_at(dst, dstStep, y), static_cast<int>(rowBytes), {roi.width, 1}))
            return st;
    return rvlResOk;
}

// ---- FFT products --------------------------------------------------------------------

template <class T, int C>
RvlResult fft_route(const Plan& p, T* dst, I64 dstStep, Rvl8u* buffer, float reciprocal) {
    FftSizes z;
    const int ox = fft_order(p.ax.fft), oy = fft_order(p.ay.fft);
    if (RvlResult st = fft_sizes(ox, oy, &z)) return st;
    Rvl8u* base = align64<Rvl8u>(buffer);
    Rvl8u* work = base + a64(z.spec) + a64(z.init);
    auto* planes = reinterpret_cast<float*>(work + a64(z.work));
    FftArea a;
    if (RvlResult st = fft_start(ox, oy, z, base, work, planes, &a)) return st;
    RoundingScope nearest(Rc::Nearest);
    for (int ch = 0; ch < C; ++ch) {
        load_plane(a.spectrum, a.width, a.height, static_cast<const T*>(p.kernel.p), p.kernel.step, C, ch, p.kernel.w,
                   p.kernel.h, 0, 0);
        if (RvlResult st = transform_small(a)) return st;
        auto load = [&](float* plane, I64 sx, I64 sy) {
            load_plane(plane, a.width, a.height, static_cast<const T*>(p.big.p), p.big.step, C, ch, p.big.w, p.big.h, sx, sy);
        };
        auto finish = [&](I64 x0, I64 y0, I64 nx, I64 ny, I64 sx, I64 sy) {
            for_tile_rows(a, p.ax, p.ay, x0, y0, nx, ny, sx, sy, [&](I64 y, I64 x, const float* v, I64 n) {
                T* d = row_at(dst, dstStep, y) + x * C + ch;
                for (I64 i = 0; i < n; ++i) {
                    if constexpr (std::is_same_v<T, Rvl32f>) d[i * C] = v[i];
                    else d[i * C] = saturate_nearest<T>(v[i] * reciprocal);
                }
            });
        };
        if (RvlResult st = for_each_tile<false>(a, p.ax, p.ay, load, finish)) return st;
    }
    return rvlResOk;
}

// ---- The exported members ------------------------------------------------------------

inline bool channels_ok(int c) { return c == 1 || c == 3 || c == 4; }

// The checks shared by the worker and the query that depend on algType and
// the sizes alone: method byte, then shape byte, then the valid output.
inline RvlResult plan_call(AlgType alg, Image a, Image b, int dataType, Plan* p) {
    if (alg.method > kFft || alg.shape > 1) return rvlResBadAlgorithmType;
    if (!order_images(alg.shape == 1, a, b, p)) return rvlResBadSize;
    p->method = choose(*p, alg.method, dataType);
    if (p->method == Method::Fft) plan_fft(p);
    return rvlResOk;
}

RvlResult get_buffer_size(RvlSize src1Size, RvlSize src2Size, int dataType, int numChannels, Rvl32u algType, int* pBufferSize) {
    if (RvlResult st = first_failure({null_check(pBufferSize), roi_check(src1Size), roi_check(src2Size)})) return st;
    const AlgType alg = decode_alg(algType);
    if (alg.method > kFft) return rvlResBadAlgorithmType;
    if (!channels_ok(numChannels)) return rvlResBadChannelCount;
    RvlResult refused = rvlResOk;
    Plan p;
    if (dataType != rvlType8u && dataType != rvlType16s && dataType != rvlType32f) refused = rvlResBadDataType;
    else if (alg.shape == 1 && !order_images(true, {nullptr, 0, src1Size.width, src1Size.height},
                                             {nullptr, 0, src2Size.width, src2Size.height}, &p))
        refused = rvlResBadSize;
    else if (alg.shape > 1) refused = rvlResBadAlgorithmType;
    if (refused) {
        *pBufferSize = 0;
        return refused;
    }
    plan_call(alg, {nullptr, 0, src1Size.width, src1Size.height}, {nullptr, 0, src2Size.width, src2Size.height}, dataType, &p);
    I64 bytes = 0;
    if (RvlResult st = buffer_bytes(p, dataType, numChannels, &bytes)) return st;
    return report_size(bytes, pBufferSize);
}

template <class T, int C>
RvlResult run(const Plan& p, T* pDst, I64 dstStep, int divisor, Rvl8u* pBuffer) {
    const float reciprocal = 1.0f / static_cast<float>(divisor);
    switch (p.method) {
        case Method::Fft: return fft_route<T, C>(p, pDst, dstStep, pBuffer, reciprocal);
        case Method::DirectFull:
        case Method::ValidRows: {
            RoundingScope nearest(Rc::Nearest);
            const Scale s{reciprocal, -1};
            if (p.method == Method::DirectFull) direct_sums<T, C, false>(p, pDst, dstStep, pBuffer, s, false);
            else direct_sums<T, C, true>(p, pDst, dstStep, pBuffer, s, true);
            return rvlResOk;
        }
        case Method::ValidFilter:
            if constexpr (C == 1 && !std::is_same_v<T, Rvl8u>) {
                return valid_filter<T>(p, pDst, dstStep, pBuffer, reciprocal);
            } else {
                RoundingScope nearest(Rc::Nearest);
                // 8u, one channel, kernels of three columns or more on rows of
                // 16 outputs or more: a power-of-two divisor is a shift.
                const bool shift = C == 1 && p.kernel.w >= 3 && p.outW >= 16 && divisor > 0 && (divisor & (divisor - 1)) == 0;
                const Scale s{reciprocal, shift ? __builtin_ctz(static_cast<unsigned>(divisor)) : -1};
                direct_sums<T, C, true>(p, pDst, dstStep, pBuffer, s, false);
                return rvlResOk;
            }
    }
    return rvlResOk;
}

template <class T, int C>
RvlResult conv_checked(const T* pSrc1, int src1Step, RvlSize src1Size, const T* pSrc2, int src2Step, RvlSize src2Size, T* pDst,
                       int dstStep, int divisor, bool integer, Rvl32u algType, Rvl8u* pBuffer) {
    if (RvlResult st = first_failure({null_check(pSrc1, pSrc2, pDst), roi_check(src1Size), roi_check(src2Size),
                                      step_check(src1Step, src2Step, dstStep), null_check(pBuffer),
                                      integer && divisor == 0 ? rvlResDivisorZero : rvlResOk}))
        return st;
    Plan p;
    if (RvlResult st = plan_call(decode_alg(algType), {pSrc1, src1Step, src1Size.width, src1Size.height},
                                 {pSrc2, src2Step, src2Size.width, src2Size.height}, data_type_of<T>(), &p))
        return st;
    return run<T, C>(p, pDst, dstStep, divisor, pBuffer);
}

template <int C>
RvlResult conv_32f(const Rvl32f* pSrc1, int src1Step, RvlSize src1Size, const Rvl32f* pSrc2, int src2Step, RvlSize src2Size,
                   Rvl32f* pDst, int dstStep, Rvl32u algType, Rvl8u* pBuffer) {
    return conv_checked<Rvl32f, C>(pSrc1, src1Step, src1Size, pSrc2, src2Step, src2Size, pDst, dstStep, 1, false, algType, pBuffer);
}

template <class T, int C>
RvlResult conv_int(const T* pSrc1, int src1Step, RvlSize src1Size, const T* pSrc2, int src2Step, RvlSize src2Size, T* pDst,
                   int dstStep, int divisor, Rvl32u algType, Rvl8u* pBuffer) {
    return conv_checked<T, C>(pSrc1, src1Step, src1Size, pSrc2, src2Step, src2Size, pDst, dstStep, divisor, true, algType, pBuffer);
}

}  // namespace
}  // namespace rvl::filter

namespace rvl {
using namespace filter;
RVL_BIND(rvliConvGetBufferSize, get_buffer_size);
RVL_BIND(rvliConv_32f_C1R, conv_32f<1>);
RVL_BIND(rvliConv_32f_C3R, conv_32f<3>);
RVL_BIND(rvliConv_32f_C4R, conv_32f<4>);
RVL_BIND(rvliConv_16s_C1R, (conv_int<Rvl16s, 1>));
RVL_BIND(rvliConv_16s_C3R, (conv_int<Rvl16s, 3>));
RVL_BIND(rvliConv_16s_C4R, (conv_int<Rvl16s, 4>));
RVL_BIND(rvliConv_8u_C1R, (conv_int<Rvl8u, 1>));
RVL_BIND(rvliConv_8u_C3R, (conv_int<Rvl8u, 3>));
RVL_BIND(rvliConv_8u_C4R, (conv_int<Rvl8u, 4>));
}  // namespace rvl
