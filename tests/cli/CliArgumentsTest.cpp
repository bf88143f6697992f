// The command line itself: model names, help, and the one-line refusals.
#include <gtest/gtest.h>

#include "cli/CliFixture.h"

namespace kalivo::test {
namespace {

using CliArgumentsTest = CliFixture;

TEST_F(CliArgumentsTest, ModelsAreListedUnpaddedInTheSelectionOrder) {
    EXPECT_EQ(Run({"models"}), 0);
    EXPECT_EQ(out, "PSR-740\nPSR-2000\nPSR-8000\nPSR-9000\n9000Pro\nCVP2 Series\nTyros\n");
    EXPECT_EQ(err, "");
}

TEST_F(CliArgumentsTest, HelpWorksForTheProgramAndEveryCommand) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--help"}, "copy"},
        {{"models", "--help"}, "Usage: kalivo-cli models"},
        {{"list", "--help"}, "--regfiles"},
        {{"protocol", "--help"}, "--out"},
        {{"regfiles", "--help"}, "--archive"},
        {{"copy", "-h"}, "--out"},
    };
    for (const auto& [args, shown] : cases) {
        SCOPED_TRACE(args.front());
        EXPECT_EQ(Run(args), 0);
        EXPECT_NE(out.find(shown), std::string::npos) << out;
        EXPECT_EQ(err, "");
    }
}

TEST_F(CliArgumentsTest, ModelNamesAreTakenInAnyCaseWithOrWithoutPadding) {
    const std::vector<std::pair<std::string, Model>> cases = {
        {"tyros", Model::Tyros},     {"TYROS", Model::Tyros},       {"Tyros      ", Model::Tyros},
        {"psr-2000", Model::Psr2000}, {"cvp2 series", Model::Cvp2}, {"9000pro", Model::Psr9000Pro},
    };
    Offer({{"ONE", {}}});
    for (const auto& [typed, model] : cases) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(Run({"list", "--model", typed, "--folder", Folder()}), 0) << err;
        EXPECT_TRUE(Source(model).Called("LoadSourceArchive"));
    }
}

struct UsageCase {
    std::vector<std::string> args;  // "{dir}" stands for an existing folder
    std::string reason;             // part of the one line on standard error
};

void PrintTo(const UsageCase& usage, std::ostream* os) {
    for (const auto& arg : usage.args) {
        *os << arg << ' ';
    }
}

class CliUsageTest : public CliFixture, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(CliUsageTest, RefusesWithStatusTwoAndOneLine) {
    std::vector<std::string> args = GetParam().args;
    for (auto& arg : args) {
        if (arg.rfind("{dir}", 0) == 0) {
            arg = Folder() + arg.substr(5);
        }
    }
    EXPECT_EQ(Run(args), 2);
    ASSERT_EQ(ErrLines().size(), 1u) << err;
    EXPECT_EQ(err.rfind("kalivo-cli: ", 0), 0u) << err;
    EXPECT_NE(err.find(GetParam().reason), std::string::npos) << err;
    EXPECT_EQ(out, "");
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, CliUsageTest,
    ::testing::Values(
        UsageCase{{}, "a command is needed (commands: models, list, protocol, regfiles, copy, voices)"},
        UsageCase{{"lists"}, "unknown command \"lists\""},
        UsageCase{{"list", "--folder", "{dir}"}, "--model is required"},
        UsageCase{{"list", "--model", "PSR-999", "--folder", "{dir}"},
                  "unknown model \"PSR-999\" (accepted: PSR-740, PSR-2000, PSR-8000, PSR-9000, 9000Pro, CVP2 "
                  "Series, Tyros)"},
        UsageCase{{"list", "--model", "tyros"}, "[--folder,--regfiles]"},
        UsageCase{{"protocol", "--model", "tyros", "--folder", "{dir}", "--regfiles", "{dir}", "--out", "p.txt"},
                  "2 were given"},
        UsageCase{{"list", "--model", "tyros", "--regfiles", "{dir}", "--archive", "A"}, "--archive requires --folder"},
        UsageCase{{"list", "--model", "tyros", "--folder", "{dir}/missing"}, "no such folder"},
        UsageCase{{"protocol", "--model", "tyros", "--folder", "{dir}"}, "--out is required"},
        UsageCase{{"copy", "--model", "tyros", "--folder", "{dir}"}, "--out is required"},
        UsageCase{{"regfiles", "--model", "tyros", "--regfiles", "{dir}", "--out", "{dir}"}, "--folder is required"},
        UsageCase{{"models", "--yes", "--no"}, "--yes excludes --no"},
        UsageCase{{"models", "extra"}, "extra"}));

}  // namespace
}  // namespace kalivo::test
