// The application object: start-up options, start-up and the command line.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cobolgen/document_driver.h"
#include "typelib/load.h"

namespace qorvix {

// Exit status of the process.
enum ExitStatus : int {
    kExitGenerated = 0,  // the copy file was generated (also: help shown)
    kExitFailed = 1,     // generation failed or was declined; no desktop front end
    kExitUsage = 2,      // a switch was not understood
};

class CGeneratorApp {
  public:
    // What start-up wires in; tests and the desktop front end replace parts.
    struct Services {
        Prompter* prompter = nullptr;                        // messages of the batch run
        std::function<void(const std::string&)> printUsage;  // the usage text (standard output)
        ProgIdLookup* progIds = nullptr;
        IdeLink* ide = nullptr;
        std::function<bool()> ideRegistered;  // is the IDE's service known?
        LoadOptions loadOptions;              // how libraries are loaded
        // The reserved-word service: loads it and gives its check, or null.
        std::function<ReservedWordCheck()> loadReservedWords;
        // Loading the satellite: the translation at this path, if any.
        std::function<void(const std::string& path)> loadSatellite;
        std::string executablePath;  // where the satellite is looked for
        // The desktop runs: before anything else of them, whether a window
        // can be shown (false: it said why not); then the contents dialog
        // on a library, the main dialog.
        std::function<bool(CGeneratorApp&)> startDesktop;
        std::function<int(CGeneratorApp&, const std::string& path)> openContentsDialog;
        std::function<int(CGeneratorApp&)> openMainDialog;
        // How generated files are written; empty: the system's write
        // (tests fill the disk through it).
        OutputFile::WriteCall writeFile;
    };

    CGeneratorApp();
    explicit CGeneratorApp(Services services);

    // Runs the program on its arguments (argv[0] included); returns the exit status.
    int Run(const std::vector<std::string>& args);

    // Start-up, then the command line. Returns the exit status.
    int InitInstance(const std::vector<std::string>& args);
    // Parses the arguments and performs the batch and contents-dialog runs;
    // true when the main dialog is to be shown.
    bool ParseCommandLine(const std::vector<std::string>& args);

    // Message 105 for `file`, with the reader's reason (`why` as the
    // loader gives it; a leading "file: " is not repeated).
    static Message CannotLoadMessage(const std::string& file, const std::string& why);

    // The satellite extension for a language name ("german" -> "deu").
    static std::optional<std::string> FindLanguageExtension(std::string_view language);
    // The language part of the locale name, mapped to the table's language
    // names: "de_DE.UTF-8" -> "german".
    static std::string LanguageOfLocale(std::string_view localeName);
    // The satellite beside `executablePath`: same folder and base name,
    // `extension` in place of the executable's own extension.
    static std::string SatellitePath(const std::string& executablePath,
                                     const std::string& extension);

    bool m_bInterfaceClasses = false;
    bool m_bDualInterfaces = false;
    bool m_bIdeRegistered = false;  // known once a run that can use the IDE starts
    bool m_bAddToProject = false;
    std::string m_strCopyFile = "TypeLib.cpy";
    // The folder relative copy-file names resolve against: the last
    // generation's, or (empty) the process's current directory. Generations
    // change it, never the process's directory.
    std::string m_strGenerationFolder;
    std::string m_strLanguage;  // the table's language name of the user's locale
    std::string m_programName = "qorvix";

    Services& GetServices() { return m_services; }
    // What a generation needs of the application (the naming of the run
    // included).
    WriterServices Writer();
    // The naming the run's generations and its browser share.
    CobolNaming& Naming() { return m_naming; }

  private:
    void ShowMessage(int id, std::string_view arg);
    // Sets m_bIdeRegistered; only the runs that can use the IDE call it.
    void CheckIdeRegistered();
    // A dialog run: starts the desktop, then asks about the IDE; false when
    // no window can be shown.
    bool StartDialogRun();

    Services m_services;
    CobolNaming m_naming;
    int m_exitStatus = kExitGenerated;
};

}  // namespace qorvix
