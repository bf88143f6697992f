#pragma once
// The Tyros text protocol: one tab-separated line per registration, of the
// banks or of the regfile list, and the Settings column of those lines.
#include <string>

namespace kalivo {

class TyrosHandler;
class TyrosRegistration;

class TyrosProtocol {
public:
    // "sty vc tt ..." for the setting groups the registration holds.
    static std::string SettingsText(const TyrosRegistration& registration);

    // The whole protocol text ("\n" line ends).
    static std::string OfBanks(const TyrosHandler& handler);
    static std::string OfRegfiles(const TyrosHandler& handler);
};

}  // namespace kalivo
