// Linear warp of 8u and 32f pixels, one register lane per destination row.
//
// A band of lanes<float> consecutive destination rows is computed column by
// column: the source points of the band's rows at one column sit in the
// lanes of two double registers, and each step to the next column adds b00
// and b10 to every lane, which is exactly the per-row accumulation of the
// scalar form, carried for all the band's rows at once. Indices, fractions,
// taps and sums follow the scalar form lane by lane (same operations, same
// order), so every variant gives the scalar form's bytes. A lane whose row
// has no pixel at the column computes on clamped indices and stores
// nothing.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <type_traits>
#include <utility>

#include "kernels/vec.hpp"
#include "kernels/warp_sample.hpp"

namespace rvl::kernels::warp {

inline constexpr int kBandRows = static_cast<int>(vec::lanes<float>);

struct Band {
    const char* src;
    I64 srcStep, w, h;
    float border[4];
    double b00, b10;
    double X0[kBandRows], Y0[kBandRows];  // each row's source point at column 0
    I64 first[kBandRows], last[kBandRows];  // each row's columns (empty: first > last)
    char* dst[kBandRows];                  // each row's pixel at column `x`
    I64 x;
    const CubicPoly* cubic;
};

// Whether a source can be addressed with 32-bit offsets from its first
// row, and is wide enough for the 8u word loads.
template <class T, int CH>
inline bool band_fits(I64 w, I64 h, I64 step) {
    const I64 span = (h - 1) * (step < 0 ? -step : step) + w * CH * static_cast<I64>(sizeof(T));
    return span < (I64{1} << 31) - 64 && w * CH * static_cast<I64>(sizeof(T)) >= 4;
}

// The two taps of one axis for the band's lanes at one column (see
// linear_axis): integer indices, whether each is outside (constant), and
// the fraction in single precision.
template <Edge E>
inline void band_axis(vec::f64 lo, vec::f64 hi, I64 n, vec::i32* i0, vec::i32* i1, vec::i32* out0, vec::i32* out1,
                      vec::f32* f) {
    using vec::f64;
    const f64 fl[2] = {vec::round<_MM_FROUND_TO_NEG_INF>(lo), vec::round<_MM_FROUND_TO_NEG_INF>(hi)};
    const f64 v[2] = {lo, hi};
    auto clamp = [](f64 x, double a, double b) {
        const f64 va = vec::splat<f64>(a), vb = vec::splat<f64>(b);
        const f64 t = x >= va ? x : va;  // NaN gives a
        return t <= vb ? t : vb;
    };
    if constexpr (E == Edge::Inside) {
        f64 i[2], fr[2];
        for (int k = 0; k < 2; ++k) i[k] = clamp(fl[k], 0, static_cast<double>(n - 2)), fr[k] = v[k] - i[k];
        *i0 = vec::i32_of<true>(i[0], i[1]);
        *i1 = *i0 + 1;
        *f = vec::f32_of(fr[0], fr[1]);
    } else {
        *f = vec::f32_of(v[0] - fl[0], v[1] - fl[1]);
        const double top = E == Edge::Replicate ? 0 : -1, bottom = E == Edge::Replicate ? n - 1 : n;
        const vec::i32 a = vec::i32_of<true>(clamp(fl[0], top, bottom), clamp(fl[1], top, bottom));
        const vec::i32 b = vec::i32_of<true>(clamp(fl[0] + 1, top, bottom), clamp(fl[1] + 1, top, bottom));
        if constexpr (E == Edge::Replicate) {
            *i0 = a, *i1 = b;
        } else {
            const vec::i32 zero = vec::splat<vec::i32>(0), last = vec::splat<vec::i32>(static_cast<int>(n - 1));
            *out0 = a < zero | a > last;
            *out1 = b < zero | b > last;
            *i0 = a < zero ? zero : a > last ? last : a;
            *i1 = b < zero ? zero : b > last ? last : b;
        }
    }
}

// Channel c of the pixels at (column, row) indices: 8u from one 32-bit word
// that ends inside the row (its start moved back at the row's end), 32f from
// the element itself.
template <class T, int CH>
inline vec::f32 band_tap(const Band& b, vec::i32 rowOffset, vec::i32 ix, int c, vec::u32* word) {
    if constexpr (std::is_same_v<T, float>) {
        const vec::i32 off = rowOffset + ix * (CH * 4) + c * 4;
        return vec::as<vec::f32>(vec::gather_u32(b.src, off));
    } else {
        const vec::i32 at = ix * CH, limit = vec::splat<vec::i32>(static_cast<int>(b.w * CH - 4));
        const vec::i32 start = at < limit ? at : limit;
        if (c == 0) *word = vec::gather_u32(b.src, rowOffset + start) >> vec::as<vec::u32>((at - start) * 8);
        const vec::u32 byte = (*word >> (8 * c)) & 0xFF;
        return vec::as<vec::f32>(vec::to_f32(vec::as<vec::I>(byte)));
    }
}

// The columns of a band: calls column(k, active, X, Y) for every column
// where some row has a pixel, the band's source points at that column in
// two double registers each.
template <class Column>
void band_columns(const Band& b, Column column) {
    using vec::f64;
    using vec::i32;
    constexpr int R = kBandRows, H = R / 2;
    I64 from = std::numeric_limits<I64>::max(), to = -1;
    alignas(64) std::int32_t first[R], last[R];
    for (int r = 0; r < R; ++r) {
        if (b.first[r] <= b.last[r]) from = std::min(from, b.first[r]), to = std::max(to, b.last[r]);
        first[r] = static_cast<std::int32_t>(b.first[r]);
        last[r] = static_cast<std::int32_t>(b.last[r]);
    }
    if (to < from) return;
    const i32 vfirst = vec::as<i32>(vec::loadu(first)), vlast = vec::as<i32>(vec::loadu(last));
    f64 X[2] = {vec::loadu(b.X0), vec::loadu(b.X0 + H)}, Y[2] = {vec::loadu(b.Y0), vec::loadu(b.Y0 + H)};
    const f64 dx = vec::splat<f64>(b.b00), dy = vec::splat<f64>(b.b10);
    for (I64 k = 0; k < from; ++k) X[0] += dx, X[1] += dx, Y[0] += dy, Y[1] += dy;
    for (I64 k = from; k <= to; ++k, X[0] += dx, X[1] += dx, Y[0] += dy, Y[1] += dy) {
        const i32 col = vec::splat<i32>(static_cast<int>(k));
        const std::uint64_t active = vec::lane_bits(vfirst <= col & col <= vlast);
        if (active) column(k, active, X, Y);
    }
}

// Whether bands of 16 rows write their pixels four columns at a time and
// gather the nearest pixels: measured faster there (nearest 8u C3 about
// 4.6 to 3.6 ms a frame, linear 8u C3 and 32f by 10-25%), and slower in the
// bands of 8 rows (gathers, and the transposition too) and 4 rows.
inline constexpr bool kRowWords = kBandRows >= 16;

// Pixels of P <= 4 bytes, one per band row in the low bytes of a 32-bit
// lane, for consecutive columns, written to the rows. With kRowWords, four
// columns are held and transposed in registers, so that every row whose
// pixels they all are gets its four pixels with one store; the other
// pixels are copied one by one. P = 0: nothing is held (wider pixels,
// stored by their callers).
template <int P>
class RowWords {
public:
    explicit RowWords(const Band& b) : b_(b) {}

    // The pixels of column k for the rows in `active`.
    void push(I64 k, std::uint64_t active, vec::I words) {
        if constexpr (!kRowWords) {
            group_ = k, held_ = 1, words_[0] = words, masks_[0] = active;
            flush();
            return;
        }
        if (held_ && k != group_ + held_) flush();
        if (!held_) group_ = k;
        words_[held_] = words;
        masks_[held_] = active;
        if (++held_ == 4) flush();
    }

    void finish() {
        if constexpr (P > 0)
            if (held_) flush();
    }

private:
    void flush() {
        const std::uint64_t full = held_ == 4 ? masks_[0] & masks_[1] & masks_[2] & masks_[3] : 0;
        if (full) put_rows(full);
        for (int j = 0; j < held_; ++j) {
            const std::uint64_t rest = masks_[j] & ~full;
            if (!rest) continue;
            alignas(64) std::uint32_t w[kBandRows];
            vec::storeu(w, words_[j]);
            for (std::uint64_t m = rest; m; m &= m - 1) {
                const int r = __builtin_ctzll(m);
                __builtin_memcpy(b_.dst[r] + (group_ + j - b_.x) * P, &w[r], P);
            }
        }
        held_ = 0;
    }

    // Row 4q + i's four pixels are lane q (128 bits) of u[i].
    void put_rows(std::uint64_t rows) const {
        const vec::I t0 = RVL_MM(unpacklo_epi32)(words_[0], words_[1]), t1 = RVL_MM(unpacklo_epi32)(words_[2], words_[3]);
        const vec::I t2 = RVL_MM(unpackhi_epi32)(words_[0], words_[1]), t3 = RVL_MM(unpackhi_epi32)(words_[2], words_[3]);
        vec::I u[4] = {RVL_MM(unpacklo_epi64)(t0, t1), RVL_MM(unpackhi_epi64)(t0, t1), RVL_MM(unpacklo_epi64)(t2, t3),
                       RVL_MM(unpackhi_epi64)(t2, t3)};
        if constexpr (P < 4) {
            // The first P bytes of each word, packed.
            alignas(16) std::int8_t order[16];
            for (int j = 0; j < 16; ++j) order[j] = j < 4 * P ? static_cast<std::int8_t>(j / P * 4 + j % P) : -1;
            const vec::I pack = vec::broadcast128(_mm_load_si128(reinterpret_cast<const __m128i*>(order)));
            for (int i = 0; i < 4; ++i) u[i] = RVL_MM(shuffle_epi8)(u[i], pack);
        }
        [&]<int... Q>(std::integer_sequence<int, Q...>) {
            ([&] {
                for (int i = 0; i < 4; ++i) {
                    const int r = 4 * Q + i;
                    if (!(rows >> r & 1)) continue;
                    const __m128i x = vec::lane128<Q>(u[i]);
                    char* d = b_.dst[r] + (group_ - b_.x) * P;
                    if constexpr (P == 4) {
                        _mm_storeu_si128(reinterpret_cast<__m128i*>(d), x);
                    } else if constexpr (P >= 2) {
                        _mm_storel_epi64(reinterpret_cast<__m128i*>(d), x);
                        if constexpr (P == 3) {
                            const int tail = _mm_extract_epi32(x, 2);
                            __builtin_memcpy(d + 8, &tail, 4);
                        }
                    } else {
                        const int four = _mm_cvtsi128_si32(x);
                        __builtin_memcpy(d, &four, 4);
                    }
                }
            }(), ...);
        }(std::make_integer_sequence<int, kBandRows / 4>{});
    }

    const Band& b_;
    vec::I words_[4];
    std::uint64_t masks_[4];
    I64 group_ = 0;  // the first column of the words held
    int held_ = 0;
};

// The bytes of a pixel of T and CH channels when RowWords writes them, else 0.
template <class T, int CH>
inline constexpr int kWordBytes = CH * sizeof(T) <= 4 ? static_cast<int>(CH * sizeof(T)) : 0;

// The sums of the active lanes stored as T into their rows at column k:
// 8u pixels packed into one word per lane and single floats through
// `words`, wider float pixels element by element.
template <class T, int CH>
inline void band_store(const Band& b, RowWords<kWordBytes<T, CH>>& words, I64 k, std::uint64_t active, const vec::f32 (&v)[CH]) {
    using vec::f32;
    if constexpr (std::is_same_v<T, float> && CH > 1) {
        constexpr int R = kBandRows;
        alignas(64) float out[CH][R];
        for (int c = 0; c < CH; ++c) vec::storeu(out[c], vec::as<vec::F>(v[c]));
        for (std::uint64_t m = active; m; m &= m - 1) {
            const int r = __builtin_ctzll(m);
            char* d = b.dst[r] + (k - b.x) * CH * 4;
            for (int c = 0; c < CH; ++c) __builtin_memcpy(d + 4 * c, &out[c][r], 4);
        }
    } else if constexpr (std::is_same_v<T, float>) {
        words.push(k, active, vec::as<vec::I>(v[0]));
    } else {
        const f32 lo = vec::splat<f32>(0.0f), hi = vec::splat<f32>(255.0f);
        vec::i32 word = vec::splat<vec::i32>(0);
        for (int c = 0; c < CH; ++c) {
            const f32 t = v[c] > lo ? v[c] : lo;  // NaN gives 0
            word |= vec::as<vec::i32>(vec::to_i32(vec::as<vec::F>(t < hi ? t : hi))) << (8 * c);
        }
        words.push(k, active, vec::as<vec::I>(word));
    }
}

// The taps of one column, gathered: the words (8u) or elements (32f) of
// the four taps, the fractions and which taps are outside.
template <class T, int CH>
struct LinearColumn {
    I64 k;
    std::uint64_t active;
    vec::u32 raw[4][std::is_same_v<T, float> ? CH : 1];  // p00, p01, p10, p11
    vec::i32 same, o00, o01, o10, o11;  // 1-channel 8u: x1 == x0; constant: tap outside
    vec::f32 fx, fy;
};

// Channel c of a gathered 8u word (shifted to the pixel's first byte).
inline vec::f32 word_channel(vec::u32 w, int c) {
    return vec::as<vec::f32>(vec::to_f32(vec::as<vec::I>((w >> (8 * c)) & 0xFF)));
}

// The words of the pixels at x (column indices) in the rows at rowOffset,
// each shifted to the pixel's first byte; the word ends inside the row.
template <int CH>
inline vec::u32 word_at(const Band& b, vec::i32 rowOffset, vec::i32 x) {
    const vec::i32 at = x * CH, limit = vec::splat<vec::i32>(static_cast<int>(b.w * CH - 4));
    const vec::i32 start = at < limit ? at : limit;
    return vec::gather_u32(b.src, rowOffset + start) >> vec::as<vec::u32>((at - start) * 8);
}

template <class T, int CH, Edge E>
inline void linear_gather(const Band& b, vec::i32 step, I64 k, std::uint64_t active, const vec::f64 (&X)[2],
                          const vec::f64 (&Y)[2], LinearColumn<T, CH>* col) {
    using vec::i32;
    i32 x0, x1, xo0, xo1, y0, y1, yo0, yo1;
    band_axis<E>(X[0], X[1], b.w, &x0, &x1, &xo0, &xo1, &col->fx);
    band_axis<E>(Y[0], Y[1], b.h, &y0, &y1, &yo0, &yo1, &col->fy);
    col->k = k, col->active = active;
    col->o00 = xo0 | yo0, col->o01 = xo1 | yo0, col->o10 = xo0 | yo1, col->o11 = xo1 | yo1;
    const i32 r0 = y0 * step, r1 = y1 * step;
    if constexpr (std::is_same_v<T, float>) {
        for (int c = 0; c < CH; ++c) {
            col->raw[0][c] = vec::gather_u32(b.src, r0 + x0 * (CH * 4) + c * 4);
            col->raw[1][c] = vec::gather_u32(b.src, r0 + x1 * (CH * 4) + c * 4);
            col->raw[2][c] = vec::gather_u32(b.src, r1 + x0 * (CH * 4) + c * 4);
            col->raw[3][c] = vec::gather_u32(b.src, r1 + x1 * (CH * 4) + c * 4);
        }
    } else if constexpr (CH == 1) {
        // Both taps of a row from one word: x1 is x0 or x0 + 1.
        col->same = x1 == x0;
        col->raw[0][0] = word_at<1>(b, r0, x0);
        col->raw[2][0] = word_at<1>(b, r1, x0);
    } else {
        col->raw[0][0] = word_at<CH>(b, r0, x0);
        col->raw[1][0] = word_at<CH>(b, r0, x1);
        col->raw[2][0] = word_at<CH>(b, r1, x0);
        col->raw[3][0] = word_at<CH>(b, r1, x1);
    }
}

template <class T, int CH, Edge E>
inline void linear_finish(const Band& b, RowWords<kWordBytes<T, CH>>& words, const vec::f32 (&border)[CH],
                          const LinearColumn<T, CH>& col) {
    using vec::f32;
    f32 v[CH];
    for (int c = 0; c < CH; ++c) {
        f32 p00, p01, p10, p11;
        if constexpr (std::is_same_v<T, float>) {
            p00 = vec::as<f32>(col.raw[0][c]), p01 = vec::as<f32>(col.raw[1][c]);
            p10 = vec::as<f32>(col.raw[2][c]), p11 = vec::as<f32>(col.raw[3][c]);
        } else if constexpr (CH == 1) {
            p00 = word_channel(col.raw[0][0], 0), p10 = word_channel(col.raw[2][0], 0);
            const f32 n0 = word_channel(col.raw[0][0], 1), n1 = word_channel(col.raw[2][0], 1);
            p01 = col.same != 0 ? p00 : n0;
            p11 = col.same != 0 ? p10 : n1;
        } else {
            p00 = word_channel(col.raw[0][0], c), p01 = word_channel(col.raw[1][0], c);
            p10 = word_channel(col.raw[2][0], c), p11 = word_channel(col.raw[3][0], c);
        }
        if constexpr (E == Edge::Constant) {
            p00 = col.o00 != 0 ? border[c] : p00;
            p01 = col.o01 != 0 ? border[c] : p01;
            p10 = col.o10 != 0 ? border[c] : p10;
            p11 = col.o11 != 0 ? border[c] : p11;
        }
        const f32 top = p00 + (p01 - p00) * col.fx;
        const f32 bottom = p10 + (p11 - p10) * col.fx;
        v[c] = top + col.fy * (bottom - top);
    }
    band_store<T, CH>(b, words, col.k, col.active, v);
}

// Software-pipelined: the taps of a column are gathered before the previous
// column is finished, so the gathers' latency overlaps the arithmetic.
template <class T, int CH, Edge E>
void linear_band(const Band& b) {
    using vec::f32;
    const vec::i32 step = vec::splat<vec::i32>(static_cast<int>(b.srcStep));
    f32 border[CH];
    for (int c = 0; c < CH; ++c) border[c] = vec::splat<f32>(b.border[c]);
    constexpr int kAhead = 2;  // columns gathered ahead of the one finished
    LinearColumn<T, CH> cols[kAhead + 1];
    RowWords<kWordBytes<T, CH>> words(b);
    int count = 0;
    band_columns(b, [&](I64 k, std::uint64_t active, const vec::f64 (&X)[2], const vec::f64 (&Y)[2]) {
        linear_gather<T, CH, E>(b, step, k, active, X, Y, &cols[count % (kAhead + 1)]);
        if (count >= kAhead) linear_finish<T, CH, E>(b, words, border, cols[(count - kAhead) % (kAhead + 1)]);
        ++count;
    });
    for (int q = std::max(0, count - kAhead); q < count; ++q) linear_finish<T, CH, E>(b, words, border, cols[q % (kAhead + 1)]);
    words.finish();
}

// ---- Nearest ------------------------------------------------------------------

// The nearest source column or row of the band's lanes (see nearest_pixel):
// clamped into [0, n), and in *out the lanes outside [0, n) (constant
// edges).
template <Edge E>
inline vec::i32 nearest_index(const vec::f64 (&v)[2], I64 n, vec::i32* out) {
    using vec::f64;
    const f64 half = vec::splat<f64>(0.5);
    const f64 u[2] = {vec::round<_MM_FROUND_TO_ZERO>(v[0] + half), vec::round<_MM_FROUND_TO_ZERO>(v[1] + half)};
    const f64 zero = vec::splat<f64>(0.0), top = vec::splat<f64>(static_cast<double>(n - 1));
    if constexpr (E == Edge::Constant) {
        // 1 for the lanes outside the image.
        const f64 len = vec::splat<f64>(static_cast<double>(n)), one = vec::splat<f64>(1.0);
        const f64 o0 = u[0] >= zero & u[0] < len ? zero : one, o1 = u[1] >= zero & u[1] < len ? zero : one;
        *out = vec::i32_of<true>(o0, o1);
    }
    f64 c[2];
    for (int h = 0; h < 2; ++h) {
        const f64 t = u[h] >= zero ? u[h] : zero;  // NaN gives 0
        c[h] = t <= top ? t : top;
    }
    return vec::i32_of<true>(c[0], c[1]);
}

// Any element type: the source pixel's bytes copied (see nearest_pixel).
template <class T, int CH, Edge E>
void nearest_band(const Band& b, const T* border) {
    using vec::i32;
    constexpr int R = kBandRows;
    constexpr I64 kPixel = CH * static_cast<I64>(sizeof(T));
    if constexpr (kPixel <= 4 && kRowWords) {
        // Each lane's pixel as one word (the border's for outside lanes).
        constexpr int P = static_cast<int>(kPixel);
        std::uint32_t bw = 0;
        __builtin_memcpy(&bw, border, P);
        const vec::u32 borderWord = vec::splat<vec::u32>(bw);
        const i32 step = vec::splat<i32>(static_cast<int>(b.srcStep));
        RowWords<P> words(b);
        band_columns(b, [&](I64 k, std::uint64_t active, const vec::f64 (&X)[2], const vec::f64 (&Y)[2]) {
            i32 outX{}, outY{};
            const i32 ix = nearest_index<E>(X, b.w, &outX), iy = nearest_index<E>(Y, b.h, &outY);
            vec::u32 word = word_at<P>(b, iy * step, ix);
            if constexpr (E == Edge::Constant) word = (outX | outY) != 0 ? borderWord : word;
            words.push(k, active, vec::as<vec::I>(word));
        });
        words.finish();
    } else {
        const i32 step = vec::splat<i32>(static_cast<int>(b.srcStep));
        band_columns(b, [&](I64 k, std::uint64_t active, const vec::f64 (&X)[2], const vec::f64 (&Y)[2]) {
            i32 outX{}, outY{};
            const i32 ix = nearest_index<E>(X, b.w, &outX), iy = nearest_index<E>(Y, b.h, &outY);
            alignas(64) std::int32_t off[R], out[R];
            vec::storeu(off, vec::as<vec::I>(iy * step + ix * static_cast<int>(kPixel)));
            vec::storeu(out, vec::as<vec::I>(outX | outY));
            for (std::uint64_t m = active; m; m &= m - 1) {
                const int r = __builtin_ctzll(m);
                char* d = b.dst[r] + (k - b.x) * kPixel;
                if (E == Edge::Constant && out[r]) __builtin_memcpy(d, border, kPixel);
                else __builtin_memcpy(d, b.src + off[r], kPixel);
            }
        });
    }
}

// ---- Cubic ------------------------------------------------------------------------

// The four weights of an axis for the fractions in the lanes (see
// CubicPoly::weights).
inline void band_cubic_weights(const CubicPoly& k, vec::f32 f, vec::f32 w[4]) {
    using vec::f32;
    const f32 tiny = vec::splat<f32>(1e-16f), zero = vec::splat<f32>(0.0f), one = vec::splat<f32>(1.0f), two = vec::splat<f32>(2.0f);
    const f32 af = vec::as<f32>(vec::as<vec::i32>(f) & 0x7FFFFFFF);
    f = af <= tiny ? zero : f;
    auto near = [&](f32 t) { return (vec::splat<f32>(k.n3) * t + vec::splat<f32>(k.n2)) * t * t + vec::splat<f32>(k.n0); };
    auto far = [&](f32 t) {
        return ((vec::splat<f32>(k.f3) * t + vec::splat<f32>(k.f2)) * t + vec::splat<f32>(k.f1)) * t + vec::splat<f32>(k.f0);
    };
    w[0] = far(one + f);
    w[1] = near(f);
    w[2] = near(one - f);
    w[3] = far(two - f);
}

// The tap indices i - 1 .. i + 2 of an axis (see cubic_axis, without
// in-memory sides), whether each is outside (constant), and the fraction.
template <Edge E>
inline void band_cubic_axis(const vec::f64 (&v)[2], I64 n, vec::i32 idx[4], vec::i32 out[4], vec::f32* f) {
    using vec::f64;
    using vec::i32;
    const f64 fl[2] = {vec::round<_MM_FROUND_TO_NEG_INF>(v[0]), vec::round<_MM_FROUND_TO_NEG_INF>(v[1])};
    auto clamp = [](f64 x, double a, double b) {
        const f64 va = vec::splat<f64>(a), vb = vec::splat<f64>(b);
        const f64 t = x >= va ? x : va;
        return t <= vb ? t : vb;
    };
    i32 i;
    if constexpr (E == Edge::Inside) {
        const f64 c[2] = {clamp(fl[0], 0, static_cast<double>(n - 1)), clamp(fl[1], 0, static_cast<double>(n - 1))};
        i = vec::i32_of<true>(c[0], c[1]);
        *f = vec::f32_of(v[0] - c[0], v[1] - c[1]);
    } else {
        i = vec::i32_of<true>(clamp(fl[0], -3, static_cast<double>(n + 2)), clamp(fl[1], -3, static_cast<double>(n + 2)));
        *f = vec::f32_of(v[0] - fl[0], v[1] - fl[1]);
    }
    const i32 zero = vec::splat<i32>(0), last = vec::splat<i32>(static_cast<int>(n - 1));
    for (int q = 0; q < 4; ++q) {
        const i32 j = i + (q - 1);
        out[q] = j < zero | j > last;
        idx[q] = j < zero ? zero : j > last ? last : j;
    }
}

template <class T, int CH, Edge E>
void cubic_band(const Band& b) {
    using vec::f32;
    using vec::i32;
    const i32 step = vec::splat<i32>(static_cast<int>(b.srcStep));
    f32 border[CH];
    for (int c = 0; c < CH; ++c) border[c] = vec::splat<f32>(b.border[c]);
    RowWords<kWordBytes<T, CH>> words(b);
    band_columns(b, [&](I64 k, std::uint64_t active, const vec::f64 (&X)[2], const vec::f64 (&Y)[2]) {
        i32 xs[4], ys[4], xo[4], yo[4];
        f32 fx, fy, wx[4], wy[4];
        band_cubic_axis<E>(X, b.w, xs, xo, &fx);
        band_cubic_axis<E>(Y, b.h, ys, yo, &fy);
        band_cubic_weights(*b.cubic, fx, wx);
        band_cubic_weights(*b.cubic, fy, wy);
        f32 sum[CH], h[CH];
        for (int r = 0; r < 4; ++r) {
            const i32 row = ys[r] * step;
            for (int q = 0; q < 4; ++q) {
                vec::u32 word{};
                for (int c = 0; c < CH; ++c) {
                    f32 p = band_tap<T, CH>(b, row, xs[q], c, &word);
                    if constexpr (E == Edge::Constant) p = (xo[q] | yo[r]) != 0 ? border[c] : p;
                    const f32 t = p * wx[q];
                    h[c] = q == 0 ? t : h[c] + t;
                }
            }
            for (int c = 0; c < CH; ++c) {
                const f32 t = h[c] * wy[r];
                sum[c] = r == 0 ? t : sum[c] + t;
            }
        }
        band_store<T, CH>(b, words, k, active, sum);
    });
    words.finish();
}

}  // namespace rvl::kernels::warp
