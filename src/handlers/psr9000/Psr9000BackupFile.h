#pragma once
// The registration backup file: a 24-byte header, 64 banks of a 16-byte
// header and eight 470-byte records, and a checksum over the banks.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "handlers/psr9000/Psr9000BankTable.h"

namespace kalivo {

class Psr9000BackupFile {
public:
    static constexpr std::size_t kHeaderSize = 24;
    static constexpr std::size_t kBankSize = psr9000::kBankHeaderSize + psr9000::kSlots * psr9000::kRecordSize;
    static constexpr std::size_t kDataEnd = kHeaderSize + psr9000::kBanks * kBankSize;  // 241688
    static constexpr std::size_t kFileSize = kDataEnd + 4;

    enum class Verdict { Sound, TooShort, TooLong, ChecksumWrong };
    // What the bytes are, before anything is read from them: the instrument
    // writes every file at the same size, with the checksum of its banks.
    static Verdict Inspect(std::span<const std::uint8_t> bytes);
    // False (table untouched) unless bytes are a whole file. The checksum is
    // not looked at: whether a damaged file is read is the person's choice.
    // Every registration read is marked as coming from origin.
    static bool Read(std::span<const std::uint8_t> bytes, Psr9000BankTable& table,
                     const std::shared_ptr<const Psr9000BackupOrigin>& origin = nullptr);
    // The whole file, with the checksum of what is written.
    static std::vector<std::uint8_t> Write(const Psr9000BankTable& table);
    // The same into bytes, whose memory is reused when it has the size already
    // (a caller writing many files, such as a fuzzer, allocates once).
    static void WriteInto(const Psr9000BankTable& table, std::vector<std::uint8_t>& bytes);
    // Sum modulo 2^32 of the big-endian words from the end of the header to kDataEnd.
    static std::uint32_t Checksum(std::span<const std::uint8_t> bytes);
};

}  // namespace kalivo
