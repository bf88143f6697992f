// The main window's logic with the real PSR-740 handlers: the style-archive
// question after a load that asks for it, and a failed load.
#include <gtest/gtest.h>

#include "app/MainDialog.h"
#include "core/psr740_8000/Psr740TestSupport.h"
#include "support/FakeMainView.h"

namespace kalivo::test::psr {
namespace {

class Psr740MainDialogTest : public Psr740Fixture {
protected:
    TempFolder settings;
    TempFolder styleDisk;
    FakeMainView view;

    void SetUp() override {
        Psr740Fixture::SetUp();
        Fill(destination, {{0, 0, {"Custom", 161}}});
        ASSERT_EQ(destination.StoreArchive("SET", Folder(disk), 0), Status::kDone);
        styleDisk.Write("STYLES.USR", std::string("S__007\r\n"));
        styleDisk.Write("STY.MNG", std::string("S__00702\r\nChosen\r\n"));
        settings.Write("kalivo.ini", std::string("[Model]\r\nPSR-740    \r\n[PSR-740    ]\r\nCustomStyleDlg=1\r\n"
                                                 "ImpliciteSearchForStyles=0\r\nDefaultCustomArchive=0\r\n"
                                                 "CustomArchivePath=\r\n"));
    }
    std::string ProtocolOf(MainDialog& dialog) {
        ui.saveFiles.push_back(other.File("p.txt"));
        dialog.ProtocolLeft();
        return other.Read("p.txt");
    }
};

TEST_F(Psr740MainDialogTest, LoadAskingForStylesRunsTheStyleArchiveQuestion) {
    MainDialog dialog(view, ui, settings.File("kalivo.ini"));
    dialog.Initialize();  // the question at start-up is answered No
    ui.folders = {disk.Path(), styleDisk.Path()};
    ui.archiveChoices = {0, 0};
    ui.flashStyles = {true};
    dialog.LoadArchiveLeft();
    EXPECT_EQ(ui.archiveLists.back(), std::vector<std::string>{"STYLES"});
    EXPECT_EQ(view.sourceLines[0], "1-1: Custom");
    EXPECT_NE(ProtocolOf(dialog).find("\t*Chosen*\t"), std::string::npos);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Psr740MainDialogTest, FailedLoadSaysWhatIsWrongAndKeepsTheList) {
    MainDialog dialog(view, ui, settings.File("kalivo.ini"));
    dialog.Initialize();
    ui.folders = {disk.Path()};
    ui.archiveChoices = {0};
    dialog.LoadArchiveLeft();
    ASSERT_EQ(view.sourceLines[0], "1-1: Custom");
    std::filesystem::remove(disk.File("REG/RPK001AL.REG"));
    ui.folders = {disk.Path()};
    ui.archiveChoices = {0};
    ui.flashStyles.clear();
    dialog.LoadArchiveLeft();
    ASSERT_EQ(ui.MessageTexts().size(), 1u);
    EXPECT_NE(ui.MessageTexts()[0].find("RPK001AL.reg cannot be read"), std::string::npos);
    EXPECT_EQ(view.sourceLines[0], "1-1: Custom");
    EXPECT_NE(ProtocolOf(dialog).find("Custom"), std::string::npos);
}

}  // namespace
}  // namespace kalivo::test::psr
