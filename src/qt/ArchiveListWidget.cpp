#include "qt/ArchiveListWidget.h"

#include <QApplication>
#include <QMouseEvent>

#include "qt/QtText.h"

namespace kalivo {

ArchiveListWidget::ArchiveListWidget(bool holdReclicks, QWidget* parent)
    : QListWidget(parent), holdReclicks_(holdReclicks) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setUniformItemSizes(true);
    reclickTimer_.setSingleShot(true);
    connect(&reclickTimer_, &QTimer::timeout, this, &ArchiveListWidget::ReportHeldClick);
    connect(this, &QAbstractItemView::clicked, this, &ArchiveListWidget::OnClicked);
    connect(this, &QAbstractItemView::doubleClicked, this, &ArchiveListWidget::OnDoubleClicked);
}

void ArchiveListWidget::SetLines(const std::vector<std::string>& lines) {
    reclickTimer_.stop();
    clear();
    addItems(QtText::ToQtList(lines));
}

void ArchiveListWidget::SelectLine(int line) {
    // A held click belongs to a selection the program has just replaced.
    reclickTimer_.stop();
    if (line < 0 || line >= count()) {
        clearSelection();
        return;
    }
    setCurrentRow(line, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(line));
}

int ArchiveListWidget::SelectedLine() const {
    const auto selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.constFirst());
}

void ArchiveListWidget::mousePressEvent(QMouseEvent* event) {
    const QListWidgetItem* hit = itemAt(event->position().toPoint());
    pressOnSelected_ = hit != nullptr && hit->isSelected();
    swallowClick_ = false;
    QListWidget::mousePressEvent(event);
}

void ArchiveListWidget::keyPressEvent(QKeyEvent* event) {
    const int before = SelectedLine();
    QListWidget::keyPressEvent(event);
    const int after = SelectedLine();
    if (after >= 0 && after != before) {
        reclickTimer_.stop();
        emit LineChosen(after);
    }
}

QItemSelectionModel::SelectionFlags ArchiveListWidget::selectionCommand(const QModelIndex& index,
                                                                         const QEvent* event) const {
    // Like the instrument editor's lists, a click never takes the selection away (no Ctrl+click deselect).
    auto flags = QListWidget::selectionCommand(index, event);
    if (flags.testFlag(QItemSelectionModel::Deselect) || flags.testFlag(QItemSelectionModel::Toggle)) {
        flags = QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    }
    return flags;
}

void ArchiveListWidget::OnClicked(const QModelIndex& index) {
    if (swallowClick_) {
        swallowClick_ = false;  // the release that ends a double-click
        return;
    }
    if (holdReclicks_ && pressOnSelected_) {
        heldLine_ = index.row();
        reclickTimer_.start(QApplication::doubleClickInterval());
        return;
    }
    reclickTimer_.stop();
    emit LineChosen(index.row());
}

void ArchiveListWidget::OnDoubleClicked(const QModelIndex& index) {
    reclickTimer_.stop();
    swallowClick_ = true;
    emit LineDoubleClicked(index.row());
}

void ArchiveListWidget::ReportHeldClick() {
    // Dropped when the line lost its selection in the meantime.
    if (heldLine_ >= 0 && heldLine_ == SelectedLine()) {
        emit LineChosen(heldLine_);
    }
    heldLine_ = -1;
}

}  // namespace kalivo
