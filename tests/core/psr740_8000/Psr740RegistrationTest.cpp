// Registrations in the bank memory: names, the PSR-740 bank title rules on
// copy, delete and rename, and voice and style lookups.
#include <gtest/gtest.h>

#include <cstring>

#include "core/psr740_8000/Psr740TestSupport.h"

namespace kalivo::test::psr {
namespace {

std::string TitleBytes(const Psr740FamilyHandler& handler, int bank, int slot) {
    const auto record = handler.Memory().Record(bank, slot);
    const std::size_t at = handler.Model().titleOffset;
    return std::string(record.begin() + static_cast<std::ptrdiff_t>(at),
                       record.begin() + static_cast<std::ptrdiff_t>(at + 16));
}

TEST_F(Psr740Fixture, NewMemoryHoldsNumberedDefaultsAndNoName) {
    EXPECT_EQ(destination.GetArchiveName(), "no name");
    std::string name = "preset";
    EXPECT_EQ(destination.GetRegistrationName(2, 1, name), Status::kBankNotInUse);
    EXPECT_EQ(name, "");
    const auto record = destination.Memory().Record(31, 3);
    EXPECT_EQ(std::string(record.begin(), record.begin() + 6), "REG127");
    EXPECT_EQ(TitleBytes(destination, 31, 3), "Regist32        ");
    EXPECT_EQ(TitleBytes(destination, 0, 0), "Regist01        ");
    bool empty = false;
    destination.IsRegistrationEmpty(31, 3, empty);
    EXPECT_TRUE(empty);
}

TEST_F(Psr740Fixture, RenameTitlesTheWholeBankPaddedWithNul) {
    Fill(destination, {{1, 2, {"Old"}}});
    EXPECT_EQ(destination.RenameRegistration(1, 2, "Jazz"), Status::kDone);
    for (int slot = 0; slot < 4; ++slot) {
        EXPECT_EQ(TitleBytes(destination, 1, slot), std::string("Jazz") + std::string(12, '\0')) << slot;
    }
    EXPECT_EQ(Name(destination, 1, 2), "Jazz");
    EXPECT_EQ(destination.RenameRegistration(1, 2, "A name of twenty chars"), Status::kDone);
    EXPECT_EQ(Name(destination, 1, 2), "A name of twenty");
}

TEST_F(Psr740Fixture, CopyIntoAnEmptyBankTitlesAllFourSlotsAndFillsOne) {
    Fill(source, {{4, 1, {"Source", 7, 99}}});
    EXPECT_EQ(destination.CopyRegistration(2, 3, &source, 4, 1), Status::kDone);
    for (int slot = 0; slot < 4; ++slot) {
        EXPECT_EQ(TitleBytes(destination, 2, slot).substr(0, 7), std::string("Source") + '\0');
    }
    EXPECT_EQ(Name(destination, 2, 3), "Source");
    EXPECT_EQ(Name(destination, 2, 0), "<none>");
    std::string name;
    EXPECT_EQ(destination.GetRegistrationName(2, 0, name), Status::kNoRegistration);
    // The destination keeps its own number digits.
    const auto record = destination.Memory().Record(2, 3);
    EXPECT_EQ(std::string(record.begin(), record.begin() + 6), "REG011");
}

TEST_F(Psr740Fixture, CopyIntoAUsedBankKeepsTheBankTitle) {
    Fill(destination, {{0, 0, {"Bank"}}});
    Fill(source, {{3, 3, {"Incoming", 2, 80}}});
    EXPECT_EQ(destination.CopyRegistration(0, 3, &source, 3, 3), Status::kDone);
    EXPECT_EQ(Name(destination, 0, 3), "Bank");
    int tempo = 0;
    EXPECT_EQ(destination.GetTempo(0, 3, tempo), Status::kDone);
    EXPECT_EQ(tempo, 80);
}

TEST_F(Psr740Fixture, CopyReportsAnUnusedBankAndAnEmptySlot) {
    Fill(source, {{0, 0, {"One"}}});
    EXPECT_EQ(destination.CopyRegistration(0, 0, &source, 1, 0), Status::kBankNotInUse);
    EXPECT_EQ(destination.CopyRegistration(0, 0, &source, 0, 1), Status::kNoRegistration);
    Psr8000Handler otherModel(ui);
    otherModel.CreateStore();
    EXPECT_NE(destination.CopyRegistration(0, 0, &otherModel, 0, 0), Status::kDone);
    EXPECT_FALSE(destination.Memory().IsUsed(0));
}

TEST_F(Psr740Fixture, RegfileCopyFollowsTheRegistrationRule) {
    Fill(destination, {{6, 0, {"Bank six"}}});
    Bytes foreign = Record(Model(), {"Foreign", 9, 77});
    std::memcpy(foreign.data(), "REG099", 6);
    TempFolder files;
    files.Write("one.p74", foreign);
    ASSERT_EQ(source.LoadRegfiles(files.Path()), Status::kDone);
    EXPECT_EQ(destination.CopyRegfile(6, 2, &source, 0), Status::kDone);
    const auto record = destination.Memory().Record(6, 2);
    EXPECT_EQ(std::string(record.begin(), record.begin() + 6), "REG026");
    EXPECT_EQ(Name(destination, 6, 2), "Bank six");
    int tempo = 0;
    destination.GetTempo(6, 2, tempo);
    EXPECT_EQ(tempo, 77);
    EXPECT_EQ(destination.CopyRegfile(6, 2, &source, 1), Status::kNoRegistration);
}

TEST_F(Psr740Fixture, DeleteKeepsTheBankTitleWhileARegistrationIsLeft) {
    Fill(destination, {{3, 0, {"Keep"}}, {3, 2, {"x"}}});
    EXPECT_EQ(destination.DeleteRegistration(3, 0), Status::kDone);
    EXPECT_EQ(TitleBytes(destination, 3, 0).substr(0, 5), std::string("Keep") + '\0');
    EXPECT_TRUE(destination.Memory().IsUsed(3));
    EXPECT_EQ(destination.DeleteRegistration(3, 2), Status::kDone);
    EXPECT_FALSE(destination.Memory().IsUsed(3));
    EXPECT_EQ(TitleBytes(destination, 3, 2), "Regist04        ");
}

TEST_F(Psr8000Fixture, RenameCopyAndDeleteWorkOnOneRegistration) {
    Fill(source, {{2, 5, {"Whole", 17, 140}}});
    EXPECT_EQ(destination.CopyRegistration(0, 0, &source, 2, 5), Status::kDone);
    const auto a = destination.Memory().Record(0, 0);
    const auto b = source.Memory().Record(2, 5);
    EXPECT_TRUE(std::equal(a.begin(), a.end(), b.begin(), b.end()));
    EXPECT_EQ(destination.RenameRegistration(0, 1, "Empty"), Status::kNoRegistration);
    EXPECT_EQ(destination.RenameRegistration(0, 0, "Ballad"), Status::kDone);
    EXPECT_EQ(TitleBytes(destination, 0, 0), std::string("Ballad") + std::string(10, '\0'));
    Fill(destination, {{0, 1, {"Second"}}});
    EXPECT_EQ(Name(destination, 0, 1), "Second");
    destination.DeleteRegistration(0, 0);
    EXPECT_TRUE(destination.Memory().IsUsed(0));
    destination.DeleteRegistration(0, 1);
    EXPECT_FALSE(destination.Memory().IsUsed(0));
    EXPECT_EQ(TitleBytes(destination, 0, 1), "Registration    ");
}

TEST_F(Psr8000Fixture, OutOfRangePositionsAreAnsweredNotRead) {
    Fill(destination, {{0, 0, {"A"}}});
    std::string name;
    int tempo = -1;
    EXPECT_EQ(destination.GetRegistrationName(16, 0, name), Status::kBankNotInUse);
    EXPECT_EQ(destination.GetRegistrationName(0, 8, name), Status::kNoRegistration);
    EXPECT_EQ(destination.GetRegistrationName(-1, 0, name), Status::kBankNotInUse);
    EXPECT_EQ(destination.GetTempo(0, -1, tempo), Status::kNoRegistration);
    EXPECT_EQ(destination.GetVoiceName1(0, 8, name), Status::kNoRegistration);
    EXPECT_EQ(destination.RenameRegistration(0, 8, "x"), Status::kNoRegistration);
    EXPECT_EQ(destination.DeleteRegistration(99, 0), Status::kDone);
    EXPECT_EQ(destination.CopyRegistration(0, 8, &source, 0, 0), Status::kNoRegistration);
    destination.ReleaseStore();
    EXPECT_EQ(destination.GetRegistrationName(0, 0, name), Status::kBankNotInUse);
}

// ---- voices and styles ---------------------------------------------------------------

TEST_F(Psr8000Fixture, VoiceNumbersDecodeCustomOrganFluteListAndUnknown) {
    // Numbers no regfile may hold can still come from a stored set: read the record itself.
    const Bytes v = Record(Model(), {"V", 0, 100, {{0, 0, 0, 0x8000}, {0, 0, 0, 0x801F}, {0, 0, 0, 0x4000}, {0, 0, 0, 754}}});
    const Bytes w = Record(Model(), {"W", 0, 100, {{0, 0, 0, 0x4001}, {0, 0, 0, 0}, {0, 0, 0, 753}, {0, 0, 0, 0}}});
    EXPECT_EQ(Model().voiceName(v, 0, nullptr), "Custom 1");
    EXPECT_EQ(Model().voiceName(v, 1, nullptr), "Custom 32");
    EXPECT_EQ(Model().voiceName(v, 2, nullptr), "Organ Flute");
    EXPECT_EQ(Model().voiceName(v, 3, nullptr), "?");
    EXPECT_EQ(Model().voiceName(w, 0, nullptr), "?");
    EXPECT_EQ(Model().voiceName(w, 2, nullptr), "FireWork");
    Fill(destination, {{0, 0, {"V", 0, 100, {{0, 0, 0, 0x801F}}}}});
    std::string name;
    destination.GetVoiceName1(0, 0, name);
    EXPECT_EQ(name, "Custom 32");
}

TEST_F(Psr740Fixture, VoicesComeFromTheBankSelectTableAndTheFourthIsStars) {
    Fill(destination, {{0, 0, {"V", 0, 100, {{0, 0, 0}, {0, 5, 0}, {0, 0, 0}}}}});
    std::string name;
    destination.GetVoiceName1(0, 0, name);
    EXPECT_EQ(name, "GrandPno");
    destination.GetVoiceName2(0, 0, name);
    EXPECT_EQ(name, "?");
    destination.GetVoiceName4(0, 0, name);
    EXPECT_EQ(name, "***********");
    EXPECT_EQ(destination.GetVoiceName1(0, 1, name), Status::kNoRegistration);

    // Rows whose MSB and LSB differ: a reader taking the two the wrong way round misnames them.
    Fill(destination, {{0, 2, {"W", 0, 100, {{0, 1, 0}, {64, 0, 0}}}}});
    destination.GetVoiceName1(0, 2, name);
    EXPECT_EQ(name, "GrndPnoK");
    destination.GetVoiceName2(0, 2, name);
    EXPECT_EQ(name, "CuttngNz");
}

TEST_F(Psr8000Fixture, StyleNamesMarkCustomSlotsAndShowQuestionMarksPastTheList) {
    Fill(destination, {{0, 0, {"A", 214}}, {0, 1, {"B", 250}}, {0, 2, {"C", 99}}, {0, 3, {"D", 229}}});
    std::string name;
    destination.GetStyleName(0, 0, name, 1);
    EXPECT_EQ(name, "*Custom 1*");
    destination.GetStyleName(0, 0, name, 0);
    EXPECT_EQ(name, "Custom 1");
    destination.GetStyleName(0, 3, name, 1);
    EXPECT_EQ(name, "*Custom 16*");
    destination.GetStyleName(0, 1, name, 1);
    EXPECT_EQ(name, "?");
    destination.GetStyleName(0, 2, name, 1);
    EXPECT_EQ(name, "Trance 1");
}

TEST_F(Psr740Fixture, StyleNumbersAroundTheCustomSlots) {
    Fill(destination, {{0, 0, {"A", 159}}, {1, 0, {"B", 160}}, {2, 0, {"C", 162}}});
    std::string name;
    destination.GetStyleName(0, 0, name, 1);
    EXPECT_EQ(name, "Jazz Waltz");
    destination.GetStyleName(1, 0, name, 1);
    EXPECT_EQ(name, "*Custom Style 1*");
    destination.GetStyleName(2, 0, name, 0);
    EXPECT_EQ(name, "Custom Style 3");
}

}  // namespace
}  // namespace kalivo::test::psr
