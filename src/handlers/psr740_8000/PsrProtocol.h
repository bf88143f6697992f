#pragma once
// The bank and regfile protocols of the PSR-740 and PSR-8000, as tab-separated
// text or as the "Registration Archive" HTML page.
#include <string>

#include "handlers/Outcome.h"

namespace kalivo {

class PsrFamilyHandler;

class PsrProtocol {
public:
    // Done, kWrongProtocolEnding (path ends neither in "txt" nor "htm"),
    // kNothingToWrite (no bank used) or kProtocolNotCreated (with its message).
    static Outcome WriteBanks(PsrFamilyHandler& handler, const std::string& path);
    // The same for the regfile list; kRegfileListEmpty when it is empty.
    static Outcome WriteRegfiles(PsrFamilyHandler& handler, const std::string& path);

    // The tempo as the HTML pages show it: three digits, a leading 0 blank.
    static std::string HtmlTempo(int tempo);
};

}  // namespace kalivo
