// Resize with cubic, Lanczos, super-sampling and antialiasing: every worker
// against a plain reference of its weights and sums over enlarging and
// reducing ratios, tiles joined against one call, the _L API against the
// 32-bit one, buffers placed against guard pages at their reported sizes,
// the queries, and the check orders.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numeric>
#include <vector>

#include <gtest/gtest.h>

#include "rvl.h"
#include "support/guarded.hpp"
#include "support/image.hpp"
#include "geometry/resize_support.hpp"

namespace {

using namespace rvltest;
using I64 = std::int64_t;

I64 w32(I64 n) { return (n + 31) / 32 * 32; }

enum class Kind { Cubic, Lanczos, AaLinear, AaCubic, AaLanczos, Super };

struct Case {
    Kind kind;
    float B = 0, C = 0;
    Rvl32u lobes = 2;
};

bool antialiasing(Kind k) { return k == Kind::AaLinear || k == Kind::AaCubic || k == Kind::AaLanczos; }

RvlInterpolation interpolation(Kind k) {
    switch (k) {
        case Kind::Cubic:
        case Kind::AaCubic: return rvlInterCubicBC;
        case Kind::Lanczos:
        case Kind::AaLanczos: return rvlInterLanczos;
        case Kind::AaLinear: return rvlInterLinear;
        default: return rvlInterSuper;
    }
}

// ---- Specifications -------------------------------------------------------------

// A specification in memory of exactly the reported size, misaligned.
struct Spec {
    std::vector<unsigned char> bytes;
    RvlResizeSpec* get() { return reinterpret_cast<RvlResizeSpec*>(bytes.data() + 3); }
};

Spec make_spec(const Case& c, I64 sw, I64 sh, I64 dw, I64 dh, bool longApi, int type = 13) {
    Spec s;
    const Rvl32u aa = antialiasing(c.kind);
    const RvlSize src{int(sw), int(sh)}, dst{int(dw), int(dh)};
    const RvlSizeL srcL{sw, sh}, dstL{dw, dh};
    I64 specSize = 0, initSize = 0;
    if (longApi) {
        EXPECT_EQ(rvliResizeGetSize_L(srcL, dstL, type, interpolation(c.kind), aa, &specSize, &initSize), rvlResOk);
    } else {
        int a = 0, b = 0;
        EXPECT_EQ(rvliResizeGetSize_16s(src, dst, interpolation(c.kind), aa, &a, &b), rvlResOk);
        specSize = a, initSize = b;
    }
    s.bytes.assign(static_cast<size_t>(specSize + 3), 0);
    GuardedBlock init(static_cast<size_t>(initSize), Edge::End);
    Rvl8u* ib = init.data();
    RvlResult st = rvlResOk;
    switch (c.kind) {
        case Kind::Cubic:
            st = longApi ? rvliResizeCubicInit_L(srcL, dstL, type, c.B, c.C, s.get(), ib) : rvliResizeCubicInit_16u(src, dst, c.B, c.C, s.get(), ib);
            break;
        case Kind::Lanczos:
            st = longApi ? rvliResizeLanczosInit_L(srcL, dstL, type, c.lobes, s.get(), ib) : rvliResizeLanczosInit_32f(src, dst, c.lobes, s.get(), ib);
            break;
        case Kind::Super: st = longApi ? rvliResizeSuperInit_L(srcL, dstL, type, s.get()) : rvliResizeSuperInit_8u(src, dst, s.get()); break;
        case Kind::AaLinear:
            st = longApi ? rvliResizeAntialiasingLinearInit_L(srcL, dstL, type, s.get(), ib) : rvliResizeAntialiasingLinearInit(src, dst, s.get(), ib);
            break;
        case Kind::AaCubic:
            st = longApi ? rvliResizeAntialiasingCubicInit_L(srcL, dstL, type, c.B, c.C, s.get(), ib)
                         : rvliResizeAntialiasingCubicInit(src, dst, c.B, c.C, s.get(), ib);
            break;
        case Kind::AaLanczos:
            st = longApi ? rvliResizeAntialiasingLanczosInit_L(srcL, dstL, type, c.lobes, s.get(), ib)
                         : rvliResizeAntialiasingLanczosInit(src, dst, c.lobes, s.get(), ib);
            break;
    }
    EXPECT_EQ(st, rvlResOk);
    return s;
}

// ---- The reference --------------------------------------------------------------

// Per destination position of one axis: the source taps (unclamped) and
// their weights.
struct AxisTaps {
    std::vector<std::vector<I64>> index;
    std::vector<std::vector<float>> weight;
    I64 lead = 0, trail = 0;     // positions reading before / after the source
    I64 reducedS = 1, reducedD = 1;
};

double cubic(double x, double B, double C) {
    const double t = std::fabs(x);
    if (t < 1) return (2 - 1.5 * B - C) * t * t * t + (-3 + 2 * B + C) * t * t + (1 - B / 3);
    if (t < 2) return (-B / 6 - C) * t * t * t + (B + 5 * C) * t * t - (2 * B + 8 * C) * t + (4 * B / 3 + 4 * C);
    return 0;
}

double sinc(double x) { return x == 0 ? 1.0 : std::sin(M_PI * x) / (M_PI * x); }

void normalise(std::vector<float>& w) {
    float sum = 0;
    for (float v : w) sum += v;
    for (float& v : w) v /= sum;
}

// The filtering kinds: mapped position x = (d + 0.5) S'/D' - 0.5, taps
// floor(x) - h + 1 .. floor(x) + h.
AxisTaps filter_axis(const Case& c, I64 S, I64 D) {
    AxisTaps a;
    const I64 g = std::gcd(S, D);
    const double s = double(S / g) / double(D / g);
    I64 h = c.kind == Kind::Cubic ? 2 : c.kind == Kind::Lanczos ? c.lobes : 0;
    float sigma = 1;
    if (antialiasing(c.kind)) {
        const I64 k = c.kind == Kind::AaLinear ? 1 : c.kind == Kind::AaCubic ? 2 : c.lobes;
        h = D < S ? static_cast<I64>(std::ceil(double(k) * S / D)) : k;
        sigma = std::min(float(double(D) / double(S)), 1.0f);
    }
    const int N = c.lobes == 2 ? 200 : 100;
    std::vector<float> table(c.lobes * N + 1);
    for (int j = 0; j <= int(c.lobes) * N; ++j) table[j] = float(sinc(double(j) / N) * sinc(double(j) / N / c.lobes));
    for (I64 d = 0; d < D; ++d) {
        const double x = (d + 0.5) * s - 0.5;
        const I64 i = static_cast<I64>(std::floor(x));
        const double f = x - std::floor(x);
        a.lead += x < h - 1;
        a.trail += x >= S - h;
        std::vector<I64> idx;
        std::vector<float> w;
        for (I64 k = 0; k < 2 * h; ++k) idx.push_back(i - h + 1 + k);
        if (c.kind == Kind::Cubic) {
            for (int k = 0; k < 4; ++k) w.push_back(float(cubic(double(k - 1) - double(float(f)), c.B, c.C)));
        } else if (c.kind == Kind::Lanczos) {
            for (I64 k = 0; k < 2 * h; ++k) {
                const float t = std::fabs(float(k - (h - 1)) - float(f));
                float v = 0;
                if (t < float(h)) {
                    const float u = t * float(N);
                    const int j = int(u);
                    v = table[j] + (table[j + 1] - table[j]) * (u - float(j));
                }
                w.push_back(v);
            }
            normalise(w);
        } else {
            float t = float(double(1 - h) - f);
            for (I64 k = 0; k < 2 * h; ++k, t += 1.0f) {
                const float u = std::fabs(t * sigma);
                float K = 0;
                if (c.kind == Kind::AaLinear) K = u < 1 ? 1 - u : 0;
                else if (c.kind == Kind::AaCubic) K = float(cubic(u, c.B, c.C));
                else if (u == 0) K = 1;
                else if (u < float(c.lobes)) {
                    const float pu = float(M_PI) * u, a = float(c.lobes);
                    K = std::sin(pu) * std::sin(pu / a) / (pu * pu / a);
                }
                w.push_back(K * sigma);
            }
            normalise(w);
        }
        a.index.push_back(idx);
        a.weight.push_back(w);
    }
    return a;
}

// Super-sampling: destination pixel d covers [d S/D, (d + 1) S/D); each
// source pixel weighs the part of it that lies inside (exact periods of
// D' positions), tiny parts dropped.
AxisTaps super_axis(I64 S, I64 D) {
    AxisTaps a;
    const I64 g = std::gcd(S, D);
    a.reducedS = S / g, a.reducedD = D / g;
    const double r = double(a.reducedS) / double(a.reducedD);
    for (I64 d = 0; d < D; ++d) {
        const I64 q = d / a.reducedD, p = d % a.reducedD;
        const double from = p * r, to = (p + 1) * r;
        std::vector<I64> idx;
        std::vector<float> w;
        for (I64 px = static_cast<I64>(from); px < to && px < a.reducedS; ++px) {
            const double cover = std::min<double>(px + 1, to) - std::max<double>(px, from);
            if (cover > 1e-7) idx.push_back(q * a.reducedS + px), w.push_back(float(cover));
        }
        a.index.push_back(idx);
        a.weight.push_back(w);
    }
    return a;
}

template <class T>
T round_store(float v) {
    if constexpr (std::is_same_v<T, float>) return v;
    else return static_cast<T>(std::clamp<float>(std::nearbyint(v), std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

// The whole destination: horizontal sums of each source row with the taps
// clamped into the image, then vertical sums of those rows (super-sampling:
// vertical first, then horizontal, then the factor).
template <class T>
std::vector<T> reference(const Case& c, const Image<T>& src, I64 dw, I64 dh) {
    std::vector<T> out(static_cast<size_t>(dw * dh * src.c));
    auto clampx = [&](I64 v) { return std::clamp<I64>(v, 0, src.w - 1); };
    auto clampy = [&](I64 v) { return std::clamp<I64>(v, 0, src.h - 1); };
    if (c.kind == Kind::Super) {
        const AxisTaps ax = super_axis(src.w, dw), ay = super_axis(src.h, dh);
        const float factor = (float(ax.reducedD) / float(ax.reducedS)) * (float(ay.reducedD) / float(ay.reducedS));
        for (I64 r = 0; r < dh; ++r)
            for (I64 x = 0; x < dw; ++x)
                for (int k = 0; k < src.c; ++k) {
                    auto column = [&](I64 col) {
                        float s = 0;
                        for (size_t l = 0; l < ay.index[r].size(); ++l) {
                            const float p = float(src.at(col, ay.index[r][l], k)) * ay.weight[r][l];
                            s = l == 0 ? p : s + p;
                        }
                        return s;
                    };
                    float acc = 0;
                    for (size_t j = 0; j < ax.index[x].size(); ++j) {
                        const float p = column(ax.index[x][j]) * ax.weight[x][j];
                        acc = j == 0 ? p : acc + p;
                    }
                    out[(r * dw + x) * src.c + k] = round_store<T>(factor * acc);
                }
        return out;
    }
    const AxisTaps ax = filter_axis(c, src.w, dw), ay = filter_axis(c, src.h, dh);
    std::vector<float> rows(static_cast<size_t>(src.h * dw * src.c));
    for (I64 y = 0; y < src.h; ++y)
        for (I64 x = 0; x < dw; ++x)
            for (int k = 0; k < src.c; ++k) {
                float acc = 0;
                for (size_t j = 0; j < ax.index[x].size(); ++j) {
                    const float p = float(src.at(clampx(ax.index[x][j]), y, k)) * ax.weight[x][j];
                    acc = j == 0 ? p : acc + p;
                }
                rows[(y * dw + x) * src.c + k] = acc;
            }
    for (I64 r = 0; r < dh; ++r)
        for (I64 e = 0; e < dw * src.c; ++e) {
            float acc = 0;
            for (size_t l = 0; l < ay.index[r].size(); ++l) {
                const float p = rows[clampy(ay.index[r][l]) * dw * src.c + e] * ay.weight[r][l];
                acc = l == 0 ? p : acc + p;
            }
            out[r * dw * src.c + e] = round_store<T>(acc);
        }
    return out;
}

// ---- Workers ---------------------------------------------------------------------

template <class T>
using Filter32 = RvlResult (*)(const T*, int, T*, int, RvlPoint, RvlSize, RvlBorderMode, const T*, const RvlResizeSpec*, Rvl8u*);
template <class T>
using FilterL = RvlResult (*)(const T*, Rvl64s, T*, Rvl64s, RvlPointL, RvlSizeL, RvlBorderMode, const T*, const RvlResizeSpec*, Rvl8u*);
template <class T>
using Super32 = RvlResult (*)(const T*, int, T*, int, RvlPoint, RvlSize, const RvlResizeSpec*, Rvl8u*);
template <class T>
using SuperL = RvlResult (*)(const T*, Rvl64s, T*, Rvl64s, RvlPointL, RvlSizeL, const RvlResizeSpec*, Rvl8u*);

// The members of one element type, per kind (cubic, Lanczos,
// antialiasing) and channel count (1, 3, 4).
template <class T>
struct Members {
    Filter32<T> f[3][3];
    FilterL<T> fl[3][3];
    Super32<T> s[3];
    SuperL<T> sl[3];
};

#define RVL_FILTER_ROW(kind, t) \
    {rvliResize##kind##_##t##_C1R, rvliResize##kind##_##t##_C3R, rvliResize##kind##_##t##_C4R}
#define RVL_FILTER_ROW_L(kind, t) \
    {rvliResize##kind##_##t##_C1R_L, rvliResize##kind##_##t##_C3R_L, rvliResize##kind##_##t##_C4R_L}
#define RVL_MEMBERS(t)                                                                                                     \
    Members<Rvl##t> {                                                                                                      \
        {RVL_FILTER_ROW(Cubic, t), RVL_FILTER_ROW(Lanczos, t), RVL_FILTER_ROW(Antialiasing, t)},                        \
            {RVL_FILTER_ROW_L(Cubic, t), RVL_FILTER_ROW_L(Lanczos, t), RVL_FILTER_ROW_L(Antialiasing, t)},              \
            RVL_FILTER_ROW(Super, t), RVL_FILTER_ROW_L(Super, t)                                                          \
    }

int channel_slot(int channels) { return channels == 1 ? 0 : channels == 3 ? 1 : 2; }
int kind_slot(Kind k) { return k == Kind::Cubic ? 0 : k == Kind::Lanczos ? 1 : 2; }

// One call over the whole destination, then a grid of random tiles (with
// in-memory flags on the sides where no tile pixel reads outside the
// source), then the same tiles through the _L API: all equal the reference.
template <class T>
void check_kind(const Members<T>& m, const Case& c, int channels, I64 sw, I64 sh, I64 dw, I64 dh, Rng& rng) {
    SCOPED_TRACE(::testing::Message() << "kind " << int(c.kind) << " B " << c.B << " C " << c.C << " lobes " << c.lobes << ", " << sw
                                      << "x" << sh << " -> " << dw << "x" << dh << " C" << channels);
    const Image<T> src = random_image<T>(sw, sh, channels, rng);
    const Image<T> want{dw, dh, channels, reference(c, src, dw, dh)};
    TestImage<T> in = test_image_of(src, rng);
    Spec spec = make_spec(c, sw, sh, dw, dh, false), specL = make_spec(c, sw, sh, dw, dh, true, type_code<T>());
    if (::testing::Test::HasFailure()) return;
    AxisTaps ax, ay;
    if (c.kind != Kind::Super) ax = filter_axis(c, sw, dw), ay = filter_axis(c, sh, dh);
    const int cs = channel_slot(channels);

    auto run_tile = [&](TestImage<T>& out, I64 x, I64 y, I64 w, I64 h, bool longApi) {
        RvlPoint so{};
        ASSERT_EQ(rvliResizeGetSrcOffset_32f(spec.get(), {int(x), int(y)}, &so), rvlResOk);
        int bytes = 0;
        ASSERT_EQ(rvliResizeGetBufferSize_16u(spec.get(), {int(w), int(h)}, channels, &bytes), rvlResOk);
        GuardedBlock buffer(static_cast<size_t>(bytes), Edge::End);
        int border = rvlBorderReplicate;
        if (c.kind != Kind::Super) {
            if (y >= ay.lead && rng() % 2) border |= rvlBorderInMemoryTop;
            if (y + h <= dh - ay.trail && rng() % 2) border |= rvlBorderInMemoryBottom;
            if (x >= ax.lead && rng() % 2) border |= rvlBorderInMemoryLeft;
            if (x + w <= dw - ax.trail && rng() % 2) border |= rvlBorderInMemoryRight;
        }
        const T* s = reinterpret_cast<const T*>(reinterpret_cast<const char*>(in.data()) + so.y * in.step()) + so.x * channels;
        T* d = reinterpret_cast<T*>(reinterpret_cast<char*>(out.data()) + y * out.step()) + x * channels;
        const auto mode = static_cast<RvlBorderMode>(border);
        RvlResult st;
        if (c.kind == Kind::Super)
            st = longApi ? m.sl[cs](s, in.step(), d, out.step(), {x, y}, {w, h}, specL.get(), buffer.data())
                         : m.s[cs](s, in.step(), d, out.step(), {int(x), int(y)}, {int(w), int(h)}, spec.get(), buffer.data());
        else if (longApi)
            st = m.fl[kind_slot(c.kind)][cs](s, in.step(), d, out.step(), {x, y}, {w, h}, mode, nullptr, specL.get(), buffer.data());
        else
            st = m.f[kind_slot(c.kind)][cs](s, in.step(), d, out.step(), {int(x), int(y)}, {int(w), int(h)}, mode, nullptr, spec.get(),
                                            buffer.data());
        ASSERT_EQ(st, rvlResOk);
    };
    check_tile_passes(want, rng, run_tile);
}

// Enlarging, reducing and mixed ratios; sources of at least 6 (Lanczos 3).
const std::vector<std::array<int, 4>> kRatios = {{6, 6, 6, 6},   {6, 7, 13, 19}, {9, 8, 4, 3},    {17, 6, 5, 11},
                                                 {40, 31, 17, 9}, {7, 12, 29, 5}, {64, 20, 23, 20}, {8, 9, 8, 21}};
const std::vector<std::array<int, 4>> kReductions = {{6, 6, 6, 6}, {4, 4, 2, 2}, {9, 8, 4, 3}, {17, 6, 5, 2},
                                                     {40, 31, 17, 9}, {12, 7, 12, 3}, {64, 20, 23, 20}, {33, 35, 10, 35},
                                                     // whole blocks of a power-of-two area: 2x2, 2x4, 4x2, 2x1
                                                     {70, 12, 35, 6}, {66, 16, 33, 4}, {64, 9, 16, 9}, {50, 5, 25, 5}};

const std::vector<Case> kFilterCases = {{Kind::Cubic, 0, 0.5f}, {Kind::Cubic, 1, 0},      {Kind::Cubic, 0.5f, 0.3f},
                                        {Kind::Lanczos, 0, 0, 2}, {Kind::Lanczos, 0, 0, 3}, {Kind::AaLinear},
                                        {Kind::AaCubic, 0, 0.5f}, {Kind::AaLanczos, 0, 0, 3}, {Kind::AaLanczos, 0, 0, 2}};

template <class T>
void kind_table(const Members<T>& m, int seed) {
    Rng rng(seed);
    int n = 0;
    for (const Case& c : kFilterCases)
        for (auto [sw, sh, dw, dh] : kRatios) {
            // Every layout on a third of the ratios, one layout (in turn) on the rest.
            const int layouts[] = {1, 3, 4};
            for (int ch : layouts)
                if (n % 3 == 0 || ch == layouts[(n / 3) % 3]) check_kind<T>(m, c, ch, sw, sh, dw, dh, rng);
            ++n;
        }
    for (auto [sw, sh, dw, dh] : kReductions)
        for (int ch : {1, 3, 4}) check_kind<T>(m, {Kind::Super}, ch, sw, sh, dw, dh, rng);
}

TEST(ResizeFilters, EightBitAgainstReference) { kind_table<Rvl8u>(RVL_MEMBERS(8u), 41); }
TEST(ResizeFilters, SixteenBitAgainstReference) {
    kind_table<Rvl16u>(RVL_MEMBERS(16u), 42);
    kind_table<Rvl16s>(RVL_MEMBERS(16s), 43);
}
TEST(ResizeFilters, FloatAgainstReference) { kind_table<Rvl32f>(RVL_MEMBERS(32f), 44); }

// Wide rows: every vector path and its tails, C1 four columns at a time.
TEST(ResizeFilters, WideRowsAgainstReference) {
    Rng rng(45);
    const Members<Rvl8u> m8 = RVL_MEMBERS(8u);
    const Members<Rvl32f> mf = RVL_MEMBERS(32f);
    for (int ch : {1, 3, 4}) {
        check_kind<Rvl8u>(m8, {Kind::Cubic, 0, 0.5f}, ch, 203, 7, 135, 5, rng);
        check_kind<Rvl32f>(mf, {Kind::Lanczos, 0, 0, 3}, ch, 150, 6, 211, 9, rng);
        check_kind<Rvl8u>(m8, {Kind::AaLinear}, ch, 301, 30, 77, 8, rng);
        check_kind<Rvl8u>(m8, {Kind::Super}, ch, 301, 30, 129, 11, rng);
    }
    // Rows wider than the pixels summed at once, several rows filtered
    // together (a reduction of more than four rows per row), and every
    // element type's conversion.
    const Members<Rvl16u> m16 = RVL_MEMBERS(16u);
    const Members<Rvl16s> m16s = RVL_MEMBERS(16s);
    for (int ch : {3, 4}) {
        check_kind<Rvl8u>(m8, {Kind::AaLinear}, ch, 1100, 27, 131, 5, rng);
        check_kind<Rvl16u>(m16, {Kind::AaLanczos, 0, 0, 3}, ch, 1031, 22, 97, 4, rng);
        check_kind<Rvl16s>(m16s, {Kind::AaCubic, 0, 0.5f}, ch, 1031, 22, 97, 4, rng);
        check_kind<Rvl32f>(mf, {Kind::AaLinear}, ch, 1100, 27, 131, 5, rng);
    }
}

// ---- Exact cases ------------------------------------------------------------------

template <class T>
std::vector<T> resize_whole(const Case& c, const std::vector<T>& src, I64 sw, I64 sh, I64 dw, I64 dh, int channels = 1) {
    Spec spec = make_spec(c, sw, sh, dw, dh, false);
    int bytes = 0;
    EXPECT_EQ(rvliResizeGetBufferSize_8u(spec.get(), {int(dw), int(dh)}, channels, &bytes), rvlResOk);
    std::vector<Rvl8u> buffer(static_cast<size_t>(bytes));
    std::vector<T> out(static_cast<size_t>(dw * dh * channels));
    const int ss = int(sw * channels * sizeof(T)), ds = int(dw * channels * sizeof(T));
    RvlResult st;
    if constexpr (std::is_same_v<T, Rvl8u>) {
        if (c.kind == Kind::Super) st = rvliResizeSuper_8u_C1R(src.data(), ss, out.data(), ds, {0, 0}, {int(dw), int(dh)}, spec.get(), buffer.data());
        else if (c.kind == Kind::Cubic)
            st = rvliResizeCubic_8u_C1R(src.data(), ss, out.data(), ds, {0, 0}, {int(dw), int(dh)}, rvlBorderReplicate, nullptr, spec.get(), buffer.data());
        else if (c.kind == Kind::Lanczos)
            st = rvliResizeLanczos_8u_C1R(src.data(), ss, out.data(), ds, {0, 0}, {int(dw), int(dh)}, rvlBorderReplicate, nullptr, spec.get(), buffer.data());
        else
            st = rvliResizeAntialiasing_8u_C1R(src.data(), ss, out.data(), ds, {0, 0}, {int(dw), int(dh)}, rvlBorderReplicate, nullptr, spec.get(), buffer.data());
    } else {
        if (c.kind == Kind::Super) st = rvliResizeSuper_32f_C1R(src.data(), ss, out.data(), ds, {0, 0}, {int(dw), int(dh)}, spec.get(), buffer.data());
        else if (c.kind == Kind::Cubic)
            st = rvliResizeCubic_32f_C1R(src.data(), ss, out.data(), ds, {0, 0}, {int(dw), int(dh)}, rvlBorderReplicate, nullptr, spec.get(), buffer.data());
        else if (c.kind == Kind::Lanczos)
            st = rvliResizeLanczos_32f_C1R(src.data(), ss, out.data(), ds, {0, 0}, {int(dw), int(dh)}, rvlBorderReplicate, nullptr, spec.get(), buffer.data());
        else
            st = rvliResizeAntialiasing_32f_C1R(src.data(), ss, out.data(), ds, {0, 0}, {int(dw), int(dh)}, rvlBorderReplicate, nullptr, spec.get(), buffer.data());
    }
    EXPECT_EQ(st, rvlResOk);
    return out;
}

TEST(ResizeFilters, ExactValues) {
    Rng rng(46);
    std::vector<Rvl8u> img(9 * 7);
    for (auto& v : img) v = Rvl8u(rng());
    // Cubic (0, 0.5) at equal sizes: weights 0, 1, 0, 0 reproduce the source.
    EXPECT_EQ(resize_whole<Rvl8u>({Kind::Cubic, 0, 0.5f}, img, 9, 7, 9, 7), img);
    // Cubic (1, 0) at equal sizes: (p[i-1] + 4 p[i] + p[i+1]) / 6 along a constant column direction.
    {
        std::vector<float> row(6 * 6);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 6; ++x) row[y * 6 + x] = x == 2 ? 6.0f : 0.0f;
        const auto out = resize_whole<float>({Kind::Cubic, 1, 0}, row, 6, 6, 6, 6);
        // Each axis weighs 1/6, 2/3, 1/6; along the constant vertical axis the weights sum to 1.
        EXPECT_NEAR(out[3 * 6 + 1], 1.0f, 1e-5);
        EXPECT_NEAR(out[3 * 6 + 2], 4.0f, 1e-5);
        EXPECT_NEAR(out[3 * 6 + 3], 1.0f, 1e-5);
        EXPECT_NEAR(out[3 * 6 + 4], 0.0f, 1e-6);
    }
    // Lanczos 3 of a constant image is that constant.
    std::vector<Rvl8u> flat(13 * 11, 173);
    EXPECT_EQ(resize_whole<Rvl8u>({Kind::Lanczos, 0, 0, 3}, flat, 13, 11, 29, 5), std::vector<Rvl8u>(29 * 5, 173));
    EXPECT_EQ(resize_whole<Rvl8u>({Kind::AaLanczos, 0, 0, 3}, flat, 13, 11, 4, 3), std::vector<Rvl8u>(4 * 3, 173));
    // Super-sampling 4 -> 2: 2x2 means, halves to even: (1,1,2,2) -> 2, (2,2,3,3) -> 2.
    const std::vector<Rvl8u> blocks = {1, 1, 2, 2, 2, 2, 3, 3, 5, 5, 7, 7, 5, 5, 7, 7};
    EXPECT_EQ(resize_whole<Rvl8u>({Kind::Super}, blocks, 4, 4, 2, 2), (std::vector<Rvl8u>{2, 2, 5, 7}));
    // Super-sampling 3 -> 2 on one axis: taps (1, 0.5) and (0.5, 1), factor 2/3.
    const std::vector<float> three = {3, 6, 9, 3, 6, 9};
    const auto s32 = resize_whole<float>({Kind::Super}, three, 3, 2, 2, 2);
    EXPECT_FLOAT_EQ(s32[0], (3.0f + 3.0f) * (2.0f / 3.0f));
    EXPECT_FLOAT_EQ(s32[1], (3.0f + 9.0f) * (2.0f / 3.0f));
    // Linear antialiasing 4 -> 2: weights 1/8, 3/8, 3/8, 1/8 (left tap replicated at the edge).
    // (Two equal rows reduced to one weigh them 1/8 + 3/8 + 3/8 + 1/8 as well.)
    const std::vector<Rvl8u> ramp = {0, 80, 160, 240, 0, 80, 160, 240};
    EXPECT_EQ(resize_whole<Rvl8u>({Kind::AaLinear}, ramp, 4, 2, 2, 1), (std::vector<Rvl8u>{50, 190}));
    // Antialiasing while enlarging equals the plain kernel (normalised): Lanczos 2 on a ramp.
    std::vector<float> ramp32(8 * 8);
    for (int k = 0; k < 64; ++k) ramp32[k] = float(k % 8);
    const auto plain = resize_whole<float>({Kind::Lanczos, 0, 0, 2}, ramp32, 8, 8, 19, 13);
    const auto aa = resize_whole<float>({Kind::AaLanczos, 0, 0, 2}, ramp32, 8, 8, 19, 13);
    for (size_t k = 0; k < plain.size(); ++k) EXPECT_NEAR(plain[k], aa[k], 1e-3) << k;
}

// ---- Queries ------------------------------------------------------------------------

TEST(ResizeFilterQueries, SizesBordersAndSuperRectangles) {
    // Work buffers.
    for (auto [sw, sh, dw, dh] : kRatios) {
        const I64 w = dw - 1 > 0 ? dw - 1 : 1, h = dh;
        for (Rvl32u ch : {1u, 3u, 4u}) {
            const I64 base = w32(4 * h) + w32(4 * w), row = w32(4 * ch * w);
            int bytes = 0;
            Spec cubic = make_spec({Kind::Cubic, 0, 0.5f}, sw, sh, dw, dh, false);
            ASSERT_EQ(rvliResizeGetBufferSize_8u(cubic.get(), {int(w), int(h)}, ch, &bytes), rvlResOk);
            EXPECT_EQ(bytes, base + 4 * row + 64);
            Spec lz = make_spec({Kind::Lanczos, 0, 0, 3}, sw, sh, dw, dh, false);
            ASSERT_EQ(rvliResizeGetBufferSize_8u(lz.get(), {int(w), int(h)}, ch, &bytes), rvlResOk);
            EXPECT_EQ(bytes, base + 6 * row + 64);
            // Antialiasing: the half-supports and edge counts of the reference.
            const Case aaCase{Kind::AaLinear};
            Spec aa = make_spec(aaCase, sw, sh, dw, dh, false);
            const AxisTaps ax = filter_axis(aaCase, sw, dw), ay = filter_axis(aaCase, sh, dh);
            const I64 hx = I64(ax.index[0].size()) / 2, hy = I64(ay.index[0].size()) / 2;
            ASSERT_EQ(rvliResizeGetBufferSize_8u(aa.get(), {int(w), int(h)}, ch, &bytes), rvlResOk);
            EXPECT_EQ(bytes, base + 2 * hy * row + ((16 * hy + 39) & ~31) + w32(16 * ax.lead * hx) + w32(16 * ax.trail * hx) +
                                 w32(16 * ay.lead * hy) + w32(16 * ay.trail * hy) + row + 64);
            RvlBorderExtent e{};
            ASSERT_EQ(rvliResizeGetBorderSize_8u(aa.get(), &e), rvlResOk);
            EXPECT_EQ(e.borderLeft, Rvl32u(hx));
            EXPECT_EQ(e.borderBottom, Rvl32u(hy));
            ASSERT_EQ(rvliResizeGetBorderSize_8u(lz.get(), &e), rvlResOk);
            EXPECT_EQ(e.borderTop, 3u);
        }
    }
    // Super-sampling 7 -> 3 horizontally, 10 -> 4 (5 -> 2 a period) vertically.
    Spec s = make_spec({Kind::Super}, 7, 10, 3, 4, false);
    int bytes = 0;
    ASSERT_EQ(rvliResizeGetBufferSize_8u(s.get(), {2, 3}, 3, &bytes), rvlResOk);
    // Columns: min(trunc(7 * 2 / 3 + 3), 7) = 7; rows: min(D'y = 2, 3) = 2.
    EXPECT_EQ(bytes, w32(12) + w32(8) + 32 + (12 * w32(7) + 8) * 2 + 64);
    RvlPoint o{};
    RvlSize size{};
    // Column 1 covers [7/3, 14/3): first pixel 2; row 2 of 10 -> 4 covers [5, 7.5): 5.
    ASSERT_EQ(rvliResizeGetSrcOffset_8u(s.get(), {1, 2}, &o), rvlResOk);
    EXPECT_EQ(o.x, 2);
    EXPECT_EQ(o.y, 5);
    // Columns 1..1: last tap 4; rows 2..3 (the end): 9.
    ASSERT_EQ(rvliResizeGetSrcRoi_8u(s.get(), {1, 2}, {1, 2}, &o, &size), rvlResOk);
    EXPECT_EQ(size.width, 4 - 2 + 1);
    EXPECT_EQ(size.height, 9 - 5 + 1);
    ASSERT_EQ(rvliResizeGetSrcRoi_8u(s.get(), {0, 0}, {5, 1}, &o, &size), rvlResWarnArgumentRange);
    EXPECT_EQ(size.width, 7);
    EXPECT_EQ(size.height, 3);  // row 0 covers [0, 2.5): pixels 0..2
}

// ---- Checks --------------------------------------------------------------------------

TEST(ResizeFilterChecks, InitOrders) {
    std::vector<Rvl8u> mem(1 << 16, 0);
    auto* spec = reinterpret_cast<RvlResizeSpec*>(mem.data());
    Rvl8u* init = mem.data() + 32768;
    const RvlSize big{8, 8};
    EXPECT_EQ(rvliResizeCubicInit_8u({0, 0}, big, 0, 0.5f, spec, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliResizeCubicInit_8u({0, 3}, big, 0, 0.5f, spec, init), rvlResWarnNothingDone);
    EXPECT_EQ(rvliResizeCubicInit_8u({3, 8}, big, 0, 0.5f, spec, init), rvlResBadSize);
    EXPECT_EQ(rvliResizeCubicInit_L({3, 8}, {8, 8}, 2, 0, 0.5f, spec, init), rvlResBadSize);
    EXPECT_EQ(rvliResizeCubicInit_L({4, 8}, {8, 8}, 2, 0, 0.5f, spec, init), rvlResBadDataType);
    EXPECT_EQ(rvliResizeCubicInit_L({4, 8}, {8, 0x2000000}, 1, 0, 0.5f, spec, init), rvlResSizeOverflow);
    EXPECT_EQ(rvliResizeLanczosInit_16u({5, 8}, big, 4, spec, init), rvlResUnsupportedMode);
    EXPECT_EQ(rvliResizeLanczosInit_16u({5, 8}, big, 3, spec, init), rvlResBadSize);
    EXPECT_EQ(rvliResizeLanczosInit_16u({-1, 8}, big, 4, spec, init), rvlResBadSize);
    // _L: lobes, then the type, then the source minimum, then the length.
    EXPECT_EQ(rvliResizeLanczosInit_L({5, 8}, {8, 8}, 2, 4, spec, init), rvlResUnsupportedMode);
    EXPECT_EQ(rvliResizeLanczosInit_L({5, 8}, {8, 8}, 2, 3, spec, init), rvlResBadDataType);
    EXPECT_EQ(rvliResizeLanczosInit_L({5, 8}, {8, 0x2000000}, 5, 3, spec, init), rvlResBadSize);
    EXPECT_EQ(rvliResizeLanczosInit_L({6, 8}, {8, 0x2000000}, 5, 3, spec, init), rvlResSizeOverflow);
    EXPECT_EQ(rvliResizeSuperInit_32f({8, 8}, {9, 8}, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliResizeSuperInit_32f({8, 8}, {9, 8}, spec), rvlResBadSize);
    EXPECT_EQ(rvliResizeSuperInit_32f({8, 0}, {9, 8}, spec), rvlResWarnNothingDone);
    // _L: the length before the type.
    EXPECT_EQ(rvliResizeSuperInit_L({0x2000000, 8}, {8, 8}, 3, spec), rvlResSizeOverflow);
    EXPECT_EQ(rvliResizeSuperInit_L({8, 8}, {8, 8}, 3, spec), rvlResBadDataType);
    EXPECT_EQ(rvliResizeAntialiasingLinearInit(big, big, spec, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliResizeAntialiasingLinearInit(big, {0, -1}, spec, init), rvlResWarnNothingDone);
    EXPECT_EQ(rvliResizeAntialiasingCubicInit(big, {-1, 3}, 0, 0, spec, init), rvlResBadSize);
    EXPECT_EQ(rvliResizeAntialiasingLanczosInit(big, big, 1, spec, init), rvlResUnsupportedMode);
    EXPECT_EQ(rvliResizeAntialiasingLanczosInit_L({8, 8}, {8, 8}, 4, 2, spec, init), rvlResBadDataType);
    EXPECT_EQ(rvliResizeAntialiasingLinearInit_L({8, 8}, {0x2000000, 8}, 1, spec, init), rvlResSizeOverflow);
    // Nothing was written by any refusal.
    EXPECT_TRUE(std::all_of(mem.begin(), mem.end(), [](Rvl8u b) { return b == 0; }));
}

TEST(ResizeFilterChecks, WorkerOrdersAndKinds) {
    Spec cubic = make_spec({Kind::Cubic, 0, 0.5f}, 8, 8, 5, 5, false);
    Spec lanczos = make_spec({Kind::Lanczos, 0, 0, 2}, 8, 8, 5, 5, false);
    Spec aa = make_spec({Kind::AaLinear}, 8, 8, 5, 5, false);
    Spec aaL = make_spec({Kind::AaLinear}, 8, 8, 5, 5, true, 7);
    Spec super = make_spec({Kind::Super}, 8, 8, 5, 5, false);
    std::vector<Rvl16s> src(64, 1);
    std::vector<Rvl8u> buffer(1 << 14);
    TestImage<Rvl16s> dst(5, 5, 1, 1, 0);
    Rng rng(47);
    dst.fill(rng, moderate_value<Rvl16s>);
    const TestImage<Rvl16s> before = dst;
    const auto R = rvlBorderReplicate;
    auto cub = [&](RvlResizeSpec* s, RvlBorderMode b, int step, RvlPoint at, RvlSize size) {
        return rvliResizeCubic_16s_C1R(src.data(), step, dst.data(), dst.step(), at, size, b, nullptr, s, buffer.data());
    };
    auto anti = [&](RvlResizeSpec* s, RvlBorderMode b, RvlPoint at, RvlSize size) {
        // The source pointer at the tile's source offset (floor(at * 8 / 5)).
        const Rvl16s* p = src.data() + (at.y * 8 / 5) * 8 + at.x * 8 / 5;
        return rvliResizeAntialiasing_16s_C1R(p, 16, dst.data(), dst.step(), at, size, b, nullptr, s, buffer.data());
    };
    EXPECT_EQ(cub(nullptr, static_cast<RvlBorderMode>(0x101), 16, {0, 0}, {0, 0}), rvlResBadBorder);
    EXPECT_EQ(cub(nullptr, rvlBorderConstant, 16, {0, 0}, {0, 0}), rvlResBadBorder);
    EXPECT_EQ(cub(nullptr, R, 16, {0, 0}, {0, 0}), rvlResNullPointer);
    EXPECT_EQ(cub(cubic.get(), R, 16, {0, 0}, {0, 5}), rvlResWarnNothingDone);
    EXPECT_EQ(cub(aa.get(), R, 15, {9, 0}, {-1, 5}), rvlResBadSize);
    EXPECT_EQ(cub(cubic.get(), R, 15, {9, 0}, {5, 5}), rvlResBadStep);
    EXPECT_EQ(cub(aa.get(), R, 16, {9, 0}, {5, 5}), rvlResOutOfRange);
    EXPECT_EQ(cub(aa.get(), R, 16, {0, 0}, {5, 5}), rvlResUnsupportedMode);
    EXPECT_EQ(cub(lanczos.get(), R, 16, {0, 0}, {5, 5}), rvlResBadContext);
    EXPECT_EQ(cub(aaL.get(), R, 16, {0, 0}, {5, 5}), rvlResBadContext);
    EXPECT_EQ(rvliResizeLanczos_16s_C1R(src.data(), 16, dst.data(), dst.step(), {0, 0}, {5, 5}, R, nullptr, cubic.get(), buffer.data()),
              rvlResBadContext);
    EXPECT_EQ(rvliResizeSuper_16s_C1R(src.data(), 16, dst.data(), dst.step(), {0, 0}, {5, 5}, cubic.get(), buffer.data()), rvlResBadContext);
    EXPECT_EQ(rvliResizeSuper_16s_C1R(src.data(), 16, dst.data(), dst.step(), {0, 0}, {5, 5}, aa.get(), buffer.data()), rvlResUnsupportedMode);
    EXPECT_EQ(rvliResizeLinear_16s_C1R(src.data(), 16, dst.data(), dst.step(), {0, 0}, {5, 5}, R, nullptr, aa.get(), buffer.data()),
              rvlResUnsupportedMode);
    // The antialiasing worker: its own order, and only its own specifications.
    EXPECT_EQ(anti(aa.get(), static_cast<RvlBorderMode>(0x13), {0, 0}, {5, 5}), rvlResBadBorder);
    EXPECT_EQ(anti(aa.get(), R, {0, 5}, {5, 5}), rvlResOutOfRange);
    EXPECT_EQ(anti(cubic.get(), R, {0, 0}, {5, 5}), rvlResUnsupportedMode);
    EXPECT_EQ(anti(super.get(), R, {0, 0}, {5, 5}), rvlResUnsupportedMode);
    EXPECT_EQ(anti(aaL.get(), R, {0, 0}, {5, 5}), rvlResBadContext);
    EXPECT_TRUE(same_bytes(dst, before));
    // A tile reaching past the destination is processed limited, with a warning.
    EXPECT_EQ(anti(aa.get(), R, {3, 3}, {6, 6}), rvlResWarnArgumentRange);
    EXPECT_EQ(rvliResizeSuper_16s_C1R(src.data(), 16, dst.data(), dst.step(), {0, 0}, {6, 5}, super.get(), buffer.data()),
              rvlResWarnArgumentRange);
}

}  // namespace
