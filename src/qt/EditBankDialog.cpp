#include "qt/EditBankDialog.h"

#include <QGridLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "qt/BottomButtonsLayout.h"
#include "qt/DialogUnits.h"
#include "qt/DialogWidgets.h"
#include "qt/QtText.h"
#include "ui/bank/EditBankFilter.h"

namespace kalivo {

EditBankDialog::EditBankDialog(const EditBankRequest& request, QWidget* parent)
    : QDialog(parent),
      usedSlots_(request.usedSlots),
      sequence_(new QLineEdit(this)),
      endList_(new QListWidget(this)) {
    setWindowTitle(QtText::ToQt(EditBankFilter::Caption(request.bankName)));
    const DialogUnits units(font());

    sequence_->setMaxLength(static_cast<int>(EditBankFilter::kMaxSequenceLength));
    sequence_->setMinimumWidth(units.X(143));
    // The stored sequence is shown as it is; the filter applies to what is typed.
    sequence_->setText(QtText::ToQt(request.sequence));
    connect(sequence_, &QLineEdit::textEdited, this, &EditBankDialog::FilterSequence);

    endList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const std::string& line : EditBankFilter::EndLines()) {
        endList_->addItem(QtText::ToQt(line));
    }
    const int endLine = EditBankFilter::InitialEndLine(request.sequenceEnd);
    if (endLine >= 0) {
        endList_->item(endLine)->setSelected(true);
    }
    // All three lines in view, as the template's list showed them.
    endList_->setFixedHeight(endList_->sizeHintForRow(0) * endList_->count() + 2 * endList_->frameWidth() + 2);
    endList_->setFixedWidth(
        std::max(units.X(56), endList_->sizeHintForColumn(0) + 2 * endList_->frameWidth() + units.X(4)));

    const auto okCancel = DialogWidgets::OkCancelButtons(*this, units);
    ok_ = okCancel.ok;
    auto* cancel = okCancel.cancel;

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(units.X(11));
    fields->addWidget(new QLabel(QStringLiteral("Sequence"), this), 0, 0);
    fields->addWidget(sequence_, 1, 0, Qt::AlignTop);
    fields->addWidget(new QLabel(QStringLiteral("Sequence End"), this), 0, 1);
    fields->addWidget(endList_, 1, 1, Qt::AlignTop);
    fields->setColumnStretch(0, 1);
    BottomButtonsLayout::Apply(*this, units, {fields}, ok_, cancel);
    resize(units.Size(224, 101).expandedTo(sizeHint()));
}

std::optional<EditBankResult> EditBankDialog::Run(const EditBankRequest& request, QWidget* parent) {
    EditBankDialog dialog(request, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Result();
}

void EditBankDialog::FilterSequence() {
    std::string text = QtText::ToStd(sequence_->text());
    if (EditBankFilter::FilterSequence(text, usedSlots_)) {
        sequence_->setText(QtText::ToQt(text));
        sequence_->setCursorPosition(static_cast<int>(sequence_->text().size()));
    }
}

std::vector<int> EditBankDialog::SelectedEndLines() const {
    // Only their number and, for one, its row matter: no order needed.
    std::vector<int> lines;
    for (const QModelIndex& index : endList_->selectionModel()->selectedRows()) {
        lines.push_back(index.row());
    }
    return lines;
}

void EditBankDialog::accept() {
    result_ = EditBankFilter::Accept(QtText::ToStd(sequence_->text()), SelectedEndLines());
    if (result_) {
        QDialog::accept();
    }
}

}  // namespace kalivo
