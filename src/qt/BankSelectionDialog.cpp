#include "qt/BankSelectionDialog.h"

#include "ui/BankSelection.h"
#include "ui/DialogData.h"

namespace kalivo {

namespace {

ListChoiceDialog::Shape BankListShape() {
    ListChoiceDialog::Shape shape;
    shape.selection = QAbstractItemView::ExtendedSelection;
    shape.nothingChosen = kChooseBanksFirst;
    return shape;
}

}  // namespace

BankSelectionDialog::BankSelectionDialog(const std::vector<std::string>& names, QWidget* parent)
    : ListChoiceDialog(QStringLiteral("Select Registration Banks"), names, -1, BankListShape(), parent) {}

std::optional<std::vector<int>> BankSelectionDialog::Run(const std::vector<std::string>& names, QWidget* parent) {
    BankSelectionDialog dialog(names, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return NormalizeBankSelection(dialog.SelectedRows());
}

}  // namespace kalivo
