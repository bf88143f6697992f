#include "qt/OptionsDialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qt/DialogUnits.h"
#include "qt/DialogWidgets.h"
#include "qt/QtText.h"

namespace kalivo {

OptionsDialog::OptionsDialog(const std::string& modelName, const StyleArchiveOptions& options, UserInterface& ui,
                             QWidget* parent)
    : QDialog(parent),
      choice_(options),
      ui_(ui),
      ask_(new QCheckBox(QStringLiteral("Ask for custom-style-archive"), this)),
      implicitSearch_(new QCheckBox(QStringLiteral("Implicite search for custom-style-archive"), this)),
      useDefault_(new QCheckBox(QStringLiteral("Default custom-style-archive"), this)) {
    setWindowTitle(QStringLiteral("Options"));
    const DialogUnits units(font());
    auto* model = DialogWidgets::ReadOnlyEdit(units, 60, 12, this);
    model->setText(QtText::ToQt(modelName));
    folder_ = DialogWidgets::ReadOnlyEdit(units, 150, 12, this);

    // clicked is sent for the person's clicks only, never for the mirroring below.
    connect(ask_, &QCheckBox::clicked, this, [this](bool checked) {
        choice_.SetAsk(checked);
        ShowChoice();
    });
    connect(implicitSearch_, &QCheckBox::clicked, this, [this](bool checked) {
        choice_.SetImplicitSearch(checked);
        ShowChoice();
    });
    connect(useDefault_, &QCheckBox::clicked, this, [this](bool checked) {
        choice_.SetUseDefault(
            checked, [this](const std::string& title) { return ui_.ChooseFolder(title); },
            [this](const std::string& text) { ui_.ShowMessage(text); });
        ShowChoice();
    });

    const auto okCancel = DialogWidgets::OkCancelButtons(*this, units);
    auto* ok = okCancel.ok;
    auto* cancel = okCancel.cancel;

    auto* modelRow = new QHBoxLayout;
    modelRow->addWidget(new QLabel(QStringLiteral("Model"), this));
    modelRow->addWidget(model);
    modelRow->addStretch();
    auto* content = new QVBoxLayout;
    content->addLayout(modelRow);
    content->addWidget(ask_);
    content->addWidget(implicitSearch_);
    content->addWidget(useDefault_);
    content->addWidget(folder_);
    auto* buttons = new QVBoxLayout;
    DialogWidgets::AddOkCancel(*buttons, ok, cancel);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(units.Margins(7, 7, 7, 7));
    layout->setSpacing(units.X(7));
    layout->addLayout(content, 1);
    layout->addLayout(buttons);
    ShowChoice();
}

void OptionsDialog::ShowChoice() {
    const StyleArchiveOptions& options = choice_.Options();
    ask_->setChecked(options.askForStyleArchive);
    implicitSearch_->setChecked(options.implicitSearch);
    useDefault_->setChecked(options.useDefaultArchive);
    folder_->setText(QtText::ToQt(choice_.ShownFolder()));
}

bool OptionsDialog::Run(const std::string& modelName, StyleArchiveOptions& options, UserInterface& ui,
                        QWidget* parent) {
    OptionsDialog dialog(modelName, options, ui, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    options = dialog.Options();
    return true;
}

}  // namespace kalivo
