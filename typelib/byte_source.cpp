#include "typelib/byte_source.h"

#include <unistd.h>
#include <cerrno>
#include <cstring>

#include "typelib/reasons.h"

namespace qorvix {
namespace {

class OwnedBytes final : public ByteSource {
  public:
    OwnedBytes(std::unique_ptr<std::uint8_t[]> bytes, std::size_t size, std::int64_t origin = 0)
        : m_bytes(std::move(bytes)), m_size(size), m_origin(origin) {}
    Region Bytes() const override { return Region(m_bytes.get(), m_size, m_origin); }

  private:
    std::unique_ptr<std::uint8_t[]> m_bytes;
    std::size_t m_size;
    std::int64_t m_origin;
};

class StaticBytes final : public ByteSource {
  public:
    StaticBytes(const std::uint8_t* data, std::size_t size) : m_region(data, size) {}
    Region Bytes() const override { return m_region; }

  private:
    Region m_region;
};

// The same file, not written to since `before`.
bool Unchanged(const struct stat& before, const struct stat& after) {
    return before.st_dev == after.st_dev && before.st_ino == after.st_ino &&
           before.st_size == after.st_size && before.st_mtim.tv_sec == after.st_mtim.tv_sec &&
           before.st_mtim.tv_nsec == after.st_mtim.tv_nsec &&
           before.st_ctim.tv_sec == after.st_ctim.tv_sec &&
           before.st_ctim.tv_nsec == after.st_ctim.tv_nsec;
}

// Reads the `size` bytes of `fd` into `bytes`. kFileKeptChanging when the
// file turns out shorter or longer than that, or was written to meanwhile.
FileError ReadWhole(int fd, const struct stat& before, std::uint8_t* bytes, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = pread(fd, bytes + done, size - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return FileError::FromErrno();
        if (n == 0) return FileError(kFileKeptChanging);  // cut short meanwhile
        done += static_cast<std::size_t>(n);
    }
    std::uint8_t more;
    ssize_t n;
    do {
        n = pread(fd, &more, 1, static_cast<off_t>(size));
    } while (n < 0 && errno == EINTR);
    struct stat after {};
    if (n != 0 || fstat(fd, &after) != 0 || !Unchanged(before, after))
        return FileError(kFileKeptChanging);
    return FileError();
}

}  // namespace

std::string LibraryFileErrorText(const FileError& error) {
    switch (error.Number()) {
        case kNotRegularFile:
            switch (error.Type()) {
                case S_IFDIR:
                    return reason::kDirectory;
                case S_IFIFO:
                    return reason::kNamedPipe;
                case S_IFSOCK:
                    return reason::kSocket;
                case S_IFCHR:
                case S_IFBLK:
                    return reason::kDevice;
                default:
                    return reason::kNotRegularFile;
            }
        case kFileTooLarge:
            return reason::Format(reason::kTooLarge, std::to_string(kMaxLibraryFileBytes >> 20));
        case kFileKeptChanging:
            return reason::kKeptChanging;
        default:
            return std::strerror(error.Number());
    }
}

ByteSource::FileRead ByteSource::ReadFile(const std::string& path) {
    OpenedFile file = OpenRegularFile(path);
    if (file.error.Failed()) return {nullptr, file.error};
    struct stat st = file.status;
    FileError error(kFileKeptChanging);
    // A file being rewritten while it is read is read again, a few times.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (attempt > 0 && fstat(file.fd.Get(), &st) != 0) return {nullptr, FileError::FromErrno()};
        if (static_cast<std::uint64_t>(st.st_size) > kMaxLibraryFileBytes)
            return {nullptr, FileError(kFileTooLarge)};
        auto size = static_cast<std::size_t>(st.st_size);
        auto buffer = std::make_unique_for_overwrite<std::uint8_t[]>(size);
        error = ReadWhole(file.fd.Get(), st, buffer.get(), size);
        if (!error.Failed()) return {std::make_shared<OwnedBytes>(std::move(buffer), size), error};
        if (error.Number() != kFileKeptChanging) break;
    }
    return {nullptr, error};
}

std::shared_ptr<const ByteSource> ByteSource::Copy(const std::uint8_t* data, std::size_t size) {
    return Copy(Region(data, size));
}

std::shared_ptr<const ByteSource> ByteSource::Copy(Region region) {
    auto bytes = std::make_unique_for_overwrite<std::uint8_t[]>(region.Size());
    if (region.Size() > 0) std::memcpy(bytes.get(), region.Text().data(), region.Size());
    return std::make_shared<OwnedBytes>(std::move(bytes), region.Size(), region.FileOffset(0));
}

std::shared_ptr<const ByteSource> ByteSource::Static(const std::uint8_t* data, std::size_t size) {
    return std::make_shared<StaticBytes>(data, size);
}

}  // namespace qorvix
