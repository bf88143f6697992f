#pragma once
// Byte layout of the Tyros bank files (".rgt"), regfiles (".tyr") and of one
// registration inside them. All numbers are big-endian.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kalivo::tyros {

using Bytes64 = std::array<std::uint8_t, 64>;

inline constexpr int kMaxBanks = 512;
inline constexpr int kPartsPerBank = 8;

// Registration blocks ("BHd" 0) and setting blocks ("GPm" type) share a
// six-byte head: four bytes of id, then the payload length as u16.
inline constexpr std::size_t kHeadSize = 6;
inline constexpr std::size_t kMaxPayload = 0xFFFF;
inline constexpr std::string_view kRegistrationId{"BHd\0", 4};
inline constexpr std::string_view kSettingId{"GPm", 3};

// Setting types 0..47 have a slot of their own; later models write types up
// to about 71, which are carried along after type 47.
inline constexpr int kSlotCount = 48;

namespace type {
inline constexpr int kName = 1;
inline constexpr int kSongName = 5;
inline constexpr int kStyleNumber = 7;
inline constexpr int kStylePath = 9;
inline constexpr int kRight1 = 11;
inline constexpr int kRight2 = 15;
inline constexpr int kLeft = 19;
inline constexpr int kRight3 = 23;
inline constexpr int kMultipadNumber = 36;
inline constexpr int kMultipadPath = 37;
inline constexpr int kHarmony = 38;
inline constexpr int kTempo = 41;
}  // namespace type

// Byte positions inside a setting block, counted from its first head byte.
inline constexpr std::size_t kPayloadStart = 6;
inline constexpr std::size_t kTextAfterLength = 8;  // song name, style and multi pad paths
inline constexpr std::size_t kTempoAt = 10;
inline constexpr std::size_t kNameWidth = 16;
inline constexpr std::uint16_t kFromFile = 0xFFFF;   // style or multi pad number: taken from a file

// The voice parts in the order in which names are worked out and warned about.
enum class VoicePart { Right1, Right2, Right3, Left };
inline constexpr std::array<VoicePart, 4> kVoiceParts{VoicePart::Right1, VoicePart::Right2, VoicePart::Right3,
                                                      VoicePart::Left};
inline constexpr int kVoiceOnAt = 6;
inline constexpr int kVoiceMsbAt = 7;
inline constexpr int kVoiceLsbAt = 8;
inline constexpr int kVoiceProgramAt = 9;

constexpr int VoiceType(VoicePart part) {
    constexpr std::array<int, 4> types{type::kRight1, type::kRight2, type::kRight3, type::kLeft};
    return types[static_cast<std::size_t>(part)];
}

// The fourteen setting groups in presence order; group g sets bit 1 << g.
inline constexpr int kGroupCount = 14;
struct SettingGroup {
    int first;  // setting types first..last set the group's bit
    int last;
};
inline constexpr std::array<SettingGroup, kGroupCount> kGroups{{
    {7, 9},    // Style
    {11, 11},  // Right1
    {15, 15},  // Right2
    {23, 23},  // Right3
    {19, 19},  // Left
    {39, 39},  // Tune Trans
    {40, 40},  // Scale
    {38, 38},  // Harmony
    {41, 41},  // Tempo
    {42, 42},  // Pedal
    {36, 37},  // Multipad
    {3, 5},    // Song
    {43, 45},  // Mic
    {47, 47},  // Line Out
}};
namespace group {
inline constexpr int kStyle = 0;
inline constexpr int kRight1 = 1;
inline constexpr int kLeft = 4;
inline constexpr int kTuneTrans = 5;
inline constexpr int kScale = 6;
inline constexpr int kHarmony = 7;
inline constexpr int kTempo = 8;
inline constexpr int kPedal = 9;
inline constexpr int kMultipad = 10;
inline constexpr int kSong = 11;
inline constexpr int kMic = 12;
inline constexpr int kLineOut = 13;
}  // namespace group

// Bank file: 64-byte header, eight registration blocks, "FEnd" 0 0.
inline constexpr std::size_t kBankHeaderSize = 64;
inline constexpr std::string_view kBankMagic{"SpfF"};
inline constexpr std::string_view kBankMagic2{"RGST"};
inline constexpr std::size_t kBankMagic2At = 8;
inline constexpr std::size_t kBankLengthAt = 16;
inline constexpr std::size_t kBankBlockShapeAt = 21;
inline constexpr std::uint8_t kBlocksAllSameLength = 0x34;
inline constexpr std::uint8_t kBlocksDiffer = 0x3E;
inline constexpr std::size_t kSequenceAt = 28;
inline constexpr std::size_t kSequenceSteps = 34;
inline constexpr std::size_t kSequenceEndAt = 63;
inline constexpr std::uint8_t kSequenceStop = 0xFF;
inline constexpr std::array<std::uint8_t, 6> kTrailer{'F', 'E', 'n', 'd', 0, 0};

inline constexpr Bytes64 kBankHeaderTemplate{
    0x53, 0x70, 0x66, 0x46, 0x00, 0x10, 0x0A, 0xD9, 0x52, 0x47, 0x53, 0x54, 0x00, 0x00, 0x00, 0x07,
    0x00, 0x00, 0x00, 0x76, 0x15, 0x34, 0x42, 0x48, 0x64, 0x01, 0x00, 0x24, 0xFF, 0xFF, 0xFF, 0xFF,
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

// Regfile: 64-byte header (bank name and part of origin), one registration block.
inline constexpr std::size_t kRegfileHeaderSize = 64;
inline constexpr std::string_view kRegfileMagic{"RegF"};
inline constexpr std::size_t kRegfileNameLengthAt = 6;
inline constexpr std::size_t kRegfileNameAt = 8;
inline constexpr std::size_t kRegfileNameWidth = 24;
inline constexpr std::size_t kRegfilePartAt = 32;

inline constexpr Bytes64 kRegfileHeaderTemplate{
    0x52, 0x65, 0x67, 0x46, 0x00, 0x3A, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

}  // namespace kalivo::tyros
