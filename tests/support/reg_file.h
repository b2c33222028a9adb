// The text of a Wine registry file, written the way Wine writes it.
#pragma once

#include <string>
#include <string_view>

namespace qorvix::test {

class RegFile {
  public:
    RegFile() : m_text("WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n") {}

    RegFile& Key(std::string_view path) {
        m_text += "\n[" + Escape(path) + "] 1700000000\n";
        return *this;
    }
    // @="text", or "name"="text".
    RegFile& String(std::string_view name, std::string_view text) {
        m_text += Name(name) + "=\"" + Escape(text) + "\"\n";
        return *this;
    }
    // A REG_EXPAND_SZ value: "name"=str(2):"text".
    RegFile& Expand(std::string_view name, std::string_view text) {
        m_text += Name(name) + "=str(2):\"" + Escape(text) + "\"\n";
        return *this;
    }
    // A line as it stands.
    RegFile& Line(std::string_view line) {
        m_text += std::string(line) + "\n";
        return *this;
    }
    const std::string& Text() const { return m_text; }

    static std::string Escape(std::string_view text) {
        std::string escaped;
        for (char c : text) {
            if (c == '\\' || c == '"') escaped += '\\';
            escaped += c;
        }
        return escaped;
    }

  private:
    static std::string Name(std::string_view name) {
        return name == "@" ? "@" : "\"" + Escape(name) + "\"";
    }
    std::string m_text;
};

}  // namespace qorvix::test
