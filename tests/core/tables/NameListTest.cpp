#include <gtest/gtest.h>

#include "common/tables/Psr8000VoiceList.h"
#include "common/tables/StyleList.h"

namespace kalivo {
namespace {

TEST(Psr8000VoiceListTest, NumberEncoding) {
    EXPECT_EQ(Psr8000VoiceList::VoiceName(0x8000), "Custom 1");
    EXPECT_EQ(Psr8000VoiceList::VoiceName(0x8000 + 31), "Custom 32");
    // Only the low five bits count once bit 15 is set.
    EXPECT_EQ(Psr8000VoiceList::VoiceName(0xFFFF), "Custom 32");
    EXPECT_EQ(Psr8000VoiceList::VoiceName(0x8020), "Custom 1");
    EXPECT_EQ(Psr8000VoiceList::VoiceName(0x4000), "Organ Flute");
    EXPECT_EQ(Psr8000VoiceList::VoiceName(0x4001), "?");
    EXPECT_EQ(Psr8000VoiceList::VoiceName(753), "FireWork");
    EXPECT_EQ(Psr8000VoiceList::VoiceName(754), "?");
}

TEST(Psr8000VoiceListTest, EntriesAsTheInstrumentSpellsThem) {
    EXPECT_EQ(Psr8000VoiceList::Count(), 754u);
    EXPECT_EQ(Psr8000VoiceList::VoiceName(0), "Grand Piano");
    EXPECT_EQ(Psr8000VoiceList::VoiceName(1), "BrightPiano");
    EXPECT_EQ(Psr8000VoiceList::VoiceName(21), "Rotor Organ");
    EXPECT_EQ(Psr8000VoiceList::VoiceName(261), "Std.Kitl");
    EXPECT_EQ(Psr8000VoiceList::VoiceName(273), "SFX Kit2");
    EXPECT_EQ(Psr8000VoiceList::VoiceName(274), "Grand Pno");
    EXPECT_EQ(Psr8000VoiceList::VoiceName(712), "CuttngNz");
}

TEST(Psr8000VoiceListTest, Entry38HoldsTheSingleWindows1252Quote) {
    const std::string name = Psr8000VoiceList::VoiceName(38);
    EXPECT_EQ(name, std::string("60\x91") + "s Organ");
    EXPECT_EQ(name.size(), 10u);
}

TEST(StyleListTest, Psr740PresetsAndCustomDefaults) {
    const StyleList& list = StyleList::Psr740();
    EXPECT_EQ(list.Count(), 163u);
    EXPECT_EQ(list.FirstCustomSlot(), 160);
    EXPECT_EQ(list.CustomSlotCount(), 3);
    EXPECT_EQ(list.Name(0), "8Beat 1");
    EXPECT_EQ(list.Name(1), "8Beat 2");
    EXPECT_EQ(list.Name(40), "Rock 1");
    EXPECT_EQ(list.Name(70), "Swing 1");
    EXPECT_EQ(list.Name(159), "Jazz Waltz");
    EXPECT_EQ(list.Name(160), "Custom Style 1");
    EXPECT_EQ(list.Name(162), "Custom Style 3");
    EXPECT_EQ(list.Name(163), "?");
    EXPECT_EQ(list.Name(255), "?");
}

TEST(StyleListTest, Psr8000PresetsCustomsGroovesAndUnused) {
    const StyleList& list = StyleList::Psr8000();
    EXPECT_EQ(list.Count(), 256u);
    EXPECT_EQ(list.FirstCustomSlot(), 214);
    EXPECT_EQ(list.CustomSlotCount(), 16);
    EXPECT_EQ(list.Name(0), "4/4 Blues");
    EXPECT_EQ(list.Name(1), "CntryRock 4");
    EXPECT_EQ(list.Name(99), "Trance 1");
    EXPECT_EQ(list.Name(213), "6/8 March");
    EXPECT_EQ(list.Name(214), "Custom 1");
    EXPECT_EQ(list.Name(229), "Custom 16");
    EXPECT_EQ(list.Name(230), "Groove 1");
    EXPECT_EQ(list.Name(249), "Groove 20");
    EXPECT_EQ(list.Name(250), "?");
    EXPECT_EQ(list.Name(255), "?");
}

}  // namespace
}  // namespace kalivo
