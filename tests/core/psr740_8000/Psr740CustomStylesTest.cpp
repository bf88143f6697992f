// Custom style names from a style disk's "sty.mng": beside a loaded set,
// from a default folder, or from a style archive the user picks.
#include <gtest/gtest.h>

#include <functional>

#include "core/psr740_8000/Psr740TestSupport.h"

namespace kalivo::test::psr {
namespace {

std::string Style(Psr740FamilyHandler& handler, int bank, int slot) {
    std::string name;
    handler.GetStyleName(bank, slot, name, 0);
    return name;
}

class Psr740StylesTest : public Psr740Fixture {
protected:
    void SetUp() override {
        Psr740Fixture::SetUp();
        Fill(destination, {{0, 0, {"A", 160}}, {0, 1, {"B", 161}}, {0, 2, {"C", 162}}});
        ASSERT_EQ(destination.StoreArchive("SET", Folder(disk), 0), Status::kDone);  // set 001
        destination.CreateStore();
    }
    void Load() { loadResult = source.LoadSourceArchive(Folder(disk), "SET"); }
    std::optional<Status> loadResult;
};

TEST_F(Psr740StylesTest, ImplicitSearchReadsTheEntriesOfTheSetsOwnNumber) {
    disk.Write("STY.MNG", std::string("S__00102\r\nMyBossa\r\nS__00201\r\nOther set\r\n"));
    source.SetStyleArchiveOptions(false, false, "", true);
    Load();
    EXPECT_EQ(loadResult, Status::kDone);
    EXPECT_EQ(Style(source, 0, 0), "Custom Style 1");
    EXPECT_EQ(Style(source, 0, 1), "MyBossa");
    EXPECT_EQ(Style(source, 0, 2), "Custom Style 3");
}

TEST_F(Psr740StylesTest, ImplicitSearchStartsFromTheDefaultsAndMissingFileSaysNothing) {
    disk.Write("sty.mng", std::string("S__00101\r\nFirst\r\n"));
    source.SetStyleArchiveOptions(false, false, "", true);
    Load();
    EXPECT_EQ(Style(source, 0, 0), "First");
    std::filesystem::remove(disk.File("sty.mng"));
    Load();
    EXPECT_EQ(loadResult, Status::kDone);
    EXPECT_EQ(Style(source, 0, 0), "Custom Style 1");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Psr740StylesTest, ImplicitStyleArchiveThatIsThereButUnreadableOrNotValidIsNamedOnce) {
    source.SetStyleArchiveOptions(false, false, "", true);
    struct Case {
        const char* what;
        std::function<void()> make;
    };
    const Case cases[] = {
        {"a folder", [&] { ASSERT_TRUE(FileSystem::CreateDirectory(disk.File("STY.MNG"))); }},
        // Slot 04 is one past the PSR-740's three.
        {"a slot past the table", [&] { disk.Write("STY.MNG", std::string("S__00101\r\nFirst\r\nS__00104\r\nX\r\n")); }},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(disk.File("STY.MNG"));
        c.make();
        ui.messages.clear();
        Load();
        EXPECT_EQ(loadResult, Status::kDone) << c.what;
        ASSERT_EQ(Messages().size(), 1u) << c.what;
        EXPECT_NE(Messages()[0].find(disk.File("STY.MNG")), std::string::npos) << Messages()[0];
        EXPECT_EQ(Name(source, 0, 0), "A") << c.what;
    }
}

// The window's store carries the entry of the one set the registrations came from.
TEST_F(Psr740StylesTest, StoreCarriesTheStyleEntryOnlyOfRegistrationsFromOneSet) {
    disk.Write("STY.MNG", std::string("S__00102\r\nMyBossa\r\n"));
    Load();
    ASSERT_EQ(loadResult, Status::kDone);
    for (int slot = 0; slot < 3; ++slot) {
        ASSERT_EQ(destination.CopyRegistration(4, slot, &source, 0, slot), Status::kDone);
    }
    ASSERT_EQ(destination.StoreArchive("ONE", Folder(other), 0), Status::kDone);
    EXPECT_EQ(other.Read("STY.MNG"), "S__00102\r\nMyBossa\r\n");

    Fill(destination, {{9, 0, {"Regfile"}}});  // a registration of no set
    ASSERT_EQ(destination.StoreArchive("MIXED", Folder(other), 0), Status::kDone);
    EXPECT_EQ(other.Read("STY.MNG"), "S__00102\r\nMyBossa\r\n");
}

TEST_F(Psr740StylesTest, AskFlagAloneWantsAStyleArchiveAndNoFlagLeavesNames) {
    source.SetStyleArchiveOptions(true, false, "", false);
    Load();
    EXPECT_EQ(loadResult, Status::kStyleArchiveWanted);
    EXPECT_EQ(Name(source, 0, 0), "A");  // the set is loaded all the same
    source.SetStyleArchiveOptions(false, false, "", false);
    Load();
    EXPECT_EQ(loadResult, Status::kDone);
}

TEST_F(Psr740StylesTest, DefaultFolderReadsEverySetAndStopsAtASlotPastTheTable) {
    other.Write("sty.mng", std::string("S__00702\r\nSeven\x00\x00  \r\nS__00905\r\nToo far\r\nS__00901\r\nLate\r\n", 56));
    EXPECT_FALSE(source.SetStyleArchiveOptions(false, true, other.Path(), false));
    Load();
    EXPECT_EQ(Style(source, 0, 1), "Seven");
    EXPECT_EQ(Style(source, 0, 0), "Custom Style 1");
    EXPECT_FALSE(source.SetStyleArchiveOptions(false, true, disk.File("none"), false));
    EXPECT_TRUE(source.SetStyleArchiveOptions(false, false, disk.File("none"), false));
}

TEST_F(Psr740StylesTest, ChosenStyleArchiveReadsItsSetAndSkipsSlotZero) {
    other.Write("STYLES.USR", std::string("header\r\nS__004\r\n"));
    other.Write("STY.MNG", std::string("S__00400\r\nNo slot\r\nS__00403\r\nThird\r\nS__00103\r\nWrong set\r\n"));
    Load();
    EXPECT_EQ(source.LoadStyleArchive(Folder(other), "styles"), Status::kDone);
    EXPECT_EQ(Style(source, 0, 2), "Third");
    EXPECT_EQ(Style(source, 0, 0), "Custom Style 1");
}

TEST_F(Psr740StylesTest, ChosenStyleArchiveThatCannotBeReadGivesTwo) {
    EXPECT_EQ(source.LoadStyleArchive(Folder(other), "none"), Status::kNotValid);
    other.Write("NOKEY.USR", std::string("no key here\r\n"));
    other.Write("sty.mng", std::string("S__00101\r\nX\r\n"));
    EXPECT_EQ(source.LoadStyleArchive(Folder(other), "NOKEY"), Status::kNotValid);
    other.Write("KEY.USR", std::string("S__001\r\n"));
    std::filesystem::remove(other.File("sty.mng"));
    EXPECT_EQ(source.LoadStyleArchive(Folder(other), "KEY"), Status::kNotValid);
}

TEST_F(Psr8000Fixture, SixteenCustomSlotsAndNewResetsThem) {
    Fill(destination, {{0, 0, {"Funky one", 214}}, {0, 1, {"Last", 229}}});
    other.Write("sty.mng", std::string("S__00101\r\nFunky\r\nS__00116\r\nSixteenth\r\nS__00117\r\nNo\r\n"));
    EXPECT_FALSE(destination.SetStyleArchiveOptions(false, true, other.Path(), false));
    std::string name;
    destination.GetStyleName(0, 0, name, 1);
    EXPECT_EQ(name, "*Funky*");
    destination.GetStyleName(0, 1, name, 1);
    EXPECT_EQ(name, "*Sixteenth*");
    destination.ClearDestination(0);
    Fill(destination, {{0, 0, {"Funky one", 214}}});
    destination.GetStyleName(0, 0, name, 1);
    EXPECT_EQ(name, "*Custom 1*");
}

}  // namespace
}  // namespace kalivo::test::psr
