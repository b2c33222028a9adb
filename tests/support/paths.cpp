#include "tests/support/paths.h"

namespace qorvix::test {

std::string FixturePath(const std::string& name) {
    return std::string(QORVIX_FIXTURE_DIR) + "/" + name;
}

std::optional<std::string> SharedPath(const std::string& relative) {
    std::string path = std::string(QORVIX_SHARED_DIR) + "/" + relative;
    if (!std::filesystem::exists(path)) return std::nullopt;
    return path;
}

}  // namespace qorvix::test
