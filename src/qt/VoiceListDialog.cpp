#include "qt/VoiceListDialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "qt/DialogUnits.h"
#include "qt/DialogWidgets.h"
#include "qt/QtText.h"

namespace kalivo {

VoiceListDialog::VoiceListDialog(const VoiceListView& view, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Voice List"));
    const DialogUnits units(font());
    browse_ = DialogWidgets::Button(QStringLiteral("&Browse..."), units, 50, 14, this);
    clear_ = DialogWidgets::Button(QStringLiteral("C&lear"), units, 50, 14, this);
    auto* close = DialogWidgets::Button(QStringLiteral("Close"), units, 50, 14, this);
    clear_->setEnabled(view.canClear);
    close->setDefault(true);
    connect(browse_, &QPushButton::clicked, this, [this] { Finish(VoiceListAction::Browse); });
    connect(clear_, &QPushButton::clicked, this, [this] { Finish(VoiceListAction::Clear); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* text = new QLabel(QtText::ToQt("Voice names for the " + view.model + " come from:\n" + view.source +
                                         (view.named.empty() ? "" : "\n" + view.named)),
                            this);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(browse_);
    buttons->addWidget(clear_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(units.Margins(7, 7, 7, 7));
    layout->setSpacing(units.Y(7));
    layout->addWidget(text);
    layout->addLayout(buttons);
    setMinimumWidth(units.X(240));
}

void VoiceListDialog::Finish(VoiceListAction action) {
    action_ = action;
    accept();
}

VoiceListAction VoiceListDialog::Run(const VoiceListView& view, QWidget* parent) {
    VoiceListDialog dialog(view, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.Action() : VoiceListAction::Close;
}

}  // namespace kalivo
