// ui_screenshots FOLDER [LIBRARY [SATELLITE [MANUAL]]]: writes pictures of the dialogs, for
// looking at them next to native dialogs (run it under Xvfb or a desktop).
// The main dialog lists the registry of $WINEPREFIX.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMenu>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>
#include <QTreeWidget>

#include "app/generator_app.h"
#include "resources/satellite.h"
#include "resources/string_table.h"
#include "ui/about_dialog.h"
#include "ui/contents_dialog.h"
#include "ui/file_dialogs.h"
#include "ui/help.h"
#include "ui/library_list_dialog.h"
#include "ui/message_box_prompter.h"
#include "ui/translations.h"

using namespace qorvix;

namespace {

void Save(QWidget& widget, const QString& folder, const QString& name) {
    widget.show();
    // The window manager places and sizes the window in its own time.
    QEventLoop settle;
    QTimer::singleShot(300, &settle, &QEventLoop::quit);
    settle.exec();
    widget.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) return 2;
    QString folder = QString::fromLocal8Bit(argv[1]);
    QTranslator translator;
    Satellite satellite;
    SatelliteStrings strings(satellite);
    QTranslator qtTranslator;
    if (argc > 3 && satellite.Load(argv[3]) &&
        translator.load(reinterpret_cast<const uchar*>(satellite.Bytes().data()),
                        static_cast<int>(satellite.Bytes().size()))) {
        QApplication::installTranslator(&translator);
        SetStrings(&strings);
        QString qtLanguage = QtLanguageOfSatellite(QString::fromStdString(satellite.Extension()));
        if (!qtLanguage.isEmpty() &&
            qtTranslator.load(QStringLiteral("qtbase_") + qtLanguage,
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(&qtTranslator);
    }
    QDir().mkpath(folder);
    CGeneratorApp app;
    app.SetOptions({"TypeLib.cpy", true, false, false});
    UiServices services;
    services.machine = MachineServices::ForDefaultPrefix();

    CLibraryListDlg list(app, services);
    list.OnInitDialog();
    auto* libraries = qobject_cast<QTreeWidget*>(list.Form().Control(1004));
    if (libraries->topLevelItemCount() > 2) libraries->topLevelItem(2)->setSelected(true);
    Save(list, folder, QStringLiteral("main"));
    list.resize(list.size() + QSize(360, 120));
    Save(list, folder, QStringLiteral("main-wide"));
    list.ShowWindowMenu(list.mapToGlobal(QPoint(20, 20)));
    QApplication::processEvents();
    list.WindowMenu()->grab().save(folder + QStringLiteral("/window-menu.png"));
    list.WindowMenu()->hide();

    if (argc > 2) {
        CContentsDlg contents(app, services);
        if (contents.LoadTypeLibFile(argv[2])) {
            contents.OnInitDialog();
            QTreeView* tree = contents.TreeView();
            QModelIndex library = contents.Model()->index(0, 0);
            tree->expand(library);
            QModelIndex category = contents.Model()->index(1, 0, library);
            tree->expand(category);
            QModelIndex type = contents.Model()->index(0, 0, category);
            tree->expand(type);
            tree->setCurrentIndex(type);
            Save(contents, folder, QStringLiteral("contents"));
            contents.resize(contents.size() + QSize(500, 250));
            Save(contents, folder, QStringLiteral("contents-wide"));
        }
    }

    // The manual in the help window, as when the desktop cannot show it.
    if (argc > 4) {
        Help help(QString::fromLocal8Bit(argv[4]));
        help.openUrl = [](const QUrl&) { return false; };
        help.HelpButton(&list);
        if (help.Window()) Save(*help.Window(), folder, QStringLiteral("help"));
        help.CloseWindow();
    }

    // The file dialog, with Qt's own texts.
    QtFileDialogs files;
    QTimer::singleShot(500, [&folder] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialog->grab().save(folder + QStringLiteral("/open-file.png"));
            dialog->close();
        }
    });
    files.OpenFile(&list, QStringLiteral("Select a type library"),
                   QStringLiteral("Type Libraries (*.tlb)|*.tlb||"), QStringLiteral("tlb"));
    CAboutDlg about;
    Save(about, folder, QStringLiteral("about"));

    // A question of the writer, as its message box: alone, and with answers
    // for all (when more files of the generation are still to be asked about).
    MessageBoxPrompter prompter(QStringLiteral("qorvix"));
    for (auto [buttons, name] : {std::pair{MessageButtons::YesNo, "question"},
                                 std::pair{MessageButtons::YesNoToAll, "question-all"}}) {
        QString file = folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
        QTimer::singleShot(200, [file] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                box->grab().save(file);
                box->close();
            }
        });
        Message question;
        question.text = FormatString(IDS_FILE_EXISTS, "Shapes.cpy");
        question.icon = MessageIcon::Question;
        question.buttons = buttons;
        question.defaultAnswer = Answer::No;
        prompter.Show(question);
    }
    return 0;
}
