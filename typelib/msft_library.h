// The MSFT format: the type libraries written by MIDL, widl and
// ICreateTypeLib2.
#pragma once

#include <memory>
#include <string>

#include "typelib/byte_source.h"
#include "typelib/read_status.h"
#include "typelib/stored_library.h"

namespace qorvix {

// Checks the header and segment directory; everything else is decoded on
// demand. `out` receives the library when the status is success, which it
// is not for an image that is not a usable MSFT library. `keepAlive` owns
// the bytes `image` points into.
ReadStatus ParseMsft(Region image, std::shared_ptr<const ByteSource> keepAlive, TextDecoder decoder,
                     std::unique_ptr<StoredLibrary>& out);

}  // namespace qorvix
