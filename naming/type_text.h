// Type descriptions as COBOL type text, and the small text shapers of the
// writers.
#pragma once

#include <string>

#include "naming/cobol_name.h"
#include "typelib/typelib.h"

namespace qorvix {

// The table name of a VARTYPE (its low 12 bits); "BAD-VARTYPE" above 72.
std::string VARTYPEToString(VARTYPE vt);
// COBOL text for a type; user-defined types are found through `info` and
// named by `namer`: a generation's table, or the run's CobolNaming.
std::string TYPEDESCToString(ITypeInfo& info, const TYPEDESC& desc, TypeNamer& namer);
// The same text (into `text`, which keeps its room), and whether every
// user-defined type in it could be reached: the failure of the first that
// could not (its place in the text says "<GetRefTypeInfo failed>"), else
// S_OK.
HRESULT TypeDescText(ITypeInfo& info, const TYPEDESC& desc, TypeNamer& namer, std::string& text);
// The GUID's 16 bytes as they lie in memory, as 32 upper-case hex digits.
std::string GuidToHex(const GUID& guid);
// The name in the locale's character set with what cannot stand in a word
// as '-' (CobolWord), at most 31 bytes; "Unknown" when empty.
std::string MakeMemberName(const Bstr& name);
void MakeMemberName(const Bstr& name, std::string& out);
// The name with '.' turned into '-', at most 31 bytes.
std::string MakeCoclassName(const Bstr& name);

}  // namespace qorvix
