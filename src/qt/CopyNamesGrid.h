#pragma once
// The top of the copy dialogs: the source's and the destination's name in
// read-only edits labelled "Source:" and "Dest:".
#include <string>

class QGridLayout;
class QLineEdit;
class QWidget;

namespace kalivo {

class DialogUnits;

struct CopyNamesGrid {
    QGridLayout* layout;
    QLineEdit* source;
    QLineEdit* destination;

    static CopyNamesGrid Make(const std::string& sourceName, const std::string& destinationName,
                              const DialogUnits& units, QWidget* parent);
};

}  // namespace kalivo
