#pragma once
// The rules of the Copy Registration Settings dialog, free of any toolkit:
// which of the 15 check boxes are shown, what each box's presence edit
// says, the boxes that refuse to be checked, the exclusion of Style and
// Style-Path, and the flags read on OK.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ui/DialogData.h"

namespace kalivo {

class CopySettingsChoice {
public:
    // The 15 boxes, in the order of the flags handed to the copy.
    enum Choice {
        Style, StylePath, Right1, Right2, Right3, Left, Multipad, Tempo,
        TuneTrans, Scale, Harmony, Pedal, Song, Mic, LineOut,
    };
    static constexpr int kChoices = kTyrosCopyChoices;
    static constexpr const char* kNothingChosenMessage = "No setting-block selected";

    explicit CopySettingsChoice(const CopySettingsRequest& request);

    // Index into the request's presence texts of the group that governs a box
    // (Style and Style-Path both follow Style).
    static std::size_t GroupOf(int choice);
    // What the box's presence edit shows.
    const std::string& PresenceText(int choice) const;
    // A box is shown only when its group is not absent ("-").
    bool IsVisible(int choice) const;
    bool IsChecked(int choice) const;

    // The person clicked a box, leaving it checked or not. A box whose group
    // edit starts with '-' is unchecked again; checking Style unchecks
    // Style-Path and the other way round.
    void Click(int choice, bool checked);

    // The 15 flags on OK; nothing when no box is checked (the dialog then
    // says kNothingChosenMessage and nothing is copied).
    std::optional<std::vector<bool>> Accept() const;

private:
    std::array<std::string, 14> presence_;
    std::array<bool, kChoices> checked_{};
};

}  // namespace kalivo
