#include "ui/front_end.h"

#include <unistd.h>
#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/executable.h"
#include "resources/satellite.h"
#include "ui/contents_dialog.h"
#include "ui/library_list_dialog.h"
#include "ui/resources.h"

namespace qorvix {
namespace {

// While the Qt application is being made: what to say if Qt gives up on
// the display, and what Qt said meanwhile (it is passed on once the
// display works, dropped when it does not).
bool g_starting = false;
std::string g_unreachableMessage;
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> g_heldMessages;
QtMessageHandler g_previousHandler = nullptr;

// Qt gives up on a display it cannot reach with a fatal message (advice to
// reinstall, a list of plugins) and an abort; the program ends with its
// own message and status instead.
void MessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && g_starting) {
        std::fprintf(stderr, "%s\n", g_unreachableMessage.c_str());
        std::fflush(stderr);
        _exit(kExitFailed);
    }
    if (g_starting) {
        g_heldMessages.push_back({type, QByteArray(context.category), text});
        return;
    }
    g_previousHandler(type, context, text);
}

void PassOnHeldMessages() {
    for (const HeldMessage& held : g_heldMessages) {
        QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
        g_previousHandler(held.type, context, held.text);
    }
    g_heldMessages.clear();
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

DesktopFrontEnd::DesktopFrontEnd(const DesktopArguments& arguments)
    : m_argc(*arguments.argc), m_argv(arguments.argv) {
    m_services.machine = arguments.machine;
    m_services.files = &m_files;
    // The satellite's bytes stay where the program keeps them.
    const Satellite* satellite = arguments.satellite;
    if (satellite && satellite->Loaded() &&
        m_translator.load(reinterpret_cast<const uchar*>(satellite->Bytes().data()),
                          static_cast<int>(satellite->Bytes().size()))) {
        m_satelliteLoaded = true;
        m_satelliteExtension = QString::fromStdString(satellite->Extension());
    }
}

DesktopFrontEnd::~DesktopFrontEnd() {
    m_help.reset();
}

bool DesktopFrontEnd::DisplayAvailable() {
    return Set("QT_QPA_PLATFORM") || Set("DISPLAY") || Set("WAYLAND_DISPLAY");
}

QString DesktopFrontEnd::Translate(const char* text) const {
    QString translated = m_translator.translate("DesktopFrontEnd", text);
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

std::string DesktopFrontEnd::NoDisplayMessage(const std::string& programName) const {
    return Translate(QT_TRANSLATE_NOOP("DesktopFrontEnd",
                                       "%1: cannot show the dialogs: there is no display (DISPLAY "
                                       "and WAYLAND_DISPLAY are not set)"))
        .arg(QString::fromLocal8Bit(programName))
        .toLocal8Bit()
        .toStdString();
}

std::string DesktopFrontEnd::UnreachableDisplayMessage(const std::string& programName) const {
    // The variables that chose the display, as they are set.
    QStringList settings;
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (Set(variable)) {
            settings << QString::fromLatin1(variable) + QLatin1Char('=') +
                            QString::fromLocal8Bit(std::getenv(variable));
        }
    }
    return Translate(QT_TRANSLATE_NOOP("DesktopFrontEnd",
                                       "%1: cannot show the dialogs: the display cannot be "
                                       "reached (%2)"))
        .arg(QString::fromLocal8Bit(programName), settings.join(QStringLiteral(", ")))
        .toLocal8Bit()
        .toStdString();
}

bool DesktopFrontEnd::Start(CGeneratorApp& app) {
    if (!DisplayAvailable()) {
        std::fprintf(stderr, "%s\n", NoDisplayMessage(app.ProgramName()).c_str());
        return false;
    }
    if (!m_application) {
        g_unreachableMessage = UnreachableDisplayMessage(app.ProgramName());
        g_previousHandler = qInstallMessageHandler(MessageHandler);
        g_starting = true;
        m_application = std::make_unique<QApplication>(m_argc, m_argv);
        g_starting = false;
        PassOnHeldMessages();
        QApplication::setApplicationName(QStringLiteral("qorvix"));
        QApplication::setDesktopFileName(QStringLiteral("qorvix"));
        QApplication::setWindowIcon(ApplicationIcon());
        if (m_satelliteLoaded) {
            QApplication::installTranslator(&m_translator);
            // Qt's own texts (the file dialogs) in the satellite's language,
            // when the system has them.
            QString qtLanguage = QtLanguageOfSatellite(m_satelliteExtension);
            if (!qtLanguage.isEmpty() &&
                m_qtTranslator.load(QStringLiteral("qtbase_") + qtLanguage,
                                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QApplication::installTranslator(&m_qtTranslator);
            }
        }
        m_prompter =
            std::make_unique<MessageBoxPrompter>(QString::fromLocal8Bit(app.ProgramName()));
        m_help = std::make_unique<Help>(Help::ManualFor(ManualPath(), m_satelliteExtension));
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
