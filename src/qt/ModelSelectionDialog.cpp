#include "qt/ModelSelectionDialog.h"

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
    return shape;
}

}  // namespace

ModelSelectionDialog::ModelSelectionDialog(const std::vector<std::string>& names, QWidget* parent)
    : ListChoiceDialog(QStringLiteral("Select Keyboard Model"), names, ModelListShape(), parent) {}

int ModelSelectionDialog::Run(const std::vector<std::string>& names, QWidget* parent) {
    ModelSelectionDialog dialog(names, parent);
    return dialog.ExecForLine();
}

}  // namespace kalivo
