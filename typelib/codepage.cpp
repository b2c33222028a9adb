#include "typelib/codepage.h"

#include <cstdint>

namespace qorvix {

namespace {

struct Windows1252Table {
    char16_t units[256];
    constexpr Windows1252Table() : units() {
        constexpr char16_t kHigh[32] = {
            0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
            0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
            0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
        };
        for (int b = 0; b < 256; ++b) {
            units[b] = b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : static_cast<char16_t>(b);
        }
    }
};

constexpr Windows1252Table kWindows1252;

}  // namespace

std::u16string DecodeWindows1252(std::string_view bytes) {
    std::u16string text;
    DecodeWindows1252(bytes, text);
    return text;
}

void DecodeWindows1252(std::string_view bytes, std::u16string& text) {
    text.resize(bytes.size());
    unsigned char high = 0;
    for (char c : bytes)
        high |= static_cast<unsigned char>(c);
    if (high < 0x80) {
        // Nearly every name is ASCII: widen without the table.
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            text[i] = static_cast<unsigned char>(bytes[i]);
        }
        return;
    }
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text[i] = kWindows1252.units[static_cast<unsigned char>(bytes[i])];
    }
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        auto b = static_cast<unsigned char>(text[i]);
        std::uint32_t c;
        int extra;
        if (b < 0x80) {
            c = b;
            extra = 0;
        } else if (b >= 0xC2 && b < 0xE0) {
            c = b & 0x1F;
            extra = 1;
        } else if (b >= 0xE0 && b < 0xF0) {
            c = b & 0x0F;
            extra = 2;
        } else if (b >= 0xF0 && b < 0xF5) {
            c = b & 0x07;
            extra = 3;
        } else {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        bool ok = i + extra < text.size();
        for (int k = 0; ok && k < extra; ++k, ++j) {
            auto cb = static_cast<unsigned char>(text[j]);
            ok = (cb & 0xC0) == 0x80;
            c = (c << 6) | (cb & 0x3F);
        }
        static constexpr std::uint32_t kMin[4] = {0, 0x80, 0x800, 0x10000};
        if (!ok || c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
        i = j;
    }
    return out;
}

}  // namespace qorvix
