// ui_screenshots FOLDER [LIBRARY [SATELLITE]]: writes pictures of the dialogs, for
// looking at them next to native dialogs (run it under Xvfb or a desktop).
// The main dialog lists the registry of $WINEPREFIX.
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>
#include <QTreeWidget>

#include "app/generator_app.h"
#include "resources/string_table.h"
#include "ui/about_dialog.h"
#include "ui/contents_dialog.h"
#include "ui/library_list_dialog.h"
#include "ui/message_box_prompter.h"
#include "ui/translations.h"

using namespace qorvix;

namespace {

void Save(QWidget& widget, const QString& folder, const QString& name) {
    widget.show();
    QApplication::processEvents();
    widget.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) return 2;
    QString folder = QString::fromLocal8Bit(argv[1]);
    QTranslator translator;
    TranslatedStrings strings(translator);
    if (argc > 3 && translator.load(QString::fromLocal8Bit(argv[3]))) {
        QApplication::installTranslator(&translator);
        SetStrings(&strings);
    }
    QDir().mkpath(folder);
    CGeneratorApp app;
    app.m_bInterfaceClasses = true;
    UiServices services;
    services.machine = MachineServices::ForDefaultPrefix();

    CLibraryListDlg list(app, services);
    list.OnInitDialog();
    if (list.m_listLibraries->topLevelItemCount() > 2)
        list.m_listLibraries->topLevelItem(2)->setSelected(true);
    Save(list, folder, QStringLiteral("main"));

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
        }
    }
    CAboutDlg about;
    Save(about, folder, QStringLiteral("about"));

    // A question of the writer, as its message box.
    MessageBoxPrompter prompter(QStringLiteral("qorvix"));
    QTimer::singleShot(200, [&folder] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->grab().save(folder + QStringLiteral("/question.png"));
            box->close();
        }
    });
    Message question;
    question.text = FormatString(IDS_FILE_EXISTS, "Shapes.cpy");
    question.icon = MessageIcon::Question;
    question.buttons = MessageButtons::YesNo;
    question.defaultAnswer = Answer::No;
    prompter.Show(question);
    return 0;
}
