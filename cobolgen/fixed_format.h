// Generated source in fixed format: the compiler reads a code line only up
// to column 72.
#pragma once

#include <cstring>
#include <memory>
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
// Text may arrive in pieces; a line is complete, with CR LF, once its "\n"
// has come. Complete lines reach the sink in large pieces, all of them by
// Finish. Without a sink, text goes nowhere.
class FixedFormatText {
  public:
    explicit FixedFormatText(std::size_t indent) : m_indent(indent) {}
    // Where the next lines go; a line still pending is dropped.
    void SetSink(TextSink* sink);
    bool HasSink() const { return m_sink != nullptr; }
    void Write(std::string_view text);
    // Lines a text of the same indent made (its sink's bytes), passed on as
    // they are; only where no line is pending.
    bool AtLineStart() const { return m_pending.empty(); }
    void WriteMade(std::string_view bytes) {
        if (!m_sink) return;
        Append(bytes.data(), bytes.size());
        if (m_used >= kPassAt) Pass();
    }
    // Hands every line to the sink, and a last one that never got its "\n"
    // (none should be left).
    void Finish();

  private:
    void WriteLine(std::string_view line);
    // Lines FitCodeLine has joined with "\n", the last without its end.
    void WriteFitted(std::string_view lines);
    void Pass();
    // Appends to the complete lines: a buffer of its own, since every line
    // of a generation passes through here.
    void Append(const char* bytes, std::size_t size) {
        if (size > m_room - m_used) Grow(size);
        std::memcpy(m_lines.get() + m_used, bytes, size);
        m_used += size;
    }
    void Grow(std::size_t size);

    static constexpr std::size_t kPassAt = 1 << 16;  // bytes handed to the sink at once

    TextSink* m_sink = nullptr;
    std::size_t m_indent;
    std::string m_pending;
    std::unique_ptr<char[]> m_lines;  // complete lines the sink has not had yet
    std::size_t m_used = 0;
    std::size_t m_room = 0;
};

}  // namespace qorvix
