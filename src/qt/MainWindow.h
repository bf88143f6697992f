#pragma once
// The main window: the controls of the registration editor, laid out as the
// original dialog arranged them but free to grow. It holds no logic of its
// own; every click goes to MainDialog, which tells it what to show.
#include <QDialog>
#include <array>
#include <string>

#include "app/MainDialog.h"
#include "app/MainView.h"

class QBoxLayout;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace kalivo {

class ArchiveListWidget;
class DialogUnits;

class MainWindow : public QDialog, public MainView {
    Q_OBJECT

public:
    explicit MainWindow(UserInterface& ui, std::string settingsPath = "kalivo.ini", QWidget* parent = nullptr);

    // Start-up of the logic: reads the settings file and activates its model.
    void Initialize();
    MainDialog& Logic() { return dialog_; }

    // The controls, for the tests.
    QPushButton* ButtonFor(ModelButton button) const { return modelButtons_[static_cast<std::size_t>(button)]; }
    QLineEdit* EditFor(EditField field) const { return edits_[static_cast<std::size_t>(field)]; }
    ArchiveListWidget* ListFor(Pane pane) const { return pane == Pane::Source ? sourceList_ : destinationList_; }

    // MainView
    void SetLines(Pane pane, const std::vector<std::string>& lines) override;
    // Placeholders until the window draws header lines, a status bar and command states.
    void SetLineKinds(Pane pane, const std::vector<bool>& isBankHeader) override;
    void ShowStatus(const std::string& text) override;
    void CommandStatesChanged() override;
    void SelectLine(Pane pane, int line) override;
    void SetEditText(EditField field, const std::string& text) override;
    void SetButtonVisible(ModelButton button, bool visible) override;
    void Redraw() override;
    void SetEnabled(bool enabled) override;
    void Close() override;

protected:
    // Every way of ending the window (close box, Ctrl+Q, accept/reject) goes through Exit;
    // Escape and Enter do not end it.
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    template <class Result>
    QPushButton* CommandButton(const char* text, Result (MainDialog::*command)(), const DialogUnits& units,
                               int width = 54, int height = 14);
    QLineEdit* AddEdit(EditField field, const DialogUnits& units, int width, const QString& widestText);
    QGridLayout* BuildTopStrip(const DialogUnits& units);
    QBoxLayout* BuildLeftColumn(const DialogUnits& units);
    QBoxLayout* BuildRightColumn(const DialogUnits& units);
    QBoxLayout* BuildCopyColumn(const DialogUnits& units);
    void BuildLists();
    void BuildLayout();

    ArchiveListWidget* sourceList_ = nullptr;
    ArchiveListWidget* destinationList_ = nullptr;
    std::array<QLineEdit*, 5> edits_{};
    std::array<QPushButton*, 6> modelButtons_{};
    bool closing_ = false;
    // Last, so that it is built after the controls it shows things in.
    MainDialog dialog_;
};

}  // namespace kalivo
