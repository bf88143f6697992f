#include "handlers/psr9000/Psr9000BackupFile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "common/ByteReader.h"

namespace kalivo {

using namespace psr9000;

namespace {

// A word as it lies in memory, read as the file's big-endian number.
std::uint32_t BigEndian(std::uint32_t raw) {
    if constexpr (std::endian::native == std::endian::big) {
        return raw;
    }
    return (raw >> 24) | ((raw >> 8) & 0xFF00u) | ((raw << 8) & 0xFF0000u) | (raw << 24);
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

bool Psr9000BackupFile::Read(std::span<const std::uint8_t> bytes, Psr9000BankTable& table) {
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
            slot.origin.reset();
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
    // Every load and store sums 60416 words: they are copied a block at a time
    // into whole numbers and summed there, a loop the compiler can vectorise.
    auto words = bytes.subspan(kHeaderSize, (end - kHeaderSize) / 4 * 4);
    std::array<std::uint32_t, 512> block{};
    std::uint32_t sum = 0;
    while (!words.empty()) {
        const std::size_t size = std::min(sizeof(block), words.size());
        if (size < sizeof(block)) {
            block.fill(0);  // a short last block adds zeros
        }
        std::memcpy(block.data(), words.data(), size);
        words = words.subspan(size);
        for (const std::uint32_t raw : block) {
            sum += BigEndian(raw);
        }
    }
    return sum;
}

}  // namespace kalivo
