#include "app/BankEditCommands.h"

#include <algorithm>

#include "app/MainDialog.h"
#include "common/Format.h"
#include "common/text/Cp1252.h"
#include "handlers/TyrosExtras.h"

namespace kalivo {

void BankEditCommands::EditSequence() {
    if (d_.destination_ == nullptr || d_.destinationPane_.position.bank < 0) {
        return;
    }
    const int bank = d_.destinationPane_.position.bank;
    if (d_.destinationPane_.position.slot != kWholeBank) {
        d_.ClearDestinationSelection();
        return;
    }
    EditBankRequest request;
    d_.destination_->GetBankSequence(bank, request.sequence, request.sequenceEnd);
    d_.destination_->GetUsedSlots(bank, request.usedSlots);
    if (request.usedSlots.empty()) {
        return;
    }
    d_.destination_->GetBankName(bank, request.bankName);
    request.bankName = Cp1252::ToUtf8(request.bankName);
    const auto result = d_.ui_.EditBank(request);
    if (!result) {
        return;
    }
    auto before = d_.Before();
    if (result->sequence.empty()) {
        d_.destination_->ResetBankSequence(bank);
    } else {
        d_.destination_->SetBankSequence(bank, result->sequence, result->sequenceEnd);
    }
    const std::string what = "Changed the sequence of bank " + request.bankName;
    d_.Changed(std::move(before), what);
    d_.Status(what);
}

std::optional<std::string> BankEditCommands::AskIconCode(const std::string& title, const std::string& current) {
    if (d_.icons_.available) {
        return d_.ui_.SelectIcon(SelectIconRequest{current, d_.icons_});
    }
    return d_.ui_.EditIcon(title, current);
}

void BankEditCommands::EditIconOfBank(int bank, const std::string& used) {
    if (used.empty()) {
        d_.ClearDestinationSelection();
        return;
    }
    std::string title;
    d_.destination_->GetBankName(bank, title);
    if (const auto code = AskIconCode(Cp1252::ToUtf8(title), d_.destination_->GetBankIcon(bank))) {
        auto before = d_.Before();
        d_.destination_->SetBankIcon(bank, *code);
        d_.Changed(std::move(before), "Changed the icon of bank " + Cp1252::ToUtf8(title));
        d_.Status("Changed the icon of bank " + Cp1252::ToUtf8(title));
    }
    d_.KeepWorkedLineInView();
    d_.ClearDestinationSelection();
}

void BankEditCommands::EditIconOfRegistration(int bank, int slot, const std::string& used) {
    if (slot < 0 || used.find(static_cast<char>('1' + slot)) == std::string::npos) {
        return;
    }
    std::string title;
    d_.destination_->GetRegistrationName(bank, slot, title);
    const bool editDialog = !d_.icons_.available;
    if (const auto code = AskIconCode(Cp1252::ToUtf8(title), d_.destination_->GetRegistrationIcon(bank, slot))) {
        auto before = d_.Before();
        d_.destination_->SetRegistrationIcon(bank, slot, *code);
        d_.Changed(std::move(before), "Changed the icon of " + Cp1252::ToUtf8(title));
        d_.Status("Changed the icon of " + Cp1252::ToUtf8(title));
    }
    if (editDialog) {
        d_.BuildDestinationList();
    }
    d_.KeepWorkedLineInView();
    d_.ClearDestinationSelection();
}

void BankEditCommands::EditIcon() {
    if (d_.destination_ == nullptr) {
        return;
    }
    d_.lastDestinationLine_ = kNone;
    if (d_.destinationPane_.position.bank < 0) {
        return;
    }
    std::string used;
    d_.destination_->GetUsedSlots(d_.destinationPane_.position.bank, used);
    if (d_.destinationPane_.position.slot == kWholeBank) {
        EditIconOfBank(d_.destinationPane_.position.bank, used);
    } else {
        EditIconOfRegistration(d_.destinationPane_.position.bank, d_.destinationPane_.position.slot, used);
    }
}

// While the voice table is incomplete most "unknown" voices are ones the
// instrument has, so nothing changes without the person's Yes.
bool BankEditCommands::DefaultRevoiceConfirmed(TyrosExtras& tyros, int banks) {
    int settings = 0;
    int registrations = 0;
    for (int bank = 0; bank < banks; ++bank) {
        for (int slot = 0; slot < d_.destination_->RegistrationsPerBank(); ++slot) {
            const int count = tyros.CountRevoiceToDefault(bank, slot);
            settings += count;
            registrations += count > 0 ? 1 : 0;
        }
    }
    if (settings == 0) {
        return true;  // nothing would change; the usual report follows
    }
    const std::string question = FormatNumbers(
        "Default Revoice would change %i voice settings in %i registrations.\n"
        "The voice table is incomplete, so voices the instrument has may be among them; "
        "they would be replaced by other voices (Edit, Undo takes the change back).\n"
        "Change them?",
        settings, registrations);
    return d_.ui_.AskYesNoOrClose(question, "Default Revoice", true) == Answer::Yes;
}

void BankEditCommands::DefaultRevoice() {
    TyrosExtras* tyros = d_.DestinationTyros();
    if (tyros == nullptr) {
        return;
    }
    const int banks = std::max(1, d_.destination_->DestinationBankCount());
    if (!tyros->VoiceTableComplete() && !DefaultRevoiceConfirmed(*tyros, banks)) {
        return;
    }
    auto before = d_.Before();
    int revoiced = 0;
    for (int bank = 0; bank < banks; ++bank) {
        for (int slot = 0; slot < d_.destination_->RegistrationsPerBank(); ++slot) {
            revoiced += tyros->RevoiceToDefault(bank, slot);
        }
    }
    const std::string what = FormatNumbers("%i voices revoiced to default", revoiced);
    if (revoiced > 0) {
        d_.Changed(std::move(before), what);
    }
    d_.ui_.ShowMessage(what, kProgramTitle);
    d_.Status(what);
}

}  // namespace kalivo
