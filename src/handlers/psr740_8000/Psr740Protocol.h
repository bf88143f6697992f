#pragma once
// The bank and regfile protocols of the PSR-740 and PSR-8000, as tab-separated
// text or as the "Registration Archive" HTML page.
#include <string>

#include "handlers/Outcome.h"

namespace kalivo {

class Psr740FamilyHandler;

class Psr740Protocol {
public:
    // Done, kWrongProtocolEnding (path ends neither in "txt" nor "htm"),
    // kNothingToWrite (no bank used) or kProtocolNotCreated (with its message).
    static Outcome WriteBanks(Psr740FamilyHandler& handler, const std::string& path);
    // The same for the regfile list; kRegfileListEmpty when it is empty.
    static Outcome WriteRegfiles(Psr740FamilyHandler& handler, const std::string& path);

    // The tempo as the HTML pages show it: three digits, a leading 0 blank.
    static std::string HtmlTempo(int tempo);
};

}  // namespace kalivo
