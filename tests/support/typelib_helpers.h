// Small conveniences for tests that read libraries.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "typelib/codepage.h"
#include "typelib/load.h"

namespace qorvix::test {

inline std::string Utf8(const Bstr& text) {
    return text ? Utf16ToUtf8(*text) : "<null>";
}

// A status with a reason and a file offset, as one text to compare.
inline std::string Failure(HRESULT hr, const char* reason, std::int64_t offset) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08x", static_cast<unsigned>(hr));
    return std::string(text) + ": " + (reason ? reason : "<no reason>") + " @ " +
           std::to_string(offset);
}

// A call's status and what LastFailureInfo() then says of it.
inline std::string LastFailure(HRESULT hr) {
    FailureInfo why = LastFailureInfo();
    return Failure(hr, why.reason, why.offset);
}

inline ComPtr<ITypeLib> LoadOrDie(const std::string& path) {
    ComPtr<ITypeLib> lib;
    std::string why;
    HRESULT hr = LoadTypeLibEx(path, LoadOptions{}, lib, &why);
    EXPECT_EQ(hr, S_OK) << path << ": " << why;
    return lib;
}

inline ComPtr<ITypeLib> LoadBytes(const std::vector<std::uint8_t>& bytes) {
    ComPtr<ITypeLib> lib;
    std::string why;
    HRESULT hr = LoadTypeLibFromBytes(ByteSource::Copy(bytes.data(), bytes.size()), 1,
                                      LoadOptions{}, lib, &why);
    EXPECT_EQ(hr, S_OK) << why;
    return lib;
}

inline ComPtr<ITypeInfo> TypeByName(ITypeLib& lib, const std::string& name) {
    for (UINT i = 0; i < lib.GetTypeInfoCount(); ++i) {
        Bstr n;
        if (SUCCEEDED(lib.GetDocumentation(static_cast<INT>(i), &n, nullptr, nullptr, nullptr)) &&
            Utf8(n) == name) {
            ComPtr<ITypeInfo> info;
            EXPECT_EQ(lib.GetTypeInfo(i, info), S_OK);
            return info;
        }
    }
    ADD_FAILURE() << "no type " << name;
    return {};
}

inline TYPEATTR Attr(ITypeInfo& info) {
    TypeAttrPtr attr;
    EXPECT_EQ(info.GetTypeAttr(attr), S_OK);
    return attr ? *attr : TYPEATTR{};
}

inline FUNCDESC Func(ITypeInfo& info, UINT index) {
    FuncDescPtr desc;
    EXPECT_EQ(info.GetFuncDesc(index, desc), S_OK) << index;
    return desc ? *desc : FUNCDESC{};
}

inline VARDESC Var(ITypeInfo& info, UINT index) {
    VarDescPtr desc;
    EXPECT_EQ(info.GetVarDesc(index, desc), S_OK) << index;
    return desc ? *desc : VARDESC{};
}

inline std::string TypeName(ITypeInfo& info) {
    Bstr name;
    EXPECT_EQ(info.GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr), S_OK);
    return Utf8(name);
}

inline std::string LibName(ITypeInfo& info) {
    ComPtr<ITypeLib> lib;
    EXPECT_EQ(info.GetContainingTypeLib(lib, nullptr), S_OK);
    Bstr name;
    if (lib) lib->GetDocumentation(-1, &name, nullptr, nullptr, nullptr);
    return Utf8(name);
}

inline std::vector<std::string> Names(ITypeInfo& info, MEMBERID memid, UINT max = 64) {
    std::vector<Bstr> names;
    EXPECT_EQ(info.GetNames(memid, names, max), S_OK) << memid;
    std::vector<std::string> out;
    for (const Bstr& n : names)
        out.push_back(Utf8(n));
    return out;
}

// "Name (kind) in Lib" for the type a reference leads to.
inline std::string RefText(ITypeInfo& info, HREFTYPE href) {
    ComPtr<ITypeInfo> ref;
    HRESULT hr = info.GetRefTypeInfo(href, ref);
    if (FAILED(hr)) return "<failed>";
    return TypeName(*ref) + " (" + std::to_string(Attr(*ref).typekind) + ") in " + LibName(*ref);
}

// The type as text: "PTR(USERDEFINED(Rect))", "CARRAY(I4,[3][4])", "I4" as vt numbers.
inline std::string DescText(ITypeInfo& info, const TYPEDESC& desc) {
    switch (desc.vt) {
        case VT_PTR:
            return "PTR(" + (desc.lptdesc ? DescText(info, *desc.lptdesc) : "?") + ")";
        case VT_SAFEARRAY:
            return "SAFEARRAY(" + (desc.lptdesc ? DescText(info, *desc.lptdesc) : "?") + ")";
        case VT_CARRAY: {
            if (!desc.lpadesc) return "CARRAY(?)";
            std::string dims;
            for (const auto& b : desc.lpadesc->rgbounds)
                dims += "[" + std::to_string(b.cElements) + "]";
            return "CARRAY(" + DescText(info, desc.lpadesc->tdescElem) + "," + dims + ")";
        }
        case VT_USERDEFINED: {
            ComPtr<ITypeInfo> ref;
            if (FAILED(info.GetRefTypeInfo(desc.hreftype, ref))) return "USERDEFINED(<failed>)";
            return "USERDEFINED(" + TypeName(*ref) + ")";
        }
        default:
            return std::to_string(desc.vt);
    }
}

// The library's current reference count.
inline ULONG RefCount(IRefCounted& object) {
    object.AddRef();
    return object.Release();
}

}  // namespace qorvix::test
