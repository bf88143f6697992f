#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <filesystem>

#include "GuiTestSupport.h"
#include "qt/ArchiveListWidget.h"
#include "qt/MainWindow.h"
#include "qt/ModelSelectionDialog.h"
#include "qt/QtUserInterface.h"
#include "support/ScriptedUserInterface.h"

namespace kalivo::test {
namespace {

class MainWindowTest : public GuiTest {
protected:
    void StartWith(const std::string& modelName) {
        folder_.Write("kalivo.ini", "[Model]\r\n" + modelName + "\r\n");
    }
    // Runs the start-up of the window's logic and shows the window.
    static bool ShowStarted(MainWindow& window) {
        window.Initialize();
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }
    bool SettingsWritten() const { return std::filesystem::exists(folder_.File("kalivo.ini")); }

    ScriptedUserInterface ui_;
};

TEST_F(MainWindowTest, CaptionIsExactAndNoButtonIsDefault) {
    MainWindow window(ui_);
    EXPECT_EQ(window.windowTitle(),
              QStringLiteral("KALIVO") + QString(70, QLatin1Char(' ')) +
                  QStringLiteral("YAMAHA Keyboard Registration Editor "));
    const auto buttons = window.findChildren<QPushButton*>();
    EXPECT_EQ(buttons.size(), 22);
    for (const QPushButton* button : buttons) {
        EXPECT_FALSE(button->isDefault() || button->autoDefault()) << button->text().toStdString();
    }
}

TEST_F(MainWindowTest, ModelFromSettingsChoosesButtonsAndCaptions) {
    struct Case {
        std::string model;
        bool tyros;
        bool groupCopy;
        const char* sourceCaption;
        const char* destinationCaption;
    };
    for (const Case& c : {Case{"Tyros      ", true, true, "", ""},
                          Case{"PSR-740    ", false, false, "Source Archive:", "Dest. Archive:"},
                          Case{"CVP2 Series", false, true, "Source Archive:", "Dest. Archive:"}}) {
        SCOPED_TRACE(c.model);
        StartWith(c.model);
        MainWindow window(ui_);
        window.Initialize();
        EXPECT_EQ(window.ButtonFor(ModelButton::Options)->isHidden(), c.tyros || c.groupCopy);
        EXPECT_EQ(window.ButtonFor(ModelButton::Archivename)->isHidden(), c.tyros);
        EXPECT_EQ(window.ButtonFor(ModelButton::GroupCopy)->isHidden(), !c.groupCopy);
        for (ModelButton tyrosOnly : {ModelButton::EditSequence, ModelButton::EditIcon, ModelButton::DefaultRevoice}) {
            EXPECT_EQ(window.ButtonFor(tyrosOnly)->isHidden(), !c.tyros);
        }
        EXPECT_EQ(window.EditFor(EditField::ModelName)->text().toStdString(), c.model);
        EXPECT_EQ(window.EditFor(EditField::SourceCaption)->text().toStdString(), c.sourceCaption);
        EXPECT_EQ(window.EditFor(EditField::DestinationCaption)->text().toStdString(), c.destinationCaption);
        if (c.tyros) {
            EXPECT_EQ(window.EditFor(EditField::SourceArchive)->text(), QStringLiteral("Source"));
            EXPECT_EQ(window.EditFor(EditField::DestinationArchive)->text(), QStringLiteral("Destination"));
        }
    }
}

// The real dialogs, but messages are only noted (a message box would wait for an answer).
class QuietUserInterface : public QtUserInterface {
public:
    void ShowMessage(const std::string& text, const std::string&) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

TEST_F(MainWindowTest, ModelButtonSwitchesThroughTheModelDialog) {
    QuietUserInterface ui;
    MainWindow window(ui);
    ui.SetParentWindow(&window);
    window.Initialize();
    bool stayedOpenWithoutChoice = false;
    AnswerNextModal<ModelSelectionDialog>([&](ModelSelectionDialog* dialog) {
        dialog->OkButton()->click();
        stayedOpenWithoutChoice = dialog->isVisible();
        dialog->List()->setCurrentRow(6);
        dialog->OkButton()->click();
    });
    window.ButtonFor(Command::Model)->click();
    EXPECT_TRUE(stayedOpenWithoutChoice);
    EXPECT_EQ(window.Logic().ModelName(), "Tyros      ");
    EXPECT_FALSE(window.ButtonFor(ModelButton::EditIcon)->isHidden());
    EXPECT_TRUE(window.ButtonFor(ModelButton::Options)->isHidden());
}

TEST_F(MainWindowTest, CloseBoxAndCtrlQRunExitWhileEscapeDoesNothing) {
    StartWith("PSR-740    ");
    MainWindow window(ui_);
    ASSERT_TRUE(ShowStarted(window));

    // Unsaved changes: Yes to the save question stores (here: no folder chosen)
    // and the window stays open.
    ui_.archiveNames.push_back("NEWNAME");
    window.Logic().Archivename();
    ASSERT_TRUE(window.Logic().Changed());
    ui_.yesNo.push_back(true);
    ui_.messages.clear();
    std::filesystem::remove(folder_.File("kalivo.ini"));
    window.close();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(SettingsWritten());
    EXPECT_EQ(ui_.MessageTexts(), std::vector<std::string>{"Save changed registrations?"});

    // Escape in the main window asks nothing and ends nothing.
    ui_.messages.clear();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(ui_.messages.empty());

    // The save question closed without an answer keeps the program and the work.
    ui_.yesNoOrClose.push_back(Answer::Cancel);
    window.close();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.Logic().Changed());

    ui_.yesNoOrClose.push_back(Answer::No);
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(SettingsWritten());
}

TEST_F(MainWindowTest, AQuestionClosedWithoutAnAnswerIsNeitherYesNorNo) {
    QtUserInterface ui;
    AnswerNextModal<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(ui.AskYesNoOrClose("Save changed registrations?", "KALIVO", false), Answer::Cancel);
    AnswerNextModal<QMessageBox>([](QMessageBox* box) { box->close(); });
    EXPECT_EQ(ui.AskYesNoOrClose("Save changed registrations?", "KALIVO", false), Answer::Cancel);
    // No as the default button: Enter answers No.
    bool noIsDefault = false;
    AnswerNextModal<QMessageBox>([&](QMessageBox* box) {
        noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(ui.AskYesNoOrClose("Change them?", "Default Revoice", true), Answer::No);
    EXPECT_TRUE(noIsDefault);
    AnswerNextModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    EXPECT_EQ(ui.AskYesNoOrClose("Change them?", "Default Revoice", true), Answer::Yes);
}

TEST_F(MainWindowTest, CloseBoxWritesSettingsWithoutModel) {
    MainWindow window(ui_);
    ASSERT_TRUE(ShowStarted(window));
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(SettingsWritten());
}

TEST_F(MainWindowTest, EnterPressesTheFocusedButtonElseDoesNothing) {
    MainWindow window(ui_);
    ASSERT_TRUE(ShowStarted(window));
    window.ButtonFor(Command::Info)->setFocus();
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_EQ(ui_.aboutCount, 1);
    EXPECT_TRUE(window.isVisible());

    window.ListFor(Pane::Source)->setFocus();
    QTest::keyClick(window.ListFor(Pane::Source), Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
}

// What the program selects is not reported back as the person's choice;
// what the person selects with the keys is.
TEST_F(MainWindowTest, OnlyThePersonsSelectionsAreReported) {
    StartWith("PSR-740    ");
    MainWindow window(ui_);
    ASSERT_TRUE(ShowStarted(window));
    ArchiveListWidget* list = window.ListFor(Pane::Destination);
    ASSERT_GT(list->count(), 62);

    window.SelectLine(Pane::Destination, 60);
    EXPECT_TRUE(list->item(60)->isSelected());
    EXPECT_TRUE(list->viewport()->rect().intersects(list->visualItemRect(list->item(60))));
    const int scrolled = list->verticalScrollBar()->value();
    EXPECT_GT(scrolled, 0);
    window.SelectLine(Pane::Destination, -1);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(list->verticalScrollBar()->value(), scrolled);
    EXPECT_EQ(window.Logic().DestinationSelection().bank, -1);

    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);  // from line 60 to 61: bank 16, registration 2
    EXPECT_EQ(window.Logic().DestinationSelection().bank, 15);
    EXPECT_EQ(window.Logic().DestinationSelection().slot, 1);

    // Ctrl+click does not take the selection away.
    const QPoint point = list->viewport()->mapTo(&window, list->visualItemRect(list->item(61)).center());
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::ControlModifier, point);
    EXPECT_TRUE(list->item(61)->isSelected());
}

// A second click on the selected right-hand line starts Rename; a double-click
// on it only views the registration.
TEST_F(MainWindowTest, SecondClickRenamesButDoubleClickDoesNot) {
    StartWith("PSR-9000   ");
    MainWindow window(ui_);
    ASSERT_TRUE(ShowStarted(window));
    ui_.folders.push_back(std::string(KALIVO_EXAMPLES_DIR) + "/psr9000");  // registrations to rename
    ui_.archiveChoices.push_back(0);
    window.ButtonFor(Command::LoadArchiveRight)->click();
    ArchiveListWidget* list = window.ListFor(Pane::Destination);
    ASSERT_GT(list->count(), 3);
    auto pointOf = [&](int line) { return list->viewport()->mapTo(&window, list->visualItemRect(list->item(line)).center()); };
    const int settle = QApplication::doubleClickInterval() + 200;

    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, pointOf(2));
    EXPECT_EQ(window.Logic().DestinationSelection().slot, 1);
    EXPECT_TRUE(ui_.nameRequests.empty());

    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, pointOf(2));
    QTest::qWait(settle);
    EXPECT_EQ(ui_.nameRequests.size(), 1u);

    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, pointOf(1));
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, pointOf(1));
    QTest::qWait(settle);
    EXPECT_EQ(ui_.nameRequests.size(), 1u);
    EXPECT_TRUE(list->selectedItems().isEmpty());  // viewing clears the destination selection
}

}  // namespace
}  // namespace kalivo::test
