#pragma once
// Copy Registration Settings: which setting groups of the source registration
// go into the destination. The rules of the boxes (shown only for groups the
// source holds, Style and Style-Path exclusive) are CopySettingsChoice's.
#include <QDialog>
#include <array>
#include <optional>
#include <vector>

#include "ui/DialogData.h"
#include "ui/tyros/CopySettingsChoice.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace kalivo {

class CopyRegistrationSettingsDialog : public QDialog {
    Q_OBJECT

public:
    CopyRegistrationSettingsDialog(const CopySettingsRequest& request, QWidget* parent);
    // The 15 flags on OK (all false when no box was checked: the caller says
    // so and copies nothing); nothing on Cancel.
    static std::optional<std::vector<bool>> Run(const CopySettingsRequest& request, QWidget* parent);

    QCheckBox* Box(int choice) const { return boxes_[static_cast<std::size_t>(choice)]; }
    QLineEdit* PresenceEdit(int choice) const { return presence_[static_cast<std::size_t>(choice)]; }
    QLineEdit* SourceEdit() const { return source_; }
    QLineEdit* DestinationEdit() const { return destination_; }
    QPushButton* OkButton() const { return ok_; }
    std::vector<bool> Flags() const;

private:
    void ShowChoice();

    CopySettingsChoice choice_;
    std::array<QCheckBox*, CopySettingsChoice::kChoices> boxes_{};
    std::array<QLineEdit*, CopySettingsChoice::kChoices> presence_{};
    QLineEdit* source_;
    QLineEdit* destination_;
    QPushButton* ok_;
};

}  // namespace kalivo
