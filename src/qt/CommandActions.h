#pragma once
// One action per command of the main window: its menu text, its keys, and
// whether it can act now, as the command rules say. Menus and keys use these
// actions; the buttons follow the same states.
#include <QObject>
#include <array>
#include <optional>

#include "app/Command.h"
#include "app/CommandRules.h"

class QAction;
class QKeyEvent;
class QWidget;

namespace kalivo {

class CommandActions : public QObject {
    Q_OBJECT

public:
    static constexpr std::size_t kCount = static_cast<std::size_t>(Command::FindDestination) + 1;

    // The actions' keys work anywhere in the window.
    explicit CommandActions(QWidget& window);

    QAction* For(Command command) const { return actions_[static_cast<std::size_t>(command)]; }
    void Show(Command command, const CommandState& state);
    // The command whose keys were pressed while it could not act (its action
    // is greyed, so the keys reached the window instead).
    std::optional<Command> GreyedCommandFor(const QKeyEvent& event) const;

signals:
    void Triggered(Command command);

private:
    std::array<QAction*, kCount> actions_{};
};

}  // namespace kalivo
