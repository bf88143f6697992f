#pragma once
// Change Name: a bank or registration name. Trailing blanks are dropped on
// opening, and characters the instruments cannot show are refused as they
// are typed or pasted.
#include <string>

#include "qt/NameEditDialog.h"

namespace kalivo {

class ChangeNameDialog : public NameEditDialog {
    Q_OBJECT

public:
    ChangeNameDialog(const std::string& current, int maxLength, QWidget* parent);
    // The new name, or "" for Cancel.
    static std::string Run(const std::string& current, int maxLength, QWidget* parent);

private:
    void FilterEdit(const QString& text);

    std::string lastText_;  // the text after the last filtering
};

}  // namespace kalivo
