#pragma once
// The fixed numbers of the S917 registration bank files and of the
// registration blocks inside them, shared by the CVP2 Series and PSR-2000.
#include <array>
#include <cstddef>
#include <cstdint>

namespace kalivo::s917 {

inline constexpr std::size_t kHeaderSize = 112;  // bank file header and block header alike
inline constexpr int kSlotsPerBank = 8;
inline constexpr int kMaxBanks = 10;
inline constexpr int kGpCount = 24;
inline constexpr std::uint32_t kAbsent = 0xFFFFFFFFu;

// Bank file header.
inline constexpr std::size_t kModelAt = 16;
inline constexpr std::size_t kModelSize = 8;
inline constexpr std::size_t kSlotTableAt = 32;

// Registration block header.
inline constexpr std::size_t kLengthAt = 6;  // u16, so a block holds at most kMaxBlockLength bytes
inline constexpr std::size_t kMaxBlockLength = 0xFFFF;
inline constexpr std::size_t kBlockCountAt = 8;
inline constexpr std::size_t kLocationsAt = 16;

// The fixed size of each GP block type; a rebuilt block packs them in this order.
inline constexpr std::array<std::size_t, kGpCount> kGpSize{
    80, 16, 0, 160, 112, 112, 112, 160, 16, 32, 16, 16, 48, 16, 32, 0, 272, 272, 32, 32, 32, 0, 0, 0,
};

namespace gp {
inline constexpr int kName = 0;
inline constexpr int kMain = 4;
inline constexpr int kLayer = 5;
inline constexpr int kLeft = 6;
inline constexpr int kTempo = 11;
inline constexpr int kStylePath = 16;
inline constexpr int kMultiPadPath = 17;
}  // namespace gp

// Positions inside a GP block.
inline constexpr std::size_t kNameAt = 8;
inline constexpr std::size_t kNameSize = 16;
inline constexpr std::size_t kPathAt = 8;
inline constexpr std::size_t kTempoAt = 12;
inline constexpr std::size_t kVoiceMsbAt = 9;  // then LSB, then program

// The eleven settings of a registration, in the order of the settings mask.
enum Setting { Style, Main, Layer, Left, TuneTrans, Scale, Harmony, Tempo, Pedal, MultiPad, SongMic };
inline constexpr int kSettingCount = 11;
// The GP block whose presence sets each setting's bit.
inline constexpr std::array<int, kSettingCount> kSettingBlock{16, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14};

}  // namespace kalivo::s917
