#include "handlers/psr9000/Psr9000Record.h"

#include <algorithm>
#include <cstring>

#include "common/ByteReader.h"
#include "common/Format.h"

namespace kalivo::psr9000 {

namespace {

bool IsNameFiller(char c) { return c == '\x01' || c == ' ' || c == '\'' || c == '*' || c == '?'; }

// Bytes up to the first NUL of a fixed text field.
std::string_view FieldText(std::span<const std::uint8_t> field) {
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    return {reinterpret_cast<const char*>(field.data()), static_cast<std::size_t>(end - field.begin())};
}

constexpr int kMaxTempo = 500;
constexpr std::uint8_t kMaxMidiData = 0x7F;

bool IsNameByte(std::uint8_t b) { return b == 0x00 || b == 0x01 || (b >= 0x20 && b != 0x7F); }

}  // namespace

bool LooksLikeRecord(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != kRecordSize) {
        return false;
    }
    const auto record = bytes.first<kRecordSize>();
    const bool voicesAreMidi = std::all_of(kVoiceOffsets.begin(), kVoiceOffsets.end(), [&](std::size_t at) {
        return record[at] <= kMaxMidiData && record[at + 1] <= kMaxMidiData && record[at + 2] <= kMaxMidiData;
    });
    return std::all_of(record.begin(), record.begin() + kNameSize, IsNameByte) && voicesAreMidi &&
           Tempo(record) <= kMaxTempo;
}

Record DefaultRecord(int slot) {
    Record record{};
    std::memset(record.data(), ' ', kNameSize);
    record[0] = '0';
    record[1] = '0';
    record[2] = static_cast<std::uint8_t>('1' + slot);
    return record;
}

bool IsEmptyRecord(std::span<const std::uint8_t, kRecordSize> record) {
    // The default record holds zeros after the name, whatever the slot.
    return std::all_of(record.begin() + kNameSize, record.end(), [](std::uint8_t b) { return b == 0; });
}

std::string_view RecordName(std::span<const std::uint8_t, kRecordSize> record) {
    std::string_view name = FieldText(record.first(kNameSize));
    while (!name.empty() && IsNameFiller(name.back())) {
        name.remove_suffix(1);
    }
    return name;
}

void SetRecordName(Record& record, const std::string& name) {
    std::memset(record.data(), 0, kNameSize);
    std::memcpy(record.data(), name.data(), std::min(name.size(), kNameSize));
}

std::uint8_t StyleNumber(std::span<const std::uint8_t, kRecordSize> record) { return record[kStyleOffset]; }

int Tempo(std::span<const std::uint8_t, kRecordSize> record) { return ByteReader::U16At(record, kTempoOffset); }

VoiceKey Voice(std::span<const std::uint8_t, kRecordSize> record, int part) {
    const std::size_t at = kVoiceOffsets.at(static_cast<std::size_t>(part));
    return VoiceKey{record[at], record[at + 1], record[at + 2]};
}

std::array<std::uint8_t, kBankHeaderSize> DefaultBankHeader(int bank) {
    std::array<std::uint8_t, kBankHeaderSize> header{};
    SetHeaderText(header, FormatNumbers("BANK %02i", bank + 1));
    return header;
}

std::string HeaderText(std::span<const std::uint8_t> header) {
    std::string_view text = FieldText(header.first(std::min(header.size(), kBankHeaderSize)));
    return std::string(text.substr(0, text.find_last_not_of(' ') + 1));
}

void SetHeaderText(std::array<std::uint8_t, kBankHeaderSize>& header, const std::string& text) {
    header.fill(0);
    std::memcpy(header.data(), text.data(), std::min(text.size(), kBankHeaderSize));
}

}  // namespace kalivo::psr9000
