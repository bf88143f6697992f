#include "handlers/tyros/TyrosRegistrationViews.h"

#include "common/text/Cp1252.h"
#include "handlers/tyros/TyrosRegistration.h"

namespace kalivo {

using namespace tyros;

std::array<std::string, 14> TyrosRegistrationViews::Presence(const TyrosRegistration& registration) {
    const std::uint32_t mask = registration.GroupMask();
    std::array<std::string, 14> presence;
    for (int group = 0; group < kGroupCount; ++group) {
        presence[static_cast<std::size_t>(group)].assign(1, ((mask >> group) & 1u) != 0 ? '+' : '-');
    }
    return presence;
}

TyrosRegistrationView TyrosRegistrationViews::View(const TyrosRegistration& registration,
                                                   const std::string& bankName, int part,
                                                   const IconSettings& icons) {
    const auto presence = Presence(registration);
    auto has = [&](int group) { return presence[static_cast<std::size_t>(group)] == "+"; };
    auto at = [&](int group) { return presence[static_cast<std::size_t>(group)]; };

    // Dialogs show UTF-8; the names in the registration are instrument text.
    TyrosRegistrationView view;
    view.bankName = Cp1252::ToUtf8(bankName);
    view.part = part;
    view.name = Cp1252::ToUtf8(registration.Name());
    view.style = at(group::kStyle);
    if (has(group::kStyle)) {
        view.styleName = Cp1252::ToUtf8(registration.StyleName());
    }
    // The voice groups follow Style in presence order: Right1, Right2, Right3, Left.
    for (VoicePart voice : kVoiceParts) {
        const auto index = static_cast<std::size_t>(voice);
        view.voicePresence[index] = at(group::kRight1 + static_cast<int>(index));
        if (view.voicePresence[index] == "+") {
            view.voices[index] = {Cp1252::ToUtf8(registration.VoiceName(voice)), registration.PartOn(voice)};
        }
    }
    view.multiPad = at(group::kMultipad);
    if (has(group::kMultipad)) {
        view.multiPadName = Cp1252::ToUtf8(registration.MultipadName());
    }
    view.tempo = at(group::kTempo);
    if (has(group::kTempo) && registration.Tempo() >= 0) {
        view.tempoValue = std::to_string(registration.Tempo());
    }
    view.tuneTrans = at(group::kTuneTrans);
    view.scale = at(group::kScale);
    view.pedal = at(group::kPedal);
    view.harmony = at(group::kHarmony);
    if (has(group::kHarmony)) {
        view.harmonyType = Cp1252::ToUtf8(registration.HarmonyType());
        view.harmonyOnOff = registration.HarmonyOn();
    }
    view.song = at(group::kSong);
    if (has(group::kSong)) {
        view.songName = Cp1252::ToUtf8(registration.SongName());
    }
    view.mic = at(group::kMic);
    view.lineOut = at(group::kLineOut);
    view.iconCode = registration.IconCode();
    view.icons = icons;
    return view;
}

}  // namespace kalivo
