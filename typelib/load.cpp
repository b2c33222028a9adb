#include "typelib/load.h"

#include <sys/stat.h>

#include "typelib/container.h"
#include "typelib/library.h"
#include "typelib/msft_library.h"
#include "typelib/sltg_library.h"

namespace qorvix {

namespace embedded {
extern const unsigned char kStdole2Tlb[];
extern const std::size_t kStdole2TlbSize;
}  // namespace embedded

namespace {

bool FileExists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

}  // namespace

TypeLibPath SplitTypeLibPath(const std::string& path) {
    TypeLibPath result{path, 1};
    if (FileExists(path)) return result;
    std::size_t separator = path.find_last_of("\\/");
    if (separator == std::string::npos || separator + 1 >= path.size()) return result;
    std::string digits = path.substr(separator + 1);
    if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) {
        return result;
    }
    result.file = path.substr(0, separator);
    result.resourceId = static_cast<std::uint32_t>(std::stoul(digits));
    return result;
}

HRESULT LoadTypeLib(const std::string& path, ComPtr<ITypeLib>& lib) {
    return LoadTypeLibEx(path, LoadOptions{}, lib);
}

HRESULT LoadTypeLibEx(const std::string& path, const LoadOptions& options, ComPtr<ITypeLib>& lib,
                      std::string* why) {
    TypeLibPath split = SplitTypeLibPath(path);
    ByteSource::FileRead read = ByteSource::ReadFile(split.file);
    if (!read.bytes) {
        if (why) *why = split.file + ": " + LibraryFileErrorText(read.error);
        return TYPE_E_CANTLOADLIBRARY;
    }
    return LoadTypeLibFromBytesAt(std::move(read.bytes), split.resourceId, options, split.file, lib,
                                  why);
}

HRESULT LoadTypeLibFromBytes(std::shared_ptr<const ByteSource> bytes, std::uint32_t resourceId,
                             const LoadOptions& options, ComPtr<ITypeLib>& lib, std::string* why) {
    return LoadTypeLibFromBytesAt(std::move(bytes), resourceId, options, std::string(), lib, why);
}

HRESULT LoadTypeLibFromBytesAt(std::shared_ptr<const ByteSource> bytes, std::uint32_t resourceId,
                               const LoadOptions& options, const std::string& path,
                               ComPtr<ITypeLib>& lib, std::string* why) {
    if (!bytes) return E_INVALIDARG;
    ContainerResult container = FindTypeLibImage(bytes->Bytes(), resourceId);
    if (!container.ok) {
        if (why) *why = container.error;
        return TYPE_E_CANTLOADLIBRARY;
    }
    // A DLL's library is kept without the rest of the DLL (libraries stay
    // loaded for the run, imported ones too).
    if (container.image.Size() < bytes->Bytes().Size() / 2) {
        bytes = ByteSource::Copy(container.image);
        container.image = bytes->Bytes();
    }
    std::unique_ptr<StoredLibrary> stored;
    ReadStatus status = container.format == ImageFormat::Msft
                            ? ParseMsft(container.image, bytes, options.decoder, stored)
                            : ParseSltg(container.image, bytes, options.decoder, stored);
    if (!status.Ok()) {
        if (why) *why = status.Reason();
        return status.Code();
    }
    lib = MakeTypeLib(std::move(stored), options, path);
    return S_OK;
}

const GUID& StdoleLibGuid() {
    static const GUID kGuid{0x00020430, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    return kGuid;
}

HRESULT LoadEmbeddedStdole(ComPtr<ITypeLib>& lib) {
    static const std::pair<HRESULT, ComPtr<ITypeLib>> kLoaded = [] {
        ComPtr<ITypeLib> loaded;
        HRESULT hr = LoadTypeLibFromBytes(
            ByteSource::Static(embedded::kStdole2Tlb, embedded::kStdole2TlbSize), 1, LoadOptions{},
            loaded);
        return std::make_pair(hr, loaded);
    }();
    if (FAILED(kLoaded.first)) return kLoaded.first;
    lib = kLoaded.second;
    return S_OK;
}

}  // namespace qorvix
