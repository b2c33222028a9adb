// A generated file: text with CRLF line ends, held under an exclusive
// advisory lock while open. Write errors are remembered, not thrown; the
// first one is kept with the system's reason.
#pragma once

#include <string>
#include <string_view>

namespace qorvix {

class OutputFile {
  public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile();

    // Creates the file or empties it, under the lock. On failure the file is
    // left as it was and `why` holds the reason.
    bool Open(const std::string& path, std::string* why = nullptr);
    bool IsOpen() const { return m_fd >= 0; }
    // Writes the text; each "\n" goes out as "\r\n".
    void Write(std::string_view text);
    // Writes one line, which holds no "\n", and its "\r\n".
    void WriteLine(std::string_view line);
    // Pushes buffered text to the file; false once any write has failed.
    bool Flush();
    // Flushes and closes; false when a write failed (see Error()).
    bool Close();
    // Closes and deletes the file: for one whose writing failed.
    void Discard();

    bool Failed() const { return !m_error.empty(); }
    const std::string& Error() const { return m_error; }
    const std::string& Path() const { return m_path; }

  private:
    int m_fd = -1;
    std::string m_path;
    std::string m_buffer;
    std::string m_error;
};

// True when a regular file of that name can be opened for reading while
// nobody holds it for writing.
bool CanOpenForReading(const std::string& path);

}  // namespace qorvix
