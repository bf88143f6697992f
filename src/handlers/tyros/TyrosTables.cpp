#include "handlers/tyros/TyrosTables.h"

#include <set>
#include <string_view>
#include <tuple>
#include <utility>

#include "handlers/tyros/TyrosVoiceIndex.h"

namespace kalivo {
namespace {

const detail::TyrosTableData& Data() { return detail::GeneratedTyrosTables(); }

std::string NameAt(std::span<const char* const> names, std::size_t index) {
    return index < names.size() ? std::string(names[index]) : std::string();
}

}  // namespace

std::span<const TyrosVoiceRow> TyrosTables::Voices() { return Data().voices; }

const TyrosVoiceRow* TyrosTables::FindVoice(int program, int lsb, int msb) {
    static const TyrosVoiceIndex index(Voices());
    return index.Find(program, lsb, msb);
}

TyrosVoiceLookup TyrosTables::LookupVoice(int program, int lsb, int msb) {
    const TyrosVoiceRow* row = FindVoice(program, lsb, msb);
    if (row == nullptr) {
        return {false, "no voice"};
    }
    // One allocation: the shown name is the only thing a lookup creates.
    const std::string_view prefix(row->prefix);
    const std::string_view name(row->name);
    std::string shown;
    shown.reserve(prefix.size() + name.size());
    shown.append(prefix).append(name);
    return {true, std::move(shown)};
}

bool TyrosTables::VoiceTableComplete() { return Data().voiceTableComplete; }
std::size_t TyrosTables::VoiceRowsOfInstrument() { return Data().voiceRowsOfInstrument; }

std::size_t TyrosTables::KnownVoiceCount(const VoiceList* list) {
    std::set<std::tuple<int, int, int>> keys;
    for (const TyrosVoiceRow& row : Voices()) {
        keys.emplace(row.msb, row.lsb, row.program);
    }
    if (list != nullptr) {
        for (const BankSelectKey& key : list->ExactKeys()) {
            keys.emplace(key.msb, key.lsb, key.program);
        }
    }
    return keys.size();
}

std::string TyrosTables::StyleName(std::size_t index) { return NameAt(Data().styles, index); }
std::size_t TyrosTables::StyleCount() { return Data().styles.size(); }
std::string TyrosTables::MultipadName(std::size_t index) { return NameAt(Data().multipads, index); }
std::size_t TyrosTables::MultipadCount() { return Data().multipads.size(); }
std::string TyrosTables::HarmonyName(std::size_t index) { return NameAt(Data().harmonyTypes, index); }
std::size_t TyrosTables::HarmonyCount() { return Data().harmonyTypes.size(); }

}  // namespace kalivo
