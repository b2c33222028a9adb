// The platform's view of a stored library: ITypeLib and ITypeInfo over a
// decoder's records (see stored_library.h).
#pragma once

#include <memory>
#include <string>

#include "typelib/load.h"
#include "typelib/stored_library.h"
#include "typelib/typelib.h"

namespace qorvix {

// Wraps a decoded library. `path` is the file it came from (or empty); the
// import resolver gets it to search beside the importing file.
ComPtr<ITypeLib> MakeTypeLib(std::unique_ptr<StoredLibrary> stored, LoadOptions options,
                             std::string path);

}  // namespace qorvix
