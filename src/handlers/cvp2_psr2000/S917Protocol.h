#pragma once
// The protocols of the CVP2 Series and PSR-2000: tab-separated text or the
// "Registration Archive" HTML page, of the loaded banks or of the regfiles.
#include <string>

namespace kalivo {

class S917Handler;

class S917Protocol {
public:
    // The finished protocol text (Windows-1252, CR LF), html or tab-separated.
    static std::string OfBanks(S917Handler& handler, bool html);
    static std::string OfRegfiles(S917Handler& handler, bool html);
};

}  // namespace kalivo
