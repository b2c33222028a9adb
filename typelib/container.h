// Finds the type-library image in a file: a raw MSFT or SLTG file, or the
// TYPELIB resource of a PE32/PE32+ image.
#pragma once

#include <string>

#include "typelib/region.h"

namespace qorvix {

enum class ImageFormat { Msft, Sltg };

struct ContainerResult {
    bool ok = false;
    Region image;  // the type library's own bytes; its offsets are relative to here
    ImageFormat format = ImageFormat::Msft;
    std::string error;  // why not, for people
};

// `resourceId` selects the TYPELIB resource of a PE file (1 unless the path
// named another one); raw files ignore it.
ContainerResult FindTypeLibImage(Region file, std::uint32_t resourceId);

}  // namespace qorvix
