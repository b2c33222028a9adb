// Whether the desktop can show an HTML page in a browser: xdg-open hands
// a page to the program the desktop names for text/html, and where it
// names none, or a text editor, the reader would get nothing or the page's
// source.
#pragma once

#include <QString>

namespace qorvix {

// True when `xdg-mime` names a program for text/html whose desktop entry
// exists and is not a text editor (unless it is a web browser as well).
bool DesktopShowsHtml();

// The same test for one desktop entry (a .desktop file).
bool ShowsHtml(const QString& desktopEntryPath);

}  // namespace qorvix
