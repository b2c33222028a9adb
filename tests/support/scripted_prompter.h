// A prompter that records every message and answers from a script.
#pragma once

#include <deque>
#include <vector>

#include "cobolgen/prompter.h"

namespace qorvix::test {

class ScriptedPrompter final : public Prompter {
  public:
    std::vector<Message> shown;
    std::deque<Answer> answers;  // empty: each question's default

    Answer Show(const Message& message) override {
        shown.push_back(message);
        if (message.buttons == MessageButtons::Ok) return Answer::Ok;
        if (answers.empty()) return message.defaultAnswer;
        Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<int> Ids() const {
        std::vector<int> ids;
        for (const Message& m : shown)
            ids.push_back(m.id);
        return ids;
    }
};

}  // namespace qorvix::test
