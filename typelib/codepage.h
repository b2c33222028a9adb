// The 8-bit text stored in type libraries.
#pragma once

#include <string>
#include <string_view>

namespace qorvix {

// Windows-1252, the code page of the libraries' usual locale. The five
// unassigned bytes map to the C1 controls, as the platform maps them.
std::u16string DecodeWindows1252(std::string_view bytes);
// The same into `out`, keeping its room (names are decoded member after member).
void DecodeWindows1252(std::string_view bytes, std::u16string& out);

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
// UTF-8 to UTF-16; an invalid sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

}  // namespace qorvix
