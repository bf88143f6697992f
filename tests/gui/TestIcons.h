#pragma once
// A made-up icon folder for the dialogs that show icon pictures: bitmaps
// "Icon000.bmp", ... with codes "S000", ..., each filled with its own colour.
#include <QColor>
#include <QImage>
#include <QString>
#include <cstdio>
#include <string>

#include "support/TempFolder.h"
#include "ui/DialogData.h"

namespace kalivo::test {

// Icon i is filled with this colour (distinct for i < 256).
inline QColor IconColour(int icon) { return QColor(icon % 256, 90, 200); }

inline std::string IconCode(int icon) {
    char code[8];
    std::snprintf(code, sizeof code, "%03d", icon);
    return code;
}

inline IconSettings WriteIcons(const TempFolder& folder, int count) {
    IconSettings icons;
    icons.available = true;
    icons.folder = folder.Path() + "/";
    for (int icon = 0; icon < count; ++icon) {
        const std::string file = "Icon" + IconCode(icon) + ".bmp";
        QImage image(39, 36, QImage::Format_RGB32);
        image.fill(IconColour(icon));
        image.save(QString::fromStdString(icons.folder + file), "BMP");
        icons.codes.push_back("S" + IconCode(icon));
        icons.files.push_back(file);
    }
    return icons;
}

}  // namespace kalivo::test
