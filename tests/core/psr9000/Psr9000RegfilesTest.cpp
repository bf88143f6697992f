#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <set>

#include "core/psr9000/Psr9000Fixture.h"
#include "handlers/StatusCodes.h"

namespace kalivo::test {
namespace {

namespace stdfs = std::filesystem;
using psr9000_bytes::Registration;

class Psr9000Regfiles : public Psr9000Fixture {
protected:
    std::string Extension() const { return Model().regfileExtension; }
    void WriteRegfile(TempFolder& folder, const std::string& title, const psr9000::Record& record) {
        folder.Write(title + Extension(), std::vector<std::uint8_t>(record.begin(), record.end()));
    }
    // Loads archive as a backup holding record in bank 1, slot 1.
    void LoadOne(const std::string& archive, const psr9000::Record& record) {
        Psr9000BankTable table;
        table.Reset(Model().DefaultHeader());
        psr9000_bytes::Put(table, 0, 0, record);
        WriteBackup(archive + ".BUF", Psr9000BackupFile::Write(table));
        ASSERT_EQ(source->LoadSourceArchive(Folder(), archive), Status::kDone);
    }
};
KALIVO_BOTH_PSR9000_MODELS(Psr9000Regfiles);

TEST_P(Psr9000Regfiles, NamesEachFileByRegistrationArchiveBankAndSlot) {
    Psr9000BankTable table;
    table.Reset(Model().DefaultHeader());
    psr9000_bytes::Put(table, 4, 1, Registration("My Song", 1, 100));
    psr9000_bytes::Put(table, 4, 2, Registration("It's*?", 1, 100));
    WriteBackup("LIVE.BUF", Psr9000BackupFile::Write(table));
    ASSERT_EQ(source->LoadSourceArchive(Folder(), "LIVE"), Status::kDone);

    TempFolder out;
    WriteRegfile(out, "My_Song_LIVE_(BANK_05-2)", Registration("Taken", 1, 1));
    WriteRegfile(out, "My_Song_LIVE_(BANK_05-2)#1", Registration("Taken", 1, 1));
    ASSERT_EQ(source->CreateRegfiles(out.Path() + "/"), Status::kDone);
    EXPECT_TRUE(stdfs::exists(out.File("My_Song_LIVE_(BANK_05-2)#2" + Extension())));
    EXPECT_TRUE(stdfs::exists(out.File("It_s_LIVE_(BANK_05-3)" + Extension())));
    const auto bytes = out.ReadBytes("My_Song_LIVE_(BANK_05-2)#2" + Extension());
    ASSERT_EQ(bytes.size(), 470u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 7), "My Song");

    // A second run never replaces the first.
    ASSERT_EQ(source->CreateRegfiles(out.Path() + "/"), Status::kDone);
    EXPECT_TRUE(stdfs::exists(out.File("My_Song_LIVE_(BANK_05-2)#3" + Extension())));
    EXPECT_EQ(out.Names().size(), 6u);
}

TEST_P(Psr9000Regfiles, KeepsCountingPastNineHundredAndNinetyNine) {
    LoadOne("X", Registration("A", 1, 100));
    TempFolder out;
    const std::string base = "A_X_(BANK_01-1)";
    out.Write(base + Extension(), std::string("keep"));
    for (int n = 1; n <= 999; ++n) {
        out.Write(base + "#" + std::to_string(n) + Extension(), std::string("keep"));
    }
    ASSERT_EQ(source->CreateRegfiles(out.Path() + "/"), Status::kDone);
    EXPECT_EQ(out.Read(base + Extension()), "keep");
    EXPECT_EQ(out.ReadBytes(base + "#1000" + Extension()).size(), 470u);
}

TEST_P(Psr9000Regfiles, NamesFromTheInstrumentCannotLeaveTheFolder) {
    LoadOne("X", Registration("../up", 1, 100));
    source->SetArchiveName("a/b");
    TempFolder parent;
    const std::string out = parent.File("out");
    stdfs::create_directories(out);
    ASSERT_EQ(source->CreateRegfiles(out + "/"), Status::kDone);
    EXPECT_EQ(parent.Names(), (std::vector<std::string>{"out"}));
    EXPECT_EQ(stdfs::directory_iterator(out)->path().filename().string(), "_.._up_a_b_(BANK_01-1)" + Extension());
}

TEST_P(Psr9000Regfiles, AFileThatCannotBeWrittenDoesNotStopTheOthers) {
    Psr9000BankTable table;
    table.Reset(Model().DefaultHeader());
    psr9000_bytes::NameBank(table, 0, "Sixteen chars 16");
    psr9000_bytes::Put(table, 0, 0, Registration("A", 1, 100));
    psr9000_bytes::Put(table, 0, 1, Registration("B", 1, 100));
    psr9000_bytes::NameBank(table, 1, "B");
    psr9000_bytes::Put(table, 1, 0, Registration("C", 1, 100));
    WriteBackup("X.BUF", Psr9000BackupFile::Write(table));
    ASSERT_EQ(source->LoadSourceArchive(Folder(), "X"), Status::kDone);
    // With the long bank name the file names of bank 1 pass the 255 bytes a
    // file name may have; the one of bank 2 stays below, with room for the
    // temporary name it is written under first.
    const std::string archive(231, 'n');
    source->SetArchiveName(archive);
    TempFolder out;
    EXPECT_EQ(source->CreateRegfiles(out.Path() + "/"), Status::kNotValid);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("(and 1 more)"), std::string::npos);
    EXPECT_EQ(out.Names(), (std::vector<std::string>{"C_" + archive + "_(B-1)" + Extension()}));
}

TEST_P(Psr9000Regfiles, NothingToWriteWithoutAUsedBank) {
    TempFolder out;
    EXPECT_EQ(source->CreateRegfiles(out.Path() + "/"), Status::kNothingToWrite);
    EXPECT_TRUE(out.Names().empty());
}

TEST_P(Psr9000Regfiles, LoadsTheModelsRegfilesSortedByNameAndNamesWhatItLeavesOut) {
    TempFolder in;
    WriteRegfile(in, "beta", Registration("Beta", 131, 90, {{{0, 0, 1}, {}, {}, {}}}));
    WriteRegfile(in, "Alpha", Registration("Alpha", 1, 100));
    in.Write(std::string("other.") + (Extension() == ".p9k" ? "9kp" : "p9k"), std::string("not this model"));
    const auto real = Registration("Real", 1, 100);
    std::mt19937 random(14);
    std::vector<std::uint8_t> noise(470);
    std::generate(noise.begin(), noise.end(), [&] { return static_cast<std::uint8_t>(random()); });
    const struct {
        const char* title;
        std::vector<std::uint8_t> bytes;
    } leftOut[] = {
        {"empty", {}},
        {"one short", std::vector<std::uint8_t>(real.begin(), real.end() - 1)},
        {"one long", [&] {
             std::vector<std::uint8_t> bytes(real.begin(), real.end());
             bytes.push_back(0);
             return bytes;
         }()},
        {"random", noise},
    };
    for (const auto& file : leftOut) {
        in.Write(file.title + Extension(), file.bytes);
    }
    stdfs::create_directories(in.File("folder" + Extension()));

    ASSERT_EQ(source->LoadRegfiles(in.Path()), Status::kSomeLeftOut);
    StringList names;
    source->ListRegfiles(names);
    EXPECT_EQ(names, (StringList{"Alpha", "beta"}));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("5 of 7 regfiles left out"), std::string::npos);
    for (const auto& file : leftOut) {
        EXPECT_NE(ui.messages[0].text.find(in.File(file.title + Extension())), std::string::npos) << file.title;
    }

    std::string text;
    source->GetRegfileStyleName(1, text);
    EXPECT_EQ(text, "Flash 1/7");
    ASSERT_EQ(destination->CopyRegfile(3, 4, source.get(), 1), Status::kDone);
    EXPECT_EQ(NameAt(*destination, 3, 4), "Beta");
    EXPECT_EQ(StyleAt(*destination, 3, 4), "Flash 1/7");
}

TEST(Psr9000Record, RandomBytesAreNoRecordButWhatTheProgramWritesIs) {
    std::mt19937 random(2026);
    psr9000::Record record{};
    int taken = 0;
    for (int i = 0; i < 100000; ++i) {
        std::generate(record.begin(), record.end(), [&] { return static_cast<std::uint8_t>(random()); });
        taken += psr9000::LooksLikeRecord(record) ? 1 : 0;
    }
    EXPECT_EQ(taken, 0);
    // The extremes a real registration holds: every voice byte at 127, a name of
    // accented letters padded with the instrument's 01 bytes, the default record.
    record = Registration("\xC9t\xE9\x01\x01", 244, 500, {{{127, 127, 127}, {127, 127, 127}, {127, 127, 127},
                                                             {127, 127, 127}}});
    EXPECT_TRUE(psr9000::LooksLikeRecord(record));
    EXPECT_TRUE(psr9000::LooksLikeRecord(psr9000::DefaultRecord(7)));
    record[psr9000::kTempoOffset + 1] = 501 & 0xFF;  // tempo 501
    EXPECT_FALSE(psr9000::LooksLikeRecord(record));
}

TEST_P(Psr9000Regfiles, TwoRegistrationsWithOneFileNameGetTwoFilesInOneRun) {
    Psr9000BankTable table;
    table.Reset(Model().DefaultHeader());
    psr9000_bytes::NameBank(table, 0, "Same");
    psr9000_bytes::NameBank(table, 1, "Same");
    psr9000_bytes::Put(table, 0, 0, Registration("Song", 1, 90));
    psr9000_bytes::Put(table, 1, 0, Registration("Song", 1, 120));
    WriteBackup("X.BUF", Psr9000BackupFile::Write(table));
    ASSERT_EQ(source->LoadSourceArchive(Folder(), "X"), Status::kDone);

    TempFolder out;
    ASSERT_EQ(source->CreateRegfiles(out.Path() + "/"), Status::kDone);
    ASSERT_EQ(out.Names(),
              (std::vector<std::string>{"Song_X_(Same-1)#1" + Extension(), "Song_X_(Same-1)" + Extension()}));
    ASSERT_EQ(source->LoadRegfiles(out.Path()), Status::kDone);
    int first = 0;
    int second = 0;
    source->GetRegfileTempo(0, first);
    source->GetRegfileTempo(1, second);
    EXPECT_EQ(std::set<int>({first, second}), std::set<int>({90, 120})) << "neither file overwrote the other";
}

TEST_P(Psr9000Regfiles, VoicesAreLookedUpByBankMsbThenLsb) {
    // Rows whose two bank-select bytes differ: swapped, neither names a voice.
    const auto record = Registration("V", 1, 100, {{{0, 18, 0}, {127, 0, 0}, {64, 0, 0}, {0, 112, 0}}});
    LoadOne("V", record);
    TempFolder in;
    WriteRegfile(in, "V", record);
    ASSERT_EQ(source->LoadRegfiles(in.Path()), Status::kDone);
    const std::vector<std::string> expected{"MelloGrP", "Std.Kit1", "CuttngNz", "Grand Piano"};
    std::vector<std::string> banks(4);
    std::vector<std::string> regfiles(4);
    source->GetVoiceName1(0, 0, banks[0]);
    source->GetVoiceName2(0, 0, banks[1]);
    source->GetVoiceName3(0, 0, banks[2]);
    source->GetVoiceName4(0, 0, banks[3]);
    source->GetRegfileVoiceName1(0, regfiles[0]);
    source->GetRegfileVoiceName2(0, regfiles[1]);
    source->GetRegfileVoiceName3(0, regfiles[2]);
    source->GetRegfileVoiceName4(0, regfiles[3]);
    EXPECT_EQ(banks, expected);
    EXPECT_EQ(regfiles, expected);
}

TEST_P(Psr9000Regfiles, AFolderWithoutRegfilesSaysSo) {
    TempFolder in;
    EXPECT_EQ(source->LoadRegfiles(in.Path()), Status::kNoRegfileFound);
    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{"No reg-files found"}));
}

}  // namespace
}  // namespace kalivo::test
