#pragma once
// The arrangement of the small view and edit dialogs: their fields from top
// to bottom, then OK (and Cancel) at the bottom right.
#include <initializer_list>

class QLayout;
class QPushButton;
class QWidget;

namespace kalivo {

class DialogUnits;

class BottomButtonsLayout {
public:
    // Sets the layout of dialog; cancel may be nullptr.
    static void Apply(QWidget& dialog, const DialogUnits& units, std::initializer_list<QLayout*> fields,
                      QPushButton* ok, QPushButton* cancel);
};

}  // namespace kalivo
