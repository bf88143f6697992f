#include "qt/ModelSelectionDialog.h"

#include "ui/DialogData.h"

namespace kalivo {

namespace {

ListChoiceDialog::Shape ModelListShape() {
    ListChoiceDialog::Shape shape;
    shape.withCancel = false;
    shape.buttonsBeside = true;
    shape.width = 140;
    shape.height = 73;
    shape.listWidth = 70;
    shape.listHeight = 59;
    shape.nothingChosen = kChooseModelFirst;
    return shape;
}

}  // namespace

ModelSelectionDialog::ModelSelectionDialog(const std::vector<std::string>& names, int current, QWidget* parent)
    : ListChoiceDialog(QStringLiteral("Select Keyboard Model"), names, current, ModelListShape(), parent) {}

int ModelSelectionDialog::Run(const std::vector<std::string>& names, int current, QWidget* parent) {
    ModelSelectionDialog dialog(names, current, parent);
    return dialog.ExecForLine();
}

}  // namespace kalivo
