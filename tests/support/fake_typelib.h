// An in-memory type library for tests: records made by hand, and failures
// on demand, for what no IDL compiler writes.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "typelib/typelib.h"

namespace qorvix::test {

class FakeTypeLib;

class FakeTypeInfo final : public ITypeInfo {
  public:
    struct Func {
        FUNCDESC desc;
        std::vector<Bstr> names;  // name, then parameters
        Bstr doc;
    };
    struct Var {
        VARDESC desc;
        Bstr name;
        Bstr doc;
    };
    struct Impl {
        HREFTYPE href;
        INT flags;
    };

    TYPEATTR attr;
    Bstr name;
    Bstr doc;
    std::vector<Func> funcs;
    std::vector<Var> vars;
    std::vector<Impl> impls;
    std::map<HREFTYPE, FakeTypeInfo*> refs;  // what GetRefTypeInfo gives

    // Failures on demand.
    bool failAttr = false;
    bool failDocumentation = false;
    std::set<UINT> failFuncs, failVars;
    std::set<MEMBERID> failNames;

    FakeTypeLib* lib = nullptr;
    UINT index = 0;  // its place in `lib`

    // Building.
    FakeTypeInfo& AddFunc(const std::string& funcName, MEMBERID memid, INVOKEKIND invkind,
                          VARTYPE result, std::vector<std::pair<std::string, TYPEDESC>> params,
                          std::vector<USHORT> flags = {}, const char* docString = nullptr);
    FakeTypeInfo& AddConst(const std::string& constName, VARIANT value, MEMBERID memid = -1);
    FakeTypeInfo& AddVar(const std::string& varName, TYPEDESC type, VARKIND kind, WORD flags = 0,
                         const char* docString = nullptr);
    HREFTYPE RefTo(FakeTypeInfo& target);

    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT GetTypeAttr(TypeAttrPtr& out) override;
    HRESULT GetFuncDesc(UINT index, FuncDescPtr& out) override;
    HRESULT GetVarDesc(UINT index, VarDescPtr& out) override;
    HRESULT GetNames(MEMBERID memid, std::vector<Bstr>& names, UINT maxNames) override;
    HRESULT GetRefTypeOfImplType(UINT index, HREFTYPE* href) override;
    HRESULT GetImplTypeFlags(UINT index, INT* flags) override;
    HRESULT GetDocumentation(MEMBERID memid, Bstr* nameOut, Bstr* docOut, DWORD* context,
                             Bstr* helpFile) override;
    HRESULT GetRefTypeInfo(HREFTYPE href, ComPtr<ITypeInfo>& info) override;
    HRESULT GetContainingTypeLib(ComPtr<ITypeLib>& out, UINT* index) override;
    HRESULT GetDllEntry(MEMBERID, INVOKEKIND, Bstr*, Bstr*, WORD*) override { return E_NOTIMPL; }
};

class FakeTypeLib final : public ITypeLib {
  public:
    Bstr name = u"FakeLib";
    Bstr doc;
    std::vector<std::unique_ptr<FakeTypeInfo>> types;
    std::set<UINT> failTypes;
    bool failDocumentation = false;
    ULONG refs = 1;

    FakeTypeInfo& Add(TYPEKIND kind, const std::string& typeName, GUID guid = {}, WORD flags = 0);

    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }  // owned by the test, never deleted here
    UINT GetTypeInfoCount() override { return static_cast<UINT>(types.size()); }
    HRESULT GetTypeInfo(UINT index, ComPtr<ITypeInfo>& info) override;
    HRESULT GetTypeInfoType(UINT index, TYPEKIND* kind) override;
    HRESULT GetTypeInfoOfGuid(const GUID&, ComPtr<ITypeInfo>&) override {
        return TYPE_E_ELEMENTNOTFOUND;
    }
    HRESULT GetLibAttr(LibAttrPtr& attr) override;
    HRESULT GetDocumentation(INT index, Bstr* nameOut, Bstr* docOut, DWORD* context,
                             Bstr* helpFile) override;
};

// Type descriptions.
inline TYPEDESC Simple(VARTYPE vt) {
    return TYPEDESC{vt};
}
inline TYPEDESC PointerTo(TYPEDESC target) {
    TYPEDESC d{VT_PTR};
    d.lptdesc = std::make_shared<TYPEDESC>(std::move(target));
    return d;
}
inline TYPEDESC UserDefined(HREFTYPE href) {
    TYPEDESC d{VT_USERDEFINED};
    d.hreftype = href;
    return d;
}
TYPEDESC CArrayOf(TYPEDESC element, std::vector<ULONG> counts);
TYPEDESC SafeArrayOf(TYPEDESC element);

// Values.
VARIANT IntValue(VARTYPE vt, std::int64_t value);
VARIANT StringValue(std::u16string text);
VARIANT RealValue(VARTYPE vt, double value);

}  // namespace qorvix::test
