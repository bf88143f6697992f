#pragma once
// The bank and regfile protocols of the PSR-740 and PSR-8000, as tab-separated
// text or as the "Registration Archive" HTML page.
#include <string>

#include "ui/UserInterface.h"

namespace kalivo {

class PsrFamilyHandler;

class PsrProtocol {
public:
    // 0, 13 (path ends neither in "txt" nor "htm"), 14 (no bank used) or 10
    // (file not written, reported to the person).
    static int WriteBanks(PsrFamilyHandler& handler, UserInterface& ui, const std::string& path);
    // The same for the regfile list; 15 when it is empty.
    static int WriteRegfiles(PsrFamilyHandler& handler, UserInterface& ui, const std::string& path);

    // The tempo as the HTML pages show it: three digits, a leading 0 blank.
    static std::string HtmlTempo(int tempo);
};

}  // namespace kalivo
