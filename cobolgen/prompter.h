// How the writer talks to the user: it hands messages and questions to a
// prompter, which shows them as message boxes, on a terminal, or to a test.
#pragma once

#include <string>
#include <utility>

namespace qorvix {

enum class MessageIcon { None, Information, Question, Warning };
// YesNoToAll: Yes and No, and beside them answers for this question and
// every like question after it in the same generation.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoToAll };
enum class Answer { Ok, Cancel, Yes, No, YesToAll, NoToAll };

struct Message {
    int id = 0;  // string-table id
    std::string text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    Answer defaultAnswer = Answer::Ok;
    bool foreground = false;  // bring the box to the front
};

// Message `id` with its text, shown with `icon` and an OK button.
inline Message MakeMessage(int id, std::string text, MessageIcon icon = MessageIcon::None) {
    Message message;
    message.id = id;
    message.text = std::move(text);
    message.icon = icon;
    return message;
}

class Prompter {
  public:
    virtual ~Prompter() = default;
    // Shows the message and returns the user's answer (Ok for an OK box).
    virtual Answer Show(const Message& message) = 0;
};

}  // namespace qorvix
