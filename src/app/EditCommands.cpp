#include "app/EditCommands.h"

#include "app/ArchiveCopier.h"
#include "app/MainDialog.h"
#include "app/ShownText.h"
#include "handlers/StatusCodes.h"

namespace kalivo {

void EditCommands::Delete() {
    if (d_.destination_ == nullptr || d_.destinationPane_.position.bank == kNone || d_.destinationPane_.position.slot == kNone) {
        return;
    }
    const int bank = d_.destinationPane_.position.bank;
    const std::string what = "Deleted " + d_.DestinationLineName();
    auto before = d_.Before();
    if (d_.destinationPane_.position.slot == kWholeBank) {
        for (int slot = 0; slot < d_.destination_->RegistrationsPerBank(); ++slot) {
            d_.destination_->DeleteRegistration(bank, slot);
        }
    } else {
        d_.destination_->DeleteRegistration(bank, d_.destinationPane_.position.slot);
    }
    d_.destination_->ResetBankSequence(bank);
    d_.BuildDestinationList();
    d_.KeepWorkedLineInView();
    d_.Changed(std::move(before), what);
    d_.Status(what);
}

void EditCommands::Rename() {
    if (d_.destination_ == nullptr || d_.destinationPane_.position.bank < 0) {
        return;
    }
    const int bank = d_.destinationPane_.position.bank;
    const int slot = d_.destinationPane_.position.slot;
    const NameLimits limits = d_.Limits();
    const bool header = slot == kWholeBank;
    std::string current;
    if (header) {
        d_.destination_->GetBankName(bank, current);
    } else {
        d_.destination_->GetRegistrationName(bank, slot, current);
    }
    const std::string text = Typed(d_.ui_.ChangeName(Shown(current), header ? limits.bank : limits.registration));
    if (text.empty()) {
        return;
    }
    auto before = d_.Before();
    if (header) {
        d_.destination_->SetBankName(bank, text);
    } else if (d_.destination_->RenameRegistration(bank, slot, text) != Status::kDone) {
        d_.Status("Not renamed: " + Shown(current));
        return;
    }
    d_.BuildDestinationList();
    d_.KeepWorkedLineInView();
    const std::string what = (header ? "Renamed bank " : "Renamed ") + Shown(current) + " to " + Shown(text);
    d_.Changed(std::move(before), what);
    d_.Status(what);
}

void EditCommands::Archivename() {
    if (d_.destination_ != nullptr) {
        AskArchiveName();
    }
}

// True when a name was given (and is now the archive's).
bool EditCommands::AskArchiveName() {
    const NameLimits limits = d_.Limits();
    std::string name =
        Typed(d_.ui_.ChangeArchiveName({Shown(d_.destination_->GetArchiveName()), limits.archive, limits.diskName}));
    const auto end = name.find_last_not_of(' ');
    name = end == std::string::npos ? std::string() : name.substr(0, end + 1);
    if (name.empty()) {
        return false;
    }
    auto before = d_.Before();
    d_.destination_->SetArchiveName(name);
    // The name as the model keeps it ("Party" becomes "Party.s917" on the CVP2 Series).
    const std::string kept = Shown(d_.destination_->GetArchiveName());
    d_.view_.SetEditText(EditField::DestinationArchive, kept);
    d_.BuildDestinationList();
    const std::string what = "Archive name is now " + kept;
    d_.Changed(std::move(before), what);
    d_.Status(what);
    return true;
}

// ---- copying -------------------------------------------------------------

void EditCommands::FinishCopy(std::shared_ptr<const HandlerSnapshot> before, const std::string& what) {
    d_.BuildDestinationList();
    d_.KeepWorkedLineInView();
    d_.ClearDestinationSelection();
    d_.ClearSourceSelection();
    d_.Changed(std::move(before), what);
    d_.Status(what);
}

void EditCommands::CopyWholeBank() {
    ArchiveCopier::CopyWholeBank(*d_.destination_, d_.destinationPane_.position.bank, *d_.source_, d_.sourcePane_.position.bank);
}

// Copies (or group-copies) one registration or regfile; false when the command ends early.
bool EditCommands::CopySingle(bool group) {
    const int dstBank = d_.destinationPane_.position.bank;
    const int dstSlot = d_.destinationPane_.position.slot;
    Status result = Status::kDone;
    if (d_.sourceShowsRegfiles_) {
        if (d_.sourceRegfile_ < 0) {
            d_.ClearSourceSelection();
            d_.ClearDestinationSelection();
            return false;
        }
        result = group ? d_.destination_->GroupCopyRegfile(dstBank, dstSlot, d_.source_, d_.sourceRegfile_)
                       : d_.destination_->CopyRegfile(dstBank, dstSlot, d_.source_, d_.sourceRegfile_);
        d_.sourceRegfile_ = kNone;
    } else {
        if (d_.sourcePane_.position.bank < 0 || d_.sourcePane_.position.slot < 0) {
            d_.ClearSourceSelection();
            d_.ClearDestinationSelection();
            return false;
        }
        result = group ? d_.destination_->GroupCopyRegistration(dstBank, dstSlot, d_.source_, d_.sourcePane_.position.bank, d_.sourcePane_.position.slot)
                       : d_.destination_->CopyRegistration(dstBank, dstSlot, d_.source_, d_.sourcePane_.position.bank, d_.sourcePane_.position.slot);
    }
    // A group copy that copied nothing keeps both lines chosen, to try again.
    if (group && result != Status::kDone && result != Status::kNoRegistration) {
        return false;
    }
    if (result == Status::kNoRegistration) {
        d_.ui_.ShowMessage("No registration");
        d_.Status("Nothing copied: no registration there");
        if (group) {
            d_.ClearSourceSelection();
        } else {
            d_.KeepWorkedLineInView();
        }
        d_.ClearDestinationSelection();
        return false;
    }
    if (!group) {
        d_.destination_->ResetBankSequence(dstBank);
    }
    return true;
}

void EditCommands::Copy() {
    if (d_.source_ == nullptr || d_.destinationPane_.position.bank == kNone || d_.destinationPane_.position.slot == kNone) {
        return;
    }
    const bool sourceWhole = d_.sourcePane_.position.slot == kWholeBank;
    const bool destinationWhole = d_.destinationPane_.position.slot == kWholeBank;
    if (sourceWhole != destinationWhole) {
        d_.ClearSourceSelection();
        d_.ClearDestinationSelection();
        return;
    }
    const std::string what = "Copied " + d_.SourceLineName();
    auto before = d_.Before();
    if (destinationWhole) {
        CopyWholeBank();
    } else if (!CopySingle(false)) {
        return;
    }
    FinishCopy(std::move(before), what);
}

void EditCommands::GroupCopy() {
    if (d_.source_ == nullptr || d_.destinationPane_.position.bank == kNone || d_.destinationPane_.position.slot == kNone) {
        return;
    }
    if (d_.sourcePane_.position.slot == kWholeBank || d_.destinationPane_.position.slot == kWholeBank) {
        d_.ClearSourceSelection();
        d_.ClearDestinationSelection();
        return;
    }
    const std::string what = "Copied parts of " + d_.SourceLineName();
    auto before = d_.Before();
    if (CopySingle(true)) {
        FinishCopy(std::move(before), what);
    }
}

}  // namespace kalivo
