// The bytes a library is read from: a file read into memory, bytes owned
// in memory, or static bytes compiled into the program.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "typelib/region.h"
#include "typelib/system_file.h"

namespace qorvix {

// The largest file read as a library: far more than any library holds,
// and a limit for a name that leads to something else entirely.
constexpr std::uint64_t kMaxLibraryFileBytes = std::uint64_t{256} << 20;

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    virtual Region Bytes() const = 0;

    struct FileRead {
        std::shared_ptr<const ByteSource> bytes;  // null on failure
        FileError error;
    };
    // Reads the whole file into memory, so that nothing another process
    // does to the file afterwards can reach the reader; a file that changes
    // while it is read is read again, and refused (kFileKeptChanging) if it
    // keeps changing. Only a regular file of at most kMaxLibraryFileBytes
    // is read.
    static FileRead ReadFile(const std::string& path);
    static std::shared_ptr<const ByteSource> Copy(const std::uint8_t* data, std::size_t size);
    // A copy of `region` that keeps its file offsets (its origin).
    static std::shared_ptr<const ByteSource> Copy(Region region);
    // The caller guarantees the bytes outlive every user (static data).
    static std::shared_ptr<const ByteSource> Static(const std::uint8_t* data, std::size_t size);
};

// Why a file could not be read as a library, for people.
std::string LibraryFileErrorText(const FileError& error);

}  // namespace qorvix
