#pragma once
// The UserInterface port in the browser: each message box and dialog is an
// HTML dialog of the page. The core waits (Asyncify) until the person answers.
#include <optional>
#include <string>
#include <vector>

#include "ui/UserInterface.h"

namespace kalivo {

class WebUserInterface : public UserInterface {
public:
    void ShowMessage(const std::string& text, const std::string& title) override;
    bool AskYesNo(const std::string& text, const std::string& title) override;
    Answer AskYesNoCancel(const std::string& text, const std::string& title) override;
    Answer AskYesNoOrClose(const std::string& text, const std::string& title, bool defaultNo) override;

    std::string ChooseFolder(const std::string& title) override;
    std::optional<SaveAsChoice> ChooseSaveFile(const SaveAsRequest& request) override;

    void BeginWait() override;
    void EndWait() override;

    int SelectArchive(const std::vector<std::string>& names, int current) override;
    std::optional<std::vector<int>> SelectBanks(const std::vector<std::string>& names) override;
    std::string ChangeArchiveName(const ArchiveNameRequest& request) override;
    std::string ChangeName(const std::string& current, int maxLength) override;
    int SelectModel(const std::vector<std::string>& names, int current) override;
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
    void ViewCvp2Registration(const Cvp2RegistrationView& view) override;
    void ViewRegistration(const RegistrationView& view) override;

private:
    static Answer AskQuestion(const std::string& text, const std::string& title, const std::string& buttons,
                              bool defaultNo, Answer onClose);
    static int AskForLine(const char* dialog, const std::vector<std::string>& names, int current,
                          const char* nothingChosen);
    // A dialog the page does not have yet: says so, and the command is not done.
    void NotYet(const char* dialog);
};

}  // namespace kalivo
