#pragma once
// Edit Bank (Edit Sequence): a bank's sequence of registration numbers and
// what follows its last step. The edit keeps only digits of the bank's used
// registrations (EditBankFilter); OK with more than one end line stays open.
#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "ui/DialogData.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace kalivo {

class EditBankDialog : public QDialog {
    Q_OBJECT

public:
    EditBankDialog(const EditBankRequest& request, QWidget* parent);
    // The new sequence and end on OK, nothing on Cancel.
    static std::optional<EditBankResult> Run(const EditBankRequest& request, QWidget* parent);

    QLineEdit* SequenceEdit() const { return sequence_; }
    QListWidget* EndList() const { return endList_; }
    QPushButton* OkButton() const { return ok_; }
    // What OK gave; nothing before OK.
    const std::optional<EditBankResult>& Result() const { return result_; }

protected:
    void accept() override;

private:
    void FilterSequence();
    std::vector<int> SelectedEndLines() const;

    std::string usedSlots_;
    QLineEdit* sequence_;
    QListWidget* endList_;
    QPushButton* ok_;
    std::optional<EditBankResult> result_;
};

}  // namespace kalivo
