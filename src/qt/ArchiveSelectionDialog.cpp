#include "qt/ArchiveSelectionDialog.h"

#include "ui/DialogData.h"

namespace kalivo {

namespace {

ListChoiceDialog::Shape ArchiveListShape() {
    ListChoiceDialog::Shape shape;
    shape.nothingChosen = kChooseArchiveFirst;
    return shape;
}

}  // namespace

ArchiveSelectionDialog::ArchiveSelectionDialog(const std::vector<std::string>& names, int current, QWidget* parent)
    : ListChoiceDialog(QStringLiteral("Archive Selection"), names, current, ArchiveListShape(), parent) {}

int ArchiveSelectionDialog::Run(const std::vector<std::string>& names, int current, QWidget* parent) {
    ArchiveSelectionDialog dialog(names, current, parent);
    return dialog.ExecForLine();
}

}  // namespace kalivo
