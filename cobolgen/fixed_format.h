// Generated source in fixed format: the compiler reads a code line only up
// to column 72.
#pragma once

#include <string>
#include <string_view>

#include "cobolgen/output_file.h"

namespace qorvix {

constexpr std::size_t kLastCodeColumn = 72;

// A code line that passes column 72, broken at blanks outside literals onto
// continuation lines that start after `indent` blanks; a literal after VALUE
// or "&" that cannot fit is split into literals joined with " & ". Comment
// lines, and code lines that fit, come back as they are. No line end in or
// out.
std::string FitCodeLine(std::string_view line, std::size_t indent);

// Passes generated text to a file line by line, each code line fitted.
// Text may arrive in pieces; a line goes out, with CR LF, once its "\n"
// has come.
class FixedFormatText {
  public:
    FixedFormatText(OutputFile& file, std::size_t indent) : m_file(file), m_indent(indent) {}
    void Write(std::string_view text);
    // Writes a last line that never got its "\n" (none should be left).
    void Finish();

  private:
    void WriteLine(std::string_view line);

    OutputFile& m_file;
    std::size_t m_indent;
    std::string m_pending;
};

}  // namespace qorvix
