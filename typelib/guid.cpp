#include <cstdio>

#include "typelib/oleauto.h"

namespace qorvix {

std::string GuidToString(const GUID& g) {
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.Data1,
                  g.Data2, g.Data3, g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4],
                  g.Data4[5], g.Data4[6], g.Data4[7]);
    return text;
}

std::u16string StringFromGUID2(const GUID& guid) {
    std::string narrow = GuidToString(guid);
    return std::u16string(narrow.begin(), narrow.end());
}

std::optional<GUID> GuidFromString(std::u16string_view text) {
    // {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}
    if (text.size() != 38 || text.front() != u'{' || text.back() != u'}') return std::nullopt;
    auto hex = [&](std::size_t at, int digits, std::uint64_t& out) {
        out = 0;
        for (int i = 0; i < digits; ++i) {
            char16_t c = text[at + static_cast<std::size_t>(i)];
            int v;
            if (c >= u'0' && c <= u'9') {
                v = c - u'0';
            } else if (c >= u'a' && c <= u'f') {
                v = c - u'a' + 10;
            } else if (c >= u'A' && c <= u'F') {
                v = c - u'A' + 10;
            } else {
                return false;
            }
            out = out * 16 + static_cast<std::uint64_t>(v);
        }
        return true;
    };
    if (text[9] != u'-' || text[14] != u'-' || text[19] != u'-' || text[24] != u'-') {
        return std::nullopt;
    }
    GUID g;
    std::uint64_t v;
    if (!hex(1, 8, v)) return std::nullopt;
    g.Data1 = static_cast<std::uint32_t>(v);
    if (!hex(10, 4, v)) return std::nullopt;
    g.Data2 = static_cast<std::uint16_t>(v);
    if (!hex(15, 4, v)) return std::nullopt;
    g.Data3 = static_cast<std::uint16_t>(v);
    static constexpr std::size_t kBytes[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (int i = 0; i < 8; ++i) {
        if (!hex(kBytes[i], 2, v)) return std::nullopt;
        g.Data4[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v);
    }
    return g;
}

}  // namespace qorvix
