// Help: the pop-up topic of a control (F1, What's This, right click), and
// the manual behind the Help button: in the desktop's browser, or in a help
// window of our own when the desktop cannot show it (the topics when there
// is no manual).
#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>

class QAction;
class QMenu;
class QPoint;
class QTextBrowser;
class QWidget;

namespace qorvix {

class Help : public QObject {
    Q_OBJECT
  public:
    // `manualPath`: the HTML manual (the program's path with ".html").
    explicit Help(QString manualPath, QObject* parent = nullptr);
    ~Help() override;

    // F1 on `control`: its pop-up topic, when its help id names one (the
    // low 16 bits are not 0). The request counts as handled in any case.
    void ShowPopup(QWidget* control);
    // A right click on `control`: offers its topic in a menu, followed by
    // the control's own actions (QWidget::actions) when it has any. False
    // when the widget is not a control with an id (nothing is shown).
    bool ContextMenu(QWidget* control, const QPoint& globalPos);
    // The Help button: the manual when it can be read, else the topics.
    // The manual goes to the desktop's browser; once the desktop could not
    // show it, it is shown in the help window, then and on every later
    // press.
    void HelpButton(QWidget* owner);
    // Closes the help window (the main dialog's end).
    void CloseWindow();

    // Gives every control of `dialog` its topic as What's This text, binds
    // F1 (its topic) and Shift+F1 (What's This mode), and offers the topic
    // on a right click (an edit box keeps its own menu). Shift+F10 and the
    // Menu key ask the focused control for its context menu, as a right
    // click does.
    void Attach(QWidget* dialog);

    // The manual in the language of the satellite with `extension`
    // ("qorvix.fra.html" beside "qorvix.html") when it is there, else the
    // English `manual`.
    static QString ManualFor(const QString& manual, const QString& extension);

    // The topic for a help id (context 0: the overview); empty when none.
    static QString Topic(quint32 helpId);
    static QList<quint32> HelpIds();

    bool ManualLatched() const { return m_latched; }
    // The help window (null until it is first shown) and its text.
    QDialog* Window() const { return m_window; }
    QTextBrowser* WindowText() const;
    const QString& ManualPath() const { return m_manualPath; }

    // Seams for tests. `openUrl` shows a page in the desktop's browser and
    // says whether it could.
    std::function<bool(const QUrl&)> openUrl;
    std::function<void(const QPoint&, const QString&, QWidget*)> showText;
    std::function<QAction*(QMenu&, const QPoint&)> execMenu;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The help window with the manual, or with the topics.
    void ShowWindow(QWidget* owner, bool manual);

    QString m_manualPath;
    bool m_latched = false;
    QPointer<QDialog> m_window;
};

}  // namespace qorvix
