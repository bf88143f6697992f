#include <gtest/gtest.h>

#include "ui/tyros/CopySettingsChoice.h"

namespace kalivo {
namespace {

using C = CopySettingsChoice;

// Presence texts in request order: Style, Right1, Right2, Right3, Left,
// Tune Trans, Scale, Harmony, Tempo, Pedal, Multipad, Song, Mic, Line Out.
CopySettingsRequest Request(const std::string& marks) {
    CopySettingsRequest request;
    for (std::size_t i = 0; i < request.presence.size(); ++i) {
        request.presence[i] = std::string(1, marks[i]);
    }
    return request;
}

TEST(CopySettingsChoiceTest, EachBoxFollowsItsOwnGroup) {
    // Only one group present at a time: exactly its boxes are shown.
    const std::array<std::vector<int>, 14> boxesOfGroup{{
        {C::Style, C::StylePath}, {C::Right1}, {C::Right2}, {C::Right3}, {C::Left},
        {C::TuneTrans}, {C::Scale}, {C::Harmony}, {C::Tempo}, {C::Pedal},
        {C::Multipad}, {C::Song}, {C::Mic}, {C::LineOut},
    }};
    for (std::size_t group = 0; group < boxesOfGroup.size(); ++group) {
        std::string marks(14, '-');
        marks[group] = '+';
        const C choice(Request(marks));
        for (int box = 0; box < C::kChoices; ++box) {
            const bool expected = std::count(boxesOfGroup[group].begin(), boxesOfGroup[group].end(), box) > 0;
            EXPECT_EQ(choice.IsVisible(box), expected) << "group " << group << " box " << box;
            EXPECT_EQ(choice.PresenceText(box), expected ? "+" : "-");
        }
    }
}

TEST(CopySettingsChoiceTest, AbsentMicHidesItsBox) {
    const C choice(Request("+++++++++++++-"));
    EXPECT_TRUE(choice.IsVisible(C::Mic));
    EXPECT_FALSE(choice.IsVisible(C::LineOut));
    EXPECT_EQ(choice.PresenceText(C::LineOut), "-");
}

TEST(CopySettingsChoiceTest, StyleAndStylePathExcludeEachOther) {
    C choice(Request("++++++++++++++"));
    choice.Click(C::Style, true);
    choice.Click(C::StylePath, true);
    EXPECT_FALSE(choice.IsChecked(C::Style));
    EXPECT_TRUE(choice.IsChecked(C::StylePath));
    choice.Click(C::Style, true);
    EXPECT_TRUE(choice.IsChecked(C::Style));
    EXPECT_FALSE(choice.IsChecked(C::StylePath));
    choice.Click(C::Style, false);
    EXPECT_FALSE(choice.IsChecked(C::Style));
    EXPECT_FALSE(choice.IsChecked(C::StylePath));
}

TEST(CopySettingsChoiceTest, ABoxOfAnAbsentGroupCannotBeChecked) {
    CopySettingsRequest request = Request("+-++++++++++++");
    request.presence[8] = "-?";  // Tempo: an edit that starts with '-'
    C choice(request);
    choice.Click(C::Right1, true);
    choice.Click(C::Tempo, true);
    EXPECT_FALSE(choice.IsChecked(C::Right1));
    EXPECT_FALSE(choice.IsChecked(C::Tempo));
    EXPECT_TRUE(choice.IsVisible(C::Tempo));
}

TEST(CopySettingsChoiceTest, OkReadsTheFifteenFlagsInCopyOrder) {
    C choice(Request("++++++++++++++"));
    EXPECT_FALSE(choice.Accept().has_value());  // "No setting-block selected"
    EXPECT_STREQ(C::kNothingChosenMessage, "No setting-block selected");

    choice.Click(C::StylePath, true);
    choice.Click(C::Multipad, true);
    choice.Click(C::LineOut, true);
    const auto flags = choice.Accept();
    ASSERT_TRUE(flags.has_value());
    std::vector<bool> expected(15, false);
    expected[1] = expected[6] = expected[14] = true;
    EXPECT_EQ(*flags, expected);
}

}  // namespace
}  // namespace kalivo
