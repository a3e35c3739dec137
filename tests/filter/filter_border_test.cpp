// General filter with border: sizes, Init/SetMode, and the workers against a
// plain reference (border map, correlation, every rounding rule).
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "rvl.h"
#include "support/border_ref.hpp"
#include "support/guarded.hpp"
#include "support/image.hpp"

namespace {

using namespace rvltest;
using I64 = std::int64_t;

// ---- Sizes ------------------------------------------------------------------

I64 area(I64 n) { return n == 0 ? 0 : (n + 191) / 64 * 64; }
I64 up(I64 n, I64 m) { return (n + m - 1) / m * m; }

I64 border_count(I64 kw, I64 kh, I64 w, I64 h) {
    const I64 ax = (kw - 1) / 2, ay = (kh - 1) / 2;
    const I64 r = kw == 2 ? 2 : kw - ax - 1, b = kh == 2 ? 2 : kh - ay - 1;
    if (w <= kw || h <= kh) return (w + kw - 1) * (h + kh - 1);
    const I64 rows = b >= 1 ? (w + kw - 1) * (kh + b - 1) : 0;
    const I64 cols = r > 0 ? (h + kh - 1) * (kw + r - 1) : 0;
    return rows > cols ? rows : cols;
}

I64 work(int kt, int dt, int c, I64 kw, I64 kh, I64 w) {
    const I64 w4 = up(w, 4);
    if (kt == 7 && dt == 1) {
        const I64 col = area(c * (80 * kh + 8 * w4));
        if (c == 1) return kw == 1 ? col : kh == 1 ? area((4 * kw + w + 3) / 4 * 16) : area(((kw + 1) / 2 * 16 * kh + w + 7) / 8 * 32);
        if (c == 3) return kw == 1 ? col : kh == 1 ? area((4 * kw + 3 * w + 3) / 4 * 16) : area((4 * kw * kh + 3 * w + 3) / 4 * 16);
        if (c == 4) return kw == 1 ? col : kh == 1 ? area((w + kw) * 16) : area((kw * kh + w) * 16);
        return 0;
    }
    if (kt == 7 && dt == 7) {
        if (c == 1) return area((4 * kw * kh + w + 3) / 4 * 16);
        if (c == 3) return area((4 * kw * kh + 3 * w + 31) / 4 * 16);
        if (c == 4) return ((((kw * kh + w) * 16 + 124) / 16 * 16) + 191) / 64 * 64;
        return 0;
    }
    if (kt == 7) return 0;
    if (dt == 13) return c == 1 ? area(32 * kw * kh) : (c == 3 || c == 4) ? area(16 * kw * kh) : 0;
    if (c == 1 && kw == 1 && dt == 7) return area((w + 7) / 4 * 4 * 4);
    if (c == 1) return area((4 * kw * kh + 2 * w + 10) / 4 * 16 + 8 * w4);
    if (c == 3) return area((4 * kw * kh + 6 * w + 10) / 4 * 16 + (3 * w + 3) / 4 * 32);
    if (c == 4) return area(4 * (4 * kw * kh + 8 * w) + 32 * w);
    return 0;
}

struct Sizes { I64 spec, buffer; };

Sizes expected_sizes(I64 kw, I64 kh, I64 w, I64 h, int dt, int kt, int c) {
    const I64 e = border_count(kw, kh, w, h);
    if (kt == 19) {
        const I64 f = kw == 1 ? (kh > 2 && w > 15 ? 32 * kh : 0) : 16 * kh * ((kw + 2) / 2 * 2) + 4 * kw * kh + 15;
        return {up(kw * kh * 8, 64) + 191, up(e * 8, 32) + 95 + f + 63};
    }
    const bool floating = kt == 7 && (dt == 5 || (dt == 7 && (c >= 3 || kw == 1 || kh == 1 || (c == 1 && kw < 3))));
    if (floating) kt = 13;
    const I64 bytes = dt == 1 ? 1 : dt == 13 ? 4 : 2;
    const I64 spec = up((kw + 1) / 2 * 32 * kh, 64) + up((kt == 7 ? 2 : 4) * kw * kh, 64) + 191 +
                     (kt == 13 && c != 2 ? up(16 * kw * kh, 64) : 0);
    return {spec, up(e * bytes * c, 32) + 95 + work(kt, dt, c, kw, kh, w)};
}

TEST(FilterBorderSizes, FollowTheFormulasOnAGrid) {
    const int dims[] = {1, 2, 3, 4, 5, 7, 9, 16, 33};
    const int rois[] = {1, 2, 3, 6, 17, 100, 1921};
    const int types[][2] = {{1, 7}, {1, 13}, {5, 7}, {5, 13}, {7, 7}, {7, 13}, {13, 13}, {13, 7}, {19, 19}};
    int checked = 0;
    for (auto [dt, kt] : types)
        for (int c = 1; c <= 4; ++c) {
            if (dt == 19 && c > 1) continue;
            for (int kw : dims)
                for (int kh : dims)
                    for (int w : rois)
                        for (int h : rois) {
                            if ((kw * 7 + kh * 3 + w + h) % 5) continue;  // a spread of the grid
                            int spec = -1, buffer = -1;
                            ASSERT_EQ(rvliFilterBorderGetSize({kw, kh}, {w, h}, dt, kt, c, &spec, &buffer), rvlResOk);
                            const Sizes want = expected_sizes(kw, kh, w, h, dt, kt, c);
                            ASSERT_EQ(spec, want.spec) << dt << "/" << kt << " C" << c << " " << kw << "x" << kh << " roi " << w << "x" << h;
                            ASSERT_EQ(buffer, want.buffer) << dt << "/" << kt << " C" << c << " " << kw << "x" << kh << " roi " << w << "x" << h;
                            ++checked;
                        }
        }
    EXPECT_GT(checked, 1000);
}

TEST(FilterBorderSizes, ChecksInOrderAndOverflow) {
    int s = 7, b = 7;
    EXPECT_EQ(rvliFilterBorderGetSize({0, 3}, {5, 5}, 99, 99, 9, nullptr, nullptr), rvlResBadSize);
    EXPECT_EQ(rvliFilterBorderGetSize({3, 3}, {5, 0}, 1, 7, 1, &s, &b), rvlResBadSize);
    EXPECT_EQ(rvliFilterBorderGetSize({3, 3}, {5, 5}, 1, 19, 9, nullptr, &b), rvlResBadDataType);
    EXPECT_EQ(rvliFilterBorderGetSize({3, 3}, {5, 5}, 19, 19, 2, nullptr, &b), rvlResBadChannel);
    EXPECT_EQ(rvliFilterBorderGetSize({3, 3}, {5, 5}, 19, 13, 1, &s, &b), rvlResBadDataType);
    EXPECT_EQ(rvliFilterBorderGetSize({3, 3}, {5, 5}, 1, 5, 1, &s, &b), rvlResBadDataType);
    EXPECT_EQ(rvliFilterBorderGetSize({3, 3}, {5, 5}, 1, 7, 5, nullptr, &b), rvlResBadChannel);
    EXPECT_EQ(rvliFilterBorderGetSize({3, 3}, {5, 5}, 1, 7, 0, &s, &b), rvlResBadChannel);
    EXPECT_EQ(rvliFilterBorderGetSize({3, 3}, {5, 5}, 1, 7, 1, nullptr, &b), rvlResNullPointer);
    EXPECT_EQ(rvliFilterBorderGetSize({3, 3}, {5, 5}, 1, 7, 1, &s, nullptr), rvlResNullPointer);
    EXPECT_EQ(s, 7);
    EXPECT_EQ(rvliFilterBorderGetSize({3000, 3000}, {30000, 30000}, 13, 13, 4, &s, &b), rvlResSizeOverflow);
    EXPECT_EQ(b, 0);

    EXPECT_EQ(rvliFilterGetBufSize_64f_C1R({3, 3}, 0, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliFilterGetBufSize_64f_C1R({3, 0}, 5, &s), rvlResBadSize);
    EXPECT_EQ(rvliFilterGetBufSize_64f_C1R({1, 3}, 16, &s), rvlResOk);
    EXPECT_EQ(s, 96);
    EXPECT_EQ(rvliFilterGetBufSize_64f_C1R({1, 3}, 15, &s), rvlResOk);
    EXPECT_EQ(s, 0);
    EXPECT_EQ(rvliFilterGetBufSize_64f_C1R({1, 2}, 100, &s), rvlResOk);
    EXPECT_EQ(s, 0);
    EXPECT_EQ(rvliFilterGetBufSize_64f_C1R({3, 2}, 100, &s), rvlResOk);
    EXPECT_EQ(s, 16 * 2 * 4 + 4 * 6 + 15);
}

// ---- Init and SetMode ------------------------------------------------------------

struct SpecMemory {
    std::vector<unsigned char> bytes;
    explicit SpecMemory(int size) : bytes(size + 64) {}
    RvlFilterSpec* get(int shift = 0) { return reinterpret_cast<RvlFilterSpec*>(bytes.data() + shift); }
};

TEST(FilterBorderInit, ChecksWarningsAndModes) {
    SpecMemory m(4096);
    RvlFilterSpec* spec = m.get();
    const Rvl16s k16[9] = {1, 2, 1, 2, 4, 2, 1, 2, 1};
    const Rvl32f k32[9] = {};
    const Rvl64f k64[9] = {};
    EXPECT_EQ(rvliFilterBorderInit_16s(nullptr, {0, 0}, 0, 99, 9, 99, spec), rvlResNullPointer);
    EXPECT_EQ(rvliFilterBorderInit_16s(k16, {3, 3}, 0, 99, 9, 99, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliFilterBorderInit_16s(k16, {3, 0}, 0, 99, 9, 99, spec), rvlResBadSize);
    EXPECT_EQ(rvliFilterBorderInit_16s(k16, {3, 3}, 0, 13, 9, 99, spec), rvlResBadDataType);
    EXPECT_EQ(rvliFilterBorderInit_16s(k16, {3, 3}, 0, 1, 5, 99, spec), rvlResBadChannel);
    EXPECT_EQ(rvliFilterBorderInit_16s(k16, {3, 3}, 0, 1, 1, 3, spec), rvlResBadRoundMode);
    EXPECT_EQ(rvliFilterBorderInit_16s(k16, {3, 3}, 0, 1, 1, -1, spec), rvlResBadRoundMode);
    EXPECT_EQ(rvliFilterBorderInit_16s(k16, {3, 3}, 0, 1, 1, 18, spec), rvlResDivisorZero);
    EXPECT_EQ(rvliFilterBorderInit_16s(k16, {3, 3}, 16, 1, 3, 18, spec), rvlResOk);
    EXPECT_EQ(rvliFilterBorderInit_16s(k16, {3, 3}, 16, 7, 1, 17, spec), rvlResOk);
    EXPECT_EQ(rvliFilterBorderInit_16s(k16, {3, 3}, 16, 7, 3, 17, spec), rvlResWarnNoAccurateMode);
    EXPECT_EQ(rvliFilterBorderInit_16s(k16, {3, 3}, 16, 5, 1, 17, spec), rvlResWarnNoAccurateMode);
    EXPECT_EQ(rvliFilterBorderInit_16s(k16, {3, 3}, 16, 5, 1, 1, spec), rvlResOk);

    EXPECT_EQ(rvliFilterBorderInit_32f(k32, {3, 3}, 19, 1, 0, spec), rvlResBadDataType);
    EXPECT_EQ(rvliFilterBorderInit_32f(k32, {3, 3}, 13, 0, 0, spec), rvlResBadChannel);
    EXPECT_EQ(rvliFilterBorderInit_32f(k32, {3, 3}, 13, 1, 19, spec), rvlResBadRoundMode);
    EXPECT_EQ(rvliFilterBorderInit_32f(k32, {3, 3}, 1, 1, 18, spec), rvlResWarnNoAccurateMode);
    EXPECT_EQ(rvliFilterBorderInit_32f(k32, {3, 3}, 13, 4, 2, spec), rvlResOk);

    EXPECT_EQ(rvliFilterBorderInit_64f(k64, {3, 3}, 13, 1, 1, spec), rvlResBadDataType);
    EXPECT_EQ(rvliFilterBorderInit_64f(k64, {3, 3}, 19, 3, 1, spec), rvlResBadChannel);
    EXPECT_EQ(rvliFilterBorderInit_64f(k64, {3, 3}, 19, 1, 0, spec), rvlResBadRoundMode);
    EXPECT_EQ(rvliFilterBorderInit_64f(k64, {3, 3}, 19, 1, 1, spec), rvlResOk);
    EXPECT_EQ(rvliFilterBorderSetMode(2, 0, spec), rvlResOk);
    EXPECT_EQ(rvliFilterBorderSetMode(0, 3, spec), rvlResUnsupportedMode);

    EXPECT_EQ(rvliFilterBorderSetMode(0, 0, nullptr), rvlResNullPointer);
    ASSERT_EQ(rvliFilterBorderInit_16s(k16, {3, 3}, 16, 7, 1, 1, spec), rvlResOk);
    EXPECT_EQ(rvliFilterBorderSetMode(0, 1, spec), rvlResUnsupportedMode);
    ASSERT_EQ(rvliFilterBorderInit_32f(k32, {3, 3}, 13, 1, 1, spec), rvlResOk);
    EXPECT_EQ(rvliFilterBorderSetMode(0, -1, spec), rvlResUnsupportedMode);
    ASSERT_EQ(rvliFilterBorderInit_32f(k32, {3, 3}, 1, 1, 1, spec), rvlResOk);
    EXPECT_EQ(rvliFilterBorderSetMode(2, 5, spec), rvlResOk);
}

// ---- The reference -----------------------------------------------------------------

enum class Kernel { Int16, Float32, Float64 };

struct FilterCase {
    Kernel kernel;
    int kw, kh;
    std::vector<double> k;  // row-major, the values given to Init
    int divisor = 1;
    int roundMode = 1;      // may carry the accurate flag 16
    bool setMode = false;
    int hint = 0, offset = 0;
};

I64 round_rational(I64 q, I64 d, int mode) {  // q / d rounded exactly
    if (d < 0) { q = -q; d = -d; }
    I64 fl = q / d, rem = q % d;
    if (rem < 0) { fl -= 1; rem += d; }
    if (mode == 0) return (q < 0 && rem) ? fl + 1 : fl;
    if (2 * rem > d) return fl + 1;
    if (2 * rem < d) return fl;
    if (mode == 1) return (fl % 2 == 0) ? fl : fl + 1;
    return q < 0 ? fl : fl + 1;
}

template <class T>
I64 clamp_to(I64 v) {
    return v < I64{std::numeric_limits<T>::min()} ? std::numeric_limits<T>::min()
           : v > I64{std::numeric_limits<T>::max()} ? std::numeric_limits<T>::max() : v;
}

double round_double(double v, int mode) {
    const double t = std::trunc(v), f = v - t;
    if (mode == 0) return t;
    if (std::fabs(f) > 0.5) return t + (v < 0 ? -1 : 1);
    if (std::fabs(f) < 0.5) return t;
    if (mode == 2) return t + (v < 0 ? -1 : 1);
    return std::fmod(t, 2.0) == 0 ? t : t + (v < 0 ? -1 : 1);
}

// float(sum) * reciprocal, converted, all under the given rounding direction.
I64 float_path(std::int32_t sum, float reciprocal, int mode) {
    const int saved = std::fegetround();
    std::fesetround(mode == 0 ? FE_TOWARDZERO : FE_TONEAREST);
    volatile std::int32_t in = sum;
    volatile float f = static_cast<float>(in);
    volatile float p = f * reciprocal;
    const double r = std::nearbyint(static_cast<float>(p));
    std::fesetround(saved);
    return (r >= 2147483648.0 || r < -2147483648.0 || r != r) ? std::numeric_limits<std::int32_t>::min() : static_cast<I64>(r);
}

template <class T, int C>
struct Reference {
    const FilterCase& s;
    int width, height, border;
    const T* value;
    std::function<T(I64, I64, int)> src;  // any pixel in memory, ROI coordinates

    T pixel(I64 x, I64 y, int c) const {
        const I64 ax = (s.kw - 1) / 2, ay = (s.kh - 1) / 2;
        return BorderedPixels<T>{src, width, height, ax, s.kw - 1 - ax, ay, s.kh - 1 - ay, border, value}(x, y, c);
    }

    T at(int x, int y, int c) const {
        const int ax = (s.kw - 1) / 2, ay = (s.kh - 1) / 2;
        const int mode = s.roundMode & 3;
        auto tap = [&](int i, int j) { return pixel(x - ax + j, y - ay + i, c); };
        if constexpr (std::is_floating_point_v<T>) {
            T sum = 0;
            for (int t = 0; t < s.kw * s.kh; ++t) {
                const T p = static_cast<T>(s.k[t]) * tap(t / s.kw, t % s.kw);
                sum = t == 0 ? p : sum + p;
            }
            return sum;
        } else if (s.kernel == Kernel::Float32 || !integer_spec()) {
            std::vector<float> k(s.k.size());
            for (size_t t = 0; t < k.size(); ++t)
                k[t] = s.kernel == Kernel::Float32 ? static_cast<float>(s.k[t]) : static_cast<float>(s.k[t] * (1.0 / s.divisor));
            float sum = 0;
            for (int t = 0; t < s.kw * s.kh; ++t) {
                const float p = k[t] * static_cast<float>(tap(t / s.kw, t % s.kw));
                sum = t == 0 ? p : sum + p;
            }
            sum += static_cast<float>(offset_applies() ? s.offset : 0);
            if (sum >= std::numeric_limits<T>::max()) return std::numeric_limits<T>::max();
            if (sum <= std::numeric_limits<T>::min()) return std::numeric_limits<T>::min();
            return static_cast<T>(round_double(sum, mode));
        } else {
            std::uint32_t wrapped = 0;
            for (int t = 0; t < s.kw * s.kh; ++t)
                wrapped += static_cast<std::uint32_t>(static_cast<std::int32_t>(s.k[t]) * static_cast<std::int32_t>(tap(t / s.kw, t % s.kw)));
            const auto sum = static_cast<std::int32_t>(wrapped);
            const I64 offset = offset_applies() ? s.offset : 0;
            if (vector_rounding()) {
                const bool pow2 = s.divisor > 1 && (s.divisor & (s.divisor - 1)) == 0;
                I64 r = pow2 ? round_rational(sum, s.divisor, 1) : float_path(sum, static_cast<float>(1.0 / s.divisor), mode);
                r = static_cast<std::int32_t>(static_cast<std::uint32_t>(r) + static_cast<std::uint32_t>(offset));
                return static_cast<T>(clamp_to<T>(clamp_to<std::int16_t>(r)));
            }
            const I64 q = sum + offset * s.divisor;
            if (std::is_same_v<T, Rvl8u> && q < 1) return 0;  // also when a negative divisor would make it positive
            return static_cast<T>(clamp_to<T>(round_rational(q, s.divisor, mode)));
        }
    }

    bool integer_spec() const {
        if (s.kernel != Kernel::Int16) return false;
        if (std::is_same_v<T, Rvl8u>) return true;
        return std::is_same_v<T, Rvl16s> && C == 1 && s.kw >= 3 && s.kh >= 2;
    }
    bool offset_applies() const { return s.setMode && (std::is_same_v<T, Rvl8u> || std::is_same_v<T, Rvl16u>); }
    bool vector_rounding() const {
        if (!std::is_same_v<T, Rvl8u>) return false;
        bool accurate = (s.roundMode & 16) != 0;
        if (s.setMode) accurate = s.hint == 2;
        const bool pairs = std::find(s.k.begin(), s.k.end(), 32767.0) == s.k.end() &&
                           std::find(s.k.begin(), s.k.end(), -32768.0) == s.k.end();
        const bool reference = s.kh > 1 && (width < 16 || (s.kw == 1 && s.kh == 2) || (s.kw >= 2 && (s.kw == 2 || !pairs)));
        return !accurate && !reference && (s.roundMode & 3) != 2;
    }
};

// ---- The worker against the reference -------------------------------------------------

template <class T, int C>
using Worker = RvlResult (*)(const T*, int, T*, int, RvlSize, RvlBorderMode, const T*, const RvlFilterSpec*, Rvl8u*);

template <class T>
T random_pixel(Rng& rng) {
    if constexpr (std::is_floating_point_v<T>) return static_cast<T>(std::uniform_real_distribution<double>(-100, 100)(rng));
    else return static_cast<T>(std::uniform_int_distribution<I64>(std::numeric_limits<T>::min(), std::numeric_limits<T>::max())(rng));
}

template <class T, int C>
RvlResult build_spec(const FilterCase& s, SpecMemory& m, int shift, int width, int height, int* bufferSize) {
    const int kt = s.kernel == Kernel::Int16 ? 7 : s.kernel == Kernel::Float32 ? 13 : 19;
    int specSize = 0;
    EXPECT_EQ(rvliFilterBorderGetSize({s.kw, s.kh}, {width, height}, type_code<T>(), kt, C, &specSize, bufferSize), rvlResOk);
    m = SpecMemory(specSize);
    RvlFilterSpec* spec = m.get(shift);
    const size_t n = s.k.size();
    RvlResult st;
    if (s.kernel == Kernel::Int16) {
        std::vector<Rvl16s> k(n);
        for (size_t t = 0; t < n; ++t) k[t] = static_cast<Rvl16s>(s.k[t]);
        st = rvliFilterBorderInit_16s(k.data(), {s.kw, s.kh}, s.divisor, type_code<T>(), C, s.roundMode, spec);
    } else if (s.kernel == Kernel::Float32) {
        std::vector<Rvl32f> k(n);
        for (size_t t = 0; t < n; ++t) k[t] = static_cast<Rvl32f>(s.k[t]);
        st = rvliFilterBorderInit_32f(k.data(), {s.kw, s.kh}, type_code<T>(), C, s.roundMode, spec);
    } else {
        st = rvliFilterBorderInit_64f(s.k.data(), {s.kw, s.kh}, 19, C, s.roundMode, spec);
    }
    if (st < 0) return st;
    if (s.setMode) return rvliFilterBorderSetMode(s.hint, s.offset, spec);
    return rvlResOk;
}

// Runs the worker on a random image with a margin of memory around the ROI
// (for the in-memory flags) and compares destination, guards and the
// buffer's tail with the reference.
template <class T, int C>
void check_case(Worker<T, C> fn, const FilterCase& s, int width, int height, int border, Rng& rng,
                int callersRounding = FE_TONEAREST) {
    SCOPED_TRACE(::testing::Message() << "kernel " << s.kw << "x" << s.kh << " roi " << width << "x" << height
                                      << " border 0x" << std::hex << border << std::dec << " mode " << s.roundMode
                                      << " divisor " << s.divisor << " offset " << s.offset);
    SpecMemory m(0);
    int bufferSize = 0;
    const int shift = static_cast<int>(rng() % 64);
    ASSERT_GE((build_spec<T, C>(s, m, shift, width, height, &bufferSize)), 0);

    const int margin = std::max(s.kw, s.kh);
    TestImage<T> src(width + 2 * margin, height + 2 * margin, C, static_cast<int>(rng() % 3), static_cast<int>(rng() % 4));
    src.fill(rng, random_pixel<T>);
    TestImage<T> dst(width, height, C, static_cast<int>(rng() % 3), static_cast<int>(rng() % 4));
    dst.fill(rng, random_pixel<T>);
    TestImage<T> want = dst;
    T value[C];
    for (int c = 0; c < C; ++c) value[c] = random_pixel<T>(rng);

    Reference<T, C> ref{s, width, height, border, value,
                        [&](I64 x, I64 y, int c) { return src.at(static_cast<int>(x + margin), static_cast<int>(y + margin), c); }};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < C; ++c) want.set(x, y, c, ref.at(x, y, c));

    const int bufferShift = static_cast<int>(rng() % 64);
    std::vector<Rvl8u> buffer(bufferSize + bufferShift + kGuardBytes, 0xA5);
    const T* roi = reinterpret_cast<const T*>(reinterpret_cast<const char*>(src.data()) + margin * src.step()) + margin * C;
    const int saved = std::fegetround();
    std::fesetround(callersRounding);
    const RvlResult st = fn(roi, src.step(), dst.data(), dst.step(), {width, height}, static_cast<RvlBorderMode>(border),
                            value, m.get(shift), buffer.data() + bufferShift);
    EXPECT_EQ(std::fegetround(), callersRounding);
    std::fesetround(saved);
    ASSERT_EQ(st, rvlResOk);
    EXPECT_TRUE(same_bytes(dst, want));
    for (int g = 0; g < kGuardBytes; ++g) ASSERT_EQ(buffer[bufferShift + bufferSize + g], 0xA5) << "work buffer overrun";
}

const int kBorders[] = {1, 3, 6, 0xF0, 0x11, 0x23, 0x46, 0x83, 0xF6, 0x51, 0xA3, 0xF1};

struct Shape { int kw, kh, w, h; };
const Shape kShapes[] = {{1, 1, 5, 4},   {2, 1, 17, 3},  {1, 2, 6, 5},  {2, 2, 19, 6}, {3, 3, 40, 7}, {3, 2, 17, 5},
                         {5, 3, 33, 9},  {4, 4, 21, 8},  {1, 7, 18, 12}, {7, 1, 300, 3}, {5, 5, 1, 1}, {3, 3, 2, 3},
                         {5, 5, 5, 4},   {9, 2, 3, 30},  {2, 9, 30, 3}, {3, 3, 15, 6}, {1, 3, 16, 5}, {6, 5, 64, 11},
                         // Rows long and many enough to be filtered several at a time, with a
                         // remainder of rows and a block shifted back at the row's end.
                         {5, 5, 150, 23}, {3, 2, 97, 14}, {1, 1, 130, 9}, {2, 4, 70, 13}};

std::vector<double> random_kernel(Rng& rng, int n, Kernel kind, bool large) {
    std::vector<double> k(n);
    for (auto& v : k) {
        if (kind != Kernel::Int16) v = std::uniform_real_distribution<double>(-1, 1)(rng);
        else v = large ? std::uniform_int_distribution<int>(-3000, 3000)(rng) : std::uniform_int_distribution<int>(-6, 9)(rng);
    }
    return k;
}

template <class T, int C>
void run_table(Worker<T, C> fn, const std::vector<Kernel>& kernels, Rng& rng) {
    int round = 0;
    for (Kernel kind : kernels)
        for (const Shape& sh : kShapes)
            for (int variant = 0; variant < 4; ++variant, ++round) {
                FilterCase s{kind, sh.kw, sh.kh, random_kernel(rng, sh.kw * sh.kh, kind, variant == 3)};
                if (kind == Kernel::Int16) {
                    const int divisors[] = {1, 4, 6, 7, 2, -3, 16, -10, 1 << 10};
                    s.divisor = divisors[round % std::size(divisors)];
                    s.roundMode = round % 3 | (round % 4 == 1 ? 16 : 0);
                    if (variant == 2 && s.k.size() > 1) s.k[round % s.k.size()] = 32767;
                } else if (kind == Kernel::Float32) {
                    s.roundMode = round % 3;
                } else {
                    s.roundMode = 1;
                }
                if (variant == 1 && (std::is_same_v<T, Rvl8u> || std::is_same_v<T, Rvl16u>)) {
                    s.setMode = true;
                    s.hint = round % 3;
                    s.offset = static_cast<int>(rng() % 41) - 20;
                }
                check_case<T, C>(fn, s, sh.w, sh.h, kBorders[round % std::size(kBorders)], rng);
                if (::testing::Test::HasFatalFailure()) return;
            }
}

TEST(FilterBorder, Integer8uAgainstReference) {
    Rng rng(11);
    run_table<Rvl8u, 1>(rvliFilterBorder_8u_C1R, {Kernel::Int16, Kernel::Float32}, rng);
    run_table<Rvl8u, 3>(rvliFilterBorder_8u_C3R, {Kernel::Int16, Kernel::Float32}, rng);
    run_table<Rvl8u, 4>(rvliFilterBorder_8u_C4R, {Kernel::Int16, Kernel::Float32}, rng);
}

TEST(FilterBorder, Sixteen16sAnd16uAgainstReference) {
    Rng rng(12);
    run_table<Rvl16s, 1>(rvliFilterBorder_16s_C1R, {Kernel::Int16, Kernel::Float32}, rng);
    run_table<Rvl16s, 3>(rvliFilterBorder_16s_C3R, {Kernel::Int16, Kernel::Float32}, rng);
    run_table<Rvl16s, 4>(rvliFilterBorder_16s_C4R, {Kernel::Int16}, rng);
    run_table<Rvl16u, 1>(rvliFilterBorder_16u_C1R, {Kernel::Int16, Kernel::Float32}, rng);
    run_table<Rvl16u, 3>(rvliFilterBorder_16u_C3R, {Kernel::Float32}, rng);
    run_table<Rvl16u, 4>(rvliFilterBorder_16u_C4R, {Kernel::Int16}, rng);
}

TEST(FilterBorder, FloatingAgainstReference) {
    Rng rng(13);
    run_table<Rvl32f, 1>(rvliFilterBorder_32f_C1R, {Kernel::Float32}, rng);
    run_table<Rvl32f, 3>(rvliFilterBorder_32f_C3R, {Kernel::Float32}, rng);
    run_table<Rvl32f, 4>(rvliFilterBorder_32f_C4R, {Kernel::Float32}, rng);
    run_table<Rvl64f, 1>(rvliFilterBorder_64f_C1R, {Kernel::Float64}, rng);
}

// The caller's rounding direction does not reach the sums, and is restored.
TEST(FilterBorder, IndependentOfCallersRounding) {
    Rng rng(14);
    FilterCase s{Kernel::Float32, 3, 3, random_kernel(rng, 9, Kernel::Float32, false)};
    s.roundMode = 2;
    FilterCase t{Kernel::Int16, 3, 3, random_kernel(rng, 9, Kernel::Int16, true), 7, 0};
    for (int dir : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        check_case<Rvl8u, 1>(rvliFilterBorder_8u_C1R, s, 40, 5, 1, rng, dir);
        check_case<Rvl32f, 1>(rvliFilterBorder_32f_C1R, s, 40, 5, 3, rng, dir);
        check_case<Rvl8u, 1>(rvliFilterBorder_8u_C1R, t, 40, 5, 3, rng, dir);
    }
}

// ---- Worked examples --------------------------------------------------------------

template <class T, int C>
std::vector<T> filter_row(Worker<T, C> fn, const FilterCase& s, std::vector<T> row, int border = 1, RvlResult* status = nullptr) {
    SpecMemory m(0);
    int bufferSize = 0;
    EXPECT_GE((build_spec<T, C>(s, m, 0, static_cast<int>(row.size()) / C, 1, &bufferSize)), 0);
    std::vector<Rvl8u> buffer(bufferSize);
    std::vector<T> out(row.size());
    const T zero[4] = {};
    const int w = static_cast<int>(row.size()) / C;
    const RvlResult st = fn(row.data(), w * static_cast<int>(sizeof(T)) * C, out.data(), w * static_cast<int>(sizeof(T)) * C,
                            {w, 1}, static_cast<RvlBorderMode>(border), zero, m.get(), buffer.data());
    if (status) *status = st;
    return out;
}

TEST(FilterBorderExamples, HalvesOfATwoTapMean) {
    // Pixels 1,2 and 2,3 under a 2x1 kernel of ones with divisor 2.
    auto run = [](int mode) -> std::vector<Rvl8u> {
        FilterCase s{Kernel::Int16, 2, 1, {1, 1}, 2, mode | 16};
        return filter_row<Rvl8u, 1>(rvliFilterBorder_8u_C1R, s, {1, 2, 3, 3});
    };
    EXPECT_EQ(run(1), (std::vector<Rvl8u>{2, 2, 3, 3}));
    EXPECT_EQ(run(2), (std::vector<Rvl8u>{2, 3, 3, 3}));
    EXPECT_EQ(run(0), (std::vector<Rvl8u>{1, 2, 3, 3}));
}

TEST(FilterBorderExamples, ShiftAndCopy) {
    std::vector<Rvl8u> row(40);
    for (int x = 0; x < 40; ++x) row[x] = static_cast<Rvl8u>(3 * x + 1);
    const FilterCase shift{Kernel::Int16, 3, 1, {1, 0, 0}};
    const auto shifted = filter_row<Rvl8u, 1>(rvliFilterBorder_8u_C1R, shift, row);
    for (int x = 1; x < 40; ++x) EXPECT_EQ(shifted[x], row[x - 1]);
    EXPECT_EQ(shifted[0], row[0]);  // replicated
    const FilterCase copy{Kernel::Float32, 1, 1, {1}};
    EXPECT_EQ((filter_row<Rvl8u, 1>(rvliFilterBorder_8u_C1R, copy, row)), row);
    const FilterCase copy16{Kernel::Int16, 1, 1, {1}};
    EXPECT_EQ((filter_row<Rvl8u, 1>(rvliFilterBorder_8u_C1R, copy16, row)), row);
}

TEST(FilterBorderExamples, OffsetAfterRounding) {
    FilterCase s{Kernel::Int16, 1, 1, {1}, 1, 1};
    s.setMode = true;
    s.offset = 5;
    EXPECT_EQ((filter_row<Rvl8u, 1>(rvliFilterBorder_8u_C1R, s, {0, 10, 250, 255})), (std::vector<Rvl8u>{5, 15, 255, 255}));
    s.offset = -20;
    EXPECT_EQ((filter_row<Rvl8u, 1>(rvliFilterBorder_8u_C1R, s, {0, 10, 250, 255})), (std::vector<Rvl8u>{0, 0, 230, 235}));
}

// A one-pixel ROI sees the same border as the same pixel of a larger image
// whose neighbours are what the border makes of them.
TEST(FilterBorderExamples, TinyRoiMatchesLargerImage) {
    Rng rng(15);
    FilterCase s{Kernel::Float32, 5, 5, random_kernel(rng, 25, Kernel::Float32, false)};
    for (int border : {1, 3, 6}) {
        const Rvl32f one = 7.25f;
        const Rvl32f value[1] = {-2.0f};
        std::vector<Rvl32f> big(25, border == 6 ? -2.0f : one);
        big[12] = one;
        SpecMemory m(0);
        int bufferSize = 0;
        ASSERT_GE((build_spec<Rvl32f, 1>(s, m, 0, 1, 1, &bufferSize)), 0);
        std::vector<Rvl8u> buffer(bufferSize);
        Rvl32f out1 = 0;
        ASSERT_EQ(rvliFilterBorder_32f_C1R(&one, 4, &out1, 4, {1, 1}, static_cast<RvlBorderMode>(border), value, m.get(), buffer.data()), rvlResOk);
        // The same pixel in the middle of a 5x5 image of those values, all in memory.
        SpecMemory m2(0);
        ASSERT_GE((build_spec<Rvl32f, 1>(s, m2, 0, 1, 1, &bufferSize)), 0);
        std::vector<Rvl8u> buffer2(bufferSize);
        Rvl32f out2 = 0;
        ASSERT_EQ(rvliFilterBorder_32f_C1R(&big[12], 20, &out2, 4, {1, 1}, rvlBorderInMemory, value, m2.get(), buffer2.data()), rvlResOk);
        EXPECT_EQ(out1, out2) << "border " << border;
    }
}

// ---- Checks -------------------------------------------------------------------------

TEST(FilterBorderChecks, OrderAndNothingWritten) {
    FilterCase s{Kernel::Float32, 3, 3, std::vector<double>(9, 0.1)};
    SpecMemory m(0);
    int bufferSize = 0;
    ASSERT_GE((build_spec<Rvl32f, 1>(s, m, 0, 8, 8, &bufferSize)), 0);
    std::vector<Rvl8u> buffer(bufferSize);
    Rng rng(16);
    TestImage<Rvl32f> src(8, 8, 1), dst(8, 8, 1);
    src.fill(rng, random_pixel<Rvl32f>);
    dst.fill(rng, random_pixel<Rvl32f>);
    const TestImage<Rvl32f> before = dst;
    const Rvl32f v[1] = {0};
    const RvlFilterSpec* sp = m.get();
    auto call = [&](const Rvl32f* a, Rvl32f* b, int ss, int ds, RvlSize r, int border, const Rvl32f* val,
                    const RvlFilterSpec* spec, Rvl8u* buf) {
        return rvliFilterBorder_32f_C1R(a, ss, b, ds, r, static_cast<RvlBorderMode>(border), val, spec, buf);
    };
    Rvl8u* bf = buffer.data();
    EXPECT_EQ(call(nullptr, dst.data(), 0, 0, {0, 0}, 0x300, nullptr, sp, bf), rvlResNullPointer);
    EXPECT_EQ(call(src.data(), dst.data(), 0, 0, {0, 0}, 0x300, v, nullptr, bf), rvlResNullPointer);
    EXPECT_EQ(call(src.data(), dst.data(), 0, 0, {0, 0}, 0x300, v, sp, nullptr), rvlResNullPointer);
    EXPECT_EQ(call(src.data(), dst.data(), 0, 0, {0, 0}, 0x106, nullptr, sp, bf), rvlResNullPointer);
    EXPECT_EQ(call(src.data(), dst.data(), 0, 0, {0, 0}, 0x300, nullptr, sp, bf), rvlResBadSize);
    EXPECT_EQ(call(src.data(), dst.data(), 0, 32, {8, 8}, 0x300, nullptr, sp, bf), rvlResBadStep);
    EXPECT_EQ(call(src.data(), dst.data(), 1, 31, {8, 8}, 0x300, nullptr, sp, bf), rvlResBadStep);
    EXPECT_EQ(call(src.data(), dst.data(), 1, 32, {8, 8}, 0x300, nullptr, sp, bf), rvlResBadBorder);
    for (int bad : {0, 2, 4, 5, 7, 8, 15, 0x10, 0xF2, 0xF7, 0x101})
        EXPECT_EQ(call(src.data(), dst.data(), src.step(), dst.step(), {8, 8}, bad, v, sp, bf), rvlResBadBorder) << bad;
    EXPECT_TRUE(same_bytes(dst, before));
    // The channel count is not part of the step test.
    std::vector<Rvl8u> s3(64 * 3), d3(64 * 3);
    FilterCase s8{Kernel::Int16, 3, 3, std::vector<double>(9, 1), 9};
    SpecMemory m8(0);
    ASSERT_GE((build_spec<Rvl8u, 3>(s8, m8, 0, 8, 8, &bufferSize)), 0);
    std::vector<Rvl8u> b8(bufferSize);
    EXPECT_EQ(rvliFilterBorder_8u_C3R(s3.data(), 24, d3.data(), 8, {8, 8}, rvlBorderReplicate, nullptr, m8.get(), b8.data()), rvlResOk);
}

// One specification, read by two threads with their own buffers.
TEST(FilterBorder, SpecificationSharedByThreads) {
    Rng rng(17);
    FilterCase s{Kernel::Int16, 5, 5, random_kernel(rng, 25, Kernel::Int16, true), 37, 1};
    SpecMemory m(0);
    int bufferSize = 0;
    const int w = 300, h = 200;
    ASSERT_GE((build_spec<Rvl8u, 1>(s, m, 0, w, h, &bufferSize)), 0);
    TestImage<Rvl8u> src(w, h, 1);
    src.fill(rng, random_pixel<Rvl8u>);
    std::vector<Rvl8u> out[2] = {std::vector<Rvl8u>(w * h), std::vector<Rvl8u>(w * h)};
    auto work = [&](int t) {
        std::vector<Rvl8u> buffer(bufferSize);
        for (int rep = 0; rep < 5; ++rep)
            rvliFilterBorder_8u_C1R(src.data(), src.step(), out[t].data(), w, {w, h}, rvlBorderMirror, nullptr, m.get(), buffer.data());
    };
    std::thread a(work, 0), b(work, 1);
    a.join();
    b.join();
    std::vector<Rvl8u> single(w * h);
    std::vector<Rvl8u> buffer(bufferSize);
    ASSERT_EQ(rvliFilterBorder_8u_C1R(src.data(), src.step(), single.data(), w, {w, h}, rvlBorderMirror, nullptr, m.get(), buffer.data()), rvlResOk);
    EXPECT_EQ(out[0], single);
    EXPECT_EQ(out[1], single);
}

// ---- Convolution without border ---------------------------------------------------------

TEST(Filter64f, ConvolutionWithAnchor) {
    Rng rng(18);
    for (auto [kw, kh, ax, ay, w, h] : std::vector<std::array<int, 6>>{
             {3, 1, 1, 0, 40, 3}, {1, 3, 0, 2, 17, 4}, {3, 3, 1, 1, 33, 5}, {4, 2, 0, 1, 5, 2}, {5, 4, 4, 3, 19, 6}, {2, 2, 1, 1, 1, 1}}) {
        const int m = 6;
        TestImage<Rvl64f> src(w + 2 * m, h + 2 * m, 1, 1, 0);
        src.fill(rng, random_pixel<Rvl64f>);
        TestImage<Rvl64f> dst(w, h, 1, 2, 1);
        dst.fill(rng, random_pixel<Rvl64f>);
        TestImage<Rvl64f> want = dst;
        std::vector<double> k(kw * kh);
        for (auto& v : k) v = std::uniform_real_distribution<double>(-1, 1)(rng);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                // The convolution summed over the reversed kernel, first product first.
                double sum = 0;
                for (int t = 0; t < kw * kh; ++t) {
                    const int i = kh - 1 - t / kw, j = kw - 1 - t % kw;
                    const double p = k[i * kw + j] * src.at(x + ax - j + m, y + ay - i + m, 0);
                    sum = t == 0 ? p : sum + p;
                }
                want.set(x, y, 0, sum);
            }
        const Rvl64f* roi = reinterpret_cast<const Rvl64f*>(reinterpret_cast<const char*>(src.data()) + m * src.step()) + m;
        Rvl8u buffer[1];
        ASSERT_EQ(rvliFilter_64f_C1R(roi, src.step(), dst.data(), dst.step(), {w, h}, k.data(), {kw, kh}, {ax, ay}, buffer), rvlResOk);
        EXPECT_TRUE(same_bytes(dst, want)) << kw << "x" << kh;
    }
    // A 3x1 {1, 0, 0} with anchor (1, 0) moves the image one pixel left.
    const Rvl64f row[6] = {1, 2, 3, 4, 5, 6};
    Rvl64f out[4] = {};
    const Rvl64f k[3] = {1, 0, 0};
    Rvl8u buffer[1];
    ASSERT_EQ(rvliFilter_64f_C1R(row + 1, 48, out, 32, {4, 1}, k, {3, 1}, {1, 0}, buffer), rvlResOk);
    EXPECT_EQ(out[0], 3);
    EXPECT_EQ(out[3], 6);

    EXPECT_EQ(rvliFilter_64f_C1R(row, 48, nullptr, 32, {0, 1}, k, {3, 1}, {1, 0}, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliFilter_64f_C1R(row, 48, out, 32, {4, 1}, k, {0, 1}, {1, 0}, nullptr), rvlResBadSize);
    EXPECT_EQ(rvliFilter_64f_C1R(row, 47, out, 32, {4, 1}, k, {3, 1}, {1, 0}, nullptr), rvlResBadStep);
    EXPECT_EQ(rvliFilter_64f_C1R(row, 48, out, 31, {4, 1}, k, {3, 1}, {1, 0}, nullptr), rvlResBadStep);
    EXPECT_EQ(rvliFilter_64f_C1R(row, 48, out, 32, {4, 1}, k, {3, 1}, {1, 0}, nullptr), rvlResNullPointer);
}

}  // namespace

// Every Init stays inside the size GetSize reports for the same arguments,
// for every data type, channel count (two included), kernel type and a
// range of kernel shapes: the memory ends at an inaccessible page.
TEST(FilterBorderInit, StaysInsideTheReportedSize) {
    for (int dataType : {rvlType8u, rvlType16u, rvlType16s, rvlType32f})
        for (int channels = 1; channels <= 4; ++channels)
            for (RvlSize k : {RvlSize{1, 1}, RvlSize{2, 1}, RvlSize{3, 3}, RvlSize{5, 2}, RvlSize{7, 7}, RvlSize{12, 1}})
                for (int kernelType : {rvlType16s, rvlType32f}) {
                    if (kernelType == rvlType16s && dataType == rvlType32f) continue;  // no integer kernel for 32f data
                    int specSize = 0, bufSize = 0;
                    if (rvliFilterBorderGetSize(k, {64, 64}, dataType, kernelType, channels, &specSize, &bufSize) != rvlResOk)
                        continue;
                    rvltest::GuardedBlock mem(std::size_t(specSize), rvltest::Edge::End);
                    auto* spec = reinterpret_cast<RvlFilterSpec*>(mem.data());
                    const std::vector<Rvl16s> ks(std::size_t(k.width) * k.height, 3);
                    const std::vector<Rvl32f> kf(ks.size(), 0.5f);
                    const RvlResult st = kernelType == rvlType16s
                                             ? rvliFilterBorderInit_16s(ks.data(), k, 7, dataType, channels, 1, spec)
                                             : rvliFilterBorderInit_32f(kf.data(), k, dataType, channels, 1, spec);
                    EXPECT_GE(st, 0) << dataType << " C" << channels << " " << k.width << "x" << k.height;
                }
}
