// The Voice List command of the window: choose, remember, restore, clear.
#include "core/app/MainDialogFixture.h"

namespace kalivo::test {
namespace {

const char* const kTwoInstruments =
    ".Patch Names\n[P]\n0=Concert Grand\n.Instrument Definitions\n[First]\nPatch[0]=P\n[Second]\nPatch[*]=P\n";

class VoiceListCommandTest : public MainDialogFixture {
protected:
    void SetUp() override {
        dir.Write("two.ins", kTwoInstruments);
        StartWith(Model::Psr9000);
    }
    const VoiceList* Given() { return Source(Model::Psr9000).VoiceListGiven(); }
    void Browse(const std::string& file, std::optional<int> instrument = std::nullopt) {
        ui.voiceListActions = {VoiceListAction::Browse, VoiceListAction::Close};
        ui.openFiles = {dir.File(file)};
        if (instrument) {
            ui.nameChoices = {*instrument};
        }
        dialog->Run(Command::VoiceList);
    }
    void Restart() {
        dialog.reset();
        view.statuses.clear();
        Create();
        dialog->Initialize();
    }
};

TEST_F(VoiceListCommandTest, ChosenListIsShownRememberedAndRestored) {
    Source(Model::Psr9000).voiceKeys = {{0, 0, 0}, {5, 0, 0}, {0, 0, 1}};
    Browse("two.ins", 1);
    ASSERT_NE(Given(), nullptr);
    EXPECT_EQ(Given(), Destination(Model::Psr9000).VoiceListGiven());
    EXPECT_EQ(Given()->Instrument(), "Second");
    EXPECT_EQ(ui.nameLists, (std::vector<std::vector<std::string>>{{"First", "Second"}}));
    ASSERT_EQ(ui.voiceListViews.size(), 2u);
    EXPECT_EQ(ui.voiceListViews[0].source, "built-in table, 524 rows");
    EXPECT_FALSE(ui.voiceListViews[0].canClear);
    EXPECT_EQ(ui.voiceListViews[1].source, dir.File("two.ins") + ", instrument Second, 1 rows");
    EXPECT_EQ(ui.voiceListViews[1].named, "2 of 3 voice settings of the loaded archives are named by the list");
    EXPECT_EQ(view.LastStatus(), "Voice names from " + ui.voiceListViews[1].source);

    Restart();
    ASSERT_NE(Given(), nullptr);
    EXPECT_EQ(Given()->Instrument(), "Second");
    EXPECT_TRUE(view.statuses.empty());

    ui.voiceListActions = {VoiceListAction::Clear, VoiceListAction::Close};
    dialog->Run(Command::VoiceList);
    EXPECT_EQ(Given(), nullptr);
    EXPECT_EQ(view.LastStatus(), "Voice names from the built-in table");
    Restart();
    EXPECT_EQ(Given(), nullptr);
}

TEST_F(VoiceListCommandTest, BadOrGoneFilesKeepWhatWasThere) {
    Browse("two.ins", 0);
    ASSERT_NE(Given(), nullptr);
    dir.Write("bad.ins", ".Patch Names\n[P]\n0=A\n.Instrument Definitions\n[I]\nPatch[16384]=P\n");
    Browse("bad.ins");
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text, dir.File("bad.ins") + ", line 6: bank 16384 is outside 0..16383");
    ASSERT_NE(Given(), nullptr);
    EXPECT_EQ(Given()->Instrument(), "First");
    Browse("two.ins");  // the instrument choice cancelled
    EXPECT_EQ(Given()->Instrument(), "First");

    std::remove(dir.File("two.ins").c_str());
    Restart();
    EXPECT_EQ(Given(), nullptr);
    ASSERT_EQ(view.statuses.size(), 1u);
    EXPECT_EQ(view.statuses[0],
              "Voice list " + dir.File("two.ins") + " not read; voice names come from the built-in table");
    EXPECT_NE(dir.Read("kalivo.ini").find("VoiceList="), std::string::npos);  // kept for when it is back
}

TEST_F(VoiceListCommandTest, ThePsr8000TakesNoList) {
    ui.modelChoices = {2};  // PSR-8000 in the Select Keyboard Model order
    dialog->Run(Command::Model);
    const CommandState state = CommandRules::StateOf(*dialog, Command::VoiceList);
    EXPECT_FALSE(state.enabled);
    EXPECT_EQ(state.whyNot, "The PSR-8000 keeps voice numbers; no voice list applies");
    dialog->Run(Command::VoiceList);
    EXPECT_TRUE(ui.voiceListViews.empty());
}

}  // namespace
}  // namespace kalivo::test
