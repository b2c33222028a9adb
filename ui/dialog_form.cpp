#include "ui/dialog_form.h"

#include <algorithm>
#include <climits>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace qorvix {
namespace {

bool IsFrame(const QWidget* control) {
    return qobject_cast<const QGroupBox*>(control);
}

bool HasText(const QWidget* control) {
    if (qobject_cast<const QAbstractButton*>(control)) return true;
    auto* label = qobject_cast<const QLabel*>(control);
    return label && label->pixmap().isNull();
}

int RightOf(const QRect& units) {
    return units.x() + units.width();
}

bool SameRow(const QRect& a, const QRect& b) {
    return a.top() <= b.bottom() && b.top() <= a.bottom();
}

}  // namespace

DialogForm::DialogForm(QDialog* dialog, int resourceId, int width, int height, bool helpIds)
    : m_dialog(dialog), m_resourceId(resourceId), m_helpIds(helpIds), m_units(dialog->font()) {
    dialog->setFixedSize(m_units.Size(width, height));
}

void DialogForm::Place(QWidget* control, int controlId, int x, int y, int width, int height) {
    control->setParent(m_dialog);
    control->setGeometry(m_units.Rect(x, y, width, height));
    m_placed.push_back({control, QRect(x, y, width, height), control->geometry()});
    if (controlId != 0) {
        control->setProperty(kControlIdProperty, controlId);
        if (m_helpIds) control->setProperty(kHelpIdProperty, HelpIdOf(m_resourceId, controlId));
    }
    // Frames that enclose other controls stay beneath them.
    if (IsFrame(control)) control->lower();
    if (control->focusPolicy() & Qt::TabFocus) {
        if (m_lastInTabOrder) QWidget::setTabOrder(m_lastInTabOrder, control);
        m_lastInTabOrder = control;
    }
}

int DialogForm::FrameOf(std::size_t i) const {
    int smallest = -1;
    for (std::size_t j = 0; j < m_placed.size(); ++j) {
        const QRect& frame = m_placed[j].units;
        if (j == i || !IsFrame(m_placed[j].control) || !frame.contains(m_placed[i].units)) continue;
        if (smallest < 0 || frame.width() * frame.height() < m_placed[smallest].units.width() *
                                                                 m_placed[smallest].units.height())
            smallest = static_cast<int>(j);
    }
    return smallest;
}

void DialogForm::Fit() {
    // Horizontal edges in pixels (right edges exclusive); the rows stay.
    const std::size_t count = m_placed.size();
    std::vector<int> left(count), right(count), need(count), frame(count);
    std::vector<int> left0(count), right0(count);
    for (std::size_t i = 0; i < count; ++i) {
        QWidget* control = m_placed[i].control;
        left[i] = left0[i] = control->x();
        right[i] = right0[i] = control->x() + control->width();
        need[i] = control->width();
        if (HasText(control)) need[i] = std::max(need[i], control->sizeHint().width());
        // A frame's title.
        if (IsFrame(control)) need[i] = std::max(need[i], control->minimumSizeHint().width());
        frame[i] = FrameOf(i);
    }
    auto units = [&](std::size_t i) -> const QRect& { return m_placed[i].units; };
    auto elastic = [&](std::size_t i) {
        return IsFrame(m_placed[i].control) || !HasText(m_placed[i].control);
    };

    const int spacing = m_units.X(4);

    // Push buttons of one column: the same place across and the same width.
    for (std::size_t i = 0; i < count; ++i) {
        if (!qobject_cast<QPushButton*>(m_placed[i].control)) continue;
        for (std::size_t j = 0; j < count; ++j) {
            if (qobject_cast<QPushButton*>(m_placed[j].control) && units(j).x() == units(i).x() &&
                units(j).width() == units(i).width())
                need[i] = std::max(need[i], need[j]);
        }
    }
    // Right edges the layout aligns: controls in the same frame (or none)
    // whose right edges meet in dialog units.
    std::vector<std::vector<std::size_t>> alignedEdges;
    std::vector<bool> onAlignedEdge(count, false);
    for (std::size_t i = 0; i < count; ++i) {
        if (onAlignedEdge[i]) continue;
        std::vector<std::size_t> edge{i};
        for (std::size_t j = i + 1; j < count; ++j) {
            if (frame[j] == frame[i] && RightOf(units(j)) == RightOf(units(i))) edge.push_back(j);
        }
        if (edge.size() < 2) continue;
        for (std::size_t member : edge)
            onAlignedEdge[member] = true;
        alignedEdges.push_back(std::move(edge));
    }
    // Neighbours in a row: a stands left of b, in the same frame. b keeps
    // the gap it had, or the usual spacing if that is less.
    struct Pair {
        std::size_t a, b;
        int gap;
    };
    std::vector<Pair> neighbours;
    for (std::size_t a = 0; a < count; ++a) {
        for (std::size_t b = 0; b < count; ++b) {
            if (a == b || frame[a] != frame[b] || !SameRow(units(a), units(b)) ||
                RightOf(units(a)) > units(b).x())
                continue;
            neighbours.push_back({a, b, std::max(0, std::min(left0[b] - right0[a], spacing))});
        }
    }
    // A frame keeps the margin it has to the edit boxes and frames in it;
    // texts may come as close as the usual spacing (their boxes in the
    // layout are wider than their texts).
    std::vector<int> frameMargin(count, INT_MAX);
    for (std::size_t f = 0; f < count; ++f) {
        if (!IsFrame(m_placed[f].control)) continue;
        for (std::size_t i = 0; i < count; ++i) {
            if (i != f && units(f).contains(units(i)) && elastic(i))
                frameMargin[f] = std::min(frameMargin[f], std::max(0, right0[f] - right0[i]));
        }
        if (frameMargin[f] == INT_MAX) frameMargin[f] = spacing;
    }
    auto shift = [&](std::size_t i, int by) {
        left[i] += by;
        right[i] += by;
        if (!IsFrame(m_placed[i].control)) return;
        for (std::size_t j = 0; j < count; ++j) {
            if (j != i && units(i).contains(units(j))) {
                left[j] += by;
                right[j] += by;
            }
        }
    };

    // Controls grow to the right, but a fixed-size control on an aligned
    // edge grows to the left as far as its neighbours allow (after they
    // have grown themselves).
    for (bool leftward : {false, true}) {
        for (std::size_t i = 0; i < count; ++i) {
            if (need[i] <= right[i] - left[i]) continue;
            bool growsLeft = onAlignedEdge[i] && !elastic(i);
            if (growsLeft != leftward) continue;
            if (growsLeft) {
                int limit = INT_MIN;
                for (const Pair& pair : neighbours) {
                    if (pair.b == i) limit = std::max(limit, right[pair.a] + pair.gap);
                }
                left[i] = std::max(right[i] - need[i], limit);
            }
            right[i] = left[i] + need[i];
        }
    }
    // Then what depends on them, until nothing moves: aligned edges move
    // together, neighbours make room, frames hold what is in them.
    for (int round = 0; round < 64; ++round) {
        bool moved = false;
        for (const auto& edge : alignedEdges) {
            int edgeRight = 0;
            for (std::size_t member : edge)
                edgeRight = std::max(edgeRight, right[member]);
            for (std::size_t member : edge) {
                if (right[member] == edgeRight) continue;
                if (elastic(member)) {
                    right[member] = edgeRight;
                } else {
                    shift(member, edgeRight - right[member]);
                }
                moved = true;
            }
        }
        for (const Pair& pair : neighbours) {
            int overlap = right[pair.a] + pair.gap - left[pair.b];
            if (overlap <= 0) continue;
            shift(pair.b, overlap);
            moved = true;
        }
        for (std::size_t f = 0; f < count; ++f) {
            if (!IsFrame(m_placed[f].control)) continue;
            int least = right[f];
            for (std::size_t i = 0; i < count; ++i) {
                if (i == f || !units(f).contains(units(i))) continue;
                least = std::max(least, right[i] + (elastic(i) ? frameMargin[f] : spacing));
            }
            if (least > right[f]) {
                right[f] = least;
                moved = true;
            }
        }
        if (!moved) break;
    }

    int margin = m_dialog->width() - *std::max_element(right0.begin(), right0.end());
    int width = m_dialog->width();
    for (std::size_t i = 0; i < count; ++i) {
        QWidget* control = m_placed[i].control;
        control->setGeometry(left[i], control->y(), right[i] - left[i], control->height());
        m_placed[i].geometry = control->geometry();
        width = std::max(width, right[i] + margin);
    }
    if (width > m_dialog->width()) m_dialog->setFixedSize(width, m_dialog->height());
}

void DialogForm::MakeResizable(QWidget* grows, QWidget* widens) {
    m_leastSize = m_dialog->size();
    m_dialog->setMinimumSize(m_leastSize);
    m_dialog->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // The outermost frame of each control (the control itself when none).
    auto outermost = [this](std::size_t i) {
        std::size_t outer = i;
        for (int f = FrameOf(i); f >= 0; f = FrameOf(static_cast<std::size_t>(f)))
            outer = static_cast<std::size_t>(f);
        return outer;
    };
    const Placed* widening = nullptr;
    std::size_t column = m_placed.size();
    for (std::size_t i = 0; i < m_placed.size(); ++i) {
        if (widens && m_placed[i].control == widens) {
            widening = &m_placed[i];
            column = outermost(i);
        }
    }
    m_growsWidth = grows->width();
    m_sharesWidth = widening ? m_placed[column].control->width() : 0;
    for (std::size_t i = 0; i < m_placed.size(); ++i) {
        Placed& placed = m_placed[i];
        placed.geometry = placed.control->geometry();
        if (placed.control == grows) {
            placed.left = Moves::Not;
            placed.right = Moves::ByShare;
            placed.growsHeight = true;
            continue;
        }
        std::size_t outer = outermost(i);
        QRect at = m_placed[outer].control->geometry();
        placed.followsBottom = m_leastSize.height() - (at.y() + at.height()) < at.y();
        if (outer == column) {
            bool button = qobject_cast<QPushButton*>(placed.control) != nullptr;
            bool widensAlong =
                i == column || placed.control == widens ||
                (IsFrame(placed.control) && RightOf(placed.units) == RightOf(widening->units));
            placed.left = button ? Moves::ByAll : Moves::ByShare;
            placed.right = button || widensAlong ? Moves::ByAll : Moves::ByShare;
            continue;
        }
        bool followsRight = m_leastSize.width() - (at.x() + at.width()) < at.x();
        placed.left = placed.right = followsRight ? Moves::ByAll : Moves::Not;
    }
    m_resizable = true;
}

void DialogForm::Relayout() {
    if (!m_resizable) return;
    int dx = std::max(0, m_dialog->width() - m_leastSize.width());
    int dy = std::max(0, m_dialog->height() - m_leastSize.height());
    int share = static_cast<int>(static_cast<long long>(dx) * m_growsWidth /
                                 std::max(1, m_growsWidth + m_sharesWidth));
    auto by = [&](Moves moves) {
        return moves == Moves::ByAll ? dx : moves == Moves::ByShare ? share : 0;
    };
    for (const Placed& placed : m_placed) {
        if (!placed.control) continue;
        QRect at = placed.geometry;
        int left = at.x() + by(placed.left);
        int right = at.x() + at.width() + by(placed.right);
        int top = at.y() + (placed.followsBottom ? dy : 0);
        placed.control->setGeometry(left, top, right - left,
                                    at.height() + (placed.growsHeight ? dy : 0));
    }
}

QWidget* DialogForm::Control(int controlId) const {
    for (const Placed& placed : m_placed) {
        if (placed.control && ControlIdOf(placed.control) == controlId) return placed.control;
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
