// The version record: one immutable instance in read-only data.
#include "frame/entry.hpp"

namespace rvl {
namespace {

constexpr RvlLibVersion kVersion = {
    2018, 0, 0, 56444, {'q', '5', '\0', '\0'}, "rvlIP Wren (q5)", "2018.0.0 (r56444)", "Jul 24 2017",
};

const RvlLibVersion* lib_version() { return &kVersion; }

}  // namespace

RVL_BIND(rvliGetLibVersion, lib_version);

}  // namespace rvl
