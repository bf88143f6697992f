#include "app/FileCommands.h"

#include <unordered_map>

#include "app/CommandRules.h"
#include "app/EditCommands.h"
#include "app/MainDialog.h"
#include "app/ModelCommands.h"
#include "app/ShownText.h"
#include "common/fs/FileSystem.h"
#include "common/protocol/ProtocolPath.h"
#include "handlers/StatusCodes.h"

namespace kalivo {

namespace {

const char* const kArchiveFolderTitle = "Select the path for registration archive";
const char* const kRegfileFolderTitle = "Select the path for reg-file archive";
const char* const kNothingStored = "Nothing stored";

// The listed line of the archive now loaded, -1 when none is listed.
int LineOfArchive(const StringList& names, const std::string& loaded) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (FileSystem::EqualsNoCase(names[i], loaded)) {
            return static_cast<int>(i);
        }
    }
    return kNone;
}

// The name a handler gives an archive nobody has named ("no name",
// "NO NAME.s917", "NoName"): storing under it would write a "NO NAME" archive.
bool IsPlaceholderName(const std::string& name) {
    std::string letters;
    for (char c : name.substr(0, name.find('.'))) {
        if (c != ' ') {
            letters.push_back(c);
        }
    }
    return letters.empty() || FileSystem::EqualsNoCase(letters, "noname");
}

}  // namespace

void FileCommands::NewLeft() {
    if (d_.source_ == nullptr) {
        return;
    }
    d_.source_->ClearSource();
    d_.BuildSourceList();
    d_.Status("Left list emptied");
}

void FileCommands::NewRight() {
    if (d_.destination_ == nullptr || !d_.SaveQuestionLetsGoOn()) {
        return;
    }
    auto before = d_.Before();
    d_.destination_->ClearDestination(d_.source_->SourceBankCount());
    d_.BuildDestinationList();
    d_.ClearDestinationSelection();
    d_.destinationAnchor_ = 0;
    d_.Changed(std::move(before), "New (right)");
    d_.MarkStored();
    d_.Status("Right list emptied");
}

bool FileCommands::ChooseArchives(const std::string& folder, ModelHandler& handler, std::vector<std::string>& chosen) {
    StringList names;
    handler.ListArchives(folder, names);
    if (names.empty()) {
        d_.ui_.ShowMessage(ArchiveWorkflow::kNoArchiveFound);
        return false;
    }
    chosen.clear();
    if (d_.singleArchiveMode_) {
        const int index = d_.ui_.SelectArchive(names, LineOfArchive(names, handler.GetArchiveName()));
        if (index < 0 || index >= static_cast<int>(names.size())) {
            return false;
        }
        chosen.push_back(names[static_cast<std::size_t>(index)]);
        return true;
    }
    const auto indices = d_.ui_.SelectBanks(names);
    if (!indices) {
        return false;
    }
    for (int index : *indices) {
        if (index >= 0 && index < static_cast<int>(names.size())) {
            chosen.push_back(names[static_cast<std::size_t>(index)]);
        }
    }
    return !chosen.empty();
}

// Loads the chosen archives; returns the status of a single-archive load (0 for Tyros).
Status FileCommands::LoadArchives(bool destination, const std::string& folder, const std::vector<std::string>& names) {
    ModelHandler& handler = destination ? *d_.destination_ : *d_.source_;
    {
        WaitCursor wait(d_.ui_);
        lastLoad_ = ArchiveWorkflow::LoadArchives(
            handler, destination ? ArchiveWorkflow::Side::Destination : ArchiveWorkflow::Side::Source, folder, names);
    }
    ArchiveWorkflow::ReportUnknownVoices(handler);
    if (!d_.singleArchiveMode_) {
        return Status::kDone;
    }
    if (lastLoad_.status == Status::kStyleArchiveWanted) {
        ModelCommands(d_).RunStyleArchiveQuestion();
    }
    return lastLoad_.status;
}

// The common steps of both Load Archive buttons; true when the list is to be rebuilt.
bool FileCommands::ChooseAndLoadArchives(bool destination) {
    if (!d_.EnsureModel()) {
        return false;
    }
    const std::string folder = d_.ui_.ChooseFolder(kArchiveFolderTitle);
    if (folder.empty()) {
        d_.Status("Nothing loaded");
        return false;
    }
    if (destination && d_.singleArchiveMode_ && !d_.SaveQuestionLetsGoOn()) {
        return false;
    }
    const std::string path = FileSystem::WithSeparator(folder);
    std::vector<std::string> chosen;
    // A load that fails must not leave the last load's "Loaded ..." standing.
    if (!ChooseArchives(path, destination ? *d_.destination_ : *d_.source_, chosen) ||
        ArchiveWorkflow::IsLoadFailure(LoadArchives(destination, path, chosen))) {
        d_.Status("Nothing loaded from " + folder);
        return false;
    }
    LoadedStatus(chosen, folder, destination);
    return true;
}

// Tyros adds the banks to those already loaded, so it says how many there are now.
void FileCommands::LoadedStatus(const std::vector<std::string>& names, const std::string& folder, bool destination) {
    if (d_.singleArchiveMode_ && !names.empty()) {
        d_.Status("Loaded " + Shown(names.front()) + " from " + folder);
        return;
    }
    const int all = destination ? d_.destination_->DestinationBankCount() : d_.source_->SourceBankCount();
    std::string text = "Added " + Counted(lastLoad_.loaded, "bank") + " (" + std::to_string(all) + " loaded in all)";
    if (lastLoad_.notLoaded > 0) {
        text += "; " + std::to_string(lastLoad_.notLoaded) + " not loaded: no room for more banks";
    }
    d_.Status(text);
}

void FileCommands::LoadArchiveLeft() {
    if (ChooseAndLoadArchives(false)) {
        d_.BuildSourceList();
    }
}

void FileCommands::LoadArchiveRight() {
    if (!d_.EnsureModel()) {
        return;
    }
    const bool wasChanged = d_.history_.Unsaved();
    auto before = d_.Before();
    if (!ChooseAndLoadArchives(true)) {
        return;
    }
    d_.BuildDestinationList();
    d_.Changed(std::move(before), "Load Archive (right)");
    // Tyros adds the banks to what the destination holds, so its changes stay unsaved.
    if (d_.singleArchiveMode_ || !wasChanged) {
        d_.MarkStored();
    }
}

void FileCommands::LoadRegfiles() {
    if (!d_.EnsureModel()) {
        return;
    }
    const std::string folder = d_.ui_.ChooseFolder(kRegfileFolderTitle);
    if (folder.empty()) {
        d_.Status("Nothing loaded");
        return;
    }
    d_.regfileNames_.clear();
    const Status result = d_.source_->LoadRegfiles(folder);
    if (ArchiveWorkflow::RegfilesLoaded(result)) {
        d_.source_->ListRegfiles(d_.regfileNames_);
        ArchiveWorkflow::ReportUnknownVoices(*d_.source_);
        d_.ShowRegfiles();
        d_.Status(Counted(static_cast<int>(d_.regfileNames_.size()), "regfile") + " loaded from " + folder +
               (result == Status::kSomeLeftOut ? "; some files were left out" : ""));
        return;
    }
    // A failed load has emptied the handler's regfile list: a list of regfiles
    // goes empty, so no command reaches an entry that is gone; banks stay shown.
    if (d_.sourceShowsRegfiles_) {
        d_.ShowRegfiles();
    }
    d_.Status("No regfile loaded from " + folder);
}

// ---- writing -------------------------------------------------------------

void FileCommands::CreateRegfilesWith(ModelHandler& handler, int registrations) {
    const std::string folder = d_.ui_.ChooseFolder(kArchiveFolderTitle);
    if (folder.empty()) {
        return;
    }
    if (folder == "A:" || folder == "a:") {
        d_.ui_.ShowMessage("Not allowed on floppy disk");
        d_.Status("No regfile written");
        return;
    }
    Status result = Status::kDone;
    {
        WaitCursor wait(d_.ui_);
        result = handler.CreateRegfiles(FileSystem::WithSeparator(folder));
    }
    d_.Status(result == Status::kDone ? Counted(registrations, "regfile") + " written to " + folder
                                   : "Not every regfile was written to " + folder);
}

void FileCommands::CreateRegfilesLeft() {
    if (d_.source_ == nullptr || d_.sourceShowsRegfiles_) {
        return;
    }
    CreateRegfilesWith(*d_.source_, d_.sourcePane_.list.RegistrationCount());
}

void FileCommands::CreateRegfilesRight() {
    if (d_.destination_ == nullptr) {
        return;
    }
    CreateRegfilesWith(*d_.destination_, d_.destinationPane_.list.RegistrationCount());
}

void FileCommands::WriteProtocolWith(ModelHandler& handler, bool regfiles) {
    SaveAsRequest request;
    // The second filter writes the same text protocol in UTF-8.
    request.filter = d_.facts_->htmlProtocol
                         ? "Text Files (*.txt)|*.txt|Text Files, UTF-8 (*.txt)|*.txt|htm Files (*.htm)|*.htm||"
                         : "Text Files (*.txt)|*.txt|Text Files, UTF-8 (*.txt)|*.txt||";
    request.defaultExtension = ".txt";  // the first filter's; the dialog follows the filter chosen
    const auto choice = d_.ui_.ChooseSaveFile(request);
    if (!choice) {
        d_.ui_.ShowMessage("No file selected");
        d_.Status("Protocol not written");
        return;
    }
    const std::string& path = choice->path;
    constexpr std::size_t kUtf8Filter = 1;
    handler.SetProtocolEncoding(choice->filter == kUtf8Filter ? TextEncoding::Utf8 : TextEncoding::Windows1252);
    d_.view_.SetEnabled(false);
    const Status result = regfiles ? handler.WriteRegfileProtocol(path) : handler.WriteProtocol(path);
    d_.view_.SetEnabled(true);
    // Handlers report a file they cannot create and an HTML refusal themselves;
    // the other failures are told here, so each is told once.
    const bool knownEnding = ProtocolPath::FormOf(path) != ProtocolForm::None;
    if (result == Status::kWrongProtocolEnding && !knownEnding) {
        d_.ui_.ShowMessage("Protocol not written: the file name must end in .txt or .htm");
    } else if (result == Status::kNothingToWrite) {
        d_.ui_.ShowMessage("Protocol not written: nothing to write");
    } else if (result == Status::kRegfileListEmpty) {
        d_.ui_.ShowMessage("Protocol not written: no regfiles loaded");
    }
    d_.Status(result == Status::kDone ? "Protocol written to " + path : "Protocol not written");
}

void FileCommands::ProtocolLeft() {
    if (d_.source_ != nullptr) {
        WriteProtocolWith(*d_.source_, d_.sourceShowsRegfiles_);
    }
}

void FileCommands::ProtocolRight() {
    if (d_.destination_ != nullptr) {
        WriteProtocolWith(*d_.destination_, false);
    }
}

void FileCommands::StoreArchive() {
    if (d_.destination_ == nullptr) {
        return;
    }
    // The save question comes here without the command rules.
    const CommandState state = CommandRules::StateOf(d_, Command::StoreArchive);
    if (!state.enabled) {
        d_.Status(state.whyNot);
        return;
    }
    if (d_.singleArchiveMode_) {
        StoreSingleArchive();
        return;
    }
    // Whether there is a bank to store is known before any folder is chosen.
    const StringList banks = ArchiveWorkflow::BanksToStore(*d_.destination_, d_.ui_);
    if (banks.empty()) {
        d_.Status(kNothingStored);
        return;
    }
    const std::string folder = d_.ui_.ChooseFolder(kArchiveFolderTitle);
    if (folder.empty()) {
        d_.Status(kNothingStored);
        return;
    }
    const auto chosen = d_.ui_.SelectBanks(Shown(banks));
    if (!chosen || chosen->empty()) {
        d_.Status(kNothingStored);
        return;
    }
    ArchiveWorkflow::StoreOutcome outcome;
    {
        WaitCursor wait(d_.ui_);
        outcome = ArchiveWorkflow::StoreBanks(*d_.destination_, banks, *chosen, FileSystem::WithSeparator(folder));
    }
    // Unsaved work stays marked unless every bank was stored.
    if (outcome.stored == outcome.tried && chosen->size() == banks.size()) {
        d_.MarkStored();
    }
    // A bank that was refused or cancelled is no part of a "Stored".
    if (outcome.stored == 0) {
        d_.Status(std::string(kNothingStored) + " in " + folder);
    } else if (outcome.stored < outcome.tried) {
        d_.Status("Stored " + std::to_string(outcome.stored) + " of " + Counted(outcome.tried, "bank") + " in " +
                  folder);
    } else {
        d_.Status("Stored " + Counted(outcome.stored, "bank") + " in " + folder);
    }
}

// An archive nobody named is named before its first store, in the dialog of
// Archivename; it is never written as "NO NAME".
void FileCommands::StoreSingleArchive() {
    if (IsPlaceholderName(d_.destination_->GetArchiveName()) && !EditCommands(d_).AskArchiveName()) {
        d_.Status(std::string(kNothingStored) + ": the archive has no name yet (Archivename)");
        return;
    }
    const std::string folder = d_.ui_.ChooseFolder(kArchiveFolderTitle);
    if (folder.empty()) {
        d_.Status(kNothingStored);
        return;
    }
    const std::string archive = d_.destination_->GetArchiveName();
    if (ArchiveWorkflow::StoreNamedArchive(*d_.destination_, FileSystem::WithSeparator(folder)) != Status::kDone) {
        d_.Status("Not stored");
        return;
    }
    d_.MarkStored();
    const std::string written = d_.destination_->LastStoredName();
    d_.Status("Stored " + (written.empty() ? Shown(archive) : written) + " in " + folder + d_.destination_->LastStoreNote());
}

// ---- drops ------------------------------------------------------------------

namespace {

// The listed archives by their names ignoring case, made once per drop so that
// 512 dropped files are not each compared with every listed name.
using ArchiveIndex = std::unordered_map<std::string, const std::string*>;

ArchiveIndex IndexOf(const StringList& listed) {
    ArchiveIndex index;
    for (const std::string& archive : listed) {
        index.emplace(FileSystem::Folded(archive), &archive);
    }
    return index;
}

// The listed archive a file or folder name stands for: the name itself, or
// the name without the ending the model adds ("Jazz" for "JAZZ.RGT"); the
// longest such name wins.
const std::string* ListedArchiveOf(const ArchiveIndex& index, const std::string& name) {
    const std::string folded = FileSystem::Folded(name);
    if (const auto found = index.find(folded); found != index.end()) {
        return found->second;
    }
    for (std::size_t dot = folded.rfind('.'); dot != std::string::npos;
         dot = dot == 0 ? std::string::npos : folded.rfind('.', dot - 1)) {
        if (const auto found = index.find(folded.substr(0, dot)); found != index.end()) {
            return found->second;
        }
    }
    return nullptr;
}

}  // namespace

bool FileCommands::DropOnSource(const std::vector<std::string>& paths) {
    if (paths.empty()) {
        d_.Status("Nothing to load");
        return false;
    }
    if (!d_.EnsureModel()) {
        d_.Status("Choose a model first (Model)");
        return false;
    }
    // A dropped archive is a name its folder lists; a dropped folder that is
    // none is a folder to choose archives from, as Load Archive does.
    const std::string first = FileSystem::WithoutTrailingSeparator(paths.front());
    std::string folder = FileSystem::ParentFolder(first);
    StringList listed;
    d_.source_->ListArchives(FileSystem::WithSeparator(folder), listed);
    const ArchiveIndex index = IndexOf(listed);
    std::vector<std::string> chosen;
    for (const std::string& dropped : paths) {
        const std::string path = FileSystem::WithoutTrailingSeparator(dropped);
        if (FileSystem::ParentFolder(path) != folder) {
            d_.Status("Drop bank files of one folder at a time");
            return false;
        }
        if (const std::string* archive = ListedArchiveOf(index, FileSystem::LastComponent(path))) {
            chosen.push_back(*archive);
        }
    }
    if (chosen.empty() && paths.size() == 1 && FileSystem::IsDirectory(first)) {
        folder = first;
        if (!ChooseArchives(FileSystem::WithSeparator(folder), *d_.source_, chosen)) {
            d_.Status("Nothing loaded from " + folder);
            return false;
        }
    }
    if (chosen.empty()) {
        d_.Status("Nothing there that this model can load");
        return false;
    }
    if (d_.singleArchiveMode_ && chosen.size() > 1) {
        d_.Status("Drop one archive at a time");
        return false;
    }
    if (ArchiveWorkflow::IsLoadFailure(LoadArchives(false, FileSystem::WithSeparator(folder), chosen))) {
        d_.Status("Nothing loaded from " + folder);
        d_.StatesChanged();
        return false;
    }
    d_.BuildSourceList();
    LoadedStatus(chosen, folder, false);
    d_.StatesChanged();
    return true;
}

}  // namespace kalivo
