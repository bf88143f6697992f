#include <gtest/gtest.h>

#include <numeric>

#include "handlers/cvp2_psr2000/Cvp2BlockRebuild.h"
#include "support/Cvp2Bytes.h"

namespace kalivo {
namespace {

using namespace test::s917_bytes;

std::vector<bool> FlagsOf(std::initializer_list<int> blocks) {
    std::vector<bool> flags(24, false);
    for (int block : blocks) {
        flags[static_cast<std::size_t>(block)] = true;
    }
    return flags;
}

Cvp2Registration Reg(const Bytes& bytes) { return *Cvp2Registration::FromRelative(bytes); }

Cvp2Registration Rebuild(const Cvp2Registration* destination, const Cvp2Registration& source,
                         const std::vector<bool>& flags) {
    std::string error;
    auto rebuilt = Cvp2BlockRebuild::Build(destination, source, flags, error);
    EXPECT_TRUE(rebuilt) << error;
    EXPECT_EQ(error, "");
    return rebuilt.value_or(source);
}

// Every block present lies at 112 + the sizes of the present blocks before it.
void ExpectPackedInGpOrder(const Cvp2Registration& registration) {
    std::size_t position = 112;
    int count = 0;
    for (int gp = 0; gp < 24; ++gp) {
        if (registration.Has(gp)) {
            EXPECT_EQ(registration.Location(gp), static_cast<int>(position)) << "GP " << gp;
            position += s917::kGpSize[static_cast<std::size_t>(gp)];
            ++count;
        }
    }
    EXPECT_EQ(registration.Length(), position);
    EXPECT_EQ(U16At(registration.Bytes(), 6), position);
    EXPECT_EQ(registration.Bytes()[8], count);
}

TEST(Cvp2BlockRebuildTest, CopyingTempoReplacesTempoAndTheAlwaysCopiedBlocksOnly) {
    const auto destination = Reg(FullBlock("Dest", 90));
    const auto source = Reg(Block({Tempo(140), Filler(7, 0x77), Filler(1, 0x11), Name("Source"), Filler(8, 0x88)}));
    const auto rebuilt = Rebuild(&destination, source, FlagsOf({0, 1, 7, 11}));

    ExpectPackedInGpOrder(rebuilt);
    EXPECT_EQ(rebuilt.Tempo(), 140);
    EXPECT_EQ(rebuilt.Name(), "Dest");  // the name stays the destination's
    for (int gp = 0; gp < 24; ++gp) {
        const bool fromSource = gp == 1 || gp == 7 || gp == 11;
        const auto expected = fromSource ? source.Block(gp) : destination.Block(gp);
        EXPECT_TRUE(std::equal(rebuilt.Block(gp).begin(), rebuilt.Block(gp).end(), expected.begin(), expected.end()))
            << "GP " << gp;
        EXPECT_EQ(rebuilt.Has(gp), destination.Has(gp)) << "GP " << gp;
    }
    // The destination's header bytes outside length, count and locations are kept.
    EXPECT_TRUE(std::equal(rebuilt.Bytes().begin(), rebuilt.Bytes().begin() + 6, destination.Bytes().begin()));
}

TEST(Cvp2BlockRebuildTest, StyleIntoAnEmptyDestinationTakesTheSourceHeaderAndStyleBlocks) {
    const auto source = Reg(Block({Filler(20, 0x20), Path(16, "S/Pop.STY"), Name("Src"), Filler(1, 1), Filler(7, 7),
                                   Filler(3, 3), Voice(6, 0, 0, 9), Tempo(99)}));
    const auto rebuilt = Rebuild(nullptr, source, FlagsOf({0, 1, 7, 3, 16, 6, 20}));
    ExpectPackedInGpOrder(rebuilt);
    for (int gp : {0, 1, 3, 6, 7, 16, 20}) {
        EXPECT_TRUE(rebuilt.Has(gp)) << gp;
    }
    EXPECT_FALSE(rebuilt.Has(11));
    EXPECT_EQ(rebuilt.PathName(16), "Pop");
    EXPECT_EQ(rebuilt.Length(), 112u + 80 + 16 + 160 + 112 + 160 + 272 + 32);
    EXPECT_TRUE(std::equal(rebuilt.Bytes().begin(), rebuilt.Bytes().begin() + 6, source.Bytes().begin()));
}

TEST(Cvp2BlockRebuildTest, AFlaggedBlockTheSourceLacksIsKeptFromTheDestinationOrLeftOut) {
    const auto destination = Reg(Block({Name("Dest"), Filler(3, 0x33), Filler(20, 0x20)}));
    const auto source = Reg(Block({Name("Src"), Path(16, "Jazz.STY")}));
    const auto rebuilt = Rebuild(&destination, source, FlagsOf({0, 1, 7, 3, 16, 6, 20}));
    ExpectPackedInGpOrder(rebuilt);
    EXPECT_EQ(rebuilt.Block(3)[0], 0x33);
    EXPECT_EQ(rebuilt.Block(20)[0], 0x20);
    EXPECT_EQ(rebuilt.PathName(16), "Jazz");
    EXPECT_FALSE(rebuilt.Has(1));
    EXPECT_FALSE(rebuilt.Has(6));
    EXPECT_FALSE(rebuilt.Has(7));
}

TEST(Cvp2BlockRebuildTest, TheNameBlockComesFromTheSourceOnlyWhenTheDestinationHasNone) {
    const auto source = Reg(Block({Name("Src"), Tempo(80)}));
    const auto nameless = Reg(Block({Tempo(60)}));
    EXPECT_EQ(Rebuild(&nameless, source, FlagsOf({0, 1, 7})).Name(), "Src");
    EXPECT_EQ(Rebuild(nullptr, source, FlagsOf({0, 1, 7})).Name(), "Src");
    EXPECT_FALSE(Rebuild(nullptr, source, FlagsOf({11})).Has(0));
}

TEST(Cvp2BlockRebuildTest, TheLargestBlockHoldsEverySizedBlockOnce) {
    const auto full = Reg(FullBlock("Full"));
    const auto rebuilt = Rebuild(&full, full, std::vector<bool>(24, true));
    ExpectPackedInGpOrder(rebuilt);
    const std::size_t sizes = std::accumulate(s917::kGpSize.begin(), s917::kGpSize.end(), std::size_t{0});
    EXPECT_EQ(sizes, 1568u);
    EXPECT_EQ(rebuilt.Length(), 1680u);
}

}  // namespace
}  // namespace kalivo
