// The satellites: the dialogs, the tree's labels, the string table and the
// help topics in German; every language's dialogs with nothing cut off and
// no accelerator twice, with its manual and Qt's own texts.
#include <QCheckBox>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include "app/console_prompter.h"
#include "resources/satellite.h"
#include "resources/string_table.h"
#include "tests/ui/ui_fixture.h"
#include "ui/about_dialog.h"
#include "ui/contents_dialog.h"
#include "ui/library_list_dialog.h"
#include "ui/message_box_prompter.h"
#include "ui/translations.h"

Q_DECLARE_METATYPE(qorvix::Answer)

namespace qorvix::test {
namespace {

// The accelerators that more than one of `texts` claims.
QStringList SharedAccelerators(const QStringList& texts) {
    QStringList seen, shared;
    for (const QString& text : texts) {
        QString key = QKeySequence::mnemonic(text).toString();
        if (key.isEmpty()) continue;
        if (seen.contains(key)) shared << text;
        seen << key;
    }
    return shared;
}

// The texts of a dialog's buttons and check boxes.
QStringList ButtonTexts(QWidget* dialog) {
    QStringList texts;
    for (auto* button : dialog->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
        texts << button->text();
    return texts;
}

QStringList ActionTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (QAction* action : actions)
        texts << action->text();
    return texts;
}

}  // namespace

class TranslationTest : public QObject {
    Q_OBJECT
    QTranslator translator;
    Satellite german;
    std::unique_ptr<SatelliteStrings> strings;
    std::unique_ptr<UiFixture> f;

  private slots:
    void initTestCase() {
        QVERIFY(translator.load(QStringLiteral(QORVIX_SATELLITE_DIR "/qorvix.deu")));
        QApplication::installTranslator(&translator);
        QVERIFY(german.Load(QORVIX_SATELLITE_DIR "/qorvix.deu"));
        strings = std::make_unique<SatelliteStrings>(german);
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
                       124, 125, 126, 127, 128, 140, 141, 142, 143, 144, 145, 146, 147, 148, 149}) {
            table << QString::fromStdString(BuiltInStrings().Load(id));
        }
        for (int id = IDS_REASON_FIRST; id <= IDS_REASON_LAST; ++id)
            table << QString::fromStdString(BuiltInStrings().Load(id));
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

    // Every language of the table: its satellite speaks in every dialog,
    // where no text is cut and no accelerator is claimed twice; its manual
    // and Qt's own texts are there.
    void everyLanguage_data() {
        QTest::addColumn<QString>("extension");
        for (const char* language : {"chinese", "chinese traditional", "german", "spanish",
                                     "french", "italian", "japanese", "korean"}) {
            QTest::newRow(language) << QString::fromStdString(
                CGeneratorApp::FindLanguageExtension(language).value_or(""));
        }
    }
    void everyLanguage() {
        QFETCH(QString, extension);
        QTranslator satellite;
        QVERIFY(satellite.load(QORVIX_SATELLITE_DIR "/qorvix." + extension));
        Satellite file;
        QVERIFY(file.Load(QORVIX_SATELLITE_DIR "/qorvix." + extension.toStdString()));
        SatelliteStrings table(file);
        QApplication::removeTranslator(&translator);
        QApplication::installTranslator(&satellite);
        SetStrings(&table);
        auto restore = qScopeGuard([this, &satellite] {
            QApplication::removeTranslator(&satellite);
            QApplication::installTranslator(&translator);
            SetStrings(strings.get());
        });
        for (const QString& source : StringTableSources())
            QVERIFY2(!satellite.translate("StringTable", source.toUtf8()).isEmpty(),
                     qPrintable(source));
        // The program reads the satellite without Qt: it finds what Qt's
        // translator finds for every text of the language's table.
        QFile ts(QORVIX_TRANSLATIONS_DIR "/qorvix_" + QtLanguageOfSatellite(extension) + ".ts");
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        QByteArray context;
        int compared = 0;
        while (xml.readNextStartElement() || !xml.atEnd()) {
            if (xml.name() == u"name") context = xml.readElementText().toUtf8();
            if (xml.name() != u"source") continue;
            QByteArray source = xml.readElementText().toUtf8();
            QCOMPARE(
                QString::fromStdString(file.Translate(context.toStdString(), source.toStdString())),
                satellite.translate(context.constData(), source.constData()));
            ++compared;
        }
        QVERIFY(compared > 100);
        QCOMPARE(file.Translate("NoSuchContext", StringTableSources()[0].toStdString()), "");
        QTranslator qt;
        QVERIFY(qt.load("qtbase_" + QtLanguageOfSatellite(extension),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        const QString manual = QORVIX_SATELLITE_DIR "/qorvix.html";
        QCOMPARE(Help::ManualFor(manual, extension),
                 QString(QORVIX_SATELLITE_DIR "/qorvix." + extension + ".html"));
        QCOMPARE(Help::ManualFor(manual, "nld"), manual);  // no Dutch manual: the English one

        // The manual in the help window: its lines as far apart as a
        // browser sets them (1.45 or 1.6 times the font's size), not that
        // times the line's own height, which a CJK font makes far larger.
        Help help(QORVIX_SATELLITE_DIR "/qorvix." + extension + ".html");
        help.openUrl = [](const QUrl&) { return false; };
        help.HelpButton(nullptr);
        QTextBlock paragraph = help.WindowText()->document()->findBlockByNumber(1);
        QTRY_VERIFY(paragraph.layout()->lineCount() > 1);
        qreal pitch = paragraph.layout()->lineAt(1).y() - paragraph.layout()->lineAt(0).y();
        qreal size = QFontInfo(paragraph.charFormat().font()).pixelSize();
        QVERIFY2(pitch >= 1.4 * size && pitch <= 1.7 * size, qPrintable(QString::number(pitch)));
        help.CloseWindow();

        CLibraryListDlg list(*f->app, f->services);
        list.OnInitDialog();
        QVERIFY(ViewButton(list)->text() != "&View...");
        QVERIFY2(ClippedControls(&list).isEmpty(), qPrintable(ClippedControls(&list).join(", ")));
        QVERIFY2(SharedAccelerators(ButtonTexts(&list)).isEmpty(),
                 qPrintable(ButtonTexts(&list).join(", ")));
        QStringList windowMenu = ActionTexts(list.WindowMenu()->actions());
        QVERIFY2(SharedAccelerators(windowMenu).isEmpty(), qPrintable(windowMenu.join(", ")));
        f->menuChoice = -1;
        QVERIFY(f->help.ContextMenu(LibraryList(list), QPoint()));
        QVERIFY2(SharedAccelerators(f->menuTexts).isEmpty(), qPrintable(f->menuTexts.join(", ")));
        QStringList yesNo{QMessageBox::tr("&Yes"), QMessageBox::tr("&No"),
                          QMessageBox::tr("Yes to &All"), QMessageBox::tr("N&o to All")};
        QVERIFY2(SharedAccelerators(yesNo).isEmpty(), qPrintable(yesNo.join(", ")));
        // Its message box: the four buttons of one width, each text inside.
        QSet<int> widths;
        bool fit = true;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            for (QAbstractButton* button : box->buttons()) {
                widths << button->width();
                fit = fit && button->width() >= button->sizeHint().width();
            }
            box->buttons().first()->click();
        });
        Message question;
        question.buttons = MessageButtons::YesNoToAll;
        MessageBoxPrompter("qorvix").Show(question);
        QVERIFY(fit && widths.size() == 1);

        CContentsDlg contents(*f->app, f->services);
        QVERIFY(contents.LoadTypeLibFile(FixturePath("shapes.tlb")));
        contents.OnInitDialog();
        contents.TreeView()->expand(contents.Model()->index(0, 0));
        QVERIFY2(ClippedControls(&contents).isEmpty(),
                 qPrintable(ClippedControls(&contents).join(", ")));
        QVERIFY2(SharedAccelerators(ButtonTexts(&contents)).isEmpty(),
                 qPrintable(ButtonTexts(&contents).join(", ")));

        CAboutDlg about;
        QVERIFY2(ClippedControls(&about).isEmpty(), qPrintable(ClippedControls(&about).join(", ")));
    }

    // The question on a terminal, in every language: the letters of the
    // language in use, the built-in ones beside them, answers for all, and a
    // reply no answer has a letter for asks again.
    void consoleAnswers_data() {
        QTest::addColumn<QString>("extension");  // empty: English
        QTest::addColumn<bool>("forAll");        // with answers for all
        QTest::addColumn<QString>("replies");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<int>("prompts");
        QTest::addColumn<QString>("prompt");
        struct Language {
            const char* extension;
            const char* yes;  // the letters of Yes, No, Yes to All and No to All
            const char* no;
            const char* yesToAll;
            const char* noToAll;
            const char* prompt;
            const char* promptForAll;
        };
        const Language kLanguages[] = {
            {"", "y", "n", "a", "o", "Yes (y)/No (n) [No]? ",
             "Yes (y)/No (n)/Yes to All (a)/No to All (o) [No]? "},
            {"deu", "j", "n", "a", "k", "Ja (j)/Nein (n) [Nein]? ",
             "Ja (j)/Nein (n)/Ja, alle (a)/Nein, keine (k) [Nein]? "},
            {"fra", "o", "n", "t", "p", "Oui (o)/Non (n) [Non]\u00a0? ",
             "Oui (o)/Non (n)/Oui pour tout (t)/Non pour tout (p) [Non]\u00a0? "},
            {"esp", "s", "n", "t", "o", "¿Sí (s)/No (n) [No]? ",
             "¿Sí (s)/No (n)/Sí a todo (t)/No a todo (o) [No]? "},
            {"ita", "s", "n", "t", "u", "Sì (s)/No (n) [No]? ",
             "Sì (s)/No (n)/Sì a tutti (t)/No a tutti (u) [No]? "},
            {"jpn", "y", "n", "a", "o", "はい (y)/いいえ (n) [いいえ]? ",
             "はい (y)/いいえ (n)/すべてはい (a)/すべていいえ (o) [いいえ]? "},
            {"kor", "y", "n", "a", "o", "예 (y)/아니요 (n) [아니요]? ",
             "예 (y)/아니요 (n)/모두 예 (a)/모두 아니요 (o) [아니요]? "},
            {"chs", "y", "n", "a", "o", "是 (y)/否 (n) [否]? ",
             "是 (y)/否 (n)/全部是 (a)/全部否 (o) [否]? "},
            {"cht", "y", "n", "a", "o", "是 (y)/否 (n) [否]? ",
             "是 (y)/否 (n)/全部皆是 (a)/全部皆否 (o) [否]? "},
        };
        for (const Language& l : kLanguages) {
            QString name = *l.extension ? l.extension : "en";
            auto row = [&](const char* what, bool forAll) -> QTestData& {
                return QTest::newRow(qPrintable(name + " " + what))
                       << QString(l.extension) << forAll;
            };
            QString prompt = QString::fromUtf8(l.prompt);
            QString promptForAll = QString::fromUtf8(l.promptForAll);
            row("yes", false) << QString(l.yes).toUpper() + "\n" << Answer::Yes << 1 << prompt;
            row("no", false) << QString(l.no) + "\n" << Answer::No << 1 << prompt;
            row("Enter", false) << "\n" << Answer::No << 1 << prompt;
            row("built-in y", false) << "yes\n" << Answer::Yes << 1 << prompt;
            QString fullWidth(QChar(QString(l.yes).toUpper()[0].unicode() + 0xFEE0));
            row("full-width letter", false) << fullWidth + "\n" << Answer::Yes << 1 << prompt;
            row("unknown letters ask again", false) << "x\n  ?\nä\n" + QString(l.no) + "\n"
                                                    << Answer::No << 4 << prompt;
            row("yes to all", true) << QString(l.yesToAll) + "\n"
                                    << Answer::YesToAll << 1 << promptForAll;
            row("no to all", true) << QString(l.noToAll) + "\n"
                                   << Answer::NoToAll << 1 << promptForAll;
        }
    }
    void consoleAnswers() {
        QFETCH(QString, extension);
        QFETCH(bool, forAll);
        QFETCH(QString, replies);
        QFETCH(Answer, answer);
        QFETCH(int, prompts);
        QFETCH(QString, prompt);
        Satellite satellite;
        SatelliteStrings table(satellite);
        if (!extension.isEmpty())
            QVERIFY(satellite.Load(QORVIX_SATELLITE_DIR "/qorvix." + extension.toStdString()));
        SetStrings(extension.isEmpty() ? nullptr : &table);
        auto restore = qScopeGuard([this] { SetStrings(strings.get()); });
        int master = -1, slave = -1;
        QCOMPARE(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
        termios modes{};
        tcgetattr(slave, &modes);
        modes.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(slave, TCSANOW, &modes);
        // The replies, then the end of input: a prompter that asks once
        // more gets its default instead of waiting.
        QByteArray typed = replies.toUtf8() + '\x04';
        QVERIFY(write(master, typed.data(), static_cast<std::size_t>(typed.size())) > 0);
        std::FILE* in = fdopen(slave, "r");
        char* shown = nullptr;
        std::size_t shownSize = 0;
        std::FILE* out = open_memstream(&shown, &shownSize);
        Message question;
        question.text = "?";
        question.buttons = forAll ? MessageButtons::YesNoToAll : MessageButtons::YesNo;
        question.defaultAnswer = Answer::No;
        Answer given = ConsolePrompter("qorvix", in, out, true).Show(question);
        std::fclose(out);
        std::fclose(in);
        close(master);
        QString output = QString::fromUtf8(shown);
        std::free(shown);
        QCOMPARE(given, answer);
        QCOMPARE(output, "qorvix: ?\n" + prompt.repeated(prompts));
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
