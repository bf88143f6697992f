// The window on the PSR-8000 example set: load it, then View Registration.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "GuiTestSupport.h"
#include "qt/ArchiveListWidget.h"
#include "qt/MainWindow.h"
#include "qt/QtUserInterface.h"
#include "qt/ViewRegistrationDialog.h"

namespace kalivo::test {
namespace {

// The real dialogs, with the folder browser and the archive list answered.
class ExampleUserInterface : public QtUserInterface {
public:
    void ShowMessage(const std::string& text, const std::string&) override { messages.push_back(text); }
    std::string ChooseFolder(const std::string&) override { return std::string(KALIVO_EXAMPLES_DIR) + "/psr8000"; }
    int SelectArchive(const std::vector<std::string>& names, int) override {
        offered = names;
        return 0;
    }
    std::vector<std::string> messages;
    std::vector<std::string> offered;
};

using Psr740ExampleWindowTest = GuiTest;

TEST_F(Psr740ExampleWindowTest, LoadsTheExampleSetAndViewsARegistration) {
    folder_.Write("kalivo.ini", "[Model]\r\nPSR-8000   \r\n[PSR-8000   ]\r\nCustomStyleDlg=0\r\n"
                                "ImpliciteSearchForStyles=1\r\nDefaultCustomArchive=0\r\nCustomArchivePath=\r\n");
    ExampleUserInterface ui;
    MainWindow window(ui);
    ui.SetParentWindow(&window);
    window.Initialize();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    window.Logic().LoadArchiveLeft();
    EXPECT_EQ(ui.offered, std::vector<std::string>{"DEMO"});
    EXPECT_TRUE(ui.messages.empty());
    QListWidget* list = window.ListFor(Pane::Source);
    ASSERT_EQ(list->count(), 128);
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("1-3: My Groove"));
    EXPECT_EQ(list->item(3)->text(), QStringLiteral("1-4: --- no reg ---"));
    EXPECT_EQ(window.EditFor(EditField::SourceArchive)->text(), QStringLiteral("DEMO"));

    bool seen = false;
    AnswerNextModal<ViewRegistrationDialog>([&seen](ViewRegistrationDialog* dialog) {
        seen = true;
        EXPECT_EQ(dialog->TitleEdit()->text(), QStringLiteral("My Groove"));
        EXPECT_EQ(dialog->StyleEdit()->text(), QStringLiteral("*Funky Groove*"));
        EXPECT_EQ(dialog->TempoEdit()->text(), QStringLiteral("98"));
        EXPECT_EQ(dialog->VoiceEdit(2)->text(), QStringLiteral("Custom 1"));
        dialog->findChild<QPushButton*>()->click();
    });
    // Through the window, as a person clicks: a click selects, a double-click views.
    const QPoint point = list->viewport()->mapTo(&window, list->visualItemRect(list->item(2)).center());
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, point);
    EXPECT_TRUE(seen);
}

}  // namespace
}  // namespace kalivo::test
