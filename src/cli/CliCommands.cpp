#include "cli/CliCommands.h"

#include <numeric>
#include <optional>
#include <ostream>

#include "app/ArchiveCopier.h"
#include "app/ArchiveWorkflow.h"
#include "app/ListBuilder.h"
#include "app/VoiceListSource.h"
#include "cli/ConsoleUserInterface.h"
#include "cli/StatusDescription.h"
#include "common/Format.h"
#include "common/fs/FileSystem.h"
#include "common/text/Cp1252.h"
#include "common/voices/VoiceListFile.h"
#include "handlers/StatusCodes.h"

namespace kalivo {

namespace {

void PrintLines(std::ostream& out, const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        out << ConsoleUserInterface::OneLine(line) << '\n';
    }
}

std::string Quoted(const std::string& pattern, const std::string& name) {
    return InsertText(pattern, "\"" + name + "\"");
}

constexpr const char* kImplicitStyles = "implicit";

// The entry of the archive list that names file: the file name as listed, else
// without its extension (lists show archives by their bare names); an exact
// spelling is preferred to one that differs in case only.
std::optional<std::string> ListedName(const StringList& listed, const std::string& file) {
    const std::size_t dot = file.rfind('.');
    std::vector<std::string> candidates{file};
    if (dot != std::string::npos && dot > 0) {
        candidates.push_back(file.substr(0, dot));
    }
    for (const std::string& candidate : candidates) {
        for (const bool exact : {true, false}) {
            for (const std::string& name : listed) {
                if (exact ? name == candidate : FileSystem::EqualsNoCase(name, candidate)) {
                    return name;
                }
            }
        }
    }
    return std::nullopt;
}

}  // namespace

CliCommands::CliCommands(Model model, ModelHandler& source, ModelHandler& destination, UserInterface& ui,
                         std::ostream& out, std::ostream& err)
    : model_(model), source_(source), destination_(destination), ui_(ui), out_(out), err_(err) {
    destination_.CreateStore();
    source_.CreateStore();
    // No style archive is asked for on the command line.
    source_.SetStyleArchiveOptions(false, false, std::string(), false);
    destination_.SetStyleArchiveOptions(false, false, std::string(), false);
}

CliCommands::~CliCommands() {
    source_.ReleaseStore();
    destination_.ReleaseStore();
}

Status CliCommands::Check(Status status, const std::string& what) {
    if (status != Status::kDone) {
        ui_.ShowMessage(what + FormatNumbers(" failed with status %i: ", ExitCodeOf(status)) +
                        StatusDescription::Of(status));
        if (result_ == kAllDone) {
            result_ = ExitCodeOf(status);
        }
    }
    return status;
}

bool CliCommands::Usage(const std::string& reason) {
    ui_.ShowMessage(reason);
    result_ = kUsageError;
    return false;
}

bool CliCommands::ChooseArchives(const std::string& folder, const std::vector<std::string>& asked,
                                 std::vector<std::string>& names) {
    if (!asked.empty()) {
        if (!BankFiles() && asked.size() > 1) {
            return Usage(FormatNumbers("%i archives given; this model loads one", static_cast<int>(asked.size())));
        }
        names = asked;
        return true;
    }
    source_.ListArchives(folder, names);
    if (names.empty()) {
        return Usage(ArchiveWorkflow::kNoArchiveFound);
    }
    if (!BankFiles() && names.size() > 1) {
        Usage(FormatNumbers("%i archives found; choose one with --archive:", static_cast<int>(names.size())));
        PrintLines(err_, names);
        return false;
    }
    return true;
}

bool CliCommands::LoadArchives(const std::string& folder, const std::vector<std::string>& names) {
    ArchiveWorkflow::LoadArchives(source_, ArchiveWorkflow::Side::Source, folder, names,
                                  [this](const std::string& name, Status status) {
                                      // A wanted style archive only adds style names; the archive itself is loaded.
                                      Check(ArchiveWorkflow::IsLoadFailure(status) ? status : Status::kDone,
                                            Quoted("loading %s", name));
                                  });
    if (!BankFiles()) {
        return result_ == kAllDone;
    }
    // Tyros goes on with the banks that did load.
    return result_ == kAllDone || source_.SourceBankCount() > 0;
}

bool CliCommands::PrepareStyles(const std::string& styles) {
    if (styles.empty()) {
        return true;
    }
    if (source_.HasNoStyleOptions()) {
        return Usage("--styles: this model has no style archives");
    }
    if (styles == kImplicitStyles) {
        // As the Options dialog's implicit search: both handlers, before the load.
        source_.SetStyleArchiveOptions(false, false, std::string(), true);
        destination_.SetStyleArchiveOptions(false, false, std::string(), true);
    }
    return true;
}

void CliCommands::LoadChosenStyles(const std::string& path) {
    const std::string folder = FileSystem::WithSeparator(FileSystem::ParentFolder(path));
    StringList listed;
    source_.ListArchives(folder, listed);
    const std::optional<std::string> name = ListedName(listed, FileSystem::LastComponent(path));
    if (!name) {
        Check(Status::kNotValid, Quoted("finding the style archive %s", path));
        return;
    }
    Check(source_.LoadStyleArchive(folder, *name), Quoted("loading the style archive %s", path));
    Check(destination_.LoadStyleArchive(folder, *name), Quoted("loading the style archive %s", path));
}

bool CliCommands::ApplyVoiceList(const CliRequest& request) {
    if (request.voices.empty()) {
        return true;
    }
    if (!VoiceListSource::ModelTakesLists(model_)) {
        return Usage("--voices: " + VoiceListSource::RefusalFor(model_));
    }
    std::string error;
    const auto list = VoiceListSource::Load(request.voices, request.instrument, error);
    if (list == nullptr) {
        return Usage(error);
    }
    source_.SetVoiceList(list);
    destination_.SetVoiceList(list);
    return true;
}

bool CliCommands::LoadSource(const CliRequest& request) {
    if (!ApplyVoiceList(request) || !PrepareStyles(request.styles)) {
        return false;
    }
    bool loaded = false;
    if (!request.regfiles.empty()) {
        const std::string folder = FileSystem::WithoutTrailingSeparator(request.regfiles);
        const Status loadedStatus = Check(source_.LoadRegfiles(folder), Quoted("loading the regfiles of %s", folder));
        // What was valid is still listed; the exit status tells of the rest.
        loaded = ArchiveWorkflow::RegfilesLoaded(loadedStatus);
    } else {
        const std::string folder = FileSystem::WithSeparator(request.folder);
        std::vector<std::string> names;
        loaded = ChooseArchives(folder, request.archives, names) && LoadArchives(folder, names);
    }
    if (loaded && !request.styles.empty() && request.styles != kImplicitStyles) {
        LoadChosenStyles(request.styles);
    }
    ArchiveWorkflow::ReportUnknownVoices(source_);
    return loaded;
}

int CliCommands::List(const CliRequest& request) {
    if (!LoadSource(request)) {
        return result_;
    }
    if (!request.regfiles.empty()) {
        StringList names;
        source_.ListRegfiles(names);
        for (std::string& name : names) {
            name = Cp1252::ToUtf8(name);  // printed as UTF-8 like everything else
        }
        PrintLines(out_, names);
    } else {
        PrintLines(out_, ListBuilder::Build(source_, ListBuilder::Side::Source, BankFiles()));
    }
    return result_;
}

int CliCommands::Protocol(const CliRequest& request) {
    if (!LoadSource(request)) {
        return result_;
    }
    source_.SetProtocolEncoding(request.encoding == "utf-8" ? TextEncoding::Utf8 : TextEncoding::Windows1252);
    const Status status = request.regfiles.empty() ? source_.WriteProtocol(request.out)
                                                : source_.WriteRegfileProtocol(request.out);
    Check(status, Quoted("writing the protocol %s", request.out));
    return result_;
}

// Made only once the source loaded, so a refused run leaves no empty folder.
bool CliCommands::CreateOutFolder(const std::string& folder) {
    if (FileSystem::CreateDirectory(folder)) {
        return true;
    }
    Check(Status::kNotValid, Quoted("creating the folder %s", folder));
    return false;
}

int CliCommands::Regfiles(const CliRequest& request) {
    if (!LoadSource(request)) {
        return result_;
    }
    if (!CreateOutFolder(request.out)) {
        return result_;
    }
    const std::string folder = FileSystem::WithSeparator(request.out);
    Check(source_.CreateRegfiles(folder), Quoted("creating regfiles in %s", folder));
    return result_;
}

void CliCommands::StoreDestination(const std::string& folder) {
    if (!BankFiles()) {
        Check(ArchiveWorkflow::StoreNamedArchive(destination_, folder),
              Quoted("storing %s", Cp1252::ToUtf8(destination_.GetArchiveName())));
        return;
    }
    const StringList banks = ArchiveWorkflow::BanksToStore(destination_, ui_);
    if (banks.empty()) {
        Check(Status::kNotValid, "storing");
        return;
    }
    std::vector<int> all(banks.size());
    std::iota(all.begin(), all.end(), 0);
    ArchiveWorkflow::StoreBanks(destination_, banks, all, folder, [this](const std::string& bank, Status status) {
        Check(status, Quoted("storing bank %s", Cp1252::ToUtf8(bank)));
    });
}

int CliCommands::Copy(const CliRequest& request) {
    if (!LoadSource(request)) {
        return result_;
    }
    if (!CreateOutFolder(request.out)) {
        return result_;
    }
    ArchiveCopier::CopyArchive(destination_, source_);
    if (!BankFiles()) {
        destination_.SetArchiveName(source_.GetArchiveName());
    }
    StoreDestination(FileSystem::WithSeparator(request.out));
    return result_;
}

int CliCommands::DescribeVoiceFile(const CliRequest& request, UserInterface& ui, std::ostream& out) {
    VoiceListFile file;
    std::string error;
    if (!file.Read(request.voices, error)) {
        ui.ShowMessage(error);
        return kUsageError;
    }
    if (file.IsTable()) {
        out << ConsoleUserInterface::OneLine(request.voices) << ": a voice table, " << file.Lists().front().second.RowCount()
            << " rows\n";
        return 0;
    }
    out << ConsoleUserInterface::OneLine(request.voices) << ": " << file.Lists().size() << " instruments\n";
    for (const auto& [name, list] : file.Lists()) {
        out << ConsoleUserInterface::OneLine(Cp1252::ToUtf8(name)) << '\t' << list.RowCount() << " rows\n";
    }
    return 0;
}

int CliCommands::Voices(const CliRequest& request) {
    if (DescribeVoiceFile(request, ui_, out_) != 0) {
        return kUsageError;
    }
    if (!VoiceListSource::ModelTakesLists(model_)) {
        Usage(VoiceListSource::RefusalFor(model_));
        return result_;
    }
    if (request.folder.empty() && request.regfiles.empty()) {
        return result_;
    }
    CliRequest plain = request;
    plain.voices.clear();  // counted against the built-in names, not shown through the list
    if (!LoadSource(plain)) {
        return result_;
    }
    VoiceListFile file;
    std::string error;
    file.Read(request.voices, error);  // read above already
    const std::vector<BankSelectKey> keys = source_.VoiceKeys();
    bool counted = false;
    for (const auto& [name, list] : file.Lists()) {
        if (!request.instrument.empty() && name != Cp1252::FromUtf8(request.instrument)) {
            continue;
        }
        const std::string label = file.IsTable() ? std::string("table") : Cp1252::ToUtf8(name);
        out_ << ConsoleUserInterface::OneLine(label) << ": " << VoiceListSource::DescribeNamed(list, keys) << '\n';
        counted = true;
    }
    if (!counted) {
        VoiceList unused;
        file.Take(Cp1252::FromUtf8(request.instrument), unused, error);
        Usage(error);
    }
    return result_;
}

}  // namespace kalivo
