#pragma once
// One of the two archive lists of the main window. It reports what the person
// does (a click on a line, a line reached with the keys, a double-click) and
// never what the program does to it (SetLines, SelectLine).
//
// With holdReclicks, a click on the line that is already selected is reported
// only after the double-click interval has passed without a second click:
// such a click starts Rename in the right-hand list, and the first click of a
// double-click on the selected line must not.
#include <QListWidget>
#include <QTimer>
#include <string>
#include <vector>

namespace kalivo {

class ArchiveListWidget : public QListWidget {
    Q_OBJECT

public:
    explicit ArchiveListWidget(bool holdReclicks, QWidget* parent = nullptr);

    void SetLines(const std::vector<std::string>& lines);
    // Selects a line and scrolls to it; -1 clears the selection and keeps the scroll position.
    void SelectLine(int line);

signals:
    void LineChosen(int line);
    void LineDoubleClicked(int line);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    int SelectedLine() const;
    void OnClicked(const QModelIndex& index);
    void OnDoubleClicked(const QModelIndex& index);
    void ReportHeldClick();

    bool holdReclicks_;
    bool pressOnSelected_ = false;
    bool swallowClick_ = false;
    int heldLine_ = -1;
    QTimer reclickTimer_;
};

}  // namespace kalivo
