#include "typelib/msft_library.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "typelib/msft_decoder.h"
#include "typelib/reasons.h"

namespace qorvix {
namespace msft {

ReadStatus MsftLibrary::Parse() {
    if (!m_image.Read(0, m_header))
        return Unusable(reason::kTruncatedMsftHeader, m_image.FileOffset(0));
    std::int32_t typeCount = m_header.typeCount;
    m_typeOffsetsAt = sizeof(Header) + ((m_header.varflags & kHasHelpDll) ? 4 : 0);
    if (typeCount < 0 ||
        static_cast<std::uint64_t>(typeCount) > m_image.Size() / sizeof(TypeRecord)) {
        return Unusable(reason::kImpossibleTypeCount, m_image.FileOffset(0));
    }
    std::int64_t directoryAt = m_typeOffsetsAt + 4 * std::int64_t{typeCount};
    std::array<SegmentEntry, kSegmentCount> directory;
    if (!m_image.ReadArray(m_typeOffsetsAt, static_cast<std::size_t>(typeCount), m_typeOffsets) ||
        !m_image.Read(directoryAt, directory)) {
        return Unusable(reason::kTruncatedMsftHeader, m_image.FileOffset(m_typeOffsetsAt));
    }
    for (int s = 0; s < kSegmentCount; ++s) {
        const SegmentEntry& entry = directory[s];
        if (entry.offset == kNone) continue;  // absent, whatever the length says
        if (!m_image.Sub(entry.offset, entry.length, m_segments[s])) {
            return Unusable(reason::kSegmentOutside,
                            m_image.FileOffset(directoryAt + std::int64_t{sizeof entry} * s));
        }
    }

    m_tables.resize(m_typeOffsets.size());
    m_implChains.resize(m_typeOffsets.size());
    return S_OK;
}

template <typename Head>
bool MsftLibrary::CountedText(const Region& segment, std::int32_t offset, Bstr& out) const {
    Head head;
    std::string_view bytes;
    if (offset < 0 || !segment.Read(offset, head) ||
        !segment.Bytes(std::int64_t{offset} + sizeof head, head.length, bytes)) {
        out.reset();
        return false;
    }
    if (!out) out.emplace();
    Decode(bytes, *out);
    return true;
}

Bstr MsftLibrary::Name(std::int32_t offset) const {
    Bstr name;
    NameInto(offset, name);
    return name;
}

Bstr MsftLibrary::String(std::int32_t offset) const {
    Bstr text;
    StringInto(offset, text);
    return text;
}

bool MsftLibrary::NameInto(std::int32_t offset, Bstr& out) const {
    return CountedText<NameHead>(m_segments[kNamesSeg], offset, out);
}

bool MsftLibrary::StringInto(std::int32_t offset, Bstr& out) const {
    return CountedText<StringHead>(m_segments[kStringsSeg], offset, out);
}

GUID MsftLibrary::Guid(std::int32_t offset) const {
    GUID guid;
    if (offset < 0 || !m_segments[kGuidSeg].Read(offset, guid)) return GUID{};
    return guid;
}

TLIBATTR MsftLibrary::LibAttr() const {
    TLIBATTR attr;
    attr.guid = Guid(m_header.posguid);
    attr.lcid = m_header.lcid2;
    attr.syskind = static_cast<SYSKIND>(m_header.varflags & kSyskindMask);
    attr.wMajorVerNum = static_cast<WORD>(m_header.version & 0xFFFF);
    attr.wMinorVerNum = static_cast<WORD>(m_header.version >> 16);
    attr.wLibFlags = static_cast<WORD>((m_header.flags & 0xFFFF) | LIBFLAG_FHASDISKIMAGE);
    return attr;
}

void MsftLibrary::LibDocumentation(Bstr* name, Bstr* docString, DWORD* helpContext,
                                   Bstr* helpFile) const {
    if (name) *name = Name(m_header.nameOffset);
    if (docString) *docString = String(m_header.helpString);
    // Producers fill either field; they agree wherever both are set.
    if (helpContext) {
        std::int32_t context = m_header.helpContext;
        *helpContext = static_cast<DWORD>(context ? context : m_header.helpStringContext);
    }
    if (helpFile) *helpFile = String(m_header.helpFile);
}

std::int64_t MsftLibrary::RecordOffset(UINT index) const {
    return m_segments[kTypeInfoSeg].FileOffset(m_typeOffsets[index]);
}

ReadStatus MsftLibrary::Record(UINT index, TypeRecord& r) const {
    if (index >= m_typeOffsets.size()) return TYPE_E_ELEMENTNOTFOUND;
    std::int32_t offset = m_typeOffsets[index];
    if (offset % 4 != 0 || !m_segments[kTypeInfoSeg].Read(offset, r)) {
        return Damage(TYPE_E_ELEMENTNOTFOUND, "the type's record lies outside the typeinfo segment",
                      m_image.FileOffset(m_typeOffsetsAt + 4 * std::int64_t{index}));
    }
    return S_OK;
}

ReadStatus MsftLibrary::Type(UINT index, StoredType& out) const {
    TypeRecord r;
    ReadStatus status = Record(index, r);
    if (!status.Ok()) return status;
    if ((r.typekind & 0xF) >= TKIND_MAX) {
        return Damage(TYPE_E_INVDATAREAD, "unknown type kind", RecordOffset(index));
    }
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
    out.cbAlignment = r.Alignment();
    out.cbSizeInstance = static_cast<ULONG>(std::int32_t{r.size});
    if (out.typekind == TKIND_ALIAS) {
        status = TypeCode(r.datatype1, RecordOffset(index) + offsetof(TypeRecord, datatype1),
                          out.tdescAlias);
        if (!status.Ok()) return status;
    }
    // Counts the file cannot back make the type unusable: the platform
    // refuses such a type, and walking absurd counts would only waste time.
    bool interfaceLike = out.typekind == TKIND_INTERFACE || out.typekind == TKIND_DISPATCH;
    std::size_t implLimit = out.typekind == TKIND_COCLASS
                                ? m_segments[kReferencesSeg].Size() / sizeof(RefRecord)
                            : interfaceLike ? 1
                                            : 0;
    if (out.cImplTypes > implLimit) {
        return Damage(TYPE_E_INVDATAREAD, "more implemented types than the file holds",
                      RecordOffset(index));
    }
    if (out.cFuncs || out.cVars) {
        const MemberTable* table;
        status = Table(index, table);
        if (!status.Ok()) return status.As(TYPE_E_INVDATAREAD);
    }
    if (interfaceLike && r.datatype1 != kNone) {
        out.hasBase = true;
        out.baseHref = static_cast<HREFTYPE>(std::int32_t{r.datatype1});
    }
    return S_OK;
}

ReadStatus MsftLibrary::TypeDocumentation(UINT index, Bstr* name, Bstr* docString,
                                          DWORD* helpContext) const {
    TypeRecord r;
    ReadStatus status = Record(index, r);
    if (!status.Ok()) return status;
    if (name) *name = Name(r.nameOffset);
    if (docString) *docString = String(r.docString);
    if (helpContext) *helpContext = static_cast<DWORD>(std::int32_t{r.helpContext});
    return S_OK;
}

ReadStatus MsftLibrary::ImplType(UINT index, UINT impl, HREFTYPE& href, INT& flags) const {
    TypeRecord r;
    ReadStatus status = Record(index, r);
    if (!status.Ok()) return status;
    if (impl >= r.cImplTypes) return TYPE_E_ELEMENTNOTFOUND;
    TYPEKIND kind = r.Kind();
    if (kind == TKIND_INTERFACE || kind == TKIND_DISPATCH) {
        if (impl != 0 || r.datatype1 == kNone) return TYPE_E_ELEMENTNOTFOUND;
        href = static_cast<HREFTYPE>(std::int32_t{r.datatype1});
        flags = 0;
        return S_OK;
    }
    if (kind != TKIND_COCLASS) return TYPE_E_ELEMENTNOTFOUND;
    const std::vector<ImplEntry>& chain = ImplChain(index, r);
    if (impl >= chain.size()) {
        return Damage(TYPE_E_INVDATAREAD, "the chain of implemented types ends early",
                      RecordOffset(index) + std::int64_t{offsetof(TypeRecord, datatype1)});
    }
    href = static_cast<HREFTYPE>(chain[impl].href);
    flags = chain[impl].flags;
    return S_OK;
}

const std::vector<ImplEntry>& MsftLibrary::ImplChain(UINT index, const TypeRecord& r) const {
    auto& slot = m_implChains[index];
    if (!slot) {
        slot = std::make_unique<std::vector<ImplEntry>>();
        // The records are chained; a chain may loop, so it is followed at
        // most as far as the segment has records.
        const Region& refs = m_segments[kReferencesSeg];
        std::int64_t at = r.datatype1;
        std::size_t limit = std::min<std::size_t>(r.cImplTypes, refs.Size() / sizeof(RefRecord));
        RefRecord record;
        while (slot->size() < limit && refs.Read(at, record)) {
            slot->push_back({record.href, record.flags});
            at = record.next;
        }
    }
    return *slot;
}

ReadStatus MsftLibrary::ResolveHref(HREFTYPE href, HrefTarget& out) const {
    out = HrefTarget{};
    if ((href & 3u) == 0) {
        auto offset = static_cast<std::int32_t>(href);
        if (offset < 0) return TYPE_E_ELEMENTNOTFOUND;
        UINT guess = static_cast<UINT>(offset / static_cast<std::int32_t>(sizeof(TypeRecord)));
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
    const Region& infos = m_segments[kImportInfoSeg];
    const Region& files = m_segments[kImportFilesSeg];
    std::int64_t entry = href & ~3u;
    ImportInfo info;
    if (!infos.Read(entry, info)) {
        // Where the reference came from is the caller's to know.
        return Damage(TYPE_E_ELEMENTNOTFOUND, "the reference lies outside the import-info segment",
                      -1);
    }
    ImportFile file;
    std::string_view fileName;
    std::int64_t fileAt = info.fileOffset;
    if (fileAt < 0 || !files.Read(fileAt, file) ||
        !files.Bytes(fileAt + sizeof file, file.NameBytes(), fileName)) {
        return Damage(TYPE_E_ELEMENTNOTFOUND,
                      "the imported library's entry lies outside its segment",
                      infos.FileOffset(entry) + std::int64_t{offsetof(ImportInfo, fileOffset)});
    }
    out.imported = true;
    out.import.libGuid = Guid(file.libGuid);
    out.import.lcid = file.lcid;
    out.import.wMajorVerNum = file.major;
    out.import.wMinorVerNum = file.minor;
    out.import.fileName = Decode(fileName);
    out.import.byGuid = info.ByGuid();
    if (out.import.byGuid) {
        out.import.typeGuid = Guid(info.target);
    } else {
        out.import.typeIndex = static_cast<UINT>(std::int32_t{info.target});
    }
    out.import.key = static_cast<std::uint32_t>(fileAt);
    return S_OK;
}

bool MsftLibrary::DispatchHref(HREFTYPE& href) const {
    if (m_header.dispatchPos == kNone) return false;
    href = static_cast<HREFTYPE>(std::int32_t{m_header.dispatchPos});
    return true;
}

}  // namespace msft

ReadStatus ParseMsft(Region image, std::shared_ptr<const ByteSource> keepAlive, TextDecoder decoder,
                     std::unique_ptr<StoredLibrary>& out) {
    auto library =
        std::make_unique<msft::MsftLibrary>(image, std::move(keepAlive), std::move(decoder));
    ReadStatus status = library->Parse();
    if (status.Ok()) out = std::move(library);
    return status;
}

}  // namespace qorvix
