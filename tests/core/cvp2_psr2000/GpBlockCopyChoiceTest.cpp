#include <gtest/gtest.h>

#include "ui/cvp2_psr2000/GpBlockCopyChoice.h"

namespace kalivo {
namespace {

using Choice = GpBlockCopyChoice;

std::vector<int> FlaggedBlocks(const std::vector<bool>& flags) {
    std::vector<int> blocks;
    for (std::size_t i = 0; i < flags.size(); ++i) {
        if (flags[i]) {
            blocks.push_back(static_cast<int>(i));
        }
    }
    return blocks;
}

GpBlockBoxStates Only(int box, int state = 1) {
    GpBlockBoxStates states{};
    states[static_cast<std::size_t>(box)] = state;
    return states;
}

TEST(GpBlockCopyChoiceTest, EachBoxBringsItsBlocksBesideTheAlwaysCopiedOnes) {
    EXPECT_EQ(FlaggedBlocks(*Choice::Flags(Only(Choice::Style))), (std::vector<int>{0, 1, 3, 6, 7, 16, 20}));
    EXPECT_EQ(FlaggedBlocks(*Choice::Flags(Only(Choice::VoiceMain))), (std::vector<int>{0, 1, 4, 7, 18}));
    EXPECT_EQ(FlaggedBlocks(*Choice::Flags(Only(Choice::VoiceLayer))), (std::vector<int>{0, 1, 5, 7, 19}));
    EXPECT_EQ(FlaggedBlocks(*Choice::Flags(Only(Choice::Multipad))), (std::vector<int>{0, 1, 7, 13, 17}));
    EXPECT_EQ(FlaggedBlocks(*Choice::Flags(Only(Choice::Tempo))), (std::vector<int>{0, 1, 7, 11}));
    EXPECT_EQ(FlaggedBlocks(*Choice::Flags(Only(Choice::SongMic))), (std::vector<int>{0, 1, 7, 14}));
    // The left voice travels with the style: its box alone passes the test and adds nothing.
    EXPECT_EQ(FlaggedBlocks(*Choice::Flags(Only(Choice::VoiceLeft))), (std::vector<int>{0, 1, 7}));
    GpBlockBoxStates two = Only(Choice::TuneTrans);
    two[Choice::Pedal] = 1;
    EXPECT_EQ(FlaggedBlocks(*Choice::Flags(two)), (std::vector<int>{0, 1, 7, 8, 12}));
}

TEST(GpBlockCopyChoiceTest, NothingCheckedOrAnyBoxIndeterminateFailsTheSelectionTest) {
    EXPECT_FALSE(Choice::Flags(GpBlockBoxStates{}));
    EXPECT_FALSE(Choice::Flags(Only(Choice::Tempo, 2)));
    GpBlockBoxStates mixed = Only(Choice::Tempo);
    mixed[Choice::Harmony] = 2;
    EXPECT_FALSE(Choice::Flags(mixed));
}

TEST(GpBlockCopyChoiceTest, AbsentSettingsHideTheirBoxAndCannotBeChecked) {
    GpBlockCopyRequest request;
    request.settings.fill("+");
    request.settings[7] = "-";  // Tempo
    request.settings[9] = "-";  // Multi pad
    const Choice choice(request);
    EXPECT_FALSE(choice.IsVisible(Choice::Tempo));
    EXPECT_FALSE(choice.IsVisible(Choice::Multipad));
    EXPECT_TRUE(choice.IsVisible(Choice::Scale));
    EXPECT_EQ(choice.SettingText(Choice::Tempo), "-");
    EXPECT_EQ(choice.NextState(Choice::Tempo, 0), 0);
    EXPECT_EQ(choice.NextState(Choice::Tempo, 1), 0);
}

TEST(GpBlockCopyChoiceTest, ClicksGoUncheckedCheckedThenGreyOnThreeStateBoxesOnly) {
    GpBlockCopyRequest request;
    request.settings.fill("+");
    const Choice choice(request);
    struct Case {
        int box;
        std::vector<int> states;  // from unchecked, after each of four clicks
    };
    const Case cases[] = {
        {Choice::Tempo, {1, 2, 0, 1}},
        {Choice::VoiceMain, {1, 2, 0, 1}},
        {Choice::SongMic, {1, 2, 0, 1}},
        {Choice::Style, {1, 0, 1, 0}},
        {Choice::VoiceLayer, {1, 0, 1, 0}},
        {Choice::VoiceLeft, {1, 0, 1, 0}},
    };
    for (const Case& c : cases) {
        std::vector<int> seen;
        int state = 0;
        for (int click = 0; click < 4; ++click) {
            state = choice.NextState(c.box, state);
            seen.push_back(state);
        }
        EXPECT_EQ(seen, c.states) << Choice::Label(c.box);
        // The first click alone checks the box, so Copy takes it.
        EXPECT_TRUE(Choice::Flags(Only(c.box, seen.front()))) << Choice::Label(c.box);
    }
}

}  // namespace
}  // namespace kalivo
