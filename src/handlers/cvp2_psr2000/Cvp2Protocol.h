#pragma once
// The protocols of the CVP2 Series and PSR-2000: tab-separated text or the
// "Registration Archive" HTML page, of the loaded banks or of the regfiles.
#include <string>

namespace kalivo {

class Cvp2FamilyHandler;

class Cvp2Protocol {
public:
    // The finished protocol text (Windows-1252, CR LF), html or tab-separated.
    static std::string OfBanks(Cvp2FamilyHandler& handler, bool html);
    static std::string OfRegfiles(Cvp2FamilyHandler& handler, bool html);
};

}  // namespace kalivo
