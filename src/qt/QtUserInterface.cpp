#include "qt/QtUserInterface.h"

#include <QApplication>

#include "qt/AboutDialog.h"
#include "qt/ArchiveSelectionDialog.h"
#include "qt/BankSelectionDialog.h"
#include "qt/ChangeArchiveNameDialog.h"
#include "qt/ChangeNameDialog.h"
#include "qt/FileDialogs.h"
#include "qt/FlashStylesDialog.h"
#include "qt/MessageBoxes.h"
#include "qt/ModelSelectionDialog.h"
#include "qt/OptionsDialog.h"
#include "qt/QtText.h"
#include "qt/TyrosDialogs.h"

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

std::string QtUserInterface::ChooseFolder(const std::string& title) {
    std::string folder = FileDialogs::ChooseFolder(parent_, QtText::ToQt(title), lastFolder_);
    if (!folder.empty()) {
        lastFolder_ = QtText::ToQt(folder);
    }
    return folder;
}

std::optional<std::string> QtUserInterface::ChooseSaveFile(const SaveAsRequest& request) {
    return FileDialogs::ChooseSaveFile(parent_, request);
}

void QtUserInterface::BeginWait() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void QtUserInterface::EndWait() { QApplication::restoreOverrideCursor(); }

int QtUserInterface::SelectArchive(const std::vector<std::string>& names) {
    return ArchiveSelectionDialog::Run(names, parent_);
}

std::optional<std::vector<int>> QtUserInterface::SelectBanks(const std::vector<std::string>& names) {
    return BankSelectionDialog::Run(names, parent_);
}

std::string QtUserInterface::ChangeArchiveName(const std::string& current) {
    return ChangeArchiveNameDialog::Run(current, parent_);
}

std::string QtUserInterface::ChangeName(const std::string& current, int maxLength) {
    return ChangeNameDialog::Run(current, maxLength, parent_);
}

int QtUserInterface::SelectModel(const std::vector<std::string>& names) {
    return ModelSelectionDialog::Run(names, parent_);
}

bool QtUserInterface::EditOptions(const std::string& modelName, StyleArchiveOptions& options) {
    return OptionsDialog::Run(modelName, options, *this, parent_);
}

bool QtUserInterface::AskFlashStyles() { return FlashStylesDialog::Run(parent_); }

void QtUserInterface::ShowAbout() { AboutDialog::Run(parent_); }

std::optional<EditBankResult> QtUserInterface::EditBank(const EditBankRequest& request) {
    return TyrosDialogs::EditBank(parent_, request);
}

std::optional<std::string> QtUserInterface::EditIcon(const std::string& title, const std::string& currentCode) {
    return TyrosDialogs::EditIcon(parent_, title, currentCode);
}

std::optional<std::string> QtUserInterface::SelectIcon(const SelectIconRequest& request) {
    return TyrosDialogs::SelectIcon(parent_, request);
}

void QtUserInterface::ViewBank(const ViewBankRequest& request) { TyrosDialogs::ViewBank(parent_, request); }

void QtUserInterface::ViewTyrosRegistration(const TyrosRegistrationView& view) {
    TyrosDialogs::ViewTyrosRegistration(parent_, view);
}

std::optional<std::vector<bool>> QtUserInterface::CopyRegistrationSettings(const CopySettingsRequest& request) {
    return TyrosDialogs::CopyRegistrationSettings(parent_, request);
}

}  // namespace kalivo
