#include "qt/FlashStylesDialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "qt/DialogUnits.h"
#include "qt/DialogWidgets.h"

namespace kalivo {

FlashStylesDialog::FlashStylesDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Flash Styles"));
    const DialogUnits units(font());
    auto* yes = DialogWidgets::Button(QStringLiteral("Yes"), units, 50, 14, this);
    auto* no = DialogWidgets::Button(QStringLiteral("No"), units, 50, 14, this);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    DialogWidgets::AddOkCancel(*buttons, yes, no);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(units.Margins(7, 7, 7, 7));
    layout->setSpacing(units.Y(7));
    layout->addWidget(new QLabel(QStringLiteral("Use Flash Style Names from Style archive?"), this));
    layout->addLayout(buttons);
}

bool FlashStylesDialog::Run(QWidget* parent) {
    FlashStylesDialog dialog(parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace kalivo
