#pragma once
// The grammar of kalivo-cli: its commands and options, and the checks that
// need no handler (model names, existing folders).
#include <string>
#include <vector>

#include "cli/CliRequest.h"

namespace CLI {
class App;
}

namespace kalivo {

class CliArguments {
public:
    // Defines the commands and options on app; parsing then fills request
    // (all but request.command, which is the name of the chosen subcommand).
    static void Define(CLI::App& app, CliRequest& request);
    // The seven model names without padding, in the Select Keyboard Model order.
    static std::vector<std::string> ModelNames();
};

}  // namespace kalivo
