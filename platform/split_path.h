// Splitting registry key paths and Windows file paths into their parts.
#pragma once

#include <string_view>
#include <vector>

namespace qorvix {

// The parts of `path` between any of the `separators`; empty parts (a
// leading, trailing or doubled separator) are left out. The views point
// into `path`.
std::vector<std::string_view> SplitPath(std::string_view path, std::string_view separators);

}  // namespace qorvix
