// The desktop runs of the program: the contents dialog on a library, and
// the main dialog. The Qt application is made only for them, so the batch
// run needs no display.
#pragma once

#include <QTranslator>
#include <memory>
#include <string>

#include "app/generator_app.h"
#include "ui/file_dialogs.h"
#include "ui/help.h"
#include "ui/message_box_prompter.h"
#include "ui/translations.h"
#include "ui/ui_services.h"

class QApplication;

namespace qorvix {

class DesktopFrontEnd {
  public:
    DesktopFrontEnd(int& argc, char** argv, std::shared_ptr<MachineServices> machine);
    ~DesktopFrontEnd();

    // The satellite at `path`, when it loads, translates
    // the string table at once and the dialogs once they exist.
    void LoadSatellite(const std::string& path);

    // Makes the Qt application (once) and shows the run's messages in
    // message boxes from then on; false, having said why on standard
    // error, when there is no display or it cannot be reached.
    bool Start(CGeneratorApp& app);
    // Runs 2 and 3; they return the exit status (1 when the library could
    // not be loaded or there is no display).
    int OpenContentsDialog(CGeneratorApp& app, const std::string& path);
    int OpenMainDialog(CGeneratorApp& app);

    // A display the dialogs can use: a Qt platform named in the
    // environment, or an X or Wayland display.
    static bool DisplayAvailable();

    // What the program says, in the satellite's language, when there is
    // no display, and when the one named cannot be reached.
    std::string NoDisplayMessage(const std::string& programName) const;
    std::string UnreachableDisplayMessage(const std::string& programName) const;

  private:
    QString Translate(const char* text) const;

    int& m_argc;
    char** m_argv;
    std::unique_ptr<QApplication> m_application;
    QTranslator m_translator;
    QTranslator m_qtTranslator;
    bool m_satelliteLoaded = false;
    QString m_satelliteExtension;  // the language table's, once loaded ("fra")
    TranslatedStrings m_strings{m_translator};
    std::unique_ptr<MessageBoxPrompter> m_prompter;
    QtFileDialogs m_files;
    std::unique_ptr<Help> m_help;
    UiServices m_services;
};

}  // namespace qorvix
