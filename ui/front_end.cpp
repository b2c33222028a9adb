#include "ui/front_end.h"

#include <unistd.h>
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <cstdio>
#include <cstdlib>

#include "platform/executable.h"
#include "ui/contents_dialog.h"
#include "ui/library_list_dialog.h"
#include "ui/resources.h"

namespace qorvix {
namespace {

std::string g_programName = "qorvix";
QtMessageHandler g_previousHandler = nullptr;

// Qt gives up on a display it cannot reach with a fatal message and an
// abort; the program ends with its own message and status instead.
void MessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s: cannot show the dialogs: %s\n", g_programName.c_str(),
                     text.toLocal8Bit().constData());
        std::fflush(stderr);
        _exit(kExitFailed);
    }
    if (g_previousHandler) g_previousHandler(type, context, text);
}

bool Set(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

// The program's path with ".html" in place of its extension.
QString ManualPath() {
    std::string exe = ExecutablePath();
    if (exe.empty()) return {};
    return QString::fromStdString(CGeneratorApp::SatellitePath(exe, "html"));
}

}  // namespace

DesktopFrontEnd::DesktopFrontEnd(int& argc, char** argv, std::shared_ptr<MachineServices> machine)
    : m_argc(argc), m_argv(argv) {
    m_services.machine = std::move(machine);
    m_services.files = &m_files;
}

DesktopFrontEnd::~DesktopFrontEnd() {
    m_help.reset();
    if (m_satelliteLoaded) SetStrings(nullptr);
}

bool DesktopFrontEnd::DisplayAvailable() {
    return Set("QT_QPA_PLATFORM") || Set("DISPLAY") || Set("WAYLAND_DISPLAY");
}

void DesktopFrontEnd::LoadSatellite(const std::string& path) {
    if (!m_translator.load(QString::fromLocal8Bit(path))) return;
    m_satelliteLoaded = true;
    SetStrings(&m_strings);
}

bool DesktopFrontEnd::Start(CGeneratorApp& app) {
    g_programName = app.m_programName;
    if (!DisplayAvailable()) {
        std::fprintf(stderr,
                     "%s: cannot show the dialogs: there is no display (DISPLAY and "
                     "WAYLAND_DISPLAY are not set)\n",
                     app.m_programName.c_str());
        return false;
    }
    if (!m_application) {
        g_previousHandler = qInstallMessageHandler(MessageHandler);
        m_application = std::make_unique<QApplication>(m_argc, m_argv);
        QApplication::setApplicationName(QStringLiteral("qorvix"));
        QApplication::setDesktopFileName(QStringLiteral("qorvix"));
        QApplication::setWindowIcon(ApplicationIcon());
        if (m_satelliteLoaded) {
            QApplication::installTranslator(&m_translator);
            // Qt's own texts (the file dialogs) in the same language, when
            // the system has them.
            if (m_qtTranslator.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QApplication::installTranslator(&m_qtTranslator);
            }
        }
        m_prompter =
            std::make_unique<MessageBoxPrompter>(QString::fromLocal8Bit(app.m_programName));
        m_help = std::make_unique<Help>(ManualPath());
        m_services.help = m_help.get();
    }
    // From now on messages are message boxes.
    app.GetServices().prompter = m_prompter.get();
    return true;
}

int DesktopFrontEnd::OpenContentsDialog(CGeneratorApp& app, const std::string& path) {
    if (!Start(app)) return kExitFailed;
    CContentsDlg dialog(app, m_services);
    if (!dialog.LoadTypeLibFile(path)) return kExitFailed;
    dialog.DoModal();
    return kExitGenerated;
}

int DesktopFrontEnd::OpenMainDialog(CGeneratorApp& app) {
    if (!Start(app)) return kExitFailed;
    CLibraryListDlg dialog(app, m_services);
    dialog.DoModal();
    return kExitGenerated;
}

}  // namespace qorvix
