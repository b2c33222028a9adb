#include "app/console_prompter.h"

#include <unistd.h>
#include <algorithm>
#include <climits>
#include <cwchar>
#include <cwctype>
#include <vector>

#include "resources/string_table.h"

namespace qorvix {
namespace {

// The line that says a question took its default, in the user's language.
int AnsweredId(Answer answer) {
    switch (answer) {
        case Answer::Ok:
            return IDS_ANSWERED_OK;
        case Answer::Cancel:
            return IDS_ANSWERED_CANCEL;
        case Answer::Yes:
        case Answer::YesToAll:
            return IDS_ANSWERED_YES;
        case Answer::No:
        case Answer::NoToAll:
            return IDS_ANSWERED_NO;
    }
    return IDS_ANSWERED_OK;
}

// The first character of `text` in the locale's character set; a byte the
// locale cannot read counts as one.
std::string FirstCharacter(std::string_view text) {
    if (text.empty()) return {};
    std::mbstate_t state{};
    std::size_t length = std::mbrlen(text.data(), text.size(), &state);
    if (length == 0 || length > text.size()) length = 1;
    return std::string(text.substr(0, length));
}

// A letter in lower case, as the locale folds it. A full-width Latin letter
// (typed with a Chinese, Japanese or Korean input method on) is its ASCII
// letter.
std::string LowerLetter(const std::string& letter) {
    std::mbstate_t state{};
    wchar_t wide = 0;
    if (letter.empty() ||
        std::mbrtowc(&wide, letter.data(), letter.size(), &state) != letter.size())
        return letter;
    if (wide >= 0xFF01 && wide <= 0xFF5E) wide -= 0xFEE0;
    char bytes[MB_LEN_MAX];
    state = {};
    std::size_t length = std::wcrtomb(bytes, static_cast<wchar_t>(std::towlower(wide)), &state);
    return length == static_cast<std::size_t>(-1) ? letter : std::string(bytes, length);
}

// One answer of a question on the terminal: its text, and the letters that
// give it (the translation's, and the built-in one).
struct Choice {
    Answer answer;
    std::string text;
    std::string letter;
    std::string builtInLetter;
};

// Splits an answer's text at its "&": the text without the marker ("&&"
// stands for "&"), and the marked letter in lower case (empty: none). A
// letter in brackets after the text ("はい(&Y)", as Chinese, Japanese and
// Korean texts mark it) is left out of the text, since the prompt shows the
// letter anyway.
void SplitMarked(std::string_view marked, std::string& text, std::string& letter) {
    text.clear();
    letter.clear();
    for (std::size_t i = 0; i < marked.size(); ++i) {
        if (letter.empty() && marked.substr(i, 2) == "(&" && i + 3 < marked.size() &&
            marked[i + 3] == ')' && static_cast<unsigned char>(marked[i + 2]) < 0x80) {
            letter = LowerLetter(std::string(1, marked[i + 2]));
            while (!text.empty() && text.back() == ' ')
                text.pop_back();
            i += 3;
        } else if (marked[i] != '&' || i + 1 == marked.size()) {
            text += marked[i];
        } else if (marked[i + 1] == '&') {
            text += '&';
            ++i;
        } else if (letter.empty()) {
            letter = LowerLetter(FirstCharacter(marked.substr(i + 1)));
        }
    }
}

std::vector<Choice> ChoicesOf(MessageButtons buttons) {
    std::vector<std::pair<Answer, int>> answers;
    switch (buttons) {
        case MessageButtons::Ok:
        case MessageButtons::OkCancel:
            answers = {{Answer::Ok, IDS_CONSOLE_OK}, {Answer::Cancel, IDS_CONSOLE_CANCEL}};
            break;
        case MessageButtons::YesNo:
            answers = {{Answer::Yes, IDS_CONSOLE_YES}, {Answer::No, IDS_CONSOLE_NO}};
            break;
        case MessageButtons::YesNoToAll:
            answers = {{Answer::Yes, IDS_CONSOLE_YES},
                       {Answer::No, IDS_CONSOLE_NO},
                       {Answer::YesToAll, IDS_CONSOLE_YES_TO_ALL},
                       {Answer::NoToAll, IDS_CONSOLE_NO_TO_ALL}};
            break;
    }
    std::vector<Choice> choices;
    for (auto [answer, id] : answers) {
        Choice choice{answer, {}, {}, {}};
        std::string builtInText;
        SplitMarked(LoadString(id), choice.text, choice.letter);
        SplitMarked(BuiltInStrings().Load(id), builtInText, choice.builtInLetter);
        choices.push_back(std::move(choice));
    }
    return choices;
}

// The answer a reply gives: by its first letter, the translation's letters
// first; null when no answer has that letter.
const Choice* ChoiceOfReply(const std::vector<Choice>& choices, std::string_view reply) {
    std::string letter = LowerLetter(FirstCharacter(reply));
    for (const Choice& choice : choices) {
        if (!choice.letter.empty() && choice.letter == letter) return &choice;
    }
    for (const Choice& choice : choices) {
        if (!choice.builtInLetter.empty() && choice.builtInLetter == letter) return &choice;
    }
    return nullptr;
}

std::string Prompt(const std::vector<Choice>& choices, Answer defaultAnswer) {
    std::string list;
    std::string defaultText;
    for (const Choice& choice : choices) {
        if (!list.empty()) list += "/";
        list += FormatString(IDS_CONSOLE_CHOICE, choice.text,
                             choice.letter.empty() ? choice.builtInLetter : choice.letter);
        if (choice.answer == defaultAnswer) defaultText = choice.text;
    }
    return FormatString(IDS_CONSOLE_PROMPT, list, defaultText);
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
    if (!m_interactive) {
        std::fprintf(m_out, "%s: %s\n", m_programName.c_str(),
                     LoadString(AnsweredId(message.defaultAnswer)).c_str());
        return message.defaultAnswer;
    }
    std::vector<Choice> choices = ChoicesOf(message.buttons);
    std::string prompt = Prompt(choices, message.defaultAnswer);
    // A reply no answer has a letter for asks again.
    for (;;) {
        std::fputs(prompt.c_str(), m_out);
        std::fflush(m_out);
        char line[256];
        if (!std::fgets(line, sizeof line, m_in)) {
            std::fputs("\n", m_out);
            return message.defaultAnswer;
        }
        std::string_view reply(line);
        // The rest of a long line is part of this reply, not the next.
        if (!reply.empty() && reply.back() != '\n') {
            int c;
            while ((c = std::fgetc(m_in)) != EOF && c != '\n') {
            }
        }
        reply.remove_prefix(std::min(reply.find_first_not_of(" \t"), reply.size()));
        if (reply.empty() || reply[0] == '\n') return message.defaultAnswer;
        if (const Choice* choice = ChoiceOfReply(choices, reply)) return choice->answer;
    }
}

}  // namespace qorvix
