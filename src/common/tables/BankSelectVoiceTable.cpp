#include "common/tables/BankSelectVoiceTable.h"

#include <algorithm>

#include "common/tables/NameTableData.h"

namespace kalivo {
namespace {

std::uint32_t Key(int msb, int lsb, int program) {
    return static_cast<std::uint32_t>(msb) << 16 | static_cast<std::uint32_t>(lsb) << 8 |
           static_cast<std::uint32_t>(program);
}

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

BankSelectVoiceTable::BankSelectVoiceTable(std::span<const BankSelectVoiceRow> rows, int instrumentRowCount,
                                           bool complete, const char* fallback)
    : rows_(rows), instrumentRowCount_(instrumentRowCount), complete_(complete), fallback_(fallback) {
    index_.reserve(rows.size());
    for (const BankSelectVoiceRow& row : rows) {
        index_.emplace_back(Key(row.msb, row.lsb, row.program), &row);
    }
    // Stable, so that the first row of a key that occurs twice is found.
    std::stable_sort(index_.begin(), index_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
}

const BankSelectVoiceRow* BankSelectVoiceTable::FindRow(int msb, int lsb, int program) const {
    const auto isByte = [](int value) { return value >= 0 && value <= 0xFF; };
    if (!isByte(msb) || !isByte(lsb) || !isByte(program)) {
        return nullptr;  // no row holds such a value
    }
    const std::uint32_t key = Key(msb, lsb, program);
    const auto found = std::lower_bound(index_.begin(), index_.end(), key,
                                        [](const auto& entry, std::uint32_t k) { return entry.first < k; });
    return found != index_.end() && found->first == key ? found->second : nullptr;
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
