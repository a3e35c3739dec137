// Affine warp: the size query, the three Inits and the work-buffer query,
// for the 32-bit and the _L API.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "frame/border.hpp"
#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "geometry/warp_spec.hpp"
#include "kernels/rounding.hpp"

namespace rvl::warp {
namespace {

using I64 = std::int64_t;

bool known_type(int t) {
    return t == rvlType8u || t == rvlType16u || t == rvlType16s || t == rvlType32f || t == rvlType64f;
}

// What the query and the Inits are given.
struct Request {
    I64 sw, sh, dw, dh;
    int dataType;
    const double (*coeffs)[3];
    int interpolation;
    int direction;
    RvlBorderMode border;
};

template <class Size>
Request request(Size src, Size dst, int dataType, const double coeffs[2][3], int interpolation, int direction, RvlBorderMode border) {
    return {src.width, src.height, dst.width, dst.height, dataType, coeffs, interpolation, direction, border};
}

// The matrices of both directions, whichever was given.
struct Matrices {
    double fwd[2][3], back[2][3];
};

Matrices matrices(const Request& r) {
    Matrices m;
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j) (r.direction == rvlMapForward ? m.fwd : m.back)[i][j] = r.coeffs[i][j];
    if (r.direction == rvlMapForward) invert_affine(m.fwd, m.back);
    else invert_affine(m.back, m.fwd);
    return m;
}

bool integer_translation(const double b[2][3]) {
    auto whole = [](double v) { return std::isfinite(v) && std::floor(v) == v; };
    return b[0][0] == 1 && b[1][1] == 1 && b[0][1] == 0 && b[1][0] == 0 && whole(b[0][2]) && whole(b[1][2]);
}

// The checks the query and the Inits share, in their order, up to the
// degenerate matrix; `query` adds the query's own steps.
RvlResult leading_checks(const Request& r, bool query, bool outputsNull) {
    Border b;
    if (decode_border(r.border, kWarpKinds, &b)) return rvlResBadBorder;
    if (!r.coeffs || outputsNull) return rvlResNullPointer;
    if (r.sw < 1 || r.sh < 1 || r.dw < 1 || r.dh < 1) return rvlResBadSize;
    if (query && std::max({r.sw, r.sh, r.dw, r.dh}) > kMaxLength) return rvlResSizeOverflow;
    if (!known_type(r.dataType)) return rvlResBadDataType;
    if (query && r.interpolation != rvlInterNearest && r.interpolation != rvlInterLinear && r.interpolation != rvlInterCubicBC)
        return rvlResBadInterpolation;
    if (r.direction != rvlMapForward && r.direction != rvlMapBackward) return rvlResBadDirection;
    if (degenerate(r.coeffs)) return rvlResBadCoeffs;
    return rvlResOk;
}

bool constant_border(RvlBorderMode border) { return (static_cast<std::uint32_t>(border) & 0x0F) == rvlBorderConstant; }
bool replicate_border(RvlBorderMode border) { return (static_cast<std::uint32_t>(border) & 0x0F) == rvlBorderReplicate; }

// The checks after the matrix: the source of at least 2 x 2, (Inits) the
// sizes' limit, and a destination quadrangle that is convex.
RvlResult trailing_checks(const Request& r, bool query, const Matrices& m) {
    if (r.sw == 1 || r.sh == 1) return rvlResBadSize;
    if (!query && std::max({r.sw, r.sh, r.dw, r.dh}) > kMaxLength) return rvlResSizeOverflow;
    Point2 q[4];
    source_quad(m.fwd, r.sw, r.sh, 0, q);
    if (!quad_usable(q)) return rvlResBadCoeffs;
    return rvlResOk;
}

// The row extent of the quadrangle of the source widened by e.
void quad_rows(const Request& r, const Matrices& m, double e, I64* first, I64* count) {
    Point2 q[4];
    source_quad(m.fwd, r.sw, r.sh, e, q);
    QuadRows{q, r.dw, r.dh}.rows(first, count);
}

bool keeps_no_tables(const Request& r, const Matrices& m) {
    return (r.interpolation == rvlInterNearest || r.interpolation == rvlInterLinear) && integer_translation(m.back);
}

// The specification size: the base, and per row table 8 bytes a row plus
// 24; an integer translation with nearest or linear keeps no tables.
I64 spec_size(const Request& r, const Matrices& m) {
    if (keeps_no_tables(r, m)) return kTranslationSpec;
    I64 first, count;
    quad_rows(r, m, 0, &first, &count);
    I64 size = kSpecBase + 8 * count + 24;
    if (constant_border(r.border)) {
        quad_rows(r, m, widening(r.interpolation), &first, &count);
        size += 8 * count + 24;
    }
    return size;
}

template <class Size, class Out>
RvlResult get_size(Size src, Size dst, int dataType, const double coeffs[2][3], RvlInterpolation interpolation,
                   RvlMappingDirection direction, RvlBorderMode border, Out* pSpecSize, Out* pInitBufSize) {
    const Request r = request(src, dst, dataType, coeffs, interpolation, direction, border);
    if (RvlResult st = leading_checks(r, true, !pSpecSize || !pInitBufSize)) {
        if (st == rvlResSizeOverflow) *pSpecSize = *pInitBufSize = 0;
        return st;
    }
    RoundingScope nearest(Rc::Nearest);
    const Matrices m = matrices(r);
    if (RvlResult st = trailing_checks(r, true, m)) return st;
    const I64 size = spec_size(r, m);
    if constexpr (sizeof(Out) == 4) {
        if (size >= 0x7FFFFFFF) {
            *pSpecSize = *pInitBufSize = 0;
            return rvlResSizeOverflow;
        }
    }
    *pSpecSize = static_cast<Out>(size);
    *pInitBufSize = static_cast<Out>(kInitBuffer);
    return rvlResOk;
}

// Fills one row table: the column ranges of its rows after the header (or
// the one range of a translation), from `offset` bytes; returns the bytes
// after it.
std::int32_t fill_table(WarpData* s, const Request& r, const Matrices& m, double e, bool fixed, std::int32_t offset,
                        RowTable* t) {
    Point2 q[4];
    source_quad(m.fwd, r.sw, r.sh, e, q);
    const QuadRows rows{q, r.dw, r.dh};
    rows.rows(&t->firstRow, &t->rowCount);
    if (fixed) {
        t->tableOffset = 0;
        t->fixed = t->rowCount ? rows.columns(t->firstRow) : ColumnRange{1, 0};
        return offset;
    }
    t->tableOffset = offset;
    auto* table = reinterpret_cast<ColumnRange*>(reinterpret_cast<char*>(s) + offset);
    for (I64 k = 0; k < t->rowCount; ++k) table[k] = rows.columns(t->firstRow + k);
    return static_cast<std::int32_t>(offset + 8 * t->rowCount);
}

struct InitArgs {
    int numChannels;
    const double* pBorderValue;
    int smoothEdge;
    double B, C;
};

RvlResult init(const Request& r, std::uint32_t magic, const InitArgs& a, RvlWarpSpec* pSpec, bool initBufNull) {
    if (RvlResult st = leading_checks(r, false, !pSpec || initBufNull)) return st;
    if (constant_border(r.border) && !a.pBorderValue) return rvlResNullPointer;
    if (a.numChannels != 1 && a.numChannels != 3 && a.numChannels != 4) return rvlResBadChannelCount;
    if (a.smoothEdge && (constant_border(r.border) || replicate_border(r.border))) return rvlResUnsupportedMode;
    RoundingScope nearest(Rc::Nearest);
    const Matrices m = matrices(r);
    if (RvlResult st = trailing_checks(r, false, m)) return st;

    WarpData* s = warp_data(pSpec);
    *s = WarpData{};
    s->magic = magic;
    s->kind = Transform::Affine;
    s->srcW = r.sw, s->srcH = r.sh, s->dstW = r.dw, s->dstH = r.dh;
    s->interpolation = r.interpolation;
    s->type = r.dataType;
    s->channels = a.numChannels;
    s->border = r.border;
    s->smoothEdge = a.smoothEdge != 0;
    if (constant_border(r.border))
        for (int c = 0; c < a.numChannels; ++c) s->borderValue[c] = a.pBorderValue[c];
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j) s->b[i][j] = m.back[i][j];
    s->B = a.B, s->C = a.C;
    const bool fixed = keeps_no_tables(r, m);
    std::int32_t offset = fill_table(s, r, m, 0, fixed, kTablesOffset, &s->inside);
    if (constant_border(r.border)) fill_table(s, r, m, widening(r.interpolation), fixed, offset, &s->widened);
    const unsigned kind = static_cast<std::uint32_t>(r.border) & 0x0F;
    if ((kind == rvlBorderTransparent || kind == 0) && s->inside.rowCount == 0) s->status = rvlResWarnQuadOutside;
    return rvlResOk;
}

template <int Interpolation, class Size>
RvlResult plain_init(Size src, Size dst, int dataType, const double coeffs[2][3], RvlMappingDirection direction, int numChannels,
                     RvlBorderMode border, const double* pBorderValue, int smoothEdge, RvlWarpSpec* pSpec) {
    const std::uint32_t magic = std::is_same_v<Size, RvlSize> ? kMagic : kMagicL;
    return init(request(src, dst, dataType, coeffs, Interpolation, direction, border), magic,
                {numChannels, pBorderValue, smoothEdge, 0, 0}, pSpec, false);
}

template <class Size>
RvlResult cubic_init(Size src, Size dst, int dataType, const double coeffs[2][3], RvlMappingDirection direction, int numChannels,
                     double valueB, double valueC, RvlBorderMode border, const double* pBorderValue, int smoothEdge,
                     RvlWarpSpec* pSpec, Rvl8u* pInitBuf) {
    const std::uint32_t magic = std::is_same_v<Size, RvlSize> ? kMagic : kMagicL;
    return init(request(src, dst, dataType, coeffs, rvlInterCubicBC, direction, border), magic,
                {numChannels, pBorderValue, smoothEdge, valueB, valueC}, pSpec, !pInitBuf);
}

// The work buffer: 64 bytes (the workers keep their scratch on the stack).
// The 32-bit form refuses a specification built by the _L API (or not
// built at all); the _L form takes either.
template <class Size, class Out>
RvlResult buffer_size(const RvlWarpSpec* pSpec, Size size, Out* pBufSize) {
    if (RvlResult st = null_check(pSpec, pBufSize)) return st;
    const WarpData* s = warp_data(pSpec);
    const bool longApi = std::is_same_v<Size, RvlSizeL>;
    if (s->magic != kMagic && !(longApi && s->magic == kMagicL)) return rvlResBadContext;
    if (size.width < 0 || size.height < 0) return rvlResBadSize;
    if (size.width == 0 || size.height == 0) return rvlResWarnNothingDone;
    *pBufSize = 64;
    return size.width > s->dstW || size.height > s->dstH ? rvlResWarnArgumentRange : rvlResOk;
}

}  // namespace
}  // namespace rvl::warp

namespace rvl {
using namespace warp;

RVL_BIND(rvliWarpAffineGetSize, (get_size<RvlSize, int>));
RVL_BIND(rvliWarpAffineGetSize_L, (get_size<RvlSizeL, Rvl64s>));
RVL_BIND(rvliWarpAffineNearestInit, (plain_init<rvlInterNearest, RvlSize>));
RVL_BIND(rvliWarpAffineNearestInit_L, (plain_init<rvlInterNearest, RvlSizeL>));
RVL_BIND(rvliWarpAffineLinearInit, (plain_init<rvlInterLinear, RvlSize>));
RVL_BIND(rvliWarpAffineLinearInit_L, (plain_init<rvlInterLinear, RvlSizeL>));
RVL_BIND(rvliWarpAffineCubicInit, cubic_init<RvlSize>);
RVL_BIND(rvliWarpAffineCubicInit_L, cubic_init<RvlSizeL>);
RVL_BIND(rvliWarpGetBufferSize, (buffer_size<RvlSize, int>));
RVL_BIND(rvliWarpGetBufferSize_L, (buffer_size<RvlSizeL, Rvl64s>));

}  // namespace rvl
