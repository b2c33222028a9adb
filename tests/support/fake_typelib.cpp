#include "tests/support/fake_typelib.h"

#include "typelib/codepage.h"

namespace qorvix::test {

TYPEDESC CArrayOf(TYPEDESC element, std::vector<ULONG> counts) {
    TYPEDESC d{VT_CARRAY};
    auto array = std::make_shared<ARRAYDESC>();
    array->tdescElem = std::move(element);
    for (ULONG count : counts)
        array->rgbounds.push_back({count, 0});
    d.lpadesc = std::move(array);
    return d;
}

TYPEDESC SafeArrayOf(TYPEDESC element) {
    TYPEDESC d{VT_SAFEARRAY};
    d.lptdesc = std::make_shared<TYPEDESC>(std::move(element));
    return d;
}

VARIANT IntValue(VARTYPE vt, std::int64_t value) {
    VARIANT v;
    v.vt = vt;
    v.llVal = value;
    return v;
}

VARIANT StringValue(std::u16string text) {
    VARIANT v;
    v.vt = VT_BSTR;
    v.bstrVal = std::move(text);
    return v;
}

VARIANT RealValue(VARTYPE vt, double value) {
    VARIANT v;
    v.vt = vt;
    if (vt == VT_R4) {
        v.fltVal = static_cast<float>(value);
    } else {
        v.dblVal = value;
    }
    return v;
}

FakeTypeInfo& FakeTypeInfo::AddFunc(const std::string& funcName, MEMBERID memid, INVOKEKIND invkind,
                                    VARTYPE result,
                                    std::vector<std::pair<std::string, TYPEDESC>> params,
                                    std::vector<USHORT> flags, const char* docString) {
    Func f;
    f.desc.memid = memid;
    f.desc.invkind = invkind;
    f.desc.funckind = attr.typekind == TKIND_DISPATCH ? FUNC_DISPATCH : FUNC_PUREVIRTUAL;
    f.desc.elemdescFunc.tdesc = Simple(result);
    f.names.push_back(Utf8ToUtf16(funcName));
    for (std::size_t i = 0; i < params.size(); ++i) {
        ELEMDESC param;
        param.tdesc = params[i].second;
        param.paramdesc.wParamFlags =
            i < flags.size() ? flags[i] : static_cast<USHORT>(PARAMFLAG_FIN);
        f.desc.lprgelemdescParam.push_back(param);
        if (!params[i].first.empty()) f.names.push_back(Utf8ToUtf16(params[i].first));
    }
    f.desc.cParams = static_cast<SHORT>(params.size());
    if (docString) f.doc = Utf8ToUtf16(docString);
    funcs.push_back(std::move(f));
    attr.cFuncs = static_cast<WORD>(funcs.size());
    return *this;
}

FakeTypeInfo& FakeTypeInfo::AddConst(const std::string& constName, VARIANT value, MEMBERID memid) {
    Var v;
    v.desc.memid = memid == -1 ? 0x40000000 + static_cast<MEMBERID>(vars.size()) : memid;
    v.desc.varkind = VAR_CONST;
    v.desc.elemdescVar.tdesc = Simple(value.vt);
    v.desc.lpvarValue = std::make_shared<VARIANT>(std::move(value));
    v.name = Utf8ToUtf16(constName);
    vars.push_back(std::move(v));
    attr.cVars = static_cast<WORD>(vars.size());
    return *this;
}

FakeTypeInfo& FakeTypeInfo::AddVar(const std::string& varName, TYPEDESC type, VARKIND kind,
                                   WORD flags, const char* docString) {
    Var v;
    v.desc.memid = 0x40000000 + static_cast<MEMBERID>(vars.size());
    v.desc.varkind = kind;
    v.desc.elemdescVar.tdesc = std::move(type);
    v.desc.wVarFlags = flags;
    v.name = Utf8ToUtf16(varName);
    if (docString) v.doc = Utf8ToUtf16(docString);
    vars.push_back(std::move(v));
    attr.cVars = static_cast<WORD>(vars.size());
    return *this;
}

HREFTYPE FakeTypeInfo::RefTo(FakeTypeInfo& target) {
    HREFTYPE href = 0x1000 + static_cast<HREFTYPE>(refs.size()) * 4;
    refs[href] = &target;
    return href;
}

ULONG FakeTypeInfo::AddRef() {
    return lib ? lib->AddRef() : 1;
}
ULONG FakeTypeInfo::Release() {
    return lib ? lib->Release() : 1;
}

HRESULT FakeTypeInfo::GetTypeAttr(TypeAttrPtr& out) {
    if (failAttr) return E_FAIL;
    out = std::make_unique<TYPEATTR>(attr);
    return S_OK;
}

HRESULT FakeTypeInfo::GetFuncDesc(UINT index, FuncDescPtr& out) {
    if (index >= funcs.size() || failFuncs.count(index)) return TYPE_E_ELEMENTNOTFOUND;
    out = std::make_unique<FUNCDESC>(funcs[index].desc);
    return S_OK;
}

HRESULT FakeTypeInfo::GetVarDesc(UINT index, VarDescPtr& out) {
    if (index >= vars.size() || failVars.count(index)) return TYPE_E_ELEMENTNOTFOUND;
    out = std::make_unique<VARDESC>(vars[index].desc);
    return S_OK;
}

HRESULT FakeTypeInfo::GetNames(MEMBERID memid, std::vector<Bstr>& names, UINT maxNames) {
    names.clear();
    if (failNames.count(memid)) return E_FAIL;
    for (const Func& f : funcs) {
        if (f.desc.memid != memid) continue;
        for (std::size_t i = 0; i < f.names.size() && i < maxNames; ++i)
            names.push_back(f.names[i]);
        return S_OK;
    }
    for (const Var& v : vars) {
        if (v.desc.memid != memid) continue;
        if (maxNames > 0) names.push_back(v.name);
        return S_OK;
    }
    return TYPE_E_ELEMENTNOTFOUND;
}

HRESULT FakeTypeInfo::GetRefTypeOfImplType(UINT index, HREFTYPE* href) {
    if (index >= impls.size()) return TYPE_E_ELEMENTNOTFOUND;
    *href = impls[index].href;
    return S_OK;
}

HRESULT FakeTypeInfo::GetImplTypeFlags(UINT index, INT* flags) {
    if (index >= impls.size()) return TYPE_E_ELEMENTNOTFOUND;
    *flags = impls[index].flags;
    return S_OK;
}

HRESULT FakeTypeInfo::GetDocumentation(MEMBERID memid, Bstr* nameOut, Bstr* docOut, DWORD* context,
                                       Bstr* helpFile) {
    if (failDocumentation) return E_FAIL;
    if (context) *context = 0;
    if (helpFile) helpFile->reset();
    if (memid == MEMBERID_NIL) {
        if (nameOut) *nameOut = name;
        if (docOut) *docOut = doc;
        return S_OK;
    }
    for (const Func& f : funcs) {
        if (f.desc.memid != memid) continue;
        if (nameOut) *nameOut = f.names.empty() ? Bstr() : f.names[0];
        if (docOut) *docOut = f.doc;
        return S_OK;
    }
    for (const Var& v : vars) {
        if (v.desc.memid != memid) continue;
        if (nameOut) *nameOut = v.name;
        if (docOut) *docOut = v.doc;
        return S_OK;
    }
    return TYPE_E_ELEMENTNOTFOUND;
}

HRESULT FakeTypeInfo::GetRefTypeInfo(HREFTYPE href, ComPtr<ITypeInfo>& info) {
    auto it = refs.find(href);
    if (it == refs.end()) return TYPE_E_ELEMENTNOTFOUND;
    info = ComPtr<ITypeInfo>(it->second);
    return S_OK;
}

HRESULT FakeTypeInfo::GetContainingTypeLib(ComPtr<ITypeLib>& out, UINT* index) {
    if (!lib) return E_FAIL;
    out = ComPtr<ITypeLib>(lib);
    if (index) *index = this->index;
    return S_OK;
}

FakeTypeInfo& FakeTypeLib::Add(TYPEKIND kind, const std::string& typeName, GUID guid, WORD flags) {
    auto info = std::make_unique<FakeTypeInfo>();
    info->attr.typekind = kind;
    info->attr.guid = guid;
    info->attr.wTypeFlags = flags;
    info->name = Utf8ToUtf16(typeName);
    info->lib = this;
    info->index = static_cast<UINT>(types.size());
    types.push_back(std::move(info));
    return *types.back();
}

HRESULT FakeTypeLib::GetTypeInfo(UINT index, ComPtr<ITypeInfo>& info) {
    if (index >= types.size() || failTypes.count(index)) return TYPE_E_ELEMENTNOTFOUND;
    info = ComPtr<ITypeInfo>(types[index].get());
    return S_OK;
}

HRESULT FakeTypeLib::GetTypeInfoType(UINT index, TYPEKIND* kind) {
    if (index >= types.size()) return TYPE_E_ELEMENTNOTFOUND;
    *kind = types[index]->attr.typekind;
    return S_OK;
}

HRESULT FakeTypeLib::GetLibAttr(LibAttrPtr& attr) {
    attr = std::make_unique<TLIBATTR>();
    return S_OK;
}

HRESULT FakeTypeLib::GetDocumentation(INT index, Bstr* nameOut, Bstr* docOut, DWORD* context,
                                      Bstr* helpFile) {
    if (index == -1) {
        if (failDocumentation) return E_FAIL;
        if (nameOut) *nameOut = name;
        if (docOut) *docOut = doc;
        if (context) *context = 0;
        if (helpFile) helpFile->reset();
        return S_OK;
    }
    if (index < 0 || static_cast<std::size_t>(index) >= types.size()) return TYPE_E_ELEMENTNOTFOUND;
    return types[static_cast<std::size_t>(index)]->GetDocumentation(MEMBERID_NIL, nameOut, docOut,
                                                                    context, helpFile);
}

}  // namespace qorvix::test
