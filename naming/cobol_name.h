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

// The one rule by which library text becomes a COBOL word: every character
// that cannot stand in a word (controls, blanks and separators of any script,
// quotes and the other ASCII punctuation but '-' and '_') becomes '-', and a
// word neither starts nor ends with '-'. The locale's own letters
// stay. CobolWord applies it to text already in the locale's character set
// (nothing is cut, the result may be empty); MemberWordBytes converts a name
// with every such character as '-' and leaves the ends to the caller.
std::string CobolWord(std::string_view text);
std::string MemberWordBytes(const Bstr& name);

// A COBOL user-defined word for a type-library name: the rule above, with
// underscores and periods as hyphens, at most 31 bytes, and, with `check`
// and the service present, "-CBL" after a reserved word. A name with
// nothing left becomes QORVIX<n> from a counter that only grows.
std::string MakeCobolName(const Bstr& name, bool check);

// The steps of MakeCobolName for callers that keep names (the name table):
// the word without the reserved-word check, or false when nothing is left;
// the next made-up name; and the reserved-word check of a word.
bool CobolNameWord(const Bstr& name, std::string& word);
std::string MadeUpName();
std::string CheckReserved(std::string word);

// The counter of made-up names (tests read it; nothing resets it).
int MadeUpNameCounter();

// The first `bytes` bytes of a text without splitting a character.
std::string CutName(std::string_view text, std::size_t bytes);

}  // namespace qorvix
