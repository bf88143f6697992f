#include "qt/BottomButtonsLayout.h"

#include <QBoxLayout>

#include "qt/DialogUnits.h"
#include "qt/DialogWidgets.h"

namespace kalivo {

void BottomButtonsLayout::Apply(QWidget& dialog, const DialogUnits& units, std::initializer_list<QLayout*> fields,
                                QPushButton* ok, QPushButton* cancel) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    DialogWidgets::AddOkCancel(*buttons, ok, cancel);
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(units.Margins(7, 7, 7, 7));
    layout->setSpacing(units.Y(6));
    for (QLayout* part : fields) {
        layout->addLayout(part);
    }
    layout->addStretch();
    layout->addLayout(buttons);
}

}  // namespace kalivo
