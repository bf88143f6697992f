#include "ui/tyros/TyrosViewLines.h"

namespace kalivo {

std::vector<TyrosViewLine> TyrosViewLines::Of(const TyrosRegistrationView& view) {
    const auto& v = view.voices;
    const auto& on = view.voicePresence;
    return {
        {"Style", view.style, "Style:", {view.styleName}},
        {"Right1", on[0], "Right1:", {v[0].name, v[0].onOff}},
        {"Right2", on[1], "Right2:", {v[1].name, v[1].onOff}},
        {"Right3", on[2], "Right3:", {v[2].name, v[2].onOff}},
        {"Left", on[3], "Left:", {v[3].name, v[3].onOff}},
        {"Multi Pad", view.multiPad, "MultiPad:", {view.multiPadName}},
        {"Tempo", view.tempo, "Tempo:", {view.tempoValue}},
        {"Tune Trans", view.tuneTrans},
        {"Scale", view.scale},
        {"Pedal", view.pedal},
        {"Harmony", view.harmony, "Harmony:", {view.harmonyType, view.harmonyOnOff}},
        {"Song", view.song, "Song:", {view.songName}},
        {"MicSettings", view.mic},
        {"LineOut", view.lineOut},
    };
}

}  // namespace kalivo
