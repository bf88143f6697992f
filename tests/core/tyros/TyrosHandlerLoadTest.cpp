#include <filesystem>

#include "core/tyros/TyrosHandlerFixture.h"

namespace kalivo {
namespace {

using namespace test::tyros_bytes;
using Fixture = test::TyrosHandlerFixture;

TEST_F(Fixture, ListArchivesSortsTitlesIgnoringCase) {
    for (const char* file : {"b.rgt", "A.rgt", "a b.rgt", "Jazz.S917.rgt", "UPPER.RGT", "notes.txt", ".rgt"}) {
        dir.Write(file, "x");
    }
    StringList names;
    EXPECT_EQ(source.ListArchives(Folder(), names), Status::kDone);
    EXPECT_EQ(names, (StringList{"A", "a b", "b", "Jazz.S917", "UPPER"}));

    test::TempFolder empty;
    StringList none;
    EXPECT_EQ(source.ListArchives(empty.Path() + "/", none), Status::kNotValid);
    EXPECT_TRUE(none.empty());
}

// The listing Load Archive showed is out of date when the file was renamed since.
TEST_F(Fixture, ALoadFindsABankFileRenamedSinceTheListing) {
    WriteBank("Jazz", {"Swing"});
    StringList names;
    ASSERT_EQ(source.ListArchives(Folder(), names), Status::kDone);
    std::filesystem::rename(dir.File("Jazz.rgt"), dir.File("JAZZ.RGT"));
    ASSERT_EQ(source.LoadSourceArchive(Folder(), "Jazz"), Status::kDone);
    EXPECT_EQ(NameAt(source, 0, 0), "Swing");
}

TEST_F(Fixture, LoadingFillsTheNextBankWithNameAndIconCode) {
    WriteBank("Jazz.S123", {"Swing", "Bossa"});
    WriteBank("Odd.S12x", {"One"});
    WriteBank("Plain", {"Two"});
    dir.Write("LOUD.RGT", BankFile({Registration({Name("Three")})}));
    for (const char* title : {"Jazz.S123", "Odd.S12x", "Plain", "LOUD"}) {
        LoadSource(title);
    }
    EXPECT_EQ(source.SourceBankCount(), 4);
    EXPECT_EQ(BankName(source, 0), "Jazz");
    EXPECT_EQ(source.GetBankIcon(0), "123");
    EXPECT_EQ(source.GetBankIcon(1), "917");
    EXPECT_EQ(source.GetBankIcon(2), "   ");
    EXPECT_EQ(NameAt(source, 0, 1), "Bossa");
    EXPECT_EQ(NameAt(source, 3, 0), "Three");

    std::string name;
    EXPECT_EQ(source.GetRegistrationName(0, 2, name), Status::kNoRegistration);
    EXPECT_EQ(name, "--- no reg ---");
    EXPECT_EQ(source.GetRegistrationName(-1, 0, name), Status::kBankNotInUse);
    EXPECT_EQ(source.GetRegistrationName(512, 0, name), Status::kBankNotInUse);
    EXPECT_EQ(source.GetRegistrationName(0, 8, name), Status::kNoRegistration);
    std::string used;
    source.GetUsedSlots(0, used);
    EXPECT_EQ(used, "12");
}

TEST_F(Fixture, AnInvalidBankFileUsesUpItsBankAndChangesNothing) {
    dir.Write("Broken.rgt", std::string("SpfF....XXXX"));
    WriteBank("Good", {"Fine"});
    // Each refusal names its file and is no success (kalivo-cli's exit status).
    EXPECT_EQ(source.LoadSourceArchive(Folder(), "Broken"), Status::kNotValid);
    EXPECT_EQ(source.LoadSourceArchive(Folder(), "Missing"), Status::kNotValid);
    LoadSource("Good");
    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{"File " + Folder() + "Broken.rgt is no valid archive",
                                                          "File " + Folder() + "Missing.rgt cannot be read"}));
    EXPECT_EQ(source.SourceBankCount(), 3);
    EXPECT_EQ(BankName(source, 0), "Empty Bank");
    EXPECT_EQ(BankName(source, 2), "Good");

    destination.ClearDestination(0);
    EXPECT_EQ(destination.LoadDestinationArchive(Folder(), "Broken"), Status::kNotValid);
    StringList banks;
    destination.ListBanks(banks);
    EXPECT_TRUE(banks.empty());
}

TEST_F(Fixture, TheFiveHundredThirteenthBankIsRefusedWithOneMessage) {
    WriteBank("Bank", {"R"});
    for (int i = 0; i < 512; ++i) {
        ASSERT_EQ(source.LoadSourceArchive(Folder(), "Bank"), Status::kDone);
    }
    EXPECT_EQ(source.LoadSourceArchive(Folder(), "Bank"), Status::kNoRoomForBank);
    EXPECT_EQ(source.SourceBankCount(), 512);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"max number (512) of archives exceeded"});
    EXPECT_EQ(NameAt(source, 511, 0), "R");
}

TEST_F(Fixture, ANoToAVoiceWarningSilencesTheRestOfTheLoadAndLaterLoads) {
    const Bytes unknown = Registration({Name("U"), Voice(11, 104, 0, 0)});
    dir.Write("Odd.rgt", BankFile({unknown, unknown, unknown}));
    source.SetVoiceTableComplete(true);
    ui.yesNo = {false};
    LoadSource("Odd");
    LoadSource("Odd");
    EXPECT_EQ(ui.messages.size(), 1u);

    // New (left) switches the warnings on again.
    source.ClearSource();
    ui.yesNo = {true, true, true};
    LoadSource("Odd");
    EXPECT_EQ(ui.messages.size(), 4u);
}

TEST_F(Fixture, DestinationLoadsStartAtBankZeroWhenNothingIsThere) {
    WriteBank("First", {"A"});
    destination.ClearDestination(3);
    EXPECT_EQ(destination.DestinationBankCount(), 3);
    destination.LoadDestinationArchive(Folder(), "First");
    EXPECT_EQ(destination.DestinationBankCount(), 1);
    destination.LoadDestinationArchive(Folder(), "First");
    EXPECT_EQ(destination.DestinationBankCount(), 2);
    EXPECT_EQ(BankName(destination, 1), "First");
}

TEST_F(Fixture, NewLeftEmptiesEverything) {
    WriteBank("Bank", {"R"});
    LoadSource("Bank");
    dir.Write("one.tyr", Regfile("Bank", 0, Registration({Name("Solo")})));
    ASSERT_EQ(source.LoadRegfiles(dir.Path()), Status::kDone);
    source.ClearSource();
    EXPECT_EQ(source.SourceBankCount(), 0);
    EXPECT_EQ(source.EntryCount(), 0);
    EXPECT_EQ(BankName(source, 0), "Empty Bank");
}

}  // namespace
}  // namespace kalivo
