// The program's message texts, by their string-table ids. A translation
// (loaded by the desktop front end) can take the place of the built-in
// English table.
#pragma once

#include <string>
#include <string_view>

namespace qorvix {

enum StringId : int {
    IDS_ABOUTBOX = 101,
    IDS_FILE_EXISTS = 102,
    IDS_CANNOT_WRITE = 103,
    IDS_ALREADY_OPEN = 104,
    IDS_CANNOT_LOAD = 105,
    IDS_PROJECT_DIRECTORY = 106,
    IDS_NO_PROJECT = 107,
    IDS_USAGE = 108,
    IDS_BAD_OPTION = 109,
    IDS_DESCRIPTION = 110,
    IDS_VERSION = 111,
    // Message 103 carries the system's reason as %2, on a line of its own;
    // message 105 the file (%1) and the reader's reason (%2).
    // Beyond the original table: a write that failed part way, with the
    // system's reason as %2.
    IDS_WRITE_FAILED = 120,
    // The batch run's last message when files it was to write were not
    // written; %1 is their number.
    IDS_FILES_NOT_WRITTEN = 121,
    // A question answered with its default because standard input is not a
    // terminal, one line per answer.
    IDS_ANSWERED_OK = 122,
    IDS_ANSWERED_CANCEL = 123,
    IDS_ANSWERED_YES = 124,
    IDS_ANSWERED_NO = 125,
    // After a failure that every file in the folder would meet: how many
    // more files it cost (%1), on a line below the failure.
    IDS_FILES_SKIPPED = 126,
    // The reason a pipe, socket or device is not written to.
    IDS_NOT_REGULAR_FILE = 127,
    // The reason a copy-file name with a control character is refused.
    IDS_CONTROL_NAME = 128,
    // A file whose free name another run took, with a whole file, while
    // this run wrote its own.
    IDS_WRITTEN_BY_OTHER_RUN = 140,
    // IDS_WRITE_FAILED for a file that did not exist before.
    IDS_WRITE_FAILED_NEW = 141,
    // The terminal's answers, each with the letter that gives it marked by
    // "&" (as an accelerator is): a translation's letters count, and the
    // built-in ones too unless another answer of the question has them.
    IDS_CONSOLE_YES = 142,
    IDS_CONSOLE_NO = 143,
    IDS_CONSOLE_YES_TO_ALL = 144,
    IDS_CONSOLE_NO_TO_ALL = 145,
    IDS_CONSOLE_OK = 146,
    IDS_CONSOLE_CANCEL = 147,
    // One answer in the prompt: %1 the answer, %2 its letter.
    IDS_CONSOLE_CHOICE = 148,
    // The prompt: %1 the answers, each as IDS_CONSOLE_CHOICE, between "/";
    // %2 the default answer.
    IDS_CONSOLE_PROMPT = 149,
    // The reader's reasons a library cannot be loaded (message 105's %2), in
    // the order of typelib/reasons.h: IDS_REASON_FIRST + i is its i-th. A
    // reason's variable part is "%1".
    IDS_REASON_FIRST = 200,
    IDS_REASON_LAST = 244,
};

class StringTable {
  public:
    virtual ~StringTable() = default;
    // The text for `id`, or empty when the table has none.
    virtual std::string Load(int id) const = 0;
};

// The built-in English texts.
const StringTable& BuiltInStrings();
// The table in use: a translation when one is set, else the built-in one.
const StringTable& Strings();
void SetStrings(const StringTable* table);  // null: back to the built-in table

std::string LoadString(int id);
// The text of `id` with "%1" replaced by `arg1` (and "%2" by `arg2`).
std::string FormatString(int id, std::string_view arg1, std::string_view arg2 = {});
// The same for a text of its own.
std::string FormatText(std::string_view pattern, std::string_view arg1, std::string_view arg2 = {});
// The reader's reason (in English) in the language of the table in use: the
// translation of the reason text it matches, with that text's variable
// parts; a reason the table does not know (the system's own text) as it is.
std::string TranslateReason(std::string_view reason);

}  // namespace qorvix
