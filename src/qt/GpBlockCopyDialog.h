#pragma once
// Copy GP-Block: which setting blocks of the source registration go into the
// destination (CVP2 Series, PSR-2000). The rules of the boxes are
// GpBlockCopyChoice's; the handler runs the selection test on what Copy returns.
#include <QDialog>
#include <array>
#include <optional>

#include "ui/DialogData.h"
#include "ui/cvp2_psr2000/GpBlockCopyChoice.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace kalivo {

class GpBlockCopyDialog : public QDialog {
    Q_OBJECT

public:
    GpBlockCopyDialog(const GpBlockCopyRequest& request, QWidget* parent);
    // The box states on Copy; nothing on Cancel.
    static std::optional<GpBlockBoxStates> Run(const GpBlockCopyRequest& request, QWidget* parent);

    QCheckBox* Box(int box) const { return boxes_[static_cast<std::size_t>(box)]; }
    QLineEdit* SettingEdit(int box) const { return settings_[static_cast<std::size_t>(box)]; }
    QLineEdit* SourceEdit() const { return source_; }
    QLineEdit* DestinationEdit() const { return destination_; }
    QPushButton* CopyButton() const { return copy_; }
    GpBlockBoxStates States() const;

private:
    GpBlockCopyChoice choice_;
    std::array<QCheckBox*, GpBlockCopyChoice::kBoxes> boxes_{};
    std::array<QLineEdit*, GpBlockCopyChoice::kBoxes> settings_{};
    QLineEdit* source_;
    QLineEdit* destination_;
    QPushButton* copy_;
};

}  // namespace kalivo
