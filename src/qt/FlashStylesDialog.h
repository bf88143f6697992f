#pragma once
// Flash Styles: whether the names of flash styles are to be taken from a style archive.
#include <QDialog>

namespace kalivo {

class FlashStylesDialog : public QDialog {
    Q_OBJECT

public:
    explicit FlashStylesDialog(QWidget* parent);
    // True for Yes.
    static bool Run(QWidget* parent);
};

}  // namespace kalivo
