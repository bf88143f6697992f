#include "common/tables/Psr8000VoiceList.h"

#include "common/tables/NameTableData.h"

namespace kalivo {

std::string Psr8000VoiceList::VoiceName(std::uint16_t number) {
    if ((number & 0x8000u) != 0) {
        return "Custom " + std::to_string((number & 0x1Fu) + 1);
    }
    if (number == 0x4000u) {
        return "Organ Flute";
    }
    const auto names = detail::GeneratedNameTables().psr8000Voices;
    return number < names.size() ? std::string(names[number]) : std::string("?");
}

std::size_t Psr8000VoiceList::Count() { return detail::GeneratedNameTables().psr8000Voices.size(); }

}  // namespace kalivo
