// Median kernels: selection networks on registers of pixels, and the
// running-histogram median of 8-bit windows.
//
// Every network below is written once for a value type V that is either a
// register of the vocabulary (one lane per pixel element) or a single
// element, so the vector loops and their scalar tails compute each median by
// the same comparisons. A median is one of the window's values, so any
// exact selection gives the same result; the networks differ only in cost.
//
// Comparisons are a < b on the element type. (A 32f window holding a NaN
// has no defined order; its median is one of its values or NaN.)
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "kernels/map.hpp"
#include "kernels/row_set.hpp"
#include "kernels/vec.hpp"
#include "kernels/window.hpp"

namespace rvl::kernels {

// The networks are inlined into their loops, where their values stay in
// registers.
#define RVL_NETWORK [[gnu::always_inline]] inline

// ---- Compare-exchange vocabulary -------------------------------------------------

// a < b ? a : b and a < b ? b : a. Registers of floats take the minimum and
// maximum instructions, whose rule (the second operand unless the first is
// smaller / larger) is the same formula; the compiler would otherwise
// compare and blend.
template <class V>
RVL_NETWORK V lo(V a, V b) {
    if constexpr (std::is_same_v<V, vec::f32>) return vec::as<V>(RVL_MM(min_ps)(vec::as<vec::F>(a), vec::as<vec::F>(b)));
    else if constexpr (std::is_same_v<V, vec::f64>) return RVL_MM(min_pd)(a, b);
    else return a < b ? a : b;
}
template <class V>
RVL_NETWORK V hi(V a, V b) {
    if constexpr (std::is_same_v<V, vec::f32>) return vec::as<V>(RVL_MM(max_ps)(vec::as<vec::F>(b), vec::as<vec::F>(a)));
    else if constexpr (std::is_same_v<V, vec::f64>) return RVL_MM(max_pd)(b, a);
    else return a < b ? b : a;
}
// a, b := min, max.
template <class V>
RVL_NETWORK void sort2(V& a, V& b) {
    const V t = lo(a, b);
    b = hi(a, b);
    a = t;
}
template <class V>
RVL_NETWORK V med3(V a, V b, V c) {
    return hi(lo(a, b), lo(hi(a, b), c));
}
template <class V>
RVL_NETWORK void sort3(V& a, V& b, V& c) {
    sort2(a, b);
    sort2(b, c);
    sort2(a, b);
}
// Nine comparators.
template <class V>
RVL_NETWORK void sort5(V* v) {
    sort2(v[0], v[1]); sort2(v[3], v[4]); sort2(v[2], v[4]);
    sort2(v[2], v[3]); sort2(v[1], v[4]); sort2(v[0], v[3]);
    sort2(v[0], v[2]); sort2(v[1], v[3]); sort2(v[1], v[2]);
}
// Odd-even merge sort, nineteen comparators.
template <class V>
RVL_NETWORK void sort8(V* v) {
    sort2(v[0], v[1]); sort2(v[2], v[3]); sort2(v[4], v[5]); sort2(v[6], v[7]);
    sort2(v[0], v[2]); sort2(v[1], v[3]); sort2(v[4], v[6]); sort2(v[5], v[7]);
    sort2(v[1], v[2]); sort2(v[5], v[6]);
    sort2(v[0], v[4]); sort2(v[1], v[5]); sort2(v[2], v[6]); sort2(v[3], v[7]);
    sort2(v[2], v[4]); sort2(v[3], v[5]);
    sort2(v[1], v[2]); sort2(v[3], v[4]); sort2(v[5], v[6]);
}

// Of four values given as two pairs, the pair sorted and the two middle
// values of the four (as an unordered pair m, n): with a <= b and c <= d the
// smallest is min(a, c), the largest max(b, d), and the other two are
// max(a, c) and min(b, d).
template <class V>
struct Four {
    V l0, h0, l1, h1;
    Four(V a, V b, V c, V d) : l0(lo(a, b)), h0(hi(a, b)), l1(lo(c, d)), h1(hi(c, d)) {}
    V q1() const { return lo(l0, l1); }
    V q4() const { return hi(h0, h1); }
    V m() const { return hi(l0, l1); }
    V n() const { return lo(h0, h1); }
};

// The median of five: the fifth value clamped between the middle two of the
// other four.
template <class V>
RVL_NETWORK V med5(V a, V b, V c, V d, V e) {
    const Four<V> f(a, b, c, d);
    return med3(f.m(), f.n(), e);
}

// The median of N values (N odd) by forgetful selection: of any (N+1)/2 + 1
// of them, the smallest lies below the median and the largest above it, so
// both can be dropped and the next value taken in; the median of the last
// three is the median of all. `w` holds the working set, `v` all N values.
template <int K, class V>
RVL_NETWORK void drop_extremes(V* w) {
    // Pairs, then the smallest of the lower halves to w[0] and the largest
    // of the upper halves to w[K-1] (an odd middle value takes part in both).
    for (int i = 0; i < K / 2; ++i) sort2(w[i], w[K - 1 - i]);
    for (int i = 1; i < (K + 1) / 2; ++i) sort2(w[0], w[i]);
    for (int i = K / 2; i < K - 1; ++i) sort2(w[i], w[K - 1]);
}
template <int N, int K, int Next, class V>
RVL_NETWORK V forget(V* w, const V* v) {
    if constexpr (K == 3 && Next == N) {
        return med3(w[0], w[1], w[2]);
    } else {
        drop_extremes<K>(w);
        w[0] = v[Next];  // the set is now w[0 .. K-2]
        return forget<N, K - 1, Next + 1>(w, v);
    }
}
template <int N, class V>
RVL_NETWORK V median_of(const V* v) {
    static_assert(N % 2 == 1);
    if constexpr (N == 1) {
        return v[0];
    } else if constexpr (N == 3) {
        return med3(v[0], v[1], v[2]);
    } else if constexpr (N == 5) {
        return med5(v[0], v[1], v[2], v[3], v[4]);
    } else {
        constexpr int R = (N + 1) / 2 + 1;
        V w[R];
        for (int i = 0; i < R; ++i) w[i] = v[i];
        return forget<N, R, R>(w, v);
    }
}

// The median of 3x3 values whose columns are sorted (l <= m <= h per
// column): no value below the largest column minimum or above the smallest
// column maximum can be the median, and it is the median of those two and
// the middle of the column medians.
template <class V>
RVL_NETWORK V med9_sorted_columns(V l0, V l1, V l2, V m0, V m1, V m2, V h0, V h1, V h2) {
    return med3(hi(hi(l0, l1), l2), med3(m0, m1, m2), lo(lo(h0, h1), h2));
}

// The median of 5x5 values whose columns are sorted: s[j][k] is the value of
// rank j in column k. Sorting each rank's five values as well would give a
// table sorted along both directions, in which the element (j, k) has at
// least (j+1)(k+1) values at or below it and (5-j)(5-k) at or above it. The
// six elements with 14 or more values above them lie below the median, the
// six with 14 or more below lie above it, so the median is the median of the
// other thirteen: the largest two of rank 0, the largest three of rank 1,
// the middle three of rank 2, the smallest three of rank 3 and the smallest
// two of rank 4, which only need partial orders of each rank.
template <class V>
RVL_NETWORK V med25_sorted_columns(const V (*s)[5]) {
    V c[13];
    {
        const Four<V> f(s[0][0], s[0][1], s[0][2], s[0][3]);
        c[0] = f.q4();
        c[1] = hi(hi(f.m(), f.n()), s[0][4]);
    }
    {
        const Four<V> f(s[1][0], s[1][1], s[1][2], s[1][3]);
        const V m = f.m(), n = f.n();
        c[2] = hi(m, n);
        c[3] = f.q4();
        c[4] = hi(lo(m, n), s[1][4]);
    }
    {
        const Four<V> f(s[2][0], s[2][1], s[2][2], s[2][3]);
        c[5] = f.m();
        c[6] = f.n();
        c[7] = lo(hi(f.q1(), s[2][4]), f.q4());
    }
    {
        const Four<V> f(s[3][0], s[3][1], s[3][2], s[3][3]);
        const V m = f.m(), n = f.n();
        c[8] = lo(m, n);
        c[9] = f.q1();
        c[10] = lo(hi(m, n), s[3][4]);
    }
    {
        const Four<V> f(s[4][0], s[4][1], s[4][2], s[4][3]);
        c[11] = f.q1();
        c[12] = lo(lo(f.m(), f.n()), s[4][4]);
    }
    return median_of<13>(c);
}

// ---- Fixed windows of a bordered row set ------------------------------------------

// Loads of one element or one register; the network code calls ld(p) for
// either.
template <class T>
struct ScalarAccess {
    using V = T;
    static V ld(const T* p) { return *p; }
    static void st(T* p, V v) { *p = v; }
};
template <class T>
struct VectorAccess {
    using V = vec::of<T>;
    static V ld(const T* p) { return load_vec(p); }
    static void st(T* p, V v) { std::memcpy(p, &v, sizeof v); }
};

// Medians of n elements of one output row for the windows that have
// dedicated networks: MW x MH with MW, MH in {1, 3, 5} and MW = MH or one of
// them 1. Rows are the MH source rows from the first column read; elements of
// a channel are C apart. Square windows sort their columns first, a chunk of
// the row at a time, into arrays on the stack: each sorted column serves MW
// outputs.
template <int MW, int MH, int C, class T, class Sink>
inline void median_fixed_row(const RowSet<T>& rows, std::int64_t n, Sink out) {
    constexpr std::int64_t L = static_cast<std::int64_t>(vec::lanes<T>);
    if (n < L) {
        // A row shorter than a register (the columns at the image's edges):
        // its rows copied into a register's width, filtered as one block,
        // and the first n results stored.
        constexpr std::int64_t kWidth = L + (MW - 1) * C;
        T padded[MH][kWidth] = {};
        for (int j = 0; j < MH; ++j)
            std::memcpy(padded[j], rows.row(j), static_cast<std::size_t>(n + (MW - 1) * C) * sizeof(T));
        T results[L];
        median_fixed_row<MW, MH, C>(RowSet<T>(padded[0], sizeof padded[0], 0, MH), L, RowSink<T>{results});
        for (std::int64_t i = 0; i < n; ++i) out.put1(i, results[i]);
        return;
    }
    const T* r[MH];
    for (int j = 0; j < MH; ++j) r[j] = rows.row(j);
    if constexpr (MW == 1 || MH == 1) {
        // One column or one row of taps: the taps of element i are p[i + k D].
        constexpr int kTaps = MW == 1 ? MH : MW;
        const auto one = [&](auto access, std::int64_t i) {
            using A = decltype(access);
            typename A::V v[kTaps];
            for (int k = 0; k < kTaps; ++k) v[k] = MW == 1 ? A::ld(r[k] + i) : A::ld(r[0] + i + k * C);
            return median_of<kTaps>(v);
        };
        for_blocks<L>(n, [=](std::int64_t i) { out.put(i, one(VectorAccess<T>{}, i)); },
                      [=](std::int64_t i) { out.put1(i, one(ScalarAccess<T>{}, i)); });
    } else if constexpr (MW == 3 && sizeof(T) == 4) {
        // Each register of pixels sorts the three columns it reads.
        const auto median = [=](auto access, std::int64_t i) {
            using A = decltype(access);
            typename A::V v[3][3];
            for (int k = 0; k < 3; ++k) {
                for (int j = 0; j < 3; ++j) v[k][j] = A::ld(r[j] + i + k * C);
                sort3(v[k][0], v[k][1], v[k][2]);
            }
            return med9_sorted_columns(v[0][0], v[1][0], v[2][0], v[0][1], v[1][1], v[2][1], v[0][2], v[1][2], v[2][2]);
        };
        const std::int64_t lead = std::is_same_v<Sink, RowSink<T>> ? lead_elements(out.out) : 0;
        for_blocks_from<L>(n, lead, [=](std::int64_t i) { out.put(i, median(VectorAccess<T>{}, i)); },
                           [=](std::int64_t i) { out.put1(i, median(ScalarAccess<T>{}, i)); });
    } else {
        static_assert(MW == MH && (MW == 3 || MW == 5));
        // Longer chunks for 3x3 windows, whose passes are short.
        constexpr std::int64_t kChunk = MW == 3 ? 2048 : 512;
        constexpr std::int64_t kSpan = kChunk + (MW - 1) * C;
        T sorted[MH][kSpan];
        for (std::int64_t e0 = 0; e0 < n; e0 += kChunk) {
            const std::int64_t m = std::min(kChunk, n - e0), span = m + (MW - 1) * C;
            const auto column = [&](auto access, std::int64_t i) {
                using A = decltype(access);
                typename A::V v[MH];
                for (int j = 0; j < MH; ++j) v[j] = A::ld(r[j] + e0 + i);
                if constexpr (MH == 3) sort3(v[0], v[1], v[2]);
                else sort5(v);
                for (int j = 0; j < MH; ++j) A::st(sorted[j] + i, v[j]);
            };
            for_blocks<L>(span, [&](std::int64_t i) { column(VectorAccess<T>{}, i); },
                          [&](std::int64_t i) { column(ScalarAccess<T>{}, i); });
            const auto median = [&](auto access, std::int64_t i) {
                using A = decltype(access);
                using V = typename A::V;
                if constexpr (MW == 3) {
                    const T* p0 = sorted[0] + i;
                    const T* p1 = sorted[1] + i;
                    const T* p2 = sorted[2] + i;
                    return med9_sorted_columns(A::ld(p0), A::ld(p0 + C), A::ld(p0 + 2 * C), A::ld(p1), A::ld(p1 + C),
                                               A::ld(p1 + 2 * C), A::ld(p2), A::ld(p2 + C), A::ld(p2 + 2 * C));
                } else {
                    V s[5][5];
                    for (int j = 0; j < 5; ++j)
                        for (int k = 0; k < 5; ++k) s[j][k] = A::ld(sorted[j] + i + k * C);
                    return med25_sorted_columns<V>(s);
                }
            };
            // Aligned stores (AC4 sinks put registers at multiples of four).
            const std::int64_t lead = std::is_same_v<Sink, RowSink<T>> ? lead_elements(out.out + e0) : 0;
            for_blocks_from<L>(m, lead, [&](std::int64_t i) { out.put(e0 + i, median(VectorAccess<T>{}, i)); },
                               [&](std::int64_t i) { out.put1(e0 + i, median(ScalarAccess<T>{}, i)); });
        }
    }
}

// The medians of a row by the network of an mw x mh window, if it has one
// (false otherwise).
template <int C, class T, class Sink>
inline bool median_network_row(const RowSet<T>& rows, std::int64_t mw, std::int64_t mh, std::int64_t n, Sink out) {
    if (mw > 5 || mh > 5) return false;
    switch (mw * 8 + mh) {
        case 1 * 8 + 3: median_fixed_row<1, 3, C>(rows, n, out); return true;
        case 1 * 8 + 5: median_fixed_row<1, 5, C>(rows, n, out); return true;
        case 3 * 8 + 1: median_fixed_row<3, 1, C>(rows, n, out); return true;
        case 5 * 8 + 1: median_fixed_row<5, 1, C>(rows, n, out); return true;
        case 3 * 8 + 3: median_fixed_row<3, 3, C>(rows, n, out); return true;
        case 5 * 8 + 5: median_fixed_row<5, 5, C>(rows, n, out); return true;
        default: return false;
    }
}

// ---- Running histogram (8u) --------------------------------------------------------

// Medians of w pixels of channel `channel` of an 8u row of windows of mw x mh:
// a 256-bin histogram of the first window, and the smallest value v whose
// cumulative count reaches the threshold (mw mh)/2 + 1, found once; then per
// pixel the leaving column is removed and the entering one added, the count
// of values below v kept up to date, and v moved down while that count
// reaches the threshold and up while the count including v stays below it.
// The cost per pixel grows with mh, not with mw mh.
template <class Sink>
inline void median_histogram_row(const RowSet<std::uint8_t>& rows, int mw, int mh, int C, int channel,
                                 std::int64_t w, Sink out) {
    std::uint32_t hist[256] = {};
    const std::uint32_t threshold = static_cast<std::uint32_t>(std::int64_t{mw} * mh / 2 + 1);
    const std::uint8_t* stackRows[RowSet<std::uint8_t>::kCached];
    const std::uint8_t* const* r = stackRows;
    // Row addresses beyond the cached ones are read through the row set.
    const int cached = std::min(mh, RowSet<std::uint8_t>::kCached);
    for (int j = 0; j < cached; ++j) stackRows[j] = rows.row(j) + channel;
    const auto at = [&](int j, std::int64_t e) { return j < cached ? r[j][e] : rows.row(j)[channel + e]; };
    for (int j = 0; j < mh; ++j)
        for (int k = 0; k < mw; ++k) ++hist[at(j, std::int64_t{k} * C)];
    int v = 0;
    std::uint32_t below = 0;
    while (below + hist[v] < threshold) below += hist[v++];
    for (std::int64_t x = 0;; ++x) {
        out.put1(x * C + channel, static_cast<std::uint8_t>(v));
        if (x + 1 == w) break;
        const std::int64_t leave = x * C, enter = (x + mw) * C;
        for (int j = 0; j < mh; ++j) {
            const int a = at(j, leave), b = at(j, enter);
            --hist[a];
            ++hist[b];
            below += static_cast<std::uint32_t>(b < v) - static_cast<std::uint32_t>(a < v);
        }
        while (below >= threshold) below -= hist[--v];
        while (below + hist[v] < threshold) below += hist[v++];
    }
}

// ---- Column histograms (8u) -----------------------------------------------------------

// Sixteen 16-bit counts. (The helpers below take and return them by value;
// they are inlined, so the note that such values travel differently without
// AVX does not apply.)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"
using Counts16 = std::uint16_t __attribute__((vector_size(32)));

// step(b): 1 in the lanes from b on. Adding it to cumulative counts counts
// one value in bin b.
struct StepTable {
    std::uint16_t lanes[16][16];
};
constexpr StepTable make_steps() {
    StepTable t{};
    for (int b = 0; b < 16; ++b)
        for (int i = 0; i < 16; ++i) t.lanes[b][i] = i >= b ? 1 : 0;
    return t;
}
alignas(32) inline constexpr StepTable kSteps = make_steps();
inline Counts16 step(int b) {
    Counts16 v;
    std::memcpy(&v, kSteps.lanes[b], sizeof v);
    return v;
}

// The number of lanes of v below `bound`.
inline int lanes_below(Counts16 v, unsigned bound) {
#if RVL_VEC_BYTES >= 32
    const __m256i x = reinterpret_cast<__m256i>(v), b = _mm256_set1_epi16(static_cast<short>(bound));
    const unsigned atLeast = static_cast<unsigned>(_mm256_movemask_epi8(_mm256_cmpeq_epi16(_mm256_max_epu16(x, b), x)));
    return 16 - __builtin_popcount(atLeast) / 2;
#else
    const __m128i b = _mm_set1_epi16(static_cast<short>(bound));
    __m128i h[2];
    std::memcpy(h, &v, sizeof v);
    const unsigned atLeast = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_max_epu16(h[0], b), h[0]))) |
                             static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_max_epu16(h[1], b), h[1]))) << 16;
    return 16 - __builtin_popcount(atLeast) / 2;
#endif
}

// The medians of a strip of w output columns of one channel, all rows, with
// a cost per pixel that does not depend on the window. Every column c of the
// strip's w + mw - 1 source columns keeps the counts of its mh values in the
// current rows, cumulatively: in 16 coarse bins of 16 values (lane i counts
// the values below 16 (i + 1)) and, per coarse bin, 16 fine bins (lane i
// counts that bin's values with low four bits at most i). Moving down a row
// removes the leaving row's value and adds the entering one in each column.
// Along a row the window's coarse counts add the entering column's and
// subtract the leaving one's; the median's coarse bin is the number of
// lanes below the threshold (mw mh)/2 + 1, and only that bin's fine counts
// are brought up to the current column: from the columns passed since that
// bin was last used, or summed afresh from the window's columns when that is
// cheaper.
//
// rowsAt(y) gives the source rows of output row y from the strip's first
// column read; outAt(y) the destination row at the strip's first column.
// colFine holds (w + mw - 1) * 16 registers of counts, colCoarse w + mw - 1.
template <class RowsAt, class OutAt>
inline void median_column_histograms(RowsAt&& rowsAt, OutAt&& outAt, std::int64_t height, int mw, int mh, int C,
                                     int channel, std::int64_t w, Counts16* colFine, Counts16* colCoarse) {
    const std::int64_t columns = w + mw - 1;
    const auto count = [&](std::int64_t c, int value) {
        colCoarse[c] += step(value >> 4);
        colFine[c * 16 + (value >> 4)] += step(value & 15);
    };
    const auto uncount = [&](std::int64_t c, int value) {
        colCoarse[c] -= step(value >> 4);
        colFine[c * 16 + (value >> 4)] -= step(value & 15);
    };
    std::memset(static_cast<void*>(colFine), 0, static_cast<std::size_t>(columns) * 16 * sizeof(Counts16));
    std::memset(static_cast<void*>(colCoarse), 0, static_cast<std::size_t>(columns) * sizeof(Counts16));
    {
        const auto rows = rowsAt(0);
        for (int j = 0; j < mh - 1; ++j) {
            const std::uint8_t* p = rows.row(j) + channel;
            for (std::int64_t c = 0; c < columns; ++c) count(c, p[c * C]);
        }
    }
    const unsigned threshold = static_cast<unsigned>(std::int64_t{mw} * mh / 2 + 1);
    for (std::int64_t y = 0; y < height; ++y) {
        const auto rows = rowsAt(y);
        const std::uint8_t* entering = rows.row(mh - 1) + channel;
        for (std::int64_t c = 0; c < columns; ++c) count(c, entering[c * C]);

        Counts16 coarse = {};
        for (int c = 0; c < mw; ++c) coarse += colCoarse[c];
        Counts16 kernelFine[16];
        std::int64_t fineAt[16];  // the column each bin's fine counts are for
        for (auto& f : fineAt) f = -1 - mw;
        std::uint8_t* out = outAt(y);
        for (std::int64_t x = 0;; ++x) {
            const int k = lanes_below(coarse, threshold);
            std::uint16_t cumulative[16];
            std::memcpy(cumulative, &coarse, sizeof coarse);
            const unsigned below = k > 0 ? cumulative[k - 1] : 0;
            const std::int64_t passed = x - fineAt[k];
            Counts16 f = kernelFine[k];
            if (2 * passed < mw) {
                for (std::int64_t c = fineAt[k] + 1; c <= x; ++c) f += colFine[(c + mw - 1) * 16 + k] - colFine[(c - 1) * 16 + k];
            } else {
                f = Counts16{};
                for (int c = 0; c < mw; ++c) f += colFine[(x + c) * 16 + k];
            }
            kernelFine[k] = f;
            fineAt[k] = x;
            out[x * C + channel] = static_cast<std::uint8_t>(k * 16 + lanes_below(f, threshold - below));
            if (x + 1 == w) break;
            coarse += colCoarse[x + mw] - colCoarse[x];
        }
        if (y + 1 == height) break;
        const std::uint8_t* leaving = rows.row(0) + channel;
        for (std::int64_t c = 0; c < columns; ++c) uncount(c, leaving[c * C]);
    }
}

#pragma GCC diagnostic pop

// ---- General selection ----------------------------------------------------------------

// Medians of n elements of a row of windows of mw x mh by selection of each
// window's values gathered into `scratch` (mw mh elements).
template <class T, class Sink>
inline void median_select_row(const RowSet<T>& rows, int mw, int mh, int C, std::int64_t n, T* scratch, Sink out,
                              bool keepAlpha) {
    const std::int64_t count = std::int64_t{mw} * mh;
    for (std::int64_t i = 0; i < n; ++i) {
        if (keepAlpha && i % C == 3) continue;
        T* q = scratch;
        for (int j = 0; j < mh; ++j) {
            const T* p = rows.row(j) + i;
            for (int k = 0; k < mw; ++k) *q++ = p[std::int64_t{k} * C];
        }
        // NaNs order after every number, so that the order is strict.
        std::nth_element(scratch, scratch + count / 2, scratch + count,
                         [](T a, T b) { return a < b || (a == a && b != b); });
        out.put1(i, scratch[count / 2]);
    }
}

#undef RVL_NETWORK

}  // namespace rvl::kernels
