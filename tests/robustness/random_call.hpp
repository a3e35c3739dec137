// Random calls of the exported functions: arguments, buffers and checks.
//
// The functions are bound from the public header (bind_header.py), so a new
// family takes part as soon as it is declared. A Call gets random sizes (0,
// 1, tiny, odd, large, negative), steps (exact, padded, unaligned, too short,
// zero, negative), null pointers and random modes. Every buffer is exactly as
// large as the arguments describe and lies against an inaccessible page, so
// a read or write past it faults. Functions with a specification are called
// through their size query and Init first, so their workers run on valid
// specifications most of the time.
#pragma once

#include <signal.h>
#include <unistd.h>
#include <xmmintrin.h>

#include <algorithm>
#include <cfenv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "rvl.h"
#include "support/guarded.hpp"

namespace rvltest::random_calls {

using I64 = std::int64_t;

struct Param {
    const char* type;
    const char* name;
    int length;  // declared array length, 0 for none
};

// Arguments by position, each stored as its own bytes.
struct ArgPack {
    alignas(16) unsigned char slot[20][32] = {};
    template <class T>
    T get(int i) const {
        T v;
        std::memcpy(&v, slot[i], sizeof v);
        return v;
    }
    template <class T>
    void set(int i, T v) {
        std::memcpy(slot[i], &v, sizeof v);
    }
};

// The parameters of a function, as declared.
struct Params {
    const Param* first;
    std::size_t count;
    std::size_t size() const { return count; }
    const Param& operator[](std::size_t i) const { return first[i]; }
};

struct Bound {
    const char* name;
    Params params;
    RvlResult (*call)(const ArgPack&);               // the exported function
    RvlResult (*invoke)(void*, const ArgPack&);      // any code of its signature
};

// kParams_<name> and the table kBound, one entry per function.
#include "bound_functions.inc"

struct BoundTable {
    const Bound* begin() const { return kBound; }
    const Bound* end() const { return kBound + sizeof kBound / sizeof kBound[0]; }
};
inline BoundTable bound() { return {}; }

// ---- What a call is doing, for the fault report -------------------------------

inline char g_current[1024];

inline void on_fault(int sig) {
    const char head[] = "\nrobustness: fault in ";
    (void)!write(2, head, sizeof head - 1);
    (void)!write(2, g_current, strnlen(g_current, sizeof g_current));
    (void)!write(2, "\n", 1);
    signal(sig, SIG_DFL);
    raise(sig);
}

// ---- Types --------------------------------------------------------------------

struct TypeInfo {
    std::string base;  // without const and pointers
    int pointers = 0;
    bool isConst = false;  // the pointed-to data is const
};

inline TypeInfo parse_type(const std::string& t) {
    TypeInfo r;
    r.isConst = t.rfind("const ", 0) == 0;
    std::string s = r.isConst ? t.substr(6) : t;
    for (char c : s) r.pointers += c == '*';
    s.erase(std::remove(s.begin(), s.end(), '*'), s.end());
    const auto k = s.find(" const");
    if (k != std::string::npos) s.erase(k);
    while (!s.empty() && s.back() == ' ') s.pop_back();
    r.base = s;
    return r;
}

inline int element_bytes(const std::string& base) {
    static const std::map<std::string, int> bytes = {
        {"Rvl8u", 1},  {"Rvl8s", 1},  {"Rvl16u", 2}, {"Rvl16s", 2}, {"Rvl32s", 4},   {"Rvl32u", 4},
        {"Rvl32f", 4}, {"Rvl64f", 8}, {"Rvl64s", 8}, {"int", 4},    {"int64_t", 8},  {"Rvl32fc", 8},
        {"RvlPoint", 8}, {"RvlPointL", 16}, {"RvlSize", 8}, {"RvlSizeL", 16}, {"RvlBorderExtent", 16},
        {"double", 8}, {"RvlRect", 16}, {"RvlRectL", 32}};
    const auto it = bytes.find(base);
    return it == bytes.end() ? 0 : it->second;
}

// ---- Layouts ------------------------------------------------------------------

struct Layout {
    int srcChannels = 1, dstChannels = 1;
    bool srcPlanar = false, dstPlanar = false;
    bool dstAlpha = false;  // the destination is AC4: its alpha is never written
    int processed = 1;      // channels a per-channel constant has
    bool longApi = false;
};

inline int channels_of(const std::string& tok, bool* planar) {
    *planar = tok[0] == 'P';
    return tok.back() - '0';
}

inline Layout layout_of(const std::string& name) {
    Layout l;
    l.longApi = name.size() > 2 && name.compare(name.size() - 2, 2, "_L") == 0;
    static const std::vector<std::string> toks = {"AC4", "C1", "C3", "C4", "P3", "P4"};
    // The descriptor: the last "_"-separated part starting with a layout token.
    std::string rest = name;
    if (l.longApi) rest.resize(rest.size() - 2);
    const std::string desc = rest.substr(rest.rfind('_') + 1);
    std::vector<std::string> found;
    std::size_t at = 0;
    while (at < desc.size()) {
        bool hit = false;
        for (const auto& t : toks)
            if (desc.compare(at, t.size(), t) == 0) {
                found.push_back(t);
                at += t.size();
                hit = true;
                break;
            }
        if (!hit) break;
    }
    if (found.empty()) return l;
    const std::string src = found[0], dst = found.size() > 1 ? found[1] : found[0];
    l.srcChannels = channels_of(src, &l.srcPlanar);
    l.dstChannels = channels_of(dst, &l.dstPlanar);
    // The AC4 cross medians filter the fourth channel like the others.
    l.dstAlpha = dst == "AC4" && name.rfind("rvliFilterMedianCross", 0) != 0;
    l.processed = (src == "AC4" || dst == "AC4") ? 3 : std::min(l.srcChannels, l.dstChannels) > 1 ? l.dstChannels : l.srcChannels;
    if (found.size() == 1) l.processed = src == "AC4" ? 3 : l.srcChannels;
    return l;
}

// ---- Random choices -------------------------------------------------------------

using Rng = std::mt19937_64;

inline int pick(Rng& rng, std::initializer_list<int> values) {
    return *(values.begin() + rng() % values.size());
}

inline I64 random_extent(Rng& rng, bool height) {
    switch (rng() % 10) {
        case 0: return 0;
        case 1: return 1;
        case 2: return -int(rng() % 3) - 1;
        case 3: case 4: return 2 + rng() % 4;
        case 5: case 6: return 7 + rng() % 40;
        default: return height ? 1 + rng() % 9 : 60 + rng() % 600;
    }
}

// ---- Buffers --------------------------------------------------------------------

// One region of caller memory: the bytes the arguments describe, flush
// against an inaccessible page, and where the function's pointer points.
struct Region {
    rvltest::GuardedBlock block;
    unsigned char* pointer = nullptr;
    bool writable = false;
    std::vector<unsigned char> before, initial;
    int floatBytes = 0;    // 4 or 8 for single- or double-precision (or complex) elements
    bool scratch = false;  // a work buffer: written, but its contents are no result
    // For the success check of images: rows [0, rows) of rowBytes at the
    // pointer, step apart; AC4 alpha bytes are kept too.
    bool image = false;
    I64 rows = 0, rowBytes = 0, step = 0;
    I64 firstRow = 0, firstByte = 0;  // the written area starts there (margins the function fills)
    int alphaEvery = 0, alphaBytes = 0;
};

class Call {
public:
    // oddSteps: also steps that are not a multiple of the element size.
    Call(const Bound& fn, Rng& rng, bool oddSteps = false)
        : fn_(fn), rng_(rng), layout_(layout_of(fn.name)), oddSteps_(oddSteps) {}

    // Fills the arguments; false when the function's parameters cannot be read.
    bool build();
    // The status of the call, once run.
    RvlResult run_and_check();

    // For running the same call on several implementations: every region's
    // bytes as they are now, put back, and the bytes of the outputs.
    void snapshot() {
        for (auto& r : regions_) r->initial.assign(r->block.data(), r->block.data() + r->block.size());
    }
    void restore() {
        for (auto& r : regions_) std::copy(r->initial.begin(), r->initial.end(), r->block.data());
    }
    // Output bytes, with every NaN of a floating-point output replaced by
    // one pattern: which NaN an operation on NaN inputs propagates depends
    // on the order of the operands in the instruction, which the results
    // do not fix.
    std::vector<unsigned char> outputs() const {
        std::vector<unsigned char> all;
        for (const auto& r : regions_) {
            if (!r->writable || r->scratch) continue;
            const std::size_t at = all.size();
            all.insert(all.end(), r->block.data(), r->block.data() + r->block.size());
            if (r->floatBytes == 4)
                for (std::size_t k = at; k + 4 <= all.size(); k += 4) {
                    float f;
                    std::memcpy(&f, &all[k], 4);
                    if (f != f) std::memset(&all[k], 0xFF, 4);
                }
            if (r->floatBytes == 8)
                for (std::size_t k = at; k + 8 <= all.size(); k += 8) {
                    double d;
                    std::memcpy(&d, &all[k], 8);
                    if (d != d) std::memset(&all[k], 0xFF, 8);
                }
        }
        return all;
    }
    // Runs `code` (an implementation of this function) under the rounding
    // control `csr`.
    RvlResult call_with(void* code, unsigned csr) {
        describe();
        const unsigned saved = _mm_getcsr();
        _mm_setcsr(csr);
        const RvlResult st = fn_.invoke(code, args_);
        _mm_setcsr(saved);
        return st;
    }

private:
    int index_of(const char* name) const {
        for (std::size_t i = 0; i < fn_.params.size(); ++i)
            if (std::strcmp(fn_.params[i].name, name) == 0) return int(i);
        return -1;
    }
    bool has(const char* name) const { return index_of(name) >= 0; }
    // Width and height of a size argument, whichever its type.
    bool size_arg(const char* name, I64* w, I64* h) const {
        const int i = index_of(name);
        if (i < 0) return false;
        if (std::strcmp(fn_.params[i].type, "RvlSizeL") == 0) {
            const auto s = args_.get<RvlSizeL>(i);
            *w = s.width, *h = s.height;
        } else {
            const auto s = args_.get<RvlSize>(i);
            *w = s.width, *h = s.height;
        }
        return true;
    }
    I64 int_arg(int i) const {
        return std::strcmp(fn_.params[i].type, "int") == 0 ? args_.get<int>(i) : args_.get<I64>(i);
    }
    void set_int(int i, I64 v) {
        if (std::strcmp(fn_.params[i].type, "int") == 0) args_.set<int>(i, int(v));
        else args_.set<I64>(i, v);
    }
    void set_size(int i, I64 w, I64 h) {
        if (std::strcmp(fn_.params[i].type, "RvlSizeL") == 0) args_.set(i, RvlSizeL{w, h});
        else args_.set(i, RvlSize{int(w), int(h)});
    }

    void choose_scalars();
    void choose_each_scalar();
    // The call in words, for the fault report.
    void describe() const {
        std::string d = std::string(fn_.name) + "(";
        for (std::size_t i = 0; i < fn_.params.size(); ++i) {
            const std::string type = fn_.params[i].type;
            d += std::string(i ? ", " : "") + fn_.params[i].name + "=";
            if (parse_type(type).pointers) d += args_.get<void*>(int(i)) ? "p" : "null";
            else if (type == "RvlSize") d += std::to_string(args_.get<RvlSize>(int(i)).width) + "x" + std::to_string(args_.get<RvlSize>(int(i)).height);
            else if (type == "RvlSizeL") d += std::to_string(args_.get<RvlSizeL>(int(i)).width) + "x" + std::to_string(args_.get<RvlSizeL>(int(i)).height);
            else if (type == "int" || type.rfind("Rvl", 0) == 0) d += std::to_string(args_.get<int>(int(i)));
            else d += std::to_string(args_.get<I64>(int(i)));
        }
        if (kernelW_) d += "; kernel " + std::to_string(kernelW_) + "x" + std::to_string(kernelH_);
        std::snprintf(g_current, sizeof g_current, "%s)", d.c_str());
    }
    void prepare_specification();
    // The images of the convolution and template matching: each source its
    // own size, the destination the output of the sizes and shape.
    void two_image_size(const std::string& pname, I64* w, I64* h, bool* found) const {
        const bool conv = has("src1Size"), match = has("tplRoiSize");
        if (!conv && !match) return;
        I64 w1 = 0, h1 = 0, w2 = 0, h2 = 0;
        size_arg(conv ? "src1Size" : "srcRoiSize", &w1, &h1);
        size_arg(conv ? "src2Size" : "tplRoiSize", &w2, &h2);
        const unsigned shape = (args_.get<Rvl32u>(index_of("algType")) >> 16) & 0xFF;
        if (pname == "pSrc1" || (match && pname == "pSrc")) *w = w1, *h = h1;
        else if (pname == "pSrc2" || pname == "pTpl") *w = w2, *h = h2;
        else if (shape == 1) *w = std::abs(w1 - w2) + 1, *h = std::abs(h1 - h2) + 1;
        else if (shape == 2 && match) *w = w1, *h = h1;
        else *w = w1 + w2 - 1, *h = h1 + h2 - 1;
        *found = true;
    }
    // The histogram, moment and HOG families: their specification, state
    // and configuration set up, and their pointer arguments (levels,
    // histograms, positions, descriptors) sized from them.
    void prepare_statistics();
    bool statistics_pointer(const std::string& pname, const TypeInfo& t, unsigned char** ptr);
    unsigned char* image_region(int i, const TypeInfo& t, int channels, I64 w, I64 h, I64 step, I64 mL, I64 mT, I64 mR,
                                I64 mB, bool alpha, bool marginsWritten);
    unsigned char* plain_region(I64 bytes, bool writable, bool atStart = false);
    I64 random_step(I64 rowBytes, int elem);
    bool null_now() { return rng_() % 24 == 0; }

    const Bound& fn_;
    Rng& rng_;
    Layout layout_;
    bool oddSteps_;
    ArgPack args_;
    std::vector<std::unique_ptr<Region>> regions_;
    // From the specification set-up.
    unsigned char* spec_ = nullptr;  // specification memory, built in place
    Region* specRegion_ = nullptr;
    unsigned char* make_spec(I64 bytes) {
        spec_ = plain_region(bytes, false);
        specRegion_ = regions_.back().get();
        return spec_;
    }
    I64 workBytes_ = -1, fftW_ = 0, fftH_ = 0, kernelW_ = 0, kernelH_ = 0;
    I64 resizeSrcW_ = 0, resizeSrcH_ = 0;
    // Warps: the matrix the coeffs argument gets, and the source size and
    // margins of a worker's specification.
    std::vector<double> coeffs_;
    I64 warpSrcW_ = 0, warpSrcH_ = 0, warpMargin_ = 0;

    // A random affine matrix: a rotation and scaling about the source's
    // centre moved to the destination's, now and then singular.
    void random_coeffs(I64 sw, I64 sh, I64 dw, I64 dh) {
        const double a = double(rng_() % 3600) / 10 * 3.14159265358979 / 180, k = 0.4 + double(rng_() % 20) / 10;
        const double c = std::cos(a) * k, sn = std::sin(a) * k;
        coeffs_ = {c, sn, dw / 2.0 - c * sw / 2.0 - sn * sh / 2.0, -sn, c, dh / 2.0 + sn * sw / 2.0 - c * sh / 2.0};
        if (rng_() % 12 == 0) coeffs_ = {1, 0, double(int(rng_() % 9) - 4), 0, 1, double(int(rng_() % 9) - 4)};
        if (rng_() % 15 == 0) coeffs_ = {1, 2, 0, 2, 4, 0};
    }
    // The size query and Init of an affine warp in spec_; false when they
    // refuse the arguments.
    bool build_warp_spec(bool longApi, int interp, int type, int channels, I64 sw, I64 sh, I64 dw, I64 dh, int direction,
                         int border) {
        const double (*c)[3] = reinterpret_cast<const double (*)[3]>(coeffs_.data());
        I64 specSize = 0;
        if (longApi) {
            I64 initSize = 0;
            if (rvliWarpAffineGetSize_L({sw, sh}, {dw, dh}, type, c, RvlInterpolation(interp), RvlMappingDirection(direction),
                                        RvlBorderMode(border), &specSize, &initSize) != rvlResOk)
                return false;
        } else {
            int a = 0, b = 0;
            if (rvliWarpAffineGetSize({int(sw), int(sh)}, {int(dw), int(dh)}, type, c, RvlInterpolation(interp),
                                      RvlMappingDirection(direction), RvlBorderMode(border), &a, &b) != rvlResOk)
                return false;
            specSize = a;
        }
        make_spec(specSize);
        auto* spec = reinterpret_cast<RvlWarpSpec*>(spec_);
        const double value[4] = {double(rng_() % 300), -7.5, 1e9, 0.5};
        const int smooth = (border & 0xF) == rvlBorderTransparent || border == rvlBorderInMemory ? int(rng_() % 2) : 0;
        const RvlMappingDirection dir = RvlMappingDirection(direction);
        const RvlBorderMode bm = RvlBorderMode(border);
        Rvl8u init[64];
        const RvlSizeL sl{sw, sh}, dl{dw, dh};
        const RvlSize s32{int(sw), int(sh)}, d32{int(dw), int(dh)};
        RvlResult st;
        if (interp == rvlInterCubicBC)
            st = longApi ? rvliWarpAffineCubicInit_L(sl, dl, type, c, dir, channels, 0.5, 0.25, bm, value, smooth, spec, init)
                         : rvliWarpAffineCubicInit(s32, d32, type, c, dir, channels, 0, 0.5, bm, value, smooth, spec, init);
        else if (interp == rvlInterLinear)
            st = longApi ? rvliWarpAffineLinearInit_L(sl, dl, type, c, dir, channels, bm, value, smooth, spec)
                         : rvliWarpAffineLinearInit(s32, d32, type, c, dir, channels, bm, value, smooth, spec);
        else
            st = longApi ? rvliWarpAffineNearestInit_L(sl, dl, type, c, dir, channels, bm, value, smooth, spec)
                         : rvliWarpAffineNearestInit(s32, d32, type, c, dir, channels, bm, value, smooth, spec);
        return st >= 0;
    }

    // The interpolation a resize member's name belongs to.
    static RvlInterpolation resize_kind(const std::string& name) {
        if (name.find("Nearest") != std::string::npos) return rvlInterNearest;
        if (name.find("Cubic") != std::string::npos) return rvlInterCubicBC;
        if (name.find("Lanczos") != std::string::npos) return rvlInterLanczos;
        if (name.find("Super") != std::string::npos) return rvlInterSuper;
        return rvlInterLinear;
    }

    // A resize specification of the given kind in spec_; false when the
    // sizes or the Init refuse the arguments.
    bool build_resize_spec(RvlInterpolation kind, bool aa, bool longApi, int rtype, I64 sw, I64 sh, I64 dw, I64 dh) {
        I64 specSize = 0, initSize = 0;
        if (longApi) {
            if (rvliResizeGetSize_L({sw, sh}, {dw, dh}, rtype, kind, aa, &specSize, &initSize) != rvlResOk) return false;
        } else {
            int a = 0, b = 0;
            const RvlSize s{int(sw), int(sh)}, d{int(dw), int(dh)};
            const RvlResult q = rtype == rvlType64f ? rvliResizeGetSize_64f(s, d, kind, aa, &a, &b) : rvliResizeGetSize_8u(s, d, kind, aa, &a, &b);
            if (q != rvlResOk) return false;
            specSize = a, initSize = b;
        }
        make_spec(specSize);
        auto* spec = reinterpret_cast<RvlResizeSpec*>(spec_);
        std::vector<Rvl8u> init(static_cast<std::size_t>(initSize));
        const RvlSizeL sl{sw, sh}, dl{dw, dh};
        const RvlSize s{int(sw), int(sh)}, d{int(dw), int(dh)};
        // (B, C) among (0, 0.5), (1, 0), (0.5, 0.3), (2, -1); 2 or 3 lobes.
        const int bc = int(rng_() % 4);
        const Rvl32f B = bc == 0 ? 0.0f : bc == 1 ? 1.0f : bc == 2 ? 0.5f : 2.0f, C = bc == 0 ? 0.5f : bc == 1 ? 0.0f : bc == 2 ? 0.3f : -1.0f;
        const Rvl32u lobes = 2 + rng_() % 2;
        RvlResult st;
        if (aa) {
            if (kind == rvlInterLinear) st = longApi ? rvliResizeAntialiasingLinearInit_L(sl, dl, rtype, spec, init.data()) : rvliResizeAntialiasingLinearInit(s, d, spec, init.data());
            else if (kind == rvlInterCubicBC) st = longApi ? rvliResizeAntialiasingCubicInit_L(sl, dl, rtype, B, C, spec, init.data()) : rvliResizeAntialiasingCubicInit(s, d, B, C, spec, init.data());
            else st = longApi ? rvliResizeAntialiasingLanczosInit_L(sl, dl, rtype, lobes, spec, init.data()) : rvliResizeAntialiasingLanczosInit(s, d, lobes, spec, init.data());
        } else if (kind == rvlInterNearest) {
            st = longApi ? rvliResizeNearestInit_L(sl, dl, rtype, spec) : rvliResizeNearestInit_8u(s, d, spec);
        } else if (kind == rvlInterLinear) {
            if (longApi) st = rvliResizeLinearInit_L(sl, dl, rtype, spec);
            else if (rtype == rvlType8u) st = rvliResizeLinearInit_8u(s, d, spec);
            else if (rtype == rvlType64f) st = rvliResizeLinearInit_64f(s, d, spec);
            else st = rvliResizeLinearInit_32f(s, d, spec);
        } else if (kind == rvlInterCubicBC) {
            st = longApi ? rvliResizeCubicInit_L(sl, dl, rtype, B, C, spec, init.data()) : rvliResizeCubicInit_8u(s, d, B, C, spec, init.data());
        } else if (kind == rvlInterLanczos) {
            st = longApi ? rvliResizeLanczosInit_L(sl, dl, rtype, lobes, spec, init.data()) : rvliResizeLanczosInit_8u(s, d, lobes, spec, init.data());
        } else {
            st = longApi ? rvliResizeSuperInit_L(sl, dl, rtype, spec) : rvliResizeSuperInit_8u(s, d, spec);
        }
        return st >= 0;
    }
    bool specMissing_ = false;
    bool stepChosen_[20] = {};
    // Statistics families.
    int histLevels_[4] = {};   // nLevels per channel of the histogram set-up
    int histBins_[4] = {};     // bins per channel of the specification the worker gets
    I64 hogDescriptor_ = 0;    // floats per HOG descriptor
    unsigned char* state_ = nullptr;
    bool specIdMayClear_ = false;  // a failed histogram Init clears its specification's id
};

inline I64 Call::random_step(I64 rowBytes, int elem) {
    switch (rng_() % 12) {
        case 0: return 0;
        case 1: return -rowBytes - elem * I64(rng_() % 3);
        case 2: return std::max<I64>(elem, rowBytes - elem);  // rows overlapping
        // A step that is not a multiple of the element size: no result is
        // defined for it and its rows are misaligned for their type, so it
        // is only tried where asked for (never under the sanitizers, whose
        // alignment check would report the library's own misaligned reads).
        case 3: return rowBytes + (oddSteps_ ? 1 : elem);
        case 4: case 5: return rowBytes + elem * I64(rng_() % 9);
        default: return rowBytes;
    }
}

inline unsigned char* Call::plain_region(I64 bytes, bool writable, bool atStart) {
    auto r = std::make_unique<Region>();
    r->block.reset(std::size_t(std::max<I64>(bytes, 0)), atStart ? rvltest::Edge::Start : rvltest::Edge::End);
    for (std::size_t k = 0; k < r->block.size(); ++k) r->block.data()[k] = static_cast<unsigned char>(rng_());
    r->pointer = r->block.data();
    r->writable = writable;
    regions_.push_back(std::move(r));
    return regions_.back()->pointer;
}

// An image of h rows of w pixels (channels elements each), `step` bytes
// apart, with margins of pixels the function may read around it. The memory
// spans exactly what these describe, wherever the step puts the rows.
inline unsigned char* Call::image_region(int i, const TypeInfo& t, int channels, I64 w, I64 h, I64 step, I64 mL, I64 mT,
                                  I64 mR, I64 mB, bool alpha, bool marginsWritten) {
    const int elem = element_bytes(t.base);
    const I64 rowBytes = std::max<I64>(w, 0) * channels * elem;
    const I64 rows = std::max<I64>(h, 0);
    if (rows == 0 || rowBytes == 0) {
        (void)i;
        return plain_region(elem * channels, !t.isConst);
    }
    const I64 pixel = I64(channels) * elem;
    const I64 firstRow = -mT, lastRow = rows - 1 + mB;
    const I64 lo = std::min(firstRow * step, lastRow * step) - mL * pixel;
    const I64 hi = std::max(firstRow * step, lastRow * step) + rowBytes + mR * pixel;
    if (hi - lo > (I64{1} << 26)) return nullptr;
    unsigned char* base = plain_region(hi - lo, !t.isConst, rng_() % 2 == 0);
    Region& r = *regions_.back();
    r.pointer = base - lo;
    r.image = true;
    r.rows = rows;
    r.rowBytes = rowBytes;
    r.step = step;
    if (marginsWritten) {
        r.firstRow = -mT, r.firstByte = -mL * pixel;
        r.rows = rows + mT + mB, r.rowBytes = rowBytes + (mL + mR) * pixel;
    }
    if (alpha) r.alphaEvery = int(pixel), r.alphaBytes = elem;
    return r.pointer;
}

inline void Call::choose_scalars() {
    choose_each_scalar();
    // Border copies: a destination that holds the source and its borders,
    // most of the time.
    if (has("topRows") && has("dstRoiSize") && rng_() % 5) {
        I64 w = 0, h = 0;
        size_arg("srcRoiSize", &w, &h);
        const int top = index_of("topRows"), left = index_of("leftColumns");
        set_size(index_of("dstRoiSize"), w + int_arg(left) + I64(rng_() % 4), h + int_arg(top) + I64(rng_() % 4));
    }
    // Warp size queries and Inits: sizes they accept, most of the time.
    if (std::strncmp(fn_.name, "rvliWarpAffine", 14) == 0 && has("srcSize") && rng_() % 4) {
        set_size(index_of("srcSize"), 2 + I64(rng_() % 40), 2 + I64(rng_() % 30));
        set_size(index_of("dstSize"), 1 + I64(rng_() % 50), 1 + I64(rng_() % 30));
    }
    // Remap: a source ROI inside the source, most of the time.
    if (has("srcRoi") && has("srcSize") && rng_() % 4) {
        I64 w = 0, h = 0;
        size_arg("srcSize", &w, &h);
        if (w > 0 && h > 0) {
            const int x = int(rng_() % w), y = int(rng_() % h);
            args_.set(index_of("srcRoi"), RvlRect{x, y, int(1 + rng_() % (w - x + 2)), int(1 + rng_() % (h - y + 2))});
        }
    }
}

inline void Call::choose_each_scalar() {
    for (std::size_t i = 0; i < fn_.params.size(); ++i) {
        const Param& p = fn_.params[i];
        const std::string type = p.type, name = p.name;
        const TypeInfo t = parse_type(type);
        if (t.pointers) continue;
        if (type == "RvlSize" || type == "RvlSizeL") {
            I64 w = random_extent(rng_, false), h = random_extent(rng_, true);
            if (name == "kernelSize" || name == "blockSize") w = 1 + rng_() % 7, h = 1 + rng_() % 7;
            if (name == "maskSize") w = rng_() % 8 ? I64(rng_() % 9) : 40, h = rng_() % 8 ? I64(rng_() % 9) : 33;
            // The second image of a convolution and a template: mostly small.
            if ((name == "src2Size" || name == "tplRoiSize") && rng_() % 4) w = 1 + rng_() % 9, h = 1 + rng_() % 9;
            if (rng_() % 40 == 0) w = -w;
            set_size(int(i), w, h);
        } else if (type == "RvlPoint" || type == "RvlPointL") {
            const I64 x = I64(rng_() % 12) - 1, y = I64(rng_() % 12) - 1;
            if (type == "RvlPoint") args_.set(int(i), RvlPoint{int(x), int(y)});
            else args_.set(int(i), RvlPointL{x, y});
        } else if (type == "RvlRect" || type == "RvlRectL") {
            const I64 x = I64(rng_() % 6) - 1, y = I64(rng_() % 6) - 1;
            const I64 w = random_extent(rng_, false) % 80, h = random_extent(rng_, true);
            if (type == "RvlRect") args_.set(int(i), RvlRect{int(x), int(y), int(w), int(h)});
            else args_.set(int(i), RvlRectL{x, y, w, h});
        } else if (type == "double") {
            const double special[] = {NAN, INFINITY, -INFINITY, 0, 90, 450, -90};
            args_.set(int(i), rng_() % 10 == 0 ? special[rng_() % 7] : double(int(rng_() % 4000) - 2000) / 16);
        } else if (type == "Rvl32f") {
            args_.set(int(i), rng_() % 20 == 0 ? NAN : float(int(rng_() % 2000) - 1000) / 8);
        } else if (type == "Rvl64f") {
            args_.set(int(i), rng_() % 20 == 0 ? NAN : double(int(rng_() % 2000) - 1000) / 8);
        } else if (type == "Rvl8u" || type == "Rvl16u" || type == "Rvl16s" || type == "Rvl32s" || type == "Rvl32u" ||
                   type == "Rvl8s" || type == "Rvl64s") {
            args_.set<I64>(int(i), I64(rng_()));
            if (element_bytes(type) < 8) {
                const I64 v = I64(rng_());
                std::memcpy(args_.slot[i], &v, element_bytes(type));
            }
            if (name.find("Step") != std::string::npos || name == "numChannels") args_.set<I64>(int(i), 0);
            if (name == "numChannels" || name == "antialiasing") args_.set<Rvl32u>(int(i), Rvl32u(pick(rng_, {0, 1, 3, 4, 2})));
            if (name == "algType")
                args_.set<Rvl32u>(int(i), Rvl32u(pick(rng_, {0, 1, 2, 0x10000, 0x10001, 0x10002, 0x20000, 0x100, 0x200, 0x10100,
                                                              0x10200, 0x20100, 0x20202, 3, 0x300, 0x30000})));
        } else {
            // int, int64_t and the enumerations.
            I64 v;
            if (name == "scaleFactor") v = pick(rng_, {0, 0, 1, 3, 8, 15, 16, 17, 31, 40, -1, -3, -8, -16, -31, -40});
            else if (name == "border") v = pick(rng_, {1, 1, 3, 6, 7, 0x11, 0x31, 0xF1, 0xF0, 0xC3, 0x56, 2, 0, 255, 300});
            else if (name == "interpolation") v = pick(rng_, {0, 1, 2, 6, 8, 16, 3, 4, int(0x80000002u)});
            else if (name == "dataType") v = pick(rng_, {1, 5, 7, 13, 19, 2});
            else if (name == "direction") v = pick(rng_, {0, 1, 0, 1, 2});
            else if (name == "smoothEdge") v = pick(rng_, {0, 0, 1});
            else if (name == "kernelType") v = pick(rng_, {7, 13, 19, 1});
            else if (name == "numChannels") v = pick(rng_, {1, 3, 4, 2});
            else if (name == "orderX" || name == "orderY") v = pick(rng_, {0, 1, 2, 3, 4, 5, 6, 7, -1, 29, 31});
            else if (name == "flag") v = pick(rng_, {1, 2, 4, 8, 3});
            else if (name == "topRows" || name == "leftColumns") v = int(rng_() % 6) - 1;
            else if (name == "divisor") v = pick(rng_, {1, 2, 3, 9, 0, -4, 1024});
            else if (name == "cmpOp") v = pick(rng_, {0, 4, 1, 9});
            else if (name == "mask") v = pick(rng_, {33, 55, 55, 3, 0});
            else if (name == "normType") v = pick(rng_, {2, 4, 2, 4, 3});
            else if (name == "weight") v = pick(rng_, {1, 2, 3, 5, 7, 9, 12, 0, -1});
            else if (name == "dstRoiWidth") v = random_extent(rng_, false);
            else v = pick(rng_, {0, 1, 2, 3, 4, 7, -1, 1000});
            if (name.find("Step") != std::string::npos) v = 0;  // set with its image
            set_int(int(i), v);
        }
    }
}

template <class Sz>
inline Sz clamp_size(Sz s) {
    s.width = std::max<decltype(s.width)>(s.width, 1);
    s.height = std::max<decltype(s.height)>(s.height, 1);
    return s;
}

// Builds a valid specification for the workers and the queries of the
// specification families (most of the time; otherwise they see garbage).
inline void Call::prepare_specification() {
    const std::string name = fn_.name;
    if (has("coeffs")) {
        I64 sw = 20, sh = 20, dw = 20, dh = 20;
        size_arg("srcSize", &sw, &sh);
        size_arg("dstSize", &dw, &dh);
        random_coeffs(sw, sh, dw, dh);
    }
    const int specArg = index_of("pSpec");
    // Work buffers without a specification: the size their query reports.
    if (specArg < 0 && has("pBuffer")) {
        I64 w = 0, h = 0;
        int bytes = -1;
        if (name.rfind("rvliMagnitudePack", 0) == 0 || name.rfind("rvliPhasePack", 0) == 0) {
            size_arg("dstRoiSize", &w, &h);
            const auto query = name.rfind("rvliMagnitudePack", 0) == 0 ? rvliMagnitudePackGetBufferSize_32f : rvliPhasePackGetBufferSize_32f;
            if (query(layout_.srcChannels, {int(w), int(h)}, &bytes) < 0) bytes = -1;
        } else if (name.rfind("rvliFilter_64f", 0) == 0) {
            size_arg("dstRoiSize", &w, &h);
            I64 kw = 0, kh = 0;
            size_arg("kernelSize", &kw, &kh);
            if (rvliFilterGetBufSize_64f_C1R({int(kw), int(kh)}, int(w), &bytes) < 0) bytes = -1;
        } else if (name.rfind("rvliFilterMedian_", 0) == 0) {
            // The anchored median: the size its query reports.
            size_arg("dstRoiSize", &w, &h);
            I64 mw = 0, mh = 0;
            size_arg("maskSize", &mw, &mh);
            const auto query = name.find("_64f") != std::string::npos ? rvliFilterMedianGetBufferSize_64f : rvliFilterMedianGetBufferSize_32f;
            if (query({int(w), int(h)}, {int(mw), int(mh)}, layout_.srcChannels, &bytes) < 0) bytes = -1;
        } else if (has("mask") && has("border")) {
            // Fixed-kernel filters: the size their family's query reports
            // (the derivative filters share one formula, as do Laplace and
            // Sharpen; the Sobel magnitude has the gradient vector's size).
            size_arg("dstRoiSize", &w, &h);
            const int mask = int(int_arg(index_of("mask")));
            const RvlSize roi{int(w), int(h)};
            const bool u8 = name.find("_8u") != std::string::npos, s16 = name.find("_16s") != std::string::npos;
            const int st = u8 ? rvlType8u : s16 ? rvlType16s : name.find("_16u") != std::string::npos ? rvlType16u : rvlType32f;
            const int dt = name.find("8u16s") != std::string::npos || (s16 && name.find("16s32f") == std::string::npos) ? rvlType16s : rvlType32f;
            RvlResult q;
            if (name.rfind("rvliGradientVector", 0) == 0 || name.rfind("rvliFilterSobel_", 0) == 0)
                q = rvliGradientVectorGetBufferSize(roi, mask, st, layout_.srcChannels, &bytes);
            else if (name.rfind("rvliFilterHipass", 0) == 0)
                q = rvliFilterHipassBorderGetBufferSize(roi, mask, st, layout_.srcChannels, &bytes);
            else if (name.rfind("rvliFilterLaplace", 0) == 0 || name.rfind("rvliFilterSharpen", 0) == 0)
                q = rvliFilterLaplaceBorderGetBufferSize(roi, mask, st, layout_.srcChannels, &bytes);
            else
                q = rvliFilterSobelVertBorderGetBufferSize(roi, mask, st, dt, 1, &bytes);
            if (q < 0) bytes = -1;
            kernelW_ = kernelH_ = mask == rvlMask5x5 ? 5 : 3;
        } else if (has("maskSize") && has("border")) {
            // Window filters: the size their own query reports.
            I64 mw = 0, mh = 0;
            size_arg("roiSize", &w, &h);
            size_arg("maskSize", &mw, &mh);
            const int type = name.find("_8u") != std::string::npos ? rvlType8u : name.find("_16u") != std::string::npos ? rvlType16u
                           : name.find("_16s") != std::string::npos ? rvlType16s : rvlType32f;
            const auto query = name.rfind("rvliFilterMedian", 0) == 0 ? rvliFilterMedianBorderGetBufferSize
                             : name.rfind("rvliFilterM", 0) == 0  ? rvliFilterMaxBorderGetBufferSize
                                                                  : rvliFilterBoxBorderGetBufferSize;
            if (query({int(w), int(h)}, {int(mw), int(mh)}, type, layout_.srcChannels, &bytes) < 0) bytes = -1;
            kernelW_ = mw, kernelH_ = mh;
        } else if (name.rfind("rvliConv_", 0) == 0 || name.rfind("rvliCrossCorrNorm_", 0) == 0 ||
                   name.rfind("rvliSqrDistanceNorm_", 0) == 0) {
            // Two-image families: their query for the same sizes and algType.
            const Rvl32u alg = args_.get<Rvl32u>(index_of("algType"));
            I64 w2 = 0, h2 = 0;
            RvlResult q;
            if (name.rfind("rvliConv_", 0) == 0) {
                size_arg("src1Size", &w, &h);
                size_arg("src2Size", &w2, &h2);
                const int type = name.find("_8u") != std::string::npos ? rvlType8u : name.find("_16s") != std::string::npos ? rvlType16s : rvlType32f;
                q = rvliConvGetBufferSize({int(w), int(h)}, {int(w2), int(h2)}, type, layout_.srcChannels, alg, &bytes);
            } else {
                size_arg("srcRoiSize", &w, &h);
                size_arg("tplRoiSize", &w2, &h2);
                const auto query = name.rfind("rvliCross", 0) == 0 ? rvliCrossCorrNormGetBufferSize : rvliSqrDistanceNormGetBufferSize;
                q = query({int(w), int(h)}, {int(w2), int(h2)}, alg, &bytes);
            }
            if (q < 0) bytes = -1;
        }
        if (bytes >= 0) workBytes_ = bytes;
    }
    if (specArg < 0) return;
    make_spec(4096 + 64);
    if (name.find("Init") != std::string::npos) {
        // An Init gets the memory its size query reports for the same
        // arguments (and a little when the query refuses them).
        I64 bytes = 64;
        int a = 0, b = 0, c = 0;
        I64 al = 0, bl = 0;
        auto iarg = [&](const char* n) { return int(int_arg(index_of(n))); };
        if (name.rfind("rvliFFTInit_C", 0) == 0) {
            if (rvliFFTGetSize_C_32fc(iarg("orderX"), iarg("orderY"), iarg("flag"), rvlHintNone, &a, &b, &c) == rvlResOk) bytes = a, workBytes_ = b;
        } else if (name.rfind("rvliFFTInit_R", 0) == 0) {
            if (rvliFFTGetSize_R_32f(iarg("orderX"), iarg("orderY"), iarg("flag"), rvlHintNone, &a, &b, &c) == rvlResOk) bytes = a, workBytes_ = b;
        } else if (name.rfind("rvliResize", 0) == 0) {
            I64 sw = 0, sh = 0, dw = 0, dh = 0;
            size_arg("srcSize", &sw, &sh);
            size_arg("dstSize", &dw, &dh);
            const auto kind = resize_kind(name);
            const Rvl32u aa = name.find("Antialiasing") != std::string::npos;
            // An antialiasing Init takes sources smaller than the sizes query
            // does (which has no size for them): only called with sizes.
            if (aa) specMissing_ = true;
            if (layout_.longApi) {
                if (rvliResizeGetSize_L({sw, sh}, {dw, dh}, iarg("dataType"), kind, aa, &al, &bl) == rvlResOk)
                    bytes = al, workBytes_ = bl, specMissing_ = false;
            } else if (rvliResizeGetSize_8u({int(sw), int(sh)}, {int(dw), int(dh)}, kind, aa, &a, &b) == rvlResOk) {
                bytes = a;
                workBytes_ = b;
                specMissing_ = false;
                if (name.find("_64f") != std::string::npos &&
                    rvliResizeGetSize_64f({int(sw), int(sh)}, {int(dw), int(dh)}, kind, 0, &a, &b) == rvlResOk)
                    bytes = a;
            }
        } else if (name.rfind("rvliWarpAffine", 0) == 0) {
            I64 sw = 0, sh = 0, dw = 0, dh = 0;
            size_arg("srcSize", &sw, &sh);
            size_arg("dstSize", &dw, &dh);
            const int interp = name.find("Nearest") != std::string::npos ? 1 : name.find("Linear") != std::string::npos ? 2 : 6;
            const double (*c)[3] = reinterpret_cast<const double (*)[3]>(coeffs_.data());
            const auto dir = RvlMappingDirection(iarg("direction"));
            const auto bm = RvlBorderMode(iarg("border"));
            if (layout_.longApi) {
                if (rvliWarpAffineGetSize_L({sw, sh}, {dw, dh}, iarg("dataType"), c, RvlInterpolation(interp), dir, bm, &al, &bl) == rvlResOk)
                    bytes = al, workBytes_ = bl;
            } else if (rvliWarpAffineGetSize({int(sw), int(sh)}, {int(dw), int(dh)}, iarg("dataType"), c, RvlInterpolation(interp), dir,
                                             bm, &a, &b) == rvlResOk) {
                bytes = a, workBytes_ = b;
            }
        } else if (name.rfind("rvliFilterBorderInit", 0) == 0) {
            I64 kw = 0, kh = 0;
            size_arg("kernelSize", &kw, &kh);
            const int ktype = name.find("_16s") != std::string::npos ? rvlType16s : name.find("_32f") != std::string::npos ? rvlType32f : rvlType64f;
            if (rvliFilterBorderGetSize({int(kw), int(kh)}, {64, 64}, iarg("dataType"), ktype, iarg("numChannels"), &a, &b) == rvlResOk)
                bytes = a;
        }
        make_spec(bytes);
        return;
    }
    // The workers of resize and FFT recognise a specification by its magic
    // or id and refuse anything else; a filter specification carries no such
    // mark, so its worker gets a built one or is not called.
    const bool recognised = name.rfind("rvliFilterBorder_", 0) != 0;
    if (recognised && rng_() % 8 == 0) return;  // garbage
    if (!recognised) specMissing_ = true;
    const bool f32 = name.find("_32f") != std::string::npos, f64 = name.find("_64f") != std::string::npos;
    const bool u16 = name.find("_16u") != std::string::npos, s16 = name.find("_16s") != std::string::npos;
    const int type = f64 ? rvlType64f : f32 ? rvlType32f : u16 ? rvlType16u : s16 ? rvlType16s : rvlType8u;
    if (name.rfind("rvliFilterBorder", 0) == 0) {
        I64 w = 0, h = 0;
        size_arg("dstRoiSize", &w, &h);
        const RvlSize roi = clamp_size(RvlSize{int(std::min<I64>(w, 4096)), int(std::min<I64>(h, 4096))});
        const RvlSize k{int(1 + rng_() % 6), int(1 + rng_() % 6)};
        const int ktype = name == "rvliFilterBorderSetMode" ? pick(rng_, {rvlType16s, rvlType32f}) : f64 ? rvlType64f : pick(rng_, {rvlType16s, rvlType32f});
        const int ch = layout_.srcChannels;
        int specSize = 0, bufSize = 0;
        if (rvliFilterBorderGetSize(k, roi, type, ktype, ch, &specSize, &bufSize) != rvlResOk) return;
        make_spec(specSize);
        std::vector<Rvl64f> kd(std::size_t(k.width) * k.height);
        std::vector<Rvl32f> kf(kd.size());
        std::vector<Rvl16s> ks(kd.size());
        for (std::size_t j = 0; j < kd.size(); ++j) kd[j] = kf[j] = ks[j] = Rvl16s(int(rng_() % 9) - 3);
        auto* spec = reinterpret_cast<RvlFilterSpec*>(spec_);
        RvlResult st;
        if (ktype == rvlType16s) st = rvliFilterBorderInit_16s(ks.data(), k, pick(rng_, {1, 3, 16}), type, ch, 1, spec);
        else if (ktype == rvlType32f) st = rvliFilterBorderInit_32f(kf.data(), k, type, ch, 1, spec);
        else st = rvliFilterBorderInit_64f(kd.data(), k, type, ch, 1, spec);
        if (st < 0) return;
        workBytes_ = bufSize;
        kernelW_ = k.width, kernelH_ = k.height;
        specMissing_ = false;
        if (name.rfind("rvliFilterBorder_", 0) == 0) set_size(index_of("dstRoiSize"), roi.width, roi.height);
    } else if (name.rfind("rvliResize", 0) == 0) {
        const bool longApi = layout_.longApi;
        // The worker's own kind most of the time, another now and then; the
        // queries get any kind.
        const bool query = name.find("Get") != std::string::npos;
        RvlInterpolation kind = resize_kind(name);
        bool aa = name.find("Antialiasing") != std::string::npos;
        if (query || rng_() % 4 == 0) {
            kind = RvlInterpolation(pick(rng_, {rvlInterNearest, rvlInterLinear, rvlInterCubicBC, rvlInterLanczos, rvlInterSuper}));
            aa = kind != rvlInterNearest && kind != rvlInterSuper && rng_() % 3 == 0;
        }
        const I64 sw = 2 + rng_() % 40, sh = 2 + rng_() % 20;
        const I64 dw = kind == rvlInterSuper ? 1 + rng_() % sw : 1 + rng_() % 60, dh = kind == rvlInterSuper ? 1 + rng_() % sh : 1 + rng_() % 30;
        int rtype = type;
        if (longApi && name.find("Init") == std::string::npos && name.find("_8u") == std::string::npos &&
            name.find("_16") == std::string::npos && name.find("_32f") == std::string::npos && !f64)
            rtype = pick(rng_, {rvlType8u, rvlType32f});
        if (kind != rvlInterLinear && rtype == rvlType64f) return;
        if (!build_resize_spec(kind, aa, longApi, rtype, sw, sh, dw, dh)) return;
        auto* spec = reinterpret_cast<RvlResizeSpec*>(spec_);
        resizeSrcW_ = sw, resizeSrcH_ = sh;
        // A tile inside the destination, most of the time.
        const int off = index_of("dstOffset") >= 0 ? index_of("dstOffset") : index_of("dstRoiOffset");
        const int sz = index_of("dstSize") >= 0 ? index_of("dstSize") : index_of("dstRoiSize");
        const I64 x = rng_() % 5 ? I64(rng_() % dw) : dw, y = rng_() % 5 ? I64(rng_() % dh) : -1;
        const I64 tw = 1 + rng_() % dw, th = 1 + rng_() % dh;
        if (off >= 0) {
            if (std::strcmp(fn_.params[off].type, "RvlPointL") == 0) args_.set(off, RvlPointL{x, y < 0 ? 0 : y});
            else args_.set(off, RvlPoint{int(x), int(y < 0 ? 0 : y)});
        }
        if (sz >= 0) set_size(sz, tw, th);
        if (has("pBuffer")) {
            const int ch = layout_.srcChannels;
            if (longApi) {
                Rvl64s bytes = 0;
                if (rvliResizeGetBufferSize_L(spec, {tw, th}, ch, &bytes) >= 0) workBytes_ = bytes;
            } else {
                int bytes = 0;
                const RvlResult st = rtype == rvlType64f ? rvliResizeGetBufferSize_64f(spec, {int(tw), int(th)}, ch, &bytes)
                                                         : rvliResizeGetBufferSize_8u(spec, {int(tw), int(th)}, ch, &bytes);
                if (st >= 0) workBytes_ = bytes;
            }
        }
    } else if (name.rfind("rvliWarp", 0) == 0) {
        const bool query = name.find("Get") != std::string::npos;
        const int interp = query ? pick(rng_, {1, 2, 6}) : name.find("Nearest") != std::string::npos ? 1
                         : name.find("Linear") != std::string::npos ? 2 : 6;
        const int wtype = query ? pick(rng_, {rvlType8u, rvlType16s, rvlType32f, rvlType64f}) : type;
        const int channels = query ? pick(rng_, {1, 3, 4}) : layout_.srcChannels;
        const I64 sw = 2 + rng_() % 30, sh = 2 + rng_() % 20, dw = 1 + rng_() % 50, dh = 1 + rng_() % 30;
        random_coeffs(sw, sh, dw, dh);
        const int border = pick(rng_, {1, 6, 7, 0xF0, 0x17, 0xC7, 0x31});
        if (!build_warp_spec(layout_.longApi, interp, wtype, channels, sw, sh, dw, dh, int(rng_() % 2), border)) return;
        warpSrcW_ = sw, warpSrcH_ = sh, warpMargin_ = interp == rvlInterCubicBC ? 2 : 0;
        const int off = index_of("dstRoiOffset"), sz = index_of("dstRoiSize") >= 0 ? index_of("dstRoiSize") : index_of("dstSize");
        const I64 x = rng_() % 5 ? I64(rng_() % dw) : dw, y = rng_() % 5 ? I64(rng_() % dh) : -1;
        const I64 tw = 1 + rng_() % (dw + 2), th = 1 + rng_() % (dh + 2);
        if (off >= 0) {
            if (layout_.longApi) args_.set(off, RvlPointL{x, y});
            else args_.set(off, RvlPoint{int(x), int(y)});
        }
        if (sz >= 0 && !query) set_size(sz, tw, th);
        workBytes_ = 64;
    } else if (name.rfind("rvliFFT", 0) == 0) {
        const bool real = name.find("Pack") != std::string::npos || name.find("_R_") != std::string::npos;
        const int ox = int(rng_() % 7), oy = int(rng_() % 7), flag = pick(rng_, {1, 2, 4, 8});
        int specSize = 0, initSize = 0, work = 0;
        const RvlResult q = real ? rvliFFTGetSize_R_32f(ox, oy, flag, rvlHintNone, &specSize, &initSize, &work)
                                 : rvliFFTGetSize_C_32fc(ox, oy, flag, rvlHintNone, &specSize, &initSize, &work);
        if (q != rvlResOk) return;
        make_spec(specSize);
        std::vector<Rvl8u> init(std::size_t(initSize) + 1);
        const RvlResult st = real ? rvliFFTInit_R_32f(ox, oy, flag, rvlHintNone, reinterpret_cast<RvlFft2dRealSpec*>(spec_), init.data())
                                  : rvliFFTInit_C_32fc(ox, oy, flag, rvlHintNone, reinterpret_cast<RvlFft2dComplexSpec*>(spec_), init.data());
        if (st < 0) return;
        workBytes_ = work;
        fftW_ = I64{1} << ox, fftH_ = I64{1} << oy;
    }
}

inline bool Call::build() {
    choose_scalars();
    prepare_specification();
    prepare_statistics();
    if (specMissing_) return false;
    const std::string name = fn_.name;
    const bool borderCopy = name.find("Border") != std::string::npos && has("topRows");
    const int borderArg = index_of("border");
    const bool inMemory = borderArg >= 0 && (int_arg(borderArg) & 0xF0) != 0;
    for (std::size_t i = 0; i < fn_.params.size(); ++i) {
        const Param& p = fn_.params[i];
        const std::string pname = p.name;
        const TypeInfo t = parse_type(p.type);
        if (!t.pointers) continue;
        unsigned char* ptr = nullptr;
        const int elem = element_bytes(t.base);
        const bool gradientOut = pname == "pGx" || pname == "pGy" || pname == "pMag" || pname == "pAngle";
        const bool map = pname == "pMapX" || pname == "pMapY";
        const bool isImage = (pname.rfind("pSrc", 0) == 0 || pname.rfind("pDst", 0) == 0 || pname == "pMask" || pname == "pTpl" || gradientOut || map) &&
                             pname != "pSrcOffset" && pname != "pSrcRoiOffset" && pname != "pSrcRoiSize" &&
                             pname != "pDstGlobalMin" && pname != "pDstGlobalMax" && pname != "pSrcRoi";
        if (statistics_pointer(pname, t, &ptr)) {
            if (ptr == nullptr) return false;
        } else if (isImage) {
            const bool src = (pname.rfind("pSrc", 0) == 0 && pname != "pSrcDst") || pname == "pTpl";
            const bool mask = pname == "pMask";
            // The step argument that belongs to this image.
            std::string stepName = pname == "pSrcDst" ? "srcDstStep" : pname == "pMask" ? "maskStep"
                                 : pname == "pDstMin" ? "dstMinStep" : pname == "pDstMax" ? "dstMaxStep"
                                 : pname == "pSrc1" ? "src1Step" : pname == "pSrc2" ? "src2Step" : pname == "pTpl" ? "tplStep"
                                 : map ? (pname == "pMapX" ? "mapXStep" : "mapYStep")
                                 : gradientOut ? std::string(1, char(pname[1] + 32)) + pname.substr(2) + "Step"
                                 : src ? "srcStep" : "dstStep";
            const int stepArg = index_of(stepName.c_str());
            // Its size.
            I64 w = 0, h = 0;
            const char* const srcSizes[] = {"srcRoiSize", "srcSize", "roiSize", "dstRoiSize", "dstSize"};
            const char* const dstSizes[] = {"dstRoiSize", "dstSize", "roiSize", "srcRoiSize", "srcSize"};
            bool found = false;
            for (const char* s : (src || pname == "pSrcDst") ? srcSizes : dstSizes)
                if (size_arg(s, &w, &h)) {
                    found = true;
                    break;
                }
            if (fftW_ > 0) w = fftW_, h = fftH_, found = true;
            two_image_size(pname, &w, &h, &found);
            if (pname == "pDstMin" || pname == "pDstMax") {
                I64 bw = 1, bh = 1;
                size_arg("blockSize", &bw, &bh);
                if (bw > 0 && bh > 0) w = (w + bw - 1) / bw, h = (h + bh - 1) / bh;
            }
            if (!found && !(src && (resizeSrcW_ > 0 || warpSrcW_ > 0))) return false;
            const int channels = mask || map ? 1 : (src || pname == "pSrcDst") ? layout_.srcChannels : layout_.dstChannels;
            const bool planar = !mask && (src ? layout_.srcPlanar : layout_.dstPlanar);
            const int perPlane = planar ? 1 : channels;
            I64 mL = 0, mT = 0, mR = 0, mB = 0;
            if (src && resizeSrcW_ > 0) {
                // The whole source image, the pointer at the tile's source offset.
                RvlPointL o{0, 0};
                const int off = index_of("dstOffset");
                if (off >= 0) {
                    if (layout_.longApi) {
                        RvlPointL d = args_.get<RvlPointL>(off), so{};
                        if (rvliResizeGetSrcOffset_L(reinterpret_cast<RvlResizeSpec*>(spec_), d, &so) == rvlResOk) o = so;
                    } else {
                        RvlPoint d = args_.get<RvlPoint>(off), so{};
                        if (rvliResizeGetSrcOffset_8u(reinterpret_cast<RvlResizeSpec*>(spec_), d, &so) == rvlResOk) o = {so.x, so.y};
                    }
                }
                // In-memory border flags promise source pixels beyond the
                // image's edges, as far as the border size reaches.
                RvlBorderExtent e{};
                if (layout_.longApi) rvliResizeGetBorderSize_L(reinterpret_cast<RvlResizeSpec*>(spec_), &e);
                else rvliResizeGetBorderSize_8u(reinterpret_cast<RvlResizeSpec*>(spec_), &e);
                w = resizeSrcW_ - o.x, h = resizeSrcH_ - o.y, mL = o.x + e.borderLeft, mT = o.y + e.borderTop;
                mR = e.borderRight, mB = e.borderBottom;
            } else if (src && warpSrcW_ > 0) {
                // The whole source; cubic reads one pixel before and two
                // after the image on in-memory sides.
                w = warpSrcW_, h = warpSrcH_;
                mL = mT = warpMargin_ ? 1 : 0, mR = mB = warpMargin_;
            } else if (src && (kernelW_ > 0 && inMemory)) {
                mL = mR = kernelW_, mT = mB = kernelH_;
            } else if (src && (name.rfind("rvliSumWindowRow", 0) == 0 || name.rfind("rvliSumWindowColumn", 0) == 0)) {
                // The neighbours anchor before and maskSize - 1 - anchor after.
                const I64 m = int_arg(index_of("maskSize")), a = int_arg(index_of("anchor"));
                const I64 before = std::max<I64>(a, 0), after = std::max<I64>(m - 1 - a, 0);
                if (name.find("Row") != std::string::npos) mL = before, mR = after;
                else mT = before, mB = after;
            } else if (src && (name.rfind("rvliFilterMedianCross", 0) == 0 || name.rfind("rvliFilterMedianColor", 0) == 0)) {
                mL = mR = mT = mB = 2;  // a 5x5 mask reads two pixels around
            } else if (src && name.rfind("rvliFilterMedianWeightedCenter3x3", 0) == 0) {
                mL = mR = mT = mB = 1;
            } else if (src && (name.rfind("rvliFilterBox_64f", 0) == 0 || name.rfind("rvliFilterMedian_", 0) == 0)) {
                I64 mw = 0, mh = 0;
                size_arg("maskSize", &mw, &mh);
                const RvlPoint a = args_.get<RvlPoint>(index_of("anchor"));
                mL = std::max<I64>(a.x, 0), mR = std::max<I64>(mw - 1 - a.x, 0);
                mT = std::max<I64>(a.y, 0), mB = std::max<I64>(mh - 1 - a.y, 0);
            } else if (src && (name.rfind("rvliDilate3x3", 0) == 0 || name.rfind("rvliErode3x3", 0) == 0)) {
                mL = mR = mT = mB = 1;
            } else if (src && name.rfind("rvliFilter_64f", 0) == 0) {
                // Columns x + ax - kw + 1 ... x + ax, rows likewise.
                I64 kw = 0, kh = 0;
                size_arg("kernelSize", &kw, &kh);
                const RvlPoint a = args_.get<RvlPoint>(index_of("anchor"));
                mL = std::max<I64>(kw - 1 - a.x, 0), mR = std::max<I64>(a.x, 0);
                mT = std::max<I64>(kh - 1 - a.y, 0), mB = std::max<I64>(a.y, 0);
            } else if (pname == "pSrcDst" && borderCopy) {
                I64 dw = 0, dh = 0;
                size_arg("dstRoiSize", &dw, &dh);
                mT = std::max<I64>(int_arg(index_of("topRows")), 0), mL = std::max<I64>(int_arg(index_of("leftColumns")), 0);
                mB = std::max<I64>(dh - h - mT, 0), mR = std::max<I64>(dw - w - mL, 0);
            }
            const I64 rowBytes = std::max<I64>(w + mL + mR, 0) * perPlane * elem;
            I64 step = rowBytes ? random_step(rowBytes, elem) : I64(rng_() % 3) * 64;
            if (stepArg >= 0 && stepChosen_[stepArg]) step = int_arg(stepArg);  // a step two images share
            else if (stepArg >= 0) set_int(stepArg, step), stepChosen_[stepArg] = true;
            else step = rowBytes;  // a contiguous image
            auto one = [&] {
                return image_region(int(i), t, perPlane, w, h, step, mL, mT, mR, mB, layout_.dstAlpha && !src && !mask && !map,
                                    pname == "pSrcDst" && borderCopy);
            };
            if (planar) {
                const int planes = channels;
                void* ptrs[4] = {};
                for (int k = 0; k < planes; ++k) ptrs[k] = null_now() ? nullptr : one();
                unsigned char* arr = plain_region(planes * sizeof(void*), false);
                std::memcpy(arr, ptrs, planes * sizeof(void*));
                ptr = arr;
            } else {
                ptr = one();
            }
            if (ptr == nullptr) return false;
        } else if (pname == "pSpec") {
            specRegion_->writable = !t.isConst;
            ptr = spec_;
        } else if (pname == "pBuffer" || pname == "pInitBuf") {
            const I64 bytes = workBytes_ >= 0 ? workBytes_ : I64(rng_() % 4096);
            ptr = plain_region(bytes, true);
            regions_.back()->scratch = true;
        } else if (pname == "coeffs" && !coeffs_.empty()) {
            ptr = plain_region(I64(coeffs_.size() * sizeof(double)), false);
            std::memcpy(ptr, coeffs_.data(), coeffs_.size() * sizeof(double));
        } else if (pname == "pKernel") {
            I64 kw = 0, kh = 0;
            size_arg("kernelSize", &kw, &kh);
            ptr = plain_region(std::max<I64>(kw * kh, 1) * elem, false);
            if (elem == 8)
                for (I64 k = 0; k < std::max<I64>(kw * kh, 1); ++k) {
                    const double v = double(int(rng_() % 9) - 3);
                    std::memcpy(ptr + 8 * k, &v, 8);
                }
        } else {
            // Per-channel constants and results, and single results.
            I64 count = p.length > 0 ? p.length : 1;
            const bool perChannel = pname == "value" || pname.rfind("threshold", 0) == 0 || pname.rfind("value", 0) == 0 ||
                                    pname == "borderValue" || pname == "pBorderValue";
            if (perChannel && p.length == 0) count = layout_.processed;
            if (pname == "pBorderValue" && name.rfind("rvliWarp", 0) == 0) count = 4;  // numChannels values
            if (elem == 0) return false;
            ptr = plain_region(count * elem, !t.isConst);
        }
        if (!regions_.empty() && ptr != nullptr) {
            const bool fl = t.base == "Rvl32f" || t.base == "Rvl32fc" || t.base == "Rvl64f";
            for (auto& r : regions_)
                if (r->floatBytes == 0 && fl && r.get() != specRegion_ && r->writable &&
                    (r->pointer == ptr || r->block.data() == ptr || regions_.back().get() == r.get()))
                    r->floatBytes = t.base == "Rvl64f" ? 8 : 4;
        }
        if (null_now()) ptr = nullptr;
        args_.set(int(i), ptr);
    }
    return true;
}

inline RvlResult Call::run_and_check() {
    for (auto& r : regions_)
        if (r->writable) r->before.assign(r->block.data(), r->block.data() + r->block.size());
    describe();
    const unsigned rc = pick(rng_, {0x0000, 0x2000, 0x4000, 0x6000});
    const unsigned csr = (_mm_getcsr() & ~0x6000u) | rc;
    _mm_setcsr(csr);
    const RvlResult st = fn_.call(args_);
    const unsigned after = _mm_getcsr();
    _mm_setcsr(0x1F80);
    EXPECT_EQ(csr & ~0x3Fu, after & ~0x3Fu) << fn_.name << " left the rounding control changed";
    for (auto& r : regions_) {
        if (!r->writable) continue;
        const unsigned char* now = r->block.data();
        if (st == rvlResSizeOverflow) {
            continue;  // size queries set their size outputs to 0
        } else if (st == rvlResBadDataType && std::strcmp(fn_.name, "rvliHistogramGetBufferSize") == 0) {
            continue;  // the histogram query writes the specification size and a buffer size of 0 first
        } else if ((st == rvlResBadDataType || st == rvlResBadSize || st == rvlResBadAlgorithmType) &&
                   std::strcmp(fn_.name, "rvliConvGetBufferSize") == 0 && r->block.size() == sizeof(int)) {
            continue;  // the convolution query writes 0 when it refuses the type, the valid sizes or the shape
        } else if (st == rvlResBadCoeffs && (std::strncmp(fn_.name, "rvliGetAffineQuad", 17) == 0 ||
                                             std::strncmp(fn_.name, "rvliGetAffineBound", 18) == 0)) {
            continue;  // a quadrangle that is not convex is written and refused
        } else if (st < 0) {
            if (specIdMayClear_ && r.get() == specRegion_ && r->block.size() >= 16) {
                // The id of a specification whose Init failed is 0.
                std::memset(r->before.data() + 12, 0, 4);
                std::memset(r->block.data() + 12, 0, 4);
            }
            EXPECT_TRUE(std::equal(r->before.begin(), r->before.end(), now))
                << fn_.name << " returned " << st << " and changed an output";
            if (::testing::Test::HasFailure()) return st;
        } else if (r->image) {
            // Bytes between rows and AC4 alpha bytes keep their values.
            const I64 base = r->pointer - r->block.data();
            std::vector<char> inside(r->block.size(), 0);
            for (I64 y = 0; y < r->rows; ++y)
                for (I64 b = 0; b < r->rowBytes; ++b) {
                    const I64 at = base + (r->firstRow + y) * r->step + r->firstByte + b;
                    if (at < 0 || at >= I64(inside.size())) continue;
                    const bool alpha = r->alphaEvery && (b % r->alphaEvery) >= r->alphaEvery - r->alphaBytes;
                    if (!alpha) inside[std::size_t(at)] = 1;
                }
            for (std::size_t k = 0; k < inside.size(); ++k)
                if (!inside[k] && r->step > 0 && r->before[k] != now[k]) {
                    ADD_FAILURE() << fn_.name << " wrote outside its ROI rows or into alpha, byte " << k;
                    return st;
                }
        }
    }
    return st;
}


inline void Call::prepare_statistics() {
    const std::string name = fn_.name;
    const bool histogram = name.rfind("rvliHistogram", 0) == 0;
    const bool moments = name.rfind("rvliMoment", 0) == 0 || (name.rfind("rvliGet", 0) == 0 && name.find("Moment") != std::string::npos);
    const bool hog = name.rfind("rvliHOG", 0) == 0;
    if (!histogram && !moments && !hog) return;
    const auto type_of = [&]() {
        return name.find("_8u") != std::string::npos ? rvlType8u : name.find("_16u") != std::string::npos ? rvlType16u
             : name.find("_16s") != std::string::npos ? rvlType16s : rvlType32f;
    };
    if (histogram) {
        for (int& n : histLevels_) n = rng_() % 10 == 0 ? int(rng_() % 2) : 2 + int(rng_() % (rng_() % 2 ? 8 : 300));
        const bool worker = name.rfind("rvliHistogram_", 0) == 0 || name == "rvliHistogramGetLevels";
        if (name == "rvliHistogramInit" || name == "rvliHistogramUniformInit") {
            specIdMayClear_ = true;
            int spec = 0, buf = 0;
            const int levels[4] = {std::max(histLevels_[0], 2), std::max(histLevels_[1], 2), std::max(histLevels_[2], 2), std::max(histLevels_[3], 2)};
            make_spec(rvliHistogramGetBufferSize(rvlType8u, {1, 1}, levels, 4, 0, &spec, &buf) == rvlResOk ? spec : 64);
        }
        if (!worker) return;
        // A specification of the worker's type (most of the time) and
        // random uniform levels, or garbage.
        if (rng_() % 8 == 0) return;
        const int ch = name == "rvliHistogramGetLevels" ? pick(rng_, {1, 3, 4}) : std::max(layout_.srcChannels, 1);
        int levels[4];
        float lo[4], hi[4];
        for (int c = 0; c < 4; ++c) {
            levels[c] = 2 + int(rng_() % 40);
            lo[c] = float(int(rng_() % 600) - 300) / (rng_() % 2 ? 1 : 8);
            hi[c] = lo[c] + 1 + float(rng_() % 70000) / (rng_() % 2 ? 1 : 64);
        }
        int spec = 0, buf = 0;
        const int type = name == "rvliHistogramGetLevels" ? pick(rng_, {1, 5, 7, 13}) : type_of();
        if (rvliHistogramGetBufferSize(type, {1, 1}, levels, ch, 1, &spec, &buf) != rvlResOk) return;
        make_spec(spec);
        if (rvliHistogramUniformInit(type, lo, hi, levels, ch, reinterpret_cast<RvlHistogramSpec*>(spec_)) < 0) return;
        for (int c = 0; c < 4; ++c) histBins_[c] = c < ch ? levels[c] - 1 : 0, histLevels_[c] = c < ch ? levels[c] : 0;
        if (has("pBuffer")) {
            I64 w = 0, h = 0;
            size_arg("roiSize", &w, &h);
            if (rvliHistogramGetBufferSize(type, {1, 1}, levels, layout_.srcChannels, 1, &spec, &buf) == rvlResOk) workBytes_ = buf;
        }
        return;
    }
    if (moments) {
        state_ = plain_region(400, true);
        // Doubles after a 16-byte header: which NaN a sum of NaNs keeps is
        // not fixed, so NaNs compare as one pattern.
        regions_.back()->floatBytes = 8;
        if (rng_() % 8 == 0) return;  // garbage
        rvliMomentInit_64f(reinterpret_cast<RvlMomentState*>(state_), rvlHintNone);
        if (name.rfind("rvliGet", 0) == 0 && rng_() % 4) {
            std::vector<Rvl8u> img(3 * 5 * 4);
            for (auto& v : img) v = Rvl8u(rng_() % 3 ? rng_() : 0);
            if (rng_() % 2) rvliMoments64f_8u_C3R(img.data(), 15, {5, 4}, reinterpret_cast<RvlMomentState*>(state_));
            else rvliMoments64f_8u_C1R(img.data(), 15, {5, 4}, reinterpret_cast<RvlMomentState*>(state_));
        }
        return;
    }
    // HOG: a small geometry, valid most of the time.
    RvlHogConfig cfg{};
    cfg.blockOrderByColumns = int(rng_() % 2);
    cfg.cellSide = pick(rng_, {2, 4, 4, 8});
    cfg.blockSide = 2 * cfg.cellSide;
    cfg.blockStep = cfg.cellSide * pick(rng_, {1, 1, 2});
    cfg.binCount = 2 + int(rng_() % 15);
    cfg.gaussSigma = 0.5f + float(rng_() % 8);
    cfg.clipThreshold = 0.2f;
    cfg.windowSize = {cfg.blockSide + cfg.blockStep * int(rng_() % 3), cfg.blockSide + cfg.blockStep * int(rng_() % 3)};
    if (rng_() % 10 == 0) cfg.cellSide = pick(rng_, {0, 1, 17, 3});
    if (rng_() % 10 == 0) cfg.windowSize.width += 1;
    if (name == "rvliHOGGetSize" || name == "rvliHOGInit") {
        unsigned char* c = plain_region(sizeof cfg, false);
        std::memcpy(c, &cfg, sizeof cfg);
        state_ = c;  // the configuration
        int size = 0;
        make_spec(rvliHOGGetSize(&cfg, &size) == rvlResOk ? size : 64);
        return;
    }
    if (rng_() % 8 == 0) return;  // garbage specification
    int size = 0;
    if (rvliHOGGetSize(&cfg, &size) != rvlResOk) return;
    make_spec(size);
    if (rvliHOGInit(&cfg, reinterpret_cast<RvlHogSpec*>(spec_)) != rvlResOk) return;
    int bytes = 0;
    rvliHOGGetDescriptorSize(reinterpret_cast<RvlHogSpec*>(spec_), &bytes);
    hogDescriptor_ = bytes / 4;
    // A ROI around the window's size, most of the time.
    const int roiArg = index_of("roiSize");
    if (roiArg >= 0 && rng_() % 5) set_size(roiArg, cfg.windowSize.width + I64(rng_() % 20), cfg.windowSize.height + I64(rng_() % 12));
    if (has("pBuffer")) {
        I64 w = 0, h = 0;
        size_arg("roiSize", &w, &h);
        if (rvliHOGGetBufferSize(reinterpret_cast<RvlHogSpec*>(spec_), {int(w), int(h)}, &bytes) == rvlResOk) workBytes_ = bytes;
        kernelW_ = kernelH_ = 1;  // the gradient reaches one pixel
    }
}

inline bool Call::statistics_pointer(const std::string& pname, const TypeInfo& t, unsigned char** ptr) {
    const std::string name = fn_.name;
    const auto ints = [&](const int* v, int n) {
        unsigned char* p = plain_region(4 * n, false);
        std::memcpy(p, v, 4 * std::size_t(n));
        return p;
    };
    const auto pointers = [&](unsigned char* const* v, int n) {
        unsigned char* p = plain_region(8 * n, false);
        std::memcpy(p, v, 8 * std::size_t(n));
        return p;
    };
    if (name.rfind("rvliHistogram", 0) == 0) {
        if (pname == "nLevels") {
            *ptr = ints(histLevels_, 4);
        } else if (pname == "lowerLevel" || pname == "upperLevel") {
            float v[4];
            for (int c = 0; c < 4; ++c) v[c] = float(int(rng_() % 200) - 50) + (pname == "upperLevel" ? float(rng_() % 300) : 0.0f);
            *ptr = plain_region(16, false);
            std::memcpy(*ptr, v, 16);
        } else if (pname == "pLevels" && t.isConst) {  // Init: ascending levels, mostly
            unsigned char* arrays[4];
            for (int c = 0; c < 4; ++c) {
                const int n = std::max(histLevels_[c], 1);
                std::vector<float> lv(std::size_t(n) + 0);
                float at = float(int(rng_() % 100) - 50) / 4;
                for (auto& v : lv) v = at, at += rng_() % 16 == 0 ? 0.0f : 0.25f + float(rng_() % 40) / 4;
                arrays[c] = plain_region(4 * n, false);
                std::memcpy(arrays[c], lv.data(), 4 * std::size_t(n));
            }
            *ptr = pointers(arrays, 4);
        } else if (pname == "pLevels") {  // GetLevels: one array of each channel's nLevels floats
            unsigned char* arrays[4];
            for (int c = 0; c < 4; ++c) {
                arrays[c] = plain_region(4 * std::max(histLevels_[c], 1), true);
                regions_.back()->floatBytes = 4;
            }
            *ptr = pointers(arrays, 4);
        } else if (pname == "pHist") {
            // One histogram, or an array of one per channel (some null).
            unsigned char* arrays[4];
            const int n = t.pointers == 1 ? 1 : layout_.srcChannels;
            for (int c = 0; c < n; ++c) arrays[c] = plain_region(4 * std::max(histBins_[c], 0), true);
            if (t.pointers > 1 && null_now()) arrays[rng_() % n] = nullptr;
            *ptr = t.pointers == 1 ? arrays[0] : pointers(arrays, n);
        } else {
            return false;
        }
        return true;
    }
    if (pname == "pState") {
        if (!state_) return false;
        *ptr = state_;
        return true;
    }
    if (name.rfind("rvliHOG", 0) == 0) {
        if (pname == "pConfig") {
            *ptr = state_ ? state_ : plain_region(36, false);
        } else if (pname == "pLocation") {
            const I64 n = std::max<I64>(int_arg(index_of("nLocations")), 0);
            I64 w = 0, h = 0;
            size_arg("roiSize", &w, &h);
            std::vector<RvlPoint> pts(std::size_t(std::max<I64>(n, 1)));
            for (auto& p : pts)
                p = {int(I64(rng_() % std::uint64_t(std::max<I64>(w, 1) + 2)) - 2), int(I64(rng_() % std::uint64_t(std::max<I64>(h, 1) + 2)) - 2)};
            if (rng_() % 2)
                for (auto& p : pts) p = {p.x & ~3, p.y & ~3};  // shared blocks, most of the time
            *ptr = plain_region(I64(pts.size()) * 8, false);
            std::memcpy(*ptr, pts.data(), pts.size() * 8);
        } else if (pname == "pDst") {
            const I64 n = std::max<I64>(int_arg(index_of("nLocations")), 1);
            *ptr = plain_region(4 * std::max<I64>(n * hogDescriptor_, 1), true);
            regions_.back()->floatBytes = 4;
        } else {
            return false;
        }
        return true;
    }
    return false;
}

}  // namespace rvltest::random_calls
