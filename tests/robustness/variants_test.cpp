// Every processor variant gives the same bytes as the SSE4.1 baseline.
//
// The test links the variant object libraries themselves, so it can ask each
// of them for its implementation of every exported function
// (`<name>__<variant>()`), not only for the one the entry table chose. Each
// function gets random calls (the robustness test's arguments: odd widths,
// padded and unaligned steps, in-place forms, random modes and rounding
// control), every implementation runs the same call on the same input
// bytes, and the statuses and every output byte must agree. Variants the
// processor cannot run are skipped.
#include <xmmintrin.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "robustness/random_call.hpp"

namespace {

struct VariantPicks {
    const char* name;
    void* (*pick[3])() noexcept;  // sse41, avx2, avx512; null when not built
};

#include "variant_picks.inc"

const char* const kVariantNames[3] = {"sse41", "avx2", "avx512"};

bool runs_here(int variant) {
    __builtin_cpu_init();
    if (variant == 0) return __builtin_cpu_supports("sse4.1");
    if (variant == 1) return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
           __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("avx512vl") && runs_here(1);
}

using namespace rvltest::random_calls;

class Variants : public ::testing::TestWithParam<std::string> {};

TEST_P(Variants, SameBytesAsTheBaseline) {
    std::map<std::string, const VariantPicks*> picks;
    for (const VariantPicks& p : kVariantPicks) picks[p.name] = &p;
    const char* env = std::getenv("RVL_ROBUSTNESS_CALLS");
    const int calls = env ? std::max(1, std::atoi(env)) : 25;
    std::size_t seed = std::hash<std::string>{}(GetParam()) ^ 0x5eed;
    int compared = 0;
    for (const Bound& fn : bound()) {
        const std::string name = fn.name;
        if (name.substr(0, name.find('_')) != GetParam()) continue;
        const VariantPicks* p = picks.at(name);
        ASSERT_NE(p->pick[0], nullptr) << name << ": the baseline variant is not built";
        Rng rng(seed++);
        for (int k = 0; k < calls; ++k) {
            Call call(fn, rng);
            if (!call.build()) continue;
            call.snapshot();
            const unsigned csr = (0x1F80u & ~0x6000u) | unsigned(pick(rng, {0x0000, 0x2000, 0x4000, 0x6000}));
            const RvlResult want = call.call_with(p->pick[0](), csr);
            const std::vector<unsigned char> wantBytes = call.outputs();
            for (int v = 1; v < 3; ++v) {
                if (!p->pick[v] || !runs_here(v)) continue;
                call.restore();
                const RvlResult got = call.call_with(p->pick[v](), csr);
                ASSERT_EQ(want, got) << name << ": status of " << kVariantNames[v] << " (" << g_current << ")";
                const std::vector<unsigned char> gotBytes = call.outputs();
                if (gotBytes != wantBytes) {
                    std::size_t at = 0;
                    while (at < gotBytes.size() && gotBytes[at] == wantBytes[at]) ++at;
                    FAIL() << name << ": the " << kVariantNames[v] << " variant wrote other bytes, first at output byte "
                           << at << " (" << int(gotBytes[at]) << " instead of " << int(wantBytes[at]) << ") in "
                           << g_current;
                }
                ++compared;
            }
        }
    }
    if (compared == 0) GTEST_SKIP() << "no wider variant built or supported here";
}

// The exponential's results that are subnormal, or near the overflow,
// come from different instructions in the widest variant: every float of
// those ranges (one in 7), under each rounding control.
TEST(Variants, ExpAtTheEndsOfTheRange) {
    using Exp = RvlResult (*)(const Rvl32f*, int, Rvl32f*, int, RvlSize);
    const VariantPicks* p = nullptr;
    for (const VariantPicks& v : kVariantPicks)
        if (std::string(v.name) == "rvliExp_32f_C1R") p = &v;
    ASSERT_NE(p, nullptr);
    std::vector<Rvl32f> x;
    auto sweep = [&](float from, float to) {
        for (float v = from; v < to;) {
            x.push_back(v);
            for (int k = 0; k < 7; ++k) v = std::nextafter(v, to);
        }
    };
    sweep(-105.0f, -86.0f);
    sweep(87.5f, 89.5f);
    const int width = 4099, height = int(x.size() / width);
    x.resize(std::size_t(width) * height);
    const unsigned saved = _mm_getcsr();
    for (unsigned mode : {0x0000u, 0x2000u, 0x4000u, 0x6000u}) {
        std::vector<Rvl32f> want(x.size());
        _mm_setcsr((0x1F80u & ~0x6000u) | mode);
        ASSERT_EQ(reinterpret_cast<Exp>(p->pick[0]())(x.data(), width * 4, want.data(), width * 4, {width, height}), rvlResOk);
        for (int v = 1; v < 3; ++v) {
            if (!p->pick[v] || !runs_here(v)) continue;
            std::vector<Rvl32f> got(x.size());
            ASSERT_EQ(reinterpret_cast<Exp>(p->pick[v]())(x.data(), width * 4, got.data(), width * 4, {width, height}), rvlResOk);
            EXPECT_EQ(0, std::memcmp(got.data(), want.data(), got.size() * 4)) << kVariantNames[v] << ", rounding control " << mode;
        }
    }
    _mm_setcsr(saved);
}

std::vector<std::string> family_names() {
    std::vector<std::string> names;
    for (const Bound& b : bound()) {
        const std::string n = b.name;
        const std::string f = n.substr(0, n.find('_'));
        if (names.empty() || names.back() != f) names.push_back(f);
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, Variants, ::testing::ValuesIn(family_names()),
                         [](const ::testing::TestParamInfo<std::string>& i) { return i.param; });

}  // namespace
