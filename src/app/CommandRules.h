#pragma once
// Whether a command can act now, and why not: the one rule the buttons, the
// menus and MainDialog::Run all follow.
#include <string>

#include "app/Command.h"
#include "app/MainView.h"
#include "app/ModelCatalog.h"

namespace kalivo {

class MainDialog;

struct CommandState {
    bool visible = true;
    bool enabled = false;
    std::string whyNot;
};

class CommandRules {
public:
    // What the window shows for a command now: visible (the model has it, as
    // the buttons), enabled exactly when it could act now, and (when not
    // enabled) the reason the status bar shows.
    static CommandState StateOf(const MainDialog& dialog, Command command);
    // Whether a model shows a button that only some models have.
    static bool ButtonShown(Model model, ModelButton button);
};

}  // namespace kalivo
