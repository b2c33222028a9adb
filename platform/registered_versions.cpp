#include "platform/registered_versions.h"

#include <cstdio>
#include <iterator>

namespace qorvix {
namespace {

std::string Hex(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "%x", value);
    return text;
}

// The file a locale key registers: 64-bit first, then 32-bit.
std::optional<std::string> LocaleFile(const Registry::Key& version, const std::string& lcid) {
    for (const char* arch : {"win64", "win32"}) {
        auto key = version.Open(lcid + "\\" + arch);
        auto text = key ? key->Text("") : std::nullopt;
        if (text && !text->empty()) return text;
    }
    return std::nullopt;
}

bool IsLocaleName(const std::string& name) {
    return !name.empty() && name.size() <= 8 &&
           name.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
}

}  // namespace

RegisteredVersions::RegisteredVersions(const Registry::Key& library) {
    for (std::size_t i = 0;; ++i) {
        auto name = library.EnumKey(i);
        if (!name) break;
        unsigned major = 0, minor = 0;
        char dot = 0;
        if (std::sscanf(name->c_str(), "%x%c%x", &major, &dot, &minor) != 3 || dot != '.') continue;
        if (major > 0xFFFF || minor > 0xFFFF) continue;
        auto key = library.Open(*name);
        if (!key) continue;
        // Every locale is read once here; a request then looks at no more
        // than three locales besides this.
        std::optional<std::string> file;
        for (std::size_t j = 0; !file; ++j) {
            auto lcid = key->EnumKey(j);
            if (!lcid) break;
            if (IsLocaleName(*lcid)) file = LocaleFile(*key, *lcid);
        }
        if (!file) continue;
        m_versions.emplace(std::pair{static_cast<WORD>(major), static_cast<WORD>(minor)},
                           Version{*key, *file});
    }
}

const RegisteredVersions::Version* RegisteredVersions::Choose(WORD major, WORD minor) const {
    if (m_versions.empty()) return nullptr;
    if (major == 0xFFFF && minor == 0xFFFF) return &m_versions.rbegin()->second;
    if (auto exact = m_versions.find({major, minor}); exact != m_versions.end())
        return &exact->second;
    // The highest minor of the same major, if it is not older.
    auto above = m_versions.upper_bound({major, WORD{0xFFFF}});
    if (above == m_versions.begin()) return nullptr;
    auto newest = std::prev(above);
    if (newest->first.first != major || newest->first.second < minor) return nullptr;
    return &newest->second;
}

std::optional<std::string> RegisteredVersions::File(WORD major, WORD minor, LCID lcid) const {
    const Version* version = Choose(major, minor);
    if (!version) return std::nullopt;
    for (const std::string& asked : {Hex(lcid), Hex(lcid & 0x3FF), std::string("0")}) {
        if (auto file = LocaleFile(version->key, asked)) return file;
    }
    return version->anyLocaleFile;
}

}  // namespace qorvix
