// Dialog units: a dialog's layout is given in units of its font, a quarter
// of the average character width across and an eighth of the character
// height down, so that it grows with the font.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace qorvix {

class DialogUnits {
  public:
    // Base units measured from `font` the way dialog units are defined:
    // the average width of the 52 letters (rounded) and the font's height.
    explicit DialogUnits(const QFont& font);
    DialogUnits(int baseX, int baseY) : m_baseX(baseX), m_baseY(baseY) {}

    int X(int units) const { return Scale(units, m_baseX, 4); }
    int Y(int units) const { return Scale(units, m_baseY, 8); }
    QRect Rect(int x, int y, int width, int height) const {
        return QRect(X(x), Y(y), X(width), Y(height));
    }
    QSize Size(int width, int height) const { return QSize(X(width), Y(height)); }

    int BaseX() const { return m_baseX; }
    int BaseY() const { return m_baseY; }

  private:
    // units * base / divisor, rounded to the nearest pixel.
    static int Scale(int units, int base, int divisor) {
        long long product = static_cast<long long>(units) * base;
        return static_cast<int>((product + (product >= 0 ? divisor / 2 : -(divisor / 2))) /
                                divisor);
    }

    int m_baseX;
    int m_baseY;
};

}  // namespace qorvix
