#pragma once
// The main window: the controls of the registration editor in their classic
// arrangement, but free to grow and shrink, with a menu bar, a find field
// above each list and a status bar. It holds no logic of its own; every
// command goes to MainDialog, which tells it what to show, and the command
// rules say which commands are greyed.
#include <QDialog>
#include <array>
#include <initializer_list>
#include <string>

#include "app/MainDialog.h"
#include "app/MainView.h"
#include "qt/CommandActions.h"

class QBoxLayout;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace kalivo {

class ArchiveListWidget;
class DialogUnits;
class MainStatusBar;

class MainWindow : public QDialog, public MainView {
    Q_OBJECT

public:
    explicit MainWindow(UserInterface& ui, std::string settingsPath = "kalivo.ini", QWidget* parent = nullptr);

    // Start-up of the logic: reads the settings file and activates its model.
    void Initialize();
    MainDialog& Logic() { return dialog_; }
    // The classic size of the window, grown by the menu, find and status bars.
    QSize DefaultSize() const;

    // The controls, for the tests.
    QPushButton* ButtonFor(ModelButton button) const { return modelButtons_[static_cast<std::size_t>(button)]; }
    // nullptr for a command without a button (Undo, Redo, Find).
    QPushButton* ButtonFor(Command command) const { return commandButtons_[static_cast<std::size_t>(command)]; }
    QAction* ActionFor(Command command) const { return actions_->For(command); }
    QLineEdit* EditFor(EditField field) const { return edits_[static_cast<std::size_t>(field)]; }
    QLineEdit* FilterFor(Pane pane) const { return filters_[pane == Pane::Source ? 0 : 1]; }
    ArchiveListWidget* ListFor(Pane pane) const { return pane == Pane::Source ? sourceList_ : destinationList_; }
    QString StatusLine() const;

    // MainView
    void SetLines(Pane pane, const std::vector<std::string>& lines) override;
    void SetLineKinds(Pane pane, const std::vector<bool>& isBankHeader) override;
    void ShowStatus(const std::string& text) override;
    void CommandStatesChanged() override;
    void SelectLine(Pane pane, int line) override;
    void KeepLineInView(Pane pane, int line) override;
    void ScrollToTop(Pane pane) override;
    void FocusList(Pane pane) override;
    void ClearFind(Pane pane) override;
    void SetEditText(EditField field, const std::string& text) override;
    void SetButtonVisible(ModelButton button, bool visible) override;
    void Redraw() override;
    void SetEnabled(bool enabled) override;
    void Close() override;

protected:
    // Every way of ending the window (close box, Ctrl+Q, accept/reject) goes through Exit;
    // Escape and Enter do not end it.
    void done(int result) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    QPushButton* CommandButton(const char* text, Command command, const DialogUnits& units, int width = 54,
                               int height = 14);
    QLineEdit* AddEdit(EditField field, const DialogUnits& units, int width, const QString& widestText);
    QLineEdit* AddFilter(Pane pane);
    QGridLayout* BuildTopStrip(const DialogUnits& units);
    QPushButton* ModelCommandButton(ModelButton which, const char* text, Command command, const DialogUnits& units);
    QBoxLayout* ButtonColumn(const DialogUnits& units, std::initializer_list<QPushButton*> buttons);
    QBoxLayout* BuildLeftColumn(const DialogUnits& units);
    QBoxLayout* BuildRightColumn(const DialogUnits& units);
    QBoxLayout* BuildCopyColumn(const DialogUnits& units);
    void BuildLists();
    void BuildLayout();
    void FitToScreen();
    void RunCommand(Command command);

    CommandActions* actions_ = nullptr;
    MainStatusBar* statusBar_ = nullptr;
    ArchiveListWidget* sourceList_ = nullptr;
    ArchiveListWidget* destinationList_ = nullptr;
    std::array<QLineEdit*, 5> edits_{};
    std::array<QLineEdit*, 2> filters_{};
    std::array<QPushButton*, 6> modelButtons_{};
    std::array<QPushButton*, CommandActions::kCount> commandButtons_{};
    bool closing_ = false;
    // Last, so that it is built after the controls it shows things in.
    MainDialog dialog_;
};

}  // namespace kalivo
