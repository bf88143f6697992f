#pragma once
// The Tyros bank, icon and registration dialogs.
//
// For now these are stand-ins that keep the program safe: every editing
// dialog answers Cancel, and the two views list their fields in a plain
// read-only message box. The real dialogs replace this file.
#include <optional>
#include <string>
#include <vector>

#include "ui/DialogData.h"

class QWidget;

namespace kalivo {

class TyrosDialogs {
public:
    static std::optional<EditBankResult> EditBank(QWidget* parent, const EditBankRequest& request);
    static std::optional<std::string> EditIcon(QWidget* parent, const std::string& title,
                                               const std::string& currentCode);
    static std::optional<std::string> SelectIcon(QWidget* parent, const SelectIconRequest& request);
    static void ViewBank(QWidget* parent, const ViewBankRequest& request);
    static void ViewTyrosRegistration(QWidget* parent, const TyrosRegistrationView& view);
    static std::optional<std::vector<bool>> CopyRegistrationSettings(QWidget* parent,
                                                                     const CopySettingsRequest& request);
};

}  // namespace kalivo
