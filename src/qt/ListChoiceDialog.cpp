#include "qt/ListChoiceDialog.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "qt/DialogUnits.h"
#include "qt/DialogWidgets.h"
#include "qt/QtText.h"

namespace kalivo {

ListChoiceDialog::ListChoiceDialog(const QString& caption, const std::vector<std::string>& lines, int current,
                                   const Shape& shape, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)), hint_(new QLabel(QString::fromLatin1(shape.nothingChosen), this)) {
    setWindowTitle(caption);
    const DialogUnits units(font());
    list_->setSelectionMode(shape.selection);
    list_->addItems(QtText::ToQtList(lines));
    // Short lists are shown whole; long ones scroll.
    const int contentHeight = list_->sizeHintForRow(0) * list_->count() + 2 * list_->frameWidth();
    list_->setMinimumSize(units.X(shape.listWidth), std::min(units.Y(shape.listHeight), contentHeight + 4));
    list_->installEventFilter(this);
    connect(list_, &QListWidget::doubleClicked, this, [this](const QModelIndex& index) { TakeLine(index.row()); });
    hint_->setWordWrap(true);
    hint_->hide();

    ok_ = DialogWidgets::Button(QStringLiteral("OK"), units, 50, 14, this);
    if (shape.withCancel) {
        cancel_ = DialogWidgets::Button(QStringLiteral("Cancel"), units, 50, 14, this);
        connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    }
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QBoxLayout(shape.buttonsBeside ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    DialogWidgets::AddOkCancel(*buttons, ok_, cancel_);
    buttons->addStretch();
    auto* body = new QBoxLayout(shape.buttonsBeside ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    body->setSpacing(units.X(7));
    body->addWidget(list_, 1);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(units.Margins(7, 7, 7, 7));
    layout->setSpacing(units.Y(4));
    layout->addLayout(body, 1);
    layout->addWidget(hint_);
    resize(units.Size(shape.width, shape.height));
    SelectAtOpening(current);
}

// The keys then start from the line the person most likely wants.
void ListChoiceDialog::SelectAtOpening(int current) {
    const int count = list_->count();
    const int line = current >= 0 && current < count ? current : (count == 1 ? 0 : -1);
    if (line < 0) {
        return;
    }
    list_->setCurrentRow(line, QItemSelectionModel::ClearAndSelect);
    list_->scrollToItem(list_->item(line));
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
    if (list_->selectedItems().isEmpty()) {
        hint_->show();
        return;
    }
    QDialog::accept();
}

// A double-click takes the line clicked; Enter takes the selected lines, or
// the line the keys are on when none is selected.
void ListChoiceDialog::TakeLine(int row) {
    if (row >= 0 && row < list_->count() && list_->selectedItems().isEmpty()) {
        list_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
    accept();
}

bool ListChoiceDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            TakeLine(list_->currentRow());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace kalivo
