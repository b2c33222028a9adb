#include "platform/registry.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>

#include "platform/split_path.h"
#include "typelib/codepage.h"

namespace qorvix {

struct Registry::Node {
    Node() = default;
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;
    // Frees the subtree with a loop: a hostile file can nest keys deeper
    // than the stack would allow a recursive destruction to go.
    ~Node() {
        std::vector<std::unique_ptr<Node>> pending = std::move(children);
        while (!pending.empty()) {
            std::unique_ptr<Node> node = std::move(pending.back());
            pending.pop_back();
            for (auto& child : node->children)
                pending.push_back(std::move(child));
            node->children.clear();
        }
    }

    std::string name;
    std::vector<std::unique_ptr<Node>> children;
    std::map<std::string, Node*> byName;          // lower-case name
    std::map<std::string, RegistryValue> values;  // by lower-case name
};

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

namespace {

char LowerLetter(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = LowerLetter(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

Registry::Node* Child(Registry::Node& parent, std::string_view name, bool create) {
    std::string lower = LowerAscii(name);
    auto it = parent.byName.find(lower);
    if (it != parent.byName.end()) return it->second;
    if (!create) return nullptr;
    auto child = std::make_unique<Registry::Node>();
    child->name = std::string(name);
    Registry::Node* raw = child.get();
    parent.children.push_back(std::move(child));
    parent.byName.emplace(lower, raw);
    return raw;
}

const Registry::Node* Find(const Registry::Node* node, std::string_view path) {
    for (std::string_view part : SplitPath(path, "\\")) {
        if (!node) return nullptr;
        node = Child(const_cast<Registry::Node&>(*node), part, false);
    }
    return node;
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

std::size_t LoadHive(Registry::Node& root, std::string_view file) {
    std::size_t skipped = 0;
    Registry::Node* current = nullptr;
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
            if (close == std::string::npos) {
                current = nullptr;
                ++skipped;
                continue;
            }
            if (!UnescapeKeyPath(std::string_view(line).substr(1, close - 1), path)) {
                current = nullptr;
                ++skipped;
                continue;
            }
            current = &root;
            for (std::string_view part : SplitPath(path, "\\"))
                current = Child(*current, part, true);
            continue;
        }
        if (!current) {
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
        // A later line for the same name replaces the value.
        std::string key = LowerAscii(value.name);
        current->values[key] = std::move(value);
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

Registry::Registry() : m_machine(std::make_unique<Node>()), m_user(std::make_unique<Node>()) {}
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
        std::size_t skipped = user ? registry.LoadUser(text) : registry.LoadMachine(text);
        if (skipped && warnings) {
            warnings->push_back({path + ": " + std::to_string(skipped) + " lines skipped",
                                 RegistryWarning::kSkippedLines});
        }
    }
    return registry;
}

std::size_t Registry::LoadMachine(std::string_view text) {
    return LoadHive(*m_machine, text);
}
std::size_t Registry::LoadUser(std::string_view text) {
    return LoadHive(*m_user, text);
}

std::optional<Registry::Key> Registry::OpenClassesRoot(std::string_view path) const {
    Key key;
    std::string full = "Software\\Classes\\" + std::string(path);
    for (const Node* hive : {m_user.get(), m_machine.get()}) {
        if (const Node* node = Find(hive, full)) key.m_layers.push_back(node);
    }
    if (key.m_layers.empty()) return std::nullopt;
    return key;
}

std::optional<Registry::Key> Registry::OpenMachine(std::string_view path) const {
    const Node* node = Find(m_machine.get(), path);
    if (!node) return std::nullopt;
    Key key;
    key.m_layers.push_back(node);
    return key;
}

std::optional<Registry::Key> Registry::OpenUser(std::string_view path) const {
    const Node* node = Find(m_user.get(), path);
    if (!node) return std::nullopt;
    Key key;
    key.m_layers.push_back(node);
    return key;
}

std::optional<std::string> Registry::Key::EnumKey(std::size_t index) const {
    if (!m_subkeys) {
        m_subkeys.emplace();
        std::map<std::string, bool> seen;
        for (const Node* layer : m_layers) {
            for (const auto& child : layer->children) {
                if (seen.emplace(LowerAscii(child->name), true).second)
                    m_subkeys->push_back(child->name);
            }
        }
    }
    if (index >= m_subkeys->size()) return std::nullopt;
    return (*m_subkeys)[index];
}

std::optional<Registry::Key> Registry::Key::Open(std::string_view path) const {
    Key key;
    for (const Node* layer : m_layers) {
        if (const Node* node = Find(layer, path)) key.m_layers.push_back(node);
    }
    if (key.m_layers.empty()) return std::nullopt;
    return key;
}

const RegistryValue* Registry::Key::Value(std::string_view name) const {
    std::string lower = LowerAscii(name);
    for (const Node* layer : m_layers) {
        auto it = layer->values.find(lower);
        if (it != layer->values.end()) return &it->second;
    }
    return nullptr;
}

std::optional<std::string> Registry::Key::Text(std::string_view name,
                                               std::size_t bufferBytes) const {
    const RegistryValue* value = Value(name);
    if (!value ||
        (value->type != REG_SZ && value->type != REG_EXPAND_SZ && value->type != REG_MULTI_SZ)) {
        return std::nullopt;
    }
    std::string text = value->text.substr(0, value->text.find('\0'));
    if (bufferBytes != SIZE_MAX && text.size() + 1 > bufferBytes) return std::nullopt;
    return text;
}

}  // namespace qorvix
