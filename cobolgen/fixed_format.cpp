#include "cobolgen/fixed_format.h"

#include <algorithm>
#include <vector>

#include "platform/locale_text.h"

namespace qorvix {
namespace {

// A run of text between blanks; the blanks inside a literal belong to it.
struct Token {
    std::size_t begin = 0;
    std::size_t end = 0;
};

// The tokens of a code line up to a floating comment ("*>" outside a
// literal), and where that comment starts (npos without one).
std::vector<Token> Tokenize(std::string_view line, std::size_t& comment) {
    std::vector<Token> tokens;
    comment = std::string_view::npos;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ') {
            ++i;
            continue;
        }
        if (line.compare(i, 2, "*>") == 0) {
            comment = i;
            break;
        }
        Token token{i, i};
        bool inLiteral = false;
        while (i < line.size() && (inLiteral || line[i] != ' ')) {
            if (line[i] == '"') {
                if (!inLiteral) {
                    inLiteral = true;
                } else if (i + 1 < line.size() && line[i + 1] == '"') {
                    ++i;  // a quote inside the literal, doubled
                } else {
                    inLiteral = false;
                }
            }
            ++i;
        }
        token.end = i;
        tokens.push_back(token);
    }
    return tokens;
}

bool IsWord(std::string_view token, std::string_view word) {
    if (token.size() != word.size()) return false;
    for (std::size_t i = 0; i < token.size(); ++i) {
        char c = token[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != word[i]) return false;
    }
    return true;
}

// The parts of a literal token: x"...", z"..." or "...", and what follows
// its closing quote (a period).
struct Literal {
    char kind = 0;  // 0, 'x' or 'z'
    std::string_view body;
    std::string_view trailer;
};

bool ParseLiteral(std::string_view token, Literal& literal) {
    std::size_t open = 0;
    if (token.size() > 1 && token[1] == '"') {
        char k = token[0];
        if (k == 'x' || k == 'X') literal.kind = 'x';
        if (k == 'z' || k == 'Z') literal.kind = 'z';
        if (literal.kind == 0) return false;
        open = 1;
    } else if (token.empty() || token[0] != '"') {
        return false;
    }
    std::size_t i = open + 1;
    for (; i < token.size(); ++i) {
        if (token[i] != '"') continue;
        if (i + 1 < token.size() && token[i + 1] == '"') {
            ++i;
            continue;
        }
        break;
    }
    if (i >= token.size()) return false;  // never closed
    literal.body = token.substr(open + 1, i - open - 1);
    literal.trailer = token.substr(i + 1);
    return true;
}

// Splits a literal so that its first part, with " &" after it, takes at
// most `room` bytes. A z-literal keeps its zero on the last part; a split
// never falls inside a doubled quote, a character or a hexadecimal pair.
bool SplitLiteral(std::string_view token, std::size_t room, std::string& first,
                  std::string& second) {
    Literal literal;
    if (!ParseLiteral(token, literal)) return false;
    std::size_t opening = literal.kind == 'x' ? 2 : 1;
    if (room < opening + 1 + 2) return false;
    std::size_t bodyRoom = room - opening - 1 - 2;
    if (literal.body.size() <= 1) return false;
    if (bodyRoom >= literal.body.size()) bodyRoom = literal.body.size() - 1;
    std::string head;
    if (literal.kind == 'x') {
        head = std::string(literal.body.substr(0, bodyRoom - bodyRoom % 2));
    } else {
        head = CutToBytes(literal.body, bodyRoom);
        std::size_t quotes = 0;
        while (quotes < head.size() && head[head.size() - 1 - quotes] == '"')
            ++quotes;
        if (quotes % 2 != 0) head.pop_back();
    }
    if (head.empty()) return false;
    std::string_view tail = literal.body.substr(head.size());
    first = (literal.kind == 'x' ? "x\"" : "\"") + head + "\"";
    second = (literal.kind == 0 ? "" : std::string(1, literal.kind)) + "\"" + std::string(tail) +
             "\"" + std::string(literal.trailer);
    return true;
}

}  // namespace

std::string FitCodeLine(std::string_view line, std::size_t indent) {
    if (line.size() <= kLastCodeColumn) return std::string(line);
    // Comment lines, directives and continuation lines of the source's own.
    if (line.size() > 6 && line[6] != ' ') return std::string(line);
    std::size_t comment;
    std::vector<Token> tokens = Tokenize(line, comment);
    if (tokens.empty() || tokens.back().end <= kLastCodeColumn) return std::string(line);

    const std::string continuation(indent, ' ');
    std::string result;
    std::string rest(line.substr(0, tokens.back().end));
    std::string_view tail = line.substr(tokens.back().end);  // blanks and a comment
    bool literalGoesOn = false;  // the first token of `rest` is the rest of a split literal
    while (rest.size() > kLastCodeColumn) {
        std::size_t ignored;
        tokens = Tokenize(rest, ignored);
        std::size_t k = 0;
        while (tokens[k].end <= kLastCodeColumn)
            ++k;
        std::string_view view(rest);
        auto text = [&](std::size_t i) {
            return view.substr(tokens[i].begin, tokens[i].end - tokens[i].begin);
        };
        std::string_view token = text(k);
        bool joined =
            k > 0 ? IsWord(text(k - 1), "VALUE") || IsWord(text(k - 1), "&") : literalGoesOn;
        bool fitsBelow = indent + token.size() <= kLastCodeColumn;
        std::string first, second;
        if (joined && !fitsBelow && tokens[k].begin + 2 < kLastCodeColumn &&
            SplitLiteral(token, kLastCodeColumn - tokens[k].begin, first, second)) {
            result += rest.substr(0, tokens[k].begin) + first + " &\n";
            rest = continuation + second + rest.substr(tokens[k].end);
            literalGoesOn = true;
        } else if (k > 0) {
            result += rest.substr(0, tokens[k - 1].end) + "\n";
            rest = continuation + rest.substr(tokens[k].begin);
            literalGoesOn = false;
        } else {
            break;  // one word longer than a line: nothing to break
        }
    }
    return result + rest + std::string(tail);
}

void FixedFormatText::SetSink(TextSink* sink) {
    Pass();
    m_sink = sink;
    m_pending.clear();
}

void FixedFormatText::Grow(std::size_t size) {
    std::size_t room = std::max({kPassAt + 4096, 2 * m_room, m_used + size});
    auto lines = std::make_unique<char[]>(room);
    if (m_used) std::memcpy(lines.get(), m_lines.get(), m_used);
    m_lines = std::move(lines);
    m_room = room;
}

void FixedFormatText::Pass() {
    if (m_sink && m_used) m_sink->Write(std::string_view(m_lines.get(), m_used));
    m_used = 0;
}

void FixedFormatText::Write(std::string_view text) {
    if (!m_sink) return;
    const char* at = text.data();
    const char* end = at + text.size();
    while (at < end) {
        const auto* newline = static_cast<const char*>(std::memchr(at, '\n', end - at));
        if (!newline) {
            m_pending.append(at, end);
            break;
        }
        std::string_view line(at, static_cast<std::size_t>(newline - at));
        if (m_pending.empty()) {
            WriteLine(line);
        } else {
            m_pending.append(line);
            WriteLine(m_pending);
            m_pending.clear();
        }
        at = newline + 1;
    }
    if (m_used >= kPassAt) Pass();
}

void FixedFormatText::Finish() {
    if (!m_sink) return;
    if (!m_pending.empty()) {
        std::string last = FitCodeLine(m_pending, m_indent);
        m_pending.clear();
        WriteFitted(last);
    }
    Pass();
}

void FixedFormatText::WriteLine(std::string_view line) {
    if (line.size() <= kLastCodeColumn) {
        Append(line.data(), line.size());
    } else {
        WriteFitted(FitCodeLine(line, m_indent));
    }
    Append("\r\n", 2);
}

void FixedFormatText::WriteFitted(std::string_view lines) {
    for (std::size_t end; (end = lines.find('\n')) != std::string_view::npos;
         lines.remove_prefix(end + 1)) {
        Append(lines.data(), end);
        Append("\r\n", 2);
    }
    Append(lines.data(), lines.size());
}

}  // namespace qorvix
