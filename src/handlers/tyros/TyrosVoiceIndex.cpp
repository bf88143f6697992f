#include "handlers/tyros/TyrosVoiceIndex.h"

#include <algorithm>

namespace kalivo {

TyrosVoiceIndex::TyrosVoiceIndex(std::span<const TyrosVoiceRow> rows) : rows_(rows) {
    entries_.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        entries_.push_back({KeyOf(rows[i].program, rows[i].lsb, rows[i].msb), static_cast<std::uint32_t>(i)});
    }
    // Stable, so among equal keys the earliest row comes first and survives unique.
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const Entry& a, const Entry& b) { return a.key < b.key; });
    const auto last = std::unique(entries_.begin(), entries_.end(),
                                  [](const Entry& a, const Entry& b) { return a.key == b.key; });
    entries_.erase(last, entries_.end());
}

std::uint32_t TyrosVoiceIndex::KeyOf(int program, int lsb, int msb) {
    return static_cast<std::uint32_t>(msb) << 16 | static_cast<std::uint32_t>(lsb) << 8 |
           static_cast<std::uint32_t>(program);
}

const TyrosVoiceRow* TyrosVoiceIndex::Find(int program, int lsb, int msb) const {
    const auto inByte = [](int v) { return v >= 0 && v <= 255; };
    if (!inByte(program) || !inByte(lsb) || !inByte(msb)) {
        return nullptr;
    }
    const std::uint32_t key = KeyOf(program, lsb, msb);
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), key,
                                     [](const Entry& e, std::uint32_t k) { return e.key < k; });
    if (it == entries_.end() || it->key != key) {
        return nullptr;
    }
    return &rows_[it->row];
}

}  // namespace kalivo
