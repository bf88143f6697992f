#pragma once
// One name out of several, under a caption the caller gives (such as the
// instrument of a definition file that holds many).
#include "qt/ListChoiceDialog.h"

namespace kalivo {

class NameChoiceDialog : public ListChoiceDialog {
    Q_OBJECT

public:
    NameChoiceDialog(const QString& caption, const std::vector<std::string>& names, QWidget* parent);
    // The index of the chosen name, or -1.
    static int Run(const QString& caption, const std::vector<std::string>& names, QWidget* parent);
};

}  // namespace kalivo
