// rvliCrossCorrNorm_* and rvliSqrDistanceNorm_*, with their buffer-size
// queries: template matching through tiled FFT correlations.
//
// The template is transformed once; each tile of the source is correlated
// with it (the product with the template's conjugate spectrum), and the
// tile's outputs are finished row by row from the raw correlation R and, for
// the normalised forms and the squared distance, the window sums of the
// source under the template: sum s and sum s^2 in double precision, kept per
// source column for the window's rows (one row enters and one leaves per
// output row) and run across the columns (one column enters and one leaves
// per output pixel). The column sums live in the transform's work area,
// which is free between a tile's inverse transform and the next tile, and
// which always holds two doubles per transform column.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "filter/fft_tiles.hpp"
#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/spec.hpp"
#include "frame/walk.hpp"
#include "kernels/match.hpp"
#include "kernels/rounding.hpp"

namespace rvl::filter {
namespace {

enum Normalisation : unsigned { kNone = 0, kScaled = 1, kCoefficient = 2 };
enum Shape : unsigned { kFull = 0, kValid = 1, kSame = 2 };

constexpr double kScaledFloor = 0x1p-23;       // 1.1920928955078125e-7
constexpr double kCoefficientFloor = 0x1p-46;  // 1.4210855e-14

struct MatchAlg {
    unsigned method, norm, shape;
};

inline RvlResult decode_match(Rvl32u a, unsigned maxNorm, MatchAlg* out) {
    *out = {a & 0xFFu, (a >> 8) & 0xFFu, (a >> 16) & 0xFFu};
    return out->method > 2 || out->shape > kSame || out->norm > maxNorm ? rvlResBadAlgorithmType : rvlResOk;
}

inline RvlResult size_check(RvlSize src, RvlSize tpl) {
    if (RvlResult st = first_failure({roi_check(src), roi_check(tpl)})) return st;
    return tpl.width > src.width || tpl.height > src.height ? rvlResBadSize : rvlResOk;
}

struct MatchPlan {
    MatchAlg alg{};
    I64 ws = 0, hs = 0, wt = 0, ht = 0;
    TileAxis ax, ay;
};

// One axis: transforms of the smallest power of two >= twice the template,
// doubled once below 128 where the output is longer; for a valid match of a
// template as large as the source, the smallest power of two >= the
// source, doubled once below 128.
inline TileAxis match_axis(unsigned shape, I64 s, I64 t, bool equal) {
    TileAxis a;
    a.out = shape == kFull ? s + t - 1 : shape == kValid ? s - t + 1 : s;
    a.off = shape == kFull ? t - 1 : shape == kValid ? 0 : t / 2;
    a.lag = 0;
    int order = fft_order(equal ? s : 2 * t);
    if (order < 7 && (equal || (I64{1} << order) < a.out)) ++order;
    a.fft = I64{1} << order;
    a.tile = a.fft - t + 1;
    return a;
}

inline MatchPlan plan_match(RvlSize src, RvlSize tpl, MatchAlg alg) {
    MatchPlan p;
    p.alg = alg;
    p.ws = src.width;
    p.hs = src.height;
    p.wt = tpl.width;
    p.ht = tpl.height;
    const bool equal = alg.shape == kValid && p.ws * p.hs == p.wt * p.ht;
    p.ax = match_axis(alg.shape, p.ws, p.wt, equal);
    p.ay = match_axis(alg.shape, p.hs, p.ht, equal);
    if (alg.shape == kFull && p.ax.fft >= p.ax.out && p.ay.fft >= p.ay.out) {
        for (TileAxis* a : {&p.ax, &p.ay}) {
            a->single = true;
            a->tile = a->out;
        }
    }
    return p;
}

// Buffer bytes: 64 for alignment, the transform's three areas (the work
// area at least one or two doubles per tile column when normalised), the
// normalisation plane of one tile, and two transform planes.
inline RvlResult match_bytes(const MatchPlan& p, I64* out, FftSizes* sizes) {
    FftSizes z;
    if (RvlResult st = fft_sizes(fft_order(p.ax.fft), fft_order(p.ay.fft), &z)) return st;
    const unsigned norm = p.alg.norm;
    if (norm != kNone) z.work = std::max(z.work, p.ax.tile * (norm == kScaled ? 8 : 16));
    const I64 normPlane = norm != kNone ? round_up(p.ax.tile * p.ay.tile * 4, 64) : 0;
    *out = 64 + z.spec + z.init + z.work + normPlane + 2 * round_up(p.ax.fft * p.ay.fft * 4, 64);
    if (sizes) *sizes = z;
    return rvlResOk;
}

template <unsigned MaxNorm>
RvlResult get_buffer_size(RvlSize srcRoiSize, RvlSize tplRoiSize, Rvl32u algType, int* pBufferSize) {
    MatchAlg alg;
    if (RvlResult st = first_failure({null_check(pBufferSize), size_check(srcRoiSize, tplRoiSize),
                                      decode_match(algType, MaxNorm, &alg)}))
        return st;
    I64 bytes = 0;
    if (RvlResult st = match_bytes(plan_match(srcRoiSize, tplRoiSize, alg), &bytes, nullptr)) return st;
    // A size beyond an int32 is reported as the largest one, with the
    // overflow status.
    *pBufferSize = static_cast<int>(std::min<I64>(bytes, INT_MAX));
    return bytes > INT_MAX ? rvlResSizeOverflow : rvlResOk;
}

// ---- Window sums --------------------------------------------------------------

// sum s and sum s^2 of the source under the template, per source column for
// the current window rows, and across the columns per output.
template <class S>
struct WindowSums {
    const S* src;
    I64 step, ws, hs, wt, ht;
    bool withSum;        // sum s as well as sum s^2
    double* sq;          // per kept column
    double* sum;
    I64 c0 = 0, c1 = 0;  // kept columns [c0, c1)
    I64 top = 0;         // the window's first row (may be outside the source)

    void add_row(I64 r, double sign) {
        if (r < 0 || r >= hs) return;
        const S* row = row_at(src, step, r) + c0;
        const I64 n = c1 - c0;
        for (I64 c = 0; c < n; ++c) {
            const double v = static_cast<double>(row[c]);
            sq[c] += sign * (v * v);
        }
        if (withSum)
            for (I64 c = 0; c < n; ++c) sum[c] += sign * static_cast<double>(row[c]);
    }
    // A tile's columns (windows from source column x0 on, nx of them) and
    // its first window row.
    void start(I64 x0, I64 nx, I64 firstTop) {
        c0 = std::clamp<I64>(x0, 0, ws);
        c1 = std::clamp<I64>(x0 + nx - 1 + wt, c0, ws);
        std::fill(sq, sq + (c1 - c0), 0.0);
        if (withSum) std::fill(sum, sum + (c1 - c0), 0.0);
        top = firstTop;
        for (I64 r = top; r < top + ht; ++r) add_row(r, 1.0);
    }
    void move_to(I64 newTop) {
        for (; top < newTop; ++top) {
            add_row(top, -1.0);
            add_row(top + ht, 1.0);
        }
    }
    double sq_at(I64 c) const { return c >= c0 && c < c1 ? sq[c - c0] : 0.0; }
    double sum_at(I64 c) const { return c >= c0 && c < c1 ? sum[c - c0] : 0.0; }
};

// ---- Finishing ---------------------------------------------------------------------

template <class S, class D, bool Distance>
struct Matcher {
    const MatchPlan& p;
    const S* src;
    I64 srcStep;
    D* dst;
    I64 dstStep;
    int scaleFactor;
    FftArea a;
    kernels::MatchTerms t;

    // The template's plane, its terms and its spectrum.
    RvlResult prepare(const S* tpl, I64 tplStep) {
        load_plane(a.spectrum, a.width, a.height, tpl, tplStep, 1, 0, p.wt, p.ht, 0, 0);
        const unsigned norm = p.alg.norm;
        if (Distance || norm != kNone) {
            const RvlSize size{static_cast<int>(p.wt), static_cast<int>(p.ht)};
            double l2 = 0;
            if (RvlResult st = rvliNorm_L2_32f_C1R(a.spectrum, a.step(), size, &l2, rvlHintAccurate)) return st;
            t.sumSq = l2 * l2;
            t.norm = std::max(l2, kScaledFloor);
            t.scaled = norm == kScaled;
            t.coefficient = !Distance && norm == kCoefficient;
            // The template's term of the cross-correlation forms.
            t.tplTerm = t.norm * t.norm;
            t.floorTerm = kScaledFloor * t.tplTerm;
            if (t.coefficient) {
                double mean = 0;
                if (RvlResult st = rvliMean_32f_C1R(a.spectrum, a.step(), size, &mean, rvlHintAccurate)) return st;
                for (I64 r = 0; r < p.ht; ++r)
                    for (float* v = a.spectrum + r * a.width; v < a.spectrum + r * a.width + p.wt; ++v)
                        *v = static_cast<float>(static_cast<double>(*v) - mean);
                t.tplTerm = std::max(t.sumSq - static_cast<double>(p.wt * p.ht) * mean * mean, kCoefficientFloor);
                t.floorTerm = kCoefficientFloor * t.tplTerm;
                t.inverseN = 1.0 / static_cast<double>(p.wt * p.ht);
            }
        }
        return transform_small(a);
    }

    void store(D* d, float* v, I64 n) const {
        if constexpr (std::is_same_v<D, Rvl32f>) {
            std::memcpy(d, v, static_cast<std::size_t>(n) * 4);
        } else {
            const RvlSize row{static_cast<int>(n), 1};
            const int step = static_cast<int>(n * 4);
            if (scaleFactor == 0) rvliConvert_32f8u_C1R(v, step, d, step, row, rvlRoundNearestEven);
            else rvliConvert_32f8u_C1RSfs(v, step, d, step, row, rvlRoundNearestEven, scaleFactor);
        }
    }

    template <bool WithSum, bool Inside>
    void finish_row(const WindowSums<S>& w, I64 first, float* v, I64 count) const {
        auto sq = [&](I64 c) { return Inside ? w.sq[c - w.c0] : w.sq_at(c); };
        auto sum = [&](I64 c) { return Inside ? w.sum[c - w.c0] : w.sum_at(c); };
        constexpr I64 kChunk = 256;
        double s1[kChunk], s2[kChunk];
        double a1 = 0, a2 = 0;
        for (I64 c = first; c < first + p.wt; ++c) {
            a2 += sq(c);
            if (WithSum) a1 += sum(c);
        }
        for (I64 i0 = 0; i0 < count; i0 += kChunk) {
            const I64 n = std::min(kChunk, count - i0);
            for (I64 i = i0; i < i0 + n; ++i) {
                if (i > 0) {
                    const I64 in = first + i + p.wt - 1, out = first + i - 1;
                    a2 += sq(in) - sq(out);
                    if (WithSum) a1 += sum(in) - sum(out);
                }
                s1[i - i0] = a1;
                s2[i - i0] = a2;
            }
            kernels::finish_match_row<Distance>(v + i0, s1, s2, n, t);
        }
    }

    RvlResult run() {
        const unsigned norm = p.alg.norm;
        const bool sums = Distance || norm != kNone;
        WindowSums<S> w{src, srcStep, p.ws, p.hs, p.wt, p.ht, norm == kCoefficient,
                        reinterpret_cast<double*>(a.work), reinterpret_cast<double*>(a.work) + a.width};
        auto load = [&](float* plane, I64 sx, I64 sy) { load_plane(plane, a.width, a.height, src, srcStep, 1, 0, p.ws, p.hs, sx, sy); };
        auto finish = [&](I64 x0, I64 y0, I64 nx, I64 ny, I64 sx, I64 sy) {
            if (sums) w.start(x0 - p.ax.off, nx, y0 - p.ay.off);
            for_tile_rows(a, p.ax, p.ay, x0, y0, nx, ny, sx, sy, [&](I64 y, I64 x, float* v, I64 count) {
                if (sums) {
                    w.move_to(y - p.ay.off);
                    // Running sums across the window's columns, a chunk of
                    // outputs at a time, then the chunk's outputs. Rows
                    // whose windows all lie in the kept columns read them
                    // without the edge checks.
                    const I64 first = x - p.ax.off;
                    const bool inside = first >= w.c0 && first + count - 1 + p.wt <= w.c1;
                    if (w.withSum) {
                        if (inside) finish_row<true, true>(w, first, v, count);
                        else finish_row<true, false>(w, first, v, count);
                    } else {
                        if (inside) finish_row<false, true>(w, first, v, count);
                        else finish_row<false, false>(w, first, v, count);
                    }
                }
                store(row_at(dst, dstStep, y) + x, v, count);
            });
        };
        return for_each_tile<true>(a, p.ax, p.ay, load, finish);
    }
};

template <class S, class D, bool Distance>
RvlResult match(const S* pSrc, int srcStep, RvlSize srcRoiSize, const S* pTpl, int tplStep, RvlSize tplRoiSize, D* pDst,
                int dstStep, int scaleFactor, Rvl32u algType, Rvl8u* pBuffer) {
    MatchAlg alg;
    if (RvlResult st = first_failure({null_check(pSrc, pTpl, pDst), size_check(srcRoiSize, tplRoiSize),
                                      step_check(srcStep, tplStep, dstStep), null_check(pBuffer),
                                      decode_match(algType, Distance ? kScaled : kCoefficient, &alg)}))
        return st;
    const MatchPlan p = plan_match(srcRoiSize, tplRoiSize, alg);
    I64 bytes = 0;
    FftSizes z;
    if (RvlResult st = match_bytes(p, &bytes, &z)) return st;
    Rvl8u* base = align64<Rvl8u>(pBuffer);
    Rvl8u* work = base + z.spec + z.init;
    const I64 normPlane = alg.norm != kNone ? round_up(p.ax.tile * p.ay.tile * 4, 64) : 0;
    auto* planes = reinterpret_cast<float*>(work + z.work + normPlane);
    RoundingScope nearest(Rc::Nearest);  // whatever rounding the caller has set
    Matcher<S, D, Distance> m{p, pSrc, srcStep, pDst, dstStep, scaleFactor, {}, {}};
    if (RvlResult st = fft_start(fft_order(p.ax.fft), fft_order(p.ay.fft), z, base, work, planes, &m.a)) return st;
    if (RvlResult st = m.prepare(pTpl, tplStep)) return st;
    return m.run();
}

template <class S, bool Distance>
RvlResult match_32f(const S* pSrc, int srcStep, RvlSize srcRoiSize, const S* pTpl, int tplStep, RvlSize tplRoiSize, Rvl32f* pDst,
                    int dstStep, Rvl32u algType, Rvl8u* pBuffer) {
    return match<S, Rvl32f, Distance>(pSrc, srcStep, srcRoiSize, pTpl, tplStep, tplRoiSize, pDst, dstStep, 0, algType, pBuffer);
}

template <bool Distance>
RvlResult match_8u(const Rvl8u* pSrc, int srcStep, RvlSize srcRoiSize, const Rvl8u* pTpl, int tplStep, RvlSize tplRoiSize,
                   Rvl8u* pDst, int dstStep, int scaleFactor, Rvl32u algType, Rvl8u* pBuffer) {
    return match<Rvl8u, Rvl8u, Distance>(pSrc, srcStep, srcRoiSize, pTpl, tplStep, tplRoiSize, pDst, dstStep, scaleFactor, algType,
                                         pBuffer);
}

}  // namespace
}  // namespace rvl::filter

namespace rvl {
using namespace filter;
RVL_BIND(rvliCrossCorrNormGetBufferSize, get_buffer_size<kCoefficient>);
RVL_BIND(rvliCrossCorrNorm_32f_C1R, (match_32f<Rvl32f, false>));
RVL_BIND(rvliCrossCorrNorm_16u32f_C1R, (match_32f<Rvl16u, false>));
RVL_BIND(rvliCrossCorrNorm_8u32f_C1R, (match_32f<Rvl8u, false>));
RVL_BIND(rvliCrossCorrNorm_8u_C1RSfs, match_8u<false>);
RVL_BIND(rvliSqrDistanceNormGetBufferSize, get_buffer_size<kScaled>);
RVL_BIND(rvliSqrDistanceNorm_32f_C1R, (match_32f<Rvl32f, true>));
RVL_BIND(rvliSqrDistanceNorm_16u32f_C1R, (match_32f<Rvl16u, true>));
RVL_BIND(rvliSqrDistanceNorm_8u32f_C1R, (match_32f<Rvl8u, true>));
RVL_BIND(rvliSqrDistanceNorm_8u_C1RSfs, match_8u<true>);
}  // namespace rvl
