#pragma once
// The PSR-740 and the PSR-8000 are twins: one implementation serves both, and
// everything in which they differ is written down once, here.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "common/voices/VoiceList.h"

namespace kalivo {

class StyleList;

struct Psr740Model {
    // Disk files.
    const char* modelString;          // model line of every file and of DISK.MNG
    const char* diskVersion;          // DISK.MNG version line
    std::size_t diskModelBytes;       // bytes of the model string compared on load
    const char* userFileSize;         // user file line 8
    const char* dataVersion;          // version line of REG.MNG entries and data headers
    const char* dataFileSize;         // size line of REG.MNG entries
    const char* dataSecondLine;       // second header line of a data file (without CR LF)
    bool oneDataFile;                 // one data file for all banks, else one per used bank
    std::size_t dataTrailerSize;      // bytes after the records of a data file

    // Bank memory and records.
    int banks;
    int slots;
    std::size_t recordSize;
    std::size_t titleOffset;
    bool bankTitle;                   // the title belongs to the bank, kept in all its slots
    std::size_t emptyTestFrom;        // the empty test compares from here to the end
    std::size_t copyFrom;             // a copy keeps the destination's bytes before this
    std::size_t tempoOffset;
    std::size_t styleOffset;
    int voiceParts;                   // parts with a voice; the fourth of the PSR-740 has none

    // Custom styles.
    int firstCustomStyle;
    int customStyleCount;

    const char* regfileExtension;
    const char* protocolModel;        // model name as the protocol titles spell it
    const char* htmlTitle;

    // Name of voice part (0 Left, 1 Right 1, 2 Right 2, 3 Lead) of a record,
    // a voice list's name first where the model keeps voices by bank select.
    std::string (*voiceName)(std::span<const std::uint8_t> record, int part, const VoiceList* list);
    // The bank select and program of a part; nothing where the model keeps
    // voice numbers instead (PSR-8000) or the part has no voice.
    std::optional<BankSelectKey> (*voiceKey)(std::span<const std::uint8_t> record, int part);
    const StyleList& (*styles)();
    // The default registration for (bank, slot).
    void (*makeDefault)(std::span<std::uint8_t> record, int bank, int slot);
    // Whether the model's own fields of a whole record (fixed bytes, voices)
    // hold values the instrument writes.
    bool (*ownFieldsSound)(std::span<const std::uint8_t> record);

    std::size_t BankSize() const { return 1 + static_cast<std::size_t>(slots) * (recordSize + 1); }
    std::size_t StoreSize() const { return static_cast<std::size_t>(banks) * BankSize(); }
    bool IsCustomStyle(int number) const {
        return number >= firstCustomStyle && number < firstCustomStyle + customStyleCount;
    }

    static const Psr740Model& Psr740();
    static const Psr740Model& Psr8000();
    // The other model of the family, whose sets may lie on the same disk.
    const Psr740Model& Other() const;
};

}  // namespace kalivo
