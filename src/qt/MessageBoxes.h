#pragma once
// Modal message boxes with the program's OK, Yes/No and Yes/No/Cancel buttons.
#include <QString>

#include "ui/UserInterface.h"

class QWidget;

namespace kalivo {

class MessageBoxes {
public:
    static void Show(QWidget* parent, const QString& text, const QString& title);
    static bool AskYesNo(QWidget* parent, const QString& text, const QString& title);
    static Answer AskYesNoCancel(QWidget* parent, const QString& text, const QString& title);
    // Yes and No; Escape or the close box give Answer::Cancel.
    static Answer AskYesNoOrClose(QWidget* parent, const QString& text, const QString& title, bool defaultNo);
};

}  // namespace kalivo
