// kalivo-cli on the real PSR-9000 and 9000Pro handlers and the committed examples.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "cli/CliFixture.h"

namespace kalivo::test {
namespace {

namespace stdfs = std::filesystem;

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct ModelCase {
    const char* model;
    const char* folder;
    const char* registrationFile;
    const char* regfileExtension;
};

class Psr9000CliTest : public ::testing::TestWithParam<ModelCase> {
protected:
    int Run(const std::vector<std::string>& args) {
        CliApplication app;
        return RunCli(app, args, out, err);
    }
    std::string Example() const { return std::string(KALIVO_EXAMPLES_DIR) + "/" + GetParam().folder; }
    bool OutHas(const std::string& line) const { return out.find(line + "\n") != std::string::npos; }

    TempFolder outFolder;
    std::string out;
    std::string err;
};

INSTANTIATE_TEST_SUITE_P(BothModels, Psr9000CliTest,
                         ::testing::Values(ModelCase{"psr-9000", "psr9000", "REG.BUP", ".p9k"},
                                           ModelCase{"9000pro", "9000pro", "REG_Pro.BUP", ".9kp"}),
                         [](const auto& info) { return std::string(info.param.folder); });

TEST_P(Psr9000CliTest, ListsTheExampleBanksAndRegfiles) {
    ASSERT_EQ(Run({"list", "--model", GetParam().model, "--folder", Example()}), 0) << err;
    EXPECT_TRUE(OutHas("Evening"));
    EXPECT_TRUE(OutHas("Bossa Guitar"));
    EXPECT_TRUE(OutHas("BANK 64"));
    ASSERT_EQ(Run({"list", "--model", GetParam().model, "--regfiles", Example() + "/regfiles"}), 0) << err;
    EXPECT_TRUE(OutHas("Piano_Ballad_DEMO_(Evening-1)"));
}

TEST_P(Psr9000CliTest, WritesProtocolsWithOrWithoutUserStyleNames) {
    const std::string plain = outFolder.File("plain.txt");
    ASSERT_EQ(Run({"protocol", "--model", GetParam().model, "--folder", Example(), "--out", plain}), 0) << err;
    EXPECT_NE(outFolder.Read("plain.txt").find("Own Swing\t*Flash 1/3*\tParty"), std::string::npos);

    const std::string implicit = outFolder.File("implicit.txt");
    ASSERT_EQ(Run({"protocol", "--model", GetParam().model, "--folder", Example(), "--styles", "implicit", "--out",
                   implicit}),
              0)
        << err;
    EXPECT_NE(outFolder.Read("implicit.txt").find("Own Swing\t*My Swing*\tParty"), std::string::npos);

    const std::string chosen = outFolder.File("chosen.htm");
    ASSERT_EQ(Run({"protocol", "--model", GetParam().model, "--folder", Example(), "--styles", Example() + "/DEMO.BUF",
                   "--out", chosen}),
              0)
        << err;
    EXPECT_NE(outFolder.Read("chosen.htm").find("Groove One"), std::string::npos);

    EXPECT_NE(Run({"protocol", "--model", GetParam().model, "--folder", Example(), "--styles", Example() + "/regfiles",
                   "--out", outFolder.File("none.txt")}),
              0)
        << "a folder that is no style archive is a failure";
}

TEST_P(Psr9000CliTest, CopyStoresTheSameRegistrationsUnderTheArchiveName) {
    ASSERT_EQ(Run({"copy", "--model", GetParam().model, "--folder", Example(), "--out", outFolder.Path()}), 0) << err;
    const std::string file = std::string("DEMO.BUF/") + GetParam().registrationFile;
    EXPECT_EQ(outFolder.ReadBytes(file), ReadFile(Example() + "/" + file));
    EXPECT_EQ(err.find("No bank"), std::string::npos) << "unused banks are skipped quietly";
    EXPECT_NE(Run({"copy", "--model", GetParam().model, "--folder", Example(), "--out", outFolder.Path()}), 0)
        << "a second copy finds the backup folder there";
    EXPECT_NE(err.find("already exists"), std::string::npos);
}

TEST_P(Psr9000CliTest, ABackupWithAWrongChecksumLoadsOnlyWithYes) {
    const std::string file = std::string("DEMO.BUF/") + GetParam().registrationFile;
    auto bytes = ReadFile(Example() + "/" + file);
    ASSERT_EQ(bytes.size(), 241692u);
    bytes.back() = static_cast<std::uint8_t>(bytes.back() + 1);
    stdfs::create_directories(outFolder.File("DEMO.BUF"));
    outFolder.Write(file, bytes);

    EXPECT_NE(Run({"list", "--model", GetParam().model, "--folder", outFolder.Path()}), 0);
    EXPECT_NE(err.find("may be damaged"), std::string::npos) << err;
    EXPECT_FALSE(OutHas("Evening"));
    ASSERT_EQ(Run({"list", "--model", GetParam().model, "--folder", outFolder.Path(), "--yes"}), 0) << err;
    EXPECT_TRUE(OutHas("Evening"));
}

TEST_P(Psr9000CliTest, CreatesOneRegfilePerRegistration) {
    ASSERT_EQ(Run({"regfiles", "--model", GetParam().model, "--folder", Example(), "--out", outFolder.Path()}), 0)
        << err;
    const auto names = outFolder.Names();
    EXPECT_EQ(names.size(), 6u);
    const std::string extension = GetParam().regfileExtension;
    EXPECT_TRUE(std::all_of(names.begin(), names.end(), [&](const std::string& name) {
        return name.size() > 4 && name.substr(name.size() - 4) == extension;
    }));
}

}  // namespace
}  // namespace kalivo::test
