#pragma once
// The "&About kalivo..." item of the window's system menu. Only Windows gives
// windows a system menu that programs can extend; elsewhere there is none
// and the Info button is the way to the About box.
#include <QByteArray>

class QWidget;

namespace kalivo {

class SystemMenu {
public:
    // Adds a separator and the About item (command 16) where the platform has a system menu.
    static void AddAboutItem(QWidget& window);
    // True for the system command of that item.
    static bool IsAboutCommand(const QByteArray& eventType, void* message);
};

}  // namespace kalivo
