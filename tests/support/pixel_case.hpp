// Table-driven comparison of one-source, one-destination members with a
// plain per-pixel reference.
//
// A case names the member, the elements stored per pixel in the source and
// destination images, the call (which may offset the pointers to a channel),
// and a reference that writes the expected destination pixel from the source
// pixel. run_pixel_case runs it over odd widths, padded and shifted rows and
// two heights, with random bytes everywhere, and compares every byte of the
// destination buffer (guards, padding and untouched channels included).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "rvl.h"
#include "support/image.hpp"
#include "support/values.hpp"

namespace rvltest {

template <class S, class D>
struct PixelCase {
    std::string name;
    int srcChannels, dstChannels;
    std::function<RvlResult(const S*, int, D*, int, RvlSize)> call;
    std::function<void(const S* srcPixel, D* dstPixel)> ref;
    std::function<S(Rng&)> gen = random_value<S>;
};

template <class S, class D>
TestImage<D> expected_image(const TestImage<S>& src, TestImage<D> want, const PixelCase<S, D>& c) {
    std::vector<S> sp(c.srcChannels);
    std::vector<D> dp(c.dstChannels);
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            for (int k = 0; k < c.srcChannels; ++k) sp[k] = src.at(x, y, k);
            for (int k = 0; k < c.dstChannels; ++k) dp[k] = want.at(x, y, k);
            c.ref(sp.data(), dp.data());
            for (int k = 0; k < c.dstChannels; ++k) want.set(x, y, k, dp[k]);
        }
    return want;
}

inline const std::vector<int>& case_widths() {
    static const std::vector<int> w = {1, 2, 3, 7, 15, 16, 17, 31, 33, 64, 65, 255, 257, 300};
    return w;
}

template <class S, class D>
void run_pixel_case(const PixelCase<S, D>& c, std::uint64_t seed = 1) {
    SCOPED_TRACE(c.name);
    Rng rng(seed);
    for (int width : case_widths())
        for (int height : {1, 3})
            for (int pad : {0, 3}) {
                const int shift = int(rng() % 8);
                TestImage<S> src(width, height, c.srcChannels, pad, shift);
                TestImage<D> dst(width, height, c.dstChannels, pad, (shift + 5) % 8);
                src.fill(rng, c.gen);
                dst.fill(rng, random_value<D>);
                const TestImage<S> srcBefore = src;
                const TestImage<D> want = expected_image(src, dst, c);
                ASSERT_EQ(rvlResOk, c.call(src.data(), src.step(), dst.data(), dst.step(), {width, height}))
                    << "width " << width << " height " << height << " pad " << pad;
                ASSERT_TRUE(same_bytes(dst, want)) << "width " << width << " height " << height << " pad " << pad;
                ASSERT_TRUE(same_bytes(src, srcBefore)) << "the source changed";
            }
}

// The layouts shared by most families, with the elements each stores per
// pixel and the channels each processes.
struct Layout {
    const char* name;
    int stored, processed;
};
inline const Layout kC1{"C1", 1, 1}, kC3{"C3", 3, 3}, kC4{"C4", 4, 4}, kAC4{"AC4", 4, 3};

// A reference applied to the processed channels of a pixel.
template <class S, class D, class F>
std::function<void(const S*, D*)> per_channel(const Layout& l, F f) {
    const int n = l.processed;
    return [n, f](const S* s, D* d) {
        for (int k = 0; k < n; ++k) d[k] = f(s[k]);
    };
}

}  // namespace rvltest
