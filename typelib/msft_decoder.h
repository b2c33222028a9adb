// The MSFT decoder's own declarations, shared by its source files
// (msft_library.cpp: the library and its types; msft_members.cpp: functions
// and variables; msft_values.cpp: type codes and values).
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "typelib/byte_source.h"
#include "typelib/codepage.h"
#include "typelib/msft_records.h"
#include "typelib/stored_library.h"

namespace qorvix::msft {

// A type's member block, located and checked once.
struct MemberTable {
    Region records;  // the records; the offsets below are relative to it
    WORD cFuncs = 0;
    WORD cVars = 0;
    std::vector<MEMBERID> memids;
    std::vector<std::int32_t> nameOffsets;
    std::vector<std::int32_t> recordOffsets;
};

// One implemented interface of a component class.
struct ImplEntry {
    std::int32_t href;
    std::int32_t flags;
};

// One function record, checked and split into its parts; the offsets are
// the record's own.
struct Function {
    FuncRecord fixed;
    Region record;
    // The optional fields end here; an i32 value code per parameter
    // follows when the function has defaults.
    std::int64_t optionalEnd = 0;
    std::int64_t paramsAt = 0;  // a ParamRecord per parameter

    // An optional field (its offset in FuncOptional), when the record holds
    // all of its bytes.
    template <typename T>
    bool Optional(std::size_t field, T& out) const {
        std::int64_t at = std::int64_t{sizeof fixed} + static_cast<std::int64_t>(field);
        return at + std::int64_t{sizeof out} <= optionalEnd && record.Read(at, out);
    }
    bool Param(std::int64_t i, ParamRecord& out) const {
        return record.Read(paramsAt + std::int64_t{sizeof out} * i, out);
    }
    bool Default(std::int64_t i, LeI32& out) const {
        return fixed.HasDefaults() && record.Read(optionalEnd + std::int64_t{sizeof out} * i, out);
    }
};

// One variable record, checked.
struct Variable {
    VarRecord fixed;
    Region record;

    // An optional field (its offset in VarOptional), when the record holds
    // all of its bytes.
    template <typename T>
    bool Optional(std::size_t field, T& out) const {
        return record.Read(std::int64_t{sizeof fixed} + static_cast<std::int64_t>(field), out);
    }
};

class MsftLibrary final : public StoredLibrary {
  public:
    MsftLibrary(Region image, std::shared_ptr<const ByteSource> keepAlive, TextDecoder decoder)
        : m_image(image), m_keepAlive(std::move(keepAlive)), m_decode(std::move(decoder)) {}

    ReadStatus Parse();

    UINT TypeCount() const override { return static_cast<UINT>(m_typeOffsets.size()); }
    TLIBATTR LibAttr() const override;
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
    bool DispatchHref(HREFTYPE& href) const override;
    ReadStatus DllEntry(UINT index, UINT func, Bstr* dllName, Bstr* name,
                        WORD* ordinal) const override;

  private:
    // msft_library.cpp
    ReadStatus Record(UINT index, TypeRecord& out) const;
    std::int64_t RecordOffset(UINT index) const;
    const std::vector<ImplEntry>& ImplChain(UINT index, const TypeRecord& r) const;
    Bstr Name(std::int32_t offset) const;
    Bstr String(std::int32_t offset) const;
    // The same into `out`, keeping its room; false (`out` null) when there
    // is no text.
    bool NameInto(std::int32_t offset, Bstr& out) const;
    bool StringInto(std::int32_t offset, Bstr& out) const;
    // Text behind a head that counts its bytes.
    template <typename Head>
    bool CountedText(const Region& segment, std::int32_t offset, Bstr& out) const;
    void Decode(std::string_view bytes, std::u16string& out) const {
        if (m_decode) {
            out = m_decode(bytes, m_header.lcid);
        } else {
            DecodeWindows1252(bytes, out);
        }
    }
    std::u16string Decode(std::string_view bytes) const {
        return m_decode ? m_decode(bytes, m_header.lcid) : DecodeWindows1252(bytes);
    }
    GUID Guid(std::int32_t offset) const;

    // msft_members.cpp
    // Asked for with every member, so the common case stays inline.
    ReadStatus Table(UINT index, const MemberTable*& out) const {
        if (index < m_tables.size() && (out = m_tables[index].Ready())) return S_OK;
        return FirstTable(index, out);
    }
    ReadStatus FirstTable(UINT index, const MemberTable*& out) const;
    ReadStatus ReadTable(UINT index, MemberTable& out) const;
    ReadStatus FuncAt(const MemberTable& table, UINT func, Function& out) const;
    ReadStatus VarAt(const MemberTable& table, UINT var, Variable& out) const;
    // A type's function (variable) and its member table; TYPE_E_ELEMENTNOTFOUND
    // when either cannot be read.
    // `out` stays valid until the next call.
    ReadStatus FuncOf(UINT index, UINT func, const MemberTable*& table, const Function*& out) const;
    ReadStatus VarOf(UINT index, UINT var, const MemberTable*& table, Variable& out) const {
        ReadStatus status = Table(index, table);
        if (status.Ok()) status = VarAt(*table, var, out);
        return status.As(TYPE_E_ELEMENTNOTFOUND);
    }
    // The help context and string of a function's or variable's optional fields.
    template <typename Member>
    void Documentation(const Member& member, Bstr* docString, DWORD* helpContext) const;

    // msft_values.cpp
    // `from` is the file offset of the field that holds the code: a code
    // that leads nowhere is that field's fault.
    ReadStatus TypeCode(std::int32_t code, std::int64_t from, TYPEDESC& out, int depth = 0) const;
    bool Value(std::int32_t code, VARIANT& out) const;
    bool StoredValue(std::int32_t code, VARIANT& out) const;

    Region m_image;
    std::shared_ptr<const ByteSource> m_keepAlive;
    TextDecoder m_decode;

    Header m_header{};
    std::int64_t m_typeOffsetsAt = 0;  // where the typeinfo offsets lie in the image
    std::vector<std::int32_t> m_typeOffsets;
    Region m_segments[kSegmentCount];

    // Decoded on demand and kept: they are small and asked for often.
    mutable std::vector<Decoded<MemberTable>> m_tables;
    mutable std::vector<std::unique_ptr<std::vector<ImplEntry>>> m_implChains;
    mutable std::unordered_map<std::int32_t, std::shared_ptr<const TYPEDESC>> m_typeDescs;
    mutable std::unordered_map<std::int32_t, UINT> m_indexOfOffset;
    // The function read last: its description, names and documentation are
    // usually asked for one after another.
    mutable UINT m_lastFuncType = ~UINT{0};
    mutable UINT m_lastFunc = 0;
    mutable Function m_lastFunction;
};

}  // namespace qorvix::msft
