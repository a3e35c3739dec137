// Resize: the Inits of cubic, Lanczos, super-sampling and the antialiasing
// kinds, for the 32-bit API (one implementation for 8u/16u/16s/32f) and the
// _L API. Every table is built in double or single precision exactly as
// described beside each weight function, under round-to-nearest whatever
// rounding mode the caller has set.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <optional>

#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/spec.hpp"
#include "geometry/lanczos_window.hpp"
#include "geometry/resize_spec.hpp"
#include "kernels/rounding.hpp"

namespace rvl::resize {
namespace {

using I64 = std::int64_t;

// The tables after the header: index tables take 4 W(n) bytes, weight
// tables start on a 32-byte boundary. These are the sizes GetSize reports.
class Tables {
public:
    explicit Tables(SpecData* s) : next_(reinterpret_cast<char*>(s) + kTablesOffset) {}
    std::int32_t* index(I64 count) {
        auto* t = reinterpret_cast<std::int32_t*>(next_);
        next_ += 4 * w32(count);
        return t;
    }
    float* weights(I64 count) {
        next_ = reinterpret_cast<char*>((reinterpret_cast<std::uintptr_t>(next_) + 31) & ~std::uintptr_t{31});
        auto* t = reinterpret_cast<float*>(next_);
        next_ += 4 * count;
        return t;
    }

private:
    char* next_;
};

bool plain_type(int t) { return t == rvlType8u || t == rvlType16u || t == rvlType16s || t == rvlType32f; }

template <class Size>
bool any_zero(Size a, Size b) { return a.width == 0 || a.height == 0 || b.width == 0 || b.height == 0; }
template <class Size>
bool any_negative(Size a, Size b) { return a.width < 1 || a.height < 1 || b.width < 1 || b.height < 1; }
template <class Size>
bool too_long(Size a, Size b) {
    return std::max({I64{a.width}, I64{a.height}, I64{b.width}, I64{b.height}}) > kMaxLengthL;
}

SpecData* start_spec(RvlResizeSpec* pSpec, std::uint32_t magic, std::uint32_t interpolation, I64 hx, I64 hy) {
    SpecData* s = spec_data(pSpec);
    *s = SpecData{};
    s->magic = magic;
    s->type = rvlType32f;
    s->interpolation = interpolation;
    s->halfX = static_cast<std::uint32_t>(hx);
    s->halfY = static_cast<std::uint32_t>(hy);
    s->border[0] = s->border[2] = s->halfX;
    s->border[1] = s->border[3] = s->halfY;
    return s;
}

// ---- Cubic and Lanczos --------------------------------------------------------

// The (B, C) cubic at distance x, in double.
double cubic(double x, double B, double C) {
    const double t = std::fabs(x);
    if (t < 1) return (2 - 1.5 * B - C) * t * t * t + (-3 + 2 * B + C) * t * t + (1 - B / 3);
    if (t < 2) return (-B / 6 - C) * t * t * t + (B + 5 * C) * t * t - (2 * B + 8 * C) * t + (4 * B / 3 + 4 * C);
    return 0;
}

// Divides the n weights by their sum (accumulated in order, in single precision).
void normalise(float* w, int n) {
    float sum = 0.0f;
    for (int k = 0; k < n; ++k) sum += w[k];
    for (int k = 0; k < n; ++k) w[k] /= sum;
}

enum class Kind { Cubic, Lanczos };

struct FilterParams {
    Kind kind;
    double B = 0, C = 0;
    int lobes = 2;
};

// One axis of a cubic or Lanczos specification: the index table, then the
// f32 fraction of each position (in the Init buffer), then the weights from
// those fractions.
void build_filter_axis(Axis& a, I64 src, I64 dst, I64 half, std::int32_t* index, float* fractions, float* weights,
                       const FilterParams& p, const LanczosWindow* table) {
    build_axis(a, src, dst, half, index);
    for (I64 d = 0; d < dst; ++d) {
        const double x = mapped_position(a, d);
        fractions[d] = static_cast<float>(x - std::floor(x));
    }
    const int n = static_cast<int>(2 * half);
    for (I64 d = 0; d < dst; ++d) {
        const float f = fractions[d];
        float* w = weights + d * n;
        if (p.kind == Kind::Cubic) {
            for (int k = 0; k < 4; ++k) w[k] = static_cast<float>(cubic(static_cast<double>(k - 1) - static_cast<double>(f), p.B, p.C));
        } else {
            for (int k = 0; k < n; ++k) w[k] = (*table)(static_cast<float>(k - (p.lobes - 1)) - f);
            normalise(w, n);
        }
    }
    a.weights32 = weights;
}

void build_filter_spec(RvlResizeSpec* pSpec, Rvl8u* pInitBuf, std::uint32_t magic, I64 sw, I64 sh, I64 dw, I64 dh,
                       const FilterParams& p) {
    RoundingScope nearest(Rc::Nearest);
    const I64 half = p.kind == Kind::Cubic ? 2 : p.lobes;
    SpecData* s = start_spec(pSpec, magic, p.kind == Kind::Cubic ? rvlInterCubicBC : rvlInterLanczos, half, half);
    Tables tables(s);
    std::int32_t* rows = tables.index(dh);
    std::int32_t* cols = tables.index(dw);
    float* wy = tables.weights(2 * half * dh);
    float* wx = tables.weights(2 * half * dw);
    float* fractions = align64<float>(pInitBuf);  // rows, then columns
    std::optional<LanczosWindow> table;
    if (p.kind == Kind::Lanczos) table.emplace(p.lobes);
    build_filter_axis(s->vy, sh, dh, half, rows, fractions, wy, p, table ? &*table : nullptr);
    build_filter_axis(s->vx, sw, dw, half, cols, fractions + w32(dh), wx, p, table ? &*table : nullptr);
}

RvlResult cubic_init(RvlSize src, RvlSize dst, Rvl32f B, Rvl32f C, RvlResizeSpec* pSpec, Rvl8u* pInitBuf) {
    if (RvlResult st = null_check(pSpec, pInitBuf)) return st;
    if (any_zero(src, dst)) return rvlResWarnNothingDone;
    if (any_negative(src, dst) || src.width < 4 || src.height < 4) return rvlResBadSize;
    build_filter_spec(pSpec, pInitBuf, kMagic, src.width, src.height, dst.width, dst.height, {Kind::Cubic, B, C});
    return rvlResOk;
}
RvlResult cubic_init_l(RvlSizeL src, RvlSizeL dst, int dataType, Rvl32f B, Rvl32f C, RvlResizeSpec* pSpec, Rvl8u* pInitBuf) {
    if (RvlResult st = null_check(pSpec, pInitBuf)) return st;
    if (any_zero(src, dst)) return rvlResWarnNothingDone;
    if (any_negative(src, dst) || src.width < 4 || src.height < 4) return rvlResBadSize;
    if (!plain_type(dataType)) return rvlResBadDataType;
    if (too_long(src, dst)) return rvlResSizeOverflow;
    build_filter_spec(pSpec, pInitBuf, kMagicL, src.width, src.height, dst.width, dst.height, {Kind::Cubic, B, C});
    return rvlResOk;
}

template <class Size>
RvlResult lanczos_checks(Size src, Size dst, bool longApi, int dataType, Rvl32u lobes, const RvlResizeSpec* pSpec,
                         const Rvl8u* pInitBuf) {
    if (RvlResult st = null_check(pSpec, pInitBuf)) return st;
    if (any_zero(src, dst)) return rvlResWarnNothingDone;
    if (any_negative(src, dst)) return rvlResBadSize;
    if (lobes != 2 && lobes != 3) return rvlResUnsupportedMode;
    if (longApi && !plain_type(dataType)) return rvlResBadDataType;
    const I64 least = 2 * I64{lobes};
    if (src.width < least || src.height < least) return rvlResBadSize;
    if (longApi && too_long(src, dst)) return rvlResSizeOverflow;
    return rvlResOk;
}
RvlResult lanczos_init(RvlSize src, RvlSize dst, Rvl32u lobes, RvlResizeSpec* pSpec, Rvl8u* pInitBuf) {
    if (RvlResult st = lanczos_checks(src, dst, false, 0, lobes, pSpec, pInitBuf)) return st;
    FilterParams p{Kind::Lanczos};
    p.lobes = static_cast<int>(lobes);
    build_filter_spec(pSpec, pInitBuf, kMagic, src.width, src.height, dst.width, dst.height, p);
    return rvlResOk;
}
RvlResult lanczos_init_l(RvlSizeL src, RvlSizeL dst, int dataType, Rvl32u lobes, RvlResizeSpec* pSpec, Rvl8u* pInitBuf) {
    if (RvlResult st = lanczos_checks(src, dst, true, dataType, lobes, pSpec, pInitBuf)) return st;
    FilterParams p{Kind::Lanczos};
    p.lobes = static_cast<int>(lobes);
    build_filter_spec(pSpec, pInitBuf, kMagicL, src.width, src.height, dst.width, dst.height, p);
    return rvlResOk;
}

// ---- Super-sampling ------------------------------------------------------------

// One period of an axis: D' positions of n taps covering S' source pixels.
// Position d covers [d r, (d + 1) r) with r = S'/D'; its first tap is the
// pixel trunc(d r), holding what the previous position left of it (all of
// it for d = 0); whole pixels follow with weight 1; the last tap takes the
// remaining fraction. Weights <= 1e-7 become 0, taps past the covered part
// repeat the last covered index with weight 0, and an index reaching S' is
// kept at S' - 1 with weight 0.
void build_super_axis(Axis& a, I64 src, I64 dst, std::int32_t* index, float* weights) {
    const I64 g = std::gcd(src, dst);
    a = Axis{};
    a.srcLen = static_cast<std::int32_t>(src);
    a.dstLen = static_cast<std::int32_t>(dst);
    a.srcReduced = static_cast<std::int32_t>(src / g);
    a.dstReduced = static_cast<std::int32_t>(dst / g);
    const I64 S = a.srcReduced, D = a.dstReduced;
    a.superTaps = static_cast<std::int32_t>(super_tap_count(S, D));
    a.index = index;
    a.weights32 = weights;
    const int n = a.superTaps;
    if (S == D) {  // S = D: one tap of weight 1
        index[0] = 0;
        weights[0] = 1.0f;
        return;
    }
    const double r = static_cast<double>(S) / static_cast<double>(D);
    for (I64 d = 0; d < D; ++d) {
        const double from = d * r, to = (d + 1) * r;
        const I64 first = static_cast<I64>(std::trunc(from));
        std::int32_t* ix = index + d * n;
        float* w = weights + d * n;
        I64 last = first;
        for (int k = 0; k < n; ++k) {
            const I64 p = first + k;
            double cover = k == 0 ? (d == 0 ? 1.0 : std::min<double>(p + 1, to) - from) : std::min<double>(p + 1, to) - p;
            I64 at = p;
            if (k > 0 && !(p < to)) {
                at = last;  // past the covered part
                cover = 0;
            }
            if (at >= S) {
                at = S - 1;
                cover = 0;
            }
            if (cover <= 1e-7) cover = 0;
            else last = at;
            ix[k] = static_cast<std::int32_t>(at);
            w[k] = static_cast<float>(cover);
        }
    }
}

template <class Size>
RvlResult super_build(Size src, Size dst, RvlResizeSpec* pSpec, std::uint32_t magic) {
    RoundingScope nearest(Rc::Nearest);
    SpecData* s = start_spec(pSpec, magic, rvlInterSuper, 0, 0);
    const I64 ny = super_table_length(src.height, dst.height), nx = super_table_length(src.width, dst.width);
    Tables tables(s);
    std::int32_t* iy = tables.index(ny);
    std::int32_t* ix = tables.index(nx);
    float* wy = tables.weights(ny);
    float* wx = tables.weights(nx);
    build_super_axis(s->vy, src.height, dst.height, iy, wy);
    build_super_axis(s->vx, src.width, dst.width, ix, wx);
    return rvlResOk;
}

template <class Size>
RvlResult super_checks(Size src, Size dst, const RvlResizeSpec* pSpec) {
    if (RvlResult st = null_check(pSpec)) return st;
    if (any_zero(src, dst)) return rvlResWarnNothingDone;
    if (any_negative(src, dst) || src.width < dst.width || src.height < dst.height) return rvlResBadSize;
    return rvlResOk;
}
RvlResult super_init(RvlSize src, RvlSize dst, RvlResizeSpec* pSpec) {
    if (RvlResult st = super_checks(src, dst, pSpec)) return st;
    return super_build(src, dst, pSpec, kMagic);
}
RvlResult super_init_l(RvlSizeL src, RvlSizeL dst, int dataType, RvlResizeSpec* pSpec) {
    if (RvlResult st = super_checks(src, dst, pSpec)) return st;
    if (too_long(src, dst)) return rvlResSizeOverflow;
    if (!plain_type(dataType)) return rvlResBadDataType;
    return super_build(src, dst, pSpec, kMagicL);
}

// ---- Antialiasing -------------------------------------------------------------

enum class AaKind { Linear, Cubic, Lanczos };

struct AaParams {
    AaKind kind;
    double B = 0, C = 0;
    int lobes = 2;
};

int aa_reach(const AaParams& p) { return p.kind == AaKind::Linear ? 1 : p.kind == AaKind::Cubic ? 2 : p.lobes; }

// The half-support of an axis: the kernel's own reach, widened by the
// reduction factor when the axis shrinks.
I64 aa_half(const AaParams& p, I64 src, I64 dst) {
    const I64 k = aa_reach(p);
    if (dst >= src) return k;
    return static_cast<I64>(std::ceil(static_cast<double>(k) * static_cast<double>(src) / static_cast<double>(dst)));
}

// The widened kernel: raw weights K(|t sigma'|) sigma' at the distances
// t_k = (1 - h + k) - f (single precision, one added per tap), divided by
// their sum.
void aa_weights(const AaParams& p, double f, I64 half, float sigma, float* w) {
    constexpr float kPi = 3.14159265358979323846f;
    const int n = static_cast<int>(2 * half);
    float t = static_cast<float>(static_cast<double>(1 - half) - f);
    for (int k = 0; k < n; ++k, t += 1.0f) {
        const float u = std::fabs(t * sigma);
        float K = 0.0f;
        if (p.kind == AaKind::Linear) {
            K = u < 1.0f ? 1.0f - u : 0.0f;
        } else if (p.kind == AaKind::Cubic) {
            K = static_cast<float>(cubic(static_cast<double>(u), p.B, p.C));
        } else if (u == 0.0f) {
            K = 1.0f;
        } else if (u < static_cast<float>(p.lobes)) {
            const float a = static_cast<float>(p.lobes), pu = kPi * u;
            K = std::sin(pu) * std::sin(pu / a) / (pu * pu / a);
        }
        w[k] = K * sigma;
    }
    normalise(w, n);
}

void build_aa_axis(Axis& a, I64 src, I64 dst, I64 half, std::int32_t* index, double* fractions, float* weights,
                   const AaParams& p) {
    build_axis(a, src, dst, half, index);
    const float sigma = std::min(static_cast<float>(static_cast<double>(dst) / static_cast<double>(src)), 1.0f);
    for (I64 d = 0; d < dst; ++d) {
        const double x = mapped_position(a, d);
        fractions[d] = x - std::floor(x);
    }
    for (I64 d = 0; d < dst; ++d) aa_weights(p, fractions[d], half, sigma, weights + d * 2 * half);
    a.weights32 = weights;
}

template <class Size>
void aa_build(Size src, Size dst, RvlResizeSpec* pSpec, Rvl8u* pInitBuf, std::uint32_t magic, const AaParams& p) {
    RoundingScope nearest(Rc::Nearest);
    const I64 hx = aa_half(p, src.width, dst.width), hy = aa_half(p, src.height, dst.height);
    SpecData* s = start_spec(pSpec, magic, p.kind == AaKind::Linear ? rvlInterLinear : p.kind == AaKind::Cubic ? rvlInterCubicBC : rvlInterLanczos,
                             hx, hy);
    s->antialiasing = 1;
    Tables tables(s);
    std::int32_t* rows = tables.index(dst.height);
    std::int32_t* cols = tables.index(dst.width);
    float* wy = tables.weights(2 * hy * dst.height);
    float* wx = tables.weights(2 * hx * dst.width);
    double* fractions = align64<double>(pInitBuf);  // rows, then columns
    build_aa_axis(s->vy, src.height, dst.height, hy, rows, fractions, wy, p);
    build_aa_axis(s->vx, src.width, dst.width, hx, cols, fractions + w32(dst.height), wx, p);
    if (p.kind == AaKind::Linear && hx == 1) {
        // Without horizontal reduction the linear kind also keeps the plain
        // fraction of every column.
        float* plain = tables.weights(dst.width);
        for (I64 d = 0; d < dst.width; ++d) plain[d] = static_cast<float>(fractions[w32(dst.height) + d]);
        s->vx.antialiasing = plain;
    }
}

template <class Size>
RvlResult aa_init(Size src, Size dst, bool longApi, int dataType, const AaParams& p, RvlResizeSpec* pSpec, Rvl8u* pInitBuf) {
    if (RvlResult st = null_check(pSpec, pInitBuf)) return st;
    if (any_zero(src, dst)) return rvlResWarnNothingDone;
    if (any_negative(src, dst)) return rvlResBadSize;
    if (p.kind == AaKind::Lanczos && p.lobes != 2 && p.lobes != 3) return rvlResUnsupportedMode;
    if (longApi && !plain_type(dataType)) return rvlResBadDataType;
    if (longApi && too_long(src, dst)) return rvlResSizeOverflow;
    aa_build(src, dst, pSpec, pInitBuf, longApi ? kMagicL : kMagic, p);
    return rvlResOk;
}

AaParams aa_lanczos(Rvl32u lobes) {
    AaParams p{AaKind::Lanczos};
    p.lobes = lobes == 2 || lobes == 3 ? static_cast<int>(lobes) : 0;
    return p;
}

RvlResult aa_linear_init(RvlSize src, RvlSize dst, RvlResizeSpec* pSpec, Rvl8u* pInitBuf) {
    return aa_init(src, dst, false, 0, {AaKind::Linear}, pSpec, pInitBuf);
}
RvlResult aa_linear_init_l(RvlSizeL src, RvlSizeL dst, int dataType, RvlResizeSpec* pSpec, Rvl8u* pInitBuf) {
    return aa_init(src, dst, true, dataType, {AaKind::Linear}, pSpec, pInitBuf);
}
RvlResult aa_cubic_init(RvlSize src, RvlSize dst, Rvl32f B, Rvl32f C, RvlResizeSpec* pSpec, Rvl8u* pInitBuf) {
    return aa_init(src, dst, false, 0, {AaKind::Cubic, B, C}, pSpec, pInitBuf);
}
RvlResult aa_cubic_init_l(RvlSizeL src, RvlSizeL dst, int dataType, Rvl32f B, Rvl32f C, RvlResizeSpec* pSpec, Rvl8u* pInitBuf) {
    return aa_init(src, dst, true, dataType, {AaKind::Cubic, B, C}, pSpec, pInitBuf);
}
RvlResult aa_lanczos_init(RvlSize src, RvlSize dst, Rvl32u lobes, RvlResizeSpec* pSpec, Rvl8u* pInitBuf) {
    return aa_init(src, dst, false, 0, aa_lanczos(lobes), pSpec, pInitBuf);
}
RvlResult aa_lanczos_init_l(RvlSizeL src, RvlSizeL dst, int dataType, Rvl32u lobes, RvlResizeSpec* pSpec, Rvl8u* pInitBuf) {
    return aa_init(src, dst, true, dataType, aa_lanczos(lobes), pSpec, pInitBuf);
}

}  // namespace
}  // namespace rvl::resize

namespace rvl {
using namespace resize;
RVL_BIND(rvliResizeCubicInit_8u, cubic_init);
RVL_BIND(rvliResizeCubicInit_16u, cubic_init);
RVL_BIND(rvliResizeCubicInit_16s, cubic_init);
RVL_BIND(rvliResizeCubicInit_32f, cubic_init);
RVL_BIND(rvliResizeCubicInit_L, cubic_init_l);
RVL_BIND(rvliResizeLanczosInit_8u, lanczos_init);
RVL_BIND(rvliResizeLanczosInit_16u, lanczos_init);
RVL_BIND(rvliResizeLanczosInit_16s, lanczos_init);
RVL_BIND(rvliResizeLanczosInit_32f, lanczos_init);
RVL_BIND(rvliResizeLanczosInit_L, lanczos_init_l);
RVL_BIND(rvliResizeSuperInit_8u, super_init);
RVL_BIND(rvliResizeSuperInit_16u, super_init);
RVL_BIND(rvliResizeSuperInit_16s, super_init);
RVL_BIND(rvliResizeSuperInit_32f, super_init);
RVL_BIND(rvliResizeSuperInit_L, super_init_l);
RVL_BIND(rvliResizeAntialiasingLinearInit, aa_linear_init);
RVL_BIND(rvliResizeAntialiasingLinearInit_L, aa_linear_init_l);
RVL_BIND(rvliResizeAntialiasingCubicInit, aa_cubic_init);
RVL_BIND(rvliResizeAntialiasingCubicInit_L, aa_cubic_init_l);
RVL_BIND(rvliResizeAntialiasingLanczosInit, aa_lanczos_init);
RVL_BIND(rvliResizeAntialiasingLanczosInit_L, aa_lanczos_init_l);
}  // namespace rvl
