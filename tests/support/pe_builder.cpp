#include "tests/support/pe_builder.h"

#include <cstring>
#include <map>

namespace qorvix::test {
namespace {

void Put16At(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    if (out.size() < at + 2) out.resize(at + 2);
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32At(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    if (out.size() < at + 4) out.resize(at + 4);
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

constexpr std::uint32_t kSectionRva = 0x1000;
constexpr std::uint32_t kSectionFile = 0x200;

}  // namespace

std::vector<std::uint8_t> BuildPe(const std::vector<PeResource>& resources,
                                  const PeOptions& options) {
    // Group: type -> id -> language -> resource index.
    struct TypeKey {
        std::u16string name;
        std::uint16_t id;
        bool operator<(const TypeKey& o) const {
            return name != o.name ? name > o.name : id < o.id;  // named types first
        }
    };
    std::map<TypeKey, std::map<std::uint16_t, std::map<std::uint16_t, std::size_t>>> tree;
    for (std::size_t i = 0; i < resources.size(); ++i) {
        const PeResource& r = resources[i];
        tree[{r.type, r.type.empty() ? r.numericType : std::uint16_t{0}}][r.id][r.language] = i;
    }

    // Lay the resource section out: directories, then names, then data
    // entries, then data.
    std::vector<std::uint8_t> rsrc;
    std::size_t cursor = 0;
    auto dirSize = [](std::size_t entries) { return 16 + 8 * entries; };
    std::size_t dirBytes = dirSize(tree.size());
    for (auto& [type, ids] : tree) {
        dirBytes += dirSize(ids.size());
        for (auto& [id, langs] : ids)
            dirBytes += dirSize(langs.size());
    }
    std::size_t namesAt = dirBytes;
    std::size_t namesBytes = 0;
    for (auto& [type, ids] : tree) {
        if (!type.name.empty()) namesBytes += 2 + 2 * type.name.size();
    }
    std::size_t dataEntriesAt = (namesAt + namesBytes + 3) & ~std::size_t{3};
    std::size_t dataAt = dataEntriesAt + 16 * resources.size();

    std::size_t nextDir = dirSize(tree.size());
    std::size_t nextName = namesAt;
    std::size_t nextData = dataAt;
    // Root directory.
    std::size_t namedTypes = 0;
    for (auto& [type, ids] : tree)
        namedTypes += type.name.empty() ? 0 : 1;
    Put16At(rsrc, 12, static_cast<std::uint32_t>(namedTypes));
    Put16At(rsrc, 14, static_cast<std::uint32_t>(tree.size() - namedTypes));
    std::size_t rootEntry = 16;
    for (auto& [type, ids] : tree) {
        if (!type.name.empty()) {
            Put32At(rsrc, rootEntry, 0x80000000u | static_cast<std::uint32_t>(nextName));
            Put16At(rsrc, nextName, static_cast<std::uint32_t>(type.name.size()));
            for (std::size_t i = 0; i < type.name.size(); ++i) {
                Put16At(rsrc, nextName + 2 + 2 * i, type.name[i]);
            }
            nextName += 2 + 2 * type.name.size();
        } else {
            Put32At(rsrc, rootEntry, type.id);
        }
        std::size_t typeDir = nextDir;
        Put32At(rsrc, rootEntry + 4, 0x80000000u | static_cast<std::uint32_t>(typeDir));
        rootEntry += 8;
        nextDir += dirSize(ids.size());
        Put16At(rsrc, typeDir + 12, 0);
        Put16At(rsrc, typeDir + 14, static_cast<std::uint32_t>(ids.size()));
        std::size_t idEntry = typeDir + 16;
        for (auto& [id, langs] : ids) {
            std::size_t langDir = nextDir;
            nextDir += dirSize(langs.size());
            Put32At(rsrc, idEntry, id);
            Put32At(rsrc, idEntry + 4, 0x80000000u | static_cast<std::uint32_t>(langDir));
            idEntry += 8;
            Put16At(rsrc, langDir + 12, 0);
            Put16At(rsrc, langDir + 14, static_cast<std::uint32_t>(langs.size()));
            std::size_t langEntry = langDir + 16;
            for (auto& [lang, index] : langs) {
                std::size_t entry = dataEntriesAt + 16 * index;
                Put32At(rsrc, langEntry, lang);
                Put32At(rsrc, langEntry + 4, static_cast<std::uint32_t>(entry));
                langEntry += 8;
                const auto& data = resources[index].data;
                Put32At(rsrc, entry, kSectionRva + static_cast<std::uint32_t>(nextData));
                Put32At(rsrc, entry + 4, static_cast<std::uint32_t>(data.size()));
                if (rsrc.size() < nextData + data.size()) rsrc.resize(nextData + data.size());
                if (!data.empty()) std::memcpy(rsrc.data() + nextData, data.data(), data.size());
                nextData = (nextData + data.size() + 7) & ~std::size_t{7};
            }
        }
    }
    rsrc.resize((nextData + 0x1FF) & ~std::size_t{0x1FF});
    (void)cursor;

    std::vector<std::uint8_t> file(kSectionFile, 0);
    file[0] = 'M';
    file[1] = 'Z';
    Put32At(file, 0x3C, 0x40);
    std::size_t pe = 0x40;
    Put32At(file, pe, 0x00004550);
    std::size_t coff = pe + 4;
    Put16At(file, coff, options.pe32Plus ? 0x8664 : 0x014C);
    Put16At(file, coff + 2, 1);
    std::uint32_t optSize = options.pe32Plus ? 240 : 224;
    Put16At(file, coff + 16, optSize);
    Put16At(file, coff + 18, 0x2102);
    std::size_t opt = coff + 20;
    Put16At(file, opt, options.pe32Plus ? 0x20B : 0x10B);
    std::size_t dirCount = opt + (options.pe32Plus ? 108 : 92);
    std::size_t dirs = opt + (options.pe32Plus ? 112 : 96);
    Put32At(file, dirCount, 16);
    Put32At(file, dirs + 2 * 8, kSectionRva);
    Put32At(file, dirs + 2 * 8 + 4, static_cast<std::uint32_t>(nextData));
    if (options.dotNet) {
        Put32At(file, dirs + 14 * 8, kSectionRva);
        Put32At(file, dirs + 14 * 8 + 4, 72);
    }
    std::size_t section = opt + optSize;
    std::memcpy(file.data() + section, ".rsrc\0\0\0", 8);
    Put32At(file, section + 8, static_cast<std::uint32_t>(nextData));
    Put32At(file, section + 12, kSectionRva);
    Put32At(file, section + 16, static_cast<std::uint32_t>(rsrc.size()));
    Put32At(file, section + 20, kSectionFile);
    file.resize(kSectionFile);
    file.insert(file.end(), rsrc.begin(), rsrc.end());
    return file;
}

}  // namespace qorvix::test
