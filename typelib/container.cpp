#include "typelib/container.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace qorvix {
namespace {

constexpr std::uint32_t kMsftMagic = 0x5446534D;  // "MSFT"
constexpr std::uint32_t kSltgMagic = 0x47544C53;  // "SLTG"

ContainerResult Fail(std::string why) {
    ContainerResult result;
    result.error = std::move(why);
    return result;
}

ContainerResult FromImage(Region image) {
    ContainerResult result;
    auto magic = image.U32(0);
    if (magic == kMsftMagic) {
        result.format = ImageFormat::Msft;
    } else if (magic == kSltgMagic) {
        result.format = ImageFormat::Sltg;
    } else {
        return Fail("the TYPELIB resource holds neither an MSFT nor an SLTG type library");
    }
    result.ok = true;
    result.image = image;
    return result;
}

struct Section {
    std::uint32_t virtualSize, virtualAddress, rawSize, rawPointer;
};

class PeImage {
  public:
    explicit PeImage(Region file) : m_file(file) {}

    // Reads the headers; on failure sets m_error.
    bool Parse() {
        auto lfanew = m_file.U32(0x3C);
        if (!lfanew) return Error("the file is too short for an executable header");
        std::int64_t pe = *lfanew;
        auto signature = m_file.U32(pe);
        if (!signature) return Error("the executable header points outside the file");
        if ((*signature & 0xFFFF) == 0x454E) return Error("a 16-bit module, not supported");
        if (*signature != 0x00004550) return Error("not a Windows PE image");
        auto sectionCount = m_file.U16(pe + 4 + 2);
        auto optSize = m_file.U16(pe + 4 + 16);
        std::int64_t opt = pe + 24;
        auto magic = m_file.U16(opt);
        if (!sectionCount || !optSize || !magic) return Error("truncated PE header");
        std::int64_t dirCountAt, dirAt;
        if (*magic == 0x10B) {
            dirCountAt = opt + 92;
            dirAt = opt + 96;
        } else if (*magic == 0x20B) {
            dirCountAt = opt + 108;
            dirAt = opt + 112;
        } else {
            return Error("unknown PE optional-header magic");
        }
        auto dirCount = m_file.U32(dirCountAt);
        if (!dirCount) return Error("truncated PE optional header");
        if (*dirCount > 2) {
            auto rva = m_file.U32(dirAt + 2 * 8);
            auto size = m_file.U32(dirAt + 2 * 8 + 4);
            if (!rva || !size) return Error("truncated PE data directory");
            m_resourceRva = *rva;
            m_resourceSize = *size;
        }
        if (*dirCount > 14) {
            auto clr = m_file.U32(dirAt + 14 * 8);
            m_isDotNet = clr && *clr != 0;
        }
        std::int64_t sectionTable = opt + *optSize;
        for (std::uint32_t i = 0; i < *sectionCount; ++i) {
            Cursor c(m_file, sectionTable + 40 * static_cast<std::int64_t>(i) + 8);
            Section s{c.U32(), c.U32(), c.U32(), c.U32()};
            if (!c.Ok()) return Error("the PE section table runs past the end of the file");
            m_sections.push_back(s);
        }
        return true;
    }

    // The file bytes for [rva, rva + size), or nullopt.
    std::optional<Region> MapRva(std::uint32_t rva, std::uint32_t size) const {
        for (const Section& s : m_sections) {
            std::uint64_t start = s.virtualAddress;
            std::uint64_t extent = std::max(s.virtualSize, s.rawSize);
            if (rva < start || rva >= start + extent) continue;
            std::uint64_t delta = rva - start;
            if (delta + size > s.rawSize) return std::nullopt;
            return m_file.Sub(static_cast<std::int64_t>(s.rawPointer) + delta, size);
        }
        return std::nullopt;
    }

    ContainerResult FindTypeLib(std::uint32_t resourceId) {
        if (m_resourceRva == 0) return NoTypeLib();
        // The resource directory's extent is only advisory; the tree's own
        // offsets are checked against the section that holds it.
        std::optional<Region> base;
        for (const Section& s : m_sections) {
            if (m_resourceRva >= s.virtualAddress &&
                m_resourceRva < static_cast<std::uint64_t>(s.virtualAddress) + s.rawSize) {
                base = MapRva(m_resourceRva, s.virtualAddress + s.rawSize - m_resourceRva);
                break;
            }
        }
        if (!base) return Fail("the resource directory lies outside the file");
        m_resources = *base;

        auto typeDir = FindNamed(0, u"TYPELIB");
        if (!typeDir) return NoTypeLib();
        auto idDir = FindId(*typeDir, resourceId);
        if (!idDir) {
            return Fail("the file has no TYPELIB resource " + std::to_string(resourceId));
        }
        auto leaf = PickLanguage(*idDir);
        if (!leaf) return Fail("malformed resource directory");
        auto rva = m_resources.U32(*leaf);
        auto size = m_resources.U32(*leaf + 4);
        if (!rva || !size) return Fail("malformed resource data entry");
        auto data = MapRva(*rva, *size);
        if (!data) return Fail("the TYPELIB resource lies outside the file");
        return FromImage(*data);
    }

    const std::string& ErrorText() const { return m_error; }

  private:
    bool Error(std::string text) {
        m_error = std::move(text);
        return false;
    }

    ContainerResult NoTypeLib() const {
        if (m_isDotNet) return Fail("this is a .NET assembly; it contains no type library");
        return Fail("the file has no TYPELIB resource (it may be packed)");
    }

    struct Entry {
        std::uint32_t name, target;
    };

    // Entries of the directory table at `dir`; nullopt when it does not fit.
    std::optional<std::vector<Entry>> Entries(std::int64_t dir) const {
        auto named = m_resources.U16(dir + 12);
        auto ids = m_resources.U16(dir + 14);
        if (!named || !ids) return std::nullopt;
        std::int64_t count = std::int64_t{*named} + *ids;
        if (!m_resources.Contains(dir + 16, count * 8)) return std::nullopt;
        std::vector<Entry> entries;
        entries.reserve(static_cast<std::size_t>(count));
        for (std::int64_t i = 0; i < count; ++i) {
            entries.push_back(
                {*m_resources.U32(dir + 16 + 8 * i), *m_resources.U32(dir + 16 + 8 * i + 4)});
        }
        return entries;
    }

    static std::optional<std::int64_t> SubDirectory(const Entry& e) {
        if (!(e.target & 0x80000000u)) return std::nullopt;
        return static_cast<std::int64_t>(e.target & 0x7FFFFFFFu);
    }

    std::optional<std::int64_t> FindNamed(std::int64_t dir, std::u16string_view wanted) const {
        auto entries = Entries(dir);
        if (!entries) return std::nullopt;
        for (const Entry& e : *entries) {
            if (!(e.name & 0x80000000u)) continue;
            std::int64_t at = e.name & 0x7FFFFFFFu;
            auto length = m_resources.U16(at);
            if (!length || *length != wanted.size()) continue;
            bool same = true;
            for (std::size_t i = 0; i < wanted.size() && same; ++i) {
                auto ch = m_resources.U16(at + 2 + 2 * static_cast<std::int64_t>(i));
                char16_t c = ch ? static_cast<char16_t>(*ch) : 0;
                if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
                same = ch && c == wanted[i];
            }
            if (same) return SubDirectory(e);
        }
        return std::nullopt;
    }

    std::optional<std::int64_t> FindId(std::int64_t dir, std::uint32_t id) const {
        auto entries = Entries(dir);
        if (!entries) return std::nullopt;
        for (const Entry& e : *entries) {
            if (!(e.name & 0x80000000u) && (e.name & 0xFFFF) == id) return SubDirectory(e);
        }
        return std::nullopt;
    }

    // The data entry of the preferred language: neutral, then en-US, then
    // the first.
    std::optional<std::int64_t> PickLanguage(std::int64_t dir) const {
        auto entries = Entries(dir);
        if (!entries || entries->empty()) return std::nullopt;
        const Entry* chosen = &entries->front();
        for (std::uint32_t preferred : {0u, 0x409u}) {
            bool found = false;
            for (const Entry& e : *entries) {
                if (!(e.name & 0x80000000u) && (e.name & 0xFFFF) == preferred) {
                    chosen = &e;
                    found = true;
                    break;
                }
            }
            if (found) break;
        }
        if (chosen->target & 0x80000000u) return std::nullopt;  // a directory where data belongs
        return static_cast<std::int64_t>(chosen->target);
    }

    Region m_file;
    Region m_resources;
    std::vector<Section> m_sections;
    std::uint32_t m_resourceRva = 0;
    std::uint32_t m_resourceSize = 0;
    bool m_isDotNet = false;
    std::string m_error;
};

}  // namespace

ContainerResult FindTypeLibImage(Region file, std::uint32_t resourceId) {
    if (file.Size() == 0) return Fail("the file is empty");
    auto magic = file.U32(0);
    if (magic == kMsftMagic || magic == kSltgMagic) return FromImage(file);
    auto mz = file.U16(0);
    if (mz != 0x5A4D) return Fail("not a type library (unknown file signature)");
    PeImage pe(file);
    if (!pe.Parse()) return Fail(pe.ErrorText());
    return pe.FindTypeLib(resourceId);
}

}  // namespace qorvix
