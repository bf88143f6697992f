#include <gtest/gtest.h>

#include "handlers/cvp2_psr2000/Cvp2BankFile.h"
#include "support/Cvp2Bytes.h"

namespace kalivo {
namespace {

using namespace test::s917_bytes;

using Slots = std::array<std::optional<Bytes>, 8>;

std::optional<Cvp2Bank> Read(const Bytes& file, const Cvp2Model& model = Cvp2Model::Cvp2()) {
    Cvp2Bank bank;
    int damagedSlot = -1;
    if (Cvp2BankFile::Read(file, model, bank, damagedSlot) != Cvp2BankFile::Verdict::Read) {
        return std::nullopt;
    }
    return bank;
}

Bytes Simple(const std::string& name) { return Block({Name(name), Tempo(100)}); }

TEST(Cvp2BankFileTest, LocationsAreRelativeInMemoryAndAbsoluteInTheFile) {
    Slots slots;
    slots[1] = Block({Tempo(96), Name("Second")}, 8);
    const Bytes file = BankFile(kCvp2Model, slots, 24);
    const auto bank = Read(file);
    ASSERT_TRUE(bank);
    const auto& registration = bank->slots[1];
    ASSERT_TRUE(registration);
    // As built: header, 8 gap bytes, the tempo block, then the name block.
    EXPECT_EQ(registration->Location(11), 120);
    EXPECT_EQ(registration->Location(0), 136);
    EXPECT_EQ(U32At(registration->Bytes(), 16 + 4 * 11), 120u);
    EXPECT_EQ(U32At(registration->Bytes(), 16), 136u);
    EXPECT_EQ(registration->Location(3), -1);
    EXPECT_EQ(registration->Name(), "Second");
    EXPECT_EQ(registration->Tempo(), 96);

    // Stored again, the block sits right after the header: locations are 112 further on.
    const Bytes stored = Cvp2BankFile::Write(*bank, Cvp2Model::Cvp2());
    EXPECT_EQ(U32At(stored, 32), 0xFFFFFFFFu);
    EXPECT_EQ(U32At(stored, 36), 112u);
    EXPECT_EQ(U32At(stored, 112 + 16 + 4 * 11), 112u + 120u);
    EXPECT_EQ(U32At(stored, 112 + 16), 112u + 136u);
    EXPECT_EQ(U32At(stored, 112 + 16 + 4 * 3), 0xFFFFFFFFu);
}

TEST(Cvp2BankFileTest, StoredFileFollowsTheLayoutByteForByte) {
    Slots slots;
    slots[0] = Simple("One");
    slots[3] = Simple("Four");
    const auto bank = Read(BankFile(kPsr2000Model, slots, 40), Cvp2Model::Psr2000());
    ASSERT_TRUE(bank);
    const Bytes stored = Cvp2BankFile::Write(*bank, Cvp2Model::Psr2000());

    // Packed from 112 in slot order without gaps, each block as held in memory plus its offset.
    const std::size_t length = slots[0]->size();
    ASSERT_EQ(stored.size(), 112 + 2 * length);
    Bytes expected = Cvp2BankFile::HeaderTemplate(Cvp2Model::Psr2000());
    for (auto [slot, offset] : {std::pair{0, 112u}, std::pair{3, 112u + static_cast<unsigned>(length)}}) {
        for (int i = 3; i >= 0; --i) {
            expected[32 + 4 * static_cast<std::size_t>(slot) + static_cast<std::size_t>(3 - i)] =
                static_cast<std::uint8_t>(offset >> (8 * i));
        }
        const auto block = bank->slots[static_cast<std::size_t>(slot)]->WithFileLocations(offset);
        expected.insert(expected.end(), block.begin(), block.end());
    }
    EXPECT_EQ(stored, expected);

    // The template itself, as the instrument writes it.
    const Bytes header(stored.begin(), stored.begin() + 112);
    EXPECT_EQ(std::string(header.begin(), header.begin() + 24), "REG-100-100-1000PSR2000x");
    EXPECT_EQ(Bytes(header.begin() + 24, header.begin() + 32), (Bytes{0, 8, 0, 0x40, 2, 0, 0, 0}));
    EXPECT_EQ(header[64], 0x24);
    EXPECT_TRUE(std::all_of(header.begin() + 65, header.begin() + 101, [](auto b) { return b == 0xFF; }));
    EXPECT_TRUE(std::all_of(header.begin() + 101, header.end(), [](auto b) { return b == 0; }));

    // A load of the stored file gives the same blocks.
    const auto again = Read(stored, Cvp2Model::Psr2000());
    ASSERT_TRUE(again);
    EXPECT_EQ(again->slots[3]->Bytes(), bank->slots[3]->Bytes());
}

TEST(Cvp2BankFileTest, HeaderBytesOutsideTheSlotTableComeFromTheModelTemplate) {
    Slots slots;
    slots[0] = Simple("One");
    Bytes file = BankFile("CVP-Dx  ", slots);
    file[20] = 'Z';
    file[64] = 0x99;
    file[105] = 0x77;
    const auto bank = Read(file);
    ASSERT_TRUE(bank);
    const Bytes stored = Cvp2BankFile::Write(*bank, Cvp2Model::Cvp2());
    const Bytes expected = Cvp2BankFile::HeaderTemplate(Cvp2Model::Cvp2());
    for (std::size_t i = 0; i < 112; ++i) {
        if (i < 32 || i >= 64) {
            EXPECT_EQ(stored[i], expected[i]) << "byte " << i;
        }
    }
    EXPECT_EQ(std::string(stored.begin() + 16, stored.begin() + 24), "CVP-Dx  ");
}

TEST(Cvp2BankFileTest, AFileWithoutRegistrationsLoadsAsAnUnusedBank) {
    const auto bank = Read(BankFile(kCvp2Model, Slots{}));
    ASSERT_TRUE(bank);
    EXPECT_FALSE(bank->InUse());
}

TEST(Cvp2BankFileTest, Psr2000ChecksTheModelFieldAndCvp2DoesNot) {
    Slots slots;
    slots[0] = Simple("One");
    EXPECT_FALSE(Read(BankFile(kCvp2Model, slots), Cvp2Model::Psr2000()));
    EXPECT_TRUE(Read(BankFile("PSR2000 ", slots), Cvp2Model::Psr2000()));
    EXPECT_FALSE(Read(BankFile("PSR3000x", slots), Cvp2Model::Psr2000()));
    EXPECT_TRUE(Read(BankFile("XXXXXXXX", slots), Cvp2Model::Cvp2()));
}

TEST(Cvp2BankFileTest, BadFilesAreRefusedAndLeaveTheBankAsItWas) {
    Slots slots;
    slots[0] = Simple("One");
    const Bytes good = BankFile(kCvp2Model, slots);

    std::vector<Bytes> bad;
    // Cut one byte before the end of the block, and inside the header.
    bad.emplace_back(good.begin(), good.end() - 1);
    bad.emplace_back(good.begin(), good.begin() + 111);
    // A slot offset past the end.
    Bytes past = good;
    past[32] = 0x7F;
    bad.push_back(past);
    // A block length below its own header, and one longer than the file.
    Bytes shortBlock = good;
    shortBlock[112 + 6] = 0;
    shortBlock[112 + 7] = 100;
    bad.push_back(shortBlock);
    Bytes longBlock = good;
    longBlock[112 + 6] = 0x40;
    bad.push_back(longBlock);
    // A GP location before the block, and one whose block runs past the block's end.
    Bytes before = good;
    before[112 + 16 + 4 * 11 + 3] = 4;
    before[112 + 16 + 4 * 11 + 2] = 0;
    bad.push_back(before);
    Bytes outside = good;
    outside[112 + 16 + 4 * 11 + 3] = static_cast<std::uint8_t>(outside[112 + 16 + 4 * 11 + 3] + 1);
    bad.push_back(outside);

    for (std::size_t i = 0; i < bad.size(); ++i) {
        const Bytes exact(bad[i].begin(), bad[i].end());  // exactly this size, so ASan sees an over-read
        Cvp2Bank bank;
        bank.name = "Kept";
        bank.slots[5] = Cvp2Registration::FromRelative(Simple("Kept"));
        int damagedSlot = -1;
        // Only the file cut inside its header is no bank file at all; the rest name the damaged slot.
        const auto verdict = Cvp2BankFile::Read(exact, Cvp2Model::Cvp2(), bank, damagedSlot);
        EXPECT_EQ(verdict, i == 1 ? Cvp2BankFile::Verdict::NotOfModel : Cvp2BankFile::Verdict::Damaged) << "case " << i;
        EXPECT_EQ(damagedSlot, i == 1 ? -1 : 0) << "case " << i;
        EXPECT_EQ(bank.name, "Kept");
        ASSERT_TRUE(bank.slots[5]) << "case " << i;
        EXPECT_FALSE(bank.slots[0]) << "case " << i;
    }
}

TEST(Cvp2BankFileTest, TheLastGpBlockMayEndExactlyAtTheBlockEnd) {
    Slots slots;
    slots[0] = Block({Name("Edge"), Tempo(77)});
    const auto bank = Read(BankFile(kCvp2Model, slots));
    ASSERT_TRUE(bank);
    EXPECT_EQ(bank->slots[0]->Tempo(), 77);
}

}  // namespace
}  // namespace kalivo
