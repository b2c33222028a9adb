// The older SLTG format.
#pragma once

#include <memory>
#include <string>

#include "typelib/byte_source.h"
#include "typelib/stored_library.h"

namespace qorvix {

std::unique_ptr<StoredLibrary> ParseSltg(Region image, std::shared_ptr<const ByteSource> keepAlive,
                                         TextDecoder decoder, std::string* why);

}  // namespace qorvix
