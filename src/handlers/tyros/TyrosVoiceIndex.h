#pragma once
// A sorted index over a voice table, so a lookup does not scan every row. The
// table is not sorted and some keys occur more than once; the index keeps the
// first row of each key, which is the row a scan in table order would find.
#include <cstdint>
#include <span>
#include <vector>

#include "handlers/tyros/TyrosTables.h"

namespace kalivo {

class TyrosVoiceIndex {
public:
    explicit TyrosVoiceIndex(std::span<const TyrosVoiceRow> rows);

    // nullptr when no row has this key (numbers outside 0..255 never match).
    const TyrosVoiceRow* Find(int program, int lsb, int msb) const;

private:
    struct Entry {
        std::uint32_t key;
        std::uint32_t row;
    };

    static std::uint32_t KeyOf(int program, int lsb, int msb);

    std::span<const TyrosVoiceRow> rows_;
    std::vector<Entry> entries_;  // ascending keys, each key once
};

}  // namespace kalivo
