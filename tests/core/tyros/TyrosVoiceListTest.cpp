// A voice list over the Tyros table: names, the unknown-voice summary, the
// completeness rule, Default Revoice and the stored bytes.
#include "core/tyros/TyrosHandlerFixture.h"

namespace kalivo {
namespace {

using namespace test::tyros_bytes;
using Fixture = test::TyrosHandlerFixture;

std::shared_ptr<const VoiceList> ListOf(int rows) {
    auto list = std::make_shared<VoiceList>();
    list->Add(104, 0, 1, "Listed Lead");
    list->Add(0, 0, 0, "Listed Piano");  // the list wins over the table's GrandPiano
    for (int i = 2; i < rows; ++i) {
        list->Add(110 + i / 128, 0, i % 128, "Row");
    }
    return list;
}

TEST_F(Fixture, AListNamesItsVoicesOverTheTableAndCountsToCompleteness) {
    // Right1 and Right2 listed, Right3 named by neither, Left an XG variation.
    const Bytes bank = BankFile({Registration({Name("R"), Voice(11, 104, 0, 1), Voice(15, 0, 0, 0),
                                               Voice(23, 104, 0, 9), Voice(19, 0, 5, 0)})});
    dir.Write("One.rgt", bank);
    source.SetVoiceList(ListOf(2));
    LoadSource("One");
    struct Expect {
        Status (TyrosHandler::*get)(int, int, std::string&);
        const char* name;
    };
    for (const Expect& e : {Expect{&TyrosHandler::GetVoiceName2, "Listed Lead"},
                            Expect{&TyrosHandler::GetVoiceName3, "Listed Piano"},
                            Expect{&TyrosHandler::GetVoiceName1, "(Listed Piano)"}}) {
        std::string name;
        ASSERT_EQ((source.*e.get)(0, 0, name), Status::kDone);
        EXPECT_EQ(name, e.name);
    }
    source.ReportUnknownVoices();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("2 voice settings in 1 registrations are not in the voice table or the voice "
                                        "list.\nThe voice list names 2 voices; with the table, 139 of the "
                                        "instrument's 1314 voices are known",
                                        0),
              0u)
        << ui.messages[0].text;
    EXPECT_FALSE(source.VoiceTableComplete());

    // One voice short of the instrument's count, then the count reached.
    source.SetVoiceList(ListOf(1314 - 138));
    EXPECT_FALSE(source.VoiceTableComplete());
    source.SetVoiceList(ListOf(1314 - 137));
    EXPECT_TRUE(source.VoiceTableComplete());
    source.SetVoiceList(nullptr);
    EXPECT_FALSE(source.VoiceTableComplete());
    std::string name;
    ASSERT_EQ(source.GetVoiceName2(0, 0, name), Status::kDone);
    EXPECT_EQ(name, "no voice");  // the names follow the list at once
}

TEST_F(Fixture, AListChangesNothingStoredOrRevoiced) {
    dir.Write("One.rgt", BankFile({Registration({Name("R"), Voice(11, 0, 5, 3), Voice(19, 0, 6, 4)})}));
    auto list = std::make_shared<VoiceList>();
    list->Add(0, 5, 3, "Known XG");  // the list knows it: not a revoice candidate
    destination.SetVoiceList(list);
    ASSERT_EQ(destination.LoadDestinationArchive(dir.Path() + "/", "One"), Status::kDone);
    EXPECT_EQ(destination.CountRevoiceToDefault(0, 0), 1);
    StringList banks;
    destination.ListBanks(banks);
    ASSERT_EQ(banks.size(), 1u);
    test::TempFolder out;
    ASSERT_EQ(destination.StoreArchive(banks[0], out.Path() + "/", 0), Status::kDone);
    ASSERT_EQ(out.Names().size(), 1u);
    EXPECT_EQ(out.ReadBytes(out.Names()[0]), dir.ReadBytes("One.rgt"));
}

}  // namespace
}  // namespace kalivo
