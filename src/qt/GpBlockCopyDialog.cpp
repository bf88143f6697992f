#include "qt/GpBlockCopyDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <utility>

#include "qt/BottomButtonsLayout.h"
#include "qt/CopyNamesGrid.h"
#include "qt/DialogUnits.h"
#include "qt/DialogWidgets.h"

namespace kalivo {

namespace {

// Qt numbers "partly checked" 1 and "checked" 2; the box states the other way round.
int StateOf(Qt::CheckState state) { return state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0; }

Qt::CheckState CheckStateOf(int state) {
    return state == 1 ? Qt::Checked : state == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}

// A box whose clicks follow the dialog's rule (unchecked, checked, grey)
// instead of Qt's own order (unchecked, grey, checked).
class RuleCheckBox : public QCheckBox {
public:
    RuleCheckBox(const QString& text, std::function<int(int)> next, QWidget* parent)
        : QCheckBox(text, parent), next_(std::move(next)) {}

protected:
    void nextCheckState() override { setCheckState(CheckStateOf(next_(StateOf(checkState())))); }

private:
    std::function<int(int)> next_;
};

}  // namespace

GpBlockCopyDialog::GpBlockCopyDialog(const GpBlockCopyRequest& request, QWidget* parent)
    : QDialog(parent), choice_(request) {
    setWindowTitle(QStringLiteral("Copy GP-Block"));
    const DialogUnits units(font());
    const CopyNamesGrid top = CopyNamesGrid::Make(request.sourceName, request.destinationName, units, this);
    source_ = top.source;
    destination_ = top.destination;
    QGridLayout* names = top.layout;

    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(units.X(5));
    rows->setVerticalSpacing(units.Y(2));
    for (int box = 0; box < GpBlockCopyChoice::kBoxes; ++box) {
        QLineEdit* setting = DialogWidgets::ReadOnlyText(choice_.SettingText(box), units, 10, 12, this);
        setting->setFixedWidth(setting->minimumWidth());
        auto* check = new RuleCheckBox(QString::fromLatin1(GpBlockCopyChoice::Question(box)),
                                       [this, box](int state) { return choice_.NextState(box, state); }, this);
        check->setTristate(GpBlockCopyChoice::IsThreeState(box));
        // A hidden box keeps its room, so the rows stay where they are.
        QSizePolicy policy = check->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        check->setSizePolicy(policy);
        check->setVisible(choice_.IsVisible(box));
        rows->addWidget(new QLabel(QString::fromLatin1(GpBlockCopyChoice::Label(box)), this), box, 0);
        rows->addWidget(setting, box, 1);
        rows->addWidget(check, box, 2);
        settings_[static_cast<std::size_t>(box)] = setting;
        boxes_[static_cast<std::size_t>(box)] = check;
    }
    rows->setColumnStretch(2, 1);

    copy_ = DialogWidgets::Button(QStringLiteral("Copy"), units, 50, 14, this);
    connect(copy_, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = DialogWidgets::Button(QStringLiteral("Cancel"), units, 50, 14, this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    BottomButtonsLayout::Apply(*this, units, {names, rows}, copy_, cancel);
}

std::optional<GpBlockBoxStates> GpBlockCopyDialog::Run(const GpBlockCopyRequest& request, QWidget* parent) {
    GpBlockCopyDialog dialog(request, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.States();
}

GpBlockBoxStates GpBlockCopyDialog::States() const {
    GpBlockBoxStates states{};
    for (int box = 0; box < GpBlockCopyChoice::kBoxes; ++box) {
        states[static_cast<std::size_t>(box)] = StateOf(boxes_[static_cast<std::size_t>(box)]->checkState());
    }
    return states;
}

}  // namespace kalivo
