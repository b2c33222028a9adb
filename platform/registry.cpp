#include "platform/registry.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <random>
#include <unordered_set>

#include "platform/split_path.h"
#include "typelib/codepage.h"

namespace qorvix {

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

namespace {

constexpr std::uint32_t kNone = 0xFFFFFFFF;

char LowerLetter(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerLetter(a[i]) != LowerLetter(b[i])) return false;
    }
    return true;
}

// The hash of a name (without regard to case) under its key. Seeded once
// per process, so that a file cannot be written to make its names collide.
std::uint64_t NameHash(std::uint32_t owner, std::string_view name) {
    static const std::uint64_t kSeed = std::random_device{}();
    std::uint64_t hash = (kSeed ^ 0xcbf29ce484222325ull) + owner;
    for (char c : name) {
        hash ^= static_cast<unsigned char>(LowerLetter(c));
        hash *= 0x100000001b3ull;
    }
    hash ^= hash >> 33;
    hash *= 0xff51afd7ed558ccdull;
    return hash ^ (hash >> 33);
}

// Bytes that stay where they are: names and value data, in blocks.
class ByteStore {
  public:
    std::string_view Add(std::string_view bytes) {
        if (bytes.empty()) return {};
        char* at;
        if (bytes.size() > kBlock / 8) {
            m_blocks.push_back(std::make_unique<char[]>(bytes.size()));
            at = m_blocks.back().get();
        } else {
            if (bytes.size() > m_free) {
                m_blocks.push_back(std::make_unique<char[]>(kBlock));
                m_next = m_blocks.back().get();
                m_free = kBlock;
            }
            at = m_next;
            m_next += bytes.size();
            m_free -= bytes.size();
        }
        std::memcpy(at, bytes.data(), bytes.size());
        return std::string_view(at, bytes.size());
    }

  private:
    static constexpr std::size_t kBlock = 64 << 10;
    std::vector<std::unique_ptr<char[]>> m_blocks;
    char* m_next = nullptr;
    std::size_t m_free = 0;
};

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
        if ((m_count + 1) * 2 > m_slots.size()) {
            std::vector<std::uint32_t> old = std::move(m_slots);
            m_slots.assign(std::max<std::size_t>(16, old.size() * 2), 0);
            for (std::uint32_t slot : old) {
                if (slot) Place(hashOf(slot - 1), slot - 1);
            }
        }
        Place(hash, record);
        ++m_count;
    }

  private:
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

}  // namespace

// One hive: its keys and values as small records (24 and 32 bytes), their
// names and data in one store. A hostile file chooses its shape (deep,
// wide, many values), so no record holds containers of its own.
struct Registry::Hive {
    struct KeyRecord {
        const char* name = nullptr;
        std::uint32_t nameSize = 0;
        std::uint32_t parent = kNone;
        std::uint32_t newestChild = kNone;  // children are linked newest first
        std::uint32_t olderSibling = kNone;
        std::string_view Name() const { return {name, nameSize}; }
    };
    struct ValueRecord {
        const char* name = nullptr;
        const char* data = nullptr;  // the text (UTF-8) or the bytes
        std::uint32_t nameSize = 0;
        std::uint32_t dataSize = 0;
        std::uint32_t type = REG_NONE;
        std::uint32_t key : 31;
        std::uint32_t isText : 1;
        std::string_view Name() const { return {name, nameSize}; }
        std::string_view Data() const { return {data, dataSize}; }
    };

    Hive() { keys.push_back({}); }  // the root

    std::uint32_t Child(std::uint32_t parent, std::string_view name) const {
        return keyIndex.Find(NameHash(parent, name), [&](std::uint32_t k) {
            return keys[k].parent == parent && SameName(keys[k].Name(), name);
        });
    }
    std::uint32_t AddChild(std::uint32_t parent, std::string_view name) {
        std::uint32_t found = Child(parent, name);
        if (found != kNone || keys.size() >= kNone / 2) return found;
        auto k = static_cast<std::uint32_t>(keys.size());
        std::string_view stored = bytes.Add(name);
        keys.push_back({stored.data(), static_cast<std::uint32_t>(stored.size()), parent, kNone,
                        keys[parent].newestChild});
        keys[parent].newestChild = k;
        keyIndex.Add(NameHash(parent, name), k, [this](std::uint32_t other) {
            return NameHash(keys[other].parent, keys[other].Name());
        });
        return k;
    }
    std::uint32_t Find(std::uint32_t key, std::string_view path) const {
        for (std::string_view part : SplitPath(path, "\\")) {
            if (key == kNone) break;
            key = Child(key, part);
        }
        return key;
    }
    const ValueRecord* Value(std::uint32_t key, std::string_view name) const {
        std::uint32_t v = valueIndex.Find(NameHash(key, name), [&](std::uint32_t other) {
            return values[other].key == key && SameName(values[other].Name(), name);
        });
        return v == kNone ? nullptr : &values[v];
    }
    // A later line for the same name replaces the value.
    void SetValue(std::uint32_t key, const RegistryValue& value) {
        // Quoted and str(N) values have text only; text kinds stored as hex
        // keep the text made of their bytes.
        bool isText = value.data.empty() || value.type == REG_SZ || value.type == REG_EXPAND_SZ ||
                      value.type == REG_MULTI_SZ;
        std::string_view data =
            isText ? std::string_view(value.text)
                   : std::string_view(reinterpret_cast<const char*>(value.data.data()),
                                      value.data.size());
        if (data.size() >= kNone || value.name.size() >= kNone) return;
        std::uint64_t hash = NameHash(key, value.name);
        std::uint32_t v = valueIndex.Find(hash, [&](std::uint32_t other) {
            return values[other].key == key && SameName(values[other].Name(), value.name);
        });
        if (v == kNone) {
            if (values.size() >= kNone / 2) return;
            v = static_cast<std::uint32_t>(values.size());
            std::string_view name = bytes.Add(value.name);
            values.push_back({name.data(), nullptr, static_cast<std::uint32_t>(name.size()), 0,
                              REG_NONE, key, 0});
            valueIndex.Add(hash, v, [this](std::uint32_t other) {
                return NameHash(values[other].key, values[other].Name());
            });
        }
        std::string_view stored = bytes.Add(data);
        values[v].data = stored.data();
        values[v].dataSize = static_cast<std::uint32_t>(stored.size());
        values[v].type = value.type;
        values[v].isText = isText;
    }

    std::deque<KeyRecord> keys;  // keys[0] is the root
    std::deque<ValueRecord> values;
    NameIndex keyIndex;    // by parent and name
    NameIndex valueIndex;  // by key and name
    ByteStore bytes;
};
static_assert(sizeof(Registry::Hive::KeyRecord) == 24 && sizeof(Registry::Hive::ValueRecord) == 32);

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = LowerLetter(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Wine's string escapes: \\ \" \a \b \e \f \n \r \t \v, \x and up to four
// hexadecimal digits (a UTF-16 unit), \ and up to three octal digits.
// Reads a quoted string starting at `at` (on the opening quote); returns
// the position after the closing quote, or npos.
std::size_t ReadQuoted(std::string_view line, std::size_t at, std::string& out) {
    if (at >= line.size() || line[at] != '"') return std::string_view::npos;
    // Most strings have no escape: take them as they stand.
    std::size_t special = line.find_first_of("\\\"", at + 1);
    if (special != std::string_view::npos && line[special] == '"') {
        out.assign(line.substr(at + 1, special - at - 1));
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
bool ReadValue(std::string_view text, RegistryValue& value) {
    if (!text.empty() && text[0] == '"') {
        value.type = REG_SZ;
        return ReadQuoted(text, 0, value.text) == text.size();
    }
    if (text.rfind("str(", 0) == 0) {
        std::size_t close = text.find("):");
        if (close == std::string_view::npos) return false;
        value.type = static_cast<std::uint32_t>(
            std::strtoul(std::string(text.substr(4, close - 4)).c_str(), nullptr, 16));
        return ReadQuoted(text, close + 2, value.text) == text.size();
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

// True when `path` has at most kMaxKeyDepth parts; counts no further.
bool WithinKeyDepth(std::string_view path) {
    std::size_t parts = 0;
    for (std::size_t start = 0; start < path.size();) {
        std::size_t end = std::min(path.find('\\', start), path.size());
        if (end > start && ++parts > kMaxKeyDepth) return false;
        start = end + 1;
    }
    return true;
}

std::size_t LoadHive(Registry::Hive& hive, std::string_view file, std::size_t* tooDeep) {
    std::size_t skipped = 0;
    std::uint32_t current = kNone;
    bool deepKey = false;  // the values of a key left out go with it
    std::size_t at = 0;
    bool first = true;
    while (at < file.size()) {
        std::size_t end = file.find('\n', at);
        if (end == std::string_view::npos) end = file.size();  // a last line without its newline
        std::string line(file.substr(at, end - at));
        at = end + 1;
        // Long hex values continue on the next line after a backslash.
        while (!line.empty() && line.back() == '\\' && at < file.size()) {
            line.pop_back();
            std::size_t next = file.find('\n', at);
            if (next == std::string_view::npos) next = file.size();
            std::string_view more = file.substr(at, next - at);
            std::size_t indent = more.find_first_not_of(" \t");
            line += more.substr(indent == std::string_view::npos ? more.size() : indent);
            at = next + 1;
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (first) {
            first = false;
            if (line.rfind("WINE REGISTRY Version", 0) == 0) continue;
        }
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line[0] == '[') {
            // [path] timestamp; the path uses the value string escapes.
            std::string path;
            std::size_t close = line.rfind(']');
            current = kNone;
            deepKey = false;
            if (close == std::string::npos ||
                !UnescapeKeyPath(std::string_view(line).substr(1, close - 1), path)) {
                ++skipped;
                continue;
            }
            if (!WithinKeyDepth(path)) {
                deepKey = true;
                if (tooDeep) ++*tooDeep;
                continue;
            }
            current = 0;
            for (std::string_view part : SplitPath(path, "\\")) {
                current = hive.AddChild(current, part);
                if (current == kNone) break;
            }
            continue;
        }
        if (deepKey) continue;
        if (current == kNone) {
            ++skipped;
            continue;
        }
        RegistryValue value;
        std::size_t equals;
        if (line[0] == '@') {
            equals = 1;
        } else {
            equals = ReadQuoted(line, 0, value.name);
        }
        if (equals == std::string::npos || equals >= line.size() || line[equals] != '=' ||
            !ReadValue(std::string_view(line).substr(equals + 1), value)) {
            ++skipped;
            continue;
        }
        hive.SetValue(current, value);
    }
    return skipped;
}

// The whole file at once: Wine replaces its registry files by renaming a
// new one over them, so one read of an open file is a consistent copy.
// Only a regular file is opened (a pipe would block, a device could be
// endless), and no more than kMaxRegistryFileBytes is read.
bool ReadHiveFile(const std::string& path, std::string& text, RegistryWarning& why) {
    auto fail = [&](const std::string& reason) {
        why.text = path + ": " + reason;
        return false;
    };
    auto notRegular = [&] { return fail("not a regular file; not read as a registry"); };
    auto tooLarge = [&] {
        return fail("larger than " + std::to_string(kMaxRegistryFileBytes >> 20) +
                    " MiB; not read as a registry");
    };
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        int error = errno;
        if (error == ENOENT) why.kind = RegistryWarning::kMissing;
        return fail(std::strerror(error));
    }
    if (!S_ISREG(st.st_mode)) return notRegular();
    if (static_cast<std::uint64_t>(st.st_size) > kMaxRegistryFileBytes) return tooLarge();
    // Non-blocking, in case the name was replaced by a pipe since.
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return fail(std::strerror(errno));
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return notRegular();
    }
    text.clear();
    text.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[1 << 16];
    for (;;) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            int error = errno;
            close(fd);
            return fail(std::strerror(error));
        }
        if (n == 0) break;
        // A file can grow while it is read, or report no size at all.
        if (text.size() + static_cast<std::size_t>(n) > kMaxRegistryFileBytes) {
            close(fd);
            text.clear();
            text.shrink_to_fit();
            return tooLarge();
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return true;
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

Registry Registry::LoadWinePrefix(const std::string& prefix,
                                  std::vector<RegistryWarning>* warnings) {
    Registry registry;
    for (auto [file, user] : {std::pair{"system.reg", false}, {"user.reg", true}}) {
        std::string path = prefix + "/" + file;
        std::string text;
        RegistryWarning why;
        if (!ReadHiveFile(path, text, why)) {
            if (warnings) warnings->push_back(std::move(why));
            continue;
        }
        std::size_t tooDeep = 0;
        std::size_t skipped =
            user ? registry.LoadUser(text, &tooDeep) : registry.LoadMachine(text, &tooDeep);
        if (!warnings) continue;
        if (tooDeep) {
            warnings->push_back({path + ": keys nested deeper than " +
                                     std::to_string(kMaxKeyDepth) +
                                     " levels not read: " + std::to_string(tooDeep),
                                 RegistryWarning::kTooDeep});
        }
        if (skipped) {
            warnings->push_back({path + ": " + std::to_string(skipped) + " lines skipped",
                                 RegistryWarning::kSkippedLines});
        }
    }
    return registry;
}

std::size_t Registry::LoadMachine(std::string_view text, std::size_t* tooDeep) {
    return LoadHive(*m_machine, text, tooDeep);
}
std::size_t Registry::LoadUser(std::string_view text, std::size_t* tooDeep) {
    return LoadHive(*m_user, text, tooDeep);
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
            const auto& keys = layer.hive->keys;
            for (std::uint32_t k = keys[layer.key].newestChild; k != kNone;
                 k = keys[k].olderSibling) {
                if (m_layers.size() == 1 || seen.insert(LowerAscii(keys[k].Name())).second)
                    m_subkeys->emplace_back(keys[k].Name());
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
        RegistryValue value;
        value.name = stored->Name();
        value.type = stored->type;
        if (stored->isText) {
            value.text = stored->Data();
        } else {
            value.data.assign(stored->Data().begin(), stored->Data().end());
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
        std::string_view data = value->Data();
        std::string text(data.substr(0, data.find('\0')));
        if (bufferBytes != SIZE_MAX && text.size() + 1 > bufferBytes) return std::nullopt;
        return text;
    }
    return std::nullopt;
}

}  // namespace qorvix
