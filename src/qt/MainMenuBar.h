#pragma once
// The menu bar of the main window: every command, grouped as desktop
// programs group them (File, Edit, View, Help).
#include <QMenuBar>

namespace kalivo {

class CommandActions;

class MainMenuBar : public QMenuBar {
    Q_OBJECT

public:
    MainMenuBar(const CommandActions& actions, QWidget* parent);
};

}  // namespace kalivo
