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

// The library's path as the runs load it: absolute, against the process's
// current directory. An empty one stays empty, and fails to load as such.
std::string AbsoluteLibraryPath(const std::string& typeLib) {
    std::error_code error;
    return typeLib.empty() ? std::string() : std::filesystem::absolute(typeLib, error).string();
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
    if (m_services.startDesktop && !m_services.startDesktop(*this)) return false;
    CheckIdeRegistered();
    return true;
}

GenerationOptions CGeneratorApp::Options() const {
    GenerationOptions options;
    options.copyFile = m_strCopyFile;
    options.interfaceClasses = m_bInterfaceClasses;
    options.dualInterfaces = m_bDualInterfaces;
    options.addToProject = m_bAddToProject;
    return options;
}

void CGeneratorApp::SetOptions(const GenerationOptions& options) {
    m_strCopyFile = options.copyFile;
    m_bInterfaceClasses = options.interfaceClasses;
    m_bDualInterfaces = options.dualInterfaces;
    m_bAddToProject = options.addToProject;
}

WriterServices CGeneratorApp::Writer() {
    WriterServices services;
    services.prompter = m_services.prompter;
    services.progIds = m_services.progIds;
    services.ide = m_services.ide;
    services.ideRegistered = m_bIdeRegistered;
    services.naming = &m_naming;
    services.folder = m_generationFolder;
    services.writeFile = m_services.writeFile;
    return services;
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
    return MakeMessage(IDS_CANNOT_LOAD,
                       FormatString(IDS_CANNOT_LOAD, file, TranslateReason(reason)));
}

void CGeneratorApp::ShowMessage(int id, std::string_view arg) {
    if (m_services.prompter) m_services.prompter->Show(MakeMessage(id, FormatString(id, arg)));
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
    m_language = LanguageOfLocale(MessagesLocaleName(localeSet));
    if (m_language != "english" && m_services.loadSatellite && !m_services.executablePath.empty()) {
        if (auto extension = FindLanguageExtension(m_language)) {
            m_services.loadSatellite(SatellitePath(m_services.executablePath, *extension));
        }
    }
    if (m_services.loadReservedWords) m_naming.SetReservedWordCheck(m_services.loadReservedWords());
    CommandLine command = ParseCommandLine(args);
    // The switches stay on the application: the dialogs start from them.
    m_bInterfaceClasses = command.options.interfaceClasses;
    m_bDualInterfaces = command.options.dualInterfaces;
    m_bAddToProject = command.options.addToProject;
    switch (command.run) {
        case CommandLine::Run::Usage:
            if (m_services.printUsage) m_services.printUsage(LoadString(IDS_USAGE));
            return kExitGenerated;
        case CommandLine::Run::BadSwitch:
            ShowMessage(IDS_BAD_OPTION, command.badSwitch);
            return kExitUsage;
        case CommandLine::Run::Batch:
            return RunBatch(AbsoluteLibraryPath(command.typeLib), command.options);
        case CommandLine::Run::ContentsDialog:
            return RunContentsDialog(AbsoluteLibraryPath(command.typeLib));
        case CommandLine::Run::MainDialog:
            if (!command.options.copyFile.empty()) m_strCopyFile = command.options.copyFile;
            return RunMainDialog();
    }
    return kExitFailed;
}

CGeneratorApp::CommandLine CGeneratorApp::ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine command;
    GenerationOptions& options = command.options;
    bool typeLibGiven = false;
    auto parsed = [&command](CommandLine::Run run, const std::string& switchText = {}) {
        command.run = run;
        command.badSwitch = switchText;
        return command;
    };
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!IsSwitch(arg)) {
            command.typeLib = Unquote(arg);
            typeLibGiven = true;
            continue;
        }
        char letter = arg.size() > 1 ? arg[1] : '\0';
        std::string switchText = arg.substr(1);
        switch (letter) {
            case '?':
            case 'h':
            case 'H':
                return parsed(CommandLine::Run::Usage);
            case 'i':
            case 'I': {
                options.interfaceClasses = true;
                std::size_t next = 2;
                if (arg.size() > 2 && (arg[2] == 'd' || arg[2] == 'D')) {
                    options.dualInterfaces = true;
                    next = 3;
                }
                if (arg.size() > next) return parsed(CommandLine::Run::BadSwitch, switchText);
                break;
            }
            case 'o':
            case 'O':
                if (arg.size() > 2) options.copyFile = Unquote(arg.substr(2));
                break;
            case 'p':
            case 'P':
                if (arg.size() > 2) return parsed(CommandLine::Run::BadSwitch, switchText);
                options.addToProject = true;
                break;
            default:
                return parsed(CommandLine::Run::BadSwitch, switchText);
        }
    }
    if (!options.interfaceClasses) options.dualInterfaces = false;
    if (!typeLibGiven) return parsed(CommandLine::Run::MainDialog);
    return parsed(options.copyFile.empty() ? CommandLine::Run::ContentsDialog
                                           : CommandLine::Run::Batch);
}

int CGeneratorApp::RunBatch(const std::string& typeLib, const GenerationOptions& options) {
    ComPtr<ITypeLib> lib;
    std::string why;
    if (LoadTypeLibEx(typeLib, m_services.loadOptions, lib, &why) != S_OK || !lib) {
        if (m_services.prompter) m_services.prompter->Show(CannotLoadMessage(typeLib, why));
        return kExitFailed;
    }
    if (options.addToProject) CheckIdeRegistered();
    GenerationResult result = Generate(options, *lib);
    // Every file asked for, or the run failed: a class file left stale or
    // unwritten is as much a failure as the copy file.
    if (result.filesNotWritten > 0)
        ShowMessage(IDS_FILES_NOT_WRITTEN, std::to_string(result.filesNotWritten));
    return result.copyFileWritten && result.filesNotWritten == 0 ? kExitGenerated : kExitFailed;
}

int CGeneratorApp::RunContentsDialog(const std::string& typeLib) {
    if (!StartDialogRun()) return kExitFailed;
    return m_services.openContentsDialog ? m_services.openContentsDialog(*this, typeLib)
                                         : kExitFailed;
}

int CGeneratorApp::RunMainDialog() {
    if (!StartDialogRun()) return kExitFailed;
    return m_services.openMainDialog ? m_services.openMainDialog(*this) : kExitFailed;
}

CGeneratorApp::GenerationResult CGeneratorApp::Generate(const GenerationOptions& options,
                                                        ITypeLib& lib) {
    DocumentDriver driver(options, Writer());
    std::string name = options.copyFile;
    GenerationResult result;
    result.copyFileWritten = driver.GenerateCopyFile(name, lib);
    result.copyFileWritten = driver.CloseCopyFile() && result.copyFileWritten;
    result.filesNotWritten = driver.FilesNotWritten();
    m_generationFolder = driver.GenerationFolder();
    return result;
}

}  // namespace qorvix
