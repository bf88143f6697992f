#include "qt/Cvp2ViewRegistrationDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qt/BottomButtonsLayout.h"
#include "qt/DialogUnits.h"
#include "qt/DialogWidgets.h"

namespace kalivo {

namespace {

// A line of the dialog: its label, the setting whose "+"/"-" it shows and
// the caption/value pair beside it (-1: none).
struct Row {
    const char* label;
    int setting;
    int pair;
};

// Voice takes three lines (Main, Layer, Left) under one label.
constexpr std::array<Row, kGpBlockSettings> kRows{{
    {"Style:", 0, 0},
    {"Voice:", 1, 1},
    {"", 2, 2},
    {"", 3, 3},
    {"Multi Pad:", 9, 4},
    {"Tempo:", 7, 5},
    {"Tune Trans:", 4, -1},
    {"Scale:", 5, -1},
    {"Harmony:", 6, -1},
    {"Pedal:", 8, -1},
    {"Song/Mic:", 10, -1},
}};

}  // namespace

Cvp2ViewRegistrationDialog::Cvp2ViewRegistrationDialog(const Cvp2RegistrationView& view, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("View Registration"));
    const DialogUnits units(font());
    name_ = DialogWidgets::ReadOnlyText(view.name, units, 90, 12, this);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(units.X(5));
    grid->setVerticalSpacing(units.Y(2));
    grid->addWidget(new QLabel(QStringLiteral("Registration:"), this), 0, 0);
    grid->addWidget(name_, 0, 1, 1, 3);
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const Row& row = kRows[i];
        const int line = static_cast<int>(i) + 1;
        const std::string& text = view.settings[static_cast<std::size_t>(row.setting)];
        QLineEdit* setting = DialogWidgets::ReadOnlyText(text, units, 10, 12, this);
        setting->setFixedWidth(setting->minimumWidth());
        settings_[static_cast<std::size_t>(row.setting)] = setting;
        grid->addWidget(new QLabel(QString::fromLatin1(row.label), this), line, 0);
        grid->addWidget(setting, line, 1);
        if (row.pair < 0) {
            continue;
        }
        const auto pair = static_cast<std::size_t>(row.pair);
        captions_[pair] = DialogWidgets::ReadOnlyText(view.captions[pair], units, 40, 12, this);
        values_[pair] = DialogWidgets::ReadOnlyText(view.values[pair], units, 90, 12, this);
        grid->addWidget(captions_[pair], line, 2);
        grid->addWidget(values_[pair], line, 3);
    }
    grid->setColumnStretch(3, 1);

    auto* ok = DialogWidgets::Button(QStringLiteral("OK"), units, 50, 14, this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    BottomButtonsLayout::Apply(*this, units, {grid}, ok, nullptr);
}

void Cvp2ViewRegistrationDialog::Run(const Cvp2RegistrationView& view, QWidget* parent) {
    Cvp2ViewRegistrationDialog dialog(view, parent);
    dialog.exec();
}

}  // namespace kalivo
