#include "typelib/byte_source.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace qorvix {
namespace {

class MappedFile final : public ByteSource {
  public:
    MappedFile(void* base, std::size_t size) : m_base(base), m_size(size) {}
    ~MappedFile() override {
        if (m_base) munmap(m_base, m_size);
    }
    Region Bytes() const override {
        return Region(static_cast<const std::uint8_t*>(m_base), m_size);
    }

  private:
    void* m_base;
    std::size_t m_size;
};

class OwnedBytes final : public ByteSource {
  public:
    explicit OwnedBytes(std::vector<std::uint8_t> bytes) : m_bytes(std::move(bytes)) {}
    Region Bytes() const override { return Region(m_bytes.data(), m_bytes.size()); }

  private:
    std::vector<std::uint8_t> m_bytes;
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

}  // namespace

std::shared_ptr<const ByteSource> ByteSource::MapFile(const std::string& path, std::string* error) {
    // Nothing is opened before it is known to be a regular file: opening a
    // named pipe waits for a writer for ever, and opening a device can do
    // things of its own.
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        if (error) *error = ErrnoText(errno);
        return nullptr;
    }
    if (const char* why = NotARegularFile(st.st_mode)) {
        if (error) *error = why;
        return nullptr;
    }
    // Should the name be replaced by something else in between, opening
    // does not wait, and the check below refuses it.
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        if (error) *error = ErrnoText(errno);
        return nullptr;
    }
    if (fstat(fd, &st) != 0) {
        if (error) *error = ErrnoText(errno);
        close(fd);
        return nullptr;
    }
    if (const char* why = NotARegularFile(st.st_mode)) {
        if (error) *error = why;
        close(fd);
        return nullptr;
    }
    if (st.st_size == 0) {
        close(fd);
        return std::make_shared<OwnedBytes>(std::vector<std::uint8_t>{});
    }
    auto size = static_cast<std::size_t>(st.st_size);
    void* base = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    int mapError = errno;
    close(fd);
    if (base == MAP_FAILED) {
        if (error) *error = ErrnoText(mapError);
        return nullptr;
    }
    return std::make_shared<MappedFile>(base, size);
}

std::shared_ptr<const ByteSource> ByteSource::Copy(const std::uint8_t* data, std::size_t size) {
    return std::make_shared<OwnedBytes>(std::vector<std::uint8_t>(data, data + size));
}

std::shared_ptr<const ByteSource> ByteSource::Static(const std::uint8_t* data, std::size_t size) {
    return std::make_shared<StaticBytes>(data, size);
}

}  // namespace qorvix
