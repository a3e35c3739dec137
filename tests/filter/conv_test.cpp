// Two-image convolution: every member against a plain double-precision
// convolution, on both routes and both shapes, with the work buffer placed
// against a guard page at exactly the reported size; the method choice seen
// through the buffer sizes; the check orders.
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

constexpr Rvl32u kFull = 0, kValid = 0x10000;

// ---- Reference ---------------------------------------------------------------------

template <class T>
struct Pair {
    TestImage<T> a, b;
};

// Channel ch of the true convolution at output (x, y), in double, with the
// sum of the products' magnitudes (what rounding errors scale with).
template <class T>
double conv_at(const TestImage<T>& a, const TestImage<T>& b, bool valid, int x, int y, int ch, double* magnitude) {
    // The kernel is the smaller image, as the function orders them.
    const bool swap = valid ? (a.width() < b.width() || a.height() < b.height()) : a.width() < b.width();
    const TestImage<T>& big = swap ? b : a;
    const TestImage<T>& k = swap ? a : b;
    if (valid) {
        x += k.width() - 1;
        y += k.height() - 1;
    }
    double s = 0, m = 0;
    for (int j = 0; j < k.height(); ++j)
        for (int i = 0; i < k.width(); ++i) {
            const int sx = x - i, sy = y - j;
            if (sx < 0 || sy < 0 || sx >= big.width() || sy >= big.height()) continue;
            const double p = static_cast<double>(big.at(sx, sy, ch)) * static_cast<double>(k.at(i, j, ch));
            s += p;
            m += std::fabs(p);
        }
    *magnitude = m;
    return s;
}

// ---- The members as one signature ----------------------------------------------------

template <class T>
using ConvFn = std::function<RvlResult(const T*, int, RvlSize, const T*, int, RvlSize, T*, int, int, Rvl32u, Rvl8u*)>;

template <class T>
struct Member {
    const char* name;
    int channels;
    ConvFn<T> fn;
};

template <class F>
ConvFn<float> float_member(F f) {
    return [f](const float* a, int as, RvlSize asz, const float* b, int bs, RvlSize bsz, float* d, int ds, int, Rvl32u alg,
               Rvl8u* buf) { return f(a, as, asz, b, bs, bsz, d, ds, alg, buf); };
}

std::vector<Member<float>> float_members() {
    return {{"32f_C1", 1, float_member(rvliConv_32f_C1R)},
            {"32f_C3", 3, float_member(rvliConv_32f_C3R)},
            {"32f_C4", 4, float_member(rvliConv_32f_C4R)}};
}
std::vector<Member<Rvl8u>> u8_members() {
    return {{"8u_C1", 1, rvliConv_8u_C1R}, {"8u_C3", 3, rvliConv_8u_C3R}, {"8u_C4", 4, rvliConv_8u_C4R}};
}
std::vector<Member<Rvl16s>> s16_members() {
    return {{"16s_C1", 1, rvliConv_16s_C1R}, {"16s_C3", 3, rvliConv_16s_C3R}, {"16s_C4", 4, rvliConv_16s_C4R}};
}

struct Geometry {
    int w1, h1, w2, h2;
    Rvl32u shape;
};

I64 out_w(const Geometry& g) { return g.shape == kValid ? std::abs(g.w1 - g.w2) + 1 : g.w1 + g.w2 - 1; }
I64 out_h(const Geometry& g) { return g.shape == kValid ? std::abs(g.h1 - g.h2) + 1 : g.h1 + g.h2 - 1; }

template <class T>
T random_sample(Rng& rng) {
    if constexpr (std::is_same_v<T, float>) return std::uniform_real_distribution<float>(-1.0f, 1.0f)(rng);
    else if constexpr (std::is_same_v<T, Rvl8u>) return static_cast<T>(rng() % 256);
    else return static_cast<T>(static_cast<int>(rng() % 512) - 256);
}

// Runs one member on random images and checks every output against the
// reference (within `tol(ref, magnitude)`), the destination's guards and
// padding, and that the buffer of the reported size is enough.
template <class T, class Check>
void run_case(const Member<T>& m, const Geometry& g, Rvl32u method, int divisor, Rng& rng, Check check) {
    SCOPED_TRACE(::testing::Message() << m.name << " " << g.w1 << "x" << g.h1 << " (*) " << g.w2 << "x" << g.h2
                                      << (g.shape == kValid ? " valid" : " full") << " method " << method << " divisor "
                                      << divisor);
    const int c = m.channels;
    TestImage<T> a(g.w1, g.h1, c, 3, 1), b(g.w2, g.h2, c, 0, 2);
    a.fill(rng, random_sample<T>);
    b.fill(rng, random_sample<T>);
    const I64 ow = out_w(g), oh = out_h(g);
    TestImage<T> dst(static_cast<int>(ow), static_cast<int>(oh), c, 5, 1);
    dst.fill(rng, random_sample<T>);
    TestImage<T> want = dst;
    const Rvl32u alg = g.shape | method;
    int bytes = -1;
    ASSERT_EQ(rvliConvGetBufferSize({g.w1, g.h1}, {g.w2, g.h2}, type_code<T>(), c, alg, &bytes), rvlResOk);
    GuardedBlock buffer(static_cast<std::size_t>(bytes), Edge::End);
    ASSERT_EQ(m.fn(a.data(), a.step(), {g.w1, g.h1}, b.data(), b.step(), {g.w2, g.h2}, dst.data(), dst.step(), divisor, alg,
                   buffer.data()),
              rvlResOk);
    for (int y = 0; y < oh; ++y)
        for (int x = 0; x < ow; ++x)
            for (int ch = 0; ch < c; ++ch) {
                double magnitude = 0;
                const double ref = conv_at(a, b, g.shape == kValid, x, y, ch, &magnitude);
                const T got = dst.at(x, y, ch);
                ASSERT_TRUE(check(got, ref, magnitude)) << "at (" << x << ", " << y << ") channel " << ch << ": got " << +got << ", reference "
                                             << ref;
                want.set(x, y, ch, got);
            }
    EXPECT_TRUE(same_bytes(dst, want));
}

const std::vector<Geometry>& geometries() {
    static const std::vector<Geometry> g = {
        {37, 23, 5, 4, kFull},   {5, 4, 37, 23, kFull},    {37, 23, 5, 4, kValid},  {5, 4, 37, 23, kValid},
        {64, 64, 11, 11, kFull}, {64, 64, 10, 12, kFull},  {1, 1, 1, 1, kFull},     {9, 3, 4, 8, kFull},
        {70, 40, 17, 16, kValid}, {33, 29, 33, 29, kValid}, {300, 41, 3, 3, kValid}, {50, 300, 2, 40, kFull},
        {31, 30, 20, 18, kValid}, {120, 60, 12, 11, kFull},
    };
    return g;
}

// Every geometry through every method; the error bound scales with the sum
// of |products|.
TEST(Conv, FloatMembersMatchTheConvolution) {
    Rng rng(41);
    for (const auto& m : float_members())
        for (const Geometry& g : geometries())
            for (Rvl32u method : {0u, 1u, 2u}) {
                run_case(m, g, method, 1, rng,
                         [&](float got, double ref, double mag) { return std::fabs(got - ref) <= 2e-5 * (mag + 1); });
            }
}

// Integer members: the reference divided and rounded; the direct full 8u
// rule is exact (truncation after adding 0.5), the other routes round to
// nearest from float sums and may differ by one.
template <class T>
void integer_members(const std::vector<Member<T>>& members, int divisor, Rng& rng) {
    const double lo = std::is_same_v<T, Rvl8u> ? 0 : -32768, hi = std::is_same_v<T, Rvl8u> ? 255 : 32767;
    for (const auto& m : members)
        for (const Geometry& g : geometries())
            for (Rvl32u method : {0u, 1u, 2u}) {
                run_case(m, g, method, divisor, rng, [&](T got, double ref, double mag) {
                    const double v = std::clamp(ref / divisor, lo, hi);
                    return std::fabs(static_cast<double>(got) - v) <= 1.0 + 2e-5 * mag / std::abs(divisor);
                });
            }
}

TEST(Conv, IntegerMembersMatchTheConvolution) {
    Rng rng(42);
    integer_members(u8_members(), 1, rng);
    integer_members(u8_members(), 3000, rng);
    integer_members(s16_members(), 7, rng);
    integer_members(s16_members(), -300, rng);
}

// The direct full 8u rule exactly: sum * (1/divisor), truncated after +0.5.
TEST(Conv, DirectFull8uRoundsHalfUp) {
    const Rvl8u a[2] = {1, 2}, k[1] = {1};
    Rvl8u d[2] = {0, 0}, buf[256];
    ASSERT_EQ(rvliConv_8u_C1R(a, 2, {2, 1}, k, 1, {1, 1}, d, 2, 2, kFull | 1, buf), rvlResOk);
    EXPECT_EQ(d[0], 1);  // 0.5 + 0.5 -> 1
    EXPECT_EQ(d[1], 1);
    const Rvl8u three[1] = {3};
    ASSERT_EQ(rvliConv_8u_C1R(three, 1, {1, 1}, k, 1, {1, 1}, d, 1, 2, kFull, buf), rvlResOk);
    EXPECT_EQ(d[0], 2);  // 1.5 + 0.5 -> 2
    const Rvl8u big[1] = {255}, k2[1] = {2};
    ASSERT_EQ(rvliConv_8u_C1R(big, 1, {1, 1}, k2, 1, {1, 1}, d, 1, 1, kFull, buf), rvlResOk);
    EXPECT_EQ(d[0], 255);
}

// Valid 8u, one channel: halves round to even whether the divisor is
// applied as a shift (kernels of 3 columns or more, rows of 16 outputs or
// more, divisor a power of two) or as a reciprocal.
TEST(Conv, Valid8uHalvesToEven) {
    for (int width : {20, 10}) {
        std::vector<Rvl8u> a(width), d(width, 99), buf(4096);
        for (int x = 0; x < width; ++x) a[x] = x % 2 ? 3 : 1;
        const Rvl8u k[3] = {1, 1, 1};
        ASSERT_EQ(rvliConv_8u_C1R(a.data(), width, {width, 1}, k, 3, {3, 1}, d.data(), width, 2, kValid, buf.data()), rvlResOk);
        for (int x = 0; x < width - 2; ++x) EXPECT_EQ(d[x], x % 2 ? 4 : 2) << "width " << width << " at " << x;  // 3.5, 2.5
        EXPECT_EQ(d[width - 2], 99);
    }
}

// A 1x1 kernel holding 1 reproduces the image: exactly for 32f, divided for
// the integer types; and exchanging the inputs gives the same full result.
TEST(Conv, UnitKernelAndExchangedInputs) {
    Rng rng(43);
    TestImage<float> a(29, 17, 3), one(1, 1, 3), d(29, 17, 3), e(29, 17, 3);
    a.fill(rng, random_sample<float>);
    for (int c = 0; c < 3; ++c) one.set(0, 0, c, 1.0f);
    std::vector<Rvl8u> buf(1 << 16);
    ASSERT_EQ(rvliConv_32f_C3R(a.data(), a.step(), {29, 17}, one.data(), one.step(), {1, 1}, d.data(), d.step(), kFull, buf.data()),
              rvlResOk);
    ASSERT_EQ(rvliConv_32f_C3R(one.data(), one.step(), {1, 1}, a.data(), a.step(), {29, 17}, e.data(), e.step(), kFull, buf.data()),
              rvlResOk);
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 29; ++x)
            for (int c = 0; c < 3; ++c) {
                ASSERT_EQ(d.at(x, y, c), a.at(x, y, c));
                ASSERT_EQ(e.at(x, y, c), a.at(x, y, c));
            }
    TestImage<Rvl8u> p(40, 9, 1), q(7, 5, 1), r1(46, 13, 1), r2(46, 13, 1);
    p.fill(rng, random_sample<Rvl8u>);
    q.fill(rng, random_sample<Rvl8u>);
    for (Rvl32u method : {0u, 1u}) {
        ASSERT_EQ(rvliConv_8u_C1R(p.data(), p.step(), {40, 9}, q.data(), q.step(), {7, 5}, r1.data(), r1.step(), 50, method, buf.data()),
                  rvlResOk);
        ASSERT_EQ(rvliConv_8u_C1R(q.data(), q.step(), {7, 5}, p.data(), p.step(), {40, 9}, r2.data(), r2.step(), 50, method, buf.data()),
                  rvlResOk);
        EXPECT_TRUE(same_bytes(r1, r2));
    }
}

// ---- Method choice and buffer sizes -------------------------------------------------------

I64 a64(I64 n) { return (n + 63) / 64 * 64; }
int order_of(I64 n) {
    int k = 1;
    while ((I64{1} << k) < n) ++k;
    return k;
}
I64 fft_bytes(int ox, int oy, int channels) {
    int s = 0, i = 0, w = 0;
    EXPECT_EQ(rvliFFTGetSize_R_32f(ox, oy, 2, rvlHintNone, &s, &i, &w), rvlResOk);
    return 64 + a64(s) + a64(i) + a64(w) + a64(I64{channels} * 2 * (I64{1} << ox) * (I64{1} << oy) * 4);
}
int conv_size(RvlSize a, RvlSize b, int type, int c, Rvl32u alg) {
    int bytes = -1;
    EXPECT_EQ(rvliConvGetBufferSize(a, b, type, c, alg, &bytes), rvlResOk);
    return bytes;
}

TEST(Conv, MethodChoiceAndBufferSizes) {
    // 64x64 with 11x11 (kernel area 121, output 5476): FFT in the tiled form
    // (4096 > 7 * 121): 2*11 -> 32, doubled to 64 below 256 for a 74-wide
    // output. With 10x12 (area 120): direct, which needs nothing for 32f.
    EXPECT_EQ(conv_size({64, 64}, {11, 11}, 13, 1, kFull), fft_bytes(6, 6, 1));
    EXPECT_EQ(conv_size({64, 64}, {10, 12}, 13, 1, kFull), 64);
    EXPECT_EQ(conv_size({64, 64}, {10, 12}, 13, 1, kFull | 2), fft_bytes(6, 6, 1));
    EXPECT_EQ(conv_size({64, 64}, {10, 12}, 1, 3, kFull), 64 + a64(3 * 4 * 73));
    // One transform over the whole output when the image is at most seven
    // kernel areas: 30x20 with 12x12 -> output 41x31 -> 64x32.
    EXPECT_EQ(conv_size({30, 20}, {12, 12}, 13, 4, kFull | 2), fft_bytes(6, 5, 4));
    // Small full outputs stay direct below the type's threshold (16s: 4425).
    EXPECT_EQ(conv_size({50, 50}, {12, 12}, 7, 1, kFull), 64 + a64(4 * 61));  // output 3721
    EXPECT_EQ(conv_size({60, 60}, {12, 12}, 7, 1, kFull), fft_bytes(order_of(24) + 1, order_of(24) + 1, 1));
    // Valid: small kernels use the filter method; 8u one channel needs
    // 4 * (4 * kernel area + output width).
    EXPECT_EQ(conv_size({100, 50}, {5, 5}, 1, 1, kValid), 64 + 4 * (4 * 25 + 96));
    EXPECT_EQ(conv_size({100, 50}, {5, 5}, 13, 3, kValid), 64);
    EXPECT_EQ(conv_size({100, 50}, {5, 5}, 7, 4, kValid), 64 + a64(96 * 4 * 4));
    // Large kernel with a large output: FFT (tiles of 2*20 -> 64, doubled to
    // 128 for an 81-wide output); with a small output: the row method.
    EXPECT_EQ(conv_size({100, 100}, {20, 20}, 13, 1, kValid), fft_bytes(7, 7, 1));
    EXPECT_EQ(conv_size({25, 25}, {20, 20}, 7, 3, kValid), 64 + a64(6 * 3 * 4));
    EXPECT_EQ(conv_size({25, 25}, {20, 20}, 7, 3, kValid | 1), 64 + a64(6 * 3 * 4));
    EXPECT_EQ(conv_size({25, 25}, {20, 20}, 13, 3, kValid), 64);
}

// ---- Checks -------------------------------------------------------------------------------

TEST(Conv, WorkerCheckOrder) {
    Rvl8u a[64] = {}, k[16] = {}, buf[4096];
    Rvl8u d[64];
    std::memset(d, 0x5A, sizeof d);
    auto call = [&](const Rvl8u* pa, RvlSize as, const Rvl8u* pk, RvlSize ks, Rvl8u* pd, int step, int div, Rvl32u alg,
                    Rvl8u* pb) { return rvliConv_8u_C1R(pa, step, as, pk, 4, ks, pd, 8, div, alg, pb); };
    // Each bad argument together with every later one: the earliest wins.
    EXPECT_EQ(call(a, {8, 8}, nullptr, {0, 4}, d, 0, 0, 3, nullptr), rvlResNullPointer);
    EXPECT_EQ(call(a, {8, 8}, k, {0, 4}, d, 0, 0, 3, nullptr), rvlResBadSize);
    EXPECT_EQ(call(a, {8, 8}, k, {4, 4}, d, 0, 0, 3, nullptr), rvlResBadStep);
    EXPECT_EQ(call(a, {8, 8}, k, {4, 4}, d, 8, 0, 3, nullptr), rvlResNullPointer);
    EXPECT_EQ(call(a, {8, 8}, k, {4, 4}, d, 8, 0, 3, buf), rvlResDivisorZero);
    EXPECT_EQ(call(a, {8, 2}, k, {4, 4}, d, 8, 1, 0x20003, buf), rvlResBadAlgorithmType);
    EXPECT_EQ(call(a, {8, 2}, k, {4, 4}, d, 8, 1, 0x20000, buf), rvlResBadAlgorithmType);
    // Image 1 wider, image 2 taller: no valid output.
    EXPECT_EQ(call(a, {8, 2}, k, {4, 4}, d, 8, 1, kValid, buf), rvlResBadSize);
    for (Rvl8u v : d) ASSERT_EQ(v, 0x5A);
    // 32f takes no divisor.
    float f[16] = {}, fd[16] = {};
    EXPECT_EQ(rvliConv_32f_C1R(f, 16, {4, 1}, f, 16, {4, 1}, fd, 32, 0, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliConv_32f_C1R(f, 16, {4, 1}, f, 16, {4, 1}, fd, 32, 0, buf), rvlResOk);
}

TEST(Conv, BufferSizeQueryCheckOrder) {
    int bytes = 77;
    EXPECT_EQ(rvliConvGetBufferSize({8, 8}, {0, 1}, 5, 2, 3, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliConvGetBufferSize({8, 8}, {0, 1}, 5, 2, 3, &bytes), rvlResBadSize);
    EXPECT_EQ(rvliConvGetBufferSize({8, 8}, {4, 4}, 5, 2, 3, &bytes), rvlResBadAlgorithmType);
    EXPECT_EQ(rvliConvGetBufferSize({8, 8}, {4, 4}, 5, 2, 0x20000, &bytes), rvlResBadChannelCount);
    EXPECT_EQ(bytes, 77);
    EXPECT_EQ(rvliConvGetBufferSize({8, 2}, {4, 4}, 5, 1, 0x20000, &bytes), rvlResBadDataType);
    EXPECT_EQ(bytes, 0);
    bytes = 77;
    EXPECT_EQ(rvliConvGetBufferSize({8, 2}, {4, 4}, 1, 1, kValid, &bytes), rvlResBadSize);
    EXPECT_EQ(bytes, 0);
    bytes = 77;
    EXPECT_EQ(rvliConvGetBufferSize({8, 2}, {4, 4}, 1, 1, 0x20000, &bytes), rvlResBadAlgorithmType);
    EXPECT_EQ(bytes, 0);
}

}  // namespace
