#include "app/MainDialog.h"

#include <utility>

#include "app/BankEditCommands.h"
#include "app/CommandRules.h"
#include "app/EditCommands.h"
#include "app/FileCommands.h"
#include "app/IconListLoader.h"
#include "app/ModelCommands.h"
#include "app/ShownText.h"
#include "app/VoiceListSource.h"
#include "handlers/TyrosExtras.h"

namespace kalivo {

namespace {

const char* const kSaveQuestion = "Save changed registrations?";

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

// ---- the model in use ------------------------------------------------------

bool MainDialog::BankFiles() const { return facts_ != nullptr && facts_->bankFiles; }

NameLimits MainDialog::Limits() const {
    return facts_ != nullptr ? facts_->limits : ModelCatalog::NameLimitsOf(Model::Psr740);
}

TyrosExtras* MainDialog::DestinationTyros() const {
    return facts_ != nullptr && facts_->bankEdits ? dynamic_cast<TyrosExtras*>(destination_) : nullptr;
}

void MainDialog::ResetState() {
    ClearSourceSelection();
    ClearDestinationSelection();
    destinationAnchor_ = 0;
    sourceShowsRegfiles_ = false;
    history_.Reset();
    StatesChanged();
}

bool MainDialog::EnsureModel() {
    if (source_ != nullptr) {
        return true;
    }
    ModelCommand();
    return source_ != nullptr;
}

void MainDialog::WriteSettings() { settings_.Write(modelName_, options_); }

bool MainDialog::ActiveModelTakesVoiceLists() const {
    const auto model = ModelCatalog::FromExactName(modelName_);
    return model && VoiceListSource::ModelTakesLists(*model);
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

// ---- commands kept in files of their own ------------------------------------

void MainDialog::Initialize() { ModelCommands(*this).Initialize(); }
void MainDialog::ModelCommand() { ModelCommands(*this).ModelCommand(); }
void MainDialog::Options() { ModelCommands(*this).Options(); }
void MainDialog::VoiceListCommand() { ModelCommands(*this).VoiceListCommand(); }
std::string MainDialog::RestoreVoiceList() { return ModelCommands(*this).RestoreVoiceList(); }

void MainDialog::NewLeft() { FileCommands(*this).NewLeft(); }
void MainDialog::NewRight() { FileCommands(*this).NewRight(); }
void MainDialog::LoadArchiveLeft() { FileCommands(*this).LoadArchiveLeft(); }
void MainDialog::LoadArchiveRight() { FileCommands(*this).LoadArchiveRight(); }
void MainDialog::LoadRegfiles() { FileCommands(*this).LoadRegfiles(); }
void MainDialog::CreateRegfilesLeft() { FileCommands(*this).CreateRegfilesLeft(); }
void MainDialog::CreateRegfilesRight() { FileCommands(*this).CreateRegfilesRight(); }
void MainDialog::ProtocolLeft() { FileCommands(*this).ProtocolLeft(); }
void MainDialog::ProtocolRight() { FileCommands(*this).ProtocolRight(); }
void MainDialog::StoreArchive() { FileCommands(*this).StoreArchive(); }
bool MainDialog::DropOnSource(const std::vector<std::string>& paths) { return FileCommands(*this).DropOnSource(paths); }

void MainDialog::Delete() { EditCommands(*this).Delete(); }
void MainDialog::Rename() { EditCommands(*this).Rename(); }
void MainDialog::Archivename() { EditCommands(*this).Archivename(); }
void MainDialog::Copy() { EditCommands(*this).Copy(); }
void MainDialog::GroupCopy() { EditCommands(*this).GroupCopy(); }

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

void MainDialog::StoreNotOnDisk(const std::string& status) {
    history_.MarkNotStored();
    Status(status);
    StatesChanged();
}

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

}  // namespace kalivo
