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
    // Sizes `dialog` to width x height dialog units of its font; the size
    // stays fixed unless MakeResizable lets it go.
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
    // layout was made for, or a translation is longer) grows until it
    // fits. Push buttons of one column take the same width; a control
    // whose right edge the layout aligns with others grows to the left
    // while there is room, and otherwise the whole aligned edge moves.
    // What stands to the right in the same row moves along, frames grow
    // around what they hold, and the dialog around everything.
    void Fit();

    // Lets the user resize the dialog, down to its present size. `grows`
    // takes the extra room; every other control keeps its distance to the
    // nearest edges of the dialog (a control inside a frame moves with
    // the frame). With `widens`, the frame that holds it shares the room
    // across with `grows`, in proportion to their widths: `widens`, and
    // the frames in it that end where it ends, widen with the frame, its
    // push buttons keep their distance to the right edge, and the rest
    // moves with the frame's left edge.
    void MakeResizable(QWidget* grows, QWidget* widens = nullptr);
    // Places the controls for the dialog's present size; the dialog calls
    // it when it is resized.
    void Relayout();

    // The control with this id, or null.
    QWidget* Control(int controlId) const;
    const DialogUnits& Units() const { return m_units; }
    int ResourceId() const { return m_resourceId; }

  private:
    // How far an edge moves when the dialog widens: not at all, by the
    // share of the room that `grows` takes, or by all of it.
    enum class Moves { Not, ByShare, ByAll };
    struct Placed {
        QPointer<QWidget> control;
        QRect units;     // where the resource puts it, in dialog units
        QRect geometry;  // where it is at the least size, in pixels
        Moves left = Moves::Not, right = Moves::Not;
        bool growsHeight = false, followsBottom = false;
    };

    void Place(QWidget* control, int controlId, int x, int y, int width, int height);
    // The index of the smallest frame that holds control `i`, or -1.
    int FrameOf(std::size_t i) const;

    QDialog* m_dialog;
    int m_resourceId;
    bool m_helpIds;
    DialogUnits m_units;
    std::vector<Placed> m_placed;
    QSize m_leastSize;
    // What `grows` takes of the room across, against what the frame of
    // `widens` takes (1 : 0 without one).
    int m_growsWidth = 1, m_sharesWidth = 0;
    bool m_resizable = false;
    QPointer<QWidget> m_lastInTabOrder;
};

// The control id and help id a widget carries (0 when it has none).
int ControlIdOf(const QWidget* widget);
quint32 HelpIdOfWidget(const QWidget* widget);

}  // namespace qorvix
