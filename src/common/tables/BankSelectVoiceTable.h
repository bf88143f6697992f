#pragma once
// The voice tables of the models that name voices by bank select MSB, LSB and
// program (PSR-740, PSR-9000, 9000Pro, PSR-2000, CVP2 Series). The rows live
// in data/voices and are compiled in at build time. Names are Windows-1252.
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "common/voices/VoiceList.h"

namespace kalivo {

enum class BankSelectTableId { Psr740, Psr9000, Psr9000Pro, Psr2000, Cvp2 };

struct BankSelectVoiceRow {
    std::uint8_t program, lsb, msb;
    const char* name;
};

class BankSelectVoiceTable {
public:
    static const BankSelectVoiceTable& For(BankSelectTableId id);

    // The name of the first row (in table order) whose program, LSB and MSB all
    // equal the arguments; else the model's fallback. There is deliberately no
    // fallback to the basic voice of the program.
    std::string VoiceName(int msb, int lsb, int program) const;
    // The same with a voice list over the table: the list's name where it has one.
    std::string VoiceName(int msb, int lsb, int program, const VoiceList* list) const;
    // False when no row matches (name untouched).
    bool Find(int msb, int lsb, int program, std::string& name) const;

    std::span<const BankSelectVoiceRow> Rows() const { return rows_; }
    // Rows of the instrument's own table (761 / 807 / 862 / 871); Rows() may hold fewer.
    int InstrumentRowCount() const { return instrumentRowCount_; }
    bool IsComplete() const { return complete_; }
    const char* Fallback() const { return fallback_; }

    BankSelectVoiceTable(std::span<const BankSelectVoiceRow> rows, int instrumentRowCount, bool complete,
                         const char* fallback);

private:
    const BankSelectVoiceRow* FindRow(int msb, int lsb, int program) const;

    std::span<const BankSelectVoiceRow> rows_;
    // (MSB, LSB, program) as one key beside its row, in key order and, within
    // a key, in table order: a protocol looks up four voices a registration.
    std::vector<std::pair<std::uint32_t, const BankSelectVoiceRow*>> index_;
    int instrumentRowCount_;
    bool complete_;
    const char* fallback_;
};

}  // namespace kalivo
