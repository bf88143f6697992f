#include "qt/ViewRegistrationDialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "qt/BottomButtonsLayout.h"
#include "qt/DialogUnits.h"
#include "qt/DialogWidgets.h"

namespace kalivo {
namespace {

QLineEdit* ValueEdit(const std::string& text, const DialogUnits& units, QWidget* parent) {
    return DialogWidgets::ReadOnlyText(text, units, 90, 12, parent);
}

}  // namespace

ViewRegistrationDialog::ViewRegistrationDialog(const RegistrationView& view, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("View Registration"));
    const DialogUnits units(font());

    auto* fields = new QFormLayout;
    fields->setVerticalSpacing(units.Y(3));
    title_ = ValueEdit(view.title, units, this);
    style_ = ValueEdit(view.style, units, this);
    tempo_ = ValueEdit(view.tempo, units, this);
    fields->addRow(QStringLiteral("Title:"), title_);
    fields->addRow(QStringLiteral("Style:"), style_);
    fields->addRow(QStringLiteral("Tempo:"), tempo_);

    auto* group = new QGroupBox(QStringLiteral("Voices"), this);
    auto* voiceFields = new QFormLayout(group);
    voiceFields->setVerticalSpacing(units.Y(3));
    const char* const labels[] = {"L/Left:", "R1/Layer:", "R2/Main:", "R3/Lead:"};
    for (std::size_t i = 0; i < voices_.size(); ++i) {
        voices_[i] = ValueEdit(view.voices[i], units, group);
        voiceFields->addRow(QString::fromLatin1(labels[i]), voices_[i]);
    }
    auto* groupRow = new QVBoxLayout;
    groupRow->addWidget(group);

    auto* ok = DialogWidgets::Button(QStringLiteral("OK"), units, 50, 14, this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    BottomButtonsLayout::Apply(*this, units, {fields, groupRow}, ok, nullptr);
}

void ViewRegistrationDialog::Run(const RegistrationView& view, QWidget* parent) {
    ViewRegistrationDialog dialog(view, parent);
    dialog.exec();
}

}  // namespace kalivo
