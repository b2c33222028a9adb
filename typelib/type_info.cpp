// A type's view: its attributes, variables, names and documentation (found
// through base interfaces when the type itself lacks the member), and its
// references.
#include <algorithm>

#include "typelib/views.h"

namespace qorvix::views {
namespace {

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

}  // namespace

ULONG TypeInfoImpl::AddRef() {
    return m_lib->AddRef();
}
ULONG TypeInfoImpl::Release() {
    return m_lib->Release();
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
        if (Stored().Members(m_index, members).Ok()) m_members = std::move(members);
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

HRESULT TypeInfoImpl::GetTypeAttr(TypeAttrPtr& attr) {
    auto result = std::make_unique<TYPEATTR>();
    result->guid = m_type.guid;
    result->lcid = m_lib->Lcid();
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
            // IDispatch's own vtable, in the platform's slots.
            result->cbSizeVft = static_cast<WORD>(7 * kNativePointerSize);
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

HRESULT TypeInfoImpl::GetVarDesc(UINT index, VarDescPtr& desc) {
    auto result = std::make_unique<VARDESC>();
    ReadStatus status = Stored().VarDesc(m_index, index, *result);
    if (!status.Ok()) return Report(status);
    desc = std::move(result);
    return S_OK;
}

void TypeInfoImpl::IndexMembers() {
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

HRESULT TypeInfoImpl::BaseTypeInfo(ComPtr<ITypeInfo>& base) {
    TYPEKIND kind = PresentedKind();
    if (kind != TKIND_INTERFACE && kind != TKIND_DISPATCH) return Report(TYPE_E_ELEMENTNOTFOUND);
    HREFTYPE href;
    HRESULT hr = GetRefTypeOfImplType(0, &href);
    if (FAILED(hr)) return hr;
    return GetRefTypeInfo(href, base);
}

HRESULT TypeInfoImpl::GetNames(MEMBERID memid, std::vector<Bstr>& names, UINT maxNames) {
    // The names take the place of what `names` held; the decoder fills its
    // elements, which keep their room from member to member.
    if (auto func = FindFunc(memid)) {
        FuncEntry* entry = m_view == View::Dispatch ? &m_funcList[*func] : nullptr;
        if (!entry) return Report(Stored().FuncNames(m_index, *func, names, maxNames));
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
        if (!entry->src) return Report(Stored().FuncNames(m_index, entry->index, names, limit));
        return entry->src->GetNames(memid, names, limit);
    }
    names.clear();
    if (auto var = FindVar(memid)) {
        Bstr name;
        ReadStatus status = Stored().VarName(m_index, *var, name);
        if (!status.Ok()) return Report(status);
        if (maxNames > 0) names.push_back(std::move(name));
        return S_OK;
    }
    DepthGuard guard;
    if (!guard.Ok()) return Report(TYPE_E_ELEMENTNOTFOUND);
    ComPtr<ITypeInfo> base;
    if (SUCCEEDED(BaseTypeInfo(base))) return base->GetNames(memid, names, maxNames);
    return Report(TYPE_E_ELEMENTNOTFOUND);
}

HRESULT TypeInfoImpl::GetDocumentation(MEMBERID memid, Bstr* name, Bstr* docString,
                                       DWORD* helpContext, Bstr* helpFile) {
    auto fillHelpFile = [&](ReadStatus status) {
        if (status.Ok() && helpFile) {
            Stored().LibDocumentation(nullptr, nullptr, nullptr, helpFile);
        }
        return Report(status);
    };
    if (memid == MEMBERID_NIL) {
        return fillHelpFile(Stored().TypeDocumentation(m_index, name, docString, helpContext));
    }
    if (auto func = FindFunc(memid)) {
        const FuncEntry* entry = m_view == View::Dispatch ? &FuncList()[*func] : nullptr;
        if (entry && entry->src) {
            return entry->src->GetDocumentation(memid, name, docString, helpContext, helpFile);
        }
        UINT stored = entry ? entry->index : *func;
        if (name) {
            ReadStatus status = Stored().FuncName(m_index, stored, *name);
            if (!status.Ok()) return Report(status);
        }
        return fillHelpFile(Stored().FuncDocumentation(m_index, stored, docString, helpContext));
    }
    if (auto var = FindVar(memid)) {
        if (name) {
            ReadStatus status = Stored().VarName(m_index, *var, *name);
            if (!status.Ok()) return Report(status);
        }
        return fillHelpFile(Stored().VarDocumentation(m_index, *var, docString, helpContext));
    }
    DepthGuard guard;
    if (!guard.Ok()) return Report(TYPE_E_ELEMENTNOTFOUND);
    ComPtr<ITypeInfo> base;
    if (SUCCEEDED(BaseTypeInfo(base))) {
        return base->GetDocumentation(memid, name, docString, helpContext, helpFile);
    }
    return Report(TYPE_E_ELEMENTNOTFOUND);
}

HRESULT TypeInfoImpl::GetRefTypeOfImplType(UINT index, HREFTYPE* href) {
    if (!href) return Report(E_POINTER);
    if (index == static_cast<UINT>(-1)) {
        if (!IsDualPair(m_type)) return Report(TYPE_E_ELEMENTNOTFOUND);
        *href = kDualTwinHref;
        return S_OK;
    }
    if (m_view == View::Dispatch) {
        if (index != 0) return Report(TYPE_E_ELEMENTNOTFOUND);
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
        if (index != 0 || !m_type.hasBase) return Report(TYPE_E_ELEMENTNOTFOUND);
        ForeignRef ref;
        ref.href = m_type.baseHref;
        ref.interfaceView = true;
        *href = AddForeign(std::move(ref));
        return S_OK;
    }
    INT flags;
    return Report(Stored().ImplType(m_index, index, *href, flags));
}

HRESULT TypeInfoImpl::GetImplTypeFlags(UINT index, INT* flags) {
    if (!flags) return Report(E_POINTER);
    if (m_view == View::Dispatch || InterfaceLike()) {
        if (index != 0 || (InterfaceLike() && !m_type.hasBase)) {
            return Report(TYPE_E_ELEMENTNOTFOUND);
        }
        *flags = 0;
        return S_OK;
    }
    HREFTYPE href;
    return Report(Stored().ImplType(m_index, index, href, *flags));
}

HRESULT TypeInfoImpl::GetRefTypeInfo(HREFTYPE href, ComPtr<ITypeInfo>& info) {
    if (href == kDualTwinHref) {
        if (!IsDualPair(m_type)) return Report(TYPE_E_ELEMENTNOTFOUND);
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
            if (slot >= m_foreign.size()) return Report(TYPE_E_ELEMENTNOTFOUND);
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
            return Report(TYPE_E_ELEMENTNOTFOUND);
    }
}

HRESULT TypeInfoImpl::GetContainingTypeLib(ComPtr<ITypeLib>& lib, UINT* index) {
    lib = ComPtr<ITypeLib>(m_lib);
    if (index) *index = m_index;
    return S_OK;
}

HRESULT TypeInfoImpl::GetDllEntry(MEMBERID memid, INVOKEKIND invkind, Bstr* dllName, Bstr* name,
                                  WORD* ordinal) {
    if (m_type.typekind != TKIND_MODULE) return Report(TYPE_E_ELEMENTNOTFOUND);
    const StoredMembers* members = Members();
    if (!members) return Report(TYPE_E_ELEMENTNOTFOUND);
    for (UINT i = 0; i < members->funcMemids.size(); ++i) {
        if (members->funcMemids[i] != memid) continue;
        FUNCDESC desc;
        if (!Stored().FuncDesc(m_index, i, desc).Ok() || desc.invkind != invkind) continue;
        return Report(Stored().DllEntry(m_index, i, dllName, name, ordinal));
    }
    return Report(TYPE_E_ELEMENTNOTFOUND);
}

}  // namespace qorvix::views
