// Histograms against plain counting with the stored levels: every type and
// layout, levels from Init and UniformInit (bins clamped at the type's range,
// empty bins, values on bin edges), 32f with NaN and out-of-range values;
// the sizes, the level conversions and warnings of the Inits, and the check
// orders.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "rvl.h"
#include "support/image.hpp"

namespace {

using namespace rvltest;

// A specification in its own memory, of the size its query reports.
struct Spec {
    std::vector<Rvl8u> bytes;
    RvlHistogramSpec* get() { return reinterpret_cast<RvlHistogramSpec*>(bytes.data()); }
};

Spec sized_spec(int type, const std::vector<int>& nLevels) {
    int spec = 0, buf = 0;
    EXPECT_EQ(rvliHistogramGetBufferSize(type, {4, 4}, nLevels.data(), int(nLevels.size()), 0, &spec, &buf), rvlResOk);
    return Spec{std::vector<Rvl8u>(std::size_t(spec))};
}

std::vector<std::vector<float>> stored_levels(RvlHistogramSpec* spec, const std::vector<int>& nLevels) {
    std::vector<std::vector<float>> out;
    std::vector<Rvl32f*> ptrs;
    for (int n : nLevels) out.emplace_back(std::size_t(n));
    for (auto& v : out) ptrs.push_back(v.data());
    EXPECT_EQ(rvliHistogramGetLevels(spec, ptrs.data()), rvlResOk);
    return out;
}

TEST(Histogram, SizesAndTheirChecks) {
    const int n3[3] = {5, 2, 300};
    int spec = -1, buf = -1;
    for (const auto& [type, per] : {std::pair{1, 1024}, std::pair{5, 0x40000}, std::pair{7, 0x40000}, std::pair{13, 0}}) {
        ASSERT_EQ(rvliHistogramGetBufferSize(type, {3, 2}, n3, 3, 0, &spec, &buf), rvlResOk);
        EXPECT_EQ(spec, 80 + 4 * 307);
        EXPECT_EQ(buf, 3 * per);
    }
    EXPECT_EQ(rvliHistogramGetBufferSize(1, {3, 2}, nullptr, 3, 0, &spec, &buf), rvlResNullPointer);
    EXPECT_EQ(rvliHistogramGetBufferSize(1, {0, 2}, n3, 3, 0, &spec, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliHistogramGetBufferSize(1, {0, 2}, n3, 2, 0, &spec, &buf), rvlResBadSize);
    EXPECT_EQ(rvliHistogramGetBufferSize(1, {3, 2}, n3, 2, 0, &spec, &buf), rvlResBadChannelCount);
    const int bad[3] = {5, 1, 3};
    EXPECT_EQ(rvliHistogramGetBufferSize(1, {3, 2}, bad, 3, 0, &spec, &buf), rvlResBadHistLevels);
    // An unknown type: the spec size is written, the buffer size is 0.
    spec = buf = -1;
    EXPECT_EQ(rvliHistogramGetBufferSize(3, {3, 2}, n3, 1, 0, &spec, &buf), rvlResBadDataType);
    EXPECT_EQ(spec, 80 + 20);
    EXPECT_EQ(buf, 0);
}

TEST(Histogram, InitConvertsLevelsAndChecksInOrder) {
    const float lv[3] = {-2.5f, 0.5f, 3.0f};
    const Rvl32f* levels[1] = {lv};
    const std::vector<int> n = {3};
    Spec s = sized_spec(rvlType16s, n);
    ASSERT_EQ(rvliHistogramInit(rvlType16s, levels, n.data(), 1, s.get()), rvlResOk);
    EXPECT_EQ(stored_levels(s.get(), n)[0], (std::vector<float>{-2, 1, 3}));
    Spec f = sized_spec(rvlType32f, n);
    ASSERT_EQ(rvliHistogramInit(rvlType32f, levels, n.data(), 1, f.get()), rvlResOk);
    EXPECT_EQ(stored_levels(f.get(), n)[0], (std::vector<float>{-2.5f, 0.5f, 3.0f}));

    const float equal[3] = {1, 1, 2};
    const Rvl32f* eq[1] = {equal};
    EXPECT_EQ(rvliHistogramInit(rvlType8u, eq, n.data(), 1, s.get()), rvlResBadRange);
    // The failed Init left the id 0: the specification is refused from now on.
    std::vector<Rvl32f> out(3);
    Rvl32f* outs[1] = {out.data()};
    EXPECT_EQ(rvliHistogramGetLevels(s.get(), outs), rvlResBadArg);
    Rvl8u px[4] = {};
    Rvl32u hist[2];
    Rvl8u buffer[1024];
    EXPECT_EQ(rvliHistogram_8u_C1R(px, 4, {4, 1}, hist, s.get(), buffer), rvlResBadArg);

    const int one[1] = {1};
    const Rvl32f* none[1] = {nullptr};
    EXPECT_EQ(rvliHistogramInit(2, levels, n.data(), 1, s.get()), rvlResBadDataType);
    EXPECT_EQ(rvliHistogramInit(1, nullptr, n.data(), 1, s.get()), rvlResNullPointer);
    EXPECT_EQ(rvliHistogramInit(1, levels, n.data(), 2, s.get()), rvlResBadChannelCount);
    EXPECT_EQ(rvliHistogramInit(1, none, one, 1, s.get()), rvlResNullPointer);
    EXPECT_EQ(rvliHistogramInit(1, levels, one, 1, s.get()), rvlResBadHistLevels);
}

TEST(Histogram, UniformInitLevelsAndWarning) {
    const float lo[1] = {0}, hi[1] = {4};
    const std::vector<int> n = {9};
    Spec s = sized_spec(rvlType8u, n);
    EXPECT_EQ(rvliHistogramUniformInit(rvlType8u, lo, hi, n.data(), 1, s.get()), rvlResWarnArgumentRange);
    EXPECT_EQ(stored_levels(s.get(), n)[0], (std::vector<float>{0, 0, 1, 1, 2, 2, 3, 3, 4}));
    // 32f: L + k * step in double, rounded to float; no warning.
    const float lo3[3] = {-1, 0, 10}, hi3[3] = {1, 0.3f, 1000};
    const std::vector<int> n3 = {5, 4, 7};
    Spec f = sized_spec(rvlType32f, n3);
    ASSERT_EQ(rvliHistogramUniformInit(rvlType32f, lo3, hi3, n3.data(), 3, f.get()), rvlResOk);
    const auto got = stored_levels(f.get(), n3);
    for (int c = 0; c < 3; ++c) {
        const double step = (double(hi3[c]) - double(lo3[c])) / (n3[c] - 1);
        for (int k = 0; k < n3[c]; ++k) {
            const double want = k == 0 ? lo3[c] : k == n3[c] - 1 ? hi3[c] : lo3[c] + k * step;
            EXPECT_EQ(got[c][k], float(want)) << c << " " << k;
        }
    }
    const float same[1] = {3};
    EXPECT_EQ(rvliHistogramUniformInit(rvlType8u, same, same, n.data(), 1, s.get()), rvlResBadRange);
    EXPECT_EQ(rvliHistogramUniformInit(rvlType8u, lo, nullptr, n.data(), 1, s.get()), rvlResNullPointer);
}

// ---- Counting against the stored levels ---------------------------------------------

template <class T>
T random_value(Rng& rng, const std::vector<float>& levels) {
    if constexpr (std::is_floating_point_v<T>) {
        switch (rng() % 8) {
            case 0: return levels[rng() % levels.size()];  // on a bin edge
            case 1: return std::numeric_limits<float>::quiet_NaN();
            case 2: return rng() % 2 ? INFINITY : -INFINITY;
            default: return float(int(rng() % 4000) - 2000) / 16;
        }
    } else {
        if (rng() % 4 == 0) {  // on a bin edge, when the type holds it
            const float l = levels[rng() % levels.size()];
            if (l >= float(std::numeric_limits<T>::min()) && l <= float(std::numeric_limits<T>::max())) return T(l);
        }
        return T(rng());
    }
}

template <class T>
std::vector<Rvl32u> reference(const TestImage<T>& img, int c, const std::vector<float>& levels) {
    std::vector<Rvl32u> h(levels.size() - 1, 0);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const double v = img.at(x, y, c);
            for (std::size_t i = 0; i + 1 < levels.size(); ++i)
                if (levels[i] <= v && v < levels[i + 1]) {
                    ++h[i];
                    break;
                }
        }
    return h;
}

template <class T, int C>
void check_counts(bool uniform, Rng& rng) {
    constexpr int type = type_code<T>();
    std::vector<int> n(C);
    std::vector<std::vector<float>> given(C);
    std::vector<float> lo(C), hi(C);
    for (int c = 0; c < C; ++c) {
        n[c] = 2 + int(rng() % (rng() % 2 ? 6 : 300));
        const float span = std::is_same_v<T, Rvl8u> ? 400 : std::is_floating_point_v<T> ? 300 : 90000;
        lo[c] = float(int(rng() % 1000) - 600) * span / 1000;
        hi[c] = lo[c] + float(1 + rng() % 1000) * span / 500;
        float at = lo[c];
        for (int k = 0; k < n[c]; ++k) given[c].push_back(at), at += 1.0f + float(rng() % 1000) * span / 20000 + (rng() % 3 == 0 ? 0.5f : 0);
    }
    Spec s = sized_spec(type, n);
    if (uniform) {
        ASSERT_GE(rvliHistogramUniformInit(type, lo.data(), hi.data(), n.data(), C, s.get()), rvlResOk);
    } else {
        std::vector<const Rvl32f*> ptrs;
        for (auto& g : given) ptrs.push_back(g.data());
        ASSERT_EQ(rvliHistogramInit(type, ptrs.data(), n.data(), C, s.get()), rvlResOk);
    }
    const auto levels = stored_levels(s.get(), n);
    const int w = odd_widths()[rng() % odd_widths().size()] % 200 + 1, h = 1 + int(rng() % 9);
    TestImage<T> img(w, h, C, int(rng() % 3), int(rng() % 4));
    img.fill(rng, [&](Rng& r) { return random_value<T>(r, levels[r() % C]); });
    std::vector<std::vector<Rvl32u>> got(C);
    std::vector<Rvl32u*> ptrs;
    for (int c = 0; c < C; ++c) got[c].assign(std::size_t(n[c]) - 1, 0xDEADBEEF), ptrs.push_back(got[c].data());
    int spec = 0, bytes = 0;
    ASSERT_EQ(rvliHistogramGetBufferSize(type, {w, h}, n.data(), C, uniform, &spec, &bytes), rvlResOk);
    std::vector<Rvl8u> buffer(std::size_t(bytes) + 1);
    RvlResult st;
    if constexpr (std::is_same_v<T, Rvl8u>) {
        st = C == 1 ? rvliHistogram_8u_C1R(img.data(), img.step(), {w, h}, ptrs[0], s.get(), buffer.data())
           : C == 3 ? rvliHistogram_8u_C3R(img.data(), img.step(), {w, h}, ptrs.data(), s.get(), buffer.data())
                    : rvliHistogram_8u_C4R(img.data(), img.step(), {w, h}, ptrs.data(), s.get(), buffer.data());
    } else if constexpr (std::is_same_v<T, Rvl16u>) {
        // An odd work-buffer address: the counters are not aligned.
        Rvl8u* b = buffer.data() + (rng() % 2);
        st = C == 1 ? rvliHistogram_16u_C1R(img.data(), img.step(), {w, h}, ptrs[0], s.get(), b)
           : C == 3 ? rvliHistogram_16u_C3R(img.data(), img.step(), {w, h}, ptrs.data(), s.get(), b)
                    : rvliHistogram_16u_C4R(img.data(), img.step(), {w, h}, ptrs.data(), s.get(), b);
    } else if constexpr (std::is_same_v<T, Rvl16s>) {
        st = C == 1 ? rvliHistogram_16s_C1R(img.data(), img.step(), {w, h}, ptrs[0], s.get(), buffer.data())
           : C == 3 ? rvliHistogram_16s_C3R(img.data(), img.step(), {w, h}, ptrs.data(), s.get(), buffer.data())
                    : rvliHistogram_16s_C4R(img.data(), img.step(), {w, h}, ptrs.data(), s.get(), buffer.data());
    } else {
        st = C == 1 ? rvliHistogram_32f_C1R(img.data(), img.step(), {w, h}, ptrs[0], s.get())
           : C == 3 ? rvliHistogram_32f_C3R(img.data(), img.step(), {w, h}, ptrs.data(), s.get())
                    : rvliHistogram_32f_C4R(img.data(), img.step(), {w, h}, ptrs.data(), s.get());
    }
    ASSERT_EQ(st, rvlResOk);
    for (int c = 0; c < C; ++c) EXPECT_EQ(got[c], reference(img, c, levels[c])) << "channel " << c << (uniform ? " uniform" : "");
}

TEST(Histogram, EveryMemberAgainstCounting) {
    Rng rng(0x415);
    for (int k = 0; k < 12; ++k) {
        const bool uniform = k % 2;
        check_counts<Rvl8u, 1>(uniform, rng);
        check_counts<Rvl8u, 3>(uniform, rng);
        check_counts<Rvl8u, 4>(uniform, rng);
        check_counts<Rvl16u, 1>(uniform, rng);
        check_counts<Rvl16u, 3>(uniform, rng);
        check_counts<Rvl16u, 4>(uniform, rng);
        check_counts<Rvl16s, 1>(uniform, rng);
        check_counts<Rvl16s, 3>(uniform, rng);
        check_counts<Rvl16s, 4>(uniform, rng);
        check_counts<Rvl32f, 1>(uniform, rng);
        check_counts<Rvl32f, 3>(uniform, rng);
        check_counts<Rvl32f, 4>(uniform, rng);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

TEST(Histogram, EdgesOfTheRange) {
    std::vector<Rvl8u> img(256);
    for (int v = 0; v < 256; ++v) img[v] = Rvl8u(v);
    std::vector<Rvl8u> buffer(1024);
    const auto counts = [&](std::vector<float> lv) {
        const std::vector<int> n = {int(lv.size())};
        Spec s = sized_spec(rvlType8u, n);
        const Rvl32f* p[1] = {lv.data()};
        EXPECT_EQ(rvliHistogramInit(rvlType8u, p, n.data(), 1, s.get()), rvlResOk);
        std::vector<Rvl32u> h(lv.size() - 1, 77);
        EXPECT_EQ(rvliHistogram_8u_C1R(img.data(), 256, {256, 1}, h.data(), s.get(), buffer.data()), rvlResOk);
        return h;
    };
    EXPECT_EQ(counts({0, 128, 256}), (std::vector<Rvl32u>{128, 128}));  // 255 in the last bin
    EXPECT_EQ(counts({0, 128, 255}), (std::vector<Rvl32u>{128, 127}));  // 255 not counted
    EXPECT_EQ(counts({-10, 5}), (std::vector<Rvl32u>{5}));              // 0 .. 4
    EXPECT_EQ(counts({300, 400}), (std::vector<Rvl32u>{0}));            // beyond the range
    // 32f: the upper level is excluded, the lower included.
    const std::vector<float> lv = {0, 1};
    const std::vector<int> n = {2};
    Spec s = sized_spec(rvlType32f, n);
    const Rvl32f* p[1] = {lv.data()};
    ASSERT_EQ(rvliHistogramInit(rvlType32f, p, n.data(), 1, s.get()), rvlResOk);
    const float v[4] = {1.0f, 0.0f, std::nextafter(1.0f, 0.0f), NAN};
    Rvl32u h = 0;
    ASSERT_EQ(rvliHistogram_32f_C1R(v, 16, {4, 1}, &h, s.get()), rvlResOk);
    EXPECT_EQ(h, 2u);
}

TEST(Histogram, ThreeChannelSpecificationInAOneChannelCall) {
    const std::vector<int> n = {3, 5, 2};
    const float lo[3] = {0, 0, 0}, hi[3] = {100, 10, 5};
    Spec s = sized_spec(rvlType8u, n);
    ASSERT_EQ(rvliHistogramUniformInit(rvlType8u, lo, hi, n.data(), 3, s.get()), rvlResOk);
    const Rvl8u img[4] = {10, 60, 99, 100};
    Rvl32u h[2] = {9, 9};
    Rvl8u buffer[1024];
    ASSERT_EQ(rvliHistogram_8u_C1R(img, 4, {4, 1}, h, s.get(), buffer), rvlResOk);
    EXPECT_EQ(h[0], 1u);
    EXPECT_EQ(h[1], 2u);
}

TEST(Histogram, WorkerChecksInOrder) {
    const std::vector<int> n = {3, 3, 3};
    const float lo[3] = {0, 0, 0}, hi[3] = {10, 10, 10};
    Spec s = sized_spec(rvlType16u, n);
    ASSERT_EQ(rvliHistogramUniformInit(rvlType16u, lo, hi, n.data(), 3, s.get()), rvlResOk);
    std::vector<Rvl16u> img(64, 1);
    std::vector<Rvl8u> buf(0xC0000);
    Rvl32u a[2] = {5, 5}, b[2] = {5, 5};
    Rvl32u* hs[3] = {a, b, nullptr};
    EXPECT_EQ(rvliHistogram_16u_C3R(img.data(), 12, {2, 2}, hs, s.get(), nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliHistogram_16u_C3R(img.data(), 12, {0, 2}, hs, s.get(), buf.data()), rvlResNullPointer);
    hs[2] = b;
    EXPECT_EQ(rvliHistogram_16u_C3R(img.data(), 12, {0, 2}, hs, s.get(), buf.data()), rvlResBadSize);
    EXPECT_EQ(rvliHistogram_16u_C3R(img.data(), 11, {2, 2}, hs, s.get(), buf.data()), rvlResBadStep);
    std::vector<Rvl8u> garbage(200, 0);
    EXPECT_EQ(rvliHistogram_16u_C3R(img.data(), 12, {2, 2}, hs, reinterpret_cast<RvlHistogramSpec*>(garbage.data()), buf.data()),
              rvlResBadArg);
    EXPECT_EQ(a[0], 5u);
    EXPECT_EQ(b[1], 5u);
}

}  // namespace
