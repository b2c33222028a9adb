#include "platform/registry.h"

#include <unistd.h>
#include <algorithm>
#include <bit>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <random>
#include <unordered_set>

#include "platform/locale_text.h"
#include "platform/split_path.h"
#include "typelib/codepage.h"
#include "typelib/system_file.h"

namespace qorvix {

namespace {

constexpr std::uint32_t kNone = 0xFFFFFFFF;
// A record's bytes lie in the hive's text, or, with this bit, among the
// bytes decoded from it (names and data with escapes, hexadecimal data).
constexpr std::uint32_t kDecoded = 0x80000000u;

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

// The hash of a name (without regard to case) under its key. Seeded once
// per process, so that a file cannot be written to make its names collide.
// Eight bytes at a time: every header of a file is hashed part by part.
std::uint64_t NameHash(std::uint32_t owner, std::string_view name) {
    static const std::uint64_t kSeed = std::random_device{}();
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
    // ASCII capitals of a word to lower case (other bytes as they are).
    auto lower = [](std::uint64_t word) {
        std::uint64_t low = word & (0x7F * kOnes);
        std::uint64_t capital = ((low + (0x80 - 'A') * kOnes) ^ (low + (0x80 - 'Z' - 1) * kOnes)) &
                                ~word & (0x80 * kOnes);
        return word | (capital >> 2);
    };
    std::uint64_t hash = (kSeed ^ 0xcbf29ce484222325ull) + owner + name.size();
    const char* at = name.data();
    std::size_t left = name.size();
    for (; left >= 8; at += 8, left -= 8) {
        std::uint64_t word;
        std::memcpy(&word, at, 8);
        hash = (hash ^ lower(word)) * kMultiplier;
        hash ^= hash >> 29;
    }
    if (left > 0) {
        // The last bytes: the end of the name loaded whole where it is that
        // long, else byte by byte.
        std::uint64_t word = 0;
        if (name.size() >= 8) {
            std::memcpy(&word, name.data() + name.size() - 8, 8);
            word >>= (8 - left) * 8;
        } else {
            for (std::size_t i = 0; i < left; ++i)
                word |= std::uint64_t{static_cast<unsigned char>(at[i])} << (8 * i);
        }
        hash = (hash ^ lower(word)) * kMultiplier;
    }
    hash ^= hash >> 33;
    hash *= 0xff51afd7ed558ccdull;
    return hash ^ (hash >> 33);
}

// Open addressing over record numbers, at most half full: four to eight
// bytes a record, where a tree of maps took over a hundred.
class NameIndex {
  public:
    // The first record for which `matches` holds, among those of `hash`.
    template <typename Matches>
    std::uint32_t Find(std::uint64_t hash, Matches matches) const {
        if (m_slots.empty()) return kNone;
        std::size_t mask = m_slots.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            if (m_slots[i] == 0) return kNone;
            if (matches(m_slots[i] - 1)) return m_slots[i] - 1;
        }
    }
    // `hashOf(record)` gives the hash of a record already added.
    template <typename HashOf>
    void Add(std::uint64_t hash, std::uint32_t record, HashOf hashOf) {
        if ((m_count + 1) * 2 > m_slots.size())
            Grow(std::max<std::size_t>(16, m_slots.size() * 2), hashOf);
        Place(hash, record);
        ++m_count;
    }
    // Room for `records` without growing on the way (growing hashes every
    // record again).
    template <typename HashOf>
    void Reserve(std::size_t records, HashOf hashOf) {
        std::size_t slots = 16;
        while (slots < records * 2)
            slots *= 2;
        if (slots > m_slots.size()) Grow(slots, hashOf);
    }

  private:
    template <typename HashOf>
    void Grow(std::size_t slots, HashOf hashOf) {
        std::vector<std::uint32_t> old = std::move(m_slots);
        m_slots.assign(slots, 0);
        for (std::uint32_t slot : old) {
            if (slot) Place(hashOf(slot - 1), slot - 1);
        }
    }
    void Place(std::uint64_t hash, std::uint32_t record) {
        std::size_t mask = m_slots.size() - 1;
        std::size_t i = hash & mask;
        while (m_slots[i] != 0)
            i = (i + 1) & mask;
        m_slots[i] = record + 1;
    }

    std::vector<std::uint32_t> m_slots;  // record + 1; 0 is free
    std::size_t m_count = 0;
};

// The logical lines of a registry file: a line that ends in a backslash
// goes on with the next one, less its indent (long hexadecimal values);
// a CR before the LF is dropped.
class LineReader {
  public:
    // Lines of `file` from `at`, which starts a line.
    LineReader(std::string_view file, std::size_t at) : m_file(file), m_at(at) {}

    // The next line: a view into the file, or, when it had to be joined,
    // into `scratch`. False at the end.
    bool Next(std::string_view& line, std::string& scratch) {
        if (m_at >= m_file.size()) return false;
        line = m_file.substr(m_at, LineEnd(m_at) - m_at);
        m_at += line.size() + 1;
        if (!line.empty() && line.back() == '\\' && m_at < m_file.size()) {
            scratch.assign(line);
            while (!scratch.empty() && scratch.back() == '\\' && m_at < m_file.size()) {
                scratch.pop_back();
                std::string_view more = m_file.substr(m_at, LineEnd(m_at) - m_at);
                m_at += more.size() + 1;
                std::size_t indent = more.find_first_not_of(" \t");
                scratch += more.substr(indent == std::string_view::npos ? more.size() : indent);
            }
            line = scratch;
        }
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return true;
    }
    // Where the next line starts.
    std::size_t Position() const { return std::min(m_at, m_file.size()); }

  private:
    std::size_t LineEnd(std::size_t from) const {
        const void* end = std::memchr(m_file.data() + from, '\n', m_file.size() - from);
        return end ? static_cast<std::size_t>(static_cast<const char*>(end) - m_file.data())
                   : m_file.size();
    }

    std::string_view m_file;
    std::size_t m_at;
};

bool SkippedAlways(std::string_view line) {
    return line.empty() || line[0] == ';' || line[0] == '#';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = LowerAscii(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Wine's string escapes: \\ \" \a \b \e \f \n \r \t \v, \x and up to four
// hexadecimal digits (a UTF-16 unit), \ and up to three octal digits.
// Reads a quoted string starting at `at` (on the opening quote); returns
// the position after the closing quote, or npos. With `plain`, a string
// without escapes is not copied: `plain` views it in `line`, and `out` is
// left alone; otherwise `plain` is cleared.
std::size_t ReadQuoted(std::string_view line, std::size_t at, std::string& out,
                       std::string_view* plain = nullptr) {
    if (plain) *plain = {};
    if (at >= line.size() || line[at] != '"') return std::string_view::npos;
    // Most strings have no escape: take them as they stand.
    std::size_t special = line.find_first_of("\\\"", at + 1);
    if (special != std::string_view::npos && line[special] == '"') {
        if (plain) {
            *plain = line.substr(at + 1, special - at - 1);
        } else {
            out.assign(line.substr(at + 1, special - at - 1));
        }
        return special + 1;
    }
    std::u16string units;
    std::string raw;
    auto flushRaw = [&] {
        units += Utf8ToUtf16(raw);
        raw.clear();
    };
    for (std::size_t i = at + 1; i < line.size(); ++i) {
        char c = line[i];
        if (c == '"') {
            flushRaw();
            out = Utf16ToUtf8(units);
            return i + 1;
        }
        if (c != '\\') {
            raw += c;
            continue;
        }
        if (++i >= line.size()) break;
        flushRaw();
        char e = line[i];
        switch (e) {
            case 'a':
                units += u'\a';
                break;
            case 'b':
                units += u'\b';
                break;
            case 'e':
                units += u'\x1b';
                break;
            case 'f':
                units += u'\f';
                break;
            case 'n':
                units += u'\n';
                break;
            case 'r':
                units += u'\r';
                break;
            case 't':
                units += u'\t';
                break;
            case 'v':
                units += u'\v';
                break;
            case 'x': {
                unsigned value = 0;
                int digits = 0;
                while (digits < 4 && i + 1 < line.size() &&
                       std::isxdigit(static_cast<unsigned char>(line[i + 1]))) {
                    char h = line[++i];
                    value = value * 16 +
                            static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(h))
                                                      ? h - '0'
                                                      : (std::tolower(h) - 'a' + 10));
                    ++digits;
                }
                units += static_cast<char16_t>(value);
                break;
            }
            default:
                if (e >= '0' && e <= '7') {
                    unsigned value = static_cast<unsigned>(e - '0');
                    for (int digits = 1; digits < 3 && i + 1 < line.size() && line[i + 1] >= '0' &&
                                         line[i + 1] <= '7';
                         ++digits) {
                        value = value * 8 + static_cast<unsigned>(line[++i] - '0');
                    }
                    units += static_cast<char16_t>(value);
                } else {
                    units += static_cast<char16_t>(static_cast<unsigned char>(e));
                }
        }
    }
    return std::string_view::npos;  // no closing quote
}

// A key path: its separators are escaped backslashes; other escapes are
// rare and take the general route.
bool UnescapeKeyPath(std::string_view text, std::string& out) {
    out.clear();
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '\\') {
            out += '\\';
            ++i;
        } else {
            std::string quoted = "\"" + std::string(text) + "\"";
            return ReadQuoted(quoted, 0, out) == quoted.size();
        }
    }
    return true;
}

bool ReadHex(std::string_view text, std::vector<std::uint8_t>& out) {
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() &&
               (text[i] == ',' || std::isspace(static_cast<unsigned char>(text[i]))))
            ++i;
        if (i >= text.size()) break;
        int high = HexDigit(text[i]);
        int low = i + 1 < text.size() ? HexDigit(text[i + 1]) : -1;
        if (high < 0 || low < 0) return false;
        out.push_back(static_cast<std::uint8_t>(high * 16 + low));
        i += 2;
    }
    return true;
}

// The value part of a line ("..." / dword:... / hex:... / str(N):"...").
// A quoted string without escapes is left in the line, as `plain`.
bool ReadValue(std::string_view text, RegistryValue& value, std::string_view& plain) {
    plain = {};
    if (!text.empty() && text[0] == '"') {
        value.type = REG_SZ;
        return ReadQuoted(text, 0, value.text, &plain) == text.size();
    }
    if (text.rfind("str(", 0) == 0) {
        std::size_t close = text.find("):");
        if (close == std::string_view::npos) return false;
        value.type = static_cast<std::uint32_t>(
            std::strtoul(std::string(text.substr(4, close - 4)).c_str(), nullptr, 16));
        return ReadQuoted(text, close + 2, value.text, &plain) == text.size();
    }
    if (text.rfind("dword:", 0) == 0) {
        std::string digits(text.substr(6));
        if (digits.size() != 8 ||
            digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            return false;
        std::uint32_t dword = static_cast<std::uint32_t>(std::strtoul(digits.c_str(), nullptr, 16));
        value.type = REG_DWORD;
        value.data.resize(4);
        std::memcpy(value.data.data(), &dword, 4);
        return true;
    }
    if (text.rfind("hex", 0) == 0) {
        std::size_t colon = text.find(':');
        if (colon == std::string_view::npos) return false;
        value.type = REG_BINARY;
        if (colon > 3) {
            if (text[3] != '(' || text[colon - 1] != ')') return false;
            value.type = static_cast<std::uint32_t>(
                std::strtoul(std::string(text.substr(4, colon - 5)).c_str(), nullptr, 16));
        }
        if (!ReadHex(text.substr(colon + 1), value.data)) return false;
        // Text kinds stored as hex are UTF-16.
        if (value.type == REG_SZ || value.type == REG_EXPAND_SZ || value.type == REG_MULTI_SZ) {
            std::u16string units(value.data.size() / 2, u'\0');
            if (!units.empty()) std::memcpy(units.data(), value.data.data(), units.size() * 2);
            while (!units.empty() && units.back() == u'\0')
                units.pop_back();
            value.text = Utf16ToUtf8(units);
        }
        return true;
    }
    return false;
}

}  // namespace

// One hive: the text of its files, kept, and a record for every key its
// section headers name. A key's values are read from its sections when
// they are first asked for (or all at load): a run that needs a few keys
// of a large file reads no more of the rest than the headers. Records are
// small (24 bytes for a key or a value, 8 for a section) and refer to
// their bytes by offset, in the text where they stand as they are, else
// among the decoded bytes; none holds a container of its own, because a
// hostile file chooses its shape (deep, wide, many values). The parts read
// on demand change under const: a hive is used by one thread at a time.
struct Registry::Hive {
    struct KeyRecord {
        std::uint32_t nameAt = 0;
        std::uint32_t nameSize : 31 = 0;
        std::uint32_t valuesRead : 1 = 0;
        std::uint32_t parent = kNone;
        std::uint32_t newestChild = kNone;  // children are linked newest first
        std::uint32_t olderSibling = kNone;
        std::uint32_t newestSection = kNone;  // and so are sections
    };
    // The lines of a key's section follow its header up to the next one.
    struct Section {
        std::uint32_t begin;  // where its first line starts in the text
        std::uint32_t older;  // the key's section before this one
    };
    struct ValueRecord {
        std::uint32_t nameAt;
        std::uint32_t nameSize;
        std::uint32_t dataAt;  // the text (UTF-8) or the bytes
        std::uint32_t dataSize;
        std::uint32_t type;
        std::uint32_t key : 31;
        std::uint32_t isText : 1;
    };

    Hive() { keys.push_back({}); }  // the root

    std::string_view Bytes(std::uint32_t at, std::uint32_t size) const {
        if (size == 0) return {};
        if (at & kDecoded) return {decoded.data() + (at & ~kDecoded), size};
        return {text.data() + at, size};
    }
    std::string_view Name(const KeyRecord& key) const { return Bytes(key.nameAt, key.nameSize); }
    std::string_view Name(const ValueRecord& value) const {
        return Bytes(value.nameAt, value.nameSize);
    }
    // Where `bytes` can be found again: in the text, when they stand there,
    // else copied among the decoded bytes. False when that store is full.
    bool Keep(std::string_view bytes, std::uint32_t& at) const {
        auto begin = reinterpret_cast<std::uintptr_t>(bytes.data());
        auto textBegin = reinterpret_cast<std::uintptr_t>(text.data());
        if (bytes.empty()) {
            at = 0;
        } else if (begin >= textBegin && begin + bytes.size() <= textBegin + text.size()) {
            at = static_cast<std::uint32_t>(begin - textBegin);
        } else {
            if (decoded.size() + bytes.size() >= kDecoded) return false;
            at = static_cast<std::uint32_t>(decoded.size()) | kDecoded;
            decoded.append(bytes);
        }
        return true;
    }

    auto KeyHash() const {
        return [this](std::uint32_t k) { return NameHash(keys[k].parent, Name(keys[k])); };
    }
    std::uint32_t Child(std::uint32_t parent, std::string_view name) const {
        return Child(parent, name, NameHash(parent, name));
    }
    std::uint32_t Child(std::uint32_t parent, std::string_view name, std::uint64_t hash) const {
        return keyIndex.Find(hash, [&](std::uint32_t k) {
            return keys[k].parent == parent && SameName(Name(keys[k]), name);
        });
    }
    std::uint32_t AddChild(std::uint32_t parent, std::string_view name) {
        std::uint64_t hash = NameHash(parent, name);
        std::uint32_t found = Child(parent, name, hash);
        if (found != kNone || keys.size() >= kNone / 2 || name.size() >= kDecoded) return found;
        KeyRecord record;
        if (!Keep(name, record.nameAt)) return kNone;
        auto k = static_cast<std::uint32_t>(keys.size());
        record.nameSize = static_cast<std::uint32_t>(name.size());
        record.parent = parent;
        record.olderSibling = keys[parent].newestChild;
        keys.push_back(record);
        keys[parent].newestChild = k;
        keyIndex.Add(hash, k, KeyHash());
        return k;
    }

    std::uint32_t Find(std::uint32_t key, std::string_view path) const {
        for (std::size_t start = 0; key != kNone && start < path.size();) {
            std::size_t end = std::min(path.find('\\', start), path.size());
            if (end > start) key = Child(key, path.substr(start, end - start));
            start = end + 1;
        }
        return key;
    }

    const ValueRecord* Value(std::uint32_t key, std::string_view name) const {
        ReadValues(key);
        std::uint32_t v = valueIndex.Find(NameHash(key, name), [&](std::uint32_t other) {
            return values[other].key == key && SameName(Name(values[other]), name);
        });
        return v == kNone ? nullptr : &values[v];
    }

    // The text loaded last, from `base`: a key for every section header.
    std::size_t Index(std::size_t base, std::size_t* tooDeep);
    std::uint32_t HeaderKey(std::string_view path, bool inText, std::size_t* tooDeep, bool& deep);
    void AddSection(std::uint32_t key, std::size_t begin);
    // Reads the values of `key` from its sections, once; returns how many
    // of their lines could not be read.
    std::size_t ReadValues(std::uint32_t key) const;
    std::size_t ReadSection(std::uint32_t key, std::uint32_t begin) const;
    // A later line for the same name replaces the value.
    void SetValue(std::uint32_t key, std::string_view name, std::uint32_t type,
                  std::string_view data, bool isText) const;

    std::string text;                   // the loaded files, one after the other
    std::vector<std::size_t> textEnds;  // where each ends
    mutable std::string decoded;
    mutable std::deque<KeyRecord> keys;  // keys[0] is the root
    std::deque<Section> sections;
    mutable std::deque<ValueRecord> values;
    NameIndex keyIndex;            // by parent and name
    mutable NameIndex valueIndex;  // by key and name
    // The last plain header's path (in the text), its parts and their
    // keys: a file lists keys next to their neighbours, so most of a
    // header's path is the one before it.
    struct PathPart {
        std::uint32_t begin;
        std::uint32_t size;
        std::uint32_t key;
    };
    std::string_view previousPath;
    std::vector<PathPart> previousParts;
    std::vector<PathPart> currentPath;        // the one being read
    mutable std::size_t skippedWhenRead = 0;  // lines not read by ReadValues
};
static_assert(sizeof(Registry::Hive::KeyRecord) == 24 && sizeof(Registry::Hive::Section) == 8 &&
              sizeof(Registry::Hive::ValueRecord) == 24);

namespace {

// How many bytes two texts share at their start, eight at a time: a
// header repeats most of the one before it.
std::size_t CommonPrefix(std::string_view a, std::string_view b) {
    std::size_t size = std::min(a.size(), b.size());
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t x, y;
        std::memcpy(&x, a.data() + i, 8);
        std::memcpy(&y, b.data() + i, 8);
        if (x != y) return i + static_cast<std::size_t>(std::countr_zero(x ^ y)) / 8;
    }
    while (i < size && a[i] == b[i])
        ++i;
    return i;
}

// The parts of a key path as a header writes it, where it stands: its
// separators are escaped backslashes. False when it holds another escape;
// parts past kMaxKeyDepth are counted, not kept.
bool PlainParts(std::string_view path, std::vector<Registry::Hive::PathPart>& parts,
                std::size_t& count) {
    parts.clear();
    count = 0;
    for (std::size_t start = 0; start <= path.size();) {
        const void* found = std::memchr(path.data() + start, '\\', path.size() - start);
        std::size_t end =
            found ? static_cast<std::size_t>(static_cast<const char*>(found) - path.data())
                  : path.size();
        if (end < path.size() && (end + 1 >= path.size() || path[end + 1] != '\\')) return false;
        if (end > start && ++count <= kMaxKeyDepth)
            parts.push_back({static_cast<std::uint32_t>(start),
                             static_cast<std::uint32_t>(end - start), kNone});
        start = end + 2;
    }
    return true;
}

}  // namespace

std::uint32_t Registry::Hive::HeaderKey(std::string_view path, bool inText, std::size_t* tooDeep,
                                        bool& deep) {
    // A path with no escape but its separators is read where it stands.
    std::vector<PathPart>& parts = currentPath;
    std::size_t count = 0;
    bool plain = inText && PlainParts(path, parts, count);
    std::string unescaped;
    if (!plain) {
        parts.clear();
        count = 0;
        if (!UnescapeKeyPath(path, unescaped)) return kNone;
        path = unescaped;
        for (std::string_view part : SplitPath(path, "\\")) {
            if (++count <= kMaxKeyDepth)
                parts.push_back({static_cast<std::uint32_t>(part.data() - path.data()),
                                 static_cast<std::uint32_t>(part.size()), kNone});
        }
    }
    if (count > kMaxKeyDepth) {
        deep = true;
        if (tooDeep) ++*tooDeep;
        return kNone;
    }
    // The parts the previous header had at the same places, with the same
    // bytes up to their ends, are the same keys.
    std::size_t same = 0;
    if (plain) {
        std::size_t shared = CommonPrefix(path, previousPath);
        while (same < parts.size() && same < previousParts.size() &&
               parts[same].begin == previousParts[same].begin &&
               parts[same].size == previousParts[same].size &&
               parts[same].begin + parts[same].size <= shared) {
            parts[same].key = previousParts[same].key;
            ++same;
        }
    }
    std::uint32_t current = same > 0 ? parts[same - 1].key : 0;
    for (std::size_t i = same; i < parts.size() && current != kNone; ++i) {
        current = AddChild(current, path.substr(parts[i].begin, parts[i].size));
        parts[i].key = current;
    }
    if (plain && current != kNone) {
        std::swap(previousParts, currentPath);
        previousPath = path;
    } else {
        previousParts.clear();
        previousPath = {};
    }
    return current;
}

void Registry::Hive::AddSection(std::uint32_t key, std::size_t begin) {
    if (sections.size() >= kNone / 2) return;
    auto s = static_cast<std::uint32_t>(sections.size());
    sections.push_back({static_cast<std::uint32_t>(begin), keys[key].newestSection});
    keys[key].newestSection = s;
    // A key whose values were read already takes the new ones at once.
    if (keys[key].valuesRead) skippedWhenRead += ReadSection(key, sections[s].begin);
}

std::size_t Registry::Hive::Index(std::size_t base, std::size_t* tooDeep) {
    std::string_view file(text);
    // About one key for every 64 bytes of a file as Wine writes it.
    keyIndex.Reserve(keys.size() + (file.size() - base) / 64, KeyHash());
    LineReader lines(file, base);
    std::string scratch;
    std::string_view line;
    std::size_t skipped = 0;
    std::uint32_t current = kNone;
    bool deepKey = false;  // the values of a key left out go with it
    bool first = true;
    previousPath = {};
    previousParts.clear();
    while (lines.Next(line, scratch)) {
        if (first) {
            first = false;
            if (line.rfind("WINE REGISTRY Version", 0) == 0) continue;
        }
        if (SkippedAlways(line)) continue;
        if (line[0] == '[') {
            // [path] timestamp; the path uses the value string escapes.
            std::size_t close = line.rfind(']');
            deepKey = false;
            current = close == std::string_view::npos
                          ? kNone
                          : HeaderKey(line.substr(1, close - 1), line.data() != scratch.data(),
                                      tooDeep, deepKey);
            if (current != kNone) {
                AddSection(current, lines.Position());
            } else if (!deepKey) {
                ++skipped;
            }
            continue;
        }
        if (!deepKey && current == kNone) ++skipped;
    }
    previousPath = {};
    previousParts.clear();
    return skipped;
}

std::size_t Registry::Hive::ReadValues(std::uint32_t key) const {
    if (keys[key].valuesRead) return 0;
    keys[key].valuesRead = 1;
    std::uint32_t newest = keys[key].newestSection;
    if (newest == kNone) return 0;
    std::size_t skipped = 0;
    if (sections[newest].older == kNone) {
        skipped = ReadSection(key, sections[newest].begin);
    } else {
        // In the order of the file, so that the last line for a name wins.
        std::vector<std::uint32_t> order;
        for (std::uint32_t s = newest; s != kNone; s = sections[s].older)
            order.push_back(sections[s].begin);
        for (auto begin = order.rbegin(); begin != order.rend(); ++begin)
            skipped += ReadSection(key, *begin);
    }
    skippedWhenRead += skipped;
    return skipped;
}

std::size_t Registry::Hive::ReadSection(std::uint32_t key, std::uint32_t begin) const {
    // The lines up to the next header, in the file that holds them.
    std::size_t end = *std::lower_bound(textEnds.begin(), textEnds.end(), std::size_t{begin});
    LineReader lines(std::string_view(text.data(), end), begin);
    std::string scratch;
    std::string_view line;
    std::size_t skipped = 0;
    RegistryValue value;
    while (lines.Next(line, scratch)) {
        if (SkippedAlways(line)) continue;
        if (line[0] == '[') break;
        value.name.clear();
        value.text.clear();
        value.data.clear();
        std::string_view plainName, plainData;
        std::size_t equals = line[0] == '@' ? 1 : ReadQuoted(line, 0, value.name, &plainName);
        if (equals == std::string::npos || equals >= line.size() || line[equals] != '=' ||
            !ReadValue(line.substr(equals + 1), value, plainData)) {
            ++skipped;
            continue;
        }
        // Quoted and str(N) values have text only; text kinds stored as hex
        // keep the text made of their bytes.
        bool isText = value.data.empty() || value.type == REG_SZ || value.type == REG_EXPAND_SZ ||
                      value.type == REG_MULTI_SZ;
        std::string_view name = plainName.data() ? plainName : std::string_view(value.name);
        std::string_view data =
            !isText            ? std::string_view(reinterpret_cast<const char*>(value.data.data()),
                                                  value.data.size())
            : plainData.data() ? plainData
                               : std::string_view(value.text);
        SetValue(key, name, value.type, data, isText);
    }
    return skipped;
}

void Registry::Hive::SetValue(std::uint32_t key, std::string_view name, std::uint32_t type,
                              std::string_view data, bool isText) const {
    if (data.size() >= kDecoded || name.size() >= kDecoded) return;
    std::uint64_t hash = NameHash(key, name);
    std::uint32_t v = valueIndex.Find(hash, [&](std::uint32_t other) {
        return values[other].key == key && SameName(Name(values[other]), name);
    });
    if (v == kNone) {
        std::uint32_t nameAt = 0;
        if (values.size() >= kNone / 2 || !Keep(name, nameAt)) return;
        v = static_cast<std::uint32_t>(values.size());
        values.push_back({nameAt, static_cast<std::uint32_t>(name.size()), 0, 0, REG_NONE, key, 0});
        valueIndex.Add(hash, v, [this](std::uint32_t other) {
            return NameHash(values[other].key, Name(values[other]));
        });
    }
    std::uint32_t dataAt = 0;
    if (!Keep(data, dataAt)) return;
    values[v].dataAt = dataAt;
    values[v].dataSize = static_cast<std::uint32_t>(data.size());
    values[v].type = type;
    values[v].isText = isText;
}

namespace {

// Indexes `text` into `hive` (reading every value with kAtLoad); the
// skipped lines, as LoadMachine counts them.
std::size_t LoadHive(Registry::Hive& hive, std::string text, std::size_t* tooDeep,
                     Registry::ValueReading reading) {
    if (text.empty()) return 0;
    std::size_t base = hive.text.size();
    if (text.size() > Registry::kMaxHiveText - base) return 1;
    if (base == 0) {
        hive.text = std::move(text);
    } else {
        hive.text += text;
    }
    hive.textEnds.push_back(hive.text.size());
    std::size_t before = hive.skippedWhenRead;
    std::size_t skipped = hive.Index(base, tooDeep);
    if (reading == Registry::ValueReading::kAtLoad) {
        for (std::uint32_t k = 0; k < hive.keys.size(); ++k)
            hive.ReadValues(k);
    }
    return skipped + (hive.skippedWhenRead - before);
}

// The whole file at once: Wine replaces its registry files by renaming a
// new one over them, so one read of an open file is a consistent copy.
// Only a regular file is opened (a pipe would block, a device could be
// endless), and no more than kMaxRegistryFileBytes is read.
struct HiveFile {
    std::string text;
    FileError error;
};

HiveFile ReadHiveFile(const std::string& path) {
    HiveFile hive;
    OpenedFile file = OpenRegularFile(path, {.maxBytes = kMaxRegistryFileBytes});
    if (file.error.Failed()) {
        hive.error = file.error;
        return hive;
    }
    // Read straight into the text; the size is only a first guess, since a
    // file can grow while it is read, or report no size at all.
    std::string& text = hive.text;
    std::size_t size = 0;
    std::size_t room = static_cast<std::size_t>(file.status.st_size) + 1;
    for (;;) {
        if (size == room) room = std::min<std::size_t>(room * 2, kMaxRegistryFileBytes + 1);
        text.resize(room);
        ssize_t n = read(file.fd.Get(), text.data() + size, room - size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            hive.error = FileError::FromErrno();
            text.clear();
            return hive;
        }
        if (n == 0) break;
        size += static_cast<std::size_t>(n);
        if (size > kMaxRegistryFileBytes) {
            text.clear();
            text.shrink_to_fit();
            hive.error = FileError(kFileTooLarge);
            return hive;
        }
    }
    text.resize(size);
    return hive;
}

// Why a registry file was not read, for people.
RegistryWarning HiveFileWarning(const std::string& path, const FileError& error) {
    switch (error.Number()) {
        case kNotRegularFile:
            return {path + ": not a regular file; not read as a registry",
                    RegistryWarning::kNotRead};
        case kFileTooLarge:
            return {path + ": larger than " + std::to_string(kMaxRegistryFileBytes >> 20) +
                        " MiB; not read as a registry",
                    RegistryWarning::kNotRead};
        default:
            return {path + ": " + std::strerror(error.Number()), error.Number() == ENOENT
                                                                     ? RegistryWarning::kMissing
                                                                     : RegistryWarning::kNotRead};
    }
}

}  // namespace

Registry::Registry() : m_machine(std::make_unique<Hive>()), m_user(std::make_unique<Hive>()) {}
Registry::~Registry() = default;
Registry::Registry(Registry&&) noexcept = default;
Registry& Registry::operator=(Registry&&) noexcept = default;

std::string Registry::DefaultPrefix() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) return prefix;
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.wine";
}

Registry Registry::LoadWinePrefix(const std::string& prefix, std::vector<RegistryWarning>* warnings,
                                  ValueReading reading) {
    Registry registry;
    for (auto [file, user] : {std::pair{"system.reg", false}, {"user.reg", true}}) {
        std::string path = prefix + "/" + file;
        HiveFile hive = ReadHiveFile(path);
        if (hive.error.Failed()) {
            if (warnings) warnings->push_back(HiveFileWarning(path, hive.error));
            continue;
        }
        std::size_t tooDeep = 0;
        std::size_t skipped = LoadHive(user ? *registry.m_user : *registry.m_machine,
                                       std::move(hive.text), &tooDeep, reading);
        if (!warnings) continue;
        if (tooDeep) {
            warnings->push_back({path + ": keys nested deeper than " +
                                     std::to_string(kMaxKeyDepth) +
                                     " levels not read: " + std::to_string(tooDeep),
                                 RegistryWarning::kTooDeep});
        }
        if (skipped && reading == ValueReading::kAtLoad) {
            warnings->push_back({path + ": " + std::to_string(skipped) + " lines skipped",
                                 RegistryWarning::kSkippedLines});
        }
    }
    return registry;
}

std::size_t Registry::LoadMachine(std::string_view text, std::size_t* tooDeep,
                                  ValueReading reading) {
    return LoadHive(*m_machine, std::string(text), tooDeep, reading);
}
std::size_t Registry::LoadUser(std::string_view text, std::size_t* tooDeep, ValueReading reading) {
    return LoadHive(*m_user, std::string(text), tooDeep, reading);
}

std::optional<Registry::Key> Registry::OpenClassesRoot(std::string_view path) const {
    Key key;
    std::string full = "Software\\Classes\\" + std::string(path);
    for (const Hive* hive : {m_user.get(), m_machine.get()}) {
        std::uint32_t found = hive->Find(0, full);
        if (found != kNone) key.m_layers.push_back({hive, found});
    }
    if (key.m_layers.empty()) return std::nullopt;
    return key;
}

std::optional<Registry::Key> Registry::OpenMachine(std::string_view path) const {
    return Key::OpenIn(*m_machine, 0, path);
}

std::optional<Registry::Key> Registry::OpenUser(std::string_view path) const {
    return Key::OpenIn(*m_user, 0, path);
}

std::optional<Registry::Key> Registry::Key::OpenIn(const Hive& hive, std::uint32_t from,
                                                   std::string_view path) {
    std::uint32_t found = hive.Find(from, path);
    if (found == kNone) return std::nullopt;
    Key key;
    key.m_layers.push_back({&hive, found});
    return key;
}

std::optional<std::string> Registry::Key::EnumKey(std::size_t index) const {
    if (!m_subkeys) {
        m_subkeys.emplace();
        std::unordered_set<std::string> seen;  // a name the first layer has hides the others'
        for (const Layer& layer : m_layers) {
            std::size_t first = m_subkeys->size();
            const Hive& hive = *layer.hive;
            for (std::uint32_t k = hive.keys[layer.key].newestChild; k != kNone;
                 k = hive.keys[k].olderSibling) {
                std::string_view name = hive.Name(hive.keys[k]);
                if (m_layers.size() == 1 || seen.insert(LowerAscii(name)).second)
                    m_subkeys->emplace_back(name);
            }
            // In the order the file has them.
            std::reverse(m_subkeys->begin() + static_cast<std::ptrdiff_t>(first), m_subkeys->end());
        }
    }
    if (index >= m_subkeys->size()) return std::nullopt;
    return (*m_subkeys)[index];
}

std::optional<Registry::Key> Registry::Key::Open(std::string_view path) const {
    Key key;
    for (const Layer& layer : m_layers) {
        std::uint32_t found = layer.hive->Find(layer.key, path);
        if (found != kNone) key.m_layers.push_back({layer.hive, found});
    }
    if (key.m_layers.empty()) return std::nullopt;
    return key;
}

const RegistryValue* Registry::Key::Value(std::string_view name) const {
    std::string lower = LowerAscii(name);
    if (auto cached = m_values.find(lower); cached != m_values.end()) return &cached->second;
    for (const Layer& layer : m_layers) {
        const Hive::ValueRecord* stored = layer.hive->Value(layer.key, name);
        if (!stored) continue;
        std::string_view data = layer.hive->Bytes(stored->dataAt, stored->dataSize);
        RegistryValue value;
        value.name = layer.hive->Name(*stored);
        value.type = stored->type;
        if (stored->isText) {
            value.text = data;
        } else {
            value.data.assign(data.begin(), data.end());
        }
        return &m_values.emplace(lower, std::move(value)).first->second;
    }
    return nullptr;
}

std::optional<std::string> Registry::Key::Text(std::string_view name,
                                               std::size_t bufferBytes) const {
    for (const Layer& layer : m_layers) {
        const Hive::ValueRecord* value = layer.hive->Value(layer.key, name);
        if (!value) continue;
        if (!value->isText || (value->type != REG_SZ && value->type != REG_EXPAND_SZ &&
                               value->type != REG_MULTI_SZ)) {
            return std::nullopt;
        }
        std::string_view data = layer.hive->Bytes(value->dataAt, value->dataSize);
        std::string text(data.substr(0, data.find('\0')));
        if (bufferBytes != SIZE_MAX && text.size() + 1 > bufferBytes) return std::nullopt;
        return text;
    }
    return std::nullopt;
}

}  // namespace qorvix
