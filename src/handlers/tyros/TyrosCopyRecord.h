#pragma once
// What Copy Registration Settings transfers: for each setting type either the
// source's block, or, when the source has none, the order to remove that type
// from the destination.
#include <array>
#include <cstdint>
#include <vector>

#include "handlers/tyros/TyrosFormat.h"

namespace kalivo {

class TyrosRegistration;

class TyrosCopyRecord {
public:
    // Choices in dialog order: Style, Style-Path, Right1, Right2, Right3,
    // Left, Multipad, Tempo, Tune Trans, Scale, Harmony, Pedal, Song, Mic,
    // Line Out. Missing flags count as not chosen.
    static constexpr int kChoiceCount = 15;
    static bool AnyChosen(const std::vector<bool>& choices);

    // destinationEmpty: the destination also gets the source's name blocks.
    TyrosCopyRecord(const TyrosRegistration& source, const std::vector<bool>& choices, bool destinationEmpty);

    bool Carries(int type) const { return !bytes_[Index(type)].empty(); }
    const std::vector<std::uint8_t>& BytesOf(int type) const { return bytes_[Index(type)]; }
    bool Clears(int type) const { return clear_[Index(type)]; }

private:
    static std::size_t Index(int type) { return static_cast<std::size_t>(type); }
    void Take(const TyrosRegistration& source, int first, int last);

    std::array<bool, tyros::kSlotCount> clear_{};
    std::array<std::vector<std::uint8_t>, tyros::kSlotCount> bytes_;
};

}  // namespace kalivo
