// The files a generation writes, and the folder they go into. A file is
// written under a temporary name beside its own and takes its place only
// when it is complete, so that an existing file is replaced whole or not at
// all; nothing follows a symbolic link or opens a special file on the way.
// Failures are values: FileError, the system's error number.
#pragma once

#include <sys/types.h>
#include <functional>
#include <string>
#include <string_view>

#include "cobolgen/text_sink.h"
#include "typelib/system_file.h"

namespace qorvix {

// The folder a generation writes into, held open: every file of the
// generation lands in it, whatever becomes of its path meanwhile.
class OutputFolder {
  public:
    // Opens the folder at `path`.
    FileError Open(const std::string& path);
    int Fd() const { return m_fd.Get(); }
    // Whether `path` names this folder (the same folder, not the same text).
    bool Is(const std::string& path) const;
    // The folder has been removed since it was opened.
    bool Gone() const;

  private:
    UniqueFd m_fd;
};

// What a name in a folder stands for, without following a symbolic link.
enum class NameHolds { Nothing, File, Link, Directory, Other };
struct Inspection {
    NameHolds holds = NameHolds::Nothing;
    // With Other: a pipe, socket or device (kNotRegularFile), or a name
    // that cannot be looked at (the error number).
    FileError error;
};
Inspection Inspect(const OutputFolder& folder, const std::string& name);

// One generated file, written through a temporary file in the folder.
class OutputFile final : public TextSink {
  public:
    // How bytes reach the file (the system's write; tests fill disks).
    using WriteCall = std::function<ssize_t(int fd, const void* data, std::size_t size)>;

    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile() override;

    // Starts the file `name` of `folder`: creates its temporary file. With
    // `existing` (a descriptor of the regular file the name holds, locked),
    // that file stays held until it is replaced, and its permissions pass
    // to the new one. With `replacing` false, a file that appears at the
    // name meanwhile is not replaced.
    FileError Begin(const OutputFolder& folder, const std::string& name, bool replacing,
                    UniqueFd existing, const WriteCall& write);
    void Write(std::string_view bytes) override;
    // Closes the file and puts it in place of its name. With `keepHeld` the
    // new file stays locked until Release. False (the name as it was, the
    // temporary file gone) when anything failed.
    bool Commit(bool keepHeld);
    // Drops the file: the temporary goes, the name stays as it was.
    void Abandon();
    // Lets go of the file held since Commit.
    void Release() { m_held.Reset(); }
    bool Held() const { return static_cast<bool>(m_held); }

    bool Failed() const { return m_error != 0; }
    int ErrorNumber() const { return m_error; }
    const std::string& Name() const { return m_name; }
    // Something was at the name when the file was begun.
    bool Replacing() const { return m_replacing; }
    // The name was free when the file was begun, and something else took
    // it before the file could.
    bool NameTakenMeanwhile() const { return m_nameTaken; }

  private:
    void WriteOut(std::string_view bytes);
    void Fail(int error);

    const OutputFolder* m_folder = nullptr;
    UniqueFd m_fd;        // the temporary file
    UniqueFd m_existing;  // the file it replaces, held while it is written
    UniqueFd m_held;      // the new file, held after Commit
    std::string m_name;
    std::string m_temporary;
    bool m_replacing = false;
    bool m_nameTaken = false;
    WriteCall m_write;
    int m_error = 0;
};

// Opens the regular file at `name` without following a link or blocking,
// and locks it for this generation. The error is EBUSY when another
// generation holds it, kNotRegularFile when it is no longer a regular file.
OpenedFile HoldExisting(const OutputFolder& folder, const std::string& name);

}  // namespace qorvix
