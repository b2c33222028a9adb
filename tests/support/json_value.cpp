#include "tests/support/json_value.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "typelib/codepage.h"

namespace qorvix::test {
namespace {

class Parser {
  public:
    explicit Parser(const std::string& text) : m_text(text) {}

    std::optional<JsonValue> Document() {
        auto value = Value();
        Space();
        if (!value || m_at != m_text.size()) return std::nullopt;
        return value;
    }

  private:
    void Space() {
        while (m_at < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_at])))
            ++m_at;
    }
    bool Eat(char c) {
        Space();
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }
    bool Word(const char* word) {
        std::string w = word;
        if (m_text.compare(m_at, w.size(), w) != 0) return false;
        m_at += w.size();
        return true;
    }

    std::optional<JsonValue> Value() {
        Space();
        if (m_at >= m_text.size()) return std::nullopt;
        JsonValue v;
        char c = m_text[m_at];
        if (c == '{') {
            ++m_at;
            auto object = std::make_shared<JsonValue::Object>();
            if (!Eat('}')) {
                do {
                    Space();
                    auto key = StringLiteral();
                    if (!key || !Eat(':')) return std::nullopt;
                    auto member = Value();
                    if (!member) return std::nullopt;
                    (*object)[*key] = std::move(*member);
                } while (Eat(','));
                if (!Eat('}')) return std::nullopt;
            }
            v.value = object;
        } else if (c == '[') {
            ++m_at;
            auto array = std::make_shared<JsonValue::Array>();
            if (!Eat(']')) {
                do {
                    auto item = Value();
                    if (!item) return std::nullopt;
                    array->push_back(std::move(*item));
                } while (Eat(','));
                if (!Eat(']')) return std::nullopt;
            }
            v.value = array;
        } else if (c == '"') {
            auto s = StringLiteral();
            if (!s) return std::nullopt;
            v.value = *s;
        } else if (Word("null")) {
            v.value = nullptr;
        } else if (Word("true")) {
            v.value = true;
        } else if (Word("false")) {
            v.value = false;
        } else {
            std::size_t start = m_at;
            while (m_at < m_text.size() &&
                   std::string("+-0123456789.eE").find(m_text[m_at]) != std::string::npos)
                ++m_at;
            if (start == m_at) return std::nullopt;
            v.number = m_text.substr(start, m_at - start);
            v.value = std::strtod(v.number.c_str(), nullptr);
        }
        return v;
    }

    std::optional<std::string> StringLiteral() {
        if (m_at >= m_text.size() || m_text[m_at] != '"') return std::nullopt;
        ++m_at;
        std::u16string units;
        std::string out;
        auto flush = [&] {
            out += Utf16ToUtf8(units);
            units.clear();
        };
        while (m_at < m_text.size() && m_text[m_at] != '"') {
            char c = m_text[m_at++];
            if (c != '\\') {
                flush();
                out += c;
                continue;
            }
            if (m_at >= m_text.size()) return std::nullopt;
            char e = m_text[m_at++];
            switch (e) {
                case 'n':
                    flush();
                    out += '\n';
                    break;
                case 't':
                    flush();
                    out += '\t';
                    break;
                case 'r':
                    flush();
                    out += '\r';
                    break;
                case 'b':
                    flush();
                    out += '\b';
                    break;
                case 'f':
                    flush();
                    out += '\f';
                    break;
                case 'u': {
                    if (m_at + 4 > m_text.size()) return std::nullopt;
                    units.push_back(
                        static_cast<char16_t>(std::stoul(m_text.substr(m_at, 4), nullptr, 16)));
                    m_at += 4;
                    break;
                }
                default:
                    flush();
                    out += e;
                    break;
            }
        }
        flush();
        if (m_at >= m_text.size()) return std::nullopt;
        ++m_at;
        return out;
    }

    const std::string& m_text;
    std::size_t m_at = 0;
};

}  // namespace

std::optional<JsonValue> ParseJson(const std::string& text) {
    return Parser(text).Document();
}

std::optional<JsonValue> ReadJsonFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::stringstream text;
    text << in.rdbuf();
    return ParseJson(text.str());
}

}  // namespace qorvix::test
