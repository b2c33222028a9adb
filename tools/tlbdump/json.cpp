#include "tools/tlbdump/json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace qorvix {

void JsonWriter::Separate() {
    if (m_needComma) m_out += ',';
    m_needComma = true;
}

void JsonWriter::BeginObject() {
    Separate();
    m_out += '{';
    m_needComma = false;
}

void JsonWriter::EndObject() {
    m_out += '}';
    m_needComma = true;
}

void JsonWriter::BeginArray() {
    Separate();
    m_out += '[';
    m_needComma = false;
}

void JsonWriter::EndArray() {
    m_out += ']';
    m_needComma = true;
}

void JsonWriter::Key(std::string_view key) {
    String(key);
    m_out += ':';
    m_needComma = false;
}

void JsonWriter::Null() {
    Separate();
    m_out += "null";
}

void JsonWriter::Bool(bool value) {
    Separate();
    m_out += value ? "true" : "false";
}

void JsonWriter::Int(std::int64_t value) {
    Separate();
    m_out += std::to_string(value);
}

void JsonWriter::UInt(std::uint64_t value) {
    Separate();
    m_out += std::to_string(value);
}

template <typename T>
static void AppendReal(std::string& out, T value) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void JsonWriter::Double(double value) {
    Separate();
    AppendReal(m_out, value);
}

void JsonWriter::Float(float value) {
    Separate();
    AppendReal(m_out, value);
}

static void AppendEscaped(std::string& out, std::uint32_t unit) {
    switch (unit) {
        case '"':
            out += "\\\"";
            return;
        case '\\':
            out += "\\\\";
            return;
        case '\n':
            out += "\\n";
            return;
        case '\r':
            out += "\\r";
            return;
        case '\t':
            out += "\\t";
            return;
        default:
            break;
    }
    if (unit >= 0x20 && unit < 0x7F) {
        out += static_cast<char>(unit);
        return;
    }
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", unit);
    out += buffer;
}

void JsonWriter::String(std::string_view utf8) {
    Separate();
    m_out += '"';
    for (char c : utf8) {
        auto b = static_cast<unsigned char>(c);
        if (b >= 0x80) {
            m_out += c;  // already UTF-8
        } else {
            AppendEscaped(m_out, b);
        }
    }
    m_out += '"';
}

void JsonWriter::String(std::u16string_view text) {
    Separate();
    m_out += '"';
    for (char16_t unit : text)
        AppendEscaped(m_out, unit);
    m_out += '"';
}

}  // namespace qorvix
