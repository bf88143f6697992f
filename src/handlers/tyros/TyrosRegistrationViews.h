#pragma once
// What the Tyros registration dialogs are given: the View Registration texts
// and the presence texts ("+" / "-") of the fourteen setting groups.
#include <array>
#include <string>

#include "ui/DialogData.h"

namespace kalivo {

class TyrosRegistration;

class TyrosRegistrationViews {
public:
    // Style, Right1, Right2, Right3, Left, Tune Trans, Scale, Harmony, Tempo,
    // Pedal, Multipad, Song, Mic, Line Out.
    static std::array<std::string, 14> Presence(const TyrosRegistration& registration);

    // part: 1..8, or 0 for none. The values of a group are filled in only
    // when the registration holds that group.
    static TyrosRegistrationView View(const TyrosRegistration& registration, const std::string& bankName, int part,
                                      const IconSettings& icons);
};

}  // namespace kalivo
