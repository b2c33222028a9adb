// Loading type libraries: the stand-in for the platform's LoadTypeLib.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "typelib/byte_source.h"
#include "typelib/stored_library.h"
#include "typelib/typelib.h"

namespace qorvix {

// Finds the library that an import names. The machine-services layer
// implements it over the registry; without one, only the embedded stdole2
// resolves.
class ImportResolver {
  public:
    virtual ~ImportResolver() = default;
    // `importerPath` is the importing library's file, or empty for bytes
    // that did not come from a file.
    virtual HRESULT LoadImport(const ImportSpec& spec, const std::string& importerPath,
                               ComPtr<ITypeLib>& lib) = 0;
};

struct LoadOptions {
    std::shared_ptr<ImportResolver> resolver;  // null: the embedded stdole2 only
    TextDecoder decoder;                       // null: windows-1252
};

// The platform's convention: "C:\x\lib.dll\2" loads TYPELIB resource 2 of
// lib.dll. Splits such a path when the literal file does not exist.
struct TypeLibPath {
    std::string file;
    std::uint32_t resourceId = 1;
};
TypeLibPath SplitTypeLibPath(const std::string& path);

// S_OK with a library, or a failure status. `why` (optional) receives a
// reason for people.
HRESULT LoadTypeLib(const std::string& path, ComPtr<ITypeLib>& lib);
HRESULT LoadTypeLibEx(const std::string& path, const LoadOptions& options, ComPtr<ITypeLib>& lib,
                      std::string* why = nullptr);
HRESULT LoadTypeLibFromBytes(std::shared_ptr<const ByteSource> bytes, std::uint32_t resourceId,
                             const LoadOptions& options, ComPtr<ITypeLib>& lib,
                             std::string* why = nullptr);
// As above, for bytes that came from the file `path` (imports are searched
// beside it).
HRESULT LoadTypeLibFromBytesAt(std::shared_ptr<const ByteSource> bytes, std::uint32_t resourceId,
                               const LoadOptions& options, const std::string& path,
                               ComPtr<ITypeLib>& lib, std::string* why = nullptr);

// The OLE Automation library compiled into the program, loaded once per
// process and shared.
HRESULT LoadEmbeddedStdole(ComPtr<ITypeLib>& lib);
// {00020430-0000-0000-C000-000000000046}
const GUID& StdoleLibGuid();

}  // namespace qorvix
