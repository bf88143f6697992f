// Regfiles: reading a folder of single registrations and writing one file
// per registration under names made from title, archive and position.
#include <gtest/gtest.h>

#include "core/psr740_8000/PsrTestSupport.h"
#include "handlers/StatusCodes.h"

namespace kalivo::test::psr {
namespace {

TEST_F(Psr740Fixture, RegfileNamesFollowTitleArchiveAndPositionAndNeverReplace) {
    Fill(destination, {{1, 2, {"Let's go"}}});
    destination.SetArchiveName("MYSET");
    ASSERT_EQ(destination.CreateRegfiles(Folder(other)), 0);
    ASSERT_EQ(destination.CreateRegfiles(Folder(other)), 0);
    EXPECT_EQ(other.Names(), (std::vector<std::string>{"Let_s_go_MYSET(2-3)#1.p74", "Let_s_go_MYSET(2-3).p74"}));
    EXPECT_EQ(other.ReadBytes("Let_s_go_MYSET(2-3).p74").size(), 287u);
}

TEST_F(Psr8000Fixture, TrailingReplacementsAreDroppedAndUnsafeCharactersStayInside) {
    Fill(destination, {{0, 0, {"A B ?"}}, {0, 1, {"../up"}}, {0, 2, {"?*'"}}});
    destination.SetArchiveName("Set");
    ASSERT_EQ(destination.CreateRegfiles(Folder(other)), 0);
    EXPECT_EQ(other.Names(), (std::vector<std::string>{"A_B_Set(1-1).p8k", "_.._up_Set(1-2).p8k", "_Set(1-3).p8k"}));
    const Bytes written = other.ReadBytes("A_B_Set(1-1).p8k");
    const auto record = destination.Memory().Record(0, 0);
    EXPECT_TRUE(std::equal(written.begin(), written.end(), record.begin(), record.end()));
}

TEST_F(Psr8000Fixture, CreateRegfilesTriesEveryFileAndSaysOnceWhatFailed) {
    Fill(destination, {{0, 0, {"One"}}, {0, 1, {"Two"}}, {3, 0, {"Three"}}});
    destination.SetArchiveName("Set");
    const std::string missing = Folder(other) + "missing/";
    EXPECT_EQ(destination.CreateRegfiles(missing), status::kNotValid);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"File " + missing + "One_Set(1-1).p8k cannot be written (and 2 more)"}));
}

TEST_F(Psr8000Fixture, NumberingGoesOnPastTheLastThreeDigitName) {
    Fill(destination, {{0, 0, {"x"}}});
    destination.SetArchiveName("s");
    other.Write("x_s(1-1).P8K", std::string("old"));
    for (int i = 1; i <= 999; ++i) {
        other.Write("x_s(1-1)#" + std::to_string(i) + ".p8k", std::string("old"));
    }
    ASSERT_EQ(destination.CreateRegfiles(Folder(other)), 0);
    EXPECT_EQ(other.Read("x_s(1-1).P8K"), "old");
    EXPECT_EQ(other.ReadBytes("x_s(1-1)#1000.p8k").size(), 316u);
}

TEST_F(Psr740Fixture, NothingToWriteWithoutAUsedBank) {
    EXPECT_EQ(destination.CreateRegfiles(Folder(other)), 14);
    EXPECT_TRUE(other.Names().empty());
}

TEST_F(Psr8000Fixture, LoadSortsIgnoringCaseAndStaysStable) {
    other.Write("b.p8k", Record(Model(), {"Bee"}));
    other.Write("A.P8K", Record(Model(), {"Ay"}));
    other.Write("c.p74", Record(PsrModel::Psr740(), {"Not this model"}));
    ASSERT_EQ(source.LoadRegfiles(other.Path()), 0);
    StringList names;
    source.ListRegfiles(names);
    EXPECT_EQ(names, (StringList{"A", "b"}));
    std::string title;
    source.GetRegfileName(1, title);
    EXPECT_EQ(title, "Bee");
}

TEST_F(Psr8000Fixture, EmptyFolderEmptiesTheListAndSaysSo) {
    other.Write("a.p8k", Record(Model(), {"A"}));
    ASSERT_EQ(source.LoadRegfiles(other.Path()), 0);
    EXPECT_EQ(source.LoadRegfiles(disk.Path()), 12);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"No reg-files found"}));
    StringList names;
    source.ListRegfiles(names);
    EXPECT_TRUE(names.empty());
}

TEST_F(Psr740Fixture, ShortRegfileTakesTheRestFromTheDefaultAndALongOneIsCut) {
    Bytes full = Record(Model(), {"Short", 5, 0x0102});
    other.Write("short.p74", Bytes(full.begin(), full.begin() + 38));  // ends inside the tempo
    Bytes longer = full;
    longer.resize(400, 0xEE);
    other.Write("long.p74", longer);
    other.Write("zero.p74", Bytes());
    ASSERT_EQ(source.LoadRegfiles(other.Path()), 0);
    int tempo = 0;
    source.GetRegfileTempo(1, tempo);  // "short"
    EXPECT_EQ(tempo, 0x0100);
    const auto& entries = source.Regfiles().Entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].record, full);
    Bytes standard(287);
    Model().makeDefault(standard, 0, 0);
    EXPECT_EQ(entries[2].record, standard);
    std::string name;
    source.GetRegfileName(2, name);
    EXPECT_EQ(name, "Regist01");
}

TEST_F(Psr740Fixture, RegfileTitleDropsTrailingMarks) {
    other.Write("t.p74", Record(Model(), {std::string("Mine?*'\x01 ")}));
    ASSERT_EQ(source.LoadRegfiles(other.Path()), 0);
    std::string name;
    EXPECT_EQ(source.GetRegfileName(0, name), 0);
    EXPECT_EQ(name, "Mine");
    EXPECT_EQ(source.GetRegfileName(1, name), 9);
}

TEST_F(Psr8000Fixture, RegfileAccessorsShowDefaultCustomNames) {
    other.Write("r.p8k", Record(Model(), {"R", 215, 96, {{0, 0, 0, 0x4000}}}));
    ASSERT_EQ(source.LoadRegfiles(other.Path()), 0);
    std::string name;
    source.GetRegfileStyleName(0, name);
    EXPECT_EQ(name, "Custom 2");
    source.GetRegfileVoiceName1(0, name);
    EXPECT_EQ(name, "Organ Flute");
}

}  // namespace
}  // namespace kalivo::test::psr

namespace kalivo::test::psr {
namespace {

TEST_F(Psr8000Fixture, InstrumentTextBecomesUtf8FileNamesAndBack) {
    Fill(destination, {{0, 0, {"Caf\xE9"}}});
    destination.SetArchiveName("S\xE9t");
    ASSERT_EQ(destination.CreateRegfiles(Folder(other)), 0);
    EXPECT_EQ(other.Names(), (std::vector<std::string>{"Caf\xC3\xA9_S\xC3\xA9t(1-1).p8k"}));
    ASSERT_EQ(source.LoadRegfiles(other.Path()), 0);
    StringList names;
    source.ListRegfiles(names);
    EXPECT_EQ(names, (StringList{"Caf\xE9_S\xE9t(1-1)"}));
}

}  // namespace
}  // namespace kalivo::test::psr
