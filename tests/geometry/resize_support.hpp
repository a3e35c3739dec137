// Shared by the resize tests: plain images for the references, random
// values, and the tile passes every worker goes through.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <random>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "support/image.hpp"

namespace rvltest {

template <class T>
struct Image {
    std::int64_t w, h;
    int c;
    std::vector<T> px;
    T at(std::int64_t x, std::int64_t y, int k) const { return px[(y * w + x) * c + k]; }
};

// Any integer of the type; floats in [-1000, 1000] (finite sums).
template <class T>
T moderate_value(Rng& rng) {
    if constexpr (std::is_floating_point_v<T>) return static_cast<T>(std::uniform_real_distribution<double>(-1000, 1000)(rng));
    else return static_cast<T>(std::uniform_int_distribution<std::int64_t>(std::numeric_limits<T>::min(), std::numeric_limits<T>::max())(rng));
}

// A source of random values, and the same pixels in a guarded, padded,
// misaligned test image.
template <class T>
Image<T> random_image(std::int64_t w, std::int64_t h, int channels, Rng& rng) {
    Image<T> img{w, h, channels, std::vector<T>(static_cast<size_t>(w * h * channels))};
    for (auto& v : img.px) v = moderate_value<T>(rng);
    return img;
}
template <class T>
TestImage<T> test_image_of(const Image<T>& img, Rng& rng) {
    TestImage<T> t(int(img.w), int(img.h), img.c, 3, 1);
    t.fill(rng, moderate_value<T>);
    for (std::int64_t y = 0; y < img.h; ++y)
        for (std::int64_t x = 0; x < img.w; ++x)
            for (int k = 0; k < img.c; ++k) t.set(int(x), int(y), k, img.at(x, y, k));
    return t;
}

// The destination computed three ways, each compared with `want` (every
// other byte of the destination untouched): one call over the whole
// destination, a grid of random tiles, the same kind of grid through the
// _L API. run_tile(out, x, y, w, h, longApi) computes one tile.
template <class T, class RunTile>
void check_tile_passes(const Image<T>& want, Rng& rng, RunTile run_tile) {
    const std::int64_t dw = want.w, dh = want.h;
    TestImage<T> out(int(dw), int(dh), want.c, 2, 3);
    out.fill(rng, moderate_value<T>);
    TestImage<T> expected = out;
    for (std::int64_t y = 0; y < dh; ++y)
        for (std::int64_t x = 0; x < dw; ++x)
            for (int k = 0; k < want.c; ++k) expected.set(int(x), int(y), k, want.at(x, y, k));
    for (int pass = 0; pass < 3; ++pass) {
        TestImage<T> got = out;
        if (pass == 0) {
            run_tile(got, 0, 0, dw, dh, false);
        } else {
            std::vector<std::int64_t> xs{0, dw}, ys{0, dh};
            for (int k = 0; k < 2; ++k) xs.push_back(std::int64_t(rng() % dw)), ys.push_back(std::int64_t(rng() % dh));
            std::sort(xs.begin(), xs.end());
            std::sort(ys.begin(), ys.end());
            for (size_t a = 0; a + 1 < ys.size(); ++a)
                for (size_t b = 0; b + 1 < xs.size(); ++b)
                    if (ys[a + 1] > ys[a] && xs[b + 1] > xs[b]) run_tile(got, xs[b], ys[a], xs[b + 1] - xs[b], ys[a + 1] - ys[a], pass == 2);
        }
        if (::testing::Test::HasFatalFailure()) return;
        EXPECT_TRUE(same_bytes(got, expected)) << "pass " << pass;
    }
}

}  // namespace rvltest
