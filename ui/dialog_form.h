// A dialog laid out the way its resource describes it: controls at fixed
// places in dialog units, each with its control id and help id, and a tab
// order in the order controls are added.
#pragma once

#include <QDialog>
#include <QPointer>
#include <vector>

#include "ui/dialog_units.h"

namespace qorvix {

// The properties tests and the help read from a control.
inline constexpr const char* kControlIdProperty = "controlId";
inline constexpr const char* kHelpIdProperty = "helpId";

// 0x80000000 + resource id * 65536 + control id.
constexpr quint32 HelpIdOf(int resourceId, int controlId) {
    return 0x80000000u + (static_cast<quint32>(resourceId) << 16) + static_cast<quint32>(controlId);
}

class DialogForm {
  public:
    // Sizes `dialog` to width x height dialog units of its font; the size is
    // fixed, as the frame of such a dialog does not resize.
    // `helpIds`: whether the controls carry help ids.
    DialogForm(QDialog* dialog, int resourceId, int width, int height, bool helpIds = true);

    // Places `control` at x, y (width x height) in dialog units. A control
    // with an id (not 0) carries it and its help id; one that takes the
    // focus joins the tab order after the previous one.
    template <typename Widget>
    Widget* Add(Widget* control, int controlId, int x, int y, int width, int height) {
        Place(control, controlId, x, y, width, height);
        return control;
    }

    // Once every control is in place: a control whose text does not fit
    // the width its layout gives it (the desktop's font is not the one the
    // layout was made for, or a translation is longer) grows to the right
    // until it fits; the frames around it and the dialog grow with it.
    void Fit();

    // The control with this id, or null.
    QWidget* Control(int controlId) const;
    const DialogUnits& Units() const { return m_units; }
    int ResourceId() const { return m_resourceId; }

  private:
    void Place(QWidget* control, int controlId, int x, int y, int width, int height);

    QDialog* m_dialog;
    int m_resourceId;
    bool m_helpIds;
    DialogUnits m_units;
    QPointer<QWidget> m_lastInTabOrder;
};

// The control id and help id a widget carries (0 when it has none).
int ControlIdOf(const QWidget* widget);
quint32 HelpIdOfWidget(const QWidget* widget);

}  // namespace qorvix
