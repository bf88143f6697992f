#include "qt/IconLineWidget.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "qt/DialogUnits.h"
#include "qt/DialogWidgets.h"
#include "qt/IconPictureWidget.h"
#include "qt/QtText.h"

namespace kalivo {

IconLineWidget::IconLineWidget(const Icon& icon, UserInterface& ui, const DialogUnits& units, QWidget* parent)
    : QWidget(parent),
      code_(DialogWidgets::ReadOnlyEdit(units, 24, 12, this)),
      file_(DialogWidgets::ReadOnlyEdit(units, 60, 12, this)),
      picture_(new IconPictureWidget(this)) {
    // The code is four characters at most; the file name takes the width.
    code_->setFixedWidth(std::max(units.X(24), code_->fontMetrics().horizontalAdvance(QStringLiteral("S0000")) + 10));
    code_->setText(icon.codeText);
    file_->setText(QtText::ToQt(icon.fileTitle));
    picture_->Load(icon.bitmap, ui);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (!icon.prefix.isEmpty()) {
        layout->addWidget(new QLabel(icon.prefix, this));
    }
    layout->addWidget(code_);
    layout->addWidget(file_, 1);
    layout->addWidget(picture_);
}

}  // namespace kalivo
