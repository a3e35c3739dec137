// The Lanczos window of the resize and remap filters.
#pragma once

#include <cmath>

namespace rvl {

// The Lanczos window sinc(t) sinc(t/a) tabulated in single precision at
// 200 (a = 2) or 100 (a = 3) samples per unit, read by linear interpolation.
class LanczosWindow {
public:
    explicit LanczosWindow(int lobes) : a_(lobes), n_(lobes == 2 ? 200 : 100) {
        constexpr double kPi = 3.14159265358979323846;
        auto sinc = [](double x) { return x == 0 ? 1.0 : std::sin(kPi * x) / (kPi * x); };
        for (int j = 0; j <= a_ * n_; ++j) {
            const double t = static_cast<double>(j) / n_;
            t_[j] = static_cast<float>(sinc(t) * sinc(t / a_));
        }
    }
    float operator()(float t) const {
        const float at = std::fabs(t);
        if (!(at < static_cast<float>(a_))) return 0.0f;
        const float u = at * static_cast<float>(n_);
        const int j = static_cast<int>(u);
        return t_[j] + (t_[j + 1] - t_[j]) * (u - static_cast<float>(j));
    }

private:
    int a_, n_;
    float t_[401];
};

}  // namespace rvl
