#pragma once
// The icon line of the view dialogs: the icon code, the icon's file name and
// its picture, all read-only.
#include <QString>
#include <QWidget>
#include <optional>
#include <string>

class QLineEdit;

namespace kalivo {

class DialogUnits;
class IconPictureWidget;
class UserInterface;

class IconLineWidget : public QWidget {
    Q_OBJECT

public:
    struct Icon {
        QString prefix;    // a static text before the code edit, or ""
        QString codeText;  // what the code edit shows
        std::optional<std::string> bitmap;  // the picture's file, when the icon is listed
        std::string fileTitle;
    };

    // A picture that cannot be loaded is reported through ui.
    IconLineWidget(const Icon& icon, UserInterface& ui, const DialogUnits& units, QWidget* parent);

    QLineEdit* CodeEdit() const { return code_; }
    QLineEdit* FileEdit() const { return file_; }
    IconPictureWidget* Picture() const { return picture_; }

private:
    QLineEdit* code_;
    QLineEdit* file_;
    IconPictureWidget* picture_;
};

}  // namespace kalivo
