#include "app/console_prompter.h"

#include <unistd.h>
#include <cctype>

#include "resources/string_table.h"

namespace qorvix {
namespace {

const char* AnswerName(Answer answer) {
    switch (answer) {
        case Answer::Ok:
            return "OK";
        case Answer::Cancel:
            return "Cancel";
        case Answer::Yes:
            return "Yes";
        case Answer::No:
            return "No";
    }
    return "";
}

// The line that says a question took its default, in the user's language.
int AnsweredId(Answer answer) {
    switch (answer) {
        case Answer::Ok:
            return IDS_ANSWERED_OK;
        case Answer::Cancel:
            return IDS_ANSWERED_CANCEL;
        case Answer::Yes:
            return IDS_ANSWERED_YES;
        case Answer::No:
            return IDS_ANSWERED_NO;
    }
    return IDS_ANSWERED_OK;
}

}  // namespace

ConsolePrompter::ConsolePrompter(std::string programName, std::FILE* in, std::FILE* out,
                                 bool interactive)
    : m_programName(std::move(programName)),
      m_in(in),
      m_out(out),
      m_interactive(interactive && in && isatty(fileno(in))) {}

Answer ConsolePrompter::Show(const Message& message) {
    std::fprintf(m_out, "%s: %s\n", m_programName.c_str(), message.text.c_str());
    if (message.buttons == MessageButtons::Ok) return Answer::Ok;
    bool yesNo = message.buttons == MessageButtons::YesNo;
    Answer first = yesNo ? Answer::Yes : Answer::Ok;
    Answer second = yesNo ? Answer::No : Answer::Cancel;
    if (!m_interactive) {
        std::fprintf(m_out, "%s: %s\n", m_programName.c_str(),
                     LoadString(AnsweredId(message.defaultAnswer)).c_str());
        return message.defaultAnswer;
    }
    for (;;) {
        std::fprintf(m_out, "%s/%s [%s]? ", AnswerName(first), AnswerName(second),
                     AnswerName(message.defaultAnswer));
        std::fflush(m_out);
        char line[64];
        if (!std::fgets(line, sizeof line, m_in)) {
            std::fprintf(m_out, "\n");
            return message.defaultAnswer;
        }
        char c = static_cast<char>(std::tolower(static_cast<unsigned char>(line[0])));
        if (c == '\n' || c == '\0') return message.defaultAnswer;
        if (yesNo && c == 'y') return Answer::Yes;
        if (yesNo && c == 'n') return Answer::No;
        if (!yesNo && c == 'o') return Answer::Ok;
        if (!yesNo && c == 'c') return Answer::Cancel;
    }
}

}  // namespace qorvix
