#include "qt/MainWindow.h"

#include <QBoxLayout>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>
#include <utility>

#include "app/ModelCatalog.h"
#include "qt/ArchiveListWidget.h"
#include "qt/DialogUnits.h"
#include "qt/DialogWidgets.h"
#include "qt/ProgramIcon.h"
#include "qt/QtText.h"
#include "qt/SystemMenu.h"

namespace kalivo {

namespace {

const QString kCaption = QStringLiteral("KALIVO") + QString(70, QLatin1Char(' ')) +
                         QStringLiteral("YAMAHA Keyboard Registration Editor ");

// The widest model name, so that the model edit never cuts one.
QString WidestModelName(const QFontMetrics& metrics) {
    QString widest;
    for (Model model : ModelCatalog::SelectionOrder()) {
        const QString name = QtText::ToQt(ModelCatalog::NameOf(model));
        if (metrics.horizontalAdvance(name) > metrics.horizontalAdvance(widest)) {
            widest = name;
        }
    }
    return widest;
}

void KeepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

}  // namespace

MainWindow::MainWindow(UserInterface& ui, std::string settingsPath, QWidget* parent)
    : QDialog(parent), dialog_(*this, ui, std::move(settingsPath)) {
    setWindowTitle(kCaption);
    setWindowIcon(ProgramIcon::Icon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    BuildLists();
    BuildLayout();
    resize(DialogUnits(font()).Size(483, 327));
    SystemMenu::AddAboutItem(*this);
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(quit, &QShortcut::activated, this, [this] { dialog_.Exit(); });
}

void MainWindow::Initialize() { dialog_.Initialize(); }

// ---- building the controls -------------------------------------------------

template <class Result>
QPushButton* MainWindow::CommandButton(const char* text, Result (MainDialog::*command)(), const DialogUnits& units,
                                       int width, int height) {
    auto* button = DialogWidgets::Button(QString::fromLatin1(text), units, width, height, this);
    connect(button, &QPushButton::clicked, this, [this, command] { (dialog_.*command)(); });
    return button;
}

QLineEdit* MainWindow::AddEdit(EditField field, const DialogUnits& units, int width, const QString& widestText) {
    auto* edit = DialogWidgets::ReadOnlyEdit(units, width, 12, this);
    if (!widestText.isEmpty()) {
        // Room for the text and the edit's frame and margins.
        const int needed = edit->fontMetrics().horizontalAdvance(widestText) + 14;
        edit->setFixedWidth(std::max(units.X(width), needed));
    }
    edits_[static_cast<std::size_t>(field)] = edit;
    return edit;
}

void MainWindow::BuildLists() {
    sourceList_ = new ArchiveListWidget(false, this);
    destinationList_ = new ArchiveListWidget(true, this);
    connect(sourceList_, &ArchiveListWidget::LineChosen, this, [this](int line) { dialog_.SourceSelectionChanged(line); });
    connect(sourceList_, &ArchiveListWidget::LineDoubleClicked, this, [this] { dialog_.SourceDoubleClicked(); });
    connect(destinationList_, &ArchiveListWidget::LineChosen, this,
            [this](int line) { dialog_.DestinationSelectionChanged(line); });
    connect(destinationList_, &ArchiveListWidget::LineDoubleClicked, this,
            [this] { dialog_.DestinationDoubleClicked(); });
}

// Model button above the model edit; the five read-only edits above the lists.
QGridLayout* MainWindow::BuildTopStrip(const DialogUnits& units) {
    auto* strip = new QGridLayout;
    strip->setHorizontalSpacing(0);
    strip->setVerticalSpacing(units.Y(1));
    strip->setColumnMinimumWidth(0, units.X(43));
    strip->setColumnMinimumWidth(2, units.X(6));
    strip->setColumnMinimumWidth(4, units.X(7));
    strip->setColumnStretch(3, 1);
    strip->setColumnStretch(7, 1);
    const QFontMetrics metrics(font());
    strip->addWidget(CommandButton("Model", &MainDialog::ModelCommand, units, 45, 11), 0, 5);
    strip->addWidget(AddEdit(EditField::SourceCaption, units, 58, QStringLiteral("Source Archive:")), 1, 1);
    strip->addWidget(AddEdit(EditField::SourceArchive, units, 98, QString()), 1, 3);
    strip->addWidget(AddEdit(EditField::ModelName, units, 43, WidestModelName(metrics)), 1, 5);
    strip->addWidget(AddEdit(EditField::DestinationCaption, units, 58, QStringLiteral("Dest. Archive:")), 1, 6);
    strip->addWidget(AddEdit(EditField::DestinationArchive, units, 97, QString()), 1, 7);
    return strip;
}

QBoxLayout* MainWindow::BuildLeftColumn(const DialogUnits& units) {
    auto* column = new QVBoxLayout;
    column->setSpacing(units.Y(8));
    column->addSpacing(units.Y(1));
    column->addWidget(CommandButton("New", &MainDialog::NewLeft, units));
    column->addWidget(CommandButton("Load Archive", &MainDialog::LoadArchiveLeft, units));
    column->addWidget(CommandButton("Load Regfiles", &MainDialog::LoadRegfiles, units));
    column->addWidget(CommandButton("Create Regfiles", &MainDialog::CreateRegfilesLeft, units));
    column->addStretch(1);
    column->addWidget(CommandButton("Protocol", &MainDialog::ProtocolLeft, units));
    column->addWidget(CommandButton("Info", &MainDialog::Info, units));
    column->addSpacing(units.Y(1));
    return column;
}

QBoxLayout* MainWindow::BuildRightColumn(const DialogUnits& units) {
    auto modelButton = [this](ModelButton which, QPushButton* button) {
        KeepPlaceWhenHidden(button);  // hidden buttons leave their gap, as in the original
        modelButtons_[static_cast<std::size_t>(which)] = button;
        return button;
    };
    auto* column = new QVBoxLayout;
    column->setSpacing(units.Y(8));
    column->addSpacing(units.Y(1));
    column->addWidget(CommandButton("New", &MainDialog::NewRight, units));
    column->addWidget(CommandButton("Load Archive", &MainDialog::LoadArchiveRight, units));
    column->addWidget(modelButton(ModelButton::Archivename, CommandButton("Archivename", &MainDialog::Archivename, units)));
    column->addWidget(CommandButton("Rename", &MainDialog::Rename, units));
    column->addWidget(CommandButton("Store Archive", &MainDialog::StoreArchive, units));
    column->addWidget(CommandButton("Delete", &MainDialog::Delete, units));
    column->addWidget(CommandButton("Create Regfiles", &MainDialog::CreateRegfilesRight, units));
    column->addWidget(modelButton(ModelButton::GroupCopy, CommandButton("Group Copy", &MainDialog::GroupCopy, units)));
    column->addWidget(
        modelButton(ModelButton::EditSequence, CommandButton("Edit Sequence", &MainDialog::EditSequence, units)));
    column->addWidget(modelButton(ModelButton::EditIcon, CommandButton("Edit Icon", &MainDialog::EditIcon, units)));
    column->addWidget(
        modelButton(ModelButton::DefaultRevoice, CommandButton("Default Revoice", &MainDialog::DefaultRevoice, units)));
    column->addStretch(1);
    column->addWidget(CommandButton("Protocol", &MainDialog::ProtocolRight, units));
    column->addWidget(CommandButton("Exit", &MainDialog::Exit, units));
    column->addSpacing(units.Y(1));
    modelButton(ModelButton::Options, CommandButton("Options", &MainDialog::Options, units));
    return column;
}

// The tall narrow ">>" between the lists, a little shorter than they are.
QBoxLayout* MainWindow::BuildCopyColumn(const DialogUnits& units) {
    auto* copy = CommandButton(">>", &MainDialog::Copy, units, 13, 14);
    copy->setFixedWidth(units.X(13));
    copy->setMinimumHeight(units.Y(40));
    copy->setMaximumHeight(QWIDGETSIZE_MAX);
    copy->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    auto* column = new QVBoxLayout;
    column->setSpacing(0);
    column->addSpacing(units.Y(8));
    column->addWidget(copy);
    column->addSpacing(units.Y(6));
    return column;
}

// Columns: left buttons | gap | source list | gap | ">>" | gap | destination list | gap | right buttons.
void MainWindow::BuildLayout() {
    const DialogUnits units(font());
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(units.Margins(7, 2, 7, 7));
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(0);
    grid->setColumnMinimumWidth(1, units.X(8));
    grid->setColumnMinimumWidth(3, units.X(6));
    grid->setColumnMinimumWidth(5, units.X(5));
    grid->setColumnMinimumWidth(7, units.X(7));
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(6, 1);
    grid->setRowStretch(1, 1);

    sourceList_->setMinimumSize(units.Size(80, 100));
    destinationList_->setMinimumSize(units.Size(80, 100));
    grid->addLayout(BuildTopStrip(units), 0, 0, 1, 7);
    grid->addLayout(BuildLeftColumn(units), 1, 0);
    grid->addWidget(sourceList_, 1, 2);
    grid->addLayout(BuildCopyColumn(units), 1, 4);
    grid->addWidget(destinationList_, 1, 6);
    grid->addLayout(BuildRightColumn(units), 1, 8);
    // Options sits at the top of the right column, level with the model button.
    auto* options = new QVBoxLayout;
    options->setContentsMargins(0, units.Y(3), 0, units.Y(2));
    options->addWidget(ButtonFor(ModelButton::Options));
    grid->addLayout(options, 0, 8);
}

// ---- MainView ----------------------------------------------------------------

void MainWindow::SetLines(Pane pane, const std::vector<std::string>& lines) { ListFor(pane)->SetLines(lines); }

void MainWindow::SetLineKinds(Pane, const std::vector<bool>&) {}

void MainWindow::ShowStatus(const std::string&) {}

void MainWindow::CommandStatesChanged() {}

void MainWindow::SelectLine(Pane pane, int line) { ListFor(pane)->SelectLine(line); }

void MainWindow::SetEditText(EditField field, const std::string& text) {
    EditFor(field)->setText(QtText::ToQt(text));
    EditFor(field)->setCursorPosition(0);
}

void MainWindow::SetButtonVisible(ModelButton button, bool visible) { ButtonFor(button)->setVisible(visible); }

void MainWindow::Redraw() { update(); }

void MainWindow::SetEnabled(bool enabled) { setEnabled(enabled); }

void MainWindow::Close() {
    closing_ = true;
    QDialog::done(QDialog::Accepted);
}

// ---- ending the window -------------------------------------------------------

void MainWindow::done(int result) {
    if (closing_) {
        QDialog::done(result);
        return;
    }
    dialog_.Exit();  // calls Close() when the window may go
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // A stray Escape or Enter (after a long load, say) must not end the
    // program: only Exit, the close box and Ctrl+Q do.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QDialog::keyPressEvent(event);
        return;
    }
    // Enter presses the button that has the focus; anywhere else it does nothing.
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
        button->click();
    }
    event->accept();
}

bool MainWindow::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    if (SystemMenu::IsAboutCommand(eventType, message)) {
        dialog_.Info();
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}

}  // namespace kalivo
