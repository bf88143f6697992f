#pragma once
// One loaded regfile: its title (file name without ".tyr"), its header and
// its registration.
#include <string>

#include "handlers/tyros/TyrosRegfile.h"

namespace kalivo {

struct TyrosRegfileEntry {
    std::string title;
    TyrosRegfile::Header header = tyros::kRegfileHeaderTemplate;
    TyrosRegistration registration;
};

}  // namespace kalivo
