#pragma once
// The Tyros name tables: voices by bank select and program, styles, multi pads
// and harmony types. The rows live in data/tyros and are compiled in at build
// time; these functions only read them.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "common/voices/VoiceList.h"

namespace kalivo {

struct TyrosVoiceRow {
    std::uint8_t program;
    std::uint8_t lsb;
    std::uint8_t msb;
    const char* prefix;  // often empty
    const char* name;
};

// Result of a voice lookup: the shown name is prefix + name, or "no voice".
struct TyrosVoiceLookup {
    bool found = false;
    std::string name;
};

class TyrosTables {
public:
    static std::span<const TyrosVoiceRow> Voices();
    // The first row in table order with this key; nullptr when there is none.
    static const TyrosVoiceRow* FindVoice(int program, int lsb, int msb);
    static TyrosVoiceLookup LookupVoice(int program, int lsb, int msb);
    // Whether the voice table holds all of the instrument's voices (its data
    // file says so), and how many the instrument has.
    static bool VoiceTableComplete();
    static std::size_t VoiceRowsOfInstrument();
    // How many different voices the table and a voice list name together.
    static std::size_t KnownVoiceCount(const VoiceList* list);

    // Names by index; an index at or past the count gives an empty text, so
    // callers that need a placeholder check the count first.
    static std::string StyleName(std::size_t index);
    static std::size_t StyleCount();
    static std::string MultipadName(std::size_t index);
    static std::size_t MultipadCount();
    static std::string HarmonyName(std::size_t index);
    static std::size_t HarmonyCount();
};

namespace detail {

// What the generated source provides (see data/tyros).
struct TyrosTableData {
    std::span<const TyrosVoiceRow> voices;
    std::span<const char* const> styles;
    std::span<const char* const> multipads;
    std::span<const char* const> harmonyTypes;
    bool voiceTableComplete;
    std::size_t voiceRowsOfInstrument;
};

const TyrosTableData& GeneratedTyrosTables();

}  // namespace detail

}  // namespace kalivo
