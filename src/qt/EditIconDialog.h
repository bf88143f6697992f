#pragma once
// Edit Icon: an icon code typed as three digits, used when the icon pictures
// are not available. The typing rule and the check on OK are EditIconFilter's.
#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

namespace kalivo {

class EditIconDialog : public QDialog {
    Q_OBJECT

public:
    EditIconDialog(const std::string& title, const std::string& currentCode, QWidget* parent);
    // The new three-character code on OK, nothing on Cancel.
    static std::optional<std::string> Run(const std::string& title, const std::string& currentCode,
                                          QWidget* parent);

    QLineEdit* CodeEdit() const { return code_; }
    QPushButton* OkButton() const { return ok_; }
    const std::optional<std::string>& Result() const { return result_; }

protected:
    void accept() override;

private:
    void FilterCode();

    QLineEdit* code_;
    QPushButton* ok_;
    std::optional<std::string> result_;
};

}  // namespace kalivo
