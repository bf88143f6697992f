#include "cli/CliApplication.h"

#include <CLI/CLI.hpp>
#include <ostream>
#include <utility>

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "common/Format.h"

namespace kalivo {

namespace {

// CLI11 says only "A subcommand is required"; name the commands instead.
std::string MissingCommandReason(const CLI::App& app) {
    std::string commands;
    for (const CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) {
        commands += (commands.empty() ? "" : ", ") + command->get_name();
    }
    const auto extras = app.remaining();
    const std::string reason =
        extras.empty() ? std::string("a command is needed") : InsertText("unknown command \"%s\"", extras.front());
    return reason + " (commands: " + commands + ")";
}

}  // namespace

CliApplication::CliApplication(HandlerFactory factory) : factory_(std::move(factory)) {}

CliApplication::~CliApplication() = default;

int CliApplication::Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    handlers_ = HandlerSet{};
    ui_ = std::make_unique<ConsoleUserInterface>(err);
    CliRequest request;
    CLI::App app("KALIVO, the keyboard registration librarian, on the command line", "kalivo-cli");
    CliArguments::Define(app, request);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
            return app.exit(e, out, err);  // --help
        }
        const bool noCommand = app.get_subcommands().empty() && e.get_name() == "RequiredError";
        ui_->ShowMessage(noCommand ? MissingCommandReason(app) : std::string(e.what()));
        return kUsageError;
    }
    request.command = app.get_subcommands().front()->get_name();
    ui_->SetAnswerYes(request.answerYes);
    return Execute(request, out, err);
}

int CliApplication::Execute(const CliRequest& request, std::ostream& out, std::ostream& err) {
    if (request.command == "models") {
        for (const auto& name : CliArguments::ModelNames()) {
            out << name << '\n';
        }
        return 0;
    }
    if (request.command == "voices" && request.model.empty()) {
        return CliCommands::DescribeVoiceFile(request, *ui_, out);
    }
    // The argument check has accepted the name already.
    const Model model = ModelCatalog::FromLooseName(request.model).value_or(Model::Tyros);
    handlers_ = factory_(*ui_);
    const auto index = static_cast<std::size_t>(2 * ModelCatalog::HandlerIndex(model));
    CliCommands commands(model, *handlers_[index], *handlers_[index + 1], *ui_, out, err);
    if (request.command == "list") {
        return commands.List(request);
    }
    if (request.command == "protocol") {
        return commands.Protocol(request);
    }
    if (request.command == "regfiles") {
        return commands.Regfiles(request);
    }
    if (request.command == "voices") {
        return commands.Voices(request);
    }
    return commands.Copy(request);
}

}  // namespace kalivo
