#include <filesystem>

#include "common/fs/FileSystem.h"
#include "core/tyros/TyrosHandlerFixture.h"

namespace kalivo {
namespace {

using namespace test::tyros_bytes;
using Fixture = test::TyrosHandlerFixture;

TEST_F(Fixture, RegfilesAreListedByTitleIgnoringCase) {
    dir.Write("b.tyr", Regfile("Bank", 0, Registration({Name("Bee", "321")})));
    dir.Write("a.tyr", Regfile("Bank", 1, Registration({Name("Ay")})));
    dir.Write("C.TYR", Regfile("Bank", 2, Registration({Name("Sea")})));
    ASSERT_EQ(source.LoadRegfiles(dir.Path()), Status::kDone);
    StringList names;
    source.ListRegfiles(names);
    EXPECT_EQ(names, (StringList{"a", "b", "C"}));

    std::string name;
    source.GetRegfileName(1, name);
    EXPECT_EQ(name, "Bee             ");
    EXPECT_EQ(source.GetRegfileIcon(1), "321");
    source.GetRegfileName(3, name);
    EXPECT_EQ(name, "no regist");
    source.GetRegfileName(-1, name);
    EXPECT_EQ(name, "no regist");
    EXPECT_EQ(source.GetRegfileIcon(3), "");
}

TEST_F(Fixture, InvalidRegfilesAreNamedAndLeftOutInOneMessage) {
    const Bytes good = Regfile("Bank", 0, Registration({Name("Good")}));
    dir.Write("good.tyr", good);
    dir.Write("empty.tyr", std::string());
    dir.Write("magic.tyr", std::string(80, 'x'));
    dir.Write("short.tyr", std::string("RegF"));
    dir.Write("truncated.tyr", Bytes(good.begin(), good.end() - 1));
    dir.Write("typezero.tyr", Regfile("Bank", 0, Registration({Setting(0, Bytes{1, 2})})));  // nothing it would write
    ASSERT_TRUE(FileSystem::CreateDirectory(dir.File("folder.tyr")));
    std::filesystem::create_symlink("loop.tyr", dir.File("loop.tyr"));
    EXPECT_EQ(source.LoadRegfiles(dir.Path()), Status::kSomeLeftOut);
    const std::string folder = Folder();
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.MessageTexts().back(),
              std::string{"7 of 8 regfiles left out (not valid or not readable): " + folder +
                                       "empty.tyr, " + folder + "folder.tyr, " + folder + "loop.tyr, " + folder +
                                       "magic.tyr, " + folder + "short.tyr and 2 more"});
    EXPECT_EQ(ui.messages.size(), 2u);  // the truncated one says what it lacks
    EXPECT_EQ(source.EntryCount(), 1);

    // Nothing valid at all: no regfile found, and the list stays empty.
    FileSystem::Remove(dir.File("good.tyr"));
    ui.messages.clear();
    EXPECT_EQ(source.LoadRegfiles(dir.Path()), Status::kNoRegfileFound);
    EXPECT_EQ(source.EntryCount(), 0);
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(Fixture, AFolderWithoutRegfilesEmptiesTheList) {
    dir.Write("one.tyr", Regfile("Bank", 0, Registration({Name("One")})));
    ASSERT_EQ(source.LoadRegfiles(dir.Path()), Status::kDone);
    test::TempFolder empty;
    EXPECT_EQ(source.LoadRegfiles(empty.Path()), Status::kNoRegfileFound);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"no reg-files found"});
    EXPECT_EQ(source.EntryCount(), 0);
}

TEST_F(Fixture, CreateRegfilesNamesAndNumbersTheFiles) {
    dir.Write("Bank With A Rather Long Name.rgt",
              BankFile({Registration({Name("Name")}), EmptyRegistration(), Registration({Name("Bob's Song")}),
                        Registration({Name("What*?  ")}), Registration({Name("   ")})}));
    LoadSource("Bank With A Rather Long Name");
    test::TempFolder out;
    const std::string target = out.Path() + "/";
    EXPECT_EQ(source.CreateRegfiles(target), Status::kDone);
    EXPECT_EQ(source.CreateRegfiles(target), Status::kDone);
    EXPECT_EQ(out.Names(), (std::vector<std::string>{"Bob_s_Song#1.tyr", "Bob_s_Song.tyr", "Name#1.tyr", "Name.tyr",
                                                     "What#1.tyr", "What.tyr", "_#1.tyr", "_.tyr"}));
    EXPECT_EQ(out.ReadBytes("Bob_s_Song.tyr"),
              Regfile("Bank With A Rather Long ", 2, Registration({Name("Bob's Song")})));
}

TEST_F(Fixture, CreateRegfilesNeverReplacesAFileWhateverItsCase) {
    WriteBank("Bank", {"Name"});
    LoadSource("Bank");
    test::TempFolder out;
    out.Write("NAME.TYR", std::string("someone else's"));
    EXPECT_EQ(source.CreateRegfiles(out.Path() + "/"), Status::kDone);
    EXPECT_EQ(out.Names(), (std::vector<std::string>{"NAME.TYR", "Name#1.tyr"}));
}

TEST_F(Fixture, CreateRegfilesNeedsAStore) {
    TyrosHandler fresh(ui);
    EXPECT_EQ(fresh.CreateRegfiles(Folder()), Status::kNothingToWrite);
    EXPECT_EQ(fresh.WriteProtocol(dir.File("p.txt")), Status::kNothingToWrite);
}

TEST_F(Fixture, CreatedRegfilesLoadBack) {
    dir.Write("Src.rgt", BankFile({EmptyRegistration(), RealisticRegistration(3)}));
    LoadSource("Src");
    test::TempFolder out;
    ASSERT_EQ(source.CreateRegfiles(out.Path() + "/"), Status::kDone);
    ASSERT_EQ(destination.LoadRegfiles(out.Path()), Status::kDone);
    ASSERT_EQ(destination.EntryCount(), 1);
    const TyrosRegfileEntry& entry = *destination.Entry(0);
    EXPECT_EQ(entry.title, "Reg_3");
    EXPECT_EQ(TyrosRegfile::BankName(entry.header), "Src");
    EXPECT_EQ(TyrosRegfile::Part(entry.header), 1);
    EXPECT_EQ(entry.registration.Serialize(), RealisticRegistration(3));
}

TEST_F(Fixture, ARegfileIsReadToItsEndWhateverLengthItStores) {
    const Bytes blocks = Registration({Name("Long"), Tempo(90)});
    // A stored length beyond the blocks: every block still lies inside the file.
    dir.Write("longer.tyr", Regfile("Bank", 0, WithStoredLength(blocks, 500)));
    // A stored length that leaves out the last block: that block is kept.
    dir.Write("shorter.tyr", Regfile("Bank", 1, WithStoredLength(blocks, static_cast<std::uint32_t>(blocks.size() - 6 - 8))));
    ASSERT_EQ(source.LoadRegfiles(dir.Path()), Status::kDone);
    EXPECT_TRUE(ui.messages.empty()) << ui.messages[0].text;
    ASSERT_EQ(source.EntryCount(), 2);
    EXPECT_EQ(source.Entry(0)->registration.Serialize(), blocks);
    EXPECT_EQ(source.Entry(1)->registration.Serialize(), blocks);
    int tempo = 0;
    source.GetRegfileTempo(1, tempo);
    EXPECT_EQ(tempo, 90);

    // Bytes after the last block that are no setting block make the file invalid, as before.
    Bytes trailing = Regfile("Bank", 0, blocks);
    trailing.push_back(0x42);
    dir.Write("trailing.tyr", trailing);
    EXPECT_EQ(source.LoadRegfiles(dir.Path()), Status::kSomeLeftOut);
    EXPECT_EQ(ui.MessageTexts(),
              (std::vector<std::string>{"Bad registration: no GPm-block",
                                        "1 of 3 regfiles left out (not valid or not readable): " + Folder() +
                                            "trailing.tyr"}));
    EXPECT_EQ(source.EntryCount(), 2);
}

TEST_F(Fixture, CreateRegfilesNamesEveryFileItCannotWriteAndGoesOn) {
    WriteBank("Bank", {"One", "Two"});
    LoadSource("Bank");
    const std::string missing = dir.File("no/such/folder/");
    EXPECT_EQ(source.CreateRegfiles(missing), Status::kNotValid);
    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{"File " + missing + "One.tyr cannot be written",
                                                           "File " + missing + "Two.tyr cannot be written"}));
}

TEST_F(Fixture, RegfileNamesAreInstrumentTextInsideAndUtf8OnDisk) {
    // The bank file's name is UTF-8 on disk; inside, names are single bytes.
    dir.Write("F\xC3\xBCr Elise.S917.rgt", BankFile({Registration({Name("Gr\xFC\xDF" "e")})}));
    LoadSource("F\xC3\xBCr Elise.S917");
    EXPECT_EQ(BankName(source, 0), "F\xFCr Elise");
    test::TempFolder out;
    ASSERT_EQ(source.CreateRegfiles(out.Path() + "/"), Status::kDone);
    EXPECT_EQ(out.Names(), std::vector<std::string>{"Gr\xC3\xBC\xC3\x9F" "e.tyr"});
    // The bank name in the header is the single-byte name, never half a character.
    EXPECT_EQ(out.ReadBytes("Gr\xC3\xBC\xC3\x9F" "e.tyr"),
              Regfile("F\xFCr Elise", 0, Registration({Name("Gr\xFC\xDF" "e")})));
    ASSERT_EQ(destination.LoadRegfiles(out.Path()), Status::kDone);
    StringList titles;
    destination.ListRegfiles(titles);
    EXPECT_EQ(titles, std::vector<std::string>{"Gr\xFC\xDF" "e"});
}

TEST_F(Fixture, CopyRegfileBringsTheEntryInSilently) {
    dir.Write("odd.tyr", Regfile("Bank", 0, Registration({Name("Odd"), Voice(11, 104, 0, 0)})));
    ui.yesNo = {true};
    ASSERT_EQ(source.LoadRegfiles(dir.Path()), Status::kDone);
    ui.messages.clear();
    destination.ClearDestination(1);
    EXPECT_EQ(destination.CopyRegfile(2, 3, &source, 0), Status::kDone);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(NameAt(destination, 2, 3), "Odd");
    EXPECT_EQ(BankName(destination, 2), "New Bank");
    EXPECT_EQ(destination.DestinationBankCount(), 3);

    // An index outside the list is an empty registration.
    EXPECT_EQ(destination.CopyRegfile(2, 3, &source, 5), Status::kDone);
    std::string name;
    EXPECT_EQ(destination.GetRegistrationName(2, 3, name), Status::kNoRegistration);
}

}  // namespace
}  // namespace kalivo
