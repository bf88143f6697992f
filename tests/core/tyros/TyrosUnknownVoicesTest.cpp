// While the voice table is incomplete nearly every voice of a real
// registration is "unknown": loads must not ask about each one.
#include "core/tyros/TyrosHandlerFixture.h"

namespace kalivo {
namespace {

using namespace test::tyros_bytes;
using Fixture = test::TyrosHandlerFixture;

// Four voice parts no table row knows (MSB 104).
Bytes FourUnknownVoices(const std::string& name) {
    return Registration({Name(name), Voice(11, 104, 0, 1), Voice(15, 104, 0, 2), Voice(23, 104, 0, 3),
                         Voice(19, 104, 0, 4)});
}

TEST_F(Fixture, AThousandUnknownVoicesAskNothingAndAreSummedUpOnce) {
    // 32 banks x 8 registrations x 4 parts = 1024 unknown voice settings.
    std::vector<Bytes> eight(8, FourUnknownVoices("Odd"));
    for (int bank = 0; bank < 32; ++bank) {
        dir.Write("Bank" + std::to_string(bank) + ".S917.rgt", BankFile(eight));
        LoadSource("Bank" + std::to_string(bank) + ".S917");
    }
    EXPECT_TRUE(ui.messages.empty());
    source.ReportUnknownVoices();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, "ok");
    EXPECT_EQ(ui.messages[0].title, "Voice table incomplete");
    EXPECT_EQ(ui.messages[0].text.rfind("1024 voice settings in 256 registrations are not in the voice table.\n"
                                        "The table holds 138 of the instrument's 1314 voices",
                                        0),
              0u)
        << ui.messages[0].text;
    // The count starts afresh: a second report has nothing to say.
    source.ReportUnknownVoices();
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(Fixture, KnownVoicesAndRegfilesAreCountedAsWell) {
    dir.Write("Known.rgt", BankFile({Registration({Name("K"), Voice(11, 0, 0, 0)})}));
    LoadSource("Known");
    source.ReportUnknownVoices();
    EXPECT_TRUE(ui.messages.empty());

    dir.Write("one.tyr", Regfile("Bank", 0, FourUnknownVoices("One")));
    dir.Write("two.tyr", Regfile("Bank", 1, Registration({Name("Two"), Voice(19, 0, 5, 0)})));
    ASSERT_EQ(source.LoadRegfiles(dir.Path()), Status::kDone);
    EXPECT_TRUE(ui.messages.empty());
    source.ReportUnknownVoices();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("5 voice settings in 2 registrations", 0), 0u);
    // An XG voice without its row still shows its near voice.
    std::string name;
    source.GetRegfileVoiceName1(1, name);
    EXPECT_EQ(name, "(GrandPiano)");
}

TEST_F(Fixture, WithACompleteTableEachUnknownVoiceIsAskedAboutNamingTheFile) {
    source.SetVoiceTableComplete(true);
    dir.Write("J\xC3\xA4zz.S917.rgt", BankFile({Registration({Name("Sw\xEEng"), Voice(11, 104, 0, 7)})}));
    ui.yesNo = {true};
    LoadSource("J\xC3\xA4zz.S917");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, "yesno");
    EXPECT_EQ(ui.messages[0].title, "Warning: Revoicing recommended");
    // All UTF-8: the file name as it is, the registration name converted.
    EXPECT_EQ(ui.messages[0].text, "In J\xC3\xA4zz.S917.rgt:\nSw\xC3\xAEng(Right1) no Tyros voice: msb 104, lsb 0, "
                                   "voice 7\nContinue messages?");
    source.ReportUnknownVoices();
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(Fixture, AResetBankHoldsNewRegistrationsWithTheirWarningsStillToCome) {
    source.SetVoiceTableComplete(true);
    destination.SetVoiceTableComplete(true);
    const Bytes odd = Registration({Name("Odd"), Voice(11, 104, 0, 7)});
    dir.Write("Odd.rgt", BankFile({odd}));
    ui.yesNo = {true, true};
    ASSERT_EQ(destination.LoadDestinationArchive(Folder(), "Odd"), Status::kDone);  // warns once for Right1
    LoadSource("Odd");                                                  // and once here
    ASSERT_EQ(ui.messages.size(), 2u);
    destination.ClearDestination(1);
    // A group copy of the odd voice into the reset bank warns again: the old
    // registration's "already warned" flag went with it.
    ui.copySettingsResults = {std::vector<bool>{false, false, true, false, false, false, false, false, false, false,
                                                false, false, false, false, false}};
    ui.yesNo = {true};
    destination.GroupCopyRegistration(0, 0, &source, 0, 0);
    EXPECT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages.back().title, "Warning: Revoicing recommended");
}

TEST_F(Fixture, RevoiceCountsWhatItWouldChangeWithoutChangingIt) {
    dir.Write("Xg.rgt", BankFile({Registration({Name("Xg"), Voice(11, 0, 5, 0), Voice(19, 0, 6, 0),
                                                Voice(15, 104, 0, 0)})}));
    LoadSource("Xg");
    const Bytes before = source.Registration(0, 0)->Serialize();
    EXPECT_EQ(source.CountRevoiceToDefault(0, 0), 2);
    EXPECT_EQ(source.Registration(0, 0)->Serialize(), before);
    EXPECT_EQ(source.CountRevoiceToDefault(0, 1), 0);  // empty
    EXPECT_EQ(source.CountRevoiceToDefault(600, 0), 0);
    EXPECT_EQ(source.RevoiceToDefault(0, 0), 2);
    EXPECT_EQ(source.CountRevoiceToDefault(0, 0), 0);
}

}  // namespace
}  // namespace kalivo
