#include "qt/ProgramIcon.h"

#include <QPainter>

namespace kalivo {

QPixmap ProgramIcon::Pixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 32.0;
    painter.scale(unit, unit);

    // Blue case, then five white keys with three black keys between them.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x3f, 0x9f));
    painter.drawRoundedRect(QRectF(1, 5, 30, 22), 3, 3);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 0.6));
    painter.setBrush(Qt::white);
    for (int key = 0; key < 5; ++key) {
        painter.drawRect(QRectF(4 + key * 5, 11, 5, 13));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (int key : {0, 1, 3}) {
        painter.drawRect(QRectF(7.5 + key * 5, 11, 3, 8));
    }
    return pixmap;
}

QIcon ProgramIcon::Icon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        icon.addPixmap(Pixmap(size));
    }
    return icon;
}

}  // namespace kalivo
