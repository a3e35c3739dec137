// Fixed-kernel filters against a plain 2-D correlation with the stated
// kernels: every derivative filter, Laplace, Hipass and Sharpen member over
// both masks, odd widths, border kinds with in-memory flags, saturation and
// rounding, guard bytes and AC4 alpha; the gradient vectors and the Sobel
// magnitude against per-pixel references (angles against double precision);
// the buffer-size formulas and the check orders.
//
// Floating-point sources hold multiples of 1/64 small enough that every sum
// of every kernel is exact, so 32f results are compared bit for bit too.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "rvl.h"
#include "support/border_ref.hpp"
#include "support/guarded.hpp"
#include "support/image.hpp"

namespace {

using namespace rvltest;
using I64 = std::int64_t;
using Matrix = std::vector<std::vector<int>>;

// K[i][j] = y[i] * x[j]: the vector x along the rows, y down the columns.
Matrix outer(const std::vector<int>& x, const std::vector<int>& y) {
    Matrix k(y.size(), std::vector<int>(x.size()));
    for (std::size_t i = 0; i < y.size(); ++i)
        for (std::size_t j = 0; j < x.size(); ++j) k[i][j] = y[i] * x[j];
    return k;
}

const std::vector<int> kS3 = {1, 2, 1}, kS5 = {1, 4, 6, 4, 1};

template <class T>
T random_value(Rng& rng) {
    if constexpr (std::is_floating_point_v<T>) return static_cast<T>(static_cast<int>(rng() % 20001) - 10000) / 64;
    else return static_cast<T>(rng());
}

struct Reaches {
    int left, right, top, bottom;
};

// A source with a margin of 3 pixels around the ROI (for the in-memory
// flags), its bordered pixels, and the ROI's first pixel.
template <class T>
struct Source {
    static constexpr int kMargin = 3;
    TestImage<T> image;
    std::vector<T> value;
    BorderedPixels<T> px;
    Source(int w, int h, int C, int border, const Reaches& r, Rng& rng)
        : image(w + 2 * kMargin, h + 2 * kMargin, C, static_cast<int>(rng() % 3), static_cast<int>(rng() % 4)),
          value(4),
          px{[this](I64 x, I64 y, int c) { return image.at(int(x + kMargin), int(y + kMargin), c); }, w, h, r.left, r.right,
             r.top, r.bottom, border, nullptr} {
        image.fill(rng, random_value<T>);
        for (T& v : value) v = random_value<T>(rng);
        px.value = value.data();
    }
    const T* roi() const {
        return reinterpret_cast<const T*>(reinterpret_cast<const char*>(image.data()) + kMargin * image.step()) +
               kMargin * image.channels();
    }
    // sum K[i][j] * src(x - cx + j, y - cy + i) for the centred matrix K.
    double correlate(const Matrix& k, I64 x, I64 y, int c) const {
        const int cy = int(k.size()) / 2, cx = int(k[0].size()) / 2;
        double s = 0;
        for (int i = 0; i < int(k.size()); ++i)
            for (int j = 0; j < int(k[i].size()); ++j)
                if (k[i][j]) s += k[i][j] * static_cast<double>(px(x - cx + j, y - cy + i, c));
        return s;
    }
};

const int kBorders[] = {1, 3, 6, 0xF0, 0x13, 0x21, 0x46, 0x83, 0xF6, 0x51, 0xA3};
struct Roi {
    int w, h;
};
const Roi kRois[] = {{1, 1}, {2, 3}, {5, 2}, {17, 6}, {33, 5}, {64, 3}, {129, 4}, {300, 7}, {4, 9}};

template <class D>
D saturate(double v) {
    if constexpr (std::is_floating_point_v<D>) return static_cast<D>(v);
    else return static_cast<D>(std::clamp(v, double(std::numeric_limits<D>::min()), double(std::numeric_limits<D>::max())));
}

int buffer_for(RvlResult (*query)(RvlSize, int, int, int, int, int*), RvlSize roi, int mask, int st, int dt) {
    int bytes = -1;
    EXPECT_EQ(query(roi, mask, st, dt, 1, &bytes), rvlResOk);
    return bytes;
}

// ---- Derivative filters --------------------------------------------------------------------

template <class S, class D>
using DerivativeFn = RvlResult (*)(const S*, int, D*, int, RvlSize, int, RvlBorderMode, S, Rvl8u*);
using DerivativeQuery = RvlResult (*)(RvlSize, int, int, int, int, int*);

struct DerivativeFamily {
    const char* name;
    Matrix k3, k5;  // k5 empty: 3x3 only
    Reaches reach3;
    DerivativeQuery query;
    DerivativeFn<Rvl8u, Rvl16s> f8u16s;
    DerivativeFn<Rvl16s, Rvl16s> f16s;  // null where the family has none
    DerivativeFn<Rvl32f, Rvl32f> f32f;
};

const Reaches kAround1{1, 1, 1, 1};

std::vector<DerivativeFamily> derivative_families() {
    const std::vector<int> d3 = {1, 0, -1}, d5 = {1, 2, 0, -2, -1}, n3 = {-1, 0, 1}, n5 = {-1, -2, 0, 2, 1};
    const std::vector<int> s3 = {1, -2, 1}, s5 = {1, 0, -2, 0, 1};
    return {
        {"SobelVert", outer(d3, kS3), outer(d5, kS5), kAround1, rvliFilterSobelVertBorderGetBufferSize,
         rvliFilterSobelVertBorder_8u16s_C1R, rvliFilterSobelVertBorder_16s_C1R, rvliFilterSobelVertBorder_32f_C1R},
        {"SobelHoriz", outer(kS3, n3), outer(kS5, n5), kAround1, rvliFilterSobelHorizBorderGetBufferSize,
         rvliFilterSobelHorizBorder_8u16s_C1R, rvliFilterSobelHorizBorder_16s_C1R, rvliFilterSobelHorizBorder_32f_C1R},
        {"SobelNegVert", outer(n3, kS3), outer(n5, kS5), kAround1, rvliFilterSobelNegVertBorderGetBufferSize,
         rvliFilterSobelNegVertBorder_8u16s_C1R, nullptr, rvliFilterSobelNegVertBorder_32f_C1R},
        {"SobelVertSecond", outer(s3, kS3), outer(s5, kS5), kAround1, rvliFilterSobelVertSecondBorderGetBufferSize,
         rvliFilterSobelVertSecondBorder_8u16s_C1R, nullptr, rvliFilterSobelVertSecondBorder_32f_C1R},
        {"SobelHorizSecond", outer(kS3, s3), outer(kS5, s5), kAround1, rvliFilterSobelHorizSecondBorderGetBufferSize,
         rvliFilterSobelHorizSecondBorder_8u16s_C1R, nullptr, rvliFilterSobelHorizSecondBorder_32f_C1R},
        {"ScharrVertMask", outer(n3, {3, 10, 3}), {}, kAround1, rvliFilterScharrVertMaskBorderGetBufferSize,
         rvliFilterScharrVertMaskBorder_8u16s_C1R, rvliFilterScharrVertMaskBorder_16s_C1R, rvliFilterScharrVertMaskBorder_32f_C1R},
        {"ScharrHorizMask", outer({3, 10, 3}, n3), {}, kAround1, rvliFilterScharrHorizMaskBorderGetBufferSize,
         rvliFilterScharrHorizMaskBorder_8u16s_C1R, rvliFilterScharrHorizMaskBorder_16s_C1R, rvliFilterScharrHorizMaskBorder_32f_C1R},
        {"PrewittVert", outer(d3, {1, 1, 1}), {}, kAround1, rvliFilterPrewittVertBorderGetBufferSize,
         rvliFilterPrewittVertBorder_8u16s_C1R, rvliFilterPrewittVertBorder_16s_C1R, rvliFilterPrewittVertBorder_32f_C1R},
        {"PrewittHoriz", outer({1, 1, 1}, n3), {}, kAround1, rvliFilterPrewittHorizBorderGetBufferSize,
         rvliFilterPrewittHorizBorder_8u16s_C1R, rvliFilterPrewittHorizBorder_16s_C1R, rvliFilterPrewittHorizBorder_32f_C1R},
        // Roberts: src(x, y) - src(x + 1, y - 1) and src(x, y) - src(x - 1, y - 1).
        {"RobertsUp", {{0, 0, -1}, {0, 1, 0}, {0, 0, 0}}, {}, {0, 1, 1, 0}, rvliFilterRobertsUpBorderGetBufferSize,
         rvliFilterRobertsUpBorder_8u16s_C1R, rvliFilterRobertsUpBorder_16s_C1R, rvliFilterRobertsUpBorder_32f_C1R},
        {"RobertsDown", {{-1, 0, 0}, {0, 1, 0}, {0, 0, 0}}, {}, {1, 0, 1, 0}, rvliFilterRobertsDownBorderGetBufferSize,
         rvliFilterRobertsDownBorder_8u16s_C1R, rvliFilterRobertsDownBorder_16s_C1R, rvliFilterRobertsDownBorder_32f_C1R},
    };
}

template <class S, class D>
void check_derivative(const DerivativeFamily& f, DerivativeFn<S, D> fn, int mask, const Roi& roi, int border, Rng& rng) {
    SCOPED_TRACE(::testing::Message() << f.name << " " << type_code<S>() << "->" << type_code<D>() << " mask " << mask << " roi "
                                      << roi.w << "x" << roi.h << " border 0x" << std::hex << border);
    const Matrix& k = mask == rvlMask3x3 ? f.k3 : f.k5;
    const Reaches reach = mask == rvlMask3x3 ? f.reach3 : Reaches{2, 2, 2, 2};
    const Source<S> src(roi.w, roi.h, 1, border, reach, rng);
    TestImage<D> dst(roi.w, roi.h, 1, static_cast<int>(rng() % 3), static_cast<int>(rng() % 4));
    dst.fill(rng, random_value<D>);
    TestImage<D> want = dst;
    for (int y = 0; y < roi.h; ++y)
        for (int x = 0; x < roi.w; ++x) want.set(x, y, 0, saturate<D>(src.correlate(k, x, y, 0)));
    GuardedBlock buffer(std::size_t(buffer_for(f.query, {roi.w, roi.h}, mask, type_code<S>(), type_code<D>())), Edge::End);
    ASSERT_EQ(fn(src.roi(), src.image.step(), dst.data(), dst.step(), {roi.w, roi.h}, mask, RvlBorderMode(border), src.value[0],
                 buffer.data()),
              rvlResOk);
    EXPECT_TRUE(same_bytes(dst, want));
}

TEST(DerivativeFilters, EveryMemberAgainstCorrelation) {
    Rng rng(515);
    for (const DerivativeFamily& f : derivative_families())
        for (int mask : {rvlMask3x3, rvlMask5x5}) {
            if (mask == rvlMask5x5 && f.k5.empty()) continue;
            for (const Roi& roi : kRois)
                for (int k = 0; k < 2; ++k) {
                    const int border = k == 0 ? kBorders[rng() % 3] : kBorders[rng() % std::size(kBorders)];
                    check_derivative(f, f.f8u16s, mask, roi, border, rng);
                    if (f.f16s) check_derivative(f, f.f16s, mask, roi, border, rng);
                    check_derivative(f, f.f32f, mask, roi, border, rng);
                    if (::testing::Test::HasFatalFailure()) return;
                }
        }
}

TEST(DerivativeFilters, EdgeSigns) {
    // Dark (0) left of bright (100), and dark above bright.
    std::vector<Rvl8u> vertical(8 * 8), horizontal(8 * 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) vertical[y * 8 + x] = x < 4 ? 0 : 100, horizontal[y * 8 + x] = y < 4 ? 0 : 100;
    std::vector<Rvl8u> buffer(4096);
    const auto at_edge = [&](DerivativeFn<Rvl8u, Rvl16s> fn, const std::vector<Rvl8u>& img) {
        std::vector<Rvl16s> out(64, 0);
        EXPECT_EQ(fn(img.data(), 8, out.data(), 16, {8, 8}, rvlMask3x3, rvlBorderReplicate, 0, buffer.data()), rvlResOk);
        return img == vertical ? out[4 * 8 + 4] : out[4 * 8 + 2];
    };
    EXPECT_LT(at_edge(rvliFilterSobelVertBorder_8u16s_C1R, vertical), 0);
    EXPECT_LT(at_edge(rvliFilterPrewittVertBorder_8u16s_C1R, vertical), 0);
    EXPECT_GT(at_edge(rvliFilterScharrVertMaskBorder_8u16s_C1R, vertical), 0);
    EXPECT_GT(at_edge(rvliFilterSobelNegVertBorder_8u16s_C1R, vertical), 0);
    const auto below = [&](DerivativeFn<Rvl8u, Rvl16s> fn) {
        std::vector<Rvl16s> out(64, 0);
        EXPECT_EQ(fn(horizontal.data(), 8, out.data(), 16, {8, 8}, rvlMask3x3, rvlBorderReplicate, 0, buffer.data()), rvlResOk);
        return out[4 * 8 + 2];
    };
    EXPECT_GT(below(rvliFilterSobelHorizBorder_8u16s_C1R), 0);
    EXPECT_GT(below(rvliFilterScharrHorizMaskBorder_8u16s_C1R), 0);
    EXPECT_GT(below(rvliFilterPrewittHorizBorder_8u16s_C1R), 0);
}

TEST(DerivativeFilters, BufferSizeFormulaAndChecks) {
    const auto up32 = [](I64 v) { return (v + 31) / 32 * 32; };
    for (const DerivativeFamily& f : derivative_families())
        for (int mask : {33, 55})
            for (int st : {1, 7, 13})
                for (RvlSize roi : {RvlSize{1, 1}, RvlSize{7, 300}, RvlSize{1920, 1080}}) {
                    SCOPED_TRACE(::testing::Message() << f.name << " " << mask << " " << st << " " << roi.width);
                    const int dt = st == 13 ? 13 : 7;
                    int got = -1;
                    const RvlResult r = f.query(roi, mask, st, dt, 1, &got);
                    if (mask == 55 && f.k5.empty()) {
                        EXPECT_EQ(r, rvlResBadMaskSize);
                        continue;
                    }
                    if (st == 7 && !f.f16s) {
                        EXPECT_EQ(r, rvlResBadDataType);
                        continue;
                    }
                    ASSERT_EQ(r, rvlResOk);
                    const I64 W = roi.width, H = roi.height, M = std::max(W, H), a = mask == 33 ? 2 : 4, b = mask == 33 ? 3 : 7;
                    const I64 e = st == 7 ? 2 : 4;
                    const I64 n = st == 1 ? (M + a) * b
                                          : up32((M + a) * b * e) + a * up32(4 * W) + up32((W + H) * 2 * (mask == 33 ? 1 : 2) * e);
                    EXPECT_EQ(got, up32(n) + 32);
                }
    int size = 5;
    const auto q = rvliFilterSobelVertBorderGetBufferSize;
    EXPECT_EQ(q({0, 1}, 3, 2, 2, 2, nullptr), rvlResNullPointer);
    EXPECT_EQ(q({0, 1}, 3, 2, 2, 2, &size), rvlResBadSize);
    EXPECT_EQ(q({4, 4}, 3, 2, 2, 2, &size), rvlResBadMaskSize);
    EXPECT_EQ(rvliFilterRobertsUpBorderGetBufferSize({4, 4}, 55, 1, 7, 1, &size), rvlResBadMaskSize);
    EXPECT_EQ(q({4, 4}, 33, 13, 7, 2, &size), rvlResBadDataType);
    EXPECT_EQ(q({4, 4}, 33, 1, 13, 2, &size), rvlResBadDataType);
    EXPECT_EQ(q({4, 4}, 33, 1, 5, 2, &size), rvlResBadDataType);
    EXPECT_EQ(q({4, 4}, 33, 1, 7, 3, &size), rvlResBadChannelCount);
    EXPECT_EQ(size, 5);
}

TEST(DerivativeFilters, ChecksInOrderAndWritesNothingOnError) {
    std::vector<Rvl32f> src(64, 1), dst(64, 7);
    std::vector<Rvl8u> buf(4096);
    const auto f = [&](const Rvl32f* s, Rvl32f* d, Rvl8u* b, RvlSize roi, int ss, int ds, int mask, int border) {
        return rvliFilterSobelHorizBorder_32f_C1R(s, ss, d, ds, roi, mask, RvlBorderMode(border), 0, b);
    };
    EXPECT_EQ(f(nullptr, dst.data(), buf.data(), {0, 4}, 2, 2, 0, 300), rvlResNullPointer);
    EXPECT_EQ(f(src.data(), dst.data(), nullptr, {0, 4}, 2, 2, 0, 300), rvlResNullPointer);
    EXPECT_EQ(f(src.data(), dst.data(), buf.data(), {0, 4}, 2, 2, 0, 300), rvlResBadSize);
    EXPECT_EQ(f(src.data(), dst.data(), buf.data(), {4, 4}, 18, 32, 0, 300), rvlResStepNotMultiple);
    EXPECT_EQ(f(src.data(), dst.data(), buf.data(), {4, 4}, 32, 30, 0, 300), rvlResStepNotMultiple);
    EXPECT_EQ(f(src.data(), dst.data(), buf.data(), {4, 4}, 32, 32, 44, 300), rvlResBadMaskSize);
    for (int border : {300, 0, 7, 2, 0x17})
        EXPECT_EQ(f(src.data(), dst.data(), buf.data(), {4, 4}, 32, 32, 55, border), rvlResBadBorder) << border;
    EXPECT_EQ(rvliFilterPrewittVertBorder_32f_C1R(src.data(), 32, dst.data(), 32, {4, 4}, 55, rvlBorderReplicate, 0, buf.data()),
              rvlResBadMaskSize);
    // 16-bit destinations take even steps; the 16s source's step is not checked.
    std::vector<Rvl16s> s16(64, 1), d16(64, 7);
    EXPECT_EQ(rvliFilterSobelVertBorder_16s_C1R(s16.data(), 16, d16.data(), 15, {4, 4}, 33, rvlBorderReplicate, 0, buf.data()),
              rvlResStepNotMultiple);
    EXPECT_EQ(rvliFilterSobelVertBorder_8u16s_C1R(buf.data(), 7, d16.data(), 9, {4, 4}, 33, rvlBorderReplicate, 0, buf.data() + 64),
              rvlResStepNotMultiple);
    EXPECT_TRUE(std::all_of(dst.begin(), dst.end(), [](Rvl32f v) { return v == 7; }));
    EXPECT_TRUE(std::all_of(d16.begin(), d16.end(), [](Rvl16s v) { return v == 7; }));
}

// ---- Laplace, Hipass, Sharpen ----------------------------------------------------------------

enum class ImageFilter { Laplace, Hipass, Sharpen };

Matrix image_kernel(ImageFilter f, int mask) {
    const int m = mask == 33 ? 3 : 5;
    if (f == ImageFilter::Laplace && m == 5)
        return {{-1, -3, -4, -3, -1}, {-3, 0, 6, 0, -3}, {-4, 6, 20, 6, -4}, {-3, 0, 6, 0, -3}, {-1, -3, -4, -3, -1}};
    Matrix k(m, std::vector<int>(m, -1));
    k[m / 2][m / 2] = f == ImageFilter::Sharpen ? 16 : m * m - 1;
    return k;
}

// The finished value of a kernel sum v: 8u saturating (unsigned: negative
// sums are 0), 16s saturating, 32f as is; Sharpen divides by 8 with halves
// to even.
template <class T>
T image_result(ImageFilter f, double v) {
    if (f == ImageFilter::Sharpen) {
        if constexpr (std::is_floating_point_v<T>) return static_cast<T>(v * 0.125);
        if (std::is_unsigned_v<T> && v < 0) v = 0;
        v = std::nearbyint(v / 8);  // the default rounding: halves to even
    }
    return saturate<T>(v);
}

template <class T>
using ImageFn = RvlResult (*)(const T*, int, T*, int, RvlSize, int, RvlBorderMode, const T*, Rvl8u*);

template <class T>
struct ImageMember {
    const char* name;
    ImageFilter filter;
    int channels;
    bool ac4;
    std::function<RvlResult(const T*, int, T*, int, RvlSize, int, int, const T*, Rvl8u*)> call;
};

template <class T, class F>
ImageMember<T> image_member(const char* name, ImageFilter filter, int C, bool ac4, F fn) {
    return {name, filter, C, ac4, [fn](const T* s, int ss, T* d, int ds, RvlSize r, int m, int b, const T* v, Rvl8u* buf) {
                if constexpr (std::is_invocable_v<F, const T*, int, T*, int, RvlSize, int, RvlBorderMode, T, Rvl8u*>)
                    return fn(s, ss, d, ds, r, m, RvlBorderMode(b), v[0], buf);
                else
                    return fn(s, ss, d, ds, r, m, RvlBorderMode(b), v, buf);
            }};
}

template <class T>
void check_image_member(const ImageMember<T>& m, int mask, const Roi& roi, int border, Rng& rng) {
    SCOPED_TRACE(::testing::Message() << m.name << " mask " << mask << " roi " << roi.w << "x" << roi.h << " border 0x" << std::hex
                                      << border);
    const int C = m.channels, r = mask == 33 ? 1 : 2;
    const Source<T> src(roi.w, roi.h, C, border, {r, r, r, r}, rng);
    TestImage<T> dst(roi.w, roi.h, C, static_cast<int>(rng() % 3), static_cast<int>(rng() % 4));
    dst.fill(rng, random_value<T>);
    TestImage<T> want = dst;
    const Matrix k = image_kernel(m.filter, mask);
    for (int y = 0; y < roi.h; ++y)
        for (int x = 0; x < roi.w; ++x)
            for (int c = 0; c < (m.ac4 ? 3 : C); ++c) want.set(x, y, c, image_result<T>(m.filter, src.correlate(k, x, y, c)));
    const auto query = m.filter == ImageFilter::Laplace ? rvliFilterLaplaceBorderGetBufferSize
                     : m.filter == ImageFilter::Hipass  ? rvliFilterHipassBorderGetBufferSize
                                                        : rvliFilterSharpenBorderGetBufferSize;
    int bytes = 0;
    ASSERT_EQ(query({roi.w, roi.h}, mask, type_code<T>(), C, &bytes), rvlResOk);
    GuardedBlock buffer(std::size_t(bytes), Edge::End);
    ASSERT_EQ(m.call(src.roi(), src.image.step(), dst.data(), dst.step(), {roi.w, roi.h}, mask, border, src.value.data(),
                     buffer.data()),
              rvlResOk);
    EXPECT_TRUE(same_bytes(dst, want));
}

#define IMAGE_LAYOUTS(T, F, prefix)                                                                                  \
    image_member<T>(#prefix "_C1R", F, 1, false, prefix##_C1R), image_member<T>(#prefix "_C3R", F, 3, false, prefix##_C3R), \
        image_member<T>(#prefix "_C4R", F, 4, false, prefix##_C4R), image_member<T>(#prefix "_AC4R", F, 4, true, prefix##_AC4R)
#define IMAGE_FILTERS(T, t)                                                                  \
    IMAGE_LAYOUTS(T, ImageFilter::Laplace, rvliFilterLaplaceBorder_##t),                     \
        IMAGE_LAYOUTS(T, ImageFilter::Hipass, rvliFilterHipassBorder_##t),                   \
        IMAGE_LAYOUTS(T, ImageFilter::Sharpen, rvliFilterSharpenBorder_##t)

template <class T>
void run_image_members(const std::vector<ImageMember<T>>& members) {
    Rng rng(0x1a9 + sizeof(T));
    const int borders[] = {1, 6, 0xF0, 0x11, 0x26, 0x41, 0x86, 0xF6};
    for (const auto& m : members)
        for (int mask : {33, 55}) {
            if (mask == 55 && m.filter == ImageFilter::Sharpen) continue;
            for (const Roi& roi : kRois) {
                check_image_member(m, mask, roi, borders[rng() % std::size(borders)], rng);
                if (::testing::Test::HasFatalFailure()) return;
            }
        }
}

TEST(LaplaceHipassSharpen, EveryMemberAgainstCorrelation) {
    run_image_members<Rvl8u>({IMAGE_FILTERS(Rvl8u, 8u)});
    run_image_members<Rvl16s>({IMAGE_FILTERS(Rvl16s, 16s)});
    run_image_members<Rvl32f>({IMAGE_FILTERS(Rvl32f, 32f)});
}

TEST(LaplaceHipassSharpen, ExamplesAndConstantImages) {
    std::vector<Rvl8u> buf(8192);
    // Sharpen 8u: a centre c with neighbours summing to n gives (16 c - n) / 8, halves to even
    // (a lone 10 gives 160 / 8 = 20).
    const auto sharpen = [&](Rvl8u centre, std::vector<Rvl8u> around) {
        std::vector<Rvl8u> img(9);
        for (int i = 0, k = 0; i < 9; ++i) img[i] = i == 4 ? centre : around[k++];
        std::vector<Rvl8u> out(9, 0);
        EXPECT_EQ(rvliFilterSharpenBorder_8u_C1R(img.data(), 3, out.data(), 3, {3, 3}, 33, rvlBorderReplicate, 0, buf.data()), rvlResOk);
        return int(out[4]);
    };
    EXPECT_EQ(sharpen(10, {0, 0, 0, 0, 0, 0, 0, 0}), 20);
    EXPECT_EQ(sharpen(10, {0, 0, 0, 0, 0, 0, 0, 1}), 20);  // 159 / 8 = 19.875
    EXPECT_EQ(sharpen(4, {4, 4, 4, 4, 3, 3, 3, 3}), 4);   // 36 / 8 = 4.5
    EXPECT_EQ(sharpen(4, {3, 3, 3, 3, 2, 2, 2, 2}), 6);   // 44 / 8 = 5.5
    // A constant image: Laplace and Hipass 0, Sharpen the image itself.
    std::vector<Rvl16s> flat(10 * 6, -1234), out(60, 1);
    for (int mask : {33, 55}) {
        ASSERT_EQ(rvliFilterLaplaceBorder_16s_C1R(flat.data(), 20, out.data(), 20, {10, 6}, mask, rvlBorderReplicate, 0, buf.data()), rvlResOk);
        EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](Rvl16s v) { return v == 0; }));
        ASSERT_EQ(rvliFilterHipassBorder_16s_C1R(flat.data(), 20, out.data(), 20, {10, 6}, mask, rvlBorderReplicate, 0, buf.data()), rvlResOk);
        EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](Rvl16s v) { return v == 0; }));
    }
    ASSERT_EQ(rvliFilterSharpenBorder_16s_C1R(flat.data(), 20, out.data(), 20, {10, 6}, 33, rvlBorderReplicate, 0, buf.data()), rvlResOk);
    EXPECT_EQ(out, flat);
}

TEST(LaplaceHipassSharpen, BufferSizesAndChecks) {
    const auto up32 = [](I64 v) { return (v + 31) / 32 * 32; };
    for (int dt : {1, 7, 13})
        for (int C : {1, 3, 4})
            for (int mask : {33, 55})
                for (RvlSize roi : {RvlSize{1, 1}, RvlSize{3, 40}, RvlSize{6, 6}, RvlSize{5, 9}, RvlSize{640, 480}}) {
                    SCOPED_TRACE(::testing::Message() << dt << " C" << C << " " << mask << " " << roi.width << "x" << roi.height);
                    const I64 W = roi.width, H = roi.height, M = std::max(W, H), m = mask == 33 ? 3 : 5;
                    const I64 e = dt == 1 ? 1 : dt == 7 ? 2 : 4;
                    const I64 n = (m >= W || m >= H) ? (H + m - 1) * (W + m - 1) : (M + m - 1) * (mask == 33 ? 3 : 6);
                    const I64 A = up32(n * e * C), B = up32(C * (W + (mask == 33 ? 2 : 0)) * (dt == 1 ? 2 : 4));
                    const I64 laplace = (mask == 33 ? A + B : A + 12 * B) + 32;
                    int got = -1;
                    ASSERT_EQ(rvliFilterLaplaceBorderGetBufferSize(roi, mask, dt, C, &got), rvlResOk);
                    EXPECT_EQ(got, laplace);
                    ASSERT_EQ(rvliFilterHipassBorderGetBufferSize(roi, mask, dt, C, &got), rvlResOk);
                    if (mask == 33) {
                        EXPECT_EQ(got, laplace);
                        ASSERT_EQ(rvliFilterSharpenBorderGetBufferSize(roi, mask, dt, C, &got), rvlResOk);
                        EXPECT_EQ(got, laplace);
                    } else {
                        const I64 n5 = (W < 6 || H < 6) ? (W + 4) * (H + 4) : 6 * M + 24;
                        EXPECT_EQ(got, up32(n5 * e * C) + up32(C * (W + 4) * (dt == 1 ? 2 : 4)) + 32);
                    }
                }
    int size = 3;
    EXPECT_EQ(rvliFilterLaplaceBorderGetBufferSize({0, 2}, 1, 2, 2, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliFilterLaplaceBorderGetBufferSize({0, 2}, 1, 2, 2, &size), rvlResBadSize);
    EXPECT_EQ(rvliFilterLaplaceBorderGetBufferSize({2, 2}, 1, 2, 2, &size), rvlResBadMaskSize);
    EXPECT_EQ(rvliFilterSharpenBorderGetBufferSize({2, 2}, 55, 2, 2, &size), rvlResBadMaskSize);
    EXPECT_EQ(rvliFilterLaplaceBorderGetBufferSize({2, 2}, 55, 5, 2, &size), rvlResBadDataType);
    EXPECT_EQ(rvliFilterLaplaceBorderGetBufferSize({2, 2}, 55, 7, 2, &size), rvlResBadChannelCount);
    EXPECT_EQ(rvliFilterHipassBorderGetBufferSize({2, 2}, 33, 7, 2, &size), rvlResBadChannelCount);
    EXPECT_EQ(size, 3);
    // Hipass with mask 55 refuses only the null pointer.
    EXPECT_EQ(rvliFilterHipassBorderGetBufferSize({0, -3}, 55, 99, 2, &size), rvlResOk);
    EXPECT_EQ(rvliFilterHipassBorderGetBufferSize({0, 2}, 55, 1, 1, nullptr), rvlResNullPointer);

    std::vector<Rvl8u> src(64, 1), dst(64, 7), buf(4096);
    const auto f = [&](const Rvl8u* s, Rvl8u* d, Rvl8u* b, RvlSize roi, int mask, int border, const Rvl8u* v) {
        return rvliFilterHipassBorder_8u_C3R(s, 24, d, 24, roi, mask, RvlBorderMode(border), v, b);
    };
    const Rvl8u v3[3] = {1, 2, 3};
    EXPECT_EQ(f(src.data(), nullptr, buf.data(), {0, 2}, 0, 300, v3), rvlResNullPointer);
    EXPECT_EQ(f(src.data(), dst.data(), buf.data(), {0, 2}, 0, 300, v3), rvlResBadSize);
    EXPECT_EQ(f(src.data(), dst.data(), buf.data(), {2, 2}, 0, 300, v3), rvlResBadMaskSize);
    EXPECT_EQ(f(src.data(), dst.data(), buf.data(), {2, 2}, 55, 300, v3), rvlResBadBorder);
    EXPECT_EQ(f(src.data(), dst.data(), buf.data(), {2, 2}, 55, rvlBorderMirror, v3), rvlResBadBorder);
    EXPECT_EQ(f(src.data(), dst.data(), buf.data(), {2, 2}, 55, rvlBorderConstant, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliFilterSharpenBorder_8u_C1R(src.data(), 8, dst.data(), 8, {2, 2}, 55, rvlBorderReplicate, 0, buf.data()),
              rvlResBadMaskSize);
    EXPECT_TRUE(std::all_of(dst.begin(), dst.end(), [](Rvl8u v) { return v == 7; }));
}

// ---- Gradient vectors ------------------------------------------------------------------------

template <class S, class D, int C>
using GradientFn = RvlResult (*)(const S*, int, D*, int, D*, int, D*, int, Rvl32f*, int, RvlSize, int, int, RvlBorderMode,
                                 std::conditional_t<C == 1, S, const S*>, Rvl8u*);

struct Operator {
    const char* name;
    std::vector<int> smooth3;  // the 3x3 smoothing vector; mask 55 uses Sobel's 5x5 vectors
};
const Operator kSobel{"Sobel", {1, 2, 1}}, kScharr{"Scharr", {3, 10, 3}}, kPrewitt{"Prewitt", {1, 1, 1}};

// Gx (right minus left) and Gy (below minus above) of every pixel's
// strongest channel.
template <class S, class G>
void reference_gradient(const Source<S>& src, const Operator& op, int mask, int C, int x, int y, G* gx, G* gy) {
    const std::vector<int> d = mask == 33 ? std::vector<int>{-1, 0, 1} : std::vector<int>{-1, -2, 0, 2, 1};
    const std::vector<int>& s = mask == 33 ? op.smooth3 : kS5;
    double bx = 0, by = 0, best = -1;
    for (int c = 0; c < C; ++c) {
        const double a = src.correlate(outer(d, s), x, y, c), b = src.correlate(outer(s, d), x, y, c);
        const G fa = static_cast<G>(a), fb = static_cast<G>(b);
        // The channel with the largest Gx^2 + Gy^2, as the derivative type computes it.
        const double m = std::is_floating_point_v<G> ? double(float(fa) * float(fa) + float(fb) * float(fb)) : a * a + b * b;
        if (m > best) best = m, bx = a, by = b;
    }
    *gx = static_cast<G>(bx);
    *gy = static_cast<G>(by);
}

template <class S, class D, int C>
void check_gradient(const Operator& op, GradientFn<S, D, C> fn, int mask, int norm, const Roi& roi, int border, unsigned outputs,
                    Rng& rng) {
    SCOPED_TRACE(::testing::Message() << "GradientVector" << op.name << " " << type_code<S>() << " C" << C << " mask " << mask
                                      << " norm " << norm << " roi " << roi.w << "x" << roi.h << " border 0x" << std::hex << border
                                      << " outputs " << outputs);
    const int r = mask == 33 ? 1 : 2;
    const Source<S> src(roi.w, roi.h, C, border, {r, r, r, r}, rng);
    TestImage<D> gx(roi.w, roi.h, 1, int(rng() % 3), int(rng() % 4)), gy(roi.w, roi.h, 1, int(rng() % 3), int(rng() % 4)),
        mag(roi.w, roi.h, 1, int(rng() % 3), int(rng() % 4));
    TestImage<Rvl32f> angle(roi.w, roi.h, 1, int(rng() % 3), int(rng() % 4));
    for (TestImage<D>* t : {&gx, &gy, &mag}) t->fill(rng, random_value<D>);
    angle.fill(rng, random_value<Rvl32f>);
    TestImage<D> wantX = gx, wantY = gy, wantMag = mag;
    const TestImage<Rvl32f> angleBefore = angle;
    std::vector<double> wantAngle(std::size_t(roi.w) * roi.h);
    for (int y = 0; y < roi.h; ++y)
        for (int x = 0; x < roi.w; ++x) {
            D a, b;
            reference_gradient(src, op, mask, C, x, y, &a, &b);
            if (outputs & 1) wantX.set(x, y, 0, a);
            if (outputs & 2) wantY.set(x, y, 0, b);
            double m;
            if constexpr (std::is_floating_point_v<D>)
                m = norm == 2 ? double(std::fabs(a) + std::fabs(b)) : double(std::sqrt(a * a + b * b));
            else
                m = norm == 2 ? double(std::abs(a) + std::abs(b)) : std::round(std::sqrt(double(a) * a + double(b) * b));
            if (outputs & 4) wantMag.set(x, y, 0, saturate<D>(m));
            wantAngle[std::size_t(y) * roi.w + x] = std::atan2(double(b), double(a));
        }
    int bytes = 0;
    ASSERT_EQ(rvliGradientVectorGetBufferSize({roi.w, roi.h}, mask, type_code<S>(), C, &bytes), rvlResOk);
    GuardedBlock buffer(std::size_t(bytes), Edge::End);
    std::conditional_t<C == 1, S, const S*> value;
    if constexpr (C == 1) value = src.value[0];
    else value = src.value.data();
    ASSERT_EQ(fn(src.roi(), src.image.step(), outputs & 1 ? gx.data() : nullptr, gx.step(), outputs & 2 ? gy.data() : nullptr,
                 gy.step(), outputs & 4 ? mag.data() : nullptr, mag.step(), outputs & 8 ? angle.data() : nullptr, angle.step(),
                 {roi.w, roi.h}, mask, norm, RvlBorderMode(border), value, buffer.data()),
              rvlResOk);
    EXPECT_TRUE(same_bytes(gx, wantX));
    EXPECT_TRUE(same_bytes(gy, wantY));
    EXPECT_TRUE(same_bytes(mag, wantMag));
    if (!(outputs & 8)) {
        EXPECT_TRUE(same_bytes(angle, angleBefore));
        return;
    }
    TestImage<Rvl32f> angleGuards = angle;
    for (int y = 0; y < roi.h; ++y)
        for (int x = 0; x < roi.w; ++x) {
            const double want = wantAngle[std::size_t(y) * roi.w + x], got = angle.at(x, y, 0);
            ASSERT_NEAR(got, want, 4.8e-7) << "at (" << x << ", " << y << ")";
            angleGuards.set(x, y, 0, angleBefore.at(x, y, 0));
        }
    EXPECT_TRUE(same_bytes(angleGuards, angleBefore));
}

template <class S, class D>
void run_gradient_type(GradientFn<S, D, 1> sobel1, GradientFn<S, D, 3> sobel3, GradientFn<S, D, 1> scharr1,
                       GradientFn<S, D, 3> scharr3, GradientFn<S, D, 1> prewitt1, GradientFn<S, D, 3> prewitt3) {
    Rng rng(0x6e + type_code<S>());
    const int borders[] = {1, 3, 6, 0xF0, 0x13, 0x26, 0x41, 0x83};
    const std::pair<const Operator*, std::pair<GradientFn<S, D, 1>, GradientFn<S, D, 3>>> ops[] = {
        {&kSobel, {sobel1, sobel3}}, {&kScharr, {scharr1, scharr3}}, {&kPrewitt, {prewitt1, prewitt3}}};
    for (const auto& [op, fns] : ops)
        for (int mask : {33, 55})
            for (const Roi& roi : {Roi{1, 1}, Roi{3, 2}, Roi{17, 5}, Roi{70, 4}, Roi{300, 3}, Roi{6, 9}}) {
                const int border = borders[rng() % std::size(borders)], norm = rng() % 2 ? 2 : 4;
                const unsigned outputs = rng() % 3 == 0 ? unsigned(1 + rng() % 15) : 15;
                check_gradient<S, D, 1>(*op, fns.first, mask, norm, roi, border, outputs, rng);
                check_gradient<S, D, 3>(*op, fns.second, mask, norm, roi, border, outputs, rng);
                if (::testing::Test::HasFatalFailure()) return;
            }
}

TEST(GradientVector, EveryMemberAgainstPerPixelReference) {
    run_gradient_type<Rvl8u, Rvl16s>(rvliGradientVectorSobel_8u16s_C1R, rvliGradientVectorSobel_8u16s_C3C1R,
                                     rvliGradientVectorScharr_8u16s_C1R, rvliGradientVectorScharr_8u16s_C3C1R,
                                     rvliGradientVectorPrewitt_8u16s_C1R, rvliGradientVectorPrewitt_8u16s_C3C1R);
    run_gradient_type<Rvl16u, Rvl32f>(rvliGradientVectorSobel_16u32f_C1R, rvliGradientVectorSobel_16u32f_C3C1R,
                                      rvliGradientVectorScharr_16u32f_C1R, rvliGradientVectorScharr_16u32f_C3C1R,
                                      rvliGradientVectorPrewitt_16u32f_C1R, rvliGradientVectorPrewitt_16u32f_C3C1R);
    run_gradient_type<Rvl16s, Rvl32f>(rvliGradientVectorSobel_16s32f_C1R, rvliGradientVectorSobel_16s32f_C3C1R,
                                      rvliGradientVectorScharr_16s32f_C1R, rvliGradientVectorScharr_16s32f_C3C1R,
                                      rvliGradientVectorPrewitt_16s32f_C1R, rvliGradientVectorPrewitt_16s32f_C3C1R);
    run_gradient_type<Rvl32f, Rvl32f>(rvliGradientVectorSobel_32f_C1R, rvliGradientVectorSobel_32f_C3C1R,
                                      rvliGradientVectorScharr_32f_C1R, rvliGradientVectorScharr_32f_C3C1R,
                                      rvliGradientVectorPrewitt_32f_C1R, rvliGradientVectorPrewitt_32f_C3C1R);
}

TEST(GradientVector, AnglesOfEveryDirection) {
    // A ramp in every direction of a circle, and the quadrant edges.
    std::vector<Rvl8u> buf(4096);
    for (int k = 0; k < 360; k += 7) {
        const double t = k * M_PI / 180;
        std::vector<Rvl32f> img(5 * 5);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x) img[y * 5 + x] = Rvl32f(std::cos(t) * x + std::sin(t) * y);
        Rvl32f angle = 0;
        ASSERT_EQ(rvliGradientVectorSobel_32f_C1R(img.data() + 12, 20, nullptr, 4, nullptr, 4, nullptr, 4, &angle, 4, {1, 1}, 33, 4,
                                                  RvlBorderMode(rvlBorderInMemory), 0, buf.data()),
                  rvlResOk);
        EXPECT_NEAR(std::remainder(angle - t, 2 * M_PI), 0, 1e-5) << k;
    }
}

TEST(GradientVector, MisalignedBufferOfTheQueriedSize) {
    Rng rng(4);
    for (const Roi roi : {Roi{1, 1}, Roi{2, 1}, Roi{40, 9}, Roi{90, 30}})
        for (int border : {1, 0xF0, 0x31}) {
            SCOPED_TRACE(::testing::Message() << roi.w << "x" << roi.h << " border " << border);
            const Source<Rvl32f> src(roi.w, roi.h, 1, border, {1, 1, 1, 1}, rng);
            int bytes = 0;
            ASSERT_EQ(rvliGradientVectorGetBufferSize({roi.w, roi.h}, 33, rvlType32f, 1, &bytes), rvlResOk);
            GuardedBlock aligned(std::size_t(bytes), Edge::End), odd(std::size_t(bytes) + 1, Edge::End);
            std::vector<Rvl32f> a(std::size_t(roi.w) * roi.h), b(a.size());
            ASSERT_EQ(rvliGradientVectorSobel_32f_C1R(src.roi(), src.image.step(), a.data(), 4 * roi.w, nullptr, 4, nullptr, 4, nullptr,
                                                      4, {roi.w, roi.h}, 33, 4, RvlBorderMode(border), 1, aligned.data()),
                      rvlResOk);
            // `bytes` bytes from an odd address, the last one against the guard page.
            ASSERT_EQ(rvliGradientVectorSobel_32f_C1R(src.roi(), src.image.step(), b.data(), 4 * roi.w, nullptr, 4, nullptr, 4, nullptr,
                                                      4, {roi.w, roi.h}, 33, 4, RvlBorderMode(border), 1, odd.data() + 1),
                      rvlResOk);
            EXPECT_EQ(a, b);
        }
}

TEST(GradientVector, FilterSobelIsTheMagnitude) {
    Rng rng(8);
    for (int mask : {33, 55})
        for (int norm : {2, 4}) {
            const Roi roi{37, 6};
            const Source<Rvl8u> src(roi.w, roi.h, 1, 6, {2, 2, 2, 2}, rng);
            int gb = 0, sb = 0;
            ASSERT_EQ(rvliGradientVectorGetBufferSize({roi.w, roi.h}, mask, 1, 1, &gb), rvlResOk);
            ASSERT_EQ(rvliFilterSobelGetBufferSize({roi.w, roi.h}, mask, norm, 1, 7, 1, &sb), rvlResOk);
            EXPECT_EQ(gb, sb);
            GuardedBlock buffer(std::size_t(sb), Edge::End);
            std::vector<Rvl16s> a(std::size_t(roi.w) * roi.h), b(a.size());
            ASSERT_EQ(rvliGradientVectorSobel_8u16s_C1R(src.roi(), src.image.step(), nullptr, 2, nullptr, 2, a.data(), 2 * roi.w, nullptr,
                                                        4, {roi.w, roi.h}, mask, norm, rvlBorderConstant, src.value[0], buffer.data()),
                      rvlResOk);
            ASSERT_EQ(rvliFilterSobel_8u16s_C1R(src.roi(), src.image.step(), b.data(), 2 * roi.w, {roi.w, roi.h}, mask, norm,
                                                rvlBorderConstant, src.value[0], buffer.data()),
                      rvlResOk);
            EXPECT_EQ(a, b);
        }
}

TEST(GradientVector, ChecksInOrder) {
    std::vector<Rvl16u> src(64, 1);
    std::vector<Rvl32f> gx(64, 7), mag(64, 7), angle(64, 7);
    std::vector<Rvl8u> buf(4096);
    const Rvl16u v3[3] = {0, 0, 0};
    const auto g = [&](const Rvl16u* s, int ss, Rvl8u* b, int gxs, Rvl32f* m, int ms, int as, RvlSize roi, int mask, int norm,
                       int border, const Rvl16u* v) {
        return rvliGradientVectorScharr_16u32f_C3C1R(s, ss, gx.data(), gxs, nullptr, 0, m, ms, angle.data(), as, roi, mask, norm,
                                                     RvlBorderMode(border), v, b);
    };
    EXPECT_EQ(g(nullptr, 0, nullptr, 0, mag.data(), 0, 0, {0, 0}, 0, 0, 3 | 0x100, nullptr), rvlResBadBorder);
    EXPECT_EQ(g(nullptr, 0, nullptr, 0, mag.data(), 0, 0, {0, 0}, 0, 0, 7, nullptr), rvlResBadBorder);
    EXPECT_EQ(g(nullptr, 0, nullptr, 0, mag.data(), 0, 0, {0, 0}, 0, 0, 3, nullptr), rvlResNullPointer);
    EXPECT_EQ(g(src.data(), 0, nullptr, 0, mag.data(), 0, 0, {0, 0}, 0, 0, 3, nullptr), rvlResBadStep);
    EXPECT_EQ(g(src.data(), 9, nullptr, 0, mag.data(), 0, 0, {0, 0}, 0, 0, 3, nullptr), rvlResStepNotMultiple);
    EXPECT_EQ(g(src.data(), 24, nullptr, 0, mag.data(), 0, 0, {0, 0}, 0, 0, 3, nullptr), rvlResNullPointer);
    EXPECT_EQ(g(src.data(), 24, buf.data(), 0, mag.data(), 0, 0, {0, 0}, 0, 0, 3, nullptr), rvlResBadStep);
    EXPECT_EQ(g(src.data(), 24, buf.data(), 6, mag.data(), 0, 0, {0, 0}, 0, 0, 3, nullptr), rvlResStepNotMultiple);
    EXPECT_EQ(g(src.data(), 24, buf.data(), 8, mag.data(), -4, 0, {0, 0}, 0, 0, 3, nullptr), rvlResBadStep);
    EXPECT_EQ(g(src.data(), 24, buf.data(), 8, mag.data(), 8, 0, {0, 0}, 0, 0, 3, nullptr), rvlResBadStep);
    EXPECT_EQ(g(src.data(), 24, buf.data(), 8, mag.data(), 8, 10, {0, 0}, 0, 0, 3, nullptr), rvlResStepNotMultiple);
    EXPECT_EQ(g(src.data(), 24, buf.data(), 8, mag.data(), 8, 8, {0, 0}, 0, 3, 3, nullptr), rvlResBadArg);
    EXPECT_EQ(g(src.data(), 24, buf.data(), 8, nullptr, 0, 8, {0, 0}, 0, 3, 3, nullptr), rvlResBadSize);
    EXPECT_EQ(g(src.data(), 24, buf.data(), 8, mag.data(), 8, 8, {2, 2}, 0, 2, 3, nullptr), rvlResNullPointer);
    EXPECT_EQ(g(src.data(), 24, buf.data(), 8, mag.data(), 8, 8, {2, 2}, 0, 2, 3, v3), rvlResBadMaskSize);
    EXPECT_TRUE(std::all_of(gx.begin(), gx.end(), [](Rvl32f v) { return v == 7; }));
    EXPECT_TRUE(std::all_of(mag.begin(), mag.end(), [](Rvl32f v) { return v == 7; }));

    // rvliFilterSobel: pointers, ROI, steps, mask, normType, then the border (no mirror).
    std::vector<Rvl32f> out(64, 7);
    const auto s = [&](Rvl8u* b, RvlSize roi, int ss, int mask, int norm, int border) {
        return rvliFilterSobel_16u32f_C1R(src.data(), ss, out.data(), 16, roi, mask, norm, RvlBorderMode(border), 0, b);
    };
    EXPECT_EQ(s(nullptr, {0, 0}, 3, 0, 0, 300), rvlResNullPointer);
    EXPECT_EQ(s(buf.data(), {0, 2}, 3, 0, 0, 300), rvlResBadSize);
    EXPECT_EQ(s(buf.data(), {2, 2}, 3, 0, 0, 300), rvlResStepNotMultiple);
    EXPECT_EQ(s(buf.data(), {2, 2}, 8, 0, 0, 300), rvlResBadMaskSize);
    EXPECT_EQ(s(buf.data(), {2, 2}, 8, 55, 0, 300), rvlResBadArg);
    EXPECT_EQ(s(buf.data(), {2, 2}, 8, 55, 4, 300), rvlResBadBorder);
    EXPECT_EQ(s(buf.data(), {2, 2}, 8, 55, 4, rvlBorderMirror), rvlResBadBorder);
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](Rvl32f v) { return v == 7; }));

    int size = 9;
    EXPECT_EQ(rvliGradientVectorGetBufferSize({0, 1}, 1, 2, 2, nullptr), rvlResNullPointer);
    EXPECT_EQ(rvliGradientVectorGetBufferSize({0, 1}, 1, 2, 2, &size), rvlResBadSize);
    EXPECT_EQ(rvliGradientVectorGetBufferSize({1, 1}, 1, 2, 2, &size), rvlResBadMaskSize);
    EXPECT_EQ(rvliGradientVectorGetBufferSize({1, 1}, 55, 2, 2, &size), rvlResBadDataType);
    EXPECT_EQ(rvliGradientVectorGetBufferSize({1, 1}, 55, 13, 2, &size), rvlResBadChannelCount);
    EXPECT_EQ(rvliFilterSobelGetBufferSize({1, 1}, 55, 3, 1, 7, 1, &size), rvlResBadArg);
    EXPECT_EQ(rvliFilterSobelGetBufferSize({1, 1}, 55, 2, 1, 13, 1, &size), rvlResBadDataType);
    EXPECT_EQ(rvliFilterSobelGetBufferSize({1, 1}, 55, 2, 5, 7, 1, &size), rvlResBadDataType);
    EXPECT_EQ(rvliFilterSobelGetBufferSize({1, 1}, 55, 2, 13, 13, 3, &size), rvlResBadChannelCount);
    EXPECT_EQ(size, 9);
    // size = C (max(W, H) + m - 1)(r + m - 1) e.
    const struct { RvlSize roi; int mask, type, C, want; } sizes[] = {
        {{100, 50}, 33, 1, 1, 102 * 3}, {{100, 50}, 55, 13, 3, 3 * 104 * 6 * 4}, {{3, 50}, 33, 7, 1, 52 * 5 * 2},
        {{7, 6}, 55, 5, 3, 3 * 11 * 10 * 2}, {{1, 1}, 33, 13, 1, 3 * 3 * 4}};
    for (const auto& c : sizes) {
        ASSERT_EQ(rvliGradientVectorGetBufferSize(c.roi, c.mask, c.type, c.C, &size), rvlResOk);
        EXPECT_EQ(size, c.want) << c.roi.width << "x" << c.roi.height;
    }
}

}  // namespace
