// What every dialog test sets up: an application object whose messages go
// to a scripted prompter, scripted file dialogs, help that records what it
// would show, and a Wine prefix with a few registered libraries.
#pragma once

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <clocale>

#include "app/generator_app.h"
#include "tests/support/paths.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/ui_test.h"
#include "ui/help.h"
#include "ui/library_list_dialog.h"
#include "ui/ui_services.h"

namespace qorvix::test {

// The main dialog's list and View button, by their control ids.
inline QTreeWidget* LibraryList(const CLibraryListDlg& dialog) {
    return qobject_cast<QTreeWidget*>(dialog.Form().Control(1004));
}
inline QPushButton* ViewButton(const CLibraryListDlg& dialog) {
    return qobject_cast<QPushButton*>(dialog.Form().Control(1010));
}

class UiFixture {
  public:
    UiFixture() : help(QString::fromStdString(dir / "qorvix.html")) {
        std::setlocale(LC_ALL, "C.UTF-8");
        CGeneratorApp::Services appServices;
        appServices.prompter = &prompter;
        app = std::make_unique<CGeneratorApp>(appServices);
        std::filesystem::create_directories(dir / "prefix/drive_c/Libs");
        std::filesystem::create_directories(dir / "prefix/dosdevices");
        std::filesystem::create_directory_symlink("../drive_c", dir / "prefix/dosdevices/c:");
        std::filesystem::copy_file(FixturePath("shapes.tlb"),
                                   dir / "prefix/drive_c/Libs/shapes.tlb");
        WriteRegistry("");
        services.files = &files;
        services.help = &help;
        services.machine = std::make_shared<MachineServices>(dir / "prefix");
        help.showText = [this](const QPoint&, const QString& text, QWidget*) {
            shownTopics << text;
        };
        help.openUrl = [this](const QUrl& url) {
            openedUrls << url;
            return openSucceeds;
        };
        help.execMenu = [this](QMenu& menu, const QPoint&) -> QAction* {
            ++menus;
            menuTexts.clear();
            for (QAction* action : menu.actions())
                menuTexts << action->text();
            if (menuChoice < 0 || menuChoice >= menu.actions().size()) return nullptr;
            // As a menu does: the chosen entry triggers, and is returned.
            QAction* chosen = menu.actions()[menuChoice];
            chosen->trigger();
            return chosen;
        };
    }

    // The prefix's registry: shapes.tlb registered as 1.2, a stale
    // registration, and `extra` lines.
    void WriteRegistry(const std::string& extra) {
        WriteText(
            dir / "prefix/system.reg",
            "WINE REGISTRY Version 2\n\n"
            "[Software\\\\Classes\\\\TypeLib\\\\{5A0C0DE0-0000-4000-8000-000000000001}\\\\1.2] 1\n"
            "@=\"Shapes and widgets\"\n"
            "[Software\\\\Classes\\\\TypeLib\\\\{5A0C0DE0-0000-4000-8000-000000000001}\\\\1."
            "2\\\\0\\\\win32] 1\n"
            "@=\"C:\\\\Libs\\\\shapes.tlb\"\n"
            "[Software\\\\Classes\\\\TypeLib\\\\{77777777-0000-4000-8000-000000000001}\\\\1.0] 1\n"
            "@=\"Stale library\"\n"
            "[Software\\\\Classes\\\\TypeLib\\\\{77777777-0000-4000-8000-000000000001}\\\\1."
            "0\\\\0\\\\win32] 1\n"
            "@=\"C:\\\\Libs\\\\gone.tlb\"\n" +
                extra);
    }

    TempDir dir;
    ScriptedPrompter prompter;
    std::unique_ptr<CGeneratorApp> app;
    ScriptedFileDialogs files;
    Help help;
    UiServices services;
    QStringList shownTopics;
    QList<QUrl> openedUrls;
    bool openSucceeds = true;
    int menus = 0;
    QStringList menuTexts;  // the last context menu's entries ("" for a separator)
    int menuChoice = 0;     // the entry the user picks in it (-1: none)
};

}  // namespace qorvix::test
