// Generated source in fixed format: the compiler reads a code line only up
// to column 72.
#pragma once

#include <string>
#include <string_view>

#include "cobolgen/text_sink.h"

namespace qorvix {

constexpr std::size_t kLastCodeColumn = 72;

// A code line that passes column 72, broken at blanks outside literals onto
// continuation lines that start after `indent` blanks; a literal after VALUE
// or "&" that cannot fit is split into literals joined with " & ". Comment
// lines, and code lines that fit, come back as they are. No line end in or
// out.
std::string FitCodeLine(std::string_view line, std::size_t indent);

// Passes generated text to a sink line by line, each code line fitted.
// Text may arrive in pieces; a line goes out, with CR LF, once its "\n"
// has come. Without a sink, text goes nowhere.
class FixedFormatText {
  public:
    explicit FixedFormatText(std::size_t indent) : m_indent(indent) {}
    // Where the next lines go; a line still pending is dropped.
    void SetSink(TextSink* sink) {
        m_sink = sink;
        m_pending.clear();
    }
    bool HasSink() const { return m_sink != nullptr; }
    void Write(std::string_view text);
    // Writes a last line that never got its "\n" (none should be left).
    void Finish();

  private:
    void WriteLine(std::string_view line);
    // Lines FitCodeLine has joined with "\n", the last without its end.
    void WriteFitted(std::string_view lines);

    TextSink* m_sink = nullptr;
    std::size_t m_indent;
    std::string m_pending;
};

}  // namespace qorvix
