#include "qt/EditIconDialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "qt/DialogUnits.h"
#include "qt/DialogWidgets.h"
#include "qt/QtText.h"
#include "ui/bank/EditIconFilter.h"

namespace kalivo {

EditIconDialog::EditIconDialog(const std::string& title, const std::string& currentCode, QWidget* parent)
    : QDialog(parent), code_(new QLineEdit(QtText::ToQt(currentCode), this)) {
    setWindowTitle(QtText::ToQt(EditIconFilter::Caption(title)));
    const DialogUnits units(font());
    // Room for the three digits however wide the font's digits are.
    code_->setFixedWidth(std::max(units.X(17), code_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 8));
    connect(code_, &QLineEdit::textEdited, this, &EditIconDialog::FilterCode);

    const auto okCancel = DialogWidgets::OkCancelButtons(*this, units);
    ok_ = okCancel.ok;
    auto* cancel = okCancel.cancel;

    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(new QLabel(QStringLiteral("S"), this));
    codeRow->addWidget(code_);
    codeRow->addStretch();
    auto* fields = new QVBoxLayout;
    fields->addWidget(new QLabel(QStringLiteral("Icon"), this));
    fields->addLayout(codeRow);
    fields->addStretch();
    auto* buttons = new QVBoxLayout;
    DialogWidgets::AddOkCancel(*buttons, ok_, cancel);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(units.Margins(7, 7, 7, 7));
    layout->setSpacing(units.X(7));
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);
    resize(units.Size(124, 69).expandedTo(sizeHint()));
}

std::optional<std::string> EditIconDialog::Run(const std::string& title, const std::string& currentCode,
                                               QWidget* parent) {
    EditIconDialog dialog(title, currentCode, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Result();
}

void EditIconDialog::FilterCode() {
    // One byte per character, so the caret counts the same in both texts.
    std::string text = code_->text().toLatin1().toStdString();
    int caret = code_->cursorPosition();
    if (EditIconFilter::FilterTyped(text, caret)) {
        QString kept = code_->text();
        kept.remove(caret, 1);
        code_->setText(kept);
        code_->setCursorPosition(caret);
    }
}

void EditIconDialog::accept() {
    result_ = EditIconFilter::Accept(QtText::ToStd(code_->text()));
    if (result_) {
        QDialog::accept();
    }
}

}  // namespace kalivo
