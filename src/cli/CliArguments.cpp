#include "cli/CliArguments.h"

#include <CLI/CLI.hpp>

#include "app/ModelCatalog.h"
#include "common/Format.h"
#include "common/fs/FileSystem.h"

namespace kalivo {

namespace {

std::string Unpadded(const std::string& name) {
    const auto end = name.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : name.substr(0, end + 1);
}

std::string JoinedModelNames() {
    std::string joined;
    for (const auto& name : CliArguments::ModelNames()) {
        joined += (joined.empty() ? "" : ", ") + name;
    }
    return joined;
}

CLI::Validator ModelNameCheck() {
    return CLI::Validator(
        [](std::string& name) {
            if (ModelCatalog::FromLooseName(name)) {
                return std::string();
            }
            return InsertText("unknown model \"%s\"", name) + " (accepted: " + JoinedModelNames() + ")";
        },
        std::string());
}

// Checked through the file-system layer, like every other file access.
CLI::Validator ExistingFolderCheck() {
    return CLI::Validator(
        [](std::string& folder) {
            return FileSystem::IsDirectory(folder) ? std::string() : InsertText("no such folder: %s", folder);
        },
        std::string());
}

// A folder to write into may be missing (kalivo-cli creates it), but not a file.
CLI::Validator OutFolderCheck() {
    return CLI::Validator(
        [](std::string& folder) {
            return FileSystem::Exists(folder) && !FileSystem::IsDirectory(folder)
                       ? InsertText("--out names a file, not a folder: %s", folder)
                       : std::string();
        },
        std::string());
}

CLI::App* AddModelCommand(CLI::App& app, CliRequest& request, const std::string& name,
                          const std::string& description) {
    CLI::App* command = app.add_subcommand(name, description);
    command->add_option("--model", request.model, "Keyboard model, any case, e.g. tyros or \"cvp2 series\"")
        ->type_name("MODEL")
        ->required()
        ->check(ModelNameCheck());
    return command;
}

CLI::Option* AddArchiveOptions(CLI::App& command, CliRequest& request, CLI::App& group) {
    CLI::Option* folder = group.add_option("--folder", request.folder, "Folder holding the archives")
                              ->type_name("DIR")
                              ->check(ExistingFolderCheck());
    command.add_option("--archive", request.archives,
                       "Archive to load (repeatable); without it, the archives found in the folder")
        ->type_name("NAME")
        ->needs(folder);
    return folder;
}

// Custom style names for the models that keep them in style archives.
void AddStylesOption(CLI::App& command, CliRequest& request) {
    command
        .add_option("--styles", request.styles,
                    "Custom style names: \"implicit\" reads them from the archive's own disk, FILE from that "
                    "style archive; without it, custom styles show their default names")
        ->type_name("implicit|FILE");
}

// Voice names from a file the owner has, over the built-in table.
void AddVoicesOption(CLI::App& command, CliRequest& request) {
    CLI::Option* voices =
        command
            .add_option("--voices", request.voices,
                        "Voice names from an instrument definition file (.ins) or a voice table, shown over the "
                        "built-in table")
            ->type_name("FILE");
    command.add_option("--instrument", request.instrument, "The instrument of a definition file that holds several")
        ->type_name("NAME")
        ->needs(voices);
}

// list and protocol read either archives or a folder of regfiles.
CLI::App* AddReadingCommand(CLI::App& app, CliRequest& request, const std::string& name,
                            const std::string& description) {
    CLI::App* command = AddModelCommand(app, request, name, description);
    auto* source = command->add_option_group("Source", "Where the source archive comes from");
    AddArchiveOptions(*command, request, *source);
    source->add_option("--regfiles", request.regfiles, "Folder holding regfiles")
        ->type_name("DIR")
        ->check(ExistingFolderCheck());
    source->require_option(1);
    AddStylesOption(*command, request);
    AddVoicesOption(*command, request);
    return command;
}

// regfiles and copy read archives and write into a folder.
void AddWritingCommand(CLI::App& app, CliRequest& request, const std::string& name, const std::string& description) {
    CLI::App* command = AddModelCommand(app, request, name, description);
    AddArchiveOptions(*command, request, *command)->required();
    command->add_option("--out", request.out, "Folder to write into; created with its parents when missing")
        ->type_name("DIR")
        ->required()
        ->check(OutFolderCheck());
    AddStylesOption(*command, request);
    AddVoicesOption(*command, request);
}

// What a voice list file offers, and how much of an archive it names.
void AddVoicesCommand(CLI::App& app, CliRequest& request) {
    CLI::App* command = app.add_subcommand(
        "voices", "Print the instruments and rows of a voice list file, and how many voice settings of an archive it names");
    command->add_option("FILE", request.voices, "Instrument definition file (.ins) or voice table")->required();
    command->add_option("--instrument", request.instrument, "Count for this instrument only")->type_name("NAME");
    CLI::Option* model = command->add_option("--model", request.model, "Keyboard model of the archive to count")
                             ->type_name("MODEL")
                             ->check(ModelNameCheck());
    auto* source = command->add_option_group("Source", "The archive whose voice settings are counted");
    CLI::Option* folder = AddArchiveOptions(*command, request, *source);
    CLI::Option* regfiles = source->add_option("--regfiles", request.regfiles, "Folder holding regfiles")
                                ->type_name("DIR")
                                ->check(ExistingFolderCheck());
    source->require_option(0, 1);
    folder->needs(model);
    regfiles->needs(model);
}

}  // namespace

std::vector<std::string> CliArguments::ModelNames() {
    std::vector<std::string> names;
    for (Model model : ModelCatalog::SelectionOrder()) {
        names.push_back(Unpadded(ModelCatalog::NameOf(model)));
    }
    return names;
}

void CliArguments::Define(CLI::App& app, CliRequest& request) {
    // Global options may also follow the command.
    app.fallthrough();
    app.require_subcommand(1);
    app.footer(
        "Run kalivo-cli COMMAND --help for the options of a command; man kalivo-cli describes them all.\n"
        "Exit status: 0 when everything was done, 2 for a usage error, else the status of the first failed step.");
    CLI::Option* yes = app.add_flag("--yes", request.answerYes, "Answer every question Yes (files are replaced)");
    CLI::Option* no = app.add_flag("--no", request.answerNo, "Answer every question No (the default)");
    yes->excludes(no);

    app.add_subcommand("models", "Print the keyboard model names");
    AddReadingCommand(app, request, "list", "Print the source list as the window shows it, or the regfile names");
    CLI::App* protocol = AddReadingCommand(app, request, "protocol", "Write the protocol of the archive or regfiles");
    protocol->add_option("--out", request.out, "Protocol file, ending in txt or htm")
        ->type_name("FILE")
        ->required();
    protocol->add_option("--encoding", request.encoding, "Text protocol encoding (HTML is always windows-1252)")
        ->type_name("windows-1252|utf-8")
        ->transform(CLI::IsMember({"windows-1252", "utf-8"}, CLI::ignore_case))
        ->capture_default_str();
    AddWritingCommand(app, request, "regfiles", "Write one regfile per registration of the archive");
    AddWritingCommand(app, request, "copy",
                      "Copy every bank into a cleared destination and store it as the instrument's files");
    AddVoicesCommand(app, request);
    // Commands would inherit the footer above; theirs names what applies to them too.
    for (CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) {
        command->footer(command->get_name() == "models"
                            ? std::string()
                            : "--yes and --no may also follow the command; files are replaced only with --yes.");
    }
}

}  // namespace kalivo
