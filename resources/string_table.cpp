#include "resources/string_table.h"

#include <iterator>
#include <map>

#include "typelib/reasons.h"

namespace qorvix {
namespace {

// The reader's reasons have their ids in the order of reason::kAll.
static_assert(std::size(reason::kAll) == IDS_REASON_LAST - IDS_REASON_FIRST + 1);

class EnglishStrings final : public StringTable {
  public:
    std::string Load(int id) const override {
        static const std::map<int, std::string> kTexts = {
            {IDS_ABOUTBOX, "&About qorvix..."},
            {IDS_FILE_EXISTS, "The file\n'%1'\nalready exists. Do you want to overwrite it?"},
            {IDS_CANNOT_WRITE,
             "The file\n'%1'\ncan not be written to. Please check the file name and path are "
             "correct and do not point to a read-only file.\n%2"},
            {IDS_ALREADY_OPEN, "The file\n'%1'\nis already open!"},
            {IDS_CANNOT_LOAD, "The type library could not be loaded.\n'%1': %2"},
            {IDS_PROJECT_DIRECTORY, "All files will be generated in the project directory\n'%1'"},
            {IDS_NO_PROJECT, "No project found. Continue to generate files?"},
            {IDS_USAGE,
             "Usage: qorvix [-i[d]] [-p] [-o<file>] <typelib>\n  -id Generate (Dual) Interface "
             "files\n  -p Add copy file to Orbanel project\n  -o<file> Copy file to generate"},
            {IDS_BAD_OPTION,
             "The option '%1' is not a valid option.\nUse qorvix -? to view a list of valid "
             "options."},
            {IDS_DESCRIPTION, "Description"},
            {IDS_VERSION, "Ver"},
            {IDS_WRITE_FAILED,
             "The file\n'%1'\ncould not be written completely: %2\nThe file has been left as it "
             "was."},
            {IDS_FILES_NOT_WRITTEN, "Files not written: %1"},
            {IDS_ANSWERED_OK, "answered OK (standard input is not a terminal)"},
            {IDS_ANSWERED_CANCEL, "answered Cancel (standard input is not a terminal)"},
            {IDS_ANSWERED_YES, "answered Yes (standard input is not a terminal)"},
            {IDS_ANSWERED_NO, "answered No (standard input is not a terminal)"},
            {IDS_FILES_SKIPPED, "Files not written for the same reason: %1"},
            {IDS_NOT_REGULAR_FILE, "Not a regular file"},
            {IDS_CONTROL_NAME, "The name holds a control character"},
            {IDS_WRITTEN_BY_OTHER_RUN,
             "The file\n'%1'\nwas written completely by another run at the same time.\nThat "
             "run's file has been kept."},
            {IDS_WRITE_FAILED_NEW,
             "The file\n'%1'\ncould not be written completely: %2\nThe file has not been "
             "written."},
            {IDS_CONSOLE_YES, "&Yes"},
            {IDS_CONSOLE_NO, "&No"},
            {IDS_CONSOLE_YES_TO_ALL, "Yes to &All"},
            {IDS_CONSOLE_NO_TO_ALL, "N&o to All"},
            {IDS_CONSOLE_OK, "&OK"},
            {IDS_CONSOLE_CANCEL, "&Cancel"},
            {IDS_CONSOLE_CHOICE, "%1 (%2)"},
            {IDS_CONSOLE_PROMPT, "%1 [%2]? "},
        };
        if (id >= IDS_REASON_FIRST && id <= IDS_REASON_LAST)
            return reason::kAll[id - IDS_REASON_FIRST];
        auto it = kTexts.find(id);
        return it == kTexts.end() ? std::string() : it->second;
    }
};

const StringTable* g_translation = nullptr;

// Whether `text` is `pattern` with its placeholders ("%1", "%2") standing
// for non-empty parts, which go into `parts`.
bool Matches(std::string_view pattern, std::string_view text, std::string (&parts)[2]) {
    std::size_t at = pattern.find('%');
    while (at != std::string_view::npos &&
           (at + 1 >= pattern.size() || (pattern[at + 1] != '1' && pattern[at + 1] != '2')))
        at = pattern.find('%', at + 1);
    if (at == std::string_view::npos) return pattern == text;
    if (text.substr(0, at) != pattern.substr(0, at)) return false;
    std::string& part = parts[pattern[at + 1] - '1'];
    std::string_view rest = pattern.substr(at + 2);
    for (std::size_t length = 1; at + length <= text.size(); ++length) {
        if (Matches(rest, text.substr(at + length), parts)) {
            part = text.substr(at, length);
            return true;
        }
    }
    return false;
}

}  // namespace

const StringTable& BuiltInStrings() {
    static const EnglishStrings kEnglish;
    return kEnglish;
}

const StringTable& Strings() {
    return g_translation ? *g_translation : BuiltInStrings();
}

void SetStrings(const StringTable* table) {
    g_translation = table;
}

std::string LoadString(int id) {
    std::string text = Strings().Load(id);
    return text.empty() ? BuiltInStrings().Load(id) : text;
}

std::string FormatString(int id, std::string_view arg1, std::string_view arg2) {
    return FormatText(LoadString(id), arg1, arg2);
}

std::string FormatText(std::string_view pattern, std::string_view arg1, std::string_view arg2) {
    // One pass, so that a placeholder inside an argument stays as it is.
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() &&
            (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            text += pattern[i + 1] == '1' ? arg1 : arg2;
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string TranslateReason(std::string_view reason) {
    // A text without placeholders first: "...resource (it may be packed)"
    // is not "...resource %1".
    for (bool exact : {true, false}) {
        for (int id = IDS_REASON_FIRST; id <= IDS_REASON_LAST; ++id) {
            std::string english = BuiltInStrings().Load(id);
            std::string parts[2];
            if ((english.find('%') == std::string::npos) != exact) continue;
            if (Matches(english, reason, parts))
                return FormatText(LoadString(id), parts[0], parts[1]);
        }
    }
    return std::string(reason);
}

}  // namespace qorvix
