// Template matching: CrossCorrNorm and SqrDistanceNorm against plain
// double-precision sums over every placement (every shape, normalisation,
// type, single and tiled transforms, templates from 1x1 to the source's
// size), with the work buffer against a guard page at exactly the reported
// size; the worked cases; the buffer sizes and the check orders.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "rvl.h"
#include "support/guarded.hpp"
#include "support/image.hpp"

namespace {

using namespace rvltest;
using I64 = std::int64_t;

constexpr Rvl32u kFull = 0, kValid = 0x10000, kSame = 0x20000;
constexpr Rvl32u kScaled = 0x100, kCoefficient = 0x200;

struct Sums {
    double r = 0, s1 = 0, s2 = 0, mag = 0;  // sum t*s, sum s, sum s^2, sum |t*s|
};

// The template's corner for output (x, y) of each shape.
int corner(Rvl32u shape, int x, int t) { return shape == kFull ? x - t + 1 : shape == kSame ? x - t / 2 : x; }

template <class T>
Sums window(const TestImage<T>& s, const TestImage<T>& t, Rvl32u shape, int x, int y, double tMean) {
    Sums w;
    const int cx = corner(shape, x, t.width()), cy = corner(shape, y, t.height());
    for (int j = 0; j < t.height(); ++j)
        for (int i = 0; i < t.width(); ++i) {
            const int sx = cx + i, sy = cy + j;
            const double v = sx < 0 || sy < 0 || sx >= s.width() || sy >= s.height() ? 0.0 : static_cast<double>(s.at(sx, sy, 0));
            const double p = (static_cast<double>(t.at(i, j, 0)) - tMean) * v;
            w.r += p;
            w.mag += std::fabs(p);
            w.s1 += v;
            w.s2 += v * v;
        }
    return w;
}

struct TemplateStats {
    double sumSq = 0, mean = 0, n = 0;
};

template <class T>
TemplateStats stats(const TestImage<T>& t) {
    TemplateStats st;
    st.n = static_cast<double>(t.width()) * t.height();
    for (int j = 0; j < t.height(); ++j)
        for (int i = 0; i < t.width(); ++i) {
            const double v = t.at(i, j, 0);
            st.sumSq += v * v;
            st.mean += v;
        }
    st.mean /= st.n;
    return st;
}

// The expected value and an error bound for one output. The transforms'
// rounding error spreads over a whole tile: it is bounded by the energy of
// the source times that of the template (`energy`), besides the window's own
// products.
struct Expect {
    double value, bound;
};

Expect cross_corr(const Sums& w, const TemplateStats& t, Rvl32u norm, double energy) {
    const double err = 3e-6 * (w.mag + std::sqrt(w.s2 * t.sumSq)) + 1e-7 * energy + 1e-6;
    if (norm == 0) return {w.r, err};
    double tt = norm == kScaled ? std::max(std::sqrt(t.sumSq), 0x1p-23) : 0;
    tt = norm == kScaled ? tt * tt : std::max(t.sumSq - t.n * t.mean * t.mean, 0x1p-46);
    double ww = norm == kScaled ? w.s2 : w.s2 - w.s1 * w.s1 / t.n;
    if (ww < (norm == kScaled ? 0x1p-23 : 0x1p-46) * tt) ww = 0;
    const double d = std::sqrt(ww * tt);
    if (d == 0) return {0, 0};
    return {w.r / d, err / d + 1e-5};
}

Expect sqr_distance(const Sums& w, const TemplateStats& t, Rvl32u norm, double energy) {
    const double v = w.s2 - 2 * w.r + t.sumSq;
    const double err = 6e-6 * (w.mag + std::sqrt(w.s2 * t.sumSq)) + 2e-7 * (w.s2 + t.sumSq + energy) + 1e-6;
    if (norm == 0) return {v, err};
    const double d = std::sqrt(w.s2 < 1.1920929e-7 ? 0 : w.s2) * std::max(std::sqrt(t.sumSq), 0x1p-23);
    if (d == 0) return {v * 8388608.0, err * 8388608.0};
    return {v / d, err / d + 1e-5};
}

template <class S, class D>
using MatchFn = std::function<RvlResult(const S*, int, RvlSize, const S*, int, RvlSize, D*, int, int, Rvl32u, Rvl8u*)>;

template <class S>
MatchFn<S, float> to32f(RvlResult (*f)(const S*, int, RvlSize, const S*, int, RvlSize, Rvl32f*, int, Rvl32u, Rvl8u*)) {
    return [f](const S* a, int as, RvlSize asz, const S* b, int bs, RvlSize bsz, float* d, int ds, int, Rvl32u alg, Rvl8u* buf) {
        return f(a, as, asz, b, bs, bsz, d, ds, alg, buf);
    };
}

struct Case {
    int ws, hs, wt, ht;
    Rvl32u shape;
};

int out_w(const Case& c) { return c.shape == kFull ? c.ws + c.wt - 1 : c.shape == kValid ? c.ws - c.wt + 1 : c.ws; }
int out_h(const Case& c) { return c.shape == kFull ? c.hs + c.ht - 1 : c.shape == kValid ? c.hs - c.ht + 1 : c.hs; }

const std::vector<Case>& cases() {
    static const std::vector<Case> c = {
        {61, 45, 7, 5, kFull},   {61, 45, 7, 5, kValid},  {61, 45, 8, 6, kSame},    {200, 100, 36, 20, kValid},
        {200, 100, 36, 20, kFull}, {150, 90, 17, 9, kSame}, {23, 19, 23, 19, kValid}, {23, 19, 23, 19, kFull},
        {40, 33, 1, 1, kSame},   {40, 33, 1, 1, kFull},   {20, 10, 5, 3, kFull},   {9, 200, 3, 2, kValid},   {130, 5, 64, 5, kSame},
    };
    return c;
}

template <class S>
S sample(Rng& rng) {
    if constexpr (std::is_same_v<S, float>) return std::uniform_real_distribution<float>(-2.0f, 3.0f)(rng);
    else if constexpr (std::is_same_v<S, Rvl8u>) return static_cast<S>(rng() % 256);
    else return static_cast<S>(rng() % 65536);
}

// One member over every case and normalisation: each output against the
// reference (8u outputs: rounded to nearest, times 2^-sf, saturated, within
// one), and the destination's guards and padding intact.
template <class S, class D, bool Distance>
void check_member(const char* name, const MatchFn<S, D>& fn, int scaleFactor, Rng& rng) {
    const std::vector<Rvl32u> norms = Distance ? std::vector<Rvl32u>{0, kScaled} : std::vector<Rvl32u>{0, kScaled, kCoefficient};
    for (const Case& k : cases())
        for (Rvl32u norm : norms) {
            SCOPED_TRACE(::testing::Message() << name << " " << k.ws << "x" << k.hs << " tpl " << k.wt << "x" << k.ht << " shape "
                                              << (k.shape >> 16) << " norm " << (norm >> 8));
            TestImage<S> src(k.ws, k.hs, 1, 3, 1), tpl(k.wt, k.ht, 1, 1, 2);
            src.fill(rng, sample<S>);
            tpl.fill(rng, sample<S>);
            const int ow = out_w(k), oh = out_h(k);
            TestImage<D> dst(ow, oh, 1, 4, 1);
            dst.fill(rng, sample<D>);
            TestImage<D> want = dst;
            const Rvl32u alg = k.shape | norm | static_cast<Rvl32u>(rng() % 3);
            int bytes = -1;
            auto query = Distance ? rvliSqrDistanceNormGetBufferSize : rvliCrossCorrNormGetBufferSize;
            ASSERT_EQ(query({k.ws, k.hs}, {k.wt, k.ht}, alg, &bytes), rvlResOk);
            GuardedBlock buffer(static_cast<std::size_t>(bytes), Edge::End);
            ASSERT_EQ(fn(src.data(), src.step(), {k.ws, k.hs}, tpl.data(), tpl.step(), {k.wt, k.ht}, dst.data(), dst.step(),
                         scaleFactor, alg, buffer.data()),
                      rvlResOk);
            const TemplateStats ts = stats(tpl);
            double sourceSq = 0;
            for (int y = 0; y < k.hs; ++y)
                for (int x = 0; x < k.ws; ++x) sourceSq += static_cast<double>(src.at(x, y, 0)) * src.at(x, y, 0);
            const double energy = std::sqrt(sourceSq * ts.sumSq);
            for (int y = 0; y < oh; ++y)
                for (int x = 0; x < ow; ++x) {
                    const Sums w = window(src, tpl, k.shape, x, y, !Distance && norm == kCoefficient ? ts.mean : 0.0);
                    const Expect e = Distance ? sqr_distance(w, ts, norm, energy) : cross_corr(w, ts, norm, energy);
                    const D got = dst.at(x, y, 0);
                    if constexpr (std::is_same_v<D, float>) {
                        ASSERT_LE(std::fabs(got - e.value), e.bound) << "at (" << x << ", " << y << ")";
                    } else {
                        const double scaled = std::clamp(e.value * std::ldexp(1.0, -scaleFactor), 0.0, 255.0);
                        ASSERT_LE(std::fabs(got - scaled), 1.0 + e.bound * std::ldexp(1.0, -scaleFactor)) << "at (" << x << ", " << y << ")";
                    }
                    want.set(x, y, 0, got);
                }
            EXPECT_TRUE(same_bytes(dst, want));
        }
}

TEST(CrossCorrNorm, MembersMatchTheWindowSums) {
    Rng rng(51);
    check_member<float, float, false>("32f", to32f<float>(rvliCrossCorrNorm_32f_C1R), 0, rng);
    check_member<Rvl16u, float, false>("16u32f", to32f<Rvl16u>(rvliCrossCorrNorm_16u32f_C1R), 0, rng);
    check_member<Rvl8u, float, false>("8u32f", to32f<Rvl8u>(rvliCrossCorrNorm_8u32f_C1R), 0, rng);
    check_member<Rvl8u, Rvl8u, false>("8u sf -2", rvliCrossCorrNorm_8u_C1RSfs, -2, rng);
    check_member<Rvl8u, Rvl8u, false>("8u sf 12", rvliCrossCorrNorm_8u_C1RSfs, 12, rng);
}

TEST(SqrDistanceNorm, MembersMatchTheWindowSums) {
    Rng rng(52);
    check_member<float, float, true>("32f", to32f<float>(rvliSqrDistanceNorm_32f_C1R), 0, rng);
    check_member<Rvl16u, float, true>("16u32f", to32f<Rvl16u>(rvliSqrDistanceNorm_16u32f_C1R), 0, rng);
    check_member<Rvl8u, float, true>("8u32f", to32f<Rvl8u>(rvliSqrDistanceNorm_8u32f_C1R), 0, rng);
    check_member<Rvl8u, Rvl8u, true>("8u sf 0", rvliSqrDistanceNorm_8u_C1RSfs, 0, rng);
    check_member<Rvl8u, Rvl8u, true>("8u sf 9", rvliSqrDistanceNorm_8u_C1RSfs, 9, rng);
}

// A template cut from the source scores 1 where it was cut, a constant
// window scores 0, and the three method bytes give the same bytes.
TEST(CrossCorrNorm, WorkedCases) {
    Rng rng(53);
    TestImage<float> src(90, 70, 1);
    src.fill(rng, sample<float>);
    for (int y = 40; y < 60; ++y)
        for (int x = 50; x < 80; ++x) src.set(x, y, 0, 1.5f);  // a constant patch
    TestImage<float> tpl(12, 9, 1);
    for (int j = 0; j < 9; ++j)
        for (int i = 0; i < 12; ++i) tpl.set(i, j, 0, src.at(17 + i, 23 + j, 0));
    const int ow = 90 - 12 + 1, oh = 70 - 9 + 1;
    std::vector<float> out[3];
    for (Rvl32u method : {0u, 1u, 2u}) {
        int bytes = 0;
        ASSERT_EQ(rvliCrossCorrNormGetBufferSize({90, 70}, {12, 9}, kValid | kCoefficient | method, &bytes), rvlResOk);
        std::vector<Rvl8u> buf(bytes);
        out[method].assign(static_cast<std::size_t>(ow) * oh, -7.0f);
        ASSERT_EQ(rvliCrossCorrNorm_32f_C1R(src.data(), src.step(), {90, 70}, tpl.data(), tpl.step(), {12, 9}, out[method].data(),
                                            ow * 4, kValid | kCoefficient | method, buf.data()),
                  rvlResOk);
    }
    EXPECT_NEAR(out[0][23 * ow + 17], 1.0f, 1e-5);
    EXPECT_EQ(out[0][45 * ow + 55], 0.0f);  // window wholly inside the constant patch
    EXPECT_EQ(std::memcmp(out[0].data(), out[1].data(), out[0].size() * 4), 0);
    EXPECT_EQ(std::memcmp(out[0].data(), out[2].data(), out[0].size() * 4), 0);
}

// Zero windows: CrossCorrNorm gives 0, the scaled squared distance the
// plain value times 2^23.
TEST(SqrDistanceNorm, ZeroWindowsAreNotDivided) {
    std::vector<float> src(40 * 30, 0.0f), tpl(4 * 3, 0.5f), out(37 * 28, -1.0f);
    int bytes = 0;
    ASSERT_EQ(rvliSqrDistanceNormGetBufferSize({40, 30}, {4, 3}, kValid | kScaled, &bytes), rvlResOk);
    std::vector<Rvl8u> buf(bytes);
    ASSERT_EQ(rvliSqrDistanceNorm_32f_C1R(src.data(), 160, {40, 30}, tpl.data(), 16, {4, 3}, out.data(), 37 * 4, kValid | kScaled,
                                          buf.data()),
              rvlResOk);
    for (float v : out) ASSERT_NEAR(v, 3.0 * 8388608.0, 3.0 * 8388608.0 * 1e-6);  // sum t^2 = 12 * 0.25
    ASSERT_EQ(rvliCrossCorrNormGetBufferSize({40, 30}, {4, 3}, kValid | kCoefficient, &bytes), rvlResOk);
    buf.resize(bytes);
    ASSERT_EQ(rvliCrossCorrNorm_32f_C1R(src.data(), 160, {40, 30}, tpl.data(), 16, {4, 3}, out.data(), 37 * 4,
                                        kValid | kCoefficient, buf.data()),
              rvlResOk);
    for (float v : out) ASSERT_EQ(v, 0.0f);
}

// ---- Sizes and checks ------------------------------------------------------------------------

I64 a64(I64 n) { return (n + 63) / 64 * 64; }

I64 expected_bytes(int ox, int oy, I64 tw, I64 th, int norm) {
    int s = 0, i = 0, w = 0;
    EXPECT_EQ(rvliFFTGetSize_R_32f(ox, oy, 2, rvlHintNone, &s, &i, &w), rvlResOk);
    I64 work = w, plane = 0;
    if (norm) {
        work = std::max<I64>(work, tw * (norm == 1 ? 8 : 16));
        plane = a64(tw * th * 4);
    }
    return 64 + s + i + work + plane + 2 * a64((I64{1} << ox) * (I64{1} << oy) * 4);
}

TEST(CrossCorrNorm, BufferSizes) {
    int bytes = 0;
    // 640x480 valid with 32x32: 2*32 -> 64, doubled to 128 below 128 for a
    // 609-wide output; tiles of 97 x 97.
    ASSERT_EQ(rvliCrossCorrNormGetBufferSize({640, 480}, {32, 32}, kValid | kCoefficient, &bytes), rvlResOk);
    EXPECT_EQ(bytes, expected_bytes(7, 7, 97, 97, 2));
    // Full shape covered by one transform: 20x10 with 5x3 -> 24x12 output,
    // transforms of 16 doubled to 32 (16 < 24) and 8 doubled to 16.
    ASSERT_EQ(rvliSqrDistanceNormGetBufferSize({20, 10}, {5, 3}, kFull | kScaled, &bytes), rvlResOk);
    EXPECT_EQ(bytes, expected_bytes(5, 4, 24, 12, 1));
    // Valid with the template as large as the source: 23x19 -> 32 doubled
    // to 64, 32 doubled to 64.
    ASSERT_EQ(rvliCrossCorrNormGetBufferSize({23, 19}, {23, 19}, kValid, &bytes), rvlResOk);
    EXPECT_EQ(bytes, expected_bytes(6, 6, 42, 46, 0));
    // Large tiles stop doubling at 128: a 100-wide template takes 256.
    ASSERT_EQ(rvliCrossCorrNormGetBufferSize({1000, 300}, {100, 70}, kSame | kScaled, &bytes), rvlResOk);
    EXPECT_EQ(bytes, expected_bytes(8, 8, 157, 187, 1));
}

TEST(CrossCorrNorm, CheckOrder) {
    float s[64] = {}, t[16] = {}, d[64];
    Rvl8u buf[8];
    std::fill(d, d + 64, 9.0f);
    auto call = [&](const float* ps, RvlSize ss, RvlSize ts, int step, Rvl8u* b, Rvl32u alg) {
        return rvliCrossCorrNorm_32f_C1R(ps, step, ss, t, 16, ts, d, 32, alg, b);
    };
    EXPECT_EQ(call(nullptr, {8, 8}, {9, 1}, 0, nullptr, 3), rvlResNullPointer);
    EXPECT_EQ(call(s, {8, 8}, {9, 1}, 0, nullptr, 3), rvlResBadSize);  // template wider than the source
    EXPECT_EQ(call(s, {8, 8}, {1, 0}, 0, nullptr, 3), rvlResBadSize);
    EXPECT_EQ(call(s, {8, 8}, {4, 4}, 0, nullptr, 3), rvlResBadStep);
    EXPECT_EQ(call(s, {8, 8}, {4, 4}, 32, nullptr, 3), rvlResNullPointer);
    EXPECT_EQ(call(s, {8, 8}, {4, 4}, 32, buf, 3), rvlResBadAlgorithmType);
    EXPECT_EQ(call(s, {8, 8}, {4, 4}, 32, buf, 0x30000), rvlResBadAlgorithmType);
    EXPECT_EQ(call(s, {8, 8}, {4, 4}, 32, buf, 0x300), rvlResBadAlgorithmType);
    for (float v : d) ASSERT_EQ(v, 9.0f);
    // The squared distance has no coefficient form.
    EXPECT_EQ(rvliSqrDistanceNorm_32f_C1R(s, 32, {8, 8}, t, 16, {4, 4}, d, 32, kCoefficient, buf), rvlResBadAlgorithmType);
    int bytes = 5;
    EXPECT_EQ(rvliSqrDistanceNormGetBufferSize({8, 8}, {4, 4}, kCoefficient, &bytes), rvlResBadAlgorithmType);
    EXPECT_EQ(rvliCrossCorrNormGetBufferSize({8, 8}, {4, 9}, 7, &bytes), rvlResBadSize);
    EXPECT_EQ(rvliCrossCorrNormGetBufferSize({8, 8}, {4, 9}, 7, nullptr), rvlResNullPointer);
    EXPECT_EQ(bytes, 5);
}

}  // namespace
