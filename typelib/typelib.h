// The type-library interface the rest of the program calls: the operations
// of the platform's ITypeLib and ITypeInfo, with their status codes. A
// failing call (negative HRESULT) leaves its outputs untouched or empty;
// callers skip the item concerned.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "typelib/com_ptr.h"
#include "typelib/oleauto.h"

namespace qorvix {

class ITypeLib;

class IRefCounted {
  public:
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

  protected:
    ~IRefCounted() = default;
};

class ITypeInfo : public IRefCounted {
  public:
    virtual HRESULT GetTypeAttr(TypeAttrPtr& attr) = 0;
    // A description passed in is filled again, keeping its room (a caller
    // that walks the members hands the last one back); on failure `desc`
    // is left empty.
    virtual HRESULT GetFuncDesc(UINT index, FuncDescPtr& desc) = 0;
    virtual HRESULT GetVarDesc(UINT index, VarDescPtr& desc) = 0;
    // Up to `maxNames` names: the member's name, then its parameters', in
    // place of what `names` held (its elements keep their room).
    virtual HRESULT GetNames(MEMBERID memid, std::vector<Bstr>& names, UINT maxNames) = 0;
    virtual HRESULT GetRefTypeOfImplType(UINT index, HREFTYPE* href) = 0;
    virtual HRESULT GetImplTypeFlags(UINT index, INT* flags) = 0;
    // Any of the outputs may be null when that part is not wanted.
    virtual HRESULT GetDocumentation(MEMBERID memid, Bstr* name, Bstr* docString,
                                     DWORD* helpContext, Bstr* helpFile) = 0;
    virtual HRESULT GetRefTypeInfo(HREFTYPE href, ComPtr<ITypeInfo>& info) = 0;
    virtual HRESULT GetContainingTypeLib(ComPtr<ITypeLib>& lib, UINT* index) = 0;
    // A module's DLL name and a function's entry (name, or ordinal when the
    // name is null).
    virtual HRESULT GetDllEntry(MEMBERID memid, INVOKEKIND invkind, Bstr* dllName, Bstr* name,
                                WORD* ordinal) = 0;

  protected:
    ~ITypeInfo() = default;
};

class ITypeLib : public IRefCounted {
  public:
    virtual UINT GetTypeInfoCount() = 0;
    virtual HRESULT GetTypeInfo(UINT index, ComPtr<ITypeInfo>& info) = 0;
    virtual HRESULT GetTypeInfoType(UINT index, TYPEKIND* kind) = 0;
    virtual HRESULT GetTypeInfoOfGuid(const GUID& guid, ComPtr<ITypeInfo>& info) = 0;
    virtual HRESULT GetLibAttr(LibAttrPtr& attr) = 0;
    // index -1: the library itself; otherwise the type at that index.
    virtual HRESULT GetDocumentation(INT index, Bstr* name, Bstr* docString, DWORD* helpContext,
                                     Bstr* helpFile) = 0;

  protected:
    ~ITypeLib() = default;
};

// Why the last call on this thread that failed did, when the file is at
// fault: a short reason and the file offset of the damage (-1 when no one
// place is). Like the platform's error info: every failure that a loaded
// library's ITypeLib or ITypeInfo returns replaces it and success leaves it
// alone, so it describes a call right after that call failed. A failure
// with nothing to explain (an item asked for that is not there) has no
// reason.
struct FailureInfo {
    const char* reason = nullptr;
    std::int64_t offset = -1;
};
FailureInfo LastFailureInfo();

}  // namespace qorvix
