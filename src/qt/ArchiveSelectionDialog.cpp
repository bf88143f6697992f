#include "qt/ArchiveSelectionDialog.h"

namespace kalivo {

namespace {

ListChoiceDialog::Shape ArchiveListShape() {
    ListChoiceDialog::Shape shape;
    shape.nothingChosen = "Select an archive in the list, then OK";
    return shape;
}

}  // namespace

ArchiveSelectionDialog::ArchiveSelectionDialog(const std::vector<std::string>& names, QWidget* parent)
    : ListChoiceDialog(QStringLiteral("Archive Selection"), names, -1, ArchiveListShape(), parent) {}

int ArchiveSelectionDialog::Run(const std::vector<std::string>& names, QWidget* parent) {
    ArchiveSelectionDialog dialog(names, parent);
    return dialog.ExecForLine();
}

}  // namespace kalivo
