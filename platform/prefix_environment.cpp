#include "platform/prefix_environment.h"

#include <set>

#include "platform/locale_text.h"
#include "platform/split_path.h"
#include "platform/windows_path.h"

namespace qorvix {
namespace {

const char kCurrentVersion[] = "Software\\Microsoft\\Windows\\CurrentVersion";
const char kNtCurrentVersion[] = "Software\\Microsoft\\Windows NT\\CurrentVersion";

std::optional<std::string> TextOf(const std::optional<Registry::Key>& key, std::string_view name) {
    return key ? key->Text(name) : std::nullopt;
}

// The profile folder of the prefix's user: Wine registers one profile.
std::optional<std::string> UserProfile(const std::optional<Registry::Key>& profiles) {
    for (std::size_t i = 0; profiles; ++i) {
        auto sid = profiles->EnumKey(i);
        if (!sid) break;
        if (sid->rfind("S-1-5-21-", 0) != 0) continue;
        auto profile = profiles->Open(*sid);
        if (auto path = TextOf(profile, "ProfileImagePath"); path && !path->empty()) return path;
    }
    return std::nullopt;
}

}  // namespace

PrefixEnvironment::PrefixEnvironment(const Registry& registry) {
    // CurrentControlSet is a link in Wine's files; the set it names holds
    // the keys.
    for (const char* set : {"CurrentControlSet", "ControlSet001"}) {
        m_systemVariables = registry.OpenMachine(std::string("System\\") + set +
                                                 "\\Control\\Session Manager\\Environment");
        if (m_systemVariables) break;
    }
    m_userVariables = registry.OpenUser("Environment");
    auto nt = registry.OpenMachine(kNtCurrentVersion);
    auto current = registry.OpenMachine(kCurrentVersion);
    auto profiles = registry.OpenMachine(std::string(kNtCurrentVersion) + "\\ProfileList");
    auto shellFolders =
        registry.OpenUser(std::string(kCurrentVersion) + "\\Explorer\\Shell Folders");

    // Each in terms of those before it.
    SetFixed("SystemRoot", TextOf(nt, "SystemRoot"), "C:\\windows");
    std::string root = m_fixed["systemroot"];
    SetFixed("SystemDrive", std::nullopt,
             root.size() >= 2 && root[1] == ':' ? root.substr(0, 2) : "C:");
    SetFixed("windir", std::nullopt, "%SystemRoot%");
    SetFixed("ProgramFiles", TextOf(current, "ProgramFilesDir"), "%SystemDrive%\\Program Files");
    SetFixed("CommonProgramFiles", TextOf(current, "CommonFilesDir"),
             "%ProgramFiles%\\Common Files");
    SetFixed("ProgramFiles(x86)", TextOf(current, "ProgramFilesDir (x86)"),
             "%SystemDrive%\\Program Files (x86)");
    SetFixed("CommonProgramFiles(x86)", TextOf(current, "CommonFilesDir (x86)"),
             "%ProgramFiles(x86)%\\Common Files");
    SetFixed("ProgramW6432", TextOf(current, "ProgramW6432Dir"), "%ProgramFiles%");
    SetFixed("CommonProgramW6432", TextOf(current, "CommonW6432Dir"), "%CommonProgramFiles%");
    SetFixed("ProgramData", TextOf(profiles, "ProgramData"), "%SystemDrive%\\ProgramData");
    SetFixed("ALLUSERSPROFILE", std::nullopt, "%ProgramData%");
    SetFixed("PUBLIC", TextOf(profiles, "Public"), "%SystemDrive%\\users\\Public");
    // The user's folders only when the prefix registers a profile: the
    // registry says where it is, and nothing else may.
    if (auto profile = UserProfile(profiles)) SetFixed("USERPROFILE", profile, {});
    if (auto home = m_fixed.find("userprofile");
        home != m_fixed.end() && home->second.size() >= 2 && home->second[1] == ':') {
        std::string folder = home->second;
        SetFixed("HOMEDRIVE", std::nullopt, folder.substr(0, 2));
        SetFixed("HOMEPATH", std::nullopt, folder.size() > 2 ? folder.substr(2) : "\\");
    }
    SetFixed("APPDATA", TextOf(shellFolders, "AppData"), "%USERPROFILE%\\AppData\\Roaming");
    SetFixed("LOCALAPPDATA", TextOf(shellFolders, "Local AppData"),
             "%USERPROFILE%\\AppData\\Local");
    SetFixed("TEMP", std::nullopt, "%LOCALAPPDATA%\\Temp");
    SetFixed("TMP", std::nullopt, "%TEMP%");
}

void PrefixEnvironment::SetFixed(const std::string& name, std::optional<std::string> registered,
                                 const std::string& fallback) {
    auto lookup = [this](std::string_view variable) { return FindFixed(variable); };
    std::optional<std::string> value;
    if (registered && !registered->empty()) value = ExpandEnvironmentStrings(*registered, lookup);
    if (!value && !fallback.empty()) value = ExpandEnvironmentStrings(fallback, lookup);
    if (value) m_fixed[LowerAscii(name)] = std::move(*value);
}

std::optional<std::string> PrefixEnvironment::FromRegistry(const std::string& lowerName) const {
    // A value of the environment keys is expanded once, against the fixed
    // folders: never in terms of other keys' values, so nothing can loop.
    auto fixed = [this](std::string_view variable) { return FindFixed(variable); };
    auto read = [&](const std::optional<Registry::Key>& key) -> std::optional<std::string> {
        const RegistryValue* value = key ? key->Value(lowerName) : nullptr;
        if (!value || (value->type != REG_SZ && value->type != REG_EXPAND_SZ)) return std::nullopt;
        std::string_view text(value->text);
        text = text.substr(0, text.find('\0'));
        if (value->type == REG_EXPAND_SZ) return ExpandEnvironmentStrings(text, fixed);
        if (Utf16Length(text) > kMaxPathLength) return std::nullopt;
        return std::string(text);
    };
    auto system = read(m_systemVariables);
    auto user = read(m_userVariables);
    // The user's PATH adds to the system's; any other user variable wins.
    if (lowerName == "path" && system && user) {
        std::string both = *system + ";" + *user;
        if (Utf16Length(both) > kMaxPathLength) return system;
        return both;
    }
    return user ? user : system;
}

const std::string* PrefixEnvironment::Find(std::string_view name) const {
    std::string lower = LowerAscii(name);
    if (lower != "systemroot" && lower != "systemdrive") {
        auto it = m_expanded.find(lower);
        if (it == m_expanded.end()) it = m_expanded.emplace(lower, FromRegistry(lower)).first;
        if (it->second) return &*it->second;
    }
    return FindFixed(lower);
}

const std::string* PrefixEnvironment::FindFixed(std::string_view name) const {
    auto it = m_fixed.find(LowerAscii(name));
    return it == m_fixed.end() ? nullptr : &it->second;
}

std::vector<std::string> PrefixEnvironment::SearchFolders() const {
    std::vector<std::string> folders;
    std::set<std::string> seen;
    auto add = [&](std::string folder) {
        if (folders.size() < kMaxSearchFolders && seen.insert(LowerAscii(folder)).second)
            folders.push_back(std::move(folder));
    };
    if (const std::string* root = Find("SystemRoot")) {
        add(*root + "\\system32");
        add(*root + "\\system");
        add(*root);
    }
    if (const std::string* path = Find("PATH")) {
        for (std::string_view folder : SplitPath(*path, ";"))
            add(std::string(folder));
    }
    return folders;
}

}  // namespace qorvix
