#include "cobolgen/output_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace qorvix {
namespace {

constexpr std::size_t kFlushAt = 1 << 16;

}  // namespace

OutputFile::~OutputFile() {
    Close();
}

bool OutputFile::Open(const std::string& path, std::string* why) {
    Close();
    m_error.clear();
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (why) *why = std::strerror(errno);
        return false;
    }
    // Lock before emptying, so that a file someone else holds is not touched.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || ftruncate(fd, 0) != 0) {
        if (why) *why = std::strerror(errno);
        close(fd);
        return false;
    }
    m_fd = fd;
    m_path = path;
    return true;
}

void OutputFile::Write(std::string_view text) {
    if (m_fd < 0 || Failed()) return;
    for (std::size_t start = 0;;) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            m_buffer.append(text.substr(start));
            break;
        }
        m_buffer.append(text.substr(start, end - start));
        m_buffer += "\r\n";
        start = end + 1;
    }
    if (m_buffer.size() >= kFlushAt) Flush();
}

void OutputFile::WriteLine(std::string_view line) {
    if (m_fd < 0 || Failed()) return;
    m_buffer.append(line).append("\r\n", 2);
    if (m_buffer.size() >= kFlushAt) Flush();
}

bool OutputFile::Flush() {
    if (m_fd < 0) return !Failed();
    std::size_t done = 0;
    while (done < m_buffer.size() && !Failed()) {
        ssize_t n = write(m_fd, m_buffer.data() + done, m_buffer.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            m_error = std::strerror(n < 0 ? errno : ENOSPC);
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    m_buffer.clear();
    return !Failed();
}

bool OutputFile::Close() {
    if (m_fd < 0) return !Failed();
    Flush();
    if (close(m_fd) != 0 && !Failed()) m_error = std::strerror(errno);
    m_fd = -1;
    return !Failed();
}

void OutputFile::Discard() {
    bool wasOpen = m_fd >= 0;
    m_buffer.clear();
    if (wasOpen) {
        close(m_fd);
        m_fd = -1;
    }
    if (!m_path.empty()) unlink(m_path.c_str());
}

bool CanOpenForReading(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && flock(fd, LOCK_SH | LOCK_NB) == 0;
    close(fd);
    return ok;
}

}  // namespace qorvix
