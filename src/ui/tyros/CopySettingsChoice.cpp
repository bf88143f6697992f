#include "ui/tyros/CopySettingsChoice.h"

#include <algorithm>

namespace kalivo {
namespace {

// Presence texts come in the order Style, Right1, Right2, Right3, Left,
// Tune Trans, Scale, Harmony, Tempo, Pedal, Multipad, Song, Mic, Line Out;
// the boxes in the order of the copy flags.
constexpr std::array<std::size_t, kTyrosCopyChoices> kGroupOfChoice{
    0,   // Style
    0,   // Style-Path
    1,   // Right1
    2,   // Right2
    3,   // Right3
    4,   // Left
    10,  // Multipad
    8,   // Tempo
    5,   // Tune Trans
    6,   // Scale
    7,   // Harmony
    9,   // Pedal
    11,  // Song
    12,  // Mic
    13,  // Line Out
};

bool IsChoice(int choice) { return choice >= 0 && choice < kTyrosCopyChoices; }

}  // namespace

CopySettingsChoice::CopySettingsChoice(const CopySettingsRequest& request) : presence_(request.presence) {}

std::size_t CopySettingsChoice::GroupOf(int choice) { return kGroupOfChoice.at(static_cast<std::size_t>(choice)); }

const std::string& CopySettingsChoice::PresenceText(int choice) const { return presence_[GroupOf(choice)]; }

bool CopySettingsChoice::IsVisible(int choice) const { return PresenceText(choice) != "-"; }

bool CopySettingsChoice::IsChecked(int choice) const {
    return IsChoice(choice) && checked_[static_cast<std::size_t>(choice)];
}

void CopySettingsChoice::Click(int choice, bool checked) {
    if (!IsChoice(choice)) {
        return;
    }
    const std::string& presence = PresenceText(choice);
    if (!presence.empty() && presence.front() == '-') {
        checked = false;
    }
    checked_[static_cast<std::size_t>(choice)] = checked;
    if (checked && choice == Style) {
        checked_[StylePath] = false;
    } else if (checked && choice == StylePath) {
        checked_[Style] = false;
    }
}

std::optional<std::vector<bool>> CopySettingsChoice::Accept() const {
    if (std::none_of(checked_.begin(), checked_.end(), [](bool b) { return b; })) {
        return std::nullopt;
    }
    return std::vector<bool>(checked_.begin(), checked_.end());
}

}  // namespace kalivo
