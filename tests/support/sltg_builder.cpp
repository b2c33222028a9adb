#include "tests/support/sltg_builder.h"

#include <cstring>
#include <stdexcept>

namespace qorvix::test {
namespace {

void Put8(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void Set16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void PutGuid(std::vector<std::uint8_t>& out, const GUID& g) {
    std::uint8_t bytes[16];
    std::memcpy(bytes, &g, 16);
    out.insert(out.end(), bytes, bytes + 16);
}

void PutLstr(std::vector<std::uint8_t>& out, const std::optional<std::string>& text) {
    if (!text) {
        Put16(out, 0xFFFF);
        return;
    }
    Put16(out, static_cast<std::uint32_t>(text->size()));
    out.insert(out.end(), text->begin(), text->end());
}

void PutWords(std::vector<std::uint8_t>& out, const SltgBuilder::Words& words) {
    for (std::uint16_t w : words)
        Put16(out, w);
}

std::uint16_t Offset(const std::vector<std::uint8_t>& data) {
    if (data.size() > 0xFFFF) throw std::length_error("member data beyond 64 KB");
    return static_cast<std::uint16_t>(data.size());
}

std::string BlockName(std::size_t index) {
    char name[16];
    std::snprintf(name, sizeof name, "T%09zu", index);
    return name;
}

}  // namespace

std::uint16_t SltgBuilder::AddName(const std::string& name) {
    // Name offsets are even: their low bit is a flag where they are stored.
    if (m_names.size() % 2) m_names.push_back(0);
    auto offset = static_cast<std::uint16_t>(m_names.size());
    for (int i = 0; i < 8; ++i)
        m_names.push_back(0);  // hash data
    m_names.insert(m_names.end(), name.begin(), name.end());
    m_names.push_back(0);
    return offset;
}

std::vector<std::uint8_t> SltgBuilder::TypeBlock(const Type& type) {
    std::vector<std::uint8_t> md;  // member data
    std::uint16_t firstFunc = 0xFFFF, lastFunc = 0xFFFF, firstVar = 0xFFFF, lastVar = 0xFFFF,
                  firstImpl = 0xFFFF, lastImpl = 0xFFFF;

    std::size_t previous = SIZE_MAX;
    for (const Func& f : type.funcs) {
        std::uint16_t at = Offset(md);
        if (previous != SIZE_MAX) Set16(md, previous + 2, at);
        if (firstFunc == 0xFFFF) firstFunc = at;
        lastFunc = at;
        previous = at;
        std::size_t recordSize = f.funcFlags ? 0x18 : 0x16;
        md.resize(md.size() + recordSize, 0);
        std::vector<std::uint8_t> record;
        Put8(record, f.kind | (f.funcFlags ? 0x20 : 0));
        Put8(record, (static_cast<std::uint32_t>(f.invkind) << 4) | (f.kind == 0x4C ? 2 : 0));
        Put16(record, 0xFFFF);
        Put16(record, f.name ? AddName(*f.name) : 0xFFFF);
        Put32(record, static_cast<std::uint32_t>(f.memid));
        Put16(record, 0xFFFE);
        Put16(record, 0xFFFF);
        Put16(record, 0xFFFF);  // parameter list, patched below
        Put8(record, f.callconv | (static_cast<std::uint32_t>(f.params.size()) << 3));
        Put8(record, (f.inlineReturn ? 0x80 : 0) | (f.cParamsOpt << 1));
        Put16(record, 0);  // return type, patched below
        Put16(record, f.vtableOffset);
        if (f.funcFlags) Put16(record, *f.funcFlags);
        while (record.size() < recordSize)
            record.push_back(0xFF);
        std::memcpy(md.data() + at, record.data(), recordSize);
        if (f.inlineReturn) {
            Set16(md, at + 0x12, f.returnType.at(0));
        } else {
            Set16(md, at + 0x12, Offset(md));
            PutWords(md, f.returnType);
        }
        if (!f.params.empty()) {
            Set16(md, at + 0x0E, Offset(md));
            std::vector<std::size_t> patches;
            for (const Param& p : f.params) {
                std::uint16_t name = p.name ? AddName(*p.name) : 0xFFFE;
                Put16(md, name | (p.inlineType ? 1 : 0));
                if (p.inlineType) {
                    PutWords(md, p.type);
                } else {
                    patches.push_back(md.size());
                    Put16(md, 0);
                }
            }
            std::size_t next = 0;
            for (const Param& p : f.params) {
                if (p.inlineType) continue;
                Set16(md, patches[next++], Offset(md));
                PutWords(md, p.type);
            }
        }
    }

    previous = SIZE_MAX;
    for (const Var& v : type.vars) {
        std::uint16_t at = Offset(md);
        if (previous != SIZE_MAX) Set16(md, previous + 2, at);
        if (firstVar == 0xFFFF) firstVar = at;
        lastVar = at;
        previous = at;
        std::size_t recordSize = v.varFlags ? 0x14 : 0x12;
        md.resize(md.size() + recordSize, 0);
        std::vector<std::uint8_t> record;
        Put8(record, v.varFlags ? 0x2A : 0x0A);
        Put8(record, v.flags);
        Put16(record, 0xFFFF);
        Put16(record, v.name ? AddName(*v.name) : 0xFFFE);
        Put16(record, v.word);
        Put16(record, (v.flags & 0x02) ? v.type.at(0) : 0);
        Put32(record, static_cast<std::uint32_t>(v.memid));
        Put16(record, 0xFFFE);
        Put16(record, 0xFFFF);
        if (v.varFlags) Put16(record, *v.varFlags);
        std::memcpy(md.data() + at, record.data(), recordSize);
        if (!(v.flags & 0x02)) {
            Set16(md, at + 0x08, Offset(md));
            PutWords(md, v.type);
        }
        if (v.value) {
            Set16(md, at + 0x06, Offset(md));
            Put32(md, static_cast<std::uint32_t>(*v.value));
        } else if (v.text) {
            Set16(md, at + 0x06, Offset(md));
            PutLstr(md, *v.text);
        }
    }

    previous = SIZE_MAX;
    for (const Impl& impl : type.impls) {
        std::uint16_t at = Offset(md);
        if (previous != SIZE_MAX) Set16(md, previous + 2, at);
        if (firstImpl == 0xFFFF) firstImpl = at;
        lastImpl = at;
        previous = at;
        Put16(md, 0x004A);
        Put16(md, 0xFFFF);
        Put16(md, 0xFFFF);
        Put8(md, impl.flags);
        Put8(md, 0x80);
        Put16(md, at + 0x12u);
        // Dispinterfaces keep their variable count here, not the reference.
        Put16(md, type.kind == TKIND_DISPATCH ? type.vars.size() : impl.reference);
        Put16(md, type.kind == TKIND_INTERFACE  ? 0x4001
                  : type.kind == TKIND_DISPATCH ? 0x4002
                                                : 0x4003);
        Put16(md, 0xFFFE);
        Put16(md, 0xFFFF);
        Put16(md, VT_USERDEFINED);
        Put16(md, impl.reference * 4u);
    }

    std::uint16_t aliasField = 0, aliasSimple = 0;
    if (type.kind == TKIND_ALIAS) {
        if (type.aliasSimple) {
            aliasField = *type.aliasSimple;
            aliasSimple = 1;
        } else {
            aliasField = Offset(md);
            PutWords(md, type.aliasWords);
        }
    }

    std::vector<std::uint8_t> block;
    bool hasRefs = !type.references.empty();
    Put16(block, 0x0501);
    Put32(block, hasRefs ? 0x22 : 0xFFFFFFFF);
    Put32(block, 0xFFFFFFFF);
    Put32(block, 0);  // member header offset, patched below
    Put32(block, 0xFFFFFFFF);
    Put16(block, 0);
    Put16(block, 0);
    Put32(block, 0xFFFE0000);
    Put16(block, (static_cast<std::uint32_t>(type.typeFlags) << 3) | 2);
    Put8(block, 2);
    Put8(block, type.kind);
    Put32(block, 0xFFFFFFFF);
    if (hasRefs) {
        Put8(block, 0xDF);
        Put8(block, 0);
        for (int i = 0; i < 0x42; ++i)
            Put8(block, 0xFF);
        Put32(block, 8 * static_cast<std::uint32_t>(type.references.size()));
        for (std::size_t i = 0; i < 8 * type.references.size(); ++i)
            Put8(block, 0);
        for (std::uint8_t b : {0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00, 0x00})
            Put8(block, b);
        for (const std::string& r : type.references)
            PutLstr(block, r);
        Put8(block, 0xDF);
    }
    std::uint32_t memberHeader = static_cast<std::uint32_t>(block.size());
    block[0x0A] = static_cast<std::uint8_t>(memberHeader);
    block[0x0B] = static_cast<std::uint8_t>(memberHeader >> 8);
    Put16(block, 1);
    Put16(block, 0xFFFF);
    Put8(block, 1);
    Put32(block, static_cast<std::uint32_t>(md.size()));
    block.insert(block.end(), md.begin(), md.end());
    std::uint16_t tail[27] = {static_cast<std::uint16_t>(type.funcs.size()),
                              static_cast<std::uint16_t>(type.vars.size()),
                              static_cast<std::uint16_t>(type.impls.size()),
                              0,
                              firstFunc,
                              firstVar,
                              firstImpl,
                              lastFunc,
                              lastVar,
                              lastImpl,
                              aliasField,
                              0xFFFF,
                              0,
                              0,
                              aliasSimple,
                              0,
                              type.cbSizeInstance,
                              type.cbAlignment,
                              0,
                              0,
                              type.cbSizeVft,
                              0xFFFF,
                              0xFFFF,
                              0xFFFF,
                              0xFFFF,
                              0,
                              0xFFFF};
    for (std::uint16_t w : tail)
        Put16(block, w);
    return block;
}

std::vector<std::uint8_t> SltgBuilder::Build() {
    // Names added before (import strings) keep their offsets.
    std::uint16_t libNameOffset = AddName(libName);
    std::vector<std::vector<std::uint8_t>> blocks;
    std::vector<std::uint16_t> typeNames;
    for (const Type& type : types) {
        typeNames.push_back(AddName(type.name));
        blocks.push_back(TypeBlock(type));
    }

    std::vector<std::uint8_t> dir;
    Put16(dir, 0x51CC);
    Put16(dir, 3);
    Put16(dir, libNameOffset);
    Put16(dir, 0xFFFF);
    PutLstr(dir, libDoc);
    PutLstr(dir, helpFile);
    Put32(dir, helpContext);
    Put16(dir, SYS_WIN32);
    Put16(dir, lcid);
    Put32(dir, 0);
    Put16(dir, 0);
    Put16(dir, major);
    Put16(dir, minor);
    PutGuid(dir, libGuid);
    for (int i = 0; i < 32; ++i)
        Put16(dir, 0xFFFF);
    Put16(dir, static_cast<std::uint32_t>(types.size()));
    for (std::size_t i = 0; i < types.size(); ++i) {
        PutLstr(dir, BlockName(i));
        PutLstr(dir, BlockName(i));
        Put16(dir, 0xFFFF);
        Put16(dir, typeNames[i]);
        Put16(dir, 0);  // no compressed help string
        Put16(dir, 0xFFFF);
        Put32(dir, types[i].helpContext);
        Put16(dir, 0xFFFF);
        PutGuid(dir, types[i].guid);
        Put16(dir, types[i].kind);
    }
    std::size_t xAt = dir.size();
    Put32(dir, 0);
    Put16(dir, 0);  // help-string code: no tree
    Put32(dir, 0);
    std::uint32_t x = static_cast<std::uint32_t>(dir.size());
    for (int i = 0; i < 4; ++i)
        dir[xAt + i] = static_cast<std::uint8_t>(x >> (8 * i));
    Put16(dir, 0xFFFF);
    for (int i = 0; i < 10 + 0x200; ++i)
        Put8(dir, 0);
    Put32(dir, static_cast<std::uint32_t>(m_names.size()));
    dir.insert(dir.end(), m_names.begin(), m_names.end());
    blocks.push_back(dir);

    std::vector<std::uint8_t> area = {0x01, 'C', 'o', 'm', 'p', 'O', 'b', 'j', 0, 'd', 'i', 'r', 0};
    std::vector<std::uint16_t> blockNames;
    for (std::size_t i = 0; i < types.size(); ++i) {
        blockNames.push_back(static_cast<std::uint16_t>(area.size()));
        std::string name = BlockName(i);
        area.insert(area.end(), name.begin(), name.end());
        area.push_back(0);
    }
    blockNames.push_back(9);  // "dir"
    const std::uint16_t padding = 9;
    const std::uint32_t compObjLength = 0x44;
    std::size_t streams = types.size() + 2;

    std::vector<std::uint8_t> image;
    Put32(image, 0x47544C53);
    Put16(image, static_cast<std::uint32_t>(streams));
    Put16(image, padding);
    Put16(image, static_cast<std::uint32_t>(area.size()));
    Put16(image, 1);
    PutGuid(image, GUID{0x000204FF, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}});
    Put32(image, compObjLength);
    Put16(image, 0);
    Put16(image, 0xFFFF);
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        Put32(image, static_cast<std::uint32_t>(blocks[i].size()));
        Put16(image, blockNames[i]);
        Put16(image, i + 1 < blocks.size() ? static_cast<std::uint32_t>(i + 2) : 0);
    }
    image.insert(image.end(), area.begin(), area.end());
    image.insert(image.end(), padding, 0);
    for (const auto& block : blocks)
        image.insert(image.end(), block.begin(), block.end());
    image.insert(image.end(), compObjLength, 0);
    return image;
}

}  // namespace qorvix::test
