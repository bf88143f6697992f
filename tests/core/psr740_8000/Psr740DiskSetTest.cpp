// Stored sets on an instrument disk: the files a store writes, byte by byte,
// and what a load makes of them, good and bad.
#include <gtest/gtest.h>

#include <functional>

#include "core/psr740_8000/Psr740TestSupport.h"
#include "handlers/psr740_8000/Psr740DiskSet.h"
#include "support/FatImage.h"
#include "support/RandomBytes.h"

namespace kalivo::test::psr {
namespace {

// ---- storing ------------------------------------------------------------------------

TEST_F(Psr740Fixture, FirstSetOnAnEmptyDiskWritesUserFileIndexAndOneDataFile) {
    Fill(destination, {{1, 2, {"Let's go", 3, 96}}});
    ASSERT_EQ(destination.StoreArchive("abc", Folder(disk), 0), Status::kDone);

    EXPECT_EQ(disk.Names(), (std::vector<std::string>{"ABC.USR", "REG"}));  // no DISK.MNG off the disk root
    const Bytes user = disk.ReadBytes("ABC.USR");
    ASSERT_EQ(user.size(), 480u);
    EXPECT_EQ(Text(user, 0, 16), Line("ABC     USR"));
    EXPECT_EQ(Text(user, 64, 16), Line("PSR-740"));
    EXPECT_EQ(Text(user, 128, 16), Line("00040960"));
    EXPECT_EQ(Text(user, 192, 16), Line("REG,01,01,0368"));
    EXPECT_EQ(Text(user, 208, 16), Line("PAD,00,00,0400"));
    EXPECT_EQ(Text(user, 272, 16), Line("EFF,00,00,0464"));
    EXPECT_EQ(Text(user, 288, 48), "00000000,FFFFFFFF,00000000,00000000,00000000,010");
    EXPECT_EQ(Text(user, 336, 16), Line("\\"));
    EXPECT_EQ(Text(user, 368, 16), Line("REG"));
    EXPECT_EQ(Text(user, 384, 16), Line("RPK001ALREG"));
    EXPECT_EQ(Text(user, 400, 16), Line("PAD"));
    EXPECT_EQ(Text(user, 464, 16), Line("EFF"));

    const Bytes index = disk.ReadBytes("REG/REG.MNG");
    ASSERT_EQ(index.size(), 256u);
    EXPECT_EQ(Text(index, 0, 16), Line("REG     MNG"));
    EXPECT_EQ(Text(index, 32, 16), Line("FILE001"));
    EXPECT_EQ(Text(index, 48, 16), Line("FILE00000001"));
    EXPECT_EQ(Text(index, 128, 16), Line("RPK001ALREG"));
    EXPECT_EQ(Text(index, 144, 32), std::string(30, ' ') + "\r\n");
    EXPECT_EQ(Text(index, 176, 16), Line("PSR-740"));
    EXPECT_EQ(Text(index, 192, 16), Line("Ver1.00Rev0.00"));
    EXPECT_EQ(Text(index, 240, 16), Line("00036864"));

    const Bytes data = disk.ReadBytes("REG/RPK001AL.REG");
    ASSERT_EQ(data.size(), 36864u);
    EXPECT_EQ(Text(data, 0, 16), Line("RPK001ALREG"));
    EXPECT_EQ(Text(data, 16, 32), "Regist01" + std::string(22, ' ') + "\r\n");
    EXPECT_EQ(Text(data, 48, 16), Line("PSR-740"));
    // Record 6 (bank 2, part 3) keeps its own number digits and the copied title.
    const std::size_t at = 128 + 287 * 6;
    EXPECT_EQ(Text(data, at, 6), "REG006");
    EXPECT_EQ(Text(data, at + 16, 8), "Let's go");
    EXPECT_EQ(data[at + 32], 3);
    // Empty registrations are written as held: the defaults with their bank digits.
    EXPECT_EQ(Text(data, 128 + 287 * 127 + 16, 16), "Regist32        ");
}

TEST_F(Psr740Fixture, SecondSetCountsOnAndALongLowerCaseNameIsCutAndRaised) {
    ASSERT_EQ(destination.StoreArchive("first", Folder(disk), 0), Status::kDone);
    ASSERT_EQ(destination.StoreArchive("mylongsetname", Folder(disk), 0), Status::kDone);
    EXPECT_TRUE(FileSystem::Exists(disk.File("REG/RPK002AL.REG")));
    const Bytes user = disk.ReadBytes("MYLONGSE.USR");
    EXPECT_EQ(Text(user, 0, 16), Line("MYLONGSEUSR"));
    EXPECT_EQ(Text(user, 384, 16), Line("RPK002ALREG"));
    const Bytes index = disk.ReadBytes("REG/REG.MNG");
    ASSERT_EQ(index.size(), 128u + 2 * 128u);
    EXPECT_EQ(Text(index, 32, 16), Line("FILE002"));
    EXPECT_EQ(Text(index, 57, 3), "002");
    EXPECT_EQ(Text(index, 256, 16), Line("RPK002ALREG"));
}

TEST_F(Psr8000Fixture, BanksTwoAndFiveWriteTheirCountsMaskAndSectionOffsets) {
    Fill(destination, {{1, 0, {"Two", 5, 90}}, {4, 7, {"Five", 6, 100}}});
    ASSERT_EQ(destination.StoreArchive("Duo", Folder(disk), 0), Status::kDone);

    const Bytes user = disk.ReadBytes("DUO.USR");
    ASSERT_EQ(user.size(), (29u + 2u) * 16u);
    EXPECT_EQ(Text(user, 64, 16), Line("PSR-8000"));
    EXPECT_EQ(Text(user, 128, 16), Line("00053760"));
    EXPECT_EQ(Text(user, 192, 16), Line("REG,02,02,0368"));
    EXPECT_EQ(Text(user, 208, 16), Line("PAD,00,00,0416"));
    EXPECT_EQ(Text(user, 224, 16), Line("STY,00,00,0432"));
    EXPECT_EQ(Text(user, 240, 16), Line("VIC,00,00,0448"));
    EXPECT_EQ(Text(user, 256, 16), Line("TWK,00,00,0464"));
    EXPECT_EQ(Text(user, 272, 16), Line("EFF,00,00,0480"));
    EXPECT_EQ(Text(user, 288, 48), "00000000,00000012,00000000,00000000,00000000,010");
    EXPECT_EQ(Text(user, 384, 32), Line("RPK00102REG") + Line("RPK00105REG"));
    EXPECT_EQ(Text(user, 416, 16), Line("PAD"));
    EXPECT_EQ(Text(user, 432, 16), Line("\\"));

    const Bytes index = disk.ReadBytes("REG/REG.MNG");
    EXPECT_EQ(Text(index, 32, 16), Line("FILE002"));
    EXPECT_EQ(Text(index, 256, 16), Line("RPK00105REG"));
    EXPECT_EQ(Text(index, 368, 16), Line("00002689"));

    const Bytes data = disk.ReadBytes("REG/RPK00105.REG");
    ASSERT_EQ(data.size(), 2689u);
    EXPECT_EQ(Text(data, 0, 16), Line("RPK00101REG"));  // the header does not carry the real number
    EXPECT_EQ(Text(data, 16, 32), std::string(30, ' ') + "\r\n");
    EXPECT_EQ(Text(data, 128 + 316 * 7 + 156, 4), "Five");
    // An empty slot is written as the default registration.
    EXPECT_EQ(Text(data, 128 + 156, 16), "Registration    ");
    EXPECT_EQ(Text(data, 2656, 33), "\xFF" + std::string(13, ' ') + "\r\n" + Line("00011858") + "S");
    EXPECT_FALSE(FileSystem::Exists(disk.File("REG/RPK00101.REG")));
}

TEST_F(Psr8000Fixture, CounterStepsByTheNumberOfDataFiles) {
    Fill(destination, {{0, 0, {"A"}}, {15, 0, {"B"}}, {7, 3, {"C"}}});
    ASSERT_EQ(destination.StoreArchive("one", Folder(disk), 0), Status::kDone);
    ASSERT_EQ(destination.StoreArchive("two", Folder(disk), 0), Status::kDone);
    const Bytes index = disk.ReadBytes("REG/REG.MNG");
    EXPECT_EQ(Text(index, 32, 16), Line("FILE006"));
    EXPECT_EQ(Text(disk.ReadBytes("TWO.USR"), 288, 48), "00000000,00008081,00000000,00000000,00000000,010");
    EXPECT_TRUE(FileSystem::Exists(disk.File("REG/RPK00216.REG")));
}

TEST_F(Psr740Fixture, ExistingSetIsRefusedEvenWithoutARegFolder) {
    disk.Write("mYsEt.usr", std::string("keep me"));
    EXPECT_EQ(destination.StoreArchive("MySet", Folder(disk), 0), Status::kNotValid);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Archive MYSET already exists"}));
    EXPECT_EQ(disk.Read("mYsEt.usr"), "keep me");
    EXPECT_EQ(disk.Names(), (std::vector<std::string>{"mYsEt.usr"}));
}

TEST_F(Psr740Fixture, LowerCaseDiskNamesAreUsedAsTheyAreSpelled) {
    ASSERT_EQ(destination.StoreArchive("one", Folder(disk), 0), Status::kDone);
    std::filesystem::rename(disk.File("REG/REG.MNG"), disk.File("REG/reg.mng"));
    std::filesystem::rename(disk.File("REG"), disk.File("reg"));
    ASSERT_EQ(destination.StoreArchive("two", Folder(disk), 0), Status::kDone);
    EXPECT_EQ(disk.Names(), (std::vector<std::string>{"ONE.USR", "TWO.USR", "reg"}));
    const Bytes index = disk.ReadBytes("reg/reg.mng");
    EXPECT_EQ(Text(index, 32, 16), Line("FILE002"));
    EXPECT_EQ(index.size(), 384u);
}

TEST_F(Psr740Fixture, MissingIndexBesideDataFilesIsStartedAfresh) {
    ASSERT_EQ(destination.StoreArchive("one", Folder(disk), 0), Status::kDone);
    std::filesystem::remove(disk.File("REG/REG.MNG"));
    ASSERT_EQ(destination.StoreArchive("two", Folder(disk), 0), Status::kDone);
    const Bytes index = disk.ReadBytes("REG/REG.MNG");
    ASSERT_EQ(index.size(), 256u);
    EXPECT_EQ(Text(index, 32, 16), Line("FILE001"));
    EXPECT_EQ(Text(index, 128, 16), Line("RPK002ALREG"));
}

TEST_F(Psr740Fixture, SetNumberOrCounterPast999IsRefusedWritingNothing) {
    ASSERT_TRUE(FileSystem::CreateDirectory(disk.File("REG")));
    disk.Write("REG/RPK999AL.REG", std::string("x"));
    EXPECT_EQ(destination.StoreArchive("late", Folder(disk), 0), Status::kNotValid);
    EXPECT_EQ(disk.Names(), (std::vector<std::string>{"REG"}));
    ASSERT_EQ(Messages().size(), 1u);

    // Set 998 is still possible, but not when the file counter stands at 999.
    std::filesystem::remove(disk.File("REG/RPK999AL.REG"));
    disk.Write("REG/RPK997AL.REG", std::string("x"));
    std::string index = Line("REG     MNG") + Line("") + Line("FILE999") + Line("FILE00000999") + Line("") +
                        Line("") + Line("") + Line("");
    disk.Write("REG/REG.MNG", index);
    EXPECT_EQ(destination.StoreArchive("late", Folder(disk), 0), Status::kNotValid);
    EXPECT_EQ(disk.Read("REG/REG.MNG"), index);
    EXPECT_FALSE(FileSystem::Exists(disk.File("REG/RPK998AL.REG")));

    index.replace(36, 3, "998");
    disk.Write("REG/REG.MNG", index);
    EXPECT_EQ(destination.StoreArchive("late", Folder(disk), 0), Status::kDone);
    EXPECT_TRUE(FileSystem::Exists(disk.File("REG/RPK998AL.REG")));
}

TEST_F(Psr740Fixture, UnwritableFolderIsReportedByName) {
    disk.Write("plain", std::string("a file, not a folder"));
    EXPECT_EQ(destination.StoreArchive("x", Folder(disk) + "plain/", 0), Status::kNotValid);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("plain"), std::string::npos);
}

// ---- loading --------------------------------------------------------------------------

TEST_F(Psr740Fixture, RoundTripGivesTheSameMemoryAndTheSameFiles) {
    Fill(destination, {{0, 0, {"Opening", 160, 120}}, {0, 3, {"Opening", 2, 90}}, {31, 1, {"Last", 40, 200}}});
    ASSERT_EQ(destination.StoreArchive("Round", Folder(disk), 0), Status::kDone);
    ASSERT_EQ(source.LoadSourceArchive(Folder(disk), "ROUND"), Status::kDone);
    EXPECT_EQ(source.GetArchiveName(), "ROUND");
    for (int bank = 0; bank < 32; ++bank) {
        EXPECT_EQ(source.Memory().IsUsed(bank), destination.Memory().IsUsed(bank)) << bank;
        for (int slot = 0; slot < 4; ++slot) {
            EXPECT_EQ(source.Memory().IsEmpty(bank, slot), destination.Memory().IsEmpty(bank, slot));
            const auto a = source.Memory().Record(bank, slot);
            const auto b = destination.Memory().Record(bank, slot);
            EXPECT_TRUE(std::equal(a.begin(), a.end(), b.begin(), b.end())) << bank << "/" << slot;
        }
    }
    EXPECT_EQ(Name(source, 0, 3), "Opening");
    EXPECT_EQ(Name(source, 0, 1), "<none>");

    ASSERT_EQ(source.StoreArchive(source.GetArchiveName(), Folder(other), 0), Status::kDone);
    for (const char* file : {"ROUND.USR", "REG/REG.MNG", "REG/RPK001AL.REG"}) {
        EXPECT_EQ(other.ReadBytes(file), disk.ReadBytes(file)) << file;
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Psr8000Fixture, RoundTripGivesTheSameMemoryAndTheSameFiles) {
    Fill(destination, {{0, 0, {"Opening", 214, 120, {{0, 0, 0, 3}, {0, 0, 0, 0x8001}}}},
                       {9, 7, {"Tenth", 99, 66}},
                       {15, 2, {"Last", 1, 200}}});
    ASSERT_EQ(destination.StoreArchive("Round", Folder(disk), 0), Status::kDone);
    ASSERT_EQ(source.LoadSourceArchive(Folder(disk), "round"), Status::kDone);  // any case finds the set
    for (int bank = 0; bank < 16; ++bank) {
        EXPECT_EQ(source.Memory().IsUsed(bank), destination.Memory().IsUsed(bank)) << bank;
        for (int slot = 0; slot < 8; ++slot) {
            EXPECT_EQ(source.Memory().IsEmpty(bank, slot), destination.Memory().IsEmpty(bank, slot));
        }
    }
    EXPECT_EQ(Name(source, 9, 7), "Tenth");
    ASSERT_EQ(source.StoreArchive("ROUND", Folder(other), 0), Status::kDone);
    for (const char* file : {"ROUND.USR", "REG/REG.MNG", "REG/RPK00101.REG", "REG/RPK00110.REG", "REG/RPK00116.REG"}) {
        EXPECT_EQ(other.ReadBytes(file), disk.ReadBytes(file)) << file;
    }
}

TEST_F(Psr8000Fixture, ABankWithADataFileIsUsedEvenWhenAllItsSlotsAreEmpty) {
    Fill(destination, {{3, 0, {"Only"}}});
    destination.DeleteRegistration(3, 0);
    Fill(destination, {{6, 0, {"Other"}}});
    ASSERT_EQ(destination.StoreArchive("s", Folder(disk), 0), Status::kDone);
    // Make bank 7's file name bank 4 as well: the user file lists both.
    std::string user = disk.Read("S.USR");
    user.replace(192 + 4, 2, "02");
    user.replace(192 + 7, 2, "02");
    user.insert(384, Line("RPK00104REG"));
    disk.Write("S.USR", user);
    std::filesystem::copy_file(disk.File("REG/RPK00107.REG"), disk.File("REG/RPK00104.REG"));
    ASSERT_EQ(source.LoadSourceArchive(Folder(disk), "S"), Status::kDone);
    EXPECT_TRUE(source.Memory().IsUsed(3));
    EXPECT_EQ(Name(source, 3, 0), "Other");
}

class Psr740LoadTest : public Psr740Fixture {
protected:
    void SetUp() override {
        Psr740Fixture::SetUp();
        Fill(destination, {{0, 0, {"Kept", 1, 100}}});
        Fill(source, {{5, 1, {"Before", 2, 80}}});
        source.SetArchiveName("BEFORE");
        ASSERT_EQ(destination.StoreArchive("SET", Folder(disk), 0), Status::kDone);
    }
    // The user file with line index replaced (or removed when text is null).
    void EditUserFile(std::size_t line, const char* text) {
        std::string user = disk.Read("SET.USR");
        const std::size_t at = line < 18 ? line * 16 : 288 + 48 + (line - 21) * 16;
        user.replace(at, 16, text != nullptr ? Line(text) : std::string());
        disk.Write("SET.USR", user);
    }
    void ExpectUnchanged() {
        EXPECT_EQ(source.GetArchiveName(), "BEFORE");
        EXPECT_EQ(Name(source, 5, 1), "Before");
        EXPECT_EQ(Name(source, 0, 0), "<none>");
    }
};

TEST_F(Psr740LoadTest, BadUserFilesGiveTheirResultAndOneMessageNamingTheFile) {
    struct Case {
        std::size_t line;
        const char* text;
        Status result;
        const char* what;
    };
    const Case cases[] = {
        {9, "SECTION07", Status::kUserFileNoSection, "no SECTION08"},
        {12, "RPG,01,01,0368", Status::kUserFileNoRegEntry, "no REG entry"},
        {23, "GER", Status::kUserFileNoRegHeader, "no REG section"},
    };
    const std::string original = disk.Read("SET.USR");
    for (const Case& c : cases) {
        disk.Write("SET.USR", original);
        ui.messages.clear();
        EditUserFile(c.line, c.text);
        EXPECT_EQ(source.LoadSourceArchive(Folder(disk), "SET"), c.result) << c.what;
        ASSERT_EQ(Messages().size(), 1u) << c.what;
        EXPECT_NE(Messages()[0].find(disk.File("SET.USR")), std::string::npos) << Messages()[0];
        EXPECT_NE(Messages()[0].find(c.what), std::string::npos) << Messages()[0];
        ExpectUnchanged();
    }
}

TEST_F(Psr740LoadTest, RegHeaderAsTheLastLineEndsTheListEarly) {
    std::string user = disk.Read("SET.USR");
    user.resize(384);
    disk.Write("SET.USR", user);
    EXPECT_EQ(source.LoadSourceArchive(Folder(disk), "SET"), Status::kUserFileRegListShort);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("ends early"), std::string::npos);
    ExpectUnchanged();
}

TEST_F(Psr740LoadTest, MissingUserFileGivesTwo) {
    EXPECT_EQ(source.LoadSourceArchive(Folder(disk), "NOSUCH"), Status::kNotValid);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("NOSUCH.usr"), std::string::npos);
    ExpectUnchanged();
}

TEST_F(Psr740LoadTest, MissingOrShortDataFileLeavesMemoryAndNameAsTheyWere) {
    const Bytes data = disk.ReadBytes("REG/RPK001AL.REG");
    // One byte short of the last record.
    disk.Write("REG/RPK001AL.REG", Bytes(data.begin(), data.end() - 1));
    EXPECT_EQ(source.LoadSourceArchive(Folder(disk), "SET"), Status::kNotValid);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("RPK001AL.REG is too short"), std::string::npos) << Messages()[0];
    ExpectUnchanged();

    std::filesystem::remove(disk.File("REG/RPK001AL.REG"));
    EXPECT_EQ(source.LoadSourceArchive(Folder(disk), "SET"), Status::kNotValid);
    ExpectUnchanged();
}

TEST_F(Psr740LoadTest, DiskHeaderOfAnotherModelStopsTheLoadFirst) {
    std::string header = Line("DISK    MNG") + Line("PSR-8000") + Line("Ver0.67Rev0.00");
    header.resize(128, ' ');
    disk.Write("disk.mng", header);
    std::filesystem::remove(disk.File("SET.USR"));
    EXPECT_EQ(source.LoadSourceArchive(Folder(disk), "SET"), Status::kWrongModel);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Model not correct"}));
    ExpectUnchanged();
}

TEST(Psr740OtherModel, ASetOfTheOtherModelIsRefusedNamingItsUserFileAndThatModel) {
    struct Case {
        bool storedBy740;
        const char* modelLine;  // replaces line 4 of the user file; nullptr: as stored
        Status result;
        const char* message;  // after the user file's path; nullptr: the other checks decide
    };
    const Case cases[] = {
        {true, nullptr, Status::kNotValid, " looks like a PSR-740 set, not one of the PSR-8000."},
        {false, nullptr, Status::kNotValid, " looks like a PSR-8000 set, not one of the PSR-740."},
        // One character off is no model's line: the data files decide as before.
        {true, "PSR-74", Status::kDone, nullptr},
        {false, "PSR-800", Status::kNotValid, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.storedBy740 ? "PSR-740" : "PSR-8000") + " set, model line " +
                     (c.modelLine ? c.modelLine : "as stored"));
        ScriptedUserInterface ui;
        Psr740Handler psr740(ui);
        Psr8000Handler psr8000(ui);
        psr740.CreateStore();
        psr8000.CreateStore();
        Psr740FamilyHandler& writer = c.storedBy740 ? static_cast<Psr740FamilyHandler&>(psr740) : psr8000;
        Psr740FamilyHandler& reader = c.storedBy740 ? static_cast<Psr740FamilyHandler&>(psr8000) : psr740;
        TempFolder disk;
        Fill(writer, {{0, 0, {"Mine", 1, 100}}});
        ASSERT_EQ(writer.StoreArchive("SET", FileSystem::WithSeparator(disk.Path()), 0), Status::kDone);
        if (c.modelLine != nullptr) {
            std::string user = disk.Read("SET.USR");
            ASSERT_GE(user.size(), 80u);
            user.replace(64, 16, Line(c.modelLine));
            disk.Write("SET.USR", user);
        }
        ASSERT_TRUE(ui.MessageTexts().empty());
        reader.SetArchiveName("BEFORE");
        EXPECT_EQ(reader.LoadSourceArchive(FileSystem::WithSeparator(disk.Path()), "SET"), c.result);
        if (c.message != nullptr) {
            EXPECT_EQ(ui.MessageTexts(),
                      std::vector<std::string>{"Archive not correct: " + disk.File("SET.USR") + c.message});
            EXPECT_EQ(reader.GetArchiveName(), "BEFORE");
        } else {
            for (const std::string& message : ui.MessageTexts()) {
                EXPECT_EQ(message.find("looks like"), std::string::npos) << message;
            }
        }
    }
}

TEST_F(Psr740LoadTest, MatchingDiskHeaderAndLowerCaseNamesLoad) {
    std::string header = Line("DISK    MNG") + Line("PSR-740") + Line("Ver0.59Rev0.00");
    header.resize(128, ' ');
    disk.Write("DISK.MNG", header);
    std::filesystem::rename(disk.File("REG/RPK001AL.REG"), disk.File("REG/rpk001al.reg"));
    std::filesystem::rename(disk.File("REG"), disk.File("Reg"));
    EXPECT_EQ(source.LoadSourceArchive(Folder(disk), "SET"), Status::kDone);
    EXPECT_EQ(Name(source, 0, 0), "Kept");
    EXPECT_FALSE(source.Memory().IsUsed(5));
}

TEST_F(Psr740LoadTest, LaterRegHeaderReplacesTheEarlierOne) {
    ASSERT_EQ(source.StoreArchive("OTHER", Folder(disk), 0), Status::kDone);  // RPK002AL.REG holds "Before"
    std::string user = disk.Read("SET.USR");
    user.insert(480, Line("REG") + Line("RPK002ALREG"));
    disk.Write("SET.USR", user);
    ASSERT_EQ(destination.LoadDestinationArchive(Folder(disk), "SET"), Status::kDone);
    EXPECT_EQ(Name(destination, 5, 1), "Before");
    EXPECT_EQ(Name(destination, 0, 0), "<none>");
}

TEST_F(Psr740Fixture, ListArchivesFindsUserFilesInAnyCaseSorted) {
    disk.Write("b.usr", std::string());
    disk.Write("A.USR", std::string());
    disk.Write("c.txt", std::string());
    StringList names{"kept"};
    EXPECT_EQ(source.ListArchives(Folder(disk), names), Status::kDone);
    EXPECT_EQ(names, (StringList{"kept", "A", "b"}));
    StringList none;
    EXPECT_EQ(source.ListArchives(Folder(other), none), Status::kNotValid);
}

}  // namespace
}  // namespace kalivo::test::psr

namespace kalivo::test::psr {
namespace {

// ---- damaged data files, unnamed data files, failed stores, names -----------------

struct Damage {
    const char* what;
    std::function<void(Bytes&)> apply;
    const char* message;  // what the message starts with, "" for a load
};

// Loads set SET of disk with each damage done to its data file: refused with
// one message naming the file, or loaded where no damage is done.
void ExpectDamageRefused(TempFolder& disk, ScriptedUserInterface& ui, Psr740FamilyHandler& source,
                         const std::string& dataFile, const std::vector<Damage>& damages) {
    const Bytes written = disk.ReadBytes(dataFile);
    ASSERT_FALSE(written.empty());
    for (const Damage& damage : damages) {
        Bytes bytes = written;
        damage.apply(bytes);
        disk.Write(dataFile, bytes);
        ui.messages.clear();
        source.ClearSource();
        const Status result = source.LoadSourceArchive(FileSystem::WithSeparator(disk.Path()), "SET");
        if (*damage.message == '\0') {
            EXPECT_EQ(result, Status::kDone) << damage.what;
            continue;
        }
        EXPECT_EQ(result, Status::kNotValid) << damage.what;
        EXPECT_FALSE(source.Memory().AnyBankUsed()) << damage.what << ": something of the damaged set was loaded";
        const auto messages = ui.MessageTexts();
        ASSERT_EQ(messages.size(), 1u) << damage.what;
        EXPECT_EQ(messages[0].rfind(damage.message, 0), 0u) << damage.what << ": " << messages[0];
        EXPECT_NE(messages[0].find(disk.File(dataFile)), std::string::npos) << damage.what << ": " << messages[0];
    }
}

TEST_F(Psr740Fixture, DataFileWhoseHeaderIsNotAsWrittenIsRefusedAsNotCorrect) {
    Fill(destination, {{0, 0, {"Kept", 1, 100}}});
    ASSERT_EQ(destination.StoreArchive("SET", Folder(disk), 0), Status::kDone);
    ExpectDamageRefused(disk, ui, source, "REG/RPK001AL.REG", {
        {"as written", [](Bytes&) {}, ""},
        {"model line", [](Bytes& b) { b[48 + 4] = '8'; }, "Archive not correct"},
        {"last header byte", [](Bytes& b) { b[127] = 'x'; }, "Archive not correct"},
        {"random bytes of the right size", [](Bytes& b) { b = RandomBytes(b.size(), 740); }, "Archive not correct"},
        {"one byte more", [](Bytes& b) { b.push_back(0); }, "Archive not correct"},
        {"one byte short", [](Bytes& b) { b.pop_back(); }, "Archive not loaded"},
    });
}

TEST_F(Psr8000Fixture, DataFileWithoutItsHeaderOrTrailerIsRefusedAsNotCorrect) {
    Fill(destination, {{1, 0, {"Kept", 1, 100}}});
    ASSERT_EQ(destination.StoreArchive("SET", Folder(disk), 0), Status::kDone);
    ExpectDamageRefused(disk, ui, source, "REG/RPK00102.REG", {
        {"as written", [](Bytes&) {}, ""},
        {"first header byte", [](Bytes& b) { b[0] = 'X'; }, "Archive not correct"},
        {"trailer missing", [](Bytes& b) { b.resize(b.size() - 33); }, "Archive not correct"},
        {"last trailer byte", [](Bytes& b) { b.back() = 'T'; }, "Archive not correct"},
        {"random bytes of the right size", [](Bytes& b) { b = RandomBytes(b.size(), 8000); }, "Archive not correct"},
        {"one record byte short", [](Bytes& b) { b.resize(128 + 8 * 316 - 1); }, "Archive not loaded"},
    });
}

TEST_F(Psr8000Fixture, DataFileOfTheSetThatTheSetFileNoLongerNamesStopsTheLoad) {
    Fill(destination, {{1, 0, {"Two"}}, {4, 0, {"Five"}}});
    ASSERT_EQ(destination.StoreArchive("SET", Folder(disk), 0), Status::kDone);
    Fill(source, {{0, 0, {"Before"}}});
    // The list names one file fewer than REG holds for the set.
    std::string user = disk.Read("SET.USR");
    user.replace(192 + 4, 2, "01");
    disk.Write("SET.USR", user);
    EXPECT_EQ(source.LoadSourceArchive(Folder(disk), "SET"), Status::kNotValid);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("RPK00105.REG"), std::string::npos) << Messages()[0];
    EXPECT_EQ(Name(source, 0, 0), "Before");
    EXPECT_FALSE(source.Memory().IsUsed(1));
}

// A store that fails at any one of its writes leaves the disk as it was, and
// the next store gets the set number the failed one would have had.
TEST_F(Psr8000Fixture, StoreFailingAtAnyWriteLeavesTheDiskAsItWas) {
    Fill(destination, {{0, 0, {"First"}}});
    ASSERT_EQ(destination.StoreArchive("FIRST", Folder(disk), 0), Status::kDone);
    const Bytes index = disk.ReadBytes("REG/REG.MNG");
    const std::vector<std::string> before = disk.Names();
    Fill(destination, {{3, 0, {"Fourth"}}});
    const char* const stages[] = {"first data file", "second data file", "REG.MNG", "user file"};
    for (int failAt = 0; failAt < 4; ++failAt) {
        int call = 0;
        const Psr740DiskSet::WriteFile failing = [&](const std::string& path, const Bytes& bytes) {
            return call++ != failAt && FileSystem::WriteBytesSafely(path, bytes);
        };
        std::string setNumber;
        const Outcome outcome =
            Psr740DiskSet::Store(Model(), destination.Memory(), "SECOND", Folder(disk), Psr740StyleEntry(), setNumber, failing);
        EXPECT_EQ(outcome.status, Status::kNotValid) << stages[failAt];
        EXPECT_NE(outcome.message.find("cannot be written"), std::string::npos) << stages[failAt];
        EXPECT_EQ(disk.Names(), before) << stages[failAt];
        EXPECT_EQ(FileSystem::FindFiles(disk.File("REG"), "*").size(), 2u) << stages[failAt];
        EXPECT_EQ(disk.ReadBytes("REG/REG.MNG"), index) << stages[failAt];
    }
    ASSERT_EQ(destination.StoreArchive("SECOND", Folder(disk), 0), Status::kDone);
    EXPECT_TRUE(FileSystem::Exists(disk.File("REG/RPK00204.REG")));
    EXPECT_EQ(Text(disk.ReadBytes("REG/REG.MNG"), 32, 16), Line("FILE003"));
}

TEST_F(Psr8000Fixture, StoreOntoANameHeldByAFolderRemovesTheFilesItWrote) {
    Fill(destination, {{0, 0, {"One"}}, {1, 0, {"Two"}}});
    ASSERT_TRUE(FileSystem::CreateDirectory(disk.File("REG")));
    ASSERT_TRUE(FileSystem::CreateDirectory(disk.File("REG/RPK00102.REG")));
    EXPECT_EQ(destination.StoreArchive("SET", Folder(disk), 0), Status::kNotValid);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("RPK00102.REG"), std::string::npos);
    EXPECT_EQ(disk.Names(), (std::vector<std::string>{"REG"}));
    EXPECT_TRUE(FileSystem::FindFiles(disk.File("REG"), "*").empty());
}

TEST_F(Psr740Fixture, StoreThatFillsAFatDiskLeavesItAsItWas) {
    FatImage fat;
    if (!fat.Mounted()) {
        GTEST_SKIP() << fat.Why();
    }
    const std::string root = FileSystem::WithSeparator(fat.Path());
    ASSERT_EQ(destination.StoreArchive("FIRST", root, 0), Status::kDone);
    const std::string reg = root + "REG";
    Bytes index;
    ASSERT_TRUE(FileSystem::ReadBytes(reg + "/REG.MNG", index));
    // The cluster size, from what one byte takes.
    const auto before = std::filesystem::space(fat.Path()).available;
    ASSERT_TRUE(FileSystem::WriteBytesSafely(root + "PROBE", {1}));
    const auto cluster = before - std::filesystem::space(fat.Path()).available;
    ASSERT_GT(cluster, 0u);
    // Room for the data file, none for the new index beside the old one.
    const auto room = (36864 + cluster - 1) / cluster * cluster;
    const auto free = std::filesystem::space(fat.Path()).available;
    ASSERT_GT(free, room);
    ASSERT_TRUE(FileSystem::WriteBytesSafely(root + "FILLER", Bytes(free - room)));
    const auto names = FileSystem::FindEntries(root, "*");

    EXPECT_EQ(destination.StoreArchive("SECOND", root, 0), Status::kNotValid);
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_EQ(FileSystem::FindEntries(root, "*"), names);
    EXPECT_EQ(FileSystem::FindEntries(reg, "*").size(), 2u);
    Bytes after;
    ASSERT_TRUE(FileSystem::ReadBytes(reg + "/REG.MNG", after));
    EXPECT_EQ(after, index);

    ASSERT_TRUE(FileSystem::Remove(root + "FILLER"));
    ASSERT_EQ(destination.StoreArchive("SECOND", root, 0), Status::kDone);
    EXPECT_TRUE(FileSystem::FindNoCase(reg, "RPK002AL.REG"));
}

TEST_F(Psr740Fixture, NameIsStoredAsTheDiskKeepsItAndAnEmptyOneIsRefused) {
    ASSERT_EQ(destination.StoreArchive("M\xFCller Set 1.2/X", Folder(disk), 0), Status::kDone);
    EXPECT_EQ(disk.Names(), (std::vector<std::string>{"MULLER S.USR", "REG"}));
    EXPECT_EQ(Text(disk.ReadBytes("MULLER S.USR"), 0, 16), Line("MULLER SUSR"));
    StringList names;
    ASSERT_EQ(source.ListArchives(Folder(disk), names), Status::kDone);
    EXPECT_EQ(names, (StringList{"MULLER S"}));

    EXPECT_EQ(destination.StoreArchive("./?", Folder(other), 0), Status::kNotValid);
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(other.Names().empty());
}

}  // namespace
}  // namespace kalivo::test::psr
