#include "typelib/byte_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

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

std::string ErrnoText(int error) {
    return std::strerror(error);
}

// Why a file of this type cannot be read as a library, or null for a
// regular file.
const char* NotARegularFile(mode_t mode) {
    if (S_ISREG(mode)) return nullptr;
    if (S_ISDIR(mode)) return "is a directory";
    if (S_ISFIFO(mode)) return "is a named pipe, not a file";
    if (S_ISSOCK(mode)) return "is a socket, not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "is a device, not a file";
    return "not a regular file";
}

// The same file, not written to since `before`.
bool Unchanged(const struct stat& before, const struct stat& after) {
    return before.st_dev == after.st_dev && before.st_ino == after.st_ino &&
           before.st_size == after.st_size && before.st_mtim.tv_sec == after.st_mtim.tv_sec &&
           before.st_mtim.tv_nsec == after.st_mtim.tv_nsec &&
           before.st_ctim.tv_sec == after.st_ctim.tv_sec &&
           before.st_ctim.tv_nsec == after.st_ctim.tv_nsec;
}

enum class ReadResult { kRead, kChanged, kFailed };

// Reads the `size` bytes of `fd` into `bytes`. kChanged when the file
// turns out shorter or longer than that, or was written to meanwhile.
ReadResult ReadWhole(int fd, const struct stat& before, std::uint8_t* bytes, std::size_t size,
                     int& error) {
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = pread(fd, bytes + done, size - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            error = errno;
            return ReadResult::kFailed;
        }
        if (n == 0) return ReadResult::kChanged;  // cut short meanwhile
        done += static_cast<std::size_t>(n);
    }
    std::uint8_t more;
    ssize_t n;
    do {
        n = pread(fd, &more, 1, static_cast<off_t>(size));
    } while (n < 0 && errno == EINTR);
    struct stat after {};
    if (n != 0 || fstat(fd, &after) != 0 || !Unchanged(before, after)) return ReadResult::kChanged;
    return ReadResult::kRead;
}

}  // namespace

std::shared_ptr<const ByteSource> ByteSource::ReadFile(const std::string& path,
                                                       std::string* error) {
    auto fail = [error](std::string why) -> std::shared_ptr<const ByteSource> {
        if (error) *error = std::move(why);
        return nullptr;
    };
    // Nothing is opened before it is known to be a regular file: opening a
    // named pipe waits for a writer for ever, and opening a device can do
    // things of its own.
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return fail(ErrnoText(errno));
    if (const char* why = NotARegularFile(st.st_mode)) return fail(why);
    // Should the name be replaced by something else in between, opening
    // does not wait, and the check below refuses it.
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return fail(ErrnoText(errno));
    std::shared_ptr<const ByteSource> bytes;
    std::string why = "the file kept changing while it was read";
    // A file being rewritten while it is read is read again, a few times.
    for (int attempt = 0; attempt < 3 && !bytes; ++attempt) {
        if (fstat(fd, &st) != 0) {
            why = ErrnoText(errno);
            break;
        }
        if (const char* notRegular = NotARegularFile(st.st_mode)) {
            why = notRegular;
            break;
        }
        if (static_cast<std::uint64_t>(st.st_size) > kMaxLibraryFileBytes) {
            why = "larger than " + std::to_string(kMaxLibraryFileBytes >> 20) +
                  " MiB; not read as a type library";
            break;
        }
        auto size = static_cast<std::size_t>(st.st_size);
        auto buffer = std::make_unique_for_overwrite<std::uint8_t[]>(size);
        int readError = 0;
        ReadResult result = ReadWhole(fd, st, buffer.get(), size, readError);
        if (result == ReadResult::kFailed) {
            why = ErrnoText(readError);
            break;
        }
        if (result == ReadResult::kRead)
            bytes = std::make_shared<OwnedBytes>(std::move(buffer), size);
    }
    close(fd);
    return bytes ? bytes : fail(why);
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
