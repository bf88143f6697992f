// The window program. It takes no arguments of its own (Qt's own, such as
// -platform, still work).
#include <QApplication>
#include <QtGlobal>
#include <cstdio>
#include <cstring>

#include "qt/MainWindow.h"
#include "qt/ProgramIcon.h"
#include "qt/QtUserInterface.h"

namespace {

// Without a display Qt aborts with a long plugin message; say what to do instead.
bool DisplayMissing(int argc, char** argv) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0) {
            return false;
        }
    }
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    (void)argc;
    (void)argv;
    return false;
#endif
}

}  // namespace

int main(int argc, char** argv) {
    if (DisplayMissing(argc, argv)) {
        std::fputs(
            "kalivo: no display found (DISPLAY is not set): start it from a desktop session, "
            "or try 'xvfb-run -a make run'\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setWindowIcon(kalivo::ProgramIcon::Icon());

    kalivo::QtUserInterface ui;
    kalivo::MainWindow window(ui);
    ui.SetParentWindow(&window);
    window.Initialize();
    window.show();
    return window.exec();
}
