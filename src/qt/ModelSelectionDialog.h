#pragma once
// Select Keyboard Model: the list of models and OK only, opened on the current
// model. Closing it with the close box or Escape chooses nothing.
#include "qt/ListChoiceDialog.h"

namespace kalivo {

class ModelSelectionDialog : public ListChoiceDialog {
    Q_OBJECT

public:
    ModelSelectionDialog(const std::vector<std::string>& names, int current, QWidget* parent);
    // The index of the chosen line, or -1 when the dialog was closed without a choice.
    static int Run(const std::vector<std::string>& names, int current, QWidget* parent);
};

}  // namespace kalivo
