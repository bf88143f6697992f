#include "qt/ChangeArchiveNameDialog.h"

#include <QLabel>
#include <QLineEdit>

#include "common/disk/DiskName.h"
#include "common/text/Cp1252.h"
#include "qt/QtText.h"
#include "ui/ChangeNameFilter.h"

namespace kalivo {

ChangeArchiveNameDialog::ChangeArchiveNameDialog(const ArchiveNameRequest& request, QWidget* parent)
    : NameEditDialog(QStringLiteral("Change Archive Name"), QtText::ToQt(request.current), request.maxLength, 63,
                     parent),
      diskNameLength_(request.diskNameLength),
      lastText_(Edit()->text().toLatin1().toStdString()) {
    if (diskNameLength_ <= 0) {
        return;
    }
    AddNote(new QLabel(QStringLiteral("Letters, digits, space and ! # $ % & ' ( ) - @ ^ _ ` { } ~"), this));
    storedAs_ = new QLabel(this);
    AddNote(storedAs_);
    ShowStoredName();
    connect(Edit(), &QLineEdit::textEdited, this, &ChangeArchiveNameDialog::FilterEdit);
}

std::string ChangeArchiveNameDialog::Run(const ArchiveNameRequest& request, QWidget* parent) {
    ChangeArchiveNameDialog dialog(request, parent);
    return dialog.ExecForText();
}

void ChangeArchiveNameDialog::FilterEdit(const QString& text) {
    // One byte per character, as in Change Name; Latin-1 and the instrument's
    // Windows-1252 agree on the accented letters.
    std::string bytes = text.toLatin1().toStdString();
    int caret = Edit()->cursorPosition();
    if (ChangeNameFilter::FilterEdit(lastText_, bytes, caret, DiskName::Accepts)) {
        Edit()->setText(QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())));
        Edit()->setCursorPosition(caret);
    }
    lastText_ = Edit()->text().toLatin1().toStdString();
    ShowStoredName();
}

void ChangeArchiveNameDialog::ShowStoredName() {
    const std::string stored =
        DiskName::Stored(Cp1252::FromUtf8(QtText::ToStd(Edit()->text())), static_cast<std::size_t>(diskNameLength_));
    storedAs_->setText(QStringLiteral("Stored as: ") + QtText::ToQt(Cp1252::ToUtf8(stored)));
}

}  // namespace kalivo
