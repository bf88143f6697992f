#include "qt/ListChoiceDialog.h"

#include <QBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "qt/DialogUnits.h"
#include "qt/DialogWidgets.h"
#include "qt/QtText.h"

namespace kalivo {

ListChoiceDialog::ListChoiceDialog(const QString& caption, const std::vector<std::string>& lines, const Shape& shape,
                                   QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)), okNeedsSelection_(shape.okNeedsSelection) {
    setWindowTitle(caption);
    const DialogUnits units(font());
    list_->setSelectionMode(shape.selection);
    list_->addItems(QtText::ToQtList(lines));
    // Short lists are shown whole; long ones scroll.
    const int contentHeight = list_->sizeHintForRow(0) * list_->count() + 2 * list_->frameWidth();
    list_->setMinimumSize(units.X(shape.listWidth), std::min(units.Y(shape.listHeight), contentHeight + 4));

    ok_ = DialogWidgets::Button(QStringLiteral("OK"), units, 50, 14, this);
    if (shape.withCancel) {
        cancel_ = DialogWidgets::Button(QStringLiteral("Cancel"), units, 50, 14, this);
        connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    }
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QBoxLayout(shape.buttonsBeside ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    DialogWidgets::AddOkCancel(*buttons, ok_, cancel_);
    buttons->addStretch();
    auto* layout = new QBoxLayout(shape.buttonsBeside ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, this);
    layout->setContentsMargins(units.Margins(7, 7, 7, 7));
    layout->setSpacing(units.X(7));
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    resize(units.Size(shape.width, shape.height));
}

std::vector<int> ListChoiceDialog::SelectedRows() const {
    std::vector<int> rows;
    for (const QListWidgetItem* item : list_->selectedItems()) {
        rows.push_back(list_->row(item));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

int ListChoiceDialog::ExecForLine() {
    if (exec() != QDialog::Accepted) {
        return -1;
    }
    const auto rows = SelectedRows();
    return rows.empty() ? -1 : rows.front();
}

void ListChoiceDialog::accept() {
    if (okNeedsSelection_ && list_->selectedItems().isEmpty()) {
        return;
    }
    QDialog::accept();
}

}  // namespace kalivo
