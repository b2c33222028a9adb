// The main dialog: the list from the registry, View, Browse, Refresh, the
// window menu and help.
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTextBrowser>
#include <QTreeView>
#include <QTreeWidget>

#include "resources/string_table.h"
#include "tests/ui/ui_fixture.h"
#include "ui/about_dialog.h"
#include "ui/contents_dialog.h"
#include "ui/library_list_dialog.h"

namespace qorvix::test {

class MainDialogTest : public QObject {
    Q_OBJECT
    std::unique_ptr<UiFixture> f;
    std::unique_ptr<CLibraryListDlg> dialog;
    QStringList shown;  // what runModal was given: the library's name, or the About box

    QStringList Rows() const {
        QStringList rows;
        for (int i = 0; i < LibraryList(*dialog)->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = LibraryList(*dialog)->topLevelItem(i);
            rows << item->text(0) + "|" + item->text(1) + "|" + item->text(2);
        }
        return rows;
    }
    void Select(const QString& description) {
        auto items = LibraryList(*dialog)->findItems(description, Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        LibraryList(*dialog)->setCurrentItem(items.first());
    }

  private slots:
    void init() {
        f = std::make_unique<UiFixture>();
        f->WriteRegistry(
            "[Software\\\\Classes\\\\TypeLib\\\\{88888888-0000-4000-8000-000000000001}\\\\2.1] "
            "1\n@=\"\"\n"
            "[Software\\\\Classes\\\\TypeLib\\\\{88888888-0000-4000-8000-000000000001}\\\\3] "
            "1\n@=\"beta\"\n"
            "[Software\\\\Classes\\\\TypeLib\\\\{88888888-0000-4000-8000-000000000001}\\\\1.a] "
            "1\n@=\"Delta\"\n"
            "[Software\\\\Classes\\\\TypeLib\\\\{99999999-0000-4000-8000-000000000001}\\\\1.0] "
            "1\n@=\"" +
            std::string(63, 'L') +
            "\"\n"
            "[Software\\\\Classes\\\\TypeLib\\\\{99999999-0000-4000-8000-000000000002}\\\\1.0] "
            "1\n@=\"" +
            std::string(64, 'M') + "\"\n");
        dialog = std::make_unique<CLibraryListDlg>(*f->app, f->services);
        shown.clear();
        dialog->runModal = [this](QDialog& opened) {
            if (auto* contents = qobject_cast<CContentsDlg*>(&opened)) {
                shown << contents->Model()->index(0, 0).data().toString();
            } else if (qobject_cast<CAboutDlg*>(&opened)) {
                shown << "About";
            }
            return int(QDialog::Rejected);
        };
        dialog->OnInitDialog();
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    }
    void cleanup() {
        dialog.reset();
        f.reset();
    }

    void theRegisteredLibrariesSortedByDescription() {
        const QString g8 = "{88888888-0000-4000-8000-000000000001}";
        QCOMPARE(Rows(), (QStringList{
                             "<Unknown Name>|2.1|" + g8,
                             "beta|3|" + g8,
                             "Delta|1.a|" + g8,
                             QString(63, 'L') + "|1.0|{99999999-0000-4000-8000-000000000001}",
                             "Shapes and widgets|1.2|{5A0C0DE0-0000-4000-8000-000000000001}",
                             "Stale library|1.0|{77777777-0000-4000-8000-000000000001}",
                         }));
        QHeaderView* header = LibraryList(*dialog)->header();
        QCOMPARE(LibraryList(*dialog)->headerItem()->text(0), QString("Description"));
        QCOMPARE(LibraryList(*dialog)->headerItem()->text(1), QString("Ver"));
        QCOMPARE(LibraryList(*dialog)->headerItem()->text(2), QString("TLBID"));
        int q = (LibraryList(*dialog)->frameGeometry().width() -
                 dialog->style()->pixelMetric(QStyle::PM_ScrollBarExtent)) /
                4;
        QCOMPARE(header->sectionSize(0), 2 * q);
        QCOMPARE(header->sectionSize(1), q / 2);
        QCOMPARE(header->sectionSize(2), 3 * q / 2);
        // A click on a header sorts nothing.
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
        QCOMPARE(Rows().first(), "<Unknown Name>|2.1|" + g8);
    }

    void viewFollowsTheSelection() {
        QVERIFY(!ViewButton(*dialog)->isEnabled());
        Select("Delta");
        QVERIFY(ViewButton(*dialog)->isEnabled());
        LibraryList(*dialog)->clearSelection();
        QVERIFY(!ViewButton(*dialog)->isEnabled());
        // View and a double-click without a selection do nothing.
        dialog->OnView();
        QTreeWidget* list = LibraryList(*dialog);
        QPoint empty(5, list->viewport()->height() - 3);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, empty);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, empty);
        QVERIFY(shown.isEmpty());
        QVERIFY(f->prompter.shown.empty());
    }

    // From the keyboard, with no row selected: Home and the first arrow key
    // select the first row (Qt's list has it current, not selected), and
    // Enter opens it.
    void homeAndTheFirstArrowSelectTheFirstRow() {
        QTreeWidget* list = LibraryList(*dialog);
        list->setFocus();
        for (Qt::Key key : {Qt::Key_Home, Qt::Key_Down, Qt::Key_Up}) {
            list->clearSelection();
            QTest::keyClick(list, key);
            QCOMPARE(list->selectedItems(), QList<QTreeWidgetItem*>{list->topLevelItem(0)});
        }
        QTest::keyClick(list, Qt::Key_Down);  // from a selected row, the arrows move
        QCOMPARE(list->selectedItems(), QList<QTreeWidgetItem*>{list->topLevelItem(1)});
        QTest::keyClick(list, Qt::Key_Home);
        QTest::keyClick(list, Qt::Key_Return);  // "<Unknown Name>" registers no file
        QCOMPARE(f->prompter.Ids(), std::vector<int>{IDS_CANNOT_LOAD});
        list->clearSelection();
        QTest::keyClick(list, Qt::Key_End);
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(list->selectedItems(),
                 QList<QTreeWidgetItem*>{list->topLevelItem(list->topLevelItemCount() - 2)});
    }

    void viewAndDoubleClickOpenTheContents() {
        Select("Shapes and widgets");
        QTest::mouseClick(ViewButton(*dialog), Qt::LeftButton);
        QCOMPARE(shown, QStringList{"Shapes"});
        QTreeWidget* list = LibraryList(*dialog);
        QRect row = list->visualItemRect(list->currentItem());
        // (Qt Test sees a double-click only after a click at the same place.)
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(shown, (QStringList{"Shapes", "Shapes"}));
        // A registration whose file is gone: 105, and the list stays.
        Select("Stale library");
        dialog->OnView();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(f->prompter.Ids(), std::vector<int>{IDS_CANNOT_LOAD});
        QCOMPARE(f->prompter.shown[0].text,
                 std::string("The type library could not be loaded.\n'C:\\Libs\\gone.tlb': no "
                             "such file in the Wine prefix"));
        // A version that registers no file: 105 again.
        Select("Delta");
        dialog->OnView();
        QCOMPARE(f->prompter.Ids().size(), std::size_t(2));
        QCOMPARE(f->prompter.shown[1].text,
                 std::string("The type library could not be loaded.\n'TypeLib\\{88888888-0000-"
                             "4000-8000-000000000001}\\1.0': no file is registered for this "
                             "version"));
    }

    void browse() {
        f->files.answers = {QString(), QString::fromStdString(f->dir / "prefix/system.reg"),
                            QString::fromStdString(FixturePath("shapes.tlb"))};
        dialog->OnBrowse();  // cancelled
        QVERIFY(shown.isEmpty());
        QCOMPARE(f->files.calls[0].title, QString("Select a type library"));
        QCOMPARE(f->files.calls[0].filter,
                 QString("Type Libraries (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|All "
                         "files (*.*)|*.*||"));
        QCOMPARE(f->files.calls[0].suffix, QString("tlb"));
        dialog->OnBrowse();  // not a library
        QCOMPARE(f->prompter.Ids(), std::vector<int>{IDS_CANNOT_LOAD});
        QCOMPARE(f->prompter.shown[0].text, "The type library could not be loaded.\n'" +
                                                f->dir / "prefix/system.reg" +
                                                "': not a type library (unknown file signature)");
        QVERIFY(shown.isEmpty());
        dialog->OnBrowse();
        QCOMPARE(shown, QStringList{"Shapes"});
    }

    void refreshReadsTheRegistryAgain() {
        int before = LibraryList(*dialog)->topLevelItemCount();
        f->WriteRegistry(
            "[Software\\\\Classes\\\\TypeLib\\\\{AAAAAAAA-0000-4000-8000-000000000001}\\\\1.0] 1\n"
            "@=\"Added later\"\n");
        QTest::mouseClick(dialog->Form().Control(1005), Qt::LeftButton);
        QCOMPARE(LibraryList(*dialog)->topLevelItemCount(), 3);
        QCOMPARE(LibraryList(*dialog)->topLevelItem(0)->text(0), QString("Added later"));
        QVERIFY(before != 3);
    }

    void theWindowMenuOpensTheAboutBox() {
        QList<QAction*> actions = dialog->WindowMenu()->actions();
        QVERIFY(actions.size() >= 2);
        QVERIFY(actions[actions.size() - 2]->isSeparator());
        QCOMPARE(actions.last()->text(), QString("&About qorvix..."));
        actions.last()->trigger();
        QCOMPARE(shown, QStringList{"About"});
        // Alt+Space and a right click where no control is open it.
        QTest::keyClick(dialog.get(), Qt::Key_Space, Qt::AltModifier);
        QTRY_VERIFY(dialog->WindowMenu()->isVisible());
        dialog->WindowMenu()->hide();
        QPoint background(dialog->width() - 4, dialog->height() - 4);
        QVERIFY(!dialog->childAt(background));
        QContextMenuEvent click(QContextMenuEvent::Mouse, background,
                                dialog->mapToGlobal(background));
        QApplication::sendEvent(dialog.get(), &click);
        QTRY_VERIFY(dialog->WindowMenu()->isVisible());
        dialog->WindowMenu()->hide();
    }

    void help() {
        // F1 on the list: its topic.
        LibraryList(*dialog)->setFocus();
        QTest::keyClick(dialog.get(), Qt::Key_F1);
        QCOMPARE(f->shownTopics, QStringList{Help::Topic(0x806603EC)});
        // A right click on a control offers its topic; on a label, nothing.
        QContextMenuEvent onButton(QContextMenuEvent::Mouse, QPoint(2, 2),
                                   ViewButton(*dialog)->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(ViewButton(*dialog), &onButton);
        QCOMPARE(f->shownTopics.last(), Help::Topic(0x806603F2));
        QCOMPARE(f->menus, 1);
        // No manual: the topics.
        QTest::mouseClick(dialog->Form().Control(1012), Qt::LeftButton);
        QVERIFY(f->openedUrls.isEmpty());
        QVERIFY(f->help.Window() && f->help.Window()->isVisible());
        QCOMPARE(f->help.WindowText()->objectName(), QString("topics"));
        f->help.CloseWindow();
        // A manual the desktop opens: the desktop shows it, every time.
        const QUrl manual = QUrl::fromLocalFile(QString::fromStdString(f->dir / "qorvix.html"));
        WriteText(f->dir / "qorvix.html",
                  "<html><head><title>qorvix manual</title></head>"
                  "<body><h1>Starting qorvix</h1></body></html>");
        dialog->OnHelpButton();
        dialog->OnHelpButton();
        QCOMPARE(f->openedUrls, (QList<QUrl>{manual, manual}));
        QVERIFY(!f->help.ManualLatched());
        QVERIFY(!f->help.Window() || !f->help.Window()->isVisible());
        // One the desktop cannot show: our own window shows the manual at
        // once, and every later press goes there without asking again.
        f->openSucceeds = false;
        dialog->OnHelpButton();
        QCOMPARE(f->openedUrls.size(), 3);
        QVERIFY(f->help.ManualLatched());
        QTRY_VERIFY(f->help.Window() && f->help.Window()->isVisible());
        QCOMPARE(f->help.WindowText()->objectName(), QString("manual"));
        QCOMPARE(f->help.WindowText()->source(), manual);
        QVERIFY(f->help.WindowText()->toPlainText().contains("Starting qorvix"));
        f->help.CloseWindow();
        QTRY_VERIFY(!f->help.Window());
        dialog->OnHelpButton();
        QCOMPARE(f->openedUrls.size(), 3);
        QTRY_VERIFY(f->help.Window() && f->help.Window()->isVisible());
        QCOMPARE(f->help.WindowText()->source(), manual);
        // Closing the main dialog closes the help window.
        dialog.reset();
        QVERIFY(!f->help.Window() || !f->help.Window()->isVisible());
    }

    // Where window managers keep Alt+Space, About is still in reach: from
    // the keys that ask for a context menu, and from the list's own menu.
    void theContextMenuKeysReachAbout() {
        QMenu* windowMenu = dialog->WindowMenu();
        auto opened = [&]() {
            bool open = windowMenu->isVisible();
            windowMenu->hide();
            return open;
        };
        // On a button, which has no menu of its own: the window menu.
        dialog->Form().Control(1005)->setFocus();
        QTest::keyClick(dialog.get(), Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(opened());
        QTest::keyClick(dialog.get(), Qt::Key_Menu);
        QVERIFY(opened());
        // As an X server sends the Menu key: a keyboard request to the control.
        QWidget* close = dialog->Form().Control(1);
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(3, 3),
                                  close->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(close, &request);
        QVERIFY(opened());
        QCOMPARE(f->menus, 0);
        // F10 alone, and Shift+F10 in the list, do not open it.
        QTest::keyClick(dialog.get(), Qt::Key_F10);
        QVERIFY(!opened());
        // In the list: its own menu, the help's entry and then About.
        LibraryList(*dialog)->setFocus();
        Select("Delta");
        f->menuChoice = -1;
        QTest::keyClick(dialog.get(), Qt::Key_Menu);
        QVERIFY(!opened());
        QCOMPARE(f->menus, 1);
        QCOMPARE(f->menuTexts, (QStringList{"&What's This?", "", "&About qorvix..."}));
        f->menuChoice = 2;
        QTest::keyClick(dialog.get(), Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(f->menus, 2);
        QCOMPARE(shown, QStringList{"About"});
        // A right click in the list offers the same.
        QWidget* rows = LibraryList(*dialog)->viewport();
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                rows->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(rows, &click);
        QCOMPARE(f->menus, 3);
        QCOMPARE(f->menuTexts.last(), QString("&About qorvix..."));
        QCOMPARE(shown, (QStringList{"About", "About"}));
        // A right click on a button still offers only its help.
        QContextMenuEvent onButton(QContextMenuEvent::Mouse, QPoint(2, 2),
                                   close->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(close, &onButton);
        QCOMPARE(f->menuTexts, QStringList{"&What's This?"});
        QVERIFY(!opened());
    }

    // Rows follow the collation of the user's locale: an umlaut sorts with
    // its letter, not after every ASCII letter.
    void sortsAsTheLocaleSorts() {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        std::string rows;
        int n = 0;
        for (const char* description : {"WUAPI 2.0 Type Library",
                                        "\xc3\x9c"
                                        "bersetzungsbibliothek",
                                        "zebra", "\xc3\xa4rger", "Birne", "apfel"}) {
            rows += "[Software\\\\Classes\\\\TypeLib\\\\{AAAAAAAA-0000-4000-8000-00000000000" +
                    std::to_string(n++) + "}\\\\1.0] 1\n@=\"" + description + "\"\n";
        }
        f->WriteRegistry(rows);
        dialog->OnRefresh();
        QLocale::setDefault(before);
        QStringList descriptions;
        for (const QString& row : Rows())
            descriptions << row.section('|', 0, 0);
        QCOMPARE(descriptions,
                 (QStringList{"apfel", "\u00e4rger", "Birne", "Shapes and widgets", "Stale library",
                              "\u00dcbersetzungsbibliothek", "WUAPI 2.0 Type Library", "zebra"}));
    }

    void everyHelpIdHasATopic() {
        for (quint32 id : {0x806603ECu, 0x806603F2u, 0x806603E9u, 0x806603EDu, 0x80660001u,
                           0x806603F4u, 0x808103EAu, 0x808103F0u, 0x808103EBu, 0x808103F3u,
                           0x808103EEu, 0x808103EFu, 0x808103F1u, 0x80810002u, 0u}) {
            QVERIFY2(!Help::Topic(id).isEmpty(), qPrintable(QString::number(id, 16)));
        }
    }
};

QORVIX_UI_TEST(MainDialogTest);

}  // namespace qorvix::test

#include "main_dialog_test.moc"
