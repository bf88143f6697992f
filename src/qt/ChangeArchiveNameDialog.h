#pragma once
// Change Archive Name: the destination archive's name, at most 16 characters.
#include "qt/NameEditDialog.h"

namespace kalivo {

class ChangeArchiveNameDialog : public NameEditDialog {
    Q_OBJECT

public:
    static constexpr int kMaxLength = 16;

    ChangeArchiveNameDialog(const std::string& current, QWidget* parent);
    // The new name, or "" for Cancel.
    static std::string Run(const std::string& current, QWidget* parent);
};

}  // namespace kalivo
