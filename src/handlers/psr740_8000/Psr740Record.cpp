#include "handlers/psr740_8000/Psr740Record.h"

#include <algorithm>

#include "common/ByteReader.h"

namespace kalivo {

namespace {

// Above the fastest tempo of either instrument; 0 is the default registration's.
constexpr int kMaxTempo = 300;

// Text up to the first NUL, only NUL bytes after it. Control characters are
// no text, except 0x01, which instrument titles carry at their end.
bool IsTitleField(std::span<const std::uint8_t> field) {
    const auto end = std::find(field.begin(), field.end(), 0);
    const bool text = std::all_of(field.begin(), end, [](std::uint8_t c) { return c == 0x01 || (c >= 0x20 && c != 0x7F); });
    return text && std::all_of(end, field.end(), [](std::uint8_t c) { return c == 0; });
}

}  // namespace

std::string Psr740Record::Title(const Psr740Model& model, std::span<const std::uint8_t> record) {
    if (!ByteReader::Has(record, model.titleOffset, kTitleWidth)) {
        return std::string();
    }
    const auto field = record.subspan(model.titleOffset, kTitleWidth);
    std::string title(field.begin(), std::find(field.begin(), field.end(), 0));
    title.erase(title.find_last_not_of(' ') + 1);
    return title;
}

void Psr740Record::SetTitle(const Psr740Model& model, std::span<std::uint8_t> record, const std::string& name) {
    if (!ByteReader::Has(record, model.titleOffset, kTitleWidth)) {
        return;
    }
    const auto field = record.subspan(model.titleOffset, kTitleWidth);
    std::fill(field.begin(), field.end(), 0);
    std::copy_n(name.begin(), std::min(name.size(), kTitleWidth), field.begin());
}

int Psr740Record::Tempo(const Psr740Model& model, std::span<const std::uint8_t> record) {
    return ByteReader::U16At(record, model.tempoOffset);
}

int Psr740Record::StyleNumber(const Psr740Model& model, std::span<const std::uint8_t> record) {
    return ByteReader::U8At(record, model.styleOffset);
}

bool Psr740Record::IsSound(const Psr740Model& model, std::span<const std::uint8_t> record) {
    return record.size() == model.recordSize && model.ownFieldsSound(record) && Tempo(model, record) <= kMaxTempo &&
           IsTitleField(record.subspan(model.titleOffset, kTitleWidth));
}

std::string Psr740Record::RegfileTitle(const Psr740Model& model, std::span<const std::uint8_t> record) {
    std::string title = Title(model, record);
    title.erase(title.find_last_not_of(std::string(" ?*'\x01")) + 1);
    return title;
}

}  // namespace kalivo
