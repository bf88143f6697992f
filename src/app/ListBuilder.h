#pragma once
// The lines of the two archive lists, built from a handler's list geometry and
// names, and the decoding of a list line back into (bank, slot).
#include <string>
#include <vector>

#include "app/FilteredList.h"
#include "handlers/ModelHandler.h"

namespace kalivo {

// Slot value of a bank header line (the whole bank); -1 means no selection.
inline constexpr int kWholeBank = -2;
inline constexpr int kNone = -1;

struct ListPosition {
    int bank = kNone;
    int slot = kNone;
};

class ListBuilder {
public:
    enum class Side { Source, Destination };

    // tyrosPrefix: "  %i: " before each registration (Tyros) instead of "%i-%i: ".
    // The lines are UTF-8; the handler's names are instrument text.
    static std::vector<std::string> Build(ModelHandler& handler, Side side, bool tyrosPrefix);
    // The same lines with what find and the command rules need to know of them.
    static std::vector<ListEntry> Entries(ModelHandler& handler, Side side, bool tyrosPrefix);
    static ListPosition Decode(ModelHandler& handler, int line);
    static std::string NoRegistrationText() { return "--- no reg ---"; }
};

}  // namespace kalivo
