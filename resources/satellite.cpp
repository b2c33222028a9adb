#include "resources/satellite.h"

#include <cstdint>
#include <cstring>

#include "typelib/byte_source.h"
#include "typelib/codepage.h"

namespace qorvix {
namespace {

// The file's first bytes, and its blocks: a tag byte, a 32-bit big-endian
// length, the bytes.
constexpr unsigned char kMagic[16] = {0x3C, 0xB8, 0x64, 0x18, 0xCA, 0xEF, 0x9C, 0x95,
                                      0xCD, 0x21, 0x1C, 0xBF, 0x60, 0xA1, 0xBD, 0xDD};
constexpr unsigned char kHashesBlock = 0x42;
constexpr unsigned char kMessagesBlock = 0x69;

// The fields of a message, each a tag byte, then (but for the end and the
// obsolete one) a 32-bit length and the bytes.
enum MessageTag : unsigned char {
    kEnd = 1,
    kTranslation = 3,  // UTF-16, big-endian
    kObsolete = 5,     // four bytes follow, no length
    kSourceText = 6,
    kContext = 7,
    kComment = 8,
};

// A 32-bit big-endian number at `at`, if the bytes hold one.
bool ReadU32(std::string_view bytes, std::size_t at, std::uint32_t& out) {
    if (at > bytes.size() || bytes.size() - at < 4) return false;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    out = std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
    return true;
}

// Qt's hash of a source text (with its comment, empty here): the ELF hash,
// never 0.
std::uint32_t SourceHash(std::string_view text) {
    std::uint32_t h = 0;
    for (unsigned char c : text) {
        h = (h << 4) + c;
        std::uint32_t g = h & 0xF0000000u;
        if (g) h ^= g >> 24;
        h &= ~g;
    }
    return h ? h : 1;
}

// A stored text equals `wanted`; a stored terminating NUL does not count.
bool Matches(std::string_view stored, std::string_view wanted) {
    if (!stored.empty() && stored.back() == '\0') stored.remove_suffix(1);
    return stored == wanted;
}

}  // namespace

Satellite::Satellite() = default;
Satellite::~Satellite() = default;

bool Satellite::Load(const std::string& path) {
    m_file = ByteSource::ReadFile(path).bytes;
    std::size_t slash = path.find_last_of('/');
    std::size_t dot = path.find_last_of('.');
    m_extension = dot != std::string::npos && (slash == std::string::npos || dot > slash)
                      ? path.substr(dot + 1)
                      : std::string();
    return Parse();
}

bool Satellite::LoadBytes(std::string_view bytes, const std::string& extension) {
    m_file = ByteSource::Copy(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    m_extension = extension;
    return Parse();
}

std::string_view Satellite::Bytes() const {
    return m_file ? m_file->Bytes().Text() : std::string_view();
}

bool Satellite::Parse() {
    m_hashes = {};
    m_messages = {};
    std::string_view bytes = Bytes();
    bool valid = bytes.size() >= sizeof kMagic && std::memcmp(bytes.data(), kMagic, 16) == 0;
    for (std::size_t at = sizeof kMagic; valid && at < bytes.size();) {
        std::uint32_t length = 0;
        valid = ReadU32(bytes, at + 1, length) && bytes.size() - at - 5 >= length;
        if (!valid) break;
        std::string_view block = bytes.substr(at + 5, length);
        if (bytes[at] == static_cast<char>(kHashesBlock)) m_hashes = block;
        if (bytes[at] == static_cast<char>(kMessagesBlock)) m_messages = block;
        at += 5 + std::size_t{length};
    }
    if (!valid || m_hashes.size() % 8 != 0) {
        m_file.reset();
        m_hashes = {};
        m_messages = {};
        m_extension.clear();
        return false;
    }
    return true;
}

std::string_view Satellite::Message(std::uint32_t offset, std::string_view context,
                                    std::string_view source) const {
    // As Qt's translator reads a message: every field it holds must match
    // what is asked for, and the first translation is the one.
    std::string_view translation;
    bool found = false;
    for (std::size_t at = offset; at < m_messages.size();) {
        auto tag = static_cast<unsigned char>(m_messages[at++]);
        if (tag == kEnd) return found ? translation : std::string_view();
        if (tag == kObsolete) {
            at += 4;
            continue;
        }
        std::uint32_t length = 0;
        if (!ReadU32(m_messages, at, length) || (tag == kTranslation && length % 2 != 0)) break;
        at += 4;
        if (m_messages.size() - std::min(at, m_messages.size()) < length) break;
        std::string_view field = m_messages.substr(at, length);
        at += length;
        switch (tag) {
            case kTranslation:
                if (!found) translation = field;
                found = true;
                break;
            case kSourceText:
                if (!Matches(field, source)) return {};
                break;
            case kContext:
                if (!Matches(field, context)) return {};
                break;
            case kComment:
                if (!field.empty() && field[0] != '\0') return {};  // asked without one
                break;
            default:
                return {};
        }
    }
    return {};
}

std::string Satellite::Translate(std::string_view context, std::string_view source) const {
    std::uint32_t hash = SourceHash(source);
    // The first entry of that hash, then each one after it that has it too.
    std::size_t low = 0, high = m_hashes.size() / 8;
    while (low < high) {
        std::size_t middle = (low + high) / 2;
        std::uint32_t at = 0;
        (void)ReadU32(m_hashes, middle * 8, at);
        if (at < hash) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    for (std::uint32_t at = 0, offset = 0;
         ReadU32(m_hashes, low * 8, at) && at == hash && ReadU32(m_hashes, low * 8 + 4, offset);
         ++low) {
        std::string_view bytes = Message(offset, context, source);
        if (bytes.empty()) continue;
        std::u16string units(bytes.size() / 2, u'\0');
        for (std::size_t i = 0; i < units.size(); ++i) {
            units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) << 8 |
                                             static_cast<unsigned char>(bytes[2 * i + 1]));
        }
        return Utf16ToUtf8(units);
    }
    return {};
}

std::string SatelliteStrings::Load(int id) const {
    std::string source = BuiltInStrings().Load(id);
    return source.empty() ? std::string() : m_satellite.Translate("StringTable", source);
}

}  // namespace qorvix
