// Messages and questions of the batch run, on the terminal: messages go to
// standard error with the program's name in front; a question is asked when
// standard input is a terminal, and otherwise answered with its default.
#pragma once

#include <cstdio>
#include <string>

#include "cobolgen/prompter.h"

namespace qorvix {

class ConsolePrompter final : public Prompter {
  public:
    ConsolePrompter(std::string programName, std::FILE* in = stdin, std::FILE* out = stderr,
                    bool interactive = true);
    Answer Show(const Message& message) override;

  private:
    std::string m_programName;
    std::FILE* m_in;
    std::FILE* m_out;
    bool m_interactive;
};

}  // namespace qorvix
