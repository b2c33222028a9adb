// What a file-format decoder (MSFT, SLTG) offers: the library's records as
// they are stored. The presentation layer (library.cpp) builds the platform's
// view on top of it: dispatch views of dual interfaces, their twins, the
// name and documentation searches, reference counting and imports.
//
// Reference handles: a decoder's own handles have low bits 00 or 01 and are
// valid anywhere in its library; the presentation layer keeps the low bits
// 10 and 11 for the handles it makes up.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "typelib/oleauto.h"
#include "typelib/read_status.h"

namespace qorvix {

// How deep a type description may nest, and how many dimensions an array
// may have: far beyond any real library, and a bound for damaged ones.
constexpr int kMaxTypeDepth = 32;
constexpr std::uint16_t kMaxArrayDims = 64;

// Converts a library's stored 8-bit text to UTF-16. The LCID is the
// library's own, for decoders that choose a code page by it.
using TextDecoder = std::function<std::u16string(std::string_view bytes, LCID lcid)>;

struct StoredType {
    TYPEKIND typekind = TKIND_ENUM;
    WORD wTypeFlags = 0;
    GUID guid;
    WORD wMajorVerNum = 0;
    WORD wMinorVerNum = 0;
    WORD cFuncs = 0;
    WORD cVars = 0;
    WORD cImplTypes = 0;
    WORD cbSizeVft = 0;
    WORD cbAlignment = 0;
    ULONG cbSizeInstance = 0;
    TYPEDESC tdescAlias;  // TKIND_ALIAS only
    // Interfaces and dispinterfaces: the stored base reference, if any.
    bool hasBase = false;
    HREFTYPE baseHref = 0;
};

// The member ids of a type's stored functions and variables, in order.
struct StoredMembers {
    std::vector<MEMBERID> funcMemids;
    std::vector<MEMBERID> varMemids;
};

// Where a library-scoped reference handle leads.
struct ImportSpec {
    GUID libGuid;
    WORD wMajorVerNum = 0;
    WORD wMinorVerNum = 0;
    LCID lcid = 0;
    std::u16string fileName;  // as recorded by the importing library
    bool byGuid = false;
    GUID typeGuid;          // byGuid
    UINT typeIndex = 0;     // !byGuid
    std::uint32_t key = 0;  // identifies the imported library within the importer
};

struct HrefTarget {
    bool imported = false;
    UINT localIndex = 0;  // !imported
    ImportSpec import;    // imported
};

// A failing call says why in its ReadStatus when the file is at fault.
class StoredLibrary {
  public:
    virtual ~StoredLibrary() = default;

    virtual UINT TypeCount() const = 0;
    virtual TLIBATTR LibAttr() const = 0;
    virtual void LibDocumentation(Bstr* name, Bstr* docString, DWORD* helpContext,
                                  Bstr* helpFile) const = 0;

    virtual ReadStatus Type(UINT index, StoredType& out) const = 0;
    virtual ReadStatus TypeDocumentation(UINT index, Bstr* name, Bstr* docString,
                                         DWORD* helpContext) const = 0;
    virtual ReadStatus Members(UINT index, StoredMembers& out) const = 0;
    virtual ReadStatus FuncDesc(UINT index, UINT func, FUNCDESC& out) const = 0;
    virtual ReadStatus VarDesc(UINT index, UINT var, VARDESC& out) const = 0;
    // The function's name, then its parameters' names up to the first
    // unnamed one, at most `maxNames` in all, in place of what `names`
    // held. An unnamed function gives none.
    virtual ReadStatus FuncNames(UINT index, UINT func, std::vector<Bstr>& names,
                                 UINT maxNames) const = 0;
    // The function's name alone (null when it has none).
    virtual ReadStatus FuncName(UINT index, UINT func, Bstr& name) const = 0;
    virtual ReadStatus VarName(UINT index, UINT var, Bstr& name) const = 0;
    virtual ReadStatus FuncDocumentation(UINT index, UINT func, Bstr* docString,
                                         DWORD* helpContext) const = 0;
    virtual ReadStatus VarDocumentation(UINT index, UINT var, Bstr* docString,
                                        DWORD* helpContext) const = 0;
    // Implemented types as stored: coclass interfaces, an interface's base.
    virtual ReadStatus ImplType(UINT index, UINT impl, HREFTYPE& href, INT& flags) const = 0;
    virtual ReadStatus ResolveHref(HREFTYPE href, HrefTarget& out) const = 0;
    // The reference to IDispatch as this library records it, if it does.
    virtual bool DispatchHref(HREFTYPE& href) const = 0;
    virtual ReadStatus DllEntry(UINT index, UINT func, Bstr* dllName, Bstr* name,
                                WORD* ordinal) const = 0;
};

}  // namespace qorvix
