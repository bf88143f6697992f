#include <gtest/gtest.h>

#include <filesystem>

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
        ASSERT_EQ(source->LoadSourceArchive(Folder(), archive), status::kDone);
    }
};
KALIVO_BOTH_PSR9000_MODELS(Psr9000Regfiles);

TEST_P(Psr9000Regfiles, NamesEachFileByRegistrationArchiveBankAndSlot) {
    Psr9000BankTable table;
    table.Reset(Model().DefaultHeader());
    psr9000_bytes::Put(table, 4, 1, Registration("My Song", 1, 100));
    psr9000_bytes::Put(table, 4, 2, Registration("It's*?", 1, 100));
    WriteBackup("LIVE.BUF", Psr9000BackupFile::Write(table));
    ASSERT_EQ(source->LoadSourceArchive(Folder(), "LIVE"), status::kDone);

    TempFolder out;
    WriteRegfile(out, "My_Song_LIVE_(BANK_05-2)", Registration("Taken", 1, 1));
    WriteRegfile(out, "My_Song_LIVE_(BANK_05-2)#1", Registration("Taken", 1, 1));
    ASSERT_EQ(source->CreateRegfiles(out.Path() + "/"), status::kDone);
    EXPECT_TRUE(stdfs::exists(out.File("My_Song_LIVE_(BANK_05-2)#2" + Extension())));
    EXPECT_TRUE(stdfs::exists(out.File("It_s_LIVE_(BANK_05-3)" + Extension())));
    const auto bytes = out.ReadBytes("My_Song_LIVE_(BANK_05-2)#2" + Extension());
    ASSERT_EQ(bytes.size(), 470u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 7), "My Song");

    // A second run never replaces the first.
    ASSERT_EQ(source->CreateRegfiles(out.Path() + "/"), status::kDone);
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
    ASSERT_EQ(source->CreateRegfiles(out.Path() + "/"), status::kDone);
    EXPECT_EQ(out.Read(base + Extension()), "keep");
    EXPECT_EQ(out.ReadBytes(base + "#1000" + Extension()).size(), 470u);
}

TEST_P(Psr9000Regfiles, NamesFromTheInstrumentCannotLeaveTheFolder) {
    LoadOne("X", Registration("../up", 1, 100));
    source->SetArchiveName("a/b");
    TempFolder parent;
    const std::string out = parent.File("out");
    stdfs::create_directories(out);
    ASSERT_EQ(source->CreateRegfiles(out + "/"), status::kDone);
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
    ASSERT_EQ(source->LoadSourceArchive(Folder(), "X"), status::kDone);
    // With the long bank name the file names of bank 1 pass the 255 bytes a
    // file name may have; the one of bank 2 stays below, with room for the
    // temporary name it is written under first.
    const std::string archive(231, 'n');
    source->SetArchiveName(archive);
    TempFolder out;
    EXPECT_EQ(source->CreateRegfiles(out.Path() + "/"), status::kNotValid);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("(and 1 more)"), std::string::npos);
    EXPECT_EQ(out.Names(), (std::vector<std::string>{"C_" + archive + "_(B-1)" + Extension()}));
}

TEST_P(Psr9000Regfiles, NothingToWriteWithoutAUsedBank) {
    TempFolder out;
    EXPECT_EQ(source->CreateRegfiles(out.Path() + "/"), status::kNothingToWrite);
    EXPECT_TRUE(out.Names().empty());
}

TEST_P(Psr9000Regfiles, LoadsTheModelsRegfilesSortedByName) {
    TempFolder in;
    WriteRegfile(in, "beta", Registration("Beta", 131, 90, {{{0, 0, 1}, {}, {}, {}}}));
    WriteRegfile(in, "Alpha", Registration("Alpha", 1, 100));
    in.Write("short" + Extension(), std::vector<std::uint8_t>{'S', 'h'});
    in.Write(std::string("other.") + (Extension() == ".p9k" ? "9kp" : "p9k"), std::string("not this model"));
    ASSERT_EQ(source->LoadRegfiles(in.Path()), status::kDone);
    StringList names;
    source->ListRegfiles(names);
    EXPECT_EQ(names, (StringList{"Alpha", "beta", "short"}));

    std::string text;
    source->GetRegfileName(2, text);
    EXPECT_EQ(text, "Sh") << "a short file's missing tail is zeros";
    int tempo = -1;
    source->GetRegfileTempo(2, tempo);
    EXPECT_EQ(tempo, 0);
    source->GetRegfileStyleName(1, text);
    EXPECT_EQ(text, "Flash 1/7");

    ASSERT_EQ(destination->CopyRegfile(3, 4, source.get(), 1), status::kDone);
    EXPECT_EQ(NameAt(*destination, 3, 4), "Beta");
    EXPECT_EQ(StyleAt(*destination, 3, 4), "Flash 1/7");
}

TEST_P(Psr9000Regfiles, AFolderWithoutRegfilesSaysSo) {
    TempFolder in;
    EXPECT_EQ(source->LoadRegfiles(in.Path()), status::kNoRegfileFound);
    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{"No reg-files found"}));
}

}  // namespace
}  // namespace kalivo::test
