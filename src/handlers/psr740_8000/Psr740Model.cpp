#include "handlers/psr740_8000/Psr740Model.h"

#include <algorithm>
#include <array>

#include "common/ByteReader.h"
#include "common/tables/BankSelectVoiceTable.h"
#include "common/tables/Psr8000VoiceList.h"
#include "common/tables/StyleList.h"

namespace kalivo {

namespace {

void PutText(std::span<std::uint8_t> record, std::size_t at, std::string_view text) {
    std::copy(text.begin(), text.end(), record.begin() + static_cast<std::ptrdiff_t>(at));
}

// The PSR-740 keeps its voices as bank select MSB, LSB and program.
std::optional<BankSelectKey> Psr740VoiceKey(std::span<const std::uint8_t> record, int part) {
    static constexpr std::array<std::size_t, 3> kAt{151, 119, 135};  // Left, Right 1, Right 2
    if (part < 0 || part >= static_cast<int>(kAt.size())) {
        return std::nullopt;  // the instrument has no fourth part
    }
    const std::size_t at = kAt[static_cast<std::size_t>(part)];
    return BankSelectKey{ByteReader::U8At(record, at), ByteReader::U8At(record, at + 1), ByteReader::U8At(record, at + 2)};
}

std::string Psr740Voice(std::span<const std::uint8_t> record, int part, const VoiceList* list) {
    const auto key = Psr740VoiceKey(record, part);
    if (!key) {
        return "***********";
    }
    return BankSelectVoiceTable::For(BankSelectTableId::Psr740).VoiceName(key->msb, key->lsb, key->program, list);
}

std::string Psr8000Voice(std::span<const std::uint8_t> record, int part, const VoiceList* /*list*/) {
    if (part < 0 || part > 3) {
        return "?";
    }
    return Psr8000VoiceList::VoiceName(ByteReader::U16At(record, 2 * static_cast<std::size_t>(part)));
}

std::optional<BankSelectKey> Psr8000VoiceKey(std::span<const std::uint8_t> /*record*/, int /*part*/) {
    return std::nullopt;  // voice numbers, not bank select
}

// Digits written by hand: a load puts the default into every slot first.
void PutDigits(std::span<std::uint8_t> record, std::size_t at, int value, int count) {
    for (int i = count - 1; i >= 0; --i, value /= 10) {
        record[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>('0' + value % 10);
    }
}

void Psr740Default(std::span<std::uint8_t> record, int bank, int slot) {
    static constexpr std::array<std::uint8_t, 10> kCarried{0x00, 0x00, 0x01, 0x15, 0, 0, 0, 0, 0, 0};
    std::fill(record.begin(), record.end(), 0);
    PutText(record, 0, "REG");
    PutDigits(record, 3, (bank * 4 + slot) % 1000, 3);
    std::copy(kCarried.begin(), kCarried.end(), record.begin() + 6);
    PutText(record, 16, "Regist00        ");
    PutDigits(record, 22, (bank + 1) % 100, 2);
}

void Psr8000Default(std::span<std::uint8_t> record, int /*bank*/, int /*slot*/) {
    std::fill(record.begin(), record.end(), 0);
    PutText(record, 156, "Registration    ");
}

// "REG", the number digits of one of the 128 registrations, and voices of
// three 7-bit MIDI numbers each.
bool Psr740FieldsSound(std::span<const std::uint8_t> record) {
    if (record.size() < 287 || record[0] != 'R' || record[1] != 'E' || record[2] != 'G') {
        return false;
    }
    int number = 0;
    for (std::size_t i = 3; i < 6; ++i) {
        if (record[i] < '0' || record[i] > '9') {
            return false;
        }
        number = number * 10 + (record[i] - '0');
    }
    for (const std::size_t at : {119u, 135u, 151u}) {
        if (record[at] > 0x7F || record[at + 1] > 0x7F || record[at + 2] > 0x7F) {
            return false;
        }
    }
    return number < 128;
}

// Voice numbers as the voice list reads them: a list entry, the organ flute,
// or one of the custom voices.
bool Psr8000FieldsSound(std::span<const std::uint8_t> record) {
    if (record.size() < 316) {
        return false;
    }
    for (std::size_t part = 0; part < 4; ++part) {
        const std::uint16_t number = ByteReader::U16At(record, 2 * part);
        const bool custom = (number & 0x8000) != 0 && (number & 0x7FE0) == 0;
        if (number >= Psr8000VoiceList::Count() && number != 0x4000 && !custom) {
            return false;
        }
    }
    return true;
}

}  // namespace

const Psr740Model& Psr740Model::Psr740() {
    static const Psr740Model model{
        "PSR-740", "Ver0.59Rev0.00", 7, "00040960", "Ver1.00Rev0.00", "00036864", "Regist01", true, 0,
        32, 4, 287, 16, true, 32, 16, 37, 32, 3,
        160, 3,
        ".p74", "PSR-740", "PSR-740  Registration Archive",
        Psr740Voice, Psr740VoiceKey, &StyleList::Psr740, Psr740Default, Psr740FieldsSound,
    };
    return model;
}

const Psr740Model& Psr740Model::Psr8000() {
    static const Psr740Model model{
        "PSR-8000", "Ver0.67Rev0.00", 8, "00053760", "Ver0.01Rev0.01", "00002689", "", false, 33,
        16, 8, 316, 156, false, 0, 0, 152, 200, 4,
        214, 16,
        ".p8k", "PSR-8000", "PSR-8000 Registration Archive",
        Psr8000Voice, Psr8000VoiceKey, &StyleList::Psr8000, Psr8000Default, Psr8000FieldsSound,
    };
    return model;
}

const Psr740Model& Psr740Model::Other() const { return this == &Psr740() ? Psr8000() : Psr740(); }

}  // namespace kalivo
