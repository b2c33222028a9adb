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

}  // namespace

std::shared_ptr<const ByteSource> ByteSource::MapFile(const std::string& path, std::string* error) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (error) *error = ErrnoText(errno);
        return nullptr;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        if (error) *error = ErrnoText(errno);
        close(fd);
        return nullptr;
    }
    if (!S_ISREG(st.st_mode)) {
        if (error) *error = S_ISDIR(st.st_mode) ? "is a directory" : "not a regular file";
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
