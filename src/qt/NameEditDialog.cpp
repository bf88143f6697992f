#include "qt/NameEditDialog.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "qt/DialogUnits.h"
#include "qt/DialogWidgets.h"
#include "qt/MessageBoxes.h"
#include "qt/QtText.h"
#include "ui/ChangeNameFilter.h"

namespace kalivo {

NameEditDialog::NameEditDialog(const QString& caption, const QString& text, int maxLength, int editWidth,
                               QWidget* parent)
    : QDialog(parent), edit_(new QLineEdit(this)), editColumn_(new QVBoxLayout), initial_(text),
      maxLength_(maxLength) {
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
    editColumn_->addWidget(edit_);
    editColumn_->addStretch(1);
    layout->addLayout(editColumn_, 1);
    layout->addLayout(buttons);
}

std::string NameEditDialog::ExecForText() {
    if (exec() != QDialog::Accepted) {
        return std::string();
    }
    return QtText::ToStd(edit_->text());
}

void NameEditDialog::AddNote(QWidget* note) { editColumn_->insertWidget(editColumn_->count() - 1, note); }

void NameEditDialog::accept() {
    if (!ChangeNameFilter::FitsOrUnchanged(QtText::ToStd(edit_->text()), QtText::ToStd(initial_), maxLength_)) {
        MessageBoxes::Show(this, QStringLiteral("Please enter no more than %1 characters.").arg(maxLength_),
                           QString::fromLatin1(kProgramTitle));
        edit_->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace kalivo
