#include "tests/support/msft_builder.h"

#include <cstring>

namespace qorvix::test {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void PutI32(std::vector<std::uint8_t>& out, std::int32_t v) {
    Put32(out, static_cast<std::uint32_t>(v));
}

void Pad(std::vector<std::uint8_t>& out, std::size_t multiple) {
    while (out.size() % multiple)
        out.push_back(0x57);
}

template <typename T>
std::vector<std::uint8_t> Bytes(const T& value) {
    std::vector<std::uint8_t> out(sizeof value);
    std::memcpy(out.data(), &value, sizeof value);
    return out;
}

}  // namespace

using Value = MsftBuilder::Value;

Value Value::Inline(VARTYPE vt, std::uint32_t bits) {
    Value v;
    v.isInline = true;
    v.vt = vt;
    v.inlineCode = 0x80000000u | (std::uint32_t{vt} << 26) | (bits & 0x3FFFFFF);
    return v;
}

Value Value::Raw(VARTYPE vt, std::vector<std::uint8_t> data) {
    Value v;
    v.vt = vt;
    v.data = std::move(data);
    return v;
}

Value Value::I4(std::int32_t v) {
    return Raw(VT_I4, Bytes(v));
}
Value Value::R8(double v) {
    return Raw(VT_R8, Bytes(v));
}
Value Value::R4(float v) {
    return Raw(VT_R4, Bytes(v));
}
Value Value::Cy(std::int64_t v) {
    return Raw(VT_CY, Bytes(v));
}
Value Value::Date(double v) {
    return Raw(VT_DATE, Bytes(v));
}
Value Value::I8(std::int64_t v) {
    return Raw(VT_I8, Bytes(v));
}
Value Value::Error(std::int32_t scode) {
    return Raw(VT_ERROR, Bytes(scode));
}
Value Value::Bool(bool v) {
    return Raw(VT_BOOL, Bytes(std::int32_t{v ? 0xFFFF : 0}));
}

Value Value::Decimal(std::uint8_t scale, bool negative, std::uint32_t hi, std::uint64_t lo) {
    std::vector<std::uint8_t> data{scale, static_cast<std::uint8_t>(negative ? 0x80 : 0)};
    Put32(data, hi);
    for (int i = 0; i < 8; ++i)
        data.push_back(static_cast<std::uint8_t>(lo >> (8 * i)));
    return Raw(VT_DECIMAL, std::move(data));
}

Value Value::Bstr(std::optional<std::string> bytes) {
    std::vector<std::uint8_t> data;
    if (!bytes) {
        PutI32(data, -1);
    } else {
        Put32(data, static_cast<std::uint32_t>(bytes->size()));
        data.insert(data.end(), bytes->begin(), bytes->end());
    }
    return Raw(VT_BSTR, std::move(data));
}

std::int32_t MsftBuilder::RawTypeDesc(std::uint32_t word0, std::uint32_t word1) {
    auto offset = static_cast<std::int32_t>(m_typeDescs.size());
    Put32(m_typeDescs, word0);
    Put32(m_typeDescs, word1);
    return offset;
}

std::int32_t MsftBuilder::Ptr(std::int32_t target) {
    return RawTypeDesc(0x7FFE0000u | VT_PTR, static_cast<std::uint32_t>(target));
}

std::int32_t MsftBuilder::SafeArray(std::int32_t element) {
    return RawTypeDesc(0x7FFE0000u | VT_SAFEARRAY, static_cast<std::uint32_t>(element));
}

std::int32_t MsftBuilder::UserDefined(std::int32_t href) {
    return RawTypeDesc(0x7FFF0000u | VT_USERDEFINED, static_cast<std::uint32_t>(href));
}

std::int32_t MsftBuilder::CArray(std::int32_t element,
                                 std::vector<std::pair<std::uint32_t, std::int32_t>> dims) {
    auto offset = static_cast<std::uint32_t>(m_arrayDescs.size());
    PutI32(m_arrayDescs, element);
    Put16(m_arrayDescs, static_cast<std::uint16_t>(dims.size()));
    Put16(m_arrayDescs, static_cast<std::uint16_t>(dims.size() * 8));
    for (auto [count, lower] : dims) {
        Put32(m_arrayDescs, count);
        PutI32(m_arrayDescs, lower);
    }
    return RawTypeDesc(0x7FFE0000u | VT_CARRAY, offset);
}

std::int32_t MsftBuilder::Name(const std::optional<std::string>& name) {
    if (!name) return -1;
    auto offset = static_cast<std::int32_t>(m_names.size());
    PutI32(m_names, -1);
    PutI32(m_names, -1);
    m_names.push_back(static_cast<std::uint8_t>(name->size()));
    m_names.push_back(0x38);
    Put16(m_names, 0);
    m_names.insert(m_names.end(), name->begin(), name->end());
    Pad(m_names, 4);
    return offset;
}

std::int32_t MsftBuilder::AddString(const std::string& text) {
    auto offset = static_cast<std::int32_t>(m_strings.size());
    Put16(m_strings, static_cast<std::uint16_t>(text.size()));
    m_strings.insert(m_strings.end(), text.begin(), text.end());
    Pad(m_strings, 4);
    while (m_strings.size() - static_cast<std::size_t>(offset) < 8)
        m_strings.push_back(0x57);
    return offset;
}

std::int32_t MsftBuilder::Guid(const GUID& guid, std::int32_t kind) {
    auto offset = static_cast<std::int32_t>(m_guids.size());
    auto bytes = Bytes(guid);
    m_guids.insert(m_guids.end(), bytes.begin(), bytes.end());
    PutI32(m_guids, kind);
    PutI32(m_guids, -1);
    return offset;
}

std::int32_t MsftBuilder::ValueCode(const Value& value) {
    if (value.isInline) return static_cast<std::int32_t>(value.inlineCode);
    auto offset = static_cast<std::int32_t>(m_custData.size());
    Put16(m_custData, value.vt);
    m_custData.insert(m_custData.end(), value.data.begin(), value.data.end());
    Pad(m_custData, 4);
    return offset;
}

std::int32_t MsftBuilder::Import(const GUID& libGuid, std::uint16_t major, std::uint16_t minor,
                                 const std::string& fileName, TYPEKIND kind,
                                 std::optional<GUID> typeGuid, std::uint32_t typeIndex) {
    auto fileOffset = static_cast<std::int32_t>(m_importFiles.size());
    PutI32(m_importFiles, Guid(libGuid, 2));
    Put32(m_importFiles, 0);
    Put16(m_importFiles, major);
    Put16(m_importFiles, minor);
    Put16(m_importFiles, static_cast<std::uint16_t>((fileName.size() << 2) | 1));
    m_importFiles.insert(m_importFiles.end(), fileName.begin(), fileName.end());
    Pad(m_importFiles, 4);

    auto entry = static_cast<std::int32_t>(m_importInfo.size());
    std::uint32_t word =
        static_cast<std::uint32_t>(entry / 12) | (static_cast<std::uint32_t>(kind & 0xFF) << 24);
    if (typeGuid) word |= 0x10000;
    Put32(m_importInfo, word);
    PutI32(m_importInfo, fileOffset);
    PutI32(m_importInfo,
           typeGuid ? Guid(*typeGuid, entry | 1) : static_cast<std::int32_t>(typeIndex));
    return entry | 1;
}

std::vector<std::uint8_t> MsftBuilder::Build() {
    std::int32_t libNameOffset = Name(std::optional<std::string>(libName));
    std::int32_t libDocOffset = libDoc ? AddString(*libDoc) : -1;
    std::int32_t helpFileOffset = helpFile ? AddString(*helpFile) : -1;
    std::int32_t libGuidOffset = Guid(libGuid, -2);

    // Type records and member blocks; member block offsets are patched once
    // the segments' size is known.
    std::vector<std::uint8_t> typeRecords;
    std::vector<std::vector<std::uint8_t>> blocks(m_types.size());
    std::vector<std::uint8_t> references;
    for (std::size_t t = 0; t < m_types.size(); ++t) {
        Type& type = m_types[t];
        std::vector<std::uint8_t> records, memids, names, offsets;
        std::uint32_t index = 0;
        for (Func& f : type.funcs) {
            bool hasDefaults = false;
            for (const Param& p : f.params)
                hasDefaults |= p.defaultValue.has_value();
            std::vector<std::uint8_t> record;
            std::uint32_t fkccic = (f.funckind & 7) | ((f.invkind & 0xF) << 3) | (CC_STDCALL << 8);
            if (hasDefaults) fkccic |= 0x1000;
            std::int32_t docOffset = f.doc ? AddString(*f.doc) : -1;
            std::vector<std::uint8_t> tail;
            if (hasDefaults) {
                for (const Param& p : f.params) {
                    PutI32(tail, p.defaultValue ? ValueCode(*p.defaultValue) : -1);
                }
            }
            for (const Param& p : f.params) {
                PutI32(tail, p.type);
                PutI32(tail, Name(p.name));
                Put32(tail, p.flags);
            }
            bool hasEntry = f.entry || f.ordinal;
            if (f.ordinal) fkccic |= 0x2000;
            std::uint32_t size = 24 + (hasEntry ? 12 : 8) + static_cast<std::uint32_t>(tail.size());
            Put32(record, size | (index << 16));
            PutI32(record, f.returnType);
            Put32(record, f.flags);
            Put16(record, f.vtableOffset.value_or(static_cast<std::uint16_t>(4 * index)));
            Put16(record, 0);
            Put32(record, fkccic);
            Put16(record, static_cast<std::uint16_t>(f.params.size()));
            Put16(record, static_cast<std::uint16_t>(f.cParamsOpt));
            Put32(record, f.helpContext);  // optional: help context
            PutI32(record, docOffset);     // optional: help string
            if (hasEntry) PutI32(record, f.ordinal ? *f.ordinal : AddString(*f.entry));
            record.insert(record.end(), tail.begin(), tail.end());
            PutI32(offsets, static_cast<std::int32_t>(records.size()));
            records.insert(records.end(), record.begin(), record.end());
            PutI32(memids, f.memid);
            PutI32(names, Name(f.name));
            ++index;
        }
        for (Var& v : type.vars) {
            std::vector<std::uint8_t> record;
            std::int32_t docOffset = v.doc ? AddString(*v.doc) : -1;
            Put32(record, 28u | (index << 16));
            PutI32(record, v.type);
            Put32(record, v.flags);
            Put16(record, static_cast<std::uint16_t>(v.varkind));
            Put16(record, 0);
            if (v.varkind == VAR_CONST) {
                PutI32(record, v.value ? ValueCode(*v.value) : -1);
            } else {
                Put32(record, v.oInst);
            }
            Put32(record, 0);           // help context
            PutI32(record, docOffset);  // help string
            PutI32(offsets, static_cast<std::int32_t>(records.size()));
            records.insert(records.end(), record.begin(), record.end());
            PutI32(memids, v.memid);
            PutI32(names, Name(v.name));
            ++index;
        }
        if (!type.funcs.empty() || !type.vars.empty()) {
            auto& block = blocks[t];
            PutI32(block, static_cast<std::int32_t>(records.size()));
            block.insert(block.end(), records.begin(), records.end());
            block.insert(block.end(), memids.begin(), memids.end());
            block.insert(block.end(), names.begin(), names.end());
            block.insert(block.end(), offsets.begin(), offsets.end());
        }
        if (type.kind == TKIND_COCLASS && !type.impls.empty()) {
            type.datatype1 = static_cast<std::int32_t>(references.size());
            for (std::size_t i = 0; i < type.impls.size(); ++i) {
                PutI32(references, type.impls[i].href);
                PutI32(references, type.impls[i].flags);
                PutI32(references, -1);
                PutI32(references, i + 1 < type.impls.size()
                                       ? static_cast<std::int32_t>(references.size() + 4)
                                       : -1);
            }
        }
    }

    std::vector<std::int32_t> nameOffsets, docOffsets, guidOffsets;
    for (std::size_t t = 0; t < m_types.size(); ++t) {
        nameOffsets.push_back(Name(m_types[t].name));
        docOffsets.push_back(m_types[t].doc ? AddString(*m_types[t].doc) : -1);
        guidOffsets.push_back(m_types[t].guid.IsNull()
                                  ? -1
                                  : Guid(m_types[t].guid, static_cast<std::int32_t>(100 * t)));
    }

    const std::size_t headerSize = 0x54 + 4 * m_types.size() + 15 * 16;
    std::vector<std::vector<std::uint8_t>*> segments(15, nullptr);
    std::vector<std::uint8_t> typeSegment(100 * m_types.size());
    segments[0] = &typeSegment;
    segments[1] = &m_importInfo;
    segments[2] = &m_importFiles;
    segments[3] = &references;
    segments[5] = &m_guids;
    segments[7] = &m_names;
    segments[8] = &m_strings;
    segments[9] = &m_typeDescs;
    segments[10] = &m_arrayDescs;
    segments[11] = &m_custData;
    std::vector<std::int32_t> segmentOffsets(15, -1);
    std::size_t at = headerSize;
    for (int s = 0; s < 15; ++s) {
        if (!segments[s] || segments[s]->empty()) continue;
        segmentOffsets[s] = static_cast<std::int32_t>(at);
        at += segments[s]->size();
    }
    std::vector<std::int32_t> blockOffsets(m_types.size(), -1);
    for (std::size_t t = 0; t < m_types.size(); ++t) {
        if (blocks[t].empty()) continue;
        blockOffsets[t] = static_cast<std::int32_t>(at);
        at += blocks[t].size();
    }

    for (std::size_t t = 0; t < m_types.size(); ++t) {
        const Type& type = m_types[t];
        std::vector<std::uint8_t> r;
        Put32(r, static_cast<std::uint32_t>(type.kind) | 0x20u |
                     (std::uint32_t{type.alignment} << 11) | (static_cast<std::uint32_t>(t) << 16));
        PutI32(r, blockOffsets[t]);
        for (int i = 0; i < 2; ++i)
            PutI32(r, 0);
        PutI32(r, 3);
        PutI32(r, 0);
        Put32(r, static_cast<std::uint32_t>(type.funcs.size()) |
                     (static_cast<std::uint32_t>(type.vars.size()) << 16));
        for (int i = 0; i < 4; ++i)
            PutI32(r, 0);
        PutI32(r, guidOffsets[t]);
        Put32(r, type.flags);
        PutI32(r, nameOffsets[t]);
        Put32(r, 0);  // version
        PutI32(r, docOffsets[t]);
        PutI32(r, 0);
        PutI32(r, 0);
        PutI32(r, -1);
        std::uint16_t implCount = type.kind == TKIND_COCLASS
                                      ? static_cast<std::uint16_t>(type.impls.size())
                                      : type.cImplTypes;
        Put16(r, implCount);
        Put16(r, type.cbSizeVft);
        PutI32(r, type.size);
        PutI32(r, type.datatype1);
        PutI32(r, 0);
        PutI32(r, 0);
        PutI32(r, -1);
        std::memcpy(typeSegment.data() + 100 * t, r.data(), 100);
    }

    std::vector<std::uint8_t> image;
    Put32(image, 0x5446534D);
    Put32(image, 0x00010002);
    PutI32(image, libGuidOffset);
    Put32(image, 0x409);
    Put32(image, 0);
    Put32(image, static_cast<std::uint32_t>(syskind) | 0x40u | (helpFile ? 0x10u : 0u));
    Put32(image, major | (std::uint32_t{minor} << 16));
    Put32(image, 0);
    Put32(image, static_cast<std::uint32_t>(m_types.size()));
    PutI32(image, libDocOffset);
    PutI32(image, 0);
    PutI32(image, 0);
    PutI32(image, 0);
    PutI32(image, 0);
    PutI32(image, libNameOffset);
    PutI32(image, helpFileOffset);
    PutI32(image, -1);
    PutI32(image, 0x20);
    PutI32(image, 0x80);
    PutI32(image, dispatchPos);
    PutI32(image, static_cast<std::int32_t>(m_importInfo.size() / 12));
    for (std::size_t t = 0; t < m_types.size(); ++t)
        PutI32(image, static_cast<std::int32_t>(100 * t));
    for (int s = 0; s < 15; ++s) {
        PutI32(image, segmentOffsets[s]);
        PutI32(image, segmentOffsets[s] < 0 ? 0 : static_cast<std::int32_t>(segments[s]->size()));
        PutI32(image, -1);
        PutI32(image, 0x0F);
    }
    for (int s = 0; s < 15; ++s) {
        if (segmentOffsets[s] >= 0)
            image.insert(image.end(), segments[s]->begin(), segments[s]->end());
    }
    for (const auto& block : blocks)
        image.insert(image.end(), block.begin(), block.end());
    return image;
}

}  // namespace qorvix::test
