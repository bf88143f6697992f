// kalivo-cli on real CVP2 Series and PSR-2000 bank files.
#include <gtest/gtest.h>

#include "cli/CliFixture.h"
#include "support/Cvp2Bytes.h"
#include "support/TempFolder.h"

namespace kalivo::test {
namespace {

using namespace s917_bytes;

struct CliModel {
    const char* model;
    const char* archive;  // as ListArchives shows MY BANK.S917.REG
    std::string header;
    const char* regfileExtension;
};

class CliS917FilesTest : public ::testing::TestWithParam<CliModel> {
protected:
    TempFolder in;
    TempFolder out;
    std::string printed;
    std::string errors;

    void SetUp() override {
        std::array<std::optional<Bytes>, 8> slots;
        slots[0] = FullBlock("Summertime", 96);
        slots[3] = Block({Name("Ballad"), Tempo(70)});
        in.Write("MY BANK.S917.REG", BankFile(GetParam().header, slots));
        in.Write("OTHER.S917.REG", BankFile(GetParam().header, {}));
    }
    int Run(const std::vector<std::string>& args) {
        CliApplication application;
        return RunCli(application, args, printed, errors);
    }
    std::vector<std::string> With(std::vector<std::string> args) {
        args.insert(args.begin() + 1, {"--model", GetParam().model});
        return args;
    }
};

TEST_P(CliS917FilesTest, ListTakesTheArchiveByTheNameTheListShows) {
    ASSERT_EQ(Run(With({"list", "--folder", in.Path(), "--archive", GetParam().archive})), 0) << errors;
    EXPECT_EQ(printed,
              "MY BANK\n1-1: Summertime\n1-2: --- no reg ---\n1-3: --- no reg ---\n1-4: Ballad\n"
              "1-5: --- no reg ---\n1-6: --- no reg ---\n1-7: --- no reg ---\n1-8: --- no reg ---\n");
    // Two archives in the folder: the command names them and wants one.
    EXPECT_EQ(Run(With({"list", "--folder", in.Path()})), kUsageError);
    EXPECT_NE(errors.find(GetParam().archive), std::string::npos);
}

TEST_P(CliS917FilesTest, ProtocolListsTheRegistrations) {
    ASSERT_EQ(Run(With({"protocol", "--folder", in.Path(), "--archive", GetParam().archive, "--out",
                        out.File("list.txt")})),
              0)
        << errors;
    const std::string text = out.Read("list.txt");
    EXPECT_NE(text.find("Summertime\tCool8Beat\tFunky\tMY BANK\t1\t96\tGrandPno\t"), std::string::npos) << text;
    EXPECT_NE(text.find("Ballad\tno style\tno multipad\tMY BANK\t4\t70\t"), std::string::npos) << text;
}

TEST_P(CliS917FilesTest, CopyStoresTheBankByteForByteAndReplacesOnlyWhenTold) {
    ASSERT_EQ(Run(With({"copy", "--folder", in.Path(), "--archive", GetParam().archive, "--out", out.Path()})), 0)
        << errors;
    EXPECT_EQ(out.Names(), std::vector<std::string>{"MY BANK.S917.REG"});
    EXPECT_EQ(out.ReadBytes("MY BANK.S917.REG"), in.ReadBytes("MY BANK.S917.REG"));
    EXPECT_EQ(Run(With({"copy", "--folder", in.Path(), "--archive", GetParam().archive, "--out", out.Path()})), 19);
    EXPECT_EQ(Run(With({"copy", "--yes", "--folder", in.Path(), "--archive", GetParam().archive, "--out",
                        out.Path()})),
              0)
        << errors;
    EXPECT_EQ(out.ReadBytes("MY BANK.S917.REG"), in.ReadBytes("MY BANK.S917.REG"));
}

TEST_P(CliS917FilesTest, RegfilesComeBackAsTheSameRegistrations) {
    ASSERT_EQ(Run(With({"regfiles", "--folder", in.Path(), "--archive", GetParam().archive, "--out", out.Path()})),
              0)
        << errors;
    const std::string extension = GetParam().regfileExtension;
    EXPECT_EQ(out.Names(), (std::vector<std::string>{"Ballad_MY BANK(1-4)" + extension,
                                                     "Summertime_MY BANK(1-1)" + extension}));
    ASSERT_EQ(Run(With({"list", "--regfiles", out.Path()})), 0) << errors;
    EXPECT_EQ(printed, "Ballad_MY BANK(1-4)\nSummertime_MY BANK(1-1)\n");
}

TEST_P(CliS917FilesTest, ABadBankFileEndsWithAFailure) {
    in.Write("BAD.S917.REG", Bytes(50, 0));
    const std::string bad = std::string(GetParam().archive).replace(0, 7, "BAD");
    EXPECT_EQ(Run(With({"list", "--folder", in.Path(), "--archive", bad})), 2);
    EXPECT_NE(errors.find("no valid archive"), std::string::npos);
}

TEST_P(CliS917FilesTest, ARegfileLeftOutEndsWithAFailureThatNamesIt) {
    const std::string extension = GetParam().regfileExtension;
    out.Write("Good" + extension, Block({Name("Good")}));
    Bytes cut = Block({Name("Cut")});
    cut.pop_back();  // one byte short of the length it gives
    out.Write("Cut" + extension, cut);
    EXPECT_EQ(Run(With({"list", "--regfiles", out.Path()})), 21);
    EXPECT_EQ(printed, "Good\n");
    EXPECT_NE(errors.find(out.File("Cut" + extension)), std::string::npos) << errors;
}

INSTANTIATE_TEST_SUITE_P(BothModels, CliS917FilesTest,
                         ::testing::Values(CliModel{"cvp2 series", "MY BANK.S917", kCvp2Model, ".cvp"},
                                           CliModel{"psr-2000", "MY BANK", kPsr2000Model, ".p2k"}),
                         [](const auto& info) { return std::string(info.param.regfileExtension + 1); });

}  // namespace
}  // namespace kalivo::test
