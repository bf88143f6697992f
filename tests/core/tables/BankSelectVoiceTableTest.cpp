#include <gtest/gtest.h>

#include <tuple>

#include "common/tables/BankSelectVoiceTable.h"

namespace kalivo {
namespace {

constexpr BankSelectTableId kAll[] = {BankSelectTableId::Psr740, BankSelectTableId::Psr9000,
                                      BankSelectTableId::Psr9000Pro, BankSelectTableId::Psr2000,
                                      BankSelectTableId::Cvp2};

const BankSelectVoiceTable& Table(BankSelectTableId id) { return BankSelectVoiceTable::For(id); }

auto Key(const BankSelectVoiceRow& row) { return std::tuple(row.program, row.lsb, row.msb); }

TEST(BankSelectVoiceTableTest, TellingRowsCommonToEveryModel) {
    for (BankSelectTableId id : kAll) {
        const BankSelectVoiceTable& table = Table(id);
        EXPECT_EQ(table.VoiceName(0, 0, 0), "GrandPno");
        EXPECT_EQ(table.VoiceName(64, 0, 0), "CuttngNz");
        EXPECT_EQ(table.VoiceName(126, 0, 0), "SFX Kit1");
        EXPECT_EQ(table.VoiceName(126, 0, 1), "SFX Kit2");
        EXPECT_EQ(table.VoiceName(127, 0, 0), "Std.Kit1");
        EXPECT_EQ(table.VoiceName(0, 1, 0), "GrndPnoK");
        EXPECT_EQ(table.VoiceName(127, 0, 32), "Jazz Kit");
        EXPECT_EQ(table.VoiceName(0, 0, 127), "Gunshot");
    }
}

TEST(BankSelectVoiceTableTest, PanelVoiceAtLsb112DiffersPerModel) {
    EXPECT_EQ(Table(BankSelectTableId::Psr740).VoiceName(0, 112, 0), "AcoGrandPno");
    EXPECT_EQ(Table(BankSelectTableId::Psr9000).VoiceName(0, 112, 0), "Grand Piano");
    EXPECT_EQ(Table(BankSelectTableId::Psr9000Pro).VoiceName(0, 112, 0), "Grand Piano");
    EXPECT_EQ(Table(BankSelectTableId::Cvp2).VoiceName(0, 112, 0), "GrandPno");
    EXPECT_EQ(Table(BankSelectTableId::Psr2000).VoiceName(0, 112, 0), "GrandPno");
}

TEST(BankSelectVoiceTableTest, CustomVoicesOnlyOnThePsr9000Family) {
    for (BankSelectTableId id : {BankSelectTableId::Psr9000, BankSelectTableId::Psr9000Pro}) {
        EXPECT_EQ(Table(id).VoiceName(63, 0, 0), "Custom 01");
        EXPECT_EQ(Table(id).VoiceName(63, 0, 31), "Custom 32");
        EXPECT_EQ(Table(id).VoiceName(63, 0, 32), "?");
    }
    EXPECT_EQ(Table(BankSelectTableId::Psr740).VoiceName(63, 0, 0), "?");
    EXPECT_EQ(Table(BankSelectTableId::Cvp2).VoiceName(63, 0, 0), "no voice");
}

TEST(BankSelectVoiceTableTest, FirstOfTwoEqualKeysWins) {
    for (BankSelectTableId id : {BankSelectTableId::Cvp2, BankSelectTableId::Psr2000}) {
        const BankSelectVoiceTable& table = Table(id);
        EXPECT_EQ(table.VoiceName(127, 0, 32), "Jazz Kit");
        EXPECT_EQ(table.VoiceName(0, 114, 38), "RaveBass");
        // The later rows are present, just never found.
        int brush = 0, rave = 0;
        for (const BankSelectVoiceRow& row : table.Rows()) {
            brush += std::string(row.name) == "StyBrushKit" && Key(row) == std::tuple(32, 0, 127);
            rave += std::string(row.name) == "Rave Bass" && Key(row) == std::tuple(38, 114, 0);
        }
        EXPECT_EQ(brush, 1);
        EXPECT_EQ(rave, 1);
    }
}

TEST(BankSelectVoiceTableTest, NoFallbackToTheBasicVoice) {
    const BankSelectVoiceTable& psr740 = Table(BankSelectTableId::Psr740);
    EXPECT_EQ(psr740.VoiceName(0, 5, 0), "?");
    EXPECT_EQ(Table(BankSelectTableId::Cvp2).VoiceName(0, 5, 0), "no voice");
    EXPECT_EQ(Table(BankSelectTableId::Psr2000).VoiceName(104, 0, 0), "no voice");
    // Out-of-range numbers never match a byte row.
    EXPECT_EQ(psr740.VoiceName(-1, 0, 0), "?");
    EXPECT_EQ(psr740.VoiceName(0, 0, 256), "?");
    std::string name = "kept";
    EXPECT_FALSE(psr740.Find(0, 5, 0, name));
    EXPECT_EQ(name, "kept");
    EXPECT_TRUE(psr740.Find(0, 0, 0, name));
    EXPECT_EQ(name, "GrandPno");
}

TEST(BankSelectVoiceTableTest, RowsAreOrderedWithGunshotLast) {
    for (BankSelectTableId id : kAll) {
        const auto rows = Table(id).Rows();
        ASSERT_FALSE(rows.empty());
        for (std::size_t i = 1; i < rows.size(); ++i) {
            EXPECT_LE(Key(rows[i - 1]), Key(rows[i])) << "row " << i;
        }
        EXPECT_EQ(Key(rows.back()), std::tuple(127, 0, 0));
        EXPECT_STREQ(rows.back().name, "Gunshot");
        for (const BankSelectVoiceRow& row : rows) {
            EXPECT_LE(std::string(row.name).size(), 31u);
        }
    }
}

TEST(BankSelectVoiceTableTest, CountsAndCompletenessFollowTheDataFiles) {
    struct Expected {
        BankSelectTableId id;
        int instrumentRows;
        const char* fallback;
    };
    for (const Expected& e : {Expected{BankSelectTableId::Psr740, 761, "?"}, {BankSelectTableId::Psr9000, 862, "?"},
                              {BankSelectTableId::Psr9000Pro, 871, "?"},
                              {BankSelectTableId::Psr2000, 807, "no voice"},
                              {BankSelectTableId::Cvp2, 807, "no voice"}}) {
        const BankSelectVoiceTable& table = Table(e.id);
        EXPECT_EQ(table.InstrumentRowCount(), e.instrumentRows);
        EXPECT_STREQ(table.Fallback(), e.fallback);
        EXPECT_LE(table.Rows().size(), static_cast<std::size_t>(e.instrumentRows));
        EXPECT_EQ(table.IsComplete(), table.Rows().size() == static_cast<std::size_t>(e.instrumentRows));
    }
}

}  // namespace
}  // namespace kalivo
