#include <fstream>

#include "app/FilteredList.h"
#include "core/tyros/TyrosTestBytes.h"
#include "core/app/RealWindowFixture.h"
#include "core/app/TyrosWindowFixture.h"

namespace kalivo::test {
namespace {

TEST(FilteredListTest, MatchesLettersWithoutCaseAlsoBeyondAscii) {
    EXPECT_TRUE(FilteredList::ContainsNoCase("Swing Low", "swing"));
    EXPECT_TRUE(FilteredList::ContainsNoCase("\xC3\x84rger", "\xC3\xA4R"));  // "Ärger" found by "äR"
    EXPECT_FALSE(FilteredList::ContainsNoCase("Swing", "wings"));
    EXPECT_TRUE(FilteredList::ContainsNoCase("Swing", ""));
}

class FindTest : public TyrosWindowFixture {};

TEST_F(FindTest, NarrowsToMatchingRegistrationsUnderTheirBanks) {
    dialog->SetFilter(Pane::Source, "SWING");
    EXPECT_EQ(view.sourceLines, (std::vector<std::string>{"Jazz", "  1: Swing", "Rock", "  2: Swing Low"}));
    EXPECT_EQ(view.sourceKinds, (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(dialog->Filter(Pane::Source), "SWING");
    dialog->SetFilter(Pane::Source, "no reg");  // empty slots have no name to find
    EXPECT_TRUE(view.sourceLines.empty());
    dialog->SetFilter(Pane::Source, "rock");  // a bank found by its own name
    EXPECT_EQ(view.sourceLines, (std::vector<std::string>{"Rock"}));
    dialog->SetFilter(Pane::Source, "");
    EXPECT_EQ(view.sourceLines.size(), 18u);
}

TEST_F(FindTest, CommandsOnFilteredLinesHitTheRightRegistration) {
    dialog->SetFilter(Pane::Source, "low");
    dialog->SetFilter(Pane::Destination, "old3");
    ASSERT_EQ(view.destinationLines, (std::vector<std::string>{"Mine", "  3: Old3"}));
    dialog->SourceSelectionChanged(1);       // Swing Low, bank 1 slot 1
    dialog->DestinationSelectionChanged(1);  // Old3, bank 0 slot 2
    dialog->Run(Command::Copy);
    EXPECT_TRUE(dst().Called("CopyRegistration(0,2,1,1)"));
    EXPECT_EQ(DestinationName(0, 2), "Swing Low");

    dialog->SetFilter(Pane::Destination, "keep");
    dialog->DestinationSelectionChanged(1);
    ui.names = {"Kept"};
    dialog->Run(Command::Rename);
    EXPECT_TRUE(dst().Called("RenameRegistration(1,0,Kept)"));
    dialog->SetFilter(Pane::Destination, "kept");
    dialog->DestinationSelectionChanged(1);
    dialog->Run(Command::Delete);
    EXPECT_TRUE(dst().Called("DeleteRegistration(1,0)"));
    EXPECT_EQ(DestinationName(0, 0), "Old1");
}

TEST_F(FindTest, ClearingRestoresTheListAndTheSelection) {
    dialog->DestinationSelectionChanged(LineOf(1, 0));  // Keep
    dialog->SetFilter(Pane::Destination, "kee");
    EXPECT_EQ(view.destinationSelected, 1);
    dialog->SetFilter(Pane::Destination, "");
    EXPECT_EQ(view.destinationSelected, LineOf(1, 0));
    EXPECT_EQ(dialog->DestinationSelection().bank, 1);
    EXPECT_EQ(dialog->DestinationSelection().slot, 0);
}

TEST_F(FindTest, AHiddenSelectionIsNotActedOnButComesBack) {
    dialog->DestinationSelectionChanged(LineOf(0, 0));  // Old1
    dialog->SetFilter(Pane::Destination, "keep");
    EXPECT_EQ(view.destinationSelected, -1);
    dialog->Run(Command::Delete);
    EXPECT_FALSE(dst().Called("DeleteRegistration"));
    dialog->SetFilter(Pane::Destination, "");
    EXPECT_EQ(view.destinationSelected, LineOf(0, 0));
    dialog->Run(Command::Delete);
    EXPECT_TRUE(dst().Called("DeleteRegistration(0,0)"));
}

TEST_F(FindTest, ARebuiltListKeepsItsFilter) {
    dialog->SetFilter(Pane::Destination, "old");
    dialog->DestinationSelectionChanged(2);  // Old2
    dialog->Run(Command::Delete);
    EXPECT_EQ(view.destinationLines, (std::vector<std::string>{"Mine", "  1: Old1", "  3: Old3"}));
}

class DropTest : public TyrosWindowFixture {};

TEST_F(DropTest, DroppingOnTheDestinationIsCopy) {
    dialog->DropOnDestination(LineOf(0, 2), LineOf(1, 4));
    EXPECT_EQ(DestinationName(1, 4), "Ballad");
    EXPECT_EQ(view.LastStatus(), "Copied Ballad");
    dialog->DropOnDestination(LineOf(1, -1), LineOf(0, -1));
    std::string name;
    dst().GetBankName(0, name);
    EXPECT_EQ(name, "Rock");
    dialog->DropOnDestination(LineOf(1, -1), LineOf(0, 3));  // a bank onto one line
    EXPECT_EQ(view.LastStatus(), "Select a registration on both sides, or a bank header on both sides");
    EXPECT_TRUE(dialog->CanUndo());
}

TEST_F(DropTest, DroppedBankFilesOfOneFolderLoadThoseFiles) {
    src().archives = {"A.rgt", "B.rgt", "C.rgt"};
    src().archiveContents["C.rgt"] = {Bank("Cee", {"C1"})};
    EXPECT_TRUE(dialog->DropOnSource({"/disk/c.RGT", "/disk/A.rgt"}));
    EXPECT_TRUE(src().Called("LoadSourceArchive(/disk/,C.rgt)"));
    EXPECT_TRUE(src().Called("LoadSourceArchive(/disk/,A.rgt)"));
    EXPECT_FALSE(src().Called("LoadSourceArchive(/disk/,B.rgt)"));
    EXPECT_TRUE(ui.folderTitles.empty());
    EXPECT_EQ(view.LastStatus(), "Added 2 banks (3 loaded in all)");
}

TEST_F(DropTest, MixedFoldersOrNothingLoadableSayWhy) {
    src().archives = {"A.rgt"};
    src().calls.clear();
    EXPECT_FALSE(dialog->DropOnSource({"/one/A.rgt", "/two/A.rgt"}));
    EXPECT_EQ(view.LastStatus(), "Drop bank files of one folder at a time");
    EXPECT_FALSE(dialog->DropOnSource({"/one/notes.txt"}));
    EXPECT_EQ(view.LastStatus(), "Nothing there that this model can load");
    EXPECT_FALSE(dialog->DropOnSource({}));
    EXPECT_FALSE(src().Called("LoadSourceArchive"));
}

TEST_F(DropTest, ADroppedFolderOffersItsArchivesAsLoadArchiveDoes) {
    src().archives = {"A.rgt", "B.rgt"};
    ui.bankChoices = {std::vector<int>{1}};
    const std::size_t asked = ui.bankLists.size();
    EXPECT_TRUE(dialog->DropOnSource({dir.Path()}));
    EXPECT_TRUE(ui.folderTitles.empty());
    EXPECT_EQ(ui.bankLists.size(), asked + 1);
    EXPECT_TRUE(src().Called("LoadSourceArchive(" + dir.Path() + "/,B.rgt)"));
}

TEST(DropSingleArchiveTest, OneArchiveAtATime) {
    TempFolder dir;
    ScriptedUserInterface ui;
    FakeMainView view;
    std::ofstream(dir.File("kalivo.ini"), std::ios::binary) << "[Model]\r\n" << ModelCatalog::NameOf(Model::Psr740) << "\r\n";
    MemoryHandler* source = nullptr;
    auto factory = [&](UserInterface& port) {
        HandlerSet set;
        for (auto& handler : set) {
            handler = std::make_unique<MemoryHandler>(port, ListGeometry{false, 32, 32, 4});
        }
        source = static_cast<MemoryHandler*>(set[0].get());
        return set;
    };
    MainDialog dialog(view, ui, dir.File("kalivo.ini"), factory, [](const IconSettings& i) { return i; });
    dialog.Initialize();
    source->archives = {"ONE", "TWO"};
    source->archiveName = "ONE";
    EXPECT_FALSE(dialog.DropOnSource({"/disk/ONE", "/disk/TWO"}));
    EXPECT_EQ(view.LastStatus(), "Drop one archive at a time");
    EXPECT_TRUE(dialog.DropOnSource({"/disk/two"}));
    EXPECT_TRUE(source->Called("LoadSourceArchive(/disk/,TWO)"));
    EXPECT_EQ(view.LastStatus(), "Loaded TWO from /disk");
}

using DropRealFilesTest = RealWindowFixture;

TEST_F(DropRealFilesTest, TyrosBankFilesDroppedByTheirFileNamesLoad) {
    using namespace tyros_bytes;
    disk.Write("JAZZ.RGT", BankFile({Registration({Name("Swing")})}));
    disk.Write("Rock.rgt", BankFile({Registration({Name("Riff")})}));
    disk.Write("notes.txt", std::string("not a bank"));
    StartWith(Model::Tyros);
    EXPECT_TRUE(dialog->DropOnSource({disk.File("JAZZ.RGT"), disk.File("notes.txt")}));
    EXPECT_EQ(view.sourceLines.at(0), "JAZZ");
    EXPECT_EQ(view.sourceLines.at(1), "  1: Swing");
    EXPECT_EQ(view.sourceLines.size(), 9u);  // Rock.rgt was not dropped
    EXPECT_EQ(view.LastStatus(), "Added 1 bank (1 loaded in all)");
}

}  // namespace
}  // namespace kalivo::test
