#include "qt/CopyRegistrationSettingsDialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qt/CopyNamesGrid.h"
#include "qt/DialogUnits.h"
#include "qt/DialogWidgets.h"
#include "qt/QtText.h"

namespace kalivo {
namespace {

// The groups in the order of the copy flags.
constexpr std::array<const char*, CopySettingsChoice::kChoices> kGroupNames{
    "Style", "Style-Path", "Right1", "Right2", "Right3", "Left", "Multipad", "Tempo",
    "Tune Trans", "Scale", "Harmony", "Pedal", "Song", "Mic Setting", "Line Out",
};

}  // namespace

CopyRegistrationSettingsDialog::CopyRegistrationSettingsDialog(const CopySettingsRequest& request, QWidget* parent)
    : QDialog(parent), choice_(request) {
    setWindowTitle(QStringLiteral("Copy Registration Settings"));
    const DialogUnits units(font());
    const CopyNamesGrid top = CopyNamesGrid::Make(request.sourceName, request.destinationName, units, this);
    source_ = top.source;
    destination_ = top.destination;
    QGridLayout* names = top.layout;

    auto* groups = new QGridLayout;
    groups->setHorizontalSpacing(units.X(5));
    groups->setVerticalSpacing(units.Y(2));
    for (int choice = 0; choice < CopySettingsChoice::kChoices; ++choice) {
        const QString group = QString::fromLatin1(kGroupNames[static_cast<std::size_t>(choice)]);
        QLineEdit* presence = DialogWidgets::ReadOnlyEdit(units, 10, 12, this);
        presence->setFixedWidth(presence->minimumWidth());
        presence->setText(QtText::ToQt(choice_.PresenceText(choice)));
        auto* box = new QCheckBox(QStringLiteral("Copy %1?").arg(group), this);
        // A hidden box keeps its room, so the lines stay where they are.
        QSizePolicy policy = box->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        box->setSizePolicy(policy);
        box->setVisible(choice_.IsVisible(choice));
        // clicked comes from the person only, never from ShowChoice.
        connect(box, &QCheckBox::clicked, this, [this, choice](bool checked) {
            choice_.Click(choice, checked);
            ShowChoice();
        });
        groups->addWidget(new QLabel(group, this), choice, 0);
        groups->addWidget(presence, choice, 1);
        groups->addWidget(box, choice, 2);
        presence_[static_cast<std::size_t>(choice)] = presence;
        boxes_[static_cast<std::size_t>(choice)] = box;
    }
    groups->setColumnStretch(2, 1);

    const auto okCancel = DialogWidgets::OkCancelButtons(*this, units);
    ok_ = okCancel.ok;
    auto* cancel = okCancel.cancel;
    auto* buttons = new QVBoxLayout;
    DialogWidgets::AddOkCancel(*buttons, ok_, cancel);
    buttons->addStretch();

    auto* content = new QVBoxLayout;
    content->setSpacing(units.Y(7));
    content->addLayout(names);
    content->addLayout(groups);
    content->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(units.Margins(7, 7, 7, 7));
    layout->setSpacing(units.X(10));
    layout->addLayout(content, 1);
    layout->addLayout(buttons);
}

std::optional<std::vector<bool>> CopyRegistrationSettingsDialog::Run(const CopySettingsRequest& request,
                                                                     QWidget* parent) {
    CopyRegistrationSettingsDialog dialog(request, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Flags();
}

std::vector<bool> CopyRegistrationSettingsDialog::Flags() const {
    // The handler says "nothing chosen" for a set without any flag, so the
    // person hears it once.
    return choice_.Accept().value_or(std::vector<bool>(CopySettingsChoice::kChoices, false));
}

void CopyRegistrationSettingsDialog::ShowChoice() {
    for (int choice = 0; choice < CopySettingsChoice::kChoices; ++choice) {
        boxes_[static_cast<std::size_t>(choice)]->setChecked(choice_.IsChecked(choice));
    }
}

}  // namespace kalivo
