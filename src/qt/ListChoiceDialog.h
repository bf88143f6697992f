#pragma once
// A list of lines given by the caller and OK (with or without Cancel): the
// common body of the Archive Selection, Select Registration Banks and Select
// Keyboard Model dialogs. A line index is an index into the caller's list.
#include <QAbstractItemView>
#include <QDialog>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace kalivo {

class ListChoiceDialog : public QDialog {
    Q_OBJECT

public:
    struct Shape {
        QAbstractItemView::SelectionMode selection = QAbstractItemView::SingleSelection;
        bool okNeedsSelection = true;  // OK without a selected line leaves the dialog open
        bool withCancel = true;
        bool buttonsBeside = false;    // OK beside the list instead of below it
        int width = 137;               // dialog units
        int height = 285;
        int listWidth = 123;
        int listHeight = 247;
    };

    QListWidget* List() const { return list_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    // Selected line indices in ascending order.
    std::vector<int> SelectedRows() const;
    // Runs the dialog: the first selected line, or -1 when it was not ended with OK.
    int ExecForLine();

protected:
    ListChoiceDialog(const QString& caption, const std::vector<std::string>& lines, const Shape& shape,
                     QWidget* parent);

    void accept() override;

private:
    QListWidget* list_;
    QPushButton* ok_;
    QPushButton* cancel_ = nullptr;
    bool okNeedsSelection_;
};

}  // namespace kalivo
