#include <gtest/gtest.h>

#include "core/cvp2_psr2000/Cvp2FamilyHandlerFixture.h"
#include "handlers/StatusCodes.h"
#include "ui/cvp2_psr2000/GpBlockCopyChoice.h"

namespace kalivo::test {
namespace {

using namespace s917_bytes;
using Choice = GpBlockCopyChoice;

class Cvp2GroupCopyTest : public Cvp2FamilyHandlerFixture {
protected:
    void SetUp() override {
        Cvp2FamilyHandlerFixture::SetUp();
        std::array<std::optional<Bytes>, 8> slots;
        slots[0] = Block({Name("Source"), Tempo(150), Path(16, "S/Swing.STY"), Filler(1, 1), Filler(7, 7),
                          Voice(6, 127, 0, 0), Voice(4, 0, 0, 0)});
        slots[1] = FullBlock("Full", 90);
        dir.Write("Src.S917.REG", BankFile(Model(), slots));
        ASSERT_EQ(source->LoadSourceArchive(Folder(), Listed("Src")), Status::kDone);
    }
    void Choose(std::initializer_list<int> boxes, int state = 1) {
        GpBlockBoxStates states{};
        for (int box : boxes) {
            states[static_cast<std::size_t>(box)] = state;
        }
        ui.gpBlockResults.push_back(states);
    }
};

TEST_P(Cvp2GroupCopyTest, TheDialogShowsBothNamesAndTheSourceSettings) {
    ASSERT_EQ(destination->CopyRegistration(0, 2, source.get(), 0, 1), Status::kDone);
    // Cancelled: nothing copied, and the status says so.
    EXPECT_EQ(destination->GroupCopyRegistration(0, 2, source.get(), 0, 0), Status::kNotValid);
    ASSERT_EQ(ui.gpBlockRequests.size(), 1u);
    const GpBlockCopyRequest& request = ui.gpBlockRequests[0];
    EXPECT_EQ(request.sourceName, "Source");
    EXPECT_EQ(request.destinationName, "Full");
    EXPECT_EQ(request.settings, (std::array<std::string, 11>{"+", "+", "-", "+", "-", "-", "-", "+", "-", "-", "-"}));
    ASSERT_TRUE(destination->Registration(0, 2));
    EXPECT_EQ(destination->Registration(0, 2)->Bytes(), source->Registration(0, 1)->Bytes());
}

TEST_P(Cvp2GroupCopyTest, CopyingTempoIntoAFullRegistration) {
    ASSERT_EQ(destination->CopyRegistration(0, 2, source.get(), 0, 1), Status::kDone);
    Choose({Choice::Tempo});
    ASSERT_EQ(destination->GroupCopyRegistration(0, 2, source.get(), 0, 0), Status::kDone);
    const Cvp2Registration& copied = *destination->Registration(0, 2);
    EXPECT_EQ(copied.Tempo(), 150);
    EXPECT_EQ(copied.Name(), "Full");
    EXPECT_EQ(copied.Block(1)[0], 1);
    EXPECT_EQ(copied.Location(0), 112);
    std::string style;
    destination->GetStyleName(0, 2, style, 0);
    EXPECT_EQ(style, "Cool8Beat");
    EXPECT_EQ(destination->GetArchiveName(), IsCvp2() ? "NO NAME.s917" : "no name");
}

TEST_P(Cvp2GroupCopyTest, CopyingIntoAnEmptySlotNamesTheNewRegistration) {
    Choose({Choice::Style});
    ASSERT_EQ(destination->GroupCopyRegistration(0, 4, source.get(), 0, 0), Status::kDone);
    ASSERT_TRUE(destination->Registration(0, 4));
    EXPECT_EQ(NameAt(*destination, 0, 4), "NewRegist");
    EXPECT_EQ(destination->GetArchiveName(), IsCvp2() ? "NoName.s917" : "NoName");
    EXPECT_EQ(BankName(*destination, 0), "NoName");
    std::string text;
    destination->GetVoiceName1(0, 4, text);
    EXPECT_EQ(text, "Std.Kit1");
    destination->GetVoiceName2(0, 4, text);
    EXPECT_EQ(text, "no voice");  // the main voice does not travel with the style
}

TEST_P(Cvp2GroupCopyTest, AFailedSelectionTestSaysSoAndCopiesNothing) {
    Choose({});
    Choose({Choice::Tempo, Choice::Harmony}, 2);
    EXPECT_EQ(destination->GroupCopyRegistration(0, 4, source.get(), 0, 0), Status::kNotValid);
    EXPECT_EQ(destination->GroupCopyRegistration(0, 4, source.get(), 0, 0), Status::kNotValid);
    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{"No setting-block selected", "No setting-block selected"}));
    EXPECT_FALSE(destination->Registration(0, 4));
}

TEST_P(Cvp2GroupCopyTest, AMissingSourceShowsNoDialog) {
    EXPECT_EQ(destination->GroupCopyRegistration(0, 0, source.get(), 0, 5), Status::kNoRegistration);
    EXPECT_EQ(destination->GroupCopyRegistration(0, 0, source.get(), 3, 0), Status::kNoRegistration);
    EXPECT_EQ(destination->GroupCopyRegistration(-1, 0, source.get(), 0, 0), Status::kNotValid);
    EXPECT_TRUE(ui.gpBlockRequests.empty());
}

TEST_P(Cvp2GroupCopyTest, GroupCopyFromARegfile) {
    TempFolder regfiles;
    regfiles.Write(std::string("Lib") + (IsCvp2() ? ".cvp" : ".p2k"), Block({Name("Library"), Filler(13, 0x13)}));
    ASSERT_EQ(source->LoadRegfiles(regfiles.Path()), Status::kDone);
    ASSERT_EQ(destination->CopyRegistration(0, 0, source.get(), 0, 0), Status::kDone);
    Choose({Choice::Multipad});
    ASSERT_EQ(destination->GroupCopyRegfile(0, 0, source.get(), 0), Status::kDone);
    EXPECT_EQ(ui.gpBlockRequests.back().sourceName, "Library");
    EXPECT_EQ(ui.gpBlockRequests.back().settings[9], "+");
    const Cvp2Registration& copied = *destination->Registration(0, 0);
    EXPECT_EQ(copied.Block(13)[0], 0x13);
    EXPECT_EQ(copied.Name(), "Source");
    EXPECT_EQ(copied.Tempo(), 150);
    // GP 1 and 7 are flagged but the regfile has neither: the destination's stay.
    EXPECT_EQ(copied.Block(7)[0], 7);
}

TEST_P(Cvp2GroupCopyTest, ViewRegistrationShowsValuesOfPresentSettingsOnly) {
    ASSERT_EQ(source->ShowRegistration(-1, 0, 0), Status::kDone);
    ASSERT_EQ(ui.cvp2Views.size(), 1u);
    const Cvp2RegistrationView& view = ui.cvp2Views[0];
    EXPECT_EQ(view.name, "Source");
    EXPECT_EQ(view.captions, (std::array<std::string, 6>{"Style:", "Main:", "", "Left:", "", "Tempo:"}));
    EXPECT_EQ(view.values, (std::array<std::string, 6>{"Swing", "GrandPno", "", "Std.Kit1", "", "150"}));
    EXPECT_EQ(view.settings[2], "-");

    // Nothing for an empty slot, an unused bank or a bank header line.
    source->ShowRegistration(-1, 0, 6);
    source->ShowRegistration(-1, 4, 0);
    source->ShowRegistration(-1, 0, -2);
    EXPECT_EQ(ui.cvp2Views.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(BothModels, Cvp2GroupCopyTest, ::testing::Values(Cvp2Kind::Cvp2, Cvp2Kind::Psr2000),
                         KindName);

TEST(Cvp2ModelsTest, HandlersOfTheOtherModelAreNoSource) {
    ScriptedUserInterface ui;
    Cvp2Handler cvp2(ui);
    Psr2000Handler psr2000(ui);
    cvp2.CreateStore();
    psr2000.CreateStore();
    EXPECT_EQ(psr2000.CopyRegistration(0, 0, &cvp2, 0, 0), Status::kBankNotInUse);
    EXPECT_EQ(psr2000.GroupCopyRegistration(0, 0, &cvp2, 0, 0), Status::kNoRegistration);
    EXPECT_TRUE(ui.gpBlockRequests.empty());
}

TEST(Cvp2VoiceNamesTest, BothModelsNameVoicesFromTheirTables) {
    ScriptedUserInterface ui;
    Cvp2Handler cvp2(ui);
    Psr2000Handler psr2000(ui);
    const auto registration =
        *Cvp2Registration::FromRelative(Block({Voice(4, 0, 0, 127), Voice(5, 0, 5, 0), Voice(6, 127, 0, 32)}));
    for (Cvp2FamilyHandler* handler : {static_cast<Cvp2FamilyHandler*>(&cvp2), static_cast<Cvp2FamilyHandler*>(&psr2000)}) {
        EXPECT_EQ(handler->VoiceName(registration, 4), "Gunshot");
        EXPECT_EQ(handler->VoiceName(registration, 5), "no voice");
        EXPECT_EQ(handler->VoiceName(registration, 6), "Jazz Kit");  // the first of two rows with that key
        EXPECT_EQ(handler->VoiceName(registration, 18), "no voice");
    }
}

}  // namespace
}  // namespace kalivo::test
