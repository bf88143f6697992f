#include "core/app/TyrosWindowFixture.h"

namespace kalivo::test {
namespace {

class CommandRulesTest : public TyrosWindowFixture {};

TEST_F(CommandRulesTest, CopyNeedsTheSameKindOfLineOnBothSides) {
    EXPECT_FALSE(State(Command::Copy).enabled);
    EXPECT_EQ(State(Command::Copy).whyNot, "Select a registration on both sides, or a bank header on both sides");
    SelectBoth(0, -1, 1, 3);  // a bank onto a registration line
    EXPECT_FALSE(State(Command::Copy).enabled);
    SelectBoth(0, 0, 1, 3);
    EXPECT_TRUE(State(Command::Copy).enabled);
    EXPECT_TRUE(State(Command::GroupCopy).enabled);
    SelectBoth(0, -1, 1, -1);
    EXPECT_TRUE(State(Command::Copy).enabled);
    EXPECT_FALSE(State(Command::GroupCopy).enabled);
    SelectBoth(0, 1, 1, 3);  // an empty source slot gives nothing
    EXPECT_FALSE(State(Command::Copy).enabled);
}

TEST_F(CommandRulesTest, CopyThatCannotActSaysWhyAndLeavesEverythingAlone) {
    SelectBoth(0, -1, 1, 3);
    dialog->Run(Command::Copy);
    EXPECT_EQ(view.LastStatus(), "Select a registration on both sides, or a bank header on both sides");
    EXPECT_FALSE(dst().Called("CopyRegistration"));
    EXPECT_FALSE(dialog->Changed());
    EXPECT_GT(view.stateChanges, 0);
}

TEST_F(CommandRulesTest, DestinationEditsNeedSomethingToActOn) {
    for (Command c : {Command::Delete, Command::Rename, Command::EditSequence, Command::EditIcon}) {
        EXPECT_FALSE(State(c).enabled);
        EXPECT_FALSE(State(c).whyNot.empty());
    }
    dialog->DestinationSelectionChanged(LineOf(0, 5));  // an empty slot
    EXPECT_FALSE(State(Command::Delete).enabled);
    EXPECT_FALSE(State(Command::Rename).enabled);
    EXPECT_FALSE(State(Command::EditIcon).enabled);
    dialog->DestinationSelectionChanged(LineOf(0, 1));
    EXPECT_TRUE(State(Command::Delete).enabled);
    EXPECT_TRUE(State(Command::Rename).enabled);
    EXPECT_TRUE(State(Command::EditIcon).enabled);
    EXPECT_FALSE(State(Command::EditSequence).enabled);
    dialog->DestinationSelectionChanged(LineOf(1, -1));
    EXPECT_TRUE(State(Command::EditSequence).enabled);
    EXPECT_TRUE(State(Command::Delete).enabled);
    dialog->NewRight();  // the bank behind the header empties
    dialog->DestinationSelectionChanged(LineOf(0, -1));
    EXPECT_TRUE(State(Command::Rename).enabled);  // a bank header can always be named
    EXPECT_FALSE(State(Command::Delete).enabled);
    EXPECT_FALSE(State(Command::EditSequence).enabled);
}

TEST_F(CommandRulesTest, ListCommandsNeedRegistrations) {
    EXPECT_TRUE(State(Command::CreateRegfilesLeft).enabled);
    EXPECT_TRUE(State(Command::ProtocolRight).enabled);
    EXPECT_TRUE(State(Command::DefaultRevoice).enabled);
    EXPECT_TRUE(State(Command::StoreArchive).enabled);
    dialog->Run(Command::NewLeft);
    EXPECT_FALSE(State(Command::CreateRegfilesLeft).enabled);
    EXPECT_EQ(State(Command::ProtocolLeft).whyNot, "The left list holds no registration");
    src().regfiles = {"A.tyr"};
    ui.folders = {"/regs"};
    dialog->Run(Command::LoadRegfiles);
    EXPECT_TRUE(State(Command::ProtocolLeft).enabled);
    EXPECT_FALSE(State(Command::CreateRegfilesLeft).enabled);
    dialog->Run(Command::NewRight);
    EXPECT_FALSE(State(Command::CreateRegfilesRight).enabled);
    EXPECT_FALSE(State(Command::DefaultRevoice).enabled);
    EXPECT_FALSE(State(Command::StoreArchive).enabled);  // Tyros: no bank to store
}

TEST_F(CommandRulesTest, VisibilityFollowsTheModelsButtons) {
    EXPECT_FALSE(State(Command::Archivename).visible);
    EXPECT_FALSE(State(Command::Options).visible);
    EXPECT_TRUE(State(Command::EditIcon).visible);
    ui.modelChoices = {0};  // PSR-740
    dialog->Run(Command::Model);
    EXPECT_TRUE(State(Command::Options).visible);
    EXPECT_TRUE(State(Command::Archivename).visible);
    EXPECT_TRUE(State(Command::Archivename).enabled);
    EXPECT_FALSE(State(Command::GroupCopy).visible);
    EXPECT_FALSE(State(Command::DefaultRevoice).visible);
    EXPECT_EQ(view.LastStatus(), "Model PSR-740");
    ui.optionsResults = {StyleArchiveOptions{}};
    dialog->Run(Command::Options);
    EXPECT_EQ(view.LastStatus(), "Options saved");
}

TEST(CommandRulesNoModel, OnlyLoadsModelInfoAndExitWithoutAModel) {
    TempFolder dir;
    ScriptedUserInterface ui;
    FakeMainView view;
    MainDialog dialog(view, ui, dir.File("kalivo.ini"));
    dialog.Initialize();
    for (Command c : {Command::LoadArchiveLeft, Command::LoadRegfiles, Command::LoadArchiveRight, Command::Model,
                      Command::Info, Command::Exit}) {
        EXPECT_TRUE(CommandRules::StateOf(dialog, c).enabled);
    }
    for (Command c : {Command::NewLeft, Command::NewRight, Command::StoreArchive, Command::Copy, Command::Archivename,
                      Command::ProtocolRight, Command::FindSource, Command::Undo}) {
        EXPECT_FALSE(CommandRules::StateOf(dialog, c).enabled);
    }
    dialog.Run(Command::StoreArchive);
    EXPECT_EQ(view.LastStatus(), "Choose a model first (Model)");
    EXPECT_TRUE(ui.folderTitles.empty());
}

TEST_F(CommandRulesTest, CommandsThatActSaySoInOneLine) {
    SelectBoth(0, 2, 1, 4);
    dialog->Run(Command::Copy);
    EXPECT_EQ(view.LastStatus(), "Copied Ballad");
    SelectBoth(1, -1, 0, -1);
    dialog->Run(Command::Copy);
    EXPECT_EQ(view.LastStatus(), "Copied bank Rock");
    dialog->DestinationSelectionChanged(LineOf(1, 0));
    dialog->Run(Command::Delete);
    EXPECT_EQ(view.LastStatus(), "Deleted Keep");
    dialog->DestinationSelectionChanged(LineOf(0, 0));
    ui.names = {"Fresh"};
    dialog->Run(Command::Rename);
    EXPECT_EQ(view.LastStatus(), "Renamed Riff to Fresh");
    ui.folders = {"/out"};
    ui.bankChoices = {std::vector<int>{0, 1}};
    dialog->Run(Command::StoreArchive);
    EXPECT_EQ(view.LastStatus(), "Stored 2 banks in /out");
    ui.folders = {"/regs"};
    dialog->Run(Command::CreateRegfilesRight);
    EXPECT_EQ(view.LastStatus(), "3 regfiles written to /regs");
    ui.saveFiles = {std::string("/p/list.txt")};
    dialog->Run(Command::ProtocolRight);
    EXPECT_EQ(view.LastStatus(), "Protocol written to /p/list.txt");
    dst().protocolResult = Status::kProtocolNotCreated;
    ui.saveFiles = {std::string("/p/list.txt")};
    dialog->Run(Command::ProtocolRight);
    EXPECT_EQ(view.LastStatus(), "Protocol not written");
}

TEST_F(CommandRulesTest, LoadsSayWhatTheyLoaded) {
    src().archives = {"a.rgt", "b.rgt"};
    src().loadResults = {Status::kDone, Status::kNotValid};
    ui.folders = {"/disk"};
    ui.bankChoices = {std::vector<int>{0, 1}};
    dialog->Run(Command::LoadArchiveLeft);
    EXPECT_EQ(view.LastStatus(), "Added 1 bank (2 loaded in all)");
    // Tyros loads add; at the most banks there is room for, the rest are counted.
    src().archives = {"c.rgt", "d.rgt", "e.rgt"};
    src().loadResults = {Status::kDone, Status::kNoRoomForBank};
    ui.folders = {"/disk"};
    ui.bankChoices = {std::vector<int>{0, 1, 2}};
    dialog->Run(Command::LoadArchiveLeft);
    EXPECT_EQ(view.LastStatus(), "Added 1 bank (2 loaded in all); 2 not loaded: no room for more banks");
    src().regfiles = {"A.tyr", "B.tyr"};
    ui.folders = {"/regs"};
    dialog->Run(Command::LoadRegfiles);
    EXPECT_EQ(view.LastStatus(), "2 regfiles loaded from /regs");
}

}  // namespace
}  // namespace kalivo::test
