#include <gtest/gtest.h>

#include "handlers/tyros/TyrosRegistration.h"
#include "support/ScriptedUserInterface.h"
#include "core/tyros/TyrosTestBytes.h"

namespace kalivo {
namespace {

using namespace test::tyros_bytes;
using tyros::VoicePart;

class TyrosRegistrationTest : public ::testing::Test {
protected:
    test::ScriptedUserInterface ui;

    TyrosRegistration Parsed(const Bytes& block) {
        TyrosRegistration registration;
        registration.Parse(block, false, false, ui);
        return registration;
    }
};

TEST_F(TyrosRegistrationTest, RoundTripsEveryByte) {
    const Bytes block = RealisticRegistration(7);
    const TyrosRegistration registration = Parsed(block);
    EXPECT_FALSE(registration.IsEmpty());
    EXPECT_EQ(registration.Serialize(), block);
    EXPECT_EQ(registration.SerializedSize(), block.size());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TyrosRegistrationTest, WritesBlocksInTypeOrderAndLaterModelTypesAfterType47) {
    // 48 is the first type of the later models: it follows 47, in the order read.
    const Bytes block = Registration(
        {Opaque(48, 2), Opaque(60, 9), Tempo(120), Name("Zed"), Opaque(47, 3), Opaque(71, 2), Opaque(50, 4)});
    const Bytes expected = Registration(
        {Name("Zed"), Tempo(120), Opaque(47, 3), Opaque(48, 2), Opaque(60, 9), Opaque(71, 2), Opaque(50, 4)});
    const TyrosRegistration registration = Parsed(block);
    EXPECT_EQ(registration.Serialize(), expected);
    // Types of 48 and more belong to no group.
    EXPECT_EQ(registration.GroupMask(), 0x0100u | 0x2000u);
}

TEST_F(TyrosRegistrationTest, LengthComesFromWhatIsWritten) {
    // A type-0 block is dropped and a repeated type keeps its later block:
    // the stored length would be wrong for the bytes written.
    const TyrosRegistration registration =
        Parsed(Registration({Opaque(0, 5), Voice(11, 0, 0, 0), Name("A"), Voice(11, 0, 1, 0)}));
    const Bytes expected = Registration({Name("A"), Voice(11, 0, 1, 0)});
    EXPECT_EQ(registration.Serialize(), expected);
    EXPECT_EQ(registration.VoiceName(VoicePart::Right1), "GrndPianoKSP");
}

TEST_F(TyrosRegistrationTest, BadBlocksLeaveAnEmptyRegistrationAndSaySo) {
    struct Case {
        const char* what;
        Bytes block;
        const char* message;
    };
    const Bytes good = Registration({Name("Good"), Tempo(100)});
    Bytes badId = good;
    badId[1] = 'X';
    Bytes badSetting = good;
    badSetting[6] = 'X';
    const Bytes cut(good.begin(), good.end() - 3);  // exactly this size: an over-read shows
    Bytes settingTooLong = Registration({Setting(41, Bytes(4))});
    settingTooLong[11] = 40;  // the setting claims 40 payload bytes, its block has 4
    const std::vector<Case> cases{
        {"no BHd", badId, "Bad registration: no Bhd-block"},
        {"shorter than a head", Bytes{'B', 'H'}, "Bad registration: no Bhd-block"},
        {"no GPm", badSetting, "Bad registration: no GPm-block"},
        {"length past the data", cut, "Bad registration: no GPm-block"},
        {"setting length past its block", settingTooLong, "Bad registration: no GPm-block"},
        {"cut setting head", Registration({Name("X"), Text("GPm")}), "Bad registration: no GPm-block"},
        {"stored length past the data", WithStoredLength(Registration({Name("B")}), 0x30),
         "Bad registration: no GPm-block"},
        {"stored length inside a setting", WithStoredLength(Registration({Name("B")}), 10),
         "Bad registration: no GPm-block"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TyrosRegistration registration = Parsed(good);
        EXPECT_EQ(registration.Parse(c.block, false, false, ui), c.message);
        EXPECT_TRUE(registration.IsEmpty());
        EXPECT_EQ(registration.Serialize(), EmptyRegistration());
    }
    // Length 0 is an empty registration, silently.
    TyrosRegistration empty;
    EXPECT_EQ(empty.Parse(EmptyRegistration(), false, false, ui), "");
    EXPECT_TRUE(empty.IsEmpty());
}

TEST_F(TyrosRegistrationTest, DisplayNameAndIconCode) {
    EXPECT_EQ(Parsed(Registration({Name("Piano Ballad", "123")})).Name(), "Piano Ballad    ");
    EXPECT_EQ(Parsed(Registration({Name("Piano Ballad", "123")})).IconCode(), "123");
    EXPECT_EQ(Parsed(Registration({Name("Piano Ballad")})).Name(), "Piano Ballad");
    EXPECT_EQ(Parsed(Registration({Name("Piano Ballad")})).IconCode(), "");
    EXPECT_EQ(Parsed(Registration({Name("")})).Name(), "");
    EXPECT_EQ(Parsed(Registration({Tempo(90)})).Name(), "--- no reg ---");
    EXPECT_EQ(Parsed(Registration({Tempo(90)})).IconCode(), "");
    // Short payloads: no icon code, and a NUL ends the name.
    EXPECT_EQ(Parsed(Registration({Setting(1, Text(".S12"))})).IconCode(), "");
    EXPECT_EQ(Parsed(Registration({Setting(1, Bytes{'A', 'b', 0, 'c'})})).Name(), "Ab");
}

TEST_F(TyrosRegistrationTest, RenameKeepsTheIconCodeAndTheSixteenCharacters) {
    TyrosRegistration withIcon = Parsed(Registration({Name("Old Name", "042"), Tempo(100)}));
    const std::size_t size = withIcon.SerializedSize();
    ASSERT_TRUE(withIcon.Rename("Jazzy"));
    EXPECT_EQ(withIcon.Serialize(), Registration({Name("Jazzy", "042"), Tempo(100)}));
    EXPECT_EQ(withIcon.SerializedSize(), size);

    TyrosRegistration plain = Parsed(Registration({Name("Old")}));
    ASSERT_TRUE(plain.Rename("A name much longer than sixteen"));
    EXPECT_EQ(plain.Serialize(), Registration({Name("A name much long")}));

    TyrosRegistration nameless = Parsed(Registration({Tempo(100)}));
    EXPECT_FALSE(nameless.Rename("X"));
    EXPECT_EQ(nameless.Serialize(), Registration({Tempo(100)}));
}

TEST_F(TyrosRegistrationTest, SetIconCodeOverwritesOrAppends) {
    TyrosRegistration withIcon = Parsed(Registration({Name("Jazz", "001")}));
    ASSERT_TRUE(withIcon.SetIconCode("555"));
    EXPECT_EQ(withIcon.Serialize(), Registration({Name("Jazz", "555")}));

    TyrosRegistration plain = Parsed(Registration({Name("Jazz"), Tempo(80)}));
    ASSERT_TRUE(plain.SetIconCode("777"));
    EXPECT_EQ(plain.Serialize(), Registration({Name("Jazz", "777"), Tempo(80)}));
    EXPECT_EQ(plain.Name(), "Jazz            ");

    TyrosRegistration empty;
    EXPECT_FALSE(empty.SetIconCode("777"));
    EXPECT_TRUE(empty.IsEmpty());
}

TEST_F(TyrosRegistrationTest, EditsThatWouldOverflowTheLengthFieldAreRefused) {
    // One huge block leaves no room for the five bytes of an icon code.
    Bytes big = Registration({Setting(1, Text("Big")), Opaque(40, 0xFFFF - 9 - 6 - 1)});
    TyrosRegistration registration = Parsed(big);
    ASSERT_FALSE(registration.IsEmpty());
    EXPECT_FALSE(registration.SetIconCode("123"));
    EXPECT_FALSE(registration.Rename("Sixteen chars ok"));
    EXPECT_EQ(registration.Serialize(), big);
}

TEST_F(TyrosRegistrationTest, GroupMaskHasOneBitPerGroup) {
    const TyrosRegistration registration = Parsed(RealisticRegistration(1));
    // A registration holding every group.
    EXPECT_EQ(registration.GroupMask(), 0x3FFFu);
    EXPECT_EQ(Parsed(Registration({Setting(8, {}), Setting(37, {}), Setting(4, {}), Setting(44, {})})).GroupMask(),
              0x0001u | 0x0400u | 0x0800u | 0x1000u);
    EXPECT_EQ(Parsed(Registration({Name("X"), Opaque(2, 1), Opaque(10, 1), Opaque(46, 1), Opaque(6, 1)})).GroupMask(),
              0u);
}

TEST_F(TyrosRegistrationTest, SettingReaders) {
    const TyrosRegistration r = Parsed(Registration({
        TextSetting(5, "Yesterday"),
        Voice(11, 0, 0, 0, true),
        Voice(15, 0, 0, 0, false),
        Harmony(true, 16),
        Tempo(132),
    }));
    EXPECT_EQ(r.SongName(), "Yesterday");
    EXPECT_EQ(r.Tempo(), 132);
    EXPECT_EQ(r.PartOn(VoicePart::Right1), "On");
    EXPECT_EQ(r.PartOn(VoicePart::Right2), "Off");
    EXPECT_EQ(r.PartOn(VoicePart::Left), "");
    EXPECT_EQ(r.HarmonyOn(), "On");
    EXPECT_EQ(r.HarmonyType(), "Trill");

    const TyrosRegistration none = Parsed(Registration({Name("X")}));
    EXPECT_EQ(none.SongName(), "");
    EXPECT_EQ(none.Tempo(), -1);
    EXPECT_EQ(none.HarmonyOn(), "");
    EXPECT_EQ(none.HarmonyType(), "");
    EXPECT_EQ(none.StyleName(), "no style");
    EXPECT_EQ(none.MultipadName(), "no multipad");

    EXPECT_EQ(Parsed(Registration({Harmony(false, 10)})).HarmonyType(), "1+5");
    EXPECT_EQ(Parsed(Registration({Harmony(false, 10)})).HarmonyOn(), "Off");
    EXPECT_EQ(Parsed(Registration({Harmony(true, 17)})).HarmonyType(), "");
}

TEST_F(TyrosRegistrationTest, FieldsTooShortForTheirPayloadGiveThePlaceholders) {
    const TyrosRegistration r = Parsed(Registration({
        Setting(5, Bytes{0}),
        Setting(7, Bytes{0}),
        Setting(11, Bytes{1, 0, 0}),
        Setting(36, Bytes{}),
        Setting(38, Bytes{1}),
        Setting(41, Bytes{0, 0, 0, 0, 1}),
    }));
    EXPECT_EQ(r.SongName(), "");
    EXPECT_EQ(r.StyleName(), "no style");
    EXPECT_EQ(r.VoiceName(VoicePart::Right1), "no voice");
    EXPECT_EQ(r.PartOn(VoicePart::Right1), "On");
    EXPECT_EQ(r.MultipadName(), "no multipad");
    EXPECT_EQ(r.HarmonyOn(), "On");
    EXPECT_EQ(r.HarmonyType(), "");
    EXPECT_EQ(r.Tempo(), -1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TyrosRegistrationTest, StyleNames) {
    auto style = [&](std::initializer_list<Bytes> blocks) { return Parsed(Registration(blocks)).StyleName(); };
    EXPECT_EQ(style({Number(7, 0)}), "Live8Beat");
    EXPECT_EQ(style({Number(7, 4)}), "8BeatModern");
    EXPECT_EQ(style({Number(7, 5)}), "8BeatModern");
    EXPECT_EQ(style({Number(7, 598)}), "PopEnka");
    EXPECT_EQ(style({Number(7, 600)}), "no style");
    EXPECT_EQ(style({Number(7, 0xFFFF)}), "no style");
    EXPECT_EQ(style({Number(7, 0xFFFF), TextSetting(9, "MyStyle.sty")}), "MyStyle");
    EXPECT_EQ(style({Number(7, 0xFFFF), TextSetting(9, "NoDot")}), "NoDot");
}

TEST_F(TyrosRegistrationTest, MultipadNames) {
    auto pad = [&](std::initializer_list<Bytes> blocks) { return Parsed(Registration(blocks)).MultipadName(); };
    EXPECT_EQ(pad({Number(36, 0)}), "HipHop1");
    EXPECT_EQ(pad({Number(36, 79)}), "Arabic Perc2");
    EXPECT_EQ(pad({Number(36, 80)}), "no multipad");
    EXPECT_EQ(pad({Number(36, 0xFFFF)}), "no multipad");
    EXPECT_EQ(pad({Number(36, 0xFFFF), TextSetting(37, "A/B/Pad.pad")}), "Pad");
    EXPECT_EQ(pad({Number(36, 0xFFFF), TextSetting(37, "Top.pad")}), "Top");
}

TEST_F(TyrosRegistrationTest, ClearKeepsTheWarningStateButEmptiesTheRest) {
    TyrosRegistration registration;
    registration.Parse(Registration({Name("Odd"), Voice(11, 104, 0, 0)}), false, false, ui);
    EXPECT_TRUE(registration.StopWarnings());  // the scripted person answered No
    registration.Clear();
    EXPECT_TRUE(registration.IsEmpty());
    EXPECT_TRUE(registration.StopWarnings());
    EXPECT_EQ(registration.VoiceName(VoicePart::Right1), "no voice");
    EXPECT_EQ(registration.Name(), "--- no reg ---");
}

}  // namespace
}  // namespace kalivo
