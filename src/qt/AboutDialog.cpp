#include "qt/AboutDialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "qt/DialogUnits.h"
#include "qt/DialogWidgets.h"
#include "qt/ProgramIcon.h"

namespace kalivo {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Info about KALIVO"));
    const DialogUnits units(font());
    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon::Pixmap(32));
    auto* text = new QLabel(QStringLiteral("      KALIVO  Version 1.24 "), this);
    text->setTextFormat(Qt::PlainText);
    auto* ok = DialogWidgets::Button(QStringLiteral("OK"), units, 50, 14, this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QVBoxLayout;
    DialogWidgets::AddOkCancel(*buttons, ok, nullptr);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(units.Margins(11, 11, 7, 11));
    layout->setSpacing(units.X(10));
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addWidget(text, 1, Qt::AlignTop);
    layout->addLayout(buttons);
    setMinimumSize(units.Size(192, 50));
}

void AboutDialog::Run(QWidget* parent) {
    AboutDialog dialog(parent);
    dialog.exec();
}

}  // namespace kalivo
