#include "qt/MainWindow.h"

#include <QBoxLayout>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusTipEvent>
#include <algorithm>
#include <utility>

#include "app/CommandRules.h"
#include "app/ModelCatalog.h"
#include "qt/ArchiveListWidget.h"
#include "qt/DialogUnits.h"
#include "qt/DialogWidgets.h"
#include "qt/MainMenuBar.h"
#include "qt/MainStatusBar.h"
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

// The gap between two buttons of a column: the template's gap where there is
// room, down to nothing on a small screen, so that no button is cut.
void AddGap(QBoxLayout& column, int height) {
    column.addSpacerItem(new QSpacerItem(0, height, QSizePolicy::Minimum, QSizePolicy::Preferred));
}

bool IsFind(Command command) { return command == Command::FindSource || command == Command::FindDestination; }

}  // namespace

MainWindow::MainWindow(UserInterface& ui, std::string settingsPath, QWidget* parent)
    : QDialog(parent), dialog_(*this, ui, std::move(settingsPath)) {
    setWindowTitle(kCaption);
    setWindowIcon(ProgramIcon::Icon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    actions_ = new CommandActions(*this);
    connect(actions_, &CommandActions::Triggered, this, &MainWindow::RunCommand);
    BuildLists();
    BuildLayout();
    FitToScreen();
    sourceList_->setFocus();  // not the find field: typing there would narrow the list
    SystemMenu::AddAboutItem(*this);
    CommandStatesChanged();
}

void MainWindow::Initialize() {
    dialog_.Initialize();
    CommandStatesChanged();
}

QString MainWindow::StatusLine() const { return statusBar_->Line(); }

// The template's size where the screen has room for it; never more than the
// screen leaves free (a 1920 x 1080 screen at 200 % has room for about 960 x 540).
QSize MainWindow::DefaultSize() const { return DialogUnits(font()).Size(483, 327).expandedTo(sizeHint()); }

void MainWindow::FitToScreen() {
    QSize size = DefaultSize();
    if (const QScreen* screen = this->screen()) {
        const QSize titleAndFrame(16, 40);
        size = size.boundedTo(screen->availableGeometry().size() - titleAndFrame);
    }
    resize(size.expandedTo(minimumSizeHint()));
}

// Finding moves to the find field; everything else is the logic's, which
// says in the status bar why a command cannot act.
void MainWindow::RunCommand(Command command) {
    if (IsFind(command) && CommandRules::StateOf(dialog_, command).enabled) {
        QLineEdit* filter = FilterFor(command == Command::FindSource ? Pane::Source : Pane::Destination);
        filter->setFocus(Qt::ShortcutFocusReason);
        filter->selectAll();
        return;
    }
    dialog_.Run(command);
}

// ---- building the controls -------------------------------------------------

QPushButton* MainWindow::CommandButton(const char* text, Command command, const DialogUnits& units, int width,
                                       int height) {
    auto* button = DialogWidgets::Button(QString::fromLatin1(text), units, width, height, this);
    connect(button, &QPushButton::clicked, this, [this, command] { RunCommand(command); });
    button->installEventFilter(this);
    commandButtons_[static_cast<std::size_t>(command)] = button;
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

QLineEdit* MainWindow::AddFilter(Pane pane) {
    auto* filter = new QLineEdit(this);
    filter->setPlaceholderText(pane == Pane::Source ? tr("Find in source") : tr("Find in destination"));
    filter->setClearButtonEnabled(true);
    connect(filter, &QLineEdit::textChanged, this,
            [this, pane](const QString& text) { dialog_.SetFilter(pane, QtText::ToStd(text)); });
    filters_[pane == Pane::Source ? 0 : 1] = filter;
    return filter;
}

void MainWindow::BuildLists() {
    // Each find field comes just before its list when Tab goes round.
    AddFilter(Pane::Source);
    sourceList_ = new ArchiveListWidget(false, this);
    AddFilter(Pane::Destination);
    destinationList_ = new ArchiveListWidget(true, this);
    sourceList_->EnableLineDrags();
    sourceList_->AcceptFileDrops();
    destinationList_->AcceptLineDrops();
    connect(destinationList_, &ArchiveListWidget::LineDropped, this,
            [this](int sourceLine, int line) { dialog_.DropOnDestination(sourceLine, line); });
    connect(sourceList_, &ArchiveListWidget::FilesDropped, this, [this](const QStringList& paths) {
        std::vector<std::string> files;
        for (const QString& path : paths) {
            files.push_back(QtText::ToStd(path));
        }
        dialog_.DropOnSource(files);
    });
    connect(sourceList_, &ArchiveListWidget::LineChosen, this, [this](int line) { dialog_.SourceSelectionChanged(line); });
    connect(sourceList_, &ArchiveListWidget::LineDoubleClicked, this, [this] { dialog_.SourceDoubleClicked(); });
    connect(destinationList_, &ArchiveListWidget::LineChosen, this,
            [this](int line) { dialog_.DestinationSelectionChanged(line); });
    connect(destinationList_, &ArchiveListWidget::LineDoubleClicked, this,
            [this] { dialog_.DestinationDoubleClicked(); });
}

// Model button above the model edit; the five read-only edits above the lists.
// The archive names share what room there is and give way first (the names
// scroll within their edits).
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
    strip->addWidget(CommandButton("&Model", Command::Model, units, 45, 11), 0, 5);
    strip->addWidget(AddEdit(EditField::SourceCaption, units, 58, QStringLiteral("Source Archive:")), 1, 1);
    strip->addWidget(AddEdit(EditField::SourceArchive, units, 40, QString()), 1, 3);
    strip->addWidget(AddEdit(EditField::ModelName, units, 43, WidestModelName(metrics)), 1, 5);
    strip->addWidget(AddEdit(EditField::DestinationCaption, units, 58, QStringLiteral("Dest. Archive:")), 1, 6);
    strip->addWidget(AddEdit(EditField::DestinationArchive, units, 40, QString()), 1, 7);
    return strip;
}

// A column of buttons: a gap between every two, the stretch where the
// template leaves a long gap (marked by nullptr).
QBoxLayout* MainWindow::ButtonColumn(const DialogUnits& units, std::initializer_list<QPushButton*> buttons) {
    auto* column = new QVBoxLayout;
    column->setSpacing(units.Y(1));
    column->addSpacing(units.Y(1));
    bool first = true;
    for (QPushButton* button : buttons) {
        if (button == nullptr) {
            column->addStretch(1);
            first = true;
            continue;
        }
        if (!first) {
            AddGap(*column, units.Y(7));
        }
        column->addWidget(button);
        first = false;
    }
    column->addSpacing(units.Y(1));
    return column;
}

QBoxLayout* MainWindow::BuildLeftColumn(const DialogUnits& units) {
    return ButtonColumn(units, {CommandButton("&New", Command::NewLeft, units),
                                CommandButton("&Load Archive", Command::LoadArchiveLeft, units),
                                CommandButton("Load Re&gfiles", Command::LoadRegfiles, units),
                                CommandButton("Create Regfiles", Command::CreateRegfilesLeft, units), nullptr,
                                CommandButton("&Protocol", Command::ProtocolLeft, units),
                                CommandButton("&Info", Command::Info, units)});
}

QPushButton* MainWindow::ModelCommandButton(ModelButton which, const char* text, Command command,
                                            const DialogUnits& units) {
    QPushButton* button = CommandButton(text, command, units);
    KeepPlaceWhenHidden(button);  // a hidden button leaves its gap, so the others stay put
    modelButtons_[static_cast<std::size_t>(which)] = button;
    return button;
}

QBoxLayout* MainWindow::BuildRightColumn(const DialogUnits& units) {
    QBoxLayout* column = ButtonColumn(
        units, {CommandButton("Ne&w", Command::NewRight, units),
                CommandButton("Load Ar&chive", Command::LoadArchiveRight, units),
                ModelCommandButton(ModelButton::Archivename, "&Archivename", Command::Archivename, units),
                CommandButton("&Rename", Command::Rename, units),
                CommandButton("&Store Archive", Command::StoreArchive, units),
                CommandButton("&Delete", Command::Delete, units),
                CommandButton("Create Regfiles", Command::CreateRegfilesRight, units),
                ModelCommandButton(ModelButton::GroupCopy, "Gro&up Copy", Command::GroupCopy, units),
                ModelCommandButton(ModelButton::EditSequence, "Edit Se&quence", Command::EditSequence, units),
                ModelCommandButton(ModelButton::EditIcon, "Edit Ic&on", Command::EditIcon, units),
                ModelCommandButton(ModelButton::DefaultRevoice, "Def&ault Revoice", Command::DefaultRevoice, units),
                nullptr, CommandButton("Pro&tocol", Command::ProtocolRight, units),
                CommandButton("E&xit", Command::Exit, units)});
    ModelCommandButton(ModelButton::Options, "&Options", Command::Options, units);
    return column;
}

// The tall narrow ">>" between the lists, a little shorter than they are.
QBoxLayout* MainWindow::BuildCopyColumn(const DialogUnits& units) {
    auto* copy = CommandButton(">>", Command::Copy, units, 13, 14);
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

// The menu bar on top and the status bar at the bottom, both the window's
// full width; between them the grid of the classic layout, with the find
// fields above the lists. Grid columns: left buttons | gap | source list |
// gap | ">>" | gap | destination list | gap | right buttons.
void MainWindow::BuildLayout() {
    const DialogUnits units(font());
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->setMenuBar(new MainMenuBar(*actions_, this));

    auto* grid = new QGridLayout;
    grid->setContentsMargins(units.Margins(7, 2, 7, 2));
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(0);
    grid->setColumnMinimumWidth(1, units.X(8));
    grid->setColumnMinimumWidth(3, units.X(6));
    grid->setColumnMinimumWidth(5, units.X(5));
    grid->setColumnMinimumWidth(7, units.X(7));
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(6, 1);
    grid->setRowStretch(2, 1);

    // The lists give way first when the window is small.
    sourceList_->setMinimumSize(units.Size(60, 40));
    destinationList_->setMinimumSize(units.Size(60, 40));
    grid->addLayout(BuildTopStrip(units), 0, 0, 1, 7);
    grid->addWidget(FilterFor(Pane::Source), 1, 2);
    grid->addWidget(FilterFor(Pane::Destination), 1, 6);
    grid->addLayout(BuildLeftColumn(units), 1, 0, 2, 1);
    grid->addWidget(sourceList_, 2, 2);
    grid->addLayout(BuildCopyColumn(units), 2, 4);
    grid->addWidget(destinationList_, 2, 6);
    grid->addLayout(BuildRightColumn(units), 1, 8, 2, 1);
    // Options sits at the top of the right column, level with the model button.
    auto* options = new QVBoxLayout;
    options->setContentsMargins(0, units.Y(3), 0, units.Y(2));
    options->addWidget(ButtonFor(ModelButton::Options));
    grid->addLayout(options, 0, 8);
    outer->addLayout(grid, 1);

    statusBar_ = new MainStatusBar(this);
    outer->addWidget(statusBar_);
}

// ---- MainView ----------------------------------------------------------------

void MainWindow::SetLines(Pane pane, const std::vector<std::string>& lines) { ListFor(pane)->SetLines(lines); }

void MainWindow::SetLineKinds(Pane pane, const std::vector<bool>& isBankHeader) {
    ListFor(pane)->SetLineKinds(isBankHeader);
}

void MainWindow::ShowStatus(const std::string& text) { statusBar_->ShowLine(QtText::ToQt(text)); }

// Buttons and menu items are greyed exactly when their command cannot act; a
// greyed button tells why when the pointer rests on it.
void MainWindow::CommandStatesChanged() {
    if (statusBar_ == nullptr) {
        return;  // the logic is being set up before the controls
    }
    for (std::size_t i = 0; i < CommandActions::kCount; ++i) {
        const auto command = static_cast<Command>(i);
        const CommandState state = CommandRules::StateOf(dialog_, command);
        actions_->Show(command, state);
        if (QPushButton* button = ButtonFor(command)) {
            button->setEnabled(state.enabled);
            button->setToolTip(state.enabled ? QString() : QtText::ToQt(state.whyNot));
        }
        if (IsFind(command)) {
            FilterFor(command == Command::FindSource ? Pane::Source : Pane::Destination)->setEnabled(state.enabled);
        }
    }
}

void MainWindow::SelectLine(Pane pane, int line) { ListFor(pane)->SelectLine(line); }

void MainWindow::KeepLineInView(Pane pane, int line) { ListFor(pane)->KeepLineInView(line); }

void MainWindow::ScrollToTop(Pane pane) { ListFor(pane)->scrollToTop(); }

void MainWindow::FocusList(Pane pane) { ListFor(pane)->setFocus(Qt::OtherFocusReason); }

// The logic has dropped its filter already; the field only follows.
void MainWindow::ClearFind(Pane pane) {
    const QSignalBlocker quiet(FilterFor(pane));
    FilterFor(pane)->clear();
}

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

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        statusBar_->ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

// A greyed button takes the clicks on it without a word; say why it is greyed.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        for (std::size_t i = 0; i < CommandActions::kCount; ++i) {
            if (watched == commandButtons_[i] && !commandButtons_[i]->isEnabled()) {
                dialog_.Run(static_cast<Command>(i));
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // The keys of a greyed command say why it cannot act.
    if (const auto command = actions_->GreyedCommandFor(*event)) {
        dialog_.Run(*command);
        event->accept();
        return;
    }
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
