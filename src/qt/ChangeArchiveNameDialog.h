#pragma once
// Change Archive Name: the destination archive's name. For a model that keeps
// its archives under short names on a floppy disk it takes only what such a
// name can hold, says so, and shows the name as it will be stored.
#include <string>

#include "qt/NameEditDialog.h"
#include "ui/DialogData.h"

class QLabel;

namespace kalivo {

class ChangeArchiveNameDialog : public NameEditDialog {
    Q_OBJECT

public:
    ChangeArchiveNameDialog(const ArchiveNameRequest& request, QWidget* parent);
    // The new name, or "" for Cancel.
    static std::string Run(const ArchiveNameRequest& request, QWidget* parent);

    QLabel* StoredAs() const { return storedAs_; }

private:
    void FilterEdit(const QString& text);
    void ShowStoredName();

    int diskNameLength_;
    std::string lastText_;
    QLabel* storedAs_ = nullptr;
};

}  // namespace kalivo
