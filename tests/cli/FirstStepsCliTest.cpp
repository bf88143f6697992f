// The README's first steps on the command line, for every model and its
// example: list, a UTF-8 protocol, and a copy into a folder that does not exist yet.
#include <gtest/gtest.h>

#include "cli/CliFixture.h"

namespace kalivo::test {
namespace {

struct FirstSteps {
    const char* model;
    const char* folder;
    std::vector<std::string> archive;  // "--archive" NAME, or nothing: every archive found
    const char* listed;                // a line the list shows
};

class FirstStepsCliTest : public ::testing::TestWithParam<FirstSteps> {
protected:
    int Run(std::vector<std::string> args, const std::string& folder) {
        args.insert(args.end(), {"--model", GetParam().model, "--folder", folder});
        args.insert(args.end(), GetParam().archive.begin(), GetParam().archive.end());
        CliApplication app;
        return RunCli(app, args, out, err);
    }
    std::string Example() const { return std::string(KALIVO_EXAMPLES_DIR) + "/" + GetParam().folder; }

    TempFolder work;
    std::string out;
    std::string err;
};

TEST_P(FirstStepsCliTest, ListProtocolAndCopyAsTheReadmeShows) {
    ASSERT_EQ(Run({"list"}, Example()), 0) << err;
    const std::string listed = out;
    EXPECT_NE(listed.find(GetParam().listed), std::string::npos) << listed;

    ASSERT_EQ(Run({"protocol", "--encoding", "utf-8", "--out", work.File("demo.txt")}, Example()), 0) << err;
    EXPECT_NE(work.Read("demo.txt").find(GetParam().listed), std::string::npos);

    // The README copies into /tmp/myset, which a fresh machine does not have.
    const std::string myset = work.File("new/myset");
    ASSERT_EQ(Run({"copy", "--out", myset}, Example()), 0) << err;
    ASSERT_EQ(Run({"list"}, myset), 0) << err;
    EXPECT_EQ(out, listed);
}

INSTANTIATE_TEST_SUITE_P(
    SevenModels, FirstStepsCliTest,
    ::testing::Values(FirstSteps{"psr-740", "psr740", {}, "Rock Night"},
                      FirstSteps{"psr-8000", "psr8000", {}, "Bossa Night"},
                      FirstSteps{"psr-9000", "psr9000", {}, "Bossa Guitar"},
                      FirstSteps{"9000pro", "9000pro", {}, "Bossa Guitar"},
                      FirstSteps{"psr-2000", "psr2000", {"--archive", "MY BANK"}, "Swing Night"},
                      FirstSteps{"cvp2 series", "cvp2", {"--archive", "MY BANK.S917"}, "Swing Night"},
                      FirstSteps{"tyros", "tyros", {}, "Swing 1.5"}),
    [](const auto& info) { return std::string(info.param.folder); });

TEST(FirstStepsCliTest, AnOutThatIsAFileIsRefused) {
    TempFolder work;
    work.Write("taken", "x");
    CliApplication app;
    std::string out, err;
    EXPECT_EQ(RunCli(app,
                     {"copy", "--model", "tyros", "--folder", std::string(KALIVO_EXAMPLES_DIR) + "/tyros", "--out",
                      work.File("taken")},
                     out, err),
              2);
    EXPECT_NE(err.find("--out names a file, not a folder"), std::string::npos) << err;
    EXPECT_EQ(work.Read("taken"), "x");
}

}  // namespace
}  // namespace kalivo::test
