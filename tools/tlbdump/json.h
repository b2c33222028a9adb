// A minimal JSON writer: values are appended in order; the caller keeps the
// structure right.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qorvix {

class JsonWriter {
  public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    void Key(std::string_view key);

    void Null();
    void Bool(bool value);
    void Int(std::int64_t value);
    void UInt(std::uint64_t value);
    void Double(double value);
    void Float(float value);
    void String(std::string_view utf8);
    // UTF-16 text: non-ASCII as \u escapes, code unit by code unit, so a
    // lone surrogate survives as its own escape.
    void String(std::u16string_view text);

    const std::string& Text() const { return m_out; }

  private:
    void Separate();

    std::string m_out;
    bool m_needComma = false;
};

}  // namespace qorvix
