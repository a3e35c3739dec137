// Test images with guard bytes.
//
// A TestImage is a byte buffer holding a ROI of width x height pixels of
// `channels` elements each, with a padded row step, a first pixel that sits
// at a chosen misalignment, and guard bytes before and after. Tests compare
// the WHOLE buffer with an expected copy, so a write to a guard byte, to the
// padding at the end of a row, or to an AC4 alpha channel is caught like a
// wrong pixel.
#pragma once

#include <cstdint>
#include <cstring>
#include <random>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

namespace rvltest {

using Rng = std::mt19937_64;

constexpr int kGuardBytes = 64;

template <class T>
class TestImage {
public:
    // padElements: extra elements at the end of every row; shiftElements:
    // how far the first pixel is moved from a 64-byte boundary.
    TestImage(int width, int height, int channels, int padElements = 0, int shiftElements = 0)
        : width_(width), height_(height), channels_(channels),
          step_(static_cast<int>((width * channels + padElements) * sizeof(T))),
          origin_(kGuardBytes + shiftElements * sizeof(T)),
          bytes_(origin_ + static_cast<std::size_t>(step_) * (height > 0 ? height : 1) + kGuardBytes) {}

    int width() const { return width_; }
    int height() const { return height_; }
    int channels() const { return channels_; }
    int step() const { return step_; }

    T* data() { return reinterpret_cast<T*>(bytes_.data() + origin_); }
    const T* data() const { return reinterpret_cast<const T*>(bytes_.data() + origin_); }

    // Element c of pixel (x, y), read and written by memcpy: the buffer
    // position need not be aligned for T.
    T at(int x, int y, int c) const {
        T v;
        std::memcpy(&v, address(x, y, c), sizeof v);
        return v;
    }
    void set(int x, int y, int c, T v) { std::memcpy(address(x, y, c), &v, sizeof v); }

    // Fills every byte, guards and padding included, with random bytes, then
    // every ROI element with gen(rng).
    template <class Gen>
    void fill(Rng& rng, Gen gen) {
        for (auto& b : bytes_) b = static_cast<unsigned char>(rng());
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                for (int c = 0; c < channels_; ++c) set(x, y, c, gen(rng));
    }

    const std::vector<unsigned char>& bytes() const { return bytes_; }

private:
    unsigned char* address(int x, int y, int c) {
        return bytes_.data() + origin_ + static_cast<std::size_t>(y) * step_ + (static_cast<std::size_t>(x) * channels_ + c) * sizeof(T);
    }
    const unsigned char* address(int x, int y, int c) const {
        return const_cast<TestImage*>(this)->address(x, y, c);
    }

    int width_, height_, channels_, step_;
    std::size_t origin_;
    std::vector<unsigned char> bytes_;
};

// True when two images hold the same bytes everywhere (ROI, padding, guards);
// reports the first differing pixel otherwise.
template <class T>
::testing::AssertionResult same_bytes(const TestImage<T>& got, const TestImage<T>& want) {
    if (got.bytes() == want.bytes()) return ::testing::AssertionSuccess();
    for (int y = 0; y < want.height(); ++y)
        for (int x = 0; x < want.width(); ++x)
            for (int c = 0; c < want.channels(); ++c) {
                const T a = got.at(x, y, c), b = want.at(x, y, c);
                if (std::memcmp(&a, &b, sizeof(T)) != 0)
                    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") channel " << c
                                                         << ": got " << +a << ", want " << +b;
            }
    return ::testing::AssertionFailure() << "a byte outside the ROI (guard or row padding) changed";
}

// The data-type code of an element type (8u 1, 16u 5, 16s 7, 32f 13, 64f 19).
template <class T>
constexpr int type_code() {
    return std::is_same_v<T, std::uint8_t> ? 1 : std::is_same_v<T, std::uint16_t> ? 5 : std::is_same_v<T, std::int16_t> ? 7
           : std::is_same_v<T, float> ? 13 : 19;
}

// Widths that cover single elements, every vector tail and several blocks.
inline const std::vector<int>& odd_widths() {
    static const std::vector<int> w = {1, 2, 3, 5, 7, 8, 9, 15, 16, 17, 31, 33, 63, 64, 65, 127, 255, 256, 257, 300, 513};
    return w;
}

}  // namespace rvltest
