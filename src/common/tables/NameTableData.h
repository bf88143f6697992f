#pragma once
// What the generated source provides (see data/voices, data/styles). Only the
// table classes beside this file read it.
#include <span>

#include "common/tables/BankSelectVoiceTable.h"

namespace kalivo::detail {

struct BankSelectTableData {
    std::span<const BankSelectVoiceRow> rows;
    int instrumentRowCount;
    bool complete;
};

struct NameTableData {
    BankSelectTableData psr740, psr9000, psr9000Pro, psr2000, cvp2;
    std::span<const char* const> psr8000Voices;
    std::span<const char* const> psr740Styles;
    std::span<const char* const> psr8000Styles;
};

const NameTableData& GeneratedNameTables();

}  // namespace kalivo::detail
