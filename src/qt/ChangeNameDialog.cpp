#include "qt/ChangeNameDialog.h"

#include <QLineEdit>

#include "qt/QtText.h"
#include "ui/ChangeNameFilter.h"

namespace kalivo {

ChangeNameDialog::ChangeNameDialog(const std::string& current, int maxLength, QWidget* parent)
    : NameEditDialog(QStringLiteral("Change Name"), QtText::ToQt(ChangeNameFilter::TrimTrailingSpaces(current)),
                     maxLength, 164, parent),
      lastLength_(Edit()->text().size()) {
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
    const bool pasted = text.size() > lastLength_ + 1;
    QString kept = text;
    if (pasted) {
        if (ChangeNameFilter::FilterPasted(bytes, caret)) {
            kept = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
        }
    } else if (ChangeNameFilter::FilterTyped(bytes, caret)) {
        // Exactly the character before the old caret was taken out.
        kept.remove(caret, 1);
    }
    if (kept != text) {
        Edit()->setText(kept);
        Edit()->setCursorPosition(caret);
    }
    lastLength_ = kept.size();
}

}  // namespace kalivo
