#include <gtest/gtest.h>

#include <vector>

#include "common/ByteReader.h"
#include "common/ByteWriter.h"

namespace kalivo {
namespace {

TEST(ByteReaderTest, ReadsBigEndianAndNeverPastTheEnd) {
    const std::vector<std::uint8_t> data{0x12, 0x34, 0x56, 0x78, 0x9A};
    ByteReader reader(data);
    std::uint32_t u32 = 0;
    ASSERT_TRUE(reader.ReadU32(u32));
    EXPECT_EQ(u32, 0x12345678u);
    std::uint16_t u16 = 7;
    EXPECT_FALSE(reader.ReadU16(u16));  // one byte left
    EXPECT_EQ(u16, 7);
    EXPECT_EQ(reader.Position(), 4u);
    std::span<const std::uint8_t> slice;
    EXPECT_FALSE(reader.ReadBytes(2, slice));
    ASSERT_TRUE(reader.ReadBytes(1, slice));
    EXPECT_EQ(slice[0], 0x9A);
    EXPECT_TRUE(reader.AtEnd());
}

TEST(ByteReaderTest, HugeCountsDoNotWrapAround) {
    const std::vector<std::uint8_t> data(8, 0);
    ByteReader reader(data);
    ASSERT_TRUE(reader.Skip(4));
    EXPECT_FALSE(reader.Skip(static_cast<std::size_t>(-2)));
    EXPECT_FALSE(ByteReader::Has(data, 6, static_cast<std::size_t>(-1)));
    EXPECT_EQ(ByteReader::U16At(data, 7, 0xBEEF), 0xBEEF);
    EXPECT_EQ(ByteReader::U32At(data, 100, 5u), 5u);
}

TEST(ByteWriterTest, WritesPadsAndPatches) {
    ByteWriter writer;
    writer.U16(0);
    writer.FixedText("AB", 4);
    writer.U32(0x01020304);
    writer.PatchU16(0, 0xCAFE);
    EXPECT_EQ(writer.Bytes(), (std::vector<std::uint8_t>{0xCA, 0xFE, 'A', 'B', 0, 0, 1, 2, 3, 4}));
}

}  // namespace
}  // namespace kalivo
