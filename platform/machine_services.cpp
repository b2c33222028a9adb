#include "platform/machine_services.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <cstdio>
#include <cstdlib>

#include "platform/locale_text.h"
#include "typelib/codepage.h"
#include "typelib/reasons.h"

namespace qorvix {
namespace {

constexpr std::size_t kNameBuffer = 64;  // the list's buffers for key names and descriptions

std::string LocaleText(const std::string& utf8) {
    return WideToAnsi(Utf8ToUtf16(utf8));
}

bool IsRegularFile(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool Exists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

// The entry of `folder` named `name` without regard to case, if any.
std::optional<std::string> FindIgnoringCase(const std::string& folder, const std::string& name) {
    if (Exists(folder + "/" + name)) return folder + "/" + name;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return std::nullopt;
    std::optional<std::string> found;
    while (dirent* entry = readdir(dir)) {
        if (strcasecmp(entry->d_name, name.c_str()) == 0) {
            found = folder + "/" + entry->d_name;
            break;
        }
    }
    closedir(dir);
    return found;
}

// Forwards to the machine's services while they exist: a library holds its
// resolver, and the services hold the libraries they loaded, so a strong
// reference here would keep both alive for ever.
class WeakResolver final : public ImportResolver {
  public:
    explicit WeakResolver(std::weak_ptr<MachineServices> services)
        : m_services(std::move(services)) {}
    HRESULT LoadImport(const ImportSpec& spec, const std::string& importerPath,
                       ComPtr<ITypeLib>& lib) override {
        auto services = m_services.lock();
        if (!services) return TYPE_E_CANTLOADLIBRARY;
        return services->LoadImport(spec, importerPath, lib);
    }

  private:
    std::weak_ptr<MachineServices> m_services;
};

}  // namespace

std::vector<RegisteredLibrary> FillLibraryList(const Registry& registry) {
    std::vector<RegisteredLibrary> rows;
    auto typeLibs = registry.OpenClassesRoot("TypeLib");
    if (!typeLibs) return rows;
    for (std::size_t i = 0;; ++i) {
        auto guid = typeLibs->EnumKey(i);
        if (!guid) break;
        // A name too long for the list's buffer is skipped, not the end of
        // the walk: one odd key must not hide every library after it.
        if (LocaleText(*guid).size() + 1 > kNameBuffer) continue;
        auto guidKey = typeLibs->Open(*guid);
        if (!guidKey) continue;
        for (std::size_t j = 0;; ++j) {
            auto version = guidKey->EnumKey(j);
            if (!version) break;
            if (LocaleText(*version).size() + 1 > kNameBuffer) continue;
            auto versionKey = guidKey->Open(*version);
            if (!versionKey) continue;
            auto description = versionKey->Text("");
            if (!description) continue;
            std::string text = LocaleText(*description);
            if (text.size() + 1 > kNameBuffer) continue;
            rows.push_back(
                {text.empty() ? "<Unknown Name>" : text, LocaleText(*version), LocaleText(*guid)});
        }
    }
    return rows;
}

std::pair<WORD, WORD> ParseLibraryVersion(const std::string& text) {
    auto major = static_cast<WORD>(std::atoi(text.c_str()));
    std::size_t dot = text.rfind('.');
    auto minor =
        dot == std::string::npos ? WORD{0} : static_cast<WORD>(std::atoi(text.c_str() + dot + 1));
    return {major, minor};
}

MachineServices::MachineServices(Registry registry, std::string prefix)
    : m_registry(std::move(registry)), m_fromPrefix(false), m_prefix(std::move(prefix)) {}

MachineServices::MachineServices(std::string prefix) : m_prefix(std::move(prefix)) {}

std::shared_ptr<MachineServices> MachineServices::ForDefaultPrefix() {
    return std::make_shared<MachineServices>(Registry::DefaultPrefix());
}

void MachineServices::ReloadRegistry() {
    if (!m_fromPrefix) return;
    m_versions.clear();
    m_searchFolders.reset();
    m_environment.reset();
    m_registry.reset();
}

void MachineServices::SetWarningSink(RegistryWarningSink sink) {
    m_warningSink = std::move(sink);
}

const Registry& MachineServices::GetRegistry() const {
    if (!m_registry) {
        // Values are read when asked for: a run needs a few keys of files
        // that hold thousands. Whoever listens for warnings hears of
        // skipped lines too, which takes reading them all.
        std::vector<RegistryWarning> warnings;
        m_registry = Registry::LoadWinePrefix(
            m_prefix, &warnings,
            m_warningSink ? Registry::ValueReading::kAtLoad : Registry::ValueReading::kWhenAsked);
        for (const RegistryWarning& warning : warnings) {
            if (m_warningSink) {
                m_warningSink(warning);
            } else if (warning.kind == RegistryWarning::kNotRead ||
                       warning.kind == RegistryWarning::kTooDeep) {
                std::fprintf(stderr, "%s\n", warning.text.c_str());
            }
        }
    }
    return *m_registry;
}

LoadOptions MachineServices::Options() {
    if (!m_weakSelf) m_weakSelf = std::make_shared<WeakResolver>(weak_from_this());
    LoadOptions options;
    options.resolver = m_weakSelf;
    return options;
}

HRESULT MachineServices::ProgIDFromCLSID(const CLSID& clsid, std::u16string& progId) const {
    auto key = GetRegistry().OpenClassesRoot("CLSID\\" + GuidToString(clsid) + "\\ProgID");
    if (!key) return REGDB_E_CLASSNOTREG;
    auto text = key->Text("");
    if (!text || text->empty()) return REGDB_E_CLASSNOTREG;
    progId = Utf8ToUtf16(*text);
    return S_OK;
}

HRESULT MachineServices::CLSIDFromString(std::u16string_view text, CLSID& clsid) const {
    if (!text.empty() && text.front() == u'{') {
        auto guid = GuidFromString(text);
        if (!guid) return CO_E_CLASSSTRING;
        clsid = *guid;
        return S_OK;
    }
    std::string progId = Utf16ToUtf8(text);
    if (progId.empty() || progId.find('\\') != std::string::npos) return CO_E_CLASSSTRING;
    auto key = GetRegistry().OpenClassesRoot(progId + "\\CLSID");
    auto value = key ? key->Text("") : std::nullopt;
    auto guid = value ? GuidFromString(Utf8ToUtf16(*value)) : std::nullopt;
    if (!guid) return CO_E_CLASSSTRING;
    clsid = *guid;
    return S_OK;
}

const PrefixEnvironment& MachineServices::Environment() const {
    if (!m_environment) m_environment.emplace(GetRegistry());
    return *m_environment;
}

std::string MachineServices::UnixPath(const std::string& windowsPath) const {
    const PrefixEnvironment& environment = Environment();
    auto expanded = ExpandEnvironmentStrings(
        windowsPath, [&](std::string_view name) { return environment.Find(name); });
    auto path = expanded ? ParseWindowsPath(*expanded) : std::nullopt;
    if (!path) return {};
    if (path->root != WindowsPath::kBare) return MapOntoPrefix(*path);
    // A file name alone: the first regular file of that name in the
    // folders the platform's loader searches.
    for (const SearchFolder& folder : SearchFolders()) {
        const std::string* entry = folder.Find(path->parts[0]);
        if (!entry) continue;
        std::string file = folder.path + "/" + *entry;
        if (!IsRegularFile(file)) continue;
        return path->parts.size() == 2 ? file + "/" + path->parts[1] : file;
    }
    return {};
}

const std::string* MachineServices::SearchFolder::Find(const std::string& name) const {
    if (auto exact = names.find(name); exact != names.end()) return &*exact;
    auto folded = byLowerName.find(LowerAscii(name));
    return folded == byLowerName.end() ? nullptr : &folded->second;
}

const std::vector<MachineServices::SearchFolder>& MachineServices::SearchFolders() const {
    // Each folder is listed once: every registered file name may have to be
    // looked for in all of them.
    if (m_searchFolders) return *m_searchFolders;
    m_searchFolders.emplace();
    for (const std::string& text : Environment().SearchFolders()) {
        auto folder = ParseWindowsPath(text);
        if (!folder || folder->root == WindowsPath::kBare) continue;
        SearchFolder listed;
        listed.path = MapOntoPrefix(*folder);
        DIR* dir = listed.path.empty() ? nullptr : opendir(listed.path.c_str());
        if (!dir) continue;
        while (dirent* entry = readdir(dir)) {
            listed.names.insert(entry->d_name);
            listed.byLowerName.emplace(LowerAscii(entry->d_name), entry->d_name);
        }
        closedir(dir);
        m_searchFolders->push_back(std::move(listed));
    }
    return *m_searchFolders;
}

std::string MachineServices::MapOntoPrefix(const WindowsPath& path) const {
    // Wine's drives are dosdevices/c: and so on; UNC shares are
    // dosdevices/unc/server/share.
    auto root = FindIgnoringCase(m_prefix + "/dosdevices", path.root == WindowsPath::kUnc
                                                               ? std::string("unc")
                                                               : std::string{path.drive, ':'});
    if (!root) return {};
    std::string current = *root;
    for (std::size_t i = 0; i < path.parts.size(); ++i) {
        const std::string& part = path.parts[i];
        auto found = FindIgnoringCase(current, part);
        if (!found) {
            // "file.dll\2" names resource 2 of file.dll.
            bool digits = part.find_first_not_of("0123456789") == std::string::npos;
            if (i + 1 == path.parts.size() && digits && IsRegularFile(current))
                return current + "/" + part;
            return {};
        }
        current = *found;
    }
    return current;
}

HRESULT MachineServices::RegisteredFile(const GUID& guid, WORD major, WORD minor, LCID lcid,
                                        std::string& file) const {
    std::string name = GuidToString(guid);
    auto versions = m_versions.find(name);
    if (versions == m_versions.end()) {
        auto library = GetRegistry().OpenClassesRoot("TypeLib\\" + name);
        if (!library) return TYPE_E_LIBNOTREGISTERED;
        versions = m_versions.emplace(name, RegisteredVersions(*library)).first;
    }
    auto registered = versions->second.File(major, minor, lcid);
    if (!registered) return TYPE_E_LIBNOTREGISTERED;
    file = *registered;
    return S_OK;
}

HRESULT MachineServices::QueryPathOfRegTypeLib(const GUID& guid, WORD major, WORD minor, LCID lcid,
                                               std::string& path) const {
    std::string file;
    HRESULT hr = RegisteredFile(guid, major, minor, lcid, file);
    if (FAILED(hr)) return hr;
    path = UnixPath(file);
    return path.empty() ? TYPE_E_CANTLOADLIBRARY : S_OK;
}

HRESULT MachineServices::LoadRegTypeLib(const GUID& guid, WORD major, WORD minor, LCID lcid,
                                        ComPtr<ITypeLib>& lib, std::string* file,
                                        std::string* why) {
    std::string registered;
    HRESULT hr = RegisteredFile(guid, major, minor, lcid, registered);
    if (FAILED(hr)) {
        char version[16];
        std::snprintf(version, sizeof version, "%x.%x", major, minor);
        if (file) *file = "TypeLib\\" + GuidToString(guid) + "\\" + version;
        if (why) *why = reason::kVersionNotRegistered;
        return hr;
    }
    std::string path = UnixPath(registered);
    if (path.empty()) {
        if (file) *file = registered;
        if (why) *why = reason::kNotInPrefix;
        return TYPE_E_CANTLOADLIBRARY;
    }
    if (file) *file = path;
    return LoadTypeLibEx(path, Options(), lib, why);
}

HRESULT MachineServices::LoadImport(const ImportSpec& spec, const std::string& importerPath,
                                    ComPtr<ITypeLib>& lib) {
    std::string key = GuidToString(spec.libGuid) + "#" + std::to_string(spec.wMajorVerNum) + "." +
                      std::to_string(spec.wMinorVerNum);
    auto cached = m_loaded.find(key);
    if (cached != m_loaded.end()) {
        lib = cached->second;
        return S_OK;
    }
    ComPtr<ITypeLib> loaded;
    HRESULT hr =
        LoadRegTypeLib(spec.libGuid, spec.wMajorVerNum, spec.wMinorVerNum, spec.lcid, loaded);
    if (FAILED(hr) && spec.libGuid == StdoleLibGuid()) hr = LoadEmbeddedStdole(loaded);
    if (FAILED(hr) && !importerPath.empty()) {
        // A library of the recorded file name beside the importing file.
        std::string recorded = Utf16ToUtf8(spec.fileName);
        std::string name = recorded.substr(recorded.find_last_of("\\/") + 1);
        std::string folder = importerPath.substr(0, importerPath.find_last_of('/'));
        if (importerPath.find('/') == std::string::npos) folder = ".";
        auto beside = name.empty() ? std::nullopt : FindIgnoringCase(folder, name);
        if (beside && *beside != importerPath) hr = LoadTypeLibEx(*beside, Options(), loaded);
    }
    if (FAILED(hr) || !loaded) return FAILED(hr) ? hr : TYPE_E_CANTLOADLIBRARY;
    m_loaded.emplace(key, loaded);
    lib = loaded;
    return S_OK;
}

}  // namespace qorvix
