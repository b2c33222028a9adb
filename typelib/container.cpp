#include "typelib/container.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "typelib/reasons.h"

namespace qorvix {
namespace {

constexpr std::uint32_t kMsftMagic = 0x5446534D;  // "MSFT"
constexpr std::uint32_t kSltgMagic = 0x47544C53;  // "SLTG"
constexpr std::uint16_t kMzSignature = 0x5A4D;    // "MZ"

ContainerResult Fail(std::string why) {
    ContainerResult result;
    result.error = std::move(why);
    return result;
}

ContainerResult FromImage(Region image) {
    ContainerResult result;
    LeU32 magic;
    if (!image.Read(0, magic) || (magic != kMsftMagic && magic != kSltgMagic)) {
        return Fail(reason::kUnknownImage);
    }
    result.format = magic == kMsftMagic ? ImageFormat::Msft : ImageFormat::Sltg;
    result.ok = true;
    result.image = image;
    return result;
}

// The records of a PE image that lead to its resources.
struct DosHeader {
    LeU16 magic;
    std::uint8_t reserved[0x3A];
    LeU32 lfanew;  // where the PE signature lies
};
static_assert(sizeof(DosHeader) == 0x40);

struct FileHeader {
    LeU32 signature;
    LeU16 machine;
    LeU16 sectionCount;
    LeU32 timeStamp;
    LeU32 symbolTable;
    LeU32 symbolCount;
    LeU16 optionalSize;
    LeU16 characteristics;
};
static_assert(sizeof(FileHeader) == 24);

struct DataDirectory {
    LeU32 rva;
    LeU32 size;
};
static_assert(sizeof(DataDirectory) == 8);

struct SectionHeader {
    std::uint8_t name[8];
    LeU32 virtualSize;
    LeU32 virtualAddress;
    LeU32 rawSize;
    LeU32 rawPointer;
    LeU32 relocations;
    LeU32 lineNumbers;
    LeU16 relocationCount;
    LeU16 lineNumberCount;
    LeU32 characteristics;
};
static_assert(sizeof(SectionHeader) == 40);

struct ResourceDirectory {
    LeU32 characteristics;
    LeU32 timeStamp;
    LeU16 major;
    LeU16 minor;
    LeU16 namedCount;
    LeU16 idCount;
};
static_assert(sizeof(ResourceDirectory) == 16);

struct ResourceEntry {
    LeU32 name;    // high bit: offset of a counted UTF-16 name, else an id
    LeU32 target;  // high bit: a sub-directory, else a data entry
};
static_assert(sizeof(ResourceEntry) == 8);

struct ResourceData {
    LeU32 rva;
    LeU32 size;
    LeU32 codePage;
    LeU32 reserved;
};
static_assert(sizeof(ResourceData) == 16);

constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::uint16_t kNeSignature = 0x454E;      // "NE"
constexpr std::uint32_t kHighBit = 0x80000000u;

struct Section {
    std::uint32_t virtualSize, virtualAddress, rawSize, rawPointer;
};

class PeImage {
  public:
    explicit PeImage(Region file) : m_file(file) {}

    // Reads the headers; on failure sets m_error.
    bool Parse() {
        DosHeader dos;
        if (!m_file.Read(0, dos)) return Error(reason::kShortExecutable);
        std::int64_t pe = dos.lfanew;
        LeU32 signature;
        if (!m_file.Read(pe, signature)) return Error(reason::kExecutableHeaderOutside);
        if ((signature & 0xFFFF) == kNeSignature) return Error(reason::kSixteenBitModule);
        if (signature != kPeSignature) return Error(reason::kNotPeImage);
        FileHeader header;
        LeU16 magic;
        std::int64_t opt = pe + sizeof header;
        if (!m_file.Read(pe, header) || !m_file.Read(opt, magic)) {
            return Error(reason::kTruncatedPeHeader);
        }
        std::int64_t dirCountAt, dirAt;
        if (magic == kPe32Magic) {
            dirCountAt = opt + 92;
            dirAt = opt + 96;
        } else if (magic == kPe32PlusMagic) {
            dirCountAt = opt + 108;
            dirAt = opt + 112;
        } else {
            return Error(reason::kUnknownOptionalMagic);
        }
        LeU32 dirCount;
        if (!m_file.Read(dirCountAt, dirCount)) return Error(reason::kTruncatedOptionalHeader);
        if (dirCount > 2) {
            DataDirectory resources;
            if (!m_file.Read(dirAt + 2 * sizeof resources, resources)) {
                return Error(reason::kTruncatedDataDirectory);
            }
            m_resourceRva = resources.rva;
        }
        LeU32 clr;
        if (dirCount > 14 && m_file.Read(dirAt + 14 * sizeof(DataDirectory), clr)) {
            m_isDotNet = clr != 0;
        }
        std::int64_t sectionTable = opt + header.optionalSize;
        for (std::uint32_t i = 0; i < header.sectionCount; ++i) {
            SectionHeader s;
            if (!m_file.Read(sectionTable + std::int64_t{sizeof s} * i, s)) {
                return Error(reason::kSectionTableOutside);
            }
            m_sections.push_back({s.virtualSize, s.virtualAddress, s.rawSize, s.rawPointer});
        }
        return true;
    }

    // The file bytes for [rva, rva + size), or nothing.
    bool MapRva(std::uint32_t rva, std::uint32_t size, Region& out) const {
        for (const Section& s : m_sections) {
            std::uint64_t start = s.virtualAddress;
            std::uint64_t extent = std::max(s.virtualSize, s.rawSize);
            if (rva < start || rva >= start + extent) continue;
            std::uint64_t delta = rva - start;
            if (delta + size > s.rawSize) return false;
            return m_file.Sub(static_cast<std::int64_t>(s.rawPointer + delta), size, out);
        }
        return false;
    }

    ContainerResult FindTypeLib(std::uint32_t resourceId) {
        if (m_resourceRva == 0) return NoTypeLib();
        // The resource directory's extent is only advisory; the tree's own
        // offsets are checked against the section that holds it.
        bool found = false;
        for (const Section& s : m_sections) {
            if (m_resourceRva >= s.virtualAddress &&
                m_resourceRva < static_cast<std::uint64_t>(s.virtualAddress) + s.rawSize) {
                found = MapRva(m_resourceRva, s.virtualAddress + s.rawSize - m_resourceRva,
                               m_resources);
                break;
            }
        }
        if (!found) return Fail(reason::kResourceDirectoryOutside);

        auto typeDir = FindNamed(0, u"TYPELIB");
        if (!typeDir) return NoTypeLib();
        auto idDir = FindId(*typeDir, resourceId);
        if (!idDir) {
            return Fail(reason::Format(reason::kNoNumberedResource, std::to_string(resourceId)));
        }
        auto leaf = PickLanguage(*idDir);
        if (!leaf) return Fail(reason::kMalformedResourceDirectory);
        ResourceData data;
        if (!m_resources.Read(*leaf, data)) return Fail(reason::kMalformedResourceData);
        Region image;
        if (!MapRva(data.rva, data.size, image)) {
            return Fail(reason::kResourceOutside);
        }
        return FromImage(image);
    }

    const std::string& ErrorText() const { return m_error; }

  private:
    bool Error(std::string text) {
        m_error = std::move(text);
        return false;
    }

    ContainerResult NoTypeLib() const {
        if (m_isDotNet) return Fail(reason::kDotNetAssembly);
        return Fail(reason::kNoResource);
    }

    // Entries of the directory table at `dir`; nullopt when it does not fit.
    std::optional<std::vector<ResourceEntry>> Entries(std::int64_t dir) const {
        ResourceDirectory directory;
        std::vector<ResourceEntry> entries;
        if (!m_resources.Read(dir, directory) ||
            !m_resources.ReadArray(dir + sizeof directory,
                                   std::size_t{directory.namedCount} + directory.idCount,
                                   entries)) {
            return std::nullopt;
        }
        return entries;
    }

    static std::optional<std::int64_t> SubDirectory(const ResourceEntry& e) {
        if (!(e.target & kHighBit)) return std::nullopt;
        return static_cast<std::int64_t>(e.target & ~kHighBit);
    }

    // Resource names compare without regard to case.
    bool NameIs(std::int64_t at, std::u16string_view wanted) const {
        LeU16 length;
        std::vector<char16_t> name;
        if (!m_resources.Read(at, length) || length != wanted.size() ||
            !m_resources.ReadArray(at + sizeof length, wanted.size(), name)) {
            return false;
        }
        for (std::size_t i = 0; i < wanted.size(); ++i) {
            char16_t c = name[i];
            if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
            if (c != wanted[i]) return false;
        }
        return true;
    }

    std::optional<std::int64_t> FindNamed(std::int64_t dir, std::u16string_view wanted) const {
        auto entries = Entries(dir);
        if (!entries) return std::nullopt;
        for (const ResourceEntry& e : *entries) {
            if ((e.name & kHighBit) && NameIs(e.name & ~kHighBit, wanted)) return SubDirectory(e);
        }
        return std::nullopt;
    }

    std::optional<std::int64_t> FindId(std::int64_t dir, std::uint32_t id) const {
        auto entries = Entries(dir);
        if (!entries) return std::nullopt;
        for (const ResourceEntry& e : *entries) {
            if (!(e.name & kHighBit) && (e.name & 0xFFFF) == id) return SubDirectory(e);
        }
        return std::nullopt;
    }

    // The data entry of the preferred language: neutral, then en-US, then
    // the first.
    std::optional<std::int64_t> PickLanguage(std::int64_t dir) const {
        auto entries = Entries(dir);
        if (!entries || entries->empty()) return std::nullopt;
        const ResourceEntry* chosen = &entries->front();
        for (std::uint32_t preferred : {0u, 0x409u}) {
            auto it = std::find_if(entries->begin(), entries->end(), [&](const ResourceEntry& e) {
                return !(e.name & kHighBit) && (e.name & 0xFFFF) == preferred;
            });
            if (it != entries->end()) {
                chosen = &*it;
                break;
            }
        }
        if (chosen->target & kHighBit) return std::nullopt;  // a directory where data belongs
        return static_cast<std::int64_t>(chosen->target);
    }

    Region m_file;
    Region m_resources;
    std::vector<Section> m_sections;
    std::uint32_t m_resourceRva = 0;
    bool m_isDotNet = false;
    std::string m_error;
};

}  // namespace

ContainerResult FindTypeLibImage(Region file, std::uint32_t resourceId) {
    if (file.Size() == 0) return Fail(reason::kEmptyFile);
    LeU32 magic;
    if (file.Read(0, magic) && (magic == kMsftMagic || magic == kSltgMagic)) {
        return FromImage(file);
    }
    LeU16 mz;
    if (!file.Read(0, mz) || mz != kMzSignature) {
        return Fail(reason::kUnknownSignature);
    }
    PeImage pe(file);
    if (!pe.Parse()) return Fail(pe.ErrorText());
    return pe.FindTypeLib(resourceId);
}

}  // namespace qorvix
