#include "ui/message_box_prompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

namespace qorvix {

Answer MessageBoxPrompter::Show(const Message& message) {
    QWidget* owner = m_owner ? m_owner.data() : QApplication::activeWindow();
    QMessageBox box(owner);
    box.setWindowTitle(m_title);
    box.setText(QString::fromLocal8Bit(message.text));
    box.setTextFormat(Qt::PlainText);
    switch (message.icon) {
        case MessageIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MessageIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MessageIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case MessageIcon::None:
            break;
    }
    // The button texts are the program's own, so that they follow its
    // translation.
    struct Choice {
        Answer answer;
        QMessageBox::ButtonRole role;
        QString text;
    };
    std::vector<Choice> choices;
    switch (message.buttons) {
        case MessageButtons::Ok:
            choices = {{Answer::Ok, QMessageBox::AcceptRole, QMessageBox::tr("OK")}};
            break;
        case MessageButtons::OkCancel:
            choices = {{Answer::Ok, QMessageBox::AcceptRole, QMessageBox::tr("OK")},
                       {Answer::Cancel, QMessageBox::RejectRole, QMessageBox::tr("Cancel")}};
            break;
        case MessageButtons::YesNo:
            choices = {{Answer::Yes, QMessageBox::YesRole, QMessageBox::tr("&Yes")},
                       {Answer::No, QMessageBox::NoRole, QMessageBox::tr("&No")}};
            break;
        case MessageButtons::YesNoToAll:
            choices = {{Answer::Yes, QMessageBox::YesRole, QMessageBox::tr("&Yes")},
                       {Answer::YesToAll, QMessageBox::YesRole, QMessageBox::tr("Yes to &All")},
                       {Answer::No, QMessageBox::NoRole, QMessageBox::tr("&No")},
                       {Answer::NoToAll, QMessageBox::NoRole, QMessageBox::tr("N&o to All")}};
            break;
    }
    bool yesNo =
        message.buttons == MessageButtons::YesNo || message.buttons == MessageButtons::YesNoToAll;
    std::vector<QPushButton*> buttons;
    int width = 0;
    for (const Choice& choice : choices) {
        QPushButton* button = box.addButton(choice.text, choice.role);
        buttons.push_back(button);
        width = std::max(width, button->sizeHint().width());
        if (choice.answer == message.defaultAnswer) box.setDefaultButton(button);
    }
    // One width for all, the longest text's, as the dialogs' buttons of one
    // row or column have.
    for (QPushButton* button : buttons)
        button->setMinimumWidth(width);
    // Escape: Cancel where there is one; a Yes/No box cannot be escaped
    // (closing it anyway answers No), an OK box answers OK.
    if (message.buttons == MessageButtons::OkCancel) box.setEscapeButton(buttons[1]);
    if (message.buttons == MessageButtons::Ok) box.setEscapeButton(buttons[0]);
    if (message.foreground) {
        box.show();
        box.raise();
        box.activateWindow();
    }
    box.exec();
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (box.clickedButton() == buttons[i]) return choices[i].answer;
    }
    return yesNo ? Answer::No : choices.back().answer;
}

}  // namespace qorvix
