#include "qt/SystemMenu.h"

#include <QWidget>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace kalivo {

#ifdef Q_OS_WIN

namespace {
constexpr UINT kAboutCommand = 16;  // below 0xF000, as system menu items of programs must be
}

void SystemMenu::AddAboutItem(QWidget& window) {
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(window.winId()), FALSE);
    if (menu != nullptr) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, kAboutCommand, L"&About kalivo...");
    }
}

bool SystemMenu::IsAboutCommand(const QByteArray& eventType, void* message) {
    if (eventType != "windows_generic_MSG" || message == nullptr) {
        return false;
    }
    const MSG* msg = static_cast<const MSG*>(message);
    return msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == kAboutCommand;
}

#else

void SystemMenu::AddAboutItem(QWidget&) {}

bool SystemMenu::IsAboutCommand(const QByteArray&, void*) { return false; }

#endif

}  // namespace kalivo
