#pragma once
// A person for runs without a test script (fuzzing, benchmarks): answers Yes
// and No in turn, replaces files, and cancels every dialog.
#include "ui/UserInterface.h"

namespace kalivo::test {

class AlternatingUserInterface : public UserInterface {
public:
    int messages = 0;

    void ShowMessage(const std::string&, const std::string&) override { ++messages; }
    bool AskYesNo(const std::string&, const std::string&) override { return ++messages % 2 == 1; }
    Answer AskYesNoCancel(const std::string&, const std::string&) override { return Answer::Yes; }
    std::string ChooseFolder(const std::string&) override { return std::string(); }
    std::optional<SaveAsChoice> ChooseSaveFile(const SaveAsRequest&) override { return std::nullopt; }
    void BeginWait() override {}
    void EndWait() override {}
    int SelectArchive(const std::vector<std::string>&) override { return -1; }
    std::optional<std::vector<int>> SelectBanks(const std::vector<std::string>&) override { return std::nullopt; }
    std::string ChangeArchiveName(const ArchiveNameRequest&) override { return std::string(); }
    std::string ChangeName(const std::string&, int) override { return std::string(); }
    int SelectModel(const std::vector<std::string>&) override { return -1; }
    bool EditOptions(const std::string&, StyleArchiveOptions&) override { return false; }
    bool AskFlashStyles() override { return false; }
    void ShowAbout() override {}
    std::optional<EditBankResult> EditBank(const EditBankRequest&) override { return std::nullopt; }
    std::optional<std::string> EditIcon(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> SelectIcon(const SelectIconRequest&) override { return std::nullopt; }
    void ViewBank(const ViewBankRequest&) override {}
    void ViewTyrosRegistration(const TyrosRegistrationView&) override {}
    void ViewRegistration(const RegistrationView&) override {}
    std::optional<std::vector<bool>> CopyRegistrationSettings(const CopySettingsRequest&) override {
        return std::nullopt;
    }
    std::optional<GpBlockBoxStates> CopyGpBlocks(const GpBlockCopyRequest&) override { return std::nullopt; }
    void ViewCvp2Registration(const Cvp2RegistrationView&) override {}
};

}  // namespace kalivo::test
