// Windows paths as registrations write them: environment references,
// device and UNC prefixes, either slash, bare file names.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qorvix {

// The longest path the platform accepts, in UTF-16 code units.
constexpr std::size_t kMaxPathLength = 32767;

// How long `utf8` is in UTF-16 code units.
std::size_t Utf16Length(std::string_view utf8);

// The value of an environment variable named in any case, or null.
using EnvironmentLookup = std::function<const std::string*(std::string_view name)>;

// Replaces each "%NAME%" by the variable's value, in one pass: a value is
// not expanded again. A name `lookup` does not know stays as written.
// nullopt when the result would be longer than kMaxPathLength.
std::optional<std::string> ExpandEnvironmentStrings(std::string_view text,
                                                    const EnvironmentLookup& lookup);

// A path taken apart, with "." and ".." resolved where the platform
// resolves them.
struct WindowsPath {
    enum Root {
        kDrive,  // "C:\...", "\\?\C:\...", "\\.\C:\..."
        kUnc,    // "\\server\share\...", "\\?\UNC\server\share\..."; parts start with both
        kBare,   // a file name alone ("stdole2.tlb", or "x.dll\2"), to be searched for
    };
    Root root = kDrive;
    char drive = 0;  // lower case, for kDrive
    std::vector<std::string> parts;
};

// nullopt for what no loader would open: a path relative to a current
// folder or drive, a volume or device name, a name with a character that
// names cannot hold, a path longer than kMaxPathLength.
std::optional<WindowsPath> ParseWindowsPath(std::string_view text);

}  // namespace qorvix
