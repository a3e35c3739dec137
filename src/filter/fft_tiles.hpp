// Products of a small image with a large one through tiled 2-D real FFTs,
// shared by the two-image convolution and template matching.
//
// The small image (the kernel or template) is transformed once, in a plane
// of the transform size. The large image is then cut into tiles: each tile's
// source rectangle, a transform-size window of the source with zeros where
// it leaves the image, is copied into a second plane, transformed, multiplied
// by the small image's spectrum (for a correlation by its conjugate),
// transformed back, and the tile's finished outputs are read from the plane.
//
// Along one axis, output X reads the source from index X - off (its window's
// first sample). A tile of outputs X0 .. X0 + n - 1 copies the source from
// sx = X0 - off, and output X sits at plane index X - off - sx + lag, where
// lag = kernel length - 1 for a convolution and 0 for a correlation. When one
// transform covers the whole output (`single`), the source is copied from
// index 0 and output X sits at that index taken modulo the transform
// length: the circular product has no overlapping wrap because the
// transform is at least as long as the output.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "frame/spec.hpp"
#include "frame/walk.hpp"
#include "rvl.h"

namespace rvl::filter {

using I64 = std::int64_t;

// The smallest power of two >= n, at least 2, as its exponent.
inline int fft_order(I64 n) {
    int k = 1;
    while ((I64{1} << k) < n) ++k;
    return k;
}

struct TileAxis {
    I64 out = 0;    // output length
    I64 fft = 0;    // transform length
    I64 tile = 0;   // outputs per tile
    I64 off = 0;    // output X reads the source from X - off
    I64 lag = 0;    // kernel length - 1 (convolution) or 0 (correlation)
    bool single = false;

    I64 source_start(I64 x0) const { return single ? 0 : x0 - off; }
    I64 plane_index(I64 x, I64 sx) const {
        const I64 m = (x - off - sx + lag) % fft;
        return m < 0 ? m + fft : m;
    }
};

// The transform's specification and work areas inside the caller's buffer,
// and the two planes of transform size.
struct FftArea {
    int orderX = 0, orderY = 0;
    RvlFft2dRealSpec* spec = nullptr;
    Rvl8u* work = nullptr;
    float* spectrum = nullptr;  // the small image's packed spectrum
    float* plane = nullptr;     // the tile being transformed
    I64 width = 0, height = 0;
    int step() const { return static_cast<int>(width * 4); }
};

struct FftSizes {
    I64 spec = 0, init = 0, work = 0;
};

// The three sizes of the 2-D real transform of these orders (inverse scaled
// by 1/(W*H)); the transform's own status when it refuses them.
inline RvlResult fft_sizes(int orderX, int orderY, FftSizes* out) {
    int spec = 0, init = 0, work = 0;
    if (RvlResult st = rvliFFTGetSize_R_32f(orderX, orderY, rvlFftScaleInv, rvlHintNone, &spec, &init, &work)) return st;
    *out = {spec, init, work};
    return rvlResOk;
}

// Builds the specification at `at` (64-byte aligned), its init buffer
// following it; the work area at `work`, the planes at `planes`.
inline RvlResult fft_start(int orderX, int orderY, const FftSizes& z, Rvl8u* at, Rvl8u* work, float* planes, FftArea* a) {
    a->orderX = orderX;
    a->orderY = orderY;
    a->width = I64{1} << orderX;
    a->height = I64{1} << orderY;
    a->spec = reinterpret_cast<RvlFft2dRealSpec*>(at);
    a->work = work;
    a->spectrum = planes;
    a->plane = planes + a->width * a->height;
    return rvliFFTInit_R_32f(orderX, orderY, rvlFftScaleInv, rvlHintNone, a->spec, at + z.spec);
}

// plane(r, c) = channel ch of src(sx + c, sy + r) inside the W x H image,
// 0 outside it.
template <class S>
void load_plane(float* plane, I64 fw, I64 fh, const S* src, I64 step, int channels, int ch, I64 w, I64 h, I64 sx, I64 sy) {
    const I64 c0 = std::clamp<I64>(-sx, 0, fw), c1 = std::clamp<I64>(w - sx, c0, fw);
    for (I64 r = 0; r < fh; ++r) {
        float* p = plane + r * fw;
        const I64 y = sy + r;
        if (y < 0 || y >= h || c0 == c1) {
            std::memset(p, 0, static_cast<std::size_t>(fw) * 4);
            continue;
        }
        std::memset(p, 0, static_cast<std::size_t>(c0) * 4);
        const S* s = row_at(src, step, y) + (sx + c0) * channels + ch;
        if (channels == 1)
            for (I64 c = c0; c < c1; ++c) p[c] = static_cast<float>(s[c - c0]);
        else
            for (I64 c = c0; c < c1; ++c) p[c] = static_cast<float>(s[(c - c0) * channels]);
        std::memset(p + c1, 0, static_cast<std::size_t>(fw - c1) * 4);
    }
}

// The small image's plane, already loaded, to its spectrum.
inline RvlResult transform_small(const FftArea& a) {
    return rvliFFTFwd_RToPack_32f_C1IR(a.spectrum, a.step(), a.spec, a.work);
}

// Every tile of the output: load(plane, sx, sy) fills the plane, then the
// product runs, then finish(x0, y0, nx, ny, sx, sy) reads the plane.
template <bool Conjugate, class Load, class Finish>
RvlResult for_each_tile(const FftArea& a, const TileAxis& ax, const TileAxis& ay, Load&& load, Finish&& finish) {
    const int step = a.step();
    const RvlSize size{static_cast<int>(a.width), static_cast<int>(a.height)};
    for (I64 y0 = 0; y0 < ay.out; y0 += ay.tile) {
        const I64 ny = std::min(ay.tile, ay.out - y0), sy = ay.source_start(y0);
        for (I64 x0 = 0; x0 < ax.out; x0 += ax.tile) {
            const I64 nx = std::min(ax.tile, ax.out - x0), sx = ax.source_start(x0);
            load(a.plane, sx, sy);
            if (RvlResult st = rvliFFTFwd_RToPack_32f_C1IR(a.plane, step, a.spec, a.work)) return st;
            RvlResult st = Conjugate ? rvliMulPackConj_32f_C1IR(a.spectrum, step, a.plane, step, size)
                                     : rvliMulPack_32f_C1IR(a.spectrum, step, a.plane, step, size);
            if (st) return st;
            if (RvlResult s2 = rvliFFTInv_PackToR_32f_C1IR(a.plane, step, a.spec, a.work)) return s2;
            finish(x0, y0, nx, ny, sx, sy);
        }
    }
    return rvlResOk;
}

// The finished outputs of one tile row by row: row(y, x, values, count) for
// each run of outputs contiguous in the plane (a row of a single tile may
// wrap around the plane's end once).
template <class Row>
void for_tile_rows(const FftArea& a, const TileAxis& ax, const TileAxis& ay, I64 x0, I64 y0, I64 nx, I64 ny, I64 sx, I64 sy,
                   Row&& row) {
    const I64 px = ax.plane_index(x0, sx);
    const I64 first = std::min(nx, a.width - px);
    for (I64 y = y0; y < y0 + ny; ++y) {
        float* p = a.plane + ay.plane_index(y, sy) * a.width;
        row(y, x0, p + px, first);
        if (first < nx) row(y, x0 + first, p, nx - first);
    }
}

}  // namespace rvl::filter
