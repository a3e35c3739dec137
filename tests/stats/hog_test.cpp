// HOG descriptors against a plain reference of the stated steps (gradients
// with the border, orientation, votes, Gaussian-weighted cells, L2-Hys) on
// small images with overlapping and passed-over windows, both block orders,
// one- and three-channel sources; the configuration checks, sizes, the
// working-region rule and the check orders.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "rvl.h"
#include "support/border_ref.hpp"
#include "support/image.hpp"

namespace {

using namespace rvltest;

RvlHogConfig config(int cell, int step, int bins, RvlSize window, int byColumns = 0) {
    RvlHogConfig c{};
    c.blockOrderByColumns = byColumns;
    c.cellSide = cell;
    c.blockSide = 2 * cell;
    c.blockStep = step;
    c.binCount = bins;
    c.gaussSigma = float(cell);
    c.clipThreshold = 0.2f;
    c.windowSize = window;
    return c;
}

std::vector<Rvl8u> spec_of(const RvlHogConfig& c) {
    int size = 0;
    EXPECT_EQ(rvliHOGGetSize(&c, &size), rvlResOk);
    std::vector<Rvl8u> s(std::size_t(size) + 1);
    EXPECT_EQ(rvliHOGInit(&c, reinterpret_cast<RvlHogSpec*>(s.data() + 1)), rvlResOk);  // any alignment
    return s;
}
const RvlHogSpec* hog_spec(const std::vector<Rvl8u>& s) { return reinterpret_cast<const RvlHogSpec*>(s.data() + 1); }

TEST(HOG, ConfigurationChecksAndSizes) {
    RvlHogConfig c = config(8, 8, 9, {64, 128});
    int size = 0;
    ASSERT_EQ(rvliHOGGetSize(&c, &size), rvlResOk);
    EXPECT_EQ(size, 1096);
    const auto s = spec_of(c);
    ASSERT_EQ(rvliHOGGetDescriptorSize(hog_spec(s), &size), rvlResOk);
    EXPECT_EQ(size, 4 * 3780);
    ASSERT_EQ(rvliHOGGetBufferSize(hog_spec(s), {70, 130}, &size), rvlResOk);
    EXPECT_EQ(size, 70 * 130 * 12);
    EXPECT_EQ(rvliHOGGetBufferSize(hog_spec(s), {63, 130}, &size), rvlResBadSize);

    const auto refused = [&](RvlHogConfig k) {
        int sz = 0;
        return rvliHOGGetSize(&k, &sz);
    };
    RvlHogConfig k = c;
    k.blockSide = 24;
    EXPECT_EQ(refused(k), rvlResUnsupportedMode);  // 3 x 3 cells
    k = c, k.cellSide = 1;
    EXPECT_EQ(refused(k), rvlResUnsupportedMode);
    k = c, k.blockStep = 4;
    EXPECT_EQ(refused(k), rvlResUnsupportedMode);
    k = c, k.blockStep = 0;
    EXPECT_EQ(refused(k), rvlResUnsupportedMode);
    k = c, k.binCount = 17;
    EXPECT_EQ(refused(k), rvlResUnsupportedMode);
    k = c, k.clipThreshold = 0;
    EXPECT_EQ(refused(k), rvlResUnsupportedMode);
    k = c, k.windowSize.width = 70;
    EXPECT_EQ(refused(k), rvlResBadSize);
    k = c, k.windowSize.height = 8;
    EXPECT_EQ(refused(k), rvlResBadSize);
    EXPECT_EQ(rvliHOGGetSize(&c, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliHOGGetSize(nullptr, &size), rvlResNullPointer);
    EXPECT_EQ(rvliHOGInit(&c, nullptr), rvlResNullPointer);
    std::vector<Rvl8u> garbage(1200, 0);
    EXPECT_EQ(rvliHOGGetDescriptorSize(reinterpret_cast<RvlHogSpec*>(garbage.data()), &size), rvlResBadContext);
}

// ---- The reference ------------------------------------------------------------------

template <class T, int C>
struct Reference {
    RvlHogConfig c;
    int W, H;  // the working region
    std::vector<float> p, q;
    std::vector<int> b0;
    std::vector<float> weights;

    Reference(const RvlHogConfig& cfg, const BorderedPixels<T>& px, int roiW, int roiH) : c(cfg) {
        const int bs = c.blockSide, cs = c.cellSide, st = c.blockStep;
        W = bs + st * ((roiW - bs) / st);
        H = bs + st * ((roiH - bs) / st);
        // Block weights.
        const float k = 1.0f / (c.gaussSigma * c.gaussSigma * 2.0f);
        weights.resize(std::size_t(bs) * bs);
        const auto t = [&](int i) { return 1.0f - std::fabs((i + 0.5f) / float(cs) - 0.5f); };
        for (int r = 0; r < bs; ++r)
            for (int col = 0; col < bs; ++col) {
                const float dr = float(r - bs / 2) + 0.5f, dc = float(col - bs / 2) + 0.5f;
                const float g = std::exp(-(dr * dr + dc * dc) * k);
                weights[r * bs + col] = r >= bs - cs / 2 || col >= bs - cs / 2 ? 0.0f : t(r) * t(col) * g;
            }
        // Votes.
        p.resize(std::size_t(W) * H), q.resize(p.size()), b0.resize(p.size());
        const float s = float(c.binCount / 3.141592653589793);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                float dx = 0, dy = 0, best = -1;
                for (int ch = 0; ch < C; ++ch) {
                    const float gx = float(px(x + 1, y, ch)) - float(px(x - 1, y, ch));
                    const float gy = float(px(x, y + 1, ch)) - float(px(x, y - 1, ch));
                    const float m2 = gx * gx + gy * gy;
                    if (ch == 0 || m2 > best) best = m2, dx = gx, dy = gy;
                }
                const float dx2 = dx * dx, dy2 = dy * dy;
                float a;
                if (dx2 >= dy2)
                    a = dx * dy / (dx2 + 0.28f * dy2 + 2.220446e-16f) + (dx < 0 ? 3.14159265f : dy >= 0 ? 0.0f : 6.28318531f);
                else
                    a = (dy >= 0 ? 1.57079633f : 4.71238898f) - dx * dy / (0.28f * dx2 + dy2 + 2.220446e-16f);
                const float m = std::sqrt(dx2 + dy2), u = a * s - 0.5f, kf = std::floor(u), f = u - kf;
                b0[y * W + x] = (int(kf) + c.binCount) % c.binCount;
                p[y * W + x] = (1 - f) * m;
                q[y * W + x] = f * m;
            }
    }

    std::vector<float> block(int X, int Y) const {
        const int bs = c.blockSide, n = c.binCount;
        std::vector<float> h(4 * std::size_t(n), 0.0f);
        const auto w = [&](int r, int col) { return weights[r * bs + col]; };
        for (int r = 0; r < bs; ++r)
            for (int col = 0; col < bs; ++col) {
                const int i = (Y + r) * W + X + col, a = b0[i], b = (a + 1) % n;
                const float ws[4] = {w(r, col), w(bs - 1 - r, col), w(r, bs - 1 - col), w(bs - 1 - r, bs - 1 - col)};
                for (int cell = 0; cell < 4; ++cell) {
                    h[cell * n + a] += p[i] * ws[cell];
                    h[cell * n + b] += q[i] * ws[cell];
                }
            }
        float s = 0;
        for (float v : h) s += v * v;
        float r = 1.0f / std::sqrt(s + 1.1920929e-7f), s2 = 0;
        for (float& v : h) v = std::min(v * r, c.clipThreshold), s2 += v * v;
        r = 1.0f / std::sqrt(s2 + 1.1920929e-7f);
        for (float& v : h) v *= r;
        return h;
    }

    // The descriptors of every position that fits, one after another.
    std::vector<float> descriptors(const std::vector<RvlPoint>& at) const {
        const int nbx = (c.windowSize.width - c.blockSide) / c.blockStep + 1, nby = (c.windowSize.height - c.blockSide) / c.blockStep + 1;
        const int L = 4 * c.binCount;
        std::vector<float> out;
        for (const RvlPoint& pt : at) {
            if (pt.x < 0 || pt.y < 0 || pt.x + c.windowSize.width > W || pt.y + c.windowSize.height > H) continue;
            std::vector<float> d(std::size_t(nbx) * nby * L);
            for (int by = 0; by < nby; ++by)
                for (int bx = 0; bx < nbx; ++bx) {
                    const auto b = block(pt.x + bx * c.blockStep, pt.y + by * c.blockStep);
                    const int index = c.blockOrderByColumns ? bx * nby + by : by * nbx + bx;
                    std::copy(b.begin(), b.end(), d.begin() + std::size_t(index) * L);
                }
            out.insert(out.end(), d.begin(), d.end());
        }
        return out;
    }
};

template <class T, int C>
void check_hog(const RvlHogConfig& cfg, int roiW, int roiH, int border, const std::vector<RvlPoint>& at, Rng& rng) {
    SCOPED_TRACE(::testing::Message() << "HOG " << type_code<T>() << " C" << C << " cell " << cfg.cellSide << " step " << cfg.blockStep
                                      << " bins " << cfg.binCount << " roi " << roiW << "x" << roiH << " border 0x" << std::hex
                                      << border);
    const int margin = 2;
    TestImage<T> img(roiW + 2 * margin, roiH + 2 * margin, C, int(rng() % 3), int(rng() % 4));
    img.fill(rng, [](Rng& r) {
        if constexpr (std::is_floating_point_v<T>) return T(int(r() % 4001) - 2000) / 16;
        else return T(r() % 3 == 0 ? 100 : r());
    });
    T value[3];
    for (T& v : value) v = T(rng() % 200);
    // The reference sees the border of the working region, not of the ROI.
    const int regionW = cfg.blockSide + cfg.blockStep * ((roiW - cfg.blockSide) / cfg.blockStep);
    const int regionH = cfg.blockSide + cfg.blockStep * ((roiH - cfg.blockSide) / cfg.blockStep);
    const BorderedPixels<T> px{[&](std::int64_t x, std::int64_t y, int ch) { return img.at(int(x + margin), int(y + margin), ch); },
                               regionW, regionH, 1, 1, 1, 1, border, value};
    const auto s = spec_of(cfg);
    const Reference<T, C> ref(cfg, px, roiW, roiH);
    const std::vector<float> want = ref.descriptors(at);
    ASSERT_GT(want.size(), 0u) << "no window fits: the case tests nothing";

    int bytes = 0, dsize = 0;
    ASSERT_EQ(rvliHOGGetBufferSize(hog_spec(s), {roiW, roiH}, &bytes), rvlResOk);
    ASSERT_EQ(rvliHOGGetDescriptorSize(hog_spec(s), &dsize), rvlResOk);
    std::vector<Rvl8u> buffer(static_cast<std::size_t>(bytes));
    std::vector<float> got(at.size() * std::size_t(dsize) / 4 + 1, -7.0f);
    const T* roi = reinterpret_cast<const T*>(reinterpret_cast<const char*>(img.data()) + margin * img.step()) + margin * C;
    RvlResult st;
    if constexpr (C == 1) {
        if constexpr (std::is_same_v<T, Rvl8u>)
            st = rvliHOG_8u32f_C1R(roi, img.step(), {roiW, roiH}, at.data(), int(at.size()), got.data(), hog_spec(s), RvlBorderMode(border), value[0], buffer.data());
        else if constexpr (std::is_same_v<T, Rvl16u>)
            st = rvliHOG_16u32f_C1R(roi, img.step(), {roiW, roiH}, at.data(), int(at.size()), got.data(), hog_spec(s), RvlBorderMode(border), value[0], buffer.data());
        else if constexpr (std::is_same_v<T, Rvl16s>)
            st = rvliHOG_16s32f_C1R(roi, img.step(), {roiW, roiH}, at.data(), int(at.size()), got.data(), hog_spec(s), RvlBorderMode(border), value[0], buffer.data());
        else
            st = rvliHOG_32f_C1R(roi, img.step(), {roiW, roiH}, at.data(), int(at.size()), got.data(), hog_spec(s), RvlBorderMode(border), value[0], buffer.data());
    } else {
        if constexpr (std::is_same_v<T, Rvl8u>)
            st = rvliHOG_8u32f_C3R(roi, img.step(), {roiW, roiH}, at.data(), int(at.size()), got.data(), hog_spec(s), RvlBorderMode(border), value, buffer.data());
        else if constexpr (std::is_same_v<T, Rvl16u>)
            st = rvliHOG_16u32f_C3R(roi, img.step(), {roiW, roiH}, at.data(), int(at.size()), got.data(), hog_spec(s), RvlBorderMode(border), value, buffer.data());
        else if constexpr (std::is_same_v<T, Rvl16s>)
            st = rvliHOG_16s32f_C3R(roi, img.step(), {roiW, roiH}, at.data(), int(at.size()), got.data(), hog_spec(s), RvlBorderMode(border), value, buffer.data());
        else
            st = rvliHOG_32f_C3R(roi, img.step(), {roiW, roiH}, at.data(), int(at.size()), got.data(), hog_spec(s), RvlBorderMode(border), value, buffer.data());
    }
    ASSERT_EQ(st, rvlResOk);
    for (std::size_t i = 0; i < want.size(); ++i) ASSERT_NEAR(got[i], want[i], 2e-6) << "float " << i;
    // Nothing past the written descriptors.
    for (std::size_t i = want.size(); i < got.size(); ++i) ASSERT_EQ(got[i], -7.0f) << "float " << i;
}

TEST(HOG, EveryMemberAgainstTheStatedSteps) {
    Rng rng(0x4067);
    const int borders[] = {1, 3, 6, 0xF0, 0x13, 0x46, 0x81};
    for (int k = 0; k < 4; ++k) {
        const RvlHogConfig cfg = k % 2 ? config(4, 4, 9, {16, 24}, 0) : config(2, 4, 5, {12, 8}, 1);
        const int roiW = cfg.windowSize.width + int(rng() % 11), roiH = cfg.windowSize.height + int(rng() % 9);
        // Overlapping windows on the block lattice, one off it, and some that do not fit.
        const std::vector<RvlPoint> at = {{0, 0}, {-1, 5}, {4, 0}, {4, 4}, {1, 2}, {0, 4}, {roiW, 0}, {4, 0}};
        const int border = borders[rng() % std::size(borders)];
        check_hog<Rvl8u, 1>(cfg, roiW, roiH, border, at, rng);
        check_hog<Rvl8u, 3>(cfg, roiW, roiH, border, at, rng);
        check_hog<Rvl16u, 1>(cfg, roiW, roiH, border, at, rng);
        check_hog<Rvl16u, 3>(cfg, roiW, roiH, border, at, rng);
        check_hog<Rvl16s, 1>(cfg, roiW, roiH, border, at, rng);
        check_hog<Rvl16s, 3>(cfg, roiW, roiH, border, at, rng);
        check_hog<Rvl32f, 1>(cfg, roiW, roiH, border, at, rng);
        check_hog<Rvl32f, 3>(cfg, roiW, roiH, border, at, rng);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

TEST(HOG, WorkingRegionPositionsAndConstantImages) {
    const RvlHogConfig cfg = config(8, 8, 9, {64, 128});
    const auto s = spec_of(cfg);
    std::vector<Rvl8u> img(70 * 130, 90), buffer(70 * 130 * 12);
    std::vector<float> out(3 * 3780 + 1, -1.0f);
    // A constant image: every block normalises zeros.
    const RvlPoint at[4] = {{0, 0}, {-1, 5}, {1, 0}, {0, 0}};
    ASSERT_EQ(rvliHOG_8u32f_C1R(img.data(), 70, {70, 130}, at, 4, out.data(), hog_spec(s), rvlBorderMirror, 0, buffer.data()), rvlResOk);
    EXPECT_TRUE(std::all_of(out.begin(), out.begin() + 2 * 3780, [](float v) { return v == 0.0f; }));
    EXPECT_EQ(out[2 * 3780], -1.0f);  // (1, 0) does not fit the 64 x 128 region: two descriptors
    // A null list with one position is the window at (0, 0); with two, refused.
    EXPECT_EQ(rvliHOG_8u32f_C1R(img.data(), 70, {70, 130}, nullptr, 1, out.data(), hog_spec(s), rvlBorderReplicate, 0, buffer.data()), rvlResOk);
    EXPECT_EQ(rvliHOG_8u32f_C1R(img.data(), 70, {70, 130}, nullptr, 2, out.data(), hog_spec(s), rvlBorderReplicate, 0, buffer.data()),
              rvlResNullPointer);
}

TEST(HOG, WorkerChecksInOrder) {
    const RvlHogConfig cfg = config(4, 4, 9, {8, 8});
    const auto s = spec_of(cfg);
    std::vector<Rvl32f> img(100, 1), out(64, 5);
    std::vector<Rvl8u> buffer(10 * 10 * 12);
    const RvlPoint at[1] = {{0, 0}};
    const Rvl32f v3[3] = {0, 0, 0};
    const auto f = [&](const RvlHogSpec* sp, Rvl8u* b, int step, RvlSize roi, int n, const RvlPoint* p, int border) {
        return rvliHOG_32f_C3R(img.data(), step, roi, p, n, out.data(), sp, RvlBorderMode(border), v3, b);
    };
    std::vector<Rvl8u> garbage(200, 0);
    const auto* bad = reinterpret_cast<const RvlHogSpec*>(garbage.data());
    EXPECT_EQ(f(hog_spec(s), nullptr, 0, {0, 0}, 0, nullptr, 2), rvlResNullPointer);
    EXPECT_EQ(f(bad, buffer.data(), 0, {0, 0}, 0, nullptr, 2), rvlResBadContext);
    EXPECT_EQ(f(hog_spec(s), buffer.data(), 0, {0, 0}, 0, nullptr, 2), rvlResBadStep);
    EXPECT_EQ(f(hog_spec(s), buffer.data(), 4 * 10 + 2, {0, 0}, 0, nullptr, 2), rvlResStepNotMultiple);
    EXPECT_EQ(f(hog_spec(s), buffer.data(), 40, {7, 10}, 0, nullptr, 2), rvlResBadSize);
    EXPECT_EQ(f(hog_spec(s), buffer.data(), 40, {10, 10}, 0, nullptr, 2), rvlResBadArg);
    EXPECT_EQ(f(hog_spec(s), buffer.data(), 40, {10, 10}, 2, nullptr, 2), rvlResNullPointer);
    EXPECT_EQ(f(hog_spec(s), buffer.data(), 40, {10, 10}, 1, at, 2), rvlResBadBorder);
    EXPECT_EQ(f(hog_spec(s), buffer.data(), 40, {10, 10}, 1, at, 0x107), rvlResBadBorder);
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](float v) { return v == 5; }));
    EXPECT_EQ(rvliHOG_32f_C3R(img.data(), 40, {3, 3}, at, 1, out.data(), hog_spec(s), rvlBorderReplicate, nullptr, buffer.data()),
              rvlResNullPointer);
    // An 8u source takes any step.
    std::vector<Rvl8u> img8(11 * 10, 3);
    EXPECT_EQ(rvliHOG_8u32f_C1R(img8.data(), 11, {10, 10}, at, 1, out.data(), hog_spec(s), rvlBorderReplicate, 0, buffer.data()), rvlResOk);
}

}  // namespace
