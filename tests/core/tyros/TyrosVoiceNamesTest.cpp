#include <gtest/gtest.h>

#include "handlers/tyros/TyrosRegistration.h"
#include "support/ScriptedUserInterface.h"
#include "core/tyros/TyrosTestBytes.h"

namespace kalivo {
namespace {

using namespace test::tyros_bytes;
using tyros::VoicePart;

class TyrosVoiceNamesTest : public ::testing::Test {
protected:
    test::ScriptedUserInterface ui;

    TyrosRegistration Parsed(const Bytes& block, bool quiet = false, bool stopWarnings = false) {
        TyrosRegistration registration;
        registration.Parse(block, quiet, stopWarnings, ui);
        return registration;
    }
    std::string Right1Name(int msb, int lsb, int program) {
        return Parsed(Registration({Voice(11, msb, lsb, program)}), true).VoiceName(VoicePart::Right1);
    }
};

TEST_F(TyrosVoiceNamesTest, KnownVoicesShowPrefixAndName) {
    EXPECT_EQ(Right1Name(0, 0, 0), "GrandPiano");
    EXPECT_EQ(Right1Name(63, 0, 0), "Custom001");
    EXPECT_EQ(Right1Name(63, 0, 127), "Custom128");
    EXPECT_EQ(Right1Name(0, 1, 0), "GrndPianoKSP");
    EXPECT_EQ(Right1Name(8, 0, 1), "MegaVoiceSteelGuitar");
    EXPECT_EQ(Right1Name(0, 126, 16), "Organ FlutesBluesOrgan");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TyrosVoiceNamesTest, EachPartGetsItsOwnBlocksName) {
    const TyrosRegistration r =
        Parsed(Registration({Voice(11, 0, 0, 0), Voice(15, 0, 1, 0), Voice(23, 63, 0, 4), Voice(19, 8, 0, 1)}));
    EXPECT_EQ(r.VoiceName(VoicePart::Right1), "GrandPiano");
    EXPECT_EQ(r.VoiceName(VoicePart::Right2), "GrndPianoKSP");
    EXPECT_EQ(r.VoiceName(VoicePart::Right3), "Custom005");
    EXPECT_EQ(r.VoiceName(VoicePart::Left), "MegaVoiceSteelGuitar");
    EXPECT_EQ(Parsed(Registration({Name("X")})).VoiceName(VoicePart::Left), "no voice");
}

TEST_F(TyrosVoiceNamesTest, UnknownVoiceWarnsWithTheNameInFront) {
    ui.yesNo = {true};
    const TyrosRegistration r = Parsed(Registration({Name("100% Soul"), Voice(11, 0, 5, 0)}));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "100% Soul(Right1) no Tyros voice: msb 0, lsb 5, voice 0\nContinue messages?");
    EXPECT_EQ(ui.messages[0].title, "Warning: Revoicing recommended");
    EXPECT_EQ(ui.messages[0].kind, "yesno");
    // An XG voice shows its LSB-0 counterpart in parentheses.
    EXPECT_EQ(r.VoiceName(VoicePart::Right1), "(GrandPiano)");
    EXPECT_FALSE(r.StopWarnings());
}

TEST_F(TyrosVoiceNamesTest, WarningTextsPerPart) {
    ui.yesNo = {true, true, true, true};
    Parsed(Registration({Name("R"), Voice(11, 104, 1, 2), Voice(15, 104, 3, 4), Voice(23, 104, 5, 6),
                         Voice(19, 104, 7, 8)}));
    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{
                                     "R(Right1) no Tyros voice: msb 104, lsb 1, voice 2\n"
                                     "Continue messages?",
                                     "R(Right2) no Tyros voice: msb 104, lsb 3, voice 4\n"
                                     "Continue messages?",
                                     "R(Right3) no Tyros voice: msb 104, lsb 5, voice 6\n"
                                     "Continue messages?",
                                     "R(Left) no Tyros voice: msb 104, lsb 7, voice 8\n"
                                     " Continue messages?",
                                 }));
}

TEST_F(TyrosVoiceNamesTest, NoSilencesTheOtherPartsAndIsCarried) {
    ui.yesNo = {false};
    const TyrosRegistration r = Parsed(Registration({Name("Two"), Voice(11, 104, 0, 0), Voice(19, 0, 9, 0)}));
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(r.StopWarnings());
    EXPECT_EQ(r.VoiceName(VoicePart::Right1), "no voice");
    EXPECT_EQ(r.VoiceName(VoicePart::Left), "(GrandPiano)");

    // The next registration read with the carried flag stays silent and passes it on.
    ui.messages.clear();
    const TyrosRegistration next = Parsed(Registration({Voice(11, 104, 0, 0)}), false, r.StopWarnings());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(next.StopWarnings());
}

TEST_F(TyrosVoiceNamesTest, AnUnknownVoiceAtMsbZeroLsbZeroHasNoNearVoice) {
    // Only an XG voice (LSB not 0) falls back to its LSB-0 voice; at LSB 0
    // that lookup is the one that just failed.
    ui.yesNo = {true};
    const TyrosRegistration r = Parsed(Registration({Voice(11, 0, 0, 99)}));
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(r.VoiceName(VoicePart::Right1), "no voice");
    TyrosRegistration copy = r;
    EXPECT_EQ(copy.RevoiceParts(), 0);
}

TEST_F(TyrosVoiceNamesTest, QuietRegistrationsNeverWarn) {
    const TyrosRegistration r = Parsed(Registration({Voice(11, 104, 0, 0)}), true, false);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(r.StopWarnings());
    EXPECT_TRUE(r.Quiet());
}

TEST_F(TyrosVoiceNamesTest, APartWarnsOncePerRegistration) {
    ui.yesNo = {true, true};
    TyrosRegistration r = Parsed(Registration({Voice(11, 104, 0, 0)}));
    r.WorkOutVoiceNames(ui);
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(TyrosVoiceNamesTest, RevoiceMovesUnknownXgVoicesToLsbZero) {
    ui.yesNo = {true, true, true};
    TyrosRegistration r = Parsed(Registration({
        Voice(11, 0, 5, 0),    // unknown XG voice: revoiced
        Voice(15, 104, 0, 0),  // unknown, not XG: kept
        Voice(23, 0, 1, 0),    // known: kept
        Voice(19, 0, 7, 16),   // unknown XG voice: revoiced
    }));
    EXPECT_EQ(r.RevoiceParts(), 2);
    EXPECT_EQ(r.Serialize(), Registration({Voice(11, 0, 0, 0), Voice(15, 104, 0, 0), Voice(19, 0, 0, 16),
                                           Voice(23, 0, 1, 0)}));
    // Names are worked out again by the caller, without warnings.
    ui.messages.clear();
    r.RefreshVoiceNames();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(r.VoiceName(VoicePart::Right1), "GrandPiano");
    EXPECT_EQ(r.VoiceName(VoicePart::Right2), "no voice");
    EXPECT_EQ(r.RevoiceParts(), 0);
}

}  // namespace
}  // namespace kalivo
