// How text from a library becomes part of a COBOL line: comment text,
// member names, file names and literals.
#pragma once

#include <string>
#include <string_view>

#include "naming/cobol_name.h"
#include "naming/name_table.h"
#include "typelib/typelib.h"

namespace qorvix {

// A comment line's text: line breaks and other control characters (also
// those beyond ASCII) become blanks, so that text from a library stays on
// its comment line.
std::string OneLine(std::string_view text);
void MakeOneLine(std::string& text);

// A class file's name for an interface's COBOL name: lower case (every
// letter the locale knows), and no character that could lead out of the
// generation folder.
std::string ClassFileStem(const std::string& interfaceName);

// A quoted COBOL literal of text, its quotes doubled.
std::string Quoted(std::string_view text);

// A class file's copy statement for the copy file `copyFileName` (its
// lines, each with "\n"): one line, or, for a name too long for one, the
// literal continued on lines with a hyphen in column 7.
std::string CopyStatement(std::string_view copyFileName);

// The name of a member: its first name, made a COBOL name that no earlier
// member of `scope` has. False when the member has no name.
bool MemberName(ITypeInfo& info, MEMBERID memid, CobolNaming& naming, WordScope& scope,
                std::string& name);

// The value converted to text (the platform's en-US spelling; the symbolic
// name of an error code), in the locale's character set and up to its first
// NUL. False when the value cannot be spelled at all.
bool ValueText(const VARIANT& value, std::string& text);

// The COBOL literal for a string constant: quoted runs of printable bytes
// and hexadecimal runs of the others, joined with "&".
std::string StringLiteral(const std::string& raw);

// The text after VALUE for an enumeration member of type `vt` spelled
// `raw`: a string in quotes (quotes doubled, control bytes as hexadecimal
// runs), a date in quotes, an exponent after a decimal point, anything else
// as spelled. (Constants use it for all but strings.)
std::string ConditionValue(VARTYPE vt, const std::string& raw);

}  // namespace qorvix
