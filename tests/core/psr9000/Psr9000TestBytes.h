#pragma once
// Builders for PSR-9000 family files in tests, fuzz seeds and the examples:
// registration records, bank tables and style backups.
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "handlers/psr9000/Psr9000BankTable.h"
#include "handlers/psr9000/Psr9000Record.h"

namespace kalivo::test::psr9000_bytes {

struct Voice {
    std::uint8_t msb = 0, lsb = 0, program = 0;
};

// A registration with a name, a style, a tempo and the Left, R1, R2, R3 voices.
inline psr9000::Record Registration(const std::string& name, std::uint8_t style, std::uint16_t tempo,
                                    std::array<Voice, 4> voices = {}) {
    psr9000::Record record{};
    psr9000::SetRecordName(record, name);
    record[psr9000::kStyleOffset] = style;
    record[psr9000::kTempoOffset] = static_cast<std::uint8_t>(tempo >> 8);
    record[psr9000::kTempoOffset + 1] = static_cast<std::uint8_t>(tempo & 0xFF);
    for (std::size_t part = 0; part < voices.size(); ++part) {
        const std::size_t at = psr9000::kVoiceOffsets[part];
        record[at] = voices[part].msb;
        record[at + 1] = voices[part].lsb;
        record[at + 2] = voices[part].program;
    }
    // A byte the program does not interpret, to see that it travels.
    record[400] = 0x5A;
    return record;
}

// Puts a registration into a table as a loaded backup would hold it.
inline void Put(Psr9000BankTable& table, int bank, int slot, const psr9000::Record& record) {
    Psr9000Bank& target = table.banks[static_cast<std::size_t>(bank)];
    target.slots[static_cast<std::size_t>(slot)] = Psr9000Slot{psr9000::IsEmptyRecord(record), record, nullptr};
    target.used = target.HasRegistrations();
}

inline void NameBank(Psr9000BankTable& table, int bank, const std::string& name) {
    psr9000::SetHeaderText(table.banks[static_cast<std::size_t>(bank)].header, name);
}

// One 512-byte style record; valid ones carry 24, 8 in bytes 6 and 7.
inline void AppendStyleRecord(std::vector<std::uint8_t>& bytes, const std::string& name, bool valid = true) {
    std::vector<std::uint8_t> record(512, 0);
    record[6] = valid ? 24 : 23;
    record[7] = 8;
    std::memcpy(record.data() + 16, name.data(), std::min<std::size_t>(name.size(), 16));
    bytes.insert(bytes.end(), record.begin(), record.end());
}

// A style backup naming the first user styles; the rest read "No Data".
inline std::vector<std::uint8_t> StyleBackup(const std::vector<std::string>& names) {
    std::vector<std::uint8_t> bytes(16, 0);
    for (std::size_t i = 0; i < 120; ++i) {
        AppendStyleRecord(bytes, i < names.size() ? names[i] : "No Data");
    }
    return bytes;
}

}  // namespace kalivo::test::psr9000_bytes
