// Source rows of a border-aware neighbourhood operation.
//
// An operation that reads `reach` around every output pixel asks, per output
// row, for the rows it reads, each positioned at the first column it reads.
// Rows that lie wholly inside the effective image (the ROI extended by the
// in-memory sides) are read where they are; otherwise the rows are built,
// with their border, in a ring of rows in the caller's work buffer: source row
// r goes to slot r mod count, so moving down one output row builds one new
// row. The output columns are walked in pieces: the columns near the left and
// right edge that read the border, and the columns between them, whose rows
// (inside the effective image vertically) are read in place. The ring holds
// `reach.top + reach.bottom + 1` rows of the widest piece it builds: the
// whole width for the rows near the top and bottom, a few columns at the
// sides.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "frame/border.hpp"
#include "kernels/prefetch.hpp"
#include "kernels/row_set.hpp"

namespace rvl {

// The reach of an mw x mh mask anchored at ((mw-1)/2, (mh-1)/2): even masks
// reach one pixel further right and down than left and up.
inline Reach centred_reach(std::int64_t mw, std::int64_t mh) {
    const std::int64_t ax = (mw - 1) / 2, ay = (mh - 1) / 2;
    return Reach{ax, mw - 1 - ax, ay, mh - 1 - ay};
}

// Consecutive arrays carved from a caller's work buffer, each aligned to its
// element type (the buffer itself may have any alignment).
class WorkBuffer {
public:
    explicit WorkBuffer(void* base) : p_(static_cast<unsigned char*>(base)) {}
    template <class U>
    U* take(std::int64_t count, std::size_t alignment = alignof(U)) {
        const auto misalign = reinterpret_cast<std::uintptr_t>(p_) % alignment;
        if (misalign) p_ += alignment - misalign;
        U* out = reinterpret_cast<U*>(p_);
        p_ += static_cast<std::size_t>(count) * sizeof(U);
        return out;
    }

private:
    unsigned char* p_;
};

template <class T>
class BorderedSource {
public:
    // src points at the ROI's first pixel; `value` holds one constant per
    // channel (read only for the constant kind); the ring is `ringBytes` of
    // caller memory.
    BorderedSource(const T* src, std::int64_t srcStep, std::int64_t width, std::int64_t height, int channels,
                   const Reach& reach, const Border& border, const T* value, T* ring)
        : src_(src), step_(srcStep), width_(width), channels_(channels), reach_(reach), border_(border), value_(value),
          ring_(ring) {
        eff_ = effective_image(width, height, reach, border);
        rows_ = static_cast<int>(reach.top + reach.bottom + 1);
    }

    // Every row built in the ring, none read in place, and the output
    // columns walked in one piece: for filtering in place, where the
    // image's rows are overwritten once they have been built and the ring
    // holds reach.top + reach.bottom + 1 rows of the whole width.
    void build_every_row() { buildAll_ = true; }

    // At most `columns` (at least 1) output columns per piece: a ring that
    // must fit a given space then holds narrower rows.
    void limit_pieces(std::int64_t columns) { maxPiece_ = columns; }
    std::int64_t max_piece() const { return maxPiece_; }

    // Output columns at the left / right that read columns outside the
    // effective image (0 for a side in memory or without reach).
    std::int64_t left_edge() const {
        if (buildAll_) return width_;
        return std::min(width_, std::max<std::int64_t>(0, eff_.x + reach_.left));
    }
    std::int64_t right_edge() const {
        return std::min(width_, std::max<std::int64_t>(0, width_ + reach_.right - (eff_.x + eff_.width)));
    }

    // Selects the output columns [x0, x0 + width) for the following rows.
    void set_piece(std::int64_t x0, std::int64_t width) {
        // The same piece again keeps the rows already built.
        if (x0 - reach_.left == c0_ && x0 + width + reach_.right == c1_) return;
        c0_ = x0 - reach_.left;
        c1_ = x0 + width + reach_.right;
        pitch_ = static_cast<std::ptrdiff_t>((c1_ - c0_) * channels_ * sizeof(T));
        lo_ = hi_ = 0;  // nothing built yet
        inColumns_ = !buildAll_ && c0_ >= eff_.x && c1_ <= eff_.x + eff_.width;
    }

    // Source row r (any row an output row reads, relative to the ROI) over
    // the current piece's columns, border included: in place when the
    // piece's columns lie in the effective image and the row lies in it or
    // maps into it, otherwise built in the first row of the ring.
    const T* line(std::int64_t r) {
        bool inRows = r >= eff_.y && r < eff_.y + eff_.height;
        if (!inRows && border_.kind != rvlBorderConstant) {
            r = map(r, eff_.y, eff_.height);
            inRows = true;
        }
        if (inColumns_ && inRows) return pixel(r, c0_);
        build_into(ring_, r);
        return ring_;
    }

    // The rows that output row y reads.
    RowSet<T> rows(std::int64_t y) {
        const std::int64_t r0 = y - reach_.top, r1 = r0 + rows_;
        if (inColumns_ && r0 >= eff_.y && r1 <= eff_.y + eff_.height)
            return RowSet<T>(pixel(r0, c0_), static_cast<std::ptrdiff_t>(step_), 0, rows_);
        if (r0 >= hi_ || r1 <= lo_) lo_ = hi_ = r0;  // nothing reusable
        for (std::int64_t r = std::max(r0, hi_); r < r1; ++r) build(r);
        for (std::int64_t r = r0; r < std::min(lo_, r1); ++r) build(r);
        lo_ = r0;
        hi_ = r1;
        return RowSet<T>(ring_, pitch_, static_cast<int>(floor_mod(r0, rows_)), rows_);
    }

    // Whether output rows y .. y + n - 1 read all their rows in place; then
    // rows_group(y, n) gives those rows (n - 1 more than rows(y)), read from
    // the image without touching the ring.
    bool group_in_place(std::int64_t y, int n) const {
        const std::int64_t r0 = y - reach_.top;
        return inColumns_ && r0 >= eff_.y && r0 + rows_ + n - 1 <= eff_.y + eff_.height;
    }
    RowSet<T> rows_group(std::int64_t y, int n) const {
        return RowSet<T>(pixel(y - reach_.top, c0_), static_cast<std::ptrdiff_t>(step_), 0, rows_ + n - 1);
    }

private:
    const T* pixel(std::int64_t r, std::int64_t c) const {
        return reinterpret_cast<const T*>(reinterpret_cast<const char*>(src_) + r * step_) + c * channels_;
    }

    std::int64_t map(std::int64_t k, std::int64_t origin, std::int64_t n) const {
        const std::int64_t m = border_.kind == rvlBorderMirror ? map_mirror(k - origin, n) : map_replicate(k - origin, n);
        return origin + m;
    }

    void fill_constant(T* out, std::int64_t pixels) const {
        for (std::int64_t p = 0; p < pixels; ++p)
            for (int c = 0; c < channels_; ++c) out[p * channels_ + c] = value_[c];
    }

    // Source row r over columns [c0_, c1_), border included, into its slot.
    void build(std::int64_t r) {
        build_into(reinterpret_cast<T*>(reinterpret_cast<char*>(ring_) + floor_mod(r, rows_) * pitch_), r);
    }

    void build_into(T* out, std::int64_t r) const {
        const bool constant = border_.kind == rvlBorderConstant;
        const std::int64_t ex0 = eff_.x, ex1 = eff_.x + eff_.width;
        if (r < eff_.y || r >= eff_.y + eff_.height) {
            if (constant) return fill_constant(out, c1_ - c0_);
            r = map(r, eff_.y, eff_.height);
        }
        const T* row = pixel(r, 0);
        const std::int64_t left = std::min(c1_, ex0), m0 = std::max(c0_, ex0), m1 = std::min(c1_, ex1);
        for (std::int64_t c = c0_; c < left; ++c) put(out + (c - c0_) * channels_, row, c, constant);
        if (m1 > m0)
            std::memcpy(out + (m0 - c0_) * channels_, row + m0 * channels_,
                        static_cast<std::size_t>((m1 - m0) * channels_) * sizeof(T));
        for (std::int64_t c = std::max(c0_, ex1); c < c1_; ++c) put(out + (c - c0_) * channels_, row, c, constant);
    }

    void put(T* out, const T* row, std::int64_t c, bool constant) const {
        if (constant) return fill_constant(out, 1);
        const T* p = row + map(c, eff_.x, eff_.width) * channels_;
        for (int k = 0; k < channels_; ++k) out[k] = p[k];
    }

    const T* src_;
    std::int64_t step_;
    std::int64_t width_;
    int channels_;
    Reach reach_;
    Border border_;
    const T* value_;
    T* ring_;
    Area eff_;
    int rows_;
    std::int64_t c0_ = 0, c1_ = 0;
    std::ptrdiff_t pitch_ = 0;
    std::int64_t lo_ = 0, hi_ = 0;
    bool inColumns_ = false;
    bool buildAll_ = false;
    std::int64_t maxPiece_ = INT64_MAX;
};

// ---- Output rows ------------------------------------------------------------

// The output columns in pieces through piece(x0, width): the left-edge
// columns, the middle, the right-edge columns (one piece when the edges
// meet), each cut into pieces of at most the source's limit.
template <class T, class PieceFn>
void for_pieces(BorderedSource<T>& source, std::int64_t width, PieceFn&& piece) {
    std::int64_t cuts[4] = {0, source.left_edge(), width - source.right_edge(), width};
    if (cuts[1] >= cuts[2]) cuts[1] = cuts[2] = width;
    for (int p = 0; p < 3; ++p)
        for (std::int64_t x0 = cuts[p], w = 0; x0 < cuts[p + 1]; x0 += w) {
            w = std::min(source.max_piece(), cuts[p + 1] - x0);
            source.set_piece(x0, w);
            piece(x0, w);
        }
}

// Piece by piece, each from the top row to the bottom one, so that the rows
// a piece builds are built once each and reused by the output rows below.
template <class T, class RowFn>
void for_output_rows(BorderedSource<T>& source, std::int64_t width, std::int64_t height, RowFn&& row) {
    for_pieces(source, width, [&](std::int64_t x0, std::int64_t w) {
        for (std::int64_t y = 0; y < height; ++y) row(source.rows(y), y, x0, w);
    });
}

// As for_output_rows, but n output rows whose rows are all read in place go
// together through group(rows, y, x0, w), rows being the rows that output
// rows y .. y + n - 1 read; every other row goes through row(rows, y, x0, w).
template <class T, class GroupFn, class RowFn>
void for_output_row_groups(BorderedSource<T>& source, int n, std::int64_t width, std::int64_t height,
                           GroupFn&& group, RowFn&& row) {
    for_pieces(source, width, [&](std::int64_t x0, std::int64_t w) {
        for (std::int64_t y = 0; y < height;) {
            if (y + n <= height && source.group_in_place(y, n)) {
                group(source.rows_group(y, n), y, x0, w);
                y += n;
            } else {
                row(source.rows(y), y, x0, w);
                ++y;
            }
        }
    });
}

// Row-then-column: every source row r that the output rows read, top to
// bottom (r from -reach.top to height - 1 + reach.bottom), goes through
// row(line, r, x0, w) piece by piece, where `line` is the row over the
// piece's columns from x0 - reach.left on, border included; then column(r)
// combines the row results so far (a separable family keeps them in its own
// ring and writes output row r - reach.bottom once it can). Only the first
// row of the source's ring is used.
template <class T, class RowFn, class ColumnFn>
void for_separable_rows(BorderedSource<T>& source, const Reach& reach, std::int64_t width, std::int64_t height,
                        RowFn&& row, ColumnFn&& column) {
    for (std::int64_t r = -reach.top; r < height + reach.bottom; ++r) {
        for_pieces(source, width, [&](std::int64_t x0, std::int64_t w) { row(source.line(r), r, x0, w); });
        column(r);
    }
}

// One output row of n elements from a block kernel over its source rows.
//
// Sum: kBlock, Lane, Acc; block(rows, e, acc) computes elements e .. e +
// kBlock - 1; one(rows, e) computes element e alone by the same operations in
// the same order; from_lanes(lanes, acc) loads kBlock such values.
// Finish: store(acc, out) writes the kBlock elements of a block.
//
// A row of at least kBlock elements ends with a block shifted back to the
// row's end (the overlap is recomputed to the same values); a shorter row is
// computed element by element and finished by the same block code, so every
// element gets the same value wherever it lies.
template <class T, class Sum, class Finish>
inline void neighbourhood_row(const RowSet<T>& rows, std::int64_t n, T* out, const Sum& sum, const Finish& finish) {
    constexpr int kBlock = Sum::kBlock;
    typename Sum::Acc acc;
    if (n >= kBlock) {
        std::int64_t e = 0;
        for (; e + kBlock <= n; e += kBlock) {
            sum.block(rows, e, acc);
            finish.store(acc, out + e);
        }
        if (e < n) {
            e = n - kBlock;
            sum.block(rows, e, acc);
            finish.store(acc, out + e);
        }
        return;
    }
    typename Sum::Lane lanes[kBlock] = {};
    for (std::int64_t e = 0; e < n; ++e) lanes[e] = sum.one(rows, e);
    Sum::from_lanes(lanes, acc);
    T tmp[kBlock];
    finish.store(acc, tmp);
    std::memcpy(out, tmp, static_cast<std::size_t>(n) * sizeof(T));
}

// Sum::kGroup output rows of n elements (row r at out + r * outStep bytes)
// from the `count` rows they read and a kernel's block_group(rows, e, acc),
// which computes elements e .. e + kGroupBlock - 1 of every row by the same
// operations, in the same order, as block() does for each row alone. Rows
// shorter than a group block go through neighbourhood_row one by one; the
// rows' end is handled as there.
template <class T, class Sum, class Finish>
inline void neighbourhood_row_group(const RowSet<T>& rows, int count, std::int64_t n, T* out,
                                    std::int64_t outStep, const Sum& sum, const Finish& finish) {
    constexpr int kRows = Sum::kGroup, kBlock = Sum::kGroupBlock;
    auto line = [&](int r) { return reinterpret_cast<T*>(reinterpret_cast<char*>(out) + r * outStep); };
    if (n < kBlock) {
        for (int r = 0; r < kRows; ++r) neighbourhood_row(rows.slice(r, count - kRows + 1), n, line(r), sum, finish);
        return;
    }
    typename Sum::GroupAcc acc[kRows];
    for (std::int64_t e = 0;; e = std::min(e + kBlock, n - kBlock)) {
        // The rows the group above did not read come from the shared cache
        // or memory: they are requested a little ahead.
        for (int r = count - kRows; r < count; ++r) prefetch_ahead(rows.row(r) + e, kBlock);
        sum.block_group(rows, e, acc);
        for (int r = 0; r < kRows; ++r) finish.store(acc[r], line(r) + e);
        if (e + kBlock == n) break;
    }
}

}  // namespace rvl
