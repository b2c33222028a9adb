// Help: the pop-up topic of a control (F1, What's This, right click), and
// the manual behind the Help button, with the topics as the fallback when
// there is no manual.
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
    // A right click on `control`: offers its topic in a menu. False when
    // the widget is not a control with an id (nothing is shown).
    bool ContextMenu(QWidget* control, const QPoint& globalPos);
    // The Help button: the manual when it can be read, else the topics.
    // Once the desktop failed to open the manual, later presses do nothing.
    void HelpButton(QWidget* owner);
    // Closes the topics window (the main dialog's end).
    void CloseTopics();

    // Gives every control of `dialog` its topic as What's This text, binds
    // F1 (its topic) and Shift+F1 (What's This mode), and offers the topic
    // on a right click (an edit box keeps its own menu).
    void Attach(QWidget* dialog);

    // The topic for a help id (context 0: the overview); empty when none.
    static QString Topic(quint32 helpId);
    static QList<quint32> HelpIds();

    bool ManualLatched() const { return m_latched; }
    QDialog* TopicsWindow() const { return m_topics; }
    const QString& ManualPath() const { return m_manualPath; }

    // Seams for tests.
    std::function<bool(const QUrl&)> openUrl;
    std::function<void(const QPoint&, const QString&, QWidget*)> showText;
    std::function<QAction*(QMenu&, const QPoint&)> execMenu;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowTopics(QWidget* owner);

    QString m_manualPath;
    bool m_latched = false;
    QPointer<QDialog> m_topics;
};

}  // namespace qorvix
