// General filter: size queries, Init, SetMode.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "filter/filter_spec.hpp"
#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/spec.hpp"

namespace rvl::filter {
namespace {

using I64 = std::int64_t;

I64 work_area(I64 n) { return n ? (n + 191) & ~I64{63} : 0; }

// Bordered-pixel elements per channel: the whole bordered source when the
// ROI is not larger than the kernel, else the larger of a full-width strip
// of rows and a full-height strip of columns.
I64 border_elements(I64 kw, I64 kh, I64 w, I64 h) {
    const I64 ax = (kw - 1) >> 1, ay = (kh - 1) >> 1;
    const I64 right = kw == 2 ? 2 - ax : kw - ax - 1;
    const I64 bottom = kh == 2 ? 2 - ay : kh - ay - 1;
    if (w <= kw || h <= kh) return (w + kw - 1) * (h + kh - 1);
    I64 e = bottom >= 1 ? (w + kw - 1) * (kh + bottom - 1) : 0;
    if (right > 0) e = std::max(e, (h + kh - 1) * (kw + right - 1));
    return e;
}

// Scratch of the row loops, by kernel type, data type and channels.
I64 work_bytes(int kernelType, int dataType, int c, I64 kw, I64 kh, I64 w) {
    const I64 w4 = (w + 3) & ~I64{3};
    if (kernelType == rvlType16s && dataType == rvlType8u) {
        if (c == 1) {
            if (kw == 1) return work_area(80 * kh + 8 * w4);
            if (kh == 1) return work_area(((4 * kw + w + 3) >> 2) * 16);
            return work_area(((((kw + 1) >> 1) * 16 * kh + w + 7) >> 3) * 32);
        }
        if (c == 3) {
            if (kw == 1) return work_area(3 * (80 * kh + 8 * w4));
            if (kh == 1) return work_area(((4 * kw + 3 * w + 3) >> 2) * 16);
            return work_area(((4 * kw * kh + 3 * w + 3) >> 2) * 16);
        }
        if (c == 4) {
            if (kw == 1) return work_area(4 * (80 * kh + 8 * w4));
            if (kh == 1) return work_area((w + kw) * 16);
            return work_area((kw * kh + w) * 16);
        }
        return 0;
    }
    if (kernelType == rvlType16s && dataType == rvlType16s) {
        if (c == 1) return work_area(((4 * kw * kh + w + 3) >> 2) * 16);
        if (c == 3) return work_area(((4 * kw * kh + 3 * w + 31) >> 2) * 16);
        if (c == 4) {
            const I64 n = (kw * kh + w) * 16 + 124;
            return n < 16 ? 0 : ((n & ~I64{15}) + 191) & ~I64{63};
        }
        return 0;
    }
    if (kernelType == rvlType32f) {
        if (dataType == rvlType32f) return c == 1 ? work_area(32 * kw * kh) : (c == 3 || c == 4) ? work_area(16 * kw * kh) : 0;
        if (c == 1 && kw == 1 && dataType == rvlType16s) return work_area(((w + 7) & ~I64{3}) * 4);
        if (c == 1) return work_area(((4 * kw * kh + 2 * w + 10) >> 2) * 16 + 8 * w4);
        if (c == 3) return work_area(((4 * kw * kh + 6 * w + 10) >> 2) * 16 + ((3 * w + 3) >> 2) * 32);
        if (c == 4) return work_area(4 * (4 * kw * kh + 8 * w) + 32 * w);
    }
    return 0;
}

// Init_16s builds a floating specification for these data types and shapes.
bool integer_kernel_goes_floating(int dataType, int c, I64 kw, I64 kh) {
    if (dataType == rvlType16u) return true;
    if (dataType != rvlType16s) return false;
    return c == 3 || c == 4 || kw == 1 || kh == 1 || (c == 1 && kw < 3);
}

}  // namespace

FilterSizes filter_sizes(I64 kw, I64 kh, I64 w, I64 h, int dataType, int kernelType, int c) {
    FilterSizes s{};
    const I64 e = border_elements(kw, kh, w, h);
    if (kernelType == rvlType64f) {
        s.borderBytes = ((e * 8 + 31) & ~I64{31}) + 32;
        s.spec = ((kw * kh * 8 + 63) & ~I64{63}) + 191;
        s.buffer = ((e * 8 + 31) & ~I64{31}) + 95 + filter64_buffer(kw, kh, w) + 63;
        return s;
    }
    if (kernelType == rvlType16s && integer_kernel_goes_floating(dataType, c, kw, kh)) kernelType = rvlType32f;
    const I64 scaled = e * element_bytes(dataType) * c;
    s.borderBytes = ((scaled + 31) & ~I64{31}) + 32;
    s.buffer = ((scaled + 31) & ~I64{31}) + 95 + work_bytes(kernelType, dataType, c, kw, kh, w);
    s.spec = ((((kw + 1) >> 1) * 8 * kh * 4 + 63) & ~I64{63}) +
             (((kernelType == rvlType16s ? 2 : 4) * kw * kh + 63) & ~I64{63}) + 191;
    if (kernelType == rvlType32f && (c == 1 || c == 3 || c == 4)) s.spec += (kw * kh * 16 + 63) & ~I64{63};
    return s;
}

I64 filter64_buffer(I64 kw, I64 kh, I64 w) {
    if (kw == 1) return (kh > 2 && w > 15) ? 32 * kh : 0;
    return 16 * kh * ((kw + 2) & ~I64{1}) + 4 * kw * kh + 15;
}

namespace {

RvlResult filter_border_get_size(RvlSize kernelSize, RvlSize dstRoiSize, int dataType, int kernelType,
                                 int numChannels, int* pSpecSize, int* pBufferSize) {
    if (kernelSize.width < 1 || kernelSize.height < 1 || dstRoiSize.width < 1 || dstRoiSize.height < 1)
        return rvlResBadSize;
    if (kernelType == rvlType64f) {
        if (dataType != rvlType64f) return rvlResBadDataType;
        if (numChannels != 1) return rvlResBadChannel;
    } else {
        const bool data = dataType == rvlType8u || dataType == rvlType16u || dataType == rvlType16s || dataType == rvlType32f;
        if (!data || (kernelType != rvlType16s && kernelType != rvlType32f)) return rvlResBadDataType;
        if (numChannels < 1 || numChannels > 4) return rvlResBadChannel;
    }
    if (RvlResult st = null_check(pSpecSize, pBufferSize)) return st;
    const FilterSizes s = filter_sizes(kernelSize.width, kernelSize.height, dstRoiSize.width, dstRoiSize.height,
                                       dataType, kernelType, numChannels);
    const RvlResult specStatus = report_size(s.spec, pSpecSize);
    const RvlResult bufferStatus = report_size(s.buffer, pBufferSize);
    return bufferStatus ? bufferStatus : specStatus;
}

// Header fields every Init sets: the kernel's shape, channels, rounding,
// offset and hint cleared, divisor 1.
FilterSpecData* start_spec(RvlFilterSpec* pSpec, Id id, RvlSize k, int channels, int roundMode) {
    auto* h = align64<FilterSpecData>(pSpec);
    *h = FilterSpecData{};
    h->id = id;
    h->kw = k.width;
    h->kh = k.height;
    h->channels = channels;
    h->roundMode = roundMode;
    h->divisor = 1;
    h->divisorF = 1.0f;
    h->divisorD = 1.0;
    h->reciprocal = 1.0f;
    h->pairedMadd = 1;
    return h;
}

template <class K, class S>
void store_reversed(K* out, const S* kernel, I64 n) {
    for (I64 t = 0; t < n; ++t) out[t] = static_cast<K>(kernel[n - 1 - t]);
}

// The f32 coefficients, each repeated over a 16-byte register, in kernel
// order. They serve the one-, three- and four-channel workers; the sizes
// include them only for those channel counts, so a two-channel
// specification (which no worker takes) has none.
void store_registers(FilterSpecData* h) {
    if (h->channels == 2) return;
    const I64 n = I64{h->kw} * h->kh;
    const float* rev = reversed_kernel<float>(h);
    auto* regs = reinterpret_cast<float*>(reinterpret_cast<char*>(h) + quads_offset(h->kw, h->kh));
    for (I64 t = 0; t < n; ++t)
        for (int lane = 0; lane < 4; ++lane) regs[4 * t + lane] = rev[n - 1 - t];
}

RvlResult init_common_checks(const void* pKernel, const void* pSpec, RvlSize k) {
    if (RvlResult st = null_check(pKernel, pSpec)) return st;
    return (k.width < 1 || k.height < 1) ? rvlResBadSize : rvlResOk;
}

bool is_data_type(int dataType, std::initializer_list<int> accepted) {
    return std::find(accepted.begin(), accepted.end(), dataType) != accepted.end();
}

RvlResult filter_border_init_16s(const Rvl16s* pKernel, RvlSize kernelSize, int divisor, int dataType,
                                 int numChannels, int roundMode, RvlFilterSpec* pSpec) {
    if (RvlResult st = init_common_checks(pKernel, pSpec, kernelSize)) return st;
    if (!is_data_type(dataType, {rvlType8u, rvlType16u, rvlType16s})) return rvlResBadDataType;
    if (numChannels < 1 || numChannels > 4) return rvlResBadChannel;
    if (static_cast<unsigned>(roundMode & ~kAccurateFlag) > 2) return rvlResBadRoundMode;
    if (divisor == 0) return rvlResDivisorZero;

    const I64 kw = kernelSize.width, kh = kernelSize.height, n = kw * kh;
    const bool accurateAsked = roundMode & kAccurateFlag;
    if (integer_kernel_goes_floating(dataType, numChannels, kw, kh)) {
        // The kernel becomes K[i] * (1/divisor), formed in double and
        // rounded once to single precision.
        const Id id = dataType == rvlType16u ? kFloat16u : kFloat16s;
        FilterSpecData* h = start_spec(pSpec, id, kernelSize, numChannels, roundMode & ~kAccurateFlag);
        const double inverse = 1.0 / divisor;
        float* rev = reversed_kernel<float>(h);
        for (I64 t = 0; t < n; ++t) rev[t] = static_cast<float>(pKernel[n - 1 - t] * inverse);
        store_registers(h);
        return accurateAsked ? rvlResWarnNoAccurateMode : rvlResOk;
    }

    const Id id = dataType == rvlType8u ? kInt8u : kInt16s;
    const bool hasAccurate = id == kInt8u || numChannels == 1;
    FilterSpecData* h = start_spec(pSpec, id, kernelSize, numChannels,
                                   hasAccurate ? roundMode : roundMode & ~kAccurateFlag);
    h->divisor = divisor;
    h->divisorF = static_cast<float>(divisor);
    h->divisorD = divisor;
    h->reciprocal = static_cast<float>(1.0 / divisor);
    if (divisor == 1) {
        h->divisorClass = kDivisorOne;
    } else if (divisor > 0 && (divisor & (divisor - 1)) == 0) {
        h->divisorClass = kDivisorPowerOfTwo;
        int s = 0;
        while ((1 << s) != divisor) ++s;
        h->shift = s;
        h->roundConst = 1 << (s - 1);
        h->mask = divisor - 1;
    } else {
        h->divisorClass = kDivisorOther;
    }
    Rvl16s* rev = reversed_kernel<Rvl16s>(h);
    store_reversed(rev, pKernel, n);
    I64 absSum = 0;
    for (I64 t = 0; t < n; ++t) {
        if (pKernel[t] == 32767 || pKernel[t] == -32768) h->pairedMadd = 0;
        absSum += pKernel[t] < 0 ? -I64{pKernel[t]} : pKernel[t];
    }
    h->absSum = absSum;
    // 8u kernels whose every partial sum fits int16 and whose coefficients
    // fit int8 take the byte multiply-add loop.
    h->bytePairs = id == kInt8u && absSum * 255 <= 32767 &&
                   std::all_of(pKernel, pKernel + n, [](Rvl16s v) { return v >= -128 && v <= 127; });
    auto* regs = reinterpret_cast<std::uint32_t*>(reinterpret_cast<char*>(h) + pairs_offset(kw, kh));
    for (I64 q = 0; 2 * q < n; ++q) {
        const Rvl16s a = pKernel[2 * q];
        const Rvl16s b = 2 * q + 1 < n ? pKernel[2 * q + 1] : 0;
        const std::uint32_t word =
            h->bytePairs ? (static_cast<std::uint8_t>(a) | static_cast<std::uint32_t>(static_cast<std::uint8_t>(b)) << 8) * 0x10001u
                         : static_cast<std::uint16_t>(a) | static_cast<std::uint32_t>(static_cast<std::uint16_t>(b)) << 16;
        for (int lane = 0; lane < 4; ++lane) regs[q * 4 + lane] = word;
    }
    return accurateAsked && !hasAccurate ? rvlResWarnNoAccurateMode : rvlResOk;
}

RvlResult filter_border_init_32f(const Rvl32f* pKernel, RvlSize kernelSize, int dataType, int numChannels,
                                 int roundMode, RvlFilterSpec* pSpec) {
    if (RvlResult st = init_common_checks(pKernel, pSpec, kernelSize)) return st;
    if (!is_data_type(dataType, {rvlType8u, rvlType16u, rvlType16s, rvlType32f})) return rvlResBadDataType;
    if (numChannels < 1 || numChannels > 4) return rvlResBadChannel;
    if (static_cast<unsigned>(roundMode & ~kAccurateFlag) > 2) return rvlResBadRoundMode;
    const Id id = dataType == rvlType8u ? kFloat8u : dataType == rvlType16u ? kFloat16u
                  : dataType == rvlType16s ? kFloat16s : kFloat32f;
    FilterSpecData* h = start_spec(pSpec, id, kernelSize, numChannels, roundMode & ~kAccurateFlag);
    store_reversed(reversed_kernel<float>(h), pKernel, I64{kernelSize.width} * kernelSize.height);
    store_registers(h);
    return roundMode & kAccurateFlag ? rvlResWarnNoAccurateMode : rvlResOk;
}

// Only nearest rounding is meaningful for double results; the accurate flag
// is accepted and answered with the warning, as for the f32 kernels.
RvlResult filter_border_init_64f(const Rvl64f* pKernel, RvlSize kernelSize, int dataType, int numChannels,
                                 int roundMode, RvlFilterSpec* pSpec) {
    if (RvlResult st = init_common_checks(pKernel, pSpec, kernelSize)) return st;
    if (dataType != rvlType64f) return rvlResBadDataType;
    if (numChannels != 1) return rvlResBadChannel;
    if ((roundMode & ~kAccurateFlag) != rvlRoundNearestEven) return rvlResBadRoundMode;
    FilterSpecData* h = start_spec(pSpec, kFloat64f, kernelSize, 1, rvlRoundNearestEven);
    store_reversed(reversed_kernel<double>(h), pKernel, I64{kernelSize.width} * kernelSize.height);
    return roundMode & kAccurateFlag ? rvlResWarnNoAccurateMode : rvlResOk;
}

RvlResult filter_border_set_mode(int hint, int offset, RvlFilterSpec* pSpec) {
    if (RvlResult st = null_check(pSpec)) return st;
    FilterSpecData* h = align64<FilterSpecData>(pSpec);
    const bool signedOrFloating = h->id == kInt16s || h->id == kFloat16s || h->id == kFloat32f || h->id == kFloat64f;
    if (signedOrFloating && offset != 0) return rvlResUnsupportedMode;
    if (h->id == kFloat64f) return rvlResOk;
    const bool accurate = hint == rvlHintAccurate && (h->id == kInt8u || (h->id == kInt16s && h->channels == 1));
    h->roundMode = (h->roundMode & 3) | (accurate ? kAccurateFlag : 0);
    h->offset = offset;
    h->offsetF = integer_id(h->id) ? static_cast<float>(static_cast<double>(offset) * h->divisor)
                                   : static_cast<float>(offset);
    h->hint = hint;
    return rvlResOk;
}

RvlResult filter_get_buf_size_64f(RvlSize kernelSize, int dstRoiWidth, int* pSize) {
    if (RvlResult st = null_check(pSize)) return st;
    if (kernelSize.width < 1 || kernelSize.height < 1 || dstRoiWidth < 1) return rvlResBadSize;
    return report_size(filter64_buffer(kernelSize.width, kernelSize.height, dstRoiWidth), pSize);
}

}  // namespace
}  // namespace rvl::filter

namespace rvl {
RVL_BIND(rvliFilterBorderGetSize, filter::filter_border_get_size);
RVL_BIND(rvliFilterBorderInit_16s, filter::filter_border_init_16s);
RVL_BIND(rvliFilterBorderInit_32f, filter::filter_border_init_32f);
RVL_BIND(rvliFilterBorderInit_64f, filter::filter_border_init_64f);
RVL_BIND(rvliFilterBorderSetMode, filter::filter_border_set_mode);
RVL_BIND(rvliFilterGetBufSize_64f_C1R, filter::filter_get_buf_size_64f);
}  // namespace rvl
