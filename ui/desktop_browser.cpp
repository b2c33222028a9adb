#include "ui/desktop_browser.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

namespace qorvix {
namespace {

// xdg-mime is a shell script that may ask the desktop; it answers at once
// when all is well.
constexpr int kQueryTimeoutMs = 3000;

}  // namespace

bool ShowsHtml(const QString& desktopEntryPath) {
    QFile file(desktopEntryPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    QTextStream in(&file);
    bool inEntry = false;
    QStringList categories;
    while (!in.atEnd()) {
        QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
        } else if (inEntry && line.startsWith(QLatin1String("Categories="))) {
            categories = line.mid(11).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        }
    }
    return !categories.contains(QLatin1String("TextEditor")) ||
           categories.contains(QLatin1String("WebBrowser"));
}

bool DesktopShowsHtml() {
    QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty()) return false;
    QProcess query;
    query.setStandardInputFile(QProcess::nullDevice());
    query.setStandardErrorFile(QProcess::nullDevice());
    query.start(xdgMime,
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
    if (!query.waitForFinished(kQueryTimeoutMs)) {
        query.kill();
        query.waitForFinished();
        return false;
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) return false;
    QString id =
        QString::fromLocal8Bit(query.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0);
    id = id.trimmed();
    if (id.isEmpty()) return false;
    QString entry = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
    return !entry.isEmpty() && ShowsHtml(entry);
}

bool OpenInDesktopBrowser(const QUrl& url) {
    QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty()) return false;
    QProcess open;
    open.setProgram(xdgOpen);
    open.setArguments({url.toString(QUrl::FullyEncoded)});
    open.setStandardInputFile(QProcess::nullDevice());
    open.setStandardOutputFile(QProcess::nullDevice());
    open.setStandardErrorFile(QProcess::nullDevice());
    return open.startDetached();
}

}  // namespace qorvix
