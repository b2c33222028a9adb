// The display texts of the browser tree's nodes; user-defined types in
// them are named by `namer`.
#pragma once

#include <string>

#include "naming/cobol_name.h"
#include "typelib/typelib.h"

namespace qorvix {

// "Item [0]": a function's name and member id.
std::string FunctionText(const std::string& name, MEMBERID memid);
// "<type> name[2][3]", "(nameless)" for no name; with the member id in a
// property listing.
std::string VariableText(ITypeInfo& info, const VARDESC& var, const Bstr& name, bool property,
                         TypeNamer& namer);
// "const <type> name = value", the value escaped and, for strings, quoted.
std::string ConstantText(ITypeInfo& info, const VARDESC& var, const Bstr& name, TypeNamer& namer);
// A constant's value bytes with C escapes.
std::string EscapeValue(std::string_view bytes);
// The declaration of a type ("enum Colors", "typedef LONG HANDLE_T", ...);
// empty when its name or attributes cannot be read.
std::string TypeInfoText(ITypeInfo& info, TypeNamer& namer);

}  // namespace qorvix
