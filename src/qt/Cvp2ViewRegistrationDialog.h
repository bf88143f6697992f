#pragma once
// View Registration of a CVP2 Series or PSR-2000 registration, read-only: the
// name, a "+" or "-" per setting, and beside Style, the voices, Multi Pad
// and Tempo their caption and value while the setting is present.
#include <QDialog>
#include <array>

#include "ui/DialogData.h"

class QLineEdit;

namespace kalivo {

class Cvp2ViewRegistrationDialog : public QDialog {
    Q_OBJECT

public:
    Cvp2ViewRegistrationDialog(const Cvp2RegistrationView& view, QWidget* parent);
    static void Run(const Cvp2RegistrationView& view, QWidget* parent);

    QLineEdit* NameEdit() const { return name_; }
    // In the order of the view's settings.
    QLineEdit* SettingEdit(int setting) const { return settings_[static_cast<std::size_t>(setting)]; }
    // In the order of the view's pairs.
    QLineEdit* CaptionEdit(int pair) const { return captions_[static_cast<std::size_t>(pair)]; }
    QLineEdit* ValueEdit(int pair) const { return values_[static_cast<std::size_t>(pair)]; }

private:
    QLineEdit* name_;
    std::array<QLineEdit*, kGpBlockSettings> settings_{};
    std::array<QLineEdit*, Cvp2RegistrationView::kPairs> captions_{};
    std::array<QLineEdit*, Cvp2RegistrationView::kPairs> values_{};
};

}  // namespace kalivo
