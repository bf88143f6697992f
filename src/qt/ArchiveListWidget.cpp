#include "qt/ArchiveListWidget.h"

#include <QApplication>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QUrl>
#include <algorithm>

#include "qt/LineDragData.h"
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
    const int top = verticalScrollBar()->value();
    const int left = horizontalScrollBar()->value();
    clear();
    addItems(QtText::ToQtList(lines));
    if (drops_ == Drops::Lines) {
        for (int line = 0; line < count(); ++line) {
            item(line)->setFlags(item(line)->flags() | Qt::ItemIsDropEnabled);
        }
    }
    // The scroll range follows the new lines only after their layout.
    executeDelayedItemsLayout();
    verticalScrollBar()->setValue(top);
    horizontalScrollBar()->setValue(left);
}

void ArchiveListWidget::SetLineKinds(const std::vector<bool>& isBankHeader) {
    const int lines = std::min(count(), static_cast<int>(isBankHeader.size()));
    for (int line = 0; line < lines; ++line) {
        QFont bold = item(line)->font();
        bold.setBold(isBankHeader[static_cast<std::size_t>(line)]);
        item(line)->setFont(bold);
    }
}

bool ArchiveListWidget::IsBold(int line) const {
    return line >= 0 && line < count() && item(line)->font().bold();
}

void ArchiveListWidget::EnableLineDrags() {
    setDragEnabled(true);
    setDragDropMode(drops_ == Drops::None ? QAbstractItemView::DragOnly : QAbstractItemView::DragDrop);
}

void ArchiveListWidget::AcceptLineDrops() {
    drops_ = Drops::Lines;
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropOverwriteMode(true);  // a drop lands on a line, never between two
    setDragDropMode(dragEnabled() ? QAbstractItemView::DragDrop : QAbstractItemView::DropOnly);
}

void ArchiveListWidget::AcceptFileDrops() {
    drops_ = Drops::Files;
    setAcceptDrops(true);
    setDragDropMode(dragEnabled() ? QAbstractItemView::DragDrop : QAbstractItemView::DropOnly);
}

void ArchiveListWidget::SelectLine(int line) {
    // A held click belongs to a selection the program has just replaced.
    reclickTimer_.stop();
    if (line < 0 || line >= count()) {
        clearSelection();  // the current line stays: the keys go on from there
        return;
    }
    setCurrentRow(line, QItemSelectionModel::ClearAndSelect);
    KeepLineInView(line);
}

// The line becomes the current one too, so that its focus frame is the only
// one and the keys go on from the line worked on.
void ArchiveListWidget::KeepLineInView(int line) {
    if (line >= 0 && line < count()) {
        selectionModel()->setCurrentIndex(model()->index(line, 0), QItemSelectionModel::NoUpdate);
        scrollToItem(item(line), QAbstractItemView::EnsureVisible);
    }
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

// ---- drag and drop -------------------------------------------------------------

namespace kalivo {

// The press that starts a drag selected the line, but no click reports it;
// report it now, so that a drag given up leaves the line chosen as it looks.
void ArchiveListWidget::startDrag(Qt::DropActions supportedActions) {
    const int line = SelectedLine();
    if (line >= 0) {
        emit LineChosen(line);
    }
    QListWidget::startDrag(supportedActions);
}

QMimeData* ArchiveListWidget::mimeData(const QList<QListWidgetItem*>& items) const {
    if (items.isEmpty()) {
        return nullptr;
    }
    return LineDragData::Make(row(items.constFirst())).release();
}

QStringList ArchiveListWidget::mimeTypes() const { return {LineDragData::MimeType()}; }

// Copy only: a move would let the view take the dragged line out of the list.
Qt::DropActions ArchiveListWidget::supportedDropActions() const { return Qt::CopyAction; }

// Only copies are taken: a drag that could only move would have its origin
// delete what was dropped.
bool ArchiveListWidget::Takes(const QDropEvent& event) const {
    const QMimeData* data = event.mimeData();
    if (!event.possibleActions().testFlag(Qt::CopyAction)) {
        return false;
    }
    switch (drops_) {
        case Drops::Lines:
            return LineDragData::LineOf(data).has_value() && itemAt(event.position().toPoint()) != nullptr;
        case Drops::Files: {
            if (data == nullptr || !data->hasUrls()) {
                return false;
            }
            const QList<QUrl> urls = data->urls();
            return std::all_of(urls.cbegin(), urls.cend(), [](const QUrl& url) { return url.isLocalFile(); });
        }
        case Drops::None:
            break;
    }
    return false;
}

void ArchiveListWidget::dragEnterEvent(QDragEnterEvent* event) {
    // A line may enter anywhere; it is taken only where it is dropped on a line.
    const bool lines = drops_ == Drops::Lines && LineDragData::LineOf(event->mimeData()).has_value() &&
                       event->possibleActions().testFlag(Qt::CopyAction);
    if (lines || (drops_ == Drops::Files && Takes(*event))) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void ArchiveListWidget::dragMoveEvent(QDragMoveEvent* event) {
    if (drops_ == Drops::Lines) {
        QListWidget::dragMoveEvent(event);  // marks the line under the pointer and scrolls near the edges
    }
    if (Takes(*event)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void ArchiveListWidget::dropEvent(QDropEvent* event) {
    if (!Takes(*event)) {
        event->ignore();
        EndDrag();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    EndDrag();
    if (drops_ == Drops::Lines) {
        const int target = row(itemAt(event->position().toPoint()));
        emit LineDropped(*LineDragData::LineOf(event->mimeData()), target);
        return;
    }
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        paths.push_back(url.toLocalFile());
    }
    emit FilesDropped(paths);
}

// Takes away the drop mark and stops the scrolling the drag started.
void ArchiveListWidget::EndDrag() {
    QDragLeaveEvent leave;
    QListWidget::dragLeaveEvent(&leave);
}

}  // namespace kalivo
