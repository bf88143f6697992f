// The PSR-9000 in the window: the example backup is loaded on the left, a
// whole bank is copied to the right and stored as a new backup folder.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "GuiTestSupport.h"
#include "qt/ArchiveListWidget.h"
#include "qt/MainWindow.h"
#include "support/ScriptedUserInterface.h"

namespace kalivo::test {
namespace {

class Psr9000WindowTest : public GuiTest {
protected:
    static void ClickLine(MainWindow& window, Pane pane, int line) {
        ArchiveListWidget* list = window.ListFor(pane);
        list->scrollToItem(list->item(line));
        const QPoint point = list->viewport()->mapTo(&window, list->visualItemRect(list->item(line)).center());
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, point);
    }

    ScriptedUserInterface ui_;
};

TEST_F(Psr9000WindowTest, LoadsTheExampleCopiesABankAndStoresItAsANewBackup) {
    folder_.Write("kalivo.ini", std::string("[Model]\r\nPSR-9000   \r\n"));
    MainWindow window(ui_);
    window.Initialize();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    ui_.folders.push_back(std::string(KALIVO_EXAMPLES_DIR) + "/psr9000");
    ui_.archiveChoices.push_back(0);
    window.ButtonFor(Command::LoadArchiveLeft)->click();
    ArchiveListWidget* source = window.ListFor(Pane::Source);
    ASSERT_EQ(source->count(), 64 * 9);
    EXPECT_EQ(source->item(0)->text().toStdString(), "Evening");
    EXPECT_EQ(source->item(1)->text().toStdString(), "1-1: Piano Ballad");

    // Bank 1 of the left onto bank 3 of the right: both header lines.
    ClickLine(window, Pane::Source, 0);
    ClickLine(window, Pane::Destination, 2 * 9);
    window.ButtonFor(Command::Copy)->click();
    ArchiveListWidget* destination = window.ListFor(Pane::Destination);
    EXPECT_EQ(destination->item(2 * 9)->text().toStdString(), "Evening");
    EXPECT_EQ(destination->item(2 * 9 + 2)->text().toStdString(), "3-2: Strings Waltz");

    // A backup nobody named is named before it is stored; the status names
    // the folder as the disk now spells it.
    TempFolder out;
    ui_.archiveNames.push_back("My Regs 2004 Lon");
    ui_.folders.push_back(out.Path());
    window.ButtonFor(Command::StoreArchive)->click();
    EXPECT_TRUE(ui_.messages.empty()) << ui_.messages.front().text;
    ASSERT_EQ(ui_.archiveNameRequests.size(), 1u);
    const std::string stored = out.File("MY REGS 2004 LON.BUF");
    ASSERT_TRUE(std::filesystem::is_directory(stored));
    EXPECT_EQ(window.StatusLine().toStdString().rfind("Stored MY REGS 2004 LON.BUF in " + out.Path(), 0), 0u)
        << window.StatusLine().toStdString();
    EXPECT_EQ(std::filesystem::file_size(stored + "/REG.BUP"), 241692u);
    EXPECT_TRUE(std::filesystem::exists(stored + "/BACKUP.INI"));
}

}  // namespace
}  // namespace kalivo::test
