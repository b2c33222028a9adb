// Whether the desktop can show an HTML page in a browser: xdg-open hands
// a page to the program the desktop names for text/html, and where it
// names none, or a text editor, the reader would get nothing or the page's
// source.
#pragma once

#include <QString>
#include <QUrl>

namespace qorvix {

// True when `xdg-mime` names a program for text/html whose desktop entry
// exists and is not a text editor (unless it is a web browser as well).
bool DesktopShowsHtml();

// The same test for one desktop entry (a .desktop file).
bool ShowsHtml(const QString& desktopEntryPath);

// Hands `url` to the desktop (xdg-open), detached, with its output and
// errors dropped: a browser's own log lines are not the program's
// messages. False when it could not be started.
bool OpenInDesktopBrowser(const QUrl& url);

}  // namespace qorvix
