#pragma once
// Archive Selection: one archive out of the names found in a folder.
#include "qt/ListChoiceDialog.h"

namespace kalivo {

class ArchiveSelectionDialog : public ListChoiceDialog {
    Q_OBJECT

public:
    // current: the line to open on (the archive now loaded), -1 for none.
    ArchiveSelectionDialog(const std::vector<std::string>& names, int current, QWidget* parent);
    // The index of the chosen line, or -1 for Cancel.
    static int Run(const std::vector<std::string>& names, int current, QWidget* parent);
};

}  // namespace kalivo
