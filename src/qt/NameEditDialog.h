#pragma once
// One edit with OK and Cancel: the common body of Change Archive Name and
// Change Name. The edit takes at most the given number of characters; a
// longer initial name (read from a file) can be kept unchanged with OK.
#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace kalivo {

class NameEditDialog : public QDialog {
    Q_OBJECT

public:
    QLineEdit* Edit() const { return edit_; }
    QPushButton* OkButton() const { return ok_; }
    // Runs the dialog: the text on OK, "" on Cancel.
    std::string ExecForText();

protected:
    NameEditDialog(const QString& caption, const QString& text, int maxLength, int editWidth, QWidget* parent);

    void accept() override;
    // A line under the edit (what the name may hold, how it will be stored).
    void AddNote(QWidget* note);

private:
    QLineEdit* edit_;
    QPushButton* ok_;
    QVBoxLayout* editColumn_;
    QString initial_;
    int maxLength_;
};

}  // namespace kalivo
