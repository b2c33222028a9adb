// The About box (resource 100).
#pragma once

#include <QDialog>

#include "ui/dialog_form.h"

namespace qorvix {

class CAboutDlg final : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    const DialogForm& Form() const { return m_form; }

  private:
    DialogForm m_form;
};

}  // namespace qorvix
