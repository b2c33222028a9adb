// What the operating system does to files, in one place for the reader,
// the registry and the generated files: a descriptor that closes itself,
// opening a regular file without waiting, and failures as values that
// carry the system's error number.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <cstdint>
#include <limits>
#include <string>

namespace qorvix {

// Refusals that have no error number of their own; negative, so that no
// errno value is one of them.
inline constexpr int kNotRegularFile = -1;    // a folder, pipe, socket or device
inline constexpr int kFileTooLarge = -2;      // more bytes than the caller reads
inline constexpr int kFileKeptChanging = -3;  // written to every time it was read

// A failure of file work, or none: errno, or one of the refusals above.
class FileError {
  public:
    constexpr FileError() = default;
    // With kNotRegularFile, `type` is what the name held (S_IFDIR, ...),
    // when known.
    constexpr explicit FileError(int number, mode_t type = 0) : m_number(number), m_type(type) {}
    // What errno says now.
    static FileError FromErrno();

    bool Failed() const { return m_number != 0; }
    int Number() const { return m_number; }
    mode_t Type() const { return m_type; }

  private:
    int m_number = 0;
    mode_t m_type = 0;
};

// A file descriptor that closes itself.
class UniqueFd {
  public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : m_fd(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : m_fd(other.Release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    ~UniqueFd() { Reset(); }
    int Get() const { return m_fd; }
    explicit operator bool() const { return m_fd >= 0; }
    int Release();
    // Closes the descriptor; false (errno set) when closing reported an error.
    bool Reset();

  private:
    int m_fd = -1;
};

struct OpenOptions {
    int at = AT_FDCWD;        // the folder a relative path starts in
    bool followLinks = true;  // false: a symbolic link is refused with ELOOP, as open does
    std::uint64_t maxBytes = std::numeric_limits<std::uint64_t>::max();
};

// A regular file open for reading, or why not.
struct OpenedFile {
    UniqueFd fd;
    struct stat status {};  // of the open file
    FileError error;        // set when `fd` is not open
};

// Opens the regular file at `path` for reading without ever waiting: the
// name is looked at first, since opening a named pipe waits for a writer
// and opening a device can do things of its own; and should the name be
// replaced in between, the open does not block and the open file is
// refused when it is not a regular file. A file larger than
// `options.maxBytes` is refused (kFileTooLarge) before it is opened.
OpenedFile OpenRegularFile(const std::string& path, const OpenOptions& options = {});

}  // namespace qorvix
