#include "typelib/library.h"

#include <algorithm>
#include <atomic>
#include <map>
#include <unordered_map>

namespace qorvix {
namespace {

constexpr HREFTYPE kDualTwinHref = 0xFFFFFFFEu;  // the platform's handle for a dual's other view
constexpr UINT kMaxBaseDepth = 64;

// Searches through base interfaces go through the public interface, across
// libraries; this bounds them when a malformed library makes a cycle.
thread_local UINT g_searchDepth = 0;

class DepthGuard {
  public:
    DepthGuard() : m_ok(g_searchDepth < kMaxBaseDepth) {
        if (m_ok) ++g_searchDepth;
    }
    ~DepthGuard() {
        if (m_ok) --g_searchDepth;
    }
    bool Ok() const { return m_ok; }

  private:
    bool m_ok;
};

class TypeLibImpl;

enum class View {
    Plain,      // presented as stored
    Dispatch,   // a TKIND_DISPATCH view: functions with inherited ones and rewriting
    Interface,  // the TKIND_INTERFACE twin of a dual stored as a dispinterface
};

struct GuidHash {
    std::size_t operator()(const GUID& g) const {
        std::uint64_t a = g.Data1 | (std::uint64_t{g.Data2} << 32) | (std::uint64_t{g.Data3} << 48);
        std::uint64_t b = 0;
        for (std::uint8_t byte : g.Data4)
            b = (b << 8) | byte;
        return std::hash<std::uint64_t>()(a * 0x9E3779B97F4A7C15ull ^ b);
    }
};

bool IsDualPair(const StoredType& t) {
    return (t.wTypeFlags & TYPEFLAG_FDUAL) &&
           (t.typekind == TKIND_DISPATCH || t.typekind == TKIND_INTERFACE);
}

// A handle that this layer made up: it leads through another type info
// (or this library), possibly to the interface view of what it finds.
struct ForeignRef {
    ComPtr<ITypeInfo> direct;  // set: this is the target
    ComPtr<ITypeInfo> keep;    // owns `via` when it lives in another library
    ITypeInfo* via = nullptr;  // null: resolve `href` in this library
    HREFTYPE href = 0;
    bool interfaceView = false;
};

// One function of a dispatch view: stored in this type, or inherited.
struct FuncEntry {
    ITypeInfo* src = nullptr;  // null: this type's own stored function
    ComPtr<ITypeInfo> keep;    // set when `src` lives in another library
    UINT index = 0;
    MEMBERID memid = MEMBERID_NIL;
    std::optional<SHORT> presentedParams;  // once known
};

class TypeInfoImpl final : public ITypeInfo {
  public:
    TypeInfoImpl(TypeLibImpl* lib, UINT index, View view, StoredType type)
        : m_lib(lib), m_index(index), m_view(view), m_type(std::move(type)) {}

    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT GetTypeAttr(TypeAttrPtr& attr) override;
    HRESULT GetFuncDesc(UINT index, FuncDescPtr& desc) override;
    HRESULT GetVarDesc(UINT index, VarDescPtr& desc) override;
    HRESULT GetNames(MEMBERID memid, std::vector<Bstr>& names, UINT maxNames) override;
    HRESULT GetRefTypeOfImplType(UINT index, HREFTYPE* href) override;
    HRESULT GetImplTypeFlags(UINT index, INT* flags) override;
    HRESULT GetDocumentation(MEMBERID memid, Bstr* name, Bstr* docString, DWORD* helpContext,
                             Bstr* helpFile) override;
    HRESULT GetRefTypeInfo(HREFTYPE href, ComPtr<ITypeInfo>& info) override;
    HRESULT GetContainingTypeLib(ComPtr<ITypeLib>& lib, UINT* index) override;
    HRESULT GetDllEntry(MEMBERID memid, INVOKEKIND invkind, Bstr* dllName, Bstr* name,
                        WORD* ordinal) override;

    TypeLibImpl* Library() const { return m_lib; }

  private:
    const StoredLibrary& Stored() const;
    TYPEKIND PresentedKind() const;
    bool InterfaceLike() const { return PresentedKind() == TKIND_INTERFACE; }
    const StoredMembers* Members();
    const std::vector<FuncEntry>& FuncList();
    void AppendChain(ITypeInfo* base, std::vector<ITypeInfo*>& visited);
    HRESULT PresentedFunc(UINT index, FUNCDESC& out);
    HREFTYPE AddForeign(ForeignRef ref);
    HRESULT BaseTypeInfo(ComPtr<ITypeInfo>& base);
    // Index of the first function (or variable) with `memid`.
    std::optional<UINT> FindFunc(MEMBERID memid);
    std::optional<UINT> FindVar(MEMBERID memid);
    void IndexMembers();
    bool SameLibrary(ITypeInfo* other) const;

    TypeLibImpl* m_lib;  // owns this object
    UINT m_index;
    View m_view;
    StoredType m_type;
    bool m_membersRead = false;
    std::optional<StoredMembers> m_members;
    bool m_funcListBuilt = false;
    std::vector<FuncEntry> m_funcList;
    std::vector<ForeignRef> m_foreign;
    bool m_membersIndexed = false;
    std::vector<std::pair<MEMBERID, UINT>> m_funcsById;
    std::vector<std::pair<MEMBERID, UINT>> m_varsById;
};

class TypeLibImpl final : public ITypeLib {
  public:
    TypeLibImpl(std::unique_ptr<StoredLibrary> stored, LoadOptions options, std::string path)
        : m_stored(std::move(stored)), m_options(std::move(options)), m_path(std::move(path)) {
        UINT count = m_stored->TypeCount();
        m_views.resize(count);
        m_twins.resize(count);
    }

    ULONG AddRef() override { return ++m_refs; }
    ULONG Release() override {
        ULONG refs = --m_refs;
        if (refs == 0) delete this;
        return refs;
    }

    UINT GetTypeInfoCount() override { return m_stored->TypeCount(); }

    HRESULT GetTypeInfo(UINT index, ComPtr<ITypeInfo>& info) override {
        TypeInfoImpl* view = nullptr;
        HRESULT hr = ViewOf(index, false, view);
        if (FAILED(hr)) return hr;
        info = ComPtr<ITypeInfo>(view);
        return S_OK;
    }

    HRESULT GetTypeInfoType(UINT index, TYPEKIND* kind) override {
        StoredType type;
        HRESULT hr = m_stored->Type(index, type);
        if (FAILED(hr)) return hr;
        if (kind) *kind = type.typekind;
        return S_OK;
    }

    HRESULT GetTypeInfoOfGuid(const GUID& guid, ComPtr<ITypeInfo>& info) override {
        if (!m_guidIndex) {
            m_guidIndex.emplace();
            for (UINT i = 0; i < m_stored->TypeCount(); ++i) {
                StoredType type;
                if (SUCCEEDED(m_stored->Type(i, type)) && !type.guid.IsNull()) {
                    m_guidIndex->emplace(type.guid, i);
                }
            }
        }
        auto it = m_guidIndex->find(guid);
        if (it == m_guidIndex->end()) return TYPE_E_ELEMENTNOTFOUND;
        return GetTypeInfo(it->second, info);
    }

    HRESULT GetLibAttr(LibAttrPtr& attr) override {
        attr = std::make_unique<TLIBATTR>(m_stored->LibAttr());
        return S_OK;
    }

    HRESULT GetDocumentation(INT index, Bstr* name, Bstr* docString, DWORD* helpContext,
                             Bstr* helpFile) override {
        if (index == -1) {
            m_stored->LibDocumentation(name, docString, helpContext, helpFile);
            return S_OK;
        }
        if (index < 0 || static_cast<UINT>(index) >= m_stored->TypeCount()) {
            return TYPE_E_ELEMENTNOTFOUND;
        }
        HRESULT hr =
            m_stored->TypeDocumentation(static_cast<UINT>(index), name, docString, helpContext);
        if (SUCCEEDED(hr) && helpFile)
            m_stored->LibDocumentation(nullptr, nullptr, nullptr, helpFile);
        return hr;
    }

    const StoredLibrary& Stored() const { return *m_stored; }

    UINT PointerSize() const { return m_stored->LibAttr().syskind == SYS_WIN64 ? 8 : 4; }

    // The view of a type: its primary view, or the other view of a dual.
    HRESULT ViewOf(UINT index, bool twin, TypeInfoImpl*& out) {
        if (index >= m_views.size()) return TYPE_E_ELEMENTNOTFOUND;
        auto& slot = twin ? m_twins[index] : m_views[index];
        if (!slot) {
            StoredType type;
            HRESULT hr = m_stored->Type(index, type);
            if (FAILED(hr)) return hr;
            View view = type.typekind == TKIND_DISPATCH ? View::Dispatch : View::Plain;
            if (twin) {
                if (!IsDualPair(type)) return TYPE_E_ELEMENTNOTFOUND;
                view = type.typekind == TKIND_DISPATCH ? View::Interface : View::Dispatch;
            }
            slot = std::make_unique<TypeInfoImpl>(this, index, view, std::move(type));
        }
        out = slot.get();
        return S_OK;
    }

    // A reference handle of the decoder (low bits 00 or 01).
    HRESULT ResolveLibraryHref(HREFTYPE href, ComPtr<ITypeInfo>& info) {
        HrefTarget target;
        HRESULT hr = m_stored->ResolveHref(href, target);
        if (FAILED(hr)) return hr;
        if (!target.imported) return GetTypeInfo(target.localIndex, info);
        auto known = m_importedTypes.find(href);
        if (known != m_importedTypes.end()) {
            info = known->second;
            return S_OK;
        }
        ComPtr<ITypeLib> lib;
        hr = Import(target.import, lib);
        if (FAILED(hr)) return hr;
        hr = target.import.byGuid ? lib->GetTypeInfoOfGuid(target.import.typeGuid, info)
                                  : lib->GetTypeInfo(target.import.typeIndex, info);
        if (SUCCEEDED(hr)) m_importedTypes.emplace(href, info);
        return hr;
    }

    HRESULT Import(const ImportSpec& spec, ComPtr<ITypeLib>& lib) {
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
        if (FAILED(it->second.first)) return it->second.first;
        lib = it->second.second;
        return S_OK;
    }

    // IDispatch as seen from this library, for dispatch views.
    HRESULT DispatchTypeInfo(ComPtr<ITypeInfo>& info) {
        HREFTYPE href;
        if (m_stored->DispatchHref(href) && SUCCEEDED(ResolveLibraryHref(href, info))) return S_OK;
        ComPtr<ITypeLib> stdole;
        HRESULT hr = LoadEmbeddedStdole(stdole);
        if (FAILED(hr)) return hr;
        static const GUID kIDispatch{0x00020400, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
        return stdole->GetTypeInfoOfGuid(kIDispatch, info);
    }

  private:
    std::atomic<ULONG> m_refs{0};
    std::unique_ptr<StoredLibrary> m_stored;
    LoadOptions m_options;
    std::string m_path;
    std::vector<std::unique_ptr<TypeInfoImpl>> m_views;
    std::vector<std::unique_ptr<TypeInfoImpl>> m_twins;
    std::map<std::uint32_t, std::pair<HRESULT, ComPtr<ITypeLib>>> m_imports;
    std::optional<std::unordered_map<GUID, UINT, GuidHash>> m_guidIndex;
    // Imported types once found: imports repeat across a library.
    std::unordered_map<HREFTYPE, ComPtr<ITypeInfo>> m_importedTypes;
};

ULONG TypeInfoImpl::AddRef() {
    return m_lib->AddRef();
}
ULONG TypeInfoImpl::Release() {
    return m_lib->Release();
}

const StoredLibrary& TypeInfoImpl::Stored() const {
    return m_lib->Stored();
}

TYPEKIND TypeInfoImpl::PresentedKind() const {
    switch (m_view) {
        case View::Dispatch:
            return TKIND_DISPATCH;
        case View::Interface:
            return TKIND_INTERFACE;
        case View::Plain:
            break;
    }
    return m_type.typekind;
}

bool TypeInfoImpl::SameLibrary(ITypeInfo* other) const {
    auto* impl = dynamic_cast<TypeInfoImpl*>(other);
    return impl && impl->m_lib == m_lib;
}

const StoredMembers* TypeInfoImpl::Members() {
    if (!m_membersRead) {
        m_membersRead = true;
        StoredMembers members;
        if (SUCCEEDED(Stored().Members(m_index, members))) m_members = std::move(members);
    }
    return m_members ? &*m_members : nullptr;
}

HREFTYPE TypeInfoImpl::AddForeign(ForeignRef ref) {
    for (std::size_t i = 0; i < m_foreign.size(); ++i) {
        const ForeignRef& f = m_foreign[i];
        if (f.direct == ref.direct && f.via == ref.via && f.href == ref.href &&
            f.interfaceView == ref.interfaceView) {
            return static_cast<HREFTYPE>(i << 2) | 3u;
        }
    }
    m_foreign.push_back(std::move(ref));
    return static_cast<HREFTYPE>((m_foreign.size() - 1) << 2) | 3u;
}

// The interface view of `info` when it is a dual's dispatch view.
ComPtr<ITypeInfo> InterfaceViewOf(ComPtr<ITypeInfo> info) {
    TypeAttrPtr attr;
    if (FAILED(info->GetTypeAttr(attr))) return info;
    if (attr->typekind != TKIND_DISPATCH || !(attr->wTypeFlags & TYPEFLAG_FDUAL)) return info;
    HREFTYPE twin;
    ComPtr<ITypeInfo> result;
    if (SUCCEEDED(info->GetRefTypeOfImplType(static_cast<UINT>(-1), &twin)) &&
        SUCCEEDED(info->GetRefTypeInfo(twin, result))) {
        return result;
    }
    return info;
}

void TypeInfoImpl::AppendChain(ITypeInfo* base, std::vector<ITypeInfo*>& visited) {
    if (visited.size() >= kMaxBaseDepth ||
        std::find(visited.begin(), visited.end(), base) != visited.end()) {
        return;
    }
    visited.push_back(base);
    TypeAttrPtr attr;
    if (FAILED(base->GetTypeAttr(attr))) return;
    if (attr->cImplTypes > 0) {
        HREFTYPE href;
        ComPtr<ITypeInfo> next;
        if (SUCCEEDED(base->GetRefTypeOfImplType(0, &href)) &&
            SUCCEEDED(base->GetRefTypeInfo(href, next))) {
            next = InterfaceViewOf(next);
            AppendChain(next.Get(), visited);
            // `next` may be released now: the entries keep what they need.
        }
    }
    bool foreign = !SameLibrary(base);
    for (UINT i = 0; i < attr->cFuncs; ++i) {
        FuncDescPtr desc;
        if (FAILED(base->GetFuncDesc(i, desc))) continue;
        FuncEntry entry;
        entry.src = base;
        if (foreign) entry.keep = ComPtr<ITypeInfo>(base);
        entry.index = i;
        entry.memid = desc->memid;
        m_funcList.push_back(std::move(entry));
    }
}

const std::vector<FuncEntry>& TypeInfoImpl::FuncList() {
    if (m_funcListBuilt) return m_funcList;
    m_funcListBuilt = true;
    if (m_type.hasBase) {
        ComPtr<ITypeInfo> base;
        if (SUCCEEDED(m_lib->ResolveLibraryHref(m_type.baseHref, base))) {
            base = InterfaceViewOf(base);
            std::vector<ITypeInfo*> visited{this};
            // Inherited functions from this library point at views the
            // library owns; those from another keep their library alive.
            AppendChain(base.Get(), visited);
        }
    }
    if (const StoredMembers* members = Members()) {
        for (UINT i = 0; i < members->funcMemids.size(); ++i) {
            FuncEntry entry;
            entry.index = i;
            entry.memid = members->funcMemids[i];
            m_funcList.push_back(std::move(entry));
        }
    }
    return m_funcList;
}

HRESULT TypeInfoImpl::GetTypeAttr(TypeAttrPtr& attr) {
    auto result = std::make_unique<TYPEATTR>();
    result->guid = m_type.guid;
    result->lcid = Stored().LibAttr().lcid;
    result->cbSizeInstance = m_type.cbSizeInstance;
    result->typekind = PresentedKind();
    result->cFuncs = m_type.cFuncs;
    result->cVars = m_type.cVars;
    result->cImplTypes = m_type.cImplTypes;
    result->cbSizeVft = m_type.cbSizeVft;
    result->cbAlignment = m_type.cbAlignment;
    result->wTypeFlags = m_type.wTypeFlags;
    result->wMajorVerNum = m_type.wMajorVerNum;
    result->wMinorVerNum = m_type.wMinorVerNum;
    if (m_type.typekind == TKIND_ALIAS) result->tdescAlias = m_type.tdescAlias;
    switch (m_view) {
        case View::Dispatch:
            result->cFuncs = static_cast<WORD>(std::min<std::size_t>(FuncList().size(), 0xFFFF));
            result->cImplTypes = 1;
            result->cbSizeVft = static_cast<WORD>(7 * m_lib->PointerSize());
            result->wTypeFlags &= static_cast<WORD>(~TYPEFLAG_FOLEAUTOMATION);
            break;
        case View::Interface:
            result->cImplTypes = m_type.hasBase ? 1 : 0;
            break;
        case View::Plain:
            break;
    }
    attr = std::move(result);
    return S_OK;
}

// The rewriting a dispatch view applies to an interface-style function.
void RewriteForDispatch(FUNCDESC& f) {
    if (f.funckind == FUNC_DISPATCH) {
        f.oVft = 0;
        return;
    }
    f.funckind = FUNC_DISPATCH;
    f.oVft = static_cast<SHORT>(f.oVft & ~3);
    auto& params = f.lprgelemdescParam;
    if (!params.empty() && (params.back().paramdesc.wParamFlags & PARAMFLAG_FRETVAL)) {
        const TYPEDESC& last = params.back().tdesc;
        f.elemdescFunc = ELEMDESC{};
        f.elemdescFunc.tdesc = (last.vt == VT_PTR && last.lptdesc) ? *last.lptdesc : last;
        params.pop_back();
    } else if (f.elemdescFunc.tdesc.vt == VT_HRESULT) {
        f.elemdescFunc.tdesc = TYPEDESC{VT_VOID};
    }
    if (!params.empty() && (params.back().paramdesc.wParamFlags & PARAMFLAG_FLCID)) {
        params.pop_back();
    }
    f.cParams = static_cast<SHORT>(params.size());
    if (f.cParamsOpt > f.cParams) f.cParamsOpt = f.cParams;
}

// Rebuilds a description so that its user-defined references are handles
// of `owner`, made with `map`.
template <typename Map>
TYPEDESC Rehome(const TYPEDESC& desc, Map& map, UINT depth = 0) {
    TYPEDESC result = desc;
    if (depth > 32) return result;
    if (desc.vt == VT_USERDEFINED) {
        result.hreftype = map(desc.hreftype);
    } else if (desc.lptdesc) {
        result.lptdesc = std::make_shared<TYPEDESC>(Rehome(*desc.lptdesc, map, depth + 1));
    } else if (desc.lpadesc) {
        auto array = std::make_shared<ARRAYDESC>(*desc.lpadesc);
        array->tdescElem = Rehome(desc.lpadesc->tdescElem, map, depth + 1);
        result.lpadesc = std::move(array);
    }
    return result;
}

HRESULT TypeInfoImpl::PresentedFunc(UINT index, FUNCDESC& out) {
    if (m_view != View::Dispatch) return Stored().FuncDesc(m_index, index, out);
    const auto& list = FuncList();
    if (index >= list.size()) return TYPE_E_ELEMENTNOTFOUND;
    const FuncEntry& entry = list[index];  // m_funcList is not changed below
    if (!entry.src) {
        HRESULT hr = Stored().FuncDesc(m_index, entry.index, out);
        if (FAILED(hr)) return hr;
    } else {
        FuncDescPtr desc;
        HRESULT hr = entry.src->GetFuncDesc(entry.index, desc);
        if (FAILED(hr)) return hr;
        out = *desc;
        if (entry.keep) {
            ITypeInfo* src = entry.src;
            auto map = [&](HREFTYPE href) {
                ForeignRef ref;
                ref.keep = entry.keep;
                ref.via = src;
                ref.href = href;
                return AddForeign(std::move(ref));
            };
            out.elemdescFunc.tdesc = Rehome(out.elemdescFunc.tdesc, map);
            for (ELEMDESC& param : out.lprgelemdescParam)
                param.tdesc = Rehome(param.tdesc, map);
        }
    }
    RewriteForDispatch(out);
    // GetNames needs the presented parameter count; callers usually ask for
    // the description first.
    m_funcList[index].presentedParams = out.cParams;
    return S_OK;
}

HRESULT TypeInfoImpl::GetFuncDesc(UINT index, FuncDescPtr& desc) {
    auto result = std::make_unique<FUNCDESC>();
    HRESULT hr = PresentedFunc(index, *result);
    if (FAILED(hr)) return hr;
    desc = std::move(result);
    return S_OK;
}

HRESULT TypeInfoImpl::GetVarDesc(UINT index, VarDescPtr& desc) {
    auto result = std::make_unique<VARDESC>();
    HRESULT hr = Stored().VarDesc(m_index, index, *result);
    if (FAILED(hr)) return hr;
    desc = std::move(result);
    return S_OK;
}

void TypeInfoImpl::IndexMembers() {
    if (m_membersIndexed) return;
    m_membersIndexed = true;
    // Sorted by member id, then position: the first function (or variable)
    // with an id is the one that counts.
    if (m_view == View::Dispatch) {
        const auto& list = FuncList();
        m_funcsById.reserve(list.size());
        for (UINT i = 0; i < list.size(); ++i)
            m_funcsById.emplace_back(list[i].memid, i);
    } else if (const StoredMembers* members = Members()) {
        m_funcsById.reserve(members->funcMemids.size());
        for (UINT i = 0; i < members->funcMemids.size(); ++i)
            m_funcsById.emplace_back(members->funcMemids[i], i);
    }
    if (const StoredMembers* members = Members()) {
        m_varsById.reserve(members->varMemids.size());
        for (UINT i = 0; i < members->varMemids.size(); ++i)
            m_varsById.emplace_back(members->varMemids[i], i);
    }
    std::sort(m_funcsById.begin(), m_funcsById.end());
    std::sort(m_varsById.begin(), m_varsById.end());
}

std::optional<UINT> FirstWithId(const std::vector<std::pair<MEMBERID, UINT>>& byId,
                                MEMBERID memid) {
    auto it = std::lower_bound(byId.begin(), byId.end(), std::make_pair(memid, UINT{0}));
    if (it == byId.end() || it->first != memid) return std::nullopt;
    return it->second;
}

std::optional<UINT> TypeInfoImpl::FindFunc(MEMBERID memid) {
    IndexMembers();
    return FirstWithId(m_funcsById, memid);
}

std::optional<UINT> TypeInfoImpl::FindVar(MEMBERID memid) {
    IndexMembers();
    return FirstWithId(m_varsById, memid);
}

HRESULT TypeInfoImpl::BaseTypeInfo(ComPtr<ITypeInfo>& base) {
    TYPEKIND kind = PresentedKind();
    if (kind != TKIND_INTERFACE && kind != TKIND_DISPATCH) return TYPE_E_ELEMENTNOTFOUND;
    HREFTYPE href;
    HRESULT hr = GetRefTypeOfImplType(0, &href);
    if (FAILED(hr)) return hr;
    return GetRefTypeInfo(href, base);
}

HRESULT TypeInfoImpl::GetNames(MEMBERID memid, std::vector<Bstr>& names, UINT maxNames) {
    names.clear();
    if (auto func = FindFunc(memid)) {
        FuncEntry* entry = m_view == View::Dispatch ? &m_funcList[*func] : nullptr;
        if (!entry) return Stored().FuncNames(m_index, *func, names, maxNames);
        // Parameters the dispatch view drops ([retval], [lcid]) have no names.
        if (!entry->presentedParams) {
            FUNCDESC desc;
            if (SUCCEEDED(PresentedFunc(*func, desc))) entry->presentedParams = desc.cParams;
        }
        UINT limit = maxNames;
        if (entry->presentedParams) {
            limit = std::min<UINT>(
                limit, 1 + static_cast<UINT>(std::max<SHORT>(*entry->presentedParams, 0)));
        }
        if (!entry->src) return Stored().FuncNames(m_index, entry->index, names, limit);
        return entry->src->GetNames(memid, names, limit);
    }
    if (auto var = FindVar(memid)) {
        Bstr name;
        HRESULT hr = Stored().VarName(m_index, *var, name);
        if (FAILED(hr)) return hr;
        if (maxNames > 0) names.push_back(std::move(name));
        return S_OK;
    }
    DepthGuard guard;
    if (!guard.Ok()) return TYPE_E_ELEMENTNOTFOUND;
    ComPtr<ITypeInfo> base;
    if (SUCCEEDED(BaseTypeInfo(base))) return base->GetNames(memid, names, maxNames);
    return TYPE_E_ELEMENTNOTFOUND;
}

HRESULT TypeInfoImpl::GetDocumentation(MEMBERID memid, Bstr* name, Bstr* docString,
                                       DWORD* helpContext, Bstr* helpFile) {
    auto fillHelpFile = [&] {
        if (helpFile) Stored().LibDocumentation(nullptr, nullptr, nullptr, helpFile);
    };
    if (memid == MEMBERID_NIL) {
        HRESULT hr = Stored().TypeDocumentation(m_index, name, docString, helpContext);
        if (SUCCEEDED(hr)) fillHelpFile();
        return hr;
    }
    if (auto func = FindFunc(memid)) {
        const FuncEntry* entry = m_view == View::Dispatch ? &FuncList()[*func] : nullptr;
        if (entry && entry->src) {
            return entry->src->GetDocumentation(memid, name, docString, helpContext, helpFile);
        }
        UINT stored = entry ? entry->index : *func;
        if (name) {
            HRESULT hr = Stored().FuncName(m_index, stored, *name);
            if (FAILED(hr)) return hr;
        }
        HRESULT hr = Stored().FuncDocumentation(m_index, stored, docString, helpContext);
        if (SUCCEEDED(hr)) fillHelpFile();
        return hr;
    }
    if (auto var = FindVar(memid)) {
        if (name) {
            HRESULT hr = Stored().VarName(m_index, *var, *name);
            if (FAILED(hr)) return hr;
        }
        HRESULT hr = Stored().VarDocumentation(m_index, *var, docString, helpContext);
        if (SUCCEEDED(hr)) fillHelpFile();
        return hr;
    }
    DepthGuard guard;
    if (!guard.Ok()) return TYPE_E_ELEMENTNOTFOUND;
    ComPtr<ITypeInfo> base;
    if (SUCCEEDED(BaseTypeInfo(base))) {
        return base->GetDocumentation(memid, name, docString, helpContext, helpFile);
    }
    return TYPE_E_ELEMENTNOTFOUND;
}

HRESULT TypeInfoImpl::GetRefTypeOfImplType(UINT index, HREFTYPE* href) {
    if (!href) return E_POINTER;
    if (index == static_cast<UINT>(-1)) {
        if (!IsDualPair(m_type)) return TYPE_E_ELEMENTNOTFOUND;
        *href = kDualTwinHref;
        return S_OK;
    }
    if (m_view == View::Dispatch) {
        if (index != 0) return TYPE_E_ELEMENTNOTFOUND;
        HREFTYPE stored;
        if (Stored().DispatchHref(stored)) {
            *href = stored;
            return S_OK;
        }
        ComPtr<ITypeInfo> dispatch;
        HRESULT hr = m_lib->DispatchTypeInfo(dispatch);
        if (FAILED(hr)) return hr;
        ForeignRef ref;
        ref.direct = dispatch;
        *href = AddForeign(std::move(ref));
        return S_OK;
    }
    if (InterfaceLike()) {
        // The base of an interface is an interface: for a dual base, its
        // interface view.
        if (index != 0 || !m_type.hasBase) return TYPE_E_ELEMENTNOTFOUND;
        ForeignRef ref;
        ref.href = m_type.baseHref;
        ref.interfaceView = true;
        *href = AddForeign(std::move(ref));
        return S_OK;
    }
    INT flags;
    return Stored().ImplType(m_index, index, *href, flags);
}

HRESULT TypeInfoImpl::GetImplTypeFlags(UINT index, INT* flags) {
    if (!flags) return E_POINTER;
    if (m_view == View::Dispatch || InterfaceLike()) {
        if (index != 0 || (InterfaceLike() && !m_type.hasBase)) return TYPE_E_ELEMENTNOTFOUND;
        *flags = 0;
        return S_OK;
    }
    HREFTYPE href;
    return Stored().ImplType(m_index, index, href, *flags);
}

HRESULT TypeInfoImpl::GetRefTypeInfo(HREFTYPE href, ComPtr<ITypeInfo>& info) {
    if (href == kDualTwinHref) {
        if (!IsDualPair(m_type)) return TYPE_E_ELEMENTNOTFOUND;
        bool isPrimary =
            m_type.typekind == TKIND_DISPATCH ? m_view == View::Dispatch : m_view == View::Plain;
        TypeInfoImpl* other = nullptr;
        HRESULT hr = m_lib->ViewOf(m_index, /*twin=*/isPrimary, other);
        if (FAILED(hr)) return hr;
        info = ComPtr<ITypeInfo>(other);
        return S_OK;
    }
    switch (href & 3u) {
        case 0:
        case 1:
            return m_lib->ResolveLibraryHref(href, info);
        case 3: {
            std::size_t slot = href >> 2;
            if (slot >= m_foreign.size()) return TYPE_E_ELEMENTNOTFOUND;
            const ForeignRef& ref = m_foreign[slot];
            if (ref.direct) {
                info = ref.direct;
                return S_OK;
            }
            ComPtr<ITypeInfo> found;
            HRESULT hr = ref.via ? ref.via->GetRefTypeInfo(ref.href, found)
                                 : m_lib->ResolveLibraryHref(ref.href, found);
            if (FAILED(hr)) return hr;
            info = ref.interfaceView ? InterfaceViewOf(found) : found;
            return S_OK;
        }
        default:
            return TYPE_E_ELEMENTNOTFOUND;
    }
}

HRESULT TypeInfoImpl::GetContainingTypeLib(ComPtr<ITypeLib>& lib, UINT* index) {
    lib = ComPtr<ITypeLib>(m_lib);
    if (index) *index = m_index;
    return S_OK;
}

HRESULT TypeInfoImpl::GetDllEntry(MEMBERID memid, INVOKEKIND invkind, Bstr* dllName, Bstr* name,
                                  WORD* ordinal) {
    if (m_type.typekind != TKIND_MODULE) return TYPE_E_ELEMENTNOTFOUND;
    const StoredMembers* members = Members();
    if (!members) return TYPE_E_ELEMENTNOTFOUND;
    for (UINT i = 0; i < members->funcMemids.size(); ++i) {
        if (members->funcMemids[i] != memid) continue;
        FUNCDESC desc;
        if (FAILED(Stored().FuncDesc(m_index, i, desc)) || desc.invkind != invkind) continue;
        return Stored().DllEntry(m_index, i, dllName, name, ordinal);
    }
    return TYPE_E_ELEMENTNOTFOUND;
}

}  // namespace

ComPtr<ITypeLib> MakeTypeLib(std::unique_ptr<StoredLibrary> stored, LoadOptions options,
                             std::string path) {
    return ComPtr<ITypeLib>(
        new TypeLibImpl(std::move(stored), std::move(options), std::move(path)));
}

}  // namespace qorvix
