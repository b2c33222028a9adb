// The desktop runs of the program: the contents dialog on a library, and
// the main dialog. The Qt application is made only for them, so the batch
// run needs no display; the program loads them from their module
// (ui/desktop.h).
#pragma once

#include <QTranslator>
#include <memory>
#include <string>

#include "app/generator_app.h"
#include "ui/desktop.h"
#include "ui/file_dialogs.h"
#include "ui/help.h"
#include "ui/message_box_prompter.h"
#include "ui/translations.h"
#include "ui/ui_services.h"

class QApplication;

namespace qorvix {

class DesktopFrontEnd final : public Desktop {
  public:
    // A loaded satellite translates the dialogs once they exist (the
    // program has it translate the string table).
    explicit DesktopFrontEnd(const DesktopArguments& arguments);
    ~DesktopFrontEnd() override;

    bool Start(CGeneratorApp& app) override;
    int OpenContentsDialog(CGeneratorApp& app, const std::string& path) override;
    int OpenMainDialog(CGeneratorApp& app) override;

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
    std::unique_ptr<MessageBoxPrompter> m_prompter;
    QtFileDialogs m_files;
    std::unique_ptr<Help> m_help;
    UiServices m_services;
};

}  // namespace qorvix
