#pragma once
// The program's icon: a few keys of a keyboard. Drawn in code, so the program
// needs no image files beside it.
#include <QIcon>
#include <QPixmap>

namespace kalivo {

class ProgramIcon {
public:
    static QIcon Icon();
    static QPixmap Pixmap(int size);
};

}  // namespace kalivo
