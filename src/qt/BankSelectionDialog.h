#pragma once
// Select Registration Banks: any number of banks, reported in list order.
#include <optional>

#include "qt/ListChoiceDialog.h"

namespace kalivo {

class BankSelectionDialog : public ListChoiceDialog {
    Q_OBJECT

public:
    BankSelectionDialog(const std::vector<std::string>& names, QWidget* parent);
    // Ascending indices of the selected lines (OK needs one at least), or
    // nothing for Cancel.
    static std::optional<std::vector<int>> Run(const std::vector<std::string>& names, QWidget* parent);
};

}  // namespace kalivo
