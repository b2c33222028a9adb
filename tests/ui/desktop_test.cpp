// What the program meets on a desktop: a display it cannot reach, and a
// desktop that may have no browser for the manual.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QProcess>
#include <QTest>
#include <filesystem>

#include "tests/support/temp_dir.h"
#include "tests/ui/ui_test.h"
#include "ui/desktop_browser.h"

namespace qorvix::test {
namespace {

// An X display number with no server behind it.
QString UnusedDisplay() {
    for (int number = 190; number < 290; ++number) {
        if (!std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(number)) &&
            !std::filesystem::exists("/tmp/.X" + std::to_string(number) + "-lock"))
            return QStringLiteral(":%1").arg(number);
    }
    return {};
}

struct Run {
    int status;
    QString errors;
};

// The program's main dialog run in `environment` (the variables that
// choose a display or a language are cleared first).
Run RunProgram(const QStringList& environment, const TempDir& home) {
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL",
                             "LC_MESSAGES", "LANG"})
        variables.remove(QString::fromLatin1(name));
    variables.insert("WINEPREFIX", QString::fromStdString(home / "prefix"));
    for (const QString& setting : environment)
        variables.insert(setting.section('=', 0, 0), setting.section('=', 1));
    QProcess program;
    program.setProcessEnvironment(variables);
    program.start(QStringLiteral(QORVIX_PROGRAM), {});
    if (!program.waitForFinished(60000)) return {-1, "did not end"};
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromUtf8(program.readAllStandardError())};
}

void WriteScript(const std::string& path, const std::string& text) {
    WriteText(path, "#!/bin/sh\n" + text);
    chmod(path.c_str(), 0755);
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

  private slots:
    void aDisplayThatCannotBeReached() {
        QString display = UnusedDisplay();
        if (display.isEmpty()) QSKIP("every display number tried is in use");
        TempDir home;
        Run english = RunProgram({"DISPLAY=" + display}, home);
        QCOMPARE(english.status, 1);
        QCOMPARE(english.errors,
                 "qorvix: cannot show the dialogs: the display cannot be reached (DISPLAY=" +
                     display + ")\n");
        Run german = RunProgram({"DISPLAY=" + display, "LC_ALL=de_DE.UTF-8"}, home);
        QCOMPARE(german.status, 1);
        QCOMPARE(german.errors, QString("qorvix: Die Dialoge können nicht angezeigt werden: Die "
                                        "Anzeige ist nicht erreichbar (DISPLAY=") +
                                    display + ")\n");
    }

    void noDisplayAtAll() {
        TempDir home;
        Run german = RunProgram({"LANG=de_DE.UTF-8"}, home);
        QCOMPARE(german.status, 1);
        QCOMPARE(german.errors, QString("qorvix: Die Dialoge können nicht angezeigt werden: Es "
                                        "gibt keine Anzeige (DISPLAY und WAYLAND_DISPLAY sind "
                                        "nicht gesetzt)\n"));
    }

    // The manual goes to the desktop only when it names a program for
    // HTML that is not a text editor.
    void theDesktopsProgramForHtml_data() {
        QTest::addColumn<QString>("answer");  // what xdg-mime says; "-" when there is none
        QTest::addColumn<bool>("shows");
        QTest::newRow("a browser") << "browser.desktop" << true;
        QTest::newRow("an editor") << "editor.desktop" << false;
        QTest::newRow("an editor that browses") << "both.desktop" << true;
        QTest::newRow("a viewer of any kind") << "viewer.desktop" << true;
        QTest::newRow("an entry that is gone") << "gone.desktop" << false;
        QTest::newRow("no program") << "" << false;
        QTest::newRow("no xdg-mime") << "-" << false;
    }
    void theDesktopsProgramForHtml() {
        QFETCH(QString, answer);
        QFETCH(bool, shows);
        TempDir dir;
        std::filesystem::create_directories(dir / "bin");
        std::filesystem::create_directories(dir / "share/applications");
        auto entry = [&](const std::string& name, const std::string& categories) {
            WriteText(dir / ("share/applications/" + name),
                      "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=true %u\n" +
                          categories + "[Desktop Action new]\nCategories=WebBrowser;\n");
        };
        entry("browser.desktop", "Categories=Network;WebBrowser;\n");
        entry("editor.desktop", "Categories=Utility;TextEditor;\n");
        entry("both.desktop", "Categories=TextEditor;WebBrowser;\n");
        entry("viewer.desktop", "");
        if (answer != "-") {
            WriteScript(dir / "bin/xdg-mime",
                        "[ \"$*\" = \"query default text/html\" ] || exit 2\necho '" +
                            answer.toStdString() + "'\n");
        }
        const QByteArray path = qgetenv("PATH"), dataDirs = qgetenv("XDG_DATA_DIRS"),
                         dataHome = qgetenv("XDG_DATA_HOME");
        qputenv("PATH", QByteArray::fromStdString(dir / "bin"));
        qputenv("XDG_DATA_DIRS", QByteArray::fromStdString(dir / "share"));
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dir / "home"));
        bool result = DesktopShowsHtml();
        qputenv("PATH", path);
        qputenv("XDG_DATA_DIRS", dataDirs);
        qputenv("XDG_DATA_HOME", dataHome);
        QCOMPARE(result, shows);
    }

    // The browser's own lines (on either stream) do not reach ours.
    void theBrowserKeepsItsLogToItself() {
        TempDir dir;
        std::filesystem::create_directories(dir / "bin");
        WriteScript(dir / "bin/xdg-open",
                    "echo 'browser: log line' >&2\necho 'browser: output'\n"
                    "echo \"$1\" >'" +
                        dir / "opened.tmp" + "'\nmv '" + dir / "opened.tmp" + "' '" +
                        dir / "opened" + "'\n");
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QByteArray::fromStdString(dir / "bin:") + path);
        // Our standard error, as the started program would inherit it.
        std::fflush(stderr);
        int saved = dup(2);
        int capture = open((dir / "errors").c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0600);
        dup2(capture, 2);
        bool started = OpenInDesktopBrowser(QUrl::fromLocalFile("/opt/qorvix/qorvix.html"));
        for (int i = 0; i < 200 && !std::filesystem::exists(dir / "opened"); ++i)
            QTest::qWait(50);
        dup2(saved, 2);
        close(saved);
        close(capture);
        qputenv("PATH", path);
        QVERIFY(started);
        QCOMPARE(ReadText(dir / "opened"), std::string("file:///opt/qorvix/qorvix.html\n"));
        QCOMPARE(ReadText(dir / "errors"), std::string());
    }
};

QORVIX_UI_TEST(DesktopTest);

}  // namespace qorvix::test

#include "desktop_test.moc"
