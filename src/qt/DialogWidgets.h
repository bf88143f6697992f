#pragma once
// The few kinds of control every window here is built from.
#include <QString>
#include <string>

class QBoxLayout;
class QDialog;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kalivo {

class DialogUnits;

class DialogWidgets {
public:
    // A push button of the given size in dialog units that never becomes the
    // default button by itself (Enter does not press it unless it is made the default).
    static QPushButton* Button(const QString& text, const DialogUnits& units, int width, int height, QWidget* parent);
    // A read-only edit that looks read-only (window background instead of a white field).
    static QLineEdit* ReadOnlyEdit(const DialogUnits& units, int width, int height, QWidget* parent);
    // The same holding text, shown from its start.
    static QLineEdit* ReadOnlyText(const std::string& text, const DialogUnits& units, int width, int height,
                                   QWidget* parent);
    // OK and Cancel of the usual size, wired to accept and reject.
    struct OkCancel {
        QPushButton* ok;
        QPushButton* cancel;
    };
    static OkCancel OkCancelButtons(QDialog& dialog, const DialogUnits& units);
    // OK (default button) and Cancel, stacked or side by side; nullptr for a missing Cancel.
    static void AddOkCancel(QBoxLayout& layout, QPushButton* ok, QPushButton* cancel);
};

}  // namespace kalivo
