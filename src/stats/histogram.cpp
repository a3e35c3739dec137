// rvliHistogramGetBufferSize, rvliHistogramInit, rvliHistogramUniformInit,
// rvliHistogramGetLevels and rvliHistogram_<T>_<C>R.
//
// The specification is the caller's memory, laid out as stated: data type,
// channel count, uniform flag, id ("hist", written last), four nLevels,
// four pointers to the channels' level arrays, four float bin widths, then
// the level arrays (int32 for the integer types, float for 32f). Its fields
// are read and written by byte copies, so the memory need not be aligned.
//
// Integer data is counted into a full-range table of counters (256 or 65536
// per channel), which is then turned into running sums in place; each bin is
// the difference of two running sums, so the cost per pixel does not depend
// on the number of bins. 32f values find their bin by a binary search over
// the levels (the bin i with levels[i] <= v < levels[i+1], as a linear
// search from bin 0 finds it), with a direct guess first for uniform levels.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>

#include "frame/check.hpp"
#include "frame/entry.hpp"
#include "frame/spec.hpp"
#include "frame/walk.hpp"
#include "kernels/vec.hpp"

namespace rvl::stats {
namespace {

constexpr std::int32_t kHistogramId = 0x74736968;  // "hist"

struct Header {
    std::int32_t dataType, channels, uniform, id;
    std::int32_t nLevels[4];
    const void* levels[4];
    float widths[4];
};
static_assert(sizeof(Header) == 80, "the specification's header is 80 bytes");

Header read_header(const void* spec) {
    Header h;
    std::memcpy(&h, spec, sizeof h);
    return h;
}

bool valid_type(int dataType) {
    return dataType == rvlType8u || dataType == rvlType16u || dataType == rvlType16s || dataType == rvlType32f;
}
bool valid_channels(int numChannels) { return numChannels == 1 || numChannels == 3 || numChannels == 4; }

// A level of any size as an int32: truncated toward zero (Trunc) or rounded
// up, saturated to the int32 range (NaN gives 0), so that any float bound
// gives a defined level.
template <bool Trunc>
std::int32_t int_level(double v) {
    if (!(v == v)) return 0;
    v = Trunc ? std::trunc(v) : std::ceil(v);
    if (v <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
    if (v >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(v);
}

// ---- Sizes and set-up ---------------------------------------------------------

RvlResult histogram_buffer_size(int dataType, RvlSize roi, const int nLevels[], int numChannels, int /*uniform*/,
                                int* pSpecSize, int* pBufferSize) {
    if (RvlResult st = first_failure({null_check(nLevels, pSpecSize, pBufferSize), roi_check(roi)})) return st;
    if (!valid_channels(numChannels)) return rvlResBadChannelCount;
    std::int64_t sum = 0;
    for (int c = 0; c < numChannels; ++c) {
        if (nLevels[c] < 2) return rvlResBadHistLevels;
        sum += nLevels[c];
    }
    if (RvlResult st = report_size(80 + 4 * sum, pSpecSize)) return st;
    switch (dataType) {
        case rvlType8u: *pBufferSize = 1024 * numChannels; return rvlResOk;
        case rvlType16u:
        case rvlType16s: *pBufferSize = 0x40000 * numChannels; return rvlResOk;
        case rvlType32f: *pBufferSize = 0; return rvlResOk;
        default: *pBufferSize = 0; return rvlResBadDataType;
    }
}

// Writes the header (id 0) and returns where channel c's levels go.
void write_header(void* spec, int dataType, int numChannels, int uniform, const int nLevels[], const float widths[4]) {
    Header h{};
    h.dataType = dataType;
    h.channels = numChannels;
    h.uniform = uniform;
    unsigned char* at = static_cast<unsigned char*>(spec) + sizeof(Header);
    for (int c = 0; c < numChannels; ++c) {
        h.nLevels[c] = nLevels[c];
        h.levels[c] = at;
        h.widths[c] = widths[c];
        at += 4 * static_cast<std::size_t>(nLevels[c]);
    }
    std::memcpy(spec, &h, sizeof h);
}

void put_level(const Header& h, int c, std::int32_t k, float f, std::int32_t i, bool isFloat) {
    unsigned char* p = static_cast<unsigned char*>(const_cast<void*>(h.levels[c])) + 4 * static_cast<std::size_t>(k);
    if (isFloat) std::memcpy(p, &f, 4);
    else std::memcpy(p, &i, 4);
}

void write_id(void* spec, std::int32_t id) { std::memcpy(static_cast<unsigned char*>(spec) + 12, &id, 4); }

// A failed Init leaves the id 0, so no worker accepts the specification
// (also one that held a valid specification before).
RvlResult failed(void* spec, RvlResult st) {
    if (spec) write_id(spec, 0);
    return st;
}

RvlResult histogram_init(int dataType, const Rvl32f* const pLevels[], const int nLevels[], int numChannels,
                         RvlHistogramSpec* pSpec) {
    if (!valid_type(dataType)) return failed(pSpec, rvlResBadDataType);
    if (RvlResult st = null_check(pLevels, nLevels, pSpec)) return failed(pSpec, st);
    if (!valid_channels(numChannels)) return failed(pSpec, rvlResBadChannelCount);
    for (int c = 0; c < numChannels; ++c) {
        if (pLevels[c] == nullptr) return failed(pSpec, rvlResNullPointer);
        if (nLevels[c] < 2) return failed(pSpec, rvlResBadHistLevels);
        for (int k = 0; k + 1 < nLevels[c]; ++k)
            if (pLevels[c][k] >= pLevels[c][k + 1]) return failed(pSpec, rvlResBadRange);
    }
    const float widths[4] = {};
    write_header(pSpec, dataType, numChannels, 0, nLevels, widths);
    const Header h = read_header(pSpec);
    const bool isFloat = dataType == rvlType32f;
    for (int c = 0; c < numChannels; ++c)
        for (int k = 0; k < nLevels[c]; ++k)
            put_level(h, c, k, pLevels[c][k], int_level<false>(pLevels[c][k]), isFloat);
    write_id(pSpec, kHistogramId);
    return rvlResOk;
}

// Bounds that are not ordered (a NaN among them included) are refused with
// rvlResBadRange, like lower >= upper.
RvlResult histogram_uniform_init(int dataType, const Rvl32f lowerLevel[], const Rvl32f upperLevel[], const int nLevels[],
                                 int numChannels, RvlHistogramSpec* pSpec) {
    if (!valid_type(dataType)) return failed(pSpec, rvlResBadDataType);
    if (RvlResult st = null_check(lowerLevel, upperLevel, nLevels, pSpec)) return failed(pSpec, st);
    if (!valid_channels(numChannels)) return failed(pSpec, rvlResBadChannelCount);
    for (int c = 0; c < numChannels; ++c) {
        if (nLevels[c] < 2) return failed(pSpec, rvlResBadHistLevels);
        if (!(lowerLevel[c] < upperLevel[c])) return failed(pSpec, rvlResBadRange);
    }
    const bool isFloat = dataType == rvlType32f;
    float widths[4] = {};
    double steps[4] = {};
    bool narrow = false;
    for (int c = 0; c < numChannels; ++c) {
        steps[c] = (static_cast<double>(upperLevel[c]) - static_cast<double>(lowerLevel[c])) / (nLevels[c] - 1);
        if (isFloat) widths[c] = static_cast<float>(steps[c]);
        narrow = narrow || steps[c] < 1.0;
    }
    write_header(pSpec, dataType, numChannels, 1, nLevels, widths);
    const Header h = read_header(pSpec);
    for (int c = 0; c < numChannels; ++c) {
        const int n = nLevels[c];
        const double lo = lowerLevel[c];
        for (int k = 0; k < n; ++k) {
            const double v = k == 0 ? lo : k == n - 1 ? static_cast<double>(upperLevel[c]) : lo + k * steps[c];
            put_level(h, c, k, static_cast<float>(v), int_level<true>(v), isFloat);
        }
    }
    write_id(pSpec, kHistogramId);
    return !isFloat && narrow ? rvlResWarnArgumentRange : rvlResOk;
}

RvlResult histogram_get_levels(const RvlHistogramSpec* pSpec, Rvl32f* pLevels[]) {
    if (RvlResult st = null_check(pSpec, pLevels)) return st;
    const Header h = read_header(pSpec);
    if (h.id != kHistogramId) return rvlResBadArg;
    for (int c = 0; c < std::min(h.channels, 4); ++c) {
        if (pLevels[c] == nullptr) return rvlResNullPointer;
        const unsigned char* p = static_cast<const unsigned char*>(h.levels[c]);
        for (int k = 0; k < h.nLevels[c]; ++k) {
            if (h.dataType == rvlType32f) {
                std::memcpy(&pLevels[c][k], p + 4 * k, 4);
            } else {
                std::int32_t v;
                std::memcpy(&v, p + 4 * k, 4);
                pLevels[c][k] = static_cast<float>(v);
            }
        }
    }
    return rvlResOk;
}

// ---- Counting -------------------------------------------------------------------

// Level k of a channel, as stored.
template <class L>
L level(const Header& h, int c, std::int64_t k) {
    L v;
    std::memcpy(&v, static_cast<const unsigned char*>(h.levels[c]) + 4 * k, 4);
    return v;
}

// Counters in memory that is not aligned for them, read and written by
// byte copies: counters[k] works like an array element.
struct UnalignedCounters {
    Rvl8u* p;
    struct Ref {
        Rvl8u* at;
        operator std::uint32_t() const {
            std::uint32_t v;
            std::memcpy(&v, at, 4);
            return v;
        }
        Ref& operator=(std::uint32_t v) {
            std::memcpy(at, &v, 4);
            return *this;
        }
        Ref& operator+=(std::uint32_t v) { return *this = std::uint32_t(*this) + v; }
        Ref& operator++() { return *this += 1; }
    };
    Ref operator[](std::int64_t k) const { return Ref{p + 4 * k}; }
};

// The counter index of an integer value, and the index range of the type.
template <class T>
constexpr std::int64_t kCounters = sizeof(T) == 1 ? 256 : 65536;
template <class T>
constexpr std::int64_t kOffset = std::is_signed_v<T> ? 32768 : 0;

// Counts every element of channel c of the ROI into counters[c][...]. One
// channel images count into four tables in turn (the first the caller's, the
// others on the stack for 8-bit data) so that runs of equal values do not
// wait on each other's increments.
template <class T, int C, class Counters>
void count(const T* src, int srcStep, RvlSize roi, Counters counters) {
    constexpr std::int64_t K = kCounters<T>, off = kOffset<T>;
    const std::int64_t W = roi.width;
    if constexpr (sizeof(T) == 1 && C == 1) {
        std::uint32_t extra[3][256] = {};
        std::uint32_t* t[4] = {&counters[0], extra[0], extra[1], extra[2]};
        for (std::int64_t y = 0; y < roi.height; ++y) {
            const T* row = row_at(src, srcStep, y);
            std::int64_t x = 0;
            for (; x + 8 <= W; x += 8) {
                std::uint64_t w;
                std::memcpy(&w, row + x, 8);
                ++t[0][w & 255], ++t[1][(w >> 8) & 255], ++t[2][(w >> 16) & 255], ++t[3][(w >> 24) & 255];
                ++t[0][(w >> 32) & 255], ++t[1][(w >> 40) & 255], ++t[2][(w >> 48) & 255], ++t[3][w >> 56];
            }
            for (; x < W; ++x) ++t[0][row[x]];
        }
        for (int k = 1; k < 4; ++k)
            for (int v = 0; v < 256; ++v) counters[v] += t[k][v];
    } else {
        for (std::int64_t y = 0; y < roi.height; ++y) {
            const T* row = row_at(src, srcStep, y);
            for (std::int64_t x = 0; x < W; ++x)
                for (int c = 0; c < C; ++c) ++counters[c * K + static_cast<std::int64_t>(row[x * C + c]) + off];
        }
    }
}

// Bins of channel c from its counters, turned into running sums in place:
// bin i sums the counters of values max(levels[i], lo) .. min(levels[i+1],
// hi) - 1 (an empty range gives 0).
template <class T, class Counters>
void bins_from_counters(Counters counters, const Header& h, int c, Rvl32u* hist) {
    constexpr std::int64_t K = kCounters<T>, off = kOffset<T>;
    for (std::int64_t v = 1; v < K; ++v) counters[v] += std::uint32_t(counters[v - 1]);
    const auto below = [&](std::int64_t level) -> std::uint32_t {  // the count of values below `level`
        const std::int64_t k = std::clamp<std::int64_t>(level + off, 0, K);
        return k == 0 ? 0u : std::uint32_t(counters[k - 1]);
    };
    const int n = h.nLevels[c];
    for (int i = 0; i + 1 < n; ++i) {
        const std::int64_t lo = level<std::int32_t>(h, c, i), hi = level<std::int32_t>(h, c, i + 1);
        hist[i] = hi > lo ? below(hi) - below(lo) : 0;
    }
}

// The levels of a channel: copied to the stack when there are not too many,
// else read from the specification.
struct StackLevels {
    const float* p;
    float operator[](std::int64_t k) const { return p[k]; }
};
struct SpecLevels {
    const unsigned char* p;
    float operator[](std::int64_t k) const {
        float v;
        std::memcpy(&v, p + 4 * k, 4);
        return v;
    }
};

// The bin of v: i with levels[i] <= v < levels[i+1], or -1 (below the first
// level, at or above the last, or NaN).
template <class Levels>
struct FloatBins {
    Levels level;
    std::int64_t n;
    float first, last;
    float inverseWidth;  // uniform levels: 1 / width, else 0

    FloatBins(Levels lv, std::int64_t count, bool uniform, float width) : level(lv), n(count) {
        first = level[0];
        last = level[n - 1];
        inverseWidth = uniform && width > 0 ? 1.0f / width : 0.0f;
    }
    std::int64_t operator()(float v) const {
        if (!(v >= first && v < last)) return -1;
        if (inverseWidth > 0) {
            // A guess from the width, moved by one either way against the
            // stored levels (without branches: the data decides), and taken
            // when it is then the bin.
            std::int64_t k = std::clamp<std::int64_t>(static_cast<std::int64_t>((v - first) * inverseWidth), 0, n - 2);
            k -= !(level[k] <= v);
            k += k + 1 < n - 1 && level[k + 1] <= v;
            if (k >= 0 && level[k] <= v && !(level[k + 1] <= v)) return k;
        }
        // The number of levels at or below v, less one.
        std::int64_t lo = 0, count = n;
        while (count > 1) {
            const std::int64_t half = count / 2;
            lo = level[lo + half] <= v ? lo + half : lo;
            count -= half;
        }
        return std::min(lo, n - 2);
    }
};

// One-channel counting with uniform levels takes a register of values at a
// time. With at most kLaneBins bins every bin has a register of per-lane
// counters (a compare and a subtract per bin), added into the histogram at
// the end of each row; with more, the lanes count into kSplits tables on the
// stack (lane i into table i % kSplits, one spare counter for values outside
// the levels), so values falling into the same bins do not wait for each
// other's increments. Both are added up at the end.
constexpr std::int64_t kLaneBins = 16, kSplits = 4, kSplitBins = 1024;

struct SplitTables {
    bool used = false;
    std::uint32_t tables[kSplits][kSplitBins + 1];
};

// The registers of one row (its first x values, a multiple of the register
// width); returns x. Each value's guess is the bin when its fraction is far
// enough from a whole number (as in count_one); the others go to count_one.
template <class One>
std::int64_t count_registers(const Rvl32f* row, std::int64_t width, std::int64_t bins, float first, float last,
                             float inv, float top, float low, float high, const One& count_one, Rvl32u* hist,
                             SplitTables& split) {
    constexpr std::int64_t L = vec::lanes<float>;
    if (width < L || bins > kSplitBins) return 0;
    const bool lanesCount = bins <= kLaneBins;
    vec::i32 counters[kLaneBins];
    if (lanesCount) {
        for (auto& v : counters) v = vec::splat<vec::i32>(0);
    } else if (!split.used) {
        std::memset(split.tables, 0, sizeof split.tables);
        split.used = true;
    }
    const vec::i32 spare = vec::splat<vec::i32>(static_cast<std::int32_t>(kSplitBins));
    std::int64_t x = 0;
    for (; x + L <= width; x += L) {
        vec::f32 v;
        std::memcpy(&v, row + x, sizeof v);
        const vec::i32 in = (v >= first) & (v < last);
        vec::f32 g = (v - first) * inv;
        g = g > 0.0f ? g : vec::splat<vec::f32>(0.0f);  // a NaN too
        // The last bin's guesses lie in [top, top + 1): the fraction is
        // taken before the clamp, so that they are not all sent to count_one.
        const vec::i32 k = vec::trunc_i32(g < top ? g : vec::splat<vec::f32>(top));
        const vec::f32 frac = g - __builtin_convertvector(k, vec::f32);
        const vec::i32 safe = (frac > low) & (frac < high);
        const vec::i32 counted = in & safe;
        if (lanesCount) {
            for (std::int64_t b = 0; b < bins; ++b) counters[b] -= counted & (k == static_cast<std::int32_t>(b));
        } else {
            alignas(64) std::int32_t bin[L];
            const vec::i32 target = counted ? k : spare;
            std::memcpy(bin, &target, sizeof bin);
            for (std::int64_t i = 0; i < L; ++i) ++split.tables[i % kSplits][bin[i]];
        }
        for (std::uint64_t rest = vec::lane_bits(in & ~safe); rest; rest &= rest - 1) count_one(v[__builtin_ctzll(rest)]);
    }
    if (lanesCount)
        for (std::int64_t b = 0; b < bins; ++b) {
            std::uint32_t sum = 0;
            for (std::int64_t i = 0; i < L; ++i) sum += static_cast<std::uint32_t>(counters[b][i]);
            hist[b] += sum;
        }
    return x;
}

template <int C, class Levels>
void count_floats(const Rvl32f* src, int srcStep, RvlSize roi, int c, const FloatBins<Levels>& bin, Rvl32u* hist) {
    if (bin.inverseWidth > 0) {
        // Uniform levels: the bin from the width.
        const auto& lv = bin.level;
        const std::int64_t n = bin.n;
        const float first = bin.first, last = bin.last, inv = bin.inverseWidth, top = static_cast<float>(n - 2);
        // A guess whose fractional part lies further from a whole number
        // than the guess's rounding error (a few units of the last place of
        // n) plus the levels' (half a unit of the last place of the largest
        // level, in bins) is the bin without looking at the levels.
        const double width = 1.0 / static_cast<double>(inv);
        const double slack = 2.0 * (static_cast<double>(n) * 0x1p-21 +
                                    std::max(std::fabs(double(first)), std::fabs(double(last))) * 0x1p-22 / width) + 1e-6;
        const bool quick = slack < 0.25;
        const float low = static_cast<float>(slack), high = static_cast<float>(1.0 - slack);
        Rvl32u* out = hist;
        SplitTables split;
        // One value: the guess from the width clamped to [0, n - 2] (a NaN
        // to 0), moved by one either way against the levels (the first level
        // is at or below every value in range, the last above) with flag
        // arithmetic, and counted as 1 when v is in range, 0 otherwise. A
        // guess the moves do not make right (levels that rounding made
        // uneven) takes the search.
        const auto count_one = [&](float v) {
            const bool in = v >= first && v < last;
            float g = (v - first) * inv;
            g = g > 0.0f ? g : 0.0f;
            g = g < top ? g : top;
            std::int64_t k = static_cast<std::int64_t>(g);
            k -= std::int64_t{k > 0} & std::int64_t{!(lv[k] <= v)};
            k += std::int64_t{k < n - 2} & std::int64_t{lv[k + 1] <= v};
            if (in && !(lv[k] <= v && v < lv[k + 1])) k = bin(v);
            out[k] += in;
        };
        for (std::int64_t y = 0; y < roi.height; ++y) {
            const Rvl32f* row = row_at(src, srcStep, y);
            std::int64_t x = 0;
            if constexpr (C == 1)
                if (quick) x = count_registers(row, roi.width, n - 1, first, last, inv, top, low, high, count_one, hist, split);
            for (; x < roi.width; ++x) count_one(row[x * C + c]);
        }
        if (split.used)
            for (std::int64_t k = 0; k + 1 < n; ++k)
                for (const auto& table : split.tables) hist[k] += table[k];
        return;
    }
    for (std::int64_t y = 0; y < roi.height; ++y) {
        const Rvl32f* row = row_at(src, srcStep, y);
        for (std::int64_t x = 0; x < roi.width; ++x) {
            const std::int64_t k = bin(row[x * C + c]);
            if (k >= 0) ++hist[k];
        }
    }
}

template <class T, int C>
RvlResult histogram(const T* pSrc, int srcStep, RvlSize roi, Rvl32u* const* hists, const RvlHistogramSpec* pSpec,
                    Rvl8u* pBuffer) {
    constexpr bool kFloat = std::is_same_v<T, Rvl32f>;
    if (RvlResult st = null_check(pSrc, pSpec)) return st;
    if (!kFloat && pBuffer == nullptr) return rvlResNullPointer;
    for (int c = 0; c < C; ++c)
        if (hists[c] == nullptr) return rvlResNullPointer;
    if (RvlResult st = roi_check(roi)) return st;
    if (srcStep < 1 || static_cast<std::int64_t>(srcStep) < std::int64_t{roi.width} * C * std::int64_t{sizeof(T)}) return rvlResBadStep;
    const Header h = read_header(pSpec);
    if (h.id != kHistogramId) return rvlResBadArg;
    // Channels the specification does not describe get no bins.
    int bins[C];
    for (int c = 0; c < C; ++c) {
        bins[c] = c < std::min(h.channels, 4) ? std::max(h.nLevels[c] - 1, 0) : 0;
        std::fill(hists[c], hists[c] + bins[c], 0u);
    }
    if constexpr (kFloat) {
        constexpr std::int64_t kStackLevels = 1024;
        for (int c = 0; c < C; ++c) {
            if (bins[c] == 0) continue;
            const std::int64_t n = h.nLevels[c];
            const auto* stored = static_cast<const unsigned char*>(h.levels[c]);
            if (n <= kStackLevels) {
                float local[kStackLevels];
                std::memcpy(local, stored, 4 * static_cast<std::size_t>(n));
                count_floats<C>(pSrc, srcStep, roi, c, FloatBins<StackLevels>({local}, n, h.uniform, h.widths[c]), hists[c]);
            } else {
                count_floats<C>(pSrc, srcStep, roi, c, FloatBins<SpecLevels>({stored}, n, h.uniform, h.widths[c]), hists[c]);
            }
        }
    } else if constexpr (sizeof(T) == 1) {
        // 8-bit counters live on the stack (the work buffer is not needed
        // for them, though the pointer is checked).
        std::uint32_t counters[C][256] = {};
        count<T, C>(pSrc, srcStep, roi, &counters[0][0]);
        for (int c = 0; c < C; ++c)
            if (bins[c]) bins_from_counters<T>(counters[c], h, c, hists[c]);
    } else {
        // 16-bit counters in the work buffer, which holds exactly 65536
        // counters per channel; one that is not aligned for them is
        // counted through byte copies.
        constexpr std::int64_t K = kCounters<T>;
        std::memset(pBuffer, 0, sizeof(std::uint32_t) * K * C);
        if (reinterpret_cast<std::uintptr_t>(pBuffer) % alignof(std::uint32_t) == 0) {
            auto* counters = reinterpret_cast<std::uint32_t*>(pBuffer);
            count<T, C>(pSrc, srcStep, roi, counters);
            for (int c = 0; c < C; ++c)
                if (bins[c]) bins_from_counters<T>(counters + c * K, h, c, hists[c]);
        } else {
            count<T, C>(pSrc, srcStep, roi, UnalignedCounters{pBuffer});
            for (int c = 0; c < C; ++c)
                if (bins[c]) bins_from_counters<T>(UnalignedCounters{pBuffer + 4 * c * K}, h, c, hists[c]);
        }
    }
    return rvlResOk;
}

template <class T>
RvlResult histogram_c1(const T* pSrc, int srcStep, RvlSize roi, Rvl32u* pHist, const RvlHistogramSpec* pSpec, Rvl8u* pBuffer) {
    Rvl32u* const hists[1] = {pHist};
    return histogram<T, 1>(pSrc, srcStep, roi, hists, pSpec, pBuffer);
}
template <class T, int C>
RvlResult histogram_cn(const T* pSrc, int srcStep, RvlSize roi, Rvl32u** pHist, const RvlHistogramSpec* pSpec, Rvl8u* pBuffer) {
    if (pHist == nullptr) return rvlResNullPointer;
    return histogram<T, C>(pSrc, srcStep, roi, pHist, pSpec, pBuffer);
}
RvlResult histogram_32f_c1(const Rvl32f* pSrc, int srcStep, RvlSize roi, Rvl32u* pHist, const RvlHistogramSpec* pSpec) {
    return histogram_c1<Rvl32f>(pSrc, srcStep, roi, pHist, pSpec, nullptr);
}
template <int C>
RvlResult histogram_32f_cn(const Rvl32f* pSrc, int srcStep, RvlSize roi, Rvl32u** pHist, const RvlHistogramSpec* pSpec) {
    return histogram_cn<Rvl32f, C>(pSrc, srcStep, roi, pHist, pSpec, nullptr);
}

}  // namespace
}  // namespace rvl::stats

namespace rvl {
using namespace stats;
RVL_BIND(rvliHistogramGetBufferSize, histogram_buffer_size);
RVL_BIND(rvliHistogramInit, histogram_init);
RVL_BIND(rvliHistogramUniformInit, histogram_uniform_init);
RVL_BIND(rvliHistogramGetLevels, histogram_get_levels);
RVL_BIND(rvliHistogram_8u_C1R, histogram_c1<Rvl8u>);
RVL_BIND(rvliHistogram_8u_C3R, (histogram_cn<Rvl8u, 3>));
RVL_BIND(rvliHistogram_8u_C4R, (histogram_cn<Rvl8u, 4>));
RVL_BIND(rvliHistogram_16u_C1R, histogram_c1<Rvl16u>);
RVL_BIND(rvliHistogram_16u_C3R, (histogram_cn<Rvl16u, 3>));
RVL_BIND(rvliHistogram_16u_C4R, (histogram_cn<Rvl16u, 4>));
RVL_BIND(rvliHistogram_16s_C1R, histogram_c1<Rvl16s>);
RVL_BIND(rvliHistogram_16s_C3R, (histogram_cn<Rvl16s, 3>));
RVL_BIND(rvliHistogram_16s_C4R, (histogram_cn<Rvl16s, 4>));
RVL_BIND(rvliHistogram_32f_C1R, histogram_32f_c1);
RVL_BIND(rvliHistogram_32f_C3R, histogram_32f_cn<3>);
RVL_BIND(rvliHistogram_32f_C4R, histogram_32f_cn<4>);
}  // namespace rvl
