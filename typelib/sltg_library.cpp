#include "typelib/sltg_library.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

#include "typelib/codepage.h"

namespace qorvix {
namespace {

constexpr std::uint16_t kNone16 = 0xFFFF;
constexpr int kMaxTypeDepth = 32;
constexpr std::int64_t kTailSize = 0x36;

bool Fail(std::string* why, const char* text) {
    if (why) *why = text;
    return false;
}

// A block of the SLTG image: the library block or one typeinfo's.
struct SltgBlock {
    Region bytes;
    std::string name;
};

// The parts of a typeinfo block, located and checked once.
struct TypeBlock {
    TYPEKIND kind = TKIND_ENUM;
    WORD flags = 0;
    WORD major = 0;
    WORD minor = 0;
    Region members;  // the member data; member offsets count from here
    // The tail after the member data.
    WORD cFuncs = 0, cVars = 0, cImplTypes = 0;
    std::uint16_t firstFunc = kNone16, firstVar = kNone16, firstImpl = kNone16;
    std::uint16_t aliasType = 0, aliasIsSimple = 0;
    WORD cbSizeInstance = 0, cbAlignment = 0, cbSizeVft = 0;
    // Reference strings, by reference number: resolved targets.
    std::vector<std::optional<HREFTYPE>> references;
    // Member records in chain order (member offsets).
    std::vector<std::uint16_t> funcs, vars, impls;
};

struct TypeEntry {
    std::string blockName;
    std::uint16_t nameOffset = kNone16;
    DWORD helpContext = 0;
    GUID guid;
    WORD kind = 0;
};

// One function record, split into its parts.
struct FuncRecord {
    std::uint16_t at = 0;
    std::uint8_t kind = 0;
    std::uint8_t invkindByte = 0;
    std::uint16_t nameOffset = kNone16;
    MEMBERID memid = 0;
    std::uint16_t params = kNone16;
    std::uint8_t callAndCount = 0;
    std::uint8_t returnByte = 0;
    std::uint16_t returnWord = 0;
    std::uint16_t vtableOffset = 0;
    WORD funcFlags = 0;
    int CParams() const { return callAndCount >> 3; }
    int CParamsOpt() const { return (returnByte >> 1) & 0x3F; }
};

class SltgLibrary final : public StoredLibrary {
  public:
    SltgLibrary(Region image, std::shared_ptr<const ByteSource> keepAlive, TextDecoder decoder)
        : m_image(image), m_keepAlive(std::move(keepAlive)), m_decode(std::move(decoder)) {}

    bool Parse(std::string* why);

    UINT TypeCount() const override { return static_cast<UINT>(m_entries.size()); }
    TLIBATTR LibAttr() const override { return m_attr; }
    void LibDocumentation(Bstr* name, Bstr* docString, DWORD* helpContext,
                          Bstr* helpFile) const override {
        if (name) *name = Name(m_libName);
        if (docString) *docString = m_libDoc;
        if (helpContext) *helpContext = m_libHelpContext;
        if (helpFile) *helpFile = m_helpFile;
    }
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
    bool DispatchHref(HREFTYPE&) const override { return false; }
    HRESULT DllEntry(UINT index, UINT func, Bstr* dllName, Bstr* name,
                     WORD* ordinal) const override;

  private:
    bool ParseLibraryBlock(const SltgBlock& dir, std::string* why);
    const TypeBlock* TypeBlockOf(UINT index) const;
    bool ReadTypeBlock(UINT index, TypeBlock& out) const;
    bool ReadReferences(Region block, std::int64_t at, std::int64_t end, TypeBlock& out) const;
    std::optional<HREFTYPE> ReferenceTarget(std::string_view text) const;
    std::vector<std::uint16_t> Chain(const TypeBlock& t, std::uint16_t first, WORD count,
                                     std::int64_t recordSize) const;
    bool Function(const TypeBlock& t, UINT func, FuncRecord& out) const;
    bool DecodeType(const TypeBlock& t, Cursor& words, TYPEDESC& out, USHORT* flags,
                    int depth = 0) const;
    bool TypeAt(const TypeBlock& t, std::uint16_t memberOffset, TYPEDESC& out, USHORT* flags) const;
    bool InlineType(const TypeBlock& t, std::uint16_t word, TYPEDESC& out, USHORT* flags) const;
    Bstr Name(std::uint16_t offset) const;
    std::optional<std::string_view> RawName(std::uint16_t offset) const;
    std::u16string Decode(std::string_view bytes) const;

    Region m_image;
    std::shared_ptr<const ByteSource> m_keepAlive;
    TextDecoder m_decode;

    std::vector<SltgBlock> m_blocks;  // typeinfo blocks, in index order
    std::vector<TypeEntry> m_entries;
    Region m_names;
    TLIBATTR m_attr;
    std::uint16_t m_libName = kNone16;
    Bstr m_libDoc;
    Bstr m_helpFile;
    DWORD m_libHelpContext = 0;

    mutable std::vector<std::unique_ptr<TypeBlock>> m_types;
    mutable std::vector<std::uint8_t> m_typeRead;
    // Imports, numbered as references meet them: (import string, index).
    mutable std::vector<std::pair<std::uint16_t, UINT>> m_imports;
};

std::u16string SltgLibrary::Decode(std::string_view bytes) const {
    return m_decode ? m_decode(bytes, m_attr.lcid) : DecodeWindows1252(bytes);
}

std::optional<std::string_view> SltgLibrary::RawName(std::uint16_t offset) const {
    if (offset == 0xFFFF || offset == 0xFFFE) return std::nullopt;
    auto rest = m_names.From(std::int64_t{offset} + 8);
    if (!rest) return std::nullopt;
    auto bytes = rest->Bytes(0, static_cast<std::int64_t>(rest->Size()));
    std::size_t end = bytes->find('\0');
    if (end == std::string_view::npos) return std::nullopt;
    return bytes->substr(0, end);
}

Bstr SltgLibrary::Name(std::uint16_t offset) const {
    auto raw = RawName(offset);
    if (!raw) return std::nullopt;
    return Decode(*raw);
}

// An lstr: u16 count, then the bytes; 0xFFFF is absent.
bool ReadLstr(Cursor& c, std::optional<std::string_view>& out) {
    std::uint16_t length = c.U16();
    if (!c.Ok()) return false;
    if (length == kNone16) {
        out.reset();
        return true;
    }
    out = c.Bytes(length);
    return c.Ok();
}

bool SltgLibrary::Parse(std::string* why) {
    Cursor h(m_image, 4);
    std::uint16_t streams = h.U16();
    std::uint16_t padding = h.U16();
    std::uint16_t nameArea = h.U16();
    std::uint16_t first = h.U16();
    if (!h.Ok() || streams < 2) return Fail(why, "truncated SLTG header");
    std::int64_t entriesAt = 0x24;
    std::int64_t namesAt = entriesAt + 8 * (std::int64_t{streams} - 1);
    auto names = m_image.Sub(namesAt, nameArea);
    if (!names || nameArea < 13 || !m_image.Contains(namesAt, std::int64_t{nameArea} + padding)) {
        return Fail(why, "truncated SLTG directory");
    }
    if (names->Bytes(0, 13) != std::string_view("\x01"
                                                "CompObj\0dir\0",
                                                13)) {
        return Fail(why, "not an SLTG stream directory");
    }
    // Walk the chain of blocks from the first; each block follows the last.
    std::int64_t at = namesAt + nameArea + padding;
    std::vector<bool> visited(streams, false);
    std::uint16_t entry = first;
    std::vector<SltgBlock> chain;
    while (entry != 0) {
        if (entry >= streams || visited[entry]) return Fail(why, "the SLTG block chain is broken");
        visited[entry] = true;
        Cursor e(m_image, entriesAt + 8 * (std::int64_t{entry} - 1));
        std::uint32_t length = e.U32();
        std::uint16_t nameOffset = e.U16();
        std::uint16_t next = e.U16();
        auto bytes = m_image.Sub(at, length);
        auto nameBytes = names->Bytes(nameOffset, nameArea - std::int64_t{nameOffset});
        if (!e.Ok() || !bytes || !nameBytes || nameOffset >= nameArea) {
            return Fail(why, "an SLTG block lies outside the library");
        }
        std::size_t end = nameBytes->find('\0');
        if (end == std::string_view::npos) return Fail(why, "an SLTG block name is not terminated");
        chain.push_back({*bytes, std::string(nameBytes->substr(0, end))});
        at += length;
        entry = next;
    }
    if (chain.size() != std::size_t{streams} - 1 || chain.back().name != "dir") {
        return Fail(why, "the SLTG block chain does not end with the library block");
    }
    SltgBlock dir = chain.back();
    chain.pop_back();
    m_blocks = std::move(chain);
    if (!ParseLibraryBlock(dir, why)) return false;
    m_types.resize(m_entries.size());
    m_typeRead.resize(m_entries.size());
    return true;
}

bool SltgLibrary::ParseLibraryBlock(const SltgBlock& dir, std::string* why) {
    Cursor c(dir.bytes);
    std::uint16_t magic = c.U16();
    c.Skip(2);
    m_libName = c.U16();
    std::uint16_t skip = c.U16();
    if (!c.Ok() || magic != 0x51CC) return Fail(why, "bad SLTG library block");
    if (skip != kNone16) c.Skip(skip);
    std::optional<std::string_view> doc, helpFile;
    if (!ReadLstr(c, doc) || !ReadLstr(c, helpFile)) return Fail(why, "bad SLTG library block");
    if (doc) m_libDoc = Decode(*doc);
    if (helpFile) m_helpFile = Decode(*helpFile);
    m_libHelpContext = c.U32();
    m_attr.syskind = static_cast<SYSKIND>(c.U16());
    std::uint16_t lcid = c.U16();
    // The platform reports a language-only LCID and drops one with a sublanguage.
    m_attr.lcid = (lcid & 0xFC00) ? 0 : lcid;
    c.Skip(4);
    m_attr.wLibFlags = c.U16();
    m_attr.wMajorVerNum = c.U16();
    m_attr.wMinorVerNum = c.U16();
    m_attr.guid = c.Read<GUID>();
    c.Skip(64);  // hash heads
    std::uint16_t count = c.U16();
    if (!c.Ok() || count != m_blocks.size()) return Fail(why, "the SLTG type count is wrong");
    m_entries.resize(count);
    for (TypeEntry& entry : m_entries) {
        std::optional<std::string_view> blockName, other;
        if (!ReadLstr(c, blockName) || !ReadLstr(c, other)) break;
        entry.blockName = blockName ? std::string(*blockName) : std::string();
        c.Skip(2);
        entry.nameOffset = c.U16();
        std::uint16_t helpLength = c.U16();
        c.Skip(helpLength);  // compressed help string: the platform does not show it
        c.Skip(2);
        entry.helpContext = c.U32();
        c.Skip(2);
        entry.guid = c.Read<GUID>();
        entry.kind = c.U16();
    }
    std::uint32_t nameTableAt = c.U32();
    if (!c.Ok()) return Fail(why, "bad SLTG type entries");
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].blockName != m_blocks[i].name) {
            return Fail(why, "an SLTG type entry names the wrong block");
        }
    }
    Cursor n(dir.bytes, nameTableAt);
    std::uint16_t w = n.U16();
    if (w == kNone16) {
        n.Skip(10);
    } else if (w == 0x0200) {
        n.Skip(42);
    } else {
        return Fail(why, "unknown SLTG name-table preamble");
    }
    n.Skip(0x200);
    std::uint32_t tableSize = n.U32();
    auto table = n.Ok() ? dir.bytes.Sub(n.Offset(), tableSize) : std::nullopt;
    if (!table) return Fail(why, "the SLTG name table lies outside the library block");
    m_names = *table;
    return true;
}

const TypeBlock* SltgLibrary::TypeBlockOf(UINT index) const {
    if (index >= m_types.size()) return nullptr;
    if (!m_typeRead[index]) {
        m_typeRead[index] = 1;
        auto block = std::make_unique<TypeBlock>();
        if (ReadTypeBlock(index, *block)) m_types[index] = std::move(block);
    }
    return m_types[index].get();
}

bool SltgLibrary::ReadTypeBlock(UINT index, TypeBlock& t) const {
    Region block = m_blocks[index].bytes;
    Cursor h(block);
    std::uint16_t magic = h.U16();
    std::uint32_t refsAt = h.U32();
    h.Skip(4);
    std::uint32_t memberHeaderAt = h.U32();
    h.Skip(4);
    t.major = h.U16();
    t.minor = h.U16();
    h.Skip(4);
    t.flags = static_cast<WORD>(h.U16() >> 3);
    h.Skip(1);
    std::uint8_t kind = h.U8();
    if (!h.Ok() || magic != 0x0501 || kind >= TKIND_MAX) return false;
    t.kind = static_cast<TYPEKIND>(kind);

    Cursor m(block, memberHeaderAt);
    m.Skip(5);
    std::uint32_t memberLength = m.U32();
    std::int64_t membersAt = m.Offset();
    if (!m.Ok() || !block.Contains(membersAt, std::int64_t{memberLength} + kTailSize)) return false;
    t.members = *block.Sub(membersAt, memberLength);
    Cursor tail(block, membersAt + memberLength);
    t.cFuncs = tail.U16();
    t.cVars = tail.U16();
    t.cImplTypes = tail.U16();
    tail.Skip(2);
    t.firstFunc = tail.U16();
    t.firstVar = tail.U16();
    t.firstImpl = tail.U16();
    tail.Skip(6);
    t.aliasType = tail.U16();
    tail.Skip(6);
    t.aliasIsSimple = tail.U16();
    tail.Skip(2);
    t.cbSizeInstance = tail.U16();
    t.cbAlignment = tail.U16();
    tail.Skip(4);
    t.cbSizeVft = tail.U16();
    if (!tail.Ok()) return false;

    if (refsAt != 0xFFFFFFFF && !ReadReferences(block, refsAt, memberHeaderAt, t)) return false;
    t.funcs = Chain(t, t.firstFunc, t.cFuncs, 0x14);
    t.vars = Chain(t, t.firstVar, t.cVars, 0x12);
    t.impls = Chain(t, t.firstImpl, t.cImplTypes, 0x16);
    // Counts that the chains cannot back make the type unusable.
    return t.funcs.size() == t.cFuncs && t.vars.size() == t.cVars && t.impls.size() == t.cImplTypes;
}

bool SltgLibrary::ReadReferences(Region block, std::int64_t at, std::int64_t end,
                                 TypeBlock& t) const {
    Cursor c(block, at);
    if (c.U8() != 0xDF) return false;
    c.Skip(0x43);
    std::uint32_t dataLength = c.U32();
    if (!c.Ok() || dataLength % 8 != 0) return false;
    std::uint32_t count = dataLength / 8;
    c.Skip(dataLength);
    c.Skip(7);
    if (!c.Ok() || count > static_cast<std::uint64_t>(end - c.Offset()) / 2) return false;
    t.references.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::optional<std::string_view> text;
        if (!ReadLstr(c, text)) return false;
        t.references.push_back(text ? ReferenceTarget(*text) : std::nullopt);
    }
    return c.U8() == 0xDF && c.Ok() && c.Offset() <= end;
}

std::optional<std::uint32_t> Hex(std::string_view text) {
    if (text.empty() || text.size() > 8) return std::nullopt;
    std::uint32_t value = 0;
    for (char ch : text) {
        int digit;
        if (ch >= '0' && ch <= '9') {
            digit = ch - '0';
        } else if (ch >= 'a' && ch <= 'f') {
            digit = ch - 'a' + 10;
        } else if (ch >= 'A' && ch <= 'F') {
            digit = ch - 'A' + 10;
        } else {
            return std::nullopt;
        }
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return value;
}

// "*\R<a>*#<n>": typeinfo n of this library (a = ffff) or of the library
// named by the import string at name offset a.
std::optional<HREFTYPE> SltgLibrary::ReferenceTarget(std::string_view text) const {
    if (text.size() < 6 || text.substr(0, 3) != "*\\R") return std::nullopt;
    std::size_t hash = text.find("*#", 3);
    if (hash == std::string_view::npos) return std::nullopt;
    auto library = Hex(text.substr(3, hash - 3));
    auto index = Hex(text.substr(hash + 2));
    if (!library || !index || *library > 0xFFFF) return std::nullopt;
    if (*library == 0xFFFF) {
        if (*index >= m_entries.size()) return std::nullopt;
        return static_cast<HREFTYPE>(*index) << 2;
    }
    std::pair<std::uint16_t, UINT> key{static_cast<std::uint16_t>(*library), *index};
    auto it = std::find(m_imports.begin(), m_imports.end(), key);
    std::size_t slot = it - m_imports.begin();
    if (it == m_imports.end()) {
        if (m_imports.size() >= 0x3FFFFFF) return std::nullopt;
        m_imports.push_back(key);
    }
    return (static_cast<HREFTYPE>(slot) << 2) | 1;
}

std::vector<std::uint16_t> SltgLibrary::Chain(const TypeBlock& t, std::uint16_t first, WORD count,
                                              std::int64_t recordSize) const {
    std::vector<std::uint16_t> chain;
    std::set<std::uint16_t> seen;
    for (std::uint16_t at = first; at != kNone16 && chain.size() < count;) {
        if (!t.members.Contains(at, recordSize) || !seen.insert(at).second) break;
        chain.push_back(at);
        at = *t.members.U16(std::int64_t{at} + 2);
    }
    return chain;
}

HRESULT SltgLibrary::Type(UINT index, StoredType& out) const {
    const TypeBlock* t = TypeBlockOf(index);
    if (!t) return TYPE_E_INVDATAREAD;
    const TypeEntry& entry = m_entries[index];
    out = StoredType{};
    out.typekind = t->kind;
    out.wTypeFlags = t->flags;
    out.guid = entry.guid;
    out.wMajorVerNum = t->major;
    out.wMinorVerNum = t->minor;
    out.cFuncs = t->cFuncs;
    out.cVars = t->cVars;
    out.cImplTypes = t->cImplTypes;
    out.cbSizeVft = t->cbSizeVft;
    out.cbAlignment = t->cbAlignment;
    out.cbSizeInstance = t->cbSizeInstance;
    if (t->kind == TKIND_ALIAS) {
        bool ok = t->aliasIsSimple ? (out.tdescAlias = TYPEDESC{t->aliasType}, true)
                                   : TypeAt(*t, t->aliasType, out.tdescAlias, nullptr);
        if (!ok) return TYPE_E_INVDATAREAD;
    }
    bool dual = (t->flags & TYPEFLAG_FDUAL) != 0;
    if (dual && (t->kind == TKIND_INTERFACE || t->kind == TKIND_DISPATCH)) {
        // A dual is presented as its dispatch view with the interface as twin.
        out.typekind = TKIND_DISPATCH;
    }
    // The base of an interface (and of a dual); a plain dispinterface's
    // record names IDispatch, which its dispatch view supplies itself.
    if ((t->kind == TKIND_INTERFACE || dual) && !t->impls.empty()) {
        INT flags;
        HREFTYPE href;
        if (SUCCEEDED(ImplType(index, 0, href, flags))) {
            out.hasBase = true;
            out.baseHref = href;
        }
    }
    return S_OK;
}

HRESULT SltgLibrary::TypeDocumentation(UINT index, Bstr* name, Bstr* docString,
                                       DWORD* helpContext) const {
    if (index >= m_entries.size()) return TYPE_E_ELEMENTNOTFOUND;
    const TypeEntry& entry = m_entries[index];
    if (name) *name = Name(entry.nameOffset);
    // The platform does not show the compressed help strings of SLTG types.
    if (docString) docString->reset();
    if (helpContext) *helpContext = entry.helpContext;
    return S_OK;
}

HRESULT SltgLibrary::Members(UINT index, StoredMembers& out) const {
    const TypeBlock* t = TypeBlockOf(index);
    if (!t) return TYPE_E_INVDATAREAD;
    out.funcMemids.clear();
    out.varMemids.clear();
    for (std::uint16_t at : t->funcs) {
        out.funcMemids.push_back(static_cast<MEMBERID>(*t->members.U32(std::int64_t{at} + 6)));
    }
    for (std::uint16_t at : t->vars) {
        out.varMemids.push_back(static_cast<MEMBERID>(*t->members.U32(std::int64_t{at} + 0x0A)));
    }
    return S_OK;
}

bool SltgLibrary::Function(const TypeBlock& t, UINT func, FuncRecord& f) const {
    if (func >= t.funcs.size()) return false;
    f.at = t.funcs[func];
    Cursor c(t.members, f.at);
    f.kind = c.U8();
    f.invkindByte = c.U8();
    c.Skip(2);
    f.nameOffset = c.U16();
    f.memid = static_cast<MEMBERID>(c.U32());
    c.Skip(4);  // help context and help string: not shown for SLTG
    f.params = c.U16();
    f.callAndCount = c.U8();
    f.returnByte = c.U8();
    f.returnWord = c.U16();
    f.vtableOffset = c.U16();
    if (f.kind & 0x20) f.funcFlags = c.U16();
    std::uint8_t kind = f.kind & ~0x20;
    return c.Ok() && (kind == 0x4C || kind == 0xCB || kind == 0x8B) &&
           f.CParamsOpt() <= f.CParams();
}

// Parameter flags carried by the first word of a parameter's type.
USHORT ParamFlagsOf(std::uint16_t word) {
    USHORT flags = 0;
    switch (word & 0xC000) {
        case 0x0000:
            flags = PARAMFLAG_FIN;
            break;
        case 0x8000:
            flags = PARAMFLAG_FIN | PARAMFLAG_FOUT;
            break;
        case 0x4000:
            flags = PARAMFLAG_FOUT;
            break;
        default:
            break;
    }
    if (word & 0x2000) flags |= PARAMFLAG_FLCID;
    if (word & 0x0080) flags |= PARAMFLAG_FRETVAL;
    return flags;
}

bool SltgLibrary::DecodeType(const TypeBlock& t, Cursor& words, TYPEDESC& out, USHORT* flags,
                             int depth) const {
    if (depth > kMaxTypeDepth) return false;
    std::uint16_t w = words.U16();
    if (!words.Ok()) return false;
    if (flags) *flags = ParamFlagsOf(w);
    TYPEDESC inner{static_cast<VARTYPE>(w & 0x3F)};
    switch (inner.vt) {
        case VT_PTR: {
            TYPEDESC target;
            if (!DecodeType(t, words, target, nullptr, depth + 1)) return false;
            inner.lptdesc = std::make_shared<TYPEDESC>(std::move(target));
            break;
        }
        case VT_SAFEARRAY: {
            words.Skip(2);
            TYPEDESC element;
            if (!DecodeType(t, words, element, nullptr, depth + 1)) return false;
            inner.lptdesc = std::make_shared<TYPEDESC>(std::move(element));
            break;
        }
        case VT_CARRAY: {
            std::uint16_t boundsAt = words.U16();
            auto array = std::make_shared<ARRAYDESC>();
            if (!DecodeType(t, words, array->tdescElem, nullptr, depth + 1)) return false;
            Cursor b(t.members, boundsAt);
            std::uint16_t dims = b.U16();
            b.Skip(14);  // features, element size, locks, data
            if (!b.Ok() || dims < 1 || dims > 64) return false;
            array->rgbounds.resize(dims);
            for (SAFEARRAYBOUND& bound : array->rgbounds) {
                bound.cElements = b.U32();
                bound.lLbound = b.I32();
            }
            if (!b.Ok()) return false;
            inner.lpadesc = std::move(array);
            break;
        }
        case VT_USERDEFINED: {
            std::uint16_t value = words.U16();
            if (!words.Ok() || value % 4 != 0 || value / 4u >= t.references.size()) return false;
            const auto& target = t.references[value / 4u];
            if (!target) return false;
            inner.hreftype = *target;
            break;
        }
        default:
            break;
    }
    if ((w & 0x0E00) == 0x0E00) {
        out = TYPEDESC{VT_PTR};
        out.lptdesc = std::make_shared<TYPEDESC>(std::move(inner));
    } else {
        out = std::move(inner);
    }
    return true;
}

bool SltgLibrary::TypeAt(const TypeBlock& t, std::uint16_t memberOffset, TYPEDESC& out,
                         USHORT* flags) const {
    Cursor words(t.members, memberOffset);
    return DecodeType(t, words, out, flags);
}

bool SltgLibrary::InlineType(const TypeBlock& t, std::uint16_t word, TYPEDESC& out,
                             USHORT* flags) const {
    // A one-word type stored in a record's own field.
    std::uint8_t bytes[2];
    std::memcpy(bytes, &word, 2);
    Cursor words(Region(bytes, 2));
    return DecodeType(t, words, out, flags);
}

HRESULT SltgLibrary::FuncDesc(UINT index, UINT func, FUNCDESC& out) const {
    const TypeBlock* t = TypeBlockOf(index);
    FuncRecord f;
    if (!t || !Function(*t, func, f)) return TYPE_E_ELEMENTNOTFOUND;
    out = FUNCDESC{};
    out.memid = f.memid;
    switch (f.kind & ~0x20) {
        case 0x4C:
            out.funckind = FUNC_PUREVIRTUAL;
            break;
        case 0xCB:
            out.funckind = FUNC_DISPATCH;
            break;
        default:
            out.funckind = FUNC_STATIC;
            break;
    }
    out.invkind = static_cast<INVOKEKIND>(f.invkindByte >> 4);
    out.callconv = static_cast<CALLCONV>(f.callAndCount & 7);
    out.cParams = static_cast<SHORT>(f.CParams());
    out.cParamsOpt = static_cast<SHORT>(f.CParamsOpt());
    out.oVft = out.funckind == FUNC_DISPATCH ? 0 : static_cast<SHORT>(f.vtableOffset);
    out.wFuncFlags = f.funcFlags;
    bool ok = (f.returnByte & 0x80) ? InlineType(*t, f.returnWord, out.elemdescFunc.tdesc, nullptr)
                                    : TypeAt(*t, f.returnWord, out.elemdescFunc.tdesc, nullptr);
    if (!ok) return TYPE_E_INVDATAREAD;
    out.lprgelemdescParam.resize(static_cast<std::size_t>(out.cParams));
    Cursor list(t->members, f.params);
    for (int i = 0; i < out.cParams; ++i) {
        ELEMDESC& param = out.lprgelemdescParam[static_cast<std::size_t>(i)];
        std::uint16_t nameWord = list.U16();
        if (!list.Ok()) return TYPE_E_INVDATAREAD;
        ok = (nameWord & 1) ? DecodeType(*t, list, param.tdesc, &param.paramdesc.wParamFlags)
                            : TypeAt(*t, list.U16(), param.tdesc, &param.paramdesc.wParamFlags);
        if (!ok || !list.Ok()) return TYPE_E_INVDATAREAD;
        if (i >= out.cParams - out.cParamsOpt) param.paramdesc.wParamFlags |= PARAMFLAG_FOPT;
    }
    return S_OK;
}

HRESULT SltgLibrary::FuncName(UINT index, UINT func, Bstr& name) const {
    const TypeBlock* t = TypeBlockOf(index);
    FuncRecord f;
    if (!t || !Function(*t, func, f)) return TYPE_E_ELEMENTNOTFOUND;
    name = Name(f.nameOffset);
    return S_OK;
}

HRESULT SltgLibrary::FuncNames(UINT index, UINT func, std::vector<Bstr>& names,
                               UINT maxNames) const {
    const TypeBlock* t = TypeBlockOf(index);
    FuncRecord f;
    if (!t || !Function(*t, func, f)) return TYPE_E_ELEMENTNOTFOUND;
    Bstr name = Name(f.nameOffset);
    if (!name || maxNames == 0) return S_OK;
    names.push_back(std::move(name));
    Cursor list(t->members, f.params);
    for (int i = 0; i < f.CParams() && names.size() < maxNames; ++i) {
        std::uint16_t nameWord = list.U16();
        if (!list.Ok()) break;
        // Step over the type to reach the next parameter.
        if (nameWord & 1) {
            TYPEDESC skipped;
            if (!DecodeType(*t, list, skipped, nullptr)) break;
        } else {
            list.Skip(2);
        }
        Bstr param = Name(static_cast<std::uint16_t>(nameWord & ~1u));
        if (!param) break;
        names.push_back(std::move(param));
    }
    return S_OK;
}

HRESULT SltgLibrary::FuncDocumentation(UINT index, UINT func, Bstr* docString,
                                       DWORD* helpContext) const {
    const TypeBlock* t = TypeBlockOf(index);
    FuncRecord f;
    if (!t || !Function(*t, func, f)) return TYPE_E_ELEMENTNOTFOUND;
    // The platform reports neither member help strings nor contexts here.
    if (docString) docString->reset();
    if (helpContext) *helpContext = 0;
    return S_OK;
}

HRESULT SltgLibrary::VarDesc(UINT index, UINT var, VARDESC& out) const {
    const TypeBlock* t = TypeBlockOf(index);
    if (!t || var >= t->vars.size()) return TYPE_E_ELEMENTNOTFOUND;
    Cursor c(t->members, t->vars[var]);
    std::uint8_t magic = c.U8();
    std::uint8_t flags = c.U8();
    c.Skip(4);  // next, name
    std::uint16_t valueWord = c.U16();
    std::uint16_t typeWord = c.U16();
    MEMBERID memid = static_cast<MEMBERID>(c.U32());
    c.Skip(4);  // help context and string
    WORD varFlags = (magic & 0x20) ? c.U16() : 0;
    if (!c.Ok() || (magic & ~0x20) != 0x0A) return TYPE_E_INVDATAREAD;
    out = VARDESC{};
    out.memid = memid;
    out.varkind = (flags & 0x40) ? VAR_DISPATCH : (flags & 0x10) ? VAR_CONST : VAR_PERINSTANCE;
    out.wVarFlags = static_cast<WORD>(varFlags | ((flags & 0x80) ? 1 : 0));
    bool ok = (flags & 0x02) ? InlineType(*t, typeWord, out.elemdescVar.tdesc, nullptr)
                             : TypeAt(*t, typeWord, out.elemdescVar.tdesc, nullptr);
    if (!ok) return TYPE_E_INVDATAREAD;
    if (out.varkind == VAR_PERINSTANCE) out.oInst = valueWord;
    if (out.varkind == VAR_CONST) {
        auto value = std::make_shared<VARIANT>();
        VARTYPE declared = out.elemdescVar.tdesc.vt;
        if (flags & 0x08) {
            value->vt = VT_INT;
            value->llVal = valueWord;
        } else if (declared == VT_BSTR || declared == VT_LPSTR || declared == VT_LPWSTR) {
            Cursor v(t->members, valueWord);
            std::optional<std::string_view> text;
            if (!ReadLstr(v, text)) return TYPE_E_INVDATAREAD;
            value->vt = VT_BSTR;
            if (text) value->bstrVal = Decode(*text);
        } else {
            auto number = t->members.I32(valueWord);
            if (!number) return TYPE_E_INVDATAREAD;
            value->vt = VT_INT;
            value->llVal = *number;
        }
        out.lpvarValue = std::move(value);
    }
    return S_OK;
}

HRESULT SltgLibrary::VarName(UINT index, UINT var, Bstr& name) const {
    const TypeBlock* t = TypeBlockOf(index);
    if (!t || var >= t->vars.size()) return TYPE_E_ELEMENTNOTFOUND;
    // A variable without a name of its own takes its predecessor's.
    for (UINT v = var + 1; v-- > 0;) {
        auto offset = t->members.U16(std::int64_t{t->vars[v]} + 4);
        if (!offset) return TYPE_E_INVDATAREAD;
        if (*offset != 0xFFFE) {
            name = Name(*offset);
            return S_OK;
        }
    }
    name.reset();
    return S_OK;
}

HRESULT SltgLibrary::VarDocumentation(UINT index, UINT var, Bstr* docString,
                                      DWORD* helpContext) const {
    const TypeBlock* t = TypeBlockOf(index);
    if (!t || var >= t->vars.size()) return TYPE_E_ELEMENTNOTFOUND;
    if (docString) docString->reset();
    if (helpContext) *helpContext = 0;
    return S_OK;
}

HRESULT SltgLibrary::ImplType(UINT index, UINT impl, HREFTYPE& href, INT& flags) const {
    const TypeBlock* t = TypeBlockOf(index);
    if (!t || impl >= t->impls.size()) return TYPE_E_ELEMENTNOTFOUND;
    std::int64_t at = t->impls[impl];
    auto implFlags = t->members.U8(at + 6);
    auto typeAt = t->members.U16(at + 8);
    if (!implFlags || !typeAt) return TYPE_E_INVDATAREAD;
    // The record's type description names the interface; its field 0x0A
    // does not (for dispinterfaces it holds the variable count).
    TYPEDESC desc;
    if (!TypeAt(*t, *typeAt, desc, nullptr) || desc.vt != VT_USERDEFINED) {
        return TYPE_E_INVDATAREAD;
    }
    href = desc.hreftype;
    flags = *implFlags;
    return S_OK;
}

HRESULT SltgLibrary::ResolveHref(HREFTYPE href, HrefTarget& out) const {
    out = HrefTarget{};
    if ((href & 3u) == 0) {
        if ((href >> 2) >= m_entries.size()) return TYPE_E_ELEMENTNOTFOUND;
        out.localIndex = href >> 2;
        return S_OK;
    }
    if ((href & 3u) != 1 || (href >> 2) >= m_imports.size()) return TYPE_E_ELEMENTNOTFOUND;
    auto [stringOffset, typeIndex] = m_imports[href >> 2];
    // "*\G{guid}#major.minor#lcid#path#"
    auto text = RawName(stringOffset);
    if (!text || text->substr(0, 3) != "*\\G") return TYPE_E_ELEMENTNOTFOUND;
    std::string_view rest = text->substr(3);
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        std::size_t end = rest.find('#', start);
        if (end == std::string_view::npos) {
            fields.push_back(rest.substr(start));
            break;
        }
        fields.push_back(rest.substr(start, end - start));
        start = end + 1;
    }
    if (fields.size() < 4) return TYPE_E_ELEMENTNOTFOUND;
    std::u16string guidText(fields[0].begin(), fields[0].end());
    auto guid = GuidFromString(guidText);
    std::size_t dot = fields[1].find('.');
    auto major = Hex(fields[1].substr(0, dot));
    auto minor = dot == std::string_view::npos ? std::optional<std::uint32_t>(0)
                                               : Hex(fields[1].substr(dot + 1));
    auto lcid = Hex(fields[2]);
    if (!guid || !major || !minor || !lcid) return TYPE_E_ELEMENTNOTFOUND;
    std::string_view path = fields[3];
    std::size_t slash = path.find_last_of("\\/");
    if (slash != std::string_view::npos) path = path.substr(slash + 1);
    out.imported = true;
    out.import.libGuid = *guid;
    out.import.wMajorVerNum = static_cast<WORD>(*major);
    out.import.wMinorVerNum = static_cast<WORD>(*minor);
    out.import.lcid = *lcid;
    out.import.fileName = Decode(path);
    out.import.byGuid = false;
    out.import.typeIndex = typeIndex;
    out.import.key = stringOffset;
    return S_OK;
}

HRESULT SltgLibrary::DllEntry(UINT index, UINT func, Bstr* dllName, Bstr* name,
                              WORD* ordinal) const {
    // SLTG modules keep no DLL name that anyone has seen decoded.
    if (dllName) dllName->reset();
    if (name) name->reset();
    if (ordinal) *ordinal = 0;
    const TypeBlock* t = TypeBlockOf(index);
    return t && func < t->funcs.size() ? S_OK : TYPE_E_ELEMENTNOTFOUND;
}

}  // namespace

std::unique_ptr<StoredLibrary> ParseSltg(Region image, std::shared_ptr<const ByteSource> keepAlive,
                                         TextDecoder decoder, std::string* why) {
    auto library = std::make_unique<SltgLibrary>(image, std::move(keepAlive), std::move(decoder));
    if (!library->Parse(why)) return nullptr;
    return library;
}

}  // namespace qorvix
