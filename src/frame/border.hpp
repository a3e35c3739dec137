// The border model shared by every neighbourhood operation.
//
// A border type is a kind in bits 0-3 (1 replicate, 3 mirror, 6 constant,
// 7 transparent) and four in-memory flags in bits 4-7 (top, bottom, left,
// right). Values above 255 are invalid; kind 0 is valid only as 0xF0
// (everything in memory); any other kind must be one the family accepts.
// The in-memory flags extend the ROI into the "effective image", and the
// kind produces every pixel outside it through the coordinate maps below.
#pragma once

#include <cstdint>

#include "rvl.h"

namespace rvl {

// Sets of accepted kinds, one bit per kind.
constexpr unsigned kind_bit(unsigned kind) { return 1u << kind; }
constexpr unsigned kFilterKinds = kind_bit(rvlBorderReplicate) | kind_bit(rvlBorderMirror) | kind_bit(rvlBorderConstant);
constexpr unsigned kReplicateConstantKinds = kind_bit(rvlBorderReplicate) | kind_bit(rvlBorderConstant);
constexpr unsigned kResizeKinds = kind_bit(rvlBorderReplicate);
constexpr unsigned kWarpKinds = kind_bit(rvlBorderReplicate) | kind_bit(rvlBorderConstant) | kind_bit(rvlBorderTransparent);

struct Border {
    unsigned kind = 0;  // 0 only when every side is in memory
    bool inTop = false, inBottom = false, inLeft = false, inRight = false;
};

// Decodes a border type for a family that accepts `acceptedKinds`;
// rvlResBadBorder when the value is not one it takes.
inline RvlResult decode_border(RvlBorderMode mode, unsigned acceptedKinds, Border* out) {
    const auto value = static_cast<std::uint32_t>(mode);
    if (value > 0xFF) return rvlResBadBorder;
    const unsigned kind = value & 0x0F;
    if (kind == 0 ? value != rvlBorderInMemory : !(acceptedKinds & kind_bit(kind))) return rvlResBadBorder;
    out->kind = kind;
    out->inTop = value & rvlBorderInMemoryTop;
    out->inBottom = value & rvlBorderInMemoryBottom;
    out->inLeft = value & rvlBorderInMemoryLeft;
    out->inRight = value & rvlBorderInMemoryRight;
    return rvlResOk;
}

// Columns and rows an operation reads around each output pixel; for a mask
// of mw x mh with anchor (ax, ay): left ax, right mw-1-ax, top ay, bottom
// mh-1-ay.
struct Reach {
    std::int64_t left = 0, right = 0, top = 0, bottom = 0;
};

// A rectangle relative to the ROI's first pixel.
struct Area {
    std::int64_t x = 0, y = 0, width = 0, height = 0;
};

// The ROI extended by the reach on every side whose in-memory flag is set.
inline Area effective_image(std::int64_t roiWidth, std::int64_t roiHeight, const Reach& r, const Border& b) {
    Area a;
    a.x = b.inLeft ? -r.left : 0;
    a.y = b.inTop ? -r.top : 0;
    a.width = roiWidth - a.x + (b.inRight ? r.right : 0);
    a.height = roiHeight - a.y + (b.inBottom ? r.bottom : 0);
    return a;
}

// ---- Coordinate maps: position k (0 = first pixel) on an extent of n ------

inline std::int64_t floor_mod(std::int64_t k, std::int64_t n) {
    const std::int64_t r = k % n;
    return r < 0 ? r + n : r;
}

// The nearest pixel: clamping.
inline std::int64_t map_replicate(std::int64_t k, std::int64_t n) { return k < 0 ? 0 : k >= n ? n - 1 : k; }

// Reflection about the edge pixel, which is not repeated (... c b | a b c ...
// x y | x w ...), continued with period 2n - 2 beyond the image.
inline std::int64_t map_mirror(std::int64_t k, std::int64_t n) {
    if (n == 1) return 0;
    const std::int64_t period = 2 * n - 2;
    const std::int64_t r = floor_mod(k, period);
    return r < n ? r : period - r;
}

// The image repeated periodically.
inline std::int64_t map_wrap(std::int64_t k, std::int64_t n) { return floor_mod(k, n); }

// The map of a replicate, mirror or wrap kind (wrap has no border-type
// code; it is served by the border copies only).
enum class Extend { Replicate, Mirror, Wrap };

template <Extend E>
inline std::int64_t map_coordinate(std::int64_t k, std::int64_t n) {
    if constexpr (E == Extend::Replicate) return map_replicate(k, n);
    else if constexpr (E == Extend::Mirror) return map_mirror(k, n);
    else return map_wrap(k, n);
}

// The map's values for j, j + 1, j + 2, ... without a division per step:
// mirror bounces between the edges, wrap restarts at 0, replicate clamps.
template <Extend E>
class MapStepper {
public:
    MapStepper(std::int64_t j, std::int64_t n) : j_(j), n_(n), k_(map_coordinate<E>(j, n)) {
        if constexpr (E == Extend::Mirror)
            dir_ = (n == 1 || floor_mod(j, 2 * n - 2) < n - 1) ? 1 : -1;
    }
    std::int64_t value() const { return k_; }
    void next() {
        ++j_;
        if constexpr (E == Extend::Replicate) {
            k_ = map_replicate(j_, n_);
        } else if constexpr (E == Extend::Wrap) {
            k_ = k_ + 1 == n_ ? 0 : k_ + 1;
        } else if (n_ > 1) {
            if (k_ + dir_ < 0 || k_ + dir_ >= n_) dir_ = -dir_;
            k_ += dir_;
        }
    }

private:
    std::int64_t j_, n_, k_;
    std::int64_t dir_ = 1;
};

}  // namespace rvl
