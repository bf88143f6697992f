#pragma once
// The 470-byte registration record of the PSR-9000 family and the few fields
// the program reads from it; every other byte travels unchanged.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kalivo::psr9000 {

inline constexpr int kBanks = 64;
inline constexpr int kSlots = 8;
inline constexpr std::size_t kRecordSize = 470;
inline constexpr std::size_t kNameSize = 16;
inline constexpr std::size_t kBankHeaderSize = 16;
inline constexpr std::size_t kStyleOffset = 19;
inline constexpr std::size_t kTempoOffset = 376;
// Left, R1, R2, R3: bank MSB, bank LSB, program.
inline constexpr std::array<std::size_t, 4> kVoiceOffsets{141, 267, 285, 303};
inline constexpr int kFirstUserStyle = 125;
inline constexpr int kUserStyleCount = 120;

using Record = std::array<std::uint8_t, kRecordSize>;

// The record of an unused slot: "001" .. "008" and blanks, then zeros.
Record DefaultRecord(int slot);
// Whether bytes can be a record the instrument or this program wrote: the
// exact size, name bytes that are text or the instrument's padding (NUL, 01),
// voice bytes within MIDI's 0..127 and a tempo an instrument can play.
// Random bytes almost never pass.
bool LooksLikeRecord(std::span<const std::uint8_t> bytes);
// Empty when everything after the name equals the default record.
bool IsEmptyRecord(std::span<const std::uint8_t, kRecordSize> record);
// Name bytes up to the first NUL, without the trailing filler the instrument
// leaves (byte 01, blanks, "'", "*", "?"). A view into record: every list
// line reads one, so no string is made until the caller keeps it.
std::string_view RecordName(std::span<const std::uint8_t, kRecordSize> record);
// Clears the name field and copies in at most 16 bytes of name.
void SetRecordName(Record& record, const std::string& name);
std::uint8_t StyleNumber(std::span<const std::uint8_t, kRecordSize> record);
int Tempo(std::span<const std::uint8_t, kRecordSize> record);
struct VoiceKey {
    int msb = 0;
    int lsb = 0;
    int program = 0;
};
// part 0..3 = Left, R1, R2, R3.
VoiceKey Voice(std::span<const std::uint8_t, kRecordSize> record, int part);

// Bank headers: "BANK 01" .. "BANK 64", NUL-padded.
std::array<std::uint8_t, kBankHeaderSize> DefaultBankHeader(int bank);
std::string HeaderText(std::span<const std::uint8_t> header);
void SetHeaderText(std::array<std::uint8_t, kBankHeaderSize>& header, const std::string& text);

}  // namespace kalivo::psr9000
