// Resize: sizes, Init of nearest and linear, and the tile queries, for the
// 32-bit API (8u/16u/16s/32f share one implementation, 64f its own) and the
// _L API.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>

#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "geometry/resize_spec.hpp"
#include "geometry/resize_tile.hpp"
#include "kernels/rounding.hpp"

namespace rvl::resize {

void build_axis(Axis& a, std::int64_t src, std::int64_t dst, std::int64_t half, std::int32_t* index) {
    const std::int64_t g = std::gcd(src, dst);
    a = Axis{};
    a.srcLen = static_cast<std::int32_t>(src);
    a.dstLen = static_cast<std::int32_t>(dst);
    a.srcReduced = static_cast<std::int32_t>(src / g);
    a.dstReduced = static_cast<std::int32_t>(dst / g);
    a.index = index;
    if (half == 0) {
        const double s = static_cast<double>(src) / static_cast<double>(dst);
        for (std::int64_t d = 0; d < dst; ++d) index[d] = static_cast<std::int32_t>(std::trunc((d + 0.5) * s - 1e-10));
        return;
    }
    for (std::int64_t d = 0; d < dst; ++d) {
        const double x = mapped_position(a, d);
        index[d] = static_cast<std::int32_t>(std::floor(x));
        if (x < static_cast<double>(half - 1)) ++a.lead;
        if (x >= static_cast<double>(src - half)) ++a.trail;
    }
}

namespace {

using I64 = std::int64_t;

bool known_interpolation(int interp) { return interp == 0 || interp == 1 || interp == 2 || interp == 6 || interp == 8 || interp == 16; }

// Antialiasing taps of one axis: k for an enlargement, else 2 ceil(k * scale).
I64 antialias_taps(I64 k, I64 src, I64 dst) {
    const double scale = static_cast<double>(src) / static_cast<double>(dst);
    return scale <= 1.0 ? k : 2 * static_cast<I64>(std::ceil(k * scale));
}

struct Sizes { I64 spec, init; };

Sizes sizes_of(int interp, bool antialiasing, bool f64, I64 sw, I64 sh, I64 dw, I64 dh) {
    const I64 base = 4 * (w32(dw) + w32(dh));
    if (antialiasing && (interp == rvlInterLinear || interp == rvlInterCubicBC || interp == rvlInterLanczos)) {
        const I64 k = interp == rvlInterLinear ? 2 : interp == rvlInterCubicBC ? 4 : 6;
        const I64 nx = antialias_taps(k, sw, dw), ny = antialias_taps(k, sh, dh);
        I64 spec = base + w32(4 * nx * dw) + w32(4 * ny * dh) + 296;
        if (interp == rvlInterLinear && static_cast<double>(sw) / static_cast<double>(dw) <= 1.0) spec += w32(4 * dw);
        return {spec, 8 * (w32(dw) + w32(dh)) + 64};
    }
    switch (interp) {
        case rvlInterNearest: return {base + 296, 64};
        case rvlInterLinear: return f64 ? Sizes{12 * (w32(dw) + w32(dh)) + 256, 64} : Sizes{2 * base + 296, 64};
        case rvlInterCubicBC:
            return {base + 4 * (((4 * dw + 127) & ~I64{31}) + ((4 * dh + 127) & ~I64{31})) + 296, base + 64};
        case rvlInterLanczos:
            return {base + 4 * (((6 * dw + 191) & ~I64{31}) + ((6 * dh + 191) & ~I64{31})) + 296, base + 64};
        default: {
            const I64 nx = super_table_length(sw, dw), ny = super_table_length(sh, dh);
            return {4 * (w32(nx) + nx + ny + w32(ny)) + 296, 64};
        }
    }
}

// The checks and sizes shared by the three GetSize entries. dataType is 0
// for the 32-bit 8u/16u/16s/32f entry, 19 for the 64f entry, the caller's
// value for _L.
template <class Size>
RvlResult get_size(Size src, Size dst, int dataType, bool longApi, int interp, Rvl32u antialiasing, Sizes* out) {
    if (src.width == 0 || src.height == 0 || dst.width == 0 || dst.height == 0) return rvlResWarnNothingDone;
    if (src.width < 1 || src.height < 1 || dst.width < 1 || dst.height < 1) return rvlResBadSize;
    if (!known_interpolation(interp)) return rvlResBadInterpolation;
    if (longApi) {
        const bool type = dataType == rvlType8u || dataType == rvlType16u || dataType == rvlType16s || dataType == rvlType32f;
        if (!type && !(dataType == rvlType64f && interp == rvlInterLinear)) return rvlResBadDataType;
        if (std::max({I64{src.width}, I64{src.height}, I64{dst.width}, I64{dst.height}}) > kMaxLengthL)
            return rvlResSizeOverflow;
    }
    if (interp == 0) return rvlResUnsupportedMode;
    const I64 minSource = interp == rvlInterLinear ? 2 : (interp == rvlInterCubicBC || interp == rvlInterLanczos) ? 4 : 1;
    if (src.width < minSource || src.height < minSource) return rvlResBadSize;
    if (interp == rvlInterSuper && (src.width < dst.width || src.height < dst.height)) return rvlResBadSize;
    const bool f64 = dataType == rvlType64f;
    if (f64 && (interp != rvlInterLinear || antialiasing)) return rvlResUnsupportedMode;
    *out = sizes_of(interp, antialiasing != 0, f64, src.width, src.height, dst.width, dst.height);
    if (!longApi && (out->spec >= 0x7FFFFFFF || out->init >= 0x7FFFFFFF)) return rvlResSizeOverflow;
    const bool ignored = antialiasing && (interp == rvlInterNearest || interp == rvlInterSuper);
    return ignored ? rvlResWarnAntialiasingIgnored : rvlResOk;
}

RvlResult get_size_32(RvlSize src, RvlSize dst, RvlInterpolation interp, Rvl32u aa, int* pSpecSize, int* pInitBufSize, int type) {
    if (RvlResult st = null_check(pSpecSize, pInitBufSize)) return st;
    Sizes s{};
    const RvlResult st = get_size(src, dst, type, false, interp, aa, &s);
    if (st == rvlResSizeOverflow) {
        *pSpecSize = *pInitBufSize = 0;
        return st;
    }
    if (st < 0 || st == rvlResWarnNothingDone) return st;
    *pSpecSize = static_cast<int>(s.spec);
    *pInitBufSize = static_cast<int>(s.init);
    return st;
}

RvlResult resize_get_size(RvlSize src, RvlSize dst, RvlInterpolation interp, Rvl32u aa, int* pSpecSize, int* pInitBufSize) {
    return get_size_32(src, dst, interp, aa, pSpecSize, pInitBufSize, 0);
}
RvlResult resize_get_size_64f(RvlSize src, RvlSize dst, RvlInterpolation interp, Rvl32u aa, int* pSpecSize, int* pInitBufSize) {
    return get_size_32(src, dst, interp, aa, pSpecSize, pInitBufSize, rvlType64f);
}
RvlResult resize_get_size_l(RvlSizeL src, RvlSizeL dst, int dataType, RvlInterpolation interp, Rvl32u aa, Rvl64s* pSpecSize,
                            Rvl64s* pInitBufSize) {
    if (RvlResult st = null_check(pSpecSize, pInitBufSize)) return st;
    Sizes s{};
    const RvlResult st = get_size(src, dst, dataType, true, interp, aa, &s);
    if (st < 0 || st == rvlResWarnNothingDone) return st;
    *pSpecSize = s.spec;
    *pInitBufSize = s.init;
    return st;
}

// ---- Init ------------------------------------------------------------------

double fraction(const Axis& a, I64 d) {
    const double x = mapped_position(a, d);
    return x - std::floor(x);
}

enum class Weights { None, Q14, F32, F64 };

template <class T>
T* take_table(char*& next, I64 count) {
    T* t = reinterpret_cast<T*>(next);
    next += (count * static_cast<I64>(sizeof(T)) + 63) & ~I64{63};
    return t;
}

void build_spec(RvlResizeSpec* pSpec, std::uint32_t magic, I64 sw, I64 sh, I64 dw, I64 dh, bool linear, Weights weights) {
    // The mapping is formed in double under round-to-nearest whatever the
    // caller's rounding mode, so the tables, the queries and the workers
    // always agree on which source pixels a tile reads.
    RoundingScope nearest(Rc::Nearest);
    SpecData* s = spec_data(pSpec);
    *s = SpecData{};
    s->magic = magic;
    s->type = weights == Weights::F64 ? rvlType64f : rvlType32f;
    s->interpolation = linear ? rvlInterLinear : rvlInterNearest;
    s->halfX = s->halfY = linear ? 1 : 0;
    for (auto& b : s->border) b = linear ? 1 : 0;
    char* next = reinterpret_cast<char*>(s) + kTablesOffset;
    std::int32_t* rows = take_table<std::int32_t>(next, dh);
    std::int32_t* cols = take_table<std::int32_t>(next, dw);
    build_axis(s->vy, sh, dh, linear ? 1 : 0, rows);
    build_axis(s->vx, sw, dw, linear ? 1 : 0, cols);
    if (weights == Weights::Q14) {
        // w = trunc(f * 16384 + 1e-7); columns hold (16384 - w, w).
        auto q14 = [](double f) { return static_cast<std::uint16_t>(std::trunc(f * 16384.0 + 1e-7)); };
        s->vy.weightsQ14 = take_table<std::uint16_t>(next, dh);
        s->vx.weightsQ14 = take_table<std::uint16_t>(next, 2 * dw);
        for (I64 d = 0; d < dh; ++d) s->vy.weightsQ14[d] = q14(fraction(s->vy, d));
        for (I64 d = 0; d < dw; ++d) {
            const std::uint16_t w = q14(fraction(s->vx, d));
            s->vx.weightsQ14[2 * d] = static_cast<std::uint16_t>(16384 - w);
            s->vx.weightsQ14[2 * d + 1] = w;
        }
    } else if (weights == Weights::F32) {
        s->vy.weights32 = take_table<float>(next, dh);
        s->vx.weights32 = take_table<float>(next, dw);
        for (I64 d = 0; d < dh; ++d) s->vy.weights32[d] = static_cast<float>(fraction(s->vy, d));
        for (I64 d = 0; d < dw; ++d) s->vx.weights32[d] = static_cast<float>(fraction(s->vx, d));
    } else if (weights == Weights::F64) {
        s->vy.weights64 = take_table<double>(next, dh);
        s->vx.weights64 = take_table<double>(next, dw);
        for (I64 d = 0; d < dh; ++d) s->vy.weights64[d] = fraction(s->vy, d);
        for (I64 d = 0; d < dw; ++d) s->vx.weights64[d] = fraction(s->vx, d);
    }
}

template <class Size>
RvlResult init_checks(Size src, Size dst, const RvlResizeSpec* pSpec, bool linear, bool longApi, int dataType) {
    if (RvlResult st = null_check(pSpec)) return st;
    if (src.width == 0 || src.height == 0 || dst.width == 0 || dst.height == 0) return rvlResWarnNothingDone;
    if (src.width < 1 || src.height < 1 || dst.width < 1 || dst.height < 1) return rvlResBadSize;
    if (linear && (src.width < 2 || src.height < 2)) return rvlResBadSize;
    if (longApi) {
        const bool type = dataType == rvlType8u || dataType == rvlType16u || dataType == rvlType16s || dataType == rvlType32f;
        if (!type && !(linear && dataType == rvlType64f)) return rvlResBadDataType;
        if (std::max({I64{src.width}, I64{src.height}, I64{dst.width}, I64{dst.height}}) > kMaxLengthL)
            return rvlResSizeOverflow;
    }
    return rvlResOk;
}

RvlResult nearest_init(RvlSize src, RvlSize dst, RvlResizeSpec* pSpec) {
    if (RvlResult st = init_checks(src, dst, pSpec, false, false, 0)) return st;
    build_spec(pSpec, kMagic, src.width, src.height, dst.width, dst.height, false, Weights::None);
    return rvlResOk;
}
RvlResult nearest_init_l(RvlSizeL src, RvlSizeL dst, int dataType, RvlResizeSpec* pSpec) {
    if (RvlResult st = init_checks(src, dst, pSpec, false, true, dataType)) return st;
    build_spec(pSpec, kMagicL, src.width, src.height, dst.width, dst.height, false, Weights::None);
    return rvlResOk;
}
template <Weights W>
RvlResult linear_init(RvlSize src, RvlSize dst, RvlResizeSpec* pSpec) {
    if (RvlResult st = init_checks(src, dst, pSpec, true, false, 0)) return st;
    build_spec(pSpec, kMagic, src.width, src.height, dst.width, dst.height, true, W);
    return rvlResOk;
}
RvlResult linear_init_l(RvlSizeL src, RvlSizeL dst, int dataType, RvlResizeSpec* pSpec) {
    if (RvlResult st = init_checks(src, dst, pSpec, true, true, dataType)) return st;
    const Weights w = dataType == rvlType8u ? Weights::Q14 : dataType == rvlType64f ? Weights::F64 : Weights::F32;
    build_spec(pSpec, kMagicL, src.width, src.height, dst.width, dst.height, true, w);
    return rvlResOk;
}

// ---- Tile queries -------------------------------------------------------------

template <Api A, class Size, class Out>
RvlResult get_buffer_size(const RvlResizeSpec* pSpec, Size dst, Rvl32u channels, Out* pBufSize) {
    if (RvlResult st = null_check(pSpec, pBufSize)) return st;
    if (dst.width == 0 || dst.height == 0) return rvlResWarnNothingDone;
    const SpecData* s = spec_data(pSpec);
    if (!identity_ok(s, A)) return rvlResBadContext;
    if (channels != 1 && channels != 3 && channels != 4) return rvlResBadChannelCount;
    if (dst.width < 1 || dst.height < 1) return rvlResBadSize;
    const I64 w = std::min<I64>(dst.width, s->vx.dstLen), h = std::min<I64>(dst.height, s->vy.dstLen), c = channels;
    I64 bytes = w32(4 * h) + w32(4 * w);  // the tile's index tables
    const I64 hx = s->halfX, hy = s->halfY;
    if (s->antialiasing) {
        // Rows of the vertical taps, tap pointers, the band columns' and
        // rows' taps, and one row of sums.
        bytes += 2 * hy * w32(4 * c * w) + ((16 * hy + 39) & ~I64{31}) + w32(16 * s->vx.lead * hx) +
                 w32(16 * s->vx.trail * hx) + w32(16 * s->vy.lead * hy) + w32(16 * s->vy.trail * hy) + w32(4 * c * w);
    } else if (s->interpolation == rvlInterSuper) {
        // Column sums of the source columns under the tile (at most
        // S'/D' w + 3, never more than the source width) per row of a period.
        const float across = static_cast<float>(s->vx.srcReduced) * static_cast<float>(w) / static_cast<float>(s->vx.dstReduced) + 3.0f;
        const I64 columns = std::min<I64>(static_cast<I64>(across), s->vx.srcLen);
        bytes += 32 + (4 * c * w32(columns) + 8) * std::min<I64>(s->vy.dstReduced, h);
    } else if (s->interpolation != rvlInterNearest) {
        if (s->type == rvlType64f)
            bytes = 4 * (w32(h) + w32(w)) + 8 * c * ((2 * w + 63) & ~I64{31});
        else
            bytes += 2 * hy * w32(4 * c * w);  // 2h rows of horizontal sums
    }
    bytes += 64;
    if (A != Api::Long && bytes >= 0x7FFFFFFF) return rvlResSizeOverflow;
    *pBufSize = static_cast<Out>(bytes);
    return (dst.width > s->vx.dstLen || dst.height > s->vy.dstLen) ? rvlResWarnArgumentRange : rvlResOk;
}

template <Api A>
RvlResult get_border_size(const RvlResizeSpec* pSpec, RvlBorderExtent* pBorderSize) {
    if (RvlResult st = null_check(pSpec, pBorderSize)) return st;
    const SpecData* s = spec_data(pSpec);
    if (!identity_ok(s, A)) return rvlResBadContext;
    *pBorderSize = RvlBorderExtent{s->border[0], s->border[1], s->border[2], s->border[3]};
    return rvlResOk;
}

template <Api A, class Point>
RvlResult get_src_offset(const RvlResizeSpec* pSpec, Point dstOffset, Point* pSrcOffset) {
    if (RvlResult st = null_check(pSpec, pSrcOffset)) return st;
    const SpecData* s = spec_data(pSpec);
    if (!identity_ok(s, A)) return rvlResBadContext;
    if (dstOffset.x < 0 || dstOffset.x >= s->vx.dstLen || dstOffset.y < 0 || dstOffset.y >= s->vy.dstLen)
        return rvlResOutOfRange;
    pSrcOffset->x = static_cast<decltype(pSrcOffset->x)>(tile_source_offset(s, s->vx, dstOffset.x));
    pSrcOffset->y = static_cast<decltype(pSrcOffset->y)>(tile_source_offset(s, s->vy, dstOffset.y));
    return rvlResOk;
}

template <Api A, class Point, class Size>
RvlResult get_src_roi(const RvlResizeSpec* pSpec, Point offset, Size size, Point* pSrcOffset, Size* pSrcSize) {
    if (RvlResult st = null_check(pSpec, pSrcOffset, pSrcSize)) return st;
    if (size.width < 1 || size.height < 1) return rvlResBadSize;
    const SpecData* s = spec_data(pSpec);
    if (!identity_ok(s, A)) return rvlResBadContext;
    if (offset.x < 0 || offset.x >= s->vx.dstLen || offset.y < 0 || offset.y >= s->vy.dstLen) return rvlResOutOfRange;
    const I64 w = std::min<I64>(size.width, s->vx.dstLen - offset.x), h = std::min<I64>(size.height, s->vy.dstLen - offset.y);
    auto extent = [s](const Axis& a, I64 at, I64 n, I64 from) -> I64 {
        if (s->interpolation == rvlInterSuper) {
            // To the last tap of the tile's last position.
            const I64 m = (at + n) % a.dstReduced;
            const I64 last = m == 0 ? a.srcReduced - 1 : a.index[m * a.superTaps - 1];
            return I64{a.srcReduced} * ((at + n - 1) / a.dstReduced) - from + last + 1;
        }
        return at + n == a.dstLen ? a.srcLen - from : a.index[at + n - 1] - from + 1;
    };
    const I64 ox = tile_source_offset(s, s->vx, offset.x), oy = tile_source_offset(s, s->vy, offset.y);
    pSrcOffset->x = static_cast<decltype(pSrcOffset->x)>(ox);
    pSrcOffset->y = static_cast<decltype(pSrcOffset->y)>(oy);
    pSrcSize->width = static_cast<decltype(pSrcSize->width)>(extent(s->vx, offset.x, w, ox));
    pSrcSize->height = static_cast<decltype(pSrcSize->height)>(extent(s->vy, offset.y, h, oy));
    return (w < size.width || h < size.height) ? rvlResWarnArgumentRange : rvlResOk;
}

}  // namespace
}  // namespace rvl::resize

namespace rvl {
using namespace resize;
RVL_BIND(rvliResizeGetSize_8u, resize_get_size);
RVL_BIND(rvliResizeGetSize_16u, resize_get_size);
RVL_BIND(rvliResizeGetSize_16s, resize_get_size);
RVL_BIND(rvliResizeGetSize_32f, resize_get_size);
RVL_BIND(rvliResizeGetSize_64f, resize_get_size_64f);
RVL_BIND(rvliResizeGetSize_L, resize_get_size_l);
RVL_BIND(rvliResizeNearestInit_8u, nearest_init);
RVL_BIND(rvliResizeNearestInit_16u, nearest_init);
RVL_BIND(rvliResizeNearestInit_16s, nearest_init);
RVL_BIND(rvliResizeNearestInit_32f, nearest_init);
RVL_BIND(rvliResizeNearestInit_L, nearest_init_l);
RVL_BIND(rvliResizeLinearInit_8u, linear_init<Weights::Q14>);
RVL_BIND(rvliResizeLinearInit_16u, linear_init<Weights::F32>);
RVL_BIND(rvliResizeLinearInit_16s, linear_init<Weights::F32>);
RVL_BIND(rvliResizeLinearInit_32f, linear_init<Weights::F32>);
RVL_BIND(rvliResizeLinearInit_64f, linear_init<Weights::F64>);
RVL_BIND(rvliResizeLinearInit_L, linear_init_l);
RVL_BIND(rvliResizeGetBufferSize_8u, get_buffer_size<Api::Int32, RvlSize, int>);
RVL_BIND(rvliResizeGetBufferSize_16u, get_buffer_size<Api::Int32, RvlSize, int>);
RVL_BIND(rvliResizeGetBufferSize_16s, get_buffer_size<Api::Int32, RvlSize, int>);
RVL_BIND(rvliResizeGetBufferSize_32f, get_buffer_size<Api::Int32, RvlSize, int>);
RVL_BIND(rvliResizeGetBufferSize_64f, get_buffer_size<Api::Int32_64f, RvlSize, int>);
RVL_BIND(rvliResizeGetBufferSize_L, get_buffer_size<Api::Long, RvlSizeL, Rvl64s>);
RVL_BIND(rvliResizeGetBorderSize_8u, get_border_size<Api::Int32>);
RVL_BIND(rvliResizeGetBorderSize_16u, get_border_size<Api::Int32>);
RVL_BIND(rvliResizeGetBorderSize_16s, get_border_size<Api::Int32>);
RVL_BIND(rvliResizeGetBorderSize_32f, get_border_size<Api::Int32>);
RVL_BIND(rvliResizeGetBorderSize_64f, get_border_size<Api::Int32_64f>);
RVL_BIND(rvliResizeGetBorderSize_L, get_border_size<Api::Long>);
RVL_BIND(rvliResizeGetSrcOffset_8u, get_src_offset<Api::Int32, RvlPoint>);
RVL_BIND(rvliResizeGetSrcOffset_16u, get_src_offset<Api::Int32, RvlPoint>);
RVL_BIND(rvliResizeGetSrcOffset_16s, get_src_offset<Api::Int32, RvlPoint>);
RVL_BIND(rvliResizeGetSrcOffset_32f, get_src_offset<Api::Int32, RvlPoint>);
RVL_BIND(rvliResizeGetSrcOffset_64f, get_src_offset<Api::Int32_64f, RvlPoint>);
RVL_BIND(rvliResizeGetSrcOffset_L, get_src_offset<Api::Long, RvlPointL>);
RVL_BIND(rvliResizeGetSrcRoi_8u, get_src_roi<Api::Int32, RvlPoint, RvlSize>);
RVL_BIND(rvliResizeGetSrcRoi_16u, get_src_roi<Api::Int32, RvlPoint, RvlSize>);
RVL_BIND(rvliResizeGetSrcRoi_16s, get_src_roi<Api::Int32, RvlPoint, RvlSize>);
RVL_BIND(rvliResizeGetSrcRoi_32f, get_src_roi<Api::Int32, RvlPoint, RvlSize>);
RVL_BIND(rvliResizeGetSrcRoi_64f, get_src_roi<Api::Int32_64f, RvlPoint, RvlSize>);
RVL_BIND(rvliResizeGetSrcRoi_L, get_src_roi<Api::Long, RvlPointL, RvlSizeL>);
}  // namespace rvl
