#include <algorithm>

#include "core/app/TyrosWindowFixture.h"

namespace kalivo::test {
namespace {

// Tyros-shaped handlers: bank header lines, eight registrations a bank.
class CommandTest : public TyrosWindowFixture {
protected:
    void SetUp() override {
        StartWith(Model::Tyros);
        MemoryBank jazz{"Jazz", {"Swing", std::nullopt, "Ballad"}, "", 0, "042", {}};
        Load(src(), {jazz, Bank("Rock", {"Riff"})});
        Load(dst(), {Bank("Mine", {"Old1", "Old2", "Old3"}), Bank("Other", {"Keep"})});
        ui.folderTitles.clear();
    }
};

TEST_F(CommandTest, SourceListShowsHeadersAndTyrosPrefixes) {
    ASSERT_EQ(view.sourceLines.size(), 18u);
    EXPECT_EQ(view.sourceLines[0], "Jazz");
    EXPECT_EQ(view.sourceLines[1], "  1: Swing");
    EXPECT_EQ(view.sourceLines[2], "  2: --- no reg ---");
    EXPECT_EQ(view.sourceLines[9], "Rock");
}

TEST_F(CommandTest, SingleCopyCopiesAndResetsTheSequence) {
    SelectBoth(0, 2, 1, 4);
    dialog->Copy();
    EXPECT_EQ(DestinationName(1, 4), "Ballad");
    EXPECT_TRUE(dst().Called("ResetBankSequence(1)"));
    EXPECT_TRUE(dialog->Changed());
    EXPECT_EQ(dialog->DestinationSelection().bank, kNone);
    EXPECT_EQ(view.sourceSelected, -1);
    EXPECT_EQ(view.destinationLines[LineOf(1, 4)], "  5: Ballad");
}

TEST_F(CommandTest, AfterACopyTheUnselectedSourceIsNotCopiedAgain) {
    SelectBoth(0, 2, 1, 4);
    dialog->Copy();
    dialog->DestinationSelectionChanged(LineOf(1, 5));
    dialog->Copy();
    EXPECT_EQ(DestinationName(1, 5), "<none>");
    EXPECT_FALSE(dst().Called("CopyRegistration(1,5"));
}

TEST_F(CommandTest, CopyOfAnEmptyRegistrationSaysNoRegistration) {
    SelectBoth(0, 1, 0, 0);
    dialog->Copy();
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"No registration"});
    EXPECT_EQ(DestinationName(0, 0), "Old1");
    EXPECT_FALSE(dst().Called("ResetBankSequence"));
    EXPECT_FALSE(dialog->Changed());
}

TEST_F(CommandTest, GroupCopyThatCopiedNothingSaysNothingAndKeepsBothLines) {
    dst().groupCopyResult = Status::kNotValid;  // cancelled, no block chosen or refused
    SelectBoth(0, 2, 1, 4);
    const std::size_t statuses = view.statuses.size();
    dialog->GroupCopy();
    EXPECT_TRUE(dst().Called("GroupCopyRegistration(1,4,0,2)"));
    EXPECT_EQ(view.statuses.size(), statuses);
    EXPECT_FALSE(dialog->Changed());
    // Both lines are still chosen: ">>" now copies that very registration.
    dialog->Copy();
    EXPECT_EQ(DestinationName(1, 4), "Ballad");
    // And the failed group copy left no step of its own to undo.
    dialog->Undo();
    EXPECT_EQ(DestinationName(1, 4), "<none>");
    EXPECT_FALSE(dialog->Changed());
}

TEST_F(CommandTest, MixedSelectionKindsCopyNothing) {
    SelectBoth(0, -1, 0, 3);  // a whole bank onto a single line
    dialog->Copy();
    EXPECT_FALSE(dst().Called("CopyRegistration"));
    EXPECT_EQ(dialog->DestinationSelection().bank, kNone);
    EXPECT_EQ(view.sourceSelected, -1);
    EXPECT_FALSE(dialog->Changed());
    SelectBoth(0, 0, 0, -1);  // and the other way round
    dialog->GroupCopy();
    EXPECT_FALSE(dst().Called("GroupCopyRegistration"));
}

TEST_F(CommandTest, WholeBankCopyMakesTheDestinationACopyOfTheSource) {
    SelectBoth(0, -1, 0, -1);
    dialog->Copy();
    EXPECT_EQ(DestinationName(0, 0), "Swing");
    // The empty source slot empties the old destination registration.
    EXPECT_EQ(DestinationName(0, 1), "<none>");
    EXPECT_EQ(DestinationName(0, 2), "Ballad");
    std::string name;
    dst().GetBankName(0, name);
    EXPECT_EQ(name, "Jazz");
    EXPECT_TRUE(dst().Called("CopyBankSequence(0,0)"));
    EXPECT_TRUE(dst().Called("SetBankIcon(0,042)"));
    EXPECT_TRUE(dialog->Changed());
}

TEST_F(CommandTest, WholeBankCopyFromAnAbsentBankStopsAtOnceButCopiesNameSequenceAndIcon) {
    SelectBoth(5, -1, 1, -1);
    dialog->Copy();
    int copies = 0;
    for (const auto& call : dst().calls) {
        copies += call.rfind("CopyRegistration", 0) == 0;
    }
    EXPECT_EQ(copies, 1);
    EXPECT_TRUE(dst().Called("SetBankName(1,Empty Bank)"));
    EXPECT_TRUE(dst().Called("CopyBankSequence(1,5)"));
    EXPECT_TRUE(dst().Called("SetBankIcon(1,)"));
    EXPECT_EQ(DestinationName(1, 0), "Keep");
}

TEST_F(CommandTest, CopyFromRegfilesUsesTheSelectedRegfile) {
    src().regfiles = {"A.tyr", "B.tyr"};
    ui.folders = {"/regs"};
    dialog->LoadRegfiles();
    EXPECT_EQ(view.sourceLines, (std::vector<std::string>{"A.tyr", "B.tyr"}));
    EXPECT_EQ(view.edits[EditField::SourceArchive], "Reg-Files");
    dialog->SourceSelectionChanged(1);
    dialog->DestinationSelectionChanged(LineOf(0, 5));
    dialog->Copy();
    EXPECT_TRUE(dst().Called("CopyRegfile(0,5,1)"));
    EXPECT_EQ(dialog->SourceRegfileIndex(), kNone);
    // Create Regfiles (left) does nothing while regfiles are shown.
    dialog->CreateRegfilesLeft();
    EXPECT_EQ(ui.folderTitles.size(), 1u);
}

TEST_F(CommandTest, FailedRegfileLoadShowsAnEmptyRegfileList) {
    src().regfiles = {"A.tyr"};
    ui.folders = {"/regs", "/bad"};
    dialog->LoadRegfiles();
    dialog->SourceSelectionChanged(0);
    src().loadRegfilesResult = Status::kNoRegfileFound;
    dialog->LoadRegfiles();
    EXPECT_TRUE(view.sourceLines.empty());
    EXPECT_TRUE(dialog->SourceShowsRegfiles());
    dialog->DestinationSelectionChanged(LineOf(0, 0));
    dialog->Copy();
    EXPECT_FALSE(dst().Called("CopyRegfile"));
}

TEST_F(CommandTest, AFailedRegfileLoadLeavesTheBanksShown) {
    const auto banks = view.sourceLines;
    src().loadRegfilesResult = Status::kNoRegfileFound;
    ui.folders = {"/bad"};
    dialog->LoadRegfiles();
    EXPECT_EQ(view.sourceLines, banks);
    EXPECT_FALSE(dialog->SourceShowsRegfiles());
    EXPECT_EQ(view.edits[EditField::SourceArchive], "Source");
}

TEST_F(CommandTest, LoadArchiveAndNewShowSourceAgainAfterRegfiles) {
    src().regfiles = {"A.tyr"};
    ui.folders = {"/regs"};
    dialog->LoadRegfiles();
    ASSERT_EQ(view.edits[EditField::SourceArchive], "Reg-Files");
    Load(src(), {Bank("Pop", {"Hit"})});
    EXPECT_EQ(view.edits[EditField::SourceArchive], "Source");
    dialog->LoadRegfiles();  // no folder chosen: nothing changes
    ui.folders = {"/regs"};
    dialog->LoadRegfiles();
    ASSERT_EQ(view.edits[EditField::SourceArchive], "Reg-Files");
    dialog->NewLeft();
    EXPECT_EQ(view.edits[EditField::SourceArchive], "Source");
}

TEST_F(CommandTest, UnknownVoicesAreReportedOnceAfterEachLoad) {
    src().calls.clear();
    Load(src(), {Bank("A", {"a"}), Bank("B", {"b"})});
    EXPECT_EQ(std::count(src().calls.begin(), src().calls.end(), "ReportUnknownVoices"), 1);
    src().regfiles = {"A.tyr"};
    ui.folders = {"/regs"};
    dialog->LoadRegfiles();
    EXPECT_EQ(std::count(src().calls.begin(), src().calls.end(), "ReportUnknownVoices"), 2);
}

TEST_F(CommandTest, NamesAreShownAsUtf8AndTypedNamesGoBackAsInstrumentText) {
    Load(src(), {Bank("F\xFCr Elise", {"Caf\xE9"})});
    ASSERT_EQ(view.sourceLines.size(), 27u);  // added after Jazz and Rock
    EXPECT_EQ(view.sourceLines[18], "F\xC3\xBCr Elise");
    EXPECT_EQ(view.sourceLines[19], "  1: Caf\xC3\xA9");
    dialog->DestinationSelectionChanged(LineOf(0, -1));
    ui.names = {"\xC3\x84rger"};  // "Ärger" as the dialog returns it
    dialog->Rename();
    std::string name;
    dst().GetBankName(0, name);
    EXPECT_EQ(name, "\xC4rger");
    EXPECT_EQ(view.destinationLines[0], "\xC3\x84rger");
    // The dialog is given the name as UTF-8 too.
    dialog->DestinationSelectionChanged(LineOf(0, -1));
    ui.names = {""};
    dialog->Rename();
    EXPECT_EQ(ui.nameRequests.back().first, "\xC3\x84rger");
}

TEST_F(CommandTest, DefaultRevoiceAsksFirstWhileTheVoiceTableIsIncomplete) {
    dst().voiceTableComplete = false;
    dst().banks[0]->voicesToRevoice = {2, 0, 1};
    dst().banks[1]->voicesToRevoice = {1};
    ui.yesNo = {false};
    dialog->DefaultRevoice();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Default Revoice");
    EXPECT_TRUE(ui.messages[0].defaultNo);
    EXPECT_EQ(ui.messages[0].text.rfind("Default Revoice would change 4 voice settings in 3 registrations.\n", 0), 0u);
    EXPECT_FALSE(dialog->Changed());
    EXPECT_EQ(dst().banks[0]->voicesToRevoice[0], 2);  // nothing changed

    ui.yesNoOrClose = {Answer::Cancel};  // the box closed: nothing changes either
    dialog->DefaultRevoice();
    EXPECT_EQ(dst().banks[0]->voicesToRevoice[0], 2);

    ui.yesNo = {true};
    dialog->DefaultRevoice();
    EXPECT_EQ(ui.messages.back().text, "4 voices revoiced to default");
    EXPECT_TRUE(dialog->Changed());

    // Nothing to change: no question, the usual report.
    ui.messages.clear();
    dialog->DefaultRevoice();
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"0 voices revoiced to default"});
}

TEST_F(CommandTest, OnlyYesOrNoDecideTheSaveQuestion) {
    SelectBoth(0, 0, 0, 0);
    dialog->Copy();
    ASSERT_TRUE(dialog->Changed());
    ui.yesNoOrClose = {Answer::Cancel};
    EXPECT_FALSE(dialog->Exit());
    EXPECT_FALSE(view.closed);
    EXPECT_TRUE(dialog->Changed());
    ui.yesNoOrClose = {Answer::No};
    EXPECT_TRUE(dialog->Exit());
}

TEST_F(CommandTest, SecondClickOnTheSameLineRenames) {
    dialog->DestinationSelectionChanged(LineOf(0, 1));
    ui.names = {"Fresh"};
    dialog->DestinationSelectionChanged(LineOf(0, 1));
    ASSERT_EQ(ui.nameRequests.size(), 1u);
    EXPECT_EQ(ui.nameRequests[0], std::make_pair(std::string("Old2"), 15));
    EXPECT_EQ(DestinationName(0, 1), "Fresh");
    EXPECT_TRUE(dialog->Changed());
    // The rebuild cleared the selection: the next click on that line selects it again.
    dialog->DestinationSelectionChanged(LineOf(0, 1));
    EXPECT_EQ(ui.nameRequests.size(), 1u);
    EXPECT_EQ(dialog->DestinationSelection().slot, 1);
}

TEST_F(CommandTest, RenameOfABankHeaderUsesTheBankName) {
    dialog->DestinationSelectionChanged(LineOf(1, -1));
    ui.names = {"Better"};
    dialog->Rename();
    EXPECT_EQ(ui.nameRequests.back(), std::make_pair(std::string("Other"), 35));
    EXPECT_TRUE(dst().Called("SetBankName(1,Better)"));
}

TEST_F(CommandTest, CancelledOrRefusedRenameChangesNothing) {
    dialog->DestinationSelectionChanged(LineOf(0, 0));
    dialog->Rename();  // Cancel gives an empty name
    EXPECT_FALSE(dialog->Changed());
    dialog->DestinationSelectionChanged(LineOf(0, 6));
    ui.names = {"Ghost"};
    dialog->Rename();  // an empty slot refuses
    EXPECT_FALSE(dialog->Changed());
}

TEST_F(CommandTest, DeleteOfABankHeaderDeletesEverySlot) {
    dialog->DestinationSelectionChanged(LineOf(0, -1));
    dialog->Delete();
    for (int slot = 0; slot < 8; ++slot) {
        EXPECT_TRUE(dst().Called("DeleteRegistration(0," + std::to_string(slot) + ")"));
    }
    EXPECT_TRUE(dst().Called("ResetBankSequence(0)"));
    EXPECT_EQ(DestinationName(0, 2), "<none>");
    EXPECT_TRUE(dialog->Changed());
}

// The list is rebuilt in place: the line worked on is only kept in view (no
// jump to another line), nothing else is selected, and focus goes back to the
// list the command acted on, never to the next button.
TEST_F(CommandTest, AfterACommandTheWorkedLineStaysInViewAndItsListHasTheFocus) {
    struct Case {
        Command command;
        int line;
        Pane focus;
    };
    SelectBoth(0, 0, 1, 4);
    ui.names = {"Renamed"};
    for (const Case& c : {Case{Command::Copy, LineOf(1, 4), Pane::Destination},
                          Case{Command::Rename, LineOf(0, 1), Pane::Destination},
                          Case{Command::Delete, LineOf(1, 0), Pane::Destination},
                          Case{Command::NewLeft, -1, Pane::Source}}) {
        if (c.command != Command::Copy && c.line >= 0) {
            dialog->DestinationSelectionChanged(c.line);
        }
        view.destinationSelections.clear();
        view.destinationKeptInView.clear();
        view.focused.clear();
        dialog->Run(c.command);
        if (c.line >= 0) {
            EXPECT_EQ(view.destinationKeptInView, std::vector<int>{c.line}) << static_cast<int>(c.command);
            EXPECT_EQ(view.destinationSelections.back(), -1);
            EXPECT_TRUE(std::all_of(view.destinationSelections.begin(), view.destinationSelections.end(),
                                    [](int line) { return line == -1; }));
        }
        EXPECT_EQ(view.focused, std::vector<Pane>{c.focus}) << static_cast<int>(c.command);
    }
    // A command that cannot act moves nothing.
    view.focused.clear();
    dialog->Run(Command::Delete);
    EXPECT_TRUE(view.focused.empty());
}

TEST_F(CommandTest, DefaultRevoiceReportsTheSumAndSetsChangedOnlyWhenSomethingChanged) {
    dialog->DefaultRevoice();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "0 voices revoiced to default");
    EXPECT_EQ(ui.messages[0].title, "KALIVO");
    EXPECT_FALSE(dialog->Changed());
    dst().banks[1]->voicesToRevoice = {2, 0, 0, 0, 0, 0, 0, 1};
    dialog->DefaultRevoice();
    EXPECT_EQ(ui.messages[1].text, "3 voices revoiced to default");
    EXPECT_TRUE(dialog->Changed());
}

TEST_F(CommandTest, StoreArchiveStoresChosenBanksInListOrder) {
    SelectBoth(0, 0, 0, 0);
    dialog->Copy();
    ui.folders = {"/out"};
    ui.bankChoices = {std::vector<int>{0, 1}};
    dialog->StoreArchive();
    EXPECT_TRUE(dst().Called("ClearStoreCancelled"));
    EXPECT_TRUE(dst().Called("StoreArchive(Mine,/out/,0)"));
    EXPECT_TRUE(dst().Called("StoreArchive(Other,/out/,1)"));
    EXPECT_EQ(ui.waitDepth, 0);
    EXPECT_FALSE(dialog->Changed());
}

TEST_F(CommandTest, StoreArchiveKeepsChangedWhenABankFailedOrWasLeftOut) {
    SelectBoth(0, 0, 0, 0);
    dialog->Copy();
    ui.folders = {"/out", "/out"};
    ui.bankChoices = {std::vector<int>{1}, std::vector<int>{0, 1}};
    dialog->StoreArchive();
    EXPECT_TRUE(dialog->Changed());  // bank "Mine" was not stored
    dst().storeResults = {Status::kDone, Status::kStoreCancelled};
    dialog->StoreArchive();
    EXPECT_TRUE(dialog->Changed());  // the second bank was cancelled
    EXPECT_EQ(view.LastStatus(), "Stored 1 of 2 banks in /out");
    ui.folders = {"/out"};
    ui.bankChoices = {std::vector<int>{0}};
    dst().storeResults = {Status::kReplaceDeclined};
    dialog->StoreArchive();
    EXPECT_EQ(view.LastStatus(), "Nothing stored in /out");
}

TEST_F(CommandTest, ExitAsksAndYesStoresAndKeepsTheWindowOpen) {
    SelectBoth(0, 0, 0, 0);
    dialog->Copy();
    ui.yesNo = {true};
    ui.folders = {"/out"};
    dst().storeResults = {Status::kReplaceDeclined};  // the store fails
    ui.bankChoices = {std::vector<int>{0, 1}};
    EXPECT_FALSE(dialog->Exit());
    EXPECT_FALSE(view.closed);
    EXPECT_EQ(ui.messages[0].text, "Save changed registrations?");
    // The failed store left the work marked unsaved, so the next Exit asks again.
    ui.yesNo = {false};
    EXPECT_TRUE(dialog->Exit());
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_TRUE(view.closed);
}

TEST_F(CommandTest, TyrosLoadIntoTheDestinationKeepsUnsavedChanges) {
    SelectBoth(0, 0, 0, 0);
    dialog->Copy();
    dst().archives = {"a.rgt", "b.rgt"};
    dst().archiveContents["b.rgt"] = {Bank("Loaded", {"X"})};
    ui.folders = {"/disk"};
    ui.bankChoices = {std::vector<int>{1}};
    dialog->LoadArchiveRight();
    EXPECT_TRUE(dst().Called("LoadDestinationArchive(/disk/,b.rgt)"));
    EXPECT_TRUE(dialog->Changed());
    EXPECT_EQ(view.destinationLines[LineOf(2, -1)], "Loaded");
}

TEST_F(CommandTest, TyrosLoadStopsAtTheFirstBankThatDoesNotFit) {
    src().archives = {"1.rgt", "2.rgt", "3.rgt"};
    src().loadResults = {Status::kDone, Status::kNoRoomForBank, Status::kDone};
    ui.folders = {"/disk"};
    ui.bankChoices = {std::vector<int>{0, 1, 2}};
    dialog->LoadArchiveLeft();
    EXPECT_TRUE(src().Called("LoadSourceArchive(/disk/,2.rgt)"));
    EXPECT_FALSE(src().Called("LoadSourceArchive(/disk/,3.rgt)"));
    EXPECT_EQ(ui.waitDepth, 0);
}

TEST_F(CommandTest, EditSequenceStoresOrResets) {
    dialog->DestinationSelectionChanged(LineOf(0, -1));
    ui.editBankResults = {EditBankResult{"312", 2}};
    dialog->EditSequence();
    ASSERT_EQ(ui.editBankRequests.size(), 1u);
    EXPECT_EQ(ui.editBankRequests[0].usedSlots, "123");
    EXPECT_EQ(ui.editBankRequests[0].bankName, "Mine");
    EXPECT_TRUE(dst().Called("SetBankSequence(0,312,2)"));
    EXPECT_TRUE(dialog->Changed());
    ui.editBankResults = {EditBankResult{"", 1}};
    dialog->EditSequence();
    EXPECT_TRUE(dst().Called("ResetBankSequence(0)"));
}

TEST_F(CommandTest, UsedSlotDigitsWithGapsDecideWhatEditIconAndEditSequenceOffer) {
    // Parts 1, 3 and 8 hold something: digits "138", not a count.
    Load(dst(), {MemoryBank{"Gaps", {"One", std::nullopt, "Three", std::nullopt, std::nullopt, std::nullopt,
                                     std::nullopt, "Eight"},
                            "", 0, "", {}}});
    dialog->DestinationSelectionChanged(LineOf(2, -1));
    dialog->EditSequence();
    ASSERT_EQ(ui.editBankRequests.size(), 1u);
    EXPECT_EQ(ui.editBankRequests[0].usedSlots, "138");
    for (int slot : {1, 3, 6}) {
        dialog->DestinationSelectionChanged(LineOf(2, slot));
        dialog->EditIcon();
    }
    EXPECT_TRUE(ui.editIconRequests.empty());
    for (int slot : {0, 2, 7}) {
        dialog->DestinationSelectionChanged(LineOf(2, slot));
        dialog->EditIcon();
    }
    ASSERT_EQ(ui.editIconRequests.size(), 3u);
    EXPECT_EQ(ui.editIconRequests[2].first, "Eight");
}

TEST_F(CommandTest, EditIconUsesTheEditIconDialogWithoutIcons) {
    dialog->DestinationSelectionChanged(LineOf(0, 2));
    ui.editIconResults = {std::string("123")};
    dialog->EditIcon();
    ASSERT_EQ(ui.editIconRequests.size(), 1u);
    EXPECT_EQ(ui.editIconRequests[0], std::make_pair(std::string("Old3"), std::string("R02")));
    EXPECT_TRUE(dst().Called("SetRegistrationIcon(0,2,123)"));
    // An empty registration's line opens nothing.
    dialog->DestinationSelectionChanged(LineOf(0, 5));
    dialog->EditIcon();
    EXPECT_EQ(ui.editIconRequests.size(), 1u);
}

}  // namespace
}  // namespace kalivo::test
