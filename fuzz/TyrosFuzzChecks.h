#pragma once
// What every Tyros fuzz target checks on a registration it has read: every
// reader answers without reading past a block, and every edit still writes a
// registration block that reads back to the same bytes.
#include <cstdlib>
#include <vector>

#include "handlers/tyros/TyrosCopyRecord.h"
#include "handlers/tyros/TyrosProtocol.h"
#include "handlers/tyros/TyrosRegistration.h"
#include "handlers/tyros/TyrosRegistrationViews.h"

namespace kalivo::fuzz {

inline void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The block written reads back to itself.
inline void RequireStableBlock(const TyrosRegistration& registration, UserInterface& ui) {
    const std::vector<std::uint8_t> written = registration.Serialize();
    Require(written.size() == registration.SerializedSize());
    TyrosRegistration again;
    again.Parse(written, true, false, ui);
    Require(again.Serialize() == written);
}

inline void ExerciseRegistration(const TyrosRegistration& registration, UserInterface& ui) {
    TyrosRegistrationViews::View(registration, "Bank", 1, IconSettings{});
    TyrosProtocol::SettingsText(registration);
    registration.IconCode();
    RequireStableBlock(registration, ui);

    TyrosRegistration edited = registration;
    edited.Rename("Fuzzed name");
    edited.SetIconCode("123");
    edited.RevoiceParts();
    edited.RefreshVoiceNames();
    RequireStableBlock(edited, ui);

    TyrosRegistration target;
    const std::vector<bool> everything(TyrosCopyRecord::kChoiceCount, true);
    target.ApplyCopy(TyrosCopyRecord(registration, everything, true), ui);
    RequireStableBlock(target, ui);
}

}  // namespace kalivo::fuzz
