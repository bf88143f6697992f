#include "qt/DialogWidgets.h"

#include <QBoxLayout>
#include <QDialog>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <algorithm>

#include "qt/DialogUnits.h"
#include "qt/QtText.h"

namespace kalivo {

QPushButton* DialogWidgets::Button(const QString& text, const DialogUnits& units, int width, int height,
                                   QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setMinimumWidth(units.X(width));
    // Tall enough for the text even where the font is larger than the template's.
    button->setFixedHeight(std::max(units.Y(height), button->fontMetrics().height() + 8));
    return button;
}

QLineEdit* DialogWidgets::ReadOnlyEdit(const DialogUnits& units, int width, int height, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit->setPalette(palette);
    edit->setMinimumWidth(units.X(width));
    edit->setFixedHeight(std::max(units.Y(height), edit->sizeHint().height()));
    return edit;
}

QLineEdit* DialogWidgets::ReadOnlyText(const std::string& text, const DialogUnits& units, int width, int height,
                                       QWidget* parent) {
    QLineEdit* edit = ReadOnlyEdit(units, width, height, parent);
    edit->setText(QtText::ToQt(text));
    edit->setCursorPosition(0);
    return edit;
}

DialogWidgets::OkCancel DialogWidgets::OkCancelButtons(QDialog& dialog, const DialogUnits& units) {
    OkCancel buttons{Button(QStringLiteral("OK"), units, 50, 14, &dialog),
                     Button(QStringLiteral("Cancel"), units, 50, 14, &dialog)};
    QObject::connect(buttons.ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(buttons.cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return buttons;
}

void DialogWidgets::AddOkCancel(QBoxLayout& layout, QPushButton* ok, QPushButton* cancel) {
    ok->setDefault(true);
    layout.addWidget(ok);
    if (cancel != nullptr) {
        layout.addWidget(cancel);
    }
}

}  // namespace kalivo
