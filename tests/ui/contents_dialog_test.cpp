// The contents dialog: defaults from the command line, the enabling rules,
// Browse and Generate, the tree through the view, and help.
#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QWhatsThis>
#include <cerrno>
#include <cstring>

#include "resources/string_table.h"
#include "tests/ui/ui_fixture.h"
#include "typelib/load.h"
#include "ui/contents_dialog.h"
#include "ui/message_box_prompter.h"

namespace qorvix::test {

class ContentsDialogTest : public QObject {
    Q_OBJECT
    std::unique_ptr<UiFixture> f;
    std::unique_ptr<KeepCurrentDirectory> keep;

    std::unique_ptr<CContentsDlg> Open() {
        auto dialog = std::make_unique<CContentsDlg>(*f->app, f->services);
        if (!dialog->LoadTypeLibFile(FixturePath("shapes.tlb"))) return nullptr;
        dialog->OnInitDialog();
        dialog->show();
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog.get())) return nullptr;
        return dialog;
    }
    // The child of `parent` shown as `text`.
    static QModelIndex Child(const QModelIndex& parent, const QString& text) {
        const QAbstractItemModel* model = parent.model();
        for (int row = 0; row < model->rowCount(parent); ++row) {
            if (model->index(row, 0, parent).data().toString() == text)
                return model->index(row, 0, parent);
        }
        return {};
    }
    static QCheckBox* Box(const CContentsDlg& dialog, int id) {
        return ControlOf<QCheckBox>(dialog.Form(), id);
    }
    static QLineEdit* CopyFileEdit(const CContentsDlg& dialog) {
        return ControlOf<QLineEdit>(dialog.Form(), 1003);
    }
    static QStringList Texts(const QModelIndex& parent) {
        QStringList texts;
        for (int row = 0; row < parent.model()->rowCount(parent); ++row) {
            texts << parent.model()->index(row, 0, parent).data().toString();
        }
        return texts;
    }

  private slots:
    void init() {
        f = std::make_unique<UiFixture>();
        keep = std::make_unique<KeepCurrentDirectory>();
    }
    void cleanup() {
        keep.reset();
        f.reset();
    }

    // qorvix [switches] library: the dialog's defaults.
    void defaultsFromTheCommandLine_data() {
        QTest::addColumn<QStringList>("switches");
        QTest::addColumn<bool>("ide");
        QTest::addColumn<QString>("states");  // 1006 1007 1011: checked/enabled as C/c, E/e
        QTest::newRow("none") << QStringList{} << false << "c E | c e | c e";
        QTest::newRow("-i -p, no IDE") << QStringList{"-i", "-p"} << false << "C E | c E | c e";
        QTest::newRow("-id") << QStringList{"-id"} << false << "C E | C E | c e";
        QTest::newRow("-p with the IDE") << QStringList{"-p"} << true << "c E | c e | C E";
    }
    void defaultsFromTheCommandLine() {
        QFETCH(QStringList, switches);
        QFETCH(bool, ide);
        QFETCH(QString, states);
        CGeneratorApp::Services services;
        services.prompter = &f->prompter;
        services.ideRegistered = [ide] { return ide; };
        QString seen;
        std::string copyFile;
        services.openContentsDialog = [&](CGeneratorApp& app, const std::string& path) {
            CContentsDlg dialog(app, f->services);
            if (!dialog.LoadTypeLibFile(path)) return 1;
            dialog.OnInitDialog();
            for (int id : {1006, 1007, 1011}) {
                QCheckBox* box = Box(dialog, id);
                if (!box) return 1;
                if (!seen.isEmpty()) seen += " | ";
                seen +=
                    QString(box->isChecked() ? "C" : "c") + " " + (box->isEnabled() ? "E" : "e");
            }
            // What the dialog would generate with is what it shows.
            const GenerationOptions& options = dialog.Options();
            if (options.interfaceClasses != Box(dialog, 1006)->isChecked() ||
                options.dualInterfaces != Box(dialog, 1007)->isChecked() ||
                options.addToProject != Box(dialog, 1011)->isChecked()) {
                return 1;
            }
            copyFile = CopyFileEdit(dialog)->text().toStdString();
            if (options.copyFile != copyFile) return 1;
            return 0;
        };
        CGeneratorApp app(services);
        std::vector<std::string> args{"qorvix"};
        for (const QString& s : switches)
            args.push_back(s.toStdString());
        args.push_back(FixturePath("shapes.tlb"));
        QCOMPARE(app.Run(args), 0);
        QCOMPARE(seen, states);
        QCOMPARE(copyFile, std::string("TypeLib.cpy"));
    }

    // qorvix -oOut.cpy: every contents dialog of the main dialog proposes Out.cpy.
    void theMainRunsCopyFileName() {
        CGeneratorApp::Services services;
        services.prompter = &f->prompter;
        QString proposed;
        services.openMainDialog = [&](CGeneratorApp& app) {
            CContentsDlg dialog(app, f->services);
            dialog.LoadTypeLibFile(FixturePath("shapes.tlb"));
            dialog.OnInitDialog();
            proposed = CopyFileEdit(dialog)->text();
            return 0;
        };
        CGeneratorApp app(services);
        QCOMPARE(app.Run({"qorvix", "-oOut.cpy"}), 0);
        QCOMPARE(proposed, QString("Out.cpy"));
    }

    void enablingRules() {
        f->app->SetOptions({"TypeLib.cpy", true, true, false});
        auto dialog = Open();
        QVERIFY(dialog);
        QCheckBox* classes = Box(*dialog, 1006);
        QCheckBox* dual = Box(*dialog, 1007);
        QLineEdit* copyFile = CopyFileEdit(*dialog);
        QWidget* generate = dialog->Form().Control(1009);
        QVERIFY(classes && dual && copyFile && generate);
        // Unchecking interface classes disables Dual and keeps its mark.
        QTest::mouseClick(classes, Qt::LeftButton, {}, QPoint(4, classes->height() / 2));
        QVERIFY(!classes->isChecked());
        QVERIFY(!dual->isEnabled());
        QVERIFY(dual->isChecked());
        QVERIFY(!dialog->Options().interfaceClasses);
        QVERIFY(dialog->Options().dualInterfaces);
        // An empty copy-file name disables Generate; any character enables it.
        copyFile->selectAll();
        QTest::keyClick(copyFile, Qt::Key_Delete);
        QVERIFY(!generate->isEnabled());
        QTest::keyClick(copyFile, Qt::Key_Space);
        QVERIFY(generate->isEnabled());
        QCOMPARE(dialog->Options().copyFile, std::string(" "));
    }

    // The dialog starts from the application's defaults and never writes
    // them back: the next dialog starts from them again.
    void optionsStayInTheDialog() {
        f->app->SetIdeRegistered(true);
        const GenerationOptions defaults{"Start.cpy", false, false, false};
        f->app->SetOptions(defaults);
        auto dialog = Open();
        QVERIFY(dialog);
        QCOMPARE(dialog->Options(), defaults);
        for (int id : {1006, 1007, 1011}) {
            QCheckBox* box = Box(*dialog, id);
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
        }
        QLineEdit* copyFile = CopyFileEdit(*dialog);
        copyFile->selectAll();
        QTest::keyClicks(copyFile, "Other.cpy");
        QCOMPARE(dialog->Options(), (GenerationOptions{"Other.cpy", true, true, true}));
        QCOMPARE(f->app->Options(), defaults);
        dialog.reset();
        QCOMPARE(Open()->Options(), defaults);

        // A name the locale cannot show is kept as it was given until the
        // user edits it.
        f->app->SetOptions({"Caf\xE9.cpy", false, false, false});
        dialog = Open();
        QCOMPARE(dialog->Options().copyFile, std::string("Caf\xE9.cpy"));
        QTest::keyClick(CopyFileEdit(*dialog), Qt::Key_End);
        QTest::keyClick(CopyFileEdit(*dialog), Qt::Key_Backspace);
        QCOMPARE(dialog->Options().copyFile, CopyFileEdit(*dialog)->text().toStdString());
    }

    void browseProposesTheName() {
        auto dialog = Open();
        f->files.answers = {QString(), QString::fromStdString(f->dir / "out/Shapes.cpy")};
        dialog->OnBrowseCopyFile();
        QCOMPARE(CopyFileEdit(*dialog)->text(), QString("TypeLib.cpy"));
        dialog->OnBrowseCopyFile();
        QCOMPARE(f->files.calls[1].proposed, QString("TypeLib.cpy"));
        QCOMPARE(f->files.calls[1].title, QString("Select copy file"));
        QCOMPARE(f->files.calls[1].filter,
                 QString("Copy files (*.cpy)|*.cpy|All file (*.*)|*.*||"));
        QCOMPARE(f->files.calls[1].suffix, QString("cpy"));
        QString chosen = QString::fromStdString(f->dir / "out/Shapes.cpy");
        QCOMPARE(CopyFileEdit(*dialog)->text(), chosen);
        QCOMPARE(CopyFileEdit(*dialog)->cursorPosition(), chosen.size());
        QCOMPARE(dialog->Options().copyFile, chosen.toStdString());
    }

    void generateWritesAndTheDialogStays() {
        f->app->SetOptions({"TypeLib.cpy", true, false, false});
        auto dialog = Open();
        CopyFileEdit(*dialog)->setText(QString::fromStdString(f->dir / "Out.cpy"));
        QTest::mouseClick(dialog->Form().Control(1009), Qt::LeftButton);
        QVERIFY(std::filesystem::exists(f->dir / "Out.cpy"));
        QVERIFY(std::filesystem::exists(f->dir / "ishape.cbl"));
        QVERIFY(dialog->isVisible());
        QVERIFY(f->prompter.shown.empty());  // no message on success
        // Declining to overwrite writes nothing and keeps the dialog.
        WriteText(f->dir / "Out.cpy", "mine");
        f->prompter.answers = {Answer::No};
        dialog->OnGenerate();
        QCOMPARE(f->prompter.Ids(), std::vector<int>{IDS_FILE_EXISTS});
        QCOMPARE(ReadText(f->dir / "Out.cpy"), std::string("mine"));
        QVERIFY(dialog->isVisible());
        // A relative name resolves against the folder of the last copy file,
        // wherever the process is.
        std::filesystem::create_directory(f->dir / "elsewhere");
        CopyFileEdit(*dialog)->setText(QString::fromStdString(f->dir / "elsewhere/First.cpy"));
        dialog->OnGenerate();
        std::filesystem::current_path(f->dir.Path());
        CopyFileEdit(*dialog)->setText("Second.cpy");
        dialog->OnGenerate();
        QVERIFY(std::filesystem::exists(f->dir / "elsewhere/Second.cpy"));
        QVERIFY(!std::filesystem::exists(f->dir / "Second.cpy"));
        QCOMPARE(std::filesystem::current_path(), std::filesystem::path(f->dir.Path()));
    }

    // Question 102 with answers for all as a message box: Yes to All and No
    // to All beside Yes and No, and No the default.
    void answersForAllInTheMessageBox() {
        Message question;
        question.buttons = MessageButtons::YesNoToAll;
        question.defaultAnswer = Answer::No;
        QStringList buttons;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            buttons << box->defaultButton()->text();
            for (QAbstractButton* button : box->buttons()) {
                buttons << button->text();
                if (button->text() == "Yes to &All") button->click();
            }
        });
        QCOMPARE(MessageBoxPrompter("qorvix").Show(question), Answer::YesToAll);
        QCOMPARE(buttons, (QStringList{"&No", "&Yes", "Yes to &All", "&No", "N&o to All"}));
    }

    // A name with a control character (here C1, NEL) is refused before
    // anything is written, with message 103 and the reason.
    void aControlCharacterInTheNameIsRefused() {
        f->app->SetOptions({"TypeLib.cpy", true, false, false});
        auto dialog = Open();
        CopyFileEdit(*dialog)->setText(QString::fromStdString(f->dir / "Out") + QChar(0x85) +
                                       "x.cpy");
        dialog->OnGenerate();
        QCOMPARE(f->prompter.Ids(), std::vector<int>{IDS_CANNOT_WRITE});
        QCOMPARE(f->prompter.shown[0].text.substr(f->prompter.shown[0].text.size() - 35),
                 std::string("\nThe name holds a control character"));
        for (const auto& entry : std::filesystem::directory_iterator(f->dir.Path()))
            QVERIFY2(entry.path().extension() != ".cpy" && entry.path().extension() != ".cbl",
                     entry.path().c_str());
        QVERIFY(dialog->isVisible());
    }

    // A disk that is full fails every file: one message box, not one per file.
    void aFullDiskIsOneMessage() {
        f->app->SetOptions({"TypeLib.cpy", true, true, false});
        f->app->GetServices().writeFile = [](int, const void*, std::size_t) -> ssize_t {
            errno = ENOSPC;
            return -1;
        };
        auto dialog = Open();
        CopyFileEdit(*dialog)->setText(QString::fromStdString(f->dir / "Out.cpy"));
        dialog->OnGenerate();
        QCOMPARE(f->prompter.Ids(), std::vector<int>{IDS_WRITE_FAILED_NEW});
        QCOMPARE(f->prompter.shown[0].text,
                 "The file\n'ishape.cbl'\ncould not be written completely: " +
                     std::string(std::strerror(ENOSPC)) +
                     "\nThe file has not been written.\nFiles not written for the same "
                     "reason: 3");
        QVERIFY(!std::filesystem::exists(f->dir / "Out.cpy"));
        QVERIFY(dialog->isVisible());
    }

    void theTreeThroughTheView() {
        auto dialog = Open();
        QTreeView* tree = dialog->TreeView();
        QAbstractItemModel* model = tree->model();
        QCOMPARE(model->rowCount(), 1);
        QModelIndex library = model->index(0, 0);
        QCOMPARE(library.data().toString(), QString("Shapes"));
        QVERIFY(!tree->isExpanded(library));
        QVERIFY(!tree->selectionModel()->isSelected(library));
        QCOMPARE(model->rowCount(library), 0);  // made on the first expansion only
        // Enter toggles the current item.
        tree->setCurrentIndex(library);
        QTest::keyClick(tree, Qt::Key_Return);
        QVERIFY(tree->isExpanded(library));
        QCOMPARE(Texts(library),
                 (QStringList{"Interfaces", "Automation Interfaces", "Enumerations", "Structures",
                              "Modules", "CoClasses", "Typedefs", "Unions"}));
        QTest::keyClick(tree, Qt::Key_Return);
        QVERIFY(!tree->isExpanded(library));
        QTest::keyClick(tree, Qt::Key_Right);
        QCOMPARE(model->rowCount(library), 8);  // no duplicates
        // An alias of a built-in type turns out empty: it closes and loses its button.
        QModelIndex typedefs = Child(library, "Typedefs");
        tree->expand(typedefs);
        QModelIndex handle = Child(typedefs, "typedef LONG HANDLE_T");
        QVERIFY2(handle.isValid(), qPrintable(Texts(typedefs).join(", ")));
        QVERIFY(model->hasChildren(handle));
        tree->expand(handle);
        QVERIFY(!tree->isExpanded(handle));
        QVERIFY(!model->hasChildren(handle));
        // An alias of a structure leads to it, and on to its fields.
        QModelIndex rectAlias = Child(typedefs, "typedef Rect RECT_ALIAS");
        tree->expand(rectAlias);
        QCOMPARE(model->rowCount(rectAlias), 1);
        tree->expand(model->index(0, 0, rectAlias));
        QVERIFY(model->rowCount(model->index(0, 0, rectAlias)) >= 4);
    }

    // Expanding an item near the bottom scrolls as many of its children into
    // view as fit; the item itself stays in view.
    void expandingShowsTheChildren() {
        auto dialog = Open();
        QTreeView* tree = dialog->TreeView();
        QModelIndex library = tree->model()->index(0, 0);
        tree->expand(library);
        int groups = tree->model()->rowCount(library);
        // Room for the library, its groups and two more rows.
        tree->resize(tree->width(), tree->height() - tree->viewport()->height() +
                                        (groups + 3) * tree->sizeHintForRow(0));
        auto top = [&](const QModelIndex& index) { return tree->visualRect(index).top(); };
        auto visible = [&](const QModelIndex& index) {
            return top(index) >= 0 && tree->visualRect(index).bottom() < tree->viewport()->height();
        };
        bool scrolled = false;
        for (int row = 0; row < groups; ++row) {
            QModelIndex group = tree->model()->index(row, 0, library);
            tree->collapseAll();
            tree->expand(library);
            tree->scrollToTop();
            tree->expand(group);
            int children = tree->model()->rowCount(group);
            QVERIFY(visible(group));
            if (children == 0) continue;
            // (Also once a scroll bar that came with them has taken its room.)
            QTRY_VERIFY(visible(tree->model()->index(children - 1, 0, group)) || top(group) == 0);
            QVERIFY(visible(tree->model()->index(std::min(children, 3) - 1, 0, group)));
            scrolled = scrolled || top(library) < 0;
        }
        QVERIFY(scrolled);  // what this is about
    }

    void theModelKeepsQtsRules() {
        auto dialog = Open();
        QAbstractItemModelTester tester(dialog->Model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QTreeView* tree = dialog->TreeView();
        QModelIndex library = dialog->Model()->index(0, 0);
        tree->expand(library);
        for (int row = 0; row < 8; ++row)
            tree->expand(dialog->Model()->index(row, 0, library));
    }

    // Rows are announced around their insertion, once, and an expansion
    // that makes nothing is reported, not announced.
    void theModelAnnouncesWhatItInserts() {
        // Without the model tester, which fetches on its own while it checks.
        CobolNaming naming;
        TypeLibTreeModel model;
        ComPtr<ITypeLib> lib;
        QCOMPARE(LoadTypeLibEx(FixturePath("shapes.tlb"), LoadOptions{}, lib), S_OK);
        QModelIndex library = model.AddLibrary(lib, naming);
        QCOMPARE(library, model.index(0, 0));
        QVERIFY(model.hasChildren(library));
        QCOMPARE(model.rowCount(library), 0);
        QStringList events;
        connect(&model, &QAbstractItemModel::rowsAboutToBeInserted,
                [&](const QModelIndex& parent, int first, int last) {
                    events << QString("before %1: %2-%3 of %4")
                                  .arg(parent.data().toString())
                                  .arg(first)
                                  .arg(last)
                                  .arg(model.rowCount(parent));
                });
        connect(&model, &QAbstractItemModel::rowsInserted, [&](const QModelIndex& parent) {
            events << QString("after: %1").arg(model.rowCount(parent));
        });
        connect(&model, &TypeLibTreeModel::expansionStarted, [&] { events << "started"; });
        connect(&model, &TypeLibTreeModel::expansionFinished, [&] { events << "finished"; });
        connect(&model, &TypeLibTreeModel::expandedEmpty,
                [&](const QModelIndex& index) { events << "empty " + index.data().toString(); });

        QVERIFY(model.canFetchMore(library));
        model.fetchMore(library);
        QCOMPARE(events,
                 (QStringList{"started", "before Shapes: 0-7 of 0", "after: 8", "finished"}));
        events.clear();
        QVERIFY(!model.canFetchMore(library));
        model.fetchMore(library);
        QCOMPARE(model.rowCount(library), 8);
        QVERIFY(events.isEmpty());

        QModelIndex typedefs = Child(library, "Typedefs");
        model.fetchMore(typedefs);
        QModelIndex handle = Child(typedefs, "typedef LONG HANDLE_T");
        QVERIFY(model.canFetchMore(handle));
        events.clear();
        model.fetchMore(handle);
        QCOMPARE(events, (QStringList{"started", "finished", "empty typedef LONG HANDLE_T"}));
        QVERIFY(!model.hasChildren(handle));
        QVERIFY(!model.canFetchMore(handle));
        QCOMPARE(model.parent(Child(typedefs, "typedef Rect RECT_ALIAS")), typedefs);
    }

    void closingReleasesEveryReference() {
        ComPtr<ITypeLib> lib;
        ULONG before = 0;
        {
            CContentsDlg dialog(*f->app, f->services);
            QVERIFY(dialog.LoadTypeLibFile(FixturePath("shapes.tlb")));
            lib = ComPtr<ITypeLib>(dialog.TypeLib());
            lib->AddRef();
            before = lib->Release();
            dialog.OnInitDialog();
            dialog.show();
            QTreeView* tree = dialog.TreeView();
            QModelIndex library = dialog.Model()->index(0, 0);
            tree->expand(library);
            for (int row = 0; row < 8; ++row) {
                QModelIndex category = dialog.Model()->index(row, 0, library);
                tree->expand(category);
                for (int type = 0; type < dialog.Model()->rowCount(category); ++type) {
                    tree->expand(dialog.Model()->index(type, 0, category));
                }
            }
            lib->AddRef();
            QVERIFY(lib->Release() > before);
            dialog.reject();
            lib->AddRef();
            QCOMPARE(lib->Release(), before);
        }
        lib->AddRef();
        QCOMPARE(lib->Release(), before - 1);  // and the dialog's own is gone
    }

    void loadFailuresSay105() {
        CContentsDlg fromFile(*f->app, f->services);
        QVERIFY(!fromFile.LoadTypeLibFile(f->dir / "nothing.tlb"));
        CContentsDlg registered(*f->app, f->services);
        GUID stale{0x77777777, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 1}};
        QVERIFY(!registered.LoadRegisteredTypeLib(stale, 1, 0));
        GUID shapes{0x5A0C0DE0, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 1}};
        QVERIFY(registered.LoadRegisteredTypeLib(shapes, 1, 2));
        QCOMPARE(f->prompter.Ids(), (std::vector<int>{IDS_CANNOT_LOAD, IDS_CANNOT_LOAD}));
        QCOMPARE(f->prompter.shown[0].icon, MessageIcon::Warning);
    }

    void help() {
        auto dialog = Open();
        dialog->TreeView()->setFocus();
        QTest::keyClick(dialog.get(), Qt::Key_F1);
        dialog->Form().Control(2)->setFocus();
        QTest::keyClick(dialog.get(), Qt::Key_F1);
        QCOMPARE(f->shownTopics, (QStringList{Help::Topic(0x808103EA), Help::Topic(0x80810002)}));
        QCOMPARE(dialog->TreeView()->whatsThis(), Help::Topic(0x808103EA));
        // Shift+F1: What's This mode, where a click shows a control's topic.
        QTest::keyClick(dialog.get(), Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QWhatsThis::leaveWhatsThisMode();
    }
};

QORVIX_UI_TEST(ContentsDialogTest);

}  // namespace qorvix::test

#include "contents_dialog_test.moc"
