// The border model, pixel by pixel, for the references of the neighbourhood
// tests: which pixel (or constant) stands at any position around a ROI.
#pragma once

#include <cstdint>
#include <functional>

namespace rvltest {

// Position k on an extent [lo, lo + n) after the border kind (1 replicate,
// 3 mirror), by reflecting or clamping one step at a time.
inline std::int64_t map_ref(std::int64_t k, std::int64_t lo, std::int64_t n, int kind) {
    k -= lo;
    if (kind == 1) return lo + (k < 0 ? 0 : k >= n ? n - 1 : k);
    if (n == 1) return lo;
    while (k < 0 || k >= n) {
        if (k < 0) k = -k;
        if (k >= n) k = 2 * (n - 1) - k;
    }
    return lo + k;
}

// The pixels a neighbourhood operation sees around a width x height ROI that
// reaches `left`, `right`, `top` and `bottom` pixels around each output: the
// in-memory flags of `border` extend the ROI into the effective image (read
// through `src`, relative to the ROI's first pixel); outside it the kind
// decides (constant: value[c]).
template <class T>
struct BorderedPixels {
    std::function<T(std::int64_t, std::int64_t, int)> src;
    std::int64_t width, height, left, right, top, bottom;
    int border;
    const T* value;

    T operator()(std::int64_t x, std::int64_t y, int c) const {
        const int kind = border & 15;
        const std::int64_t ex0 = (border & 0x40) ? -left : 0, ey0 = (border & 0x10) ? -top : 0;
        const std::int64_t ex1 = width + ((border & 0x80) ? right : 0), ey1 = height + ((border & 0x20) ? bottom : 0);
        if (x >= ex0 && x < ex1 && y >= ey0 && y < ey1) return src(x, y, c);
        if (kind == 6) return value[c];
        return src(map_ref(x, ex0, ex1 - ex0, kind), map_ref(y, ey0, ey1 - ey0, kind), c);
    }
};

}  // namespace rvltest
