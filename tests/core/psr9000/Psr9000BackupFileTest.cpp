#include <gtest/gtest.h>

#include "common/ByteReader.h"
#include "core/psr9000/Psr9000Fixture.h"
#include "handlers/psr9000/Psr9000BackupFile.h"

namespace kalivo::test {
namespace {

using namespace psr9000;

Psr9000BankTable Cleared() {
    Psr9000BankTable table;
    table.Reset(Psr9000Model::Psr9000().DefaultHeader());
    return table;
}

// The sum of the words after the header, recomputed here from the written bytes.
std::uint32_t SumOfWords(const std::vector<std::uint8_t>& bytes) {
    std::uint32_t sum = 0;
    for (std::size_t at = 24; at < 241688; at += 4) {
        sum += static_cast<std::uint32_t>(bytes[at]) << 24 | static_cast<std::uint32_t>(bytes[at + 1]) << 16 |
               static_cast<std::uint32_t>(bytes[at + 2]) << 8 | bytes[at + 3];
    }
    return sum;
}

TEST(Psr9000BackupFile, WritesTheWholeFileWithTheChecksumOfItsBanksAtTheEnd) {
    Psr9000BankTable table = Cleared();
    psr9000_bytes::Put(table, 63, 7, psr9000_bytes::Registration("Last", 244, 0xFFFF));
    const auto bytes = Psr9000BackupFile::Write(table);
    ASSERT_EQ(bytes.size(), 241692u);
    EXPECT_EQ(ByteReader::U32At(bytes, 241688), SumOfWords(bytes));
    // The header is not part of the sum.
    Psr9000BankTable otherHeader = table;
    otherHeader.header.fill(0xFF);
    EXPECT_EQ(ByteReader::U32At(Psr9000BackupFile::Write(otherHeader), 241688), SumOfWords(bytes));
    // Bank 63, slot 7 ends exactly where the checksum begins.
    EXPECT_EQ(bytes[241688 - 470], 'L');
}

TEST(Psr9000BackupFile, ChecksumOfTheLargestBytesAndOfEveryByteDifferent) {
    // All 0xFF fills each partial sum to its limit; a counting pattern tells
    // the four byte positions of a word apart.
    std::vector<std::uint8_t> largest(241692, 0xFF);
    std::vector<std::uint8_t> counting(241692);
    for (std::size_t at = 0; at < counting.size(); ++at) {
        counting[at] = static_cast<std::uint8_t>(at * 7 + at / 251);
    }
    for (const auto* bytes : {&largest, &counting}) {
        EXPECT_EQ(Psr9000BackupFile::Checksum(*bytes), SumOfWords(*bytes));
    }
}

TEST(Psr9000BackupFile, DefaultHeadersNameTheModel) {
    const auto plain = Psr9000Model::Psr9000().DefaultHeader();
    const auto pro = Psr9000Model::Pro().DefaultHeader();
    EXPECT_EQ(std::string(plain.begin() + 16, plain.end()), "REG9_100");
    EXPECT_EQ(std::string(pro.begin() + 16, pro.end()), "REG9P100");
    EXPECT_EQ(plain[1], 0x46);
    EXPECT_EQ(plain[7], 0x0C);
    EXPECT_TRUE(std::equal(plain.begin(), plain.begin() + 16, pro.begin()));
}

TEST(Psr9000BackupFile, ReadingAndWritingAgainKeepsEveryByteButAWrongChecksum) {
    Psr9000BankTable table = Cleared();
    psr9000_bytes::Put(table, 3, 5, psr9000_bytes::Registration("Odd", 7, 100));
    auto bytes = Psr9000BackupFile::Write(table);
    // Bytes the program does not know: a foreign header, a bank header of an
    // unused bank, a name byte of an empty slot.
    bytes[5] = 0x77;
    bytes[24 + 10 * Psr9000BackupFile::kBankSize + 3] = 'Z';
    bytes[24 + 16 + 470 + 1] = 'Q';
    const std::uint32_t right = SumOfWords(bytes);
    bytes[241691] ^= 0x01;  // a backup stored with a wrong checksum

    Psr9000BankTable read;
    ASSERT_TRUE(Psr9000BackupFile::Read(bytes, read));
    const auto written = Psr9000BackupFile::Write(read);
    ASSERT_EQ(written.size(), bytes.size());
    EXPECT_TRUE(std::equal(written.begin(), written.begin() + 241688, bytes.begin()));
    EXPECT_EQ(ByteReader::U32At(written, 241688), right);
}

TEST(Psr9000BackupFile, ReadsOnlyAWholeFileAndTellsAWrongChecksum) {
    using Verdict = Psr9000BackupFile::Verdict;
    const auto whole = Psr9000BackupFile::Write(Cleared());
    const struct {
        const char* what;
        std::size_t size;
        std::uint8_t checksumChange;
        Verdict verdict;
    } cases[] = {
        {"exact", 241692, 0, Verdict::Sound},
        {"checksum off by one", 241692, 1, Verdict::ChecksumWrong},
        {"one byte short", 241691, 0, Verdict::TooShort},
        {"without checksum", 241688, 0, Verdict::TooShort},
        {"empty", 0, 0, Verdict::TooShort},
        {"one byte long", 241693, 0, Verdict::TooLong},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // Exact-size copies, so a read past the end would be seen.
        std::vector<std::uint8_t> bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(
                                                                           std::min(c.size, whole.size())));
        bytes.resize(c.size);
        if (!bytes.empty()) {
            bytes.back() = static_cast<std::uint8_t>(bytes.back() + c.checksumChange);
        }
        EXPECT_EQ(Psr9000BackupFile::Inspect(bytes), c.verdict);
        Psr9000BankTable table = Cleared();
        psr9000_bytes::Put(table, 0, 0, psr9000_bytes::Registration("Keep", 1, 1));
        const bool whole = c.size == 241692;
        EXPECT_EQ(Psr9000BackupFile::Read(bytes, table), whole);
        EXPECT_EQ(table.banks[0].used, !whole) << "a refused file leaves the table as it was";
    }
}

TEST(Psr9000Record, EmptyMeansNothingButTheNameDiffersFromTheDefault) {
    Record record = DefaultRecord(3);
    EXPECT_EQ(std::string(record.begin(), record.begin() + 16), "004             ");
    EXPECT_TRUE(IsEmptyRecord(record));
    SetRecordName(record, "Renamed");
    EXPECT_TRUE(IsEmptyRecord(record));
    record[469] = 1;
    EXPECT_FALSE(IsEmptyRecord(record));
    record[469] = 0;
    record[16] = 1;
    EXPECT_FALSE(IsEmptyRecord(record));
}

TEST(Psr9000Record, NamesLoseTheInstrumentsTrailingFiller) {
    Record record{};
    const char raw[16] = {'A', ' ', 'b', '\'', '*', '?', ' ', '\x01', '*', 0, 'X', 'X', 'X', 'X', 'X', 'X'};
    std::memcpy(record.data(), raw, 16);
    EXPECT_EQ(RecordName(record), "A b");
    std::memset(record.data(), 'N', 16);
    EXPECT_EQ(RecordName(record), std::string(16, 'N')) << "a full field has no NUL";
    SetRecordName(record, "Seventeen chars!!");
    EXPECT_EQ(RecordName(record), "Seventeen chars!");
    SetRecordName(record, "Short");
    EXPECT_EQ(record[5], 0);
    EXPECT_EQ(record[15], 0);
}

TEST(Psr9000Record, BankHeadersAreNumberedFromOneToSixtyFour) {
    EXPECT_EQ(HeaderText(DefaultBankHeader(0)), "BANK 01");
    EXPECT_EQ(HeaderText(DefaultBankHeader(63)), "BANK 64");
    const auto header = DefaultBankHeader(8);
    EXPECT_EQ(header[7], 0);
    EXPECT_EQ(header[15], 0);
    std::array<std::uint8_t, 16> blanks{};
    SetHeaderText(blanks, "Name   ");
    EXPECT_EQ(HeaderText(blanks), "Name");
}

}  // namespace
}  // namespace kalivo::test
