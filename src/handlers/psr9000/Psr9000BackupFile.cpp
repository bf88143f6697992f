#include "handlers/psr9000/Psr9000BackupFile.h"

#include <algorithm>
#include <memory>

#include "common/ByteReader.h"
#include "common/ByteWriter.h"

namespace kalivo {

using namespace psr9000;

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
    // A quarter megabyte: kept off the stack, and only committed once whole.
    auto read = std::make_unique<Psr9000BankTable>();
    ByteReader reader(bytes);
    std::span<const std::uint8_t> field;
    reader.ReadBytes(kHeaderSize, field);
    std::copy(field.begin(), field.end(), read->header.begin());
    for (Psr9000Bank& bank : read->banks) {
        reader.ReadBytes(kBankHeaderSize, field);
        std::copy(field.begin(), field.end(), bank.header.begin());
        for (Psr9000Slot& slot : bank.slots) {
            reader.ReadBytes(kRecordSize, field);
            std::copy(field.begin(), field.end(), slot.record.begin());
            slot.empty = IsEmptyRecord(slot.record);
        }
        bank.used = bank.HasRegistrations();
    }
    table = *read;
    return true;
}

std::vector<std::uint8_t> Psr9000BackupFile::Write(const Psr9000BankTable& table) {
    ByteWriter writer;
    writer.Bytes(table.header);
    for (const Psr9000Bank& bank : table.banks) {
        writer.Bytes(bank.header);
        for (const Psr9000Slot& slot : bank.slots) {
            writer.Bytes(slot.record);
        }
    }
    writer.U32(Checksum(writer.Bytes()));
    return writer.Take();
}

std::uint32_t Psr9000BackupFile::Checksum(std::span<const std::uint8_t> bytes) {
    std::uint32_t sum = 0;
    for (std::size_t at = kHeaderSize; at + 4 <= std::min(bytes.size(), kDataEnd); at += 4) {
        sum += ByteReader::U32At(bytes, at);
    }
    return sum;
}

}  // namespace kalivo
