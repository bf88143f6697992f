#include "common/disk/DiskName.h"

#include <algorithm>
#include <string_view>

namespace kalivo {

namespace {

using namespace std::string_view_literals;

constexpr std::string_view kPunctuation = "!#$%&'()-@^_`{}~ ";

// Windows-1252 0xC0..0xFF as plain capitals; '\0' where no single letter fits
// (the multiplication and division signs, AE, thorn, eth).
constexpr std::string_view kFolded =
    "AAAAAA\0CEEEEIIII\0NOOOOO\0OUUUUY\0S"
    "AAAAAA\0CEEEEIIII\0NOOOOO\0OUUUUY\0Y"sv;

char Folded(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') {
        return static_cast<char>(u - 'a' + 'A');
    }
    if ((u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || kPunctuation.find(c) != std::string_view::npos) {
        return c;
    }
    switch (u) {
        case 0x8A: case 0x9A: return 'S';  // S with caron
        case 0x8E: case 0x9E: return 'Z';  // Z with caron
        case 0x9F: return 'Y';             // Y with diaeresis
        default: break;
    }
    return u >= 0xC0 ? kFolded[u - 0xC0] : '\0';
}

}  // namespace

bool DiskName::Accepts(char c) { return Folded(c) != '\0'; }

std::string DiskName::Stored(const std::string& name, std::size_t length) {
    std::string stored;
    for (const char c : name) {
        const char folded = Folded(c);
        if (folded != '\0' && !(folded == ' ' && stored.empty())) {
            stored += folded;
        }
    }
    stored.resize(std::min(stored.size(), length));
    stored.erase(stored.find_last_not_of(' ') + 1);
    return stored;
}

}  // namespace kalivo
