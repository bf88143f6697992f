#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "handlers/tyros/TyrosTables.h"
#include "handlers/tyros/TyrosVoiceIndex.h"

namespace kalivo {
namespace {

std::string Shown(int program, int lsb, int msb) { return TyrosTables::LookupVoice(program, lsb, msb).name; }

TEST(TyrosTablesTest, TellingVoiceRowsGiveTheirShownNames) {
    EXPECT_EQ(Shown(0, 0, 0), "GrandPiano");
    EXPECT_EQ(Shown(0, 1, 0), "GrndPianoKSP");
    EXPECT_EQ(Shown(0, 0, 63), "Custom001");
    EXPECT_EQ(Shown(127, 0, 63), "Custom128");
    EXPECT_EQ(Shown(0, 0, 126), "SFX KitSFXKit1");
    EXPECT_EQ(Shown(16, 126, 0), "Organ FlutesBluesOrgan");
    EXPECT_EQ(Shown(1, 0, 8), "MegaVoiceSteelGuitar");
    EXPECT_EQ(Shown(0, 0, 121), "GrandPiano");
    EXPECT_TRUE(TyrosTables::LookupVoice(0, 0, 0).found);
}

TEST(TyrosTablesTest, UnknownVoicesAreNotFound) {
    for (const auto& [program, lsb, msb] : {std::tuple{0, 5, 0}, {0, 0, 104}, {-1, 0, 0}, {0, 256, 0}, {0, 0, 1000}}) {
        const TyrosVoiceLookup result = TyrosTables::LookupVoice(program, lsb, msb);
        EXPECT_FALSE(result.found) << program << " " << lsb << " " << msb;
        EXPECT_EQ(result.name, "no voice");
        EXPECT_EQ(TyrosTables::FindVoice(program, lsb, msb), nullptr);
    }
}

TEST(TyrosTablesTest, VoiceTableKeepsItsEndsAndFieldLimits) {
    const auto voices = TyrosTables::Voices();
    ASSERT_GE(voices.size(), 138u);
    EXPECT_LE(voices.size(), 1314u);
    EXPECT_STREQ(voices.front().name, "GrandPiano");
    EXPECT_EQ(std::tie(voices.back().program, voices.back().lsb, voices.back().msb),
              std::make_tuple(std::uint8_t{127}, std::uint8_t{3}, std::uint8_t{121}));
    EXPECT_STREQ(voices.back().name, "Explosion");
    int custom = 0;
    for (const TyrosVoiceRow& row : voices) {
        EXPECT_LE(std::string(row.prefix).size(), 15u) << row.name;
        EXPECT_LE(std::string(row.name).size(), 31u) << row.name;
        if (row.msb == 63 && row.lsb == 0) {
            ++custom;
        }
    }
    EXPECT_EQ(custom, 128);
}

TEST(TyrosTablesTest, EveryLookupReturnsTheFirstRowOfItsKey) {
    // Whatever duplicates the table holds, the index must agree with a scan
    // in table order.
    const auto voices = TyrosTables::Voices();
    std::set<std::tuple<int, int, int>> seen;
    for (const TyrosVoiceRow& row : voices) {
        if (seen.insert({row.program, row.lsb, row.msb}).second) {
            EXPECT_EQ(TyrosTables::FindVoice(row.program, row.lsb, row.msb), &row) << row.name;
        }
    }
}

TEST(TyrosVoiceIndexTest, FirstRowWinsForARepeatedKey) {
    const TyrosVoiceRow rows[] = {
        {16, 126, 0, "Organ Flutes", "BluesOrgan"},
        {0, 0, 0, "", "GrandPiano"},
        {16, 126, 0, "Organ Flutes", "Second"},
        {0, 0, 0, "", "Later"},
        {16, 126, 0, "Organ Flutes", "Third"},
        {255, 255, 255, "", "Top"},
    };
    const TyrosVoiceIndex index(rows);
    EXPECT_EQ(index.Find(16, 126, 0), &rows[0]);
    EXPECT_EQ(index.Find(0, 0, 0), &rows[1]);
    EXPECT_EQ(index.Find(255, 255, 255), &rows[5]);
    EXPECT_EQ(index.Find(126, 16, 0), nullptr);  // same numbers, other fields
    EXPECT_EQ(index.Find(0, 0, 256), nullptr);   // would alias key 0,0,0 if not checked
    EXPECT_EQ(TyrosVoiceIndex({}).Find(0, 0, 0), nullptr);
}

TEST(TyrosTablesTest, NameTablesHaveTheirCountsAndSpellings) {
    EXPECT_EQ(TyrosTables::StyleCount(), 300u);
    EXPECT_EQ(TyrosTables::MultipadCount(), 80u);
    EXPECT_EQ(TyrosTables::HarmonyCount(), 17u);

    EXPECT_EQ(TyrosTables::StyleName(0), "Live8Beat");
    EXPECT_EQ(TyrosTables::StyleName(2), "8BeatModern");  // style number 4
    EXPECT_EQ(TyrosTables::StyleName(3), "60's8Beat");
    EXPECT_EQ(TyrosTables::StyleName(54), "R&B");
    EXPECT_EQ(TyrosTables::StyleName(299), "PopEnka");
    EXPECT_EQ(TyrosTables::MultipadName(0), "HipHop1");
    EXPECT_EQ(TyrosTables::MultipadName(11), "Carnival de Rion");
    EXPECT_EQ(TyrosTables::MultipadName(79), "Arabic Perc2");
    EXPECT_EQ(TyrosTables::HarmonyName(7), "4-Way Close 1");
    EXPECT_EQ(TyrosTables::HarmonyName(10), "1+5");
    EXPECT_EQ(TyrosTables::HarmonyName(16), "Trill");
}

TEST(TyrosTablesTest, IndexPastTheEndGivesAnEmptyName) {
    EXPECT_EQ(TyrosTables::StyleName(300), "");
    EXPECT_EQ(TyrosTables::MultipadName(80), "");
    EXPECT_EQ(TyrosTables::HarmonyName(17), "");
}

}  // namespace
}  // namespace kalivo
