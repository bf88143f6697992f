#pragma once
// View Bank: a bank's sequence, what follows its last step and the bank's
// icon, read-only. What is shown is worked out by ViewBankText.
#include <QDialog>

#include "ui/DialogData.h"

class QLineEdit;

namespace kalivo {

class IconLineWidget;
class UserInterface;

class ViewBankDialog : public QDialog {
    Q_OBJECT

public:
    // ui tells the person about an icon picture that cannot be loaded.
    ViewBankDialog(const ViewBankRequest& request, UserInterface& ui, QWidget* parent);
    static void Run(const ViewBankRequest& request, UserInterface& ui, QWidget* parent);

    QLineEdit* SequenceEdit() const { return sequence_; }
    QLineEdit* EndEdit() const { return end_; }
    IconLineWidget* IconLine() const { return icon_; }

private:
    QLineEdit* sequence_;
    QLineEdit* end_;
    IconLineWidget* icon_;
};

}  // namespace kalivo
