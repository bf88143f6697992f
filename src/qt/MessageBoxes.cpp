#include "qt/MessageBoxes.h"

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

}  // namespace kalivo
