// The JSON dump of a type library, in the layout of the platform's dumps
// (see docs/tlbdump.md), so the two can be compared field by field.
#pragma once

#include <string>

#include "typelib/typelib.h"

namespace qorvix {

std::string DumpTypeLib(ITypeLib& lib, const std::string& fileName);
std::string DumpLoadFailure(HRESULT hr, const std::string& fileName);

}  // namespace qorvix
