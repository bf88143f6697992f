#pragma once
// One of the two archive lists of the main window. It reports what the person
// does (a click on a line, a line reached with the keys, a double-click) and
// never what the program does to it (SetLines, SelectLine).
//
// With holdReclicks, a click on the line that is already selected is reported
// only after the double-click interval has passed without a second click:
// such a click starts Rename in the right-hand list, and the first click of a
// double-click on the selected line must not.
//
// Drags: the source list lets a line be dragged out and takes bank files from
// the file manager; the destination list takes a source line dropped on one
// of its lines. Either reports the drop and changes nothing itself.
#include <QListWidget>
#include <QStringList>
#include <QTimer>
#include <string>
#include <vector>

namespace kalivo {

class ArchiveListWidget : public QListWidget {
    Q_OBJECT

public:
    explicit ArchiveListWidget(bool holdReclicks, QWidget* parent = nullptr);

    // Replaces the lines and keeps the scroll offset: lines that stay stay
    // where they were under the mouse.
    void SetLines(const std::vector<std::string>& lines);
    // Bank header lines are drawn in bold.
    void SetLineKinds(const std::vector<bool>& isBankHeader);
    bool IsBold(int line) const;
    void EnableLineDrags();
    void AcceptLineDrops();
    void AcceptFileDrops();
    // Selects a line (scrolling only when it is out of view); -1 clears the
    // selection and keeps the scroll position and the current line.
    void SelectLine(int line);
    // Makes the line the current one (not selected), scrolling only as far as
    // needed to show it.
    void KeepLineInView(int line);

signals:
    void LineChosen(int line);
    void LineDoubleClicked(int line);
    void LineDropped(int sourceLine, int line);
    void FilesDropped(const QStringList& paths);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void startDrag(Qt::DropActions supportedActions) override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    QStringList mimeTypes() const override;
    Qt::DropActions supportedDropActions() const override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int SelectedLine() const;
    void OnClicked(const QModelIndex& index);
    void OnDoubleClicked(const QModelIndex& index);
    void ReportHeldClick();
    bool Takes(const QDropEvent& event) const;
    void EndDrag();

    enum class Drops { None, Lines, Files };

    bool holdReclicks_;
    bool pressOnSelected_ = false;
    bool swallowClick_ = false;
    int heldLine_ = -1;
    Drops drops_ = Drops::None;
    QTimer reclickTimer_;
};

}  // namespace kalivo
