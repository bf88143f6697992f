#pragma once
// View Registration of a Tyros registration, read-only: bank, part and name,
// a "+" or "-" for each setting group, the group's values only when it is
// present, and the registration's icon. "Exit" closes it.
#include <QDialog>
#include <array>
#include <vector>

#include "ui/DialogData.h"
#include "ui/tyros/TyrosViewLines.h"

class QGridLayout;
class QLineEdit;

namespace kalivo {

class DialogUnits;
class IconLineWidget;
class UserInterface;

class TyrosViewRegistrationDialog : public QDialog {
    Q_OBJECT

public:
    // The group lines, top to bottom.
    enum Line {
        Style, Right1, Right2, Right3, Left, MultiPad, Tempo, TuneTrans, Scale, Pedal,
        Harmony, Song, MicSettings, LineOut,
    };
    static constexpr int kLines = LineOut + 1;

    // ui tells the person about an icon picture that cannot be loaded.
    TyrosViewRegistrationDialog(const TyrosRegistrationView& view, UserInterface& ui, QWidget* parent);
    static void Run(const TyrosRegistrationView& view, UserInterface& ui, QWidget* parent);

    QLineEdit* BankEdit() const { return bank_; }
    QLineEdit* PartEdit() const { return part_; }
    QLineEdit* NameEdit() const { return name_; }
    QLineEdit* PresenceEdit(Line line) const { return lines_[line].presence; }
    // The label and value edits shown only while the group is present; none
    // for the groups that show their presence alone.
    const std::vector<QWidget*>& DetailWidgets(Line line) const { return lines_[line].details; }
    IconLineWidget* IconLine() const { return icon_; }

private:
    struct LineWidgets {
        QLineEdit* presence = nullptr;
        std::vector<QWidget*> details;
    };

    void AddLine(Line line, const TyrosViewLine& text, const DialogUnits& units);
    QLineEdit* ValueEdit(const std::string& text, int width, const DialogUnits& units);

    QLineEdit* bank_;
    QLineEdit* part_;
    QLineEdit* name_;
    std::array<LineWidgets, kLines> lines_;
    IconLineWidget* icon_;
    QGridLayout* grid_;
};

}  // namespace kalivo
