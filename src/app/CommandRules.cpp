#include "app/CommandRules.h"

#include <optional>

#include "app/MainDialog.h"
#include "app/ModelCatalog.h"

namespace kalivo {

// When each command can act (a command not listed can always act):
//
//   New (left), New (right), Find      a model is active
//   Create Regfiles (left), Protocol   the left list holds a registration (Protocol: or a regfile);
//   (left)                             Create Regfiles also needs the archive, not regfiles, shown
//   Store Archive,                     the right list holds a registration (a store of
//   Create Regfiles (right),           nothing would write an empty archive, or nothing)
//   Protocol (right), Default Revoice
//   >>                                 a registration (or regfile) on the left and a registration
//                                      line on the right, or a bank header on both sides
//   Group Copy                         a registration (or regfile) on the left and a registration
//                                      line on the right
//   Delete                             a registration on the right, or a bank header whose bank
//                                      holds one
//   Rename                             a registration or a bank header on the right
//   Archivename, Options               a model is active (Options: one with style options)
//   Voice List                         a model is active that keeps voices by bank select
//   Edit Sequence                      a bank header on the right whose bank holds a registration
//   Edit Icon                          as Edit Sequence, or a registration on the right
//   Undo, Redo                         a step to take back or do again
//
// Load Archive, Load Regfiles, Model, Info and Exit can always act: without a
// model the first three start with the model choice. Store Archive does not
// wait for a change: storing an unchanged archive into another folder is a copy.

namespace {

const char* const kNoModel = "Choose a model first (Model)";

bool BankHoldsRegistration(const FilteredList& list, int headerLine) {
    for (int line = headerLine + 1; line < list.FullCount(); ++line) {
        const ListEntry* entry = list.At(line);
        if (entry->header) {
            return false;
        }
        if (!entry->empty) {
            return true;
        }
    }
    return false;
}

enum class LineKind { None, Empty, Registration, Header, FilledHeader };

LineKind KindOf(const MainDialog& dialog, Pane pane) {
    const FilteredList& list = dialog.ListOf(pane);
    const int line = dialog.SelectedLine(pane);
    const ListEntry* entry = list.At(line);
    if (entry == nullptr) {
        return LineKind::None;
    }
    if (entry->header) {
        return BankHoldsRegistration(list, line) ? LineKind::FilledHeader : LineKind::Header;
    }
    return entry->empty ? LineKind::Empty : LineKind::Registration;
}

bool IsHeader(LineKind kind) { return kind == LineKind::Header || kind == LineKind::FilledHeader; }
bool IsSingle(LineKind kind) { return kind == LineKind::Empty || kind == LineKind::Registration; }

// A source that can give one registration: a regfile or a registration line.
bool SourceGivesOne(const MainDialog& dialog) {
    if (dialog.SourceShowsRegfiles()) {
        return dialog.SourceRegfileIndex() >= 0;
    }
    return KindOf(dialog, Pane::Source) == LineKind::Registration;
}

CommandState Able(bool enabled, const char* whyNot) { return CommandState{true, enabled, enabled ? "" : whyNot}; }

CommandState CopyState(const MainDialog& dialog) {
    const LineKind source = dialog.SourceShowsRegfiles() ? LineKind::None : KindOf(dialog, Pane::Source);
    const LineKind destination = KindOf(dialog, Pane::Destination);
    const bool banks = IsHeader(source) && IsHeader(destination);
    return Able(banks || (SourceGivesOne(dialog) && IsSingle(destination)),
                "Select a registration on both sides, or a bank header on both sides");
}

CommandState DestinationEditState(const MainDialog& dialog, Command command) {
    const LineKind kind = KindOf(dialog, Pane::Destination);
    switch (command) {
        case Command::Delete:
            return Able(kind == LineKind::Registration || kind == LineKind::FilledHeader,
                        "Select a registration on the right, or a bank header of a bank that holds one");
        case Command::Rename:
            return Able(kind == LineKind::Registration || IsHeader(kind),
                        "Select a registration or a bank header on the right");
        case Command::EditSequence:
            return Able(kind == LineKind::FilledHeader, "Select a bank header on the right whose bank holds registrations");
        default:  // Edit Icon
            return Able(kind == LineKind::Registration || kind == LineKind::FilledHeader,
                        "Select a registration or a bank header on the right");
    }
}

CommandState ListState(const MainDialog& dialog, Command command) {
    const FilteredList& left = dialog.ListOf(Pane::Source);
    const bool leftHolds = left.RegistrationCount() > 0;
    const bool rightHolds = dialog.ListOf(Pane::Destination).RegistrationCount() > 0;
    switch (command) {
        case Command::CreateRegfilesLeft:
            if (dialog.SourceShowsRegfiles()) {
                return Able(false, "The left list shows regfiles; regfiles are made from an archive");
            }
            return Able(leftHolds, "The left list holds no registration");
        case Command::ProtocolLeft:
            return Able(leftHolds, dialog.SourceShowsRegfiles() ? "No regfiles loaded" : "The left list holds no registration");
        case Command::StoreArchive:
            return Able(rightHolds, "The right list holds nothing to store");
        default:  // Create Regfiles (right), Protocol (right), Default Revoice
            return Able(rightHolds, "The right list holds no registration");
    }
}

// The button of a command that only some models have.
std::optional<ModelButton> ModelButtonOf(Command command) {
    switch (command) {
        case Command::Options: return ModelButton::Options;
        case Command::Archivename: return ModelButton::Archivename;
        case Command::GroupCopy: return ModelButton::GroupCopy;
        case Command::EditSequence: return ModelButton::EditSequence;
        case Command::EditIcon: return ModelButton::EditIcon;
        case Command::DefaultRevoice: return ModelButton::DefaultRevoice;
        default: return std::nullopt;
    }
}

bool ModelShows(const std::string& modelName, Command command) {
    const auto model = ModelCatalog::FromExactName(modelName);
    const auto button = ModelButtonOf(command);
    // Without a model the buttons stay as the window made them.
    return !model || !button || CommandRules::ButtonShown(*model, *button);
}

CommandState EnabledState(const MainDialog& dialog, Command command) {
    switch (command) {
        case Command::LoadArchiveLeft:
        case Command::LoadRegfiles:
        case Command::LoadArchiveRight:
        case Command::Model:
        case Command::Info:
        case Command::Exit:
            return Able(true, "");
        case Command::Undo:
            return Able(dialog.CanUndo(), "Nothing to undo");
        case Command::Redo:
            return Able(dialog.CanRedo(), "Nothing to redo");
        default:
            break;
    }
    if (!dialog.HasActiveModel()) {
        return Able(false, kNoModel);
    }
    switch (command) {
        case Command::Copy:
            return CopyState(dialog);
        case Command::GroupCopy:
            return Able(SourceGivesOne(dialog) && IsSingle(KindOf(dialog, Pane::Destination)),
                        "Select a registration on both sides");
        case Command::Delete:
        case Command::Rename:
        case Command::EditSequence:
        case Command::EditIcon:
            return DestinationEditState(dialog, command);
        case Command::CreateRegfilesLeft:
        case Command::ProtocolLeft:
        case Command::StoreArchive:
        case Command::CreateRegfilesRight:
        case Command::ProtocolRight:
        case Command::DefaultRevoice:
            return ListState(dialog, command);
        case Command::Options:
            return Able(!dialog.SourceHandler()->HasNoStyleOptions(), "This model has no style options");
        case Command::VoiceList:
            return Able(dialog.ActiveModelTakesVoiceLists(), "The PSR-8000 keeps voice numbers; no voice list applies");
        default:  // New on either side, Archivename, Find
            return Able(true, "");
    }
}

}  // namespace

bool CommandRules::ButtonShown(Model model, ModelButton button) {
    const ModelFacts& facts = ModelCatalog::FactsOf(model);
    switch (button) {
        case ModelButton::Options:
            return facts.styleArchives;
        case ModelButton::Archivename:
            return !facts.bankFiles;
        case ModelButton::GroupCopy:
            return facts.groupCopy;
        case ModelButton::EditSequence:
        case ModelButton::EditIcon:
        case ModelButton::DefaultRevoice:
            return facts.bankEdits;
    }
    return true;
}

CommandState CommandRules::StateOf(const MainDialog& dialog, Command command) {
    if (!ModelShows(dialog.ModelName(), command)) {
        return CommandState{false, false, "This model has no such command"};
    }
    return EnabledState(dialog, command);
}

}  // namespace kalivo
