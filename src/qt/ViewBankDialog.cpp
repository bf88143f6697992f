#include "qt/ViewBankDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qt/BottomButtonsLayout.h"
#include "qt/DialogUnits.h"
#include "qt/DialogWidgets.h"
#include "qt/IconLineWidget.h"
#include "qt/QtText.h"
#include "ui/bank/ViewBankText.h"

namespace kalivo {

ViewBankDialog::ViewBankDialog(const ViewBankRequest& request, UserInterface& ui, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("View Bank"));
    const DialogUnits units(font());
    const ViewBankText text(request);
    sequence_ = DialogWidgets::ReadOnlyEdit(units, 143, 12, this);
    sequence_->setText(QtText::ToQt(text.Sequence()));
    end_ = DialogWidgets::ReadOnlyEdit(units, 50, 12, this);
    end_->setText(QtText::ToQt(text.EndText()));
    icon_ = new IconLineWidget({QStringLiteral("S"), QtText::ToQt(text.IconCode()), text.IconBitmap(),
                                text.IconFileTitle()},
                               ui, units, this);
    auto* ok = DialogWidgets::Button(QStringLiteral("OK"), units, 50, 14, this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(units.X(7));
    fields->addWidget(new QLabel(QStringLiteral("Sequence"), this), 0, 0);
    fields->addWidget(sequence_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Sequence End"), this), 1, 0);
    fields->addWidget(end_, 1, 1, Qt::AlignLeft);
    fields->addWidget(new QLabel(QStringLiteral("Icon"), this), 2, 0);
    fields->addWidget(icon_, 2, 1);
    fields->setColumnStretch(1, 1);
    BottomButtonsLayout::Apply(*this, units, {fields}, ok, nullptr);
    resize(units.Size(213, 106).expandedTo(sizeHint()));
}

void ViewBankDialog::Run(const ViewBankRequest& request, UserInterface& ui, QWidget* parent) {
    ViewBankDialog dialog(request, ui, parent);
    dialog.exec();
}

}  // namespace kalivo
