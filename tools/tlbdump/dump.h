// The JSON dump of a type library, in the layout of the platform's dumps
// (see docs/tlbdump.md), so the two can be compared field by field.
#pragma once

#include <string>

#include "typelib/typelib.h"

namespace qorvix {

// With `reasons`, a failed call shows what the reader knows of why: a
// short reason and the file offset of the damage.
std::string DumpTypeLib(ITypeLib& lib, const std::string& fileName, bool reasons = false);
// `reason`, when given, is shown too.
std::string DumpLoadFailure(HRESULT hr, const std::string& fileName,
                            const std::string* reason = nullptr);

}  // namespace qorvix
