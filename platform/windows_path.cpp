#include "platform/windows_path.h"

#include <cctype>

#include "platform/locale_text.h"
#include "platform/split_path.h"

namespace qorvix {
namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() && LowerAscii(text.substr(0, start.size())) == start;
}

// "C:" followed by a separator or nothing.
bool IsDriveRoot(std::string_view text) {
    return text.size() >= 2 && std::isalpha(static_cast<unsigned char>(text[0])) &&
           text[1] == ':' && (text.size() == 2 || IsSeparator(text[2]));
}

// Characters no Windows file name holds.
bool IsNameCharacter(char c) {
    return static_cast<unsigned char>(c) >= 0x20 &&
           std::string_view("<>:\"|?*/\\").find(c) == std::string_view::npos;
}

bool IsDots(std::string_view part) {
    return part == "." || part == "..";
}

bool IsDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Adds the parts of `rest` to `path`. A verbatim path ("\\?\") takes its
// parts as they stand; any other has "." and ".." resolved (never above
// `keep` parts) and trailing dots and blanks cut from its last part.
bool AddParts(const std::vector<std::string_view>& parts, bool verbatim, std::size_t keep,
              WindowsPath& path) {
    for (std::string_view part : parts) {
        if (IsDots(part)) {
            if (verbatim) return false;
            if (part == ".." && path.parts.size() > keep) path.parts.pop_back();
            continue;
        }
        path.parts.emplace_back(part);
    }
    if (!verbatim && !path.parts.empty() && path.parts.size() > keep) {
        std::string& last = path.parts.back();
        std::size_t end = last.find_last_not_of(". ");
        if (end == std::string::npos) return false;
        last.resize(end + 1);
    }
    for (const std::string& part : path.parts) {
        for (char c : part) {
            if (!IsNameCharacter(c)) return false;
        }
    }
    return true;
}

}  // namespace

std::size_t Utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (char c : utf8) {
        auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) ++units;  // a character starts here
        if (byte >= 0xF0) ++units;           // and needs a surrogate pair
    }
    return units;
}

std::optional<std::string> ExpandEnvironmentStrings(std::string_view text,
                                                    const EnvironmentLookup& lookup) {
    std::string out;
    std::size_t units = 0;
    auto append = [&](std::string_view piece) {
        units += Utf16Length(piece);
        if (units > kMaxPathLength) return false;
        out += piece;
        return true;
    };
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t open = text.find('%', at);
        if (open == std::string_view::npos) open = text.size();
        if (!append(text.substr(at, open - at))) return std::nullopt;
        if (open == text.size()) break;
        std::size_t close = text.find('%', open + 1);
        if (close == std::string_view::npos) {
            if (!append(text.substr(open))) return std::nullopt;
            break;
        }
        std::string_view name = text.substr(open + 1, close - open - 1);
        const std::string* value = name.empty() ? nullptr : lookup(name);
        if (value) {
            if (!append(*value)) return std::nullopt;
            at = close + 1;
        } else {
            // Not a variable: the text stays, and its closing "%" may open
            // the next reference.
            if (!append(text.substr(open, close - open))) return std::nullopt;
            at = close;
        }
    }
    return out;
}

std::optional<WindowsPath> ParseWindowsPath(std::string_view text) {
    if (text.empty() || Utf16Length(text) > kMaxPathLength) return std::nullopt;
    WindowsPath path;
    bool verbatim = false;
    bool unc = false;
    std::string_view rest = text;
    if (rest.size() >= 4 && IsSeparator(rest[0]) && IsSeparator(rest[1]) &&
        (rest[2] == '?' || rest[2] == '.') && IsSeparator(rest[3])) {
        // A device path. "\\?\" is taken literally; "\\.\" is normalised.
        verbatim = rest.substr(0, 4) == "\\\\?\\";
        rest.remove_prefix(4);
        if (StartsWithIgnoringCase(rest, "unc") && rest.size() > 3 && IsSeparator(rest[3])) {
            unc = true;
            rest.remove_prefix(4);
        } else if (!IsDriveRoot(rest)) {
            return std::nullopt;  // a volume or a device, not a file of a drive
        }
    } else if (rest.size() >= 2 && IsSeparator(rest[0]) && IsSeparator(rest[1])) {
        unc = true;
        rest.remove_prefix(2);
    } else if (!IsDriveRoot(rest)) {
        // Relative to a current folder or drive: only a file name alone is
        // searched for.
        if (IsSeparator(rest[0]) || (rest.size() >= 2 && rest[1] == ':')) return std::nullopt;
        path.root = WindowsPath::kBare;
        auto parts = SplitPath(rest, "\\/");
        bool alone = parts.size() == 1 && parts[0].size() == rest.size();
        bool resource = parts.size() == 2 && IsDigits(parts[1]) &&
                        parts[0].size() + 1 + parts[1].size() == rest.size();
        if ((!alone && !resource) || IsDots(parts[0]) || !AddParts(parts, false, 0, path))
            return std::nullopt;
        return path;
    }
    std::string_view separators = verbatim ? "\\" : "\\/";
    if (unc) {
        path.root = WindowsPath::kUnc;
        auto parts = SplitPath(rest, separators);
        if (parts.size() < 2 || IsDots(parts[0]) || IsDots(parts[1])) return std::nullopt;
        if (!AddParts(parts, verbatim, 2, path)) return std::nullopt;
        return path;
    }
    path.root = WindowsPath::kDrive;
    path.drive = LowerAscii(rest[0]);
    if (!AddParts(SplitPath(rest.substr(2), separators), verbatim, 0, path)) return std::nullopt;
    return path;
}

}  // namespace qorvix
