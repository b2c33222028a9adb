// Calls every operation of a library once on everything it holds: every
// type, member, name, documentation string, value and reference. Used by
// the robustness tests, the fuzz target and the benchmark.
#pragma once

#include <cstddef>

#include "typelib/typelib.h"

namespace qorvix::test {

struct WalkCounts {
    std::size_t types = 0;
    std::size_t funcs = 0;
    std::size_t vars = 0;
    std::size_t names = 0;
    std::size_t refs = 0;
    std::size_t failures = 0;
};

WalkCounts WalkTypeLib(ITypeLib& lib);

}  // namespace qorvix::test
