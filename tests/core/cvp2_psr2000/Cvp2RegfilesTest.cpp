#include <gtest/gtest.h>

#include <filesystem>

#include "common/fs/FileSystem.h"
#include "core/cvp2_psr2000/Cvp2FamilyHandlerFixture.h"
#include "handlers/StatusCodes.h"
#include "support/FatImage.h"

namespace kalivo::test {
namespace {

using namespace s917_bytes;

class Cvp2RegfilesTest : public Cvp2FamilyHandlerFixture {
protected:
    std::string Extension() const { return IsCvp2() ? ".cvp" : ".p2k"; }
    StringList Regfiles() {
        StringList names;
        source->ListRegfiles(names);
        return names;
    }
};

TEST_P(Cvp2RegfilesTest, LoadsSoundRegfilesSortedAndNamesWhatItLeavesOut) {
    const std::string ext = Extension();
    dir.Write("b" + ext, Block({Name("Bee")}));
    dir.Write("A" + ext, Block({Name("Ay"), Tempo(70)}));
    dir.Write("other.xyz", Block({Name("Other")}));
    // Each left out, never shown with made-up values.
    dir.Write("empty" + ext, Bytes{});
    dir.Write("short" + ext, Bytes(111, 0));
    Bytes lying = Block({Name("Lie"), Tempo(70)});
    lying[7] = static_cast<std::uint8_t>(lying[7] + 1);  // says one byte more than the file holds
    dir.Write("lying" + ext, lying);
    Bytes overlong = Block({Name("Long"), Tempo(70)});
    overlong.push_back(0);  // one byte past the block
    dir.Write("overlong" + ext, overlong);
    Bytes random(400);
    std::uint32_t seed = 917;
    for (auto& byte : random) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<std::uint8_t>(seed >> 16);
    }
    dir.Write("random" + ext, random);
    ASSERT_TRUE(FileSystem::CreateDirectory(dir.File("folder" + ext)));
    std::error_code ec;
    std::filesystem::create_symlink(dir.File("loop" + ext), dir.File("loop" + ext), ec);
    ASSERT_FALSE(ec);
    std::filesystem::create_symlink("/dev/null", dir.File("device" + ext), ec);
    ASSERT_FALSE(ec);

    ASSERT_EQ(source->LoadRegfiles(dir.Path()), Status::kSomeLeftOut);
    EXPECT_EQ(Regfiles(), (StringList{"A", "b"}));
    ASSERT_EQ(ui.MessageTexts().size(), 1u);
    EXPECT_EQ(ui.MessageTexts()[0].rfind("8 of 10 regfiles left out", 0), 0u) << ui.MessageTexts()[0];
    EXPECT_NE(ui.MessageTexts()[0].find(dir.File("device" + ext)), std::string::npos);
    std::string name;
    source->GetRegfileName(1, name);
    EXPECT_EQ(name, "Bee");
    int tempo = 0;
    source->GetRegfileTempo(0, tempo);
    EXPECT_EQ(tempo, 70);

    TempFolder empty;
    EXPECT_EQ(source->LoadRegfiles(empty.Path()), Status::kNoRegfileFound);
    EXPECT_EQ(ui.MessageTexts().back(), "no reg-files found");
    EXPECT_TRUE(Regfiles().empty());
}

TEST_P(Cvp2RegfilesTest, CreateRegfilesNamesFilesAfterRegistrationAndBankAndNeverReplaces) {
    EXPECT_EQ(source->CreateRegfiles(Folder()), Status::kNothingToWrite);
    std::array<std::optional<Bytes>, 8> slots;
    slots[0] = FullBlock("A B?");
    slots[2] = FullBlock("Summer Song");
    dir.Write("POP HITS.S917.REG", BankFile(Model(), slots));
    ASSERT_EQ(source->LoadSourceArchive(Folder(), Listed("POP HITS")), Status::kDone);
    TempFolder out;
    out.Write("A_B_POP HITS(1-1)" + Extension(), std::string("keep"));
    out.Write("A_B_POP HITS(1-1)#1" + Extension(), std::string("keep"));
    ASSERT_EQ(source->CreateRegfiles(out.Path() + "/"), Status::kDone);
    EXPECT_EQ(out.Read("A_B_POP HITS(1-1)" + Extension()), "keep");
    EXPECT_EQ(out.ReadBytes("A_B_POP HITS(1-1)#2" + Extension()), source->Registration(0, 0)->Bytes());
    EXPECT_EQ(out.ReadBytes("Summer_Song_POP HITS(1-3)" + Extension()), source->Registration(0, 2)->Bytes());

    // A regfile loads back as the very block it came from.
    const Bytes written = out.ReadBytes("Summer_Song_POP HITS(1-3)" + Extension());
    // The two "keep" files are no regfiles.
    ASSERT_EQ(source->LoadRegfiles(out.Path()), Status::kSomeLeftOut);
    EXPECT_EQ(Regfiles().back(), "Summer_Song_POP HITS(1-3)");
    ASSERT_EQ(destination->CopyRegfile(0, 5, source.get(), source->EntryCount() - 1), Status::kDone);
    EXPECT_EQ(destination->Registration(0, 5)->Bytes(), written);
}

TEST_P(Cvp2RegfilesTest, CreateRegfilesCountsPastNineHundredNinetyNine) {
    std::array<std::optional<Bytes>, 8> slots;
    slots[0] = FullBlock("X");
    dir.Write("B.S917.REG", BankFile(Model(), slots));
    ASSERT_EQ(source->LoadSourceArchive(Folder(), Listed("B")), Status::kDone);
    TempFolder out;
    out.Write("X_B(1-1)" + Extension(), std::string("keep"));
    for (int i = 1; i <= 999; ++i) {
        out.Write("X_B(1-1)#" + std::to_string(i) + Extension(), std::string("keep"));
    }
    ASSERT_EQ(source->CreateRegfiles(out.Path() + "/"), Status::kDone);
    EXPECT_EQ(out.Read("X_B(1-1)" + Extension()), "keep");
    EXPECT_EQ(out.ReadBytes("X_B(1-1)#1000" + Extension()).size(), source->Registration(0, 0)->Length());
}

TEST_P(Cvp2RegfilesTest, RegfileNamesStayInsideTheFolder) {
    std::array<std::optional<Bytes>, 8> slots;
    slots[0] = FullBlock("../a/b:c");
    dir.Write("B.S917.REG", BankFile(Model(), slots));
    ASSERT_EQ(source->LoadSourceArchive(Folder(), Listed("B")), Status::kDone);
    TempFolder out;
    ASSERT_EQ(source->CreateRegfiles(out.Path() + "/"), Status::kDone);
    const auto names = out.Names();
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].find('/'), std::string::npos);
    EXPECT_EQ(names[0].find(':'), std::string::npos);
}

TEST_P(Cvp2RegfilesTest, CreateRegfilesScansTheModelsBanks) {
    WriteBank("First", {"One"});
    WriteBank("Second", {"Two"});
    ASSERT_EQ(source->LoadSourceArchive(Folder(), Listed("First")), Status::kDone);
    ASSERT_EQ(source->LoadSourceArchive(Folder(), Listed("Second")), Status::kDone);
    TempFolder out;
    ASSERT_EQ(source->CreateRegfiles(out.Path() + "/"), Status::kDone);
    // The CVP2 Series writes every loaded bank, the PSR-2000 bank 1 only.
    EXPECT_EQ(out.Names().size(), IsCvp2() ? 2u : 1u);
}

TEST_P(Cvp2RegfilesTest, SameNamedRegistrationsOfSameNamedBanksAreAllWritten) {
    // Two bank files that both give the bank name Twin (the CVP2 Series lists any "*.S???.reg").
    std::array<std::optional<Bytes>, 8> slots;
    slots[0] = FullBlock("Same", 90);
    slots[1] = FullBlock("Same", 91);
    dir.Write("Twin.S917.REG", BankFile(Model(), slots));
    slots[1] = FullBlock("Same", 92);
    dir.Write("Twin.S001.REG", BankFile(Model(), slots));
    ASSERT_EQ(source->LoadSourceArchive(Folder(), Listed("Twin")), Status::kDone);
    if (IsCvp2()) {
        ASSERT_EQ(source->LoadSourceArchive(Folder(), "Twin.S001"), Status::kDone);
    }
    TempFolder out;
    ASSERT_EQ(source->CreateRegfiles(out.Path() + "/"), Status::kDone);
    const int banks = IsCvp2() ? 2 : 1;
    ASSERT_EQ(out.Names().size(), static_cast<std::size_t>(2 * banks));
    for (int bank = 0; bank < banks; ++bank) {
        for (int slot = 0; slot < 2; ++slot) {
            const std::string file = "Same_Twin(" + std::to_string(bank + 1) + "-" + std::to_string(slot + 1) + ")";
            ASSERT_TRUE(source->Registration(bank, slot));
            EXPECT_EQ(out.ReadBytes(file + Extension()), source->Registration(bank, slot)->Bytes()) << file;
        }
    }
}

TEST(Cvp2SeriesRegfilesTest, CreateRegfilesWritesEveryRegistrationOfAllTenBanks) {
    ScriptedUserInterface ui;
    Cvp2Handler source(ui);
    source.CreateStore();
    TempFolder in;
    for (int bank = 0; bank < 10; ++bank) {
        std::array<std::optional<Bytes>, 8> slots;
        slots[0] = FullBlock("First", 60 + bank);
        slots[7] = FullBlock("Last", 80 + bank);
        const std::string name = "B" + std::to_string(bank);
        in.Write(name + ".S917.REG", BankFile(kCvp2Model, slots));
        ASSERT_EQ(source.LoadSourceArchive(in.Path() + "/", name + ".S917"), Status::kDone);
    }
    TempFolder out;
    ASSERT_EQ(source.CreateRegfiles(out.Path() + "/"), Status::kDone);
    EXPECT_EQ(out.Names().size(), 20u);
    for (int slot : {0, 7}) {
        ASSERT_TRUE(source.Registration(9, slot));
        const std::string file = (slot == 0 ? "First_B9(10-1)" : "Last_B9(10-8)") + std::string(".cvp");
        EXPECT_EQ(out.ReadBytes(file), source.Registration(9, slot)->Bytes()) << file;
    }
}

TEST_P(Cvp2RegfilesTest, CreateRegfilesTriesEveryFileAndSaysOnceWhatFailed) {
    std::array<std::optional<Bytes>, 8> slots;
    slots[0] = FullBlock("One");
    slots[1] = FullBlock("Two");
    dir.Write("POP HITS.S917.REG", BankFile(Model(), slots));
    ASSERT_EQ(source->LoadSourceArchive(Folder(), Listed("POP HITS")), Status::kDone);
    TempFolder out;
    const std::string missing = out.Path() + "/missing/";
    EXPECT_EQ(source->CreateRegfiles(missing), Status::kNotValid);
    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{"File " + missing + "One_POP HITS(1-1)" + Extension() +
                                                          " cannot be written (and 1 more)"}));
}

INSTANTIATE_TEST_SUITE_P(BothModels, Cvp2RegfilesTest, ::testing::Values(Cvp2Kind::Cvp2, Cvp2Kind::Psr2000),
                         KindName);

// On a FAT disk the instrument's own upper-case file is the one written.
class Cvp2FatStoreTest : public Cvp2FamilyHandlerFixture {};

TEST_P(Cvp2FatStoreTest, AStoreOntoAFatImageThatHoldsTheFileInUpperCase) {
    FatImage fat;
    if (!fat.Mounted()) {
        GTEST_SKIP() << "no FAT volume: " << fat.Why();
    }
    const std::string disk = fat.Folder("REGS");
    WriteBank("Src", {"One", "Two"});
    ASSERT_EQ(destination->LoadDestinationArchive(Folder(), Listed("Src")), Status::kDone);
    destination->SetArchiveName("Jazz");
    ASSERT_TRUE(FileSystem::WriteBytesSafely(disk + "/JAZZ.S917.REG", {1, 2, 3}));
    ui.yesNo.push_back(true);
    ASSERT_EQ(destination->StoreArchive(destination->GetArchiveName(), disk + "/", 0), Status::kDone);
    EXPECT_EQ(FileSystem::FindFiles(disk, "*"), StringList{"JAZZ.S917.REG"});
    ASSERT_EQ(source->LoadSourceArchive(disk + "/", Listed("JAZZ")), Status::kDone);
    EXPECT_EQ(NameAt(*source, 0, 1), "Two");
}

INSTANTIATE_TEST_SUITE_P(BothModels, Cvp2FatStoreTest, ::testing::Values(Cvp2Kind::Cvp2, Cvp2Kind::Psr2000),
                         KindName);

}  // namespace
}  // namespace kalivo::test
