#pragma once
// The Tyros bank edits of the main window: Edit Sequence, Edit Icon and
// Default Revoice on the destination, each one undoable step.
#include <optional>
#include <string>

namespace kalivo {

class MainDialog;
class TyrosExtras;

class BankEditCommands {
public:
    explicit BankEditCommands(MainDialog& dialog) : d_(dialog) {}

    void EditSequence();
    void EditIcon();
    void DefaultRevoice();

private:
    std::optional<std::string> AskIconCode(const std::string& title, const std::string& current);
    void EditIconOfBank(int bank, const std::string& used);
    void EditIconOfRegistration(int bank, int slot, const std::string& used);
    bool DefaultRevoiceConfirmed(TyrosExtras& tyros, int banks);

    MainDialog& d_;
};

}  // namespace kalivo
