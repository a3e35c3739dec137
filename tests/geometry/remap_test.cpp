// Remap: every member and interpolation against a plain reference of the
// sampling rules (bit-exact), maps pointing inside, on the edge and outside
// the source ROI, the lowering for small sources, AC4 alpha kept, the
// blended edges and the check order.
#include <array>
#include <cmath>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "geometry/resize_support.hpp"
#include "rvl.h"

namespace rvltest::remap {
namespace {

template <class T, class M>
using RemapFn = RvlResult (*)(const T*, RvlSize, int, RvlRect, const M*, int, const M*, int, T*, int, RvlSize, int);

template <class T>
using MapOf = std::conditional_t<std::is_same_v<T, Rvl64f>, Rvl64f, Rvl32f>;

// [C1, C3, C4, AC4]
template <class T>
std::array<RemapFn<T, MapOf<T>>, 4> members();
#define RVL_REMAP_MEMBERS(T, tag)                                                                             \
    template <>                                                                                               \
    std::array<RemapFn<T, MapOf<T>>, 4> members<T>() {                                                        \
        return {rvliRemap_##tag##_C1R, rvliRemap_##tag##_C3R, rvliRemap_##tag##_C4R, rvliRemap_##tag##_AC4R}; \
    }
RVL_REMAP_MEMBERS(Rvl8u, 8u)
RVL_REMAP_MEMBERS(Rvl16u, 16u)
RVL_REMAP_MEMBERS(Rvl16s, 16s)
RVL_REMAP_MEMBERS(Rvl32f, 32f)
RVL_REMAP_MEMBERS(Rvl64f, 64f)

template <class T>
using Acc = std::conditional_t<std::is_same_v<T, double>, double, float>;

template <class T>
T stored(Acc<T> v) {
    if constexpr (std::is_floating_point_v<T>) return static_cast<T>(v);
    else {
        if (!(v == v)) return std::numeric_limits<T>::min();
        const Acc<T> lo = std::numeric_limits<T>::min(), hi = std::numeric_limits<T>::max();
        return static_cast<T>(std::nearbyint(std::min(std::max(v, lo), hi)));
    }
}

// The Lanczos window of three lobes, tabulated at 100 samples per unit in
// single precision and read by linear interpolation.
float lanczos3(float t) {
    static const std::vector<float> table = [] {
        std::vector<float> v(301);
        const double pi = 3.14159265358979323846;
        for (int j = 0; j <= 300; ++j) {
            const double x = j / 100.0;
            v[j] = static_cast<float>(j == 0 ? 1.0 : std::sin(pi * x) / (pi * x) * std::sin(pi * x / 3) / (pi * x / 3));
        }
        return v;
    }();
    const float a = std::fabs(t);
    if (!(a < 3)) return 0;
    const float u = a * 100;
    const int j = int(u);
    return table[j] + (table[j + 1] - table[j]) * (u - float(j));
}

struct Roi {
    std::int64_t x0, x1, y0, y1;
};

// One pixel by the rules, from the source image of w x h with `ch`
// elements a pixel; the first n channels.
template <class T, class M>
void ref_pixel(const Image<T>& s, const Roi& r, int interp, M X, M Y, int n, T* out) {
    using A = Acc<T>;
    const std::int64_t W = s.w, H = s.h;
    auto px = [&](std::int64_t x, std::int64_t y, int c) { return s.at(x, y, c); };
    if (interp == rvlInterNearest) {
        const std::int64_t x = std::clamp<std::int64_t>(std::int64_t(std::trunc(float(X) + 0.5f)), r.x0, r.x1);
        const std::int64_t y = std::clamp<std::int64_t>(std::int64_t(std::trunc(float(Y) + 0.5f)), r.y0, r.y1);
        for (int c = 0; c < n; ++c) out[c] = px(x, y, c);
        return;
    }
    if (interp == rvlInterLinear) {
        auto index = [](M v, std::int64_t hi, std::int64_t len) {
            std::int64_t i = std::int64_t(std::trunc(v));
            if (i == hi) --i;
            return std::clamp<std::int64_t>(i, 0, len - 2);
        };
        const std::int64_t ix = index(X, r.x1, W), iy = index(Y, r.y1, H);
        if constexpr (std::is_same_v<T, Rvl8u>) {
            const int wx = int(std::nearbyint((X - float(ix)) * 16384.0f)), wy = int(std::nearbyint((Y - float(iy)) * 16384.0f));
            for (int c = 0; c < n; ++c) {
                const int t0 = (px(ix, iy, c) * (16384 - wx) + px(ix + 1, iy, c) * wx) >> 8;
                const int t1 = (px(ix, iy + 1, c) * (16384 - wx) + px(ix + 1, iy + 1, c) * wx) >> 8;
                out[c] = Rvl8u((t0 * (16384 - wy) + t1 * wy + 33) >> 20);
            }
        } else {
            const A fx = A(X - M(ix)), fy = A(Y - M(iy));
            for (int c = 0; c < n; ++c) {
                const A r0 = A(px(ix, iy, c)) * (1 - fx) + A(px(ix + 1, iy, c)) * fx;
                const A r1 = A(px(ix, iy + 1, c)) * (1 - fx) + A(px(ix + 1, iy + 1, c)) * fx;
                out[c] = stored<T>(r0 * (1 - fy) + r1 * fy);
            }
        }
        return;
    }
    // Windows: N taps a side, indices and weights per axis.
    int N = 4;
    std::int64_t xi[6], yi[6];
    A wx[6], wy[6];
    auto clampW = [](std::int64_t j, std::int64_t len) { return std::clamp<std::int64_t>(j, 0, len - 1); };
    if (interp == rvlInterCubic) {
        auto first = [](M v, std::int64_t len) {
            const std::int64_t m = std::min<std::int64_t>(std::int64_t(std::trunc(v)), len - 3);
            return m <= 0 ? std::int64_t{0} : m - 1;
        };
        const std::int64_t fx0 = first(X, W), fy0 = first(Y, H);
        if constexpr (std::is_same_v<T, Rvl8u>) {
            auto table = [](int j, int k) {  // (L0, L1) at d = j/512, times 16384
                const double d = j / 512.0;
                const double L = k == 0 ? -(d - 1) * (d - 2) * (d - 3) / 6 : d * (d - 2) * (d - 3) / 2;
                return int(std::nearbyint(L * 16384));
            };
            auto weights = [&](float d, int w[4]) {
                const int j = std::clamp(int(std::nearbyint(d * 512.0f)), 0, 1536);
                w[0] = table(j, 0), w[1] = table(j, 1), w[2] = table(1536 - j, 1), w[3] = table(1536 - j, 0);
            };
            int qx[4], qy[4];
            weights(float(X) - float(fx0), qx);
            weights(float(Y) - float(fy0), qy);
            for (int c = 0; c < n; ++c) {
                int sum = 0x80000;
                for (int a = 0; a < 4; ++a) {
                    int h = 0;
                    for (int b = 0; b < 4; ++b) h += px(fx0 + b, fy0 + a, c) * qx[b];
                    sum += (h >> 8) * qy[a];
                }
                out[c] = T(std::clamp(sum >> 20, 0, 255));
            }
            return;
        }
        auto lagrange = [](A d, A* w) {
            w[0] = -(d - 1) * (d - 2) * (d - 3) / 6, w[1] = d * (d - 2) * (d - 3) / 2;
            w[2] = -d * (d - 1) * (d - 3) / 2, w[3] = d * (d - 1) * (d - 2) / 6;
        };
        lagrange(A(double(X) - double(fx0)), wx);
        lagrange(A(double(Y) - double(fy0)), wy);
        for (int k = 0; k < 4; ++k) xi[k] = fx0 + k, yi[k] = fy0 + k;
    } else if (interp == rvlInterCubicBC) {
        auto cr = [&](M v, std::int64_t len, std::int64_t* idx, A* w) {
            const std::int64_t i = std::clamp<std::int64_t>(std::int64_t(std::trunc(v + M(1e-7))), 0, len - 1);
            const float t = float(v - M(i));
            w[0] = A(-0.5f * t * (t - 1) * (t - 1));
            w[1] = A(1.5f * t * t * t - 2.5f * t * t + 1);
            w[2] = A(-1.5f * t * t * t + 2 * t * t + 0.5f * t);
            w[3] = A(0.5f * t * t * (t - 1));
            for (int k = 0; k < 4; ++k) idx[k] = clampW(i - 1 + k, len);
        };
        cr(X, W, xi, wx);
        cr(Y, H, yi, wy);
    } else {
        N = 6;
        auto lz = [&](M v, std::int64_t len, std::int64_t* idx, A* w) {
            const std::int64_t i = std::clamp<std::int64_t>(std::int64_t(std::trunc(v)), 0, len - 1);
            float raw[6], sum = 0;
            for (int k = 0; k < 6; ++k) {
                raw[k] = lanczos3(float(v - M(i - 2 + k)));
                sum += raw[k];
                idx[k] = clampW(i - 2 + k, len);
            }
            for (int k = 0; k < 6; ++k) w[k] = A(raw[k] / sum);
        };
        lz(X, W, xi, wx);
        lz(Y, H, yi, wy);
    }
    for (int c = 0; c < n; ++c) {
        A sum = 0;
        for (int a = 0; a < N; ++a) {
            A h = 0;
            for (int b = 0; b < N; ++b) h = b == 0 ? A(px(xi[b], yi[a], c)) * wx[b] : h + A(px(xi[b], yi[a], c)) * wx[b];
            sum = a == 0 ? h * wy[0] : sum + h * wy[a];
        }
        out[c] = stored<T>(sum);
    }
}

int lowered(int interp, std::int64_t w, std::int64_t h) {
    if (interp == rvlInterLanczos && (w < 6 || h < 6)) interp = rvlInterCubic;
    if ((interp == rvlInterCubic || interp == rvlInterCubicBC) && (w < 4 || h < 4)) interp = rvlInterLinear;
    if (w == 1 || h == 1) interp = rvlInterNearest;
    return interp;
}

// A map value: anywhere around the ROI, on its last pixel, or on a pixel.
template <class M>
M map_value(Rng& rng, std::int64_t lo, std::int64_t hi, bool inside = false) {
    if (inside) return M(std::uniform_real_distribution<double>(double(lo), double(hi))(rng));
    switch (rng() % 6) {
        case 0: return M(hi);
        case 1: return M(std::int64_t(lo + std::int64_t(rng() % std::uint64_t(hi - lo + 1))));
        case 2: return M(lo);
        default: return M(std::uniform_real_distribution<double>(double(lo) - 1.5, double(hi) + 1.5)(rng));
    }
}

template <class T>
void check_remap(int W, int H, RvlRect roi, int interp, int layout, int dw, int dh, Rng& rng, bool inside = false) {
    using M = MapOf<T>;
    const int ch = layout == 0 ? 1 : layout == 1 ? 3 : 4, n = layout == 3 ? 3 : ch;
    const Image<T> src = random_image<T>(W, H, ch, rng);
    TestImage<T> srcImg = test_image_of(src, rng);
    const Roi r{roi.x, roi.x + std::min<std::int64_t>(roi.width, W - roi.x) - 1, roi.y,
                roi.y + std::min<std::int64_t>(roi.height, H - roi.y) - 1};
    TestImage<M> mx(dw, dh, 1, 1, 0), my(dw, dh, 1, 2, 1);
    mx.fill(rng, [&](Rng& g) { return map_value<M>(g, r.x0, r.x1, inside); });
    my.fill(rng, [&](Rng& g) { return map_value<M>(g, r.y0, r.y1, inside); });
    TestImage<T> got(dw, dh, ch, 2, 1);
    got.fill(rng, moderate_value<T>);
    TestImage<T> want = got;
    const int used = lowered(interp, W, H);
    for (int y = 0; y < dh; ++y)
        for (int x = 0; x < dw; ++x) {
            const M X = mx.at(x, y, 0), Y = my.at(x, y, 0);
            if (X < M(r.x0) || X > M(r.x1) || Y < M(r.y0) || Y > M(r.y1)) continue;
            T v[4];
            ref_pixel(src, r, used, X, Y, n, v);
            for (int c = 0; c < n; ++c) want.set(x, y, c, v[c]);
        }
    const RvlResult st = members<T>()[layout](srcImg.data(), {W, H}, srcImg.step(), roi, mx.data(), mx.step(), my.data(), my.step(),
                                              got.data(), got.step(), {dw, dh}, interp);
    EXPECT_EQ(st, rvlResOk);
    EXPECT_TRUE(same_bytes(got, want)) << "interp " << interp << " layout " << layout << " source " << W << "x" << H;
}

template <class T>
void sweep(Rng& rng) {
    for (int interp : {rvlInterNearest, rvlInterLinear, rvlInterCubic, rvlInterCubicBC, rvlInterLanczos})
        for (int layout = 0; layout < 4; ++layout) {
            const int W = 9 + int(rng() % 20), H = 8 + int(rng() % 15);
            const RvlRect roi{int(rng() % 3), int(rng() % 3), W - 2, H + 5};  // the height reaches past the image
            check_remap<T>(W, H, roi, interp, layout, 7 + int(rng() % 40), 3 + int(rng() % 9), rng);
        }
}

TEST(Remap, EveryMemberMatchesTheReference) {
    Rng rng(606);
    sweep<Rvl8u>(rng);
    sweep<Rvl16u>(rng);
    sweep<Rvl16s>(rng);
    sweep<Rvl32f>(rng);
    sweep<Rvl64f>(rng);
}

TEST(Remap, WideRowsEveryLayout) {
    // Rows long enough for whole registers of every width and a tail, maps
    // mixing points inside and outside the ROI.
    Rng rng(29);
    for (int layout = 0; layout < 4; ++layout)
        for (int interp : {rvlInterNearest, rvlInterLinear}) {
            check_remap<Rvl8u>(40, 12, {1, 0, 37, 12}, interp, layout, 83, 4, rng);
            check_remap<Rvl32f>(40, 12, {0, 1, 40, 9}, interp, layout, 83, 4, rng);
            check_remap<Rvl8u>(40, 12, {2, 1, 30, 9}, interp, layout, 83, 4, rng, true);  // every point inside
        }
}

TEST(Remap, SmallSourcesLowerTheInterpolation) {
    Rng rng(11);
    // 3 x 3: Lanczos and both cubics become linear; 5 x 9: Lanczos becomes
    // the Lagrange cubic; one pixel wide: nearest.
    for (int interp : {rvlInterLanczos, rvlInterCubic, rvlInterCubicBC}) {
        check_remap<Rvl8u>(3, 3, {0, 0, 3, 3}, interp, 0, 20, 5, rng);
        check_remap<Rvl32f>(5, 9, {0, 0, 5, 9}, interp, 1, 20, 5, rng);
        check_remap<Rvl16u>(1, 9, {0, 0, 1, 9}, interp, 2, 20, 5, rng);
    }
}

TEST(Remap, ExactValues) {
    // Identity maps with linear 8u reproduce the source.
    const int W = 37, H = 5;
    std::vector<Rvl8u> src(W * H), dst(W * H, 0);
    for (int k = 0; k < W * H; ++k) src[k] = Rvl8u(k * 7);
    std::vector<float> mx(W * H), my(W * H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) mx[y * W + x] = float(x), my[y * W + x] = float(y);
    ASSERT_EQ(rvliRemap_8u_C1R(src.data(), {W, H}, W, {0, 0, W, H}, mx.data(), W * 4, my.data(), W * 4, dst.data(), W, {W, H},
                               rvlInterLinear),
              rvlResOk);
    EXPECT_EQ(src, dst);
    // Nearest at 2.5 selects column 3.
    const Rvl8u row[10] = {10, 20, 30, 40, 50, 10, 20, 30, 40, 50};  // two rows: one row would lower to nearest
    const float x = 2.5f, y = 0;
    Rvl8u out = 0;
    ASSERT_EQ(rvliRemap_8u_C1R(row, {5, 2}, 5, {0, 0, 5, 2}, &x, 4, &y, 4, &out, 1, {1, 1}, rvlInterNearest), rvlResOk);
    EXPECT_EQ(out, 40);
    // Halfway between 10 and 20 in Q14: (10 * 8192 + 20 * 8192) >> 8 = 960,
    // (960 * 16384 + 33) >> 20 = 15.
    const float h = 0.5f;
    ASSERT_EQ(rvliRemap_8u_C1R(row, {5, 2}, 5, {0, 0, 5, 2}, &h, 4, &y, 4, &out, 1, {1, 1}, rvlInterLinear), rvlResOk);
    EXPECT_EQ(out, 15);
}

TEST(Remap, PointsOutsideTheRoiAndAlphaAreKept) {
    std::vector<Rvl16s> src(8 * 8 * 4, 5), dst(4 * 4, 99);
    const float xs[4] = {0.9f, NAN, 6.0f, 7.01f}, ys[4] = {3, 3, 3, 3};
    // ROI columns 1..6: 0.9, NaN and 7.01 are outside and leave the pixel.
    ASSERT_EQ(rvliRemap_16s_AC4R(src.data(), {8, 8}, 64, {1, 1, 6, 6}, xs, 0 + 16, ys, 16, dst.data(), 32, {4, 1}, rvlInterCubicBC),
              rvlResOk);
    const Rvl16s want[16] = {99, 99, 99, 99, 99, 99, 99, 99, 5, 5, 5, 99, 99, 99, 99, 99};
    for (int k = 0; k < 16; ++k) EXPECT_EQ(dst[k], want[k]) << k;
}

TEST(Remap, BlendedEdges) {
    // A constant source: inside, the value; within a pixel of the ROI edge a
    // blend with the destination, never below halfway.
    std::vector<float> src(10 * 10, 100.0f), dst(10, 0.0f);
    float xs[10], ys[10];
    for (int k = 0; k < 10; ++k) xs[k] = 2 + 0.25f * k, ys[k] = 5;
    ASSERT_EQ(rvliRemap_32f_C1R(src.data(), {10, 10}, 40, {2, 2, 6, 6}, xs, 40, ys, 40, dst.data(), 40, {10, 1},
                                rvlInterLinear | rvlInterBlendEdges),
              rvlResOk);
    EXPECT_EQ(dst[0], 50.0f);   // on the edge
    EXPECT_EQ(dst[2], 75.0f);   // half a pixel inside
    EXPECT_EQ(dst[4], 100.0f);  // one pixel inside
    EXPECT_EQ(dst[9], 100.0f);
}

TEST(Remap, ChecksInOrder) {
    Rvl8u s[16] = {}, d[4] = {7, 7, 7, 7};
    const float m[4] = {};
    auto run = [&](const Rvl8u* sp, RvlSize size, int step, RvlRect roi, const float* mp, int mstep, int dstep, RvlSize dsize, int interp) {
        return rvliRemap_8u_C1R(sp, size, step, roi, mp, mstep, m, 4, d, dstep, dsize, interp);
    };
    EXPECT_EQ(run(nullptr, {0, 0}, 0, {-1, 0, 0, 0}, m, 0, 0, {0, 0}, 3), rvlResNullPointer);
    EXPECT_EQ(run(s, {4, 4}, 0, {0, 0, 0, 0}, nullptr, 0, 0, {0, 0}, 3), rvlResNullPointer);
    EXPECT_EQ(run(s, {4, 0}, 0, {0, 0, 1, 1}, m, 0, 0, {1, 1}, 3), rvlResBadSize);
    EXPECT_EQ(run(s, {4, 4}, 0, {-1, 0, 1, 1}, m, 0, 0, {1, 1}, 3), rvlResBadSize);
    EXPECT_EQ(run(s, {4, 4}, 0, {0, 0, 1, 1}, m, 0, 0, {1, 0}, 3), rvlResBadSize);
    EXPECT_EQ(run(s, {4, 4}, 0, {5, 0, 1, 1}, m, 0, 0, {1, 1}, 3), rvlResBadInterpolation);
    EXPECT_EQ(run(s, {4, 4}, 0, {5, 0, 1, 1}, m, 0, 0, {1, 1}, rvlInterSuper | rvlInterBlendEdges), rvlResBadInterpolation);
    EXPECT_EQ(run(s, {4, 4}, 0, {5, 0, 1, 1}, m, 4, 4, {1, 1}, rvlInterLinear), rvlResBadStep);
    EXPECT_EQ(run(s, {4, 4}, 4, {5, 0, 1, 1}, m, 0, 4, {1, 1}, rvlInterLinear), rvlResBadStep);
    EXPECT_EQ(run(s, {4, 4}, 4, {4, 0, 1, 1}, m, 4, 4, {1, 1}, rvlInterLinear), rvlResWarnRoiOutside);
    EXPECT_EQ(run(s, {4, 4}, 4, {0, 4, 1, 1}, m, 4, 4, {1, 1}, rvlInterLinear | rvlInterBlendEdges), rvlResWarnRoiOutside);
    EXPECT_EQ(d[0], 7);
    EXPECT_EQ(run(s, {4, 4}, 4, {0, 0, 1, 1}, m, 4, 4, {1, 1}, rvlInterLinear), rvlResOk);
    EXPECT_EQ(d[0], 0);
}

}  // namespace
}  // namespace rvltest::remap
