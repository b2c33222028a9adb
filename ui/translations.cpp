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
    // The reader's reasons a library cannot be loaded.
    QT_TRANSLATE_NOOP("StringTable", "the file is empty"),
    QT_TRANSLATE_NOOP("StringTable", "not a type library (unknown file signature)"),
    QT_TRANSLATE_NOOP("StringTable", "is a directory"),
    QT_TRANSLATE_NOOP("StringTable", "is a named pipe, not a file"),
    QT_TRANSLATE_NOOP("StringTable", "is a socket, not a file"),
    QT_TRANSLATE_NOOP("StringTable", "is a device, not a file"),
    QT_TRANSLATE_NOOP("StringTable", "not a regular file"),
    QT_TRANSLATE_NOOP("StringTable", "larger than %1 MiB; not read as a type library"),
    QT_TRANSLATE_NOOP("StringTable", "the file kept changing while it was read"),
    QT_TRANSLATE_NOOP("StringTable", "the file is too short for an executable header"),
    QT_TRANSLATE_NOOP("StringTable", "the executable header points outside the file"),
    QT_TRANSLATE_NOOP("StringTable", "a 16-bit module, not supported"),
    QT_TRANSLATE_NOOP("StringTable", "not a Windows PE image"),
    QT_TRANSLATE_NOOP("StringTable", "truncated PE header"),
    QT_TRANSLATE_NOOP("StringTable", "unknown PE optional-header magic"),
    QT_TRANSLATE_NOOP("StringTable", "truncated PE optional header"),
    QT_TRANSLATE_NOOP("StringTable", "truncated PE data directory"),
    QT_TRANSLATE_NOOP("StringTable", "the PE section table runs past the end of the file"),
    QT_TRANSLATE_NOOP("StringTable", "the resource directory lies outside the file"),
    QT_TRANSLATE_NOOP("StringTable", "the file has no TYPELIB resource %1"),
    QT_TRANSLATE_NOOP("StringTable", "malformed resource directory"),
    QT_TRANSLATE_NOOP("StringTable", "malformed resource data entry"),
    QT_TRANSLATE_NOOP("StringTable", "the TYPELIB resource lies outside the file"),
    QT_TRANSLATE_NOOP("StringTable", "this is a .NET assembly; it contains no type library"),
    QT_TRANSLATE_NOOP("StringTable", "the file has no TYPELIB resource (it may be packed)"),
    QT_TRANSLATE_NOOP("StringTable",
                      "the TYPELIB resource holds neither an MSFT nor an SLTG type library"),
    QT_TRANSLATE_NOOP("StringTable", "truncated MSFT header"),
    QT_TRANSLATE_NOOP("StringTable", "impossible type count"),
    QT_TRANSLATE_NOOP("StringTable", "a segment lies outside the library"),
    QT_TRANSLATE_NOOP("StringTable", "truncated SLTG header"),
    QT_TRANSLATE_NOOP("StringTable", "truncated SLTG directory"),
    QT_TRANSLATE_NOOP("StringTable", "not an SLTG stream directory"),
    QT_TRANSLATE_NOOP("StringTable", "the SLTG block chain is broken"),
    QT_TRANSLATE_NOOP("StringTable", "an SLTG block lies outside the library"),
    QT_TRANSLATE_NOOP("StringTable", "an SLTG block name is not terminated"),
    QT_TRANSLATE_NOOP("StringTable", "the SLTG block chain does not end with the library block"),
    QT_TRANSLATE_NOOP("StringTable", "bad SLTG library block"),
    QT_TRANSLATE_NOOP("StringTable", "the SLTG type count is wrong"),
    QT_TRANSLATE_NOOP("StringTable", "bad SLTG type entries"),
    QT_TRANSLATE_NOOP("StringTable", "an SLTG type entry names the wrong block"),
    QT_TRANSLATE_NOOP("StringTable", "unknown SLTG name-table preamble"),
    QT_TRANSLATE_NOOP("StringTable", "the SLTG name table lies outside the library block"),
    QT_TRANSLATE_NOOP("StringTable", "no file is registered for this version"),
    QT_TRANSLATE_NOOP("StringTable", "no such file in the Wine prefix"),
    QT_TRANSLATE_NOOP("StringTable", "no registry"),
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
