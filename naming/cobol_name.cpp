#include "naming/cobol_name.h"

#include <cctype>

#include "platform/locale_text.h"

namespace qorvix {
namespace {

// Process-wide by design: the reserved-word entry of the run-time system,
// and the one counter of made-up names shared by every generation of a run.
ReservedWordCheck g_reservedWordCheck = nullptr;
int g_nameCounter = 0;

constexpr std::size_t kMaxName = 31;
constexpr std::size_t kReservedStem = 26;

}  // namespace

std::string WideToAnsi(std::u16string_view text) {
    return Utf16ToLocale(text);
}

std::string WideToAnsi(const std::u16string& text) {
    return Utf16ToLocale(text);
}

std::string WideToAnsi(const Bstr& text) {
    return text ? Utf16ToLocale(*text) : std::string();
}

std::u16string AnsiToWide(std::string_view text) {
    return LocaleToUtf16(text);
}

void PadToColumn(std::string& text, std::size_t column, std::size_t step) {
    std::size_t target = column;
    if (text.size() >= column) {
        std::size_t steps = (text.size() - column) / step + 1;
        target = column + steps * step;
    }
    text.append(target - text.size(), ' ');
}

void SetReservedWordCheck(ReservedWordCheck check) {
    g_reservedWordCheck = check;
}

ReservedWordCheck GetReservedWordCheck() {
    return g_reservedWordCheck;
}

int MadeUpNameCounter() {
    return g_nameCounter;
}

std::string CutName(std::string_view text, std::size_t bytes) {
    return CutToBytes(text, bytes);
}

std::string MakeCobolName(const Bstr& name, bool check) {
    std::string text = WideToAnsi(name);
    std::size_t start = text.find_first_not_of("_\x01");
    text.erase(0, start == std::string::npos ? text.size() : start);
    if (text.empty()) return "QORVIX" + std::to_string(g_nameCounter++);
    for (char& c : text) {
        if (c == '_' || c == '.' || c == '\x01') c = '-';
    }
    text = CutToBytes(text, kMaxName);
    if (check && g_reservedWordCheck) {
        std::string upper = text;
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (g_reservedWordCheck(upper.c_str(), static_cast<int>(upper.size())) != 0) {
            text = CutToBytes(text, kReservedStem) + "-CBL";
        }
    }
    return text;
}

}  // namespace qorvix
