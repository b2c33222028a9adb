// A small JSON reader for test data (oracle dumps, variant samples).
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace qorvix::test {

struct JsonValue {
    using Object = std::map<std::string, JsonValue>;
    using Array = std::vector<JsonValue>;
    std::variant<std::nullptr_t, bool, double, std::string, std::shared_ptr<Array>,
                 std::shared_ptr<Object>>
        value = nullptr;
    std::string number;  // the literal text of a number, for exact integers

    bool IsNull() const { return std::holds_alternative<std::nullptr_t>(value); }
    const std::string& String() const { return std::get<std::string>(value); }
    double Number() const { return std::get<double>(value); }
    const Array& Items() const { return *std::get<std::shared_ptr<Array>>(value); }
    const Object& Members() const { return *std::get<std::shared_ptr<Object>>(value); }
    const JsonValue& operator[](const std::string& key) const { return Members().at(key); }
};

// Strings are returned as UTF-8; \u escapes of lone surrogates become
// U+FFFD. nullopt when the text is not JSON.
std::optional<JsonValue> ParseJson(const std::string& text);
std::optional<JsonValue> ReadJsonFile(const std::string& path);

}  // namespace qorvix::test
