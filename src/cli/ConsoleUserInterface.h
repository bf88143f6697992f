#pragma once
// The command line's UserInterface: messages go to standard error prefixed
// "kalivo-cli: ", and every question is answered by --yes or --no (default No,
// so that nothing is replaced unasked). Dialogs that need a person take the
// cautious way out (Cancel).
#include <iosfwd>
#include <string>

#include "ui/UserInterface.h"

namespace kalivo {

class ConsoleUserInterface : public UserInterface {
public:
    // text on one line: every control character becomes a blank.
    static std::string OneLine(std::string text);

    explicit ConsoleUserInterface(std::ostream& err, bool answerYes = false);

    void SetAnswerYes(bool yes) { answerYes_ = yes; }

    void ShowMessage(const std::string& text, const std::string& title = kProgramTitle) override;
    bool AskYesNo(const std::string& text, const std::string& title = kProgramTitle) override;
    Answer AskYesNoCancel(const std::string& text, const std::string& title = kProgramTitle) override;
    std::string ChooseFolder(const std::string& title) override;
    std::optional<SaveAsChoice> ChooseSaveFile(const SaveAsRequest& request) override;
    void BeginWait() override {}
    void EndWait() override {}
    int SelectArchive(const std::vector<std::string>& names) override;
    std::optional<std::vector<int>> SelectBanks(const std::vector<std::string>& names) override;
    std::string ChangeArchiveName(const ArchiveNameRequest& request) override;
    std::string ChangeName(const std::string& current, int maxLength) override;
    int SelectModel(const std::vector<std::string>& names) override;
    bool EditOptions(const std::string& modelName, StyleArchiveOptions& options) override;
    bool AskFlashStyles() override;
    void ShowAbout() override;
    std::optional<EditBankResult> EditBank(const EditBankRequest& request) override;
    std::optional<std::string> EditIcon(const std::string& title, const std::string& currentCode) override;
    std::optional<std::string> SelectIcon(const SelectIconRequest& request) override;
    void ViewBank(const ViewBankRequest& request) override;
    void ViewTyrosRegistration(const TyrosRegistrationView& view) override;
    std::optional<std::vector<bool>> CopyRegistrationSettings(const CopySettingsRequest& request) override;
    std::optional<GpBlockBoxStates> CopyGpBlocks(const GpBlockCopyRequest& request) override;
    // Prints the registration's name and settings.
    void ViewCvp2Registration(const Cvp2RegistrationView& view) override;
    // Prints the fields, one "label value" line each.
    void ViewRegistration(const RegistrationView& view) override;

private:
    void Say(const std::string& text);

    std::ostream& err_;
    bool answerYes_;
};

}  // namespace kalivo
