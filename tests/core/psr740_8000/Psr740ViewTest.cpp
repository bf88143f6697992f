// View Registration on bank registrations and regfiles.
#include <gtest/gtest.h>

#include "core/psr740_8000/Psr740TestSupport.h"

namespace kalivo::test::psr {
namespace {

TEST_F(Psr8000Fixture, ViewShowsMarkedCustomStyleTempoAndFourVoices) {
    Fill(destination, {{1, 2, {"Groove\xE9", 214, 96, {{0, 0, 0, 0x8000}, {0, 0, 0, 1}, {0, 0, 0, 2}, {0, 0, 0, 0x4000}}}}});
    disk.Write("sty.mng", std::string("S__00101\r\nFunky\r\n"));
    destination.SetStyleArchiveOptions(false, true, disk.Path(), false);
    EXPECT_EQ(destination.ShowRegistration(-1, 1, 2), Status::kDone);
    ASSERT_EQ(ui.simpleRegistrationViews.size(), 1u);
    const RegistrationView& view = ui.simpleRegistrationViews[0];
    EXPECT_EQ(view.title, "Groove\xC3\xA9");  // shown as UTF-8
    EXPECT_EQ(view.style, "*Funky*");
    EXPECT_EQ(view.tempo, "96");
    EXPECT_EQ(view.voices[0], "Custom 1");
    EXPECT_EQ(view.voices[3], "Organ Flute");
}

TEST_F(Psr740Fixture, ViewOfARegfileAndNothingForEmptyPositions) {
    other.Write("one.p74", Record(Model(), {"File title", 161, 72}));
    ASSERT_EQ(source.LoadRegfiles(other.Path()), Status::kDone);
    EXPECT_EQ(source.ShowRegistration(0, -1, -1), Status::kDone);
    ASSERT_EQ(ui.simpleRegistrationViews.size(), 1u);
    EXPECT_EQ(ui.simpleRegistrationViews[0].title, "File title");
    EXPECT_EQ(ui.simpleRegistrationViews[0].style, "Custom Style 2");
    EXPECT_EQ(ui.simpleRegistrationViews[0].voices[3], "***********");

    Fill(source, {{0, 0, {"A"}}});
    source.ShowRegistration(-1, 0, 1);  // empty slot
    source.ShowRegistration(-1, 5, 0);  // unused bank
    source.ShowRegistration(-1, -2, 0);
    EXPECT_EQ(ui.simpleRegistrationViews.size(), 1u);
}

}  // namespace
}  // namespace kalivo::test::psr
