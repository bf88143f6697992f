#include "qt/QtUserInterface.h"

#include <QApplication>
#include <QFileDialog>

#include "qt/AboutDialog.h"
#include "qt/ArchiveSelectionDialog.h"
#include "qt/BankSelectionDialog.h"
#include "qt/ChangeArchiveNameDialog.h"
#include "qt/ChangeNameDialog.h"
#include "qt/CopyRegistrationSettingsDialog.h"
#include "qt/Cvp2ViewRegistrationDialog.h"
#include "qt/EditBankDialog.h"
#include "qt/EditIconDialog.h"
#include "qt/FileDialogs.h"
#include "qt/FlashStylesDialog.h"
#include "qt/GpBlockCopyDialog.h"
#include "qt/MessageBoxes.h"
#include "qt/ModelSelectionDialog.h"
#include "qt/NameChoiceDialog.h"
#include "qt/OptionsDialog.h"
#include "qt/QtText.h"
#include "qt/SelectIconDialog.h"
#include "qt/TyrosViewRegistrationDialog.h"
#include "qt/ViewBankDialog.h"
#include "qt/ViewRegistrationDialog.h"
#include "qt/VoiceListDialog.h"

namespace kalivo {

void QtUserInterface::ShowMessage(const std::string& text, const std::string& title) {
    MessageBoxes::Show(parent_, QtText::ToQt(text), QtText::ToQt(title));
}

bool QtUserInterface::AskYesNo(const std::string& text, const std::string& title) {
    return MessageBoxes::AskYesNo(parent_, QtText::ToQt(text), QtText::ToQt(title));
}

Answer QtUserInterface::AskYesNoCancel(const std::string& text, const std::string& title) {
    return MessageBoxes::AskYesNoCancel(parent_, QtText::ToQt(text), QtText::ToQt(title));
}

Answer QtUserInterface::AskYesNoOrClose(const std::string& text, const std::string& title, bool defaultNo) {
    return MessageBoxes::AskYesNoOrClose(parent_, QtText::ToQt(text), QtText::ToQt(title), defaultNo);
}

std::string QtUserInterface::ChooseFolder(const std::string& title) {
    std::string folder = FileDialogs::ChooseFolder(parent_, QtText::ToQt(title), lastFolder_);
    if (!folder.empty()) {
        lastFolder_ = QtText::ToQt(folder);
    }
    return folder;
}

std::optional<SaveAsChoice> QtUserInterface::ChooseSaveFile(const SaveAsRequest& request) {
    return FileDialogs::ChooseSaveFile(parent_, request);
}

void QtUserInterface::BeginWait() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void QtUserInterface::EndWait() { QApplication::restoreOverrideCursor(); }

int QtUserInterface::SelectArchive(const std::vector<std::string>& names, int current) {
    return ArchiveSelectionDialog::Run(names, current, parent_);
}

std::optional<std::vector<int>> QtUserInterface::SelectBanks(const std::vector<std::string>& names) {
    return BankSelectionDialog::Run(names, parent_);
}

std::string QtUserInterface::ChangeArchiveName(const ArchiveNameRequest& request) {
    return ChangeArchiveNameDialog::Run(request, parent_);
}

std::string QtUserInterface::ChangeName(const std::string& current, int maxLength) {
    return ChangeNameDialog::Run(current, maxLength, parent_);
}

int QtUserInterface::SelectModel(const std::vector<std::string>& names, int current) {
    return ModelSelectionDialog::Run(names, current, parent_);
}

bool QtUserInterface::EditOptions(const std::string& modelName, StyleArchiveOptions& options) {
    return OptionsDialog::Run(modelName, options, *this, parent_);
}

bool QtUserInterface::AskFlashStyles() { return FlashStylesDialog::Run(parent_); }

void QtUserInterface::ShowAbout() { AboutDialog::Run(parent_); }

std::optional<EditBankResult> QtUserInterface::EditBank(const EditBankRequest& request) {
    return EditBankDialog::Run(request, parent_);
}

std::optional<std::string> QtUserInterface::EditIcon(const std::string& title, const std::string& currentCode) {
    return EditIconDialog::Run(title, currentCode, parent_);
}

std::optional<std::string> QtUserInterface::SelectIcon(const SelectIconRequest& request) {
    return SelectIconDialog::Run(request, *this, parent_);
}

void QtUserInterface::ViewBank(const ViewBankRequest& request) { ViewBankDialog::Run(request, *this, parent_); }

void QtUserInterface::ViewTyrosRegistration(const TyrosRegistrationView& view) {
    TyrosViewRegistrationDialog::Run(view, *this, parent_);
}

std::optional<std::vector<bool>> QtUserInterface::CopyRegistrationSettings(const CopySettingsRequest& request) {
    return CopyRegistrationSettingsDialog::Run(request, parent_);
}

std::optional<GpBlockBoxStates> QtUserInterface::CopyGpBlocks(const GpBlockCopyRequest& request) {
    return GpBlockCopyDialog::Run(request, parent_);
}

void QtUserInterface::ViewCvp2Registration(const Cvp2RegistrationView& view) {
    Cvp2ViewRegistrationDialog::Run(view, parent_);
}

void QtUserInterface::ViewRegistration(const RegistrationView& view) { ViewRegistrationDialog::Run(view, parent_); }

VoiceListAction QtUserInterface::ShowVoiceList(const VoiceListView& view) {
    return VoiceListDialog::Run(view, parent_);
}

std::optional<std::string> QtUserInterface::ChooseOpenFile(const std::string& title, const std::string& filter) {
    // Qt's own dialog, as for every other file choice.
    const QString path = QFileDialog::getOpenFileName(parent_, QtText::ToQt(title), QString(), QtText::ToQt(filter),
                                                      nullptr, QFileDialog::DontUseNativeDialog);
    return path.isEmpty() ? std::nullopt : std::optional<std::string>(QtText::ToStd(path));
}

int QtUserInterface::ChooseName(const std::string& title, const std::vector<std::string>& names) {
    return NameChoiceDialog::Run(QtText::ToQt(title), names, parent_);
}

}  // namespace kalivo
