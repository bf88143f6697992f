#include "core/tyros/TyrosHandlerFixture.h"

namespace kalivo {
namespace {

using namespace test::tyros_bytes;
using tyros::VoicePart;

// Choice flags in dialog order.
enum Choice { Style, StylePath, Right1, Right2, Right3, Left, Multipad, TempoChoice, TuneTrans, Scale, HarmonyChoice,
              Pedal, Song, Mic, LineOut };

std::vector<bool> Choose(std::initializer_list<Choice> chosen) {
    std::vector<bool> flags(15, false);
    for (Choice c : chosen) {
        flags[static_cast<std::size_t>(c)] = true;
    }
    return flags;
}

class TyrosCopyTest : public test::TyrosHandlerFixture {
protected:
    // Source bank 0 and destination bank 0 hold the given registrations.
    void Prepare(const Bytes& sourceBlock, const Bytes& destinationBlock) {
        dir.Write("S.rgt", BankFile({sourceBlock}));
        dir.Write("D.rgt", BankFile({destinationBlock}));
        LoadSource("S");
        ASSERT_EQ(destination.LoadDestinationArchive(Folder(), "D"), Status::kDone);
    }
    Bytes CopyInto(std::initializer_list<Choice> chosen) {
        EXPECT_EQ(destination.CopySettingBlock(0, 0, &source, 0, 0, -1, Choose(chosen)), Status::kDone);
        return destination.Registration(0, 0)->Serialize();
    }
};

// A source with one distinct block of every type a style or voice copy touches.
Bytes Full() {
    return Registration({Name("Source"), Opaque(2, 3), Opaque(7, 2), Opaque(8, 2), Opaque(9, 2), Opaque(10, 2),
                         Voice(11, 0, 0, 0), Opaque(12, 2), Voice(15, 0, 1, 0), Voice(19, 8, 0, 1), Opaque(20, 2),
                         Opaque(21, 2), Opaque(22, 2), Opaque(27, 2), Opaque(34, 2), Tempo(90)});
}
// A destination whose blocks differ from the source's.
Bytes Own() {
    return Registration({Name("Dest"), Opaque(7, 5), Opaque(8, 5), Opaque(10, 5), Voice(15, 63, 0, 3),
                         Voice(19, 63, 0, 9), Opaque(21, 5), Tempo(150)});
}

TEST_F(TyrosCopyTest, StylePathCarriesOnlyTypes7And9) {
    Prepare(Full(), Own());
    EXPECT_EQ(CopyInto({StylePath}), Registration({Name("Dest"), Opaque(7, 2), Opaque(8, 5), Opaque(9, 2),
                                                   Opaque(10, 5), Voice(15, 63, 0, 3), Voice(19, 63, 0, 9),
                                                   Opaque(21, 5), Tempo(150)}));
}

TEST_F(TyrosCopyTest, StyleAlsoCarriesTheCommonAndLeftBlocks) {
    Prepare(Full(), Own());
    EXPECT_EQ(CopyInto({Style}), Registration({Name("Dest"), Opaque(7, 2), Opaque(8, 2), Opaque(9, 2), Opaque(10, 2),
                                               Voice(15, 63, 0, 3), Voice(19, 8, 0, 1), Opaque(20, 2), Opaque(21, 2),
                                               Opaque(22, 2), Tempo(150)}));
    EXPECT_EQ(destination.Registration(0, 0)->VoiceName(VoicePart::Left), "MegaVoiceSteelGuitar");
}

TEST_F(TyrosCopyTest, AGroupTheSourceLacksIsRemoved) {
    Prepare(Registration({Name("Source"), Tempo(90)}), Own());
    // Right2 takes 10 and 15..18: the source has none of them.
    EXPECT_EQ(CopyInto({Right2}), Registration({Name("Dest"), Opaque(7, 5), Opaque(8, 5), Voice(19, 63, 0, 9),
                                                Opaque(21, 5), Tempo(150)}));
    EXPECT_EQ(destination.Registration(0, 0)->VoiceName(VoicePart::Right2), "no voice");
}

TEST_F(TyrosCopyTest, AGroupTheDestinationLacksIsCreated) {
    Prepare(Full(), Registration({Name("Dest")}));
    EXPECT_EQ(CopyInto({Right2, TempoChoice}),
              Registration({Name("Dest"), Opaque(10, 2), Voice(15, 0, 1, 0), Tempo(90)}));
    EXPECT_EQ(destination.Registration(0, 0)->VoiceName(VoicePart::Right2), "GrndPianoKSP");
}

TEST_F(TyrosCopyTest, AnEmptyDestinationAlsoGetsTheName) {
    Prepare(Full(), EmptyRegistration());
    EXPECT_EQ(CopyInto({TempoChoice}), Registration({Name("Source"), Opaque(2, 3), Opaque(27, 2), Opaque(34, 2),
                                                     Tempo(90)}));
    EXPECT_EQ(NameAt(destination, 0, 0), "Source");
}

TEST_F(TyrosCopyTest, GroupCopyAsksWithNamesAndPresence) {
    Prepare(Full(), Own());
    ui.copySettingsResults = {Choose({TempoChoice})};
    EXPECT_EQ(destination.GroupCopyRegistration(0, 0, &source, 0, 0), Status::kDone);
    ASSERT_EQ(ui.copySettingsRequests.size(), 1u);
    const CopySettingsRequest& request = ui.copySettingsRequests[0];
    EXPECT_EQ(request.sourceName, "Source");
    EXPECT_EQ(request.destinationName, "Dest");
    const std::array<std::string, 14> presence{"+", "+", "+", "-", "+", "-", "-", "-", "+", "-", "-", "-", "-", "-"};
    EXPECT_EQ(request.presence, presence);
    EXPECT_EQ(destination.Registration(0, 0)->Tempo(), 90);
}

TEST_F(TyrosCopyTest, GroupCopyWithNothingChosenOrCancelledChangesNothing) {
    Prepare(Full(), Own());
    ui.copySettingsResults = {Choose({}), std::nullopt};
    // Nothing copied is never "done": the window must not report it or undo it.
    EXPECT_EQ(destination.GroupCopyRegistration(0, 0, &source, 0, 0), Status::kNotValid);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"No setting-block selected"});
    EXPECT_EQ(destination.GroupCopyRegistration(0, 0, &source, 0, 0), Status::kNotValid);
    EXPECT_EQ(destination.Registration(0, 0)->Serialize(), Own());
}

TEST_F(TyrosCopyTest, GroupCopyNeedsASourceAndADestination) {
    Prepare(Full(), Own());
    EXPECT_EQ(destination.GroupCopyRegistration(0, 0, &source, 0, 5), Status::kNoRegistration);
    EXPECT_EQ(destination.GroupCopyRegistration(0, 0, &source, 3, 0), Status::kNoRegistration);
    EXPECT_EQ(destination.GroupCopyRegistration(-1, 0, &source, 0, 0), Status::kNotValid);
    EXPECT_EQ(destination.GroupCopyRegistration(0, -2, &source, 0, 0), Status::kNotValid);
    EXPECT_TRUE(ui.copySettingsRequests.empty());
}

TEST_F(TyrosCopyTest, GroupCopyIntoAnEmptyBankMakesANewBank) {
    Prepare(Full(), Own());
    ui.copySettingsResults = {Choose({TempoChoice})};
    destination.GroupCopyRegistration(6, 2, &source, 0, 0);
    EXPECT_EQ(BankName(destination, 6), "New Bank");
    EXPECT_EQ(destination.DestinationBankCount(), 7);
    EXPECT_EQ(NameAt(destination, 6, 2), "Source");
}

TEST_F(TyrosCopyTest, GroupCopyFromARegfile) {
    dir.Write("solo.tyr", Regfile("Bank", 4, Full()));
    ASSERT_EQ(source.LoadRegfiles(dir.Path()), Status::kDone);
    destination.ClearDestination(1);
    ui.copySettingsResults = {Choose({Song, TempoChoice})};
    EXPECT_EQ(destination.GroupCopyRegfile(0, 1, &source, 0), Status::kDone);
    EXPECT_EQ(ui.copySettingsRequests.at(0).sourceName, "Source");
    EXPECT_EQ(ui.copySettingsRequests.at(0).destinationName, "--- no reg ---");
    EXPECT_EQ(destination.Registration(0, 1)->Serialize(),
              Registration({Name("Source"), Opaque(2, 3), Opaque(27, 2), Opaque(34, 2), Tempo(90)}));
}

TEST_F(TyrosCopyTest, GroupCopyWarnsAboutAnUnknownVoiceItBringsIn) {
    source.SetVoiceTableComplete(true);
    destination.SetVoiceTableComplete(true);
    Prepare(Registration({Name("Odd"), Voice(11, 104, 0, 0)}), Registration({Name("Dest")}));
    // The source's load warned once (and was answered No, which silenced only the source).
    ASSERT_EQ(ui.messages.size(), 1u);
    ui.copySettingsResults = {Choose({Right1})};
    ui.yesNo = {true};
    destination.GroupCopyRegistration(0, 0, &source, 0, 0);
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages.back().title, "Warning: Revoicing recommended");
}

TEST_F(TyrosCopyTest, CopyRegistrationCopiesTheBlockSilently) {
    Prepare(Registration({Name("Odd"), Voice(11, 104, 0, 0), Opaque(60, 3)}), Own());
    ui.messages.clear();
    destination.ClearDestination(3);
    EXPECT_EQ(destination.CopyRegistration(40, 7, &source, 0, 0), Status::kDone);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(destination.DestinationBankCount(), 41);
    EXPECT_EQ(BankName(destination, 40), "New Bank");
    EXPECT_EQ(destination.Registration(40, 7)->Serialize(),
              Registration({Name("Odd"), Voice(11, 104, 0, 0), Opaque(60, 3)}));

    EXPECT_EQ(destination.CopyRegistration(0, 0, &source, 0, 1), Status::kNoRegistration);
    EXPECT_EQ(destination.CopyRegistration(0, 0, &source, 1, 0), Status::kNoRegistration);
    EXPECT_EQ(destination.CopyRegistration(0, 0, &source, -1, 0), Status::kBankNotInUse);
    EXPECT_EQ(destination.CopyRegistration(0, 0, &source, 512, 0), Status::kBankNotInUse);
}

TEST_F(TyrosCopyTest, ABankCopyKeepsTheBanksOwnNameAndHeader) {
    Bytes header = BankHeaderTemplate();
    header[28] = 2;
    header[29] = 0xFF;
    dir.Write("Seq.S045.rgt", BankFile({Registration({Name("A")})}, header));
    LoadSource("Seq.S045");
    destination.ClearDestination(1);
    destination.CopyRegistration(0, 0, &source, 0, 0);
    destination.SetBankName(0, "Vol. 2");
    destination.CopyBankSequence(0, &source, 0);
    destination.SetBankIcon(0, source.GetBankIcon(0));
    std::string digits;
    int end = 0;
    destination.GetBankSequence(0, digits, end);
    EXPECT_EQ(digits, "3");
    EXPECT_EQ(BankName(destination, 0), "Vol. 2");  // a dot inside a name stays
    EXPECT_EQ(destination.GetBankIcon(0), "045");
}

TEST_F(TyrosCopyTest, DeleteRenameAndIcons) {
    Prepare(Full(), Registration({Name("Dest", "042")}));
    EXPECT_EQ(destination.GetRegistrationIcon(0, 0), "042");
    EXPECT_EQ(destination.RenameRegistration(0, 0, "Renamed"), Status::kDone);
    EXPECT_EQ(NameAt(destination, 0, 0), "Renamed         ");
    destination.SetRegistrationIcon(0, 0, "777");
    EXPECT_EQ(destination.Registration(0, 0)->Serialize(), Registration({Name("Renamed", "777")}));
    EXPECT_EQ(destination.DeleteRegistration(0, 0), Status::kDone);
    std::string name;
    EXPECT_EQ(destination.GetRegistrationName(0, 0, name), Status::kNoRegistration);
    EXPECT_EQ(destination.GetRegistrationIcon(0, 0), "");
    // Renaming nothing does nothing.
    EXPECT_EQ(destination.RenameRegistration(0, 0, "X"), Status::kDone);
    EXPECT_EQ(destination.RenameRegistration(-1, 0, "X"), Status::kDone);
}

TEST_F(TyrosCopyTest, DefaultRevoiceCountsAndRenamesTheVoices) {
    ui.yesNo = {true, true};
    Prepare(Full(), Registration({Name("Dest"), Voice(11, 0, 5, 0), Voice(19, 104, 1, 1)}));
    EXPECT_EQ(destination.RevoiceToDefault(0, 0), 1);
    std::string voice;
    destination.GetVoiceName2(0, 0, voice);
    EXPECT_EQ(voice, "GrandPiano");
    EXPECT_EQ(destination.RevoiceToDefault(0, 0), 0);
    EXPECT_EQ(destination.RevoiceToDefault(0, 1), 0);
    EXPECT_EQ(destination.RevoiceToDefault(700, 0), 0);
}

}  // namespace
}  // namespace kalivo
