#include <gtest/gtest.h>

#include "handlers/cvp2_psr2000/Cvp2Registration.h"
#include "support/Cvp2Bytes.h"

namespace kalivo {
namespace {

using namespace test::s917_bytes;

Cvp2Registration Make(const std::vector<Gp>& blocks) {
    auto registration = Cvp2Registration::FromRelative(Block(blocks));
    EXPECT_TRUE(registration);
    return registration.value_or(*Cvp2Registration::FromRelative(Block({})));
}

TEST(Cvp2RegistrationTest, NamesStopAtNulOrSixteenCharactersAndLoseTrailingBlanks) {
    EXPECT_EQ(Make({Name("ABCDEFGHIJKLMNOP")}).Name(), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(Make({Name("Summer   ")}).Name(), "Summer");
    EXPECT_EQ(Make({Filler(1, 0)}).Name(), "");

    // The regfile form reads past 16 characters and trims its own set of trailing characters.
    Gp name = Name("Long name of reg");
    name.bytes[24] = 'X';
    name.bytes[25] = '?';
    name.bytes[26] = '*';
    name.bytes[27] = 0x01;
    name.bytes[28] = ' ';
    EXPECT_EQ(Make({name}).Name(), "Long name of reg");
    EXPECT_EQ(Make({name}).LongName(), "Long name of regX");
    EXPECT_EQ(Make({Name("It's'")}).LongName(), "It's");
}

TEST(Cvp2RegistrationTest, RenameWritesSixteenBytesAndNeedsTheNameBlock) {
    auto registration = Make({Name("Old name here"), Tempo(90)});
    ASSERT_TRUE(registration.Rename("Brand new name that is too long"));
    EXPECT_EQ(registration.Name(), "Brand new name t");
    ASSERT_TRUE(registration.Rename("Ab"));
    EXPECT_EQ(registration.Name(), "Ab");
    const auto field = registration.Block(0).subspan(8, 16);
    EXPECT_TRUE(std::all_of(field.begin() + 2, field.end(), [](auto b) { return b == 0; }));
    EXPECT_EQ(registration.Tempo(), 90);

    auto nameless = Make({Tempo(90)});
    EXPECT_FALSE(nameless.Rename("X"));
    EXPECT_EQ(nameless.Bytes(), Block({Tempo(90)}));
}

TEST(Cvp2RegistrationTest, PathNamesAreTheLastComponentWithoutExtension) {
    EXPECT_EQ(Make({Path(16, "STYLE/POP/Cool.STY")}).PathName(16), "Cool");
    EXPECT_EQ(Make({Path(17, "Funky.PAD/x")}).PathName(17), "Funky");
    EXPECT_EQ(Make({Path(16, "NoExtension")}).PathName(16), "NoExtension");
    // A path filling the whole block without "." or NUL ends with the block.
    EXPECT_EQ(Make({Path(16, std::string(264, 'a'))}).PathName(16), std::string(264, 'a'));
    EXPECT_EQ(Make({Name("x")}).PathName(16), "");
}

TEST(Cvp2RegistrationTest, TempoVoicesAndTheSettingsMaskComeFromTheBlocksPresent) {
    const auto registration =
        Make({Voice(6, 127, 0, 32), Tempo(0x1234), Voice(4, 0, 112, 5), Filler(13, 1), Filler(14, 2)});
    EXPECT_EQ(registration.Tempo(), 0x1234);
    ASSERT_TRUE(registration.Voice(6));
    EXPECT_EQ(registration.Voice(6)->msb, 127);
    EXPECT_EQ(registration.Voice(6)->program, 32);
    EXPECT_EQ(registration.Voice(4)->lsb, 112);
    EXPECT_FALSE(registration.Voice(5));
    // Main (1), Left (3), Tempo (7), Multi pad (9), Song/Mic (10).
    EXPECT_EQ(registration.SettingsMask(), (1u << 1) | (1u << 3) | (1u << 7) | (1u << 9) | (1u << 10));
    EXPECT_EQ(Make({Name("x")}).Tempo(), -1);
    EXPECT_EQ(Cvp2Registration::FromRelative(FullBlock("All"))->SettingsMask(), 0x7FFu);
}

TEST(Cvp2RegistrationTest, RelativeBlocksAreCheckedAndCutToTheirStatedLength) {
    const Bytes good = Block({Name("Fine"), Tempo(100)});
    Bytes longer = good;
    longer.push_back(0x42);
    const auto cut = Cvp2Registration::FromRelative(longer);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->Bytes(), good);

    const Bytes tooShort(good.begin(), good.begin() + 111);
    EXPECT_FALSE(Cvp2Registration::FromRelative(tooShort));
    const Bytes truncated(good.begin(), good.end() - 1);
    EXPECT_FALSE(Cvp2Registration::FromRelative(truncated));
    Bytes lying = good;
    lying[7] = static_cast<std::uint8_t>(lying[7] - 1);  // the tempo block would end past the block
    EXPECT_FALSE(Cvp2Registration::FromRelative(lying));
    Bytes stray = good;
    stray[16 + 4 * 3] = 0x00;
    stray[16 + 4 * 3 + 1] = 0x00;
    stray[16 + 4 * 3 + 2] = 0x00;
    stray[16 + 4 * 3 + 3] = 0x70;  // GP 3 (160 bytes) at 112 runs past the block
    EXPECT_FALSE(Cvp2Registration::FromRelative(stray));
}

}  // namespace
}  // namespace kalivo
