// The MSFT format: the type libraries written by MIDL, widl and
// ICreateTypeLib2.
#pragma once

#include <memory>
#include <string>

#include "typelib/byte_source.h"
#include "typelib/stored_library.h"

namespace qorvix {

// Checks the header and segment directory; everything else is decoded on
// demand. Returns null (and a reason) when the image is not a usable MSFT
// library. `keepAlive` owns the bytes `image` points into.
std::unique_ptr<StoredLibrary> ParseMsft(Region image, std::shared_ptr<const ByteSource> keepAlive,
                                         TextDecoder decoder, std::string* why);

}  // namespace qorvix
