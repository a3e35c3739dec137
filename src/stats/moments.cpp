// rvliMomentGetStateSize_64f, rvliMomentInit_64f, rvliMoments64f_<T>_<C>R
// and the rvliGet*Moment_64f / rvliGetHuMoments_64f getters.
//
// The state is the caller's 400 bytes: id 33, the hint, the channel count
// (-1 until moments are computed), a pad, and per channel R[n][m] (n the y
// order, m the x order) as 4 x 4 doubles. It is read and written by byte
// copies, so it need not be aligned.
//
// The sums are formed band by band down the columns (see accumulate_band):
// the same moments as summing x^m y^n f row by row, exact for integer data
// up to the final double-precision weighting.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <algorithm>

#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/walk.hpp"
#include "kernels/vec.hpp"

namespace rvl::stats {
namespace {

constexpr std::int32_t kMomentId = 33;
constexpr double kZeroMoment = 2.220446049250313e-16;

struct State {
    std::int32_t id, hint, channels, pad;
    double r[3][4][4];  // channel, y order n, x order m
};
static_assert(sizeof(State) == 400, "the moment state is 400 bytes");

State read_state(const void* p) {
    State s;
    std::memcpy(&s, p, sizeof s);
    return s;
}

RvlResult moment_state_size(RvlHintAlgorithm, int* pSize) {
    if (pSize == nullptr) return rvlResNullPointer;
    *pSize = static_cast<int>(sizeof(State));
    return rvlResOk;
}

RvlResult moment_init(RvlMomentState* pState, RvlHintAlgorithm hint) {
    if (pState == nullptr) return rvlResNullPointer;
    State s{};
    s.id = kMomentId;
    s.hint = static_cast<std::int32_t>(hint);
    s.channels = -1;
    std::memcpy(pState, &s, sizeof s);
    return rvlResOk;
}

// R[c][n][m] += sum over rows y0 .. y0 + rows - 1 of y^n sum_x x^m f, for a
// band of rows, a strip of columns at a time: down each column, running
// sums P0 += f, P1 += P0, P2 += P1, P3 += P2 (additions only) leave
// P_k = sum of C(u + k - 1, k) f with u = rows - y' (y' the row in the
// band), from which the column's sums of y'^n f follow exactly; those are
// weighted by x^m, summed across the strip in double precision, and moved
// from the band's origin to y0 by the binomial expansion.
//
// Integer data is summed exactly: the running sums of bands of 128 rows of
// 8-bit data (32 rows of 16-bit data) fit 32 bits, the column sums 64 bits.
// The double-precision sums that follow run in a fixed order in scalar code,
// so every processor variant gives the same bits.
template <class T, int Stored, int Used>
void accumulate_band(const T* src, int srcStep, std::int64_t width, std::int64_t y0, std::int64_t rows, double r[3][4][4]) {
    constexpr bool kFloat = std::is_same_v<T, Rvl32f>;
    using Running = std::conditional_t<kFloat, double, std::uint32_t>;
    using Exact = std::conditional_t<kFloat, double, std::int64_t>;
    constexpr std::int64_t kStrip = 256;
    double t[3][4][4] = {};  // sums of x^m * (sum of y'^n f), per channel
    for (std::int64_t x0 = 0; x0 < width; x0 += kStrip) {
        const std::int64_t w = std::min(kStrip, width - x0);
        for (int c = 0; c < Used; ++c) {
            Running p[4][kStrip] = {};
            for (std::int64_t y = 0; y < rows; ++y) {
                const T* row = row_at(src, srcStep, y0 + y) + x0 * Stored + c;
                std::int64_t x = 0;
                if constexpr (Stored == 1) {
                    // A register of columns at a time.
                    using V = vec::of<Running>;
                    constexpr std::int64_t L = vec::lanes<Running>;
                    for (; x + L <= w; x += L) {
                        V f;
                        if constexpr (kFloat) {
                            typedef float Floats __attribute__((vector_size(L * sizeof(float))));
                            Floats v;
                            std::memcpy(&v, row + x, sizeof v);
                            f = __builtin_convertvector(v, V);
                        } else {
                            f = vec::as<V>(vec::load_i32(row + x));
                        }
                        V a, b, d, e;
                        std::memcpy(&a, &p[0][x], sizeof a);
                        std::memcpy(&b, &p[1][x], sizeof b);
                        std::memcpy(&d, &p[2][x], sizeof d);
                        std::memcpy(&e, &p[3][x], sizeof e);
                        a += f, b += a, d += b, e += d;
                        std::memcpy(&p[0][x], &a, sizeof a);
                        std::memcpy(&p[1][x], &b, sizeof b);
                        std::memcpy(&p[2][x], &d, sizeof d);
                        std::memcpy(&p[3][x], &e, sizeof e);
                    }
                }
                for (; x < w; ++x) {
                    p[0][x] += static_cast<Running>(row[x * Stored]);
                    p[1][x] += p[0][x];
                    p[2][x] += p[1][x];
                    p[3][x] += p[2][x];
                }
            }
            const Exact R = static_cast<Exact>(rows);
            for (std::int64_t x = 0; x < w; ++x) {
                // Sums of u^j f, then of y'^n f = (R - u)^n f.
                const Exact q0 = p[0][x], q1 = p[1][x], q2 = 2 * Exact(p[2][x]) - q1, q3 = 6 * Exact(p[3][x]) - 3 * q2 - 2 * q1;
                const Exact col[4] = {q0, R * q0 - q1, R * R * q0 - 2 * R * q1 + q2, R * R * R * q0 - 3 * R * R * q1 + 3 * R * q2 - q3};
                const double X = static_cast<double>(x0 + x), xm[4] = {1.0, X, X * X, X * X * X};
                for (int n = 0; n < 4; ++n)
                    for (int m = 0; m + n < 4; ++m) t[c][n][m] += xm[m] * static_cast<double>(col[n]);
            }
        }
    }
    // y^n = (y0 + y')^n = sum over k of C(n, k) y0^(n-k) y'^k.
    constexpr double kBinomial[4][4] = {{1, 0, 0, 0}, {1, 1, 0, 0}, {1, 2, 1, 0}, {1, 3, 3, 1}};
    const double Y = static_cast<double>(y0), yp[4] = {1.0, Y, Y * Y, Y * Y * Y};
    for (int c = 0; c < Used; ++c)
        for (int n = 0; n < 4; ++n)
            for (int m = 0; m + n < 4; ++m) {
                double v = 0;
                for (int k = 0; k <= n; ++k) v += kBinomial[n][k] * yp[n - k] * t[c][k][m];
                r[c][n][m] += v;
            }
}

template <class T, int Stored, int Used>
RvlResult moments(const T* pSrc, int srcStep, RvlSize roi, RvlMomentState* pState) {
    if (RvlResult st = null_check(pSrc, pState)) return st;
    State s = read_state(pState);
    if (s.id != kMomentId) return rvlResBadContext;
    if (srcStep < 1) return rvlResBadStep;
    if (RvlResult st = roi_check(roi)) return st;
    if (static_cast<std::int64_t>(srcStep) < std::int64_t{roi.width} * Stored * std::int64_t{sizeof(T)}) return rvlResStepTooSmall;
    std::memset(s.r, 0, sizeof s.r);
    s.channels = Used;
    constexpr std::int64_t kBand = sizeof(T) == 2 ? 32 : 128;
    for (std::int64_t y0 = 0; y0 < roi.height; y0 += kBand)
        accumulate_band<T, Stored, Used>(pSrc, srcStep, roi.width, y0, std::min(kBand, roi.height - y0), s.r);
    std::memcpy(pState, &s, sizeof s);
    return rvlResOk;
}

// ---- Getters -----------------------------------------------------------------------

// The checks shared by the getters: the state, its id, the order sum (when
// given) and the channel; on success the state is in *s.
RvlResult read_for_get(const RvlMomentState* pState, int orderSum, bool checkOrder, int channel, State* s) {
    *s = read_state(pState);
    if (s->id != kMomentId) return rvlResBadContext;
    if (checkOrder && orderSum > 3) return rvlResBadSize;
    if (channel < 0 || channel >= s->channels) return rvlResBadChannel;
    return rvlResOk;
}

// R(m, n) of channel c.
struct Raw {
    const double (*r)[4];
    double operator()(int m, int n) const { return r[n][m]; }
};

double spatial(const Raw& R, int m, int n, double x0, double y0) {
    switch (n * 4 + m) {
        case 0: return R(0, 0);
        case 1: return x0 * R(0, 0) + R(1, 0);
        case 4: return y0 * R(0, 0) + R(0, 1);
        case 2: return x0 * x0 * R(0, 0) + 2 * x0 * R(1, 0) + R(2, 0);
        case 8: return y0 * y0 * R(0, 0) + 2 * y0 * R(0, 1) + R(0, 2);
        case 5: return (y0 * R(0, 0) + R(0, 1)) * x0 + y0 * R(1, 0) + R(1, 1);
        case 3: return (3 * (x0 * R(1, 0) + R(2, 0)) + x0 * x0 * R(0, 0)) * x0 + R(3, 0);
        case 12: return (3 * (y0 * R(0, 1) + R(0, 2)) + y0 * y0 * R(0, 0)) * y0 + R(0, 3);
        case 6: return (2 * x0 * R(1, 0) + R(2, 0) + x0 * x0 * R(0, 0)) * y0 + 2 * x0 * R(1, 1) + R(2, 1) + x0 * x0 * R(0, 1);
        default: return ((x0 * R(0, 0) + R(1, 0)) * y0 + 2 * x0 * R(0, 1)) * y0 + x0 * R(0, 2) + R(1, 2) + 2 * y0 * R(1, 1);  // 1, 2
    }
}

double central(const Raw& R, int m, int n) {
    const double inv = 1.0 / R(0, 0), xc = R(1, 0) * inv, yc = R(0, 1) * inv;
    switch (n * 4 + m) {
        case 0: return R(0, 0);
        case 1:
        case 4: return 0.0;
        case 2: return R(2, 0) - xc * R(1, 0);
        case 8: return R(0, 2) - yc * R(0, 1);
        case 5: return R(1, 1) - xc * R(0, 1);
        case 3: return (-3 * R(2, 0) + 2 * xc * R(1, 0)) * xc + R(3, 0);
        case 12: return (-3 * R(0, 2) + 2 * yc * R(0, 1)) * yc + R(0, 3);
        case 6: return (-R(1, 1) + xc * R(0, 1)) * 2 * xc + (R(2, 1) - yc * R(2, 0));
        default: return (-R(1, 1) + yc * R(1, 0)) * 2 * yc + (R(1, 2) - xc * R(0, 2));  // 1, 2
    }
}

bool zero_moment(const Raw& R) { return std::fabs(R(0, 0)) <= kZeroMoment; }

// Orders that are negative (with a sum of at most 3) give no value.
bool no_value(int m, int n) { return m < 0 || n < 0; }

RvlResult get_spatial(const RvlMomentState* pState, int m, int n, int channel, RvlPoint offset, Rvl64f* pValue) {
    if (RvlResult st = null_check(pState, pValue)) return st;
    State s;
    if (RvlResult st = read_for_get(pState, m + n, true, channel, &s)) return st;
    if (no_value(m, n)) return rvlResOk;
    *pValue = spatial(Raw{s.r[channel]}, m, n, offset.x, offset.y);
    return rvlResOk;
}

RvlResult get_central(const RvlMomentState* pState, int m, int n, int channel, Rvl64f* pValue) {
    if (RvlResult st = null_check(pState, pValue)) return st;
    State s;
    if (RvlResult st = read_for_get(pState, m + n, true, channel, &s)) return st;
    const Raw R{s.r[channel]};
    if (zero_moment(R)) return rvlResMomentZero;
    if (no_value(m, n)) return rvlResOk;
    *pValue = central(R, m, n);
    return rvlResOk;
}

// The moment times R00^(-(m + n + 2) / 2).
double normalised(const Raw& R, double moment, int m, int n) {
    return moment * std::pow(R(0, 0), -(m + n + 2) / 2.0);
}

RvlResult get_normalised_spatial(const RvlMomentState* pState, int m, int n, int channel, RvlPoint offset, Rvl64f* pValue) {
    if (pValue == nullptr) return rvlResNullPointer;
    Rvl64f v = 0;
    if (RvlResult st = get_spatial(pState, m, n, channel, offset, &v)) return st;
    State s = read_state(pState);
    const Raw R{s.r[channel]};
    if (zero_moment(R)) return rvlResMomentZero;
    if (no_value(m, n)) return rvlResOk;
    *pValue = normalised(R, v, m, n);
    return rvlResOk;
}

RvlResult get_normalised_central(const RvlMomentState* pState, int m, int n, int channel, Rvl64f* pValue) {
    if (pValue == nullptr) return rvlResNullPointer;
    Rvl64f v = 0;
    if (RvlResult st = get_central(pState, m, n, channel, &v)) return st;
    State s = read_state(pState);
    if (no_value(m, n)) return rvlResOk;
    *pValue = normalised(Raw{s.r[channel]}, v, m, n);
    return rvlResOk;
}

RvlResult get_hu(const RvlMomentState* pState, int channel, Rvl64f hu[7]) {
    if (RvlResult st = null_check(pState, hu)) return st;
    State s;
    if (RvlResult st = read_for_get(pState, 0, false, channel, &s)) return st;
    const Raw R{s.r[channel]};
    if (zero_moment(R)) return rvlResMomentZero;
    const auto e = [&](int m, int n) { return normalised(R, central(R, m, n), m, n); };
    const double e20 = e(2, 0), e02 = e(0, 2), e11 = e(1, 1), e30 = e(3, 0), e03 = e(0, 3), e21 = e(2, 1), e12 = e(1, 2);
    const double a = e30 - 3 * e12, b = 3 * e21 - e03, p = e30 + e12, q = e21 + e03;
    hu[0] = e20 + e02;
    hu[1] = (e20 - e02) * (e20 - e02) + 4 * e11 * e11;
    hu[2] = a * a + b * b;
    hu[3] = p * p + q * q;
    hu[4] = a * p * (p * p - 3 * q * q) + b * q * (3 * p * p - q * q);
    hu[5] = (e20 - e02) * (p * p - q * q) + 4 * e11 * p * q;
    hu[6] = b * p * (p * p - 3 * q * q) - a * q * (3 * p * p - q * q);
    return rvlResOk;
}

}  // namespace
}  // namespace rvl::stats

namespace rvl {
using namespace stats;
RVL_BIND(rvliMomentGetStateSize_64f, moment_state_size);
RVL_BIND(rvliMomentInit_64f, moment_init);
RVL_BIND(rvliMoments64f_8u_C1R, (moments<Rvl8u, 1, 1>));
RVL_BIND(rvliMoments64f_8u_C3R, (moments<Rvl8u, 3, 3>));
RVL_BIND(rvliMoments64f_8u_AC4R, (moments<Rvl8u, 4, 3>));
RVL_BIND(rvliMoments64f_16u_C1R, (moments<Rvl16u, 1, 1>));
RVL_BIND(rvliMoments64f_16u_C3R, (moments<Rvl16u, 3, 3>));
RVL_BIND(rvliMoments64f_16u_AC4R, (moments<Rvl16u, 4, 3>));
RVL_BIND(rvliMoments64f_32f_C1R, (moments<Rvl32f, 1, 1>));
RVL_BIND(rvliMoments64f_32f_C3R, (moments<Rvl32f, 3, 3>));
RVL_BIND(rvliMoments64f_32f_AC4R, (moments<Rvl32f, 4, 3>));
RVL_BIND(rvliGetSpatialMoment_64f, get_spatial);
RVL_BIND(rvliGetNormalizedSpatialMoment_64f, get_normalised_spatial);
RVL_BIND(rvliGetCentralMoment_64f, get_central);
RVL_BIND(rvliGetNormalizedCentralMoment_64f, get_normalised_central);
RVL_BIND(rvliGetHuMoments_64f, get_hu);
}  // namespace rvl
