#include "qt/NameEditDialog.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "qt/DialogUnits.h"
#include "qt/DialogWidgets.h"
#include "qt/MessageBoxes.h"
#include "qt/QtText.h"

namespace kalivo {

NameEditDialog::NameEditDialog(const QString& caption, const QString& text, int maxLength, int editWidth,
                               QWidget* parent)
    : QDialog(parent), edit_(new QLineEdit(this)), maxLength_(maxLength) {
    setWindowTitle(caption);
    const DialogUnits units(font());
    // An initial text above the limit is shown whole, as the edit control did.
    edit_->setMaxLength(std::max(maxLength, static_cast<int>(text.size())));
    edit_->setText(text);
    edit_->setMinimumWidth(units.X(editWidth));

    const auto okCancel = DialogWidgets::OkCancelButtons(*this, units);
    ok_ = okCancel.ok;
    auto* cancel = okCancel.cancel;

    auto* buttons = new QVBoxLayout;
    DialogWidgets::AddOkCancel(*buttons, ok_, cancel);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(units.Margins(7, 7, 7, 7));
    layout->setSpacing(units.X(7));
    layout->addWidget(edit_, 1, Qt::AlignTop);
    layout->addLayout(buttons);
}

std::string NameEditDialog::ExecForText() {
    if (exec() != QDialog::Accepted) {
        return std::string();
    }
    return QtText::ToStd(edit_->text());
}

void NameEditDialog::accept() {
    if (edit_->text().size() > maxLength_) {
        MessageBoxes::Show(this, QStringLiteral("Please enter no more than %1 characters.").arg(maxLength_),
                           QString::fromLatin1(kProgramTitle));
        edit_->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace kalivo
