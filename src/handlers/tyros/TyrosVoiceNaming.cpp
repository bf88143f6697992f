#include "handlers/tyros/TyrosVoiceNaming.h"

#include <array>

#include "common/Format.h"
#include "handlers/tyros/TyrosTables.h"

namespace kalivo {

std::string TyrosVoiceNaming::Name(const VoiceList* list, int program, int lsb, int msb, bool& found) {
    std::string listed;
    if (list != nullptr && list->Find(msb, lsb, program, listed)) {
        found = true;
        return listed;
    }
    TyrosVoiceLookup lookup = TyrosTables::LookupVoice(program, lsb, msb);
    found = lookup.found;
    return std::move(lookup.name);
}

bool TyrosVoiceNaming::IsKnown(const VoiceList* list, int program, int lsb, int msb) {
    return (list != nullptr && list->Names(msb, lsb, program)) || TyrosTables::FindVoice(program, lsb, msb) != nullptr;
}

std::string TyrosVoiceNaming::XgFallbackName(const VoiceList* list, int program) {
    bool found = false;
    std::string name = Name(list, program, 0, 0, found);
    name.insert(name.begin(), '(');
    name.push_back(')');
    return name;
}

std::string TyrosVoiceNaming::WarningText(tyros::VoicePart part, int msb, int lsb, int program) {
    // The Left text has its own blank before "Continue", as the instrument's tool wrote it.
    static constexpr std::array<const char*, 4> kPatterns{
        "(Right1) no Tyros voice: msb %i, lsb %i, voice %i\nContinue messages?",
        "(Right2) no Tyros voice: msb %i, lsb %i, voice %i\nContinue messages?",
        "(Right3) no Tyros voice: msb %i, lsb %i, voice %i\nContinue messages?",
        "(Left) no Tyros voice: msb %i, lsb %i, voice %i\n Continue messages?",
    };
    return FormatNumbers(kPatterns[static_cast<std::size_t>(part)], msb, lsb, program);
}

}  // namespace kalivo
