// Random calls of every exported status-returning function.
//
// The functions are bound from the public header (bind_header.py), so a new
// family takes part as soon as it is declared. Each call gets random sizes
// (0, 1, tiny, odd, large, negative), steps (exact, padded, unaligned, too
// short, zero, negative), null pointers and random modes. Every buffer is
// exactly as large as the arguments describe and lies against an
// inaccessible page, so a read or write past it faults. After the call:
//   - an error (negative status) left every output byte as it was;
//   - a success wrote nothing between the ROI's rows nor an AC4 alpha byte;
//   - the caller's rounding control (all of MXCSR but the exception flags)
//     is what it was before the call.
// Functions with a specification are called through their size query and
// Init first, so their workers run on valid specifications most of the time.
//
// The run is seeded and deterministic; RVL_ROBUSTNESS_CALLS sets the calls
// per function (default 40) for longer runs on demand.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "robustness/random_call.hpp"

namespace {

using namespace rvltest::random_calls;

// Functions by family (the name up to its first underscore).
std::map<std::string, std::vector<const Bound*>> families() {
    std::map<std::string, std::vector<const Bound*>> f;
    for (const Bound& b : bound()) {
        const std::string n = b.name;
        f[n.substr(0, n.find('_'))].push_back(&b);
    }
    return f;
}

#ifdef RVL_TEST_SANITIZED
constexpr bool kOddSteps = false;
#else
constexpr bool kOddSteps = true;
#endif

class Robustness : public ::testing::TestWithParam<std::string> {};

TEST_P(Robustness, RandomArguments) {
    signal(SIGSEGV, on_fault);
    signal(SIGBUS, on_fault);
    const char* env = std::getenv("RVL_ROBUSTNESS_CALLS");
    const int calls = env ? std::max(1, std::atoi(env)) : 40;
    const auto fams = families();
    std::size_t seed = std::hash<std::string>{}(GetParam());
    for (const Bound* fn : fams.at(GetParam())) {
        Rng rng(seed++);
        int built = 0, succeeded = 0;
        for (int k = 0; k < calls; ++k) {
            Call call(*fn, rng, kOddSteps);
            if (!call.build()) continue;
            ++built;
            succeeded += call.run_and_check() >= 0;
            if (HasFailure()) return;
        }
        EXPECT_GT(built, 0) << fn->name << ": no call could be built from its parameters";
        if (std::getenv("RVL_ROBUSTNESS_REPORT"))
            std::printf("%-44s %4d calls, %4d succeeded\n", fn->name, built, succeeded);
    }
}

std::vector<std::string> family_names() {
    std::vector<std::string> names;
    for (const auto& [k, v] : families()) names.push_back(k);
    return names;
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, Robustness, ::testing::ValuesIn(family_names()),
                         [](const ::testing::TestParamInfo<std::string>& i) { return i.param; });

}  // namespace
