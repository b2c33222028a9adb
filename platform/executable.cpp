#include "platform/executable.h"

#include <limits.h>
#include <unistd.h>

namespace qorvix {

std::string ExecutablePath() {
    char path[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return {};
    return std::string(path, static_cast<std::size_t>(n));
}

std::string ExecutableDirectory() {
    std::string exe = ExecutablePath();
    std::size_t slash = exe.find_last_of('/');
    return slash == std::string::npos ? std::string() : exe.substr(0, slash);
}

}  // namespace qorvix
