#pragma once
// The names the page knows the commands by, in the order of Command.
#include <optional>
#include <string>

#include "app/Command.h"

namespace kalivo {

class WebCommands {
public:
    static constexpr int kCount = static_cast<int>(Command::FindDestination) + 1;
    static const char* NameOf(Command command);
    static std::optional<Command> Named(const std::string& name);
};

}  // namespace kalivo
