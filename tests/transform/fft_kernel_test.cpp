// The 1-D FFT engine against a double-precision direct DFT, and round trips.
#include <cmath>
#include <complex>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "kernels/fft.hpp"

namespace {

using rvl::fft::Cf;
using Cd = std::complex<double>;

std::vector<Cd> direct_dft(const std::vector<Cd>& x, bool inverse) {
    const size_t n = x.size();
    std::vector<Cd> out(n);
    const double sign = inverse ? 1.0 : -1.0;
    for (size_t k = 0; k < n; ++k) {
        Cd sum = 0;
        for (size_t j = 0; j < n; ++j) sum += x[j] * std::polar(1.0, sign * 2 * M_PI * double((k * j) % n) / double(n));
        out[k] = sum;
    }
    return out;
}

// RMS error relative to the RMS of the exact result; single-precision FFTs
// stay within a few 1e-7 times log2(N).
double relative_error(const std::vector<Cd>& got, const std::vector<Cd>& want) {
    double e = 0, r = 0;
    for (size_t i = 0; i < want.size(); ++i) e += std::norm(got[i] - want[i]), r += std::norm(want[i]);
    return r == 0 ? std::sqrt(e) : std::sqrt(e / r);
}

double bound(int order) { return 2e-7 * (order + 1); }

TEST(FftEngine, ComplexAgainstDirectDft) {
    std::mt19937 rng(31);
    std::uniform_real_distribution<float> u(-1, 1);
    for (int order = 0; order <= 11; ++order) {
        const size_t n = size_t{1} << order;
        std::vector<Cf> tw(n), in(n), out(n), scratch(n);
        rvl::fft::fill_twiddles(tw.data(), std::int64_t(n), std::int64_t(n));
        std::vector<Cd> x(n);
        for (size_t i = 0; i < n; ++i) in[i] = Cf{u(rng), u(rng)}, x[i] = Cd(in[i].re, in[i].im);
        for (bool inverse : {false, true}) {
            if (inverse) rvl::fft::complex_transform<true>(in.data(), out.data(), scratch.data(), order, tw.data(), 1);
            else rvl::fft::complex_transform<false>(in.data(), out.data(), scratch.data(), order, tw.data(), 1);
            std::vector<Cd> got(n);
            for (size_t i = 0; i < n; ++i) got[i] = Cd(out[i].re, out[i].im);
            EXPECT_LT(relative_error(got, direct_dft(x, inverse)), bound(order)) << "order " << order << (inverse ? " inverse" : "");
        }
        // In place gives the same values.
        std::vector<Cf> same = in;
        rvl::fft::complex_transform<true>(same.data(), same.data(), scratch.data(), order, tw.data(), 1);
        EXPECT_EQ(0, std::memcmp(same.data(), out.data(), n * sizeof(Cf))) << "order " << order;
    }
}

TEST(FftEngine, RealPackedAgainstDirectDftAndBack) {
    std::mt19937 rng(32);
    std::uniform_real_distribution<float> u(-1, 1);
    for (int order = 0; order <= 16; ++order) {
        const size_t n = size_t{1} << order, h = std::max<size_t>(n / 2, 1);
        std::vector<Cf> half(h), rec(h), scratch(h);
        rvl::fft::fill_twiddles(half.data(), std::int64_t(h), std::int64_t(h));
        rvl::fft::fill_twiddles(rec.data(), std::int64_t(n), std::int64_t(h));
        std::vector<float> in(n), packed(n), back(n);
        for (auto& v : in) v = u(rng);
        rvl::fft::real_forward(in.data(), packed.data(), scratch.data(), order, half.data(), 1, rec.data());
        if (order <= 11) {
            std::vector<Cd> x(in.begin(), in.end());
            const std::vector<Cd> X = direct_dft(x, false);
            std::vector<Cd> got(n / 2 + 1), want(X.begin(), X.begin() + n / 2 + 1);
            got[0] = packed[0];
            for (size_t k = 1; k < n / 2; ++k) got[k] = Cd(packed[2 * k - 1], packed[2 * k]);
            if (n >= 2) got[n / 2] = packed[n - 1];
            EXPECT_LT(relative_error(got, want), bound(order)) << "order " << order;
        }
        rvl::fft::real_inverse(packed.data(), back.data(), scratch.data(), order, half.data(), 1, rec.data());
        std::vector<Cd> b(n), x(n);
        for (size_t i = 0; i < n; ++i) b[i] = back[i] / double(n), x[i] = in[i];
        EXPECT_LT(relative_error(b, x), 2 * bound(order)) << "order " << order;
    }
}

}  // namespace
