// SLTG typeinfo blocks: the header, the reference table, the member chains
// and type descriptions.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <set>

#include "typelib/sltg_decoder.h"

namespace qorvix::sltg {
namespace {

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

// The records of a member chain, from `first` until `count` are read; a
// chain that leaves the member data or comes back on itself ends early.
template <typename T>
std::vector<Linked<T>> Chain(const Region& members, std::uint16_t first, WORD count) {
    std::vector<Linked<T>> chain;
    std::set<std::uint16_t> seen;
    Linked<T> link;
    for (link.at = first; link.at != kNone16 && chain.size() < count;) {
        if (!members.Read(link.at, link.record) || !seen.insert(link.at).second) break;
        chain.push_back(link);
        link.at = link.record.next;
    }
    return chain;
}

}  // namespace

ReadStatus SltgLibrary::FirstTypeBlock(UINT index, const TypeBlock*& out) const {
    if (index >= m_types.size()) return TYPE_E_ELEMENTNOTFOUND;
    return m_types[index].Get([&](TypeBlock& block) { return ReadTypeBlock(index, block); }, out);
}

ReadStatus SltgLibrary::ReadTypeBlock(UINT index, TypeBlock& t) const {
    Region block = m_blocks[index].bytes;
    TypeHeader header;
    if (!block.Read(0, header) || header.magic != kTypeMagic || header.kind >= TKIND_MAX) {
        return Damage(TYPE_E_INVDATAREAD, "the typeinfo block's header is damaged",
                      block.FileOffset(0));
    }
    t.kind = static_cast<TYPEKIND>(header.kind);
    t.flags = static_cast<WORD>(header.flags >> 3);
    t.major = header.major;
    t.minor = header.minor;

    std::int64_t memberHeaderAt = header.memberHeaderAt;
    MemberHeader members;
    std::int64_t membersAt = memberHeaderAt + sizeof members;
    if (!block.Read(memberHeaderAt, members)) {
        return Damage(TYPE_E_INVDATAREAD, "the member header lies outside the typeinfo block",
                      block.FileOffset(offsetof(TypeHeader, memberHeaderAt)));
    }
    if (!block.Sub(membersAt, members.length, t.members) ||
        !block.Read(membersAt + members.length, t.tail)) {
        return Damage(TYPE_E_INVDATAREAD, "the member data runs past the typeinfo block",
                      block.FileOffset(memberHeaderAt));
    }
    if (header.refsAt != kNoReferences) {
        ReadStatus status = ReadReferences(block, header.refsAt, memberHeaderAt, t);
        if (!status.Ok()) return status;
    }
    t.funcs = Chain<FuncRecord>(t.members, t.tail.firstFunc, t.tail.cFuncs);
    t.vars = Chain<VarRecord>(t.members, t.tail.firstVar, t.tail.cVars);
    t.impls = Chain<ImplRecord>(t.members, t.tail.firstImpl, t.tail.cImplTypes);
    // Counts that the chains cannot back make the type unusable.
    if (t.funcs.size() != t.tail.cFuncs || t.vars.size() != t.tail.cVars ||
        t.impls.size() != t.tail.cImplTypes) {
        return Damage(TYPE_E_INVDATAREAD, "a member chain holds fewer records than its count",
                      block.FileOffset(membersAt + members.length));
    }
    return S_OK;
}

ReadStatus SltgLibrary::ReadReferences(Region block, std::int64_t at, std::int64_t end,
                                       TypeBlock& t) const {
    // A table that starts outside the block is the header's fault.
    std::int64_t where = block.Contains(at, 1) ? at : std::int64_t{offsetof(TypeHeader, refsAt)};
    ReadStatus damaged(TYPE_E_INVDATAREAD, "the reference table is damaged",
                       block.FileOffset(where));
    Cursor c(block, at);
    auto head = c.Read<ReferencesHead>();
    std::uint32_t dataLength = head.dataLength;
    if (!c.Ok() || head.magic != kReferencesMark || dataLength % 8 != 0) return damaged;
    std::uint32_t count = dataLength / 8;
    c.Skip(dataLength);
    c.Skip(kReferencesGap);
    if (!c.Ok() || count > static_cast<std::uint64_t>(end - c.Offset()) / 2) return damaged;
    t.references.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::optional<std::string_view> text;
        if (!ReadLstr(c, text)) return damaged;
        t.references.push_back(text ? ReferenceTarget(*text) : std::nullopt);
    }
    if (c.U8() != kReferencesMark || !c.Ok() || c.Offset() > end) return damaged;
    return S_OK;
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

ReadStatus SltgLibrary::DecodeType(const TypeBlock& t, Cursor& words, TYPEDESC& out, USHORT* flags,
                                   int depth) const {
    std::int64_t start = words.FileOffset();
    auto damaged = [start] {
        return Damage(TYPE_E_INVDATAREAD, "the type description is damaged", start);
    };
    if (depth > kMaxTypeDepth) return damaged();
    std::uint16_t w = words.U16();
    if (!words.Ok()) return damaged();
    if (flags) *flags = ParamFlagsOf(w);
    TYPEDESC inner{static_cast<VARTYPE>(w & 0x3F)};
    switch (inner.vt) {
        case VT_SAFEARRAY:
            words.Skip(2);  // an offset nobody uses; the element type follows
            [[fallthrough]];
        case VT_PTR: {
            TYPEDESC target;
            ReadStatus status = DecodeType(t, words, target, nullptr, depth + 1);
            if (!status.Ok()) return status;
            inner.lptdesc = std::make_shared<TYPEDESC>(std::move(target));
            break;
        }
        case VT_CARRAY: {
            std::uint16_t boundsAt = words.U16();
            auto array = std::make_shared<ARRAYDESC>();
            ReadStatus status = DecodeType(t, words, array->tdescElem, nullptr, depth + 1);
            if (!status.Ok()) return status;
            Cursor b(t.members, boundsAt);
            auto head = b.Read<ArrayHead>();
            if (!b.Ok() || head.dims < 1 || head.dims > kMaxArrayDims) return damaged();
            array->rgbounds.resize(head.dims);
            for (SAFEARRAYBOUND& bound : array->rgbounds) {
                auto stored = b.Read<ArrayBound>();
                bound.cElements = stored.cElements;
                bound.lLbound = stored.lLbound;
            }
            if (!b.Ok()) return damaged();
            inner.lpadesc = std::move(array);
            break;
        }
        case VT_USERDEFINED: {
            std::uint16_t value = words.U16();
            if (!words.Ok() || value % 4 != 0 || value / 4u >= t.references.size()) {
                return damaged();
            }
            const auto& target = t.references[value / 4u];
            if (!target) return damaged();
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
    return S_OK;
}

ReadStatus SltgLibrary::TypeAt(const TypeBlock& t, std::uint16_t memberOffset, TYPEDESC& out,
                               USHORT* flags) const {
    Cursor words(t.members, memberOffset);
    return DecodeType(t, words, out, flags);
}

ReadStatus SltgLibrary::InlineType(const TypeBlock& t, std::uint16_t word, std::int64_t fileOffset,
                                   TYPEDESC& out) const {
    std::uint8_t bytes[2];
    std::memcpy(bytes, &word, 2);
    Cursor words(Region(bytes, 2, fileOffset));
    return DecodeType(t, words, out, nullptr);
}

}  // namespace qorvix::sltg
