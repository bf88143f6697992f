#include "handlers/tyros/TyrosProtocol.h"
#include "core/tyros/TyrosHandlerFixture.h"

namespace kalivo {
namespace {

using namespace test::tyros_bytes;
using Fixture = test::TyrosHandlerFixture;

const std::string kBankHead =
    "Tyros Registration Archive\r\n\r\n"
    "Registration\tStyle\tMultiPad\tBank\tPart\tTempo\tRight1\tRight2\tRight3\tLeft\tSong\tSettings\r\n";
const std::string kRegfileHead =
    "Tyros Registration Archive\r\n\r\n"
    "File\tStyle\tMultiPad\tBank\tPart\tTempo\tRight1\tRight2\tRight3\tLeft\tSong\tSettings\r\n";

std::string Settings(std::initializer_list<Bytes> blocks) {
    test::ScriptedUserInterface ui;
    TyrosRegistration registration;
    registration.Parse(Registration(blocks), true, false, ui);
    return TyrosProtocol::SettingsText(registration);
}

TEST(TyrosSettingsTextTest, OneTokenPerGroupPresent) {
    EXPECT_EQ(Settings({Number(7, 0), Voice(11, 0, 0, 0), Tempo(100)}), "sty vc tpo");
    EXPECT_EQ(Settings({Voice(19, 0, 0, 0)}), "vc");
    EXPECT_EQ(Settings({Voice(15, 0, 0, 0), Voice(23, 0, 0, 0)}), "vc");
    EXPECT_EQ(Settings({TextSetting(5, "Song")}), "sng");
    EXPECT_EQ(Settings({Name("Only a name")}), "");
    EXPECT_EQ(Settings({Opaque(47, 1), Opaque(44, 1), Opaque(3, 1), Opaque(37, 1), Opaque(42, 1), Opaque(38, 1),
                        Opaque(40, 1), Opaque(39, 1), Opaque(9, 1)}),
              "sty tt scl hrm ped mpd sng mic lno");
}

TEST_F(Fixture, BankProtocolHasOneLinePerRegistration) {
    WriteBank("A", {"a"});
    WriteBank("B", {});
    WriteBank("C", {});
    dir.Write("Dee.S001.rgt", BankFile({EmptyRegistration(), RealisticRegistration(5),
                                        Registration({Name("Bare"), Voice(19, 0, 0, 0)})}));
    for (const char* title : {"A", "B", "C", "Dee.S001"}) {
        LoadSource(title);
    }
    ASSERT_EQ(source.WriteProtocol(dir.File("p.txt")), Status::kDone);
    EXPECT_EQ(dir.Read("p.txt"),
              kBankHead + "a\tno style\tno multipad\tA\t1\t100\tno voice\tno voice\tno voice\tno voice\t\ttpo\r\n" +
                  "Reg 5           \t60'sGuitarPop\tDancefloor\tDee\t2\t65\tGrandPiano\tGrndPianoKSP\t"
                  "Organ FlutesBluesOrgan\tMegaVoiceSteelGuitar\tMySong5\tsty vc tt scl hrm tpo ped mpd sng mic lno\r\n" +
                  "Bare\tno style\tno multipad\tDee\t3\tno tempo\tno voice\tno voice\tno voice\tGrandPiano\t\tvc\r\n");
}

TEST_F(Fixture, TabsAndLineEndsInNamesBecomeBlanks) {
    dir.Write("Odd.rgt", BankFile({Registration({Name("Tab\there\r\n"), TextSetting(5, "a\tb")})}));
    LoadSource("Odd");
    ASSERT_EQ(source.WriteProtocol(dir.File("p.txt")), Status::kDone);
    EXPECT_EQ(dir.Read("p.txt"),
              kBankHead + "Tab here  \tno style\tno multipad\tOdd\t1\tno tempo\tno voice\tno voice\tno voice\t"
                          "no voice\ta b\tsng\r\n");
}

TEST_F(Fixture, RegfileProtocolUsesTheHeaderOfEachFile) {
    dir.Write("b.tyr", Regfile("Ballads", 3, Registration({Name("Slow"), Tempo(60), TextSetting(5, "Ballad")})));
    Bytes lying = Regfile("Lost", 0, Registration({Name("Lost")}));
    lying[33] = 12;  // part outside 0..7
    dir.Write("a.tyr", lying);
    ASSERT_EQ(source.LoadRegfiles(dir.Path()), Status::kDone);
    ASSERT_EQ(source.WriteRegfileProtocol(dir.File("r.txt")), Status::kDone);
    EXPECT_EQ(dir.Read("r.txt"),
              kRegfileHead +
                  "a\tno style\tno multipad\tLost\t\tno tempo\tno voice\tno voice\tno voice\tno voice\tno song\t\r\n" +
                  "b\tno style\tno multipad\tBallads\t4\t60\tno voice\tno voice\tno voice\tno voice\tBallad\ttpo sng\r\n");

    std::string settings;
    source.GetSettingsText(1, -1, -1, settings);
    EXPECT_EQ(settings, "tpo sng");
    source.GetSettingsText(7, -1, -1, settings);
    EXPECT_EQ(settings, "");
}

TEST_F(Fixture, ProtocolEndingsAndNothingToWrite) {
    WriteBank("A", {"a"});
    LoadSource("A");
    dir.Write("old.htm", std::string("keep me"));
    EXPECT_EQ(source.WriteProtocol(dir.File("old.htm")), Status::kWrongProtocolEnding);  // refused, so never "done"
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"No htm-protocol"});
    EXPECT_EQ(dir.Read("old.htm"), "keep me");
    EXPECT_EQ(source.WriteProtocol(dir.File("p.TXT")), Status::kDone);  // as a FAT disk spells it
    EXPECT_TRUE(dir.Read("p.TXT").find("Tyros Registration Archive") != std::string::npos);
    EXPECT_EQ(source.WriteProtocol(dir.File("p.doc")), Status::kWrongProtocolEnding);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(source.WriteProtocol(dir.File("missing/p.txt")), Status::kProtocolNotCreated);

    // Regfile side: an empty list first, then the endings.
    EXPECT_EQ(source.WriteRegfileProtocol(dir.File("r.htm")), Status::kRegfileListEmpty);
    dir.Write("one.tyr", Regfile("Bank", 0, Registration({Name("One")})));
    ASSERT_EQ(source.LoadRegfiles(dir.Path()), Status::kDone);
    ui.messages.clear();
    EXPECT_EQ(source.WriteRegfileProtocol(dir.File("old.htm")), Status::kWrongProtocolEnding);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"No htm-protocol"});
    EXPECT_EQ(dir.Read("old.htm"), "keep me");
    EXPECT_EQ(source.WriteRegfileProtocol(dir.File("r.TXT")), Status::kDone);
    EXPECT_EQ(source.WriteRegfileProtocol(dir.File("r.doc")), Status::kWrongProtocolEnding);
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(Fixture, RevoicedVoicesShowTheirNewNames) {
    ui.yesNo = {true};
    dir.Write("X.rgt", BankFile({Registration({Name("X"), Voice(11, 0, 9, 0)})}));
    ASSERT_EQ(destination.LoadDestinationArchive(Folder(), "X"), Status::kDone);
    std::string before;
    destination.GetVoiceName2(0, 0, before);
    EXPECT_EQ(before, "(GrandPiano)");
    EXPECT_EQ(destination.RevoiceToDefault(0, 0), 1);
    ASSERT_EQ(destination.WriteProtocol(dir.File("p.txt")), Status::kDone);
    EXPECT_NE(dir.Read("p.txt").find("\tGrandPiano\t"), std::string::npos);
}

TEST_F(Fixture, ViewOfABankRegistration) {
    dir.Write("Jazz.S012.rgt", BankFile({EmptyRegistration(), RealisticRegistration(4),
                                         Registration({Name("Lean", "007"), Voice(23, 0, 0, 0, false)})}));
    LoadSource("Jazz.S012");
    source.ShowRegistration(-1, 0, 1);
    ASSERT_EQ(ui.registrationViews.size(), 1u);
    const TyrosRegistrationView& full = ui.registrationViews[0];
    EXPECT_EQ(full.bankName, "Jazz");
    EXPECT_EQ(full.part, 2);
    EXPECT_EQ(full.name, "Reg 4           ");
    EXPECT_EQ(full.style, "+");
    EXPECT_EQ(full.styleName, "70's8Beat");
    EXPECT_EQ(full.voices[0].name, "GrandPiano");
    EXPECT_EQ(full.voices[2].onOff, "On");
    EXPECT_EQ(full.voices[3].name, "MegaVoiceSteelGuitar");
    EXPECT_EQ(full.multiPadName, "Heavy Shuffle");
    EXPECT_EQ(full.tempoValue, "64");
    EXPECT_EQ(full.harmonyType, "Country Duet");
    EXPECT_EQ(full.harmonyOnOff, "On");
    EXPECT_EQ(full.songName, "MySong4");
    EXPECT_EQ(full.lineOut, "+");
    EXPECT_EQ(full.iconCode, "104");

    source.ShowRegistration(-1, 0, 2);
    const TyrosRegistrationView& lean = ui.registrationViews.at(1);
    EXPECT_EQ(lean.voicePresence, (std::array<std::string, 4>{"-", "-", "+", "-"}));
    EXPECT_EQ(lean.voices[2].onOff, "Off");
    EXPECT_EQ(lean.tempo, "-");
    EXPECT_EQ(lean.tempoValue, "");
    EXPECT_EQ(lean.mic, "-");
    EXPECT_EQ(lean.styleName, "");
    EXPECT_EQ(lean.iconCode, "007");

    // Empty registrations and missing banks show nothing.
    source.ShowRegistration(-1, 0, 0);
    source.ShowRegistration(-1, 600, 0);
    EXPECT_EQ(ui.registrationViews.size(), 2u);
}

TEST_F(Fixture, ViewOfABankHeaderShowsSequenceAndIcon) {
    IconSettings icons;
    icons.available = true;
    icons.codes = {"S012"};
    source.SetIconSettings(icons);
    Bytes header = BankHeaderTemplate();
    header[28] = 1;
    header[29] = 0;
    header[30] = 0xFF;
    header[63] = 2;
    dir.Write("Jazz.S012.rgt", BankFile({Registration({Name("A")}), Registration({Name("B")})}, header));
    WriteBank("Empty", {});
    LoadSource("Jazz.S012");
    LoadSource("Empty");
    source.ShowRegistration(-1, 0, -2);
    source.ShowRegistration(-1, 1, -2);
    ASSERT_EQ(ui.viewBankRequests.size(), 1u);
    EXPECT_EQ(ui.viewBankRequests[0].sequence, "21");
    EXPECT_EQ(ui.viewBankRequests[0].sequenceEnd, 2);
    EXPECT_EQ(ui.viewBankRequests[0].bankIconCode, "012");
    EXPECT_EQ(ui.viewBankRequests[0].icons.codes, icons.codes);
    EXPECT_TRUE(ui.registrationViews.empty());
}

TEST_F(Fixture, ViewOfARegfileEntry) {
    dir.Write("solo.tyr", Regfile("Ballads", 6, Registration({Name("Solo"), Tempo(70)})));
    ASSERT_EQ(source.LoadRegfiles(dir.Path()), Status::kDone);
    source.ShowRegistration(0, -1, -1);
    source.ShowRegistration(3, -1, -1);
    ASSERT_EQ(ui.registrationViews.size(), 1u);
    EXPECT_EQ(ui.registrationViews[0].bankName, "Ballads");
    EXPECT_EQ(ui.registrationViews[0].part, 7);
    EXPECT_EQ(ui.registrationViews[0].tempoValue, "70");
}

}  // namespace
}  // namespace kalivo
