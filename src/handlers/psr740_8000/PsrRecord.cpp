#include "handlers/psr740_8000/PsrRecord.h"

#include <algorithm>

#include "common/ByteReader.h"

namespace kalivo {

std::string PsrRecord::Title(const PsrModel& model, std::span<const std::uint8_t> record) {
    if (!ByteReader::Has(record, model.titleOffset, kTitleWidth)) {
        return std::string();
    }
    const auto field = record.subspan(model.titleOffset, kTitleWidth);
    std::string title(field.begin(), std::find(field.begin(), field.end(), 0));
    title.erase(title.find_last_not_of(' ') + 1);
    return title;
}

void PsrRecord::SetTitle(const PsrModel& model, std::span<std::uint8_t> record, const std::string& name) {
    if (!ByteReader::Has(record, model.titleOffset, kTitleWidth)) {
        return;
    }
    const auto field = record.subspan(model.titleOffset, kTitleWidth);
    std::fill(field.begin(), field.end(), 0);
    std::copy_n(name.begin(), std::min(name.size(), kTitleWidth), field.begin());
}

int PsrRecord::Tempo(const PsrModel& model, std::span<const std::uint8_t> record) {
    return ByteReader::U16At(record, model.tempoOffset);
}

int PsrRecord::StyleNumber(const PsrModel& model, std::span<const std::uint8_t> record) {
    return ByteReader::U8At(record, model.styleOffset);
}

std::string PsrRecord::RegfileTitle(const PsrModel& model, std::span<const std::uint8_t> record) {
    std::string title = Title(model, record);
    title.erase(title.find_last_not_of(std::string(" ?*'\x01")) + 1);
    return title;
}

}  // namespace kalivo
