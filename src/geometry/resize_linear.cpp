// rvliResizeLinear_*: two passes over the tile's inner block (horizontal
// interpolation of the source rows a destination row needs, kept as two rows
// in the work buffer and advanced top to bottom; then vertical interpolation
// between them), and one-step interpolation along the edge for the bands of
// rows and columns that read replicated pixels.
//
// 8u works in Q14 weights: t = (p0 (16384 - w) + p1 w + 128) >> 8 saturated
// to int16, out = (t0 (16384 - w) + t1 w + 2^19) >> 20 saturated to 0..255;
// a band pixel is (v + 8192 + ((v >> 14) & 1)) >> 14 with v = a (16384 - w)
// + b w. 16u/16s/32f interpolate a + (b - a) f in single precision, 64f in
// double; integers round to nearest (ties to even) and saturate.
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "frame/entry.hpp"
#include "frame/walk.hpp"
#include "geometry/resize_tile.hpp"
#include "kernels/resize_f32.hpp"
#include "kernels/resize_q14.hpp"
#include "kernels/rounding.hpp"

namespace rvl::resize {
namespace {

using I64 = std::int64_t;

// ---- Arithmetic per element type ---------------------------------------------

struct Q14 {
    using Row = std::int16_t;  // horizontally interpolated values, 6 fraction bits
    static Row horizontal(int p0, int p1, const Tile& t, I64 c) {
        const std::uint16_t* w = t.spec->vx.weightsQ14 + 2 * (t.x + c);
        const int v = (p0 * w[0] + p1 * w[1] + 128) >> 8;
        return static_cast<Row>(std::clamp(v, -32768, 32767));
    }
    static std::uint8_t vertical(int a, int b, int w) {
        const int v = (a * (16384 - w) + b * w + 524288) >> 20;
        return static_cast<std::uint8_t>(std::clamp(v, 0, 255));
    }
    static std::uint8_t one_step(int a, int b, int w) {
        const int v = a * (16384 - w) + b * w;
        return static_cast<std::uint8_t>((v + 8192 + ((v >> 14) & 1)) >> 14);
    }
    static int row_weight(const Tile& t, I64 r) { return t.spec->vy.weightsQ14[t.y + r]; }
    static int col_weight(const Tile& t, I64 c) { return t.spec->vx.weightsQ14[2 * (t.x + c) + 1]; }
};

template <class T, class F>
struct Fractional {
    using Row = F;
    static const F* table(const Axis& a) {
        if constexpr (std::is_same_v<F, double>) return a.weights64;
        else return a.weights32;
    }
    static F lerp(F a, F b, F f) { return a + (b - a) * f; }
    static T store(F v) {
        if constexpr (std::is_floating_point_v<T>) {
            return static_cast<T>(v);
        } else {
            const F r = std::nearbyint(v);  // the call runs under round-to-nearest
            const F lo = std::numeric_limits<T>::min(), hi = std::numeric_limits<T>::max();
            return static_cast<T>(r < lo ? lo : r > hi ? hi : r);
        }
    }
    static Row horizontal(T p0, T p1, const Tile& t, I64 c) { return lerp(F(p0), F(p1), table(t.spec->vx)[t.x + c]); }
    static T vertical(Row a, Row b, F w) { return store(lerp(a, b, w)); }
    static T one_step(T a, T b, F w) { return store(lerp(F(a), F(b), w)); }
    static F row_weight(const Tile& t, I64 r) { return table(t.spec->vy)[t.y + r]; }
    static F col_weight(const Tile& t, I64 c) { return table(t.spec->vx)[t.x + c]; }
};

template <class T>
using Arith = std::conditional_t<std::is_same_v<T, Rvl8u>, Q14,
                                 Fractional<T, std::conditional_t<std::is_same_v<T, Rvl64f>, double, float>>>;

// ---- The tile -------------------------------------------------------------------

template <class T, int C>
class LinearTile {
public:
    using A = Arith<T>;
    using Row = typename A::Row;

    LinearTile(const Tile& t, const T* src, I64 srcStep, T* dst, I64 dstStep)
        : t_(t), src_(src), srcStep_(srcStep), dst_(dst), dstStep_(dstStep) {
        const Axis& vx = t.spec->vx;
        const Axis& vy = t.spec->vy;
        const Bands& n = t.bands;
        top_ = n.top;
        left_ = n.left;
        bottom_ = n.bottom;
        right_ = n.right;
        // The source image's first and last row and column, relative to the tile's source offset.
        firstRow_ = -t.srcY;
        lastRow_ = vy.srcLen - 1 - t.srcY;
        firstCol_ = -t.srcX;
        lastCol_ = vx.srcLen - 1 - t.srcX;
        rowA_ = reinterpret_cast<Row*>(t.rest);
        rowB_ = reinterpret_cast<Row*>(t.rest + ((t.width * C * static_cast<I64>(sizeof(Row)) + 31) & ~I64{31}));
    }

    void run() {
        const I64 r1 = std::max(top_, t_.height - bottom_);
        for (I64 r = 0; r < top_; ++r) edge_row(r, firstRow_);
        for (I64 r = r1; r < t_.height; ++r) edge_row(r, lastRow_);
        for (I64 r = top_; r < r1; ++r) {
            edge_columns(r);
            inner_row(r);
        }
    }

private:
    const T* pixel(I64 row, I64 col) const { return row_at(src_, srcStep_, row) + col * C; }

    // A band row: horizontal interpolation in one source row; a tap pair left
    // of the first column (right of the last) takes that column for both
    // taps when the band on that side exists.
    void edge_row(I64 r, I64 srcRow) {
        T* out = row_at(dst_, dstStep_, r);
        for (I64 c = 0; c < t_.width; ++c) {
            I64 i0 = t_.cols[c], i1 = i0 + 1;
            if (left_ && i0 < firstCol_) i0 = i1 = firstCol_;
            else if (right_ && i1 > lastCol_) i0 = i1 = lastCol_;
            const T* a = pixel(srcRow, i0);
            const T* b = pixel(srcRow, i1);
            const auto w = A::col_weight(t_, c);
            for (int k = 0; k < C; ++k) out[c * C + k] = A::one_step(a[k], b[k], w);
        }
    }

    // The band columns of an inner row: vertical interpolation in the first
    // or last source column.
    void edge_columns(I64 r) {
        T* out = row_at(dst_, dstStep_, r);
        const I64 j = t_.rows[r];
        const auto w = A::row_weight(t_, r);
        auto column = [&](I64 c, I64 col) {
            const T* a = pixel(j, col);
            const T* b = pixel(j + 1, col);
            for (int k = 0; k < C; ++k) out[c * C + k] = A::one_step(a[k], b[k], w);
        };
        for (I64 c = 0; c < left_; ++c) column(c, firstCol_);
        for (I64 c = std::max(left_, t_.width - right_); c < t_.width; ++c) column(c, lastCol_);
    }

    void horizontal(I64 j, Row* out) const {
        const T* in = row_at(src_, srcStep_, j);
        if constexpr (std::is_same_v<T, Rvl8u>)
            return kernels::q14_horizontal_row<C>(in, t_.cols, t_.spec->vx.weightsQ14 + 2 * t_.x, left_, t_.width - right_, out);
        I64 c = left_;
        if constexpr (std::is_same_v<Row, float>)
            c = kernels::f32_horizontal_row<T, C>(in, t_.cols, t_.spec->vx.weights32 + t_.x, c, t_.width - right_, out);
        for (; c < t_.width - right_; ++c) {
            const T* p = in + static_cast<I64>(t_.cols[c]) * C;
            for (int k = 0; k < C; ++k) out[c * C + k] = A::horizontal(p[k], p[C + k], t_, c);
        }
    }

    void inner_row(I64 r) {
        const I64 j = t_.rows[r];
        if (!(haveA_ && j == rowOfA_)) {
            if (haveA_ && j == rowOfA_ + 1) {
                std::swap(rowA_, rowB_);
            } else {
                horizontal(j, rowA_);
            }
            horizontal(j + 1, rowB_);
            rowOfA_ = j;
            haveA_ = true;
        }
        T* out = row_at(dst_, dstStep_, r);
        const auto w = A::row_weight(t_, r);
        if constexpr (std::is_same_v<T, Rvl8u>)
            return kernels::q14_vertical_row(rowA_, rowB_, w, left_ * C, (t_.width - right_) * C, out);
        I64 e = left_ * C;
        if constexpr (std::is_same_v<Row, float>) e = kernels::f32_vertical_row(rowA_, rowB_, w, e, (t_.width - right_) * C, out);
        for (; e < (t_.width - right_) * C; ++e) out[e] = A::vertical(rowA_[e], rowB_[e], w);
    }

    const Tile& t_;
    const T* src_;
    I64 srcStep_;
    T* dst_;
    I64 dstStep_;
    I64 top_ = 0, left_ = 0, bottom_ = 0, right_ = 0;
    I64 firstRow_, lastRow_, firstCol_, lastCol_;
    Row* rowA_;
    Row* rowB_;
    I64 rowOfA_ = 0;
    bool haveA_ = false;
};

template <class T, int C, Api A, class Step, class Point, class Size>
RvlResult resize_linear(const T* pSrc, Step srcStep, T* pDst, Step dstStep, Point dstOffset, Size dstSize,
                        RvlBorderMode border, const T* /* pBorderValue: no constant border */, const RvlResizeSpec* pSpec,
                        Rvl8u* pBuffer) {
    Tile t;
    if (RvlResult st = start_border_tile(A, border, pSrc, srcStep, pDst, dstStep, dstOffset, dstSize, pSpec, pBuffer, rvlInterLinear, &t))
        return st;
    RoundingScope scope(Rc::Nearest);
    LinearTile<T, C>(t, pSrc, srcStep, pDst, dstStep).run();
    return tile_status(t);
}

template <class T, int C>
constexpr auto linear32 = resize_linear<T, C, std::is_same_v<T, Rvl64f> ? Api::Int32_64f : Api::Int32, int, RvlPoint, RvlSize>;
template <class T, int C>
constexpr auto linearL = resize_linear<T, C, Api::Long, Rvl64s, RvlPointL, RvlSizeL>;

}  // namespace
}  // namespace rvl::resize

namespace rvl {
using resize::linear32;
using resize::linearL;
RVL_BIND(rvliResizeLinear_8u_C1R, linear32<Rvl8u, 1>);
RVL_BIND(rvliResizeLinear_8u_C3R, linear32<Rvl8u, 3>);
RVL_BIND(rvliResizeLinear_8u_C4R, linear32<Rvl8u, 4>);
RVL_BIND(rvliResizeLinear_16u_C1R, linear32<Rvl16u, 1>);
RVL_BIND(rvliResizeLinear_16u_C3R, linear32<Rvl16u, 3>);
RVL_BIND(rvliResizeLinear_16u_C4R, linear32<Rvl16u, 4>);
RVL_BIND(rvliResizeLinear_16s_C1R, linear32<Rvl16s, 1>);
RVL_BIND(rvliResizeLinear_16s_C3R, linear32<Rvl16s, 3>);
RVL_BIND(rvliResizeLinear_16s_C4R, linear32<Rvl16s, 4>);
RVL_BIND(rvliResizeLinear_32f_C1R, linear32<Rvl32f, 1>);
RVL_BIND(rvliResizeLinear_32f_C3R, linear32<Rvl32f, 3>);
RVL_BIND(rvliResizeLinear_32f_C4R, linear32<Rvl32f, 4>);
RVL_BIND(rvliResizeLinear_64f_C1R, linear32<Rvl64f, 1>);
RVL_BIND(rvliResizeLinear_64f_C3R, linear32<Rvl64f, 3>);
RVL_BIND(rvliResizeLinear_64f_C4R, linear32<Rvl64f, 4>);
RVL_BIND(rvliResizeLinear_8u_C1R_L, linearL<Rvl8u, 1>);
RVL_BIND(rvliResizeLinear_8u_C3R_L, linearL<Rvl8u, 3>);
RVL_BIND(rvliResizeLinear_8u_C4R_L, linearL<Rvl8u, 4>);
RVL_BIND(rvliResizeLinear_16u_C1R_L, linearL<Rvl16u, 1>);
RVL_BIND(rvliResizeLinear_16u_C3R_L, linearL<Rvl16u, 3>);
RVL_BIND(rvliResizeLinear_16u_C4R_L, linearL<Rvl16u, 4>);
RVL_BIND(rvliResizeLinear_16s_C1R_L, linearL<Rvl16s, 1>);
RVL_BIND(rvliResizeLinear_16s_C3R_L, linearL<Rvl16s, 3>);
RVL_BIND(rvliResizeLinear_16s_C4R_L, linearL<Rvl16s, 4>);
RVL_BIND(rvliResizeLinear_32f_C1R_L, linearL<Rvl32f, 1>);
RVL_BIND(rvliResizeLinear_32f_C3R_L, linearL<Rvl32f, 3>);
RVL_BIND(rvliResizeLinear_32f_C4R_L, linearL<Rvl32f, 4>);
RVL_BIND(rvliResizeLinear_64f_C1R_L, linearL<Rvl64f, 1>);
RVL_BIND(rvliResizeLinear_64f_C3R_L, linearL<Rvl64f, 3>);
RVL_BIND(rvliResizeLinear_64f_C4R_L, linearL<Rvl64f, 4>);
}  // namespace rvl
