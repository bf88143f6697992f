// The window logic on the real handlers of the six models with examples: what
// each model's handler and the window tell the person must add up to one
// message, and an undo back to what was loaded leaves nothing unsaved.
#include <string>

#include "core/app/RealWindowFixture.h"

namespace kalivo::test {
namespace {

struct Example {
    Model model;
    const char* folder;
};

class ExampleWindowTest : public RealWindowFixture, public ::testing::WithParamInterface<Example> {
protected:
    void LoadExample(Command load) {
        StartWith(GetParam().model);
        ui.folders = {std::string(KALIVO_EXAMPLES_DIR) + "/" + GetParam().folder};
        ui.archiveChoices = {0};
        dialog->Run(load);
        ASSERT_TRUE(ui.messages.empty()) << ui.messages.front().text;
    }
    // The first registration line of a list.
    static int FirstRegistration(const std::vector<std::string>& lines) {
        for (std::size_t line = 0; line < lines.size(); ++line) {
            if (lines[line].find("no reg") == std::string::npos && lines[line].find(':') != std::string::npos) {
                return static_cast<int>(line);
            }
        }
        return -1;
    }
};

TEST_P(ExampleWindowTest, AProtocolThatCannotBeWrittenIsToldOnce) {
    LoadExample(Command::LoadArchiveLeft);
    ui.saveFiles = {dir.File("no/such/folder/list.txt")};
    dialog->Run(Command::ProtocolLeft);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(view.LastStatus(), "Protocol not written");
}

TEST_P(ExampleWindowTest, UndoBackToTheLoadedArchiveLeavesNothingUnsaved) {
    LoadExample(Command::LoadArchiveRight);
    ASSERT_FALSE(dialog->Changed());
    const int line = FirstRegistration(view.destinationLines);
    ASSERT_GE(line, 0);
    dialog->DestinationSelectionChanged(line);
    ui.names = {"Renamed"};
    dialog->Run(Command::Rename);
    ASSERT_TRUE(dialog->Changed());
    dialog->Run(Command::Undo);
    EXPECT_FALSE(dialog->Changed());
}

INSTANTIATE_TEST_SUITE_P(SixModels, ExampleWindowTest,
                         ::testing::Values(Example{Model::Psr740, "psr740"}, Example{Model::Psr8000, "psr8000"},
                                           Example{Model::Psr9000, "psr9000"}, Example{Model::Psr9000Pro, "9000pro"},
                                           Example{Model::Psr2000, "psr2000"}, Example{Model::Cvp2, "cvp2"}),
                         [](const auto& info) { return std::string(info.param.folder); });

}  // namespace
}  // namespace kalivo::test
