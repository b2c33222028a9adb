#include "ui/about_dialog.h"
#include "ui/resources.h"

#include <QLabel>
#include <QPushButton>

namespace qorvix {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), m_form(this, 100, 217, 55, false) {
    setWindowTitle(tr("About Pellarine"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    auto* icon = m_form.Add(new QLabel, 0, 11, 17, 20, 20);
    QIcon appIcon = ApplicationIcon();
    icon->setPixmap(appIcon.pixmap(icon->size()));
    icon->setObjectName(QStringLiteral("icon"));
    auto* version = m_form.Add(new QLabel(tr("QORVIX Version 1.0.17")), 0, 40, 10, 119, 8);
    version->setTextFormat(Qt::PlainText);
    version->setObjectName(QStringLiteral("version"));
    auto* notice = m_form.Add(new QLabel(tr("COBOL for COM type libraries.")), 0, 40, 25, 125, 8);
    notice->setObjectName(QStringLiteral("notice"));
    auto* ok = m_form.Add(new QPushButton(tr("OK")), 1, 178, 7, 32, 14);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    m_form.Fit();
}

}  // namespace qorvix
