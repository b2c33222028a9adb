#include "typelib/system_file.h"

#include <unistd.h>
#include <cerrno>

namespace qorvix {

FileError FileError::FromErrno() {
    return FileError(errno);
}

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
        Reset();
        m_fd = other.Release();
    }
    return *this;
}

int UniqueFd::Release() {
    int fd = m_fd;
    m_fd = -1;
    return fd;
}

bool UniqueFd::Reset() {
    if (m_fd < 0) return true;
    int fd = Release();
    return close(fd) == 0;
}

OpenedFile OpenRegularFile(const std::string& path, const OpenOptions& options) {
    OpenedFile file;
    struct stat st {};
    if (fstatat(options.at, path.c_str(), &st, options.followLinks ? 0 : AT_SYMLINK_NOFOLLOW) !=
        0) {
        file.error = FileError::FromErrno();
        return file;
    }
    if (S_ISLNK(st.st_mode)) {
        file.error = FileError(ELOOP);
        return file;
    }
    if (!S_ISREG(st.st_mode)) {
        file.error = FileError(kNotRegularFile, st.st_mode & S_IFMT);
        return file;
    }
    if (static_cast<std::uint64_t>(st.st_size) > options.maxBytes) {
        file.error = FileError(kFileTooLarge);
        return file;
    }
    int flags =
        O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | (options.followLinks ? 0 : O_NOFOLLOW);
    UniqueFd fd(openat(options.at, path.c_str(), flags));
    if (!fd || fstat(fd.Get(), &file.status) != 0) {
        file.error = FileError::FromErrno();
        return file;
    }
    if (!S_ISREG(file.status.st_mode)) {
        file.error = FileError(kNotRegularFile, file.status.st_mode & S_IFMT);
        return file;
    }
    file.fd = std::move(fd);
    return file;
}

}  // namespace qorvix
