// The machine's COM services, on a Wine prefix's registry: ProgIDs, class
// ids from text, registered type libraries, and the libraries that types
// import.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/prefix_environment.h"
#include "platform/registered_versions.h"
#include "platform/registry.h"
#include "platform/windows_path.h"
#include "typelib/load.h"

namespace qorvix {

// One row of the registered type libraries: one registered version.
struct RegisteredLibrary {
    std::string description;  // "<Unknown Name>" when the registry has none
    std::string version;      // the version key's name, as stored ("1.0", "1.a")
    std::string guid;         // the library key's name, as stored
};

// The list's registry walk: every version key of every library key under
// HKEY_CLASSES_ROOT\TypeLib whose description fits 64 bytes, terminator
// included, in the locale's character set.
std::vector<RegisteredLibrary> FillLibraryList(const Registry& registry);

// Major and minor version from a version key's name, both read as
// decimal numbers with atoi's rules: "2.1" -> 2, 1; "3" -> 3, 0; "1.a" -> 1, 0.
std::pair<WORD, WORD> ParseLibraryVersion(const std::string& text);

class MachineServices final : public ImportResolver,
                              public std::enable_shared_from_this<MachineServices> {
  public:
    // `prefix` is the Wine prefix whose drive folders the registry's paths
    // name (dosdevices).
    MachineServices(Registry registry, std::string prefix);
    // The registry of `prefix`, read when first needed.
    explicit MachineServices(std::string prefix);
    static std::shared_ptr<MachineServices> ForDefaultPrefix();

    const Registry& GetRegistry() const;
    // Reads the prefix's registry again (a registry given to the
    // constructor is kept).
    void ReloadRegistry();
    // Told what reading the prefix's files found. Without one, a file that
    // is there but was not read, and keys nested too deep, are reported on
    // standard error.
    using RegistryWarningSink = std::function<void(const RegistryWarning&)>;
    void SetWarningSink(RegistryWarningSink sink);

    HRESULT ProgIDFromCLSID(const CLSID& clsid, std::u16string& progId) const;
    // A braced GUID, or a ProgID looked up in the registry.
    HRESULT CLSIDFromString(std::u16string_view text, CLSID& clsid) const;
    // The registered file of a library version, as a path on this machine.
    HRESULT QueryPathOfRegTypeLib(const GUID& guid, WORD major, WORD minor, LCID lcid,
                                  std::string& path) const;
    // On failure `file` (optional) names what could not be loaded: the
    // registered file as a path of the prefix, else as registered, else the
    // version's key; and `why` (optional) says why.
    HRESULT LoadRegTypeLib(const GUID& guid, WORD major, WORD minor, LCID lcid,
                           ComPtr<ITypeLib>& lib, std::string* file = nullptr,
                           std::string* why = nullptr);
    // How libraries are loaded on this machine: imports resolve here.
    LoadOptions Options();

    // A registered Windows path as a path in the prefix, each component
    // found without regard to case: "C:\windows\x.tlb", the device and UNC
    // forms ("\\?\C:\...", "\\.\C:\...", "\\server\share\...",
    // "\\?\UNC\server\share\..."), either slash, environment references
    // ("%SystemRoot%\x.tlb"), and a file name alone, searched for in the
    // system folders and PATH. Empty when it names no file of the prefix.
    std::string UnixPath(const std::string& windowsPath) const;

    HRESULT LoadImport(const ImportSpec& spec, const std::string& importerPath,
                       ComPtr<ITypeLib>& lib) override;

  private:
    // A folder a file name alone is searched in, listed.
    struct SearchFolder {
        std::string path;
        std::unordered_set<std::string> names;
        std::unordered_map<std::string, std::string> byLowerName;  // the first of each
        const std::string* Find(const std::string& name) const;
    };

    // The file a library version registers, as registered (a Windows path).
    HRESULT RegisteredFile(const GUID& guid, WORD major, WORD minor, LCID lcid,
                           std::string& file) const;
    const PrefixEnvironment& Environment() const;
    const std::vector<SearchFolder>& SearchFolders() const;
    std::string MapOntoPrefix(const WindowsPath& path) const;

    mutable std::optional<Registry> m_registry;
    mutable std::optional<PrefixEnvironment> m_environment;
    mutable std::optional<std::vector<SearchFolder>> m_searchFolders;
    // Per library GUID, read when first asked for.
    mutable std::map<std::string, RegisteredVersions> m_versions;
    RegistryWarningSink m_warningSink;
    bool m_fromPrefix = true;
    std::string m_prefix;
    // Libraries loaded for imports, once per process.
    std::map<std::string, ComPtr<ITypeLib>> m_loaded;
    std::shared_ptr<ImportResolver> m_weakSelf;
};

}  // namespace qorvix
