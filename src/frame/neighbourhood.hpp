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

namespace rvl {

// The rows of one output row: row i of `count` rows is slot (start + i) mod
// count of a ring whose rows are `pitch` bytes apart (rows read in place are
// a ring that never wraps). The first kCached row addresses are computed
// once, so the block loops of small kernels only load them.
template <class T>
class RowSet {
public:
    static constexpr int kCached = 16;

    RowSet(const T* base, std::ptrdiff_t pitch, int start, int count)
        : base_(base), pitch_(pitch), start_(start), count_(count) {
        for (int i = 0; i < count && i < kCached; ++i) cached_[i] = compute(i);
    }
    const T* row(int i) const { return i < kCached ? cached_[i] : compute(i); }

private:
    const T* compute(int i) const {
        std::int64_t k = std::int64_t{start_} + i;
        if (k >= count_) k -= count_;
        return reinterpret_cast<const T*>(reinterpret_cast<const char*>(base_) + k * pitch_);
    }
    const T* base_;
    std::ptrdiff_t pitch_;
    int start_, count_;
    const T* cached_[kCached];
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

    // Output columns at the left / right that read columns outside the
    // effective image (0 for a side in memory or without reach).
    std::int64_t left_edge() const { return std::min(width_, std::max<std::int64_t>(0, eff_.x + reach_.left)); }
    std::int64_t right_edge() const {
        return std::min(width_, std::max<std::int64_t>(0, width_ + reach_.right - (eff_.x + eff_.width)));
    }

    // Selects the output columns [x0, x0 + width) for the following rows.
    void set_piece(std::int64_t x0, std::int64_t width) {
        c0_ = x0 - reach_.left;
        c1_ = x0 + width + reach_.right;
        pitch_ = static_cast<std::ptrdiff_t>((c1_ - c0_) * channels_ * sizeof(T));
        lo_ = hi_ = 0;  // nothing built yet
        inColumns_ = c0_ >= eff_.x && c1_ <= eff_.x + eff_.width;
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
        T* out = reinterpret_cast<T*>(reinterpret_cast<char*>(ring_) + floor_mod(r, rows_) * pitch_);
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
};

}  // namespace rvl
