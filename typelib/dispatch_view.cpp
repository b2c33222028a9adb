// The dispatch view of a type: its functions with those of its base
// interfaces first, rewritten the way the platform presents
// interface-style functions through IDispatch.
#include <algorithm>

#include "typelib/views.h"

namespace qorvix::views {
namespace {

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
    if (depth > kMaxTypeDepth) return result;
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

}  // namespace

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
    // Kept for the type's life: without the room it grew into (a megabyte
    // over a large library).
    m_funcList.shrink_to_fit();
    return m_funcList;
}

ReadStatus TypeInfoImpl::StoredFunc(UINT func, FUNCDESC& out) const {
    ReadStatus status = Stored().FuncDesc(m_index, func, out);
    if (status.Ok()) out.oVft = m_lib->PresentedVtableOffset(out.oVft);
    return status;
}

HRESULT TypeInfoImpl::PresentedFunc(UINT index, FUNCDESC& out) {
    if (m_view != View::Dispatch) return Report(StoredFunc(index, out));
    const auto& list = FuncList();
    if (index >= list.size()) return Report(TYPE_E_ELEMENTNOTFOUND);
    const FuncEntry& entry = list[index];  // m_funcList is not changed below
    if (!entry.src) {
        ReadStatus status = StoredFunc(entry.index, out);
        if (!status.Ok()) return Report(status);
    } else if (!entry.keep) {
        // An inherited function comes presented by its own type info: its
        // offset is in the platform's slots already, whatever its library.
        // One of this library's views fills `out` itself.
        HRESULT hr = static_cast<TypeInfoImpl*>(entry.src)->PresentedFunc(entry.index, out);
        if (FAILED(hr)) return hr;
    } else {
        FuncDescPtr desc;
        HRESULT hr = entry.src->GetFuncDesc(entry.index, desc);
        if (FAILED(hr)) return hr;
        out = *desc;
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
    RewriteForDispatch(out);
    // GetNames needs the presented parameter count; callers usually ask for
    // the description first.
    m_funcList[index].presentedParams = out.cParams;
    return S_OK;
}

HRESULT TypeInfoImpl::GetFuncDesc(UINT index, FuncDescPtr& desc) {
    // A description handed back is filled again, keeping its room: callers
    // walk member after member. (It was made here, not const.)
    std::unique_ptr<FUNCDESC> result(desc ? const_cast<FUNCDESC*>(desc.release()) : new FUNCDESC);
    HRESULT hr = PresentedFunc(index, *result);
    if (FAILED(hr)) return hr;
    desc = std::move(result);
    return S_OK;
}

}  // namespace qorvix::views
