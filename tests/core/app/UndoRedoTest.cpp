#include "core/app/RealWindowFixture.h"
#include "core/app/TyrosWindowFixture.h"
#include "core/tyros/TyrosTestBytes.h"

namespace kalivo::test {
namespace {

class UndoRedoTest : public TyrosWindowFixture {
protected:
    // Names of the first bank's eight slots and the second's first, as one text.
    std::string Names() {
        std::string all;
        for (int bank = 0; bank < 2; ++bank) {
            for (int slot = 0; slot < 8; ++slot) {
                all += DestinationName(bank, slot) + ",";
            }
            std::string name;
            dst().GetBankName(bank, name);
            all += name + ";";
        }
        return all + dst().archiveName + std::to_string(dst().banks.size());
    }
    // Undo gives back the state before, redo the state after, and the list follows.
    void ExpectUndoAndRedo(const std::string& before) {
        const std::string after = Names();
        ASSERT_NE(after, before);
        ASSERT_TRUE(dialog->CanUndo());
        dialog->Run(Command::Undo);
        EXPECT_EQ(Names(), before);
        EXPECT_EQ(view.destinationLines, linesBefore);
        dialog->Run(Command::Redo);
        EXPECT_EQ(Names(), after);
    }
    void Remember() {
        remembered = Names();
        linesBefore = view.destinationLines;
    }
    std::string remembered;
    std::vector<std::string> linesBefore;
};

TEST_F(UndoRedoTest, EveryKindOfDestinationChangeCanBeUndoneAndRedone) {
    Remember();
    SelectBoth(0, 2, 1, 4);
    dialog->Run(Command::Copy);
    ExpectUndoAndRedo(remembered);

    Remember();
    SelectBoth(1, -1, 0, -1);
    dialog->Run(Command::Copy);
    ExpectUndoAndRedo(remembered);

    Remember();
    dialog->DestinationSelectionChanged(LineOf(1, 0));
    dialog->Run(Command::Delete);
    ExpectUndoAndRedo(remembered);

    Remember();
    dialog->DestinationSelectionChanged(LineOf(0, -1));
    ui.names = {"Renamed"};
    dialog->Run(Command::Rename);
    ExpectUndoAndRedo(remembered);

    Remember();
    ui.archiveNames = {"DISK"};
    dialog->Archivename();  // hidden on Tyros, but the step is the same for every model
    ExpectUndoAndRedo(remembered);

    Remember();
    dialog->Run(Command::NewRight);
    ExpectUndoAndRedo(remembered);

    Remember();
    dst().archives = {"more.rgt"};
    dst().archiveContents["more.rgt"] = {Bank("More", {"Extra"})};
    ui.folders = {"/in"};
    ui.bankChoices = {std::vector<int>{0}};
    dialog->Run(Command::LoadArchiveRight);
    ExpectUndoAndRedo(remembered);
}

TEST_F(UndoRedoTest, SequenceIconAndRevoiceAreStepsToo) {
    dst().banks[0]->voicesToRevoice = {2, 0, 1};
    dialog->Run(Command::DefaultRevoice);
    ASSERT_TRUE(dialog->CanUndo());
    dialog->Run(Command::Undo);
    EXPECT_EQ(dst().CountRevoiceToDefault(0, 0), 2);
    EXPECT_FALSE(dialog->Changed());

    dialog->DestinationSelectionChanged(LineOf(0, -1));
    ui.editBankResults = {EditBankResult{"312", 2}};
    dialog->Run(Command::EditSequence);
    EXPECT_EQ(dst().banks[0]->sequence, "312");
    dialog->Run(Command::Undo);
    EXPECT_EQ(dst().banks[0]->sequence, "");

    dialog->DestinationSelectionChanged(LineOf(0, -1));
    ui.editIconResults = {std::string("123")};
    dialog->Run(Command::EditIcon);
    EXPECT_EQ(dst().banks[0]->icon, "123");
    dialog->Run(Command::Undo);
    EXPECT_EQ(dst().banks[0]->icon, "");
    EXPECT_EQ(view.LastStatus(), "Undone: Changed the icon of bank Mine");
}

TEST_F(UndoRedoTest, TheChangedFlagFollowsTheStoredState) {
    SelectBoth(0, 0, 0, 5);
    dialog->Run(Command::Copy);
    EXPECT_TRUE(dialog->Changed());
    dialog->Run(Command::Undo);
    EXPECT_FALSE(dialog->Changed());  // back where the load left it
    dialog->Run(Command::Redo);
    EXPECT_TRUE(dialog->Changed());

    ui.folders = {"/out"};
    ui.bankChoices = {std::vector<int>{0, 1}};
    dialog->Run(Command::StoreArchive);
    EXPECT_FALSE(dialog->Changed());
    dialog->DestinationSelectionChanged(LineOf(0, 0));
    dialog->Run(Command::Delete);
    EXPECT_TRUE(dialog->Changed());
    dialog->Run(Command::Undo);
    EXPECT_FALSE(dialog->Changed());  // the stored state again
    dialog->Run(Command::Undo);
    EXPECT_TRUE(dialog->Changed());  // before the store: not what the files hold
    dialog->Run(Command::Redo);
    EXPECT_FALSE(dialog->Changed());
}

TEST_F(UndoRedoTest, ANewChangeDropsTheRedoSteps) {
    dialog->DestinationSelectionChanged(LineOf(0, 0));
    dialog->Run(Command::Delete);
    dialog->Run(Command::Undo);
    EXPECT_TRUE(dialog->CanRedo());
    dialog->DestinationSelectionChanged(LineOf(0, 1));
    dialog->Run(Command::Delete);
    EXPECT_FALSE(dialog->CanRedo());
    dialog->Run(Command::Redo);
    EXPECT_EQ(view.LastStatus(), "Nothing to redo");
    EXPECT_EQ(DestinationName(0, 0), "Old1");
}

TEST_F(UndoRedoTest, FiftyStepsAreKept) {
    for (int i = 0; i < 51; ++i) {
        ui.archiveNames = {"N" + std::to_string(i)};
        dialog->Archivename();
    }
    int steps = 0;
    while (dialog->CanUndo()) {
        dialog->Undo();
        ++steps;
    }
    EXPECT_EQ(steps, 50);
    EXPECT_EQ(dst().archiveName, "N0");  // the oldest step is gone
    EXPECT_TRUE(dialog->Changed());
}

TEST_F(UndoRedoTest, AChangeWithoutSnapshotEndsTheHistory) {
    dialog->DestinationSelectionChanged(LineOf(0, 0));
    dialog->Run(Command::Delete);
    dst().snapshots = false;
    dialog->DestinationSelectionChanged(LineOf(0, 1));
    dialog->Run(Command::Delete);
    EXPECT_FALSE(dialog->CanUndo());
    EXPECT_TRUE(dialog->Changed());
}

TEST_F(UndoRedoTest, AModelSwitchForgetsTheHistory) {
    dialog->DestinationSelectionChanged(LineOf(0, 0));
    dialog->Run(Command::Delete);
    ui.yesNo = {false};
    ui.modelChoices = {0};
    dialog->Run(Command::Model);
    EXPECT_FALSE(dialog->CanUndo());
    EXPECT_FALSE(dialog->Changed());
}

using UndoRealHandlerTest = RealWindowFixture;

TEST_F(UndoRealHandlerTest, ADroppedCopyIsUndoneAndRedoneInTheTyrosStore) {
    using namespace tyros_bytes;
    disk.Write("JAZZ.RGT", BankFile({Registration({Name("Swing")})}));
    StartWith(Model::Tyros);
    ui.folders = {disk.Path()};
    ui.bankChoices = {std::vector<int>{0}};
    dialog->Run(Command::LoadArchiveLeft);
    const std::vector<std::string> empty = view.destinationLines;
    ASSERT_EQ(empty.at(1), "  1: --- no reg ---");

    dialog->DropOnDestination(1, 1);
    EXPECT_EQ(view.destinationLines.at(1), "  1: Swing");
    EXPECT_TRUE(dialog->Changed());
    dialog->Run(Command::Undo);
    EXPECT_EQ(view.destinationLines, empty);
    EXPECT_FALSE(dialog->Changed());
    EXPECT_EQ(view.LastStatus(), "Undone: Copied Swing");
    dialog->Run(Command::Redo);
    EXPECT_EQ(view.destinationLines.at(1), "  1: Swing");
    EXPECT_TRUE(dialog->Changed());
}

}  // namespace
}  // namespace kalivo::test
