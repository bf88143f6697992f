#pragma once
// The UserInterface port in Qt Widgets: message boxes, file dialogs, the
// wait cursor and one modal dialog per call, owned by the main window.
#include <QPointer>
#include <QString>
#include <QWidget>

#include "ui/UserInterface.h"

namespace kalivo {

class QtUserInterface : public UserInterface {
public:
    QtUserInterface() = default;

    // The window the dialogs belong to (centred on, modal to); may be null.
    void SetParentWindow(QWidget* window) { parent_ = window; }

    void ShowMessage(const std::string& text, const std::string& title = kProgramTitle) override;
    bool AskYesNo(const std::string& text, const std::string& title = kProgramTitle) override;
    Answer AskYesNoCancel(const std::string& text, const std::string& title = kProgramTitle) override;
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
    VoiceListAction ShowVoiceList(const VoiceListView& view) override;
    std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& filter) override;
    int ChooseName(const std::string& title, const std::vector<std::string>& names) override;

private:
    QPointer<QWidget> parent_;
    // The folder browser opens where the person chose last time.
    QString lastFolder_;
};

}  // namespace kalivo
