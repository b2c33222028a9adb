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

    // What the command line asks for.
    struct CommandLine {
        enum class Run {
            MainDialog,      // no library: the main dialog, the switches its defaults
            ContentsDialog,  // a library without -o
            Batch,           // a library and -o: generate, and end
            Usage,           // -? or -h: the usage text, and end
            BadSwitch,       // a switch not understood: message 109, and end
        };
        Run run = Run::MainDialog;
        std::string typeLib;        // the library as given, its quotes removed
        std::string badSwitch;      // BadSwitch: the switch without its lead character
        GenerationOptions options;  // the switches; copyFile: -o's value, or empty
    };

    // What one generation did.
    struct GenerationResult {
        bool copyFileWritten = false;  // in place, and closed without a failure
        int filesNotWritten = 0;       // DocumentDriver::FilesNotWritten
    };

    CGeneratorApp();
    explicit CGeneratorApp(Services services);

    // Runs the program on its arguments (argv[0] included); returns the exit status.
    int Run(const std::vector<std::string>& args);

    // Start-up, then the run the command line asks for. Returns the exit status.
    int InitInstance(const std::vector<std::string>& args);
    // The arguments (argv[0] included) as the runs read them. Parsing stops
    // at the first switch that ends the program (usage, or not understood).
    static CommandLine ParseCommandLine(const std::vector<std::string>& args);

    // One generation of `lib` with `options`, its copy file let go at the
    // end. Relative names resolve against the run's generation folder,
    // which is then the folder the generation settled on.
    GenerationResult Generate(const GenerationOptions& options, ITypeLib& lib);

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

    // The copy file and switches the dialogs start from: the command line's
    // (the copy file only in the main dialog's run), or "TypeLib.cpy" and
    // none. The dialogs never write them back.
    GenerationOptions Options() const;
    void SetOptions(const GenerationOptions& options);
    // Whether the IDE's service is known; asked once a run that can use the
    // IDE starts.
    bool IdeRegistered() const { return m_bIdeRegistered; }
    void SetIdeRegistered(bool registered) { m_bIdeRegistered = registered; }
    // The program's name as it was started, for messages.
    const std::string& ProgramName() const { return m_programName; }

    Services& GetServices() { return m_services; }
    // The naming the run's generations and its browser share.
    CobolNaming& Naming() { return m_naming; }

  private:
    // The runs.
    int RunBatch(const std::string& typeLib, const GenerationOptions& options);
    int RunContentsDialog(const std::string& typeLib);
    int RunMainDialog();
    // What a generation needs of the application (the naming of the run
    // included).
    WriterServices Writer();
    void ShowMessage(int id, std::string_view arg);
    // Sets m_bIdeRegistered; only the runs that can use the IDE call it.
    void CheckIdeRegistered();
    // A dialog run: starts the desktop, then asks about the IDE; false when
    // no window can be shown.
    bool StartDialogRun();

    bool m_bInterfaceClasses = false;
    bool m_bDualInterfaces = false;
    bool m_bIdeRegistered = false;  // known once a run that can use the IDE starts
    bool m_bAddToProject = false;
    std::string m_strCopyFile = "TypeLib.cpy";
    // The folder relative copy-file names resolve against: the last
    // generation's, or (empty) the process's current directory. Generations
    // change it, never the process's directory.
    std::string m_generationFolder;
    std::string m_language;  // the table's language name of the user's locale
    std::string m_programName = "qorvix";

    Services m_services;
    CobolNaming m_naming;
};

}  // namespace qorvix
