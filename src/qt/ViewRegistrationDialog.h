#pragma once
// View Registration of a PSR-740, PSR-8000, PSR-9000 or 9000Pro registration,
// read-only: title, style, tempo and the four voices. OK closes it.
#include <QDialog>
#include <array>

#include "ui/DialogData.h"

class QLineEdit;

namespace kalivo {

class ViewRegistrationDialog : public QDialog {
    Q_OBJECT

public:
    ViewRegistrationDialog(const RegistrationView& view, QWidget* parent);
    static void Run(const RegistrationView& view, QWidget* parent);

    QLineEdit* TitleEdit() const { return title_; }
    QLineEdit* StyleEdit() const { return style_; }
    QLineEdit* TempoEdit() const { return tempo_; }
    // 0 L/Left, 1 R1/Layer, 2 R2/Main, 3 R3/Lead.
    QLineEdit* VoiceEdit(int voice) const { return voices_.at(static_cast<std::size_t>(voice)); }

private:
    QLineEdit* title_;
    QLineEdit* style_;
    QLineEdit* tempo_;
    std::array<QLineEdit*, 4> voices_{};
};

}  // namespace kalivo
