#include "core/app/MainDialogFixture.h"

namespace kalivo::test {
namespace {

// PSR-740-shaped handlers: no bank headers, four registrations a bank.
class SingleArchiveTest : public MainDialogFixture {
protected:
    void SetUp() override { StartWith(Model::Psr740); }
    MemoryHandler& src() { return Source(Model::Psr740); }
    MemoryHandler& dst() { return Destination(Model::Psr740); }
    void MakeChange() {
        dst().AddBank("B", {"R", "S"});  // one stays: there is something to store
        dialog->DestinationSelectionChanged(0);
        dialog->Delete();
        ASSERT_TRUE(dialog->Changed());
    }
};

TEST_F(SingleArchiveTest, ButtonsAndLines) {
    EXPECT_TRUE(view.visible[ModelButton::Options]);
    EXPECT_TRUE(view.visible[ModelButton::Archivename]);
    EXPECT_FALSE(view.visible[ModelButton::GroupCopy]);
    EXPECT_FALSE(view.visible[ModelButton::EditIcon]);
    EXPECT_EQ(view.destinationLines.front(), "1-1: --- no reg ---");
    EXPECT_EQ(view.destinationLines.back(), "32-4: --- no reg ---");
}

TEST_F(SingleArchiveTest, StoreArchiveClearsChangedOnlyWhenTheStoreSucceeded) {
    MakeChange();
    dst().archiveName = "MYDISK";
    ui.folders = {"/out", "/out"};
    dst().storeResults = {Status::kNotValid, Status::kDone};
    dst().storeNote = "; the new backup holds no style backup";
    dst().storedName = "MYDISK.BUF";  // the name as the disk now spells it
    dialog->StoreArchive();
    EXPECT_TRUE(dst().Called("StoreArchive(MYDISK,/out/,0)"));
    EXPECT_TRUE(dialog->Changed());
    EXPECT_EQ(view.LastStatus(), "Not stored");
    dialog->StoreArchive();
    EXPECT_FALSE(dialog->Changed());
    EXPECT_EQ(view.LastStatus(), "Stored MYDISK.BUF in /out; the new backup holds no style backup");
}

// Nothing to store greys Store Archive on every model, with its reason; the
// save question's Yes, which stores without the buttons, says the same.
TEST_F(SingleArchiveTest, StoreArchiveIsGreyedWhenTheDestinationHoldsNothingToStore) {
    for (int m = 0; m < kModelCount; ++m) {
        const auto model = static_cast<Model>(m);
        StartWith(model);
        const CommandState empty = CommandRules::StateOf(*dialog, Command::StoreArchive);
        EXPECT_FALSE(empty.enabled) << m;
        EXPECT_EQ(empty.whyNot, "The right list holds nothing to store") << m;
        dialog->StoreArchive();
        EXPECT_TRUE(ui.folderTitles.empty()) << m;

        Destination(model).archives = {"Set"};
        Destination(model).archiveContents["Set"] = {MemoryBank{"Set", {"Piano"}, "", 0, "", {}}};
        ui.folders = {"/disk"};
        ui.archiveChoices = {0};
        ui.bankChoices = {std::vector<int>{0}};
        dialog->LoadArchiveRight();
        EXPECT_TRUE(CommandRules::StateOf(*dialog, Command::StoreArchive).enabled) << m;
        ui.folderTitles.clear();
    }
}

// A destination nobody named is named before its first store, in the
// Archivename dialog; Cancel there stores nothing and says so.
TEST_F(SingleArchiveTest, AnUnnamedDestinationIsNamedBeforeItsFirstStore) {
    struct Case {
        std::string name;     // the handler's name for the archive
        std::string given;    // what the Archivename dialog answers ("" = Cancel)
        std::string stored;   // "" = nothing stored
    };
    for (const Case& c : {Case{"no name", "Party", "Party"}, Case{"NO NAME.s917", "Party", "Party"},
                          Case{"", "", ""}, Case{"NoName", "", ""}, Case{"Mine", "", "Mine"}}) {
        StartWith(Model::Psr740);
        MakeChange();
        dst().archiveName = c.name;
        ui.archiveNames = {c.given};
        ui.archiveNameRequests.clear();
        ui.folders = {"/out"};
        ui.folderTitles.clear();
        dialog->StoreArchive();
        const bool asked = c.name != "Mine";
        EXPECT_EQ(ui.archiveNameRequests.size(), asked ? 1u : 0u) << c.name;
        if (c.stored.empty()) {
            EXPECT_FALSE(dst().Called("StoreArchive")) << c.name;
            EXPECT_TRUE(ui.folderTitles.empty()) << c.name;
            EXPECT_EQ(view.LastStatus().rfind("Nothing stored", 0), 0u) << view.LastStatus();
            EXPECT_TRUE(dialog->Changed());
        } else {
            EXPECT_TRUE(dst().Called("StoreArchive(" + c.stored + ",/out/,0)")) << c.name;
            EXPECT_FALSE(dialog->Changed());
        }
    }
}

// A failed or cancelled command replaces the last status (an old "Loaded ..."
// never stays standing); a style archive read says so.
TEST_F(SingleArchiveTest, EveryCommandEndsWithItsOwnStatus) {
    src().archives = {"ONE"};
    src().loadResults = {Status::kNotValid};
    ui.folders = {"/disk", "", "/regs"};
    ui.archiveChoices = {0};
    dst().loadRegfilesResult = Status::kNoRegfileFound;
    src().loadRegfilesResult = Status::kNoRegfileFound;
    dialog->LoadArchiveLeft();
    EXPECT_EQ(view.LastStatus(), "Nothing loaded from /disk");
    dialog->LoadArchiveLeft();
    EXPECT_EQ(view.LastStatus(), "Nothing loaded");
    dialog->LoadRegfiles();
    EXPECT_EQ(view.LastStatus(), "No regfile loaded from /regs");
    ui.saveFiles = {std::nullopt};
    dialog->ProtocolRight();
    EXPECT_EQ(view.LastStatus(), "Protocol not written");

    dst().archives = {"STYLES"};
    ui.flashStyles = {true};
    ui.folders = {"/styles"};
    ui.archiveChoices = {0};
    ui.optionsResults = {StyleArchiveOptions{true, false, false, ""}};
    dialog->Options();
    EXPECT_EQ(view.LastStatus(), "User style names read from STYLES in /styles");
}

// Archive Selection opens on the archive that side holds now, if listed.
TEST_F(SingleArchiveTest, ArchiveSelectionOpensOnTheArchiveNowLoaded) {
    dst().archives = {"NULL", "ONE", "TWO"};
    ui.folders = {"/disk", "/disk"};
    dialog->LoadArchiveRight();
    dst().archiveName = "one";
    dialog->LoadArchiveRight();
    EXPECT_EQ(ui.archivePreselections, (std::vector<int>{-1, 1}));
}

TEST_F(SingleArchiveTest, LoadIntoTheDestinationAsksToSaveAfterTheFolder) {
    MakeChange();
    ui.folders = {"/disk"};
    ui.yesNo = {false};
    dst().archives = {"ONE"};
    ui.archiveChoices = {0};
    dialog->LoadArchiveRight();
    EXPECT_EQ(ui.messages[0].text, "Save changed registrations?");
    EXPECT_TRUE(dst().Called("LoadDestinationArchive(/disk/,ONE)"));
    EXPECT_FALSE(dialog->Changed());
}

TEST_F(SingleArchiveTest, FailedLoadLeavesTheListAlone) {
    src().archives = {"ONE"};
    src().archiveContents["ONE"] = {MemoryBank{"b", {"Loaded", {}, {}, {}}, "", 0, "", {}}};
    src().loadResults = {Status::kWrongModel};
    ui.folders = {"/disk"};
    ui.archiveChoices = {0};
    view.sourceLines = {"untouched"};
    dialog->LoadArchiveLeft();
    EXPECT_EQ(view.sourceLines, std::vector<std::string>{"untouched"});
}

TEST_F(SingleArchiveTest, StyleArchiveWantedRunsTheQuestionAndShowsTheLoad) {
    src().archives = {"ONE"};
    src().archiveContents["ONE"] = {MemoryBank{"b", {"Loaded", {}, {}, {}}, "", 0, "", {}}};
    src().loadResults = {Status::kStyleArchiveWanted, Status::kNotValid};  // the archive loads; then the style archive is refused
    dst().archives = {"STY"};
    ui.folders = {"/disk", "/styles"};
    ui.archiveChoices = {0, 0};
    ui.flashStyles = {true, false};
    dialog->LoadArchiveLeft();
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Not valid style archive"});
    EXPECT_EQ(view.sourceLines[0], "1-1: Loaded");
}

TEST_F(SingleArchiveTest, CreateRegfilesRefusesOnlyTheFloppyRoot) {
    ui.folders = {"A:", "a:", "A:/sub"};
    dialog->CreateRegfilesLeft();
    dialog->CreateRegfilesRight();
    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{"Not allowed on floppy disk", "Not allowed on floppy disk"}));
    dialog->CreateRegfilesLeft();
    EXPECT_TRUE(src().Called("CreateRegfiles(A:/sub/)"));
    EXPECT_EQ(ui.waitCount, 1);
}

TEST_F(SingleArchiveTest, ProtocolOffersBothFiltersAndReportsFailures) {
    ui.saveFiles = {std::nullopt, std::string("/x/list.htm"), std::string("/x/list.doc"), std::string("/x/LIST.TXT"),
                    std::string("/x/r.txt")};
    dialog->ProtocolLeft();
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"No file selected"});
    EXPECT_EQ(ui.saveRequests[0].fileName, "untitled");
    EXPECT_EQ(ui.saveRequests[0].defaultExtension, ".txt");
    EXPECT_EQ(ui.saveRequests[0].filter,
              "Text Files (*.txt)|*.txt|Text Files, UTF-8 (*.txt)|*.txt|htm Files (*.htm)|*.htm||");
    dst().protocolResult = Status::kProtocolNotCreated;
    dialog->ProtocolRight();
    EXPECT_TRUE(dst().Called("WriteProtocol(/x/list.htm)"));
    // The handler names the file it could not create; the window adds no second box.
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"No file selected"});
    dst().protocolResult = Status::kWrongProtocolEnding;
    dialog->ProtocolRight();
    EXPECT_EQ(ui.messages.back().text, "Protocol not written: the file name must end in .txt or .htm");
    // An ending in capitals is a known ending: the handler's refusal (of HTML) was its own message.
    const std::size_t shown = ui.messages.size();
    dialog->ProtocolRight();
    EXPECT_TRUE(dst().Called("WriteProtocol(/x/LIST.TXT)"));
    EXPECT_EQ(ui.messages.size(), shown);
    dst().protocolResult = Status::kRegfileListEmpty;
    dialog->ProtocolRight();
    EXPECT_EQ(ui.messages.back().text, "Protocol not written: no regfiles loaded");
    EXPECT_TRUE(view.enabled);
    // The second filter asks for UTF-8; the next choice of the first goes back to Windows-1252.
    ui.saveFiles = {std::string("/x/u.txt"), std::string("/x/w.txt")};
    ui.saveFilters = {1, 0};
    dialog->ProtocolRight();
    EXPECT_EQ(dst().ProtocolEncoding(), TextEncoding::Utf8);
    dialog->ProtocolRight();
    EXPECT_EQ(dst().ProtocolEncoding(), TextEncoding::Windows1252);
}

TEST_F(SingleArchiveTest, ArchivenameTrimsAndShowsTheName) {
    ui.archiveNames = {"NEWNAME   "};
    dialog->Archivename();
    EXPECT_EQ(dst().archiveName, "NEWNAME");
    EXPECT_EQ(view.edits[EditField::DestinationArchive], "NEWNAME");
    EXPECT_TRUE(dialog->Changed());
    ui.archiveNames = {"   "};
    dialog->Archivename();
    EXPECT_EQ(dst().archiveName, "NEWNAME");
    // A floppy-disk model's dialog takes what its 8-character disk name holds.
    ASSERT_EQ(ui.archiveNameRequests.size(), 2u);
    EXPECT_EQ(ui.archiveNameRequests[1].current, "NEWNAME");
    EXPECT_EQ(ui.archiveNameRequests[1].maxLength, 16);
    EXPECT_EQ(ui.archiveNameRequests[1].diskNameLength, 8);
}

TEST_F(SingleArchiveTest, NewRightAsksThenClearsWithTheSourceBankCount) {
    MakeChange();
    ui.yesNo = {false};
    dialog->NewRight();
    EXPECT_TRUE(dst().Called("ClearDestination(32)"));
    EXPECT_FALSE(dialog->Changed());
}

TEST_F(SingleArchiveTest, OptionsAreWrittenCheckedAndAskForTheStyleArchive) {
    StyleArchiveOptions chosen;
    chosen.askForStyleArchive = true;
    ui.optionsResults = {chosen};
    dialog->Options();
    EXPECT_TRUE(dialog->StyleOptions().askForStyleArchive);
    EXPECT_TRUE(src().Called("SetStyleArchiveOptions(1,0,,0)"));
    EXPECT_NE(dir.Read("kalivo.ini").find("[PSR-740    ]\r\nCustomStyleDlg=1\r\n"), std::string::npos);
    // Cancel changes nothing.
    ui.optionsResults = {std::nullopt};
    dialog->Options();
    EXPECT_TRUE(dialog->StyleOptions().askForStyleArchive);
}

TEST_F(SingleArchiveTest, DoubleClicksShowTheSelectedRegistration) {
    dialog->SourceSelectionChanged(6);
    dialog->SourceDoubleClicked();
    EXPECT_TRUE(src().Called("ShowRegistration(-1,1,2)"));
    dialog->DestinationSelectionChanged(3);
    dialog->DestinationDoubleClicked();
    EXPECT_TRUE(dst().Called("ShowRegistration(-1,0,3)"));
    EXPECT_EQ(dialog->DestinationSelection().bank, kNone);
}

TEST_F(SingleArchiveTest, InfoShowsTheAboutBox) {
    dialog->Info();
    EXPECT_EQ(ui.aboutCount, 1);
}

}  // namespace
}  // namespace kalivo::test

namespace kalivo::test {
namespace {

// A PSR-2000 registration holds 16 characters, so Rename offers no more.
class Psr2000RenameTest : public MainDialogFixture {};

TEST_F(Psr2000RenameTest, RenameOffersSixteenCharactersForARegistrationAndFortyOneForTheBank) {
    StartWith(Model::Psr2000);
    Destination(Model::Psr2000).AddBank("Bank", {"Reg"});
    dialog->DestinationSelectionChanged(LineOf(0, 0));
    dialog->Rename();
    dialog->DestinationSelectionChanged(LineOf(0, -1));
    dialog->Rename();
    ASSERT_EQ(ui.nameRequests.size(), 2u);
    EXPECT_EQ(ui.nameRequests[0].second, 16);
    EXPECT_EQ(ui.nameRequests[1].second, 41);
}

}  // namespace
}  // namespace kalivo::test
