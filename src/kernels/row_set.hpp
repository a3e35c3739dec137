// The source rows a neighbourhood kernel reads for one output row.
//
// A kernel that combines rows i = 0 .. count-1 around an output row reads
// them through a RowSet: the rows may lie in the image or in a ring of built
// border rows, and the kernel does not need to know which.
#pragma once

#include <cstddef>
#include <cstdint>

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

    // Rows i .. i + count - 1 as a set of their own (a set that does not
    // wrap: rows read in place).
    RowSet slice(int i, int count) const { return RowSet(row(i), pitch_, 0, count); }

private:
    const T* compute(int i) const {
        std::int64_t k = std::int64_t{start_} + i;
        if (k >= count_) k -= count_;
        return reinterpret_cast<const T*>(reinterpret_cast<const char*>(base_) + k * pitch_);
    }
    const T* base_;
    std::ptrdiff_t pitch_;
    int start_, count_;
    const T* cached_[kCached] = {};
};

}  // namespace rvl
