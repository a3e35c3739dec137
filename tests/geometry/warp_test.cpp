// Affine warp: every worker against the plain reference (bit-exact) over
// random transforms, border kinds and tilings; exact rearrangements; the
// size and buffer queries; the check orders; the transform helpers.
#include <cmath>
#include <cstring>
#include <functional>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "geometry/warp_support.hpp"
#include "support/guarded.hpp"

namespace rvltest::warp {
namespace {

// A specification built by the Init of `interp` in caller memory of exactly
// the reported size.
struct Spec {
    std::vector<unsigned char> bytes;
    RvlResult status = rvlResOk;
    const RvlWarpSpec* get() const { return reinterpret_cast<const RvlWarpSpec*>(bytes.data()); }
};

struct WarpCase {
    int srcW, srcH, dstW, dstH;
    int type, channels, interp;
    Affine coeffs;
    int direction;
    int border;
    double value[4];
    double B = 0, C = 0.5;
    int smooth = 0;
};

Spec make_spec(const WarpCase& s, bool longApi = false) {
    Spec spec;
    const double (*c)[3] = s.coeffs.m;
    int specSize = 0, initSize = 0;
    Rvl64s specL = 0, initL = 0;
    RvlResult st = longApi ? rvliWarpAffineGetSize_L({s.srcW, s.srcH}, {s.dstW, s.dstH}, s.type, c, RvlInterpolation(s.interp),
                                                     RvlMappingDirection(s.direction), RvlBorderMode(s.border), &specL, &initL)
                           : rvliWarpAffineGetSize({s.srcW, s.srcH}, {s.dstW, s.dstH}, s.type, c, RvlInterpolation(s.interp),
                                                   RvlMappingDirection(s.direction), RvlBorderMode(s.border), &specSize, &initSize);
    if (longApi) specSize = int(specL), initSize = int(initL);
    if (st != rvlResOk) {
        spec.status = st;
        return spec;
    }
    spec.bytes.assign(size_t(specSize), 0xA5);
    std::vector<Rvl8u> init(static_cast<size_t>(initSize));
    auto* p = reinterpret_cast<RvlWarpSpec*>(spec.bytes.data());
    const RvlMappingDirection dir = RvlMappingDirection(s.direction);
    const RvlBorderMode bm = RvlBorderMode(s.border);
    if (s.interp == rvlInterCubicBC) {
        spec.status = longApi ? rvliWarpAffineCubicInit_L({s.srcW, s.srcH}, {s.dstW, s.dstH}, s.type, c, dir, s.channels, s.B, s.C, bm,
                                                          s.value, s.smooth, p, init.data())
                              : rvliWarpAffineCubicInit({s.srcW, s.srcH}, {s.dstW, s.dstH}, s.type, c, dir, s.channels, s.B, s.C, bm,
                                                        s.value, s.smooth, p, init.data());
    } else if (s.interp == rvlInterLinear) {
        spec.status = longApi ? rvliWarpAffineLinearInit_L({s.srcW, s.srcH}, {s.dstW, s.dstH}, s.type, c, dir, s.channels, bm, s.value,
                                                           s.smooth, p)
                              : rvliWarpAffineLinearInit({s.srcW, s.srcH}, {s.dstW, s.dstH}, s.type, c, dir, s.channels, bm, s.value,
                                                         s.smooth, p);
    } else {
        spec.status = longApi ? rvliWarpAffineNearestInit_L({s.srcW, s.srcH}, {s.dstW, s.dstH}, s.type, c, dir, s.channels, bm, s.value,
                                                            s.smooth, p)
                              : rvliWarpAffineNearestInit({s.srcW, s.srcH}, {s.dstW, s.dstH}, s.type, c, dir, s.channels, bm, s.value,
                                                          s.smooth, p);
    }
    return spec;
}

// The source in a block with `margin` pixels of random memory around it.
template <class T>
RefSource<T> random_source(int W, int H, int C, int margin, Rng& rng) {
    return {random_image<T>(W + 2 * margin, H + 2 * margin, C, rng), margin, W, H};
}

Affine backward_of(const WarpCase& s) { return s.direction == rvlMapBackward ? s.coeffs : inverse(s.coeffs); }

// One tile of the warp through the int32 or _L member.
template <class T>
RvlResult run_tile(const WarpMembers<T>& m, const WarpCase& s, const Spec& spec, const RefSource<T>& src, TestImage<T>& srcImg,
                   TestImage<T>& dst, std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h, bool longApi) {
    (void)src;
    const T* pSrc = srcImg.data() + (std::ptrdiff_t(src.margin) * srcImg.step() / std::ptrdiff_t(sizeof(T))) + src.margin * s.channels;
    T* pDst = reinterpret_cast<T*>(reinterpret_cast<unsigned char*>(dst.data()) + y * dst.step() + x * s.channels * sizeof(T));
    GuardedBlock buffer(64, Edge::End);
    const int ii = interp_index(s.interp), li = layout_index(s.channels);
    if (longApi)
        return m.l[ii][li](pSrc, srcImg.step(), pDst, dst.step(), {x, y}, {w, h}, spec.get(), buffer.data());
    return m.f[ii][li](pSrc, srcImg.step(), pDst, dst.step(), {int(x), int(y)}, {int(w), int(h)}, spec.get(), buffer.data());
}

template <class T>
int type_of() {
    return std::is_same_v<T, Rvl8u> ? rvlType8u : std::is_same_v<T, Rvl16u> ? rvlType16u : std::is_same_v<T, Rvl16s> ? rvlType16s
           : std::is_same_v<T, Rvl32f> ? rvlType32f : rvlType64f;
}

// The warp computed three ways (one call, random tiles, random tiles
// through _L), each equal to the reference over the whole destination
// (padding and guards included).
template <class T>
void check_warp(WarpCase s, Rng& rng) {
    s.type = type_of<T>();
    const int margin = 2;
    const RefSource<T> src = random_source<T>(s.srcW, s.srcH, s.channels, margin, rng);
    TestImage<T> srcImg = test_image_of(src.big, rng);
    const Spec spec = make_spec(s), specL = make_spec(s, true);
    ASSERT_EQ(spec.status, rvlResOk);
    ASSERT_EQ(specL.status, rvlResOk);
    TestImage<T> start(s.dstW, s.dstH, s.channels, 2, 1);
    start.fill(rng, moderate_value<T>);
    TestImage<T> want = start;
    RefBorder bd{s.border & 0xF, bool(s.border & rvlBorderInMemoryLeft), bool(s.border & rvlBorderInMemoryTop),
                 bool(s.border & rvlBorderInMemoryRight), bool(s.border & rvlBorderInMemoryBottom), {}};
    std::copy(s.value, s.value + 4, bd.value);
    ref_warp(src, want, backward_of(s), s.interp, bd, RefCubic{s.B, s.C});
    const WarpMembers<T> m = warp_members<T>();
    for (int pass = 0; pass < 3; ++pass) {
        TestImage<T> got = start;
        if (pass == 0) {
            const RvlResult st = run_tile(m, s, spec, src, srcImg, got, 0, 0, s.dstW, s.dstH, false);
            EXPECT_TRUE(st == rvlResOk || st == rvlResWarnQuadOutside) << st;
        } else {
            std::vector<std::int64_t> xs{0, s.dstW}, ys{0, s.dstH};
            for (int k = 0; k < 2; ++k) xs.push_back(std::int64_t(rng() % s.dstW)), ys.push_back(std::int64_t(rng() % s.dstH));
            std::sort(xs.begin(), xs.end());
            std::sort(ys.begin(), ys.end());
            for (size_t a = 0; a + 1 < ys.size(); ++a)
                for (size_t b = 0; b + 1 < xs.size(); ++b)
                    if (ys[a + 1] > ys[a] && xs[b + 1] > xs[b])
                        run_tile(m, s, pass == 2 ? specL : spec, src, srcImg, got, xs[b], ys[a], xs[b + 1] - xs[b], ys[a + 1] - ys[a],
                                 pass == 2);
        }
        EXPECT_TRUE(same_bytes(got, want)) << "pass " << pass << " interp " << s.interp << " border " << s.border << " C" << s.channels;
    }
}

Affine rotation_about(double deg, double cx, double cy, double scale, double tx, double ty) {
    const double a = deg * 3.14159265358979323846 / 180, c = std::cos(a) * scale, sn = std::sin(a) * scale;
    return {{{c, sn, cx - c * cx - sn * cy + tx}, {-sn, c, cy + sn * cx - c * cy + ty}}};
}

template <class T>
void sweep(Rng& rng) {
    const int borders[] = {rvlBorderReplicate, rvlBorderConstant, rvlBorderTransparent, rvlBorderInMemory,
                           rvlBorderTransparent | rvlBorderInMemoryLeft | rvlBorderInMemoryBottom};
    const int interps[] = {rvlInterNearest, rvlInterLinear, rvlInterCubicBC};
    for (int interp : interps)
        for (int border : borders)
            for (int channels : {1, 3, 4}) {
                WarpCase s{};
                s.srcW = 7 + int(rng() % 25), s.srcH = 5 + int(rng() % 19);
                s.dstW = 9 + int(rng() % 31), s.dstH = 6 + int(rng() % 23);
                s.channels = channels, s.interp = interp, s.border = border;
                s.direction = int(rng() % 2);
                const double angle = std::uniform_real_distribution<double>(-180, 180)(rng);
                const double scale = std::uniform_real_distribution<double>(0.6, 1.7)(rng);
                s.coeffs = rotation_about(angle, s.srcW / 2.0, s.srcH / 2.0, scale, (s.dstW - s.srcW) / 2.0, (s.dstH - s.srcH) / 2.0);
                s.coeffs.m[0][1] += std::uniform_real_distribution<double>(-0.2, 0.2)(rng);  // shear
                for (double& v : s.value) v = std::uniform_real_distribution<double>(-100, 300)(rng);
                const double bc[3][2] = {{0, 0.5}, {1, 0}, {1.0 / 3, 1.0 / 3}};
                s.B = bc[rng() % 3][0], s.C = bc[rng() % 3][1];
                SCOPED_TRACE(testing::Message() << "angle " << angle << " scale " << scale << " src " << s.srcW << "x" << s.srcH);
                check_warp<T>(s, rng);
            }
}

TEST(WarpAffine, EveryMemberMatchesTheReference) {
    Rng rng(20261207);
    sweep<Rvl8u>(rng);
    sweep<Rvl16u>(rng);
    sweep<Rvl16s>(rng);
    sweep<Rvl32f>(rng);
    sweep<Rvl64f>(rng);
}

TEST(WarpAffine, WideRowsAndScaling) {
    Rng rng(7);
    for (int interp : {rvlInterNearest, rvlInterLinear, rvlInterCubicBC}) {
        WarpCase s{};
        s.srcW = 157, s.srcH = 9, s.dstW = 301, s.dstH = 7, s.channels = 3, s.interp = interp, s.border = rvlBorderReplicate;
        s.direction = rvlMapForward;
        s.coeffs = rotation_about(3, 78, 4, 1.9, 0, -1);
        check_warp<Rvl8u>(s, rng);
        s.channels = 1;
        check_warp<Rvl32f>(s, rng);
    }
}

// Exact rearrangements: the identity, an integer translation and a
// rotation by 90 degrees copy source pixels (linear weights 0 or 1).
template <class T>
void check_rearrangement(const Affine& fwd, int dstW, int dstH, int W, int H, int interp, int border, Rng& rng,
                         std::function<std::pair<int, int>(int, int)> source_of) {
    WarpCase s{};
    s.srcW = W, s.srcH = H, s.dstW = dstW, s.dstH = dstH, s.channels = 3, s.interp = interp, s.border = border;
    s.direction = rvlMapForward, s.coeffs = fwd, s.type = type_of<T>();
    const Spec spec = make_spec(s);
    ASSERT_EQ(spec.status, rvlResOk);
    const RefSource<T> src = random_source<T>(W, H, 3, 0, rng);
    TestImage<T> srcImg = test_image_of(src.big, rng);
    TestImage<T> got(dstW, dstH, 3, 1, 0);
    got.fill(rng, moderate_value<T>);
    TestImage<T> want = got;
    for (int y = 0; y < dstH; ++y)
        for (int x = 0; x < dstW; ++x) {
            const auto [sx, sy] = source_of(x, y);
            if (sx < 0 || sy < 0 || sx >= W || sy >= H) continue;
            for (int c = 0; c < 3; ++c) want.set(x, y, c, src.get(sx, sy, c));
        }
    EXPECT_EQ(run_tile(warp_members<T>(), s, spec, src, srcImg, got, 0, 0, dstW, dstH, false), rvlResOk);
    EXPECT_TRUE(same_bytes(got, want));
}

TEST(WarpAffine, IdentityTranslationAndQuarterTurnsCopyPixels) {
    Rng rng(3);
    for (int interp : {rvlInterNearest, rvlInterLinear}) {
        // Identity: also the last column and row (index lowered, fraction 1).
        check_rearrangement<Rvl8u>({{{1, 0, 0}, {0, 1, 0}}}, 23, 17, 23, 17, interp, rvlBorderTransparent, rng,
                                   [](int x, int y) { return std::pair{x, y}; });
        check_rearrangement<Rvl32f>({{{1, 0, 0}, {0, 1, 0}}}, 23, 17, 23, 17, interp, rvlBorderReplicate, rng,
                                    [](int x, int y) { return std::pair{x, y}; });
        // Translation by (5, -3): pixels outside the shifted source keep
        // their values.
        check_rearrangement<Rvl16u>({{{1, 0, 5}, {0, 1, -3}}}, 30, 20, 21, 19, interp, rvlBorderTransparent, rng,
                                    [](int x, int y) { return std::pair{x - 5, y + 3}; });
        // 90 degrees: destination (x, y) = (H - 1 - sy, sx).
        check_rearrangement<Rvl8u>({{{0, -1, 12}, {1, 0, 0}}}, 13, 19, 19, 13, interp, rvlBorderTransparent, rng,
                                   [](int x, int y) { return std::pair{y, 12 - x}; });
    }
}

TEST(WarpAffine, ConstantBorderBlendsTheEdgeAndFillsTheRest) {
    // Source 4x4 of 200 shifted right by 2.5: the constant 0 fills the
    // tile; the column half a pixel outside the edge blends 100.
    WarpCase s{};
    s.srcW = 4, s.srcH = 4, s.dstW = 10, s.dstH = 4, s.channels = 1, s.interp = rvlInterLinear, s.border = rvlBorderConstant;
    s.direction = rvlMapForward, s.coeffs = {{{1, 0, 2.5}, {0, 1, 0}}}, s.type = rvlType8u;
    s.value[0] = 0;
    const Spec spec = make_spec(s);
    ASSERT_EQ(spec.status, rvlResOk);
    std::vector<Rvl8u> src(16, 200), dst(40, 7);
    Rvl8u buf[64];
    ASSERT_EQ(rvliWarpAffineLinear_8u_C1R(src.data(), 4, dst.data(), 10, {0, 0}, {10, 4}, spec.get(), buf), rvlResOk);
    const Rvl8u row[10] = {0, 0, 100, 200, 200, 200, 100, 0, 0, 0};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 10; ++x) EXPECT_EQ(dst[y * 10 + x], row[x]) << x << "," << y;
}

TEST(WarpAffine, TransparentTileOutsideTheQuadrangle) {
    WarpCase s{};
    s.srcW = 8, s.srcH = 8, s.dstW = 40, s.dstH = 40, s.channels = 1, s.interp = rvlInterLinear, s.border = rvlBorderTransparent;
    s.direction = rvlMapForward, s.coeffs = rotation_about(30, 4, 4, 1, 0, 0), s.type = rvlType8u;
    const Spec spec = make_spec(s);
    ASSERT_EQ(spec.status, rvlResOk);
    std::vector<Rvl8u> src(64, 9), dst(1600, 7);
    Rvl8u buf[64];
    EXPECT_EQ(rvliWarpAffineLinear_8u_C1R(src.data(), 8, dst.data() + 20 * 40 + 20, 40, {20, 20}, {20, 20}, spec.get(), buf),
              rvlResWarnQuadOutside);
    EXPECT_EQ(std::count(dst.begin(), dst.end(), 7), 1600);
    // The quadrangle wholly outside the destination: the Init stores the
    // warning and every worker returns it.
    s.coeffs = {{{1, 0, 100}, {0, 1, 0}}};
    const Spec away = make_spec(s);
    ASSERT_EQ(away.status, rvlResOk);
    EXPECT_EQ(rvliWarpAffineLinear_8u_C1R(src.data(), 8, dst.data(), 40, {0, 0}, {40, 40}, away.get(), buf), rvlResWarnQuadOutside);
    EXPECT_EQ(std::count(dst.begin(), dst.end(), 7), 1600);
}

TEST(WarpAffine, SmoothEdgeBlendsOnlyTheBoundary) {
    WarpCase s{};
    s.srcW = 16, s.srcH = 16, s.dstW = 30, s.dstH = 30, s.channels = 1, s.interp = rvlInterLinear, s.border = rvlBorderTransparent;
    s.direction = rvlMapForward, s.coeffs = rotation_about(20, 8, 8, 1, 6, 6), s.type = rvlType32f, s.smooth = 1;
    const Spec smooth = make_spec(s);
    s.smooth = 0;
    const Spec plain = make_spec(s);
    ASSERT_EQ(smooth.status, rvlResOk);
    std::vector<float> src(256, 100.0f), a(900, 0.0f), b(900, 0.0f);
    Rvl8u buf[64];
    ASSERT_EQ(rvliWarpAffineLinear_32f_C1R(src.data(), 64, a.data(), 120, {0, 0}, {30, 30}, smooth.get(), buf), rvlResOk);
    ASSERT_EQ(rvliWarpAffineLinear_32f_C1R(src.data(), 64, b.data(), 120, {0, 0}, {30, 30}, plain.get(), buf), rvlResOk);
    int blended = 0;
    for (int k = 0; k < 900; ++k) {
        EXPECT_GE(a[k], 0.0f);
        EXPECT_LE(a[k], b[k]);
        if (b[k] == 100.0f && a[k] < 100.0f) {
            ++blended;
            EXPECT_GE(a[k], 50.0f);
        }
    }
    EXPECT_GT(blended, 20);
    EXPECT_EQ(a[15 * 30 + 15], 100.0f);  // the interior is unchanged
}

// ---- Sizes and checks --------------------------------------------------------------

TEST(WarpAffine, Sizes) {
    const double id[2][3] = {{1, 0, 3}, {0, 1, -2}};
    int spec = 0, init = 0;
    // An integer translation with nearest or linear keeps no tables.
    ASSERT_EQ(rvliWarpAffineGetSize({20, 10}, {30, 40}, rvlType8u, id, rvlInterLinear, rvlMapForward, rvlBorderConstant, &spec, &init),
              rvlResOk);
    EXPECT_EQ(spec, 416);
    EXPECT_EQ(init, 64);
    // Cubic: one table of the rows crossed (y = -2 .. 7 limited to 0 .. 7:
    // 8 rows), plus for a constant border the widened one (-4 .. 9: 10).
    ASSERT_EQ(rvliWarpAffineGetSize({20, 10}, {30, 40}, rvlType8u, id, rvlInterCubicBC, rvlMapForward, rvlBorderTransparent, &spec, &init),
              rvlResOk);
    EXPECT_EQ(spec, 336 + 8 * 8 + 24);
    ASSERT_EQ(rvliWarpAffineGetSize({20, 10}, {30, 40}, rvlType8u, id, rvlInterCubicBC, rvlMapForward, rvlBorderConstant, &spec, &init),
              rvlResOk);
    EXPECT_EQ(spec, 336 + 8 * 8 + 24 + 8 * 10 + 24);
    Rvl64s specL = 0, initL = 0;
    ASSERT_EQ(rvliWarpAffineGetSize_L({20, 10}, {30, 40}, rvlType8u, id, rvlInterCubicBC, rvlMapForward, rvlBorderConstant, &specL, &initL),
              rvlResOk);
    EXPECT_EQ(specL, spec);

    WarpCase s{};
    s.srcW = 20, s.srcH = 10, s.dstW = 30, s.dstH = 40, s.channels = 1, s.interp = rvlInterLinear, s.border = rvlBorderReplicate;
    s.type = rvlType8u, s.coeffs = {{{1, 0, 3}, {0, 1, -2}}};
    const Spec w = make_spec(s), wl = make_spec(s, true);
    int buf = 0;
    Rvl64s bufL = 0;
    EXPECT_EQ(rvliWarpGetBufferSize(w.get(), {30, 40}, &buf), rvlResOk);
    EXPECT_EQ(buf, 64);
    EXPECT_EQ(rvliWarpGetBufferSize(w.get(), {31, 40}, &buf), rvlResWarnArgumentRange);
    EXPECT_EQ(rvliWarpGetBufferSize(w.get(), {0, 40}, &buf), rvlResWarnNothingDone);
    EXPECT_EQ(rvliWarpGetBufferSize(w.get(), {-1, 40}, &buf), rvlResBadSize);
    EXPECT_EQ(rvliWarpGetBufferSize(wl.get(), {3, 4}, &buf), rvlResBadContext);
    EXPECT_EQ(rvliWarpGetBufferSize_L(wl.get(), {3, 4}, &bufL), rvlResOk);
    EXPECT_EQ(rvliWarpGetBufferSize(w.get(), {3, 4}, nullptr), rvlResNullPointer);
}

TEST(WarpAffine, InitChecksInOrder) {
    const double ok[2][3] = {{1, 0.1, 0}, {0.2, 1, 0}};
    const double flat[2][3] = {{1, 2, 0}, {2, 4, 0}};
    const double value[4] = {1, 2, 3, 4};
    std::vector<unsigned char> mem(4096, 0x5A);
    auto* spec = reinterpret_cast<RvlWarpSpec*>(mem.data());
    auto init = [&](RvlSize src, RvlSize dst, int type, const double (*c)[3], int dir, int ch, int border, const double* v, int smooth,
                    RvlWarpSpec* p) {
        return rvliWarpAffineLinearInit(src, dst, type, c, RvlMappingDirection(dir), ch, RvlBorderMode(border), v, smooth, p);
    };
    // Each argument breaks one check and everything after it too: the
    // first broken check decides.
    EXPECT_EQ(init({0, 0}, {0, 0}, 2, nullptr, 5, 2, 256, nullptr, 1, nullptr), rvlResBadBorder);
    EXPECT_EQ(init({0, 0}, {0, 0}, 2, nullptr, 5, 2, rvlBorderMirror, nullptr, 1, nullptr), rvlResBadBorder);
    EXPECT_EQ(init({0, 0}, {0, 0}, 2, nullptr, 5, 2, rvlBorderConstant, nullptr, 1, spec), rvlResNullPointer);
    EXPECT_EQ(init({0, 0}, {0, 0}, 2, ok, 5, 2, rvlBorderConstant, nullptr, 1, spec), rvlResBadSize);
    EXPECT_EQ(init({9, 9}, {9, 9}, 2, ok, 5, 2, rvlBorderConstant, nullptr, 1, spec), rvlResBadDataType);
    EXPECT_EQ(init({9, 9}, {9, 9}, rvlType8u, ok, 5, 2, rvlBorderConstant, nullptr, 1, spec), rvlResBadDirection);
    EXPECT_EQ(init({9, 9}, {9, 9}, rvlType8u, flat, 1, 2, rvlBorderConstant, nullptr, 1, spec), rvlResBadCoeffs);
    EXPECT_EQ(init({9, 9}, {9, 9}, rvlType8u, ok, 1, 2, rvlBorderConstant, nullptr, 1, spec), rvlResNullPointer);
    EXPECT_EQ(init({9, 9}, {9, 9}, rvlType8u, ok, 1, 2, rvlBorderConstant, value, 1, spec), rvlResBadChannelCount);
    EXPECT_EQ(init({1, 9}, {9, 9}, rvlType8u, ok, 1, 3, rvlBorderConstant, value, 1, spec), rvlResUnsupportedMode);
    EXPECT_EQ(init({1, 9}, {9, 9}, rvlType8u, ok, 1, 3, rvlBorderReplicate, value, 1, spec), rvlResUnsupportedMode);
    EXPECT_EQ(init({1, 9}, {0x2000000, 9}, rvlType8u, ok, 1, 3, rvlBorderTransparent, value, 1, spec), rvlResBadSize);
    EXPECT_EQ(init({2, 9}, {0x2000000, 9}, rvlType8u, ok, 1, 3, rvlBorderTransparent, value, 1, spec), rvlResSizeOverflow);
    EXPECT_TRUE(std::all_of(mem.begin(), mem.end(), [](unsigned char b) { return b == 0x5A; })) << "a refused Init wrote";
    EXPECT_EQ(init({9, 9}, {9, 9}, rvlType8u, ok, 1, 3, rvlBorderInMemory, value, 1, spec), rvlResOk);

    int a = 0, b = 0;
    auto size = [&](RvlSize src, RvlSize dst, int type, const double (*c)[3], int interp, int dir, int border, int* p) {
        return rvliWarpAffineGetSize(src, dst, type, c, RvlInterpolation(interp), RvlMappingDirection(dir), RvlBorderMode(border), p, &b);
    };
    EXPECT_EQ(size({0, 0}, {0, 0}, 2, nullptr, 3, 5, 0x1F1, nullptr), rvlResBadBorder);
    EXPECT_EQ(size({0, 0}, {0, 0}, 2, ok, 3, 5, 0xF0, nullptr), rvlResNullPointer);
    EXPECT_EQ(size({0, 0}, {0, 0}, 2, ok, 3, 5, 0xF0, &a), rvlResBadSize);
    a = 7;
    EXPECT_EQ(size({0x2000000, 1}, {1, 1}, 2, ok, 3, 5, 0xF0, &a), rvlResSizeOverflow);
    EXPECT_EQ(a, 0);  // the size output is set to 0
    EXPECT_EQ(size({1, 1}, {1, 1}, 2, ok, 3, 5, 0xF0, &a), rvlResBadDataType);
    EXPECT_EQ(size({1, 1}, {1, 1}, rvlType64f, ok, 3, 5, 0xF0, &a), rvlResBadInterpolation);
    EXPECT_EQ(size({1, 1}, {1, 1}, rvlType64f, ok, 6, 5, 0xF0, &a), rvlResBadDirection);
    EXPECT_EQ(size({1, 1}, {1, 1}, rvlType64f, flat, 6, 0, 0xF0, &a), rvlResBadCoeffs);
    EXPECT_EQ(size({1, 1}, {1, 1}, rvlType64f, ok, 6, 0, 0xF0, &a), rvlResBadSize);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(size({2, 2}, {1, 1}, rvlType64f, ok, 6, 0, 0xF0, &a), rvlResOk);
    EXPECT_GT(a, 0);
}

TEST(WarpAffine, WorkerChecksInOrder) {
    WarpCase s{};
    s.srcW = 8, s.srcH = 8, s.dstW = 10, s.dstH = 10, s.channels = 3, s.interp = rvlInterLinear, s.border = rvlBorderReplicate;
    s.type = rvlType16u, s.coeffs = rotation_about(10, 4, 4, 1, 1, 1);
    const Spec spec = make_spec(s), specL = make_spec(s, true);
    s.interp = rvlInterNearest;
    const Spec nearest = make_spec(s);
    std::vector<Rvl16u> src(8 * 8 * 3, 1), dst(10 * 10 * 3, 7);
    Rvl8u buf[64];
    const RvlWarpSpec* p = spec.get();
    auto run = [&](const Rvl16u* sp, Rvl16u* dp, RvlPoint o, RvlSize z, const RvlWarpSpec* q, Rvl8u* b) {
        return rvliWarpAffineLinear_16u_C3R(sp, 48, dp, 60, o, z, q, b);
    };
    EXPECT_EQ(run(nullptr, dst.data(), {-1, 0}, {0, 0}, nullptr, buf), rvlResNullPointer);
    EXPECT_EQ(run(src.data(), dst.data(), {-1, 0}, {0, 5}, nearest.get(), nullptr), rvlResNullPointer);
    EXPECT_EQ(run(src.data(), dst.data(), {-1, 0}, {0, 5}, nearest.get(), buf), rvlResWarnNothingDone);
    EXPECT_EQ(run(src.data(), dst.data(), {-1, 0}, {-1, 5}, nearest.get(), buf), rvlResBadContext);
    EXPECT_EQ(run(src.data(), dst.data(), {-1, 0}, {-1, 5}, specL.get(), buf), rvlResBadContext);
    EXPECT_EQ(rvliWarpAffineLinear_16s_C3R(reinterpret_cast<const Rvl16s*>(src.data()), 48, reinterpret_cast<Rvl16s*>(dst.data()), 60,
                                           {0, 0}, {1, 1}, p, buf),
              rvlResBadContext);
    EXPECT_EQ(rvliWarpAffineLinear_16u_C4R(src.data(), 48, dst.data(), 60, {0, 0}, {1, 1}, p, buf), rvlResBadContext);
    EXPECT_EQ(run(src.data(), dst.data(), {-1, 0}, {-1, 5}, p, buf), rvlResBadSize);
    EXPECT_EQ(run(src.data(), dst.data(), {-1, 0}, {1, 5}, p, buf), rvlResOutOfRange);
    EXPECT_EQ(run(src.data(), dst.data(), {0, 10}, {1, 5}, p, buf), rvlResOutOfRange);
    EXPECT_TRUE(std::all_of(dst.begin(), dst.end(), [](Rvl16u v) { return v == 7; }));
    // A tile reaching past the destination is limited to it.
    std::vector<Rvl16u> big(12 * 12 * 3, 7);
    EXPECT_EQ(rvliWarpAffineLinear_16u_C3R(src.data(), 48, big.data(), 72, {5, 5}, {7, 7}, p, buf), rvlResWarnArgumentRange);
    for (int y = 0; y < 7; ++y)
        for (int x = 5; x < 7; ++x) EXPECT_EQ(big[(y * 12 + x) * 3], 7) << "wrote past the destination";
    EXPECT_EQ(rvliWarpAffineLinear_16u_C3R_L(src.data(), 48, dst.data(), 60, {0, 0}, {10, 10}, specL.get(), buf), rvlResOk);
}

// ---- Transform helpers ---------------------------------------------------------------

TEST(WarpTransforms, RotationsAreExactAtRightAngles) {
    double c[2][3];
    ASSERT_EQ(rvliGetRotateTransform(450, 3, 4, c), rvlResOk);
    const double q[2][3] = {{0, 1, 3}, {-1, 0, 4}};
    EXPECT_EQ(std::memcmp(c, q, sizeof c), 0);
    ASSERT_EQ(rvliGetRotateTransform(-90, 0, 0, c), rvlResOk);
    EXPECT_EQ(c[0][0], 0.0);
    EXPECT_EQ(c[0][1], -1.0);
    EXPECT_EQ(c[1][0], 1.0);
    ASSERT_EQ(rvliGetRotateTransform(30, 0, 0, c), rvlResOk);
    EXPECT_DOUBLE_EQ(c[0][0], std::sqrt(3.0) / 2);
    EXPECT_DOUBLE_EQ(c[0][1], 0.5);
    EXPECT_EQ(rvliGetRotateTransform(NAN, 0, 0, nullptr), rvlResOutOfRange);
    EXPECT_EQ(rvliGetRotateTransform(1, 0, 0, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliGetRotateTransform_L(INFINITY, 0, 0, c), rvlResOutOfRange);

    // The shift keeps the centre fixed.
    double xs, ys;
    ASSERT_EQ(rvliGetRotateShift(10, 20, 37, &xs, &ys), rvlResOk);
    ASSERT_EQ(rvliGetRotateTransform(37, xs, ys, c), rvlResOk);
    EXPECT_NEAR(c[0][0] * 10 + c[0][1] * 20 + c[0][2], 10, 1e-12);
    EXPECT_NEAR(c[1][0] * 10 + c[1][1] * 20 + c[1][2], 20, 1e-12);
    ASSERT_EQ(rvliGetRotateShift_L(10, 20, 180, &xs, &ys), rvlResOk);
    EXPECT_EQ(xs, 20.0);
    EXPECT_EQ(ys, 40.0);
    ASSERT_EQ(rvliGetRotateShift(10, 20, 720, &xs, &ys), rvlResOk);
    EXPECT_EQ(xs, 0.0);
    EXPECT_EQ(ys, 0.0);
    EXPECT_EQ(rvliGetRotateShift(0, 0, 1, &xs, nullptr), rvlResNullPointer);
}

TEST(WarpTransforms, TransformQuadBound) {
    double c[2][3];
    const double corners[4][2] = {{2, 3}, {11, 3}, {11, 7}, {2, 7}};
    ASSERT_EQ(rvliGetAffineTransform({2, 3, 10, 5}, corners, c), rvlResOk);
    const double id[2][3] = {{1, 0, 0}, {0, 1, 0}};
    EXPECT_EQ(std::memcmp(c, id, sizeof c), 0);
    // A trapezoid: only q0, q1, q2 are used.
    const double trap[4][2] = {{0, 0}, {9, 0}, {7, 4}, {1, 4}};
    ASSERT_EQ(rvliGetAffineTransform({0, 0, 10, 5}, trap, c), rvlResWarnNotParallelogram);
    EXPECT_DOUBLE_EQ(c[0][0], 1.0);
    EXPECT_DOUBLE_EQ(c[0][1], -0.5);
    EXPECT_DOUBLE_EQ(c[1][1], 1.0);
    const double twisted[4][2] = {{0, 0}, {9, 0}, {0, 4}, {9, 4}};
    EXPECT_EQ(rvliGetAffineTransform({0, 0, 10, 5}, twisted, c), rvlResBadQuad);
    const double line[4][2] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}};
    EXPECT_EQ(rvliGetAffineTransform({0, 0, 10, 5}, line, c), rvlResBadQuad);
    EXPECT_EQ(rvliGetAffineTransform({0, 0, 1, 5}, corners, c), rvlResBadRect);
    EXPECT_EQ(rvliGetAffineTransform({-1, 0, 1, 5}, line, c), rvlResBadSize);
    EXPECT_EQ(rvliGetAffineTransform({0, 0, 1, 5}, nullptr, c), rvlResNullPointer);
    EXPECT_EQ(rvliGetAffineTransform_L({2, 3, 10, 5}, corners, c), rvlResOk);

    const double m[2][3] = {{2, 1, 5}, {-1, 3, 0}};
    double quad[4][2], bound[2][2];
    ASSERT_EQ(rvliGetAffineQuad({1, 2, 4, 3}, quad, m), rvlResOk);
    const double want[4][2] = {{9, 5}, {15, 2}, {17, 8}, {11, 11}};
    EXPECT_EQ(std::memcmp(quad, want, sizeof quad), 0);
    ASSERT_EQ(rvliGetAffineBound_L({1, 2, 4, 3}, bound, m), rvlResOk);
    EXPECT_EQ(bound[0][0], 9.0);
    EXPECT_EQ(bound[0][1], 2.0);
    EXPECT_EQ(bound[1][0], 17.0);
    EXPECT_EQ(bound[1][1], 11.0);
    // A singular matrix: the quadrangle and bound are still written.
    const double flat[2][3] = {{1, 1, 0}, {1, 1, 0}};
    EXPECT_EQ(rvliGetAffineQuad({0, 0, 3, 3}, quad, flat), rvlResBadCoeffs);
    EXPECT_EQ(quad[2][0], 4.0);
    EXPECT_EQ(rvliGetAffineBound({0, 0, 3, 3}, bound, flat), rvlResBadCoeffs);
    EXPECT_EQ(bound[1][1], 4.0);
    EXPECT_EQ(rvliGetAffineBound({0, 0, 0, 3}, bound, m), rvlResBadSize);
    EXPECT_EQ(rvliGetAffineQuad_L({0, 0, 3, 3}, nullptr, m), rvlResNullPointer);
}

TEST(WarpTransforms, SourceRoiOfATile) {
    const double shift[2][3] = {{1, 0, 10.5}, {0, 1, -3}};  // forward: source x + 10.5
    RvlRect r{};
    // Destination columns 20..29 read source 9.5 .. 18.5: pixels 9 .. 19.
    ASSERT_EQ(rvliGetAffineSrcRoi({100, 50}, shift, rvlMapForward, {20, 0}, {10, 4}, &r), rvlResOk);
    EXPECT_EQ(r.x, 9);
    EXPECT_EQ(r.width, 11);
    EXPECT_EQ(r.y, 3);
    EXPECT_EQ(r.height, 5);
    // Limited to the source; wholly outside gives an empty rectangle.
    ASSERT_EQ(rvliGetAffineSrcRoi({12, 50}, shift, rvlMapForward, {20, 0}, {10, 4}, &r), rvlResOk);
    EXPECT_EQ(r.x + r.width, 12);
    EXPECT_EQ(rvliGetAffineSrcRoi({5, 50}, shift, rvlMapForward, {20, 0}, {10, 4}, &r), rvlResWarnQuadOutside);
    EXPECT_EQ(r.width, 0);
    RvlRectL rl{};
    ASSERT_EQ(rvliGetAffineSrcRoi_L({100, 50}, shift, rvlMapBackward, {0, 0}, {4, 4}, &rl), rvlResOk);
    EXPECT_EQ(rl.x, 10);
    EXPECT_EQ(rl.width, 5);
    EXPECT_EQ(rvliGetAffineSrcRoi({100, 50}, shift, rvlMapForward, {0, 0}, {4, 4}, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliGetAffineSrcRoi({100, 50}, shift, RvlMappingDirection(2), {0, 0}, {0x2000000, 4}, &r), rvlResSizeOverflow);
    EXPECT_EQ(rvliGetAffineSrcRoi({100, 50}, shift, RvlMappingDirection(2), {0, 0}, {4, 4}, &r), rvlResBadDirection);
}

}  // namespace
}  // namespace rvltest::warp
