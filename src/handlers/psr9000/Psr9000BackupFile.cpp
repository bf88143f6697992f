#include "handlers/psr9000/Psr9000BackupFile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "common/ByteReader.h"

namespace kalivo {

using namespace psr9000;

namespace {

// Eight bytes as one little-endian number, whatever the machine's order.
std::uint64_t LittleEndian64(const std::uint8_t* at) {
    std::uint64_t value = 0;
    std::memcpy(&value, at, sizeof value);
    if constexpr (std::endian::native == std::endian::big) {
        std::uint64_t swapped = 0;
        for (int i = 0; i < 8; ++i, value >>= 8) {
            swapped = swapped << 8 | (value & 0xFF);
        }
        value = swapped;
    }
    return value;
}

// The sum of the big-endian words of bytes, taken one byte position at a
// time: a word is its four bytes shifted into place, so the sum is each
// position's byte sum shifted the same way. Every load sums 60416 words, so
// eight bytes are added at once, in 16-bit lanes that are emptied into the
// position sums before one of them can overflow.
std::uint32_t SumOfBigEndianWords(std::span<const std::uint8_t> bytes) {
    constexpr std::uint64_t kEvenBytes = 0x00FF00FF00FF00FFull;
    constexpr std::size_t kRoundsBeforeOverflow = 256;  // 256 * 255 < 65536
    const auto lane = [](std::uint64_t lanes, int index) {
        return static_cast<std::uint32_t>(lanes >> (16 * index) & 0xFFFF);
    };
    std::array<std::uint32_t, 4> position{};  // byte sums of positions 0..3 of a word
    const std::uint8_t* at = bytes.data();
    for (std::size_t left = bytes.size() / 8; left > 0;) {
        const std::size_t rounds = std::min(left, kRoundsBeforeOverflow);
        left -= rounds;
        std::uint64_t even = 0;  // bytes 0, 2, 4, 6 of each eight
        std::uint64_t odd = 0;   // bytes 1, 3, 5, 7
        for (std::size_t round = 0; round < rounds; ++round, at += 8) {
            const std::uint64_t eight = LittleEndian64(at);
            even += eight & kEvenBytes;
            odd += eight >> 8 & kEvenBytes;
        }
        position[0] += lane(even, 0) + lane(even, 2);
        position[1] += lane(odd, 0) + lane(odd, 2);
        position[2] += lane(even, 1) + lane(even, 3);
        position[3] += lane(odd, 1) + lane(odd, 3);
    }
    if (bytes.size() % 8 >= 4) {  // a last word of its own
        for (std::size_t i = 0; i < 4; ++i) {
            position[i] += at[i];
        }
    }
    return (position[0] << 24) + (position[1] << 16) + (position[2] << 8) + position[3];
}

}  // namespace

Psr9000BackupFile::Verdict Psr9000BackupFile::Inspect(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kFileSize) {
        return Verdict::TooShort;
    }
    if (bytes.size() > kFileSize) {
        return Verdict::TooLong;
    }
    return ByteReader::U32At(bytes, kDataEnd) == Checksum(bytes) ? Verdict::Sound : Verdict::ChecksumWrong;
}

bool Psr9000BackupFile::Read(std::span<const std::uint8_t> bytes, Psr9000BankTable& table,
                             const std::shared_ptr<const Psr9000BackupOrigin>& origin) {
    if (bytes.size() != kFileSize) {
        return false;
    }
    // The size is checked, so the walk below cannot stop part way: the table
    // is filled whole or, above, not touched.
    ByteReader reader(bytes);
    std::span<const std::uint8_t> field;
    reader.ReadBytes(kHeaderSize, field);
    std::copy(field.begin(), field.end(), table.header.begin());
    for (Psr9000Bank& bank : table.banks) {
        reader.ReadBytes(kBankHeaderSize, field);
        std::copy(field.begin(), field.end(), bank.header.begin());
        for (Psr9000Slot& slot : bank.slots) {
            reader.ReadBytes(kRecordSize, field);
            std::copy(field.begin(), field.end(), slot.record.begin());
            slot.empty = IsEmptyRecord(slot.record);
            slot.origin = slot.empty ? nullptr : origin;
        }
        bank.used = bank.HasRegistrations();
    }
    return true;
}

std::vector<std::uint8_t> Psr9000BackupFile::Write(const Psr9000BankTable& table) {
    std::vector<std::uint8_t> bytes;
    WriteInto(table, bytes);
    return bytes;
}

void Psr9000BackupFile::WriteInto(const Psr9000BankTable& table, std::vector<std::uint8_t>& bytes) {
    // A quarter megabyte: sized at once and filled in place, every byte of it.
    bytes.resize(kFileSize);
    std::uint8_t* at = bytes.data();
    const auto put = [&at](std::span<const std::uint8_t> part) {
        std::memcpy(at, part.data(), part.size());
        at += part.size();
    };
    put(table.header);
    for (const Psr9000Bank& bank : table.banks) {
        put(bank.header);
        for (const Psr9000Slot& slot : bank.slots) {
            put(slot.record);
        }
    }
    const std::uint32_t sum = Checksum(bytes);
    for (int shift = 24; shift >= 0; shift -= 8) {
        *at++ = static_cast<std::uint8_t>(sum >> shift);
    }
}

std::uint32_t Psr9000BackupFile::Checksum(std::span<const std::uint8_t> bytes) {
    const std::size_t end = std::min(bytes.size(), kDataEnd);
    if (end <= kHeaderSize) {
        return 0;
    }
    return SumOfBigEndianWords(bytes.subspan(kHeaderSize, end - kHeaderSize));
}

}  // namespace kalivo
