#include "qt/TyrosViewRegistrationDialog.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>

#include "qt/BottomButtonsLayout.h"
#include "qt/DialogUnits.h"
#include "qt/DialogWidgets.h"
#include "qt/IconLineWidget.h"
#include "qt/QtText.h"
#include "ui/bank/ViewBankText.h"

namespace kalivo {

// One group line: its name, presence text and the values shown while present.
namespace {

// Grid columns of a group line.
enum Column { kGroup, kPresence, kDetail, kValue, kOnOff, kColumns };

// The registration's icon is found in the icon list as a bank's is.
IconLineWidget::Icon IconOf(const TyrosRegistrationView& view) {
    ViewBankRequest request;
    request.bankIconCode = view.iconCode;
    request.icons = view.icons;
    const ViewBankText text(request);
    const QString code = view.iconCode.empty() ? QString() : QtText::ToQt("S" + view.iconCode);
    return {QString(), code, text.IconBitmap(), text.IconFileTitle()};
}

}  // namespace

TyrosViewRegistrationDialog::TyrosViewRegistrationDialog(const TyrosRegistrationView& view, UserInterface& ui,
                                                         QWidget* parent)
    : QDialog(parent), grid_(new QGridLayout) {
    setWindowTitle(QStringLiteral("View Registration"));
    const DialogUnits units(font());
    bank_ = ValueEdit(view.bankName, 70, units);
    part_ = ValueEdit(view.part > 0 ? std::to_string(view.part) : std::string(), 12, units);
    name_ = ValueEdit(view.name, 70, units);

    const std::vector<TyrosViewLine> texts = TyrosViewLines::Of(view);
    grid_->setHorizontalSpacing(units.X(5));
    grid_->setVerticalSpacing(units.Y(2));
    for (int line = 0; line < kLines; ++line) {
        AddLine(static_cast<Line>(line), texts.at(static_cast<std::size_t>(line)), units);
    }
    icon_ = new IconLineWidget(IconOf(view), ui, units, this);
    grid_->addWidget(new QLabel(QStringLiteral("Icon"), this), kLines, kGroup);
    grid_->addWidget(icon_, kLines, kPresence, 1, kColumns - kPresence);
    grid_->setColumnStretch(kValue, 1);

    auto* header = new QHBoxLayout;
    for (auto [label, edit] : {std::pair{"Bank", bank_}, std::pair{"Part", part_}, std::pair{"Name", name_}}) {
        header->addWidget(new QLabel(QString::fromLatin1(label), this));
        header->addWidget(edit, edit == part_ ? 0 : 1);
    }
    auto* exit = DialogWidgets::Button(QStringLiteral("Exit"), units, 50, 14, this);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    BottomButtonsLayout::Apply(*this, units, {header, grid_}, exit, nullptr);
}

void TyrosViewRegistrationDialog::Run(const TyrosRegistrationView& view, UserInterface& ui, QWidget* parent) {
    TyrosViewRegistrationDialog dialog(view, ui, parent);
    dialog.exec();
}

QLineEdit* TyrosViewRegistrationDialog::ValueEdit(const std::string& text, int width, const DialogUnits& units) {
    QLineEdit* edit = DialogWidgets::ReadOnlyEdit(units, width, 12, this);
    edit->setText(QtText::ToQt(text));
    edit->setCursorPosition(0);
    return edit;
}

void TyrosViewRegistrationDialog::AddLine(Line line, const TyrosViewLine& text, const DialogUnits& units) {
    LineWidgets& widgets = lines_[line];
    grid_->addWidget(new QLabel(QString::fromLatin1(text.group), this), line, kGroup);
    widgets.presence = ValueEdit(text.presence, 10, units);
    widgets.presence->setFixedWidth(widgets.presence->minimumWidth());
    grid_->addWidget(widgets.presence, line, kPresence);
    if (text.detail == nullptr) {
        return;
    }
    widgets.details.push_back(new QLabel(QString::fromLatin1(text.detail), this));
    grid_->addWidget(widgets.details.back(), line, kDetail);
    // One value takes the On/Off column too.
    const bool single = text.values.size() == 1;
    for (std::size_t i = 0; i < text.values.size(); ++i) {
        QLineEdit* value = ValueEdit(text.values[i], i == 0 ? 110 : 20, units);
        widgets.details.push_back(value);
        grid_->addWidget(value, line, kValue + static_cast<int>(i), 1, single ? 2 : 1);
    }
    // Hidden values keep their room, so the lines below stay in their columns.
    const bool present = text.presence == "+";
    for (QWidget* detail : widgets.details) {
        QSizePolicy policy = detail->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        detail->setSizePolicy(policy);
        detail->setVisible(present);
    }
}

}  // namespace kalivo
