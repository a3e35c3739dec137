// 2-D FFT and packed spectra: sizes, transforms against a double-precision
// direct DFT, round trips, the packed layout against the full spectrum, the
// packed products, and the check orders.
#include <algorithm>
#include <cmath>
#include <utility>
#include <complex>
#include <cstring>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "rvl.h"
#include "support/guarded.hpp"

namespace {

using I64 = std::int64_t;
using Cd = std::complex<double>;

I64 a64(I64 n) { return (n + 63) / 64 * 64; }
struct S { I64 spec, init, work; };
S c1d(int n) {
    const I64 N = I64{1} << n;
    if (n <= 5) return {208, 0, 0};
    return {a64(8 * N + 8) + a64(N + 4) + 256, n <= 10 ? 0 : a64(N + 4) + 64, a64(8 * N) + 64};
}
S r1d(int n) {
    const I64 N = I64{1} << n;
    if (n <= 4) return {208, 0, 0};
    if (n <= 6) return {2 * a64(2 * N) + 256, 0, 0};
    S s = c1d(n - 1);
    return {s.spec + 2 * a64(2 * N), n <= 10 ? 0 : a64(N + 4) + 64, s.work};
}
I64 plus64(I64 v) { return v > 0 ? v + 64 : v; }

TEST(FftSizes, FollowTheFormulas) {
    for (int ox = 0; ox <= 20; ++ox)
        for (int oy = 0; oy <= 20; ++oy) {
            int spec, init, work;
            ASSERT_EQ(rvliFFTGetSize_C_32fc(ox, oy, rvlFftScaleInv, rvlHintNone, &spec, &init, &work), rvlResOk);
            const S x = c1d(ox), y = ox == oy ? S{0, 0, x.work} : c1d(oy);
            EXPECT_EQ(spec, plus64(a64(x.spec) + a64(y.spec) + 128));
            EXPECT_EQ(init, plus64(a64(x.init) + a64(y.init)));
            EXPECT_EQ(work, plus64(a64(std::max(x.work, y.work + 64 * (I64{1} << oy)))));
            ASSERT_EQ(rvliFFTGetSize_R_32f(ox, oy, rvlFftScaleFwd, rvlHintNone, &spec, &init, &work), rvlResOk);
            const S rx = r1d(ox), ry = ox == oy ? S{0, 0, rx.work} : r1d(oy), cy = c1d(oy);
            EXPECT_EQ(spec, plus64(a64(rx.spec) + a64(ry.spec) + a64(cy.spec) + 128));
            EXPECT_EQ(init, plus64(a64(rx.init) + a64(ry.init) + a64(cy.init)));
            EXPECT_EQ(work, plus64(a64(std::max({cy.work + 64 * (I64{1} << oy), ry.work + 16 * (I64{1} << oy), rx.work + 16 * (I64{1} << ox)}))));
        }
}

TEST(FftSizes, Checks) {
    int a, b, c;
    EXPECT_EQ(rvliFFTGetSize_C_32fc(31, 0, 3, rvlHintNone, &a, &b, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliFFTGetSize_C_32fc(31, 0, 3, rvlHintNone, &a, &b, &c), rvlResBadFftOrder);
    EXPECT_EQ(rvliFFTGetSize_C_32fc(29, 0, 3, rvlHintNone, &a, &b, &c), rvlResBadFftFlag);
    EXPECT_EQ(rvliFFTGetSize_C_32fc(29, 0, 1, rvlHintNone, &a, &b, &c), rvlResBadFftOrder);
    EXPECT_EQ(rvliFFTGetSize_R_32f(29, 0, 1, rvlHintNone, &a, &b, &c), rvlResSizeOverflow);
    EXPECT_EQ(rvliFFTGetSize_R_32f(3, 29, 1, rvlHintNone, &a, &b, &c), rvlResBadFftOrder);
    std::vector<Rvl8u> mem(4096);
    EXPECT_EQ(rvliFFTInit_C_32fc(31, 0, 3, rvlHintNone, nullptr, nullptr), rvlResBadFftOrder);
    EXPECT_EQ(rvliFFTInit_C_32fc(3, 0, 3, rvlHintNone, nullptr, nullptr), rvlResNullPointer);
    auto* cs = reinterpret_cast<RvlFft2dComplexSpec*>(mem.data());
    EXPECT_EQ(rvliFFTInit_C_32fc(3, 0, 3, rvlHintNone, cs, nullptr), rvlResBadFftFlag);
    EXPECT_EQ(rvliFFTInit_C_32fc(11, 0, 1, rvlHintNone, cs, nullptr), rvlResNullPointer);
    // A specification that is not the complex one.
    std::vector<Rvl32fc> img(8);
    std::vector<Rvl8u> work(4096);
    auto* rs = reinterpret_cast<RvlFft2dRealSpec*>(mem.data());
    ASSERT_EQ(rvliFFTInit_R_32f(3, 0, 1, rvlHintNone, rs, nullptr), rvlResOk);
    EXPECT_EQ(rvliFFTFwd_CToC_32fc_C1R(img.data(), 64, img.data(), 64, cs, work.data()), rvlResBadContext);
    ASSERT_EQ(rvliFFTInit_C_32fc(3, 0, 1, rvlHintNone, cs, nullptr), rvlResOk);
    EXPECT_EQ(rvliFFTFwd_CToC_32fc_C1R(img.data(), 64, img.data(), 64, nullptr, work.data()), rvlResNullPointer);
    EXPECT_EQ(rvliFFTFwd_CToC_32fc_C1R(nullptr, 0, img.data(), 64, cs, work.data()), rvlResNullPointer);
    EXPECT_EQ(rvliFFTFwd_CToC_32fc_C1R(img.data(), 0, img.data(), 64, cs, work.data()), rvlResBadStep);
    int m;
    EXPECT_EQ(rvliMagnitudePackGetBufferSize_32f(2, {0, 0}, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliMagnitudePackGetBufferSize_32f(2, {0, 5}, &m), rvlResBadSize);
    EXPECT_EQ(rvliMagnitudePackGetBufferSize_32f(2, {5, 0}, &m), rvlResBadChannelCount);
    EXPECT_EQ(rvliPhasePackGetBufferSize_32f(3, {5, 0}, &m), rvlResOk);
    EXPECT_EQ(m, 24 * 5 + 64);
}

// ---- Transforms ---------------------------------------------------------------

struct Fft {
    std::vector<Rvl8u> spec, init, work;
};

Fft make(bool real, int ox, int oy, int flag) {
    int s, i, w;
    EXPECT_EQ(real ? rvliFFTGetSize_R_32f(ox, oy, flag, rvlHintNone, &s, &i, &w) : rvliFFTGetSize_C_32fc(ox, oy, flag, rvlHintNone, &s, &i, &w), rvlResOk);
    Fft f{std::vector<Rvl8u>(s + 3), std::vector<Rvl8u>(i + 1), std::vector<Rvl8u>(w + 5)};
    const RvlResult st = real ? rvliFFTInit_R_32f(ox, oy, flag, rvlHintNone, reinterpret_cast<RvlFft2dRealSpec*>(f.spec.data() + 3), f.init.data())
                              : rvliFFTInit_C_32fc(ox, oy, flag, rvlHintNone, reinterpret_cast<RvlFft2dComplexSpec*>(f.spec.data() + 3), f.init.data());
    EXPECT_EQ(st, rvlResOk);
    return f;
}
template <class T> T* spec_of(Fft& f) { return reinterpret_cast<T*>(f.spec.data() + 3); }

std::vector<Cd> dft2(const std::vector<Cd>& x, I64 w, I64 h, bool inverse) {
    std::vector<Cd> out(w * h);
    const double sign = inverse ? 1 : -1;
    for (I64 v = 0; v < h; ++v)
        for (I64 u = 0; u < w; ++u) {
            Cd sum = 0;
            for (I64 y = 0; y < h; ++y)
                for (I64 xx = 0; xx < w; ++xx)
                    sum += x[y * w + xx] * std::polar(1.0, sign * 2 * M_PI * (double((u * xx) % w) / w + double((v * y) % h) / h));
            out[v * w + u] = sum;
        }
    return out;
}

double scale_of(int flag, I64 n, bool inverse) {
    if (flag == rvlFftScaleSqrt) return 1 / std::sqrt(double(n));
    if (flag == (inverse ? rvlFftScaleInv : rvlFftScaleFwd)) return 1.0 / n;
    return 1;
}

double rel_error(const std::vector<Cd>& got, const std::vector<Cd>& want) {
    double e = 0, r = 0;
    for (size_t i = 0; i < want.size(); ++i) e += std::norm(got[i] - want[i]), r += std::norm(want[i]);
    return r == 0 ? std::sqrt(e) : std::sqrt(e / r);
}
constexpr double kBound = 2e-6;  // relative RMS error of the single-precision transforms tested here

TEST(Fft, ComplexAgainstDirectDft) {
    std::mt19937 rng(41);
    std::uniform_real_distribution<float> u(-1, 1);
    for (int ox = 0; ox <= 4; ++ox)
        for (int oy = 0; oy <= 4; ++oy)
            for (int flag : {1, 2, 4, 8}) {
                const I64 w = I64{1} << ox, h = I64{1} << oy;
                Fft f = make(false, ox, oy, flag);
                const int step = int(w * 8 + 16);
                std::vector<Rvl32fc> src(h * (w + 2)), dst(h * (w + 2));
                std::vector<Cd> x(w * h);
                for (I64 y = 0; y < h; ++y)
                    for (I64 k = 0; k < w; ++k) src[y * (w + 2) + k] = {u(rng), u(rng)}, x[y * w + k] = Cd(src[y * (w + 2) + k].re, src[y * (w + 2) + k].im);
                for (bool inverse : {false, true}) {
                    auto* s = spec_of<RvlFft2dComplexSpec>(f);
                    ASSERT_EQ(inverse ? rvliFFTInv_CToC_32fc_C1R(src.data(), step, dst.data(), step, s, f.work.data() + 5)
                                      : rvliFFTFwd_CToC_32fc_C1R(src.data(), step, dst.data(), step, s, f.work.data() + 5), rvlResOk);
                    std::vector<Cd> want = dft2(x, w, h, inverse), got(w * h);
                    for (auto& v : want) v *= scale_of(flag, w, inverse) * scale_of(flag, h, inverse);
                    for (I64 y = 0; y < h; ++y)
                        for (I64 k = 0; k < w; ++k) got[y * w + k] = Cd(dst[y * (w + 2) + k].re, dst[y * (w + 2) + k].im);
                    EXPECT_LT(rel_error(got, want), kBound) << ox << "," << oy << " flag " << flag << (inverse ? " inverse" : "");
                }
            }
}

// The packed real spectrum, read through PackToCplxExtend, equals the
// complex spectrum of the same real image; the inverse brings it back.
TEST(Fft, RealPackedAgainstDirectDftAndBack) {
    std::mt19937 rng(42);
    std::uniform_real_distribution<float> u(-1, 1);
    for (int ox = 0; ox <= 4; ++ox)
        for (int oy = 0; oy <= 4; ++oy)
            for (int flag : {1, 2, 4, 8}) {
                const I64 w = I64{1} << ox, h = I64{1} << oy;
                Fft f = make(true, ox, oy, flag);
                auto* s = spec_of<RvlFft2dRealSpec>(f);
                std::vector<float> src(w * h), packed(w * h), back(w * h);
                std::vector<Cd> x(w * h);
                for (I64 i = 0; i < w * h; ++i) src[i] = u(rng), x[i] = src[i];
                const int step = int(4 * w);
                ASSERT_EQ(rvliFFTFwd_RToPack_32f_C1R(src.data(), step, packed.data(), step, s, f.work.data() + 5), rvlResOk);
                std::vector<Rvl32fc> full(w * h);
                ASSERT_EQ(rvliPackToCplxExtend_32f32fc_C1R(packed.data(), {int(w), int(h)}, step, full.data(), int(8 * w)), rvlResOk);
                std::vector<Cd> want = dft2(x, w, h, false), got(w * h);
                for (auto& v : want) v *= scale_of(flag, w, false) * scale_of(flag, h, false);
                for (I64 i = 0; i < w * h; ++i) got[i] = Cd(full[i].re, full[i].im);
                EXPECT_LT(rel_error(got, want), kBound) << ox << "," << oy << " flag " << flag;
                // Back to the packed layout from the full spectrum.
                std::vector<float> repacked(w * h, 99.0f);
                ASSERT_EQ(rvliCplxExtendToPack_32fc32f_C1R(full.data(), int(8 * w), {int(w), int(h)}, repacked.data(), step), rvlResOk);
                EXPECT_EQ(repacked, packed);
                ASSERT_EQ(rvliFFTInv_PackToR_32f_C1R(packed.data(), step, back.data(), step, s, f.work.data() + 5), rvlResOk);
                const double total = scale_of(flag, w, false) * scale_of(flag, h, false) * scale_of(flag, w, true) * scale_of(flag, h, true) * double(w * h);
                std::vector<Cd> b(w * h);
                for (I64 i = 0; i < w * h; ++i) b[i] = back[i] / total;
                EXPECT_LT(rel_error(b, x), kBound) << ox << "," << oy << " flag " << flag;
            }
}

// The 2-D DFT by rows then columns in double (for the larger sizes).
std::vector<Cd> dft2_separable(std::vector<Cd> x, I64 w, I64 h) {
    auto pass = [&](I64 n, I64 count, I64 stride, I64 gap) {
        std::vector<Cd> tw(n), line(n);
        for (I64 k = 0; k < n; ++k) tw[k] = std::polar(1.0, -2 * M_PI * double(k) / double(n));
        for (I64 i = 0; i < count; ++i) {
            for (I64 k = 0; k < n; ++k) {
                Cd sum = 0;
                for (I64 j = 0; j < n; ++j) sum += x[i * gap + j * stride] * tw[(j * k) % n];
                line[k] = sum;
            }
            for (I64 k = 0; k < n; ++k) x[i * gap + k * stride] = line[k];
        }
    };
    pass(w, h, 1, w);
    pass(h, w, w, 1);
    return x;
}

// Sizes whose passes take every register path and whose column pass takes
// whole groups and the remainders, against the direct transform.
TEST(Fft, LargerSizesAgainstDirectDft) {
    std::mt19937 rng(47);
    std::uniform_real_distribution<float> u(-1, 1);
    for (auto [ox, oy] : std::vector<std::pair<int, int>>{{6, 7}, {7, 6}, {9, 3}, {3, 9}, {10, 2}, {5, 5}}) {
        const I64 w = I64{1} << ox, h = I64{1} << oy;
        std::vector<Rvl32fc> img(w * h), out(w * h);
        std::vector<float> real(w * h), packed(w * h);
        std::vector<Cd> x(w * h), xr(w * h);
        for (I64 i = 0; i < w * h; ++i) {
            img[i] = {u(rng), u(rng)}, x[i] = Cd(img[i].re, img[i].im);
            real[i] = u(rng), xr[i] = real[i];
        }
        Fft c = make(false, ox, oy, rvlFftScaleNone);
        ASSERT_EQ(rvliFFTFwd_CToC_32fc_C1R(img.data(), int(8 * w), out.data(), int(8 * w), spec_of<RvlFft2dComplexSpec>(c), c.work.data() + 5), rvlResOk);
        std::vector<Cd> want = dft2_separable(x, w, h), got(w * h);
        for (I64 i = 0; i < w * h; ++i) got[i] = Cd(out[i].re, out[i].im);
        EXPECT_LT(rel_error(got, want), 4e-6) << "complex " << ox << "," << oy;
        Fft r = make(true, ox, oy, rvlFftScaleNone);
        ASSERT_EQ(rvliFFTFwd_RToPack_32f_C1R(real.data(), int(4 * w), packed.data(), int(4 * w), spec_of<RvlFft2dRealSpec>(r), r.work.data() + 5), rvlResOk);
        std::vector<Rvl32fc> full(w * h);
        ASSERT_EQ(rvliPackToCplxExtend_32f32fc_C1R(packed.data(), {int(w), int(h)}, int(4 * w), full.data(), int(8 * w)), rvlResOk);
        want = dft2_separable(xr, w, h);
        for (I64 i = 0; i < w * h; ++i) got[i] = Cd(full[i].re, full[i].im);
        EXPECT_LT(rel_error(got, want), 4e-6) << "real " << ox << "," << oy;
    }
}

// Round trips of large transforms, in place, and the multi-channel forms
// (AC4 leaves the fourth channel alone).
TEST(Fft, RoundTripsAndChannels) {
    std::mt19937 rng(43);
    std::uniform_real_distribution<float> u(-1, 1);
    for (auto [ox, oy] : std::vector<std::pair<int, int>>{{12, 2}, {2, 12}, {8, 8}, {11, 9}, {7, 0}, {0, 7}}) {
        const I64 w = I64{1} << ox, h = I64{1} << oy;
        for (int flag : {1, 2, 4, 8}) {
            Fft c = make(false, ox, oy, flag);
            std::vector<Rvl32fc> img(w * h), orig;
            for (auto& v : img) v = {u(rng), u(rng)};
            orig = img;
            auto* cs = spec_of<RvlFft2dComplexSpec>(c);
            ASSERT_EQ(rvliFFTFwd_CToC_32fc_C1IR(img.data(), int(8 * w), cs, c.work.data() + 5), rvlResOk);
            ASSERT_EQ(rvliFFTInv_CToC_32fc_C1IR(img.data(), int(8 * w), cs, c.work.data() + 5), rvlResOk);
            const double factor = flag == rvlFftScaleNone ? double(w * h) : 1.0;  // the unscaled pair multiplies by W H
            std::vector<Cd> got(w * h), want(w * h);
            for (I64 i = 0; i < w * h; ++i) got[i] = Cd(img[i].re, img[i].im), want[i] = Cd(orig[i].re, orig[i].im) * factor;
            EXPECT_LT(rel_error(got, want), 4e-6) << ox << "," << oy << " flag " << flag;
        }

        Fft r = make(true, ox, oy, rvlFftScaleSqrt);
        auto* rs = spec_of<RvlFft2dRealSpec>(r);
        std::vector<float> four(w * h * 4), start;
        for (auto& v : four) v = u(rng);
        start = four;
        const int step = int(16 * w);
        ASSERT_EQ(rvliFFTFwd_RToPack_32f_AC4IR(four.data(), step, rs, r.work.data() + 5), rvlResOk);
        for (I64 i = 3; i < w * h * 4; i += 4) ASSERT_EQ(four[i], start[i]);
        ASSERT_EQ(rvliFFTInv_PackToR_32f_AC4IR(four.data(), step, rs, r.work.data() + 5), rvlResOk);
        std::vector<Cd> g(w * h * 4), s0(w * h * 4);
        for (I64 i = 0; i < w * h * 4; ++i) g[i] = four[i], s0[i] = start[i];
        EXPECT_LT(rel_error(g, s0), 4e-6) << ox << "," << oy;
        // C3 equals three C1 transforms of the channels.
        std::vector<float> three(w * h * 3), out3(w * h * 3), one(w * h), out1(w * h);
        for (auto& v : three) v = u(rng);
        ASSERT_EQ(rvliFFTFwd_RToPack_32f_C3R(three.data(), int(12 * w), out3.data(), int(12 * w), rs, r.work.data() + 5), rvlResOk);
        for (int ch = 0; ch < 3; ++ch) {
            for (I64 i = 0; i < w * h; ++i) one[i] = three[i * 3 + ch];
            ASSERT_EQ(rvliFFTFwd_RToPack_32f_C1R(one.data(), int(4 * w), out1.data(), int(4 * w), rs, r.work.data() + 5), rvlResOk);
            for (I64 i = 0; i < w * h; ++i) ASSERT_EQ(out3[i * 3 + ch], out1[i]) << ch;
        }
    }
}

// Rows with padding, a single column with two steps, and the buffers'
// guards: nothing outside the image is written.
TEST(Fft, PaddingAndSingleColumn) {
    std::mt19937 rng(46);
    std::uniform_real_distribution<float> u(-1, 1);
    const int w = 16, h = 8, pad = 5;
    Fft f = make(true, 4, 3, rvlFftScaleFwd);
    std::vector<float> src((w + pad) * h), dst((w + pad) * h, 42.0f);
    for (auto& v : src) v = u(rng);
    f.work.resize(f.work.size() + 64, 0x77);
    const size_t reported = f.work.size() - 64;
    ASSERT_EQ(rvliFFTFwd_RToPack_32f_C1R(src.data(), 4 * (w + pad), dst.data(), 4 * (w + pad), spec_of<RvlFft2dRealSpec>(f), f.work.data() + 5), rvlResOk);
    for (int r = 0; r < h; ++r)
        for (int k = w; k < w + pad; ++k) ASSERT_EQ(dst[r * (w + pad) + k], 42.0f);
    for (size_t i = reported; i < f.work.size(); ++i) ASSERT_EQ(f.work[i], 0x77) << "work buffer overrun";
    // W = 1: contiguous column (8-byte steps) and strided column give the same values.
    Fft c = make(false, 0, 3, rvlFftScaleNone);
    std::vector<Rvl32fc> col(8), wide(16), out1(8), out2(16);
    for (int i = 0; i < 8; ++i) col[i] = wide[2 * i] = {u(rng), u(rng)};
    ASSERT_EQ(rvliFFTFwd_CToC_32fc_C1R(col.data(), 8, out1.data(), 8, spec_of<RvlFft2dComplexSpec>(c), c.work.data() + 5), rvlResOk);
    ASSERT_EQ(rvliFFTFwd_CToC_32fc_C1R(wide.data(), 16, out2.data(), 16, spec_of<RvlFft2dComplexSpec>(c), c.work.data() + 5), rvlResOk);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(0, std::memcmp(&out1[i], &out2[2 * i], sizeof(Rvl32fc)));
}

TEST(Fft, ConstantImageAndSingleRow) {
    Fft f = make(true, 3, 3, rvlFftScaleNone);
    std::vector<float> ones(64, 1.0f), out(64);
    ASSERT_EQ(rvliFFTFwd_RToPack_32f_C1R(ones.data(), 32, out.data(), 32, spec_of<RvlFft2dRealSpec>(f), f.work.data() + 5), rvlResOk);
    EXPECT_EQ(out[0], 64.0f);
    for (int i = 1; i < 64; ++i) EXPECT_EQ(out[i], 0.0f) << i;
    Fft one = make(false, 0, 0, rvlFftScaleFwd);
    Rvl32fc v{3.5f, -2.0f}, r{};
    // Even a 1 x 1 transform reports a work buffer (64 bytes per column row).
    EXPECT_EQ(rvliFFTFwd_CToC_32fc_C1R(&v, 8, &r, 8, spec_of<RvlFft2dComplexSpec>(one), nullptr), rvlResNullPointer);
    ASSERT_EQ(rvliFFTFwd_CToC_32fc_C1R(&v, 8, &r, 8, spec_of<RvlFft2dComplexSpec>(one), one.work.data()), rvlResOk);
    EXPECT_EQ(r.re, 3.5f);
    EXPECT_EQ(r.im, -2.0f);
}

// ---- Packed spectra ---------------------------------------------------------------

std::vector<float> random_packed(std::mt19937& rng, int w, int h, int c) {
    std::uniform_real_distribution<float> u(-2, 2);
    std::vector<float> v(w * h * c);
    for (auto& x : v) x = u(rng);
    return v;
}

std::vector<Rvl32fc> extend(const std::vector<float>& p, int w, int h, int c, int ch) {
    std::vector<float> plane(w * h);
    for (int i = 0; i < w * h; ++i) plane[i] = p[i * c + ch];
    std::vector<Rvl32fc> full(w * h);
    EXPECT_EQ(rvliPackToCplxExtend_32f32fc_C1R(plane.data(), {w, h}, 4 * w, full.data(), 8 * w), rvlResOk);
    return full;
}

TEST(FftPack, ProductsAgainstComplexMultiplication) {
    std::mt19937 rng(44);
    for (auto [w, h] : std::vector<std::pair<int, int>>{{5, 5}, {8, 8}, {1, 1}, {1, 6}, {6, 1}, {7, 4}, {4, 7}})
        for (bool conj : {false, true}) {
            const int c = 4;
            const auto a = random_packed(rng, w, h, c), b = random_packed(rng, w, h, c);
            std::vector<float> d(w * h * c, 7.0f);
            const int step = 4 * w * c;
            ASSERT_EQ(conj ? rvliMulPackConj_32f_AC4R(a.data(), step, b.data(), step, d.data(), step, {w, h})
                           : rvliMulPack_32f_AC4R(a.data(), step, b.data(), step, d.data(), step, {w, h}), rvlResOk);
            for (int ch = 0; ch < 3; ++ch) {
                const auto fa = extend(a, w, h, c, ch), fb = extend(b, w, h, c, ch), fd = extend(d, w, h, c, ch);
                for (int i = 0; i < w * h; ++i) {
                    const std::complex<float> x(fa[i].re, fa[i].im), y(fb[i].re, conj ? -fb[i].im : fb[i].im);
                    const auto z = x * y;
                    EXPECT_NEAR(fd[i].re, z.real(), 1e-5f) << w << "x" << h << " " << i;
                    EXPECT_NEAR(fd[i].im, z.imag(), 1e-5f) << w << "x" << h << " " << i;
                }
            }
            for (int i = 3; i < w * h * c; i += 4) EXPECT_EQ(d[i], 7.0f);
        }
    // The destination on the first source is the in-place product.
    const auto a = random_packed(rng, 4, 4, 1), b = random_packed(rng, 4, 4, 1);
    std::vector<float> x = a, y = a;
    ASSERT_EQ(rvliMulPackConj_32f_C1R(x.data(), 16, b.data(), 16, x.data(), 16, {4, 4}), rvlResOk);
    ASSERT_EQ(rvliMulPackConj_32f_C1IR(b.data(), 16, y.data(), 16, {4, 4}), rvlResOk);
    EXPECT_EQ(x, y);
    EXPECT_EQ(rvliMulPack_32f_C1R(a.data(), 16, nullptr, 16, x.data(), 16, {0, 0}), rvlResNullPointer);
    EXPECT_EQ(rvliMulPack_32f_C1R(a.data(), 0, b.data(), 16, x.data(), 16, {0, 0}), rvlResBadStep);
    EXPECT_EQ(rvliMulPack_32f_C1R(a.data(), 16, b.data(), 16, x.data(), 16, {0, 4}), rvlResBadSize);
}

TEST(FftPack, MagnitudePhaseAndPolar) {
    std::mt19937 rng(45);
    const int w = 6, h = 5;
    const auto p = random_packed(rng, w, h, 3);
    std::vector<Rvl8u> buffer(24 * w + 64);
    std::vector<float> mag(w * h * 3), ph(w * h * 3);
    ASSERT_EQ(rvliMagnitudePack_32f_C3R(p.data(), 12 * w, mag.data(), 12 * w, {w, h}, buffer.data()), rvlResOk);
    ASSERT_EQ(rvliPhasePack_32f_C3R(p.data(), 12 * w, ph.data(), 12 * w, {w, h}, buffer.data()), rvlResOk);
    EXPECT_EQ(rvliMagnitudePack_32f_C3R(p.data(), 12 * w, mag.data(), 12 * w, {w, h}, nullptr), rvlResNullPointer);
    for (int ch = 0; ch < 3; ++ch) {
        const auto f = extend(p, w, h, 3, ch);
        for (int i = 0; i < w * h; ++i) {
            EXPECT_NEAR(mag[i * 3 + ch], std::hypot(f[i].re, f[i].im), 1e-5f);
            EXPECT_NEAR(ph[i * 3 + ch], std::atan2(f[i].im, f[i].re), 1e-5f);
        }
    }
    // Magnitude and phase of complex values, and back.
    std::vector<Rvl32fc> z(w * h);
    for (auto& v : z) v = {std::uniform_real_distribution<float>(-3, 3)(rng), std::uniform_real_distribution<float>(-3, 3)(rng)};
    std::vector<float> m(w * h), a(w * h);
    ASSERT_EQ(rvliMagnitude_32fc32f_C1R(z.data(), 8 * w, m.data(), 4 * w, {w, h}), rvlResOk);
    ASSERT_EQ(rvliPhase_32fc32f_C1R(z.data(), 8 * w, a.data(), 4 * w, {w, h}), rvlResOk);
    std::vector<Rvl32fc> back(w * h);
    ASSERT_EQ(rvliPolarToCart_32fc_C1R(m.data(), a.data(), 4 * w, {w, h}, back.data(), 8 * w), rvlResOk);
    for (int i = 0; i < w * h; ++i) {
        EXPECT_NEAR(back[i].re, z[i].re, 1e-5f);
        EXPECT_NEAR(back[i].im, z[i].im, 1e-5f);
    }
    EXPECT_EQ(rvliPolarToCart_32fc_C1R(m.data(), nullptr, 4 * w, {0, h}, back.data(), 8 * w), rvlResNullPointer);
    EXPECT_EQ(rvliPolarToCart_32fc_C1R(m.data(), a.data(), 4 * w, {0, h}, back.data(), 0), rvlResBadSize);
    EXPECT_EQ(rvliPolarToCart_32fc_C1R(m.data(), a.data(), 4 * w, {w, h}, back.data(), 0), rvlResBadStep);
}

}  // namespace

// Init refuses every order and flag GetSize refuses before it writes a
// byte, and never writes past the size GetSize reports.
TEST(FftSizes, InitWritesNothingGetSizeRefuses) {
    std::vector<Rvl8u> mem(1 << 16, 0xA5), init(1 << 16);
    auto untouched = [&] { return std::all_of(mem.begin(), mem.end(), [](Rvl8u b) { return b == 0xA5; }); };
    auto* rs = reinterpret_cast<RvlFft2dRealSpec*>(mem.data());
    auto* cs = reinterpret_cast<RvlFft2dComplexSpec*>(mem.data());
    // The real column pass is complex: orderY 29 is refused, orderX 29 is not
    // an order error (its size overflows).
    EXPECT_EQ(rvliFFTInit_R_32f(5, 29, 1, rvlHintNone, rs, init.data()), rvlResBadFftOrder);
    EXPECT_EQ(rvliFFTInit_R_32f(29, 29, 1, rvlHintNone, rs, init.data()), rvlResBadFftOrder);
    EXPECT_EQ(rvliFFTInit_R_32f(29, 3, 1, rvlHintNone, rs, init.data()), rvlResSizeOverflow);
    EXPECT_EQ(rvliFFTInit_C_32fc(3, 29, 1, rvlHintNone, cs, init.data()), rvlResBadFftOrder);
    EXPECT_EQ(rvliFFTInit_C_32fc(28, 28, 1, rvlHintNone, cs, init.data()), rvlResSizeOverflow);
    // A bad flag or a missing init buffer of the second 1-D specification.
    EXPECT_EQ(rvliFFTInit_R_32f(3, 4, 3, rvlHintNone, rs, init.data()), rvlResBadFftFlag);
    EXPECT_EQ(rvliFFTInit_C_32fc(3, 12, 1, rvlHintNone, cs, nullptr), rvlResNullPointer);
    EXPECT_TRUE(untouched()) << "a refused Init wrote to the specification memory";

    // A successful Init stays inside the reported size (the block after it
    // is an inaccessible page).
    for (auto [ox, oy] : {std::pair{3, 5}, std::pair{7, 2}, std::pair{11, 11}, std::pair{12, 6}}) {
        int spec = 0, initSize = 0, work = 0;
        ASSERT_EQ(rvliFFTGetSize_R_32f(ox, oy, 8, rvlHintNone, &spec, &initSize, &work), rvlResOk);
        rvltest::GuardedBlock block(std::size_t(spec), rvltest::Edge::End);
        EXPECT_EQ(rvliFFTInit_R_32f(ox, oy, 8, rvlHintNone, reinterpret_cast<RvlFft2dRealSpec*>(block.data()),
                                    init.data()), rvlResOk);
        ASSERT_EQ(rvliFFTGetSize_C_32fc(ox, oy, 8, rvlHintNone, &spec, &initSize, &work), rvlResOk);
        block.reset(std::size_t(spec), rvltest::Edge::End);
        EXPECT_EQ(rvliFFTInit_C_32fc(ox, oy, 8, rvlHintNone, reinterpret_cast<RvlFft2dComplexSpec*>(block.data()),
                                     init.data()), rvlResOk);
    }
}
