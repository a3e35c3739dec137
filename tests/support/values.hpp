// Random element values that favour the cases kernels get wrong: type
// extremes, zero, signed zero, infinities and NaNs with payloads.
#pragma once

#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

#include "support/image.hpp"

namespace rvltest {

inline float float_from_bits(std::uint32_t bits) {
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

inline std::uint32_t bits_of(float f) {
    std::uint32_t b;
    std::memcpy(&b, &f, sizeof b);
    return b;
}

// One value in eight is special; the rest spread over the whole type.
template <class T>
T random_value(Rng& rng) {
    std::uniform_int_distribution<int> pick(0, 7);
    if constexpr (std::is_integral_v<T>) {
        using L = std::numeric_limits<T>;
        if (pick(rng) == 0) {
            const T specials[] = {L::min(), static_cast<T>(L::min() + 1), T(0), T(1), static_cast<T>(L::max() - 1),
                                  L::max(), static_cast<T>(-1)};
            return specials[std::uniform_int_distribution<int>(0, 6)(rng)];
        }
        return static_cast<T>(std::uniform_int_distribution<long long>(L::min(), L::max())(rng));
    } else {
        if (pick(rng) == 0) {
            const std::uint32_t specials[] = {
                0x00000000u, 0x80000000u,  // +0, -0
                0x7F800000u, 0xFF800000u,  // +Inf, -Inf
                0x7FC00000u, 0xFFC00000u,  // quiet NaNs of both signs
                0x7FA00123u, 0xFFBFFFFFu,  // NaNs with payloads
                0x00000001u, 0x807FFFFFu,  // denormals
                0x7F7FFFFFu, 0xFF7FFFFFu,  // +-FLT_MAX
                0x40200000u, 0xC0200000u,  // 2.5, -2.5
            };
            return float_from_bits(specials[std::uniform_int_distribution<int>(0, 13)(rng)]);
        }
        const float mag = std::ldexp(std::uniform_real_distribution<float>(0.5f, 1.0f)(rng),
                                     std::uniform_int_distribution<int>(-30, 30)(rng));
        return (rng() & 1) ? -mag : mag;
    }
}

}  // namespace rvltest
