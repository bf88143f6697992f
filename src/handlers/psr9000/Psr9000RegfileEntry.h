#pragma once
// One loaded regfile: its file name and the registration record it holds.
#include <string>

#include "handlers/psr9000/Psr9000Record.h"

namespace kalivo {

struct Psr9000RegfileEntry {
    std::string title;  // file name without extension, as instrument text
    psr9000::Record record{};
};

}  // namespace kalivo
