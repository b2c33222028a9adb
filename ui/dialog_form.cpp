#include "ui/dialog_form.h"

#include <algorithm>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace qorvix {

DialogForm::DialogForm(QDialog* dialog, int resourceId, int width, int height, bool helpIds)
    : m_dialog(dialog), m_resourceId(resourceId), m_helpIds(helpIds), m_units(dialog->font()) {
    dialog->setFixedSize(m_units.Size(width, height));
}

void DialogForm::Place(QWidget* control, int controlId, int x, int y, int width, int height) {
    control->setParent(m_dialog);
    control->setGeometry(m_units.Rect(x, y, width, height));
    if (controlId != 0) {
        control->setProperty(kControlIdProperty, controlId);
        if (m_helpIds) control->setProperty(kHelpIdProperty, HelpIdOf(m_resourceId, controlId));
    }
    // Frames that enclose other controls stay beneath them.
    if (qobject_cast<QGroupBox*>(control)) control->lower();
    if (control->focusPolicy() & Qt::TabFocus) {
        if (m_lastInTabOrder) QWidget::setTabOrder(m_lastInTabOrder, control);
        m_lastInTabOrder = control;
    }
}

void DialogForm::Fit() {
    const QList<QWidget*> controls = m_dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        bool hasText =
            qobject_cast<QAbstractButton*>(control) ||
            (qobject_cast<QLabel*>(control) && qobject_cast<QLabel*>(control)->pixmap().isNull());
        if (!hasText) continue;
        int need = control->sizeHint().width();
        if (need > control->width()) control->resize(need, control->height());
    }
    // Frames, the innermost first, keep the gap they had to what they hold.
    QList<QGroupBox*> frames;
    for (QWidget* control : controls) {
        if (auto* frame = qobject_cast<QGroupBox*>(control)) frames << frame;
    }
    std::sort(frames.begin(), frames.end(), [](QGroupBox* a, QGroupBox* b) {
        return a->width() * a->height() < b->width() * b->height();
    });
    const int gap = m_units.X(4);
    for (QGroupBox* frame : frames) {
        QRect area = frame->geometry();
        int right = area.right();
        for (QWidget* control : controls) {
            if (control == frame || !area.contains(control->geometry().topLeft())) continue;
            right = std::max(right, control->geometry().right() + gap);
        }
        if (right > area.right()) frame->resize(right - area.left() + 1, frame->height());
    }
    int width = m_dialog->width();
    for (QWidget* control : controls)
        width = std::max(width, control->geometry().right() + 1 + m_units.X(7));
    if (width > m_dialog->width()) m_dialog->setFixedSize(width, m_dialog->height());
}

QWidget* DialogForm::Control(int controlId) const {
    for (QWidget* child : m_dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (ControlIdOf(child) == controlId) return child;
    }
    return nullptr;
}

int ControlIdOf(const QWidget* widget) {
    return widget ? widget->property(kControlIdProperty).toInt() : 0;
}

quint32 HelpIdOfWidget(const QWidget* widget) {
    return widget ? widget->property(kHelpIdProperty).toUInt() : 0;
}

}  // namespace qorvix
