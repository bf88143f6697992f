#include "common/tables/BankSelectVoiceTable.h"

#include "common/tables/NameTableData.h"

namespace kalivo {
namespace {

BankSelectVoiceTable Make(const detail::BankSelectTableData& data, const char* fallback) {
    return BankSelectVoiceTable(data.rows, data.instrumentRowCount, data.complete, fallback);
}

}  // namespace

const BankSelectVoiceTable& BankSelectVoiceTable::For(BankSelectTableId id) {
    const detail::NameTableData& data = detail::GeneratedNameTables();
    static const BankSelectVoiceTable psr740 = Make(data.psr740, "?");
    static const BankSelectVoiceTable psr9000 = Make(data.psr9000, "?");
    static const BankSelectVoiceTable psr9000Pro = Make(data.psr9000Pro, "?");
    static const BankSelectVoiceTable psr2000 = Make(data.psr2000, "no voice");
    static const BankSelectVoiceTable cvp2 = Make(data.cvp2, "no voice");
    switch (id) {
        case BankSelectTableId::Psr740: return psr740;
        case BankSelectTableId::Psr9000: return psr9000;
        case BankSelectTableId::Psr9000Pro: return psr9000Pro;
        case BankSelectTableId::Psr2000: return psr2000;
        case BankSelectTableId::Cvp2: return cvp2;
    }
    return psr740;
}

// A plain scan: the tables hold well under a thousand rows and the first
// match must win where a key occurs twice.
const BankSelectVoiceRow* BankSelectVoiceTable::FindRow(int msb, int lsb, int program) const {
    for (const BankSelectVoiceRow& row : rows_) {
        if (row.program == program && row.lsb == lsb && row.msb == msb) {
            return &row;
        }
    }
    return nullptr;
}

bool BankSelectVoiceTable::Find(int msb, int lsb, int program, std::string& name) const {
    const BankSelectVoiceRow* row = FindRow(msb, lsb, program);
    if (row == nullptr) {
        return false;
    }
    name = row->name;
    return true;
}

std::string BankSelectVoiceTable::VoiceName(int msb, int lsb, int program) const {
    const BankSelectVoiceRow* row = FindRow(msb, lsb, program);
    return row != nullptr ? std::string(row->name) : std::string(fallback_);
}

std::string BankSelectVoiceTable::VoiceName(int msb, int lsb, int program, const VoiceList* list) const {
    std::string name;
    if (list != nullptr && list->Find(msb, lsb, program, name)) {
        return name;
    }
    return VoiceName(msb, lsb, program);
}

}  // namespace kalivo
