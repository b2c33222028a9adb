// Values of constants as the generator spells them.
#pragma once

#include <string>

#include "typelib/oleauto.h"

namespace qorvix {

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
