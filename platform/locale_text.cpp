#include "platform/locale_text.h"

#include <iconv.h>
#include <langinfo.h>
#include <cerrno>
#include <clocale>
#include <cstring>
#include <cwchar>
#include <map>
#include <memory>

#include "typelib/codepage.h"

namespace qorvix {
namespace {

std::string Codeset() {
    const char* codeset = nl_langinfo(CODESET);
    return codeset ? codeset : "ANSI_X3.4-1968";
}

bool IsUtf8(const std::string& codeset) {
    return strcasecmp(codeset.c_str(), "UTF-8") == 0 || strcasecmp(codeset.c_str(), "utf8") == 0;
}

// Converters by direction and codeset, opened once: the program converts
// many short names. A converter carries state between calls, so each
// thread keeps its own; they are closed when the thread ends.
struct Converters {
    ~Converters() {
        for (auto& [key, cd] : byCodesets) {
            if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
        }
    }
    std::map<std::pair<std::string, std::string>, iconv_t> byCodesets;
};

iconv_t Converter(const std::string& to, const std::string& from) {
    thread_local Converters converters;
    auto key = std::make_pair(to, from);
    auto it = converters.byCodesets.find(key);
    if (it == converters.byCodesets.end())
        it = converters.byCodesets.emplace(key, iconv_open(to.c_str(), from.c_str())).first;
    iconv(it->second, nullptr, nullptr, nullptr, nullptr);  // reset the shift state
    return it->second;
}

// Text with characters beyond ASCII in the locale's character set.
std::string NonAsciiToLocale(std::u16string_view text);

}  // namespace

std::string WideToAnsi(std::u16string_view text) {
    std::string out;
    WideToAnsi(text, out);
    return out;
}

std::string WideToAnsi(const std::u16string& text) {
    return WideToAnsi(std::u16string_view(text));
}

std::string WideToAnsi(const Bstr& text) {
    return text ? WideToAnsi(std::u16string_view(*text)) : std::string();
}

void WideToAnsi(const std::u16string& text, std::string& out) {
    WideToAnsi(std::u16string_view(text), out);
}

void WideToAnsi(const Bstr& text, std::string& out) {
    if (text) {
        WideToAnsi(std::u16string_view(*text), out);
    } else {
        out.clear();
    }
}

void WideToAnsi(std::u16string_view text, std::string& out) {
    // ASCII is the same in every character set a Linux locale uses.
    bool ascii = true;
    for (char16_t c : text)
        ascii &= c < 0x80;
    if (ascii) {
        out.assign(text.begin(), text.end());
        return;
    }
    out = NonAsciiToLocale(text);
}

namespace {

std::string NonAsciiToLocale(std::u16string_view text) {
    std::string codeset = Codeset();
    if (IsUtf8(codeset)) {
        std::string out;
        out.reserve(text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            char16_t c = text[i];
            bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() &&
                        text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
            if (c >= 0xD800 && c <= 0xDFFF && !pair) {
                out += '?';  // a lone surrogate has no UTF-8 form
                continue;
            }
            out += Utf16ToUtf8(text.substr(i, pair ? 2 : 1));
            if (pair) ++i;
        }
        return out;
    }
    iconv_t cd = Converter(codeset, "UTF-16LE");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        // No converter for this set: keep ASCII, mark the rest.
        std::string out;
        for (char16_t c : text)
            out += c < 0x80 ? static_cast<char>(c) : '?';
        return out;
    }
    std::string out;
    std::size_t i = 0;
    char buffer[64];
    while (i < text.size()) {
        std::size_t units = (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size()) ? 2 : 1;
        char16_t in[2] = {text[i], units == 2 ? text[i + 1] : u'\0'};
        char* inPtr = reinterpret_cast<char*>(in);
        std::size_t inLeft = units * 2;
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
            out += '?';
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        } else {
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        }
        i += units;
    }
    return out;
}

}  // namespace

std::u16string AnsiToWide(std::string_view text) {
    std::string codeset = Codeset();
    if (IsUtf8(codeset)) return Utf8ToUtf16(text);
    iconv_t cd = Converter("UTF-16LE", codeset);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        std::u16string out;
        for (char c : text)
            out += static_cast<unsigned char>(c) < 0x80 ? static_cast<char16_t>(c) : u'\uFFFD';
        return out;
    }
    std::u16string out;
    std::string input(text);
    char* inPtr = input.data();
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        char16_t buffer[256];
        char* outPtr = reinterpret_cast<char*>(buffer);
        std::size_t outLeft = sizeof buffer;
        std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(reinterpret_cast<char16_t*>(outPtr) - buffer));
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            out += u'\uFFFD';
            ++inPtr;
            --inLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

std::string CutToBytes(std::string_view text, std::size_t bytes) {
    return std::string(text.substr(0, CutLength(text, bytes)));
}

std::size_t CutLength(std::string_view text, std::size_t bytes) {
    if (text.size() <= bytes) return text.size();
    std::mbstate_t state{};
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t length = std::mbrlen(text.data() + at, text.size() - at, &state);
        if (length == 0) length = 1;  // an embedded NUL is one character
        if (length == static_cast<std::size_t>(-1) || length == static_cast<std::size_t>(-2)) {
            // Not a character of this set: count the byte alone.
            length = 1;
            state = std::mbstate_t{};
        }
        if (at + length > bytes) break;
        at += length;
    }
    return at;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = LowerAscii(c);
    return lower;
}

}  // namespace qorvix
