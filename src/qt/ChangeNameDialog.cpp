#include "qt/ChangeNameDialog.h"

#include <QLineEdit>

#include "qt/QtText.h"
#include "ui/ChangeNameFilter.h"

namespace kalivo {

ChangeNameDialog::ChangeNameDialog(const std::string& current, int maxLength, QWidget* parent)
    : NameEditDialog(QStringLiteral("Change Name"), QtText::ToQt(ChangeNameFilter::TrimTrailingSpaces(current)),
                     maxLength, 164, parent),
      lastText_(Edit()->text().toLatin1().toStdString()) {
    connect(Edit(), &QLineEdit::textEdited, this, &ChangeNameDialog::FilterEdit);
}

std::string ChangeNameDialog::Run(const std::string& current, int maxLength, QWidget* parent) {
    ChangeNameDialog dialog(current, maxLength, parent);
    return dialog.ExecForText();
}

void ChangeNameDialog::FilterEdit(const QString& text) {
    // The filter works on one byte per character: toLatin1 keeps the positions
    // (anything beyond Latin-1 becomes '?', which is refused like the original).
    std::string bytes = text.toLatin1().toStdString();
    int caret = Edit()->cursorPosition();
    if (ChangeNameFilter::FilterEdit(lastText_, bytes, caret)) {
        Edit()->setText(QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())));
        Edit()->setCursorPosition(caret);
    }
    lastText_ = Edit()->text().toLatin1().toStdString();
}

}  // namespace kalivo
