#include "ui/translations.h"

#include <utility>

namespace qorvix {
namespace {

// The string table's texts, for the translation tools; a test checks that
// these are the built-in texts.
const char* const kStringTableSources[] = {
    QT_TRANSLATE_NOOP("StringTable", "&About qorvix..."),
    QT_TRANSLATE_NOOP("StringTable",
                      "The file\n'%1'\nalready exists. Do you want to overwrite it?"),
    QT_TRANSLATE_NOOP(
        "StringTable",
        "The file\n'%1'\ncan not be written to. Please check the file name and path are "
        "correct and do not point to a read-only file.\n%2"),
    QT_TRANSLATE_NOOP("StringTable", "The file\n'%1'\nis already open!"),
    QT_TRANSLATE_NOOP("StringTable", "The type library could not be loaded.\n'%1': %2"),
    QT_TRANSLATE_NOOP("StringTable", "All files will be generated in the project directory\n'%1'"),
    QT_TRANSLATE_NOOP("StringTable", "No project found. Continue to generate files?"),
    QT_TRANSLATE_NOOP(
        "StringTable",
        "Usage: qorvix [-i[d]] [-p] [-o<file>] <typelib>\n  -id Generate (Dual) Interface "
        "files\n  -p Add copy file to Orbanel project\n  -o<file> Copy file to generate"),
    QT_TRANSLATE_NOOP(
        "StringTable",
        "The option '%1' is not a valid option.\nUse qorvix -? to view a list of valid "
        "options."),
    QT_TRANSLATE_NOOP("StringTable", "Description"),
    QT_TRANSLATE_NOOP("StringTable", "Ver"),
    QT_TRANSLATE_NOOP("StringTable",
                      "The file\n'%1'\ncould not be written completely: %2\nThe file has been left "
                      "as it was."),
    QT_TRANSLATE_NOOP("StringTable", "Files not written: %1"),
    QT_TRANSLATE_NOOP("StringTable", "answered OK (standard input is not a terminal)"),
    QT_TRANSLATE_NOOP("StringTable", "answered Cancel (standard input is not a terminal)"),
    QT_TRANSLATE_NOOP("StringTable", "answered Yes (standard input is not a terminal)"),
    QT_TRANSLATE_NOOP("StringTable", "answered No (standard input is not a terminal)"),
    QT_TRANSLATE_NOOP("StringTable", "Files not written for the same reason: %1"),
    QT_TRANSLATE_NOOP("StringTable", "Not a regular file"),
    QT_TRANSLATE_NOOP("StringTable", "The name holds a control character"),
    QT_TRANSLATE_NOOP("StringTable",
                      "The file\n'%1'\nwas written completely by another run at the same "
                      "time.\nThat run's file has been kept."),
    QT_TRANSLATE_NOOP("StringTable",
                      "The file\n'%1'\ncould not be written completely: %2\nThe file has not "
                      "been written."),
    QT_TRANSLATE_NOOP("StringTable", "&Yes"),
    QT_TRANSLATE_NOOP("StringTable", "&No"),
    QT_TRANSLATE_NOOP("StringTable", "Yes to &All"),
    QT_TRANSLATE_NOOP("StringTable", "N&o to All"),
    QT_TRANSLATE_NOOP("StringTable", "&OK"),
    QT_TRANSLATE_NOOP("StringTable", "&Cancel"),
    QT_TRANSLATE_NOOP("StringTable", "%1 (%2)"),
    QT_TRANSLATE_NOOP("StringTable", "%1 [%2]? "),
};

}  // namespace

QString QtLanguageOfSatellite(const QString& extension) {
    static const std::pair<const char*, const char*> kLanguages[] = {
        {"chs", "zh_CN"}, {"cht", "zh_TW"}, {"deu", "de"}, {"esp", "es"},
        {"fra", "fr"},    {"ita", "it"},    {"jpn", "ja"}, {"kor", "ko"},
    };
    for (const auto& [satellite, language] : kLanguages) {
        if (extension.compare(QLatin1String(satellite), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(language);
    }
    return {};
}

QStringList StringTableSources() {
    QStringList sources;
    for (const char* text : kStringTableSources)
        sources << QString::fromLatin1(text);
    return sources;
}

}  // namespace qorvix
