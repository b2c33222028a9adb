// The German satellite: the dialogs, the tree's labels, the string table
// and the help topics in German; nothing cut off.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTranslator>
#include <QTreeView>
#include <QTreeWidget>

#include "resources/string_table.h"
#include "tests/ui/ui_fixture.h"
#include "ui/about_dialog.h"
#include "ui/contents_dialog.h"
#include "ui/library_list_dialog.h"
#include "ui/translations.h"

namespace qorvix::test {

class TranslationTest : public QObject {
    Q_OBJECT
    QTranslator translator;
    std::unique_ptr<TranslatedStrings> strings;
    std::unique_ptr<UiFixture> f;

  private slots:
    void initTestCase() {
        QVERIFY(translator.load(QStringLiteral(QORVIX_SATELLITE_DIR "/qorvix.deu")));
        QApplication::installTranslator(&translator);
        strings = std::make_unique<TranslatedStrings>(translator);
        SetStrings(strings.get());
    }
    void cleanupTestCase() {
        SetStrings(nullptr);
        QApplication::removeTranslator(&translator);
    }
    void init() { f = std::make_unique<UiFixture>(); }
    void cleanup() { f.reset(); }

    void theStringTableListsItsTexts() {
        QStringList table;
        for (int id : {101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 120, 121, 122, 123,
                       124, 125, 126, 127}) {
            table << QString::fromStdString(BuiltInStrings().Load(id));
        }
        QCOMPARE(StringTableSources(), table);
    }

    void everyTextIsGerman() {
        for (const QString& source : StringTableSources()) {
            QVERIFY2(!translator.translate("StringTable", source.toUtf8()).isEmpty(),
                     qPrintable(source));
        }
        QCOMPARE(FormatString(IDS_CANNOT_LOAD, "x.tlb", "the file is empty"),
                 std::string("Die Typbibliothek konnte nicht geladen werden.\n'x.tlb': the file "
                             "is empty"));
        QCOMPARE(FormatString(IDS_BAD_OPTION, "ix"),
                 std::string("Die Option 'ix' ist keine gültige Option.\nMit qorvix -? erhalten "
                             "Sie eine Liste der "
                             "gültigen Optionen."));
        for (quint32 id : Help::HelpIds()) {
            QVERIFY(Help::Topic(id) !=
                    QString::fromUtf8(QCoreApplication::translate("NoSuchContext", "x").toUtf8()));
        }
        QCOMPARE(Help::Topic(0x806603ED),
                 QString("Liest die Liste der registrierten Typbibliotheken neu."));
    }

    void theDialogsInGerman() {
        CLibraryListDlg list(*f->app, f->services);
        list.OnInitDialog();
        QCOMPARE(ViewButton(list)->text(), QString("&Anzeigen..."));
        QCOMPARE(LibraryList(list)->headerItem()->text(0), QString("Beschreibung"));
        QCOMPARE(list.WindowMenu()->actions().last()->text(), QString("&Info über qorvix..."));
        QVERIFY2(ClippedControls(&list).isEmpty(), qPrintable(ClippedControls(&list).join(", ")));

        CContentsDlg contents(*f->app, f->services);
        QVERIFY(contents.LoadTypeLibFile(FixturePath("shapes.tlb")));
        contents.OnInitDialog();
        QCOMPARE(contents.Form().Control(1009)->property("text").toString(), QString("&Erzeugen"));
        QCOMPARE(contents.Form().Control(1006)->property("text").toString(),
                 QString("&Schnittstellenklassen erzeugen"));
        QVERIFY2(ClippedControls(&contents).isEmpty(),
                 qPrintable(ClippedControls(&contents).join(", ")));
        QTreeView* tree = contents.TreeView();
        QModelIndex library = tree->model()->index(0, 0);
        tree->expand(library);
        QCOMPARE(tree->model()->index(1, 0, library).data().toString(),
                 QString("Automatisierungsschnittstellen"));
        // The labels are only shown in German: a dispinterface's "Properties"
        // group still lists its properties.
        QModelIndex automation = tree->model()->index(1, 0, library);
        tree->expand(automation);
        QModelIndex window;
        for (int row = 0; row < tree->model()->rowCount(automation); ++row) {
            if (tree->model()->index(row, 0, automation).data().toString().endsWith("DWindow")) {
                window = tree->model()->index(row, 0, automation);
            }
        }
        tree->expand(window);
        QModelIndex properties;
        for (int row = 0; row < tree->model()->rowCount(window); ++row) {
            if (tree->model()->index(row, 0, window).data().toString() == "Eigenschaften") {
                properties = tree->model()->index(row, 0, window);
            }
        }
        QVERIFY(properties.isValid());
        tree->expand(properties);
        QVERIFY(tree->model()->rowCount(properties) > 0);

        CAboutDlg about;
        QCOMPARE(about.windowTitle(), QString("Info über Pellarine"));
        QVERIFY(ClippedControls(&about).isEmpty());
    }

    // "Durchsuchen..." is wider than the layout's buttons: its column takes
    // its width, and the edges the layout aligns stay aligned.
    void longerTextsKeepTheLayoutsLines() {
        auto rightOf = [](QWidget* control) { return control->x() + control->width(); };
        CLibraryListDlg list(*f->app, f->services);
        list.OnInitDialog();
        const DialogUnits& units = list.Form().Units();
        QWidget* view = list.Form().Control(1010);
        QWidget* browse = list.Form().Control(1001);
        QWidget* refresh = list.Form().Control(1005);
        QVERIFY(browse->sizeHint().width() > units.X(50));  // what this is about
        for (QWidget* button : {view, refresh}) {
            QCOMPARE(button->x(), browse->x());
            QCOMPARE(button->width(), browse->width());
        }
        QCOMPARE(browse->x(), units.X(269));  // the gap to the list stays
        // The dialog's margin to the right of the column stays.
        QCOMPARE(list.width() - rightOf(browse), units.X(326) - units.X(269) - units.X(50));
        QVERIFY2(ClippedControls(&list).isEmpty(), qPrintable(ClippedControls(&list).join(", ")));

        CContentsDlg contents(*f->app, f->services);
        QWidget* copyBrowse = contents.Form().Control(1008);
        QWidget* copyFile = contents.Form().Control(1003);
        QVERIFY(copyBrowse->sizeHint().width() > units.X(50));
        QGroupBox* cobol = nullptr;
        QGroupBox* support = nullptr;
        for (QGroupBox* frame : contents.findChildren<QGroupBox*>())
            (frame->title() == "COBOL" ? cobol : support) = frame;
        // Browse, the copy-file box and the inner frame end on one line,
        // and the outer frame keeps its margin to it.
        QCOMPARE(rightOf(copyBrowse), rightOf(copyFile));
        QCOMPARE(rightOf(support), rightOf(copyFile));
        QCOMPARE(rightOf(cobol) - rightOf(copyFile),
                 units.X(180) + units.X(143) - units.X(191) - units.X(121));
        QLabel* copyLabel = nullptr;
        for (QLabel* label : contents.findChildren<QLabel*>()) {
            if (label->text() == "Copy-Datei:") copyLabel = label;
        }
        QVERIFY(copyLabel);
        QVERIFY(copyBrowse->x() >= rightOf(copyLabel));
        QVERIFY2(ClippedControls(&contents).isEmpty(),
                 qPrintable(ClippedControls(&contents).join(", ")));
    }
};

QORVIX_UI_TEST(TranslationTest);

}  // namespace qorvix::test

#include "translation_test.moc"
