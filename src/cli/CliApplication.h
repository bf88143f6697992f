#pragma once
// kalivo-cli without its main(): parses the command line, builds the model
// handlers through a factory (tests pass their own) and runs one command.
#include <iosfwd>
#include <memory>

#include "app/HandlerSet.h"
#include "cli/ConsoleUserInterface.h"
#include "cli/CliRequest.h"

namespace kalivo {

class CliApplication {
public:
    explicit CliApplication(HandlerFactory factory = MakeModelHandlers);
    ~CliApplication();
    CliApplication(const CliApplication&) = delete;
    CliApplication& operator=(const CliApplication&) = delete;

    // The exit status: 0, the first failing handler status, or kUsageError.
    int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

private:
    int Execute(const CliRequest& request, std::ostream& out, std::ostream& err);

    HandlerFactory factory_;
    // Declared before the handlers, which keep a reference to it.
    std::unique_ptr<ConsoleUserInterface> ui_;
    // Kept after Run, so that tests can look at what the handlers were asked.
    HandlerSet handlers_;
};

}  // namespace kalivo
