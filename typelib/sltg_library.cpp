#include "typelib/sltg_library.h"

namespace qorvix {

// Reading SLTG is not built yet: such files are recognised and refused.
std::unique_ptr<StoredLibrary> ParseSltg(Region, std::shared_ptr<const ByteSource>, TextDecoder,
                                         std::string* why) {
    if (why) *why = "type libraries in the SLTG format are not supported yet";
    return nullptr;
}

}  // namespace qorvix
