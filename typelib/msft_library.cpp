#include "typelib/msft_library.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "typelib/codepage.h"

namespace qorvix {
namespace {

enum Segment {
    kTypeInfoSeg = 0,
    kImportInfoSeg = 1,
    kImportFilesSeg = 2,
    kReferencesSeg = 3,
    kGuidSeg = 5,
    kNamesSeg = 7,
    kStringsSeg = 8,
    kTypeDescSeg = 9,
    kArrayDescSeg = 10,
    kCustDataSeg = 11,
    kSegmentCount = 15,
};

constexpr std::int64_t kHeaderSize = 0x54;
constexpr std::int64_t kTypeRecordSize = 100;
constexpr int kMaxTypeDepth = 32;
constexpr std::int32_t kNone = -1;

// The fixed 100-byte typeinfo record.
struct TypeRecord {
    std::uint32_t typekind = 0;
    std::int32_t memoffset = kNone;
    std::uint32_t cElement = 0;
    std::int32_t posguid = kNone;
    std::uint32_t flags = 0;
    std::int32_t nameOffset = kNone;
    std::uint32_t version = 0;
    std::int32_t docString = kNone;
    std::int32_t helpContext = 0;
    std::uint16_t cImplTypes = 0;
    std::uint16_t cbSizeVft = 0;
    std::int32_t size = 0;
    std::int32_t datatype1 = kNone;

    WORD CFuncs() const { return static_cast<WORD>(cElement & 0xFFFF); }
    WORD CVars() const { return static_cast<WORD>(cElement >> 16); }
    TYPEKIND Kind() const { return static_cast<TYPEKIND>(typekind & 0xF); }
};

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
struct ImplRecord {
    std::int32_t href;
    std::int32_t flags;
};

// One function record, checked and split into its parts.
struct FuncRecord {
    Region record;
    std::uint32_t fkccic = 0;
    std::int16_t cParams = 0;
    std::int16_t cParamsOpt = 0;
    std::int64_t optionalLength = 0;  // bytes of optional fields after the fixed 24
    std::int64_t defaultsAt = -1;     // offset of the default-value array, if any
    std::int64_t paramsAt = 0;

    bool HasOptional(std::int64_t offset) const { return optionalLength > offset - 24; }
};

class MsftLibrary final : public StoredLibrary {
  public:
    MsftLibrary(Region image, std::shared_ptr<const ByteSource> keepAlive, TextDecoder decoder)
        : m_image(image), m_keepAlive(std::move(keepAlive)), m_decode(std::move(decoder)) {}

    bool Parse(std::string* why);

    UINT TypeCount() const override { return static_cast<UINT>(m_typeOffsets.size()); }
    TLIBATTR LibAttr() const override;
    void LibDocumentation(Bstr* name, Bstr* docString, DWORD* helpContext,
                          Bstr* helpFile) const override;
    HRESULT Type(UINT index, StoredType& out) const override;
    HRESULT TypeDocumentation(UINT index, Bstr* name, Bstr* docString,
                              DWORD* helpContext) const override;
    HRESULT Members(UINT index, StoredMembers& out) const override;
    HRESULT FuncDesc(UINT index, UINT func, FUNCDESC& out) const override;
    HRESULT VarDesc(UINT index, UINT var, VARDESC& out) const override;
    HRESULT FuncNames(UINT index, UINT func, std::vector<Bstr>& names,
                      UINT maxNames) const override;
    HRESULT FuncName(UINT index, UINT func, Bstr& name) const override;
    HRESULT VarName(UINT index, UINT var, Bstr& name) const override;
    HRESULT FuncDocumentation(UINT index, UINT func, Bstr* docString,
                              DWORD* helpContext) const override;
    HRESULT VarDocumentation(UINT index, UINT var, Bstr* docString,
                             DWORD* helpContext) const override;
    HRESULT ImplType(UINT index, UINT impl, HREFTYPE& href, INT& flags) const override;
    HRESULT ResolveHref(HREFTYPE href, HrefTarget& out) const override;
    bool DispatchHref(HREFTYPE& href) const override;
    HRESULT DllEntry(UINT index, UINT func, Bstr* dllName, Bstr* name,
                     WORD* ordinal) const override;

  private:
    bool Record(UINT index, TypeRecord& out) const;
    const MemberTable* Table(UINT index) const;
    const MemberTable* ReadTable(UINT index) const;
    bool Function(const MemberTable& table, UINT func, FuncRecord& out) const;
    bool VarRecord(const MemberTable& table, UINT var, Region& out) const;
    const std::vector<ImplRecord>* ImplChain(UINT index, const TypeRecord& r) const;
    Bstr Name(std::int32_t offset) const;
    Bstr String(std::int32_t offset) const;
    std::u16string Decode(std::string_view bytes) const;
    GUID Guid(std::int32_t offset) const;
    bool TypeCode(std::int32_t code, TYPEDESC& out, int depth = 0) const;
    bool Value(std::int32_t code, VARIANT& out) const;

    Region m_image;
    std::shared_ptr<const ByteSource> m_keepAlive;
    TextDecoder m_decode;

    LCID m_lcid = 0;
    LCID m_lcid2 = 0;
    std::uint32_t m_varflags = 0;
    std::uint32_t m_version = 0;
    std::uint32_t m_libFlags = 0;
    std::int32_t m_posguid = kNone;
    std::int32_t m_helpString = kNone;
    std::int32_t m_helpStringContext = 0;
    std::int32_t m_helpContext = 0;
    std::int32_t m_nameOffset = kNone;
    std::int32_t m_helpFile = kNone;
    std::int32_t m_dispatchPos = kNone;
    std::vector<std::int32_t> m_typeOffsets;
    std::vector<bool> m_typeOffsetValid;
    Region m_segments[kSegmentCount];

    // Decoded on demand and kept: they are small and asked for often.
    mutable std::vector<std::unique_ptr<MemberTable>> m_tables;
    mutable std::vector<std::uint8_t> m_tableRead;
    mutable std::vector<std::unique_ptr<std::vector<ImplRecord>>> m_implChains;
    mutable std::unordered_map<std::int32_t, std::shared_ptr<const TYPEDESC>> m_typeDescs;
    mutable std::unordered_map<std::int32_t, UINT> m_indexOfOffset;
};

bool Fail(std::string* why, const char* text) {
    if (why) *why = text;
    return false;
}

bool MsftLibrary::Parse(std::string* why) {
    if (m_image.Size() < kHeaderSize) return Fail(why, "truncated MSFT header");
    Cursor h(m_image, 8);
    m_posguid = h.I32();
    m_lcid = h.U32();
    m_lcid2 = h.U32();
    m_varflags = h.U32();
    m_version = h.U32();
    m_libFlags = h.U32();
    std::int32_t typeCount = h.I32();
    m_helpString = h.I32();
    m_helpStringContext = h.I32();
    m_helpContext = h.I32();
    h.Skip(8);  // name table counts, informational
    m_nameOffset = h.I32();
    m_helpFile = h.I32();
    h.Skip(12);  // custom data, hash sizes
    m_dispatchPos = h.I32();
    h.Skip(4);  // import count, checked through the segment instead
    if (!h.Ok()) return Fail(why, "truncated MSFT header");

    std::int64_t at = kHeaderSize + ((m_varflags & 0x100) ? 4 : 0);
    if (typeCount < 0 || static_cast<std::uint64_t>(typeCount) > m_image.Size() / kTypeRecordSize) {
        return Fail(why, "impossible type count");
    }
    if (!m_image.Contains(at, 4 * std::int64_t{typeCount} + 16 * kSegmentCount)) {
        return Fail(why, "truncated MSFT header");
    }
    m_typeOffsets.resize(static_cast<std::size_t>(typeCount));
    for (std::int32_t i = 0; i < typeCount; ++i)
        m_typeOffsets[i] = *m_image.I32(at + 4 * i);
    at += 4 * std::int64_t{typeCount};

    for (int s = 0; s < kSegmentCount; ++s) {
        std::int32_t offset = *m_image.I32(at + 16 * s);
        std::int32_t length = *m_image.I32(at + 16 * s + 4);
        if (offset == kNone) continue;  // absent, whatever the length says
        auto segment = m_image.Sub(offset, length);
        if (!segment) return Fail(why, "a segment lies outside the library");
        m_segments[s] = *segment;
    }

    const Region& types = m_segments[kTypeInfoSeg];
    m_typeOffsetValid.resize(m_typeOffsets.size());
    for (std::size_t i = 0; i < m_typeOffsets.size(); ++i) {
        std::int32_t offset = m_typeOffsets[i];
        m_typeOffsetValid[i] = offset % 4 == 0 && types.Contains(offset, kTypeRecordSize);
    }
    m_tables.resize(m_typeOffsets.size());
    m_tableRead.resize(m_typeOffsets.size());
    m_implChains.resize(m_typeOffsets.size());
    return true;
}

std::u16string MsftLibrary::Decode(std::string_view bytes) const {
    return m_decode ? m_decode(bytes, m_lcid) : DecodeWindows1252(bytes);
}

Bstr MsftLibrary::Name(std::int32_t offset) const {
    const Region& names = m_segments[kNamesSeg];
    auto length = names.U8(std::int64_t{offset} + 8);
    if (offset < 0 || !length) return std::nullopt;
    auto bytes = names.Bytes(std::int64_t{offset} + 12, *length);
    if (!bytes) return std::nullopt;
    return Decode(*bytes);
}

Bstr MsftLibrary::String(std::int32_t offset) const {
    const Region& strings = m_segments[kStringsSeg];
    auto length = strings.U16(offset);
    if (offset < 0 || !length) return std::nullopt;
    auto bytes = strings.Bytes(std::int64_t{offset} + 2, *length);
    if (!bytes) return std::nullopt;
    return Decode(*bytes);
}

GUID MsftLibrary::Guid(std::int32_t offset) const {
    GUID guid;
    if (offset >= 0) m_segments[kGuidSeg].Read(offset, guid);
    return guid;
}

TLIBATTR MsftLibrary::LibAttr() const {
    TLIBATTR attr;
    attr.guid = Guid(m_posguid);
    attr.lcid = m_lcid2;
    attr.syskind = static_cast<SYSKIND>(m_varflags & 0xF);
    attr.wMajorVerNum = static_cast<WORD>(m_version & 0xFFFF);
    attr.wMinorVerNum = static_cast<WORD>(m_version >> 16);
    attr.wLibFlags = static_cast<WORD>((m_libFlags & 0xFFFF) | LIBFLAG_FHASDISKIMAGE);
    return attr;
}

void MsftLibrary::LibDocumentation(Bstr* name, Bstr* docString, DWORD* helpContext,
                                   Bstr* helpFile) const {
    if (name) *name = Name(m_nameOffset);
    if (docString) *docString = String(m_helpString);
    // Producers fill either field; they agree wherever both are set.
    if (helpContext) {
        *helpContext = static_cast<DWORD>(m_helpContext ? m_helpContext : m_helpStringContext);
    }
    if (helpFile) *helpFile = String(m_helpFile);
}

bool MsftLibrary::Record(UINT index, TypeRecord& r) const {
    if (index >= m_typeOffsets.size() || !m_typeOffsetValid[index]) return false;
    Cursor c(m_segments[kTypeInfoSeg], m_typeOffsets[index]);
    r.typekind = c.U32();
    r.memoffset = c.I32();
    c.Skip(16);
    r.cElement = c.U32();
    c.Skip(16);
    r.posguid = c.I32();
    r.flags = c.U32();
    r.nameOffset = c.I32();
    r.version = c.U32();
    r.docString = c.I32();
    c.Skip(4);  // help-string context
    r.helpContext = c.I32();
    c.Skip(4);  // custom data
    r.cImplTypes = c.U16();
    r.cbSizeVft = c.U16();
    r.size = c.I32();
    r.datatype1 = c.I32();
    return c.Ok();
}

HRESULT MsftLibrary::Type(UINT index, StoredType& out) const {
    TypeRecord r;
    if (!Record(index, r)) return TYPE_E_ELEMENTNOTFOUND;
    if ((r.typekind & 0xF) >= TKIND_MAX) return TYPE_E_INVDATAREAD;
    out = StoredType{};
    out.typekind = r.Kind();
    out.wTypeFlags = static_cast<WORD>(r.flags & 0xFFFF);
    out.guid = Guid(r.posguid);
    out.wMajorVerNum = static_cast<WORD>(r.version & 0xFFFF);
    out.wMinorVerNum = static_cast<WORD>(r.version >> 16);
    out.cFuncs = r.CFuncs();
    out.cVars = r.CVars();
    out.cImplTypes = r.cImplTypes;
    out.cbSizeVft = r.cbSizeVft;
    out.cbAlignment = static_cast<WORD>((r.typekind >> 11) & 0x1F);
    out.cbSizeInstance = static_cast<ULONG>(r.size);
    if (out.typekind == TKIND_ALIAS && !TypeCode(r.datatype1, out.tdescAlias)) {
        return TYPE_E_INVDATAREAD;
    }
    // Counts the file cannot back make the type unusable: the platform
    // refuses such a type, and walking absurd counts would only waste time.
    std::size_t implLimit = out.typekind == TKIND_COCLASS ? m_segments[kReferencesSeg].Size() / 16
                            : (out.typekind == TKIND_INTERFACE || out.typekind == TKIND_DISPATCH)
                                ? 1
                                : 0;
    if (out.cImplTypes > implLimit) return TYPE_E_INVDATAREAD;
    if ((out.cFuncs || out.cVars) && !Table(index)) return TYPE_E_INVDATAREAD;
    if ((out.typekind == TKIND_INTERFACE || out.typekind == TKIND_DISPATCH) &&
        r.datatype1 != kNone) {
        out.hasBase = true;
        out.baseHref = static_cast<HREFTYPE>(r.datatype1);
    }
    return S_OK;
}

HRESULT MsftLibrary::TypeDocumentation(UINT index, Bstr* name, Bstr* docString,
                                       DWORD* helpContext) const {
    TypeRecord r;
    if (!Record(index, r)) return TYPE_E_ELEMENTNOTFOUND;
    if (name) *name = Name(r.nameOffset);
    if (docString) *docString = String(r.docString);
    if (helpContext) *helpContext = static_cast<DWORD>(r.helpContext);
    return S_OK;
}

const MemberTable* MsftLibrary::Table(UINT index) const {
    if (index >= m_tables.size()) return nullptr;
    if (m_tableRead[index]) return m_tables[index].get();
    return ReadTable(index);
}

const MemberTable* MsftLibrary::ReadTable(UINT index) const {
    m_tableRead[index] = 1;
    TypeRecord r;
    if (!Record(index, r)) return nullptr;
    auto table = std::make_unique<MemberTable>();
    table->cFuncs = r.CFuncs();
    table->cVars = r.CVars();
    std::int64_t n = std::int64_t{table->cFuncs} + table->cVars;
    if (n > 0) {
        std::int64_t block = r.memoffset;
        auto infoLength = m_image.I32(block);
        if (block < 0 || !infoLength || *infoLength < 0) return nullptr;
        auto records = m_image.Sub(block + 4, *infoLength);
        auto arrays = m_image.Sub(block + 4 + *infoLength, 12 * n);
        if (!records || !arrays) return nullptr;
        table->records = *records;
        table->memids.resize(static_cast<std::size_t>(n));
        table->nameOffsets.resize(static_cast<std::size_t>(n));
        table->recordOffsets.resize(static_cast<std::size_t>(n));
        for (std::int64_t i = 0; i < n; ++i) {
            table->memids[i] = *arrays->I32(4 * i);
            table->nameOffsets[i] = *arrays->I32(4 * (n + i));
            table->recordOffsets[i] = *arrays->I32(4 * (2 * n + i));
        }
    }
    m_tables[index] = std::move(table);
    return m_tables[index].get();
}

HRESULT MsftLibrary::Members(UINT index, StoredMembers& out) const {
    const MemberTable* table = Table(index);
    if (!table) return TYPE_E_INVDATAREAD;
    out.funcMemids.assign(table->memids.begin(), table->memids.begin() + table->cFuncs);
    out.varMemids.assign(table->memids.begin() + table->cFuncs, table->memids.end());
    return S_OK;
}

bool MsftLibrary::Function(const MemberTable& table, UINT func, FuncRecord& out) const {
    if (func >= table.cFuncs) return false;
    std::int32_t at = table.recordOffsets[func];
    auto info = table.records.U32(at);
    if (!info) return false;
    std::int64_t size = *info & 0xFFFF;
    auto record = table.records.Sub(at, size);
    if (size < 24 || !record) return false;
    out.record = *record;
    out.fkccic = *record->U32(0x10);
    out.cParams = *record->I16(0x14);
    out.cParamsOpt = *record->I16(0x16);
    if (out.cParams < 0 || out.cParamsOpt < -1 || out.cParamsOpt > out.cParams) return false;
    bool hasDefaults = out.fkccic & 0x1000;
    std::int64_t tail = 12 * std::int64_t{out.cParams} + (hasDefaults ? 4 * out.cParams : 0);
    if (24 + tail > size) return false;
    out.paramsAt = size - 12 * std::int64_t{out.cParams};
    out.defaultsAt = hasDefaults ? size - 16 * std::int64_t{out.cParams} : -1;
    out.optionalLength = size - 24 - tail;
    return true;
}

bool MsftLibrary::VarRecord(const MemberTable& table, UINT var, Region& out) const {
    if (var >= table.cVars) return false;
    std::int32_t at = table.recordOffsets[std::size_t{table.cFuncs} + var];
    auto info = table.records.U32(at);
    if (!info) return false;
    std::int64_t size = *info & 0xFFFF;
    auto record = table.records.Sub(at, size);
    if (size < 20 || !record) return false;
    out = *record;
    return true;
}

HRESULT MsftLibrary::FuncDesc(UINT index, UINT func, FUNCDESC& out) const {
    const MemberTable* table = Table(index);
    FuncRecord f;
    if (!table || !Function(*table, func, f)) return TYPE_E_ELEMENTNOTFOUND;
    out = FUNCDESC{};
    out.memid = table->memids[func];
    out.funckind = static_cast<FUNCKIND>(f.fkccic & 0x7);
    out.invkind = static_cast<INVOKEKIND>((f.fkccic >> 3) & 0xF);
    out.callconv = static_cast<CALLCONV>((f.fkccic >> 8) & 0xF);
    out.cParams = f.cParams;
    out.cParamsOpt = f.cParamsOpt;
    out.oVft = static_cast<SHORT>(*f.record.U16(0x0C) & ~1u);
    out.wFuncFlags = static_cast<WORD>(*f.record.U32(0x08) & 0xFFFF);
    if (!TypeCode(*f.record.I32(0x04), out.elemdescFunc.tdesc)) return TYPE_E_INVDATAREAD;
    out.lprgelemdescParam.resize(static_cast<std::size_t>(f.cParams));
    for (std::int16_t i = 0; i < f.cParams; ++i) {
        ELEMDESC& param = out.lprgelemdescParam[i];
        std::int64_t at = f.paramsAt + 12 * i;
        if (!TypeCode(*f.record.I32(at), param.tdesc)) return TYPE_E_INVDATAREAD;
        param.paramdesc.wParamFlags = static_cast<USHORT>(*f.record.U32(at + 8) & 0xFFFF);
        if ((param.paramdesc.wParamFlags & PARAMFLAG_FHASDEFAULT) && f.defaultsAt >= 0) {
            std::int32_t code = *f.record.I32(f.defaultsAt + 4 * i);
            auto value = std::make_shared<VARIANT>();
            if (code != kNone && Value(code, *value)) {
                param.paramdesc.pparamdescex = std::move(value);
            }
        }
    }
    return S_OK;
}

HRESULT MsftLibrary::VarDesc(UINT index, UINT var, VARDESC& out) const {
    const MemberTable* table = Table(index);
    Region record;
    if (!table || !VarRecord(*table, var, record)) return TYPE_E_ELEMENTNOTFOUND;
    out = VARDESC{};
    out.memid = table->memids[std::size_t{table->cFuncs} + var];
    if (!TypeCode(*record.I32(0x04), out.elemdescVar.tdesc)) return TYPE_E_INVDATAREAD;
    out.wVarFlags = static_cast<WORD>(*record.U32(0x08) & 0xFFFF);
    out.varkind = static_cast<VARKIND>(*record.U16(0x0C));
    std::int32_t slot = *record.I32(0x10);
    if (out.varkind == VAR_CONST) {
        auto value = std::make_shared<VARIANT>();
        if (!Value(slot, *value)) return TYPE_E_INVDATAREAD;
        out.lpvarValue = std::move(value);
    } else if (out.varkind == VAR_PERINSTANCE) {
        out.oInst = static_cast<ULONG>(slot);
    }
    return S_OK;
}

HRESULT MsftLibrary::FuncName(UINT index, UINT func, Bstr& name) const {
    const MemberTable* table = Table(index);
    if (!table || func >= table->cFuncs) return TYPE_E_ELEMENTNOTFOUND;
    name = Name(table->nameOffsets[func]);
    if (!name && func > 0) {
        // A second accessor of a property may leave its name to the first.
        FuncRecord previous;
        std::uint32_t accessors = INVOKE_PROPERTYGET | INVOKE_PROPERTYPUT | INVOKE_PROPERTYPUTREF;
        if (Function(*table, func - 1, previous) &&
            table->memids[func - 1] == table->memids[func] &&
            (((previous.fkccic >> 3) & 0xF) & accessors)) {
            name = Name(table->nameOffsets[func - 1]);
        }
    }
    return S_OK;
}

HRESULT MsftLibrary::FuncNames(UINT index, UINT func, std::vector<Bstr>& names,
                               UINT maxNames) const {
    const MemberTable* table = Table(index);
    FuncRecord f;
    if (!table || !Function(*table, func, f)) return TYPE_E_ELEMENTNOTFOUND;
    Bstr name;
    HRESULT hr = FuncName(index, func, name);
    if (FAILED(hr) || !name || maxNames == 0) return hr;
    names.push_back(std::move(name));
    for (std::int16_t i = 0; i < f.cParams && names.size() < maxNames; ++i) {
        Bstr param = Name(*f.record.I32(f.paramsAt + 12 * i + 4));
        if (!param) break;
        names.push_back(std::move(param));
    }
    return S_OK;
}

HRESULT MsftLibrary::VarName(UINT index, UINT var, Bstr& name) const {
    const MemberTable* table = Table(index);
    if (!table || var >= table->cVars) return TYPE_E_ELEMENTNOTFOUND;
    name = Name(table->nameOffsets[std::size_t{table->cFuncs} + var]);
    return S_OK;
}

HRESULT MsftLibrary::FuncDocumentation(UINT index, UINT func, Bstr* docString,
                                       DWORD* helpContext) const {
    const MemberTable* table = Table(index);
    FuncRecord f;
    if (!table || !Function(*table, func, f)) return TYPE_E_ELEMENTNOTFOUND;
    if (helpContext) *helpContext = f.HasOptional(0x18) ? *f.record.U32(0x18) : 0;
    if (docString) *docString = f.HasOptional(0x1C) ? String(*f.record.I32(0x1C)) : Bstr();
    return S_OK;
}

HRESULT MsftLibrary::VarDocumentation(UINT index, UINT var, Bstr* docString,
                                      DWORD* helpContext) const {
    const MemberTable* table = Table(index);
    Region record;
    if (!table || !VarRecord(*table, var, record)) return TYPE_E_ELEMENTNOTFOUND;
    if (helpContext) *helpContext = record.U32(0x14).value_or(0);
    if (docString) {
        auto offset = record.I32(0x18);
        *docString = offset ? String(*offset) : Bstr();
    }
    return S_OK;
}

HRESULT MsftLibrary::ImplType(UINT index, UINT impl, HREFTYPE& href, INT& flags) const {
    TypeRecord r;
    if (!Record(index, r) || impl >= r.cImplTypes) return TYPE_E_ELEMENTNOTFOUND;
    TYPEKIND kind = r.Kind();
    if (kind == TKIND_INTERFACE || kind == TKIND_DISPATCH) {
        if (impl != 0 || r.datatype1 == kNone) return TYPE_E_ELEMENTNOTFOUND;
        href = static_cast<HREFTYPE>(r.datatype1);
        flags = 0;
        return S_OK;
    }
    if (kind != TKIND_COCLASS) return TYPE_E_ELEMENTNOTFOUND;
    const std::vector<ImplRecord>* chain = ImplChain(index, r);
    if (impl >= chain->size()) return TYPE_E_INVDATAREAD;
    href = static_cast<HREFTYPE>((*chain)[impl].href);
    flags = (*chain)[impl].flags;
    return S_OK;
}

const std::vector<ImplRecord>* MsftLibrary::ImplChain(UINT index, const TypeRecord& r) const {
    auto& slot = m_implChains[index];
    if (!slot) {
        slot = std::make_unique<std::vector<ImplRecord>>();
        // The records are chained; a chain may loop, so it is followed at
        // most as far as the segment has records.
        const Region& refs = m_segments[kReferencesSeg];
        std::int64_t at = r.datatype1;
        std::size_t limit = std::min<std::size_t>(r.cImplTypes, refs.Size() / 16);
        while (slot->size() < limit) {
            auto target = refs.I32(at);
            auto implFlags = refs.I32(at + 4);
            auto next = refs.I32(at + 12);
            if (!target || !implFlags || !next) break;
            slot->push_back({*target, *implFlags});
            at = *next;
        }
    }
    return slot.get();
}

HRESULT MsftLibrary::ResolveHref(HREFTYPE href, HrefTarget& out) const {
    out = HrefTarget{};
    if ((href & 3u) == 0) {
        auto offset = static_cast<std::int32_t>(href);
        if (offset < 0) return TYPE_E_ELEMENTNOTFOUND;
        UINT guess = static_cast<UINT>(offset / kTypeRecordSize);
        if (guess < m_typeOffsets.size() && m_typeOffsets[guess] == offset) {
            out.localIndex = guess;
            return S_OK;
        }
        if (m_indexOfOffset.empty()) {
            for (UINT i = 0; i < m_typeOffsets.size(); ++i)
                m_indexOfOffset.emplace(m_typeOffsets[i], i);
        }
        auto it = m_indexOfOffset.find(offset);
        if (it == m_indexOfOffset.end()) return TYPE_E_ELEMENTNOTFOUND;
        out.localIndex = it->second;
        return S_OK;
    }
    if ((href & 3u) != 1) return TYPE_E_ELEMENTNOTFOUND;
    std::int64_t entry = href & ~3u;
    Cursor info(m_segments[kImportInfoSeg], entry);
    std::uint32_t word = info.U32();
    std::int32_t fileOffset = info.I32();
    std::int32_t guidOrIndex = info.I32();
    Cursor file(m_segments[kImportFilesSeg], fileOffset);
    std::int32_t libGuid = file.I32();
    out.import.lcid = file.U32();
    out.import.wMajorVerNum = file.U16();
    out.import.wMinorVerNum = file.U16();
    std::uint16_t lengthWord = file.U16();
    std::string_view fileName = file.Bytes(lengthWord >> 2);
    if (!info.Ok() || !file.Ok() || fileOffset < 0) return TYPE_E_ELEMENTNOTFOUND;
    out.imported = true;
    out.import.libGuid = Guid(libGuid);
    out.import.fileName = Decode(fileName);
    out.import.byGuid = (word & 0x10000) != 0;
    if (out.import.byGuid) {
        out.import.typeGuid = Guid(guidOrIndex);
    } else {
        out.import.typeIndex = static_cast<UINT>(guidOrIndex);
    }
    out.import.key = static_cast<std::uint32_t>(fileOffset);
    return S_OK;
}

bool MsftLibrary::DispatchHref(HREFTYPE& href) const {
    if (m_dispatchPos == kNone) return false;
    href = static_cast<HREFTYPE>(m_dispatchPos);
    return true;
}

HRESULT MsftLibrary::DllEntry(UINT index, UINT func, Bstr* dllName, Bstr* name,
                              WORD* ordinal) const {
    TypeRecord r;
    const MemberTable* table = Table(index);
    FuncRecord f;
    if (!Record(index, r) || !table || !Function(*table, func, f)) return TYPE_E_ELEMENTNOTFOUND;
    if (dllName) *dllName = String(r.datatype1);
    if (name) *name = std::nullopt;
    if (ordinal) *ordinal = 0;
    if (!f.HasOptional(0x20)) return S_OK;
    std::int32_t entry = *f.record.I32(0x20);
    if (f.fkccic & 0x2000) {
        if (ordinal) *ordinal = static_cast<WORD>(entry & 0xFFFF);
    } else if (name) {
        *name = String(entry);
    }
    return S_OK;
}

bool MsftLibrary::TypeCode(std::int32_t code, TYPEDESC& out, int depth) const {
    if (depth > kMaxTypeDepth) return false;
    if (code < 0) {
        // Inline: a simple type. A composite type here would have nothing to
        // point at.
        out = TYPEDESC{static_cast<VARTYPE>(code & 0xFFF)};
        return out.vt < VT_PTR || out.vt > VT_USERDEFINED;
    }
    auto cached = m_typeDescs.find(code);
    if (cached != m_typeDescs.end()) {
        out = *cached->second;
        return true;
    }
    const Region& table = m_segments[kTypeDescSeg];
    auto word0 = table.U32(code);
    auto word1 = table.U32(std::int64_t{code} + 4);
    if (code % 8 != 0 || !word0 || !word1) return false;
    TYPEDESC desc{static_cast<VARTYPE>(*word0 & 0xFFF)};
    switch (desc.vt) {
        case VT_PTR:
        case VT_SAFEARRAY: {
            TYPEDESC target;
            if (!TypeCode(static_cast<std::int32_t>(*word1), target, depth + 1)) return false;
            desc.lptdesc = std::make_shared<TYPEDESC>(std::move(target));
            break;
        }
        case VT_CARRAY: {
            const Region& arrays = m_segments[kArrayDescSeg];
            std::int64_t at = *word1;
            auto element = arrays.I32(at);
            auto dims = arrays.U16(at + 4);
            if (!element || !dims || *dims < 1 || *dims > 64) return false;
            if (!arrays.Contains(at + 8, 8 * std::int64_t{*dims})) return false;
            auto array = std::make_shared<ARRAYDESC>();
            if (!TypeCode(*element, array->tdescElem, depth + 1)) return false;
            array->rgbounds.resize(*dims);
            for (std::uint16_t d = 0; d < *dims; ++d) {
                array->rgbounds[d].cElements = *arrays.U32(at + 8 + 8 * d);
                array->rgbounds[d].lLbound = *arrays.I32(at + 12 + 8 * d);
            }
            desc.lpadesc = std::move(array);
            break;
        }
        case VT_USERDEFINED:
            desc.hreftype = *word1;
            break;
        default:
            break;
    }
    m_typeDescs.emplace(code, std::make_shared<TYPEDESC>(desc));
    out = std::move(desc);
    return true;
}

bool MsftLibrary::Value(std::int32_t code, VARIANT& out) const {
    out = VARIANT{};
    if (code < 0) {
        auto bits = static_cast<std::uint32_t>(code);
        out.vt = static_cast<VARTYPE>((bits >> 26) & 0x1F);
        std::uint32_t v = bits & 0x3FFFFFF;
        switch (out.vt) {
            case VT_I1:
                out.llVal = static_cast<std::int8_t>(v & 0xFF);
                return true;
            case VT_UI1:
                out.llVal = v & 0xFF;
                return true;
            case VT_I2:
                out.llVal = static_cast<std::int16_t>(v & 0xFFFF);
                return true;
            case VT_UI2:
                out.llVal = v & 0xFFFF;
                return true;
            case VT_BOOL:
                // Writers disagree on the width of true (0xFFFF, 0xFF).
                out.llVal = (v & 0xFFFF) ? -1 : 0;
                return true;
            case VT_I4:
            case VT_INT:
            case VT_ERROR:
            case VT_HRESULT:
                out.llVal = static_cast<std::int32_t>(v);
                return true;
            default:
                // Unsigned types, null pointers, and whatever else a writer
                // put here: the platform keeps the bits as they are.
                out.llVal = v;
                return true;
        }
    }
    const Region& data = m_segments[kCustDataSeg];
    auto vt = data.U16(code);
    if (!vt) return false;
    out.vt = *vt;
    std::int64_t at = std::int64_t{code} + 2;
    switch (out.vt) {
        case VT_I1:
        case VT_UI1:
        case VT_I2:
        case VT_UI2:
        case VT_I4:
        case VT_UI4:
        case VT_INT:
        case VT_UINT:
        case VT_ERROR:
        case VT_HRESULT:
        case VT_BOOL:
        case VT_R4:
        case VT_EMPTY:
        case VT_NULL: {
            auto raw = data.U32(at);
            if (!raw) return false;
            switch (out.vt) {
                case VT_I1:
                    out.llVal = static_cast<std::int8_t>(*raw & 0xFF);
                    break;
                case VT_UI1:
                    out.llVal = *raw & 0xFF;
                    break;
                case VT_I2:
                    out.llVal = static_cast<std::int16_t>(*raw & 0xFFFF);
                    break;
                case VT_UI2:
                    out.llVal = *raw & 0xFFFF;
                    break;
                case VT_BOOL:
                    out.llVal = static_cast<std::int16_t>(*raw & 0xFFFF);
                    break;
                case VT_I4:
                case VT_INT:
                case VT_ERROR:
                case VT_HRESULT:
                    out.llVal = static_cast<std::int32_t>(*raw);
                    break;
                case VT_R4: {
                    float f;
                    std::memcpy(&f, &*raw, sizeof f);
                    out.fltVal = f;
                    break;
                }
                default:
                    out.llVal = *raw;
                    break;
            }
            return true;
        }
        case VT_R8:
        case VT_DATE:
        case VT_CY:
        case VT_I8:
        case VT_UI8: {
            std::uint64_t raw;
            if (!data.Read(at, raw)) return false;
            std::memcpy(&out.llVal, &raw, sizeof raw);
            return true;
        }
        case VT_DECIMAL: {
            Cursor c(data, at);
            out.decVal.wReserved = VT_DECIMAL;
            out.decVal.scale = c.U8();
            out.decVal.sign = c.U8();
            out.decVal.Hi32 = c.U32();
            out.decVal.Lo64 = c.Read<std::uint64_t>();
            return c.Ok();
        }
        case VT_BSTR: {
            auto length = data.I32(at);
            if (!length) return false;
            if (*length == -1) return true;  // a null string
            auto bytes = data.Bytes(at + 4, *length);
            if (*length < 0 || !bytes) return false;
            out.bstrVal = Decode(*bytes);
            return true;
        }
        default:
            // The platform keeps a type it cannot read with an empty value;
            // converting it to text then fails, as it does there.
            return true;
    }
}

}  // namespace

std::unique_ptr<StoredLibrary> ParseMsft(Region image, std::shared_ptr<const ByteSource> keepAlive,
                                         TextDecoder decoder, std::string* why) {
    auto library = std::make_unique<MsftLibrary>(image, std::move(keepAlive), std::move(decoder));
    if (!library->Parse(why)) return nullptr;
    return library;
}

}  // namespace qorvix
