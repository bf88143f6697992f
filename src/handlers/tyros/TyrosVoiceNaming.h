#pragma once
// Display names of the voices a Tyros registration stores as bank select and
// program numbers, and the texts of the warnings about unknown voices.
#include <string>

#include "common/voices/VoiceList.h"
#include "handlers/tyros/TyrosFormat.h"

namespace kalivo {

class TyrosVoiceNaming {
public:
    static constexpr const char* kWarningTitle = "Warning: Revoicing recommended";

    // The voice list's name where list is given and names the voice, else the
    // table name, or "no voice".
    static std::string Name(const VoiceList* list, int program, int lsb, int msb, bool& found);
    static bool IsKnown(const VoiceList* list, int program, int lsb, int msb);
    // What an unknown voice of the XG banks (MSB 0, LSB not 0) shows: the
    // name of its LSB 0 counterpart in parentheses.
    static std::string XgFallbackName(const VoiceList* list, int program);
    // The warning for one part, to be put after the registration's name.
    static std::string WarningText(tyros::VoicePart part, int msb, int lsb, int program);
};

}  // namespace kalivo
