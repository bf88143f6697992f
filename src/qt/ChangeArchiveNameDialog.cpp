#include "qt/ChangeArchiveNameDialog.h"

#include "qt/QtText.h"

namespace kalivo {

ChangeArchiveNameDialog::ChangeArchiveNameDialog(const std::string& current, QWidget* parent)
    : NameEditDialog(QStringLiteral("Change Archive Name"), QtText::ToQt(current), kMaxLength, 63, parent) {}

std::string ChangeArchiveNameDialog::Run(const std::string& current, QWidget* parent) {
    ChangeArchiveNameDialog dialog(current, parent);
    return dialog.ExecForText();
}

}  // namespace kalivo
