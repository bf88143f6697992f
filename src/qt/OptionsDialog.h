#pragma once
// Options: how the style archive of the active model is found. The three
// check boxes exclude each other by the rules of OptionsChoice; the dialog
// only passes clicks to it and shows what it says.
#include <QDialog>
#include <string>

#include "ui/OptionsChoice.h"
#include "ui/UserInterface.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace kalivo {

class OptionsDialog : public QDialog {
    Q_OBJECT

public:
    // ui serves the folder choice and the message of the default archive box.
    OptionsDialog(const std::string& modelName, const StyleArchiveOptions& options, UserInterface& ui,
                  QWidget* parent);

    // Runs the dialog; on OK the edited options are written back and true returned.
    static bool Run(const std::string& modelName, StyleArchiveOptions& options, UserInterface& ui, QWidget* parent);

    const StyleArchiveOptions& Options() const { return choice_.Options(); }
    QCheckBox* AskBox() const { return ask_; }
    QCheckBox* ImplicitSearchBox() const { return implicitSearch_; }
    QCheckBox* DefaultArchiveBox() const { return useDefault_; }
    QLineEdit* FolderEdit() const { return folder_; }

private:
    void ShowChoice();

    OptionsChoice choice_;
    UserInterface& ui_;
    QCheckBox* ask_;
    QCheckBox* implicitSearch_;
    QCheckBox* useDefault_;
    QLineEdit* folder_;
};

}  // namespace kalivo
