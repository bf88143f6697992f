#pragma once
// Handlers speak the instruments' text (Windows-1252); the view and the
// dialogs speak UTF-8. These convert at that border, in one place.
#include <string>
#include <vector>

#include "common/text/Cp1252.h"

namespace kalivo {

inline std::string Shown(const std::string& name) { return Cp1252::ToUtf8(name); }

inline std::vector<std::string> Shown(const std::vector<std::string>& names) {
    std::vector<std::string> shown;
    shown.reserve(names.size());
    for (const std::string& name : names) {
        shown.push_back(Shown(name));
    }
    return shown;
}

inline std::string Typed(const std::string& text) { return Cp1252::FromUtf8(text); }

// "1 bank", "3 banks".
inline std::string Counted(int count, const std::string& noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

}  // namespace kalivo
