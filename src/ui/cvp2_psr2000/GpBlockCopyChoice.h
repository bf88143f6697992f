#pragma once
// The rules of the Copy GP-Block dialog, free of any toolkit: which boxes are
// shown and may be checked, which are three-state, and which GP blocks the
// checked boxes bring from the source.
#include <optional>
#include <string>
#include <vector>

#include "ui/DialogData.h"

namespace kalivo {

class GpBlockCopyChoice {
public:
    // The boxes top to bottom.
    enum Box { Style, VoiceMain, VoiceLayer, VoiceLeft, Multipad, Tempo, TuneTrans, Scale, Harmony, Pedal, SongMic };
    static constexpr int kBoxes = kGpBlockSettings;
    static constexpr int kFlags = 24;
    static constexpr const char* kNothingChosenMessage = "No setting-block selected";

    explicit GpBlockCopyChoice(const GpBlockCopyRequest& request);

    static const char* Label(int box);     // "Style", "Voice Main", ...
    static const char* Question(int box);  // "Copy Style?", ...
    // Style, Voice Layer and Voice Left have two states, the others three.
    static bool IsThreeState(int box);

    // The "+"/"-" text of the box's setting.
    const std::string& SettingText(int box) const;
    // A box is hidden while its setting shows "-".
    bool IsVisible(int box) const;
    // The state a click on a box in state leaves it in: unchecked, checked,
    // then (three-state boxes only) indeterminate, then unchecked again. A
    // setting shown as "-" keeps its box unchecked.
    int NextState(int box, int state) const;

    // The 24 flags for the copy from the box states read on Copy: GP 0, 1 and
    // 7 always, and the blocks of every checked box. Nothing when no box is
    // checked or any box is indeterminate.
    static std::optional<std::vector<bool>> Flags(const GpBlockBoxStates& states);

private:
    std::array<std::string, kBoxes> settings_;
};

}  // namespace kalivo
