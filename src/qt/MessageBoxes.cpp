#include "qt/MessageBoxes.h"

#include <QPushButton>
#include <QMessageBox>

namespace kalivo {

namespace {

QMessageBox::StandardButton Run(QWidget* parent, const QString& text, const QString& title,
                                QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void MessageBoxes::Show(QWidget* parent, const QString& text, const QString& title) {
    Run(parent, text, title, QMessageBox::Ok);
}

bool MessageBoxes::AskYesNo(QWidget* parent, const QString& text, const QString& title) {
    return Run(parent, text, title, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Answer MessageBoxes::AskYesNoCancel(QWidget* parent, const QString& text, const QString& title) {
    switch (Run(parent, text, title, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

Answer MessageBoxes::AskYesNoOrClose(QWidget* parent, const QString& text, const QString& title, bool defaultNo) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultNo ? QMessageBox::No : QMessageBox::Yes);
    // Without an escape button of its own the box would take No for Escape
    // and the close box; a hidden one lets them mean "no answer".
    QPushButton* close = box.addButton(QMessageBox::Cancel);
    close->hide();
    box.setEscapeButton(close);
    box.exec();
    if (box.clickedButton() == box.button(QMessageBox::Yes)) {
        return Answer::Yes;
    }
    return box.clickedButton() == box.button(QMessageBox::No) ? Answer::No : Answer::Cancel;
}

}  // namespace kalivo
