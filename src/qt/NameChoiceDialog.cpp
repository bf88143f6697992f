#include "qt/NameChoiceDialog.h"

namespace kalivo {

NameChoiceDialog::NameChoiceDialog(const QString& caption, const std::vector<std::string>& names, QWidget* parent)
    : ListChoiceDialog(caption, names, names.size() == 1 ? 0 : -1, Shape{}, parent) {}

int NameChoiceDialog::Run(const QString& caption, const std::vector<std::string>& names, QWidget* parent) {
    NameChoiceDialog dialog(caption, names, parent);
    return dialog.ExecForLine();
}

}  // namespace kalivo
