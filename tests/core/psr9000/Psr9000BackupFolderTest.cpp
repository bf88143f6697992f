#include <gtest/gtest.h>

#include <filesystem>

#include "common/disk/DiskMngHeader.h"
#include "core/psr9000/Psr9000Fixture.h"
#include "handlers/StatusCodes.h"

namespace kalivo::test {
namespace {

namespace stdfs = std::filesystem;
using psr9000_bytes::Registration;

class Psr9000Load : public Psr9000Fixture {};
KALIVO_BOTH_PSR9000_MODELS(Psr9000Load);

std::vector<std::uint8_t> OneRegistration(const Psr9000Model& model, const std::string& name) {
    Psr9000BankTable table;
    table.Reset(model.DefaultHeader());
    psr9000_bytes::Put(table, 1, 3, Registration(name, 0, 100));
    return Psr9000BackupFile::Write(table);
}

TEST_P(Psr9000Load, ReadsTheFirstFolderKindThatHoldsTheRegistrationFile) {
    // A ".BUF" folder without the registration file does not count.
    stdfs::create_directories(dir.File("live.buf"));
    WriteBackup("Live.b02", OneRegistration(Model(), "From B02"));
    WriteBackup("LIVE.B01", OneRegistration(Model(), "From B01"));
    ASSERT_EQ(source->LoadSourceArchive(Folder(), "LIVE"), status::kDone);
    EXPECT_EQ(NameAt(*source, 1, 3), "From B01");
    EXPECT_EQ(source->GetArchiveName(), "LIVE");
}

TEST_P(Psr9000Load, FindsTheRegistrationFileWhateverItsCase) {
    std::string lower = Model().registrationFile;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return static_cast<char>(std::tolower(c)); });
    WriteBackup("Gig.BUF", OneRegistration(Model(), "Lower"), lower);
    ASSERT_EQ(destination->LoadDestinationArchive(Folder(), "GIG"), status::kDone);
    EXPECT_EQ(NameAt(*destination, 1, 3), "Lower");
}

TEST_P(Psr9000Load, ListsEveryBackupFolderOnceSortedIgnoringCase) {
    for (const char* folder : {"zeta.BUF", "Alpha.B02", "alpha.BUF", "Mid.b01", "NotABackup"}) {
        stdfs::create_directories(dir.File(folder));
    }
    dir.Write("File.BUF", std::string("a file, not a backup folder"));
    StringList names;
    ASSERT_EQ(source->ListArchives(Folder(), names), status::kDone);
    EXPECT_EQ(names, (StringList{"alpha", "Mid", "zeta"}));

    TempFolder empty;
    StringList none;
    EXPECT_EQ(source->ListArchives(empty.Path() + "/", none), status::kNotValid);
    EXPECT_TRUE(none.empty());
}

TEST_P(Psr9000Load, AMissingOrShortFileIsNotCorrectAndChangesNothing) {
    WriteSampleBackup("GOOD.BUF");
    ASSERT_EQ(source->LoadSourceArchive(Folder(), "GOOD"), status::kDone);

    EXPECT_EQ(source->LoadSourceArchive(Folder(), "MISSING"), status::kNotValid);
    const auto full = Psr9000BackupFile::Write(SampleTable(Model()));
    const std::string shortPath =
        WriteBackup("SHORT.BUF", std::vector<std::uint8_t>(full.begin(), full.begin() + 241687));
    EXPECT_EQ(source->LoadSourceArchive(Folder(), "SHORT"), status::kNotValid);

    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_NE(ui.messages[0].text.find("Archive not correct"), std::string::npos);
    EXPECT_NE(ui.messages[0].text.find("MISSING"), std::string::npos);
    EXPECT_NE(ui.messages[1].text.find("Archive not correct"), std::string::npos);
    EXPECT_NE(ui.messages[1].text.find(shortPath), std::string::npos);
    EXPECT_EQ(source->GetArchiveName(), "GOOD");
    EXPECT_EQ(NameAt(*source, 4, 1), "My Song");
}

TEST_P(Psr9000Load, OnlyThePsr9000ChecksTheModelInDiskMng) {
    WriteSampleBackup("SET.BUF");
    dir.Write("disk.mng", DiskMngHeader::Build("PSR-8000", "Ver1.00Rev1.00"));
    const int result = source->LoadSourceArchive(Folder(), "SET");
    if (Model().checksDiskMng) {
        EXPECT_EQ(result, status::kWrongModel);
        EXPECT_TRUE(AnyMessageContains("Model not correct"));
        EXPECT_EQ(source->GetArchiveName(), "no name") << "the name changes only with a load that succeeds";
        std::string name;
        EXPECT_EQ(source->GetRegistrationName(0, 0, name), status::kBankNotInUse);
    } else {
        EXPECT_EQ(result, status::kDone);
    }
    dir.Write("disk.mng", DiskMngHeader::Build(Model().instrument, "Ver1.00Rev1.00"));
    EXPECT_EQ(source->LoadSourceArchive(Folder(), "SET"), status::kDone);
    stdfs::remove(dir.File("disk.mng"));
    EXPECT_EQ(source->LoadSourceArchive(Folder(), "SET"), status::kDone);
    EXPECT_EQ(NameAt(*source, 0, 2), "Flash Song");
}

TEST_P(Psr9000Load, AsksForAStyleArchiveOnlyWithoutTheImplicitSearch) {
    WriteSampleBackup("SET.BUF");
    source->SetStyleArchiveOptions(true, false, std::string(), false);
    EXPECT_EQ(source->LoadSourceArchive(Folder(), "SET"), status::kStyleArchiveWanted);
    source->SetStyleArchiveOptions(true, false, std::string(), true);
    EXPECT_EQ(source->LoadSourceArchive(Folder(), "SET"), status::kDone);
    source->SetStyleArchiveOptions(false, false, std::string(), false);
    EXPECT_EQ(source->LoadSourceArchive(Folder(), "SET"), status::kDone);
}

class Psr9000Store : public Psr9000Fixture {};
KALIVO_BOTH_PSR9000_MODELS(Psr9000Store);

TEST_P(Psr9000Store, WritesTheBackupFolderUnderTheFirstSixteenCharactersInCapitals) {
    WriteSampleBackup("IN.BUF");
    ASSERT_EQ(destination->LoadDestinationArchive(Folder(), "IN"), status::kDone);
    TempFolder out;
    ASSERT_EQ(destination->StoreArchive("my regs 2004 long name", out.Path() + "/", 0), status::kDone);
    ASSERT_EQ(out.Names(), (std::vector<std::string>{"MY REGS 2004 LON.BUF"}));

    const auto names = out.Names();
    EXPECT_EQ(destination->StoreArchive("My Regs 2004 Long", out.Path() + "/", 0), status::kNotValid);
    EXPECT_TRUE(AnyMessageContains("Archive MY REGS 2004 LON already exists"));
    EXPECT_EQ(out.Names(), names);

    EXPECT_EQ(out.ReadBytes(std::string("MY REGS 2004 LON.BUF/") + Model().registrationFile),
              dir.ReadBytes(std::string("IN.BUF/") + Model().registrationFile))
        << "what was loaded is stored byte for byte";
    EXPECT_FALSE(stdfs::exists(out.File("DISK.MNG"))) << "only the root of an instrument disk gets DISK.MNG";
}

TEST_P(Psr9000Store, BackupIniSaysWhichInstrumentWroteIt) {
    TempFolder out;
    ASSERT_EQ(destination->StoreArchive("ini", out.Path() + "/", 0), status::kDone);
    const std::string ini = out.Read("INI.BUF/BACKUP.INI");
    const bool pro = &Model() == &Psr9000Model::Pro();
    EXPECT_EQ(ini.size(), pro ? 209u : 207u);
    const std::string expected =
        pro ? "[TITLE]\r\n9000Pro BACKUP.INI\r\nYAMAHA Corporation\r\n[DISK NO]\r\nDISK000\r\n[INSTRUMENT]\r\n"
              "9000Pro\r\n[VERSION]\r\nVer1.02\r\n[TOTAL USER DATA SIZE]\r\n241692KB\r\n[BACKUP REGIST]\r\n"
              "TOTAL FILE NUM:0\r\n4 = REG_Pro.bup\r\n[DATAEND]\r\n"
            : "[TITLE]\r\nPSR-9000 BACKUP.INI\r\nYAMAHA Corporation\r\n[DISK NO]\r\nDISK000\r\n[INSTRUMENT]\r\n"
              "PSR-9000\r\n[VERSION]\r\nVer2.11\r\n[TOTAL USER DATA SIZE]\r\n241692KB\r\n[BACKUP REGIST]\r\n"
              "TOTAL FILE NUM:0\r\n4 = REG.bup\r\n[DATAEND]\r\n";
    EXPECT_EQ(ini, expected);
}

TEST_P(Psr9000Store, AClearedTableStoredAndLoadedAgainHoldsNoRegistration) {
    TempFolder out;
    ASSERT_EQ(destination->StoreArchive("empty", out.Path() + "/", 0), status::kDone);
    const auto bytes = out.ReadBytes(std::string("EMPTY.BUF/") + Model().registrationFile);
    ASSERT_EQ(bytes.size(), 241692u);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + 24, Model().DefaultHeader().begin()));

    ASSERT_EQ(source->LoadSourceArchive(out.Path() + "/", "EMPTY"), status::kDone);
    for (int bank = 0; bank < 64; ++bank) {
        for (int slot = 0; slot < 8; ++slot) {
            std::string name;
            ASSERT_EQ(source->GetRegistrationName(bank, slot, name), status::kBankNotInUse);
        }
    }
    EXPECT_EQ(BankName(*source, 0), "BANK 01");
    EXPECT_EQ(BankName(*source, 9), "BANK 10");
    EXPECT_EQ(BankName(*source, 63), "BANK 64");
}

TEST_P(Psr9000Store, AFolderThatCannotBeWrittenWholeIsRemovedAgain) {
    // A folder so deep that the backup folder itself can be made but no file
    // inside it can be named.
    TempFolder out;
    std::string deep = out.Path();
    const std::string component(200, 'd');
    while (deep.size() + 1 + component.size() < 4085) {
        deep += "/" + component;
    }
    deep += "/" + std::string(4085 - deep.size() - 1, 'e');
    ASSERT_EQ(deep.size(), 4085u);
    ASSERT_TRUE(stdfs::create_directories(deep));

    EXPECT_EQ(destination->StoreArchive("a", deep + "/", 0), status::kNotValid);
    EXPECT_FALSE(stdfs::exists(deep + "/A.BUF"));
    EXPECT_TRUE(AnyMessageContains("cannot be written"));
    EXPECT_TRUE(AnyMessageContains("BACKUP.INI"));
}

class Psr9000Edit : public Psr9000Fixture {
protected:
    void SetUp() override {
        Psr9000Fixture::SetUp();
        WriteSampleBackup("SET.BUF");
        ASSERT_EQ(source->LoadSourceArchive(Folder(), "SET"), status::kDone);
    }
};
KALIVO_BOTH_PSR9000_MODELS(Psr9000Edit);

TEST_P(Psr9000Edit, DeletingTheLastRegistrationOfABankResetsItsName) {
    source->DeleteRegistration(0, 0);
    EXPECT_EQ(BankName(*source, 0), "Evening") << "slot 2 still holds a registration";
    std::string name;
    EXPECT_EQ(source->GetRegistrationName(0, 0, name), status::kNoRegistration);
    source->DeleteRegistration(0, 2);
    EXPECT_EQ(BankName(*source, 0), "BANK 01");
    EXPECT_EQ(source->GetRegistrationName(0, 2, name), status::kBankNotInUse);
    bool empty = false;
    source->IsRegistrationEmpty(0, 2, empty);
    EXPECT_TRUE(empty);
}

TEST_P(Psr9000Edit, CopiesTheRecordButNotTheBankName) {
    ASSERT_EQ(destination->CopyRegistration(10, 7, source.get(), 0, 2), status::kDone);
    EXPECT_EQ(NameAt(*destination, 10, 7), "Flash Song");
    EXPECT_EQ(BankName(*destination, 10), "BANK 11");
    int tempo = 0;
    ASSERT_EQ(destination->GetTempo(10, 7, tempo), status::kDone);
    EXPECT_EQ(tempo, 90);

    EXPECT_EQ(destination->CopyRegistration(0, 0, source.get(), 0, 1), status::kNoRegistration);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(destination->CopyRegistration(0, 0, source.get(), 5, 0), status::kBankNotInUse);
    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{"No bank"}));
}

TEST_P(Psr9000Edit, RenamesOnlyRegistrationsThatExistAndCutsNamesToSixteen) {
    EXPECT_EQ(source->RenameRegistration(0, 1, "Nothing here"), status::kNoRegistration);
    EXPECT_EQ(source->RenameRegistration(0, 0, "A name that is far too long"), status::kDone);
    EXPECT_EQ(NameAt(*source, 0, 0), "A name that is f");
    source->SetBankName(7, "Bank name longer than sixteen");
    EXPECT_EQ(BankName(*source, 7), "Bank name longer");
    EXPECT_EQ(source->RenameRegistration(-1, 0, "x"), status::kNoRegistration);
    EXPECT_EQ(source->RenameRegistration(0, 8, "x"), status::kNoRegistration);
}

TEST_P(Psr9000Edit, NewClearsEverythingIncludingTheName) {
    source->ClearSource();
    EXPECT_EQ(source->GetArchiveName(), "no name");
    std::string name;
    EXPECT_EQ(source->GetRegistrationName(0, 0, name), status::kBankNotInUse);
    EXPECT_EQ(BankName(*source, 0), "BANK 01");
}

}  // namespace
}  // namespace kalivo::test
