// The bytes a library is read from: a read-only mapping of a file, bytes
// owned in memory, or static bytes compiled into the program.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "typelib/region.h"

namespace qorvix {

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    virtual Region Bytes() const = 0;

    // Maps the file read-only. On failure returns null and sets `error` to
    // the system's reason.
    static std::shared_ptr<const ByteSource> MapFile(const std::string& path, std::string* error);
    static std::shared_ptr<const ByteSource> Copy(const std::uint8_t* data, std::size_t size);
    // The caller guarantees the bytes outlive every user (static data).
    static std::shared_ptr<const ByteSource> Static(const std::uint8_t* data, std::size_t size);
};

}  // namespace qorvix
