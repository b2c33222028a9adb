#include "cobolgen/output_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <random>

namespace qorvix {
namespace {

// A name no generated file has: hidden, and the same length whatever the
// file's own name, so that it always fits.
std::string TemporaryName() {
    thread_local std::mt19937_64 random{std::random_device{}()};
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = ".qorvix-";
    for (int i = 0; i < 10; ++i)
        name += kLetters[random() % (sizeof kLetters - 1)];
    return name + ".tmp";
}

// renameat without replacing what is at `to`, where the file system can.
int RenameNoReplace(int folder, const char* from, const char* to) {
    if (renameat2(folder, from, folder, to, RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return -1;
    return renameat(folder, from, folder, to);
}

}  // namespace

FileError OutputFolder::Open(const std::string& path) {
    // O_PATH: a folder is named, never read; a pipe at the path is refused
    // without being opened.
    UniqueFd fd(open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!fd) return FileError::FromErrno();
    m_fd = std::move(fd);
    return FileError();
}

bool OutputFolder::Is(const std::string& path) const {
    struct stat here {};
    struct stat there {};
    return m_fd && fstat(m_fd.Get(), &here) == 0 && stat(path.c_str(), &there) == 0 &&
           here.st_dev == there.st_dev && here.st_ino == there.st_ino;
}

bool OutputFolder::Gone() const {
    struct stat st {};
    return m_fd && fstat(m_fd.Get(), &st) == 0 && st.st_nlink == 0;
}

Inspection Inspect(const OutputFolder& folder, const std::string& name) {
    struct stat st {};
    if (fstatat(folder.Fd(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT) return {NameHolds::Nothing, FileError()};
        return {NameHolds::Other, FileError::FromErrno()};
    }
    if (S_ISREG(st.st_mode)) return {NameHolds::File, FileError()};
    if (S_ISLNK(st.st_mode)) return {NameHolds::Link, FileError()};
    if (S_ISDIR(st.st_mode)) return {NameHolds::Directory, FileError()};
    return {NameHolds::Other, FileError(kNotRegularFile, st.st_mode & S_IFMT)};
}

OpenedFile HoldExisting(const OutputFolder& folder, const std::string& name) {
    OpenedFile file = OpenRegularFile(name, {.at = folder.Fd(), .followLinks = false});
    if (!file.error.Failed() && flock(file.fd.Get(), LOCK_EX | LOCK_NB) != 0) {
        file.error = FileError(errno == EWOULDBLOCK ? EBUSY : errno);
        file.fd.Reset();
    }
    return file;
}

OutputFile::~OutputFile() {
    Abandon();
}

FileError OutputFile::Begin(const OutputFolder& folder, const std::string& name, bool replacing,
                            UniqueFd existing, const WriteCall& write) {
    Abandon();
    Release();
    m_error = 0;
    m_nameTaken = false;
    m_folder = &folder;
    for (int attempt = 0; attempt < 100 && !m_fd; ++attempt) {
        m_temporary = TemporaryName();
        m_fd = UniqueFd(openat(folder.Fd(), m_temporary.c_str(),
                               O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (!m_fd && errno != EEXIST) break;
    }
    if (!m_fd) return FileError::FromErrno();
    struct stat old {};
    if (existing && fstat(existing.Get(), &old) == 0) fchmod(m_fd.Get(), old.st_mode & 0777);
    // The new file is this generation's from the start; the lock goes with
    // it into place.
    flock(m_fd.Get(), LOCK_EX | LOCK_NB);
    m_name = name;
    m_replacing = replacing;
    m_existing = std::move(existing);
    m_write = write;
    return FileError();
}

void OutputFile::Fail(int error) {
    if (m_error == 0) m_error = error;
}

void OutputFile::Write(std::string_view bytes) {
    // The text arrives in large pieces (the fixed-format text gathers its
    // lines), so each goes out as it comes.
    if (!m_fd || Failed()) return;
    WriteOut(bytes);
}

void OutputFile::WriteOut(std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size() && !Failed()) {
        ssize_t n = m_write ? m_write(m_fd.Get(), bytes.data() + done, bytes.size() - done)
                            : write(m_fd.Get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            Fail(n < 0 ? errno : ENOSPC);
            break;
        }
        done += static_cast<std::size_t>(n);
    }
}

bool OutputFile::Commit(bool keepHeld) {
    if (!m_fd) return false;
    if (!Failed() && keepHeld) {
        // Shares the open file and so its lock; closing the other descriptor
        // still reports what the file system kept back until the close.
        m_held = UniqueFd(fcntl(m_fd.Get(), F_DUPFD_CLOEXEC, 0));
    }
    if (!m_fd.Reset()) Fail(errno);
    int folder = m_folder->Fd();
    if (!Failed()) {
        int moved = m_replacing ? renameat(folder, m_temporary.c_str(), folder, m_name.c_str())
                                : RenameNoReplace(folder, m_temporary.c_str(), m_name.c_str());
        if (moved != 0) {
            m_nameTaken = !m_replacing && errno == EEXIST;
            Fail(errno);
        }
    }
    m_existing.Reset();
    if (Failed()) {
        m_held.Reset();
        unlinkat(folder, m_temporary.c_str(), 0);
        return false;
    }
    m_temporary.clear();
    return true;
}

void OutputFile::Abandon() {
    m_existing.Reset();
    if (!m_fd) return;
    m_fd.Reset();
    unlinkat(m_folder->Fd(), m_temporary.c_str(), 0);
    m_temporary.clear();
}

}  // namespace qorvix
