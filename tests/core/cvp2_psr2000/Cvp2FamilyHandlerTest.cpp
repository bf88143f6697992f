#include <gtest/gtest.h>

#include "common/fs/FileSystem.h"
#include "core/cvp2_psr2000/Cvp2FamilyHandlerFixture.h"
#include "handlers/StatusCodes.h"

namespace kalivo::test {
namespace {

using namespace s917_bytes;

class Cvp2FamilyHandlerTest : public Cvp2FamilyHandlerFixture {};

TEST_P(Cvp2FamilyHandlerTest, ListsTheBankFilesByTheNameItLoadsThemWith) {
    WriteBank("beta", {"B"});
    WriteBank("Alpha", {"A"});
    dir.Write("Other.S123.REG", BankFile(Model(), {}));
    dir.Write("notes.txt", std::string("x"));
    StringList names;
    ASSERT_EQ(source->ListArchives(Folder(), names), Status::kDone);
    if (IsCvp2()) {
        EXPECT_EQ(names, (StringList{"Alpha.S917", "beta.S917", "Other.S123"}));
    } else {
        EXPECT_EQ(names, (StringList{"Alpha", "beta"}));
    }
    TempFolder empty;
    StringList none;
    EXPECT_EQ(source->ListArchives(empty.Path() + "/", none), Status::kNotValid);
}

TEST_P(Cvp2FamilyHandlerTest, SourceBanksAddUpToTenWithTheirFileNames) {
    for (int i = 0; i < 11; ++i) {
        WriteBank("BANK" + std::to_string(i), {"Reg" + std::to_string(i)});
    }
    ASSERT_EQ(source->LoadSourceArchive(Folder(), Listed("BANK0")), Status::kDone);
    EXPECT_EQ(source->GetArchiveName(), IsCvp2() ? "BANK0.S917" : "BANK0");
    for (int i = 1; i < 10; ++i) {
        ASSERT_EQ(source->LoadSourceArchive(Folder(), Listed("BANK" + std::to_string(i))), Status::kDone);
    }
    EXPECT_EQ(source->SourceBankCount(), 10);
    EXPECT_EQ(source->GetArchiveName(), "******");
    EXPECT_EQ(BankName(*source, 3), "BANK3");
    EXPECT_EQ(NameAt(*source, 9, 0), "Reg9");

    EXPECT_EQ(source->LoadSourceArchive(Folder(), Listed("BANK10")), Status::kNoRoomForBank);
    EXPECT_EQ(ui.MessageTexts().back(), "max number (10) of archives exceeded");
    EXPECT_EQ(source->SourceBankCount(), 10);

    source->ClearSource();
    EXPECT_EQ(source->SourceBankCount(), 0);
    EXPECT_EQ(source->GetArchiveName(), IsCvp2() ? "NO NAME.s917" : "no name");
    EXPECT_EQ(BankName(*source, 3), "Empty Bank");
    EXPECT_EQ(NameAt(*source, 3, 0), "");
    std::string name;
    EXPECT_EQ(source->GetRegistrationName(3, 0, name), Status::kBankNotInUse);
}

TEST_P(Cvp2FamilyHandlerTest, AFailedLoadChangesNeitherTheBankNorTheArchiveName) {
    WriteBank("Good", {"Keep"});
    ASSERT_EQ(source->LoadSourceArchive(Folder(), Listed("Good")), Status::kDone);
    Bytes bad = BankFile(Model(), {});
    bad.resize(100);
    dir.Write("Bad.S917.REG", bad);
    EXPECT_EQ(source->LoadSourceArchive(Folder(), Listed("Bad")), Status::kNotValid);
    const std::string said = ui.MessageTexts().back();
    EXPECT_EQ(said.rfind("File " + Folder() + "Bad.S917.REG", 0), 0u) << said;
    EXPECT_TRUE(said.ends_with(" is no valid archive")) << said;
    EXPECT_EQ(source->SourceBankCount(), 1);
    EXPECT_EQ(source->GetArchiveName(), IsCvp2() ? "Good.S917" : "Good");

    ASSERT_EQ(destination->LoadDestinationArchive(Folder(), Listed("Good")), Status::kDone);
    destination->SetArchiveName("Mine");
    EXPECT_EQ(destination->LoadDestinationArchive(Folder(), Listed("Missing")), Status::kNotValid);
    EXPECT_NE(ui.MessageTexts().back().find("Missing"), std::string::npos);
    EXPECT_EQ(destination->LoadDestinationArchive(Folder(), Listed("Bad")), Status::kNotValid);
    EXPECT_EQ(destination->GetArchiveName(), IsCvp2() ? "Mine.s917" : "Mine");
    EXPECT_EQ(NameAt(*destination, 0, 0), "Keep");
}

TEST_P(Cvp2FamilyHandlerTest, ABankWhoseRegistrationLiesOutsideTheFileIsNamedAndNotLoaded) {
    WriteBank("Good", {"Keep"});
    ASSERT_EQ(source->LoadSourceArchive(Folder(), Listed("Good")), Status::kDone);
    std::array<std::optional<Bytes>, 8> slots;
    slots[0] = FullBlock("First");
    slots[7] = FullBlock("Last");
    const Bytes sound = BankFile(Model(), slots);
    // The last block starting one byte later ends one byte past the file.
    Bytes damaged = sound;
    damaged[32 + 4 * 7 + 3] = static_cast<std::uint8_t>(damaged[32 + 4 * 7 + 3] + 1);
    dir.Write("Cut.S917.REG", damaged);
    EXPECT_EQ(source->LoadSourceArchive(Folder(), Listed("Cut")), Status::kNotValid);
    EXPECT_EQ(ui.MessageTexts().back(), "File " + Folder() + "Cut.S917.REG is damaged: registration 8 does not lie "
                                        "whole inside the file; the bank is not loaded");
    EXPECT_EQ(source->SourceBankCount(), 1);
    EXPECT_EQ(source->Bank(1), nullptr);

    dir.Write("Cut.S917.REG", sound);
    ASSERT_EQ(source->LoadSourceArchive(Folder(), Listed("Cut")), Status::kDone);
    EXPECT_EQ(NameAt(*source, 1, 7), "Last");
}

TEST_P(Cvp2FamilyHandlerTest, ABankWithItsLastSlotFilledIsStoredByteForByte) {
    std::array<std::optional<Bytes>, 8> slots;
    slots[0] = FullBlock("First");
    slots[7] = FullBlock("Eighth", 77);
    const Bytes original = BankFile(Model(), slots);
    dir.Write("Full.S917.REG", original);
    ASSERT_EQ(destination->LoadDestinationArchive(Folder(), Listed("Full")), Status::kDone);
    TempFolder out;
    ASSERT_EQ(destination->StoreArchive(destination->GetArchiveName(), out.Path() + "/", 0), Status::kDone);
    ASSERT_EQ(out.Names().size(), 1u);
    EXPECT_EQ(out.ReadBytes(out.Names()[0]), original);
    ASSERT_EQ(source->LoadSourceArchive(out.Path() + "/", Listed("Full")), Status::kDone);
    ASSERT_TRUE(source->Registration(0, 7));
    EXPECT_EQ(source->Registration(0, 7)->Tempo(), 77);
}

// A name that begins with a dot keeps it, and a name holding what a file name
// cannot hold reads the same in the list, in the stored file and in regfiles.
TEST_P(Cvp2FamilyHandlerTest, ANameIsShownStoredAndMadeIntoRegfilesAlike) {
    struct Case {
        std::string file;  // before ".S917.REG"
        std::string shown;
        std::string stored;  // file name after a store
    };
    const Case cases[] = {
        {".hidden", ".hidden", ".hidden.S917.REG"},
        {"A\\B", "A_B", "A_B.S917.REG"},
        {"Plain", "Plain", "Plain.S917.REG"},
    };
    for (const Case& c : cases) {
        TempFolder in;
        std::array<std::optional<Bytes>, 8> slots;
        slots[0] = FullBlock("X");
        in.Write(c.file + ".S917.REG", BankFile(Model(), slots));
        StringList listed;
        ASSERT_EQ(destination->ListArchives(in.Path() + "/", listed), Status::kDone) << c.file;
        ASSERT_EQ(listed.size(), 1u) << c.file;
        ASSERT_EQ(destination->LoadDestinationArchive(in.Path() + "/", listed[0]), Status::kDone) << c.file;
        EXPECT_EQ(BankName(*destination, 0), c.shown) << c.file;
        EXPECT_EQ(destination->GetArchiveName(), IsCvp2() ? c.shown + ".S917" : c.shown) << c.file;

        TempFolder out;
        ASSERT_EQ(destination->StoreArchive(destination->GetArchiveName(), out.Path() + "/", 0), Status::kDone) << c.file;
        EXPECT_EQ(out.Names(), std::vector<std::string>{c.stored}) << c.file;
        TempFolder regfiles;
        ASSERT_EQ(destination->CreateRegfiles(regfiles.Path() + "/"), Status::kDone) << c.file;
        EXPECT_EQ(regfiles.Names(), std::vector<std::string>{"X_" + c.shown + "(1-1)" + (IsCvp2() ? ".cvp" : ".p2k")})
            << c.file;
    }
}

TEST_P(Cvp2FamilyHandlerTest, TheBankNameComesFromTheFileNameOnly) {
    TempFolder parent;
    const std::string folder = parent.Path() + "/my.regs";
    ASSERT_TRUE(FileSystem::CreateDirectory(folder));
    std::array<std::optional<Bytes>, 8> slots;
    slots[0] = FullBlock("X");
    ASSERT_TRUE(FileSystem::WriteBytesSafely(folder + "/MY BANK.S917.REG", BankFile(Model(), slots)));
    ASSERT_EQ(source->LoadSourceArchive(folder + "/", Listed("MY BANK")), Status::kDone);
    EXPECT_EQ(BankName(*source, 0), "MY BANK");
}

TEST_P(Cvp2FamilyHandlerTest, ALoadFindsTheFileWhateverTheCaseOfItsName) {
    std::array<std::optional<Bytes>, 8> slots;
    slots[2] = FullBlock("Upper");
    dir.Write("LOUD.S917.reg", BankFile(Model(), slots));
    StringList names;
    source->ListArchives(Folder(), names);
    ASSERT_EQ(names.size(), 1u);
    ASSERT_EQ(source->LoadSourceArchive(Folder(), names[0]), Status::kDone);
    EXPECT_EQ(NameAt(*source, 0, 2), "Upper");
    EXPECT_EQ(BankName(*source, 0), "LOUD");
}

TEST_P(Cvp2FamilyHandlerTest, StoreChecksTheBankBeforeAskingAndKeepsTheOldFileOnNo) {
    const std::string archive = destination->GetArchiveName();
    const std::string file = IsCvp2() ? archive + ".REG" : archive + ".S917.REG";
    dir.Write(file, std::string("old"));
    EXPECT_EQ(destination->StoreArchive(archive, Folder(), 0), Status::kNotValid);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, file + " not stored: the bank holds no registration");
    EXPECT_EQ(ui.messages[0].kind, "ok");
    EXPECT_EQ(dir.Read(file), "old");

    WriteBank("Src", {"One", "Two"});
    ASSERT_EQ(source->LoadSourceArchive(Folder(), Listed("Src")), Status::kDone);
    ASSERT_EQ(destination->CopyRegistration(0, 4, source.get(), 0, 1), Status::kDone);
    EXPECT_EQ(destination->StoreArchive(archive, Folder(), 0), Status::kReplaceDeclined);
    EXPECT_EQ(ui.messages.back().text, "Replace archive " + Folder() + file + "?");
    EXPECT_EQ(dir.Read(file), "old");

    ui.yesNo.push_back(true);
    ASSERT_EQ(destination->StoreArchive(archive, Folder(), 0), Status::kDone);
    const Bytes stored = dir.ReadBytes(file);
    EXPECT_EQ(U32At(stored, 32 + 4 * 4), 112u);
    EXPECT_EQ(std::string(stored.begin() + 16, stored.begin() + 24), Model());
}

TEST_P(Cvp2FamilyHandlerTest, StoreWritesOntoAnExistingFileUnderItsOwnSpelling) {
    WriteBank("Src", {"One"});
    ASSERT_EQ(destination->LoadDestinationArchive(Folder(), Listed("Src")), Status::kDone);
    destination->SetArchiveName("Party");
    const std::string upper = "PARTY.S917.REG";
    dir.Write(upper, std::string("old"));
    ui.yesNo.push_back(true);
    ASSERT_EQ(destination->StoreArchive(destination->GetArchiveName(), Folder(), 0), Status::kDone);
    EXPECT_EQ(ui.messages.back().text, "Replace archive " + Folder() + upper + "?");
    const StringList names = FileSystem::FindFiles(dir.Path(), "party*");
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0], upper);
    EXPECT_GT(dir.ReadBytes(upper).size(), 112u);
}

TEST_P(Cvp2FamilyHandlerTest, StoredNamesStayInsideTheFolder) {
    WriteBank("Src", {"One"});
    ASSERT_EQ(destination->LoadDestinationArchive(Folder(), Listed("Src")), Status::kDone);
    destination->SetArchiveName("../up");
    ASSERT_EQ(destination->StoreArchive(destination->GetArchiveName(), Folder(), 0), Status::kDone);
    for (const std::string& name : dir.Names()) {
        EXPECT_EQ(name.find('/'), std::string::npos);
    }
    EXPECT_EQ(FileSystem::FindFiles(dir.Path(), "*.REG").size(), 2u);
}

TEST_P(Cvp2FamilyHandlerTest, DeletingTheLastRegistrationResetsTheDestinationNames) {
    WriteBank("Src", {"One", "Two"});
    ASSERT_EQ(destination->LoadDestinationArchive(Folder(), Listed("Src")), Status::kDone);
    destination->DeleteRegistration(0, 0);
    EXPECT_EQ(BankName(*destination, 0), "Src");
    destination->DeleteRegistration(0, 1);
    EXPECT_EQ(BankName(*destination, 0), "Empty Bank");
    EXPECT_EQ(destination->GetArchiveName(), IsCvp2() ? "NO NAME.s917" : "no name");
    std::string name;
    EXPECT_EQ(destination->GetRegistrationName(0, 1, name), Status::kBankNotInUse);
}

TEST_P(Cvp2FamilyHandlerTest, RenameRefusesEmptySlotsAndKeepsSixteenCharacters) {
    EXPECT_EQ(destination->RenameRegistration(0, 0, "Nothing"), Status::kNoRegistration);
    WriteBank("Src", {"One"});
    ASSERT_EQ(destination->LoadDestinationArchive(Folder(), Listed("Src")), Status::kDone);
    EXPECT_EQ(destination->RenameRegistration(0, 3, "Nothing"), Status::kNoRegistration);
    ASSERT_EQ(destination->RenameRegistration(0, 0, "A name of twenty chars"), Status::kDone);
    EXPECT_EQ(NameAt(*destination, 0, 0), "A name of twenty");
}

TEST_P(Cvp2FamilyHandlerTest, CopiesCarryTheWholeBlock) {
    WriteBank("Src", {"One", "Two"});
    ASSERT_EQ(source->LoadSourceArchive(Folder(), Listed("Src")), Status::kDone);
    EXPECT_EQ(destination->CopyRegistration(0, 7, source.get(), 0, 1), Status::kDone);
    EXPECT_EQ(destination->Registration(0, 7)->Bytes(), source->Registration(0, 1)->Bytes());
    EXPECT_EQ(destination->CopyRegistration(0, 6, source.get(), 0, 5), Status::kNoRegistration);
    EXPECT_EQ(destination->CopyRegistration(0, 6, source.get(), 4, 0), Status::kBankNotInUse);
    EXPECT_FALSE(destination->Registration(0, 6));
}

TEST_P(Cvp2FamilyHandlerTest, ReadersOfARegistration) {
    std::array<std::optional<Bytes>, 8> slots;
    slots[0] = Block({Name("Readers  "), Path(16, "STYLE/POP/Cool.STY"), Path(17, "Pads.PAD"), Tempo(133)});
    slots[1] = Block({Name("Bare")});
    dir.Write("R.S917.REG", BankFile(Model(), slots));
    ASSERT_EQ(source->LoadSourceArchive(Folder(), Listed("R")), Status::kDone);

    std::string text;
    int tempo = 0;
    EXPECT_EQ(source->GetStyleName(0, 0, text, 0), Status::kDone);
    EXPECT_EQ(text, "Cool");
    EXPECT_EQ(source->GetMultiPadName(0, 0, text), Status::kDone);
    EXPECT_EQ(text, "Pads");
    EXPECT_EQ(source->GetTempo(0, 0, tempo), Status::kDone);
    EXPECT_EQ(tempo, 133);
    EXPECT_EQ(source->GetStyleName(0, 1, text, 0), Status::kDone);
    EXPECT_EQ(text, "no style");
    EXPECT_EQ(source->GetMultiPadName(0, 1, text), Status::kDone);
    EXPECT_EQ(text, "no multipad");
    EXPECT_EQ(source->GetTempo(0, 1, tempo), Status::kDone);
    EXPECT_EQ(tempo, -1);
    EXPECT_EQ(source->GetVoiceName2(0, 1, text), Status::kDone);
    EXPECT_EQ(text, "no voice");
    EXPECT_EQ(source->GetStyleName(0, 2, text, 0), Status::kNoRegistration);
    EXPECT_EQ(text, "");
    EXPECT_EQ(source->GetVoiceName1(5, 0, text), Status::kNoRegistration);

    std::array<std::string, 11> settings;
    source->DescribeSettingBlocks(-1, 0, 0, settings);
    EXPECT_EQ(settings, (std::array<std::string, 11>{"+", "-", "-", "-", "-", "-", "-", "+", "-", "-", "-"}));
    source->GetSettingsAbbreviation(-1, 0, 0, text);
    EXPECT_EQ(text, "sty tpo");
}

TEST_P(Cvp2FamilyHandlerTest, SettingsAbbreviationListsEverySettingInItsOrder) {
    std::array<std::optional<Bytes>, 8> slots;
    slots[0] = FullBlock("All");
    slots[1] = Block({Name("None")});
    slots[2] = Block({Name("Layer"), Voice(5, 0, 0, 1), Filler(14, 0)});
    dir.Write("A.S917.REG", BankFile(Model(), slots));
    ASSERT_EQ(source->LoadSourceArchive(Folder(), Listed("A")), Status::kDone);
    std::string text;
    source->GetSettingsAbbreviation(-1, 0, 0, text);
    EXPECT_EQ(text, "sty vc tt scl hrm tpo ped mpd smc");
    source->GetSettingsAbbreviation(-1, 0, 1, text);
    EXPECT_EQ(text, "");
    source->GetSettingsAbbreviation(-1, 0, 2, text);
    EXPECT_EQ(text, "vc smc");
}

INSTANTIATE_TEST_SUITE_P(BothModels, Cvp2FamilyHandlerTest, ::testing::Values(Cvp2Kind::Cvp2, Cvp2Kind::Psr2000),
                         KindName);

TEST(Cvp2NamingTest, Cvp2ArchiveNamesEndInS917) {
    ScriptedUserInterface ui;
    Cvp2Handler handler(ui);
    handler.CreateStore();
    const std::vector<std::array<std::string, 3>> cases{
        {"Party", "Party.s917", "Party"},
        {"Party.S917", "Party.S917", "Party"},
        {"Party.s001", "Party.s001", "Party"},
        {"Party.REG", "Party.s917", "Party"},
        {"", "Empty_Bank.s917", "Empty_Bank"},
        {"Ab.c", "Ab.s917", "Ab"},
        {"x.s91", "x.s917", "x"},
        {".hidden", ".hidden.s917", ".hidden"},
        {"A\\B:C", "A_B_C.s917", "A_B_C"},
    };
    for (const auto& [given, archive, bank] : cases) {
        handler.SetArchiveName(given);
        EXPECT_EQ(handler.GetArchiveName(), archive) << given;
        std::string name;
        handler.GetBankName(0, name);
        EXPECT_EQ(name, bank) << given;
    }
    handler.SetBankName(0, "Jazz.Set");
    EXPECT_EQ(handler.GetArchiveName(), "Jazz.s917");
}

TEST(Cvp2NamingTest, Psr2000NamesAreTakenAsGiven) {
    ScriptedUserInterface ui;
    Psr2000Handler handler(ui);
    handler.CreateStore();
    handler.SetArchiveName("Jazz.Set");
    EXPECT_EQ(handler.GetArchiveName(), "Jazz.Set");
    handler.SetArchiveName("A\\B");
    EXPECT_EQ(handler.GetArchiveName(), "A_B");
    handler.SetBankName(0, "Pop");
    std::string name;
    handler.GetBankName(0, name);
    EXPECT_EQ(name, "Pop");
    EXPECT_EQ(handler.GetArchiveName(), "Pop");
}

}  // namespace
}  // namespace kalivo::test
