#pragma once
// One Tyros bank: the 64-byte header of its bank file (which carries the bank
// sequence), its eight registrations, its name and its icon code.
#include <array>
#include <string>

#include "handlers/tyros/TyrosFormat.h"
#include "handlers/tyros/TyrosRegistration.h"

namespace kalivo {

struct TyrosBank {
    static constexpr const char* kEmptyName = "Empty Bank";
    static constexpr const char* kNewName = "New Bank";
    static constexpr const char* kResetIcon = "917";
    static constexpr const char* kNoIcon = "   ";
    static constexpr const char* kExtension = ".rgt";

    bool inUse = false;
    tyros::Bytes64 header = tyros::kBankHeaderTemplate;
    std::array<TyrosRegistration, tyros::kPartsPerBank> registrations;
    std::string iconCode = kResetIcon;
    std::string name = kEmptyName;
    // ".rgt" as the bank's file spelled it (the instruments write ".RGT"), so
    // that a stored bank comes back under its own name.
    std::string extension = kExtension;

    // Eight empty registrations, the header template, "Empty Bank", icon "917".
    void Reset();
    // "Empty Bank" becomes "New Bank" once something is copied into it.
    void MarkFilled();
    bool HasRegistrations() const;
    // Still as Reset left it: nothing a snapshot has to keep.
    bool IsPristine() const;
    // The 1-based numbers of the non-empty registrations, e.g. "1358".
    std::string UsedSlots() const;

    // Steps are the digits '1'..'8' (stored as given, at most 34 of them).
    void SetSequence(const std::string& digits, int sequenceEnd);
    void Sequence(std::string& digits, int& sequenceEnd) const;
    // Only the sequence bytes go back to the template: the other header bytes
    // differ between instrument generations and stay as read.
    void ResetSequence();
};

}  // namespace kalivo
