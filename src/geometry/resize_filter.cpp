// rvliResizeCubic_*, rvliResizeLanczos_* and rvliResizeAntialiasing_*: one
// separable single-precision filter whose taps and weights come from the
// specification (2h per destination row and column: cubic 4, Lanczos 4 or 6,
// antialiasing as wide as the reduction asks).
//
// Each source row the tile needs is filtered horizontally once into a ring
// of 2h_y rows in the work buffer (row key k in slot k mod 2h_y), advancing
// top to bottom; each destination row then sums its 2h_y rows with its
// vertical weights and rounds. Pixels of the border bands (tile rows and
// columns the specification counts as reading outside the source, on a
// side whose in-memory flag is clear) use the same filter with every tap
// outside the source image moved to the first or last row or column; the
// sides whose flags are set read the caller's memory.
#include <algorithm>
#include <cstdint>
#include <type_traits>

#include "frame/entry.hpp"
#include "frame/walk.hpp"
#include "geometry/resize_tile.hpp"
#include "kernels/resize_taps.hpp"
#include "kernels/rounding.hpp"

namespace rvl::resize {
namespace {

using I64 = std::int64_t;

template <class T, int C>
class FilterTile {
public:
    FilterTile(const Tile& t, const T* src, I64 srcStep, T* dst, I64 dstStep, const float** taps)
        : t_(t), src_(src), srcStep_(srcStep), dst_(dst), dstStep_(dstStep), b_(t.bands), taps_(taps) {
        const SpecData* s = t.spec;
        hx_ = s->halfX;
        hy_ = s->halfY;
        nx_ = static_cast<int>(2 * hx_);
        ny_ = static_cast<int>(2 * hy_);
        wx_ = s->vx.weights32 + t.x * nx_;
        wy_ = s->vy.weights32 + t.y * ny_;
        firstRow_ = -t.srcY;
        lastRow_ = s->vy.srcLen - 1 - t.srcY;
        firstCol_ = -t.srcX;
        lastCol_ = s->vx.srcLen - 1 - t.srcX;
        stride_ = w32(4 * C * t.width) / 4;
        ring_ = reinterpret_cast<float*>(t.rest);
        // Three channels are read a register (four elements) at a time: the
        // element after a column's last tap must lie in the image.
        inner0_ = b_.left;
        inner1_ = std::max(b_.left, t.width - b_.right);
        safe_ = inner0_;
        while (safe_ < inner1_ && t.cols[safe_] + hx_ < lastCol_) ++safe_;
    }

    void run() {
        for (I64 r = 0; r < t_.height; ++r) {
            const I64 from = t_.rows[r] - hy_ + 1;
            ensure(clamp_row(from), clamp_row(from + ny_ - 1));
            for (int k = 0; k < ny_; ++k) taps_[k] = slot(clamp_row(from + k));
            kernels::weighted_rows(taps_, wy_ + r * ny_, ny_, t_.width * C, row_at(dst_, dstStep_, r));
        }
    }

private:
    I64 clamp_row(I64 k) const {
        if (b_.top && k < firstRow_) return firstRow_;
        if (b_.bottom && k > lastRow_) return lastRow_;
        return k;
    }
    I64 clamp_col(I64 k) const {
        if (b_.left && k < firstCol_) return firstCol_;
        if (b_.right && k > lastCol_) return lastCol_;
        return k;
    }
    float* slot(I64 key) const { return ring_ + ((key % ny_) + ny_) % ny_ * stride_; }

    // Filters the source rows [a, b] that the ring does not hold yet. The
    // ranges grow monotonically and span at most 2h_y rows, so the rows
    // still needed are never overwritten.
    void ensure(I64 a, I64 b) {
        I64 k = a;
        if (have_ && a <= high_) k = high_ + 1;
        for (; k <= b; k += kernels::kTapRows) horizontal(k, static_cast<int>(std::min<I64>(kernels::kTapRows, b - k + 1)));
        if (!have_ || b > high_) high_ = b;
        have_ = true;
    }

    // Filters the source rows [key, key + rows) into their slots.
    void horizontal(I64 key, int rows) const {
        const T* in[kernels::kTapRows];
        float* outs[kernels::kTapRows];
        for (int r = 0; r < rows; ++r) {
            in[r] = row_at(src_, srcStep_, key + r);
            outs[r] = slot(key + r);
        }
        kernels::tap_rows<T, C>(in, rows, t_.cols, 1 - hx_, wx_, nx_, inner0_, inner1_, safe_, outs);
        for (int r = 0; r < rows; ++r) bands(in[r], outs[r]);
    }

    // The border-band columns of one row.
    void bands(const T* in, float* out) const {
        auto band = [&](I64 c) {
            const float* w = wx_ + c * nx_;
            const I64 first = t_.cols[c] - hx_ + 1;
            for (int ch = 0; ch < C; ++ch) {
                float acc = static_cast<float>(in[clamp_col(first) * C + ch]) * w[0];
                for (int k = 1; k < nx_; ++k) acc = acc + static_cast<float>(in[clamp_col(first + k) * C + ch]) * w[k];
                out[c * C + ch] = acc;
            }
        };
        for (I64 c = 0; c < inner0_; ++c) band(c);
        for (I64 c = inner1_; c < t_.width; ++c) band(c);
    }

    const Tile& t_;
    const T* src_;
    I64 srcStep_;
    T* dst_;
    I64 dstStep_;
    Bands b_;
    const float** taps_;
    I64 hx_, hy_;
    int nx_, ny_;
    const float* wx_;
    const float* wy_;
    I64 firstRow_, lastRow_, firstCol_, lastCol_;
    I64 stride_;
    float* ring_;
    I64 inner0_, inner1_, safe_;
    I64 high_ = 0;
    bool have_ = false;
};

// One worker for the three kinds; `interpolation` is the kind a plain worker
// accepts, or kAntialiasingWorker.
template <class T, int C, std::uint32_t Interpolation, Api A, class Step, class Point, class Size>
RvlResult resize_filter(const T* pSrc, Step srcStep, T* pDst, Step dstStep, Point dstOffset, Size dstSize,
                        RvlBorderMode border, const T* /* pBorderValue: no constant border */, const RvlResizeSpec* pSpec,
                        Rvl8u* pBuffer) {
    Tile t;
    if (RvlResult st = start_border_tile(A, border, pSrc, srcStep, pDst, dstStep, dstOffset, dstSize, pSpec, pBuffer, Interpolation, &t))
        return st;
    RoundingScope scope(Rc::Nearest);
    const I64 ny = 2 * I64{t.spec->halfY};
    // The vertical tap pointers: on the stack for the fixed kinds, after
    // the ring in the work buffer for the antialiasing kind's wider taps.
    const float* fixed[6];
    const float** taps = fixed;
    if (ny > 6) taps = reinterpret_cast<const float**>(t.rest + ny * w32(4 * C * t.width));
    FilterTile<T, C>(t, pSrc, srcStep, pDst, dstStep, taps).run();
    return tile_status(t);
}

template <class T, int C, std::uint32_t I>
constexpr auto filter32 = resize_filter<T, C, I, Api::Int32, int, RvlPoint, RvlSize>;
template <class T, int C, std::uint32_t I>
constexpr auto filterL = resize_filter<T, C, I, Api::Long, Rvl64s, RvlPointL, RvlSizeL>;

constexpr std::uint32_t kCubic = rvlInterCubicBC, kLanczos = rvlInterLanczos, kAa = kAntialiasingWorker;

}  // namespace
}  // namespace rvl::resize

namespace rvl {
using resize::filter32;
using resize::filterL;
using resize::kAa;
using resize::kCubic;
using resize::kLanczos;
RVL_BIND(rvliResizeCubic_8u_C1R, filter32<Rvl8u, 1, kCubic>);
RVL_BIND(rvliResizeCubic_8u_C3R, filter32<Rvl8u, 3, kCubic>);
RVL_BIND(rvliResizeCubic_8u_C4R, filter32<Rvl8u, 4, kCubic>);
RVL_BIND(rvliResizeCubic_16u_C1R, filter32<Rvl16u, 1, kCubic>);
RVL_BIND(rvliResizeCubic_16u_C3R, filter32<Rvl16u, 3, kCubic>);
RVL_BIND(rvliResizeCubic_16u_C4R, filter32<Rvl16u, 4, kCubic>);
RVL_BIND(rvliResizeCubic_16s_C1R, filter32<Rvl16s, 1, kCubic>);
RVL_BIND(rvliResizeCubic_16s_C3R, filter32<Rvl16s, 3, kCubic>);
RVL_BIND(rvliResizeCubic_16s_C4R, filter32<Rvl16s, 4, kCubic>);
RVL_BIND(rvliResizeCubic_32f_C1R, filter32<Rvl32f, 1, kCubic>);
RVL_BIND(rvliResizeCubic_32f_C3R, filter32<Rvl32f, 3, kCubic>);
RVL_BIND(rvliResizeCubic_32f_C4R, filter32<Rvl32f, 4, kCubic>);
RVL_BIND(rvliResizeCubic_8u_C1R_L, filterL<Rvl8u, 1, kCubic>);
RVL_BIND(rvliResizeCubic_8u_C3R_L, filterL<Rvl8u, 3, kCubic>);
RVL_BIND(rvliResizeCubic_8u_C4R_L, filterL<Rvl8u, 4, kCubic>);
RVL_BIND(rvliResizeCubic_16u_C1R_L, filterL<Rvl16u, 1, kCubic>);
RVL_BIND(rvliResizeCubic_16u_C3R_L, filterL<Rvl16u, 3, kCubic>);
RVL_BIND(rvliResizeCubic_16u_C4R_L, filterL<Rvl16u, 4, kCubic>);
RVL_BIND(rvliResizeCubic_16s_C1R_L, filterL<Rvl16s, 1, kCubic>);
RVL_BIND(rvliResizeCubic_16s_C3R_L, filterL<Rvl16s, 3, kCubic>);
RVL_BIND(rvliResizeCubic_16s_C4R_L, filterL<Rvl16s, 4, kCubic>);
RVL_BIND(rvliResizeCubic_32f_C1R_L, filterL<Rvl32f, 1, kCubic>);
RVL_BIND(rvliResizeCubic_32f_C3R_L, filterL<Rvl32f, 3, kCubic>);
RVL_BIND(rvliResizeCubic_32f_C4R_L, filterL<Rvl32f, 4, kCubic>);
RVL_BIND(rvliResizeLanczos_8u_C1R, filter32<Rvl8u, 1, kLanczos>);
RVL_BIND(rvliResizeLanczos_8u_C3R, filter32<Rvl8u, 3, kLanczos>);
RVL_BIND(rvliResizeLanczos_8u_C4R, filter32<Rvl8u, 4, kLanczos>);
RVL_BIND(rvliResizeLanczos_16u_C1R, filter32<Rvl16u, 1, kLanczos>);
RVL_BIND(rvliResizeLanczos_16u_C3R, filter32<Rvl16u, 3, kLanczos>);
RVL_BIND(rvliResizeLanczos_16u_C4R, filter32<Rvl16u, 4, kLanczos>);
RVL_BIND(rvliResizeLanczos_16s_C1R, filter32<Rvl16s, 1, kLanczos>);
RVL_BIND(rvliResizeLanczos_16s_C3R, filter32<Rvl16s, 3, kLanczos>);
RVL_BIND(rvliResizeLanczos_16s_C4R, filter32<Rvl16s, 4, kLanczos>);
RVL_BIND(rvliResizeLanczos_32f_C1R, filter32<Rvl32f, 1, kLanczos>);
RVL_BIND(rvliResizeLanczos_32f_C3R, filter32<Rvl32f, 3, kLanczos>);
RVL_BIND(rvliResizeLanczos_32f_C4R, filter32<Rvl32f, 4, kLanczos>);
RVL_BIND(rvliResizeLanczos_8u_C1R_L, filterL<Rvl8u, 1, kLanczos>);
RVL_BIND(rvliResizeLanczos_8u_C3R_L, filterL<Rvl8u, 3, kLanczos>);
RVL_BIND(rvliResizeLanczos_8u_C4R_L, filterL<Rvl8u, 4, kLanczos>);
RVL_BIND(rvliResizeLanczos_16u_C1R_L, filterL<Rvl16u, 1, kLanczos>);
RVL_BIND(rvliResizeLanczos_16u_C3R_L, filterL<Rvl16u, 3, kLanczos>);
RVL_BIND(rvliResizeLanczos_16u_C4R_L, filterL<Rvl16u, 4, kLanczos>);
RVL_BIND(rvliResizeLanczos_16s_C1R_L, filterL<Rvl16s, 1, kLanczos>);
RVL_BIND(rvliResizeLanczos_16s_C3R_L, filterL<Rvl16s, 3, kLanczos>);
RVL_BIND(rvliResizeLanczos_16s_C4R_L, filterL<Rvl16s, 4, kLanczos>);
RVL_BIND(rvliResizeLanczos_32f_C1R_L, filterL<Rvl32f, 1, kLanczos>);
RVL_BIND(rvliResizeLanczos_32f_C3R_L, filterL<Rvl32f, 3, kLanczos>);
RVL_BIND(rvliResizeLanczos_32f_C4R_L, filterL<Rvl32f, 4, kLanczos>);
RVL_BIND(rvliResizeAntialiasing_8u_C1R, filter32<Rvl8u, 1, kAa>);
RVL_BIND(rvliResizeAntialiasing_8u_C3R, filter32<Rvl8u, 3, kAa>);
RVL_BIND(rvliResizeAntialiasing_8u_C4R, filter32<Rvl8u, 4, kAa>);
RVL_BIND(rvliResizeAntialiasing_16u_C1R, filter32<Rvl16u, 1, kAa>);
RVL_BIND(rvliResizeAntialiasing_16u_C3R, filter32<Rvl16u, 3, kAa>);
RVL_BIND(rvliResizeAntialiasing_16u_C4R, filter32<Rvl16u, 4, kAa>);
RVL_BIND(rvliResizeAntialiasing_16s_C1R, filter32<Rvl16s, 1, kAa>);
RVL_BIND(rvliResizeAntialiasing_16s_C3R, filter32<Rvl16s, 3, kAa>);
RVL_BIND(rvliResizeAntialiasing_16s_C4R, filter32<Rvl16s, 4, kAa>);
RVL_BIND(rvliResizeAntialiasing_32f_C1R, filter32<Rvl32f, 1, kAa>);
RVL_BIND(rvliResizeAntialiasing_32f_C3R, filter32<Rvl32f, 3, kAa>);
RVL_BIND(rvliResizeAntialiasing_32f_C4R, filter32<Rvl32f, 4, kAa>);
RVL_BIND(rvliResizeAntialiasing_8u_C1R_L, filterL<Rvl8u, 1, kAa>);
RVL_BIND(rvliResizeAntialiasing_8u_C3R_L, filterL<Rvl8u, 3, kAa>);
RVL_BIND(rvliResizeAntialiasing_8u_C4R_L, filterL<Rvl8u, 4, kAa>);
RVL_BIND(rvliResizeAntialiasing_16u_C1R_L, filterL<Rvl16u, 1, kAa>);
RVL_BIND(rvliResizeAntialiasing_16u_C3R_L, filterL<Rvl16u, 3, kAa>);
RVL_BIND(rvliResizeAntialiasing_16u_C4R_L, filterL<Rvl16u, 4, kAa>);
RVL_BIND(rvliResizeAntialiasing_16s_C1R_L, filterL<Rvl16s, 1, kAa>);
RVL_BIND(rvliResizeAntialiasing_16s_C3R_L, filterL<Rvl16s, 3, kAa>);
RVL_BIND(rvliResizeAntialiasing_16s_C4R_L, filterL<Rvl16s, 4, kAa>);
RVL_BIND(rvliResizeAntialiasing_32f_C1R_L, filterL<Rvl32f, 1, kAa>);
RVL_BIND(rvliResizeAntialiasing_32f_C3R_L, filterL<Rvl32f, 3, kAa>);
RVL_BIND(rvliResizeAntialiasing_32f_C4R_L, filterL<Rvl32f, 4, kAa>);
}  // namespace rvl
