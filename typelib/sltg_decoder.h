// The SLTG decoder's own declarations, shared by its source files
// (sltg_library.cpp: the container, the library block and imports;
// sltg_types.cpp: typeinfo blocks, references and type descriptions;
// sltg_members.cpp: functions, variables and implemented types).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "typelib/byte_source.h"
#include "typelib/sltg_records.h"
#include "typelib/stored_library.h"

namespace qorvix::sltg {

// A block of the image: the library block or one typeinfo's.
struct Block {
    Region bytes;
    std::string name;
};

struct TypeEntry {
    std::string blockName;
    std::uint16_t nameOffset = kNone16;
    DWORD helpContext = 0;
    GUID guid;
};

// A record of a member chain and its member offset.
template <typename T>
struct Linked {
    std::uint16_t at;
    T record;
};

// The parts of a typeinfo block, located and checked once.
struct TypeBlock {
    TYPEKIND kind = TKIND_ENUM;
    WORD flags = 0;
    WORD major = 0;
    WORD minor = 0;
    Region members;  // the member data; member offsets count from here
    TypeTail tail{};
    // Reference strings, by reference number: resolved targets.
    std::vector<std::optional<HREFTYPE>> references;
    // The member chains, in chain order.
    std::vector<Linked<FuncRecord>> funcs;
    std::vector<Linked<VarRecord>> vars;
    std::vector<Linked<ImplRecord>> impls;
};

class SltgLibrary final : public StoredLibrary {
  public:
    SltgLibrary(Region image, std::shared_ptr<const ByteSource> keepAlive, TextDecoder decoder)
        : m_image(image), m_keepAlive(std::move(keepAlive)), m_decode(std::move(decoder)) {}

    ReadStatus Parse();

    UINT TypeCount() const override { return static_cast<UINT>(m_entries.size()); }
    TLIBATTR LibAttr() const override { return m_attr; }
    void LibDocumentation(Bstr* name, Bstr* docString, DWORD* helpContext,
                          Bstr* helpFile) const override;
    ReadStatus Type(UINT index, StoredType& out) const override;
    ReadStatus TypeDocumentation(UINT index, Bstr* name, Bstr* docString,
                                 DWORD* helpContext) const override;
    ReadStatus Members(UINT index, StoredMembers& out) const override;
    ReadStatus FuncDesc(UINT index, UINT func, FUNCDESC& out) const override;
    ReadStatus VarDesc(UINT index, UINT var, VARDESC& out) const override;
    ReadStatus FuncNames(UINT index, UINT func, std::vector<Bstr>& names,
                         UINT maxNames) const override;
    ReadStatus FuncName(UINT index, UINT func, Bstr& name) const override;
    ReadStatus VarName(UINT index, UINT var, Bstr& name) const override;
    ReadStatus FuncDocumentation(UINT index, UINT func, Bstr* docString,
                                 DWORD* helpContext) const override;
    ReadStatus VarDocumentation(UINT index, UINT var, Bstr* docString,
                                DWORD* helpContext) const override;
    ReadStatus ImplType(UINT index, UINT impl, HREFTYPE& href, INT& flags) const override;
    ReadStatus ResolveHref(HREFTYPE href, HrefTarget& out) const override;
    bool DispatchHref(HREFTYPE&) const override { return false; }
    ReadStatus DllEntry(UINT index, UINT func, Bstr* dllName, Bstr* name,
                        WORD* ordinal) const override;

  private:
    // sltg_library.cpp
    ReadStatus ParseLibraryBlock(const Block& dir);
    ReadStatus ParseTypeEntries(Cursor& c);
    ReadStatus ParseNameTable(const Block& dir, std::uint32_t at);
    Bstr Name(std::uint16_t offset) const;
    std::optional<std::string_view> RawName(std::uint16_t offset) const;
    std::u16string Decode(std::string_view bytes) const;

    // sltg_types.cpp
    // Asked for with every member, so the common case stays inline.
    ReadStatus TypeBlockOf(UINT index, const TypeBlock*& out) const {
        if (index < m_types.size() && (out = m_types[index].Ready())) return S_OK;
        return FirstTypeBlock(index, out);
    }
    ReadStatus FirstTypeBlock(UINT index, const TypeBlock*& out) const;
    ReadStatus ReadTypeBlock(UINT index, TypeBlock& out) const;
    ReadStatus ReadReferences(Region block, std::int64_t at, std::int64_t end,
                              TypeBlock& out) const;
    std::optional<HREFTYPE> ReferenceTarget(std::string_view text) const;
    ReadStatus DecodeType(const TypeBlock& t, Cursor& words, TYPEDESC& out, USHORT* flags,
                          int depth = 0) const;
    ReadStatus TypeAt(const TypeBlock& t, std::uint16_t memberOffset, TYPEDESC& out,
                      USHORT* flags) const;
    // A one-word type stored in a record's own field at `fileOffset`.
    ReadStatus InlineType(const TypeBlock& t, std::uint16_t word, std::int64_t fileOffset,
                          TYPEDESC& out) const;

    // sltg_members.cpp
    // A type's function, its FUNCFLAGS and its block; TYPE_E_ELEMENTNOTFOUND
    // when either cannot be read.
    ReadStatus FuncOf(UINT index, UINT func, const TypeBlock*& t, FuncRecord& out,
                      WORD& funcFlags) const;
    // A type's block, when it has the variable.
    ReadStatus VarOf(UINT index, UINT var, const TypeBlock*& t) const;

    Region m_image;
    std::shared_ptr<const ByteSource> m_keepAlive;
    TextDecoder m_decode;

    std::vector<Block> m_blocks;  // typeinfo blocks, in index order
    std::vector<TypeEntry> m_entries;
    Region m_names;
    TLIBATTR m_attr;
    std::uint16_t m_libName = kNone16;
    Bstr m_libDoc;
    Bstr m_helpFile;
    DWORD m_libHelpContext = 0;

    mutable std::vector<Decoded<TypeBlock>> m_types;
    // Imports, numbered as references meet them: (import string, index).
    mutable std::vector<std::pair<std::uint16_t, UINT>> m_imports;
};

// A counted string: u16 count, then the bytes; kNone16 is absent.
bool ReadLstr(Cursor& c, std::optional<std::string_view>& out);
// Hexadecimal digits, at most eight.
std::optional<std::uint32_t> Hex(std::string_view text);

}  // namespace qorvix::sltg
