// The older SLTG format.
#pragma once

#include <memory>
#include <string>

#include "typelib/byte_source.h"
#include "typelib/read_status.h"
#include "typelib/stored_library.h"

namespace qorvix {

// Checks the container, the library block and the name table; the types
// are decoded on demand. `out` receives the library when the status is
// success. `keepAlive` owns the bytes `image` points into.
ReadStatus ParseSltg(Region image, std::shared_ptr<const ByteSource> keepAlive, TextDecoder decoder,
                     std::unique_ptr<StoredLibrary>& out);

}  // namespace qorvix
