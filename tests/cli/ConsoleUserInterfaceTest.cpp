// The console's messages and its answers to questions.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/ConsoleUserInterface.h"

namespace kalivo::test {
namespace {

TEST(ConsoleUserInterfaceTest, MessagesAreSingleLinesWithTheProgramPrefix) {
    std::ostringstream err;
    ConsoleUserInterface ui(err);
    ui.ShowMessage("Cannot open\nfile 100%s.rgt", "KALIVO");
    EXPECT_EQ(err.str(), "kalivo-cli: Cannot open file 100%s.rgt\n");
}

TEST(ConsoleUserInterfaceTest, QuestionsAreAnsweredNoUntilYesIsSet) {
    std::ostringstream err;
    ConsoleUserInterface ui(err);
    EXPECT_FALSE(ui.AskYesNo("Replace?"));
    EXPECT_EQ(ui.AskYesNoCancel("Replace all?"), Answer::No);
    ui.SetAnswerYes(true);
    EXPECT_TRUE(ui.AskYesNo("Replace?"));
    EXPECT_EQ(ui.AskYesNoCancel("Replace all?"), Answer::Yes);
    EXPECT_EQ(err.str(),
              "kalivo-cli: Replace? -> no\nkalivo-cli: Replace all? -> no\n"
              "kalivo-cli: Replace? -> yes\nkalivo-cli: Replace all? -> yes\n");
}

TEST(ConsoleUserInterfaceTest, DialogsThatNeedAPersonAreCancelled) {
    std::ostringstream err;
    ConsoleUserInterface ui(err);
    EXPECT_EQ(ui.ChooseFolder("Select"), "");
    EXPECT_FALSE(ui.ChooseSaveFile(SaveAsRequest{}));
    EXPECT_EQ(ui.SelectArchive({"A"}, 0), -1);
    EXPECT_FALSE(ui.SelectBanks({"A"}));
    EXPECT_EQ(ui.ChangeName("Name", 15), "");
    EXPECT_EQ(ui.SelectModel({"Tyros      "}, 6), -1);
    EXPECT_FALSE(ui.AskFlashStyles());
}

TEST(ConsoleUserInterfaceTest, ViewRegistrationPrintsEveryFieldWithItsLabel) {
    std::ostringstream err;
    ConsoleUserInterface ui(err);
    ui.ViewRegistration(RegistrationView{"Let's go", "*MyBossa*", "120", {"Strings", "Flute", "GrandPno", "?"}});
    EXPECT_EQ(err.str(),
              "kalivo-cli: Title: Let's go\nkalivo-cli: Style: *MyBossa*\nkalivo-cli: Tempo: 120\n"
              "kalivo-cli: L/Left: Strings\nkalivo-cli: R1/Layer: Flute\nkalivo-cli: R2/Main: GrandPno\n"
              "kalivo-cli: R3/Lead: ?\n");
}

}  // namespace
}  // namespace kalivo::test
