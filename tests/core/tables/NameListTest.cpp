#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "common/tables/Psr8000VoiceList.h"
#include "common/tables/StyleList.h"

namespace kalivo {
namespace {

using NumberedNames = std::vector<std::pair<int, std::string>>;

template <class Lookup>
void ExpectNames(Lookup lookup, const NumberedNames& expected) {
    for (const auto& [number, name] : expected) {
        EXPECT_EQ(lookup(number), name) << number;
    }
}

std::string Voice(int number) { return Psr8000VoiceList::VoiceName(static_cast<std::uint16_t>(number)); }

TEST(Psr8000VoiceListTest, NumberEncoding) {
    // Only the low five bits count once bit 15 is set (0xFFFF, 0x8020).
    ExpectNames(Voice, {{0x8000, "Custom 1"}, {0x8000 + 31, "Custom 32"}, {0xFFFF, "Custom 32"}, {0x8020, "Custom 1"},
                        {0x4000, "Organ Flute"}, {0x4001, "?"}, {753, "FireWork"}, {754, "?"}, {0x3FFF, "?"}});
}

TEST(Psr8000VoiceListTest, EntriesAsTheInstrumentSpellsThem) {
    EXPECT_EQ(Psr8000VoiceList::Count(), 754u);
    ExpectNames(Voice, {{0, "Grand Piano"}, {1, "BrightPiano"}, {21, "Rotor Organ"}, {261, "Std.Kitl"},
                        {273, "SFX Kit2"}, {274, "Grand Pno"}, {712, "CuttngNz"}});
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
    ExpectNames([&list](int n) { return list.Name(static_cast<std::uint8_t>(n)); },
                {{0, "8Beat 1"}, {1, "8Beat 2"}, {40, "Rock 1"}, {70, "Swing 1"}, {159, "Jazz Waltz"},
                 {160, "Custom Style 1"}, {162, "Custom Style 3"}, {163, "?"}, {255, "?"}});
}

TEST(StyleListTest, Psr8000PresetsCustomsGroovesAndUnused) {
    const StyleList& list = StyleList::Psr8000();
    EXPECT_EQ(list.Count(), 256u);
    EXPECT_EQ(list.FirstCustomSlot(), 214);
    EXPECT_EQ(list.CustomSlotCount(), 16);
    ExpectNames([&list](int n) { return list.Name(static_cast<std::uint8_t>(n)); },
                {{0, "4/4 Blues"}, {1, "CntryRock 4"}, {99, "Trance 1"}, {213, "6/8 March"}, {214, "Custom 1"},
                 {229, "Custom 16"}, {230, "Groove 1"}, {249, "Groove 20"}, {250, "?"}, {255, "?"}});
}

}  // namespace
}  // namespace kalivo
