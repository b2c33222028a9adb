// Where tests find their files.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace qorvix::test {

// A file of tests/fixtures.
std::string FixturePath(const std::string& name);
// A file of the shared material (corpus, oracle), or nullopt when that
// material is not on this machine; tests then skip.
std::optional<std::string> SharedPath(const std::string& relative);

}  // namespace qorvix::test
