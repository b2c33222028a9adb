// Text in the user's locale character set: what the generated files and the
// terminal use. (The program sets the C library's locale from the
// environment at start-up; until then this is the "C" locale.)
#pragma once

#include <string>
#include <string_view>

namespace qorvix {

// UTF-16 to the locale's character set; a character the set cannot
// represent becomes "?". The second form fills `out`, keeping its room.
std::string Utf16ToLocale(std::u16string_view text);
void Utf16ToLocale(std::u16string_view text, std::string& out);
// The locale's character set to UTF-16; an invalid sequence becomes U+FFFD.
std::u16string LocaleToUtf16(std::string_view text);

// The longest prefix of `text` of at most `bytes` bytes that ends on a
// character boundary of the locale's character set.
std::string CutToBytes(std::string_view text, std::size_t bytes);
// How long that prefix is.
std::size_t CutLength(std::string_view text, std::size_t bytes);

}  // namespace qorvix
