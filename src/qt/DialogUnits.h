#pragma once
// Dialog units, as the dialog templates give their rectangles: a quarter of
// the font's average character width across, an eighth of its height down.
// Measured from the font the window really uses, so texts keep fitting.
#include <QFont>
#include <QMargins>
#include <QSize>

namespace kalivo {

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int X(int units) const;
    int Y(int units) const;
    QSize Size(int width, int height) const { return {X(width), Y(height)}; }
    QMargins Margins(int left, int top, int right, int bottom) const {
        return {X(left), Y(top), X(right), Y(bottom)};
    }

private:
    double charWidth_;
    double charHeight_;
};

}  // namespace kalivo
