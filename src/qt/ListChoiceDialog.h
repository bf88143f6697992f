#pragma once
// A list of lines given by the caller and OK (with or without Cancel): the
// common body of the Archive Selection, Select Registration Banks and Select
// Keyboard Model dialogs. A line index is an index into the caller's list.
//
// It opens with the current line (or the only one) selected; a double-click
// or Enter on a line takes it at once; OK with nothing selected stays open
// and says why below the list.
#include <QAbstractItemView>
#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace kalivo {

class ListChoiceDialog : public QDialog {
    Q_OBJECT

public:
    struct Shape {
        QAbstractItemView::SelectionMode selection = QAbstractItemView::SingleSelection;
        bool withCancel = true;
        bool buttonsBeside = false;    // OK beside the list instead of below it
        int width = 137;               // dialog units
        int height = 285;
        int listWidth = 123;
        int listHeight = 247;
        const char* nothingChosen = "Select a line, then OK";  // shown on OK without a selection
    };

    QListWidget* List() const { return list_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    // The line that says why OK did not end the dialog (hidden until then).
    QLabel* Hint() const { return hint_; }
    // Selected line indices in ascending order.
    std::vector<int> SelectedRows() const;
    // Runs the dialog: the first selected line, or -1 when it was not ended with OK.
    int ExecForLine();

protected:
    // current: the line to open on, -1 for none.
    ListChoiceDialog(const QString& caption, const std::vector<std::string>& lines, int current, const Shape& shape,
                     QWidget* parent);

    void accept() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SelectAtOpening(int current);
    void TakeLine(int row);

    QListWidget* list_;
    QLabel* hint_;
    QPushButton* ok_;
    QPushButton* cancel_ = nullptr;
};

}  // namespace kalivo
