#include "ui/help.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>
#include <QWhatsThis>

#include "ui/desktop_browser.h"
#include "ui/dialog_form.h"

namespace qorvix {
namespace {

struct TopicText {
    quint32 helpId;
    const char* title;
    const char* text;
};

// Topics by help id: 0x80660000 + id for the list of registered libraries
// (dialog 102), 0x80810000 + id for the contents dialog (129).
const TopicText kTopics[] = {
    {0, QT_TRANSLATE_NOOP("Help", "qorvix"),
     QT_TRANSLATE_NOOP("Help",
                       "qorvix writes COBOL source for COM type libraries: a copy file with the "
                       "library's types, constants, class and interface identifiers and the invoke "
                       "phrases of its methods, and on request one interface class file per "
                       "interface. Pick a registered library in the list (View) or a file "
                       "(Browse), look at its contents, choose the copy file and the options, and "
                       "press Generate.")},
    {0x806603EC, QT_TRANSLATE_NOOP("Help", "Registered type libraries"),
     QT_TRANSLATE_NOOP("Help",
                       "The type libraries registered on this machine, one row per registered "
                       "version: its description, its version and its library identifier (TLBID). "
                       "Double-click a row to see its contents.")},
    {0x806603F2, QT_TRANSLATE_NOOP("Help", "View"),
     QT_TRANSLATE_NOOP("Help",
                       "Opens the selected type library and shows its contents, where you can "
                       "generate COBOL for it.")},
    {0x806603E9, QT_TRANSLATE_NOOP("Help", "Browse"),
     QT_TRANSLATE_NOOP("Help",
                       "Chooses a type library file (.tlb, .olb, .dll, .ocx) that need not be "
                       "registered, and shows its contents.")},
    {0x806603ED, QT_TRANSLATE_NOOP("Help", "Refresh"),
     QT_TRANSLATE_NOOP("Help", "Reads the list of registered type libraries again.")},
    {0x80660001, QT_TRANSLATE_NOOP("Help", "Close"),
     QT_TRANSLATE_NOOP("Help", "Ends the program.")},
    {0x806603F4, QT_TRANSLATE_NOOP("Help", "Help"),
     QT_TRANSLATE_NOOP("Help", "Opens the qorvix manual.")},
    {0x808103EA, QT_TRANSLATE_NOOP("Help", "Contents of type library"),
     QT_TRANSLATE_NOOP("Help",
                       "The type library as a tree: its interfaces, automation interfaces, "
                       "enumerations, structures, modules, component classes, typedefs and unions, "
                       "and under each type its members. Press Enter to open or close the selected "
                       "item.")},
    {0x808103F0, QT_TRANSLATE_NOOP("Help", "Browse"),
     QT_TRANSLATE_NOOP("Help", "Chooses the copy file to generate.")},
    {0x808103EB, QT_TRANSLATE_NOOP("Help", "Copy file"),
     QT_TRANSLATE_NOOP("Help",
                       "The name of the copy file to generate. A name without a folder is "
                       "written into the current folder; the interface class files are written "
                       "beside the copy file.")},
    {0x808103F3, QT_TRANSLATE_NOOP("Help", "Add file to project"),
     QT_TRANSLATE_NOOP("Help",
                       "Generates the files in the directory of the project open in the COBOL IDE "
                       "and adds the copy file to that project. Available when the IDE is "
                       "installed.")},
    {0x808103EE, QT_TRANSLATE_NOOP("Help", "Generate Interface Classes"),
     QT_TRANSLATE_NOOP("Help",
                       "Also writes one interface class file for each interface of the library, "
                       "for calling interfaces that do not support automation.")},
    {0x808103EF, QT_TRANSLATE_NOOP("Help", "Generate Dual Interfaces"),
     QT_TRANSLATE_NOOP("Help",
                       "Also writes interface class files for dual interfaces, which can "
                       "otherwise be called through automation.")},
    {0x808103F1, QT_TRANSLATE_NOOP("Help", "Generate"),
     QT_TRANSLATE_NOOP("Help",
                       "Writes the copy file and, if chosen, the interface class files. The "
                       "dialog stays open, so you can generate again with other settings.")},
    {0x80810002, QT_TRANSLATE_NOOP("Help", "Cancel"),
     QT_TRANSLATE_NOOP("Help", "Closes the contents of the type library.")},
};

// A context-menu request from the keyboard for the focused control of
// `dialog` (or the dialog), placed where Qt places one: at the control's
// cursor, or in its middle.
void RequestContextMenu(QWidget* dialog) {
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != dialog) target = dialog;
    QPoint at = target->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    // An item view answers in its viewport's coordinates.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(target))
        at = area->viewport()->mapTo(target, at);
    QContextMenuEvent request(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at));
    QCoreApplication::sendEvent(target, &request);
}

// Browsers take a line height without a unit as a multiple of the font's
// size, Qt's rich text as a multiple of each line's own height, which a
// Chinese, Japanese or Korean font (or a monospaced one that comes with
// them) makes nearly one and a half times that size: the manual's lines are
// spaced as the desktop's browser spaces them.
void SpaceLinesAsBrowsersDo(QTextDocument& document) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (format.lineHeightType() != QTextBlockFormat::ProportionalHeight) continue;
        qreal size = QFontInfo(block.charFormat().font()).pixelSize();
        format.setLineHeight(format.lineHeight() / 100 * size, QTextBlockFormat::MinimumHeight);
        QTextCursor(block).setBlockFormat(format);
    }
}

}  // namespace

Help::Help(QString manualPath, QObject* parent)
    : QObject(parent), m_manualPath(std::move(manualPath)) {
    openUrl = [](const QUrl& url) { return DesktopShowsHtml() && OpenInDesktopBrowser(url); };
    showText = [](const QPoint& at, const QString& text, QWidget* widget) {
        QWhatsThis::showText(at, text, widget);
    };
    execMenu = [](QMenu& menu, const QPoint& at) { return menu.exec(at); };
}

Help::~Help() {
    CloseWindow();
}

QString Help::ManualFor(const QString& manual, const QString& extension) {
    const QString html = QStringLiteral(".html");
    if (extension.isEmpty() || !manual.endsWith(html)) return manual;
    QString translated = manual.chopped(html.size()) + QLatin1Char('.') + extension + html;
    return QFileInfo::exists(translated) ? translated : manual;
}

QString Help::Topic(quint32 helpId) {
    for (const TopicText& topic : kTopics) {
        if (topic.helpId == helpId) return QCoreApplication::translate("Help", topic.text);
    }
    return {};
}

QList<quint32> Help::HelpIds() {
    QList<quint32> ids;
    for (const TopicText& topic : kTopics)
        ids << topic.helpId;
    return ids;
}

void Help::ShowPopup(QWidget* control) {
    // The control itself, or the control a focused part belongs to.
    while (control && HelpIdOfWidget(control) == 0 && !control->isWindow())
        control = control->parentWidget();
    quint32 helpId = HelpIdOfWidget(control);
    if ((helpId & 0xFFFF) == 0) return;
    QString text = Topic(helpId);
    if (text.isEmpty()) return;
    QPoint at = control->mapToGlobal(QPoint(control->width() / 2, control->height() / 2));
    showText(at, text, control);
}

bool Help::ContextMenu(QWidget* control, const QPoint& globalPos) {
    int id = ControlIdOf(control);
    if (id == 0 || id == -1) return false;
    QMenu menu(control);
    QAction* whatsThis = menu.addAction(tr("&What's This?"));
    if (!control->actions().isEmpty()) {
        menu.addSeparator();
        menu.addActions(control->actions());
    }
    if (execMenu(menu, globalPos) == whatsThis) {
        quint32 helpId = HelpIdOfWidget(control);
        QString text = Topic(helpId);
        if (!text.isEmpty()) showText(globalPos, text, control);
    }
    return true;
}

void Help::HelpButton(QWidget* owner) {
    QFile manual(m_manualPath);
    if (m_manualPath.isEmpty() || !manual.open(QIODevice::ReadOnly)) {
        ShowWindow(owner, false);
        return;
    }
    manual.close();
    if (!m_latched && openUrl(QUrl::fromLocalFile(m_manualPath))) return;
    // No browser, or one that would show the page as text: our own window,
    // and no further tries.
    m_latched = true;
    ShowWindow(owner, true);
}

void Help::ShowWindow(QWidget* owner, bool manual) {
    if (!m_window) {
        m_window = new QDialog(owner);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        m_window->setWindowTitle(tr("qorvix Help"));
        auto* layout = new QVBoxLayout(m_window);
        auto* browser = new QTextBrowser(m_window);
        browser->setOpenExternalLinks(true);
        layout->addWidget(browser);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, m_window);
        buttons->button(QDialogButtonBox::Close)->setText(tr("Close"));
        connect(buttons, &QDialogButtonBox::rejected, m_window, &QDialog::close);
        layout->addWidget(buttons);
        m_window->resize(DialogUnits(m_window->font()).Size(300, 280));
    }
    QTextBrowser* browser = WindowText();
    if (manual) {
        browser->setObjectName(QStringLiteral("manual"));
        browser->setSource(QUrl::fromLocalFile(m_manualPath));
        SpaceLinesAsBrowsersDo(*browser->document());
    } else {
        browser->setObjectName(QStringLiteral("topics"));
        QString html;
        for (const TopicText& topic : kTopics) {
            html += QStringLiteral("<h3>%1</h3><p>%2</p>")
                        .arg(QCoreApplication::translate("Help", topic.title).toHtmlEscaped(),
                             QCoreApplication::translate("Help", topic.text).toHtmlEscaped());
        }
        browser->setHtml(html);
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

QTextBrowser* Help::WindowText() const {
    return m_window ? m_window->findChild<QTextBrowser*>() : nullptr;
}

bool Help::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu) {
        QWidget* control = qobject_cast<QWidget*>(watched);
        if (control && ControlIdOf(control) == 0) control = control->parentWidget();
        auto* click = static_cast<QContextMenuEvent*>(event);
        if (ContextMenu(control, click->globalPos())) return true;
    }
    return QObject::eventFilter(watched, event);
}

void Help::CloseWindow() {
    if (m_window) m_window->close();
}

void Help::Attach(QWidget* dialog) {
    for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        quint32 helpId = HelpIdOfWidget(child);
        if ((helpId & 0xFFFF) != 0) child->setWhatsThis(Topic(helpId));
        if (ControlIdOf(child) == 0 || qobject_cast<QLineEdit*>(child)) continue;
        child->installEventFilter(this);
        // A list or tree gets the click in its viewport.
        if (auto* area = qobject_cast<QAbstractScrollArea*>(child))
            area->viewport()->installEventFilter(this);
    }
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), dialog);
    connect(f1, &QShortcut::activated, this, [this] { ShowPopup(QApplication::focusWidget()); });
    auto* whatsThis = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), dialog);
    connect(whatsThis, &QShortcut::activated, [] { QWhatsThis::enterWhatsThisMode(); });
    // The platform turns the Menu key into a context-menu request only on
    // some window systems, and Shift+F10 on none; both ask here. (Where the
    // platform did, its menu is open and these keys go to the menu.)
    for (const QKeySequence& keys :
         {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
        auto* shortcut = new QShortcut(keys, dialog);
        connect(shortcut, &QShortcut::activated, dialog, [dialog] { RequestContextMenu(dialog); });
    }
}

}  // namespace qorvix
