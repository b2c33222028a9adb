// Text in the user's locale character set: what the generated files and the
// terminal use. (The program sets the C library's locale from the
// environment at start-up; until then this is the "C" locale.)
#pragma once

#include <string>
#include <string_view>

#include "typelib/oleauto.h"

namespace qorvix {

// Wide text (UTF-16) to the locale's character set, the program's "ANSI";
// a character the set cannot represent becomes "?". Values, never cut. The
// forms with `out` fill it, keeping its room: the writer converts text of
// every member. An absent text converts to an empty one.
std::string WideToAnsi(std::u16string_view text);
std::string WideToAnsi(const std::u16string& text);
std::string WideToAnsi(const Bstr& text);
void WideToAnsi(std::u16string_view text, std::string& out);
void WideToAnsi(const std::u16string& text, std::string& out);
void WideToAnsi(const Bstr& text, std::string& out);
// The locale's character set to UTF-16; an invalid sequence becomes U+FFFD.
std::u16string AnsiToWide(std::string_view text);

// ASCII letters to lower case, every other byte as it is, whatever the
// locale: names the program compares (switches, registry keys, drive
// letters) must not change meaning with the user's language.
char LowerAscii(char c);
std::string LowerAscii(std::string_view text);

// The longest prefix of `text` of at most `bytes` bytes that ends on a
// character boundary of the locale's character set.
std::string CutToBytes(std::string_view text, std::size_t bytes);
// How long that prefix is.
std::size_t CutLength(std::string_view text, std::size_t bytes);

}  // namespace qorvix
