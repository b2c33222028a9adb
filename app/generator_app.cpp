#include "app/generator_app.h"

#include <strings.h>
#include <clocale>
#include <cstdlib>
#include <filesystem>

#include "platform/locale_text.h"
#include "resources/string_table.h"

namespace qorvix {
namespace {

// "-x" is always a switch. On Linux an absolute path also begins with "/",
// so "/x" is a switch only in the forms users type ("/?", "/help", "/i",
// "/id", "/p", "/oOut.cpy") and never with a second "/". Anything else is a
// path, whether it exists or not: a missing library must fail as one, not
// turn into a switch.
bool IsSwitch(const std::string& arg) {
    if (arg.empty()) return false;
    if (arg[0] == '-') return true;
    if (arg[0] != '/') return false;
    std::string rest = LowerAscii(std::string_view(arg).substr(1));
    if (rest.empty() || rest.find('/') != std::string::npos) return false;
    switch (rest[0]) {
        case '?':
        case 'p':
            return rest.size() == 1;
        case 'h':
            return rest == "h" || rest == "help";
        case 'i':
            return rest == "i" || rest == "id";
        case 'o':
            return true;
        default:
            return false;
    }
}

// An argument enclosed in double quotes loses its first and last characters.
std::string Unquote(const std::string& text) {
    if (text.empty() || text[0] != '"') return text;
    return text.size() >= 2 ? text.substr(1, text.size() - 2) : std::string();
}

// The locale that names the user's language: the messages category as the
// C library set it up from the environment. When the environment names a
// locale that is not installed, setting it fails; the language is then read
// from the environment itself (LC_ALL, LC_MESSAGES, LANG, in that order).
std::string MessagesLocaleName(bool environmentLocaleSet) {
    const char* current = std::setlocale(LC_MESSAGES, nullptr);
    std::string name = current ? current : "C";
    if (!environmentLocaleSet || name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0) {
        for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            const char* value = std::getenv(variable);
            if (value && *value) return value;
        }
    }
    return name;
}

}  // namespace

CGeneratorApp::CGeneratorApp() : CGeneratorApp(Services()) {}

CGeneratorApp::CGeneratorApp(Services services) : m_services(std::move(services)) {}

void CGeneratorApp::CheckIdeRegistered() {
    // Asked only by the runs that can use the IDE: a session bus that does
    // not answer must not slow down anything else.
    m_bIdeRegistered = m_services.ideRegistered ? m_services.ideRegistered() : false;
}

bool CGeneratorApp::StartDialogRun() {
    // The display first: without one the run ends at once, and a session
    // bus that never answers must not keep it waiting first.
    if (m_services.startDesktop && !m_services.startDesktop(*this)) {
        m_exitStatus = kExitFailed;
        return false;
    }
    CheckIdeRegistered();
    return true;
}

WriterServices CGeneratorApp::Writer() {
    WriterServices writer;
    writer.prompter = m_services.prompter;
    writer.progIds = m_services.progIds;
    writer.ide = m_services.ide;
    writer.ideRegistered = m_bIdeRegistered;
    writer.naming = &m_naming;
    writer.folder = &m_strGenerationFolder;
    writer.writeFile = m_services.writeFile;
    return writer;
}

std::optional<std::string> CGeneratorApp::FindLanguageExtension(std::string_view language) {
    static const std::pair<const char*, const char*> kTable[] = {
        {"chinese", "chs"},  {"chinese traditional", "cht"},
        {"german", "deu"},   {"spanish", "esp"},
        {"french", "fra"},   {"italian", "ita"},
        {"japanese", "jpn"}, {"korean", "kor"},
    };
    std::string lower = LowerAscii(language);
    for (const auto& [name, extension] : kTable) {
        if (lower == name) return std::string(extension);
    }
    return std::nullopt;
}

std::string CGeneratorApp::LanguageOfLocale(std::string_view localeName) {
    // ll_CC.codeset@modifier
    std::string name(localeName.substr(0, localeName.find_first_of(".@")));
    std::string language = LowerAscii(name.substr(0, name.find('_')));
    std::string country =
        name.find('_') == std::string::npos ? "" : name.substr(name.find('_') + 1);
    if (language == "zh") {
        return (country == "TW" || country == "HK" || country == "MO") ? "chinese traditional"
                                                                       : "chinese";
    }
    static const std::pair<const char*, const char*> kNames[] = {
        {"en", "english"}, {"de", "german"},  {"es", "spanish"},
        {"fr", "french"},  {"it", "italian"}, {"ja", "japanese"},
        {"ko", "korean"},  {"c", "english"},  {"posix", "english"},
    };
    for (const auto& [code, full] : kNames) {
        if (language == code) return full;
    }
    return language;
}

std::string CGeneratorApp::SatellitePath(const std::string& executablePath,
                                         const std::string& extension) {
    std::size_t slash = executablePath.find_last_of('/');
    std::size_t dot = executablePath.find_last_of('.');
    std::string base = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1)
                           ? executablePath.substr(0, dot)
                           : executablePath;
    return base + "." + extension;
}

Message CGeneratorApp::CannotLoadMessage(const std::string& file, const std::string& why) {
    // A file that could not be read comes back named in its reason.
    std::string reason = why;
    for (const std::string& named : {file, SplitTypeLibPath(file).file}) {
        if (reason.compare(0, named.size() + 2, named + ": ") == 0) {
            reason.erase(0, named.size() + 2);
            break;
        }
    }
    Message message;
    message.id = IDS_CANNOT_LOAD;
    message.text = FormatString(IDS_CANNOT_LOAD, file, reason);
    return message;
}

void CGeneratorApp::ShowMessage(int id, std::string_view arg) {
    Message message;
    message.id = id;
    message.text = FormatString(id, arg);
    if (m_services.prompter) m_services.prompter->Show(message);
}

int CGeneratorApp::Run(const std::vector<std::string>& args) {
    if (!args.empty() && !args[0].empty()) {
        m_programName = std::filesystem::path(args[0]).filename().string();
    }
    return InitInstance(args);
}

int CGeneratorApp::InitInstance(const std::vector<std::string>& args) {
    // The C library's locale from the environment: it decides the character
    // set of generated text and what counts as printable.
    bool localeSet = std::setlocale(LC_ALL, "") != nullptr;
    m_strLanguage = LanguageOfLocale(MessagesLocaleName(localeSet));
    if (m_strLanguage != "english" && m_services.loadSatellite &&
        !m_services.executablePath.empty()) {
        if (auto extension = FindLanguageExtension(m_strLanguage)) {
            m_services.loadSatellite(SatellitePath(m_services.executablePath, *extension));
        }
    }
    if (m_services.loadReservedWords) m_naming.SetReservedWordCheck(m_services.loadReservedWords());
    m_exitStatus = kExitGenerated;
    if (ParseCommandLine(args) && StartDialogRun()) {
        m_exitStatus = m_services.openMainDialog ? m_services.openMainDialog(*this) : kExitFailed;
    }
    return m_exitStatus;
}

bool CGeneratorApp::ParseCommandLine(const std::vector<std::string>& args) {
    std::optional<std::string> typeLib;
    std::string copyFile;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!IsSwitch(arg)) {
            typeLib = Unquote(arg);
            continue;
        }
        char letter = arg.size() > 1 ? arg[1] : '\0';
        std::string switchText = arg.substr(1);
        switch (letter) {
            case '?':
            case 'h':
            case 'H':
                if (m_services.printUsage) m_services.printUsage(LoadString(IDS_USAGE));
                m_exitStatus = kExitGenerated;
                return false;
            case 'i':
            case 'I': {
                m_bInterfaceClasses = true;
                std::size_t next = 2;
                if (arg.size() > 2 && (arg[2] == 'd' || arg[2] == 'D')) {
                    m_bDualInterfaces = true;
                    next = 3;
                }
                if (arg.size() > next) {
                    ShowMessage(IDS_BAD_OPTION, switchText);
                    m_exitStatus = kExitUsage;
                    return false;
                }
                break;
            }
            case 'o':
            case 'O':
                if (arg.size() > 2) copyFile = Unquote(arg.substr(2));
                break;
            case 'p':
            case 'P':
                if (arg.size() > 2) {
                    ShowMessage(IDS_BAD_OPTION, switchText);
                    m_exitStatus = kExitUsage;
                    return false;
                }
                m_bAddToProject = true;
                break;
            default:
                ShowMessage(IDS_BAD_OPTION, switchText);
                m_exitStatus = kExitUsage;
                return false;
        }
    }
    if (!m_bInterfaceClasses) m_bDualInterfaces = false;

    if (typeLib) {
        std::error_code error;
        std::string path =
            typeLib->empty() ? std::string() : std::filesystem::absolute(*typeLib, error).string();
        if (!copyFile.empty()) {
            ComPtr<ITypeLib> lib;
            std::string why;
            if (LoadTypeLibEx(path, m_services.loadOptions, lib, &why) != S_OK || !lib) {
                if (m_services.prompter) m_services.prompter->Show(CannotLoadMessage(path, why));
                m_exitStatus = kExitFailed;
                return false;
            }
            if (m_bAddToProject) CheckIdeRegistered();
            DocumentDriver writer(m_bInterfaceClasses, m_bDualInterfaces, m_bAddToProject,
                                  Writer());
            bool generated = writer.GenerateCopyFile(copyFile, *lib);
            generated = writer.CloseCopyFile() && generated;
            // Every file asked for, or the run failed: a class file left
            // stale or unwritten is as much a failure as the copy file.
            int notWritten = writer.FilesNotWritten();
            if (notWritten > 0) ShowMessage(IDS_FILES_NOT_WRITTEN, std::to_string(notWritten));
            m_exitStatus = generated && notWritten == 0 ? kExitGenerated : kExitFailed;
            return false;
        }
        if (!StartDialogRun()) return false;
        m_exitStatus = m_services.openContentsDialog ? m_services.openContentsDialog(*this, path)
                                                     : kExitFailed;
        return false;
    }
    if (!copyFile.empty()) m_strCopyFile = copyFile;
    return true;
}

}  // namespace qorvix
