// COBOL identifiers made from type-library names, and the text helpers the
// writers share.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "typelib/oleauto.h"

namespace qorvix {

// Wide text to the user's locale character set ("ANSI"), and back. These
// return values; nothing is cut.
std::string WideToAnsi(std::u16string_view text);
std::string WideToAnsi(const std::u16string& text);
std::string WideToAnsi(const Bstr& text);
std::u16string AnsiToWide(std::string_view text);

// Appends blanks up to `column`, or, when the text is already that long, to
// the next stop of column + k * step beyond it; at least one blank.
void PadToColumn(std::string& text, std::size_t column, std::size_t step);

// The reserved-word check of the run-time system: upper-case text and its
// length in bytes; non-zero for a reserved word. Null while the service is
// absent.
using ReservedWordCheck = int (*)(const char* text, int length);
void SetReservedWordCheck(ReservedWordCheck check);
ReservedWordCheck GetReservedWordCheck();

// A COBOL user-defined word for a type-library name: no leading
// underscores, hyphens for underscores and periods, at most 31 bytes, and,
// with `check` and the service present, "-CBL" after a reserved word. An
// empty name becomes QORVIX<n> from a counter that only grows.
std::string MakeCobolName(const Bstr& name, bool check);

// The counter of made-up names (tests read it; nothing resets it).
int MadeUpNameCounter();

// The first `bytes` bytes of a text without splitting a character.
std::string CutName(std::string_view text, std::size_t bytes);

}  // namespace qorvix
