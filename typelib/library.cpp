#include "typelib/library.h"

#include "typelib/views.h"

namespace qorvix {
namespace views {
namespace {

thread_local FailureInfo g_lastFailure;

}  // namespace

void KeepFailure(const ReadStatus& status) {
    g_lastFailure = FailureInfo{status.Reason(), status.Offset()};
}

bool IsDualPair(const StoredType& t) {
    return (t.wTypeFlags & TYPEFLAG_FDUAL) &&
           (t.typekind == TKIND_DISPATCH || t.typekind == TKIND_INTERFACE);
}

std::size_t GuidHash::operator()(const GUID& g) const {
    std::uint64_t a = g.Data1 | (std::uint64_t{g.Data2} << 32) | (std::uint64_t{g.Data3} << 48);
    std::uint64_t b = 0;
    for (std::uint8_t byte : g.Data4)
        b = (b << 8) | byte;
    return std::hash<std::uint64_t>()(a * 0x9E3779B97F4A7C15ull ^ b);
}

TypeLibImpl::TypeLibImpl(std::unique_ptr<StoredLibrary> stored, LoadOptions options,
                         std::string path)
    : m_stored(std::move(stored)),
      m_attr(m_stored->LibAttr()),
      m_options(std::move(options)),
      m_path(std::move(path)) {
    UINT count = m_stored->TypeCount();
    m_views.resize(count);
    m_twins.resize(count);
}

HRESULT TypeLibImpl::GetTypeInfo(UINT index, ComPtr<ITypeInfo>& info) {
    TypeInfoImpl* view = nullptr;
    HRESULT hr = ViewOf(index, false, view);
    if (FAILED(hr)) return hr;
    info = ComPtr<ITypeInfo>(view);
    return S_OK;
}

HRESULT TypeLibImpl::GetTypeInfoType(UINT index, TYPEKIND* kind) {
    StoredType type;
    ReadStatus status = m_stored->Type(index, type);
    if (!status.Ok()) return Report(status);
    if (kind) *kind = type.typekind;
    return S_OK;
}

HRESULT TypeLibImpl::GetTypeInfoOfGuid(const GUID& guid, ComPtr<ITypeInfo>& info) {
    if (!m_guidIndex) {
        m_guidIndex.emplace();
        for (UINT i = 0; i < m_stored->TypeCount(); ++i) {
            StoredType type;
            if (m_stored->Type(i, type).Ok() && !type.guid.IsNull()) {
                m_guidIndex->emplace(type.guid, i);
            }
        }
    }
    auto it = m_guidIndex->find(guid);
    if (it == m_guidIndex->end()) return Report(TYPE_E_ELEMENTNOTFOUND);
    return GetTypeInfo(it->second, info);
}

HRESULT TypeLibImpl::GetLibAttr(LibAttrPtr& attr) {
    attr = std::make_unique<TLIBATTR>(m_attr);
    return S_OK;
}

HRESULT TypeLibImpl::GetDocumentation(INT index, Bstr* name, Bstr* docString, DWORD* helpContext,
                                      Bstr* helpFile) {
    if (index == -1) {
        m_stored->LibDocumentation(name, docString, helpContext, helpFile);
        return S_OK;
    }
    if (index < 0 || static_cast<UINT>(index) >= m_stored->TypeCount()) {
        return Report(TYPE_E_ELEMENTNOTFOUND);
    }
    ReadStatus status =
        m_stored->TypeDocumentation(static_cast<UINT>(index), name, docString, helpContext);
    if (!status.Ok()) return Report(status);
    if (helpFile) m_stored->LibDocumentation(nullptr, nullptr, nullptr, helpFile);
    return S_OK;
}

HRESULT TypeLibImpl::ViewOf(UINT index, bool twin, TypeInfoImpl*& out) {
    if (index >= m_views.size()) return Report(TYPE_E_ELEMENTNOTFOUND);
    auto& slot = twin ? m_twins[index] : m_views[index];
    if (!slot) {
        StoredType type;
        ReadStatus status = m_stored->Type(index, type);
        if (!status.Ok()) return Report(status);
        View view = type.typekind == TKIND_DISPATCH ? View::Dispatch : View::Plain;
        if (twin) {
            if (!IsDualPair(type)) return Report(TYPE_E_ELEMENTNOTFOUND);
            view = type.typekind == TKIND_DISPATCH ? View::Interface : View::Dispatch;
        }
        slot = std::make_unique<TypeInfoImpl>(this, index, view, std::move(type));
    }
    out = slot.get();
    return S_OK;
}

HRESULT TypeLibImpl::ResolveLibraryHref(HREFTYPE href, ComPtr<ITypeInfo>& info) {
    // An imported type once found is kept: decoding its reference again
    // would only find the same import.
    auto known = m_importedTypes.find(href);
    if (known != m_importedTypes.end()) {
        info = known->second;
        return S_OK;
    }
    HrefTarget target;
    ReadStatus status = m_stored->ResolveHref(href, target);
    if (!status.Ok()) return Report(status);
    if (!target.imported) return GetTypeInfo(target.localIndex, info);
    ComPtr<ITypeLib> lib;
    HRESULT hr = Import(target.import, lib);
    if (FAILED(hr)) return hr;
    hr = target.import.byGuid ? lib->GetTypeInfoOfGuid(target.import.typeGuid, info)
                              : lib->GetTypeInfo(target.import.typeIndex, info);
    if (SUCCEEDED(hr)) m_importedTypes.emplace(href, info);
    return hr;
}

HRESULT TypeLibImpl::Import(const ImportSpec& spec, ComPtr<ITypeLib>& lib) {
    auto it = m_imports.find(spec.key);
    if (it == m_imports.end()) {
        ComPtr<ITypeLib> loaded;
        HRESULT hr;
        if (m_options.resolver) {
            hr = m_options.resolver->LoadImport(spec, m_path, loaded);
        } else if (spec.libGuid == StdoleLibGuid()) {
            hr = LoadEmbeddedStdole(loaded);
        } else {
            hr = TYPE_E_CANTLOADLIBRARY;
        }
        if (SUCCEEDED(hr) && !loaded) hr = TYPE_E_CANTLOADLIBRARY;
        it = m_imports.emplace(spec.key, std::make_pair(hr, loaded)).first;
    }
    if (FAILED(it->second.first)) {
        return Report({it->second.first, "the library it imports from cannot be loaded", -1});
    }
    lib = it->second.second;
    return S_OK;
}

HRESULT TypeLibImpl::DispatchTypeInfo(ComPtr<ITypeInfo>& info) {
    HREFTYPE href;
    if (m_stored->DispatchHref(href) && SUCCEEDED(ResolveLibraryHref(href, info))) return S_OK;
    ComPtr<ITypeLib> stdole;
    HRESULT hr = LoadEmbeddedStdole(stdole);
    if (FAILED(hr)) return Report(hr);
    static const GUID kIDispatch{0x00020400, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    return stdole->GetTypeInfoOfGuid(kIDispatch, info);
}

}  // namespace views

FailureInfo LastFailureInfo() {
    return views::g_lastFailure;
}

ComPtr<ITypeLib> MakeTypeLib(std::unique_ptr<StoredLibrary> stored, LoadOptions options,
                             std::string path) {
    return ComPtr<ITypeLib>(
        new views::TypeLibImpl(std::move(stored), std::move(options), std::move(path)));
}

}  // namespace qorvix
