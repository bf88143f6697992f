// kalivo-cli on real Tyros bank files: what it reads it writes back unchanged.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

#include "common/fs/FileSystem.h"
#include "cli/CliBlockBytes.h"
#include "cli/CliFixture.h"
#include "handlers/tyros/TyrosFormat.h"
#include "support/FatImage.h"
#include "support/TempFolder.h"

namespace kalivo::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

using cli_bytes::Block;
using cli_bytes::PutU16;

Bytes Setting(int type, const Bytes& payload) {
    std::string id(tyros::kSettingId);
    id += static_cast<char>(type);
    return Block(id, payload);
}

// A registration with a name (16 characters, blank-padded) and a tempo.
Bytes Registration(const std::string& name, int tempo) {
    Bytes nameField(tyros::kNameWidth, ' ');
    std::copy(name.begin(), name.end(), nameField.begin());
    Bytes tempoField{0, 0, 0, 0};
    PutU16(tempoField, static_cast<std::size_t>(tempo));
    Bytes settings = Setting(tyros::type::kName, nameField);
    const Bytes tempoBlock = Setting(tyros::type::kTempo, tempoField);
    settings.insert(settings.end(), tempoBlock.begin(), tempoBlock.end());
    return Block(tyros::kRegistrationId, settings);
}

Bytes EmptyRegistration() { return Block(tyros::kRegistrationId, {}); }

// Eight registration blocks (the missing ones empty) under the header template.
Bytes BankFile(std::vector<Bytes> registrations) {
    registrations.resize(tyros::kPartsPerBank, EmptyRegistration());
    Bytes body;
    bool sameLength = true;
    for (const Bytes& registration : registrations) {
        sameLength &= registration.size() == registrations.front().size();
        body.insert(body.end(), registration.begin(), registration.end());
    }
    Bytes file(tyros::kBankHeaderTemplate.begin(), tyros::kBankHeaderTemplate.end());
    const std::size_t length = file.size() + body.size() + tyros::kTrailer.size();
    for (std::size_t i = 0; i < 4; ++i) {
        file[tyros::kBankLengthAt + i] = static_cast<std::uint8_t>(length >> (8 * (3 - i)));
    }
    file[tyros::kBankBlockShapeAt] = sameLength ? tyros::kBlocksAllSameLength : tyros::kBlocksDiffer;
    file.insert(file.end(), body.begin(), body.end());
    file.insert(file.end(), tyros::kTrailer.begin(), tyros::kTrailer.end());
    return file;
}

class CliTyrosFilesTest : public ::testing::Test {
protected:
    TempFolder in;
    TempFolder out;
    std::string printed;
    std::string errors;

    void SetUp() override {
        in.Write("Pop.S123.rgt", BankFile({Registration("Alpha", 120), EmptyRegistration(), Registration("Gamma", 96)}));
        in.Write("Jazz.rgt", BankFile({Registration("Delta", 72)}));
    }

    // With the real model handlers.
    int Run(const std::vector<std::string>& args) {
        CliApplication application;
        return RunCli(application, args, printed, errors);
    }
};

TEST_F(CliTyrosFilesTest, ListShowsTheBanksInNameOrder) {
    ASSERT_EQ(Run({"list", "--model", "tyros", "--folder", in.Path()}), 0) << errors;
    std::string expected = "Jazz\n  1: Delta\n";
    for (int slot = 2; slot <= 8; ++slot) {
        expected += "  " + std::to_string(slot) + ": --- no reg ---\n";
    }
    expected += "Pop\n  1: Alpha\n  2: --- no reg ---\n  3: Gamma\n";
    for (int slot = 4; slot <= 8; ++slot) {
        expected += "  " + std::to_string(slot) + ": --- no reg ---\n";
    }
    EXPECT_EQ(printed, expected);
    EXPECT_EQ(errors, "");
}

TEST_F(CliTyrosFilesTest, CopyWritesTheBankFilesBackByteForByte) {
    ASSERT_EQ(Run({"copy", "--model", "Tyros", "--folder", in.Path(), "--out", out.Path()}), 0) << errors;
    EXPECT_EQ(out.Names(), (std::vector<std::string>{"Jazz.rgt", "Pop.S123.rgt"}));
    EXPECT_EQ(out.ReadBytes("Jazz.rgt"), in.ReadBytes("Jazz.rgt"));
    EXPECT_EQ(out.ReadBytes("Pop.S123.rgt"), in.ReadBytes("Pop.S123.rgt"));

    // A second copy into the same folder replaces nothing unless told to.
    const Bytes before = out.ReadBytes("Jazz.rgt");
    EXPECT_EQ(Run({"copy", "--model", "tyros", "--folder", in.Path(), "--out", out.Path()}), 19);
    EXPECT_EQ(out.ReadBytes("Jazz.rgt"), before);
    EXPECT_EQ(Run({"copy", "--yes", "--model", "tyros", "--folder", in.Path(), "--out", out.Path()}), 0) << errors;
    EXPECT_EQ(out.ReadBytes("Pop.S123.rgt"), in.ReadBytes("Pop.S123.rgt"));
}

// Real folders hold names with dots, banks sharing a name under other icon
// codes and the instruments' upper-case names.
class CliTyrosRealNamesTest : public CliTyrosFilesTest {
protected:
    const std::vector<std::string> files{"JAZZ.S917.RGT", "Jazz.S849.rgt", "Jazz.S949.rgt", "Pop.rgt",
                                         "Vol. 2.S917.rgt", "Vol..S123.rgt"};

    void SetUp() override {
        int tempo = 60;
        for (const std::string& file : files) {
            in.Write(file, BankFile({Registration(file.substr(0, 6), tempo++)}));
        }
    }
    void ExpectSameBanks(const TempFolder& folder, const std::vector<std::string>& names) {
        ASSERT_EQ(folder.Names(), names);
        for (std::size_t i = 0; i < names.size(); ++i) {
            EXPECT_EQ(folder.ReadBytes(names[i]), in.ReadBytes(files[i])) << names[i];
        }
    }
};

TEST_F(CliTyrosRealNamesTest, EveryBankComesBackUnderItsOwnName) {
    ASSERT_EQ(Run({"copy", "--model", "tyros", "--folder", in.Path(), "--out", out.Path()}), 0) << errors;
    ExpectSameBanks(out, files);
}

TEST_F(CliTyrosRealNamesTest, StoringIntoAFolderThatHoldsTheBanksLosesAndAddsNoFile) {
    for (const std::string& file : files) {
        out.Write(file, std::string("old"));
    }
    ASSERT_EQ(Run({"copy", "--yes", "--model", "tyros", "--folder", in.Path(), "--out", out.Path()}), 0) << errors;
    ExpectSameBanks(out, files);
    // And once more onto what this store wrote.
    ASSERT_EQ(Run({"copy", "--yes", "--model", "tyros", "--folder", out.Path(), "--out", out.Path()}), 0) << errors;
    ExpectSameBanks(out, files);
}

TEST_F(CliTyrosRealNamesTest, AStoreThatCannotWriteExitsNonZeroAndNamesTheFile) {
    std::filesystem::create_directory(out.File("Pop.rgt"));  // a folder in the file's place
    EXPECT_NE(Run({"copy", "--yes", "--model", "tyros", "--folder", in.Path(), "--out", out.Path()}), 0);
    EXPECT_NE(errors.find("Pop.rgt"), std::string::npos) << errors;
}

TEST_F(CliTyrosRealNamesTest, OnAFatVolumeUpperCaseBanksAreReplacedUnderTheirOwnNames) {
    FatImage fat;
    if (!fat.Mounted()) {
        GTEST_SKIP() << "no FAT volume: " << fat.Why();
    }
    const std::string volume = fat.Folder("REG");
    std::vector<std::string> upper;
    for (std::string file : files) {
        std::transform(file.begin(), file.end(), file.begin(), [](char c) { return std::toupper(c); });
        std::ofstream(volume + "/" + file, std::ios::binary) << "old";
        upper.push_back(file);
    }
    ASSERT_EQ(Run({"copy", "--yes", "--model", "tyros", "--folder", in.Path(), "--out", volume}), 0) << errors;
    std::vector<std::string> found = FileSystem::FindFiles(volume, "*");
    std::sort(found.begin(), found.end());
    std::sort(upper.begin(), upper.end());
    ASSERT_EQ(found, upper);
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(FileSystem::ReadBytes(*FileSystem::FindNoCase(volume, files[i]), bytes));
        EXPECT_EQ(bytes, in.ReadBytes(files[i])) << files[i];
    }
}

TEST_F(CliTyrosFilesTest, NamesArePrintedAsUtf8AndFileNamesStayAsTheyAre) {
    TempFolder folder;
    // "Für Elise" on disk in UTF-8; the registration name inside is the single byte 0xE9 ("é").
    folder.Write("F\xC3\xBCr Elise.S917.rgt", BankFile({Registration("Caf\xE9", 100)}));
    ASSERT_EQ(Run({"list", "--model", "tyros", "--folder", folder.Path()}), 0) << errors;
    EXPECT_EQ(printed.rfind("F\xC3\xBCr Elise\n  1: Caf\xC3\xA9\n", 0), 0u) << printed;
    ASSERT_EQ(Run({"copy", "--model", "tyros", "--folder", folder.Path(), "--out", out.Path()}), 0) << errors;
    EXPECT_EQ(out.Names(), std::vector<std::string>{"F\xC3\xBCr Elise.S917.rgt"});
    // The protocol is single-byte text throughout.
    ASSERT_EQ(Run({"protocol", "--model", "tyros", "--folder", folder.Path(), "--out", out.File("p.txt")}), 0)
        << errors;
    const std::string protocol = out.Read("p.txt");
    EXPECT_NE(protocol.find("F\xFCr Elise"), std::string::npos);
    EXPECT_NE(protocol.find("Caf\xE9"), std::string::npos);
    EXPECT_EQ(protocol.find("\xC3"), std::string::npos);
}

TEST_F(CliTyrosFilesTest, AThousandUnknownVoicesGiveOneSummaryAndNoQuestion) {
    TempFolder folder;
    Bytes odd = Registration("Odd", 100);
    // Four voice blocks (types 11, 15, 23, 19) with MSB 104, which no row has.
    Bytes voices;
    for (int type : {11, 15, 23, 19}) {
        const Bytes block = Setting(type, {1, 104, 0, static_cast<std::uint8_t>(type)});
        voices.insert(voices.end(), block.begin(), block.end());
    }
    odd.insert(odd.end(), voices.begin(), voices.end());
    const std::size_t payload = odd.size() - 6;
    odd[4] = static_cast<std::uint8_t>(payload >> 8);
    odd[5] = static_cast<std::uint8_t>(payload);
    for (int bank = 0; bank < 32; ++bank) {
        folder.Write("B" + std::to_string(bank) + ".rgt", BankFile(std::vector<Bytes>(8, odd)));
    }
    ASSERT_EQ(Run({"list", "--model", "tyros", "--folder", folder.Path()}), 0) << errors;
    EXPECT_EQ(errors.find("Continue messages?"), std::string::npos);
    EXPECT_EQ(errors.rfind("kalivo-cli: 1024 voice settings in 256 registrations are not in the voice table.", 0),
              0u)
        << errors;
    EXPECT_EQ(errors.find("voice settings", 40), std::string::npos);  // once
}

TEST_F(CliTyrosFilesTest, RegfilesComeBackAsTheSameRegistrations) {
    ASSERT_EQ(Run({"regfiles", "--model", "tyros", "--folder", in.Path(), "--out", out.Path()}), 0) << errors;
    EXPECT_EQ(out.Names(), (std::vector<std::string>{"Alpha.tyr", "Delta.tyr", "Gamma.tyr"}));
    ASSERT_EQ(Run({"list", "--model", "tyros", "--regfiles", out.Path()}), 0) << errors;
    EXPECT_EQ(printed, "Alpha\nDelta\nGamma\n");
    ASSERT_EQ(Run({"protocol", "--model", "tyros", "--regfiles", out.Path(), "--out", in.File("regfiles.txt")}), 0)
        << errors;
    EXPECT_NE(in.Read("regfiles.txt").find("Gamma"), std::string::npos);
}

}  // namespace
}  // namespace kalivo::test
