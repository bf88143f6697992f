#include "app/MainDialog.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "app/ArchiveCopier.h"
#include "app/BankEditCommands.h"
#include "app/CommandRules.h"
#include "app/IconListLoader.h"
#include "app/VoiceListSource.h"
#include "common/Format.h"
#include "common/fs/FileSystem.h"
#include "common/protocol/ProtocolPath.h"
#include "common/text/Cp1252.h"
#include "handlers/StatusCodes.h"
#include "handlers/TyrosExtras.h"

namespace kalivo {

namespace {

const char* const kArchiveFolderTitle = "Select the path for registration archive";
const char* const kRegfileFolderTitle = "Select the path for reg-file archive";
const char* const kStyleFolderTitle = "Select the path for style archive";
const char* const kSaveQuestion = "Save changed registrations?";
const char* const kNoArchive = "No Archive found";
const char* const kFirstHint = "Choose your keyboard with Model";
const char* const kNothingStored = "Nothing stored";

bool IsLoadFailure(int status) { return status != status::kDone && status != status::kStyleArchiveWanted; }

// "1 bank file", "3 bank files".
std::string Counted(int count, const std::string& noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

// The list a command works on: focus goes back there after it, never to the
// next button (which Enter or Space would then start by mistake).
std::optional<Pane> PaneActedOn(Command command) {
    switch (command) {
        case Command::NewLeft:
        case Command::LoadArchiveLeft:
        case Command::LoadRegfiles:
        case Command::CreateRegfilesLeft:
        case Command::ProtocolLeft:
        case Command::Model:
            return Pane::Source;
        case Command::Info:
        case Command::Options:
        case Command::Exit:
        case Command::FindSource:
        case Command::FindDestination:
            return std::nullopt;
        default:
            return Pane::Destination;
    }
}

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

MainDialog::MainDialog(MainView& view, UserInterface& ui, std::string settingsPath, const HandlerFactory& factory,
                       IconLoader iconLoader)
    : view_(view),
      ui_(ui),
      settings_(std::move(settingsPath)),
      handlers_(factory(ui)),
      iconLoader_(iconLoader ? std::move(iconLoader) : IconLoader(&IconListLoader::Load)) {}

MainDialog::~MainDialog() {
    if (source_ != nullptr) {
        source_->ReleaseStore();
        destination_->ReleaseStore();
    }
}

// ---- model activation --------------------------------------------------

namespace {

// Handlers speak the instruments' text; the view and the dialogs speak UTF-8.
std::string Shown(const std::string& name) { return Cp1252::ToUtf8(name); }

std::vector<std::string> Shown(const std::vector<std::string>& names) {
    std::vector<std::string> shown;
    shown.reserve(names.size());
    for (const std::string& name : names) {
        shown.push_back(Shown(name));
    }
    return shown;
}

std::string Typed(const std::string& text) { return Cp1252::FromUtf8(text); }

// A load counts what it cannot name; the person hears of it once, at the end.
void ReportUnknownVoices(ModelHandler& handler) {
    if (auto* tyros = dynamic_cast<TyrosExtras*>(&handler)) {
        tyros->ReportUnknownVoices();
    }
}

}  // namespace

bool MainDialog::BankFiles() const { return facts_ != nullptr && facts_->bankFiles; }

NameLimits MainDialog::Limits() const {
    return facts_ != nullptr ? facts_->limits : ModelCatalog::NameLimitsOf(Model::Psr740);
}

TyrosExtras* MainDialog::DestinationTyros() const {
    return facts_ != nullptr && facts_->bankEdits ? dynamic_cast<TyrosExtras*>(destination_) : nullptr;
}

void MainDialog::ActivateModel(Model model) {
    const auto index = static_cast<std::size_t>(2 * ModelCatalog::HandlerIndex(model));
    source_ = handlers_[index].get();
    destination_ = handlers_[index + 1].get();
    modelName_ = ModelCatalog::NameOf(model);
    facts_ = &ModelCatalog::FactsOf(model);
    singleArchiveMode_ = !facts_->bankFiles;
    if (facts_->bankEdits) {
        icons_ = iconLoader_(icons_);
        for (auto* handler : {source_, destination_}) {
            if (auto* tyros = dynamic_cast<TyrosExtras*>(handler)) {
                tyros->SetIconSettings(icons_);
            }
        }
    }
    ShowModelControls();
}

void MainDialog::ShowModelControls() {
    const bool bankFiles = BankFiles();
    const auto model = ModelCatalog::FromExactName(modelName_);
    view_.SetEditText(EditField::ModelName, modelName_);
    for (ModelButton button : {ModelButton::Options, ModelButton::Archivename, ModelButton::GroupCopy,
                               ModelButton::EditSequence, ModelButton::EditIcon, ModelButton::DefaultRevoice}) {
        view_.SetButtonVisible(button, model && CommandRules::ButtonShown(*model, button));
    }
    // Bank files have no archive name: the fields name the sides instead.
    view_.SetEditText(EditField::SourceCaption, bankFiles ? "" : "Source Archive:");
    view_.SetEditText(EditField::DestinationCaption, bankFiles ? "" : "Dest. Archive:");
    if (bankFiles) {
        view_.SetEditText(EditField::SourceArchive, "Source");
        view_.SetEditText(EditField::DestinationArchive, "Destination");
    }
    view_.Redraw();
}

void MainDialog::ResetState() {
    ClearSourceSelection();
    ClearDestinationSelection();
    destinationAnchor_ = 0;
    sourceShowsRegfiles_ = false;
    history_.Reset();
    StatesChanged();
}

void MainDialog::Initialize() {
    source_ = nullptr;
    destination_ = nullptr;
    std::string voiceNote;
    const auto model = settings_.ReadStartup(options_);
    if (model) {
        ActivateModel(*model);
        destination_->CreateStore();
        source_->CreateStore();
        voiceNote = RestoreVoiceList();
        RunOptionCheck();
        BuildSourceList();
        BuildDestinationList();
        if (options_.askForStyleArchive) {
            RunStyleArchiveQuestion();
        }
    } else {
        settings_.Remove();
    }
    ResetState();
    if (!model) {
        Status(kFirstHint);
    } else if (!voiceNote.empty()) {
        Status(voiceNote);
    }
}

bool MainDialog::SelectModelAndSwitch() {
    std::vector<std::string> names;
    int current = kNone;
    for (Model m : ModelCatalog::SelectionOrder()) {
        if (ModelCatalog::NameOf(m) == modelName_) {
            current = static_cast<int>(names.size());
        }
        names.push_back(ModelCatalog::NameOf(m));
    }
    const int chosen = ui_.SelectModel(names, current);
    if (chosen < 0 || chosen >= kModelCount) {
        return false;  // closed without a choice: nothing switches
    }
    const Model model = ModelCatalog::SelectionOrder()[static_cast<std::size_t>(chosen)];
    options_ = StyleArchiveOptions{};
    if (source_ != nullptr) {
        source_->ReleaseStore();
        destination_->ReleaseStore();
    }
    ActivateModel(model);
    destination_->CreateStore();
    source_->CreateStore();
    settings_.ReadOptions(modelName_, options_);
    WriteSettings();
    const std::string voiceNote = RestoreVoiceList();
    RunOptionCheck();
    StartListsAfresh();
    if (options_.askForStyleArchive) {
        RunStyleArchiveQuestion();
    }
    ResetState();
    Status("Model " + modelName_.substr(0, modelName_.find_last_not_of(' ') + 1) +
           (voiceNote.empty() ? "" : "; " + voiceNote));
    return true;
}

void MainDialog::ModelCommand() {
    if (!SaveQuestionLetsGoOn()) {
        return;
    }
    if (source_ != nullptr) {
        WriteSettings();
    }
    SelectModelAndSwitch();
}

// Another model's lists start unfiltered and at the top: an old find text
// would show the new lists empty, an old offset somewhere in the middle.
void MainDialog::StartListsAfresh() {
    for (Pane pane : {Pane::Source, Pane::Destination}) {
        (pane == Pane::Source ? sourcePane_.list : destinationPane_.list).SetFilter(std::string());
        view_.ClearFind(pane);
    }
    BuildSourceList();
    BuildDestinationList();
    view_.ScrollToTop(Pane::Source);
    view_.ScrollToTop(Pane::Destination);
}

bool MainDialog::EnsureModel() {
    if (source_ != nullptr) {
        return true;
    }
    ModelCommand();
    return source_ != nullptr;
}

// ---- settings and style archives -----------------------------------------

void MainDialog::WriteSettings() { settings_.Write(modelName_, options_); }

void MainDialog::RunOptionCheck() {
    if (source_ == nullptr) {
        return;
    }
    auto pass = [this](ModelHandler* h) {
        return h->SetStyleArchiveOptions(options_.askForStyleArchive, options_.useDefaultArchive,
                                         options_.defaultArchiveFolder, options_.implicitSearch);
    };
    const bool sourceOk = pass(source_);
    const bool destinationOk = pass(destination_);
    // A refusal speaks of the default path, so it only counts when one is in
    // use; handlers without style archives refuse by default.
    if ((sourceOk && destinationOk) || !options_.useDefaultArchive) {
        return;
    }
    ui_.ShowMessage("Default style path not valid");
    options_.useDefaultArchive = false;
    options_.defaultArchiveFolder.clear();
    WriteSettings();
    pass(source_);
    pass(destination_);
}

void MainDialog::RunStyleArchiveQuestion() {
    while (ui_.AskFlashStyles()) {
        const std::string folder = ui_.ChooseFolder(kStyleFolderTitle);
        if (folder.empty()) {
            return;
        }
        const std::string path = FileSystem::WithSeparator(folder);
        StringList names;
        destination_->ListArchives(path, names);
        if (names.empty()) {
            ui_.ShowMessage(kNoArchive);
            continue;
        }
        const int chosen = ui_.SelectArchive(names, kNone);
        if (chosen < 0 || chosen >= static_cast<int>(names.size())) {
            return;
        }
        const std::string& name = names[static_cast<std::size_t>(chosen)];
        if (source_->LoadStyleArchive(path, name) == status::kNotValid) {
            ui_.ShowMessage("Not valid style archive");
            continue;
        }
        if (destination_->LoadStyleArchive(path, name) == status::kNotValid) {
            ui_.ShowMessage("No valid style archive");
            continue;
        }
        Status("User style names read from " + Shown(name) + " in " + folder);
        return;
    }
}

bool MainDialog::ActiveModelTakesVoiceLists() const {
    const auto model = ModelCatalog::FromExactName(modelName_);
    return model && VoiceListSource::ModelTakesLists(*model);
}

std::string MainDialog::RestoreVoiceList() {
    const auto model = ModelCatalog::FromExactName(modelName_);
    return model ? voiceLists_.Restore(*model, *source_, *destination_) : std::string();
}

void MainDialog::VoiceListCommand() {
    const auto model = ModelCatalog::FromExactName(modelName_);
    if (source_ == nullptr || !model) {
        return;
    }
    WriteSettings();  // the model's section holds the remembered list
    const std::string status = voiceLists_.Run(*model, *source_, *destination_);
    if (!status.empty()) {
        Status(status);
    }
}

void MainDialog::Options() {
    if (source_ == nullptr || source_->HasNoStyleOptions()) {
        return;
    }
    StyleArchiveOptions edited = options_;
    if (!ui_.EditOptions(modelName_, edited)) {
        return;
    }
    options_ = edited;
    WriteSettings();
    Status("Options saved");
    RunOptionCheck();
    if (options_.askForStyleArchive) {
        RunStyleArchiveQuestion();
    }
}

bool MainDialog::SaveQuestionLetsGoOn() {
    if (!history_.Unsaved()) {
        return true;
    }
    switch (ui_.AskYesNoOrClose(kSaveQuestion, kProgramTitle, false)) {
        case Answer::No:
            return true;
        case Answer::Yes:
            StoreArchive();
            return false;
        case Answer::Cancel:
            break;  // a box closed without an answer keeps everything as it is
    }
    return false;
}

// ---- lists and selections --------------------------------------------------

// The remembered source position goes with the visible selection, so that a
// later ">>" never copies a registration the person no longer sees selected.
void MainDialog::ClearSourceSelection() {
    view_.SelectLine(Pane::Source, kNone);
    sourcePane_.ClearSelection();
    sourceRegfile_ = kNone;
}

void MainDialog::ClearDestinationSelection() {
    view_.SelectLine(Pane::Destination, kNone);
    destinationPane_.ClearSelection();
    lastDestinationLine_ = kNone;
}

void MainDialog::ShowList(Pane pane) {
    const FilteredList& list = ListOf(pane);
    view_.SetLines(pane, list.ShownTexts());
    view_.SetLineKinds(pane, list.ShownKinds());
}

// Selects a line of the whole list in the window, if the filter shows it.
void MainDialog::SelectShown(Pane pane, int fullLine) {
    view_.SelectLine(pane, ListOf(pane).ToShown(fullLine));
}

void MainDialog::BuildSourceList() {
    if (source_ == nullptr) {
        return;
    }
    sourcePane_.list.Set(ListBuilder::Entries(*source_, ListBuilder::Side::Source, BankFiles()));
    ShowList(Pane::Source);
    // On Tyros the box may still say "Reg-Files" from a regfile list shown before.
    view_.SetEditText(EditField::SourceArchive, BankFiles() ? "Source" : Shown(source_->GetArchiveName()));
    ClearSourceSelection();
    sourceShowsRegfiles_ = false;
}

void MainDialog::BuildDestinationList() {
    if (destination_ == nullptr) {
        return;
    }
    destinationPane_.list.Set(ListBuilder::Entries(*destination_, ListBuilder::Side::Destination, BankFiles()));
    ShowList(Pane::Destination);
    view_.SetEditText(EditField::DestinationArchive, BankFiles() ? "Destination" : Shown(destination_->GetArchiveName()));
    ClearDestinationSelection();
}

void MainDialog::ShowRegfiles() {
    std::vector<ListEntry> entries;
    for (const std::string& name : regfileNames_) {
        entries.push_back(ListEntry{Shown(name), Shown(name), false, false});
    }
    sourcePane_.list.Set(std::move(entries));
    ShowList(Pane::Source);
    view_.SetEditText(EditField::SourceArchive, "Reg-Files");
    sourceShowsRegfiles_ = true;
    sourcePane_.ClearSelection();
    sourceRegfile_ = kNone;
}

// The line worked on stays where it was, or comes just into view: the list
// never jumps under the mouse.
void MainDialog::KeepWorkedLineInView() {
    if (destinationAnchor_ < destinationPane_.list.FullCount()) {
        view_.KeepLineInView(Pane::Destination, destinationPane_.list.NearestShown(destinationAnchor_));
    }
    view_.SelectLine(Pane::Destination, kNone);
    destinationAnchor_ = 0;
}

void MainDialog::ApplySourceLine(int fullLine) {
    sourcePane_.line = fullLine;
    sourcePane_.parked = kNone;
    if (sourceShowsRegfiles_) {
        sourceRegfile_ = fullLine;
    } else {
        sourcePane_.position = ListBuilder::Decode(*source_, fullLine);
    }
}

void MainDialog::ApplyDestinationLine(int fullLine) {
    lastDestinationLine_ = fullLine;
    destinationAnchor_ = fullLine;
    destinationPane_.line = fullLine;
    destinationPane_.parked = kNone;
    destinationPane_.position = ListBuilder::Decode(*destination_, fullLine);
}

void MainDialog::SourceSelectionChanged(int line) {
    if (source_ == nullptr) {
        return;
    }
    ApplySourceLine(sourcePane_.list.ToFull(line));
    StatesChanged();
}

void MainDialog::DestinationSelectionChanged(int line) {
    if (destination_ == nullptr) {
        return;
    }
    const int fullLine = destinationPane_.list.ToFull(line);
    if (fullLine == lastDestinationLine_) {
        lastDestinationLine_ = kNone;
        Rename();  // as the list has always done, even on an empty line
        StatesChanged();
        return;
    }
    ApplyDestinationLine(fullLine);
    StatesChanged();
}

void MainDialog::SourceDoubleClicked() {
    if (source_ == nullptr) {
        return;
    }
    source_->ShowRegistration(sourceRegfile_, sourcePane_.position.bank, sourcePane_.position.slot);
    ClearSourceSelection();
    StatesChanged();
}

void MainDialog::DestinationDoubleClicked() {
    if (destination_ == nullptr) {
        return;
    }
    destination_->ShowRegistration(kNone, destinationPane_.position.bank, destinationPane_.position.slot);
    ClearDestinationSelection();
    StatesChanged();
}

// ---- find ----------------------------------------------------------------------

// A selection the filter hides is put aside, not kept: no command may reach a
// line the person cannot see. It comes back when the line is shown again.
void MainDialog::SetFilter(Pane pane, const std::string& text) {
    const bool source = pane == Pane::Source;
    if ((source ? source_ : destination_) == nullptr) {
        return;
    }
    ListPane& shown = PaneOf(pane);
    shown.list.SetFilter(text);
    ShowList(pane);
    const int wanted = shown.line != kNone ? shown.line : shown.parked;
    if (wanted != kNone && shown.list.ToShown(wanted) != kNone) {
        if (source) {
            ApplySourceLine(wanted);
        } else {
            ApplyDestinationLine(wanted);
            lastDestinationLine_ = kNone;  // bringing it back is no click on it
        }
        SelectShown(pane, wanted);
    } else if (wanted != kNone) {
        if (source) {
            ClearSourceSelection();
        } else {
            ClearDestinationSelection();
        }
        shown.parked = wanted;
    }
    StatesChanged();
}

// ---- loading -------------------------------------------------------------

void MainDialog::NewLeft() {
    if (source_ == nullptr) {
        return;
    }
    source_->ClearSource();
    BuildSourceList();
    Status("Left list emptied");
}

void MainDialog::NewRight() {
    if (destination_ == nullptr || !SaveQuestionLetsGoOn()) {
        return;
    }
    auto before = Before();
    destination_->ClearDestination(source_->SourceBankCount());
    BuildDestinationList();
    ClearDestinationSelection();
    destinationAnchor_ = 0;
    Changed(std::move(before), "New (right)");
    MarkStored();
    Status("Right list emptied");
}

bool MainDialog::ChooseArchives(const std::string& folder, ModelHandler& handler, std::vector<std::string>& chosen) {
    StringList names;
    handler.ListArchives(folder, names);
    if (names.empty()) {
        ui_.ShowMessage(kNoArchive);
        return false;
    }
    chosen.clear();
    if (singleArchiveMode_) {
        const int index = ui_.SelectArchive(names, LineOfArchive(names, handler.GetArchiveName()));
        if (index < 0 || index >= static_cast<int>(names.size())) {
            return false;
        }
        chosen.push_back(names[static_cast<std::size_t>(index)]);
        return true;
    }
    const auto indices = ui_.SelectBanks(names);
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
int MainDialog::LoadArchives(bool destination, const std::string& folder, const std::vector<std::string>& names) {
    ModelHandler& handler = destination ? *destination_ : *source_;
    int status = status::kDone;
    loadedCount_ = 0;
    notLoadedCount_ = 0;
    {
        WaitCursor wait(ui_);
        for (std::size_t i = 0; i < names.size(); ++i) {
            const std::string& name = names[i];
            status = destination ? handler.LoadDestinationArchive(folder, name) : handler.LoadSourceArchive(folder, name);
            loadedCount_ += IsLoadFailure(status) ? 0 : 1;
            if (!singleArchiveMode_ && status == status::kNoRoomForBank) {
                // The handler said so once; the rest would not fit either.
                notLoadedCount_ = static_cast<int>(names.size() - i);
                break;
            }
        }
    }
    ReportUnknownVoices(handler);
    if (!singleArchiveMode_) {
        return status::kDone;
    }
    if (status == status::kStyleArchiveWanted) {
        RunStyleArchiveQuestion();
    }
    return status;
}

// The common steps of both Load Archive buttons; true when the list is to be rebuilt.
bool MainDialog::ChooseAndLoadArchives(bool destination) {
    if (!EnsureModel()) {
        return false;
    }
    const std::string folder = ui_.ChooseFolder(kArchiveFolderTitle);
    if (folder.empty()) {
        Status("Nothing loaded");
        return false;
    }
    if (destination && singleArchiveMode_ && !SaveQuestionLetsGoOn()) {
        return false;
    }
    const std::string path = FileSystem::WithSeparator(folder);
    std::vector<std::string> chosen;
    // A load that fails must not leave the last load's "Loaded ..." standing.
    if (!ChooseArchives(path, destination ? *destination_ : *source_, chosen) ||
        IsLoadFailure(LoadArchives(destination, path, chosen))) {
        Status("Nothing loaded from " + folder);
        return false;
    }
    LoadedStatus(chosen, folder, destination);
    return true;
}

// Tyros adds the banks to those already loaded, so it says how many there are now.
void MainDialog::LoadedStatus(const std::vector<std::string>& names, const std::string& folder, bool destination) {
    if (singleArchiveMode_ && !names.empty()) {
        Status("Loaded " + Shown(names.front()) + " from " + folder);
        return;
    }
    const int all = destination ? destination_->DestinationBankCount() : source_->SourceBankCount();
    std::string text = "Added " + Counted(loadedCount_, "bank") + " (" + std::to_string(all) + " loaded in all)";
    if (notLoadedCount_ > 0) {
        text += "; " + std::to_string(notLoadedCount_) + " not loaded: no room for more banks";
    }
    Status(text);
}

void MainDialog::LoadArchiveLeft() {
    if (ChooseAndLoadArchives(false)) {
        BuildSourceList();
    }
}

void MainDialog::LoadArchiveRight() {
    if (!EnsureModel()) {
        return;
    }
    const bool wasChanged = history_.Unsaved();
    auto before = Before();
    if (!ChooseAndLoadArchives(true)) {
        return;
    }
    BuildDestinationList();
    Changed(std::move(before), "Load Archive (right)");
    // Tyros adds the banks to what the destination holds, so its changes stay unsaved.
    if (singleArchiveMode_ || !wasChanged) {
        MarkStored();
    }
}

void MainDialog::LoadRegfiles() {
    if (!EnsureModel()) {
        return;
    }
    const std::string folder = ui_.ChooseFolder(kRegfileFolderTitle);
    if (folder.empty()) {
        Status("Nothing loaded");
        return;
    }
    regfileNames_.clear();
    const int result = source_->LoadRegfiles(folder);
    if (result == status::kDone || result == status::kSomeLeftOut) {
        source_->ListRegfiles(regfileNames_);
        ReportUnknownVoices(*source_);
        ShowRegfiles();
        Status(Counted(static_cast<int>(regfileNames_.size()), "regfile") + " loaded from " + folder +
               (result == status::kSomeLeftOut ? "; some files were left out" : ""));
        return;
    }
    // A failed load has emptied the handler's regfile list: a list of regfiles
    // goes empty, so no command reaches an entry that is gone; banks stay shown.
    if (sourceShowsRegfiles_) {
        ShowRegfiles();
    }
    Status("No regfile loaded from " + folder);
}

// ---- writing -------------------------------------------------------------

void MainDialog::CreateRegfilesWith(ModelHandler& handler, int registrations) {
    const std::string folder = ui_.ChooseFolder(kArchiveFolderTitle);
    if (folder.empty()) {
        return;
    }
    if (folder == "A:" || folder == "a:") {
        ui_.ShowMessage("Not allowed on floppy disk");
        Status("No regfile written");
        return;
    }
    int result = status::kDone;
    {
        WaitCursor wait(ui_);
        result = handler.CreateRegfiles(FileSystem::WithSeparator(folder));
    }
    Status(result == status::kDone ? Counted(registrations, "regfile") + " written to " + folder
                                   : "Not every regfile was written to " + folder);
}

void MainDialog::CreateRegfilesLeft() {
    if (source_ == nullptr || sourceShowsRegfiles_) {
        return;
    }
    CreateRegfilesWith(*source_, sourcePane_.list.RegistrationCount());
}

void MainDialog::CreateRegfilesRight() {
    if (destination_ == nullptr) {
        return;
    }
    CreateRegfilesWith(*destination_, destinationPane_.list.RegistrationCount());
}

void MainDialog::WriteProtocolWith(ModelHandler& handler, bool regfiles) {
    SaveAsRequest request;
    // The second filter writes the same text protocol in UTF-8.
    request.filter = facts_->htmlProtocol
                         ? "Text Files (*.txt)|*.txt|Text Files, UTF-8 (*.txt)|*.txt|htm Files (*.htm)|*.htm||"
                         : "Text Files (*.txt)|*.txt|Text Files, UTF-8 (*.txt)|*.txt||";
    request.defaultExtension = ".txt";  // the first filter's; the dialog follows the filter chosen
    const auto choice = ui_.ChooseSaveFile(request);
    if (!choice) {
        ui_.ShowMessage("No file selected");
        Status("Protocol not written");
        return;
    }
    const std::string& path = choice->path;
    constexpr std::size_t kUtf8Filter = 1;
    handler.SetProtocolEncoding(choice->filter == kUtf8Filter ? TextEncoding::Utf8 : TextEncoding::Windows1252);
    view_.SetEnabled(false);
    const int result = regfiles ? handler.WriteRegfileProtocol(path) : handler.WriteProtocol(path);
    view_.SetEnabled(true);
    // Handlers report a file they cannot create and an HTML refusal themselves;
    // the other failures are told here, so each is told once.
    const bool knownEnding = ProtocolPath::FormOf(path) != ProtocolForm::None;
    if (result == status::kWrongProtocolEnding && !knownEnding) {
        ui_.ShowMessage("Protocol not written: the file name must end in .txt or .htm");
    } else if (result == status::kNothingToWrite) {
        ui_.ShowMessage("Protocol not written: nothing to write");
    } else if (result == status::kRegfileListEmpty) {
        ui_.ShowMessage("Protocol not written: no regfiles loaded");
    }
    Status(result == status::kDone ? "Protocol written to " + path : "Protocol not written");
}

void MainDialog::ProtocolLeft() {
    if (source_ != nullptr) {
        WriteProtocolWith(*source_, sourceShowsRegfiles_);
    }
}

void MainDialog::ProtocolRight() {
    if (destination_ != nullptr) {
        WriteProtocolWith(*destination_, false);
    }
}

void MainDialog::StoreArchive() {
    if (destination_ == nullptr) {
        return;
    }
    // The save question comes here without the command rules.
    const CommandState state = CommandRules::StateOf(*this, Command::StoreArchive);
    if (!state.enabled) {
        Status(state.whyNot);
        return;
    }
    if (singleArchiveMode_) {
        StoreSingleArchive();
        return;
    }
    // Whether there is a bank to store is known before any folder is chosen.
    StringList banks;
    destination_->ListBanks(banks);
    if (banks.empty()) {
        ui_.ShowMessage("No bank found");
        Status(kNothingStored);
        return;
    }
    const std::string folder = ui_.ChooseFolder(kArchiveFolderTitle);
    if (folder.empty()) {
        Status(kNothingStored);
        return;
    }
    const std::string path = FileSystem::WithSeparator(folder);
    if (auto* tyros = DestinationTyros()) {
        tyros->ClearStoreCancelled();
    }
    const auto chosen = ui_.SelectBanks(Shown(banks));
    if (!chosen || chosen->empty()) {
        Status(kNothingStored);
        return;
    }
    int stored = 0;
    int tried = 0;
    {
        WaitCursor wait(ui_);
        for (int index : *chosen) {
            if (index < 0 || index >= static_cast<int>(banks.size())) {
                continue;
            }
            ++tried;
            stored += destination_->StoreArchive(banks[static_cast<std::size_t>(index)], path, index) == 0 ? 1 : 0;
        }
    }
    // Unsaved work stays marked unless every bank was stored.
    if (stored == tried && chosen->size() == banks.size()) {
        MarkStored();
    }
    Status("Stored " + Counted(stored, "bank") + " in " + folder);
}

// An archive nobody named is named before its first store, in the dialog of
// Archivename; it is never written as "NO NAME".
void MainDialog::StoreSingleArchive() {
    if (IsPlaceholderName(destination_->GetArchiveName()) && !AskArchiveName()) {
        Status(std::string(kNothingStored) + ": the archive has no name yet (Archivename)");
        return;
    }
    const std::string folder = ui_.ChooseFolder(kArchiveFolderTitle);
    if (folder.empty()) {
        Status(kNothingStored);
        return;
    }
    const std::string archive = destination_->GetArchiveName();
    if (destination_->StoreArchive(archive, FileSystem::WithSeparator(folder), 0) != status::kDone) {
        Status("Not stored");
        return;
    }
    MarkStored();
    const std::string written = destination_->LastStoredName();
    Status("Stored " + (written.empty() ? Shown(archive) : written) + " in " + folder + destination_->LastStoreNote());
}

// ---- editing -------------------------------------------------------------

void MainDialog::Delete() {
    if (destination_ == nullptr || destinationPane_.position.bank == kNone || destinationPane_.position.slot == kNone) {
        return;
    }
    const int bank = destinationPane_.position.bank;
    const std::string what = "Deleted " + DestinationLineName();
    auto before = Before();
    if (destinationPane_.position.slot == kWholeBank) {
        for (int slot = 0; slot < destination_->RegistrationsPerBank(); ++slot) {
            destination_->DeleteRegistration(bank, slot);
        }
    } else {
        destination_->DeleteRegistration(bank, destinationPane_.position.slot);
    }
    destination_->ResetBankSequence(bank);
    BuildDestinationList();
    KeepWorkedLineInView();
    Changed(std::move(before), what);
    Status(what);
}

void MainDialog::Rename() {
    if (destination_ == nullptr || destinationPane_.position.bank < 0) {
        return;
    }
    const int bank = destinationPane_.position.bank;
    const int slot = destinationPane_.position.slot;
    const NameLimits limits = Limits();
    const bool header = slot == kWholeBank;
    std::string current;
    if (header) {
        destination_->GetBankName(bank, current);
    } else {
        destination_->GetRegistrationName(bank, slot, current);
    }
    const std::string text = Typed(ui_.ChangeName(Shown(current), header ? limits.bank : limits.registration));
    if (text.empty()) {
        return;
    }
    auto before = Before();
    if (header) {
        destination_->SetBankName(bank, text);
    } else if (destination_->RenameRegistration(bank, slot, text) != 0) {
        Status("Not renamed: " + Shown(current));
        return;
    }
    BuildDestinationList();
    KeepWorkedLineInView();
    const std::string what = (header ? "Renamed bank " : "Renamed ") + Shown(current) + " to " + Shown(text);
    Changed(std::move(before), what);
    Status(what);
}

void MainDialog::Archivename() {
    if (destination_ != nullptr) {
        AskArchiveName();
    }
}

// True when a name was given (and is now the archive's).
bool MainDialog::AskArchiveName() {
    const NameLimits limits = Limits();
    std::string name =
        Typed(ui_.ChangeArchiveName({Shown(destination_->GetArchiveName()), limits.archive, limits.diskName}));
    const auto end = name.find_last_not_of(' ');
    name = end == std::string::npos ? std::string() : name.substr(0, end + 1);
    if (name.empty()) {
        return false;
    }
    auto before = Before();
    destination_->SetArchiveName(name);
    // The name as the model keeps it ("Party" becomes "Party.s917" on the CVP2 Series).
    const std::string kept = Shown(destination_->GetArchiveName());
    view_.SetEditText(EditField::DestinationArchive, kept);
    BuildDestinationList();
    const std::string what = "Archive name is now " + kept;
    Changed(std::move(before), what);
    Status(what);
    return true;
}

// ---- copying -------------------------------------------------------------

void MainDialog::FinishCopy(std::shared_ptr<const HandlerSnapshot> before, const std::string& what) {
    BuildDestinationList();
    KeepWorkedLineInView();
    ClearDestinationSelection();
    ClearSourceSelection();
    Changed(std::move(before), what);
    Status(what);
}

void MainDialog::CopyWholeBank() {
    ArchiveCopier::CopyWholeBank(*destination_, destinationPane_.position.bank, *source_, sourcePane_.position.bank);
}

// Copies (or group-copies) one registration or regfile; false when the command ends early.
bool MainDialog::CopySingle(bool group) {
    const int dstBank = destinationPane_.position.bank;
    const int dstSlot = destinationPane_.position.slot;
    int result = status::kDone;
    if (sourceShowsRegfiles_) {
        if (sourceRegfile_ < 0) {
            ClearSourceSelection();
            ClearDestinationSelection();
            return false;
        }
        result = group ? destination_->GroupCopyRegfile(dstBank, dstSlot, source_, sourceRegfile_)
                       : destination_->CopyRegfile(dstBank, dstSlot, source_, sourceRegfile_);
        sourceRegfile_ = kNone;
    } else {
        if (sourcePane_.position.bank < 0 || sourcePane_.position.slot < 0) {
            ClearSourceSelection();
            ClearDestinationSelection();
            return false;
        }
        result = group ? destination_->GroupCopyRegistration(dstBank, dstSlot, source_, sourcePane_.position.bank, sourcePane_.position.slot)
                       : destination_->CopyRegistration(dstBank, dstSlot, source_, sourcePane_.position.bank, sourcePane_.position.slot);
    }
    // A group copy that copied nothing keeps both lines chosen, to try again.
    if (group && result != status::kDone && result != status::kNoRegistration) {
        return false;
    }
    if (result == status::kNoRegistration) {
        ui_.ShowMessage("No registration");
        Status("Nothing copied: no registration there");
        if (group) {
            ClearSourceSelection();
        } else {
            KeepWorkedLineInView();
        }
        ClearDestinationSelection();
        return false;
    }
    if (!group) {
        destination_->ResetBankSequence(dstBank);
    }
    return true;
}

void MainDialog::Copy() {
    if (source_ == nullptr || destinationPane_.position.bank == kNone || destinationPane_.position.slot == kNone) {
        return;
    }
    const bool sourceWhole = sourcePane_.position.slot == kWholeBank;
    const bool destinationWhole = destinationPane_.position.slot == kWholeBank;
    if (sourceWhole != destinationWhole) {
        ClearSourceSelection();
        ClearDestinationSelection();
        return;
    }
    const std::string what = "Copied " + SourceLineName();
    auto before = Before();
    if (destinationWhole) {
        CopyWholeBank();
    } else if (!CopySingle(false)) {
        return;
    }
    FinishCopy(std::move(before), what);
}

void MainDialog::GroupCopy() {
    if (source_ == nullptr || destinationPane_.position.bank == kNone || destinationPane_.position.slot == kNone) {
        return;
    }
    if (sourcePane_.position.slot == kWholeBank || destinationPane_.position.slot == kWholeBank) {
        ClearSourceSelection();
        ClearDestinationSelection();
        return;
    }
    const std::string what = "Copied parts of " + SourceLineName();
    auto before = Before();
    if (CopySingle(true)) {
        FinishCopy(std::move(before), what);
    }
}

// ---- Tyros: sequences, icons, revoicing --------------------------------------

void MainDialog::EditSequence() { BankEditCommands(*this).EditSequence(); }

void MainDialog::EditIcon() { BankEditCommands(*this).EditIcon(); }

void MainDialog::DefaultRevoice() { BankEditCommands(*this).DefaultRevoice(); }

// ---- window ----------------------------------------------------------------

void MainDialog::Info() { ui_.ShowAbout(); }

bool MainDialog::Exit() {
    if (!SaveQuestionLetsGoOn()) {
        return false;
    }
    WriteSettings();
    view_.Close();
    return true;
}

// ---- commands, status and history ---------------------------------------------------

void MainDialog::Run(Command command) {
    const CommandState state = CommandRules::StateOf(*this, command);
    if (!state.enabled) {
        Status(state.whyNot);
        StatesChanged();
        return;
    }
    RunCommand(command);
    StatesChanged();
    // After the buttons are greyed anew: a greyed button hands its focus on.
    if (const auto pane = PaneActedOn(command); pane && source_ != nullptr) {
        view_.FocusList(*pane);
    }
}

void MainDialog::RunCommand(Command command) {
    switch (command) {
        case Command::NewLeft: NewLeft(); break;
        case Command::LoadArchiveLeft: LoadArchiveLeft(); break;
        case Command::LoadRegfiles: LoadRegfiles(); break;
        case Command::CreateRegfilesLeft: CreateRegfilesLeft(); break;
        case Command::ProtocolLeft: ProtocolLeft(); break;
        case Command::NewRight: NewRight(); break;
        case Command::LoadArchiveRight: LoadArchiveRight(); break;
        case Command::StoreArchive: StoreArchive(); break;
        case Command::CreateRegfilesRight: CreateRegfilesRight(); break;
        case Command::ProtocolRight: ProtocolRight(); break;
        case Command::Copy: Copy(); break;
        case Command::Delete: Delete(); break;
        case Command::Rename: Rename(); break;
        case Command::Archivename: Archivename(); break;
        case Command::GroupCopy: GroupCopy(); break;
        case Command::EditSequence: EditSequence(); break;
        case Command::EditIcon: EditIcon(); break;
        case Command::DefaultRevoice: DefaultRevoice(); break;
        case Command::Model: ModelCommand(); break;
        case Command::Options: Options(); break;
        case Command::VoiceList: VoiceListCommand(); break;
        case Command::Info: Info(); break;
        case Command::Exit: Exit(); break;
        case Command::Undo: Undo(); break;
        case Command::Redo: Redo(); break;
        case Command::FindSource:
        case Command::FindDestination:
            break;  // the window moves to its find field
    }
}

void MainDialog::Status(const std::string& text) { view_.ShowStatus(text); }

void MainDialog::StatesChanged() { view_.CommandStatesChanged(); }

std::string MainDialog::DestinationLineName() const {
    const ListEntry* entry = destinationPane_.list.At(destinationPane_.line);
    if (entry == nullptr) {
        return std::string();
    }
    return entry->header ? "bank " + entry->name : entry->name;
}

std::string MainDialog::SourceLineName() const {
    const ListEntry* entry = sourcePane_.list.At(sourcePane_.line);
    if (entry == nullptr) {
        return std::string();
    }
    return entry->header ? "bank " + entry->name : entry->name;
}

std::shared_ptr<const HandlerSnapshot> MainDialog::Before() const {
    return destination_ != nullptr ? destination_->SaveDestinationState() : nullptr;
}

void MainDialog::Changed(std::shared_ptr<const HandlerSnapshot> before, const std::string& what) {
    history_.Record(std::move(before), what);
}

void MainDialog::MarkStored() { history_.MarkStored(); }

void MainDialog::ForgetHistory() { history_.Forget(); }

void MainDialog::StepBack(bool undo) {
    if (destination_ == nullptr) {
        return;
    }
    const auto what = undo ? history_.Undo(*destination_) : history_.Redo(*destination_);
    if (what) {
        BuildDestinationList();
        Status((undo ? "Undone: " : "Redone: ") + *what);
    }
}

void MainDialog::Undo() { StepBack(true); }

void MainDialog::Redo() { StepBack(false); }

// ---- drag and drop ---------------------------------------------------------------

void MainDialog::DropOnDestination(int sourceLine, int destinationLine) {
    if (source_ == nullptr || destination_ == nullptr) {
        Status("Choose a model first (Model)");
        return;
    }
    SourceSelectionChanged(sourceLine);
    ApplyDestinationLine(destinationPane_.list.ToFull(destinationLine));
    Run(Command::Copy);
}

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

bool MainDialog::DropOnSource(const std::vector<std::string>& paths) {
    if (paths.empty()) {
        Status("Nothing to load");
        return false;
    }
    if (!EnsureModel()) {
        Status("Choose a model first (Model)");
        return false;
    }
    // A dropped archive is a name its folder lists; a dropped folder that is
    // none is a folder to choose archives from, as Load Archive does.
    const std::string first = FileSystem::WithoutTrailingSeparator(paths.front());
    std::string folder = FileSystem::ParentFolder(first);
    StringList listed;
    source_->ListArchives(FileSystem::WithSeparator(folder), listed);
    const ArchiveIndex index = IndexOf(listed);
    std::vector<std::string> chosen;
    for (const std::string& dropped : paths) {
        const std::string path = FileSystem::WithoutTrailingSeparator(dropped);
        if (FileSystem::ParentFolder(path) != folder) {
            Status("Drop bank files of one folder at a time");
            return false;
        }
        if (const std::string* archive = ListedArchiveOf(index, FileSystem::LastComponent(path))) {
            chosen.push_back(*archive);
        }
    }
    if (chosen.empty() && paths.size() == 1 && FileSystem::IsDirectory(first)) {
        folder = first;
        if (!ChooseArchives(FileSystem::WithSeparator(folder), *source_, chosen)) {
            Status("Nothing loaded from " + folder);
            return false;
        }
    }
    if (chosen.empty()) {
        Status("Nothing there that this model can load");
        return false;
    }
    if (singleArchiveMode_ && chosen.size() > 1) {
        Status("Drop one archive at a time");
        return false;
    }
    if (IsLoadFailure(LoadArchives(false, FileSystem::WithSeparator(folder), chosen))) {
        Status("Nothing loaded from " + folder);
        StatesChanged();
        return false;
    }
    BuildSourceList();
    LoadedStatus(chosen, folder, false);
    StatesChanged();
    return true;
}

}  // namespace kalivo
