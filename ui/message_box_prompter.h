// The writer's and the dialogs' messages as message boxes: the program's
// name as title, the icon, buttons and default button the message asks for.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "cobolgen/prompter.h"

namespace qorvix {

class MessageBoxPrompter final : public Prompter {
  public:
    explicit MessageBoxPrompter(QString title) : m_title(std::move(title)) {}
    // The window the boxes belong to (null: none).
    void SetOwner(QWidget* owner) { m_owner = owner; }
    Answer Show(const Message& message) override;

  private:
    QString m_title;
    QPointer<QWidget> m_owner;
};

}  // namespace qorvix
