// rvliHOGGetSize, rvliHOGInit, rvliHOGGetBufferSize, rvliHOGGetDescriptorSize
// and rvliHOG_<S>32f_<C>R.
//
// One call computes, over the working region (the top-left part of the ROI
// that whole blocks cover), every pixel's gradient, its orientation and its
// two bin votes once, into planes of the work buffer: the vote to the lower
// bin, the vote to the upper bin, and the lower bin's index. Windows then
// build their blocks from the planes. A block depends only on its place in
// the region, so blocks that several windows share are computed once: blocks
// on the lattice of the first window's position (its coordinates modulo the
// block step) note where they were written, and later windows copy them from
// there.
//
// The block step must be positive (a step of 0 or below would give no
// blocks to step through): configurations with one are refused with
// rvlResUnsupportedMode, like the other impossible geometries.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "frame/border.hpp"
#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/spec.hpp"
#include "frame/neighbourhood.hpp"
#include "frame/walk.hpp"

namespace rvl::stats {
namespace {

constexpr std::int32_t kHogId = 0x4B61738F;

// The specification: id, configuration, cells per block across and down, L
// and D, a pad to 64 bytes, then the block weights W[r][c] of the top-left
// cell (blockSide^2 floats). Read and written by byte copies.
struct HogHeader {
    std::int32_t id;
    RvlHogConfig config;
    std::int32_t cellsAcross, cellsDown, blockLength, descriptorLength;
    std::int32_t pad[2];
};
static_assert(sizeof(RvlHogConfig) == 36 && sizeof(HogHeader) == 64, "the specification's header is 64 bytes");

struct Geometry {
    int cellSide, blockSide, blockStep, bins;
    int blocksAcross, blocksDown, blockLength, descriptorLength;
};

RvlResult check_config(const RvlHogConfig* c) {
    if (c == nullptr) return rvlResNullPointer;
    const int cs = c->cellSide, bs = c->blockSide, step = c->blockStep;
    if (cs < 2 || cs > 16 || bs > 64 || bs < cs || bs % cs != 0 || bs / cs != 2 || step <= 0 || step % cs != 0 ||
        c->binCount < 2 || c->binCount > 16 || !(c->gaussSigma > 0) || !(c->clipThreshold > 0))
        return rvlResUnsupportedMode;
    const RvlSize w = c->windowSize;
    if (w.width < bs || w.height < bs || (w.width - bs) % step != 0 || (w.height - bs) % step != 0) return rvlResBadSize;
    return rvlResOk;
}

Geometry geometry_of(const RvlHogConfig& c) {
    Geometry g{c.cellSide, c.blockSide, c.blockStep, c.binCount, 0, 0, 0, 0};
    g.blocksAcross = (c.windowSize.width - c.blockSide) / c.blockStep + 1;
    g.blocksDown = (c.windowSize.height - c.blockSide) / c.blockStep + 1;
    g.blockLength = 4 * c.binCount;
    g.descriptorLength = g.blocksAcross * g.blocksDown * g.blockLength;
    return g;
}

HogHeader read_header(const void* spec) {
    HogHeader h;
    std::memcpy(&h, spec, sizeof h);
    return h;
}

RvlResult hog_size(const RvlHogConfig* pConfig, int* pSpecSize) {
    if (pSpecSize == nullptr) return rvlResNullPointer;
    if (RvlResult st = check_config(pConfig)) return st;
    *pSpecSize = pConfig->blockSide * pConfig->blockSide * 4 + 72;
    return rvlResOk;
}

RvlResult hog_init(const RvlHogConfig* pConfig, RvlHogSpec* pSpec) {
    if (RvlResult st = null_check(pConfig, pSpec)) return st;
    if (RvlResult st = check_config(pConfig)) return st;
    const RvlHogConfig c = *pConfig;
    const Geometry g = geometry_of(c);
    HogHeader h{};
    h.id = kHogId;
    h.config = c;
    h.cellsAcross = h.cellsDown = 2;
    h.blockLength = g.blockLength;
    h.descriptorLength = g.descriptorLength;
    const int bs = c.blockSide, cs = c.cellSide, half = bs / 2, cut = bs - cs / 2;
    const float k = 1.0f / (c.gaussSigma * c.gaussSigma * 2.0f);
    const auto t = [&](int i) { return 1.0f - std::fabs((static_cast<float>(i) + 0.5f) / static_cast<float>(cs) - 0.5f); };
    unsigned char* weights = reinterpret_cast<unsigned char*>(pSpec) + sizeof(HogHeader);
    for (int r = 0; r < bs; ++r)
        for (int col = 0; col < bs; ++col) {
            const float dr = static_cast<float>(r - half) + 0.5f, dc = static_cast<float>(col - half) + 0.5f;
            const float gauss = std::exp(-(dr * dr + dc * dc) * k);
            const float w = r >= cut || col >= cut ? 0.0f : t(r) * t(col) * gauss;
            std::memcpy(weights + 4 * (static_cast<std::size_t>(r) * bs + col), &w, 4);
        }
    std::memcpy(pSpec, &h, sizeof h);
    return rvlResOk;
}

RvlResult hog_buffer_size(const RvlHogSpec* pSpec, RvlSize roi, int* pBufferSize) {
    if (RvlResult st = null_check(pSpec, pBufferSize)) return st;
    const HogHeader h = read_header(pSpec);
    if (h.id != kHogId) return rvlResBadContext;
    if (roi.height < h.config.windowSize.height || roi.width < h.config.windowSize.width) return rvlResBadSize;
    // Three float planes of the ROI; a size past the int range cannot be
    // reported (rvlResSizeOverflow), so no call is sized by a wrapped product.
    return report_size(std::int64_t{roi.width} * roi.height * 12, pBufferSize);
}

RvlResult hog_descriptor_size(const RvlHogSpec* pSpec, int* pDescriptorSize) {
    if (RvlResult st = null_check(pSpec, pDescriptorSize)) return st;
    const HogHeader h = read_header(pSpec);
    if (h.id != kHogId) return rvlResBadContext;
    *pDescriptorSize = 4 * h.descriptorLength;
    return rvlResOk;
}

// ---- Votes ----------------------------------------------------------------------------

// The planes of the working region: each pixel's vote to its lower bin
// (p), to the upper bin (q), and the lower bin.
struct Votes {
    float* p;
    float* q;
    std::uint8_t* bin;
    std::int64_t width;
};

struct VoteRule {
    int bins;
    float scale;  // binCount / pi

    // The votes of gradient (dx, dy), in single precision as stated.
    void operator()(float dx, float dy, float* p, float* q, std::uint8_t* bin) const {
        constexpr float kPi = 3.141592653589793f, kTwoPi = 6.283185307179586f;
        constexpr float kHalfPi = 1.5707963267948966f, kThreeHalfPi = 4.71238898038469f;
        constexpr float kEps = 2.220446e-16f;
        const float dx2 = dx * dx, dy2 = dy * dy;
        float a;
        if (dx2 >= dy2) a = dx * dy / (dx2 + 0.28f * dy2 + kEps) + (dx < 0 ? kPi : dy >= 0 ? 0.0f : kTwoPi);
        else a = (dy >= 0 ? kHalfPi : kThreeHalfPi) - dx * dy / (0.28f * dx2 + dy2 + kEps);
        const float m = std::sqrt(dx2 + dy2);
        const float u = a * scale - 0.5f, k = std::floor(u), f = u - k;
        // k lies in [-1, 2 bins) for finite gradients; others are clamped to
        // a bin so the index stays in range.
        const int ki = k >= -1.0f && k < 2.0f * bins ? static_cast<int>(k) : 0;
        *bin = static_cast<std::uint8_t>((ki + bins) % bins);
        *p = (1.0f - f) * m;
        *q = f * m;
    }
};

// Gradients of the working region with its border, then the votes; a
// three-channel pixel keeps the channel with the largest dx^2 + dy^2 (a
// later channel only when strictly larger).
template <class T, int C>
void compute_votes(const T* src, int srcStep, std::int64_t width, std::int64_t height, const Border& border, const T* value,
                   const VoteRule& rule, const Votes& votes) {
    // Narrow pieces keep the ring of bordered rows on the stack.
    constexpr std::int64_t kPiece = 128;
    T ring[3 * (kPiece + 2) * C];
    BorderedSource<T> source(src, srcStep, width, height, C, Reach{1, 1, 1, 1}, border, value, ring);
    source.limit_pieces(kPiece);
    for_output_rows(source, width, height, [&](const RowSet<T>& rows, std::int64_t y, std::int64_t x0, std::int64_t w) {
        const T* above = rows.row(0);
        const T* mid = rows.row(1);
        const T* below = rows.row(2);
        const std::int64_t at = y * votes.width + x0;
        for (std::int64_t i = 0; i < w; ++i) {
            float bx = 0, by = 0, best = -1;
            for (int c = 0; c < C; ++c) {
                float dx, dy;
                if constexpr (std::is_same_v<T, Rvl32f>) {
                    dx = mid[(i + 2) * C + c] - mid[i * C + c];
                    dy = below[(i + 1) * C + c] - above[(i + 1) * C + c];
                } else {  // exact integer differences
                    dx = static_cast<float>(std::int32_t{mid[(i + 2) * C + c]} - std::int32_t{mid[i * C + c]});
                    dy = static_cast<float>(std::int32_t{below[(i + 1) * C + c]} - std::int32_t{above[(i + 1) * C + c]});
                }
                const float s = dx * dx + dy * dy;
                if (c == 0 || s > best) best = s, bx = dx, by = dy;
            }
            rule(bx, by, votes.p + at + i, votes.q + at + i, votes.bin + at + i);
        }
    });
}

// ---- Blocks --------------------------------------------------------------------------

// The L floats of the block whose top-left pixel is (X, Y) of the region:
// each pixel's votes go to the four cells with its four weights, then the
// block is normalised (L2-Hys).
void compute_block(const Votes& votes, const Geometry& g, const unsigned char* weightBytes, float clip, std::int64_t X,
                   std::int64_t Y, float* out) {
    const int bs = g.blockSide, bins = g.bins;
    float hist[4 * 16] = {};
    const auto weight = [&](int r, int c) {
        float w;
        std::memcpy(&w, weightBytes + 4 * (static_cast<std::size_t>(r) * bs + c), 4);
        return w;
    };
    for (int r = 0; r < bs; ++r) {
        const std::int64_t row = (Y + r) * votes.width + X;
        for (int c = 0; c < bs; ++c) {
            const float p = votes.p[row + c], q = votes.q[row + c];
            const int b0 = votes.bin[row + c], b1 = b0 + 1 == bins ? 0 : b0 + 1;
            // Top-left, bottom-left, top-right, bottom-right.
            const float w[4] = {weight(r, c), weight(bs - 1 - r, c), weight(r, bs - 1 - c), weight(bs - 1 - r, bs - 1 - c)};
            for (int cell = 0; cell < 4; ++cell) {
                hist[cell * bins + b0] += p * w[cell];
                hist[cell * bins + b1] += q * w[cell];
            }
        }
    }
    constexpr float kE2 = 1.1920929e-7f;
    const int L = g.blockLength;
    float s = 0;
    for (int i = 0; i < L; ++i) s += hist[i] * hist[i];
    const float r1 = 1.0f / std::sqrt(s + kE2);
    float s2 = 0;
    for (int i = 0; i < L; ++i) {
        hist[i] = std::min(hist[i] * r1, clip);
        s2 += hist[i] * hist[i];
    }
    const float r2 = 1.0f / std::sqrt(s2 + kE2);
    for (int i = 0; i < L; ++i) out[i] = hist[i] * r2;
}

template <class T, int C>
RvlResult hog(const T* pSrc, int srcStep, RvlSize roi, const RvlPoint* pLocation, int nLocations, Rvl32f* pDst,
              const RvlHogSpec* pSpec, RvlBorderMode border, const T* value, Rvl8u* pBuffer) {
    if (RvlResult st = null_check(pSpec, pSrc, pDst, pBuffer)) return st;
    if (C == 3 && value == nullptr) return rvlResNullPointer;
    const HogHeader h = read_header(pSpec);
    if (h.id != kHogId) return rvlResBadContext;
    if (srcStep < 1) return rvlResBadStep;
    if (sizeof(T) > 1 && srcStep % static_cast<int>(sizeof(T)) != 0) return rvlResStepNotMultiple;
    const RvlSize win = h.config.windowSize;
    if (roi.width < win.width || roi.height < win.height) return rvlResBadSize;
    if (nLocations < 1) return rvlResBadArg;
    if (pLocation == nullptr && nLocations > 1) return rvlResNullPointer;
    Border b;
    if (RvlResult st = decode_border(border, kFilterKinds, &b)) return st;

    const Geometry g = geometry_of(h.config);
    const std::int64_t step = g.blockStep;
    const std::int64_t W = g.blockSide + step * ((roi.width - g.blockSide) / step);
    const std::int64_t H = g.blockSide + step * ((roi.height - g.blockSide) / step);
    // The work buffer (12 bytes per ROI pixel): the two vote planes, the
    // block table, the bin plane.
    auto* base = reinterpret_cast<unsigned char*>((reinterpret_cast<std::uintptr_t>(pBuffer) + 3) & ~std::uintptr_t{3});
    Votes votes{reinterpret_cast<float*>(base), reinterpret_cast<float*>(base) + W * H, nullptr, W};
    std::int32_t* table = reinterpret_cast<std::int32_t*>(votes.q + W * H);
    const std::int64_t latticeAcross = (W - g.blockSide) / step + 1, latticeDown = (H - g.blockSide) / step + 1;
    votes.bin = reinterpret_cast<std::uint8_t*>(table + latticeAcross * latticeDown);

    const VoteRule rule{g.bins, static_cast<float>(g.bins / 3.141592653589793)};
    compute_votes<T, C>(pSrc, srcStep, W, H, b, value, rule, votes);

    const std::int64_t nBlocks = std::int64_t{g.blocksAcross} * g.blocksDown, L = g.blockLength;
    // Block references fit the table while every block of every window has
    // an index below 2^31.
    const bool useTable = std::int64_t{nLocations} * nBlocks < std::numeric_limits<std::int32_t>::max();
    std::fill(table, table + latticeAcross * latticeDown, -1);
    const unsigned char* weights = reinterpret_cast<const unsigned char*>(pSpec) + sizeof(HogHeader);
    const float clip = h.config.clipThreshold;
    std::int64_t slot = 0, ox = -1, oy = -1;
    for (int j = 0; j < nLocations; ++j) {
        const RvlPoint at = pLocation ? pLocation[j] : RvlPoint{0, 0};
        const std::int64_t x = at.x, y = at.y;
        if (x < 0 || y < 0 || x + win.width > W || y + win.height > H) continue;  // passed over: no slot
        if (ox < 0) ox = x % step, oy = y % step;
        float* out = pDst + slot * g.descriptorLength;
        for (std::int64_t by = 0; by < g.blocksDown; ++by)
            for (std::int64_t bx = 0; bx < g.blocksAcross; ++bx) {
                const std::int64_t X = x + bx * step, Y = y + by * step;
                const std::int64_t index = h.config.blockOrderByColumns ? bx * g.blocksDown + by : by * g.blocksAcross + bx;
                float* block = out + index * L;
                const bool onLattice = useTable && (X - ox) % step == 0 && (Y - oy) % step == 0;
                std::int32_t* entry = onLattice ? table + ((Y - oy) / step) * latticeAcross + (X - ox) / step : nullptr;
                if (entry && *entry >= 0) {
                    std::memmove(block, pDst + std::int64_t{*entry} * L, static_cast<std::size_t>(L) * sizeof(float));
                    continue;
                }
                compute_block(votes, g, weights, clip, X, Y, block);
                if (entry) *entry = static_cast<std::int32_t>(slot * nBlocks + index);
            }
        ++slot;
    }
    return rvlResOk;
}

template <class T>
RvlResult hog_c1(const T* pSrc, int srcStep, RvlSize roi, const RvlPoint* pLocation, int nLocations, Rvl32f* pDst,
                 const RvlHogSpec* pSpec, RvlBorderMode border, T borderValue, Rvl8u* pBuffer) {
    return hog<T, 1>(pSrc, srcStep, roi, pLocation, nLocations, pDst, pSpec, border, &borderValue, pBuffer);
}
template <class T>
RvlResult hog_c3(const T* pSrc, int srcStep, RvlSize roi, const RvlPoint* pLocation, int nLocations, Rvl32f* pDst,
                 const RvlHogSpec* pSpec, RvlBorderMode border, const T* borderValue, Rvl8u* pBuffer) {
    return hog<T, 3>(pSrc, srcStep, roi, pLocation, nLocations, pDst, pSpec, border, borderValue, pBuffer);
}

}  // namespace
}  // namespace rvl::stats

namespace rvl {
using namespace stats;
RVL_BIND(rvliHOGGetSize, hog_size);
RVL_BIND(rvliHOGInit, hog_init);
RVL_BIND(rvliHOGGetBufferSize, hog_buffer_size);
RVL_BIND(rvliHOGGetDescriptorSize, hog_descriptor_size);
RVL_BIND(rvliHOG_8u32f_C1R, hog_c1<Rvl8u>);
RVL_BIND(rvliHOG_8u32f_C3R, hog_c3<Rvl8u>);
RVL_BIND(rvliHOG_16u32f_C1R, hog_c1<Rvl16u>);
RVL_BIND(rvliHOG_16u32f_C3R, hog_c3<Rvl16u>);
RVL_BIND(rvliHOG_16s32f_C1R, hog_c1<Rvl16s>);
RVL_BIND(rvliHOG_16s32f_C3R, hog_c3<Rvl16s>);
RVL_BIND(rvliHOG_32f_C1R, hog_c1<Rvl32f>);
RVL_BIND(rvliHOG_32f_C3R, hog_c3<Rvl32f>);
}  // namespace rvl
