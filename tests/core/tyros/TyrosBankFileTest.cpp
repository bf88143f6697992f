#include <gtest/gtest.h>

#include "handlers/tyros/TyrosBankFile.h"
#include "handlers/tyros/TyrosRegfile.h"
#include "support/ScriptedUserInterface.h"
#include "core/tyros/TyrosTestBytes.h"

namespace kalivo {
namespace {

using namespace test::tyros_bytes;

class TyrosBankFileTest : public ::testing::Test {
protected:
    test::ScriptedUserInterface ui;
    bool carry = false;
    std::string problems;  // what the last Read said of broken registrations

    TyrosBank Read(const Bytes& file) {
        TyrosBank bank;
        bank.Reset();
        const Outcome outcome = TyrosBankFile::Read(file, bank, ui, carry);
        EXPECT_TRUE(outcome.Succeeded());
        problems = outcome.message;
        return bank;
    }
    static std::uint32_t U32At(const Bytes& bytes, std::size_t at) {
        return static_cast<std::uint32_t>(bytes[at] << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3]);
    }
};

TEST_F(TyrosBankFileTest, EmptyBankIs118BytesWithSameLengthMark) {
    TyrosBank bank;
    bank.Reset();
    const Bytes file = TyrosBankFile::Write(bank);
    EXPECT_EQ(file, BankFile({}));
    EXPECT_EQ(file.size(), 118u);
    EXPECT_EQ(U32At(file, 16), 118u);
    EXPECT_EQ(file[21], 0x34);
}

TEST_F(TyrosBankFileTest, RoundTripsAFullBank) {
    std::vector<Bytes> registrations;
    for (int n = 0; n < 8; ++n) {
        registrations.push_back(RealisticRegistration(n));
    }
    const Bytes file = BankFile(registrations);
    TyrosBank bank = Read(file);
    EXPECT_EQ(TyrosBankFile::Write(bank), file);
    EXPECT_EQ(bank.UsedSlots(), "12345678");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TyrosBankFileTest, LengthAndShapeByteAreWorkedOutOnWrite) {
    Bytes header = BankHeaderTemplate();
    header[4] = 0x77;  // kept as read
    header[20] = 0x99;
    header[21] = 0x00;  // wrong on disk
    Bytes file = BankFile({Registration({Name("One")}), Registration({Name("Two")})}, header);
    file[16] = file[17] = file[18] = file[19] = 0;
    TyrosBank bank = Read(file);
    const Bytes written = TyrosBankFile::Write(bank);
    EXPECT_EQ(U32At(written, 16), written.size());
    EXPECT_EQ(written[21], 0x3E);  // the blocks differ in length
    EXPECT_EQ(written[4], 0x77);
    EXPECT_EQ(written[20], 0x99);
    // ... and stored back into the bank's header.
    EXPECT_EQ(U32At(Bytes(bank.header.begin(), bank.header.end()), 16), written.size());
    EXPECT_EQ(bank.header[21], 0x3E);

    // Eight blocks of one length give 0x34.
    std::vector<Bytes> same(8, Registration({Name("Same")}));
    TyrosBank sameBank = Read(BankFile(same));
    EXPECT_EQ(TyrosBankFile::Write(sameBank)[21], 0x34);
}

TEST_F(TyrosBankFileTest, ABankFromALaterModelSurvivesExceptByte21) {
    // Types above 47 and a shape byte the later model set differently.
    std::vector<Bytes> registrations;
    for (int n = 0; n < 8; ++n) {
        registrations.push_back(Registration({Name("Late " + std::to_string(n)), Tempo(100), Opaque(55, 12),
                                              Opaque(71, static_cast<std::size_t>(n))}));
    }
    Bytes file = BankFile(registrations);
    file[21] = 0x34;
    TyrosBank bank = Read(file);
    Bytes written = TyrosBankFile::Write(bank);
    EXPECT_EQ(written[21], 0x3E);
    written[21] = 0x34;
    EXPECT_EQ(written, file);
}

TEST_F(TyrosBankFileTest, ReadingStopsAtTheTrailer) {
    // The third block is followed directly by "FEnd": parts 4..8 stay empty.
    const Bytes file = BankFile({Registration({Name("A")}), Registration({Name("B")}), Registration({Name("C")})},
                                BankHeaderTemplate(), false);
    TyrosBank bank = Read(file);
    EXPECT_EQ(bank.UsedSlots(), "123");
    EXPECT_EQ(bank.registrations[2].Name(), "C");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TyrosBankFileTest, ATypeZeroBlockIsReadAndNotWrittenBack) {
    TyrosBank bank = Read(BankFile({Registration({Opaque(0, 3), Name("Zero")})}));
    EXPECT_EQ(TyrosBankFile::Write(bank), BankFile({Registration({Name("Zero")})}));
}

TEST_F(TyrosBankFileTest, NotABankFileLeavesTheBankAlone) {
    const Bytes good = BankFile({Registration({Name("Keep")})});
    TyrosBank bank = Read(good);
    const Bytes before = TyrosBankFile::Write(bank);
    Bytes badMagic = good;
    badMagic[0] = 'X';
    Bytes badSecond = good;
    badSecond[9] = 'X';
    const Bytes shortFile(good.begin(), good.begin() + 63);
    for (const Bytes& file : {badMagic, badSecond, shortFile, Bytes{}}) {
        EXPECT_FALSE(TyrosBankFile::Read(file, bank, ui, carry).Succeeded());
        EXPECT_EQ(TyrosBankFile::Write(bank), before);
    }
}

TEST_F(TyrosBankFileTest, ABlockRunningPastTheFileIsReportedAndEndsTheBank) {
    const Bytes whole = BankFile({Registration({Name("A")}), Registration({Name("B"), Tempo(90)})},
                                 BankHeaderTemplate(), false);
    // No trailer, second block cut short; a fresh buffer of exactly that size,
    // so that a read past its end is caught.
    const Bytes file(whole.begin(), whole.end() - 6 - 4);
    TyrosBank bank = Read(file);
    EXPECT_EQ(bank.UsedSlots(), "1");
    EXPECT_EQ(problems, "Bad registration: no GPm-block");
}

TEST_F(TyrosBankFileTest, ABadRegistrationIsEmptyAndTheNextOneIsRead) {
    Bytes bad = Registration({Name("Bad")});
    bad[6] = 'X';  // not "GPm"
    TyrosBank bank = Read(BankFile({Registration({Name("A")}), bad, Registration({Name("C")})}));
    EXPECT_EQ(bank.UsedSlots(), "13");
    EXPECT_EQ(problems, "Bad registration: no GPm-block");
}

TEST_F(TyrosBankFileTest, SequenceStepsAndEnd) {
    TyrosBank bank;
    bank.Reset();
    bank.SetSequence("3172", 1);
    std::string digits;
    int end = -1;
    bank.Sequence(digits, end);
    EXPECT_EQ(digits, "3172");
    EXPECT_EQ(end, 1);
    EXPECT_EQ(bank.header[28], 2);
    EXPECT_EQ(bank.header[32], 0xFF);

    // At most 34 steps; the end byte of a full sequence is byte 62.
    bank.SetSequence(std::string(40, '8'), 2);
    bank.Sequence(digits, end);
    EXPECT_EQ(digits, std::string(34, '8'));
    EXPECT_EQ(bank.header[62], 0xFF);
    EXPECT_EQ(bank.header[63], 2);

    // A reset touches only the sequence bytes 28..63.
    bank.header[5] = 0x42;
    bank.header[20] = 0x17;
    bank.ResetSequence();
    bank.Sequence(digits, end);
    EXPECT_EQ(digits, "");
    EXPECT_EQ(end, 0xFF);
    EXPECT_EQ(bank.header[5], 0x42);
    EXPECT_EQ(bank.header[20], 0x17);
}

TEST(TyrosRegfileTest, HeaderCarriesBankNameAndPart) {
    const auto header = TyrosRegfile::MakeHeader("My Favourite Jazz Bank With A Long Name", 6);
    EXPECT_EQ(TyrosRegfile::BankName(header), "My Favourite Jazz Bank W");
    EXPECT_EQ(TyrosRegfile::Part(header), 6);
    TyrosRegistration registration;
    const Bytes expected = Regfile("My Favourite Jazz Bank W", 6, EmptyRegistration());
    EXPECT_EQ(TyrosRegfile::Write(header, registration), expected);
}

TEST(TyrosRegfileTest, ReadsAndRejects) {
    test::ScriptedUserInterface ui;
    bool carry = false;
    TyrosRegfile::Header header{};
    TyrosRegistration registration;
    const Bytes block = Registration({Name("Solo"), Tempo(77)});
    ASSERT_TRUE(TyrosRegfile::Read(Regfile("Bank", 2, block), header, registration, ui, carry).Succeeded());
    EXPECT_EQ(registration.Name(), "Solo");
    EXPECT_EQ(TyrosRegfile::Write(header, registration), Regfile("Bank", 2, block));

    Bytes wrongMagic = Regfile("Bank", 2, block);
    wrongMagic[3] = 'X';
    EXPECT_FALSE(TyrosRegfile::Read(wrongMagic, header, registration, ui, carry).Succeeded());
    const Bytes shorter(63, 'R');
    EXPECT_FALSE(TyrosRegfile::Read(shorter, header, registration, ui, carry).Succeeded());
    EXPECT_EQ(registration.Name(), "Solo");
}

TEST(TyrosRegfileTest, LyingHeaderFieldsAreCapped) {
    auto header = TyrosRegfile::MakeHeader("Bank", 0);
    header[7] = 200;  // name length above 24
    header[33] = 9;   // part outside 0..7
    EXPECT_EQ(TyrosRegfile::BankName(header).size(), 24u);
    EXPECT_EQ(TyrosRegfile::Part(header), -1);
    header[33] = 8;  // the first part number past a bank
    EXPECT_EQ(TyrosRegfile::Part(header), -1);
    header[33] = 7;
    EXPECT_EQ(TyrosRegfile::Part(header), 7);
    header[32] = 1;  // 263: the high byte counts too
    EXPECT_EQ(TyrosRegfile::Part(header), -1);
}

}  // namespace
}  // namespace kalivo
