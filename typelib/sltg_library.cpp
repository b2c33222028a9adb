#include "typelib/sltg_library.h"

#include "typelib/codepage.h"
#include "typelib/reasons.h"
#include "typelib/sltg_decoder.h"

namespace qorvix {
namespace sltg {
namespace {

constexpr std::string_view kFixedNames(
    "\x01"
    "CompObj\0dir\0",
    13);

}  // namespace

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

std::u16string SltgLibrary::Decode(std::string_view bytes) const {
    return m_decode ? m_decode(bytes, m_attr.lcid) : DecodeWindows1252(bytes);
}

std::optional<std::string_view> SltgLibrary::RawName(std::uint16_t offset) const {
    Region rest;
    if (offset == kNone16 || offset == kNoName || !m_names.From(std::int64_t{offset} + 8, rest)) {
        return std::nullopt;
    }
    std::string_view bytes = rest.Text();
    std::size_t end = bytes.find('\0');
    if (end == std::string_view::npos) return std::nullopt;
    return bytes.substr(0, end);
}

Bstr SltgLibrary::Name(std::uint16_t offset) const {
    auto raw = RawName(offset);
    if (!raw) return std::nullopt;
    return Decode(*raw);
}

void SltgLibrary::LibDocumentation(Bstr* name, Bstr* docString, DWORD* helpContext,
                                   Bstr* helpFile) const {
    if (name) *name = Name(m_libName);
    if (docString) *docString = m_libDoc;
    if (helpContext) *helpContext = m_libHelpContext;
    if (helpFile) *helpFile = m_helpFile;
}

ReadStatus SltgLibrary::Parse() {
    Header header;
    if (!m_image.Read(0, header) || header.streams < 2)
        return Unusable(reason::kTruncatedSltgHeader, m_image.FileOffset(0));
    std::uint16_t streams = header.streams;
    std::uint16_t nameArea = header.nameArea;
    std::int64_t entriesAt = sizeof header;
    std::int64_t namesAt = entriesAt + std::int64_t{sizeof(BlockEntry)} * (streams - 1);
    Region names;
    std::string_view fixedNames;
    if (!m_image.Sub(namesAt, nameArea, names) || nameArea < kFixedNames.size() ||
        !m_image.Contains(namesAt, std::int64_t{nameArea} + header.padding)) {
        return Unusable(reason::kTruncatedSltgDirectory, m_image.FileOffset(namesAt));
    }
    if (!names.Bytes(0, kFixedNames.size(), fixedNames) || fixedNames != kFixedNames) {
        return Unusable(reason::kNotSltgDirectory, m_image.FileOffset(namesAt));
    }
    // Walk the chain of blocks from the first; each block follows the last.
    std::int64_t at = namesAt + nameArea + header.padding;
    std::vector<bool> visited(streams, false);
    std::uint16_t entry = header.first;
    std::vector<Block> chain;
    while (entry != 0) {
        if (entry >= streams || visited[entry])
            return Unusable(reason::kBrokenBlockChain, m_image.FileOffset(entriesAt));
        visited[entry] = true;
        BlockEntry e;
        Block block;
        std::string_view nameBytes;
        if (!m_image.Read(entriesAt + std::int64_t{sizeof e} * (entry - 1), e) ||
            !m_image.Sub(at, e.length, block.bytes) || e.nameOffset >= nameArea ||
            !names.Bytes(e.nameOffset, nameArea - std::int64_t{e.nameOffset}, nameBytes)) {
            return Unusable(reason::kBlockOutside, m_image.FileOffset(at));
        }
        std::size_t end = nameBytes.find('\0');
        if (end == std::string_view::npos)
            return Unusable(reason::kUnterminatedBlockName, names.FileOffset(e.nameOffset));
        block.name = std::string(nameBytes.substr(0, end));
        chain.push_back(std::move(block));
        at += e.length;
        entry = e.next;
    }
    if (chain.size() != std::size_t{streams} - 1 || chain.back().name != "dir") {
        return Unusable(reason::kChainWithoutLibraryBlock, m_image.FileOffset(entriesAt));
    }
    Block dir = chain.back();
    chain.pop_back();
    m_blocks = std::move(chain);
    if (ReadStatus status = ParseLibraryBlock(dir); !status.Ok()) return status;
    m_types.resize(m_entries.size());
    return S_OK;
}

ReadStatus SltgLibrary::ParseLibraryBlock(const Block& dir) {
    Cursor c(dir.bytes);
    auto head = c.Read<LibraryHead>();
    if (!c.Ok() || head.magic != kLibraryMagic)
        return Unusable(reason::kBadLibraryBlock, dir.bytes.FileOffset(0));
    m_libName = head.nameOffset;
    if (head.skip != kNone16) c.Skip(head.skip);
    std::optional<std::string_view> doc, helpFile;
    if (!ReadLstr(c, doc) || !ReadLstr(c, helpFile))
        return Unusable(reason::kBadLibraryBlock, dir.bytes.FileOffset(0));
    if (doc) m_libDoc = Decode(*doc);
    if (helpFile) m_helpFile = Decode(*helpFile);
    auto middle = c.Read<LibraryMiddle>();
    m_libHelpContext = middle.helpContext;
    m_attr.syskind = static_cast<SYSKIND>(WORD{middle.syskind});
    // The platform reports a language-only LCID and drops one with a sublanguage.
    std::uint16_t lcid = middle.lcid;
    m_attr.lcid = (lcid & 0xFC00) ? 0 : lcid;
    m_attr.wLibFlags = middle.libFlags;
    m_attr.wMajorVerNum = middle.major;
    m_attr.wMinorVerNum = middle.minor;
    m_attr.guid = middle.guid;
    if (!c.Ok() || middle.typeCount != m_blocks.size()) {
        return Unusable(reason::kWrongTypeCount, dir.bytes.FileOffset(0));
    }
    if (ReadStatus status = ParseTypeEntries(c); !status.Ok()) return status;
    std::uint32_t nameTableAt = c.U32();
    if (!c.Ok()) return Unusable(reason::kBadTypeEntries, dir.bytes.FileOffset(0));
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].blockName != m_blocks[i].name) {
            return Unusable(reason::kTypeEntryWrongBlock, dir.bytes.FileOffset(0));
        }
    }
    return ParseNameTable(dir, nameTableAt);
}

ReadStatus SltgLibrary::ParseTypeEntries(Cursor& c) {
    m_entries.resize(m_blocks.size());
    for (TypeEntry& entry : m_entries) {
        std::optional<std::string_view> blockName, other;
        if (!ReadLstr(c, blockName) || !ReadLstr(c, other)) break;
        entry.blockName = blockName ? std::string(*blockName) : std::string();
        auto head = c.Read<TypeEntryHead>();
        c.Skip(head.helpLength);  // compressed help string: the platform does not show it
        auto tail = c.Read<TypeEntryTail>();
        entry.nameOffset = head.nameOffset;
        entry.helpContext = tail.helpContext;
        entry.guid = tail.guid;
    }
    if (!c.Ok()) return Unusable(reason::kBadTypeEntries, -1);
    return S_OK;
}

// The name table, behind a preamble whose length its first word gives.
ReadStatus SltgLibrary::ParseNameTable(const Block& dir, std::uint32_t at) {
    Cursor n(dir.bytes, at);
    std::uint16_t w = n.U16();
    if (w == kNone16) {
        n.Skip(10);
    } else if (w == 0x0200) {
        n.Skip(42);
    } else {
        return Unusable(reason::kUnknownNamePreamble, dir.bytes.FileOffset(at));
    }
    n.Skip(0x200);
    std::uint32_t tableSize = n.U32();
    if (!n.Ok() || !dir.bytes.Sub(n.Offset(), tableSize, m_names)) {
        return Unusable(reason::kNameTableOutside, dir.bytes.FileOffset(at));
    }
    return S_OK;
}

ReadStatus SltgLibrary::Type(UINT index, StoredType& out) const {
    const TypeBlock* t;
    ReadStatus status = TypeBlockOf(index, t);
    if (!status.Ok()) return status.As(TYPE_E_INVDATAREAD);
    const TypeEntry& entry = m_entries[index];
    out = StoredType{};
    out.typekind = t->kind;
    out.wTypeFlags = t->flags;
    out.guid = entry.guid;
    out.wMajorVerNum = t->major;
    out.wMinorVerNum = t->minor;
    out.cFuncs = t->tail.cFuncs;
    out.cVars = t->tail.cVars;
    out.cImplTypes = t->tail.cImplTypes;
    out.cbSizeVft = t->tail.cbSizeVft;
    out.cbAlignment = t->tail.cbAlignment;
    out.cbSizeInstance = WORD{t->tail.cbSizeInstance};
    if (t->kind == TKIND_ALIAS) {
        if (t->tail.aliasIsSimple) {
            out.tdescAlias = TYPEDESC{t->tail.aliasType};
        } else {
            status = TypeAt(*t, t->tail.aliasType, out.tdescAlias, nullptr);
            if (!status.Ok()) return status.As(TYPE_E_INVDATAREAD);
        }
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
        if (ImplType(index, 0, href, flags).Ok()) {
            out.hasBase = true;
            out.baseHref = href;
        }
    }
    return S_OK;
}

ReadStatus SltgLibrary::TypeDocumentation(UINT index, Bstr* name, Bstr* docString,
                                          DWORD* helpContext) const {
    if (index >= m_entries.size()) return TYPE_E_ELEMENTNOTFOUND;
    const TypeEntry& entry = m_entries[index];
    if (name) *name = Name(entry.nameOffset);
    // The platform does not show the compressed help strings of SLTG types.
    if (docString) docString->reset();
    if (helpContext) *helpContext = entry.helpContext;
    return S_OK;
}

ReadStatus SltgLibrary::ResolveHref(HREFTYPE href, HrefTarget& out) const {
    out = HrefTarget{};
    if ((href & 3u) == 0) {
        if ((href >> 2) >= m_entries.size()) return TYPE_E_ELEMENTNOTFOUND;
        out.localIndex = href >> 2;
        return S_OK;
    }
    if ((href & 3u) != 1 || (href >> 2) >= m_imports.size()) return TYPE_E_ELEMENTNOTFOUND;
    auto [stringOffset, typeIndex] = m_imports[href >> 2];
    ReadStatus damaged(TYPE_E_ELEMENTNOTFOUND, "the import string does not parse",
                       m_names.FileOffset(std::int64_t{stringOffset} + 8));
    // "*\G{guid}#major.minor#lcid#path#"
    auto text = RawName(stringOffset);
    if (!text || text->substr(0, 3) != "*\\G") return damaged;
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
    if (fields.size() < 4) return damaged;
    std::u16string guidText(fields[0].begin(), fields[0].end());
    auto guid = GuidFromString(guidText);
    std::size_t dot = fields[1].find('.');
    auto major = Hex(fields[1].substr(0, dot));
    auto minor = dot == std::string_view::npos ? std::optional<std::uint32_t>(0)
                                               : Hex(fields[1].substr(dot + 1));
    auto lcid = Hex(fields[2]);
    if (!guid || !major || !minor || !lcid) return damaged;
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

}  // namespace sltg

ReadStatus ParseSltg(Region image, std::shared_ptr<const ByteSource> keepAlive, TextDecoder decoder,
                     std::unique_ptr<StoredLibrary>& out) {
    auto library =
        std::make_unique<sltg::SltgLibrary>(image, std::move(keepAlive), std::move(decoder));
    ReadStatus status = library->Parse();
    if (status.Ok()) out = std::move(library);
    return status;
}

}  // namespace qorvix
