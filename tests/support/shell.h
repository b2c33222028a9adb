// Runs a shell command line and collects what it prints.
#pragma once

#include <sys/wait.h>
#include <cstdio>
#include <string>

namespace qorvix::test {

struct ShellResult {
    int status = -1;
    std::string output;  // standard output and standard error
};

// Runs `command` in `folder` with standard input from /dev/null.
inline ShellResult Shell(const std::string& folder, const std::string& command) {
    std::string line = "cd '" + folder + "' && (" + command + ") </dev/null 2>&1";
    ShellResult result;
    FILE* pipe = popen(line.c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.output.append(buffer, n);
    int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace qorvix::test
