#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "app/ArchiveCopier.h"
#include "common/disk/DiskMngHeader.h"
#include "common/fs/FileSystem.h"
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
    ASSERT_EQ(source->LoadSourceArchive(Folder(), "LIVE"), Status::kDone);
    EXPECT_EQ(NameAt(*source, 1, 3), "From B01");
    EXPECT_EQ(source->GetArchiveName(), "LIVE");
}

TEST_P(Psr9000Load, FindsTheRegistrationFileWhateverItsCase) {
    std::string lower = Model().registrationFile;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return static_cast<char>(std::tolower(c)); });
    WriteBackup("Gig.BUF", OneRegistration(Model(), "Lower"), lower);
    ASSERT_EQ(destination->LoadDestinationArchive(Folder(), "GIG"), Status::kDone);
    EXPECT_EQ(NameAt(*destination, 1, 3), "Lower");
}

TEST_P(Psr9000Load, ListsEveryBackupFolderOnceSortedIgnoringCase) {
    for (const char* folder : {"zeta.BUF", "Alpha.B02", "alpha.BUF", "Mid.b01", "NotABackup"}) {
        stdfs::create_directories(dir.File(folder));
    }
    dir.Write("File.BUF", std::string("a file, not a backup folder"));
    StringList names;
    ASSERT_EQ(source->ListArchives(Folder(), names), Status::kDone);
    EXPECT_EQ(names, (StringList{"alpha", "Mid", "zeta"}));

    TempFolder empty;
    StringList none;
    EXPECT_EQ(source->ListArchives(empty.Path() + "/", none), Status::kNotValid);
    EXPECT_TRUE(none.empty());
}

TEST_P(Psr9000Load, RefusesACutFileAndLoadsAWrongChecksumOnlyWhenThePersonSaysYes) {
    struct Case {
        const char* what;
        int sizeChange;       // bytes added (+) or cut (-) at the end
        int checksumChange;   // added to the last byte of the checksum
        std::optional<Answer> answer;  // the question is asked exactly when one is given
        Status expected;
        const char* message;  // the refusal's reason, "" when none is shown
    };
    const Case cases[] = {
        {"exact file", 0, 0, std::nullopt, Status::kDone, ""},
        {"checksum off by one, No", 0, 1, Answer::No, Status::kNotValid, ""},
        {"checksum off by one, box closed", 0, 1, Answer::Cancel, Status::kNotValid, ""},
        {"checksum off by one, Yes", 0, 1, Answer::Yes, Status::kDone, ""},
        {"one byte short", -1, 0, std::nullopt, Status::kNotValid, "too short"},
        {"two bytes short", -2, 0, std::nullopt, Status::kNotValid, "too short"},
        {"one byte long", 1, 0, std::nullopt, Status::kNotValid, "too long"},
    };
    const auto whole = OneRegistration(Model(), "Other");
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteSampleBackup("GOOD.BUF");
        ASSERT_EQ(source->LoadSourceArchive(Folder(), "GOOD"), Status::kDone);
        ui.messages.clear();
        auto bytes = whole;
        bytes.resize(static_cast<std::size_t>(static_cast<int>(bytes.size()) + c.sizeChange));
        bytes.back() = static_cast<std::uint8_t>(bytes.back() + c.checksumChange);
        const std::string archive = "CASE" + std::to_string(++number);
        const std::string path = WriteBackup(archive + ".BUF", bytes);
        if (c.answer) {
            ui.yesNoOrClose.push_back(*c.answer);
        }

        EXPECT_EQ(source->LoadSourceArchive(Folder(), archive), c.expected);
        const bool asked = !ui.messages.empty() && ui.messages[0].kind != "ok";
        EXPECT_EQ(asked, c.answer.has_value());
        if (asked) {
            EXPECT_TRUE(ui.messages[0].defaultNo);
            EXPECT_NE(ui.messages[0].text.find(path), std::string::npos);
            EXPECT_NE(ui.messages[0].text.find("may be damaged"), std::string::npos);
        }
        if (*c.message != '\0') {
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_NE(ui.messages[0].text.find("Archive not correct\n" + path + ": the file is " + c.message),
                      std::string::npos);
        }
        const bool loaded = c.expected == Status::kDone;
        EXPECT_EQ(source->GetArchiveName(), loaded ? archive : "GOOD");
        EXPECT_EQ(NameAt(*source, 1, 3), loaded ? "Other" : "") << "a refused file changes nothing";
        EXPECT_EQ(NameAt(*source, 4, 1), loaded ? "" : "My Song");
    }
    ui.messages.clear();
    EXPECT_EQ(source->LoadSourceArchive(Folder(), "MISSING"), Status::kNotValid);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("Archive not correct"), std::string::npos);
    EXPECT_NE(ui.messages[0].text.find("MISSING"), std::string::npos);
}

// A fixed DISK.MNG as another instrument writes it: "PSR-8000" in bytes 16..23.
std::vector<std::uint8_t> LiteralDiskMng(const std::string& modelLine) {
    std::string text = "DISK    MNG   \r\n" + modelLine + "\r\nVer1.00Rev1.00\r\n";
    for (int line = 0; line < 5; ++line) {
        text += std::string(14, ' ') + "\r\n";
    }
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

TEST(Psr9000DiskMng, OnlyThePsr9000RefusesABackupBesideAnotherModelsDiskMng) {
    struct Case {
        const Psr9000Model* model;
        const char* diskModel;  // 14 characters
        Status expected;
    };
    const Case cases[] = {
        {&Psr9000Model::Psr9000(), "PSR-8000      ", Status::kWrongModel},
        {&Psr9000Model::Psr9000(), "9000Pro       ", Status::kWrongModel},
        {&Psr9000Model::Psr9000(), "PSR-9000      ", Status::kDone},
        {&Psr9000Model::Pro(), "PSR-8000      ", Status::kDone},
        {&Psr9000Model::Pro(), "PSR-9000      ", Status::kDone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.model->instrument) + " beside " + c.diskModel);
        TempFolder dir;
        ScriptedUserInterface ui;
        Psr9000FamilyHandler handler(ui, *c.model);
        handler.CreateStore();
        const auto disk = LiteralDiskMng(c.diskModel);
        ASSERT_EQ(disk.size(), 128u);
        dir.Write("DISK.MNG", disk);
        std::filesystem::create_directories(dir.File("SET.BUF"));
        dir.Write(std::string("SET.BUF/") + c.model->registrationFile, OneRegistration(*c.model, "Kept"));

        EXPECT_EQ(handler.LoadSourceArchive(dir.Path() + "/", "SET"), c.expected);
        const bool refused = c.expected == Status::kWrongModel;
        EXPECT_EQ(ui.MessageTexts(), refused ? std::vector<std::string>{"Model not correct\n" + dir.Path() +
                                                                        "/DISK.MNG"}
                                             : std::vector<std::string>{});
        std::string name;
        EXPECT_EQ(handler.GetRegistrationName(1, 3, name), refused ? Status::kBankNotInUse : Status::kDone);
    }
}

TEST(Psr9000OtherModel, TheRefusalNamesTheFileLookedForAndABackupOfTheOtherModel) {
    struct Case {
        const Psr9000Model* model;
        const char* folder;  // the backup folder on disk
        const char* file;    // the registration file in it; nullptr: none
        const char* expected;
    };
    const char* const missing = "no backup folder of this name holds the registration file ";
    const std::string expectations[] = {
        std::string(missing) + "REG_Pro.BUP; it holds REG.BUP and looks like a PSR-9000 backup",
        std::string(missing) + "REG.BUP; it holds REG_Pro.BUP and looks like a 9000Pro backup",
        std::string(missing) + "REG.BUP; it holds REG_Pro.BUP and looks like a 9000Pro backup",
        std::string(missing) + "REG_Pro.BUP",
        std::string(missing) + "REG.BUP",
    };
    const Case cases[] = {
        {&Psr9000Model::Pro(), "SET.BUF", "REG.BUP", expectations[0].c_str()},
        {&Psr9000Model::Psr9000(), "SET.BUF", "REG_Pro.BUP", expectations[1].c_str()},
        // The instrument's own folder kind, the name in other letters.
        {&Psr9000Model::Psr9000(), "set.b01", "reg_pro.bup", expectations[2].c_str()},
        {&Psr9000Model::Pro(), "SET.BUF", nullptr, expectations[3].c_str()},
        // A name one letter longer is no registration file of either model.
        {&Psr9000Model::Psr9000(), "SET.BUF", "REG.BUPX", expectations[4].c_str()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.model->instrument) + " loading " + c.folder + "/" + (c.file ? c.file : "-"));
        TempFolder dir;
        ScriptedUserInterface ui;
        Psr9000FamilyHandler handler(ui, *c.model);
        handler.CreateStore();
        std::filesystem::create_directories(dir.File(c.folder));
        if (c.file != nullptr) {
            dir.Write(std::string(c.folder) + "/" + c.file, OneRegistration(c.model->Other(), "Other"));
        }
        EXPECT_EQ(handler.LoadSourceArchive(dir.Path() + "/", "SET"), Status::kNotValid);
        EXPECT_EQ(ui.MessageTexts(),
                  std::vector<std::string>{"Archive not correct\n" + dir.Path() + "/SET: " + c.expected});
        std::string name;
        EXPECT_EQ(handler.GetRegistrationName(1, 3, name), Status::kBankNotInUse);
    }
}

TEST_P(Psr9000Load, OnlyThePsr9000ChecksTheModelInDiskMng) {
    WriteSampleBackup("SET.BUF");
    dir.Write("disk.mng", DiskMngHeader::Build("PSR-8000", "Ver1.00Rev1.00"));
    const Status result = source->LoadSourceArchive(Folder(), "SET");
    if (Model().checksDiskMng) {
        EXPECT_EQ(result, Status::kWrongModel);
        EXPECT_TRUE(AnyMessageContains("Model not correct"));
        EXPECT_EQ(source->GetArchiveName(), "no name") << "the name changes only with a load that succeeds";
        std::string name;
        EXPECT_EQ(source->GetRegistrationName(0, 0, name), Status::kBankNotInUse);
    } else {
        EXPECT_EQ(result, Status::kDone);
    }
    dir.Write("disk.mng", DiskMngHeader::Build(Model().instrument, "Ver1.00Rev1.00"));
    EXPECT_EQ(source->LoadSourceArchive(Folder(), "SET"), Status::kDone);
    stdfs::remove(dir.File("disk.mng"));
    EXPECT_EQ(source->LoadSourceArchive(Folder(), "SET"), Status::kDone);
    EXPECT_EQ(NameAt(*source, 0, 2), "Flash Song");
}

TEST_P(Psr9000Load, AsksForAStyleArchiveOnlyWithoutTheImplicitSearch) {
    WriteSampleBackup("SET.BUF");
    source->SetStyleArchiveOptions(true, false, std::string(), false);
    EXPECT_EQ(source->LoadSourceArchive(Folder(), "SET"), Status::kStyleArchiveWanted);
    source->SetStyleArchiveOptions(true, false, std::string(), true);
    EXPECT_EQ(source->LoadSourceArchive(Folder(), "SET"), Status::kDone);
    source->SetStyleArchiveOptions(false, false, std::string(), false);
    EXPECT_EQ(source->LoadSourceArchive(Folder(), "SET"), Status::kDone);
}

class Psr9000Store : public Psr9000Fixture {};
KALIVO_BOTH_PSR9000_MODELS(Psr9000Store);

TEST_P(Psr9000Store, WritesTheBackupFolderUnderTheFirstSixteenCharactersInCapitals) {
    WriteSampleBackup("IN.BUF");
    ASSERT_EQ(destination->LoadDestinationArchive(Folder(), "IN"), Status::kDone);
    TempFolder out;
    ASSERT_EQ(destination->StoreArchive("my regs 2004 long name", out.Path() + "/", 0), Status::kDone);
    ASSERT_EQ(out.Names(), (std::vector<std::string>{"MY REGS 2004 LON.BUF"}));

    const auto names = out.Names();
    EXPECT_EQ(destination->StoreArchive("My Regs 2004 Long", out.Path() + "/", 0), Status::kNotValid);
    EXPECT_TRUE(AnyMessageContains("Archive MY REGS 2004 LON already exists"));
    EXPECT_EQ(out.Names(), names);

    EXPECT_EQ(out.ReadBytes(std::string("MY REGS 2004 LON.BUF/") + Model().registrationFile),
              dir.ReadBytes(std::string("IN.BUF/") + Model().registrationFile))
        << "what was loaded is stored byte for byte";
    EXPECT_FALSE(stdfs::exists(out.File("DISK.MNG"))) << "only the root of an instrument disk gets DISK.MNG";
}

TEST_P(Psr9000Store, TheFolderNameIsTheNameADiskKeepsAndReadsBackTheSame) {
    const struct {
        std::string archive;  // Windows-1252
        std::string stored;
    } cases[] = {
        {"M\xFCller Set 1.2/X", "MULLER SET 12X"},
        {" \xE9t\xE9 \xE0 Paris: 2004 night", "ETE A PARIS 2004"},
    };
    WriteSampleBackup("IN.BUF");
    ASSERT_EQ(destination->LoadDestinationArchive(Folder(), "IN"), Status::kDone);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        TempFolder out;
        ASSERT_EQ(destination->StoreArchive(c.archive, out.Path() + "/", 0), Status::kDone);
        ASSERT_EQ(out.Names(), (std::vector<std::string>{c.stored + ".BUF"}));
        StringList listed;
        ASSERT_EQ(source->ListArchives(out.Path() + "/", listed), Status::kDone);
        ASSERT_EQ(listed, StringList{c.stored});
        ASSERT_EQ(source->LoadSourceArchive(out.Path() + "/", listed[0]), Status::kDone);
        EXPECT_EQ(source->GetArchiveName(), c.stored);
    }
    TempFolder out;
    EXPECT_EQ(destination->StoreArchive("./?", out.Path() + "/", 0), Status::kNotValid);
    EXPECT_TRUE(AnyMessageContains("Archive name ./? holds no character a disk name can keep"));
    EXPECT_TRUE(out.Names().empty());
}

TEST_P(Psr9000Store, NothingHalfMadeIsLeftAndTheNextStoreClearsOurLeftovers) {
    TempFolder out;
    // What a killed store leaves: a temporary folder beside the backup it was building.
    const std::string leftover = FileSystem::TemporaryNameBeside(out.File("LIVE.BUF"));
    std::filesystem::create_directories(leftover);
    out.Write(FileSystem::LastComponent(leftover) + "/BACKUP.INI", std::string("half"));
    out.Write("OTHER.kalivo-tmpx", std::string("not ours"));
    StringList listed;
    EXPECT_EQ(source->ListArchives(out.Path() + "/", listed), Status::kNotValid) << "a half-made backup is not listed";

    ASSERT_EQ(destination->StoreArchive("Live", out.Path() + "/", 0), Status::kDone);
    EXPECT_EQ(out.Names(), (std::vector<std::string>{"LIVE.BUF", "OTHER.kalivo-tmpx"}));
    EXPECT_TRUE(stdfs::is_regular_file(out.File(std::string("LIVE.BUF/") + Model().registrationFile)));
}

TEST_P(Psr9000Store, BackupIniSaysWhichInstrumentWroteIt) {
    TempFolder out;
    ASSERT_EQ(destination->StoreArchive("ini", out.Path() + "/", 0), Status::kDone);
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
    ASSERT_EQ(destination->StoreArchive("empty", out.Path() + "/", 0), Status::kDone);
    const auto bytes = out.ReadBytes(std::string("EMPTY.BUF/") + Model().registrationFile);
    ASSERT_EQ(bytes.size(), 241692u);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + 24, Model().DefaultHeader().begin()));

    ASSERT_EQ(source->LoadSourceArchive(out.Path() + "/", "EMPTY"), Status::kDone);
    for (int bank = 0; bank < 64; ++bank) {
        for (int slot = 0; slot < 8; ++slot) {
            std::string name;
            ASSERT_EQ(source->GetRegistrationName(bank, slot, name), Status::kBankNotInUse);
        }
    }
    EXPECT_EQ(BankName(*source, 0), "BANK 01");
    EXPECT_EQ(BankName(*source, 9), "BANK 10");
    EXPECT_EQ(BankName(*source, 63), "BANK 64");
}

TEST_P(Psr9000Store, AFolderThatCannotBeWrittenWholeIsRemovedAgain) {
    // A folder so deep that the temporary backup folder can be made but no
    // file inside it can be named.
    TempFolder out;
    std::string deep = out.Path();
    const std::string component(200, 'd');
    while (deep.size() + 1 + component.size() < 4070) {
        deep += "/" + component;
    }
    deep += "/" + std::string(4070 - deep.size() - 1, 'e');
    ASSERT_EQ(deep.size(), 4070u);
    ASSERT_TRUE(stdfs::create_directories(deep));

    EXPECT_EQ(destination->StoreArchive("a", deep + "/", 0), Status::kNotValid);
    EXPECT_TRUE(stdfs::is_empty(deep)) << "neither A.BUF nor the folder it was built in";
    EXPECT_TRUE(AnyMessageContains("cannot be written"));
    EXPECT_TRUE(AnyMessageContains("BACKUP.INI"));
}

class Psr9000Edit : public Psr9000Fixture {
protected:
    void SetUp() override {
        Psr9000Fixture::SetUp();
        WriteSampleBackup("SET.BUF");
        ASSERT_EQ(source->LoadSourceArchive(Folder(), "SET"), Status::kDone);
    }
};
KALIVO_BOTH_PSR9000_MODELS(Psr9000Edit);

TEST_P(Psr9000Edit, DeletingTheLastRegistrationOfABankResetsItsName) {
    source->DeleteRegistration(0, 0);
    EXPECT_EQ(BankName(*source, 0), "Evening") << "slot 2 still holds a registration";
    std::string name;
    EXPECT_EQ(source->GetRegistrationName(0, 0, name), Status::kNoRegistration);
    source->DeleteRegistration(0, 2);
    EXPECT_EQ(BankName(*source, 0), "BANK 01");
    EXPECT_EQ(source->GetRegistrationName(0, 2, name), Status::kBankNotInUse);
    bool empty = false;
    source->IsRegistrationEmpty(0, 2, empty);
    EXPECT_TRUE(empty);
}

TEST_P(Psr9000Edit, CopiesTheRecordButNotTheBankName) {
    ASSERT_EQ(destination->CopyRegistration(10, 7, source.get(), 0, 2), Status::kDone);
    EXPECT_EQ(NameAt(*destination, 10, 7), "Flash Song");
    EXPECT_EQ(BankName(*destination, 10), "BANK 11");
    int tempo = 0;
    ASSERT_EQ(destination->GetTempo(10, 7, tempo), Status::kDone);
    EXPECT_EQ(tempo, 90);

    EXPECT_EQ(destination->CopyRegistration(0, 0, source.get(), 0, 1), Status::kNoRegistration);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(destination->CopyRegistration(0, 0, source.get(), 5, 0), Status::kBankNotInUse);
    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{"No bank"}));
}

TEST_P(Psr9000Edit, OnlyTheCopyOfOneUnusedBankSaysNoBank) {
    source->SetBankName(5, "Unused named");
    ArchiveCopier::CopyArchive(*destination, *source);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(NameAt(*destination, 4, 1), "My Song");
    EXPECT_EQ(BankName(*destination, 5), "Unused named");

    ArchiveCopier::CopyWholeBank(*destination, 7, *source, 5);
    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{"No bank"}));
}

TEST_P(Psr9000Edit, RenamesOnlyRegistrationsThatExistAndCutsNamesToSixteen) {
    EXPECT_EQ(source->RenameRegistration(0, 1, "Nothing here"), Status::kNoRegistration);
    EXPECT_EQ(source->RenameRegistration(0, 0, "A name that is far too long"), Status::kDone);
    EXPECT_EQ(NameAt(*source, 0, 0), "A name that is f");
    source->SetBankName(7, "Bank name longer than sixteen");
    EXPECT_EQ(BankName(*source, 7), "Bank name longer");
    EXPECT_EQ(source->RenameRegistration(-1, 0, "x"), Status::kNoRegistration);
    EXPECT_EQ(source->RenameRegistration(0, 8, "x"), Status::kNoRegistration);
}

TEST_P(Psr9000Edit, NewClearsEverythingIncludingTheName) {
    source->ClearSource();
    EXPECT_EQ(source->GetArchiveName(), "no name");
    std::string name;
    EXPECT_EQ(source->GetRegistrationName(0, 0, name), Status::kBankNotInUse);
    EXPECT_EQ(BankName(*source, 0), "BANK 01");
}

}  // namespace
}  // namespace kalivo::test
