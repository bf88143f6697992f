#pragma once
// The About box: the program icon, its name and version, and OK.
#include <QDialog>

namespace kalivo {

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent);
    static void Run(QWidget* parent);
};

}  // namespace kalivo
