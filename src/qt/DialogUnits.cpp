#include "qt/DialogUnits.h"

#include <QFontMetricsF>
#include <cmath>

namespace kalivo {

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetricsF metrics(font);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    charWidth_ = metrics.horizontalAdvance(alphabet) / alphabet.size();
    charHeight_ = metrics.height();
}

int DialogUnits::X(int units) const { return static_cast<int>(std::lround(units * charWidth_ / 4.0)); }

int DialogUnits::Y(int units) const { return static_cast<int>(std::lround(units * charHeight_ / 8.0)); }

}  // namespace kalivo
