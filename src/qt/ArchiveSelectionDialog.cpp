#include "qt/ArchiveSelectionDialog.h"

namespace kalivo {

ArchiveSelectionDialog::ArchiveSelectionDialog(const std::vector<std::string>& names, QWidget* parent)
    : ListChoiceDialog(QStringLiteral("Archive Selection"), names, Shape{}, parent) {}

int ArchiveSelectionDialog::Run(const std::vector<std::string>& names, QWidget* parent) {
    ArchiveSelectionDialog dialog(names, parent);
    return dialog.ExecForLine();
}

}  // namespace kalivo
